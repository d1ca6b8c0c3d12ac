"""Swahili conjugation: analysis of the input into a stem, the lexicon of
irregular stems, the concord and tense-marker rules, and the
SwahiliConjugation class."""
import os
import subprocess

import pytest

import velnor
from conftest import build_cpp_tool, needs, read_test_data

pytestmark = needs("swa")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "swa.tsv")
HEADER = "# lemma\tmono\tinf\tlong_stem\tshort_stem\tsubj_stem\timp_sg\timp_pl"
ATTRIBUTES = [
    "infinitive", "infinitive_negative", "imperative", "habitual", "present", "present_negative",
    "past", "future", "perfect", "subjunctive", "gnomic",
]
ROWS = ATTRIBUTES[4:]
PERSONS = ["ni", "u", "a", "tu", "m", "wa"]
NEGATIVE = ["si", "hu", "ha", "hatu", "ham", "hawa"]


def conj(word):
    return velnor.conjugate(word, lang="swa")


# (infinitive, 3sg present, 1sg negative present, 2pl subjunctive, imperative
# singular, imperative plural) of common verbs, standard Swahili.
COMMON = [tuple(line.split()) for line in read_test_data("swa_common.txt").strip().splitlines()]


def test_common_table_is_large():
    assert len(COMMON) >= 100
    assert all(len(row) == 6 for row in COMMON)


@pytest.mark.parametrize("inf,pres3,neg1,subj2pl,imp_sg,imp_pl", COMMON, ids=[r[0] for r in COMMON])
def test_common_verbs_slot_by_slot(inf, pres3, neg1, subj2pl, imp_sg, imp_pl):
    r = conj(inf)
    assert r.infinitive == inf
    if not inf.startswith(("kuku", "kukw")):  # a bare stem in ku- reads as an infinitive
        assert conj(inf[2:] if inf != "kwenda" else "enda").infinitive == inf
    assert r.imperative == [imp_sg, imp_pl]
    post = pres3[len("ana"):]  # the stem after the tense marker (kunywa, kwenda, soma)
    assert r.infinitive_negative == "kuto" + post
    for name, marker in [("present", "na"), ("past", "li"), ("future", "ta"), ("perfect", "me")]:
        assert getattr(r, name) == [p + marker + post for p in PERSONS], name
    negative_stem = neg1[len("si"):]
    # The 2pl m- is mu-/mw- before a vowel-initial stem (muuze, mwende,
    # hamwendi), m- before a consonant (msome, hamsomi).
    glide = subj2pl[1] if inf[2] in "aeiou" else ""
    assert r.present_negative == [p + negative_stem for p in NEGATIVE[:4]] + [
        "ham" + glide + negative_stem, "hawa" + negative_stem]
    subj_stem = subj2pl[1 + len(glide):]
    assert r.subjunctive == [p + subj_stem for p in PERSONS[:4]] + [subj2pl, "wa" + subj_stem]


@pytest.mark.parametrize("word,habitual,gnomic", [
    ("kusoma", "husoma", ["nasoma", "wasoma", "asoma", "twasoma", "mwasoma", "wasoma"]),
    ("kwenda", "huenda", ["naenda", "waenda", "aenda", "twaenda", "mwaenda", "waenda"]),
    ("kunywa", "hunywa", ["nanywa", "wanywa", "anywa", "twanywa", "mwanywa", "wanywa"]),
    ("kula", "hula", ["nala", "wala", "ala", "twala", "mwala", "wala"]),
    ("kurudi", "hurudi", ["narudi", "warudi", "arudi", "twarudi", "mwarudi", "warudi"]),
])
def test_habitual_and_gnomic(word, habitual, gnomic):
    r = conj(word)
    assert r.habitual == habitual
    assert r.gnomic == gnomic


def test_kusoma_whole_table():
    r = conj("kusoma")
    assert (r.infinitive, r.infinitive_negative, r.imperative, r.habitual) == (
        "kusoma", "kutosoma", ["soma", "someni"], "husoma")
    assert r.present == ["ninasoma", "unasoma", "anasoma", "tunasoma", "mnasoma", "wanasoma"]
    assert r.present_negative == ["sisomi", "husomi", "hasomi", "hatusomi", "hamsomi", "hawasomi"]
    assert r.past == ["nilisoma", "ulisoma", "alisoma", "tulisoma", "mlisoma", "walisoma"]
    assert r.future == ["nitasoma", "utasoma", "atasoma", "tutasoma", "mtasoma", "watasoma"]
    assert r.perfect == ["nimesoma", "umesoma", "amesoma", "tumesoma", "mmesoma", "wamesoma"]
    assert r.subjunctive == ["nisome", "usome", "asome", "tusome", "msome", "wasome"]
    assert r.gnomic == ["nasoma", "wasoma", "asoma", "twasoma", "mwasoma", "wasoma"]


