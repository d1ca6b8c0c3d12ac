"""Czech conjugation: analysis of the input, the three lexicons, the single
forms, the table and the CzechConjugation class."""
import os

import pytest

import velnor
from conftest import needs

pytestmark = needs("ces")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data")
ROWS_HEADER = ("# lemma\tp1sg\tp2sg\tp3sg\tp1pl\tp2pl\tp3pl\timp2sg\timp1pl\timp2pl\tlptcp\tpassptcp"
               "\tcvb-m\tcvb-fn (\"-\" = derive)")
CLASSES_HEADER = "# lemma\tclass (uje a i et-i et-eji ne)"
ASPECT_HEADER = ("# Czech aspect: lemma <TAB> impf|pf <TAB> counterpart lemmas (comma-separated, "
                 "may be empty)")
ATTRIBUTES = ["infinitive", "present", "imperative", "past_participle", "passive_participle",
              "transgressive", "minuly_cas", "kondicional"]
DOC = ("The full conjugation table of one Czech verb. Person rows are\n"
       "[já, ty, on/ona, my, vy, oni]; participle rows are\n"
       "[masc sg, fem sg, neut sg, masc-anim pl, fem pl, neut pl].")


def conj(word):
    return velnor.conjugate(word, lang="ces")


def inflect(masc):
    return [masc, masc + "a", masc + "o", masc + "i", masc + "y", masc + "a"]


