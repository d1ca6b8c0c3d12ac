"""Spanish engine: analysis, lexicons, spelling rules, tenses, imperative and
the SpanishConjugation class."""
import os

import pytest

import velnor

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data")

pytestmark = pytest.mark.skipif(not hasattr(velnor, "SpanishConjugation"), reason="Spanish engine not built in")


def es(word):
    return velnor.conjugate(word, lang="spa")


def error_of(word):
    with pytest.raises(ValueError) as info:
        es(word)
    return str(info.value)


# ---------------------------------------------------------------- common verbs
# lemma | present | preterite | present subjunctive |
#   future 1sg, imperfect 1sg, -ra subjunctive 1sg, gerund, participle | imperative
COMMON = """
hablar | hablo hablas habla hablamos habláis hablan | hablé hablaste habló hablamos hablasteis hablaron | hable hables hable hablemos habléis hablen | hablaré hablaba hablara hablando hablado | habla hable hablemos hablad hablen
trabajar | trabajo trabajas trabaja trabajamos trabajáis trabajan | trabajé trabajaste trabajó trabajamos trabajasteis trabajaron | trabaje trabajes trabaje trabajemos trabajéis trabajen | trabajaré trabajaba trabajara trabajando trabajado | trabaja trabaje trabajemos trabajad trabajen
estudiar | estudio estudias estudia estudiamos estudiáis estudian | estudié estudiaste estudió estudiamos estudiasteis estudiaron | estudie estudies estudie estudiemos estudiéis estudien | estudiaré estudiaba estudiara estudiando estudiado | estudia estudie estudiemos estudiad estudien
cambiar | cambio cambias cambia cambiamos cambiáis cambian | cambié cambiaste cambió cambiamos cambiasteis cambiaron | cambie cambies cambie cambiemos cambiéis cambien | cambiaré cambiaba cambiara cambiando cambiado | cambia cambie cambiemos cambiad cambien
limpiar | limpio limpias limpia limpiamos limpiáis limpian | limpié limpiaste limpió limpiamos limpiasteis limpiaron | limpie limpies limpie limpiemos limpiéis limpien | limpiaré limpiaba limpiara limpiando limpiado | limpia limpie limpiemos limpiad limpien
llegar | llego llegas llega llegamos llegáis llegan | llegué llegaste llegó llegamos llegasteis llegaron | llegue llegues llegue lleguemos lleguéis lleguen | llegaré llegaba llegara llegando llegado | llega llegue lleguemos llegad lleguen
buscar | busco buscas busca buscamos buscáis buscan | busqué buscaste buscó buscamos buscasteis buscaron | busque busques busque busquemos busquéis busquen | buscaré buscaba buscara buscando buscado | busca busque busquemos buscad busquen
tocar | toco tocas toca tocamos tocáis tocan | toqué tocaste tocó tocamos tocasteis tocaron | toque toques toque toquemos toquéis toquen | tocaré tocaba tocara tocando tocado | toca toque toquemos tocad toquen
pagar | pago pagas paga pagamos pagáis pagan | pagué pagaste pagó pagamos pagasteis pagaron | pague pagues pague paguemos paguéis paguen | pagaré pagaba pagara pagando pagado | paga pague paguemos pagad paguen
cruzar | cruzo cruzas cruza cruzamos cruzáis cruzan | crucé cruzaste cruzó cruzamos cruzasteis cruzaron | cruce cruces cruce crucemos crucéis crucen | cruzaré cruzaba cruzara cruzando cruzado | cruza cruce crucemos cruzad crucen
empezar | empiezo empiezas empieza empezamos empezáis empiezan | empecé empezaste empezó empezamos empezasteis empezaron | empiece empieces empiece empecemos empecéis empiecen | empezaré empezaba empezara empezando empezado | empieza empiece empecemos empezad empiecen
comenzar | comienzo comienzas comienza comenzamos comenzáis comienzan | comencé comenzaste comenzó comenzamos comenzasteis comenzaron | comience comiences comience comencemos comencéis comiencen | comenzaré comenzaba comenzara comenzando comenzado | comienza comience comencemos comenzad comiencen
almorzar | almuerzo almuerzas almuerza almorzamos almorzáis almuerzan | almorcé almorzaste almorzó almorzamos almorzasteis almorzaron | almuerce almuerces almuerce almorcemos almorcéis almuercen | almorzaré almorzaba almorzara almorzando almorzado | almuerza almuerce almorcemos almorzad almuercen
pensar | pienso piensas piensa pensamos pensáis piensan | pensé pensaste pensó pensamos pensasteis pensaron | piense pienses piense pensemos penséis piensen | pensaré pensaba pensara pensando pensado | piensa piense pensemos pensad piensen
cerrar | cierro cierras cierra cerramos cerráis cierran | cerré cerraste cerró cerramos cerrasteis cerraron | cierre cierres cierre cerremos cerréis cierren | cerraré cerraba cerrara cerrando cerrado | cierra cierre cerremos cerrad cierren
despertar | despierto despiertas despierta despertamos despertáis despiertan | desperté despertaste despertó despertamos despertasteis despertaron | despierte despiertes despierte despertemos despertéis despierten | despertaré despertaba despertara despertando despertado | despierta despierte despertemos despertad despierten
sentar | siento sientas sienta sentamos sentáis sientan | senté sentaste sentó sentamos sentasteis sentaron | siente sientes siente sentemos sentéis sienten | sentaré sentaba sentara sentando sentado | sienta siente sentemos sentad sienten
tropezar | tropiezo tropiezas tropieza tropezamos tropezáis tropiezan | tropecé tropezaste tropezó tropezamos tropezasteis tropezaron | tropiece tropieces tropiece tropecemos tropecéis tropiecen | tropezaré tropezaba tropezara tropezando tropezado | tropieza tropiece tropecemos tropezad tropiecen
negar | niego niegas niega negamos negáis niegan | negué negaste negó negamos negasteis negaron | niegue niegues niegue neguemos neguéis nieguen | negaré negaba negara negando negado | niega niegue neguemos negad nieguen
regar | riego riegas riega regamos regáis riegan | regué regaste regó regamos regasteis regaron | riegue riegues riegue reguemos reguéis rieguen | regaré regaba regara regando regado | riega riegue reguemos regad rieguen
errar | yerro yerras yerra erramos erráis yerran | erré erraste erró erramos errasteis erraron | yerre yerres yerre erremos erréis yerren | erraré erraba errara errando errado | yerra yerre erremos errad yerren
contar | cuento cuentas cuenta contamos contáis cuentan | conté contaste contó contamos contasteis contaron | cuente cuentes cuente contemos contéis cuenten | contaré contaba contara contando contado | cuenta cuente contemos contad cuenten
encontrar | encuentro encuentras encuentra encontramos encontráis encuentran | encontré encontraste encontró encontramos encontrasteis encontraron | encuentre encuentres encuentre encontremos encontréis encuentren | encontraré encontraba encontrara encontrando encontrado | encuentra encuentre encontremos encontrad encuentren
recordar | recuerdo recuerdas recuerda recordamos recordáis recuerdan | recordé recordaste recordó recordamos recordasteis recordaron | recuerde recuerdes recuerde recordemos recordéis recuerden | recordaré recordaba recordara recordando recordado | recuerda recuerde recordemos recordad recuerden
mostrar | muestro muestras muestra mostramos mostráis muestran | mostré mostraste mostró mostramos mostrasteis mostraron | muestre muestres muestre mostremos mostréis muestren | mostraré mostraba mostrara mostrando mostrado | muestra muestre mostremos mostrad muestren
probar | pruebo pruebas prueba probamos probáis prueban | probé probaste probó probamos probasteis probaron | pruebe pruebes pruebe probemos probéis prueben | probaré probaba probara probando probado | prueba pruebe probemos probad prueben
volar | vuelo vuelas vuela volamos voláis vuelan | volé volaste voló volamos volasteis volaron | vuele vueles vuele volemos voléis vuelen | volaré volaba volara volando volado | vuela vuele volemos volad vuelen
soñar | sueño sueñas sueña soñamos soñáis sueñan | soñé soñaste soñó soñamos soñasteis soñaron | sueñe sueñes sueñe soñemos soñéis sueñen | soñaré soñaba soñara soñando soñado | sueña sueñe soñemos soñad sueñen
jugar | juego juegas juega jugamos jugáis juegan | jugué jugaste jugó jugamos jugasteis jugaron | juegue juegues juegue juguemos juguéis jueguen | jugaré jugaba jugara jugando jugado | juega juegue juguemos jugad jueguen
colgar | cuelgo cuelgas cuelga colgamos colgáis cuelgan | colgué colgaste colgó colgamos colgasteis colgaron | cuelgue cuelgues cuelgue colguemos colguéis cuelguen | colgaré colgaba colgara colgando colgado | cuelga cuelgue colguemos colgad cuelguen
rogar | ruego ruegas ruega rogamos rogáis ruegan | rogué rogaste rogó rogamos rogasteis rogaron | ruegue ruegues ruegue roguemos roguéis rueguen | rogaré rogaba rogara rogando rogado | ruega ruegue roguemos rogad rueguen
forzar | fuerzo fuerzas fuerza forzamos forzáis fuerzan | forcé forzaste forzó forzamos forzasteis forzaron | fuerce fuerces fuerce forcemos forcéis fuercen | forzaré forzaba forzara forzando forzado | fuerza fuerce forcemos forzad fuercen
avergonzar | avergüenzo avergüenzas avergüenza avergonzamos avergonzáis avergüenzan | avergoncé avergonzaste avergonzó avergonzamos avergonzasteis avergonzaron | avergüence avergüences avergüence avergoncemos avergoncéis avergüencen | avergonzaré avergonzaba avergonzara avergonzando avergonzado | avergüenza avergüence avergoncemos avergonzad avergüencen
degollar | degüello degüellas degüella degollamos degolláis degüellan | degollé degollaste degolló degollamos degollasteis degollaron | degüelle degüelles degüelle degollemos degolléis degüellen | degollaré degollaba degollara degollando degollado | degüella degüelle degollemos degollad degüellen
enviar | envío envías envía enviamos enviáis envían | envié enviaste envió enviamos enviasteis enviaron | envíe envíes envíe enviemos enviéis envíen | enviaré enviaba enviara enviando enviado | envía envíe enviemos enviad envíen
confiar | confío confías confía confiamos confiáis confían | confié confiaste confió confiamos confiasteis confiaron | confíe confíes confíe confiemos confiéis confíen | confiaré confiaba confiara confiando confiado | confía confíe confiemos confiad confíen
vaciar | vacío vacías vacía vaciamos vaciáis vacían | vacié vaciaste vació vaciamos vaciasteis vaciaron | vacíe vacíes vacíe vaciemos vaciéis vacíen | vaciaré vaciaba vaciara vaciando vaciado | vacía vacíe vaciemos vaciad vacíen
aislar | aíslo aíslas aísla aislamos aisláis aíslan | aislé aislaste aisló aislamos aislasteis aislaron | aísle aísles aísle aislemos aisléis aíslen | aislaré aislaba aislara aislando aislado | aísla aísle aislemos aislad aíslen
continuar | continúo continúas continúa continuamos continuáis continúan | continué continuaste continuó continuamos continuasteis continuaron | continúe continúes continúe continuemos continuéis continúen | continuaré continuaba continuara continuando continuado | continúa continúe continuemos continuad continúen
actuar | actúo actúas actúa actuamos actuáis actúan | actué actuaste actuó actuamos actuasteis actuaron | actúe actúes actúe actuemos actuéis actúen | actuaré actuaba actuara actuando actuado | actúa actúe actuemos actuad actúen
rehusar | rehúso rehúsas rehúsa rehusamos rehusáis rehúsan | rehusé rehusaste rehusó rehusamos rehusasteis rehusaron | rehúse rehúses rehúse rehusemos rehuséis rehúsen | rehusaré rehusaba rehusara rehusando rehusado | rehúsa rehúse rehusemos rehusad rehúsen
averiguar | averiguo averiguas averigua averiguamos averiguáis averiguan | averigüé averiguaste averiguó averiguamos averiguasteis averiguaron | averigüe averigües averigüe averigüemos averigüéis averigüen | averiguaré averiguaba averiguara averiguando averiguado | averigua averigüe averigüemos averiguad averigüen
dar | doy das da damos dais dan | di diste dio dimos disteis dieron | dé des dé demos deis den | daré daba diera dando dado | da dé demos dad den
estar | estoy estás está estamos estáis están | estuve estuviste estuvo estuvimos estuvisteis estuvieron | esté estés esté estemos estéis estén | estaré estaba estuviera estando estado | está esté estemos estad estén
andar | ando andas anda andamos andáis andan | anduve anduviste anduvo anduvimos anduvisteis anduvieron | ande andes ande andemos andéis anden | andaré andaba anduviera andando andado | anda ande andemos andad anden
comer | como comes come comemos coméis comen | comí comiste comió comimos comisteis comieron | coma comas coma comamos comáis coman | comeré comía comiera comiendo comido | come coma comamos comed coman
beber | bebo bebes bebe bebemos bebéis beben | bebí bebiste bebió bebimos bebisteis bebieron | beba bebas beba bebamos bebáis beban | beberé bebía bebiera bebiendo bebido | bebe beba bebamos bebed beban
aprender | aprendo aprendes aprende aprendemos aprendéis aprenden | aprendí aprendiste aprendió aprendimos aprendisteis aprendieron | aprenda aprendas aprenda aprendamos aprendáis aprendan | aprenderé aprendía aprendiera aprendiendo aprendido | aprende aprenda aprendamos aprended aprendan
vender | vendo vendes vende vendemos vendéis venden | vendí vendiste vendió vendimos vendisteis vendieron | venda vendas venda vendamos vendáis vendan | venderé vendía vendiera vendiendo vendido | vende venda vendamos vended vendan
correr | corro corres corre corremos corréis corren | corrí corriste corrió corrimos corristeis corrieron | corra corras corra corramos corráis corran | correré corría corriera corriendo corrido | corre corra corramos corred corran
leer | leo lees lee leemos leéis leen | leí leíste leyó leímos leísteis leyeron | lea leas lea leamos leáis lean | leeré leía leyera leyendo leído | lee lea leamos leed lean
creer | creo crees cree creemos creéis creen | creí creíste creyó creímos creísteis creyeron | crea creas crea creamos creáis crean | creeré creía creyera creyendo creído | cree crea creamos creed crean
poseer | poseo posees posee poseemos poseéis poseen | poseí poseíste poseyó poseímos poseísteis poseyeron | posea poseas posea poseamos poseáis posean | poseeré poseía poseyera poseyendo poseído | posee posea poseamos poseed posean
coger | cojo coges coge cogemos cogéis cogen | cogí cogiste cogió cogimos cogisteis cogieron | coja cojas coja cojamos cojáis cojan | cogeré cogía cogiera cogiendo cogido | coge coja cojamos coged cojan
proteger | protejo proteges protege protegemos protegéis protegen | protegí protegiste protegió protegimos protegisteis protegieron | proteja protejas proteja protejamos protejáis protejan | protegeré protegía protegiera protegiendo protegido | protege proteja protejamos proteged protejan
conocer | conozco conoces conoce conocemos conocéis conocen | conocí conociste conoció conocimos conocisteis conocieron | conozca conozcas conozca conozcamos conozcáis conozcan | conoceré conocía conociera conociendo conocido | conoce conozca conozcamos conoced conozcan
parecer | parezco pareces parece parecemos parecéis parecen | parecí pareciste pareció parecimos parecisteis parecieron | parezca parezcas parezca parezcamos parezcáis parezcan | pareceré parecía pareciera pareciendo parecido | parece parezca parezcamos pareced parezcan
nacer | nazco naces nace nacemos nacéis nacen | nací naciste nació nacimos nacisteis nacieron | nazca nazcas nazca nazcamos nazcáis nazcan | naceré nacía naciera naciendo nacido | nace nazca nazcamos naced nazcan
ofrecer | ofrezco ofreces ofrece ofrecemos ofrecéis ofrecen | ofrecí ofreciste ofreció ofrecimos ofrecisteis ofrecieron | ofrezca ofrezcas ofrezca ofrezcamos ofrezcáis ofrezcan | ofreceré ofrecía ofreciera ofreciendo ofrecido | ofrece ofrezca ofrezcamos ofreced ofrezcan
vencer | venzo vences vence vencemos vencéis vencen | vencí venciste venció vencimos vencisteis vencieron | venza venzas venza venzamos venzáis venzan | venceré vencía venciera venciendo vencido | vence venza venzamos venced venzan
torcer | tuerzo tuerces tuerce torcemos torcéis tuercen | torcí torciste torció torcimos torcisteis torcieron | tuerza tuerzas tuerza torzamos torzáis tuerzan | torceré torcía torciera torciendo torcido | tuerce tuerza torzamos torced tuerzan
cocer | cuezo cueces cuece cocemos cocéis cuecen | cocí cociste coció cocimos cocisteis cocieron | cueza cuezas cueza cozamos cozáis cuezan | coceré cocía cociera cociendo cocido | cuece cueza cozamos coced cuezan
mecer | mezo meces mece mecemos mecéis mecen | mecí meciste meció mecimos mecisteis mecieron | meza mezas meza mezamos mezáis mezan | meceré mecía meciera meciendo mecido | mece meza mezamos meced mezan
mover | muevo mueves mueve movemos movéis mueven | moví moviste movió movimos movisteis movieron | mueva muevas mueva movamos mováis muevan | moveré movía moviera moviendo movido | mueve mueva movamos moved muevan
volver | vuelvo vuelves vuelve volvemos volvéis vuelven | volví volviste volvió volvimos volvisteis volvieron | vuelva vuelvas vuelva volvamos volváis vuelvan | volveré volvía volviera volviendo vuelto | vuelve vuelva volvamos volved vuelvan
resolver | resuelvo resuelves resuelve resolvemos resolvéis resuelven | resolví resolviste resolvió resolvimos resolvisteis resolvieron | resuelva resuelvas resuelva resolvamos resolváis resuelvan | resolveré resolvía resolviera resolviendo resuelto | resuelve resuelva resolvamos resolved resuelvan
oler | huelo hueles huele olemos oléis huelen | olí oliste olió olimos olisteis olieron | huela huelas huela olamos oláis huelan | oleré olía oliera oliendo olido | huele huela olamos oled huelan
perder | pierdo pierdes pierde perdemos perdéis pierden | perdí perdiste perdió perdimos perdisteis perdieron | pierda pierdas pierda perdamos perdáis pierdan | perderé perdía perdiera perdiendo perdido | pierde pierda perdamos perded pierdan
entender | entiendo entiendes entiende entendemos entendéis entienden | entendí entendiste entendió entendimos entendisteis entendieron | entienda entiendas entienda entendamos entendáis entiendan | entenderé entendía entendiera entendiendo entendido | entiende entienda entendamos entended entiendan
encender | enciendo enciendes enciende encendemos encendéis encienden | encendí encendiste encendió encendimos encendisteis encendieron | encienda enciendas encienda encendamos encendáis enciendan | encenderé encendía encendiera encendiendo encendido | enciende encienda encendamos encended enciendan
querer | quiero quieres quiere queremos queréis quieren | quise quisiste quiso quisimos quisisteis quisieron | quiera quieras quiera queramos queráis quieran | querré quería quisiera queriendo querido | quiere quiera queramos quered quieran
poder | puedo puedes puede podemos podéis pueden | pude pudiste pudo pudimos pudisteis pudieron | pueda puedas pueda podamos podáis puedan | podré podía pudiera pudiendo podido | puede pueda podamos poded puedan
tener | tengo tienes tiene tenemos tenéis tienen | tuve tuviste tuvo tuvimos tuvisteis tuvieron | tenga tengas tenga tengamos tengáis tengan | tendré tenía tuviera teniendo tenido | ten tenga tengamos tened tengan
mantener | mantengo mantienes mantiene mantenemos mantenéis mantienen | mantuve mantuviste mantuvo mantuvimos mantuvisteis mantuvieron | mantenga mantengas mantenga mantengamos mantengáis mantengan | mantendré mantenía mantuviera manteniendo mantenido | mantén mantenga mantengamos mantened mantengan
poner | pongo pones pone ponemos ponéis ponen | puse pusiste puso pusimos pusisteis pusieron | ponga pongas ponga pongamos pongáis pongan | pondré ponía pusiera poniendo puesto | pon ponga pongamos poned pongan
proponer | propongo propones propone proponemos proponéis proponen | propuse propusiste propuso propusimos propusisteis propusieron | proponga propongas proponga propongamos propongáis propongan | propondré proponía propusiera proponiendo propuesto | propón proponga propongamos proponed propongan
hacer | hago haces hace hacemos hacéis hacen | hice hiciste hizo hicimos hicisteis hicieron | haga hagas haga hagamos hagáis hagan | haré hacía hiciera haciendo hecho | haz haga hagamos haced hagan
deshacer | deshago deshaces deshace deshacemos deshacéis deshacen | deshice deshiciste deshizo deshicimos deshicisteis deshicieron | deshaga deshagas deshaga deshagamos deshagáis deshagan | desharé deshacía deshiciera deshaciendo deshecho | deshaz deshaga deshagamos deshaced deshagan
satisfacer | satisfago satisfaces satisface satisfacemos satisfacéis satisfacen | satisfice satisficiste satisfizo satisficimos satisficisteis satisficieron | satisfaga satisfagas satisfaga satisfagamos satisfagáis satisfagan | satisfaré satisfacía satisficiera satisfaciendo satisfecho | satisfaz satisfaga satisfagamos satisfaced satisfagan
saber | sé sabes sabe sabemos sabéis saben | supe supiste supo supimos supisteis supieron | sepa sepas sepa sepamos sepáis sepan | sabré sabía supiera sabiendo sabido | sabe sepa sepamos sabed sepan
caber | quepo cabes cabe cabemos cabéis caben | cupe cupiste cupo cupimos cupisteis cupieron | quepa quepas quepa quepamos quepáis quepan | cabré cabía cupiera cabiendo cabido | cabe quepa quepamos cabed quepan
haber | he has ha hemos habéis han | hube hubiste hubo hubimos hubisteis hubieron | haya hayas haya hayamos hayáis hayan | habré había hubiera habiendo habido | he haya hayamos habed hayan
ser | soy eres es somos sois son | fui fuiste fue fuimos fuisteis fueron | sea seas sea seamos seáis sean | seré era fuera siendo sido | sé sea seamos sed sean
ver | veo ves ve vemos veis ven | vi viste vio vimos visteis vieron | vea veas vea veamos veáis vean | veré veía viera viendo visto | ve vea veamos ved vean
prever | preveo prevés prevé prevemos prevéis prevén | preví previste previó previmos previsteis previeron | prevea preveas prevea preveamos preveáis prevean | preveré preveía previera previendo previsto | prevé prevea preveamos preved prevean
traer | traigo traes trae traemos traéis traen | traje trajiste trajo trajimos trajisteis trajeron | traiga traigas traiga traigamos traigáis traigan | traeré traía trajera trayendo traído | trae traiga traigamos traed traigan
atraer | atraigo atraes atrae atraemos atraéis atraen | atraje atrajiste atrajo atrajimos atrajisteis atrajeron | atraiga atraigas atraiga atraigamos atraigáis atraigan | atraeré atraía atrajera atrayendo atraído | atrae atraiga atraigamos atraed atraigan
caer | caigo caes cae caemos caéis caen | caí caíste cayó caímos caísteis cayeron | caiga caigas caiga caigamos caigáis caigan | caeré caía cayera cayendo caído | cae caiga caigamos caed caigan
valer | valgo vales vale valemos valéis valen | valí valiste valió valimos valisteis valieron | valga valgas valga valgamos valgáis valgan | valdré valía valiera valiendo valido | vale valga valgamos valed valgan
romper | rompo rompes rompe rompemos rompéis rompen | rompí rompiste rompió rompimos rompisteis rompieron | rompa rompas rompa rompamos rompáis rompan | romperé rompía rompiera rompiendo roto | rompe rompa rompamos romped rompan
vivir | vivo vives vive vivimos vivís viven | viví viviste vivió vivimos vivisteis vivieron | viva vivas viva vivamos viváis vivan | viviré vivía viviera viviendo vivido | vive viva vivamos vivid vivan
subir | subo subes sube subimos subís suben | subí subiste subió subimos subisteis subieron | suba subas suba subamos subáis suban | subiré subía subiera subiendo subido | sube suba subamos subid suban
recibir | recibo recibes recibe recibimos recibís reciben | recibí recibiste recibió recibimos recibisteis recibieron | reciba recibas reciba recibamos recibáis reciban | recibiré recibía recibiera recibiendo recibido | recibe reciba recibamos recibid reciban
escribir | escribo escribes escribe escribimos escribís escriben | escribí escribiste escribió escribimos escribisteis escribieron | escriba escribas escriba escribamos escribáis escriban | escribiré escribía escribiera escribiendo escrito | escribe escriba escribamos escribid escriban
abrir | abro abres abre abrimos abrís abren | abrí abriste abrió abrimos abristeis abrieron | abra abras abra abramos abráis abran | abriré abría abriera abriendo abierto | abre abra abramos abrid abran
descubrir | descubro descubres descubre descubrimos descubrís descubren | descubrí descubriste descubrió descubrimos descubristeis descubrieron | descubra descubras descubra descubramos descubráis descubran | descubriré descubría descubriera descubriendo descubierto | descubre descubra descubramos descubrid descubran
pedir | pido pides pide pedimos pedís piden | pedí pediste pidió pedimos pedisteis pidieron | pida pidas pida pidamos pidáis pidan | pediré pedía pidiera pidiendo pedido | pide pida pidamos pedid pidan
servir | sirvo sirves sirve servimos servís sirven | serví serviste sirvió servimos servisteis sirvieron | sirva sirvas sirva sirvamos sirváis sirvan | serviré servía sirviera sirviendo servido | sirve sirva sirvamos servid sirvan
repetir | repito repites repite repetimos repetís repiten | repetí repetiste repitió repetimos repetisteis repitieron | repita repitas repita repitamos repitáis repitan | repetiré repetía repitiera repitiendo repetido | repite repita repitamos repetid repitan
seguir | sigo sigues sigue seguimos seguís siguen | seguí seguiste siguió seguimos seguisteis siguieron | siga sigas siga sigamos sigáis sigan | seguiré seguía siguiera siguiendo seguido | sigue siga sigamos seguid sigan
conseguir | consigo consigues consigue conseguimos conseguís consiguen | conseguí conseguiste consiguió conseguimos conseguisteis consiguieron | consiga consigas consiga consigamos consigáis consigan | conseguiré conseguía consiguiera consiguiendo conseguido | consigue consiga consigamos conseguid consigan
elegir | elijo eliges elige elegimos elegís eligen | elegí elegiste eligió elegimos elegisteis eligieron | elija elijas elija elijamos elijáis elijan | elegiré elegía eligiera eligiendo elegido | elige elija elijamos elegid elijan
corregir | corrijo corriges corrige corregimos corregís corrigen | corregí corregiste corrigió corregimos corregisteis corrigieron | corrija corrijas corrija corrijamos corrijáis corrijan | corregiré corregía corrigiera corrigiendo corregido | corrige corrija corrijamos corregid corrijan
vestir | visto vistes viste vestimos vestís visten | vestí vestiste vistió vestimos vestisteis vistieron | vista vistas vista vistamos vistáis vistan | vestiré vestía vistiera vistiendo vestido | viste vista vistamos vestid vistan
medir | mido mides mide medimos medís miden | medí mediste midió medimos medisteis midieron | mida midas mida midamos midáis midan | mediré medía midiera midiendo medido | mide mida midamos medid midan
reír | río ríes ríe reímos reís ríen | reí reíste rio reímos reísteis rieron | ría rías ría riamos riais rían | reiré reía riera riendo reído | ríe ría riamos reíd rían
sonreír | sonrío sonríes sonríe sonreímos sonreís sonríen | sonreí sonreíste sonrió sonreímos sonreísteis sonrieron | sonría sonrías sonría sonriamos sonriáis sonrían | sonreiré sonreía sonriera sonriendo sonreído | sonríe sonría sonriamos sonreíd sonrían
freír | frío fríes fríe freímos freís fríen | freí freíste frio freímos freísteis frieron | fría frías fría friamos friais frían | freiré freía friera friendo freído | fríe fría friamos freíd frían
reñir | riño riñes riñe reñimos reñís riñen | reñí reñiste riñó reñimos reñisteis riñeron | riña riñas riña riñamos riñáis riñan | reñiré reñía riñera riñendo reñido | riñe riña riñamos reñid riñan
teñir | tiño tiñes tiñe teñimos teñís tiñen | teñí teñiste tiñó teñimos teñisteis tiñeron | tiña tiñas tiña tiñamos tiñáis tiñan | teñiré teñía tiñera tiñendo teñido | tiñe tiña tiñamos teñid tiñan
dormir | duermo duermes duerme dormimos dormís duermen | dormí dormiste durmió dormimos dormisteis durmieron | duerma duermas duerma durmamos durmáis duerman | dormiré dormía durmiera durmiendo dormido | duerme duerma durmamos dormid duerman
morir | muero mueres muere morimos morís mueren | morí moriste murió morimos moristeis murieron | muera mueras muera muramos muráis mueran | moriré moría muriera muriendo muerto | muere muera muramos morid mueran
sentir | siento sientes siente sentimos sentís sienten | sentí sentiste sintió sentimos sentisteis sintieron | sienta sientas sienta sintamos sintáis sientan | sentiré sentía sintiera sintiendo sentido | siente sienta sintamos sentid sientan
mentir | miento mientes miente mentimos mentís mienten | mentí mentiste mintió mentimos mentisteis mintieron | mienta mientas mienta mintamos mintáis mientan | mentiré mentía mintiera mintiendo mentido | miente mienta mintamos mentid mientan
preferir | prefiero prefieres prefiere preferimos preferís prefieren | preferí preferiste prefirió preferimos preferisteis prefirieron | prefiera prefieras prefiera prefiramos prefiráis prefieran | preferiré prefería prefiriera prefiriendo preferido | prefiere prefiera prefiramos preferid prefieran
divertir | divierto diviertes divierte divertimos divertís divierten | divertí divertiste divirtió divertimos divertisteis divirtieron | divierta diviertas divierta divirtamos divirtáis diviertan | divertiré divertía divirtiera divirtiendo divertido | divierte divierta divirtamos divertid diviertan
hervir | hiervo hierves hierve hervimos hervís hierven | herví herviste hirvió hervimos hervisteis hirvieron | hierva hiervas hierva hirvamos hirváis hiervan | herviré hervía hirviera hirviendo hervido | hierve hierva hirvamos hervid hiervan
adquirir | adquiero adquieres adquiere adquirimos adquirís adquieren | adquirí adquiriste adquirió adquirimos adquiristeis adquirieron | adquiera adquieras adquiera adquiramos adquiráis adquieran | adquiriré adquiría adquiriera adquiriendo adquirido | adquiere adquiera adquiramos adquirid adquieran
discernir | discierno disciernes discierne discernimos discernís disciernen | discerní discerniste discernió discernimos discernisteis discernieron | discierna disciernas discierna discernamos discernáis disciernan | discerniré discernía discerniera discerniendo discernido | discierne discierna discernamos discernid disciernan
construir | construyo construyes construye construimos construís construyen | construí construiste construyó construimos construisteis construyeron | construya construyas construya construyamos construyáis construyan | construiré construía construyera construyendo construido | construye construya construyamos construid construyan
incluir | incluyo incluyes incluye incluimos incluís incluyen | incluí incluiste incluyó incluimos incluisteis incluyeron | incluya incluyas incluya incluyamos incluyáis incluyan | incluiré incluía incluyera incluyendo incluido | incluye incluya incluyamos incluid incluyan
argüir | arguyo arguyes arguye argüimos argüís arguyen | argüí argüiste arguyó argüimos argüisteis arguyeron | arguya arguyas arguya arguyamos arguyáis arguyan | argüiré argüía arguyera arguyendo argüido | arguye arguya arguyamos argüid arguyan
distinguir | distingo distingues distingue distinguimos distinguís distinguen | distinguí distinguiste distinguió distinguimos distinguisteis distinguieron | distinga distingas distinga distingamos distingáis distingan | distinguiré distinguía distinguiera distinguiendo distinguido | distingue distinga distingamos distinguid distingan
dirigir | dirijo diriges dirige dirigimos dirigís dirigen | dirigí dirigiste dirigió dirigimos dirigisteis dirigieron | dirija dirijas dirija dirijamos dirijáis dirijan | dirigiré dirigía dirigiera dirigiendo dirigido | dirige dirija dirijamos dirigid dirijan
delinquir | delinco delinques delinque delinquimos delinquís delinquen | delinquí delinquiste delinquió delinquimos delinquisteis delinquieron | delinca delincas delinca delincamos delincáis delincan | delinquiré delinquía delinquiera delinquiendo delinquido | delinque delinca delincamos delinquid delincan
zurcir | zurzo zurces zurce zurcimos zurcís zurcen | zurcí zurciste zurció zurcimos zurcisteis zurcieron | zurza zurzas zurza zurzamos zurzáis zurzan | zurciré zurcía zurciera zurciendo zurcido | zurce zurza zurzamos zurcid zurzan
bullir | bullo bulles bulle bullimos bullís bullen | bullí bulliste bulló bullimos bullisteis bulleron | bulla bullas bulla bullamos bulláis bullan | bulliré bullía bullera bullendo bullido | bulle bulla bullamos bullid bullan
gruñir | gruño gruñes gruñe gruñimos gruñís gruñen | gruñí gruñiste gruñó gruñimos gruñisteis gruñeron | gruña gruñas gruña gruñamos gruñáis gruñan | gruñiré gruñía gruñera gruñendo gruñido | gruñe gruña gruñamos gruñid gruñan
prohibir | prohíbo prohíbes prohíbe prohibimos prohibís prohíben | prohibí prohibiste prohibió prohibimos prohibisteis prohibieron | prohíba prohíbas prohíba prohibamos prohibáis prohíban | prohibiré prohibía prohibiera prohibiendo prohibido | prohíbe prohíba prohibamos prohibid prohíban
reunir | reúno reúnes reúne reunimos reunís reúnen | reuní reuniste reunió reunimos reunisteis reunieron | reúna reúnas reúna reunamos reunáis reúnan | reuniré reunía reuniera reuniendo reunido | reúne reúna reunamos reunid reúnan
oír | oigo oyes oye oímos oís oyen | oí oíste oyó oímos oísteis oyeron | oiga oigas oiga oigamos oigáis oigan | oiré oía oyera oyendo oído | oye oiga oigamos oíd oigan
salir | salgo sales sale salimos salís salen | salí saliste salió salimos salisteis salieron | salga salgas salga salgamos salgáis salgan | saldré salía saliera saliendo salido | sal salga salgamos salid salgan
venir | vengo vienes viene venimos venís vienen | vine viniste vino vinimos vinisteis vinieron | venga vengas venga vengamos vengáis vengan | vendré venía viniera viniendo venido | ven venga vengamos venid vengan
convenir | convengo convienes conviene convenimos convenís convienen | convine conviniste convino convinimos convinisteis convinieron | convenga convengas convenga convengamos convengáis convengan | convendré convenía conviniera conviniendo convenido | convén convenga convengamos convenid convengan
ir | voy vas va vamos vais van | fui fuiste fue fuimos fuisteis fueron | vaya vayas vaya vayamos vayáis vayan | iré iba fuera yendo ido | ve vaya vayamos id vayan
decir | digo dices dice decimos decís dicen | dije dijiste dijo dijimos dijisteis dijeron | diga digas diga digamos digáis digan | diré decía dijera diciendo dicho | di diga digamos decid digan
bendecir | bendigo bendices bendice bendecimos bendecís bendicen | bendije bendijiste bendijo bendijimos bendijisteis bendijeron | bendiga bendigas bendiga bendigamos bendigáis bendigan | bendeciré bendecía bendijera bendiciendo bendecido | bendice bendiga bendigamos bendecid bendigan
conducir | conduzco conduces conduce conducimos conducís conducen | conduje condujiste condujo condujimos condujisteis condujeron | conduzca conduzcas conduzca conduzcamos conduzcáis conduzcan | conduciré conducía condujera conduciendo conducido | conduce conduzca conduzcamos conducid conduzcan
traducir | traduzco traduces traduce traducimos traducís traducen | traduje tradujiste tradujo tradujimos tradujisteis tradujeron | traduzca traduzcas traduzca traduzcamos traduzcáis traduzcan | traduciré traducía tradujera traduciendo traducido | traduce traduzca traduzcamos traducid traduzcan
asir | asgo ases ase asimos asís asen | así asiste asió asimos asisteis asieron | asga asgas asga asgamos asgáis asgan | asiré asía asiera asiendo asido | ase asga asgamos asid asgan
erguir | yergo yergues yergue erguimos erguís yerguen | erguí erguiste irguió erguimos erguisteis irguieron | yerga yergas yerga irgamos irgáis yergan | erguiré erguía irguiera irguiendo erguido | yergue yerga irgamos erguid yergan
"""

