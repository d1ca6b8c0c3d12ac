"""Verbs that wordfreq does not attest: derivations of frequent words, for data/fin.tsv.

    python3 scripts/fin/derive_candidates.py     # needs wordfreq and Debian's python3-libvoikko + voikko-fi

wordfreq's Finnish list attests every form of some 7,000 verbs (make_lexicon.py,
step 1). Many more real verbs are regular derivations of frequent words:
frequentatives in -ella/-ellä, -ailla, -skella (kirjoitella, hypellä),
momentanes in -ahtaa/-ähtää and -aista/-äistä (naksahtaa, vilkaista),
causatives in -ttaa/-ttää and -uttaa (kovettaa, kopauttaa), reflexives and
translatives in -utua/-ytyä, -itua, -ntua/-ntyä, -ua/-yä (kovettua, vanhentua,
tummua), inchoatives in -eta/-etä (pehmetä, kalveta), and the -ita/-itä,
-ota/-ötä, -ata/-ätä, -oida/-öidä, -istaa/-istää verbs built on nouns and
adjectives (uutisoida, jäykistää).

Bases: the ~7,000 verbs of make_lexicon.py's candidates, and every noun and
adjective that Voikko reads in a word of wordfreq's Finnish list (a compound
only where the list has its nominative singular itself); a base's frequency
counts all its forms in the list (a form's frequency shared among its
readings), as zipf. Each base's stem (the word less up to six final letters,
and its weak grade) is joined to each suffix above, in the base's vowel
harmony. A joined word is kept only when Voikko analyses it as the infinitive
of a verb of its own dictionary (CLASS "teonsana", BASEFORM the word itself;
see in_dictionary) and it is not a verb of the wordfreq list already. A verb
reached from several bases is credited to the most frequent one. The verbs
found serve as bases in turn (kohmettaa: kohmettua), at their base's
frequency, until no new verb comes.

Output: scripts/fin/derived.tsv: verb, base, the base's wordfreq zipf
frequency, suffix; ordered by the base's frequency, most frequent first.
make_lexicon.py takes these verbs after the wordfreq-ranked ones, in that
order, and types and checks them like the rest.
"""
import json
import math
import multiprocessing
import pathlib
import sys

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-libvoikko
import libvoikko  # noqa: E402
from wordfreq import top_n_list, word_frequency  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE / "derived.tsv"

SUFFIXES = [  # back-vowel forms; the front forms follow by harmony
    "ella", "illa", "ailla", "oilla", "skella", "eskella", "iskella", "stella", "ttella", "tella",
    "ahtaa", "ahdella", "aista", "ista", "ata", "ota", "uta", "eta", "ita",
    "ttaa", "uttaa", "ittaa", "ottaa", "aattaa", "istaa", "staa", "ntaa", "rtaa", "ltaa",
    "utua", "itua", "ntua", "stua", "istua", "ua", "oa", "ia", "ea", "aa", "tua", "ttua",
    "oida", "oitua", "oittaa", "ioida", "eilla", "aantua", "aantaa", "ehtia", "elehtia",
    "ertaa", "ksia", "eutua", "euttaa", "ottua", "entaa", "entua", "istella", "isoida", "isoitua",
    "uilla", "ustaa", "ustua",
]
FRONT = str.maketrans("aou", "äöy")
VOWELS = set("aeiouyäö")
WEAK = {"kk": ["k"], "pp": ["p"], "tt": ["t"], "nk": ["ng"], "mp": ["mm"], "lt": ["ll"],
        "nt": ["nn"], "rt": ["rr"], "ht": ["hd"], "lk": ["l", "lj"], "rk": ["r", "rj"],
        "hk": ["h"], "lp": ["lv"], "rp": ["rv"], "k": ["", "v", "j"], "p": ["v"], "t": ["d"]}

voikko = libvoikko.Voikko("fi")


def front(word):
    for ch in reversed(word):
        if ch in "aou":
            return False
        if ch in "äöy":
            return True
    return True


