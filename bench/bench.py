#!/usr/bin/env python3
"""Per-language cost of velnor.conjugate, beside the floor of making the same
Python objects.

For every language with an engine and a verb list in bench/verbs/<code>.txt,
prints microseconds per conjugate call, per full read of all attributes, and
the floor: building the same strings and lists from Python-side copies
(each string decoded afresh from its UTF-8 bytes, a new list per list
attribute), measured in the same
run. `ratio` is call / floor: below 1 means the engine work costs less than
just making the result's Python objects. `refuse 10MB` is the time to refuse
a 10 MB input (far over the input bound).

Usage: python bench/bench.py [--repeat N] [--lang CODE ...]
"""
import argparse
import inspect
import os
import sys
import time

import velnor

HERE = os.path.dirname(os.path.abspath(__file__))


def verbs_for(code):
    path = os.path.join(HERE, "verbs", code + ".txt")
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip() and not line.startswith("#")]


def attributes(cls):
    return [k for k, v in vars(cls).items() if inspect.isgetsetdescriptor(v)]


def best_of(repeat, fn):
    best = float("inf")
    for _ in range(repeat):
        t0 = time.perf_counter()
        fn()
        best = min(best, time.perf_counter() - t0)
    return best


def snapshot(obj, names):
    return [getattr(obj, n) for n in names]


def encoded(values):
    """The attribute values with every string as UTF-8 bytes."""
    return [[None if s is None else s.encode() for s in v] if isinstance(v, list)
            else (None if v is None else v.encode()) for v in values]


def rebuild(values):
    # The floor: decode the same strings from UTF-8 and make the same lists.
    out = []
    for v in values:
        if isinstance(v, list):
            out.append([None if s is None else s.decode() for s in v])
        elif v is None:
            out.append(None)
        else:
            out.append(v.decode())
    return out


HUGE = "x" * 10_000_000


def refuse_huge(code):
    try:
        velnor.conjugate(HUGE, code)
    except ValueError:
        return
    raise AssertionError(f"{code}: a 10 MB input was accepted")


def bench(code, verbs, repeat):
    ok = []
    for w in verbs:
        try:
            velnor.conjugate(w, lang=code)
            ok.append(w)
        except ValueError:
            pass
    if not ok:
        return None
    names = attributes(type(velnor.conjugate(ok[0], lang=code)))
    objs = [velnor.conjugate(w, lang=code) for w in ok]
    snaps = [encoded(snapshot(o, names)) for o in objs]
    conj = velnor.conjugate
    n = len(ok)
    t_call = best_of(repeat, lambda: [conj(w, code) for w in ok]) / n
    t_read = best_of(repeat, lambda: [snapshot(o, names) for o in objs]) / n
    t_floor = best_of(repeat, lambda: [rebuild(s) for s in snaps]) / n
    t_huge = best_of(min(repeat, 5), lambda: refuse_huge(code))
    return len(ok), len(verbs), t_call * 1e6, t_read * 1e6, t_floor * 1e6, t_huge * 1e6


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--repeat", type=int, default=20)
    ap.add_argument("--lang", nargs="*")
    args = ap.parse_args()
    codes = args.lang or sorted(f[:-4] for f in os.listdir(os.path.join(HERE, "verbs")) if f.endswith(".txt"))
    print(f"{'lang':5} {'verbs':>9} {'call µs':>9} {'read µs':>9} {'floor µs':>9} {'call/floor':>10} {'read/floor':>10} {'refuse 10MB µs':>15}")
    for code in codes:
        try:
            res = bench(code, verbs_for(code), args.repeat)
        except NotImplementedError:
            continue
        if res is None:
            continue
        ok, total, call, read, floor, huge = res
        print(f"{code:5} {ok:>4}/{total:<4} {call:9.2f} {read:9.2f} {floor:9.2f} {call / floor:10.2f} {read / floor:10.2f}"
              f" {huge:15.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
