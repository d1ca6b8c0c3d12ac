import os

import pytest

import velnor
from conftest import read_test_data

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")


def it(word):
    return velnor.conjugate(word, lang="ita")


def rows(name):
    """Data rows of a lexicon as lists of cells, and its comment header."""
    with open(os.path.join(DATA, name), encoding="utf-8") as f:
        lines = f.read().split("\n")
    header = [line for line in lines if line.startswith("#")]
    return header, [line.split("\t") for line in lines if line and not line.startswith("#")]


# ---- worked examples ----

def test_parlare_full_table():
    t = it("parlare")
    assert repr(t) == 'ItalianConjugation("parlare")'
    assert t.present == ["parlo", "parli", "parla", "parliamo", "parlate", "parlano"]
    assert t.imperfect == ["parlavo", "parlavi", "parlava", "parlavamo", "parlavate", "parlavano"]
    assert t.past_historic == ["parlai", "parlasti", "parlò", "parlammo", "parlaste", "parlarono"]
    assert t.future == ["parlerò", "parlerai", "parlerà", "parleremo", "parlerete", "parleranno"]
    assert t.conditional == ["parlerei", "parleresti", "parlerebbe", "parleremmo", "parlereste", "parlerebbero"]
    assert t.subjunctive_present == ["parli", "parli", "parli", "parliamo", "parliate", "parlino"]
    assert t.subjunctive_imperfect == ["parlassi", "parlassi", "parlasse", "parlassimo", "parlaste", "parlassero"]
    assert t.imperative == ["parla", "parli", "parliamo", "parlate", "parlino"]
    assert (t.auxiliary, t.gerund, t.present_participle, t.past_participle) == \
        ("avere", "parlando", "parlante", "parlato")
    assert t.passato_prossimo == ["ho parlato", "hai parlato", "ha parlato", "abbiamo parlato", "avete parlato",
                                  "hanno parlato"]
    assert t.trapassato_prossimo[5] == "avevano parlato"
    assert t.futuro_anteriore[0] == "avrò parlato"
    assert t.condizionale_passato[2] == "avrebbe parlato"
    assert t.congiuntivo_passato[4] == "abbiate parlato"
    assert t.congiuntivo_trapassato[3] == "avessimo parlato"


