"""Gujarati: cell parsing, the lexicon parse and the analysis, on a lexicon of our own (C++)."""

import pytest

from conftest import cpp_tool, needs

pytestmark = needs("guj")

# CRLF endings, missing cells, groups of the wrong size, a duplicate lemma, extra cells and a commented-out row.
TOOL = cpp_tool("guj_check.cpp", ["guj.cpp", "brahmic.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"guj.tsv": "# head\r\n\r\nકરવું\t-\t-\tA,B,C,D,E\r\n"
                                  "ગાવું\ta,b,c,d\t1,2,3,4,5\t-\tw,x,y,z\tQ\textra\n"
                                  "લખવું\tp,q,r,s,t\n"
                                  "લખવું\t-\t-\t-\t-\tZ\n"
                                  "#પડવું\tx\n"})


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
    ("ક", "C"), ("કા", "V"), ("કૃ", "V"), ("કૌ", "V"), ("અ", "V"), ("ઔ", "V"),
    # no ending can follow a virama, an anusvara or a letter of no vowel class: refused
    ("ક્", None), ("કં", None), ("x", None), ("ઋ", None), ("ઑ", None),
])
def test_vowel_final_flag(tool, stem, flag):
    got = tool(f"verb:{stem}વું")[0]
    assert (got[3] if flag else got) == (flag or ["FAIL"])
