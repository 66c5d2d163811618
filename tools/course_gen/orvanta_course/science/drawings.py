"""Simple science drawings: a plant, an insect, life cycles, the water cycle,
circuits, magnets, a thermometer, a food chain and a shadow. Labels (a), (b), ...
point at the parts the question asks about."""


from ..drawing import BLUE, BLUE_SOFT, GREY, INK, ORANGE, PAPER, RED, YELLOW, Canvas, fmt, polar

LEAF = "#5cb85c"
LEAF_DARK = "#3d8b3d"
SOIL = "#b07a4a"
BROWN = "#8b5a2b"
LABEL = "#c0392b"
GAP_OBJECT = "#d5d9e3"


def _label(c, x, y, tx, ty, text):
    """A label at (tx, ty) with a pointer line to (x, y)."""
    c.line(tx, ty, x, y, stroke=GREY, width=1.5)
    c.circle(x, y, 3, fill=GREY, stroke="none")
    c.rect(tx - 17, ty - 13, 34, 24, fill=PAPER, stroke=LABEL, width=1.5, rx=8)
    c.text(tx, ty + 5, text, size=15, weight="bold", fill=LABEL)


def plant(labels):
    """labels: {"flower"|"leaf"|"stem"|"root": "(a)"}."""
    c = Canvas(380, 330)
    c.rect(40, 210, 300, 110, fill="#f2dcc0", stroke="none")
    c.line(40, 210, 340, 210, stroke=SOIL, width=3)
    # roots
    for dx, dy in [(-40, 60), (-20, 85), (0, 95), (25, 80), (45, 55)]:
        c.path("M 190 210 Q %d %d %d %d" % (190 + dx / 2, 230 + dy / 3, 190 + dx, 210 + dy), stroke=BROWN, width=3)
    for dx, dy in [(-30, 40), (30, 40)]:
        c.path("M %d %d l %d %d" % (190 + dx / 2, 235, dx / 2, 20), stroke=BROWN, width=2)
    # stem and leaves
    c.path("M 190 210 C 186 160, 194 120, 190 80", stroke=LEAF_DARK, width=7)
    c.ellipse(150, 150, 38, 15, fill=LEAF, stroke=LEAF_DARK, width=2, rotate=-25)
    c.ellipse(232, 125, 38, 15, fill=LEAF, stroke=LEAF_DARK, width=2, rotate=25)
    c.line(190, 160, 120, 170, stroke=LEAF_DARK, width=1)
    # flower
    for k in range(8):
        x, y = polar(190, 62, 22, k * 45)
        c.ellipse(x, y, 14, 9, fill="#f7a8c4", stroke="#d0668d", width=1.5, rotate=k * 45 + 90)
    c.circle(190, 62, 11, fill=YELLOW, stroke="#d4a017", width=1.5)
    spots = {"flower": (205, 50, 320, 40), "leaf": (140, 152, 60, 120), "stem": (191, 185, 300, 180),
             "root": (175, 265, 80, 285)}
    for part, text in labels.items():
        x, y, tx, ty = spots[part]
        _label(c, x, y, tx, ty, text)
    return c.picture("A flowering plant with its parts labelled")


def insect(labels):
    """labels: {"head"|"thorax"|"abdomen": "(a)"}."""
    c = Canvas(420, 230)
    cx, cy = 200, 120
    for side in (-1, 1):
        for k, dx in enumerate((-14, 0, 14)):
            x0 = cx + dx
            c.polyline([(x0, cy), (x0 + dx * 1.6 - 6, cy + side * 38), (x0 + dx * 2.6 - 16, cy + side * 62)], stroke=INK, width=2.5)
    c.ellipse(cx + 78, cy, 58, 30, fill="#e8a33d", stroke=INK, width=2)
    for k in range(4):
        c.line(cx + 50 + k * 18, cy - 27, cx + 50 + k * 18, cy + 27, stroke="#b5762a", width=2)
    c.ellipse(cx, cy, 28, 22, fill="#d98b2b", stroke=INK, width=2)
    c.circle(cx - 52, cy, 20, fill="#c7751f", stroke=INK, width=2)
    c.circle(cx - 60, cy - 7, 4, fill=INK, stroke="none")
    c.path("M %d %d q -25 -40 -45 -45" % (cx - 60, cy - 16), stroke=INK, width=2)
    c.path("M %d %d q -15 -45 -30 -55" % (cx - 50, cy - 18), stroke=INK, width=2)
    spots = {"head": (cx - 52, cy + 8, cx - 120, cy + 80), "thorax": (cx, cy + 8, cx + 10, cy + 100),
             "abdomen": (cx + 90, cy - 5, cx + 170, cy - 80)}
    for part, text in labels.items():
        x, y, tx, ty = spots[part]
        _label(c, x, y, tx, ty, text)
    return c.picture("An insect with its body parts labelled")


