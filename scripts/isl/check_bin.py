#!/usr/bin/env python3
"""Icelandic against BÍN, the Database of Icelandic Morphology (read through
the `islenska` package, a development tool only: nothing here is shipped, and
no form of BÍN is written into data/).

Every verb that BÍN knows is conjugated with velnor (its infinitive, and its
-st infinitive for the middle voice) and compared slot by slot with BÍN's
paradigm of that verb: present and past indicative and subjunctive (GM-FH-NT,
GM-FH-ÞT, GM-VH-NT, GM-VH-ÞT, persons 1P-3P, ET/FT), supine (GM-SAGNB),
present participle (LHNT), imperative þú (the bare GM-BH-ST) and þið
(GM-BH-FT); in the middle voice the finite forms and the supine (MM-...).
A slot agrees when velnor's form is one of the forms BÍN gives there (its
variants included); slots that BÍN leaves empty (impersonal verbs, whose
forms BÍN files under OP-, defective verbs) are not compared. A word that is
several BÍN verbs (mæla "speak" and "measure") is graded against the one it
agrees with best.

  check_bin.py words > words.txt            # every BÍN verb, both voices, the lexicon's lemmas and the forms
                                            # tests' inputs
  check_bin.py words --on LEMMA... >> w.txt # and common prefixes in front of the named lemmas
  check_bin.py tables words.txt > t.json    # velnor's tables of these words, with the module on the path
  check_bin.py report t.json [--worst N]    # agreement by frequency band (rank of the infinitive in
                                            # wordfreq's Icelandic list: top 1k, 1k-5k, 5k-20k, the rest of
                                            # the list, and BÍN verbs outside it); --worst lists the verbs
                                            # of the list with the most disagreeing slots
  check_bin.py diff before.json after.json  # every form BÍN accepted before and rejects after, every slot
                                            # that went empty, and the count of forms mended
  check_bin.py show WORD...                 # velnor beside BÍN, slot by slot
"""
import json
import pathlib
import re
import sys
from collections import defaultdict

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
ROWS = {"FH-NT": "present", "FH-ÞT": "past", "VH-NT": "subjunctive_present", "VH-ÞT": "subjunctive_past"}
PERSONS = {"1P-ET": 0, "2P-ET": 1, "3P-ET": 2, "1P-FT": 3, "2P-FT": 4, "3P-FT": 5}
BANDS = [(1000, "top 1k"), (5000, "1k-5k"), (20000, "5k-20k"), (None, "20k-end")]
# First parts put in front of a changed lemma, to see the verbs built on it.
PREFIXES = ["af", "aftur", "á", "end", "endur", "for", "fram", "fyrir", "inn", "í", "mis", "niður", "of",
            "sam", "til", "um", "undir", "upp", "út", "van", "við", "yfir", "ó"]


def slot_of(mark, middle):
    """The velnor attribute and index of a BÍN tag, or None."""
    mark = re.sub(r"\d+$", "", mark)
    voice = "MM-" if middle else "GM-"
    if not mark.startswith(voice):
        return None if middle or mark != "LHNT" else ("present_participle", None)
    rest = mark[3:]
    if rest == "SAGNB":
        return ("supine", None)
    if not middle and rest == "BH-ST":
        return ("imperative", 0)
    if not middle and rest == "BH-FT":
        return ("imperative", 1)
    m = re.fullmatch(r"(FH-NT|FH-ÞT|VH-NT|VH-ÞT)-(\dP-[EF]T)", rest)
    return (ROWS[m.group(1)], PERSONS[m.group(2)]) if m else None


def key(slot):
    return slot[0] if slot[1] is None else f"{slot[0]}[{slot[1]}]"


def bin_paradigms():
    """word -> list of paradigms (slot key -> set of forms), one per BÍN verb; active and middle infinitives."""
    import struct

    from islenska import Bin
    b = Bin()
    b.lookup("vera")
    bc = b._bc
    out = defaultdict(list)
    for i in range(1, bc._max_bin_id + 1):
        (off,) = struct.unpack_from("<I", bc._lemmas, i * 4)
        if off == 0:
            continue
        stem, _ = bc.lemma(i)
        if not stem[-1:] in "aáeéiíoóuúyýæöt":
            continue
        entries = b.lookup_id(i)
        if not entries or entries[0].ofl != "so":
            continue
        for middle in (False, True):
            inf = [e.bmynd for e in entries if re.sub(r"\d+$", "", e.mark) == ("MM-NH" if middle else "GM-NH")]
            if not inf:
                continue
            par = defaultdict(set)
            for e in entries:
                s = slot_of(e.mark, middle)
                if s:
                    par[key(s)].add(e.bmynd)
            if par:
                for w in sorted(set(inf)):
                    out[w].append(dict(par))
    return out


def frequency_ranks():
    from wordfreq import top_n_list
    return {w: i for i, w in enumerate(top_n_list("is", 1000000))}


def band_of(rank):
    if rank is None:
        return "not in list"
    for limit, name in BANDS:
        if limit is None or rank < limit:
            return name
    return BANDS[-1][1]


def velnor_slots(table):
    out = {}
    for attr, val in table.items():
        if isinstance(val, list):
            for i, v in enumerate(val):
                out[f"{attr}[{i}]"] = v
        else:
            out[attr] = val
    return out


