#!/usr/bin/env python3
"""Takes out of lexicons the rows that only repeat what the rules give.

Usage: rule_rows.py data/FILE.tsv ... [--words FILE] [--keep LEMMA ...] [--candidates FILE]

Leaves out every row of the named files (except the rows tools/check_data.py
requires and the --keep lemmas), rebuilds and installs the module into the
running interpreter's environment, and conjugates every word of the
comparison: every lemma of every lexicon as it stood, each capitalised and
upper-cased and in the other spellings a caller may pass (Swahili ku-,
reflexives...), the lines "code<TAB>word" of --words (for instance a frequency
list's verbs), for the languages of the files the wordfreq verbs with the
language's infinitive endings, and every word built on a lemma whose row may
go: the lemma behind each prefix and particle its engine splits off (the
string lists of src/<code>.cpp and src/<code>/ named for prefixes, particles
or heads), behind each beginning the language's own words show before
another of its words (про+зевать, voor+aanmelden), behind its negation
(Czech ne-), as the head of each longer word of the frequency list
(compounds), each in its reflexive and other spellings. A row whose absence
changes any attribute of any of these words goes back (with the rows of
lemmas that begin or end a changed word, and of the lemma a changed built
word stands on), and the round repeats until every attribute of every word is
what it was with all the rows. The files are left without the rows that the
rules give; their lemmas are printed.
"""
import argparse
import importlib.util
import collections
import os
import subprocess
import sys
import tempfile

from engine_lists import ROOT, lists

WORDFREQ = {"spa": ("es", ("ar", "er", "ir", "ír", "arse", "erse", "irse")), "cat": ("ca", ("ar", "er", "ir", "re")),
            "isl": ("is", ("a",)), "ukr": ("uk", ("ти", "тися", "ть", "тись")), "tur": ("tr", ("mak", "mek")),
            "kor": ("ko", ("다",)), "urd": ("ur", ("نا",)), "dan": ("da", ("e",)), "swe": ("sv", ("a",)),
            "ces": ("cs", ("t", "ti", "ci")), "fin": ("fi", ("a", "ä")), "rus": ("ru", ("ть", "ти", "чь", "ся")),
            "slv": ("sl", ("ti", "či")), "deu": ("de", ("en", "ln", "rn", "n")), "nld": ("nl", ("en", "n")),
            "eng": ("en", ("",)), "ita": ("it", ("are", "ere", "ire", "rre", "rsi")), "ron": ("ro", ("a", "i", "î")),
            "fra": ("fr", ("er", "ir", "re", "oir")), "por": ("pt", ("ar", "er", "ir", "or", "ôr")),
            "hin": ("hi", ("ना",)), "pes": ("fa", ("ن",)), "jpn": ("ja", ("う", "く", "ぐ", "す", "つ", "ぬ", "ぶ", "む", "る")),
            "tgl": ("tl", ("",)), "ben": ("bn", ("া",)), "tam": ("ta", ("",)), "hye": ("hy", ("ել", "ալ"))}


# Negation written as a prefix of the infinitive.
NEGATION = {"ces": ("ne",)}


def engine_prefixes(code):
    """The prefixes, preverbs, particles and compound heads that the engine of `code` splits off: the string lists
    of its sources named for them."""
    found = lists(code, r"\w*(?:prefix|preverb|particle|head|unstressed)\w*")
    return {p for strings in found.values() for p in strings if p.isalpha()}


def attested_prefixes(words, least=10, most=80):
    """The beginnings that stand before another of `words` at least `least` times (про + зевать, voor + komen,
    ne + dělat, yli + arvioida): the prefixes, particles and bound first parts the language's own words show."""
    count = collections.Counter()
    for w in words:
        for i in range(1, min(8, len(w) - 2)):
            if w[i:] in words:
                count[w[:i]] += 1
    # ties broken by the beginning itself, so that the same words give the same list in every run (the order of a
    # set of strings changes from one interpreter to the next)
    ranked = sorted(count.items(), key=lambda pn: (-pn[1], pn[0]))[:most]
    return {p for p, n in ranked if n >= least}


def built_words(code, lemmas, vocabulary, frequent):
    """Every word built on one of `lemmas` (lower case) -> the lemmas it is built on: each known or attested
    prefix or negation before it, and each word of `frequent` that ends in it after at least two letters (a
    compound's head); with the reflexive and other spellings of each."""
    built = collections.defaultdict(set)
    prefixes = engine_prefixes(code) | attested_prefixes(vocabulary) | set(NEGATION.get(code, ()))
    for lemma in lemmas:
        for p in prefixes:
            built[p + lemma].add(lemma)
    for w in frequent:
        for i in range(2, len(w) - 1):
            if w[i:] in lemmas:
                built[w].add(w[i:])
    for w in list(built):
        for v in variants(code, w):
            built[v] |= built[w]
    return built


def variants(code, lemma):
    """Other spellings a caller may pass for the lemma, which the engine reads through the lemma's row."""
    if code == "swa":
        return [f"ku{lemma}", f"kw{lemma}", f"ku-{lemma}"]
    if code == "ukr":
        return [lemma + "ся", lemma + "сь"] + ([lemma[:-2]] if lemma.endswith("ся") else [])
    if code == "cat":
        return [lemma + "-se", lemma + "se", lemma + "'s"]
    if code == "tur" and lemma.endswith("etmek"):
        return [lemma[:-5] + " etmek"]
    if code in ("dan", "swe"):
        return ["at " + lemma, "att " + lemma]
    return {"spa": [lemma + "se"], "por": [lemma + "-se"], "fra": ["se " + lemma, "s'" + lemma],
            "ita": [lemma[:-1] + "si"], "deu": ["sich " + lemma], "nld": ["zich " + lemma], "eng": ["to " + lemma],
            "rus": [lemma + "ся"], "ces": [lemma + " se"], "slv": [lemma + " se"]}.get(code, [])


