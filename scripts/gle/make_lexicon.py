#!/usr/bin/env python3
"""Writes data/gle.tsv: principal parts of Irish verbs.

Each verb below is written by hand with its present (3sg-analytic), past base
(before lenition), future, verbal noun and verbal adjective, and where needed
its imperative 2pl and present autonomous. This script keeps the future base
of every verb and blanks ("-") each other cell that the engine's class rules
derive on their own from the lemma and the present base, so a cell in the
lexicon is always one the rules would get wrong. Every form of every table was
checked against the ga_IE hunspell dictionary (scripts/gle/check_forms.py);
the verbs of the UNCONFIRMED lists are the only ones kept whose forms it does
not know.

    python3 scripts/gle/make_lexicon.py > data/gle.tsv
"""

HEADER = '# lemma\tprs-base\tpst-base\tfut-base\tvn\tptcp\timp2sg\timp2pl\tprs-auto ("-" = derive)'

# Rows written out exactly, cell by cell.
LITERAL = [
    ["abair", "deir", "dúirt", "déarfaidh", "rá", "ráite", "-", "abraigí", "deirtear"],
    ["achtaigh", "-", "-", "achtóidh", "-", "-", "-", "-", "-"],
    ["bí", "bíonn", "bí", "beidh", "bheith", "-", "-", "bígí", "bítear"],
    ["bris", "-", "-", "brisfidh", "-", "-", "-", "-", "-"],
    ["léigh", "léann", "léigh", "léifidh", "léamh", "léite", "-", "léigí", "léitear"],
    ["téigh", "téann", "cuaigh", "rachaidh", "dul", "dulta", "-", "téigí", "téitear"],
]

