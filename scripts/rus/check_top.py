#!/usr/bin/env python3
"""Compares the module's Russian tables for the most frequent verbs (wordfreq)
with the OpenCorpora dictionary through pymorphy3 (a checking tool only;
nothing is copied from it), ё included, and prints the verbs that disagree.

    python3 scripts/rus/check_top.py [N]
"""
import sys

import pymorphy3
import velnor
from wordfreq import top_n_list

SLOTS = ["1sg", "2sg", "3sg", "1pl", "2pl", "3pl", "m", "f", "n", "pl", "imp", "imp_pl"]


def reference(morph, word):
    for p in morph.parse(word):
        if p.tag.POS == "INFN" and p.is_known and p.normal_form == word:
            slots = {s: set() for s in SLOTS}
            for f in p.lexeme:
                t = f.tag
                if t.POS != "VERB":
                    continue
                if t.mood == "impr":
                    if "excl" in t.grammemes or "incl" not in t.grammemes:
                        slots["imp" if t.number == "sing" else "imp_pl"].add(f.word)
                elif t.tense in ("pres", "futr") and t.person:
                    i = {"1per": 0, "2per": 1, "3per": 2}[t.person] + (3 if t.number == "plur" else 0)
                    slots[SLOTS[i]].add(f.word)
                elif t.tense == "past":
                    key = "pl" if t.number == "plur" else {"masc": "m", "femn": "f", "neut": "n"}.get(t.gender)
                    if key:
                        slots[key].add(f.word)
            return slots
    return None


def verbs(morph, n):
    out = []
    for w in top_n_list("ru", 500000):
        if w.endswith(("ть", "ти", "чь", "ться", "тись", "чься")) and reference(morph, w):
            out.append(w)
            if len(out) == n:
                break
    return out


def main(argv):
    n = int(argv[0]) if argv else 1000
    morph = pymorphy3.MorphAnalyzer()
    total = right = 0
    for w in verbs(morph, n):
        ref = reference(morph, w)
        try:
            t = velnor.conjugate(w, "rus")
        except ValueError:  # mixed scripts in the word list
            continue
        got = [*t.non_past, *t.past_singular, t.past_plural, *t.imperative]
        bad = []
        for s, g in zip(SLOTS, got):
            if not ref[s]:
                continue
            total += 1
            if g in ref[s]:
                right += 1
            else:
                bad.append(f"{s} {g}≠{'/'.join(sorted(ref[s]))}")
        if bad:
            print(w, "; ".join(bad))
    print(f"# {right}/{total} slots agree ({100 * right / max(total, 1):.1f} %)")


if __name__ == "__main__":
    main(sys.argv[1:])
