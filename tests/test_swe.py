"""Swedish conjugation: analysis of the input, the principal-parts list, the
class-1 defaults, the s-passive with the deponents, the periphrastic rows and
the SwedishConjugation class."""
import os
import subprocess

import pytest

import velnor
from conftest import build_cpp_tool, needs, read_test_data

pytestmark = needs("swe")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "swe.tsv")
HEADER = [
    "# Swedish principal parts, mined from the gold oracles.",
    '# lemma\tpresent\tpast\tsupine\timperative\tsubj-pres\tsubj-past ("-" = class-1 default)',
]
ATTRIBUTES = [
    "infinitive", "present", "past", "supine", "imperative",
    "infinitive_passive", "present_passive", "past_passive", "supine_passive", "subjunctive_past",
    "presens_row", "preteritum_row", "perfekt_row", "pluskvamperfekt_row", "futurum_row", "konditionalis_row",
]


def conj(word):
    return velnor.conjugate(word, lang="swe")


def parts(r):
    return (r.present, r.past, r.supine, r.imperative)


# (infinitive, present, past, supine, imperative): standard written Swedish.
# Class 1 comes from the rules, every other class from the list.
COMMON = read_test_data("swe_common.txt")

COMMON_ROWS = [tuple(line.split()) for line in COMMON.strip().splitlines()]



