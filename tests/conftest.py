import atexit
import os
import shlex
import shutil
import subprocess
import sys
import sysconfig
import tempfile
import time

import pytest

import velnor

# Result class, failure message(s) and one real citation form per language,
# in language-code order.
LANGUAGES = {
    "deu": ("German", "Conjugation", ("not a German infinitive: ",), "gehen"),
    "cat": ("Catalan", "CatalanConjugation", ("not a Catalan infinitive", "not a supported Catalan verb"), "cantar"),
    "ces": ("Czech", "CzechConjugation", ("not a Czech infinitive",), "dělat"),
    "dan": ("Danish", "DanishConjugation", ("not a Danish infinitive",), "spise"),
    "eng": ("English", "EnglishConjugation", ("not an English infinitive",), "walk"),
    "est": ("Estonian", "EstonianConjugation", ("not an Estonian ma-infinitive",), "elama"),
    "fin": ("Finnish", "FinnishConjugation", ("not a Finnish infinitive",), "puhua"),
    "fra": ("French", "FrenchConjugation", ("not a French infinitive", "not a supported French verb"), "parler"),
    "slv": ("Slovenian", "SlovenianConjugation", ("not a Slovenian infinitive",), "delati"),
    "spa": ("Spanish", "SpanishConjugation", ("not a Spanish infinitive", "not a supported Spanish verb"), "hablar"),
    "por": ("Portuguese", "PortugueseConjugation",
            ("not a Portuguese infinitive", "not a supported Portuguese verb"), "falar"),
    "gle": ("Irish", "IrishConjugation", ("not an Irish verb",), "mol"),
    "hye": ("Eastern Armenian", "ArmenianConjugation", ("not an Armenian infinitive",), "գրել"),
    "isl": ("Icelandic", "IcelandicConjugation", ("not an Icelandic infinitive",), "tala"),
    "ita": ("Italian", "ItalianConjugation", ("not an Italian infinitive", "not a supported Italian verb"),
            "parlare"),
    "kor": ("Korean", "KoreanConjugation", ("not a Korean verb (must be a 하다-style 다-final stem)",), "공부하다"),
    "rus": ("Russian", "RussianConjugation", ("not a Russian infinitive",), "читать"),
    "nld": ("Dutch", "DutchConjugation", ("not a Dutch infinitive",), "werken"),
    "ron": ("Romanian", "RomanianConjugation", ("not a Romanian infinitive",), "cânta"),
    "swe": ("Swedish", "SwedishConjugation", ("not a Swedish infinitive",), "tala"),
    "ukr": ("Ukrainian", "UkrainianConjugation", ("not a Ukrainian infinitive",), "читати"),
    "jpn": ("Japanese", "JapaneseConjugation", ("not a Japanese verb", "not a known Japanese verb"), "食べる"),
    "tur": ("Turkish", "TurkishConjugation", ("not a Turkish infinitive",), "gelmek"),
    "hin": ("Hindi", "HindiConjugation", ("not a Hindi infinitive",), "करना"),
    "swa": ("Swahili", "SwahiliConjugation", ("not a Swahili verb",), "kusoma"),
    "tam": ("Tamil", "TamilConjugation", ("not a Tamil verb root",), "படி"),
    "tel": ("Telugu", "TeluguConjugation", ("not a Telugu verb root",), "చదువు"),
    "tgl": ("Tagalog", "TagalogConjugation", ("not a Tagalog verb root",), "sulat"),
    "pes": ("Persian", "PersianConjugation", ("not a Persian infinitive",), "رفتن"),
    "kan": ("Kannada", "KannadaConjugation", ("not a Kannada verb root",), "ಮಾಡು"),
    "guj": ("Gujarati", "GujaratiConjugation", ("not a Gujarati infinitive",), "કરવું"),
    "urd": ("Urdu", "UrduConjugation", ("not an Urdu infinitive",), "کرنا"),
    "ben": ("Bengali", "BengaliConjugation", ("not a Bengali verb",), "করা"),
    "mar": ("Marathi", "MarathiConjugation", ("not a Marathi infinitive",), "करणे"),
}

