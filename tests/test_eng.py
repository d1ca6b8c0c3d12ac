"""English conjugation: analysis of the input, the lexicon, the spelling
rules, the table and the EnglishConjugation class."""
import os

import pytest

import velnor
from conftest import needs, read_test_data

pytestmark = needs("eng")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "eng.tsv")
HEADER = '# lemma\tpast\tpast-participle\tpresent-participle\tthird-singular ("-" = derive)'
ATTRIBUTES = [
    "infinitive", "past", "past_participle", "present_participle", "third_singular",
    "present_row", "past_row", "present_perfect_row", "past_perfect_row", "future_row", "future_perfect_row",
]


def conj(word):
    return velnor.conjugate(word, lang="eng")


def singles(r):
    return (r.past, r.past_participle, r.present_participle, r.third_singular)


def expected_rows(infinitive, past, participle, third):
    return {
        "present_row": [infinitive, infinitive, third, infinitive, infinitive, infinitive],
        "past_row": [past] * 6,
        "present_perfect_row": ["have " + participle] * 2 + ["has " + participle] + ["have " + participle] * 3,
        "past_perfect_row": ["had " + participle] * 6,
        "future_row": ["will " + infinitive] * 6,
        "future_perfect_row": ["will have " + participle] * 6,
    }


# (verb, past, past participle, present participle, third singular): forms of
# standard (American) English.
COMMON = read_test_data("eng_common.txt")
COMMON_ROWS = [tuple(line.split()) for line in COMMON.strip().splitlines()]


def test_common_table_is_large():
    assert len(COMMON_ROWS) >= 150
    assert all(len(row) == 5 for row in COMMON_ROWS)


