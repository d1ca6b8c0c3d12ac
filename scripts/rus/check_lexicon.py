#!/usr/bin/env python3
"""Compares the Russian tables of the built module with the OpenCorpora
dictionary (pymorphy3 with pymorphy3-dicts-ru, a checking tool only; the
module does not use it) for every infinitive of the ru_RU hunspell word list.

    python3 scripts/rus/check_lexicon.py [--show N] [--only SLOT] [WORD...]

Prints the verbs whose forms disagree (ё and е count as equal), slot by slot,
and the lexicon lemmas that a longer unprefixed verb ends with.
"""
import re
import sys
from collections import Counter

import pymorphy3
import velnor

SLOTS = ["1sg", "2sg", "3sg", "1pl", "2pl", "3pl", "m", "f", "n", "pl", "imp", "imp_pl"]
PREFIXES = ("в во вз взо вс вы до за из изо ис на над надо недо о об обо от ото пере по под подо пре пред "
            "предо при про раз разо рас с со у воз возо вос пооб поза пона недо пораз попри обез без со вы").split()


def infinitives():
    words = set()
    with open("/usr/share/hunspell/ru_RU.dic", encoding="utf-8", errors="replace") as f:
        next(f)
        for line in f:
            w = line.split("/", 1)[0].strip()
            if re.fullmatch(r"[а-яё]+(ть|ти|чь)(ся|сь)?", w):
                words.add(w)
    return sorted(words)


def norm(s):
    return s.replace("ё", "е")


def reference(morph, word):
    for p in morph.parse(word):
        if p.tag.POS == "INFN" and p.is_known and norm(p.normal_form) == norm(word):
            slots = {s: set() for s in SLOTS}
            for f in p.lexeme:
                t = f.tag
                if t.POS != "VERB":
                    continue
                w = norm(f.word)
                if t.mood == "impr":
                    if "excl" in t.grammemes or "incl" not in t.grammemes:
                        slots["imp" if t.number == "sing" else "imp_pl"].add(w)
                elif t.tense in ("pres", "futr") and t.person:
                    i = {"1per": 0, "2per": 1, "3per": 2}[t.person] + (3 if t.number == "plur" else 0)
                    slots[SLOTS[i]].add(w)
                elif t.tense == "past":
                    key = "pl" if t.number == "plur" else {"masc": "m", "femn": "f", "neut": "n"}.get(t.gender)
                    if key:
                        slots[key].add(w)
            return slots
    return None


def ours(word):
    t = velnor.conjugate(word, "ru")
    return dict(zip(SLOTS, [*t.non_past, *t.past_singular, t.past_plural, *t.imperative]))


def main(argv):
    show = 20
    only = None
    words = []
    it = iter(argv)
    for a in it:
        if a == "--show":
            show = int(next(it))
        elif a == "--only":
            only = next(it)
        else:
            words.append(a)
    morph = pymorphy3.MorphAnalyzer()
    words = words or infinitives()
    bad = Counter()
    examples = {}
    checked = 0
    for w in words:
        ref = reference(morph, w)
        if ref is None:
            continue
        try:
            got = ours(w)
        except ValueError:
            continue
        checked += 1
        wrong = [s for s in SLOTS if ref[s] and norm(got[s]) not in ref[s] and (only is None or s == only)]
        if wrong:
            key = ",".join(wrong)
            bad[key] += 1
            examples.setdefault(key, []).append(
                f"{w}: " + "; ".join(f"{s} {got[s]} ≠ {'/'.join(sorted(ref[s]))}" for s in wrong))
    print(f"checked {checked} verbs, {sum(bad.values())} disagree")
    for key, n in bad.most_common():
        print(f"== {key}: {n}")
        for line in examples[key][:show]:
            print("   ", line)


if __name__ == "__main__":
    main(sys.argv[1:])
