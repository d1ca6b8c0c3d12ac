#!/usr/bin/env python3
"""Finds frequent Danish verbs that need a row in data/dan.tsv, and prints the rows.

Candidates are the verbs that Apertium's Danish analyser (apertium-dan-nor) finds among the words
of the wordfreq list and that have no row yet, most frequent first (a verb weighs the summed
frequency of its forms in the list). For each one the engine's past,
past participle and imperative are put to the analyser and to hunspell's da_DK dictionary:

- when both accept all three, the verb needs a row only if a form differs from the class-1 defaults
  that the list's format assumes (past in -ede/-de, participle in -et, imperative = the stem): a
  compound of a listed verb (planlægge, planlagde, planlagt) or a stem in a double consonant whose
  imperative drops one (stoppe, stop). The row gives those forms.
- otherwise the forms of the second weak class (spise, spiste, spist, spis) are tried the same way,
  and a verb whose forms both accept gets a row with them;
- a word the analyser does not know at all is taken when the engine reads it as a compound of a
  listed verb (its forms are not the class-1 defaults) and hunspell knows the word, its past and its
  past participle as the engine gives them (genopstå, genopstod, genopstået);
- a verb of neither kind (strong verbs, compounds of unlisted strong verbs) is printed to stderr with
  the engine's forms, for a person to write by hand.

With --deponents, the words of the list that the analyser reads as the infinitive of a deponent
(mødes, skændes) are taken instead; the past is the past of the verb without -s followed by -s or
-es (mødtes, sloges), given as the past participle too when it is weak (har mødtes), and a row is
printed when the analyser reads that past as the deponent's and hunspell knows it.

    python3 scripts/dan/find_rows.py [--deponents] [N]   (N: how many words of the list to read; needs lt-proc, hunspell, velnor)
"""
import os
import sys

import velnor
from wordfreq import top_n_list, zipf_frequency

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import candidates  # noqa: E402

AUTOMORF = "/usr/share/apertium/apertium-dan-nor/dan-nob.automorf.bin"
VOWELS = "aeiouyæøå"


def analyse(words):
    return candidates.analyse(words, AUTOMORF)


def known(words):
    return candidates.known(words, "/usr/share/hunspell/da_DK")


def stem(lemma):
    if len(lemma) > 1 and lemma.endswith("e") and lemma[-2] not in VOWELS:
        return lemma[:-1]
    return lemma


def defaults(lemma):
    """past, past participle, imperative by the class-1 defaults of the list's format."""
    s = stem(lemma)
    return (lemma + "de" if lemma.endswith("e") else lemma + "ede"), s + "et", s


def short(s):
    """A final double consonant is written single at the end of a word (stop, kys, luk)."""
    return s[:-1] if len(s) > 2 and s[-1] == s[-2] and s[-1] not in VOWELS else s


def second(lemma):
    """past, past participle, imperative of the second weak class (spise, spiste, spist, spis)."""
    s = stem(lemma)
    b = short(s)
    if s.endswith("t"):  # stems in t are first-class (vente, støtte) or irregular (sætte)
        return None
    return b + "te", b + "t", b


TAGS = ("<past>", "<pp>", "<imp>")

# Words whose second-class forms both checkers accept only as other words (rent, stolt, fast, bort,
# test are adjectives, adverbs or nouns): first-class verbs or no verbs at all.
# Words the analyser also reads as verbs that are not in use as verbs (natte, hulle, busse) or too
# rare to confirm; read by hand and left out.
NO_VERB = {"natte", "nette", "hulle", "hitte", "patte", "busse", "kulle", "brætte", "trekke", "pippe", "irre",
           "glitte", "rubbe", "bippe", "loppe"}
# Passives of ordinary verbs that the analyser also reads as deponents.
PASSIVES = {"ledes", "omtales", "opleves"}
NOT_SECOND = {"rene", "stole", "fase", "bore", "gabe", "lune", "tese", "mase", "ose", "ruse", "bruse"}


