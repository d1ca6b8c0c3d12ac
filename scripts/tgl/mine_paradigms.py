"""Mines the affix classes of Tagalog roots from outside paradigm data and judges them against two witnesses.

The paradigm data (UniMorph's Tagalog paradigms, extracted from Wiktionary; CC BY-SA 3.0) gives, for each root, one
or more blocks of seven cells: the root (V;NFIN), the actor voice (AGFOC) and the patient voice (PFOC) in the
perfective, imperfective and contemplated (PFV, IPFV, LGSPEC1). Its roots and forms are written with dictionary
accents and a final glottal apostrophe; this script reads them in the plain spelling the lexicon is keyed by.

For each block the actor class is read from the actor forms (-um-, mag-, ma-, mang-) and the patient class from
the patient forms (-in, -an, i-), with the h flag where the contemplated patient form shows it; a block whose
forms are of a derived verb (nagpa-, naka-, nakipag-, the potential na-/ma- of the patient) or that no class reads
gives no class for that voice. A root with several blocks gives one candidate per block.

Each candidate class is then judged by the witnesses: wordfreq's Filipino list ('tl', read as 'fil') and the
Tagalog hunspell dictionary (Debian's myspell-tl). A class is attested when one of its perfective or imperfective
forms (as the rules build them from the root, in either accepted spelling) is a word of the list or accepted by
the dictionary. The engine's present class of the root is scored the same way; the verdict is one of

  same      the engine already gives the mined class
  take      the mined class is attested and the engine's class is not, or is attested less
  judge     both or neither are attested, or the mined class is for a derived verb: read by hand
  none      the data gives no class for that voice

  python scripts/tgl/mine_paradigms.py PARADIGMS [--engine]   > mined.tsv
      one line per block and voice: root, plain root, glottal, block, voice, mined class, h, engine class, the
      attested forms of each, verdict, the data's perfective
  python scripts/tgl/mine_paradigms.py PARADIGMS --rows        > proposals.tsv
      per plain root the proposed actor, patient and h (the engine's class where the data gives it too or it is
      attested at least as well; else the best-attested class of the data), the verdicts, the engine's classes;
      read by hand before a row is written (scripts/tgl/roots_5.tsv)
  python scripts/tgl/mine_paradigms.py PARADIGMS --judged scripts/tgl/paradigm_notes.tsv > paradigm_judged.tsv
      the verdict on every root of the data: taken, judged (with the hand note or the witnesses' forms) or
      left out
  python scripts/tgl/mine_paradigms.py PARADIGMS --forms       > cells.tsv
      every cell of the data that differs from the engine's form of the same slot (plain spelling), and whether
      the witnesses attest either; the share of cells that agree (to stderr)

The versions used are printed first (to stderr).
"""
import os
import pathlib
import re
import sys
import unicodedata
from collections import defaultdict
from importlib.metadata import version

from wordfreq import top_n_list

import verb_roots
from verb_roots import hunspell_accepts, infix

V = "aeiou"
HUNSPELL = verb_roots.HUNSPELL
SLOTS = {"V;PFV;AGFOC": 0, "V;IPFV;AGFOC": 1, "V;AGFOC;LGSPEC1": 2, "V;PFV;PFOC": 3, "V;IPFV;PFOC": 4,
         "V;PFOC;LGSPEC1": 5}


def plain(text):
    """The plain spelling of a dictionary spelling, and whether it marks a final glottal stop."""
    s = text.replace(" ", "").lower()
    glottal = False
    while s.endswith("'"):
        s, glottal = s[:-1], True
    d = unicodedata.normalize("NFD", s)
    if d and d[-1] in "\u0300\u0302":
        glottal = True
    return "".join(c for c in d if unicodedata.category(c) != "Mn"), glottal


def variants(cell):
    """The spellings a cell gives: several are separated by a space; "ipinag- yabang" is one split word."""
    return [plain(x)[0] for x in re.sub(r"- +", "-", cell.strip()).split()] if cell else []


def blocks(path):
    """(raw root, [six cells or None]) for each block of the data, in order."""
    out = []
    for line in open(path, encoding="utf-8"):
        cells = line.rstrip("\r\n").split("\t")
        if len(cells) != 3:
            continue
        root, form, feats = cells
        if feats == "V;NFIN" or not out or out[-1][0] != root:
            out.append((root, [None] * 6))
        if feats in SLOTS:
            out[-1][1][SLOTS[feats]] = form
    return out


