"""Rows for Estonian verbs that the engine's rules conjugate wrongly.

    python3 scripts/est/make_rows.py          # prints the new rows; needs hunspell + myspell-et

There is no Estonian frequency list at hand (wordfreq has none), so the verbs
in VERBS were chosen by hand among common verbs and the kinds of verbs the
rules are known to miss. For each verb the full table is first built by the
engine's rules (mirrored here) and put to Debian's Estonian hunspell
dictionary; when a form is unknown, the conjugation types below are tried in
order, each with its possible consonant grades, and the first type whose
every form hunspell knows gives the row. Verbs for which no type passes are
reported and get no row.

Types (S = the ma-infinitive without -ma):
  ta      -ata infinitive, -ku jussive (suunama: suunata, suunaku)
  weak    weak-grade present and passive (eksportima: ekspordin, eksporditud;
          sadama: sajan, sajab)
  weak-ta strong present, weak da, nud, tud, gu (ootama: oodata, oodanud)
  le      shortened -Clema stems (töötlema: töödelda, töödeldud, töödelgu)
  vtma    -tma after a long vowel (veetma: veeta, veedan, veetis, veedetud)
  stma    -stma (päästma: päästa, päästan, päästis, päästetud)
  e-stem  a short stem in p/t/k with the e-present of its long form (lõpma: lõpen,
          lõppeda, lõppes, lõppenud)
"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import speller  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
DATA = ROOT / "data" / "est.tsv"
DIC = "/usr/share/hunspell/et_EE"
CELLS = ["p1sg", "p3sg", "da", "pst1sg", "nud", "tud", "imp2sg", "gu", "takse", "pst3sg", "prs_part", "p3pl"]
V = set("aeiouõäöü")

VERBS = """
suunama laenama keelama kaevama eksportima importima printima parkima testima startima
rentima sadama töötlema kohtlema kahtlema vaidlema kauplema hüplema siplema veetma heitma
kiitma suutma peitma söötma võitma mõõtma päästma lõpma hüppama jälgima märkama
lõikama kukkuma viskama tõlkima kaotama toetama sulgema leppima oskama tahtma vajama
pakkuma õppima hoiatama kaebama hõikama ehtima kirtsutama täitma kütma nõustuma
aktiveerima avaldama arendama arvestama astuma hindama hoolima häirima igatsema juhtima
jätkama kannatama kavatsema keerama kinnitama kohtama kulutama kutsuma käituma
laiendama lahendama liikuma loobuma lähenema meeldima mõjutama märkima nimetama osalema
otsustama paigaldama peatuma pöörduma reageerima rakendama saabuma selgitama sisaldama
soovima suhtlema sündima taastama tagama tajuma teenima tekkima tellima toimuma tugevdama
tutvustama tõestama uurima vabandama vahetama valmistama vastama vähendama väljendama
võrdlema värvima äratama ühendama ületama esitama eemaldama kahetsema kaduma kerkima
kestma kogunema kuuluma külastama lisama nautima näitama omama pingutama püsima rõhutama
sulama säilitama taluma tähistama unustama vaikima vältima õnnestuma kõlama kõnelema
kõrvaldama puudutama tõukama koputama sõimama tormama ehitama hõljuma kinkima lükkama
pühkima karjuma küpsetama triikima pesema kammima ronima libisema ujuma sukelduma
maanduma keetma hoolitsema mahtuma tõrjuma sõlmima paigutama kõrgendama täpsustama
ootama jooma kaevama kuivama kuivatama hingama laenutama võlgnema süütama küttima
testima kopeerima laadima kontrollima koolitama tsiteerima reklaamima transportima
hüppama kiikuma tõukama kiskuma lükkama nokkima tikkima taotlema vihkama ärkama
tõotama põletama kõrbema põgenema hukkuma lõhkuma lakkama julgema tundma kahtlustama
eraldama hõõguma kõlkuma riputama tellima kaardistama sörkima kõhklema pomisema
""".split()

WEAK = {"tt": ["t"], "kk": ["k"], "pp": ["p"], "t": ["d"], "k": ["g"], "p": ["b"], "d": ["j", ""],
        "g": ["", "j"], "b": ["v"], "nd": ["nn"], "mb": ["mm"], "ld": ["ll"], "rd": ["rr"], "ht": ["h"]}


def table(lemma, c):
    S = lemma[:-2]
    W = c["p1sg"][:-1] if c.get("p1sg") else S
    T = c.get("tud") or W + "tud"
    B = T[:-2] if T.endswith("ud") else T
    P = c["pst1sg"][:-1] if c.get("pst1sg") else S + "si"
    G = c.get("gu") or S + "gu"
    forms = [c.get("da") or S + "da",
             W + "n", W + "d", c.get("p3sg") or W + "b", W + "me", W + "te", c.get("p3pl") or W + "vad",
             P + "n", P + "d", c.get("pst3sg") or (P[:-1] if P.endswith("si") else P), P + "me", P + "te", P + "d",
             W + "ksin", W + "ksid", W + "ks", W + "ksime", W + "ksite",
             c.get("imp2sg") or W, G, G[:-1] + "em", G[:-1] + "e",
             c.get("takse") or B + "akse", B + "i", S + "vat", c.get("prs_part") or S + "v",
             c.get("nud") or S + "nud", T]
    return forms


def weak_options(stem):
    """(weak stem) variants: the consonant cluster before the final vowel weakened."""
    i = len(stem) - 1
    j = i
    while j > 0 and stem[j - 1] not in V:
        j -= 1
    cl = stem[j:i]
    out = []
    for n in (2, 1):
        tail = cl[-n:] if len(cl) >= n else None
        if tail in WEAK:
            for w in WEAK[tail]:
                out.append(stem[:i - n] + w + stem[i:])
            break
    return out


def candidates(lemma):
    S = lemma[:-2]
    yield "rules", {}
    if S and S[-1] in V:
        yield "ta", {"da": S + "ta", "gu": S + "ku"}
        for w in weak_options(S):
            yield "weak", {"p1sg": w + "n", "tud": w + "tud", "takse": w + "takse"}
            yield "weak-ta", {"da": w + "ta", "nud": w + "nud", "tud": w + "tud", "gu": w + "ku", "takse": w + "takse"}
        if S.endswith("le") and len(S) > 3 and S[-3] not in V:
            X, C = S[:-3], S[-3]
            for w in [o[:-1] for o in weak_options(X + C + "e")] + [X + C]:
                yield "le", {"da": w + "elda", "nud": w + "elnud", "tud": w + "eldud", "gu": w + "elgu",
                             "takse": w + "eldakse"}
    if S.endswith("t") and len(S) > 2 and S[-2] in V and S[-3] in V:
        w = S[:-1] + "d"
        yield "vtma", {"p1sg": w + "an", "da": S + "a", "tud": w + "etud", "gu": S + "ku", "takse": w + "etakse",
                       "pst3sg": S + "is", "prs_part": S + "ev"}
    if len(S) >= 2 and S[-1] in "ptk" and S[-2] in V and (len(S) < 3 or S[-3] not in V):
        # a short stem that is the lengthened -eda verb's: lõpma as lõppema (lõpen, lõppeda, lõppes)
        g = S + S[-1] + "e"
        yield "e-stem", {"p1sg": S + "en", "da": g + "da", "pst1sg": g + "sin", "nud": g + "nud", "gu": g + "gu",
                         "prs_part": g + "v"}
    if S.endswith("st"):
        yield "stma", {"p1sg": S + "an", "da": S + "a", "tud": S + "etud", "gu": S + "ku", "takse": S + "etakse",
                       "pst3sg": S + "is", "prs_part": S + "ev"}


def unknown(words):
    return speller.rejected(words, DIC)


def main():
    listed = {line.split("\t", 1)[0] for line in DATA.read_text(encoding="utf-8").splitlines()
              if line and not line.startswith("#")}
    rows, failed = [], []
    for lemma in VERBS:
        if lemma in listed:
            continue
        options = list(candidates(lemma))
        bad = unknown([f for _, c in options for f in table(lemma, c)])
        for kind, c in options:
            if not any(f in bad for f in table(lemma, c)):
                break
        else:
            failed.append(lemma)
            continue
        if kind == "rules":
            continue
        cells = [c.get(name, "-") for name in CELLS]
        n = 12 if cells[9] != "-" or cells[10] != "-" else 10
        rows.append((lemma, kind, "\t".join([lemma] + cells[: n - 1])))
    for lemma, kind, line in rows:
        print(line)
    print(f"rows {len(rows)}: " + ", ".join(f"{lemma} ({kind})" for lemma, kind, _ in rows), file=sys.stderr)
    print(f"no type passes: {' '.join(failed)}", file=sys.stderr)


if __name__ == "__main__":
    main()