# verb | present | imperative 2sg 1pl 2pl | l-participle | passive | transgressive m, f/n
# "-" is an absent form, "*" a slot not checked.
COMMON = """
dělat | dělám děláš dělá děláme děláte dělají | dělej dělejme dělejte | dělal | dělán | dělaje dělajíc
čekat | čekám čekáš čeká čekáme čekáte čekají | čekej čekejme čekejte | čekal | čekán | čekaje čekajíc
volat | volám voláš volá voláme voláte volají | volej volejme volejte | volal | volán | volaje volajíc
hledat | hledám hledáš hledá hledáme hledáte hledají | hledej hledejme hledejte | hledal | hledán | hledaje hledajíc
poslouchat | poslouchám posloucháš poslouchá posloucháme posloucháte poslouchají | poslouchej poslouchejme poslouchejte | poslouchal | poslouchán | poslouchaje poslouchajíc
zpívat | zpívám zpíváš zpívá zpíváme zpíváte zpívají | zpívej zpívejme zpívejte | zpíval | zpíván | zpívaje zpívajíc
vypadat | vypadám vypadáš vypadá vypadáme vypadáte vypadají | vypadej vypadejme vypadejte | vypadal | * | vypadaje vypadajíc
běhat | běhám běháš běhá běháme běháte běhají | běhej běhejme běhejte | běhal | * | běhaje běhajíc
potkat | potkám potkáš potká potkáme potkáte potkají | potkej potkejme potkejte | potkal | potkán | *
poznat | poznám poznáš pozná poznáme poznáte poznají | poznej poznejme poznejte | poznal | poznán | *
zavolat | zavolám zavoláš zavolá zavoláme zavoláte zavolají | zavolej zavolejme zavolejte | zavolal | zavolán | *
počkat | počkám počkáš počká počkáme počkáte počkají | počkej počkejme počkejte | počkal | * | *
prodat | prodám prodáš prodá prodáme prodáte prodají | prodej prodejme prodejte | prodal | prodán | *
podat | podám podáš podá podáme podáte podají | podej podejme podejte | podal | podán | *
začínat | začínám začínáš začíná začínáme začínáte začínají | začínej začínejme začínejte | začínal | začínán | začínaje začínajíc
dávat | dávám dáváš dává dáváme dáváte dávají | dávej dávejme dávejte | dával | dáván | dávaje dávajíc
prodávat | prodávám prodáváš prodává prodáváme prodáváte prodávají | prodávej prodávejme prodávejte | prodával | prodáván | prodávaje prodávajíc
zavírat | zavírám zavíráš zavírá zavíráme zavíráte zavírají | zavírej zavírejme zavírejte | zavíral | zavírán | zavíraje zavírajíc
nechat | nechám necháš nechá necháme necháte nechají | nech nechme nechte | nechal | nechán | *
znát | znám znáš zná známe znáte znají | znej znejme znejte | znal | znán | znaje znajíc
dát | dám dáš dá dáme dáte dají | dej dejme dejte | dal | dán | - -
kupovat | kupuji kupuješ kupuje kupujeme kupujete kupují | kupuj kupujme kupujte | kupoval | kupován | kupuje kupujíc
pracovat | pracuji pracuješ pracuje pracujeme pracujete pracují | pracuj pracujme pracujte | pracoval | * | pracuje pracujíc
studovat | studuji studuješ studuje studujeme studujete studují | studuj studujme studujte | studoval | studován | studuje studujíc
potřebovat | potřebuji potřebuješ potřebuje potřebujeme potřebujete potřebují | potřebuj potřebujme potřebujte | potřeboval | potřebován | potřebuje potřebujíc
milovat | miluji miluješ miluje milujeme milujete milují | miluj milujme milujte | miloval | milován | miluje milujíc
cestovat | cestuji cestuješ cestuje cestujeme cestujete cestují | cestuj cestujme cestujte | cestoval | * | cestuje cestujíc
děkovat | děkuji děkuješ děkuje děkujeme děkujete děkují | děkuj děkujme děkujte | děkoval | * | děkuje děkujíc
ukazovat | ukazuji ukazuješ ukazuje ukazujeme ukazujete ukazují | ukazuj ukazujme ukazujte | ukazoval | ukazován | ukazuje ukazujíc
kovat | kuji kuješ kuje kujeme kujete kují | kuj kujme kujte | koval | kován | kuje kujíc
chovat | chovám chováš chová chováme chováte chovají | chovej chovejme chovejte | choval | chován | chovaje chovajíc
schovat | schovám schováš schová schováme schováte schovají | schovej schovejme schovejte | schoval | schován | *
navštívit | navštívím navštívíš navštíví navštívíme navštívíte navštíví | navštiv navštivme navštivte | navštívil | navštíven | *
tisknout | tisknu tiskneš tiskne tiskneme tisknete tisknou | tiskni tiskněme tiskněte | tiskl | tisknut | tiskna tisknouc
minout | minu mineš mine mineme minete minou | miň miňme miňte | minul | minut | *
rozhodnout | rozhodnu rozhodneš rozhodne rozhodneme rozhodnete rozhodnou | rozhodni rozhodněme rozhodněte | rozhodl | rozhodnut | *
zvednout | zvednu zvedneš zvedne zvedneme zvednete zvednou | zvedni zvedněme zvedněte | zvedl | zvednut | *
sednout | sednu sedneš sedne sedneme sednete sednou | sedni sedněme sedněte | sedl | * | *
vzniknout | vzniknu vznikneš vznikne vznikneme vzniknete vzniknou | vznikni vznikněme vznikněte | vznikl | * | *
posunout | posunu posuneš posune posuneme posunete posunou | posuň posuňme posuňte | posunul | posunut | *
zapomenout | zapomenu zapomeneš zapomene zapomeneme zapomenete zapomenou | zapomeň zapomeňme zapomeňte | zapomněl | zapomenut | *
vzpomenout | vzpomenu vzpomeneš vzpomene vzpomeneme vzpomenete vzpomenou | vzpomeň vzpomeňme vzpomeňte | vzpomněl | * | *
usnout | usnu usneš usne usneme usnete usnou | usni usněme usněte | usnul | - | *
zapnout | zapnu zapneš zapne zapneme zapnete zapnou | zapni zapněme zapněte | zapnul | zapnut | *
prosit | prosím prosíš prosí prosíme prosíte prosí | pros prosme proste | prosil | prošen | prose prosíc
platit | platím platíš platí platíme platíte platí | plať plaťme plaťte | platil | placen | platě platíc
mluvit | mluvím mluvíš mluví mluvíme mluvíte mluví | mluv mluvme mluvte | mluvil | mluven | mluvě mluvíc
učit | učím učíš učí učíme učíte učí | uč učme učte | učil | učen | uče učíc
vařit | vařím vaříš vaří vaříme vaříte vaří | vař vařme vařte | vařil | vařen | vaře vaříc
nosit | nosím nosíš nosí nosíme nosíte nosí | nos nosme noste | nosil | nošen | nose nosíc
vozit | vozím vozíš vozí vozíme vozíte vozí | voz vozme vozte | vozil | vožen | voze vozíc
chodit | chodím chodíš chodí chodíme chodíte chodí | choď choďme choďte | chodil | * | chodě chodíc
vrátit | vrátím vrátíš vrátí vrátíme vrátíte vrátí | vrať vraťme vraťte | vrátil | vrácen | *
ztratit | ztratím ztratíš ztratí ztratíme ztratíte ztratí | ztrať ztraťme ztraťte | ztratil | ztracen | *
zaplatit | zaplatím zaplatíš zaplatí zaplatíme zaplatíte zaplatí | zaplať zaplaťme zaplaťte | zaplatil | zaplacen | *
pustit | pustím pustíš pustí pustíme pustíte pustí | pusť pusťme pusťte | pustil | puštěn | *
zjistit | zjistím zjistíš zjistí zjistíme zjistíte zjistí | zjisti zjistěme zjistěte | zjistil | zjištěn | *
čistit | čistím čistíš čistí čistíme čistíte čistí | čisti čistěme čistěte | čistil | čištěn | čistě čistíc
koupit | koupím koupíš koupí koupíme koupíte koupí | kup kupme kupte | koupil | koupen | *
hodit | hodím hodíš hodí hodíme hodíte hodí | hoď hoďme hoďte | hodil | hozen | *
chytit | chytím chytíš chytí chytíme chytíte chytí | chyť chyťme chyťte | chytil | chycen | *
postavit | postavím postavíš postaví postavíme postavíte postaví | postav postavme postavte | postavil | postaven | *
opravit | opravím opravíš opraví opravíme opravíte opraví | oprav opravme opravte | opravil | opraven | *
změnit | změním změníš změní změníme změníte změní | změň změňme změňte | změnil | změněn | *
končit | končím končíš končí končíme končíte končí | konči končeme končete | končil | končen | konče končíc
vysvětlit | vysvětlím vysvětlíš vysvětlí vysvětlíme vysvětlíte vysvětlí | vysvětli vysvětleme vysvětlete | vysvětlil | vysvětlen | *
naučit | naučím naučíš naučí naučíme naučíte naučí | nauč naučme naučte | naučil | naučen | *
věřit | věřím věříš věří věříme věříte věří | věř věřme věřte | věřil | * | věře věříc
kouřit | kouřím kouříš kouří kouříme kouříte kouří | kuř kuřme kuřte | kouřil | kouřen | kouře kouříc
slíbit | slíbím slíbíš slíbí slíbíme slíbíte slíbí | slib slibme slibte | slíbil | slíben | *
řídit | řídím řídíš řídí řídíme řídíte řídí | řiď řiďme řiďte | řídil | řízen | řídě řídíc
jezdit | jezdím jezdíš jezdí jezdíme jezdíte jezdí | jezdi jezděme jezděte | jezdil | * | jezdě jezdíc
vidět | vidím vidíš vidí vidíme vidíte vidí | viď viďme viďte | viděl | viděn | vida vidouc
slyšet | slyším slyšíš slyší slyšíme slyšíte slyší | slyš slyšme slyšte | slyšel | slyšen | slyše slyšíc
sedět | sedím sedíš sedí sedíme sedíte sedí | seď seďme seďte | seděl | * | sedě sedíc
ležet | ležím ležíš leží ležíme ležíte leží | lež ležme ležte | ležel | * | leže ležíc
držet | držím držíš drží držíme držíte drží | drž držme držte | držel | držen | drže držíc
běžet | běžím běžíš běží běžíme běžíte běží | běž běžme běžte | běžel | * | běže běžíc
křičet | křičím křičíš křičí křičíme křičíte křičí | křič křičme křičte | křičel | * | křiče křičíc
letět | letím letíš letí letíme letíte letí | leť leťme leťte | letěl | * | letě letíc
myslet | myslím myslíš myslí myslíme myslíte myslí | mysli mysleme myslete | myslel | myšlen | mysle myslíc
bydlet | bydlím bydlíš bydlí bydlíme bydlíte bydlí | bydli bydleme bydlete | bydlel | * | *
muset | musím musíš musí musíme musíte musí | - - - | musel | - | muse musíc
umět | umím umíš umí umíme umíte umějí | uměj umějme umějte | uměl | * | uměje umějíc
rozumět | rozumím rozumíš rozumí rozumíme rozumíte rozumějí | rozuměj rozumějme rozumějte | rozuměl | * | rozuměje rozumějíc
stavět | stavím stavíš staví stavíme stavíte stavějí | stavěj stavějme stavějte | stavěl | stavěn | stavěje stavějíc
házet | házím házíš hází házíme házíte házejí | házej házejme házejte | házel | házen | házeje házejíc
zkoušet | zkouším zkoušíš zkouší zkoušíme zkoušíte zkoušejí | zkoušej zkoušejme zkoušejte | zkoušel | zkoušen | zkoušeje zkoušejíc
vracet | vracím vracíš vrací vracíme vracíte vracejí | vracej vracejme vracejte | vracel | vracen | vraceje vracejíc
přinášet | přináším přinášíš přináší přinášíme přinášíte přinášejí | přinášej přinášejme přinášejte | přinášel | přinášen | přinášeje přinášejíc
nabízet | nabízím nabízíš nabízí nabízíme nabízíte nabízejí | nabízej nabízejme nabízejte | nabízel | nabízen | nabízeje nabízejíc
být | jsem jsi je jsme jste jsou | buď buďme buďte | byl | - | jsa jsouc
mít | mám máš má máme máte mají | měj mějme mějte | měl | - | maje majíc
jít | jdu jdeš jde jdeme jdete jdou | jdi jděme jděte | šel | - | jda jdouc
přijít | přijdu přijdeš přijde přijdeme přijdete přijdou | přijď přijďme přijďte | přišel | - | *
odejít | odejdu odejdeš odejde odejdeme odejdete odejdou | odejdi odejděme odejděte | odešel | - | *
najít | najdu najdeš najde najdeme najdete najdou | najdi najděme najděte | našel | nalezen | *
jet | jedu jedeš jede jedeme jedete jedou | jeď jeďme jeďte | jel | - | jeda jedouc
přijet | přijedu přijedeš přijede přijedeme přijedete přijedou | přijeď přijeďme přijeďte | přijel | - | *
chtít | chci chceš chce chceme chcete chtějí | chtěj chtějme chtějte | chtěl | chtěn | chtěje chtějíc
jíst | jím jíš jí jíme jíte jedí | jez jezme jezte | jedl | jeden | jeda jedouc
sníst | sním sníš sní sníme sníte snědí | sněz snězme snězte | snědl | sněden | - -
vědět | vím víš ví víme víte vědí | věz vězme vězte | věděl | - | věda vědouc
odpovědět | odpovím odpovíš odpoví odpovíme odpovíte odpovědí | odpověz odpovězme odpovězte | odpověděl | - | *
pít | piji piješ pije pijeme pijete pijí | pij pijme pijte | pil | pit | pije pijíc
vypít | vypiji vypiješ vypije vypijeme vypijete vypijí | vypij vypijme vypijte | vypil | vypit | *
žít | žiji žiješ žije žijeme žijete žijí | žij žijme žijte | žil | - | žije žijíc
umýt | umyji umyješ umyje umyjeme umyjete umyjí | umyj umyjme umyjte | umyl | umyt | *
rozbít | rozbiji rozbiješ rozbije rozbijeme rozbijete rozbijí | rozbij rozbijme rozbijte | rozbil | rozbit | *
hrát | hraji hraješ hraje hrajeme hrajete hrají | hraj hrajme hrajte | hrál | hrán | hraje hrajíc
vyhrát | vyhraji vyhraješ vyhraje vyhrajeme vyhrajete vyhrají | vyhraj vyhrajme vyhrajte | vyhrál | vyhrán | *
stát | stojím stojíš stojí stojíme stojíte stojí | stůj stůjme stůjte | stál | - | stoje stojíc
bát | bojím bojíš bojí bojíme bojíte bojí | boj bojme bojte | bál | - | boje bojíc
spát | spím spíš spí spíme spíte spí | spi spěme spěte | spal | - | spě spíc
dostat | dostanu dostaneš dostane dostaneme dostanete dostanou | dostaň dostaňme dostaňte | dostal | - | - -
zůstat | zůstanu zůstaneš zůstane zůstaneme zůstanete zůstanou | zůstaň zůstaňme zůstaňte | zůstal | - | - -
vstát | vstanu vstaneš vstane vstaneme vstanete vstanou | vstaň vstaňme vstaňte | vstal | - | - -
psát | píši píšeš píše píšeme píšete píší | piš pišme pište | psal | psán | píše píšíc
napsat | napíši napíšeš napíše napíšeme napíšete napíší | napiš napišme napište | napsal | napsán | *
podepsat | podepíši podepíšeš podepíše podepíšeme podepíšete podepíší | podepiš podepišme podepište | podepsal | podepsán | *
brát | beru bereš bere bereme berete berou | ber berme berte | bral | brán | bera berouc
vybrat | vyberu vybereš vybere vybereme vyberete vyberou | vyber vyberme vyberte | vybral | vybrán | *
poslat | pošlu pošleš pošle pošleme pošlete pošlou | pošli pošleme pošlete | poslal | poslán | - -
pozvat | pozvu pozveš pozve pozveme pozvete pozvou | pozvi pozvěme pozvěte | pozval | pozván | *
ukázat | ukážu ukážeš ukáže ukážeme ukážete ukážou | ukaž ukažme ukažte | ukázal | ukázán | *
plakat | pláču pláčeš pláče pláčeme pláčete pláčou | plač plačme plačte | plakal | - | *
vzít | vezmu vezmeš vezme vezmeme vezmete vezmou | vezmi vezměme vezměte | vzal | vzat | - -
začít | začnu začneš začne začneme začnete začnou | začni začněme začněte | začal | začat | - -
přijmout | přijmu přijmeš přijme přijmeme přijmete přijmou | přijmi přijměme přijměte | přijal | přijat | - -
moci | mohu můžeš může můžeme můžete mohou | - - - | mohl | - | moha mohouc
pomoci | pomohu pomůžeš pomůže pomůžeme pomůžete pomohou | pomoz pomozme pomozte | pomohl | - | - -
říct | řeknu řekneš řekne řekneme řeknete řeknou | řekni řekněme řekněte | řekl | řečen | - -
péct | peču pečeš peče pečeme pečete pečou | peč pečme pečte | pekl | pečen | - -
obléct | obleču oblečeš obleče oblečeme oblečete oblečou | obleč oblečme oblečte | oblékl | oblečen | - -
utéct | uteču utečeš uteče utečeme utečete utečou | uteč utečme utečte | utekl | - | *
číst | čtu čteš čte čteme čtete čtou | čti čtěme čtěte | četl | čten | čta čtouc
přečíst | přečtu přečteš přečte přečteme přečtete přečtou | přečti přečtěme přečtěte | přečetl | přečten | *
vést | vedu vedeš vede vedeme vedete vedou | veď veďme veďte | vedl | veden | veda vedouc
nést | nesu neseš nese neseme nesete nesou | nes nesme neste | nesl | nesen | nesa nesouc
přinést | přinesu přineseš přinese přineseme přinesete přinesou | přines přinesme přineste | přinesl | přinesen | *
vézt | vezu vezeš veze vezeme vezete vezou | vez vezme vezte | vezl | vezen | veza vezouc
růst | rostu rosteš roste rosteme rostete rostou | * * * | rostl | - | rosta rostouc
krást | kradu kradeš krade krademe kradete kradou | kraď kraďme kraďte | kradl | kraden | krada kradouc
třást | třesu třeseš třese třeseme třesete třesou | třes třesme třeste | třásl | třesen | třesa třesouc
umřít | umřu umřeš umře umřeme umřete umřou | umři umřeme umřete | umřel | - | - -
otevřít | otevřu otevřeš otevře otevřeme otevřete otevřou | otevři otevřeme otevřete | otevřel | otevřen | - -
zavřít | zavřu zavřeš zavře zavřeme zavřete zavřou | zavři zavřeme zavřete | zavřel | zavřen | - -
třít | třu třeš tře třeme třete třou | tři třeme třete | třel | třen | *
mlít | melu meleš mele meleme melete melou | mel melme melte | mlel | mlet | *
sít | seji seješ seje sejeme sejete sejí | sej sejme sejte | sel | set | seje sejíc
zasít | zaseji zaseješ zaseje zasejeme zasejete zasejí | zasej zasejme zasejte | zasel | zaset | *
hrýzt | hryzu hryzeš hryze hryzeme hryzete hryzou | hryz hryzme hryzte | hryzl | hryzen | hryza hryzouc
ctít | ctím ctíš ctí ctíme ctíte ctí | cti ctěme ctěte | ctil | ctěn | ctě ctíc
uctít | uctím uctíš uctí uctíme uctíte uctí | ucti uctěme uctěte | uctil | uctěn | *
pnout | pnu pneš pne pneme pnete pnou | pni pněme pněte | pnul | pnut | - -
připnout | připnu připneš připne připneme připnete připnou | připni připněme připněte | připnul | připnut | - -
tkát | tkám tkáš tká tkáme tkáte tkají | tkej tkejme tkejte | tkal | tkán | tkaje tkajíc
zrát | zraji zraješ zraje zrajeme zrajete zrají | zraj zrajme zrajte | zrál | - | zraje zrajíc
mřít | mřu mřeš mře mřeme mřete mřou | mři mřeme mřete | mřel | - | - -
stít | setnu setneš setne setneme setnete setnou | setni setněme setněte | sťal | sťat | - -
sbít | sbiji sbiješ sbije sbijeme sbijete sbijí | sbij sbijme sbijte | sbil | sbit | *
vrtět | vrtím vrtíš vrtí vrtíme vrtíte vrtí | vrť vrťme vrťte | vrtěl | * | vrtě vrtíc
stydět | stydím stydíš stydí stydíme stydíte stydí | styď styďme styďte | styděl | * | *
brečet | brečím brečíš brečí brečíme brečíte brečí | breč brečme brečte | brečel | * | breče brečíc
zvonět | zvoním zvoníš zvoní zvoníme zvoníte zvoní | zvoň zvoňme zvoňte | zvoněl | * | *
vypršet | vyprším vypršíš vyprší vypršíme vypršíte vyprší | * * * | vypršel | * | *
uschovat | uschovám uschováš uschová uschováme uschováte uschovají | uschovej uschovejme uschovejte | uschoval | uschován | *
pět | pěji pěješ pěje pějeme pějete pějí | pěj pějme pějte | pěl | - | pěje pějíc
"""


