"""The lexicon texts in data/: clean UTF-8 rows, the column headers the parsers expect, groups of forms of the
right size, every lemma taken by its engine. A row that a typo, a stray space, a lost form or a wrong form of its
lemma made unreachable shows here."""
import importlib.util
import pathlib
import re

import pytest

import velnor
from conftest import read_test_data

DATA = pathlib.Path(__file__).resolve().parent.parent / "data"
LEXICONS = sorted(DATA.glob("*.tsv"))
_spec = importlib.util.spec_from_file_location("check_data", DATA.parent / "tools" / "check_data.py")
check_data = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(check_data)
# the row formats as the build checks them: file name -> {column: number of forms in the group}, header lines
GROUPS = {name: rule.get("groups", {}) for name, rule in check_data.RULES.items()}
HEADERS = {name: rule.get("header", []) for name, rule in check_data.RULES.items()}


@pytest.mark.parametrize("path", LEXICONS, ids=lambda p: p.name)
def test_lexicon_text(path):
    code = path.name[:3]
    text = path.read_text(encoding="utf-8")
    assert path.name in check_data.RULES
    assert text.endswith("\n") and "\r" not in text and "\ufeff" not in text
    comments = {line for line in text.splitlines() if line.startswith("#")}
    assert [h for h in HEADERS.get(path.name, []) if h not in comments] == []
    for line in text.splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        cells = line.split("\t")
        assert all(cell == cell.strip() for cell in cells), line
        for column, size in GROUPS.get(path.name, {}).items():
            if column < len(cells) and cells[column] not in ("-", "", "\u2014"):  # "—": no such forms
                assert len(cells[column].split(",")) == size, f"column {column} of {line}"
        lemma = cells[0].rstrip("+")
        assert lemma, line
        if code == "cat" and set(cells[1:]) == {"-"}:
            # a row without a single form names a verb whose paradigm is unknown: refused, not guessed
            with pytest.raises(ValueError, match="^not a supported Catalan verb$"):
                velnor.conjugate(lemma, lang=code)
        else:
            velnor.conjugate(lemma, lang=code)


def test_readme_row_counts():
    """data/README.md states the row count of every file, once, as the file has it."""
    stated = {}
    for line in (DATA / "README.md").read_text(encoding="utf-8").splitlines():
        if line.startswith("Rows shipped: "):
            for name, count in re.findall(r"(\S+\.tsv) (\d+)", line):
                assert name not in stated, name
                stated[name] = int(count)
    actual = {p.name: sum(1 for line in p.read_text(encoding="utf-8").splitlines()
                          if line.strip() and not line.startswith("#")) for p in LEXICONS}
    assert stated == actual


CELLS = {}  # file name -> [(column, attribute, slot, masking column)]
for line in read_test_data("lexicon_cells.tsv").splitlines():
    if not line.startswith("#"):
        name, column, attribute, slot, *mask = line.split("\t")
        CELLS.setdefault(name, []).append((int(column), attribute, slot, int(mask[0]) if mask else None))


# The files whose cells beside the lemma hold no form of the verb (classes, flags, auxiliaries, aspect partners);
# every other file has its form cells listed in lexicon_cells.tsv.
NO_FORM_CELLS = {
    "ces_aspect.tsv": "aspect and aspect partners", "ces_classes.tsv": "present class",
    "dan_aux.tsv": "auxiliary of the perfect", "ita_classes.tsv": "class", "jpn.tsv": "class",
    "jpn_readings.tsv": "the written lemma of a kana spelling", "kor.tsv": "class",
    "kor_adjectives.tsv": "lemma only", "mar_transitive.tsv": "lemma only", "por_stem_classes.tsv": "class", "ron_classes.tsv": "class",
    "slv_classes.tsv": "class", "spa_stem_classes.tsv": "class",
}


def test_every_lexicon_is_round_tripped_or_holds_no_forms():
    """A new data file is either listed in lexicon_cells.tsv or named above, never both: none is skipped."""
    names = {p.name for p in LEXICONS}
    assert {"neither": names - set(CELLS) - set(NO_FORM_CELLS), "both": set(CELLS) & set(NO_FORM_CELLS),
            "no such file": (set(CELLS) | set(NO_FORM_CELLS)) - names} == {"neither": set(), "both": set(),
                                                                         "no such file": set()}


@pytest.mark.parametrize("name", sorted(NO_FORM_CELLS))
def test_no_form_cells(name):
    """Almost no cell beside the lemma of a file named above is a form that conjugate gives for the lemma (Danish
    have takes "har" as its auxiliary and has it as its present): a file of forms named there by mistake, where
    nearly every row has them, fails here."""
    code = name[:3]
    forms, rows = [], 0
    for line in (DATA / name).read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        lemma, *cells = line.split("\t")
        rows += 1
        table = velnor.conjugate(lemma, lang=code)
        given = set()
        for attribute in dir(table):
            value = getattr(table, attribute) if not attribute.startswith("_") else None
            for v in value if isinstance(value, list) else [value]:
                given |= set(v.split(",")) if isinstance(v, str) else set()
        forms += [(lemma, cell) for cell in cells if set(cell.split(",")) & given][:1]
    assert len(forms) <= rows // 100, forms[:10]


def _slot(value, slot):
    if value is None:  # a list attribute the verb does not have
        return None
    if slot == "-":
        return value
    if ":" in slot:
        start, end = map(int, slot.split(":"))
        return ",".join(value[start:end])
    return value[int(slot)]


@pytest.mark.parametrize("name", sorted(CELLS))
def test_every_row_comes_through(name):
    """Each form a row gives comes out of conjugate in its slot unchanged. "—" (no such form) gives none, and a
    form written after "—" (a form that does not stand on its own) gives "—". Where a lemma has more than one
    row, the rows are read in ways their sections describe, and only lemmas with one row are checked."""
    code = name[:3]
    rows = [line.split("\t") for line in (DATA / name).read_text(encoding="utf-8").splitlines()
            if line.strip() and not line.startswith("#")]
    count = {}
    for cells in rows:
        count[cells[0]] = count.get(cells[0], 0) + 1
    wrong = []
    for cells in rows:
        if count[cells[0]] > 1 or set(cells[1:]) <= {"-"}:
            continue
        table = velnor.conjugate(cells[0].rstrip("+"), lang=code)
        for column, attribute, slot, mask in CELLS[name]:
            if column >= len(cells) or cells[column] in ("-", ""):
                continue
            got = _slot(getattr(table, attribute), slot)
            if cells[column] == "—" or (mask is not None and cells[mask] == "—"):
                ok = got in (None, "—")
            elif cells[column].startswith("—") and "," not in cells[column]:
                ok = got == "—"
            else:
                ok = got == cells[column]
            if not ok:
                wrong.append((cells[0], column, cells[column], got))
    assert not wrong, wrong[:10]
