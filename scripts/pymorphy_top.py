"""What scripts/rus/check_top.py and scripts/ukr/check_top.py share: the most
frequent infinitives of a wordfreq list that a pymorphy3 dictionary knows, and
the comparison, slot by slot, of the module's forms with the dictionary's.

A script in scripts/<code>/ imports it after putting scripts/ on sys.path.
"""
import velnor
from wordfreq import top_n_list


def verbs(morph, reference, lang, size, endings, n):
    """The first `n` words of the `size` most frequent of `lang` that end in one of `endings` and
    for which `reference(morph, word)` gives forms."""
    out = []
    for w in top_n_list(lang, size):
        if w.endswith(endings) and reference(morph, w):
            out.append(w)
            if len(out) == n:
                break
    return out


def compare(morph, reference, words, code, slots, forms, variants=lambda ref: ref):
    """Prints each word whose forms (`forms(table)`, in the order of `slots`) the dictionary does not
    give in a slot where it gives any (`variants` widens the forms it gives), then the share of
    slots that agree."""
    total = right = 0
    for w in words:
        ref = reference(morph, w)
        try:
            t = velnor.conjugate(w, code)
        except ValueError:  # mixed scripts in the word list
            continue
        bad = []
        for s, g in zip(slots, forms(t)):
            if not ref[s]:
                continue
            total += 1
            if g in variants(ref[s]):
                right += 1
            else:
                bad.append(f"{s} {g}≠{'/'.join(sorted(ref[s]))}")
        if bad:
            print(w, "; ".join(bad))
    print(f"# {right}/{total} slots agree ({100 * right / max(total, 1):.1f} %)")