# Life-cycle stages, each drawn around (x, y) in a box about 70 wide.
def _egg_cluster(c, x, y, colour="#fff5c2"):
    for dx, dy in [(-10, 0), (8, -4), (0, 10), (14, 9), (-14, 12)]:
        c.ellipse(x + dx, y + dy, 6, 8, fill=colour, stroke=INK, width=1.2)


def _frogspawn(c, x, y):
    for dx, dy in [(-16, -6), (0, -10), (16, -6), (-8, 8), (8, 8), (-20, 10), (20, 10)]:
        c.circle(x + dx, y + dy, 8, fill="#e4f2fb", stroke=GREY, width=1)
        c.circle(x + dx, y + dy, 3, fill=INK, stroke="none")


def _caterpillar(c, x, y):
    for k in range(6):
        c.circle(x - 25 + k * 10, y + (3 if k % 2 else 0), 7, fill="#7bc96f", stroke=LEAF_DARK, width=1.2)
    c.circle(x + 34, y - 2, 8, fill="#5aa84d", stroke=LEAF_DARK, width=1.2)
    c.circle(x + 36, y - 4, 1.6, fill=INK, stroke="none")


def _pupa(c, x, y):
    c.line(x - 30, y - 26, x + 30, y - 26, stroke=BROWN, width=4)
    c.line(x, y - 26, x, y - 20, stroke=BROWN, width=2)
    c.path("M %d %d C %d %d, %d %d, %d %d C %d %d, %d %d, %d %d Z" % (
        x, y - 20, x + 14, y - 10, x + 10, y + 18, x, y + 26, x - 10, y + 18, x - 14, y - 10, x, y - 20),
        fill="#a8c26a", stroke="#6b7f3a", width=1.5)


def _butterfly(c, x, y):
    c.ellipse(x - 17, y - 10, 17, 13, fill=ORANGE, stroke=INK, width=1.5, rotate=-20)
    c.ellipse(x + 17, y - 10, 17, 13, fill=ORANGE, stroke=INK, width=1.5, rotate=20)
    c.ellipse(x - 13, y + 10, 12, 9, fill="#f6c26b", stroke=INK, width=1.5, rotate=20)
    c.ellipse(x + 13, y + 10, 12, 9, fill="#f6c26b", stroke=INK, width=1.5, rotate=-20)
    c.ellipse(x, y, 4, 20, fill=INK, stroke="none")
    c.path("M %d %d q -6 -12 -12 -14 M %d %d q 6 -12 12 -14" % (x - 1, y - 18, x + 1, y - 18), stroke=INK, width=1.5)


def _tadpole(c, x, y):
    c.path("M %d %d q 25 -12 40 6" % (x + 6, y), stroke=INK, width=3)
    c.ellipse(x, y, 13, 10, fill="#4a5a3a", stroke=INK, width=1.2)
    c.circle(x - 5, y - 3, 2, fill=PAPER, stroke="none")


def _frog(c, x, y, tail=False):
    if tail:
        c.path("M %d %d q 20 5 30 -5" % (x + 12, y + 8), stroke=LEAF_DARK, width=3)
    c.ellipse(x - 14, y + 12, 10, 6, fill=LEAF, stroke=LEAF_DARK, width=1.2)
    c.ellipse(x + 14, y + 12, 10, 6, fill=LEAF, stroke=LEAF_DARK, width=1.2)
    c.ellipse(x, y, 20, 14, fill=LEAF, stroke=LEAF_DARK, width=1.5)
    c.circle(x - 8, y - 12, 5, fill=PAPER, stroke=LEAF_DARK, width=1.2)
    c.circle(x + 8, y - 12, 5, fill=PAPER, stroke=LEAF_DARK, width=1.2)
    c.circle(x - 8, y - 12, 2, fill=INK, stroke="none")
    c.circle(x + 8, y - 12, 2, fill=INK, stroke="none")


