"""Checks that rules.py (with decompose) gives what the installed engine
gives: every lemma of the row and class lists and every word of the long-tail
scan's candidates (scan.py) is conjugated both ways, and the present,
imperative, l-participle, passive and transgressive are compared.

usage: python check_rules.py   (prints the mismatches and their count)
"""
import os

import rules
import scan
import velnor

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")


def load(name):
    out = {}
    with open(os.path.join(DATA, name), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cells = line.rstrip("\n").split("\t")
            out[cells[0]] = cells[1:]
    return out


def main():
    rows = {k: [None if c in ("-", "") else c for c in (v + [None] * 14)[:14]]
            for k, v in load("ces_rows.tsv").items()}
    classes = {k: v[0] for k, v in load("ces_classes.tsv").items()}
    words = list(dict.fromkeys([*rows, *classes, *scan.candidates()]))
    bad = 0
    for w in words:
        if w in rows and not rules.marker_only(rows[w]):
            cls, cells = classes.get(w, rules.default_class(w)), rows[w]
        else:
            k = rules.decompose(w, rows, classes)
            cls, cells = k if k else (classes.get(w, rules.default_class(w)), None)
        f = rules.forms(w, cls, cells)
        t = velnor.conjugate(w, lang="ces")
        mine = [list(f["present"]), list(f["imperative"]), f["lptcp"], f["passive"], list(f["cvb"])]
        theirs = [t.present, t.imperative, t.past_participle[0],
                  t.passive_participle[0] if t.passive_participle else None, t.transgressive[:2]]
        if mine != theirs:
            bad += 1
            print(w, [(a, b) for a, b in zip(mine, theirs) if a != b])
    print(f"mismatches {bad} of {len(words)}")


if __name__ == "__main__":
    main()
