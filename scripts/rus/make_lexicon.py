#!/usr/bin/env python3
"""Writes data/rus.tsv: the Russian verbs whose forms the rule engine gets wrong.

The verbs are written below by hand, one per line, in a short notation that
this script spells out into the lexicon's five cells:

    lemma  NONPAST  PAST  IMPERATIVE  [x]

NONPAST is "-", six comma-separated forms, or the 1sg and 2sg alone (the rest
of the row follows from them: -ешь/-ёшь gives -ет -ем -ете and a 3pl in -ут or
-ют after the 1sg; -ишь gives -ит -им -ите and -ат after a husher, else -ят).
PAST is "-", four forms, or masculine and feminine (neuter and plural follow
from the feminine). IMPERATIVE is "-", the singular (the plural adds -те) or
both forms. A trailing "x" marks an exact-only lemma: prefixed verbs do not
share its row (бить would otherwise swallow любить, пить купить).
A line "+ lemma prefix prefix ..." adds the prefixed verbs of a lemma listed
above, every form with the prefix in front (stressed вы- turns ё into е);
those rows are exact-only too (у+бить must not swallow рубить).

A line "@ь lemma lemma ..." lists -ить and -нуть verbs whose only
irregularity is the imperative in -ь (ставь, верь, двинь); "@й" lists -ить
verbs whose stem ends in a vowel (строй, стой); "@аю" lists -евать verbs
whose -е- belongs to the root (одевать: одеваю, одевай, not одую). Lemmas are bases without -ся: reflexive verbs share the row.

Every form was checked against the OpenCorpora dictionary (pymorphy3-dicts-ru)
and the ru_RU hunspell dictionary; see scripts/rus/check_lexicon.py.

    python3 scripts/rus/make_lexicon.py > data/rus.tsv
"""
import sys
from pathlib import Path

HEADER = [
    "# Russian verbs the rules miss, written by hand and checked against corpus gold data (OpenCorpora; hunspell-ru",
    "# fills gaps). Non-reflexive base lemmas; reflexives and prefixed",
    "# derivatives match by suffix unless the base is exact (col 4).",
    "# Regenerate: python3 scripts/rus/make_lexicon.py > data/rus.tsv",
    "# lemma\tnonpast(6)\tpast(4:masc,fem,neut,pl)\timp(2:sg,pl)\texact",
]

HUSHERS = "жшчщ"

VERBS = (Path(__file__).with_name("verbs.txt")).read_text(encoding="utf-8")


def nonpast(cell, lemma):
    if cell == "-":
        return "-"
    f = cell.split(",")
    if len(f) == 6:
        return cell
    if len(f) != 2:
        sys.exit(f"{lemma}: non-past needs 2 or 6 forms: {cell}")
    sg1, sg2 = f
    if sg2.endswith(("ешь", "ёшь")):
        stem, e = sg2[:-3], sg2[-3]
        pl3 = sg1[:-1] + ("ут" if sg1.endswith("у") else "ют")
        return ",".join([sg1, sg2, stem + e + "т", stem + e + "м", stem + e + "те", pl3])
    if sg2.endswith("ишь"):
        stem = sg2[:-3]
        pl3 = stem + ("ат" if stem[-1] in HUSHERS else "ят")
        return ",".join([sg1, sg2, stem + "ит", stem + "им", stem + "ите", pl3])
    sys.exit(f"{lemma}: cannot spell out the non-past from {cell}")


def past(cell, lemma):
    if cell == "-":
        return "-"
    f = cell.split(",")
    if len(f) == 4:
        return cell
    if len(f) != 2 or not f[1].endswith("а"):
        sys.exit(f"{lemma}: past needs 2 or 4 forms: {cell}")
    return ",".join([f[0], f[1], f[1][:-1] + "о", f[1][:-1] + "и"])


def imperative(cell, lemma):
    if cell == "-":
        return "-"
    f = cell.split(",")
    if len(f) == 2:
        return cell
    if len(f) != 1:
        sys.exit(f"{lemma}: imperative needs 1 or 2 forms: {cell}")
    return f"{cell},{cell}те"


def rows():
    seen = {}
    by_lemma = {}
    out = []
    for n, line in enumerate(VERBS.splitlines(), 1):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        parts = line.split()
        if parts[0] == "+":
            base = by_lemma.get(parts[1])
            if base is None:
                sys.exit(f"line {n}: {parts[1]} must come before its prefixed verbs")
            for pfx in parts[2:]:
                cells = []
                for cell in base[1:4]:
                    if cell == "-":
                        cells.append(cell)
                        continue
                    forms = [pfx + f for f in cell.split(",")]
                    if pfx.endswith("вы"):  # stressed вы- takes the stress off the ё
                        forms = [f.replace("ё", "е") for f in forms]
                    cells.append(",".join(forms))
                out.append([pfx + parts[1]] + cells + ["1"])
            continue
        if parts[0] in ("@ь", "@й"):
            for lemma in parts[1:]:
                if not lemma.endswith(("ить", "нуть")):
                    sys.exit(f"line {n}: {lemma} is not an -ить or -нуть verb")
                out.append([lemma, "-", "-", imperative(lemma[:-3] + parts[0][1], lemma), "-"])
                by_lemma[lemma] = out[-1]
            continue
        if parts[0] == "@аю":
            for lemma in parts[1:]:
                if not lemma.endswith("евать"):
                    sys.exit(f"line {n}: {lemma} is not an -евать verb")
                stem = lemma[:-2]
                out.append([lemma, nonpast(f"{stem}ю,{stem}ешь", lemma), "-", imperative(stem + "й", lemma), "-"])
                by_lemma[lemma] = out[-1]
            continue
        if len(parts) not in (4, 5) or (len(parts) == 5 and parts[4] != "x"):
            sys.exit(f"line {n}: bad row: {line}")
        lemma = parts[0]
        out.append([lemma, nonpast(parts[1], lemma), past(parts[2], lemma), imperative(parts[3], lemma),
                    "1" if len(parts) == 5 else "-"])
        by_lemma[lemma] = out[-1]
    for row in out:
        if row[0] in seen:
            sys.exit(f"{row[0]} is listed twice")
        seen[row[0]] = row
        if row[1:4] == ["-", "-", "-"]:
            sys.exit(f"{row[0]}: a row must give at least one group")
    return out


def by_frequency(out):
    """The rows, most frequent verb first (by the lemma or its reflexive);
    only the order of the text changes, never which row a verb finds."""
    from wordfreq import zipf_frequency
    freq = {r[0]: max(zipf_frequency(r[0], "ru"), zipf_frequency(r[0] + "ся", "ru")) for r in out}
    return sorted(out, key=lambda r: -freq[r[0]])


def main():
    sys.stdout.write("\n".join(HEADER) + "\n")
    for row in by_frequency(rows()):
        sys.stdout.write("\t".join(row) + "\n")


if __name__ == "__main__":
    main()