# lemma, present, past base, future, verbal noun, verbal adjective, then
# optional imp2pl=... and auto=... (present autonomous). The past base is the
# unlenited form (conaic gives chonaic, táinig gives tháinig).
VERBS = """
adhlaic adhlacann adhlaic adhlacfaidh adhlacadh adhlactha
seachaid seachadann seachaid seachadfaidh seachadadh seachadta
soláthair soláthraíonn soláthair soláthróidh soláthar soláthartha
tóraigh tóraíonn tóraigh tóróidh tóraíocht tóraithe
achainigh achainíonn achainigh achaineoidh achainí achainithe
airigh airíonn airigh aireoidh aireachtáil airithe
alp alpann alp alpfaidh alpadh alptha
amharc amharcann amharc amharcfaidh amharc amharctha
breac breacann breac breacfaidh breacadh breactha
cam camann cam camfaidh camadh camtha
cleacht cleachtann cleacht cleachtfaidh cleachtadh cleachta auto=cleachtar
cnag cnagann cnag cnagfaidh cnagadh cnagtha
creim creimeann creim creimfidh creimeadh creimthe
crith critheann crith crithfidh crith crite auto=critear
croith croitheann croith croithfidh croitheadh croite auto=croitear
cumhdaigh cumhdaíonn cumhdaigh cumhdóidh cumhdach cumhdaithe
daor daorann daor daorfaidh daoradh daortha
dealraigh dealraíonn dealraigh dealróidh dealramh dealraithe
dearg deargann dearg deargfaidh deargadh deargtha
ding dingeann ding dingfidh dingeadh dingthe
éag éagann éag éagfaidh éag éagtha
gair gaireann gair gairfidh gairm gairthe
geit geiteann geit geitfidh geit geite auto=geitear
impigh impíonn impigh impeoidh impí impithe
loc locann loc locfaidh locadh loctha
ob obann ob obfaidh obadh obtha
osnaigh osnaíonn osnaigh osnóidh osnaíl osnaithe
prioc priocann prioc priocfaidh priocadh prioctha
reic reiceann reic reicfidh reic reicthe
tacht tachtann tacht tachtfaidh tachtadh tachta auto=tachtar
tagraigh tagraíonn tagraigh tagróidh tagairt tagartha
taisc taisceann taisc taiscfidh taisceadh taiscthe
taosc taoscann taosc taoscfaidh taoscadh taosctha
teip teipeann teip teipfidh teip teipthe
tionóil tionólann tionóil tionólfaidh tionól tionólta
deighil deighleann deighil deighilfidh deighilt deighilte auto=deighiltear
easmail easmaileann easmail easmailfidh easmailt easmailte
eisil eisileann eisil eisilfidh eisileadh eisilte
picil picileann picil picilfidh picileadh picilte
fóbair fóbaireann fóbair fóbairfidh fóbairt fóbairthe
íospair íospaireann íospair íospairfidh íospairt íospairthe
toghair toghaireann toghair toghairfidh toghairm toghairthe
urghair urghaireann urghair urghairfidh urghaireadh urghairthe
aisig aiseagann aisig aiseagfaidh aiseag aiseagtha
airlic airleacann airlic airleacfaidh airleacadh airleactha
tost tostann tost tostfaidh tost tosta auto=tostar
at atann at atfaidh at ata auto=atar
cáith cáitheann cáith cáithfidh cáitheadh cáite auto=cáitear
crúigh crúnn crúigh crúfaidh crú crúite
feoigh feonn feoigh feofaidh feo feoite
fuaigh fuann fuaigh fuafaidh fuáil fuaite auto=fuaitear
leath leathann leath leathfaidh leathadh leata auto=leatar
loit loiteann loit loitfidh lot loite auto=loitear
meath meathann meath meathfaidh meath meata auto=meatar
nocht nochtann nocht nochtfaidh nochtadh nochta auto=nochtar
sceith sceitheann sceith sceithfidh sceitheadh sceite auto=sceitear
spréigh spréann spréigh spréifidh spré spréite
teith teitheann teith teithfidh teitheadh teite auto=teitear
tráigh tránn tráigh tráfaidh trá tráite
treabh treabhann treabh treabhfaidh treabhadh treafa
admhaigh admhaíonn admhaigh admhóidh admháil admhaithe
agair agraíonn agair agróidh agairt agartha
aicmigh aicmíonn aicmigh aicmeoidh aicmiú aicmithe
aimsigh aimsíonn aimsigh aimseoidh aimsiú aimsithe
ainmnigh ainmníonn ainmnigh ainmneoidh ainmniú ainmnithe
aistrigh aistríonn aistrigh aistreoidh aistriú aistrithe
aithin aithníonn aithin aithneoidh aithint aitheanta
aontaigh aontaíonn aontaigh aontóidh aontú aontaithe
ardaigh ardaíonn ardaigh ardóidh ardú ardaithe
athbhunaigh athbhunaíonn athbhunaigh athbhunóidh athbhunú athbhunaithe
athchóirigh athchóiríonn athchóirigh athchóireoidh athchóiriú athchóirithe
athraigh athraíonn athraigh athróidh athrú athraithe
bac bacann bac bacfaidh bac bactha
bagair bagraíonn bagair bagróidh bagairt bagartha
bailigh bailíonn bailigh baileoidh bailiú bailithe
bain baineann bain bainfidh baint bainte
baist baisteann baist baistfidh baisteadh baiste auto=baistear
beannaigh beannaíonn beannaigh beannóidh beannú beannaithe
bearr bearrann bearr bearrfaidh bearradh bearrtha
beartaigh beartaíonn beartaigh beartóidh beartú beartaithe
beathaigh beathaíonn beathaigh beathóidh beathú beathaithe
beir beireann rug béarfaidh breith beirthe
blais blaiseann blais blaisfidh blaiseadh blaiste
bog bogann bog bogfaidh bogadh bogtha
bolaigh bolaíonn bolaigh bolóidh bolú bolaithe
braith braitheann braith braithfidh brath braite auto=braitear
breathnaigh breathnaíonn breathnaigh breathnóidh breathnú breathnaithe
bronn bronnann bronn bronnfaidh bronnadh bronnta
brostaigh brostaíonn brostaigh brostóidh brostú brostaithe
bruith bruitheann bruith bruithfidh bruith bruite auto=bruitear
bréagnaigh bréagnaíonn bréagnaigh bréagnóidh bréagnú bréagnaithe
brúigh brúnn brúigh brúfaidh brú brúite
buaigh buann buaigh buafaidh buachan buaite auto=buaitear
buail buaileann buail buailfidh bualadh buailte
bunaigh bunaíonn bunaigh bunóidh bunú bunaithe
bácáil bácálann bácáil bácálfaidh bácáil bácáilte auto=bácáiltear
báigh bánn báigh báfaidh bá báite
cabhraigh cabhraíonn cabhraigh cabhróidh cabhrú cabhraithe
caill cailleann caill caillfidh cailleadh caillte
caith caitheann caith caithfidh caitheamh caite auto=caitear
caoin caoineann caoin caoinfidh caoineadh caointe
caomhnaigh caomhnaíonn caomhnaigh caomhnóidh caomhnú caomhnaithe
cas casann cas casfaidh casadh casta
ceadaigh ceadaíonn ceadaigh ceadóidh ceadú ceadaithe
cealaigh cealaíonn cealaigh cealóidh cealú cealaithe
ceangail ceanglaíonn ceangail ceanglóidh ceangal ceangailte
ceannaigh ceannaíonn ceannaigh ceannóidh ceannach ceannaithe
ceansaigh ceansaíonn ceansaigh ceansóidh ceansú ceansaithe
ceap ceapann ceap ceapfaidh ceapadh ceaptha
ceartaigh ceartaíonn ceartaigh ceartóidh ceartú ceartaithe
ceil ceileann ceil ceilfidh ceilt ceilte
ceiliúir ceiliúrann ceiliúir ceiliúrfaidh ceiliúradh ceiliúrtha
ceistigh ceistíonn ceistigh ceisteoidh ceistiú ceistithe
ciap ciapann ciap ciapfaidh ciapadh ciaptha
cigil ciglíonn cigil cigleoidh cigilt cigilte
cinn cinneann cinn cinnfidh cinneadh cinnte
cinntigh cinntíonn cinntigh cinnteoidh cinntiú cinntithe
ciontaigh ciontaíonn ciontaigh ciontóidh ciontú ciontaithe
ciúnaigh ciúnaíonn ciúnaigh ciúnóidh ciúnú ciúnaithe
clis cliseann clis clisfidh cliseadh cliste
clois cloiseann cuala cloisfidh cloisteáil cloiste
cloígh cloíonn cloígh cloífidh cloí cloíte
cluin cluineann cuala cluinfidh cluinstin cluinte
cláraigh cláraíonn cláraigh cláróidh clárú cláraithe
clóscríobh clóscríobhann clóscríobh clóscríobhfaidh clóscríobh clóscríofa
clúdaigh clúdaíonn clúdaigh clúdóidh clúdach clúdaithe
cniotáil cniotálann cniotáil cniotálfaidh cniotáil cniotáilte auto=cniotáiltear
codail codlaíonn codail codlóidh codladh codlata
cogain cognaíonn cogain cognóidh cogaint coganta
cogair cograíonn cogair cogróidh cogar cogartha
coigil coiglíonn coigil coigleoidh coigilt coigilte
coimeád coimeádann coimeád coimeádfaidh coimeád coimeádta
coinnigh coinníonn coinnigh coinneoidh coinneáil coinnithe
coisc coisceann coisc coiscfidh cosc coiscthe
comhair comhaireann comhair comhairfidh comhaireamh comhairthe
comhairligh comhairlíonn comhairligh comhairleoidh comhairliú comhairlithe
comhaontaigh comhaontaíonn comhaontaigh comhaontóidh comhaontú comhaontaithe
comhlánaigh comhlánaíonn comhlánaigh comhlánóidh comhlánú comhlánaithe
comhlíon comhlíonann comhlíon comhlíonfaidh comhlíonadh comhlíonta
comhoibrigh comhoibríonn comhoibrigh comhoibreoidh comhoibriú comhoibrithe
corraigh corraíonn corraigh corróidh corraí corraithe
cosain cosnaíonn cosain cosnóidh cosaint cosanta
cothaigh cothaíonn cothaigh cothóidh cothú cothaithe
crap crapann crap crapfaidh crapadh craptha
creid creideann creid creidfidh creidiúint creidte
croch crochann croch crochfaidh crochadh crochta
crom cromann crom cromfaidh cromadh cromtha
cruinnigh cruinníonn cruinnigh cruinneoidh cruinniú cruinnithe
cruthaigh cruthaíonn cruthaigh cruthóidh cruthú cruthaithe
cráigh cránn cráigh cráfaidh crá cráite
críochnaigh críochnaíonn críochnaigh críochnóidh críochnú críochnaithe
cuardaigh cuardaíonn cuardaigh cuardóidh cuardach cuardaithe
cuidigh cuidíonn cuidigh cuideoidh cuidiú cuidithe
cuimhnigh cuimhníonn cuimhnigh cuimhneoidh cuimhneamh cuimhnithe
cuimil cuimlíonn cuimil cuimleoidh cuimilt cuimilte
cuir cuireann cuir cuirfidh cur curtha
cum cumann cum cumfaidh cumadh cumtha
cáiligh cáilíonn cáiligh cáileoidh cáiliú cáilithe
cáin cáineann cáin cáinfidh cáineadh cáinte
cíor cíorann cíor cíorfaidh cíoradh cíortha
cócaráil cócarálann cócaráil cócarálfaidh cócaráil cócaráilte auto=cócaráiltear
cóipeáil cóipeálann cóipeáil cóipeálfaidh cóipeáil cóipeáilte auto=cóipeáiltear
cóirigh cóiríonn cóirigh cóireoidh cóiriú cóirithe
cónaigh cónaíonn cónaigh cónóidh cónaí cónaithe
cúisigh cúisíonn cúisigh cúiseoidh cúiseamh cúisithe
daingnigh daingníonn daingnigh daingneoidh daingniú daingnithe
damhsaigh damhsaíonn damhsaigh damhsóidh damhsa damhsaithe
dathaigh dathaíonn dathaigh dathóidh dathú daite
dealaigh dealaíonn dealaigh dealóidh dealú dealaithe
dearbhaigh dearbhaíonn dearbhaigh dearbhóidh dearbhú dearbhaithe
dearc dearcann dearc dearcfaidh dearcadh dearctha
deimhnigh deimhníonn deimhnigh deimhneoidh deimhniú deimhnithe
deisigh deisíonn deisigh deiseoidh deisiú deisithe
deonaigh deonaíonn deonaigh deonóidh deonú deonaithe
diúltaigh diúltaíonn diúltaigh diúltóidh diúltú diúltaithe
dlúthaigh dlúthaíonn dlúthaigh dlúthóidh dlúthú dlúthaithe
doirt doirteann doirt doirtfidh doirteadh doirte auto=doirtear
druid druideann druid druidfidh druidim druidte
dubhaigh dubhaíonn dubhaigh dubhóidh dubhú dubhaithe
déan déanann rinne déanfaidh déanamh déanta
díbir díbríonn díbir díbreoidh díbirt díbeartha
díol díolann díol díolfaidh díol díolta
dírigh díríonn dírigh díreoidh díriú dírithe
dóigh dónn dóigh dófaidh dó dóite
dúbail dúblaíonn dúbail dúblóidh dúbailt dúbailte
dúisigh dúisíonn dúisigh dúiseoidh dúiseacht dúisithe
dún dúnann dún dúnfaidh dúnadh dúnta
dúnmharaigh dúnmharaíonn dúnmharaigh dúnmharóidh dúnmharú dúnmharaithe
eagraigh eagraíonn eagraigh eagróidh eagrú eagraithe
eisigh eisíonn eisigh eiseoidh eisiúint eisithe
eitigh eitíonn eitigh eiteoidh eiteach eitithe
eitil eitlíonn eitil eitleoidh eitilt eitilte
fadaigh fadaíonn fadaigh fadóidh fadú fadaithe
faigh faigheann fuair gheobhaidh fáil faighte
fan fanann fan fanfaidh fanacht fanta
feabhsaigh feabhsaíonn feabhsaigh feabhsóidh feabhsú feabhsaithe
feac feacann feac feacfaidh feacadh feactha
feann feannann feann feannfaidh feannadh feannta
feic feiceann conaic feicfidh feiceáil feicthe
feidhmigh feidhmíonn feidhmigh feidhmeoidh feidhmiú feidhmithe
feistigh feistíonn feistigh feisteoidh feistiú feistithe
fiach fiachann fiach fiachfaidh fiach fiachta
fiafraigh fiafraíonn fiafraigh fiafróidh fiafraí fiafraithe
fill filleann fill fillfidh filleadh fillte
fiosraigh fiosraíonn fiosraigh fiosróidh fiosrú fiosraithe
fiuch fiuchann fiuch fiuchfaidh fiuchadh fiuchta
fliuch fliuchann fliuch fliuchfaidh fliuchadh fliuchta
foghlaim foghlaimíonn foghlaim foghlaimeoidh foghlaim foghlamtha
foilsigh foilsíonn foilsigh foilseoidh foilsiú foilsithe
folaigh folaíonn folaigh folóidh folú folaithe
forbair forbraíonn forbair forbróidh forbairt forbartha
fostaigh fostaíonn fostaigh fostóidh fostú fostaithe
freagair freagraíonn freagair freagróidh freagairt freagartha
freastail freastalaíonn freastail freastalóidh freastal freastalta
fuaraigh fuaraíonn fuaraigh fuaróidh fuarú fuaraithe
fuascail fuasclaíonn fuascail fuasclóidh fuascailt fuascailte
fuin fuineann fuin fuinfidh fuineadh fuinte
fulaing fulaingíonn fulaing fulaingeoidh fulaingt fulaingthe
fág fágann fág fágfaidh fágáil fágtha
fáiltigh fáiltíonn fáiltigh fáilteoidh fáiltiú fáiltithe
fáisc fáisceann fáisc fáiscfidh fáscadh fáiscthe
fás fásann fás fásfaidh fás fásta
féach féachann féach féachfaidh féachaint féachta
fógair fógraíonn fógair fógróidh fógairt fógartha
gabh gabhann gabh gabhfaidh gabháil gafa
geall geallann geall geallfaidh gealladh geallta
gearr gearrann gearr gearrfaidh gearradh gearrtha
gearán gearánann gearán gearánfaidh gearán gearánta
gin gineann gin ginfidh giniúint ginte
glac glacann glac glacfaidh glacadh glactha
glan glanann glan glanfaidh glanadh glanta
glaoigh glaonn glaoigh glaofaidh glaoch glaoite
gluais gluaiseann gluais gluaisfidh gluaiseacht gluaiste
gnáthaigh gnáthaíonn gnáthaigh gnáthóidh gnáthú gnáthaithe
gníomhaigh gníomhaíonn gníomhaigh gníomhóidh gníomhú gníomhaithe
gnóthaigh gnóthaíonn gnóthaigh gnóthóidh gnóthú gnóthaithe
goid goideann goid goidfidh goid goidte
goill goilleann goill goillfidh goilleadh goillte
gortaigh gortaíonn gortaigh gortóidh gortú gortaithe
greamaigh greamaíonn greamaigh greamóidh greamú greamaithe
gríosaigh gríosaíonn gríosaigh gríosóidh gríosú gríosaithe
guigh guíonn guigh guífidh guí guite auto=guitear
géaraigh géaraíonn géaraigh géaróidh géarú géaraithe
géill géilleann géill géillfidh géilleadh géillte
iarnáil iarnálann iarnáil iarnálfaidh iarnáil iarnáilte auto=iarnáiltear
iarr iarrann iarr iarrfaidh iarraidh iarrtha
imigh imíonn imigh imeoidh imeacht imithe
imir imríonn imir imreoidh imirt imeartha
infheistigh infheistíonn infheistigh infheisteoidh infheistiú infheistithe
inis insíonn inis inseoidh insint inste
iniúch iniúchann iniúch iniúchfaidh iniúchadh iniúchta
iomlánaigh iomlánaíonn iomlánaigh iomlánóidh iomlánú iomlánaithe
iompaigh iompaíonn iompaigh iompóidh iompú iompaithe
iompair iompraíonn iompair iompróidh iompar iompartha
ionsaigh ionsaíonn ionsaigh ionsóidh ionsaí ionsaithe
ith itheann ith íosfaidh ithe ite auto=itear
labhair labhraíonn labhair labhróidh labhairt labhartha
lagaigh lagaíonn lagaigh lagóidh lagú lagaithe
laghdaigh laghdaíonn laghdaigh laghdóidh laghdú laghdaithe
las lasann las lasfaidh lasadh lasta
leag leagann leag leagfaidh leagan leagtha
lean leanann lean leanfaidh leanúint leanta
leasaigh leasaíonn leasaigh leasóidh leasú leasaithe
leathnaigh leathnaíonn leathnaigh leathnóidh leathnú leathnaithe
leigheas leigheasann leigheas leigheasfaidh leigheas leigheasta
leáigh leánn leáigh leáfaidh leá leáite
lig ligeann lig ligfidh ligean ligthe
liostaigh liostaíonn liostaigh liostóidh liostú liostaithe
lobh lobhann lobh lobhfaidh lobhadh lofa
lochtaigh lochtaíonn lochtaigh lochtóidh lochtú lochtaithe
loisc loisceann loisc loiscfidh loscadh loiscthe
lorg lorgaíonn lorg lorgóidh lorg lorgtha
luaigh luann luaigh luafaidh lua luaite auto=luaitear
luasc luascann luasc luascfaidh luascadh luasctha
luigh luíonn luigh luífidh luí luite auto=luitear
láimhsigh láimhsíonn láimhsigh láimhseoidh láimhsiú láimhsithe
léim léimeann léim léimfidh léim léimthe
léirigh léiríonn léirigh léireoidh léiriú léirithe
léirmhínigh léirmhíníonn léirmhínigh léirmhíneoidh léirmhíniú léirmhínithe
líon líonann líon líonfaidh líonadh líonta
lúb lúbann lúb lúbfaidh lúbadh lúbtha
mair maireann mair mairfidh maireachtáil mairthe
maisigh maisíonn maisigh maiseoidh maisiú maisithe
maith maitheann maith maithfidh maitheamh maite auto=maitear
maraigh maraíonn maraigh maróidh marú maraithe
marcaigh marcaíonn marcaigh marcóidh marcaíocht marcaithe
maslaigh maslaíonn maslaigh maslóidh maslú maslaithe
meas measann meas measfaidh meas measta
measc meascann measc meascfaidh meascadh measctha
meil meileann meil meilfidh meilt meilte
mill milleann mill millfidh milleadh millte
mol molann mol molfaidh moladh molta
mothaigh mothaíonn mothaigh mothóidh mothú mothaithe
méadaigh méadaíonn méadaigh méadóidh méadú méadaithe
mínigh míníonn mínigh míneoidh míniú mínithe
múin múineann múin múinfidh múineadh múinte
múscail músclaíonn múscail músclóidh múscailt múscailte
nasc nascann nasc nascfaidh nascadh nasctha
neartaigh neartaíonn neartaigh neartóidh neartú neartaithe
nigh níonn nigh nífidh ní nite auto=nitear
ofráil ofrálann ofráil ofrálfaidh ofráil ofráilte auto=ofráiltear
oibrigh oibríonn oibrigh oibreoidh oibriú oibrithe
oiriúnaigh oiriúnaíonn oiriúnaigh oiriúnóidh oiriúnú oiriúnaithe
ordaigh ordaíonn ordaigh ordóidh ordú ordaithe
oscail osclaíonn oscail osclóidh oscailt oscailte
pacáil pacálann pacáil pacálfaidh pacáil pacáilte auto=pacáiltear
pioc piocann pioc piocfaidh piocadh pioctha
plab plabann plab plabfaidh plabadh plabtha
pléasc pléascann pléasc pléascfaidh pléascadh pléasctha
pléigh pléann pléigh pléifidh plé pléite
plódaigh plódaíonn plódaigh plódóidh plódú plódaithe
preab preabann preab preabfaidh preabadh preabtha
páirceáil páirceálann páirceáil páirceálfaidh páirceáil páirceáilte auto=páirceáiltear
péinteáil péinteálann péinteáil péinteálfaidh péinteáil péinteáilte auto=péinteáiltear
póg pógann póg pógfaidh pógadh pógtha
pós pósann pós pósfaidh pósadh pósta
rangaigh rangaíonn rangaigh rangóidh rangú rangaithe
reoigh reonn reoigh reofaidh reo reoite
rialaigh rialaíonn rialaigh rialóidh rialú rialaithe
rianaigh rianaíonn rianaigh rianóidh rianú rianaithe
rinc rinceann rinc rincfidh rince rincthe
rith ritheann rith rithfidh rith rite auto=ritear
roghnaigh roghnaíonn roghnaigh roghnóidh roghnú roghnaithe
roinn roinneann roinn roinnfidh roinnt roinnte
ruaig ruaigeann ruaig ruaigfidh ruaigeadh ruaigthe
réitigh réitíonn réitigh réiteoidh réiteach réitithe
ríomh ríomhann ríomh ríomhfaidh ríomh ríofa
sac sacann sac sacfaidh sacadh sactha
saibhrigh saibhríonn saibhrigh saibhreoidh saibhriú saibhrithe
samhlaigh samhlaíonn samhlaigh samhlóidh samhlú samhlaithe
saor saorann saor saorfaidh saoradh saortha
saothraigh saothraíonn saothraigh saothróidh saothrú saothraithe
scag scagann scag scagfaidh scagadh scagtha
scaip scaipeann scaip scaipfidh scaipeadh scaipthe
scairt scairteann scairt scairtfidh scairteadh scairte auto=scairtear
scanraigh scanraíonn scanraigh scanróidh scanrú scanraithe
scaoil scaoileann scaoil scaoilfidh scaoileadh scaoilte
scar scarann scar scarfaidh scaradh scartha
sciob sciobann sciob sciobfaidh sciobadh sciobtha
scoilt scoilteann scoilt scoiltfidh scoilteadh scoilte auto=scoiltear
scoir scoireann scoir scoirfidh scor scortha
scread screadann scread screadfaidh screadach screadta
scrios scriosann scrios scriosfaidh scriosadh scriosta
scríob scríobann scríob scríobfaidh scríobadh scríobtha
scríobh scríobhann scríobh scríobhfaidh scríobh scríofa
scrúdaigh scrúdaíonn scrúdaigh scrúdóidh scrúdú scrúdaithe
scuab scuabann scuab scuabfaidh scuabadh scuabtha
scól scólann scól scólfaidh scóladh scólta
seachain seachnaíonn seachain seachnóidh seachaint seachanta
sealbhaigh sealbhaíonn sealbhaigh sealbhóidh sealbhú sealbhaithe
seas seasann seas seasfaidh seasamh seasta
seiceáil seiceálann seiceáil seiceálfaidh seiceáil seiceáilte auto=seiceáiltear
seinn seinneann seinn seinnfidh seinm seinnte
seol seolann seol seolfaidh seoladh seolta
sil sileann sil silfidh sileadh silte
siúil siúlann siúil siúlfaidh siúl siúlta
sleamhnaigh sleamhnaíonn sleamhnaigh sleamhnóidh sleamhnú sleamhnaithe
slog slogann slog slogfaidh slogadh slogtha
slánaigh slánaíonn slánaigh slánóidh slánú slánaithe
smachtaigh smachtaíonn smachtaigh smachtóidh smachtú smachtaithe
smaoinigh smaoiníonn smaoinigh smaoineoidh smaoineamh smaoinithe
snoigh snoíonn snoigh snoífidh snoí snoite auto=snoitear
snámh snámhann snámh snámhfaidh snámh snáfa
socraigh socraíonn socraigh socróidh socrú socraithe
soilsigh soilsíonn soilsigh soilseoidh soilsiú soilsithe
soiléirigh soiléiríonn soiléirigh soiléireoidh soiléiriú soiléirithe
spreag spreagann spreag spreagfaidh spreagadh spreagtha
srac sracann srac sracfaidh sracadh sractha
sroich sroicheann sroich sroichfidh sroicheadh sroichte
stad stadann stad stadfaidh stad stadta
stampáil stampálann stampáil stampálfaidh stampáil stampáilte auto=stampáiltear
stiúir stiúrann stiúir stiúrfaidh stiúradh stiúrtha
stop stopann stop stopfaidh stopadh stoptha
stróic stróiceann stróic stróicfidh stróiceadh stróicthe
stán stánann stán stánfaidh stánadh stánta
suaimhnigh suaimhníonn suaimhnigh suaimhneoidh suaimhniú suaimhnithe
suigh suíonn suigh suífidh suí suite auto=suitear
sábh sábhann sábh sábhfaidh sábhadh sáfa
sábháil sábhálann sábháil sábhálfaidh sábháil sábháilte auto=sábháiltear
sáigh sánn sáigh sáfaidh sá sáite
sásaigh sásaíonn sásaigh sásóidh sásamh sásaithe
séan séanann séan séanfaidh séanadh séanta
séid séideann séid séidfidh séideadh séidte
síl síleann síl sílfidh síleadh sílte
sín síneann sín sínfidh síneadh sínte
sínigh síníonn sínigh síneoidh síniú sínithe
tabhair tugann tug tabharfaidh tabhairt tugtha
tacaigh tacaíonn tacaigh tacóidh tacú tacaithe
taifead taifeadann taifead taifeadfaidh taifeadadh taifeadta
tairg tairgeann tairg tairgfidh tairiscint tairgthe
taispeáin taispeánann taispeáin taispeánfaidh taispeáint taispeánta
taistil taistealaíonn taistil taistealóidh taisteal taistealta
tar tagann táinig tiocfaidh teacht tagtha
tarlaigh tarlaíonn tarla tarlóidh tarlú tarlaithe
tarraing tarraingíonn tarraing tarraingeoidh tarraingt tarraingthe
teagasc teagascann teagasc teagascfaidh teagasc teagasctha
teastaigh teastaíonn teastaigh teastóidh teastáil teastaithe
teilg teilgeann teilg teilgfidh teilgean teilgthe
tiomsaigh tiomsaíonn tiomsaigh tiomsóidh tiomsú tiomsaithe
tiomáin tiomáineann tiomáin tiomáinfidh tiomáint tiomáinte
tiontaigh tiontaíonn tiontaigh tiontóidh tiontú tiontaithe
tit titeann tit titfidh titim tite auto=titear
tochail tochlaíonn tochail tochlóidh tochailt tochailte
togh toghann togh toghfaidh toghadh tofa
toirmisc toirmisceann toirmisc toirmiscfidh toirmeasc toirmiscthe
tomhais tomhaiseann tomhais tomhaisfidh tomhas tomhaiste
tosaigh tosaíonn tosaigh tosóidh tosú tosaithe
traenáil traenálann traenáil traenálfaidh traenáil traenáilte auto=traenáiltear
trasnaigh trasnaíonn trasnaigh trasnóidh trasnú trasnaithe
treoraigh treoraíonn treoraigh treoróidh treorú treoraithe
triail triaileann triail triailfidh triail triailte
triomaigh triomaíonn triomaigh triomóidh triomú triomaithe
troid troideann troid troidfidh troid troidte
truailligh truaillíonn truailligh truailleoidh truailliú truaillithe
tréig tréigeann tréig tréigfidh tréigean tréigthe
tuairiscigh tuairiscíonn tuairiscigh tuairisceoidh tuairisciú tuairiscithe
tuar tuarann tuar tuarfaidh tuar tuartha
tuig tuigeann tuig tuigfidh tuiscint tuigthe
tuill tuilleann tuill tuillfidh tuilleamh tuillte
tuirling tuirlingíonn tuirling tuirlingeoidh tuirlingt tuirlingthe
tuirsigh tuirsíonn tuirsigh tuirseoidh tuirsiú tuirsithe
tum tumann tum tumfaidh tumadh tumtha
tástáil tástálann tástáil tástálfaidh tástáil tástáilte auto=tástáiltear
tóg tógann tóg tógfaidh tógáil tógtha
uimhrigh uimhríonn uimhrigh uimhreoidh uimhriú uimhrithe
ullmhaigh ullmhaíonn ullmhaigh ullmhóidh ullmhú ullmhaithe
urramaigh urramaíonn urramaigh urramóidh urramú urramaithe
vótáil vótálann vótáil vótálfaidh vótáil vótáilte auto=vótáiltear
áirigh áiríonn áirigh áireoidh áireamh áirithe
áitigh áitíonn áitigh áiteoidh áitiú áitithe
éalaigh éalaíonn éalaigh éalóidh éalú éalaithe
éascaigh éascaíonn éascaigh éascóidh éascú éascaithe
éiligh éilíonn éiligh éileoidh éileamh éilithe
éirigh éiríonn éirigh éireoidh éirí éirithe
éist éisteann éist éistfidh éisteacht éiste auto=éistear
íobair íobraíonn íobair íobróidh íobairt íobartha
íoc íocann íoc íocfaidh íoc íoctha
íoslódáil íoslódálann íoslódáil íoslódálfaidh íoslódáil íoslódáilte auto=íoslódáiltear
ísligh íslíonn ísligh ísleoidh ísliú íslithe
ól ólann ól ólfaidh ól ólta
úsáid úsáideann úsáid úsáidfidh úsáid úsáidte
comhfhreagair comhfhreagraíonn comhfhreagair comhfhreagróidh comhfhreagairt comhfhreagartha
eascair eascraíonn eascair eascróidh eascairt eascartha
satail satlaíonn satail satlóidh satailt satailte
tionscain tionscnaíonn tionscain tionscnóidh tionscnamh tionscanta
aithris aithrisíonn aithris aithriseoidh aithris aithriste
taitin taitníonn taitin taitneoidh taitneamh taitnithe
comhcheangail comhcheanglaíonn comhcheangail comhcheanglóidh comhcheangal comhcheangailte
béic béiceann béic béicfidh béiceach béicthe
bíog bíogann bíog bíogfaidh bíogadh bíogtha
bréag bréagann bréag bréagfaidh bréagadh bréagtha
brúcht brúchtann brúcht brúchtfaidh brúchtadh brúchta auto=brúchtar
carn carnann carn carnfaidh carnadh carnta
céas céasann céas céasfaidh céasadh céasta
claon claonann claon claonfaidh claonadh claonta
creach creachann creach creachfaidh creachadh creachta
cúb cúbann cúb cúbfaidh cúbadh cúbtha
dáil dáileann dáil dáilfidh dáileadh dáilte
dreap dreapann dreap dreapfaidh dreapadh dreaptha
faomh faomhann faomh faomhfaidh faomhadh faofa
fead feadann fead feadfaidh feadaíl feadta
fionn fionnann fionn fionnfaidh fionnadh fionnta
geal gealann geal gealfaidh gealadh gealta
gléas gléasann gléas gléasfaidh gléasadh gléasta
gread greadann gread greadfaidh greadadh greadta
lasc lascann lasc lascfaidh lascadh lasctha
liath liathann liath liathfaidh liathadh liata auto=liatar
líomh líomhann líomh líomhfaidh líomhadh líofa
lom lomann lom lomfaidh lomadh lomtha
meall meallann meall meallfaidh mealladh meallta
múch múchann múch múchfaidh múchadh múchta
oil oileann oil oilfidh oiliúint oilte
plúch plúchann plúch plúchfaidh plúchadh plúchta
réab réabann réab réabfaidh réabadh réabtha
riar riarann riar riarfaidh riar riartha
rop ropann rop ropfaidh ropadh roptha
saill sailleann saill saillfidh sailleadh saillte
scall scallann scall scallfaidh scalladh scallta
scamh scamhann scamh scamhfaidh scamhadh scafa
sciorr sciorrann sciorr sciorrfaidh sciorradh sciorrtha
scoith scoitheann scoith scoithfidh scoitheadh scoite auto=scoitear
slad sladann slad sladfaidh slad sladta
smear smearann smear smearfaidh smearadh smeartha
sníomh sníomhann sníomh sníomhfaidh sníomh sníofa
spíon spíonann spíon spíonfaidh spíonadh spíonta
srian srianann srian srianfaidh srianadh srianta
staon staonann staon staonfaidh staonadh staonta
suaith suaitheann suaith suaithfidh suaitheadh suaite auto=suaitear
teann teannann teann teannfaidh teannadh teannta
teasc teascann teasc teascfaidh teascadh teasctha
trácht tráchtann trácht tráchtfaidh trácht tráchta auto=tráchtar
craol craolann craol craolfaidh craoladh craolta
craobhscaoil craobhscaoileann craobhscaoil craobhscaoilfidh craobhscaoileadh craobhscaoilte
díscaoil díscaoileann díscaoil díscaoilfidh díscaoileadh díscaoilte
forlíon forlíonann forlíon forlíonfaidh forlíonadh forlíonta
forleath forleathann forleath forleathfaidh forleathadh forleata auto=forleatar
athscríobh athscríobhann athscríobh athscríobhfaidh athscríobh athscríofa
athchuir athchuireann athchuir athchuirfidh athchur athchurtha
tarchuir tarchuireann tarchuir tarchuirfidh tarchur tarchurtha
díchuir díchuireann díchuir díchuirfidh díchur díchurtha
athghin athghineann athghin athghinfidh athghiniúint athghinte
athlíon athlíonann athlíon athlíonfaidh athlíonadh athlíonta
athghabh athghabhann athghabh athghabhfaidh athghabháil athghafa
forghabh forghabhann forghabh forghabhfaidh forghabháil forghafa
ionghabh ionghabhann ionghabh ionghabhfaidh ionghabháil ionghafa
idirghabh idirghabhann idirghabh idirghabhfaidh idirghabháil idirghafa
athsheol athsheolann athsheol athsheolfaidh athsheoladh athsheolta
réamhíoc réamhíocann réamhíoc réamhíocfaidh réamhíoc réamhíoctha
súigh súnn súigh súfaidh sú súite
ionsúigh ionsúnn ionsúigh ionsúfaidh ionsú ionsúite
athnuaigh athnuann athnuaigh athnuafaidh athnuachan athnuaite auto=athnuaitear
meáigh meánn meáigh meáfaidh meá meáite
gráigh gránn gráigh gráfaidh grá gráite
gáir gáireann gáir gáirfidh gáire gáirthe
goil goileann goil goilfidh gol goilte
róst róstann róst róstfaidh róstadh rósta auto=róstar
frioch friochann frioch friochfaidh friochadh friochta
can canann can canfaidh canadh canta
fóir fóireann fóir fóirfidh fóirithint fóirthe
iasc iascann iasc iascfaidh iascach iasctha
sainaithin sainaithníonn sainaithin sainaithneoidh sainaithint sainaitheanta
diúraic diúracann diúraic diúracfaidh diúracadh diúractha
tionlaic tionlacann tionlaic tionlacfaidh tionlacan tionlactha
tíolaic tíolacann tíolaic tíolacfaidh tíolacadh tíolactha
imdhíon imdhíonann imdhíon imdhíonfaidh imdhíonadh imdhíonta
dall dallann dall dallfaidh dalladh dallta
searg seargann searg seargfaidh seargadh seargtha
scaird scairdeann scaird scairdfidh scairdeadh scairdte
scinn scinneann scinn scinnfidh scinneadh scinnte
sciurd sciurdann sciurd sciurdfaidh sciurdadh sciurdta
stiall stiallann stiall stiallfaidh stialladh stiallta
stoith stoitheann stoith stoithfidh stoitheadh stoite auto=stoitear
díon díonann díon díonfaidh díonadh díonta
leon leonann leon leonfaidh leonadh leonta
pian pianann pian pianfaidh pianadh pianta
síob síobann síob síobfaidh síobadh síobtha
slíoc slíocann slíoc slíocfaidh slíocadh slíoctha
smiot smiotann smiot smiotfaidh smiotadh smiota auto=smiotar
tál tálann tál tálfaidh tál tálta
cealg cealgann cealg cealgfaidh cealgadh cealgtha
goin goineann goin goinfidh goin gonta
caoch caochann caoch caochfaidh caochadh caochta
sciúr sciúrann sciúr sciúrfaidh sciúradh sciúrtha
srann srannann srann srannfaidh srannadh srannta
stang stangann stang stangfaidh stangadh stangtha
traoch traochann traoch traochfaidh traochadh traochta
cuach cuachann cuach cuachfaidh cuachadh cuachta
téacht téachtann téacht téachtfaidh téachtadh téachta auto=téachtar
tomhail tomhlaíonn tomhail tomhlóidh tomhailt tomhailte
triall triallann triall triallfaidh triall triallta
coimhéad coimhéadann coimhéad coimhéadfaidh coimhéad coimhéadta
diúg diúgann diúg diúgfaidh diúgadh diúgtha
diúl diúlann diúl diúlfaidh diúl diúlta
léas léasann léas léasfaidh léasadh léasta
snigh sníonn snigh snífidh sní snite auto=snitear
figh fíonn figh fífidh fí fite auto=fitear
aisghair aisghaireann aisghair aisghairfidh aisghairm aisghairthe
coisric coisriceann coisric coisricfidh coisreacan coisricthe
adhain adhnann adhain adhanfaidh adhaint adhainte auto=adhantar
ionnail ionlann ionnail ionnalfaidh ionladh ionnalta auto=ionnaltar
diongaibh diongbhann diongaibh diongabhfaidh diongbháil diongbháilte auto=diongabhtar
bligh blíonn bligh blífidh bleán blite auto=blitear
díbligh díblíonn díbligh díbleoidh díbliú díblithe
oir oireann oir oirfidh oiriúint oirthe
comóir comóireann comóir comóirfidh comóradh comórtha
iomair iomraíonn iomair iomróidh iomramh iomartha
sléacht sléachtann sléacht sléachtfaidh sléachtadh sléachta auto=sléachtar
coill coilleann coill coillfidh coilleadh coillte
léirscrios léirscriosann léirscrios léirscriosfaidh léirscriosadh léirscriosta
liúigh liúnn liúigh liúfaidh liú liúite
spalp spalpann spalp spalpfaidh spalpadh spalptha
spréach spréachann spréach spréachfaidh spréachadh spréachta
stríoc stríocann stríoc stríocfaidh stríocadh stríoctha
urghabh urghabhann urghabh urghabhfaidh urghabháil urghafa
dear dearann dear dearfaidh dearadh deartha
grean greanann grean greanfaidh greanadh greanta
mionghearr mionghearrann mionghearr mionghearrfaidh mionghearradh mionghearrtha
adhmhol adhmholann adhmhol adhmholfaidh adhmholadh adhmholta
bladhm bladhmann bladhm bladhmfaidh bladhmadh bladhmtha
breab breabann breab breabfaidh breabadh breabtha
díleáigh díleánn díleáigh díleáfaidh díleá díleáite
speach speachann speach speachfaidh speachadh speachta
treascair treascraíonn treascair treascróidh treascairt treascartha
déroinn déroinneann déroinn déroinnfidh déroinnt déroinnte
síolchuir síolchuireann síolchuir síolchuirfidh síolchur síolchurtha
cruach cruachann cruach cruachfaidh cruachadh cruachta
agaill agallann agaill agallfaidh agallamh agallta
dearmad dearmadann dearmad dearmadfaidh dearmad dearmadta
péac péacann péac péacfaidh péacadh péactha
ionsáigh ionsánn ionsáigh ionsáfaidh ionsá ionsáite
réamhaithris réamhaithrisíonn réamhaithris réamhaithriseoidh réamhaithris réamhaithriste
cruaigh cruann cruaigh cruafaidh cruachan cruaite auto=cruaitear
éagaoin éagaoineann éagaoin éagaoinfidh éagaoineadh éagaointe
logh loghann logh loghfaidh loghadh loghtha
fair faireann fair fairfidh faire fairthe
driog driogann driog driogfaidh driogadh driogtha
snaidhm snaidhmeann snaidhm snaidhmfidh snaidhmeadh snaidhmthe
corn cornann corn cornfaidh cornadh cornta
cros crosann cros crosfaidh crosadh crosta
fiar fiarann fiar fiarfaidh fiaradh fiartha
splanc splancann splanc splancfaidh splancadh splanctha
scioll sciollann scioll sciollfaidh sciolladh sciollta
borr borrann borr borrfaidh borradh borrtha
buair buaireann buair buairfidh buaireamh buartha
ionnarb ionnarbann ionnarb ionnarbfaidh ionnarbadh ionnarbtha
taiscéal taiscéalann taiscéal taiscéalfaidh taiscéaladh taiscéalta
clóbhuail clóbhuaileann clóbhuail clóbhuailfidh clóbhualadh clóbhuailte
aisíoc aisíocann aisíoc aisíocfaidh aisíoc aisíoctha
díspeag díspeagann díspeag díspeagfaidh díspeagadh díspeagtha
cónaisc cónascann cónaisc cónascfaidh cónascadh cónasctha
athraon athraonann athraon athraonfaidh athraonadh athraonta
cóimheas cóimheasann cóimheas cóimheasfaidh cóimheas cóimheasta
frithchaith frithchaitheann frithchaith frithchaithfidh frithchaitheamh frithchaite auto=frithchaitear
athchomhair athchomhaireann athchomhair athchomhairfidh athchomhaireamh athchomhairthe
athchum athchumann athchum athchumfaidh athchumadh athchumtha
folc folcann folc folcfaidh folcadh folctha
troisc troisceann troisc troiscfidh troscadh troiscthe
toll tollann toll tollfaidh tolladh tollta
searr searrann searr searrfaidh searradh searrtha
sméid sméideann sméid sméidfidh sméideadh sméidte
rúisc rúisceann rúisc rúiscfidh rúscadh rúiscthe
rómhair rómhraíonn rómhair rómhróidh rómhar rómhartha
urlaic urlacann urlaic urlacfaidh urlacan urlactha
toirbhir toirbhríonn toirbhir toirbhreoidh toirbhirt toirbheartha
athchogain athchognaíonn athchogain athchognóidh athchogaint athchoganta
coscair coscraíonn coscair coscróidh coscairt coscartha
beoigh beonn beoigh beofaidh beochan beoite
athbheoigh athbheonn athbheoigh athbheofaidh athbheochan athbheoite
loic loiceann loic loicfidh loiceadh loicthe
rois roiseann rois roisfidh roiseadh roiste
stoll stollann stoll stollfaidh stolladh stollta
leadhb leadhbann leadhb leadhbfaidh leadhbadh leadhbtha
athlas athlasann athlas athlasfaidh athlasadh athlasta
táirg táirgeann táirg táirgfidh táirgeadh táirgthe
comhbhrúigh comhbhrúnn comhbhrúigh comhbhrúfaidh comhbhrú comhbhrúite
clóigh clónn clóigh clófaidh cló clóite
basc bascann basc bascfaidh bascadh basctha
dícheann dícheannann dícheann dícheannfaidh dícheannadh dícheannta
maígh maíonn maígh maífidh maíomh maíte
pulc pulcann pulc pulcfaidh pulcadh pulctha
grioll griollann grioll griollfaidh griolladh griollta
stobh stobhann stobh stobhfaidh stobhadh stofa
críon críonann críon críonfaidh críonadh críonta
dreoigh dreonn dreoigh dreofaidh dreo dreoite
tadhaill tadhlaíonn tadhaill tadhlóidh tadhall tadhlaithe
sann sannann sann sannfaidh sannadh sannta
speal spealann speal spealfaidh spealadh spealta
streachail streachlaíonn streachail streachlóidh streachailt streachailte
dianscaoil dianscaoileann dianscaoil dianscaoilfidh dianscaoileadh dianscaoilte
lámhaigh lámhachann lámhaigh lámhachfaidh lámhach lámhachta
rad radann rad radfaidh radadh radta
stiúg stiúgann stiúg stiúgfaidh stiúgadh stiúgtha
búir búireann búir búirfidh búireach búirthe
cniog cniogann cniog cniogfaidh cniogadh cniogtha
forghéill forghéilleann forghéill forghéillfidh forghéilleadh forghéillte
urscaoil urscaoileann urscaoil urscaoilfidh urscaoileadh urscaoilte
steall steallann steall steallfaidh stealladh steallta
spléach spléachann spléach spléachfaidh spléachadh spléachta
snap snapann snap snapfaidh snapadh snaptha
leadair leadraíonn leadair leadróidh leadradh leadartha
sciomair sciomraíonn sciomair sciomróidh sciomradh sciomartha
gríosc gríoscann gríosc gríoscfaidh gríoscadh gríosctha
coinnealbháigh coinnealbhánn coinnealbháigh coinnealbháfaidh coinnealbhá coinnealbháite
créam créamann créam créamfaidh créamadh créamtha
scal scalann scal scalfaidh scaladh scalta
sloinn sloinneann sloinn sloinnfidh sloinneadh sloinnte
cnaígh cnaíonn cnaígh cnaífidh cnaí cnaíte
iomáin iomáineann iomáin iomáinfidh iomáint iomáinte
planc plancann planc plancfaidh plancadh planctha
tairngir tairngríonn tairngir tairngreoidh tairngreacht tairngeartha
ligh líonn ligh lífidh lí lite auto=litear
cumaisc cumascann cumaisc cumascfaidh cumasc cumaiscthe
deil deileann deil deilfidh deileadh deilte
scil scileann scil scilfidh scileadh scilte
mungail munglaíonn mungail munglóidh mungailt mungailte
tochais tochasann tochais tochasfaidh tochas tochasta
griog griogann griog griogfaidh griogadh griogtha
spoch spochann spoch spochfaidh spochadh spochta
saobh saobhann saobh saobhfaidh saobhadh saofa
scrabh scrabhann scrabh scrabhfaidh scrabhadh scrafa
scréach scréachann scréach scréachfaidh scréachach scréachta
clip clipeann clip clipfidh clipeadh clipthe
drann drannann drann drannfaidh drannadh drannta
giob giobann giob giobfaidh giobadh giobtha
poll pollann poll pollfaidh polladh pollta
eiseachaid eiseachadann eiseachaid eiseachadfaidh eiseachadadh eiseachadta
fear fearann fear fearfaidh fearadh feartha
gróig gróigeann gróig gróigfidh gróigeadh gróigthe
ung ungann ung ungfaidh ungadh ungtha
tolg tolgann tolg tolgfaidh tolgadh tolgtha
tuaslaig tuaslagann tuaslaig tuaslagfaidh tuaslagadh tuaslagtha
roc rocann roc rocfaidh rocadh roctha
clúmhill clúmhilleann clúmhill clúmhillfidh clúmhilleadh clúmhillte
bladair bladraíonn bladair bladróidh bladar bladartha
cnead cneadann cnead cneadfaidh cneadach cneadta
smailc smailceann smailc smailcfidh smailceadh smailcthe
plac placann plac placfaidh placadh plactha
scaob scaobann scaob scaobfaidh scaobadh scaobtha
sclamh sclamhann sclamh sclamhfaidh sclamhadh sclafa
glám glámann glám glámfaidh glámadh glámtha
smeach smeachann smeach smeachfaidh smeachadh smeachta
sniog sniogann sniog sniogfaidh sniogadh sniogtha
spor sporann spor sporfaidh sporadh sportha
stolp stolpann stolp stolpfaidh stolpadh stolptha
sreang sreangann sreang sreangfaidh sreangadh sreangtha
spall spallann spall spallfaidh spalladh spallta
broid broideann broid broidfidh broideadh broidte
sciot sciotann sciot sciotfaidh sciotadh sciota auto=sciotar
blosc bloscann blosc bloscfaidh bloscadh blosctha
cnap cnapann cnap cnapfaidh cnapadh cnaptha
dual dualann dual dualfaidh dualadh dualta
gág gágann gág gágfaidh gágadh gágtha
sioc siocann sioc siocfaidh siocadh sioctha
stalc stalcann stalc stalcfaidh stalcadh stalctha
treaghd treaghdann treaghd treaghdfaidh treaghdadh treaghdta
cling clingeann cling clingfidh clingeadh clingthe
slíob slíobann slíob slíobfaidh slíobadh slíobtha
tóch tóchann tóch tóchfaidh tóch tóchta
géim géimeann géim géimfidh géimneach géimthe
coip coipeann coip coipfidh coipeadh coipthe
crinn crinneann crinn crinnfidh crinneadh crinnte
ling lingeann ling lingfidh lingeadh lingthe
innill inlíonn innill inleoidh inleadh innealta
iomlaisc iomlascann iomlaisc iomlascfaidh iomlasc iomlasctha
smol smolann smol smolfaidh smoladh smolta
úsc úscann úsc úscfaidh úscadh úsctha
calc calcann calc calcfaidh calcadh calctha
imghabh imghabhann imghabh imghabhfaidh imghabháil imghafa
aisghabh aisghabhann aisghabh aisghabhfaidh aisghabháil aisghafa
infhill infhilleann infhill infhillfidh infhilleadh infhillte
dícheangail dícheanglaíonn dícheangail dícheanglóidh dícheangal dícheangailte
"""

