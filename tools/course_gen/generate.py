"""Writes the Orvanta course into a folder, one file per resource.

    python3 tools/course_gen/generate.py OUTPUT_FOLDER [--stamp FILE] [--stats]

The work is done by orvanta_course.generate; this file only runs it."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from orvanta_course.generate import main  # noqa: E402

if __name__ == "__main__":
    sys.exit(main())
