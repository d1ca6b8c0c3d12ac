#!/usr/bin/env python3
"""Compares the whole output of two builds of velnor: every changed slot of a real verb, every word conjugated
now, every form a change broke, every crash.

The usual run, from a work tree whose build is installed in the running interpreter's environment:

  python scripts/compare.py run --base main nld isl      # or --base HEAD~3, a commit...
      builds REV in a temporary git worktree into a venv of its own (kept under $VELNOR_COMPARE_CACHE,
      default /tmp/velnor-compare, by commit, so the next run reuses it), makes one word list for the
      languages (over the lexicons of both trees), snapshots both builds over it and prints the diff.
      --keep DIR keeps in DIR the word list, the snapshots, the list of every changed slot (changes.tsv) and
      the changed tables of the real verbs, old beside new (real.txt: the file to read before a change lands);
      --limit N prints at most N lines per list (default: all); --workers N (default 2) worker processes.

The steps on their own:

  python scripts/compare.py words LANG... > words.jsonl                    # the word list (a temporary file)
  python scripts/compare.py tables words.jsonl --out before.jsonl.gz       # with the module before the change
  python scripts/compare.py tables words.jsonl --out after.jsonl.gz        # ... and after it
  python scripts/compare.py diff before.jsonl.gz after.jsonl.gz [--changes changes.tsv] [--real real.txt]

The files are JSON lines, one word a line, by language and word: [code, word, kind] in the word list and
[code, word, kind, table or error] in a snapshot (names ending in .gz are compressed); kind is the word's source,
an index in KINDS (dictionary, lexicon, spelling) or null (built). This is the one snapshot format: the
snapshots of scripts/lexicon_snapshot.py, scripts/deu/snapshot.py and the word lists of scripts/tgl/words.py are
in it, and scripts/checker_diff.py and scripts/snapshot.py are former names of this script's diff and steps.
Each step reads and writes them as they come, and the diff reads both snapshots in step and holds one language
at a time, and of it only the slots it lists, so a language of close to a million words runs in well under 1 GB.

The tables are made in worker processes (python compare.py worker), a chunk of words each, and written as they
come back. A worker that dies (the interpreter crashes or aborts, or gives no answer in 600 s) names the word it
was on, the one after the last line it wrote; that word is tried alone and recorded as "crash: " and how the
worker died (killed by SIGSEGV, exit status 1, no answer in 600 s, "after the words before it" when it passes
alone), and the rest of its chunk goes to a new worker. An error other than ValueError is recorded the same way
("crash: RuntimeError: ..."). The crashes are printed when the snapshot is done and listed by the diff.

The words of a language: every verb of the infinitive's shape that its dictionary or analyser knows (the
hunspell dictionary's stems and their unmunch expansions (package hunspell-tools; the stems alone without it), the
en_US stems that take -ing, pymorphy3's infinitives for rus/ukr, BÍN's verbs for isl, Voikko's for fin, hunspell-ko
and kiwipiepy for kor, zemberek's verbs for tur, the ga_IE verbs of scripts/gle/dictionary_verbs.py), wordfreq's
top 300,000 of that shape that the checker accepts (all of them where there is no checker), every lemma of
data/<code>*.tsv and every input of tests/data/forms/<code>*.tsv; each lexicon lemma also capitalised,
upper-cased, without accents, with a joiner, a blank or nothing between its parts (pes, urd), hyphenated and
not, in its reflexive and other spellings, and every word built on it (prefixes, preverbs, particles and heads
of the engine, prefixes the language's words show, negation, compounds of the frequency list:
scripts/rule_rows.py).

The checkers (a form passes when one of them accepts it): hunspell for most languages, Voikko (fin), pymorphy3
with hunspell (rus, ukr), BÍN through islenska with hunspell (isl), Vabamorf of estnltk (est: hunspell et_EE
takes made-up words), zemberek with hunspell (tur). jpn, kan, mar, tam and urd have none. Hunspell is asked
through its library, one word at a time (scripts/speller.py), not through the command, whose tokenizer splits
Indic words and passes stray symbols. A dictionary that is not installed is skipped, with a line saying so
under its language; a language left with no checker is diffed as one that has none.

The diff, per language, after the words compared and the words whose table changed:
- every slot whose form the language's checker accepted before and rejects after (word, attribute, slot, old
  form -> new form), every slot that went from a form to nothing (None, "", "—"), every word now refused, and,
  for a language without a checker, every changed slot;
- every crash, with its word, before and after;
- every word conjugated now that was refused before, with the words of its new table the checker does not know
  (a word refused both times with another message is not conjugated now: it is only counted, and listed in
  changes.tsv as "message");
- every changed slot of each real verb, judged or not, each with its kind (SLOT_KINDS): checker (known before,
  unknown after), empty, filled (nothing before), order (the same words in another order), unknown (neither
  form known), known (one known form for another), now known (an unknown form for a known one), other (no
  checker). A real verb is a lemma of the lexicon or the tests, or a word of the dictionary or analyser whose
  table before the checker mostly (half or more of its words) accepts, which leaves out most nouns of the
  infinitive's shape; without a checker, every word of the dictionary and the lexicon;
- one summary line with the counts of each.
A form of several words is judged word by word, leaving out the words the old and the new form share
(auxiliaries, pronouns, particles that stayed). Each word is printed once with all its slots of a list, with its
source and the share of its table before that the checker knows; real verbs first, then by source and
frequency (the real verbs' list: lexicon lemmas first, then by that share, the surest verbs first); capitalised
and upper-cased spellings that changed as the lower-case word did are named on its line.
changes.tsv lists every changed slot and word (code, kind, word, slot, old -> new); real.txt gives each changed
real verb's whole table, old beside new, one slot a line, a changed slot marked * with its kind and a form the
checker does not know marked ?. The checkers' answers and the dictionaries' word lists are cached in the cache
directory; the checkers' versions are printed with the diff.
"""
import argparse
import collections
import concurrent.futures
import contextlib
import fcntl
import functools
import glob
import gzip
import hashlib
import io
import itertools
import json
import multiprocessing
import os
import re
import signal
import subprocess
import sys
import tempfile
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import speller  # noqa: E402
from engine_lists import ROOT  # noqa: E402