def redup(root):
    return verb_roots.redup(root) or root


def mang(root):
    """Perfective and imperfective of the mang- class: k, p, s, t give way to the nasal (nanakot, nananakot)."""
    k = root[0]
    if k in "kpst" and len(root) > 1 and root[1] in V:
        nas = {"k": "ng", "p": "m", "s": "n", "t": "n"}[k]
        return ["na" + nas + root[1:], "na" + nas + root[1] + nas + root[1:]]
    nas = "n" if k in "dlnr" else "m" if k == "b" else "ng"
    hy = "-" if k in V else ""
    return ["na" + nas + hy + root, "na" + nas + hy + redup(root)]


def actor_forms(root, cls):
    """Perfective and imperfective of an actor class (both spellings of a vowel-initial root)."""
    hy = "-" if root[0] in V else ""
    r = redup(root)
    if cls == "um":
        return [infix(root, "um"), infix(r, "um")]
    if cls == "mag":
        return ["nag" + hy + root, "nag" + hy + r, "nag" + root, "nag" + r]
    if cls == "ma":
        return ["na" + root, "na" + r]
    return mang(root)


def stems(stem):
    """The spellings of a stem before -in/-an: with the o of the last syllable raised or not, final d or r, h."""
    out = set()
    for s in {stem, re.sub(f"o([^{V}]*)$", r"u\1", stem)}:
        for t in {s, re.sub(f"(?<=[{V}])d$", "r", s)}:
            out |= {t, t + "h"} if t[-1] in V else {t}
    return out


def patient_forms(root, cls):
    r = redup(root)
    if cls == "in":
        return [infix(root, "in"), infix(r, "in")]
    if cls == "an":
        return sorted({infix(s, "in") + "an" for s in stems(root)} | {infix(r[: len(r) - len(root)] + s, "in") + "an"
                                                                      for s in stems(root)})
    if root[0] in V or root[0] == "h":
        return ["ini" + root, "ini" + r]
    return ["i" + infix(root, "in"), "i" + infix(r, "in")]


def actor_class(root, cells):
    """The actor class that the block's perfective and imperfective show, or None."""
    p = [x.replace("-", "") for c in cells[:2] for x in variants(c)]
    flat = root.replace("-", "")
    for cls in ("um", "mag", "ma", "mang"):
        if any(x.replace("-", "") in p for x in actor_forms(flat, cls)):
            return cls
    return None


def patient_class(root, cells):
    """The patient class and h flag that the block shows, or (None, None)."""
    r = redup(root)
    head = r[: len(r) - len(root)]
    for cont in variants(cells[5]):
        cls, h = contemplated_class(root, r, head, cont.replace("-", ""))
        if cls:
            return cls, h
    return None, None


def contemplated_class(root, r, head, cont):
    if cont == "i" + r:
        return "i", None
    for suf, cls in (("an", "an"), ("in", "in")):
        if not cont.endswith(suf) or not cont.startswith(head):
            continue
        stem = cont[len(head): -len(suf)]
        if stem in stems(root) or (stem.endswith("h") and stem[:-1] in stems(root)):
            h = None
            if root[-1] in V:
                h = "1" if stem.endswith("h") else "0"
            return cls, h
        # a contracted stem (bilhin, dalhin, buksan): the class is read, the form is an override
        if len(stem) >= len(root) - 2 and stem[:2] == root[:2]:
            return cls, None
    return None, None


def attested(forms, words, accepted):
    return sorted({f for f in forms if f in words or f in accepted})


def engine_classes(root):
    """The engine's actor and patient class of the root, read back from its perfectives."""
    import velnor
    t = velnor.conjugate(root, lang="tgl")
    flat = plain(root)[0].replace("-", "")
    act = next((c for c in ("um", "mag", "ma", "mang") if t.actor[0].replace("-", "") in
                [x.replace("-", "") for x in actor_forms(flat, c)]), "?")
    if not t.patient[0]:
        return act, "-", t
    pat = next((c for c in ("in", "an", "i") if t.patient[0] in patient_forms(flat, c)), "?")
    return act, pat, t


