"""Closed compounds of a listed verb (giftwrap = gift + wrap, typecast = type + cast).

The spelling does not show where a closed compound splits (develop is no deve + lop), so the engine
reads them whole and such verbs are rows. This lists the candidates: every word of wordfreq's top
300,000 English words that the en_US hunspell dictionary knows, that ends in a lexicon verb with forms
of its own (three letters or more, after a part of three letters or more) and has no row; for each it
prints the forms the engine gives and the forms of the base behind the first part, "?" marking what
hunspell rejects, where hunspell knows more of the second than of the first. A verb becomes a row only after reading: hunspell lacks many forms.

    python3 scripts/eng/closed_compounds.py > scripts/eng/closed_compounds.out
"""
import importlib.metadata
import pathlib
import subprocess
import sys

import velnor
import wordfreq

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
DICT = "/usr/share/hunspell/en_US"


def rejected(words):
    return speller.rejected(words, DICT)


def forms(verb):
    t = velnor.conjugate(verb, lang="eng")
    return [t.past, t.past_participle, t.present_participle, t.third_singular]


def main():
    rows = {}
    for line in (ROOT / "data" / "eng.tsv").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            cells = line.split("\t")
            if cells[1] != "-" or cells[2] != "-":
                rows[cells[0]] = cells
    words = [w for w in wordfreq.top_n_list("en", 300000) if w.isascii() and w.isalpha() and w.islower()]
    cands = []
    for w in words:
        if w in rows:
            continue
        for i in range(3, len(w) - 2):
            if w[i:] in rows:
                cands.append((w, w[:i], w[i:]))
                break
    unknown = rejected(w for w, _, _ in cands)
    cands = [c for c in cands if c[0] not in unknown]
    pairs = [(w, forms(w), [head + f for f in forms(base)]) for w, head, base in cands]
    bad = rejected(f for _, a, b in pairs for f in a + b)
    mark = lambda fs: " ".join("?" + f if f in bad else f for f in fs)
    version = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", "hunspell-en-us"], capture_output=True,
                             text=True).stdout
    print(f"# checkers: wordfreq {importlib.metadata.version('wordfreq')}, hunspell-en-us {version}")
    print("# word\tengine forms\tbase forms behind the first part")
    for w, a, b in pairs:
        if sum(f not in bad for f in b) > sum(f not in bad for f in a):
            print(f"{w}\t{mark(a)}\t{mark(b)}")


if __name__ == "__main__":
    main()
