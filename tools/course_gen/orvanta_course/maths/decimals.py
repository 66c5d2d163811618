"""Decimals: place value, comparing and rounding, the four operations,
fractions as decimals and money, lengths and masses in decimals."""

from decimal import Decimal
from fractions import Fraction

from .. import drawing
from .kit import (FORM_FRACTION, MC, PROBLEM, SKILL, STORY, ask, ask_money, choice, figure, fraction, grown_up,
                       key_fraction, key_number, kind, money_single, para, person, pounds, price, round_to, shop_price, single,
                       story, two_people)

TOPIC = 3


def random_decimal(rng, low, high, places):
    scale = 10 ** places
    low_units = max(1, int(Decimal(str(low)) * scale))
    return Decimal(rng.randint(low_units, int(Decimal(str(high)) * scale))) / scale


# Multiple choice -------------------------------------------------------------------------


@kind(TOPIC, MC)
def mc_largest_decimal(ctx):
    rng = ctx.rng
    a, b = rng.randint(1, 9), rng.randint(1, 9)
    if a == b:
        return None
    texts = ["0.%d" % a, "0.0%d" % a, "0.%d%d" % (a, b), "0.%d0%d" % (a, b)]
    values = [Decimal(t) for t in texts]
    want = rng.choice(["largest", "smallest"])
    best = max(values) if want == "largest" else min(values)
    if values.count(best) > 1:
        return None
    correct = texts[values.index(best)]
    stem = para("Which decimal is the <b>%s</b>?" % want)
    return choice(rng, stem, correct, [t for t in texts if t != correct], numeric=False)


@kind(TOPIC, MC)
def mc_decimal_digit(ctx):
    rng = ctx.rng
    digits = rng.sample(range(1, 10), 4)
    text = "%d.%d%d%d" % tuple(digits)
    pos = rng.randint(1, 3)
    d = digits[pos]
    values = ["%d" % d, "0.%d" % d, "0.0%d" % d, "0.00%d" % d]
    stem = para("In <b>%s</b>, what is the value of the digit <b>%d</b>?" % (text, d))
    return choice(rng, stem, values[pos], [v for i, v in enumerate(values) if i != pos])


@kind(TOPIC, MC)
def mc_fraction_as_decimal(ctx):
    rng = ctx.rng
    d = rng.choice([2, 4, 5, 10, 20, 25])
    n = rng.randint(1, d - 1)
    f = Fraction(n, d)
    if f.denominator != d:
        return None
    correct = key_number(f)
    wrong = ["%d.%d" % (n, d), "0.%d%d" % (n, d), key_number(f / 10), key_number(f + Fraction(1, 10))]
    stem = para("Which decimal is equal to %s?" % fraction(n, d))
    return choice(rng, stem, correct, [w for w in wrong if w != correct])


@kind(TOPIC, MC)
def mc_round_decimal(ctx):
    rng = ctx.rng
    v = random_decimal(rng, 1, 30, 2)
    if v % Decimal("0.1") == 0:
        return None
    correct = round_to(v, 1)
    wrong = {v.quantize(Decimal("0.1"), rounding="ROUND_DOWN"), v.quantize(Decimal("0.1"), rounding="ROUND_UP"),
             round_to(v, 0), correct + Decimal("0.1"), correct - Decimal("0.1")}
    wrong.discard(correct)
    wrong = sorted(wrong)
    if len(wrong) < 3:
        return None
    stem = para("Round <b>%s</b> to 1 decimal place." % v)
    return choice(rng, stem, str(correct), [str(w) for w in rng.sample(wrong, 3)])


@kind(TOPIC, MC)
def mc_tenths_and_hundredths(ctx):
    rng = ctx.rng
    units, tenths, hundredths = rng.randint(0, 9), rng.randint(1, 9), rng.randint(1, 9)
    value = Decimal(units) + Decimal(tenths) / 10 + Decimal(hundredths) / 100
    stem = para("Which number has %d ones, %d tenths and %d hundredths?" % (units, tenths, hundredths))
    wrong = ["%d.%d%d" % (units, hundredths, tenths), "%d.0%d%d" % (units, tenths, hundredths), "%d%d.%d" % (units, tenths, hundredths)]
    return choice(rng, stem, key_number(value), wrong)


