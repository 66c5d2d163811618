"""Ratio and Percentage: ratios in their simplest form, sharing in a ratio,
scaling recipes and maps, and percentages of amounts, prices and scores."""

import math
from decimal import Decimal
from fractions import Fraction

from .. import drawing
from .kit import (FORM_FRACTION, FORM_RATIO, FORM_RATIO3, MC, PROBLEM, SKILL, STORY, ask, ask_money, choice, figure,
                       fraction, frac, grown_up, key_fraction, key_number, kind, money_single, para, person, pounds, price,
                       ratio_key, single, story, two_people)

TOPIC = 4


def coprime_pair(rng, low=1, high=9):
    while True:
        a, b = rng.randint(low, high), rng.randint(low, high)
        if a != b and math.gcd(a, b) == 1:
            return a, b


# Multiple choice -------------------------------------------------------------------------


@kind(TOPIC, MC)
def mc_equivalent_ratio(ctx):
    rng = ctx.rng
    a, b = coprime_pair(rng)
    k = rng.randint(2, 6)
    wrong = ["%d:%d" % (b, a), "%d:%d" % (a + 1, b + 2), "%d:%d" % (a * k, b), "%d:%d" % (a, b * k)]
    stem = para("Which ratio is the same as <b>%d:%d</b>?" % (a * k, b * k))
    return choice(rng, stem, "%d:%d" % (a, b), [w for w in wrong if w != "%d:%d" % (a, b)], numeric=False)


@kind(TOPIC, MC)
def mc_percent_fraction(ctx):
    rng = ctx.rng
    p = rng.choice([5, 10, 15, 20, 25, 30, 35, 40, 45, 60, 70, 75, 80, 90])
    f = Fraction(p, 100)
    wrong = ["1/%d" % p, "%d/%d" % (f.denominator, f.numerator), "%d/%d" % (f.numerator, f.denominator * 10),
             "%d/%d" % (f.numerator + 1, f.denominator)]
    stem = para("Which fraction has the same value as <b>%d%%</b>?" % p)
    return choice(rng, stem, key_fraction(f), [w for w in wrong if Fraction(w) != f], numeric=False)


@kind(TOPIC, MC)
def mc_percent_of(ctx):
    rng = ctx.rng
    p = rng.choice([10, 15, 20, 25, 30, 40, 60, 75])
    q = rng.choice([40, 60, 80, 120, 160, 200, 240, 300, 360, 400, 500])
    value = Fraction(p * q, 100)
    if value.denominator != 1:
        return None
    wrong = [key_number(value * 2), key_number(q - value), key_number(value + 10), key_number(value + 5)]
    stem = para("Work out <b>%d%%</b> of <b>%d</b>." % (p, q))
    return choice(rng, stem, key_number(value), [w for w in wrong if w != key_number(value)])


@kind(TOPIC, MC)
def mc_greatest_amount(ctx):
    rng = ctx.rng
    p = rng.choice([35, 45, 55, 65, 72, 85])
    values = [("%d%%" % p, Fraction(p, 100))]
    f = rng.choice([Fraction(2, 5), Fraction(3, 5), Fraction(3, 4), Fraction(1, 2), Fraction(7, 10), Fraction(4, 5)])
    d = Fraction(rng.randint(3, 9), 10) + Fraction(rng.randint(1, 9), 100)
    e = rng.choice([Fraction(3, 8), Fraction(5, 8), Fraction(1, 3), Fraction(2, 3)])
    values += [(fraction(f.numerator, f.denominator), f), (key_number(d), d), (fraction(e.numerator, e.denominator), e)]
    if len({v for _, v in values}) < 4:
        return None
    best = max(values, key=lambda tv: tv[1])
    texts = [t for t, _ in values]
    stem = para("Which of these amounts is the greatest: %s?" % ", ".join(texts))
    # The options name the amounts in words the pupil can read at a glance.
    plain = {t: ("%d/%d" % (v.numerator, v.denominator) if "fr" in t else t) for t, v in values}
    return choice(rng, stem, plain[best[0]], [plain[t] for t in texts if t != best[0]], numeric=False)