def common_rows():
    out = []
    for line in COMMON.strip().splitlines():
        verb, present, imperative, lptcp, passive, cvb = [part.strip() for part in line.split("|")]
        out.append((verb, present.split(), imperative.split(), lptcp, passive, cvb.split()))
    return out


def none_if_dash(words):
    return [None if w == "-" else w for w in words]


def test_common_table_is_large_enough():
    assert len(common_rows()) >= 100


@pytest.mark.parametrize("verb,present,imperative,lptcp,passive,cvb", common_rows(), ids=lambda v: v if isinstance(v, str) else None)
def test_common_verbs(verb, present, imperative, lptcp, passive, cvb):
    r = conj(verb)
    assert r.infinitive == verb
    assert r.present == present
    if imperative != ["*"] * 3:
        assert r.imperative == none_if_dash(imperative)
    assert r.past_participle[0] == lptcp
    if passive == "-":
        assert r.passive_participle is None
    elif passive != "*":
        assert r.passive_participle == inflect(passive)
    if cvb != ["*"]:
        m, fn = none_if_dash(cvb)
        assert r.transgressive == [m, fn, None if fn is None else fn + "e"]
    # the analytic forms always follow the l-participle
    sg, pl = r.past_participle[0], r.past_participle[3]
    assert r.minuly_cas == [sg + " jsem", sg + " jsi", sg, pl + " jsme", pl + " jste", pl]
    assert r.kondicional == [sg + " bych", sg + " bys", sg + " by", pl + " bychom", pl + " byste", pl + " by"]