@kind(TOPIC, MC)
def mc_decimal_order(ctx):
    rng = ctx.rng
    whole = rng.randint(1, 9)
    a, b, c = rng.sample(range(1, 10), 3)
    values = [Decimal("%d.%d" % (whole, a)), Decimal("%d.%d%d" % (whole, b, c)), Decimal("%d.0%d" % (whole, c)),
              Decimal("%d.%d%d" % (whole, a, b))]
    if len(set(values)) < 4:
        return None
    ordered = sorted(values)
    correct = ", ".join(key_number(v) for v in ordered)
    wrong = [", ".join(key_number(v) for v in order) for order in
             (sorted(values, reverse=True), sorted(values, key=lambda v: len(str(v))), sorted(values, key=lambda v: str(v)[::-1]))]
    stem = para("Which list puts these numbers in order, <b>smallest first</b>?")
    return choice(rng, stem, correct, wrong, numeric=False)


@kind(TOPIC, MC)
def mc_money_total(ctx):
    rng = ctx.rng
    a, b, c = price(rng, 85, 195), price(rng, 225, 395), price(rng, 30, 65)
    total = a + b + c
    stem = para("%s buys a drink for %s, a sandwich for %s and an apple for %s. How much is that altogether?"
                % (person(rng)[0], pounds(a), pounds(b), pounds(c)))
    wrong = [total + Decimal("1"), total - Decimal("0.1"), total + Decimal("0.1"), total + Decimal("0.01") * 10 * 5]
    return choice(rng, stem, pounds(total), [pounds(w) for w in wrong if w > 0])


# Skills ----------------------------------------------------------------------------------


@kind(TOPIC, SKILL)
def add_decimals(ctx):
    rng = ctx.rng
    a, b = random_decimal(rng, 1, 80, rng.randint(1, 2)), random_decimal(rng, 1, 50, rng.randint(1, 3))
    return single(para("Calculate <b>%s + %s</b>." % (a, b)), key_number(a + b), "N")


@kind(TOPIC, SKILL)
def subtract_decimals(ctx):
    rng = ctx.rng
    a, b = random_decimal(rng, 10, 90, rng.randint(1, 2)), random_decimal(rng, 1, 9, rng.randint(1, 3))
    if rng.random() < 0.3:
        a = Decimal(rng.randint(5, 20))
    return single(para("What is <b>%s &minus; %s</b>?" % (a, b)), key_number(a - b), "N")


@kind(TOPIC, SKILL)
def multiply_decimal(ctx):
    rng = ctx.rng
    a, b = random_decimal(rng, 1, 50, rng.randint(1, 2)), rng.randint(3, 9)
    return single(para("Find the value of <b>%s &times; %d</b>." % (a, b)), key_number(a * b), "N")


@kind(TOPIC, SKILL)
def multiply_by_power(ctx):
    rng = ctx.rng
    a = random_decimal(rng, 0.01, 99, rng.randint(1, 3))
    p = rng.choice([10, 100, 1000])
    if rng.random() < 0.5:
        return single(para("Multiply <b>%s</b> by <b>%d</b>." % (a, p)), key_number(a * p), "N")
    return single(para("Divide <b>%s</b> by <b>%d</b>." % (a, p)), key_number(a / p), "N")


@kind(TOPIC, SKILL)
def divide_decimal(ctx):
    rng = ctx.rng
    b = rng.randint(2, 9)
    q = random_decimal(rng, 0.5, 20, rng.randint(1, 2))
    return single(para("Work out <b>%s &divide; %d</b>." % (q * b, b)), key_number(q), "N")


@kind(TOPIC, SKILL)
def round_decimal(ctx):
    rng = ctx.rng
    places = rng.choice([0, 1, 2])
    v = random_decimal(rng, 1, 99, places + rng.randint(1, 2))
    r = round_to(v, places)
    if r == v:
        return None
    where = {0: "the nearest whole number", 1: "1 decimal place", 2: "2 decimal places"}[places]
    return single(para("Round <b>%s</b> to %s." % (v, where)), str(r), "N")


