#!/usr/bin/env python3
"""Finds prefixed and particle verbs of the bases listed in data/dan.tsv that hunspell knows, and
prints rows for them with the base's forms behind the prefix.

Candidates are prefix + listed base for the prefixes and first parts below (the engine's own
particles and those it does not read, such as gennem, bort, fuld, hjem, løs, fast, fri, ny). A candidate
is kept only when

- hunspell's da_DK dictionary, with its free compounding switched off, knows its infinitive,
  present, past and past participle (an imperative cell it does not know is left to the default),
- where the dictionary spells out the verb's paradigm, its past and participle are among them, and
- Apertium's Danish analyser, where it knows the compound's past or participle, reads it as a form
  of a verb (a form that it reads only as a noun or an adjective is reported, not written).

The row spells out prefix + each cell of the base's row; a cell the base leaves to the defaults stays
"-". A candidate whose base forms the dictionary does not know gets the weak class whose forms it
knows (afhænde, afhændede), see weak(). Rows are ranked by the wordfreq frequency of the compound's
infinitive, past or participle, then by that of the base. Each line printed to stdout is a row; stderr
gets the rejected candidates and, for every row, whether the engine already gives the same forms
("same") or not ("new"). Run it again after adding its rows, until it prints none: the new rows
serve as bases too (genopføre after opføre).

    python3 scripts/dan/find_compounds.py > /tmp/rows.tsv 2> /tmp/report.txt
"""
import os
import re
import shutil
import sys
import tempfile

import velnor
from wordfreq import zipf_frequency

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import candidates  # noqa: E402
from candidates import known  # noqa: E402
import speller  # noqa: E402

DICT = "/usr/share/hunspell/da_DK"
VOWELS = "aeiouyæøå"
AUTOMORF = "/usr/share/apertium/apertium-dan-nor/dan-nob.automorf.bin"
PREFIXES = ["af", "an", "bag", "be", "bi", "bort", "efter", "fast", "for", "fore", "forud", "frem", "fra",
            "fuld", "gen", "gennem", "hen", "hjem", "ind", "klar", "los", "løs", "med", "mis", "mod", "ned",
            "om", "op", "over", "på", "sammen", "til", "tilbage", "ud", "und", "under", "ved",
            # words before a verb that form real compounds with it: frigive, godkende, navngive,
            # kortlægge, fejlbedømme, lovgive, ligestille, retlede, målrette, nødlande, stedfæste,
            # tilrettelægge, iværksætte, fjernstyre, håndhæve, videregive, ...
            "fejl", "fjern", "fri", "god", "grund", "hånd", "igang", "ihjel", "istand", "iværk", "kort",
            "lige", "lov", "mål", "navn", "nød", "plan", "ret", "råd", "sam", "selv", "sted", "tids",
            "tilrette", "tvangs", "videre",
            # er-, i- and the adverbs and adjectives that join a verb (erkende, iagttage, imødekomme,
            # forbigå, indestå, opretholde, vedligeholde, deltage, skrinlægge, tydeliggøre, ...)
            "er", "i", "iagt", "ibrug", "imøde", "forbi", "ude", "inde", "opret", "vedlige", "del",
            "tilkende", "tilside", "side", "skrin", "mørk", "blot", "lam", "tør", "bro", "sten", "pris",
            "kund", "stad", "hus", "ren", "værdi", "tone", "ens", "halv", "dobbelt", "sejr", "hjemme",
            "tydelig", "synlig", "usynlig", "mulig", "umulig", "sandsynlig", "nødvendig", "overflødig",
            "virkelig", "vanskelig", "anskuelig", "tilgængelig", "ansvarlig", "lovlig", "ulovlig", "hellig",
            "nyttig", "gyldig", "ugyldig", "myndig", "umyndig", "uskadelig", "mangfoldig", "levende",
            "fremmed", "bevidst", "selvstændig", "forståelig", "fortrolig", "bekendt", "kendt",
            "fælles", "enkelt", "rets", "stats",
            # nouns and adjectives (raskmelde, prøvekøre, bogføre, vildlede, nyskabe, småspise, ...)
            "rask", "syge", "prøve", "bog", "kryds", "vild", "ny", "små", "mellem", "forhånds", "hvid",
            "kæde", "lyn", "sol", "stor", "høj", "lav", "lang", "dyb", "tæt", "let", "fin", "grov", "hård",
            "blød", "kold", "varm", "tyk", "tynd", "skøn", "dom", "hjerne", "data", "maskin", "fod", "sort",
            "rød", "grøn", "brand", "vold", "tvang", "hoved", "bund", "top", "fly", "bil", "skib",
            "tele", "video", "film", "mund", "ord", "navne", "grunds", "kvæl", "vand", "luft", "jord",
            "ild", "sne", "is", "sand", "glas", "guld", "sølv", "jern", "træ",
            "øje", "hjerte", "liv", "død", "blod", "kraft", "magt", "aften", "morgen", "dag", "nat",
            "ad", "rund", "tvær", "knæ", "straf", "miljø", "skat", "kvalitets", "sikkerheds", "menneske",
            "kontrol", "stik", "slut", "start", "forsøgs", "test", "skole", "hjælpe", "folke", "ånd", "sjæl",
            "kors", "værn", "politi", "handels", "penge", "lån", "hemmelig", "offentlig",
            "bryst", "ryg", "hals", "arm", "tand", "hår", "skæg", "pels", "kirke", "stift",
            # first parts of the list's own compounds (beslaglægge, færdiggøre, jævnføre, korrekturlæse,
            # sagsøge, tilfredsstille, varetage, værdsætte, ødelægge, iscenesætte, bosætte, ...)
            "beslag", "færdig", "hid", "jævn", "korrektur", "markeds", "rede", "retfærdig", "sag",
            "sønder", "tilfreds", "tilintet", "tilveje", "vare", "værd", "øde", "iscene", "bo", "godt",
            "skam", "krigs", "tjenst", "stavns", "pant", "vej", "guds", "mønt", "itu", "sidelæns",
            "lands", "brun", "skarp", "glat", "flad", "nær", "stiv", "fler", "hyper", "mikro", "auto",
            "super", "ekstra", "spejl", "salt", "smør", "damp", "grill", "pande", "ovn", "hel", "våd",
            "tung", "svær", "tørre", "kogt", "karry", "sukker", "olie", "regn", "storm", "hav", "skov",
            "prop", "sejl", "ski", "spring", "strand", "kyst", "fisk", "kul", "gas", "el", "lys", "lyd", "bly",
            "maler", "kobber", "sprog", "tekst", "tal", "bogstav", "kode", "net", "arbejds",
            "dags", "måneds", "års", "sommer", "vinter", "forår", "efterår", "jule", "påske", "fødsels"]
