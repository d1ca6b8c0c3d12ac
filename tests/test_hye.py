"""Eastern Armenian conjugation: analysis of the input, the lexicon of
irregular verbs, the shape rules for stems, the table and the
ArmenianConjugation class."""
import os
import subprocess
import threading

import pytest

import velnor
from conftest import build_cpp_tool, needs, read_test_data

pytestmark = needs("hye")

DATA_DIR = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data")
COLUMNS = "# lemma\tipfv\tperf\taor\taorset\timp_sg\timp_pl\tsub\tpass\tcaus"
ROWS = ["present", "imperfect", "aorist", "perfect", "pluperfect", "future", "future_in_past",
        "subjunctive_future", "subjunctive_past", "conditional", "conditional_past"]
SINGLE = ["converb_imperfective", "converb_perfective", "converb_future", "converb_simultaneous", "connegative",
          "participle_subject", "participle_resultative", "passive", "causative"]
ATTRIBUTES = ["infinitive"] + ROWS + ["imperative"] + SINGLE
DOC = ("The conjugation of one Eastern Armenian verb (see `velnor::hye`).\n"
       "Person rows are [ես, դու, նա, մենք, դուք, նրանք]; the analytic\n"
       "tenses are spelled out (`գրում եմ`), the imperative is\n[singular, plural].")
AUX_PRESENT = ["եմ", "ես", "է", "ենք", "եք", "են"]
AUX_PAST = ["էի", "էիր", "էր", "էինք", "էիք", "էին"]


def conj(word):
    return velnor.conjugate(word, lang="hye")


# Standard Eastern Armenian forms: infinitive, imperfective converb,
# aorist (ես, նա), perfective converb, subjunctive (ես), imperative
# (singular, plural), resultative and subject participles.
COMMON = read_test_data("hye_common.txt")
COMMON_ROWS = [line.split() for line in COMMON.strip().splitlines()]


def test_common_table():
    assert len(COMMON_ROWS) >= 100
    assert all(len(r) == 10 for r in COMMON_ROWS)
    assert len({r[0] for r in COMMON_ROWS}) == len(COMMON_ROWS)


