"""Tests of the course generator and of its checker.

    ORVANTA_COURSE=build/resources/course python3 -m unittest discover -s tools/course_gen

Without ORVANTA_COURSE the course is generated into a temporary folder first."""

import os
import quopri
import shutil
import subprocess
import sys
import tempfile
import unittest
from decimal import Decimal
from fractions import Fraction
from pathlib import Path

COMMANDS = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(COMMANDS))

from orvanta_course import check, mhtml  # noqa: E402
from orvanta_course.maths import papers as maths  # noqa: E402


def generate(folder, hash_seed):
    env = dict(os.environ, PYTHONHASHSEED=str(hash_seed), PYTHONDONTWRITEBYTECODE="1")
    subprocess.run([sys.executable, str(COMMANDS / "generate.py"), str(folder)], check=True, env=env)


class CourseFolder:
    """The course under test, and copies of it that a test may damage."""

    folder = None
    scratch = None

    @classmethod
    def get(cls):
        if cls.folder is None:
            cls.scratch = tempfile.TemporaryDirectory()
            given = os.environ.get("ORVANTA_COURSE")
            if given:
                cls.folder = Path(given)
            else:
                cls.folder = Path(cls.scratch.name) / "course"
                generate(cls.folder, 1)
        return cls.folder

    @classmethod
    def copy(cls, name):
        source = cls.get()
        target = Path(cls.scratch.name) / name
        shutil.copytree(source, target, copy_function=link_or_copy)
        return target


def link_or_copy(source, target):
    """Copies cheaply: tests replace damaged files instead of editing them."""
    try:
        os.link(source, target)
    except OSError:
        shutil.copyfile(source, target)


def rewrite(path, data):
    """Gives a copied course file new content without touching the original."""
    path.unlink()
    path.write_bytes(data)


def replace_line(path, start, new_line):
    """Replaces the first line of a course file that starts with `start`."""
    lines = path.read_bytes().split(b"\r\n")
    index = next(i for i, line in enumerate(lines) if line.startswith(start))
    lines[index] = new_line
    rewrite(path, b"\r\n".join(lines))


def questions_typed(folder, table, types):
    """Numbers of the questions whose type record is exactly `types`, as "#>G>G>G"."""
    lines = (folder / table).read_bytes().split(b"\r\n")
    return [line[1:6] for line in lines if line.startswith(b"#") and line[6:] == types]


def key_line(folder, table, number):
    return next(l for l in (folder / table).read_bytes().split(b"\r\n") if l.startswith(b"#" + number + b"#"))


class GeneratedCourseTest(unittest.TestCase):
    def test_course_is_sound(self):
        report = check.check_course(CourseFolder.get())
        self.assertEqual(report.faults, [])

    def test_generation_gives_the_same_bytes_whatever_the_hash_seed(self):
        original = CourseFolder.get()
        again = Path(CourseFolder.scratch.name) / "again"
        generate(again, 4242)
        names = sorted(p.name for p in original.iterdir() if p.name.isdigit())
        self.assertEqual(names, sorted(p.name for p in again.iterdir()))
        different = [n for n in names if (original / n).read_bytes() != (again / n).read_bytes()]
        self.assertEqual(different, [])


class CheckerFindsFaultsTest(unittest.TestCase):
    """Each broken copy of the course must be reported with the right fault."""

    def damaged(self, name, damage):
        folder = CourseFolder.copy(name)
        damage(folder)
        return "\n".join(check.check_course(folder).faults)

    def test_faults_are_reported(self):
        def wrong_sum(folder):
            for number in questions_typed(folder, "30024", b"#>N"):
                if b"Add <b>" in quopri.decodestring((folder / number.decode()).read_bytes()):
                    replace_line(folder / "30023", b"#" + number + b"#", b"#" + number + b"#>1")
                    return
            raise LookupError("no addition question")

        def bare_line_feeds(folder):
            page = folder / "10001"
            rewrite(page, page.read_bytes().replace(b"\r\n", b"\n"))

        def short_template(folder):
            replace_line(folder / "30112", b"#101#", b"#101#" + b">" * 14)

        def thin_group(folder):
            number = questions_typed(folder, "30034", b"#>G>G>G")[0]
            line = key_line(folder, "30033", number)
            head = line.split(b">")[1]
            replace_line(folder / "30033", b"#" + number + b"#", line.replace(head, b";" + head.split(b";")[1], 1))

        def unordered_paper(folder):
            lines = (folder / "30022").read_bytes().split(b"\r\n")
            fields = lines[1].split(b">")
            fields[1], fields[2] = fields[2], fields[1]
            replace_line(folder / "30022", b"#101#", b">".join(fields))

        def mixed_number_not_simplest(folder):
            number = questions_typed(folder, "30024", b"#>X")[0]
            whole, fraction = key_line(folder, "30023", number).split(b">")[1].split(b" ")
            n, d = map(int, fraction.split(b"/"))
            replace_line(folder / "30023", b"#" + number + b"#", b"#%s#>%s %d/%d" % (number, whole, 2 * n, 2 * d))

        cases = [
            ("wrong_sum", wrong_sum, "works out to"),
            ("bare_line_feeds", bare_line_feeds, "page 10001: a line does not end with CR LF"),
            ("short_template", short_template, "per-paper template does not match"),
            ("thin_group", thin_group, "fewer answers than parts"),
            ("unordered_paper", unordered_paper, "questions not ascending"),
            ("mixed_number_not_simplest", mixed_number_not_simplest, "is not simplified"),
        ]
        for name, damage, fault in cases:
            with self.subTest(name):
                self.assertIn(fault, self.damaged(name, damage))


class EncodingTest(unittest.TestCase):
    def test_quoted_printable_round_trips_and_keeps_lines_short(self):
        samples = [
            "plain text",
            "Tom\u2019s caf\u00e9 costs = 5 \u2013 done  ",
            "\u00e9" * 90,
            "x" * 74 + "\u00e9" + "y" * 80,
            "<p class=\"a\">" + "word " * 40 + "</p>",
        ]
        for text in samples:
            with self.subTest(text[:20]):
                data = text.encode("cp1252")
                encoded = mhtml.quoted_printable(data)
                self.assertTrue(all(len(line) <= 76 for line in encoded.split("\r\n")))
                self.assertEqual(quopri.decodestring(encoded.encode("ascii").replace(b"\r\n", b"\n")), data)

    def test_number_keys_are_plain_decimals(self):
        cases = [(15360, "15360"), (Decimal("0.250"), "0.25"), (Decimal("115.50"), "115.5"), (Fraction(3, 8), "0.375"),
                 (Decimal("1E+3"), "1000"), (Fraction(46, 2), "23")]
        for value, key in cases:
            with self.subTest(key):
                self.assertEqual(maths.key_number(value), key)

    def test_fraction_keys(self):
        self.assertEqual(maths.key_fraction(Fraction(10, 56)), "5/28")
        self.assertEqual(maths.key_mixed(Fraction(42, 5)), "8 2/5")
        self.assertEqual(maths.number_words(40060), "forty thousand and sixty")
        self.assertEqual(maths.number_words(83267), "eighty-three thousand two hundred and sixty-seven")


if __name__ == "__main__":
    unittest.main()
