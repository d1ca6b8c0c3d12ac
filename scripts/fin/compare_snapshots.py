"""Put the Finnish forms that changed between two snapshots to Voikko.

    python scripts/lexicon_snapshot.py . before.txt WORDS...   # with the old module installed
    python scripts/lexicon_snapshot.py . after.txt WORDS...    # with the new one
    python scripts/fin/compare_snapshots.py before.txt after.txt

For every Finnish word whose table differs, each form of the table before and
after is put to Voikko (known word; read as a form of the word's own
infinitive for finite forms, as a participle for participles, as check_lexicon.py
does). Prints the number of changed words and both shares by frequency band of
the verb (scripts/fin/rank.tsv), and writes the changed words with the forms that
moved to changed.tsv beside the after file.
"""
import pathlib
import sys

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-libvoikko
import libvoikko  # noqa: E402

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import lexicon_snapshot as snapshot  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
BANDS = [(1, 1000), (1001, 3000), (3001, 5000), (5001, 6999), (7000, 20000)]
PARTICIPLES = {"present_participle", "past_participle", "present_passive_participle", "past_passive_participle"}
voikko = libvoikko.Voikko("fi")


def read(path):
    return {word: attrs for word, attrs in snapshot.read(path, "fin").items() if attrs is not None}


def forms(attrs):
    for name, value in sorted(attrs.items()):
        if name in ("infinitive", "perfekti", "pluskvamperfekti"):
            continue
        for form in value if isinstance(value, list) else [value]:
            if form:
                yield name, form


def score(word, attrs, n):
    for name, form in forms(attrs):
        n[0] += 1
        known = voikko.spell(form)
        n[1] += bool(known)
        analyses = voikko.analyze(form) if known else []
        if name in PARTICIPLES:
            n[2] += any(a.get("PARTICIPLE") for a in analyses)
        else:
            n[2] += any(a.get("BASEFORM") == word for a in analyses)


def main(before_path, after_path):
    rank = {}
    for line in (HERE / "rank.tsv").read_text(encoding="utf-8").splitlines():
        lemma, r = line.split("\t")
        rank[lemma] = int(r)
    before, after = read(before_path), read(after_path)
    changed = sorted(w for w in before.keys() & after.keys() if before[w] != after[w])
    gone = sorted(before.keys() ^ after.keys())
    totals = {}
    lines = []
    for word in changed:
        r = rank.get(word)
        band = next((f"{lo}-{hi}" for lo, hi in BANDS if r is not None and lo <= r <= hi), "not ranked")
        b, a = totals.setdefault(band, ([0, 0, 0, 0], [0, 0, 0, 0]))
        b[3] += 1
        score(word, before[word], b)
        score(word, after[word], a)
        moved = [f"{k}: {before[word][k]!r} -> {after[word][k]!r}" for k in after[word]
                 if before[word].get(k) != after[word][k]]
        lines.append(f"{word}\t" + "; ".join(moved) + "\n")
    (pathlib.Path(after_path).parent / "changed.tsv").write_text("".join(lines), encoding="utf-8")
    print(f"{len(changed)} Finnish words changed, {len(gone)} accepted by only one of the two")
    order = [f"{lo}-{hi}" for lo, hi in BANDS] + ["not ranked"]
    for band in order:
        if band not in totals:
            continue
        b, a = totals[band]
        print(f"{band:>11}: {b[3]:6} words, {b[0]:7} forms; known to Voikko {100 * b[1] / b[0]:6.2f} % -> "
              f"{100 * a[1] / a[0]:6.2f} %, read as the verb's own form {100 * b[2] / b[0]:6.2f} % -> "
              f"{100 * a[2] / a[0]:6.2f} %")


if __name__ == "__main__":
    main(*sys.argv[1:3])
