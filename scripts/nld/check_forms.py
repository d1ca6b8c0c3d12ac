"""Check Dutch forms with hunspell (nl).

  python3 scripts/nld/check_forms.py rows        every word of every form the module gives for every row of
                                                 data/nld.tsv through hunspell: counts and the unknown words
  python3 scripts/nld/check_forms.py words W...  the module's forms of the given verbs, "?" before each word
                                                 hunspell does not know

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
DICT = "/usr/share/hunspell/nl_NL"


def versions():
    package = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", "hunspell-nl"], capture_output=True,
                             text=True).stdout
    return f"# checkers: hunspell-nl {package}, velnor {importlib.metadata.version('velnor')}"


def unknown(words):
    return speller.rejected(words, DICT)


def forms(verb):
    t = velnor.conjugate(verb, lang="nld")
    return [*t.present, *t.past, t.imperative, t.present_participle, t.past_participle]


def main(argv):
    mode = argv[1] if len(argv) > 1 else "rows"
    print(versions())
    if mode == "rows":
        lemmas = [line.split("\t")[0] for line in (ROOT / "data" / "nld.tsv").read_text(encoding="utf-8").splitlines()
                  if line and not line.startswith("#")]
        words = {w for lemma in lemmas for f in forms(lemma) for w in f.split()}
        bad = unknown(words)
        print(f"{len(lemmas)} rows, {len(words) - len(bad)} of {len(words)} distinct words known")
        for w in sorted(bad):
            print(w)
    elif mode == "words":
        all_forms = {v: forms(v) for v in argv[2:]}
        bad = unknown(w for fs in all_forms.values() for f in fs for w in f.split())
        for v, fs in all_forms.items():
            print(v + "\t" + " | ".join(" ".join("?" + w if w in bad else w for w in f.split()) for f in fs))
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