@pytest.mark.parametrize("row", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs(row):
    inf, ipfv, aor1, aor3, perf, subj, imp_sg, imp_pl, resultative, subject = row
    r = conj(inf)
    got = (r.infinitive, r.converb_imperfective, r.present[0], r.aorist[0], r.aorist[2], r.converb_perfective,
           r.perfect[2], r.subjunctive_future[0], r.conditional[0], r.imperative, r.participle_resultative,
           r.participle_subject, r.converb_future, r.future[3])
    assert got == (inf, ipfv, ipfv + " եմ", aor1, aor3, perf, perf + " է", subj, "կ" + subj, [imp_sg, imp_pl],
                   resultative, subject, inf + "ու", inf + "ու ենք")


def person_rows(converb, aux):
    return [f"{converb} {a}" for a in aux]


def test_full_paradigm_e_class():
    r = conj("գրել")
    assert r.present == person_rows("գրում", AUX_PRESENT)
    assert r.imperfect == person_rows("գրում", AUX_PAST)
    assert r.aorist == ["գրեցի", "գրեցիր", "գրեց", "գրեցինք", "գրեցիք", "գրեցին"]
    assert r.perfect == person_rows("գրել", AUX_PRESENT)
    assert r.pluperfect == person_rows("գրել", AUX_PAST)
    assert r.future == person_rows("գրելու", AUX_PRESENT)
    assert r.future_in_past == person_rows("գրելու", AUX_PAST)
    assert r.subjunctive_future == ["գրեմ", "գրես", "գրի", "գրենք", "գրեք", "գրեն"]
    assert r.subjunctive_past == ["գրեի", "գրեիր", "գրեր", "գրեինք", "գրեիք", "գրեին"]
    assert r.conditional == ["կգրեմ", "կգրես", "կգրի", "կգրենք", "կգրեք", "կգրեն"]
    assert r.conditional_past == ["կգրեի", "կգրեիր", "կգրեր", "կգրեինք", "կգրեիք", "կգրեին"]
    assert r.imperative == ["գրիր", "գրեք"]
    assert [getattr(r, n) for n in SINGLE] == [
        "գրում", "գրել", "գրելու", "գրելիս", "գրի", "գրող", "գրած", "գրվել", "գրեցնել"]


def test_full_paradigm_a_class():
    r = conj("կարդալ")
    assert r.present == person_rows("կարդում", AUX_PRESENT)
    assert r.aorist == ["կարդացի", "կարդացիր", "կարդաց", "կարդացինք", "կարդացիք", "կարդացին"]
    assert r.perfect == person_rows("կարդացել", AUX_PRESENT)
    assert r.future_in_past == person_rows("կարդալու", AUX_PAST)
    assert r.subjunctive_future == ["կարդամ", "կարդաս", "կարդա", "կարդանք", "կարդաք", "կարդան"]
    assert r.subjunctive_past == ["կարդայի", "կարդայիր", "կարդար", "կարդայինք", "կարդայիք", "կարդային"]
    assert r.conditional_past == ["կկարդայի", "կկարդայիր", "կկարդար", "կկարդայինք", "կկարդայիք", "կկարդային"]
    assert r.imperative == ["կարդա", "կարդացեք"]
    assert [getattr(r, n) for n in SINGLE] == [
        "կարդում", "կարդացել", "կարդալու", "կարդալիս", "կարդա", "կարդացող", "կարդացած", "կարդացվել",
        "կարդացնել"]


@pytest.mark.parametrize("verb, aorist", [
    ("մոռանալ", ["մոռացա", "մոռացար", "մոռացավ", "մոռացանք", "մոռացաք", "մոռացան"]),
    ("գալ", ["եկա", "եկար", "եկավ", "եկանք", "եկաք", "եկան"]),
    ("հասցնել", ["հասցրի", "հասցրիր", "հասցրեց", "հասցրինք", "հասցրիք", "հասցրին"]),
    ("տալ", ["տվեցի", "տվեցիր", "տվեց", "տվեցինք", "տվեցիք", "տվեցին"]),
])
def test_aorist_sets(verb, aorist):
    assert conj(verb).aorist == aorist


def test_overridden_perfective_stem():
    r = conj("գալ")
    assert (r.converb_perfective, r.perfect[0], r.pluperfect[5], r.participle_resultative) == (
        "եկել", "եկել եմ", "եկել էին", "եկած")
    # The future keeps the infinitive, the subjunctive the rule's stem.
    assert (r.future[0], r.converb_simultaneous, r.subjunctive_past) == (
        "գալու եմ", "գալիս", ["գայի", "գայիր", "գար", "գայինք", "գայիք", "գային"])
    # A row that gives no sub: class a takes the (overridden) perf.
    assert r.participle_subject == "եկող"


@pytest.mark.parametrize("verb, expected", [
    # The rule's stems, by shape.
    ("մոռանալ", ("մոռացիր", "մոռացեք", "մոռացվել", "մոռացնել", "մոռացող")),
    ("վախենալ", ("վախեցիր", "վախեցեք", "վախեցվել", "վախեցնել", "վախեցող")),
    ("հասցնել", ("հասցրու", "հասցրեք", "հասցվել", "հասցնեցնել", "հասցնող")),
    # Three-character stem in -ան: the plain a-verb rule.
    ("բանալ", ("բանա", "բանացեք", "բանացվել", "բանացնել", "բանացող")),
    # Three-character stem in -ցն: the plain e-verb rule.
    ("ացնել", ("ացնիր", "ացնեք", "ացնվել", "ացնեցնել", "ացնող")),
    # A row without pass gets it by rule from the stem.
    ("թռնել", ("թռիր", "թռեք", "թռնվել", "թռցնել", "թռնող")),
    # A row with pass and sub.
    ("կալնել", ("կալիր", "կալեք", "կալնվել", "կալնեցնել", "կալնող")),
    # լալ's row gives only ipfv; the rest follows the a-verb rule.
    ("լալ", ("լա", "լացեք", "լացվել", "լացնել", "լացող")),
])
def test_rule_and_row_fields(verb, expected):
    r = conj(verb)
    assert (*r.imperative, r.passive, r.causative, r.participle_subject) == expected


@pytest.mark.parametrize("verb, passive", [
    # Stored: the stem rule would double the վ (տվվել) or keep the present
    # stem (անվել, դնվել, տանվել).
    ("տալ", "տրվել"), ("անել", "արվել"), ("դնել", "դրվել"), ("տանել", "տարվել"),
    # By rule.
    ("գրել", "գրվել"), ("ասել", "ասվել"), ("գտնել", "գտնվել"), ("կարդալ", "կարդացվել"),
    ("ուտել", "ուտվել"), ("հագնել", "հագնվել"), ("մոռանալ", "մոռացվել"), ("վերցնել", "վերցվել"),
])
def test_passive(verb, passive):
    assert conj(verb).passive == passive


@pytest.mark.parametrize("verb, aorist", [
    # aorset "-": the set the shape rules chose (1).
    ("բերել", ["բերեցի", "բերեցիր", "բերեց", "բերեցինք", "բերեցիք", "բերեցին"]),
    ("լալ", ["լացի", "լացիր", "լաց", "լացինք", "լացիք", "լացին"]),
    ("բանալ", ["բանացի", "բանացիր", "բանաց", "բանացինք", "բանացիք", "բանացին"]),
])
def test_rows_without_a_set(verb, aorist):
    assert conj(verb).aorist == aorist


def read_lexicon(name="hye.tsv"):
    with open(os.path.join(DATA_DIR, name), encoding="utf-8") as f:
        text = f.read()
    lines = text.split("\n")
    assert lines[-1] == ""
    rows = [l.split("\t") for l in lines[:-1] if l and not l.startswith("#")]
    return text, rows, [l for l in lines if l.startswith("#")]


def test_lexicon_shape():
    text, rows, comments = read_lexicon()
    assert len(text.encode("utf-8")) == 3743
    assert "\r" not in text
    assert len(comments) == 13 and comments[0] == "# Armenian irregular verbs."
    assert comments[1] == comments[7] == "#"
    assert comments[8:] == [
        "# aor is the aorist stem; aorset picks its endings — 1 for",
        "# -ի/-իր/-∅/-ինք/-իք/-ին (գրեցի, գրեց), 2 for -ա/-ար/-ավ/-անք/",
        "# -աք/-ան (եկա, եկավ), 3 for the causatives' mixed -ի/-իր/-եց",
        "# (հասցրի, հասցրեց). A `-` cell falls through to the rule.",
        COLUMNS]
    assert len(rows) == 42 and len({c[0] for c in rows}) == 42
    assert [c[0] for c in rows] == sorted(c[0] for c in rows)
    assert all(len(c) == 10 and all(c) for c in rows)
    assert [sum(c[4] == s for c in rows) for s in "12-"] == [10, 30, 2]
    assert all(c[0].endswith(("ել", "ալ")) for c in rows)


ENDINGS = {"1": ("ի", "", "ին"), "2": ("ա", "ավ", "ան"), "3": ("ի", "եց", "ին")}


def test_extra_lexicon_shape():
    _, rows, comments = read_lexicon("hye_extra.tsv")
    assert comments[-1] == COLUMNS
    main = {c[0] for c in read_lexicon()[1]}
    assert len({c[0] for c in rows}) == len(rows) >= 6
    assert all(len(c) == 10 and all(c) and c[0] not in main and c[4] in "123" for c in rows)


@pytest.mark.parametrize("name", ["hye.tsv", "hye_extra.tsv"])
def test_every_row_is_used_as_written(name):
    for lemma, ipfv, perf, aor, aorset, imp_sg, imp_pl, sub, pas, caus in read_lexicon(name)[1]:
        r = conj(lemma)
        assert r.infinitive == lemma
        checks = [(ipfv, r.converb_imperfective), (imp_sg, r.imperative[0]), (imp_pl, r.imperative[1]),
                  (pas, r.passive), (caus, r.causative)]
        if perf != "-":
            checks += [(perf + "ել", r.converb_perfective), (perf + "ած", r.participle_resultative)]
        if sub != "-":
            checks.append((sub + "ող", r.participle_subject))
        if aor != "-" and aorset != "-":
            first, third, plural = ENDINGS[aorset]
            checks.append(([aor + first, aor + third, aor + plural], [r.aorist[0], r.aorist[2], r.aorist[5]]))
        for cell, got in checks:
            if cell != "-":
                assert got == cell, lemma


@pytest.mark.parametrize("text, infinitive", [
    ("գրել", "գրել"),
    ("  ԳՐԵԼ\t", "գրել"),
    ("\u00a0Կարդալ\u3000", "կարդալ"),
    ("ԳԱԼ", "գալ"),
    ("\nՏԱԼ\r\n", "տալ"),
])
def test_analysis(text, infinitive):
    r = conj(text)
    assert r.infinitive == infinitive
    assert repr(r) == f'ArmenianConjugation("{infinitive}")'


def test_capitals_find_the_row():
    assert conj("ԳԱԼ").imperative == ["արի", "եկեք"]
    assert conj("Ուտել").aorist[0] == "կերա"


@pytest.mark.parametrize("text", [
    "", "   ", "ել", "ալ", "ԵԼ", " ալ ", "գրիլ", "գրուլ", "գրե", "գր ել", "գրել գրել", "գրել\u00a0տալ",
    "write", "գրելու", "լ",
])
def test_rejected(text):
    with pytest.raises(ValueError, match="^not an Armenian infinitive$"):
        conj(text)


def test_language_codes():
    for code in ("hye", "hy", "ARMENIAN", "arm"):
        assert velnor.conjugate("գրել", code).aorist[2] == "գրեց"


def test_row_shapes():
    for verb in ("գրել", "կարդալ", "գալ", "հասցնել", "մոռանալ"):
        r = conj(verb)
        for name in ROWS:
            row = getattr(r, name)
            assert len(row) == 6 and all(isinstance(f, str) and f for f in row), (verb, name)
        for name in ("present", "imperfect", "perfect", "pluperfect", "future", "future_in_past"):
            converb, aux = zip(*(f.split(" ") for f in getattr(r, name)))
            assert len(set(converb)) == 1 and list(aux) in (AUX_PRESENT, AUX_PAST), (verb, name)
        for cond, subj in (("conditional", "subjunctive_future"), ("conditional_past", "subjunctive_past")):
            assert getattr(r, cond) == ["կ" + f for f in getattr(r, subj)]


def test_class():
    cls = velnor.ArmenianConjugation
    assert cls.__doc__ == DOC
    assert [getattr(cls, n).__doc__ for n in ATTRIBUTES] == [""] * len(ATTRIBUTES)
    assert [n for n in dir(cls) if not n.startswith("_")] == sorted(ATTRIBUTES)
    r = conj("գրել")
    assert type(r) is cls
    with pytest.raises(TypeError):
        cls()
    with pytest.raises(AttributeError):
        r.aorist = []
    r.aorist.append("x")
    assert len(r.aorist) == 6


def test_repr_escapes():
    assert repr(conj("Ա\"ել")) == 'ArmenianConjugation("ա\\"ել")'


def test_concurrent_first_use():
    results, errors = [], []

    def work():
        try:
            results.append([conj(v).aorist for v in ("գալ", "ուտել", "կարդալ")])
        except Exception as e:  # noqa: BLE001
            errors.append(e)

    threads = [threading.Thread(target=work) for _ in range(8)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert not errors and all(r == results[0] for r in results)


@pytest.fixture(scope="module")
def tool(tmp_path_factory):
    """The C++ check program, built on a test lexicon: CRLF endings, a
    missing cell, odd aorset cells, a duplicate lemma, and an added lemma
    that the main lexicon overrides."""
    d = tmp_path_factory.mktemp("hye_data")
    (d / "hye.tsv").write_bytes(
        "# head\r\n\r\nաել\tA\tB\tC\t3\tD\tE\tF\tG\tH\r\nկարճել\tk1\n"
        "կրկնել\tfirst\t-\t-\t1\t-\t-\t-\t-\t-\nկրկնել\tsecond\t-\t-\t2\n"
        "ոչել\t-\t-\t-\t4\nերկուել\t-\t-\t-\t11\nզրոել\t-\t-\t-\t0\nմիասինել\tmain\n".encode())
    (d / "hye_extra.tsv").write_bytes("միասինել\textra\t-\t-\t1\nավելել\tadded\n#x\tno\n".encode())
    exe = build_cpp_tool(d, "hye_check.cpp",
                         ["hye.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                         [str(d / "hye.tsv"), str(d / "hye_extra.tsv")])

    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


def test_lexicon_parse(tool):
    assert tool("row:աել", "row:կարճել", "row:կրկնել", "row:ոչել", "row:երկուել", "row:զրոել", "row:# head",
                "row:head", "row:միասինել", "row:ավելել", "row:#x") == [
        ["A", "B", "C", "D", "E", "F", "G", "H", "2"], ["k1"] + ["~"] * 7 + ["255"],
        ["second"] + ["~"] * 7 + ["1"], ["~"] * 8 + ["255"], ["~"] * 8 + ["255"], ["~"] * 8 + ["255"],
        ["NOROW"], ["NOROW"], ["main"] + ["~"] * 7 + ["255"], ["added"] + ["~"] * 7 + ["255"], ["NOROW"]]
