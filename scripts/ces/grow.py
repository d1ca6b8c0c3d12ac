"""Grows the hand-written Czech lexicons of make_lexicons.py with verbs taken
from a frequency list, most frequent first.

A candidate is a word of wordfreq's Czech list (top 300,000) that looks like
an infinitive. Its class is decided by generating its forms with the engine's
rules (rules.py) for each class its ending allows and putting them to the
cs_CZ hunspell dictionary: a verb is kept only when the dictionary knows its
first person singular present, its third person singular and its
l-participle under the chosen class. A class entry is written only where the
chosen class differs from the one the ending gives; a row cell only where the
rules of the chosen class give a form the dictionary rejects and a known
alternative (a shortened or bare imperative, a present of the -e type, a
softened passive) is accepted. Prefixed verbs built on the irregular bases of
make_lexicons.py get the base's forms with their prefix, and are kept only
when the dictionary knows every present, imperative and l-participle form.
Aspect pairs are a prefixed perfective and its derived imperfective
(zlepšit/zlepšovat, prodat/prodávat, vypít/vypíjet, dotáhnout/dotahovat),
both of them verbs kept above and known to the dictionary.

hunspell and wordfreq are development tools only; nothing of them is copied
into data/: every cell is built from the verb's class and stems.
"""
import os
import re
import sys

import rules

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import speller  # noqa: E402

DIC = "/usr/share/hunspell/cs_CZ"
PREFIXES = sorted(
    """do na nad nade o ob obe od ode po pod pode pro pře před přede při roz roze s se u v ve vy vz vze z
    ze za pou vyu zau napo dopo rozpo zapo vypo popo přepo pozna nedo""".split(), key=len, reverse=True)
LONG_SHORT = {"á": "a", "í": "i", "é": "e", "ý": "y", "ú": "u", "ů": "o"}
SOFT = {"d": "ď", "n": "ň", "t": "ť"}
# Verbs whose passive the dictionary would let through in a wrong shape: an
# unsoftened prošen (poprosit) or a participle of an intransitive verb.
NO_PASSIVE = set("""poprosit vyprosit odprosit uprosit zápasit hnusit rosit vítězit zvítězit hrozit pohrozit
ulehnout lehnout prahnout""".split())


class Speller:
    """Asks hunspell about words (through scripts/speller.py) and remembers the answers."""

    def __init__(self):
        self.known = {}

    calls = 0

    def check(self, words):
        d = speller.dictionary(DIC)
        for w in sorted({w for w in words if w and w not in self.known and " " not in w}):
            Speller.calls += 1
            self.known[w] = d is not None and d.spell(w)

    def prefetch(self, run):
        """Runs run(probe) twice with a probe that answers every question yes,
        then no, collecting the words asked, and asks hunspell about them all
        first; the real run then finds most answers waiting."""
        for answer in (True, False):
            asked = set()

            class Probe:
                def check(self, words):
                    asked.update(w for w in words if w)

                def ok(self, word, answer=answer):
                    if word:
                        asked.add(word)
                    return answer
            run(Probe())
            self.check(asked)

    def ok(self, word):
        if not word:
            return False
        if word not in self.known:
            self.check([word])
        return self.known[word]


def candidates():
    from wordfreq import top_n_list
    words = top_n_list("cs", 300000)
    seen = [w for w in words
            if re.fullmatch(r"[a-záčďéěíňóřšťúůýž]{4,}", w) and (w.endswith("t") or w.endswith("ci"))]
    # a negated infinitive (nemyslet, nevidět, nejet) is the verb itself, not a lemma
    known = set(words)
    return [w for w in seen if not (w.startswith("ne") and w[2:] in known)]


def single_words(f):
    """The single-word forms of a rules.forms() result."""
    out = list(f["present"]) + [x for x in f["imperative"] if x] + [f["lptcp"]]
    lp = f["lptcp"]
    out += [lp + "a", lp + "o", lp + "i", lp + "y"]
    if f["passive"]:
        out.append(f["passive"])
    out += [x for x in f["cvb"] if x]
    return out


def shorten_last(stem):
    """The stem with the long vowel of its last syllable made short, or None."""
    m = re.search(r"(ou|[áíéýúů])([^aeiouyáéíóúůýě]*)$", stem)
    if not m:
        return None
    short = "u" if m.group(1) == "ou" else LONG_SHORT[m.group(1)]
    return stem[:m.start()] + short + m.group(2)


def soften(stem):
    return stem[:-1] + SOFT[stem[-1]] if stem and stem[-1] in SOFT else stem


E_ALTERNATION = [("sk", "šť"), ("ch", "š"), ("z", "ž"), ("s", "š"), ("k", "č"), ("h", "ž"), ("c", "č"),
                 ("r", "ř")]