# Regular second-conjugation verbs, one a line: the lemma and, where it is not -ú/-iú, the verbal
# noun. The other parts follow from the lemma (ardaigh: ardaíonn, ardóidh, ardaithe; bailigh:
# bailíonn, baileoidh, bailithe).
SECOND = """
aibigh
athbhreithnigh
athlonnaigh
athdhearbhaigh
athshlánaigh
athaontaigh
athshocraigh
atosaigh
bánaigh
beachtaigh
bearnaigh
bláthaigh
bodhraigh
buanaigh
caolaigh
ciallaigh
claochlaigh
cnuasaigh cnuasach
coilínigh
comhardaigh
comhdhlúthaigh
comhordaigh
comhshínigh
comhtháthaigh
comhtharlaigh
cothromaigh
cuimsigh
cuisnigh
cúitigh cúiteamh
cumasaigh
cumhachtaigh
cúngaigh
cúlaigh
damnaigh
deachtaigh
deifrigh
díghalraigh
díláithrigh
díluchtaigh
dílsigh
díothaigh
dorchaigh
éadromaigh
earcaigh
fíoraigh
foirmigh
folmhaigh
fréamhaigh
fuadaigh fuadach
fuaimnigh
fuathaigh
giorraigh
gníomhachtaigh
grádaigh
idirdhealaigh
imoibrigh
ionchorpraigh
ionfhabhtaigh
lonnaigh
luchtaigh
machnaigh machnamh
maolaigh
maothaigh
meabhraigh
meathlaigh
mionnaigh
modhnaigh
móidigh
múnlaigh
náirigh
neadaigh
neodraigh
nimhigh
normalaigh
nuachóirigh
oirnigh
pearsanaigh
peacaigh
réamhbheartaigh
réamhshocraigh
sáinnigh
sainigh
sainmhínigh
sáraigh
sceimhligh
séalaigh
séimhigh
seiftigh
síothlaigh
sonraigh
sruthlaigh
taibhsigh
tairbhigh
teorannaigh
tiomnaigh
tréaslaigh
treisigh
tuairimigh
ualaigh
uathoibrigh
údaraigh
uiscigh
umhlaigh
urraigh
cneasaigh
básaigh
achoimrigh
aiséirigh aiséirí
allmhairigh
onnmhairigh
anailísigh
aosaigh
breáthaigh
breithnigh
cathaigh
ciorraigh
códaigh
coigeartaigh
coimisiúnaigh
cuibhrigh
fairsingigh
ídigh
imlínigh
litrigh
luathaigh
meirgigh
réimnigh
rothlaigh
toiligh
buidéalaigh
saolaigh
uchtaigh
comhdaigh
tabhaigh
fionnuaraigh
áitrigh
comhchruinnigh
criathraigh
dífhostaigh
éagsúlaigh
fionraigh fionraí
foirfigh
galaigh
gaothraigh
glóirigh
ionannaigh
íonaigh
lonraigh
mallaigh
naomhaigh
óraigh
plandaigh
póraigh
rathaigh
reachtaigh
ríomhairigh
stálaigh
tromaigh
uaisligh
úraigh
mainnigh mainneachtain
nódaigh
téarnaigh téarnamh
creathnaigh
ramhraigh
tuisligh
análaigh
beirigh
measúnaigh
maoinigh
ceadúnaigh
príosúnaigh
moilligh
comhéignigh
mionscrúdaigh
síolraigh
smálaigh
línigh
dealbhaigh
díshealbhaigh
luasghéaraigh
mionathraigh
príobháidigh
réasúnaigh
aonraigh
díorthaigh
iomadaigh
iolraigh
suimigh
cearnaigh
fuirsigh fuirseadh
maistrigh maistreadh
insligh
sólásaigh
tathantaigh tathant
searbhaigh
milsigh
vacsaínigh
steiriligh
fuiligh
ríomhchláraigh
formáidigh
digitigh
suirigh suirí
árachaigh
coigistigh
comhshamhlaigh
dífhabhtaigh
forchéimnigh
galbhánaigh
íoslaghdaigh
léirsigh
ornáidigh
ráthaigh
toirchigh
aslonnaigh
craplaigh
cásaigh cásamh
onóraigh
aclaigh
ainligh
balbhaigh
biathaigh
bochtaigh
crónaigh
doimhnigh
easaontaigh
éignigh
fálaigh
faobhraigh
fócasaigh
garbhaigh
gualaigh
imeaglaigh
leabaigh
leacaigh
leachtaigh
macasamhlaigh
malartaigh
meabhlaigh
náisiúnaigh
pionósaigh
púdraigh
réadaigh
righnigh
sáithigh
salaigh
santaigh
snasaigh
taithigh taithí
tanaigh
taobhaigh
teimhligh
díolmhaigh
frithghníomhaigh
trasfhoirmigh
criostalaigh
trealmhaigh
comhréitigh comhréiteach
fithisigh
misnigh
grinnscrúdaigh
céimnigh
aisiompaigh
ionaclaigh
muirnigh
doiléirigh
simpligh
síothaigh
bisigh
corónaigh
dréachtaigh
láidrigh
gráinigh
coimhthigh
deasaigh
dallraigh
greannaigh
ionadaigh
lannaigh
talmhaigh
ransaigh
sciamhaigh
eisreachtaigh
inbhéartaigh
scrollaigh
beangaigh
bealaigh
ciorclaigh
cumhraigh
drithligh
luisnigh
ocsaídigh
lipéadaigh
scáthaigh
eangaigh
gabhlaigh
bradaigh
bróidnigh
deataigh
monaraigh
loingsigh
tarcaisnigh
léarscáiligh
áirithigh áirithint
ionchúisigh ionchúiseamh
forlámhaigh
taibhrigh taibhreamh
leithlisigh
breisigh
pailnigh
timpeallaigh
tórraigh tórramh
caighdeánaigh
poncaigh
uraigh
fachtóirigh
feallmharaigh
éidigh
craobhaigh
srathraigh
sollúnaigh
cobhsaigh
crioslaigh
rámhaigh rámhaíocht
damáistigh
picéadaigh
ailínigh
catalógaigh
galldaigh
ionsamhlaigh
láraigh
leictrigh
meicnigh
polaraigh
sintéisigh
aimpligh
struchtúraigh
idéalaigh
tionsclaigh
sóisialaigh
brionnaigh
falsaigh
insealbhaigh
comharthaigh
gráinnigh
luaithrigh
scamallaigh
taisrigh
airgeadaigh
stánaigh
gloinigh
gormaigh
olaigh
siúcraigh
spíosraigh
stroighnigh
fuirigh fuireach
ruaimnigh
fáithimigh
canónaigh
soiscéalaigh
croscheistigh
cuingrigh
"""

