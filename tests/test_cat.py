"""Catalan conjugation: analysis, forms, the lexicon and the result class."""
import os

import pytest

import velnor
from conftest import needs, read_test_data

pytestmark = needs("cat")

LEXICON = os.path.join(os.path.dirname(__file__), "..", "data", "cat.tsv")

HEADER = [
    "# Catalan irregular verbs — mined from FreeLing gold. Base lemmas;",
    "# prefixed derivatives match by suffix unless the base is exact (col 10).",
    "# Regenerate: python3 scripts/cat/mine_verbs.py",
    "# lemma\tpres\timpf\tpret\tsubjpres\tsubjimpf\tfut_stem\tpp\tger\timp2\texact\tppf\timp2pl",
]

EXACT_ONLY = """absoldre acollir adir afegir agrair anar argüir atapeir avenir beure boiar cloure cobrir collir complaure
complir conduir constituir construir convenir conèixer corregir cosir coure creuar creure cruixir córrer dar destruir
dir dirigir distingir doldre donar eduir eixir emetre empobrir encongir encreuar endolcir enlletgir entendre erigir
escriure escórrer estar estrènyer fendre fer fluir fondre fregir fugir imprimir lluir maleir marcir metre morir moure
musteir néixer obeir obrir obstruir oiar oir oldre omplir pair plaure ploure plànyer pondre pouar prendre punyir raure
redir reescriure regir reimprimir remetre renéixer reobrir reprendre revenir reveure riure seguir seure sortir tenir
tondre traduir transmetre treure tòrcer urgir valer vendre venir veure viure vèncer""".split()

TENSES = ["present", "imperfect", "preterite", "future", "conditional", "subjunctive_present",
          "subjunctive_imperfect"]


def cat(word):
    return velnor.conjugate(word, "cat")


def words(text):
    return text.split()


# ---------------------------------------------------------------- worked examples

