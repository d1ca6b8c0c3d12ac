import os
import shutil
import subprocess
import sys

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


def build_cpp_tool(out_dir, main_source, sources, data=()):
    """Compiles a small C++ checking program against engine sources (and the
    given lexicon texts, embedded as the module does, but unchecked: toy
    lexicons may be malformed on purpose); skips the calling test when no
    compiler is at hand."""
    cxx = shutil.which("g++") or shutil.which("c++") or shutil.which("clang++")
    if cxx is None:
        pytest.skip("needs a C++ compiler")
    src = os.path.join(ROOT, "src")
    subprocess.run([sys.executable, os.path.join(ROOT, "tools", "embed_data.py"), "--unchecked", str(out_dir),
                    *data], check=True)
    exe = os.path.join(str(out_dir), os.path.splitext(os.path.basename(main_source))[0])
    subprocess.run([cxx, "-std=c++20", "-O1", "-I", src, "-I", str(out_dir),
                    os.path.join(ROOT, "tests", "cpp", main_source), *[os.path.join(src, s) for s in sources],
                    os.path.join(str(out_dir), "velnor_data.cpp"), "-o", exe], check=True, env=toolchain_env())
    return exe


def read_test_data(name):
    """The text of a file in tests/data: expected-form tables kept out of the
    test code."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "data", name), encoding="utf-8",
              newline="") as f:
        return f.read()
