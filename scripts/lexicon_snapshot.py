#!/usr/bin/env python3
"""Every attribute that conjugate gives for every lemma of every data/*.tsv, for comparing a change of rows or
engines before and after: a snapshot in the one format of scripts/compare.py (JSON lines [code, word, kind,
table or error], by language and word; compressed when OUT ends in .gz), compared with `compare.py diff`.

Usage: lexicon_snapshot.py ROOT OUT [WORDS ...]
ROOT is the source tree whose data/ gives the lemmas (conjugated with the installed velnor, in worker processes:
a word that kills one is recorded as a crash); each WORDS file adds lines "code<TAB>word" (lemmas a change
removes, capitalised forms, compounds of the lemmas...). A refused word is written with its error.
"""
import glob
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compare  # noqa: E402


def read(path, code):
    """One language's words of a snapshot: word -> {attribute: value}, or None for a refused word."""
    return {w: t if isinstance(t, dict) else None for c, w, _, t in compare.lines(path) if c == code}


def main(root, out, extra):
    words = {}
    for path in sorted(glob.glob(os.path.join(root, "data", "*.tsv"))):
        code = os.path.basename(path)[:3]
        with open(path, encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    words.setdefault((code, line.rstrip("\n").split("\t")[0].rstrip("+")), 1)
    for name in extra:
        with open(name, encoding="utf-8") as f:
            for line in f:
                code, word = line.rstrip("\n").split("\t")
                words.setdefault((code, word), None)
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".jsonl") as f:
        f.writelines(compare.json.dumps([c, w, k], ensure_ascii=False) + "\n" for (c, w), k in sorted(words.items()))
        f.flush()
        with compare.opened(out, "wt") as o:
            compare.write_tables(f.name, o)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
