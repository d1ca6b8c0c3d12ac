"""Tagalog: the engine's own lists (variants and "ni" forms) and the lexicon parse, on a lexicon of our own
(C++)."""
import subprocess

import pytest

from conftest import cpp_tool, needs

pytestmark = needs("tgl")

TOOL = cpp_tool("tgl_check.cpp", ["tgl.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"tgl.tsv": "# test lexicon\r\n"
                                  "\n"
                                  "dating\tum\tin\t1\r\n"
                                  "dala\tmag\tin\t1\n"
                                  "tulog\tma\tx\t1\n"
                                  "short\tmag\tan\n"
                                  "dup\tmag\tan\t1\n"
                                  "dup\tma\ti\t0\t-\t\tna-dup\t-\t-\t-\textra\n"
                                  "kita\tzzz\ti\t1\tnagpakita\n"
                                  "sulat\tum\tan\t1\n"
                                  "bili\tmang\tin\t1\n"
                                  "dasal\tmang\tin\t1\n"
                                  "aral\tmang\tan\t1\n"})


@pytest.fixture(scope="module")
def checker():
    exe = TOOL.result()

    def run(*roots):
        p = subprocess.run([exe, *roots], capture_output=True, text=True, encoding="utf-8", check=True)
        return {line.split("\t")[0]: line.split("\t")[1:] for line in p.stdout.splitlines()}

    return run


def test_lexicon_parse(checker):
    out = checker("dating", "tulog", "short", "dup", "kita", "unknown", "dating rating", " ")
    assert out["dating"][:3] == ["0", "0", "1"]
    assert out["tulog"][:3] == ["3", "255", "1"]         # unknown patient cell: no patient voice
    assert out["tulog"][6:] == ["", "", ""]
    assert out["short"][:3] == ["1", "0", "1"]           # fewer than four cells: skipped (a borrowing: mag, in)
    assert out["dup"][:3] == ["3", "2", "0"]             # the later row wins
    assert out["dup"][3:6] == ["nadup|narup", "nadudup|narudup", "na-dup"]  # "" and "-" leave the rule
    assert out["kita"][:4] == ["0", "2", "1", "nagpakita"]     # unknown actor cell: um
    assert out["dating rating"] == ["NONE"] and out[" "] == ["NONE"]


def test_variants_and_ni_forms(checker):
    out = checker("dating", "dala", "kain", "sulat", "inom")
    assert out["dating"][3:] == ["dumating", "dumadating|dumarating", "dadating|darating",
                                 "dinating|nidating", "dinadating|dinarating|nidadating", "dadatingin|daratingin"]
    assert out["dala"][4] == "nagdadala|nagdarala"
    assert out["kain"][6:] == ["kinain|nikain", "kinakain|nikakain", "kakainin"]
    assert out["sulat"][6:] == ["sinulatan|nisulatan", "sinusulatan|nisusulatan", "susulatan"]
    assert out["inom"][6:] == ["ininom", "iniinom", "iinumin"]   # vowel-initial: no "ni" form


def test_mang_other_onsets(checker):
    out = checker("bili", "dasal", "aral")
    assert out["bili"][3:6] == ["nambili", "nambibili", "mambibili"]   # b keeps its consonant
    assert out["dasal"][3:6] == ["nandasal", "nandadasal|nandarasal", "mandadasal|mandarasal"]
    assert out["aral"][3:6] == ["nang-aral", "nang-aaral", "mang-aaral"]
