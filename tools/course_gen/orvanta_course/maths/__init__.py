"""The Mathematics papers: the kinds of question of each topic, what they
share (kit) and the builder that puts them on papers."""

from .papers import SUBJECT, TOPICS, build_papers  # noqa: F401