@pytest.mark.parametrize("verb,row", [
    ("dělat", ["dělal", "dělala", "dělalo", "dělali", "dělaly", "dělala"]),
    ("kupovat", ["kupoval", "kupovala", "kupovalo", "kupovali", "kupovaly", "kupovala"]),
    ("dojít", ["došel", "došla", "došlo", "došli", "došly", "došla"]),
    ("jít", ["šel", "šla", "šlo", "šli", "šly", "šla"]),
    ("přijít", ["přišel", "přišla", "přišlo", "přišli", "přišly", "přišla"]),
    ("tisknout", ["tiskl", "tiskla", "tisklo", "tiskli", "tiskly", "tiskla"]),
    ("být", ["byl", "byla", "bylo", "byli", "byly", "byla"]),
])
def test_l_participle_rows(verb, row):
    assert conj(verb).past_participle == row


def test_past_and_conditional_of_delat():
    r = conj("dělat")
    assert r.minuly_cas == ["dělal jsem", "dělal jsi", "dělal", "dělali jsme", "dělali jste", "dělali"]
    assert r.kondicional == ["dělal bych", "dělal bys", "dělal by", "dělali bychom", "dělali byste", "dělali by"]
    assert conj("být").minuly_cas == ["byl jsem", "byl jsi", "byl", "byli jsme", "byli jste", "byli"]


