"""Gujarati conjugation: analysis of the input (compound head, the વું ending,
the vowel-final stem), the irregular-verb lexicon, the rule forms and the
GujaratiConjugation class."""
import os
import subprocess

import pytest

import velnor
from conftest import build_cpp_tool, needs, read_test_data

pytestmark = needs("guj")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "guj.tsv")
ATTRIBUTES = ["infinitive", "verbal_noun", "conjunctive", "consecutive", "present", "future", "imperative",
              "perfective", "imperfective", "present_progressive"]
DOC = ("The conjugation of one Gujarati verb (see `velnor::guj`). Person\n"
       "rows are [1sg, 2sg, 3, 1pl, 2pl] (the third person does not split\n"
       "singular from plural); participle rows are [masc sg, masc pl, fem,\n"
       "neut sg, neut pl]; the imperative is [2sg, 2pl, polite sg, polite pl].")


def conj(word):
    return velnor.conjugate(word, lang="guj")


COMMON = [line.split() for line in read_test_data("guj_common.txt").splitlines()
          if line and not line.startswith("#")]


@pytest.mark.parametrize("w", [pytest.param(w, id=w[0]) for w in COMMON])
def test_common_verbs(w):
    assert len(w) == 9
    r = conj(w[0])
    assert r.infinitive == w[0]
    assert [r.present[0], r.present[2], r.future[0], r.future[2]] == w[1:5]
    assert [r.perfective[0], r.perfective[2], r.imperative[1], r.conjunctive] == w[5:9]
    assert r.consecutive == w[8] + "ને"
    assert r.verbal_noun == w[0][:-3] + "વાનું"


def test_common_table_is_large_and_distinct():
    verbs = [w[0] for w in COMMON]
    assert len(verbs) >= 100 and len(set(verbs)) == len(verbs)


KARVUM = {
    "infinitive": "કરવું",
    "verbal_noun": "કરવાનું",
    "conjunctive": "કરી",
    "consecutive": "કરીને",
    "present": ["કરું", "કરે", "કરે", "કરીએ", "કરો"],
    "future": ["કરીશ", "કરીશ", "કરશે", "કરીશું", "કરશો"],
    "imperative": ["કર", "કરો", "કરજે", "કરજો"],
    "perfective": ["કર્યો", "કર્યા", "કરી", "કર્યું", "કર્યાં"],
    "imperfective": ["કરતો", "કરતા", "કરતી", "કરતું", "કરતાં"],
    "present_progressive": ["કરું છું", "કરે છે", "કરે છે", "કરીએ છીએ", "કરો છો"],
}

GAVUM = {
    "infinitive": "ગાવું",
    "verbal_noun": "ગાવાનું",
    "conjunctive": "ગાઈ",
    "consecutive": "ગાઈને",
    "present": ["ગાઉં", "ગાય", "ગાય", "ગાઈએ", "ગાઓ"],
    "future": ["ગાઈશ", "ગાઈશ", "ગાશે", "ગાઈશું", "ગાશો"],
    "imperative": ["ગા", "ગાઓ", "ગાજે", "ગાજો"],
    "perfective": ["ગાયો", "ગાયા", "ગાઈ", "ગાયું", "ગાયાં"],
    "imperfective": ["ગાતો", "ગાતા", "ગાતી", "ગાતું", "ગાતાં"],
    "present_progressive": ["ગાઉં છું", "ગાય છે", "ગાય છે", "ગાઈએ છીએ", "ગાઓ છો"],
}

JAVUM = {
    "infinitive": "જવું",
    "verbal_noun": "જવાનું",
    "conjunctive": "જઈ",
    "consecutive": "જઈને",
    "present": ["જાઉં", "જાય", "જાય", "જઈએ", "જાઓ"],
    "future": ["જઈશ", "જઈશ", "જશે", "જઈશું", "જશો"],
    "imperative": ["જા", "જાઓ", "જજે", "જજો"],
    "perfective": ["ગયો", "ગયા", "ગઈ", "ગયું", "ગયાં"],
    "imperfective": ["જતો", "જતા", "જતી", "જતું", "જતાં"],
    "present_progressive": ["જાઉં છું", "જાય છે", "જાય છે", "જઈએ છીએ", "જાઓ છો"],
}


@pytest.mark.parametrize("table", [KARVUM, GAVUM, JAVUM], ids=["karvum", "gavum", "javum"])
def test_full_tables(table):
    r = conj(table["infinitive"])
    for name in ATTRIBUTES:
        assert getattr(r, name) == table[name], name


def test_khavum_takes_only_its_perfective_from_the_lexicon():
    r = conj("ખાવું")
    assert r.perfective == ["ખાધો", "ખાધા", "ખાધી", "ખાધું", "ખાધાં"]
    assert r.present == ["ખાઉં", "ખાય", "ખાય", "ખાઈએ", "ખાઓ"]
    assert r.conjunctive == "ખાઈ" and r.imperative == ["ખા", "ખાઓ", "ખાજે", "ખાજો"]
    assert r.imperfective[0] == "ખાતો"


