"""German -ieren verbs that the engine reads as a separable element + an -ieren verb, where the de_DE
hunspell dictionary does not know that rest as a verb: loans whose first letters look like a particle
(absolvieren, annullieren). Each listed verb is read by hand; the true loans get an "iw" row with
the prefix "-" in data/deu.tsv (weak, no ge-, one word).

usage: python scripts/deu/ieren_loans.py
"""
import sys
import pathlib

import velnor
import wordfreq

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from compounds import H, is_verb  # noqa: E402

for w in wordfreq.top_n_list("de", 300000):
    if not (w.isalpha() and w == w.lower() and w.endswith("ieren") and H.spell(w)):
        continue
    pres = velnor.conjugate(w).present[0]
    if " " not in pres:
        continue
    particle = pres.split(" ", 1)[1].replace(" ", "")
    rest = w[len(particle):]
    if not (H.spell(rest) and is_verb(rest)):
        known = "Z" if H.spell(particle + "zu" + rest) else "-"
        print(f"{w}\t{particle} + {rest}\t{known}")
