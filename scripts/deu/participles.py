"""German compound verbs found through their participles and zu-infinitives in the frequency list.

usage: python scripts/deu/participles.py
For every word of wordfreq's German top 300,000 that is a first part X followed by the participle
("ge...") or the "zu" + infinitive of a verb V of the long-tail candidate list, the engine conjugates
the infinitive X + V; where its participle (or zu-infinitive) is not the word found, the line is
printed, grouped by X, biggest group first. X must be a word the de_DE hunspell dictionary knows
(in lower case or capitalised). The frequency list shows which compounds are in use; the dictionary
is a checker only.
"""
import collections
import pathlib
import sys

import velnor
import wordfreq

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from compounds import H, candidates  # noqa: E402


def main():
    simplex = {}
    zu = {}
    for v in candidates():
        t = velnor.conjugate(v)
        if " " in t.present[0] or not t.past_participle.startswith("ge"):
            continue
        simplex.setdefault(t.past_participle, v)
        zu.setdefault("zu" + v, v)
    groups = collections.defaultdict(list)
    for w in wordfreq.top_n_list("de", 300000):
        if not (w.isalpha() and w == w.lower()):
            continue
        for i in range(2, len(w) - 4):
            first, rest = w[:i], w[i:]
            v = simplex.get(rest) or zu.get(rest)
            if v is None:
                continue
            if not (H.spell(first) or H.spell(first.capitalize())):
                continue
            t = velnor.conjugate(first + v)
            got = t.past_participle if rest in simplex else t.zu_infinitive
            if got != w:
                groups[first].append(f"{w} ({first}+{v}: {got}; {t.present[0]})")
            break
    for first, rows in sorted(groups.items(), key=lambda kv: (-len(kv[1]), kv[0])):
        print(f"## {first} ({len(rows)})")
        for r in rows:
            print("  " + r)


if __name__ == "__main__":
    main()
