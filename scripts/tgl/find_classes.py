"""Finds unlisted Tagalog roots whose actor affix is mag- or ma- rather than the default -um-.

The affix class of a Tagalog root is lexical, so rows are the only way to give it. Candidates come from the
frequency list itself: every word of wordfreq's Filipino list that reads as an imperfective nag-/na- form (nag + the
reduplicated first syllable + root: nagdadasal, naglalaba; na + syllable + root: nanonood, natututo). A root is
proposed for a class when that class's imperfective and contemplated forms are both attested and clearly more
frequent than every -um- form of the root, which must itself be unlisted. Its patient class is the one among
-in, -an and i- whose forms are attested most, "in" when none is. The proposals are printed for review by hand:
a root goes into data/tgl.tsv only when it is a real verb root and the class reads right.

Usage: python scripts/tgl/find_classes.py [TOP]      (TOP: how many words of the list to read, default 100000)
Versions used are printed first.
"""
import re
import sys
from importlib.metadata import version

from wordfreq import top_n_list, zipf_frequency

import velnor

VOWELS = "aeiou"


def z(word):
    return zipf_frequency(word, "fil")


def syllable(root):
    """The reduplicated first syllable: a vowel-initial root repeats its vowel, else consonant + vowel."""
    if root[0] in VOWELS:
        return root[0]
    m = re.match(r"([^aeiou]+)([aeiou])", root)
    return m[1][-1] + m[2] if m else None


def infix(root, affix):
    if root[0] in VOWELS:
        return affix + root
    m = re.match(r"([^aeiou]+)(.*)", root)
    return m[1] + affix + m[2]


def forms(root):
    cv = syllable(root)
    if not cv:
        return None
    hy = "-" if root[0] in VOWELS else ""
    return {
        "um": [infix(root, "um"), infix(cv + root, "um")],
        "mag": ["nag" + hy + cv + root, "mag" + hy + cv + root],
        "ma": ["na" + cv + root, "ma" + cv + root],
        "in": [infix(root, "in"), cv + root + ("hin" if root[-1] in VOWELS else "in")],
        "an": [infix(root, "in") + ("han" if root[-1] in VOWELS else "an"), cv + root + ("han" if root[-1] in VOWELS else "an")],
        "i": ["i" + infix(root, "in"), "i" + cv + root],
    }


def listed(root):
    try:
        return velnor.conjugate(root, lang="tgl").actor[0] != infix(root, "um")
    except ValueError:
        return True


def main(top):
    print(f"# wordfreq {version('wordfreq')}, velnor {version('velnor')}, top {top} words of 'fil'")
    seen = set()
    for word in top_n_list("fil", top):
        word = word.replace("-", "")
        for head in ("nag", "na"):
            if not word.startswith(head) or not word.isalpha():
                continue
            rest = word[len(head):]
            for n in (1, 2):
                cv, root = rest[:n], rest[n:]
                if len(root) < 3 or root in seen or syllable(root) != cv:
                    continue
                seen.add(root)
                f = forms(root)
                if not f or listed(root):
                    continue
                cls = "mag" if head == "nag" else "ma"
                score = {k: [z(w) for w in v] for k, v in f.items()}
                if min(score[cls]) == 0 or max(score["um"]) > 0 or z(root) == 0:
                    continue
                patient = max(("in", "an", "i"), key=lambda k: sum(score[k]))
                if sum(score[patient]) == 0:
                    patient = "in"
                print(f"{root}\t{cls}\t{patient}\t{sum(score[cls]):.2f}\t{' '.join(f[cls])}\t{' '.join(f[patient])}")


if __name__ == "__main__":
    main(int(sys.argv[1]) if len(sys.argv) > 1 else 100000)
