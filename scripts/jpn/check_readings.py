"""Check data/jpn_readings.tsv: each kana spelling against the reading of the verb it spells.

    pip install fugashi unidic-lite; python scripts/jpn/check_readings.py

The rows were written by hand (kana spellings of the 750 most frequent kanji verbs of
data/jpn.tsv by wordfreq rank, left out where the spelling also stands for a verb
of another class: きる, しめる, かえる, へる, うる, える, いる, ねる, あせる; and ます). fugashi with unidic-lite
reads each row's kanji verb; a row is confirmed when the kana of the verb's tokens,
put in hiragana, is the row's spelling. Prints the count and the rows it does not
confirm (other readings of the same kanji the analyser prefers, such as いだく).
"""
import pathlib

import fugashi

ROOT = pathlib.Path(__file__).resolve().parents[2]


def hiragana(text):
    return "".join(chr(ord(c) - 0x60) if "ァ" <= c <= "ヶ" else c for c in text)


def main():
    tagger = fugashi.Tagger()
    listed = {line.split("\t")[0] for line in (ROOT / "data" / "jpn.tsv").read_text(encoding="utf-8").splitlines()
              if line and not line.startswith("#")}
    rows = [line.split("\t") for line in (ROOT / "data" / "jpn_readings.tsv").read_text(encoding="utf-8").splitlines()
            if line and not line.startswith("#")]
    other = []
    for kana, lemma in rows:
        assert lemma in listed and kana not in listed, (kana, lemma)
        reading = hiragana("".join(getattr(m.feature, "kana", "") or m.surface for m in tagger(lemma)))
        if reading != kana:
            other.append(f"{kana}\t{lemma}\t{reading}")
    print(f"{len(rows)} rows, {len(rows) - len(other)} confirmed by the analyser's reading of the verb")
    print("\n".join(other))


if __name__ == "__main__":
    main()