def _big_egg(c, x, y):
    c.ellipse(x, y, 16, 21, fill="#fbf3e4", stroke=INK, width=1.5)


def _chick(c, x, y):
    c.circle(x, y + 6, 17, fill="#ffe066", stroke="#c9a400", width=1.5)
    c.circle(x + 12, y - 12, 10, fill="#ffe066", stroke="#c9a400", width=1.5)
    c.polygon([(x + 21, y - 13), (x + 29, y - 10), (x + 21, y - 8)], fill=ORANGE, stroke="none")
    c.circle(x + 14, y - 14, 1.8, fill=INK, stroke="none")


def _hen(c, x, y):
    c.ellipse(x - 4, y + 6, 26, 18, fill="#f3e9dc", stroke=INK, width=1.5)
    c.circle(x + 18, y - 14, 10, fill="#f3e9dc", stroke=INK, width=1.5)
    c.path("M %d %d q 4 -10 8 0 q 4 -10 8 0" % (x + 12, y - 22), fill=RED, stroke=RED, width=1)
    c.polygon([(x + 27, y - 15), (x + 35, y - 12), (x + 27, y - 9)], fill=ORANGE, stroke="none")
    c.circle(x + 21, y - 16, 1.8, fill=INK, stroke="none")
    c.line(x - 6, y + 23, x - 8, y + 34, width=2, stroke=ORANGE)
    c.line(x + 4, y + 23, x + 6, y + 34, width=2, stroke=ORANGE)


def _egg_case(c, x, y):
    c.rect(x - 18, y - 8, 36, 16, fill=BROWN, stroke=INK, width=1.2, rx=7)
    for k in range(5):
        c.line(x - 12 + k * 6, y - 8, x - 12 + k * 6, y + 8, stroke="#6b4020", width=1)


def _cockroach(c, x, y, scale=1.0, wings=True):
    s = scale
    for side in (-1, 1):
        for k in (-1, 0, 1):
            c.line(x + k * 8 * s, y, x + k * 14 * s, y + side * 18 * s, width=1.5)
    c.ellipse(x, y, 24 * s, 11 * s, fill="#9c5b2e" if wings else "#c08050", stroke=INK, width=1.2)
    if wings:
        c.line(x - 18 * s, y, x + 22 * s, y, stroke="#6b3a1a", width=1)
    c.circle(x - 24 * s, y, 6 * s, fill="#6b3a1a", stroke=INK, width=1)
    c.path("M %s %s q -15 -10 -25 -4 M %s %s q -15 10 -25 4" % (x - 28 * s, y - 2, x - 28 * s, y + 2), stroke=INK, width=1)


LIFE_CYCLES = {
    "butterfly": [_egg_cluster, _caterpillar, _pupa, _butterfly],
    "frog": [_frogspawn, _tadpole, lambda c, x, y: _frog(c, x, y, tail=True), _frog],
    "chicken": [_big_egg, _chick, _hen],
    "cockroach": [_egg_case, lambda c, x, y: _cockroach(c, x, y, 0.7, wings=False), _cockroach],
}


def life_cycle(animal, labels, start=0):
    """The stages of `animal` round a circle, clockwise from the top beginning
    with stage `start`; labels[i] is shown by the i-th stage drawn."""
    stages = LIFE_CYCLES[animal][start:] + LIFE_CYCLES[animal][:start]
    n = len(stages)
    c = Canvas(400, 330)
    cx, cy, r = 200, 165, 112
    for i, draw in enumerate(stages):
        x, y = polar(cx, cy, r, 360 * i / n)
        draw(c, x, y)
        lx, ly = polar(cx, cy, r + 2, 360 * i / n)
        tx, ty = (lx + (48 if lx >= cx - 5 else -48)), ly + (30 if ly > cy else -24)
        tx = min(max(tx, 22), 378)
        ty = min(max(ty, 16), 318)
        if labels[i]:
            c.rect(tx - 17, ty - 13, 34, 24, fill=PAPER, stroke=LABEL, width=1.5, rx=8)
            c.text(tx, ty + 5, labels[i], size=15, weight="bold", fill=LABEL)
    for i in range(n):
        a0 = 360 * i / n + 360 / n * 0.32
        a1 = 360 * (i + 1) / n - 360 / n * 0.32
        x0, y0 = polar(cx, cy, r * 0.62, a0)
        x1, y1 = polar(cx, cy, r * 0.62, a1)
        c.arrow(x0, y0, x1, y1, stroke=GREY, width=2.5)
    return c.picture("The life cycle of a %s" % animal)


