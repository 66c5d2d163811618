"""SVG drawing: a small canvas and the mathematics pictures built on it.

Pictures are SVG documents (image/svg+xml parts of the page archive); the
browser draws them smoothly at any zoom and prints them sharply. All text in a
picture is plain ASCII with character references, so the bytes do not depend on
an encoding."""

import math

from .model import Picture

INK = "#33364a"
FONT = "Arial, Liberation Sans, Helvetica, sans-serif"
BLUE = "#5b8def"
BLUE_SOFT = "#cfe0fb"
GREEN = "#3aa57f"
GREEN_SOFT = "#cdeee0"
ORANGE = "#f29b4b"
ORANGE_SOFT = "#fde2c8"
YELLOW = "#f5cf4b"
RED = "#e0604f"
GREY = "#9aa0b4"
PAPER = "#ffffff"


def fmt(value):
    text = "%.1f" % value
    if text.endswith(".0"):
        text = text[:-2]
    return "0" if text == "-0" else text


def _text_escape(text):
    out = []
    for ch in text:
        if ch == "&":
            out.append("&amp;")
        elif ch == "<":
            out.append("&lt;")
        elif ch == ">":
            out.append("&gt;")
        elif ord(ch) > 126:
            out.append("&#%d;" % ord(ch))
        else:
            out.append(ch)
    return "".join(out)


class Canvas:
    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        self.items = []
        if background:
            self.rect(0, 0, width, height, fill=background, stroke="none", rx=12)

    def _attrs(self, fill="none", stroke=INK, width=2, extra=""):
        attrs = 'fill="%s" stroke="%s"' % (fill, stroke)
        if stroke != "none":
            attrs += ' stroke-width="%s"' % fmt(width)
        return attrs + extra

    def rect(self, x, y, w, h, fill="none", stroke=INK, width=2, rx=0):
        corner = ' rx="%s"' % fmt(rx) if rx else ""
        self.items.append(
            '<rect x="%s" y="%s" width="%s" height="%s"%s %s/>'
            % (fmt(x), fmt(y), fmt(w), fmt(h), corner, self._attrs(fill, stroke, width))
        )

    def line(self, x1, y1, x2, y2, stroke=INK, width=2, dash=None):
        extra = ' stroke-linecap="round"'
        if dash:
            extra += ' stroke-dasharray="%s"' % dash
        self.items.append(
            '<line x1="%s" y1="%s" x2="%s" y2="%s" %s/>'
            % (fmt(x1), fmt(y1), fmt(x2), fmt(y2), self._attrs("none", stroke, width, extra))
        )

    def circle(self, cx, cy, r, fill="none", stroke=INK, width=2):
        self.items.append(
            '<circle cx="%s" cy="%s" r="%s" %s/>'
            % (fmt(cx), fmt(cy), fmt(r), self._attrs(fill, stroke, width))
        )

    def ellipse(self, cx, cy, rx, ry, fill="none", stroke=INK, width=2, rotate=0):
        turn = ' transform="rotate(%s %s %s)"' % (fmt(rotate), fmt(cx), fmt(cy)) if rotate else ""
        self.items.append(
            '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"%s %s/>'
            % (fmt(cx), fmt(cy), fmt(rx), fmt(ry), turn, self._attrs(fill, stroke, width))
        )

    def polygon(self, points, fill="none", stroke=INK, width=2):
        pts = " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in points)
        self.items.append(
            '<polygon points="%s" %s/>'
            % (pts, self._attrs(fill, stroke, width, ' stroke-linejoin="round"'))
        )

    def polyline(self, points, stroke=INK, width=2, fill="none"):
        pts = " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in points)
        self.items.append(
            '<polyline points="%s" %s/>'
            % (pts, self._attrs(fill, stroke, width, ' stroke-linejoin="round" stroke-linecap="round"'))
        )

    def path(self, d, fill="none", stroke=INK, width=2):
        self.items.append(
            '<path d="%s" %s/>'
            % (d, self._attrs(fill, stroke, width, ' stroke-linejoin="round" stroke-linecap="round"'))
        )

    def text(self, x, y, text, size=16, anchor="middle", weight="normal", fill=INK, italic=False):
        style = ' font-style="italic"' if italic else ""
        if weight != "normal":
            style += ' font-weight="%s"' % weight
        self.items.append(
            '<text x="%s" y="%s" font-size="%s" text-anchor="%s" fill="%s"%s>%s</text>'
            % (fmt(x), fmt(y), fmt(size), anchor, fill, style, _text_escape(text))
        )

    def arrow(self, x1, y1, x2, y2, stroke=INK, width=2, head=9):
        """A line from (x1, y1) with an arrow head at (x2, y2)."""
        angle = math.atan2(y2 - y1, x2 - x1)
        bx, by = x2 - head * math.cos(angle), y2 - head * math.sin(angle)
        self.line(x1, y1, bx, by, stroke, width)
        left = (x2 - head * math.cos(angle - 0.45), y2 - head * math.sin(angle - 0.45))
        right = (x2 - head * math.cos(angle + 0.45), y2 - head * math.sin(angle + 0.45))
        self.polygon([(x2, y2), left, right], fill=stroke, stroke=stroke, width=1)

    def svg(self):
        return (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" '
            'font-family="%s">\n%s\n</svg>\n'
            % (self.width, self.height, self.width, self.height, FONT, "\n".join(self.items))
        )

    def picture(self, alt):
        return Picture(self.svg(), alt, self.width, self.height)


