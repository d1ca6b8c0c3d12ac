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
    # the rows the format requires follow, so that only the row under test is at fault
    required = set(check_data.RULES[name].get("required", []))
    needed = [line for line in (ROOT / "data" / name).read_text(encoding="utf-8").splitlines()
              if line.split("\t")[0] in required]
    data = ("\n".join(head) + "\n").encode() + b"\n".join(rows) + b"\n" + "".join(
        line + "\n" for line in needed).encode()
    assert check_data.check_text(name, data) == [expected]


@pytest.mark.parametrize("name", sorted(n for n, rule in check_data.RULES.items() if rule.get("required")))
def test_required_rows(name):
    """Each row an engine cannot do without is missed when it is taken out of the real file."""
    lines = (ROOT / "data" / name).read_text(encoding="utf-8").splitlines(keepends=True)
    for lemma in check_data.RULES[name]["required"]:
        text = "".join(line for line in lines if line.split("\t")[0] != lemma)
        assert check_data.check_text(name, text.encode()) == [f"{name}:1: required row {lemma} is missing"]


def test_file_without_rule():
    assert check_data.check_text("data/xyz.tsv", b"a\tb\n") == [
        "data/xyz.tsv:1: no rule for this file in tools/check_data.py"]