FULL = {
    "parlar": dict(
        present="parlo parles parla parlem parleu parlen",
        imperfect="parlava parlaves parlava parlàvem parlàveu parlaven",
        preterite="parlí parlares parlà parlàrem parlàreu parlaren",
        future="parlaré parlaràs parlarà parlarem parlareu parlaran",
        conditional="parlaria parlaries parlaria parlaríem parlaríeu parlarien",
        subjunctive_present="parli parlis parli parlem parleu parlin",
        subjunctive_imperfect="parlés parlessis parlés parléssim parléssiu parlessin",
        imperative="parla parli parlem parleu parlin", gerund="parlant", past_participle="parlat"),
    "batre": dict(
        present="bato bats bat batem bateu baten",
        imperfect="batia baties batia batíem batíeu batien",
        preterite="batí bateres baté batérem batéreu bateren",
        future="batré batràs batrà batrem batreu batran",
        conditional="batria batries batria batríem batríeu batrien",
        subjunctive_present="bati batis bati batem bateu batin",
        subjunctive_imperfect="batés batessis batés batéssim batéssiu batessin",
        imperative="bat bati batem bateu batin", gerund="batent", past_participle="batut"),
    "dormir": dict(
        present="dormo dorms dorm dormim dormiu dormen",
        imperfect="dormia dormies dormia dormíem dormíeu dormien",
        preterite="dormí dormires dormí dormírem dormíreu dormiren",
        future="dormiré dormiràs dormirà dormirem dormireu dormiran",
        subjunctive_present="dormi dormis dormi dormim dormiu dormin",
        subjunctive_imperfect="dormís dormissis dormís dormíssim dormíssiu dormissin",
        imperative="dorm dormi dormim dormiu dormin", gerund="dormint", past_participle="dormit"),
    "servir": dict(
        present="serveixo serveixes serveix servim serviu serveixen",
        imperfect="servia servies servia servíem servíeu servien",
        preterite="serví servires serví servírem servíreu serviren",
        conditional="serviria serviries serviria serviríem serviríeu servirien",
        subjunctive_present="serveixi serveixis serveixi servim serviu serveixin",
        subjunctive_imperfect="servís servissis servís servíssim servíssiu servissin",
        imperative="serveix serveixi servim serviu serveixin", gerund="servint", past_participle="servit"),
    "anar": dict(
        present="vaig vas va anem aneu van",
        imperfect="anava anaves anava anàvem anàveu anaven",
        preterite="aní anares anà anàrem anàreu anaren",
        future="aniré aniràs anirà anirem anireu aniran",
        conditional="aniria aniries aniria aniríem aniríeu anirien",
        subjunctive_present="vagi vagis vagi anem aneu vagin",
        subjunctive_imperfect="anés anessis anés anéssim anéssiu anessin",
        imperative="vés vagi anem aneu vagin", gerund="anant", past_participle="anat"),
    "fer": dict(
        present="faig fas fa fem feu fan",
        imperfect="feia feies feia fèiem fèieu feien",
        preterite="fiu feres féu férem féreu feren",
        future="faré faràs farà farem fareu faran",
        subjunctive_present="faci facis faci fem feu facin",
        subjunctive_imperfect="fes fessis fes féssim féssiu fessin",
        imperative="fes faci fem feu facin", gerund="fent", past_participle="fet"),
    "tenir": dict(
        present="tinc tens té tenim teniu tenen",
        imperfect="tenia tenies tenia teníem teníeu tenien",
        preterite="tinguí tingueres tingué tinguérem tinguéreu tingueren",
        future="tindré tindràs tindrà tindrem tindreu tindran",
        conditional="tindria tindries tindria tindríem tindríeu tindrien",
        subjunctive_present="tingui tinguis tingui tinguem tingueu tinguin",
        subjunctive_imperfect="tingués tinguessis tingués tinguéssim tinguéssiu tinguessin",
        imperative="ten tingui tinguem teniu tinguin", gerund="tenint", past_participle="tingut"),
    "haver": dict(
        present="he has ha havem haveu han",
        imperfect="havia havies havia havíem havíeu havien",
        future="hauré hauràs haurà haurem haureu hauran",
        subjunctive_present="hagi hagis hagi hàgim hàgiu hagin",
        subjunctive_imperfect="hagués haguessis hagués haguéssim haguéssiu haguessin",
        gerund="havent", past_participle="hagut"),
    "poder": dict(
        present="puc pots pot podem podeu poden",
        preterite="poguí pogueres pogué poguérem poguéreu pogueren",
        future="podré podràs podrà podrem podreu podran",
        subjunctive_present="pugui puguis pugui puguem pugueu puguin",
        subjunctive_imperfect="pogués poguessis pogués poguéssim poguéssiu poguessin",
        imperative="pugues pugui puguem pugueu puguin", gerund="podent", past_participle="pogut"),
    "collir": dict(
        present="cullo culls cull collim colliu cullen",
        future="colliré colliràs collirà collirem collireu colliran",
        subjunctive_present="culli cullis culli collim colliu cullin",
        imperative="cull culli collim colliu cullin", gerund="collint", past_participle="collit"),
    "ésser": dict(
        present="sóc ets és som sou són",
        imperfect="era eres era érem éreu eren",
        preterite="fui fores fou fórem fóreu foren",
        future="seré seràs serà serem sereu seran",
        conditional="seria series seria seríem seríeu serien",
        subjunctive_present="sigui siguis sigui siguem sigueu siguin",
        subjunctive_imperfect="fos fossis fos fóssim fóssiu fossin",
        imperative="sigues sigui siguem sigueu siguin", gerund="essent", past_participle="estat"),
}


@pytest.mark.parametrize("verb,expected", FULL.items(), ids=list(FULL))
def test_worked_examples(verb, expected):
    t = cat(verb)
    assert t.infinitive == verb
    for name, value in expected.items():
        got = getattr(t, name)
        assert got == (words(value) if isinstance(got, list) else value), name


def test_ser_is_the_verb_to_be_too():
    ser, esser = cat("ser"), cat("ésser")
    for name in TENSES + ["past_participle", "imperative"]:
        assert getattr(ser, name) == getattr(esser, name), name
    assert ser.gerund == "sent"