CACHE = os.environ.get("VELNOR_COMPARE_CACHE", os.path.join(tempfile.gettempdir(), "velnor-compare"))
HUNSPELL_DIR = speller.HUNSPELL_DIR
ZWNJ = "\u200c"
EMPTY = (None, "", "—")

# code -> the hunspell dictionaries whose acceptance counts (one is enough)
HUNSPELL = {"ben": ["bn_BD"], "cat": ["ca"], "ces": ["cs_CZ"], "dan": ["da_DK"], "deu": ["de_DE"],
            "eng": ["en_US", "en_GB"], "est": ["et_EE"], "fra": ["fr"], "gle": ["ga_IE"], "guj": ["gu_IN"],
            "hin": ["hi_IN"], "hye": ["hy_AM"], "isl": ["is_IS"], "ita": ["it_IT"], "kor": ["ko_KR"],
            "nld": ["nl_NL"], "pes": ["fa_IR"], "por": ["pt_PT", "pt_BR"], "ron": ["ro_RO"], "rus": ["ru_RU"],
            "slv": ["sl_SI"], "spa": ["es_ES"], "swa": ["sw_TZ"], "swe": ["sv_SE"], "tel": ["te_IN"],
            "tgl": ["tl"], "tur": ["tr_TR"], "ukr": ["uk_UA"]}
# code -> checkers besides hunspell
ANALYSERS = {"fin": ["voikko"], "rus": ["pymorphy3"], "ukr": ["pymorphy3"], "isl": ["islenska"], "est": ["vabamorf"],
             "tur": ["zemberek"]}
# dictionaries that give words but do not judge forms: et_EE accepts made-up words (teenn)
NOT_CHECKING = {"et_EE"}
LANGS = sorted(set(HUNSPELL) | set(ANALYSERS) | {"jpn", "kan", "mar", "tam", "urd"})
# infinitive endings of the languages that scripts/rule_rows.py does not list ("" : any word)
MORE_ENDINGS = {"pes": ("دن", "تن"), "est": ("ma",), "gle": ("",), "guj": ("વું",), "kan": ("ು",), "mar": ("णे",), "swa": ("a",),
                "tel": ("ు",)}
# what users type with a hyphen before a lemma
HYPHENATED = {"gle": ("dí-", "ath-", "mí-", "neamh-", "réamh-", "so-", "do-"), "tgl": ("mag-", "pag-", "nag-")}


def checker_names(code):
    """The checkers of a language, as the diff names them (a dictionary that is not installed is left out)."""
    names = [f"hunspell {d}" for d in HUNSPELL.get(code, []) if d not in NOT_CHECKING and speller.installed(d)]
    return " + ".join(names + ANALYSERS.get(code, [])) or "no checker"


def missing(code):
    """The lines saying which of the language's hunspell dictionaries are not installed and so skipped."""
    return [f"hunspell dictionary {d} is not installed: skipped" for d in HUNSPELL.get(code, [])
            if d not in NOT_CHECKING and not speller.installed(d)]


# ---------------------------------------------------------------------------------------------- checkers

def save(obj, path):
    """Writes a cache file whole or not at all (several runs may share the cache)."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", dir=os.path.dirname(path), delete=False) as f:
        json.dump(obj, f, ensure_ascii=False)
    os.chmod(f.name, 0o644)
    os.replace(f.name, path)


def _cache_file(name):
    os.makedirs(CACHE, exist_ok=True)
    return os.path.join(CACHE, f"answers-{name}.json")


class Checker:
    """Whether a language's checkers accept words (any one of them is enough); answers are cached on disk."""

    def __init__(self, code):
        self.code = code
        self.name = checker_names(code)
        self.known = {}
        # the answers of the hunspell library (the command's answers, cached before, were others)
        self.path = _cache_file(f"{code}-{hashlib.md5((self.name + ' library').encode()).hexdigest()[:8]}")
        path = self.path
        if os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                self.known = json.load(f)
        self.loaded = len(self.known)

    def accepts(self, words):
        """{word: accepted} for `words` (single words)."""
        todo = sorted({w for w in words if w not in self.known})
        if todo:
            ok = set()
            for d in (d for d in HUNSPELL.get(self.code, []) if d not in NOT_CHECKING and speller.installed(d)):
                ok |= hunspell_accepted(d, [w for w in todo if w not in ok])
            for a in ANALYSERS.get(self.code, []):
                ok |= ANALYSER[a](self.code, [w for w in todo if w not in ok])
            self.known.update((w, w in ok) for w in todo)
            save(self.known, self.path)
        return {w: self.known[w] for w in words}


def hunspell_accepted(dictionary, words):
    """The words that the hunspell dictionary accepts, asked one by one through the library (scripts/speller.py)."""
    return {w for w, ok in speller.accepts(words, dictionary).items() if ok}


def voikko_accepted(code, words):
    sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-libvoikko
    import libvoikko
    v = libvoikko.Voikko("fi")
    return {w for w in words if v.spell(w)}


@functools.lru_cache(None)
def pymorphy(code):
    import pymorphy3
    return pymorphy3.MorphAnalyzer(lang=code[:2])


def pymorphy_accepted(code, words):
    m = pymorphy(code)
    return {w for w in words if m.word_is_known(w.lower())}


@functools.lru_cache(None)
def bin_db():
    import islenska
    return islenska.Bin()


def islenska_accepted(code, words):
    b = bin_db()
    return {w for w in words if b.lookup(w)[1]}


def vabamorf_accepted(code, words):
    from estnltk.vabamorf import morf
    return {r["text"] for r in morf.Vabamorf.instance().spellcheck(list(words), suggestions=False) if r["spelling"]}


@functools.lru_cache(None)
def zemberek():
    import contextlib
    import logging
    with contextlib.redirect_stdout(sys.stderr):  # it logs to standard output, where the word list goes
        from zemberek import TurkishMorphology
        logging.getLogger("zemberek").setLevel(logging.WARNING)
        return TurkishMorphology.create_with_defaults()


def zemberek_accepted(code, words):
    m = zemberek()
    return {w for w in words if m.analyze(w).analysis_results}


ANALYSER = {"zemberek": zemberek_accepted, "voikko": voikko_accepted, "pymorphy3": pymorphy_accepted, "islenska": islenska_accepted,
            "vabamorf": vabamorf_accepted}