# Modals and auxiliaries make no compounds; bases of one or two letters (le, se) only with the
# prefixes that really build on them, which the dictionary check settles.
# Compounds the dictionary lists that were read by hand and left out: a different verb or sense with
# other forms (udlade "discharge": udladede; forende), or too rare or old to confirm their forms
# (indbære, foræde, tilryge, underkøbe, medkøre, ...).
DOUBTFUL = {"forende", "udlade", "indbære", "foræde", "tilryge", "underkøbe", "medkøre", "efterhænge", "beligge",
            "gennemsætte", "fremlede", "undløbe", "tilbagestå", "modgå", "nedgå", "borttage", "eftertænke",
            "udkøre", "gennemrette", "tilspørge", "fremtrække", "overligge", "forbygge", "nedføre",
            "gennemføle", "udsmide", "bortskære", "opbakke", "undertræde", "sammenstikke", "afbenytte",
            "gennembrænde", "fremlyse", "indlyse", "hense", "forligge", "fremtrænge", "overrive", "opfare",
            "hjemkøbe", "forspise", "formelde", "foresidde", "fremsynge", "udsynge", "gennemskrive",
            "fastskrue", "underbringe", "samlede", "samhøre", "samsende", "samskabe", "samstemme",
            "fjernskrive", "ihjelslå", "ihjelbide", "delle", "statsbetale", "rentrykke",
            "voldføre", "voldbolle", "livgive", "skønsynge", "småsynge", "hjerneblæse", "rundbue",
            "miljøplanlægge", "rundsprede", "julehygge", "kulle"}
# Verbs whose participle Apertium reads only as an adjective or a noun (afbrækket, afdraget, fastklemt):
# read by hand as the verbs they are.
PARTICIPLE_ADJECTIVES = {"forudbestille", "afbrække", "afdrage", "sammendrage", "fastklemme", "indslå", "oprykke",
                         "nyansætte"}
SKIP = {"være", "have", "kunne", "skulle", "ville", "måtte", "burde", "turde"}


def rows():
    out = {}
    for line in open("data/dan.tsv", encoding="utf-8"):
        if line.startswith("#"):
            continue
        c = line.rstrip("\n").split("\t")
        out[c[0]] = c[1:]
    return out


def plain_dictionary():
    """da_DK with its free compounding switched off: it accepts any chain of words (underægge,
    vedomskære) and so confirms nothing about a compound; without it only the words the dictionary
    lists, with their endings and prefixes, are known."""
    d = tempfile.mkdtemp()
    aff = open(DICT + ".aff", encoding="utf-8").read()
    aff = re.sub(r"^(COMPOUNDBEGIN|COMPOUNDMIDDLE|COMPOUNDEND) .*$", r"\1 9999", aff, flags=re.M)
    open(os.path.join(d, "da.aff"), "w", encoding="utf-8").write(aff)
    shutil.copy(DICT + ".dic", os.path.join(d, "da.dic"))
    return os.path.join(d, "da")


def analyse(words):
    return candidates.analyse(words, AUTOMORF)


def paradigms(words, dictionary):
    """The forms that the dictionary lists with a word ("al:" fields of its irregular verbs)."""
    d = speller.dictionary(dictionary)
    res = {}
    for w in sorted(words) if d else ():
        f = " ".join(d.analyze(w)).split()
        if any(x.startswith("al:") for x in f):
            res.setdefault(w, set()).update(x[3:] for x in f if x.startswith("al:"))
    return res


