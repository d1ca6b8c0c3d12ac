"""Hindi conjugation: analysis of the input (compound head, the ना ending,
vowel-final stems), the irregular-verb lexicon, the rule forms and the
HindiConjugation class."""
import os
import subprocess

import pytest

import velnor
from conftest import build_cpp_tool, needs, read_test_data

pytestmark = needs("hin")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "hin.tsv")
COLUMNS = "# lemma\tpfv(m.sg,m.pl,f)\tsubj(1sg,2sg,3sg,1pl,2pl,3pl)\timp(intim,famil,polite)"
ATTRIBUTES = [
    "infinitive", "oblique_infinitive", "imperative", "subjunctive",
    "future_masculine", "future_feminine", "imperfective", "perfective",
]
ROW_LENGTHS = {"imperative": 3, "subjunctive": 6, "future_masculine": 6, "future_feminine": 6,
               "imperfective": 3, "perfective": 3}
DOC = ("The conjugation of one Hindi verb (see `velnor::hin`). Person rows\n"
       "are [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]; participle triples are\n"
       "[masc sg, masc pl, fem]; the imperative is\n"
       "[intimate (तू), familiar (तुम), polite (आप)].")


def conj(word):
    return velnor.conjugate(word, lang="hin")


# tests/data/hin_common.txt: standard Hindi in the normalised spelling
# (anusvara, no optional य-glide), one verb a line: infinitive; imperative
# intimate, familiar, polite; subjunctive 1sg, 3sg, 1pl, 2pl; future m.3sg,
# m.3pl, f.1sg; imperfective m.sg; perfective m.sg, m.pl, f.
COMMON = read_test_data("hin_common.txt")


def common_rows():
    for line in COMMON.strip().splitlines():
        w = line.split()
        yield pytest.param(w, id=w[0])


@pytest.mark.parametrize("w", list(common_rows()))
def test_common_verbs(w):
    assert len(w) == 15
    r = conj(w[0])
    assert r.infinitive == w[0]
    assert r.imperative == w[1:4]
    assert [r.subjunctive[i] for i in (0, 2, 3, 4)] == w[4:8]
    assert [r.future_masculine[2], r.future_masculine[5], r.future_feminine[0]] == w[8:11]
    assert r.imperfective[0] == w[11]
    assert r.perfective == w[12:15]


def test_common_table_is_large_and_distinct():
    verbs = [line.split()[0] for line in COMMON.strip().splitlines()]
    assert len(verbs) >= 100 and len(set(verbs)) == len(verbs)


CHALNA = {
    "infinitive": "चलना",
    "oblique_infinitive": "चलने",
    "imperative": ["चल", "चलो", "चलिए"],
    "subjunctive": ["चलूं", "चले", "चले", "चलें", "चलो", "चलें"],
    "future_masculine": ["चलूंगा", "चलेगा", "चलेगा", "चलेंगे", "चलोगे", "चलेंगे"],
    "future_feminine": ["चलूंगी", "चलेगी", "चलेगी", "चलेंगी", "चलोगी", "चलेंगी"],
    "imperfective": ["चलता", "चलते", "चलती"],
    "perfective": ["चला", "चले", "चली"],
}

KHANA = {
    "infinitive": "खाना",
    "oblique_infinitive": "खाने",
    "imperative": ["खा", "खाओ", "खाइए"],
    "subjunctive": ["खाऊं", "खाए", "खाए", "खाएं", "खाओ", "खाएं"],
    "future_masculine": ["खाऊंगा", "खाएगा", "खाएगा", "खाएंगे", "खाओगे", "खाएंगे"],
    "future_feminine": ["खाऊंगी", "खाएगी", "खाएगी", "खाएंगी", "खाओगी", "खाएंगी"],
    "imperfective": ["खाता", "खाते", "खाती"],
    "perfective": ["खाया", "खाए", "खाई"],
}

# The future "will be" is होगा/होंगे in standard Hindi, built on the
# subjunctive हो/हों, not on the dialectal होए/होएं.
HONA = {
    "infinitive": "होना",
    "oblique_infinitive": "होने",
    "imperative": ["हो", "होओ", "होइए"],
    "subjunctive": ["होऊं", "हो", "हो", "हों", "होओ", "हों"],
    "future_masculine": ["होऊंगा", "होगा", "होगा", "होंगे", "होओगे", "होंगे"],
    "future_feminine": ["होऊंगी", "होगी", "होगी", "होंगी", "होओगी", "होंगी"],
    "imperfective": ["होता", "होते", "होती"],
    "perfective": ["हुआ", "हुए", "हुई"],
}


@pytest.mark.parametrize("table", [CHALNA, KHANA, HONA], ids=["chalna", "khana", "hona"])
def test_full_tables(table):
    r = conj(table["infinitive"])
    assert {a: getattr(r, a) for a in ATTRIBUTES} == table


