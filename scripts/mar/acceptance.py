#!/usr/bin/env python3
"""Checks Marathi forms built by the installed module with aspell-mr (`aspell -l mr`).

The verbs: every word of aspell-mr's list in -णे that the engine takes (the list also holds nouns and
adverbs in -णे, -पणे, -प्रमाणे: those in -पणे and -प्रमाणे are left out), every lemma of data/mar*.tsv and
the lemmas given on the command line. Prints the share of distinct forms aspell accepts, over all slots
and over the first persons of the perfective rows, and with --rejected the rejected forms by verb.
The list is sparse (it lacks many plain forms), so a rejected form is a form to read, not a wrong one.
Run it with the module before and after a change: python scripts/mar/acceptance.py [--rejected] [LEMMA ...]
"""
import argparse
import pathlib
import subprocess

import velnor

ROOT = pathlib.Path(__file__).resolve().parents[2]


def verbs(extra):
    dump = subprocess.run(["aspell", "-l", "mr", "dump", "master"], capture_output=True, text=True,
                          check=True).stdout.split()
    out = {w for w in dump if w.endswith("णे") and not w.endswith(("पणे", "प्रमाणे"))}
    for path in ROOT.glob("data/mar*.tsv"):
        for line in path.read_text(encoding="utf-8").splitlines():
            if line and not line.startswith("#"):
                out.add(line.split("\t")[0])
    return sorted(out | set(extra))


def slots(table):
    for name in dir(table):
        if name.startswith("_"):
            continue
        value = getattr(table, name)
        for i, v in enumerate(value if isinstance(value, list) else [value]):
            yield name, i, v


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--rejected", action="store_true")
    ap.add_argument("lemmas", nargs="*")
    args = ap.parse_args()
    tables = {}
    for lemma in verbs(args.lemmas):
        try:
            tables[lemma] = velnor.conjugate(lemma, lang="mar")
        except ValueError:
            pass
    forms = {v for t in tables.values() for _, _, v in slots(t)}
    rejected = set(subprocess.run(["aspell", "-l", "mr", "list"], input="\n".join(sorted(forms)), capture_output=True,
                                  text=True, check=True).stdout.split())
    first = {v for t in tables.values() for n, i, v in slots(t) if n.startswith("perfective_") and i in (0, 3)}
    print("verbs %d; forms %d, aspell accepts %d (%.1f%%); first persons of the perfective %d, accepted %d" % (
        len(tables), len(forms), len(forms - rejected), 100 * len(forms - rejected) / max(1, len(forms)),
        len(first), len(first - rejected)))
    if args.rejected:
        for lemma, t in tables.items():
            bad = sorted({v for _, _, v in slots(t) if v in rejected})
            if bad:
                print(lemma, " ".join(bad))


if __name__ == "__main__":
    main()
