"""Check English forms with hunspell (en_US).

  python3 scripts/eng/check_forms.py compounds   prefix + lexicon verb pairs that hunspell knows as
                                                 words, with the forms the engine derives for them
                                                 and whether hunspell knows those forms
  python3 scripts/eng/check_forms.py rows        every form of data/eng.tsv through hunspell
  python3 scripts/eng/check_forms.py words W...  the engine's forms of the given verbs through hunspell

hunspell only confirms forms; no word list is copied from it. The first line of the output names the
checker versions.
"""
import importlib.metadata
import pathlib
import subprocess
import sys

import velnor

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
PREFIXES = ["counter", "inter", "under", "fore", "over", "with", "down", "out", "mis", "pre", "off", "un", "up", "re"]


def rejected(words):
    return speller.rejected(words, "/usr/share/hunspell/en_US")


def forms(verb):
    t = velnor.conjugate(verb, lang="eng")
    return [t.past, t.past_participle, t.present_participle, t.third_singular]


def lexicon():
    rows = []
    for line in (ROOT / "data" / "eng.tsv").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            rows.append(line.split("\t"))
    return rows


def versions():
    package = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", "hunspell-en-us"], capture_output=True,
                             text=True).stdout
    return f"# checkers: hunspell-en-us {package}, velnor {importlib.metadata.version('velnor')}"


def main(argv):
    mode = argv[1] if len(argv) > 1 else "rows"
    print(versions())
    if mode == "compounds":
        rows = lexicon()
        listed = {r[0] for r in rows}
        pairs = [p + r[0] for r in rows for p in PREFIXES if p + r[0] not in listed and r[0] != "be" and "-" not in r[0]]
        bad = rejected(pairs)
        words = [w for w in pairs if w not in bad]
        all_forms = {w: forms(w) for w in words}
        unknown = rejected(f for fs in all_forms.values() for f in fs)
        for w in words:
            fs = all_forms[w]
            mark = " ".join("?" + f if f in unknown else f for f in fs)
            print(f"{w}\t{mark}")
    elif mode == "rows":
        all_forms = [f for r in lexicon() for f in forms(r[0])]
        unknown = rejected(all_forms)
        print(f"{len(set(all_forms)) - len(unknown)} of {len(set(all_forms))} distinct forms known")
        for f in sorted(unknown):
            print(f)
    else:
        for w in argv[2:]:
            fs = forms(w)
            unknown = rejected(fs)
            print(w, " ".join("?" + f if f in unknown else f for f in fs))


if __name__ == "__main__":
    main(sys.argv)
