#!/usr/bin/env python3
"""Before/after snapshot of whole tables, to see every form a change moves.

  python3 scripts/snapshot.py words  LANG... > words.json   # lexicon lemmas, forms-test inputs, and every word
                                                           # of wordfreq's top 300,000 with the infinitive's
                                                           # shape that the language's hunspell dictionary knows
  python3 scripts/snapshot.py tables words.json > before.json   # with the built module, before the change
  python3 scripts/snapshot.py tables words.json > after.json    # ... and after it
  python3 scripts/snapshot.py diff before.json after.json       # each word whose table changed, with the
                                                                # attributes that changed
Keep words.json from before the change, so that both snapshots see the same words.
"""
import glob
import json
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SHAPE = {"ita": ("it", ["it_IT"], r"(are|ere|ire|rre)$"), "ron": ("ro", ["ro_RO"], r"(a|e|i|î)$"),
         "fra": ("fr", ["fr_FR"], r"(er|ir|re)$"), "por": ("pt", ["pt_PT", "pt_BR"], r"(ar|er|ir|or|ôr)$"),
         "spa": ("es", ["es_ES"], r"(ar|er|ir|ír)$"), "cat": ("ca", ["ca"], r"(ar|er|re|ir)$")}


def known(words, dicts):
    """The words that one of the hunspell dictionaries accepts."""
    out = set()
    for d in dicts:
        path = d if "/" in d else f"/usr/share/hunspell/{d}"
        r = subprocess.run(["hunspell", "-d", path, "-G"], input="\n".join(words) + "\n", capture_output=True,
                           text=True)
        out |= set(r.stdout.split())
    return out


def words(langs):
    import wordfreq
    result = {}
    for lang in langs:
        code, dicts, shape = SHAPE[lang]
        ws = set()
        for f in glob.glob(str(ROOT / f"data/{lang}*.tsv")) + glob.glob(str(ROOT / f"tests/data/forms/{lang}*.tsv")):
            for line in open(f, encoding="utf-8"):
                if line.startswith(("#", "@")) or not line.strip():
                    continue
                w = line.split("\t")[0].strip().rstrip("+")
                if w and " " not in w:
                    ws.add(w)
        cands = [w for w in wordfreq.top_n_list(code, 300000)
                 if w.isalpha() and w == w.lower() and len(w) >= 3 and re.search(shape, w)]
        ws |= known(cands, dicts)
        result[lang] = sorted(ws)
    json.dump(result, sys.stdout, ensure_ascii=False)


def tables(path):
    import velnor
    out = {}
    for lang, ws in json.load(open(path, encoding="utf-8")).items():
        for w in ws:
            try:
                t = velnor.conjugate(w, lang=lang)
            except ValueError as e:
                out[f"{lang}:{w}"] = f"ValueError: {e}"
                continue
            out[f"{lang}:{w}"] = {a: getattr(t, a) if isinstance(getattr(t, a), (str, list, type(None)))
                                  else repr(getattr(t, a))
                                  for a in dir(t) if not a.startswith("_") and not callable(getattr(t, a))}
    json.dump(out, sys.stdout, ensure_ascii=False, sort_keys=True)


def diff(a_path, b_path):
    a, b = json.load(open(a_path, encoding="utf-8")), json.load(open(b_path, encoding="utf-8"))
    for k in sorted(set(a) | set(b)):
        x, y = a.get(k), b.get(k)
        if x == y:
            continue
        if isinstance(x, dict) and isinstance(y, dict):
            print(k, " ".join(f for f in sorted(set(x) | set(y)) if x.get(f) != y.get(f)))
        else:
            print(k, str(x)[:60], "->", str(y)[:60])


if __name__ == "__main__":
    cmd = sys.argv[1]
    if cmd == "words":
        words(sys.argv[2:])
    elif cmd == "tables":
        tables(sys.argv[2])
    elif cmd == "diff":
        diff(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
