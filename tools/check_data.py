#!/usr/bin/env python3
"""Checks the lexicon texts in data/ before they are built into the module.

Usage: check_data.py FILE...   Prints one "file:line: reason" per fault and
exits with status 1 when there is any.

Every text must be UTF-8 and end in a line feed; rows are the lines that are
not empty and do not begin with "#" (a carriage return before the line feed
is dropped). For the files known below, the header lines each format
prescribes must stand in the leading comment block, every row must have the
documented number of cells, the cells of the fixed-vocabulary columns must
hold one of their values, a comma-separated form group must hold exactly the
documented number of forms, and no lemma may repeat where the format forbids
it; the rows an engine cannot do without must be there. A file without a
rule here is a fault. A cell that is empty where the format gives no meaning to an empty cell,
or that begins or ends with white space, is a fault too.
"""
import os
import re
import sys


def deu_row(cells):
    """The German rows: an infinitive in -en or -n; entry rows (s, m, p) name their
    preterite, Konjunktiv II and participle and their auxiliary; prefix-reading
    rows a prefix that begins the infinitive and is not all of it (the weak ones
    may give none) and no stems; the other rows (w, a) no stems either, and an
    auxiliary row its auxiliary."""
    inf, klass, pre, pret, konj2, part2, imp, aux = cells
    faults = []
    if not inf.endswith("n") or " " in inf:
        faults.append("the infinitive is not one word in -n")
    if klass in ("s", "m", "p", "a") and aux == "-":  # any other value is refused by the column rule
        faults.append("class %s needs the auxiliary h or s" % klass)
    if klass in ("s", "m", "p") and "-" in (pret, konj2, part2):
        faults.append("class %s needs the preterite, Konjunktiv II and participle" % klass)
    if klass in ("x", "xw", "i", "iw", "f"):
        if pre == "-" and not klass.endswith("w"):
            faults.append("class %s needs a prefix" % klass)
        if pre != "-" and (not inf.startswith(pre) or inf == pre):
            faults.append("prefix %r does not begin the infinitive" % pre)
        unread = (pret, konj2, imp)
    elif klass in ("w", "a"):
        unread = (pre, pret, konj2, part2) + ((imp,) if klass == "a" else ())
    else:
        unread = ()
    if any(cell != "-" for cell in unread):
        faults.append("class %s reads no cells but %s" % (klass, "the prefix and participle" if klass in (
            "x", "xw", "i", "iw", "f") else "the imperative" if klass == "w" else "the auxiliary"))
    return faults


def spa_row(cells):
    """The subjunctive cell holds one stem or six forms."""
    if "," in cells[7] and len(cells[7].split(",")) != 6:
        return ["cell 8 holds %d forms, expected 1 or 6" % len(cells[7].split(","))]
    return []


def kor_row(cells):
    """A shortened stem's row names its full dictionary form; no other row has a third cell."""
    if cells[1] == "short":
        return [] if len(cells) == 3 and cells[2].endswith("다") and len(cells[2]) > 1 else ["short without its full form"]
    return ["cell 3 is only for a shortened stem"] if len(cells) > 2 else []


def six_six(cells):
    """The subjunctive and past (preterite) cells always hold their six forms."""
    return ["cell %d holds no forms, expected 6" % (i + 1) for i in (7, 8) if cells[i] == "-"]


def perso_arabic(text):
    """The spelling the Persian and Urdu engines compare in (src/perso_arabic.cpp):
    no bidi marks, joiners, harakat, tatweel, noon ghunna or superscript alef;
    Arabic alef forms, teh marbuta, kaf and yeh folded."""
    text = re.sub("[\u061c\u200e\u200f\u200c\u200d\u064b-\u0652\u0640\u0658\u0670]", "", text)
    return text.translate(str.maketrans("\u0623\u0625\u0671\u0629\u0643\u0649\u064a",
                                        "\u0627\u0627\u0627\u0647\u06a9\u06cc\u06cc"))