@kind(TOPIC, SKILL)
def decimal_to_fraction(ctx):
    rng = ctx.rng
    v = Decimal(rng.choice([rng.randint(1, 9) * 5, rng.randint(1, 99)])) / 100
    f = Fraction(v)
    if f.denominator in (1, 100) and rng.random() < 0.7:
        return None
    stem = para("Write <b>%s</b> as a fraction." % key_number(v))
    return single(stem, key_fraction(f), "F", form=FORM_FRACTION)


@kind(TOPIC, SKILL)
def fraction_to_decimal(ctx):
    rng = ctx.rng
    d = rng.choice([2, 4, 5, 8, 20, 25, 50])
    n = rng.randint(1, d - 1)
    if Fraction(n, d).denominator != d:
        return None
    return single(para("Write %s as a decimal." % fraction(n, d)), key_number(Fraction(n, d)), "N")


@kind(TOPIC, SKILL)
def decimal_digit_value(ctx):
    rng = ctx.rng
    digits = rng.sample(range(1, 10), 4)
    text = "%d%d.%d%d" % tuple(digits)
    pos = rng.randint(0, 3)
    value = Decimal(digits[pos]) * Decimal(10) ** (1 - pos)
    stem = para("Write the value of the digit <b>%d</b> in <b>%s</b> as a number." % (digits[pos], text))
    return single(stem, key_number(value), "N")


@kind(TOPIC, SKILL)
def decimal_number_line(ctx):
    rng = ctx.rng
    start = Decimal(rng.randint(0, 9))
    step = rng.choice([Decimal("0.1"), Decimal("0.1"), Decimal("0.01")])
    if step == Decimal("0.01"):
        start = start + Decimal(rng.randint(0, 9)) / 10
    at = rng.choice([1, 2, 3, 4, 6, 7, 8, 9])
    labels = {0: key_number(start), 10: key_number(start + 10 * step)}
    pic = drawing.number_line(start, start + 10 * step, 10, labels, at)
    stem = para("The line is marked in equal steps. Which decimal does the arrow show?") + figure(0)
    return single(stem, key_number(start + at * step), "N", pictures=[pic])


@kind(TOPIC, SKILL)
def tenth_more(ctx):
    rng = ctx.rng
    v = random_decimal(rng, 1, 20, 2)
    step, word = rng.choice([(Decimal("0.1"), "0.1"), (Decimal("0.01"), "0.01")])
    if rng.random() < 0.5:
        stem = para("What number is <b>%s more</b> than <b>%s</b>?" % (word, v))
        return single(stem, key_number(v + step), "N")
    if v - step <= 0:
        return None
    stem = para("What number is <b>%s less</b> than <b>%s</b>?" % (word, v))
    return single(stem, key_number(v - step), "N")


@kind(TOPIC, SKILL)
def hundredths_in(ctx):
    rng = ctx.rng
    v = Decimal(rng.randint(11, 399)) / 100
    stem = para("How many hundredths make <b>%s</b>?" % key_number(v))
    return single(stem, key_number(v * 100), "N", unit="hundredths")


@kind(TOPIC, SKILL)
def pence_to_pounds(ctx):
    rng = ctx.rng
    p = rng.randint(105, 2995)
    stem = para("A money box holds %dp. How much is that in pounds?" % p)
    return single(stem, key_number(Decimal(p) / 100), "N", before="\u00a3")


# Problems ---------------------------------------------------------------------------------------


@kind(TOPIC, PROBLEM)
def bottles_of_water(ctx):
    rng = ctx.rng
    bottle = rng.choice([Decimal("0.5"), Decimal("0.75"), Decimal("1.5"), Decimal("2"), Decimal("0.33"), Decimal("1.25")])
    count = rng.randint(3, 9)
    stem = para("One bottle of water holds %s litres. How many litres do %d bottles hold?" % (key_number(bottle), count))
    return single(stem, key_number(bottle * count), "N", marks=2, unit="litres")


@kind(TOPIC, PROBLEM)
def books_mass(ctx):
    rng = ctx.rng
    each = Decimal(rng.randint(15, 95)) / 100
    count = rng.choice([4, 5, 6, 8])
    stem = para("A pile of %d copies of the same book has a mass of %s kg. What is the mass of one book?" % (count, key_number(each * count)))
    return single(stem, key_number(each), "N", marks=2, unit="kg")


