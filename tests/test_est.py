"""Estonian conjugation: analysis of the ma-infinitive, the lexicon, the
stems, the table and the EstonianConjugation class."""
import os
import unicodedata

import pytest

import velnor
from conftest import needs

pytestmark = needs("est")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "est.tsv")
HEADER = '# lemma\tp1sg\tp3sg\tda\tpst1sg\tnud\ttud\timp2sg\tgu\ttakse ("-" = derive)'
ATTRIBUTES = [
    "infinitive", "da_infinitive", "present", "past", "conditional", "imperative",
    "present_impersonal", "past_impersonal", "quotative", "present_participle",
    "nud_participle", "tud_participle", "perfect", "pluperfect",
]
OLEN = ["olen", "oled", "on", "oleme", "olete", "on"]
OLIN = ["olin", "olid", "oli", "olime", "olite", "olid"]
MESSAGE = "not an Estonian ma-infinitive"


def conj(word):
    return velnor.conjugate(word, lang="est")


# ma-infinitive, da-infinitive; present 1sg 3sg 3pl; past 1sg 3sg 3pl;
# conditional 3sg; imperative 2sg, 3sg (-gu/-ku), 2pl; impersonal present,
# past; quotative; participles present (-v), nud, tud. Standard written
# Estonian; every form is known to the Estonian hunspell dictionary.
COMMON = """
kirjutama kirjutada kirjutan kirjutab kirjutavad kirjutasin kirjutas kirjutasid kirjutaks kirjuta kirjutagu kirjutage kirjutatakse kirjutati kirjutavat kirjutav kirjutanud kirjutatud
elama elada elan elab elavad elasin elas elasid elaks ela elagu elage elatakse elati elavat elav elanud elatud
küsima küsida küsin küsib küsivad küsisin küsis küsisid küsiks küsi küsigu küsige küsitakse küsiti küsivat küsiv küsinud küsitud
istuma istuda istun istub istuvad istusin istus istusid istuks istu istugu istuge istutakse istuti istuvat istuv istunud istutud
magama magada magan magab magavad magasin magas magasid magaks maga magagu magage magatakse magati magavat magav maganud magatud
mängima mängida mängin mängib mängivad mängisin mängis mängisid mängiks mängi mängigu mängige mängitakse mängiti mängivat mängiv mänginud mängitud
töötama töötada töötan töötab töötavad töötasin töötas töötasid töötaks tööta töötagu töötage töötatakse töötati töötavat töötav töötanud töötatud
kasutama kasutada kasutan kasutab kasutavad kasutasin kasutas kasutasid kasutaks kasuta kasutagu kasutage kasutatakse kasutati kasutavat kasutav kasutanud kasutatud
armastama armastada armastan armastab armastavad armastasin armastas armastasid armastaks armasta armastagu armastage armastatakse armastati armastavat armastav armastanud armastatud
õpetama õpetada õpetan õpetab õpetavad õpetasin õpetas õpetasid õpetaks õpeta õpetagu õpetage õpetatakse õpetati õpetavat õpetav õpetanud õpetatud
lõpetama lõpetada lõpetan lõpetab lõpetavad lõpetasin lõpetas lõpetasid lõpetaks lõpeta lõpetagu lõpetage lõpetatakse lõpetati lõpetavat lõpetav lõpetanud lõpetatud
ujuma ujuda ujun ujub ujuvad ujusin ujus ujusid ujuks uju ujugu ujuge ujutakse ujuti ujuvat ujuv ujunud ujutud
avama avada avan avab avavad avasin avas avasid avaks ava avagu avage avatakse avati avavat avav avanud avatud
otsima otsida otsin otsib otsivad otsisin otsis otsisid otsiks otsi otsigu otsige otsitakse otsiti otsivat otsiv otsinud otsitud
kutsuma kutsuda kutsun kutsub kutsuvad kutsusin kutsus kutsusid kutsuks kutsu kutsugu kutsuge kutsutakse kutsuti kutsuvat kutsuv kutsunud kutsutud
tantsima tantsida tantsin tantsib tantsivad tantsisin tantsis tantsisid tantsiks tantsi tantsigu tantsige tantsitakse tantsiti tantsivat tantsiv tantsinud tantsitud
jalutama jalutada jalutan jalutab jalutavad jalutasin jalutas jalutasid jalutaks jaluta jalutagu jalutage jalutatakse jalutati jalutavat jalutav jalutanud jalutatud
paluma paluda palun palub paluvad palusin palus palusid paluks palu palugu paluge palutakse paluti paluvat paluv palunud palutud
lubama lubada luban lubab lubavad lubasin lubas lubasid lubaks luba lubagu lubage lubatakse lubati lubavat lubav lubanud lubatud
kaotama kaotada kaotan kaotab kaotavad kaotasin kaotas kaotasid kaotaks kaota kaotagu kaotage kaotatakse kaotati kaotavat kaotav kaotanud kaotatud
ehitama ehitada ehitan ehitab ehitavad ehitasin ehitas ehitasid ehitaks ehita ehitagu ehitage ehitatakse ehitati ehitavat ehitav ehitanud ehitatud
mäletama mäletada mäletan mäletab mäletavad mäletasin mäletas mäletasid mäletaks mäleta mäletagu mäletage mäletatakse mäletati mäletavat mäletav mäletanud mäletatud
unustama unustada unustan unustab unustavad unustasin unustas unustasid unustaks unusta unustagu unustage unustatakse unustati unustavat unustav unustanud unustatud
valima valida valin valib valivad valisin valis valisid valiks vali valigu valige valitakse valiti valivat valiv valinud valitud
tänama tänada tänan tänab tänavad tänasin tänas tänasid tänaks täna tänagu tänage tänatakse tänati tänavat tänav tänanud tänatud
helistama helistada helistan helistab helistavad helistasin helistas helistasid helistaks helista helistagu helistage helistatakse helistati helistavat helistav helistanud helistatud
vajama vajada vajan vajab vajavad vajasin vajas vajasid vajaks vaja vajagu vajage vajatakse vajati vajavat vajav vajanud vajatud
soovima soovida soovin soovib soovivad soovisin soovis soovisid sooviks soovi soovigu soovige soovitakse sooviti soovivat sooviv soovinud soovitud
proovima proovida proovin proovib proovivad proovisin proovis proovisid prooviks proovi proovigu proovige proovitakse prooviti proovivat prooviv proovinud proovitud
juhtuma juhtuda juhtun juhtub juhtuvad juhtusin juhtus juhtusid juhtuks juhtu juhtugu juhtuge juhtutakse juhtuti juhtuvat juhtuv juhtunud juhtutud
tunduma tunduda tundun tundub tunduvad tundusin tundus tundusid tunduks tundu tundugu tunduge tundutakse tunduti tunduvat tunduv tundunud tundutud
lahkuma lahkuda lahkun lahkub lahkuvad lahkusin lahkus lahkusid lahkuks lahku lahkugu lahkuge lahkutakse lahkuti lahkuvat lahkuv lahkunud lahkutud
saabuma saabuda saabun saabub saabuvad saabusin saabus saabusid saabuks saabu saabugu saabuge saabutakse saabuti saabuvat saabuv saabunud saabutud
kuuluma kuuluda kuulun kuulub kuuluvad kuulusin kuulus kuulusid kuuluks kuulu kuulugu kuuluge kuulutakse kuuluti kuuluvat kuuluv kuulunud kuulutud
joonistama joonistada joonistan joonistab joonistavad joonistasin joonistas joonistasid joonistaks joonista joonistagu joonistage joonistatakse joonistati joonistavat joonistav joonistanud joonistatud
parandama parandada parandan parandab parandavad parandasin parandas parandasid parandaks paranda parandagu parandage parandatakse parandati parandavat parandav parandanud parandatud
seletama seletada seletan seletab seletavad seletasin seletas seletasid seletaks seleta seletagu seletage seletatakse seletati seletavat seletav seletanud seletatud
koristama koristada koristan koristab koristavad koristasin koristas koristasid koristaks korista koristagu koristage koristatakse koristati koristavat koristav koristanud koristatud
muretsema muretseda muretsen muretseb muretsevad muretsesin muretses muretsesid muretseks muretse muretsegu muretsege muretsetakse muretseti muretsevat muretsev muretsenud muretsetud
karjuma karjuda karjun karjub karjuvad karjusin karjus karjusid karjuks karju karjugu karjuge karjutakse karjuti karjuvat karjuv karjunud karjutud
tulema tulla tulen tuleb tulevad tulin tuli tulid tuleks tule tulgu tulge tullakse tuldi tulevat tulev tulnud tuldud
tegema teha teen teeb teevad tegin tegi tegid teeks tee tehku tehke tehakse tehti tegevat tegev teinud tehtud
nägema näha näen näeb näevad nägin nägi nägid näeks näe nähku nähke nähakse nähti nägevat nägev näinud nähtud
saama saada saan saab saavad sain sai said saaks saa saagu saage saadakse saadi saavat saav saanud saadud
sööma süüa söön sööb söövad sõin sõi sõid sööks söö söögu sööge süüakse söödi söövat sööv söönud söödud
jooma juua joon joob joovad jõin jõi jõid jooks joo joogu jooge juuakse joodi joovat joov joonud joodud
lööma lüüa löön lööb löövad lõin lõi lõid lööks löö löögu lööge lüüakse löödi löövat lööv löönud löödud
looma luua loon loob loovad lõin lõi lõid looks loo loogu looge luuakse loodi loovat loov loonud loodud
viima viia viin viib viivad viisin viis viisid viiks vii viigu viige viiakse viidi viivat viiv viinud viidud
tooma tuua toon toob toovad tõin tõi tõid tooks too toogu tooge tuuakse toodi toovat toov toonud toodud
müüma müüa müün müüb müüvad müüsin müüs müüsid müüks müü müügu müüge müüakse müüdi müüvat müüv müünud müüdud
käima käia käin käib käivad käisin käis käisid käiks käi käigu käige käiakse käidi käivat käiv käinud käidud
jääma jääda jään jääb jäävad jäin jäi jäid jääks jää jäägu jääge jäädakse jäädi jäävat jääv jäänud jäädud
võima võida võin võib võivad võisin võis võisid võiks või võigu võige võidakse võidi võivat võiv võinud võidud
pidama pidada pean peab peavad pidasin pidas pidasid peaks pea pidagu pidage peetakse peeti pidavat pidav pidanud peetud
tundma tunda tunnen tunneb tunnevad tundsin tundis tundsid tunneks tunne tundku tundke tuntakse tunti tundvat tundev tundnud tuntud
teadma teada tean teab teavad teadsin teadis teadsid teaks tea teadku teadke teatakse teati teadvat teadev teadnud teatud
võtma võtta võtan võtab võtavad võtsin võttis võtsid võtaks võta võtku võtke võetakse võeti võtvat võttev võtnud võetud
panema panna panen paneb panevad panin pani panid paneks pane pangu pange pannakse pandi panevat panev pannud pandud
hakkama hakata hakkan hakkab hakkavad hakkasin hakkas hakkasid hakkaks hakka hakaku hakake hakatakse hakati hakkavat hakkav hakanud hakatud
ootama oodata ootan ootab ootavad ootasin ootas ootasid ootaks oota oodaku oodake oodatakse oodati ootavat ootav oodanud oodatud
rääkima rääkida räägin räägib räägivad rääkisin rääkis rääkisid räägiks räägi rääkigu rääkige räägitakse räägiti rääkivat rääkiv rääkinud räägitud
mõtlema mõelda mõtlen mõtleb mõtlevad mõtlesin mõtles mõtlesid mõtleks mõtle mõelgu mõelge mõeldakse mõeldi mõtlevat mõtlev mõelnud mõeldud
laulma laulda laulan laulab laulavad laulsin laulis laulsid laulaks laula laulgu laulge lauldakse lauldi laulvat laulev laulnud lauldud
lugema lugeda loen loeb loevad lugesin luges lugesid loeks loe lugegu lugege loetakse loeti lugevat lugev lugenud loetud
õppima õppida õpin õpib õpivad õppisin õppis õppisid õpiks õpi õppigu õppige õpitakse õpiti õppivat õppiv õppinud õpitud
ostma osta ostan ostab ostavad ostsin ostis ostsid ostaks osta ostku ostke ostetakse osteti ostvat ostev ostnud ostetud
maksma maksta maksan maksab maksavad maksin maksis maksid maksaks maksa maksku makske makstakse maksti maksvat maksev maksnud makstud
jätma jätta jätan jätab jätavad jätsin jättis jätsid jätaks jäta jätku jätke jäetakse jäeti jätvat jättev jätnud jäetud
kandma kanda kannan kannab kannavad kandsin kandis kandsid kannaks kanna kandku kandke kantakse kanti kandvat kandev kandnud kantud
leidma leida leian leiab leiavad leidsin leidis leidsid leiaks leia leidku leidke leitakse leiti leidvat leidev leidnud leitud
tõusma tõusta tõusen tõuseb tõusevad tõusin tõusis tõusid tõuseks tõuse tõusku tõuske tõustakse tõusti tõusvat tõusev tõusnud tõustud
kuulma kuulda kuulen kuuleb kuulevad kuulsin kuulis kuulsid kuuleks kuule kuulgu kuulge kuuldakse kuuldi kuulvat kuulev kuulnud kuuldud
surema surra suren sureb surevad surin suri surid sureks sure surgu surge surrakse surdi surevat surev surnud surdud
pesema pesta pesen peseb pesevad pesin pesi pesid peseks pese pesku peske pestakse pesti pesevat pesev pesnud pestud
jooksma joosta jooksen jookseb jooksevad jooksin jooksis jooksid jookseks jookse jooksku jookske joostakse joosti jooksvat jooksev jooksnud joostud
näitama näidata näitan näitab näitavad näitasin näitas näitasid näitaks näita näidaku näidake näidatakse näidati näitavat näitav näidanud näidatud
vaatama vaadata vaatan vaatab vaatavad vaatasin vaatas vaatasid vaataks vaata vaadaku vaadake vaadatakse vaadati vaatavat vaatav vaadanud vaadatud
tahtma tahta tahan tahab tahavad tahtsin tahtis tahtsid tahaks taha tahtku tahtke tahetakse taheti tahtvat tahtev tahtnud tahetud
seisma seista seisan seisab seisavad seisin seisis seisid seisaks seisa seisku seiske seistakse seisti seisvat seisev seisnud seistud
kõndima kõndida kõnnin kõnnib kõnnivad kõndisin kõndis kõndisid kõnniks kõnni kõndigu kõndige kõnnitakse kõnniti kõndivat kõndiv kõndinud kõnnitud
sõitma sõita sõidan sõidab sõidavad sõitsin sõitis sõitsid sõidaks sõida sõitku sõitke sõidetakse sõideti sõitvat sõitev sõitnud sõidetud
hüppama hüpata hüppan hüppab hüppavad hüppasin hüppas hüppasid hüppaks hüppa hüpaku hüpake hüpatakse hüpati hüppavat hüppav hüpanud hüpatud
algama alata algan algab algavad algasin algas algasid algaks alga alaku alake alatakse alati algavat algav alanud alatud
hoidma hoida hoian hoiab hoiavad hoidsin hoidis hoidsid hoiaks hoia hoidku hoidke hoitakse hoiti hoidvat hoidev hoidnud hoitud
saatma saata saadan saadab saadavad saatsin saatis saatsid saadaks saada saatku saatke saadetakse saadeti saatvat saatev saatnud saadetud
tapma tappa tapan tapab tapavad tapsin tappis tapsid tapaks tapa tapku tapke tapetakse tapeti tapvat tappev tapnud tapetud
kuulama kuulata kuulan kuulab kuulavad kuulasin kuulas kuulasid kuulaks kuula kuulaku kuulake kuulatakse kuulati kuulavat kuulav kuulanud kuulatud
ütlema öelda ütlen ütleb ütlevad ütlesin ütles ütlesid ütleks ütle öelgu öelge öeldakse öeldi ütlevat ütlev öelnud öeldud
arvama arvata arvan arvab arvavad arvasin arvas arvasid arvaks arva arvaku arvake arvatakse arvati arvavat arvav arvanud arvatud
muutma muuta muudan muudab muudavad muutsin muutis muutsid muudaks muuda muutku muutke muudetakse muudeti muutvat muutev muutnud muudetud
jõudma jõuda jõuan jõuab jõuavad jõudsin jõudis jõudsid jõuaks jõua jõudku jõudke jõutakse jõuti jõudvat jõudev jõudnud jõutud
püüdma püüda püüan püüab püüavad püüdsin püüdis püüdsid püüaks püüa püüdku püüdke püütakse püüti püüdvat püüdev püüdnud püütud
uskuma uskuda usun usub usuvad uskusin uskus uskusid usuks usu uskugu uskuge usutakse usuti uskuvat uskuv uskunud usutud
kukkuma kukkuda kukun kukub kukuvad kukkusin kukkus kukkusid kukuks kuku kukkugu kukkuge kukutakse kukuti kukkuvat kukkuv kukkunud kukutud
vastama vastata vastan vastab vastavad vastasin vastas vastasid vastaks vasta vastaku vastake vastatakse vastati vastavat vastav vastanud vastatud
võitma võita võidan võidab võidavad võitsin võitis võitsid võidaks võida võitku võitke võidetakse võideti võitvat võitev võitnud võidetud
lõikama lõigata lõikan lõikab lõikavad lõikasin lõikas lõikasid lõikaks lõika lõigaku lõigake lõigatakse lõigati lõikavat lõikav lõiganud lõigatud
kaitsma kaitsta kaitsen kaitseb kaitsevad kaitsesin kaitses kaitsesid kaitseks kaitse kaitsku kaitske kaitstakse kaitsti kaitsvat kaitsev kaitsnud kaitstud
sulgema sulgeda sulen suleb sulevad sulgesin sulges sulgesid suleks sule sulgegu sulgege suletakse suleti sulgevat sulgev sulgenud suletud
tõstma tõsta tõstan tõstab tõstavad tõstsin tõstis tõstsid tõstaks tõsta tõstku tõstke tõstetakse tõsteti tõstvat tõstev tõstnud tõstetud
pakkuma pakkuda pakun pakub pakuvad pakkusin pakkus pakkusid pakuks paku pakkugu pakkuge pakutakse pakuti pakkuvat pakkuv pakkunud pakutud
nutma nutta nutan nutab nutavad nutsin nuttis nutsid nutaks nuta nutku nutke nutetakse nuteti nutvat nuttev nutnud nutetud
naerma naerda naeran naerab naeravad naersin naeris naersid naeraks naera naergu naerge naerdakse naerdi naervat naerev naernud naerdud
sündima sündida sünnin sünnib sünnivad sündisin sündis sündisid sünniks sünni sündigu sündige sünnitakse sünniti sündivat sündiv sündinud sünnitud
lendama lennata lendan lendab lendavad lendasin lendas lendasid lendaks lenda lennaku lennake lennatakse lennati lendavat lendav lennanud lennatud
murdma murda murran murrab murravad murdsin murdis murdsid murraks murra murdku murdke murtakse murti murdvat murdev murdnud murtud
lootma loota loodan loodab loodavad lootsin lootis lootsid loodaks looda lootku lootke loodetakse loodeti lootvat lootev lootnud loodetud
andma anda annan annab annavad andsin andis andsid annaks anna andku andke antakse anti andvat andev andnud antud
aitama aidata aitan aitab aitavad aitasin aitas aitasid aitaks aita aidaku aidake aidatakse aidati aitavat aitav aidanud aidatud
ajama ajada ajan ajab ajavad ajasin ajas ajasid ajaks aja ajagu ajage aetakse aeti ajavat ajav ajanud aetud
"""
COMMON_ROWS = [line.split() for line in COMMON.strip().splitlines()]