REGISTRATION_ORDER = [
    "Conjugation", "FrenchConjugation", "SpanishConjugation", "CatalanConjugation", "RussianConjugation",
    "DutchConjugation", "ArmenianConjugation", "HindiConjugation", "MarathiConjugation", "KoreanConjugation",
    "TurkishConjugation", "PortugueseConjugation", "RomanianConjugation", "EnglishConjugation",
    "DanishConjugation", "CzechConjugation", "SlovenianConjugation", "EstonianConjugation", "FinnishConjugation",
    "IrishConjugation", "ItalianConjugation", "SwedishConjugation", "UkrainianConjugation",
    "IcelandicConjugation", "JapaneseConjugation", "SwahiliConjugation", "TamilConjugation", "TeluguConjugation",
    "TagalogConjugation", "PersianConjugation", "KannadaConjugation", "GujaratiConjugation", "UrduConjugation",
    "BengaliConjugation",
]


def available(code):
    """Whether the language's engine is built into the module."""
    return hasattr(velnor, LANGUAGES[code][1])


AVAILABLE = [code for code in LANGUAGES if available(code)]


def needs(code):
    return pytest.mark.skipif(not available(code), reason=f"{LANGUAGES[code][0]} engine not built in")


ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def toolchain_env():
    """The environment for the compiler and linker: without the sanitizer
    runtimes that a sanitizer run preloads (the toolchain is not under test,
    and its leaks at exit are by design)."""
    env = dict(os.environ)
    env.pop("LD_PRELOAD", None)
    return env


_BUILD_DIR = tempfile.mkdtemp(prefix="velnor-cpp-")
atexit.register(shutil.rmtree, _BUILD_DIR, True)
_RULES = {}  # make target -> (prerequisites, command)
_MAKE = {}


class _Tool:
    def __init__(self, exe):
        self.exe = exe

    def result(self):
        """The program's path once it is built; waits for the build started after collection."""
        proc = _MAKE.get("proc")
        if proc is None:
            pytest.skip("needs make and a C++ compiler")
        while not os.path.exists(self.exe):
            if proc.poll() is not None and not os.path.exists(self.exe):
                with open(_MAKE["log"], encoding="utf-8", errors="replace") as f:
                    raise RuntimeError(f"{self.exe} did not build:\n{f.read()[-4000:]}")
            time.sleep(0.02)
        return self.exe


def _compile(src, out_dir, path, obj, extra=()):
    return ["$(CXX)", "-std=c++20", "-O1", *extra, "-I", src, "-I", out_dir, "-c", shlex.quote(path), "-o", obj]


def _embedded(data, texts):
    """A fresh output folder and the rule that embeds the given lexicon paths and {file name: text} there:
    (folder, path of the generated velnor_data.cpp)."""
    out_dir = tempfile.mkdtemp(dir=_BUILD_DIR)
    data = list(data)
    for name, text in (texts or {}).items():
        data.append(os.path.join(out_dir, name))
        with open(data[-1], "wb") as f:
            f.write(text.encode("utf-8"))
    generated = os.path.join(out_dir, "velnor_data.cpp")
    # unchecked: toy lexicons may be malformed on purpose
    _RULES[generated] = (data, [sys.executable, os.path.join(ROOT, "tools", "embed_data.py"), "--unchecked", out_dir,
                                *data])
    return out_dir, generated