def e_type_stem(stem):
    for old, new in E_ALTERNATION:
        if stem.endswith(old):
            return stem[:-len(old)] + new
    return stem


def decide(lemma, sp):
    """(class, row cells) for a verb of a regular ending, or None when the
    dictionary does not take it for a verb that these rules can serve."""
    default = rules.default_class(lemma)
    options = [default]
    if default == "et-eji":
        options.append("et-i")
    elif default == "uje":
        options.append("a")
    elif default not in ("a", "i", "ne") or (default == "i" and not lemma.endswith("it")):
        return None
    elif default == "a" and not lemma.endswith("at"):
        return None  # the -át verbs are few and irregular: the bases list them
    scored = []
    for cls in options:
        f = rules.forms(lemma, cls)
        words = single_words(f)
        sp.check(words)
        core = f["present"] + [f["lptcp"], f["lptcp"] + "a", f["lptcp"] + "i"]
        if not all(sp.ok(w) for w in core):
            continue
        key = [f["present"][5], f["imperative"][0], f["imperative"][2], f["present"][0]]
        scored.append((sum(sp.ok(w) for w in key), cls == default, cls, f))
    if not scored:
        if default == "a":
            return e_type(lemma, sp)
        return None
    scored.sort(key=lambda t: (t[0], t[1]), reverse=True)
    _, _, cls, f = scored[0]
    row = [None] * 14
    s = rules.stem(lemma, cls)
    if f["imperative"][0] and not sp.ok(f["imperative"][0]):
        tries = []
        short = shorten_last(s)
        if cls in ("i", "et-i"):
            if short:
                tries.append(soften(short))
            # the bare stem as it stands: after a cluster (pusť), or with the
            # long vowel that the rules would shorten (půjč)
            tries.append(soften(s))
        elif cls == "ne" and short:
            tries.append(short + ("ň" if short[-1] in rules.VOWELS else "ni"))
        for t in tries:
            if sp.ok(t) and sp.ok(rules.imperative_plural(t) + "te"):
                row[6] = t
                break
    if f["passive"] and not sp.ok(f["passive"]):
        alt = []
        if lemma in NO_PASSIVE:
            pass
        elif cls == "i":
            if s.endswith("sl"):
                alt.append(s[:-2] + "šlen")
            if s.endswith("z") or s.endswith("s"):
                alt.append(s + "en")  # omezen, zobrazen, spasen: no softening
        elif cls == "ne":
            body = lemma[:-4]
            if body.endswith("d") or (body.endswith("h") and not body.endswith("ch")):
                for b in filter(None, (shorten_last(body), body)):
                    alt.append(e_type_stem(b) + "en")  # tažen, stržen, dopaden
        if cls in ("et-i", "et-eji"):
            alt.append(e_type_stem(s) + "en")
        for a in alt:
            if sp.ok(a) and sp.ok(a + "a"):
                row[10] = a
                break
    if cls == "ne" and not sp.ok(f["lptcp"]):
        body = lemma[:-4]
        alt = body + "nul" if not f["lptcp"].endswith("nul") else body + "l"
        if sp.ok(alt) and sp.ok(alt + "a"):
            row[9] = alt
    return cls, row


def e_type(lemma, sp):
    """A verb in -at whose present runs in -u/-eš (mazat: mažu, maže)."""
    s = lemma[:-2]
    es = e_type_stem(s)
    soft = es[-1] in "žščřcjťďň"
    pres = [es + "u", es + "eš", es + "e", es + "eme", es + "ete", es + "ou"]
    sp.check(pres)
    if not all(sp.ok(p) for p in pres[:3]) or not sp.ok(pres[5]):
        return None
    f = rules.forms(lemma, "a")
    if sp.ok(f["present"][2]):
        return None  # the -á present is in use as well
    imp = None
    short = shorten_last(es)
    for t in filter(None, [short, es, es + "i" if rules.ends_in_cluster(es) else None, s + "ej"]):
        if sp.ok(t) and sp.ok(rules.imperative_plural(t) + "te"):
            imp = t
            break
    row = pres + [None] * 8
    row[6] = imp
    if imp is not None and imp == s + "ej":
        row[6] = None  # the rules build it
    row[11:13] = [es + "e", es + "íc"] if soft else [es + "a", es + "ouc"]
    return "a", row


def prefixed_rows(cands, bases, sp, taken):
    """Rows for prefixed verbs built on an irregular base: lemma -> cells."""
    out = {}
    for w in cands:
        if w in taken:
            continue
        for base, cells in bases:
            if not w.endswith(base) or len(w) == len(base):
                continue
            p = w[:-len(base)]
            if p not in PREFIXES:
                continue
            row = [None if c is None else p + c for c in cells]
            must = row[0:7] + [row[9]]
            must = [m for m in must if m]
            sp.check(must)
            if all(sp.ok(m) for m in must):
                out[w] = row
            break
    return out


