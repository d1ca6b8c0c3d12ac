"""Bad and odd input in every language: nothing crashes, hangs, leaks or
escapes except the documented exceptions; threads agree with a single
thread."""
import json
import os
import subprocess
import sys
import textwrap

import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import velnor
from conftest import AVAILABLE, LANGUAGES

# VELNOR_LONG_FUZZ=N runs N examples per property instead of the CI default.
EXAMPLES = int(os.environ.get("VELNOR_LONG_FUZZ", "30"))

# Characters from every script the module serves, plus the awkward ones.
ALPHABET = (
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZäöüßÄÖÜáéíóúàèìòùâêîôûçñãõœæøåÆØÅ"
    "ăâîșțşţčďěňřšťůžýľĺŕőűąćęłńśźżðþÞÐ"
    "абвгдеёжзийклмнопрстуфхцчшщъыьэюяіїєґАБВ"
    "աբգդեզէըթժիլխծկհձղճմյնշոչպջռսվտրցւփքօֆև"
    "अआइईउऊएऐओऔकखगघचछजझटठडढणतथदधनपफबभमयरलवशषसहािीुूेैोौंःँ्"
    "অআইঈউঊএঐওঔকখগঘচছজঝটঠডঢণতথদধনপফবভমযরলশষসহািীুূেৈোৌং্"
    "અઆઇઈઉઊએઐઓઔકખગઘચછજઝટઠડઢણતથદધનપફબભમયરલવશષસહાિીુૂેૈોૌં્"
    "அஆஇஈஉஊஎஏஐஒஓஔகஙசஞடணதநபமயரலவழளறனாிீுூெேைொோௌ்"
    "అఆఇఈఉఊఎఏఐఒఓఔకగచజటడతదనపమయరలవశసహాిీుూెేైొోౌ్"
    "ಅಆಇಈಉಊಎಏಐಒಓಔಕಗಚಜಟಡತದನಪಮಯರಲವಶಸಹಾಿೀುೂೆೇೈೊೋೌ್"
    "ابپتثجچحخدذرزژسشصضطظعغفقکگلمنوهیيكةءأإآؤئًٌٍَُِّْٰ"
    "가나다라마바사아자차카타파하한글공부먹다하다있없ㄱㄴㅏㅓ"
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをんがぎぐげご食書見行来"
    "アイウエオカキクケコ"
    "\u0300\u0301\u0302\u0303\u0308\u0327\u200b\u200c\u200d\u200e\u200f\u202a\u202b\u202c\u202d\u202e\u2066\u2069"
    "\ufeff\u00a0\u2028\u2029\u3000\t\n\r\x0b\x0c \x00\x7f\u0085'’-.,;:!?\"\\/()[]{}0123456789\U0001F600\U00010348"
)

text = st.one_of(
    st.text(alphabet=ALPHABET, max_size=40),
    st.text(max_size=40),
    # long texts, up to some 64 KB: a short piece repeated (test_edge_inputs takes a megabyte)
    st.builds(lambda piece, n: piece * n, st.text(alphabet=ALPHABET, min_size=1, max_size=8),
              st.integers(1, 1 << 13)),
    st.builds(lambda w, s: w + s, st.sampled_from([info[3] for info in LANGUAGES.values()]),
              st.text(alphabet=ALPHABET, max_size=8)),
)


def read_all(obj):
    """Reads every attribute and checks it has one of the documented kinds."""
    cls = type(obj)
    values = {}
    for name in dir(cls):
        if name.startswith("__"):
            continue
        v = getattr(obj, name)
        assert v is None or isinstance(v, (str, list)), (name, v)
        if isinstance(v, list):
            assert all(x is None or isinstance(x, str) for x in v), (name, v)
        values[name] = v
    repr(obj)
    return values


def check_word(lang, word):
    try:
        obj = velnor.conjugate(word, lang=lang)
    except ValueError:
        return
    assert type(obj).__name__ == LANGUAGES[lang][1]
    first = read_all(obj)
    assert read_all(velnor.conjugate(word, lang=lang)) == first  # a pure function of its input


@pytest.mark.parametrize("lang", AVAILABLE)
@settings(max_examples=EXAMPLES, deadline=None, suppress_health_check=list(HealthCheck))
@given(word=text)
def test_any_text_gives_a_table_or_value_error(lang, word):
    check_word(lang, word)


@pytest.mark.parametrize("lang", AVAILABLE)
@pytest.mark.parametrize(
    "word",
    [
        "",
        " ",
        "\x00",
        "a\x00b",
        "\u0301" * 50,
        "\u202e" + "x" * 10,
        "-",
        "'",
        "x" * (1 << 20),
        ("ab" * 300000) + "en",
        "\U0001F600" * 1000,
    ],
    ids=["empty", "space", "nul", "inner-nul", "marks", "bidi", "dash", "apostrophe", "megabyte", "ab-run", "emoji"],
)
def test_edge_inputs(lang, word):
    check_word(lang, word)


