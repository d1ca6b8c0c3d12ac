"""Defences of the frame for every language built in, one table per concern:
class immutability, the input bound, out-of-memory, a restarted runtime, the
exported symbols; and the package's own metadata and README examples."""
import doctest
import gc
import importlib.metadata
import os
import re
import shutil
import subprocess
import sys
import sysconfig
import textwrap
import tracemalloc

try:
    import _testcapi  # the interpreter's own test hooks: failing allocations on demand
except ImportError:
    _testcapi = None

import pytest

import velnor
from conftest import AVAILABLE, LANGUAGES, ROOT, cpp_module, toolchain_env

SANITIZED = os.environ.get("VELNOR_SANITIZED") == "1"


def sample(lang):
    return velnor.conjugate(LANGUAGES[lang][3], lang=lang)


def compiler():
    cxx = shutil.which("g++") or shutil.which("c++") or shutil.which("clang++")
    if cxx is None:
        pytest.skip("needs a C++ compiler")
    return cxx


# ---- the result classes cannot be patched ----

CLASS_CHANGES = {
    "replace an attribute": lambda cls, attr: setattr(cls, attr, property(lambda self: [])),
    "delete an attribute": lambda cls, attr: delattr(cls, attr),
    "add an attribute": lambda cls, attr: setattr(cls, "extra", 1),
    "replace __repr__": lambda cls, attr: setattr(cls, "__repr__", lambda self: ""),
}