COMMON_ROWS = [line.split(" | ") for line in COMMON.strip().splitlines()]


def test_common_table_is_large():
    assert len(COMMON_ROWS) >= 100
    assert len({row[0] for row in COMMON_ROWS}) == len(COMMON_ROWS)


@pytest.mark.parametrize("row", COMMON_ROWS, ids=[row[0] for row in COMMON_ROWS])
def test_common_verb(row):
    lemma, present, preterite, subjunctive, single, imperative = row
    t = es(lemma)
    assert t.present == present.split()
    assert t.preterite == preterite.split()
    assert t.subjunctive_present == subjunctive.split()
    assert [t.future[0], t.imperfect[0], t.subjunctive_imperfect[0], t.gerund, t.past_participle] == single.split()
    assert t.imperative == imperative.split()


# ---------------------------------------------------------------- built-in lexicons

def data_rows(name):
    with open(os.path.join(DATA, name), encoding="utf-8") as f:
        lines = f.read().split("\n")
    header = [line for line in lines if line.startswith("#")]
    rows = [line.split("\t") for line in lines if line and not line.startswith("#")]
    return header, rows


IRREGULAR_LEMMAS = (
    "ser estar ir haber tener venir poner poder querer saber caber dar ver hacer decir bendecir maldecir traer "
    "caer oír salir valer andar ducir satisfacer yacer asir reír erguir prever entrever facer leír rever antever "
    "trasver desandar desasir desosar raer condecir contradecir desdecir entredecir predecir redecir"
).split()


