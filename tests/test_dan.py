"""Danish conjugation: analysis of the input, the principal-parts and
auxiliary lists, the class-1 defaults, deponents and the DanishConjugation
class."""
import os
import subprocess
import sys

import pytest

import velnor
from conftest import build_cpp_tool, needs, read_test_data

pytestmark = needs("dan")

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(os.path.dirname(HERE), "data")
PARTS = os.path.join(DATA, "dan.tsv")
AUX = os.path.join(DATA, "dan_aux.tsv")
HEADER = '# lemma\tpresent\tpast\tpast-participle\timperative\tpresent-participle ("-" = class-1 default)'
ATTRIBUTES = ["infinitive", "present", "past", "past_participle", "imperative", "present_participle",
              "infinitive_passive", "present_passive", "past_passive"]
VOWELS = set("aeiouyæøå")


def conj(word):
    return velnor.conjugate(word, lang="dan")


def forms(r):
    return [getattr(r, name) for name in ATTRIBUTES]


# verb, present, past, past participle, imperative ("None": the modals have
# no imperative): standard Danish.
COMMON = read_test_data("dan_common.txt")
COMMON_ROWS = [tuple(line.split()) for line in COMMON.strip().splitlines()]


def test_common_table_is_large():
    assert len(COMMON_ROWS) >= 130
    assert all(len(row) == 5 for row in COMMON_ROWS)
    assert len({row[0] for row in COMMON_ROWS}) == len(COMMON_ROWS)


