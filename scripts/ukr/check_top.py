#!/usr/bin/env python3
"""Compares the module's Ukrainian tables for the most frequent verbs with the
VESUM-based dictionary of pymorphy3-dicts-uk (a checking tool only; nothing is
copied from it) and prints the verbs whose forms it does not know.

    python3 scripts/ukr/check_top.py [N] [--show]
"""
import os
import sys

import pymorphy3

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import pymorphy_top  # noqa: E402

SLOTS = ["1sg", "2sg", "3sg", "1pl", "2pl", "3pl", "imp2sg", "imp1pl", "imp2pl", "m", "f", "n", "pl"]


def reference(morph, word):
    for p in morph.parse(word):
        if "infn" in p.tag and p.normal_form == word:
            forms = {s: set() for s in SLOTS}
            for f in p.lexeme:
                t = f.tag
                if t.POS != "VERB":
                    continue
                if t.mood == "impr":
                    key = {("sing", "2per"): "imp2sg", ("plur", "1per"): "imp1pl", ("plur", "2per"): "imp2pl"}.get(
                        (t.number, t.person))
                elif t.tense == "past":
                    key = "pl" if t.number == "plur" else {"masc": "m", "femn": "f", "neut": "n"}.get(t.gender)
                elif t.person:
                    key = SLOTS[{"1per": 0, "2per": 1, "3per": 2}[t.person] + (3 if t.number == "plur" else 0)]
                else:
                    key = None
                if key:
                    forms[key].add(f.word)
            return forms
    return None


def main(argv):
    n = int(argv[0]) if argv and argv[0].isdigit() else 1000
    morph = pymorphy3.MorphAnalyzer(lang="uk")
    words = pymorphy_top.verbs(morph, reference, "uk", 200000, ("ти", "тися", "тись"), n)
    pymorphy_top.compare(morph, reference, words, "ukr", SLOTS, lambda t: [*t.present, *t.imperative, *t.past],
                         variants=lambda ref: {x.replace("сь", "ся") if x.endswith("сь") else x for x in ref} | ref)


if __name__ == "__main__":
    main(sys.argv[1:])
