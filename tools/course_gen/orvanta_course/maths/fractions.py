"""Fractions: equivalence and comparison, the four operations, mixed numbers
and fractions of amounts in everyday settings."""

import math
from fractions import Fraction

from .. import drawing
from .kit import (FORM_FRACTION, FORM_IMPROPER, FORM_MIXED, MC, PROBLEM, SKILL, STORY, ask, choice, figure, fraction,
                       frac, grown_up, key_fraction, key_mixed, key_number, kind, mixed, para, person, pounds, single, story,
                       two_people)

TOPIC = 2


def proper(rng, denominators=(2, 3, 4, 5, 6, 7, 8, 9, 10, 12)):
    """A proper fraction in its simplest form."""
    while True:
        d = rng.choice(denominators)
        n = rng.randint(1, d - 1)
        if math.gcd(n, d) == 1:
            return Fraction(n, d)


def text_of(f):
    return "%d/%d" % (f.numerator, f.denominator)


# Multiple choice --------------------------------------------------------------------


@kind(TOPIC, MC)
def mc_largest_fraction(ctx):
    rng = ctx.rng
    values = []
    while len(values) < 4:
        f = proper(rng)
        if f not in values:
            values.append(f)
    want = rng.choice(["largest", "smallest"])
    best = max(values) if want == "largest" else min(values)
    stem = para("Which fraction is the <b>%s</b>?" % want)
    return choice(rng, stem, text_of(best), [text_of(v) for v in values if v != best], numeric=False)


@kind(TOPIC, MC)
def mc_equivalent_fraction(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 6, 8, 10))
    n, d = f.numerator, f.denominator
    k = rng.randint(2, 5)
    wrong = ["%d/%d" % (n * k, d), "%d/%d" % (n + k, d + k), "%d/%d" % (d * k, n * k), "%d/%d" % (n * k + 1, d * k)]
    stem = para("Which fraction is equal to %s?" % frac(f))
    return choice(rng, stem, "%d/%d" % (n * k, d * k), wrong, numeric=False)


@kind(TOPIC, MC)
def mc_mixed_to_improper(ctx):
    rng = ctx.rng
    w = rng.randint(1, 5)
    f = proper(rng, (3, 4, 5, 6, 7, 8))
    n, d = f.numerator, f.denominator
    wrong = ["%d/%d" % (w * n + d, d), "%d/%d" % (w + n, d), "%d/%d" % (w * d - n, d), "%d/%d" % (w * d + n, w * d)]
    wrong = [x for x in wrong if Fraction(x) != w + f]
    stem = para("Which improper fraction is the same as %s?" % mixed(w + f))
    return choice(rng, stem, "%d/%d" % (w * d + n, d), wrong, numeric=False)


@kind(TOPIC, MC)
def mc_shaded_bar(ctx):
    rng = ctx.rng
    parts = rng.choice([5, 6, 8, 10, 12])
    shaded = rng.randint(1, parts - 1)
    pic = drawing.fraction_bar(parts, shaded)
    wrong = ["%d/%d" % (parts - shaded, parts), "%d/%d" % (shaded, parts - shaded), "%d/%d" % (parts, shaded),
             "%d/%d" % (shaded, parts + 1)]
    stem = para("What fraction of the bar is shaded?") + figure(0)
    return choice(rng, stem, "%d/%d" % (shaded, parts), wrong, numeric=False, pictures=[pic])


@kind(TOPIC, MC)
def mc_fraction_between(ctx):
    rng = ctx.rng
    low, high = rng.choice([(Fraction(1, 4), Fraction(1, 2)), (Fraction(1, 2), Fraction(3, 4)), (Fraction(1, 3), Fraction(2, 3)),
                            (Fraction(1, 5), Fraction(1, 2)), (Fraction(1, 2), Fraction(1, 1))])
    inside = [f for f in (Fraction(n, d) for d in (5, 6, 8, 10, 12) for n in range(1, d)) if low < f < high and f.denominator > 4]
    outside = [f for f in (Fraction(n, d) for d in (3, 5, 6, 8, 10) for n in range(1, d)) if not low <= f <= high]
    if not inside or len(outside) < 3:
        return None
    correct = rng.choice(inside)
    high_text = "1" if high == 1 else frac(high)
    stem = para("Which of these fractions lies between %s and %s?" % (frac(low), high_text))
    return choice(rng, stem, text_of(correct), [text_of(f) for f in rng.sample(outside, 3)], numeric=False)


