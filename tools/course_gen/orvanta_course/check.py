"""Checks a generated course folder and reports every fault found.

    python3 tools/course_gen/check.py COURSE_FOLDER

Reads only the files, as the program would: the course description, the four
tables and six templates of each subject, and every question page. Beyond the
format it checks the course's shape (question counts, parts per question and
paper, type letters in their proportions), the form of every key for its type
letter, answer groups, and recomputes the keys of the mathematics questions
whose wording it can read. Exit status 0 when the course is sound."""

import email
import html
import re
from fractions import Fraction
from pathlib import Path

from . import check_maths
from .shape import ENGLISH, FIRST_PAPER, MATHEMATICS, PAPER_COUNT, PAPERS, SCIENCE, TOPIC_COUNT

TYPE_LETTERS = set("QTLNFRXMG")

# Subject number: name, question number ranges, question count, marks, type shares.
SUBJECTS = {
    ENGLISH: ("English", [(10001, 10530)], 530, {1}, {"T": 671, "Q": 550, "M": 29, "L": 25}),
    MATHEMATICS: ("Mathematics", [(20001, 20999), (26001, 26120)], 1119, {1, 2, 3},
        {"N": 778, "Q": 255, "F": 58, "T": 48, "R": 28, "X": 23, "M": 5}),
    SCIENCE: ("Science", [(16001, 16674)], 674, {1, 2}, {"Q": 510, "T": 434, "G": 104, "M": 11, "N": 11}),
}
MAX_PARTS_PER_PAPER, MAX_PARTS_PER_QUESTION = 80, 20
FULL_PAPER_QUESTIONS = 10

KEY_FORMS = {
    "Q": re.compile(r"[1-4]"),
    "N": re.compile(r"\d+(\.\d+)?"),
    "F": re.compile(r"\d+/\d+"),
    "X": re.compile(r"\d+ \d+/\d+"),
    "R": re.compile(r"\d+(:\d+)+"),
    "M": re.compile(r"(;[^;]+)+"),
}


class Report:
    def __init__(self):
        self.faults = []
        self.notes = []

    def fault(self, text):
        self.faults.append(text)

    def expect(self, condition, text):
        if not condition:
            self.fault(text)
        return condition


# Record files ------------------------------------------------------------------


def read_lines(report, path):
    data = path.read_bytes()
    if re.search(rb"(?<!\r)\n|\r(?!\n)", data):
        report.fault("%s: a line does not end with CR LF" % path.name)
    try:
        text = data.decode("cp1252")
    except UnicodeDecodeError:
        report.fault("%s: not Windows-1252 text" % path.name)
        text = data.decode("cp1252", "replace")
    return text.split("\r\n")


def framed_records(report, path):
    """[(key, fields)] of a course file that must start and end with "..."."""
    lines = read_lines(report, path)
    report.expect(lines[0] == "..." and lines[-1] == "...", "%s: not framed by \"...\" lines" % path.name)
    report.expect(not path.read_bytes().endswith(b"\r\n"), "%s: the last line must not end with CR LF" % path.name)
    records = []
    for line in lines:
        match = re.fullmatch(r"#([^#]+)#((?:>[^>]*)*)", line)
        if match:
            records.append((match.group(1), match.group(2).split(">")[1:]))
    return records


def check_description(report, folder):
    path = folder / "30000"
    records = framed_records(report, path)
    lines = read_lines(report, path)
    report.expect("-" * 31 in lines, "30000: no separator line of 31 \"-\"")
    values = dict(records)
    report.expect(values.get("COD") == ["Q4"], "30000: course code is not Q4")
    report.expect(bool(values.get("NME", [""])[0]), "30000: no course title")
    for s, letter in zip((ENGLISH, MATHEMATICS, SCIENCE), "ABC"):
        name = SUBJECTS[s][0]
        report.expect(values.get("L%sH" % letter) == [name], "30000: subject %d is not %s" % (s, name))
        report.expect(values.get("TT%d" % s) == [str(TOPIC_COUNT)], "30000: TT%d is not %d" % (s, TOPIC_COUNT))
        report.expect(values.get("TP%d" % s) == [str(PAPER_COUNT)], "30000: TP%d is not %d" % (s, PAPER_COUNT))
        topics = values.get("TN%d" % s, [])
        report.expect(len(topics) == TOPIC_COUNT and topics[-1] == "Mock Examination" and all(topics),
                      "30000: TN%d must hold %d names ending with Mock Examination" % (s, TOPIC_COUNT))


# Subject tables --------------------------------------------------------------------