def polar(cx, cy, r, degrees):
    """Point at `degrees` clockwise from twelve o'clock."""
    a = math.radians(degrees)
    return cx + r * math.sin(a), cy - r * math.cos(a)


def arc_path(cx, cy, r, start, end):
    """SVG path of a circular arc, angles in degrees clockwise from twelve."""
    x1, y1 = polar(cx, cy, r, start)
    x2, y2 = polar(cx, cy, r, end)
    large = 1 if (end - start) % 360 > 180 else 0
    return "M %s %s A %s %s 0 %d 1 %s %s" % (fmt(x1), fmt(y1), fmt(r), fmt(r), large, fmt(x2), fmt(y2))


# Mathematics pictures ----------------------------------------------------


def clock(hour, minute):
    c = Canvas(230, 230)
    cx = cy = 115
    c.circle(cx, cy, 104, fill="#eef4ff", stroke=BLUE, width=6)
    c.circle(cx, cy, 96, fill=PAPER, stroke="none")
    for m in range(60):
        outer = polar(cx, cy, 92, m * 6)
        inner = polar(cx, cy, 84 if m % 5 == 0 else 88, m * 6)
        c.line(inner[0], inner[1], outer[0], outer[1], width=3 if m % 5 == 0 else 1.2)
    for h in range(1, 13):
        x, y = polar(cx, cy, 70, h * 30)
        c.text(x, y + 7, str(h), size=20, weight="bold")
    hx, hy = polar(cx, cy, 48, (hour % 12 + minute / 60) * 30)
    mx, my = polar(cx, cy, 76, minute * 6)
    c.line(cx, cy, hx, hy, stroke=INK, width=7)
    c.line(cx, cy, mx, my, stroke=RED, width=4)
    c.circle(cx, cy, 6, fill=INK, stroke="none")
    return c.picture("A clock face")


def fraction_bar(parts, shaded, width=400):
    c = Canvas(width + 20, 80)
    step = width / parts
    for i in range(parts):
        c.rect(10 + i * step, 12, step, 56, fill=BLUE_SOFT if i < shaded else PAPER, stroke=INK, width=2)
    c.rect(10, 12, width, 56, stroke=INK, width=3)
    return c.picture("A bar cut into %d equal parts with %d parts shaded" % (parts, shaded))


