"""Bengali conjugation: analysis of the verbal noun (compound head, the আ,
ওয়া and ানো endings), the lexicon of raising and vowel-final roots, the
finite forms and the BengaliConjugation class."""
import os

import pytest

import velnor
from conftest import needs

pytestmark = needs("ben")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "ben.tsv")
ATTRIBUTES = [
    "infinitive", "verbal_infinitive", "perfective", "habitual_participle", "progressive_participle",
    "conditional", "present", "past", "future", "habitual", "present_progressive", "past_progressive",
    "present_perfect", "past_perfect",
]
ROWS = ATTRIBUTES[6:]
DOC = ("The conjugation of one Bengali verb (see `velnor::ben`). Every\n"
       "person row is [আমি, তুই, তুমি, সে, আপনি] — first, second intimate,\n"
       "second familiar, third ordinary, honorific.")


def conj(word):
    return velnor.conjugate(word, lang="ben")


def test_kora_full_paradigm():
    r = conj("করা")
    assert (r.verbal_infinitive, r.progressive_participle) == ("করতে", "করতে")
    assert (r.perfective, r.habitual_participle, r.conditional) == ("করে", "করে", "করলে")
    assert r.present == ["করি", "করিস", "করো", "করে", "করেন"]
    assert r.past == ["করলাম", "করলি", "করলে", "করলো", "করলেন"]
    assert r.future == ["করবো", "করবি", "করবে", "করবে", "করবেন"]
    assert r.habitual == ["করতাম", "করতিস", "করতে", "করতো", "করতেন"]
    assert r.present_progressive == ["করছি", "করছিস", "করছো", "করছে", "করছেন"]
    assert r.past_progressive == ["করছিলাম", "করছিলি", "করছিলে", "করছিলো", "করছিলেন"]
    assert r.present_perfect == ["করেছি", "করেছিস", "করেছো", "করেছে", "করেছেন"]
    assert r.past_perfect == ["করেছিলাম", "করেছিলি", "করেছিলে", "করেছিলো", "করেছিলেন"]


def test_raising_present_rows():
    assert conj("লেখা").present == ["লিখি", "লিখিস", "লেখো", "লেখে", "লেখেন"]
    assert conj("শোনা").present == ["শুনি", "শুনিস", "শোনো", "শোনে", "শোনেন"]
    assert conj("দেখা").present == ["দেখি", "দেখিস", "দেখো", "দেখে", "দেখেন"]


@pytest.mark.parametrize("word, present, past1, perfect1", [
    ("খাওয়া", ["খাই", "খাস", "খাও", "খায়", "খান"], "খেলাম", "খেয়েছি"),
    ("যাওয়া", ["যাই", "যাস", "যাও", "যায়", "যান"], "গেলাম", "গিয়েছি"),
    ("হওয়া", ["হই", "হস", "হও", "হয়", "হন"], "হলাম", "হয়েছি"),
    ("দেওয়া", ["দেই", "দিস", "দাও", "দেয়", "দেন"], "দিলাম", "দিয়েছি"),
    ("নেওয়া", ["নেই", "নিস", "নাও", "নেয়", "নেন"], "নিলাম", "নিয়েছি"),
])
def test_vowel_final_rows(word, present, past1, perfect1):
    r = conj(word)
    assert r.present == present
    assert r.past[0] == past1
    assert r.present_perfect[0] == perfect1
    assert r.past_perfect[0] == perfect1[:-1] + "িলাম"


@pytest.mark.parametrize("word, past1, future1, habitual1, infinitive, perfective", [
    ("চাওয়া", "চাইলাম", "চাইবো", "চাইতাম", "চাইতে", "চেয়ে"),
    ("গাওয়া", "গাইলাম", "গাইবো", "গাইতাম", "গাইতে", "গেয়ে"),
    ("দেওয়া", "দিলাম", "দিবো", "দিতাম", "দিতে", "দিয়ে"),
    ("নেওয়া", "নিলাম", "নিবো", "নিতাম", "নিতে", "নিয়ে"),
])
def test_give_take_want_sing(word, past1, future1, habitual1, infinitive, perfective):
    # গেলাম is the past of যাওয়া, not of গাওয়া; দেতে / নেতে are not words
    r = conj(word)
    assert (r.past[0], r.future[0], r.habitual[0]) == (past1, future1, habitual1)
    assert r.verbal_infinitive == r.progressive_participle == infinitive
    assert r.perfective == perfective
    assert r.conditional == past1[:-3] + "লে"