@pytest.mark.parametrize("verb,attr,expected", [
    ("cercare", "present", ["cerco", "cerchi", "cerca", "cerchiamo", "cercate", "cercano"]),
    ("cercare", "subjunctive_present", ["cerchi", "cerchi", "cerchi", "cerchiamo", "cerchiate", "cerchino"]),
    ("cercare", "future", ["cercherò", "cercherai", "cercherà", "cercheremo", "cercherete", "cercheranno"]),
    ("pagare", "conditional", ["pagherei", "pagheresti", "pagherebbe", "pagheremmo", "paghereste",
                               "pagherebbero"]),
    ("mangiare", "present", ["mangio", "mangi", "mangia", "mangiamo", "mangiate", "mangiano"]),
    ("mangiare", "future", ["mangerò", "mangerai", "mangerà", "mangeremo", "mangerete", "mangeranno"]),
    ("mangiare", "subjunctive_present", ["mangi", "mangi", "mangi", "mangiamo", "mangiate", "mangino"]),
    ("lasciare", "future", ["lascerò", "lascerai", "lascerà", "lasceremo", "lascerete", "lasceranno"]),
    ("studiare", "subjunctive_present", ["studi", "studi", "studi", "studiamo", "studiate", "studino"]),
    ("spiare", "present", ["spio", "spii", "spia", "spiamo", "spiate", "spiano"]),
    ("spiare", "subjunctive_present", ["spii", "spii", "spii", "spiamo", "spiate", "spiino"]),
    ("finire", "present", ["finisco", "finisci", "finisce", "finiamo", "finite", "finiscono"]),
    ("finire", "subjunctive_present", ["finisca", "finisca", "finisca", "finiamo", "finiate", "finiscano"]),
    ("dormire", "present", ["dormo", "dormi", "dorme", "dormiamo", "dormite", "dormono"]),
    ("dormire", "subjunctive_present", ["dorma", "dorma", "dorma", "dormiamo", "dormiate", "dormano"]),
    ("temere", "past_historic", ["temei", "temesti", "temé", "tememmo", "temeste", "temerono"]),
    ("scrivere", "past_historic", ["scrissi", "scrivesti", "scrisse", "scrivemmo", "scriveste", "scrissero"]),
    ("descrivere", "past_historic", ["descrissi", "descrivesti", "descrisse", "descrivemmo", "descriveste",
                                     "descrissero"]),
    ("aprire", "past_historic", ["aprii", "apristi", "aprì", "aprimmo", "apriste", "aprirono"]),
    ("convenire", "present", ["convengo", "convieni", "conviene", "conveniamo", "convenite", "convengono"]),
    ("convenire", "future", ["converrò", "converrai", "converrà", "converremo", "converrete", "converranno"]),
    ("convenire", "imperfect", ["convenivo", "convenivi", "conveniva", "convenivamo", "convenivate",
                                "convenivano"]),
    ("avere", "imperfect", ["avevo", "avevi", "aveva", "avevamo", "avevate", "avevano"]),
    ("avere", "subjunctive_imperfect", ["avessi", "avessi", "avesse", "avessimo", "aveste", "avessero"]),
    ("comporre", "present", ["compongo", "componi", "compone", "componiamo", "componete", "compongono"]),
    ("comporre", "past_historic", ["composi", "componesti", "compose", "componemmo", "componeste", "composero"]),
    ("comporre", "future", ["comporrò", "comporrai", "comporrà", "comporremo", "comporrete", "comporranno"]),
    ("comporre", "subjunctive_imperfect", ["componessi", "componessi", "componesse", "componessimo",
                                           "componeste", "componessero"]),
    ("fare", "subjunctive_imperfect", ["facessi", "facessi", "facesse", "facessimo", "faceste", "facessero"]),
    ("fare", "imperfect", ["facevo", "facevi", "faceva", "facevamo", "facevate", "facevano"]),
    ("essere", "subjunctive_imperfect", ["fossi", "fossi", "fosse", "fossimo", "foste", "fossero"]),
    ("essere", "imperfect", ["ero", "eri", "era", "eravamo", "eravate", "erano"]),
    ("dire", "imperfect", ["dicevo", "dicevi", "diceva", "dicevamo", "dicevate", "dicevano"]),
    ("bere", "imperfect", ["bevevo", "bevevi", "beveva", "bevevamo", "bevevate", "bevevano"]),
    ("tradurre", "imperfect", ["traducevo", "traducevi", "traduceva", "traducevamo", "traducevate",
                               "traducevano"]),
    ("distrarre", "imperfect", ["distraevo", "distraevi", "distraeva", "distraevamo", "distraevate",
                                "distraevano"]),
])
def test_simple_tense_rows(verb, attr, expected):
    assert getattr(it(verb), attr) == expected


