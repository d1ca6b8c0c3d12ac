"""Compares the module's Estonian tables with estnltk's Vabamorf synthesizer.

    pip install estnltk                     # development tool only (1.7.5 used)
    python scripts/est/check_synth.py [N] [--show K] [--list]   # N verbs, default 1000
    python scripts/est/check_synth.py --lemmas FILE [--list]     # the lemmas of FILE (first cell a line)

The output of the default run is kept in scripts/est/check_synth.out.

Which verbs: wordfreq has no Estonian list, so the ranking comes from the
only corpus counts at hand, those that estnltk ships for its analysis
reordering: reorderings/et_edt-ud-train_amb_word_analyses_all.csv, the
Estonian UD treebank (EDT, train part) counted by word form and analysis.
Every analysis with part of speech V and a lemma in -ma adds its count to
that lemma (compound marks "_" and "=" dropped); lemmas are ranked by the
summed count, ties in code-point order, and the first N are taken. The
treebank counts only forms that Vabamorf reads in more than one way, so
this is a corpus-attested set ranked by a partial count, not a true
frequency list; the rank is written to scripts/est/rank.tsv.

Which forms: every single-word form of the table (da-infinitive, present,
past, conditional, the four imperative slots, impersonals, quotative and
the three participles) is synthesized with the matching Vabamorf form
code; the module's form must be one of the synthesizer's answers. A slot
for which the synthesizer gives nothing is skipped and counted. A verb is
right when every compared slot agrees.
"""
import collections
import pathlib
import sys

import estnltk
from estnltk.vabamorf import morf

import velnor

HERE = pathlib.Path(__file__).resolve().parent
COUNTS = (pathlib.Path(estnltk.__file__).parent / "taggers" / "standard" / "morph_analysis" / "reorderings"
          / "et_edt-ud-train_amb_word_analyses_all.csv")

# (attribute, index or None, Vabamorf form code)
SLOTS = [("da_infinitive", None, "da")]
for name, codes in (("present", "n d b me te vad"), ("past", "sin sid s sime site sid"),
                    ("conditional", "ksin ksid ks ksime ksite ksid"), ("imperative", "o gu gem ge")):
    SLOTS += [(name, i, code) for i, code in enumerate(codes.split())]
SLOTS += [("present_impersonal", None, "takse"), ("past_impersonal", None, "ti"), ("quotative", None, "vat"),
          ("present_participle", None, "v"), ("nud_participle", None, "nud"), ("tud_participle", None, "tud")]


def ranked():
    count = collections.Counter()
    for line in COUNTS.read_text(encoding="utf-8").splitlines()[1:]:
        text, lemma, _ending, _clitic, pos, _form, _prob, freq = line.split("\t")
        lemma = lemma.replace("_", "").replace("=", "")
        if pos == "V" and lemma.endswith("ma") and lemma.isalpha() and lemma.islower():
            count[lemma] += int(freq)
    return sorted(count, key=lambda lemma: (-count[lemma], lemma)), count


def compare(lemma):
    """[(slot, ours, synthesizer's)] where they differ; and the number of skipped slots."""
    table = velnor.conjugate(lemma, lang="est")
    wrong, skipped = [], 0
    for attr, i, code in SLOTS:
        ours = getattr(table, attr)
        if i is not None:
            ours = ours[i]
        theirs = morf.synthesize(lemma, code, "V", guess=False)
        if not theirs:
            skipped += 1
        elif ours not in theirs:
            wrong.append((f"{attr}[{i}]" if i is not None else attr, ours, "/".join(theirs)))
    return wrong, skipped


def main():
    args = sys.argv[1:]
    show = int(args[args.index("--show") + 1]) if "--show" in args else 0
    numbers = [a for i, a in enumerate(args) if a.isdigit() and (i == 0 or args[i - 1] != "--show")]
    n = int(numbers[0]) if numbers else 1000
    if "--lemmas" in args:
        path = pathlib.Path(args[args.index("--lemmas") + 1])
        lemmas = [line.split("\t", 1)[0] for line in path.read_text(encoding="utf-8").splitlines()
                  if line and not line.startswith("#")]
    else:
        lemmas, count = ranked()
        lemmas = lemmas[:n]
        (HERE / "rank.tsv").write_text("".join(f"{lemma}\t{count[lemma]}\n" for lemma in lemmas),
                                       encoding="utf-8")
    bad, slots, skipped_total = [], 0, 0
    for lemma in lemmas:
        wrong, skipped = compare(lemma)
        skipped_total += skipped
        slots += len(SLOTS) - skipped
        if wrong:
            bad.append((lemma, wrong))
    wrong_slots = sum(len(w) for _, w in bad)
    print(f"estnltk {estnltk.__version__}, Vabamorf lexicon {pathlib.Path(morf.VM_LEXICONS[-1]).name}")
    print(f"verbs {len(lemmas)}: fully right {len(lemmas) - len(bad)} "
          f"({100 * (len(lemmas) - len(bad)) / len(lemmas):.1f} %); "
          f"slots compared {slots}, wrong {wrong_slots}, skipped (no synthesis) {skipped_total}")
    for lemma, wrong in bad:
        rank = lemmas.index(lemma) + 1
        if "--list" in args:
            print(f"{rank}\t{lemma}\t" + "  ".join(f"{s}={o}({t})" for s, o, t in wrong[:show or 4]))
    if "--list" not in args:
        print("wrong:", " ".join(lemma for lemma, _ in bad))


if __name__ == "__main__":
    main()
