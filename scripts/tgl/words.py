"""The Tagalog words to compare the engine's tables on before and after a change, as a word list of
scripts/compare.py (JSON lines [code, word, kind], sorted).

  python scripts/tgl/words.py [PARADIGMS] > words.jsonl
  python scripts/compare.py tables words.jsonl --out before.jsonl.gz     (and after.jsonl.gz with the changed module)
  python scripts/compare.py diff before.jsonl.gz after.jsonl.gz --changes changes.tsv --real real.txt

The words: every root of data/tgl.tsv and of the forms tests, every root of the paradigm data (as written, with
its accents and apostrophe, and plain), the verb roots that scripts/tgl/verb_roots.py finds, and every word of
wordfreq's Filipino list (its top 100,000, hyphenated words included); each root also spelt with a final glottal
apostrophe, an acute, a grave and a circumflex on its last vowel, and a combining acute. The roots of data/ and
the tests count as the lexicon's, those of the paradigm data and verb_roots.py as known verbs (the diff's real
verbs among them), their spellings as spellings, the other words of the list as built (see compare.KINDS).
"""
import json
import pathlib
import sys
import unicodedata

from wordfreq import top_n_list

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "scripts" / "tgl"))
sys.path.insert(0, str(ROOT / "scripts"))


def spellings(root):
    out = {root, root + "'"}
    for i in range(len(root) - 1, -1, -1):
        if root[i] in "aeiou":
            for mark in ("\u0301", "\u0300", "\u0302"):
                out.add(root[:i] + unicodedata.normalize("NFC", root[i] + mark) + root[i + 1:])
            out.add(root[:i + 1] + "\u0301" + root[i + 1:])
            break
    return out


def main(paradigms):
    roots, lexicon = set(), set()
    for f in [ROOT / "data" / "tgl.tsv", *sorted((ROOT / "tests" / "data" / "forms").glob("tgl*.tsv"))]:
        for line in f.read_text(encoding="utf-8").splitlines():
            if line and not line.startswith(("#", "@")):
                lexicon.add(line.split("\t")[0].strip())
    if paradigms:
        from mine_paradigms import blocks, plain
        for raw, _ in blocks(paradigms):
            roots |= {raw, plain(raw)[0]}
    import verb_roots
    roots |= {r for r, _, _ in verb_roots.roots(50000)}
    from compare import KINDS
    kinds = {}
    for kind, ws in (("lexicon", lexicon), ("dictionary", roots),
                     ("spelling", {s for r in lexicon | roots for s in spellings(r)}),
                     ("built", set(top_n_list("tl", 100000)))):
        for w in ws:
            if w and " " not in w:
                kinds.setdefault(w, KINDS.index(kind) if kind != "built" else None)
    sys.stdout.writelines(json.dumps(["tgl", w, kinds[w]], ensure_ascii=False) + "\n" for w in sorted(kinds))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
