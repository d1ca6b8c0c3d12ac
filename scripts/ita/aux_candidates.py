#!/usr/bin/env python3
"""Lists the Italian verbs whose auxiliary has to be decided, most frequent
first, and rebuilds data/ita_aux.tsv from the hand decisions.

  python3 scripts/ita/aux_candidates.py list [N]   candidates down to rank N
                                                   (default 100000), TSV:
                                                   rank, infinitive, evidence
  python3 scripts/ita/aux_candidates.py merge      add the essere and
                                                   essere/avere decisions of
                                                   scripts/ita/aux_decisions.tsv
                                                   to data/ita_aux.tsv

Candidates are the words of wordfreq's Italian list that are infinitives
(-are, -ere, -ire, -rre) or past participles (-ato/-ata/-ati/-ate,
-ito..., -uto..., and the strong participles of data/ita_strong.tsv and
data/ita_irregular.tsv, prefix included), mapped to the infinitive, which
hunspell it_IT must know. Verbs that the list already holds are left out;
a verb found both ways is listed at its best rank.

The decisions file has one row per verb read: lemma, decision. A decision is
"essere" or "essere/avere" (the auxiliary that Italian dictionaries give for
the verb's intransitive use) or "avere" (only avere, or no compound tenses);
only the first two become rows of the list, which stays in byte order.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import speller  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DATA = os.path.join(ROOT, "data")
AUX = os.path.join(DATA, "ita_aux.tsv")
DECISIONS = os.path.join(ROOT, "scripts", "ita", "aux_decisions.tsv")
HEADER = "# lemma\tauxiliary (default: avere)"
DICT = "/usr/share/hunspell/it_IT"


def rows(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                yield line.split("\t")


def listed():
    return {r[0]: r[1] for r in rows(AUX)}


def hunspell_known(words):
    return speller.known(words, DICT)


def strong_participles():
    """participle -> lemma, for the strong verbs and the irregular rows."""
    out = {}
    for r in rows(os.path.join(DATA, "ita_strong.tsv")):
        if len(r) >= 3 and r[2] not in ("", "-"):
            out[r[2]] = r[0]
    for r in rows(os.path.join(DATA, "ita_irregular.tsv")):
        if len(r) >= 11 and r[10] not in ("", "-"):
            out[r[10]] = r[0].rstrip("+")
    return out


def infinitive_of(word, strong):
    if word.endswith(("are", "ere", "ire", "rre")) and not word.endswith("rsi"):
        return [word]
    stem, last = word[:-1], word[-1]
    if last not in "oaie" or len(word) < 5:
        return []
    base = stem + "o"  # masculine singular
    out = []
    for pp, inf in ((("ato", "are"), ("ito", "ire"), ("uto", "ere"))):
        if base.endswith(pp):
            out.append(base[: -len(pp)] + inf)
    # strong participles, prefix in front (scritto, descritto, rimasto)
    for n in range(len(base) - 3):
        lemma = strong.get(base[n:])
        if lemma is not None:
            out.append(base[:n] + lemma)
            break
    return out


def candidates(limit):
    from wordfreq import top_n_list
    strong = strong_participles()
    words = top_n_list("it", limit)
    have = listed()
    best = {}
    for rank, w in enumerate(words, 1):
        if not w.isalpha() or not w.islower():
            continue
        for inf in infinitive_of(w, strong):
            if inf in have:
                continue
            if inf not in best:
                best[inf] = (rank, w)
    known = hunspell_known(best)
    return sorted(((r, inf, w) for inf, (r, w) in best.items() if inf in known))


def merge():
    have = listed()
    added = 0
    for r in rows(DECISIONS):
        lemma, decision = r[0], r[1]
        if decision not in ("essere", "essere/avere", "avere"):
            raise SystemExit("bad decision %r for %s" % (decision, lemma))
        if decision == "avere":
            if lemma in have:
                raise SystemExit("%s is listed but decided avere" % lemma)
            continue
        if lemma in have:
            if have[lemma] != decision:
                raise SystemExit("%s: listed %s, decided %s" % (lemma, have[lemma], decision))
            continue
        have[lemma] = decision
        added += 1
    with open(AUX, "w", encoding="utf-8") as f:
        f.write(HEADER + "\n")
        for lemma in sorted(have, key=lambda s: s.encode("utf-8")):
            f.write("%s\t%s\n" % (lemma, have[lemma]))
    print("added %d rows, %d in all" % (added, len(have)), file=sys.stderr)


def main():
    cmd = sys.argv[1] if len(sys.argv) > 1 else "list"
    if cmd == "merge":
        merge()
    elif cmd == "list":
        limit = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
        decided = {r[0] for r in rows(DECISIONS)} if os.path.exists(DECISIONS) else set()
        for rank, inf, w in candidates(limit):
            mark = "" if inf not in decided else "\tdecided"
            print("%d\t%s\t%s%s" % (rank, inf, w, mark))
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main()
