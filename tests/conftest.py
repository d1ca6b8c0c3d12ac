import atexit
import concurrent.futures
import os
import shutil
import subprocess
import sys
import tempfile
import threading

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


_COMPILED = {}  # engine sources that do not read the embedded lexicons: compiled once a session
_LOCK = threading.Lock()
_POOL = concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2)  # compiler runs
_TOOLS = concurrent.futures.ThreadPoolExecutor(64)  # programs waiting for their objects
_BUILD_DIR = tempfile.mkdtemp(prefix="velnor-cpp-")
atexit.register(shutil.rmtree, _BUILD_DIR, True)


def cpp_tool(main_source, sources, data=(), texts=None):
    """Starts compiling a small C++ checking program from tests/cpp/ against engine sources and the given
    lexicon texts (paths, and {file name: text} written for it), embedded as the module does. Called when a
    test module is imported, so that every program builds in parallel while tests run; returns a future whose
    result() is the program's path, or skips the calling test when no compiler is at hand."""
    return _TOOLS.submit(_build, main_source, sources, list(data), texts or {})


def _build(main_source, sources, data, texts):
    cxx = shutil.which("g++") or shutil.which("c++") or shutil.which("clang++")
    if cxx is None:
        pytest.skip("needs a C++ compiler")
    src = os.path.join(ROOT, "src")
    out_dir = tempfile.mkdtemp(dir=_BUILD_DIR)
    for name, text in texts.items():
        data.append(os.path.join(out_dir, name))
        with open(data[-1], "wb") as f:
            f.write(text.encode("utf-8"))
    subprocess.run([sys.executable, os.path.join(ROOT, "tools", "embed_data.py"), out_dir, *data], check=True)

    def compile_one(path):
        with open(path, encoding="utf-8") as f:
            shared = "velnor_data.hpp" not in f.read()
        with _LOCK:
            if shared and path not in _COMPILED:
                _COMPILED[path] = _POOL.submit(compile_object, path, os.path.join(_BUILD_DIR, ""))
            if shared:
                return _COMPILED[path]
        return _POOL.submit(compile_object, path, os.path.join(out_dir, ""))

    def compile_object(path, prefix):
        obj = prefix + os.path.relpath(path, ROOT).replace(os.sep, "_") + ".o"
        subprocess.run([cxx, "-std=c++20", "-O1", "-I", src, "-I", out_dir, "-c", path, "-o", obj], check=True)
        return obj

    paths = [os.path.join(ROOT, "tests", "cpp", main_source), *[os.path.join(src, s) for s in sources],
             os.path.join(out_dir, "velnor_data.cpp")]
    objects = [compile_one(path) for path in paths]
    exe = os.path.join(out_dir, os.path.splitext(os.path.basename(main_source))[0])
    subprocess.run([cxx, *[o.result() for o in objects], "-o", exe], check=True)
    return exe


def read_test_data(name):
    """The text of a file in tests/data: expected-form tables kept out of the
    test code."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "data", name), encoding="utf-8",
              newline="") as f:
        return f.read()
