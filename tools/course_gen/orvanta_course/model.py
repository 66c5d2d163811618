"""The shapes every subject module produces: questions made of answer parts."""

from dataclasses import dataclass, field

TYPE_LETTERS = "QTLNFRXMG"


@dataclass(frozen=True)
class Part:
    """One answer part: the expected answer, how it is judged, what it earns."""

    key: str
    type: str
    mark: int = 1


@dataclass
class Picture:
    """An SVG drawing shown in the page; `alt` describes it in words."""

    svg: str
    alt: str
    width: int
    height: int


@dataclass
class Question:
    """A question page's content before numbering.

    `body` is an HTML fragment. A picture is placed in it with the marker
    picture_marker(i), i being the index into `pictures`.
    """

    body: str
    parts: list
    pictures: list = field(default_factory=list)
    kind: str = ""
    number: int = 0  # resource number, set when the course is numbered
    position: int = 0  # 1-based place in its paper

    def fingerprint(self):
        """What makes two questions the same to a pupil: the text and the pictures."""
        return self.body + "".join(p.svg for p in self.pictures)

    @property
    def marks(self):
        return sum(p.mark for p in self.parts)


def picture_marker(index):
    return "@@PICTURE%d@@" % index


class Exhausted(RuntimeError):
    """A question maker has no new question left to give."""


class Context:
    """Random source and the texts already used, so that no question repeats."""

    def __init__(self, rng):
        self.rng = rng
        self.seen = set()
        self.exhausted = set()

    def fresh(self, fingerprint):
        """True (and remembered) when `fingerprint` has not been produced before."""
        if fingerprint in self.seen:
            return False
        self.seen.add(fingerprint)
        return True

    def unique(self, make, attempts=200, name=None):
        """Calls make() until it returns a question that is new. A maker that
        fails once under `name` is not tried again."""
        if name is not None and name in self.exhausted:
            raise Exhausted(name)
        for _ in range(attempts):
            question = make()
            if question is not None and self.fresh(question.fingerprint()):
                return question
        if name is not None:
            self.exhausted.add(name)
        raise Exhausted("no new question after %d attempts" % attempts)