@pytest.mark.parametrize("word,infinitive,present,first_future", [
    ("rentar-se", "rentar-se", "em rento,et rentes,es renta,ens rentem,us renteu,es renten", "em rentaré"),
    ("Rentar-se", "rentar-se", "em rento,et rentes,es renta,ens rentem,us renteu,es renten", "em rentaré"),
    ("estimar-se", "estimar-se", "m'estimo,t'estimes,s'estima,ens estimem,us estimeu,s'estimen", "m'estimaré"),
    ("hidratar-se", "hidratar-se", "m'hidrato,t'hidrates,s'hidrata,ens hidratem,us hidrateu,s'hidraten",
     "m'hidrataré"),
    ("dormir-se", "dormir-se", "em dormo,et dorms,es dorm,ens dormim,us dormiu,es dormen", "em dormiré"),
    ("treure's", "treure's", "em trec,et treus,es treu,ens traiem,us traieu,es treuen", "em trauré"),
    ("asseure's", "asseure's", "m'assec,t'asseus,s'asseu,ens asseiem,us asseieu,s'asseuen", "m'asseuré"),
    ("témer-se", "témer-se", "em temo,et tems,es tem,ens temem,us temeu,es temen", "em temeré"),
    ("rentar's", "rentar-se", "em rento,et rentes,es renta,ens rentem,us renteu,es renten", "em rentaré"),
    ("  parlar-se \n", "parlar-se", "em parlo,et parles,es parla,ens parlem,us parleu,es parlen", "em parlaré"),
])
def test_reflexive(word, infinitive, present, first_future):
    t = cat(word)
    assert t.infinitive == infinitive
    assert t.present == present.split(",")
    assert t.future[0] == first_future
    assert repr(t) == 'CatalanConjugation("%s")' % infinitive
    # Non-finite forms and the imperative carry no pronoun.
    assert " " not in t.gerund and "'" not in t.gerund
    assert all(" " not in f for f in t.imperative)


def test_reflexive_pronoun_in_every_tense():
    t = cat("rentar-se")
    assert t.imperative == words("renta renti rentem renteu rentin")
    for name in TENSES:
        row = getattr(t, name)
        assert [f.split(" ")[0] for f in row] == ["em", "et", "es", "ens", "us", "es"], name


# ---------------------------------------------------------------- spelling

@pytest.mark.parametrize("verb,slot,expected", [
    ("tocar", ("subjunctive_present", 0), "toqui"),
    ("començar", ("subjunctive_present", 0), "comenci"),
    ("menjar", ("present", 3), "mengem"),
    ("pagar", ("preterite", 0), "paguí"),
    ("pagar", ("subjunctive_present", 3), "paguem"),
    ("enaiguar", ("subjunctive_present", 0), "enaigüi"),
    ("enaiguar", ("present", 3), "enaigüem"),
    ("liquar", ("subjunctive_present", 2), "liqüi"),
    ("crear", ("subjunctive_present", 0), "creï"),
    ("estudiar", ("subjunctive_present", 5), "estudiïn"),
    ("estudiar", ("preterite", 0), "estudií"),
    ("crear", ("imperfect", 0), "creava"),
    # The second and third conjugations keep the stem's spelling.
    ("llegir", ("present", 0), "llegeixo"),
    ("llegir", ("present", 3), "llegim"),
    ("llegir", ("imperfect", 0), "llegia"),
    ("llegir", ("preterite", 0), "llegí"),
    ("llegir", ("subjunctive_present", 0), "llegeixi"),
    ("aconseguir", ("present", 0), "aconsegueixo"),
    ("aconseguir", ("present", 3), "aconseguim"),
    ("exigir", ("subjunctive_imperfect", 0), "exigís"),
    ("delinquir", ("present", 3), "delinquim"),
    # A vowel before an unstressed i: the i takes the diaeresis.
    ("produir", ("present", 3), "produïm"),
    ("produir", ("imperfect", 0), "produïa"),
    ("produir", ("preterite", 1), "produïres"),
    ("produir", ("preterite", 0), "produí"),
    ("produir", ("present", 0), "produeixo"),
])
def test_spelling_at_the_joint(verb, slot, expected):
    name, i = slot
    assert getattr(cat(verb), name)[i] == expected