@kind(TOPIC, MC)
def mc_unit_fractions(ctx):
    rng = ctx.rng
    ds = rng.sample([2, 3, 4, 5, 6, 8, 10, 12], 4)
    want = rng.choice(["largest", "smallest"])
    best = min(ds) if want == "largest" else max(ds)
    stem = para("A unit fraction has 1 on top. Which of these unit fractions is the <b>%s</b>?" % want)
    return choice(rng, stem, "1/%d" % best, ["1/%d" % d for d in ds if d != best], numeric=False)


@kind(TOPIC, MC)
def mc_simplest_form(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 6, 7, 8, 9))
    k = rng.randint(2, 6)
    n, d = f.numerator * k, f.denominator * k
    wrong = ["%d/%d" % (n // 2, d) if n % 2 == 0 else "%d/%d" % (n, d // k), "%d/%d" % (f.numerator + 1, f.denominator),
             "%d/%d" % (f.numerator, f.denominator + 1), "%d/%d" % (n - 1, d)]
    stem = para("Which is <b>%d/%d</b> written in its simplest form?" % (n, d))
    return choice(rng, stem, text_of(f), [w for w in wrong if Fraction(w) != f], numeric=False)


# Skills -------------------------------------------------------------------------------------


@kind(TOPIC, SKILL)
def add_fractions(ctx):
    rng = ctx.rng
    a, b = proper(rng), proper(rng)
    if a.denominator == b.denominator or a + b >= 1:
        return None
    stem = para("Find the sum of %s and %s." % (frac(a), frac(b)))
    return single(stem, key_fraction(a + b), "F", marks=2, form=FORM_FRACTION)


@kind(TOPIC, SKILL)
def subtract_fractions(ctx):
    rng = ctx.rng
    a, b = proper(rng), proper(rng)
    if a.denominator == b.denominator or a <= b:
        return None
    stem = para("Take %s away from %s." % (frac(b), frac(a)))
    return single(stem, key_fraction(a - b), "F", marks=2, form=FORM_FRACTION)


@kind(TOPIC, SKILL)
def multiply_fractions(ctx):
    rng = ctx.rng
    a, b = proper(rng), proper(rng)
    stem = para("Work out %s &times; %s." % (frac(a), frac(b)))
    return single(stem, key_fraction(a * b), "F", form=FORM_FRACTION)


@kind(TOPIC, SKILL)
def fraction_divided(ctx):
    rng = ctx.rng
    f = proper(rng, (2, 3, 4, 5, 6, 8))
    w = rng.randint(2, 6)
    stem = para("What is %s divided by %d?" % (frac(f), w))
    return single(stem, key_fraction(f / w), "F", form=FORM_FRACTION)


@kind(TOPIC, SKILL)
def fraction_of_quantity(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 6, 8, 9, 10, 12))
    q = f.denominator * rng.randint(3, 30)
    unit = rng.choice(["", "kg", "m", "ml", "g"])
    pictures = []
    stem = para("What is %s of %d%s?" % (frac(f), q, " " + unit if unit else ""))
    if rng.random() < 0.4:
        stem += para("The bar model may help you.") + figure(0)
        pictures = [drawing.bar_model([("", f.denominator, f.numerator)], total_text="%d%s" % (q, " " + unit if unit else ""))]
    return single(stem, key_number(f * q), "N", unit=unit, pictures=pictures)


@kind(TOPIC, SKILL)
def find_fraction_of(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 7, 8, 9))
    q = f.denominator * rng.randint(4, 25)
    return single(para("Find %s of %d." % (frac(f), q)), key_number(f * q), "N")