# Verbs in -áil (loans and others): pacáil, pacálann, pacálfaidh, pacáil, pacáilte, pacáiltear.
AIL = """
iompórtáil easpórtáil ionramháil iontráil luacháil marcáil pleanáil postáil priontáil
próiseáil rácáil scóráil spáráil stóráil suiteáil fótachóipeáil déileáil tarrtháil athchúrsáil
lódáil campáil mapáil ciceáil reáchtáil friotháil díchóimeáil
pábháil plánáil stócáil seirbheáil rátáil glasáil sciúrsáil eitseáil cróiseáil grátáil
rásáil sóinseáil plástráil druileáil tairneáil
robáil smuigleáil bordáil péireáil
tuairteáil dumpáil pumpáil spraeáil tóstáil sádráil sceitseáil cóimeáil cuileáil dúbláil gardáil
buamáil búcláil lainseáil máirseáil sórtáil cóireáil
fíneáil foráil díluacháil díphacáil meaitseáil baghcatáil
spásáil válsáil preasáil
smúdáil blocáil súisteáil pasáil drugáil
conáil draenáil lóisteáil sluaisteáil
cardáil paisteáil ceantáil pléadáil liostáil scátáil babhláil
cúpláil baoiteáil scrábáil scriobláil
aeráil armáil grúpáil
dearnáil
cúbláil
liúdráil lútáil
pramsáil smeadráil
tarráil
"""


