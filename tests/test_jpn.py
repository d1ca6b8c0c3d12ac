"""Japanese conjugation: lexicon lookup, the six base forms by class and the
JapaneseConjugation class."""
import os
import subprocess
import sys

import pytest

import velnor
from conftest import needs

pytestmark = needs("jpn")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "jpn.tsv")
CLASSES = ["ichidan", "godan", "godan_iku", "godan_u", "rspecial", "suru", "zuru", "kuru"]
ATTRIBUTES = ["terminal", "continuative", "irrealis", "hypothetical", "imperative", "past"]
DOCS = [
    "終止形 — dictionary form.",
    "連用形 — continuative / masu-stem.",
    "未然形 — irrealis.",
    "仮定形 — hypothetical.",
    "命令形 — imperative.",
    "Plain past — た/だ-form.",
]


def conj(word):
    return velnor.conjugate(word, lang="jpn")


def forms(r):
    return [getattr(r, name) for name in ATTRIBUTES]


# Common verbs of standard Japanese: continuative, irrealis, hypothetical
# (without ば), imperative, plain past.
COMMON = """
食べる 食べ 食べ 食べれ 食べろ 食べた
見る 見 見 見れ 見ろ 見た
寝る 寝 寝 寝れ 寝ろ 寝た
起きる 起き 起き 起きれ 起きろ 起きた
出る 出 出 出れ 出ろ 出た
いる い い いれ いろ いた
着る 着 着 着れ 着ろ 着た
借りる 借り 借り 借りれ 借りろ 借りた
教える 教え 教え 教えれ 教えろ 教えた
覚える 覚え 覚え 覚えれ 覚えろ 覚えた
考える 考え 考え 考えれ 考えろ 考えた
答える 答え 答え 答えれ 答えろ 答えた
始める 始め 始め 始めれ 始めろ 始めた
決める 決め 決め 決めれ 決めろ 決めた
開ける 開け 開け 開けれ 開けろ 開けた
入れる 入れ 入れ 入れれ 入れろ 入れた
忘れる 忘れ 忘れ 忘れれ 忘れろ 忘れた
落ちる 落ち 落ち 落ちれ 落ちろ 落ちた
降りる 降り 降り 降りれ 降りろ 降りた
浴びる 浴び 浴び 浴びれ 浴びろ 浴びた
生きる 生き 生き 生きれ 生きろ 生きた
信じる 信じ 信じ 信じれ 信じろ 信じた
閉じる 閉じ 閉じ 閉じれ 閉じろ 閉じた
できる でき でき できれ できろ できた
見せる 見せ 見せ 見せれ 見せろ 見せた
続ける 続け 続け 続けれ 続けろ 続けた
逃げる 逃げ 逃げ 逃げれ 逃げろ 逃げた
投げる 投げ 投げ 投げれ 投げろ 投げた
調べる 調べ 調べ 調べれ 調べろ 調べた
集める 集め 集め 集めれ 集めろ 集めた
伝える 伝え 伝え 伝えれ 伝えろ 伝えた
建てる 建て 建て 建てれ 建てろ 建てた
捨てる 捨て 捨て 捨てれ 捨てろ 捨てた
訪ねる 訪ね 訪ね 訪ねれ 訪ねろ 訪ねた
くれる くれ くれ くれれ くれろ くれた
あげる あげ あげ あげれ あげろ あげた
得る 得 得 得れ 得ろ 得た
会う 会い 会わ 会え 会え 会った
買う 買い 買わ 買え 買え 買った
言う 言い 言わ 言え 言え 言った
使う 使い 使わ 使え 使え 使った
習う 習い 習わ 習え 習え 習った
洗う 洗い 洗わ 洗え 洗え 洗った
歌う 歌い 歌わ 歌え 歌え 歌った
思う 思い 思わ 思え 思え 思った
手伝う 手伝い 手伝わ 手伝え 手伝え 手伝った
もらう もらい もらわ もらえ もらえ もらった
書く 書き 書か 書け 書け 書いた
聞く 聞き 聞か 聞け 聞け 聞いた
歩く 歩き 歩か 歩け 歩け 歩いた
働く 働き 働か 働け 働け 働いた
置く 置き 置か 置け 置け 置いた
着く 着き 着か 着け 着け 着いた
泣く 泣き 泣か 泣け 泣け 泣いた
引く 引き 引か 引け 引け 引いた
動く 動き 動か 動け 動け 動いた
驚く 驚き 驚か 驚け 驚け 驚いた
いただく いただき いただか いただけ いただけ いただいた
泳ぐ 泳ぎ 泳が 泳げ 泳げ 泳いだ
急ぐ 急ぎ 急が 急げ 急げ 急いだ
脱ぐ 脱ぎ 脱が 脱げ 脱げ 脱いだ
騒ぐ 騒ぎ 騒が 騒げ 騒げ 騒いだ
話す 話し 話さ 話せ 話せ 話した
出す 出し 出さ 出せ 出せ 出した
貸す 貸し 貸さ 貸せ 貸せ 貸した
返す 返し 返さ 返せ 返せ 返した
探す 探し 探さ 探せ 探せ 探した
押す 押し 押さ 押せ 押せ 押した
消す 消し 消さ 消せ 消せ 消した
渡す 渡し 渡さ 渡せ 渡せ 渡した
過ごす 過ごし 過ごさ 過ごせ 過ごせ 過ごした
思い出す 思い出し 思い出さ 思い出せ 思い出せ 思い出した
待つ 待ち 待た 待て 待て 待った
持つ 持ち 持た 持て 持て 持った
立つ 立ち 立た 立て 立て 立った
打つ 打ち 打た 打て 打て 打った
勝つ 勝ち 勝た 勝て 勝て 勝った
死ぬ 死に 死な 死ね 死ね 死んだ
遊ぶ 遊び 遊ば 遊べ 遊べ 遊んだ
呼ぶ 呼び 呼ば 呼べ 呼べ 呼んだ
飛ぶ 飛び 飛ば 飛べ 飛べ 飛んだ
学ぶ 学び 学ば 学べ 学べ 学んだ
選ぶ 選び 選ば 選べ 選べ 選んだ
運ぶ 運び 運ば 運べ 運べ 運んだ
読む 読み 読ま 読め 読め 読んだ
飲む 飲み 飲ま 飲め 飲め 飲んだ
住む 住み 住ま 住め 住め 住んだ
休む 休み 休ま 休め 休め 休んだ
頼む 頼み 頼ま 頼め 頼め 頼んだ
楽しむ 楽しみ 楽しま 楽しめ 楽しめ 楽しんだ
進む 進み 進ま 進め 進め 進んだ
ある あり あら あれ あれ あった
なる なり なら なれ なれ なった
帰る 帰り 帰ら 帰れ 帰れ 帰った
入る 入り 入ら 入れ 入れ 入った
走る 走り 走ら 走れ 走れ 走った
知る 知り 知ら 知れ 知れ 知った
切る 切り 切ら 切れ 切れ 切った
要る 要り 要ら 要れ 要れ 要った
取る 取り 取ら 取れ 取れ 取った
乗る 乗り 乗ら 乗れ 乗れ 乗った
作る 作り 作ら 作れ 作れ 作った
売る 売り 売ら 売れ 売れ 売った
送る 送り 送ら 送れ 送れ 送った
分かる 分かり 分から 分かれ 分かれ 分かった
終わる 終わり 終わら 終われ 終われ 終わった
座る 座り 座ら 座れ 座れ 座った
戻る 戻り 戻ら 戻れ 戻れ 戻った
頑張る 頑張り 頑張ら 頑張れ 頑張れ 頑張った
喋る 喋り 喋ら 喋れ 喋れ 喋った
行く 行き 行か 行け 行け 行った
いく いき いか いけ いけ いった
問う 問い 問わ 問え 問え 問うた
請う 請い 請わ 請え 請え 請うた
いらっしゃる いらっしゃい いらっしゃら いらっしゃれ いらっしゃい いらっしゃった
おっしゃる おっしゃい おっしゃら おっしゃれ おっしゃい おっしゃった
くださる ください くださら くだされ ください くださった
なさる なさい なさら なされ なさい なさった
する し し すれ しろ した
結婚する 結婚し 結婚し 結婚すれ 結婚しろ 結婚した
説明する 説明し 説明し 説明すれ 説明しろ 説明した
練習する 練習し 練習し 練習すれ 練習しろ 練習した
愛する 愛し 愛し 愛すれ 愛しろ 愛した
コピーする コピーし コピーし コピーすれ コピーしろ コピーした
信ずる 信じ 信じ 信ずれ 信じろ 信じた
感ずる 感じ 感じ 感ずれ 感じろ 感じた
重んずる 重んじ 重んじ 重んずれ 重んじろ 重んじた
来る 来 来 来れ 来い 来た
やってくる やってき やってこ やってくれ やってこい やってきた
"""
COMMON_ROWS = [line.split() for line in COMMON.strip().splitlines()]


