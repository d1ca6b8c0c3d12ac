"""Turkish conjugation: analysis of the input, the lexicon of irregular
bases, vowel harmony, softening and buffer consonants, the table and the
TurkishConjugation class."""
import os
import subprocess
import threading

import pytest

import velnor
from conftest import build_cpp_tool, needs

pytestmark = needs("tur")

DATA_DIR = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data")
COLUMNS = "# lemma\taorist\tprogressive\tfuture\tpast\tevidential\tnecessitative\timp_sg\timp_pl"
TENSES = ["aorist", "progressive", "future", "past", "evidential", "necessitative"]
ATTRIBUTES = ["infinitive"] + TENSES + ["imperative"]
DOC = ("The conjugation of one Turkish verb (see `velnor::tur`). Person rows\nare [ben, sen, o, biz, siz, onlar]; "
       "the imperative is\n[2sg, 2pl]. Rows are affirmative.")


def conj(word):
    return velnor.conjugate(word, lang="tur")


# Standard Turkish forms: infinitive, aorist (o), progressive (o),
# future (ben), past (ben), evidential (o), necessitative (o), imperative
# (sen, siz).
COMMON = """
yapmak yapar yapıyor yapacağım yaptım yapmış yapmalı yap yapın
okumak okur okuyor okuyacağım okudum okumuş okumalı oku okuyun
gelmek gelir geliyor geleceğim geldim gelmiş gelmeli gel gelin
gitmek gider gidiyor gideceğim gittim gitmiş gitmeli git gidin
almak alır alıyor alacağım aldım almış almalı al alın
vermek verir veriyor vereceğim verdim vermiş vermeli ver verin
görmek görür görüyor göreceğim gördüm görmüş görmeli gör görün
bilmek bilir biliyor bileceğim bildim bilmiş bilmeli bil bilin
olmak olur oluyor olacağım oldum olmuş olmalı ol olun
yemek yer yiyor yiyeceğim yedim yemiş yemeli ye yiyin
etmek eder ediyor edeceğim ettim etmiş etmeli et edin
bulmak bulur buluyor bulacağım buldum bulmuş bulmalı bul bulun
durmak durur duruyor duracağım durdum durmuş durmalı dur durun
kalmak kalır kalıyor kalacağım kaldım kalmış kalmalı kal kalın
ölmek ölür ölüyor öleceğim öldüm ölmüş ölmeli öl ölün
sanmak sanır sanıyor sanacağım sandım sanmış sanmalı san sanın
varmak varır varıyor varacağım vardım varmış varmalı var varın
vurmak vurur vuruyor vuracağım vurdum vurmuş vurmalı vur vurun
tatmak tadar tadıyor tadacağım tattım tatmış tatmalı tat tadın
gütmek güder güdüyor güdeceğim güttüm gütmüş gütmeli güt güdün
keşfetmek keşfeder keşfediyor keşfedeceğim keşfettim keşfetmiş keşfetmeli keşfet keşfedin
hissetmek hisseder hissediyor hissedeceğim hissettim hissetmiş hissetmeli hisset hissedin
kaybetmek kaybeder kaybediyor kaybedeceğim kaybettim kaybetmiş kaybetmeli kaybet kaybedin
bahsetmek bahseder bahsediyor bahsedeceğim bahsettim bahsetmiş bahsetmeli bahset bahsedin
affetmek affeder affediyor affedeceğim affettim affetmiş affetmeli affet affedin
azmak azar azıyor azacağım azdım azmış azmalı az azın
içmek içer içiyor içeceğim içtim içmiş içmeli iç için
sevmek sever seviyor seveceğim sevdim sevmiş sevmeli sev sevin
bakmak bakar bakıyor bakacağım baktım bakmış bakmalı bak bakın
satmak satar satıyor satacağım sattım satmış satmalı sat satın
atmak atar atıyor atacağım attım atmış atmalı at atın
yazmak yazar yazıyor yazacağım yazdım yazmış yazmalı yaz yazın
çizmek çizer çiziyor çizeceğim çizdim çizmiş çizmeli çiz çizin
koşmak koşar koşuyor koşacağım koştum koşmuş koşmalı koş koşun
kalkmak kalkar kalkıyor kalkacağım kalktım kalkmış kalkmalı kalk kalkın
girmek girer giriyor gireceğim girdim girmiş girmeli gir girin
çıkmak çıkar çıkıyor çıkacağım çıktım çıkmış çıkmalı çık çıkın
binmek biner biniyor bineceğim bindim binmiş binmeli bin binin
inmek iner iniyor ineceğim indim inmiş inmeli in inin
düşmek düşer düşüyor düşeceğim düştüm düşmüş düşmeli düş düşün
gülmek güler gülüyor güleceğim güldüm gülmüş gülmeli gül gülün
sormak sorar soruyor soracağım sordum sormuş sormalı sor sorun
tutmak tutar tutuyor tutacağım tuttum tutmuş tutmalı tut tutun
koymak koyar koyuyor koyacağım koydum koymuş koymalı koy koyun
duymak duyar duyuyor duyacağım duydum duymuş duymalı duy duyun
uymak uyar uyuyor uyacağım uydum uymuş uymalı uy uyun
doymak doyar doyuyor doyacağım doydum doymuş doymalı doy doyun
giymek giyer giyiyor giyeceğim giydim giymiş giymeli giy giyin
açmak açar açıyor açacağım açtım açmış açmalı aç açın
kaçmak kaçar kaçıyor kaçacağım kaçtım kaçmış kaçmalı kaç kaçın
seçmek seçer seçiyor seçeceğim seçtim seçmiş seçmeli seç seçin
geçmek geçer geçiyor geçeceğim geçtim geçmiş geçmeli geç geçin
kesmek keser kesiyor keseceğim kestim kesmiş kesmeli kes kesin
basmak basar basıyor basacağım bastım basmış basmalı bas basın
susmak susar susuyor susacağım sustum susmuş susmalı sus susun
itmek iter itiyor iteceğim ittim itmiş itmeli it itin
bitmek biter bitiyor biteceğim bittim bitmiş bitmeli bit bitin
yetmek yeter yetiyor yeteceğim yettim yetmiş yetmeli yet yetin
yatmak yatar yatıyor yatacağım yattım yatmış yatmalı yat yatın
çekmek çeker çekiyor çekeceğim çektim çekmiş çekmeli çek çekin
dökmek döker döküyor dökeceğim döktüm dökmüş dökmeli dök dökün
korkmak korkar korkuyor korkacağım korktum korkmuş korkmalı kork korkun
ekmek eker ekiyor ekeceğim ektim ekmiş ekmeli ek ekin
dikmek diker dikiyor dikeceğim diktim dikmiş dikmeli dik dikin
yakmak yakar yakıyor yakacağım yaktım yakmış yakmalı yak yakın
örmek örer örüyor öreceğim ördüm örmüş örmeli ör örün
sürmek sürer sürüyor süreceğim sürdüm sürmüş sürmeli sür sürün
dövmek döver dövüyor döveceğim dövdüm dövmüş dövmeli döv dövün
ölçmek ölçer ölçüyor ölçeceğim ölçtüm ölçmüş ölçmeli ölç ölçün
çalmak çalar çalıyor çalacağım çaldım çalmış çalmalı çal çalın
dolmak dolar doluyor dolacağım doldum dolmuş dolmalı dol dolun
bölmek böler bölüyor böleceğim böldüm bölmüş bölmeli böl bölün
silmek siler siliyor sileceğim sildim silmiş silmeli sil silin
dalmak dalar dalıyor dalacağım daldım dalmış dalmalı dal dalın
kırmak kırar kırıyor kıracağım kırdım kırmış kırmalı kır kırın
sarmak sarar sarıyor saracağım sardım sarmış sarmalı sar sarın
germek gerer geriyor gereceğim gerdim germiş germeli ger gerin
sermek serer seriyor sereceğim serdim sermiş sermeli ser serin
kurmak kurar kuruyor kuracağım kurdum kurmuş kurmalı kur kurun
sunmak sunar sunuyor sunacağım sundum sunmuş sunmalı sun sunun
yenmek yener yeniyor yeneceğim yendim yenmiş yenmeli yen yenin
dönmek döner dönüyor döneceğim döndüm dönmüş dönmeli dön dönün
aşmak aşar aşıyor aşacağım aştım aşmış aşmalı aş aşın
yürümek yürür yürüyor yürüyeceğim yürüdüm yürümüş yürümeli yürü yürüyün
uyumak uyur uyuyor uyuyacağım uyudum uyumuş uyumalı uyu uyuyun
yıkamak yıkar yıkıyor yıkayacağım yıkadım yıkamış yıkamalı yıka yıkayın
aramak arar arıyor arayacağım aradım aramış aramalı ara arayın
anlamak anlar anlıyor anlayacağım anladım anlamış anlamalı anla anlayın
başlamak başlar başlıyor başlayacağım başladım başlamış başlamalı başla başlayın
beklemek bekler bekliyor bekleyeceğim bekledim beklemiş beklemeli bekle bekleyin
dinlemek dinler dinliyor dinleyeceğim dinledim dinlemiş dinlemeli dinle dinleyin
izlemek izler izliyor izleyeceğim izledim izlemiş izlemeli izle izleyin
söylemek söyler söylüyor söyleyeceğim söyledim söylemiş söylemeli söyle söyleyin
istemek ister istiyor isteyeceğim istedim istemiş istemeli iste isteyin
yaşamak yaşar yaşıyor yaşayacağım yaşadım yaşamış yaşamalı yaşa yaşayın
taşımak taşır taşıyor taşıyacağım taşıdım taşımış taşımalı taşı taşıyın
tanımak tanır tanıyor tanıyacağım tanıdım tanımış tanımalı tanı tanıyın
oynamak oynar oynuyor oynayacağım oynadım oynamış oynamalı oyna oynayın
ağlamak ağlar ağlıyor ağlayacağım ağladım ağlamış ağlamalı ağla ağlayın
hazırlamak hazırlar hazırlıyor hazırlayacağım hazırladım hazırlamış hazırlamalı hazırla hazırlayın
temizlemek temizler temizliyor temizleyeceğim temizledim temizlemiş temizlemeli temizle temizleyin
ödemek öder ödüyor ödeyeceğim ödedim ödemiş ödemeli öde ödeyin
özlemek özler özlüyor özleyeceğim özledim özlemiş özlemeli özle özleyin
kullanmak kullanır kullanıyor kullanacağım kullandım kullanmış kullanmalı kullan kullanın
çalışmak çalışır çalışıyor çalışacağım çalıştım çalışmış çalışmalı çalış çalışın
konuşmak konuşur konuşuyor konuşacağım konuştum konuşmuş konuşmalı konuş konuşun
görüşmek görüşür görüşüyor görüşeceğim görüştüm görüşmüş görüşmeli görüş görüşün
öğrenmek öğrenir öğreniyor öğreneceğim öğrendim öğrenmiş öğrenmeli öğren öğrenin
öğretmek öğretir öğretiyor öğreteceğim öğrettim öğretmiş öğretmeli öğret öğretin
getirmek getirir getiriyor getireceğim getirdim getirmiş getirmeli getir getirin
götürmek götürür götürüyor götüreceğim götürdüm götürmüş götürmeli götür götürün
göstermek gösterir gösteriyor göstereceğim gösterdim göstermiş göstermeli göster gösterin
düşünmek düşünür düşünüyor düşüneceğim düşündüm düşünmüş düşünmeli düşün düşünün
anlatmak anlatır anlatıyor anlatacağım anlattım anlatmış anlatmalı anlat anlatın
uyanmak uyanır uyanıyor uyanacağım uyandım uyanmış uyanmalı uyan uyanın
bulunmak bulunur bulunuyor bulunacağım bulundum bulunmuş bulunmalı bulun bulunun
oturmak oturur oturuyor oturacağım oturdum oturmuş oturmalı otur oturun
unutmak unutur unutuyor unutacağım unuttum unutmuş unutmalı unut unutun
bırakmak bırakır bırakıyor bırakacağım bıraktım bırakmış bırakmalı bırak bırakın
kazanmak kazanır kazanıyor kazanacağım kazandım kazanmış kazanmalı kazan kazanın
yaratmak yaratır yaratıyor yaratacağım yarattım yaratmış yaratmalı yarat yaratın
kapatmak kapatır kapatıyor kapatacağım kapattım kapatmış kapatmalı kapat kapatın
beğenmek beğenir beğeniyor beğeneceğim beğendim beğenmiş beğenmeli beğen beğenin
dinlenmek dinlenir dinleniyor dinleneceğim dinlendim dinlenmiş dinlenmeli dinlen dinlenin
sevinmek sevinir seviniyor sevineceğim sevindim sevinmiş sevinmeli sevin sevinin
üzülmek üzülür üzülüyor üzüleceğim üzüldüm üzülmüş üzülmeli üzül üzülün
"""
COMMON_ROWS = [line.split() for line in COMMON.strip().splitlines()]


