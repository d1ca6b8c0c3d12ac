"""German compound verbs of the frequency list, read by class.

usage: python scripts/deu/compounds.py [--all]
Takes every word of wordfreq's German top 300,000 that has the infinitive's shape, that the de_DE
hunspell dictionary knows and that passes the long-tail scan's verb test, and looks for a split
first part + rest where the rest is itself such a verb. For each verb whose table does not place
that first part as a separable element (the present reads "<rest form> <first part>") or as an
inseparable one, it prints the first part, the verb, what the engine gives (present 1sg,
preterite 1sg, participle, zu-infinitive) and which of the separable forms hunspell knows
(participle first+ge..., zu-infinitive first+zu+rest). Grouped by first part, biggest group first.
The dictionary is a checker only: nothing of it goes into data/.
"""
import collections
import pathlib
import sys

import velnor
import wordfreq

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

H = speller.dictionary("de_DE")


def pred(w):
    s = w[:-2] if w.endswith("en") else w[:-1]
    return [w + "d", s + "t", s + "et", "ge" + s + "t", "ge" + s + "et", s + "te"]


def is_verb(w):
    for p in pred(w):
        if p != w and H.spell(p) and w in H.stem(p):
            return True
    return False


def candidates():
    out = []
    for w in wordfreq.top_n_list("de", 300000):
        if w.isalpha() and w == w.lower() and len(w) >= 3 and w.endswith("n") and H.spell(w) and is_verb(w):
            i = w.find("zu", 1)
            if i > 0 and H.spell(w[:i] + w[i + 2:]):
                continue
            out.append(w)
    return out


INSEPARABLE = ("be", "emp", "ent", "er", "ge", "miss", "miß", "ver", "zer")


def particle(t):
    """The engine's detached element, joined (stelle wieder her -> wiederher), or "" when none."""
    pres = t.present[0]
    return pres.split(" ", 1)[1].replace(" ", "") if " " in pres else ""


def main():
    show_all = "--all" in sys.argv
    verbs = candidates()
    known = set(verbs)

    def verb_like(w):
        return w in known or (H.spell(w) and is_verb(w))

    words = [w for w in wordfreq.top_n_list("de", 300000)
             if w.isalpha() and w == w.lower() and len(w) >= 6 and w.endswith("n")]
    groups = collections.defaultdict(list)
    for w in words:
        for i in range(len(w) - 4, 1, -1):
            first, rest = w[:i], w[i:]
            if first in INSEPARABLE or not (H.spell(first) or H.spell(first.capitalize())):
                continue
            if rest.startswith("zu") or not verb_like(rest):
                continue
            break
        else:
            continue
        try:
            t = velnor.conjugate(w)
        except ValueError:
            continue
        d = particle(t)
        if d == first and not show_all:
            continue
        base = velnor.conjugate(rest)
        part = first + "ge" + base.past_participle.removeprefix("ge") if base.past_participle.startswith("ge") \
            else first + base.past_participle
        zu = first + "zu" + rest
        evidence = ("W" if H.spell(w) else "-") + ("P" if H.spell(part) else "-") + ("Z" if H.spell(zu) else "-")
        groups[first].append((w, evidence, t.present[0], t.preterite[0], t.past_participle, t.zu_infinitive))
    n = sum(map(len, groups.values()))
    print(len(words), "words;", n, "whose longest first part the engine does not detach", file=sys.stderr)
    for first, rows in sorted(groups.items(), key=lambda kv: (-sum(r[1] != "---" for r in kv[1]), kv[0])):
        print(f"## {first} ({len(rows)})")
        for r in rows:
            print("  " + " | ".join(r))


if __name__ == "__main__":
    main()
