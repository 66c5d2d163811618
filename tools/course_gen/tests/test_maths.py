"""Tests of the Mathematics banks: the rules of the second edition on the
generated course, the mock blueprint, quantities a child recognises and the
helpers the question makers share.

    ORVANTA_COURSE=build/resources/course python3 -m unittest discover -s tools/course_gen -p "test_*.py"
"""

import collections
import html as html_module
import random
import re
import sys
import unittest
from decimal import Decimal
from fractions import Fraction
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))

from orvanta_course import check, check_maths, generate, page, shape, variety  # noqa: E402
from orvanta_course.maths import kit as maths_kit  # noqa: E402
from orvanta_course.maths import papers as maths  # noqa: E402
from orvanta_course.model import Context  # noqa: E402

from .test_course_gen import CourseFolder  # noqa: E402

MATHS = shape.MATHEMATICS
INVENTORY = {"N": 778, "Q": 255, "F": 58, "T": 48, "R": 28, "X": 23, "M": 5}
# The shares of keys the first edition's checker worked out again.
FIRST_EDITION_TYPED_SHARE, FIRST_EDITION_CHOICE_SHARE = 798 / 866, 219 / 253


def maths_papers_in_process():
    """The Mathematics papers as generate.py builds them, with their kinds."""
    seed = next(seed for number, _, seed, _ in generate.SUBJECTS if number == MATHS)
    return maths.build_papers(Context(random.Random(seed)))


class Generated:
    """The generated course's Mathematics pages and tables, read once."""

    _pages = None
    _tables = None

    @classmethod
    def pages(cls):
        if cls._pages is None:
            cls._pages = variety.read_pages(CourseFolder.get(), MATHS)
        return cls._pages

    @classmethod
    def tables(cls):
        if cls._tables is None:
            folder = CourseFolder.get()
            cls._tables = {name: check.question_table(check.Report(), folder / str(30020 + k))
                           for name, k in (("keys", 3), ("types", 4), ("marks", 5))}
        return cls._tables

    @classmethod
    def html(cls, number):
        return check.page_text(check.Report(), number, (CourseFolder.get() / str(number)).read_bytes())


class VarietyRulesTest(unittest.TestCase):
    """No repeats, no overused frame, no frame twice in a paper."""

    def test_no_question_repeats_another(self):
        self.assertEqual(variety.repeated_questions(Generated.pages()), [])

    def test_no_frame_opens_more_than_two_percent_of_the_questions(self):
        frames = variety.question_frames(Generated.pages())
        count = sum(frames.values())
        overused = [(f, n) for f, n in frames.items() if n > variety.FRAME_SHARE * count]
        self.assertEqual(overused, [])

    def test_no_paper_asks_two_questions_of_one_frame(self):
        clashes = []
        for paper, pages in Generated.pages().items():
            counts = collections.Counter(page.frame() for page in pages)
            clashes += [(paper, f) for f, n in counts.items() if n > 1]
        self.assertEqual(clashes, [])

    def test_no_paper_repeats_a_kind_while_others_are_left(self):
        for index, paper in enumerate(maths_papers_in_process()):
            with self.subTest(paper=shape.FIRST_PAPER + index):
                kinds = collections.Counter(q.kind for q in paper)
                self.assertLessEqual(max(kinds.values()), 2)