@pytest.mark.parametrize("row", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs(row):
    (lemma, da, p1, p3, p3pl, pst1, pst3, pst3pl, cond3, imp2, gu, imp2pl,
     takse, ti, vat, prs, nud, tud) = row
    t = conj(lemma)
    assert t.infinitive == lemma
    assert t.da_infinitive == da
    assert (t.present[0], t.present[2], t.present[5]) == (p1, p3, p3pl)
    assert (t.past[0], t.past[2], t.past[5]) == (pst1, pst3, pst3pl)
    assert t.conditional[2] == cond3
    assert (t.imperative[0], t.imperative[1], t.imperative[3]) == (imp2, gu, imp2pl)
    assert t.imperative[2] == gu[:-1] + "em"
    assert (t.present_impersonal, t.past_impersonal) == (takse, ti)
    assert t.quotative == vat
    assert (t.present_participle, t.nud_participle, t.tud_participle) == (prs, nud, tud)
    # The rest of each row follows from the slots above.
    w = p1[:-1]
    assert t.present == [p1, w + "d", p3, w + "me", w + "te", p3pl]
    p = pst1[:-1]
    assert t.past == [pst1, p + "d", pst3, p + "me", p + "te", p + "d"]
    assert t.conditional == [w + e for e in ("ksin", "ksid", "ks", "ksime", "ksite", "ksid")]
    assert t.perfect == [f"{a} {nud}" for a in OLEN]
    assert t.pluperfect == [f"{a} {nud}" for a in OLIN]


def test_olema_worked_example():
    t = conj("olema")
    assert t.da_infinitive == "olla"
    assert t.present == ["olen", "oled", "on", "oleme", "olete", "on"]
    assert t.past == ["olin", "olid", "oli", "olime", "olite", "olid"]
    assert t.conditional == ["oleksin", "oleksid", "oleks", "oleksime", "oleksite", "oleksid"]
    assert t.imperative == ["ole", "olgu", "olgem", "olge"]
    assert (t.present_impersonal, t.past_impersonal, t.quotative) == ("ollakse", "oldi", "olevat")
    assert (t.present_participle, t.nud_participle, t.tud_participle) == ("olev", "olnud", "oldud")
    assert t.perfect == [f"{a} olnud" for a in OLEN]
    assert t.pluperfect == [f"{a} olnud" for a in OLIN]


def test_minema_is_suppletive():
    t = conj("minema")
    assert t.present == ["lähen", "lähed", "läheb", "läheme", "lähete", "lähevad"]
    assert t.past == ["läksin", "läksid", "läks", "läksime", "läksite", "läksid"]
    assert t.conditional[0] == "läheksin"
    assert t.imperative == ["mine", "mingu", "mingem", "minge"]
    assert (t.da_infinitive, t.present_impersonal, t.past_impersonal) == ("minna", "minnakse", "mindi")
    assert (t.quotative, t.present_participle) == ("minevat", "minev")
    assert (t.nud_participle, t.tud_participle) == ("läinud", "mindud")
    assert t.perfect[0] == "olen läinud"


def test_rule_only_verb_kirjutama():
    t = conj("kirjutama")
    assert t.present == ["kirjutan", "kirjutad", "kirjutab", "kirjutame", "kirjutate", "kirjutavad"]
    assert t.past == ["kirjutasin", "kirjutasid", "kirjutas", "kirjutasime", "kirjutasite", "kirjutasid"]
    assert t.imperative == ["kirjuta", "kirjutagu", "kirjutagem", "kirjutage"]
    assert (t.present_impersonal, t.past_impersonal) == ("kirjutatakse", "kirjutati")


def test_andma_row_carries_alternation_and_past_3sg():
    t = conj("andma")
    assert t.present[2] == "annab"
    assert t.past == ["andsin", "andsid", "andis", "andsime", "andsite", "andsid"]
    assert t.imperative == ["anna", "andku", "andkem", "andke"]
    assert t.present_participle == "andev"


def test_aitama_weak_present_strong_infinitive():
    t = conj("aitama")
    assert t.present[0] == "aitan" and t.imperative[0] == "aita"
    assert (t.da_infinitive, t.nud_participle, t.tud_participle) == ("aidata", "aidanud", "aidatud")
    assert t.imperative[1:] == ["aidaku", "aidakem", "aidake"]
    assert (t.present_impersonal, t.past_impersonal) == ("aidatakse", "aidati")


def test_ajama_extra_dashes_give_rules():
    t = conj("ajama")
    assert t.past[2] == "ajas" and t.present_participle == "ajav"
    assert (t.tud_participle, t.present_impersonal, t.past_impersonal) == ("aetud", "aetakse", "aeti")


def test_perfect_uses_nud_not_tud():
    t = conj("tegema")
    assert t.perfect[2] == "on teinud" and t.pluperfect[2] == "oli teinud"
    assert all("tehtud" not in f for f in t.perfect + t.pluperfect)


def test_bare_ma_has_empty_stem():
    t = conj("ma")
    assert t.present == ["n", "d", "b", "me", "te", "vad"]
    assert t.past == ["sin", "sid", "s", "sime", "site", "sid"]
    assert t.imperative == ["", "gu", "gem", "ge"]
    assert (t.tud_participle, t.past_impersonal, t.da_infinitive) == ("tud", "ti", "da")


@pytest.mark.parametrize("text", ["laulma", "  laulma\t", "LAULMA", "Laulma", "\u3000laulma\u2028", "\u00a0laulma\n"])
def test_normalised_input_finds_row(text):
    t = conj(text)
    assert t.infinitive == "laulma"
    assert t.past[2] == "laulis" and t.present_participle == "laulev"


@pytest.mark.parametrize("text", [
    "", "   ", "laula", "laul ma", "laulma1", "laul\u00a0ma", "laul_ma", "laul.ma", "laulmad",
    "m", "a", "laulma!", "\u0301ma", "lau\x00lma", "ma\u200b", "am",
])
def test_rejected(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == MESSAGE


def test_hyphenated_word_is_conjugated_by_rule():
    t = conj("ette-kandma")
    assert t.infinitive == "ette-kandma"
    assert t.present[0] == "ette-kandn"  # no row: the stem is taken as it is
    assert t.da_infinitive == "ette-kandda"


def test_lookup_is_exact():
    t = conj("äraandma")
    assert t.present[0] == "äraandn"  # not the alternating stem of andma
    assert t.past[2] == "äraands"
    assert conj("andma").present[0] == "annan"


def test_other_scripts_are_alphabetic():
    t = conj("ЧИТАma")
    assert t.infinitive == "читаma" and t.present[0] == "читаn"


def test_language_codes():
    for code in ("et", "est", "Estonian", "EST"):
        assert velnor.conjugate("olema", lang=code).present[2] == "on"


def test_class_shape():
    cls = velnor.EstonianConjugation
    assert cls.__name__ == "EstonianConjugation"
    assert cls.__doc__ == "The full conjugation table of one Estonian verb. Six-slot rows\nrun [ma, sa, ta, me, te, nad]."
    t = conj("olema")
    names = [n for n in dir(t) if not n.startswith("_")]
    assert sorted(names) == sorted(ATTRIBUTES)
    assert [n for n in cls.__dict__ if n in ATTRIBUTES] == ATTRIBUTES
    assert cls.imperative.__doc__ == "[2sg, 3sg, 1pl, 2pl]"
    assert all(not getattr(cls, n).__doc__ for n in ATTRIBUTES if n != "imperative")
    with pytest.raises(TypeError):
        cls()
    with pytest.raises(AttributeError):
        t.present = []
    assert t.present is not t.present
    t.present.append("x")
    assert len(t.present) == 6


def test_repr():
    assert repr(conj("olema")) == 'EstonianConjugation("olema")'
    assert repr(conj(" Õppima ")) == 'EstonianConjugation("õppima")'


def test_attribute_types():
    t = conj("kirjutama")
    for name in ATTRIBUTES:
        v = getattr(t, name)
        if name in ("present", "past", "conditional", "perfect", "pluperfect"):
            assert isinstance(v, list) and len(v) == 6 and all(isinstance(x, str) for x in v)
        elif name == "imperative":
            assert isinstance(v, list) and len(v) == 4 and all(isinstance(x, str) for x in v)
        else:
            assert isinstance(v, str)


# ---- the built-in lexicon ----------------------------------------------

def lexicon_rows():
    with open(DATA, encoding="utf-8", newline="") as f:
        text = f.read()
    assert text.endswith("\n") and "\r" not in text
    lines = text.split("\n")[:-1]
    return lines[0], [line.split("\t") for line in lines[1:]]


QUOTED = [
    "andma\tannan\tannab\tanda\tandsin\t-\tantud\tanna\tandku\tantakse\tandis\tandev",
    "aitama\t-\t-\taidata\t-\taidanud\taidatud\t-\taidaku\taidatakse",
    "minema\tlähen\tläheb\tminna\tläksin\tläinud\tmindud\tmine\tmingu\tminnakse",
    "olema\tolen\ton\tolla\tolin\tolnud\toldud\t-\tolgu\tollakse\t-\t-\ton",
    "ajama\t-\t-\t-\t-\t-\taetud\t-\t-\taetakse\t-\t-",
]


def test_lexicon_header_and_order():
    header, rows = lexicon_rows()
    assert header == HEADER
    lemmas = [r[0] for r in rows]
    assert lemmas == sorted(lemmas)  # code-point order: ä õ ö ü after z
    assert len(set(lemmas)) == len(lemmas)
    text = "\n".join("\t".join(r) for r in rows)
    for row in QUOTED:
        assert row in text.split("\n")
    assert [r[0] for r in rows if len(r) == 13] == ["olema"]


def test_every_row_has_the_documented_shape():
    _, rows = lexicon_rows()
    for r in rows:
        assert len(r) in (10, 12, 13), r
        lemma = r[0]
        assert lemma.endswith("ma") and lemma == lemma.lower() and lemma.isalpha(), r
        assert unicodedata.normalize("NFC", lemma) == lemma
        cells = r[1:]
        assert all(c for c in cells), r  # "-", never empty
        p1, p3, da, pst1, nud, tud, imp2, gu, takse = cells[:9]
        assert p1 == "-" or p1.endswith("n"), r
        assert pst1 == "-" or pst1.endswith("n"), r
        assert gu == "-" or gu.endswith("u"), r
        assert tud == "-" or tud.endswith("ud"), r
        assert da == "-" or da.endswith("a"), r
        assert nud == "-" or nud.endswith("nud"), r
        assert takse == "-" or takse.endswith("akse"), r


def test_every_row_reaches_the_table():
    _, rows = lexicon_rows()
    for r in rows:
        cells = (r[1:] + ["-"] * 12)[:12]
        p1, p3, da, pst1, nud, tud, imp2, gu, takse, pst3, prs, p3pl = [None if c == "-" else c for c in cells]
        t = conj(r[0])
        stem = r[0][:-2]
        weak = p1[:-1] if p1 else stem
        assert t.present[0] == weak + "n"
        assert t.present[2] == (p3 or weak + "b")
        assert t.present[5] == (p3pl or weak + "vad")
        assert t.da_infinitive == (da or stem + "da")
        assert t.past[0] == (pst1 or stem + "sin")
        if pst3:
            assert t.past[2] == pst3
        assert t.nud_participle == (nud or stem + "nud")
        assert t.tud_participle == (tud or weak + "tud")
        assert t.imperative[0] == (imp2 or weak)
        assert t.imperative[1] == (gu or stem + "gu")
        base = t.tud_participle[:-2]
        assert t.present_impersonal == (takse or base + "akse")
        assert t.past_impersonal == base + "i"
        assert t.present_participle == (prs or stem + "v")


def test_bench_verbs_conjugate():
    path = os.path.join(os.path.dirname(DATA), "..", "bench", "verbs", "est.txt")
    with open(path, encoding="utf-8") as f:
        verbs = f.read().split()
    assert len(verbs) >= 40
    for v in verbs:
        assert conj(v).infinitive == v
