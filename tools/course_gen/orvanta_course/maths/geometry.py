"""Geometry and Data: angles, 2-D and 3-D shapes, perimeter, area and volume,
and reading charts, pictograms and tables; the mean and the range."""

from fractions import Fraction

from .. import drawing
from .kit import (MC, PROBLEM, SKILL, STORY, ask, choice, esc, figure, key_number, kind, para, person, single, story)

TOPIC = 6


# Multiple choice ---------------------------------------------------------------------


@kind(TOPIC, MC)
def mc_angle_kind(ctx):
    rng = ctx.rng
    kinds = [("an acute angle", range(15, 86, 5)), ("a right angle", [90]), ("an obtuse angle", range(95, 176, 5)),
             ("a reflex angle", range(190, 351, 10))]
    name, values = rng.choice(kinds)
    angle = rng.choice(list(values))
    others = [k[0] for k in kinds if k[0] != name]
    if rng.random() < 0.5:
        stem = para("An angle measures <b>%d&deg;</b>. What kind of angle is it?" % angle)
        return choice(rng, stem, name, others, numeric=False)
    stem = para("What kind of angle is marked in the picture?") + figure(0)
    return choice(rng, stem, name, others, numeric=False, pictures=[drawing.angle(angle)])


SHAPE_FACTS = [("How many lines of symmetry does a square have?", 4, [1, 2, 8]),
               ("How many lines of symmetry does a rectangle that is not a square have?", 2, [1, 4, 0]),
               ("How many right angles does a rectangle have?", 4, [2, 1, 0]),
               ("How many faces does a cube have?", 6, [4, 8, 12]),
               ("How many edges does a cube have?", 12, [6, 8, 10]),
               ("How many vertices (corners) does a cuboid have?", 8, [6, 4, 12]),
               ("How many sides does a hexagon have?", 6, [5, 7, 8]),
               ("How many sides does an octagon have?", 8, [6, 7, 10]),
               ("How many lines of symmetry does an equilateral triangle have?", 3, [1, 2, 0]),
               ("How many faces does a triangular prism have?", 5, [3, 6, 9]),
               ("How many edges does a square-based pyramid have?", 8, [5, 6, 4]),
               ("How many degrees are there in a right angle?", 90, [45, 180, 360]),
               ("How many degrees are there in a complete turn?", 360, [90, 180, 100]),
               ("How many degrees are there on a straight line?", 180, [90, 100, 360])]


@kind(TOPIC, MC)
def mc_shape_fact(ctx):
    rng = ctx.rng
    q, correct, wrong = rng.choice(SHAPE_FACTS)
    return choice(rng, para(q), str(correct), [str(w) for w in wrong])


# (question, right name, wrong names): no wrong name also fits the description.
QUADRILATERALS = [("Which shape has exactly one pair of parallel sides?", "trapezium", ["rectangle", "rhombus", "parallelogram"]),
                  ("Which shape has four equal sides and need not have any right angles?", "rhombus", ["trapezium", "kite", "rectangle"]),
                  ("Which shape always has four right angles but need not have four equal sides?", "rectangle",
                   ["rhombus", "kite", "trapezium"]),
                  ("Which shape has two pairs of equal sides next to each other and no parallel sides?", "kite",
                   ["rectangle", "trapezium", "parallelogram"]),
                  ("Which shape has two pairs of parallel sides, no right angles and sides that are not all the same length?",
                   "parallelogram", ["trapezium", "kite", "square"])]


@kind(TOPIC, MC)
def mc_quadrilateral(ctx):
    rng = ctx.rng
    q, right, wrong = rng.choice(QUADRILATERALS)
    return choice(rng, para(q), right, wrong, numeric=False)