def water_cycle(labels):
    """labels for "evaporation", "condensation" and "precipitation"."""
    c = Canvas(460, 300)
    c.rect(0, 0, 460, 300, fill="#eef7ff", stroke="none")
    c.circle(60, 55, 30, fill=YELLOW, stroke="#e0a800", width=2)
    for k in range(8):
        x0, y0 = polar(60, 55, 38, k * 45)
        x1, y1 = polar(60, 55, 50, k * 45)
        c.line(x0, y0, x1, y1, stroke="#e0a800", width=2.5)
    c.polygon([(250, 240), (330, 120), (410, 240)], fill="#a3a89a", stroke="#6f7468", width=2)
    c.polygon([(310, 150), (330, 120), (350, 150), (338, 144), (330, 152), (320, 144)], fill=PAPER, stroke="none")
    c.path("M 0 240 Q 40 230 80 240 T 160 240 T 240 240 L 240 300 L 0 300 Z", fill="#5fa8e8", stroke="none")
    c.rect(240, 240, 220, 60, fill="#8fcf7a", stroke="none")
    for dx, dy, r in [(300, 60, 26), (330, 48, 30), (362, 60, 26), (330, 70, 24)]:
        c.circle(dx, dy, r, fill="#d7dde8", stroke="#9aa4b5", width=1.5)
    for k in range(6):
        x = 300 + k * 12
        c.line(x, 100, x - 6, 118, stroke=BLUE, width=2.5)
    for x in (110, 150, 190):
        c.path("M %d 225 q -8 -25 0 -50 q 8 -25 0 -50" % x, stroke=BLUE, width=2, fill="none")
    c.arrow(150, 120, 150, 110, stroke=BLUE, width=2)
    c.arrow(205, 90, 262, 70, stroke=GREY, width=2.5)
    spots = {"evaporation": (190, 170, 228, 190), "condensation": (232, 78, 228, 40), "precipitation": (320, 112, 412, 112)}
    for part, text in labels.items():
        x, y, tx, ty = spots[part]
        _label(c, x, y, tx, ty, text)
    return c.picture("The water cycle")


def _bulb(c, x, y, lit):
    if lit:
        for k in range(8):
            x0, y0 = polar(x, y - 6, 20, k * 45)
            x1, y1 = polar(x, y - 6, 27, k * 45)
            c.line(x0, y0, x1, y1, stroke="#f2b600", width=2)
    c.circle(x, y - 6, 14, fill="#fff6b3" if lit else PAPER, stroke=INK, width=1.5)
    c.path("M %d %d l 4 -6 l 4 6 l 4 -6" % (x - 6, y - 4), stroke=INK, width=1)
    c.rect(x - 7, y + 7, 14, 9, fill=GREY, stroke=INK, width=1)