def test_irregular_lexicon_shape():
    header, rows = data_rows("spa_irregular.tsv")
    assert len(header) == 12
    assert header[0] == "# Spanish irregular lexicon. One row per base; prefixed derivatives"
    assert [r[0] for r in rows] == IRREGULAR_LEMMAS
    assert all(len(r) == 15 for r in rows)
    for r in rows:
        assert all(cell and cell == cell.strip() for cell in r), r[0]
        assert "-" not in r[1:8] and r[10] != "-", r[0]
        for col in (11, 14):
            assert r[col] == "-" or len(r[col].split(",")) == 6, r[0]
        assert "," not in r[7] or len(r[7].split(",")) == 6, r[0]
    given = lambda col: sum(r[col] != "-" for r in rows)
    assert (given(8), given(9), given(11), given(12), given(14)) == (22, 14, 8, 22, 15)
    assert [r[0] for r in rows if "," in r[7]] == "estar poder querer dar reír erguir leír desosar".split()
    by = {r[0]: r for r in rows}
    assert by["ser"][1:] == ["soy", "eres", "es", "somos", "sois", "son", "se", "-", "-", "sido",
                             "era,eras,era,éramos,erais,eran", "siendo", "sé", "fui,fuiste,fue,fuimos,fuisteis,fueron"]
    assert by["tener"][1:] == ["tengo", "tienes", "tiene", "tenemos", "tenéis", "tienen", "teng", "tuve", "tendr",
                               "tenido", "-", "-", "ten", "-"]
    assert by["ducir"][1:] == ["duzco", "duces", "duce", "ducimos", "ducís", "ducen", "duzc", "duje", "-", "ducido",
                               "-", "-", "duce", "-"]
    assert by["haber"][1:] == ["he", "has", "ha", "hemos", "habéis", "han", "hay", "hube", "habr", "habido", "-", "-",
                               "he", "-"]