def grade(table, paradigms):
    """(agreeing slots, compared slots, wrong slots as {slot: (velnor, BÍN forms)}) against the best paradigm."""
    best = None
    mine = velnor_slots(table) if isinstance(table, dict) else {}
    for par in paradigms:
        wrong = {k: (mine.get(k), sorted(forms)) for k, forms in par.items() if mine.get(k) not in forms}
        score = (len(par) - len(wrong), -len(wrong))
        if best is None or score > best[0]:
            best = (score, len(par) - len(wrong), len(par), wrong)
    return best[1:]


def lexicon_lemmas():
    words = set()
    for pattern in ("data/isl*.tsv", "tests/data/forms/isl*.tsv"):
        for f in ROOT.glob(pattern):
            for line in open(f, encoding="utf-8"):
                if line.startswith(("#", "@")) or not line.strip():
                    continue
                w = line.split("\t")[0].strip()
                if w and " " not in w:
                    words.add(w)
    return words


def cmd_words(args):
    if args[:1] == ["--on"]:
        for lemma in args[1:]:
            for p in PREFIXES:
                print(p + lemma)
        return
    words = set(bin_paradigms()) | lexicon_lemmas()
    for w in sorted(words):
        print(w)


def cmd_tables(path):
    import velnor
    out = {}
    for w in open(path, encoding="utf-8").read().split():
        try:
            t = velnor.conjugate(w, lang="isl")
        except ValueError:
            out[w] = None
            continue
        out[w] = {a: getattr(t, a) for a in ("infinitive", "supine", "present_participle", "imperative",
                                             "present", "past", "subjunctive_present", "subjunctive_past")}
    json.dump(out, sys.stdout, ensure_ascii=False)


def cmd_report(path, worst):
    tables = json.load(open(path, encoding="utf-8"))
    bins, ranks = bin_paradigms(), frequency_ranks()
    stats = defaultdict(lambda: [0, 0, 0, 0])  # verbs, whole right, slots right, slots compared
    listed = []
    for w, pars in bins.items():
        if w not in tables:
            continue
        ok, n, wrong = grade(tables[w], pars)
        voice = "middle" if w.endswith("st") else "active"
        for band in (band_of(ranks.get(w)), "all"):
            s = stats[(voice, band)]
            s[0] += 1
            s[1] += not wrong
            s[2] += ok
            s[3] += n
        if w in ranks and wrong:
            listed.append((len(wrong), -ranks[w], w, wrong))
    print("voice\tband\tverbs\twhole paradigm right\tslots right")
    for voice in ("active", "middle"):
        for band in [b for _, b in BANDS] + ["not in list", "all"]:
            v, right, ok, n = stats[(voice, band)]
            if v:
                print(f"{voice}\t{band}\t{v}\t{right} ({100 * right / v:.1f} %)\t{ok}/{n} ({100 * ok / n:.2f} %)")
    for n, _, w, wrong in sorted(listed, reverse=True)[:worst]:
        print(f"\n{w} ({n} slots)")
        for k, (mine, theirs) in sorted(wrong.items()):
            print(f"  {k}\t{mine}\t{'/'.join(theirs)}")


def cmd_diff(before_path, after_path):
    before, after = json.load(open(before_path, encoding="utf-8")), json.load(open(after_path, encoding="utf-8"))
    bins = bin_paradigms()
    lost, mended, emptied, changed = [], 0, [], 0
    for w in sorted(set(before) | set(after)):
        a, b = before.get(w), after.get(w)
        if a == b:
            continue
        changed += 1
        sa = velnor_slots(a) if a else {}
        sb = velnor_slots(b) if b else {}
        for k in sorted(set(sa) | set(sb)):
            if sa.get(k) == sb.get(k):
                continue
            if sa.get(k) and not sb.get(k):
                emptied.append(f"{w}\t{k}\t{sa.get(k)}\t->\t{sb.get(k)}")
            forms = set().union(*(p.get(k, set()) for p in bins.get(w, [])))
            if sa.get(k) in forms and sb.get(k) not in forms:
                lost.append(f"{w}\t{k}\t{sa.get(k)}\t->\t{sb.get(k)}")
            elif forms and sb.get(k) in forms and sa.get(k) not in forms:
                mended += 1
    print(f"words whose table changed: {changed}")
    print(f"forms BÍN accepted before and rejects after: {len(lost)}")
    for line in lost:
        print("  " + line)
    print(f"slots gone empty: {len(emptied)}")
    for line in emptied:
        print("  " + line)
    print(f"forms BÍN rejected before and accepts after: {mended}")


def cmd_show(words):
    import velnor
    bins = bin_paradigms()
    for w in words:
        t = velnor.conjugate(w, lang="isl")
        mine = velnor_slots({a: getattr(t, a) for a in ("supine", "present_participle", "imperative", "present",
                                                       "past", "subjunctive_present", "subjunctive_past")})
        print(w)
        for par in bins.get(w, [{}]):
            for k in sorted(set(mine) | set(par)):
                theirs = "/".join(sorted(par.get(k, ()))) or "-"
                mark = "" if mine.get(k) in par.get(k, {mine.get(k)}) else "  <<"
                print(f"  {k}\t{mine.get(k)}\t{theirs}{mark}")


def main(argv):
    cmd, args = argv[0], argv[1:]
    if cmd == "words":
        cmd_words(args)
    elif cmd == "tables":
        cmd_tables(args[0])
    elif cmd == "report":
        worst = int(args[args.index("--worst") + 1]) if "--worst" in args else 0
        cmd_report(args[0], worst)
    elif cmd == "diff":
        cmd_diff(args[0], args[1])
    elif cmd == "show":
        cmd_show(args)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
