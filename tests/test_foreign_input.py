"""Input that is no verb of the language is refused: letters and marks of another script anywhere in a real verb,
joiners at its edges, and endings or signs with no stem (the table tests/data/foreign_input.tsv, one row per
language)."""
import pathlib
import re

import pytest

import velnor
from conftest import LANGUAGES, needs

TABLE = pathlib.Path(__file__).parent / "data" / "foreign_input.tsv"
ROWS = [re.sub(r"\\u([0-9a-f]{4})", lambda m: chr(int(m[1], 16)), line).split("\t")
        for line in TABLE.read_text(encoding="utf-8").splitlines() if not line.startswith("#")]


def test_every_language_has_a_row():
    assert sorted(row[0] for row in ROWS) == sorted(LANGUAGES)


@pytest.mark.parametrize("code, verb, foreign, bare, marks, joiners",
                         [pytest.param(*row, marks=needs(row[0])) for row in ROWS], ids=[row[0] for row in ROWS])
def test_foreign_input(code, verb, foreign, bare, marks, joiners):
    refusal = LANGUAGES[code][2][0]
    velnor.conjugate(verb, lang=code)
    half = len(verb) // 2
    inputs = [w for f in foreign + marks for w in (f + verb, verb[:half] + f + verb[half:], verb + f)] + bare.split()
    inputs += [w for j in joiners for w in (j + verb, verb + j)]
    wrong = {}
    for word in inputs:
        try:
            velnor.conjugate(word, lang=code)
            wrong[word] = "accepted"
        except ValueError as err:
            # The German message names the word.
            if str(err) != (refusal + word.lower() if refusal.endswith(": ") else refusal):
                wrong[word] = str(err)
    assert not wrong
