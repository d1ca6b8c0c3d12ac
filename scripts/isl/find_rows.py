#!/usr/bin/env python3
"""Finds frequent Icelandic weak verbs that the engine conjugates like kalla but that belong to
the weak class with an i-present (dæma, dæmdi, dæmt; heyra, heyrði, heyrt; flæða, flæddi, flætt).

Candidates are words in -a from the wordfreq list, most frequent first, that Apertium's Icelandic
analyser (apertium-isl-eng) reads as an infinitive. For each one whose -aði past the analyser does
not know, the i-present forms (3sg present, past 1sg and 3pl, supine) are built from the stem by
the rules of the class and put to the analyser: a verb is proposed only when the analyser reads
every one of them as the expected form of that lemma, and hunspell-is knows the past. The output
lines are in the notation of scripts/isl/verbs.txt ("lemma | I | past | | supine"); verbs the rules
cannot place (strong verbs, ja-verbs) are printed to stderr for a person to write by hand.

With --compounds, the prefixed verbs that the engine matches to a listed base (viðurkenna from
kenna) are printed as rows of their own ("viður+kenna"), when the analyser reads the engine's
present, past, past subjunctive and supine as the forms of that very verb.

With --all-forms, the candidates are the verbs of which the analyser finds any form in the list.

With --compounds --any, every word in -a of the list is a candidate (hunspell-is confirms what the
analyser does not know).

With --dictionary, the candidates are the words of hunspell-is's own stem list that end in a lemma of
data/isl.tsv with at least two letters in front of it; a word is printed when hunspell-is knows at
least three of the engine's third singular present, past (1sg, 3pl), supine and past subjunctive.
What it prints is read by hand: nouns and adjectives (umræða, lóðrétta) come through too.
It also prints as "lemma | O" the words in -a whose -aði past hunspell-is knows while it does not
know the past the match gives (afreka taken by reka): -aði verbs that need a row to stop the match.

With --prefixed, the candidates are a common prefix or particle (af, fram, upp, út, við, yfir, ...)
in front of a lemma of data/isl.tsv, kept when the analyser knows the whole word as an infinitive;
they go through the --compounds check and are ranked by the frequency of the verb's forms in the
wordfreq list, then by that of the base.

    python3 scripts/isl/find_rows.py [--compounds [--any]] [--all-forms] [--prefixed] [--dictionary] [N]    (N: how many candidates to read; needs lt-proc, hunspell, velnor)
"""
import os
import sys

import velnor
from wordfreq import top_n_list, zipf_frequency

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import candidates  # noqa: E402

AUTOMORF = "/usr/share/apertium/apertium-isl-eng/isl-eng.automorf.bin"
VOWELS = "aáeéiíoóuúyýæö"
LONG = "áéíóúýæöei"  # long vowels and the diphthongs' last letters (au, ei, ey)


def analyse(words):
    return candidates.analyse(words, AUTOMORF)


def hunspell_known(words):
    return candidates.known(words, "/usr/share/hunspell/is_IS")


def umlaut(stem):
    for i in range(len(stem) - 1, -1, -1):
        if stem[i] in VOWELS:
            return stem[:i] + "ö" + stem[i + 1:] if stem[i] == "a" else stem
    return stem


def i_class(inf):
    """(past 1sg, supine) of a weak i-present verb, by the shape of its stem, or None."""
    s = inf[:-1]
    if s.endswith("j"):
        return None  # ja-verbs are written by hand
    last, prev = s[-1], s[-2] if len(s) > 1 else ""
    if last == "ð":
        if prev in VOWELS:  # fæða: fæddi, fætt
            return s[:-1] + "ddi", s[:-1] + "tt"
        if prev in "rl":  # herða: herti, hert; fullyrða
            return s[:-1] + "ti", s[:-1] + "t"
        return None
    if last == "d":
        if prev == "n":  # venda: venti, vent
            return s[:-1] + "ti", s[:-1] + "t"
        if prev in "lr":  # gilda: gilti, gilt
            return s[:-1] + "ti", s[:-1] + "t"
        return None
    if last == "t":
        if prev == "t" or prev in VOWELS:  # hitta: hitti, hitt; bæta: bætti, bætt
            base = s if prev == "t" else s + "t"
            return base + "i", base
        return s + "i", s  # festa: festi, fest
    if last in "pks":
        if prev == last:  # keppa: keppti, keppt
            return s + "ti", s + "t"
        if prev == "x":
            return None
        return s + "ti", s + "t"  # ræsa: ræsti, ræst; starfrækja has j
    if last in "lmn":
        if prev == last:  # fylla: fyllti, fyllt; kenna: kenndi, kennt; skemma: skemmdi, skemmt
            return (s + ("ti" if last == "l" else "di")), s + "t"
        return s + "di", s + "t"  # dæma: dæmdi, dæmt; sýna: sýndi, sýnt
    if last in "rfg" or last in VOWELS:
        return s + "ði", s + "t"  # heyra: heyrði, heyrt; æfa: æfði, æft
    return None


