#!/usr/bin/env python3
"""Writes data/gle.tsv: principal parts of Irish verbs.

Each verb below is written by hand with its present (3sg-analytic), past base
(before lenition), future, verbal noun and verbal adjective, and where needed
its imperative 2pl and present autonomous. This script keeps the future base
of every verb and blanks ("-") each other cell that the engine's class rules
derive on their own from the lemma and the present base, so a cell in the
lexicon is always one the rules would get wrong. Every form of every table was
checked against the ga_IE hunspell dictionary (scripts/gle/check_forms.py).

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
    ["téigh", "téann", "cuaigh", "rachaidh", "dul", "-", "-", "téigí", "téitear"],
]

# lemma, present, past base, future, verbal noun, verbal adjective, then
# optional imp2pl=... and auto=... (present autonomous). The past base is the
# unlenited form (conaic gives chonaic, táinig gives tháinig).
VERBS = """
ainmnigh ainmníonn ainmnigh ainmneoidh ainmniú ainmnithe
aimsigh aimsíonn aimsigh aimseoidh aimsiú aimsithe
aistrigh aistríonn aistrigh aistreoidh aistriú aistrithe
aithin aithníonn aithin aithneoidh aithint aitheanta
ardaigh ardaíonn ardaigh ardóidh ardú ardaithe
athraigh athraíonn athraigh athróidh athrú athraithe
bagair bagraíonn bagair bagróidh bagairt bagartha
bailigh bailíonn bailigh baileoidh bailiú bailithe
bain baineann bain bainfidh baint bainte
báigh bánn báigh báfaidh bá báite
beannaigh beannaíonn beannaigh beannóidh beannú beannaithe
beir beireann rug béarfaidh breith beirthe
bog bogann bog bogfaidh bogadh bogtha
breathnaigh breathnaíonn breathnaigh breathnóidh breathnú breathnaithe
bronn bronnann bronn bronnfaidh bronnadh bronnta
brostaigh brostaíonn brostaigh brostóidh brostú brostaithe
brúigh brúnn brúigh brúfaidh brú brúite
buail buaileann buail buailfidh bualadh buailte
buaigh buann buaigh buafaidh buachan buaite auto=buaitear
cabhraigh cabhraíonn cabhraigh cabhróidh cabhrú cabhraithe
caill cailleann caill caillfidh cailleadh caillte
caith caitheann caith caithfidh caitheamh caite auto=caitear
caoin caoineann caoin caoinfidh caoineadh caointe
cas casann cas casfaidh casadh casta
ceangail ceanglaíonn ceangail ceanglóidh ceangal ceangailte
ceannaigh ceannaíonn ceannaigh ceannóidh ceannach ceannaithe
ceap ceapann ceap ceapfaidh ceapadh ceaptha
ceartaigh ceartaíonn ceartaigh ceartóidh ceartú ceartaithe
ceil ceileann ceil ceilfidh ceilt ceilte
ceistigh ceistíonn ceistigh ceisteoidh ceistiú ceistithe
cinn cinneann cinn cinnfidh cinneadh cinnte
cíor cíorann cíor cíorfaidh cíoradh cíortha
cláraigh cláraíonn cláraigh cláróidh clárú cláraithe
clois cloiseann cuala cloisfidh cloisteáil cloiste
cloígh cloíonn cloígh cloífidh cloí cloíte
cluin cluineann cuala cluinfidh cluinstin cluinte
codail codlaíonn codail codlóidh codladh codlata
coinnigh coinníonn coinnigh coinneoidh coinneáil coinnithe
cónaigh cónaíonn cónaigh cónóidh cónaí cónaithe
cosain cosnaíonn cosain cosnóidh cosaint cosanta
cráigh cránn cráigh cráfaidh crá cráite
creid creideann creid creidfidh creidiúint creidte
críochnaigh críochnaíonn críochnaigh críochnóidh críochnú críochnaithe
croch crochann croch crochfaidh crochadh crochta
cruthaigh cruthaíonn cruthaigh cruthóidh cruthú cruthaithe
cuardaigh cuardaíonn cuardaigh cuardóidh cuardach cuardaithe
cuidigh cuidíonn cuidigh cuideoidh cuidiú cuidithe
cuimhnigh cuimhníonn cuimhnigh cuimhneoidh cuimhneamh cuimhnithe
cuir cuireann cuir cuirfidh cur curtha
cum cumann cum cumfaidh cumadh cumtha
damhsaigh damhsaíonn damhsaigh damhsóidh damhsa damhsaithe
déan déanann rinne déanfaidh déanamh déanta
deisigh deisíonn deisigh deiseoidh deisiú deisithe
díbir díbríonn díbir díbreoidh díbirt díbeartha
díol díolann díol díolfaidh díol díolta
dírigh díríonn dírigh díreoidh díriú dírithe
diúltaigh diúltaíonn diúltaigh diúltóidh diúltú diúltaithe
dóigh dónn dóigh dófaidh dó dóite
doirt doirteann doirt doirtfidh doirteadh doirte auto=doirtear
dúisigh dúisíonn dúisigh dúiseoidh dúiseacht dúisithe
dún dúnann dún dúnfaidh dúnadh dúnta
éalaigh éalaíonn éalaigh éalóidh éalú éalaithe
éirigh éiríonn éirigh éireoidh éirí éirithe
éist éisteann éist éistfidh éisteacht éiste auto=éistear
eitil eitlíonn eitil eitleoidh eitilt eitilte
fág fágann fág fágfaidh fágáil fágtha
faigh faigheann fuair gheobhaidh fáil faighte
fan fanann fan fanfaidh fanacht fanta
fás fásann fás fásfaidh fás fásta
féach féachann féach féachfaidh féachaint féachta
feic feiceann conaic feicfidh feiceáil feicthe
fiafraigh fiafraíonn fiafraigh fiafróidh fiafraí fiafraithe
fill filleann fill fillfidh filleadh fillte
fliuch fliuchann fliuch fliuchfaidh fliuchadh fliuchta
fógair fógraíonn fógair fógróidh fógairt fógartha
foghlaim foghlaimíonn foghlaim foghlaimeoidh foghlaim foghlamtha
foilsigh foilsíonn foilsigh foilseoidh foilsiú foilsithe
fostaigh fostaíonn fostaigh fostóidh fostú fostaithe
freagair freagraíonn freagair freagróidh freagairt freagartha
freastail freastalaíonn freastail freastalóidh freastal freastalta
fulaing fulaingíonn fulaing fulaingeoidh fulaingt fulaingthe
gabh gabhann gabh gabhfaidh gabháil gafa
glac glacann glac glacfaidh glacadh glactha
glan glanann glan glanfaidh glanadh glanta
glaoigh glaonn glaoigh glaofaidh glaoch glaoite
goid goideann goid goidfidh goid goidte
gortaigh gortaíonn gortaigh gortóidh gortú gortaithe
guigh guíonn guigh guífidh guí guite auto=guitear
iarr iarrann iarr iarrfaidh iarraidh iarrtha
imigh imíonn imigh imeoidh imeacht imithe
imir imríonn imir imreoidh imirt imeartha
inis insíonn inis inseoidh insint inste
iompair iompraíonn iompair iompróidh iompar iompartha
íoc íocann íoc íocfaidh íoc íoctha
ith itheann ith íosfaidh ithe ite auto=itear
labhair labhraíonn labhair labhróidh labhairt labhartha
las lasann las lasfaidh lasadh lasta
leag leagann leag leagfaidh leagan leagtha
lean leanann lean leanfaidh leanúint leanta
léim léimeann léim léimfidh léim léimthe
lig ligeann lig ligfidh ligean ligthe
lorg lorgaíonn lorg lorgóidh lorg lorgtha
luigh luíonn luigh luífidh luí luite auto=luitear
mair maireann mair mairfidh maireachtáil mairthe
meas measann meas measfaidh meas measta
measc meascann measc meascfaidh meascadh measctha
mill milleann mill millfidh milleadh millte
mínigh míníonn mínigh míneoidh míniú mínithe
mol molann mol molfaidh moladh molta
mothaigh mothaíonn mothaigh mothóidh mothú mothaithe
múin múineann múin múinfidh múineadh múinte
múscail músclaíonn múscail músclóidh múscailt múscailte
nigh níonn nigh nífidh ní nite auto=nitear
oibrigh oibríonn oibrigh oibreoidh oibriú oibrithe
ól ólann ól ólfaidh ól ólta
ordaigh ordaíonn ordaigh ordóidh ordú ordaithe
oscail osclaíonn oscail osclóidh oscailt oscailte
pacáil pacálann pacáil pacálfaidh pacáil pacáilte auto=pacáiltear
pléigh pléann pléigh pléifidh plé pléite
póg pógann póg pógfaidh pógadh pógtha
rith ritheann rith rithfidh rith rite auto=ritear
roghnaigh roghnaíonn roghnaigh roghnóidh roghnú roghnaithe
roinn roinneann roinn roinnfidh roinnt roinnte
sábháil sábhálann sábháil sábhálfaidh sábháil sábháilte auto=sábháiltear
sáigh sánn sáigh sáfaidh sá sáite
scaip scaipeann scaip scaipfidh scaipeadh scaipthe
scaoil scaoileann scaoil scaoilfidh scaoileadh scaoilte
scar scarann scar scarfaidh scaradh scartha
scríobh scríobhann scríobh scríobhfaidh scríobh scríofa
scrúdaigh scrúdaíonn scrúdaigh scrúdóidh scrúdú scrúdaithe
scuab scuabann scuab scuabfaidh scuabadh scuabtha
seachain seachnaíonn seachain seachnóidh seachaint seachanta
seas seasann seas seasfaidh seasamh seasta
séid séideann séid séidfidh séideadh séidte
seinn seinneann seinn seinnfidh seinm seinnte
sín síneann sín sínfidh síneadh sínte
siúil siúlann siúil siúlfaidh siúl siúlta
smaoinigh smaoiníonn smaoinigh smaoineoidh smaoineamh smaoinithe
socraigh socraíonn socraigh socróidh socrú socraithe
sroich sroicheann sroich sroichfidh sroicheadh sroichte
stad stadann stad stadfaidh stad stadta
stop stopann stop stopfaidh stopadh stoptha
suigh suíonn suigh suífidh suí suite auto=suitear
tabhair tugann tug tabharfaidh tabhairt tugtha
taispeáin taispeánann taispeáin taispeánfaidh taispeáint taispeánta
taistil taistealaíonn taistil taistealóidh taisteal taistealta
tar tagann táinig tiocfaidh teacht tagtha
tarraing tarraingíonn tarraing tarraingeoidh tarraingt tarraingthe
tiomáin tiomáineann tiomáin tiomáinfidh tiomáint tiomáinte
tiontaigh tiontaíonn tiontaigh tiontóidh tiontú tiontaithe
tit titeann tit titfidh titim tite auto=titear
tóg tógann tóg tógfaidh tógáil tógtha
tosaigh tosaíonn tosaigh tosóidh tosú tosaithe
tréig tréigeann tréig tréigfidh tréigean tréigthe
troid troideann troid troidfidh troid troidte
tuig tuigeann tuig tuigfidh tuiscint tuigthe
tuill tuilleann tuill tuillfidh tuilleamh tuillte
ullmhaigh ullmhaíonn ullmhaigh ullmhóidh ullmhú ullmhaithe
"""

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
    for line in VERBS.strip().splitlines():
        fields = line.split()
        if fields[0] in rows:
            raise SystemExit(f"duplicate lemma {fields[0]}")
        rows[fields[0]] = row(fields)
    print(HEADER)
    for lemma in sorted(rows):
        print("\t".join(rows[lemma]))


if __name__ == "__main__":
    main()