# Verbs kept although the ga_IE dictionary does not know their forms: everyday
# terms of computing, trade, sport and administration and a few ath- compounds,
# all regular members of their class, whose forms the developers vouch for.
# Written in the formats above: full rows, then SECOND lines, then AIL lemmas.
UNCONFIRMED_VERBS = """
dínasc dínascann dínasc dínascfaidh dínascadh dínasctha
inspreag inspreagann inspreag inspreagfaidh inspreagadh inspreagtha
athchraol athchraolann athchraol athchraolfaidh athchraoladh athchraolta
athúsáid athúsáideann athúsáid athúsáidfidh athúsáid athúsáidte
athphós athphósann athphós athphósfaidh athphósadh athphósta
"""
UNCONFIRMED_SECOND = """
cuartaigh
íosluchtaigh
uasluchtaigh
imscrúdaigh
forghníomhaigh
lánpháirtigh
athfhoilsigh
atheagraigh
"""
UNCONFIRMED_AIL = """
cliceáil logáil scanáil brabhsáil rialáil trádáil tacláil sciáil dialáil
"""


def second_conjugation(line):
    lemma, *vn = line.split()
    if lemma.endswith("aigh"):
        stem = lemma[:-4]
        return [lemma, stem + "aíonn", lemma, stem + "óidh", vn[0] if vn else stem + "ú", stem + "aithe"]
    assert lemma.endswith("igh"), lemma
    stem = lemma[:-3]
    return [lemma, stem + "íonn", lemma, stem + "eoidh", vn[0] if vn else stem + "iú", stem + "ithe"]


