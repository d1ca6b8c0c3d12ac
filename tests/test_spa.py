"""Spanish engine: analysis, lexicons, spelling rules, tenses, imperative and
the SpanishConjugation class."""
import os

import pytest

import velnor
from conftest import read_test_data

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
COMMON = read_test_data("spa_common.txt")

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
