"""Every reading passage of the English course, in the order written."""

from . import passages_1, passages_2, passages_3, passages_4
from .passage import FORM_NAMES, SKILLS  # noqa: F401  (read by the writer and the tests)

PASSAGES = passages_1.PASSAGES + passages_2.PASSAGES + passages_3.PASSAGES + passages_4.PASSAGES