class CourseShapeTest(unittest.TestCase):
    """What the program and the inventory rely on."""

    def test_type_letters_within_a_quarter_of_the_inventory(self):
        counts = collections.Counter(t for types in Generated.tables()["types"].values() for t in types)
        self.assertEqual(set(counts), set(INVENTORY))
        for letter, target in INVENTORY.items():
            with self.subTest(letter):
                self.assertGreaterEqual(counts[letter], round(0.75 * target))
                self.assertLessEqual(counts[letter], int(1.25 * target))

    def test_parts_marks_and_numbers(self):
        tables = Generated.tables()
        numbers = sorted(tables["keys"])
        self.assertEqual(numbers, list(range(20001, 21000)) + list(range(26001, 26121)))
        for q in numbers:
            with self.subTest(q):
                self.assertIn(len(tables["keys"][q]), (1, 2, 3))
                self.assertTrue(set(tables["marks"][q]) <= {"1", "2", "3"})
        for paper, pages in Generated.pages().items():
            with self.subTest(paper=paper):
                self.assertLessEqual(sum(len(tables["keys"][p.number]) for p in pages), check.MAX_PARTS_PER_PAPER)

    def test_the_one_story_paper_is_single_parts_with_one_closing_story(self):
        # The whole-journey test of the program takes this paper.
        parts = [len(Generated.tables()["keys"][p.number]) for p in Generated.pages()[maths.ONE_STORY_PAPER_NUMBER]]
        self.assertEqual(parts[-1], 2)
        self.assertEqual(set(parts[:-1]), {1})

    def test_checker_works_out_at_least_the_first_editions_share_of_keys(self):
        report = check.check_course(CourseFolder.get())
        note = next(n for n in report.notes if "worked out again" in n)
        typed, checked, chosen = map(int, re.match(r"Mathematics: (\d+) of (\d+) .* and (\d+) multiple", note).groups())
        choices = sum(1 for types in Generated.tables()["types"].values() if types == ["Q"])
        self.assertGreaterEqual(typed / checked, FIRST_EDITION_TYPED_SHARE)
        self.assertGreaterEqual(chosen / choices, FIRST_EDITION_CHOICE_SHARE)
        self.assertEqual([f for f in report.faults if "Mathematics" in f or "page 2" in f], [])


class MockBlueprintTest(unittest.TestCase):
    """Every topic in proportion, a spread of types, sections and marks."""

    @classmethod
    def setUpClass(cls):
        cls.mocks = maths_papers_in_process()[-len(shape.MOCK_PAPERS):]

    def test_every_topic_holds_a_sixth_of_each_mock(self):
        for k, mock in enumerate(self.mocks):
            with self.subTest(mock=shape.MOCK_PAPERS[k]):
                topics = collections.Counter(maths.topic_of(q) for q in mock)
                self.assertEqual(set(topics), set(range(1, shape.PRACTICE_TOPICS + 1)))
                self.assertLessEqual(max(topics.values()) - min(topics.values()), 1)

    def test_each_mock_spreads_types_sections_and_marks(self):
        for k, mock in enumerate(self.mocks):
            with self.subTest(mock=shape.MOCK_PAPERS[k]):
                letters = {p.type for q in mock for p in q.parts}
                self.assertTrue({"Q", "N"} <= letters)
                self.assertGreaterEqual(len(letters & {"F", "X", "R", "T", "M"}), 2)
                sections = collections.Counter(maths_kit.KINDS[q.kind].section for q in mock)
                self.assertEqual(set(sections), set(maths_kit.SECTIONS))
                marks = {q.marks for q in mock}
                self.assertTrue({1, 2, 3} <= marks)

    def test_no_mock_question_stands_in_a_topic_paper(self):
        topic_views = {repr(maths.page_view(q).identity()) for paper in maths_papers_in_process()[:-len(shape.MOCK_PAPERS)] for q in paper}
        repeats = [q.kind for mock in self.mocks for q in mock if repr(maths.page_view(q).identity()) in topic_views]
        self.assertEqual(repeats, [])


def page_texts():
    for pages in Generated.pages().values():
        for page in pages:
            yield page.number, page.text


