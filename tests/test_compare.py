"""scripts/compare.py sorts the slots that changed between two snapshots: a form the checker accepted before and
rejects after, a slot that went empty, a word now refused; the words the old and new forms share are not judged."""
import importlib.util
import io
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
_spec = importlib.util.spec_from_file_location("compare", ROOT / "scripts" / "compare.py")
compare = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(compare)

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


def test_diff_sorts_the_changed_slots():
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
    assert "plakken" not in nld and "xyz" not in nld  # a mend; a word refused before has no slots to lose
    assert "refused now: 1 slots of 1 words\n    kennen [built, 67% known]: (word) 'table' -> 'ValueError: not a" in nld
    assert "went empty: 1 slots of 1 words\n    lopen [built, 0% known]: past_participle 'gelopen' -> None" in nld
    assert "went empty: 1 slots of 1 words\n    tungo [built, 50% known]: patient_perfective 'tinungo' -> '—'" in text
    # no checker: every changed slot is listed, a slot that was empty and is filled is no loss
    jpn = text[text.index("== jpn (no checker)"):text.index("== nld")]
    assert "changed (no checker): 2 slots of 1 words" in jpn and "went empty" not in jpn
    assert summary == [
        "jpn: 1 words, 1 changed tables, 2 changed slots; no checker; 0 slots went empty; 0 words refused now, "
        "0 conjugated now",
        "nld: 6 words, 6 changed tables, 7 changed slots; 3 forms hunspell nl_NL accepted before and rejects "
        "after (2 of words whose table it mostly accepted before); 1 slots went empty; 1 words refused now, "
        "1 conjugated now",
        "tgl: 1 words, 1 changed tables, 1 changed slots; 0 forms hunspell tl accepted before and rejects after "
        "(0 of words whose table it mostly accepted before); 1 slots went empty; 0 words refused now, "
        "0 conjugated now"]


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


def test_snapshot_files_are_read_in_step_and_chunks(tmp_path):
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
