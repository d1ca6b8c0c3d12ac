"""The verb roots of wordfreq's Filipino list, the forms of each affix class that the list attests, and how many
roots the engine conjugates into attested forms.

A root is found from the affixed words of the list (nag-, mag-, na-, ma-, -um-, -in-, i-, -in/-hin, -an/-han, the
reduplicated syllable) and kept when the root is itself a word of the list and at least two of its perfective and
imperfective forms, over all classes, are words of the list. For each class the script writes every form of the
root that the list holds, spelt with the sound changes of the suffixed stem (h after a vowel, o of the last
syllable raised to u, final d after a vowel written r, the last vowel dropped):

  python scripts/tgl/verb_roots.py roots [TOP] > roots.tsv
      root, zipf of the root, the engine's actor and patient perfectives, then one cell per class
      (um, mag, ma, mang, in, an, i) with the attested forms and their summed zipf
  python scripts/tgl/verb_roots.py share [TOP]
      share of the roots whose forms the engine gives are attested: the actor perfective is a word of the list,
      and the patient perfective is one too, or the engine gives none and the list attests no patient perfective
      of the root in any class (wordfreq's tokenizer splits a word at its hyphens, so the list holds nag-aral only
      as nagaral: a hyphenated form is looked up without them); then the share of the forms given that the Tagalog
      hunspell dictionary (Debian's myspell-tl, /usr/share/hunspell/tl) accepts, by the root's rank, where it is installed

TOP is how many words of the list to read (default 50000; wordfreq reads 'tl' as 'fil').
The versions used are printed first (to stderr for roots).
"""
import os
import re
import sys
from importlib.metadata import version

from wordfreq import top_n_list, zipf_frequency

import velnor

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import speller  # noqa: E402

V = "aeiou"
LANG = "tl"
HUNSPELL = "/usr/share/hunspell/tl"


def hunspell_accepts(words):
    """The words that the Tagalog hunspell dictionary accepts (None when it is not installed)."""
    if not speller.installed(HUNSPELL):
        return None
    return speller.known(words, HUNSPELL)


def onset(root):
    if root.startswith("ng") and len(root) > 2 and root[2] in V:
        return 2
    return 0 if root[0] in V else 1


def redup(root):
    m = re.search(f"[{V}]", root)
    if not m:
        return None
    if m.start() == 0:
        return root[0] + root
    return root[: onset(root)] + m[0] + root


def infix(root, affix):
    if root[0] in V:
        return affix + root
    if affix == "in" and root[0] in "ly":
        return "ni" + root
    n = onset(root)
    return root[:n] + affix + root[n:]


def suffix_stems(stem):
    """The spellings a stem may take before -in/-an: the plain one, then with the sound changes."""
    out = []
    s = stem
    m = re.search(f"o([^{V}]*)$", s)
    if m:
        s = s[: m.start()] + "u" + m[1]
    if re.search(f"[{V}]d$", s):
        s = s[:-1] + "r"
    if s[-1] in V:
        out += [s + "h", s]
    else:
        out.append(s)
    # the last vowel dropped (dalhin, buksan, tingnan, gawin)
    m = re.search(f"([^{V}])[{V}]([^{V}]?)$", stem)
    if m and len(stem) > 3:
        cut = stem[: m.start()] + m[1] + m[2]
        if stem[-1] in V:
            out += [cut + "h", cut]
        else:
            out.append(cut)
    return out


def forms(root):
    r = redup(root)
    if not r or len(root) < 3:
        return None
    hy = "-" if root[0] in V else ""
    f = {"um": [[infix(root, "um")], [infix(r, "um")], [r]],
         "mag": [["nag" + hy + root, "nag" + root], ["nag" + hy + r, "nag" + r], ["mag" + hy + r, "mag" + r]],
         "ma": [["na" + root], ["na" + r], ["ma" + r]]}
    k = root[0]
    if k in "kpst" and len(root) > 3 and root[1] in V:
        n = {"k": "ng", "p": "m", "s": "n", "t": "n"}[k] + root[1:]
        f["mang"] = [["na" + n], ["na" + n[: onset(n)] + n[onset(n)] + n], ["ma" + n[: onset(n)] + n[onset(n)] + n]]
    else:
        nas = "n" if k in "dlrst" else "m" if k in "bp" else "ng"
        f["mang"] = [["na" + nas + hy + root], ["na" + nas + hy + r], ["ma" + nas + hy + r]]
    p_in = [infix(root, "in")]
    i_in = [infix(r, "in")]
    if root[0] in V or root[0] == "h":
        ini, inir = "ini" + root, "ini" + r
    else:
        ini, inir = "i" + infix(root, "in"), "i" + infix(r, "in")
    f["in"] = [p_in, i_in, [r[: len(r) - len(root)] + s + "in" for s in suffix_stems(root)]]
    an = [s + "an" for s in suffix_stems(root)]
    f["an"] = [[infix(a, "in") for a in an], [infix(r[: len(r) - len(root)] + a, "in") for a in an],
               [r[: len(r) - len(root)] + a for a in an]]
    f["i"] = [[ini], [inir], ["i" + r]]
    return f


