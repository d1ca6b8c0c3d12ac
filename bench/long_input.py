#!/usr/bin/env python3
"""Time taken to refuse (or conjugate) over-long and pathological inputs: the
cases of tests/test_robustness.py, tests/test_hardening.py and the German
separable-prefix chains of tests/test_deu.py, timed here instead of asserted
there. Work must stay linear in the input: a megabyte takes well under a
second, a quadratic scan would take minutes.

Usage: python bench/long_input.py [--lang CODE ...] [--limit SECONDS]
Prints the slowest cases and exits with status 1 when one takes longer than
--limit (default 0.5 s).
"""
import argparse
import sys
import time

import velnor

CASES = {
    "x * 1 MiB": lambda w: "x" * (1 << 20),
    "ab-run": lambda w: ("ab" * 300000) + "en",
    "emoji * 1000": lambda w: "\U0001F600" * 1000,
    "word + 10 MB": lambda w: w + "x" * 10_000_000,
}
GERMAN = [("ab", 500_000, "machen"), ("Ab", 500_000, "machen"), ("abver", 200_000, "machen"),
          ("verab", 200_000, "machen"), ("anzu", 250_000, "fangen"), ("hinterunter", 90_000, "gehen")]
LANGS = ["deu", "cat", "ces", "dan", "eng", "est", "fin", "fra", "slv", "spa", "por", "gle", "hye", "isl", "ita",
         "kor", "rus", "nld", "ron", "swe", "ukr", "jpn", "tur", "hin", "swa", "tam", "tel", "tgl", "pes", "kan",
         "guj", "urd", "ben", "mar"]
SAMPLE = {"deu": "gehen", "tam": "படி", "tel": "చదువు", "kan": "ಮಾಡು"}


def timed(word, lang):
    start = time.perf_counter()
    try:
        velnor.conjugate(word, lang=lang)
    except ValueError:
        pass
    return time.perf_counter() - start


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--lang", nargs="*")
    ap.add_argument("--limit", type=float, default=0.5)
    args = ap.parse_args()
    langs = args.lang or LANGS
    results = []
    for lang in langs:
        for name, make in CASES.items():
            results.append((timed(make(SAMPLE.get(lang, "kata")), lang), lang, name))
    if "deu" in langs:
        for chunk, times, verb in GERMAN:
            results.append((timed(chunk * times + verb, "deu"), "deu", f"{chunk}*{times}+{verb}"))
    results.sort(reverse=True)
    for seconds, lang, name in results[:10]:
        print(f"{seconds * 1000:9.2f} ms  {lang}  {name}")
    return 1 if results and results[0][0] > args.limit else 0


if __name__ == "__main__":
    sys.exit(main())
