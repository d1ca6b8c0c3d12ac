"""Slovenian: the class and row lexicon parsers, on lexicons of our own (C++)."""

from conftest import cpp_tool, needs

pytestmark = needs("slv")

ROWS_HEADER = ('# lemma\tp-sg1\tp-sg2\tp-sg3\tp-du1\tp-du2\tp-du3\tp-pl1\tp-pl2\tp-pl3\t'
               'imp2sg\tlptcp\tsupine ("-" = derive)')
CLASSES_HEADER = "# lemma\tclass (a i uje ne)"
CLASSES = (CLASSES_HEADER + "\n"
           "kupati\tuje\n"             # the class row beats the ending
           "slabiti\tbad\n"            # unknown class word: skipped
           "prazeniti\t\n"             # empty class cell: skipped
           "breziti\n"                 # no tab: skipped
           "veciti\tne\textra\n"       # later cells ignored
           "dvakratiti\ta\n"
           "dvakratiti\tne\n"          # a later row replaces an earlier one
           "crlfiti\tne\r\n"
           "#komentariti\tne\n"
           "\n"
           "zadnjiti\ta")
ROWS = (ROWS_HEADER + "\n"
        "notabiti\n"                                  # no tab: an all-absent row
        "kratiti\tkratem\n"                           # short row: the rest derives
        "prazniti\t\t\t\t\t\t\t\t\t\t\t\t\t\n"        # empty cells derive
        "dvojiti\ta\tb\tc\td\te\tf\tg\th\ti\tj\tk\tl\tm\tX\n"
        "dvojiti\tdvojim\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\tY\tZ\n"  # replaces; cells 15+ ignored
        "golati\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\tgol\n"  # feminine without a final a
        "hoditi\thodem\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-")
TOOL = cpp_tool("slv_check.cpp", ["slv.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"slv.tsv": ROWS, "slv_classes.tsv": CLASSES})


def test_class_text_parsing(tool):
    rows = tool("kupati", "slabiti", "prazeniti", "breziti", "veciti", "dvakratiti", "crlfiti", "komentariti", "zadnjiti")
    assert [r[1] for r in rows] == ["2", "1", "1", "1", "3", "3", "3", "1", "0"]


def test_row_text_parsing(tool):
    notab, short, empty, dup, fem, hod = tool("notabiti", "kratiti", "prazniti", "dvojiti", "golati", "hoditi")
    assert notab[2] == "notabim" and notab[11] == "notabi"
    assert short[2:11] == ["kratem", "krateš", "krate", "krateva", "krateta", "krateta", "kratemo", "kratete",
                           "kratejo"]
    assert empty[2:11] == ["praznim", "prazniš", "prazni", "prazniva", "praznita", "praznita", "praznimo",
                           "praznite", "praznijo"]
    assert dup[2] == "dvojim" and dup[16:25] == ["dvojil", "dvojila", "dvojili", "dvojila", "dvojili", "dvojile",
                                                   "dvojilo", "dvojili", "dvojila"]
    # cell 14 without a final "a" is the base as it stands
    assert fem[16:25] == ["golal", "gola", "goli", "gola", "goli", "gole", "golo", "goli", "gola"]
    assert hod[2:5] == ["hodem", "hodeš", "hode"] and hod[11] == "hodi"
    assert tool("de lati", "") == [["FAIL"], ["FAIL"]]