def test_causative():
    r = conj("করানো")
    assert r.present == ["করাই", "করাস", "করাও", "করায়", "করান"]
    assert r.past[0] == "করালাম" and r.future[0] == "করাবো"
    assert r.present_progressive[0] == "করাচ্ছি" and r.present_perfect[0] == "করিয়েছি"
    assert (r.verbal_infinitive, r.conditional) == ("করাতে", "করালে")


@pytest.mark.parametrize("word, perfective", [
    ("শেখানো", "শিখিয়ে"), ("বোঝানো", "বুঝিয়ে"), ("শোনানো", "শুনিয়ে"), ("ওঠানো", "উঠিয়ে"),
    ("দেখানো", "দেখিয়ে"),
])
def test_causative_of_raising_root(word, perfective):
    r = conj(word)
    assert r.perfective == perfective and r.present_perfect[0] == perfective + "ছি"
    assert r.present[0] == word[:-2] + "ই" and r.past[0] == word[:-2] + "লাম"


def test_causative_perfective_is_the_participle():
    # করায় is the third-person present; the perfective participle is করিয়ে.
    r = conj("করানো")
    assert r.perfective == r.habitual_participle == "করিয়ে"
    assert r.perfective != r.present[3]


@pytest.mark.parametrize("text", ["কাজ করা", "  কাজ করা\t", "কাজ\u00a0 করা"])
def test_compound_head(text):
    r = conj(text)
    head = r.infinitive[: r.infinitive.rindex(" ") + 1]
    assert r.infinitive.endswith(" করা")
    for name in ATTRIBUTES[1:6]:
        assert getattr(r, name).startswith(head)
    for name in ROWS:
        assert all(f.startswith(head) and f[len(head):] for f in getattr(r, name))
    assert r.present[0] == head + "করি" and r.verbal_infinitive == head + "করতে"


def test_compound_head_lexicon_forms():
    r = conj("ভাত খাওয়া")
    assert r.present == ["ভাত খাই", "ভাত খাস", "ভাত খাও", "ভাত খায়", "ভাত খান"]
    assert r.perfective == "ভাত খেয়ে"


@pytest.mark.parametrize("text", [
    "", "   ", "ওয়া", "আ", "া", "ানো", "kora", "করি", "কাজ ", "কাজ করি", "করা\u0000x", "\u09bc",
])
def test_rejected(text):
    with pytest.raises(ValueError, match="^not a Bengali verb$"):
        conj(text)


def test_precomposed_ya_is_not_the_lexicon_row():
    r = conj("খাও\u09dfা")
    assert r.present[0] == "খাও\u09dfি"
    assert r.past[0] == "খাও\u09dfলাম"


@pytest.mark.parametrize("word, present, past1, future1, perfective", [
    ("শোওয়া", ["শুই", "শুস", "শোও", "শোয়", "শোন"], "শুলাম", "শোবো", "শুয়ে"),
    ("ধোওয়া", ["ধুই", "ধুস", "ধোও", "ধোয়", "ধোন"], "ধুলাম", "ধোবো", "ধুয়ে"),
])
def test_o_final_roots(word, present, past1, future1, perfective):
    r = conj(word)
    assert r.present == present
    assert (r.past[0], r.future[0], r.perfective) == (past1, future1, perfective)
    assert r.present_perfect[0] == perfective + "ছি"


def test_unlisted_owa_verb_loses_its_ending():
    # a -ওয়া verb without a row is built off the bare root (ব of বওয়া)
    r = conj("বওয়া")
    assert r.infinitive == "বওয়া"
    assert all(f.startswith("ব") and "ওয়" not in f for name in ROWS for f in getattr(r, name))


VOWEL_SIGNS = {chr(c) for c in range(0x09BE, 0x09CD)}


def test_no_stacked_vowel_signs():
    for word in [row[0] for row in read_rows()[1]] + ["করা", "বলা", "ঘুমানো", "করানো"]:
        r = conj(word)
        for name in ATTRIBUTES:
            value = getattr(r, name)
            for form in value if isinstance(value, list) else [value]:
                assert not any(a in VOWEL_SIGNS and b in VOWEL_SIGNS for a, b in zip(form, form[1:])), form


def test_class_shape():
    r = conj("করা")
    cls = type(r)
    assert cls is velnor.BengaliConjugation and cls.__name__ == "BengaliConjugation"
    assert cls.__doc__ == DOC
    assert [a for a in ATTRIBUTES if hasattr(r, a)] == ATTRIBUTES
    for name in ROWS:
        row = getattr(r, name)
        assert isinstance(row, list) and len(row) == 5 and all(isinstance(f, str) and f for f in row)
        assert getattr(r, name) is not row
    with pytest.raises(AttributeError):
        r.present = []
    with pytest.raises(TypeError):
        cls()


