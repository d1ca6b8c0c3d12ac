"""Russian: a long prefix before a lemma, and the matching rules on a lexicon of our own (C++)."""

import velnor
from conftest import cpp_tool, needs

pytestmark = needs("rus")


def conj(word):
    return velnor.conjugate(word, lang="ru")


def test_long_input_finds_its_lemma():
    # A long prefix in front of a lexicon lemma, up to the input bound.
    assert conj("пере" * 62 + "делать").non_past[0] == "пере" * 62 + "делаю"
    assert conj("вы" * 123 + "нести").non_past[0] == "вы" * 123 + "несю"  # нести is exact-only
    assert conj("по" * 122 + "беречь").non_past[1] == "по" * 122 + "бережёшь"


# A lexicon of made-up rows for the matching rules: a lemma listed twice (first
# exact-only, then open), groups with the wrong number of forms, a missing
# exact cell, CRLF line ends, comments and blank lines.
TOY = (
    "# header\n"
    "# lemma\tnonpast\tpast\timp\texact\n"
    "\n"
    "кать\tа1,а2,а3,а4,а5,а6\t-\t-\t1\n"
    "кать\tб1,б2,б3,б4,б5,б6\t-\t-\t-\n"
    "мать\tв1,в2,в3,в4,в5\tм,ж,с,мн\tё,ёте\t-\r\n"
    "# comment\n"
    "умать\tг1,г2,г3,г4,г5,г6\n"
    "ёть\t-\tё,ё,ё,ё,ё\tёшь,ёшьте,x\t1\n"
)
TOOL = cpp_tool("rus_check.cpp", ["rus.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"rus.tsv": TOY})


def test_matching_rules_on_a_toy_lexicon(tool):
    kat, vykat, mat, umat, naumat, yot, vyyot = tool("кать", "выкать", "мать", "умать", "наумать", "ёть", "выёть")
    # The whole base takes the first row of its lemma, exact-only or not.
    assert kat[:5] == ["", "3", "а1,а2,а3,а4,а5,а6", "~", "~"] and kat[5] == "а1"
    # A longer base may only take the open row of that lemma.
    assert vykat[:3] == ["вы", "3", "б1,б2,б3,б4,б5,б6"] and vykat[5] == "выб1"
    # Five non-past forms are no group; the rules fill it in. A CR is dropped.
    assert mat[:5] == ["", "3", "~", "м,ж,с,мн", "ё,ёте"]
    assert mat[5:] == ["маю", "маешь", "мает", "маем", "маете", "мают", "м", "ж", "с", "мн", "ё", "ёте"]
    # The longer lemma wins; a row without an exact cell is open.
    assert umat[:3] == ["", "3", "г1,г2,г3,г4,г5,г6"]
    assert naumat[:3] == ["на", "3", "г1,г2,г3,г4,г5,г6"]
    # Wrong counts leave every group absent; an exact-only lemma is no match
    # for a longer base, which falls back to the rules.
    assert yot[:5] == ["", "3", "~", "~", "~"]
    assert vyyot[:5] == ["", "3", "-", "-", "-"] and vyyot[5] == "выёю"
