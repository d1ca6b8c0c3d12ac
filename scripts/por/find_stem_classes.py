#!/usr/bin/env python3
"""Proposes stem-class rows for data/por_stem_classes.tsv.

Candidates, most frequent first (wordfreq's Portuguese list): its -ar and -ir
infinitives that neither lexicon lists, and the infinitives behind frequent
words shaped like a present form with a class change (sinto → sentir,
durmo → dormir, sobe → subir, odeia → odiar, proíbe → proibir). For each
candidate the first person singular and third person singular of the
present and the first person of the present subjunctive are built under
every class; a class is proposed where hunspell (pt_PT or pt_BR) accepts
all three forms and both dictionaries reject the plain first person. The
proposals (lemma TAB class TAB forms) were read by hand before any became a
row.

Usage: python3 scripts/por/find_stem_classes.py [N]
"""
import os
import sys

from wordfreq import top_n_list

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from candidates import infinitives, listed, rejected, replace_last  # noqa: E402

DICTS = ("/usr/share/hunspell/pt_PT", "/usr/share/hunspell/pt_BR")
CLASSES = ("i", "u", "uo", "iw", "ei", "acc-i", "acc-u")


def attach(stem, ending, ar):
    if not ar and ending[0] in "ao":
        if stem.endswith("gu"):
            stem = stem[:-1]
        elif stem.endswith("qu"):
            stem = stem[:-2] + "c"
        elif stem.endswith("g"):
            stem = stem[:-1] + "j"
        elif stem.endswith("c"):
            stem = stem[:-1] + "ç"
    if ar and ending[0] == "e":
        if stem.endswith("g"):
            stem += "u"
        elif stem.endswith("c"):
            stem = stem[:-1] + "qu"
        elif stem.endswith("ç"):
            stem = stem[:-1] + "c"
    return stem + ending


def forms(inf, cls):
    s, ar = inf[:-2], inf.endswith("ar")
    v3, vs = ("a", "e") if ar else ("e", "a")
    if cls is None:
        a = b = c = s
    elif cls in ("i", "u"):
        if ar:
            return None
        a = replace_last(s, "e" if cls == "i" else "o", "i" if cls == "i" else "u")
        b, c = s, a
    elif cls == "uo":
        if ar:
            return None
        a, b, c = s, replace_last(s, "u", "o"), s
    elif cls == "iw":
        if ar:
            return None
        a = b = c = replace_last(s, "e", "i")
    elif cls == "ei":
        if not (ar and s.endswith("i")):
            return None
        a = b = c = s[:-1] + "ei"
    elif cls == "acc-i":
        a = b = c = replace_last(s, "i", "í")
    elif cls == "acc-u":
        a = b = c = replace_last(s, "u", "ú")
    if None in (a, b, c) or (cls and a == s and b == s):
        return None
    return [attach(a, "o", ar), attach(b, v3, ar), attach(c, vs, ar)]


UNDO = (("i", "e"), ("u", "o"), ("o", "u"), ("ei", "i"), ("í", "i"), ("ú", "u"))


def behind(word):
    if len(word) < 4 or word[-1] not in "oae":
        return []
    out = []
    body = word[:-1]
    for new, old in UNDO:
        i = body.rfind(new)
        if i < 0:
            continue
        stem = body[:i] + old + body[i + len(new):]
        for end in ("ar", "ir"):
            out.append(stem + end)
    if body.endswith("j"):
        out.append(body[:-1] + "gir")
    return out


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
    have = listed("por_stem_classes.tsv", "por_irregular.tsv")
    words = infinitives(top_n_list("pt", n), "a-zçáéíóúâêôãõü", "ar|ir", have, behind)
    ok_inf = set(words) - (rejected(words, DICTS[0]) & rejected(words, DICTS[1]))
    verbs = [w for w in words if w in ok_inf]
    table = {(v, c): forms(v, c) for v in verbs for c in (None,) + CLASSES}
    table = {k: f for k, f in table.items() if f}
    allw = sorted({w for f in table.values() for w in f})
    bad = [rejected(allw, d) for d in DICTS]
    for v in verbs:
        plain = table[(v, None)]
        if not all(plain[0] in b for b in bad):
            continue
        good = [c for c in CLASSES if (v, c) in table and any(not any(w in b for w in table[(v, c)]) for b in bad)]
        if len(good) == 1:
            print(f"{v}\t{good[0]}\t{' '.join(table[(v, good[0])])}")


if __name__ == "__main__":
    main()