# ---- input analysis ----

@pytest.mark.parametrize("text,lemma", [
    ("  Bdít\t", "bdít"),
    ("DĚLAT", "dělat"),
    ("\u3000kupovat\u00a0", "kupovat"),
    ("a", "a"),
    ("česko-slovensko", "česko-slovensko"),
    ("ªa", "ªa"),
])
def test_accepted_inputs(text, lemma):
    assert conj(text).infinitive == lemma


@pytest.mark.parametrize("text", [
    "", "   ", "bdít se", "dělat\tse", "dělat2", "don't", "dělat!", "©dělat", "¬a", "dě lat", "a\u2028b",
])
def test_refused_inputs(text):
    with pytest.raises(ValueError, match="^not a Czech infinitive$"):
        conj(text)


def test_wrong_argument_types():
    with pytest.raises(TypeError):
        velnor.conjugate(b"delat", lang="ces")


@pytest.mark.parametrize("verb,third_plural", [
    ("bečet", "bečí"),       # listed with et-i although -et alone gives et-eji
    ("vidět", "vidí"),       # listed
    ("sázet", "sázejí"),     # not listed: et-eji
    ("kouzlet", "kouzlejí"),
    ("a", "aí"),             # a one-letter lemma takes class i, with nothing cut
])
def test_class_list_and_endings(verb, third_plural):
    assert conj(verb).present[5] == third_plural


