"""Hindi: the analysis, the lexicon parse and the table, on a lexicon of our own (C++)."""

from conftest import cpp_tool, needs

pytestmark = needs("hin")

# CRLF endings, missing columns, groups of the wrong size, empty forms, untrimmed forms, a duplicate lemma and a
# commented-out row.
TOOL = cpp_tool("hin_check.cpp", ["hin.cpp", "brahmic.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"hin.tsv": "# head\r\n\r\nकहना\tक1,क2,क3\r\n"
                                  "रखना\t-\ta,b,c,d,e,f\tx,y\n"
                                  "भरना\ta,b\ta,b,c,d,e,f,g\t,,\n"
                                  "सहना\tfirst,x,y\nसहना\t-\t-\tसह,सहो,सहिए\n"
                                  "#पढ़ना\tx,y,z\n"
                                  "मरना\t a,b,c \t-\n"})


def test_verb_fields(tool):
    assert tool("verb:  करना ", "verb:काम कहना", "verb:खाना", "verb:पढ़ना", "verb:क्ना", "verb:बोआना",
                "verb:घर  का सहना", "verb:a सहना") == [
        ["[]", "करना", "कर", "0", "NOROW"],
        ["[काम ]", "कहना", "कह", "0", "क1,क2,क3", "~", "~"],
        ["[]", "खाना", "खा", "1", "NOROW"],
        ["[]", "पढ़ना", "पढ़", "0", "NOROW"],
        ["FAIL"],
        ["[]", "बोआना", "बोआ", "1", "NOROW"],
        ["[घर  का ]", "सहना", "सह", "0", "~", "~", "सह,सहो,सहिए"],
        ["FAIL"],
    ]


def test_lexicon_parse(tool):
    assert tool("verb:रखना", "verb:भरना", "verb:मरना", "verb:पढ़ना", "verb:ना", "verb:काम ना", "verb:") == [
        ["[]", "रखना", "रख", "0", "~", "a,b,c,d,e,f", "~"],
        ["[]", "भरना", "भर", "0", "~", "~", ",,"],
        ["[]", "मरना", "मर", "0", " a,b,c ", "~", "~"],
        ["[]", "पढ़ना", "पढ़", "0", "NOROW"],
        ["FAIL"], ["FAIL"], ["FAIL"],
    ]


def test_table_takes_each_group_whole_or_not_at_all(tool):
    # रखना: subjunctive from the row (and so the future), the rest by rule.
    [row] = tool("table:रखना")
    assert row[:11] == ["रखना", "रखने", "रख", "रखो", "रखिए", "रखता", "रखते", "रखती", "रखा", "रखे", "रखी"]
    assert row[11:17] == list("abcdef")
    assert row[17:23] == ["aगा", "bगा", "cगा", "dगे", "eगे", "fगे"]
    assert row[23:] == [c + "गी" for c in "abcdef"]
    [row] = tool("table:काम कहना")
    assert row[:11] == ["काम कहना", "काम कहने", "काम कह", "काम कहो", "काम कहिए", "काम कहता", "काम कहते",
                        "काम कहती", "काम क1", "काम क2", "काम क3"]
