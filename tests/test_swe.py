"""Swedish: the list scan and the analysis, on a lexicon of our own (C++)."""

from conftest import cpp_tool, needs

pytestmark = needs("swe")

# Duplicates, CR LF, short rows.
TOOL = cpp_tool("swe_check.cpp", ["swe.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"swe.tsv": "# Swedish principal parts\n"
                                  '# lemma\tpresent\tpast\tsupine\timperative\tsubj-pres\tsubj-past ("-" = default)\n'
                                  "köpa\tköper\tköpte\tköpt\tköp\t-\t-\n"
                                  "köpa\tXköper\tXköpte\tXköpt\tXköp\t-\t-\n"  # a later duplicate: the first row wins
                                  "crlf\tcrlfer\t-\t-\t-\t-\t-\r\n"
                                  "\n"
                                  "#kort\tx\n"
                                  "kort\tkorter\n"                             # missing cells derive
                                  "tom\t\t\t\t\t\t\n"                          # empty cells derive
                                  "Stor\tStorer\tStorte\tStort\tStor\t-\t-\n"
                                  "mötas\tmöts\tmöttes\tmötts\t-\t-\t-\n"
                                  "sista\t-\t-\t-\t-\tsiste\tsistade"})        # no final line feed


def test_list_scan(tool):
    assert tool("parts:köpa", "parts:crlf", "parts:kort", "parts:tom", "parts:sista", "parts:#kort",
                "parts:stor", "parts:") == [
        ["köper", "köpte", "köpt", "köp", "~", "~"],
        ["crlfer", "~", "~", "~", "~", "~"],
        ["korter", "~", "~", "~", "~", "~"],
        ["~", "~", "~", "~", "~", "~"],
        ["~", "~", "~", "~", "siste", "sistade"],
        ["NOROW"], ["NOROW"], ["NOROW"],
    ]


def test_analysis_on_own_list(tool):
    assert tool("conj:STOR", "conj:Stor", "conj:tom", "conj:kort", "conj:mötas", "conj:sista", "conj: ") == [
        ["STOR", "STORr", "STORde", "STORt", "STOR", "STORdes", "~"],  # no row for STOR nor stor
        ["Stor", "Storer", "Storte", "Stort", "Stor", "Stortes", "~"],
        ["tom", "tomr", "tomde", "tomt", "tom", "tomdes", "~"],
        ["kort", "korter", "kortde", "kortt", "kort", "kortdes", "~"],
        ["mötas", "möts", "möttes", "mötts", "~", "möttes", "~"],
        ["sista", "sistar", "sistade", "sistat", "sista", "sistades", "sistade"],
        ["FAIL"],
    ]
