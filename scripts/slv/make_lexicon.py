#!/usr/bin/env python3
"""Builds data/slv.tsv and data/slv_classes.tsv, the Slovenian row and class
lexicons.

Two sources:
- rows_by_hand.tsv and classes_by_hand.tsv: the rows written by hand from
  standard Slovenian paradigms (athematic and irregular verbs, -sti and -či
  verbs, the -ati verbs with -em presents and their compounds...), kept as
  they are;
- further verbs found by frequency: every Slovenian infinitive of the
  wordfreq list, and every infinitive that a frequent l-participle or present
  form of the list points to (delal, delala -> delati; kupujem -> kupovati),
  if Debian's hunspell-sl knows it. For each of them the script decides the
  conjugation class below (from the ending, the root families and the lists
  of verbs whose ending does not tell), spells out the nine present forms,
  the imperative and the l-participles, and checks every form with
  hunspell-sl. A verb is kept only if hunspell knows its infinitive, first and
  third singular, third plural, imperative and masculine and feminine
  l-participle; verbs of classes the script does not decide (-sti and -či
  verbs outside the families, -em presents outside the families) are left
  to the hand rows;
- verbs beyond the list, chosen from knowledge and by derivation: the
  prefixed partners and secondary imperfectives of the verbs found so far,
  and the verbs of verbs_by_knowledge.txt with their prefixed partners,
  decided and checked like the others (a prefixed verb must conjugate as its
  base; prefixed verbs of hand rows the script does not decide copy the
  base's cells).

The rows are written most frequent verb first; a verb's frequency is the sum
of the wordfreq frequencies of its forms. Derived verbs none of whose forms
the list has come last, ranked by the frequency of their base's infinitive. A class row is written for every
verb whose class its ending alone (-ovati/-evati: uje, -ati: a, else i) does
not give.

    python3 scripts/slv/make_lexicon.py [--report]

wordfreq and hunspell are tools for choosing and checking; the module uses
neither.
"""
import sys
from pathlib import Path

from wordfreq import top_n_list, word_frequency

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

HERE = Path(__file__).parent
DATA = HERE.parent.parent / "data"
ROWS_HEADER = ('# lemma\tp-sg1\tp-sg2\tp-sg3\tp-du1\tp-du2\tp-du3\tp-pl1\tp-pl2\tp-pl3\t'
               'imp2sg\tlptcp\tsupine ("-" = derive)')
CLASSES_HEADER = "# lemma\tclass (a i uje ne)"
NO_FORM = "\u2014"
PRESENT = ["m", "š", "", "va", "ta", "ta", "mo", "te", "jo"]
IMPERATIVE = ["", "va", "ta", "mo", "te"]
PARTICIPLE = ["", "a", "i", "a", "i", "e", "o", "i", "a"]

