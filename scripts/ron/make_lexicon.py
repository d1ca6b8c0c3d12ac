#!/usr/bin/env python3
"""Writes the Romanian lexicons data/ron_classes.tsv and data/ron_overrides.tsv
from the hand-written verb list scripts/ron/verbs.txt.

Each line of the list is a lemma, its class code ("-" for the default of its
ending) and the forms that are known for it: p= the six present forms ("."
for a slot the class rules get right), s= third person subjunctive, i=
imperative 2sg, pt= participle, g= gerund, ip= imperfect 1sg, pf= simple
perfect 3sg. The first six verbs are written out verbatim (their rows are
fixed); for every other verb an override cell is written only where the class
rules of the built engine give a different form, so the engine must be built
with the class list first:

    scripts/ron/make_lexicon.py classes      # writes the class list, empty overrides
    pip install --no-build-isolation .
    scripts/ron/make_lexicon.py overrides    # writes the override rows
    pip install --no-build-isolation .
    scripts/ron/make_lexicon.py check        # every listed form now comes out
"""
import os
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir)
SOURCE = os.path.join(ROOT, "scripts", "ron", "verbs.txt")
CLASSES = os.path.join(ROOT, "data", "ron_classes.tsv")
OVERRIDES = os.path.join(ROOT, "data", "ron_overrides.tsv")

CLASS_HEADER = "# lemma\tclass (a-ez a-bare ea e i-esc i-bare ih-asc ih-bare)\n"
COLUMNS = ["prs1sg", "prs2sg", "prs3sg", "prs1pl", "prs2pl", "prs3pl", "sbjv3", "imp2sg", "ptcp", "ger",
           "ipfv1sg", "pfv3sg"]
OVERRIDE_HEADER = "# lemma\t" + "\t".join(COLUMNS) + ' ("-" = derive)\n'
CODES = {"ez": "a-ez", "bare": "a-bare", "ea": "ea", "e": "e", "esc": "i-esc", "ibare": "i-bare",
         "asc": "ih-asc", "ihbare": "ih-bare", "-": None}
KEYS = {"s": 6, "i": 7, "pt": 8, "g": 9, "ip": 10, "pf": 11}
# Rows given verbatim, in this order, before every other row.
VERBATIM = ["fi", "avea", "lua", "mânca", "ședea", "abonda"]


def read_source():
    verbs = []
    seen = set()
    with open(SOURCE, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            parts = line.split()
            lemma, code = parts[0], parts[1]
            if lemma in seen:
                sys.exit(f"line {n}: {lemma} listed twice")
            seen.add(lemma)
            if code not in CODES:
                sys.exit(f"line {n}: unknown class {code}")
            cells = [None] * 12
            for item in parts[2:]:
                key, _, value = item.partition("=")
                if key == "p":
                    forms = value.split(",")
                    if len(forms) != 6:
                        sys.exit(f"line {n}: present needs six forms")
                    for k, v in enumerate(forms):
                        cells[k] = None if v == "." else v
                elif key in KEYS:
                    cells[KEYS[key]] = value
                else:
                    sys.exit(f"line {n}: unknown key {key}")
            verbs.append((lemma, CODES[code], cells))
    return verbs


def rule_cells(lemma):
    """The twelve cells as the class rules give them (the verb has no row yet)."""
    import velnor
    t = velnor.conjugate(lemma, lang="ron")
    return list(t.present) + [t.subjunctive[2], t.imperative[0], t.participle, t.gerund, t.imperfect[0],
                              t.simple_perfect[2]]


def write_classes(verbs):
    with open(CLASSES, "w", encoding="utf-8", newline="\n") as f:
        f.write(CLASS_HEADER)
        for lemma, code, _ in verbs:
            if code is not None and code != "ea":
                f.write(f"{lemma}\t{code}\n")


def write_overrides(verbs, minimal):
    with open(OVERRIDES, "w", encoding="utf-8", newline="\n") as f:
        f.write(OVERRIDE_HEADER)
        by_lemma = {lemma: cells for lemma, _, cells in verbs}
        for lemma in VERBATIM:
            f.write(lemma + "\t" + "\t".join(c or "-" for c in by_lemma[lemma]) + "\n")
        if not minimal:
            return
        for lemma, _, cells in verbs:
            if lemma in VERBATIM:
                continue
            derived = rule_cells(lemma)
            row = [c if c is not None and c != d else None for c, d in zip(cells, derived)]
            if any(row):
                f.write(lemma + "\t" + "\t".join(c or "-" for c in row) + "\n")


def check(verbs):
    bad = 0
    for lemma, _, cells in verbs:
        got = rule_cells(lemma)
        for col, want, have in zip(COLUMNS, cells, got):
            if want is not None and want != have:
                print(f"{lemma} {col}: want {want}, got {have}")
                bad += 1
    print(f"{len(verbs)} verbs, {bad} mismatches")
    return bad == 0


def main():
    verbs = read_source()
    step = sys.argv[1] if len(sys.argv) > 1 else ""
    if step == "classes":
        write_classes(verbs)
        write_overrides(verbs, minimal=False)
    elif step == "overrides":
        write_overrides(verbs, minimal=True)
    elif step == "check":
        sys.exit(0 if check(verbs) else 1)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