@pytest.mark.parametrize("row", data_rows("spa_irregular.tsv")[1], ids=IRREGULAR_LEMMAS)
def test_irregular_row_reaches_the_table(row):
    lemma = row[0]
    t = es(lemma)
    assert t.present == row[1:7]
    assert t.past_participle == row[10]
    if "," in row[7]:
        assert t.subjunctive_present == row[7].split(",")
    else:
        assert all(form.startswith(row[7]) for form in t.subjunctive_present)
    if row[8] != "-":
        assert t.preterite[0] == row[8]
    if row[9] != "-":
        assert t.future[0] == row[9] + "é" and t.conditional[5] == row[9] + "ían"
    if row[11] != "-":
        assert t.imperfect == row[11].split(",")
    if row[12] != "-":
        assert t.gerund == row[12]
    if row[13] != "-":
        assert t.imperative[0] == row[13]
    if row[14] != "-":
        assert t.preterite == row[14].split(",")


STEM_CLASS_COUNTS = {"ie": 218, "ue": 139, "acc-i": 102, "ei": 61, "acc-u": 53, "ien": 5}


def test_stem_class_list_shape():
    header, rows = data_rows("spa_stem_classes.tsv")
    assert len(header) == 6 and header[0].startswith("# Spanish stem-changing classes")
    assert all(len(r) == 2 for r in rows)
    lemmas = [r[0] for r in rows]
    assert len(set(lemmas)) == len(lemmas)
    assert lemmas[-4:] == ["regimentar", "repatriar", "errar", "desvergonzar"]
    counts = {}
    for _, cls in rows:
        counts[cls] = counts.get(cls, 0) + 1
    assert set(counts) == set(STEM_CLASS_COUNTS)
    assert all(counts[c] <= STEM_CLASS_COUNTS[c] for c in counts)
    assert sorted(r[0] for r in rows if r[1] == "ien") == ["cernir", "concernir", "discernir", "hender", "hendir"]
    irregular = set(IRREGULAR_LEMMAS)
    # Lemmas the irregular lexicon serves are listed only where they are named (tener, obtener).
    assert [lemma for lemma in lemmas if lemma in irregular] == ["tener"]


