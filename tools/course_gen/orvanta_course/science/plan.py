"""Lays out the Science papers from the pool of questions.

Each paper follows a recipe: how many parts and questions it has and how many
of its questions have several parts. The planner keeps the rules a reader
notices:
- no question, and no lettered part's sentence (under the same pictures),
  appears twice in the course, and nothing is asked twice (the concept);
- no wording is used by more than TEXT_LIMIT questions (with other options or
  pictures), no opening frame opens more than FRAME_LIMIT, and no
  two questions of a paper open alike, come from the same maker or name the
  same person;
- a mock examination gives each of the six topics its share of the parts
  (the topics have five papers each, so equal shares), mixes levels and types.
Frames, repeats and parts are measured exactly as the course's variety report
measures them, on the rendered page."""

import re
from collections import Counter
from dataclasses import dataclass

from .. import names, page, shape, variety
from .page import WORKING_SCIENTIFICALLY

FRAME_LIMIT = 13  # 2 % of the subject's 674 questions
TEXT_LIMIT = 2  # questions of the course with the same words (and other options or pictures)
MOCK_LEAST_GROUP_PARTS, MOCK_LEAST_TYPED_PARTS = 4, 12
PEOPLE = set(names.GIRLS) | set(names.BOYS) | set(names.FAMILY_NAMES)
MAX_PARTS = 8
SUBJECT = "Science"


@dataclass(frozen=True)
class PaperRecipe:
    """name says what the paper is; topics are the topics it draws on."""

    name: str
    topics: tuple
    parts: int
    questions: int
    multis: int  # questions of more than one part


# Parts of the three kinds of paper.
SHORT_PAPER_PARTS, LONG_PAPER_PARTS, MOCK_PARTS = 20, 30, 70


def topic_recipes(topic):
    return [
        PaperRecipe("short topic paper", (topic,), SHORT_PAPER_PARTS, 13, 3),
        PaperRecipe("long topic paper", (topic,), LONG_PAPER_PARTS, 19, 4),
        PaperRecipe("short topic paper", (topic,), SHORT_PAPER_PARTS, 13, 3),
        PaperRecipe("long topic paper with more questions", (topic,), LONG_PAPER_PARTS, 20, 4),
        PaperRecipe("short topic paper", (topic,), SHORT_PAPER_PARTS, 13, 3),
    ]


ALL_TOPICS = tuple(range(1, shape.PRACTICE_TOPICS + 1))
MOCK_RECIPES = [PaperRecipe("mock examination", ALL_TOPICS, MOCK_PARTS, n, 11) for n in (41, 41, 42, 41, 41)]


class Measured:
    """An item with what the variety report sees of its page."""

    def __init__(self, index, it):
        self.index = index
        self.item = it
        it.question.position = 1
        text = page.render(it.question, SUBJECT).decode("cp1252")
        seen = variety.Page(0, text, [p.svg for p in it.question.pictures])
        self.frame = seen.frame()
        self.identity = seen.identity()
        self.wording = seen.text.lower()
        self.part_keys = [(s.lower(), seen.pictures) for s in seen.parts]
        self.people = set(re.findall(r"[A-Z][a-z]+", seen.text)) & PEOPLE
        # Investigations, answer groups, labelled drawings and the few number
        # and alternatives answers are placed first, so that the course holds
        # all of them.
        self.priority = (it.skill in WORKING_SCIENTIFICALLY or any(p.type in "GMN" for p in it.question.parts)
                         or (it.size > 1 and bool(it.question.pictures)))

    @property
    def topic(self):
        return self.item.topic

    @property
    def size(self):
        return self.item.size


class PlanError(RuntimeError):
    pass


