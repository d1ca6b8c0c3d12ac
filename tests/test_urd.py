"""Urdu conjugation: the Perso-Arabic normalisation, analysis of the input
(compound head, the نا ending, vowel-final stems), the irregular-verb
lexicon, the rule forms and the UrduConjugation class."""
import os
import subprocess

import pytest

import velnor
from conftest import build_cpp_tool, needs, read_test_data

pytestmark = needs("urd")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "urd.tsv")
COLUMNS = "# lemma\tpfv(m.sg,m.pl,f)\tsubj(1sg,2sg,3sg,1pl,2pl,3pl)\timp(intim,famil,polite)"
ATTRIBUTES = [
    "infinitive", "oblique_infinitive", "imperative", "subjunctive",
    "future_masculine", "future_feminine", "imperfective", "perfective",
]
ROW_LENGTHS = {"imperative": 3, "subjunctive": 6, "future_masculine": 6, "future_feminine": 6,
               "imperfective": 3, "perfective": 3}
DOC = ("The conjugation of one Urdu verb (see `velnor::urd`). Urdu is\n"
       "Hindustani in the Perso-Arabic script, so the layout matches\n"
       "[`HindiConjugation`]: person rows are [1sg, 2sg, 3sg, 1pl, 2pl, 3pl];\n"
       "participle triples are [masc sg, masc pl, fem]; the imperative is\n"
       "[intimate (تو), familiar (تم), polite (آپ)]; the synthetic future is\n"
       "written apart (اتروں گا).")


def conj(word):
    return velnor.conjugate(word, lang="urd")


# tests/data/urd_common.txt: standard Urdu in the normalised spelling, one
# verb a line, tab-separated: infinitive; imperative intimate, familiar,
# polite; subjunctive 1sg, 3sg, 1pl, 2pl; future m.3sg, m.3pl, f.1sg;
# imperfective m.sg; perfective m.sg, m.pl, f.
COMMON = read_test_data("urd_common.txt")


def common_rows():
    for line in COMMON.strip().splitlines():
        w = line.split("\t")
        yield pytest.param(w, id=w[0])


@pytest.mark.parametrize("w", list(common_rows()))
def test_common_verbs(w):
    assert len(w) == 15
    r = conj(w[0])
    assert r.infinitive == w[0]
    assert r.oblique_infinitive == w[0][:-1] + "ے"
    assert r.imperative == w[1:4]
    assert [r.subjunctive[i] for i in (0, 2, 3, 4)] == w[4:8]
    assert [r.future_masculine[2], r.future_masculine[5], r.future_feminine[0]] == w[8:11]
    assert r.imperfective == [w[11], w[11][:-1] + "ے", w[11][:-1] + "ی"]
    assert r.perfective == w[12:15]


def test_common_table_is_large_and_distinct():
    verbs = [line.split("\t")[0] for line in COMMON.strip().splitlines()]
    assert len(verbs) >= 100 and len(set(verbs)) == len(verbs)


CHALNA = {
    "infinitive": "چلنا",
    "oblique_infinitive": "چلنے",
    "imperative": ["چل", "چلو", "چلیے"],
    "subjunctive": ["چلوں", "چلے", "چلے", "چلیں", "چلو", "چلیں"],
    "future_masculine": ["چلوں گا", "چلے گا", "چلے گا", "چلیں گے", "چلو گے", "چلیں گے"],
    "future_feminine": ["چلوں گی", "چلے گی", "چلے گی", "چلیں گی", "چلو گی", "چلیں گی"],
    "imperfective": ["چلتا", "چلتے", "چلتی"],
    "perfective": ["چلا", "چلے", "چلی"],
}

KHANA = {
    "infinitive": "کھانا",
    "oblique_infinitive": "کھانے",
    "imperative": ["کھا", "کھاؤ", "کھائیے"],
    "subjunctive": ["کھاؤں", "کھائے", "کھائے", "کھائیں", "کھاؤ", "کھائیں"],
    "future_masculine": ["کھاؤں گا", "کھائے گا", "کھائے گا", "کھائیں گے", "کھاؤ گے", "کھائیں گے"],
    "future_feminine": ["کھاؤں گی", "کھائے گی", "کھائے گی", "کھائیں گی", "کھاؤ گی", "کھائیں گی"],
    "imperfective": ["کھاتا", "کھاتے", "کھاتی"],
    "perfective": ["کھایا", "کھائے", "کھائی"],
}