def _stem(lemma):
    return lemma[:-3] if lemma.endswith("ír") else lemma[:-2]


@pytest.mark.parametrize("row", data_rows("spa_stem_classes.tsv")[1], ids=lambda r: r[0])
def test_stem_class_row_shows_its_class(row):
    lemma, cls = row
    if lemma in ("tener", "obtener"):
        return  # the irregular row wins
    t = es(lemma)
    stem = _stem(lemma)
    yo, nosotros, third = t.present[0], t.present[3], t.preterite[2]
    # The unstressed forms keep the infinitive's stem.
    assert t.imperfect[0].startswith(stem[:-1]), lemma
    if cls in ("ie", "ien"):
        assert "ie" in yo or yo.startswith("ye"), lemma
        assert "ie" not in nosotros.replace(stem, ""), lemma
    elif cls == "ue":
        assert "ue" in yo or "üe" in yo, lemma
    elif cls == "ei":
        assert yo.count("e") < stem.count("e"), lemma
    elif cls == "acc-i":
        assert "í" in yo and "í" not in nosotros, lemma
    elif cls == "acc-u":
        assert "ú" in yo and "ú" not in nosotros, lemma
    if lemma.endswith("ir") and cls in ("ie", "ue", "ei") and not lemma.endswith("quirir"):
        raised = "u" if cls == "ue" else "i"
        assert t.gerund[: len(stem)] != stem and raised in t.gerund, lemma
    if cls == "ien" and lemma.endswith("ir"):
        assert third == stem + "ió", lemma