def test_karna_mixes_row_and_rule():
    r = conj("करना")
    assert r.perfective == ["किया", "किए", "की"]
    assert r.imperative == ["कर", "करो", "कीजिए"]
    assert r.subjunctive == ["करूं", "करे", "करे", "करें", "करो", "करें"]
    assert r.future_masculine == ["करूंगा", "करेगा", "करेगा", "करेंगे", "करोगे", "करेंगे"]
    assert r.future_feminine[4] == "करोगी"


# --- the compound head ----------------------------------------------------

@pytest.mark.parametrize("head, verb", [
    ("काम ", "करना"), ("इंतज़ार ", "करना"), ("ले ", "आना"), ("बंद ", "होना"),
    ("बहुत  ", "चलना"), ("a b ", "खाना"),
])
def test_compound_head_prefixes_every_form(head, verb):
    whole = conj(head + verb)
    bare = conj(verb)
    for a in ATTRIBUTES:
        got, want = getattr(whole, a), getattr(bare, a)
        if isinstance(want, str):
            assert got == head + want
        else:
            assert got == [head + f for f in want]


def test_compound_head_uses_the_row_of_the_last_word():
    r = conj("काम करना")
    assert r.perfective == ["काम किया", "काम किए", "काम की"]
    assert r.imperative[2] == "काम कीजिए"
    assert conj("चला जाना").perfective[0] == "चला गया"


@pytest.mark.parametrize("text, infinitive", [
    ("  करना\n", "करना"), ("\u3000करना\u00a0", "करना"), ("\tकाम करना ", "काम करना"),
])
def test_surrounding_white_space_is_trimmed(text, infinitive):
    r = conj(text)
    assert r.infinitive == infinitive
    assert r.perfective[0].endswith("किया")


def test_only_the_ascii_space_splits():
    # A tab or a no-break space is part of the word: the whole text is the verb.
    r = conj("काम\tकरना")
    assert r.infinitive == "काम\tकरना"
    assert r.perfective == ["काम\tकरा", "काम\tकरे", "काम\tकरी"]
    assert conj("काम\u00a0करना").imperative[2] == "काम\u00a0करिए"


# --- stems ---------------------------------------------------------------

@pytest.mark.parametrize("vowel", list("ािीुूृेैोौअआइईउऊएऐओऔ"))
def test_each_vowel_character_makes_a_vowel_stem(vowel):
    stem = "क" + vowel
    r = conj(stem + "ना")
    assert r.perfective == [stem + "या", stem + "ए", stem + "ई"]
    assert r.imperative == [stem, stem + "ओ", stem + "इए"]
    assert r.subjunctive == [stem + s for s in ("ऊं", "ए", "ए", "एं", "ओ", "एं")]


@pytest.mark.parametrize("last", ["\u093c", "\u094d", "\u0902", "\u0901", "\u0903", "\u0960", "क", "x"])
def test_other_final_characters_make_a_consonant_stem(last):
    stem = "क" + last
    r = conj(stem + "ना")
    assert r.perfective == [stem + "ा", stem + "े", stem + "ी"]
    assert r.subjunctive == [stem + s for s in ("ूं", "े", "े", "ें", "ो", "ें")]


# --- failures ---------------------------------------------------------------

@pytest.mark.parametrize("text", [
    "", "   ", "\n\t", "ना", " ना ", "काम ना", "चल", "करनी", "करने", "काम ", "करना काम",
    "karna", "ना्", "करना\u200b", "करना।",
])
def test_not_an_infinitive(text):
    with pytest.raises(ValueError, match="^not a Hindi infinitive$"):
        conj(text)


def test_ending_is_compared_byte_for_byte():
    # ऩ (the single letter) + ा, or न + nukta + ा, is not the ending ना.
    for text in ("कर\u0929\u093e", "कर\u0928\u093c\u093e"):
        with pytest.raises(ValueError):
            conj(text)


def test_language_codes():
    for code in ("hi", "hin", "HINDI", "Hi"):
        assert velnor.conjugate("चलना", lang=code).perfective[0] == "चला"


# --- the lexicon ---------------------------------------------------------

def lexicon_lines():
    with open(DATA, encoding="utf-8") as f:
        return f.read().split("\n")


def test_lexicon_header():
    comments = []
    for line in lexicon_lines():
        if not line.startswith("#"):
            break
        comments.append(line)
    assert comments[0] == "# Hindi irregular verbs."
    assert comments[-1] == COLUMNS


def test_every_lexicon_row_is_well_formed_and_used():
    rows = [line for line in lexicon_lines() if line and not line.startswith("#")]
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(rows) >= 8 and len(set(lemmas)) == len(lemmas)
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 4, row
        lemma = cells[0]
        assert lemma.endswith("ना") and " " not in lemma
        r = conj(lemma)
        for cell, attr, n in ((cells[1], "perfective", 3), (cells[2], "subjunctive", 6),
                              (cells[3], "imperative", 3)):
            if cell == "-":
                continue
            forms = cell.split(",")
            assert len(forms) == n and all(f and f.strip() == f for f in forms), row
            assert getattr(r, attr) == forms, row
        if cells[2] != "-":
            subj = cells[2].split(",")
            assert r.future_masculine == [s + e for s, e in zip(subj, ["गा", "गा", "गा", "गे", "गे", "गे"])]
            assert r.future_feminine == [s + "गी" for s in subj]


