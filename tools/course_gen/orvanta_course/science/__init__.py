"""The Science papers: the facts and questions written by hand, the
investigations, the makers, the drawings and the planner."""

from .papers import SUBJECT, TOPICS, build_papers  # noqa: F401
