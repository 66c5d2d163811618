"""The shape of a reading passage and its five questions.

A passage is written once, by hand, in one of the forms a pupil of 9 to 11
meets at school. Each of its five questions practises one reading skill, and
every passage asks about all five, so that a paper of passages exercises
more than finding a sentence and copying it."""

import re
from dataclasses import dataclass

# How the instruction names each form: "Read the diary entry carefully."
FORM_NAMES = {
    "story": "story",
    "letter": "letter",
    "diary": "diary entry",
    "report": "report",
    "instructions": "instructions",
    "poem": "poem",
    "information": "information text",
}

# meaning: what the text says; inference: what it suggests without saying;
# vocabulary: a word or phrase in its context; sequence: the order of events
# or steps; purpose: why the writer wrote it, or wrote it in this way.
SKILLS = ("meaning", "inference", "vocabulary", "sequence", "purpose")

MIN_WORDS, MAX_WORDS = 120, 300


@dataclass(frozen=True)
class Asked:
    """One question on a passage: its stem, the right option and three wrong
    ones that a pupil who read carelessly might choose."""

    skill: str
    stem: str
    right: str
    wrong: tuple


@dataclass(frozen=True)
class Passage:
    """`text` holds paragraphs separated by blank lines; in a poem, lines
    within a verse are kept as they stand and verses are separated by blank
    lines. `level`: 1 foundation, 2 core, 3 stretch."""

    form: str
    level: int
    title: str
    text: str
    questions: tuple

    def words(self):
        return word_count(self.text)


def ask(skill, stem, right, *wrong):
    if skill not in SKILLS:
        raise ValueError("unknown reading skill %r" % skill)
    if len(wrong) != 3:
        raise ValueError("%r needs three wrong options" % stem)
    return Asked(skill, stem, right, tuple(wrong))


def passage(form, level, title, text, *questions):
    if form not in FORM_NAMES:
        raise ValueError("unknown form %r" % form)
    return Passage(form, level, title, text.strip(), tuple(questions))


def word_count(text):
    """Words as a reader counts them: "T-shirt" and "Kofi's" are one word each."""
    return len(re.findall(r"[A-Za-z0-9]+(?:['\u2019\-][A-Za-z0-9]+)*", text))
