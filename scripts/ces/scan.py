"""Long-tail check of the Czech engine against the cs_CZ hunspell dictionary.

Candidates: every word of wordfreq's Czech top 300,000 that ends like an
infinitive (-t, -ct), that the dictionary knows, and whose l-participle (the
lemma less its final -t or -ct plus -l, with a long vowel before it
shortened: dělal, prosil, kryl, plul, sázel, tekl/mohl) the dictionary knows
too. Each is conjugated with the installed velnor; its present (6 forms) and
imperative (3 forms) are put to the dictionary. A verb with three or more
rejected forms is counted and listed worst first.

usage: python scan.py [OUT_DIR]   (writes OUT_DIR/ces_scan.tsv and prints the summary)
The versions of the checker and the word list are printed with the summary.
"""
import os
import re
import sys

import velnor
import wordfreq

DIC = "/usr/share/hunspell/cs_CZ"
_known = {}
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import speller  # noqa: E402


def ok(w):
    r = _known.get(w)
    if r is None:
        d = speller.dictionary(DIC)
        r = _known[w] = d is not None and d.spell(w)
    return r


def l_participles(w):
    s = w[:-2] if w.endswith("ct") else w[:-1]
    out = {s + "l"}
    for long, short in (("í", "i"), ("á", "a"), ("ý", "y"), ("ou", "u"), ("ě", "")):
        if s.endswith(long):
            out.add(s[: -len(long)] + short + "l")
    if w.endswith("ct"):
        out |= {w[:-2] + "kl", w[:-2] + "hl"}
    return out


def versions():
    deb = os.popen("dpkg-query -W -f '${Package} ${Version}; ' hunspell-cs libhunspell-1.7-0 2>/dev/null").read()
    wf = os.popen(f"{sys.executable} -m pip show wordfreq 2>/dev/null | grep ^Version").read().strip()
    return f"{deb}wordfreq {wf.split()[-1] if wf else '?'}"


def candidates():
    words = [w for w in wordfreq.top_n_list("cs", 300000)
             if len(w) >= 3 and w.isalpha() and w == w.lower() and re.search(r"t$", w)]
    return [w for w in words if ok(w) and any(ok(p) for p in l_participles(w))]


def main(out_dir):
    cands = candidates()
    rows = []
    for w in cands:
        t = velnor.conjugate(w, lang="ces")
        forms = list(t.present) + [x for x in t.imperative if x]
        bad = [x for x in forms if not ok(x)]
        rows.append((w, len(bad), bad))
    worst = [r for r in rows if r[1] >= 3]
    with open(os.path.join(out_dir, "ces_scan.tsv"), "w", encoding="utf-8") as f:
        for w, n, bad in sorted(worst, key=lambda r: -r[1]):
            f.write(f"{w}\t{n}\t{' '.join(bad)}\n")
    print(f"candidates {len(cands)}; verbs with >= 3 rejected present/imperative forms: {len(worst)}")
    print(versions())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
