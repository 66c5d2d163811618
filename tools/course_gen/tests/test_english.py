"""Tests of the English course: no repeats, no crowded frames, one right form
for every typed answer, the reading passages and the mock blueprint.

    ORVANTA_COURSE=build/resources/course python3 -m unittest discover -s tools/course_gen -p test_english.py

The course folder is the one the other generator tests use; the questions'
kinds, topics and levels come from building the English papers again, which
the first test proves gives the very pages of the folder."""

import collections
import random
import re
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))

from orvanta_course import generate, mhtml, shape, variety  # noqa: E402
from orvanta_course import page as page_html  # noqa: E402
from orvanta_course.english import cloze, reading  # noqa: E402
from orvanta_course.english import grammar_bank as grammar  # noqa: E402
from orvanta_course.english import papers as english  # noqa: E402
from orvanta_course.english import spelling_bank as spelling  # noqa: E402
from orvanta_course.model import Context, Exhausted  # noqa: E402

from .test_course_gen import CourseFolder  # noqa: E402

ENGLISH = shape.ENGLISH


class Course:
    """The English papers as built (with kinds, topics and levels) and as
    read back from the course folder."""

    _built = None
    _pages = None

    @classmethod
    def built(cls):
        if cls._built is None:
            number, module, seed, ranges = next(s for s in generate.SUBJECTS if s[0] == ENGLISH)
            papers = english.build_papers(Context(random.Random(seed)))
            cls._built = dict(zip(shape.PAPERS, generate.numbered(papers, ranges)))
        return cls._built

    @classmethod
    def pages(cls):
        if cls._pages is None:
            cls._pages = variety.read_pages(CourseFolder.get(), ENGLISH)
        return cls._pages

    @classmethod
    def questions(cls):
        return [q for paper in cls.built().values() for q in paper]


def table(name):
    """{question number: fields} of one of the English record files."""
    text = (CourseFolder.get() / name).read_bytes().decode("cp1252")
    records = {}
    for line in text.split("\r\n"):
        m = re.fullmatch(r"#(\d{5})#((?:>[^>]*)*)", line)
        if m:
            records[int(m.group(1))] = m.group(2).split(">")[1:]
    return records


def typed_keys():
    """[(question, key, letter)] of every part of the English course."""
    keys, letters = table("30013"), table("30014")
    return [(q, k, t) for q in keys for k, t in zip(keys[q], letters[q])]


def has_marker(text, markers):
    lowered = text.lower()
    return any(re.search(r"(?<![a-z])" + re.escape(m) + r"(?![a-z])", lowered) for m in markers)


class BuiltCourseIsTheFolderTest(unittest.TestCase):
    def test_built_papers_give_the_pages_of_the_folder(self):
        folder = CourseFolder.get()
        different = []
        for q in Course.questions():
            html = page_html.render(q, english.SUBJECT)
            data = mhtml.archive(q.number, "Question %d" % q.position, html, [])
            if (folder / str(q.number)).read_bytes() != data:
                different.append(q.number)
        self.assertEqual(different, [])
        self.assertEqual([len(Course.pages()[p]) for p in sorted(Course.pages())],
                         [len(Course.built()[p]) for p in sorted(Course.built())])


class NoRepeatsTest(unittest.TestCase):
    def test_no_question_repeats_another(self):
        self.assertEqual(variety.repeated_questions(Course.pages()), [])

    def test_lettered_parts_repeat_within_the_allowed_share(self):
        repeats, total = variety.repeated_parts(Course.pages())
        self.assertLessEqual(len(repeats), variety.PART_REPEAT_SHARE * total, repeats[:5])


class FramesTest(unittest.TestCase):
    def test_frames_stay_within_their_share(self):
        pages = Course.pages()
        questions = sum(len(p) for p in pages.values())
        part_frames = variety.part_frames(pages)
        cases = [
            ("question_frames", variety.question_frames(pages), questions),
            ("part_frames", part_frames, sum(part_frames.values())),
        ]
        for name, counts, total in cases:
            with self.subTest(name):
                frame, count = counts.most_common(1)[0]
                self.assertLessEqual(count, variety.FRAME_SHARE * total, frame)

    def test_no_two_questions_of_a_mock_open_alike(self):
        self.assertEqual(variety.mock_frame_clashes(Course.pages()), [])


