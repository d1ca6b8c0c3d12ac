#!/usr/bin/env python3
"""The Turkish words a before/after comparison conjugates, one "tur<TAB>word" line each (for
scripts/lexicon_snapshot.py): the verbs of zemberek's dictionary, the -mak/-mek words of wordfreq's Turkish list
that hunspell's tr_TR accepts, the lexicons' lemmas and the test inputs, and each of them capitalised.

  python3 scripts/tur/words.py > /tmp/tur_words.tsv
"""
import pathlib
import logging
import sys

import wordfreq
from zemberek import TurkishMorphology

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]


def main():
    logging.disable(logging.INFO)  # zemberek reports its start on standard output
    morph = TurkishMorphology.create_with_defaults()
    words = {i.lemma for i in morph.lexicon.item_set
             if str(i.primary_pos).endswith("Verb") and i.lemma.endswith(("mak", "mek"))}
    freq = [w for w in wordfreq.top_n_list("tr", 300000) if w.endswith(("mak", "mek")) and w.isalpha()]
    words |= speller.known(freq, "/usr/share/hunspell/tr_TR")
    for f in [*sorted((ROOT / "data").glob("tur*.tsv")), *sorted((ROOT / "tests/data/forms").glob("tur*.tsv"))]:
        for line in open(f, encoding="utf-8"):
            if line.strip() and not line.startswith(("#", "@")):
                words.add(line.split("\t")[0].strip())
    words |= {w.capitalize() for w in words}
    for w in sorted(words):
        print(f"tur\t{w}")


if __name__ == "__main__":
    main()
