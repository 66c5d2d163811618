"""Building blocks of a Science question: the item the paper planner works
with, and the page pieces every Science question is written with.

Every Science page carries a comment naming its topic, its skill and its level,
so that a reader of the course (and its tests) can count the kinds:
    <!--science topic=5 skill=fair-test level=3-->
Skills: "recall" and "use" for knowledge; the working-scientifically skills
are WORKING_SCIENTIFICALLY. Levels: 1 recall, 2 apply, 3 reason."""

import re
from dataclasses import dataclass

from ..model import Part, Question
from ..page import LABELS, answer_line, esc, figure, instruction, options, para

WORKING_SCIENTIFICALLY = ("fair-test", "table", "graph", "predict", "conclude", "explain")
SKILLS = ("recall", "use") + WORKING_SCIENTIFICALLY
LEVELS = (1, 2, 3)

CHOOSE = "Choose the correct answer. Write its number (1, 2, 3 or 4) in the answer box."
CHOOSE_IN_PARTS = "Where a part has numbered answers, write the number (1, 2, 3 or 4) of the correct one."
ANY_ORDER = "You may write the answers in any order, one in each answer box."
NEGATIVES = re.compile(r"\b(not|never|cannot)\b", re.IGNORECASE)
TAG = re.compile(r"<!--science topic=(\d) skill=([a-z-]+) level=(\d)-->")


@dataclass
class Item:
    """A question with what the planner needs to place it.

    family: the maker or bank it comes from; a paper takes at most one item of
    a family. concept: what the question asks; the course asks it once."""

    question: Question
    topic: int
    skill: str
    level: int
    family: str
    concept: str

    @property
    def size(self):
        return len(self.question.parts)

    @property
    def letters(self):
        return "".join(p.type for p in self.question.parts)


def rich(text):
    """Text for the page that may hold <b>, <i> and <sub> (as in CO<sub>2</sub>)."""
    out = esc(text)
    for tag in ("b", "i", "sub"):
        out = out.replace("&lt;%s&gt;" % tag, "<%s>" % tag).replace("&lt;/%s&gt;" % tag, "</%s>" % tag)
    return out


def stress_negatives(fragment):
    """Puts every "not", "never" and "cannot" of the text in bold, so that a
    pupil cannot miss that a question asks the other way round."""
    pieces = re.split(r"(<[^>]+>)", fragment)
    bold = 0
    for k, piece in enumerate(pieces):
        if piece.startswith("<"):
            if re.fullmatch(r"<b\b[^>]*>", piece):
                bold += 1
            elif piece == "</b>":
                bold -= 1
        elif not bold:
            pieces[k] = NEGATIVES.sub(r"<b>\1</b>", piece)
    return "".join(pieces)


def item(topic, skill, level, family, concept, body, parts, pictures=None):
    if skill not in SKILLS or level not in LEVELS:
        raise ValueError("skill %r, level %r" % (skill, level))
    tag = "<!--science topic=%d skill=%s level=%d-->" % (topic, skill, level)
    question = Question(body=tag + stress_negatives(body), parts=list(parts), pictures=list(pictures or []),
                        kind=family)
    return Item(question, topic, skill, level, family, concept)


def stem(text):
    """The question's text as paragraphs: a blank line in `text` starts a new one."""
    return "".join(para(rich(p)) for p in text.split("\n\n"))


def choice_body(rng, text, right, wrong, pictures=0):
    """(body, key) of a multiple-choice question: the options in a random order."""
    texts = [right] + list(wrong)
    if len(texts) != 4 or len({t.lower() for t in texts}) != 4:
        raise ValueError("a choice needs four different options: %r" % texts)
    rng.shuffle(texts)
    body = instruction(CHOOSE) + stem(text) + "".join(figure(i) for i in range(pictures)) + options(texts)
    return body, str(texts.index(right) + 1)


def choice(rng, topic, skill, level, family, concept, text, right, wrong, pictures=None, mark=1):
    body, key = choice_body(rng, text, right, wrong, len(pictures or []))
    return item(topic, skill, level, family, concept, body, [Part(key, "Q", mark)], pictures)


def letter(index):
    return LABELS[index]


def lettered(index, content, count=1):
    """A lettered part; a group of answer boxes reads "(a) and (b)" or "(a) to (c)"."""
    if count == 1:
        name = "(%s)" % letter(index)
    elif count == 2:
        name = "(%s) and (%s)" % (letter(index), letter(index + 1))
    else:
        name = "(%s) to (%s)" % (letter(index), letter(index + count - 1))
    return '<div class="part"><span class="lbl">%s</span> %s</div>' % (name, content)


def form(text):
    """A note on how to write the answer."""
    return '<p class="ans" style="margin-left:34px"><span class="form">%s</span></p>' % text


def group_prompt(index, count):
    boxes = ", ".join("(%s)" % letter(index + k) for k in range(count))
    return '<p class="ans" style="margin-left:34px">Answers: %s <span class="form">%s</span></p>' % (boxes, ANY_ORDER)


def group_parts(answers, count, mark=1):
    """An answer group: the head part holds every acceptable answer, each
    further part a single space. Never fewer answers than parts."""
    if len(set(a.lower() for a in answers)) < count or not 2 <= count <= 4:
        raise ValueError("a group needs 2 to 4 parts and as many different answers")
    return [Part("".join(";" + a for a in answers), "G", mark)] + [Part(" ", "G", mark) for _ in range(count - 1)]


def choice_part(rng, index, sentence, right, wrong, mark=1):
    """(html, part) of a lettered part answered by an option number."""
    texts = [right] + list(wrong)
    if len(texts) != 4 or len({t.lower() for t in texts}) != 4:
        raise ValueError("a choice needs four different options: %r" % texts)
    rng.shuffle(texts)
    return lettered(index, rich(sentence)) + options(texts), Part(str(texts.index(right) + 1), "Q", mark)


def box_part(index, sentence, key, note="Write one word from the box.", mark=1):
    """(html, part) of a lettered part whose answer is copied from the page."""
    return lettered(index, rich(sentence)) + answer_line(index, form=note), Part(key, "T", mark)
