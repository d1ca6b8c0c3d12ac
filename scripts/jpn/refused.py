"""Lists the verbs behind wordfreq's most frequent Japanese words that the module refuses.

Every word of wordfreq's Japanese list (the N most frequent, default 10000) is read by fugashi with the
unidic-lite dictionary; each verb token (品詞 動詞, not a bound auxiliary) gives its dictionary form as written
(orthBase: 持つ stays 持つ, もつ stays もつ) and its conjugation type. The dictionary forms that
velnor.conjugate(..., lang="jpn") refuses are printed with the best rank of a word they came from, the
conjugation type and the class it suggests. The list is a proposal: each row that goes into data/jpn.tsv is
read and classed by hand (the type is a cross-check).
Usage: python scripts/jpn/refused.py [N]
       python scripts/jpn/refused.py --check   reads the past (た) and the negative (irrealis + ない) that the
                                               module gives for every row of refused_kept.tsv back through
                                               fugashi: each should be one verb token of the row's dictionary
                                               form (or its kanji and する) followed by its auxiliary
"""
import sys
from importlib.metadata import version

import fugashi
from wordfreq import top_n_list

import velnor

TYPES = [("上一段", "ichidan"), ("下一段", "ichidan"), ("五段-カ行", "godan"), ("五段-ワア行", "godan"),
         ("五段-ラ行", "godan"), ("五段", "godan"), ("サ行変格", "suru"), ("カ行変格", "kuru")]


def suggest(ctype, base):
    if base in ("行く", "いく", "ゆく") or base.endswith(("行く", "ゆく")):
        return "godan_iku"
    for prefix, cls in TYPES:
        if ctype.startswith(prefix):
            if cls == "suru" and base.endswith("ずる"):
                return "zuru"
            return cls
    return "?"


def main(n):
    print(f"# wordfreq {version('wordfreq')}, fugashi {version('fugashi')}, unidic-lite {version('unidic-lite')}")
    tagger = fugashi.Tagger()
    found = {}
    for rank, word in enumerate(top_n_list("ja", n), 1):
        for token in tagger(word):
            f = token.feature
            if f.pos1 != "動詞" or f.pos2 == "非自立可能" and token.surface != word:
                continue
            base = f.orthBase
            if not base or base in found:
                continue
            try:
                velnor.conjugate(base, lang="jpn")
            except ValueError:
                found[base] = (rank, f.cType, suggest(f.cType or "", base), f.lemma)
    for base, (rank, ctype, cls, lemma) in sorted(found.items(), key=lambda kv: kv[1][0]):
        print(f"{rank}\t{base}\t{ctype}\t{cls}\t{lemma}")


def check():
    import pathlib
    tagger = fugashi.Tagger()
    rows = [l.split("\t")[0] for l in (pathlib.Path(__file__).parent / "refused_kept.tsv").read_text(
        encoding="utf-8").splitlines() if l and not l.startswith("#")]
    good = total = 0
    for lemma in rows:
        t = velnor.conjugate(lemma, lang="jpn")
        for form in (t.past, t.irrealis + "ない"):
            tokens = list(tagger(form))
            ok = tokens and tokens[0].feature.pos1 == "動詞" and tokens[0].feature.orthBase == lemma
            # a one-kanji verb may be read as its kanji followed by する itself
            ok = ok or (len(tokens) > 1 and lemma.endswith(("する", "ずる")) and tokens[0].surface == lemma[:-2]
                        and tokens[1].feature.orthBase in ("する", "ずる"))
            good += bool(ok)
            total += 1
            if not ok:
                print("not read back:", lemma, form, [(x.surface, x.feature.orthBase) for x in tokens])
    print(f"{good} of {total} forms read back as the row's verb")


if __name__ == "__main__":
    if sys.argv[1:] == ["--check"]:
        check()
    else:
        main(int(sys.argv[1]) if len(sys.argv) > 1 else 10000)