# ---------------------------------------------------------------- analysis and failures

@pytest.mark.parametrize("word", ["", "   ", "echar de menos", "hab'lar", "ar", "er", "ír", "brrar", "irse se"])
def test_not_an_infinitive(word):
    assert error_of(word) == "not a Spanish infinitive"


@pytest.mark.parametrize("word", ["a", "hablo", "estoy", "base", "x", "libro"])
def test_not_a_supported_verb(word):
    assert error_of(word) == "not a supported Spanish verb"


@pytest.mark.parametrize("word, infinitive", [
    ("HABLAR", "hablar"), ("  Lavarse\t", "lavarse"), ("ir", "ir"), ("irse", "irse"), ("Reírse", "reírse"),
    ("\u00a0comer\u2003", "comer"),
])
def test_accepted_spellings(word, infinitive):
    assert es(word).infinitive == infinitive


@pytest.mark.parametrize("word, infinitive, present0", [
    ("rei\u0301r", "reír", "río"), ("REI\u0301RSE", "reírse", "me río"),
    ("oi\u0301r", "oír", "oigo"), ("argu\u0308ir", "argüir", "arguyo"), ("an\u0303adir", "añadir", "añado"),
    ("sonrei\u0301r", "sonreír", "sonrío"), ("ban\u0303arse", "bañarse", "me baño"),
])
def test_combining_accents_are_joined_to_their_letter(word, infinitive, present0):
    t = es(word)
    assert (t.infinitive, t.present[0]) == (infinitive, present0)


def test_words_ending_in_se_that_are_not_reflexive():
    # "ase" and "base" keep their "se": not reflexive, not infinitives.
    assert error_of("ase") == "not a supported Spanish verb"
    assert es("toserse").infinitive == "toserse"
    assert es("toserse").present[0] == "me toso"


# ---------------------------------------------------------------- worked verbs

def test_hablar_full_table():
    t = es("hablar")
    assert repr(t) == 'SpanishConjugation("hablar")'
    assert t.imperfect == "hablaba hablabas hablaba hablábamos hablabais hablaban".split()
    assert t.future == "hablaré hablarás hablará hablaremos hablaréis hablarán".split()
    assert t.conditional == "hablaría hablarías hablaría hablaríamos hablaríais hablarían".split()
    assert t.subjunctive_imperfect == "hablara hablaras hablara habláramos hablarais hablaran".split()
    assert t.subjunctive_future == "hablare hablares hablare habláremos hablareis hablaren".split()
    assert t.perfecto_compuesto == ["he hablado", "has hablado", "ha hablado", "hemos hablado", "habéis hablado",
                                    "han hablado"]
    assert t.pluscuamperfecto[0] == "había hablado"
    assert t.preterito_anterior[0] == "hube hablado"
    assert t.futuro_perfecto[4] == "habréis hablado"
    assert t.condicional_perfecto[3] == "habríamos hablado"
    assert t.subjuntivo_perfecto[5] == "hayan hablado"
    assert t.subjuntivo_pluscuamperfecto == ["hubiera hablado", "hubieras hablado", "hubiera hablado",
                                             "hubiéramos hablado", "hubierais hablado", "hubieran hablado"]


def test_lavarse():
    t = es("lavarse")
    assert repr(t) == 'SpanishConjugation("lavarse")'
    assert t.present == ["me lavo", "te lavas", "se lava", "nos lavamos", "os laváis", "se lavan"]
    assert t.future[5] == "se lavarán"
    assert t.perfecto_compuesto[0] == "me he lavado"
    assert t.subjuntivo_pluscuamperfecto[3] == "nos hubiéramos lavado"
    assert (t.gerund, t.past_participle) == ("lavando", "lavado")
    assert t.imperative == ["lávate", "lávese", "lavémonos", "lavaos", "lávense"]


