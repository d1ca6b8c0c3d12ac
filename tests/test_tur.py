"""Turkish: harmony helpers, the two lexicon parsers and the single-form interface, on lexicons of our own (C++)."""

from conftest import cpp_tool, needs

pytestmark = needs("tur")

# CRLF endings, a missing cell, a duplicate lemma, and a compound lemma that the main lexicon overrides.
TOOL = cpp_tool("tur_check.cpp", ["tur.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"tur.tsv": "# head\r\n\r\nxmak\tA\t-\t\tD\tE\tF\tG\tH\r\nkısa\tk1\n"
                                  "ikiz\tfirst\t-\t-\t-\t-\t-\t-\t-\nikiz\tsecond\nortamak\tmain\n",
                       "tur_compounds.tsv": "ortamak\tcompound\tP\n#x\tno\n"})


def test_harmony_helpers(tool):
    assert tool("two:", "two:xyz", "two:kitap", "two:göz", "two:ev", "two:kalâ") == [
        ["e"], ["e"], ["a"], ["e"], ["e"], ["a"]]
    assert tool("four:", "four:kır", "four:ev", "four:okul", "four:göz", "four:ü") == [
        ["i"], ["ı"], ["i"], ["u"], ["ü"], ["ü"]]
    # Only a final k softens, and only in add_vowel; a vowel takes the buffer y.
    assert tool("join:", "join:gelecek", "join:dağ", "join:gelmeli", "join:kitap") == [
        ["ım", "ım"], ["geleceğım", "gelecekım"], ["dağım", "dağım"], ["gelmeliyım", "gelmeliyım"],
        ["kitapım", "kitapım"]]


def test_lexicon_parse(tool):
    assert tool("row:xmak", "row:kısa", "row:ikiz", "row:ortamak", "row:#x", "row:head") == [
        ["A", "~", "~", "D", "E", "F", "G", "H"], ["k1"] + ["~"] * 7, ["second"] + ["~"] * 7,
        ["main"] + ["~"] * 7, ["NOROW"], ["NOROW"]]


def test_form_matches_table(tool):
    words = ["gelmek", "yapmak", "okumak", "xmak", "kalâmak", "ortamak", "beklemek", "çekmek"]
    assert tool(*("form:" + w for w in words)) == [["OK"]] * len(words)
    assert tool("form:mak", "form:a b mek") == [["FAIL"], ["FAIL"]]