def circuit_panel(c, ox, oy, name, kind, gap_object=None):
    """One circuit in a 200 x 150 box. kind: "closed", "open switch", "gap", "no battery"."""
    left, right, top, bottom = ox + 30, ox + 170, oy + 40, oy + 125
    c.rect(ox + 4, oy + 4, 192, 142, fill=PAPER, stroke="#c8cede", width=1.5, rx=10)
    c.text(ox + 18, oy + 26, name, size=17, weight="bold", anchor="start")
    c.line(left, top, left, bottom, width=2)
    c.line(left, bottom, ox + 80, bottom, width=2)
    c.line(ox + 120, bottom, right, bottom, width=2)
    c.line(right, bottom, right, top, width=2)
    # top wire with the battery, or a plain wire when there is none
    if kind == "no battery":
        c.line(left, top, right, top, width=2)
    else:
        c.line(left, top, ox + 78, top, width=2)
        c.line(ox + 122, top, right, top, width=2)
        c.rect(ox + 78, top - 11, 44, 22, fill="#f0c04a", stroke=INK, width=1.5, rx=3)
        c.rect(ox + 122, top - 5, 5, 10, fill=GREY, stroke=INK, width=1)
    # bottom: switch, gap or plain wire between 80 and 120
    if kind == "open switch":
        c.circle(ox + 82, bottom, 3, fill=INK, stroke="none")
        c.circle(ox + 118, bottom, 3, fill=INK, stroke="none")
        c.line(ox + 82, bottom, ox + 114, bottom - 16, width=2.5)
    elif kind == "gap":
        name_text = gap_object[0]
        c.circle(ox + 80, bottom, 3, fill=INK, stroke="none")
        c.circle(ox + 120, bottom, 3, fill=INK, stroke="none")
        # Every object in a gap is drawn alike: only its name tells whether it conducts.
        c.rect(ox + 76, bottom - 5, 48, 10, fill=GAP_OBJECT, stroke=INK, width=1, rx=3)
        c.text(ox + 100, bottom + 20, name_text, size=12)
    else:
        c.circle(ox + 82, bottom, 3, fill=INK, stroke="none")
        c.circle(ox + 118, bottom, 3, fill=INK, stroke="none")
        c.line(ox + 82, bottom, ox + 118, bottom, width=2.5)
    _bulb(c, right, oy + 86, False)  # whether it lights is the question
    c.rect(right - 6, oy + 86 + 16, 12, 4, fill=PAPER, stroke="none")


