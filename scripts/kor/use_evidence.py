"""Kiwi's evidence of use for Korean words whose class (action or descriptive verb) is in doubt.

For each word it prints Kiwi's reading of the dictionary form (the tag of its stem: VV or XSV for a verb, VA or
XSA for an adjective) and the difference between Kiwi's scores of two phrases, the word's -는 adnominal before a
noun and its -(으)ㄴ adnominal before the same noun ("실감나는 사람" against "실감난 사람"). An adjective has no
-는 form, so its -는 phrase scores far below the -(으)ㄴ one (완전하다 -6.7, 좋다 -7.1, 엄청나다 -6.2); a verb's
-는 phrase scores near its past -(으)ㄴ one or above it (먹다 +0.8, 사랑하다 +4.8, 실감나다 +2.1). Kiwi's model
was trained on running text, so the score is its measure of use. The words that scripts/kor/adjectives.py lists
or keeps as verbs against these readings were read by hand; this script only prints the evidence.

Usage: python scripts/kor/use_evidence.py WORD... | --dictionary [--all] | --ending
   --dictionary: every word of hunspell-ko in 다 whose classes are in doubt (both classes, or adjective only),
   with the engine's adnominal; prints the ones where the engine and Kiwi disagree (all with --all).
   --ending: the words hunspell-ko has only as adjectives whose last part is a word it has only as a verb
   (실감나다: 나다), grouped by that part, with Kiwi's evidence.
"""
import sys
import pathlib

from kiwipiepy import Kiwi

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import dictionary_classes  # noqa: E402

VERB_TAGS = ("VV", "XSV")
ADJ_TAGS = ("VA", "XSA")


def jamo_t(ch):
    return (ord(ch) - 0xAC00) % 28


def adnominals(lemma):
    """The -는 adnominal (an ㄹ drops: 아는) and the -(으)ㄴ one, made from the engine's -(으)니 form, whose
    stem before 니 is the one -(으)ㄴ takes in every class (추우니 추운, 나으니 나은, 아니 안, 파라니 파란)."""
    import velnor
    s = lemma[:-1]
    nun = (s[:-1] + chr(ord(s[-1]) - 8) if jamo_t(s[-1]) == 8 else s) + "는"
    ni = velnor.conjugate(lemma, lang="kor").connective_ni[:-1]
    return nun, ni[:-1] + chr(ord(ni[-1]) + 4)


def stem_tag(kiwi, lemma):
    toks = kiwi.analyze(lemma, top_n=1)[0][0]
    tags = [t.tag.split("-")[0] for t in toks if t.tag.split("-")[0] in VERB_TAGS + ADJ_TAGS]
    return tags[-1] if tags else "-"


def score_gap(kiwi, lemma, forms=None):
    nun, n = forms or adnominals(lemma)
    a = kiwi.analyze(nun + " 사람", top_n=1)[0][1]
    b = kiwi.analyze(n + " 사람", top_n=1)[0][1]
    return a - b


def evidence(kiwi, lemma, forms=None):
    """(Kiwi's stem tag, score gap, Kiwi's verdict: verb, adj or ?)."""
    tag = stem_tag(kiwi, lemma)
    gap = score_gap(kiwi, lemma, forms)
    if tag in VERB_TAGS and gap > -4.0 or gap > 0.0:
        verdict = "verb"
    elif tag in ADJ_TAGS and gap < -4.0 or gap < -6.0:
        verdict = "adj"
    else:
        verdict = "?"
    return tag, gap, verdict


def main():
    kiwi = Kiwi()
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    if "--ending" in sys.argv:
        words = dictionary_classes.classes()
        groups = {}
        for w, k in sorted(words.items()):
            if k != {"adj"}:
                continue
            part = next((w[i:] for i in range(1, len(w) - 1) if w[i:] in words), None)
            if part and words[part] in ({"verb"}, {"verb", "other"}):
                groups.setdefault(part, []).append(w)
        for part, ws in sorted(groups.items(), key=lambda g: -len(g[1])):
            print(f"{part} {len(ws)}: " + " ".join(f"{w}({evidence(kiwi, w)[2]})" for w in ws))
        return
    if "--dictionary" not in sys.argv:
        for w in args:
            tag, gap, verdict = evidence(kiwi, w)
            print(f"{w}\t{tag}\t{gap:+.1f}\t{verdict}")
        return
    import velnor
    for w, k in sorted(dictionary_classes.classes().items()):
        if "adj" not in k or "exist" in k:
            continue
        t = velnor.conjugate(w, lang="kor")
        engine = "verb" if t.adnominal_present.endswith("는") and not w.endswith(("있다", "없다")) else "adj"
        if engine == "verb" and jamo_t(w[-2]) == 8 and t.adnominal_present == adnominals(w)[0]:
            engine = "verb"
        tag, gap, verdict = evidence(kiwi, w)
        if "--all" in sys.argv or (verdict != "?" and verdict != engine):
            print(f"{w}\t{','.join(sorted(k))}\t{engine}\t{t.adnominal_present}\t{tag}\t{gap:+.1f}\t{verdict}")


if __name__ == "__main__":
    main()