# Roots whose prefixed verbs share their forms: root, first singular,
# imperative, masculine and feminine l-participle (as in the engine).
FAMILIES = [line.split() for line in """
obleči oblečem obleci oblekel oblekla
streči strežem strezi stregel stregla
sleči slečem sleci slekel slekla
vreči vržem vrzi vrgel vrgla
vleči vlečem vleci vlekel vlekla
striči strižem strizi strigel strigla
reči rečem reci rekel rekla
teči tečem teci tekel tekla
peči pečem peci pekel pekla
leči ležem lezi legel legla
seči sežem sezi segel segla
tolči tolčem tolci tolkel tolkla
moči morem — mogel mogla
najti najdem najdi našel našla
obiti obidem obidi obšel obšla
iti idem idi šel šla
nesti nesem nesi nesel nesla
vesti vedem vedi vedel vedla
pasti padem padi padel padla
rasti rastem rasti rasel rasla
sesti sedem sedi sedel sedla
gristi grizem grizi grizel grizla
plesti pletem pleti pletel pletla
mesti metem meti metel metla
tresti tresem tresi tresel tresla
krasti kradem kradi kradel kradla
cvesti cvetem cveti cvetel cvetla
lesti lezem lezi lezel lezla
bosti bodem bodi bodel bodla
piti pijem pij pil pila
liti lijem lij lil lila
viti vijem vij vil vila
kriti krijem krij kril krila
šiti šijem šij šil šila
biti bijem bij bil bila
pisati pišem piši pisal pisala
kazati kažem kaži kazal kazala
brati berem beri bral brala
prati perem peri pral prala
gnati ženem ženi gnal gnala
zvati zovem zovi zval zvala
klicati kličem kliči klical klicala
gledati gledam glej gledal gledala
iskati iščem išči iskal iskala
vezati vežem veži vezal vezala
rezati režem reži rezal rezala
lizati ližem liži lizal lizala
mazati mažem maži mazal mazala
brisati brišem briši brisal brisala
česati češem češi česal česala
plesati plešem pleši plesal plesala
sestati sestanem sestani sestal sestala
stati stanem stani stal stala
slati šljem šlji slal slala
četi čnem čni čel čela
mreti mrem mri mrl mrla
preti prem pri prl prla
vzeti vzamem vzemi vzel vzela
prejeti prejmem prejmi prejel prejela
najeti najamem najemi najel najela
zajeti zajamem zajemi zajel zajela
objeti objamem objemi objel objela
deti denem deni del dela
greti grejem grej grel grela
segreti segrejem segrej segrel segrela
risati rišem riši risal risala
tesati tešem teši tesal tesala
dreti drem dri drl drla
streti strem stri strl strla
žreti žrem žri žrl žrla
mleti meljem melji mlel mlela
prijeti primem primi prijel prijela
cvreti cvrem cvri cvrl cvrla
vzpeti vzpnem vzpni vzpel vzpela
tkati tkem tki tkal tkala
""".strip().splitlines()]
FAMILIES.sort(key=lambda f: -len(f[0].encode()))
BOUND = {"stati", "slati", "četi", "mreti", "preti", "biti", "iti", "dreti", "streti", "žreti"}
PREFIXES = "v vz z s iz na nad o ob od po pod pre pred pri pro raz u za do".split()
I_ROOTS = ("slišati dišati držati ležati bežati mižati kričati molčati ječati cvrčati spati "
           "brenčati tiščati vreščati klečati bučati bleščati tičati renčati").split()
NE_ROOTS = "rniti tisniti gasniti pljusniti drzniti mrzniti giniti kiniti kleniti ganiti kreniti".split()

# Endings of verbs whose present the rules below would get wrong and that
# the hand rows must give: -em presents outside the families (jemljem,
# dremljem, sijem, štejem, razumem, uspem...), athematic verbs.
# jemati and lagati only alone: their prefixed verbs are ordinary -am verbs
# (dojemati, nalagati).
EXACT_UNDECIDED = {"jemati", "lagati"}
UNDECIDED = tuple("""
jemati dremati zibati gibati sipati kopati orati lagati jokati skakati plakati klati žgati tkati rvati stlati
drgetati šepetati trepetati klepetati ščegetati pljuvati sijati sejati smejati vejati majati lajati blejati hlastati
peti speti umeti šteti vreti zreti imeti hoteti smeti vedeti miti riti gniti dati jesti
""".split())


# Left out: moteti, an infinitive the dictionary knows that is no verb of
# the standard language (the verb is motiti; motel, motela are the noun);
# zgibati, whose present (zgibam, fold) is not that of gibati (gibljem).
NOT_VERBS = {"moteti", "zgibati"}


def prefix_chain(s, most=2):
    if s == "":
        return True
    return most > 0 and any(s.startswith(p) and prefix_chain(s[len(p):], most - 1) for p in PREFIXES)


def family(lemma):
    for f in FAMILIES:
        root = f[0]
        if lemma.endswith(root):
            rest = lemma[:-len(root)]
            if not prefix_chain(rest) or (rest == "" and root in BOUND):
                continue
            if root == "iti" and rest not in ("od", "iz", "u", "za", "pre", "raz", "vz"):
                continue
            if root == "obiti" and rest:
                continue
            if root == "biti" and (rest.endswith("do") or rest == "poza"):
                continue
            return rest, f
    return None