def versions(codes):
    """One line naming the checkers' versions, as scripts/checker_versions.py reads them."""
    import checker_versions as cv
    out = []
    for code in codes:
        text = " ".join(f"hunspell/{d}" for d in HUNSPELL.get(code, []) if d not in NOT_CHECKING)
        text += " " + " ".join(ANALYSERS.get(code, [])).replace("pymorphy3", "pymorphy").replace("vabamorf", "estnltk")
        out += [f"{name} {version or 'not installed'}" for name, version in cv.checkers(text)]
    return "checkers: " + ", ".join(sorted(set(out))) if out else "checkers: none"


# ---------------------------------------------------------------------------------------------- word lists

def endings(code):
    import rule_rows
    return MORE_ENDINGS.get(code) or rule_rows.WORDFREQ[code][1]


def shaped(code, w):
    """Whether w has the shape of an infinitive of the language (one word, its letters, its endings)."""
    return (len(w) >= 2 and w.endswith(endings(code)) and w == w.lower()
            and all(c.isalpha() or unicodedata.category(c) in ("Mn", "Mc") or c == ZWNJ for c in w))


def hunspell_words(dictionary, keep):
    """The words for which keep(word) holds among a hunspell dictionary's stems and, where unmunch can, their
    expansions (read as they come: some dictionaries expand to tens of millions of words), in NFC."""
    dic, aff = (os.path.join(HUNSPELL_DIR, f"{dictionary}.{x}") for x in ("dic", "aff"))
    encoding = "utf-8"
    with open(aff, "rb") as f:
        m = re.search(rb"^SET\s+(\S+)", f.read(), re.M)
        if m:
            encoding = m.group(1).decode().lower().replace("microsoft-", "")
    out = set()

    def add(w):
        w = unicodedata.normalize("NFC", w.strip())
        if w and keep(w):
            out.add(w)

    with open(dic, encoding=encoding, errors="replace") as f:
        next(f, None)
        for line in f:
            add(line.split("/")[0].split("\t")[0])
    try:
        with subprocess.Popen(["unmunch", dic, aff], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL) as p:
            for line in p.stdout:
                add(line.decode(encoding, errors="replace"))
    except OSError:
        pass  # no unmunch: the stems alone
    return out


def english_verbs():
    """The stems of en_US that take -ing (flag G): the affix file's verbs."""
    with open(os.path.join(HUNSPELL_DIR, "en_US.dic"), encoding="utf-8") as f:
        next(f)
        return {s for s, _, fl in (line.strip().partition("/") for line in f) if "G" in fl and s.isalpha()}


def pymorphy_infinitives(code):
    m = pymorphy(code)
    d = m.dictionary

    @functools.lru_cache(None)
    def infinitive(para, idx):
        tag = str(d.build_tag_info(para, idx))
        return tag.startswith("INFN") or "infn" in tag

    return {w for w, (p, i) in d.words.iteritems() if w.endswith(endings(code)) and infinitive(p, i)}


