"""How varied a generated course reads: repeated questions, repeated part
sentences and overused opening frames, measured on the question pages.

    python3 tools/course_gen/variety.py COURSE_FOLDER

A question page is read as the pupil sees it:
- its instruction (the yellow box) is general guidance and is left out;
- its text is everything else but the numbered options;
- its lettered parts are the "(a)", "(b)" … blocks;
- its pictures are the SVG drawings it carries.

Rules measured here:
1. Repeats: two questions are the same when their text, their options (in
   any order) and their pictures are the same. A lettered part repeats when
   its sentence, word for word, stands in an earlier part of the subject under
   the same pictures.
2. Frames: the first FRAME_WORDS words of a text with names, numbers and
   bracketed words blurred ("At the moment, Mei is (paint) …" reads
   "at the moment NAME is"). The frames of the questions, and in English of
   the lettered parts, are counted per subject."""

import collections
import email
import html
import re
import sys
from pathlib import Path

from . import names
from .shape import ENGLISH, MATHEMATICS, SUBJECT_NAMES, is_mock

FRAME_WORDS = 5
# Limits of the second edition.
FRAME_SHARE = 0.02
PART_REPEAT_SHARE = 0.03

_TITLES = r"(?:Mr|Mrs|Ms|Miss|Dr|Mr\.|Mrs\.|Ms\.|Dr\.)"
_NAMES = set(getattr(names, "GIRLS", [])) | set(getattr(names, "BOYS", [])) | set(getattr(names, "OTHER_NAMES", [])) | set(
    getattr(names, "FAMILY_NAMES", []))


class Page:
    """A question page's instruction, text, options, lettered parts and pictures."""

    def __init__(self, number, html_text, pictures):
        self.number = number
        body = html_text.split("<body>", 1)[-1]
        body = re.sub(r'(?s)<div class="top">(?:(?!</div>).)*</div>', " ", body, count=1)
        self.instruction = " ".join(_words_of(m) for m in re.findall(r'(?s)<p class="ins">(.*?)</p>', body))
        body = re.sub(r'(?s)<p class="ins">.*?</p>', " ", body)
        self.options = [_words_of(o) for o in re.findall(r'(?s)<div class="opt"><span class="on">\d+</span>(.*?)</div>', body)]
        body = re.sub(r'(?s)<div class="opts[^"]*">\s*(?:<div class="opt">(?:(?!</div>).)*</div>\s*)*</div>', " ", body)
        self.parts = [_words_of(p) for p in re.findall(r'(?s)<div class="part"><span class="lbl">\([a-t]\)</span>(.*?)</div>', body)]
        self.text = _words_of(body)
        self.pictures = tuple(pictures)

    def identity(self):
        """What makes two questions the same to a pupil."""
        return (self.text.lower(), tuple(sorted(o.lower() for o in self.options)), self.pictures)

    def frame(self):
        return frame_of(self.text)


def _words_of(fragment):
    """The words of an HTML fragment: drawn fractions as 3/8, blanks as "___"."""
    text = re.sub(r'<span class="fr"><span>([^<]+)</span><span>([^<]+)</span></span>', r" \1/\2 ", fragment)
    text = re.sub(r'<span class="blank">[^<]*</span>', " ___ ", text)
    text = re.sub(r'<span class="lbl">\([a-t]\)</span>', " ", text)
    text = re.sub(r"<[^>]+>", " ", text)
    text = html.unescape(text).replace("\u00a0", " ").replace("\u2019", "'")
    return re.sub(r"\s+", " ", text).strip()


def blurred(text):
    """The text with names, numbers and bracketed words blurred, lower case."""
    text = re.sub(r"\([^()]*\)", " ( ) ", text)
    text = re.sub(_TITLES + r"\s+[A-Z][a-z]+", " NAME ", text)
    out = []
    sentence_start = True
    for token in re.findall(r"\( \)|[A-Za-z][A-Za-z'\-]*|[\d][\d.,/:]*|[.!?]|___", text):
        if token in ".!?":
            sentence_start = True
            continue
        if token == "( )" or token == "___":
            out.append(token)
        elif token[0].isdigit():
            out.append("#")
        elif token == "NAME" or token in _NAMES:
            out.append("NAME")
        elif token[0].isupper() and not sentence_start and token != "I":
            out.append("NAME")
        else:
            out.append(token.lower())
        sentence_start = False
    return out


def frame_of(text):
    """The opening frame of a text: its first FRAME_WORDS blurred words."""
    return " ".join(blurred(text)[:FRAME_WORDS])


