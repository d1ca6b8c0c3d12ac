"""Czech: the three lexicon parsers, run on texts of our own and on the built-in lexicons (C++)."""
import os
import subprocess

import pytest

from conftest import cpp_tool, needs

pytestmark = needs("ces")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data")
ROWS_HEADER = ("# lemma\tp1sg\tp2sg\tp3sg\tp1pl\tp2pl\tp3pl\timp2sg\timp1pl\timp2pl\tlptcp\tpassptcp"
               "\tcvb-m\tcvb-fn (\"-\" = derive)")
CLASSES_HEADER = "# lemma\tclass (uje a i et-i et-eji ne)"
ASPECT_HEADER = ("# Czech aspect: lemma <TAB> impf|pf <TAB> counterpart lemmas (comma-separated, "
                 "may be empty)")


FIXTURE_CLASSES = (CLASSES_HEADER + "\n"
                   "vidět\tet-i\n"
                   "bečet\tbogus\n"          # unknown code: line skipped
                   "no-tab-lit\n"            # no TAB: skipped
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


SOURCES = ["ces.cpp", "lexicon_text.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp"]
TOOL = cpp_tool("ces_check.cpp", SOURCES, texts={"ces_classes.tsv": FIXTURE_CLASSES, "ces_rows.tsv": FIXTURE_ROWS,
                                                 "ces_aspect.tsv": FIXTURE_ASPECT})
BUILTIN_TOOL = cpp_tool("ces_check.cpp", SOURCES,
                        [os.path.join(DATA, n) for n in ("ces_classes.tsv", "ces_rows.tsv", "ces_aspect.tsv")])


@pytest.fixture(scope="module")
def checker():
    exe = TOOL.result()

    def run(word):
        p = subprocess.run([exe, word], capture_output=True, text=True, encoding="utf-8", check=True)
        cells = p.stdout.rstrip("\n").split("\t")
        if cells == ["REFUSED"]:
            return None
        keys = ["lemma", "class", "aspect", "partner", "present", "imperative", "lptcp", "passive", "cvb"]
        return dict(zip(keys, cells))

    return run


@pytest.mark.parametrize("word,cls", [
    ("vidět", "et-i"), ("bečet", "et-eji"), ("kupovat", "ne"), ("minout", "ne"), ("no-tab-lit", "i"),
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


def test_builtin_aspect_entries():
    p = subprocess.run([BUILTIN_TOOL.result(), "balit", "bafnout", "bdít", "psát", "napsat"], capture_output=True,
                       text=True, encoding="utf-8", check=True)
    got = [line.split("\t")[2:4] for line in p.stdout.splitlines()]
    assert got == [["imperfective", "sbalit"], ["perfective", "bafat"], ["imperfective", "~"],
                   ["imperfective", "napsat"], ["perfective", "psát"]]


def test_every_builtin_row_is_served():
    """Each cell of the row lexicon comes out of conjugate in its slot; "—" gives none (padnout has no passive)."""
    import velnor
    slots = [("present", i) for i in range(6)] + [("imperative", i) for i in range(3)] + [
        ("past_participle", 0), ("passive_participle", 0), ("transgressive", 0), ("transgressive", 1),
        ("past_participle", 1)]
    wrong = []
    with open(os.path.join(DATA, "ces_rows.tsv"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            lemma, *cells = line.rstrip("\n").split("\t")
            t = velnor.conjugate(lemma, lang="ces")
            wrong += [(lemma, attr) for (attr, i), cell in zip(slots, cells)
                      if cell == "—" and getattr(t, attr) is not None
                      or cell not in ("-", "—") and getattr(t, attr)[i] != cell]
    assert not wrong, wrong[:20]
