"""Romanian: stem helpers and the two lexicon parsers, on lexicons of our own (C++)."""

import pytest

from conftest import cpp_tool, needs

pytestmark = needs("ron")

COLUMNS = ["prs1sg", "prs2sg", "prs3sg", "prs1pl", "prs2pl", "prs3pl", "sbjv3", "imp2sg", "ptcp", "ger",
           "ipfv1sg", "pfv3sg"]
CLASSES = ("# lemma\tclass (a-ez a-bare ea e i-esc i-bare ih-asc ih-bare)\n"
           "cânta\ta-bare\n"
           "dormi\ti-bare\textra\n"
           "rău\ta-rău\n"            # not a code
           "gol\t\n"                 # empty code
           "fărătab\n"               # no tab
           "lua\ta-bare\n"
           "lua\ta-ez\n"             # a later line wins
           "crlf\te\r\n"
           "#comentariu\te\n"
           "ultim\tih-bare")         # no final line feed
OVERRIDES = ("# lemma\t" + "\t".join(COLUMNS) + ' ("-" = derive)\n'
             "unu\tx\n"
             "doar\n"
             "gol\t-\t\t-\n"
             "lung\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\n"
             "zxa\t-\t-\t-\t-\t-\t-\t-\t-\tzxât\t-\t-\t-\n"
             "scoate\t-\t-\t-\t-\t-\t-\t-\t-\tscos\t-\t-\tscoase\n"
             "trage\t-\t-\t-\t-\t-\t-\t-\t-\ttras\t-\t-\t-\n"
             "coborî\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\tcoborî")
TOOL = cpp_tool("ron_check.cpp", ["ron.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"ron_classes.tsv": CLASSES, "ron_overrides.tsv": OVERRIDES})


@pytest.mark.parametrize("op,cases", [
    ("pal", {"": "", "st": "șt", "t": "ț", "cânt": "cânț", "merg": "merg", "gust": "gușt", "vând": "vânz",
             "las": "laș", "fac": "fac"}),
    ("diph", {"": "", "str": "str", "port": "poart", "purt": "purt", "învăț": "învăț", "leg": "leag",
              "aștept": "așteapt", "dorm": "doarm", "cobor": "coboar", "cânt": "cânt"}),
    ("red", {"": "", "s": "s", "se": "se", "ase": "ase", "oase": "oase", "scoase": "scose", "trase": "trăse",
             "roase": "rose", "fuse": "fuse", "merse": "merse", "vruse": "vruse", "spuse": "spuse",
             "arse": "arse", "cânta": "cânta", "rămase": "rămăse"}),
])
def test_stem_helpers(tool, op, cases):
    got = tool(*[f"{op}:{text}" for text in cases])
    assert [line[0] if line else "" for line in got] == list(cases.values())


def test_class_list_parser(tool):
    got = {lemma: line[0] for lemma, line in
           zip(["cânta", "dormi", "rău", "gol", "fărătab", "lua", "crlf", "#comentariu", "ultim"],
               tool("class:cânta", "class:dormi", "class:rău", "class:gol", "class:fărătab", "class:lua",
                       "class:crlf", "class:#comentariu", "class:ultim"))}
    assert got == {"cânta": "a-bare", "dormi": "i-bare", "rău": "NONE", "gol": "NONE", "fărătab": "NONE",
                   "lua": "a-ez", "crlf": "e", "#comentariu": "NONE", "ultim": "ih-bare"}


def test_override_parser(tool):
    unu, doar, gol, lung, nimic = tool("row:unu", "row:doar", "row:gol", "row:lung", "row:nimic")
    assert unu == ["x"] + ["~"] * 11
    assert doar == ["~"] * 12
    assert gol == ["~"] * 12
    assert lung == [str(n) for n in range(1, 13)]
    assert nimic == ["NOROW"]


def test_participle_cut_keeps_whole_letters(tool):
    # An -a verb whose participle cell does not end in "at": only the t is cut,
    # never half of the â before it.
    (zxa,) = tool("conj:zxa")
    assert zxa[:2] == ["zxât", "zxând"]
    assert zxa[2:8] == ["zxâi", "zxâși", "zxâ", "zxârăm", "zxârăți", "zxâră"]
    assert zxa[8] == "zxâsem"


def test_perfect_from_cells(tool):
    scoate, trage, cobori = tool("conj:scoate", "conj:trage", "conj:coborî")
    assert scoate[2:8] == ["scosei", "scoseși", "scoase", "scoaserăm", "scoaserăți", "scoaseră"]
    assert scoate[8] == "scosesem"
    assert trage[2:8] == ["trăsei", "trăseși", "trase", "traserăm", "traserăți", "traseră"]
    assert cobori[2:6] == ["coborâi", "coborâși", "coborî", "coborârăm"]
