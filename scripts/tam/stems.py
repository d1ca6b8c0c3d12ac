"""Derives the six stems of Tamil verbs from their class and writes data/tam.tsv.

verbs.txt (beside this script) lists one verb a line, "root<TAB>class", the
class decided by hand from Tamil grammar:
  in      weak, past in -இன் (பேசு: பேசுகிற், பேசின், பேசுவ், பேசும், பேச, பேசுங்கள்)
  tt      weak, past in -ட்ட் (போடு: போட்ட்; the -படு and -இடு compounds)
  tha     weak, past in -த் (செய்: செய்த்; அழு: அழுத்)
  ntha    weak, past in -ந்த் (அறி: அறிந்த்; வளர்: வளர்ந்த்; விழு: விழுந்த்)
  strong  -க்கிற், -த்த், -ப்ப் (படி: படிக்கிற், படித்த், படிப்ப்)
  middle  -க்கிற், -ந்த், -ப்ப் (இரு: இருந்த்; நட: நடந்த், நடவுங்கள்)
  kol     compounds of கொள் (புரிந்துகொள்: புரிந்துகொண்ட்)
  aku     compounds of ஆகு (உருவாகு: உருவான்)
  va, po, sel  compounds of வா, போ and செல் (கொண்டுவா: கொண்டுவந்த்)
  rr      weak, past in -ற்ற் (பெறு: பெற்ற், and its compounds)
or "root<TAB>irr<TAB>present<TAB>past<TAB>future<TAB>um<TAB>inf<TAB>imp_pl" for a verb
whose stems are written out whole.

The rows written by hand in data/tam.tsv (those whose root verbs.txt does not
list) stay as they are, first; the derived rows follow, most frequent first: each verb is ranked by the summed wordfreq frequency of six of its
forms (infinitive, adverbial participle, present and past 3sg neuter, past 3pl
epicene, -உம் form). The script prints the share of those forms that wordfreq
attests, overall and by frequency band; a verb none of whose forms is attested is
reported and left out.
Usage: python scripts/tam/stems.py [--write]
"""
import pathlib
import sys

from wordfreq import word_frequency

HERE = pathlib.Path(__file__).resolve().parent
LEX = HERE.parents[1] / "data" / "tam.tsv"
U, I, V = "\u0BC1", "\u0BBF", "\u0BCD"  # ு ி ்
SIGNS = set("\u0BBE\u0BBF\u0BC0\u0BC1\u0BC2\u0BC6\u0BC7\u0BC8\u0BCA\u0BCB\u0BCC")


def join(stem, suffix):
    """Stem + suffix, an initial independent vowel of the suffix written as its sign."""
    signs = {"அ": "", "ஆ": "\u0BBE", "இ": I, "ஈ": "\u0BC0", "உ": U, "ஊ": "\u0BC2", "எ": "\u0BC6",
             "ஏ": "\u0BC7", "ஐ": "\u0BC8", "ஒ": "\u0BCA", "ஓ": "\u0BCB"}
    if suffix and suffix[0] in signs and stem.endswith(V):
        return stem[:-1] + signs[suffix[0]] + suffix[1:]
    return stem + suffix


SHORT = set("அஇஉஎஒ")
SHORT_SIGNS = {I, U, "\u0BC6", "\u0BCA"}  # ி ு ெ ொ


def short_syllable(root):
    """Whether a root is one short syllable closed by ய், ல், ள், ண் or ன் (பெய், எய், கொய்)."""
    if len(root) < 3 or not root.endswith(V) or root[-2] not in "யலளணன":
        return False
    head = root[:-2]
    consonant = "\u0B95" <= head[:1] <= "\u0BB9"
    return head in SHORT or (consonant and (len(head) == 1 or (len(head) == 2 and head[1] in SHORT_SIGNS)))


def weak_tail(root):
    """The -உம் form, the infinitive and the plural imperative of a weak root."""
    if root.endswith(U):
        return root + "ம்", root[:-1], root + "ங்கள்"
    if short_syllable(root):
        # the final consonant doubles before a vowel: பெய்யும், பெய்ய, பெய்யுங்கள்
        c = root[-2]
        return root + c + U + "ம்", root + c, root + c + U + "ங்கள்"
    if root.endswith(V):
        b = root[:-1]
        return b + U + "ம்", b, b + U + "ங்கள்"
    return root + "யும்", root + "ய", root + "யுங்கள்"


