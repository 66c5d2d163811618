"""Single-file web pages (MIME multipart/related, RFC 2557) as a word processor
saves them: the HTML part in quoted-printable Windows-1252, pictures as base64
parts. Every line of the archive ends with CR LF, and every part carries an
https location under a ".invalid" host: the browser refuses archives with bare
LF line ends and sub-resources located by file: URLs."""

import base64

CRLF = "\r\n"
HOST = "https://course.orvanta.invalid"
BOUNDARY = "----=_NextPart_000_0042_01DA2C4B.5E7D3A10"
SAVED_ON = "Mon, 02 Sep 2024 08:30:00 +0100"  # fixed so that every build is identical
LINE_LIMIT = 76


# Printable ASCII stands for itself; "=", control characters and bytes above
# 126 are written "=XX".
_QP = ["=%02X" % b if b == 0x3D or b > 126 or (b < 32 and b != 0x09) else chr(b) for b in range(256)]


def _qp_line(data):
    """Encodes one line of bytes (no line end), folding with soft breaks."""
    text = "".join(map(_QP.__getitem__, data))
    if text[-1:] in (" ", "\t"):
        text = text[:-1] + "=%02X" % ord(text[-1])  # trailing white space would be lost
    lines = []
    while len(text) > LINE_LIMIT - 1:
        # A folded line ends in "=", so it holds at most LINE_LIMIT - 1 characters,
        # and it must not cut an "=XX" escape in two.
        cut = LINE_LIMIT - 1
        if text[cut - 1] == "=":
            cut -= 1
        elif text[cut - 2] == "=":
            cut -= 2
        lines.append(text[:cut] + "=")
        text = text[cut:]
    lines.append(text)
    return CRLF.join(lines)


def quoted_printable(data):
    """Quoted-printable text with CR LF line ends; `data` lines end in LF or CR LF."""
    text_lines = data.replace(b"\r\n", b"\n").split(b"\n")
    return CRLF.join(_qp_line(line) for line in text_lines)


def _base64(data):
    encoded = base64.b64encode(data).decode("ascii")
    return CRLF.join(encoded[i : i + LINE_LIMIT] for i in range(0, len(encoded), LINE_LIMIT))


def page_location(number):
    return "%s/q%d/page.htm" % (HOST, number)


def resource_location(number, name):
    """Where a picture of the page lives; the page refers to it by `name` alone."""
    return "%s/q%d/%s" % (HOST, number, name)


def archive(number, title, html, resources):
    """The bytes of one page archive.

    html: the page as Windows-1252 bytes. resources: list of (name, content
    type, bytes), referred to in the page by their bare names.
    """
    out = [
        "From: <Saved by Orvanta Course Writer>",
        "Subject: %s" % title,
        "Date: %s" % SAVED_ON,
        "MIME-Version: 1.0",
        'Content-Type: multipart/related; boundary="%s"; type="text/html"' % BOUNDARY,
        "",
        "This is a multi-part message in MIME format.",
        "",
        "--" + BOUNDARY,
        'Content-Type: text/html; charset="windows-1252"',
        "Content-Transfer-Encoding: quoted-printable",
        "Content-Location: %s" % page_location(number),
        "",
        quoted_printable(html),
        "",
    ]
    for name, content_type, data in resources:
        out += [
            "--" + BOUNDARY,
            "Content-Type: %s" % content_type,
            "Content-Transfer-Encoding: base64",
            "Content-Location: %s" % resource_location(number, name),
            "",
            _base64(data),
            "",
        ]
    out.append("--" + BOUNDARY + "--")
    out.append("")
    return CRLF.join(out).encode("ascii")
