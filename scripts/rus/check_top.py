#!/usr/bin/env python3
"""Compares the module's Russian tables for the most frequent verbs (wordfreq)
with the OpenCorpora dictionary through pymorphy3 (a checking tool only;
nothing is copied from it), ё included, and prints the verbs that disagree.

    python3 scripts/rus/check_top.py [N]
"""
import os
import sys

import pymorphy3

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import pymorphy_top  # noqa: E402

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


def main(argv):
    n = int(argv[0]) if argv else 1000
    morph = pymorphy3.MorphAnalyzer()
    words = pymorphy_top.verbs(morph, reference, "ru", 500000, ("ть", "ти", "чь", "ться", "тись", "чься"), n)
    pymorphy_top.compare(morph, reference, words, "rus", SLOTS,
                         lambda t: [*t.non_past, *t.past_singular, t.past_plural, *t.imperative])


if __name__ == "__main__":
    main(sys.argv[1:])
