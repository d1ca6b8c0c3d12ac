#!/usr/bin/env python3
"""How many Turkish forms the two Turkish morphological analysers of PyPI confirm: every form of each verb
(infinitive, the six person rows of the six tenses, the two imperatives) is analysed by zemberek-python, and the
forms it does not confirm by turkish-morphology too. A form is confirmed when an analyser reads it as a form of
that verb: zemberek with the verb as lemma; turkish-morphology with the verb's stem as root, or as a root and verb
to verb derivations (a causative benze+t for benzetmek).

Two verb sets: the frequent verbs (wordfreq's Turkish words in -mak/-mek, Zipf >= 2, that zemberek reads as the
infinitive of the same verb) and the verbs of zemberek's own dictionary.

  python scripts/tur/agreement.py --tm-python PY [--out FILE]

run with a Python that has the built module and zemberek-python; turkish-morphology needs an interpreter its
compiled FST wrapper was built for (PY, e.g. a Python 3.9 venv with turkish-morphology). Prints per set: verbs,
forms, confirmed; with --out, writes every unconfirmed form as "set<TAB>verb<TAB>slot<TAB>form".
"""
import argparse
import json
import logging
import subprocess
import sys

import velnor

ROWS = ["aorist", "progressive", "future", "past", "evidential", "necessitative", "imperative"]

TM_WORKER = r"""
import json, sys
from concurrent.futures import ProcessPoolExecutor
from turkish_morphology import analyze

def one(word):
    return word, analyze.surface_form(word)

if __name__ == "__main__":
    words = json.load(sys.stdin)
    with ProcessPoolExecutor(8) as pool:
        json.dump(dict(pool.map(one, words, chunksize=64)), sys.stdout)
"""


def forms(verb):
    t = velnor.conjugate(verb, lang="tr")
    out = [("infinitive", t.infinitive)]
    for row in ROWS:
        out += [(f"{row}[{i}]", f) for i, f in enumerate(getattr(t, row))]
    return out


def zemberek_lemmas(morph, word):
    return {a.item.lemma for a in morph.analyze(word)}


def zemberek_verb(morph, word):
    """Whether zemberek reads the word as the infinitive of a verb of that lemma (not a noun such as parmak)."""
    return any(a.item.lemma == word and str(a.item.primary_pos).endswith("Verb") for a in morph.analyze(word))


def tm_confirms(analyses, stem):
    for a in analyses:
        if "[VB]" not in a.split(")")[0]:
            continue
        root = a[1:a.index("[")]
        if root == stem:
            return True
        # root + verb-to-verb derivations only (Cau, Pass, Recip, Reflex) before the inflection
        groups = a.split(")(")
        derived = [g for g in groups[1:] if g.startswith("[VB]-")]
        if stem.startswith(root) and derived and len(derived) == len(groups) - 1:
            return True
    return False


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--tm-python", required=True)
    ap.add_argument("--out")
    args = ap.parse_args()
    import wordfreq
    from zemberek import TurkishMorphology
    logging.disable(logging.INFO)  # zemberek reports its start on standard output
    morph = TurkishMorphology.create_with_defaults()
    dictionary = sorted({i.lemma for i in morph.lexicon.item_set
                         if str(i.primary_pos).endswith("Verb") and i.lemma.endswith(("mak", "mek"))})
    frequent = sorted({w for w in wordfreq.top_n_list("tr", 300000)
                       if w.endswith(("mak", "mek")) and w.isalpha() and wordfreq.zipf_frequency(w, "tr") >= 2
                       and zemberek_verb(morph, w)})
    sets = {"frequent": frequent, "dictionary": dictionary}
    table = {}
    for verb in sorted(set(frequent) | set(dictionary)):
        try:
            table[verb] = forms(verb)
        except ValueError:
            table[verb] = None
    unconfirmed = {}
    for verb, fs in table.items():
        for slot, f in fs or []:
            if verb not in zemberek_lemmas(morph, f):
                unconfirmed.setdefault(f, []).append((verb, slot))
    r = subprocess.run([args.tm_python, "-c", TM_WORKER], input=json.dumps(sorted(unconfirmed)),
                       capture_output=True, text=True, check=True)
    tm = json.loads(r.stdout)
    wrong = []
    for f, uses in unconfirmed.items():
        for verb, slot in uses:
            if not tm_confirms(tm.get(f, []), verb[:-3]):
                wrong.append((verb, slot, f))
    bad = {(v, s) for v, s, _ in wrong}
    for name, verbs in sets.items():
        n = sum(len(table[v]) for v in verbs if table[v])
        ok = n - sum(1 for v in verbs if table[v] for s, _ in table[v] if (v, s) in bad)
        refused = sum(1 for v in verbs if table[v] is None)
        print(f"{name}: {len(verbs)} verbs ({refused} refused), {ok} of {n} forms confirmed ({100 * ok / max(n, 1):.2f} %)")
    if args.out:
        with open(args.out, "w", encoding="utf-8") as f:
            for verb, slot, form in sorted(wrong):
                sets_of = ",".join(k for k, vs in sets.items() if verb in vs)
                f.write(f"{sets_of}\t{verb}\t{slot}\t{form}\n")


if __name__ == "__main__":
    sys.exit(main())