def checker():
    spec = importlib.util.spec_from_file_location("check_data", os.path.join(ROOT, "tools", "check_data.py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def snapshot(words, out):
    subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "lexicon_snapshot.py"), ROOT, out, words],
                   check=True, cwd=tempfile.gettempdir())
    import compare
    return {(c, w): t for c, w, _, t in compare.lines(out)}


def build():
    subprocess.run([sys.executable, "-m", "pip", "install", "-q", "--no-build-isolation", "--no-deps",
                    "-C", "build-dir=build/rule-rows", "."], check=True, cwd=ROOT)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("files", nargs="+")
    ap.add_argument("--words")
    ap.add_argument("--keep", nargs="*", default=[])
    ap.add_argument("--candidates", help="lines file<TAB>lemma (this script's output): try only these rows")
    args = ap.parse_args()
    names = [os.path.basename(f) for f in args.files]
    rules = checker().RULES
    work = tempfile.mkdtemp()
    tried = None
    if args.candidates:
        with open(args.candidates, encoding="utf-8") as f:
            tried = {tuple(line.rstrip("\n").split("\t")) for line in f if line.strip()}
    texts = {n: open(os.path.join(ROOT, "data", n), encoding="utf-8").read().split("\n") for n in names}
    out_rows = {}
    for n, lines in texts.items():
        keep = set(rules[n].get("required", [])) | set(args.keep)
        out_rows[n] = {i for i, line in enumerate(lines) if line.strip() and not line.startswith("#")
                       and line.split("\t")[0] not in keep
                       and (tried is None or (n, line.split("\t")[0]) in tried)}
    words = os.path.join(work, "words.txt")
    vocabulary = collections.defaultdict(set)  # code -> lemmas of its lexicons and its frequent verbs, lower case
    built_on = {}  # (code, built word) -> the lemmas that may go that it stands on
    with open(words, "w", encoding="utf-8") as out:
        for name in os.listdir(os.path.join(ROOT, "data")):
            if not name.endswith(".tsv"):
                continue
            with open(os.path.join(ROOT, "data", name), encoding="utf-8") as f:
                for line in f:
                    if line.strip() and not line.startswith("#"):
                        lemma = line.split("\t")[0].rstrip("+\n")
                        vocabulary[name[:3]].add(lemma.lower())
                        for w in {lemma, lemma.capitalize(), lemma.upper(), *variants(name[:3], lemma)}:
                            out.write(f"{name[:3]}\t{w}\n")
        for code in sorted({n[:3] for n in names}):
            frequent = []
            if code in WORDFREQ:
                import wordfreq
                lang, ends = WORDFREQ[code]
                frequent = wordfreq.top_n_list(lang, 200000)
                verbs = [w for w in frequent if w.endswith(ends)]
                vocabulary[code] |= set(verbs)
                out.writelines(f"{code}\t{w}\n" for w in verbs)
            going = {texts[n][i].split("\t")[0].rstrip("+").lower() for n in names if n[:3] == code
                     for i in out_rows[n]}
            for w, lemmas in built_words(code, going, vocabulary[code], frequent).items():
                built_on[code, w.lower()] = lemmas
                out.write(f"{code}\t{w}\n")
            print(f"{code}: {sum(1 for c, _ in built_on if c == code)} words built on {len(going)} lemmas that may "
                  f"go", file=sys.stderr)
        if args.words:
            with open(args.words, encoding="utf-8") as f:
                out.write(f.read())
    build()
    before = snapshot(words, os.path.join(work, "before.jsonl"))
    for round_ in range(20):
        for n, lines in texts.items():
            with open(os.path.join(ROOT, "data", n), "w", encoding="utf-8") as f:
                f.write("\n".join(line for i, line in enumerate(lines) if i not in out_rows[n]))
        build()
        after = snapshot(words, os.path.join(work, "after.jsonl"))
        changed = {}
        for key, value in before.items():
            if after.get(key) != value:
                changed.setdefault(key[0], set()).add(key[1].lower())
        print(f"round {round_}: rows out {sum(map(len, out_rows.values()))}, words changed "
              f"{sum(map(len, changed.values()))}", file=sys.stderr)
        if not changed:
            break
        with open(os.path.join(work, f"changed{round_}.txt"), "w", encoding="utf-8") as f:
            f.writelines(f"{code}\t{w}\n" for code, hit in sorted(changed.items()) for w in sorted(hit))
        print(f"  the words: {f.name}", file=sys.stderr)
        for n, lines in texts.items():
            hit = changed.get(n[:3], set())
            lemma = {i: lines[i].split("\t")[0].rstrip("+").lower() for i in out_rows[n]}
            bases = set().union(*(built_on.get((n[:3], w), set()) for w in hit))
            back = {i for i in out_rows[n] if lemma[i] in hit or lemma[i] in bases}
            # a word that changed although its own row (if any) is back: a row it is built on
            rest = hit - {lemma[i] for i in back}
            if len(rest) < 5000:
                back |= {i for i in out_rows[n] if any(w.startswith(lemma[i]) or w.endswith(lemma[i]) for w in rest)}
            out_rows[n] -= back if back or round_ < 4 else out_rows[n]
    else:
        sys.exit("no stable set of rows found")
    for n, lines in texts.items():
        for i in sorted(out_rows[n]):
            print(f"{n}\t{lines[i].split(chr(9))[0]}")


if __name__ == "__main__":
    main()
