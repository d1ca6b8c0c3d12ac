import os
import unicodedata

import pytest

import velnor
from conftest import needs, read_test_data

pytestmark = needs("fra")

DASH = "—"
LEXICON = os.path.join(os.path.dirname(__file__), os.pardir, "data", "fra_irregular.tsv")

SIMPLE = ["present", "imperfect", "past_historic", "future", "conditional", "subjunctive_present",
          "subjunctive_imperfect"]
COMPOUND = ["passe_compose", "plus_que_parfait", "passe_anterieur", "futur_anterieur", "conditionnel_passe",
            "subjonctif_passe", "subjonctif_plus_que_parfait"]


def conj(word):
    return velnor.conjugate(word, lang="fra")


def row(text):
    return text.split()


# ---- common verbs, slot by slot ----
#
# verb: present (six forms); imperfect je; past historic je, ils; future je;
# subjunctive je, nous; past participle; auxiliary (a = avoir, ê = être).
COMMON = read_test_data("fra_common.txt").strip().splitlines()


def common_case(line):
    verb, rest = line.split(": ", 1)
    present, impf, ps, fut, subj, pp, aux = (part.strip() for part in rest.split(";"))
    return pytest.param(verb, row(present), impf, row(ps), fut, row(subj), pp,
                        {"a": "avoir", "ê": "être"}[aux], id=verb)


@pytest.mark.parametrize("verb,present,impf,ps,fut,subj,pp,aux", [common_case(line) for line in COMMON])
def test_common_verbs(verb, present, impf, ps, fut, subj, pp, aux):
    t = conj(verb)
    assert t.infinitive == verb
    assert t.present == present
    assert t.imperfect[0] == impf
    assert [t.past_historic[0], t.past_historic[5]] == ps
    assert t.future[0] == fut
    assert [t.subjunctive_present[0], t.subjunctive_present[3]] == subj
    assert t.past_participle == pp
    assert t.auxiliary == aux
    plural_pp = pp if aux == "avoir" or pp.endswith("s") else pp + "s"
    first = {"avoir": ["ai", "avons"], "être": ["suis", "sommes"]}[aux]
    assert [t.passe_compose[0], t.passe_compose[3]] == [f"{first[0]} {pp}", f"{first[1]} {plural_pp}"]


# ---- worked examples: full rows ----

