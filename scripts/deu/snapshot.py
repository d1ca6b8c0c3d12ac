"""Snapshot of German tables, for comparing two builds verb by verb.

usage: python scripts/deu/snapshot.py OUT.tsv [WORDS-FILE]
Without a file of words (one a line) it conjugates every lemma of data/deu.tsv, every input of tests/data/forms/deu*.tsv and
every word of wordfreq's German top 300,000 that has the infinitive's shape, that the de_DE hunspell
dictionary knows and that passes the long-tail scan's verb test (compounds.candidates). One line per word: the word and
every attribute of its table (or the error), tab-separated; compare two snapshots with diff.
"""
import pathlib
import re
import sys

import velnor

ROOT = pathlib.Path(__file__).resolve().parents[2]
ATTRS = [a for a in dir(velnor.conjugate("gehen")) if not a.startswith("_")]


def lexicon_lemmas():
    for line in (ROOT / "data" / "deu.tsv").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            yield line.split("\t")[0]


def test_inputs():
    for path in sorted((ROOT / "tests" / "data" / "forms").glob("deu*.tsv")):
        for line in path.read_text(encoding="utf-8").splitlines():
            if line.strip() and not line.startswith(("#", "@")):
                yield line.split("\t")[0]


def frequency_words():
    sys.path.insert(0, str(pathlib.Path(__file__).parent))
    from compounds import candidates
    return candidates()


def row(word):
    try:
        t = velnor.conjugate(word)
    except ValueError as e:
        return f"{word}\tValueError: {e}"
    cells = []
    for a in ATTRS:
        v = getattr(t, a)
        cells.append("|".join("~" if x is None else x for x in v) if isinstance(v, list) else str(v))
    return word + "\t" + "\t".join(cells)


def main():
    out = sys.argv[1]
    if len(sys.argv) > 2:
        words = pathlib.Path(sys.argv[2]).read_text(encoding="utf-8").splitlines()
    else:
        words = list(dict.fromkeys([*lexicon_lemmas(), *test_inputs(), *frequency_words()]))
    with open(out, "w", encoding="utf-8") as f:
        f.write("#word\t" + "\t".join(ATTRS) + "\n")
        for w in words:
            f.write(row(w) + "\n")
    print(len(words), "words", file=sys.stderr)


if __name__ == "__main__":
    main()
