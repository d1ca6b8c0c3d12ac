"""Checks the engine's four forms of the frequent Korean verbs and adjectives.

The frequent lemmas: each Hangul word of wordfreq's 30,000 most frequent Korean
words (morphemes: 좋, 먹, 행복) that kiwipiepy reads, with 다 (or 하다 after a
noun), as one verb or adjective stem, and whose dictionary form hunspell-ko
knows. Every form of each lemma is then checked twice:
- hunspell-ko must accept it;
- the intimate and the adnominal, whose shape alone does not show the class,
  must also be read by kiwipiepy as a stem of the lemma's word class (verb,
  adjective) with the slot's ending: -아/-어, the adnominal -는 for a verb
  (and for 있다, 없다 and their compounds) and -(으)ㄴ for an adjective. A
  lemma that kiwipiepy reads as neither (싶다, 않다) may take either.
A form fails when either checker rejects it. The lemmas' classes come from the
analyser only to judge the output; nothing here writes data/.
Usage: python scripts/kor/check_frequent.py [N] [--list]   (N frequent lemmas, default 770;
       --list prints every failing form)
"""
import os
import re
import sys

import velnor
import wordfreq
from kiwipiepy import Kiwi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import speller  # noqa: E402

HUNSPELL = "/usr/share/hunspell/ko_KR"
SLOTS = ("intimate", "connective_ni", "adnominal_present", "formal_present")
ENDINGS = {"intimate": ("어", "아", "여", "어요", "아요", "여요")}
# The slots whose shape alone does not show the stem's class; the others are checked by hunspell alone.
KIWI_SLOTS = ("intimate", "adnominal_present")


def hunspell_known(words):
    return speller.known(words, HUNSPELL)


def kind(tag):
    base = tag.split("-")[0]
    return {"VV": "verb", "VA": "adj", "XSV": "verb", "XSA": "adj"}.get(base)


def frequent(kiwi, n, known_only=True):
    """The first n lemmas of the selection above (with known_only=False, also those hunspell-ko lacks)."""
    found = []
    for w in wordfreq.top_n_list("ko", 30000):
        if not re.fullmatch(r"[가-힣]+", w):
            continue
        toks = [(t.form, t.tag) for t in kiwi.analyze(w + "다", top_n=1)[0][0]]
        if len(toks) == 2 and toks[0][0] == w and toks[1][0] == "다" and toks[0][1].split("-")[0] in ("VV", "VA", "VX"):
            found.append((w + "다", kind(toks[0][1])))
        elif (len(toks) == 3 and toks[0][0] == w and toks[0][1].startswith("NN") and toks[1][0] == "하"
              and toks[1][1] in ("XSA", "XSV") and toks[2][0] == "다"):
            found.append((w + "하다", kind(toks[1][1])))
    known = hunspell_known([w for w, _ in found]) if known_only else {w for w, _ in found}
    seen, out = set(), []
    for w, k in found:
        if w in known and w not in seen:
            seen.add(w)
            out.append((w, k))
    return out[:n]


def kiwi_reads(kiwi, form, slot, cls, lemma):
    """Whether one of the analyser's readings of the form in a short phrase (the intimate with polite 요,
    the adnominal before 것) is a stem of the class with the slot's ending."""
    text = form + ("요" if slot == "intimate" else " 것" if slot == "adnominal_present" else "")
    # 있다, 없다 and their compounds (맛있다) take -는 although they are adjectives.
    if slot == "adnominal_present" and lemma.endswith(("있다", "없다")):
        cls = None
        want = ("는",)
    else:
        want = ("는",) if cls == "verb" else ("ᆫ", "은") if cls == "adj" else ("는", "ᆫ", "은")
    for toks, _ in kiwi.analyze(text, top_n=6):
        toks = [(t.form, t.tag) for t in toks]
        if slot == "intimate" and toks[-1][0] == "요":
            toks = toks[:-1]
        if slot == "adnominal_present" and toks[-1][0] == "것":
            toks = toks[:-1]
        if len(toks) < 2 or toks[-1][1] not in ("EF", "EC", "ETM"):
            continue
        stem_kinds = {kind(t) for _, t in toks[:-1] if kind(t)}
        if cls and cls not in stem_kinds:
            continue
        end = toks[-1][0]
        if slot == "adnominal_present":
            if toks[-1][1] == "ETM" and end in want:
                return True
        elif end in ENDINGS[slot]:
            return True
    return False


def main():
    n = int(next((a for a in sys.argv[1:] if a.isdigit()), 770))
    kiwi = Kiwi()
    lemmas = frequent(kiwi, n)
    tables = {w: velnor.conjugate(w, lang="kor") for w, _ in lemmas}
    forms = {f for t in tables.values() for f in (getattr(t, s) for s in SLOTS)}
    known = hunspell_known(sorted(forms))
    bands = [(0, 100), (100, 300), (300, n)]
    bad_lemmas, total_bad = [], 0
    band_stats = {b: [0, 0] for b in bands}
    kiwi_ok, kiwi_lemmas = 0, 0
    for i, (w, cls) in enumerate(lemmas):
        t = tables[w]
        read = [kiwi_reads(kiwi, getattr(t, s), s, cls, w) for s in KIWI_SLOTS]
        kiwi_ok += sum(read)
        kiwi_lemmas += all(read)
        bad = [(s, getattr(t, s)) for s in SLOTS
               if getattr(t, s) not in known or (s in KIWI_SLOTS and not kiwi_reads(kiwi, getattr(t, s), s, cls, w))]
        band = next(b for b in bands if b[0] <= i < b[1])
        band_stats[band][0] += 4 - len(bad)
        band_stats[band][1] += 4
        total_bad += len(bad)
        if bad:
            bad_lemmas.append((w, cls, bad))
    for (lo, hi), (ok, all_) in band_stats.items():
        print(f"lemmas {lo + 1}-{min(hi, len(lemmas))}: {ok}/{all_} forms accepted ({100 * ok / max(all_, 1):.1f} %)")
    print(f"{len(lemmas)} lemmas, {len(lemmas) - len(bad_lemmas)} with all four forms accepted; "
          f"{total_bad} forms rejected")
    print(f"Kiwi reads {kiwi_ok}/{2 * len(lemmas)} intimate and adnominal forms ({100 * kiwi_ok / max(2 * len(lemmas), 1):.1f} %) "
          f"as forms of the lemma's class; both forms of {kiwi_lemmas}/{len(lemmas)} lemmas "
          f"({100 * kiwi_lemmas / max(len(lemmas), 1):.1f} %)")
    if "--list" in sys.argv:
        for w, cls, bad in bad_lemmas:
            print(w, cls or "-", " ".join(f"{s}={f}" for s, f in bad))


if __name__ == "__main__":
    main()
