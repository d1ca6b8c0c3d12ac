#!/usr/bin/env python3
"""The former name of `scripts/compare.py diff`, kept for the commands that use it:

  python3 scripts/checker_diff.py before.jsonl.gz after.jsonl.gz [--changes changes.tsv] [--real real.txt]

The snapshots are those of scripts/compare.py (tables, run --keep) or scripts/lexicon_snapshot.py, in the one
format; every language's checkers judge its forms. See scripts/compare.py for what the diff lists.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from compare import main  # noqa: E402

if __name__ == "__main__":
    main(["diff", *sys.argv[1:]])
