"""What the scripts that look for verbs to add share: the words a hunspell
dictionary rejects or knows (scripts/speller.py), what an Apertium analyser reads in words, the
lemmas the lexicon lists already, and a stem edit.

A script in scripts/<code>/ imports it after putting scripts/ on sys.path.
"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import speller  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def rejected(words, dic):
    """The words that the hunspell dictionary `dic` (a path without suffix) rejects."""
    return speller.rejected(words, dic)


def known(words, dic):
    """The words that the hunspell dictionary `dic` (a path without suffix) knows."""
    return speller.known(words, dic)


def analyse(words, automorf):
    """word -> the readings that the Apertium analyser `automorf` (a compiled .bin) gives it, for the
    words that it prints ("*word" for one it does not know)."""
    words = sorted(set(words))
    out = subprocess.run(["lt-proc", automorf], input="\n".join(words) + "\n", capture_output=True, text=True,
                         check=True).stdout
    res = {}
    for line in out.split("\n"):
        line = line.strip()
        if line.startswith("^"):
            parts = line[1:].rstrip("$").split("/")
            res[parts[0]] = parts[1:]
    return res


def listed(*names):
    """The lemmas (first cells) of the rows of the named data files."""
    lemmas = set()
    for name in names:
        with open(os.path.join(ROOT, "data", name), encoding="utf-8") as f:
            lemmas |= {line.split("\t")[0] for line in f if line.strip() and not line.startswith("#")}
    return lemmas


def replace_last(s, old, new):
    """`s` with its last `old` made `new`; None where `old` is not in it."""
    i = s.rfind(old)
    return None if i < 0 else s[:i] + new + s[i + len(old):]


def infinitives(top, letters, endings, have, behind):
    """Infinitives to look at, in the order of the frequency list `top`: its
    words of three or more `letters` (a regex class) before one of `endings`
    (a regex alternation), then what `behind` gives for its other words of
    those letters; none that `have` holds, none twice."""
    words = [w for w in top if re.fullmatch(rf"[{letters}]{{3,}}({endings})", w) and w not in have]
    seen = set(words)
    for w in top:
        if re.fullmatch(rf"[{letters}]+", w):
            for inf in behind(w):
                if inf not in have and inf not in seen:
                    seen.add(inf)
                    words.append(inf)
    return words
