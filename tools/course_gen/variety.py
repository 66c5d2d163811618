"""Measures how varied a generated course reads: repeats, frames, mock clashes.

    python3 tools/course_gen/variety.py COURSE_FOLDER

The work is done by orvanta_course.variety; this file only runs it."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from orvanta_course.variety import main  # noqa: E402

if __name__ == "__main__":
    sys.exit(main(sys.argv))