@pytest.mark.parametrize("verb,present,past,supine,imperative", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs(verb, present, past, supine, imperative):
    r = conj(verb)
    assert r.infinitive == verb
    assert parts(r) == (present, past, supine, imperative)
    assert r.subjunctive_past is None or verb == "vara"
    assert r.presens_row == [present] * 6
    assert r.preteritum_row == [past] * 6
    assert r.perfekt_row == ["har " + supine] * 6
    assert r.pluskvamperfekt_row == ["hade " + supine] * 6
    assert r.futurum_row == ["ska " + verb] * 6
    assert r.konditionalis_row == ["skulle " + verb] * 6
    assert (r.infinitive_passive, r.past_passive, r.supine_passive) == (verb + "s", past + "s", supine + "s")


@pytest.mark.parametrize("verb,passives", [
    # (infinitive, present, past, supine passive) of transitive verbs.
    ("tala", ("talas", "talas", "talades", "talats")),
    ("öppna", ("öppnas", "öppnas", "öppnades", "öppnats")),
    ("köpa", ("köpas", "köpes", "köptes", "köpts")),
    ("sälja", ("säljas", "säljes", "såldes", "sålts")),
    ("läsa", ("läsas", "läses", "lästes", "lästs")),
    ("skriva", ("skrivas", "skrives", "skrevs", "skrivits")),
    ("använda", ("användas", "användes", "användes", "använts")),
    ("höra", ("höras", "hörs", "hördes", "hörts")),
    ("köra", ("köras", "körs", "kördes", "körts")),
    ("göra", ("göras", "görs", "gjordes", "gjorts")),
    ("ge", ("ges", "ges", "gavs", "getts")),
    ("se", ("ses", "ses", "sågs", "setts")),
    ("ta", ("tas", "tas", "togs", "tagits")),
    ("tro", ("tros", "tros", "troddes", "trotts")),
    ("bygga", ("byggas", "bygges", "byggdes", "byggts")),
    ("äta", ("ätas", "ätes", "åts", "ätits")),
    ("finna", ("finnas", "finnes", "fanns", "funnits")),
    ("vara", ("varas", "varas", "vars", "varits")),
])
def test_passive(verb, passives):
    r = conj(verb)
    assert (r.infinitive_passive, r.present_passive, r.past_passive, r.supine_passive) == passives


@pytest.mark.parametrize("verb,forms", [
    # (present, past, supine) of deponents, active in meaning, passive in shape.
    ("finnas", ("finns", "fanns", "funnits")),
    ("hoppas", ("hoppas", "hoppades", "hoppats")),
    ("minnas", ("minns", "mindes", "mints")),
    ("trivas", ("trivs", "trivdes", "trivts")),
    ("synas", ("syns", "syntes", "synts")),
    ("kännas", ("känns", "kändes", "känts")),
    ("lyckas", ("lyckas", "lyckades", "lyckats")),
    ("andas", ("andas", "andades", "andats")),
    ("låtsas", ("låtsas", "låtsades", "låtsats")),
    ("slåss", ("slåss", "slogs", "slagits")),
    ("umgås", ("umgås", "umgicks", "umgåtts")),
    ("skämmas", ("skäms", "skämdes", "skämts")),
    ("mötas", ("möts", "möttes", "mötts")),
    ("ses", ("ses", "sågs", "setts")),
    ("behövas", ("behövs", "behövdes", "behövts")),
    ("töras", ("törs", "tordes", "torts")),
    ("födas", ("föds", "föddes", "fötts")),
])
def test_deponents(verb, forms):
    r = conj(verb)
    assert (r.present, r.past, r.supine) == forms
    assert r.imperative is None and r.subjunctive_past is None
    assert (r.infinitive_passive, r.present_passive, r.past_passive, r.supine_passive) == (verb,) + forms
    assert r.presens_row == [forms[0]] * 6
    assert r.preteritum_row == [forms[1]] * 6
    assert r.perfekt_row == ["har " + forms[2]] * 6
    assert r.pluskvamperfekt_row == ["hade " + forms[2]] * 6
    assert r.futurum_row == ["ska " + verb] * 6


@pytest.mark.parametrize("verb,forms", [
    # Deponents without a row take the passive of the verb without -s.
    ("brottas", ("brottas", "brottades", "brottats")),
    ("jagas", ("jagas", "jagades", "jagats")),
    ("köpas", ("köpas", "köptes", "köpts")),
    ("skrivas", ("skrivas", "skrevs", "skrivits")),
    ("Jagas", ("Jagas", "Jagades", "Jagats")),
    # The base is analysed afresh, lower-case copy included.
    ("Köpas", ("Köpas", "köptes", "köpts")),
])
def test_deponent_from_its_base(verb, forms):
    r = conj(verb)
    assert (r.present, r.past, r.supine) == forms
    assert (r.past_passive, r.supine_passive) == forms[1:]
    assert r.imperative is None


@pytest.mark.parametrize("verb", ["kräss", "s", "xyzss", "-ss"])
def test_deponent_without_past(verb):
    # Ends in -ss without a row (or its base is no word): no past, no supine.
    r = conj(verb)
    assert (r.present, r.infinitive_passive, r.present_passive) == (verb, verb, verb)
    assert (r.past, r.supine, r.past_passive, r.supine_passive) == (None, None, None, None)
    assert (r.preteritum_row, r.perfekt_row, r.pluskvamperfekt_row) == (None, None, None)
    assert r.presens_row == [verb] * 6
    assert r.konditionalis_row == ["skulle " + verb] * 6


def test_vara():
    r = conj("vara")
    assert parts(r) == ("är", "var", "varit", "var")
    assert r.subjunctive_past == "vore"
    assert r.present_passive == "varas"
    values = [getattr(r, name) for name in ATTRIBUTES]
    flat = [v for value in values if value for v in (value if isinstance(value, list) else [value])]
    assert "vare" not in flat  # the subjunctive present is in no attribute


@pytest.mark.parametrize("verb,forms", [
    # Rows that leave cells to the class-1 defaults.
    ("ha", ("har", "hade", "haft", "ha")),
    ("gå", ("går", "gick", "gått", "gå")),
    ("kunna", ("kan", "kunde", "kunnat", "kunna")),
    ("andra", ("andrar", "androg", "andragit", "andra")),
    ("inneha", ("innehar", "innehade", "innehaft", "inneha")),
    # A verb without a row: class 1 whatever its ending.
    ("blogga", ("bloggar", "bloggade", "bloggat", "blogga")),
    ("xyz", ("xyzr", "xyzde", "xyzt", "xyz")),
    ("k-märka", ("k-märkar", "k-märkade", "k-märkat", "k-märka")),
])
def test_defaults(verb, forms):
    assert parts(conj(verb)) == forms


def test_capitalised_rows():
    r = conj("K-märka")
    assert parts(r) == ("K-märker", "K-märkte", "K-märkt", "K-märk")
    assert r.perfekt_row[0] == "har K-märkt"
    r = conj("KU-anmäla")
    assert parts(r) == ("KU-anmäler", "KU-anmälde", "KU-anmält", "KU-anmäl")


@pytest.mark.parametrize("text,lemma", [
    ("köpa", "köpa"),
    ("Köpa", "köpa"),
    ("KÖPA", "köpa"),
    ("  skriva\t", "skriva"),
    ("\u00a0gå\u2003", "gå"),
    ("Blogga", "Blogga"),
    ("K-märka", "K-märka"),
    ("k-märka", "k-märka"),
    ("ku-anmäla", "ku-anmäla"),
    ("Hoppas", "hoppas"),
    ("ÅKA", "åka"),
    ("ÅRA", "ÅRA"),
    ("ªb", "ªb"),
    ("crème", "crème"),
])
def test_analysis(text, lemma):
    assert conj(text).infinitive == lemma


def test_lower_case_copy_finds_the_row():
    assert parts(conj("Köpa")) == ("köper", "köpte", "köpt", "köp")
    assert parts(conj("Blogga")) == ("Bloggar", "Bloggade", "Bloggat", "Blogga")


@pytest.mark.parametrize("text", [
    "", "   ", "\t\n", "att köpa", "köpa ut", "kö\u00a0pa", "köpa1", "köpa!", "köpa_", "o'boj",
    "ko\u0308pa", "köpa\u200b", "\u00a9", "a.b",
])
def test_not_an_infinitive(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == "not a Swedish infinitive"


def test_class_shape():
    r = conj("tala")
    cls = type(r)
    assert cls.__name__ == "SwedishConjugation"
    assert cls.__doc__ == "The principal parts of one Swedish verb."
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == ATTRIBUTES
    assert all((vars(cls)[n].__doc__ or "") == "" for n in names)
    for name in ATTRIBUTES[10:]:
        row = getattr(r, name)
        assert isinstance(row, list) and len(row) == 6 and all(isinstance(s, str) for s in row)
    with pytest.raises(AttributeError):
        r.past = "x"
    with pytest.raises(TypeError):
        cls()


@pytest.mark.parametrize("text,shown", [
    ("tala", 'SwedishConjugation("tala")'),
    (" Köpa ", 'SwedishConjugation("köpa")'),
    ("K-märka", 'SwedishConjugation("K-märka")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def test_language_codes():
    for code in ("sv", "swe", "Swedish", "SV"):
        assert type(velnor.conjugate("tala", lang=code)).__name__ == "SwedishConjugation"


def read_lexicon():
    with open(DATA, encoding="utf-8") as f:
        text = f.read()
    lines = text.split("\n")
    return lines[:2], [line for line in lines[2:] if line and not line.startswith("#")]


def test_lexicon_shape():
    header, rows = read_lexicon()
    assert header == HEADER
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(lemmas) == len(set(lemmas))
    assert sorted(lemma for lemma in lemmas if lemma != lemma.lower()) == ["K-märka", "KU-anmäla"]
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 7, row
        assert all(cell and cell == cell.strip() and " " not in cell for cell in cells), row
        assert all(c.isalpha() or c == "-" for c in cells[0]), row
        assert cells[0].endswith(("a", "s", "e", "o", "y", "å", "ä", "ö", "i")), row
        assert cells[6] == "-" or cells[0] == "vara", row
    for row in ("vara\tär\tvar\tvarit\tvar\tvare\tvore", "ha\t-\t-\thaft\t-\t-\t-",
                "gå\t-\tgick\tgått\t-\tgånge\t-", "kunna\tkan\tkunde\t-\t-\t-\t-",
                "andra\t-\tandrog\tandragit\t-\tandrage\t-", "finnas\tfinns\tfanns\tfunnits\t-\t-\t-",
                "behövas\tbehövs\t-\t-\t-\t-\t-",
                "K-märka\tK-märker\tK-märkte\tK-märkt\tK-märk\t-\t-",
                "KU-anmäla\tKU-anmäler\tKU-anmälde\tKU-anmält\tKU-anmäl\t-\t-"):
        assert row in rows


def test_every_lexicon_row_conjugates():
    _, rows = read_lexicon()
    for row in rows:
        lemma, present, past, supine, imperative, _, subj_past = row.split("\t")
        r = conj(lemma)
        assert r.infinitive == lemma, row
        deponent = lemma.endswith("s")
        expected = [present if present != "-" else (lemma if deponent else lemma + "r"),
                    past if past != "-" else (None if deponent else lemma + "de"),
                    supine if supine != "-" else (None if deponent else lemma + "t")]
        for got, want in zip((r.present, r.past, r.supine), expected):
            if want is not None:
                assert got == want, row
        if deponent:
            assert r.imperative is None and r.subjunctive_past is None, row
            assert r.past is not None and r.supine is not None, row  # the base verb fills any gap
        else:
            assert r.imperative == (imperative if imperative != "-" else lemma), row
            assert r.subjunctive_past == (None if subj_past == "-" else subj_past), row
            assert r.past_passive == r.past + "s" and r.supine_passive == r.supine + "s", row
        assert r.presens_row == [r.present] * 6, row
        assert r.perfekt_row == ["har " + r.supine] * 6, row


def test_results_are_independent():
    a = conj("skriva")
    row = a.preteritum_row
    row.append("x")
    assert a.preteritum_row == ["skrev"] * 6
    assert a.preteritum_row is not a.preteritum_row
    b = conj("skriva")
    assert a is not b and b.perfekt_row == a.perfekt_row


def test_first_use_from_many_threads():
    # A fresh interpreter, so that the list is parsed under contention.
    import subprocess
    import sys
    code = (
        "import threading, velnor\n"
        "verbs = ['skriva', 'tala', 'vara', 'hoppas', 'K-märka', 'köpa', 'gå', 'finnas'] * 50\n"
        "out = {}\n"
        "barrier = threading.Barrier(8)\n"
        "def work(i):\n"
        "    barrier.wait()\n"
        "    out[i] = [velnor.conjugate(v, lang='sv').past for v in verbs]\n"
        "threads = [threading.Thread(target=work, args=(i,)) for i in range(8)]\n"
        "[t.start() for t in threads]\n"
        "[t.join() for t in threads]\n"
        "assert all(out[i] == out[0] for i in range(8))\n"
        "print(out[0][:8])\n"
    )
    proc = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, timeout=60)
    assert proc.returncode == 0, proc.stderr
    assert proc.stdout.strip() == str(["skrev", "talade", "var", "hoppades", "K-märkte", "köpte", "gick", "fanns"])


@pytest.fixture(scope="module")
def tool(tmp_path_factory):
    # The engine on a lexicon text of its own: duplicates, CR LF, short rows.
    src = tmp_path_factory.mktemp("swe_data")
    (src / "swe.tsv").write_bytes((
        HEADER[0] + "\n" + HEADER[1] + "\n"
        "köpa\tköper\tköpte\tköpt\tköp\t-\t-\n"
        "köpa\tXköper\tXköpte\tXköpt\tXköp\t-\t-\n"   # a later duplicate: the first row wins
        "crlf\tcrlfer\t-\t-\t-\t-\t-\r\n"
        "\n"
        "#kort\tx\n"
        "kort\tkorter\n"                               # missing cells derive
        "tom\t\t\t\t\t\t\n"                            # empty cells derive
        "Stor\tStorer\tStorte\tStort\tStor\t-\t-\n"
        "mötas\tmöts\tmöttes\tmötts\t-\t-\t-\n"
        "sista\t-\t-\t-\t-\tsiste\tsistade").encode("utf-8"))  # no final line feed
    exe = build_cpp_tool(tmp_path_factory.mktemp("swe_tool"), "swe_check.cpp",
                         ["swe.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                         [str(src / "swe.tsv")])

    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


def test_list_scan(tool):
    assert tool("parts:köpa", "parts:crlf", "parts:kort", "parts:tom", "parts:sista", "parts:#kort",
                "parts:stor", "parts:") == [
        ["köper", "köpte", "köpt", "köp", "~", "~"],
        ["crlfer", "~", "~", "~", "~", "~"],
        ["korter", "~", "~", "~", "~", "~"],
        ["~", "~", "~", "~", "~", "~"],
        ["~", "~", "~", "~", "siste", "sistade"],
        ["NOROW"], ["NOROW"], ["NOROW"],
    ]


def test_analysis_on_own_list(tool):
    assert tool("conj:STOR", "conj:Stor", "conj:tom", "conj:kort", "conj:mötas", "conj:sista", "conj: ") == [
        ["STOR", "STORr", "STORde", "STORt", "STOR", "STORdes", "~"],  # no row for STOR nor stor
        ["Stor", "Storer", "Storte", "Stort", "Stor", "Stortes", "~"],
        ["tom", "tomr", "tomde", "tomt", "tom", "tomdes", "~"],
        ["kort", "korter", "kortde", "kortt", "kort", "kortdes", "~"],
        ["mötas", "möts", "möttes", "mötts", "~", "möttes", "~"],
        ["sista", "sistar", "sistade", "sistat", "sista", "sistades", "sistade"],
        ["FAIL"],
    ]


# Compound and prefixed verbs of a strong or second-class base, and simple verbs, that the
# class-1 defaults would turn into *anslutar, *bändade: each needs a row of its own.
@pytest.mark.parametrize("verb,present,past,supine,imperative", [
    ("ansluta", "ansluter", "anslöt", "anslutit", "anslut"),
    ("utesluta", "utesluter", "uteslöt", "uteslutit", "uteslut"),
    ("omsluta", "omsluter", "omslöt", "omslutit", "omslut"),
    ("bända", "bänder", "bände", "bänt", "bänd"),
    ("spörja", "spörjer", "sporde", "sport", "spörj"),
    ("slinta", "slinter", "slant", "slunit", "slint"),
    ("begynna", "begynner", "begynte", "begynt", "begynn"),
    ("innehava", "innehar", "innehade", "innehaft", "innehav"),
    ("underbjuda", "underbjuder", "underbjöd", "underbjudit", "underbjud"),
    ("planlägga", "planlägger", "planlade", "planlagt", "planlägg"),
    ("halshugga", "halshugger", "halshögg", "halshuggit", "halshugg"),
    ("korsfästa", "korsfäster", "korsfäste", "korsfäst", "korsfäst"),
    ("förbryta", "förbryter", "förbröt", "förbrutit", "förbryt"),
])
def test_verbs_outside_the_first_class(verb, present, past, supine, imperative):
    assert parts(conj(verb)) == (present, past, supine, imperative)