def test_bare_class_ending_has_no_imperative():
    r = conj("it")
    assert r.present == ["ím", "íš", "í", "íme", "íte", "í"]
    assert r.imperative == [None, None, None]


def test_word_of_letters_without_a_class_ending():
    # no check that the word is an infinitive: the i class applies with the
    # whole lemma as stem, so nothing rule-derived but the present and the
    # l-participle exists
    r = conj("xyz")
    assert r.present == ["xyzím", "xyzíš", "xyzí", "xyzíme", "xyzíte", "xyzí"]
    assert r.imperative == [None, None, None]
    assert r.passive_participle is None
    assert r.transgressive == [None, None, None]
    assert r.past_participle[0] == "xyl"


# ---- forms that would be misspelt if "ě" were written after any consonant ----

@pytest.mark.parametrize("verb,attr,expected", [
    ("sázet", "present", ["sázím", "sázíš", "sází", "sázíme", "sázíte", "sázejí"]),
    ("sázet", "transgressive", ["sázeje", "sázejíc", "sázejíce"]),
    ("umět", "imperative", ["uměj", "umějme", "umějte"]),
    ("ležet", "transgressive", ["leže", "ležíc", "ležíce"]),
    ("prosit", "transgressive", ["prose", "prosíc", "prosíce"]),
    ("vařit", "transgressive", ["vaře", "vaříc", "vaříce"]),
    ("platit", "transgressive", ["platě", "platíc", "platíce"]),
    ("myslet", "imperative", ["mysli", "mysleme", "myslete"]),
    ("archivařit", "transgressive", ["archivaře", "archivaříc", "archivaříce"]),
])
def test_e_spelling(verb, attr, expected):
    assert getattr(conj(verb), attr) == expected


@pytest.mark.parametrize("verb,passive", [
    ("prosit", "prošen"), ("platit", "placen"), ("chodit", "chozen"), ("čistit", "čištěn"),
    ("jezdit", "ježděn"), ("kreslit", "kreslen"), ("honit", "honěn"), ("učit", "učen"), ("koupit", "koupen"),
    ("vidět", "viděn"), ("trpět", "trpěn"), ("slyšet", "slyšen"), ("házet", "házen"),
])
def test_passive_stem_softening(verb, passive):
    assert conj(verb).passive_participle[0] == passive


def test_imperative_plural_of_lexicon_bases():
    # a base in consonant + i: ě after d, t, n, b, p, v, m; e after the rest
    assert conj("dojít").imperative == ["dojdi", "dojděme", "dojděte"]
    assert conj("bdít").imperative == ["bdi", "bděme", "bděte"]
    assert conj("tisknout").imperative == ["tiskni", "tiskněme", "tiskněte"]
    assert conj("kašlat").imperative == ["kašli", "kašleme", "kašlete"]


