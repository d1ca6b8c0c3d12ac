#!/usr/bin/env python3
"""Generates src/unicode_tables.cpp from the Unicode Character Database.

Usage: python3 tools/gen_unicode.py [UCD_DIR]   (default /usr/share/unicode,
as installed by Debian's unicode-data package). The output is committed, so
building the module needs nothing but the generated file.
"""
import os
import re
import sys

UCD = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "unicode_tables.cpp")

CATEGORIES = ["Cn", "Lu", "Ll", "Lt", "Lm", "Lo", "Mn", "Mc", "Me", "Nd", "Nl", "No", "Pc", "Pd", "Ps", "Pe",
              "Pi", "Pf", "Po", "Sm", "Sc", "Sk", "So", "Zs", "Zl", "Zp", "Cc", "Cf", "Cs", "Co"]


# The scripts that the languages write their verbs in, one bit each, in the
# order of velnor::unicode::Script; Inherited (combining marks used with any
# script) takes the last bit.
SCRIPTS = ["Latin", "Cyrillic", "Armenian", "Arabic", "Devanagari", "Bengali", "Gujarati", "Tamil", "Telugu",
           "Kannada", "Hangul", "Hiragana", "Katakana", "Han", "Inherited"]
SHORT = {"Latn": "Latin", "Cyrl": "Cyrillic", "Armn": "Armenian", "Arab": "Arabic", "Deva": "Devanagari",
         "Beng": "Bengali", "Gujr": "Gujarati", "Taml": "Tamil", "Telu": "Telugu", "Knda": "Kannada",
         "Hang": "Hangul", "Hira": "Hiragana", "Kana": "Katakana", "Hani": "Han", "Zinh": "Inherited"}


def version():
    with open(os.path.join(UCD, "DerivedCoreProperties.txt"), encoding="utf-8") as f:
        m = re.search(r"DerivedCoreProperties-([\d.]+)\.txt", f.readline())
        return m.group(1) if m else "unknown"


def unicode_data():
    """Yields (code point, fields) for every code point, expanding ranges."""
    with open(os.path.join(UCD, "UnicodeData.txt"), encoding="utf-8") as f:
        rows = [line.rstrip("\n").split(";") for line in f if line.strip()]
    i = 0
    while i < len(rows):
        fields = rows[i]
        cp = int(fields[0], 16)
        if fields[1].endswith(", First>"):
            last = int(rows[i + 1][0], 16)
            for c in range(cp, last + 1):
                yield c, fields
            i += 2
        else:
            yield cp, fields
            i += 1


