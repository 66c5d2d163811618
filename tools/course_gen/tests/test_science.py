"""Tests of the Science papers, on the generated course (see test_course_gen:
ORVANTA_COURSE names the course folder, or the course is generated first).

    ORVANTA_COURSE=build/resources/course python3 -m unittest discover -s tools/course_gen -p test_science.py"""

import collections
import html
import random
import re
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))

from orvanta_course import shape, variety  # noqa: E402
from orvanta_course.model import Part, Question  # noqa: E402
from orvanta_course.science import bank, enquiry  # noqa: E402
from orvanta_course.science import drawings as sd  # noqa: E402
from orvanta_course.science import plan as science_plan  # noqa: E402
from orvanta_course.science.page import TAG, WORKING_SCIENTIFICALLY, Item, stress_negatives  # noqa: E402

from .test_course_gen import CourseFolder  # noqa: E402

SCIENCE = shape.SCIENCE
QUESTIONS = 674
# Type letters: the first edition's counts, give or take a quarter.
INVENTORY = {"Q": 510, "T": 434, "G": 104, "M": 11, "N": 11}
LETTERS = "abcdefghijklmnopqrst"
NAMED_THING = re.compile(r"\b(?i:circuit|box|dish|tube|towel|magnet|tray|cup|beaker|pot|labelled|marked)\s+([A-Z])\b")


class ScienceCourse:
    """The Science papers of the course under test, read once."""

    _read = None

    @classmethod
    def get(cls):
        if cls._read is None:
            cls._read = cls(CourseFolder.get())
        return cls._read

    def __init__(self, folder):
        self.papers = variety.read_pages(folder, SCIENCE)
        self.keys = self.table(folder, 30033)
        self.types = self.table(folder, 30034)
        self.marks = self.table(folder, 30035)
        self.tags = {}
        for pages in self.papers.values():
            for page in pages:
                self.tags[page.number] = TAG.search(page_html(folder, page.number)).groups()
        self.html = {p.number: page_html(folder, p.number) for pages in self.papers.values() for p in pages}

    @staticmethod
    def table(folder, number):
        rows = {}
        for line in (Path(folder) / str(number)).read_bytes().decode("cp1252").split("\r\n"):
            m = re.fullmatch(r"#(\d{5})#((?:>[^>]*)*)", line)
            if m:
                rows[int(m.group(1))] = m.group(2).split(">")[1:]
        return rows

    def pages(self):
        return [p for pages in self.papers.values() for p in pages]

    def mocks(self):
        return {n: pages for n, pages in self.papers.items() if shape.is_mock(n)}


def page_html(folder, number):
    import email
    message = email.message_from_bytes((Path(folder) / str(number)).read_bytes())
    return message.get_payload()[0].get_payload(decode=True).decode("cp1252")


def body_of(text):
    return text.split("<body>", 1)[1]


def svg_texts(svg):
    return [html.unescape(t) for t in re.findall(r"<text[^>]*>([^<]*)</text>", svg)]


class VarietyTest(unittest.TestCase):
    """No repeats and no overused frames, measured as the course report measures them."""

    def setUp(self):
        self.course = ScienceCourse.get()

    def test_no_question_repeats_another(self):
        self.assertEqual(variety.repeated_questions(self.course.papers), [])

    def test_no_frame_opens_more_than_two_percent_of_the_questions(self):
        frames = variety.question_frames(self.course.papers)
        limit = variety.FRAME_SHARE * QUESTIONS
        self.assertEqual([(f, n) for f, n in frames.most_common() if n > limit], [])

    def test_lettered_parts_rarely_repeat_a_sentence(self):
        repeats, total = variety.repeated_parts(self.course.papers)
        self.assertGreater(total, 300)
        self.assertLessEqual(len(repeats), variety.PART_REPEAT_SHARE * total, repeats[:10])

    def test_no_mock_holds_two_questions_of_one_frame(self):
        self.assertEqual(variety.mock_frame_clashes(self.course.papers), [])