HONA = {
    "infinitive": "ہونا",
    "oblique_infinitive": "ہونے",
    "imperative": ["ہو", "ہوؤ", "ہوئیے"],
    "subjunctive": ["ہوں", "ہو", "ہو", "ہوں", "ہو", "ہوں"],
    "future_masculine": ["ہوں گا", "ہو گا", "ہو گا", "ہوں گے", "ہو گے", "ہوں گے"],
    "future_feminine": ["ہوں گی", "ہو گی", "ہو گی", "ہوں گی", "ہو گی", "ہوں گی"],
    "imperfective": ["ہوتا", "ہوتے", "ہوتی"],
    "perfective": ["ہوا", "ہوئے", "ہوئی"],
}


@pytest.mark.parametrize("table", [CHALNA, KHANA, HONA], ids=["chalna", "khana", "hona"])
def test_full_tables(table):
    r = conj(table["infinitive"])
    assert {a: getattr(r, a) for a in ATTRIBUTES} == table


@pytest.mark.parametrize("verb, polite", [
    ("چلنا", "چلیے"), ("بیٹھنا", "بیٹھیے"), ("کہنا", "کہیے"), ("لکھنا", "لکھیے"),
    ("آنا", "آئیے"), ("سونا", "سوئیے"), ("بتانا", "بتائیے"),
])
def test_polite_imperative_takes_hamza_only_after_a_vowel(verb, polite):
    # After a consonant the ending is plain یے; the hamza seat ئ would give
    # the misspelling چلئیے.
    assert conj(verb).imperative[2] == polite


def test_karna_mixes_row_and_rule():
    r = conj("کرنا")
    assert r.perfective == ["کیا", "کیے", "کی"]
    assert r.imperative == ["کر", "کرو", "کیجیے"]
    assert r.subjunctive == ["کروں", "کرے", "کرے", "کریں", "کرو", "کریں"]
    assert r.future_feminine[4] == "کرو گی"


def test_future_is_written_apart_in_every_slot():
    for verb in ("چلنا", "کھانا", "دینا", "جانا"):
        r = conj(verb)
        for subj, m, f in zip(r.subjunctive, r.future_masculine, r.future_feminine):
            assert m.startswith(subj + " ") and f == subj + " گی"
            assert m.count(" ") == 1


# --- normalisation of the input --------------------------------------------

@pytest.mark.parametrize("text", [
    "\u0643رنا",                 # Arabic kaf
    "کَرنا", "کرْنا", "ک\u0651رنا",   # harakat
    "ک\u200cرنا", "ک\u200dرنا",       # joiners
    "\u200fکرنا\u200e", "\u061cکرنا",  # bidi marks
    "کـرنا",                      # tatweel
])
def test_spelling_variants_find_the_same_row(text):
    r = conj(text)
    assert r.infinitive == "کرنا"
    assert r.perfective == ["کیا", "کیے", "کی"]


def test_arabic_yeh_folds_to_farsi_yeh():
    r = conj("د\u064aنا")
    assert r.infinitive == "دینا"
    assert r.perfective == ["دیا", "دیے", "دی"]
    assert r.imperative == ["دے", "دو", "دیجیے"]


def test_letters_that_are_not_folded():
    # ہ (U+06C1) is not ه (U+0647): Arabic heh is kept, so no row is found.
    r = conj("\u0647ونا")
    assert r.infinitive == "\u0647ونا"
    assert r.perfective == ["\u0647ویا", "\u0647وئے", "\u0647وئی"]
    # آ is kept as it is (not split into ا + madda, not folded).
    assert conj("آنا").perfective == ["آیا", "آئے", "آئی"]


def test_marks_next_to_blanks_do_not_block_trimming():
    # A bidi mark after the trailing blank (pasted right-to-left text) is
    # dropped before the blanks are trimmed, so the verb is still found.
    assert conj("کرنا \u200f").infinitive == "کرنا"
    assert conj("\u200f کام کرنا\u200e ").perfective[0] == "کام کیا"


# --- the compound head ----------------------------------------------------

@pytest.mark.parametrize("head, verb", [
    ("کام ", "کرنا"), ("انتظار ", "کرنا"), ("لے ", "آنا"), ("بند ", "ہونا"),
    ("بہت  ", "چلنا"), ("a b ", "کھانا"),
])
def test_compound_head_prefixes_every_form(head, verb):
    whole = conj(head + verb)
    bare = conj(verb)
    for a in ATTRIBUTES:
        got, want = getattr(whole, a), getattr(bare, a)
        if isinstance(want, str):
            assert got == head + want
        else:
            assert got == [head + f for f in want]