ROWS = [
    ("parler", "past_historic", "parlai parlas parla parlâmes parlâtes parlèrent"),
    ("parler", "subjunctive_imperfect", "parlasse parlasses parlât parlassions parlassiez parlassent"),
    ("parler", "conditional", "parlerais parlerais parlerait parlerions parleriez parleraient"),
    ("appeler", "future", "appellerai appelleras appellera appellerons appellerez appelleront"),
    ("geler", "future", "gèlerai gèleras gèlera gèlerons gèlerez gèleront"),
    ("céder", "subjunctive_present", "cède cèdes cède cédions cédiez cèdent"),
    ("céder", "conditional", "céderais céderais céderait céderions céderiez céderaient"),
    ("lever", "future", "lèverai lèveras lèvera lèverons lèverez lèveront"),
    ("nettoyer", "future", "nettoierai nettoieras nettoiera nettoierons nettoierez nettoieront"),
    ("payer", "subjunctive_present", "paie paies paie payions payiez paient"),
    ("manger", "past_historic", "mangeai mangeas mangea mangeâmes mangeâtes mangèrent"),
    ("manger", "imperfect", "mangeais mangeais mangeait mangions mangiez mangeaient"),
    ("manger", "subjunctive_imperfect", "mangeasse mangeasses mangeât mangeassions mangeassiez mangeassent"),
    ("commencer", "imperfect", "commençais commençais commençait commencions commenciez commençaient"),
    ("commencer", "past_historic", "commençai commenças commença commençâmes commençâtes commencèrent"),
    ("finir", "past_historic", "finis finis finit finîmes finîtes finirent"),
    ("finir", "subjunctive_imperfect", "finisse finisses finît finissions finissiez finissent"),
    ("finir", "imperfect", "finissais finissais finissait finissions finissiez finissaient"),
    ("vendre", "past_historic", "vendis vendis vendit vendîmes vendîtes vendirent"),
    ("vendre", "subjunctive_imperfect", "vendisse vendisses vendît vendissions vendissiez vendissent"),
    ("venir", "past_historic", "vins vins vint vînmes vîntes vinrent"),
    ("venir", "subjunctive_imperfect", "vinsse vinsses vînt vinssions vinssiez vinssent"),
    ("naître", "past_historic", "naquis naquis naquit naquîmes naquîtes naquirent"),
    ("croître", "past_historic", "crûs crûs crût crûmes crûtes crûrent"),
    ("courir", "subjunctive_imperfect", "courusse courusses courût courussions courussiez courussent"),
    ("aller", "past_historic", "allai allas alla allâmes allâtes allèrent"),
    ("aller", "subjunctive_imperfect", "allasse allasses allât allassions allassiez allassent"),
    ("aller", "subjunctive_present", "aille ailles aille allions alliez aillent"),
    ("aller", "passe_compose", "suis_allé es_allé est_allé sommes_allés êtes_allés sont_allés"),
    ("être", "subjunctive_present", "sois sois soit soyons soyez soient"),
    ("être", "imperfect", "étais étais était étions étiez étaient"),
    ("être", "subjunctive_imperfect", "fusse fusses fût fussions fussiez fussent"),
    ("avoir", "subjunctive_present", "aie aies ait ayons ayez aient"),
    ("avoir", "passe_compose", "ai_eu as_eu a_eu avons_eu avez_eu ont_eu"),
    ("avoir", "past_historic", "eus eus eut eûmes eûtes eurent"),
    ("haïr", "past_historic", "haïs haïs haït haïmes haïtes haïrent"),
    ("mouvoir", "past_historic", "mus mus mut mûmes mûtes murent"),
    ("recevoir", "subjunctive_imperfect", "reçusse reçusses reçût reçussions reçussiez reçussent"),
    ("rire", "imperfect", "riais riais riait riions riiez riaient"),
    ("parler", "futur_anterieur", "aurai_parlé auras_parlé aura_parlé aurons_parlé aurez_parlé auront_parlé"),
    ("venir", "plus_que_parfait", "étais_venu étais_venu était_venu étions_venus étiez_venus étaient_venus"),
    ("venir", "passe_anterieur", "fus_venu fus_venu fut_venu fûmes_venus fûtes_venus furent_venus"),
    ("venir", "conditionnel_passe", "serais_venu serais_venu serait_venu serions_venus seriez_venus seraient_venus"),
    ("parler", "subjonctif_passe", "aie_parlé aies_parlé ait_parlé ayons_parlé ayez_parlé aient_parlé"),
    ("parler", "subjonctif_plus_que_parfait",
     "eusse_parlé eusses_parlé eût_parlé eussions_parlé eussiez_parlé eussent_parlé"),
]


@pytest.mark.parametrize("verb,attr,expected", ROWS, ids=[f"{v}-{a}" for v, a, _ in ROWS])
def test_rows(verb, attr, expected):
    assert getattr(conj(verb), attr) == [f.replace("_", " ") for f in expected.split()]


