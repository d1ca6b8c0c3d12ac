"""Write data/fin.tsv: the principal parts of Finnish verbs, most frequent first.

    python3 scripts/fin/make_lexicon.py            # needs wordfreq and Debian's python3-libvoikko + voikko-fi

1. Candidates: every word of wordfreq's Finnish list is analysed by Voikko; each
   analysis as a verb (CLASS "teonsana") adds the word's frequency, shared
   between the word's readings, to that verb's infinitive, and so does each
   reading as a participle of a verb (the verb named in Voikko's analysis).
   Verbs are taken in order of that summed frequency.
   After them come the verbs of scripts/fin/derived.tsv (derive_candidates.py:
   derivations of frequent verbs, nouns and adjectives that wordfreq does not
   attest, each known to Voikko as a verb), in order of their base's frequency.
2. Type: the infinitive's ending gives the conjugation types it can belong to
   (below); within them, each possible consonant gradation and past tense is
   tried in a fixed order of preference, and the first whose key forms (present
   1sg and 3sg, past 1sg and 3sg, present passive, past participle) Voikko
   analyses as forms of this very infinitive is the verb's type. A verb that no
   type fits is left out (and counted).
3. Cells: the twelve cells are derived from the type and the stems; a cell that
   the engine's type-I rule would derive the same way (from the cells before it)
   is written "-", except pot3sg, which every row carries.
4. The rows of scripts/fin/hand.tsv (written by hand, among them the quoted
   olla, juoda, antaa, puhua and humajaa and the irregular tehdä, nähdä, seistä,
   the impersonal sataa) stand unchanged in place of generated ones.
5. A candidate that Voikko reads only as a prefix glued to a verb (epätoivoa,
   the partitive of epätoivo, as epä+toivoa) is left out unless the language
   has it (attested_verb below); the ones left out are listed with the reason
   in scripts/fin/prefixed_removed.txt. Hand rows pass the same check.

Every form the module then builds from the rows is checked by
scripts/fin/check_lexicon.py.
"""
import json
import re
import pathlib
import sys

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-libvoikko
import libvoikko  # noqa: E402
from wordfreq import top_n_list, word_frequency  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
OUT = ROOT / "data" / "fin.tsv"
HAND = HERE / "hand.tsv"
CACHE = HERE / "candidates.json"  # the frequency-ordered candidates, kept for reproducibility
DERIVED = HERE / "derived.tsv"  # derivations of frequent words, by derive_candidates.py
SIZE = 11878
HEADER = ("# lemma\tp1sg\tp3sg\tpst1sg\tpst3sg\tnut\tpass-prs\tpass-pst\timp2sg"
          " (\"-\" = type-I default)")
CELLS = ["p1sg", "p3sg", "pst1sg", "pst3sg", "nut", "pass-prs", "pass-pst", "imp2sg",
         "p3pl", "imp2pl", "cond3sg", "pot3sg"]
V = set("aeiouyäö")

voikko = libvoikko.Voikko("fi")
_seen = {}


def forms_of(word):
    """The infinitives of which Voikko reads the word as a verb form, and the kinds
    of participle it reads it as (a participle is analysed as an adjective)."""
    if word not in _seen:
        found = set()
        for a in voikko.analyze(word):
            if a.get("CLASS") == "teonsana":
                found.add(a.get("BASEFORM"))
            elif a.get("PARTICIPLE"):
                found.add(("participle", a["PARTICIPLE"]))
        _seen[word] = found
    return _seen[word]


# --- prefixed readings ---------------------------------------------------------
#
# Voikko reads a prefix (epä-, esi-, sala-, sisä-, koe-, kauko-, etä-, liki-)
# glued to any verb of its dictionary, so case forms of nouns and adjectives
# turn up as "verbs" (epätoivoa: epä+toivoa, the partitive of epätoivo;
# salasanasta: sala+sanastaa, the elative of salasana). A verb that Voikko
# knows only so is taken only when the language has it: the word itself is
# no noun or adjective form, and wordfreq attests the infinitive or a finite
# form that Voikko reads as this verb alone (salakuunteli, salamurhasivat,
# epäonnistui). Participles do not count: epämiellyttävä, epäpätevä are
# adjectives, not forms of *epämiellyttää.
#
# The same holds for the derivations that Voikko builds by rule from any verb
# (-illa/-ella frequentatives, -utua/-ytyä reflexives), which derive_candidates.py
# leaves out for that reason, where step 1 met them only as a case form:
# ratsailla and lakoilla (adessive plurals of ratsu, lakko) as frequentatives
# of ratsata and laota, analysoitua (partitive of the participle analysoitu)
# as a reflexive of analysoida. Such a verb stays when wordfreq attests one of
# its finite forms read as this verb alone (the infinitive itself is the case
# form, so it does not count).