@pytest.mark.parametrize("verb,aux,ger,ppres,pp,imperative", [
    ("andare", "essere", "andando", "andante", "andato", ["va'", "vada", "andiamo", "andate", "vadano"]),
    ("essere", "essere", "essendo", "essente", "stato", ["sii", "sia", "siamo", "siate", "siano"]),
    ("avere", "avere", "avendo", "avente", "avuto", ["abbi", "abbia", "abbiamo", "abbiate", "abbiano"]),
    ("sapere", "avere", "sapendo", "sapente", "saputo", ["sappi", "sappia", "sappiamo", "sappiate", "sappiano"]),
    ("potere", "avere", "potendo", "potente", "potuto", ["puoi", "possa", "possiamo", "potete", "possano"]),
    ("fare", "avere", "facendo", "facente", "fatto", ["fa'", "faccia", "facciamo", "fate", "facciano"]),
    ("dire", "avere", "dicendo", "dicente", "detto", ["di'", "dica", "diciamo", "dite", "dicano"]),
    ("comporre", "avere", "componendo", "componente", "composto",
     ["componi", "componga", "componiamo", "componete", "compongano"]),
    ("convenire", "essere/avere", "convenendo", "conveniente", "convenuto",
     ["convieni", "convenga", "conveniamo", "convenite", "convengano"]),
    ("dormire", "avere", "dormendo", "dormiente", "dormito", ["dormi", "dorma", "dormiamo", "dormite", "dormano"]),
    ("sentire", "avere", "sentendo", "sentente", "sentito", ["senti", "senta", "sentiamo", "sentite", "sentano"]),
    ("finire", "essere/avere", "finendo", "finente", "finito",
     ["finisci", "finisca", "finiamo", "finite", "finiscano"]),
    ("descrivere", "avere", "descrivendo", "descrivente", "descritto",
     ["descrivi", "descriva", "descriviamo", "descrivete", "descrivano"]),
    ("riaprire", "avere", "riaprendo", "riaprente", "riaperto", ["riapri", "riapra", "riapriamo", "riaprite",
                                                                 "riaprano"]),
    ("cercare", "avere", "cercando", "cercante", "cercato", ["cerca", "cerchi", "cerchiamo", "cercate",
                                                            "cerchino"]),
    ("riempire", "avere", "riempiendo", "riempiente", "riempito", ["riempi", "riempia", "riempiamo", "riempite",
                                                                  "riempiano"]),
])
def test_non_finite_forms_and_imperative(verb, aux, ger, ppres, pp, imperative):
    t = it(verb)
    assert (t.auxiliary, t.gerund, t.present_participle, t.past_participle) == (aux, ger, ppres, pp)
    assert t.imperative == imperative


def test_essere_compounds_agree_in_number():
    t = it("andare")
    assert t.passato_prossimo == ["sono andato", "sei andato", "è andato", "siamo andati", "siete andati",
                                  "sono andati"]
    assert t.congiuntivo_trapassato == ["fossi andato", "fossi andato", "fosse andato", "fossimo andati",
                                        "foste andati", "fossero andati"]
    assert t.past_participle == "andato"
    e = it("essere")
    assert e.passato_prossimo[0] == "sono stato" and e.passato_prossimo[5] == "sono stati"
    f = it("finire")  # either auxiliary: compounds take essere
    assert f.passato_prossimo[0] == "sono finito" and f.passato_prossimo[3] == "siamo finiti"
    assert it("abbagliare").auxiliary == "essere/avere"
    # avere never agrees
    assert it("scrivere").passato_prossimo[3] == "abbiamo scritto"


@pytest.mark.parametrize("verb,aux", [
    # impersonal and intransitive verbs that take essere
    ("bisognare", "essere"), ("schiattare", "essere"), ("sfrecciare", "essere"), ("riammalare", "essere"),
    # transitive with avere, intransitive with essere
    ("scorrere", "essere/avere"), ("sgusciare", "essere/avere"), ("sgorgare", "essere/avere"),
    ("seccare", "essere/avere"), ("scolare", "essere/avere"), ("evolvere", "essere/avere"),
    ("lampeggiare", "essere/avere"), ("appartenere", "essere/avere"), ("rimpoverire", "essere/avere"),
    # plain transitive verbs keep avere
    ("scrivere", "avere"), ("tagliare", "avere"), ("possedere", "avere"),
])
def test_auxiliary_of_verbs(verb, aux):
    t = it(verb)
    assert t.auxiliary == aux
    assert t.passato_prossimo[0].startswith("sono " if aux.startswith("essere") else "ho ")