@pytest.mark.parametrize("verb,participle,gerund", [
    ("produir", "produït", "produint"),
    ("introduir", "introduït", "introduint"),
    ("beneir", "beneït", "beneint"),
    ("atribuir", "atribuït", "atribuint"),
    ("trair", "traït", "traint"),
    ("seguir", "seguit", "seguint"),
    ("aconseguir", "aconseguit", "aconseguint"),
    ("delinquir", "delinquit", "delinquint"),
    ("servir", "servit", "servint"),
])
def test_participle_diaeresis_after_a_vowel(verb, participle, gerund):
    t = cat(verb)
    assert (t.past_participle, t.gerund) == (participle, gerund)


# ---------------------------------------------------------------- prefixes

@pytest.mark.parametrize("verb,checks", [
    ("recaure", {"present": "recaic recaus recau recaiem recaieu recauen", "imperfect": "requeia requeies requeia "
                 "requèiem requèieu requeien", "gerund": "recaient", "past_participle": "recaigut",
                 "imperative": "recau recaigui recaiguem recaieu recaiguin", "future": "recauré recauràs recaurà "
                 "recaurem recaureu recauran"}),
    ("desaparèixer", {"present": "desaparec desapareixes desapareix desapareixem desapareixeu desapareixen",
                      "past_participle": "desaparegut", "subjunctive_present": "desaparegui desapareguis "
                      "desaparegui desapareguem desaparegueu desapareguin"}),
    ("prometre", {"present": "prometo promets promet prometem prometeu prometen", "past_participle": "promès"}),
    ("comprometre", {"present": "comprometo compromets compromet comprometem comprometeu comprometen",
                     "past_participle": "compromès"}),
    ("desaguar", {"present": "desaguo desagües desagua desagüem desagüeu desagüen"}),
    ("desaprendre", {"present": "desaprenc desaprens desaprèn desaprenem desapreneu desaprenen",
                     "past_participle": "desaprès"}),
    ("correspondre", {"present": "corresponc correspons correspon corresponem corresponeu corresponen",
                      "past_participle": "correspost"}),
    ("readmetre", {"past_participle": "readmès", "future": "readmetré readmetràs readmetrà readmetrem "
                   "readmetreu readmetran"}),
])
def test_prefixed_verbs_take_the_base_row(verb, checks):
    t = cat(verb)
    for name, value in checks.items():
        got = getattr(t, name)
        assert got == (words(value) if isinstance(got, list) else value), name


@pytest.mark.parametrize("verb,present0,participle", [
    # Exact-only bases do not match the end of a longer verb ...
    ("restar", "resto", "restat"),        # not estar
    ("abandonar", "abandono", "abandonat"),  # not donar
    ("perseguir", "persegueixo", "perseguit"),  # seguir is exact-only; the rules give the same
    # ... so the common derivatives have rows of their own.
    ("mantenir", "mantinc", "mantingut"),
    ("retenir", "retinc", "retingut"),
    ("obtenir", "obtinc", "obtingut"),
    ("contenir", "continc", "contingut"),
    ("aprendre", "aprenc", "après"),
    ("comprendre", "comprenc", "comprès"),
    ("descobrir", "descobreixo", "descobert"),
    ("admetre", "admeto", "admès"),
    ("respondre", "responc", "respost"),
    ("desfer", "desfaig", "desfet"),
    ("satisfer", "satisfaig", "satisfet"),
    ("rebre", "rebo", "rebut"),
    ("deure", "dec", "degut"),
    ("intervenir", "intervinc", "intervingut"),
    ("atreure", "atrec", "atret"),
    ("inscriure", "inscric", "inscrit"),
    ("incloure", "incloc", "inclòs"),
    ("reconèixer", "reconec", "reconegut"),
    ("recórrer", "recorro", "recorregut"),
    ("sobreviure", "sobrevisc", "sobreviscut"),
    ("somriure", "somric", "somrigut"),
    ("promoure", "promoc", "promogut"),
    ("preveure", "preveig", "previst"),
    ("convèncer", "convenço", "convençut"),
    ("recollir", "recullo", "recollit"),
    ("escollir", "escullo", "escollit"),
    ("acomplir", "acompleixo", "acomplert"),
    # Verbs that only look like derivatives of a row or of a pure -ir verb.
    ("proferir", "profereixo", "proferit"),    # not oferir
    ("atemorir", "atemoreixo", "atemorit"),    # not morir
    ("assortir", "assorteixo", "assortit"),    # not sortir
    ("defugir", "defujo", "defugit"),
    ("descórrer", "descorro", "descorregut"),
    ("suplir", "supleixo", "suplert"),
])
def test_exact_only_bases_and_derivative_rows(verb, present0, participle):
    t = cat(verb)
    assert (t.present[0], t.past_participle) == (present0, participle)