@kind(TOPIC, PROBLEM)
def running_laps(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    lap = rng.choice([Decimal("0.4"), Decimal("0.25"), Decimal("1.2"), Decimal("0.8"), Decimal("1.5")])
    laps = rng.randint(3, 9)
    stem = para("One lap of the school field is %s km. %s runs %d laps. How far does %s run?" % (key_number(lap), name, laps, she))
    return single(stem, key_number(lap * laps), "N", unit="km")


@kind(TOPIC, PROBLEM)
def long_jump(ctx):
    rng = ctx.rng
    (a, _, _, _), (b, _, _, _) = two_people(rng)
    ja, jb = Decimal(rng.randint(180, 390)) / 100, Decimal(rng.randint(180, 390)) / 100
    if ja - jb < Decimal("0.05"):
        return None
    stem = para("At sports day %s jumped %s m in the long jump and %s jumped %s m. How much further did %s jump?" % (a, ja, b, jb, a))
    return single(stem, key_number(ja - jb), "N", unit="m")


@kind(TOPIC, PROBLEM)
def rainfall_week(ctx):
    rng = ctx.rng
    days = [Decimal(rng.randint(2, 95)) / 10 for _ in range(3)]
    stem = para("Rain fell on three days of one week: %s mm on Monday, %s mm on Wednesday and %s mm on Friday. "
                "How much rain fell in the week?" % tuple(key_number(d) for d in days))
    return single(stem, key_number(sum(days)), "N", unit="mm")


@kind(TOPIC, PROBLEM)
def ribbon_pieces(ctx):
    rng = ctx.rng
    pieces = rng.randint(3, 8)
    each = Decimal(rng.randint(12, 95)) / 100
    stem = para("A piece of string %s m long is cut into %d equal pieces. How long is each piece?" % (key_number(each * pieces), pieces))
    return single(stem, key_number(each), "N", marks=2, unit="m")


@kind(TOPIC, PROBLEM)
def parcels_total(ctx):
    rng = ctx.rng
    masses = [Decimal(rng.randint(3, 45)) / 10 for _ in range(3)]
    if len(set(masses)) < 3:
        return None
    stem = para("A post office weighs three parcels: %s kg, %s kg and %s kg. What is their total mass?" % tuple(key_number(m) for m in masses))
    return single(stem, key_number(sum(masses)), "N", unit="kg")


@kind(TOPIC, PROBLEM)
def race_times(ctx):
    rng = ctx.rng
    (a, _, _, _), (b, _, _, _) = two_people(rng)
    ta, tb = Decimal(rng.randint(1150, 1690)) / 100, Decimal(rng.randint(1150, 1690)) / 100
    if ta >= tb:
        return None
    stem = para("In a 100 m race %s took %s seconds and %s took %s seconds. How many seconds faster was %s?" % (a, ta, b, tb, a))
    return single(stem, key_number(tb - ta), "N", unit="seconds")


@kind(TOPIC, PROBLEM)
def glasses_from_bottle(ctx):
    rng = ctx.rng
    glass = rng.choice([Decimal("0.2"), Decimal("0.25"), Decimal("0.3")])
    count = rng.randint(3, 7)
    bottle = rng.choice([Decimal("1.5"), Decimal("2"), Decimal("2.5"), Decimal("3")])
    if glass * count >= bottle:
        return None
    stem = para("A jug holds %s litres of orange juice. %d glasses of %s litres each are poured from it. "
                "How much juice is left in the jug?" % (key_number(bottle), count, key_number(glass)))
    return single(stem, key_number(bottle - glass * count), "N", marks=2, unit="litres")


@kind(TOPIC, PROBLEM)
def fruit_by_weight(ctx):
    rng = ctx.rng
    per_kg = price(rng, 120, 380, 10)
    kg = rng.choice([2, 3, 4, 5, Decimal("0.5"), Decimal("1.5"), Decimal("2.5")])
    fruit = rng.choice(["apples", "bananas", "pears", "plums", "grapes"])
    stem = para("At the market %s cost %s per kilogram. How much do %s kg of %s cost?" % (fruit, pounds(per_kg), key_number(kg), fruit))
    return money_single(stem, per_kg * kg, marks=2)


@kind(TOPIC, PROBLEM)
def bus_fares(ctx):
    rng = ctx.rng
    (name, she, _, _) = grown_up(rng)
    fare = price(rng, 85, 290, 5)
    trips = rng.randint(4, 10)
    stem = para("A bus ticket costs %s. %s makes %d trips this week. How much does %s spend on bus tickets?" % (pounds(fare), name, trips, she))
    return money_single(stem, fare * trips)


@kind(TOPIC, PROBLEM)
def change_from_note(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    shops = [("a comic", 199, 450), ("a pack of football cards", 120, 350), ("a magazine", 250, 499), ("a yo-yo", 175, 399)]
    (a, lo, hi), (b, lo2, hi2) = rng.sample(shops, 2)
    pa, pb = shop_price(rng, lo, hi), shop_price(rng, lo2, hi2)
    note = 10 if pa + pb < 10 else 20
    stem = para("At the newsagent %s buys %s for %s and %s for %s. %s pays with a %s note. How much change does %s get?"
                % (name, a, pounds(pa), b, pounds(pb), she.capitalize(), pounds(note), she))
    return money_single(stem, note - pa - pb, marks=2)


# Stories ------------------------------------------------------------------------------------


@kind(TOPIC, STORY)
def school_shop_story(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    items = [("pencils", 25, 60), ("rubbers", 30, 75), ("notebooks", 90, 180), ("rulers", 45, 95), ("glue sticks", 65, 120)]
    (many, low, high) = rng.choice(items)
    each = price(rng, low, high)
    count = rng.randint(2, 6)
    extra = price(rng, 150, 450)
    total = each * count + extra
    note = 5 if total < 5 else (10 if total < 10 else 20)
    opening = para("At the school shop %s buys %d %s at %s each and a pencil case for %s." % (name, count, many, pounds(each), pounds(extra)))
    return story(opening, [ask_money("How much does %s spend altogether?" % she, total, marks=2),
                           ask_money("%s pays with a %s note. How much change does %s get?" % (she.capitalize(), pounds(note), she), note - total)])


@kind(TOPIC, STORY)
def baby_growth_story(ctx):
    rng = ctx.rng
    birth = Decimal(rng.randint(28, 42)) / 10
    gain = Decimal(rng.randint(12, 35)) / 10
    (name, she, _, her) = person(rng)
    opening = para("When %s was born %s had a mass of %s kg. At six months %s was %s kg heavier." % (name, she, key_number(birth), she, key_number(gain)))
    return story(opening, [ask("What was %s mass at six months?" % her, key_number(birth + gain), unit="kg"),
                           ask("How many grams did %s gain?" % she, key_number(gain * 1000), unit="g", marks=2)])


@kind(TOPIC, STORY)
def long_jump_story(ctx):
    rng = ctx.rng
    people = []
    while len(people) < 3:
        name = person(rng)[0]
        if name not in people:
            people.append(name)
    jumps = [Decimal(rng.randint(150, 320)) / 100 for _ in people]
    if len(set(jumps)) < 3:
        return None
    opening = para("Three friends had a long jump contest: %s jumped %s m, %s jumped %s m and %s jumped %s m."
                   % (people[0], jumps[0], people[1], jumps[1], people[2], jumps[2]))
    return story(opening, [ask("How much further was the longest jump than the shortest?", key_number(max(jumps) - min(jumps)), unit="m"),
                           ask("What is the total length of the three jumps?", key_number(sum(jumps)), unit="m"),
                           ask("How many centimetres further did %s jump than %s?" % ((people[0], people[1]) if jumps[0] > jumps[1] else (people[1], people[0])),
                               key_number(abs(jumps[0] - jumps[1]) * 100), unit="cm", marks=2)])


@kind(TOPIC, STORY)
def family_walk_story(ctx):
    rng = ctx.rng
    legs = [Decimal(rng.randint(12, 89)) / 10 for _ in range(2)]
    if legs[0] == legs[1]:
        return None
    opening = para("A family walks %s km in the morning and %s km in the afternoon." % tuple(key_number(x) for x in legs))
    return story(opening, [ask("How far do they walk altogether?", key_number(sum(legs)), unit="km"),
                           ask("How much further do they walk in the longer part of the day?", key_number(abs(legs[0] - legs[1])), unit="km", marks=2)])