@pytest.mark.parametrize("verb,third", [
    # a stressed final vowel is written with its accent, except on a monosyllable (dà keeps it apart from da)
    ("fare", "fa"), ("sfare", "sfa"), ("rifare", "rifà"), ("disfare", "disfà"), ("soddisfare", "soddisfà"),
    ("dare", "dà"), ("ridare", "ridà"), ("stare", "sta"), ("sottostare", "sottostà"), ("sapere", "sa"),
    ("risapere", "risà"), ("potere", "può"),
])
def test_accent_of_the_third_person(verb, third):
    assert it(verb).present[2] == third


# ---- mended classes ----

@pytest.mark.parametrize("verb", ["partire", "divertire", "convertire", "avvertire", "dormire", "sentire",
                                  "servire", "seguire", "vestire", "fuggire", "aprire", "offrire", "soffrire",
                                  "coprire", "bollire", "consentire", "investire", "pentire", "mentire",
                                  "nutrire", "ripartire"])
def test_ire_verbs_without_isc(verb):
    stem = verb[:-3]
    t = it(verb)
    assert t.present == [stem + e for e in ("o", "i", "e", "iamo", "ite", "ono")]
    assert t.subjunctive_present == [stem + e for e in ("a", "a", "a", "iamo", "iate", "ano")]


def test_cucire_keeps_its_c_soft():
    assert it("cucire").present == ["cucio", "cuci", "cuce", "cuciamo", "cucite", "cuciono"]
    assert it("scucire").subjunctive_present[0] == "scucia"


@pytest.mark.parametrize("verb,tu,subj,fut", [
    ("sciare", "scii", ["scii", "scii", "scii", "sciamo", "sciate", "sciino"], "scierò"),
    ("deviare", "devii", ["devii", "devii", "devii", "deviamo", "deviate", "deviino"], "devierò"),
    ("inviare", "invii", ["invii", "invii", "invii", "inviamo", "inviate", "inviino"], "invierò"),
    ("avviare", "avvii", ["avvii", "avvii", "avvii", "avviamo", "avviate", "avviino"], "avvierò"),
])
def test_stressed_i_class(verb, tu, subj, fut):
    t = it(verb)
    assert t.present[1] == tu
    assert t.present[3] == subj[3]
    assert t.subjunctive_present == subj
    assert t.future[0] == fut
    assert t.imperative[0] == verb[:-2]


# ---- analysis and failures ----

@pytest.mark.parametrize("word,infinitive", [("Essere", "essere"), ("  FARE \t", "fare"), ("Andare", "andare"),
                                            ("\u00a0parlare\u2003", "parlare"), ("SCRIVERE", "scrivere")])
def test_input_is_lower_cased_and_trimmed(word, infinitive):
    t = it(word)
    assert t.infinitive == infinitive
    assert repr(t) == f'ItalianConjugation("{infinitive}")'


def test_andare_capitalised_keeps_its_auxiliary():
    assert it("Andare").auxiliary == "essere"


@pytest.mark.parametrize("word", ["", "   ", "lavare le mani", "lavare\tle", "l'are", "are", "ere", "ire",
                                  "brrare", "xyzere", "x1are", "a-b-are", "parl_are", "ciao!are", "12are",
                                  "mangi\u0300are"])
def test_not_an_infinitive(word):
    with pytest.raises(ValueError) as e:
        it(word)
    assert str(e.value) == "not an Italian infinitive"


@pytest.mark.parametrize("word", ["lavarsi", "ciao", "go", "parlo", "sentirsi", "a", "rr"])
def test_not_supported(word):
    with pytest.raises(ValueError) as e:
        it(word)
    assert str(e.value) == "not a supported Italian verb"