def stems(base):
    out = set()
    for k in range(1, 7):
        s = base[:-k]
        if len(s) < 2 or not any(c in VOWELS for c in s):
            continue
        out.add(s)
        for n in (2, 1):
            if s[-n:] in WEAK and len(s) > n:
                for w in WEAK[s[-n:]]:
                    out.add(s[:-n] + w)
                break
    out.add(base)
    return out


def in_dictionary(word):
    """Whether Voikko knows the word as a verb of its own dictionary: not a compound, and
    not one of the derivations it builds from a verb by rule (kokea: koeskella, validoida:
    validoitua, täsmentää: täsmennellä), many of which nobody uses."""
    for a in voikko.analyze(word):
        if (a.get("CLASS") == "teonsana" and a.get("BASEFORM") == word and a.get("MOOD") == "A-infinitive"
                and "=" not in a.get("STRUCTURE", "")[1:] and "[Xj]" not in a.get("FSTOUTPUT", "")):
            return True
    return False


def is_verb(word):
    if not voikko.spell(word):
        return False
    return any(a.get("CLASS") == "teonsana" and a.get("BASEFORM") == word
               and a.get("MOOD") == "A-infinitive" for a in voikko.analyze(word))


def bases(known_verbs):
    """Each base with its zipf frequency: all the word's forms in wordfreq's list
    counted (a form's frequency shared among its readings)."""
    known = set(known_verbs)
    freq = {}
    for w in top_n_list("fi", 10 ** 7):
        if not w.isalpha():
            continue
        # A compound counts only where the word is its dictionary form itself.
        readings = {(a.get("CLASS"), a.get("BASEFORM"), "=" in a.get("STRUCTURE", "")[1:]
                     and not (a.get("BASEFORM") == w and a.get("SIJAMUOTO") == "nimento"))
                    for a in voikko.analyze(w)}
        if not readings:
            continue
        f = word_frequency(w, "fi") / len(readings)
        for cls, base, compound in readings:
            if not base or not base.isalpha():
                continue
            if base in known or (cls in ("nimisana", "laatusana", "nimisana_laatusana") and not compound):
                freq[base] = freq.get(base, 0.0) + f
    return {b: math.log10(f * 1e9) for b, f in freq.items() if f > 0}


def derive(chunk):
    """(verb, base, zipf, suffix) for each verb that a base of the chunk yields, in the chunk's order."""
    known_set = set(json.loads((HERE / "candidates.json").read_text(encoding="utf-8")))
    out, seen = [], set()
    for b, z in chunk:
        fr = front(b)
        for s in sorted(stems(b), key=len, reverse=True):
            for suf in SUFFIXES:
                cand = s + (suf.translate(FRONT) if fr else suf)
                if cand in known_set or cand in seen or cand == b:
                    continue
                seen.add(cand)
                if is_verb(cand) and in_dictionary(cand):
                    out.append((cand, b, z, suf))
    return out


def main():
    known = json.loads((HERE / "candidates.json").read_text(encoding="utf-8"))
    base = sorted(bases(known).items(), key=lambda kv: (-kv[1], kv[0]))
    print(f"bases: {len(base)}", file=sys.stderr)
    chunks = [base[i:i + 500] for i in range(0, len(base), 500)]
    best = {}
    with multiprocessing.Pool(3) as pool:
        while chunks:
            new = []
            for found in pool.imap(derive, chunks):  # in order: the most frequent base wins
                for cand, b, z, suf in found:
                    if cand not in best:
                        best[cand] = (b, z, suf)
                        new.append((cand, z))
            # The verbs found are bases in turn (kohmettaa: kohmettua), at their base's frequency.
            new.sort(key=lambda kv: (-kv[1], kv[0]))
            chunks = [new[i:i + 500] for i in range(0, len(new), 500)]
            print(f"found {len(new)}", file=sys.stderr)
    lines = [f"{v}\t{b}\t{z:.2f}\t-{suf}\n" for v, (b, z, suf) in
             sorted(best.items(), key=lambda kv: (-kv[1][1], kv[1][0], kv[0]))]
    OUT.write_text("".join(lines), encoding="utf-8")
    print(f"derived verbs: {len(lines)}", file=sys.stderr)


if __name__ == "__main__":
    main()