class WorkingScientificallyTest(unittest.TestCase):
    def setUp(self):
        self.course = ScienceCourse.get()

    def test_at_least_fifteen_percent_of_the_questions(self):
        kinds = collections.Counter(skill for _, skill, _ in self.course.tags.values())
        working = sum(kinds[k] for k in WORKING_SCIENTIFICALLY)
        self.assertGreaterEqual(working, 0.15 * QUESTIONS, kinds)
        # Every kind is practised, not one of them alone.
        self.assertEqual([k for k in WORKING_SCIENTIFICALLY if kinds[k] < 10], [])

    def test_each_kind_shows_what_it_claims(self):
        """A table question carries a results table, a graph question a graph,
        a fair-test question asks what to change, measure or keep the same."""
        wrong = []
        for page in self.course.pages():
            skill = self.course.tags[page.number][1]
            alts = re.findall(r'<img [^>]*alt="([^"]*)"', self.course.html[page.number])
            text = page.text.lower()
            if skill == "table":
                ok = any(a.startswith("A table of results") for a in alts)
            elif skill == "graph":
                ok = any(a.startswith(("A bar graph", "A line graph")) for a in alts)
            elif skill == "fair-test":
                ok = "fair" in text and "same" in text
            elif skill == "predict":
                ok = re.search(r"\bwill\b|\bwould\b|\bmight\b|\bexpect|\bpredict", text) is not None
            elif skill == "conclude":
                ok = re.search(r"conclu|\bshow|\bsuggest|explanation", text) is not None
            elif skill == "explain":
                ok = re.search(r"\bwhy\b|\bhow\b|\breason\b|\bcause|\bfor\?|\bwhich fact\b|\bwhich property\b|"
                               r"\bwhere d|\bwhat happens\b|\bfinish the sentence|\bwhich does each feature suit\b",
                               text) is not None
            else:
                continue
            if not ok:
                wrong.append((page.number, skill, page.text[:60]))
        self.assertEqual(wrong, [])

    def test_many_questions_ask_why_in_more_than_one_way(self):
        whys = [p.text for p in self.course.pages() if re.search(r"\bwhy\b", p.text, re.IGNORECASE)]
        self.assertGreaterEqual(len(whys), 60)
        openings = collections.Counter(variety.frame_of(re.split(r"(?i)\bwhy\b", t, 1)[0] + " why") for t in whys)
        self.assertGreater(len(openings), 40)


class AnswerFormTest(unittest.TestCase):
    """Every free answer has one right form: typed answers are copied from the
    page, and answers with several right forms hold them all."""

    def setUp(self):
        self.course = ScienceCourse.get()

    def chips(self, text):
        return [html.unescape(c) for c in re.findall(r'<span class="w">([^<]*)</span>', text)]

    def test_typed_answers_can_be_copied_from_the_page(self):
        missing = []
        for page in self.course.pages():
            text = body_of(self.course.html[page.number])
            shown = {c.lower() for c in self.chips(text)}
            shown |= {html.unescape(b).lower() for b in re.findall(r"<b>([^<]*)</b>", text)}
            shown |= {t.lower() for svg in page.pictures for t in svg_texts(svg)}
            shown |= {m.lower() for svg in page.pictures for t in svg_texts(svg) for m in NAMED_THING.findall(t)}
            for key, letter in zip(self.course.keys[page.number], self.course.types[page.number]):
                if letter == "T" and key.lower() not in shown:
                    missing.append((page.number, key))
        self.assertEqual(missing, [])

    def test_typed_answers_are_short_and_plain(self):
        """A pupil can type them exactly: at most two words, no article, no commas."""
        long = []
        for n, keys in self.course.keys.items():
            for key, letter in zip(keys, self.course.types[n]):
                answers = key.split(";")[1:] if letter == "G" and key != " " else [key] if letter == "T" else []
                long += [(n, a) for a in answers
                         if len(a.split()) > 2 or "," in a or a.split()[0].lower() in ("a", "an", "the")]
        self.assertEqual(long, [])

    def test_group_answers_stand_in_the_box_and_differ_in_form(self):
        faults = []
        for page in self.course.pages():
            keys, letters = self.course.keys[page.number], self.course.types[page.number]
            chips = [c.lower() for c in self.chips(self.course.html[page.number])]
            names = {m.lower() for svg in page.pictures for t in svg_texts(svg) for m in NAMED_THING.findall(t)}
            names |= {t.lower() for svg in page.pictures for t in svg_texts(svg) if re.fullmatch(r"[A-Z]", t)}
            for key, letter in zip(keys, letters):
                if letter == "G" and key != " ":
                    answers = {a.lower() for a in key.split(";")[1:]}
                    if not answers <= set(chips) | names:
                        faults.append((page.number, "not in the box", key))
            forms = {c.rstrip("s") for c in chips}
            if len(forms) != len(chips):
                faults.append((page.number, "box holds two forms of a word", chips))
        self.assertEqual(faults, [])

    def test_alternatives_keys_hold_several_forms(self):
        keys = [(n, k) for n, ks in self.course.keys.items() for k, t in zip(ks, self.course.types[n]) if t == "M"]
        self.assertTrue(keys)
        self.assertEqual([(n, k) for n, k in keys if k.count(";") < 2], [])

    def test_a_hunter_is_a_predator_in_every_form(self):
        """The first edition's hunting question took only one of its right forms."""
        found = [k for n, ks in self.course.keys.items() for k in ks if "predator" in k.split(";")]
        self.assertEqual(found, [";predator;a predator;predators"])


