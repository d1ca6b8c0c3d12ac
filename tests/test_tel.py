"""Telugu conjugation: analysis of the root into its tense stems, the three
sub-rules (ను, యు, ించు), the irregular-stem lexicon, the eight-slot rows and
the TeluguConjugation class."""
import os
import threading

import pytest

import velnor
from conftest import needs, read_test_data

pytestmark = needs("tel")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "tel.tsv")
ATTRIBUTES = ["infinitive", "past", "present_durative", "future", "imperative"]
DOC = ("The finite conjugation of one Telugu verb (see `velnor::tel`).\n"
       "Every row is [1sg, 2sg, 3sg-masc, 3sg-nonmasc, 1pl, 2pl, 3pl-masc,\n"
       "3pl-nonmasc].")


def conj(word):
    return velnor.conjugate(word, lang="tel")


# tests/data/tel_common.txt: root; past 1sg; past 3sg-nonmasc; imperative
# 2pl; present durative 1sg; future 1sg; future 3sg-nonmasc ("-" unchecked).
COMMON = [line.split("\t") for line in read_test_data("tel_common.txt").splitlines()
          if line and not line.startswith("#")]


@pytest.mark.parametrize("w", [pytest.param(w, id=w[0]) for w in COMMON])
def test_common_verbs(w):
    assert len(w) == 7
    r = conj(w[0])
    got = [r.past[0], r.past[3], r.imperative[1], r.present_durative[0], r.future[0], r.future[3]]
    for want, have in zip(w[1:], got):
        if want != "-":
            assert have == want
    assert r.imperative[0] == w[0] and r.infinitive == w[0]


def test_common_table_is_large_and_distinct():
    verbs = [w[0] for w in COMMON]
    assert len(verbs) >= 100 and len(set(verbs)) == len(verbs)


KOTTU = {
    "infinitive": "కొట్టు",
    "past": ["కొట్టాను", "కొట్టావు", "కొట్టాడు", "కొట్టింది", "కొట్టాము", "కొట్టారు", "కొట్టారు", "కొట్టారు"],
    "present_durative": ["కొట్టుతున్నాను", "కొట్టుతున్నావు", "కొట్టుతున్నాడు", "కొట్టుతున్నది",
                         "కొట్టుతున్నాము", "కొట్టుతున్నారు", "కొట్టుతున్నారు", "కొట్టుతున్నారు"],
    "future": ["కొట్టుతాను", "కొట్టుతావు", "కొట్టుతాడు", "కొట్టుతుంది", "కొట్టుతాము", "కొట్టుతారు",
               "కొట్టుతారు", "కొట్టుతారు"],
    "imperative": ["కొట్టు", "కొట్టండి"],
}
CHEYU = {
    "infinitive": "చేయు",
    "past": ["చేశాను", "చేశావు", "చేశాడు", "చేసింది", "చేశాము", "చేశారు", "చేశారు", "చేశారు"],
    "present_durative": ["చేస్తున్నాను", "చేస్తున్నావు", "చేస్తున్నాడు", "చేస్తున్నది", "చేస్తున్నాము",
                         "చేస్తున్నారు", "చేస్తున్నారు", "చేస్తున్నారు"],
    "future": ["చేస్తాను", "చేస్తావు", "చేస్తాడు", "చేస్తుంది", "చేస్తాము", "చేస్తారు", "చేస్తారు", "చేస్తారు"],
    "imperative": ["చేయు", "చేయండి"],
}
TINU = {
    "infinitive": "తిను",
    "past": ["తిన్నాను", "తిన్నావు", "తిన్నాడు", "తిన్నది", "తిన్నాము", "తిన్నారు", "తిన్నారు", "తిన్నారు"],
    "present_durative": ["తింటున్నాను", "తింటున్నావు", "తింటున్నాడు", "తింటున్నది", "తింటున్నాము",
                         "తింటున్నారు", "తింటున్నారు", "తింటున్నారు"],
    "future": ["తింటాను", "తింటావు", "తింటాడు", "తింటుంది", "తింటాము", "తింటారు", "తింటారు", "తింటారు"],
    "imperative": ["తిను", "తినండి"],
}


@pytest.mark.parametrize("table", [KOTTU, CHEYU, TINU], ids=["kottu", "cheyu", "tinu"])
def test_full_tables(table):
    r = conj(table["infinitive"])
    for name in ATTRIBUTES:
        assert getattr(r, name) == table[name], name