@pytest.mark.parametrize("word", ["tosser", "engrosser", "enrosser", "espesser", "retosser", "tosser-se"])
def test_row_without_forms_refuses_the_verb(word):
    # Rows with "-" in every cell name verbs whose paradigm is not known: the
    # rules would give tosss, engrosss.
    with pytest.raises(ValueError) as e:
        cat(word)
    assert e.value.args == ("not a supported Catalan verb",)


def test_ocloure_is_conjugated_like_cloure():
    t = cat("ocloure")
    assert t.present == words("ocloc oclous oclou ocloem ocloeu oclouen")
    assert t.imperfect == words("ocloïa ocloïes ocloïa ocloíem ocloíeu ocloïen")
    assert t.preterite[0] == "ocloguí"
    assert t.subjunctive_present == words("oclogui ocloguis oclogui ocloguem oclogueu ocloguin")
    assert t.future[0] == "oclouré"
    assert (t.past_participle, t.gerund) == ("oclòs", "ocloent")
    assert t.imperative == words("oclou oclogui ocloguem ocloeu ocloguin")


@pytest.mark.parametrize("verb,checks", [
    # A semivowel i after a vowel merges with the ending's i (boï, not boiï).
    ("acomboiar", {"subjunctive_present": "acomboï acomboïs acomboï acomboiem acomboieu acomboïn",
                   "preterite": "acomboí acomboiares acomboià acomboiàrem acomboiàreu acomboiaren"}),
    ("enraiar", {"subjunctive_present": "enraï enraïs enraï enraiem enraieu enraïn"}),
    # ... and a semivowel u takes no diaeresis after it (preui, not preuï).
    ("preuar", {"subjunctive_present": "preui preuis preui preuem preueu preuin"}),
    ("niuar", {"imperative": "niua niui niuem niueu niuin"}),
    # The u of gu and a u after a consonant are vowels: the i keeps its own syllable.
    ("guiar", {"subjunctive_present": "guiï guiïs guiï guiem guieu guiïn"}),
    ("evacuar", {"subjunctive_present": "evacuï evacuïs evacuï evacuem evacueu evacuïn"}),
    # An -er infinitive's accent marks only the infinitive's stress.
    ("fúmer", {"present": "fumo fums fum fumem fumeu fumen", "imperfect": "fumia fumies fumia fumíem fumíeu fumien",
               "future": "fumeré fumeràs fumerà fumerem fumereu fumeran", "gerund": "fument",
               "past_participle": "fumut"}),
    ("nòmer", {"present": "nomo noms nom nomem nomeu nomen", "past_participle": "nomut"}),
    # A c stem: ç before o, at the end and before u.
    ("revèncer", {"present": "revenço revences revenç revencem revenceu revencen", "past_participle": "revençut",
                  "imperative": "revenç revenci revencem revenceu revencin"}),
    # Sibilant stems take -es in the second person, consonant + l/r the support e.
    ("brunzir", {"present": "brunzo brunzes brunz brunzim brunziu brunzen"}),
    ("desomplir", {"present": "desomplo desomples desomple desomplim desompliu desomplen",
                   "imperative": "desomple desompli desomplim desompliu desomplin"}),
    # penedir is inchoative, like servir: no *peneds, *pened.
    ("penedir", {"present": "penedeixo penedeixes penedeix penedim penediu penedeixen",
                 "subjunctive_present": "penedeixi penedeixis penedeixi penedim penediu penedeixin"}),
])
def test_joint_of_stem_and_ending(verb, checks):
    t = cat(verb)
    for name, value in checks.items():
        got = getattr(t, name)
        assert got == (words(value) if isinstance(got, list) else value), name


