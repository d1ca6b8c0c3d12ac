"""Persian conjugation: analysis of the input (compound head, the ن ending,
the normalised spelling), the present-stem list, the -یدن rule, the forms of
every tense and the PersianConjugation class."""
import os
import subprocess
import sys

import pytest

import velnor
from conftest import build_cpp_tool, needs

pytestmark = needs("pes")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "pes.tsv")
COLUMNS = "# infinitive\tpresent_stem\timperative_override"
ATTRIBUTES = [
    "infinitive", "aorist", "present", "subjunctive", "past", "imperfect", "perfect", "pluperfect",
    "future", "perfect_subjunctive", "present_progressive", "past_progressive", "imperative",
    "past_participle", "present_participle",
]
DOC = ("The conjugation of one Persian verb (see `velnor::pes`). Person rows\n"
       "are [1sg, 2sg, 3sg, 1pl, 2pl, 3pl] and affirmative; the imperative is\n"
       "[2sg, 2pl]. Forms are in normalized Perso-Arabic orthography.")


def conj(word):
    return velnor.conjugate(word, lang="fa")


RAFTAN = {
    "infinitive": "رفتن",
    "aorist": ["روم", "روی", "رود", "رویم", "روید", "روند"],
    "present": ["میروم", "میروی", "میرود", "میرویم", "میروید", "میروند"],
    "subjunctive": ["بروم", "بروی", "برود", "برویم", "بروید", "بروند"],
    "past": ["رفتم", "رفتی", "رفت", "رفتیم", "رفتید", "رفتند"],
    "imperfect": ["میرفتم", "میرفتی", "میرفت", "میرفتیم", "میرفتید", "میرفتند"],
    "perfect": ["رفتهام", "رفتهای", "رفته است", "رفتهایم", "رفتهاید", "رفتهاند"],
    "pluperfect": ["رفته بودم", "رفته بودی", "رفته بود", "رفته بودیم", "رفته بودید", "رفته بودند"],
    "future": ["خواهم رفت", "خواهی رفت", "خواهد رفت", "خواهیم رفت", "خواهید رفت", "خواهند رفت"],
    "perfect_subjunctive": ["رفته باشم", "رفته باشی", "رفته باشد", "رفته باشیم", "رفته باشید", "رفته باشند"],
    "present_progressive": ["دارم میروم", "داری میروی", "دارد میرود", "داریم میرویم", "دارید میروید",
                            "دارند میروند"],
    "past_progressive": ["داشتم میرفتم", "داشتی میرفتی", "داشت میرفت", "داشتیم میرفتیم",
                         "داشتید میرفتید", "داشتند میرفتند"],
    "imperative": ["برو", "بروید"],
    "past_participle": "رفته",
    "present_participle": "رونده",
}


def test_raftan_full_table():
    r = conj("رفتن")
    for name in ATTRIBUTES:
        assert getattr(r, name) == RAFTAN[name], name


@pytest.mark.parametrize("word,present,past", [
    ("خریدن", "خر", "خرید"),        # -یدن rule
    ("چرخاندن", "چرخان", "چرخاند"),   # unlisted causative in -اندن
    ("آمدن", "آی", "آمد"),
    ("دیدن", "بین", "دید"),          # listed, beats the -یدن rule
    ("شنیدن", "شنو", "شنید"),
])
def test_stems(word, present, past):
    r = conj(word)
    assert r.aorist[0] == present + "م"
    assert r.past[2] == past


@pytest.mark.parametrize("word,subj,imp", [
    ("آمدن", "بیایم", ["بیا", "بیایید"]),
    ("افتادن", "بیفتم", ["بیفت", "بیفتید"]),
    ("گفتن", "بگویم", ["بگو", "بگویید"]),
    ("گشودن", "بگشایم", ["بگشا", "بگشایید"]),
    ("جستن", "بجویم", ["بجو", "بجویید"]),
    ("آوردن", "بیاورم", ["بیاور", "بیاورید"]),
    ("انداختن", "بیندازم", ["بینداز", "بیندازید"]),
])
def test_be_prefix_and_overrides(word, subj, imp):
    r = conj(word)
    assert r.subjunctive[0] == subj
    assert r.imperative == imp


def test_light_verb_compound():
    r = conj("کار کردن")
    assert r.infinitive == "کار کردن"
    assert r.subjunctive[0] == "کار کنم"
    assert r.imperative == ["کار کن", "کار کنید"]
    assert r.present[2] == "کار میکند"
    assert r.future[0] == "کار خواهم کرد"
    assert r.perfect[2] == "کار کرده است"
    for name in ATTRIBUTES[1:13]:
        assert all(f.startswith("کار ") for f in getattr(r, name)), name
    assert r.past_participle == "کار کرده" and r.present_participle == "کار کننده"
    assert conj("تمام شدن").subjunctive[0] == "تمام شوم"


