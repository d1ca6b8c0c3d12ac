"""Checks the forms of Japanese lexicon rows with MeCab (Debian's mecab-ipadic-utf8).

For each row from line FROM of data/jpn.tsv on, the engine's past (た/だ form) and
continuative + ます are run through MeCab; a form passes when MeCab's first morpheme
is a verb whose dictionary form is the lemma (or, for kana lemmas MeCab reads as
another verb of the same spelling, whose reading is the lemma's). Prints the share
that passes and the failures.
Usage: python scripts/jpn/check_forms.py [FROM]
"""
import pathlib
import subprocess
import sys

import velnor

ROOT = pathlib.Path(__file__).resolve().parents[2]


def kata(s):
    return "".join(chr(ord(c) + 0x60) if "ぁ" <= c <= "ゖ" else c for c in s)


def main(start):
    lines = (ROOT / "data" / "jpn.tsv").read_text(encoding="utf-8").splitlines()
    rows = [l.split("\t") for l in lines[start - 1:] if l and not l.startswith("#")]
    forms = []
    for lemma, cls in rows:
        t = velnor.conjugate(lemma, lang="jpn")
        forms += [(lemma, t.past), (lemma, t.continuative + "ます")]
    out = subprocess.run(["mecab"], input="\n".join(f for _, f in forms) + "\n", capture_output=True,
                         text=True).stdout.split("EOS\n")
    bad = []
    for (lemma, form), analysis in zip(forms, out):
        first = analysis.splitlines()[0].split("\t")[1].split(",") if analysis.strip() else []
        ok = len(first) > 7 and first[0] == "動詞" and (first[6] == lemma or first[7] == kata(lemma))
        if not ok:
            bad.append((lemma, form, ",".join(first[:8])))
    print(f"{len(forms) - len(bad)} of {len(forms)} forms pass ({1 - len(bad) / len(forms):.1%})")
    for b in bad:
        print(*b, sep="\t", flush=True)


if __name__ == "__main__":
    main(int(sys.argv[1]) if len(sys.argv) > 1 else 1)