@pytest.mark.parametrize("change", CLASS_CHANGES)
@pytest.mark.parametrize("lang", AVAILABLE)
def test_result_classes_are_immutable(lang, change):
    cls = type(sample(lang))
    attr = next(k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor")
    before = (getattr(sample(lang), attr), repr(sample(lang)))
    with pytest.raises(TypeError, match="immutable type"):
        CLASS_CHANGES[change](cls, attr)
    assert (getattr(sample(lang), attr), repr(sample(lang))) == before


# ---- the input bound: (how the sample verb is turned into the input, accepted) ----

BOUND = {
    "padded to 256 characters": (lambda w: w.center(256), True),
    "padded to 257 characters": (lambda w: w.center(257), False),
    "10 MB": (lambda w: w + "x" * 10_000_000, False),
    "10 MB of Tamil letters": (lambda w: w + "க" * 10_000_000, False),
}


@pytest.mark.parametrize("case", BOUND)
@pytest.mark.parametrize("lang", AVAILABLE)
def test_input_bound(lang, case):
    make, accepted = BOUND[case]
    text = make(LANGUAGES[lang][3])
    if accepted:
        assert repr(velnor.conjugate(text, lang=lang)) == repr(sample(lang))
        return
    with pytest.raises(ValueError) as e:
        velnor.conjugate(text, lang=lang)
    expected = LANGUAGES[lang][2][0] + (text[:50] + "\u2026" if lang == "deu" else "")
    same = str(e.value) == expected
    assert same, str(e.value)[:100]  # (not compared inline: a failure would print megabytes)


# ---- out of memory: C++ allocations fail while a flag is set ----

OUT_OF_MEMORY = textwrap.dedent(
    """
    import ctypes, sys, velnor
    flag = ctypes.c_int.in_dll(ctypes.CDLL(None), "velnor_fail_new")
    for arg in sys.argv[1:]:
        lang, word = arg.split(":", 1)
        obj = velnor.conjugate(word, lang=lang)
        flag.value = 1
        try:
            repr(obj)
            got = "no error"
        except MemoryError:
            got = "MemoryError"
        finally:
            flag.value = 0
        print(lang, got)
    """
)


@pytest.mark.skipif(SANITIZED, reason="the sanitizer runtime owns operator new")
def test_repr_raises_memory_error(tmp_path):
    shim = tmp_path / "fail_new.so"
    subprocess.run([compiler(), "-std=c++20", "-O1", "-shared", "-fPIC", os.path.join(ROOT, "tests", "cpp",
                    "fail_new.cpp"), "-o", str(shim)], check=True, env=toolchain_env())
    env = dict(os.environ, LD_PRELOAD=str(shim))
    args = [f"{lang}:{LANGUAGES[lang][3]}" for lang in AVAILABLE]
    proc = subprocess.run([sys.executable, "-c", OUT_OF_MEMORY, *args], capture_output=True, text=True, env=env)
    assert proc.returncode == 0, proc.stderr[-2000:]
    assert proc.stdout.splitlines() == [f"{lang} MemoryError" for lang in AVAILABLE]


# ---- references: what the module hands out is freed when the caller drops it ----

def _every_object_once():
    for code in AVAILABLE:
        table = velnor.conjugate(LANGUAGES[code][3], lang=code)
        repr(table)
        for name in dir(table):
            if not name.startswith("_"):
                getattr(table, name)
        with pytest.raises(ValueError):
            velnor.conjugate("x1", lang=code)


def test_no_reference_is_kept():
    """Tables, every attribute's lists and strings, reprs and errors, made 50 times over in every language, leave
    the traced Python heap as it was: a missing Py_DECREF on a returned list would keep that list and its
    strings. (The leak checker of the sanitizer run cannot see such a list: the interpreter keeps every
    container linked for its collector, so a leaked one stays reachable.)"""
    _every_object_once()
    _every_object_once()
    tracemalloc.start()
    try:
        _every_object_once()
        gc.collect()
        before = tracemalloc.get_traced_memory()[0]
        for _ in range(50):
            _every_object_once()
        gc.collect()
        grown = tracemalloc.get_traced_memory()[0] - before
    finally:
        tracemalloc.stop()
    assert grown < 64 * 1024


class _Argument:
    """A wrong-typed argument whose type's qualified name is one shared object: a reference the argument
    check fails to drop shows in that object's count."""


def _list_attribute(table):
    """The name of the first attribute that reads as a list of two or more strings, or None."""
    for name in dir(table):
        value = getattr(table, name) if not name.startswith("_") else None
        if isinstance(value, list) and sum(isinstance(item, str) and len(item) > 1 for item in value) >= 2:
            return name
    return None


def _failed_list_reads(table, name):
    """Reads the list attribute `name` once with each allocation in turn made to fail by the interpreter's own
    test hook, until a read succeeds; returns how many reads raised MemoryError. The failures after the list's
    own allocations leave a list half built, which the module must release."""
    failed = 0
    for allocation in range(256):
        _testcapi.set_nomemory(allocation, allocation + 1)
        try:
            getattr(table, name)
        except MemoryError:
            failed += 1
            continue
        finally:
            _testcapi.remove_mem_hooks()
        return failed
    raise AssertionError(f"{name} never read")


# The arguments of the calls that raise, kept so that their references can be counted.
WRONG = {"refused": "x1", "over-long": "x" * 300, "unknown": "xx", "long unknown": "xx" * 100,
         "keyword": "spelling"}
# Words whose tables hold None: a whole list (the Czech passive of an intransitive verb) or list items (the German
# modals' imperative).
WITH_NONE = {"ces": "spát", "deu": "können"}


def _read_all(table):
    repr(table)
    for name in dir(table):
        if not name.startswith("_"):
            getattr(table, name)


def _calls(lang, word, list_name):
    """Every call of the module once, on the path that succeeds and on every path that raises: a refused word, an
    over-long word, an unknown language short and long, arguments that are not str, an unexpected keyword, an
    argument given twice or missing, too many arguments, the result class called, and the list attribute whose
    building runs out of memory. Returns how many list reads failed."""
    table = velnor.conjugate(word, lang=lang)
    _read_all(table)
    if lang in WITH_NONE:
        _read_all(velnor.conjugate(WITH_NONE[lang], lang=lang))
    velnor.conjugate(infinitive=word, lang=lang)
    calls = [((WRONG["refused"], lang), {}), ((WRONG["over-long"], lang), {}), ((word, WRONG["unknown"]), {}),
             ((word, WRONG["long unknown"]), {}), ((_Argument(),), {}), ((1,), {}), ((word, _Argument()), {}),
             ((word, 1), {}), ((word,), {"lang": lang, WRONG["keyword"]: 1}), ((word,), {"infinitive": word}),
             ((), {"lang": lang}), ((word, lang, lang), {})]
    for args, kwargs in calls:
        try:
            velnor.conjugate(*args, **kwargs)
        except (ValueError, TypeError):
            pass
    try:
        type(table)()
    except TypeError:
        pass
    return _failed_list_reads(table, list_name) if list_name and _testcapi else 0


ROUNDS = 200


@pytest.mark.parametrize("lang", AVAILABLE)
def test_no_reference_is_leaked(lang):
    """Every call, on every path that succeeds or raises, leaves no reference behind over 200 rounds: the objects
    that outlive a call (the module, its function, the result class and its names, None, the caller's arguments,
    the argument class's name, the exception classes) hold as many references as before, so a lost Py_DECREF
    of a borrowed or fetched object (the class name a repr reads, an argument on an error path) shows; and the
    traced heap does not grow, so a lost Py_DECREF of an object made in the call (an error message, the start
    of a refused word, a half-built list) shows."""
    word = LANGUAGES[lang][3]
    cls = type(sample(lang))
    list_name = _list_attribute(sample(lang))
    shared = {"module": velnor, "conjugate": velnor.conjugate, "class": cls, "class name": cls.__name__,
              "class qualname": cls.__qualname__, "None": None, "word": word, "lang": lang,
              "argument class qualname": _Argument.__qualname__, "ValueError": ValueError, "TypeError": TypeError,
              "MemoryError": MemoryError, **WRONG}
    failed = _calls(lang, word, list_name)
    _calls(lang, word, list_name)
    gc.collect()
    before = {name: sys.getrefcount(obj) for name, obj in shared.items()}
    tracemalloc.start()
    try:
        gc.collect()
        heap = tracemalloc.get_traced_memory()[0]
        for _ in range(ROUNDS):
            _calls(lang, word, list_name)
        gc.collect()
        heap = tracemalloc.get_traced_memory()[0] - heap
    finally:
        tracemalloc.stop()
    grown = {name: sys.getrefcount(obj) - before[name] for name, obj in shared.items()}
    kept = {name: n for name, n in grown.items() if abs(n) >= ROUNDS // 2}
    assert kept == {}, f"references gained over {ROUNDS} rounds: {kept}"
    # Anything made in a call and never freed is at least 32 bytes a round.
    assert heap < 16 * ROUNDS, f"the traced heap grew by {heap} bytes"
    if list_name and _testcapi:
        # the failures reached the strings of the list, not only the list itself
        assert failed > 2, (list_name, failed)


# ---- corrupt built-in data: the engine's FatalError reaches the caller as RuntimeError ----

def _without_row(name, lemma):
    with open(os.path.join(ROOT, "data", name), encoding="utf-8") as f:
        return "".join(line for line in f if line.split("\t")[0] != lemma)


# A module with Portuguese only, built with a lexicon that lacks the deter row the ter compounds are read from.
CORRUPT = cpp_module(["por.cpp"], ["por.cpp", "lexicon_text.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp",
                                   "quote.cpp"],
                     texts={"por_irregular.tsv": _without_row("por_irregular.tsv", "deter"),
                            "por_stem_classes.tsv": _without_row("por_stem_classes.tsv", None)})

FATAL = textwrap.dedent(
    """
    import velnor
    for word, lang in [("contrater", "por"), ("falar", "por"), ("contrater", "por"), ("gehen", "deu")]:
        try:
            print(velnor.conjugate(word, lang=lang).present[0])
        except Exception as e:
            print(type(e).__name__, e)
    """
)


def test_corrupt_row_raises_runtime_error():
    module = CORRUPT.result()
    env = dict(toolchain_env(), PYTHONPATH=os.path.dirname(module))
    proc = subprocess.run([sys.executable, "-c", FATAL], capture_output=True, text=True, env=env,
                          cwd=os.path.dirname(module))
    assert proc.returncode == 0, proc.stderr[-2000:]
    assert proc.stdout.splitlines() == ["RuntimeError por_irregular: no row for deter", "falo",
                                        "RuntimeError por_irregular: no row for deter",
                                        "NotImplementedError German conjugation is not available yet"]


# ---- a program that embeds Python: two runtimes in a row, then a second interpreter ----

def test_module_is_made_afresh_after_a_restart(tmp_path):
    config = sysconfig.get_config_vars()
    if not config.get("Py_ENABLE_SHARED"):
        pytest.skip("needs a shared libpython")
    exe = tmp_path / "reinit_check"
    subprocess.run([compiler(), "-std=c++20", "-O1", "-I", sysconfig.get_paths()["include"],
                    os.path.join(ROOT, "tests", "cpp", "reinit_check.cpp"), "-L", config["LIBDIR"],
                    f"-lpython{config['LDVERSION']}", f"-Wl,-rpath,{config['LIBDIR']}", "-o", str(exe)], check=True,
                   env=toolchain_env())
    env = dict(os.environ, PYTHONHOME=sys.base_prefix, PYTHONPATH=os.path.dirname(velnor.__file__))
    if SANITIZED:  # the interpreter keeps memory across Py_Finalize by design
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
    proc = subprocess.run([str(exe)], capture_output=True, text=True, env=env)
    assert proc.returncode == 0, proc.stdout + proc.stderr[-2000:]
    lines = proc.stdout.splitlines()
    assert lines[:2] == ["Conjugation gehe True"] * 2
    assert len(lines) == 3 and lines[2].startswith("ImportError") and "subinterpreters" in lines[2]


# ---- what the shared object exports ----

@pytest.mark.skipif(SANITIZED, reason="the sanitizer build is not the release build")
def test_only_the_init_function_is_exported():
    nm = shutil.which("nm") or pytest.skip("needs nm")
    out = subprocess.run([nm, "-D", "--defined-only", velnor.__file__], capture_output=True, text=True,
                         check=True).stdout
    assert [line.split()[-1] for line in out.splitlines() if line.strip()] == ["PyInit_velnor"]


# ---- package metadata and the README's examples ----

def test_metadata_names_the_licence():
    meta = importlib.metadata.metadata("velnor")
    assert meta["License-Expression"] == "Apache-2.0"
    assert meta.get_all("License-File") == ["LICENSE"]


def test_readme_examples():
    # Every ```pycon block, in order, as one session: names carry over as a reader expects.
    with open(os.path.join(ROOT, "README.md"), encoding="utf-8") as f:
        blocks = re.findall(r"^```pycon\n(.*?)^```", f.read(), re.S | re.M)
    test = doctest.DocTestParser().get_doctest("\n".join(blocks), {}, "README.md", "README.md", 0)
    runner = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS)
    runner.run(test)
    result = runner.summarize(verbose=False)
    assert result.attempted > 0 and result.failed == 0