@pytest.mark.parametrize("word,subj,imp", [
    ("بر گشتن", "بر بگردم", "بر بگرد"),      # a lone preverb: not light
    ("دوست داشتن", "دوست داشته باشم", "دوست داشته باش"),  # not کردن/شدن
    ("باز کردن", "باز بکنم", "باز بکن"),      # باز is a preverb
    ("در کار کردن", "در کار کنم", "در کار کن"),  # two words: light
])
def test_heads_that_are_not_light(word, subj, imp):
    r = conj(word)
    assert r.subjunctive[0] == subj
    assert r.imperative[0] == imp


@pytest.mark.parametrize("text", [
    "كار كردن",                     # Arabic kaf
    "\u200cکار کردن\u200c",
    "  کار کَردن\t",                # fatha, surrounding white space
])
def test_input_is_normalised(text):
    r = conj(text)
    assert r.infinitive == "کار کردن"
    assert r.subjunctive[0] == "کار کنم"


def test_imperative_override_without_glide():
    # ایستادن: the listed imperative بایست replaces the rule's بیست.
    assert conj("ایستادن").imperative == ["بایست", "بایستید"]
    assert conj("داشتن").imperative == ["داشته باش", "داشته باشید"]


def test_arabic_yeh_finds_the_row():
    assert conj("ديدن").present[0] == "میبینم"
    assert conj("ديدن").infinitive == "دیدن"


