#!/usr/bin/env python3
"""Finds prefixed and particle verbs of the bases listed in data/dan.tsv that hunspell knows, and
prints rows for them with the base's forms behind the prefix.

Candidates are prefix + listed base for the prefixes below (the engine's own particles and those it
does not read, such as gennem, bort, fuld, hjem, løs, fast, klar). A candidate is kept only when

- hunspell's da_DK dictionary, with its free compounding switched off, knows its infinitive and every form the row writes (present, past,
  past participle; the imperative too, or it is left to the class-1 default of the stem), and
- where the dictionary spells out the verb's paradigm, its past and participle are among them, and
- Apertium's Danish analyser, where it knows the compound's past or participle, reads it as a form
  of the compound (a past that it reads only as a noun or an adjective is reported, not written).

The row spells out prefix + each cell of the base's row; a cell the base leaves to the defaults stays
"-". Candidates are ranked by the wordfreq frequency of the compound's infinitive and past, then by
that of the base. Each line printed to stdout is a row; stderr gets the rejected candidates and, in
the first column of every row, whether the engine already gives the same forms ("same") or not
("new"), so that the verbs it gets wrong come first.

    python3 scripts/dan/find_compounds.py > /tmp/rows.tsv 2> /tmp/report.txt
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

import velnor
from wordfreq import zipf_frequency

DICT = "/usr/share/hunspell/da_DK"
AUTOMORF = "/usr/share/apertium/apertium-dan-nor/dan-nob.automorf.bin"
PREFIXES = ["af", "an", "bag", "be", "bi", "bort", "efter", "fast", "for", "fore", "forud", "frem", "fra",
            "fuld", "gen", "gennem", "hen", "hjem", "ind", "klar", "los", "løs", "med", "mis", "mod", "ned",
            "om", "op", "over", "på", "sammen", "til", "tilbage", "ud", "und", "under", "ved"]
# Modals and auxiliaries make no compounds; bases of one or two letters (le, se) only with the
# prefixes that really build on them, which the dictionary check settles.
# Compounds the dictionary lists that were read by hand and left out: a different verb or sense with
# other forms (udlade "discharge": udladede; forende), or too rare or old to confirm their forms
# (indbære, foræde, tilryge, underkøbe, medkøre, ...).
DOUBTFUL = {"forende", "udlade", "indbære", "foræde", "tilryge", "underkøbe", "medkøre", "efterhænge", "beligge",
            "gennemsætte", "fremlede", "undløbe", "tilbagestå", "modgå", "nedgå", "borttage", "eftertænke",
            "udkøre", "gennemrette", "tilspørge", "fremtrække", "overligge", "forbygge", "nedføre",
            "gennemføle", "udsmide", "bortskære", "opbakke", "undertræde", "sammenstikke", "afbenytte",
            "gennembrænde", "fremlyse", "indlyse", "hense", "forligge", "fremtrænge", "overrive", "opfare",
            "hjemkøbe", "forspise", "formelde", "foresidde", "fremsynge", "udsynge", "gennemskrive",
            "fastskrue"}
SKIP = {"være", "have", "kunne", "skulle", "ville", "måtte", "burde", "turde"}


def rows():
    out = {}
    for line in open("data/dan.tsv", encoding="utf-8"):
        if line.startswith("#"):
            continue
        c = line.rstrip("\n").split("\t")
        out[c[0]] = c[1:]
    return out


def plain_dictionary():
    """da_DK with its free compounding switched off: it accepts any chain of words (underægge,
    vedomskære) and so confirms nothing about a compound; without it only the words the dictionary
    lists, with their endings and prefixes, are known."""
    d = tempfile.mkdtemp()
    aff = open(DICT + ".aff", encoding="utf-8").read()
    aff = re.sub(r"^(COMPOUNDBEGIN|COMPOUNDMIDDLE|COMPOUNDEND) .*$", r"\1 9999", aff, flags=re.M)
    open(os.path.join(d, "da.aff"), "w", encoding="utf-8").write(aff)
    shutil.copy(DICT + ".dic", os.path.join(d, "da.dic"))
    return os.path.join(d, "da")


def known(words, dictionary):
    words = sorted(set(words))
    bad = subprocess.run(["hunspell", "-d", dictionary, "-l"], input="\n".join(words),
                         capture_output=True, text=True, check=True).stdout.split()
    return set(words) - set(bad)


def analyse(words):
    words = sorted(set(words))
    out = subprocess.run(["lt-proc", AUTOMORF], input="\n".join(words) + "\n", capture_output=True, text=True,
                         check=True).stdout
    res = {}
    for line in out.split("\n"):
        line = line.strip()
        if line.startswith("^"):
            parts = line[1:].rstrip("$").split("/")
            res[parts[0]] = parts[1:]
    return res


def paradigms(words, dictionary):
    """The forms that the dictionary lists with a word ("al:" fields of its irregular verbs)."""
    out = subprocess.run(["hunspell", "-d", dictionary, "-m"], input="\n".join(sorted(words)),
                         capture_output=True, text=True, check=True).stdout
    res = {}
    for line in out.split("\n"):
        f = line.split()
        if len(f) > 1 and any(x.startswith("al:") for x in f):
            res.setdefault(f[0], set()).update(x[3:] for x in f if x.startswith("al:"))
    return res


def main():
    listed = rows()
    cands = {}
    for base, cells in listed.items():
        if base in SKIP or base.endswith("s"):
            continue
        for p in PREFIXES:
            w = p + base
            if w not in listed and w not in cands:
                cands[w] = (p, base)
    plain = plain_dictionary()
    ok = known(cands, plain)
    cands = {w: pb for w, pb in cands.items() if w in ok}
    # The compound's forms: the prefix before the base's forms as the engine gives them.
    forms = {}
    for w, (p, base) in cands.items():
        t = velnor.conjugate(base, lang="dan")
        forms[w] = [p + t.present, p + t.past, p + t.past_participle, p + t.imperative if t.imperative else None]
    ok = known((f for fs in forms.values() for f in fs if f), plain)
    an = analyse(f for fs in forms.values() for f in fs[1:3])
    paradigm = paradigms(cands, plain)
    found = []
    for w, (p, base) in cands.items():
        fs = forms[w]
        if w in DOUBTFUL:
            print("#doubtful", w, file=sys.stderr)
            continue
        if w in paradigm and not {fs[1], fs[2]} <= paradigm[w]:
            print("#paradigm", w, *fs[1:3], file=sys.stderr)
            continue
        if not all(f in ok for f in fs[:3]):
            print("#unknown-form", w, *[f for f in fs[:3] if f not in ok], file=sys.stderr)
            continue
        bad = [f for f in fs[1:3] if not an.get(f, ["*"])[0].startswith("*")
               and not any("<vblex>" in a for a in an[f])]
        if bad:
            print("#not-verb", w, *bad, file=sys.stderr)
            continue
        cells = [p + c if c not in ("-", "—") else c for c in listed[base]]
        if fs[3] is not None and fs[3] not in ok and cells[3] != "-":
            cells[3] = "-"  # the dictionary does not know the written imperative
        if all(c == "-" for c in cells):
            continue
        t = velnor.conjugate(w, lang="dan")
        same = [t.present, t.past, t.past_participle, t.imperative] == fs
        score = max(zipf_frequency(w, "da"), zipf_frequency(fs[1], "da"), zipf_frequency(fs[2], "da"))
        found.append((-score, -zipf_frequency(base, "da"), w, same, cells))
    found.sort()
    for s, b, w, same, cells in found:
        print("\t".join([w, *cells]))
        print("same" if same else "new", w, round(-s, 2), round(-b, 2), file=sys.stderr)


if __name__ == "__main__":
    main()