# A rule: `cells` (least, most), `header` lines that must appear verbatim in
# the leading comment block, `values` {column: allowed texts}, `groups`
# {column: number of comma-separated forms, "-" allowed}, `unique` (lemma
# may not repeat), `empty` (columns that may be empty; True = all).
# `key` (when given) is the part of the row that may not repeat; `lower`:
# the lemma must be in lower case; `normal`: a function giving the spelling every
# cell must already have (the engine searches the table with that spelling); `row`: further rules, a function of the
# cells giving the faults; `required`: lemmas whose rows the engine cannot do
# without (the auxiliaries of the compound tenses, the rows it reads by name).
RULES = {
    "ben.tsv": dict(cells=(9, 9), groups={8: 5}, unique=True),
    "cat.tsv": dict(cells=(13, 13), unique=True, values={10: {"1", "-"}}, required=["haver"],
                    header=["# lemma\tpres\timpf\tpret\tsubjpres\tsubjimpf\tfut_stem\tpp\tger\timp2\texact\tppf\timp2pl"],
                    groups={1: 6, 2: 6, 3: 6, 4: 6, 5: 6}),
    "ces_aspect.tsv": dict(cells=(3, 3), unique=True, values={1: {"impf", "pf"}}, empty={2},
                           header=["# Czech aspect: lemma <TAB> impf|pf <TAB> counterpart lemmas "
                                   "(comma-separated, may be empty)"]),
    "ces_classes.tsv": dict(cells=(2, 2), unique=True, values={1: {"uje", "a", "i", "et-i", "et-eji", "ne"}},
                            header=["# lemma\tclass (uje a i et-i et-eji ne)"]),
    "ces_rows.tsv": dict(cells=(14, 15), unique=True,
                         header=["# lemma\tp1sg\tp2sg\tp3sg\tp1pl\tp2pl\tp3pl\timp2sg\timp1pl\timp2pl\tlptcp"
                                 "\tpassptcp\tcvb-m\tcvb-fn (\"-\" = derive)"]),
    "dan.tsv": dict(cells=(6, 7), unique=True, required=["have", "være"],
                    header=["# lemma\tpresent\tpast\tpast-participle\timperative\tpresent-participle "
                            "(\"-\" = class-1 default)"]),
    "dan_aux.tsv": dict(cells=(2, 2), unique=True, values={1: {"har", "er", "er/har"}}),
    "deu.tsv": dict(cells=(8, 8), key=(0, 1), row=deu_row, required=["haben"], lower=True,
                    values={1: {"s", "m", "p", "w", "a", "x", "xw", "i", "iw", "f"}, 7: {"h", "s", "-"}},
                    header=["# Exception lexicon: strong (s), mixed (m), and preterite-present (p) verbs.",
                            "# infinitive\tclass\tpres\tpret\tkonj2\tpart2\timp\taux",
                    "# Columns: infinitive, class, pres (2/3sg stem for s/m; full-singular stem for p),"]),
    "eng.tsv": dict(cells=(5, 5), unique=True, required=["have", "be"],
                    header=["# lemma\tpast\tpast-participle\tpresent-participle\tthird-singular (\"-\" = derive)"]),
    "est.tsv": dict(cells=(10, 13), unique=True,
                    header=["# lemma\tp1sg\tp3sg\tda\tpst1sg\tnud\ttud\timp2sg\tgu\ttakse (\"-\" = derive)"]),
    "fin.tsv": dict(cells=(9, 13), unique=True,
                    header=["# lemma\tp1sg\tp3sg\tpst1sg\tpst3sg\tnut\tpass-prs\tpass-pst\timp2sg "
                            "(\"-\" = type-I default)"]),
    "fra_irregular.tsv": dict(cells=(12, 16), groups={14: 6, 15: 3}, required=["être", "avoir"]),
    "gle.tsv": dict(cells=(9, 9), unique=True,
                    header=["# lemma\tprs-base\tpst-base\tfut-base\tvn\tptcp\timp2sg\timp2pl\tprs-auto "
                            "(\"-\" = derive)"]),
    "guj.tsv": dict(cells=(6, 6), unique=True, groups={1: 5, 2: 5, 3: 5, 4: 4},
                    header=["# lemma\tpresent\tfuture\tperfective\timperative\tconjunctive"]),
    "hin.tsv": dict(cells=(4, 4), unique=True, groups={1: 3, 2: 6, 3: 3},
                    header=["# lemma\tpfv(m.sg,m.pl,f)\tsubj(1sg,2sg,3sg,1pl,2pl,3pl)\timp(intim,famil,polite)"]),
    "hye.tsv": dict(cells=(10, 10), unique=True, values={4: {"1", "2", "3", "-"}},
                    header=["# lemma\tipfv\tperf\taor\taorset\timp_sg\timp_pl\tsub\tpass\tcaus"]),
    "hye_extra.tsv": dict(cells=(10, 10), unique=True, values={4: {"1", "2", "3", "-"}},
                    header=["# lemma\tipfv\tperf\taor\taorset\timp_sg\timp_pl\tsub\tpass\tcaus"]),
    "isl.tsv": dict(cells=(10, 10), unique=True, lower=True, required=["hafa", "vera"], values={9: {"1", "-"}},
                    groups={1: 6, 2: 6, 3: 6, 4: 6},
                    empty={5, 6, 7, 8},
                    header=["# unless the base is exact-only (col 9). A '-' tense falls through",
                            "# to the \u014d-class rule engine.",
                            "# lemma\tpres\tpast\tsubjpres\tsubjpast\tsupine\tpresp\timp2\timp2pl\texact"]),
    "ita_aux.tsv": dict(cells=(2, 2), unique=True, values={1: {"essere", "essere/avere"}},
                        header=["# lemma\tauxiliary (default: avere)"]),
    "ita_classes.tsv": dict(cells=(2, 2), unique=True, values={1: {"plain", "ii", "etti"}},
                            header=["# Italian class lists, mined from the gold oracles."]),
    "ita_irregular.tsv": dict(cells=(14, 14), groups={7: 6, 8: 6, 11: 6}, row=six_six,
                              required=["essere", "avere"],
                              header=["#   lemma pres1..6 subj6(comma) pr6(comma) fut_stem pp impf6 ger imp2"]),
    "ita_strong.tsv": dict(cells=(3, 3),
                    header=["# Italian strong verbs: lemma <TAB> passato remoto 1sg <TAB> past participle."]),
    "jpn.tsv": dict(cells=(2, 3), unique=True, header=["# lemma\\tclass"],
                    values={1: {"ichidan", "godan", "godan_iku", "godan_u", "rspecial", "suru", "zuru", "kuru"},
                            2: {"sa", "noimp"}}),
    "jpn_readings.tsv": dict(cells=(2, 2), header=["# kana\tlemma"]),
    "kan.tsv": dict(cells=(5, 7), unique=True,
                    header=["#   lemma  past_stem  past_3sg_neut  prs_stem  fut_stem"]),
    "kor.tsv": dict(cells=(2, 3), unique=True, row=kor_row,
                    values={1: {"b", "d", "s", "reu", "reo", "u", "h", "eae", "short", "r"}}),
    "kor_adjectives.tsv": dict(cells=(1, 2), unique=True, values={1: {"=", "verb"}},
                               header=["# lemma\tmark (= for this word alone, verb)"]),
    "mar.tsv": dict(cells=(9, 9), unique=True, groups={4: 6, 5: 5},
                    header=["# Columns: lemma  present  perfective  subjunctive  future  imperative  completive  "
                            "purposive  prospective"]),
    "mar_transitive.tsv": dict(cells=(1, 1), unique=True, header=["# lemma"]),
    "nld.tsv": dict(cells=(8, 8), unique=True, groups={2: 6}, empty={4, 5, 6}, required=["hebben", "zijn"],
                    header=["# lemma\tstem\tpres\tpast_sg\tpast_pl\tpp\timp\tprespart"]),
    "pes.tsv": dict(cells=(3, 3), unique=True, normal=perso_arabic,
                    header=["# infinitive\tpresent_stem\timperative_override"]),
    "por_irregular.tsv": dict(cells=(15, 15), unique=True, groups={7: 6, 8: 6, 11: 6}, row=six_six,
                              required=["ter", "haver", "deter", "advir"]),
    "por_stem_classes.tsv": dict(cells=(2, 2), unique=True,
                                 values={1: {"ei", "i", "u", "uo", "iw", "acc-i", "acc-u", "oi"}},
                                 header=["# Portuguese stem-changing classes, mined from the gold oracles."]),
    "ron_classes.tsv": dict(cells=(2, 2), unique=True,
                            values={1: {"a-ez", "a-bare", "ea", "e", "i-esc", "i-bare", "ih-asc", "ih-bare"}},
                            header=["# lemma\tclass (a-ez a-bare ea e i-esc i-bare ih-asc ih-bare)"]),
    "ron_overrides.tsv": dict(cells=(13, 13), unique=True, required=["avea", "fi"],
                              header=["# lemma\tprs1sg\tprs2sg\tprs3sg\tprs1pl\tprs2pl\tprs3pl\tsbjv3\timp2sg"
                                      "\tptcp\tger\tipfv1sg\tpfv3sg (\"-\" = derive)"]),
    "rus.tsv": dict(cells=(5, 5), values={4: {"1", "-"}}, groups={1: 6, 2: 4, 3: 2},
                    header=["# lemma\tnonpast(6)\tpast(4:masc,fem,neut,pl)\timp(2:sg,pl)\texact"]),
    "slv.tsv": dict(cells=(14, 15), unique=True,
                    header=["# lemma\tp-sg1\tp-sg2\tp-sg3\tp-du1\tp-du2\tp-du3\tp-pl1\tp-pl2\tp-pl3\timp2sg"
                            "\tlptcp\tsupine (\"-\" = derive)"]),
    "slv_classes.tsv": dict(cells=(2, 2), unique=True, values={1: {"a", "i", "uje", "ne"}},
                            header=["# lemma\tclass (a i uje ne)"]),
    "spa_irregular.tsv": dict(cells=(15, 15), unique=True, groups={11: 6, 14: 6}, row=spa_row, required=["haber"],
                              header=["# Spanish irregular lexicon. One row per base; prefixed derivatives"]),
    "spa_stem_classes.tsv": dict(cells=(2, 2), unique=True,
                                 values={1: {"ie", "ue", "ei", "ien", "acc-i", "acc-u", "i", "u"}}),
    "swa.tsv": dict(cells=(8, 8), unique=True, values={1: {"1", "-"}},
                    header=["# lemma\tmono\tinf\tlong_stem\tshort_stem\tsubj_stem\timp_sg\timp_pl"]),
    "swe.tsv": dict(cells=(7, 7), unique=True, required=["ha", "vara"],
                    header=["# Swedish principal parts, mined from the gold oracles.",
                            "# lemma\tpresent\tpast\tsupine\timperative\tsubj-pres\tsubj-past (\"-\" = class-1 default)"]),
    "tam.tsv": dict(cells=(7, 7), unique=True),
    "tel.tsv": dict(cells=(6, 8), unique=True),
    "tgl.tsv": dict(cells=(10, 10), unique=True,
                    values={1: {"mag", "um", "ma", "mang"}, 2: {"an", "in", "i", "-"}, 3: {"0", "1"}},
                    header=["# root\tactor\tpatient\th\tpfv_ag\tipfv_ag\tcont_ag\tpfv_pf\tipfv_pf\tcont_pf"]),
    "tur.tsv": dict(cells=(9, 9), unique=True,
                    header=["#   lemma  aorist  progressive  future  past  evidential  necessitative  imp_sg  imp_pl",
                            "# lemma\taorist\tprogressive\tfuture\tpast\tevidential\tnecessitative\timp_sg\timp_pl"]),
    "tur_compounds.tsv": dict(cells=(9, 9), unique=True,
                    header=["# lemma\taorist\tprogressive\tfuture\tpast\tevidential\tnecessitative\timp_sg\timp_pl"]),
    "ukr.tsv": dict(cells=(14, 14), unique=True,
                    header=["# lemma\tpres1sg\tpres2sg\tpres3sg\tpres1pl\tpres2pl\tpres3pl\timp2sg\timp1pl\timp2pl"
                            "\tpastM\tpastF\tpastN\tpastPl"]),
    "urd.tsv": dict(cells=(4, 4), unique=True, normal=perso_arabic, groups={1: 3, 2: 6, 3: 3},
                    header=["# lemma\tpfv(m.sg,m.pl,f)\tsubj(1sg,2sg,3sg,1pl,2pl,3pl)\timp(intim,famil,polite)"]),
}


