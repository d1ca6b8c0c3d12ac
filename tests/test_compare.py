"""scripts/compare.py sorts the slots that changed between two snapshots: a form the checker accepted before and
rejects after, a slot that went empty, a word now refused; the words the old and new forms share are not judged."""
import importlib.util
import io
import json
import os
import pathlib
import subprocess
import sys

import pytest

ROOT = pathlib.Path(__file__).resolve().parent.parent
_spec = importlib.util.spec_from_file_location("compare", ROOT / "scripts" / "compare.py")
compare = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(compare)
speller = sys.modules["speller"]  # scripts/speller.py, which compare.py imports


@pytest.fixture
def installed(monkeypatch):
    """Every dictionary counts as installed: the fake checker stands in for them."""
    monkeypatch.setattr(speller, "installed", lambda d: True)

KNOWN = {"lamenteert", "lamenteer", "gelamenteerd", "heeft", "zijn", "entert", "lam", "verchroomd", "tinungo", "la",
         "plakt", "geplakt", "kent", "gekend"}


class FakeChecker:
    def __init__(self, code):
        self.asked = []

    def accepts(self, words):
        self.asked += words
        return {w: w in KNOWN for w in words}


BEFORE = {
    "nld:lamenteren": {"present": ["lamenteer", "lamenteert"], "past_participle": "gelamenteerd",
                       "perfect": ["heb gelamenteerd"], "infinitive": "lamenteren"},
    "nld:verchromen": {"past_participle": "verchroomd", "present": ["verchroom", "verchroomt"]},
    "nld:plakken": {"present": ["plak", "plakt"], "past_participle": "geplakt"},
    "nld:kennen": {"present": ["ken", "kent"], "past_participle": "gekend"},
    "nld:xyzen": "ValueError: not a Dutch infinitive",
    "tgl:tungo": {"patient_perfective": "tinungo", "actor_perfective": "tumungo"},
    "jpn:taberu": {"past": "tabeta", "polite": None},
    "nld:lopen": {"present": ["loop", "loopt"], "past_participle": "gelopen"},
}
AFTER = {
    "nld:lamenteren": {"present": ["entert lam", "entert lam"], "past_participle": "lamgeënterd",
                       "perfect": ["heb lamgeënterd"], "infinitive": "lamenteren"},
    "nld:verchromen": {"past_participle": "geverchroomd", "present": ["verchroom", "verchroomt"]},
    # a rejected form that was already rejected, and a mend: not regressions
    "nld:plakken": {"present": ["plak", "plakt"], "past_participle": "geplakkt"},
    "nld:kennen": "ValueError: not a Dutch infinitive",
    "nld:xyzen": {"present": ["xyz", "xyzt"]},
    "tgl:tungo": {"patient_perfective": "—", "actor_perfective": "tumungo"},
    "jpn:taberu": {"past": "tabeta2", "polite": "tabemashita"},
    "nld:lopen": {"present": ["loop", "loopt"]},  # an attribute gone
}
BEFORE["nld:plakken"]["past_participle"] = "geplakkt"  # wrong before: a change to it is never a regression
AFTER["nld:plakken"]["past_participle"] = "geplakt"


