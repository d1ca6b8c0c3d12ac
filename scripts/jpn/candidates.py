"""Lists frequent Japanese dictionary forms that data/jpn.tsv does not hold.

Takes wordfreq's Japanese list (most frequent first), keeps the words that end in
a u-row kana, are not listed yet, and that MeCab (Debian's mecab with
mecab-ipadic-utf8) reads as one verb in its dictionary form; prints rank, word,
MeCab's conjugation type and the class that type suggests. The list is a
proposal: each row that goes into the lexicon is read and classed by hand (the
MeCab type is only a cross-check), and potential forms and other derived verbs
are kept only where they are words of their own (使える, 言える).
Usage: python scripts/jpn/candidates.py [N]   (N most frequent words, default 50000)
"""
import pathlib
import subprocess
import sys

from wordfreq import top_n_list

ROOT = pathlib.Path(__file__).resolve().parents[2]
TYPES = [("一段", "ichidan"), ("五段・カ行促音便", "godan_iku"), ("五段・ワ行ウ音便", "godan_u"),
         ("五段・ラ行特殊", "rspecial"), ("五段", "godan"), ("サ変・スル", "suru"), ("サ変・−ズル", "zuru"),
         ("カ変", "kuru")]


def main(n):
    listed = {l.split("\t")[0] for l in (ROOT / "data" / "jpn.tsv").read_text(encoding="utf-8").splitlines()
              if l and not l.startswith("#")}
    words = [w for w in top_n_list("ja", n) if w.endswith(tuple("うくぐすつぬぶむる")) and w not in listed]
    out = subprocess.run(["mecab"], input="\n".join(words) + "\n", capture_output=True, text=True).stdout
    analyses = out.split("EOS\n")
    rank = {w: i for i, w in enumerate(top_n_list("ja", n))}
    for word, analysis in zip(words, analyses):
        lines = [l for l in analysis.splitlines() if l]
        if len(lines) != 1:
            continue
        surface, feats = lines[0].split("\t")
        f = feats.split(",")
        if f[0] != "動詞" or f[5] != "基本形" or f[6] != surface:
            continue
        cls = next((c for t, c in TYPES if f[4].startswith(t)), "?")
        print(rank[word], word, f[1], f[4], cls, sep="\t")


if __name__ == "__main__":
    main(int(sys.argv[1]) if len(sys.argv) > 1 else 50000)
