"""Urdu: normalisation, the analysis and the lexicon parse, on a lexicon of our own (C++)."""

import pytest

from conftest import cpp_tool, needs

pytestmark = needs("urd")

# CRLF endings, missing columns, groups of the wrong size, a duplicate lemma and a commented-out row. Rows are
# written in the normalised spelling (tools/check_data.py refuses any other); the input is normalised before the
# lookup, so a verb typed with Arabic letters and harakat finds its row.
TOOL = cpp_tool("urd_check.cpp", ["urd.cpp", "perso_arabic.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp",
                                  "lexicon_text.cpp"],
                texts={"urd.tsv": "# head\r\n\r\nکہنا\tک1,ک2,ک3\r\n"
                                  "رکھنا\t-\ta,b,c,d,e,f\tx,y\n"
                                  "بھرنا\ta,b\ta,b,c,d,e,f,g\t,,\n"
                                  "کسنا\tکا,یے,ه\n"
                                  "سہنا\tfirst,x,y\nسہنا\t-\t-\tسہ,سہو,سہیے\n"
                                  "#پڑھنا\tx,y,z\n"})


def test_verb_fields(tool):
    assert tool("verb:  کرنا ", "verb:کام کہنا", "verb:کھانا", "verb:پینا", "verb:گھر  کا سہنا",
                "verb:a سہنا") == [
        ["[]", "کرنا", "کر", "0", "NOROW"],
        ["[کام ]", "کہنا", "کہ", "0", "ک1,ک2,ک3", "~", "~"],
        ["[]", "کھانا", "کھا", "1", "NOROW"],
        ["[]", "پینا", "پی", "0", "NOROW"],
        ["[گھر  کا ]", "سہنا", "سہ", "0", "~", "~", "سہ,سہو,سہیے"],
        ["FAIL"],
    ]


def test_lexicon_parse(tool):
    assert tool("verb:رکھنا", "verb:بھرنا", "verb:\u0643\u064eسنا", "verb:پڑھنا", "verb:نا", "verb:") == [
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