# ---- the rows quoted by the lexicon documentation ----

def test_bdit_row():
    r = conj("bdít")
    assert r.present == ["bdím", "bdíš", "bdí", "bdíme", "bdíte", "bdí"]
    assert r.imperative == ["bdi", "bděme", "bděte"]
    assert r.past_participle[0] == "bděl"
    assert r.passive_participle == inflect("bděn")
    assert r.transgressive == ["bdě", "bdíc", "bdíce"]


def test_dojit_row():
    r = conj("dojít")
    assert r.present == ["dojdu", "dojdeš", "dojde", "dojdeme", "dojdete", "dojdou"]
    assert r.past_participle == ["došel", "došla", "došlo", "došli", "došly", "došla"]
    assert r.passive_participle is None


# ---- the class ----

def test_class_shape():
    cls = velnor.CzechConjugation
    assert cls.__doc__ == DOC
    r = conj("kupovat")
    assert isinstance(r, cls)
    assert repr(r) == 'CzechConjugation("kupovat")'
    assert [a for a in ATTRIBUTES if hasattr(r, a)] == ATTRIBUTES
    assert cls.imperative.__doc__ == "[2sg, 1pl, 2pl]"
    assert cls.transgressive.__doc__ == "[masc, fem/neut, plural]"
    assert not hasattr(r, "aspect")
    with pytest.raises(AttributeError):
        r.present = []
    with pytest.raises(TypeError):
        cls()


def test_lists_are_fresh_copies():
    r = conj("dělat")
    r.present.append("x")
    assert len(r.present) == 6
    assert r.present is not r.present


def test_repr_escapes():
    assert repr(conj("a-b")) == 'CzechConjugation("a-b")'


# ---- the built-in lexicons ----

def read(name):
    with open(os.path.join(DATA, name), encoding="utf-8") as f:
        return f.read().split("\n")


def data_lines(lines):
    return [line for line in lines if line and not line.startswith("#")]


def test_row_lexicon_rows_are_served():
    lines = read("ces_rows.tsv")
    assert lines[0] == ROWS_HEADER
    seen = set()
    for line in data_lines(lines):
        cells = line.split("\t")
        assert len(cells) in (14, 15), line
        lemma = cells[0]
        assert lemma not in seen, lemma
        seen.add(lemma)
        assert all(c and c.strip() == c and " " not in c for c in cells), line
        cell = dict(zip(["lemma", "p1", "p2", "p3", "p4", "p5", "p6", "i1", "i2", "i3", "l", "pass", "cm", "cf",
                         "fem"], cells))
        r = conj(lemma)
        assert r.infinitive == lemma
        for i in range(6):
            if cell["p%d" % (i + 1)] != "-":
                assert r.present[i] == cell["p%d" % (i + 1)], line
        for i in range(3):
            if cell["i%d" % (i + 1)] != "-":
                assert r.imperative[i] == cell["i%d" % (i + 1)], line
        if cell["l"] != "-":
            assert r.past_participle[0] == cell["l"]
        if cell["pass"] != "-":
            assert r.passive_participle[0] == cell["pass"]
        if cell["cm"] != "-":
            assert r.transgressive[0] == cell["cm"]
        if cell["cf"] != "-":
            assert r.transgressive[1:] == [cell["cf"], cell["cf"] + "e"]
        if cell.get("fem", "-") != "-":
            assert r.past_participle[1] == cell["fem"]
    assert len(seen) >= 500


def test_class_list_shape():
    lines = read("ces_classes.tsv")
    assert lines[0] == CLASSES_HEADER
    seen = set()
    for line in data_lines(lines):
        lemma, cls = line.split("\t")
        assert cls in ("uje", "a", "i", "et-i", "et-eji", "ne")
        assert lemma not in seen
        seen.add(lemma)
        r = conj(lemma)
        if cls == "et-i":
            assert r.present[5].endswith("í") and not r.present[5].endswith("jí"), lemma


def test_aspect_list_shape():
    lines = read("ces_aspect.tsv")
    assert lines[0] == ASPECT_HEADER
    entries = {}
    for line in data_lines(lines):
        cells = line.split("\t")
        assert len(cells) == 3, line
        lemma, aspect, partners = cells
        assert aspect in ("impf", "pf")
        assert lemma not in entries
        entries[lemma] = (aspect, partners.split(",") if partners else [])
        conj(lemma)
    assert entries["balit"] == ("impf", ["sbalit", "zabalit"])
    assert entries["bafnout"] == ("pf", ["bafat"])
    assert entries["bdít"] == ("impf", [])
    for lemma, (aspect, partners) in entries.items():
        for p in partners:
            # a partner listed in its own right has the other aspect
            if p in entries:
                assert entries[p][0] != aspect, (lemma, p)


# ---- the lexicon parsers, run on texts of our own (C++) ----

