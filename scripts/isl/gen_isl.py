#!/usr/bin/env python3
"""Writes data/isl.tsv from the principal parts in scripts/isl/verbs.txt.

Each line of verbs.txt gives one verb:
    lemma | present | past | past subjunctive | supine | imperative | options
present: "I" for the i-present of weak verbs (heyri, heyrir, heyrir),
         or the three singular forms "fer,ferð,fer" (the plural follows the
         infinitive: förum, farið, fara), or "=" and all six forms;
past:    a weak first singular ending in -i ("heyrði"), or the strong
         singular and third plural "fór/fóru" (the second singular is made
         from the first: fórst, lést, bast), optionally "fór,fórst/fóru",
         or "=" and all six forms, or "O" alone: an -aði verb that ends in
         another lemma (opinbera in bera) or whose ending the engine gives
         another class (baldýra, stykkja), and needs a row; "O | x" makes
         that row exact-only;
past subjunctive: empty for a weak verb whose subjunctive is its past,
         or the first singular ("færi", "segði"), or "=" and six forms;
supine, imperative: the forms ("" for the imperative = the stem);
"M" in the present: a verb used only in the middle voice (endast | M | entist | | enst;
heitast | M | O: the -aði class), whose row gives its middle forms;
"O" in the present: an -aði verb that needs a row ("O | x": exact-only; "O | x kj", "M | O | | | x kj": one
         of the few -kja verbs that keep j before i, flekkji, flekkjið, kekkjist);
options: "x" (lemma matches only the whole input), "imp=" (no imperative in use: mega), "sp=" six present
         subjunctive forms, "pp=" present participle, "ip=" imperative plural.
A cell that the ō-class rules of the engine would derive identically is
written "-" for the subjunctive present, the participle and the imperatives.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
VOWELS = "aáeéiíoóuúyýæö"

HEADER = """\
# Icelandic strong and irregular verbs, spelled out from their principal parts and checked against two sources:
# Apertium's Icelandic analyser (apertium-isl-eng) and hunspell-is. Lemmas are base lemmas; prefixed derivatives match by suffix
# unless the base is exact-only (col 9). A '-' tense falls through
# to the ō-class rule engine.
# regenerate: python3 scripts/isl/gen_isl.py > data/isl.tsv
# lemma\tpres\tpast\tsubjpres\tsubjpast\tsupine\tpresp\timp2\timp2pl\texact
"""

# Rows kept exactly as they stand (they predate the generator's notation).
FIXED = [
    "aka\tek,ekur,ekur,ökum,akið,aka\tók,ókst,ók,ókum,ókuð,óku\t-\tæki,ækir,æki,ækjum,ækjuð,ækju\tekið\t-\tak\t-\t1",
    "dvína\tdvín,dvín,dvín,dvínum,dvínið,dvína\t-\t-\t-\t-\t-\tdvín\t-\t1",
]


def umlaut(stem):
    """u-umlaut as the engine does it: the last vowel, when "a", becomes "ö"."""
    for i in range(len(stem) - 1, -1, -1):
        if stem[i] in VOWELS:
            return stem[:i] + "ö" + stem[i + 1:] if stem[i] == "a" else stem
    return stem


def rule_stem(inf):
    return inf[:-1] if inf.endswith("a") else inf


RULE = [
    ["a", "ar", "ar", "um", "ið", "a"],
    ["aði", "aðir", "aði", "uðum", "uðuð", "uðu"],
    ["i", "ir", "i", "um", "ið", "i"],
    ["aði", "aðir", "aði", "uðum", "uðuð", "uðu"],
]


def before_i(stem, kj=False):
    """The stem before an ending in i, as the engine makes it: j drops after g, k and the vowels ending in an
    i sound (segi, deyi, eggið, straui), and stays after the others (oji); `kj` for the few -kja verbs that
    keep it after k (flekkja: flekkji, flekkjið), whose rows spell these forms out."""
    drop = "giíyýæ" if kj else "gkiíyýæ"
    if stem.endswith("j") and len(stem) > 1 and (stem[-2] in drop or stem[-3:-1] == "au"):
        return stem[:-1]
    return stem


def rule(inf, tense, kj=False):
    """The -aði class as the engine builds it: u-umlaut before u, no j before i after g, k, a vowel."""
    stem = rule_stem(inf)
    return [(umlaut(stem) if e[0] == "u" else before_i(stem, kj) if e[0] == "i" else stem) + e
            for e in RULE[tense]]


def plural_present(inf):
    stem = rule_stem(inf)
    return [umlaut(stem) + "um", before_i(stem) + "ið", inf]


def present(inf, cell):
    if cell.startswith("="):
        return cell[1:].split(",")
    if cell == "I":
        stem = rule_stem(inf)
        b = before_i(stem)
        return [b + "i", b + "ir", b + "ir"] + plural_present(inf)
    sg = cell.split(",")
    assert len(sg) == 3, (inf, cell)
    return sg + plural_present(inf)


def second_past(p):
    if p.endswith("st"):
        return p
    if p.endswith("tt"):
        return p[:-2] + "st"
    if p.endswith("t"):
        return p[:-1] + "st"
    if p.endswith("s"):
        return p + "t"
    return p + "st"


def weak_six(first):
    stem = first[:-1]
    u = umlaut(stem)
    return [first, first + "r", first, u + "um", u + "uð", u + "u"]


def past(inf, cell):
    if cell.startswith("="):
        return cell[1:].split(",")
    if "/" not in cell:
        assert cell.endswith("i"), (inf, cell)
        return weak_six(cell)
    sg, pl = cell.split("/")
    sg = sg.split(",")
    first = sg[0]
    second = sg[1] if len(sg) > 1 else second_past(first)
    assert pl.endswith("u"), (inf, cell)
    st = pl[:-1]
    return [first, second, first, st + "um", st + "uð", pl]


def strong_subj(first):
    """Past subjunctive from its first singular: j before u after g, k and vowels (tækjum, sæjum)."""
    stem = first[:-1]
    j = "j" if stem[-1] in "gk" or stem[-1] in VOWELS else ""
    return [first, first + "r", first, stem + j + "um", stem + j + "uð", stem + j + "u"]


def subj_past(inf, cell, past_six):
    if cell.startswith("="):
        return cell[1:].split(",")
    if not cell:
        return past_six
    return strong_subj(cell)


def default_imp(inf):
    if not inf.endswith("a"):
        return inf
    stem = inf[:-1]
    return stem[:-1] if stem.endswith("j") else stem


def subj_present_default(inf):
    stem = rule_stem(inf)
    b = before_i(stem)
    return [b + "i", b + "ir", b + "i", umlaut(stem) + "um", b + "ið", b + "i"]


def o_class(inf, exact, kj=False):
    """The row of an -aði verb that ends in another lemma (opinbera in bera, sameina in meina), or whose
    ending the engine gives another class (baldýra, stykkja): its own forms, spelled out so that the
    suffix match stops there ("O | x kj": j kept before i after k, with the present subjunctive)."""
    stem = rule_stem(inf)
    pres, pst = rule(inf, 0, kj), rule(inf, 1)
    sp = ",".join(rule(inf, 2, kj)) if kj else "-"
    return "\t".join([inf, ",".join(pres), ",".join(pst), sp, ",".join(pst), stem + "að", "-", "-", "-",
                      "1" if exact else "-"])


def middle_only(inf, past_c, sup, exact, kj=False):
    """The row of a verb used only in the middle voice whose class is not its active verb's (endast: endist,
    entist, enst, while enda is endaði): "M" for the i-present with the past first singular given, "MO" for
    the -aði class (heitast: heitast, heitaðist)."""
    stem = inf[:-3] if inf.endswith("ast") else inf[:-2]
    u, i = umlaut(stem), before_i(stem, kj)
    if past_c == "O":
        pres = [inf, inf, inf, u + "umst", i + "ist", inf]
        pst = [stem + "aðist"] * 3 + [u + "uðumst", u + "uðust", u + "uðust"]
        sup = sup or inf
    else:
        pres = [i + "ist"] * 3 + [u + "umst", i + "ist", inf]
        pstem = past_c[:-3]
        pu = umlaut(pstem)
        pst = [past_c] * 3 + [pu + "umst", pu + "ust", pu + "ust"]
    sp = [i + "ist"] * 3 + [u + "umst", i + "ist", i + "ist"]
    return "\t".join([inf, ",".join(pres), ",".join(pst), ",".join(sp), ",".join(pst), sup, stem + "andi", "-",
                      i + "ist", "1" if exact else "-"])


def row(line):
    cells = [c.strip() for c in line.split("|")]
    cells += [""] * (7 - len(cells))
    inf, pres_c, past_c, subj_c, sup, imp, opts = cells
    if pres_c == "O":
        return o_class(inf, "x" in past_c.split(), "kj" in past_c.split())
    if pres_c == "M":
        flags = (imp + " " + opts).split()
        return middle_only(inf, past_c, sup, "x" in flags, "kj" in flags)
    pres = present(inf, pres_c)
    pst = past(inf, past_c)
    sbj = subj_past(inf, subj_c, pst)
    exact = "-"
    sp = subj_present_default(inf)
    pp = inf + "andi" if inf[-1] in VOWELS and not inf.endswith("a") else inf + "ndi"
    ip = pres[4]
    for o in opts.split():
        if o == "x":
            exact = "1"
        elif o.startswith("sp="):
            sp = o[3:].split(",")
        elif o.startswith("pp="):
            pp = o[3:]
        elif o.startswith("ip="):
            ip = o[3:]
        elif o == "imp=":
            # No imperative in use (mega, þurfa): empty cells.
            imp, ip = None, ""
        else:
            raise SystemExit(f"bad option {o!r} in {line!r}")
    defective = not sup
    if imp == "":
        imp = default_imp(inf)
    for forms in (pres, pst, sbj, sp):
        assert len(forms) == 6 and all(forms), (inf, forms)
    sp_cell = "-" if sp == rule(inf, 2) else ",".join(sp)
    pp_cell = "-" if pp == inf + "ndi" else pp
    imp_cell = "" if imp is None else "-" if imp == inf else imp
    ip_cell = "-" if ip == pres[4] else ip
    if defective:
        # No supine, participle or imperative (skulu, munu): empty forms.
        sup = imp_cell = ""
    return "\t".join([inf, ",".join(pres), ",".join(pst), sp_cell, ",".join(sbj), sup, pp_cell, imp_cell,
                      ip_cell, exact])


def prefixed(prefix, base_row, exact):
    cells = base_row.split("\t")
    out = [prefix + cells[0]]
    for i, c in enumerate(cells[1:9], 1):
        if c == "-":
            out.append(c)
        elif 1 <= i <= 4:
            out.append(",".join(prefix + f for f in c.split(",")))
        else:
            out.append(prefix + c)
    out.append("1" if exact else "-")
    return "\t".join(out)


def main():
    rows = {}
    derived = []
    for fixed in FIXED:
        rows[fixed.split("\t")[0]] = fixed
    with open(os.path.join(HERE, "verbs.txt"), encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.split("#")[0].strip()
            if not line:
                continue
            lemma = line.split("|")[0].strip()
            if "+" in lemma:
                # A prefixed verb with a row of its own: "endur+gera", the base's forms with the prefix.
                prefix, base = lemma.split("+")
                derived.append((prefix, base, "x" in line.split("|")[1:]))
                continue
            if lemma in rows:
                raise SystemExit(f"verbs.txt:{n}: {lemma} twice")
            rows[lemma] = row(line)
    for prefix, base, exact in derived:
        lemma = prefix + base
        if lemma in rows:
            raise SystemExit(f"verbs.txt: {lemma} twice")
        rows[lemma] = prefixed(prefix, rows[base], exact)
    out = sys.stdout
    out.write(HEADER)
    for lemma in sorted(rows):
        out.write(rows[lemma] + "\n")


if __name__ == "__main__":
    main()
