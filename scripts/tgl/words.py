"""The Tagalog words to compare the engine's tables on before and after a change, as scripts/snapshot.py reads them.

  python scripts/tgl/words.py [PARADIGMS] > words.json
  python scripts/snapshot.py tables words.json > before.json     (and after.json with the changed module)
  python scripts/snapshot.py diff before.json after.json

The words: every root of data/tgl.tsv and of the forms tests, every root of the paradigm data (as written, with
its accents and apostrophe, and plain), the verb roots that scripts/tgl/verb_roots.py finds, and every word of
wordfreq's Filipino list (its top 100,000, hyphenated words included); each root also spelt with a final glottal
apostrophe, an acute, a grave and a circumflex on its last vowel, and a combining acute.
"""
import json
import pathlib
import sys
import unicodedata

from wordfreq import top_n_list

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "scripts" / "tgl"))


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
    roots = set()
    for f in [ROOT / "data" / "tgl.tsv", *sorted((ROOT / "tests" / "data" / "forms").glob("tgl*.tsv"))]:
        for line in f.read_text(encoding="utf-8").splitlines():
            if line and not line.startswith(("#", "@")):
                roots.add(line.split("\t")[0].strip())
    if paradigms:
        from mine_paradigms import blocks, plain
        for raw, _ in blocks(paradigms):
            roots |= {raw, plain(raw)[0]}
    import verb_roots
    roots |= {r for r, _, _ in verb_roots.roots(50000)}
    words = set(top_n_list("tl", 100000))
    out = set(words)
    for r in roots:
        if r and " " not in r:
            out |= spellings(r)
    json.dump({"tgl": sorted(w for w in out if w and " " not in w)}, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