class PageRulesTest(unittest.TestCase):
    def setUp(self):
        self.course = ScienceCourse.get()

    def test_labels_never_clash_with_the_answer_boxes(self):
        """"(a)" on a page means answer box (a); things named by letters use
        letters that no answer box of the question has."""
        clashes = []
        for page in self.course.pages():
            count = len(self.course.keys[page.number])
            boxes = set(LETTERS[:count]) if count > 1 else set()
            text = body_of(self.course.html[page.number])
            words = variety._words_of(text)
            labels = set(re.findall(r"\(([a-t])\)", words))
            for svg in page.pictures:
                labels |= {m for t in svg_texts(svg) for m in re.findall(r"^\(([a-t])\)$", t)}
            if not labels <= boxes:
                clashes.append((page.number, "labels", sorted(labels - boxes)))
            named = {m.lower() for m in NAMED_THING.findall(words)}
            for svg in page.pictures:
                named |= {t.lower() for t in svg_texts(svg) if re.fullmatch(r"[A-Z]", t) and t not in "NS"}
                named |= {m.lower() for t in svg_texts(svg) for m in NAMED_THING.findall(t)}
            if named & set(LETTERS[:count]):
                clashes.append((page.number, "names", sorted(named & set(LETTERS[:count]))))
        self.assertEqual(clashes, [])

    def test_negative_words_are_always_bold(self):
        plain = []
        for page in self.course.pages():
            text = re.sub(r"(?s)<b>.*?</b>", " ", body_of(self.course.html[page.number]))
            text = re.sub(r"<[^>]+>", " ", text)
            if re.search(r"\b(not|never|cannot)\b|n\u2019t\b|n't\b", text, re.IGNORECASE):
                plain.append(page.number)
        self.assertEqual(plain, [])

    def test_papers_keep_their_shape(self):
        parts = {n: sum(len(self.course.keys[p.number]) for p in pages) for n, pages in self.course.papers.items()}
        mocks = self.course.mocks()
        topic_parts = (science_plan.SHORT_PAPER_PARTS, science_plan.LONG_PAPER_PARTS)
        self.assertEqual({n: v for n, v in parts.items() if n in mocks and v != science_plan.MOCK_PARTS}, {})
        self.assertEqual({n: v for n, v in parts.items() if n not in mocks and v not in topic_parts}, {})
        sizes = collections.Counter(len(k) for k in self.course.keys.values())
        self.assertTrue(set(sizes) <= set(range(1, 9)), sizes)
        marks = {m for ms in self.course.marks.values() for m in ms}
        self.assertEqual(marks, {"1", "2"})

    def test_type_letters_stay_near_the_inventory(self):
        counts = collections.Counter(t for ts in self.course.types.values() for t in ts)
        outside = {k: counts[k] for k, n in INVENTORY.items() if not 0.75 * n <= counts[k] <= 1.25 * n}
        self.assertEqual(outside, {})
        self.assertEqual(set(counts), set(INVENTORY))


class MockBlueprintTest(unittest.TestCase):
    """A mock examination covers the six topics evenly, at every level, with a
    spread of answer types."""

    def setUp(self):
        self.course = ScienceCourse.get()

    def test_every_topic_has_its_share_of_each_mock(self):
        shares = {}
        for n, pages in self.course.mocks().items():
            parts = collections.Counter()
            for page in pages:
                parts[self.course.tags[page.number][0]] += len(self.course.keys[page.number])
            shares[n] = dict(sorted(parts.items()))
        for n, parts in shares.items():
            with self.subTest(paper=n):
                self.assertEqual(sorted(parts), list("123456"))
                self.assertTrue(all(10 <= v <= 14 for v in parts.values()), parts)

    def test_every_mock_mixes_levels_and_answer_types(self):
        for n, pages in self.course.mocks().items():
            with self.subTest(paper=n):
                levels = collections.Counter(self.course.tags[p.number][2] for p in pages)
                self.assertTrue(all(levels[k] >= 0.1 * len(pages) for k in "123"), levels)
                letters = collections.Counter(t for p in pages for t in self.course.types[p.number])
                self.assertTrue(all(letters[k] >= 3 for k in "QTG"), letters)
                self.assertLessEqual(letters["Q"], 0.7 * sum(letters.values()), letters)
                working = sum(self.course.tags[p.number][1] in WORKING_SCIENTIFICALLY for p in pages)
                self.assertGreaterEqual(working, 4)


