#!/usr/bin/env python3
"""The Persian words a before/after comparison conjugates, one "pes<TAB>word" line each (for
scripts/lexicon_snapshot.py): every infinitive-shaped stem of myspell-fa (/usr/share/hunspell/fa_IR.dic),
as written there (solid, or with a zero width non-joiner), the -دن/-تن words of wordfreq's Persian list
that the dictionary accepts, the list's lemmas and the test inputs, and each lemma behind the eight
preverbs and the heads باز, پس, وا, نگه, کار, دوست, written solid, with a joiner and with a space.

  python3 scripts/pes/words.py > /tmp/pes_words.tsv
"""
import pathlib
import re
import sys

import wordfreq

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
DIC = "/usr/share/hunspell/fa_IR"
SHAPE = re.compile("(دن|تن)$")
ZWNJ = "\u200c"
HEADS = ["بر", "در", "وا", "ور", "باز", "فرو", "فرا", "پس", "نگه", "کار", "دوست"]


def main():
    words = set()
    for line in open(DIC + ".dic", encoding="utf-8"):
        w = line.split("/")[0].strip()
        if SHAPE.search(w):
            words.add(w)
    freq = [w for w in wordfreq.top_n_list("fa", 300000) if SHAPE.search(w) and " " not in w]
    words |= speller.known(freq, DIC)
    lemmas = set()
    for f in [ROOT / "data/pes.tsv", *sorted((ROOT / "tests/data/forms").glob("pes*.tsv"))]:
        for line in open(f, encoding="utf-8"):
            if line.strip() and not line.startswith(("#", "@")):
                lemmas.add(line.split("\t")[0].strip())
    words |= lemmas
    for lemma in sorted(lemmas):
        if " " in lemma or not SHAPE.search(lemma):
            continue
        for head in HEADS:
            words |= {head + lemma, head + ZWNJ + lemma, head + " " + lemma}
    for w in sorted(words):
        print(f"pes\t{w}")


if __name__ == "__main__":
    main()