def basic_class(lemma):
    """The class that the ending alone gives."""
    if lemma.endswith(("ovati", "evati")):
        return "uje"
    if lemma.endswith("ati"):
        return "a"
    return "i"


def decide(lemma):
    """(class, present sg1, imp2sg, lptcp, fem), or None when the script
    leaves the verb to the hand rows."""
    fam = family(lemma)
    if fam:
        rest, (root, sg1, imp, lp, lpf) = fam
        imp = imp if imp == NO_FORM else rest + imp
        return basic_class(lemma), rest + sg1, imp, rest + lp, rest + lpf
    if not lemma.endswith("ti") or any(
            lemma.endswith(root) and prefix_chain(lemma[:-len(root)], 0 if root in EXACT_UNDECIDED else 1)
            for root in UNDECIDED):
        return None
    lp = lemma[:-2] + "l"
    if any(lemma.endswith(r) and prefix_chain(lemma[:-len(r)]) for r in I_ROOTS):
        stem = lemma[:-3]
        return "i", stem + "im", stem + "i", lp, lp + "a"
    if lemma.endswith("ovati") or (lemma.endswith("evati") and lemma[-6] in "cčšžj"):
        stem = lemma[:-5] + "uj"
        return "uje", stem + "em", stem, lp, lp + "a"
    if lemma.endswith("ati"):
        stem = lemma[:-2]
        return "a", stem + "m", stem + "j", lp, lp + "a"
    if lemma.endswith("uti") and len(lemma) >= 4:
        stem = lemma[:-2] + "j"
        return "uje", stem + "em", stem, lp, lp + "a"
    if lemma.endswith("niti") and len(lemma) >= 5:
        before = lemma[-5]
        if before in "bcgkpth" or any(lemma.endswith(r) for r in NE_ROOTS) and not lemma.endswith("črniti"):
            stem = lemma[:-3]
            return "ne", stem + "em", stem + "i", lp, lp + "a"
    if lemma.endswith(("iti", "eti")) and len(lemma) >= 5:
        stem = lemma[:-3]
        if stem[-1] in "aeiou":
            return None
        return "i", stem + "im", stem + "i", lp, lp + "a"
    return None


def paradigm(sg1, imp, lp, lpf):
    theme = sg1[:-1]
    present = [theme + e for e in PRESENT]
    imperative = [] if imp == NO_FORM else [imp + e for e in IMPERATIVE]
    base_f = lpf[:-1]
    participles = [lp] + [base_f + e for e in PARTICIPLE[1:]]
    return present, imperative, participles


def rule_cells(lemma, cls):
    """The imperative and l-participles the engine derives when a row leaves
    them open (the class from the class row or the ending)."""
    if cls == "a":
        stem = lemma[:-2] if lemma.endswith("ti") else lemma
        imp = stem + "j"
    elif cls == "i":
        stem = lemma[:-3] if lemma.endswith(("iti", "eti", "ati")) else lemma
        imp = stem + "i"
    elif cls == "uje":
        if lemma.endswith(("ovati", "evati")):
            imp = lemma[:-5] + "uj"
        elif lemma.endswith("uti"):
            imp = lemma[:-2] + "j"
        else:
            imp = lemma + "uj"
    else:
        imp = (lemma[:-3] if lemma.endswith("iti") else lemma) + "i"
    lp = (lemma[:-2] if lemma.endswith("ti") else lemma) + "l"
    return imp, lp, lp + "a"


def engine_class(lemma):
    """The class the engine gives a lemma without a class row."""
    if any(lemma.endswith(r) and prefix_chain(lemma[:-len(r)]) for r in I_ROOTS):
        return "i"
    if lemma.endswith("ovati"):
        return "uje"
    if lemma.endswith("evati"):
        return "uje" if lemma[-6] in "cčšžj" else "a"
    if lemma.endswith("ati"):
        return "a"
    if len(lemma) >= 4 and lemma.endswith("uti"):
        return "uje"
    if lemma.endswith("niti") and len(lemma) >= 5:
        if lemma.endswith("pomniti"):
            return "i"
        if lemma[-5] in "bcgkpth" or any(lemma.endswith(r) for r in NE_ROOTS) and not lemma.endswith("črniti"):
            return "ne"
    return "i"


