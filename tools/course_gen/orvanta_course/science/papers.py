"""Science: multiple choice, answers from a word box or a results table,
investigations with tables and graphs, labelled drawings, sorting tasks and
answer groups (several answers from a box, in any order)."""

from . import enquiry, makers, plan

SUBJECT = "Science"
TOPICS = ["Living Things", "Plants", "Life Cycles and the Body", "Materials and Matter",
          "Water, Heat and Light", "Electricity and Magnets", "Mock Examination"]


def question_pool(rng):
    """Every question the Science banks and makers can give, as Items."""
    items = []
    for topic in plan.ALL_TOPICS:
        items += makers.written_items(rng, topic)
        items += makers.single_items(rng, topic)
        items += makers.structured_items(rng, topic)
        items += enquiry.enquiry_items(rng, topic)
    return items


def build_papers(ctx):
    return plan.plan(ctx.rng, question_pool(ctx.rng))