@kind(TOPIC, MC)
def mc_percent_as_decimal(ctx):
    rng = ctx.rng
    p = rng.choice([3, 5, 7, 8, 12, 15, 25, 35, 40, 60, 75, 90])
    value = Decimal(p) / 100
    wrong = {key_number(Decimal(p) / 10), key_number(Decimal(p)), key_number(Decimal(p) / 1000)}
    if p % 10:
        wrong.add("0.%d" % p)  # the slip of writing 7% as 0.7
    stem = para("Which decimal is the same as <b>%d%%</b>?" % p)
    return choice(rng, stem, key_number(value), sorted(wrong))


@kind(TOPIC, MC)
def mc_percent_of_fraction(ctx):
    rng = ctx.rng
    f = rng.choice([Fraction(1, 4), Fraction(3, 4), Fraction(1, 5), Fraction(2, 5), Fraction(3, 5), Fraction(1, 10), Fraction(7, 10),
                    Fraction(1, 20), Fraction(9, 20), Fraction(3, 25), Fraction(1, 2)])
    p = f * 100
    wrong = {"%d%%" % f.numerator, "%d%%" % (f.numerator * 10 % 100 or 15), "%d%%" % (100 - p if p != 50 else 25), "%d%%" % (f.denominator)}
    wrong.discard("%d%%" % p)
    stem = para("Which percentage is the same as %s?" % frac(f))
    return choice(rng, stem, "%d%%" % p, sorted(wrong))


@kind(TOPIC, MC)
def mc_sweets_ratio(ctx):
    rng = ctx.rng
    a, b = coprime_pair(rng, 1, 6)
    k = rng.randint(2, 5)
    colours = rng.sample(["red", "green", "orange", "purple", "yellow"], 2)
    correct = "%d:%d" % (a, b)
    wrong = ["%d:%d" % (b, a), "%d:%d" % (a * k, b), "%d:%d" % (a, a + b), "%d:%d" % (a * k - 1, b * k - 1)]
    stem = para("A bag has %d %s sweets and %d %s sweets. What is the ratio of %s sweets to %s sweets in its simplest form?"
                % (a * k, colours[0], b * k, colours[1], colours[0], colours[1]))
    return choice(rng, stem, correct, [w for w in wrong if w != correct], numeric=False)


@kind(TOPIC, MC)
def mc_for_every(ctx):
    rng = ctx.rng
    a, b = coprime_pair(rng, 2, 5)
    k = rng.randint(3, 8)
    stem = para("For every %d boys in a running club there are %d girls. There are %d children in the club. How many of them are girls?"
                % (a, b, (a + b) * k))
    correct = b * k
    wrong = [a * k, (a + b) * k - b, b * (a + b), correct + k]
    return choice(rng, stem, str(correct), [str(w) for w in wrong if w != correct and w > 0])


# Skills -------------------------------------------------------------------------------------


@kind(TOPIC, SKILL)
def ratio_two(ctx):
    rng = ctx.rng
    things = [("boys", "girls", "in a class"), ("red beads", "blue beads", "in a box"), ("cats", "dogs", "at a rescue centre"),
              ("apples", "pears", "in a basket"), ("cars", "vans", "in a car park"), ("roses", "tulips", "in a garden")]
    a_name, b_name, where = rng.choice(things)
    k = rng.randint(2, 8)
    a, b = coprime_pair(rng, 1, 12)
    first = rng.random() < 0.5
    order = (a_name, b_name) if first else (b_name, a_name)
    key = "%d:%d" % ((a, b) if first else (b, a))
    stem = para("There are %d %s and %d %s %s. Find the ratio of the number of %s to the number of %s."
                % (a * k, a_name, b * k, b_name, where, order[0], order[1]))
    return single(stem, key, "R", form=FORM_RATIO)


