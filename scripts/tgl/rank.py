"""Ranks candidate Tagalog rows by the frequency of their forms and reports wordfreq attestation.

Usage: python scripts/tgl/rank.py CANDIDATES N   -> prints the N most frequent candidate rows
       python scripts/tgl/rank.py --check         -> attestation share of every row's forms
Candidate rows are in the lexicon's ten-column format and must already be in
data/tgl.tsv and built into the module (the forms are the engine's). A row's
frequency is the summed wordfreq frequency ("fil") of its six forms; a form counts as
attested when wordfreq knows it. Roots that take no patient voice have three forms.
"""
import pathlib
import sys

from wordfreq import word_frequency

import velnor

ROOT = pathlib.Path(__file__).resolve().parents[2]


def forms(root):
    t = velnor.conjugate(root, lang="tgl")
    return [f for f in t.actor + t.patient if f]


def main():
    if sys.argv[1] == "--check":
        rows = [l.split("\t")[0] for l in (ROOT / "data" / "tgl.tsv").read_text(encoding="utf-8").splitlines()
                if l and not l.startswith("#")]
        fs = [f for r in rows for f in forms(r)]
        hit = sum(1 for f in fs if word_frequency(f, "fil") > 0)
        print(f"{len(rows)} rows, {hit} of {len(fs)} forms attested ({hit / len(fs):.1%})")
        return
    cands = [l for l in pathlib.Path(sys.argv[1]).read_text(encoding="utf-8").splitlines() if l]
    scored = sorted(cands, key=lambda l: -sum(word_frequency(f, "fil") for f in forms(l.split("\t")[0])))
    print("\n".join(scored[: int(sys.argv[2])]))


if __name__ == "__main__":
    main()