@kind(TOPIC, SKILL)
def improper_to_mixed(ctx):
    rng = ctx.rng
    d = rng.choice([3, 4, 5, 6, 7, 8, 9])
    n = rng.randint(d + 1, 6 * d)
    if n % d == 0 or math.gcd(n, d) != 1:
        return None
    stem = para("Write %s as a mixed number." % fraction(n, d))
    return single(stem, key_mixed(Fraction(n, d)), "X", form=FORM_MIXED)


@kind(TOPIC, SKILL)
def mixed_to_improper(ctx):
    rng = ctx.rng
    w = rng.randint(1, 6)
    f = proper(rng, (3, 4, 5, 6, 7, 8, 9))
    stem = para("Write %s as an improper fraction." % mixed(w + f))
    return single(stem, key_fraction(w + f), "F", form=FORM_IMPROPER)


@kind(TOPIC, SKILL)
def simplify_fraction(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 6, 7, 8, 9))
    k = rng.randint(2, 8)
    stem = para("Write %s in its simplest form." % fraction(f.numerator * k, f.denominator * k))
    return single(stem, key_fraction(f), "F", form=FORM_FRACTION)


@kind(TOPIC, SKILL)
def shaded_fraction(ctx):
    rng = ctx.rng
    style = rng.randint(0, 2)
    if style == 0:
        parts = rng.choice([6, 8, 9, 10, 12])
        shaded = rng.randint(1, parts - 1)
        pic, what = drawing.fraction_circle(parts, shaded), "circle"
    elif style == 1:
        parts = rng.choice([6, 8, 10, 12, 14, 15, 16])
        shaded = rng.randint(1, parts - 1)
        pic, what = drawing.fraction_bar(parts, shaded), "strip"
    else:
        rows, cols = rng.choice([(3, 4), (4, 4), (4, 5), (3, 6), (4, 6), (5, 6)])
        parts = rows * cols
        shaded = rng.randint(2, parts - 2)
        pic, what = drawing.shaded_grid(rows, cols, shaded), "grid"
    f = Fraction(shaded, parts)
    if f.denominator == parts and rng.random() < 0.6:
        return None  # prefer pictures whose fraction simplifies
    stem = para("What fraction of the %s is shaded?" % what) + figure(0)
    return single(stem, key_fraction(f), "F", form=FORM_FRACTION, pictures=[pic])


BOX = "&#9633;"


@kind(TOPIC, SKILL)
def equivalent_missing(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 6, 7, 8, 9, 10))
    k = rng.randint(2, 9)
    if rng.random() < 0.5:
        right, value = '<span class="fr"><span>%s</span><span>%d</span></span>' % (BOX, f.denominator * k), f.numerator * k
    else:
        right, value = '<span class="fr"><span>%d</span><span>%s</span></span>' % (f.numerator * k, BOX), f.denominator * k
    stem = para("Fill in the missing number so that the two fractions are equal.") + para("%s = %s" % (frac(f), right))
    return single(stem, key_number(value), "N")


@kind(TOPIC, SKILL)
def add_mixed(ctx):
    rng = ctx.rng
    a = rng.randint(1, 4) + proper(rng, (2, 3, 4, 5, 6, 8))
    b = rng.randint(1, 4) + proper(rng, (2, 3, 4, 5, 6, 8))
    if a.denominator == b.denominator and rng.random() < 0.5:
        return None
    total = a + b
    if total.denominator == 1:
        return None
    stem = para("Work out %s + %s." % (mixed(a), mixed(b)))
    return single(stem, key_mixed(total), "X", marks=2, form=FORM_MIXED)


@kind(TOPIC, SKILL)
def subtract_mixed(ctx):
    rng = ctx.rng
    a = rng.randint(3, 7) + proper(rng, (2, 3, 4, 5, 6, 8))
    b = rng.randint(1, 2) + proper(rng, (2, 3, 4, 5, 6, 8))
    difference = a - b
    if difference.denominator == 1 or difference < 1 or a.denominator == b.denominator:
        return None
    stem = para("How much greater is %s than %s?" % (mixed(a), mixed(b)))
    return single(stem, key_mixed(difference), "X", marks=2, form=FORM_MIXED)