@pytest.mark.parametrize("word,first", [
    ("kwenda", ("kwenda", "kutokwenda", "ninakwenda", "siendi", "niende")),
    ("kuja", ("kuja", "kutokuja", "ninakuja", "siji", "nije")),
    ("kunywa", ("kunywa", "kutokunywa", "ninakunywa", "sinywi", "ninywe")),
    ("kula", ("kula", "kutokula", "ninakula", "sili", "nile")),
    ("kufa", ("kufa", "kutokufa", "ninakufa", "sifi", "nife")),
    ("kuwa", ("kuwa", "kutokuwa", "ninakuwa", "siwi", "niwe")),
    ("kurudi", ("kurudi", "kutorudi", "ninarudi", "sirudi", "nirudi")),
    ("kuanza", ("kuanza", "kutoanza", "ninaanza", "sianzi", "nianze")),
])
def test_irregular_and_one_syllable_verbs(word, first):
    r = conj(word)
    assert (r.infinitive, r.infinitive_negative, r.present[0], r.present_negative[0], r.subjunctive[0]) == first


@pytest.mark.parametrize("text,same_as", [
    ("  KUSOMA ", "kusoma"),
    ("soma", "kusoma"),
    ("Kwenda", "kwenda"),
    ("enda", "kwenda"),
    ("ja", "kuja"),
    ("nywa", "kunywa"),
    ("\u3000kusoma\t", "kusoma"),
])
def test_analysis_accepts_bare_stems_and_case(text, same_as):
    a, b = conj(text), conj(same_as)
    for name in ATTRIBUTES:
        assert getattr(a, name) == getattr(b, name), name


@pytest.mark.parametrize("text,infinitive,present1", [
    ("kwisha", "kwisha", "ninakwisha"),     # kw + a key: the key, with its own infinitive
    ("kuisha", "kwisha", "ninakwisha"),
    ("kwiba", "kuiba", "ninaiba"),
    ("kwama", "kukwama", "ninakwama"),      # kw + a stem that is not a key: the whole word
    ("ku", "kuku", "ninakuku"),             # one vowel: ku- kept after the marker
    ("a", "kua", "ninakua"),
    ("kuta", "kukuta", "ninakuta"),         # four letters, no key: a bare stem (-kuta)
])
def test_analysis_of_short_and_kw_words(text, infinitive, present1):
    r = conj(text)
    assert (r.infinitive, r.present[0]) == (infinitive, present1)


@pytest.mark.parametrize("text", [
    "", "   ", "ku soma", "ku-soma", "kusóma", "kusoma1", "n'soma", "ñ", "kusoma\u00a0x", "kusoma\x00", "\u212a",
])
def test_not_a_verb(text):
    with pytest.raises(ValueError, match="^not a Swahili verb$"):
        conj(text)


def test_class_shape_and_repr():
    r = conj("kusoma")
    assert type(r).__name__ == "SwahiliConjugation"
    assert repr(r) == 'SwahiliConjugation("kusoma")'
    doc = type(r).__doc__.split("\n")
    assert doc[:2] == ["The person-core conjugation of one Swahili verb. Six-slot rows run",
                       "[1sg, 2sg, 3sg (class 1), 1pl, 2pl, 3pl (class 2)]; the full"]
    assert len(doc) == 3 and "swa::Verb::form" in doc[2]
    for name in ATTRIBUTES:
        value = getattr(r, name)
        if name in ROWS:
            assert isinstance(value, list) and len(value) == 6 and all(isinstance(v, str) for v in value)
    assert getattr(type(r), "imperative").__doc__ == "[singular, plural]"
    assert all(name in dir(r) for name in ATTRIBUTES)


def read_lexicon():
    with open(DATA, encoding="utf-8", newline="") as f:
        return f.read()


def test_lexicon_header():
    text = read_lexicon()
    lines = text.split("\n")
    assert lines[0] == "# Swahili irregular verbs."
    assert HEADER in lines
    assert sum(1 for line in lines if line.startswith("#")) == 22
    assert text.endswith("\n") and "\r" not in text
    assert "enda\t1\tkwenda\tkwenda\tenda\tende\tnenda\tnendeni" in lines
    assert "ja\t-\t-\t-\t-\t-\tnjoo\tnjooni" in lines


