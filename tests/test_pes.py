"""Persian: the analysis, the negative forms and the lexicon parse, on a lexicon of our own (C++)."""

from conftest import cpp_tool, needs

pytestmark = needs("pes")

# CRLF endings, padded cells, a blank line of spaces, a row without a present stem, "-" and empty override cells
# and a duplicate key (the later row wins).
TOOL = cpp_tool("pes_check.cpp", ["pes.cpp", "perso_arabic.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp",
                                  "lexicon_text.cpp"],
                texts={"pes.tsv": "# Persian present-stem list\r\n# infinitive\tpresent_stem\timperative_override\r\n"
                                  "آمدن\tآی\tبیا\r\n"
                                  "   \r\n"
                                  "گفتن\t گوی \t - \n"
                                  "رفتن\tرو\t\n"
                                  "بستن\n"
                                  "دیدن\tبین\tx\n"
                                  "دیدن\tبینو\n"
                                  "#کردن\tکن\t-\n"})


def test_lexicon_parse(tool):
    assert tool("verb:آمدن", "verb:گفتن", "verb:رفتن", "verb:بستن", "verb:دیدن", "verb:کردن") == [
        ["[]", "آمد", "آی", "بیا", "0"],
        ["[]", "گفت", "گوی", "~", "0"],
        ["[]", "رفت", "رو", "~", "0"],
        ["[]", "بست", "بست", "~", "0"],     # no present stem: not listed
        ["[]", "دید", "بینو", "~", "0"],    # the later row replaces the earlier
        ["[]", "کرد", "کرد", "~", "0"],     # commented out
    ]


def test_verb_fields(tool):
    assert tool("verb: کار  کردن ", "verb:خانه  دار شدن", "verb:فرو رفتن", "verb:ن", "verb:",
                "verb:a شدن") == [
        ["[کار  ]", "کرد", "کرد", "~", "1"],
        ["[خانه  دار ]", "شد", "شد", "~", "1"],
        ["[فرو ]", "رفت", "رو", "~", "0"],
        ["bad"],
        ["bad"],
        ["bad"],
    ]


def test_negative_forms(tool):
    # aorist, present, subjunctive, past, imperfect, perfect, pluperfect,
    # future, perfect subjunctive; the progressives have no negative.
    assert tool("neg:رفتن") == [[
        "نروم", "نرود", "نمیروم", "نمیرود", "نروم", "نرود", "نرفتم", "نرفت", "نمیرفتم", "نمیرفت",
        "نرفتهام", "نرفته است", "رفته نبودم", "رفته نبود", "نخواهم رفت", "نخواهد رفت",
        "رفته نباشم", "رفته نباشد", "دارم میروم", "دارد میرود", "داشتم میرفتم", "داشت میرفت",
    ]]
    # کردن is commented out of the test lexicon, so its present stem is کرد.
    neg = tool("neg:کار کردن")[0]
    assert neg[4] == "کار نکردم" and neg[6] == "کار نکردم" and neg[14] == "کار نخواهم کرد"
    # A joined preverb stands before the negation; بودن has نیستم.
    neg = tool("neg:وارفتن")[0]
    assert neg[:10:2] == ["وانروم", "وانمیروم", "وانروم", "وانرفتم", "وانمیرفتم"]
    assert neg[14] == "وانخواهم رفت"
    assert tool("neg:بودن")[0][2:4] == ["نیستم", "نیست"]
