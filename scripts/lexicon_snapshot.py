#!/usr/bin/env python3
"""Every attribute that conjugate gives for every lemma of every data/*.tsv, one line per word, for comparing a
change of rows or engines before and after (diff the two outputs).

Usage: lexicon_snapshot.py ROOT OUT [WORDS ...]
ROOT is the source tree whose data/ gives the lemmas (conjugated with the installed velnor); each WORDS file adds
lines "code<TAB>word" (lemmas a change removes, capitalised forms, compounds of the lemmas...). A refused word
is written with its error.
"""
import ast
import glob
import os
import sys


def read(path, code):
    """One language's words of a snapshot: word -> {attribute: value}, or None for a refused word."""
    out = {}
    for line in open(path, encoding="utf-8"):
        lang, word, rest = line.rstrip("\n").split("\t", 2)
        if lang != code:
            continue
        if rest.startswith("!"):
            out[word] = None
            continue
        attrs = {}
        for cell in rest.split("\t")[1:]:
            name, value = cell.split("=", 1)
            attrs[name] = ast.literal_eval(value)
        out[word] = attrs
    return out


def main(root, out, extra):
    import velnor

    words = {}
    for path in sorted(glob.glob(os.path.join(root, "data", "*.tsv"))):
        code = os.path.basename(path)[:3]
        with open(path, encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    words.setdefault(code, set()).add(line.rstrip("\n").split("\t")[0].rstrip("+"))
    for name in extra:
        with open(name, encoding="utf-8") as f:
            for line in f:
                code, word = line.rstrip("\n").split("\t")
                words.setdefault(code, set()).add(word)
    with open(out, "w", encoding="utf-8") as f:
        for code in sorted(words):
            for word in sorted(words[code]):
                try:
                    t = velnor.conjugate(word, lang=code)
                except Exception as e:  # noqa: BLE001 (the error is what is compared)
                    f.write(f"{code}\t{word}\t!{type(e).__name__}: {e}\n")
                    continue
                attrs = [a for a in dir(t) if not a.startswith("_")]
                f.write(f"{code}\t{word}\t{t!r}\t" + "\t".join(f"{a}={getattr(t, a)!r}" for a in attrs) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