def stem(lemma):
    return lemma[:-1] if len(lemma) > 1 and lemma.endswith("e") and lemma[-2] not in VOWELS else lemma


def short(s):
    return s[:-1] if len(s) > 2 and s[-1] == s[-2] and s[-1] not in VOWELS else s


def weak(words, listed, plain, paradigm):
    """Compounds whose forms are not the base's but those of a weak class: afhænde, afhændede
    (hænde, hændte), fremskynde, fremskyndede, forevige, forevigede. The class-1 forms (past in -ede/-de,
    participle in -et) and then the class-2 forms (-te, -t) are put to the dictionary; a verb is kept
    when it knows the present, past and participle of exactly one class, its paradigm (if listed)
    agrees, and Apertium reads the forms as the verb's where it knows them."""
    cls = {}
    for w in words:
        if w in DOUBTFUL or not w.endswith("e"):
            continue
        s = stem(w)
        cls[w] = ([w + "r", w + "de", s + "et"], [w + "r", short(s) + "te", short(s) + "t"])
    ok = known((f for a, b in cls.values() for f in a + b), plain)
    an = analyse(f for a, b in cls.values() for f in a[1:] + b[1:])
    out = []
    for w, (one, two) in cls.items():
        good = [c for c in (one, two) if all(f in ok for f in c)
                and all(an.get(f, ["*"])[0].startswith("*") or any(a.startswith(w + "<vblex>") for a in an[f])
                        for f in c[1:])
                and (w not in paradigm or set(c[1:]) <= paradigm[w])]
        if len(good) != 1:
            print("#no-class", w, file=sys.stderr)
            continue
        c = good[0]
        cells = ["-", "-" if c is one else c[1], "-" if c is one else c[2], short(stem(w)) if short(stem(w)) != stem(w) else "-", "-", "-"]
        if c is one:
            # The class-1 defaults need a row only where the engine would take the base's forms.
            t = velnor.conjugate(w, lang="dan")
            if cells[3] == "-" and (t.past, t.past_participle) == (c[1], c[2]):
                continue
            cells[1:3] = [c[1], c[2]]
        score = max(zipf_frequency(w, "da"), zipf_frequency(c[1], "da"), zipf_frequency(c[2], "da"))
        out.append((-score, 0.0, w, False, cells))
    return out


def main():
    listed = rows()
    cands = {}
    for base, cells in listed.items():
        if base in SKIP or base.endswith("s"):
            continue
        for p in PREFIXES:
            w = p + base
            if w not in listed and w not in cands:
                cands[w] = (p, base)
    plain = plain_dictionary()
    ok = known(cands, plain)
    cands = {w: pb for w, pb in cands.items() if w in ok}
    # The compound's forms: the prefix before the base's forms as the engine gives them.
    forms = {}
    for w, (p, base) in cands.items():
        t = velnor.conjugate(base, lang="dan")
        forms[w] = [p + t.present, p + t.past, p + t.past_participle, p + t.imperative if t.imperative else None]
    ok = known((f for fs in forms.values() for f in fs if f), plain)
    an = analyse(f for fs in forms.values() for f in fs[1:3])
    paradigm = paradigms(cands, plain)
    found, other = [], []
    for w, (p, base) in cands.items():
        fs = forms[w]
        if w in DOUBTFUL:
            print("#doubtful", w, file=sys.stderr)
            continue
        if w in paradigm and not {fs[1], fs[2]} <= paradigm[w]:
            print("#paradigm", w, *fs[1:3], file=sys.stderr)
            continue
        if not all(f in ok for f in fs[:3]):
            print("#unknown-form", w, *[f for f in fs[:3] if f not in ok], file=sys.stderr)
            other.append(w)
            continue
        bad = [f for f in fs[1:3] if not an.get(f, ["*"])[0].startswith("*")
               and not any("<vblex>" in a for a in an[f])]
        if bad and w not in PARTICIPLE_ADJECTIVES:
            print("#not-verb", w, *bad, file=sys.stderr)
            continue
        cells = [p + c if c not in ("-", "—") else c for c in listed[base]]
        if fs[3] is not None and fs[3] not in ok and cells[3] != "-":
            cells[3] = "-"  # the dictionary does not know the written imperative
        if all(c == "-" for c in cells):
            continue
        t = velnor.conjugate(w, lang="dan")
        same = [t.present, t.past, t.past_participle, t.imperative] == fs
        score = max(zipf_frequency(w, "da"), zipf_frequency(fs[1], "da"), zipf_frequency(fs[2], "da"))
        found.append((-score, -zipf_frequency(base, "da"), w, same, cells))
    found += weak(other, listed, plain, paradigm)
    found.sort()
    for s, b, w, same, cells in found:
        print("\t".join([w, *cells]))
        print("same" if same else "new", w, round(-s, 2), round(-b, 2), file=sys.stderr)


if __name__ == "__main__":
    main()