@pytest.mark.parametrize("verb, past_1sg, past_nm, prs_1sg, fut_1sg, fut_nm", [
    # nasal class: past in -న్న, 3sg non-masc in -ది, other tenses on the root
    ("కను", "కన్నాను", "కన్నది", "కనుతున్నాను", "కనుతాను", "కనుతుంది"),
    # యు class
    ("రాయు", "రాశాను", "రాసింది", "రాస్తున్నాను", "రాస్తాను", "రాస్తుంది"),
    # causative in ించు: only the present and future change
    ("నడిపించు", "నడిపించాను", "నడిపించింది", "నడిపిస్తున్నాను", "నడిపిస్తాను", "నడిపిస్తుంది"),
    # lexicon past stem, 3sg non-masc built from it
    ("అరుచు", "అరిచాను", "అరిచింది", "అరుస్తున్నాను", "అరుస్తాను", "అరుస్తుంది"),
    # lexicon future stem and its own 3sg non-masc form
    ("ఆడు", "ఆడాను", "ఆడింది", "ఆడుతున్నాను", "ఆడతాను", "ఆడతాది"),
    # lexicon past stem with its own 3sg non-masc form
    ("ఉండు", "ఉన్నాను", "ఉన్నది", "ఉంటున్నాను", "ఉంటాను", "ఉంటుంది"),
    # lexicon 3sg non-masc alone keeps the rule's past stem
    ("పుట్టు", "పుట్టాను", "పుట్టినది", "పుట్టుతున్నాను", "పుట్టుతాను", "పుట్టుతుంది"),
    # lexicon present and future stems, past by the rule
    ("ఇచ్చు", "ఇచ్చాను", "ఇచ్చింది", "ఇస్తున్నాను", "ఇస్తాను", "ఇస్తుంది"),
    ("పోవు", "పోయాను", "పోయింది", "పోతున్నాను", "పోతాను", "పోతుంది"),
    ("వెళ్లు", "వెళ్లాను", "వెళ్లింది", "వెళుతున్నాను", "వెళ్లుతాను", "వెళ్లుతుంది"),
])
def test_sub_rules_and_lexicon(verb, past_1sg, past_nm, prs_1sg, fut_1sg, fut_nm):
    r = conj(verb)
    assert [r.past[0], r.past[3], r.present_durative[0], r.future[0], r.future[3]] == \
        [past_1sg, past_nm, prs_1sg, fut_1sg, fut_nm]


@pytest.mark.parametrize("verb, kind", [
    ("అను", "nasal"), ("కను", "nasal"), ("తిను", "nasal"),
    ("చేయు", "yu"), ("తీయు", "yu"),
    ("ప్రేమించు", "causative"), ("కొట్టు", "default"), ("ఆడు", "default"),
])
def test_row_shape(verb, kind):
    r = conj(verb)
    for row in (r.past, r.present_durative, r.future):
        assert len(row) == 8
        # 2pl, 3pl-masc and 3pl-nonmasc are one form
        assert row[5] == row[6] == row[7]
        assert all(form and " " not in form for form in row)
    assert r.present_durative[3] == r.present_durative[2][:-len("ాడు")] + "ది"
    assert len(r.imperative) == 2


def test_short_roots_take_the_default_rules():
    # "ను" and "యు" of a single letter are shorter than the class roots
    r = conj("xు")
    assert r.past == ["xాను", "xావు", "xాడు", "xింది", "xాము", "xారు", "xారు", "xారు"]
    assert r.present_durative[0] == "xుతున్నాను" and r.future[3] == "xుతుంది"
    assert r.imperative == ["xు", "xండి"]
    assert conj("నను").past[0] == "నన్నాను"
    assert conj("యయు").past[0] == "యశాను"


@pytest.mark.parametrize("text", [
    "", "   ", "ు", " ు ", "కొట్ట", "చేయి", "go", "కొట్టు కొట్టు", "కొ\u00a0ట్టు", "కొట్టు\tను",
])
def test_refused(text):
    with pytest.raises(ValueError, match="^not a Telugu verb root$"):
        conj(text)


@pytest.mark.parametrize("text", [" కొట్టు", "కొట్టు\n", "\u3000కొట్టు\u2003", "\tకొట్టు "])
def test_outer_white_space_is_trimmed(text):
    r = conj(text)
    assert r.infinitive == "కొట్టు" and r.imperative[0] == "కొట్టు"
    assert r.past == KOTTU["past"]