@pytest.mark.parametrize("verb, imperative", [
    ("vestirse", ["vístete", "vístase", "vistámonos", "vestíos", "vístanse"]),
    ("ponerse", ["ponte", "póngase", "pongámonos", "poneos", "pónganse"]),
    ("sentarse", ["siéntate", "siéntese", "sentémonos", "sentaos", "siéntense"]),
    ("dormirse", ["duérmete", "duérmase", "durmámonos", "dormíos", "duérmanse"]),
    ("reírse", ["ríete", "ríase", "riámonos", "reíos", "ríanse"]),
    ("irse", ["vete", "váyase", "vayámonos", "idos", "váyanse"]),
    ("estarse", ["estáte", "estése", "estémonos", "estaos", "esténse"]),
    ("decirse", ["dite", "dígase", "digámonos", "decíos", "díganse"]),
])
def test_reflexive_imperatives(verb, imperative):
    assert es(verb).imperative == imperative


def test_irse_vosotros_keeps_its_d():
    # idos, not íos: the d drops before os in every verb but irse.
    assert es("irse").imperative[3] == "idos"
    assert es("ir").imperative[3] == "id"
    assert es("reírse").imperative[3] == "reíos"


def test_vestirse():
    t = es("vestirse")
    assert t.present == ["me visto", "te vistes", "se viste", "nos vestimos", "os vestís", "se visten"]
    assert t.preterite[2] == "se vistió" and t.gerund == "vistiendo"
    assert t.subjunctive_imperfect[0] == "me vistiera"


@pytest.mark.parametrize("verb, prefix", [("tener", ""), ("obtener", "ob"), ("contener", "con"), ("detener", "de")])
def test_tener_family(verb, prefix):
    t = es(verb)
    p = lambda forms: [prefix + f for f in forms.split()]
    assert t.present == p("tengo tienes tiene tenemos tenéis tienen")
    assert t.preterite == p("tuve tuviste tuvo tuvimos tuvisteis tuvieron")
    assert t.future[0] == prefix + "tendré" and t.conditional[0] == prefix + "tendría"
    assert t.subjunctive_present[0] == prefix + "tenga"
    assert t.subjunctive_imperfect[3] == prefix + "tuviéramos"
    assert t.subjunctive_future[0] == prefix + "tuviere"
    assert t.past_participle == prefix + "tenido" and t.gerund == prefix + "teniendo"
    assert t.imperative[0] == (prefix + "tén" if prefix else "ten")


def test_ser():
    t = es("ser")
    assert t.imperfect == "era eras era éramos erais eran".split()
    assert t.subjunctive_imperfect[3] == "fuéramos" and t.subjunctive_future[0] == "fuere"
    assert t.imperative == ["sé", "sea", "seamos", "sed", "sean"]
    assert t.perfecto_compuesto[0] == "he sido"


def test_ir():
    t = es("ir")
    assert t.imperfect == "iba ibas iba íbamos ibais iban".split()
    assert t.future[0] == "iré" and t.conditional[3] == "iríamos"
    assert t.subjunctive_imperfect[0] == "fuera" and t.subjunctive_future[3] == "fuéremos"
    assert t.gerund == "yendo" and t.past_participle == "ido"
    assert es("irse").present[0] == "me voy"


def test_oir():
    t = es("oír")
    assert t.preterite == "oí oíste oyó oímos oísteis oyeron".split()
    assert t.future[0] == "oiré" and t.conditional[4] == "oiríais"
    assert t.subjunctive_imperfect[0] == "oyera" and t.gerund == "oyendo"
    assert es("desoír").imperative == ["desoye", "desoiga", "desoigamos", "desoíd", "desoigan"]


def test_soler():
    t = es("soler")
    assert t.present[0] == "suelo" and t.imperfect[0] == "solía" and t.preterite[0] == "solí"
    assert t.future == ["—"] * 6 and t.conditional == ["—"] * 6 and t.subjunctive_future == ["—"] * 6
    assert t.imperative == [None] * 5
    assert t.futuro_perfecto[0] == "habré solido"
    r = es("solerse")
    assert r.future == ["—"] * 6 and r.present[0] == "me suelo" and r.imperative == [None] * 5


# ---------------------------------------------------------------- spelling and stems

@pytest.mark.parametrize("verb, attribute, slot, form", [
    ("buscar", "preterite", 0, "busqué"), ("buscar", "subjunctive_present", 0, "busque"),
    ("pagar", "preterite", 0, "pagué"), ("averiguar", "preterite", 0, "averigüé"), ("cazar", "preterite", 0, "cacé"),
    ("coger", "present", 0, "cojo"), ("coger", "subjunctive_present", 0, "coja"),
    ("seguir", "present", 0, "sigo"), ("seguir", "subjunctive_present", 0, "siga"),
    ("seguir", "preterite", 2, "siguió"), ("conocer", "present", 0, "conozco"), ("lucir", "present", 0, "luzco"),
    ("vencer", "present", 0, "venzo"), ("cocer", "present", 0, "cuezo"), ("mecer", "present", 0, "mezo"),
    ("escocer", "present", 0, "escuezo"), ("delinquir", "present", 0, "delinco"),
    ("errar", "present", 0, "yerro"), ("oler", "present", 0, "huelo"), ("jugar", "present", 0, "juego"),
    ("jugar", "subjunctive_present", 3, "juguemos"), ("pedir", "preterite", 2, "pidió"),
    ("pedir", "present", 3, "pedimos"), ("dormir", "subjunctive_present", 3, "durmamos"),
    ("dormir", "preterite", 5, "durmieron"), ("discernir", "preterite", 2, "discernió"),
    ("hender", "present", 0, "hiendo"), ("enviar", "subjunctive_present", 0, "envíe"),
    ("reunir", "present", 0, "reúno"), ("aullar", "present", 0, "aúllo"),
    ("enraizar", "subjunctive_present", 0, "enraíce"), ("tañer", "preterite", 2, "tañó"),
    ("tañer", "subjunctive_imperfect", 0, "tañera"), ("bullir", "preterite", 2, "bulló"),
    ("leer", "preterite", 2, "leyó"), ("leer", "preterite", 1, "leíste"), ("construir", "preterite", 2, "construyó"),
    ("argüir", "present", 3, "argüimos"), ("huir", "present", 0, "huyo"),
])
def test_spelling_and_stem_changes(verb, attribute, slot, form):
    assert getattr(es(verb), attribute)[slot] == form


@pytest.mark.parametrize("verb, present, preterite2, subjunctive3", [
    ("interactuar", "interactúo interactúas interactúa interactuamos interactuáis interactúan", "interactuó",
     "interactuemos"),
    ("discontinuar", "discontinúo discontinúas discontinúa discontinuamos discontinuáis discontinúan",
     "discontinuó", "discontinuemos"),
    ("reencender", "reenciendo reenciendes reenciende reencendemos reencendéis reencienden", "reencendió",
     "reencendamos"),
    ("reinvertir", "reinvierto reinviertes reinvierte reinvertimos reinvertís reinvierten", "reinvirtió",
     "reinvirtamos"),
    ("sobrecalentar", "sobrecaliento sobrecalientas sobrecalienta sobrecalentamos sobrecalentáis sobrecalientan",
     "sobrecalentó", "sobrecalentemos"),
    ("redescontar", "redescuento redescuentas redescuenta redescontamos redescontáis redescuentan", "redescontó",
     "redescontemos"),
    ("precocer", "precuezo precueces precuece precocemos precocéis precuecen", "precoció", "precozamos"),
    ("desolar", "desuelo desuelas desuela desolamos desoláis desuelan", "desoló", "desolemos"),
    ("desencontrar", "desencuentro desencuentras desencuentra desencontramos desencontráis desencuentran",
     "desencontró", "desencontremos"),
])
def test_prefixed_class_verbs_have_rows_of_their_own(verb, present, preterite2, subjunctive3):
    # Class lemmas match exactly, so these compounds need their own rows.
    t = es(verb)
    assert (t.present, t.preterite[2], t.subjunctive_present[3]) == (present.split(), preterite2, subjunctive3)