def stems(root, cls, cells):
    if cls == "irr":
        return cells
    if cls in ("kol", "aku", "va", "po", "sel"):
        base = {"kol": ("கொள்", ["கொள்கிற்", "கொண்ட்", "கொள்வ்", "கொள்ளும்", "கொள்ள", "கொள்ளுங்கள்"]),
                "aku": ("ஆகு", ["ஆகிற்", "ஆன்", "ஆவ்", "ஆகும்", "ஆக", "ஆகுங்கள்"]),
                "va": ("வா", ["வருகிற்", "வந்த்", "வருவ்", "வரும்", "வர", "வாருங்கள்"]),
                "po": ("போ", ["போகிற்", "போன்", "போவ்", "போகும்", "போக", "போங்கள்"]),
                "sel": ("செல்", ["செல்கிற்", "சென்ற்", "செல்வ்", "செல்லும்", "செல்ல", "செல்லுங்கள்"])}[cls]
        # ஆகு fuses with the word before it: உருவா-கு, so its ஆ is the ா there.
        head, forms = base
        if cls == "aku":
            assert root.endswith("ாகு"), root
            return [root[:-2] + f[1:] for f in forms]
        assert root.endswith(head), root
        return [root[: len(root) - len(head)] + f for f in forms]
    um, inf, imp = weak_tail(root)
    if cls == "in":
        assert root.endswith(U), root
        return [root + "கிற்", root[:-1] + I + "ன்", root + "வ்", um, inf, imp]
    if cls == "tt":
        assert root.endswith("டு"), root
        return [root + "கிற்", root[:-2] + "ட்ட்", root + "வ்", um, inf, imp]
    if cls == "rr":
        assert root.endswith("று"), root
        return [root + "கிற்", root[:-2] + "ற்ற்", root + "வ்", um, inf, imp]
    if cls == "tha":
        return [root + "கிற்", root + "த்", root + "வ்", um, inf, imp]
    if cls == "ntha":
        return [root + "கிற்", root + "ந்த்", root + "வ்", um, inf, imp]
    if cls in ("strong", "middle"):
        past = "த்த்" if cls == "strong" else "ந்த்"
        if root[-1] in SIGNS or root[-1] == V or cls == "strong":
            last = root[-1]
            if last == V:
                imp_pl = root[:-1] + U + "ங்கள்"
            elif last == U:
                imp_pl = root + "ங்கள்"
            elif last in SIGNS:
                imp_pl = root + "யுங்கள்"
            else:
                imp_pl = root + "வுங்கள்"
        else:
            imp_pl = root + "வுங்கள்"
        return [root + "க்கிற்", root + past, root + "ப்ப்", root + "க்கும்", root + "க்க", imp_pl]
    raise ValueError(f"{root}: unknown class {cls}")


def forms(root, cells):
    present, past, future, um, inf, imp = cells
    if past.endswith(I + "ன்"):
        adv, neut = past[:-2], past[:-2] + "யது"
    elif past.endswith("ன்") and not past.endswith("ன்ன்"):
        # the contracted pasts of போ and ஆகு: போய், ஆகி
        adv = root[:-1] + I if root.endswith(U) else root + "ய்"
        neut = join(past, "அது")
    else:
        adv, neut = join(past, "உ"), join(past, "அது")
    return [inf, adv, present.replace("கிற்", "கிறது"), neut, join(past, "ஆர்கள்"), um]


def main(write):
    lines = LEX.read_text(encoding="utf-8").splitlines()
    header = [l for l in lines if l.startswith("#")]
    verbs = [l.split("\t") for l in (HERE / "verbs.txt").read_text(encoding="utf-8").splitlines()
             if l.strip() and not l.startswith("#")]
    derived = {v[0] for v in verbs}
    old = [l for l in lines if l and not l.startswith("#") and l.split("\t")[0] not in derived]
    listed = {l.split("\t")[0] for l in old}
    new, seen = [], set()
    for root, cls, *cells in verbs:
        # The engine gives a compound of ஆகு the stems of ஆகு itself: no row.
        if root in listed or root in seen or cls == "aku":
            continue
        seen.add(root)
        row = stems(root, cls, cells)
        assert len(row) == 6 and all(row), line
        fs = forms(root, row)
        freqs = [word_frequency(f, "ta") for f in fs]
        new.append((sum(freqs), root, row, fs, freqs))
    new.sort(key=lambda r: -r[0])
    kept = [r for r in new if r[0] > 0]
    for r in new:
        if r[0] == 0:
            print("no form attested, left out:", r[1], " ".join(r[3]))
    bands = [kept[i:i + 100] for i in range(0, len(kept), 100)]
    total = sum(len(r[4]) for r in kept)
    hit = sum(1 for r in kept for f in r[4] if f > 0)
    print(f"rows: {len(old)} kept + {len(kept)} new = {len(old) + len(kept)}")
    print(f"forms attested in wordfreq: {hit} of {total} ({hit / max(total, 1):.1%})")
    for n, band in enumerate(bands):
        t = sum(len(r[4]) for r in band)
        h = sum(1 for r in band for f in r[4] if f > 0)
        print(f"  new rows {n * 100 + 1}-{n * 100 + len(band)}: {h} of {t} ({h / t:.1%})")
    if write:
        rows = old + ["\t".join([r[1]] + r[2]) for r in kept]
        LEX.write_text("\n".join(header + rows) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main("--write" in sys.argv)