def hunspell_unknown(words):
    return speller.rejected(words, "/usr/share/hunspell/sl_SI")


def candidates():
    """Infinitives of the wordfreq list, and those its frequent l-participles
    and present forms point to."""
    words = top_n_list("sl", 1000000)
    out = set()
    for w in words:
        if not w.isalpha() or len(w) < 3:
            continue
        if w.endswith(("ti", "či")) and len(w) >= 4:
            out.add(w)
        for end in ("l", "la", "lo", "li", "le"):
            if w.endswith(end) and len(w) > len(end) + 1 and w[-len(end) - 1] in "aeiou":
                out.add(w[:-len(end)] + "ti")
        if w.endswith("ujem"):
            out.update({w[:-4] + "ovati", w[:-4] + "evati"})
        elif w.endswith("am"):
            out.add(w[:-1] + "ti")
        elif w.endswith("im"):
            out.update({w[:-2] + "iti", w[:-2] + "eti", w[:-2] + "ati"})
        elif w.endswith("nem"):
            out.add(w[:-2] + "iti")
        for end, infs in (("ajo", ["ati"]), ("ijo", ["iti", "eti", "ati"]), ("ujejo", ["ovati"]), ("uje", ["ovati"]),
                          ("nejo", ["niti"]), ("a", ["ati"]), ("i", ["iti", "eti"]), ("aj", ["ati"]),
                          ("ajte", ["ati"]), ("ite", ["iti", "eti"]), ("at", ["ati"]), ("it", ["iti"]),
                          ("an", ["ati"]), ("ana", ["ati"]), ("ano", ["ati"]), ("ani", ["ati"]),
                          ("en", ["iti", "eti"]), ("ena", ["iti", "eti"]), ("eno", ["iti", "eti"]),
                          ("eni", ["iti", "eti"])):
            if w.endswith(end) and len(w) > len(end) + 2:
                out.update(w[:-len(end)] + i for i in infs)
    return out


# Prefixes that make aspectual partners and derivations of a listed verb.
# z- is s- before a voiceless consonant (zbrati, spisati).
DERIVING = "po za iz raz na od pod pri pre pred u v vz z do o ob nad pro so".split()
VOICELESS = "ptkcčfhsš"
# Secondary imperfectives: the perfective's ending and the endings that
# replace it (prepisati -> prepisovati, dvigniti -> dvigovati,
# pripraviti -> pripravljati, zapustiti -> zapuščati, doživeti -> doživljati).
PALATAL = [("st", "šč"), ("zd", "žj"), ("sl", "šlj"), ("zl", "žlj"), ("t", "č"), ("d", "j"),
           ("s", "š"), ("z", "ž"), ("k", "č"), ("g", "ž"), ("c", "č"), ("h", "š"),
           ("p", "plj"), ("b", "blj"), ("m", "mlj"), ("v", "vlj"), ("f", "flj"),
           ("l", "lj"), ("n", "nj"), ("r", "rj")]


# Imperfectives whose root changes: the perfective's root and the
# imperfective's (prenesti -> prenašati, začeti -> začenjati,
# pritisniti -> pritiskati, položiti -> polagati).
ROOT_IMPERFECTIVES = [line.split() for line in """
nesti našati
vesti vajati
pasti padati
sesti sedati
rasti raščati
teči tekati
reči rekati
leči legati
seči segati
vreči vračati
piti pijati
biti bijati
kriti krivati
liti livati
viti vijati
dati dajati
stati stajati
zvati zivati
brati birati
prati pirati
preti pirati
mreti mirati
dreti dirati
streti stirati
četi čenjati
jeti jemati
vzeti vzemati
peti penjati
deti devati
greti grevati
iti hajati
najti najdevati
gnati ganjati
slati šiljati
kazati kazovati
kleti klinjati
kleniti klepati
rniti račati
tisniti tiskati
makniti mikati
takniti tikati
ganiti ganjati
giniti ginjati
kiniti kinjati
sahniti sihati
lomiti lamljati
ložiti lagati
skočiti skakovati
skočiti skakati
topiti tapljati
točiti takati
bosti badati
mesti metati
plesti pletati
cvesti cvetati
tresti tresati
lesti lezati
kopati kopavati
moči magati
""".strip().splitlines()]


