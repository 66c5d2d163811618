"""Mathematics: six topics of five papers and five mock examinations.

The question makers live in one module per topic (whole, fractions,
decimals, ratio, measure, geometry);
this module puts them on papers. A paper asks warm-up multiple-choice
questions first, then skills, then one-step and two-step problems, and ends
with stories of lettered parts. While it builds, it reads every question as
the course's variety measure reads the page, so that:
- no question is asked twice anywhere in the course (text, options in any
  order and pictures);
- no opening frame (the first words with names and numbers blurred) opens
  more than MAX_FRAME_USES questions of the course, or two questions of one
  paper;
- the type letters stay within the inventory of the course."""

import collections
from dataclasses import dataclass

from . import decimals, fractions, geometry, measure, ratio, whole  # noqa: F401  (register their kinds)
from .. import page, shape, variety
from .kit import KINDS, MC, PROBLEM, SKILL, STORY, kinds_of
from .kit import key_fraction, key_mixed, key_number, number_words  # noqa: F401  (the generator's tests use them)
from ..model import Exhausted

SUBJECT = "Mathematics"
TOPICS = ["Whole Numbers", "Fractions", "Decimals", "Ratio and Percentage",
          "Measurement", "Geometry and Data", "Mock Examination"]
QUESTION_COUNT = 1119

# At most 2 % of the course's questions open with the same frame.
MAX_FRAME_USES = int(variety.FRAME_SHARE * QUESTION_COUNT)
# Parts per type letter the course may hold: the inventory's counts +25 %.
LETTER_LIMITS = {"N": 972, "Q": 318, "F": 72, "T": 60, "R": 35, "X": 28, "M": 6}
ATTEMPTS_PER_KIND = 25


@dataclass(frozen=True)
class PaperRecipe:
    """What a paper asks, in order: `mc` multiple-choice questions, `skills`
    short questions, then problems, then stories of lettered parts, so that
    the paper holds `questions` questions and `parts` answer parts."""

    name: str
    questions: int
    parts: int
    mc: int
    skills: int
    story_parts: tuple = ()  # part counts the stories must have; empty: any

    def extra_parts(self):
        return self.parts - self.questions


# A topic paper: 28 questions, 30 parts (two 2-part stories or one of 3).
TOPIC_PAPER = PaperRecipe("topic paper", 28, 30, mc=6, skills=12)
# A topic paper that ends with a single story of parts (a) and (b): Fractions'
# third paper, the one the program's whole-journey test takes.
ONE_STORY_PAPER = PaperRecipe("topic paper with one story", 29, 30, mc=6, skills=13, story_parts=(2,))
ONE_STORY_PAPER_NUMBER = 108
# Mock examinations: every topic in turn, 59 parts.
MOCK_RECIPES = [PaperRecipe("mock examination", n, 59, mc=10, skills=24) for n in (56, 56, 56, 55, 55)]


def topic_recipes(topic):
    """The five papers of topic 1..6; ONE_STORY_PAPER_NUMBER is the paper of
    single-part questions with one closing story."""
    return [ONE_STORY_PAPER if shape.paper_number(topic, k) == ONE_STORY_PAPER_NUMBER else TOPIC_PAPER
            for k in range(1, shape.PAPERS_PER_TOPIC + 1)]


class CourseState:
    """What the course holds so far: frames, letters and kinds used."""

    def __init__(self, ctx):
        self.ctx = ctx
        self.frames = collections.Counter()
        self.letters = collections.Counter()
        self.kind_uses = collections.Counter()

    def accepts(self, question, paper_frames):
        """Whether `question` may join a paper that already uses `paper_frames`;
        remembers it as asked when it may."""
        view = page_view(question)
        frame = view.frame()
        if frame in paper_frames or self.frames[frame] >= MAX_FRAME_USES:
            return False
        letters = collections.Counter(p.type for p in question.parts)
        if any(self.letters[k] + v > LETTER_LIMITS[k] for k, v in letters.items()):
            return False
        if not self.ctx.fresh(repr(view.identity())):
            return False
        self.frames[frame] += 1
        self.letters.update(letters)
        paper_frames.add(frame)
        return True