@pytest.mark.parametrize("verb,present,participle,future0", [
    # Variant infinitives take the paradigm of the standard verb.
    ("tindre", "tinc tens té tenim teniu tenen", "tingut", "tindré"),
    ("mantindre", "mantinc mantens manté mantenim manteniu mantenen", "mantingut", "mantindré"),
    ("vindre", "vinc véns ve venim veniu vénen", "vingut", "vindré"),
    ("intervindre", "intervinc intervens intervé intervenim interveniu intervenen", "intervingut", "intervindré"),
    ("valdre", "valc vals val valem valeu valen", "valgut", "valdré"),
    ("esser", "sóc ets és som sou són", "estat", "seré"),
    ("caber", "quep caps cap cabem cabeu caben", "cabut", "cabré"),
    # Derivatives of exact-only bases, and look-alikes of other rows.
    ("captenir", "captinc captens capté captenim capteniu captenen", "captingut", "captindré"),
    ("reconvenir", "reconvinc reconvens reconvé reconvenim reconveniu reconvenen", "reconvingut", "reconvindré"),
    ("maldir", "maldic maldius maldiu maldiem maldieu maldiuen", "maldit", "maldiré"),
    ("confugir", "confujo confuges confuig confugim confugiu confugen", "confugit", "confugiré"),
    ("ressortir", "ressurto ressurts ressurt ressortim ressortiu ressurten", "ressortit", "ressortiré"),
    ("recosir", "recuso recuses recús recosim recosiu recusen", "recosit", "recosiré"),
    ("premorir", "premoro premors premor premorim premoriu premoren", "premort", "premoriré"),
    ("munyir", "munyo munys muny munyim munyiu munyen", "munyit", "munyiré"),
    ("encollir", "encolleixo encolleixes encolleix encollim encolliu encolleixen", "encollit", "encolliré"),
    ("desempobrir", "desempobreixo desempobreixes desempobreix desempobrim desempobriu desempobreixen",
     "desempobrit", "desempobriré"),
    ("recomplir", "recompleixo recompleixes recompleix recomplim recompliu recompleixen", "recomplert",
     "recompliré"),
    ("pellobrir", "pellobro pellobres pellobre pellobrim pellobriu pellobren", "pellobert", "pellobriré"),
    ("redargüir", "redargüeixo redargüeixes redargüeix redarguïm redarguïu redargüeixen", "redarguït",
     "redargüiré"),
    ("sobreimprimir", "sobreimprimeixo sobreimprimeixes sobreimprimeix sobreimprimim sobreimprimiu "
     "sobreimprimeixen", "sobreimprès", "sobreimprimiré"),
    ("reemetre", "reemeto reemets reemet reemetem reemeteu reemeten", "reemès", "reemetré"),
    ("ullprendre", "ullprenc ullprens ullprèn ullprenem ullpreneu ullprenen", "ullprès", "ullprendré"),
    ("corfondre", "corfonc corfons corfon corfonem corfoneu corfonen", "corfós", "corfondré"),
    ("rebeure", "rebec rebeus rebeu rebevem rebeveu rebeuen", "rebegut", "rebeuré"),
    ("somoure", "somoc somous somou somovem somoveu somouen", "somogut", "somouré"),
    ("sotaescriure", "sotaescric sotaescrius sotaescriu sotaescrivim sotaescriviu sotaescriuen", "sotaescrit",
     "sotaescriuré"),
    ("destòrcer", "destorço destorces destorç destorcem destorceu destorcen", "destorçut", "destorceré"),
    ("acórrer", "acorro acorres acorre acorrem acorreu acorren", "acorregut", "acorreré"),
])
def test_rows_for_variants_and_derivatives(verb, present, participle, future0):
    t = cat(verb)
    assert t.present == words(present)
    assert (t.past_participle, t.future[0]) == (participle, future0)


@pytest.mark.parametrize("word", ["soldre", "corre", "péixer", "malfer", "vore", "toldre"])
def test_irregular_classes_without_a_row_are_refused(word):
    # Every -ure, -ndre, -ldre, -ixer or -fer verb is irregular: rule forms
    # such as heuo or soldo would be wrong.
    with pytest.raises(ValueError) as e:
        cat(word)
    assert e.value.args == (UNSUPPORTED,)


# ---------------------------------------------------------------- failures

NOT_A_VERB = "not a Catalan infinitive"
UNSUPPORTED = "not a supported Catalan verb"