REMOVED = HERE / "prefixed_removed.txt"  # the prefixed and rule-derived candidates left out, with the reason


def infinitive_readings(L):
    return [a for a in voikko.analyze(L) if a.get("CLASS") == "teonsana" and a.get("BASEFORM") == L
            and a.get("MOOD") == "A-infinitive"]


def prefixed_only(L):
    """Whether Voikko reads the infinitive only as a prefix glued to a verb."""
    readings = infinitive_readings(L)
    return bool(readings) and all("[Lp]" in a.get("FSTOUTPUT", "") for a in readings)


def derived_only(L):
    """Whether Voikko reads the infinitive only as a derivation it builds by rule."""
    readings = infinitive_readings(L)
    return bool(readings) and all("[Xj]" in a.get("FSTOUTPUT", "") and "[Lp]" not in a.get("FSTOUTPUT", "")
                                  for a in readings)


def case_form(L):
    return any(a.get("CLASS") != "teonsana" or a.get("BASEFORM") != L for a in voikko.analyze(L))


def attested_form(L, forms):
    """Whether wordfreq attests one of the forms that Voikko reads as a form of L alone."""
    for f in forms:
        an = voikko.analyze(f)
        if (f != L and an and word_frequency(f, "fi") > 0
                and all(a.get("CLASS") == "teonsana" and a.get("BASEFORM") == L for a in an)):
            return True
    return False


def not_a_verb(L, forms):
    """Why a candidate that Voikko knows only with a prefix or by a derivation rule is no
    verb of the language (None when it is one, or when Voikko knows it otherwise)."""
    if prefixed_only(L):
        return attested_verb(L, forms)
    if derived_only(L) and case_form(L) and not attested_form(L, forms):
        return "case form; derivation by rule, no form attested"
    return None


def attested_verb(L, forms):
    """Why a prefixed-only verb is no verb of the language (None when it is one)."""
    if case_form(L):
        return "case form of a noun or adjective"
    if word_frequency(L, "fi") > 0 or attested_form(L, forms):
        return None
    return "no form attested"


def finite_forms(L, c):
    """The finite forms that a verb's cells give: the six persons of the present and the
    past, the conditional, the passive and the imperative singular (esipaista)."""
    if "p1sg" not in c:
        return []
    f = full(L, c)
    f.setdefault("cond3sg", default(L, "cond3sg", f))
    h = lambda b, fr: harmony(L, f.get("nut"), b, fr)  # noqa: E731
    weak, past = f["p1sg"][:-1], f["pst1sg"][:-1]
    out = [f[k] for k in ("p1sg", "p3sg", "p3pl", "pst1sg", "pst3sg", "pass-prs", "pass-pst", "imp2sg", "cond3sg")
           if k in f]
    out += [weak + e for e in ("t", "mme", "tte")] + [past + e for e in ("t", "mme", "tte")]
    out += [f["pst3sg"] + h("vat", "vät"), f["cond3sg"] + h("vat", "vät")]
    return out


def is_form_of(word, L, participle=None):
    for f in forms_of(word):
        if f == L and participle is None:
            return True
        if isinstance(f, tuple) and f[1] == participle:
            return True
    return False


def candidates():
    if CACHE.exists():
        return json.loads(CACHE.read_text(encoding="utf-8"))
    freq = {}
    for w in top_n_list("fi", 10 ** 7):
        if not w.isalpha():
            continue
        readings = {(a.get("CLASS"), a.get("BASEFORM")) for a in voikko.analyze(w)}
        if not readings:
            continue
        f = word_frequency(w, "fi") / len(readings)
        for cls, base in readings:
            if cls == "teonsana" and base and base.isalpha() and base[-1] in "aä":
                freq[base] = freq.get(base, 0.0) + f
        # A participle (read as an adjective) counts for the verb it is built on.
        for a in voikko.analyze(w):
            out = a.get("FSTOUTPUT", "")
            verbs = re.findall(r"\[Lt\](?:\[I\w+\])?\[Xp\]([^\[]+)\[X\]", out)
            if a.get("PARTICIPLE") and out.startswith("[Lt]") and len(verbs) == 1:
                base = verbs[0].replace("=", "")
                if base.isalpha() and base[-1] in "aä":
                    freq[base] = freq.get(base, 0.0) + f
    ranked = sorted(freq, key=lambda b: (-freq[b], b))
    CACHE.write_text(json.dumps(ranked, ensure_ascii=False, indent=0), encoding="utf-8")
    return ranked


