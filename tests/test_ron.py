import os

import pytest

import velnor
from conftest import needs

pytestmark = needs("ron")

DATA = os.path.join(os.path.dirname(__file__), os.pardir, "data")
CLASSES = os.path.join(DATA, "ron_classes.tsv")
OVERRIDES = os.path.join(DATA, "ron_overrides.tsv")
CODES = ["a-ez", "a-bare", "ea", "e", "i-esc", "i-bare", "ih-asc", "ih-bare"]
COLUMNS = ["prs1sg", "prs2sg", "prs3sg", "prs1pl", "prs2pl", "prs3pl", "sbjv3", "imp2sg", "ptcp", "ger",
           "ipfv1sg", "pfv3sg"]
ROWS = ["present", "imperfect", "simple_perfect", "pluperfect", "subjunctive", "perfect_compus", "viitor",
        "conditional_prezent", "subjunctive_perfect", "conditional_perfect", "viitor_anterior"]


def conj(word):
    return velnor.conjugate(word, lang="ron")


# ---- common verbs, slot by slot ----
#
# verb: present (six forms) | subjunctive 3rd person | imperative 2sg ("*": not
# checked, the verb has no settled one) | participle | gerund | imperfect 1sg |
# simple perfect 1sg, 3sg, 1pl | pluperfect 1sg
COMMON = """
cânta: cânt cânți cântă cântăm cântați cântă | cânte | cântă | cântat | cântând | cântam | cântai cântă cântarăm | cântasem
lucra: lucrez lucrezi lucrează lucrăm lucrați lucrează | lucreze | lucrează | lucrat | lucrând | lucram | lucrai lucră lucrarăm | lucrasem
aștepta: aștept aștepți așteaptă așteptăm așteptați așteaptă | aștepte | așteaptă | așteptat | așteptând | așteptam | așteptai așteptă așteptarăm | așteptasem
ajuta: ajut ajuți ajută ajutăm ajutați ajută | ajute | ajută | ajutat | ajutând | ajutam | ajutai ajută ajutarăm | ajutasem
asculta: ascult asculți ascultă ascultăm ascultați ascultă | asculte | ascultă | ascultat | ascultând | ascultam | ascultai ascultă ascultarăm | ascultasem
intra: intru intri intră intrăm intrați intră | intre | intră | intrat | intrând | intram | intrai intră intrarăm | intrasem
afla: aflu afli află aflăm aflați află | afle | află | aflat | aflând | aflam | aflai află aflarăm | aflasem
lăsa: las lași lasă lăsăm lăsați lasă | lase | lasă | lăsat | lăsând | lăsam | lăsai lăsă lăsarăm | lăsasem
arăta: arăt arăți arată arătăm arătați arată | arate | arată | arătat | arătând | arătam | arătai arătă arătarăm | arătasem
căuta: caut cauți caută căutăm căutați caută | caute | caută | căutat | căutând | căutam | căutai căută căutarăm | căutasem
juca: joc joci joacă jucăm jucați joacă | joace | joacă | jucat | jucând | jucam | jucai jucă jucarăm | jucasem
purta: port porți poartă purtăm purtați poartă | poarte | poartă | purtat | purtând | purtam | purtai purtă purtarăm | purtasem
chema: chem chemi cheamă chemăm chemați cheamă | cheme | cheamă | chemat | chemând | chemam | chemai chemă chemarăm | chemasem
încerca: încerc încerci încearcă încercăm încercați încearcă | încerce | încearcă | încercat | încercând | încercam | încercai încercă încercarăm | încercasem
pleca: plec pleci pleacă plecăm plecați pleacă | plece | pleacă | plecat | plecând | plecam | plecai plecă plecarăm | plecasem
întreba: întreb întrebi întreabă întrebăm întrebați întreabă | întrebe | întreabă | întrebat | întrebând | întrebam | întrebai întrebă întrebarăm | întrebasem
lega: leg legi leagă legăm legați leagă | lege | leagă | legat | legând | legam | legai legă legarăm | legasem
alerga: alerg alergi aleargă alergăm alergați aleargă | alerge | aleargă | alergat | alergând | alergam | alergai alergă alergarăm | alergasem
uita: uit uiți uită uităm uitați uită | uite | uită | uitat | uitând | uitam | uitai uită uitarăm | uitasem
urca: urc urci urcă urcăm urcați urcă | urce | urcă | urcat | urcând | urcam | urcai urcă urcarăm | urcasem
schimba: schimb schimbi schimbă schimbăm schimbați schimbă | schimbe | schimbă | schimbat | schimbând | schimbam | schimbai schimbă schimbarăm | schimbasem
termina: termin termini termină terminăm terminați termină | termine | termină | terminat | terminând | terminam | terminai termină terminarăm | terminasem
explica: explic explici explică explicăm explicați explică | explice | explică | explicat | explicând | explicam | explicai explică explicarăm | explicasem
ridica: ridic ridici ridică ridicăm ridicați ridică | ridice | ridică | ridicat | ridicând | ridicam | ridicai ridică ridicarăm | ridicasem
striga: strig strigi strigă strigăm strigați strigă | strige | strigă | strigat | strigând | strigam | strigai strigă strigarăm | strigasem
câștiga: câștig câștigi câștigă câștigăm câștigați câștigă | câștige | câștigă | câștigat | câștigând | câștigam | câștigai câștigă câștigarăm | câștigasem
arunca: arunc arunci aruncă aruncăm aruncați aruncă | arunce | aruncă | aruncat | aruncând | aruncam | aruncai aruncă aruncarăm | aruncasem
mișca: mișc miști mișcă mișcăm mișcați mișcă | miște | mișcă | mișcat | mișcând | mișcam | mișcai mișcă mișcarăm | mișcasem
suna: sun suni sună sunăm sunați sună | sune | sună | sunat | sunând | sunam | sunai sună sunarăm | sunasem
învăța: învăț înveți învață învățăm învățați învață | învețe | învață | învățat | învățând | învățam | învățai învăță învățarăm | învățasem
spăla: spăl speli spală spălăm spălați spală | spele | spală | spălat | spălând | spălam | spălai spălă spălarăm | spălasem
cumpăra: cumpăr cumperi cumpără cumpărăm cumpărați cumpără | cumpere | cumpără | cumpărat | cumpărând | cumpăram | cumpărai cumpără cumpărarăm | cumpărasem
număra: număr numeri numără numărăm numărați numără | numere | numără | numărat | numărând | număram | numărai numără numărarăm | numărasem
zbura: zbor zbori zboară zburăm zburați zboară | zboare | zboară | zburat | zburând | zburam | zburai zbură zburarăm | zburasem
îmbrăca: îmbrac îmbraci îmbracă îmbrăcăm îmbrăcați îmbracă | îmbrace | îmbracă | îmbrăcat | îmbrăcând | îmbrăcam | îmbrăcai îmbrăcă îmbrăcarăm | îmbrăcasem
ruga: rog rogi roagă rugăm rugați roagă | roage | roagă | rugat | rugând | rugam | rugai rugă rugarăm | rugasem
tăia: tai tai taie tăiem tăiați taie | taie | taie | tăiat | tăind | tăiam | tăiai tăie tăiarăm | tăiasem
continua: continui continui continuă continuăm continuați continuă | continue | continuă | continuat | continuând | continuam | continuai continuă continuarăm | continuasem
studia: studiez studiezi studiază studiem studiați studiază | studieze | studiază | studiat | studiind | studiam | studiai studie studiarăm | studiasem
copia: copiez copiezi copiază copiem copiați copiază | copieze | copiază | copiat | copiind | copiam | copiai copie copiarăm | copiasem
evalua: evaluez evaluezi evaluează evaluăm evaluați evaluează | evalueze | evaluează | evaluat | evaluând | evaluam | evaluai evaluă evaluarăm | evaluasem
parca: parchez parchezi parchează parcăm parcați parchează | parcheze | parchează | parcat | parcând | parcam | parcai parcă parcarăm | parcasem
organiza: organizez organizezi organizează organizăm organizați organizează | organizeze | organizează | organizat | organizând | organizam | organizai organiză organizarăm | organizasem
visa: visez visezi visează visăm visați visează | viseze | visează | visat | visând | visam | visai visă visarăm | visasem
urma: urmez urmezi urmează urmăm urmați urmează | urmeze | urmează | urmat | urmând | urmam | urmai urmă urmarăm | urmasem
mânca: mănânc mănânci mănâncă mâncăm mâncați mănâncă | mănânce | mănâncă | mâncat | mâncând | mâncam | mâncai mâncă mâncarăm | mâncasem
da: dau dai dă dăm dați dau | dea | dă | dat | dând | dădeam | dădui dădu dădurăm | dădusem
sta: stau stai stă stăm stați stau | stea | stai | stat | stând | stăteam | stătui stătu stăturăm | stătusem
lua: iau iei ia luăm luați iau | ia | ia | luat | luând | luam | luai luă luarăm | luasem
crea: creez creezi creează creăm creați creează | creeze | creează | creat | creând | cream | creai creă crearăm | creasem
respecta: respect respecți respectă respectăm respectați respectă | respecte | respectă | respectat | respectând | respectam | respectai respectă respectarăm | respectasem
exista: exist exiști există existăm existați există | existe | există | existat | existând | existam | existai există existarăm | existasem
așeza: așez așezi așază așezăm așezați așază | așeze | așază | așezat | așezând | așezam | așezai așeză așezarăm | așezasem
spera: sper speri speră sperăm sperați speră | spere | speră | sperat | sperând | speram | sperai speră sperarăm | sperasem
apăsa: apăs apeși apasă apăsăm apăsați apasă | apese | apasă | apăsat | apăsând | apăsam | apăsai apăsă apăsarăm | apăsasem
speria: sperii sperii sperie speriem speriați sperie | sperie | sperie | speriat | speriind | speriam | speriai sperie speriarăm | speriasem
avea: am ai are avem aveți au | aibă | ai | avut | având | aveam | avui avu avurăm | avusesem
vedea: văd vezi vede vedem vedeți văd | vadă | vezi | văzut | văzând | vedeam | văzui văzu văzurăm | văzusem
putea: pot poți poate putem puteți pot | poată | * | putut | putând | puteam | putui putu puturăm | putusem
vrea: vreau vrei vrea vrem vreți vor | vrea | * | vrut | vrând | voiam | vrui vru vrurăm | vrusesem
bea: beau bei bea bem beți beau | bea | bea | băut | bând | beam | băui bău băurăm | băusem
plăcea: plac placi place plăcem plăceți plac | placă | * | plăcut | plăcând | plăceam | plăcui plăcu plăcurăm | plăcusem
tăcea: tac taci tace tăcem tăceți tac | tacă | taci | tăcut | tăcând | tăceam | tăcui tăcu tăcurăm | tăcusem
părea: par pari pare părem păreți par | pară | * | părut | părând | păream | părui păru părurăm | părusem
apărea: apar apari apare apărem apăreți apar | apară | * | apărut | apărând | apăream | apărui apăru apărurăm | apărusem
cădea: cad cazi cade cădem cădeți cad | cadă | cazi | căzut | căzând | cădeam | căzui căzu căzurăm | căzusem
fi: sunt ești e suntem sunteți sunt | fie | fii | fost | fiind | eram | fui fu furăm | fusesem
face: fac faci face facem faceți fac | facă | fă | făcut | făcând | făceam | făcui făcu făcurăm | făcusem
zice: zic zici zice zicem ziceți zic | zică | zi | zis | zicând | ziceam | zisei zise ziserăm | zisesem
spune: spun spui spune spunem spuneți spun | spună | spune | spus | spunând | spuneam | spusei spuse spuserăm | spusesem
pune: pun pui pune punem puneți pun | pună | pune | pus | punând | puneam | pusei puse puserăm | pusesem
duce: duc duci duce ducem duceți duc | ducă | du | dus | ducând | duceam | dusei duse duserăm | dusesem
aduce: aduc aduci aduce aducem aduceți aduc | aducă | adu | adus | aducând | aduceam | adusei aduse aduserăm | adusesem
scrie: scriu scrii scrie scriem scrieți scriu | scrie | scrie | scris | scriind | scriam | scrisei scrise scriserăm | scrisesem
crede: cred crezi crede credem credeți cred | creadă | crede | crezut | crezând | credeam | crezui crezu crezurăm | crezusem
cere: cer ceri cere cerem cereți cer | ceară | cere | cerut | cerând | ceream | cerui ceru cerurăm | cerusem
trece: trec treci trece trecem treceți trec | treacă | * | trecut | trecând | treceam | trecui trecu trecurăm | trecusem
merge: merg mergi merge mergem mergeți merg | meargă | mergi | mers | mergând | mergeam | mersei merse merserăm | mersesem
rămâne: rămân rămâi rămâne rămânem rămâneți rămân | rămână | rămâi | rămas | rămânând | rămâneam | rămăsei rămase rămaserăm | rămăsesem
cunoaște: cunosc cunoști cunoaște cunoaștem cunoașteți cunosc | cunoască | cunoaște | cunoscut | cunoscând | cunoșteam | cunoscui cunoscu cunoscurăm | cunoscusem
naște: nasc naști naște naștem nașteți nasc | nască | * | născut | născând | nășteam | născui născu născurăm | născusem
crește: cresc crești crește creștem creșteți cresc | crească | * | crescut | crescând | creșteam | crescui crescu crescurăm | crescusem
bate: bat bați bate batem bateți bat | bată | bate | bătut | bătând | băteam | bătui bătu băturăm | bătusem
trimite: trimit trimiți trimite trimitem trimiteți trimit | trimită | trimite | trimis | trimițând | trimiteam | trimisei trimise trimiserăm | trimisesem
ține: țin ții ține ținem țineți țin | țină | ține | ținut | ținând | țineam | ținui ținu ținurăm | ținusem
începe: încep începi începe începem începeți încep | înceapă | începe | început | începând | începeam | începui începu începurăm | începusem
vinde: vând vinzi vinde vindem vindeți vând | vândă | vinde | vândut | vânzând | vindeam | vândui vându vândurăm | vândusem
pierde: pierd pierzi pierde pierdem pierdeți pierd | piardă | pierde | pierdut | pierzând | pierdeam | pierdui pierdu pierdurăm | pierdusem
prinde: prind prinzi prinde prindem prindeți prind | prindă | prinde | prins | prinzând | prindeam | prinsei prinse prinserăm | prinsesem
deschide: deschid deschizi deschide deschidem deschideți deschid | deschidă | deschide | deschis | deschizând | deschideam | deschisei deschise deschiserăm | deschisesem
închide: închid închizi închide închidem închideți închid | închidă | închide | închis | închizând | închideam | închisei închise închiserăm | închisesem
răspunde: răspund răspunzi răspunde răspundem răspundeți răspund | răspundă | răspunde | răspuns | răspunzând | răspundeam | răspunsei răspunse răspunserăm | răspunsesem
râde: râd râzi râde râdem râdeți râd | râdă | * | râs | râzând | râdeam | râsei râse râserăm | râsesem
ajunge: ajung ajungi ajunge ajungem ajungeți ajung | ajungă | * | ajuns | ajungând | ajungeam | ajunsei ajunse ajunserăm | ajunsesem
plânge: plâng plângi plânge plângem plângeți plâng | plângă | * | plâns | plângând | plângeam | plânsei plânse plânserăm | plânsesem
alege: aleg alegi alege alegem alegeți aleg | aleagă | alege | ales | alegând | alegeam | alesei alese aleserăm | alesesem
înțelege: înțeleg înțelegi înțelege înțelegem înțelegeți înțeleg | înțeleagă | înțelege | înțeles | înțelegând | înțelegeam | înțelesei înțelese înțeleserăm | înțelesesem
trage: trag tragi trage tragem trageți trag | tragă | trage | tras | trăgând | trăgeam | trăsei trase traserăm | trăsesem
șterge: șterg ștergi șterge ștergem ștergeți șterg | șteargă | șterge | șters | ștergând | ștergeam | ștersei șterse șterserăm | ștersesem
rupe: rup rupi rupe rupem rupeți rup | rupă | rupe | rupt | rupând | rupeam | rupsei rupse rupserăm | rupsesem
scoate: scot scoți scoate scoatem scoateți scot | scoată | scoate | scos | scoțând | scoteam | scosei scoase scoaserăm | scosesem
întoarce: întorc întorci întoarce întoarcem întoarceți întorc | întoarcă | întoarce | întors | întorcând | întorceam | întorsei întoarse întoarserăm | întorsesem
fierbe: fierb fierbi fierbe fierbem fierbeți fierb | fiarbă | fierbe | fiert | fierbând | fierbeam | fiersei fierse fierserăm | fiersesem
coace: coc coci coace coacem coaceți coc | coacă | coace | copt | cocând | coceam | copsei coapse coapserăm | copsesem
teme: tem temi teme temem temeți tem | teamă | * | temut | temând | temeam | temui temu temurăm | temusem
umple: umplu umpli umple umplem umpleți umplu | umple | umple | umplut | umplând | umpleam | umplui umplu umplurăm | umplusem
distruge: distrug distrugi distruge distrugem distrugeți distrug | distrugă | distruge | distrus | distrugând | distrugeam | distrusei distruse distruserăm | distrusesem
ști: știu știi știe știm știți știu | știe | știi | știut | știind | știam | știui știu știurăm | știusem
veni: vin vii vine venim veniți vin | vină | vino | venit | venind | veneam | venii veni venirăm | venisem
deveni: devin devii devine devenim deveniți devin | devină | devino | devenit | devenind | deveneam | devenii deveni devenirăm | devenisem
dormi: dorm dormi doarme dormim dormiți dorm | doarmă | dormi | dormit | dormind | dormeam | dormii dormi dormirăm | dormisem
fugi: fug fugi fuge fugim fugiți fug | fugă | fugi | fugit | fugind | fugeam | fugii fugi fugirăm | fugisem
ieși: ies ieși iese ieșim ieșiți ies | iasă | ieși | ieșit | ieșind | ieșeam | ieșii ieși ieșirăm | ieșisem
auzi: aud auzi aude auzim auziți aud | audă | auzi | auzit | auzind | auzeam | auzii auzi auzirăm | auzisem
simți: simt simți simte simțim simțiți simt | simtă | * | simțit | simțind | simțeam | simții simți simțirăm | simțisem
sări: sar sari sare sărim săriți sar | sară | sari | sărit | sărind | săream | sării sări sărirăm | sărisem
muri: mor mori moare murim muriți mor | moară | mori | murit | murind | muream | murii muri murirăm | murisem
oferi: ofer oferi oferă oferim oferiți oferă | ofere | oferă | oferit | oferind | ofeream | oferii oferi oferirăm | oferisem
acoperi: acopăr acoperi acoperă acoperim acoperiți acoperă | acopere | acoperă | acoperit | acoperind | acopeream | acoperii acoperi acoperirăm | acoperisem
suferi: sufăr suferi suferă suferim suferiți suferă | sufere | suferă | suferit | suferind | sufeream | suferii suferi suferirăm | suferisem
împărți: împart împarți împarte împărțim împărțiți împart | împartă | împarte | împărțit | împărțind | împărțeam | împărții împărți împărțirăm | împărțisem
contribui: contribui contribui contribuie contribuim contribuiți contribuie | contribuie | contribuie | contribuit | contribuind | contribuiam | contribuii contribui contribuirăm | contribuisem
citi: citesc citești citește citim citiți citesc | citească | citește | citit | citind | citeam | citii citi citirăm | citisem
vorbi: vorbesc vorbești vorbește vorbim vorbiți vorbesc | vorbească | vorbește | vorbit | vorbind | vorbeam | vorbii vorbi vorbirăm | vorbisem
găsi: găsesc găsești găsește găsim găsiți găsesc | găsească | găsește | găsit | găsind | găseam | găsii găsi găsirăm | găsisem
iubi: iubesc iubești iubește iubim iubiți iubesc | iubească | iubește | iubit | iubind | iubeam | iubii iubi iubirăm | iubisem
gândi: gândesc gândești gândește gândim gândiți gândesc | gândească | gândește | gândit | gândind | gândeam | gândii gândi gândirăm | gândisem
folosi: folosesc folosești folosește folosim folosiți folosesc | folosească | folosește | folosit | folosind | foloseam | folosii folosi folosirăm | folosisem
plăti: plătesc plătești plătește plătim plătiți plătesc | plătească | plătește | plătit | plătind | plăteam | plătii plăti plătirăm | plătisem
greși: greșesc greșești greșește greșim greșiți greșesc | greșească | greșește | greșit | greșind | greșeam | greșii greși greșirăm | greșisem
opri: opresc oprești oprește oprim opriți opresc | oprească | oprește | oprit | oprind | opream | oprii opri oprirăm | oprisem
trăi: trăiesc trăiești trăiește trăim trăiți trăiesc | trăiască | trăiește | trăit | trăind | trăiam | trăii trăi trăirăm | trăisem
locui: locuiesc locuiești locuiește locuim locuiți locuiesc | locuiască | locuiește | locuit | locuind | locuiam | locuii locui locuirăm | locuisem
construi: construiesc construiești construiește construim construiți construiesc | construiască | construiește | construit | construind | construiam | construii construi construirăm | construisem
bănui: bănuiesc bănuiești bănuiește bănuim bănuiți bănuiesc | bănuiască | bănuiește | bănuit | bănuind | bănuiam | bănuii bănui bănuirăm | bănuisem
hotărî: hotărăsc hotărăști hotărăște hotărâm hotărâți hotărăsc | hotărască | hotărăște | hotărât | hotărând | hotăram | hotărâi hotărî hotărârăm | hotărâsem
urî: urăsc urăști urăște urâm urâți urăsc | urască | urăște | urât | urând | uram | urâi urî urârăm | urâsem
coborî: cobor cobori coboară coborâm coborâți coboară | coboare | coboară | coborât | coborând | coboram | coborâi coborî coborârăm | coborâsem
omorî: omor omori omoară omorâm omorâți omoară | omoare | omoară | omorât | omorând | omoram | omorâi omorî omorârăm | omorâsem
""".strip().splitlines()


