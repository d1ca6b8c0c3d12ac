"""Spell-checks forms built from every row of data/pes.tsv with Debian's
myspell-fa dictionary (/usr/share/hunspell/fa_IR, through scripts/speller.py).

For each row: infinitive, past 3sg, present 1sg and 3sg, subjunctive 1sg,
imperative 2sg and past participle, as the installed module builds them.
The dictionary writes می with a zero width non-joiner after it, so one is
put there before checking.  Prints the share accepted, for the whole list
and for the rows after the first N (--from N), and the rejected words.
Run with a python that has the built module: python scripts/pes/check_forms.py
"""
import argparse
import pathlib
import sys

import velnor

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]


def forms(inf):
    t = velnor.conjugate(inf, lang="fa")
    out = [t.infinitive, t.past[2], t.present[0], t.present[2], t.subjunctive[0], t.imperative[0],
           t.past_participle]
    words = []
    for f in out:
        for w in f.split(" "):
            words.append("می\u200c" + w[2:] if w.startswith("می") and w not in ("میر", "میل") else w)
    return words


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--from", dest="start", type=int, default=0)
    args = ap.parse_args()
    rows = [l.split("\t")[0] for l in (ROOT / "data" / "pes.tsv").read_text(encoding="utf-8").splitlines()
            if l and not l.startswith("#")]
    for label, part in (("all rows", rows), (f"rows after {args.start}", rows[args.start:])):
        words = [w for inf in part for w in forms(inf)]
        bad = speller.rejected(words, "/usr/share/hunspell/fa_IR")
        ok = sum(w not in bad for w in words)
        print(f"{label}: {ok}/{len(words)} forms accepted ({100 * ok / len(words):.0f} %)")
        print("  rejected:", " ".join(sorted(bad)))


if __name__ == "__main__":
    main()
