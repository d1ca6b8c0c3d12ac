#!/usr/bin/env python3
"""Finds frequent Swedish verbs that need a row in data/swe.tsv.

Candidates are words in -a from the wordfreq list, most frequent first, that Apertium's Swedish
analyser (apertium-swe-nor) reads as an infinitive. For each one, the engine's present, past and
supine are put to the analyser; when it reads all three as those forms of the same verb, the verb
needs nothing. Otherwise the forms of the second conjugation (köper, köpte, köpt / ställer,
ställde, ställt, with the usual adjustments) are put to the analyser and to hunspell's sv_SE
dictionary, and a verb that both accept in all three gets a second-conjugation row. Verbs of
neither shape (strong verbs, compounds of strong verbs) are printed to stderr with the engine's
forms, for a person to write by hand.

With --compounds, the verbs that the engine already conjugates right only because a listed base
stands behind a particle (uppäta from äta) are printed as rows with the engine's forms, when the
analyser and the dictionary accept every one of them.

With --all-forms, the candidates are the verbs of which the analyser finds any form in the list.

    python3 scripts/swe/find_rows.py [--compounds] [--all-forms] [N]   (N: candidates to read; needs lt-proc, hunspell, velnor)
"""
import os
import sys

import velnor
from wordfreq import top_n_list, zipf_frequency

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import candidates  # noqa: E402

AUTOMORF = "/usr/share/apertium/apertium-swe-nor/swe-nob.automorf.bin"
VOICELESS = set("kpstx")
VOWELS = "aeiouyåäö"


def analyse(words):
    return candidates.analyse(words, AUTOMORF)


def known(words):
    return candidates.known(words, "/usr/share/hunspell/sv_SE")


def second(lemma):
    """present, past, supine, imperative of a second-conjugation verb in -a."""
    stem = lemma[:-1]
    imp = stem[:-1] if len(stem) > 2 and stem[-1] == stem[-2] and stem[-1] in "mn" else stem
    present = stem if stem.endswith("r") else stem + "er"
    if stem.endswith("nd"):
        return present, stem + "e", stem[:-1] + "t", imp
    if stem[-1] == "t" and stem[-2] not in VOWELS:
        return present, stem + "e", stem, imp
    if stem[-1] == "d" and stem[-2] in VOWELS:
        return present, stem + "de", stem[:-1] + "tt", imp
    past = imp + ("te" if stem[-1] in VOICELESS else "de")
    return present, past, imp + "t", imp


TAGS = ("<pres>", "<past>", "<supn>")


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    compounds = "--compounds" in sys.argv
    limit = int(args[0]) if args else 300000
    listed = {l.split("\t", 1)[0] for l in open("data/swe.tsv", encoding="utf-8") if not l.startswith("#")}
    words = [w for w in top_n_list("sv", limit) if w.endswith("a") and w.isalpha() and w.islower()
             and len(w) > 2 and w not in listed]
    an = analyse(words)
    verbs = [w for w in words if any(a.startswith(w + "<vblex><inf>") for a in an.get(w, []))]
    if "--all-forms" in sys.argv:
        # Each verb weighs the summed frequency of all its forms in the list (a verb whose infinitive
        # is rare but whose past is common is found too); only infinitives hunspell knows.
        every = [w for w in top_n_list("sv", limit) if w.isalpha() and w.islower()]
        an_all = analyse(every)
        weight = {}
        for w in every:
            for lemma in {a.split("<", 1)[0] for a in an_all.get(w, []) if "<vblex>" in a and "<compound" not in a}:
                if lemma.endswith("a") and lemma.isalpha() and lemma.islower() and lemma not in listed:
                    weight[lemma] = weight.get(lemma, 0.0) + 10 ** zipf_frequency(w, "sv")
        kl = known(weight)
        verbs = sorted((v for v in weight if v in kl), key=lambda v: -weight[v])
    if compounds:
        # Words the analyser does not know at all are taken too when the dictionary knows them.
        kw = known(words)
        seen = set(verbs)
        verbs += [w for w in words if w in kw and w not in seen and an.get(w, ["*"])[0].startswith("*")]
    tables = {w: velnor.conjugate(w, lang="swe") for w in verbs}
    probe = [f for w in verbs for f in (tables[w].present, tables[w].past, tables[w].supine) + second(w)[:3]]
    an2 = analyse(probe)
    ok = known(probe)

    def reads(form, lemma, tag):
        return any(a.startswith(lemma + "<vblex>") and tag in a for a in an2.get(form, []))

    for w in verbs:
        t = tables[w]
        eng = (t.present, t.past, t.supine)
        if compounds:
            # The analyser may not know a compound; where it knows a form, it must agree.
            agree = all(reads(f, w, tag) or an2.get(f, ["*"])[0].startswith("*") for f, tag in zip(eng, TAGS))
            if agree and eng != (w + "r", w + "de", w + "t") and all(f in ok for f in eng):
                print("\t".join((w, *eng, t.imperative, "-", "-")))
            continue
        if all(reads(f, w, tag) for f, tag in zip(eng, TAGS)):
            continue
        if compounds:
            continue
        sec = second(w)
        if all(reads(f, w, tag) and f in ok for f, tag in zip(sec, TAGS)):
            print("\t".join((w, *sec, "-", "-")))
        else:
            print("#undecided", w, round(zipf_frequency(w, "sv"), 2), *eng, file=sys.stderr)


if __name__ == "__main__":
    main()