@pytest.mark.parametrize("word,prefix_forms", [
    ("vedere", ("vedo", "visto")), ("rivedere", ("rivedo", "rivisto")), ("prevedere", ("prevedo", "previsto")),
    ("provvedere", ("provvedo", "provveduto")), ("contrarre", ("contraggo", "contratto")),
    ("ridurre", ("riduco", "ridotto")), ("introdurre", ("introduco", "introdotto")),
    ("mantenere", ("mantengo", "mantenuto")), ("raccogliere", ("raccolgo", "raccolto")),
    ("possedere", ("possiedo", "posseduto")), ("trasalire", ("trasalisco", "trasalito")),
    ("soddisfare", ("soddisfaccio", "soddisfatto")), ("benedire", ("benedico", "benedetto")),
])
def test_longest_lexicon_match(word, prefix_forms):
    t = it(word)
    assert (t.present[0], t.past_participle) == prefix_forms


@pytest.mark.parametrize("verb,pr1,pp", [
    ("prendere", "presi", "preso"), ("rendere", "resi", "reso"), ("emergere", "emersi", "emerso"),
    ("ergere", "ersi", "erto"), ("tergere", "tersi", "terso"), ("espandere", "espansi", "espanso"),
    ("affiggere", "affissi", "affisso"), ("sconfiggere", "sconfissi", "sconfitto"),
    ("rifrangere", "rifransi", "rifratto"), ("diffrangere", "diffransi", "diffratto"),
    ("infrangere", "infransi", "infranto"),
    ("esistere", "esistei", "esistito"), ("riflettere", "riflettei", "riflettuto"),
    ("sorridere", "sorrisi", "sorriso"), ("riscoprire", "riscoprii", "riscoperto"),
    ("vendere", "vendei", "venduto"), ("pendere", "pendei", "penduto"), ("godere", "godei", "goduto"),
    # -scere verbs keep the soft sc before -uto
    ("pascere", "pascei", "pasciuto"), ("mescere", "mescei", "mesciuto"), ("rimescere", "rimescei", "rimesciuto"),
])
def test_strong_list_suffix_matching(verb, pr1, pp):
    t = it(verb)
    assert (t.past_historic[0], t.past_participle) == (pr1, pp)


# ---- common verbs, slot by slot ----

# verb | auxiliary | present io..loro | imperfect io | passato remoto io, lui | future io | subjunctive io |
# past participle | gerund
COMMON = read_test_data("ita_common.txt")

COMMON_ROWS = [line.split("|") for line in COMMON.strip().split("\n")]


def test_common_table_is_large():
    assert len(COMMON_ROWS) >= 100
    assert len({r[0] for r in COMMON_ROWS}) == len(COMMON_ROWS)


