"""Expected forms, language by language, from the tables in tests/data/forms/.

A table is named <code>.tsv or <code>_<topic>.tsv and is read as UTF-8, tab-separated:
  # ...                 a comment
  @<TAB>attr<TAB>...    names the attributes that the rows after it give (any number of @ lines)
  input<TAB>cell<TAB>...
The first column is what is passed to conjugate(input, lang=<code>). A cell is compared with the attribute as
read ("repr" is the text of repr()): "*" is not checked, "~" stands for None, and a list attribute is written as
its items joined by "|" (an item "~" again for None, an item "*" not checked; the length always is). The
attribute name "ValueError" expects that error, with the cell as its exact message ("*": any message).
Backslash escapes \\t, \\n, \\\\, \\xHH, \\uHHHH and \\UHHHHHHHH stand for characters a cell cannot hold (a
leading "#" or "@" of an input is written \\x23 or \\x40).
"""
import pathlib
import re

import pytest

import velnor

FORMS = pathlib.Path(__file__).parent / "data" / "forms"
_ESCAPE = re.compile(r"\\(?:x([0-9a-fA-F]{2})|u([0-9a-fA-F]{4})|U([0-9a-fA-F]{8})|(.))")
_SIMPLE = {"t": "\t", "n": "\n", "\\": "\\"}


def _unescape(cell):
    if "\\" not in cell:
        return cell
    return _ESCAPE.sub(lambda m: _SIMPLE[m[4]] if m[4] else chr(int(m[1] or m[2] or m[3], 16)), cell)


def _rows(path):
    attrs = None
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        cells = line.split("\t")
        if cells[0] == "@":
            attrs = cells[1:]
            continue
        assert attrs is not None and len(cells) == len(attrs) + 1, f"{path.name}:{number}: malformed row"
        word, *cells = [_unescape(cell) for cell in cells]
        yield number, word, dict(zip(attrs, cells))


def _decode(cell, actual):
    if cell == "~":
        return None
    if isinstance(actual, list):
        return [None if item == "~" else item for item in cell.split("|")]
    return cell


def _wrong(code, word, expected):
    """What the call gives where it differs from the row (empty when it agrees)."""
    if "ValueError" in expected:
        try:
            velnor.conjugate(word, lang=code)
        except ValueError as err:
            return {} if expected["ValueError"] in ("*", str(err)) else {"ValueError": str(err)}
        return {"ValueError": None}
    try:
        t = velnor.conjugate(word, lang=code)
    except ValueError as err:
        return {"ValueError": str(err)}
    wrong = {}
    for attr, cell in expected.items():
        if cell == "*":
            continue
        actual = repr(t) if attr == "repr" else getattr(t, attr)
        want = _decode(cell, actual)
        if isinstance(actual, list) and len(actual) == len(want):
            actual = [a if w != "*" else "*" for a, w in zip(actual, want)]
        if actual != want:
            wrong[attr] = actual
    return wrong


# One test per table: thousands of rows cost milliseconds, and a failure lists every row that differs.
@pytest.mark.parametrize("path", sorted(FORMS.glob("*.tsv")), ids=lambda path: path.stem)
def test_forms(path):
    code = path.stem.split("_", 1)[0]
    failures = [f"{path.name}:{number}: {word!r} gives {wrong}"
                for number, word, expected in _rows(path) for wrong in [_wrong(code, word, expected)] if wrong]
    assert not failures, "\n".join(failures[:40]) + (f"\n... {len(failures) - 40} more" if len(failures) > 40 else "")
