"""Science: multiple choice, answers from a word box or a results table,
investigations with tables and graphs, labelled drawings, sorting tasks and
answer groups (several answers from a box, in any order)."""

import science_enquiry
import science_makers
import science_plan

SUBJECT = "Science"
TOPICS = ["Living Things", "Plants", "Life Cycles and the Body", "Materials and Matter",
          "Water, Heat and Light", "Electricity and Magnets", "Mock Examination"]


def question_pool(rng):
    """Every question the Science banks and makers can give, as Items."""
    items = []
    for topic in science_plan.ALL_TOPICS:
        items += science_makers.written_items(rng, topic)
        items += science_makers.single_items(rng, topic)
        items += science_makers.structured_items(rng, topic)
        items += science_enquiry.enquiry_items(rng, topic)
    return items


def build_papers(ctx):
    return science_plan.plan(ctx.rng, question_pool(ctx.rng))