def question_table(report, path):
    records = framed_records(report, path)
    numbers = [int(k) for k, _ in records]
    report.expect(numbers == sorted(numbers) and len(set(numbers)) == len(numbers),
                  "%s: records are not in ascending question order" % path.name)
    report.expect(all(len(k) == 5 and k.isdigit() for k, _ in records), "%s: a key is not a question number" % path.name)
    return {int(k): fields for k, fields in records}


def check_key(report, where, key, letter):
    if ">" in key or "\r" in key or "\n" in key:
        report.fault("%s: key %r cannot be stored" % (where, key))
    if not all(32 <= ord(ch) < 127 for ch in key):
        report.fault("%s: key %r holds a character a pupil cannot type" % (where, key))
    if letter in ("T", "L"):
        report.expect(key.strip() == key and key != "", "%s: %s key %r is empty or padded" % (where, letter, key))
    elif letter == "G":
        report.expect(key == " " or KEY_FORMS["M"].fullmatch(key) is not None, "%s: G key %r malformed" % (where, key))
    else:
        report.expect(KEY_FORMS[letter].fullmatch(key) is not None, "%s: %s key %r malformed" % (where, letter, key))
    if letter == "F" and KEY_FORMS["F"].fullmatch(key):
        n, d = map(int, key.split("/"))
        report.expect(d > 1 and n > 0, "%s: fraction %s" % (where, key))
    if letter == "X" and KEY_FORMS["X"].fullmatch(key):
        whole, frac = key.split(" ")
        n, d = map(int, frac.split("/"))
        report.expect(0 < n < d and Fraction(n, d).denominator == d, "%s: mixed number %s is not simplified" % (where, key))
    if letter == "R" and KEY_FORMS["R"].fullmatch(key):
        terms = list(map(int, key.split(":")))
        g = 0
        for t in terms:
            g = _gcd(g, t)
        report.expect(g == 1 and all(terms), "%s: ratio %s is not in its simplest form" % (where, key))


def _gcd(a, b):
    while b:
        a, b = b, a % b
    return a


def check_groups(report, where, keys, letters):
    """G parts: a head whose alternatives cover its group, then " " parts; 2 to 4 parts."""
    i = 0
    while i < len(keys):
        if letters[i] == "G" and keys[i] != " ":
            size = 1
            while i + size < len(keys) and keys[i + size] == " ":
                report.expect(letters[i + size] == "G", "%s: a \" \" key outside a G group" % where)
                size += 1
            alternatives = keys[i].split(";")[1:]
            report.expect(2 <= size <= 4, "%s: answer group of %d parts" % (where, size))
            report.expect(len(alternatives) >= size, "%s: group %r has fewer answers than parts" % (where, keys[i]))
            report.expect(len({a.strip().lower() for a in alternatives}) == len(alternatives),
                          "%s: group %r repeats an answer" % (where, keys[i]))
            i += size
        else:
            report.expect(keys[i] != " ", "%s: a \" \" key without a group head" % where)
            i += 1


