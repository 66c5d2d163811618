"""Checks a generated course folder and reports every fault found.

    python3 tools/course_gen/check.py COURSE_FOLDER

The work is done by orvanta_course.check; this file only runs it."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from orvanta_course.check import main  # noqa: E402

if __name__ == "__main__":
    sys.exit(main(sys.argv))
