#!/usr/bin/env python3
"""Coverage-guided fuzzing of velnor.conjugate with atheris.

    python -m pip install atheris
    python fuzz/fuzz_conjugate.py -atheris_runs=2000000 [corpus_dir]

Every input picks a language (first byte) and a word (the rest, decoded as
UTF-8 with errors replaced, so lone surrogates never reach the module). A
result must read back with the documented kinds; ValueError is the only
exception allowed. Build the module with VELNOR_SANITIZE=ON and preload the
sanitizer runtimes to catch memory errors as well (see README).
"""
import sys

import atheris

with atheris.instrument_imports():
    import velnor

CODES = ["deu", "cat", "ces", "dan", "eng", "est", "fin", "fra", "slv", "spa", "por", "gle", "hye", "isl", "ita",
         "kor", "rus", "nld", "ron", "swe", "ukr", "jpn", "tur", "hin", "swa", "tam", "tel", "tgl", "pes", "kan",
         "guj", "urd", "ben", "mar"]
AVAILABLE = []
for code in CODES:
    try:
        velnor.conjugate("x", lang=code)
        AVAILABLE.append(code)
    except NotImplementedError:
        pass
    except ValueError:
        AVAILABLE.append(code)


def check(obj):
    for name in dir(type(obj)):
        if name.startswith("__"):
            continue
        v = getattr(obj, name)
        if isinstance(v, list):
            assert all(x is None or isinstance(x, str) for x in v), name
        else:
            assert v is None or isinstance(v, str), name
    assert isinstance(repr(obj), str)


def one_input(data):
    if not data or not AVAILABLE:
        return
    lang = AVAILABLE[data[0] % len(AVAILABLE)]
    word = data[1:].decode("utf-8", "replace")
    try:
        obj = velnor.conjugate(word, lang=lang)
    except ValueError:
        return
    check(obj)


def main():
    atheris.Setup(sys.argv, one_input)
    atheris.Fuzz()


if __name__ == "__main__":
    main()