class OneRightFormTest(unittest.TestCase):
    def test_tense_items_hold_the_time_words_of_their_own_tense_only(self):
        items = [(s, tense) for s, _, _, tense in grammar.TENSE_CHOICES] + [
            (s, tense) for s, _, _, tense in grammar.VERB_GAPS]
        for sentence, tense in items:
            with self.subTest(sentence):
                self.assertTrue(has_marker(sentence, grammar.TIME_MARKERS[tense]), "no %s marker" % tense)
                others = [m for t, ms in grammar.TIME_MARKERS.items() if t != tense for m in ms
                          if m not in grammar.TIME_MARKERS[tense]]
                self.assertFalse(has_marker(sentence, others), "a marker of another tense")

    def test_every_tense_page_of_the_course_has_time_words(self):
        markers = [m for ms in grammar.TIME_MARKERS.values() for m in ms] + ["1969"]
        for q in Course.questions():
            if q.kind not in ("tense choice", "verb form", "verb forms", "verb cloze"):
                continue
            page = english.Ledger.read(q)
            sentences = page.parts or [page.text]
            with self.subTest(q.number):
                self.assertTrue(all(has_marker(s, markers) for s in sentences), sentences)

    def test_verb_gaps_take_one_word(self):
        gaps = [key for _, _, key, _ in grammar.VERB_GAPS] + [
            inside.split("|")[0] for _, text in cloze.VERB_PASSAGES for inside in re.findall(r"\[([^\]]+)\]", text)]
        self.assertEqual([g for g in gaps if not re.fullmatch(r"[a-z]+", g)], [])

    def test_no_typed_key_has_another_right_form(self):
        groups = [{w.lower() for w in group} for group in spelling.VARIANTS]
        for q, key, letter in typed_keys():
            if letter == "T":
                with self.subTest(q=q, key=key):
                    self.assertFalse(any(key.lower() in g for g in groups), "has more than one right form")
            elif letter == "M":
                given = {a.lower() for a in key.split(";")[1:]}
                for group in groups:
                    if given & group:
                        with self.subTest(q=q, key=key):
                            self.assertLessEqual(group, given, "an M key must hold every right form")

    def test_long_answers_end_with_the_mark_the_page_asks_for(self):
        for q in Course.questions():
            for p in q.parts:
                if p.type == "L":
                    mark = "question mark" if p.key.endswith("?") else "full stop"
                    with self.subTest(q.number):
                        self.assertIn(p.key[-1], ".?")
                        self.assertIn("end it with a %s" % mark, q.body)

    def test_every_sentence_begins_with_a_capital_letter(self):
        lower_start = []
        for q in Course.questions():
            if q.kind == "suffix rules":
                continue  # "hop + ing = ___" is a sum of word parts, not a sentence
            page = english.Ledger.read(q)
            texts = page.parts if page.parts else [page.text]
            for text in texts:
                if text.startswith("___"):
                    continue  # the gap opens the sentence: its answer carries the capital
                first = re.sub(r"^[\W\d_]+", "", text)
                if first and first[0].islower():
                    lower_start.append((q.number, text[:40]))
            body = re.sub(r"<[^>]+>", " ", q.body.split('<div class="passage"')[-1]) if "passage" in q.body else ""
            lower_start += [(q.number, m) for m in re.findall(r"[.!?]\s+[a-z]\w*", body)]
        self.maxDiff = None
        self.assertEqual(lower_start, [])

    def test_choice_options_are_four_different_texts_with_one_key(self):
        keys = table("30013")
        for paper in Course.pages().values():
            for page in paper:
                if page.options and all(t == "Q" for t in table_types()[page.number]):
                    with self.subTest(page.number):
                        self.assertEqual(len(page.options) % 4, 0)
                        for start in range(0, len(page.options), 4):
                            self.assertEqual(len(set(page.options[start:start + 4])), 4)
                        self.assertTrue(all(k in "1234" for k in keys[page.number]))


_types = None


def table_types():
    global _types
    if _types is None:
        _types = table("30014")
    return _types


