#!/usr/bin/env python3
"""Check the German exception lexicon (data/deu.tsv).

Without options: checks every row by the build's rules (tools/check_data.py)
and prints the row count of each class against the size the lexicon is meant
to reach. Exit status 1 when a row is malformed.

  --forms      print, for every row, the forms the engine's rules build from it
               (a small Python model of the German analysis and conjugation)
  --words      print every distinct word of those forms, one per line, for a
               spelling check (e.g. piped into `hunspell -d de_DE -l`)
  --redundant  list auxiliary-override rows (class a) whose value the engine
               would give anyway without the row
  --compare F  compare the model with the installed velnor on the words of
               file F (one a line) and print the words where they differ

The model follows the engine's rules closely enough to review the rows; the
engine's own tests remain the authority on its output.
"""

from __future__ import annotations

import argparse
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
LEXICON = ROOT / "data" / "deu.tsv"
sys.path.insert(0, str(ROOT / "tools"))
import check_data  # noqa: E402

TARGETS = {"s": 178, "m": 18, "p": 7, "w": 32, "a": 440,
           "x": 135, "xw": 9, "i": 53, "iw": 39, "f": 17}
ENTRY = {"s", "m", "p"}
DUAL = {"x", "xw", "i", "iw", "f"}

def _strings(source, name):
    """The quoted entries of one std::array of the engine's sources, in order."""
    text = (ROOT / "src" / "deu" / source).read_text(encoding="utf-8")
    body = text[text.index(name + "{") + len(name) + 1:]
    body = body[:body.index("};")]
    return re.findall(r'"([^"]*)"', "\n".join(line.split("//")[0] for line in body.splitlines()))


# The prefix lists and the joining particles are read from the engine itself.
SEPARABLE = _strings("prefix.cpp", "SEPARABLE_PREFIXES")
INSEPARABLE = _strings("prefix.cpp", "INSEPARABLE_PREFIXES")
JOINING = set(_strings("mod.cpp", "JOINING_PARTICLES"))
NO_IEREN_BASE = {"rein", "ran"}  # re-in-, ran- loans (prefix::split)
CANDIDATES = sorted([(p, "sep") for p in SEPARABLE] + [(p, "insep") for p in INSEPARABLE],
                    key=lambda c: -len(c[0].encode()))

VOWELS = set("aeiouyàâäèéêîôöûü")

SUPPLETIVE = {
    "sein": (["bin", "bist", "ist", "sind", "seid", "sind"],
             ["war", "warst", "war", "waren", "wart", "waren"],
             ["wäre", "wärest", "wäre", "wären", "wäret", "wären"],
             "gewesen", ["sei", "seid"], "s"),
    "werden": (["werde", "wirst", "wird", "werden", "werdet", "werden"],
               ["wurde", "wurdest", "wurde", "wurden", "wurdet", "wurden"],
               ["würde", "würdest", "würde", "würden", "würdet", "würden"],
               "geworden", ["werde", "werdet"], "s"),
    "tun": (["tue", "tust", "tut", "tun", "tut", "tun"],
            ["tat", "tatest", "tat", "taten", "tatet", "taten"],
            ["täte", "tätest", "täte", "täten", "tätet", "täten"],
            "getan", ["tu", "tut"], "h"),
}

PRESENT = ["e", "st", "t", "en", "t", "en"]
WEAK_PRET = ["te", "test", "te", "ten", "tet", "ten"]
STRONG_PRET = ["", "st", "", "en", "t", "en"]
KONJ1 = ["e", "est", "e", "en", "et", "en"]


# ---------------------------------------------------------------- reading

def read_rows(path=LEXICON):
    """Yield (line number, line text, cells) for every data line."""
    text = path.read_text(encoding="utf-8")
    for number, line in enumerate(text.split("\n"), 1):
        if line.endswith("\r"):
            line = line[:-1]
        if not line or line.startswith("#"):
            continue
        yield number, line, line.split("\t")


def check_shape(path=LEXICON):
    """Return (problems, counts): the faults tools/check_data.py finds (the
    rules the build checks) and the number of rows of each class."""
    problems = check_data.check_text("data/deu.tsv", path.read_bytes())
    counts = {code: 0 for code in TARGETS}
    for _, _, cells in read_rows(path):
        if len(cells) == 8 and cells[1] in counts:
            counts[cells[1]] += 1
    return problems, counts


# ---------------------------------------------------------------- model

