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

A lemma with two readings (開ける あける, ひらける; 叩く たたく, はたく) gets a
row for each reading of the row's class that the analyses give, but those in
NOT_READINGS: readings that are not the verb's in use (寝る しずまる, 彫る
える), voiced forms of a second element (付ける づける), archaic or dialect
readings (喚く おめく, 放す ほかす).

A kana spelling that also spells a verb of another class (another listed
verb: すべる 滑る godan, 統べる ichidan; or a verb that the analyser finds
among the ten best analyses of the kana spelling itself: のめる, 飲める and the
godan "pitch forward") is kept for the class whose use clearly dominates:
wordfreq's counts of the forms of its kanji spellings (the dictionary form,
the stems before ない, ます, ば, the imperative and the past) must be at least
DOMINANCE times those of the other class (すべる: 滑る against 統べる;
ふりかえる: 振り返る against 振り替える). Where the uses are close (きる: 切る,
斬る against 着る; うる: 売る against 得る) it is left out, and so is a
spelling that is a jpn.tsv row of its own (the row wins), and ます.
--report prints the spellings left out and why, and those kept by use.
"""
import collections
import pathlib
import re
import sys

import fugashi
import wordfreq

ROOT = pathlib.Path(__file__).resolve().parents[2]
KANJI = re.compile(r"[\u4e00-\u9fff々]")
BEST = 10
DOMINANCE = 5
# Readings of two-reading lemmas that are not the verb's in use, archaic or dialect, or the voiced form of a
# second element (the analyser gives them among its best analyses).
NOT_READINGS = {
    ("寝る", "しずまる"), ("付ける", "づける"), ("着ける", "づける"), ("捉える", "つらまえる"), ("立てる", "だてる"),
    ("空ける", "うつける"), ("抱き締める", "いだきしめる"), ("窄める", "そぼめる"), ("戯れる", "ざれる"),
    ("染みる", "じみる"), ("傾げる", "かたげる"), ("築き上げる", "つきあげる"), ("帰す", "きす"), ("表す", "ひょうす"),
    ("放す", "ほかす"), ("記す", "きす"), ("湿る", "しとる"), ("守る", "もる"), ("擦る", "なする"),
    ("温まる", "ぬくまる"), ("彫る", "える"), ("振る", "ぶる"), ("迸る", "たばしる"), ("購う", "かう"),
    ("喚く", "おめく"), ("放り出す", "ひりだす"), ("剥がす", "へがす"), ("解す", "かいす"), ("解す", "げす"),
    ("踏み止まる", "ふみとまる"), ("思い止まる", "おもいとまる"), ("放る", "ひる"), ("点す", "とぼす"),
    ("手繰る", "たくる"), ("潜り込む", "くぐりこむ"), ("歪む", "いがむ"), ("剥ぎ取る", "へぎとる"), ("徹す", "てっす"),
    ("徹す", "どおす"), ("逸す", "いっす"), ("解する", "げする"), ("期する", "ごする"), ("突く", "づく"),
    ("掛かる", "がかる"), ("泣き喚く", "なきおめく"), ("封ずる", "ほうずる"), ("封じる", "ほうじる"), ("宿す", "しゅくす"),
    ("捩る", "すじる"),
}
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


GODAN_ROWS = {"う": "いわえっ", "く": "きかけい", "ぐ": "ぎがげい", "す": "しさせし", "つ": "ちたてっ", "ぬ": "になねん",
              "ぶ": "びばべん", "む": "みまめん", "る": "りられっ"}


def potential(written, lexeme, family):
    """Whether an analysis reads a word as the potential of a godan verb (はいれる of はいる, よめる of よむ)."""
    return (family == "ichidan" and written != lexeme and lexeme[-1:] in GODAN_ROWS
            and written == lexeme[:-1] + GODAN_ROWS[lexeme[-1]][2] + "る")


def use_forms(lemma, family):
    """The dictionary form and the stems wordfreq's tokens hold of a verb: before ない, ます, ば, the imperative
    and the past (書く: 書く, 書き, 書か, 書け, 書い; 食べる: 食べる, 食べ, 食べれ, 食べろ)."""
    stem, final = lemma[:-1], lemma[-1:]
    if family == "ichidan":
        return {lemma, stem, stem + "れ", stem + "ろ"}
    if family == "godan" and final in GODAN_ROWS:
        return {lemma} | {stem + k for k in GODAN_ROWS[final]}
    return {lemma}


def use_count(frequency, lemma, family):
    return sum(frequency.get(form, 0.0) for form in use_forms(lemma, family))


def other_verbs(tagger, kana):
    """(class family, kanji spelling) of each verb that one of the ten best analyses reads the whole kana
    spelling as: the lexeme's spelling, or for a potential (のめる: 飲む's 飲める) the potential's own."""
    out = set()
    for nodes in tagger.nbestToNodeList(kana, BEST):
        if len(nodes) != 1:
            continue
        f = nodes[0].feature
        if f.pos1 != "動詞" or not (f.cForm or "").startswith("終止形") or (f.cType or "").startswith("文語"):
            continue
        family = conjugation(f.cType or "", kana)
        spelling, lexeme = f.lemma, hiragana(f.lForm or "")
        if (family == "ichidan" and lexeme[-1:] in GODAN_ROWS and spelling[-1:] == lexeme[-1:]
                and kana == lexeme[:-1] + GODAN_ROWS[lexeme[-1]][2] + "る"):
            spelling = spelling[:-1] + GODAN_ROWS[spelling[-1]][2] + "る"
        if family and spelling:
            out.add((family, spelling))
    return out