def ail_verb(lemma):
    stem = lemma[:-3]
    return [lemma, stem + "álann", lemma, stem + "álfaidh", lemma, lemma + "te", "auto=" + lemma + "tear"]

PRESENT_BASE = ["ann", "eann", "aíonn", "íonn", "nn"]
PRESENT_AUTO = ["tar", "tear", "aítear", "ítear", "itear"]
PAST_SUFFIX = ["", "", "aigh", "igh", None]
IMPERATIVE_2PL = ["aigí", "igí", "aígí", "ígí", "igí"]
VERBAL_NOUN = ["adh", "eadh", "ú", "iú", "dh"]
VERBAL_ADJECTIVE = ["ta", "te", "aithe", "ithe", "ite"]


def broad_final(word):
    for ch in reversed(word):
        if ch in "aouáóú":
            return True
        if ch in "eiéí":
            return False
    return True


def rule_present(lemma):
    if len(lemma.encode()) >= 4 and lemma.endswith("aigh"):
        return lemma[:-4] + "aíonn"
    if len(lemma.encode()) >= 3 and lemma.endswith("igh"):
        return lemma[:-3] + "íonn"
    return lemma + ("ann" if broad_final(lemma) else "eann")


def classify(lemma, base):
    if len(lemma.encode()) >= 5 and lemma.endswith("éigh"):
        return lemma[:-4] + "é", 4
    for ending, cls in (("aíonn", 2), ("íonn", 3), ("eann", 1), ("ann", 0)):
        if base.endswith(ending):
            return base[: -len(ending)], cls
    if len(base) > 2 and base.endswith("nn") and base[-3] in "oeáéíóú":
        return base[:-2], 4
    return base, 0 if broad_final(base) else 1


