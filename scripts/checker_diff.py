#!/usr/bin/env python3
"""What a change took from the checker: compares two outputs of scripts/lexicon_snapshot.py and lists, per word,
every form that the language's hunspell dictionary accepted in the old table and rejects in the new one, and
every slot that held a form before and holds none after (an empty string, None, or a word now refused).

  python3 scripts/checker_diff.py LANG DICT before.txt after.txt [--changed]

LANG is the snapshot's language code (pes, tur ...), DICT a hunspell dictionary (/usr/share/hunspell/fa_IR).
A form of several words is checked word by word; Persian forms get back the zero width non-joiner after می that
the dictionary writes, and each part between joiners is checked as hunspell does. --changed also prints every changed word with its changed slots, old -> new.
"""
import pathlib
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from lexicon_snapshot import read  # noqa: E402


def slots(table):
    """(attribute, index) -> form, for every string slot of a table."""
    out = {}
    for name, value in (table or {}).items():
        if isinstance(value, list):
            for i, v in enumerate(value):
                out[(name, i)] = v
        else:
            out[(name, 0)] = value
    return out


def pieces(lang, form):
    """The words hunspell checks one by one in a form: split at spaces and (as the dictionaries' BREAK does) at
    zero width non-joiners."""
    out = []
    for w in form.split():
        if lang == "pes" and w.startswith("می") and len(w) > 3:
            w = "می\u200c" + w[2:]
        out += [p for p in w.split("\u200c") if p]
    return out


def accepted(lang, dic, words):
    words = sorted(set(words))
    r = subprocess.run(["hunspell", "-d", dic, "-l"], input="\n".join(words) + "\n", capture_output=True, text=True)
    bad = set(r.stdout.split("\n"))
    return {w for w in words if w not in bad}


def main(lang, dic, before, after, changed):
    a, b = read(before, lang), read(after, lang)
    words = set()
    for t in list(a.values()) + list(b.values()):
        for v in slots(t).values():
            if isinstance(v, str):
                words |= set(pieces(lang, v))
    ok = accepted(lang, dic, words)

    def good(form):
        return bool(form) and all(p in ok for p in pieces(lang, form))

    lost, empty, moved = [], [], 0
    for word in sorted(set(a) & set(b)):
        x, y = slots(a[word]), slots(b[word])
        if x == y:
            continue
        moved += 1
        if changed:
            diffs = [f"{k[0]}[{k[1]}] {x.get(k)} -> {y.get(k)}" for k in sorted(set(x) | set(y)) if x.get(k) != y.get(k)]
            print("CHANGED", word, "; ".join(diffs[:6]), f"(+{len(diffs) - 6})" if len(diffs) > 6 else "")
        for k, old in x.items():
            new = y.get(k)
            if old and not new:
                empty.append((word, k, old))
            elif old != new and good(old) and not good(new):
                lost.append((word, k, old, new))
    for word, k, old, new in lost:
        print("LOST", word, f"{k[0]}[{k[1]}]", old, "->", new)
    for word, k, old in empty:
        print("EMPTY", word, f"{k[0]}[{k[1]}]", old)
    print(f"{lang}: {len(a)} words, {moved} tables changed, {len(lost)} forms the checker accepted before and "
          f"rejects after (in {len({w for w, *_ in lost})} words), {len(empty)} slots gone empty")


if __name__ == "__main__":
    args = [x for x in sys.argv[1:] if x != "--changed"]
    if len(args) != 4:
        sys.exit(__doc__)
    main(*args, changed="--changed" in sys.argv)