@kind(TOPIC, SKILL)
def whole_from_fraction(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 6, 7, 8, 9, 10))
    whole = f.denominator * rng.randint(2, 15)
    stem = para("%s of a number is %s. What is the number?" % (frac(f), key_number(f * whole)))
    return single(stem, key_number(whole), "N", marks=2)


@kind(TOPIC, SKILL)
def lots_of_fraction(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 6, 8))
    w = rng.randint(2, 12)
    value = f * w
    if value.denominator == 1 or value < 1:
        return None
    stem = para("What is %d lots of %s?" % (w, frac(f)))
    return single(stem, key_mixed(value), "X", form=FORM_MIXED)


@kind(TOPIC, SKILL)
def minutes_in_fraction_of_hour(ctx):
    rng = ctx.rng
    f = rng.choice([Fraction(1, 4), Fraction(3, 4), Fraction(1, 3), Fraction(2, 3), Fraction(1, 5), Fraction(2, 5),
                    Fraction(3, 5), Fraction(1, 6), Fraction(5, 6), Fraction(1, 10), Fraction(7, 10), Fraction(1, 12)])
    stem = para("How many minutes are there in %s of an hour?" % frac(f))
    return single(stem, key_number(f * 60), "N", unit="minutes")


@kind(TOPIC, SKILL)
def centimetres_in_fraction_of_metre(ctx):
    rng = ctx.rng
    f = proper(rng, (2, 4, 5, 10, 20, 25))
    stem = para("How many centimetres are in %s of a metre?" % frac(f))
    return single(stem, key_number(f * 100), "N", unit="cm")


@kind(TOPIC, SKILL)
def fraction_of_a_pound(ctx):
    rng = ctx.rng
    p = rng.choice([5, 10, 15, 20, 25, 30, 35, 40, 45, 60, 70, 75, 80, 90, 95])
    stem = para("What fraction of %s is %dp?" % (pounds(1), p))
    return single(stem, key_fraction(Fraction(p, 100)), "F", form=FORM_FRACTION)


@kind(TOPIC, SKILL)
def fraction_of_a_day(ctx):
    rng = ctx.rng
    hours = rng.choice([2, 3, 4, 6, 8, 9, 10, 12, 16, 18, 20])
    stem = para("There are 24 hours in a day. What fraction of a day is %d hours?" % hours)
    return single(stem, key_fraction(Fraction(hours, 24)), "F", form=FORM_FRACTION)


@kind(TOPIC, SKILL)
def larger_fraction(ctx):
    rng = ctx.rng
    a, b = proper(rng, (3, 4, 5, 6, 7, 8, 9)), proper(rng, (3, 4, 5, 6, 7, 8, 9))
    if a == b or a.denominator == b.denominator or abs(a - b) > Fraction(1, 4):
        return None
    stem = para("Which is larger, %s or %s? Write the larger fraction." % (frac(a), frac(b)))
    return single(stem, key_fraction(max(a, b)), "F", form="Write the fraction like 3/8.")


@kind(TOPIC, SKILL)
def counters_fraction(ctx):
    rng = ctx.rng
    colours = rng.sample(["red", "blue", "green", "yellow"], 2)
    a, b = rng.randint(2, 12), rng.randint(2, 12)
    if math.gcd(a, a + b) == 1 and rng.random() < 0.6:
        return None
    stem = para("A bag holds %d %s counters and %d %s counters. What fraction of the counters are %s?"
                % (a, colours[0], b, colours[1], colours[0]))
    return single(stem, key_fraction(Fraction(a, a + b)), "F", form=FORM_FRACTION)


# Problems -----------------------------------------------------------------------------------


@kind(TOPIC, PROBLEM)
def girls_from_fraction(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 7, 8))
    total = f.denominator * rng.randint(4, 12)
    place = rng.choice(["hall", "choir", "swimming club", "chess club"])
    stem = para("There are %d children in a %s. %s of them are boys. How many girls are there?" % (total, place, frac(f)))
    pictures = []
    if rng.random() < 0.5:
        stem += figure(0)
        pictures = [drawing.bar_model([("children", f.denominator, f.numerator)], total_text="%d children" % total)]
    return single(stem, key_number(total - f * total), "N", marks=2, pictures=pictures)