class Planner:
    def __init__(self, rng, items):
        self.rng = rng
        self.pool = [Measured(k, it) for k, it in enumerate(items)]
        self.used = set()
        self.frames = Counter()
        self.wordings = Counter()
        self.concepts = set()
        self.part_keys = set()
        self.identities = set()

    # What may still be placed --------------------------------------------------------

    def free(self, m):
        return (m.index not in self.used and self.frames[m.frame] < FRAME_LIMIT
                and self.wordings[m.wording] < TEXT_LIMIT and m.item.concept not in self.concepts
                and m.identity not in self.identities and not any(k in self.part_keys for k in m.part_keys))

    def candidates(self, topics, multi):
        found = [m for m in self.pool if m.topic in topics and (m.size > 1) == multi and self.free(m)]
        self.rng.shuffle(found)
        found.sort(key=self.urgency)  # stable: a random order within each kind
        return found

    @staticmethod
    def urgency(m):
        """0 for the scarce number and alternatives answers, 1 for the other
        questions the course must hold, 2 for the rest."""
        return 0 if any(p.type in "MN" for p in m.item.question.parts) else 1 if m.priority else 2

    def take(self, chosen):
        for m in chosen:
            self.used.add(m.index)
            self.frames[m.frame] += 1
            self.wordings[m.wording] += 1
            self.concepts.add(m.item.concept)
            self.part_keys.update(m.part_keys)
            self.identities.add(m.identity)

    # Choosing ------------------------------------------------------------------------------

    @staticmethod
    def fits(m, chosen):
        return all(m.frame != c.frame and m.item.family != c.item.family and m.item.concept != c.item.concept
                   and not set(m.part_keys) & set(c.part_keys) and not m.people & c.people for c in chosen)

    def pick_multis(self, topics, count, total, beside=()):
        """count questions of several parts with `total` parts in all, fitting
        beside the questions already chosen for the paper; None when there are none."""
        candidates = self.candidates(topics, multi=True)
        for _ in range(12):
            found = self._search(candidates, count, total, list(beside), [0])
            if found is not None:
                return found[len(beside):]
            self.rng.shuffle(candidates)
            candidates.sort(key=self.urgency)
        return None

    def _search(self, candidates, count, total, chosen, steps):
        steps[0] += 1
        if steps[0] > 3000:
            return None
        if count == 0:
            return list(chosen) if total == 0 else None
        for k, m in enumerate(candidates):
            rest = total - m.size
            if not 2 * (count - 1) <= rest <= MAX_PARTS * (count - 1) or not self.fits(m, chosen):
                continue
            chosen.append(m)
            found = self._search(candidates[k + 1:], count - 1, rest, chosen, steps)
            if found is not None:
                return found
            chosen.pop()
        return None

    def pick_singles(self, topics, count, chosen, levels=None):
        """count one-part questions that fit beside `chosen`; levels, when given,
        asks for at least so many questions of each level. Makers with many
        questions left are drawn on first, so that no maker is left to fill a
        paper on its own at the end."""
        free = [m for m in self.pool if m.topic in topics and m.size == 1 and self.free(m)]
        left = Counter(m.item.family for m in free)
        # Families with many questions left come first (give or take a little
        # chance), each in a random order; the few number and alternatives
        # answers come before all of them.
        jitter = {f: self.rng.random() * 3 for f in sorted(left)}
        self.rng.shuffle(free)
        order = sorted(free, key=lambda m: (m.item.letters not in ("M", "N"), -left[m.item.family] - jitter[m.item.family]))
        picked = []
        wanted = Counter(levels or {})
        for stage in ("wanted", "any"):
            for m in order:
                if len(picked) == count:
                    break
                if m in picked or not self.fits(m, chosen + picked):
                    continue
                if stage == "wanted" and wanted[m.item.level] <= 0:
                    continue
                picked.append(m)
                wanted[m.item.level] -= 1
        if len(picked) < count:
            raise PlanError("only %d of %d one-part questions for topics %s" % (len(picked), count, topics))
        return picked

    # Papers ---------------------------------------------------------------------------------

    def topic_paper(self, recipe):
        """The recipe's parts and questions; the number of questions of several
        parts may give by one or two when the questions left do not add up."""
        m = recipe.multis
        for multis in (m, m + 1, m - 1, m + 2, m - 2):
            singles = recipe.questions - multis
            chosen = self.pick_multis(recipe.topics, multis, recipe.parts - singles)
            if chosen is None:
                continue
            try:
                chosen += self.pick_singles(recipe.topics, singles, chosen)
            except PlanError:
                continue
            self.take(chosen)
            return self.ordered(chosen)
        raise PlanError("no questions left for a %s of topic %s" % (recipe.name, recipe.topics))

    def mock_paper(self, recipe, shares, first):
        """shares: parts per topic, adding up to the recipe's parts; `first` is
        the topic that has one question of several parts where the others have two."""
        singles = recipe.questions - recipe.multis
        counts = {t: 1 if t == first else 2 for t in recipe.topics}
        if sum(counts.values()) != recipe.multis:
            raise PlanError("a mock has %d questions of several parts" % recipe.multis)
        for _ in range(200):
            totals = self.multi_totals(counts, recipe.parts - singles, shares)
            multis = []
            for t in recipe.topics:
                found = self.pick_multis((t,), counts[t], totals[t], multis)
                if found is None:
                    break
                multis += found
            else:
                if self.mixed(multis):
                    break
        else:
            raise PlanError("no questions of several parts for mock %s" % (shares,))
        chosen = list(multis)
        for t in recipe.topics:
            need = shares[t] - sum(m.size for m in multis if m.topic == t)
            chosen += self.pick_singles((t,), need, chosen, levels={1: need // 3, 2: need // 3, 3: need // 4})
        self.take(chosen)
        return self.ordered(chosen, interleave=True)

    @staticmethod
    def mixed(multis):
        """A mock's longer questions must hold answer groups and typed answers
        as well as numbered choices."""
        letters = Counter(p.type for m in multis for p in m.item.question.parts)
        return letters["G"] >= MOCK_LEAST_GROUP_PARTS and letters["T"] >= MOCK_LEAST_TYPED_PARTS

    def multi_totals(self, counts, total, shares):
        """Parts per topic for its questions of several parts: `total` in all,
        leaving every topic two to eight one-part questions of its share."""
        low = {t: max(2 * n, shares[t] - 8) for t, n in counts.items()}
        high = {t: min(MAX_PARTS * n, shares[t] - 2) for t, n in counts.items()}
        totals = dict(low)
        while sum(totals.values()) < total:
            room = [t for t in sorted(totals) if totals[t] < high[t]]
            if not room:
                break
            totals[self.rng.choice(room)] += 1
        if sum(totals.values()) == total:
            return totals
        raise PlanError("no way to share %d parts among %s" % (total, counts))

    def ordered(self, chosen, interleave=False):
        """One-part questions first, easier ones first; then the longer questions."""
        singles = [m for m in chosen if m.size == 1]
        multis = [m for m in chosen if m.size > 1]
        key = (lambda m: (m.item.level, (m.topic + m.index) % 6)) if interleave else (lambda m: (m.item.level, m.index))
        return [m.item.question for m in sorted(singles, key=key) + sorted(multis, key=key)]


def mock_shares(k):
    """Parts per topic of mock k: 70 parts, 12 or 11 for each topic, turn about."""
    extra = [(k + j) % len(ALL_TOPICS) + 1 for j in range(4)]
    return {t: 12 if t in extra else 11 for t in ALL_TOPICS}


def plan(rng, items):
    """The 35 papers: five per topic in topic order, then the five mocks."""
    planner = Planner(rng, items)
    mocks = [planner.mock_paper(recipe, mock_shares(k), ALL_TOPICS[(k + 4) % len(ALL_TOPICS)]) for k, recipe in enumerate(MOCK_RECIPES)]
    papers = []
    for topic in ALL_TOPICS:
        papers += [planner.topic_paper(recipe) for recipe in topic_recipes(topic)]
    return papers + mocks
