"""Snapshot of German tables, for comparing two builds verb by verb.

usage: python scripts/deu/snapshot.py OUT.jsonl.gz [WORDS-FILE]
Without a file of words (one a line) it conjugates every lemma of data/deu.tsv, every input of tests/data/forms/deu*.tsv and
every word of wordfreq's German top 300,000 that has the infinitive's shape, that the de_DE hunspell
dictionary knows and that passes the long-tail scan's verb test (compounds.candidates). The snapshot is in the one
format of scripts/compare.py (JSON lines [code, word, kind, table or error]); compare two with
`python scripts/compare.py diff before.jsonl.gz after.jsonl.gz --changes changes.tsv --real real.txt`.
"""
import json
import pathlib
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import compare  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]


def lexicon_lemmas():
    for line in (ROOT / "data" / "deu.tsv").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            yield line.split("\t")[0]


def test_inputs():
    for path in sorted((ROOT / "tests" / "data" / "forms").glob("deu*.tsv")):
        for line in path.read_text(encoding="utf-8").splitlines():
            if line.strip() and not line.startswith(("#", "@")):
                yield line.split("\t")[0]


def frequency_words():
    sys.path.insert(0, str(pathlib.Path(__file__).parent))
    from compounds import candidates
    return candidates()


def main():
    out = sys.argv[1]
    if len(sys.argv) > 2:
        words = {w: None for w in pathlib.Path(sys.argv[2]).read_text(encoding="utf-8").splitlines() if w}
    else:
        words = dict.fromkeys([*lexicon_lemmas(), *test_inputs()], compare.KINDS.index("lexicon"))
        for w in frequency_words():
            words.setdefault(w, compare.KINDS.index("dictionary"))
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".jsonl") as f:
        f.writelines(json.dumps(["deu", w, k], ensure_ascii=False) + "\n" for w, k in sorted(words.items()))
        f.flush()
        with compare.opened(out, "wt") as o:
            compare.write_tables(f.name, o)
    print(len(words), "words", file=sys.stderr)


if __name__ == "__main__":
    main()
