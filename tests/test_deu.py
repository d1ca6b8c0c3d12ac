"""German: long prefix chains, and the exception-lexicon parser (C++)."""
import os
import subprocess

import pytest

import velnor
from conftest import cpp_tool

LEXICON = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "deu.tsv")

# Long separable-prefix chains (which once took quadratic time, see bench/long_input.py) are refused, named as
# passed and cut to their first 50 characters.
LONG_CHAINS = [("ab", 500_000, "machen"), ("Ab", 500_000, "machen"), ("abver", 200_000, "machen"),
               ("verab", 200_000, "machen"), ("anzu", 250_000, "fangen"), ("hinterunter", 90_000, "gehen")]


@pytest.mark.parametrize("chunk, times, verb", LONG_CHAINS, ids=[f"{p}*{n}+{v}" for p, n, v in LONG_CHAINS])
def test_long_prefix_chains_are_refused(chunk, times, verb):
    word = chunk * times + verb
    with pytest.raises(ValueError) as e:
        velnor.conjugate(word)
    assert str(e.value) == "not a German infinitive: " + word[:50] + "\u2026"  # over-long: named as passed, shortened


TOOL = cpp_tool("deu_lexicon_check.cpp", [os.path.join("deu", "lexicon.cpp"), "lexicon_text.cpp"], [LEXICON])


@pytest.fixture(scope="module")
def checker():
    exe = TOOL.result()

    def run(*args, text=None):
        p = subprocess.run([str(exe), *args], input=text, capture_output=True, text=True, encoding="utf-8")
        lines = [ln.split("\t") for ln in p.stdout.splitlines()]
        return p.returncode, lines

    return run


def test_builtin_lookups(checker):
    words = ["geben", "Geben", " geben", "haben", "wissen", "managen", "antworten", "veranlassen", "einweichen",
             "obsiegen", "erleschen", "untergehen"]
    code, out = checker("builtin", *words)
    assert code == 0
    answers = {}
    current = None
    for r in out:
        if r[0] == "Q":
            current = r[1]
            answers[current] = set()
        else:
            answers[current].add(tuple(r))
    assert answers["geben"] == {("E", "geben", "s", "=gib", "gab", "gäb", "gegeben", "=gib", "h")}
    assert answers["Geben"] == set() and answers[" geben"] == set()
    assert any(r[:4] == ("E", "haben", "m", "=ha") for r in answers["haben"])
    assert any(r[:3] == ("E", "wissen", "p") and r[7] == "=wisse" for r in answers["wissen"])
    assert answers["managen"] == {("W", "managen"), ("I", "managen", "manage")}
    assert ("W", "antworten") in answers["antworten"] and not any(r[0] == "I" for r in answers["antworten"])
    assert ("D", "veranlassen", "", "Inseparable", "1", "-") in answers["veranlassen"]
    assert ("D", "einweichen", "ein", "Separable", "1", "-") in answers["einweichen"]
    assert ("D", "obsiegen", "ob", "Fused", "0", "=obsiegt") in answers["obsiegen"]
    assert ("A", "erleschen", "s") in answers["erleschen"]
    assert any(r[0] == "E" and r[-1] == "h" for r in answers["erleschen"])
    assert ("D", "untergehen", "unter", "Separable", "0", "-") in answers["untergehen"]
    assert not any(r[0] == "A" for r in answers["untergehen"])