class RealisticQuantitiesTest(unittest.TestCase):
    """Quantities a child meets: eggs by the box, prices, times and dates."""

    def test_eggs_come_in_boxes_of_6_10_12_or_trays_of_30(self):
        for number, text in page_texts():
            for size in re.findall(r"eggs.*?(?:boxes|trays) of (\d+)", text):
                with self.subTest(number):
                    self.assertIn(int(size), (6, 10, 12, 30))

    def test_prices_stay_in_a_childs_world(self):
        for number, text in page_texts():
            for value in re.findall(r"£(\d+(?:\.\d\d)?)", text):
                with self.subTest(number, price=value):
                    self.assertLessEqual(Decimal(value), 500)
                    self.assertGreater(Decimal(value), 0)

    def test_clock_times_are_real_times(self):
        for number, text in page_texts():
            for h, m in re.findall(r"\b(\d{1,2})\.(\d\d) [ap]m\b", text):
                with self.subTest(number, time=h + "." + m):
                    self.assertTrue(1 <= int(h) <= 12 and int(m) < 60)
            if "ratio" in text:
                continue  # 45:20 is a ratio, not a time
            for h, m in re.findall(r"\b(\d\d):(\d\d)\b", text):
                with self.subTest(number, time=h + ":" + m):
                    self.assertTrue(int(h) < 24 and int(m) < 60)

    def test_grown_ups_were_born_when_grandparents_were(self):
        for number, text in page_texts():
            for year in re.findall(r"born in (\d{4})", text):
                with self.subTest(number):
                    self.assertTrue(1940 <= int(year) <= 1975)

    def test_every_answer_says_its_form(self):
        # A fraction, mixed number, ratio, time or alternatives answer names its form under the box.
        words = {"F": "fraction", "X": "mixed number", "R": "ratio", "T": "Write", "M": "Write it|Use the letter"}
        tables = Generated.tables()
        for q, letters in tables["types"].items():
            lines = re.findall(r'<p class="ans"[^>]*>(.*?)</p>', Generated.html(q)[0])
            for letter, line in zip([t for t in letters if t != "Q"], lines):
                if letter in words:
                    with self.subTest(q, letter=letter):
                        self.assertRegex(line, words[letter])

    def test_no_answer_form_shows_the_answer_as_its_example(self):
        tables = Generated.tables()
        for q, keys in tables["keys"].items():
            html = Generated.html(q)[0]
            for key in keys:
                with self.subTest(q, key=key):
                    self.assertNotIn("like %s." % key, html)
                    self.assertNotIn("like %s " % key, html)


# Kinds whose answer is read off a picture the checker does not read: a
# number line, a ruler, a clock face, a measuring cylinder, a bar chart and
# counted shapes.
PICTURE_READ_KINDS = {"whole_number_line", "decimal_number_line", "ruler_length", "read_clock", "clocks_duration",
                      "cylinder_volume", "bar_chart_story", "ratio_picture"}
SAMPLES_PER_KIND = 25


def worked_again(question):
    """True when the checker works every part of `question` out again and
    agrees with its keys, False when it disagrees, None when it cannot read it."""
    html = page.render(question, maths.SUBJECT).decode("cp1252")
    text = check.plain(html)
    pictures = [p.svg for p in question.pictures]
    letters = [p.type for p in question.parts]
    if letters == ["Q"]:
        options = [html_module.unescape(o) for o in re.findall(r'<span class="on">\d</span>([^<]*)</div>', html)]
        rights = check_maths.choice_rights(text, options, pictures)
        return None if rights is None else rights == [int(question.parts[0].key) - 1]
    expected = check_maths.expected_answers(text, pictures)
    if expected is None:
        return None
    typed = [p for p in question.parts if p.type != "Q"]
    return len(expected) == len(typed) and all(check_maths.key_fits(v, p.key, p.type) for v, p in zip(expected, typed))


class EveryKindTest(unittest.TestCase):
    """Many draws of every kind, beyond those the course happens to hold."""

    def test_checker_agrees_with_every_kind_it_reads_and_reads_all_but_picture_kinds(self):
        unread = set()
        for name, kind in sorted(maths_kit.KINDS.items()):
            ctx = Context(random.Random(name))
            results = []
            for _ in range(SAMPLES_PER_KIND * 4):
                question = kind.make(ctx)
                if question is not None:
                    results.append(worked_again(question))
                if len(results) == SAMPLES_PER_KIND:
                    break
            with self.subTest(name):
                self.assertEqual(len(results), SAMPLES_PER_KIND, "the kind rarely makes a question")
                self.assertNotIn(False, results)
            if all(r is None for r in results):
                unread.add(name)
        self.assertEqual(unread, PICTURE_READ_KINDS)