def derived(ranked):
    """The verbs of derived.tsv that wordfreq does not attest, ordered by their base's frequency."""
    if not DERIVED.exists():
        return []
    have = set(ranked)
    out = []
    for line in DERIVED.read_text(encoding="utf-8").splitlines():
        verb = line.split("\t", 1)[0]
        if verb not in have:
            have.add(verb)
            out.append(verb)
    return out


# --- consonant gradation ---------------------------------------------------

WEAK = {  # strong cluster -> weak clusters, most usual first
    "kk": ["k"], "pp": ["p"], "tt": ["t"], "nk": ["ng"], "mp": ["mm"], "lt": ["ll"],
    "nt": ["nn"], "rt": ["rr"], "ht": ["hd"], "lk": ["lj", "l"], "rk": ["rj", "r"],
    "hk": ["h"], "lp": ["lv"], "rp": ["rv"], "k": ["", "v", "j"], "p": ["v"], "t": ["d"],
}
STRONG = {  # weak cluster -> strong cluster (the inverse gradation of the -ata, -eta, -ella types)
    "k": "kk", "p": "pp", "t": "tt", "d": "t", "v": "p", "ng": "nk", "mm": "mp", "ll": "lt",
    "nn": "nt", "rr": "rt", "lj": "lk", "rj": "rk", "hd": "ht", "lv": "lp", "rv": "rp",
}


def split_last(stem):
    """(head, consonant cluster, final vowels) of a stem ending in a vowel."""
    i = len(stem)
    while i > 0 and stem[i - 1] in V:
        i -= 1
    vowels = stem[i:]
    j = i
    while j > 0 and stem[j - 1] not in V:
        j -= 1
    return stem[:j], stem[j:i], vowels


def gradable(cluster):
    """The gradating tail of a consonant cluster and the part before it."""
    for n in (2, 1):
        if len(cluster) >= n and cluster[-n:] in WEAK:
            return cluster[:-n], cluster[-n:]
    return cluster, None


def weakened(stem):
    """Each weak-grade variant of the stem, most usual first, then the stem itself."""
    head, cl, vow = split_last(stem)
    out = []
    keep, tail = gradable(cl)
    if tail is not None and head and (len(tail) == 2 or keep == "" or keep[-1] in "lnrh"):
        for w in WEAK[tail]:
            if w == "" and keep == "" and head[-1] == vow[0] and head[-2:-1] in V:
                w = "'"  # after a long vowel or diphthong a lost k is marked: maukua, mau'un
            out.append(head + keep + w + vow)
    out.append(stem)
    return out


def strengthened(stem):
    """The stem itself, then its strong-grade variant (the stem of the infinitive is weak)."""
    head, cl, vow = split_last(stem)
    out = [stem]
    if len(vow) >= 2:
        # vowel + vowel: a lost k (maata: makaan, tauota: taukoan, oieta: oikenen)
        out.append(head + cl + vow[:-1] + "k" + vow[-1])
        return out
    if not head and not cl:
        return out
    if cl in ("r", "l", "h"):
        out.append(head + cl + "k" + vow)  # perata: perkaan, keretä: kerkeän
    elif cl in ("b", "g"):
        out.append(head + cl + cl + vow)  # blogata: bloggaan, lobata: lobbaan
    elif cl == "hj":
        out.append(head + "hk" + vow)  # rohjeta: rohkenen
    elif cl in STRONG:
        out.append(head + STRONG[cl] + vow)
    elif len(cl) >= 2 and cl[-2:] in STRONG:
        out.append(head + cl[:-2] + STRONG[cl[-2:]] + vow)
    elif len(cl) >= 2 and cl[-1] in "kpt" and cl[-2] in "lnrhms":
        out.append(head + cl + cl[-1] + vow)  # tarkata: tarkkaan, vältellä: välttelen
    return out


