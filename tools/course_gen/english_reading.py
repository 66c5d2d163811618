"""Every reading passage of the English course, in the order written."""

import english_passages_1
import english_passages_2
import english_passages_3
import english_passages_4
from english_passage import FORM_NAMES, SKILLS  # noqa: F401  (read by the writer and the tests)

PASSAGES = (english_passages_1.PASSAGES + english_passages_2.PASSAGES + english_passages_3.PASSAGES
            + english_passages_4.PASSAGES)
