"""Writes the Orvanta course into a folder, one file per resource named by its
number: the course description 30000, per subject the paper lists, answer keys,
question types and marks (30S12..30S15), the progress templates (301S1..301S6)
and a page per question.

    python3 tools/course_gen/generate.py OUTPUT_FOLDER [--stamp FILE] [--stats]

The output depends on nothing but this code: every subject draws from its own
seeded random source, so two runs write the same bytes."""

import argparse
import os
import random

from . import english, maths, mhtml, page, records, science, shape
from .model import Context

TITLE = "Orvanta Primary Practice"
CODE = "Q4"

# Subject number, module, seed, the question numbers in paper order.
SUBJECTS = [
    (shape.ENGLISH, english, 1101, [range(10001, 10531)]),
    (shape.MATHEMATICS, maths, 2202, [range(20001, 21000), range(26001, 26121)]),
    (shape.SCIENCE, science, 3303, [range(16001, 16675)]),
]


def numbered(papers, ranges):
    """Gives every question its number and its place in its paper."""
    numbers = iter(n for r in ranges for n in r)
    for paper in papers:
        for position, question in enumerate(paper, start=1):
            question.number = next(numbers)
            question.position = position
    leftover = list(numbers)
    if leftover:
        raise RuntimeError("%d question numbers unused" % len(leftover))
    return papers


def build_course():
    """[(subject number, module, papers)] with numbered questions."""
    course = []
    for number, module, seed, ranges in SUBJECTS:
        papers = module.build_papers(Context(random.Random(seed)))
        if len(papers) != shape.PAPER_COUNT:
            raise RuntimeError("%s has %d papers" % (module.SUBJECT, len(papers)))
        course.append((number, module, numbered(papers, ranges)))
    return course


def course_files(course):
    """{resource number: bytes} of the whole course."""
    files = {
        30000: records.course_description(
            TITLE, CODE, [(m.SUBJECT, m.TOPICS, len(papers)) for _, m, papers in course]
        )
    }
    for s, module, papers in course:
        questions = [q for paper in papers for q in paper]
        base = 30000 + 10 * s
        files[base + 2] = records.paper_list(papers)
        files[base + 3] = records.question_table(questions, lambda p: p.key)
        files[base + 4] = records.question_table(questions, lambda p: p.type)
        files[base + 5] = records.question_table(questions, lambda p: p.mark)
        template = 30100 + 10 * s
        files[template + 1] = records.summary_template(len(papers))
        per_paper = records.per_paper_template([sum(len(q.parts) for q in paper) for paper in papers])
        for k in range(2, 6):
            files[template + k] = per_paper
        files[template + 6] = records.trend_template()
        for q in questions:
            html = page.render(q, module.SUBJECT)
            pictures = [
                (page.picture_name(i), "image/svg+xml", p.svg.encode("ascii"))
                for i, p in enumerate(q.pictures)
            ]
            files[q.number] = mhtml.archive(q.number, "Question %d" % q.position, html, pictures)
    return files


def write_folder(folder, files):
    os.makedirs(folder, exist_ok=True)
    wanted = {str(n) for n in files}
    for name in sorted(os.listdir(folder)):
        if name.isdigit() and name not in wanted:
            os.remove(os.path.join(folder, name))  # a question that no longer exists
    for number in sorted(files):
        path = os.path.join(folder, str(number))
        data = files[number]
        try:
            with open(path, "rb") as f:
                if f.read() == data:
                    continue  # unchanged: keep the time stamp, so rcc's input looks the same
        except FileNotFoundError:
            pass
        with open(path, "wb") as f:
            f.write(data)


def statistics(course):
    lines = []
    for s, module, papers in course:
        questions = [q for paper in papers for q in paper]
        parts = [p for q in questions for p in q.parts]
        types = {}
        for p in parts:
            types[p.type] = types.get(p.type, 0) + 1
        per_paper = [sum(len(q.parts) for q in paper) for paper in papers]
        q_per_paper = [len(paper) for paper in papers]
        lines.append(
            "%s: %d questions, %d parts, parts/question %d-%d, questions/paper %d-%d, parts/paper %d-%d, "
            "pictures on %d pages"
            % (
                module.SUBJECT,
                len(questions),
                len(parts),
                min(len(q.parts) for q in questions),
                max(len(q.parts) for q in questions),
                min(q_per_paper),
                max(q_per_paper),
                min(per_paper),
                max(per_paper),
                sum(1 for q in questions if q.pictures),
            )
        )
        lines.append("  types: " + ", ".join("%s %d" % kv for kv in sorted(types.items(), key=lambda kv: -kv[1])))
        marks = sorted({p.mark for p in parts})
        lines.append("  marks: %s; parts per paper: %s" % (marks, per_paper))
    return "\n".join(lines)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder")
    parser.add_argument("--stamp", help="file to touch when the course is written")
    parser.add_argument("--stats", action="store_true", help="print the course's shape")
    args = parser.parse_args(argv)
    course = build_course()
    write_folder(args.folder, course_files(course))
    if args.stats:
        print(statistics(course))
    if args.stamp:
        with open(args.stamp, "w") as f:
            f.write("course written\n")
    return 0