def test_repr():
    assert repr(conj("করা")) == 'BengaliConjugation("কর\\u{9be}")'
    assert repr(conj("কাজ লেখা")) == 'BengaliConjugation("ক\\u{9be}জ লেখ\\u{9be}")'


@pytest.mark.parametrize("code", ["bn", "ben", "BN", "Bengali", "bangla"])
def test_codes(code):
    assert velnor.conjugate("করা", lang=code).present[0] == "করি"


def read_rows():
    with open(DATA, encoding="utf-8", newline="") as f:
        text = f.read()
    return text, [line.split("\t") for line in text.split("\n") if line and not line.startswith("#")]


def test_lexicon_text_shape():
    text, rows = read_rows()
    lines = text.split("\n")
    assert lines[0] == "# Bengali irregular verbs." and lines[-1] == ""
    assert sum(1 for l in lines if l.startswith("#")) == 31
    assert "\u09df" not in text and "\r" not in text
    assert len(rows) == 51
    assert len({r[0] for r in rows}) == len(rows)


def test_every_lexicon_row_is_used():
    _, rows = read_rows()
    for cells in rows:
        assert len(cells) == 9, cells[0]
        lemma, base, high, past, hab, nfin, perfect, prog, present = cells
        r = conj(lemma)
        assert r.infinitive == lemma
        if high != "-":
            assert r.future[0] == high + "বো"
        if base != "-" and present == "-":
            assert r.present[3] == base + "ে"
        if present != "-":
            assert len(present.split(",")) == 5
            assert r.present == present.split(",")
        if hab != "-":
            assert r.habitual[0] == hab + "তাম"
        if nfin != "-":
            assert r.verbal_infinitive == nfin + "তে"
        if perfect != "-":
            assert r.perfective == perfect and r.present_perfect[0] == perfect + "ছি"
        if prog != "-":
            assert r.present_progressive[0] == prog + "ি"
        if past != "-":
            assert r.past[0] == past + "লাম"


@pytest.mark.parametrize("word, present, past1, perfect1, infinitive", [
    ("তোলা", ["তুলি", "তুলিস", "তোলো", "তোলে", "তোলেন"], "তুললাম", "তুলেছি", "তুলতে"),
    ("ভোলা", ["ভুলি", "ভুলিস", "ভোলো", "ভোলে", "ভোলেন"], "ভুললাম", "ভুলেছি", "ভুলতে"),
    ("ফেরা", ["ফিরি", "ফিরিস", "ফেরো", "ফেরে", "ফেরেন"], "ফিরলাম", "ফিরেছি", "ফিরতে"),
    ("ঘোরা", ["ঘুরি", "ঘুরিস", "ঘোরো", "ঘোরে", "ঘোরেন"], "ঘুরলাম", "ঘুরেছি", "ঘুরতে"),
    ("মোছা", ["মুছি", "মুছিস", "মোছো", "মোছে", "মোছেন"], "মুছলাম", "মুছেছি", "মুছতে"),
    ("ছোটা", ["ছুটি", "ছুটিস", "ছোটো", "ছোটে", "ছোটেন"], "ছুটলাম", "ছুটেছি", "ছুটতে"),
    ("গোনা", ["গুনি", "গুনিস", "গোনো", "গোনে", "গোনেন"], "গুনলাম", "গুনেছি", "গুনতে"),
    ("ফোটা", ["ফুটি", "ফুটিস", "ফোটো", "ফোটে", "ফোটেন"], "ফুটলাম", "ফুটেছি", "ফুটতে"),
    ("ভেজা", ["ভিজি", "ভিজিস", "ভেজো", "ভেজে", "ভেজেন"], "ভিজলাম", "ভিজেছি", "ভিজতে"),
    ("মেশা", ["মিশি", "মিশিস", "মেশো", "মেশে", "মেশেন"], "মিশলাম", "মিশেছি", "মিশতে"),
    ("ধোয়া", ["ধুই", "ধুস", "ধোও", "ধোয়", "ধোন"], "ধুলাম", "ধুয়েছি", "ধুতে"),
    ("শোয়া", ["শুই", "শুস", "শোও", "শোয়", "শোন"], "শুলাম", "শুয়েছি", "শুতে"),
])
def test_more_raising_and_vowel_final_rows(word, present, past1, perfect1, infinitive):
    r = conj(word)
    assert r.present == present
    assert r.past[0] == past1
    assert r.present_perfect[0] == perfect1
    assert r.verbal_infinitive == infinitive