@pytest.mark.parametrize("lemma", ["होना", "जाना", "करना", "देना", "लेना", "पीना", "जीना", "सीना"])
def test_named_rows_present(lemma):
    assert any(line.split("\t")[0] == lemma for line in lexicon_lines() if not line.startswith("#"))


# --- the class -------------------------------------------------------------

def test_class_shape():
    cls = velnor.HindiConjugation
    assert cls.__doc__ == DOC
    r = conj("चलना")
    assert type(r) is cls
    for a in ATTRIBUTES:
        with pytest.raises(AttributeError):
            setattr(r, a, "x")
    with pytest.raises(TypeError):
        cls()
    for a, n in ROW_LENGTHS.items():
        v = getattr(r, a)
        assert isinstance(v, list) and len(v) == n and all(isinstance(f, str) for f in v)
    assert r.imperative is not r.imperative


@pytest.mark.parametrize("text, shown", [
    ("चलना", 'HindiConjugation("चलना")'),
    ("खाना", 'HindiConjugation("खाना")'),
    ("देना", 'HindiConjugation("द\\u{947}ना")'),
    ("छूना", 'HindiConjugation("छ\\u{942}ना")'),
    ('"\\ करना', 'HindiConjugation("\\"\\\\ करना")'),
    ("a\tपढ़ना", 'HindiConjugation("a\\tपढ\\u{93c}ना")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def test_results_are_independent():
    a = conj("लेना")
    a.imperative.append("x")
    assert conj("लेना").imperative == ["ले", "लो", "लीजिए"]


# --- analysis and lexicon parse, on a test lexicon ----------------------------

@pytest.fixture(scope="module")
def tool(tmp_path_factory):
    """The C++ check program, built on a test lexicon: CRLF endings, missing
    columns, groups of the wrong size, empty forms, untrimmed forms, a
    duplicate lemma and a commented-out row."""
    d = tmp_path_factory.mktemp("hin_data")
    (d / "hin.tsv").write_bytes(
        "# head\r\n\r\nकहना\tक1,क2,क3\r\n"
        "रखना\t-\ta,b,c,d,e,f\tx,y\n"
        "भरना\ta,b\ta,b,c,d,e,f,g\t,,\n"
        "सहना\tfirst,x,y\nसहना\t-\t-\tसह,सहो,सहिए\n"
        "#पढ़ना\tx,y,z\n"
        "मरना\t a,b,c \t-\n".encode())
    exe = build_cpp_tool(d, "hin_check.cpp",
                         ["hin.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                         [str(d / "hin.tsv")])

    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


def test_verb_fields(tool):
    assert tool("verb:  करना ", "verb:काम कहना", "verb:खाना", "verb:पढ़ना", "verb:क्ना", "verb:बोआना",
                "verb:a  b सहना") == [
        ["[]", "करना", "कर", "0", "NOROW"],
        ["[काम ]", "कहना", "कह", "0", "क1,क2,क3", "~", "~"],
        ["[]", "खाना", "खा", "1", "NOROW"],
        ["[]", "पढ़ना", "पढ़", "0", "NOROW"],
        ["[]", "क्ना", "क्", "0", "NOROW"],
        ["[]", "बोआना", "बोआ", "1", "NOROW"],
        ["[a  b ]", "सहना", "सह", "0", "~", "~", "सह,सहो,सहिए"],
    ]


def test_lexicon_parse(tool):
    assert tool("verb:रखना", "verb:भरना", "verb:मरना", "verb:पढ़ना", "verb:ना", "verb:काम ना", "verb:") == [
        ["[]", "रखना", "रख", "0", "~", "a,b,c,d,e,f", "~"],
        ["[]", "भरना", "भर", "0", "~", "~", ",,"],
        ["[]", "मरना", "मर", "0", " a,b,c ", "~", "~"],
        ["[]", "पढ़ना", "पढ़", "0", "NOROW"],
        ["FAIL"], ["FAIL"], ["FAIL"],
    ]


def test_table_takes_each_group_whole_or_not_at_all(tool):
    # रखना: subjunctive from the row (and so the future), the rest by rule.
    [row] = tool("table:रखना")
    assert row[:11] == ["रखना", "रखने", "रख", "रखो", "रखिए", "रखता", "रखते", "रखती", "रखा", "रखे", "रखी"]
    assert row[11:17] == list("abcdef")
    assert row[17:23] == ["aगा", "bगा", "cगा", "dगे", "eगे", "fगे"]
    assert row[23:] == [c + "गी" for c in "abcdef"]
    [row] = tool("table:काम कहना")
    assert row[:11] == ["काम कहना", "काम कहने", "काम कह", "काम कहो", "काम कहिए", "काम कहता", "काम कहते",
                        "काम कहती", "काम क1", "काम क2", "काम क3"]