# The endings one of which a lemma must have: the engine analyses no other
# infinitive, so a row without one could never be used (a trailing "+" of the
# lemma is not counted).
ENDS = {
    "est.tsv": ("ma",),
    "guj.tsv": ("વું",),
    "hin.tsv": ("ना",),
    "kor.tsv": ("다",),
    "mar.tsv": ("णे",),
    "mar_transitive.tsv": ("णे",),
    "pes.tsv": ("ن",),
    "por_irregular.tsv": ("ar", "er", "ir", "or", "ôr"),
    "por_stem_classes.tsv": ("ar", "er", "ir", "or", "ôr"),
    "rus.tsv": ("ть", "ти", "чь"),
    "spa_irregular.tsv": ("ar", "er", "ir", "ír"),
    "spa_stem_classes.tsv": ("ar", "er", "ir", "ír"),
    "tur.tsv": ("mak", "mek"),
    "tur_compounds.tsv": ("mak", "mek"),
    "urd.tsv": ("نا",),
}


def check_text(name, data):
    """The faults of one lexicon text (bytes), as "name:line: reason" strings."""
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        return ["%s:%d: not UTF-8" % (name, data[:e.start].count(b"\n") + 1)]
    lines = text.split("\n")
    faults = []
    if text and not text.endswith("\n"):
        faults.append("%s:%d: the last line has no line feed" % (name, len(lines)))
    rule = RULES.get(os.path.basename(name))
    if rule is None:
        return faults + ["%s:1: no rule for this file in tools/check_data.py" % name]
    ends = ENDS.get(os.path.basename(name))
    head = []
    for line in lines:
        if not line.startswith("#"):
            break
        head.append(line.rstrip("\r"))
    for wanted in rule.get("header", []):
        if wanted not in head:
            faults.append("%s:1: header line missing: %s" % (name, wanted.replace("\t", "\\t")))
    least, most = rule.get("cells", (1, None))
    values, groups, empty = rule.get("values", {}), rule.get("groups", {}), rule.get("empty", set())
    key = rule.get("key", (0,) if rule.get("unique") else None)
    seen = {}
    lemmas = set()
    for number, line in enumerate(lines, 1):
        if line.endswith("\r") and number < len(lines):
            line = line[:-1]
        if not line or line.startswith("#"):
            continue
        where = "%s:%d: " % (name, number)
        cells = line.split("\t")
        lemmas.add(cells[0])
        if len(cells) < least or (most is not None and len(cells) > most):
            span = str(least) if least == most else "%d to %s" % (least, most if most is not None else "any")
            faults.append(where + "%d cells, expected %s" % (len(cells), span))
            continue
        if ends and not cells[0].rstrip("+").endswith(ends):
            faults.append(where + "the lemma does not end in %s" % " or ".join(ends))
        if rule.get("lower") and cells[0] != cells[0].lower():
            faults.append(where + "the lemma is not in lower case")
        if "normal" in rule:
            faults += [where + "cell %d is not in the normalised spelling" % (i + 1)
                       for i, cell in enumerate(cells) if cell != rule["normal"](cell)]
        for i, cell in enumerate(cells):
            if cell != cell.strip():
                faults.append(where + "cell %d begins or ends with white space" % (i + 1))
            elif cell == "" and (i == 0 or (empty is not True and i not in empty)):
                faults.append(where + "cell %d is empty" % (i + 1))
            elif i in values and cell not in values[i]:
                faults.append(where + "cell %d is %r, expected one of %s" % (i + 1, cell, " ".join(sorted(values[i]))))
            elif i in groups and cell not in ("-", "\u2014"):  # "—": the verb has no such forms
                forms = cell.split(",")
                if len(forms) != groups[i]:
                    faults.append(where + "cell %d holds %d forms, expected %d" % (i + 1, len(forms), groups[i]))
                elif any(f != f.strip() or not f for f in forms):
                    faults.append(where + "cell %d has an empty or blank-padded form" % (i + 1))
        faults += [where + reason for reason in rule.get("row", lambda c: [])(cells)]
        if key is not None:
            k = tuple(cells[i] for i in key)
            if k in seen:
                faults.append(where + "%s repeats the row on line %d" % ("/".join(k), seen[k]))
            else:
                seen[k] = number
    faults += ["%s:1: required row %s is missing" % (name, lemma)
               for lemma in rule.get("required", []) if lemma not in lemmas]
    return faults


def main(argv):
    faults = []
    for path in argv:
        with open(path, "rb") as f:
            faults += check_text(os.path.join("data", os.path.basename(path)), f.read())
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