def fraction_circle(parts, shaded):
    c = Canvas(220, 220)
    cx = cy = 110
    r = 96
    for i in range(parts):
        a0, a1 = 360 * i / parts, 360 * (i + 1) / parts
        x1, y1 = polar(cx, cy, r, a0)
        x2, y2 = polar(cx, cy, r, a1)
        large = 1 if a1 - a0 > 180 else 0
        d = "M %s %s L %s %s A %s %s 0 %d 1 %s %s Z" % (
            fmt(cx), fmt(cy), fmt(x1), fmt(y1), fmt(r), fmt(r), large, fmt(x2), fmt(y2))
        c.path(d, fill=ORANGE_SOFT if i < shaded else PAPER, stroke=INK, width=2)
    c.circle(cx, cy, r, stroke=INK, width=3)
    return c.picture("A circle cut into %d equal parts with %d parts shaded" % (parts, shaded))


def shaded_grid(rows, cols, shaded, cell=22):
    c = Canvas(cols * cell + 20, rows * cell + 20)
    for i in range(rows * cols):
        r, col = divmod(i, cols)
        c.rect(10 + col * cell, 10 + r * cell, cell, cell,
               fill=GREEN_SOFT if i < shaded else PAPER, stroke=GREY, width=1)
    c.rect(10, 10, cols * cell, rows * cell, stroke=INK, width=2.5)
    return c.picture("A grid of %d squares with %d squares shaded" % (rows * cols, shaded))


def number_line(start, end, intervals, labels, marker, marker_text="?"):
    """labels: {tick index: text}; marker: tick index (may be fractional) of the arrow."""
    width = 480
    c = Canvas(width, 110)
    left, right = 30, width - 30
    y = 62
    c.line(left - 14, y, right + 14, y, width=2.5)
    c.polygon([(right + 20, y), (right + 10, y - 6), (right + 10, y + 6)], fill=INK, stroke=INK, width=1)
    c.polygon([(left - 20, y), (left - 10, y - 6), (left - 10, y + 6)], fill=INK, stroke=INK, width=1)
    step = (right - left) / intervals
    for i in range(intervals + 1):
        x = left + i * step
        big = i in labels
        c.line(x, y - (11 if big else 7), x, y + (11 if big else 7), width=2.5 if big else 1.5)
        if big:
            c.text(x, y + 32, labels[i], size=17)
    mx = left + marker * step
    c.arrow(mx, 8, mx, y - 10, stroke=RED, width=3)
    c.text(mx + 16, 22, marker_text, size=18, weight="bold", fill=RED, anchor="start")
    return c.picture("A number line from %s to %s with an arrow" % (start, end))


def bar_chart(title, categories, values, step, top, axis_label):
    width, height = 500, 300
    c = Canvas(width, height)
    left, bottom, top_y = 62, height - 46, 44
    right = width - 20
    c.text(width / 2, 24, title, size=17, weight="bold")
    span = bottom - top_y
    for v in range(0, top + 1, step):
        y = bottom - span * v / top
        c.line(left, y, right, y, stroke="#dde1ec", width=1)
        c.text(left - 8, y + 5, str(v), size=14, anchor="end")
    c.line(left, top_y - 6, left, bottom, width=2)
    c.line(left, bottom, right, bottom, width=2)
    slot = (right - left) / len(categories)
    bar = min(54, slot * 0.6)
    colours = [BLUE, ORANGE, GREEN, "#b084e0", RED, YELLOW]
    for i, (name, value) in enumerate(zip(categories, values)):
        x = left + slot * i + (slot - bar) / 2
        h = span * value / top
        c.rect(x, bottom - h, bar, h, fill=colours[i % len(colours)], stroke=INK, width=1.5)
        c.text(left + slot * i + slot / 2, bottom + 22, name, size=15)
    c.text(18, (top_y + bottom) / 2, axis_label, size=14, anchor="middle")
    c.items[-1] = c.items[-1].replace(
        "<text ", '<text transform="rotate(-90 18 %s)" ' % fmt((top_y + bottom) / 2), 1)
    return c.picture("A bar graph: " + title)


