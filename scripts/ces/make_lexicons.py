#!/usr/bin/env python3
"""Writes the three Czech lexicons: data/ces_rows.tsv (irregular forms),
data/ces_classes.tsv (conjugation classes) and data/ces_aspect.tsv (aspect
pairs).

Irregular verbs are listed below by hand, each base verb with its present,
imperative, l-participle, passive participle and present transgressive, and
with the prefixed verbs built on it (the prefix, with its linking vowel, is put
in front of every form of the base). Single forms that a prefixed verb does
not share with its base are given in OVERRIDES. Every form was checked with
the cs_CZ hunspell dictionary (scripts/ces/check_forms.sh).

    python3 scripts/ces/make_lexicons.py data
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import grow  # noqa: E402
import rules  # noqa: E402

ROWS_HEADER = ("# lemma\tp1sg\tp2sg\tp3sg\tp1pl\tp2pl\tp3pl\timp2sg\timp1pl\timp2pl\tlptcp\tpassptcp"
               "\tcvb-m\tcvb-fn (\"-\" = derive)")
CLASSES_HEADER = "# lemma\tclass (uje a i et-i et-eji ne)"
ASPECT_HEADER = ("# Czech aspect: lemma <TAB> impf|pf <TAB> counterpart lemmas (comma-separated, "
                 "may be empty)")

# base | present 1sg..3pl | imperative 2sg,1pl,2pl | l-participle | passive |
# transgressive m,fn | feminine l-participle | prefixes ("." = the base itself)
# A "-" leaves the form out (to the rules, or absent when the rules give none).
BASES = """
být|jsem,jsi,je,jsme,jste,jsou|buď,buďme,buďte|byl|-|jsa,jsouc|-|.
~být|budu,budeš,bude,budeme,budete,budou|buď,buďme,buďte|byl|-|buda,budouc|-|při u z po do na od
mít|mám,máš,má,máme,máte,mají|měj,mějme,mějte|měl|-|maje,majíc|-|.
jít|jdu,jdeš,jde,jdeme,jdete,jdou|jdi,-,-|šel|-|jda,jdouc|šla|. do při ode ve vy za na pro obe se u pode nade pře roze vze po
jet|jedu,jedeš,jede,jedeme,jedete,jedou|jeď,jeďme,jeďte|jel|-|jeda,jedouc|-|. do při od vy za pro ob s u pře na roz v pod
chtít|chci,chceš,chce,chceme,chcete,chtějí|chtěj,chtějme,chtějte|chtěl|chtěn|chtěje,chtějíc|-|.
jíst|jím,jíš,jí,jíme,jíte,jedí|jez,jezme,jezte|jedl|jeden|jeda,jedouc|-|. do vy u na pře za
vědět|vím,víš,ví,víme,víte,vědí|věz,vězme,vězte|věděl|-|věda,vědouc|-|. po odpo předpo vypo zapo napo zodpo do z doz
pít|piji,piješ,pije,pijeme,pijete,pijí|pij,pijme,pijte|pil|pit|pije,pijíc|-|. vy do u za o pro po na
bít|biji,biješ,bije,bijeme,bijete,bijí|bij,bijme,bijte|bil|bit|bije,bijíc|-|. za u vy do na od pro pře roz z po s v
šít|šiji,šiješ,šije,šijeme,šijete,šijí|šij,šijme,šijte|šil|šit|šije,šijíc|-|. u při za vy se do ob pře na o
žít|žiji,žiješ,žije,žijeme,žijete,žijí|žij,žijme,žijte|žil|-|žije,žijíc|-|. pro pře do vy za o u po pou vyu s
mýt|myji,myješ,myje,myjeme,myjete,myjí|myj,myjme,myjte|myl|myt|myje,myjíc|-|. u vy o s
krýt|kryji,kryješ,kryje,kryjeme,kryjete,kryjí|kryj,kryjme,kryjte|kryl|kryt|kryje,kryjíc|-|. za od s po pře u při
rýt|ryji,ryješ,ryje,ryjeme,ryjete,ryjí|ryj,ryjme,ryjte|ryl|ryt|ryje,ryjíc|-|. vy za roz v
lít|liji,liješ,lije,lijeme,lijete,lijí|lij,lijme,lijte|lil|lit|lije,lijíc|-|. na vy za po roz s pře do od v
výt|vyji,vyješ,vyje,vyjeme,vyjete,vyjí|vyj,vyjme,vyjte|vyl|-|vyje,vyjíc|-|. za
hnít|hniji,hniješ,hnije,hnijeme,hnijete,hnijí|hnij,hnijme,hnijte|hnil|-|hnije,hnijíc|-|. s
znát|znám,znáš,zná,známe,znáte,znají|znej,znejme,znejte|znal|znán|znaje,znajíc|-|.
dát|dám,dáš,dá,dáme,dáte,dají|dej,dejme,dejte|dal|dán|-|-|. vz u
zdát|zdám,zdáš,zdá,zdáme,zdáte,zdají|zdej,zdejme,zdejte|zdál|-|zdaje,zdajíc|-|.
ptát|ptám,ptáš,ptá,ptáme,ptáte,ptají|ptej,ptejme,ptejte|ptal|-|ptaje,ptajíc|-|.
stát|stojím,stojíš,stojí,stojíme,stojíte,stojí|stůj,stůjme,stůjte|stál|-|stoje,stojíc|-|. ob u vy po do
bát|bojím,bojíš,bojí,bojíme,bojíte,bojí|boj,bojme,bojte|bál|-|boje,bojíc|-|.
~stat|stanu,staneš,stane,staneme,stanete,stanou|staň,staňme,staňte|stal|-|-|-|do na pře zů u za pov
vstát|vstanu,vstaneš,vstane,vstaneme,vstanete,vstanou|vstaň,vstaňme,vstaňte|vstal|-|-|-|.
přistát|přistanu,přistaneš,přistane,přistaneme,přistanete,přistanou|přistaň,přistaňme,přistaňte|přistál|-|-|-|.
blahopřát|blahopřeji,blahopřeješ,blahopřeje,blahopřejeme,blahopřejete,blahopřejí|blahopřej,blahopřejme,blahopřejte|blahopřál|-|blahopřeje,blahopřejíc|-|. po
vlát|vlaji,vlaješ,vlaje,vlajeme,vlajete,vlají|vlaj,vlajme,vlajte|vlál|-|vlaje,vlajíc|-|. za
přimět|přiměji,přiměješ,přiměje,přimějeme,přimějete,přimějí|přiměj,přimějme,přimějte|přiměl|přiměn|přiměje,přimějíc|-|.
hrát|hraji,hraješ,hraje,hrajeme,hrajete,hrají|hraj,hrajme,hrajte|hrál|hrán|hraje,hrajíc|-|. vy pro za do pře na ode se roze u
přát|přeji,přeješ,přeje,přejeme,přejete,přejí|přej,přejme,přejte|přál|přán|přeje,přejíc|-|. po do
smát|směji,směješ,směje,smějeme,smějete,smějí|směj,smějme,smějte|smál|-|směje,smějíc|-|. vy za na u po
hřát|hřeji,hřeješ,hřeje,hřejeme,hřejete,hřejí|hřej,hřejme,hřejte|hřál|hřát|hřeje,hřejíc|-|. o za při pro roze
sát|saji,saješ,saje,sajeme,sajete,sají|saj,sajme,sajte|sál|-|saje,sajíc|-|.
~sát|saji,saješ,saje,sajeme,sajete,sají|saj,sajme,sajte|sál|sát|saje,sajíc|-|vy na
tát|taji,taješ,taje,tajeme,tajete,tají|taj,tajme,tajte|tál|-|taje,tajíc|-|. roz
spát|spím,spíš,spí,spíme,spíte,spí|spi,spěme,spěte|spal|-|spě,spíc|-|.
~spat|spím,spíš,spí,spíme,spíte,spí|spi,spěme,spěte|spal|-|spě,spíc|-|za vy pře do pro
psát|píši,píšeš,píše,píšeme,píšete,píší|piš,pišme,pište|psal|psán|píše,píšíc|-|.
~psat|píši,píšeš,píše,píšeme,píšete,píší|piš,pišme,pište|psal|psán|píše,píšíc|-|na za pode po o pře vy do ode při se přede u nade
brát|beru,bereš,bere,bereme,berete,berou|ber,berme,berte|bral|brán|bera,berouc|-|.
~brat|beru,bereš,bere,bereme,berete,berou|ber,berme,berte|bral|brán|bera,berouc|-|vy se za ode pro pře u do na roze při
prát|peru,pereš,pere,pereme,perete,perou|per,perme,perte|pral|prán|pera,perouc|-|.
~prat|peru,pereš,pere,pereme,perete,perou|per,perme,perte|pral|prán|pera,perouc|-|vy pře po
zvát|zvu,zveš,zve,zveme,zvete,zvou|zvi,zvěme,zvěte|zval|zván|zva,zvouc|-|.
~zvat|zvu,zveš,zve,zveme,zvete,zvou|zvi,zvěme,zvěte|zval|zván|zva,zvouc|-|po vy při na o
hnát|ženu,ženeš,žene,ženeme,ženete,ženou|žeň,žeňme,žeňte|hnal|hnán|žena,ženouc|-|.
~hnat|ženu,ženeš,žene,ženeme,ženete,ženou|žeň,žeňme,žeňte|hnal|hnán|žena,ženouc|-|vy za ode při do přede po roze se na
stlát|stelu,steleš,stele,steleme,stelete,stelou|stel,stelme,stelte|stlal|stlán|stele,stelouc|-|.
~stlat|stelu,steleš,stele,steleme,stelete,stelou|stel,stelme,stelte|stlal|stlán|stele,stelouc|-|u roze na
lhát|lžu,lžeš,lže,lžeme,lžete,lžou|lži,lžeme,lžete|lhal|-|lže,lžouc|-|.
~lhat|lžu,lžeš,lže,lžeme,lžete,lžou|lži,lžeme,lžete|lhal|-|lže,lžouc|-|za
~slat|šlu,šleš,šle,šleme,šlete,šlou|šli,šleme,šlete|slal|slán|-|-|po ode vy za roze přepo
chápat|chápu,chápeš,chápe,chápeme,chápete,chápou|chápej,chápejme,chápejte|chápal|chápán|chápaje,chápajíc|-|.
plakat|pláču,pláčeš,pláče,pláčeme,pláčete,pláčou|plač,plačme,plačte|plakal|-|pláče,pláčíc|-|. roz za vy o
skákat|skáču,skáčeš,skáče,skáčeme,skáčete,skáčou|skákej,skákejme,skákejte|skákal|-|skáče,skáčíc|-|.
kázat|kážu,kážeš,káže,kážeme,kážete,kážou|kaž,kažme,kažte|kázal|kázán|káže,kážíc|-|. u do při roz na za vy od pro vz pou
mazat|mažu,mažeš,maže,mažeme,mažete,mažou|maž,mažme,mažte|mazal|mazán|maže,mažíc|-|. na s vy u roz za pře po
vázat|vážu,vážeš,váže,vážeme,vážete,vážou|važ,važme,važte|vázal|vázán|váže,vážíc|-|. s u za na pře roz od při vy ob pod
řezat|řežu,řežeš,řeže,řežeme,řežete,řežou|řež,řežme,řežte|řezal|řezán|řeže,řežíc|-|. vy u o roz pro na od při pře se
česat|češu,češeš,češe,češeme,češete,češou|češ,češme,češte|česal|česán|češe,češíc|-|. u s vy roz na pro o
kašlat|kašlu,kašleš,kašle,kašleme,kašlete,kašlou|kašli,kašleme,kašlete|kašlal|-|kašle,kašlíc|-|. za vy
plavat|plavu,plaveš,plave,plaveme,plavete,plavou|plav,plavme,plavte|plaval|-|plave,plavouc|-|. do pře u od vy za pro při na
sypat|sypu,sypeš,sype,sypeme,sypete,sypou|syp,sypme,sypte|sypal|sypán|sype,sypouc|-|. na vy za po pře roz do při od se
~jmout|jmu,jmeš,jme,jmeme,jmete,jmou|jmi,jměme,jměte|jal|jat|-|-|při za na po do u zau
vzít|vezmu,vezmeš,vezme,vezmeme,vezmete,vezmou|vezmi,vezměme,vezměte|vzal|vzat|-|-|. pře
~čít|čnu,čneš,čne,čneme,čnete,čnou|čni,čněme,čněte|čal|čat|-|-|za na
moci|mohu,můžeš,může,můžeme,můžete,mohou|-|mohl|-|moha,mohouc|-|.
moct|mohu,můžeš,může,můžeme,můžete,mohou|-|mohl|-|moha,mohouc|-|.
~moci|mohu,můžeš,může,můžeme,můžete,mohou|moz,mozme,mozte|mohl|možen|-|-|po pře vy
~moct|mohu,můžeš,může,můžeme,můžete,mohou|moz,mozme,mozte|mohl|možen|-|-|po pře vy
říci|řeknu,řekneš,řekne,řekneme,řeknete,řeknou|řekni,řekněme,řekněte|řekl|řečen|-|-|.
říct|řeknu,řekneš,řekne,řekneme,řeknete,řeknou|řekni,řekněme,řekněte|řekl|řečen|-|-|.
~říci|řeknu,řekneš,řekne,řekneme,řeknete,řeknou|řekni,řekněme,řekněte|řekl|řečen|-|-|od z do pře
~říct|řeknu,řekneš,řekne,řekneme,řeknete,řeknou|řekni,řekněme,řekněte|řekl|řečen|-|-|od z do pře
péci|peču,pečeš,peče,pečeme,pečete,pečou|peč,pečme,pečte|pekl|pečen|-|-|. u za pro do na
péct|peču,pečeš,peče,pečeme,pečete,pečou|peč,pečme,pečte|pekl|pečen|-|-|. u za pro do na
téci|teču,tečeš,teče,tečeme,tečete,tečou|teč,tečme,tečte|tekl|-|-|-|. u vy pře pro na za od s
téct|teču,tečeš,teče,tečeme,tečete,tečou|teč,tečme,tečte|tekl|-|-|-|. u vy pře pro na za od s
obléci|obleču,oblečeš,obleče,oblečeme,oblečete,oblečou|obleč,oblečme,oblečte|oblékl|oblečen|-|-|.
obléct|obleču,oblečeš,obleče,oblečeme,oblečete,oblečou|obleč,oblečme,oblečte|oblékl|oblečen|-|-|.
svléci|svleču,svlečeš,svleče,svlečeme,svlečete,svlečou|svleč,svlečme,svlečte|svlékl|svlečen|-|-|.
svléct|svleču,svlečeš,svleče,svlečeme,svlečete,svlečou|svleč,svlečme,svlečte|svlékl|svlečen|-|-|.
převléci|převleču,převlečeš,převleče,převlečeme,převlečete,převlečou|převleč,převlečme,převlečte|převlékl|převlečen|-|-|.
převléct|převleču,převlečeš,převleče,převlečeme,převlečete,převlečou|převleč,převlečme,převlečte|převlékl|převlečen|-|-|.
vléci|vleču,vlečeš,vleče,vlečeme,vlečete,vlečou|vleč,vlečme,vlečte|vlekl|vlečen|-|-|.
vléct|vleču,vlečeš,vleče,vlečeme,vlečete,vlečou|vleč,vlečme,vlečte|vlekl|vlečen|-|-|.
tlouci|tluču,tlučeš,tluče,tlučeme,tlučete,tlučou|tluč,tlučme,tlučte|tloukl|tlučen|-|-|.
tlouct|tluču,tlučeš,tluče,tlučeme,tlučete,tlučou|tluč,tlučme,tlučte|tloukl|tlučen|-|-|.
číst|čtu,čteš,čte,čteme,čtete,čtou|čti,čtěme,čtěte|četl|čten|čta,čtouc|-|. pře do vy se ode na při za pro
plést|pletu,pleteš,plete,pleteme,pletete,pletou|pleť,pleťme,pleťte|pletl|pleten|pleta,pletouc|-|. za s vy u roz
mést|metu,meteš,mete,meteme,metete,metou|meť,meťme,meťte|metl|meten|meta,metouc|-|. za vy s
vést|vedu,vedeš,vede,vedeme,vedete,vedou|veď,veďme,veďte|vedl|veden|veda,vedouc|-|. do pře pro vy za od u při roz s na pod před
nést|nesu,neseš,nese,neseme,nesete,nesou|nes,nesme,neste|nesl|nesen|nesa,nesouc|-|. do při od vy za u s pře pro v na roz vz
vézt|vezu,vezeš,veze,vezeme,vezete,vezou|vez,vezme,vezte|vezl|vezen|veza,vezouc|-|. do při od vy za pře pro s roz na
lézt|lezu,lezeš,leze,lezeme,lezete,lezou|lez,lezme,lezte|lezl|-|leza,lezouc|-|. vy za s pře v do pro pod
hrýzt|hryzu,hryzeš,hryze,hryzeme,hryzete,hryzou|hryz,hryzme,hryzte|hryzl|hryzen|hryza,hryzouc|-|.
sít|seji,seješ,seje,sejeme,sejete,sejí|sej,sejme,sejte|sel|set|seje,sejíc|-|. za vy o po roz
nalézt|naleznu,nalezneš,nalezne,nalezneme,naleznete,naleznou|nalezni,nalezněme,nalezněte|nalezl|nalezen|-|-|.
růst|rostu,rosteš,roste,rosteme,rostete,rostou|-|rostl|-|rosta,rostouc|-|. vy do na pře za vz s pro od
kvést|kvetu,kveteš,kvete,kveteme,kvetete,kvetou|kveť,kveťme,kveťte|kvetl|-|kveta,kvetouc|-|. roz vy od
krást|kradu,kradeš,krade,krademe,kradete,kradou|kraď,kraďme,kraďte|kradl|kraden|krada,kradouc|-|. u vy na o roz
klást|kladu,kladeš,klade,klademe,kladete,kladou|klaď,klaďme,klaďte|kladl|kladen|klada,kladouc|-|. na
příst|předu,předeš,přede,předeme,předete,předou|přeď,přeďme,přeďte|předl|předen|předa,předouc|-|.
~mřít|mřu,mřeš,mře,mřeme,mřete,mřou|mři,mřeme,mřete|mřel|-|-|-|. u ze odu vy
~vřít|vřu,vřeš,vře,vřeme,vřete,vřou|vři,vřeme,vřete|vřel|vřen|-|-|ote za uza při roze se
vřít|vřu,vřeš,vře,vřeme,vřete,vřou|vři,vřeme,vřete|vřel|-|-|-|.
~přít|přu,přeš,pře,přeme,přete,přou|při,přeme,přete|přel|přen|-|-|pode o za po
přít|přu,přeš,pře,přeme,přete,přou|při,přeme,přete|přel|-|-|-|.
dřít|dřu,dřeš,dře,dřeme,dřete,dřou|dři,dřeme,dřete|dřel|dřen|dře,dřouc|-|. od se
třít|třu,třeš,tře,třeme,třete,třou|tři,třeme,třete|třel|třen|tře,třouc|-|. u o se vy roze za pře na po
~střít|střu,střeš,stře,střeme,střete,střou|stři,střeme,střete|střel|střen|-|-|pro rozpro za
mlít|melu,meleš,mele,meleme,melete,melou|mel,melme,melte|mlel|mlet|mele,melouc|-|. se u roze
plít|pleji,pleješ,pleje,plejeme,plejete,plejí|plej,plejme,plejte|plel|plet|pleje,plejíc|-|. vy
~pomenout|pomenu,pomeneš,pomene,pomeneme,pomenete,pomenou|pomeň,pomeňme,pomeňte|pomněl|pomenut|-|-|za vz při
usnout|usnu,usneš,usne,usneme,usnete,usnou|usni,usněme,usněte|usnul|-|-|-|.
~hnout|hnu,hneš,hne,hneme,hnete,hnou|hni,hněme,hněte|hnul|hnut|-|-|. po o na vy u za pře
~pnout|pnu,pneš,pne,pneme,pnete,pnou|pni,pněme,pněte|pnul|pnut|-|-|. za vy roze se ode při
mnout|mnu,mneš,mne,mneme,mnete,mnou|mni,mněme,mněte|mnul|mnut|mna,mnouc|-|.
~tnout|tnu,tneš,tne,tneme,tnete,tnou|tni,tněme,tněte|ťal|ťat|-|-|. za u
schnout|schnu,schneš,schne,schneme,schnete,schnou|schni,schněme,schněte|schnul|-|schna,schnouc|-|.
napnout|napnu,napneš,napne,napneme,napnete,napnou|napni,napněme,napněte|napjal|napjat|-|-|.
sníst|sním,sníš,sní,sníme,sníte,snědí|sněz,snězme,snězte|snědl|sněden|-|-|.
obejmout|obejmu,obejmeš,obejme,obejmeme,obejmete,obejmou|obejmi,obejměme,obejměte|objal|objat|-|-|.
odejmout|odejmu,odejmeš,odejme,odejmeme,odejmete,odejmou|odejmi,odejměme,odejměte|odňal|odňat|-|-|.
sejmout|sejmu,sejmeš,sejme,sejmeme,sejmete,sejmou|sejmi,sejměme,sejměte|sňal|sňat|-|-|.
vyjmout|vyjmu,vyjmeš,vyjme,vyjmeme,vyjmete,vyjmou|vyjmi,vyjměme,vyjměte|vyňal|vyňat|-|-|.
~tlouct|tluču,tlučeš,tluče,tlučeme,tlučete,tlučou|tluč,tlučme,tlučte|tloukl|tlučen|-|-|roz na vy u s po za při pro o
~tlouci|tluču,tlučeš,tluče,tlučeme,tlučete,tlučou|tluč,tlučme,tlučte|tloukl|tlučen|-|-|roz na vy u s po za při pro o
~vléct|vleču,vlečeš,vleče,vlečeme,vlečete,vlečou|vleč,vlečme,vlečte|vlekl|vlečen|-|-|od za při do
~vléci|vleču,vlečeš,vleče,vlečeme,vlečete,vlečou|vleč,vlečme,vlečte|vlekl|vlečen|-|-|od za při do
navléct|navleču,navlečeš,navleče,navlečeme,navlečete,navlečou|navleč,navlečme,navlečte|navlékl|navlečen|-|-|.
navléci|navleču,navlečeš,navleče,navlečeme,navlečete,navlečou|navleč,navlečme,navlečte|navlékl|navlečen|-|-|.
plout|pluji,pluješ,pluje,plujeme,plujete,plují|pluj,plujme,plujte|plul|-|pluje,plujíc|-|. do při od vy pro u pře
zout|zuji,zuješ,zuje,zujeme,zujete,zují|zuj,zujme,zujte|zul|zut|zuje,zujíc|-|. pře
obout|obuji,obuješ,obuje,obujeme,obujete,obují|obuj,obujme,obujte|obul|obut|obuje,obujíc|-|.
kout|kuji,kuješ,kuje,kujeme,kujete,kují|kuj,kujme,kujte|kul|kut|kuje,kujíc|-|. u
dout|duji,duješ,duje,dujeme,dujete,dují|duj,dujme,dujte|dul|-|duje,dujíc|-|. na
snít|sním,sníš,sní,sníme,sníte,sní|sni,sněme,sněte|snil|sněn|sně,sníc|-|.
znít|zním,zníš,zní,zníme,zníte,zní|-|zněl|-|zně,zníc|-|. za vy do ode
zřít|zřím,zříš,zří,zříme,zříte,zří|-|zřel|-|zře,zříc|-|. u
dít|ději,děješ,děje,dějeme,dějete,dějí|-|děl|-|děje,dějíc|-|.
chvět|chvěji,chvěješ,chvěje,chvějeme,chvějete,chvějí|chvěj,chvějme,chvějte|chvěl|-|chvěje,chvějíc|-|. za
dbát|dbám,dbáš,dbá,dbáme,dbáte,dbají|dbej,dbejme,dbejte|dbal|-|dbaje,dbajíc|-|.
kát|kaji,kaješ,kaje,kajeme,kajete,kají|kaj,kajme,kajte|kál|-|kaje,kajíc|-|.
vdát|vdám,vdáš,vdá,vdáme,vdáte,vdají|vdej,vdejme,vdejte|vdal|vdán|-|-|.
orat|ořu,ořeš,oře,ořeme,ořete,ořou|oř,ořme,ořte|oral|orán|-|-|.
řvát|řvu,řveš,řve,řveme,řvete,řvou|řvi,řvěme,řvěte|řval|-|řva,řvouc|-|.
~řvat|řvu,řveš,řve,řveme,řvete,řvou|řvi,řvěme,řvěte|řval|-|-|-|za
rvát|rvu,rveš,rve,rveme,rvete,rvou|rvi,rvěme,rvěte|rval|rván|rva,rvouc|-|.
~rvat|rvu,rveš,rve,rveme,rvete,rvou|rvi,rvěme,rvěte|rval|rván|-|-|vy u se
žrát|žeru,žereš,žere,žereme,žerete,žerou|žer,žerme,žerte|žral|žrán|žera,žerouc|-|.
~žrat|žeru,žereš,žere,žereme,žerete,žerou|žer,žerme,žerte|žral|žrán|-|-|se vy na pro
cpát|cpu,cpeš,cpe,cpeme,cpete,cpou|cpi,cpěme,cpěte|cpal|cpán|cpa,cpouc|-|.
~cpat|cpu,cpeš,cpe,cpeme,cpete,cpou|cpi,cpěme,cpěte|cpal|cpán|-|-|na za vy u pře
štvát|štvu,štveš,štve,štveme,štvete,štvou|štvi,štvěme,štvěte|štval|štván|štva,štvouc|-|.
~štvat|štvu,štveš,štve,štveme,štvete,štvou|štvi,štvěme,štvěte|štval|štván|-|-|na u po vy
vít|viji,viješ,vije,vijeme,vijete,vijí|vij,vijme,vijte|vil|vit|vije,vijíc|-|. u
ctít|ctím,ctíš,ctí,ctíme,ctíte,ctí|cti,ctěme,ctěte|ctil|ctěn|ctě,ctíc|-|. u po
pět|pěji,pěješ,pěje,pějeme,pějete,pějí|pěj,pějme,pějte|pěl|-|pěje,pějíc|-|.
tkát|tkám,tkáš,tká,tkáme,tkáte,tkají|tkej,tkejme,tkejte|tkal|tkán|tkaje,tkajíc|-|.
zrát|zraji,zraješ,zraje,zrajeme,zrajete,zrají|zraj,zrajme,zrajte|zrál|-|zraje,zrajíc|-|. do u vy
srát|seru,sereš,sere,sereme,serete,serou|ser,serme,serte|sral|-|sera,serouc|-|.
stít|setnu,setneš,setne,setneme,setnete,setnou|setni,setněme,setněte|sťal|sťat|-|-|.
utít|utnu,utneš,utne,utneme,utnete,utnou|utni,utněme,utněte|uťal|uťat|-|-|.
~vít|vinu,vineš,vine,vineme,vinete,vinou|viň,viňme,viňte|vinul|vinut|-|-|roz za o
třást|třesu,třeseš,třese,třeseme,třesete,třesou|třes,třesme,třeste|třásl|třesen|třesa,třesouc|-|. za o vy pro se roz
pást|pasu,paseš,pase,paseme,pasete,pasou|pas,pasme,paste|pásl|pasen|pasa,pasouc|-|. s vy na
hníst|hnětu,hněteš,hněte,hněteme,hnětete,hnětou|hněť,hněťme,hněťte|hnětl|hněten|hněta,hnětouc|-|. u pro
mást|matu,mateš,mate,mateme,matete,matou|mať,maťme,maťte|mátl|maten|mata,matouc|-|. z
blít|bliji,bliješ,blije,blijeme,blijete,blijí|blij,blijme,blijte|blil|-|blije,blijíc|-|.
nýt|nyji,nyješ,nyje,nyjeme,nyjete,nyjí|nyj,nyjme,nyjte|nyl|-|nyje,nyjíc|-|.
vát|věji,věješ,věje,vějeme,vějete,vějí|věj,vějme,vějte|vál|-|věje,vějíc|-|.
lát|laji,laješ,laje,lajeme,lajete,lají|laj,lajme,lajte|lál|-|laje,lajíc|-|.
plát|planu,planeš,plane,planeme,planete,planou|plaň,plaňme,plaňte|plál|-|plana,planouc|-|.
svát|svanu,svaneš,svane,svaneme,svanete,svanou|svaň,svaňme,svaňte|svál|-|svana,svanouc|-|.
muset|musím,musíš,musí,musíme,musíte,musí|-|musel|-|muse,musíc|-|.
nechat|nechám,necháš,nechá,necháme,necháte,nechají|nech,nechme,nechte|nechal|nechán|nechaje,nechajíc|-|. za
"""

# Verbs of the regular classes whose imperative (or another single form) the
# rules miss: lemma | cells by column name.
SINGLES = """
koupit|imp=kup,kupme,kupte
nakoupit|imp=nakup,nakupme,nakupte
zakoupit|imp=zakup,zakupme,zakupte
vykoupit|imp=vykup,vykupme,vykupte
končit|imp=konči,končeme,končete
skončit|imp=skonči,skončeme,skončete
dokončit|imp=dokonči,dokončeme,dokončete
ukončit|imp=ukonči,ukončeme,ukončete
jezdit|imp=jezdi,jezděme,jezděte
čistit|imp=čisti,čistěme,čistěte
vyčistit|imp=vyčisti,vyčistěme,vyčistěte
zjistit|imp=zjisti,zjistěme,zjistěte
myslit|imp=mysli,mysleme,myslete|pass=myšlen
myslet|imp=mysli,mysleme,myslete|pass=myšlen
vymyslet|imp=vymysli,vymysleme,vymyslete|pass=vymyšlen
domyslet|imp=domysli,domysleme,domyslete|pass=domyšlen
promyslet|imp=promysli,promysleme,promyslete|pass=promyšlen
vrátit|imp=vrať,vraťme,vraťte
obrátit|imp=obrať,obraťme,obraťte
převrátit|imp=převrať,převraťme,převraťte
slíbit|imp=slib,slibme,slibte
řídit|imp=řiď,řiďme,řiďte
vyřídit|imp=vyřiď,vyřiďme,vyřiďte
zařídit|imp=zařiď,zařiďme,zařiďte
nařídit|imp=nařiď,nařiďme,nařiďte
bránit|imp=braň,braňme,braňte
ubránit|imp=ubraň,ubraňme,ubraňte
chválit|imp=chval,chvalme,chvalte
pochválit|imp=pochval,pochvalme,pochvalte
pálit|imp=pal,palme,palte
spálit|imp=spal,spalme,spalte
zkrátit|imp=zkrať,zkraťme,zkraťte
kouřit|imp=kuř,kuřme,kuřte
vykouřit|imp=vykuř,vykuřme,vykuřte
vážit|imp=važ,važme,važte
snížit|imp=sniž,snižme,snižte
přiblížit|imp=přibliž,přibližme,přibližte
mířit|imp=miř,miřme,miřte
soudit|imp=suď,suďme,suďte
odsoudit|imp=odsuď,odsuďme,odsuďte
sloužit|imp=služ,služme,služte
cítit|imp=ciť,ciťme,ciťte|pass=cítěn
zkusit|pass=zkoušen
opozdit|pass=opožděn
zpozdit|pass=zpožděn
chovat|pass=chován
schovat|pass=schován
vychovat|pass=vychován
zachovat|pass=zachován
uchovat|pass=uchován
přechovat|pass=přechován
pochovat|pass=pochován
odchovat|pass=odchován
uschovat|pass=uschován
dochovat|pass=dochován
navštívit|imp=navštiv,navštivme,navštivte
svítit|imp=sviť,sviťme,sviťte
rozsvítit|imp=rozsviť,rozsviťme,rozsviťte
zasáhnout|pass=zasažen
zamyslet|imp=zamysli,zamysleme,zamyslete
zmínit|imp=zmiň,zmiňme,zmiňte
ujistit|imp=ujisti,ujistěme,ujistěte
pojistit|imp=pojisti,pojistěme,pojistěte
jistit|imp=jisti,jistěme,jistěte
mastit|imp=masti,mastěme,mastěte
pustit|imp=pusť,pusťme,pusťte
opustit|imp=opusť,opusťme,opusťte
spustit|imp=spusť,spusťme,spusťte
vypustit|imp=vypusť,vypusťme,vypusťte
dopustit|imp=dopusť,dopusťme,dopusťte
propustit|imp=propusť,propusťme,propusťte
odpustit|imp=odpusť,odpusťme,odpusťte
zapustit|imp=zapusť,zapusťme,zapusťte
připustit|imp=připusť,připusťme,připusťte
rozpustit|imp=rozpusť,rozpusťme,rozpusťte
upustit|imp=upusť,upusťme,upusťte
přepustit|imp=přepusť,přepusťme,přepusťte
napustit|imp=napusť,napusťme,napusťte
popustit|imp=popusť,popusťme,popusťte
vpustit|imp=vpusť,vpusťme,vpusťte
hostit|imp=hosti,hostěme,hostěte
pohostit|imp=pohosti,pohostěme,pohostěte
obléknout|pass=oblečen
svléknout|pass=svlečen
převléknout|pass=převlečen
mýlit|imp=myl,mylme,mylte
vidět|cvbm=vida|cvbfn=vidouc
radit|pass=raděn
poradit|pass=poraděn
třídit|imp=třiď,třiďme,třiďte|pass=tříděn
roztřídit|imp=roztřiď,roztřiďme,roztřiďte|pass=roztříděn
zajistit|imp=zajisti,zajistěme,zajistěte
žehlit|imp=žehli,žehleme,žehlete
vyžehlit|imp=vyžehli,vyžehleme,vyžehlete
chrápat|p1sg=chrápu|p2sg=chrápeš|p3sg=chrápe|p1pl=chrápeme|p2pl=chrápete|p3pl=chrápou
klamat|p1sg=klamu|p2sg=klameš|p3sg=klame|p1pl=klameme|p2pl=klamete|p3pl=klamou
stonat|p1sg=stůňu|p2sg=stůněš|p3sg=stůně|p1pl=stůněme|p2pl=stůněte|p3pl=stůňou
lámat|p1sg=lámu|p2sg=lámeš|p3sg=láme|p1pl=lámeme|p2pl=lámete|p3pl=lámou
tančit|imp=tanči,tančeme,tančete
zatančit|imp=zatanči,zatančeme,zatančete
dosáhnout|pass=dosažen
střihnout|pass=střižen
chránit|imp=chraň,chraňme,chraňte
ochránit|imp=ochraň,ochraňme,ochraňte
zachránit|imp=zachraň,zachraňme,zachraňte
uchránit|imp=uchraň,uchraňme,uchraňte
zabránit|imp=zabraň,zabraňme,zabraňte
navrátit|imp=navrať,navraťme,navraťte
vyvrátit|imp=vyvrať,vyvraťme,vyvraťte
zvrátit|imp=zvrať,zvraťme,zvraťte
odvrátit|imp=odvrať,odvraťme,odvraťte
odkoupit|imp=odkup,odkupme,odkupte
skoupit|imp=skup,skupme,skupte
přikoupit|imp=přikup,přikupme,přikupte
dokoupit|imp=dokup,dokupme,dokupte
podřídit|imp=podřiď,podřiďme,podřiďte
zřídit|imp=zřiď,zřiďme,zřiďte
uřídit|imp=uřiď,uřiďme,uřiďte
seřídit|imp=seřiď,seřiďme,seřiďte
vychválit|imp=vychval,vychvalme,vychvalte
vypálit|imp=vypal,vypalme,vypalte
zapálit|imp=zapal,zapalme,zapalte
opálit|imp=opal,opalme,opalte
připálit|imp=připal,připalme,připalte
upálit|imp=upal,upalme,upalte
propálit|imp=propal,propalme,propalte
odpálit|imp=odpal,odpalme,odpalte
podpálit|imp=podpal,podpalme,podpalte
rozpálit|imp=rozpal,rozpalme,rozpalte
krátit|imp=krať,kraťme,kraťte
ukrátit|imp=ukrať,ukraťme,ukraťte
zakouřit|imp=zakuř,zakuřme,zakuřte
nakouřit|imp=nakuř,nakuřme,nakuřte
pokouřit|imp=pokuř,pokuřme,pokuřte
prokouřit|imp=prokuř,prokuřme,prokuřte
uvážit|imp=uvaž,uvažme,uvažte
zvážit|imp=zvaž,zvažme,zvažte
navážit|imp=navaž,navažme,navažte
odvážit|imp=odvaž,odvažme,odvažte
převážit|imp=převaž,převažme,převažte
vyvážit|imp=vyvaž,vyvažme,vyvažte
povážit|imp=považ,považme,považte
rozvážit|imp=rozvaž,rozvažme,rozvažte
ponížit|imp=poniž,ponižme,ponižte
sblížit|imp=sbliž,sbližme,sbližte
zvýšit|imp=zvyš,zvyšme,zvyšte
povýšit|imp=povyš,povyšme,povyšte
zamířit|imp=zamiř,zamiřme,zamiřte
namířit|imp=namiř,namiřme,namiřte
smířit|imp=smiř,smiřme,smiřte
usmířit|imp=usmiř,usmiřme,usmiřte
posoudit|imp=posuď,posuďme,posuďte
usoudit|imp=usuď,usuďme,usuďte
přisoudit|imp=přisuď,přisuďme,přisuďte
rozsoudit|imp=rozsuď,rozsuďme,rozsuďte
posloužit|imp=posluž,poslužme,poslužte
vysloužit|imp=vysluž,vyslužme,vyslužte
zasloužit|imp=zasluž,zaslužme,zaslužte
obsloužit|imp=obsluž,obslužme,obslužte
odsloužit|imp=odsluž,odslužme,odslužte
dosloužit|imp=dosluž,doslužme,doslužte
políbit|imp=polib,polibme,polibte
ztížit|imp=ztiž,ztižme,ztižte
zatížit|imp=zatiž,zatižme,zatižte
tížit|imp=tiž,tižme,tižte
hájit|imp=haj,hajme,hajte
obhájit|imp=obhaj,obhajme,obhajte
uhájit|imp=uhaj,uhajme,uhajte
zahájit|imp=zahaj,zahajme,zahajte
mlátit|imp=mlať,mlaťme,mlaťte
vymlátit|imp=vymlať,vymlaťme,vymlaťte
zmlátit|imp=zmlať,zmlaťme,zmlaťte
rozmlátit|imp=rozmlať,rozmlaťme,rozmlaťte
trápit|imp=trap,trapme,trapte
utrápit|imp=utrap,utrapme,utrapte
vábit|imp=vab,vabme,vabte
přivábit|imp=přivab,přivabme,přivabte
zesílit|imp=zesil,zesilme,zesilte
posílit|imp=posil,posilme,posilte
šířit|imp=šiř,šiřme,šiřte
rozšířit|imp=rozšiř,rozšiřme,rozšiřte
křížit|imp=křiž,křižme,křižte
zkřížit|imp=zkřiž,zkřižme,zkřižte
překřížit|imp=překřiž,překřižme,překřižte
mísit|imp=mis,misme,miste
smísit|imp=smis,smisme,smiste
líčit|imp=lič,ličme,ličte
vylíčit|imp=vylič,vyličme,vyličte
nalíčit|imp=nalič,naličme,naličte
odlíčit|imp=odlič,odličme,odličte
léčit|imp=leč,lečme,lečte
vyléčit|imp=vyleč,vylečme,vylečte
doléčit|imp=doleč,dolečme,dolečte
rozvířit|imp=rozviř,rozviřme,rozviřte
hlásit|imp=hlas,hlasme,hlaste
ohlásit|imp=ohlas,ohlasme,ohlaste
vyhlásit|imp=vyhlas,vyhlasme,vyhlaste
přihlásit|imp=přihlas,přihlasme,přihlaste
odhlásit|imp=odhlas,odhlasme,odhlaste
nahlásit|imp=nahlas,nahlasme,nahlaste
prohlásit|imp=prohlas,prohlasme,prohlaste
zahlásit|imp=zahlas,zahlasme,zahlaste
prášit|imp=praš,prašme,prašte
poprášit|imp=popraš,poprašme,poprašte
zaprášit|imp=zapraš,zaprašme,zaprašte
oprášit|imp=opraš,oprašme,oprašte
vyprášit|imp=vypraš,vyprašme,vyprašte
ráčit|imp=rač,račme,račte
brousit|imp=brus,brusme,bruste
nabrousit|imp=nabrus,nabrusme,nabruste
vybrousit|imp=vybrus,vybrusme,vybruste
obrousit|imp=obrus,obrusme,obruste
loupit|imp=lup,lupme,lupte
vyloupit|imp=vylup,vylupme,vylupte
oloupit|imp=olup,olupme,olupte
troubit|imp=trub,trubme,trubte
zatroubit|imp=zatrub,zatrubme,zatrubte
soužit|imp=suž,sužme,sužte
prodloužit|imp=prodluž,prodlužme,prodlužte
prohloubit|imp=prohlub,prohlubme,prohlubte
vyhloubit|imp=vyhlub,vyhlubme,vyhlubte
hloubit|imp=hlub,hlubme,hlubte
vyloudit|imp=vyluď,vyluďme,vyluďte
rdousit|imp=rdus,rdusme,rduste
zúžit|imp=zuž,zužme,zužte
bydlet|imp=bydli,bydleme,bydlete
kreslit|imp=kresli,kresleme,kreslete
nakreslit|imp=nakresli,nakresleme,nakreslete
vysvětlit|imp=vysvětli,vysvětleme,vysvětlete
uvolnit|imp=uvolni,uvolněme,uvolněte
zlepšit|imp=zlepši,zlepšeme,zlepšete
zmenšit|imp=zmenši,zmenšeme,zmenšete
pospíšit|imp=pospěš,pospěšme,pospěšte
uspíšit|imp=uspěš,uspěšme,uspěšte
zradit|pass=zrazen
odradit|pass=odrazen
procítit|pass=procítěn
chápat|cvbm=chápaje|cvbfn=chápajíc
zvětšit|imp=zvětši,zvětšeme,zvětšete
# -dit/-tit verbs whose passive keeps -děn/-těn after a vowel, each for its prefixed verbs (naladěn,
# zapečetěn), and the verbs that a row would otherwise take the wrong way (obrodit, obloudit; sladit
# "sweeten"; brebentit softens after n: ubrebencen); poptat, the one compound of ptát se with a passive.
ladit|pass=laděn
hromadit|pass=hromaděn
cídit|pass=cíděn
dědit|pass=děděn
kutit|pass=kutěn
loudit|pass=louděn
vyloudit|pass=vylouděn
obloudit|pass=oblouzen
parádit|pass=paráděn
pečetit|pass=pečetěn
slídit|pass=slíděn
středit|pass=středěn
nudit|pass=nuděn
ředit|pass=ředěn
smradit|pass=smraděn
vnadit|pass=vnaděn
brodit|pass=broděn
obrodit|pass=obrozen
nalodit|pass=naloděn
vylodit|pass=vyloděn
upozadit|pass=upozaděn
vsítit|pass=vsítěn
vymódit|pass=vymóděn
vystrnadit|pass=vystrnaděn
zaneřádit|pass=zaneřáděn
zhovadit|pass=zhovaděn
zaštítit|pass=zaštítěn
rozvadit|pass=rozvaděn
rozproudit|pass=rozprouděn
povodit|pass=povoděn
přivodit|pass=přivoděn
sladit|pass=slazen
brebentit|pass=brebencen
soustředit|pass=soustředěn
poptat|pass=poptán
# Intransitive verbs, with the bases of reflexive verbs (dívat se, starat se): no personal passive ("—"),
# which their prefixed verbs do not share (napadnout: napaden); the verbs of the frequency list whose
# passive the cs_CZ dictionary knows in no form, read one by one.
brečet|pass=—
bydlet|pass=—
chodit|pass=—
chybět|pass=—
dařit|pass=—
divit|pass=—
docházet|pass=—
dospět|pass=—
dotýkat|pass=—
dívat|pass=—
existovat|pass=—
fandit|pass=—
hubnout|pass=—
hýbat|pass=—
kecat|pass=—
klesat|pass=—
kliknout|pass=—
kochat|pass=—
konkurovat|pass=—
koukat|pass=—
kouknout|pass=—
lehnout|pass=—
ležet|pass=—
líbit|pass=—
makat|pass=—
mlčet|pass=—
nadávat|pass=—
odcházet|pass=—
odolat|pass=—
odpočívat|pass=—
padat|pass=—
padnout|pass=—
patřit|pass=—
pochybovat|pass=—
podléhat|pass=—
podílet|pass=—
podívat|pass=—
pokecat|pass=—
pokusit|pass=—
pomáhat|pass=—
porozumět|pass=—
posloužit|pass=—
pracovat|pass=—
pršet|pass=—
přemýšlet|pass=—
přicházet|pass=—
přispívat|pass=—
přispět|pass=—
radovat|pass=—
scházet|pass=—
sednout|pass=—
sedět|pass=—
setkat|pass=—
souhlasit|pass=—
souviset|pass=—
spadnout|pass=—
spolehnout|pass=—
spolupracovat|pass=—
spoléhat|pass=—
sportovat|pass=—
starat|pass=—
stačit|pass=—
stoupat|pass=—
stydět|pass=—
telefonovat|pass=—
trvat|pass=—
trčet|pass=—
týkat|pass=—
ucházet|pass=—
umírat|pass=—
uniknout|pass=—
usmívat|pass=—
uspět|pass=—
utíkat|pass=—
vadit|pass=—
viset|pass=—
vstávat|pass=—
vyhovovat|pass=—
vyhýbat|pass=—
vypadat|pass=—
vyskytovat|pass=—
vznikat|pass=—
vzniknout|pass=—
všímat|pass=—
útočit|pass=—
zabývat|pass=—
zamyslet|pass=—
zapadnout|pass=—
zmizet|pass=—
zvítězit|pass=—
záležet|pass=—
závodit|pass=—
zaútočit|pass=—
zhubnout|pass=—
# The same, ranks 30,000 to 80,000.
bloudit|pass=—
bruslit|pass=—
chcípnout|pass=—
couvat|pass=—
dohlédnout|pass=—
dominovat|pass=—
domáhat|pass=—
hladovět|pass=—
hledět|pass=—
hrozit|pass=—
jásat|pass=—
kamarádit|pass=—
klanět|pass=—
klesnout|pass=—
klouzat|pass=—
kolovat|pass=—
koncertovat|pass=—
kroužit|pass=—
krvácet|pass=—
maturovat|pass=—
meditovat|pass=—
mizet|pass=—
mávat|pass=—
nakouknout|pass=—
napomáhat|pass=—
narukovat|pass=—
narůstat|pass=—
nasednout|pass=—
naskočit|pass=—
nastupovat|pass=—
naříkat|pass=—
náležet|pass=—
ocitnout|pass=—
odjíždět|pass=—
odolávat|pass=—
odporovat|pass=—
odskočit|pass=—
ohlédnout|pass=—
ohlížet|pass=—
ohánět|pass=—
otálet|pass=—
otěhotnět|pass=—
ozývat|pass=—
panikařit|pass=—
plazit|pass=—
pobíhat|pass=—
pobývat|pass=—
pochutnat|pass=—
pocházet|pass=—
podlehnout|pass=—
podobat|pass=—
pohlédnout|pass=—
pokochat|pass=—
pomýšlet|pass=—
poohlédnout|pass=—
popřemýšlet|pass=—
porozhlédnout|pass=—
pospíšit|pass=—
posvítit|pass=—
potýkat|pass=—
praskat|pass=—
prchat|pass=—
profitovat|pass=—
prospět|pass=—
putovat|pass=—
pyšnit|pass=—
přebývat|pass=—
překážet|pass=—
přenocovat|pass=—
přetrvávat|pass=—
přibývat|pass=—
přijíždět|pass=—
připadnout|pass=—
přistávat|pass=—
relaxovat|pass=—
rezignovat|pass=—
rozhlížet|pass=—
rozpadat|pass=—
rozpadnout|pass=—
rozrůstat|pass=—
rybařit|pass=—
selhat|pass=—
setkávat|pass=—
setrvat|pass=—
shodnout|pass=—
shodovat|pass=—
sklouznout|pass=—
skórovat|pass=—
slušet|pass=—
slábnout|pass=—
sněžit|pass=—
soupeřit|pass=—
spinkat|pass=—
spočívat|pass=—
spěchat|pass=—
stanout|pass=—
stanovat|pass=—
stoupnout|pass=—
strachovat|pass=—
stárnout|pass=—
stávat|pass=—
stávkovat|pass=—
stýkat|pass=—
stýskat|pass=—
surfovat|pass=—
svědčit|pass=—
sídlit|pass=—
toulat|pass=—
tykat|pass=—
ubývat|pass=—
unikat|pass=—
upadat|pass=—
upadnout|pass=—
usednout|pass=—
ustupovat|pass=—
usínat|pass=—
uškodit|pass=—
vniknout|pass=—
vonět|pass=—
vychladnout|pass=—
vyniknout|pass=—
vypomáhat|pass=—
vyrůstat|pass=—
vyskakovat|pass=—
vyskočit|pass=—
vyskytnout|pass=—
vystačit|pass=—
vystoupat|pass=—
vytrvat|pass=—
vyústit|pass=—
vzkvétat|pass=—
vzlétnout|pass=—
váhat|pass=—
vítězit|pass=—
zamávat|pass=—
zaniknout|pass=—
zaobírat|pass=—
zavítat|pass=—
zazářit|pass=—
zbohatnout|pass=—
zoufat|pass=—
zápasit|pass=—
záviset|pass=—
zářit|pass=—
zírat|pass=—
zůstávat|pass=—
čumět|pass=—
řádit|pass=—
škodit|pass=—
"""


# Rows written out cell by cell (all fourteen cells given; "-" = derive).
LITERAL = """
bdít	bdím	bdíš	bdí	bdíme	bdíte	bdí	bdi	bděme	bděte	bděl	bděn	bdě	bdíc
archivařit	-	-	-	-	-	-	-	-	-	-	-	archivaře	-
žnout	žnu	žneš	žne	žneme	žnete	žnou	žni	žněme	žněte	žal	žat	-	-
"""

# Single cells that a prefixed verb does not share with its base (None: the
# verb has no such form).
OVERRIDES = {
    "přijít": {"imp": ["přijď", "přijďme", "přijďte"]},
    "ukrást": {"pres": ["ukradnu", "ukradneš", "ukradne", "ukradneme", "ukradnete", "ukradnou"],
               "imp": ["ukradni", "ukradněme", "ukradněte"], "cvb": [None, None]},
    "najít": {"pass": "nalezen"},
    "obejít": {"pass": "obejit"},
    "přejet": {"pass": "přejet"},
    "objet": {"pass": "objet"},
    "projet": {"pass": "projet"},
    "najet": {"pass": "najet"},
    "dobýt": {"pass": "dobyt"},
    "nabýt": {"pass": "nabyt"},
    "odbýt": {"pass": "odbyt"},
    "vypovědět": {"pass": "vypovězen"},
    "předpovědět": {"pass": "předpovězen"},
    "zapovědět": {"pass": "zapovězen"},
    "napovědět": {"pass": "napovězen"},
    "zodpovědět": {"pass": "zodpovězen"},
    "odpovědět": {"pass": None},
    "dovědět": {"pass": None},
    "zvědět": {"pass": None},
    "dopovědět": {"pass": "dopovězen"},
    "prožít": {"pass": "prožit"},
    "přežít": {"pass": "přežit"},
    "zažít": {"pass": "zažit"},
    "užít": {"pass": "užit"},
    "požít": {"pass": "požit"},
    "použít": {"pass": "použit"},
    "využít": {"pass": "využit"},
    "povědět": {"pass": "povězen"},
    "prospat": {"pass": "prospán"},
    "odříci": {"pass": None},
    "odříct": {"pass": None},
    "zříci": {"pass": None},
    "zříct": {"pass": None},
    "pomoci": {"pass": None},
    "hřát": {"pass": None},
    "napít": {"pass": None},
    "ozvat": {"pass": None},
    "pomoct": {"pass": None},
}

# Verbs whose present has -í in the third person plural although the lemma
# ends in -et/-ět (the rules would give -ejí/-ějí).
ET_I = """
pršet vypršet zapršet dopršet vrtět zavrtět dovrtět stydět zastydět pohledět nahledět dohledět
dosedět přesedět nasedět brečet bučet fičet frčet ryčet kručet zvučet řinčet drnčet zurčet hrčet crčet
čučet brnět dunět funět zvonět svědět chraptět chroptět uležet odležet naležet rozležet dodržet pozdržet
předržet naletět předletět slzet
vidět uvidět závidět nenávidět slyšet uslyšet myslet vymyslet domyslet promyslet zamyslet bydlet sedět posedět
vysedět ležet záležet náležet držet zadržet udržet podržet vydržet obdržet zdržet přidržet běžet
křičet zakřičet mlčet zamlčet umlčet letět přiletět odletět doletět vyletět přeletět uletět
vzletět proletět zaletět trpět vytrpět bolet zabolet viset záviset souviset šumět hučet bzučet syčet vrčet cvrčet
ječet kvičet klečet dřepět pištět svištět sršet vonět hřmět mizet zmizet vymizet velet chybět bečet vězet mručet
večeřet hledět hořet lpět trčet čnět smrdět mrzet slušet příslušet hovět vyhovět tkvět bručet skučet
řičet mečet kňučet vřeštět chrčet šustět proležet poležet vyležet přeležet prosedět odsedět vyslyšet rozletět
obletět vletět sletět podletět strpět protrpět rozbolet přebolet zašumět zahučet zasyčet zavrčet zaječet
zakvičet zapištět zasvištět zavelet zabručet zamručet zaskučet zacvrčet zabečet zamečet zařičet zakňučet
zavřeštět zašustět zavonět provonět zahřmět shořet vyhořet dohořet zahořet prohořet uhořet zasmrdět vykřičet
rozkřičet překřičet zahledět pohovět
"""

# Other classes named as they stand.
CLASS_LITERAL = """
bacit	i
žnout	ne
chovat	a
schovat	a
vychovat	a
uschovat	a
dochovat	a
zachovat	a
uchovat	a
přechovat	a
pochovat	a
odchovat	a
"""

# Aspect pairs: imperfective, then its perfective partners.
ASPECT_PAIRS = """
dělat udělat
psát napsat
číst přečíst
jíst sníst
pít vypít
vařit uvařit
platit zaplatit
kupovat koupit
prodávat prodat
dávat dát
brát vzít
říkat říct říci
mluvit promluvit
volat zavolat
čekat počkat
učit naučit
ptát zeptat
vidět uvidět
slyšet uslyšet
dívat podívat
nacházet najít
hledat najít
posílat poslat
dostávat dostat
otevírat otevřít
zavírat zavřít
začínat začít
končit skončit
vracet vrátit
ztrácet ztratit
pomáhat pomoci pomoct
zapomínat zapomenout
vzpomínat vzpomenout
připomínat připomenout
rozhodovat rozhodnout
odpovídat odpovědět
přicházet přijít
odcházet odejít
vcházet vejít
vycházet vyjít
přijíždět přijet
odjíždět odjet
vstávat vstát
sedat sednout
lehat lehnout
padat padnout spadnout
zvedat zvednout
chytat chytit
házet hodit
ukazovat ukázat
stavět postavit
budovat vybudovat
malovat namalovat
kreslit nakreslit
zpívat zazpívat
hrát zahrát
vyhrávat vyhrát
prohrávat prohrát
mýt umýt
umývat umýt
oblékat obléct obléci
svlékat svléct svléci
kouřit vykouřit
snídat nasnídat
obědvat naobědvat
studovat vystudovat
opravovat opravit
měnit změnit
tisknout vytisknout
balit sbalit zabalit
zkoušet zkusit
potkávat potkat
poznávat poznat
zjišťovat zjistit
vysvětlovat vysvětlit
překládat přeložit
pokládat položit
dokazovat dokázat
přinášet přinést
odnášet odnést
přivádět přivést
provádět provést
chápat pochopit
nechávat nechat
zůstávat zůstat
přestávat přestat
umírat umřít zemřít
usínat usnout
budit vzbudit
mazat smazat
vázat svázat
česat učesat
smát zasmát
vyrábět vyrobit
šít ušít
krást ukrást
růst vyrůst
kvést rozkvést
péct upéct
péci upéci
ničit zničit
zamykat zamknout
odemykat odemknout
bavit pobavit
budit probudit
čistit vyčistit
děkovat poděkovat
dělit rozdělit
dovolovat dovolit
hodnotit zhodnotit
holit oholit
hubnout zhubnout
chránit ochránit
chystat přichystat
chutnat ochutnat
kašlat zakašlat
klepat zaklepat
kontrolovat zkontrolovat
kopírovat zkopírovat
léčit vyléčit
lepit nalepit
líbat políbit
lhát zalhat
měřit změřit
nabíjet nabít
nakupovat nakoupit
navštěvovat navštívit
objednávat objednat
obracet obrátit
odpouštět odpustit
ohřívat ohřát
opouštět opustit
oslavovat oslavit
otáčet otočit
pamatovat zapamatovat
plnit splnit
používat použít
využívat využít
prát vyprat
připravovat připravit
prohlížet prohlédnout
prosit poprosit
rodit porodit
rozumět porozumět
řešit vyřešit
sázet zasadit
schovávat schovat
skákat skočit
smažit usmažit
spojovat spojit
stěhovat přestěhovat
sušit usušit
šetřit ušetřit
tancovat zatancovat
třídit roztřídit
uklízet uklidit
věřit uvěřit
vítat přivítat
volit zvolit
zdravit pozdravit
zlobit rozzlobit
žádat požádat
ženit oženit
cítit ucítit
dotýkat dotknout
hýbat pohnout
lámat zlomit
posouvat posunout
rušit zrušit
shánět sehnat
střílet vystřelit
svítit rozsvítit
šeptat zašeptat
uzavírat uzavřít
vkládat vložit
vyhazovat vyhodit
vytvářet vytvořit
zabíjet zabít
zachraňovat zachránit
zakazovat zakázat
zaměstnávat zaměstnat
zasahovat zasáhnout
zdržovat zdržet
zvyšovat zvýšit
snižovat snížit
zlepšovat zlepšit
zvětšovat zvětšit
zmenšovat zmenšit
zkracovat zkrátit
prodlužovat prodloužit
přijímat přijmout
dokončovat dokončit
ukončovat ukončit
odvádět odvést
převádět převést
zavádět zavést
uvádět uvést
přivážet přivézt
odvážet odvézt
dovážet dovézt
vyvážet vyvézt
vylézat vylézt
probouzet probudit
obouvat obout
zouvat zout
večeřet navečeřet
hlásit nahlásit
stěžovat postěžovat
zpracovávat zpracovat
vysílat vyslat
zasílat zaslat
odesílat odeslat
rozesílat rozeslat
přeposílat přeposlat
přepisovat přepsat
opisovat opsat
vypisovat vypsat
předepisovat předepsat
připisovat připsat
odepisovat odepsat
přemlouvat přemluvit
domlouvat domluvit
vyslovovat vyslovit
mávat mávnout
kývat kývnout
sahat sáhnout
tleskat tlesknout
kopat kopnout
bodat bodnout
kousat kousnout
píchat píchnout
zívat zívnout
mrkat mrknout
plivat plivnout
foukat fouknout
šlapat šlápnout
klesat klesnout
pouštět pustit
spouštět spustit
vypouštět vypustit
dopouštět dopustit
propouštět propustit
zaměňovat zaměnit
vyměňovat vyměnit
proměňovat proměnit
vraždit zavraždit
soudit odsoudit
počítat spočítat
sčítat sečíst
odčítat odečíst
násobit vynásobit
zkoumat prozkoumat
objevovat objevit
plánovat naplánovat
slibovat slíbit
děkovat poděkovat
zvát pozvat
zapisovat zapsat
podepisovat podepsat
popisovat popsat
vybírat vybrat
sbírat sebrat
půjčovat půjčit
opakovat zopakovat
organizovat zorganizovat
telefonovat zatelefonovat
fotografovat vyfotografovat
bránit ubránit
trestat potrestat
křičet zakřičet
stříhat ostříhat střihnout
řezat uříznout
bít zbít
hřát ohřát
lít nalít
nalévat nalít
vylévat vylít
vypínat vypnout
zapínat zapnout
otvírat otevřít
dosahovat dosáhnout
nabízet nabídnout
zvykat zvyknout
vznikat vzniknout
mizet zmizet
tančit zatančit
"""
# More pairs of common verbs, imperfective first, from the frequency list.
ASPECT_PAIRS_MORE = """
fungovat zafungovat
poslouchat poslechnout
těšit potěšit
líbit zalíbit
zkoušet vyzkoušet
sloužit posloužit
podporovat podpořit
vyhýbat vyhnout
soustřeďovat soustředit
ovládat ovládnout
reagovat zareagovat
starat postarat
zvládat zvládnout
poskytovat poskytnout
konat vykonat
koukat kouknout
hlídat pohlídat
omezovat omezit
hlasovat odhlasovat
radit poradit
vymýšlet vymyslet
divit podivit
hádat uhádnout
vzdávat vzdát
litovat politovat
tvořit vytvořit
zakládat založit
pohybovat pohnout
bolet zabolet
trávit strávit
cvičit zacvičit
činit učinit
dýchat dýchnout
zachovávat zachovat
diskutovat prodiskutovat
odmítat odmítnout
přebírat převzít
odpočívat odpočinout
trénovat natrénovat
udržovat udržet
omlouvat omluvit
utíkat utéct
rozvíjet rozvinout
dodržovat dodržet
komentovat okomentovat
probíhat proběhnout
stydět zastydět
fotit vyfotit
točit natočit
vyvíjet vyvinout
účastnit zúčastnit
pokoušet pokusit
slavit oslavit
spoléhat spolehnout
podnikat podniknout
odkládat odložit
přispívat přispět
ukládat uložit
unikat uniknout
dohadovat dohodnout
dopadat dopadnout
umísťovat umístit
vyzvedávat vyzvednout
šířit rozšířit
chlubit pochlubit
přesouvat přesunout
stíhat stihnout
zamýšlet zamyslet
skládat složit
nutit donutit
připadat připadnout
tlačit zatlačit
vážit zvážit
plakat zaplakat
loučit rozloučit
předkládat předložit
připouštět připustit
pronikat proniknout
napadat napadnout
kritizovat zkritizovat
pěstovat vypěstovat
vychovávat vychovat
pojmenovávat pojmenovat
vypovídat vypovědět
překračovat překročit
radovat zaradovat
útočit zaútočit
uspívat uspět
vítězit zvítězit
testovat otestovat
nahlížet nahlédnout
dařit podařit
nadávat vynadat
kazit zkazit
likvidovat zlikvidovat
zobrazovat zobrazit
čerpat načerpat
startovat nastartovat
pořádat uspořádat
vypadávat vypadnout
řvát zařvat
věšet pověsit
dohlížet dohlédnout
dopřávat dopřát
rozmýšlet rozmyslet
hájit obhájit
instalovat nainstalovat
přát popřát
páchat spáchat
hradit uhradit
usmívat usmát
mířit zamířit
parkovat zaparkovat
koupat vykoupat
lovit ulovit
ubytovávat ubytovat
vyhovovat vyhovět
kombinovat zkombinovat
strhávat strhnout
prchat uprchnout
zklamávat zklamat
štvát naštvat
nakládat naložit
vykládat vyložit
plést splést
zadržovat zadržet
klikat kliknout
pálit spálit
vsazovat vsadit
vyslýchat vyslechnout
zahrnovat zahrnout
dokládat doložit
blokovat zablokovat
"""

# Imperfective verbs without a perfective partner.
IMPF_ONLY = "muset moci moct chtít vědět znamenat záležet patřit existovat doufat"

# Aspect rows written out as they stand (bafnout with bafat, bdít without a
# partner); they come first in the file.
ASPECT_LITERAL = """
bafnout	pf	bafat
bafat	impf	bafnout
bdít	impf	
"""

COLUMNS = ["p1sg", "p2sg", "p3sg", "p1pl", "p2pl", "p3pl", "imp2sg", "imp1pl", "imp2pl", "lptcp",
           "pass", "cvbm", "cvbfn", "fem"]


def opt(x):
    return None if x in ("-", "") else x


FULL = set()  # lemmas whose whole paradigm is given (the bases and their prefixed verbs)


def parse_bases():
    rows = {}
    for line in BASES.strip().splitlines():
        name, pres, imp, lp, pas, cvb, fem, prefixes = line.split("|")
        base = name.lstrip("~")
        pres = pres.split(",") if pres != "-" else [None] * 6
        imp = imp.split(",") if imp != "-" else [None] * 3
        cvb = cvb.split(",") if cvb != "-" else [None] * 2
        for p in prefixes.split():
            p = "" if p == "." else p
            lemma = p + base
            cells = [*pres, *imp, opt(lp), opt(pas), *cvb, opt(fem)]
            cells = [None if c is None or c == "-" else p + c for c in cells]
            ov = OVERRIDES.get(lemma, {})
            if "imp" in ov:
                cells[6:9] = ov["imp"]
            if "pres" in ov:
                cells[0:6] = ov["pres"]
            if "cvb" in ov:
                cells[11:13] = ov["cvb"]
            if "pass" in ov:
                cells[10] = ov["pass"]
            assert lemma not in rows, lemma
            rows[lemma] = cells
            FULL.add(lemma)
    for line in SINGLES.strip().splitlines():
        lemma, *parts = line.split("|")
        cells = rows.setdefault(lemma, [None] * 14)
        for part in parts:
            key, value = part.split("=")
            if key == "imp":
                cells[6:9] = value.split(",")
            else:
                cells[COLUMNS.index(key)] = value
    for line in LITERAL.strip().splitlines():
        lemma, *cells = line.split("\t")
        assert lemma not in rows, lemma
        rows[lemma] = ([opt(c) for c in cells] + [None] * 14)[:14]
    return rows


def ending_class(lemma):
    """The class the engine gives a lemma by its ending."""
    if len(lemma.encode()) >= 4 and lemma.endswith("ovat"):
        return "uje"
    if lemma.endswith("nout"):
        return "ne"
    if len(lemma.encode()) == 1 or lemma.endswith("it"):
        return "i"
    if lemma.endswith("et") or lemma.endswith("ět"):
        return "et-eji"
    if lemma.endswith("at"):
        return "a"
    return "i"


ENDING = {"uje": ("ovat",), "a": ("at",), "i": ("it",), "et-i": ("et", "ět"), "et-eji": ("et", "ět"),
          "ne": ("nout",)}


def main(out, grow_lists=True):
    rows = parse_bases()
    classes = {}
    for lemma in ET_I.split():
        classes[lemma] = "et-i"
    for line in CLASS_LITERAL.strip().splitlines():
        lemma, cls = line.split("\t")
        classes[lemma] = cls
    # A verb whose every form comes from its row and that lacks one of the
    # rule-built forms (passive, transgressive) is listed with a class whose
    # ending it does not carry, so that the rules derive nothing for it.
    for lemma, cells in rows.items():
        if lemma in classes or lemma not in FULL:
            continue
        cls = ending_class(lemma)
        if not lemma.endswith(ENDING[cls]):
            continue
        if all(c is not None for c in cells[6:13]):
            continue
        first = cells[0]
        choices = ["ne", "i", "a"] if first.endswith("nu") else ["i", "a", "ne"]
        classes[lemma] = next(c for c in choices if not lemma.endswith(ENDING[c]))
    aspect_extra = []
    if grow_lists:
        aspect_extra = extend(rows, classes)
    prune(rows, classes)
    if grow_lists:
        report(rows, classes)
    with open(os.path.join(out, "ces_rows.tsv"), "w", encoding="utf-8") as f:
        f.write(ROWS_HEADER + "\n")
        for lemma, cells in rows.items():
            text = ["-" if c is None else c for c in cells]
            if cells[13] is None:
                text = text[:13]
            f.write("\t".join([lemma, *text]) + "\n")
    with open(os.path.join(out, "ces_classes.tsv"), "w", encoding="utf-8") as f:
        f.write(CLASSES_HEADER + "\n")
        for lemma, cls in classes.items():
            f.write(f"{lemma}\t{cls}\n")
    impf, pf = {}, {}
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "aspect_pairs.txt"),
              encoding="utf-8") as f:
        hand = [line for line in f.read().splitlines() if line.strip() and not line.startswith("#")]
    for line in (ASPECT_PAIRS.strip() + "\n" + ASPECT_PAIRS_MORE.strip()).splitlines() + hand:
        first, *partners = line.split()
        for p in partners:
            impf.setdefault(first, [])
            if p not in impf[first]:
                impf[first].append(p)
            pf.setdefault(p, [])
            if first not in pf[p]:
                pf[p].append(first)
    for first, second in aspect_extra:  # (perfective, imperfective)
        if first in impf or second in pf:
            continue
        impf.setdefault(second, [])
        if first not in impf[second]:
            impf[second].append(first)
        pf.setdefault(first, [])
        if second not in pf[first]:
            pf[first].append(second)
    literal = [line.split("\t") for line in ASPECT_LITERAL.strip("\n").splitlines()]
    literal += [[w, "impf", ""] for w in IMPF_ONLY.split() if w not in impf and w not in pf]
    named = {cells[0] for cells in literal}
    with open(os.path.join(out, "ces_aspect.tsv"), "w", encoding="utf-8") as f:
        f.write(ASPECT_HEADER + "\n")
        for cells in literal:
            f.write("\t".join(cells) + "\n")
        for lemma, partners in impf.items():
            if lemma in named:
                continue
            assert lemma not in pf, lemma
            f.write(f"{lemma}\timpf\t{','.join(partners)}\n")
        for lemma, partners in pf.items():
            if lemma in named:
                continue
            f.write(f"{lemma}\tpf\t{','.join(partners)}\n")


def row_forms(lemma, cls, cells):
    f = rules.forms(lemma, cls, cells)
    lp = cells[13] or f["lptcp"] + "a"
    return f, lp


def engine_forms(lemma, cls, cells, rows, classes):
    """What the engine gives a lemma with these cells: a lemma left without
    a row takes the row of the verb behind its prefix or ne- (rules.decompose)."""
    if any(c is not None for c in cells) and not rules.marker_only(cells):
        return row_forms(lemma, cls, cells)
    k = rules.decompose(lemma, rows, classes)  # a row with the passive mark only: the rest as without it
    if k is None:
        return row_forms(lemma, cls, cells)
    return row_forms(lemma, k[0], k[1] or cells)


def prune(rows, classes):
    """Drops every cell that the engine gives without it, and rows left
    empty; bases first, so that a prefixed verb is weighed against the row
    its base keeps."""
    for lemma in sorted(rows, key=len):
        cells = rows[lemma]
        cls = classes.get(lemma, rules.default_class(lemma))
        want = row_forms(lemma, cls, cells)
        for i in range(14):
            if cells[i] is None:
                continue
            trial = cells[:i] + [None] + cells[i + 1:]
            if engine_forms(lemma, cls, trial, rows, classes) == want:
                cells[i] = None
        if all(c is None for c in cells):
            del rows[lemma]


def extend(rows, classes):
    """Adds the frequency-ranked verbs (grow.py); gives the aspect pairs."""
    sp = grow.Speller()
    cands = grow.candidates()
    sp.check(cands)
    cands = [w for w in cands if sp.ok(w)]
    taken = set(rows) | set(classes)
    bases = {}
    for line in BASES.strip().splitlines():
        name, pres, imp, lp, pas, cvb, fem, _ = line.split("|")
        base = name.lstrip("~")
        if base in bases and not name.startswith("~"):
            continue
        cells = [*(pres.split(",") if pres != "-" else [None] * 6),
                 *(imp.split(",") if imp != "-" else [None] * 3), opt(lp), opt(pas),
                 *(cvb.split(",") if cvb != "-" else [None] * 2), opt(fem)]
        bases[base] = [opt(c) if c else None for c in cells]
    ordered = sorted(bases.items(), key=lambda kv: len(kv[0]), reverse=True)
    for lemma, cells in grow.prefixed_rows(cands, ordered, sp, taken).items():
        rows[lemma] = cells
        FULL.add(lemma)
        taken.add(lemma)
    verbs = set(taken)
    sp.prefetch(lambda probe: [grow.decide(w, probe) for w in cands if w not in taken])
    for w in cands:
        if w in taken:
            continue
        got = grow.decide(w, sp)
        if got is None:
            continue
        cls, cells = got
        verbs.add(w)
        if cls != rules.default_class(w):
            classes[w] = cls
        if any(c is not None for c in cells):
            rows[w] = cells
    print("hunspell calls:", grow.Speller.calls, file=sys.stderr)
    return grow.aspect_pairs([w for w in cands if w in verbs], sp)


def report(rows, classes):
    """Share of the single-word forms of every listed verb that hunspell
    knows, by the verb's frequency band (wordfreq Zipf value)."""
    from wordfreq import zipf_frequency
    sp = grow.Speller()
    bands = {}
    for lemma in dict.fromkeys([*rows, *classes]):
        cls = classes.get(lemma, rules.default_class(lemma))
        k = None if lemma in rows else rules.decompose(lemma, rows, classes)
        f = rules.forms(lemma, k[0], k[1]) if k else rules.forms(lemma, cls, rows.get(lemma))
        if rows.get(lemma) and rows[lemma][13]:
            f["lptcp_f"] = rows[lemma][13]
        z = zipf_frequency(lemma, "cs")
        band = "zipf >= 4" if z >= 4 else "3 <= zipf < 4" if z >= 3 else "2 <= zipf < 3" if z >= 2 else "zipf < 2"
        words = grow.single_words(f)
        cvb = set(x for x in f["cvb"] if x)
        sp.check(words)
        b = bands.setdefault(band, [0, 0, 0, 0, 0])
        b[0] += 1
        for w in words:
            b[1] += 1
            b[2] += sp.ok(w)
            if w not in cvb:
                b[3] += 1
                b[4] += sp.ok(w)
    for band in ("zipf >= 4", "3 <= zipf < 4", "2 <= zipf < 3", "zipf < 2"):
        if band in bands:
            n, t, a, t2, a2 = bands[band]
            print(f"{band}\t{n} verbs\t{a}/{t} forms known ({100 * a / t:.1f} %)"
                  f"\twithout transgressives {a2}/{t2} ({100 * a2 / t2:.1f} %)")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data")
