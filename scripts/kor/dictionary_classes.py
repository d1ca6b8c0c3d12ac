"""Reads the word class of every Korean verb and adjective that hunspell-ko knows.

ko_KR.dic stores each dictionary form (in decomposed jamo) with a number that
names one of the AF flag sets of ko_KR.aff; each flag is one ending, named by a
comment above its rules. An action verb carries the plain-present flag
'-는다' (294: 먹는다); a descriptive verb lacks it and carries
'-다네(형용사)' (456). The adnominal '-는' (195) alone, without '-는다',
marks 있다, 없다 and their compounds (맛있다, 끝없다), which take 있는, 없는.
One spelling may have several entries (크다 "grow" and "big").

Classes: "verb", "adj" (a descriptive verb that takes -(으)ㄴ), "exist"
(있다/없다 type), "other" (no ending flags: 바다, 노가다).

Usage: python scripts/kor/dictionary_classes.py [--counts]
       prints "word<TAB>classes" for every word in 다, classes comma-separated;
       --counts prints how many words have each set of classes.
Nothing here writes data/: the rows are made by scripts/kor/adjectives.py.
"""
import collections
import re
import sys
import unicodedata

AFF = "/usr/share/hunspell/ko_KR.aff"
DIC = "/usr/share/hunspell/ko_KR.dic"
PRESENT = 294      # '-는다'
ADNOMINAL = 195    # '-는'
ADJECTIVE = 456    # '-다네(형용사)'


def flag_sets():
    """The AF alias table: alias n (from 1) is the n-th 'AF' line after the count line."""
    out = []
    with open(AFF, encoding="utf-8") as f:
        for line in f:
            if line.startswith("AF ") and "," in line or (line.startswith("AF ") and out):
                out.append({int(x) for x in line[3:].split(",")})
            elif line.startswith("AF "):
                out.append(None)  # the count line
    return out


def entry_class(flags):
    if PRESENT in flags:
        return "verb"
    if ADJECTIVE in flags:
        return "exist" if ADNOMINAL in flags else "adj"
    return "other"


def classes():
    """Every Hangul word in 다 of the dictionary and the set of its entries' classes."""
    af = flag_sets()
    out = collections.defaultdict(set)
    with open(DIC, encoding="utf-8") as f:
        next(f)
        for line in f:
            word, _, flags = line.strip().partition("/")
            word = unicodedata.normalize("NFC", word)
            if not re.fullmatch(r"[가-힣]+다", word):
                continue
            fl = set()
            for a in filter(None, flags.split(",")):
                fl |= af[int(a)] if a.isdigit() else set()
            out[word].add(entry_class(fl))
    return out


def main():
    cls = classes()
    if "--counts" in sys.argv:
        for k, n in collections.Counter(",".join(sorted(v)) for v in cls.values()).most_common():
            print(f"{n}\t{k}")
        return
    for w in sorted(cls):
        print(f"{w}\t{','.join(sorted(cls[w]))}")


if __name__ == "__main__":
    main()