def test_raised_stem_only_for_ir_verbs():
    # pensar and jugar are -ar: their unstressed stem never changes.
    assert es("pensar").subjunctive_present[3] == "pensemos"
    assert es("jugar").preterite[2] == "jugó"
    assert es("perder").gerund == "perdiendo"
    assert es("sentir").gerund == "sintiendo" and es("adquirir").preterite[2] == "adquirió"


@pytest.mark.parametrize("verb, gerund, participle", [
    ("leer", "leyendo", "leído"), ("caer", "cayendo", "caído"), ("raer", "rayendo", "raído"),
    ("oír", "oyendo", "oído"), ("creer", "creyendo", "creído"), ("construir", "construyendo", "construido"),
    ("huir", "huyendo", "huido"), ("roer", "royendo", "roído"),
])
def test_vowel_stems(verb, gerund, participle):
    t = es(verb)
    assert (t.gerund, t.past_participle) == (gerund, participle)
    assert "y" in t.preterite[2] and "y" in t.subjunctive_imperfect[0]


@pytest.mark.parametrize("verb, participle", [
    ("abrir", "abierto"), ("cubrir", "cubierto"), ("descubrir", "descubierto"), ("escribir", "escrito"),
    ("describir", "descrito"), ("volver", "vuelto"), ("resolver", "resuelto"), ("disolver", "disuelto"),
    ("morir", "muerto"), ("romper", "roto"), ("corromper", "corrompido"), ("pudrir", "podrido"),
    ("hablar", "hablado"), ("comer", "comido"), ("leer", "leído"), ("hacer", "hecho"), ("decir", "dicho"),
    ("poner", "puesto"), ("ver", "visto"), ("obtener", "obtenido"), ("proponer", "propuesto"),
    ("satisfacer", "satisfecho"), ("deshacer", "deshecho"), ("prever", "previsto"), ("predecir", "predicho"),
])
def test_participles(verb, participle):
    t = es(verb)
    assert t.past_participle == participle
    assert t.perfecto_compuesto[0] == "he " + participle


# ---------------------------------------------------------------- prefixed verbs

@pytest.mark.parametrize("verb, present0, preterite0", [
    ("obtener", "obtengo", "obtuve"), ("conducir", "conduzco", "conduje"), ("producir", "produzco", "produje"),
    ("atraer", "atraigo", "atraje"), ("sonreír", "sonrío", "sonreí"), ("prever", "preveo", "preví"),
    ("desandar", "desando", "desanduve"), ("componer", "compongo", "compuse"), ("intervenir", "intervengo", "intervine"),
    ("rehacer", "rehago", "rehíce"), ("contradecir", "contradigo", "contradije"), ("recaer", "recaigo", "recaí"),
    ("sobresalir", "sobresalgo", "sobresalí"), ("equivaler", "equivalgo", "equivalí"), ("desoír", "desoigo", "desoí"),
])
def test_prefixed_verbs_use_the_longest_base(verb, present0, preterite0):
    t = es(verb)
    assert (t.present[0], t.preterite[0]) == (present0, preterite0)


@pytest.mark.parametrize("verb, present0, preterite0", [
    ("toser", "toso", "tosí"), ("mandar", "mando", "mandé"), ("mover", "muevo", "moví"),
    ("prestar", "presto", "presté"), ("presentar", "presento", "presenté"), ("proveer", "proveo", "proveí"),
])
def test_exact_only_bases_and_exact_classes(verb, present0, preterite0):
    t = es(verb)
    assert (t.present[0], t.preterite[0]) == (present0, preterite0)


@pytest.mark.parametrize("verb, imperative0", [
    ("proponer", "propón"), ("obtener", "obtén"), ("convenir", "convén"), ("contradecir", "contradice"),
    ("predecir", "predice"), ("deshacer", "deshaz"), ("sobresalir", "sobresal"), ("conducir", "conduce"),
])
def test_prefixed_tu_imperative(verb, imperative0):
    assert es(verb).imperative[0] == imperative0


@pytest.mark.parametrize("verb, attribute, forms", [
    # A stressed i or u after a vowel and a silent h is written with the accent.
    ("rehacer", "preterite", ["rehíce", "rehiciste", "rehízo", "rehicimos", "rehicisteis", "rehicieron"]),
    ("contrahacer", "preterite", ["contrahíce", "contrahiciste", "contrahízo", "contrahicimos", "contrahicisteis",
                                  "contrahicieron"]),
    ("deshacer", "preterite", ["deshice", "deshiciste", "deshizo", "deshicimos", "deshicisteis", "deshicieron"]),
    ("rehenchir", "present", ["rehíncho", "rehínches", "rehínche", "rehenchimos", "rehenchís", "rehínchen"]),
    ("rehenchir", "subjunctive_present", ["rehíncha", "rehínchas", "rehíncha", "rehinchamos", "rehincháis",
                                          "rehínchan"]),
    ("henchir", "present", ["hincho", "hinches", "hinche", "henchimos", "henchís", "hinchen"]),
    ("rehuir", "present", ["rehúyo", "rehúyes", "rehúye", "rehuimos", "rehuís", "rehúyen"]),
    ("rehuir", "subjunctive_present", ["rehúya", "rehúyas", "rehúya", "rehuyamos", "rehuyáis", "rehúyan"]),
    ("rehuir", "preterite", ["rehuí", "rehuiste", "rehuyó", "rehuimos", "rehuisteis", "rehuyeron"]),
    ("rehuir", "imperative", ["rehúye", "rehúya", "rehuyamos", "rehuid", "rehúyan"]),
    ("rehuirse", "imperative", ["rehúyete", "rehúyase", "rehuyámonos", "rehuíos", "rehúyanse"]),
    ("huir", "present", ["huyo", "huyes", "huye", "huimos", "huís", "huyen"]),
])
def test_hiatus_after_silent_h(verb, attribute, forms):
    assert getattr(es(verb), attribute) == forms


def test_prefix_before_one_syllable_forms_takes_the_accent():
    # sonrió and sonriáis, though reír writes rio and riais; freír adds no syllable.
    assert es("reír").preterite[2] == "rio" and es("reír").subjunctive_present[4] == "riais"
    assert es("sonreír").preterite[2] == "sonrió" and es("sonreír").subjunctive_present[4] == "sonriáis"
    assert es("freír").preterite[2] == "frio" and es("freír").subjunctive_present[4] == "friais"
    assert es("desleír").preterite[2] == "deslió"


# ---------------------------------------------------------------- result class

def test_class_shape():
    cls = velnor.SpanishConjugation
    assert cls.__doc__ == ("The full conjugation table of one Spanish verb. Rows are\n"
                           "[yo, tú, él/ella, nosotros, vosotros, ellos/ellas].")
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == [
        "infinitive", "gerund", "past_participle", "imperative", "present", "imperfect", "preterite", "future",
        "conditional", "subjunctive_present", "subjunctive_imperfect", "subjunctive_future", "perfecto_compuesto",
        "pluscuamperfecto", "preterito_anterior", "futuro_perfecto", "condicional_perfecto", "subjuntivo_perfecto",
        "subjuntivo_pluscuamperfecto",
    ]
    assert cls.imperative.__doc__ == "[tú, usted, nosotros, vosotros, ustedes]"
    assert cls.present.__doc__ in (None, "")
    t = es("comer")
    for name in names[4:]:
        row = getattr(t, name)
        assert isinstance(row, list) and len(row) == 6 and all(isinstance(f, str) and f for f in row)
    assert isinstance(t.imperative, list) and len(t.imperative) == 5
    with pytest.raises(AttributeError):
        t.present = []
    with pytest.raises(TypeError):
        cls()


def test_same_table_for_every_spanish_code():
    assert es("hablar").preterite == velnor.conjugate("hablar", "es").preterite \
        == velnor.conjugate("hablar", "Spanish").preterite