def page_view(question):
    """The question as the variety measure reads its page."""
    html = page.render(question, SUBJECT).decode("cp1252")
    return variety.Page(question.number, html, [p.svg for p in question.pictures])


def frame_of(question):
    return page_view(question).frame()


def make_one(state, topic, section, paper_frames, paper_kinds, parts=None):
    """A new question of `topic` and `section` for the paper, from the kind
    the course has used least; `parts` limits the part counts a story may have."""
    rng = state.ctx.rng
    # A short question and a one-step problem can stand in for each other;
    # a kind the paper already asks comes after every other.
    neighbour = {SKILL: PROBLEM, PROBLEM: SKILL}.get(section)
    candidates = kinds_of(topic, section) + (kinds_of(topic, neighbour) if neighbour else [])
    rng.shuffle(candidates)
    candidates.sort(key=lambda k: (k.name in paper_kinds, k.section != section, state.kind_uses[k.name]))
    for candidate in candidates:
        for _ in range(ATTEMPTS_PER_KIND):
            question = candidate.make(state.ctx)
            if question is None or (parts is not None and len(question.parts) not in parts):
                continue
            if state.accepts(question, paper_frames):
                question.kind = candidate.name
                state.kind_uses[candidate.name] += 1
                paper_kinds.add(candidate.name)
                return question
    raise Exhausted("no new %s question of topic %d for this paper" % (section, topic))


def story_plan(rng, recipe):
    """The part counts of a paper's stories: they add the recipe's extra parts,
    with stories of three parts where the recipe allows them."""
    extra = recipe.extra_parts()
    plan = []
    while extra > 0:
        sizes = [n for n in (recipe.story_parts or (2, 3)) if n - 1 <= extra]
        n = rng.choice(sizes)
        plan.append(n)
        extra -= n - 1
    return plan


def build_paper(state, recipe, topic_of_slot):
    """The questions of one paper; topic_of_slot(i) names the topic of its
    i-th question (the same topic all through a topic paper)."""
    frames, kinds = set(), set()
    slot = iter(range(recipe.questions))
    mc = [make_one(state, topic_of_slot(next(slot)), MC, frames, kinds) for _ in range(recipe.mc)]
    skills = [make_one(state, topic_of_slot(next(slot)), SKILL, frames, kinds) for _ in range(recipe.skills)]
    plan = story_plan(state.ctx.rng, recipe)
    problem_count = recipe.questions - recipe.mc - recipe.skills - len(plan)
    problems = [make_one(state, topic_of_slot(next(slot)), PROBLEM, frames, kinds) for _ in range(problem_count)]
    stories = [make_one(state, topic_of_slot(next(slot)), STORY, frames, kinds, parts=(n,)) for n in plan]
    questions = mc + skills + problems + stories
    if len(questions) != recipe.questions or sum(len(q.parts) for q in questions) != recipe.parts:
        raise RuntimeError("%s: %d questions, %d parts" % (recipe.name, len(questions), sum(len(q.parts) for q in questions)))
    return questions


def build_papers(ctx):
    state = CourseState(ctx)
    papers = []
    for topic in range(1, shape.PRACTICE_TOPICS + 1):
        for recipe in topic_recipes(topic):
            papers.append(build_paper(state, recipe, lambda i, t=topic: t))
    for k, recipe in enumerate(MOCK_RECIPES):
        # Every topic in turn, so that each holds a sixth of the paper.
        papers.append(build_paper(state, recipe, lambda i, k=k: (i + k) % shape.PRACTICE_TOPICS + 1))
    return papers


def topic_of(question):
    """The topic (1..6) whose maker wrote `question`."""
    return KINDS[question.kind].topic
