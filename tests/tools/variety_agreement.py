"""Checks that orvanta-course measures a course's variety exactly as the course
generator's measure does: per subject the question count, the repeats and the
five most used frames with their counts.

    python3 variety_agreement.py ORVANTA_COURSE COURSE_FOLDER"""

import io
import re
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "course_gen"))

from orvanta_course import variety  # noqa: E402


def figures(text, heading):
    """{subject: (questions, repeats, [(count, frame)])} from a variety report."""
    out = {}
    subject = None
    for line in text.splitlines():
        head = re.match(heading, line)
        if head:
            subject = head.group(1)
            out[subject] = (int(head.group(2)), int(head.group(3)), [])
            continue
        frame = re.match(r"  frame +(\d+) \([\d.]+ %\) (.*?)(?:  TOO MANY|  above 2 %)?$", line)
        if frame and subject:
            out[subject][2].append((int(frame.group(1)), frame.group(2)))
        elif not line.startswith("  "):
            subject = None
    return out


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    tool, folder = argv[1], argv[2]
    python_report = io.StringIO()
    variety.report(folder, python_report)
    ours = figures(python_report.getvalue(), r"(\w+): (\d+) questions, (\d+) repeated$")
    run = subprocess.run([tool, "check", "--course", folder, "--skip-pictures"], capture_output=True, text=True)
    theirs = figures(run.stdout, r"Variety of (\w+) \(subject \d\): (\d+) questions, (\d+) repeated$")
    if not ours or ours != theirs:
        print("variety.py:      %r" % ours)
        print("orvanta-course:  %r" % theirs)
        return 1
    for subject, (questions, repeats, frames) in sorted(ours.items()):
        print("%s: %d questions, %d repeated, top frame %d: both measures agree" % (subject, questions, repeats, frames[0][0]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