@kind(TOPIC, MC)
def mc_square_side(ctx):
    rng = ctx.rng
    side = rng.randint(3, 15)
    if rng.random() < 0.5:
        stem = para("A square has a perimeter of <b>%d cm</b>. How long is each side?" % (4 * side))
        wrong = [2 * side, 4 * side // 3 if (4 * side) % 3 == 0 else side + 4, side + 2]
    else:
        stem = para("A square has an area of <b>%d cm&sup2;</b>. How long is each side?" % (side * side))
        wrong = [side * side // 4 if side * side % 4 == 0 else side + 2, side * 2, side + 1]
    return choice(rng, stem, "%d cm" % side, ["%d cm" % w for w in wrong if w != side] + ["%d cm" % (side + 3)])


@kind(TOPIC, MC)
def mc_coordinates(ctx):
    rng = ctx.rng
    x, y = rng.randint(1, 6), rng.randint(1, 6)
    dx, dy = rng.randint(1, 4), rng.randint(1, 4)
    right_word = rng.choice(["right", "left"])
    if right_word == "left" and x - dx < 0:
        return None
    nx = x + dx if right_word == "right" else x - dx
    ny = y + dy
    correct = "(%d, %d)" % (nx, ny)
    wrong = ["(%d, %d)" % (ny, nx), "(%d, %d)" % (x + dy, y + dx) if right_word == "right" else "(%d, %d)" % (x + dx, ny),
             "(%d, %d)" % (nx, y - dy if y - dy >= 0 else y + dy + 1), "(%d, %d)" % (x, ny)]
    stem = para("Point P is at (%d, %d) on a grid. It moves %d square%s %s and %d square%s up. Where is it now?"
                % (x, y, dx, "" if dx == 1 else "s", right_word, dy, "" if dy == 1 else "s"))
    return choice(rng, stem, correct, [w for w in wrong if w != correct], numeric=False)


@kind(TOPIC, MC)
def mc_angle_estimate(ctx):
    rng = ctx.rng
    angle = rng.choice([30, 45, 60, 120, 135, 150])
    wrong = [a for a in (angle - 90, angle + 90, 180 - angle, angle + 180) if 0 < a < 360 and a != angle]
    stem = para("Look at the angle in the picture. Which of these is the best estimate of its size?") + figure(0)
    return choice(rng, stem, "%d\u00b0" % angle, ["%d\u00b0" % a for a in wrong], pictures=[drawing.angle(angle)])


# Skills ---------------------------------------------------------------------------------


@kind(TOPIC, SKILL)
def rectangle_area(ctx):
    rng = ctx.rng
    w, h = rng.randint(4, 20), rng.randint(2, 12)
    if w == h:
        return None
    pic = drawing.rectangle("%d cm" % w, "%d cm" % h, w, h)
    stem = para("Find the <b>area</b> of the rectangle.") + figure(0)
    return single(stem, key_number(w * h), "N", unit="cm&sup2;", pictures=[pic])


@kind(TOPIC, SKILL)
def rectangle_perimeter(ctx):
    rng = ctx.rng
    w, h = rng.randint(4, 20), rng.randint(2, 12)
    if w == h:
        return None
    pic = drawing.rectangle("%d cm" % w, "%d cm" % h, w, h)
    stem = para("What is the <b>perimeter</b> of this rectangle?") + figure(0)
    return single(stem, key_number(2 * (w + h)), "N", unit="cm", pictures=[pic])


@kind(TOPIC, SKILL)
def l_shape_measure(ctx):
    rng = ctx.rng
    w, h = rng.randint(8, 20), rng.randint(6, 16)
    top, right = rng.randint(3, w - 3), rng.randint(2, h - 3)
    pic = drawing.l_shape(w, h, top, right)
    if rng.random() < 0.6:
        stem = para("The shape is made of rectangles. Find its <b>area</b>.") + figure(0)
        return single(stem, key_number(w * h - (w - top) * (h - right)), "N", marks=3, unit="cm&sup2;", pictures=[pic])
    stem = para("The shape is made of rectangles. Find its <b>perimeter</b>.") + figure(0)
    return single(stem, key_number(2 * (w + h)), "N", marks=2, unit="cm", pictures=[pic])


@kind(TOPIC, SKILL)
def triangle_area(ctx):
    rng = ctx.rng
    base, height = rng.randint(4, 20), rng.randint(3, 14)
    if base * height % 2:
        return None
    pic = drawing.triangle_area(base, height, rng.randint(1, base - 1))
    stem = para("Work out the area of the triangle.") + figure(0)
    return single(stem, key_number(base * height // 2), "N", marks=2, unit="cm&sup2;", pictures=[pic])


@kind(TOPIC, SKILL)
def angle_on_line(ctx):
    rng = ctx.rng
    known = rng.randint(5, 30) * 5
    if known == 90:
        return None
    pic = drawing.straight_line_angle(known)
    stem = para("The two angles are on a straight line. Find the angle <i>x</i>.") + figure(0)
    return single(stem, key_number(180 - known), "N", unit="&deg;", pictures=[pic])


@kind(TOPIC, SKILL)
def angle_in_triangle(ctx):
    rng = ctx.rng
    a, b = rng.randint(30, 80), rng.randint(30, 80)
    if a + b > 150:
        return None
    missing = rng.randint(0, 2)
    values = [a, b, 180 - a - b]
    labels = ["%d\u00b0" % v for v in values]
    labels[missing] = "x"
    pic = drawing.triangle_angles(a, b, labels)
    stem = para("Find the angle <i>x</i> in the triangle.") + figure(0)
    return single(stem, key_number(values[missing]), "N", unit="&deg;", pictures=[pic])


@kind(TOPIC, SKILL)
def angles_at_point(ctx):
    rng = ctx.rng
    a, b = rng.randint(8, 20) * 5, rng.randint(8, 20) * 5
    if a + b >= 330:
        return None
    stem = para("Three angles meet at a point. Two of them are %d&deg; and %d&deg;. What is the third angle?" % (a, b))
    return single(stem, key_number(360 - a - b), "N", marks=2, unit="&deg;")


@kind(TOPIC, SKILL)
def quadrilateral_angle(ctx):
    rng = ctx.rng
    a, b, c = rng.randint(60, 120), rng.randint(60, 120), rng.randint(60, 120)
    if not 40 <= 360 - a - b - c <= 160:
        return None
    stem = para("Three angles of a quadrilateral are %d&deg;, %d&deg; and %d&deg;. What is the fourth angle?" % (a, b, c))
    return single(stem, key_number(360 - a - b - c), "N", marks=2, unit="&deg;")


@kind(TOPIC, SKILL)
def cuboid_volume(ctx):
    rng = ctx.rng
    l, b, h = rng.randint(3, 15), rng.randint(2, 10), rng.randint(2, 12)
    pic = drawing.cuboid(l, b, h)
    stem = para("Find the volume of the cuboid.") + figure(0)
    return single(stem, key_number(l * b * h), "N", unit="cm&sup3;", pictures=[pic])


@kind(TOPIC, SKILL)
def name_shape(ctx):
    rng = ctx.rng
    sides = rng.choice([5, 6, 8])
    names = {5: "pentagon", 6: "hexagon", 8: "octagon"}
    pic = drawing.regular_polygon(sides)
    stem = para("What is the name of this shape?") + figure(0)
    return single(stem, names[sides], "T", form="Write one word.", pictures=[pic])


SOLIDS = [("cube", 6, 12, 8), ("cuboid", 6, 12, 8), ("triangular prism", 5, 9, 6), ("square-based pyramid", 5, 8, 5),
          ("tetrahedron", 4, 6, 4), ("hexagonal prism", 8, 18, 12)]


@kind(TOPIC, SKILL)
def solid_count(ctx):
    rng = ctx.rng
    name, faces, edges, vertices = rng.choice(SOLIDS)
    what, value = rng.choice([("faces", faces), ("edges", edges), ("vertices (corners)", vertices)])
    return single(para("Count the %s of a <b>%s</b>. How many are there?" % (what, name)), key_number(value), "N")


def nice_values(rng, count, low, high):
    """`count` whole numbers whose mean is a whole number."""
    while True:
        values = [rng.randint(low, high) for _ in range(count)]
        if sum(values) % count == 0 and len(set(values)) > 1:
            return values


@kind(TOPIC, SKILL)
def mean_of_numbers(ctx):
    rng = ctx.rng
    values = nice_values(rng, rng.randint(3, 5), 2, 30)
    stem = para("Find the mean of these numbers: <b>%s</b>." % ", ".join(map(str, values)))
    return single(stem, key_number(Fraction(sum(values), len(values))), "N", marks=2)


@kind(TOPIC, SKILL)
def range_of_temperatures(ctx):
    rng = ctx.rng
    values = [rng.randint(4, 24) for _ in range(5)]
    days = ["Mon", "Tue", "Wed", "Thu", "Fri"]
    stem = para("The midday temperatures in &deg;C one week were: %s. What is the range of the temperatures?"
                % ", ".join("%s %d" % (d, v) for d, v in zip(days, values)))
    return single(stem, key_number(max(values) - min(values)), "N", unit="degrees")


@kind(TOPIC, SKILL)
def regular_perimeter(ctx):
    rng = ctx.rng
    name, sides = rng.choice([("regular pentagon", 5), ("regular hexagon", 6), ("regular octagon", 8), ("equilateral triangle", 3)])
    side = rng.randint(4, 19)
    stem = para("Each side of a %s is %d cm long. What is its perimeter?" % (name, side))
    return single(stem, key_number(side * sides), "N", unit="cm")


@kind(TOPIC, SKILL)
def square_tile_area(ctx):
    rng = ctx.rng
    side = rng.choice([10, 12, 15, 20, 25, 30])
    stem = para("A square floor tile has sides of %d cm. What is the area of one tile?" % side)
    return single(stem, key_number(side * side), "N", unit="cm&sup2;")


# Problems ------------------------------------------------------------------------------------


@kind(TOPIC, PROBLEM)
def square_garden(ctx):
    rng = ctx.rng
    side = rng.randint(3, 12)
    stem = para("A square garden has a perimeter of %d m. What is its area?" % (4 * side))
    return single(stem, key_number(side * side), "N", marks=2, unit="m&sup2;")


@kind(TOPIC, PROBLEM)
def field_fence(ctx):
    rng = ctx.rng
    l, w = rng.randint(20, 90), rng.randint(10, 60)
    if l <= w:
        return None
    animal = rng.choice(["sheep", "horses", "goats"])
    stem = para("A rectangular field for %s is %d m long and %d m wide. How much fencing is needed to go all the way round it?" % (animal, l, w))
    return single(stem, key_number(2 * (l + w)), "N", unit="m")


@kind(TOPIC, PROBLEM)
def floor_tiles(ctx):
    rng = ctx.rng
    l, w = rng.randint(3, 9), rng.randint(2, 7)
    if l <= w:
        return None
    stem = para("A kitchen floor is a rectangle %d m long and %d m wide. It is covered with square tiles whose sides are 50 cm. "
                "How many tiles are needed?" % (l, w))
    return single(stem, key_number(l * w * 4), "N", marks=3)


@kind(TOPIC, PROBLEM)
def picture_frame(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    w, h = rng.randint(12, 40), rng.randint(10, 30)
    if w == h:
        return None
    stem = para("%s glues ribbon around the edge of a rectangular picture %d cm wide and %d cm tall. How much ribbon does %s need?" % (name, w, h, she))
    return single(stem, key_number(2 * (w + h)), "N", unit="cm")


@kind(TOPIC, PROBLEM)
def pool_area(ctx):
    rng = ctx.rng
    l, w = rng.choice([(25, 10), (25, 12), (20, 8), (33, 15), (50, 20), (18, 9)])
    stem = para("A rectangular swimming pool is %d m long and %d m wide. What area of the ground does it cover?" % (l, w))
    return single(stem, key_number(l * w), "N", unit="m&sup2;")


@kind(TOPIC, PROBLEM)
def cubes_in_box(ctx):
    rng = ctx.rng
    l, w, h = rng.randint(3, 10), rng.randint(2, 8), rng.randint(2, 6)
    stem = para("A box is %d cm long, %d cm wide and %d cm tall. How many 1 cm cubes will fill it exactly?" % (l, w, h))
    return single(stem, key_number(l * w * h), "N", marks=2)


@kind(TOPIC, PROBLEM)
def missing_for_mean(ctx):
    rng = ctx.rng
    mean = rng.randint(8, 20)
    known = [rng.randint(mean - 6, mean + 6) for _ in range(3)]
    fourth = 4 * mean - sum(known)
    if fourth <= 0 or fourth in known:
        return None
    stem = para("The mean of four numbers is %d. Three of the numbers are %d, %d and %d. What is the fourth number?" % ((mean,) + tuple(known)))
    return single(stem, key_number(fourth), "N", marks=3)


@kind(TOPIC, PROBLEM)
def isosceles_angle(ctx):
    rng = ctx.rng
    base = rng.randint(25, 80)
    if rng.random() < 0.5:
        stem = para("In an isosceles triangle the two equal angles are %d&deg; each. What is the third angle?" % base)
        return single(stem, key_number(180 - 2 * base), "N", marks=2, unit="&deg;")
    top = 180 - 2 * base
    stem = para("The angle at the top of an isosceles triangle is %d&deg;. The other two angles are equal. What is the size of each of them?" % top)
    return single(stem, key_number(base), "N", marks=2, unit="&deg;")


@kind(TOPIC, PROBLEM)
def clock_hand_turn(ctx):
    rng = ctx.rng
    a = rng.randint(1, 11)
    b = (a + rng.randint(1, 8)) % 12 or 12
    steps = (b - a) % 12
    stem = para("The hour hand of a clock turns clockwise from %d to %d. Through how many degrees does it turn?" % (a, b))
    return single(stem, key_number(30 * steps), "N", marks=2, unit="&deg;")


# Stories ------------------------------------------------------------------------------------------


@kind(TOPIC, STORY)
def rectangle_from_perimeter(ctx):
    rng = ctx.rng
    w, h = rng.randint(5, 25), rng.randint(2, 15)
    if w <= h:
        return None
    (name, _, _, _) = person(rng)
    opening = para("%s drew a rectangle with a perimeter of %d cm. Its length is %d cm." % (name, 2 * (w + h), w))
    return story(opening, [ask("What is its width?", key_number(h), marks=2, unit="cm"),
                           ask("What is its area?", key_number(w * h), unit="cm&sup2;")])


@kind(TOPIC, STORY)
def bar_chart_story(ctx):
    rng = ctx.rng
    topics = [("Favourite fruits", ["Apple", "Banana", "Mango", "Grape", "Pear"], "Number of pupils",
               "How many pupils chose %s?", "How many more pupils chose %s than %s?", "How many pupils were asked altogether?"),
              ("Books read in a week", ["Mon", "Tue", "Wed", "Thu", "Fri"], "Number of books",
               "How many books were read on %s?", "How many more books were read on %s than on %s?",
               "How many books were read in the whole week?"),
              ("Cakes sold", ["Week 1", "Week 2", "Week 3", "Week 4"], "Number of cakes",
               "How many cakes were sold in %s?", "How many more cakes were sold in %s than in %s?",
               "How many cakes were sold in the four weeks altogether?"),
              ("Favourite sports", ["Football", "Tennis", "Netball", "Hockey"], "Number of pupils",
               "How many pupils chose %s?", "How many more pupils chose %s than %s?", "How many pupils were asked altogether?"),
              ("Visitors to a museum", ["Sat", "Sun", "Mon", "Tue"], "Number of visitors",
               "How many visitors came on %s?", "How many more visitors came on %s than on %s?",
               "How many visitors came on the four days altogether?")]
    title, cats, axis, ask_one, ask_more, ask_total = rng.choice(topics)
    step = rng.choice([2, 5, 10])
    values = [rng.randint(1, 9) * step for _ in cats]
    if len(set(values)) < len(values):
        return None
    top = (max(values) // step + 1) * step
    pic = drawing.bar_chart(title, cats, values, step, top, axis)
    i, j = rng.sample(range(len(cats)), 2)
    big, small = (cats[i], cats[j]) if values[i] > values[j] else (cats[j], cats[i])
    opening = para("The bar chart shows %s. Use it to answer the questions." % esc(title.lower())) + figure(0)
    return story(opening, [ask(ask_one % ("<b>%s</b>" % esc(cats[i])), key_number(values[i])),
                           ask(ask_more % ("<b>%s</b>" % esc(big), "<b>%s</b>" % esc(small)), key_number(abs(values[i] - values[j]))),
                           ask(ask_total, key_number(sum(values)), marks=2)], [pic])


def pictogram(rows, each, symbol="&#9679;"):
    cell = 'style="border:1px solid #c8cede;padding:3px 10px"'
    body = "".join("<tr><td %s>%s</td><td %s style=\"letter-spacing:4px\">%s</td></tr>" % (cell, esc(name), cell, symbol * (count // each))
                   for name, count in rows)
    key = '<p style="text-align:center">Key: %s stands for %d books</p>' % (symbol, each)
    return '<table style="border-collapse:collapse;margin:4px auto 6px;background:#fff">%s</table>%s' % (body, key)


@kind(TOPIC, STORY)
def pictogram_story(ctx):
    rng = ctx.rng
    each = rng.choice([2, 4, 5, 10])
    classes = rng.sample(["Oak class", "Ash class", "Elm class", "Beech class", "Willow class", "Maple class"], 4)
    counts = [each * rng.randint(1, 8) for _ in classes]
    if len(set(counts)) < 4:
        return None
    i = rng.randrange(4)
    opening = para("The pictogram shows how many books four classes read in a month.") + pictogram(list(zip(classes, counts)), each)
    return story(opening, [ask("How many books did %s read?" % classes[i], key_number(counts[i])),
                           ask("How many books did the four classes read altogether?", key_number(sum(counts)), marks=2)])


@kind(TOPIC, STORY)
def spelling_mean_story(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    scores = nice_values(rng, 4, 5, 20)
    opening = para("In four spelling tests %s scored %s, %s, %s and %s." % ((name,) + tuple(scores)))
    return story(opening, [ask("What was %s total score?" % ("her" if she == "she" else "his"), key_number(sum(scores))),
                           ask("What was %s mean score?" % ("her" if she == "she" else "his"), key_number(Fraction(sum(scores), 4)), marks=2)])