def read_rows(name):
    return [line.split("\t") for line in (ROOT / "data" / name).read_text(encoding="utf-8").splitlines()
            if line and not line.startswith("#")]


def main():
    tagger = fugashi.Tagger()
    lexicon = {lemma: cls for lemma, cls, *_ in read_rows("jpn.tsv")}
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
        if not found:
            left["no reading as one verb"].append(lemma)
            continue
        if len({w for w, _, _ in found}) > 1 and len({x for _, x, _ in found}) > 1:
            pattern = spelling_pattern(lemma)
            # A reading that the analyses give only as the potential of another verb (入れる as 入る's はいれる,
            # 触れる as 触る's さわれる) is that verb's, not the lemma's, when they also read the lemma as a verb
            # of its own (いれる, ふれる); 開ける stays ひらける, which is also a verb of its own.
            own = {w for w, x, c in found if not potential(w, x, c)}
            readings = {w for w, _, c in found if c == CLASSES[cls] and pattern.match(w) and not KANJI.search(w)
                        and (lemma, w) not in NOT_READINGS and (w in own or not own)}
            rows |= {(w, lemma) for w in readings}
            left["two readings, each taken" if readings else "two readings, none taken"].append(
                f"{lemma} ({', '.join(sorted(readings))})")
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
    frequency = wordfreq.get_frequency_dict("ja")
    out = []
    for kana, lemmas in sorted(spelt.items()):
        if kana in lexicon or kana == "ます":
            left["a row of its own"].append(kana)
            continue
        spellings = collections.defaultdict(set)
        for lemma in lemmas:
            spellings[CLASSES[lexicon[lemma]]].add(lemma)
        for family, spelling in other_verbs(tagger, kana):
            spellings[family].add(spelling)
        if len(spellings) > 1:
            use = {f: sum(use_count(frequency, w, f) for w in ws) for f, ws in spellings.items()}
            top = max(use, key=use.get)
            rest = sum(use.values()) - use[top]
            shown = "; ".join(f"{f} {', '.join(sorted(ws))} {use[f] * 1e8:.0f}" for f, ws in spellings.items())
            if use[top] < DOMINANCE * rest or not any(CLASSES[lexicon[m]] == top for m in lemmas):
                left["spells verbs of two classes in close use"].append(f"{kana} ({shown})")
                continue
            left["spells verbs of two classes, kept by use"].append(f"{kana} ({shown})")
            lemmas = {m for m in lemmas if CLASSES[lexicon[m]] == top}
        out += [f"{kana}\t{lemma}" for lemma in sorted(lemmas)]
    (ROOT / "data" / "jpn_readings.tsv").write_text("\n".join(header + out) + "\n", encoding="utf-8")
    print(f"{len(out)} rows, {len({r.split(chr(9))[0] for r in out})} kana spellings")
    for why, items in left.items():
        print(f"{why}: {len(items)}")
        if "--report" in sys.argv:
            print("  " + " ".join(items))


if __name__ == "__main__":
    main()
