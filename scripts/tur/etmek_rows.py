#!/usr/bin/env python3
"""Rows of data/tur_compounds.tsv for etmek compounds written as one word: each cell is the noun followed by
etmek's own cell of data/tur.tsv (katletmek: katleder, katlediyor, ...).

  python3 scripts/tur/etmek_rows.py katletmek haketmek ... >> data/tur_compounds.tsv
"""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]


def main(lemmas):
    etmek = next(line.rstrip("\n").split("\t") for line in open(ROOT / "data/tur.tsv", encoding="utf-8")
                 if line.startswith("etmek\t"))
    for lemma in lemmas:
        if not lemma.endswith("etmek") or lemma == "etmek":
            sys.exit(f"not an etmek compound: {lemma}")
        noun = lemma[:-len("etmek")]
        print("\t".join([lemma] + [noun + cell for cell in etmek[1:]]))


if __name__ == "__main__":
    main(sys.argv[1:])
