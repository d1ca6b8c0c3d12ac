#!/usr/bin/env python3
"""Conjugates lexicon lemmas with the built module and sends every form to
hunspell; prints the share of distinct forms that the dictionary accepts and
the words it rejects (to be looked at by hand).

Usage: python3 scripts/check_forms.py LANG DICT [LEMMA ...]
  with no lemma, the lemmas are read from standard input, one a line.
  DICT is a hunspell dictionary path without suffix (/usr/share/hunspell/es_ES),
  or several joined by commas: a form counts as accepted when one of them
  accepts it.
Compound forms are split at blanks, so the auxiliaries and pronouns are
checked as words of their own; "—" marks a missing form and is skipped.
"""
import os
import sys

import velnor

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import speller  # noqa: E402


def forms_of(table):
    out = set()
    for name in dir(table):
        if name.startswith("_"):
            continue
        value = getattr(table, name)
        for v in (value if isinstance(value, list) else [value]):
            if isinstance(v, str):
                for w in v.replace("-", " ").replace("'", " ").split():
                    if w != "—":
                        out.add(w)
    return out


def main():
    lang, dic = sys.argv[1], sys.argv[2]
    lemmas = sys.argv[3:] or [l.strip() for l in sys.stdin if l.strip()]
    words, failed = set(), []
    for lemma in lemmas:
        try:
            words |= forms_of(velnor.conjugate(lemma, lang=lang))
        except ValueError as e:
            failed.append((lemma, str(e)))
    bad = set(words)
    for d in dic.split(","):
        bad &= speller.rejected(words, d)
    bad = sorted(bad)
    share = 100.0 * (len(words) - len(bad)) / max(1, len(words))
    print(f"{len(lemmas)} lemmas, {len(words)} distinct forms, {len(bad)} rejected: {share:.2f} % accepted")
    for lemma, msg in failed:
        print("REFUSED", lemma, msg)
    print(" ".join(bad))


if __name__ == "__main__":
    main()