def test_common_table():
    assert len(COMMON_ROWS) >= 100
    assert all(len(r) == 9 for r in COMMON_ROWS)
    assert len({r[0] for r in COMMON_ROWS}) == len(COMMON_ROWS)


@pytest.mark.parametrize("row", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs(row):
    inf, aorist, progressive, future, past, evidential, necessitative, imp_sg, imp_pl = row
    r = conj(inf)
    got = (r.infinitive, r.aorist[2], r.progressive[2], r.future[0], r.past[0], r.evidential[2],
           r.necessitative[2], r.imperative)
    assert got == (inf, aorist, progressive, future, past, evidential, necessitative, [imp_sg, imp_pl])


# Whole paradigms, every slot (ben, sen, o, biz, siz, onlar).
FULL = {
    "gelmek": [
        "gelirim gelirsin gelir geliriz gelirsiniz gelirler",
        "geliyorum geliyorsun geliyor geliyoruz geliyorsunuz geliyorlar",
        "geleceğim geleceksin gelecek geleceğiz geleceksiniz gelecekler",
        "geldim geldin geldi geldik geldiniz geldiler",
        "gelmişim gelmişsin gelmiş gelmişiz gelmişsiniz gelmişler",
        "gelmeliyim gelmelisin gelmeli gelmeliyiz gelmelisiniz gelmeliler",
        "gel gelin"],
    "yapmak": [
        "yaparım yaparsın yapar yaparız yaparsınız yaparlar",
        "yapıyorum yapıyorsun yapıyor yapıyoruz yapıyorsunuz yapıyorlar",
        "yapacağım yapacaksın yapacak yapacağız yapacaksınız yapacaklar",
        "yaptım yaptın yaptı yaptık yaptınız yaptılar",
        "yapmışım yapmışsın yapmış yapmışız yapmışsınız yapmışlar",
        "yapmalıyım yapmalısın yapmalı yapmalıyız yapmalısınız yapmalılar",
        "yap yapın"],
    "okumak": [
        "okurum okursun okur okuruz okursunuz okurlar",
        "okuyorum okuyorsun okuyor okuyoruz okuyorsunuz okuyorlar",
        "okuyacağım okuyacaksın okuyacak okuyacağız okuyacaksınız okuyacaklar",
        "okudum okudun okudu okuduk okudunuz okudular",
        "okumuşum okumuşsun okumuş okumuşuz okumuşsunuz okumuşlar",
        "okumalıyım okumalısın okumalı okumalıyız okumalısınız okumalılar",
        "oku okuyun"],
    "etmek": [
        "ederim edersin eder ederiz edersiniz ederler",
        "ediyorum ediyorsun ediyor ediyoruz ediyorsunuz ediyorlar",
        "edeceğim edeceksin edecek edeceğiz edeceksiniz edecekler",
        "ettim ettin etti ettik ettiniz ettiler",
        "etmişim etmişsin etmiş etmişiz etmişsiniz etmişler",
        "etmeliyim etmelisin etmeli etmeliyiz etmelisiniz etmeliler",
        "et edin"],
    "görmek": [
        "görürüm görürsün görür görürüz görürsünüz görürler",
        "görüyorum görüyorsun görüyor görüyoruz görüyorsunuz görüyorlar",
        "göreceğim göreceksin görecek göreceğiz göreceksiniz görecekler",
        "gördüm gördün gördü gördük gördünüz gördüler",
        "görmüşüm görmüşsün görmüş görmüşüz görmüşsünüz görmüşler",
        "görmeliyim görmelisin görmeli görmeliyiz görmelisiniz görmeliler",
        "gör görün"],
    "demek": [
        "derim dersin der deriz dersiniz derler",
        "diyorum diyorsun diyor diyoruz diyorsunuz diyorlar",
        "diyeceğim diyeceksin diyecek diyeceğiz diyeceksiniz diyecekler",
        "dedim dedin dedi dedik dediniz dediler",
        "demişim demişsin demiş demişiz demişsiniz demişler",
        "demeliyim demelisin demeli demeliyiz demelisiniz demeliler",
        "de deyin"],
    "almak": [
        "alırım alırsın alır alırız alırsınız alırlar",
        "alıyorum alıyorsun alıyor alıyoruz alıyorsunuz alıyorlar",
        "alacağım alacaksın alacak alacağız alacaksınız alacaklar",
        "aldım aldın aldı aldık aldınız aldılar",
        "almışım almışsın almış almışız almışsınız almışlar",
        "almalıyım almalısın almalı almalıyız almalısınız almalılar",
        "al alın"],
    "söylemek": [
        "söylerim söylersin söyler söyleriz söylersiniz söylerler",
        "söylüyorum söylüyorsun söylüyor söylüyoruz söylüyorsunuz söylüyorlar",
        "söyleyeceğim söyleyeceksin söyleyecek söyleyeceğiz söyleyeceksiniz söyleyecekler",
        "söyledim söyledin söyledi söyledik söylediniz söylediler",
        "söylemişim söylemişsin söylemiş söylemişiz söylemişsiniz söylemişler",
        "söylemeliyim söylemelisin söylemeli söylemeliyiz söylemelisiniz söylemeliler",
        "söyle söyleyin"],
}


@pytest.mark.parametrize("verb", sorted(FULL))
def test_full_paradigm(verb):
    r = conj(verb)
    assert [getattr(r, name) for name in TENSES + ["imperative"]] == [row.split() for row in FULL[verb]]


def read_lexicon(name):
    with open(os.path.join(DATA_DIR, name), encoding="utf-8") as f:
        text = f.read()
    lines = text.split("\n")
    assert lines[-1] == ""
    rows = [l.split("\t") for l in lines[:-1] if l and not l.startswith("#")]
    return text, rows, [l for l in lines if l.startswith("#")]


def test_lexicon_shape():
    text, rows, comments = read_lexicon("tur.tsv")
    assert len(text.encode("utf-8")) == 1850
    assert comments[:8] == [
        "# Turkish irregular verbs — the stems the productive rules cannot", "# derive.", "#",
        "# Columns (a `-` falls through to the rule):",
        "#   lemma  aorist  progressive  future  past  evidential  necessitative  imp_sg  imp_pl",
        "# The stored cells are 3rd-singular predicative bases; personal", "# endings still derive by rule.", "#"]
    assert comments[11:] == ["#", COLUMNS]
    assert len(rows) == 21 and len({c[0] for c in rows}) == 21
    assert all(len(c) == 9 and all(c) for c in rows)
    assert sum(c[6] == "-" for c in rows) == 9
    assert all("-" not in c[:6] + c[7:] for c in rows)


def test_compound_lexicon_shape():
    _, rows, comments = read_lexicon("tur_compounds.tsv")
    assert comments[-1] == COLUMNS
    assert len({c[0] for c in rows}) == len(rows) >= 20
    simple = set(c[0] for c in read_lexicon("tur.tsv")[1])
    for c in rows:
        assert len(c) == 9 and c[0] not in simple
        if c[0] in AR_COMPOUNDS:
            continue
        assert c[0].endswith("etmek")
        noun = c[0][:-5]
        assert c[1:] == [noun + f for f in
                         ("eder", "ediyor", "edecek", "etti", "etmiş", "etmeli", "et", "edin")], c[0]


# Compounds ending in a one-syllable verb keep its -Ar aorist.
AR_COMPOUNDS = {
    "vazgeçmek": ["vazgeçerim", "vazgeçersin", "vazgeçer", "vazgeçeriz", "vazgeçersiniz", "vazgeçerler"],
    "alıkoymak": ["alıkoyarım", "alıkoyarsın", "alıkoyar", "alıkoyarız", "alıkoyarsınız", "alıkoyarlar"],
    "varsaymak": ["varsayarım", "varsayarsın", "varsayar", "varsayarız", "varsayarsınız", "varsayarlar"],
}


@pytest.mark.parametrize("lemma", sorted(AR_COMPOUNDS))
def test_compound_keeps_ar_aorist(lemma):
    r = conj(lemma)
    assert r.aorist == AR_COMPOUNDS[lemma]
    assert (r.past[2], r.future[0]) == AR_OTHER[lemma]


AR_OTHER = {"vazgeçmek": ("vazgeçti", "vazgeçeceğim"), "alıkoymak": ("alıkoydu", "alıkoyacağım"),
            "varsaymak": ("varsaydı", "varsayacağım")}


@pytest.mark.parametrize("lemma, aorist, progressive, past", [
    ("devretmek", "devrederim", "devrediyorum", "devrettim"),
    ("küfretmek", "küfrederim", "küfrediyorum", "küfrettim"),
    ("mahvetmek", "mahvederim", "mahvediyorum", "mahvettim"),
    ("zulmetmek", "zulmederim", "zulmediyorum", "zulmettim"),
    ("nakşetmek", "nakşederim", "nakşediyorum", "nakşettim"),
])
def test_etmek_compound_softens(lemma, aorist, progressive, past):
    r = conj(lemma)
    assert (r.aorist[0], r.progressive[0], r.past[0]) == (aorist, progressive, past)


@pytest.mark.parametrize("name", ["tur.tsv", "tur_compounds.tsv"])
def test_every_row_is_used_as_written(name):
    for lemma, *bases, imp_sg, imp_pl in read_lexicon(name)[1]:
        r = conj(lemma)
        assert r.infinitive == lemma and r.imperative == [imp_sg, imp_pl]
        for tense, base in zip(TENSES, bases):
            if base != "-":
                assert getattr(r, tense)[2] == base, (lemma, tense)
        # The stored past is the base of the whole set-2 row.
        assert r.past[0] == bases[3] + "m" and r.past[3] == bases[3] + "k"


@pytest.mark.parametrize("text, infinitive, aorist", [
    ("gelmek", "gelmek", "gelir"),
    ("  GELMEK\t", "gelmek", "gelir"),
    ("\u00a0Almak\u3000", "almak", "alır"),
    # Capital dotted İ lower-cases to plain i, so the lexicon row is found.
    ("BİLMEK", "bilmek", "bilir"),
    ("İÇMEK", "içmek", "içer"),
    # Plain capital I lower-cases to dotless ı.
    ("ÇIKMAK", "çıkmak", "çıkar"),
])
def test_analysis(text, infinitive, aorist):
    r = conj(text)
    assert (r.infinitive, r.aorist[2]) == (infinitive, aorist)


@pytest.mark.parametrize("text", [
    "", "   ", "mek", "mak", "MAK", "almık", "gelme", "gel", "yardım etmek", "gel\tmek", "gelmek\u00a0gelmek",
    "gelmekler", "ek",
])
def test_rejected(text):
    with pytest.raises(ValueError, match="^not a Turkish infinitive$"):
        conj(text)


def test_language_codes():
    for code in ("tur", "TR", "turkish", "Türkçe"):
        assert velnor.conjugate("gelmek", code).aorist[2] == "gelir"


@pytest.mark.parametrize("verb, rows", [
    # No vowel in the stem: E is e and I is i.
    ("xmak", ["xer", "xiyor", "xecek", "xdi", "xmiş", "xmeli", "x", "xin"]),
    # â counts as a consonant: D is d, harmony comes from the vowel before it.
    ("kalâmak", ["kalâar", "kalâıyor", "kalâacak", "kalâdı", "kalâmış", "kalâmalı", "kalâ", "kalâın"]),
    # A stem ending in a voiceless consonant takes t in the past.
    ("kafmak", ["kafar", "kafıyor", "kafacak", "kaftı", "kafmış", "kafmalı", "kaf", "kafın"]),
])
def test_rule_corners(verb, rows):
    r = conj(verb)
    assert [getattr(r, t)[2] for t in TENSES] + r.imperative == rows


def test_softening_and_buffer():
    r = conj("gelmek")
    # The k of the future softens only before the vowel endings.
    assert r.future == ["geleceğim", "geleceksin", "gelecek", "geleceğiz", "geleceksiniz", "gelecekler"]
    # A vowel-final base takes y before a vowel ending; a consonant-final one does not.
    assert r.necessitative[0] == "gelmeliyim" and r.aorist[0] == "gelirim"
    # The imperative never softens: the 2pl of a k-final stem keeps its k.
    assert conj("çekmek").imperative == ["çek", "çekin"]
    assert conj("yakmak").imperative == ["yak", "yakın"]


def test_class():
    cls = velnor.TurkishConjugation
    assert cls.__doc__ == DOC
    assert [getattr(cls, n).__doc__ for n in ATTRIBUTES] == [""] * len(ATTRIBUTES)
    assert [n for n in dir(cls) if not n.startswith("_")] == sorted(ATTRIBUTES)
    r = conj("gelmek")
    assert repr(r) == 'TurkishConjugation("gelmek")'
    assert type(r) is cls
    with pytest.raises(TypeError):
        cls()
    with pytest.raises(AttributeError):
        r.past = []
    r.past.append("x")
    assert len(r.past) == 6


def test_concurrent_first_use():
    results, errors = [], []

    def work():
        try:
            results.append([conj(v).aorist for v in ("gelmek", "gitmek", "yapmak")])
        except Exception as e:  # noqa: BLE001
            errors.append(e)

    threads = [threading.Thread(target=work) for _ in range(8)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert not errors and all(r == results[0] for r in results)


@pytest.fixture(scope="module")
def tool(tmp_path_factory):
    """The C++ check program, built on a test lexicon: CRLF endings, a
    missing cell, a duplicate lemma, and a compound lemma that the main
    lexicon overrides."""
    d = tmp_path_factory.mktemp("tur_data")
    (d / "tur.tsv").write_bytes(
        "# head\r\n\r\nxmak\tA\t-\t\tD\tE\tF\tG\tH\r\nkısa\tk1\n"
        "ikiz\tfirst\t-\t-\t-\t-\t-\t-\t-\nikiz\tsecond\nortamak\tmain\n".encode())
    (d / "tur_compounds.tsv").write_bytes("ortamak\tcompound\tP\n#x\tno\n".encode())
    exe = build_cpp_tool(d, "tur_check.cpp",
                         ["tur.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                         [str(d / "tur.tsv"), str(d / "tur_compounds.tsv")])

    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


def test_harmony_helpers(tool):
    assert tool("two:", "two:xyz", "two:kitap", "two:göz", "two:ev", "two:kalâ") == [
        ["e"], ["e"], ["a"], ["e"], ["e"], ["a"]]
    assert tool("four:", "four:kır", "four:ev", "four:okul", "four:göz", "four:ü") == [
        ["i"], ["ı"], ["i"], ["u"], ["ü"], ["ü"]]
    # Only a final k softens, and only in add_vowel; a vowel takes the buffer y.
    assert tool("join:", "join:gelecek", "join:dağ", "join:gelmeli", "join:kitap") == [
        ["ım", "ım"], ["geleceğım", "gelecekım"], ["dağım", "dağım"], ["gelmeliyım", "gelmeliyım"],
        ["kitapım", "kitapım"]]


def test_lexicon_parse(tool):
    assert tool("row:xmak", "row:kısa", "row:ikiz", "row:ortamak", "row:#x", "row:head") == [
        ["A", "~", "~", "D", "E", "F", "G", "H"], ["k1"] + ["~"] * 7, ["second"] + ["~"] * 7,
        ["main"] + ["~"] * 7, ["NOROW"], ["NOROW"]]


def test_form_matches_table(tool):
    words = ["gelmek", "yapmak", "okumak", "xmak", "kalâmak", "ortamak", "beklemek", "çekmek"]
    assert tool(*("form:" + w for w in words)) == [["OK"]] * len(words)
    assert tool("form:mak", "form:a b mek") == [["FAIL"], ["FAIL"]]