def test_common_table_is_large():
    assert len(COMMON_ROWS) >= 100
    assert all(len(row) == 6 for row in COMMON_ROWS)


@pytest.mark.parametrize("row", COMMON_ROWS, ids=[row[0] for row in COMMON_ROWS])
def test_common_verbs_slot_by_slot(row):
    assert forms(conj(row[0])) == row


def read_lexicon():
    with open(DATA, "rb") as f:
        text = f.read().decode("utf-8")
    lines = text.split("\n")
    header = [line for line in lines if line.startswith("#")]
    rows = [line for line in lines if line and not line.startswith("#")]
    return text, lines, header, rows


def test_lexicon_shape():
    text, lines, header, rows = read_lexicon()
    assert "\r" not in text and text.endswith("\n")
    assert lines[:4] == header and len(header) == 4
    assert header[3] == "# lemma\\tclass"
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(lemmas) == len(set(lemmas))
    endings = {"ichidan": ("る",), "godan": tuple("うくぐすつぬぶむる"), "godan_iku": ("く",), "godan_u": ("う",),
               "rspecial": ("る",), "suru": ("する",), "zuru": ("ずる",), "kuru": ("来る", "くる")}
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 2, row
        lemma, cls = cells
        assert cls in CLASSES, row
        assert lemma and lemma == lemma.strip() and not any(c.isspace() or c.isascii() for c in lemma), row
        assert lemma.endswith(endings[cls]), row