def test_class_shape_and_docs():
    r = conj("కొట్టు")
    cls = type(r)
    assert cls is velnor.TeluguConjugation and cls.__name__ == "TeluguConjugation"
    assert cls.__doc__ == DOC
    for name in ATTRIBUTES:
        assert isinstance(getattr(r, name), (str, list))
        with pytest.raises(AttributeError):
            setattr(r, name, "x")
    assert cls.imperative.__doc__ == "[2sg, 2pl]."
    assert repr(conj("ఆడు")) == 'TeluguConjugation("ఆడు")'
    assert repr(r).startswith('TeluguConjugation("') and repr(r).endswith('")')
    # fresh lists every time: changing one does not change the result
    r.past.append("x")
    assert len(r.past) == 8


NAMED_ROWS = ["అరుచు", "కడుగు", "గెలుచు", "జరుగు", "పెరుగు", "చదువు", "అడుగు", "కలుపు", "మోసపోవు", "ఉండు",
              "పుట్టు", "తిను", "వెళ్లు", "ఆడు", "ఇచ్చు", "పోవు"]


def test_lexicon_rows_parse_and_take_effect():
    with open(DATA, encoding="utf-8", newline="") as f:
        text = f.read()
    lines = text.split("\n")
    assert lines[0] == "# Telugu irregular verb stems."
    assert any(line.strip("# ").split() == ["lemma", "past_stem", "past_3sg_nonmasc", "prs_stem", "fut_stem",
                                             "fut_3sg_nonmasc"] for line in lines if line.startswith("#"))
    rows = [line.split("\t") for line in lines if line and not line.startswith("#")]
    assert [row[0] for row in rows[:16]] == NAMED_ROWS
    assert rows[9] == ["ఉండు", "ఉన్న", "ఉన్నది", "-", "-", "-"]
    assert rows[13] == ["ఆడు", "-", "-", "-", "ఆడతా", "ఆడతాది"]
    assert len({row[0] for row in rows}) == len(rows) >= 16
    for row in rows:
        assert len(row) == 6, row
        lemma, past, past_nm, prs, fut, fut_nm = row
        assert lemma.endswith("ు") and any(c != "-" for c in row[1:]), row
        r = conj(lemma)
        if past != "-":
            assert r.past[0] == past + "ాను"
            assert r.past[3] == (past_nm if past_nm != "-" else past + "ింది")
        elif past_nm != "-":
            assert r.past[3] == past_nm
        if prs != "-":
            assert r.present_durative[0] == prs + "ాను" and r.present_durative[3] == prs + "ది"
        if fut != "-":
            assert r.future[0] == fut + "ను"
            assert r.future[3] == (fut_nm if fut_nm != "-" else fut[:-1] + "ుంది")
        elif fut_nm != "-":
            assert r.future[3] == fut_nm


def test_threads_agree():
    verbs = [w[0] for w in COMMON]
    expected = {v: conj(v).past for v in verbs}
    errors = []

    def work():
        for v in verbs:
            if conj(v).past != expected[v]:
                errors.append(v)

    threads = [threading.Thread(target=work) for _ in range(4)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert not errors


@pytest.mark.parametrize("root, past1, past3, prs1, fut1, fut3", [
    ("వచ్చు", "వచ్చాను", "వచ్చింది", "వస్తున్నాను", "వస్తాను", "వస్తుంది"),
    ("తెరుచు", "తెరిచాను", "తెరిచింది", "తెరుస్తున్నాను", "తెరుస్తాను", "తెరుస్తుంది"),
    ("పిలుచు", "పిలిచాను", "పిలిచింది", "పిలుస్తున్నాను", "పిలుస్తాను", "పిలుస్తుంది"),
    ("తీసుకొను", "తీసుకున్నాను", "తీసుకున్నది", "తీసుకుంటున్నాను", "తీసుకుంటాను", "తీసుకుంటుంది"),
    ("కూర్చొను", "కూర్చున్నాను", "కూర్చున్నది", "కూర్చుంటున్నాను", "కూర్చుంటాను", "కూర్చుంటుంది"),
])
def test_everyday_stem_changes(root, past1, past3, prs1, fut1, fut3):
    c = velnor.conjugate(root, lang="tel")
    assert (c.past[0], c.past[3], c.present_durative[0]) == (past1, past3, prs1)
    assert (c.future[0], c.future[3]) == (fut1, fut3)
