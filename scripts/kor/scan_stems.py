"""Leads for irregular stems without a row: for each word of the comparison
(scripts/kor/comparison_words.py) whose stem ends in ㅂ, ㄷ, ㅅ, ㅎ or 르, the
intimate form of each class the stem could have is sent to hunspell-ko; a word
whose engine form hunspell-ko rejects while it accepts another class's form is
printed, to be judged by hand (hunspell-ko also accepts wrong forms of
compounds, 내두러 beside 내둘러).
Usage: python scripts/kor/scan_stems.py WORDS   (the output of comparison_words.py)
"""
import os
import sys

import velnor

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import speller  # noqa: E402

HUNSPELL = "/usr/share/hunspell/ko_KR"
T_D, T_L, T_B, T_S, T_H = 7, 8, 17, 19, 27


def jamo(c):
    i = ord(c) - 0xAC00
    return i // 588, (i % 588) // 28, i % 28


def syllable(l, v, t):
    return chr(0xAC00 + (l * 21 + v) * 28 + t)


def a_eo(v):
    return "아" if v in (0, 2, 8) else "어"


def readings(stem):
    """The intimate forms of the classes the stem's last syllable allows."""
    l, v, t = jamo(stem[-1])
    rest, out = stem[:-1], {stem + a_eo(v)}
    if t == T_B:
        out.add(rest + syllable(l, v, 0) + ("와" if stem.endswith(("돕", "곱")) else "워"))
    if t == T_D:
        out.add(rest + syllable(l, v, T_L) + a_eo(v))
    if t == T_S:
        out.add(rest + syllable(l, v, 0) + a_eo(v))
    if stem.endswith("르") and len(stem) > 1:
        l2, v2, _ = jamo(stem[-2])
        ending = "라" if v2 in (0, 8) else "러"
        out |= {stem[:-2] + syllable(l2, v2, T_L) + ending, stem[:-1] + ending, stem + "러"}
    return out if len(out) > 1 or t == T_H else set()


def main(path):
    words = [line.split("\t")[1].strip() for line in open(path, encoding="utf-8") if "\t" in line]
    alternatives = {w: readings(w[:-1]) for w in words if len(w) > 1}
    alternatives = {w: a for w, a in alternatives.items() if a}
    engine = {w: velnor.conjugate(w, lang="kor").intimate for w in alternatives}
    forms = sorted({f for a in alternatives.values() for f in a} | set(engine.values()))
    known = speller.known(forms, HUNSPELL)
    for w, forms in alternatives.items():
        if engine[w] not in known and any(f in known for f in forms):
            print(w, engine[w], " ".join(sorted(f for f in forms if f in known)))


if __name__ == "__main__":
    main(sys.argv[1])
