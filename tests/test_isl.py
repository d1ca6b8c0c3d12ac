"""Icelandic: how the lexicon rows are read, on a lexicon of our own (C++)."""
import subprocess

import pytest

from conftest import cpp_tool, needs

pytestmark = needs("isl")

TEST_LEXICON = (
    "# test rows\n"
    "\n"
    "gefa\tgef,gefur,gefur,gefum,gefið,gefa\tgaf,gafst,gaf\t-\t-\t\t-\t-\t-\t-\n"   # past with 3 forms
    "hefa\t\t-\t-\t-\tX\t-\t-\t-\t-\r\n"                                         # empty tense cell, CRLF
    "stutta\tx,x,x,x,x,x\n"                                                     # short row
    "dúa\tA,A,A,A,A,A\t-\t-\t-\tA\t-\t-\t-\t1\n"                               # exact-only
    "dúa\tB,B,B,B,B,B\t-\t-\t-\tB\t-\t-\t-\t-\n"                               # same lemma, also a suffix
    "dúa\tC,C,C,C,C,C\t-\t-\t-\tC\t-\t-\t-\t-\n"                               # a later tie loses
    "rúa\tR,R,R,R,R,R\t-\t-\t-\tR\t-\t-\t-\t-\n"                               # met by upper-case input
    "sía\tS,S,S,S,S,S\t-\t-\t-\tS\t-\t-\t-\t1\r"                               # CR without LF stays in the cell
)
TOOL = cpp_tool("isl_check.cpp", ["isl.cpp", "lexicon_text.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp"],
                texts={"isl.tsv": TEST_LEXICON})


@pytest.fixture(scope="module")
def isl_tool():
    exe = TOOL.result()

    def run(*words):
        p = subprocess.run([exe], input="\n".join(words) + "\n", capture_output=True, text=True,
                           encoding="utf-8", check=True)
        return [line.split("\t") for line in p.stdout.splitlines()]

    return run


def test_row_reading(isl_tool):
    gefa, hefa, stutta, xdua, dua, rua, xrua, sia, xsia, cdua = isl_tool(
        "gefa", "hefa", "stutta", "afdúa", "dúa", "RÚA", "ÚTrúa", "sía", "afsía", "xdúa")
    # a past of three forms is no past: the rules take it; an empty supine cell is an empty supine
    assert gefa[3] == "gef,gefur,gefur,gefum,gefið,gefa"
    assert gefa[4] == "gefaði,gefaðir,gefaði,gefuðum,gefuðuð,gefuðu"
    assert gefa[5] == ""
    # an empty present cell gives no present; the CR before LF is dropped
    assert hefa[2:4] == ["entry", "hefa,hefar,hefar,hefum,hefið,hefa"] and hefa[7] == "hefið"
    assert hefa[5] == "X"
    # a short row: missing cells are "-"
    assert stutta[3] == "x,x,x,x,x,x" and stutta[5] == "stuttað"
    # the exact-only row wins on the whole word; a longer word takes the first row that may end it
    assert dua[3] == "A,A,A,A,A,A"
    assert xdua[0] == "[af]" and xdua[3] == "afB,afB,afB,afB,afB,afB"
    # what stands in front of a lemma must be a prefix with a vowel: xdúa takes no row
    assert cdua[0] == "[]" and cdua[2] == "rules"
    # the input is compared lower-cased, the prefix keeps the input
    assert rua[3] == "R,R,R,R,R,R" and xrua[0] == "[ÚT]" and xrua[5] == "ÚTR"
    # "1\r" at the end of the text is not "1": the row also matches longer words
    assert sia[5] == "S" and xsia[5] == "afS"


# Common verbs that the -aði rules get wrong, or that end in another lemma of a different class.