# --- types -------------------------------------------------------------------

def hh(front, back_s, front_s):
    return front_s if front else back_s


def type1(L, front):
    """-oa -ua -yä -öä -ea -eä -ia -iä -aa -ää (with gradation and the -oi/-i/-si pasts)."""
    S = L[:-1]
    A = L[-1]
    last = S[-1]
    for W in weakened(S):
        pasts = []
        if last in "aä":
            if last == "a":
                pasts += [(S[:-1] + "oi", W[:-1] + "oi"), (S[:-1] + "i", W[:-1] + "i")]
            else:
                pasts += [(S[:-1] + "i", W[:-1] + "i")]
            if len(S) >= 3 and S[-2] == "t" and (S[-3] in V or S[-3] in "lnr"):
                pasts.append((S[:-2] + "si", S[:-2] + "si"))
        elif last == "e":
            pasts += [(S[:-1] + "i", W[:-1] + "i")]
            if len(S) >= 3 and S[-2] == "t" and (S[-3] in V or S[-3] in "lnr"):
                pasts.append((S[:-2] + "si", S[:-2] + "si"))
        elif last == "i":
            pasts += [(S, W)]
        else:
            pasts += [(S + "i", W + "i")]
        pstem = (W[:-1] + "e") if last in "aä" else W
        for strong_past, weak_past in pasts:
            c = {
                "p1sg": W + "n", "p3sg": S + last, "pst1sg": weak_past + "n", "pst3sg": strong_past,
                "nut": S + hh(front, "nut", "nyt"), "pass-prs": pstem + hh(front, "taan", "tään"),
                "pass-pst": pstem + "ttiin", "pot3sg": S + "nee",
            }
            yield c


def type2(L, front):
    """saada, voida, juoda, syödä, viedä, käydä (a long vowel or diphthong + da)."""
    b = L[:-2]
    if len(b) < 2 or b[-1] not in V or b[-2] not in V:
        return
    two = b[-2:]
    if two == "äy":
        past = b[:-1] + "vi"
    elif b[-1] == "i":
        past = b
    elif two in ("uo", "yö", "ie"):
        past = b[:-2] + {"uo": "oi", "yö": "öi", "ie": "ei"}[two]
    elif b[-1] == b[-2]:
        past = b[:-1] + "i"
    else:
        return
    yield {"p1sg": b + "n", "p3sg": b, "pst1sg": past + "n", "pst3sg": past,
           "nut": b + hh(front, "nut", "nyt"), "pass-prs": L + hh(front, "an", "än"),
           "pass-pst": b + "tiin", "p3pl": b + hh(front, "vat", "vät"), "cond3sg": past + "si",
           "pot3sg": b + "nee"}


def type3(L, front):
    """-lla -nna -rra -sta (tulla, mennä, purra, pestä; ajatella: ajattelen; juosta: juoksen)."""
    C = L[-3]
    root = L[:-3]
    if not root or root[-1] not in V or L[-2] not in ("l", "n", "r", "t") or L[-3:-1] not in ("ll", "nn", "rr", "st"):
        return
    roots = strengthened(root)[::-1] if C == "l" else [root]  # ajatella: ajattelen first
    mids = ["s", "ks"] if C == "s" else [C]  # juosta: juoksen
    for R in roots:
        for mid in mids:
            pr = R + mid
            yield {
                "p1sg": pr + "en", "p3sg": pr + "ee", "pst1sg": pr + "in", "pst3sg": pr + "i",
                "nut": root + C + C + hh(front, "ut", "yt"), "pass-prs": L + hh(front, "an", "än"),
                "pass-pst": root + C + "tiin", "pot3sg": root + C + C + "ee",
            }


