"""Figures for the Korean verbs and adjectives of hunspell-ko, by frequency band, from two snapshots.

    python scripts/kor/check_dictionary.py before.jsonl.gz after.jsonl.gz

The snapshots are scripts/compare.py snapshots (tables, or run --keep) of words that include every word in 다
of ko_KR.dic (scripts/compare.py words kor, or scripts/kor/comparison_words.py through scripts/lexicon_snapshot.py). For each band of the stem's rank in wordfreq's Korean list (the root
before 하다 for X하다; the list holds morphemes), it prints:
- the words the dictionary marks only as adjectives whose adnominal present is -(으)ㄴ (좋은, 완전한, 가는)
  and not the verbs' -는 (the ㄹ-stems 가늘다 → 가는 count by their stem);
- the share of all forms (four per word, all dictionary words) that hunspell-ko accepts.
Nothing here writes data/.
"""
import pathlib
import sys

from wordfreq import top_n_list

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import compare  # noqa: E402
import dictionary_classes  # noqa: E402
import speller  # noqa: E402

SLOTS = ("intimate", "connective_ni", "adnominal_present", "formal_present")
BANDS = ((0, 5000, "1-5,000"), (5000, 20000, "5,001-20,000"), (20000, 100000, "20,001-100,000"),
         (100000, 10**9, "rarer"))


def takes_n(lemma, adnominal):
    """Whether the adnominal is -(으)ㄴ: an ㄹ-stem's 는 can be its stem's ㄹ dropped + ㄴ (가늘 → 가는)."""
    if not adnominal.endswith("는"):
        return True
    stem = lemma[:-1]
    return (ord(stem[-1]) - 0xAC00) % 28 == 8 and adnominal == stem[:-1] + chr(ord(stem[-1]) - 8 + 4)


def main():
    snaps = [{f"{c}:{w}": t for c, w, _, t in compare.lines(p) if c == "kor"} for p in sys.argv[1:3]]
    rank = {w: i for i, w in enumerate(top_n_list("ko", 100000))}
    words = dictionary_classes.classes()

    def band(lemma):
        stem = lemma[:-2] if lemma.endswith("하다") and len(lemma) > 2 else lemma[:-1]
        r = rank.get(stem, 10**8)
        return next(name for lo, hi, name in BANDS if lo <= r < hi)

    forms = {t[s] for snap in snaps for k, t in snap.items() if k.startswith("kor:") and isinstance(t, dict)
             for s in SLOTS}
    known = speller.known(forms, dictionary_classes.DIC)
    for name, snap in zip(("before", "after"), snaps):
        print(name)
        for _, _, b in BANDS:
            adj = [w for w, k in words.items() if k == {"adj"} and band(w) == b and isinstance(snap.get("kor:" + w), dict)]
            right = sum(takes_n(w, snap["kor:" + w]["adnominal_present"]) for w in adj)
            ws = [w for w in words if band(w) == b and isinstance(snap.get("kor:" + w), dict)]
            ok = sum(snap["kor:" + w][s] in known for w in ws for s in SLOTS)
            print(f"  {b}: adjectives with -(으)ㄴ {right}/{len(adj)} ({100 * right / max(len(adj), 1):.1f} %); "
                  f"forms hunspell-ko accepts {ok}/{4 * len(ws)} ({100 * ok / max(4 * len(ws), 1):.1f} %)")


if __name__ == "__main__":
    main()