def test_diff_sorts_the_changed_slots(installed):
    out = io.StringIO()
    before = {**BEFORE, "_kinds": {"nld": {"verchromen": 0, "lamenteren": 1}}}
    summary = compare.report(before, AFTER, checker=FakeChecker, out=out)
    text = out.getvalue()
    nld = text[text.index("== nld"):text.index("== tgl")]
    # accepted before, rejected after: the participles and the perfect, whose shared auxiliary (unknown here) is
    # not judged; "entert lam" is two known words, so it is only a change; a word whose table the checker mostly
    # knew comes before the dictionary's words
    assert ("rejected after: 3 slots of 2 words\n"
            "    lamenteren [lexicon, 60% known]: past_participle 'gelamenteerd' -> 'lamgeënterd'; "
            "perfect[0] 'heb gelamenteerd' -> 'heb lamgeënterd'\n"
            "    verchromen [dictionary, 33% known]: past_participle 'verchroomd' -> 'geverchroomd'\n") in nld
    # a mend; a word refused before has no slots to lose (it is listed as conjugated now)
    assert "plakken" not in nld and "xyz" not in nld[:nld.index("conjugated now")]
    assert "refused now: 1 slots of 1 words\n    kennen [built, 67% known]: (word) 'table' -> 'ValueError: not a" in nld
    assert "went empty: 1 slots of 1 words\n    lopen [built, 0% known]: past_participle 'gelopen' -> None" in nld
    assert "went empty: 1 slots of 1 words\n    tungo [built, 50% known]: patient_perfective 'tinungo' -> '—'" in text
    # no checker: every changed slot is listed, a slot that was empty and is filled is no loss
    jpn = text[text.index("== jpn (no checker)"):text.index("== nld")]
    assert "changed (no checker): 2 slots of 1 words" in jpn and "went empty" not in jpn
    assert summary == [
        "jpn: 1 words, 1 changed tables, 2 changed slots; no checker; 0 slots went empty; 0 words refused now, "
        "0 conjugated now (0 real verbs), 0 refused both times with another message; 0 crashed; real verbs "
        "changed: 0 words, 0 slots; slots: 1 filled, 1 other",
        "nld: 6 words, 6 changed tables, 7 changed slots; 3 forms hunspell nl_NL accepted before and rejects "
        "after (2 of words whose table it mostly accepted before); 1 slots went empty; 1 words refused now, "
        "1 conjugated now (0 real verbs), 0 refused both times with another message; 0 crashed; real verbs "
        "changed: 1 words, 4 slots; slots: 3 checker, 1 empty, 2 known, 1 now known",
        "tgl: 1 words, 1 changed tables, 1 changed slots; 0 forms hunspell tl accepted before and rejects after "
        "(0 of words whose table it mostly accepted before); 1 slots went empty; 0 words refused now, "
        "0 conjugated now (0 real verbs), 0 refused both times with another message; 0 crashed; real verbs "
        "changed: 0 words, 0 slots; slots: 1 empty"]


def test_case_spellings_fold_onto_the_lower_case_word():
    rows = [("biken", "imperative", None, "bik", "bike"), ("Biken", "imperative", None, "bik", "bike"),
            ("BIKEN", "imperative", None, "BIK", "BIKE"), ("AUÐMÝKJA", "past", 0, "auðmýkti", "AUÐMÝKJAi")]
    assert compare.by_word(rows, {"biken": 0}) == [
        "biken [dictionary] (also BIKEN, Biken): imperative 'bik' -> 'bike'",
        "AUÐMÝKJA [built]: past[0] 'auðmýkti' -> 'AUÐMÝKJAi'"]


def test_spellings_users_type():
    assert {"باز کردن", "باز\u200cکردن", "بازکردن"} <= compare.spellings("pes", "باز کردن")
    assert {"tungó", "tungo", "Tungó", "TUNGÓ", "mag-tungó"} <= compare.spellings("tgl", "tungó")
    assert "dí-ceangail" in compare.spellings("gle", "ceangail")
    assert compare.words_in("sé/sí mol — ") == ["sé", "sí", "mol"]


def test_snapshot_files_are_read_in_step_and_chunks(tmp_path, installed):
    """The diff of two snapshot files, read line by line and a few slots at a time, is the diff of the tables; a
    word that only one snapshot has is not compared."""
    kinds = {"nld": {"verchromen": 0, "lamenteren": 1}}
    paths = []
    for name, snap, extra in (("before.jsonl.gz", BEFORE, "nld:aaien"), ("after.jsonl", AFTER, "nld:zwemmen")):
        rows = sorted((*k.split(":", 1), v) for k, v in {**snap, extra: {"present": ["x"]}}.items())
        with compare.opened(str(tmp_path / name), "wt") as f:
            f.writelines(compare.json.dumps([c, w, kinds.get(c, {}).get(w), t]) + "\n" for c, w, t in rows)
        paths.append(str(tmp_path / name))
    whole, streamed = io.StringIO(), io.StringIO()
    expected = compare.report({**BEFORE, "_kinds": kinds}, AFTER, checker=FakeChecker, out=whole,
                              changes_path=str(tmp_path / "whole.tsv"))
    assert compare.report(*paths, checker=FakeChecker, out=streamed, changes_path=str(tmp_path / "streamed.tsv"),
                          chunk=1) == expected
    assert streamed.getvalue() == whole.getvalue()
    changed = (tmp_path / "streamed.tsv").read_text(encoding="utf-8")
    assert changed == (tmp_path / "whole.tsv").read_text(encoding="utf-8")
    assert "nld\tchecker\tverchromen\tpast_participle\t'verchroomd' -> 'geverchroomd'\n" in changed


