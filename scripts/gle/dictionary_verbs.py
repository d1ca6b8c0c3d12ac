#!/usr/bin/env python3
"""The verbs of the ga_IE hunspell dictionary (Debian's myspell-ga), and how the engine's forms of
them check against it.

The dictionary lists a verb by its present first singular with a flag of its conjugation (A: molaim,
C: beannaím, I: campálaim); the lemma (the second singular imperative) is read back from that form
(molaim > mol, osclaím > oscail, tiománaim > tiomáin, campálaim > campáil) and kept when the
dictionary knows it too. For each such verb the engine's forms are put to the dictionary:

    python3 scripts/gle/dictionary_verbs.py            # share of forms known; present 1sg == dictionary's
    python3 scripts/gle/dictionary_verbs.py --list     # lemma and dictionary 1sg, one a line
    python3 scripts/gle/dictionary_verbs.py --misses   # verbs whose present 1sg differs from the dictionary's

Needs hunspell, myspell-ga and the built module.
"""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import speller  # noqa: E402

DIC = "/usr/share/hunspell/ga_IE.dic"
V = "aeiouáéíóú"
ROWS = ["present", "past", "past_habitual", "future", "conditional", "imperative", "subjunctive"]
PRONOUNS = {"mé", "tú", "sé/sí", "muid", "sibh", "siad"}


def broadened(s):
    """Lemmas whose stem was broadened: tiomán > tiomáin, aiseag > aisig."""
    m = re.match(rf"^(.*?)([{V}]+)([^{V}]+)$", s)
    if not m:
        return []
    pre, vow, cons = m.groups()
    if vow == "ea":
        return [pre + "i" + cons]
    return [pre + vow + "i" + cons] if vow in ("a", "á", "ó", "ú", "o", "u") else []


def unsyncopated(s):
    """Lemmas whose second syllable was syncopated: aifr > aifir, oscl > oscail."""
    if len(s) > 2 and s[-1] not in V and s[-2] not in V:
        return [s[:-1] + "ai" + s[-1], s[:-1] + "i" + s[-1], s[:-1] + "ea" + s[-1]]
    return []


def verbs():
    """lemma -> the dictionary's present first singular."""
    words, flags = set(), {}
    with open(DIC, encoding="latin-1") as f:
        for line in f:
            parts = line.strip().split("/")
            w = parts[0]
            if w and w == w.lower():
                words.add(w)
                flags[w] = parts[1] if len(parts) > 1 else ""
    first = {}
    for w, fl in flags.items():
        if "I" in fl and w.endswith("álaim"):
            cands = [w[:-5] + "áil"]
        elif "C" in fl and w.endswith("aím"):
            cands = [w[:-3] + "aigh"] + unsyncopated(w[:-3])
        elif "C" in fl and w.endswith("ím"):
            cands = [w[:-2] + "igh"] + unsyncopated(w[:-2]) + [w[:-2]]
        elif "A" in fl and w.endswith("aim"):
            s = w[:-3]
            cands = [s] + broadened(s) + [s + "igh", s + "aigh"]
        elif "A" in fl and w.endswith("im"):
            s = w[:-2]
            # a stem in a vowel is a verb in -igh (báim: báigh, not the noun bá)
            cands = [s + "igh", s] if s[-1] in V else [s, s + "igh"]
        else:
            continue
        for c in cands:
            if c in words:
                first[c] = w
                break
    return first


def forms(t):
    out = [t.lemma, t.verbal_noun, t.verbal_adjective]
    for name in ROWS:
        for s in getattr(t, name):
            for w in (s or "").split(" "):
                if w and w not in PRONOUNS:
                    out.append(w[2:] if w.startswith("d'") else w)
    return out


def main():
    import velnor
    first = verbs()
    if "--list" in sys.argv:
        for lemma, f in sorted(first.items()):
            print(lemma, f)
        return
    tables = {lemma: velnor.conjugate(lemma, lang="gle") for lemma in first}
    if "--misses" in sys.argv:
        for lemma, t in sorted(tables.items()):
            if t.present[0] != first[lemma]:
                print(lemma, first[lemma], t.present[0], t.verbal_noun, t.verbal_adjective)
        return
    every = {lemma: forms(t) for lemma, t in tables.items()}
    distinct = sorted({w for fs in every.values() for w in fs})
    unknown = speller.rejected(distinct, "ga_IE")
    n = sum(len(fs) for fs in every.values())
    known = sum(w not in unknown for fs in every.values() for w in fs)
    same = sum(t.present[0] == first[lemma] for lemma, t in tables.items())
    print(f"{len(first)} verbs: present 1sg as the dictionary's {same} ({100 * same / len(first):.1f} %); "
          f"forms known {known} of {n} ({100 * known / n:.1f} %)")


if __name__ == "__main__":
    main()