def _dimension(c, x1, y1, x2, y2, text, offset=18, outside=1):
    """A length label beside the side from (x1, y1) to (x2, y2)."""
    mx, my = (x1 + x2) / 2, (y1 + y2) / 2
    dx, dy = x2 - x1, y2 - y1
    length = math.hypot(dx, dy) or 1
    nx, ny = dy / length * outside, -dx / length * outside
    c.text(mx + nx * offset, my + ny * offset + 6, text, size=16, weight="bold", fill=INK)


def rectangle(w_text, h_text, w, h, fill=BLUE_SOFT):
    scale = min(300 / w, 170 / h)
    pw, ph = w * scale, h * scale
    c = Canvas(int(pw + 150), int(ph + 70))
    x0, y0 = 75, 25
    c.rect(x0, y0, pw, ph, fill=fill, stroke=INK, width=2.5)
    _dimension(c, x0 + pw, y0 + ph, x0, y0 + ph, w_text, offset=20)
    _dimension(c, x0, y0 + ph, x0, y0, h_text, offset=40)
    return c.picture("A rectangle, %s long and %s wide" % (w_text, h_text))


def l_shape(w, h, top, right, unit="cm"):
    """A rectangle w x h with its top-right corner cut away; `top` is the length of
    the top side and `right` the length of the right side."""
    scale = min(300 / w, 200 / h)
    c = Canvas(int(w * scale + 150), int(h * scale + 70))
    x0, y0 = 75, 25
    X = lambda v: x0 + v * scale
    Y = lambda v: y0 + v * scale
    pts = [(X(0), Y(0)), (X(top), Y(0)), (X(top), Y(h - right)), (X(w), Y(h - right)), (X(w), Y(h)), (X(0), Y(h))]
    c.polygon(pts, fill=GREEN_SOFT, stroke=INK, width=2.5)
    _dimension(c, X(w), Y(h), X(0), Y(h), "%d %s" % (w, unit), offset=20)
    _dimension(c, X(0), Y(h), X(0), Y(0), "%d %s" % (h, unit), offset=40)
    _dimension(c, X(0), Y(0), X(top), Y(0), "%d %s" % (top, unit), offset=14)
    _dimension(c, X(w), Y(h - right), X(w), Y(h), "%d %s" % (right, unit), offset=38)
    return c.picture("A shape made from rectangles")


def triangle_area(base, height, apex_at, unit="cm"):
    """A triangle with its base along the bottom and its height dashed."""
    scale = min(300 / base, 170 / height)
    c = Canvas(int(base * scale + 140), int(height * scale + 70))
    x0, y0 = 60, 25 + height * scale
    ax = x0 + apex_at * scale
    pts = [(x0, y0), (x0 + base * scale, y0), (ax, y0 - height * scale)]
    c.polygon(pts, fill=ORANGE_SOFT, stroke=INK, width=2.5)
    c.line(ax, y0 - height * scale, ax, y0, stroke=RED, width=2, dash="6 5")
    c.polyline([(ax, y0 - 12), (ax + 12, y0 - 12), (ax + 12, y0)], stroke=RED, width=1.5)
    _dimension(c, x0 + base * scale, y0, x0, y0, "%d %s" % (base, unit), offset=20)
    # The height's label goes on the roomier side of the dashed line.
    roomy_left = apex_at > base / 2
    c.text(ax - 8 if roomy_left else ax + 8, y0 - height * scale / 2, "%d %s" % (height, unit), size=16, weight="bold",
           anchor="end" if roomy_left else "start")
    return c.picture("A triangle with its base and height marked")