def root_imperfectives(lemma):
    return {lemma[:-len(p)] + i for p, i in ROOT_IMPERFECTIVES if lemma.endswith(p) and len(lemma) > len(p)}


def prefixed(base):
    out = set()
    for p in DERIVING:
        if p == "z" and base[0] in VOICELESS:
            p = "s"
        out.add(p + base)
    # Loans in -irati take the loan prefixes re- and de- (reorganizirati,
    # demotivirati).
    if base.endswith("irati"):
        out.update({"re" + base, "de" + base})
    return out


def imperfectives(lemma):
    out = set()
    for end in ("niti", "ati", "iti", "eti"):
        if lemma.endswith(end) and len(lemma) > len(end) + 2:
            stem = lemma[:-len(end)]
            out.update(stem + e for e in ("ovati", "evati", "avati", "ivati", "jevati"))
            if end in ("iti", "eti"):
                for a, b in PALATAL:
                    if stem.endswith(a):
                        out.add(stem[:-len(a)] + b + "ati")
                        break
            break
    return out


def read(path):
    return [line.rstrip("\n").split("\t") for line in path.read_text(encoding="utf-8").splitlines() if line]


def decided_rows(cands, classes):
    """The verbs of cands that the script decides and hunspell confirms:
    {lemma: (row, forms)}, the dropped lemmas and the (checked, accepted)
    form counts. Class rows of the kept verbs go into classes."""
    decided = {c: d for c in cands if (d := decide(c))}
    forms = {lemma: paradigm(*d[1:]) for lemma, d in decided.items()}
    unknown = hunspell_unknown(sorted({w for p in forms.values() for group in p for w in group}))
    kept, dropped, checked, accepted = {}, [], 0, 0
    for lemma, (cls, sg1, imp, lp, lpf) in decided.items():
        present, imperative, participles = forms[lemma]
        core = [present[0], present[2], present[8], participles[0], participles[3]] + imperative[:1]
        if any(w in unknown for w in core):
            dropped.append(lemma)
            continue
        every = present + imperative + participles
        checked += len(every)
        accepted += sum(w not in unknown for w in every)
        if cls != basic_class(lemma):
            classes[lemma] = cls
        r_imp, r_lp, r_lpf = rule_cells(lemma, classes.get(lemma, engine_class(lemma)))
        cell_imp = "-" if imp == r_imp else imp
        cell_lp = "-" if lp == r_lp else lp
        # The engine takes a feminine that a row leaves open from the row's
        # masculine (nesel -> nesela), so a row with a masculine gives both.
        cell_lpf = "-" if lpf == r_lpf and cell_lp == "-" else lpf
        kept[lemma] = ([lemma] + present + [cell_imp, cell_lp, "-", cell_lpf, "-"], forms[lemma])
    return kept, dropped, (checked, accepted)


