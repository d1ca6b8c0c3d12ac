"""Armenian: the two lexicon parsers, on lexicons of our own (C++)."""

from conftest import cpp_tool, needs

pytestmark = needs("hye")

# CRLF endings, a missing cell, odd aorist cells, a duplicate lemma, and an added lemma that the main lexicon
# overrides.
TOOL = cpp_tool("hye_check.cpp", ["hye.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"hye.tsv": "# head\r\n\r\nաել\tA\tB\tC\t3\tD\tE\tF\tG\tH\r\nկարճել\tk1\n"
                                  "կրկնել\tfirst\t-\t-\t1\t-\t-\t-\t-\t-\nկրկնել\tsecond\t-\t-\t2\n"
                                  "ոչել\t-\t-\t-\t4\nերկուել\t-\t-\t-\t11\nզրոել\t-\t-\t-\t0\nմիասինել\tmain\n",
                       "hye_extra.tsv": "միասինել\textra\t-\t-\t1\nավելել\tadded\n#x\tno\n"})


def test_lexicon_parse(tool):
    assert tool("row:աել", "row:կարճել", "row:կրկնել", "row:ոչել", "row:երկուել", "row:զրոել", "row:# head",
                "row:head", "row:միասինել", "row:ավելել", "row:#x") == [
        ["A", "B", "C", "D", "E", "F", "G", "H", "2"], ["k1"] + ["~"] * 7 + ["255"],
        ["second"] + ["~"] * 7 + ["1"], ["~"] * 8 + ["255"], ["~"] * 8 + ["255"], ["~"] * 8 + ["255"],
        ["NOROW"], ["NOROW"], ["main"] + ["~"] * 7 + ["255"], ["added"] + ["~"] * 7 + ["255"], ["NOROW"]]