def type4(L, front):
    """-ata -ätä -ota -uta -ytä -ötä -eta -ita: the halata, katketa, selvitä, vanheta and valita types."""
    A = L[-1]
    b = L[:-2]
    if len(b) < 2 or b[-1] not in V:
        return
    v = b[-1]
    common = {"nut": b + hh(front, "nnut", "nnyt"), "pass-prs": L + hh(front, "an", "än"),
              "pass-pst": L[:-1] + "tiin", "imp2pl": b + hh(front, "tkaa", "tkää"), "pot3sg": b + "nnee"}
    kinds = []
    if v == "i":
        kinds = ["itse", "a"]
    elif v == "e":
        kinds = ["ne", "a"]
    else:
        kinds = ["a", "ne"]
    for kind in kinds:
        bases = [b] if kind == "itse" else strengthened(b)
        if kind != "itse":
            bases = bases[::-1] if len(bases) > 1 else bases
        for bs in bases:
            c = dict(common)
            if kind == "itse":
                c.update({"p1sg": bs + "tsen", "p3sg": bs + "tsee", "pst1sg": bs + "tsin", "pst3sg": bs + "tsi"})
            elif kind == "ne":
                c.update({"p1sg": bs + "nen", "p3sg": bs + "nee", "pst1sg": bs + "nin", "pst3sg": bs + "ni"})
            else:
                strong = bs + A
                c.update({"p1sg": strong + "n", "p3sg": strong if bs[-1] == A else strong + A,
                          "pst1sg": bs + "sin", "pst3sg": bs + "si", "p3pl": strong + hh(front, "vat", "vät")})
            yield c


def types_for(L):
    front = L[-1] == "ä"
    if len(L) < 3 or L[-1] not in "aä":
        return []
    p = L[-2]
    if p in V:
        return list(type1(L, front))
    if p == "d":
        return list(type2(L, front))
    if L[-3:-1] in ("ll", "nn", "rr", "st"):
        return list(type3(L, front))
    if p == "t":
        return list(type4(L, front))
    return []


KEYS = ["p1sg", "p3sg", "pst1sg", "pst3sg", "nut", "pass-prs"]
THIRD = ["p3sg", "pst3sg", "nut"]  # all that Voikko knows of an impersonal verb (sataa, tuulla)


def fits(L, c, keys=KEYS):
    return all(is_form_of(c[k], L, "past_active" if k == "nut" else None) for k in keys if k in c)


# --- the engine's own defaults, to leave out the cells it derives alike ------

def harmony(L, nut, back, front):
    if nut and len(nut.encode()) >= 2:
        if nut.endswith("yt"):
            return front
        if nut.endswith("ut"):
            return back
    for ch in reversed(L):
        if ch in "aou":
            return back
        if ch in "yäö":
            return front
    return front


def stem_harmony(L, nut, stem, back, front):
    """As the engine: the harmonic vowel among the stem's final vowels (seiso-: seisovat), else the verb's."""
    for ch in reversed(stem):
        if ch in "aou":
            return back
        if ch in "yäö":
            return front
        if ch not in "ei":
            break
    return harmony(L, nut, back, front)


def full(L, c):
    """Every cell, the engine's derivation filling those the type leaves open."""
    f = dict(c)
    h = lambda b, fr: harmony(L, f.get("nut"), b, fr)  # noqa: E731
    f.setdefault("nut", L[:-1] + h("nut", "nyt"))
    f.setdefault("imp2sg", f["p1sg"][:-1] if f["p1sg"].endswith("n") else f["p1sg"])
    f.setdefault("p3pl", f["p3sg"][:-1] + stem_harmony(L, f.get("nut"), f["p3sg"][:-1], "vat", "vät"))
    f.setdefault("pst3sg", f["pst1sg"][:-1])
    return f


def default(L, name, f):
    h = lambda b, fr: harmony(L, f.get("nut"), b, fr)  # noqa: E731
    if name == "p1sg":
        return L[:-1] + "n"
    if name == "p3sg":
        s = L[:-1]
        return s + s[-1] if s else "a"
    if name == "pst1sg":
        return L[:-1] + "in"
    if name == "pst3sg":
        p = f["pst1sg"]
        return p[:-1] if p.endswith("n") else p
    if name == "nut":
        return L[:-1] + h("nut", "nyt")
    if name == "pass-prs":
        return L[:-1] + h("taan", "tään")
    if name == "pass-pst":
        return L[:-1] + "ttiin"
    if name == "imp2sg":
        p = f["p1sg"]
        return p[:-1] if p.endswith("n") else p
    if name == "p3pl":
        return f["p3sg"][:-1] + stem_harmony(L, f.get("nut"), f["p3sg"][:-1], "vat", "vät")
    if name == "imp2pl":
        n = f["nut"][:-2]
        k = n[:-1] if n.endswith("n") or (len(n) >= 2 and n[-1] == n[-2]) else n
        return k + h("kaa", "kää")
    if name == "cond3sg":
        p = f["p3pl"]
        s = p[:-3] if p.endswith("vat") or p.endswith("vät") else p
        for a, b in (("uo", "o"), ("yö", "ö"), ("ie", "e")):
            if s.endswith(a):
                s = s[: -len(a)] + b
        if s[-1:] in ("e", "i") or (len(s) >= 2 and s[-1] == s[-2]):
            s = s[:-1]
        return s + "isi"
    return None


