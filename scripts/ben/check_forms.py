"""Spell-checks Bengali forms built by the installed module with Debian's
hunspell-bn dictionary (/usr/share/hunspell/bn_BD.dic; bn_IN.dic is the same
file). It is a plain word list without affix rules; the hunspell command
splits Bengali words at their vowel signs, so the forms go whole through the
hunspell library (scripts/speller.py).

The dictionaries spell য়, ড় and ঢ় with the precomposed letters U+09DF,
U+09DC and U+09DD, so the forms are folded to those before checking.
Checked per verb: the five present forms, past আমি and সে, future আমি,
habitual সে, present perfect আমি, verbal infinitive, perfective and
conditional.  Groups: every row of data/ben.tsv, the rows named with
--new, and the ল-final verbs given with --lateral.
Run: python scripts/ben/check_forms.py [--new LEMMA ...] [--lateral VERB ...]
"""
import argparse
import pathlib
import sys

import velnor

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
FOLD = {"\u09af\u09bc": "\u09df", "\u09a1\u09bc": "\u09dc", "\u09a2\u09bc": "\u09dd"}


def fold(word):
    for a, b in FOLD.items():
        word = word.replace(a, b)
    return word


def forms(verb):
    t = velnor.conjugate(verb, lang="bn")
    return [*t.present, t.past[0], t.past[3], t.future[0], t.habitual[3], t.present_perfect[0],
            t.verbal_infinitive, t.perfective, t.conditional]


def rejected(words):
    return speller.rejected(words, "/usr/share/hunspell/bn_BD")


def report(label, verbs):
    words = [fold(w) for v in verbs for w in forms(v)]
    bad = rejected(words)
    ok = sum(w not in bad for w in words)
    # The list spells the familiar and third-person forms without their
    # final ো (উঠত, উঠল for উঠতো, উঠলো).
    bad_o = {w for w in bad if not (w.endswith("\u09cb") and w[:-1] not in rejected([w[:-1]]))}
    ok_o = sum(w not in bad_o for w in words)
    n = max(len(words), 1)
    print(f"{label}: {ok}/{len(words)} forms accepted ({100 * ok / n:.0f} %); "
          f"{ok_o} ({100 * ok_o / n:.0f} %) with the final ো dropped where the list lacks it")
    print("  rejected even so:", " ".join(sorted(bad_o)))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--new", nargs="*", default=[])
    ap.add_argument("--lateral", nargs="*", default=[])
    args = ap.parse_args()
    rows = [l.split("\t")[0] for l in (ROOT / "data" / "ben.tsv").read_text(encoding="utf-8").splitlines()
            if l and not l.startswith("#")]
    report("all rows", rows)
    if args.new:
        report("new rows", args.new)
    if args.lateral:
        report("ল-final verbs", args.lateral)


if __name__ == "__main__":
    main()
