#!/usr/bin/env python3
"""The former name of scripts/compare.py (words / tables / diff / run), kept for the commands that use it:

  python3 scripts/snapshot.py words LANG... > words.json
  python3 scripts/snapshot.py tables words.json > before.json
  python3 scripts/snapshot.py diff before.json after.json

See scripts/compare.py for what each step does.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from compare import main  # noqa: E402

if __name__ == "__main__":
    main()
