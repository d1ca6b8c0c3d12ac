#!/usr/bin/env python3
"""The former name of scripts/compare.py (words / tables / diff / run), kept for the commands that use it:

  python3 scripts/snapshot.py words LANG... > words.jsonl
  python3 scripts/snapshot.py tables words.jsonl > before.jsonl
  python3 scripts/snapshot.py diff before.jsonl after.jsonl

See scripts/compare.py for what each step does.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from compare import main  # noqa: E402

if __name__ == "__main__":
    main()