def check_subject(report, folder, s):
    name, ranges, count, marks, shares = SUBJECTS[s]
    base = 30000 + 10 * s
    papers = framed_records(report, folder / str(base + 2))
    report.expect([k for k, _ in papers] == [str(p) for p in PAPERS],
                  "%s: paper list does not hold papers %d to %d in order" % (name, PAPERS[0], PAPERS[-1]))
    keys = question_table(report, folder / str(base + 3))
    types = question_table(report, folder / str(base + 4))
    mark_table = question_table(report, folder / str(base + 5))
    allowed = {n for low, high in ranges for n in range(low, high + 1)}
    listed = [int(q) for _, qs in papers for q in qs]
    report.expect(len(listed) == len(set(listed)), "%s: a question is listed by two papers" % name)
    report.expect(len(listed) == count, "%s: %d questions, expected %d" % (name, len(listed), count))
    report.expect(set(listed) <= allowed, "%s: question numbers outside the subject's ranges" % name)
    report.expect(set(listed) == set(keys) == set(types) == set(mark_table),
                  "%s: paper list, keys, types and marks do not hold the same questions" % name)
    type_counts = {}
    part_counts = []
    for paper, qs in papers:
        numbers = [int(q) for q in qs]
        report.expect(numbers == sorted(numbers), "%s paper %s: questions not ascending" % (name, paper))
        total = 0
        for q in numbers:
            k, t, m = keys.get(q, []), types.get(q, []), mark_table.get(q, [])
            where = "%s question %d" % (name, q)
            if not report.expect(len(k) == len(t) == len(m) and len(k) > 0, "%s: key, type and mark counts differ" % where):
                continue
            report.expect(len(k) <= MAX_PARTS_PER_QUESTION, "%s: %d parts" % (where, len(k)))
            for key, letter, mark in zip(k, t, m):
                if not report.expect(letter in TYPE_LETTERS, "%s: type letter %r" % (where, letter)):
                    continue
                type_counts[letter] = type_counts.get(letter, 0) + 1
                check_key(report, where, key, letter)
                report.expect(mark.isdigit() and int(mark) in marks, "%s: mark %r" % (where, mark))
            check_groups(report, where, k, t)
            total += len(k)
        report.expect(0 < total <= MAX_PARTS_PER_PAPER, "%s paper %s: %d parts" % (name, paper, total))
        part_counts.append(total)
    if s == ENGLISH:
        first = dict(papers).get(str(FIRST_PAPER), [])
        report.expect(len(first) >= FULL_PAPER_QUESTIONS and first[0] == "10001",
                      "English paper %d, the first paper a pupil meets, must be a full paper of at least %d "
                      "questions starting with 10001" % (FIRST_PAPER, FULL_PAPER_QUESTIONS))
    check_shares(report, name, type_counts, shares)
    check_templates(report, folder, s, part_counts)
    report.notes.append("%s: %d questions, %d parts, types %s, parts per paper %d-%d" % (
        name, len(listed), sum(type_counts.values()),
        " ".join("%s %d" % kv for kv in sorted(type_counts.items(), key=lambda kv: -kv[1])),
        min(part_counts), max(part_counts)))
    return listed, keys, types


def check_shares(report, name, counts, targets):
    """Type letters in about the proportions of the target inventory."""
    report.expect(set(counts) == set(targets), "%s: type letters %s, expected %s" % (
        name, "".join(sorted(counts)), "".join(sorted(targets))))
    total, target_total = sum(counts.values()), sum(targets.values())
    for letter, target in targets.items():
        share, wanted = counts.get(letter, 0) / total, target / target_total
        report.expect(abs(share - wanted) <= max(0.02, 0.4 * wanted),
                      "%s: type %s is %.1f%% of the parts, expected about %.1f%%" % (name, letter, 100 * share, 100 * wanted))


def check_templates(report, folder, s, part_counts):
    p = len(part_counts)
    crlf = "\r\n"
    summary = "..." + crlf + "".join("#%s#%s%s" % (k, ">" * p, crlf) for k in ("FSE", "SSE", "LTM", "CDD"))
    summary += "".join("#%s#%s%s" % (k, ">0" * p, crlf) for k in ("FST", "SST")) + "..."
    per_paper = "..." + crlf + "".join("#%d#%s%s" % (FIRST_PAPER + i, ">" * n, crlf) for i, n in enumerate(part_counts)) + "..."
    base = 30100 + 10 * s
    report.expect((folder / str(base + 1)).read_bytes() == summary.encode("cp1252"), "%d: summary template" % (base + 1))
    for k in range(2, 6):
        report.expect((folder / str(base + k)).read_bytes() == per_paper.encode("cp1252"),
                      "%d: per-paper template does not match the part counts" % (base + k))
    report.expect((folder / str(base + 6)).read_bytes() == b"#TRD#\r\n", "%d: trend template" % (base + 6))


# Pages --------------------------------------------------------------------------


def page_text(report, number, data):
    """Checks the archive and returns its HTML as text (or None)."""
    where = "page %d" % number
    if re.search(rb"(?<!\r)\n|\r(?!\n)", data):
        report.fault("%s: a line does not end with CR LF" % where)
    message = email.message_from_bytes(data)
    if not report.expect(message.get_content_type() == "multipart/related" and message.get_param("type") == "text/html",
                         "%s: not a multipart/related archive of an HTML page" % where):
        return None
    parts = message.get_payload()
    locations = {}
    for part in parts:
        location = part.get("Content-Location", "")
        report.expect(re.match(r"https://[^/]+\.invalid/", location) is not None, "%s: part location %r" % (where, location))
        locations[location] = part
    first = parts[0]
    report.expect(first.get_content_type() == "text/html" and first.get_content_charset() == "windows-1252"
                  and first.get("Content-Transfer-Encoding") == "quoted-printable", "%s: HTML part headers" % where)
    raw = first.get_payload()
    report.expect(all(len(line) <= 76 for line in raw.split("\r\n")), "%s: quoted-printable line too long" % where)
    report.expect(re.search(r"=(?![0-9A-F]{2}|\r\n|$)", raw) is None, "%s: stray \"=\" in quoted-printable text" % where)
    text = first.get_payload(decode=True).decode("cp1252")
    base = first["Content-Location"].rsplit("/", 1)[0]
    pictures = []
    for src in re.findall(r'<img src="([^"]+)"', text):
        target = locations.get(base + "/" + src)
        if report.expect(target is not None, "%s: picture %s missing" % (where, src)):
            svg = target.get_payload(decode=True)
            report.expect(svg.startswith(b"<?xml") and b"<svg" in svg and svg.rstrip().endswith(b"</svg>"),
                          "%s: picture %s is not an SVG document" % (where, src))
            pictures.append(svg.decode("ascii", "replace"))
    return text, pictures


