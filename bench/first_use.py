#!/usr/bin/env python3
"""First-use cost of each language's lexicons, and resident memory with every
language loaded.

First use: in a fresh interpreter, one pass of conjugate over the language's
bench verb list (bench/verbs/<code>.txt) is timed twice; the first pass pays
for building whatever the engine keeps after its first call, the second does
not, so first-use = pass 1 - pass 2. The best of --runs fresh processes is
reported.

Memory: a fresh interpreter imports velnor, then makes one pass over the verb
list of every language; VmRSS is read before and after.

Usage: python bench/first_use.py [--runs N] [--lang CODE ...] [--json FILE]
       [--compare FILE]   (prints a column from an earlier --json run beside)

bench/first_use_before.json holds the figures measured before the lexicons
were compiled into read-only tables (each engine then parsed its texts into
hash maps on first use); bench/first_use_after.json those measured after.
Targets: first use under 0.2 ms in every language, all 34 languages loaded
under 25 MB resident.
"""
import argparse
import json
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

CHILD_FIRST = r"""
import sys, time, velnor
code, path = sys.argv[1], sys.argv[2]
words = [l.strip() for l in open(path, encoding="utf-8") if l.strip() and not l.startswith("#")]
def one_pass():
    t0 = time.perf_counter()
    for w in words:
        try:
            velnor.conjugate(w, lang=code)
        except ValueError:
            pass
    return time.perf_counter() - t0
first = one_pass()
second = min(one_pass() for _ in range(3))
print(max(0.0, first - second) * 1e3)
"""

CHILD_RSS = r"""
import os, sys, velnor
def rss_kb():
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
before = rss_kb()
for path in sys.argv[1:]:
    code = os.path.basename(path)[:-4]
    for l in open(path, encoding="utf-8"):
        w = l.strip()
        if w and not w.startswith("#"):
            try:
                velnor.conjugate(w, lang=code)
            except ValueError:
                pass
print(before, rss_kb())
"""


def codes_all():
    return sorted(f[:-4] for f in os.listdir(os.path.join(HERE, "verbs")) if f.endswith(".txt"))


def first_use(code, runs):
    path = os.path.join(HERE, "verbs", code + ".txt")
    best = float("inf")
    for _ in range(runs):
        out = subprocess.run([sys.executable, "-c", CHILD_FIRST, code, path],
                             check=True, capture_output=True, text=True).stdout
        best = min(best, float(out))
    return best


def rss(codes):
    paths = [os.path.join(HERE, "verbs", c + ".txt") for c in codes]
    out = subprocess.run([sys.executable, "-c", CHILD_RSS, *paths],
                         check=True, capture_output=True, text=True).stdout
    before, after = (int(x) for x in out.split())
    return before / 1024, after / 1024


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--lang", nargs="*")
    ap.add_argument("--json")
    ap.add_argument("--compare")
    args = ap.parse_args()
    codes = args.lang or codes_all()
    old = {}
    if args.compare:
        with open(args.compare, encoding="utf-8") as f:
            old = json.load(f)
    result = {"first_use_ms": {}, "rss_mb": {}}
    head = f"{'lang':5} {'first use ms':>12}"
    print(head + (f" {'before ms':>10}" if old else ""))
    for code in codes:
        ms = first_use(code, args.runs)
        result["first_use_ms"][code] = ms
        line = f"{code:5} {ms:12.3f}"
        if old:
            prev = old["first_use_ms"].get(code)
            line += f" {prev:10.3f}" if prev is not None else f" {'':>10}"
        print(line)
    before, after = rss(codes_all())
    result["rss_mb"] = {"import": before, "all_loaded": after}
    line = f"RSS after import {before:.1f} MB, after one pass in all {len(codes_all())} languages {after:.1f} MB"
    if old:
        o = old["rss_mb"]
        line += f" (before: {o['import']:.1f} MB, {o['all_loaded']:.1f} MB)"
    print(line)
    if args.json:
        with open(args.json, "w", encoding="utf-8") as f:
            json.dump(result, f, indent=1, sort_keys=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
