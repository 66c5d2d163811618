"""The shape every subject of the course keeps, which the program relies on:
the subjects' numbers, six topics and then the mock examinations, five papers
to each, and the papers' numbers (101 to 135, the mocks last)."""

ENGLISH, MATHEMATICS, SCIENCE = 1, 2, 3
SUBJECT_NAMES = {ENGLISH: "English", MATHEMATICS: "Mathematics", SCIENCE: "Science"}

PRACTICE_TOPICS = 6  # topics 1..6; the course description's seventh is "Mock Examination"
TOPIC_COUNT = PRACTICE_TOPICS + 1
PAPERS_PER_TOPIC = 5
PAPER_COUNT = TOPIC_COUNT * PAPERS_PER_TOPIC

FIRST_PAPER = 101
PAPERS = range(FIRST_PAPER, FIRST_PAPER + PAPER_COUNT)
MOCK_PAPERS = PAPERS[-PAPERS_PER_TOPIC:]


def paper_number(topic, k):
    """The number of paper k (1..5) of topic 1..7: the third of topic 2 is 108."""
    return FIRST_PAPER + (topic - 1) * PAPERS_PER_TOPIC + k - 1


def is_mock(paper):
    """Whether paper number `paper` is one of the mock examinations."""
    return paper in MOCK_PAPERS
