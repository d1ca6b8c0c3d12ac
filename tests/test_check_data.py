"""The build-time lexicon checker rejects each malformed row of tests/data/bad_rows.tsv with its reason."""
import importlib.util
import pathlib
import re

import pytest

ROOT = pathlib.Path(__file__).resolve().parent.parent
_spec = importlib.util.spec_from_file_location("check_data", ROOT / "tools" / "check_data.py")
check_data = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(check_data)


def _cases():
    text = (ROOT / "tests" / "data" / "bad_rows.tsv").read_text(encoding="utf-8")
    for number, line in enumerate(text.splitlines(), 1):
        if line and not line.startswith("#"):
            name, row, reason = line.split("\t")
            yield pytest.param(name, row, reason, id=f"{number}:{name}")


def _raw(row):
    text = row.replace("\\t", "\t").replace("\\n", "\n").encode()
    return re.sub(rb"\\x([0-9a-f]{2})", lambda m: bytes([int(m.group(1), 16)]), text)


@pytest.mark.parametrize("name,row,reason", list(_cases()))
def test_bad_row_is_reported(name, row, reason):
    head = []
    for line in (ROOT / "data" / name).read_text(encoding="utf-8").split("\n"):
        if not line.startswith("#"):
            break
        head.append(line)
    first = len(head) + 1
    rows = _raw(row).split(b"\n")
    line = first + len(rows) - 1
    expected = f"{name}:{line}: " + reason.replace("@", str(first))
    data = ("\n".join(head) + "\n").encode() + b"\n".join(rows) + b"\n"
    assert check_data.check_text(name, data) == [expected]

