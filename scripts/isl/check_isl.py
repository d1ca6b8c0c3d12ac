#!/usr/bin/env python3
"""Checks every form that the engine gives for the lexicon's lemmas (or for the
verbs named on the command line) against Apertium's Icelandic analyser
(apertium-isl-eng) and hunspell-is. Prints one line per form that the analyser
does not give with the expected tags for the lemma, and the forms hunspell does
not know. Needs the built module, lt-proc and hunspell."""
import os
import subprocess
import sys

import velnor

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import speller  # noqa: E402

AUTOMORF = "/usr/share/apertium/apertium-isl-eng/isl-eng.automorf.bin"
ROWS = [("present", "<pri>"), ("past", "<past>"), ("subjunctive_present", "<prs>"),
        ("subjunctive_past", "<pss>")]
SLOTS = ["<p1><sg>", "<p2><sg>", "<p3><sg>", "<p1><pl>", "<p2><pl>", "<p3><pl>"]


MIDDLE = "--middle" in sys.argv
BANDS = "--bands" in sys.argv
ARGS = [a for a in sys.argv[1:] if a not in ("--middle", "--bands")]
BAND_NAMES = ["zipf>=4", "3-4", "2-3", "<2"]


def frequency_verbs():
    """The words in -a of wordfreq's Icelandic list that the analyser reads as an infinitive."""
    from wordfreq import top_n_list
    words = [w for w in top_n_list("is", 300000) if w.isalpha() and w == w.lower() and w.endswith("a")]
    an = analyse(words)
    return [w for w in words if any(a.startswith(w + "<vblex>") and "<inf>" in a for a in an.get(w, []))]


def band(lemma):
    from wordfreq import zipf_frequency
    z = zipf_frequency(lemma, "is")
    return 0 if z >= 4 else 1 if z >= 3 else 2 if z >= 2 else 3


def analyse(forms):
    res = subprocess.run(["lt-proc", AUTOMORF], input="\n".join(forms) + "\n", capture_output=True,
                         text=True, check=True).stdout
    analyses = {}
    for unit in res.split("$"):
        unit = unit.strip().lstrip("^")
        if unit:
            parts = unit.split("/")
            analyses[parts[0]] = parts[1:]
    return analyses


def lemmas():
    if ARGS:
        return ARGS
    if BANDS:
        return frequency_verbs()
    out = []
    with open("data/isl.tsv", encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                out.append(line.split("\t")[0])
    return out


def expectations(lemma):
    """(form, tags) pairs; with --middle, those of the lemma's middle voice (lemma + "st")."""
    if MIDDLE:
        t = velnor.conjugate(lemma + "st", lang="isl")
        for attr, tag in ROWS:
            for form, slot in zip(getattr(t, attr), SLOTS):
                yield form, "<midv>" + tag + slot
        yield t.supine, "<midv><supn>"
        return
    t = velnor.conjugate(lemma, lang="isl")
    for attr, tag in ROWS:
        for form, slot in zip(getattr(t, attr), SLOTS):
            yield form, tag + slot
    yield t.supine, "<supn>"
    yield t.present_participle, "<pprs>"
    yield t.imperative[0], "<imp><p2><sg>"
    yield t.imperative[1], "<imp><p2><pl>"


def main():
    checks = [(lemma, form, tag) for lemma in lemmas() for form, tag in expectations(lemma)]
    forms = sorted({f for _, f, _ in checks})
    analyses = analyse(forms)
    hs = speller.rejected(forms, "is_IS")
    if BANDS:
        tally = [[0, 0, 0] for _ in BAND_NAMES]  # forms, read right by the analyser, known to hunspell
        for lemma, form, tag in checks:
            t = tally[band(lemma)]
            t[0] += 1
            t[1] += any(a.startswith(lemma + "<") and tag in a for a in analyses.get(form, []))
            t[2] += form not in hs
        for name, (n, ap, hu) in zip(BAND_NAMES, tally):
            if n:
                print(f"{name}\t{n} forms\tapertium {100 * ap / n:.1f} %\thunspell {100 * hu / n:.1f} %")
        n, ap, hu = (sum(t[i] for t in tally) for i in range(3))
        print(f"all\t{n} forms\tapertium {100 * ap / n:.1f} %\thunspell {100 * hu / n:.1f} %")
        return
    unknown_ap = mismatch = 0
    for lemma, form, tag in checks:
        an = analyses.get(form, [])
        if not an or an[0].startswith("*"):
            unknown_ap += 1
            print(f"apertium-unknown\t{lemma}\t{tag}\t{form}")
            continue
        if not any(a.startswith(lemma + "<") and tag in a for a in an):
            mismatch += 1
            mine = [a for a in an if a.startswith(lemma + "<")]
            print(f"apertium-other\t{lemma}\t{tag}\t{form}\t{' '.join(mine or an)[:150]}")
    for w in sorted(hs):
        print(f"hunspell-unknown\t{w}")
    print(f"# {len(checks)} forms checked: {unknown_ap} unknown to Apertium, {mismatch} with other tags, "
          f"{len(hs)} of {len(forms)} distinct forms unknown to hunspell", file=sys.stderr)


if __name__ == "__main__":
    main()
