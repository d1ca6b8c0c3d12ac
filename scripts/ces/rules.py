"""The Czech engine's rules (src/ces.cpp) written again in Python, so that the
lexicon scripts can tell what the rules give a verb of a given class and
write a class entry or a row cell only where the rules go wrong.

forms(lemma, cls, row=None) gives the single-word forms of the table as a
dict: present (6), imperative (3), lptcp (masculine singular), passive
(masculine singular or None), cvb (masculine, feminine/neuter).
"""
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
    if lemma.endswith("at"):
        return "a"
    return "i"


def stem(lemma, cls):
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
        return False
    if s[k - 1] in "rl" and (k < 2 or not vowel(s[k - 2])):
        return False
    return True


def imperative_base(lemma, cls):
    s = stem(lemma, cls)
    if len(s) == len(lemma):
        return None
    if cls == "uje":
        b = s + "uj"
    elif cls == "a":
        b = s + "ej"
    elif cls == "et-eji":
        b = s + et_vowel(lemma) + "j"
    elif cls == "ne":
        b = s + ("ň" if not s or s[-1] in VOWELS else "ni")
    elif ends_in_cluster(s):
        b = s + "i"
    else:
        soft = {"d": "ď", "n": "ň", "t": "ť"}
        b = s[:-1] + soft[s[-1]] if s and s[-1] in soft else s
    return b or None


def imperative_plural(base):
    if base.endswith("i") and len(base) >= 2 and base[-2] not in VOWELS:
        before = base[:-1]
        return before + e_after(before)
    return base


def i_passive(s):
    for old, new in (("st", "štěn"), ("zd", "zděn")):
        if s.endswith(old):
            return s[:-2] + new
    for old, new in (("s", "šen"), ("z", "žen"), ("t", "cen"), ("d", "zen"), ("n", "něn")):
        if s.endswith(old):
            return s[:-1] + new
    return s + "en"


def forms(lemma, cls, row=None):
    row = row or [None] * 14
    s = stem(lemma, cls)
    has = len(s) < len(lemma)
    present = []
    for p in range(6):
        if row[p]:
            present.append(row[p])
        elif cls == "et-eji" and p == 5:
            present.append(s + et_vowel(lemma) + "jí")
        else:
            present.append(s + PRESENT[cls][p])
    base = row[6] or (imperative_base(lemma, cls) if has else None)
    imp = [base,
           row[7] or (imperative_plural(base) + "me" if base else None),
           row[8] or (imperative_plural(base) + "te" if base else None)]
    if row[9]:
        lp = row[9]
    elif lemma.endswith("nout") and len(lemma.encode()) >= 4:
        rest = lemma[:-4]
        lp = rest + ("nul" if not rest or rest[-1] in VOWELS else "l")
    else:
        lp = lemma[:-1] + "l"
    if row[10]:
        pas = row[10]
    elif not has:
        pas = None
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
    if has:
        rule = {"uje": (s + "uje", s + "ujíc"), "a": (s + "aje", s + "ajíc"),
                "i": (s + e_after(s), s + "íc"), "et-i": (s + et_vowel(lemma), s + "íc"),
                "et-eji": (s + et_vowel(lemma) + "je", s + et_vowel(lemma) + "jíc"),
                "ne": (s + "na", s + "nouc")}[cls]
        cvb = [cvb[0] or rule[0], cvb[1] or rule[1]]
    return {"present": present, "imperative": imp, "lptcp": lp, "passive": pas, "cvb": cvb}