class HelpersTest(unittest.TestCase):
    def test_money_is_written_as_a_shop_writes_it(self):
        cases = [("whole_pounds", Decimal("12"), "\u00a312"), ("pounds_and_pence", Decimal("3.5"), "\u00a33.50"),
                 ("pence_below_a_pound", Decimal("0.45"), "45p"), ("a_pound", Decimal("1"), "\u00a31")]
        for name, value, text in cases:
            with self.subTest(name):
                self.assertEqual(maths_kit.pounds(value), text)

    def test_shop_prices_end_in_shop_endings_and_stay_in_range(self):
        rng = random.Random(5)
        for _ in range(200):
            value = maths_kit.shop_price(rng, 120, 450)
            self.assertTrue(Decimal("1.20") <= value <= Decimal("4.50"))
            self.assertIn(int(value * 100) % 100, (0, 25, 49, 50, 75, 95, 99))

    def test_form_examples_change_only_when_they_are_the_answer(self):
        form = maths_kit.FORM_FRACTION
        self.assertIn("like 5/6", maths_kit.example_free(form, "3/8"))
        self.assertEqual(maths_kit.example_free(form, "1/2"), form)
        self.assertIn("like 7.20 am", maths_kit.example_free(maths_kit.FORM_TIME, "4.05 pm"))

    def test_option_values_read_units_signs_and_percentages(self):
        cases = [("degrees_celsius", "\u22123\u00b0C", Fraction(-3)), ("pence", "45p", Fraction(45)),
                 ("pounds", "\u00a32.50", Fraction(5, 2)), ("grouped", "7,449", Fraction(7449)), ("kilograms", "1.5 kg", Fraction(3, 2))]
        for name, text, value in cases:
            with self.subTest(name):
                self.assertEqual(maths_kit.option_value(text), value)


class CheckerReadsTest(unittest.TestCase):
    """The checker's own readers on named wordings: the right answer, and a wrong key found."""

    def test_readers_work_out_named_wordings(self):
        cases = [
            ("egg_boxes", "A farmer packs 674 eggs into boxes of 12. (a) How many", [56, 2]),
            ("sleep_past_midnight", "Umar goes to bed at 9.15 pm and wakes up at 6.45 am the next morning.", [570]),
            ("pence_price_rise", "A comic costs £2.60. The price goes up by 25%. What is the new price?", [Fraction(13, 4)]),
            ("school_shop_in_pence", "At the school shop Umar buys 2 rubbers at 75p each and a pencil case for £1.55. "
                                     "(a) x (b) He pays with a £5 note.", [Fraction(61, 20), Fraction(39, 20)]),
            ("roman", "Write LXXV in ordinary figures.", [75]),
            ("isosceles_top", "The angle at the top of an isosceles triangle is 22°.", [79]),
        ]
        for name, text, expected in cases:
            with self.subTest(name):
                self.assertEqual(check_maths.expected_answers(text, []), expected)

    def test_timetable_is_read_from_the_table(self):
        text = ("The timetable shows three buses on the same route. Stop Bus 1 Bus 2 Bus 3 Railway Station 07:00 07:40 08:20 "
                "Library 07:15 07:55 08:35 Hospital 07:29 08:09 08:49 (a) How many minutes does a bus take from Railway "
                "Station to Hospital? Answer: (b) At what time does Bus 2 reach Library? Answer: (c) How many minutes after "
                "Bus 1 does Bus 3 leave Railway Station? Answer:")
        self.assertEqual(check_maths.expected_answers(text, []), [29, "07:55", 80])

    def test_keys_that_do_not_fit_are_found(self):
        cases = [("fraction_not_in_lowest_terms", Fraction(1, 2), "2/4", "F", False), ("right_fraction", Fraction(1, 2), "1/2", "F", True),
                 ("mixed_number", Fraction(7, 2), "3 1/2", "X", True), ("time_text", "07:55", "07:55", "T", True),
                 ("alternative_missing", "2.5", ";2 1/2;5/2", "M", False)]
        for name, expected, key, letter, fits in cases:
            with self.subTest(name):
                self.assertEqual(check_maths.key_fits(expected, key, letter), fits)


if __name__ == "__main__":
    unittest.main()