def row(L, c):
    f = full(L, c)
    f.setdefault("cond3sg", default(L, "cond3sg", f))
    cells = []
    for name in CELLS:
        if name == "pot3sg":
            cells.append(f[name])
        elif name not in f:
            cells.append("-")
        else:
            cells.append("-" if f[name] == default(L, name, f) else f[name])
    return [L] + cells


def expand(L, cells):
    """All twelve cells of a row, "-" replaced by what the engine derives."""
    f = {}
    for name, cell in zip(CELLS, cells + ["-"] * (len(CELLS) - len(cells))):
        if cell not in ("", "-"):
            f[name] = cell
        elif name == "pot3sg":
            f[name] = f["nut"][:-2] + "ee"
        else:
            f[name] = default(L, name, f)
    return f


def compare(hand):
    """The hand-written rows whose verb the generator types differently."""
    same = differ = untyped = 0
    for L, line in sorted(hand.items()):
        options = types_for(L)
        c = next((c for c in options if fits(L, c)), None) or next((c for c in options if fits(L, c, THIRD)), None)
        if c is None:
            untyped += 1
            continue
        a, b = expand(L, line.split("\t")[1:]), expand(L, row(L, c)[1:])
        diff = {k: (a[k], b[k]) for k in CELLS if a[k] != b[k]}
        if diff:
            differ += 1
            print(L, diff)
        else:
            same += 1
    print(f"hand rows: {same} generated alike, {differ} differently, {untyped} not typed", file=sys.stderr)


def main():
    hand = {}
    for line in HAND.read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            hand[line.split("\t", 1)[0]] = line
    if sys.argv[1:] == ["--compare"]:
        return compare(hand)
    rows, stats = {}, {"candidates": 0, "no type": [], "hand": 0, "third": []}
    ranked = candidates()
    ranked = ranked + derived(ranked)
    order = {}
    removed = []
    for L in ranked:
        if len(rows) >= SIZE:
            break
        stats["candidates"] += 1
        order[L] = len(order)
        chosen, third = None, False
        if L in hand:
            cells = expand(L, hand[L].split("\t")[1:])
        else:
            options = types_for(L)
            chosen = next((c for c in options if fits(L, c)), None)
            if chosen is None:
                # Impersonal: only the third person is known to Voikko; the other
                # persons follow the first type (gradation first) that fits it.
                chosen = next((c for c in options if fits(L, c, THIRD)), None)
                third = chosen is not None
            cells = chosen or {}
        if cells:
            why = not_a_verb(L, finite_forms(L, cells))
            if why:
                removed.append(f"{L}\t{why}")
                continue
        if L in hand:
            rows[L] = hand[L]
            stats["hand"] += 1
            continue
        if third:
            stats["third"].append(L)
        if chosen is None:
            stats["no type"].append(L)
        else:
            rows[L] = "\t".join(row(L, chosen))
    for L, line in hand.items():  # hand rows of verbs that wordfreq does not list
        if L not in rows and L not in order:
            rows[L] = line
            order[L] = len(order)
    REMOVED.write_text("".join(line + "\n" for line in sorted(removed)), encoding="utf-8")
    text = HEADER + "\n" + "".join(rows[L] + "\n" for L in sorted(rows))
    OUT.write_text(text, encoding="utf-8")
    (HERE / "rank.tsv").write_text("".join(f"{L}\t{order[L] + 1}\n" for L in sorted(rows, key=order.get)),
                                    encoding="utf-8")
    print(f"rows {len(rows)} of {SIZE}; candidates read {stats['candidates']}; hand rows used {stats['hand']};"
          f" no type found {len(stats['no type'])}; third person only {len(stats['third'])};"
          f" prefixed readings left out {len(removed)}", file=sys.stderr)
    (HERE / "third_person.txt").write_text("\n".join(stats["third"]) + "\n", encoding="utf-8")
    (HERE / "untyped.txt").write_text("\n".join(stats["no type"]) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