def test_every_changed_slot_of_a_real_verb_is_listed_with_its_kind(installed, tmp_path):
    """A real verb's slots are all listed, judged or not: one known form for another, the same words in another
    order, an empty slot filled, a form for nothing. A word refused both times with another message is not
    conjugated now; a word conjugated now is listed with the words of its table the checker does not know."""
    known = {"loop", "loopt", "liep", "liepen", "gelopen", "ben", "heb", "kent", "kende"}

    class Checker(FakeChecker):
        def accepts(self, words):
            return {w: w in known or w in ("lopen", "kennen") for w in words}

    before = {"nld:lopen": {"past": ["liep", "liepen"], "perfect": ["ben gelopen"], "imperative": None,
                            "present": ["loop", "loopt"]},
              "nld:kennen": "ValueError: not a Dutch infinitive",
              "nld:qqen": "ValueError: not a Dutch infinitive",
              "_kinds": {"nld": {"lopen": 1, "kennen": 0}}}
    after = {"nld:lopen": {"past": ["liepen", "liep"], "perfect": ["gelopen ben"], "imperative": "loop",
                           "present": ["loopt", None]},
             "nld:kennen": {"present": ["ken", "kent"], "past": ["kende"]},
             "nld:qqen": "ValueError: qqen is no verb"}
    assert [compare.slot_kind(*c, {w: w in known for w in ("liep", "liepen", "ben", "gelopen", "loop", "zwom",
                                                             "zwem")})
             for c in (("liep", "liepen"), ("ben gelopen", "gelopen ben"), (None, "loop"), ("loop", "—"),
                       ("liep", "zwom"), ("zwom", "zwem"), ("zwom", "liep"))] == [
        "known", "order", "filled", "empty", "checker", "unknown", "now known"]
    out = io.StringIO()
    summary = compare.report(before, after, checker=Checker, out=out, changes_path=str(tmp_path / "c.tsv"),
                             real_path=str(tmp_path / "real.txt"))
    text = out.getvalue()
    assert ("  real verbs whose table changed, every changed slot: 6 slots of 1 words\n"
            "    lopen [lexicon, 100% known]: imperative None -> 'loop' (filled); past[0] 'liep' -> 'liepen' (known); "
            "past[1] 'liepen' -> 'liep' (known); perfect[0] 'ben gelopen' -> 'gelopen ben' (order); "
            "present[0] 'loop' -> 'loopt' (known); present[1] 'loopt' -> None (empty)") in text
    assert "conjugated now (refused before): 1 words\n    kennen [dictionary, real]: 2 of 3 words known; unknown: ken" in text
    assert "qqen" not in text and "1 conjugated now (1 real verbs), 1 refused both times with another message" in summary[0]
    assert "nld\tmessage\tqqen\t(word)\t'ValueError: not a Dutch infinitive' -> 'ValueError: qqen is no verb'" in (
        tmp_path / "c.tsv").read_text(encoding="utf-8")
    real = (tmp_path / "real.txt").read_text(encoding="utf-8")
    assert "== nld lopen [lexicon, 100% known before]\n* imperative\tNone\tloop\tfilled\n" in real
    assert "* perfect[0]\tben gelopen\tgelopen ben\torder\n" in real and "== nld kennen" in real
    assert "\n  present[0]\t\tken ?\n" in real  # a word conjugated now: its forms the checker rejects marked


FAKE_VELNOR = """
import os, time
seen = set()
class Table:
    def __init__(self, w):
        self.present = [w + "t"]
def conjugate(w, lang):
    seen.add(w)
    if w == "late" and "early" in seen:
        os.abort()
    if w == "abort":
        os.abort()
    if w == "exit":
        os._exit(3)
    if w == "hang":
        time.sleep(60)
    if w == "odd":
        raise RuntimeError("odd")
    if w == "bad":
        raise ValueError("not a verb")
    return Table(w)
"""


