"""Share of the forms of German lexicon rows that the de_DE hunspell dictionary accepts, by frequency band.

usage: python scripts/deu/check_rows.py [CLASS ...]     (default: the prefix classes x xw i iw f)
For every row of data/deu.tsv of the given classes it conjugates the infinitive with the installed
velnor and checks every distinct single word of its present, preterite, Konjunktiv II, imperative,
past participle and zu-infinitive (auxiliaries and pronouns left out). Bands are by the infinitive's
Zipf frequency in wordfreq (German): >= 3, 2-3, < 2 (which includes verbs wordfreq does not list).
The dictionary writes many compounds of an adjective or a noun apart and lacks many participles and
zu-infinitives, so a rejected form is a lead to read, not a verdict.
"""
import collections
import pathlib
import sys

import velnor
import wordfreq

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
H = speller.dictionary("de_DE")
AUX = {"mich", "dich", "sich", "uns", "euch"}


def forms(word):
    t = velnor.conjugate(word)
    out = set()
    for row in (t.present, t.preterite, t.konjunktiv2, t.imperative):
        for f in row:
            if f:
                out.update(x for x in f.split() if x not in AUX)
    out.update(t.past_participle.split())
    out.update(t.zu_infinitive.split())
    return out


def band(word):
    z = wordfreq.zipf_frequency(word, "de")
    return ">=3" if z >= 3 else "2-3" if z >= 2 else "<2"


def main():
    classes = set([a for a in sys.argv[1:] if not a.startswith("-")] or ["x", "xw", "i", "iw", "f"])
    seen = set()
    total = collections.Counter()
    ok = collections.Counter()
    rows = collections.Counter()
    rejected = collections.defaultdict(list)
    for line in (ROOT / "data" / "deu.tsv").read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        cells = line.split("\t")
        if cells[1] not in classes or cells[0] in seen:
            continue
        seen.add(cells[0])
        b = band(cells[0])
        rows[b] += 1
        for f in sorted(forms(cells[0])):
            total[b] += 1
            if H.spell(f):
                ok[b] += 1
            else:
                rejected[b].append(f)
    for b in (">=3", "2-3", "<2"):
        if total[b]:
            print(f"{b}: {rows[b]} rows, {total[b]} forms, {ok[b] / total[b]:.1%} accepted")
    n = sum(total.values())
    print(f"all: {sum(rows.values())} rows, {n} forms, {sum(ok.values()) / max(1, n):.1%} accepted")
    if "-v" in sys.argv:
        for b, fs in rejected.items():
            print(b, " ".join(fs))


if __name__ == "__main__":
    main()