NONFINITE = [
    # verb, present participle, past participle, imperative
    ("parler", "parlant", "parlé", ["parle", "parlons", "parlez"]),
    ("appeler", "appelant", "appelé", ["appelle", "appelons", "appelez"]),
    ("lever", "levant", "levé", ["lève", "levons", "levez"]),
    ("manger", "mangeant", "mangé", ["mange", "mangeons", "mangez"]),
    ("commencer", "commençant", "commencé", ["commence", "commençons", "commencez"]),
    ("finir", "finissant", "fini", ["finis", "finissons", "finissez"]),
    ("vendre", "vendant", "vendu", ["vends", "vendons", "vendez"]),
    ("aller", "allant", "allé", ["va", "allons", "allez"]),
    ("être", "étant", "été", ["sois", "soyons", "soyez"]),
    ("avoir", "ayant", "eu", ["aie", "ayons", "ayez"]),
    ("savoir", "sachant", "su", ["sache", "sachons", "sachez"]),
    ("vouloir", "voulant", "voulu", ["veuille", "veuillons", "veuillez"]),
    ("ouvrir", "ouvrant", "ouvert", ["ouvre", "ouvrons", "ouvrez"]),
    ("cueillir", "cueillant", "cueilli", ["cueille", "cueillons", "cueillez"]),
    ("venir", "venant", "venu", ["viens", "venons", "venez"]),
    ("faire", "faisant", "fait", ["fais", "faisons", "faites"]),
    ("dire", "disant", "dit", ["dis", "disons", "dites"]),
    ("prédire", "prédisant", "prédit", ["prédis", "prédisons", "prédisez"]),
    ("recevoir", "recevant", "reçu", ["reçois", "recevons", "recevez"]),
    ("haïr", "haïssant", "haï", ["hais", "haïssons", "haïssez"]),
    ("échoir", "échéant", "échu", [None, None, None]),
    ("pouvoir", "pouvant", "pu", [None, None, None]),
    ("falloir", "fallant", "fallu", [None, None, None]),
    ("pleuvoir", "pleuvant", "plu", [None, None, None]),
    ("gésir", "gisant", DASH, [None, None, None]),
    ("paître", "paissant", DASH, ["pais", "paissons", "paissez"]),
]


@pytest.mark.parametrize("verb,prsp,pp,imperative", NONFINITE, ids=[n[0] for n in NONFINITE])
def test_participles_and_imperative(verb, prsp, pp, imperative):
    t = conj(verb)
    assert (t.present_participle, t.past_participle, t.imperative) == (prsp, pp, imperative)


@pytest.mark.parametrize("verb,present,future0", [
    # English loans with a double ee keep it before a mute e.
    ("tweeter", "tweete tweetes tweete tweetons tweetez tweetent", "tweeterai"),
    ("retweeter", "retweete retweetes retweete retweetons retweetez retweetent", "retweeterai"),
    ("geeker", "geeke geekes geeke geekons geekez geekent", "geekerai"),
    ("speeder", "speede speedes speede speedons speedez speedent", "speederai"),
    # Compounds of geler and acheter take è like their bases.
    ("recongeler", "recongèle recongèles recongèle recongelons recongelez recongèlent", "recongèlerai"),
    ("préacheter", "préachète préachètes préachète préachetons préachetez préachètent", "préachèterai"),
])
def test_mute_e_stems(verb, present, future0):
    t = conj(verb)
    assert (t.present, t.future[0]) == (row(present), future0)
    assert t.subjunctive_present[5] == row(present)[5]


# ---- defective verbs ----

def test_falloir_is_impersonal():
    t = conj("falloir")
    assert t.present == [DASH, DASH, "faut", DASH, DASH, DASH]
    assert t.imperfect == [DASH, DASH, "fallait", DASH, DASH, DASH]
    assert t.future[2] == "faudra" and t.subjunctive_present[2] == "faille"
    assert t.passe_compose == [DASH, DASH, "a fallu", DASH, DASH, DASH]
    assert t.subjonctif_plus_que_parfait == [DASH, DASH, "eût fallu", DASH, DASH, DASH]


def test_pleuvoir_keeps_both_third_persons():
    t = conj("pleuvoir")
    assert t.present == [DASH, DASH, "pleut", DASH, DASH, "pleuvent"]
    assert t.passe_compose == [DASH, DASH, "a plu", DASH, DASH, "ont plu"]


def test_gesir_has_only_present_and_imperfect():
    t = conj("gésir")
    assert t.present == row("gis gis gît gisons gisez gisent")
    assert t.imperfect == row("gisais gisais gisait gisions gisiez gisaient")
    for attr in ["past_historic", "future", "conditional", "subjunctive_imperfect"] + COMPOUND:
        assert getattr(t, attr) == [DASH] * 6, attr


@pytest.mark.parametrize("verb", ["traire", "paître", "clore", "extraire"])
def test_missing_past_historic(verb):
    t = conj(verb)
    assert t.past_historic == [DASH] * 6
    assert t.subjunctive_imperfect == [DASH] * 6
    assert DASH not in t.future