def plain(text):
    """The question's words, with drawn fractions written 3/8 and mixed numbers 2 3/8."""
    text = re.sub(r"(?s)<head>.*</head>", " ", text)
    text = re.sub(r'<span class="fr"><span>([^<]+)</span><span>([^<]+)</span></span>', r" \1/\2 ", text)
    text = re.sub(r"<b>(\d+)</b>\s+(\d+/\d+)", r"\1 \2", text)
    text = re.sub(r"<[^>]+>", " ", text)
    text = html.unescape(text).replace("\u2212", "-").replace("\u00d7", "*").replace("\u00f7", "/")
    text = re.sub(r"\s+", " ", text)
    text = re.sub(r"(\d),(\d)", r"\1\2", text)
    return text.strip()


def check_pages(report, folder, s, listed, keys, types):
    recomputed = checked = chosen = 0
    for q in listed:
        path = folder / str(q)
        if not report.expect(path.is_file(), "page %d missing" % q):
            continue
        page = page_text(report, q, path.read_bytes())
        if page is None or s != MATHEMATICS:
            continue
        answerable = [i for i, letter in enumerate(types[q]) if letter != "Q"]
        if types[q] == ["Q"]:
            chosen += check_choice(report, q, page, keys[q][0])
            continue
        if not answerable:
            continue
        checked += 1
        try:
            expected = check_maths.expected_answers(plain(page[0]), page[1])
        except (ArithmeticError, ValueError, IndexError, KeyError, AttributeError):
            expected = None
        if expected is None:
            continue
        recomputed += 1
        if not report.expect(len(expected) == len(answerable), "page %d: %d answers worked out for %d parts" % (
                q, len(expected), len(answerable))):
            continue
        for i, value in zip(answerable, expected):
            report.expect(check_maths.key_fits(value, keys[q][i], types[q][i]),
                          "page %d: key %r, the question works out to %s" % (q, keys[q][i], value))
    if s == MATHEMATICS:
        report.notes.append("Mathematics: %d of %d questions with typed answers worked out again from their wording, "
                            "and %d multiple-choice keys" % (recomputed, checked, chosen))
    return recomputed


def check_choice(report, q, page, key):
    """1 when the right option of a mathematics multiple-choice question could be
    worked out (and is checked against the key), else 0."""
    text, pictures = page
    options = [html.unescape(o) for o in re.findall(r'<span class="on">\d</span>([^<]*)</div>', text)]
    try:
        rights = check_maths.choice_rights(plain(text), options, pictures)
    except (ArithmeticError, ValueError, KeyError, IndexError, TypeError):
        rights = None
    if rights is None:
        return 0
    report.expect(len(options) == 4 and rights == [int(key) - 1],
                  "page %d: key %s, but the right options are %s" % (q, key, [r + 1 for r in rights]))
    return 1


def check_course(folder):
    report = Report()
    folder = Path(folder)
    check_description(report, folder)
    every = set()
    for s in SUBJECTS:
        listed, keys, types = check_subject(report, folder, s)
        check_pages(report, folder, s, listed, keys, types)
        every |= set(listed)
    expected = {30000} | every | {30000 + 10 * s + k for s in SUBJECTS for k in (2, 3, 4, 5)} | {
        30100 + 10 * s + k for s in SUBJECTS for k in range(1, 7)}
    present = {int(p.name) for p in folder.iterdir() if p.name.isdigit()}
    report.expect(present == expected, "files not belonging to the course: %s; missing: %s" % (
        sorted(present - expected)[:10], sorted(expected - present)[:10]))
    return report


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    report = check_course(argv[1])
    for note in report.notes:
        print(note)
    for fault in report.faults[:200]:
        print("FAULT:", fault)
    if report.faults:
        print("%d faults" % len(report.faults))
        return 1
    print("course is sound")
    return 0

