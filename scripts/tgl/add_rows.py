"""Add rows to data/tgl.tsv and keep the data rows sorted by root (code-point order).

Usage: python scripts/tgl/add_rows.py FILE   (FILE: rows in the lexicon's ten-column format)
A root that is already listed is replaced by the new row.
"""
import pathlib
import sys

LEX = pathlib.Path(__file__).resolve().parents[2] / "data" / "tgl.tsv"


def main(new_path):
    lines = LEX.read_text(encoding="utf-8").splitlines()
    header = [l for l in lines if l.startswith("#")]
    rows = {l.split("\t")[0]: l for l in lines if l and not l.startswith("#")}
    for line in pathlib.Path(new_path).read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        cells = line.split("\t")
        assert len(cells) == 10, line
        assert cells[1] in ("um", "mag", "ma", "mang") and cells[2] in ("in", "an", "i", "-") and cells[3] in "01", line
        rows[cells[0]] = line
    LEX.write_text("\n".join(header + [rows[k] for k in sorted(rows)]) + "\n", encoding="utf-8")
    print(len(rows), "rows")


if __name__ == "__main__":
    main(sys.argv[1])
