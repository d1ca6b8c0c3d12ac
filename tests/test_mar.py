"""Marathi conjugation: analysis of the input (compound head, the णे ending),
the irregular-verb lexicon, the rule forms with their vowel joining, and the
MarathiConjugation class."""
import os
import subprocess

import pytest

import velnor
from conftest import build_cpp_tool, needs, read_test_data

pytestmark = needs("mar")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "mar.tsv")
ATTRIBUTES = [
    "infinitive", "completive", "purposive", "prospective", "present_masculine", "present_feminine",
    "perfective_masculine", "perfective_feminine", "subjunctive", "future", "imperative",
]
DOC = ("The conjugation of one Marathi verb (see `velnor::mar`). Person rows\n"
       "are [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]; the subjunctive row is [masc sg,\n"
       "fem sg, neut sg, masc pl, fem pl, neut pl]; the imperative is [2sg,\n"
       "2pl, 1, 3sg, 3pl].")
HEADER = [
    "# Marathi irregular / suppletive verbs.",
    "# Columns: lemma  present  perfective  subjunctive  future  imperative  completive  purposive  prospective",
    "#   present     — present-habitual base (before the agreement ending; regular = stem + त)",
    "#   perfective  — perfective base       (before the agreement ending; regular = stem + ल)",
    "#   subjunctive — subjunctive base      (before the agreement ending; regular = stem + ाव)",
    "#   future      — 6 forms: 1sg,2sg,3sg,1pl,2pl,3pl",
    "#   imperative  — 5 forms: 2sg,2pl,1,3sg,3pl",
    "#   completive  — the converb (regular = stem + ून)",
    "#   purposive   — regular = stem + ायला",
    "#   prospective — regular = stem + णार",
]


def conj(word):
    return velnor.conjugate(word, lang="mar")


# tests/data/mar_common.txt: standard Marathi, one verb a line: infinitive;
# present m.3sg; perfective m.3sg, f.3sg; future 1sg, 3pl; imperative 2sg,
# 2pl; completive; purposive.
COMMON = read_test_data("mar_common.txt")


@pytest.mark.parametrize("w", [pytest.param(line.split(), id=line.split()[0])
                               for line in COMMON.strip().splitlines()])
def test_common_verbs(w):
    assert len(w) == 10
    r = conj(w[0])
    assert r.infinitive == w[0]
    assert r.present_masculine[2] == w[1]
    assert [r.perfective_masculine[2], r.perfective_feminine[2]] == w[2:4]
    assert [r.future[0], r.future[5]] == w[4:6]
    assert r.imperative[:2] == w[6:8]
    assert [r.completive, r.purposive] == w[8:10]


def test_common_table_is_large_and_distinct():
    verbs = [line.split()[0] for line in COMMON.strip().splitlines()]
    assert len(verbs) >= 100 and len(set(verbs)) == len(verbs)


BASNE = {
    "infinitive": "बसणे",
    "completive": "बसून",
    "purposive": "बसायला",
    "prospective": "बसणार",
    "present_masculine": ["बसतो", "बसतोस", "बसतो", "बसतो", "बसता", "बसतात"],
    "present_feminine": ["बसते", "बसतेस", "बसते", "बसतो", "बसता", "बसतात"],
    "perfective_masculine": ["बसलो", "बसलास", "बसला", "बसलो", "बसलात", "बसले"],
    "perfective_feminine": ["बसले", "बसलीस", "बसली", "बसलो", "बसलात", "बसल्या"],
    "subjunctive": ["बसावा", "बसावी", "बसावं", "बसावे", "बसाव्या", "बसावी"],
    "future": ["बसेन", "बसशील", "बसेल", "बसू", "बसाल", "बसतील"],
    "imperative": ["बस", "बसा", "बसू", "बसो", "बसोत"],
}