@pytest.mark.parametrize("shape", ["-{}", "{}-", " -{} ", "{}- ", "x -{}", "{}- x"])
@pytest.mark.parametrize("lang", AVAILABLE)
def test_hyphen_at_a_word_edge_is_refused(lang, shape):
    """A prefix or a first part on its own (mí-, -gehen) is no citation form in any language: the language's
    refusal, never a table."""
    word = shape.format(LANGUAGES[lang][3])
    with pytest.raises(ValueError) as e:
        velnor.conjugate(word, lang=lang)
    message = LANGUAGES[lang][2][0]
    assert str(e.value).startswith(message) if lang == "deu" else str(e.value) == message


@pytest.mark.parametrize("lang", AVAILABLE)
def test_lone_surrogate(lang):
    with pytest.raises(UnicodeEncodeError):
        velnor.conjugate("ab\udc80", lang=lang)


def rss_kib():
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS")


@pytest.mark.skipif(not AVAILABLE, reason="no engine built in")
@pytest.mark.skipif(os.environ.get("VELNOR_SANITIZED") == "1", reason="RSS is meaningless under ASan")
def test_memory_stays_flat_over_100000_calls():
    words = [(info[3], lang) for lang, info in LANGUAGES.items() if lang in AVAILABLE]
    words += [("\u2603", lang) for lang in AVAILABLE]  # failures too

    def run(n):
        for i in range(n):
            w, lang = words[i % len(words)]
            try:
                read_all(velnor.conjugate(w, lang=lang))
            except ValueError:
                pass

    run(20000)  # warm-up: lazily built tables
    before = rss_kib()
    run(100000)
    grown = rss_kib() - before
    assert grown < 1536, f"RSS grew by {grown} KiB"  # about 16 bytes a call


COLD_START = textwrap.dedent(
    """
    import json, sys, threading, velnor
    jobs = json.loads(sys.argv[1])
    threaded = sys.argv[2] == "1"

    def run(job):
        lang, words = job
        out = []
        for w in words:
            try:
                o = velnor.conjugate(w, lang=lang)
                out.append([repr(o)] + [repr(getattr(o, n)) for n in dir(type(o)) if not n.startswith("__")])
            except ValueError as e:
                out.append(["ValueError", str(e)])
        return out

    results = [None] * len(jobs)
    if threaded:
        barrier = threading.Barrier(len(jobs))
        def worker(i):
            barrier.wait()
            results[i] = run(jobs[i])
        threads = [threading.Thread(target=worker, args=(i,)) for i in range(len(jobs))]
        for t in threads: t.start()
        for t in threads: t.join()
    else:
        results = [run(j) for j in jobs]
    print(json.dumps(results))
    """
)


@pytest.mark.skipif(not AVAILABLE, reason="no engine built in")
def test_threads_from_cold_start_agree_with_one_thread():
    per_lang = {}
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bench", "verbs")
    for lang in AVAILABLE:
        words = [LANGUAGES[lang][3], "\u2603"]
        path = os.path.join(here, lang + ".txt")
        if os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                words += [l.strip() for l in f if l.strip()][:30]
        per_lang[lang] = words
    # Several threads per language, all starting at once in a fresh process.
    jobs = [[lang, words[i % 3:] + words[: i % 3]] for lang, words in per_lang.items() for i in range(3)]
    arg = json.dumps(jobs)

    def run(threaded):
        out = subprocess.run([sys.executable, "-c", COLD_START, arg, threaded], capture_output=True, text=True,
                             check=True).stdout
        return json.loads(out)

    assert run("1") == run("0")


LEAK_CHECK = textwrap.dedent(
    """
    import ctypes, os, sys, velnor
    jobs = [(w, lang) for lang, w in (a.split(":", 1) for a in sys.argv[1:])]
    def work():  # in a frame of its own, which is gone (with its tracebacks) before the check
        for _ in range(300):
            for w, lang in jobs:
                for word in (w, "\\u2603", "x" * 300):
                    try:
                        o = velnor.conjugate(word, lang=lang)
                        [getattr(o, n) for n in dir(type(o))]
                        del o
                    except ValueError:
                        pass
    work()
    found = ctypes.CDLL(None).__lsan_do_recoverable_leak_check()
    sys.stdout.flush()
    os._exit(3 if found else 0)
    """
)


@pytest.mark.skipif(os.environ.get("VELNOR_SANITIZED") != "1", reason="needs the sanitizer build")
@pytest.mark.skipif(not AVAILABLE, reason="no engine built in")
def test_engines_do_not_leak_under_leak_sanitizer():
    env = dict(os.environ)
    env["PYTHONMALLOC"] = "malloc"  # let the leak checker see every object
    env["ASAN_OPTIONS"] = "detect_leaks=1:abort_on_error=0"
    env["LSAN_OPTIONS"] = "suppressions=" + os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan.supp")
    args = [f"{lang}:{LANGUAGES[lang][3]}" for lang in AVAILABLE]
    proc = subprocess.run([sys.executable, "-c", LEAK_CHECK, *args], capture_output=True, text=True, env=env)
    assert proc.returncode == 0, proc.stderr[-4000:]
