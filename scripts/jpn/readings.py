"""Writes data/jpn_readings.tsv: the kana spelling of every listed verb whose reading is unambiguous.

    pip install fugashi unidic-lite; python scripts/jpn/readings.py [--report]

The 478 rows written by hand (scripts/jpn/hand_readings.tsv: the 750 most
frequent kanji verbs, with both readings where a kanji has two: 開く ひらく
and あく) are kept. For every other jpn.tsv lemma that holds a kanji,
fugashi with unidic-lite reads the lemma alone, and its ten best analyses
that read the whole lemma as one verb (classical conjugations passed over)
are looked at, with the best analysis if it reads the lemma as parts ending
in a verb (見 + 慣れる, 嫌 + がる, 運動 + する; not a verb after a noun, which
may be voiced: 系統立てる is けいとうだてる). The spelling is taken:
- when the analyses do not differ both in the reading as written and in the
  lexeme's reading (開く ひらく, あく and 尊ぶ とうとぶ, たっとぶ are two
  readings; 微笑む ほほえむ, ほおえむ is one lexeme said two ways, and 焼ける
  one spelling read as 焼ける or as the potential of 焼く);
- when every analysis is of the row's class;
- as the best analysis's lexeme reading where it fits the kana of the lemma
  (込む こむ, 言う いう, not the ごむ, ゆう the analyser may say), else as written
  (突っ込む つっこむ, not the lexeme 突き込む's つきこむ).

A kana spelling is then left out when it also spells a verb of another class:
- another listed verb (すべる: 滑る godan, 統べる ichidan; ふりかえる: 振り返る,
  振り替える);
- or a verb that the analyser finds among the ten best analyses of the kana
  spelling itself (のめる: 飲める and the godan のめる "pitch forward");
and so is a spelling that is a jpn.tsv row of its own (the row wins), and ます.
--report prints the spellings left out and why.
"""
import collections
import pathlib
import re
import sys

import fugashi

ROOT = pathlib.Path(__file__).resolve().parents[2]
KANJI = re.compile(r"[\u4e00-\u9fff々]")
BEST = 10
CLASSES = {"ichidan": "ichidan", "godan": "godan", "godan_iku": "godan", "godan_u": "godan", "rspecial": "godan",
           "suru": "suru", "zuru": "zuru", "kuru": "kuru"}


def hiragana(text):
    return "".join(chr(ord(c) - 0x60) if "ァ" <= c <= "ヶ" else c for c in text)


def conjugation(ctype, lemma):
    """The row class family of a unidic conjugation type (None for the classical ones)."""
    if ctype.startswith("五段"):
        return "godan"
    if ctype.startswith(("上一段", "下一段")):
        return "ichidan"
    if ctype.startswith("サ行変格"):
        return "zuru" if lemma.endswith("ずる") else "suru"
    if ctype.startswith("カ行変格"):
        return "kuru"
    return None


def spelling_pattern(lemma):
    """A pattern of the readings the lemma's spelling allows: its kana as they stand, each run of kanji some
    kana (突っ込む: .+っ.+む)."""
    return re.compile("".join(".+" if KANJI.match(run) else re.escape(run)
                              for run in re.findall(r"[\u4e00-\u9fff々]+|[^\u4e00-\u9fff々]+", lemma)) + "$")


