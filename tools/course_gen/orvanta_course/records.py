"""Record files of the course: Windows-1252 text, CR LF, "#KEY#>field>field"."""

from .shape import FIRST_PAPER

CRLF = "\r\n"
SEPARATOR = "-" * 31


def record(key, fields):
    for value in fields:
        value = str(value)
        if ">" in value or "\r" in value or "\n" in value:
            raise ValueError("field %r of record %s cannot be stored" % (value, key))
    return "#%s#" % key + "".join(">" + str(v) for v in fields)


def framed(lines):
    """The course layout: "..." first, "..." last without a line end."""
    return ("..." + CRLF + "".join(line + CRLF for line in lines) + "...").encode("cp1252")


def course_description(title, code, subjects):
    """subjects: list of (name, topic names, paper count) for subjects 1..3."""
    lines = [record("NME", [title]), record("COD", [code])]
    for letter, (name, _, _) in zip("ABC", subjects):
        lines.append(record("L%sH" % letter, [name]))
    lines.append(SEPARATOR)
    for s, (_, topics, papers) in enumerate(subjects, start=1):
        lines.append(record("TT%d" % s, [len(topics)]))
        lines.append(record("TP%d" % s, [papers]))
        lines.append(record("TN%d" % s, topics))
    return framed(lines)


def paper_list(papers):
    """papers: list of question lists, paper 101 first."""
    return framed(record(str(FIRST_PAPER + i), [q.number for q in paper]) for i, paper in enumerate(papers))


def question_table(questions, field_of):
    """One record per question in ascending number order, a field per part."""
    ordered = sorted(questions, key=lambda q: q.number)
    return framed(record("%05d" % q.number, [field_of(p) for p in q.parts]) for q in ordered)


def summary_template(paper_count):
    rows = [record(key, [""] * paper_count) for key in ("FSE", "SSE", "LTM", "CDD")]
    rows += [record(key, ["0"] * paper_count) for key in ("FST", "SST")]
    return framed(rows)


def per_paper_template(part_counts):
    return framed(record(str(FIRST_PAPER + i), [""] * n) for i, n in enumerate(part_counts))


def trend_template():
    return ("#TRD#" + CRLF).encode("cp1252")
