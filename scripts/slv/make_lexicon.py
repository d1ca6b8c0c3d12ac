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
  to the hand rows.

The rows are written most frequent verb first; a verb's frequency is the sum
of the wordfreq frequencies of its forms. A class row is written for every
verb whose class its ending alone (-ovati/-evati: uje, -ati: a, else i) does
not give.

    python3 scripts/slv/make_lexicon.py [--report]

wordfreq and hunspell are tools for choosing and checking; the module uses
neither.
"""
import subprocess
import sys
from pathlib import Path

from wordfreq import top_n_list, word_frequency

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
""".strip().splitlines()]
FAMILIES.sort(key=lambda f: -len(f[0].encode()))
BOUND = {"stati", "slati", "četi", "mreti", "preti", "biti", "iti"}
PREFIXES = "v vz z s iz na nad o ob od po pod pre pred pri pro raz u za do".split()
I_ROOTS = "slišati dišati držati ležati bežati mižati kričati molčati ječati cvrčati spati".split()
NE_ROOTS = "rniti tisniti gasniti pljusniti drzniti mrzniti giniti kiniti kleniti ganiti kreniti".split()

# Endings of verbs whose present the rules below would get wrong and that
# the hand rows must give: -em presents outside the families (jemljem,
# dremljem, sijem, štejem, razumem, uspem...), athematic verbs.
# jemati and lagati only alone: their prefixed verbs are ordinary -am verbs
# (dojemati, nalagati).
EXACT_UNDECIDED = {"jemati", "lagati"}
UNDECIDED = tuple("""
jemati dremati zibati gibati sipati kopati orati lagati jokati skakati plakati klati žgati tkati rvati stlati
drgetati šepetati trepetati klepetati ščegetati pljuvati sijati sejati smejati vejati majati lajati hlastati
peti speti umeti šteti vreti zreti imeti hoteti smeti vedeti miti riti gniti dati jesti
""".split())


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
    proc = subprocess.run(["hunspell", "-d", "/usr/share/hunspell/sl_SI", "-i", "utf-8", "-l"],
                          input="\n".join(words) + "\n", capture_output=True, text=True, check=True)
    return set(proc.stdout.split())


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


def read(path):
    return [line.rstrip("\n").split("\t") for line in path.read_text(encoding="utf-8").splitlines() if line]


def main():
    report = "--report" in sys.argv
    hand = read(HERE / "rows_by_hand.tsv")
    hand_classes = {r[0]: r[1] for r in read(HERE / "classes_by_hand.tsv")}
    known = {r[0] for r in hand}
    cands = sorted(c for c in candidates() if c not in known)
    unknown_lemma = hunspell_unknown(cands)
    cands = [c for c in cands if c not in unknown_lemma]
    decided = {}
    for lemma in cands:
        d = decide(lemma)
        if d:
            decided[lemma] = d
    forms = {}
    for lemma, (cls, sg1, imp, lp, lpf) in decided.items():
        forms[lemma] = paradigm(sg1, imp, lp, lpf)
    all_words = sorted({w for p in forms.values() for group in p for w in group})
    unknown = hunspell_unknown(all_words)
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
    checked = accepted = 0
    dropped = []
    for lemma, (cls, sg1, imp, lp, lpf) in decided.items():
        present, imperative, participles = forms[lemma]
        core = [present[0], present[2], present[8], participles[0], participles[3]] + imperative[:1]
        if any(w in unknown for w in core):
            dropped.append(lemma)
            continue
        every = present + imperative + participles
        checked += len(every)
        accepted += sum(w not in unknown for w in every)
        if cls != basic_class(lemma) and cls != engine_class(lemma) or cls != basic_class(lemma):
            classes[lemma] = cls
        r_imp, r_lp, r_lpf = rule_cells(lemma, classes.get(lemma, engine_class(lemma)))
        cell_imp = "-" if imp == r_imp else imp
        cell_lp = "-" if lp == r_lp else lp
        cell_lpf = "-" if lpf == r_lpf else lpf
        rows.append([lemma] + present + [cell_imp, cell_lp, "-", cell_lpf, "-"])
    # Most frequent first: a verb's frequency is that of all its forms.
    def freq(row):
        lemma = row[0]
        words = {lemma, *row[1:10], *(forms[lemma][2] if lemma in forms else [])}
        return sum(word_frequency(w, "sl") for w in sorted(words) if w != "-")
    rows.sort(key=lambda r: (-freq(r), r[0]))
    rank = {r[0]: i for i, r in enumerate(rows)}
    with open(DATA / "slv.tsv", "w", encoding="utf-8") as f:
        f.write(ROWS_HEADER + "\n")
        for r in rows:
            f.write("\t".join(r) + "\n")
    with open(DATA / "slv_classes.tsv", "w", encoding="utf-8") as f:
        f.write(CLASSES_HEADER + "\n")
        for lemma in sorted(classes, key=lambda l: (rank.get(l, len(rank)), l)):
            f.write(f"{lemma}\t{classes[lemma]}\n")
    print(f"{len(rows)} rows ({len(hand)} by hand), {len(classes)} class rows; "
          f"{len(decided)} verbs decided, {len(dropped)} dropped by the check; "
          f"forms accepted {accepted}/{checked} ({100 * accepted / max(checked, 1):.1f} %)", file=sys.stderr)
    if report:
        print("dropped:", " ".join(dropped), file=sys.stderr)


if __name__ == "__main__":
    main()