def test_lexicon_holds_the_reference_rows():
    _, _, _, rows = read_lexicon()
    table = dict(row.split("\t") for row in rows)
    for lemma, cls in [("あげる", "ichidan"), ("あう", "godan"), ("行く", "godan_iku"), ("く", "godan_iku"),
                       ("問う", "godan_u"), ("いらっしゃる", "rspecial"), ("する", "suru"), ("信ずる", "zuru"),
                       ("来る", "kuru"), ("やってくる", "kuru")]:
        assert table[lemma] == cls
    # 言う takes the standard past 言った: it is an ordinary godan verb.
    assert table["言う"] == "godan"


def test_every_lexicon_row_conjugates():
    _, _, _, rows = read_lexicon()
    for row in rows:
        lemma, cls = row.split("\t")
        r = conj(lemma)
        got = forms(r)
        assert got[0] == lemma and all(got), row
        if cls == "ichidan":
            stem = lemma[:-1]
            assert got[1:] == [stem, stem, stem + "れ", stem + "ろ", stem + "た"], row
        elif cls in ("godan", "godan_iku", "godan_u", "rspecial"):
            # Every form keeps the stem and ends in kana of the right row.
            assert all(f.startswith(lemma[:-1]) for f in got), row
            assert got[3][-1] in "えけげせてねべめれ", row
            assert got[4] == (got[1] if cls == "rspecial" else got[3]), row
            assert got[2][-1] in "わかがさたなばまら", row
            assert got[5][-1] in "ただ", row
        elif cls == "suru":
            assert got[5] == lemma[:-2] + "した", row
        elif cls == "zuru":
            assert got[5] == lemma[:-2] + "じた", row


@pytest.mark.parametrize("text", ["", " ", "\u3000", "\t\n", "食 べる", "食\u3000べる", "食べ\tる", "行\u00a0く"])
def test_not_a_japanese_verb(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == "not a Japanese verb"


@pytest.mark.parametrize("text", [
    "taberu",       # romanised
    "かんがえる",    # listed only in kanji
    "勉強する",      # compounds are not decomposed
    "食べ",
    "食べるる",
    "ichidan",
    "#",
    "#lemma",
    "食べる\u200b",  # a zero-width space is not white space
    "lemma",
])
def test_not_a_known_japanese_verb(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == "not a known Japanese verb"


@pytest.mark.parametrize("text", [" 食べる", "食べる\n", "\u3000食べる\u3000", "\t\r\n食べる \u2029"])
def test_surrounding_white_space_is_trimmed(text):
    r = conj(text)
    assert r.terminal == "食べる" and repr(r) == 'JapaneseConjugation("食べる")'


@pytest.mark.parametrize("lang", ["jpn", "ja", "japanese"])
def test_language_codes(lang):
    assert velnor.conjugate("書く", lang=lang).past == "書いた"


def test_class_shape():
    r = conj("書く")
    cls = type(r)
    assert cls.__name__ == "JapaneseConjugation"
    assert cls.__doc__ == "The conjugation of one Japanese verb: the katsuyou-kei (活用形) plus\nthe plain past た-form."
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == ATTRIBUTES
    assert [vars(cls)[n].__doc__ for n in names] == DOCS
    assert all(isinstance(f, str) for f in forms(r))
    with pytest.raises(AttributeError):
        r.past = "x"
    with pytest.raises(TypeError):
        cls()


@pytest.mark.parametrize("text,shown", [
    ("する", 'JapaneseConjugation("する")'),
    ("来る", 'JapaneseConjugation("来る")'),
    (" 行く ", 'JapaneseConjugation("行く")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def test_first_use_from_many_threads():
    # A fresh interpreter, so that the lexicon table is built under contention.
    code = (
        "import threading, velnor\n"
        "verbs = ['食べる', '書く', '行く', 'する', '来る', 'かんがえる', '問う', 'やってくる'] * 50\n"
        "out = {}\n"
        "barrier = threading.Barrier(8)\n"
        "def one(v):\n"
        "    try:\n"
        "        return velnor.conjugate(v, lang='jpn').past\n"
        "    except ValueError as e:\n"
        "        return str(e)\n"
        "def work(i):\n"
        "    barrier.wait()\n"
        "    out[i] = [one(v) for v in verbs]\n"
        "threads = [threading.Thread(target=work, args=(i,)) for i in range(8)]\n"
        "[t.start() for t in threads]\n"
        "[t.join() for t in threads]\n"
        "assert len({tuple(v) for v in out.values()}) == 1, out\n"
        "print(out[0][:8])\n"
    )
    res = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, timeout=60)
    assert res.returncode == 0, res.stderr
    assert res.stdout.strip() == str(
        ["食べた", "書いた", "行った", "した", "来た", "not a known Japanese verb", "問うた", "やってきた"])
