"""Irish: the lexicon parser and the analysis, run on a lexicon of our own (C++)."""

from conftest import cpp_tool, needs

pytestmark = needs("gle")


HEADER = '# lemma\tprs-base\tpst-base\tfut-base\tvn\tptcp\timp2sg\timp2pl\tprs-auto ("-" = derive)'

# A private lexicon for the paths that only lexicon cells reach.
TEST_LEXICON = (
    HEADER + "\r\n"
    "# comment line\n"
    "\n"
    "Mol\tmolann\t-\tXXX\n"
    "glaoigh\tglaonn\t-\tglaofaidh\n"
    "lúb\t-\t-\tlúbfar\n"
    "cas\tcasann\r\n"
    "dubh\t-\t-\tdubhfaidh\t-\t-\t-\t-\tdubheátar\n"
    "dubh\t-\t-\tdubhfaidh\n"
    "cnag\t-\t-\tcnagfaidh\t-\t-\t-\t-\tcnageáar\n"
)


TOOL = cpp_tool("gle_check.cpp", ["gle.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"gle.tsv": TEST_LEXICON})


def test_analysis_classes(tool):
    out = tool("mol", "bris", "ceannaigh", "imigh", "léigh", "glaoigh", "abair", "bí", "cas", "x")
    assert [tuple(row[:3]) for row in out] == [
        ("mol", "mol", "0"), ("bris", "bris", "1"), ("ceannaigh", "ceann", "2"), ("imigh", "im", "3"),
        # abair has no row here: two syllables in -air, it is syncopated like labhair
        ("léigh", "lé", "4"), ("glaoigh", "glao", "4"), ("abair", "abr", "2"), ("bí", "bí", "1"),
        ("cas", "cas", "0"), ("x", "x", "0"),
    ]


def test_future_without_idh(tool):
    # Keys are not lower-cased: the row "Mol" never matches; lúb's future
    # base lacks -idh, so it has no autonomous and an analytic conditional.
    (mol, lub) = tool("mol", "lúb")
    assert mol[8].split("|")[0] == "molfaidh mé"
    future = lub[8].split("|")
    conditional = lub[9].split("|")
    assert future[:3] == ["lúbfar mé", "lúbfar tú", "lúbfar sé/sí"] and future[6] == "None"
    assert conditional == ["lúbfardh mé", "lúbfardh tú", "lúbfardh sé/sí", "lúbfardh muid", "lúbfardh sibh",
                           "lúbfardh siad", "None"]


def test_later_row_wins_and_short_rows(tool):
    (dubh, cas) = tool("dubh", "cas")
    # The second dubh row (no present autonomous) replaced the first.
    assert dubh[5].split("|")[6] == "dubhtar"
    assert cas[5].split("|")[2] == "casann sé/sí" and cas[8].split("|")[2] == "casfaidh sé/sí"


def test_autonomous_stem_in_ea(tool):
    # An autonomous stem in -eá takes -í for the past habitual autonomous
    # instead of doubling its vowel (-eáaí).
    (cnag,) = tool("cnag")
    habitual = cnag[7].split("|")
    assert habitual[6] == "chnageí"