class PassagesTest(unittest.TestCase):
    def test_the_course_holds_enough_passages_of_every_form(self):
        asked = [q for q in Course.questions() if q.kind == "reading"]
        titles = {re.search(r"<b>([^<]+)</b>", q.body.split('<p class="ins">')[-1]).group(1) for q in asked}
        self.assertGreaterEqual(len(titles), 25)
        self.assertEqual(len(titles), len(asked))
        forms = collections.Counter(p.form for p in reading.PASSAGES)
        self.assertEqual(set(forms), set(reading.FORM_NAMES))
        self.assertLessEqual(max(forms.values()), len(reading.PASSAGES) // 3)

    def test_every_passage_is_long_enough_and_asks_about_every_skill(self):
        for p in reading.PASSAGES:
            with self.subTest(p.title):
                self.assertGreaterEqual(p.words(), 120)
                self.assertLessEqual(p.words(), 300)
                self.assertEqual(sorted(q.skill for q in p.questions), sorted(reading.SKILLS))
                self.assertTrue(all(len({q.right, *q.wrong}) == 4 for q in p.questions))

    def test_reading_questions_are_five_choices_each(self):
        for q in Course.questions():
            if q.kind == "reading":
                with self.subTest(q.number):
                    self.assertEqual([p.type for p in q.parts], ["Q"] * 5)
                    self.assertEqual(english.Ledger.read(q).parts.__len__(), 5)

    def test_a_paper_never_holds_two_passages_of_one_form(self):
        for number, paper in Course.built().items():
            forms = [q.form for q in paper if q.kind == "reading"]
            with self.subTest(number):
                self.assertEqual(len(forms), len(set(forms)))


class MockBlueprintTest(unittest.TestCase):
    def test_every_topic_has_its_share_of_each_mock(self):
        topics = range(1, len(english.TOPICS))
        for number in shape.MOCK_PAPERS:
            marks = collections.Counter()
            for q in Course.built()[number]:
                marks[q.topic] += q.marks
            total = sum(marks.values())
            with self.subTest(number):
                self.assertEqual(set(marks), set(topics))
                for topic in topics:
                    self.assertAlmostEqual(marks[topic] / total, 1 / len(topics), delta=0.05)

    def test_every_mock_spreads_its_kinds_letters_and_levels(self):
        for number in shape.MOCK_PAPERS:
            paper = Course.built()[number]
            with self.subTest(number):
                self.assertEqual({q.level for q in paper}, {1, 2, 3})
                self.assertEqual({p.type for q in paper for p in q.parts}, {"Q", "T", "M", "L"})
                self.assertGreaterEqual(len({q.kind for q in paper}), len(paper) - 2)
                self.assertLessEqual(sum(len(q.parts) for q in paper), 80)


class WriterRulesTest(unittest.TestCase):
    def test_text_helpers(self):
        cases = [
            ("gap_at_start_gets_a_capital", english.with_word("{w} of us went.", "each"), "Each of us went."),
            ("gap_inside_keeps_its_case", english.with_word("We saw {w} owl.", "an"), "We saw an owl."),
            ("underlined_gap_at_start", english.with_word("_{w}_, the lights went out.", "sudenly"),
             "_Sudenly_, the lights went out."),
            ("alternatives_key", english.alternatives(["who", "that"]), ";who;that"),
        ]
        for name, got, expected in cases:
            with self.subTest(name):
                self.assertEqual(got, expected)

    def test_options_must_be_four_different_texts(self):
        with self.assertRaises(ValueError):
            english.shuffled_options(random.Random(1), "their", ["there", "their", "they're"])
        texts, key = english.shuffled_options(random.Random(1), "their", ["there", "they're", "thier"])
        self.assertEqual(texts[int(key) - 1], "their")

    def test_a_preferred_entry_comes_first_and_others_remain(self):
        deck = english.Deck(random.Random(3), "t", [("a", 1), ("b", 2), ("c", 1)])
        picked = english.take_preferring(deck, lambda e: True, lambda e: e[1], {1})
        self.assertEqual(picked, ("b", 2))
        self.assertEqual(english.take_preferring(deck, lambda e: True, lambda e: e[1], {1})[1], 1)
        deck.take()
        with self.assertRaises(Exhausted):
            deck.take()


if __name__ == "__main__":
    unittest.main()
