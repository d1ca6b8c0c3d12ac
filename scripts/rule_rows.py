#!/usr/bin/env python3
"""Takes out of lexicons the rows that only repeat what the rules give.

Usage: rule_rows.py data/FILE.tsv ... [--words FILE] [--keep LEMMA ...] [--candidates FILE]

Leaves out every row of the named files (except the rows tools/check_data.py
requires and the --keep lemmas), rebuilds and installs the module into the
running interpreter's environment, and conjugates every word of the
comparison: every lemma of every lexicon as it stood, each capitalised and
upper-cased and in the other spellings a caller may pass (Swahili ku-,
reflexives...), the words built on the lemmas of the files (every first part
that the file shows before its lemmas, before every lemma), the lines "code<TAB>word" of --words (for instance a frequency
list's verbs) and, for the languages of the files, the wordfreq verbs with
the language's infinitive endings. A row whose absence changes any attribute
of any of these words goes back (with the rows of lemmas that begin or end a
changed word), and the round repeats until every attribute of every word is
what it was with all the rows. The files are left without the rows that the
rules give; their lemmas are printed.
"""
import argparse
import importlib.util
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORDFREQ = {"spa": ("es", ("ar", "er", "ir", "ír", "arse", "erse", "irse")), "cat": ("ca", ("ar", "er", "ir", "re")),
            "isl": ("is", ("a",)), "ukr": ("uk", ("ти", "тися", "ть", "тись")), "tur": ("tr", ("mak", "mek")),
            "kor": ("ko", ("다",)), "urd": ("ur", ("نا",)), "dan": ("da", ("e",)), "swe": ("sv", ("a",)),
            "ces": ("cs", ("t", "ti", "ci")), "fin": ("fi", ("a", "ä")), "rus": ("ru", ("ть", "ти", "чь", "ся")),
            "slv": ("sl", ("ti", "či")), "deu": ("de", ("en", "ln", "rn", "n")), "nld": ("nl", ("en", "n")),
            "eng": ("en", ("",)), "ita": ("it", ("are", "ere", "ire", "rre", "rsi")), "ron": ("ro", ("a", "i", "î")),
            "fra": ("fr", ("er", "ir", "re", "oir")), "por": ("pt", ("ar", "er", "ir", "or", "ôr")),
            "hin": ("hi", ("ना",)), "pes": ("fa", ("ن",)), "jpn": ("ja", ("う", "く", "ぐ", "す", "つ", "ぬ", "ぶ", "む", "る")),
            "tgl": ("tl", ("",)), "ben": ("bn", ("া",)), "tam": ("ta", ("",)), "hye": ("hy", ("ել", "ալ"))}


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


def built_on(lemmas):
    """Words built on the lemmas as the lexicon itself builds its words: every first part that stands before
    another of its lemmas at least twice (aan + melden, aan + vullen), put before every lemma (voor +
    aanmelden), so that a compound whose base row goes is compared too."""
    lemmas = set(lemmas)
    count = {}
    for m in lemmas:
        for i in range(1, min(len(m) - 1, 11)):
            if m[i:] in lemmas:
                count[m[:i]] = count.get(m[:i], 0) + 1
    parts = [p for p, n in count.items() if n >= 2]
    return {p + lemma for p in parts for lemma in lemmas}


def checker():
    spec = importlib.util.spec_from_file_location("check_data", os.path.join(ROOT, "tools", "check_data.py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def snapshot(words, out):
    subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "lexicon_snapshot.py"), ROOT, out, words],
                   check=True, cwd=tempfile.gettempdir())
    with open(out, encoding="utf-8") as f:
        return {tuple(line.split("\t", 2)[:2]): line.split("\t", 2)[2] for line in f}


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
    words = os.path.join(work, "words.txt")
    with open(words, "w", encoding="utf-8") as out:
        for name in os.listdir(os.path.join(ROOT, "data")):
            if not name.endswith(".tsv"):
                continue
            with open(os.path.join(ROOT, "data", name), encoding="utf-8") as f:
                for line in f:
                    if line.strip() and not line.startswith("#"):
                        lemma = line.split("\t")[0].rstrip("+\n")
                        for w in {lemma, lemma.capitalize(), lemma.upper(), *variants(name[:3], lemma)}:
                            out.write(f"{name[:3]}\t{w}\n")
        for n in names:
            with open(os.path.join(ROOT, "data", n), encoding="utf-8") as f:
                lemmas = [line.split("\t")[0].rstrip("+\n") for line in f if line.strip() and not line.startswith("#")]
            out.writelines(f"{n[:3]}\t{w}\n" for w in sorted(built_on(lemmas)))
        for code in {n[:3] for n in names} & set(WORDFREQ):
            import wordfreq
            lang, ends = WORDFREQ[code]
            out.writelines(f"{code}\t{w}\n" for w in wordfreq.top_n_list(lang, 200000) if w.endswith(ends))
        if args.words:
            with open(args.words, encoding="utf-8") as f:
                out.write(f.read())
    build()
    before = snapshot(words, os.path.join(work, "before.txt"))
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
    for round_ in range(20):
        for n, lines in texts.items():
            with open(os.path.join(ROOT, "data", n), "w", encoding="utf-8") as f:
                f.write("\n".join(line for i, line in enumerate(lines) if i not in out_rows[n]))
        build()
        after = snapshot(words, os.path.join(work, "after.txt"))
        changed = {}
        for key, value in before.items():
            if after.get(key) != value:
                changed.setdefault(key[0], set()).add(key[1].lower())
        print(f"round {round_}: rows out {sum(map(len, out_rows.values()))}, words changed "
              f"{sum(map(len, changed.values()))}", file=sys.stderr)
        if not changed:
            break
        for n, lines in texts.items():
            hit = changed.get(n[:3], set())
            lemma = {i: lines[i].split("\t")[0].rstrip("+").lower() for i in out_rows[n]}
            back = {i for i in out_rows[n] if lemma[i] in hit}
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