@kind(TOPIC, PROBLEM)
def ribbon_cut(ctx):
    rng = ctx.rng
    f = proper(rng, (2, 3, 4, 5, 6))
    pieces = rng.randint(2, 5)
    (name, she, _, _) = person(rng)
    stem = para("%s has a ribbon %s m long. %s cuts it into %d pieces of the same length. How long is each piece?"
                % (name, frac(f), she.capitalize(), pieces))
    return single(stem, key_fraction(f / pieces), "F", marks=2, unit="m", form=FORM_FRACTION)


@kind(TOPIC, PROBLEM)
def money_spent_in_steps(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    f, g = proper(rng, (3, 4, 5, 8)), proper(rng, (2, 3, 4, 5))
    total = f.denominator * g.denominator * rng.randint(1, 3)
    if total > 60 or total < 12:
        return None
    rest = total - f * total
    stem = para("%s had %s of birthday money. %s spent %s of it on a book and then %s of the money that was left on a cinema ticket. "
                "How much money did %s have left?" % (name, pounds(total), she.capitalize(), frac(f), frac(g), she))
    return single(stem, key_number(rest - g * rest), "N", marks=3, before="\u00a3")


@kind(TOPIC, PROBLEM)
def school_dinners(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 6))
    total = rng.choice([24, 28, 30, 32, 36])
    if (total * f).denominator != 1:
        return None
    stem = para("In a class of %d pupils, %s have school dinners. How many pupils have school dinners?" % (total, frac(f)))
    return single(stem, key_number(total * f), "N")