@kind(TOPIC, SKILL)
def ratio_picture(ctx):
    rng = ctx.rng
    shapes = [("circle", drawing.BLUE, "circles"), ("triangle", drawing.ORANGE, "triangles"), ("star", drawing.YELLOW, "stars"),
              ("square", drawing.GREEN, "squares")]
    (s1, c1, n1), (s2, c2, n2) = rng.sample(shapes, 2)
    a, b = rng.randint(2, 14), rng.randint(2, 14)
    if a == b or (math.gcd(a, b) == 1 and rng.random() < 0.5):
        return None
    pic = drawing.counters([(s1, c1, a), (s2, c2, b)])
    stem = para("Look at the shapes. Find the ratio of the number of %s to the number of %s." % (n1, n2)) + figure(0)
    return single(stem, ratio_key([a, b]), "R", form=FORM_RATIO, pictures=[pic])


@kind(TOPIC, SKILL)
def percent_of_quantity(ctx):
    rng = ctx.rng
    p = rng.choice([5, 12, 15, 20, 25, 35, 40, 45, 60, 65, 75, 80, 85])
    q = rng.randint(2, 40) * 20
    unit = rng.choice(["", "g", "m", "ml"])
    stem = para("Calculate %d%% of %d%s." % (p, q, " " + unit if unit else ""))
    return single(stem, key_number(Fraction(p * q, 100)), "N", unit=unit)


@kind(TOPIC, SKILL)
def fraction_to_percent(ctx):
    rng = ctx.rng
    d = rng.choice([2, 4, 5, 10, 20, 25, 50])
    n = rng.randint(1, d - 1)
    if math.gcd(n, d) != 1:
        return None
    stem = para("Change %s into a percentage." % fraction(n, d))
    return single(stem, key_number(Fraction(n * 100, d)), "N", unit="%")


@kind(TOPIC, SKILL)
def percent_to_fraction(ctx):
    rng = ctx.rng
    p = rng.choice([2, 4, 5, 8, 12, 15, 24, 35, 36, 44, 45, 55, 64, 65, 72, 85, 95])
    stem = para("Express <b>%d%%</b> as a fraction." % p)
    return single(stem, key_fraction(Fraction(p, 100)), "F", form=FORM_FRACTION)


@kind(TOPIC, SKILL)
def decimal_to_percent(ctx):
    rng = ctx.rng
    v = Decimal(rng.randint(1, 99)) / 100
    if rng.random() < 0.3:
        v = Decimal(rng.randint(1, 9)) / 10
    stem = para("Write <b>%s</b> as a percentage." % key_number(v))
    return single(stem, key_number(v * 100), "N", unit="%")


@kind(TOPIC, SKILL)
def percent_to_decimal(ctx):
    rng = ctx.rng
    p = rng.choice([4, 6, 9, 12, 18, 25, 33, 46, 58, 75, 87, 95])
    stem = para("Change <b>%d%%</b> into a decimal." % p)
    return single(stem, key_number(Decimal(p) / 100), "N")


@kind(TOPIC, SKILL)
def percent_shaded(ctx):
    rng = ctx.rng
    shaded = rng.randint(11, 89)
    pic = drawing.shaded_grid(10, 10, shaded, cell=18)
    stem = para("The grid has 100 squares. What percentage of the grid is shaded?") + figure(0)
    return single(stem, key_number(shaded), "N", unit="%", pictures=[pic])


@kind(TOPIC, SKILL)
def ratio_part_whole(ctx):
    rng = ctx.rng
    a, b = coprime_pair(rng, 1, 5)
    k = rng.randint(2, 3)
    fa, fb = rng.choice([("apples", "oranges"), ("bananas", "plums"), ("pears", "peaches")])
    stem = para("A fruit bowl has %d %s and %d %s. What is the ratio of the number of %s to the total number of fruits?"
                % (a * k, fa, b * k, fb, fa))
    return single(stem, "%d:%d" % (a, a + b), "R", form=FORM_RATIO)


