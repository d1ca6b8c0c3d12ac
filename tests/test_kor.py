"""Korean conjugation: analysis of the dictionary form, the irregular-stem
lexicon, the four surface forms and the KoreanConjugation class."""
import os

import pytest

import velnor
from conftest import needs, read_test_data

pytestmark = needs("kor")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "kor.tsv")
MESSAGE = "not a Korean verb (must be a 하다-style 다-final stem)"
ATTRIBUTES = ["infinitive", "intimate", "connective_ni", "adnominal_present", "formal_present"]
CODES = {"b", "d", "s", "reu", "reo", "u", "h", "eae"}


def conj(word):
    return velnor.conjugate(word, lang="kor")


def forms(r):
    return (r.intimate, r.connective_ni, r.adnominal_present, r.formal_present)


def data_rows(text):
    return [line.split("\t") for line in text.splitlines() if line and not line.startswith("#")]


COMMON_ROWS = data_rows(read_test_data("kor_common.txt"))


def test_common_table_is_large():
    assert len(COMMON_ROWS) >= 100
    assert all(len(row) == 5 for row in COMMON_ROWS)


@pytest.mark.parametrize("row", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs_slot_by_slot(row):
    r = conj(row[0])
    assert r.infinitive == row[0]
    assert forms(r) == tuple(row[1:])


# Adjectives: the intimate, -(으)니 and formal forms (their -는 form is not used).
@pytest.mark.parametrize("word,intimate,ni,formal", [
    ("춥다", "추워", "추우니", "춥습니다"), ("덥다", "더워", "더우니", "덥습니다"),
    ("쉽다", "쉬워", "쉬우니", "쉽습니다"), ("어렵다", "어려워", "어려우니", "어렵습니다"),
    ("아름답다", "아름다워", "아름다우니", "아름답습니다"), ("곱다", "고와", "고우니", "곱습니다"),
    ("다르다", "달라", "다르니", "다릅니다"), ("빠르다", "빨라", "빠르니", "빠릅니다"),
    ("게으르다", "게을러", "게으르니", "게으릅니다"), ("목마르다", "목말라", "목마르니", "목마릅니다"),
    ("아프다", "아파", "아프니", "아픕니다"), ("바쁘다", "바빠", "바쁘니", "바쁩니다"),
    ("예쁘다", "예뻐", "예쁘니", "예쁩니다"), ("기쁘다", "기뻐", "기쁘니", "기쁩니다"),
    ("좋다", "좋아", "좋으니", "좋습니다"), ("많다", "많아", "많으니", "많습니다"),
    ("길다", "길어", "기니", "깁니다"), ("멀다", "멀어", "머니", "멉니다"),
    ("비싸다", "비싸", "비싸니", "비쌉니다"), ("조용하다", "조용해", "조용하니", "조용합니다"),
    # ㅎ-irregular stems drop the ㅎ and front the vowel; plain ㅎ codas keep it.
    ("빨갛다", "빨개", "빨가니", "빨갛습니다"), ("파랗다", "파래", "파라니", "파랗습니다"),
    ("하얗다", "하얘", "하야니", "하얗습니다"), ("누렇다", "누레", "누러니", "누렇습니다"),
    ("허옇다", "허예", "허여니", "허옇습니다"), ("그렇다", "그래", "그러니", "그렇습니다"),
    ("어떻다", "어때", "어떠니", "어떻습니다"), ("이렇다", "이래", "이러니", "이렇습니다"),
    ("커다랗다", "커다래", "커다라니", "커다랗습니다"),
    ("넣다", "넣어", "넣으니", "넣습니다"),
    ("괜찮다", "괜찮아", "괜찮으니", "괜찮습니다"),
])
def test_adjectives(word, intimate, ni, formal):
    r = conj(word)
    assert (r.intimate, r.connective_ni, r.formal_present) == (intimate, ni, formal)


@pytest.mark.parametrize("text", ["  먹다\t", "\u3000먹다\n", "\u00a0먹다"])
def test_outer_white_space_is_trimmed(text):
    assert conj(text).infinitive == "먹다"
    assert forms(conj(text)) == forms(conj("먹다"))


@pytest.mark.parametrize("text", [
    "", "   ", "다", " 다 ", "먹어", "먹 다", "먹\u3000다", "ㅁ다", "먹ㅏ다", "eat다", "1다", "먹다x",
    "\u1106\u1165\u11a8다", "먹다 먹다", "까다\x00", "\ufffd다",
])
def test_refused(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == MESSAGE


@pytest.mark.parametrize("word,intimate", [
    # A listed compound takes its own row; an unlisted one is regular (no suffix matching).
    ("가로눕다", "가로누워"), ("엎드려눕다", "엎드려눕어"),
    # 하다 wins over any class; a 하 that is not last is an ordinary syllable.
    ("하다", "해"), ("하얗다", "하얘"), ("하품하다", "하품해"),
    # ㅡ-deletion takes its vowel from the syllable before, ㅓ when there is none.
    ("쓰다", "써"), ("모으다", "모아"), ("예쁘다", "예뻐"), ("크다", "커"),
    # Vowels that take a separate 어.
    ("쉬다", "쉬어"), ("띄다", "띄어"),
])
def test_intimate_rules(word, intimate):
    assert conj(word).intimate == intimate


def test_extremes_of_the_syllable_block():
    assert forms(conj("가다")) == ("가", "가니", "가는", "갑니다")
    r = conj("힣다")  # last syllable of the block: ㅎ ㅣ ㅎ
    assert forms(r) == ("힣어", "힣으니", "힣는", "힣습니다")


def test_class_and_repr():
    r = conj("그러다")
    assert type(r).__name__ == "KoreanConjugation"
    assert repr(r) == 'KoreanConjugation("그러다")'
    assert type(r).__doc__ == "The four whole-word surface forms of one Korean verb (see\n`velnor::kor`)."
    assert [a for a in ATTRIBUTES if hasattr(r, a)] == ATTRIBUTES
    with pytest.raises(AttributeError):
        r.intimate = "x"
    with pytest.raises(TypeError):
        type(r)()


def test_lexicon_text_shape():
    with open(DATA, encoding="utf-8", newline="") as f:
        text = f.read()
    lines = text.split("\n")
    assert lines[2] == "# reu=르(ㄹㄹ), reo=러, u=우, h=ㅎ. Regular verbs (plain codas, ㄹ-stems,"
    assert lines[3] == "# ㅡ-deletion, 하다) are predictable and never stored."
    assert lines[1].endswith("b=ㅂ, d=ㄷ, s=ㅅ,")
    rows = data_rows(text)
    assert "\r" not in text
    lemmas = [r[0] for r in rows]
    assert lemmas == sorted(lemmas) and len(set(lemmas)) == len(lemmas)
    for lemma, code in rows:
        assert code in CODES
        assert lemma.endswith("다") and len(lemma) >= 2
        assert all("\uac00" <= c <= "\ud7a3" for c in lemma)
    named = {"돕다": "b", "듣다": "d", "낫다": "s", "모르다": "reu", "푸다": "u"}
    for word in ["고러다", "그러다", "어쩌다", "요러다", "이러다", "저러다", "조러다"]:
        named[word] = "eae"
    assert {l: c for l, c in rows if l in named} == named
    assert sum(c == "eae" for _, c in rows) == 7


def test_every_lexicon_row_is_irregular_in_the_engine():
    # Each listed verb must conjugate unlike its regular reading: the row is
    # read and its class applied.
    with open(DATA, encoding="utf-8") as f:
        rows = data_rows(f.read())
    for lemma, code in rows:
        r = conj(lemma)
        assert r.infinitive == lemma
        stem = lemma[:-1]
        if code in ("b", "s"):
            assert not r.intimate.startswith(stem), lemma
        elif code == "d":
            assert r.connective_ni.endswith("으니") and r.connective_ni[:-2] != stem, lemma
        elif code == "reu":
            assert r.intimate[-1] in "라러" and r.intimate[-2] != stem[-2], lemma
        elif code in ("eae", "u", "h"):
            assert r.intimate not in (stem, stem + "어"), lemma


@pytest.mark.parametrize("lemma, intimate, ni, formal", [
    ("푸르다", "푸르러", "푸르니", "푸릅니다"),   # 러-irregular, unlike 흐르다
    ("흐르다", "흘러", "흐르니", "흐릅니다"),
])
def test_reo_and_reu_stems(lemma, intimate, ni, formal):
    r = conj(lemma)
    assert (r.intimate, r.connective_ni, r.formal_present) == (intimate, ni, formal)