JANE = {
    "infinitive": "जाणे",
    "completive": "जाऊन",
    "purposive": "जायला",
    "prospective": "जाणार",
    "present_masculine": ["जातो", "जातोस", "जातो", "जातो", "जाता", "जातात"],
    "present_feminine": ["जाते", "जातेस", "जाते", "जातो", "जाता", "जातात"],
    "perfective_masculine": ["गेलो", "गेलास", "गेला", "गेलो", "गेलात", "गेले"],
    "perfective_feminine": ["गेले", "गेलीस", "गेली", "गेलो", "गेलात", "गेल्या"],
    "subjunctive": ["जावा", "जावी", "जावं", "जावे", "जाव्या", "जावी"],
    "future": ["जाईन", "जाशील", "जाईल", "जाऊ", "जाल", "जातील"],
    "imperative": ["जा", "जा", "जाऊ", "जावो", "जावोत"],
}


@pytest.mark.parametrize("table", [BASNE, JANE], ids=["basne", "jane"])
def test_full_tables(table):
    r = conj(table["infinitive"])
    for name in ATTRIBUTES:
        assert getattr(r, name) == table[name], name


def test_karne_takes_only_the_perfective_base_from_its_row():
    r = conj("करणे")
    assert r.perfective_masculine == ["केलो", "केलास", "केला", "केलो", "केलात", "केले"]
    assert r.perfective_feminine == ["केले", "केलीस", "केली", "केलो", "केलात", "केल्या"]
    assert r.present_masculine[2] == "करतो" and r.future == ["करेन", "करशील", "करेल", "करू", "कराल", "करतील"]
    assert r.subjunctive[0] == "करावा" and r.imperative == ["कर", "करा", "करू", "करो", "करोत"]


@pytest.mark.parametrize("verb, future, imperative, completive, subjunctive", [
    # future 1sg, 3sg, 1pl, 2pl; imperative 2pl, 1, 3sg; completive; subjunctive m.sg
    ("धुणे", ["धुईन", "धुईल", "धुऊ", "धुवाल"], ["धुवा", "धुऊ", "धुवो"], "धुऊन", "धुवावा"),
    ("खाणे", ["खाईन", "खाईल", "खाऊ", "खाल"], ["खा", "खाऊ", "खावो"], "खाऊन", "खावा"),
    ("लिहिणे", ["लिहीन", "लिहील", "लिहू", "लिहाल"], ["लिहा", "लिहू", "लिहो"], "लिहून", "लिहावा"),
    ("शिवणे", ["शिवेन", "शिवेल", "शिवू", "शिवाल"], ["शिवा", "शिवू", "शिवो"], "शिवून", "शिवावा"),
])
def test_vowel_final_stems_write_full_vowels(verb, future, imperative, completive, subjunctive):
    r = conj(verb)
    assert [r.future[0], r.future[2], r.future[3], r.future[4]] == future
    assert r.imperative[1:4] == imperative
    assert r.completive == completive and r.subjunctive[0] == subjunctive


def test_no_form_has_two_vowel_signs_in_a_row():
    signs = {chr(c) for c in range(0x093E, 0x094D)}
    for verb in ["खाणे", "धुणे", "लिहिणे", "ाणे", "गोणे", "सीणे", "पेणे", "लौणे"]:
        r = conj(verb)
        for name in ATTRIBUTES[1:]:
            value = getattr(r, name)
            for form in value if isinstance(value, list) else [value]:
                assert not any(a in signs and b in signs for a, b in zip(form, form[1:])), (verb, name, form)


@pytest.mark.parametrize("verb, slot, form", [
    ("देणे", "future", ["देईन", "देशील", "देईल", "देऊ", "द्याल", "देतील"]),
    ("घेणे", "future", ["घेईन", "घेशील", "घेईल", "घेऊ", "घ्याल", "घेतील"]),
    ("होणे", "future", ["होईन", "होशील", "होईल", "होऊ", "व्हाल", "होतील"]),
    ("देणे", "imperative", ["दे", "द्या", "देऊ", "देवो", "देवोत"]),
    ("येणे", "imperative", ["ये", "या", "येऊ", "येवो", "येवोत"]),
    ("होणे", "imperative", ["हो", "व्हा", "होऊ", "होवो", "होवोत"]),
    ("धुणे", "imperative", ["धू", "धुवा", "धुऊ", "धुवो", "धुवोत"]),
    ("पिणे", "subjunctive", ["प्यावा", "प्यावी", "प्यावं", "प्यावे", "प्याव्या", "प्यावी"]),
    ("येणे", "perfective_masculine", ["आलो", "आलास", "आला", "आलो", "आलात", "आले"]),
    ("सांगणे", "perfective_feminine", ["सांगितले", "सांगितलीस", "सांगितली", "सांगितलो", "सांगितलात",
                                        "सांगितल्या"]),
])
def test_lexicon_groups(verb, slot, form):
    assert getattr(conj(verb), slot) == form