class Lex:
    def __init__(self, path=LEXICON):
        self.entries, self.weak, self.dual, self.aux, self.imp = {}, set(), {}, {}, {}
        for _, _, c in read_rows(path):
            if len(c) != 8:
                continue
            inf, cls = c[0], c[1]
            if cls in ENTRY:
                self.entries[inf] = dict(cls=cls, pres=None if c[2] == "-" else c[2], pret=c[3],
                                         konj2=c[4], part2=c[5], imp=None if c[6] == "-" else c[6],
                                         aux=c[7])
            elif cls == "w":
                self.weak.add(inf)
                if c[6] != "-":
                    self.imp[inf] = c[6]
            elif cls == "a":
                self.aux[inf] = "s" if c[7] == "s" else "h"
            elif cls in DUAL:
                sep = {"x": "sep", "xw": "sep", "i": "insep", "iw": "insep", "f": "fused"}[cls]
                self.dual[inf] = ("" if c[2] == "-" else c[2], sep, cls.endswith("w"),
                                  None if c[5] == "-" else c[5])


LEX = None


def needs_epenthesis(stem):
    if not stem:
        return False
    if len(stem) == 1:
        return stem in "dt"
    c1, c2 = stem[-1], stem[-2]
    c3 = stem[-3] if len(stem) >= 3 else ""
    if c1 == "h" and c2 == "t":
        return True
    if c1 in "dt":
        return True
    if c2 == "h":
        if c1 in "mn":
            return c3 == "c"
        return c1 == "w"
    if c2 == "m":
        return c1 in "wn"
    if c1 in "mn":
        return c2 not in "aeioulnràâäèéêîôöûü"
    if c1 == "w":
        return c2 not in "aeiouàâäèéêîôöûü"
    return False


def attach(stem, ending, el_rule, elision):
    if el_rule and ending == "e" and len(stem.encode()) >= 2 and stem.endswith("el"):
        return stem[:-2] + "le"
    if elision and stem.endswith("e"):
        if ending == "":
            return stem
        if ending.startswith("e"):
            return stem + ending[1:]
    if ending == "st":
        if stem and stem[-1] in "sxzß":
            return stem + "t"
        return stem + ("est" if needs_epenthesis(stem) else "st")
    if ending.startswith("t") and needs_epenthesis(stem):
        return stem + "e" + ending
    return stem + ending


class Verb:
    def __init__(self, kind, inf, stem="", eln=False, bare=False, ieren=False):
        self.kind, self.inf, self.stem = kind, inf, stem
        self.eln, self.bare, self.ieren = eln, bare, ieren
        self.prefix = None      # (text, separability)
        self.base = None
        self.part2_override = None
        self.entry = None
        self.apart = 0          # byte offset of a separable group's second word


def weak(word):
    n = len(word.encode())
    if n < 3:
        return None
    stem, eln, bare = None, False, False
    el = word.endswith("eln") or word.endswith("ern")
    if word.endswith("ien") and n > 3:
        if word[-4] not in VOWELS:
            stem, bare = word[:-1], True
    elif el:
        stem, eln = word[:-1], True
    if stem is None:
        if not word.endswith("en"):
            return None
        stem = word[:-2]
    part = None
    if n >= 5 and word.endswith("ieren"):
        part = word[:-5]
    elif n >= 4 and word.endswith("iren"):
        part = word[:-4]
    ieren = part is not None and any(c in VOWELS for c in part)
    return Verb("rule", word, stem, eln, bare, ieren)


def plausible_base(rest, ieren_base=False):
    if rest in SUPPLETIVE or rest in LEX.entries or rest in LEX.weak or rest == "zutun":
        return True
    v = weak(rest)
    if v is None:
        return False
    if v.ieren:
        return ieren_base and rest[0] not in VOWELS
    if len(rest.encode()) > 4 and rest.endswith("ieren"):
        minimum = 5
    elif v.eln:
        minimum = 4
    else:
        minimum = 3
    if len(v.stem) < minimum:
        return False
    look = v.stem[:-2] if v.eln else v.stem
    return any(c in VOWELS for c in look)


def split(word):
    for prefix, sep in CANDIDATES:
        ieren_base = sep == "sep" and prefix not in NO_IEREN_BASE
        if len(word) > len(prefix) and word.startswith(prefix) and plausible_base(word[len(prefix):], ieren_base):
            return prefix, sep, word[len(prefix):]
    return None


