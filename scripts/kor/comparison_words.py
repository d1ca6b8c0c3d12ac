"""Writes the Korean words of the before/after comparison, "kor<TAB>word" a line, for
scripts/lexicon_snapshot.py and scripts/rule_rows.py --words.

The words: every dictionary form in 다 of Debian's hunspell-ko word list (stored
there in decomposed jamo, composed here), every verb and adjective that
scripts/kor/check_frequent.py selects from wordfreq (also those hunspell-ko
lacks) and the words of the mended classes named below. They only say which words to
compare; nothing here writes data/.
Usage: python scripts/kor/comparison_words.py > words.txt
"""
import pathlib
import re
import sys
import unicodedata

from kiwipiepy import Kiwi

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from check_frequent import frequent  # noqa: E402

DIC = "/usr/share/hunspell/ko_KR.dic"
# Words of the mended classes that neither list may hold.
NAMED = ("노르다", "겹다", "손쉽다", "매끄럽다", "따갑다", "갖다", "머물다", "서툴다", "딛다", "뵙다", "내딛다",
         "찾아뵙다", "다다르다", "파묻다", "버겁다", "검푸르다", "이르다")


def main():
    words = set()
    for line in open(DIC, encoding="utf-8"):
        word = unicodedata.normalize("NFC", line.split("/")[0].strip())
        if re.fullmatch(r"[가-힣]+다", word):
            words.add(word)
    words |= {w for w, _ in frequent(Kiwi(), 10**6, known_only=False)}
    words |= set(NAMED)
    sys.stdout.write("".join(f"kor\t{w}\n" for w in sorted(words)))


if __name__ == "__main__":
    main()
