"""Marathi: joining, cell parsing, the lexicon parse and the table, on a lexicon of our own (C++)."""

import pytest

from conftest import cpp_tool, needs

pytestmark = needs("mar")

# CRLF endings, missing cells, groups of the wrong size, empty cells, a duplicate lemma, extra cells and a
# commented-out row.
TOOL = cpp_tool("mar_check.cpp", ["mar.cpp", "brahmic.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"mar.tsv": "# head\r\n\r\nकरणे\t-\tकेल\r\n"
                                  "बसणे\tX\t-\t-\ta,b,c,d,e,f\ta,b,c,d\t\tP\tQ\textra\n"
                                  "उठणे\t-\t-\tY\ta,b,c,d,e\tv,w,x,y,z\n"
                                  "उठणे\t-\tZ\n"
                                  "#पडणे\tx\n",
                       "mar_transitive.tsv": "# lemma\nकरणे\n"})


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