@pytest.mark.parametrize("head, verb", [("काम ", "करणे"), ("विकत ", "घेणे"), ("लक्ष ठेवणे ", "देणे")])
def test_compound_head_prefixes_every_form(head, verb):
    whole, plain = conj(head + verb), conj(verb)
    for name in ATTRIBUTES:
        a, b = getattr(whole, name), getattr(plain, name)
        if isinstance(b, list):
            assert a == [head + f for f in b], name
        else:
            assert a == head + b, name


def test_kaam_karne():
    r = conj("  काम करणे ")
    assert r.infinitive == "काम करणे"
    assert r.present_masculine[0] == "काम करतो" and r.perfective_masculine[2] == "काम केला"


@pytest.mark.parametrize("text, infinitive", [(" बसणे", "बसणे"), ("बसणे\n", "बसणे"), ("\u3000बसणे\u00a0", "बसणे")])
def test_surrounding_white_space_is_trimmed(text, infinitive):
    assert conj(text).infinitive == infinitive


def test_only_the_ascii_space_splits():
    r = conj("काम\u00a0करणे")
    assert r.infinitive == "काम\u00a0करणे"
    # no head: the whole word is the verb, so the row of करणे does not apply
    assert r.perfective_masculine[2] == "काम\u00a0करला"


@pytest.mark.parametrize("text", ["", "   ", "णे", "करणा", "करने", "कर", "काम ", "काम णे", "करणे ॰", "kar"])
def test_not_an_infinitive(text):
    with pytest.raises(ValueError, match="^not a Marathi infinitive$"):
        conj(text)


def test_stem_of_a_lone_vowel_sign():
    r = conj("ाणे")
    assert r.subjunctive[0] == "ावा" and r.purposive == "ायला" and r.prospective == "ाणार"


@pytest.mark.parametrize("code", ["mar", "mr", "marathi", "मराठी"])
def test_language_codes(code):
    assert type(velnor.conjugate("बसणे", lang=code)).__name__ == "MarathiConjugation"


def read_rows():
    with open(DATA, encoding="utf-8", newline="") as f:
        text = f.read()
    lines = text.split("\n")
    return text, lines, [line for line in lines if line and not line.startswith("#")]


def test_lexicon_header():
    text, lines, _ = read_rows()
    assert text.endswith("\n") and "\r" not in text
    assert lines[:10] == HEADER
    assert lines[10].startswith("# A ") and '"-"' in lines[10]
    assert all(not line.startswith("#") for line in lines[11:])


def test_every_lexicon_row_is_well_formed_and_used():
    _, _, rows = read_rows()
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(set(lemmas)) == len(lemmas)
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 9, row
        lemma = cells[0]
        r = conj(lemma)
        assert lemma.endswith("णे")
        if cells[2] != "-":
            assert r.perfective_masculine[2] == cells[2] + "ा"
        if cells[3] != "-":
            assert r.subjunctive[1] == cells[3] + "ी"
        if cells[4] != "-":
            assert cells[4].split(",") == r.future
        if cells[5] != "-":
            assert cells[5].split(",") == r.imperative
        for i, name in [(6, "completive"), (7, "purposive"), (8, "prospective")]:
            if cells[i] != "-":
                assert getattr(r, name) == cells[i]
        assert cells[1] == "-"


@pytest.mark.parametrize("lemma, perfective", [
    ("करणे", "केल"), ("देणे", "दिल"), ("घेणे", "घेतल"), ("जाणे", "गेल"), ("येणे", "आल"), ("होणे", "झाल"),
    ("म्हणणे", "म्हटल"), ("मिळणे", "मिळाल"), ("सांगणे", "सांगितल"),
])
def test_named_rows_present(lemma, perfective):
    _, _, rows = read_rows()
    row = next(r.split("\t") for r in rows if r.split("\t")[0] == lemma)
    assert row[2] == perfective