def test_paitre_has_no_compound_tenses():
    t = conj("paître")
    assert t.past_participle == DASH
    assert all(getattr(t, attr) == [DASH] * 6 for attr in COMPOUND)
    assert t.present[2] == "paît"


def test_clore():
    t = conj("clore")
    assert t.present == row("clos clos clôt — — closent")
    assert t.passe_compose[0] == "ai clos"
    assert conj("éclore").present[2] == "éclôt"


# ---- reflexive verbs ----

def test_se_laver():
    t = conj("se laver")
    assert t.infinitive == "se laver" and t.auxiliary == "être"
    assert t.present_participle == "se lavant" and t.past_participle == "lavé"
    assert t.present == ["me lave", "te laves", "se lave", "nous lavons", "vous lavez", "se lavent"]
    assert t.imperative == ["lave-toi", "lavons-nous", "lavez-vous"]
    assert t.passe_compose == ["me suis lavé", "t'es lavé", "s'est lavé", "nous sommes lavés",
                               "vous êtes lavés", "se sont lavés"]
    assert t.plus_que_parfait[0] == "m'étais lavé"
    assert t.futur_anterieur[5] == "se seront lavés"


@pytest.mark.parametrize("text", ["s'asseoir", "s’asseoir", "S'ASSEOIR", "  s’asseoir "])
def test_s_asseoir_with_either_apostrophe(text):
    t = conj(text)
    assert t.infinitive == "s'asseoir" and t.auxiliary == "être"
    assert t.present == ["m'assieds", "t'assieds", "s'assied", "nous asseyons", "vous asseyez", "s'asseyent"]
    assert t.passe_compose == ["me suis assis", "t'es assis", "s'est assis", "nous sommes assis",
                               "vous êtes assis", "se sont assis"]
    assert t.imperative == ["assieds-toi", "asseyons-nous", "asseyez-vous"]
    assert t.present_participle == "s'asseyant"


@pytest.mark.parametrize("text,infinitive,present0,passe5", [
    ("s'appeler", "s'appeler", "m'appelle", "se sont appelés"),
    ("s'habiller", "s'habiller", "m'habille", "se sont habillés"),
    ("se hâter", "se hâter", "me hâte", "se sont hâtés"),
    ("se haïr", "se haïr", "me hais", "se sont haïs"),
    ("se  laver", "se laver", "me lave", "se sont lavés"),
    ("s'enfuir", "s'enfuir", "m'enfuis", "se sont enfuis"),
    ("se souvenir", "se souvenir", "me souviens", "se sont souvenus"),
    ("se taire", "se taire", "me tais", "se sont tus"),
    ("s'écrier", "s'écrier", "m'écrie", "se sont écriés"),
])
def test_reflexive_pronoun_and_elision(text, infinitive, present0, passe5):
    t = conj(text)
    assert (t.infinitive, t.present[0], t.passe_compose[5], t.auxiliary) == (infinitive, present0, passe5, "être")


def test_reflexive_elision_before_h():
    assert conj("s'habiller").present_participle == "s'habillant"
    assert conj("se hâter").present_participle == "se hâtant"
    assert conj("se hâter").passe_compose[2] == "s'est hâté"


# ---- prefixed verbs and their auxiliaries ----

@pytest.mark.parametrize("verb,aux", [
    ("revenir", "être"), ("intervenir", "être"), ("devenir", "être"), ("parvenir", "être"),
    ("ressortir", "être"), ("repartir", "être"), ("renaître", "être"), ("apparaître", "être"),
    ("redescendre", "être"), ("retomber", "être"), ("passer", "être"), ("décéder", "être"),
    ("convenir", "avoir"), ("prévenir", "avoir"), ("raller", "avoir"), ("soutenir", "avoir"),
    ("disparaître", "avoir"), ("rendre", "avoir"),
])
def test_auxiliary(verb, aux):
    assert conj(verb).auxiliary == aux