@pytest.mark.parametrize("text", [
    "", "   ", "\u200c", "ن", "من", "کار", "کار ", "کار من", "رفت", "go", "کَ",
])
def test_not_an_infinitive(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == "not a Persian infinitive"


def test_class_shape():
    r = conj("رفتن")
    cls = type(r)
    assert cls.__name__ == "PersianConjugation"
    assert cls.__doc__ == DOC
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == ATTRIBUTES
    for name in ATTRIBUTES[1:12]:
        row = getattr(r, name)
        assert isinstance(row, list) and len(row) == 6 and all(isinstance(s, str) and s for s in row)
    with pytest.raises(AttributeError):
        r.past = []


@pytest.mark.parametrize("text,shown", [
    ("رفتن", 'PersianConjugation("رفتن")'),
    (" كار كردن ", 'PersianConjugation("کار کردن")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def read_lexicon():
    with open(DATA, encoding="utf-8") as f:
        lines = f.read().split("\n")
    return lines[:2], [line for line in lines[2:] if line and not line.startswith("#")]


def test_lexicon_shape():
    header, rows = read_lexicon()
    assert header[0].startswith("# ") and "Persian present-stem list" in header[0]
    assert header[1] == COLUMNS
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(lemmas) == len(set(lemmas))
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 3, row
        assert all(cell and cell == cell.strip() for cell in cells), row
        assert cells[0].endswith("ن") and len(cells[0]) >= 3, row
        assert cells[0] == cells[0].translate({0x643: 0x6A9, 0x64A: 0x6CC, 0x200C: None}), row


def test_every_lexicon_row_conjugates():
    _, rows = read_lexicon()
    for row in rows:
        inf, present, imp = row.split("\t")
        r = conj(inf)
        assert r.aorist[0] == present + "م", row
        assert r.present_participle == present + "نده", row
        assert r.past[2] == inf[:-1], row
        if imp != "-":
            glide = imp.endswith("ا") or imp.endswith("و")
            assert r.imperative == [imp, imp + ("یید" if glide else "ید")], row
        else:
            assert r.imperative[0] == r.subjunctive[0][:-1], row


def test_telling_rows_are_present():
    _, rows = read_lexicon()
    table = {r.split("\t")[0]: r.split("\t")[1:] for r in rows}
    for inf, present, imp in [("آمدن", "آی", "بیا"), ("آوردن", "آور", "-"), ("گفتن", "گوی", "بگو"),
                              ("وایسادن", "وایس", "وایسا"), ("رفتن", "رو", "-"), ("کردن", "کن", "-"),
                              ("شدن", "شو", "-"), ("دیدن", "بین", "-"), ("بودن", "باش", "-"),
                              ("خواستن", "خواه", "-")]:
        assert table[inf] == [present, imp]


def test_results_are_independent():
    a = conj("رفتن")
    a.past.append("x")
    assert len(a.past) == 6
    assert conj("رفتن").past == a.past


def test_first_use_from_many_threads():
    code = (
        "import threading, velnor\n"
        "verbs = ['رفتن', 'آمدن', 'کار کردن', 'خریدن', 'دیدن', 'گفتن'] * 50\n"
        "out = {}\n"
        "barrier = threading.Barrier(8)\n"
        "def work(i):\n"
        "    barrier.wait()\n"
        "    out[i] = [velnor.conjugate(v, lang='fa').subjunctive[0] for v in verbs]\n"
        "ts = [threading.Thread(target=work, args=(i,)) for i in range(8)]\n"
        "[t.start() for t in ts]; [t.join() for t in ts]\n"
        "assert all(out[i] == out[0] for i in range(8)), out\n"
        "print(out[0][:6])\n"
    )
    res = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, timeout=60)
    assert res.returncode == 0, res.stderr
    assert "بیایم" in res.stdout and "کار کنم" in res.stdout


# --- analysis, negative forms and lexicon parse, on a test lexicon ----------

@pytest.fixture(scope="module")
def tool(tmp_path_factory):
    """The C++ check program, built on a test lexicon: CRLF endings, padded
    cells, a blank line of spaces, a row without a present stem, "-" and
    empty override cells and a duplicate key (the later row wins)."""
    d = tmp_path_factory.mktemp("pes_data")
    (d / "pes.tsv").write_bytes(
        "# Persian present-stem list\r\n# infinitive\tpresent_stem\timperative_override\r\n"
        "آمدن\tآی\tبیا\r\n"
        "   \r\n"
        "گفتن\t گوی \t - \n"
        "رفتن\tرو\t\n"
        "بستن\n"
        "دیدن\tبین\tx\n"
        "دیدن\tبینو\n"
        "#کردن\tکن\t-\n".encode())
    exe = build_cpp_tool(d, "pes_check.cpp",
                         ["pes.cpp", "perso_arabic.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp",
                          "lexicon_text.cpp"],
                         [str(d / "pes.tsv")])

    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


def test_lexicon_parse(tool):
    assert tool("verb:آمدن", "verb:گفتن", "verb:رفتن", "verb:بستن", "verb:دیدن", "verb:کردن") == [
        ["[]", "آمد", "آی", "بیا", "0"],
        ["[]", "گفت", "گوی", "~", "0"],
        ["[]", "رفت", "رو", "~", "0"],
        ["[]", "بست", "بست", "~", "0"],     # no present stem: not listed
        ["[]", "دید", "بینو", "~", "0"],    # the later row replaces the earlier
        ["[]", "کرد", "کرد", "~", "0"],     # commented out
    ]


def test_verb_fields(tool):
    assert tool("verb: کار  کردن ", "verb:a  b شدن", "verb:فرو رفتن", "verb:ن", "verb:") == [
        ["[کار  ]", "کرد", "کرد", "~", "1"],
        ["[a  b ]", "شد", "شد", "~", "1"],
        ["[فرو ]", "رفت", "رو", "~", "0"],
        ["bad"],
        ["bad"],
    ]


def test_negative_forms(tool):
    # aorist, present, subjunctive, past, imperfect, perfect, pluperfect,
    # future, perfect subjunctive; the progressives have no negative.
    assert tool("neg:رفتن") == [[
        "نروم", "نرود", "نمیروم", "نمیرود", "نروم", "نرود", "نرفتم", "نرفت", "نمیرفتم", "نمیرفت",
        "نرفتهام", "نرفته است", "رفته نبودم", "رفته نبود", "نخواهم رفت", "نخواهد رفت",
        "رفته نباشم", "رفته نباشد", "دارم میروم", "دارد میرود", "داشتم میرفتم", "داشت میرفت",
    ]]
    # کردن is commented out of the test lexicon, so its present stem is کرد.
    neg = tool("neg:کار کردن")[0]
    assert neg[4] == "کار نکردم" and neg[6] == "کار نکردم" and neg[14] == "کار نخواهم کرد"
    # A joined preverb stands before the negation; بودن has نیستم.
    neg = tool("neg:وارفتن")[0]
    assert neg[:10:2] == ["وانروم", "وانمیروم", "وانروم", "وانرفتم", "وانمیرفتم"]
    assert neg[14] == "وانخواهم رفت"
    assert tool("neg:بودن")[0][2:4] == ["نیستم", "نیست"]


@pytest.mark.parametrize("word, subjunctive1, imperative", [
    ("ایستادن", "بایستم", ["بایست", "بایستید"]),
    ("افتادن", "بیفتم", ["بیفت", "بیفتید"]),
    ("انداختن", "بیندازم", ["بینداز", "بیندازید"]),
])
def test_be_prefix_before_alef(word, subjunctive1, imperative):
    r = velnor.conjugate(word, lang="fa")
    assert r.subjunctive[0] == subjunctive1
    assert r.imperative == imperative