def analyse(word, depth=0):
    if depth > 50:
        raise RecursionError(word)
    if word in SUPPLETIVE:
        v = Verb("supp", word, word[:-1])
        return v
    if word in LEX.entries:
        v = weak(word)
        if v is None:
            return None
        v.kind, v.entry = "entry", LEX.entries[word]
        return v
    if word in LEX.weak:
        return weak(word)
    part2 = None
    if word in LEX.dual:
        prefix, sep, wf, part2 = LEX.dual[word]
        rest = word[len(prefix):]
        base = weak(rest) if wf else analyse(rest, depth + 1)
    else:
        s = split(word)
        if s is None:
            return weak(word)
        prefix, sep, rest = s
        base = analyse(rest, depth + 1)
    if base is None:
        return None
    apart = 0
    if base.prefix is not None:
        p2, s2 = base.prefix
        if (s2 == "sep" and sep in ("sep", "insep", "fused")) or (s2 != "sep" and sep == "insep"):
            if sep == "sep" and s2 == "sep":
                # a group written apart after the verb: stelle wieder her
                apart = len(prefix.encode()) if prefix not in JOINING else \
                    (len(prefix.encode()) + base.apart if base.apart else 0)
            prefix, base = prefix + p2, base.base
    if sep in ("sep", "fused") and len(prefix.encode()) >= 3 and prefix.endswith("zu") \
            and prefix not in ("dazu", "hinzu"):
        return analyse(prefix[:-2] + base.inf, depth + 1)
    v = Verb("rule", prefix + base.inf)
    v.prefix, v.base, v.part2_override, v.apart = (prefix, sep), base, part2, apart
    return v


def detached(v):
    """The prefix as it stands after the finite verb (wieder her)."""
    p = v.prefix[0].encode()
    return p.decode() if not v.apart else (p[:v.apart] + b" " + p[v.apart:]).decode()


def du_rule(p):
    if p.endswith("st"):
        return p
    if p and p[-1] in "sxzß":
        return p + "t"
    return p + "st"


def er_rule(p):
    return p if p.endswith("t") or p.endswith("th") else p + "t"


def conjugate(v, what, slot):
    """what: 'pres', 'pret' or 'konj2'."""
    if v.prefix is not None:
        f = conjugate(v.base, what, slot)
        p, sep = v.prefix
        return f + " " + detached(v) if sep == "sep" else p + f
    if v.kind == "supp":
        table = SUPPLETIVE[v.inf]
        return {"pres": table[0], "pret": table[1], "konj2": table[2]}[what][slot]
    e = v.entry
    if what == "konj2":
        if e is None:
            return conjugate(v, "pret", slot)
        return attach(e["konj2"], KONJ1[slot], False, False)  # schriee, not schrie
    if what == "pret":
        if e is None:
            return attach(v.stem, WEAK_PRET[slot], v.eln, v.bare)
        if e["cls"] in ("m", "p"):
            return attach(e["pret"], KONJ1[slot], False, True)
        if slot == 1 and e["pret"][-1] in "sxzß":
            return e["pret"] + "est"
        return attach(e["pret"], STRONG_PRET[slot], False, True)
    if e is not None and e["pres"] is not None:
        p = e["pres"]
        if e["cls"] == "p":
            if slot in (0, 2):
                return p
            if slot == 1:
                return du_rule(p)
        else:
            if slot == 1:
                return du_rule(p)
            if slot == 2:
                return er_rule(p)
    if slot in (3, 5):
        return v.inf
    return attach(v.stem, PRESENT[slot], v.eln, v.bare)


def participle(v):
    if v.part2_override is not None:
        return v.part2_override
    if v.prefix is not None:
        p = participle(v.base)
        prefix, sep = v.prefix
        if sep == "insep":
            return prefix + (p[2:] if p.startswith("ge") else p)
        return prefix + p
    if v.kind == "entry":
        return v.entry["part2"]
    if v.kind == "supp":
        return SUPPLETIVE[v.inf][3]
    a = attach(v.stem, "t", v.eln, v.bare)
    return a if v.ieren else "ge" + a


def imp_default(v):
    if v.inf in LEX.imp:
        return LEX.imp[v.inf]
    if not v.eln and not v.ieren and not v.inf.endswith("igen") and not needs_epenthesis(v.stem):
        return v.stem
    return attach(v.stem, "e", v.eln, v.bare)


def imperative(v, which):
    if v.prefix is not None:
        i = imperative(v.base, which)
        if i is None:
            return None
        p, sep = v.prefix
        return i + " " + detached(v) if sep == "sep" else p + i
    if v.kind == "supp":
        return SUPPLETIVE[v.inf][4][which]
    e = v.entry
    if which == 0:
        if e is not None and e["imp"] is not None:
            return e["imp"]
        if e is not None and e["cls"] == "p":
            return None
        return imp_default(v)
    if e is not None and e["cls"] == "p" and e["imp"] is None:
        return None
    return conjugate(v, "pres", 4)