def test_every_lexicon_row_conjugates():
    rows = [line.split("\t") for line in read_lexicon().split("\n") if line and not line.startswith("#")]
    assert len(rows) >= 2
    keys = [row[0] for row in rows]
    assert len(keys) == len(set(keys))
    for row in rows:
        assert len(row) == 8, row
        assert row[1] in ("0", "1", "-")
        assert all(c == "-" or c.isascii() and c.isalpha() and c.islower() for c in row[2:]), row
        # The key is reached through its infinitive and as a bare stem.
        infinitive = row[2] if row[2] != "-" else "ku" + row[0]
        r = conj(infinitive)
        assert r.infinitive == infinitive
        assert conj(row[0]).present == r.present
        if row[6] != "-":
            assert r.imperative == [row[6], row[7]]
        if row[3] != "-":
            assert r.present[0] == "nina" + row[3]
        if row[5] != "-":
            assert r.subjunctive[0] == "ni" + row[5]


# --- the engine's own interface: every subject and series -------------------

TOOL_SOURCES = ["swa.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"]


def make_tool(exe):
    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") if "\t" in line else line for line in p.stdout.decode("utf-8", "strict").splitlines()]
    return run


@pytest.fixture(scope="module")
def engine(tmp_path_factory):
    """The check program on the built-in lexicon."""
    d = tmp_path_factory.mktemp("swa_real")
    return make_tool(build_cpp_tool(d, "swa_check.cpp", TOOL_SOURCES, [DATA]))


@pytest.fixture(scope="module")
def test_lexicon_tool(tmp_path_factory):
    """The check program on a test lexicon: CRLF endings, missing and extra
    cells, odd flags, a line without a tab, a duplicate key and a
    commented-out row."""
    d = tmp_path_factory.mktemp("swa_test")
    (d / "swa.tsv").write_bytes(
        b"# head\r\n\r\nenda\t1\tkwenda\tkwenda\tenda\tende\tnenda\tnendeni\textra\r\n"
        b"la\t0\nsa\tyes\t\t-\tsu\nnoma\n#ta\t1\nfa\t1\tx\nfa\t-\t-\t-\t-\t-\tfo\n")
    return make_tool(build_cpp_tool(d, "swa_check.cpp", TOOL_SOURCES, [str(d / "swa.tsv")]))


def test_lexicon_parse(test_lexicon_tool):
    assert test_lexicon_tool("verb:kwenda", "verb:kula", "verb:la", "verb:kufa", "verb:kuta", "verb:sa", "verb:noma", "verb:ta",
                             "verb:fa") == [
        ["enda", "kwenda", "kwenda", "enda", "ende", "nenda", "nendeni", "1"],
        ["la", "~", "~", "~", "~", "~", "~", "0"],        # four letters, but "la" is a key
        ["la", "~", "~", "~", "~", "~", "~", "0"],
        ["fa", "~", "~", "~", "~", "fo", "~", "2"],
        ["kuta", "~", "~", "~", "~", "~", "~", "2"],      # the row for ta is commented out
        ["sa", "~", "~", "su", "~", "~", "~", "2"],
        ["noma", "~", "~", "~", "~", "~", "~", "2"],
        ["ta", "~", "~", "~", "~", "~", "~", "2"],
        ["fa", "~", "~", "~", "~", "fo", "~", "2"],      # the later row replaces the earlier
    ]


S = ["1s", "2s", "1", "1p", "2p", "2"]


@pytest.mark.parametrize("word,tense,negative,forms", [
    ("soma", 7, 0, ["nikasoma", "ukasoma", "akasoma", "tukasoma", "mkasoma", "wakasoma"]),
    ("soma", 8, 0, ["nikisoma", "ukisoma", "akisoma", "tukisoma", "mkisoma", "wakisoma"]),
    ("soma", 9, 0, ["ningesoma", "ungesoma", "angesoma", "tungesoma", "mngesoma", "wangesoma"]),
    ("soma", 10, 0, ["ningalisoma", "ungalisoma", "angalisoma", "tungalisoma", "mngalisoma", "wangalisoma"]),
    ("soma", 1, 1, ["sikusoma", "hukusoma", "hakusoma", "hatukusoma", "hamkusoma", "hawakusoma"]),
    ("soma", 2, 1, ["sitasoma", "hutasoma", "hatasoma", "hatutasoma", "hamtasoma", "hawatasoma"]),
    ("soma", 3, 1, ["sijasoma", "hujasoma", "hajasoma", "hatujasoma", "hamjasoma", "hawajasoma"]),
    ("soma", 5, 1, ["nisisome", "usisome", "asisome", "tusisome", "msisome", "wasisome"]),
    ("soma", 9, 1, ["nisingesoma", "usingesoma", "asingesoma", "tusingesoma", "msingesoma", "wasingesoma"]),
    ("soma", 6, 0, ["husoma"] * 6),
    ("soma", 10, 1, ["nisingalisoma", "usingalisoma", "asingalisoma", "tusingalisoma", "msingalisoma",
                     "wasingalisoma"]),
    ("soma", 8, 1, ["nisisoma", "usisoma", "asisoma", "tusisoma", "msisoma", "wasisoma"]),
    ("kunywa", 2, 1, ["sitakunywa", "hutakunywa", "hatakunywa", "hatutakunywa", "hamtakunywa", "hawatakunywa"]),
    ("kunywa", 1, 1, ["sikunywa", "hukunywa", "hakunywa", "hatukunywa", "hamkunywa", "hawakunywa"]),
    ("kwenda", 5, 1, ["nisiende", "usiende", "asiende", "tusiende", "msiende", "wasiende"]),
    ("kwenda", 7, 0, ["nikaenda", "ukaenda", "akaenda", "tukaenda", "mkaenda", "wakaenda"]),
])
def test_other_series(engine, word, tense, negative, forms):
    assert engine(*[f"form:{word}:{tense}:{s}:{negative}" for s in S]) == forms