@pytest.mark.parametrize("verb, present, perfective, conjunctive", [
    # stems written with ે: the rule would give રહેઉં, રહેયો, રહેઈ
    ("રહેવું", ["રહું", "રહે", "રહે", "રહીએ", "રહો"], ["રહ્યો", "રહ્યા", "રહી", "રહ્યું", "રહ્યાં"], "રહી"),
    ("કહેવું", ["કહું", "કહે", "કહે", "કહીએ", "કહો"], ["કહ્યો", "કહ્યા", "કહી", "કહ્યું", "કહ્યાં"], "કહી"),
    ("જોવું", ["જોઉં", "જુએ", "જુએ", "જોઈએ", "જુઓ"], ["જોયો", "જોયા", "જોઈ", "જોયું", "જોયાં"], "જોઈ"),
    ("પીવું", ["પીઉં", "પીએ", "પીએ", "પીએ", "પીઓ"], ["પીધો", "પીધા", "પીધી", "પીધું", "પીધાં"], "પી"),
    ("સૂવું", ["સૂઉં", "સૂએ", "સૂએ", "સૂઈએ", "સૂઓ"], ["સૂતો", "સૂતા", "સૂતી", "સૂતું", "સૂતાં"], "સૂઈ"),
    ("બેસવું", ["બેસું", "બેસે", "બેસે", "બેસીએ", "બેસો"], ["બેઠો", "બેઠા", "બેઠી", "બેઠું", "બેઠાં"], "બેસી"),
])
def test_verbs_the_rule_gets_wrong_come_from_the_lexicon(verb, present, perfective, conjunctive):
    r = conj(verb)
    assert r.present == present and r.perfective == perfective and r.conjunctive == conjunctive


def test_rahevum_keeps_its_e_where_the_language_does():
    r = conj("રહેવું")
    assert r.future == ["રહીશ", "રહીશ", "રહેશે", "રહીશું", "રહેશો"]
    assert r.imperative == ["રહે", "રહો", "રહેજે", "રહેજો"]
    assert r.imperfective == ["રહેતો", "રહેતા", "રહેતી", "રહેતું", "રહેતાં"]
    assert r.verbal_noun == "રહેવાનું" and r.present_progressive[0] == "રહું છું"


@pytest.mark.parametrize("text, head", [
    ("કામ કરવું", "કામ "),
    ("ઊભા રહેવું", "ઊભા "),
    ("કામ જવું", "કામ "),
    ("એક બે ત્રણ જવું", "એક બે ત્રણ "),
    ("ઊંચું લેવું", "ઊંચું "),
])
def test_compound_head_stands_before_every_form(text, head):
    r = conj(text)
    plain = conj(text[len(head):])
    assert r.infinitive == text
    for name in ATTRIBUTES:
        value, base = getattr(r, name), getattr(plain, name)
        if isinstance(value, list):
            assert value == [head + f for f in base], name
        else:
            assert value == head + base, name


def test_compound_head_examples():
    assert conj("કામ કરવું").present_progressive[0] == "કામ કરું છું"
    assert conj("કામ જવું").perfective[0] == "કામ ગયો"
    assert conj("ઊંચું લેવું").perfective[0] == "ઊંચું લીધો"


def test_trimming():
    r = conj("  \tકરવું \n")
    assert r.infinitive == "કરવું" and r.present[0] == "કરું"


@pytest.mark.parametrize("text", ["", "   ", "વું", "કર", "કરવુ", "કરવું ક", "કામ વું", "કરવું\u200b", "ક રવ",
                                  "કરવાં", "\u0ac1\u0a82"])
def test_rejected(text):
    with pytest.raises(ValueError, match="^not a Gujarati infinitive$"):
        conj(text)


def test_tab_inside_stays_part_of_the_verb():
    r = conj("કામ\tકરવું")
    assert r.infinitive == "કામ\tકરવું" and r.present[0] == "કામ\tકરું"


def test_class_shape():
    r = conj("કરવું")
    cls = type(r)
    assert cls.__name__ == "GujaratiConjugation" and cls.__doc__ == DOC
    assert [a for a in ATTRIBUTES if not hasattr(r, a)] == []
    assert repr(r) == 'GujaratiConjugation("કરવ\\u{ac1}\\u{a82}")'
    assert repr(conj("ગાવું")) == 'GujaratiConjugation("ગાવ\\u{ac1}\\u{a82}")'
    with pytest.raises(AttributeError):
        r.present = []
    with pytest.raises(TypeError):
        cls()
    r.present.append("x")
    assert conj("કરવું").present == KARVUM["present"]