def straight_line_angle(known, label="x"):
    """A straight line with one ray; the angle on the left is `known` degrees."""
    c = Canvas(380, 190)
    ox, oy = 190, 150
    c.line(20, oy, 360, oy, width=3)
    a = math.radians(known)
    rx, ry = ox - 150 * math.cos(a), oy - 150 * math.sin(a)
    c.line(ox, oy, rx, ry, width=3)
    c.path(_angle_arc(ox, oy, 34, 180, 180 - known), stroke=BLUE, width=2)
    c.path(_angle_arc(ox, oy, 26, 180 - known, 0), stroke=RED, width=2)
    mid_left = math.radians(180 - known / 2)
    c.text(ox + 58 * math.cos(mid_left), oy - 58 * math.sin(mid_left) + 6, "%d\u00b0" % known, size=16, weight="bold", fill=BLUE)
    mid_right = math.radians((180 - known) / 2)
    c.text(ox + 50 * math.cos(mid_right), oy - 50 * math.sin(mid_right) + 6, label, size=18, weight="bold", fill=RED, italic=True)
    c.circle(ox, oy, 3.5, fill=INK, stroke="none")
    return c.picture("Two angles on a straight line")


def _angle_arc(cx, cy, r, a_from, a_to):
    """Arc between two directions given in ordinary maths degrees (anticlockwise from east)."""
    x1, y1 = cx + r * math.cos(math.radians(a_from)), cy - r * math.sin(math.radians(a_from))
    x2, y2 = cx + r * math.cos(math.radians(a_to)), cy - r * math.sin(math.radians(a_to))
    sweep = 1 if a_from > a_to else 0
    large = 1 if abs(a_from - a_to) > 180 else 0
    return "M %s %s A %s %s 0 %d %d %s %s" % (fmt(x1), fmt(y1), fmt(r), fmt(r), large, sweep, fmt(x2), fmt(y2))


def triangle_angles(a, b, labels):
    """Triangle with angle a at the bottom left and b at the bottom right."""
    c = Canvas(400, 240)
    base = 300
    x0, y0 = 50, 205
    ta, tb = math.tan(math.radians(a)), math.tan(math.radians(b))
    px = base * tb / (ta + tb)
    py = px * ta
    scale = min(1.0, 170 / py)
    px, py, bw = px * scale, py * scale, base * scale
    x0 = (400 - bw) / 2
    A, B, C = (x0, y0), (x0 + bw, y0), (x0 + px, y0 - py)
    c.polygon([A, B, C], fill=BLUE_SOFT, stroke=INK, width=2.5)
    def put(corner, direction, angle, text, colour):
        # Far enough along the bisector that the label clears both sides.
        distance = max(34, 20 / math.tan(math.radians(angle / 2)))
        c.text(corner[0] + distance * math.cos(direction), corner[1] - distance * math.sin(direction) + 6, text,
               size=16, weight="bold", fill=colour, italic=text == "x")
    put(A, math.radians(a / 2), a, labels[0], RED if labels[0] == "x" else INK)
    put(B, math.radians(180 - b / 2), b, labels[1], RED if labels[1] == "x" else INK)
    top_dir = math.radians(270 - (a - b) / 2)
    put(C, top_dir, 180 - a - b, labels[2], RED if labels[2] == "x" else INK)
    return c.picture("A triangle with its angles marked")


def cuboid(length, breadth, height, unit="cm"):
    c = Canvas(380, 250)
    s = min(200 / length, 120 / height, 300 / (length + breadth))
    L, H = length * s, height * s
    D = breadth * s * 0.5
    x0, y0 = 60, 220
    front = [(x0, y0), (x0 + L, y0), (x0 + L, y0 - H), (x0, y0 - H)]
    top = [(x0, y0 - H), (x0 + L, y0 - H), (x0 + L + D, y0 - H - D), (x0 + D, y0 - H - D)]
    side = [(x0 + L, y0), (x0 + L + D, y0 - D), (x0 + L + D, y0 - H - D), (x0 + L, y0 - H)]
    c.polygon(front, fill=BLUE_SOFT, stroke=INK, width=2)
    c.polygon(top, fill="#e4eeff", stroke=INK, width=2)
    c.polygon(side, fill="#b6cdf5", stroke=INK, width=2)
    c.text(x0 + L / 2, y0 + 22, "%d %s" % (length, unit), size=16, weight="bold")
    c.text(x0 + L + D / 2 + 14, y0 - D / 2 + 14, "%d %s" % (breadth, unit), size=16, weight="bold", anchor="start")
    c.text(x0 - 10, y0 - H / 2 + 6, "%d %s" % (height, unit), size=16, weight="bold", anchor="end")
    return c.picture("A cuboid with its length, breadth and height marked")