def bin_verbs(words):
    """The verbs of BÍN among `words` and BÍN's own lemmas of an infinitive's ending."""
    from islenska.bincompress import BinCompressed
    compressed = BinCompressed()
    for i in range(len(compressed._lemmas) // 4):
        try:
            lemma = compressed.lemma(i)[0]
        except Exception:  # noqa: BLE001 (an id that names no lemma)
            continue
        if lemma.endswith(endings("isl")):
            words.add(lemma)
    b = bin_db()
    return {w for w in words if any(m.ofl == "so" and m.ord == w for m in b.lookup(w)[1])}


def voikko_verbs(words):
    sys.path.append("/usr/lib/python3/dist-packages")
    import libvoikko
    v = libvoikko.Voikko("fi")
    return {w for w in words if any(a.get("CLASS") == "teonsana" and a.get("BASEFORM") == w for a in v.analyze(w))}


def frequent(code, n=300000):
    """wordfreq's top n words of the language, or none when it has no list."""
    import rule_rows
    import wordfreq
    lang = rule_rows.WORDFREQ.get(code, (None,))[0]
    if lang not in wordfreq.available_languages() and lang != "tl":  # wordfreq reads tl as fil
        return []  # not the nearest other language's list
    return wordfreq.top_n_list(lang, n)


def dictionary_words(code):
    """The verbs of the shape of the language that its dictionary or analyser knows (cached: they do not depend on
    the tree) and the frequency list's words of that shape that the checker accepts."""
    path = os.path.join(CACHE, f"dictionary-{code}.json")
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            return set(json.load(f))
    found = set()
    for d in HUNSPELL.get(code, []):
        if speller.installed(d):
            found |= hunspell_words(d, lambda w: shaped(code, w))
        else:
            print(f"hunspell dictionary {d} is not installed: its words are skipped", file=sys.stderr)
    if code == "eng" and speller.installed("en_US"):
        found = english_verbs()
    if code in ("rus", "ukr"):
        found |= pymorphy_infinitives(code)
    if code == "gle":
        sys.path.insert(0, os.path.join(ROOT, "scripts", "gle"))
        import dictionary_verbs
        found = set(dictionary_verbs.verbs())
    cands = {w for w in frequent(code) if shaped(code, w)}
    if code == "isl":
        found = bin_verbs(found | cands)
    elif code == "fin":
        found |= voikko_verbs(cands)
    elif code == "tur":
        from zemberek.core.turkish import PrimaryPos
        found |= {i.lemma for i in zemberek().lexicon.item_set if i.primary_pos == PrimaryPos.Verb}
    elif code == "kor":
        sys.path.insert(0, os.path.join(ROOT, "scripts", "kor"))
        from check_frequent import frequent as kiwi_frequent
        from kiwipiepy import Kiwi
        found = {w for w in found if re.fullmatch(r"[가-힣]+다", w)}
        found |= {w for w, _ in kiwi_frequent(Kiwi(), 10**6, known_only=False)}
    elif checker_names(code) != "no checker" and code not in ("eng", "tgl", "gle"):
        ok = Checker(code).accepts(cands)
        found |= {w for w in cands if ok[w]}
    elif endings(code) != ("",):
        found |= cands  # no checker: the shape alone
    save(sorted(found), path)
    return found


def lexicon_lemmas(code, roots):
    out = set()
    for root in roots:
        for path in glob.glob(os.path.join(root, "data", f"{code}*.tsv")) + glob.glob(
                os.path.join(root, "tests", "data", "forms", f"{code}*.tsv")):
            with open(path, encoding="utf-8") as f:
                for line in f:
                    if line.strip() and not line.startswith(("#", "@")):
                        w = line.split("\t")[0].strip().rstrip("+")
                        if w:
                            out.add(w)
    return out


def strip_accents(w):
    return unicodedata.normalize("NFC", "".join(c for c in unicodedata.normalize("NFD", w)
                                                 if unicodedata.category(c) != "Mn"))


def spellings(code, w):
    """The spellings a user may type for the word w."""
    out = {w, w.capitalize(), w.upper()}
    if any(c in w for c in (" ", ZWNJ)) and code in ("pes", "urd"):
        for j in (" ", ZWNJ, ""):
            out.add(re.sub(f"[ {ZWNJ}]", j, w))
    if code in ("pes", "urd") and " " not in w and ZWNJ not in w:
        out.add(w.replace("می", "می" + ZWNJ, 1) if w.startswith("می") else w)
    if not w.isascii() and code not in ("pes", "urd", "hin", "mar", "ben", "guj", "kan", "tel", "tam", "kor",
                                        "jpn", "rus", "ukr", "hye"):
        out.add(strip_accents(w))
    if "-" in w:
        out |= {w.replace("-", ""), w.replace("-", " ")}
    for p in HYPHENATED.get(code, ()):
        out.add(p + w)
    return out


def built(code, lemmas, vocabulary):
    """The words built on lexicon lemmas (scripts/rule_rows.py), with their spellings: for Persian and Urdu each
    preverb joined by nothing, ZWNJ and a blank."""
    import rule_rows
    words = set(rule_rows.built_words(code, {w.lower() for w in lemmas}, vocabulary, frequent(code, 200000)))
    if code in ("pes", "urd"):
        words |= {f"{p}{j}{w}" for p in rule_rows.engine_prefixes(code) for w in lemmas for j in (" ", ZWNJ)}
    return words


KINDS = ("dictionary", "lexicon", "spelling", "built")  # where a word of the list comes from, the surest first


def words_of(code, roots):
    """The words of the comparison for a language, and {word: index in KINDS} for those not built."""
    import rule_rows
    lemmas = lexicon_lemmas(code, roots)
    known = dictionary_words(code)
    spelt = set()
    for w in lemmas:
        spelt |= spellings(code, w) | set(rule_rows.variants(code, w))
    kinds = {}
    for kind, ws in enumerate((known, lemmas, spelt)):
        for w in ws:
            kinds.setdefault(w, kind)
    out = set(kinds) | built(code, lemmas, {w.lower() for w in lemmas} | known)
    return sorted(w for w in out if w and len(w) < 100), kinds


def _words_job(job):
    code, roots = job
    ws, kinds = words_of(code, roots)
    return code, [(w, kinds.get(w)) for w in ws]


def write_words(langs, roots, f):
    """Writes the word list of the languages to the text file f, one JSON line [code, word, index in KINDS or
    null for a built word] per word, the languages in order and each one's words sorted; returns the count."""
    n = 0
    with multiprocessing.Pool(min(2, len(langs))) as pool:
        for code, ws in pool.imap(_words_job, [(c, roots) for c in sorted(set(langs))]):
            for w, kind in ws:
                f.write(json.dumps([code, w, kind], ensure_ascii=False) + "\n")
            n += len(ws)
    return n


# ---------------------------------------------------------------------------------------------- tables

CRASH = "crash: "  # how a snapshot records a word whose conjugation killed the interpreter or raised another error


def table(code, w):
    import velnor
    try:
        t = velnor.conjugate(w, lang=code)
    except ValueError as e:
        return f"ValueError: {e}"
    except Exception as e:  # noqa: BLE001 (any other error is a fault of the build: recorded, not fatal)
        return f"{CRASH}{type(e).__name__}: {e}"
    out = {}
    for a in dir(t):
        if a.startswith("_"):
            continue
        v = getattr(t, a)
        if callable(v):
            continue
        out[a] = v if isinstance(v, (str, list, type(None))) else repr(v)
    return out


def is_crash(t):
    return isinstance(t, str) and t.startswith(CRASH)


def worker(inp=None, out=None):
    """Writes the snapshot line of each word-list line of `inp` (standard input) as soon as it has it, so that
    when the interpreter dies the lines before show which word killed it."""
    inp = inp or io.TextIOWrapper(sys.stdin.buffer, encoding="utf-8")
    out = out or io.TextIOWrapper(sys.stdout.buffer, encoding="utf-8")
    for line in inp:
        code, w, kind = json.loads(line)
        out.write(json.dumps([code, w, kind, table(code, w)], ensure_ascii=False, sort_keys=True) + "\n")
        out.flush()


def opened(path, mode):
    """A text file, gzip-compressed when its name ends in .gz (lightly: the writer keeps up with the workers)."""
    if path.endswith(".gz"):
        return gzip.open(path, mode, encoding="utf-8", **({"compresslevel": 3} if "w" in mode else {}))
    return open(path, mode, encoding="utf-8")


def lines(path):
    """The JSON lines of a word list or a snapshot, read as they come."""
    with opened(path, "rt") as f:
        for line in f:
            if line.strip():
                yield json.loads(line)


def death(returncode, stderr, timeout=None):
    """How a worker ended, in words: the signal that killed it or its exit status, and its last line of errors."""
    if timeout is not None:
        text = f"no answer in {timeout} s"
    elif returncode < 0:
        try:
            text = f"killed by {signal.Signals(-returncode).name}"
        except ValueError:
            text = f"killed by signal {-returncode}"
    else:
        text = f"exit status {returncode}"
    last = [x for x in (stderr or "").splitlines() if x.strip()][-1:]
    return text + (f" ({last[0].strip()[:200]})" if last else "")


class Workers:
    """Runs chunks of a word list through worker processes (python compare.py worker) and gives back their
    snapshot lines. A worker that dies (a crash of the module, an abort, no answer in `timeout` seconds) names
    the word it was on: the word after the last line it wrote. That word is tried alone; it is recorded as a
    crash (with how the worker died, and "after the words before it" when it passes alone), and the rest of the
    chunk goes to a new worker."""

    def __init__(self, python=sys.executable, env=None, timeout=600):
        self.command = [python, os.path.abspath(__file__), "worker"]
        self.env, self.timeout = env, timeout

    def once(self, code, ws):
        """(the complete lines written, None or how the worker died) for the words ws of code."""
        text = "".join(json.dumps([code, w, kind], ensure_ascii=False) + "\n" for w, kind in ws)
        with subprocess.Popen(self.command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              env=self.env, cwd=tempfile.gettempdir()) as p:
            try:
                out, err = p.communicate(text.encode(), timeout=self.timeout)
                how = None if p.returncode == 0 else death(p.returncode, err.decode(errors="replace"))
            except subprocess.TimeoutExpired:
                p.kill()
                out, err = p.communicate()
                how = death(p.returncode, err.decode(errors="replace"), self.timeout)
        got = out.decode(errors="replace").split("\n")[:-1]  # a line cut short by the death is not complete
        got = got[:len(ws)]
        if how is not None and len(got) == len(ws):
            print(f"warning: a worker died after its last word ({code} {ws[-1][0]}): {how}", file=sys.stderr)
            how = None
        return got, how

    def chunk(self, job):
        """(the snapshot lines of a chunk (code, [(word, kind)]) as text, its crashes [(code, word, how)])."""
        code, ws = job
        done, crashes = [], []
        while ws:
            got, how = self.once(code, ws)
            done += got
            if how is None:
                break
            w, kind = ws[len(got)]
            alone, how_alone = self.once(code, [(w, kind)]) if len(ws) > 1 else ([], how)
            if how_alone is None:
                how += " after the words before it"
            crashes.append((code, w, how_alone or how))
            done.append(json.dumps([code, w, kind, CRASH + (how_alone or how)], ensure_ascii=False))
            ws = ws[len(got) + 1:]
        return "".join(x + "\n" for x in done), crashes


def write_tables(words_path, f, size=2000, workers=2, **options):
    """Writes the snapshot of the module that `python` (default: this interpreter) imports over a word list to
    the text file f: one JSON line [code, word, index in KINDS or null, table or error] per word, in the word
    list's order; returns the crashes [(code, word, how)]. Words go to the workers in chunks and come back as
    text; no more than two chunks a worker are out at once, so a writer slower than the workers holds them back
    instead of gathering their tables. `options` go to Workers."""
    def jobs():
        chunk, code = [], None
        for c, w, kind in lines(words_path):
            if chunk and (c != code or len(chunk) >= size):
                yield code, chunk
                chunk = []
            code = c
            chunk.append((w, kind))
        if chunk:
            yield code, chunk

    pool, crashes = Workers(**options), []

    def take(future):
        text, found = future.result()
        f.write(text)
        crashes.extend(found)

    with concurrent.futures.ThreadPoolExecutor(workers) as ex:
        out = collections.deque()
        for job in jobs():
            out.append(ex.submit(pool.chunk, job))
            if len(out) >= 2 * workers:
                take(out.popleft())
        while out:
            take(out.popleft())
    for code, w, how in crashes:
        print(f"crash: {code} {w}: {how}", file=sys.stderr)
    return crashes


# ---------------------------------------------------------------------------------------------- diff

def slots(t):
    """(attribute, index or None) -> form, for a table (a dict) or a refusal (a string: no slots)."""
    out = {}
    if isinstance(t, dict):
        for a, v in t.items():
            if isinstance(v, list):
                for i, x in enumerate(v):
                    out[a, i] = x
            else:
                out[a, None] = v
    return out


words_in = speller.words_in  # the words of a form that a checker sees: split at blanks and at "/", without "—"


def paired(a, b):
    """(code, word, index in KINDS or None, table before, table after) of the words of both snapshots, by code and
    word. A snapshot is a path (read line by line, both in the order of one word list) or a dict {"code:word":
    table} with "_kinds": {code: {word: index}}."""
    def records(snap):
        if isinstance(snap, str):
            return (tuple(r) for r in lines(snap))
        kinds = snap.get("_kinds", {})
        keys = sorted(tuple(k.split(":", 1)) for k in snap if not k.startswith("_"))
        return ((c, w, kinds.get(c, {}).get(w), snap[f"{c}:{w}"]) for c, w in keys)

    xs, ys = records(a), records(b)
    x, y = next(xs, None), next(ys, None)
    while x is not None and y is not None:
        if x[:2] < y[:2]:
            x = next(xs, None)
        elif y[:2] < x[:2]:
            y = next(ys, None)
        else:
            yield x[0], x[1], x[2] if x[2] is not None else y[2], x[3], y[3]
            x, y = next(xs, None), next(ys, None)


def changed_slots(word, x, y):
    """[(word, attribute, index, old, new)] of the slots that differ between two tables."""
    sx, sy = slots(x), slots(y)
    return [(word, s[0], s[1], sx.get(s), sy.get(s))
            for s in sorted(set(sx) | set(sy), key=lambda s: (s[0], -1 if s[1] is None else s[1]))
            if sx.get(s) != sy.get(s)]


# the kinds of a changed slot, as changes.tsv and the report name them
SLOT_KINDS = {
    "checker": "a form the checker accepted before and rejects after",
    "empty": "a form before, nothing after",
    "filled": "nothing before, a form after",
    "order": "the same words in another order",
    "unknown": "the checker knows neither the old nor the new form",
    "known": "one form the checker knows replaced by another it knows",
    "now known": "a form the checker rejected replaced by one it knows",
    "other": "changed (no checker)",
}


def slot_kind(old, new, ok):
    """The kind (a key of SLOT_KINDS) of a slot changed from old to new; `ok` maps every single word of both to
    whether the checker accepts it (None: no checker). The words that the old and the new form share are not
    judged."""
    if old in EMPTY or new in EMPTY:
        return "empty" if old not in EMPTY else "filled" if new not in EMPTY else "other"
    o, n = words_in(old), words_in(new)
    if sorted(o) == sorted(n):
        return "order"
    if ok is None:
        return "other"
    gone, came = [w for w in o if w not in n], [w for w in n if w not in o]
    before, after = all(ok[w] for w in gone), all(ok[w] for w in came)
    if not after:
        return "checker" if before else "unknown"
    return "known" if before else "now known"


def slot_words(c):
    """The single words of a changed slot's old and new forms."""
    return [w for f in c[3:5] if isinstance(f, str) for w in words_in(f)]


def show(c):
    word, attr, i, old, new = c[:5]
    slot = attr if i is None else f"{attr}[{i}]"
    return f"{word}\t{slot}\t{old!r} -> {new!r}"


def zipf(code):
    """word -> its wordfreq frequency in the language (0 without a list)."""
    try:
        import rule_rows
        import wordfreq
        lang = rule_rows.WORDFREQ[code][0]
        if lang in wordfreq.available_languages() or lang == "tl":
            wordfreq.zipf_frequency("a", lang)  # Japanese and Korean need MeCab to split words
            return lambda w: wordfreq.zipf_frequency(w, lang)
    except (ImportError, KeyError):
        pass
    return lambda w: 0


def table_words(t):
    """The distinct words of a table's forms."""
    return {x for f in slots(t).values() if isinstance(f, str) for x in words_in(f)}


def real_order(kinds, share, frequency):
    """The order of the real verbs: lexicon lemmas first, then by the share of their table the checker knows
    (by tenths: the surest verbs first), source and frequency."""
    return lambda w: (kinds.get(w) != 1, -round(share.get(w, 1), 1), kinds.get(w, len(KINDS) - 1), -frequency(w), w)


def by_word(rows, kinds, frequency=lambda w: 0, share=None, order=None):
    """The rows grouped by word as printable lines: the words whose table before the checker mostly accepted
    (real verbs) first, then the surest words (dictionary, lexicon, spellings, built), the most frequent first
    (or in the order `order` gives); a capitalised or upper-cased spelling whose changes are those of its
    lower-case word is named on the lower-case word's line."""
    words = collections.defaultdict(list)
    for c in rows:
        words[c[0]].append(c)

    def sig(cs):
        return sorted((c[1], -1 if c[2] is None else c[2], str(c[3]).lower(), str(c[4]).lower()) for c in cs)

    folded = collections.defaultdict(list)
    for w in list(words):
        if w != w.lower() and w.lower() in words and sig(words[w]) == sig(words[w.lower()]):
            folded[w.lower()].append(w)
            del words[w]
    lines = []
    share = share or {}
    for w in sorted(words, key=order or (lambda w: (share.get(w, 1) < 0.5, kinds.get(w, len(KINDS) - 1),
                                                    -frequency(w), w))):
        also = f" (also {', '.join(sorted(folded[w]))})" if folded[w] else ""
        known = f", {share[w]:.0%} known" if w in share else ""
        cells = "; ".join(f"{a if i is None else f'{a}[{i}]'} {old!r} -> {new!r}" + (f" ({c[5]})" if c[5:] else "")
                          for c in words[w] for _, a, i, old, new in [c[:5]])
        lines.append(f"{w} [{KINDS[kinds.get(w, len(KINDS) - 1)]}{known}]{also}: {cells}")
    return lines


def report(a, b, checker=Checker, limit=None, changes_path=None, out=sys.stdout, chunk=200000, real_path=None):
    """Prints the diff of two snapshots (paths or dicts, see paired); returns the summary lines. One language is
    held at a time, and of it only the listed slots: the changed slots are sorted `chunk` at a time, and every
    changed slot and table goes to a temporary file on its way to changes.tsv and to the tables of real verbs
    (real_path)."""
    summary = []
    with contextlib.ExitStack() as stack:
        f = stack.enter_context(open(changes_path, "w", encoding="utf-8")) if changes_path else None
        if f:
            f.write("# code\tkind\tword\tslot\told -> new\n")
        r = stack.enter_context(open(real_path, "w", encoding="utf-8")) if real_path else None
        if r:
            r.write("# The changed tables of real verbs, old beside new: every slot, its old form, its new form; a "
                    "changed slot is marked * and its kind named.\n")
        for code, records in itertools.groupby(paired(a, b), key=lambda r: r[0]):
            summary.append(report_language(code, records, checker, limit, f, out, chunk, r))
    print("== summary", file=out)
    for line in summary:
        print("  " + line, file=out)
    return summary


def is_real(word, kind, share, has):
    """Whether a changed word is a real verb: a lemma of the lexicon or the tests, or a word of the dictionary or
    analyser whose table before (or now, for a word conjugated now) the checker mostly accepts (not a noun of
    the infinitive's shape); without a checker, every word of the dictionary and the lexicon. A word built on a
    lemma is not one, even where the checker's compounding accepts it."""
    if kind == 1:
        return True
    return kind == 0 and (not has or share.get(word, 0) >= 0.5)


def print_list(title, lines_, total, out, limit):
    if lines_:
        print(f"  {title}: {total}", file=out)
        for line in lines_[:limit]:
            print("    " + line, file=out)
        if limit is not None and len(lines_) > limit:
            print(f"    ... {len(lines_) - limit} more words", file=out)


def report_language(code, records, checker, limit, changes_file, out, chunk, real_file=None):
    """Prints the diff of one language from its (code, word, kind, before, after) records; writes its rows to
    changes_file and the changed tables of its real verbs to real_file (or not, when None) and returns its
    summary line."""
    name = checker_names(code)
    has = name != "no checker"
    n = n_changed = n_slots = messages = 0
    broken, emptied, other, refused, conjugated, crashed, pending = [], [], [], [], [], [], []
    kinds, parts, share, new_known, counts = {}, {}, {}, {}, collections.Counter()
    rows = tempfile.TemporaryFile("w+", encoding="utf-8")  # every changed slot, with its kind
    tables = tempfile.TemporaryFile("w+", encoding="utf-8")  # every changed table, before and after
    check = []

    def accepts(words):
        if not check:
            check.append(checker(code))
        return check[0].accepts(words)

    def flush():
        """Judges the pending slots and the tables' words: one question to the checker per chunk."""
        asked = {w for c, k in pending if k is None for w in slot_words(c)}
        ok = accepts(sorted(asked | {x for p in parts.values() for x in p})) if has else None
        for c, given in pending:
            k = given or slot_kind(c[3], c[4], ok)
            rows.write(json.dumps([*c, k], ensure_ascii=False) + "\n")
            if given:
                continue
            counts[k] += 1
            if k == "checker":
                broken.append(c)
            elif k == "empty":
                emptied.append(c)
            elif not has:
                other.append(c)
        if has:
            for w, p in parts.items():
                shares = sum(ok[x] for x in p) / len(p) if p else 0
                (new_known if w in conjugated_words else share)[w] = shares
        pending.clear()
        parts.clear()

    conjugated_words = set()
    for _, word, kind, x, y in records:
        n += 1
        if x == y:
            continue
        n_changed += 1
        if kind is not None:
            kinds[word] = kind
        if is_crash(x) or is_crash(y):
            crashed.append((word, "(word)", None, "table" if isinstance(x, dict) else x,
                            "table" if isinstance(y, dict) else y))
            pending.append((crashed[-1], "crash"))
        elif not isinstance(x, dict) and not isinstance(y, dict):
            messages += 1  # refused both times, with another message: no table changed
            pending.append(((word, "(word)", None, x, y), "message"))
            continue
        elif not isinstance(y, dict):
            refused.append((word, "(word)", None, "table", y))
            pending.append((refused[-1], "refused"))
            parts[word] = table_words(x)
        elif not isinstance(x, dict):
            conjugated.append(word)
            conjugated_words.add(word)
            pending.append(((word, "(word)", None, x, "table"), "conjugated"))
            parts[word] = table_words(y)
        else:
            changed = changed_slots(word, x, y)
            n_slots += len(changed)
            pending.extend((c, None) for c in changed)
            parts[word] = table_words(x)
        tables.write(json.dumps([word, x, y], ensure_ascii=False) + "\n")
        if len(pending) + len(parts) >= chunk:
            flush()
    flush()
    frequency = zipf(code) if checker is Checker else (lambda w: 0)
    either = {**share, **new_known}
    real = {w for w in kinds if is_real(w, kinds.get(w), either, has)}
    print(f"== {code} ({name}): {n} words compared, {n_changed} tables changed", file=out)
    for line in missing(code):
        print("  " + line, file=out)
    lists = [(f"accepted by {name} before, rejected after", broken)] if has else []
    lists += [("went empty", emptied), ("refused now", refused)]
    if not has:
        lists.append(("changed (no checker)", other))
    listed = {c[0] for _, rows_ in lists for c in rows_}
    listed_kinds = {w: k for w, k in kinds.items() if w in listed}
    for title, rows_ in lists:
        if rows_:
            shown = by_word(rows_, listed_kinds, frequency, share)
            print_list(title, shown, f"{len(rows_)} slots of {len(shown)} words", out, limit)
    print_list("crashed", by_word(crashed, kinds, frequency), f"{len(crashed)} words", out, limit)
    # the words conjugated now, with the words of their tables that the checker does not know
    conj_lines = conjugated_lines(code, conjugated, tables, kinds, new_known, real, frequency, accepts if has else None)
    print_list("conjugated now (refused before)", conj_lines, f"{len(conj_lines)} words", out, limit)
    # every changed slot of the real verbs, judged or not
    rows.seek(0)
    real_rows = [tuple(r) for r in map(json.loads, rows) if r[0] in real and r[5] not in ("message", "conjugated")]
    real_shown = by_word(real_rows, kinds, frequency, share, real_order(kinds, share, frequency))
    n_real = len({r[0] for r in real_rows})
    print_list("real verbs whose table changed, every changed slot", real_shown,
               f"{len(real_rows)} slots of {n_real} words", out, limit)
    if real_file:
        write_real(code, tables, rows, real, kinds, (share, new_known), frequency, real_file, accepts if has else None)
    if changes_file:
        rows.seek(0)
        for r in map(json.loads, rows):
            changes_file.write(f"{code}\t{r[5]}\t{show(r)}\n")
    rows.close()
    tables.close()
    n_real_conj = sum(w in real for w in conjugated)
    kinds_text = ", ".join(f"{counts[k]} {k}" for k in SLOT_KINDS if counts[k])
    return (f"{code}: {n} words, {n_changed} changed tables, {n_slots} changed slots; "
            + (f"{len(broken)} forms {name} accepted before and rejects after "
               f"({sum(share.get(c[0], 0) >= 0.5 for c in broken)} of words whose table it mostly accepted before)"
               if has else "no checker")
            + f"; {len(emptied)} slots went empty; {len(refused)} words refused now, {len(conjugated)} "
            f"conjugated now ({n_real_conj} real verbs), {messages} refused both times with another message; "
            f"{len(crashed)} crashed; real verbs changed: {n_real} words, {len(real_rows)} slots"
            + (f"; slots: {kinds_text}" if kinds_text else ""))


def conjugated_lines(code, words, tables, kinds, new_known, real, frequency, accepts):
    """One line per word conjugated now: its source, the share of its table's words the checker knows, and the
    words it does not know."""
    want = set(words)
    new = {}
    tables.seek(0)
    for line in tables:
        w, x, y = json.loads(line)
        if w in want:
            new[w] = sorted(table_words(y))
    tables.seek(0, 2)
    ok = accepts(sorted({x for ws in new.values() for x in ws})) if accepts else None
    out = []
    for w in sorted(new, key=lambda w: (w not in real, kinds.get(w, len(KINDS) - 1), -frequency(w), w)):
        tag = f"{KINDS[kinds.get(w, len(KINDS) - 1)]}" + (", real" if w in real else "")
        if ok is None:
            out.append(f"{w} [{tag}]: {len(new[w])} words, no checker")
            continue
        bad = [x for x in new[w] if not ok[x]]
        out.append(f"{w} [{tag}]: {len(new[w]) - len(bad)} of {len(new[w])} words known"
                   + (f"; unknown: {', '.join(bad)}" if bad else ""))
    return out


def write_real(code, tables, rows, real, kinds, shares, frequency, f, accepts):
    """Writes every table of a real verb that changed, old beside new: one line per slot, a changed one marked *
    with its kind; a word refused or conjugated now has its table on one side. `shares`: the share of each
    word's table that the checker knows, before and (for a word conjugated now) now."""
    share, new_known = shares
    kind_of = {}
    rows.seek(0)
    for r in map(json.loads, rows):
        if r[0] in real:
            kind_of[r[0], r[1], r[2]] = r[5]
    rows.seek(0, 2)
    found = []
    tables.seek(0)
    for line in tables:
        w, x, y = json.loads(line)
        if w in real:
            found.append((w, x, y))
    tables.seek(0, 2)
    words = sorted({x for _, x, y in found for t in (x, y) for x in table_words(t)})
    ok = accepts(words) if accepts else {}
    mark = lambda form: form if not ok or not isinstance(form, str) or all(ok.get(x, True) for x in words_in(form)) else f"{form} ?"
    order = real_order(kinds, share, frequency)
    for w, x, y in sorted(found, key=lambda t: order(t[0])):
        known = (f", {share[w]:.0%} known before" if w in share else
                 f", {new_known[w]:.0%} known now" if w in new_known else "")
        f.write(f"\n== {code} {w} [{KINDS[kinds.get(w, len(KINDS) - 1)]}{known}]\n")
        if not isinstance(x, dict) or not isinstance(y, dict):
            f.write(f"  (word)\t{x if isinstance(x, str) else 'table'}\t{y if isinstance(y, str) else 'table'}\n")
        sx, sy = slots(x), slots(y)
        for s in sorted(set(sx) | set(sy), key=lambda s: (s[0], -1 if s[1] is None else s[1])):
            slot = s[0] if s[1] is None else f"{s[0]}[{s[1]}]"
            changed = (w, s[0], s[1]) in kind_of
            f.write(f"{'*' if changed else ' '} {slot}\t{mark(sx.get(s, '') if sx else '')}\t"
                    f"{mark(sy.get(s, '') if sy else '')}" + (f"\t{kind_of[w, s[0], s[1]]}" if changed else "") + "\n")


# ---------------------------------------------------------------------------------------------- run

def git(*args, cwd=ROOT):
    return subprocess.run(["git", *args], cwd=cwd, check=True, capture_output=True, text=True).stdout.strip()


def base_build(rev):
    """A venv with `rev` built and installed, and the source tree it was built from (both kept by commit)."""
    sha = git("rev-parse", "--verify", f"{rev}^{{commit}}")
    home = os.path.join(CACHE, f"base-{sha[:12]}")
    src, venv = os.path.join(home, "src"), os.path.join(home, "venv")
    python = os.path.join(venv, "bin", "python")
    os.makedirs(CACHE, exist_ok=True)
    with open(home + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)  # two runs over one base build it once
        if not os.path.exists(os.path.join(home, "done")):
            build_base(rev, sha, home, src, venv, python)
    return python, src


def build_base(rev, sha, home, src, venv, python):
    subprocess.run(["rm", "-rf", home], check=True)
    os.makedirs(home)
    git("worktree", "add", "--detach", src, sha)
    try:
        subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", venv], check=True)
        subprocess.run([python, "-m", "pip", "install", "-q", src], check=True, cwd=home)
    finally:
        # keep the files (lexicon lemmas of the base) but not the worktree's entry in the repository
        subprocess.run(["cp", "-a", src, src + ".kept"], check=True)
        git("worktree", "remove", "--force", src)
        os.rename(src + ".kept", src)
        os.remove(os.path.join(src, ".git"))  # it named the worktree just removed
    open(os.path.join(home, "done"), "w").close()
    print(f"built {rev} ({sha[:12]}) into {venv}", file=sys.stderr)


def stale_warning():
    """A warning when the installed module is older than the work tree's sources."""
    import velnor
    so = velnor.__file__
    newest = max((os.path.getmtime(p) for pat in ("src/**/*", "data/*.tsv", "bindings/**/*")
                  for p in glob.glob(os.path.join(ROOT, pat), recursive=True)), default=0)
    if newest > os.path.getmtime(so):
        return f"warning: the installed module {so} is older than the sources of {ROOT}; pip install it first"
    return None


def run(rev, langs, keep, limit, workers=2):
    import time
    t0 = time.time()
    python, base_src = base_build(rev)
    t1 = time.time()
    work = keep or tempfile.mkdtemp(prefix="compare-")
    os.makedirs(work, exist_ok=True)
    warn = stale_warning()
    if warn:
        print(warn, file=sys.stderr)
    words = os.path.join(work, "words.jsonl.gz")
    with opened(words, "wt") as f:
        n = write_words(langs, [ROOT, base_src], f)
    t2 = time.time()
    me = os.path.abspath(__file__)
    before, after = os.path.join(work, "before.jsonl.gz"), os.path.join(work, "after.jsonl.gz")
    for py, path in ((python, before), (sys.executable, after)):
        subprocess.run([py, me, "tables", words, "--out", path, "--workers", str(workers)], check=True, cwd=work)
    t3 = time.time()
    print(f"base: {rev} ({git('rev-parse', '--short', rev)}); after: the module installed for {sys.executable}")
    print(versions(langs))
    report(before, after, limit=limit, changes_path=os.path.join(work, "changes.tsv"),
           real_path=os.path.join(work, "real.txt"))
    t4 = time.time()
    print(f"times: base build {t1 - t0:.0f} s, words {t2 - t1:.0f} s ({n}), "
          f"tables {t3 - t2:.0f} s, diff {t4 - t3:.0f} s; files in {work}", file=sys.stderr)


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = ap.add_subparsers(dest="cmd", required=True)
    p = sub.add_parser("words")
    p.add_argument("langs", nargs="*", default=LANGS)
    p = sub.add_parser("tables")
    p.add_argument("words")
    p.add_argument("--out")
    p.add_argument("--workers", type=int, default=2)
    sub.add_parser("worker")
    p = sub.add_parser("diff")
    p.add_argument("before")
    p.add_argument("after")
    p.add_argument("--changes")
    p.add_argument("--real")
    p.add_argument("--limit", type=int)
    p = sub.add_parser("run")
    p.add_argument("--base", required=True)
    p.add_argument("--keep")
    p.add_argument("--limit", type=int)
    p.add_argument("--workers", type=int, default=2)
    p.add_argument("langs", nargs="+")
    args = ap.parse_args(argv)
    if args.cmd == "words":
        write_words(args.langs, [ROOT], sys.stdout)
    elif args.cmd == "worker":
        worker()
    elif args.cmd == "tables":
        if args.out:
            with opened(args.out, "wt") as f:
                write_tables(args.words, f, workers=args.workers)
        else:
            write_tables(args.words, sys.stdout, workers=args.workers)
    elif args.cmd == "diff":
        report(args.before, args.after, limit=args.limit, changes_path=args.changes, real_path=args.real)
    else:
        run(args.base, args.langs, args.keep, args.limit, args.workers)


if __name__ == "__main__":
    main()