class DrawingsTest(unittest.TestCase):
    """A picture never tells the answer by its colours."""

    def test_circuits_look_alike_whatever_conducts(self):
        def drawn(obj):
            svg = sd.circuits_picture([("P", "gap", obj), ("Q", "closed", None)]).svg
            return svg.replace(obj[0], "OBJECT")

        self.assertEqual(drawn(("copper coin", True)), drawn(("rubber band", False)))

    def test_the_producer_of_a_food_chain_is_drawn_like_the_animals(self):
        svg = sd.food_chain(["grass", "rabbit", "fox"]).svg
        fills = set(re.findall(r'<rect x="[^"]+" y="30"[^>]*fill="([^"]+)"', svg))
        self.assertEqual(len(fills), 1, fills)

    def test_a_single_pair_of_magnets_has_no_row_label(self):
        self.assertNotIn("(a)", sd.magnet_pairs([("N", "S")]).svg)
        self.assertIn("(b)", sd.magnet_pairs([("N", "S"), ("S", "S")], ["(a)", "(b)"]).svg)

    def test_graph_bars_are_all_drawn_alike(self):
        svg = sd.bar_graph("Title", ["p", "q", "r"], [3, 5, 4], "Number", 1, 6).svg
        fills = set(re.findall(r'<rect [^>]*fill="(#[0-9a-f]+)" stroke="%s"' % sd.BAR_EDGE, svg))
        self.assertEqual(fills, {sd.BAR})


class BankTest(unittest.TestCase):
    def test_every_question_tied_to_a_maker_is_in_the_bank(self):
        texts = [q[2] for questions in bank.CHOICE.values() for q in questions]
        texts += [q[3] for q in bank.BOXED + bank.ALTERNATIVES]
        self.assertEqual([s for s in bank.SAME_AS_MAKER if not any(t.startswith(s) for t in texts)], [])

    def test_every_theme_names_an_investigation(self):
        intros = [e[3] for e in enquiry.ENQUIRIES]
        self.assertEqual([s for s in enquiry.THEMES if not any(i.startswith(s) for i in intros)], [])

    def test_written_choices_have_four_different_options(self):
        faults = [q[2] for questions in bank.CHOICE.values() for q in questions
                  if len({o.lower() for o in [q[3]] + list(q[4])}) != 4]
        self.assertEqual(faults, [])


class PageBuildingTest(unittest.TestCase):
    def test_negatives_are_put_in_bold_once(self):
        cases = [
            ("plain", "Which is not a fish?", "Which is <b>not</b> a fish?"),
            ("already_bold", "Which is <b>not</b> a fish?", "Which is <b>not</b> a fish?"),
            ("capital", "Not all metals", "<b>Not</b> all metals"),
            ("inside_a_word", "nothing and knot", "nothing and knot"),
            ("attribute_left_alone", '<img alt="not">never', '<img alt="not"><b>never</b>'),
            ("cannot", "It cannot grow.", "It <b>cannot</b> grow."),
        ]
        for name, given, wanted in cases:
            with self.subTest(name):
                self.assertEqual(stress_negatives(given), wanted)


def fake_item(number, frame_words, family, topic=1, size=1):
    """An item whose page opens with `frame_words`."""
    body = "<p>%s question %s</p>" % (frame_words, "x" * number)
    parts = [Part("1", "Q")] + [Part("a", "T") for _ in range(size - 1)]
    return Item(Question(body=body, parts=parts), topic, "recall", 1, family, ("fake", number))


class PlannerTest(unittest.TestCase):
    def test_a_frame_is_used_no_more_than_its_limit(self):
        items = [fake_item(n, "which of these is the best", "f%d" % n) for n in range(30)]
        planner = science_plan.Planner(random.Random(1), items)
        taken = 0
        with self.assertRaises(science_plan.PlanError):
            for _ in range(30):
                planner.take(planner.pick_singles((1,), 1, []))
                taken += 1
        self.assertEqual(taken, science_plan.FRAME_LIMIT)

    def test_a_paper_takes_one_question_of_a_maker_and_of_a_frame(self):
        items = [fake_item(n, "opening %s words here" % ("abcdef"[n % 3]), "family %d" % (n % 2)) for n in range(12)]
        planner = science_plan.Planner(random.Random(2), items)
        with self.assertRaises(science_plan.PlanError):
            planner.pick_singles((1,), 3, [])
        picked = planner.pick_singles((1,), 2, [])
        self.assertEqual(len({m.item.family for m in picked}), 2)
        self.assertEqual(len({m.frame for m in picked}), 2)

    def test_questions_of_several_parts_add_up_to_the_paper(self):
        items = [fake_item(n, "opening number %s here" % chr(97 + n), "f%d" % n, size=2 + n % 4) for n in range(12)]
        planner = science_plan.Planner(random.Random(3), items)
        chosen = planner.pick_multis((1,), 3, 13)
        self.assertEqual(sum(m.size for m in chosen), 13)
        self.assertIsNone(planner.pick_multis((1,), 2, 20))


if __name__ == "__main__":
    unittest.main()
