"""Lists the noun + する verbs of the frequency list: writes the rows that data/jpn.tsv lacks.

    pip install fugashi unidic-lite; python scripts/jpn/suru_nouns.py [N] [--write]

Takes wordfreq's N most frequent Japanese words (default 5,000) and keeps each that fugashi with unidic-lite
reads as one noun that UniDic marks as taking する (普通名詞-サ変可能: 勉強, 返事, 電話, チェック; and
サ変形状詞可能: 安心, 心配), of two characters or more (the one-kanji verbs such as 愛する, 発する are listed
apart, with their own forms). Each gives the lemma noun + する, class suru, unless jpn.tsv has it. The
matching of the engine stays exact: a noun + する verb is accepted only through its row.
Without --write it prints the rows; with --write it appends them to data/jpn.tsv, most frequent first, and
prints how many.
"""
import pathlib
import re
import sys

import fugashi
import wordfreq

ROOT = pathlib.Path(__file__).resolve().parents[2]
KINDS = ("サ変可能", "サ変形状詞可能")
# Nouns UniDic marks so that take no する in use (施設, モノ, トンネル) or only with に (参考にする); each
# candidate of the 5,000 most frequent words was read.
NOT_SURU = {"施設", "科学", "スポーツ", "モノ", "ランキング", "自信", "統計", "マップ", "活性", "トンネル", "参考",
            "バランス", "ノート"}


def suru_nouns(n):
    tagger = fugashi.Tagger()
    out = []
    for word in wordfreq.top_n_list("ja", n):
        if len(word) < 2 or not re.fullmatch(r"[\u4e00-\u9fff々\u30a0-\u30ff]+", word):
            continue
        nodes = tagger(word)
        if len(nodes) != 1:
            continue
        f = nodes[0].feature
        if f.pos1 == "名詞" and f.pos2 == "普通名詞" and f.pos3 in KINDS and word not in NOT_SURU:
            out.append(word + "する")
    return out


def main():
    n = int(next((a for a in sys.argv[1:] if a.isdigit()), 5000))
    path = ROOT / "data" / "jpn.tsv"
    text = path.read_text(encoding="utf-8")
    listed = {line.split("\t")[0] for line in text.splitlines() if line and not line.startswith("#")}
    rows = [w for w in suru_nouns(n) if w not in listed]
    if "--write" not in sys.argv:
        print("\n".join(f"{w}\tsuru" for w in rows))
        return
    if not text.endswith("\n"):
        text += "\n"
    path.write_text(text + "".join(f"{w}\tsuru\n" for w in rows), encoding="utf-8")
    print(f"{len(rows)} rows added")


if __name__ == "__main__":
    main()
