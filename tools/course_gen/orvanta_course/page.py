"""HTML of a question page: a calm, roomy layout for young readers, and the
small building blocks the subject modules write their questions with."""

import html as _html

from .model import picture_marker

ACCENTS = {"English": "#4f7bd9", "Mathematics": "#2f9a7e", "Science": "#d9772b"}
LABELS = "abcdefghijklmnopqrst"

# The practice window lays its "Question n" strip over the top 30 pixels of
# the page, so the page starts below it.
STYLE = """
body{margin:0;padding:38px 16px 24px;background:#fbf8f1;color:#2a2d3e;
font-family:Arial,"Liberation Sans",Helvetica,sans-serif;font-size:18px;line-height:1.45}
.top{display:flex;justify-content:space-between;align-items:center;margin:0 0 12px}
.badge{background:ACCENT;color:#fff;font-weight:bold;border-radius:18px;padding:4px 16px;font-size:17px}
.marks{color:#6b6f85;font-size:15px}
.ins{background:#fff2c7;border-radius:10px;padding:7px 12px;margin:0 0 12px;font-size:16px}
p{margin:0 0 10px}
.part{margin:0 0 12px}
.lbl{display:inline-block;min-width:34px;font-weight:bold;color:ACCENT}
.blank{display:inline-block;min-width:70px;padding:0 4px;border-bottom:2px solid ACCENT;
text-align:center;font-weight:bold;color:ACCENT;line-height:1.25}
.hint{color:#6b6f85}
.opts{display:grid;grid-template-columns:1fr 1fr;gap:6px 12px;margin:6px 0 12px}
.opts.one{grid-template-columns:1fr}
.opt{background:#fff;border:1px solid #dfe3ee;border-radius:8px;padding:3px 10px}
.on{display:inline-block;width:24px;height:24px;border-radius:12px;background:SOFT;
color:ACCENT;font-weight:bold;text-align:center;line-height:24px;margin-right:8px;font-size:15px}
.passage{background:#fff;border:1px solid #e3e6ef;border-radius:10px;padding:8px 14px;
margin:0 0 12px;line-height:2}
.words{background:#fff;border:2px dashed #c8cede;border-radius:10px;padding:4px 8px;
margin:0 0 12px;text-align:center}
.w{display:inline-block;white-space:nowrap;margin:2px 5px;padding:0 8px;border-radius:8px;background:SOFT;font-weight:bold}
.fig{text-align:center;margin:4px 0 12px}
.fig img{max-width:100%;height:auto}
u{text-decoration-color:ACCENT;text-decoration-thickness:2px;text-decoration-skip-ink:none}
"""

SOFT = {"English": "#e6edfb", "Mathematics": "#e0f3ec", "Science": "#fbeadb"}


def esc(text):
    """Text for the page, with typographic apostrophes (keys keep plain ones)."""
    return _html.escape(text, quote=False).replace("'", "\u2019")


def label(index):
    """The part label of part `index` (0-based) as on the answer sheet: "(a)"."""
    return "(%s)" % LABELS[index]


def instruction(text):
    return '<p class="ins">%s</p>' % text


def para(text):
    return "<p>%s</p>" % text


def blank(index=None):
    """A gap in the text; labelled when the question has several parts."""
    if index is None:
        return '<span class="blank">&nbsp;</span>'
    return '<span class="blank">%s</span>' % label(index)


def hint(word):
    return '<span class="hint">(%s)</span>' % esc(word)


def part(index, content):
    return '<div class="part"><span class="lbl">%s</span> %s</div>' % (label(index), content)


def options(choices):
    """Numbered choices 1..4, two to a row when they are short."""
    wide = any(len(c) > 20 for c in choices)
    cells = "".join(
        '<div class="opt"><span class="on">%d</span>%s</div>' % (i + 1, esc(c))
        for i, c in enumerate(choices)
    )
    return '<div class="opts%s">%s</div>' % (" one" if wide else "", cells)


def passage(content):
    return '<div class="passage">%s</div>' % content


def word_box(words):
    """A box of words to choose from; each entry (even of several words) is one chip."""
    return '<div class="words">%s</div>' % " ".join('<span class="w">%s</span>' % esc(w) for w in words)


def figure(index):
    return '<div class="fig">%s</div>' % picture_marker(index)


def marks_text(marks):
    return "%d mark%s" % (marks, "" if marks == 1 else "s")


def picture_name(index):
    return "image%03d.svg" % (index + 1)


def render(question, subject):
    """The page as Windows-1252 bytes with LF line ends."""
    accent, soft = ACCENTS[subject], SOFT[subject]
    body = question.body
    for i, picture in enumerate(question.pictures):
        tag = '<img src="%s" width="%d" height="%d" alt="%s">' % (
            picture_name(i),
            picture.width,
            picture.height,
            _html.escape(picture.alt),
        )
        body = body.replace(picture_marker(i), tag)
    title = "Question %d" % question.position
    lines = [
        "<!DOCTYPE html>",
        "<html>",
        "<head>",
        '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">',
        '<meta name="Generator" content="Orvanta Course Writer">',
        "<title>%s</title>" % title,
        "<style>%s</style>" % STYLE.replace("ACCENT", accent).replace("SOFT", soft),
        "</head>",
        "<body>",
        '<div class="top"><span class="badge">%s</span><span class="marks">%s</span></div>'
        % (title, marks_text(question.marks)),
        body,
        "</body>",
        "</html>",
        "",
    ]
    text = "\n".join(lines)
    # Block-level tags start new source lines, so the quoted-printable text
    # stays readable and soft breaks stay rare.
    for tag in ("<p", "<div", "<table", "<tr"):
        text = text.replace(tag, "\n" + tag)
    text = "\n".join(line for line in text.split("\n") if line.strip())
    return text.encode("cp1252")


FRACTION_STYLE = """
.fr{display:inline-block;vertical-align:middle;text-align:center;margin:0 3px;font-size:16px;line-height:1.15}
.fr>span{display:block;padding:0 3px}
.fr>span+span{border-top:2px solid currentColor}
.ans{margin:6px 0 12px;color:#4b4f66}
.crow{margin:0 0 6px;display:flex;flex-wrap:wrap;align-items:center;gap:4px 14px}
.copt{white-space:nowrap}
.ans .blank{min-width:90px}
.form{font-size:15px;color:#6b6f85}
"""
STYLE += FRACTION_STYLE


def fraction(numerator, denominator):
    """A fraction drawn with its bar, for reading (answers are typed as 3/8)."""
    return '<span class="fr"><span>%d</span><span>%d</span></span>' % (numerator, denominator)


def answer_line(index, unit="", form=""):
    """The answer prompt under a question: what is already printed (the unit)
    tells the pupil to type the number alone; `form` shows how to write it."""
    indent = ' style="margin-left:34px"' if index is not None else ""
    text = '<p class="ans"%s>Answer: <span class="blank">&nbsp;</span>' % indent
    if unit:
        text += " %s" % unit
    if form:
        text += ' <span class="form">%s</span>' % form
    return text + "</p>"
