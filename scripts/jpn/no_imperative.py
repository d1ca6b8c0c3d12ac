"""Marks the verbs of data/jpn.tsv that have no imperative in use ("noimp" in the third cell).

    pip install fugashi unidic-lite; python scripts/jpn/no_imperative.py [--write]

They are the verbs of NO_IMPERATIVE, read by hand: できる, the verbs of relation (関する, 対する, 属する,
適する, 際する, 値する, 相当する, 意味する, 存在する: 関しろ, 相当しろ are no words) and of state or
perception (要る, 異なる, 違う, 足りる, 見える, 聞こえる; not 分かる, whose 分かれよ is said), and the potentials.

A potential (読める, 使える, 言える, もらえる) is a row of its own, ichidan, but has no imperative (読めろ is no
word), as できる has none. An ichidan row is a potential when fugashi with unidic-lite reads it as one word whose
lexeme is the godan verb it is made from (読める: 読む; 行ける: 行く), or whose kana as written are that lexeme's
potential (帰れる: 返る かえる; 使いこなせる: 使い + 熟す; 愛せる: 愛する). Left out: the ichidan verbs that the
analyser also reads so but that are verbs of their own with an imperative (押し込める, 休める, 近づける, the kana
なれる, いれる, きれる of 慣れる, 入れる, 切れる, ...), each read. Without --write it prints the potentials found.
"""
import pathlib
import sys

import fugashi

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from readings import GODAN_ROWS, hiragana, potential  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
NO_IMPERATIVE = {"できる", "出来る", "関する", "対する", "属する", "適する", "際する", "即する", "類する", "値する",
                 "相当する", "由来する", "該当する", "意味する", "位置する", "共通する", "関連する", "存在する", "関係する",
                 "要る", "異なる", "違う", "ちがう", "足りる", "見える", "みえる",
                 "聞こえる", "きこえる"}
OWN_VERBS = {"押し込める", "黄昏れる", "弾ける", "捲れる", "休める", "近づける", "引ける", "たれる", "とける",
             "なれる", "いれる", "きれる", "釣れる"}


def is_potential(tagger, lemma):
    *front, last = tagger(lemma)
    if any(n.feature.pos1 != "動詞" for n in front):
        return False
    f = last.feature
    lexeme, kana = hiragana(f.lForm or ""), hiragana(f.kana or "")
    if not f.lemma or f.lemma == lemma or f.pos1 != "動詞":
        return False
    # Read as written: the potential of its lexeme, also where UniDic files it under another spelling (帰れる:
    # 返る かえる; 撮れる: 取る), after a verb (使い + こなせる), or the サ変 verb whose potential is the godan
    # 〜す's (愛せる: 愛する, 愛す).
    if potential(kana, lexeme, "ichidan") or (lexeme.endswith("する") and kana == lexeme[:-2] + "せる"):
        return True
    return not front and ((lexeme[-1:] in GODAN_ROWS and lexeme[-1:] != "る") or (
        f.lemma[-1:] == "る" and lemma[:-2] == f.lemma[:-1] and lemma[-2:-1] == "れ"))


def main():
    tagger = fugashi.Tagger()
    path = ROOT / "data" / "jpn.tsv"
    lines = path.read_text(encoding="utf-8").splitlines()
    found, out = [], []
    for line in lines:
        cells = line.split("\t")
        if not line.startswith("#") and len(cells) == 2 and (cells[0] in NO_IMPERATIVE or (
                cells[1] == "ichidan" and cells[0] not in OWN_VERBS and is_potential(tagger, cells[0]))):
            found.append(cells[0])
            line += "\tnoimp"
        out.append(line)
    if "--write" in sys.argv:
        path.write_text("\n".join(out) + "\n", encoding="utf-8")
    print(f"{len(found)} verbs without an imperative: " + " ".join(found))


if __name__ == "__main__":
    main()