def deponents(words, listed):
    an = analyse(words)
    deps = [w for w in words if w.endswith("s") and w not in listed and w not in PASSIVES
            and any(a.startswith(w + "<vblex><inf><actv>") for a in an.get(w, []))]
    past, weak = {}, {}
    for w in deps:
        p = velnor.conjugate(w[:-1], lang="dan").past
        past[w] = p + ("s" if p[-1] in VOWELS else "es")
        weak[w] = p.endswith(("de", "te"))
    an2 = analyse(list(past.values()))
    ok = known(list(past.values()))
    for w in deps:
        p = past[w]
        if p in ok and any(a.startswith(w + "<vblex><past>") for a in an2.get(p, [])):
            print("\t".join((w, "-", p, p if weak[w] else "-", "-", "-", "-")))
        else:
            print("#undecided", w, round(zipf_frequency(w, "da"), 2), p, file=sys.stderr)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    limit = int(args[0]) if args else 1000000
    if "--deponents" in sys.argv:
        listed = {l.split("\t", 1)[0] for l in open("data/dan.tsv", encoding="utf-8") if not l.startswith("#")}
        return deponents([w for w in top_n_list("da", limit) if w.isalpha() and w.islower()], listed)
    listed = {l.split("\t", 1)[0] for l in open("data/dan.tsv", encoding="utf-8") if not l.startswith("#")}
    # Deponents (lemma in -s) have no active forms to check this way; they are written by hand.
    words = [w for w in top_n_list("da", limit) if w.isalpha() and w.islower() and len(w) > 1 and w not in listed
             and not w.endswith("s")]
    an = analyse(words)
    # A verb counts by the frequency of all its forms in the list, so that a verb whose infinitive is
    # rare but whose past or participle is common (planlagde, planlagt) is found too.
    # Every analysis as a verb counts, but only for a verb whose infinitive hunspell knows.
    weight = {}
    for w in words:
        for lemma in {a.split("<", 1)[0] for a in an.get(w, []) if "<vblex>" in a and "<compound" not in a}:
            if lemma.isalpha() and lemma.islower() and lemma not in listed and not lemma.endswith("s"):
                weight[lemma] = weight.get(lemma, 0.0) + 10 ** zipf_frequency(w, "da")
    kl = known(weight)
    weight = {v: x for v, x in weight.items() if v in kl}
    verbs = sorted((v for v in weight if v not in NO_VERB), key=lambda v: -weight[v])
    tables = {w: velnor.conjugate(w, lang="dan") for w in verbs}
    extra = []
    unknown = [w for w in words if w.endswith("e") and an.get(w, ["*"])[0].startswith("*")]
    kw = known(unknown)
    for w in unknown:
        if w not in kw:
            continue
        t = velnor.conjugate(w, lang="dan")
        if (t.past, t.past_participle) != defaults(w)[:2]:
            extra.append((w, t))
    probe = [f for w, t in extra for f in (t.past, t.past_participle)]
    for w in verbs:
        t = tables[w]
        probe += [t.past, t.past_participle, t.imperative, *defaults(w)]
        if second(w):
            probe += second(w)
    an2 = analyse(probe)
    ok = known(probe)

    def good(forms, lemma):
        return all(f in ok and any(a.startswith(lemma + "<vblex>") and tag in a for a in an2.get(f, []))
                   for f, tag in zip(forms, TAGS))

    for w in verbs:
        t = tables[w]
        eng = (t.past, t.past_participle, t.imperative)
        d = defaults(w)
        if good(eng, w):
            forms = eng
        elif w not in NOT_SECOND and second(w) and good(second(w), w):
            forms = second(w)
        else:
            print("#undecided", w, round(zipf_frequency(w, "da"), 2), *eng, file=sys.stderr)
            continue
        if forms == d:
            continue
        cells = [f if f != df else "-" for f, df in zip(forms, d)]
        print("\t".join((w, "-", *cells, "-", "-")))
    for w, t in extra:
        if t.past in ok and t.past_participle in ok:
            cells = [f if f != df else "-" for f, df in zip((t.past, t.past_participle, t.imperative), defaults(w))]
            print("\t".join((w, t.present if t.present != w + "r" else "-", *cells, "-", "-")))
        else:
            print("#unconfirmed", w, round(zipf_frequency(w, "da"), 2), t.past, t.past_participle, file=sys.stderr)


if __name__ == "__main__":
    main()