def test_compound_head_is_normalised():
    r = conj("\u0643ام\u064e \u0643رنا")
    assert r.infinitive == "کام کرنا"
    assert r.perfective == ["کام کیا", "کام کیے", "کام کی"]
    assert r.future_masculine[0] == "کام کروں گا"


def test_only_the_ascii_space_splits():
    r = conj("کام\tکرنا")
    assert r.infinitive == "کام\tکرنا"
    assert r.perfective == ["کام\tکرا", "کام\tکرے", "کام\tکری"]
    assert conj("کام\u00a0کرنا").imperative[2] == "کام\u00a0کریے"


# --- stems ---------------------------------------------------------------

@pytest.mark.parametrize("last", ["آ", "ا", "و"])
def test_vowel_final_stems(last):
    stem = "ب" + last
    r = conj(stem + "نا")
    assert r.perfective == [stem + "یا", stem + "ئے", stem + "ئی"]
    assert r.imperative == [stem, stem + "ؤ", stem + "ئیے"]
    assert r.subjunctive == [stem + s for s in ("ؤں", "ئے", "ئے", "ئیں", "ؤ", "ئیں")]


@pytest.mark.parametrize("last", ["ی", "ے", "ہ", "ؤ", "ں", "ب", "x"])
def test_other_final_letters_make_a_consonant_stem(last):
    stem = "ب" + last
    r = conj(stem + "نا")
    assert r.perfective == [stem + "ا", stem + "ے", stem + "ی"]
    assert r.subjunctive == [stem + s for s in ("وں", "ے", "ے", "یں", "و", "یں")]
    assert r.imperative == [stem, stem + "و", stem + "یے"]


# --- failures ---------------------------------------------------------------

@pytest.mark.parametrize("text", [
    "", "   ", "\n\t", "\u200f\u200c", "\u064e", "نا", " نا ", "کام نا", "\u064eنا", "چل", "کرنی",
    "کرنے", "کام ", "کرنا کام", "karna", "کرنا\u200b", "کرنا۔", "کرن\u0622", "کرن\u0649",
])
def test_not_an_infinitive(text):
    with pytest.raises(ValueError, match="^not an Urdu infinitive$"):
        conj(text)


def test_language_codes():
    for code in ("ur", "urd", "URDU", "Ur"):
        assert velnor.conjugate("چلنا", lang=code).perfective[0] == "چلا"


# --- the lexicon ---------------------------------------------------------

def lexicon_lines():
    with open(DATA, encoding="utf-8") as f:
        return f.read().split("\n")


def test_lexicon_header():
    comments = []
    for line in lexicon_lines():
        if not line.startswith("#"):
            break
        comments.append(line)
    assert comments[0] == "# Urdu irregular verbs."
    assert comments[-1] == COLUMNS


def test_every_lexicon_row_is_well_formed_and_used():
    rows = [line for line in lexicon_lines() if line and not line.startswith("#")]
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(rows) == 8 and len(set(lemmas)) == len(lemmas)
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 4, row
        lemma = cells[0]
        assert lemma.endswith("نا") and " " not in lemma
        r = conj(lemma)
        for cell, attr, n in ((cells[1], "perfective", 3), (cells[2], "subjunctive", 6),
                              (cells[3], "imperative", 3)):
            if cell == "-":
                continue
            forms = cell.split(",")
            assert len(forms) == n and all(f and f.strip() == f for f in forms), row
            assert getattr(r, attr) == forms, row
        if cells[2] != "-":
            subj = cells[2].split(",")
            assert r.future_masculine == [s + e for s, e in zip(subj, [" گا"] * 3 + [" گے"] * 3)]
            assert r.future_feminine == [s + " گی" for s in subj]


@pytest.mark.parametrize("lemma", ["ہونا", "جانا", "کرنا", "دینا", "لینا", "پینا", "جینا", "سینا"])
def test_named_rows_present(lemma):
    assert any(line.split("\t")[0] == lemma for line in lexicon_lines() if not line.startswith("#"))


# --- the class -------------------------------------------------------------

def test_class_shape():
    cls = velnor.UrduConjugation
    assert cls.__doc__ == DOC
    r = conj("چلنا")
    assert type(r) is cls
    for a in ATTRIBUTES:
        with pytest.raises(AttributeError):
            setattr(r, a, "x")
    with pytest.raises(TypeError):
        cls()
    for a, n in ROW_LENGTHS.items():
        v = getattr(r, a)
        assert isinstance(v, list) and len(v) == n and all(isinstance(f, str) for f in v)
    assert r.imperative is not r.imperative