CLASSES = ("um", "mag", "ma", "mang", "in", "an", "i")
PATIENT = ("in", "an", "i")


def candidates(word):
    """Roots that the word may be an affixed form of."""
    w = word.replace("-", "")
    out = set()
    for head in ("nag", "mag", "na", "ma", "ipinag", "ini", "i"):
        if w.startswith(head):
            out.add(w[len(head):])
    m = re.match(f"^([^{V}]?)(um|in)(.+)$", w)
    if m:
        out.add(m[1] + m[3])
    if w.startswith("ni"):
        out.add(w[2:])
    if w.startswith("i"):
        m = re.match(f"^i([^{V}]?)in(.+)$", w)
        if m:
            out.add(m[1] + m[2])
    for suf in ("hin", "han", "in", "an"):
        if w.endswith(suf):
            out |= {c[: -len(suf)] for c in set(out) | {w} if c.endswith(suf)}
    more = set()
    for c in out:
        # undo the copied syllable and the raising of the stem's last o
        m = re.match(f"^([^{V}]?)([{V}])(\\1\\2.*)$", c)
        if m:
            more.add(m[3])
        if "u" in c:
            i = c.rfind("u")
            more.add(c[:i] + "o" + c[i + 1:])
        if c.endswith("r"):
            more.add(c[:-1] + "d")
    return {c for c in out | more if len(c) >= 3 and c.isalpha() and re.search(f"[{V}]", c)}


def roots(top):
    words = top_n_list(LANG, top)
    known = {w.replace("-", "") for w in words} | set(words)
    z = {}
    cands = set()
    for w in words:
        cands |= candidates(w)
    out = []
    for root in sorted(cands):
        if root not in known:
            continue
        f = forms(root)
        if not f:
            continue
        att = {}
        for cls in CLASSES:
            att[cls] = [[x for x in slot if x in known] for slot in f[cls]]
        finite = {x for cls in CLASSES for slot in att[cls][:2] for x in slot}
        if len(finite) < 2:
            continue
        for x in {x for cls in CLASSES for slot in att[cls] for x in slot} | {root}:
            z[x] = zipf_frequency(x, LANG)
        out.append((root, att, z))
    return out


def listed(form, words):
    """Whether the list holds the form, hyphenated or written without its hyphens."""
    return form in words or form.replace("-", "") in words


def engine(root):
    try:
        t = velnor.conjugate(root, lang="tgl")
    except ValueError:
        return None
    return t


def main(cmd, top):
    head = f"# wordfreq {version('wordfreq')}, velnor {version('velnor')}, top {top} words of '{LANG}'"
    words = set(w.replace("-", "") for w in top_n_list(LANG, top)) | set(top_n_list(LANG, top))
    found = roots(top)
    if cmd == "roots":
        print(head, file=sys.stderr)
        for root, att, z in found:
            t = engine(root)
            cells = []
            for cls in CLASSES:
                xs = sorted({x for slot in att[cls] for x in slot})
                cells.append(f"{sum(z[x] for x in xs):.1f} " + ",".join(xs) if xs else "")
            print("\t".join([root, f"{z[root]:.2f}", t.actor[0], t.patient[0]] + cells))
        return
    print(head)
    rank = {w: i for i, w in reversed(list(enumerate(top_n_list(LANG, top))))}
    bands = [(1000, "top 1,000"), (5000, "1,000-5,000"), (top, f"5,000-{top:,}")]
    tally = {name: [0, 0] for _, name in bands}
    given = {name: [] for _, name in bands}
    good = forms_hit = forms_all = 0
    for root, att, z in found:
        t = engine(root)
        patient_seen = any(att[c][0] for c in PATIENT)
        ok = listed(t.actor[0], words) and (listed(t.patient[0], words) if t.patient[0] else not patient_seen)
        good += ok
        band = next(name for limit, name in bands if rank.get(root, top) < limit or limit == top)
        tally[band][0] += ok
        tally[band][1] += 1
        fs = [x for x in t.actor + t.patient if x]
        given[band] += fs
        forms_all += len(fs)
        forms_hit += sum(listed(x, words) for x in fs)
    print(f"{len(found)} verb roots; forms attested for {good} ({good / len(found):.1%}); "
          f"{forms_hit} of {forms_all} forms given are words of the list ({forms_hit / forms_all:.1%})")
    print("by the root's rank: " + "; ".join(f"{name} {g}/{n} ({g / max(n, 1):.1%})" for name, (g, n) in tally.items()))
    accepted = hunspell_accepts(sorted({x for fs in given.values() for x in fs}))
    if accepted is not None:
        print("forms hunspell tl accepts, by the root's rank: " + "; ".join(
            f"{name} {sum(x in accepted for x in fs)}/{len(fs)} ({sum(x in accepted for x in fs) / max(len(fs), 1):.1%})"
            for name, fs in given.items()))

if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 50000)