HEADER = [
    "# Gujarati irregular verbs.",
    "#",
    "# The rule engine (src/guj.cpp) handles the open class off the stem",
    "# (infinitive minus -વું); this table carries the few verbs whose",
    "# present stem, future or perfective (past) participle is not",
    "# predictable. A `-` group falls through to the rule; the imperfective",
    "# participle and the conditional -ત form stay regular for every verb.",
    "#",
    "# Columns:",
    "#   lemma",
    "#   present     1sg,2sg,3,1pl,2pl",
    "#   future      1sg,2sg,3,1pl,2pl",
    "#   perfective  masc.sg,masc.pl,fem,neut.sg,neut.pl",
    "#   imperative  2sg,2pl,polite.sg,polite.pl",
    "#   conjunctive (perfective converb)",
    "#",
]


def lexicon_lines():
    with open(DATA, encoding="utf-8", newline="") as f:
        return f.read().split("\n")


def test_lexicon_header():
    lines = lexicon_lines()
    assert lines[:16] == HEADER
    assert all(line.startswith("# ") for line in lines[16:20])
    assert lines[20] == "#" and lines[21] == "# lemma\tpresent\tfuture\tperfective\timperative\tconjunctive"
    assert lines[22].startswith("જવું\t") and lines[-1] == ""


def test_every_lexicon_row_is_well_formed_and_used():
    rows = [line.split("\t") for line in lexicon_lines() if line and not line.startswith("#")]
    assert [r[0] for r in rows[:5]] == ["જવું", "ખાવું", "થવું", "લેવું", "દેવું"]
    assert len({r[0] for r in rows}) == len(rows)
    sizes = [5, 5, 5, 4]
    for row in rows:
        assert len(row) == 6 and row[0].endswith("વું"), row
        r = conj(row[0])
        fields = [r.present, r.future, r.perfective, r.imperative]
        for cell, size, got in zip(row[1:5], sizes, fields):
            if cell != "-":
                assert cell.split(",") == got and len(got) == size, row
        if row[5] != "-":
            assert r.conjunctive == row[5]
        assert conj("કામ " + row[0]).perfective[0] == "કામ " + r.perfective[0]


# --- cell parsing and the lexicon parse, on a test lexicon -------------------

@pytest.fixture(scope="module")
def tool(tmp_path_factory):
    """The C++ check program, built on a test lexicon: CRLF endings, missing
    cells, groups of the wrong size, a duplicate lemma, extra cells and a
    commented-out row."""
    d = tmp_path_factory.mktemp("guj_data")
    (d / "guj.tsv").write_bytes(
        "# head\r\n\r\nકરવું\t-\t-\tA,B,C,D,E\r\n"
        "ગાવું\ta,b,c,d\t1,2,3,4,5\t-\tw,x,y,z\tQ\textra\n"
        "લખવું\tp,q,r,s,t\n"
        "લખવું\t-\t-\t-\t-\tZ\n"
        "#પડવું\tx\n".encode())
    exe = build_cpp_tool(d, "guj_check.cpp",
                         ["guj.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                         [str(d / "guj.tsv")])

    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


def test_cells(tool):
    assert tool("one:-", "one:", "one:x", "five:-", "five:a,b,c,d,e", "five:a,b,c,d", "five:a,b,c,d,e,f",
                "five:,,,,", "five:", "four:a,b,c,d", "four:a,b,c", "four:-") == [
        ["~"], ["~"], ["x"], ["~"], ["a,b,c,d,e"], ["~"], ["~"], [",,,,"], ["~"], ["a,b,c,d"], ["~"], ["~"]]


def test_lexicon_parse(tool):
    assert tool("verb:કરવું", "verb:ગાવું", "verb:લખવું", "verb:પડવું", "verb:કામ  કરવું", "verb:ઊભા રહેવું",
                "verb:લેવું") == [
        ["[]", "કરવું", "કર", "C", "~", "~", "A,B,C,D,E", "~", "~"],
        ["[]", "ગાવું", "ગા", "V", "~", "1,2,3,4,5", "~", "w,x,y,z", "Q"],
        ["[]", "લખવું", "લખ", "C", "~", "~", "~", "~", "Z"],
        ["[]", "પડવું", "પડ", "C", "NOROW"],
        ["[કામ  ]", "કરવું", "કર", "C", "~", "~", "A,B,C,D,E", "~", "~"],
        ["[ઊભા ]", "રહેવું", "રહે", "V", "NOROW"],
        ["[]", "લેવું", "લે", "V", "NOROW"],
    ]
    assert tool("verb:વું", "verb:", "verb:કરવુ", "verb:કામ વું") == [["FAIL"]] * 4


@pytest.mark.parametrize("stem, flag", [
    ("ક", "C"), ("ક્", "C"), ("કં", "C"), ("x", "C"), ("કા", "V"), ("કૃ", "V"), ("કૌ", "V"), ("અ", "V"), ("ઔ", "V"),
    ("ઋ", "C"), ("ઑ", "C"),
])
def test_vowel_final_flag(tool, stem, flag):
    assert tool(f"verb:{stem}વું")[0][3] == flag