def row(fields):
    lemma, prs, pst, fut, vn, va, *extra = fields
    opts = dict(e.split("=", 1) for e in extra)
    stem, cls = classify(lemma, prs)
    rule_pst = lemma if cls == 4 else stem + PAST_SUFFIX[cls]
    cells = [
        lemma,
        "-" if prs == rule_present(lemma) else prs,
        "-" if pst == rule_pst else pst,
        fut,
        "-" if vn == stem + VERBAL_NOUN[cls] else vn,
        "-" if va == stem + VERBAL_ADJECTIVE[cls] else va,
        "-",
        "-" if opts.get("imp2pl", stem + IMPERATIVE_2PL[cls]) == stem + IMPERATIVE_2PL[cls] else opts["imp2pl"],
        "-" if opts.get("auto", stem + PRESENT_AUTO[cls]) == stem + PRESENT_AUTO[cls] else opts["auto"],
    ]
    return cells


def main():
    rows = {r[0]: r for r in LITERAL}
    lines = [line.split() for line in VERBS.strip().splitlines()]
    lines += [second_conjugation(line) for line in SECOND.strip().splitlines()]
    lines += [ail_verb(lemma) for lemma in AIL.split()]
    lines += [line.split() for line in UNCONFIRMED_VERBS.strip().splitlines()]
    lines += [second_conjugation(line) for line in UNCONFIRMED_SECOND.strip().splitlines()]
    lines += [ail_verb(lemma) for lemma in UNCONFIRMED_AIL.split()]
    for fields in lines:
        if fields[0] in rows:
            raise SystemExit(f"duplicate lemma {fields[0]}")
        rows[fields[0]] = row(fields)
    print(HEADER)
    for lemma in sorted(rows):
        print("\t".join(rows[lemma]))


if __name__ == "__main__":
    main()
