#!/usr/bin/env python3
"""Compares the module's Ukrainian tables for the most frequent verbs with the
VESUM-based dictionary of pymorphy3-dicts-uk (a checking tool only; nothing is
copied from it) and prints the verbs whose forms it does not know.

    python3 scripts/ukr/check_top.py [N] [--show]
"""
import sys

import pymorphy3
import velnor
from wordfreq import top_n_list

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


def verbs(morph, n):
    out = []
    for w in top_n_list("uk", 200000):
        if w.endswith(("ти", "тися", "тись")) and reference(morph, w):
            out.append(w)
            if len(out) == n:
                break
    return out


def main(argv):
    n = int(argv[0]) if argv and argv[0].isdigit() else 1000
    morph = pymorphy3.MorphAnalyzer(lang="uk")
    total = right = 0
    for w in verbs(morph, n):
        ref = reference(morph, w)
        try:
            t = velnor.conjugate(w, "ukr")
        except ValueError:  # mixed scripts (a Latin i) in the word list
            continue
        got = [*t.present, *t.imperative, *t.past]
        bad = []
        for s, g in zip(SLOTS, got):
            if not ref[s]:
                continue
            total += 1
            alt = {x.replace("сь", "ся") if x.endswith("сь") else x for x in ref[s]} | ref[s]
            if g in alt:
                right += 1
            else:
                bad.append(f"{s} {g}≠{'/'.join(sorted(ref[s]))}")
        if bad:
            print(w, "; ".join(bad))
    print(f"# {right}/{total} slots agree ({100 * right / max(total, 1):.1f} %)")


if __name__ == "__main__":
    main(sys.argv[1:])