@pytest.mark.parametrize("cls,present,gnomic,negative", [
    (3, "unasoma", "wasoma", "hausomi"), (4, "inasoma", "yasoma", "haisomi"),
    (5, "linasoma", "lasoma", "halisomi"), (6, "yanasoma", "yasoma", "hayasomi"),
    (7, "kinasoma", "chasoma", "hakisomi"), (8, "vinasoma", "vyasoma", "havisomi"),
    (9, "inasoma", "yasoma", "haisomi"), (10, "zinasoma", "zasoma", "hazisomi"),
    (11, "unasoma", "wasoma", "hausomi"), (15, "kunasoma", "kwasoma", "hakusomi"),
    (16, "panasoma", "pasoma", "hapasomi"), (17, "kunasoma", "kwasoma", "hakusomi"),
    (18, "munasoma", "mwasoma", "hamusomi"),
    (12, "anasoma", "asoma", "hasomi"), (0, "anasoma", "asoma", "hasomi"), (99, "anasoma", "asoma", "hasomi"),
])
def test_noun_class_subjects(engine, cls, present, gnomic, negative):
    assert engine(f"form:soma:0:{cls}:0", f"form:soma:4:{cls}:0", f"form:soma:0:{cls}:1") == [
        present, gnomic, negative]


@pytest.mark.parametrize("args,expected", [
    ("concord:m:ende", "mwende"), ("concord:m:uza", "muuza"), ("concord:m:some", "msome"),
    ("concord:m:", "m"), ("concord:mu:ende", "muende"), ("concord:ham:endi", "hamwendi"), ("concord:ham:uzi", "hamuuzi"), ("concord:hamu:anzi", "hamuanzi"),
    ("concord:ni:ende", "niende"),
])
def test_concord(engine, args, expected):
    assert engine(args) == [expected]


@pytest.mark.parametrize("word,stems", [
    ("soma", ["soma", "some", "soma", "someni"]),
    ("nywa", ["kunywa", "nywe", "kunywa", "kunyweni"]),
    ("enda", ["kwenda", "ende", "nenda", "nendeni"]),
    ("rudi", ["rudi", "rudi", "rudi", "rudini"]),
    ("a", ["kua", "e", "kua", "kueni"]),
    ("kumbuka", ["mbuka", "mbuke", "mbuka", "mbukeni"]),  # a bare stem in ku- reads as ku- + stem
])
def test_stems(engine, word, stems):
    assert engine(f"stems:{word}") == [stems]


def test_every_subject_and_series_builds(engine):
    args = [f"form:{w}:{t}:{s}:{n}" for w in ("soma", "enda", "nywa", "rudi", "a")
            for t in range(11) for s in ["1s", "2s", "1p", "2p", *map(str, [*range(1, 12), *range(15, 19)])]
            for n in (0, 1)]
    out = engine(*args)
    assert len(out) == len(args)
    assert all(isinstance(f, str) and f.isascii() and f.isalpha() and f.islower() for f in out)


@pytest.mark.parametrize("word,negative_2pl", [
    ("kwenda", "hamwendi"), ("kuelewa", "hamwelewi"), ("kuona", "hamwoni"), ("kuuza", "hamuuzi"),
    ("kusoma", "hamsomi"), ("kunywa", "hamnywi"),
])
def test_second_plural_negative_glides_before_a_vowel(word, negative_2pl):
    assert conj(word).present_negative[4] == negative_2pl
