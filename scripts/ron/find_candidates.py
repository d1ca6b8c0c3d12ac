#!/usr/bin/env python3
"""Lists Romanian verbs, most frequent first, whose forms from the class
defaults hunspell's ro_RO rejects, with the present that a bare class would
give, for writing their lines of scripts/ron/verbs.txt by hand.

Candidates come from the participles in -at, -it, -ât and -ut of wordfreq's
Romanian list (an infinitive alone is rarely a word of its own there):
lucrat gives lucra, dormit dormi, coborât coborî, tăcut tăcea or tace. A candidate whose infinitive hunspell knows, that
neither lexicon lists and whose participle the engine builds the same is
printed when hunspell rejects one of its default present forms, with the
first and third persons that a bare class (a-bare, i-bare) would give that
hunspell knows.

Usage: python3 scripts/ron/find_candidates.py [N]
"""
import os
import re
import sys

import velnor
from wordfreq import top_n_list

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from candidates import listed, rejected  # noqa: E402

DICT = "/usr/share/hunspell/ro_RO"


def diph(stem):
    for i in range(len(stem) - 1, -1, -1):
        if stem[i] == "o":
            return stem[:i] + "oa" + stem[i + 1:]
        if stem[i] == "e":
            return stem[:i] + "ea" + stem[i + 1:]
        if stem[i] in "aăâîiu":
            break
    return stem


def bare(lemma):
    if lemma.endswith("ea"):
        return []
    s = lemma[:-1]
    if lemma.endswith("a"):
        return [s, s + "u", s + "ă", diph(s) + "ă"]
    if lemma.endswith("i"):
        return [s, s + "e", diph(s) + "e"]
    return []


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 200000
    have = listed("ron_classes.tsv", "ron_overrides.tsv")
    words, seen = [], set()
    participle = {}
    for p in top_n_list("ro", n):
        if re.fullmatch(r"[a-zăâîșț]{2,}(at|it|ât)", p):
            infs = [p[:-2] + ("î" if p.endswith("ât") else p[-2])]
        elif re.fullmatch(r"[a-zăâîșț]{2,}ut", p):
            infs = [p[:-2] + "ea", p[:-2] + "e"]
        else:
            continue
        for inf in infs:
            if inf not in have and inf not in seen:
                seen.add(inf)
                words.append(inf)
                participle[inf] = p
    unknown = rejected(words + list(participle.values()), DICT)
    words = [w for w in words if w not in unknown and participle[w] not in unknown]
    tables = {}
    for w in words:
        t = velnor.conjugate(w, lang="ron")
        tables[w] = t
    allw = set()
    for w, t in tables.items():
        allw |= {t.participle, t.gerund, *t.present, t.subjunctive[2], *bare(w)}
    bad = rejected(sorted(allw), DICT)
    for rank, (w, t) in enumerate(tables.items()):
        if t.participle != participle[w]:
            continue
        wrong = [f for f in t.present + [t.subjunctive[2]] if f in bad]
        if wrong:
            ok = [f for f in bare(w) if f not in bad]
            print(f"{rank}\t{w}\t{' '.join(t.present)}\twrong: {' '.join(wrong)}\tbare ok: {' '.join(ok)}")


if __name__ == "__main__":
    main()