def prefixed_hand_rows(cands, hand, classes):
    """Prefixed verbs of a hand row whose forms the script does not decide
    (pojesti from jesti): the base's cells with the prefix in front, kept if
    hunspell knows every key form. {lemma: (row, forms, base)}."""
    made = {}
    for lemma, base in cands.items():
        row = hand.get(base)
        if row is None or "-" in row[1:10] or not lemma.endswith(base):
            continue
        p = lemma[:-len(base)]
        cls = classes.get(base, engine_class(base))
        b_imp, b_lp, b_lpf = rule_cells(base, cls)
        imp = row[10] if row[10] != "-" else b_imp
        lp = row[11] if row[11] != "-" else b_lp
        lpf = row[13] if len(row) > 13 and row[13] != "-" else b_lpf
        present = [p + w for w in row[1:10]]
        imp, lp, lpf = (w if w == NO_FORM else p + w for w in (imp, lp, lpf))
        _, imperative, participles = paradigm(present[0], imp, lp, lpf)
        c_cls = cls if cls != basic_class(lemma) else None
        r_imp, r_lp, r_lpf = rule_cells(lemma, c_cls or engine_class(lemma))
        cells = ["-" if imp == r_imp else imp, "-" if lp == r_lp else lp,
                 row[12] if row[12] == "-" else p + row[12], "-" if lpf == r_lpf and lp == r_lp else lpf, "-"]
        made[lemma] = ([lemma] + present + cells, (present, imperative, participles), c_cls)
    unknown = hunspell_unknown(sorted({w for m in made.values() for g in m[1] for w in g}))
    kept = {}
    for lemma, (row, (present, imperative, participles), c_cls) in made.items():
        core = [present[0], present[2], present[8], participles[0], participles[3]] + imperative[:1]
        if any(w in unknown for w in core):
            continue
        if c_cls:
            classes[lemma] = c_cls
        kept[lemma] = (row, (present, imperative, participles))
    return kept, unknown