@kind(TOPIC, SKILL)
def ratio_three(ctx):
    rng = ctx.rng
    k = rng.randint(2, 6)
    a, b, c = rng.randint(1, 9), rng.randint(1, 9), rng.randint(1, 9)
    if math.gcd(math.gcd(a, b), c) != 1 or len({a, b, c}) < 3:
        return None
    (p1, _, _, _), (p2, _, _, _) = two_people(rng)
    (p3, _, _, _) = person(rng)
    if p3 in (p1, p2):
        return None
    thing = rng.choice(["stickers", "stamps", "shells", "marbles"])
    stem = para("%s has %d %s, %s has %d and %s has %d. Find the ratio of %s&rsquo;s %s to %s&rsquo;s to %s&rsquo;s."
                % (p1, a * k, thing, p2, b * k, p3, c * k, p1, thing, p2, p3))
    return single(stem, "%d:%d:%d" % (a, b, c), "R", marks=2, form=FORM_RATIO3)


@kind(TOPIC, SKILL)
def simplify_ratio(ctx):
    rng = ctx.rng
    a, b = coprime_pair(rng, 1, 9)
    k = rng.randint(2, 9)
    stem = para("Write the ratio <b>%d:%d</b> in its simplest form." % (a * k, b * k))
    return single(stem, "%d:%d" % (a, b), "R", form=FORM_RATIO)


@kind(TOPIC, SKILL)
def recipe_ratio(ctx):
    rng = ctx.rng
    a, b = coprime_pair(rng, 1, 6)
    k = rng.choice([25, 50, 100])
    x, y = rng.choice([("flour", "sugar"), ("oats", "raisins"), ("flour", "butter")])
    stem = para("A biscuit recipe uses %d g of %s and %d g of %s. What is the ratio of the mass of %s to the mass of %s?" % (a * k, x, b * k, y, x, y))
    return single(stem, "%d:%d" % (a, b), "R", form=FORM_RATIO)


@kind(TOPIC, SKILL)
def recipe_scaling(ctx):
    rng = ctx.rng
    people, want = rng.choice([(4, 6), (4, 10), (6, 9), (8, 12), (2, 5), (4, 2), (6, 3), (10, 4)])
    food, unit = rng.choice([("flour", "g"), ("sugar", "g"), ("milk", "ml"), ("butter", "g"), ("oats", "g")])
    amount = people * rng.choice([25, 30, 40, 50, 60, 75])
    value = Fraction(amount * want, people)
    if value.denominator != 1:
        return None
    stem = para("A recipe for %d people uses %d %s of %s. How much %s is needed for %d people?" % (people, amount, unit, food, food, want))
    return single(stem, key_number(value), "N", marks=2, unit=unit)


@kind(TOPIC, SKILL)
def map_scale(ctx):
    rng = ctx.rng
    km = rng.choice([2, 3, 5, 10, 20, 25])
    cm = rng.choice([2, 3, 4, 5, 6, 7, 8, 9, Decimal("1.5"), Decimal("2.5"), Decimal("3.5"), Decimal("4.5")])
    stem = para("On a map, 1 cm stands for %d km. Two villages are %s cm apart on the map. How far apart are they really?" % (km, key_number(cm)))
    return single(stem, key_number(cm * km), "N", unit="km")