def whole_verbs(tagger, text, whole_only=False):
    """(written reading, the lexeme's reading, class family), best first, of the best analysis of `text` if it
    ends in a verb's dictionary form, and of each of the other best analyses that read all of `text` as one
    verb (with whole_only, only these). A compound verb may come in verb parts (見 + 慣れる); lower analyses
    that split the word (答 + える) are not readings of it."""
    out = []
    for rank, nodes in enumerate(tagger.nbestToNodeList(text, BEST)):
        *front, last = nodes
        if front and (rank > 0 or whole_only):
            continue
        f = last.feature
        if f.pos1 not in ("動詞", "接尾辞") or not (f.cForm or "").startswith("終止形") or not f.kana:
            continue
        family = conjugation(f.cType or "", text)
        # Only verbs before a verb (見 + 慣れる, 引き + 付ける): after a noun it may be voiced (系統 + 立てる is
        # けいとうだてる), which the parts do not show; する and the suffixes (嫌 + がる, 春 + めく) keep their kana.
        keeps_kana = f.pos1 == "接尾辞" or f.lemma == "為る"
        if family is None or any((n.feature.pos1 != "動詞" and not keeps_kana) or not n.feature.kana
                                 or (n.feature.cType or "").startswith("文語") for n in front):
            continue
        before = "".join(n.feature.kana for n in front)
        out.append((hiragana(before + f.kana), hiragana(before + f.lForm), family))
    return out


def read_rows(name):
    return [line.split("\t") for line in (ROOT / "data" / name).read_text(encoding="utf-8").splitlines()
            if line and not line.startswith("#")]


def main():
    tagger = fugashi.Tagger()
    lexicon = {lemma: cls for lemma, cls in read_rows("jpn.tsv")}
    hand_text = (ROOT / "scripts" / "jpn" / "hand_readings.tsv").read_text(encoding="utf-8")
    hand = [line.split("\t") for line in hand_text.splitlines() if line and not line.startswith("#")]
    header = [line for line in hand_text.splitlines() if line.startswith("#")]
    rows = {(kana, lemma) for kana, lemma in hand}
    done = {lemma for _, lemma in hand}
    left = collections.defaultdict(list)
    for lemma, cls in lexicon.items():
        if lemma in done or not KANJI.search(lemma):
            continue
        found = whole_verbs(tagger, lemma)
        # Two readings where the analyses differ both as written and in the lexeme (開く ひらく, あく); not
        # where the lexeme is one and only the sound differs (微笑む ほほえむ, ほおえむ), nor where one
        # spelling is read as two lexemes with one reading (焼ける, and the potential of 焼く).
        if not found or (len({w for w, _, _ in found}) > 1 and len({x for _, x, _ in found}) > 1):
            left["no single reading" if found else "no reading as one verb"].append(lemma)
            continue
        # The lexeme's reading, or where the spelling shows another form of the lexeme, the reading as
        # written (突っ込む: つっこむ, not the lexeme 突き込む's つきこむ).
        pattern = spelling_pattern(lemma)
        reading = next((r for r in (found[0][1], found[0][0]) if pattern.match(r)), None)
        if {c for _, _, c in found} != {CLASSES[cls]}:
            left["the analyser's class differs"].append(lemma)
        elif reading is None or KANJI.search(reading):
            left["no reading fits the lemma's kana"].append(lemma)
        else:
            rows.add((reading, lemma))
    spelt = collections.defaultdict(set)
    for kana, lemma in rows:
        spelt[kana].add(lemma)
    out = []
    for kana, lemmas in sorted(spelt.items()):
        families = {CLASSES[lexicon[lemma]] for lemma in lemmas}
        others = {c for r, _, c in whole_verbs(tagger, kana, whole_only=True) if r == kana} - families
        if kana in lexicon or kana == "ます":
            left["a row of its own"].append(kana)
        elif len(families) > 1:
            left["spells listed verbs of two classes"].append(f"{kana} ({', '.join(sorted(lemmas))})")
        elif others:
            left["also spells a verb of another class"].append(f"{kana} ({', '.join(sorted(lemmas))})")
        else:
            out += [f"{kana}\t{lemma}" for lemma in sorted(lemmas)]
    (ROOT / "data" / "jpn_readings.tsv").write_text("\n".join(header + out) + "\n", encoding="utf-8")
    print(f"{len(out)} rows, {len({r.split(chr(9))[0] for r in out})} kana spellings")
    for why, items in left.items():
        print(f"{why}: {len(items)}")
        if "--report" in sys.argv:
            print("  " + " ".join(items))


if __name__ == "__main__":
    main()
