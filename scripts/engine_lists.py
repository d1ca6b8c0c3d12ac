"""The string lists of the engines' sources (prefixes, particles...), read from src/ so that a script uses the
list its engine uses, not a copy of it."""
import glob
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def lists(code, name):
    """{list name: its strings in order} for every string list of src/<code>.cpp and src/<code>/ whose name
    matches the regular expression `name` (in full, ignoring case): `kPrefixes[] = {"ne", ...};`,
    `std::array<...> PARTICLES{...};`."""
    pattern = re.compile(r"\b(" + name + r")\s*(?:\[\s*\d*\s*\])?\s*=?\s*\{([^{}]*)\}\s*;", re.I)
    found = {}
    for path in sorted(glob.glob(os.path.join(ROOT, "src", f"{code}.cpp")) +
                       glob.glob(os.path.join(ROOT, "src", code, "*.cpp"))):
        with open(path, encoding="utf-8") as f:
            for m in pattern.finditer(f.read()):
                found[m.group(1)] = re.findall(r'"([^"\\]*)"', m.group(2))
    return found


def string_list(code, name):
    """The strings of the list `name` of the engine `code`; an error when there is no such list."""
    found = lists(code, re.escape(name))
    if name not in found:
        raise LookupError(f"no string list {name} in the sources of {code}")
    return found[name]