@pytest.mark.parametrize("row", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs(row):
    verb, aux, present, impf, pr, fut, subj, pp, ger = row
    t = it(verb)
    assert t.auxiliary == aux
    assert t.present == present.split()
    assert t.imperfect[0] == impf
    assert [t.past_historic[0], t.past_historic[2]] == pr.split()
    assert t.future[0] == fut
    assert t.conditional[0] == fut[:-1] + "ei"
    assert t.subjunctive_present[0] == subj
    assert t.past_participle == pp
    assert t.gerund == ger
    assert t.imperative[2:4] == [t.present[3], t.present[4]] or verb in ("essere", "avere", "sapere")


# ---- the built-in lexicons, row by row ----

def test_irregular_lexicon_rows():
    header, data = rows("ita_irregular.tsv")
    assert header == ["# Italian irregular lexicon. A trailing + on the lemma means suffix",
                      "# match (porre+ catches comporre); otherwise exact.",
                      '# Columns, "-" = derive:',
                      "#   lemma pres1..6 subj6(comma) pr6(comma) fut_stem pp impf6 ger imp2"]
    assert len(data) == 87
    lemmas = [r[0] for r in data]
    assert len(set(lemmas)) == 87
    assert sum(lemma.endswith("+") for lemma in lemmas) == 23
    assert [r[0] for r in data if r[13] == "-"] == ["potere", "dovere", "parere", "solere"]
    for r in data:
        assert len(r) == 14, r[0]
        for cell in (r[7], r[8]) + ((r[11],) if r[11] != "-" else ()):
            assert len(cell.split(",")) == 6, r[0]
        assert all(c and c != "-" for c in r[1:11]), r[0]
        lemma = r[0].rstrip("+")
        if lemma.endswith("are"):
            assert r[12] == "-" or lemma.endswith("fare"), r[0]
        for prefix in ("",) + (("ri",) if r[0].endswith("+") else ()):
            t = it(prefix + lemma)
            assert t.present == [prefix + f for f in r[1:7]], r[0]
            assert t.subjunctive_present == [prefix + f for f in r[7].split(",")], r[0]
            assert t.past_historic == [prefix + f for f in r[8].split(",")], r[0]
            assert t.future[0] == prefix + r[9] + "ò", r[0]
            assert t.past_participle == prefix + r[10], r[0]
            if r[11] != "-":
                assert t.imperfect == [prefix + f for f in r[11].split(",")], r[0]
            if r[12] != "-":
                assert t.gerund == prefix + r[12], r[0]
            if r[13] != "-":
                assert t.imperative[0] == prefix + r[13], r[0]


def test_class_list_rows():
    header, data = rows("ita_classes.tsv")
    assert header == ["# Italian class lists, mined from the gold oracles."]
    assert all(len(r) == 2 and r[1] in ("plain", "ii") for r in data)
    assert len({r[0] for r in data}) == len(data)
    for verb, cls in data:
        t = it(verb)
        if cls == "plain":
            assert verb.endswith("ire")
            if verb not in ("premorire",):  # its irregular row comes first
                assert t.present[0] == verb[:-3] + "o", verb
        else:
            assert verb.endswith("iare")
            assert t.present[1] == verb[:-3] + "i" and t.subjunctive_present[5] == verb[:-3] + "ino", verb


def test_strong_list_rows():
    header, data = rows("ita_strong.tsv")
    assert header == ["# Italian strong verbs: lemma <TAB> passato remoto 1sg <TAB> past participle.",
                      "# Suffix-matched (descrivere finds scrivere). Mined from the gold oracles."]
    assert len({r[0] for r in data}) == len(data)
    for verb, pr1, pp in data:
        assert verb.endswith(("ere", "ire")), verb
        t = it(verb)
        if pr1 != "-":
            assert pr1.endswith("i")
            assert [t.past_historic[0], t.past_historic[2], t.past_historic[5]] == \
                [pr1, pr1[:-1] + "e", pr1[:-1] + "ero"], verb
        if pp != "-":
            assert t.past_participle == pp, verb


def test_auxiliary_list_rows():
    header, data = rows("ita_aux.tsv")
    assert header == ["# lemma\tauxiliary (default: avere)"]
    assert len({r[0] for r in data}) == len(data)
    for verb, aux in data:
        assert aux in ("essere", "essere/avere")
        t = it(verb)
        assert t.auxiliary == aux, verb
        assert t.passato_prossimo[0].startswith("sono "), verb


def test_class_docs():
    cls = velnor.ItalianConjugation
    assert cls.__doc__ == "The full conjugation table of one Italian verb. Rows are\n[io, tu, lui/lei, noi, voi, loro]."
    names = ["infinitive", "auxiliary", "gerund", "present_participle", "past_participle", "imperative", "present",
             "imperfect", "past_historic", "future", "conditional", "subjunctive_present", "subjunctive_imperfect",
             "passato_prossimo", "trapassato_prossimo", "futuro_anteriore", "condizionale_passato",
             "congiuntivo_passato", "congiuntivo_trapassato"]
    assert [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"] == names
    assert cls.imperative.__doc__ == "[tu, Lei, noi, voi, Loro]"
    assert cls.present.__doc__ is None or cls.present.__doc__ == ""