def test_a_word_that_kills_the_worker_is_named_and_the_others_are_conjugated(tmp_path, installed):
    (tmp_path / "fake" / "velnor.py").parent.mkdir()
    (tmp_path / "fake" / "velnor.py").write_text(FAKE_VELNOR)
    words = ["aa", "abort", "bb", "bad", "cc", "exit", "dd", "hang", "odd", "ee", "early", "late"]
    (tmp_path / "words.jsonl").write_text("".join(json.dumps(["nld", w, 0]) + "\n" for w in words))
    env = dict(os.environ, PYTHONPATH=str(tmp_path / "fake"))
    f = io.StringIO()
    crashes = compare.write_tables(str(tmp_path / "words.jsonl"), f, size=4, workers=2, env=env, timeout=2)
    got = {w: t for _, w, _, t in map(json.loads, f.getvalue().splitlines())}
    assert list(got) == words
    assert got["aa"] == {"present": ["aat"]} and got["ee"] == {"present": ["eet"]}
    assert got["bad"] == "ValueError: not a verb" and got["odd"] == "crash: RuntimeError: odd"
    assert got["abort"] == "crash: killed by SIGABRT" and got["exit"] == "crash: exit status 3"
    assert got["hang"] == "crash: no answer in 2 s"
    # a word that kills the interpreter only after another: named, with the note that it passes alone
    assert got["late"] == "crash: killed by SIGABRT after the words before it" and got["early"] == {"present": ["earlyt"]}
    assert sorted(w for _, w, _ in crashes) == ["abort", "exit", "hang", "late"]
    out = io.StringIO()
    compare.report({"nld:abort": {"present": ["abortt"]}, "nld:exit": "crash: exit status 3"},
                   {"nld:abort": got["abort"], "nld:exit": {"present": ["exitt"]}}, checker=FakeChecker, out=out)
    assert ("crashed: 2 words\n    abort [built]: (word) 'table' -> 'crash: killed by SIGABRT'\n"
            "    exit [built]: (word) 'crash: exit status 3' -> 'table'") in out.getvalue()


def needs(*dictionaries):
    absent = [f"hunspell dictionary {d}" for d in dictionaries
              if not os.path.exists(os.path.join(speller.HUNSPELL_DIR, d + ".dic"))]
    if importlib.util.find_spec("hunspell") is None:
        absent.append("the hunspell Python library")
    return pytest.mark.skipif(bool(absent), reason=f"{', '.join(absent)} not installed")


@needs("te_IN", "ga_IE", "de_DE")
def test_forms_are_checked_whole_through_the_library():
    """The command split Telugu words at their vowel signs and let a stray symbol through; the library does
    neither, also where the dictionary's encoding cannot write the symbol (ga_IE is Latin-1)."""
    assert speller.known(["చేస్తాడు", "చేయండి", "తింటున్నది"], "te_IN") == {"చేస్తాడు", "చేయండి", "తింటున్నది"}
    assert speller.known(["mholta", "mholtaǂ"], "ga_IE") == {"mholta"}
    assert speller.known(["machen", "machenǂ", "ich mache", "ich machǂ", ""], "de_DE") == {"machen", "ich mache"}
    assert speller.rejected(["ich machǂ", "gehen"], "de_DE") == {"machǂ"}


@needs("nl_NL")
def test_a_missing_dictionary_is_skipped_with_a_line(monkeypatch, capsys):
    assert speller.dictionary("/nonexistent/xx_XX") is None and speller.known(["a"], "/nonexistent/xx_XX") == set()
    assert "hunspell dictionary /nonexistent/xx_XX is not installed: skipped" in capsys.readouterr().err
    monkeypatch.setitem(compare.HUNSPELL, "nld", ["nl_NL", "/nonexistent/xx_XX"])
    assert compare.checker_names("nld") == "hunspell nl_NL"
    out = io.StringIO()
    compare.report({"nld:lopen": {"past": "liep"}}, {"nld:lopen": {"past": "lop"}}, checker=FakeChecker, out=out)
    assert "  hunspell dictionary /nonexistent/xx_XX is not installed: skipped\n" in out.getvalue()


def test_lexicon_snapshots_are_in_the_one_format(tmp_path):
    """scripts/lexicon_snapshot.py conjugates a tree's lemmas and the listed words into compare.py's format, which
    its read() and the one diff (checker_diff.py, its former name) take."""
    velnor = pytest.importorskip("velnor")
    (tmp_path / "data").mkdir()
    (tmp_path / "data" / "nld.tsv").write_text("# header\nlopen\n", encoding="utf-8")
    (tmp_path / "words.tsv").write_text("nld\tqqxz\n", encoding="utf-8")
    snapshot = importlib.import_module("lexicon_snapshot")
    out = str(tmp_path / "s.jsonl.gz")
    snapshot.main(str(tmp_path), out, [str(tmp_path / "words.tsv")])
    assert [r[:3] for r in compare.lines(out)] == [["nld", "lopen", 1], ["nld", "qqxz", None]]
    read = snapshot.read(out, "nld")
    assert read["qqxz"] is None and read["lopen"]["present"] == velnor.conjugate("lopen", lang="nld").present
    diff = subprocess.run([sys.executable, str(ROOT / "scripts" / "checker_diff.py"), out, out], capture_output=True,
                          text=True, env=dict(os.environ, VELNOR_COMPARE_CACHE=str(tmp_path)), check=True).stdout
    assert "\n  nld: 2 words, 0 changed tables" in diff
