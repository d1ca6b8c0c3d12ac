"""Swahili: the engine's own interface (every subject, noun class and series) on the built-in lexicon, and the
lexicon parse on a lexicon of our own (C++)."""
import os
import subprocess

import pytest

from conftest import cpp_tool, needs

pytestmark = needs("swa")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "swa.tsv")
TOOL_SOURCES = ["swa.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"]
ENGINE = cpp_tool("swa_check.cpp", TOOL_SOURCES, [DATA])
# CRLF endings, missing and extra cells, odd flags, a line without a tab, a duplicate key and a commented-out row.
TEST_LEXICON = cpp_tool("swa_check.cpp", TOOL_SOURCES, texts={
    "swa.tsv": "# head\r\n\r\nenda\t1\tkwenda\tkwenda\tenda\tende\tnenda\tnendeni\textra\r\n"
               "la\t0\nsa\tyes\t\t-\tsu\nnoma\n#ta\t1\nfa\t1\tx\nfa\t-\t-\t-\t-\t-\tfo\n"})


def make_tool(exe):
    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") if "\t" in line else line for line in p.stdout.decode("utf-8", "strict").splitlines()]
    return run


@pytest.fixture(scope="module")
def engine():
    return make_tool(ENGINE.result())


@pytest.fixture(scope="module")
def test_lexicon_tool():
    return make_tool(TEST_LEXICON.result())


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