@pytest.mark.parametrize("word,message", [
    ("", NOT_A_VERB),
    ("   ", NOT_A_VERB),
    ("-se", NOT_A_VERB),
    ("'s", NOT_A_VERB),
    ("parlar se", NOT_A_VERB),
    ("parlar\tse", NOT_A_VERB),
    ("a b", NOT_A_VERB),
    ("ar", NOT_A_VERB),
    ("ir", NOT_A_VERB),
    ("re-se", NOT_A_VERB),
    ("a", UNSUPPORTED),
    ("xy", UNSUPPORTED),
    ("casa", UNSUPPORTED),
    ("parlo", UNSUPPORTED),
    ("sur", UNSUPPORTED),
    ("parlar-", UNSUPPORTED),
    ("é", UNSUPPORTED),
])
def test_failure_messages(word, message):
    with pytest.raises(ValueError) as e:
        cat(word)
    assert e.value.args == (message,)


@pytest.mark.parametrize("word,infinitive", [
    ("  PARLAR  ", "parlar"),
    ("Dormir", "dormir"),
    ("ÉSSER", "ésser"),
    ("\u3000cantar\u2003", "cantar"),
    ("p4rlar", "p4rlar"),  # no character check beyond the ending
    ("e\u0301sser", "ésser"),  # a separate combining accent joins its letter
    ("comenc\u0327ar", "començar"),
    ("argu\u0308ir", "argüir"),
])
def test_input_normalisation(word, infinitive):
    assert cat(word).infinitive == infinitive


def test_decomposed_accents_conjugate_like_precomposed():
    assert cat("e\u0301sser").present == cat("ésser").present
    assert cat("comenc\u0327ar").preterite == cat("començar").preterite


# ---------------------------------------------------------------- result class

def test_result_class():
    cls = velnor.CatalanConjugation
    assert cls.__doc__ == ("The full conjugation table of one Catalan verb. Rows are\n"
                           "[jo, tu, ell/ella, nosaltres, vosaltres, ells/elles].")
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == ["infinitive", "gerund", "past_participle", "imperative"] + TENSES
    assert cls.imperative.__doc__ == "[tu, vostè, nosaltres, vosaltres, vostès]"
    assert cls.present.__doc__ in (None, "")
    t = cat("parlar")
    assert t.present[0] == "parlo"
    assert len(t.imperative) == 5 and all(isinstance(f, str) for f in t.imperative)
    for name in TENSES:
        assert len(getattr(t, name)) == 6
    assert repr(t) == 'CatalanConjugation("parlar")'
    assert repr(cat("treure's")) == 'CatalanConjugation("treure\'s")'
    with pytest.raises(AttributeError):
        t.present = []
    with pytest.raises(TypeError):
        cls()


# ---------------------------------------------------------------- common verbs, slot by slot

# verb | present | subjunctive present | imperfect 1sg | preterite 3sg | future 1sg | subj. imperfect 1sg |
# gerund | past participle | imperative tu
COMMON = read_test_data("cat_common.txt")

COMMON_ROWS = [[c.strip() for c in line.split("|")] for line in COMMON.strip().splitlines()]


def test_common_table_is_large_enough():
    assert len({r[0] for r in COMMON_ROWS}) >= 100


