"""Every form of every lexicon lemma and every table input of the languages written in a Brahmic script is a
well-formed string of that script: a dependent vowel sign, a virama or a length mark stands after a consonant
(a nukta between them allowed), never at the start, after a vowel letter, after another sign or after a virama."""
import pathlib
import re
import unicodedata

import pytest

import velnor

ROOT = pathlib.Path(__file__).resolve().parent
CODES = ("hin", "mar", "guj", "ben", "tam", "tel", "kan")
_VOWEL_LETTER = re.compile(r"LETTER (SHORT |CANDRA |VOCALIC |PRISHTHAMATRA )?(A|AA|I|II|U|UU|E|EE|AI|O|OO|AU|R|RR|L|LL)$")


def _kind(ch):
    if not "\u0900" <= ch <= "\u0dff":
        return "other"
    name = unicodedata.name(ch, "")
    if "NUKTA" in name:
        return "nukta"
    if "VOWEL SIGN" in name or "VIRAMA" in name or "LENGTH MARK" in name:
        return "sign"
    if unicodedata.category(ch) == "Lo":
        return "vowel" if _VOWEL_LETTER.search(name) or "AYTHAM" in name else "consonant"
    return "other"


def malformed(text):
    """The first sign that stands where no reader can attach it, or None."""
    prev = "other"
    for i, ch in enumerate(text):
        kind = _kind(ch)
        if kind == "nukta" and prev != "consonant":
            return i
        if kind == "sign" and prev not in ("consonant", "nukta") and not ("LENGTH MARK" in unicodedata.name(ch)
                                                                           and prev == "sign"):
            return i
        prev = kind
    return None


def _inputs(code):
    words = set()
    for path in [*ROOT.parent.glob(f"data/{code}*.tsv"), *ROOT.glob(f"data/forms/{code}*.tsv")]:
        for line in path.read_text(encoding="utf-8").splitlines():
            if line and not line.startswith(("#", "@")):
                words.add(line.split("\t")[0])
    return sorted(words)


def _forms(table):
    for name in dir(table):
        value = getattr(table, name)
        for item in value if isinstance(value, list) else [value]:
            if isinstance(item, str):
                yield item


@pytest.mark.parametrize("code", CODES)
def test_every_form_is_well_formed(code):
    bad = []
    for word in _inputs(code):
        try:
            table = velnor.conjugate(word, lang=code)
        except ValueError:
            continue
        bad += [(word, form) for form in _forms(table) if malformed(form) is not None]
    assert bad == []


@pytest.mark.parametrize("code, word", [
    ("hin", "क्ना"), ("hin", "कंना"), ("mar", "ाणे"), ("mar", "क्णे"), ("guj", "ક્વું"), ("ben", "ক্া"),
    ("ben", "কোা"), ("ben", "ক্ানো"), ("tel", "క్ు"), ("kan", "ಕ್ು"), ("tam", "கொொ"),
])
def test_a_stem_that_would_give_a_malformed_form_is_refused(code, word):
    with pytest.raises(ValueError):
        velnor.conjugate(word, lang=code)


def test_the_checker_sees_signs_out_of_place():
    assert [malformed(s) for s in ("खािये", "क्ा", "ाक", "कि", "क़ि", "অা", "ஃபடி")] == [2, 2, 0, None, None, 1, None]


_BLOCKS = {"hin": (0x0900, "ना"), "mar": (0x0900, "णे"), "guj": (0x0A80, "વું"), "ben": (0x0980, "া"),
           "tam": (0x0B80, ""), "tel": (0x0C00, "ు"), "kan": (0x0C80, "ು")}


@pytest.mark.parametrize("code", CODES)
def test_any_input_of_the_script_is_refused_or_well_formed(code):
    from hypothesis import given, settings, strategies as st

    start, ending = _BLOCKS[code]
    letters = [chr(c) for c in range(start, start + 0x80) if unicodedata.category(chr(c))[0] in "LM"]

    @settings(max_examples=400, deadline=None, database=None)
    @given(st.lists(st.sampled_from(letters), min_size=1, max_size=5), st.sampled_from([ending, "ওয়া", "ানো"]))
    def check(chars, end):
        try:
            table = velnor.conjugate("".join(chars) + (end if code == "ben" else ending), lang=code)
        except ValueError:
            return
        assert [form for form in _forms(table) if malformed(form) is not None] == []

    check()