@pytest.mark.parametrize("text, shown", [
    ("چلنا", 'UrduConjugation("چلنا")'),
    ("کَرنا", 'UrduConjugation("کرنا")'),
    ('"\\ کرنا', 'UrduConjugation("\\"\\\\ کرنا")'),
    ("a\tکرنا", 'UrduConjugation("a\\tکرنا")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def test_results_are_independent():
    a = conj("لینا")
    a.imperative.append("x")
    assert conj("لینا").imperative == ["لے", "لو", "لیجیے"]


# --- normalisation, analysis and lexicon parse, on a test lexicon -------------

@pytest.fixture(scope="module")
def tool(tmp_path_factory):
    """The C++ check program, built on a test lexicon: CRLF endings, missing
    columns, groups of the wrong size, a key and forms written with Arabic
    letters and harakat, a duplicate lemma (after folding) and a
    commented-out row."""
    d = tmp_path_factory.mktemp("urd_data")
    (d / "urd.tsv").write_bytes(
        "# head\r\n\r\nکہنا\tک1,ک2,ک3\r\n"
        "رکھنا\t-\ta,b,c,d,e,f\tx,y\n"
        "بھرنا\ta,b\ta,b,c,d,e,f,g\t,,\n"
        "\u0643َسنا\t\u0643ا,\u064aے,ة\n"
        "سہنا\tfirst,x,y\nس\u0651ہنا\t-\t-\tسہ,سہو,سہیے\n"
        "#پڑھنا\tx,y,z\n".encode())
    exe = build_cpp_tool(d, "urd_check.cpp",
                         ["urd.cpp", "perso_arabic.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp",
                          "lexicon_text.cpp"],
                         [str(d / "urd.tsv")])

    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


def test_verb_fields(tool):
    assert tool("verb:  کرنا ", "verb:کام کہنا", "verb:کھانا", "verb:پینا", "verb:a  b سہنا") == [
        ["[]", "کرنا", "کر", "0", "NOROW"],
        ["[کام ]", "کہنا", "کہ", "0", "ک1,ک2,ک3", "~", "~"],
        ["[]", "کھانا", "کھا", "1", "NOROW"],
        ["[]", "پینا", "پی", "0", "NOROW"],
        ["[a  b ]", "سہنا", "سہ", "0", "~", "~", "سہ,سہو,سہیے"],
    ]


def test_lexicon_parse(tool):
    assert tool("verb:رکھنا", "verb:بھرنا", "verb:کسنا", "verb:پڑھنا", "verb:نا", "verb:") == [
        ["[]", "رکھنا", "رکھ", "0", "~", "a,b,c,d,e,f", "~"],
        ["[]", "بھرنا", "بھر", "0", "~", "~", ",,"],
        ["[]", "کسنا", "کس", "0", "کا,یے,ه", "~", "~"],
        ["[]", "پڑھنا", "پڑھ", "0", "NOROW"],
        ["FAIL"], ["FAIL"],
    ]


@pytest.mark.parametrize("switches, text, want", [
    ("1111", "", ""),
    ("1111", "\u200e\u200c\u064b\u0640\u0658\u0670", ""),
    # كتاب with a kasra after its first letter: Persian kaf, no kasra.
    ("1111", "\u0643\u0650\u062a\u0627\u0628", "6A9 62A 627 628"),
    ("1111", "\u0622\u0623\u0625\u0671\u0629\u0649\u064a", "622 627 627 627 647 6CC 6CC"),
    ("1111", "\u0624\u0626\u06c1\u06d2\u06ba\u0647\u06cc", "624 626 6C1 6D2 6BA 647 6CC"),
    ("1111", "a\u200cb \u200dc", "61 62 20 63"),
    ("0111", "\u061c\u200e\u200f\u200c", "61C 200E 200F"),
    ("1011", "\u061c\u200c\u200d\u064e", "200C 200D"),
    ("1101", "\u064b\u0652\u0640\u0658\u0670\u0643", "64B 652 640 658 670 6A9"),
    ("1110", "\u0643\u064a\u0629\u0623\u064e", "643 64A 629 623"),
    ("0000", "\u200e\u064e\u0643", "200E 64E 643"),
    ("1111", "\u0651\u0653\u0654\u0655", "653 654 655"),
])
def test_normalize_with(tool, switches, text, want):
    assert tool(f"norm{switches}:{text}") == [[want]]