def auxiliary(v, skip=None):
    if v.inf in LEX.aux and v.inf != skip:
        return LEX.aux[v.inf]
    if v.base is not None:
        return auxiliary(v.base, skip)
    if v.kind == "entry":
        return v.entry["aux"]
    if v.kind == "supp":
        return SUPPLETIVE[v.inf][5]
    return "h"


def forms(word):
    v = analyse(word)
    if v is None:
        return None
    return {
        "present": [conjugate(v, "pres", s) for s in range(6)],
        "preterite": [conjugate(v, "pret", s) for s in range(6)],
        "konjunktiv2": [conjugate(v, "konj2", s) for s in range(6)],
        "participle": participle(v),
        "imperative": [imperative(v, 0), imperative(v, 1)],
        "auxiliary": auxiliary(v),
        "analysis": describe(v),
    }


def describe(v):
    if v.prefix is not None:
        return f"{v.prefix[0]}[{v.prefix[1]}]+{describe(v.base)}"
    return f"{v.inf}({v.kind})"


def check_model():
    """Rows the model cannot analyse, and prefix rows whose aux cell (not read
    by the engine, kept as documentation) differs from the auxiliary the
    engine will choose."""
    problems = []
    for number, line, c in read_rows():
        if len(c) != 8 or c[1] not in TARGETS:
            continue
        try:
            v = analyse(c[0])
        except RecursionError:
            problems.append(f"line {number}: {c[0]} makes the analysis loop")
            continue
        if v is None:
            problems.append(f"line {number}: {c[0]} is not analysed")
        elif c[1] in DUAL and c[7] in ("h", "s") and auxiliary(v) != c[7]:
            problems.append(f"line {number}: {c[0]} gets auxiliary {auxiliary(v)}, its row says {c[7]}")
    return problems


def compare(words):
    """Prints the words whose model forms differ from the installed engine's."""
    import velnor
    differ = compared = 0
    for w in words:
        try:
            t = velnor.conjugate(w)
        except ValueError:
            continue
        f = forms(w.lower())
        compared += 1
        engine = (t.present, t.preterite, t.konjunktiv2, t.past_participle, t.imperative, t.auxiliary[0])
        model = None if f is None else (f["present"], f["preterite"], f["konjunktiv2"], f["participle"],
                                        f["imperative"], f["auxiliary"])
        if model != engine:
            differ += 1
            print("DIFFERS", w, model, engine)
    print(f"{compared} verbs compared, {differ} differ")
    return 1 if differ else 0


def main():
    global LEX
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--forms", action="store_true")
    ap.add_argument("--words", action="store_true")
    ap.add_argument("--redundant", action="store_true")
    ap.add_argument("--verb", action="append", default=[], help="show the forms of one verb")
    ap.add_argument("--compare", metavar="F")
    args = ap.parse_args()
    problems, counts = check_shape()
    LEX = Lex()
    problems += check_model()
    for p in problems:
        print("PROBLEM", p)
    if args.compare:
        return compare(pathlib.Path(args.compare).read_text(encoding="utf-8").split())
    if args.verb:
        for w in args.verb:
            print(w, forms(w))
        return 1 if problems else 0
    if args.forms or args.words:
        words = {}
        for _, _, c in read_rows():
            if len(c) != 8 or c[1] not in TARGETS:
                continue
            f = forms(c[0])
            if f is None:
                print("PROBLEM", c[0], "is not analysed")
                continue
            if args.forms:
                print(c[0], c[1], f["analysis"], "|", " / ".join(f["present"][:3]), "|",
                      f["preterite"][0], f["preterite"][1], "|", f["konjunktiv2"][0], "|",
                      f["participle"], f["auxiliary"], "|", f["imperative"][0], sep="\t")
            flat = f["present"] + f["preterite"] + f["konjunktiv2"] + [f["participle"], c[0]]
            flat += [i for i in f["imperative"] if i]
            for form in flat:
                for w in form.split():
                    words.setdefault(w, c[0])
        if args.words:
            for w, verb in words.items():
                print(w, verb, sep="\t")
    if args.redundant:
        for _, _, c in read_rows():
            if len(c) == 8 and c[1] == "a":
                v = analyse(c[0])
                if v is not None and auxiliary(v, skip=c[0]) == c[7]:
                    print("REDUNDANT", c[0], c[7], describe(v))
    if not (args.forms or args.words or args.redundant):
        total = 0
        for code, target in TARGETS.items():
            total += counts[code]
            print(f"{code:3} {counts[code]:4} / {target}")
        print(f"all {total:4} / {sum(TARGETS.values())}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