FIXTURE_CLASSES = (CLASSES_HEADER + "\n"
                   "vidět\tet-i\n"
                   "bečet\tbogus\n"          # unknown code: line skipped
                   "no-tab-line\n"           # no TAB: skipped
                   "kupovat\tne\textra\n"    # the class cell ends at the next TAB
                   "minout\ti\r\n"           # CR before LF dropped
                   "minout\tne\n"            # a later line replaces an earlier one
                   "\n# comment\tet-i\n")
FIXTURE_ROWS = (ROWS_HEADER + "\n"
                "jít\tjdu\tjdeš\tjde\tjdeme\tjdete\tjdou\tjdi\t-\t\tšel\t-\t-\t-\tšla\textra\n"
                "tisknout\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                "tisknout\ttisknu\n"       # replaces the row above; missing cells absent
                "kupovat\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\tkupuje\tx\r\n")
FIXTURE_ASPECT = (ASPECT_HEADER + "\n"
                  "balit\timpf\tsbalit,zabalit\n"
                  "bdít\timpf\t\n"
                  "bafnout\tpf\tbafat\textra\n"
                  "dělat\tIMPF\tudělat\n"     # anything but "impf" is perfective
                  "jít\timpf\n"               # one TAB only: skipped
                  "vidět\tpf\tx\n"
                  "vidět\timpf\tuvidět,spatřit\n")


@pytest.fixture(scope="module")
def checker(tmp_path_factory):
    from conftest import build_cpp_tool
    import subprocess

    d = tmp_path_factory.mktemp("ces_fixture")
    files = []
    for name, text in (("ces_classes", FIXTURE_CLASSES), ("ces_rows", FIXTURE_ROWS),
                       ("ces_aspect", FIXTURE_ASPECT)):
        path = d / (name + ".tsv")
        path.write_bytes(text.encode("utf-8"))
        files.append(str(path))
    exe = build_cpp_tool(tmp_path_factory.mktemp("ces_check"), "ces_check.cpp",
                         ["ces.cpp", "lexicon_text.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp"], files)

    def run(word):
        p = subprocess.run([exe, word], capture_output=True, text=True, encoding="utf-8", check=True)
        cells = p.stdout.rstrip("\n").split("\t")
        if cells == ["REFUSED"]:
            return None
        keys = ["lemma", "class", "aspect", "partner", "present", "imperative", "lptcp", "passive", "cvb"]
        return dict(zip(keys, cells))

    return run


@pytest.mark.parametrize("word,cls", [
    ("vidět", "et-i"), ("bečet", "et-eji"), ("kupovat", "ne"), ("minout", "ne"), ("no-tab-line", "i"),
])
def test_class_list_parsing(checker, word, cls):
    assert checker(word)["class"] == cls


def test_row_parsing(checker):
    jit = checker("jít")
    assert jit["present"] == "jdu,jdeš,jde,jdeme,jdete,jdou"
    # "-" and an empty cell both leave the 1pl/2pl to the rule on the 2sg
    assert jit["imperative"] == "jdi,jděme,jděte"
    assert jit["lptcp"] == "šel,šla,šlo,šli,šly,šla"
    # a later row replaces the earlier one; cells it lacks are absent
    assert checker("tisknout")["present"] == "tisknu,tiskneš,tiskne,tiskneme,tisknete,tisknou"
    # kupovat is listed in class ne, whose ending it lacks: only its row,
    # the class's present endings on the whole lemma and the l-participle
    # give forms
    kup = checker("kupovat")
    assert kup["cvb"] == "kupuje,x,xe"
    assert kup["passive"] == "~"
    assert kup["imperative"] == "~,~,~"
    assert kup["present"].split(",")[0] == "kupovatnu"
    assert kup["lptcp"].split(",")[0] == "kupoval"


@pytest.mark.parametrize("word,aspect,partner", [
    ("balit", "imperfective", "sbalit"),
    ("bdít", "imperfective", "~"),
    ("bafnout", "perfective", "bafat"),
    ("dělat", "perfective", "udělat"),
    ("jít", "~", "~"),
    ("vidět", "imperfective", "uvidět"),
    ("psát", "~", "~"),
])
def test_aspect_parsing(checker, word, aspect, partner):
    r = checker(word)
    assert (r["aspect"], r["partner"]) == (aspect, partner)


def test_builtin_aspect_entries(tmp_path_factory):
    from conftest import build_cpp_tool
    import subprocess

    files = [os.path.join(DATA, n) for n in ("ces_classes.tsv", "ces_rows.tsv", "ces_aspect.tsv")]
    exe = build_cpp_tool(tmp_path_factory.mktemp("ces_builtin"), "ces_check.cpp",
                         ["ces.cpp", "lexicon_text.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp"], files)
    p = subprocess.run([exe, "balit", "bafnout", "bdít", "psát", "napsat"], capture_output=True, text=True,
                       encoding="utf-8", check=True)
    got = [line.split("\t")[2:4] for line in p.stdout.splitlines()]
    assert got == [["imperfective", "sbalit"], ["perfective", "bafat"], ["imperfective", "~"],
                   ["imperfective", "napsat"], ["perfective", "psát"]]