def cpp_tool(main_source, sources, data=(), texts=None):
    """A small C++ checking program from tests/cpp/, compiled against engine sources and the given lexicon texts
    (paths, and {file name: text} written for it), embedded as the module does. Every program is built by one
    parallel make started when collection ends, while the tests run; result() gives the program's path."""
    out_dir, generated = _embedded(data, texts)
    src = os.path.join(ROOT, "src")
    objects = []
    for path in [os.path.join(ROOT, "tests", "cpp", main_source), *[os.path.join(src, s) for s in sources]]:
        with open(path, encoding="utf-8") as f:
            shared = "velnor_data.hpp" not in f.read()
        # sources that do not read the embedded lexicons are compiled once for every program
        obj = os.path.join(_BUILD_DIR if shared else out_dir, os.path.relpath(path, ROOT).replace(os.sep, "_") + ".o")
        _RULES[obj] = ([path] if shared else [path, generated], _compile(src, out_dir, path, obj))
        objects.append(obj)
    objects.append(os.path.join(out_dir, "velnor_data.o"))
    _RULES[objects[-1]] = ([generated], _compile(src, out_dir, generated, objects[-1]))
    exe = os.path.join(out_dir, os.path.splitext(main_source)[0])
    _RULES[exe] = (objects, ["$(CXX)", *objects, "-o", exe + ".tmp", "&&", "mv", exe + ".tmp", exe])
    return _Tool(exe)


@pytest.fixture(scope="module")
def tool(request):
    """The test module's C++ checking program (its TOOL, from cpp_tool) as a function: runs the program with the
    given arguments and gives its output lines, each split at tabs (the programs write UTF-8; anything else
    fails)."""
    exe = request.module.TOOL.result()

    def run(*args):
        p = subprocess.run([exe, *args], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


def cpp_module(bindings, sources, data=(), texts=None):
    """The extension module built from the frame (bindings/module.cpp, lang.cpp, result_class.cpp), the given
    language bindings and engine sources, and the given lexicon texts, as cpp_tool builds its programs: the
    languages left out are not available in it. result() gives the path of velnor.abi3.so."""
    out_dir, generated = _embedded(data, texts)
    src = os.path.join(ROOT, "src")
    flags = ["-fPIC", "-DPy_LIMITED_API=0x030B0000", "-I", sysconfig.get_paths()["include"]]
    paths = [os.path.join(ROOT, "bindings", b) for b in ["module.cpp", "lang.cpp", "result_class.cpp", *bindings]]
    objects = []
    for path in [*paths, *[os.path.join(src, s) for s in sources], generated]:
        obj = os.path.join(out_dir, os.path.relpath(path, ROOT).replace(os.sep, "_") + ".o")
        _RULES[obj] = ([path, generated], _compile(src, out_dir, path, obj, flags))
        objects.append(obj)
    exe = os.path.join(out_dir, "velnor.abi3.so")
    _RULES[exe] = (objects, ["$(CXX)", "-shared", *objects, "-o", exe + ".tmp", "&&", "mv", exe + ".tmp", exe])
    return _Tool(exe)


def pytest_collection_modifyitems(items):
    # Tests of the C++ programs last, so that the programs build while the other tests run.
    items.sort(key=lambda item: any(isinstance(v, _Tool) for v in vars(item.module).values()))


def pytest_collection_finish(session):
    cxx = shutil.which("g++") or shutil.which("c++") or shutil.which("clang++")
    if not _RULES or cxx is None or shutil.which("make") is None:
        return
    makefile = os.path.join(_BUILD_DIR, "Makefile")
    with open(makefile, "w", encoding="utf-8") as f:
        f.write(f"CXX = {cxx}\nall: {' '.join(t for t in _RULES if not t.endswith(('.o', '.cpp')))}\n")
        for target, (prerequisites, command) in _RULES.items():
            f.write(f"{target}: {' '.join(prerequisites)}\n\t{' '.join(command)}\n")
    _MAKE["log"] = os.path.join(_BUILD_DIR, "make.log")
    with open(_MAKE["log"], "wb") as log:
        _MAKE["proc"] = subprocess.Popen(["make", "-k", "-s", f"-j{os.cpu_count() or 2}", "-f", makefile],
                                         stdout=log, stderr=subprocess.STDOUT, cwd=_BUILD_DIR, env=toolchain_env())


def pytest_sessionfinish(session):
    if "proc" in _MAKE and _MAKE["proc"].poll() is None:
        _MAKE["proc"].kill()
        _MAKE["proc"].wait()


def read_test_data(name):
    """The text of a file in tests/data: expected-form tables kept out of the
    test code."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "data", name), encoding="utf-8",
              newline="") as f:
        return f.read()
