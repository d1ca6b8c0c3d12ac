#!/usr/bin/env python3
"""Proposes stem-class rows for data/spa_stem_classes.tsv.

Candidates are the infinitives among the most frequent Spanish words
(wordfreq), most frequent first, that the lexicon does not list yet, and
the infinitives behind frequent words that look like a stressed present
form (despierta gives despertar, cuelga colgar, envía enviar). For
each one the script builds the third persons of the present (and, for -ir
verbs, the third person singular of the preterite) as every class would
make them, and keeps the class whose forms hunspell's es_ES dictionary
accepts while it rejects the forms of the plain verb (so verbs that the
norm lets conjugate both ways are left out). The proposals are printed as
lemma TAB class TAB evidence; each was read by hand before it became a row.

Usage: python3 scripts/spa/find_stem_classes.py [N]   (N candidates, default 60000)
"""
import os
import sys

from wordfreq import top_n_list

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from candidates import infinitives, listed, rejected, replace_last  # noqa: E402

DICT = "/usr/share/hunspell/es_ES"


def ue(stem):
    i = stem.rfind("o")
    if i < 0:
        return None
    if i == 0:
        return "hue" + stem[1:]
    return stem[:i] + ("üe" if stem[i - 1] == "g" else "ue") + stem[i + 1:]


def forms(inf, cls):
    """Third person singular and plural present (+ preterite 3sg for -ir)."""
    stem, end = inf[:-2], inf[-2:]
    vowel = "a" if end == "ar" else "e"
    if cls is None:
        stressed = stem
    elif cls == "ie":
        stressed = replace_last(stem, "e", "ie")
    elif cls == "ue":
        stressed = ue(stem)
    elif cls == "ei":
        stressed = replace_last(stem, "e", "i") if end == "ir" else None
    elif cls == "acc-i":
        stressed = stem[:-1] + "í" if stem.endswith("i") else None
    elif cls == "acc-u":
        stressed = stem[:-1] + "ú" if stem.endswith("u") else replace_last(stem, "u", "ú")
    if stressed is None:
        return None
    out = [stressed + vowel, stressed + vowel + "n"]
    if end == "ir" and cls in ("ie", "ei", "ue"):
        raised = replace_last(stem, "o" if cls == "ue" else "e", "u" if cls == "ue" else "i")
        out.append(raised + "ió")
    elif end == "ir" and cls is None:
        out.append(stem + "ió")
    return out


UNDO = (("ie", "e"), ("üe", "o"), ("ue", "o"), ("í", "i"), ("ú", "u"))


def behind(word):
    """Infinitives whose stressed third person singular the word could be."""
    if word[-1:] not in ("a", "e") or len(word) < 4:
        return []
    out = []
    for new, old in UNDO:
        i = word.rfind(new)
        if i < 0 or i + len(new) >= len(word):
            continue
        stem = word[:i] + old + word[i + len(new):-1]
        if word.startswith("hue") and new == "ue" and i == 1:
            stem = "o" + word[3:-1]
        if new == "üe":
            stem = word[:i] + "o" + word[i + len(new):-1]
        for end in (("ar",) if word.endswith("a") else ("er", "ir")):
            out.append(stem + end)
    return out


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 60000
    have = listed("spa_stem_classes.tsv", "spa_irregular.tsv")
    words = infinitives(top_n_list("es", n), "a-zñáéíóúü", "ar|er|ir", have, behind)
    bad_inf = rejected(words, DICT)
    verbs = [w for w in words if w not in bad_inf]
    table = {}
    for v in verbs:
        for cls in (None, "ie", "ue", "ei", "acc-i", "acc-u"):
            f = forms(v, cls)
            if f:
                table[(v, cls)] = f
    bad = rejected(sorted({w for f in table.values() for w in f}), DICT)
    for v in verbs:
        plain = table[(v, None)]
        if not any(w in bad for w in plain[:2]):
            continue  # the plain forms are accepted: no row needed
        good = [c for c in ("ie", "ue", "ei", "acc-i", "acc-u")
                if (v, c) in table and not any(w in bad for w in table[(v, c)])]
        if len(good) == 1:
            print(f"{v}\t{good[0]}\t{' '.join(table[(v, good[0])])}")


if __name__ == "__main__":
    main()