def read_pages(folder, subject):
    """{paper number: [Page]} of a subject in paper order, from a course folder."""
    folder = Path(folder)
    lists = (folder / str(30000 + 10 * subject + 2)).read_bytes().decode("cp1252")
    papers = {}
    for line in lists.split("\r\n"):
        m = re.match(r"#(\d{3})#>(.*)$", line)
        if m:
            papers[int(m.group(1))] = [read_page(folder, int(n)) for n in m.group(2).split(">") if n]
    return papers


def read_page(folder, number):
    message = email.message_from_bytes((Path(folder) / str(number)).read_bytes())
    parts = message.get_payload()
    first = parts[0]
    text = first.get_payload(decode=True).decode("cp1252")
    base = first["Content-Location"].rsplit("/", 1)[0]
    by_location = {p.get("Content-Location", ""): p for p in parts[1:]}
    pictures = []
    for src in re.findall(r'<img src="([^"]+)"', text):
        picture = by_location.get(base + "/" + src)
        pictures.append(picture.get_payload(decode=True).decode("ascii", "replace") if picture else src)
    return Page(number, text, pictures)


def repeated_questions(papers):
    """[(first number, repeating number)] of questions identical to an earlier one."""
    seen = {}
    repeats = []
    for paper in sorted(papers):
        for page in papers[paper]:
            key = page.identity()
            if key in seen:
                repeats.append((seen[key], page.number))
            else:
                seen[key] = page.number
    return repeats


def repeated_parts(papers):
    """(repeating parts, all lettered parts): parts whose sentence already stood
    in an earlier part of the subject under the same pictures."""
    seen = set()
    repeats = []
    total = 0
    for paper in sorted(papers):
        for page in papers[paper]:
            for index, sentence in enumerate(page.parts):
                total += 1
                key = (sentence.lower(), page.pictures)
                if key in seen:
                    repeats.append((page.number, "abcdefghijklmnopqrst"[index], sentence))
                else:
                    seen.add(key)
    return repeats, total


def question_frames(papers):
    return collections.Counter(page.frame() for paper in papers for page in papers[paper])


def part_frames(papers):
    return collections.Counter(frame_of(s) for paper in papers for page in papers[paper] for s in page.parts)


def mock_frame_clashes(papers):
    """[(paper, frame, count)] of frames used by more than one question of a mock paper."""
    clashes = []
    for paper in sorted(papers):
        if is_mock(paper):
            counts = collections.Counter(page.frame() for page in papers[paper])
            clashes += [(paper, f, c) for f, c in counts.items() if c > 1]
    return clashes


def report(folder, out=sys.stdout):
    """Prints the variety figures of every subject; returns the number of rule breaks."""
    breaks = 0
    for s, name in SUBJECT_NAMES.items():
        try:
            papers = read_pages(folder, s)
        except FileNotFoundError:
            continue
        questions = sum(len(p) for p in papers.values())
        repeats = repeated_questions(papers)
        frames = question_frames(papers)
        print("%s: %d questions, %d repeated" % (name, questions, len(repeats)), file=out)
        for first, again in repeats[:10]:
            print("  repeat: %d = %d" % (again, first), file=out)
        breaks += len(repeats)
        limit = FRAME_SHARE * questions
        for frame, count in frames.most_common(5):
            flag = "  TOO MANY" if count > limit else ""
            print("  frame %4d (%.1f %%) %s%s" % (count, 100.0 * count / questions, frame, flag), file=out)
            breaks += count > limit
        if s != MATHEMATICS:
            parts, total = repeated_parts(papers)
            share = len(parts) / total if total else 0
            flag = "  TOO MANY" if share > PART_REPEAT_SHARE else ""
            print("  lettered parts: %d, repeating an earlier one: %d (%.1f %%)%s" % (total, len(parts), 100 * share, flag),
                  file=out)
            breaks += share > PART_REPEAT_SHARE
        if s == ENGLISH:
            pframes = part_frames(papers)
            total = sum(pframes.values())
            for frame, count in pframes.most_common(5):
                flag = "  TOO MANY" if count > FRAME_SHARE * total else ""
                print("  part frame %4d (%.1f %%) %s%s" % (count, 100.0 * count / total, frame, flag), file=out)
                breaks += count > FRAME_SHARE * total
        clashes = mock_frame_clashes(papers)
        for paper, frame, count in clashes[:10]:
            print("  mock %d: %d questions open with %r" % (paper, count, frame), file=out)
        breaks += len(clashes)
    return breaks


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    return 1 if report(argv[1]) else 0