@pytest.mark.parametrize("verb,present,past,participle,imperative", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs_slot_by_slot(verb, present, past, participle, imperative):
    r = conj(verb)
    assert (r.infinitive, r.present, r.past, r.past_participle) == (verb, present, past, participle)
    assert r.imperative == (None if imperative == "None" else imperative)
    assert r.infinitive_passive == r.present_passive == verb + "s"


@pytest.mark.parametrize("verb,participle", [
    ("gå", "gående"), ("se", "seende"), ("le", "leende"), ("indse", "indseende"), ("komme", "kommende"),
    ("elske", "elskende"), ("bo", "boende"), ("være", "værende"), ("have", "havende"), ("tie", "tiende"),
    ("dø", "døende"), ("spise", "spisende"), ("ske", "skeende"), ("stå", "stående"),
])
def test_present_participle(verb, participle):
    assert conj(verb).present_participle == participle


@pytest.mark.parametrize("verb,past_passive", [
    # "es" after a consonant, "s" after a vowel, and the doubled consonant
    # after a short vowel from the list.
    ("give", "gaves"), ("tage", "toges"), ("skrive", "skreves"), ("stjæle", "stjales"), ("finde", "fandtes"),
    ("se", "sås"), ("spise", "spistes"), ("købe", "købtes"), ("lægge", "lagdes"), ("sige", "sagdes"),
    ("gøre", "gjordes"), ("sælge", "solgtes"), ("elske", "elskedes"), ("bygge", "byggedes"),
    ("gå", "gikkes"), ("drikke", "drakkes"), ("trække", "trakkes"), ("stikke", "stakkes"),
    ("slippe", "slappes"), ("træffe", "traffes"), ("undgå", "undgikkes"),
])
def test_past_passive(verb, past_passive):
    assert conj(verb).past_passive == past_passive


def test_worked_forms_by_rule():
    assert forms(conj("elske")) == [
        "elske", "elsker", "elskede", "elsket", "elsk", "elskende", "elskes", "elskes", "elskedes"]
    r = conj("være")
    assert (r.present, r.past, r.past_participle, r.past_passive) == ("er", "var", "været", "vares")


@pytest.mark.parametrize("verb,expected", [
    # Class-1 defaults on lemmas without a row.
    ("spå", ["spå", "spår", "spåede", "spået", "spå", "spående", "spås", "spås", "spåedes"]),
    ("e", ["e", "er", "ede", "eet", "e", "ende", "es", "es", "edes"]),
    ("e-maile", ["e-maile", "e-mailer", "e-mailede", "e-mailet", "e-mail", "e-mailende",
                 "e-mailes", "e-mailes", "e-mailedes"]),
    ("ae", ["ae", "aer", "aede", "aet", "a", "aende", "aes", "aes", "aedes"]),
    ("skrue", ["skrue", "skruer", "skruede", "skruet", "skru", "skruende", "skrues", "skrues", "skruedes"]),
    ("Elske", ["Elske", "Elsker", "Elskede", "Elsket", "Elsk", "Elskende", "Elskes", "Elskes", "Elskedes"]),
])
def test_whole_tables(verb, expected):
    assert forms(conj(verb)) == expected


@pytest.mark.parametrize("verb,imperative,participle", [
    # No double consonant at the end of the imperative; the participle keeps
    # the whole stem.
    ("beslutte", "beslut", "besluttet"), ("slutte", "slut", "sluttet"), ("chatte", "chat", "chattet"),
    ("slukke", "sluk", "slukket"), ("forkomme", "forkom", None), ("hoppe", "hop", "hoppet"),
    ("stoppe", "stop", "stoppet"), ("kysse", "kys", "kysset"),
    # One consonant, a vowel or no pair: the stem as it is.
    ("elske", "elsk", "elsket"), ("fylde", "fyld", "fyldt"), ("bbe", "bb", "bbet"), ("e-maile", "e-mail", None),
    ("jazz", "jazz", "jazzet"),  # no final e: the lemma is the stem, kept whole
])
def test_imperative_drops_a_final_double_consonant(verb, imperative, participle):
    r = conj(verb)
    assert r.imperative == imperative
    if participle is not None:
        assert r.past_participle == participle


@pytest.mark.parametrize("verb,present,past,participle,imperative", [
    # Compounds of strong and irregular verbs.
    ("gentage", "gentager", "gentog", "gentaget", "gentag"),
    ("foreslå", "foreslår", "foreslog", "foreslået", "foreslå"),
    ("angå", "angår", "angik", "angået", "angå"),
    ("begå", "begår", "begik", "begået", "begå"),
    ("opdrage", "opdrager", "opdrog", "opdraget", "opdrag"),
    ("anholde", "anholder", "anholdt", "anholdt", "anhold"),
    ("gengive", "gengiver", "gengav", "gengivet", "gengiv"),
    ("opgøre", "opgør", "opgjorde", "opgjort", "opgør"),
    ("sammenbryde", "sammenbryder", "sammenbrød", "sammenbrudt", "sammenbryd"),
    ("undsætte", "undsætter", "undsatte", "undsat", "undsæt"),
    ("indebære", "indebærer", "indebar", "indebåret", "indebær"),
    ("nedlade", "nedlader", "nedlod", "nedladt", "nedlad"),
    # Weak verbs with the past in -te.
    ("overbevise", "overbeviser", "overbeviste", "overbevist", "overbevis"),
    ("råbe", "råber", "råbte", "råbt", "råb"),
    ("bestille", "bestiller", "bestilte", "bestilt", "bestil"),
    ("skælde", "skælder", "skældte", "skældt", "skæld"),
    ("ødelægge", "ødelægger", "ødelagde", "ødelagt", "ødelæg"),
    ("koge", "koger", "kogte", "kogt", "kog"),
    ("forberede", "forbereder", "forberedte", "forberedt", "forbered"),
    ("forlange", "forlanger", "forlangte", "forlangt", "forlang"),
    ("sværge", "sværger", "svor", "svoret", "sværg"),
    ("rede", "reder", "redte", "redt", "red"),
    ("færdiggøre", "færdiggør", "færdiggjorde", "færdiggjort", "færdiggør"),
    ("efterspørge", "efterspørger", "efterspurgte", "efterspurgt", "efterspørg"),
    # Stems in a vowel before the final e.
    ("vie", "vier", "viede", "viet", "vi"),
    ("skue", "skuer", "skuede", "skuet", "sku"),
    ("frie", "frier", "friede", "friet", "fri"),
    ("gennemskue", "gennemskuer", "gennemskuede", "gennemskuet", "gennemsku"),
])
def test_verbs_the_defaults_got_wrong(verb, present, past, participle, imperative):
    r = conj(verb)
    assert (r.present, r.past, r.past_participle, r.imperative) == (present, past, participle, imperative)


def test_deponent_pasts_from_rows():
    assert (conj("findes").past, conj("findes").past_passive) == ("fandtes", "fandtes")
    assert conj("ses").past == "sås"


def test_deponent_without_row():
    assert forms(conj("ærgres")) == [
        "ærgres", "ærgres", None, None, None, "ærgresende", "ærgres", "ærgres", None]
    assert forms(conj("Xs"))[:3] == ["Xs", "Xs", None]


@pytest.mark.parametrize("verb,past,participle", [
    ("lykkes", "lykkedes", "lykkedes"), ("synes", "syntes", "syntes"), ("længes", "længtes", "længtes"),
    ("slås", "sloges", "sloges"), ("mødes", "mødtes", "mødtes"), ("trives", "trivedes", "trivedes"),
])
def test_deponents_with_rows(verb, past, participle):
    assert forms(conj(verb)) == [verb, verb, past, participle, None, verb + "ende", verb, verb, past]


@pytest.mark.parametrize("text,lemma", [
    ("gå", "gå"),
    ("  gå\t", "gå"),
    ("at gå", "gå"),
    ("  at   gå  ", "gå"),
    ("Give", "give"),
    ("GIVE", "give"),
    ("ÆDE", "æde"),
    ("Lykkes", "lykkes"),
    ("Elske", "Elske"),
    ("at Give", "Give"),
    ("at", "at"),
    ("at   ", "at"),
    ("e-maile", "e-maile"),
    ("\u00a0spise\u2003", "spise"),
    ("idé", "idé"),
    ("\u00aa", "\u00aa"),
])
def test_analysis(text, lemma):
    assert conj(text).infinitive == lemma


def test_capital_lemma_keeps_rule_forms():
    r = conj("at Give")
    assert (r.present, r.past, r.past_participle) == ("Giver", "Givede", "Givet")
    assert conj("Give").past == "gav"


@pytest.mark.parametrize("text", [
    "", "   ", "\t\n", "at\u00a0gå", "At gå", "AT GÅ", "gå hjem", "at gå hjem", "vær'", "don't", "gå1", "gå!",
    "gå_", "ga\u0301", "spise\u200b", "x\u00d7y", "\u00b2", "a.b",
])
def test_not_an_infinitive(text):
    # "at\u00a0gå": only a plain space ends the particle, and the inner space fails.
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == "not a Danish infinitive"


def test_class_shape():
    r = conj("gå")
    cls = type(r)
    assert cls is velnor.DanishConjugation
    assert cls.__doc__ == "The full conjugation table of one Danish verb (single forms \u2014 no\nperson/number agreement)."
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == ATTRIBUTES
    assert all((vars(cls)[n].__doc__ or "") == "" for n in names)
    assert not hasattr(r, "auxiliary")
    with pytest.raises(AttributeError):
        r.past = "x"
    with pytest.raises(TypeError):
        cls()


@pytest.mark.parametrize("text,shown", [
    ("gå", 'DanishConjugation("gå")'),
    (" at Spise ", 'DanishConjugation("Spise")'),
    ("e-maile", 'DanishConjugation("e-maile")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def test_language_codes():
    for code in ("da", "dan", "DANISH", "Da"):
        assert velnor.conjugate("spise", code).past == "spiste"


# ---------------------------------------------------------------- the lists

def read_rows(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    assert lines[-1] == ""
    return lines[0], [line for line in lines[1:-1]]


def test_parts_list_shape():
    header, rows = read_rows(PARTS)
    assert header == HEADER
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(lemmas) == len(set(lemmas))
    assert lemmas == sorted(lemmas)
    for row in rows:
        cells = row.split("\t")
        assert len(cells) in (6, 7), row
        assert cells[0] == cells[0].lower() and all(c.isalpha() or c == "-" for c in cells[0]), row
        assert all(cell and cell == cell.strip() and " " not in cell for cell in cells), row
        assert any(cell != "-" for cell in cells[1:]), row
    for telling in ["være\ter\tvar\t-\t-\t-", "have\thar\thavde\thaft\t-\t-", "gå\t-\tgik\t-\t-\t-\tgikkes",
                    "se\t-\tså\t-\tse\tseende", "ae\t-\t-\taet\ta\t-", "afbinde\t-\tafbandt\tafbundet\t-\t-\t-",
                    "lykkes\t-\tlykkedes\tlykkedes\t-\t-\t-"]:
        assert telling in rows


def test_auxiliary_list_shape():
    header, rows = read_rows(AUX)
    assert header.startswith("# lemma\t")
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(lemmas) == len(set(lemmas))
    for row in rows:
        lemma, aux = row.split("\t")
        assert lemma == lemma.lower() and lemma.isalpha(), row
        assert aux in ("har", "er", "er/har"), row
    for example in ["abe\thar", "gå\ter", "flygte\ter", "arve\ter/har"]:
        assert example in rows


def expected_from_row(cells):
    """The nine forms of a list row, by the documented defaults."""
    lemma = cells[0]
    cell = [None if i >= len(cells) or cells[i] in ("", "-") else cells[i] for i in range(7)]
    present, past, participle, imperative, ing, past_passive = cell[1:]
    no_imperative = imperative == "\u2014"
    e = lemma.endswith("e")
    stem = lemma[:-1] if len(lemma.encode()) > 1 and e and lemma[-2] not in VOWELS else lemma
    if lemma.endswith("s"):
        return [lemma, present or lemma, past, participle, None, ing or lemma + "ende", lemma, present or lemma, past]
    past = past or lemma + ("de" if e else "ede")
    bare = stem[:-1] if (stem != lemma and len(stem) > 2 and stem[-1] == stem[-2] and stem[-1] not in VOWELS
                         and stem[-1].isalpha()) else stem
    return [lemma, present or lemma + "r", past, participle or stem + "et", None if no_imperative else imperative or bare,
            ing or lemma + ("nde" if e else "ende"), lemma + "s", lemma + "s",
            past_passive or past + ("s" if past[-1] in VOWELS else "es")]


def test_every_list_row_conjugates():
    _, rows = read_rows(PARTS)
    for row in rows:
        cells = row.split("\t")
        assert forms(conj(cells[0])) == expected_from_row(cells), row


def test_results_are_independent():
    a, b = conj("gå"), conj("gå")
    assert a is not b and forms(a) == forms(b)
    assert conj("GÅ").past == "gik"


# ------------------------------------------------ the parsers, through C++

@pytest.fixture(scope="module")
def checker(tmp_path_factory):
    """The list parsers built over fixture lists (the files must carry the
    built-in names, so that they take the built-in lists' places)."""
    src = tmp_path_factory.mktemp("dan_lists")
    (src / "dan.tsv").write_bytes(
        "# header\r\n\r\n"
        "gå\t-\tgik\t-\t-\t-\tgikkes\r\n"
        "se\t-\tså\t-\tse\tseende\n"
        "gå\t-\tging\t\n"                       # a later row replaces an earlier one
        "fem\t1\t2\t3\t4\t5\t6\t7\t8\n"         # cells after the seventh are ignored
        "kort\n"
        "kan\tkan\t-\t-\t\u2014\t-\n"          # no imperative
        "mig\t-\t\u2014\t-\t-\t-\n"               # the mark counts in the imperative cell only
        "#skip\t-\tx\n"
        "tom\t\t-\t\t-\t\t-".encode("utf-8"))  # no final line feed
    (src / "dan_aux.tsv").write_bytes(
        "# lemma\tauxiliary\r\n"
        "abe\thar\r\n"
        "gå\ter\textra\n"
        "notab\n"
        "arve\ter/har\n"
        "abe\ter\n"
        "tom\t\n".encode("utf-8"))
    exe = build_cpp_tool(tmp_path_factory.mktemp("dan_tool"), "dan_check.cpp",
                         ["dan.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                         [str(src / "dan.tsv"), str(src / "dan_aux.tsv")])

    def run(*lemmas):
        p = subprocess.run([exe, *lemmas], capture_output=True, text=True, encoding="utf-8", check=True)
        return [line.split("\t") for line in p.stdout.splitlines()]

    return run


def test_parsers(checker):
    out = {row[0]: row[1:] for row in checker("gå", "se", "fem", "kort", "tom", "kan", "mig", "abe", "arve", "notab",
                                              "#skip", "x")}
    assert out["gå"] == ["~", "ging", "~", "~", "~", "~", "0", "er"]
    assert out["se"] == ["~", "så", "~", "se", "seende", "~", "0", "~"]
    assert out["fem"] == ["1", "2", "3", "4", "5", "6", "0", "~"]
    assert out["kort"] == ["~"] * 6 + ["0", "~"]
    assert out["tom"] == ["~"] * 6 + ["0", ""]
    assert out["kan"] == ["kan", "~", "~", "~", "~", "~", "1", "~"]
    assert out["mig"] == ["~", "\u2014", "~", "~", "~", "~", "0", "~"]
    assert out["abe"] == ["NOROW", "er"]
    assert out["arve"] == ["NOROW", "er/har"]
    assert out["notab"] == ["NOROW", "~"]
    assert out["#skip"] == ["NOROW", "~"]
    assert out["x"] == ["NOROW", "~"]


def test_first_use_from_many_threads():
    # A fresh interpreter, so that both lists are built under contention.
    code = (
        "import threading, velnor\n"
        "verbs = ['gå', 'Give', 'at spise', 'elske', 'lykkes', 'drikke', 'stoppe', 'være'] * 50\n"
        "out = {}\n"
        "barrier = threading.Barrier(8)\n"
        "def work(i):\n"
        "    barrier.wait()\n"
        "    out[i] = [(velnor.conjugate(v, lang='da').past, velnor.conjugate(v, lang='da').imperative)"
        " for v in verbs]\n"
        "threads = [threading.Thread(target=work, args=(i,)) for i in range(8)]\n"
        "[t.start() for t in threads]\n"
        "[t.join() for t in threads]\n"
        "assert all(out[i] == out[0] for i in range(8))\n"
        "print(out[0][:8])\n"
    )
    proc = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, timeout=60)
    assert proc.returncode == 0, proc.stderr
    assert proc.stdout.strip() == str([
        ("gik", "gå"), ("gav", "giv"), ("spiste", "spis"), ("elskede", "elsk"), ("lykkedes", None),
        ("drak", "drik"), ("stoppede", "stop"), ("var", "vær"),
    ])
