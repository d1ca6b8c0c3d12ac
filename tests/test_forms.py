"""Expected forms, language by language, from the tables in tests/data/forms/.

A table is named <code>.tsv or <code>_<topic>.tsv and is read as UTF-8, tab-separated:
  # ...                 a comment
  @<TAB>attr<TAB>...    names the attributes that the rows after it give (any number of @ lines)
  input<TAB>cell<TAB>...
The first column is what is passed to conjugate(input, lang=<code>). A cell is compared with the attribute
as read: "*" is not checked, "~" stands for None, and a list attribute is written as its items joined by
"|" (an item "~" again for None). The attribute name "ValueError" expects that error, with the cell as its
exact message ("*": any message).
"""
import pathlib

import pytest

import velnor

FORMS = pathlib.Path(__file__).parent / "data" / "forms"


def _cases():
    for path in sorted(FORMS.glob("*.tsv")):
        code = path.stem.split("_", 1)[0]
        attrs = None
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.split("\t")
            if cells[0] == "@":
                attrs = cells[1:]
                continue
            assert attrs is not None and len(cells) == len(attrs) + 1, f"{path.name}:{number}: malformed row"
            yield pytest.param(code, cells[0], dict(zip(attrs, cells[1:])), id=f"{path.stem}:{number}:{cells[0]}")


def _decode(cell, actual):
    if cell == "~":
        return None
    if isinstance(actual, list):
        return [None if item == "~" else item for item in cell.split("|")]
    return cell


@pytest.mark.parametrize("code,word,expected", list(_cases()))
def test_forms(code, word, expected):
    if "ValueError" in expected:
        with pytest.raises(ValueError) as err:
            velnor.conjugate(word, lang=code)
        if expected["ValueError"] != "*":
            assert str(err.value) == expected["ValueError"]
        return
    t = velnor.conjugate(word, lang=code)
    wrong = {}
    for attr, cell in expected.items():
        if cell == "*":
            continue
        actual = getattr(t, attr)
        if actual != _decode(cell, actual):
            wrong[attr] = actual
    assert not wrong, f"{word}: {wrong}"