@pytest.mark.parametrize("verb,attr,slot,form", [
    ("décrire", "present", 3, "décrivons"),
    ("inscrire", "past_participle", None, "inscrit"),
    ("acquérir", "future", 0, "acquerrai"),
    ("rasseoir", "present", 0, "rassieds"),
    ("raller", "present", 0, "rvais"),
    ("raller", "present", 3, "rallons"),
    ("entrevoir", "future", 0, "entreverrai"),
    ("défaire", "present", 4, "défaites"),
    ("contredire", "present", 4, "contredisez"),
    ("médire", "present", 4, "médisez"),
    ("dédire", "present", 4, "dédisez"),
    ("redire", "present", 4, "redites"),
    ("desservir", "present", 0, "dessers"),
    ("détruire", "past_historic", 0, "détruisis"),
    ("reluire", "past_participle", None, "relui"),
    ("atteindre", "present", 3, "atteignons"),
    ("contraindre", "present", 5, "contraignent"),
    ("rejoindre", "subjunctive_present", 0, "rejoigne"),
    ("décevoir", "present", 0, "déçois"),
    ("découdre", "past_participle", None, "décousu"),
    ("revivre", "past_historic", 3, "revécûmes"),
    ("survivre", "past_participle", None, "survécu"),
    ("retenir", "past_historic", 3, "retînmes"),
    ("promouvoir", "past_participle", None, "promu"),
    ("accueillir", "imperative", 0, "accueille"),
    ("entrouvrir", "imperative", 0, "entrouvre"),
])
def test_prefixed_verbs(verb, attr, slot, form):
    value = getattr(conj(verb), attr)
    assert (value if slot is None else value[slot]) == form


@pytest.mark.parametrize("verb,pp", [
    ("conclure", "conclu"), ("exclure", "exclu"), ("inclure", "inclus"), ("occlure", "occlus"),
])
def test_clure_family_participles(verb, pp):
    t = conj(verb)
    assert t.past_participle == pp
    assert t.passe_compose[0] == "ai " + pp
    assert t.present[0] == verb[:-2] + "s"


@pytest.mark.parametrize("verb,nous", [
    ("finir", "finissons"), ("asservir", "asservissons"), ("répartir", "répartissons"),
    ("épaissir", "épaississons"), ("assortir", "assortissons"), ("impartir", "impartissons"),
    ("réjouir", "réjouissons"), ("installer", "installons"), ("servir", "servons"),
    ("desservir", "desservons"), ("partir", "partons"), ("repartir", "repartons"), ("fuir", "fuyons"),
    ("s'enfuir", "nous enfuyons"),
])
def test_group_choice(verb, nous):
    assert conj(verb).present[3] == nous


# ---- input normalisation and failures ----

@pytest.mark.parametrize("text,infinitive", [
    ("Parler", "parler"), ("PARLER", "parler"), ("  parler  ", "parler"), ("\tparler\n", "parler"),
    ("parler\u00a0", "parler"),
    ("cre\u0301er", "créer"), ("CRE\u0301ER", "créer"), ("ce\u0301der", "céder"),
    ("nai\u0302tre", "naître"), ("hai\u0308r", "haïr"), ("ba\u0302tir", "bâtir"),
    ("perc\u0327er", "perçer"),
    (unicodedata.normalize("NFD", "Être"), "être"),
    (unicodedata.normalize("NFD", "se méfier"), "se méfier"),
])
def test_normalisation(text, infinitive):
    assert conj(text).infinitive == infinitive


def test_decomposed_accents_conjugate_like_composed():
    for word in ["créer", "céder", "naître", "haïr", "gésir", "s'écrier"]:
        decomposed = unicodedata.normalize("NFD", word)
        assert decomposed != word
        composed, split = conj(word), conj(decomposed)
        assert all(getattr(composed, a) == getattr(split, a) for a in SIMPLE + COMPOUND + ["infinitive"])


def test_mark_after_other_letter_is_kept():
    # A grave accent on c has no precomposed letter: the mark stays and the
    # word is still an -er verb.
    t = conj("ac\u0300er")
    assert t.infinitive == "ac\u0300er"
    assert t.present[0] == "ac\u0300e"