@kind(TOPIC, PROBLEM)
def pages_read(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    f = proper(rng, (3, 4, 5, 6, 8))
    pages = f.denominator * rng.randint(12, 40)
    stem = para("%s is reading a book of %d pages. %s has read %s of it so far. How many pages does %s still have to read?"
                % (name, pages, she.capitalize(), frac(f), she))
    return single(stem, key_number(pages - f * pages), "N", marks=2)


@kind(TOPIC, PROBLEM)
def water_tank_fraction(ctx):
    rng = ctx.rng
    f = proper(rng, (3, 4, 5, 8))
    litres = f.denominator * rng.randint(10, 60)
    stem = para("A water tank holds %d litres when it is full. It is %s full now. How many litres of water are in it?" % (litres, frac(f)))
    return single(stem, key_number(litres * f), "N", unit="litres")


@kind(TOPIC, PROBLEM)
def cycle_ride(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    f = proper(rng, (3, 4, 5, 6))
    km = f.denominator * rng.randint(3, 12)
    stem = para("A cycle ride is %d km long. %s has cycled %s of the way. How far does %s still have to go?" % (km, name, frac(f), she))
    return single(stem, key_number(km - f * km), "N", marks=2, unit="km")


@kind(TOPIC, PROBLEM)
def pizza_slices(ctx):
    rng = ctx.rng
    (a, _, _, _), (b, _, _, _) = two_people(rng)
    slices = rng.choice([8, 12])
    fa, fb = Fraction(rng.randint(1, 3), slices), Fraction(rng.randint(1, 3), slices)
    stem = para("A pizza is cut into %d equal slices. %s eats %s of the pizza and %s eats %s of it. How many slices are left?"
                % (slices, a, frac(fa), b, frac(fb)))
    return single(stem, key_number(slices - slices * (fa + fb)), "N", marks=2)


@kind(TOPIC, PROBLEM)
def garden_plan(ctx):
    rng = ctx.rng
    a, b = proper(rng, (3, 4, 5, 6)), proper(rng, (3, 4, 5, 6, 8))
    if a.denominator == b.denominator or a + b >= 1:
        return None
    stem = para("%s of a garden is lawn and %s of it is a vegetable patch. The rest is flower beds. "
                "What fraction of the garden is flower beds?" % (frac(a), frac(b)))
    return single(stem, key_fraction(1 - a - b), "F", marks=2, form=FORM_FRACTION)


@kind(TOPIC, PROBLEM)
def jam_jars(ctx):
    rng = ctx.rng
    (name, she, _, _) = grown_up(rng)
    f = rng.choice([Fraction(1, 4), Fraction(1, 2), Fraction(3, 4), Fraction(1, 3), Fraction(2, 3)])
    jars = rng.randint(3, 12)
    value = f * jars
    if value.denominator == 1:
        return None
    stem = para("%s uses %s kg of fruit for each jar of jam. %s makes %d jars. How much fruit does %s use?" % (name, frac(f), she.capitalize(), jars, she))
    return single(stem, key_mixed(value), "X", marks=2, unit="kg", form=FORM_MIXED)


@kind(TOPIC, PROBLEM)
def pizzas_shared(ctx):
    rng = ctx.rng
    friends = rng.choice([2, 4])
    pizzas = rng.choice([k for k in range(3, 23) if k % friends])
    each = Fraction(pizzas, friends)
    whole, rest = divmod(each.numerator, each.denominator)
    forms = [key_number(each), "%d %d/%d" % (whole, rest, each.denominator), key_fraction(each)]
    stem = para("%d friends share %d pizzas equally. How many pizzas does each friend get?" % (friends, pizzas))
    form = "Write it as a decimal, a mixed number or a fraction."
    return single(stem, "".join(";" + f for f in forms), "M", marks=2, unit="pizzas", form=form)


# Stories -----------------------------------------------------------------------------------


@kind(TOPIC, STORY)
def cake_shared(ctx):
    rng = ctx.rng
    (a, _, _, _), (b, _, _, _) = two_people(rng)
    fa, fb = proper(rng, (3, 4, 5, 6, 8)), proper(rng, (3, 4, 5, 6, 8))
    if fa.denominator == fb.denominator or fa + fb >= 1:
        return None
    food = rng.choice(["cake", "pizza", "pie", "loaf of bread", "watermelon"])
    opening = para("%s ate %s of a %s and %s ate %s of it." % (a, frac(fa), food, b, frac(fb)))
    return story(opening, [ask("What fraction of the %s did they eat altogether?" % food, key_fraction(fa + fb), "F", 2, form=FORM_FRACTION),
                           ask("What fraction of the %s was left?" % food, key_fraction(1 - fa - fb), "F", form=FORM_FRACTION)])


@kind(TOPIC, STORY)
def gave_away_story(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    f = proper(rng, (3, 4, 5, 6, 8, 9))
    total = f.denominator * rng.randint(4, 20)
    thing = rng.choice(["marbles", "stickers", "stamps", "cards", "shells"])
    opening = para("%s had %d %s. %s gave %s of them to a friend." % (name, total, thing, she.capitalize(), frac(f)))
    return story(opening, [ask("How many %s did %s give away?" % (thing, she), key_number(f * total)),
                           ask("How many %s did %s have left?" % (thing, she), key_number(total - f * total), marks=2)])


@kind(TOPIC, STORY)
def travel_to_school_story(ctx):
    rng = ctx.rng
    total = rng.choice([24, 30, 36, 40])
    walk, car = rng.choice([Fraction(1, 2), Fraction(1, 3), Fraction(1, 4), Fraction(2, 5)]), rng.choice(
        [Fraction(1, 4), Fraction(1, 5), Fraction(1, 6), Fraction(1, 8)])
    if walk + car >= 1 or (walk * total).denominator != 1 or (car * total).denominator != 1:
        return None
    cls = rng.randint(3, 6)
    opening = para("Class %d has %d pupils. %s of them walk to school and %s come by car. The rest come by bus." % (cls, total, frac(walk), frac(car)))
    return story(opening, [ask("How many pupils walk to school?", key_number(walk * total)),
                           ask("How many pupils come by car?", key_number(car * total)),
                           ask("How many pupils come by bus?", key_number(total * (1 - walk - car)), marks=2)])
