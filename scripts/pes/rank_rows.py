"""Ranks candidate rows for data/pes.tsv by how often their forms occur.

Each candidate is a verb whose present stem does not follow from its
infinitive (or that must be listed so that it is not read as a preverb
compound), written by hand from the grammar as infinitive, present stem and
imperative override.  The verb's frequency is the highest wordfreq Zipf
value among its present, imperfect and subjunctive third persons (with and
without the joiner after می) and its past participle, which unlike the bare
past stem are rarely homographs of nouns.  Prints the candidates most frequent first, with the attestation of
each built form; run with the base python (wordfreq is a development tool).
"""
import pathlib
import sys

from wordfreq import zipf_frequency

ROOT = pathlib.Path(__file__).resolve().parents[2]
ZWNJ = "\u200c"

# infinitive, present stem, imperative override ("-" = rule)
CANDIDATES = """
شکافتن	شکاف	-
گسستن	گسل	-
گسیختن	گسل	-
گشادن	گشای	بگشا
آکندن	آکن	-
آگندن	آگن	-
پراکندن	پراکن	-
فرسودن	فرسای	بفرسا
پالودن	پالای	بپالا
فزودن	فزای	بفزا
سودن	سای	بسا
اندودن	اندای	بیندا
غنودن	غنو	-
شنودن	شنو	-
درودن	درو	-
بسودن	بساو	-
پسودن	پساو	-
هشتن	هل	-
ویراستن	ویرای	بویرا
ستردن	ستر	-
آختن	آهنج	-
سپوختن	سپوز	-
نبشتن	نویس	-
ستادن	ستان	-
افشردن	افشار	-
فکندن	فکن	-
فسردن	فسر	-
آهیختن	آهیز	-
درخشیدن	درخش	-
پسندیدن	پسند	-
""".strip().splitlines()


# The bare past stem is left out of the score: it is often a noun or a
# number as well (سود, هشت, درود, ستاد).
RANKED_BY = ("present3", "imperfect3", "subjunctive3", "participle")


def rows():
    for line in CANDIDATES:
        inf, present, imp = line.split("\t")
        yield inf, present, imp


def forms(inf, present, imp):
    past = inf[:-1]
    be = ("بیا" + present[1:] if present.startswith("آ") else
          "بی" + present[1:] if present.startswith("ا") else "ب" + present)
    return {
        "present3": ["می" + ZWNJ + present + "د", "می" + present + "د"],
        "imperfect3": ["می" + ZWNJ + past, "می" + past],
        "past3": [past],
        "subjunctive3": [be + "د"],
        "imperative": [be if imp == "-" else imp],
        "participle": [past + "ه"],
    }


def main():
    listed = {l.split("\t")[0] for l in (ROOT / "data" / "pes.tsv").read_text(encoding="utf-8").splitlines()
              if l and not l.startswith("#")}
    ranked = []
    for inf, present, imp in rows():
        f = forms(inf, present, imp)
        score = max(zipf_frequency(w, "fa") for k in RANKED_BY for w in f[k])
        seen = {k: max(zipf_frequency(w, "fa") for w in ws) for k, ws in f.items()}
        ranked.append((score, inf, present, imp, seen))
    ranked.sort(key=lambda r: -r[0])
    for score, inf, present, imp, seen in ranked:
        mark = "listed" if inf in listed else ""
        print(f"{score:.2f}\t{inf}\t{present}\t{imp}\t{mark}\t" +
              " ".join(f"{k}={v:.1f}" for k, v in seen.items()))


if __name__ == "__main__":
    sys.exit(main())