def test_class_shape():
    r = conj("बसणे")
    cls = type(r)
    assert cls is velnor.MarathiConjugation and cls.__doc__ == DOC
    names = [n for n in vars(cls) if not n.startswith("_")]
    assert names == ATTRIBUTES
    for name in ATTRIBUTES:
        assert getattr(cls, name).__doc__ in ("", None)
        with pytest.raises(AttributeError):
            setattr(r, name, "x")
    with pytest.raises(TypeError):
        cls()
    for name in ATTRIBUTES[4:]:
        assert len(getattr(r, name)) == (5 if name == "imperative" else 6)


@pytest.mark.parametrize("text, shown", [
    ("करणे", 'MarathiConjugation("करण\\u{947}")'),
    ("बसणे", 'MarathiConjugation("बसण\\u{947}")'),
    ("काम करणे", 'MarathiConjugation("काम करण\\u{947}")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def test_results_are_independent():
    a = conj("करणे")
    a.future.append("x")
    assert conj("करणे").future == ["करेन", "करशील", "करेल", "करू", "कराल", "करतील"]


# --- joining, cell parsing and the lexicon parse, on a test lexicon -----------

@pytest.fixture(scope="module")
def tool(tmp_path_factory):
    """The C++ check program, built on a test lexicon: CRLF endings, missing
    cells, groups of the wrong size, empty cells, a duplicate lemma, extra
    cells and a commented-out row."""
    d = tmp_path_factory.mktemp("mar_data")
    (d / "mar.tsv").write_bytes(
        "# head\r\n\r\nकरणे\t-\tकेल\r\n"
        "बसणे\tX\t-\t-\ta,b,c,d,e,f\ta,b,c,d\t\tP\tQ\textra\n"
        "उठणे\t-\t-\tY\ta,b,c,d,e\tv,w,x,y,z\n"
        "उठणे\t-\tZ\n"
        "#पडणे\tx\n".encode())
    exe = build_cpp_tool(d, "mar_check.cpp",
                         ["mar.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                         [str(d / "mar.tsv")])

    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


@pytest.mark.parametrize("base, suffix, joined", [
    ("ा", "ाव", "ाव"), ("खा", "ा", "खा"), ("कर", "ा", "करा"), ("खा", "ायला", "खायला"), ("कर", "ायला", "करायला"),
    ("खा", "व", "खाव"), ("", "ा", "ा"), ("धु", "ा", "धुा"),
])
def test_join(tool, base, suffix, joined):
    assert tool(f"join:{base}|{suffix}") == [[joined]]


def test_cells(tool):
    assert tool("one:-", "one:", "one:x", "five:-", "five:a,b,c,d,e", "five:a,b,c,d", "five:a,b,c,d,e,f",
                "five:,,,,") == [["~"], ["~"], ["x"], ["~"], ["a,b,c,d,e"], ["~"], ["~"], [",,,,"]]


def test_lexicon_parse(tool):
    assert tool("verb:करणे", "verb:बसणे", "verb:उठणे", "verb:पडणे", "verb:काम  करणे") == [
        ["[]", "करणे", "कर", "~", "केल", "~", "~", "~", "~", "~", "~"],
        ["[]", "बसणे", "बस", "X", "~", "~", "a,b,c,d,e,f", "~", "~", "P", "Q"],
        ["[]", "उठणे", "उठ", "~", "Z", "~", "~", "~", "~", "~", "~"],
        ["[]", "पडणे", "पड", "NOROW"],
        ["[काम  ]", "करणे", "कर", "~", "केल", "~", "~", "~", "~", "~", "~"],
    ]
    assert tool("verb:णे", "verb:", "verb:करने", "verb:काम णे") == [["FAIL"]] * 4


def test_table_takes_each_group_whole_or_not_at_all(tool):
    [row] = tool("table:बसणे")
    # present base X from the row; imperative of four forms falls back to the rule
    assert row[:4] == ["बसणे", "बसून", "P", "Q"]
    assert row[4:10] == ["Xो", "Xोस", "Xो", "Xो", "Xा", "Xात"]
    assert row[34:40] == list("abcdef")
    assert row[40:] == ["बस", "बसा", "बसू", "बसो", "बसोत"]