def common_case(line):
    verb, rest = line.split(":", 1)
    present, sbjv3, imp, ptcp, ger, ipfv, pfv, plup = (part.split() for part in rest.split("|"))
    return pytest.param(verb, present, sbjv3[0], imp[0], ptcp[0], ger[0], ipfv[0], pfv, plup[0], id=verb)


def test_common_table_is_large_enough():
    assert len({line.split(":")[0] for line in COMMON}) == len(COMMON) >= 100


@pytest.mark.parametrize("verb,present,sbjv3,imp,ptcp,ger,ipfv,pfv,plup", [common_case(l) for l in COMMON])
def test_common_verbs(verb, present, sbjv3, imp, ptcp, ger, ipfv, pfv, plup):
    t = conj(verb)
    assert t.infinitive == verb
    assert t.present == present
    assert t.subjunctive[2] == t.subjunctive[5] == sbjv3
    if verb != "fi":
        assert t.subjunctive[:2] + t.subjunctive[3:5] == present[:2] + present[3:5]
    if imp != "*":
        assert t.imperative[0] == imp
    assert t.imperative[1] == ("fiți" if verb == "fi" else present[4])
    assert t.participle == ptcp
    assert t.gerund == ger
    assert t.imperfect[0] == ipfv
    assert [t.simple_perfect[0], t.simple_perfect[2], t.simple_perfect[3]] == pfv
    assert t.pluperfect[0] == plup