@pytest.mark.parametrize("row", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs(row):
    verb, pres, subj, impf, pret3, fut, simpf, ger, pp, imp = row
    t = cat(verb)
    assert t.present == words(pres)
    assert t.subjunctive_present == words(subj)
    assert t.imperfect[0] == impf
    assert t.preterite[2] == pret3
    assert t.future[0] == fut
    assert t.conditional[0] == fut[:-1] + "ia"
    assert t.subjunctive_imperfect[0] == simpf
    assert (t.gerund, t.past_participle, t.imperative[0]) == (ger, pp, imp)
    # The polite and plural imperatives come from the subjunctive.
    s = words(subj)
    assert (t.imperative[1], t.imperative[2], t.imperative[4]) == (s[2], s[3], s[5])


# ---------------------------------------------------------------- the built-in lexicon

def read_lexicon():
    with open(LEXICON, encoding="utf-8") as f:
        text = f.read()
    lines = text.split("\n")
    assert lines[-1] == ""  # every line ends in a line feed
    return lines[:-1]


def data_rows():
    return [line.split("\t") for line in read_lexicon() if line and not line.startswith("#")]


def test_lexicon_header_and_shape():
    lines = read_lexicon()
    assert lines[:4] == HEADER
    rows = data_rows()
    assert len(rows) == len(lines) - 4
    lemmas = [r[0] for r in rows]
    assert len(set(lemmas)) == len(lemmas), "duplicate lemma"
    for r in rows:
        assert len(r) == 13, r[0]
        lemma = r[0]
        assert lemma == lemma.lower() and lemma[-2:] in ("ar", "er", "re", "ir") or lemma == "dur", lemma
        assert r[10] in ("1", "-"), lemma
        for i in range(1, 6):
            assert r[i] == "-" or len(r[i].split(",")) == 6, (lemma, i)
        for i in range(1, 13):
            assert r[i] and r[i] == r[i].strip() and " " not in r[i], (lemma, i)
    exact = {r[0] for r in rows if r[10] == "1"}
    assert set(EXACT_ONLY) <= exact
    assert exact - set(EXACT_ONLY) == {"ésser", "ser", "esser", "tindre", "vindre", "valdre"}
    for lemma in ("tosser", "engrosser", "enrosser", "espesser"):
        assert [r for r in rows if r[0] == lemma][0][1:] == ["-"] * 10 + ["-", "-"]


def expected_from_row(row, prefix):
    """What a verb conjugated from this row shows, where the row has the form."""
    out = {}
    for i, name in ((1, "present"), (2, "imperfect"), (3, "preterite"), (4, "subjunctive_present"),
                    (5, "subjunctive_imperfect")):
        if row[i] != "-":
            out[name] = [prefix + f for f in row[i].split(",")]
    if row[6] != "-":
        out["future"] = [prefix + row[6] + e for e in ("é", "às", "à", "em", "eu", "an")]
    if row[7] != "-":
        out["past_participle"] = prefix + row[7]
    if row[8] != "-":
        out["gerund"] = prefix + row[8]
    return out


def refused(row):
    return row is not None and all(c == "-" for c in row[1:])


def irregular_class(word):
    """Second-conjugation endings that the rules cannot conjugate."""
    return word[-2:] in ("er", "re") and (
        word.endswith(("ndre", "ldre", "rre", "ixer", "fer")) or (word.endswith("re") and word[-3] in VOWELS))


VOWELS = "aeiouàéèíïòóúü"


@pytest.mark.parametrize("row", data_rows(), ids=lambda r: r[0])
def test_every_row_conjugates_its_lemma(row):
    if refused(row):
        with pytest.raises(ValueError):
            cat(row[0])
        return
    t = cat(row[0])
    for name, value in expected_from_row(row, "").items():
        assert getattr(t, name) == value, name
    if row[9] != "-":
        assert t.imperative[0] == row[9]
    if row[12] != "-":
        assert t.imperative[3] == row[12]


def reference_lookup(rows, word):
    """The longest lemma that is the word, or its end for rows not marked
    exact-only; of equally long lemmas the first in the file."""
    best = None
    for r in rows:
        lemma = r[0]
        match = word == lemma if len(r) > 10 and r[10] == "1" else word.endswith(lemma)
        if match and (best is None or len(lemma) > len(best[0])):
            best = r
    return best


def test_lookup_agrees_with_a_scan_of_the_text():
    rows = data_rows()
    prefixes = ["", "re", "des", "a", "com", "pre", "sobre", "x"]
    checked = 0
    for r in rows:
        for p in prefixes:
            word = p + r[0]
            row = reference_lookup(rows, word)
            if refused(row) or (row is None and irregular_class(word)):
                with pytest.raises(ValueError):
                    cat(word)
                checked += 1
                continue
            t = cat(word)
            if row is None:
                # No row: the future is built on the infinitive by rule.
                plain = word.translate(str.maketrans("àèéíòóú", "aeeioou"))
                stem = word[:-1] if word.endswith("re") else plain
                assert t.future[0] == stem + "é", word
                checked += 1
                continue
            for name, value in expected_from_row(row, word[:len(word) - len(row[0])]).items():
                assert getattr(t, name) == value, (word, row[0], name)
            checked += 1
    assert checked == len(rows) * len(prefixes)
