"""The English papers: the banks of items written by hand, the reading
passages and the writer that lays them out on papers."""

from .papers import SUBJECT, TOPICS, build_papers  # noqa: F401
