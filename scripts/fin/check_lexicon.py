"""Check every form that the module builds from data/fin.tsv with Voikko.

    python scripts/fin/check_lexicon.py          # with velnor built and installed
    python scripts/fin/check_lexicon.py ROWS     # the lemmas of another lexicon text (an older fin.tsv)

For each row, the verb is conjugated by the module and every form of its table
(the four moods in six persons, the imperative, the five passive forms, the
four participles) is put to Voikko: a form counts as accepted when Voikko
knows the word, and as confirmed when Voikko also reads it as a form of the
row's own infinitive (finite forms) or as a participle (participles). The
shares are printed by frequency band of the verb (its rank among the
candidates, scripts/fin/rank.tsv), and the rejected forms are written to
scripts/fin/rejected.tsv.
"""
import pathlib
import sys

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-libvoikko
import libvoikko  # noqa: E402

import velnor  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
DATA = HERE.parent.parent / "data" / "fin.tsv"
BANDS = [(1, 1000), (1001, 3000), (3001, 5000), (5001, 6999), (7000, 20000)]

voikko = libvoikko.Voikko("fi")


def table_forms(t):
    for attr in ("present", "past", "conditional", "potential"):
        for f in getattr(t, attr):
            yield attr, f, True
    for f in t.imperative:
        yield "imperative", f, True
    for attr in ("present_passive", "past_passive", "conditional_passive", "potential_passive",
                 "imperative_passive"):
        yield attr, getattr(t, attr), True
    for attr in ("present_participle", "past_participle", "present_passive_participle",
                 "past_passive_participle"):
        yield attr, getattr(t, attr), False


def main():
    rank = {}
    for line in (HERE / "rank.tsv").read_text(encoding="utf-8").splitlines():
        lemma, r = line.split("\t")
        rank[lemma] = int(r)
    data = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else DATA
    lemmas = [line.split("\t", 1)[0] for line in data.read_text(encoding="utf-8").splitlines()
              if line and not line.startswith("#")]
    totals = {}
    rejected = []
    for lemma in lemmas:
        r = rank.get(lemma)
        band = next((f"{lo}-{hi}" for lo, hi in BANDS if r is not None and lo <= r <= hi), "not in wordfreq")
        t = velnor.conjugate(lemma, lang="fin")
        n = totals.setdefault(band, [0, 0, 0, 0])
        n[3] += 1
        for attr, form, finite in table_forms(t):
            n[0] += 1
            known = voikko.spell(form)
            if known:
                n[1] += 1
            analyses = voikko.analyze(form) if known else []
            if finite:
                ok = any(a.get("BASEFORM") == lemma for a in analyses)
            else:
                ok = any(a.get("PARTICIPLE") for a in analyses)
            if ok:
                n[2] += 1
            if not known:
                rejected.append(f"{lemma}\t{attr}\t{form}\n")
    (HERE / "rejected.tsv").write_text("".join(rejected), encoding="utf-8")
    order = [f"{lo}-{hi}" for lo, hi in BANDS] + ["not in wordfreq"]
    all_n = [sum(totals[b][i] for b in totals) for i in range(4)]
    for band in order + ["all"]:
        n = all_n if band == "all" else totals.get(band)
        if not n:
            continue
        print(f"{band:>16}: {n[3]:5} verbs, {n[0]:6} forms, known to Voikko {100 * n[1] / n[0]:.2f} %,"
              f" read as the verb's own form {100 * n[2] / n[0]:.2f} %")


if __name__ == "__main__":
    main()