def main(path, mode):
    print(f"# wordfreq {version('wordfreq')}, hunspell tl {HUNSPELL}, data {path}", file=sys.stderr)
    bl = blocks(path)
    words = set(top_n_list("tl", 100000))
    words |= {w.replace("-", "") for w in words}
    if mode == "--forms":
        import velnor
        cells_all = [(raw, i, c) for raw, cells in bl for i, c in enumerate(cells) if c]
        ours = {}
        for raw, _ in bl:
            t = velnor.conjugate(plain(raw)[0], lang="tgl")
            ours[raw] = t.actor + t.patient
        accepted = hunspell_accepts(sorted({plain(c)[0] for _, _, c in cells_all} |
                                           {f for fs in ours.values() for f in fs if f}))
        same = 0
        for raw, i, c in cells_all:
            theirs = plain(c)[0]
            mine = ours[raw][i]
            if mine.replace("-", "") in [x.replace("-", "") for x in [theirs] + variants(c)]:
                same += 1
                continue
            wit = lambda f: "+" if f and (f in words or f.replace("-", "") in words or f in accepted) else "-"
            print("\t".join([raw, str(i), theirs, wit(theirs), mine, wit(mine)]))
        print(f"{same} of {len(cells_all)} cells agree ({same / len(cells_all):.1%})", file=sys.stderr)
        return
    by_root = defaultdict(list)
    for raw, cells in bl:
        by_root[raw].append(cells)
    rows = []
    for raw, bs in by_root.items():
        root, glottal = plain(raw)
        for n, cells in enumerate(bs):
            rows.append((raw, root, glottal, n, actor_class(root, cells), patient_class(root, cells), cells))
    forms = {f for _, root, *_ in rows for cls in ("um", "mag", "ma", "mang") for f in actor_forms(root, cls)}
    forms |= {f for _, root, *_ in rows for cls in ("in", "an", "i") for f in patient_forms(root, cls)}
    accepted = hunspell_accepts(sorted(forms))
    for raw, root, glottal, n, act, (pat, h), cells in rows:
        e_act, e_pat, _ = engine_classes(raw) if mode == "--engine" else ("?", "?", None)
        for voice, mined, ours, make in (("actor", act, e_act, actor_forms), ("patient", pat, e_pat, patient_forms)):
            m_att = attested(make(root, mined), words, accepted) if mined else []
            o_att = attested(make(root, ours), words, accepted) if ours not in ("?", "-") else []
            if mined is None:
                verdict = "none"
            elif mined == ours:
                verdict = "same"
            elif m_att and len(m_att) > len(o_att):
                verdict = "take"
            else:
                verdict = "judge"
            cell = cells[3] if voice == "patient" else cells[0]
            print("\t".join([raw, root, "'" if glottal else "", str(n), voice, mined or "", h or "" if voice ==
                             "patient" else "", ours, ",".join(m_att), ",".join(o_att), verdict, cell or ""]))


def decide(mined, ours):
    """The class a root gets for one voice from its mined candidates [(class, attested forms)] and the engine's
    (class, attested forms): the engine's when the data gives it too or it is attested and no candidate is
    attested more; else the best-attested candidate (the data's first block when none is attested)."""
    cands = [(c, a) for c, a in mined if c]
    if not cands or ours[0] in [c for c, _ in cands]:
        return ours[0], "same" if cands else "none"
    best = max(cands, key=lambda x: len(x[1]))
    if ours[1] and len(ours[1]) >= len(best[1]):
        return ours[0], "kept"
    return best[0], "taken" if best[1] else "unattested"


def rows(path):
    """Proposed ten-column classes for the roots of the data, with the verdict of each voice."""
    words = set(top_n_list("tl", 100000))
    words |= {w.replace("-", "") for w in words}
    by_root = defaultdict(list)
    for raw, cells in blocks(path):
        root, glottal = plain(raw)
        by_root[root].append((raw, glottal, cells))
    forms = {f for root in by_root for cls in ("um", "mag", "ma", "mang") for f in actor_forms(root, cls)}
    forms |= {f for root in by_root for cls in ("in", "an", "i") for f in patient_forms(root, cls)}
    accepted = hunspell_accepts(sorted(forms))
    for root in sorted(by_root):
        if " " in root:
            continue
        e_act, e_pat, _ = engine_classes(root)
        acts = [(actor_class(root, c), attested(actor_forms(root, actor_class(root, c)), words, accepted)
                 if actor_class(root, c) else []) for _, _, c in by_root[root]]
        pats = [patient_class(root, c) for _, _, c in by_root[root]]
        pat_att = [(p, attested(patient_forms(root, p), words, accepted) if p else []) for p, _ in pats]
        act, av = decide(acts, (e_act, attested(actor_forms(root, e_act), words, accepted) if e_act != "?" else []))
        pat, pv = decide(pat_att, (e_pat, attested(patient_forms(root, e_pat), words, accepted)
                                   if e_pat not in ("?", "-") else []))
        glottal = any(g for _, g, _ in by_root[root])
        hs = [h for p, h in pats if p == pat and h]
        h = "0" if glottal else hs[0] if hs else "1"
        print("\t".join([root, act, pat, h, av, pv, e_act, e_pat]))


