"""The hunspell dictionaries as every script here asks them: through the hunspell library
(hunspell.HunSpell(dic, aff).spell), one word at a time.

Not the `hunspell` command: its tokenizer splits Indic words at their vowel signs and checks the pieces (of 40
Telugu forms it passes 4, the library 20), and it drops what it does not take for a letter ("mholtaǂ" passes).
A form of several words is checked word by word (`words_in`); a word with a character the dictionary's encoding
cannot write is rejected. A dictionary that is not installed is skipped with a line on standard error saying so,
and knows no word.

A script in scripts/ or scripts/<code>/ imports it after putting scripts/ on sys.path:

    import speller
    speller.known(words, "de_DE")          # the words (or forms) the dictionary accepts
    speller.rejected(words, "/usr/share/hunspell/de_DE")   # the single words it rejects, as `hunspell -l` printed
    speller.dictionary("da_DK").analyze(w) # the library object itself (None when not installed)
"""
import functools
import os
import re
import sys

HUNSPELL_DIR = "/usr/share/hunspell"


def path_of(dic):
    """A dictionary's path without suffix, from its name (de_DE) or its path (with or without .dic)."""
    dic = dic[:-4] if dic.endswith((".dic", ".aff")) else dic
    return dic if os.sep in dic else os.path.join(HUNSPELL_DIR, dic)


def installed(dic):
    base = path_of(dic)
    return os.path.exists(base + ".dic") and os.path.exists(base + ".aff")


class Dictionary:
    """One hunspell dictionary; `spell` answers for one word, the other methods are the library's."""

    def __init__(self, dic):
        import hunspell
        base = path_of(dic)
        self.name = os.path.basename(base)
        self.lib = hunspell.HunSpell(base + ".dic", base + ".aff")
        self.encoding = self.lib.get_dic_encoding()

    def spell(self, word):
        """Whether the dictionary accepts `word` as one word (a blank or a line break in it: no)."""
        if not word or any(c.isspace() for c in word):
            return False
        try:
            return bool(self.lib.spell(word))
        except UnicodeError:  # a letter the dictionary's encoding has not: no word of it
            return False

    def analyze(self, word):
        try:
            return [a.decode(self.encoding, errors="replace") for a in self.lib.analyze(word)]
        except UnicodeError:
            return []

    def stem(self, word):
        try:
            return [s.decode(self.encoding, errors="replace") for s in self.lib.stem(word)]
        except UnicodeError:
            return []


@functools.lru_cache(None)
def dictionary(dic):
    """The dictionary `dic` (a name such as de_DE or a path), or None with a line saying it is skipped."""
    if not installed(dic):
        print(f"hunspell dictionary {path_of(dic)} is not installed: skipped", file=sys.stderr)
        return None
    return Dictionary(dic)


def words_in(form):
    """The words of a form that a checker sees: split at blanks and at "/", without "—"."""
    return [w for w in re.split(r"[\s/]+", form or "") if w and w != "—"]


def accepts(words, dic):
    """{word: accepted} for single words (all False when the dictionary is not installed)."""
    d = dictionary(dic)
    return {w: d is not None and d.spell(w) for w in words}


def known(words, dic):
    """The words (or forms of several words) all of whose words the dictionary accepts."""
    d = dictionary(dic)
    if d is None:
        return set()
    return {f for f in set(words) if words_in(f) and all(d.spell(w) for w in words_in(f))}


def rejected(words, dic):
    """The single words of `words` (split at blanks) that the dictionary rejects; all of them when it is not
    installed."""
    d = dictionary(dic)
    return {w for f in words for w in (f or "").split() if d is None or not d.spell(w)}
