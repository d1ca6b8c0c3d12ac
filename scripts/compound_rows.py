#!/usr/bin/env python3
"""Rows of the Danish or Swedish principal-parts list that only repeat what the compound rule gives.

Usage: compound_rows.py CODE [--remove] [--keep LEMMA ...]

The engine conjugates an unlisted word made of particles and a listed base
(dan/swe kParticles, a base of three letters or more that is no auxiliary or
modal, the longest base first) with the base's forms behind the particles. A
row is redundant when its lemma is such a word and every cell of it is the
particle part followed by the base's cell ("-" where the base has "-"): the
rule then gives exactly the row. Prints those lemmas; --remove deletes their
rows from data/CODE.tsv (rows given with --keep stay). Whether the forms are
unchanged is then shown by scripts/lexicon_snapshot.py run before and after
the rebuild.
"""
import argparse
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def engine_list(source, name):
    return re.findall(r'"([^"]+)"', re.search(name + r"\[\] = \{(.*?)\};", source, re.S).group(1))


def redundant(code):
    with open(os.path.join(ROOT, "src", code + ".cpp"), encoding="utf-8") as f:
        source = f.read()
    particles, no_compounds = engine_list(source, "kParticles"), set(engine_list(source, "kNoCompounds"))
    with open(os.path.join(ROOT, "data", code + ".tsv"), encoding="utf-8") as f:
        rows = {line.split("\t")[0]: line.split("\t")[1:] for line in f.read().splitlines()
                if line.strip() and not line.startswith("#")}

    def base_of(word):
        # the particle chain (at most 32 bytes, leaving three bytes of base) before the longest listed base
        limit = min(32, len(word.encode()) - 3)
        reach = {0}
        for i in range(len(word)):
            if i not in reach:
                continue
            if i > 0:
                base = word[i:]
                if len(base) < 3:
                    break
                if base not in no_compounds and base in rows:
                    return word[:i], base
            for p in particles:
                if word.startswith(p, i) and len(word[:i + len(p)].encode()) <= limit:
                    reach.add(i + len(p))
        return None

    out = []
    for lemma, cells in rows.items():
        found = base_of(lemma)
        if not found:
            continue
        particle, base = found
        base_cells = rows[base]
        if len(base_cells) == len(cells) and all(
                (c == "-" and b == "-") or (c != "-" and b != "-" and c == particle + b)
                for c, b in zip(cells, base_cells)):
            out.append(lemma)
    return out


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("code", choices=["dan", "swe"])
    ap.add_argument("--remove", action="store_true")
    ap.add_argument("--keep", nargs="*", default=[])
    args = ap.parse_args()
    lemmas = [lemma for lemma in redundant(args.code) if lemma not in args.keep]
    print("\n".join(lemmas))
    if args.remove:
        path = os.path.join(ROOT, "data", args.code + ".tsv")
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
        gone = set(lemmas)
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(line for line in lines
                              if line.startswith("#") or not line.strip() or line.split("\t")[0] not in gone))


if __name__ == "__main__":
    main()