@kind(TOPIC, SKILL)
def test_score_percent(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    out_of = rng.choice([20, 25, 50])
    score = rng.randint(out_of // 2, out_of - 1)
    test = rng.choice(["spelling test", "times-tables test", "science quiz", "mental maths test"])
    stem = para("%s scored %d out of %d in a %s. What percentage did %s score?" % (name, score, out_of, test, she))
    return single(stem, key_number(Fraction(score * 100, out_of)), "N", marks=2, unit="%")


@kind(TOPIC, SKILL)
def percent_of_pound_amount(ctx):
    rng = ctx.rng
    pounds_total = rng.choice([1, 2, 4, 5, 10])
    p = rng.choice([k for k in range(5, 100 * pounds_total, 5) if (k * 100) % (100 * pounds_total) == 0 and k < 100 * pounds_total])
    stem = para("What percentage of %s is %s?" % (pounds(pounds_total), pounds(Decimal(p) / 100)))
    return single(stem, key_number(Fraction(p * 100, 100 * pounds_total)), "N", unit="%")


@kind(TOPIC, SKILL)
def squash_mix(ctx):
    rng = ctx.rng
    water = rng.choice([3, 4, 5, 6, 9])
    squash = rng.choice([25, 40, 50, 75, 100, 150])
    drink = rng.choice(["Orange", "Lemon", "Blackcurrant"])
    stem = para("%s squash is mixed using 1 part squash to %d parts water. How much water is needed for %d ml of squash?" % (drink, water, squash))
    return single(stem, key_number(squash * water), "N", unit="ml")


@kind(TOPIC, SKILL)
def unit_price(ctx):
    rng = ctx.rng
    thing = rng.choice(["pens", "apples", "postcards", "bread rolls", "pencils"])
    n, m = rng.randint(3, 6), rng.randint(7, 12)
    each = price(rng, 20, 90, 5)
    stem = para("%d %s cost %s. How much do %d of the same %s cost?" % (n, thing, pounds(each * n), m, thing))
    return money_single(stem, each * m, marks=2)


@kind(TOPIC, SKILL)
def for_every(ctx):
    rng = ctx.rng
    a, b = coprime_pair(rng, 2, 5)
    k = rng.randint(3, 9)
    x, y = rng.choice([("roses", "tulips"), ("daisies", "poppies"), ("red flowers", "white flowers")])
    stem = para("In a flower bed there are %d %s for every %d %s. There are %d %s. How many %s are there?" % (a, x, b, y, a * k, x, y))
    return single(stem, key_number(b * k), "N", marks=2)


# Problems -----------------------------------------------------------------------------------------


@kind(TOPIC, PROBLEM)
def percent_do_not(ctx):
    rng = ctx.rng
    total = rng.choice([200, 240, 300, 360, 400, 450, 500])
    p = rng.choice([15, 20, 25, 30, 35, 40, 45, 60])
    if (total * p) % 100:
        return None
    habit = rng.choice(["walk to school", "have a packed lunch", "play a musical instrument", "belong to a sports club"])
    stem = para("A school has %d pupils. %d%% of them %s. How many pupils do <b>not</b> %s?" % (total, p, habit, habit))
    return single(stem, key_number(total - total * p // 100), "N", marks=2)


@kind(TOPIC, PROBLEM)
def survey_percent(ctx):
    rng = ctx.rng
    people = rng.choice([40, 50, 80, 120, 200, 250])
    p = rng.choice([10, 15, 20, 30, 35, 40, 45, 55])
    if (people * p) % 100:
        return None
    topic = rng.choice([("favourite fruit", "apples"), ("favourite season", "summer"), ("favourite pet", "dogs"), ("favourite sport", "swimming")])
    stem = para("In a survey of %d people, %d%% said their %s was %s. How many people said %s?" % (people, p, topic[0], topic[1], topic[1]))
    return single(stem, key_number(people * p // 100), "N")


@kind(TOPIC, PROBLEM)
def sale_price(ctx):
    rng = ctx.rng
    thing, low, high = rng.choice([("coat", 30, 90), ("pair of trainers", 30, 80), ("tennis racket", 20, 60), ("lamp", 15, 45),
                                   ("rucksack", 20, 50), ("scooter", 40, 100)])
    cost = rng.randint(low // 5, high // 5) * 5
    p = rng.choice([10, 20, 25, 30, 40, 50])
    off = Fraction(cost * p, 100)
    stem = para("A %s costs %s. In a sale everything is %d%% off. What is the sale price of the %s?" % (thing, pounds(cost), p, thing))
    return money_single(stem, Fraction(cost) - off, marks=2)


@kind(TOPIC, PROBLEM)
def price_rise(ctx):
    rng = ctx.rng
    what, low, high = rng.choice([("A bus ticket", 180, 320), ("A swimming lesson", 400, 800), ("A cinema ticket", 600, 1000),
                                  ("A loaf of bread", 120, 180), ("A comic", 200, 400)])
    fare = price(rng, low, high, 10)
    p = rng.choice([5, 10, 20, 25])
    new = fare + fare * p / 100
    if new * 100 != int(new * 100):
        return None
    stem = para("%s costs %s. The price goes up by %d%%. What is the new price?" % (what, pounds(fare), p))
    return money_single(stem, new, marks=2)


@kind(TOPIC, PROBLEM)
def paint_mix(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    a, b = coprime_pair(rng, 1, 5)
    k = rng.randint(2, 8)
    colours = rng.choice([("blue", "yellow", "green"), ("red", "white", "pink"), ("red", "yellow", "orange")])
    stem = para("To make %s paint, %s mixes %s and %s paint in the ratio %d:%d. %s uses %d pots of %s paint. "
                "How many pots of %s paint does %s use?" % (colours[2], name, colours[0], colours[1], a, b, she.capitalize(), b * k,
                                                            colours[1], colours[0], she))
    return single(stem, key_number(a * k), "N", marks=2)


@kind(TOPIC, PROBLEM)
def animals_in_ratio(ctx):
    rng = ctx.rng
    a, b = coprime_pair(rng, 1, 7)
    k = rng.randint(3, 12)
    x, y = rng.choice([("sheep", "cows"), ("hens", "ducks"), ("goats", "pigs")])
    stem = para("A farmer keeps %s and %s in the ratio %d:%d. She has %d animals of these two kinds. How many %s does she have?"
                % (x, y, a, b, (a + b) * k, x))
    return single(stem, key_number(a * k), "N", marks=2)


# Stories -----------------------------------------------------------------------------------


@kind(TOPIC, STORY)
def share_in_ratio(ctx):
    rng = ctx.rng
    (a, _, _, _), (b, _, _, _) = two_people(rng)
    x, y = coprime_pair(rng, 1, 7)
    unit = rng.randint(2, 12)
    total = (x + y) * unit
    pic = drawing.bar_model([(a, x, 0), (b, y, 0)])
    opening = para("%s and %s share %s in the ratio %d:%d." % (a, b, pounds(total), x, y)) + figure(0)
    more, less = (a, b) if x > y else (b, a)
    return story(opening, [ask_money("How much money does %s get?" % a, x * unit, marks=2),
                           ask_money("How much more money does %s get than %s?" % (more, less), abs(x - y) * unit)], [pic])


@kind(TOPIC, STORY)
def choir_ratio(ctx):
    rng = ctx.rng
    x, y = coprime_pair(rng, 2, 7)
    k = rng.randint(3, 8)
    pic = drawing.bar_model([("boys", x, 0), ("girls", y, 0)], question_row=1)
    opening = para("The ratio of boys to girls in a choir is %d:%d. There are %d boys in the choir." % (x, y, x * k)) + figure(0)
    return story(opening, [ask("How many girls are there?", key_number(y * k), marks=2),
                           ask("How many children are in the choir altogether?", key_number((x + y) * k))], [pic])


@kind(TOPIC, STORY)
def discount_story(ctx):
    rng = ctx.rng
    p = rng.choice([10, 15, 20, 25, 30, 40])
    thing, low, high = rng.choice([("bike", 120, 300), ("tent", 60, 200), ("telescope", 80, 250), ("keyboard", 60, 200),
                                   ("pair of roller skates", 30, 80)])
    cost = rng.randint(low // 5, high // 5) * 5
    off = Fraction(cost * p, 100)
    opening = para("A %s costs %s. In a sale the price is cut by %d%%." % (thing, pounds(cost), p))
    (name, she, _, _) = person(rng)
    return story(opening, [ask_money("How much money is taken off the price?", off),
                           ask_money("What is the sale price?", cost - off),
                           ask_money("%s buys two of them in the sale. How much does %s pay?" % (name, she), 2 * (cost - off), marks=2)])


@kind(TOPIC, STORY)
def cake_recipe_story(ctx):
    rng = ctx.rng
    butter, sugar = rng.choice([100, 150, 200, 250]), rng.choice([120, 160, 200, 240])
    serves = rng.choice([4, 8])
    more, fewer = (12, 2) if serves == 4 else (12, 4)
    opening = para("A cake for %d people needs %d g of butter and %d g of sugar." % (serves, butter, sugar))
    return story(opening, [ask("How much butter is needed for a cake for %d people?" % more, key_number(Fraction(butter * more, serves)), unit="g", marks=2),
                           ask("How much sugar is needed for a cake for %d people?" % fewer, key_number(Fraction(sugar * fewer, serves)), unit="g")])