def before_i(stem):
    if stem.endswith("j") and len(stem) > 1 and (stem[-2] in "gk" or stem[-2] in VOWELS):
        return stem[:-1]
    return stem


def base_of(word, rows):
    """The lemma that the engine matches to the word: the longest that ends it, exact-only lemmas only whole."""
    best = None
    for lemma, exact in rows:
        if (word == lemma if exact else word.endswith(lemma)) and (best is None or len(lemma) > len(best)):
            best = lemma
    return best


PREFIXES = ("að af aftur al and á burt end endur fjar fram frá fyrir gegn heim inn innan mis niður of "
            "ofan sam saman til um undan undir upp út við viður yfir ör van tor full rang stað gjör ráð sann hag "
            "frum eftir mót fjöl sjálf jafn hálf ofur ein sér lög bak tví ný brott inni hand").split()


def lexicon_rows():
    """(lemma, whether it matches only the whole word) for each row of data/isl.tsv, in file order."""
    rows = []
    with open("data/isl.tsv", encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                c = line.rstrip("\n").split("\t")
                rows.append((c[0], c[9] == "1"))
    return rows


def prefixed_candidates(n):
    """Prefix + listed base, kept when the analyser reads the word as an infinitive, most frequent first."""
    bases = [lemma for lemma, exact in lexicon_rows() if not exact]
    listed = set(bases)
    words = sorted({p + b for p in PREFIXES for b in bases if p + b not in listed})
    an = analyse(words)
    hk = hunspell_known(words)
    infs = [w for w in words if w in hk or any(a.startswith(w + "<vblex>") and "<inf>" in a for a in an.get(w, []))]
    # Weight: the summed frequency of every word of the list that the analyser reads as a form of the verb.
    every = [w for w in top_n_list("is", n) if w.isalpha() and w.islower()]
    an_all = analyse(every)
    weight = {}
    for w in every:
        for lemma in {a.split("<", 1)[0] for a in an_all.get(w, []) if "<vblex>" in a}:
            weight[lemma] = weight.get(lemma, 0.0) + 10 ** zipf_frequency(w, "is")
    base_w = {w: max(zipf_frequency(b, "is") for b in bases if w.endswith(b)) for w in infs}
    return sorted(infs, key=lambda v: (-weight.get(v, 0.0), -base_w[v], v))


def dictionary():
    rows = lexicon_rows()
    listed = {r for r, _ in rows}
    words = set()
    with open("/usr/share/hunspell/is_IS.dic", encoding="utf-8", errors="ignore") as f:
        for line in f:
            w = line.split("/")[0].strip()
            if w and w.islower() and w.isalpha() and w not in listed:
                words.add(w)
    found = []
    aði = []
    for w in sorted(words):
        b = base_of(w, rows)
        if b and w.endswith("a"):
            t = velnor.conjugate(w, lang="isl")
            aði.append((w, w[:-1] + "aði", t.past[0]))
        if b and len(w) - len(b) >= 2:
            t = velnor.conjugate(w, lang="isl")
            found.append((w, b, [t.present[2], t.past[0], t.past[5], t.supine, t.subjunctive_past[0]]))
    hk = hunspell_known([f for _, _, fs in found for f in fs] + [f for _, a, p in aði for f in (a, p)])
    for w, a, p in aði:
        if a in hk and p not in hk and p != a:
            print(f"{w} | O")
    out = []
    for w, b, fs in found:
        if sum(f in hk for f in fs) >= 3:
            out.append((max(zipf_frequency(f, "is") for f in fs + [w]), w, b))
    for z, w, b in sorted(out, key=lambda x: (-x[0], x[1])):
        print(f"{w[:-len(b)]}+{b}    # {z:.2f}")


def compounds(infs):
    rows = lexicon_rows()
    cands = []
    for w in infs:
        b = base_of(w, rows)
        if b and b != w:
            cands.append((w, b, velnor.conjugate(w, lang="isl")))
    an2 = analyse([f for _, _, t in cands for f in t.present + t.past + t.subjunctive_past + [t.supine]])
    # The analyser knows few prefixed verbs; for the others hunspell-is must know the infinitive and
    # the third singular present, first singular and third plural past, first singular past
    # subjunctive and supine that the engine gives.
    hk = hunspell_known([f for w, _, t in cands for f in [w, t.present[2], t.past[0], t.past[5],
                                                          t.subjunctive_past[0], t.supine]])
    for w, b, t in cands:
        tagged = [(f, "<pri>") for f in t.present] + [(f, "<past>") for f in t.past] + \
                 [(f, "<pss>") for f in t.subjunctive_past] + [(t.supine, "<supn>")]
        if all(any(a.startswith(w + "<vblex>") and tag in a for a in an2.get(f, [])) for f, tag in tagged):
            print(f"{w[:-len(b)]}+{b}    # {zipf_frequency(w, 'is'):.2f}")
        elif not an2.get(t.past[0], [""])[0].startswith(w + "<") and \
                all(f in hk for f in [w, t.present[2], t.past[0], t.past[5], t.subjunctive_past[0], t.supine]):
            print(f"{w[:-len(b)]}+{b}    # {zipf_frequency(w, 'is'):.2f} hunspell")
        else:
            print("#compound not confirmed", w, b, file=sys.stderr)


def main():
    if "--dictionary" in sys.argv:
        return dictionary()
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    n = int(args[0]) if args else 50000
    words = [w for w in top_n_list("is", n) if w.endswith("a") and w.isalpha() and w.islower() and len(w) > 3]
    an = analyse(words)
    infs = [w for w in words if any(a == w + "<vblex><actv><inf>" or a.startswith(w + "<vblex>") and "<inf>" in a
                                    for a in an.get(w, []))]
    if "--all-forms" in sys.argv:
        # Each verb weighs the summed frequency of all its forms in the list, so that a verb whose
        # infinitive is rare there but whose forms are common is found too.
        every = [w for w in top_n_list("is", n) if w.isalpha() and w.islower()]
        an_all = analyse(every)
        weight = {}
        for w in every:
            for lemma in {a.split("<", 1)[0] for a in an_all.get(w, []) if "<vblex>" in a}:
                if lemma.endswith("a") and lemma.isalpha() and lemma.islower():
                    weight[lemma] = weight.get(lemma, 0.0) + 10 ** zipf_frequency(w, "is")
        infs = sorted(weight, key=lambda v: -weight[v])
    if "--compounds" in sys.argv and "--any" in sys.argv:
        # Every word in -a of the list, not only those the analyser knows as infinitives.
        return compounds(words)
    if "--prefixed" in sys.argv:
        return compounds(prefixed_candidates(n))
    if "--compounds" in sys.argv:
        return compounds(infs)
    todo = []
    for w in infs:
        t = velnor.conjugate(w, lang="isl")
        todo.append((w, t))
    probe = []
    for w, t in todo:
        s = w[:-1]
        probe += [s + "aði", t.past[0], t.supine]
        ic = i_class(w)
        if ic:
            probe += [before_i(s) + "ir", ic[0], umlaut(ic[0][:-1]) + "u", ic[1]]
    an2 = analyse(probe)
    hk = hunspell_known(probe)

    def reads(form, lemma, *tags):
        return any(a.startswith(lemma + "<vblex>") and all(tg in a for tg in tags) for a in an2.get(form, []))

    for w, t in todo:
        s = w[:-1]
        if reads(t.past[0], w, "<past>") and reads(t.supine, w, "<supn>"):
            continue  # the engine's past and supine are already the analyser's
        if reads(s + "aði", w, "<past>"):
            continue
        ic = i_class(w)
        if ic and reads(before_i(s) + "ir", w, "<pri>") and reads(ic[0], w, "<past>") \
                and reads(umlaut(ic[0][:-1]) + "u", w, "<past>", "<p3><pl>") and ic[0] in hk:
            print(f"{w} | I | {ic[0]} | | {ic[1]}    # {zipf_frequency(w, 'is'):.2f}")
        else:
            print("#undecided", w, round(zipf_frequency(w, "is"), 2), t.past[0], file=sys.stderr)


if __name__ == "__main__":
    main()
