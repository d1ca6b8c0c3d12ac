"""The Czech engine's rules (src/ces.cpp) written again in Python, so that the
lexicon scripts can tell what the rules give a verb of a given class and
write a class entry or a row cell only where the rules go wrong.

forms(lemma, cls, row=None) gives the single-word forms of the table as a
dict: present (6), imperative (3), lptcp (masculine singular), passive
(masculine singular or None), cvb (masculine, feminine/neuter).
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import engine_lists  # noqa: E402

VOWELS = set("aeiouyáéíóúůý")
CLASS_ENDING = {"uje": "ovat", "a": "at", "i": "it", "ne": "nout"}
PRESENT = {
    "uje": ["uji", "uješ", "uje", "ujeme", "ujete", "ují"],
    "a": ["ám", "áš", "á", "áme", "áte", "ají"],
    "i": ["ím", "íš", "í", "íme", "íte", "í"],
    "et-i": ["ím", "íš", "í", "íme", "íte", "í"],
    "et-eji": ["ím", "íš", "í", "íme", "íte", "ějí"],
    "ne": ["nu", "neš", "ne", "neme", "nete", "nou"],
}
COLUMNS = ["p1sg", "p2sg", "p3sg", "p1pl", "p2pl", "p3pl", "imp2sg", "imp1pl", "imp2pl", "lptcp",
           "pass", "cvbm", "cvbfn", "fem"]


def default_class(lemma):
    n = len(lemma.encode())
    if n >= 4 and lemma.endswith("ovat"):
        return "uje"
    if lemma.endswith("nout"):
        return "ne"
    if n == 1 or lemma.endswith("it"):
        return "i"
    if lemma.endswith("et"):
        return "et-eji"
    if n >= 3 and lemma.endswith("ět"):
        return "et-eji"
    if lemma.endswith("at") or lemma.endswith("át"):
        return "a"
    return "i"


def long_ending(lemma, cls, row):
    """Whether the rules cut a long -ít or -át (a verb without a row only)."""
    if row and any(row):
        return False
    return (cls == "i" and lemma.endswith("ít")) or (cls == "a" and lemma.endswith("át"))


def stem(lemma, cls, long=False):
    if long:
        return lemma[:-2]
    if cls in ("et-i", "et-eji"):
        ending = "ět" if lemma.endswith("ět") and len(lemma.encode()) >= 3 else "et"
    else:
        ending = CLASS_ENDING[cls]
        if cls == "uje" and len(lemma.encode()) < 4:
            return lemma
    return lemma[:-len(ending)] if lemma.endswith(ending) else lemma


def e_after(s):
    return "ě" if not s or s[-1] in "bpvfmdtn" else "e"


def et_vowel(lemma):
    return "ě" if lemma.endswith("ět") else "e"


def ends_in_cluster(s):
    def vowel(c):
        return c == "ě" or c in VOWELS
    if not s or vowel(s[-1]):
        return False
    k = len(s) - 1
    if s[k] == "h" and k > 0 and s[k - 1] == "c":
        k -= 1
    if k == 0 or vowel(s[k - 1]):
        return False
    if s[k - 1] == "j":
        return s[-1] != "č"
    if s[k - 1] in "rl":
        if k < 2:
            return True
        if not vowel(s[k - 2]):
            return s[-1] in "rl"
    return True


def shorten_last(s):
    """The stem with the long vowel of its last syllable made short (not
    before j, and not the u of a prefix in o: douč)."""
    i = len(s)
    while i > 0 and not (s[i - 1] == "ě" or s[i - 1] in VOWELS):
        i -= 1
    if i == 0:
        return s
    v, head, tail = s[i - 1], s[:i - 1], s[i:]
    if tail.startswith("j"):
        return s
    if v == "u":
        before = head[2:] if head.startswith("ne") else head
        if not head.endswith("o") or before in ("o", "do", "po", "pro"):
            return s
        return head[:-1] + "u" + tail
    short = {"á": "a", "í": "i", "ý": "y", "é": "e", "ú": "u", "ů": "u"}.get(v)
    return head + short + tail if short else s


def transgressive_of_present(p3pl):
    """The transgressive that a present in -ou gives (vecpou: vecpa, vecpouc)."""
    p = p3pl[:-2]
    if p and p[-1] in "ňďť":
        hard = {"ň": "n", "ď": "d", "ť": "t"}[p[-1]]
        return p[:-1] + hard + "ě", p[:-1] + hard + "íc"
    if p and p[-1] in "čžšřcj":
        return p + "e", p + "íc"
    return p + "a", p + "ouc"


def imperative_base(lemma, cls, long=False):
    s = stem(lemma, cls, long)
    if len(s) == len(lemma):
        return None
    if cls == "uje":
        b = s + "uj"
    elif cls == "a":
        b = s + "ej"
    elif cls == "et-eji":
        b = s + et_vowel(lemma) + "j"
    elif cls == "ne":
        bare = not s or s[-1] in VOWELS
        if not bare and s[-1] in "rl" and len(s) >= 2:
            bare = not (s[-2] == "ě" or s[-2] in VOWELS)
        b = s + ("ň" if bare else "ni")
    elif not (cls == "et-i" and s.endswith(("st", "št"))) and ends_in_cluster(s):
        b = s + "i"
    else:
        if cls == "i":
            s = shorten_last(s)
        soft = {"d": "ď", "n": "ň", "t": "ť"}
        b = s[:-1] + soft[s[-1]] if s and s[-1] in soft else s
    return b or None


def imperative_plural(base):
    if base.endswith("i") and len(base) >= 2 and base[-2] not in VOWELS:
        before = base[:-1]
        return before + e_after(before)
    return base


def i_passive(s):
    if s.endswith("st"):
        return s[:-2] + "štěn"
    if s.endswith(("d", "t")) and len(s) >= 2 and not _vowel(s[-2]) and s[-2] not in "rl":
        return s + "ěn"
    for old, new in (("s", "šen"), ("z", "žen"), ("t", "cen"), ("d", "zen"), ("n", "něn")):
        if s.endswith(old):
            return s[:-1] + new
    return s + "en"


def forms(lemma, cls, row=None):
    long = long_ending(lemma, cls, row)
    row = row or [None] * 14
    s = stem(lemma, cls, long)
    has = len(s) < len(lemma)
    present = []
    for p in range(6):
        if row[p]:
            present.append(row[p])
        elif cls == "et-eji" and p == 5:
            present.append(s + et_vowel(lemma) + "jí")
        else:
            present.append(s + PRESENT[cls][p])
    base = row[6] or (imperative_base(lemma, cls, long) if has else None)
    imp = [base,
           row[7] or (imperative_plural(base) + "me" if base else None),
           row[8] or (imperative_plural(base) + "te" if base else None)]
    if row[9]:
        lp = row[9]
    elif long:
        lp = s + ("il" if cls == "i" else "al")
    elif lemma.endswith("nout") and len(lemma.encode()) >= 4:
        rest = lemma[:-4]
        syllabic_r = rest.endswith("r") and len(rest) >= 2 and not (rest[-2] == "ě" or rest[-2] in VOWELS)
        lp = rest + ("nul" if not rest or rest[-1] in VOWELS or rest[-1] == "l" or syllabic_r else "l")
    else:
        lp = lemma[:-1] + "l"
    if row[10] == NO_FORM:
        pas = None
    elif row[10]:
        pas = row[10]
    elif not has:
        pas = None
    elif long:
        pas = s + ("án" if cls == "a" else "ěn" if s[-1] in "tdn" else "en")
    elif len(lemma.encode()) >= 4 and lemma.endswith("ovat"):
        pas = s + "ován"
    elif lemma.endswith("nout"):
        pas = lemma[:-4] + "nut"
    elif len(lemma.encode()) >= 2 and lemma.endswith("at"):
        pas = s + "án"
    elif cls == "i" and lemma.endswith("it"):
        pas = i_passive(s)
    elif cls in ("et-i", "et-eji"):
        pas = s + et_vowel(lemma) + "n"
    else:
        pas = s + "en"
    cvb = [row[11], row[12]]
    if has and present[5].endswith("ou") and row[5]:
        rule = transgressive_of_present(present[5])
        cvb = [cvb[0] or rule[0], cvb[1] or rule[1]]
    elif has:
        rule = {"uje": (s + "uje", s + "ujíc"), "a": (s + "aje", s + "ajíc"),
                "i": (s + e_after(s), s + "íc"), "et-i": (s + et_vowel(lemma), s + "íc"),
                "et-eji": (s + et_vowel(lemma) + "je", s + et_vowel(lemma) + "jíc"),
                "ne": (s + "na", s + "nouc")}[cls]
        cvb = [cvb[0] or rule[0], cvb[1] or rule[1]]
    return {"present": present, "imperative": imp, "lptcp": lp, "passive": pas, "cvb": cvb}


# Verbal prefixes, the vowel forms first, and the negation ne-, in the order
# the engine tries them: the engine's own list.
PREFIXES = engine_lists.string_list("ces", "kPrefixes")


def _vowel(c):
    return c == "ě" or c in VOWELS


def _before_cluster_or_j(w):
    if not w:
        return False
    if w[0] == "j":
        return True
    i = 2 if w.startswith("ch") else 1
    return not _vowel(w[0]) and i < len(w) and not _vowel(w[i])


def _carries(lemma, cls):
    if cls in ("et-i", "et-eji"):
        e = "ět" if lemma.endswith("ět") else "et"
    else:
        e = CLASS_ENDING[cls]
    return len(lemma.encode()) > len(e.encode()) and lemma.endswith(e)


def _known(word, strip, rows, classes, skip_row=False):
    """(class entry or None, head, base, base cells, whether a verbal prefix is
    in the head) as the engine finds them; skip_row: as if the word had no row
    of its own."""
    cls = classes.get(word)
    if word in rows and not skip_row and not marker_only(rows[word]):
        return cls, "", word, rows[word], False
    for p in PREFIXES:
        neg = p == "ne"
        if not strip & (1 if neg else 2):
            continue
        if len(word.encode()) < len(p.encode()) + 3 or not word.startswith(p):
            continue
        rest = word[len(p):]
        if not neg and p != "pře" and p[-1] == "e" and not _before_cluster_or_j(rest):
            continue
        if not _vowel(p[-1]) and _vowel(rest[0]):
            continue
        k = _known(rest, 3 if rest in classes else 2 if neg else 1, rows, classes)
        if k is None and rest.endswith("at") and rest != "stat" and (_before_cluster_or_j(rest) or rest == "dat"):
            k = _known(rest[:-2] + "át", 0, rows, classes)
        if k is None:
            continue
        kcls = k[0] or default_class(k[2])
        if cls is not None and cls != kcls:
            continue
        return (cls or k[0]), p + k[1], k[2], k[3], k[4] or not neg
    if cls is not None:
        return cls, "", word, None, False
    return None


# Bases (and the compounds of bases) whose prefixed verbs stay without a
# passive (the engine's prefixes_keep_no_passive).
NO_FORM = "\u2014"  # a cell for a form the verb does not have (the passive of padnout)


def marker_only(cells):
    """A row that only says the verb has no passive: the engine reads the verb as if it had no row."""
    return cells[10] == NO_FORM and all(c is None for i, c in enumerate(cells) if i != 10)
KEEP_NO_PASSIVE = ("vstát", "ptát", "schnout", "jet")


def decompose(lemma, rows, classes):
    """(class, cells) that the engine takes for a lemma without a row of its
    own from the verb behind its prefix or ne- (cells None where that verb
    has a class entry only), or None."""
    k = _known(lemma, 3, rows, classes, skip_row=True)
    # a verb with the mark, or behind ne- alone, has no passive
    bare = lemma[2:] if lemma.startswith("ne") else lemma
    if any(w in rows and marker_only(rows[w]) for w in {lemma, bare}):
        cls, cells = (k[0] or default_class(lemma), k[3]) if k and k[3] is not None else \
            (k[0] if k and k[0] else classes.get(lemma, default_class(lemma)), None)
        if cells is not None:
            cells = [None if c is None else k[1] + c for c in cells]
        cells = list(cells or [None] * 14)
        cells[10] = NO_FORM
        return cls, cells
    if k is None:
        return None
    if k[3] is None:
        return k[0] or default_class(lemma), None
    cls, head, base, cells, prefixed = k
    if cells[10] == NO_FORM:
        # no passive for the verb and its ne- form; its prefixed verbs keep the rules' passive
        cells = list(cells)
        if prefixed:
            cells[10] = None
            if all(c is None for c in cells):
                return cls or default_class(lemma), None
    cls = cls or default_class(lemma)
    bare_base = not _carries(base, k[0] or default_class(base))
    own_passive = (prefixed and cells[10] is None and bare_base and _carries(lemma, default_class(lemma))
                   and not base.endswith(KEEP_NO_PASSIVE))
    if bare_base and _carries(lemma, cls):
        cls = next(c for c in ("i", "a", "ne") if not _carries(lemma, c))
    cells = [None if c is None else head + c for c in cells]
    if own_passive:
        cells[10] = forms(lemma, default_class(lemma))["passive"]
    if base == "být" and head.endswith("ne") and cells[2] == head + "je":
        cells[2] = head + "ní"
    return cls, cells