# Irregular bases and the imperfective stem their prefixed perfectives pair
# with (přijít přicházet, odvézt odvážet, vybrat vybírat).
IMPF_BASES = {
    "jít": "cházet", "jet": "jíždět", "nést": "nášet", "vést": "vádět", "vézt": "vážet", "brat": "bírat",
    "stat": "stávat", "dat": "dávat", "hrát": "hrávat", "číst": "čítat", "vřít": "vírat", "mřít": "mírat",
    "třít": "tírat", "přít": "pírat", "čít": "čínat", "jmout": "jímat", "pnout": "pínat", "tnout": "tínat",
    "mknout": "mykat", "tknout": "týkat", "sednout": "sedat", "bít": "bíjet", "pít": "píjet",
    "žít": "žívat", "krýt": "krývat", "mýt": "mývat", "lít": "lévat", "šít": "šívat", "říct": "říkat",
    "říci": "říkat", "péct": "pékat", "téct": "tékat", "vléct": "vlékat", "slat": "sílat", "lézt": "lézat",
    "klást": "kládat", "psat": "pisovat", "kázat": "kazovat", "vázat": "vazovat", "zvat": "zývat",
    "spat": "spávat", "hnat": "hánět", "lhat": "lhávat", "prat": "právat",
}


# Prefixed -it verbs whose -et look-alike belongs to another verb: naházet is
# "throw a lot", donášet pairs with donést, odvážet with odvézt, and the
# imperfective of oplotit is oplocovat; uschovat belongs to schovat, not to uschnout.
NOT_ET = ("nosit", "hodit", "chodit", "vodit", "vozit", "plotit", "vážit")
NOT_PAIRED = {"počíst", "stavit", "zavadit", "uschnout"}


def aspect_pairs(verbs, sp):
    """(perfective, imperfective) pairs among the given verbs."""
    pairs = []
    verbset = set(verbs)
    for pf in verbs:
        p = next((x for x in PREFIXES if pf.startswith(x) and len(pf) > len(x) + 2), None)
        if p is None or pf in NOT_PAIRED:
            continue
        cands = []
        if pf.endswith("it"):
            s = pf[:-2]
            for st in dict.fromkeys([shorten_last(s) or s, s]):  # osídlit osidlovat, snížit snižovat
                for old, new in (("st", "šť"), ("zd", "žď"), ("n", "ň"), ("t", "c"), ("d", "z"), ("s", "š"),
                                 ("z", "ž"), ("", "")):
                    if st.endswith(old):
                        cands.append(st[:len(st) - len(old)] + new + "ovat")
                        break
        elif pf.endswith("at") and not pf.endswith("ovat"):
            cands.append(pf[:-2] + "ávat")
        elif pf.endswith("ít"):
            cands += [pf[:-2] + "íjet", pf[:-2] + "ívat"]
        elif pf.endswith("ýt"):
            cands.append(pf[:-2] + "ývat")
        elif pf.endswith("nout") and pf[-5] in "dh":
            s = pf[:-4]
            cands += [(shorten_last(s) or s) + "ovat"]  # dotáhnout dotahovat, rozhodnout rozhodovat
        if pf.endswith("it") and not pf.endswith(NOT_ET) and pf[len(p):] in verbset and pf not in NOT_PAIRED:
            # vrátit vracet, vyrobit vyrábět, pustit pouštět; the verb after the
            # prefix must be a verb itself (not stačit, valit), vyrobit vyrábět, pustit pouštět, hodit házet
            s = pf[:-2]
            for old, new in (("st", "šť"), ("t", "c"), ("d", "z"), ("s", "š"), ("z", "ž"), ("", "")):
                if s.endswith(old):
                    body = s[:len(s) - len(old)] + new
                    break
            m = re.search(r"(ou|[aouá])([^aeiouyáéíóúůýě]*)$", body)
            forms = {body}
            if m:
                longer = {"a": "á", "o": "á", "u": "ou", "ou": "ou", "á": "a"}[m.group(1)]
                forms.add(body[:m.start()] + longer + m.group(2))
            for b in sorted(forms):
                cands += [b + "et", b + "ět"]
        for base, imp in IMPF_BASES.items():
            if pf in NOT_PAIRED:
                break
            if pf.endswith(base) and len(pf) > len(base):
                head = pf[:-len(base)]
                heads = [head, head[:-1]] if head.endswith("e") and head[:-1] in PREFIXES else [head]
                cands += [h + imp for h in heads]
        for c in cands:
            if c != pf and c in verbset:
                pairs.append((pf, c))
                break
    return pairs
