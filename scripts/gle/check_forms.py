#!/usr/bin/env python3
"""Lists the forms of every Irish lexicon verb that the ga_IE hunspell
dictionary does not know (needs hunspell and the Irish dictionary:
apt-get install hunspell myspell-ga).

    python3 scripts/gle/check_forms.py [data/gle.tsv]
"""
import os
import sys

import velnor

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import speller  # noqa: E402

ROWS = ["present", "past", "past_habitual", "future", "conditional", "imperative", "subjunctive"]
PRONOUNS = {"mé", "tú", "sé/sí", "muid", "sibh", "siad"}


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "data/gle.tsv"
    words = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            lemma = line.split("\t", 1)[0]
            t = velnor.conjugate(lemma, lang="gle")
            forms = [t.lemma, t.verbal_noun, t.verbal_adjective]
            for name in ROWS:
                forms += [s for s in getattr(t, name) if s]
            for form in forms:
                for w in form.split(" "):
                    if w in PRONOUNS:
                        continue
                    words.setdefault(w[2:] if w.startswith("d'") else w, set()).add(lemma)
    for w in sorted(speller.rejected(words, "ga_IE")):
        print(w, " ".join(sorted(words.get(w, ()))))


if __name__ == "__main__":
    main()