def properties(filename, wanted):
    out = {w: set() for w in wanted}
    with open(os.path.join(UCD, filename), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            rng, prop = [x.strip() for x in line.split(";")[:2]]
            if prop not in out:
                continue
            if ".." in rng:
                a, b = rng.split("..")
                out[prop].update(range(int(a, 16), int(b, 16) + 1))
            else:
                out[prop].add(int(rng, 16))
    return out


def script_bits():
    """Code point -> bit set of SCRIPTS: its Script_Extensions where it has them, else its Script."""
    bits = {}
    for name, points in properties("Scripts.txt", SCRIPTS).items():
        for cp in points:
            bits[cp] = 1 << SCRIPTS.index(name)
    with open(os.path.join(UCD, "ScriptExtensions.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            rng, names = [x.strip() for x in line.split(";")[:2]]
            a, _, b = rng.partition("..")
            value = sum(1 << SCRIPTS.index(SHORT[n]) for n in names.split() if n in SHORT)
            for cp in range(int(a, 16), int(b or a, 16) + 1):
                bits[cp] = value
    return {cp: v for cp, v in bits.items() if v}


def ranges(points):
    pts = sorted(points)
    result = []
    for p in pts:
        if result and result[-1][1] + 1 == p:
            result[-1][1] = p
        else:
            result.append([p, p])
    return result


def main():
    category = {}
    lower = {}
    upper = {}
    for cp, fields in unicode_data():
        category[cp] = fields[2]
        if fields[13]:
            lower[cp] = [int(fields[13], 16)]
        if fields[12]:
            upper[cp] = [int(fields[12], 16)]
    # Unconditional full mappings of SpecialCasing (no condition list).
    with open(os.path.join(UCD, "SpecialCasing.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            parts = [p.strip() for p in line.split(";")]
            if len(parts) > 4 and parts[4]:
                continue  # conditional mapping
            cp = int(parts[0], 16)
            lo = [int(x, 16) for x in parts[1].split()]
            up = [int(x, 16) for x in parts[3].split()]
            if lo != [cp]:
                lower[cp] = lo
            if up != [cp]:
                upper[cp] = up

    # Category runs over the whole code space (unassigned = Cn).
    runs = []
    prev = None
    for cp in range(0x110000):
        cat = category.get(cp, "Cn")
        if cat != prev:
            runs.append((cp, CATEGORIES.index(cat)))
            prev = cat
    core = properties("DerivedCoreProperties.txt", ["Grapheme_Extend", "Alphabetic", "Uppercase", "Lowercase"])
    plist = properties("PropList.txt", ["White_Space"])

    out = []
    w = out.append
    w("// Generated by tools/gen_unicode.py from the Unicode Character Database %s." % version())
    w("// Do not edit by hand.")
    w('#include "unicode_tables.hpp"')
    w("")
    w("namespace velnor::unicode::tables {")
    w("")
    w("const char* const VERSION = \"%s\";" % version())
    w("")
    w("const CategoryRun CATEGORY_RUNS[] = {")
    for i in range(0, len(runs), 6):
        w("    " + " ".join("{0x%X, %d}," % r for r in runs[i:i + 6]))
    w("};")
    w("const std::size_t CATEGORY_RUN_COUNT = sizeof(CATEGORY_RUNS) / sizeof(CATEGORY_RUNS[0]);")
    w("")

    def emit_ranges(name, pts):
        rs = ranges(pts)
        w("const Range %s[] = {" % name)
        for i in range(0, len(rs), 6):
            w("    " + " ".join("{0x%X, 0x%X}," % tuple(r) for r in rs[i:i + 6]))
        w("};")
        w("const std::size_t %s_COUNT = sizeof(%s) / sizeof(%s[0]);" % (name, name, name))
        w("")

    emit_ranges("GRAPHEME_EXTEND", core["Grapheme_Extend"])
    emit_ranges("WHITE_SPACE", plist["White_Space"])
    emit_ranges("ALPHABETIC", core["Alphabetic"])
    emit_ranges("UPPERCASE", core["Uppercase"])
    emit_ranges("LOWERCASE", core["Lowercase"])

    bits = script_bits()
    script_runs = []
    for cp in sorted(bits):
        if script_runs and script_runs[-1][1] + 1 == cp and script_runs[-1][2] == bits[cp]:
            script_runs[-1][1] = cp
        else:
            script_runs.append([cp, cp, bits[cp]])
    w("const ScriptRange SCRIPT_RANGES[] = {")
    for i in range(0, len(script_runs), 4):
        w("    " + " ".join("{0x%X, 0x%X, 0x%X}," % tuple(r) for r in script_runs[i:i + 4]))
    w("};")
    w("const std::size_t SCRIPT_RANGE_COUNT = sizeof(SCRIPT_RANGES) / sizeof(SCRIPT_RANGES[0]);")
    w("")

    def emit_mapping(name, mapping):
        w("const CaseMapping %s[] = {" % name)
        for cp in sorted(mapping):
            m = mapping[cp]
            assert len(m) <= 3
            vals = ", ".join("0x%X" % x for x in m + [0] * (3 - len(m)))
            w("    {0x%X, {%s}}," % (cp, vals))
        w("};")
        w("const std::size_t %s_COUNT = sizeof(%s) / sizeof(%s[0]);" % (name, name, name))
        w("")

    emit_mapping("LOWER", lower)
    emit_mapping("UPPER", upper)
    w("}  // namespace velnor::unicode::tables")
    with open(OUT, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
