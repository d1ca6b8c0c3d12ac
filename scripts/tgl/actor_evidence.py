"""The roots whose attested mag- forms outnumber their -um- forms while the engine gives them -um-.

A borrowing spelt like a native root (ensayo, retiro, edit, lista) has no shape that tells its class, so the
evidence decides: for every word of wordfreq's Filipino list ('tl', read as 'fil') that the engine conjugates with
-um-, the script counts the words of the list, and the forms the Tagalog hunspell dictionary (Debian's myspell-tl)
accepts, among the root's mag- forms (nag-, nag- + the copied syllable, mag- + the copied syllable; hyphenated and
not before a vowel) and among its -um- forms (perfective and imperfective: the contemplated, the bare copied
syllable, is too often another word). A root is printed when at least two mag- forms are attested and more than
the -um- forms; the patient class the list attests most is given beside it. Each line is read by hand before a row
is written.

  python scripts/tgl/actor_evidence.py [TOP] > proposals.tsv
      root, zipf of the root, mag- forms attested (list / hunspell), -um- forms attested, the engine's patient
      perfective, the patient forms of each class the list attests

TOP is how many words of the list to read (default 100000). The versions used are printed first (to stderr).
"""
import re
import sys
from importlib.metadata import version

from wordfreq import top_n_list, zipf_frequency

import velnor
from verb_roots import hunspell_accepts, infix, redup, suffix_stems

V = "aeiou"
MIN = 2  # mag- forms a root needs to be printed (1 lists the roots attested by one form too)


def mag_forms(root):
    r = redup(root)
    out = ["nag" + root, "nag" + r, "mag" + r]
    if root[0] in V:
        out += ["nag-" + root, "nag-" + r, "mag-" + r]
    return out


def um_forms(root):
    return [infix(root, "um"), infix(redup(root), "um")]


def patient_forms(root):
    r = redup(root)
    head = r[: len(r) - len(root)]
    an = [s + "an" for s in suffix_stems(root)]
    ini = "ini" if root[0] in V or root[0] == "h" else None
    return {"in": [infix(root, "in"), infix(r, "in")] + [head + s + "in" for s in suffix_stems(root)],
            "an": [infix(a, "in") for a in an] + [infix(head + a, "in") for a in an],
            "i": [ini + root, ini + r] if ini else ["i" + infix(root, "in"), "i" + infix(r, "in"), "i" + r]}


def main(top):
    print(f"# wordfreq {version('wordfreq')}, velnor {version('velnor')}, top {top} words of 'tl'", file=sys.stderr)
    words = top_n_list("tl", top)
    known = set(words) | {w.replace("-", "") for w in words}
    roots = []
    for w in words:
        if len(w) < 3 or not re.fullmatch(f"[a-z]*[{V}][a-z]*", w) or not redup(w):
            continue
        t = velnor.conjugate(w, lang="tgl")
        if t.actor[0] != infix(w, "um"):
            continue
        mag = [f for f in mag_forms(w) if f in known]
        if len(mag) >= MIN:
            roots.append((w, t))
    forms = sorted({f for w, _ in roots for f in mag_forms(w) + um_forms(w)})
    accepted = hunspell_accepts(forms) or set()
    for w, t in roots:
        mag = [f for f in mag_forms(w) if f in known or f in accepted]
        um = [f for f in um_forms(w) if f in known or f in accepted]
        if len(mag) <= len(um):
            continue
        pat = {c: [f for f in fs if f in known] for c, fs in patient_forms(w).items()}
        mark = lambda f: f + ("" if f in known else "(h)") + ("" if f not in known or f not in accepted else "+h")
        print("\t".join([w, f"{zipf_frequency(w, 'tl'):.2f}", ",".join(map(mark, mag)), ",".join(map(mark, um)),
                         t.patient[0]] + [f"{c}: " + ",".join(fs) for c, fs in pat.items() if fs]))


if __name__ == "__main__":
    main(int(sys.argv[1]) if len(sys.argv) > 1 else 100000)