@pytest.mark.parametrize("verb,past,participle,ing,third", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs_slot_by_slot(verb, past, participle, ing, third):
    r = conj(verb)
    assert r.infinitive == verb
    assert singles(r) == (past, participle, ing, third)
    if verb != "be":
        for name, row in expected_rows(verb, past, participle, third).items():
            assert getattr(r, name) == row, name


@pytest.mark.parametrize("verb,forms", [
    # The spelling rules on lemmas that have no lexicon row.
    ("carry", ("carried", "carried", "carrying", "carries")),
    ("bake", ("baked", "baked", "baking", "bakes")),
    ("cry", ("cried", "cried", "crying", "cries")),
    ("play", ("played", "played", "playing", "plays")),
    ("obey", ("obeyed", "obeyed", "obeying", "obeys")),
    ("wish", ("wished", "wished", "wishing", "wishes")),
    ("echo", ("echoed", "echoed", "echoing", "echoes")),
    ("buzz", ("buzzed", "buzzed", "buzzing", "buzzes")),
    ("tie", ("tied", "tied", "tying", "ties")),
    ("free", ("freed", "freed", "freeing", "frees")),
    ("toe", ("toed", "toed", "toeing", "toes")),
    ("dye", ("dyed", "dyed", "dyeing", "dyes")),
    ("singe", ("singed", "singed", "singeing", "singes")),
    ("hope", ("hoped", "hoped", "hoping", "hopes")),
    ("e", ("ed", "ed", "ing", "es")),
    ("y", ("yed", "yed", "ying", "ys")),
    ("x-ray", ("x-rayed", "x-rayed", "x-raying", "x-rays")),
])
def test_spelling_rules(verb, forms):
    r = conj(verb)
    assert r.infinitive == verb
    assert singles(r) == forms


@pytest.mark.parametrize("verb,forms", [
    # Rows that record what the rules would get wrong.
    ("abet", ("abetted", "abetted", "abetting", "abets")),
    ("zigzag", ("zigzagged", "zigzagged", "zigzagging", "zigzags")),
    ("arrange", ("arranged", "arranged", "arranging", "arranges")),
    ("applique", ("appliqued", "appliqued", "appliqueing", "appliques")),
    ("auto", ("autoed", "autoed", "autoing", "autos")),
    ("demo", ("demoed", "demoed", "demoing", "demos")),
    ("shampoo", ("shampooed", "shampooed", "shampooing", "shampoos")),
    ("asses", ("assessed", "assessed", "assessing", "assesses")),
    ("ziz", ("zizzed", "zizzed", "zizzing", "zizzes")),
    ("gas", ("gassed", "gassed", "gassing", "gasses")),
    ("arise", ("arose", "arisen", "arising", "arises")),
    ("mow", ("mowed", "mown", "mowing", "mows")),
    ("stomach", ("stomached", "stomached", "stomaching", "stomachs")),
    ("sortie", ("sortied", "sortied", "sortieing", "sorties")),
    ("ad-lib", ("ad-libbed", "ad-libbed", "ad-libbing", "ad-libs")),
    ("house-sit", ("house-sat", "house-sat", "house-sitting", "house-sits")),
])
def test_lexicon_rows(verb, forms):
    assert singles(conj(verb)) == forms


@pytest.mark.parametrize("verb,forms", [
    # British spellings with one final l double it like their American twins.
    ("distil", ("distilled", "distilled", "distilling", "distils")),
    ("fulfil", ("fulfilled", "fulfilled", "fulfilling", "fulfils")),
    ("instil", ("instilled", "instilled", "instilling", "instils")),
    ("enrol", ("enrolled", "enrolled", "enrolling", "enrols")),
    ("appal", ("appalled", "appalled", "appalling", "appals")),
    ("enthral", ("enthralled", "enthralled", "enthralling", "enthrals")),
    # Short and compound verbs that double their last consonant.
    ("up", ("upped", "upped", "upping", "ups")),
    ("war", ("warred", "warred", "warring", "wars")),
    ("dis", ("dissed", "dissed", "dissing", "disses")),
    ("ref", ("reffed", "reffed", "reffing", "refs")),
    ("schlep", ("schlepped", "schlepped", "schlepping", "schleps")),
    ("surveil", ("surveilled", "surveilled", "surveilling", "surveils")),
    ("foxtrot", ("foxtrotted", "foxtrotted", "foxtrotting", "foxtrots")),
    ("nightclub", ("nightclubbed", "nightclubbed", "nightclubbing", "nightclubs")),
    ("teargas", ("teargassed", "teargassed", "teargassing", "teargasses")),
    # Compounds of strong verbs.
    ("housebreak", ("housebroke", "housebroken", "housebreaking", "housebreaks")),
    ("joyride", ("joyrode", "joyridden", "joyriding", "joyrides")),
    ("spellbind", ("spellbound", "spellbound", "spellbinding", "spellbinds")),
    ("spoonfeed", ("spoonfed", "spoonfed", "spoonfeeding", "spoonfeeds")),
    ("countersink", ("countersank", "countersunk", "countersinking", "countersinks")),
    ("outlay", ("outlaid", "outlaid", "outlaying", "outlays")),
    ("underbuy", ("underbought", "underbought", "underbuying", "underbuys")),
])
def test_forms_the_rules_miss(verb, forms):
    assert singles(conj(verb)) == forms


def test_be_agrees_in_person():
    r = conj("be")
    assert r.present_row == ["am", "are", "is", "are", "are", "are"]
    assert r.past_row == ["was", "were", "was", "were", "were", "were"]
    assert r.present_perfect_row == ["have been", "have been", "has been", "have been", "have been", "have been"]
    assert r.past_perfect_row == ["had been"] * 6
    assert r.future_row == ["will be"] * 6
    assert r.future_perfect_row == ["will have been"] * 6
    assert conj("Be").present_row[0] == "am"


def test_babysit_has_a_strong_past():
    r = conj("babysit")
    assert (r.past, r.past_participle, r.present_participle) == ("babysat", "babysat", "babysitting")
    assert r.past_row == ["babysat"] * 6
    assert r.present_perfect_row[2] == "has babysat"
    assert r.future_perfect_row[0] == "will have babysat"


@pytest.mark.parametrize("text,lemma", [
    ("walk", "walk"),
    ("  walk\t", "walk"),
    ("to walk", "walk"),
    ("  to walk  ", "walk"),
    ("to   walk", "walk"),
    ("to", "to"),
    ("to   ", "to"),
    ("Run", "run"),
    ("RUN", "run"),
    ("to Run", "Run"),
    ("Walk", "Walk"),
    ("TELNET", "TELNET"),
    ("Telnet", "Telnet"),
    ("telnet", "telnet"),
    ("Tom", "Tom"),
    ("o'clock", "o'clock"),
    ("rock'n'roll", "rock'n'roll"),
    ("double-check", "double-check"),
    ("\u00a0go\u2003", "go"),
    ("\u212aeep", "keep"),  # KELVIN SIGN lower-cases to an ASCII k, and keep has a row
    ("\u212aick", None),  # kick has no row, so the sign stays and fails
])
def test_analysis(text, lemma):
    if lemma is None:
        with pytest.raises(ValueError):
            conj(text)
    else:
        assert conj(text).infinitive == lemma


def test_capitals_are_kept():
    r = conj("Walk")
    assert singles(r) == ("Walked", "Walked", "Walking", "Walks")
    assert r.present_row[2] == "Walks"
    r = conj("TELNET")
    assert (r.past, r.present_participle) == ("TELNETTed", "TELNETTing")
    assert r.future_row == ["will TELNET"] * 6
    assert conj("to Run").past == "Runned"
    assert singles(conj("telnet")) == ("telneted", "telneted", "telneting", "telnets")
    assert conj("Telnet").past == "Telneted"


@pytest.mark.parametrize("text", [
    "", "   ", "\t\n", " To walk ", "To walk", "walk out", "to be or", "café", "naïve", "résumé",
    "walk1", "walk!", "walk_", "wa\u0301lk", "\u0433\u043e", "walk\u200b", "\u2019tis",
])
def test_not_an_infinitive(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == "not an English infinitive"


def test_class_shape():
    r = conj("walk")
    cls = type(r)
    assert cls.__name__ == "EnglishConjugation"
    assert cls.__doc__ == "The full conjugation table of one English verb."
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == ATTRIBUTES
    assert all((vars(cls)[n].__doc__ or "") == "" for n in names)
    for name in ATTRIBUTES[5:]:
        row = getattr(r, name)
        assert isinstance(row, list) and len(row) == 6 and all(isinstance(s, str) for s in row)
    with pytest.raises(AttributeError):
        r.past = "x"


@pytest.mark.parametrize("text,shown", [
    ("walk", 'EnglishConjugation("walk")'),
    ("o'clock", 'EnglishConjugation("o\'clock")'),
    ("TELNET", 'EnglishConjugation("TELNET")'),
    (" to be ", 'EnglishConjugation("be")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def read_lexicon():
    with open(DATA, encoding="utf-8") as f:
        text = f.read()
    lines = text.split("\n")
    return lines[0], [line for line in lines[1:] if line and not line.startswith("#")]


def test_lexicon_shape():
    header, rows = read_lexicon()
    assert header == HEADER
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(lemmas) == len(set(lemmas))
    capitals = sorted(lemma for lemma in lemmas if lemma != lemma.lower())
    assert capitals == ["Christmas", "Goddam", "Photostat", "TELNET", "Tom"]
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 5, row
        assert all(cell and cell == cell.strip() for cell in cells), row
        assert any(cell != "-" for cell in cells[1:]), row
        assert all(c.isascii() and (c.isalpha() or c in "-'") for c in cells[0]), row


def test_every_lexicon_row_conjugates():
    _, rows = read_lexicon()
    for row in rows:
        lemma, past, participle, ing, third = row.split("\t")
        r = conj(lemma)
        assert r.infinitive == lemma
        if past != "-":
            assert r.past == past and r.past_row[0] == past, row
        if participle != "-":
            assert r.past_participle == participle, row
        elif past != "-":
            assert r.past_participle == past, row
        if ing != "-":
            assert r.present_participle == ing, row
        if third != "-":
            assert r.third_singular == third and r.present_row[2] == third, row
        assert r.present_perfect_row[2] == "has " + r.past_participle


def test_results_are_independent():
    a = conj("run")
    row = a.past_row
    row.append("x")
    assert a.past_row == ["ran"] * 6
    assert a.past_row is not a.past_row
    b = conj("run")
    assert a is not b and b.past_row == a.past_row


def test_first_use_from_many_threads():
    # A fresh interpreter, so that the lexicon table is built under contention.
    import subprocess
    import sys
    code = (
        "import threading, velnor\n"
        "verbs = ['run', 'be', 'abet', 'walk', 'TELNET', 'arrange', 'go', 'mow'] * 50\n"
        "out = {}\n"
        "barrier = threading.Barrier(8)\n"
        "def work(i):\n"
        "    barrier.wait()\n"
        "    out[i] = [(velnor.conjugate(v, lang='en').past, velnor.conjugate(v, lang='en').present_participle)"
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
        ("ran", "running"), ("was", "being"), ("abetted", "abetting"), ("walked", "walking"),
        ("TELNETTed", "TELNETTing"), ("arranged", "arranging"), ("went", "going"), ("mowed", "mowing"),
    ])
