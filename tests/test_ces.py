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