def lexicon_classes():
    """root -> (actor, patient) of the rows of data/tgl.tsv."""
    lex = pathlib.Path(__file__).resolve().parents[2] / "data" / "tgl.tsv"
    return {c[0]: (c[1], c[2]) for c in (l.split("\t") for l in lex.read_text(encoding="utf-8").splitlines()
                                          if l and not l.startswith("#"))}


def judged(path, notes_path):
    """Every root of the data: the classes its blocks give, the engine's classes now (its row, or the rule for
    an unlisted root), and the verdict: taken (the engine's class of each voice is one the data gives, or the
    data gives none), judged (the engine has another, for the reason in the notes) or left out (in the notes)."""
    import velnor
    notes = {}
    if notes_path and os.path.exists(notes_path):
        for line in open(notes_path, encoding="utf-8"):
            c = line.rstrip("\n").split("\t")
            if line.startswith("#") or len(c) < 6:
                continue
            notes[c[0]] = (c[4], c[5])
    lex = lexicon_classes()
    by_root = defaultdict(list)
    for raw, cells in blocks(path):
        by_root[raw].append(cells)
    words = set(top_n_list("tl", 100000))
    words |= {w.replace("-", "") for w in words}
    forms = {f for raw in by_root for cls in ("um", "mag", "ma", "mang") for f in actor_forms(plain(raw)[0], cls)}
    forms |= {f for raw in by_root for cls in ("in", "an", "i") for f in patient_forms(plain(raw)[0], cls)}
    accepted = hunspell_accepts(sorted(forms))

    def witnessed(root, cls):
        if cls in ("um", "mag", "ma", "mang"):
            return attested(actor_forms(root, cls), words, accepted)
        return attested(patient_forms(root, cls), words, accepted) if cls in ("in", "an", "i") else []
    print("# root (as the data writes it)\tdata actor\tdata patient\tengine actor/patient\tverdict\treason")
    for raw in sorted(by_root, key=lambda r: (plain(r)[0], r)):
        root = plain(raw)[0]
        acts = sorted({actor_class(root, c) for c in by_root[raw]} - {None})
        pats = sorted({patient_class(root, c)[0] for c in by_root[raw]} - {None})
        if root in lex:
            mine = lex[root]
        elif " " in root:
            mine = ("", "")
        else:
            t = velnor.conjugate(root, lang="tgl")
            mine = ("mag" if t.actor[0].startswith("nag") else "um", "in")
        ok = (not acts or mine[0] in acts) and (not pats or mine[1] in pats)
        verdict, reason = notes.get(raw, ("", ""))
        if verdict != "left out":
            verdict = "taken" if ok else "judged"
            if ok:
                reason = ""
            elif not reason:
                # the witnesses' word: the forms of the engine's class and of the data's
                why = []
                for voice, theirs, cls in (("actor", acts, mine[0]), ("patient", pats, mine[1])):
                    if theirs and cls not in theirs:
                        why.append(f"{voice} {cls}: " + (",".join(witnessed(root, cls)) or "-") + "; data " +
                                   " ".join(f"{c}: " + (",".join(witnessed(root, c)) or "-") for c in theirs))
                reason = " | ".join(why)
        print("\t".join([raw, ",".join(acts) or "-", ",".join(pats) or "-", "/".join(mine) or "-", verdict, reason]))


if __name__ == "__main__":
    if len(sys.argv) > 2 and sys.argv[2] == "--rows":
        rows(sys.argv[1])
    elif len(sys.argv) > 2 and sys.argv[2] == "--judged":
        judged(sys.argv[1], sys.argv[3] if len(sys.argv) > 3 else None)
    else:
        main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "")