def regular_polygon(sides):
    c = Canvas(220, 220)
    pts = [polar(110, 116, 92, 360 * i / sides + (180 / sides if sides % 2 == 0 else 0)) for i in range(sides)]
    c.polygon(pts, fill=YELLOW, stroke=INK, width=3)
    return c.picture("A flat shape with %d equal sides" % sides)


def ruler(length_mm, start_mm=0, thing="pencil"):
    cm_count = max(8, (start_mm + length_mm) // 10 + 2)
    unit = min(48, 480 // cm_count)
    c = Canvas(int(cm_count * unit + 40), 150)
    x0 = 20
    y0 = 74
    c.rect(x0 - 10, y0, cm_count * unit + 20, 64, fill="#fff3b0", stroke=INK, width=2, rx=4)
    for mm in range(cm_count * 10 + 1):
        x = x0 + mm * unit / 10
        h = 22 if mm % 10 == 0 else (15 if mm % 5 == 0 else 9)
        c.line(x, y0, x, y0 + h, width=1.8 if mm % 10 == 0 else 1)
        if mm % 10 == 0:
            c.text(x, y0 + 42, str(mm // 10), size=14)
    c.text(x0 + cm_count * unit - 8, y0 + 58, "cm", size=12, anchor="end")
    xs, xe = x0 + start_mm * unit / 10, x0 + (start_mm + length_mm) * unit / 10
    if thing == "pencil":
        c.rect(xs, 30, xe - xs - 26, 24, fill=ORANGE, stroke=INK, width=1.5)
        c.rect(xs, 30, 14, 24, fill="#f0a4b8", stroke=INK, width=1.5)
        c.polygon([(xe - 26, 30), (xe, 42), (xe - 26, 54)], fill="#f3d7b0", stroke=INK, width=1.5)
        c.polygon([(xe - 8, 38.3), (xe, 42), (xe - 8, 45.7)], fill=INK, stroke=INK, width=1)
    else:
        c.rect(xs, 32, xe - xs, 20, fill=GREEN, stroke=INK, width=1.5, rx=10)
    c.line(xs, 28, xs, y0, stroke=GREY, width=1, dash="3 3")
    c.line(xe, 28, xe, y0, stroke=GREY, width=1, dash="3 3")
    return c.picture("A %s lying along a ruler marked in centimetres" % thing)


def measuring_cylinder(level, top=100, major=10, minor=2, unit="ml"):
    c = Canvas(220, 300)
    x0, w = 70, 80
    y_bottom, y_top = 270, 40
    span = y_bottom - y_top
    water = y_bottom - span * level / top
    c.rect(x0, water, w, y_bottom - water, fill="#a9d4f5", stroke="none")
    c.path("M %d %d L %d %d L %d %d L %d %d" % (x0, y_top - 20, x0, y_bottom, x0 + w, y_bottom, x0 + w, y_top - 20),
           stroke=INK, width=3)
    c.rect(x0 - 25, y_bottom, w + 50, 10, fill=GREY, stroke=INK, width=1.5, rx=3)
    for v in range(0, top + 1, minor):
        y = y_bottom - span * v / top
        big = v % major == 0
        c.line(x0 + w - (22 if big else 11), y, x0 + w, y, width=1.8 if big else 1)
        if big and v:
            c.text(x0 + w + 8, y + 5, str(v), size=13, anchor="start")
    c.text(x0 + w / 2, 22, unit, size=15, weight="bold")
    return c.picture("A measuring cylinder with some water in it")


def counters(groups):
    """groups: list of (shape, colour, count) drawn in rows."""
    per_row = 10
    rows = sum((n + per_row - 1) // per_row for _, _, n in groups)
    c = Canvas(440, 20 + rows * 40)
    row = 0
    for shape, colour, count in groups:
        for i in range(count):
            r, col = divmod(i, per_row)
            x, y = 30 + col * 42, 30 + (row + r) * 40
            if shape == "circle":
                c.circle(x, y, 15, fill=colour, stroke=INK, width=1.5)
            elif shape == "triangle":
                c.polygon([(x, y - 16), (x + 16, y + 13), (x - 16, y + 13)], fill=colour, stroke=INK, width=1.5)
            elif shape == "square":
                c.rect(x - 14, y - 14, 28, 28, fill=colour, stroke=INK, width=1.5, rx=3)
            else:
                pts = []
                for k in range(10):
                    rr = 17 if k % 2 == 0 else 7
                    pts.append(polar(x, y + 1, rr, k * 36))
                c.polygon(pts, fill=colour, stroke=INK, width=1.5)
        row += (count + per_row - 1) // per_row
    return c.picture("Rows of coloured shapes")


def two_clocks(first, second, captions=("Start", "End")):
    """Two clock faces side by side; times as (hour, minute)."""
    c = Canvas(470, 260)
    for k, (hour, minute) in enumerate((first, second)):
        face = clock(hour, minute).svg
        inner = face[face.index(">", face.index("<svg")) + 1 : face.rindex("</svg>")]
        c.items.append('<g transform="translate(%d 0)">%s</g>' % (5 + 235 * k, inner))
        c.text(120 + 235 * k, 252, captions[k], size=17, weight="bold")
    return c.picture("Two clocks")


def angle(degrees):
    """An angle of `degrees` between a horizontal arm and a second arm."""
    c = Canvas(300, 200)
    ox, oy = (150, 110) if degrees > 180 else (90, 160)
    c.line(ox, oy, ox + 150 if degrees <= 180 else ox + 130, oy, width=3)
    a = math.radians(degrees)
    length = 120 if degrees <= 180 else 90
    c.line(ox, oy, ox + length * math.cos(a), oy - length * math.sin(a), width=3)
    if degrees == 90:
        c.polyline([(ox + 18, oy), (ox + 18, oy - 18), (ox, oy - 18)], stroke=RED, width=2)
    else:
        r = 30
        x1, y1 = ox + r, oy
        x2, y2 = ox + r * math.cos(a), oy - r * math.sin(a)
        large = 1 if degrees > 180 else 0
        c.path("M %s %s A %s %s 0 %d 0 %s %s" % (fmt(x1), fmt(y1), r, r, large, fmt(x2), fmt(y2)), stroke=RED, width=2.5)
    c.circle(ox, oy, 4, fill=INK, stroke="none")
    return c.picture("An angle")


def bar_model(rows, total_text=None, question_row=None):
    """Bar model: rows of (name, units, shaded units); every unit is the same
    width. total_text is written over a bracket above the first row;
    question_row gets a "?" under its bar."""
    most = max(units for _, units, _ in rows)
    unit = min(44, 330 / most)
    left = 90
    c = Canvas(int(left + most * unit + 30), 40 + 56 * len(rows) + (20 if question_row is not None else 0))
    top = 40 if total_text else 14
    if total_text:
        width = rows[0][1] * unit
        c.path("M %s %s L %s %s L %s %s L %s %s" % (fmt(left), top - 4, fmt(left), top - 14, fmt(left + width), top - 14,
                                                   fmt(left + width), top - 4), stroke=INK, width=1.5)
        c.text(left + width / 2, top - 20, total_text, size=15, weight="bold")
    for r, (name, units, filled) in enumerate(rows):
        y = top + r * 56
        c.text(left - 10, y + 24, name, size=15, anchor="end")
        for k in range(units):
            c.rect(left + k * unit, y, unit, 34, fill=GREEN_SOFT if k < filled else PAPER, stroke=INK, width=1.5)
        if question_row == r:
            c.text(left + units * unit / 2, y + 52, "?", size=17, weight="bold", fill=RED)
    return c.picture("A bar model")