def main():
    report = "--report" in sys.argv
    hand = read(HERE / "rows_by_hand.tsv")
    hand_classes = {r[0]: r[1] for r in read(HERE / "classes_by_hand.tsv")}
    known = {r[0] for r in hand}
    cands = sorted(c for c in candidates() if c not in known)
    unknown_lemma = hunspell_unknown(cands)
    cands = [c for c in cands if c not in unknown_lemma and c not in NOT_VERBS]
    rows = [r for r in hand]
    classes = dict(hand_classes)
    # The class of a hand row, where its present shows one that the ending
    # alone does not give (vrniti: vrnem; zahtevati: zahtevam; držati: držim).
    for r in hand:
        lemma, sg1 = r[0], r[1]
        if lemma in classes or sg1 == "-":
            continue
        cls = None
        if lemma.endswith("niti") and sg1 == lemma[:-3] + "em":
            cls = "ne"
        elif lemma.endswith("evati") and sg1 == lemma[:-2] + "m":
            cls = "a"
        elif lemma.endswith("ati") and sg1 == lemma[:-3] + "im":
            cls = "i"
        elif lemma.endswith("uti") and sg1 == lemma[:-2] + "jem":
            cls = "uje"
        if cls and cls != basic_class(lemma):
            classes[lemma] = cls
    kept, dropped, (checked, accepted) = decided_rows(cands, classes)
    forms = {lemma: f for lemma, (_, f) in kept.items()}
    rows += [row for row, _ in kept.values()]

    # Derivations of the verbs found so far (prefixed aspectual partners,
    # then secondary imperfectives of the bases and of those partners) and
    # the verbs of verbs_by_knowledge.txt. A derived verb remembers its base.
    base_of = {}
    listed = {r[0] for r in rows}
    # A prefixed verb's base first (poskakati: skakati, not poskočiti).
    for b in sorted(listed):
        if len(b) >= 4:
            for c in sorted(prefixed(b)):
                base_of.setdefault(c, b)
    for b in sorted(listed):
        if len(b) >= 4:
            for c in sorted(imperfectives(b) | root_imperfectives(b)):
                base_of.setdefault(c, b)
    knowledge = [w for line in (HERE / "verbs_by_knowledge.txt").read_text(encoding="utf-8").splitlines()
                 if not line.startswith("#") for w in line.split()]
    for w in knowledge:
        base_of.setdefault(w, next((b for b in sorted(listed) if len(b) >= 4 and w in prefixed(b)), w))
    derived_kept = {}
    hand_by_lemma = {r[0]: r for r in hand}
    for _ in range(3):
        row_by_lemma = {r[0]: r for r in rows}
        row_by_lemma.update({lemma: row for lemma, (row, _) in derived_kept.items()})
        new = {c: b for c, b in base_of.items() if c not in listed and c not in derived_kept}
        ok = hunspell_unknown(sorted(new))
        new = {c: b for c, b in new.items() if c not in ok and c not in NOT_VERBS}
        k, d, (ch, ac) = decided_rows(sorted(new), classes)
        # A prefixed verb conjugates as its base: ožeti is not ožim, though
        # ožim is a word (of ožiti).
        for lemma in sorted(k):
            b = new[lemma]
            base_row = row_by_lemma.get(b)
            if (lemma != b and lemma.endswith(b) and base_row and base_row[1] != "-" and not family(lemma)
                    and b not in EXACT_UNDECIDED
                    and k[lemma][0][1] != lemma[:-len(b)] + base_row[1]):
                del k[lemma]
                classes.pop(lemma, None)
        hk, _ = prefixed_hand_rows({c: b for c, b in new.items() if c not in k}, hand_by_lemma, classes)
        k.update(hk)
        derived_kept.update(k)
        for lemma in sorted(k):
            # Derived verbs and those of the knowledge list are bases too.
            more = prefixed(lemma)
            for c in sorted(imperfectives(lemma) | root_imperfectives(lemma) | more):
                base_of.setdefault(c, lemma)
    # A derived verb's base: the listed verb it was made from.
    def root_base(lemma):
        while lemma in base_of and base_of[lemma] != lemma and lemma not in listed:
            lemma = base_of[lemma]
        return lemma
    # A derived verb that is another verb with a caron left out (zasluziti
    # for zaslužiti) is a misspelling the dictionary knows, not a verb.
    def caron_less(lemma):
        return any(ch in "zsc" and lemma[:i] + "žšč"["zsc".index(ch)] + lemma[i + 1:] in listed | set(derived_kept)
                   for i, ch in enumerate(lemma))
    derived_kept = {lemma: v for lemma, v in derived_kept.items() if not caron_less(lemma)}
    for lemma, (row, f) in derived_kept.items():
        forms[lemma] = f
        rows.append(row)
    derived_base = {lemma: root_base(lemma) for lemma in derived_kept}

    # Most frequent first: a verb's frequency is that of all its forms; the
    # derived verbs none of whose forms the list has come after all others,
    # ranked by the frequency of their base's infinitive.
    def freq(row):
        lemma = row[0]
        words = {lemma, *row[1:10], *(forms[lemma][2] if lemma in forms else [])}
        return sum(word_frequency(w, "sl") for w in sorted(words) if w != "-")

    def key(row):
        own = freq(row)
        if own > 0 or row[0] not in derived_base:
            return (0, -own, row[0])
        return (1, -word_frequency(derived_base[row[0]], "sl"), row[0])
    rows.sort(key=key)
    # Every form of the rows the script spelled out, checked once more.
    in_rows = {r[0] for r in rows}
    spelled = [w for lemma in sorted(forms) if lemma in in_rows for g in forms[lemma] for w in g]
    unknown = hunspell_unknown(sorted(set(spelled)))
    checked, accepted = len(spelled), sum(w not in unknown for w in spelled)
    rank = {r[0]: i for i, r in enumerate(rows)}
    with open(DATA / "slv.tsv", "w", encoding="utf-8") as f:
        f.write(ROWS_HEADER + "\n")
        for r in rows:
            f.write("\t".join(r) + "\n")
    with open(DATA / "slv_classes.tsv", "w", encoding="utf-8") as f:
        f.write(CLASSES_HEADER + "\n")
        for lemma in sorted(classes, key=lambda l: (rank.get(l, len(rank)), l)):
            f.write(f"{lemma}\t{classes[lemma]}\n")
    print(f"{len(rows)} rows ({len(hand)} by hand, {len(kept)} found in the list, "
          f"{len(derived_kept)} derived or by knowledge), {len(classes)} class rows; "
          f"{len(dropped)} dropped by the check; "
          f"forms accepted {accepted}/{checked} ({100 * accepted / max(checked, 1):.1f} %)", file=sys.stderr)
    if report:
        print("dropped:", " ".join(dropped), file=sys.stderr)
        print("forms hunspell does not know:", " ".join(sorted(set(spelled) & unknown)), file=sys.stderr)
        print("derived:", " ".join(f"{l}<{derived_base[l]}" for l in sorted(derived_kept)), file=sys.stderr)


if __name__ == "__main__":
    main()