def circuits_picture(panels):
    """panels: two to four (name, kind, gap object), drawn two by two. Name the
    circuits with letters that are no answer box's letter (P, Q, R, S)."""
    rows = (len(panels) + 1) // 2
    c = Canvas(420, 8 + 156 * rows)
    for i, (name, kind, obj) in enumerate(panels):
        circuit_panel(c, 8 + (i % 2) * 206, 8 + (i // 2) * 156, name, kind, obj)
    return c.picture("Circuits " + ", ".join(p[0] for p in panels))


def magnet(c, x, y, left_pole, width=120):
    right_pole = "S" if left_pole == "N" else "N"
    colours = {"N": "#e25b4b", "S": "#4d7fd6"}
    c.rect(x, y, width / 2, 34, fill=colours[left_pole], stroke=INK, width=1.5)
    c.rect(x + width / 2, y, width / 2, 34, fill=colours[right_pole], stroke=INK, width=1.5)
    c.text(x + 16, y + 24, left_pole, size=18, weight="bold", fill=PAPER)
    c.text(x + width - 16, y + 24, right_pole, size=18, weight="bold", fill=PAPER)


def magnet_pairs(pairs, labels=None):
    """pairs: list of (left magnet's left pole, right magnet's left pole), one
    row each; labels: the answer letters of the rows ("(a)", ...) when the
    question asks about each row, else None."""
    c = Canvas(420, 70 * len(pairs) + 10)
    for i, (a, b) in enumerate(pairs):
        y = 18 + i * 70
        c.rect(6, y - 12, 408, 58, fill="#f6f7fb", stroke="#d9dce6", width=1, rx=10)
        if labels:
            c.text(28, y + 24, labels[i], size=16, weight="bold", fill=LABEL)
        magnet(c, 60, y, a)
        magnet(c, 260, y, b)
    return c.picture("Pairs of bar magnets" if len(pairs) > 1 else "Two bar magnets end to end")


def thermometer(value, low=-10, high=50, step=10):
    c = Canvas(170, 340)
    x = 70
    top, bottom = 30, 280
    span = bottom - top
    c.rect(x - 14, top - 12, 28, span + 24, fill=PAPER, stroke=INK, width=2, rx=14)
    c.circle(x, bottom + 22, 20, fill=RED, stroke=INK, width=2)
    level = bottom - span * (value - low) / (high - low)
    c.rect(x - 6, level, 12, bottom - level + 10, fill=RED, stroke="none")
    for v in range(low, high + 1):
        y = bottom - span * (v - low) / (high - low)
        if v % step == 0:
            c.line(x + 14, y, x + 32, y, width=1.8)
            c.text(x + 38, y + 5, str(v), size=14, anchor="start")
        elif v % 2 == 0:
            c.line(x + 14, y, x + 24, y, width=1)
    c.text(x + 38, top - 14, "\u00b0C", size=14, anchor="start", weight="bold")
    return c.picture("A thermometer")


def food_chain(names):
    width = 150 * len(names) - 20
    c = Canvas(width + 20, 110)
    for i, name in enumerate(names):
        x = 10 + i * 150
        c.rect(x, 30, 110, 50, fill="#fdf0e0", stroke=INK, width=1.5, rx=12)
        c.text(x + 55, 61, name, size=16, weight="bold")
        if i < len(names) - 1:
            c.arrow(x + 114, 55, x + 146, 55, stroke=INK, width=2.5)
    c.text(10, 20, "The arrow means \u201cis eaten by\u201d.", size=13, anchor="start", fill=GREY)
    return c.picture("A food chain: " + ", ".join(names))


def shadow():
    c = Canvas(460, 220)
    c.rect(20, 95, 60, 30, fill=GREY, stroke=INK, width=1.5, rx=4)
    c.polygon([(80, 92), (100, 80), (100, 140), (80, 128)], fill="#c9ced9", stroke=INK, width=1.5)
    c.polygon([(100, 80), (380, 20), (380, 200), (100, 140)], fill="#fff6c9", stroke="none")
    c.line(100, 80, 380, 20, stroke="#e6c200", width=1.5, dash="6 5")
    c.line(100, 140, 380, 200, stroke="#e6c200", width=1.5, dash="6 5")
    c.circle(220, 110, 24, fill="#e07b5b", stroke=INK, width=1.5)
    c.rect(380, 10, 18, 200, fill="#eef0f5", stroke=INK, width=1.5)
    c.rect(380, 75, 18, 70, fill="#4a4e5e", stroke="none")
    c.text(50, 160, "torch", size=14)
    c.text(220, 160, "ball", size=14)
    c.text(389, 228 - 10, "screen", size=14)
    c.text(425, 114, "X", size=18, weight="bold", fill=LABEL)
    c.arrow(418, 110, 402, 110, stroke=LABEL, width=2)
    return c.picture("A torch shining on a ball in front of a screen")


def particle_boxes(states, names="PQR"):
    """Three boxes showing the particles of the given states, named by `names`."""
    c = Canvas(480, 190)
    for k, state in enumerate(states):
        box = particles(state)
        inner = box.svg[box.svg.index(">", box.svg.index("<svg")) + 1 : box.svg.rindex("</svg>")]
        c.items.append('<g transform="translate(%d 0)">%s</g>' % (10 + 160 * k, inner))
        c.text(85 + 160 * k, 178, "Box " + names[k], size=17, weight="bold")
    return c.picture("Three boxes of particles")


def particles(state):
    c = Canvas(150, 150)
    c.rect(10, 10, 130, 130, fill=PAPER, stroke=INK, width=2, rx=6)
    if state == "solid":
        spots = [(32 + 22 * i, 40 + 22 * j) for j in range(4) for i in range(5)]
    elif state == "liquid":
        spots = [(30, 126), (52, 122), (74, 126), (96, 120), (118, 126), (40, 104), (64, 100), (88, 104), (112, 100),
                 (28, 84), (52, 80), (78, 84), (104, 80), (124, 88)]
    else:
        spots = [(34, 36), (100, 30), (70, 70), (120, 95), (40, 110), (90, 120)]
    for x, y in spots:
        c.circle(x, y, 9, fill=BLUE_SOFT, stroke=BLUE, width=1.5)
    return c.picture("Particles in a box")


# Results of investigations: tables and graphs ----------------------------------

TABLE_HEAD = "#fbeadb"
TABLE_RULE = "#c9ccd8"
BAR = "#8fb3ea"
BAR_EDGE = "#4f74b8"
POINT = "#c0392b"


def _text_width(text, size):
    """A generous estimate of the width of `text` in the pictures' font."""
    return sum(0.62 if ch.isupper() or ch in "mw" else 0.52 for ch in text) * size


def _lines(c, x, y, text, size, weight="normal", anchor="middle", step=None):
    """Writes text that may hold "\\n" as lines starting at baseline y."""
    step = step or size + 3
    for k, line in enumerate(text.split("\n")):
        c.text(x, y + k * step, line, size=size, weight=weight, anchor=anchor)


def data_table(headers, rows, title=None):
    """A results table: a shaded heading row and one row per result. A heading
    may hold "\\n" to break it over two lines. Cells are text."""
    size = 15
    widths = []
    for k, head in enumerate(headers):
        texts = head.split("\n") + [str(r[k]) for r in rows]
        widths.append(max(74, max(_text_width(t, size) for t in texts) + 26))
    total = sum(widths)
    head_lines = max(h.count("\n") + 1 for h in headers)
    head_h = 14 + 18 * head_lines
    row_h = 30
    top = 34 if title else 6
    c = Canvas(int(total + 12), int(top + head_h + row_h * len(rows) + 8))
    x0 = 6
    if title:
        c.text(c.width / 2, 22, title, size=16, weight="bold")
    c.rect(x0, top, total, head_h, fill=TABLE_HEAD, stroke="none")
    x = x0
    for k, head in enumerate(headers):
        _lines(c, x + widths[k] / 2, top + 22, head, size, weight="bold", step=18)
        x += widths[k]
    for r, row in enumerate(rows):
        y = top + head_h + r * row_h
        x = x0
        for k, cell in enumerate(row):
            c.text(x + widths[k] / 2, y + 20, str(cell), size=size)
            x += widths[k]
        c.line(x0, y, x0 + total, y, stroke=TABLE_RULE, width=1)
    x = x0
    for w in widths[:-1]:
        x += w
        c.line(x, top, x, top + head_h + row_h * len(rows), stroke=TABLE_RULE, width=1)
    c.rect(x0, top, total, head_h + row_h * len(rows), stroke=INK, width=1.5)
    return c.picture("A table of results" + (": " + title if title else ""))


def _axes(c, left, right, top, bottom, low, high, step, minor, y_label):
    """Horizontal grid lines every `minor` (labelled every `step`) and the y axis."""
    span = bottom - top
    v = low
    while v <= high + 1e-9:
        y = bottom - span * (v - low) / (high - low)
        labelled = abs((v - low) / step - round((v - low) / step)) < 1e-9
        c.line(left, y, right, y, stroke="#d3d7e3" if labelled else "#eceef4", width=1)
        if labelled:
            c.text(left - 8, y + 5, fmt(v), size=14, anchor="end")
        v += minor
    c.line(left, top - 6, left, bottom, width=2)
    c.line(left, bottom, right, bottom, width=2)
    mid = (top + bottom) / 2
    c.text(16, mid, y_label, size=14)
    c.items[-1] = c.items[-1].replace("<text ", '<text transform="rotate(-90 16 %s)" ' % fmt(mid), 1)


def bar_graph(title, labels, values, y_label, step, top, minor=None, x_label=None):
    """A bar graph with every bar alike, so that only its height tells its value.
    Labels may hold "\\n"; values should lie on the grid lines (every `minor`)."""
    minor = minor or step
    width = 500
    label_lines = max(str(l).count("\n") + 1 for l in labels)
    bottom = 250
    height = bottom + 14 + 18 * label_lines + (22 if x_label else 0)
    c = Canvas(width, height)
    left, right, top_y = 66, width - 16, 46
    c.text(width / 2, 24, title, size=16, weight="bold")
    _axes(c, left, right, top_y, bottom, 0, top, step, minor, y_label)
    slot = (right - left) / len(labels)
    bar = min(56, slot * 0.6)
    size = 14 if max(_text_width(l, 14) for line in labels for l in str(line).split("\n")) < slot - 6 else 12
    for i, (name, value) in enumerate(zip(labels, values)):
        x = left + slot * i + (slot - bar) / 2
        h = (bottom - top_y) * value / top
        c.rect(x, bottom - h, bar, h, fill=BAR, stroke=BAR_EDGE, width=1.5)
        _lines(c, left + slot * i + slot / 2, bottom + 20, str(name), size, step=17)
    if x_label:
        c.text((left + right) / 2, height - 8, x_label, size=14, weight="bold")
    return c.picture("A bar graph: " + title)


def line_graph(title, xs, ys, x_label, y_label, step, top, low=0, minor=None):
    """A line graph of measured points joined by straight lines; every x value
    is marked on the x axis."""
    minor = minor or step
    width, height = 500, 320
    c = Canvas(width, height)
    left, right, top_y, bottom = 66, width - 24, 46, 262
    c.text(width / 2, 24, title, size=16, weight="bold")
    _axes(c, left, right, top_y, bottom, low, top, step, minor, y_label)
    x_low, x_high = xs[0], xs[-1]
    X = lambda v: left + 14 + (right - left - 28) * (v - x_low) / (x_high - x_low)
    Y = lambda v: bottom - (bottom - top_y) * (v - low) / (top - low)
    for v in xs:
        c.line(X(v), bottom, X(v), bottom + 6, width=1.5)
        c.text(X(v), bottom + 22, fmt(v), size=14)
    c.text((left + right) / 2, height - 10, x_label, size=14, weight="bold")
    c.polyline([(X(a), Y(b)) for a, b in zip(xs, ys)], stroke=BAR_EDGE, width=2.5)
    for a, b in zip(xs, ys):
        c.circle(X(a), Y(b), 4.5, fill=POINT, stroke="none")
    return c.picture("A line graph: " + title)


def flower(labels):
    """The parts of a flower cut in half; labels: {"petal"|"sepal"|"stamen"|"stigma"|"ovary": "(a)"}."""
    c = Canvas(420, 320)
    cx, base = 210, 250
    c.path("M %d %d C %d %d, %d %d, %d %d" % (cx, 318, cx - 4, 300, cx + 4, 280, cx, base), stroke=LEAF_DARK, width=8)
    # sepals under the flower
    c.path("M %d %d q -40 -5 -70 -40 q 40 10 70 20 Z" % (cx, base), fill=LEAF, stroke=LEAF_DARK, width=1.5)
    c.path("M %d %d q 40 -5 70 -40 q -40 10 -70 20 Z" % (cx, base), fill=LEAF, stroke=LEAF_DARK, width=1.5)
    # petals
    c.path("M %d %d C %d %d, %d %d, %d %d C %d %d, %d %d, %d %d" % (
        cx - 18, base - 14, cx - 110, base - 40, cx - 120, base - 150, cx - 60, base - 175,
        cx - 50, base - 120, cx - 40, base - 60, cx - 18, base - 14), fill="#f7b8cf", stroke="#d0668d", width=1.5)
    c.path("M %d %d C %d %d, %d %d, %d %d C %d %d, %d %d, %d %d" % (
        cx + 18, base - 14, cx + 110, base - 40, cx + 120, base - 150, cx + 60, base - 175,
        cx + 50, base - 120, cx + 40, base - 60, cx + 18, base - 14), fill="#f7b8cf", stroke="#d0668d", width=1.5)
    # ovary, style and stigma
    c.ellipse(cx, base - 26, 20, 16, fill="#b7dd9a", stroke=LEAF_DARK, width=1.5)
    for dx in (-7, 0, 7):
        c.circle(cx + dx, base - 26, 3, fill=PAPER, stroke=LEAF_DARK, width=1)
    c.line(cx, base - 42, cx, base - 128, stroke=LEAF_DARK, width=4)
    c.ellipse(cx, base - 134, 12, 7, fill="#8bc34a", stroke=LEAF_DARK, width=1.5)
    # stamens
    for side in (-1, 1):
        c.path("M %d %d q %d -60 %d -100" % (cx + side * 10, base - 30, side * 22, side * 30), stroke="#c9a400", width=2)
        c.ellipse(cx + side * 40, base - 134, 6, 11, fill=YELLOW, stroke="#a88400", width=1.5, rotate=side * 20)
    spots = {"petal": (cx - 80, base - 110, 50, 70), "sepal": (cx + 55, base - 26, 370, 250),
             "stamen": (cx + 40, base - 140, 370, 60), "stigma": (cx, base - 136, 250, 30),
             "ovary": (cx - 12, base - 26, 60, 270)}
    for part, text in labels.items():
        x, y, tx, ty = spots[part]
        _label(c, x, y, tx, ty, text)
    return c.picture("A flower cut in half, with its parts labelled")