@pytest.mark.parametrize("text", [
    "", "   ", "se", "se ", "s'", "s’", "se  ", "parler vite", "par\u00a0ler", "se\tlaver", "l'aimer", "l’aimer",
    "s'l'aimer", "er", "ir", "brrer", "dre", "xyz\u2003er",
])
def test_not_a_french_infinitive(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert e.value.args == ("not a French infinitive",)


@pytest.mark.parametrize("text", ["férir", "issir", "choir", "seoir", "xyz", "a", "oir",
                                  "se xyz", "parlé"])
def test_not_a_supported_french_verb(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert e.value.args == ("not a supported French verb",)


# ---- the built-in lexicon, row by row ----

def lexicon_lines():
    with open(LEXICON, encoding="utf-8", newline="") as f:
        return f.read().split("\n")


def lexicon_rows():
    return [line.split("\t") for line in lexicon_lines() if line and not line.startswith("#")]


def test_lexicon_text_shape():
    lines = lexicon_lines()
    assert lines[-1] == "" and "\r" not in "".join(lines)
    header = lines[:25]
    assert all(line.startswith("#") for line in header)
    assert header[0] == "# French irregular lexicon: third-group verbs and the two irregular"
    assert header[24] == "# gaps need variant/defective slots the schema lacks yet."
    assert all(line and not line.startswith("#") for line in lines[25:-1])
    lemmas = [r[0] for r in lexicon_rows()]
    assert lemmas.count("asseoir") == 2
    assert [lemma for lemma in lemmas if lemma not in ("inclure", "occlure")][:3] == ["aller", "envoyer", "partir"]
    assert lemmas[-1] == "recroître"


@pytest.mark.parametrize("cells", lexicon_rows(), ids=lambda cells: cells[0])
def test_lexicon_row(cells):
    assert len(cells) in (12, 13, 14, 16)
    assert all(cell == cell.strip() and cell for cell in cells)
    if len(cells) > 14 and cells[14] != "-":
        assert len(cells[14].split(",")) == 6
    if len(cells) > 15 and cells[15] != "-":
        assert len(cells[15].split(",")) == 3
    lemma = cells[0]
    if lemma == "asseoir" and cells[1] == "assois":
        # The second row of a base is kept but not used for forms.
        return
    t = conj(lemma)
    assert t.infinitive == lemma
    assert t.present == [DASH if cell.startswith(DASH) else cell for cell in cells[1:7]]
    assert t.past_participle == cells[11]
    # Every row has its third person singular; other slots may be masked.
    if cells[10] != DASH:
        assert t.future[2] == cells[10] + "a"
    if cells[9] != DASH and cells[1] != DASH:
        assert t.past_historic[0] == cells[9]
    if len(cells) > 14 and cells[14] != "-":
        assert t.subjunctive_present == cells[14].split(",")
    else:
        assert t.subjunctive_present[2] == cells[7] + "e"
        if cells[4] != DASH:
            assert t.subjunctive_present[3] == cells[8] + "ions"
    if len(cells) > 12 and cells[12] != "-":
        assert t.imperfect[2] == (DASH if cells[12] == DASH else cells[12] + "ait")


# ---- the result class ----

def test_class():
    t = conj("parler")
    cls = type(t)
    assert cls.__name__ == "FrenchConjugation" and cls.__module__ == "builtins"
    assert cls.__doc__ == ("The full conjugation table of one French verb. Rows are\n"
                           "[je, tu, il/elle, nous, vous, ils/elles].")
    assert repr(t) == 'FrenchConjugation("parler")'
    assert repr(conj("s'asseoir")) == 'FrenchConjugation("s\'asseoir")'
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == ["infinitive", "auxiliary", "present_participle", "past_participle", "imperative"] + SIMPLE + COMPOUND
    assert cls.imperative.__doc__ == "[tu, nous, vous]"
    assert cls.present.__doc__ in ("", None)
    with pytest.raises(TypeError, match="No constructor defined for FrenchConjugation"):
        cls()
    with pytest.raises(AttributeError):
        t.present = []
