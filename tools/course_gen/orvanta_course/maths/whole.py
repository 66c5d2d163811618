"""Whole Numbers: place value, the four operations, rounding, factors,
multiples and primes, sequences, Roman numerals, negative numbers and the
first steps of algebra."""

import math
from decimal import Decimal
from itertools import permutations

from .. import drawing
from .kit import (MC, PROBLEM, SKILL, STORY, ask, ask_money, choice, grown_up, is_prime, key_number,
                       kind, money_single, number_words, para, person, pounds, question, round_to, show, show_all, single,
                       story, figure)

TOPIC = 1


# Multiple choice ----------------------------------------------------------------


@kind(TOPIC, MC)
def mc_digit_value(ctx):
    rng = ctx.rng
    digits = [rng.randint(1, 9)] + [rng.randint(0, 9) for _ in range(4)]
    pos = rng.randint(1, 4)
    d = digits[4 - pos]
    if d == 0 or digits.count(d) > 1:
        return None
    n = int("".join(map(str, digits)))
    wrong = [show(d * 10 ** p) for p in range(0, 5) if p != pos]
    rng.shuffle(wrong)
    stem = para("In the number <b>%s</b>, what is the value of the digit <b>%d</b>?" % (show(n), d))
    return choice(rng, stem, show(d * 10 ** pos), wrong)


@kind(TOPIC, MC)
def mc_factor(ctx):
    rng = ctx.rng
    n = rng.choice([24, 28, 30, 32, 36, 40, 42, 45, 48, 54, 56, 60, 63, 64, 72, 84, 90, 96])
    factors = [k for k in range(3, n) if n % k == 0]
    others = [k for k in range(3, min(n, 40)) if n % k != 0]
    if rng.random() < 0.5:
        stem = para("Which number is a factor of <b>%d</b>?" % n)
        return choice(rng, stem, str(rng.choice(factors)), [str(w) for w in rng.sample(others, 3)])
    if len(factors) < 3:
        return None
    stem = para("Which of these is <b>not</b> a factor of <b>%d</b>?" % n)
    return choice(rng, stem, str(rng.choice(others)), [str(w) for w in rng.sample(factors, 3)])


@kind(TOPIC, MC)
def mc_common_multiple(ctx):
    rng = ctx.rng
    a, b = rng.sample([3, 4, 5, 6, 8, 9, 10, 12], 2)
    lcm = a * b // math.gcd(a, b)
    if lcm > 60:
        return None
    correct = lcm * rng.randint(1, 2)
    wrong = sorted({k for k in range(2, 100) if (k % a == 0) != (k % b == 0) and abs(k - correct) < 30})
    if len(wrong) < 3:
        return None
    stem = para("Which number is a multiple of both <b>%d</b> and <b>%d</b>?" % (a, b))
    return choice(rng, stem, str(correct), [str(w) for w in rng.sample(wrong, 3)])


@kind(TOPIC, MC)
def mc_prime(ctx):
    rng = ctx.rng
    primes = [p for p in range(11, 100) if is_prime(p)]
    tricky = [21, 27, 33, 39, 49, 51, 57, 63, 69, 77, 81, 87, 91, 93]
    if rng.random() < 0.6:
        stem = para("Only one of these numbers is a <b>prime number</b>. Which one is it?")
        return choice(rng, stem, str(rng.choice(primes)), [str(w) for w in rng.sample(tricky, 3)])
    stem = para("Three of these numbers are prime. Which number is <b>not</b> prime?")
    return choice(rng, stem, str(rng.choice(tricky)), [str(w) for w in rng.sample(primes, 3)])


@kind(TOPIC, MC)
def mc_subtract(ctx):
    rng = ctx.rng
    a = rng.randint(300, 900) * 10 + rng.choice([0, 1, 2, 3, 4, 5])
    b = rng.randint(1000, a - 1000)
    if a % 10 >= b % 10:
        return None  # keep the exchange, where the usual slips happen
    correct = a - b
    wrong = [correct + 10, correct - 10, correct + 100, correct + 1000, correct - 100]
    rng.shuffle(wrong)
    stem = para("What is <b>%s &minus; %s</b>?" % (show(a), show(b)))
    return choice(rng, stem, show(correct), [show(w) for w in wrong if w > 0])


@kind(TOPIC, MC)
def mc_estimate(ctx):
    rng = ctx.rng
    a = rng.choice([x for x in range(102, 998) if x % 100 in range(1, 10) or x % 100 in range(91, 100)])
    b = rng.choice([x for x in range(11, 99) if x % 10 in (1, 2, 8, 9)])
    ra, rb = int(round_to(Decimal(a) / 100, 0)) * 100, int(round_to(Decimal(b) / 10, 0)) * 10
    correct = ra * rb
    wrong = [correct * 10, correct // 10, (ra + 100) * rb, ra * (rb + 10)]
    stem = para("Round each number first. Which is the best estimate of <b>%d &times; %d</b>?" % (a, b))
    return choice(rng, stem, show(correct), [show(w) for w in wrong[:1] + rng.sample(wrong[1:], 2)])


@kind(TOPIC, MC)
def mc_order_of_operations(ctx):
    rng = ctx.rng
    a, b, c = rng.randint(20, 60), rng.randint(2, 9), rng.randint(2, 9)
    if a <= b * c:
        return None
    d = rng.randint(2, 15)
    correct = a - b * c + d
    wrong = [(a - b) * c + d, a - b * (c + d), a - (b * c + d), correct + b]
    stem = para("What does <b>%d &minus; %d &times; %d + %d</b> equal?" % (a, b, c, d))
    return choice(rng, stem, str(correct), [str(w) for w in wrong if w >= 0 and w != correct])


@kind(TOPIC, MC)
def mc_square_number(ctx):
    rng = ctx.rng
    squares = [k * k for k in range(4, 13)]
    others = [n for n in range(15, 150) if int(n ** 0.5) ** 2 != n and n % 2 == 0 or n in (27, 45, 63, 72, 90, 125)]
    correct = rng.choice(squares)
    wrong = rng.sample([n for n in others if abs(n - correct) < 40], 3)
    stem = para("A square number is a whole number multiplied by itself. Which of these is a square number?")
    return choice(rng, stem, str(correct), [str(w) for w in wrong])


def celsius(n):
    return ("\u2212%d" % -n if n < 0 else "%d" % n) + "\u00b0C"


@kind(TOPIC, MC)
def mc_temperature(ctx):
    rng = ctx.rng
    start = -rng.randint(2, 9)
    rise = rng.randint(3, 12)
    if start + rise == 0 or -start == rise:
        return None
    place = rng.choice(["garden", "playground", "village", "car park"])
    end = start + rise
    stem = para("Early one morning the temperature in a %s was %s. By midday it was %d degrees warmer. "
                "What was the temperature at midday?" % (place, celsius(start), rise))
    wrong = [celsius(start - rise), celsius(-end), celsius(rise), celsius(end + 2)]
    return choice(rng, stem, celsius(end), [w for w in wrong if w != celsius(end)])


ROMAN = [(1000, "M"), (900, "CM"), (500, "D"), (400, "CD"), (100, "C"), (90, "XC"), (50, "L"), (40, "XL"),
         (10, "X"), (9, "IX"), (5, "V"), (4, "IV"), (1, "I")]


def roman(n):
    out = ""
    for value, letters in ROMAN:
        while n >= value:
            out += letters
            n -= value
    return out


@kind(TOPIC, MC)
def mc_roman(ctx):
    rng = ctx.rng
    n = rng.randint(14, 99)
    text = roman(n)
    if len(text) < 3:
        return None
    stem = para("Which number does the Roman numeral <b>%s</b> stand for?" % text)
    wrong = {n + 10, n - 10, n + 2, n - 2, n + 20}
    wrong.discard(n)
    return choice(rng, stem, str(n), [str(w) for w in sorted(wrong) if w > 0][:3])


@kind(TOPIC, MC)
def mc_greatest_number(ctx):
    rng = ctx.rng
    digits = rng.sample(range(0, 10), 4)
    if digits[0] == 0:
        return None
    head = rng.randint(10, 99)
    values = sorted({head * 1000 + int("".join(map(str, p))) for p in permutations(digits[1:])})
    if len(values) < 4:
        return None
    values = rng.sample(values, 4)
    want = rng.choice(["greatest", "smallest"])
    best = max(values) if want == "greatest" else min(values)
    stem = para("Which of these numbers is the <b>%s</b>?" % want)
    return choice(rng, stem, show(best), [show(v) for v in values if v != best], numeric=False)


@kind(TOPIC, MC)
def mc_rounded_from(ctx):
    rng = ctx.rng
    hundreds = rng.randint(12, 98) * 100
    correct = hundreds + rng.choice([-50, -40, -30, -20, 20, 30, 40, 49])
    wrong = [hundreds + 50, hundreds - 51, hundreds + 150, hundreds - 120, hundreds + 60]
    rng.shuffle(wrong)
    stem = para("A number rounded to the nearest hundred is <b>%s</b>. Which of these could the number be?" % show_all(hundreds))
    return choice(rng, stem, show_all(correct), [show_all(w) for w in wrong[:3]])


# Skills -----------------------------------------------------------------------------


@kind(TOPIC, SKILL)
def add_numbers(ctx):
    rng = ctx.rng
    a, b = rng.randint(10000, 60000), rng.randint(1000, 39999)
    return single(para("Add <b>%s</b> and <b>%s</b>." % (show(a), show(b))), key_number(a + b), "N")


@kind(TOPIC, SKILL)
def subtract_numbers(ctx):
    rng = ctx.rng
    a = rng.randint(20000, 90000)
    b = rng.randint(1000, a - 5000)
    return single(para("Subtract <b>%s</b> from <b>%s</b>." % (show(b), show(a))), key_number(a - b), "N")


@kind(TOPIC, SKILL)
def multiply_numbers(ctx):
    rng = ctx.rng
    if rng.random() < 0.5:
        a, b = rng.randint(1000, 9999), rng.randint(3, 9)
    else:
        a, b = rng.randint(100, 999), rng.randint(12, 48)
    return single(para("Multiply <b>%s</b> by <b>%d</b>." % (show(a), b)), key_number(a * b), "N")


@kind(TOPIC, SKILL)
def divide_numbers(ctx):
    rng = ctx.rng
    b = rng.choice([3, 4, 6, 7, 8, 9, 12, 15, 25])
    q = rng.randint(120, 1200)
    return single(para("Divide <b>%s</b> by <b>%d</b>." % (show(q * b), b)), key_number(q), "N")


@kind(TOPIC, SKILL)
def difference_between(ctx):
    rng = ctx.rng
    a, b = rng.randint(3000, 9999), rng.randint(1000, 8999)
    if a <= b:
        return None
    stem = para("What is the difference between <b>%s</b> and <b>%s</b>?" % (show(a), show(b)))
    return single(stem, key_number(a - b), "N")


@kind(TOPIC, SKILL)
def product_of(ctx):
    rng = ctx.rng
    a, b = rng.randint(13, 99), rng.randint(11, 35)
    return single(para("What is the product of <b>%d</b> and <b>%d</b>?" % (a, b)), key_number(a * b), "N")


@kind(TOPIC, SKILL)
def round_number(ctx):
    rng = ctx.rng
    n = rng.randint(10000, 99999)
    place = rng.choice([10, 100, 1000])
    if n % place == 0:
        return None
    rounded = int(round_to(Decimal(n) / place, 0)) * place
    name = {10: "ten", 100: "hundred", 1000: "thousand"}[place]
    return single(para("Round <b>%s</b> to the nearest %s." % (show(n), name)), key_number(rounded), "N")


@kind(TOPIC, SKILL)
def crowd_rounding(ctx):
    rng = ctx.rng
    n = rng.randint(12000, 89999)
    if n % 1000 == 0:
        return None
    event = rng.choice(["a football match", "a rugby match", "a concert", "a cricket match"])
    stem = para("%s people watched %s. What is this number rounded to the nearest thousand?" % (show(n), event))
    return single(stem, key_number(int(round_to(Decimal(n) / 1000, 0)) * 1000), "N")


@kind(TOPIC, SKILL)
def digit_value(ctx):
    rng = ctx.rng
    n = rng.randint(10000, 99999)
    s = str(n)
    pos = rng.randint(0, 4)
    d = int(s[pos])
    if d == 0 or s.count(s[pos]) > 1:
        return None
    stem = para("What is the value of the digit <b>%d</b> in <b>%s</b>?" % (d, show(n)))
    return single(stem, key_number(d * 10 ** (4 - pos)), "N")


@kind(TOPIC, SKILL)
def order_of_operations(ctx):
    rng = ctx.rng
    form = rng.randint(0, 2)
    if form == 0:
        a, b, c = rng.randint(2, 9), rng.randint(2, 9), rng.randint(2, 9)
        d = rng.randint(10, 50)
        text, value = "%d + %d &times; %d &minus; %d" % (d, a, b, c), d + a * b - c
    elif form == 1:
        b = rng.randint(2, 9)
        a = b * rng.randint(2, 12)
        c, e = rng.randint(2, 9), rng.randint(2, 5)
        text, value = "%d &divide; %d + %d &times; %d" % (a, b, c, e), a // b + c * e
    else:
        a, b, c = rng.randint(2, 9), rng.randint(2, 9), rng.randint(2, 6)
        text, value = "(%d + %d) &times; %d" % (a, b, c), (a + b) * c
    stem = para("Work out <b>%s</b>." % text) + para("Remember: brackets first, then multiply and divide, then add and subtract.")
    return single(stem, key_number(value), "N")


@kind(TOPIC, SKILL)
def number_pattern(ctx):
    rng = ctx.rng
    start, step = rng.randint(3, 60), rng.choice([3, 4, 6, 7, 8, 9, 11, 12, 15, 25])
    if rng.random() < 0.3:
        start += 6 * step
        step = -step
    terms = [start + i * step for i in range(5)]
    missing = rng.randint(1, 4)
    shown = [str(t) if i != missing else "?" for i, t in enumerate(terms)]
    stem = para("The numbers in this sequence change by the same amount each time. What is the missing number?") + para(
        "<b>%s</b>" % ", &nbsp;".join(shown))
    return single(stem, key_number(terms[missing]), "N")


@kind(TOPIC, SKILL)
def numerals_from_words(ctx):
    rng = ctx.rng
    n = rng.choice([rng.randint(10001, 99999), rng.randint(1, 99) * 1000 + rng.randint(1, 99),
                    rng.randint(1, 9) * 10000 + rng.randint(1, 9) * 100 + rng.randint(0, 9)])
    stem = para("Write this number in figures: <b>%s</b>" % number_words(n))
    return single(stem, key_number(n), "N")


@kind(TOPIC, SKILL)
def largest_from_digits(ctx):
    rng = ctx.rng
    digits = rng.sample(range(0, 10), 5)
    want = rng.choice(["largest", "smallest", "largest even", "smallest odd"])
    numbers = [int("".join(map(str, p))) for p in permutations(digits) if p[0] != 0]
    if "even" in want:
        numbers = [x for x in numbers if x % 2 == 0]
    if "odd" in want:
        numbers = [x for x in numbers if x % 2 == 1]
    if not numbers:
        return None
    value = max(numbers) if want.startswith("largest") else min(numbers)
    stem = para("Use each of these digits once: <b>%s</b>." % ", ".join(map(str, digits))) + para(
        "Make the <b>%s</b> 5-digit number you can." % want)
    return single(stem, key_number(value), "N")


@kind(TOPIC, SKILL)
def missing_factor(ctx):
    rng = ctx.rng
    a, b = rng.randint(12, 95), rng.randint(3, 9)
    stem = para("What number goes in the box?") + para("<b>%d &times; &#9633; = %s</b>" % (b, show(a * b)))
    return single(stem, key_number(a), "N")


@kind(TOPIC, SKILL)
def count_factors(ctx):
    rng = ctx.rng
    n = rng.choice([12, 16, 18, 20, 24, 28, 30, 32, 36, 40, 42, 45, 48, 50, 60, 64, 72, 80, 81, 100])
    count = sum(1 for k in range(1, n + 1) if n % k == 0)
    return single(para("How many factors does <b>%d</b> have? (Count 1 and %d too.)" % (n, n)), key_number(count), "N")


@kind(TOPIC, SKILL)
def whole_number_line(ctx):
    rng = ctx.rng
    step = rng.choice([10, 20, 25, 50, 100, 200, 250])
    start = rng.randint(0, 20) * step * 2
    at = rng.choice([1, 2, 3, 4, 6, 7, 8, 9])
    labels = {0: show(start), 10: show(start + 10 * step), 5: show(start + 5 * step)}
    pic = drawing.number_line(start, start + 10 * step, 10, labels, at)
    stem = para("What number is the arrow pointing to?") + figure(0)
    return single(stem, key_number(start + at * step), "N", pictures=[pic])


@kind(TOPIC, SKILL)
def roman_to_number(ctx):
    rng = ctx.rng
    n = rng.choice([rng.randint(14, 99), rng.randint(100, 1000), rng.randint(1900, 2030)])
    text = roman(n)
    if len(text) < 3:
        return None
    stem = para("A clock face, a book or a building can show a number in Roman numerals. "
                "Write <b>%s</b> in ordinary figures." % text)
    return single(stem, key_number(n), "N")


@kind(TOPIC, SKILL)
def square_or_cube(ctx):
    rng = ctx.rng
    if rng.random() < 0.6:
        n = rng.randint(6, 15)
        return single(para("Work out <b>%d</b> squared (%d&sup2;)." % (n, n)), key_number(n * n), "N")
    n = rng.randint(2, 10)
    return single(para("What is <b>%d</b> cubed (%d&sup3;)?" % (n, n)), key_number(n ** 3), "N")


@kind(TOPIC, SKILL)
def temperature_rise(ctx):
    rng = ctx.rng
    low, high = -rng.randint(2, 12), rng.randint(1, 14)
    town = rng.choice(["Aberdeen", "Inverness", "York", "Carlisle", "Durham", "Oban"])
    stem = para("At 6 am the temperature in %s was %s. At 2 pm it was %s. By how many degrees did the temperature rise?"
                % (town, celsius(low), celsius(high)))
    return single(stem, key_number(high - low), "N", unit="degrees")


@kind(TOPIC, SKILL)
def solve_equation(ctx):
    rng = ctx.rng
    letter = rng.choice("nmpkyw")
    a, x = rng.randint(3, 9), rng.randint(4, 15)
    b = rng.randint(2, 30)
    stem = para("If <b>%d<i>%s</i> + %d = %d</b>, what is the value of <i>%s</i>?" % (a, letter, b, a * x + b, letter))
    return single(stem, key_number(x), "N", marks=2)


@kind(TOPIC, SKILL)
def algebra_expression(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    letter = rng.choice("kmnpwy")
    a, b = rng.randint(2, 9), rng.randint(20, 95)
    item = rng.choice(["pen", "notebook", "ruler", "glue stick", "pencil sharpener"])
    stem = para("%s %s costs <i>%s</i> pence. %s buys %d of them and a rubber that costs %dp."
                % ("A", item, letter, name, a, b)) + para("Write an expression for the total cost in pence.")
    form = "Use the letter %s, like 4%s+30." % (letter, letter)
    keys = [";%d%s+%d" % (a, letter, b), "%d+%d%s" % (b, a, letter), "%d%s + %d" % (a, letter, b), "%d + %d%s" % (b, a, letter)]
    return single(stem, ";".join(keys), "M", marks=2, form=form)


@kind(TOPIC, SKILL)
def count_multiples(ctx):
    rng = ctx.rng
    k = rng.choice([6, 7, 8, 9, 11, 12])
    low = rng.randint(10, 40)
    high = low + rng.randint(30, 70)
    count = sum(1 for n in range(low + 1, high) if n % k == 0)
    stem = para("How many multiples of <b>%d</b> are there between <b>%d</b> and <b>%d</b>?" % (k, low, high))
    return single(stem, key_number(count), "N")


@kind(TOPIC, SKILL)
def lowest_common_multiple(ctx):
    rng = ctx.rng
    a, b = rng.sample([4, 6, 8, 9, 10, 12, 15], 2)
    lcm = a * b // math.gcd(a, b)
    if lcm == max(a, b) or lcm > 90:
        return None
    stem = para("What is the smallest number that is a multiple of both <b>%d</b> and <b>%d</b>?" % (a, b))
    return single(stem, key_number(lcm), "N")


@kind(TOPIC, SKILL)
def highest_common_factor(ctx):
    rng = ctx.rng
    g = rng.choice([4, 6, 8, 9, 12])
    a, b = g * rng.randint(2, 7), g * rng.randint(2, 7)
    if a == b or math.gcd(a, b) != g:
        return None
    stem = para("What is the largest number that is a factor of both <b>%d</b> and <b>%d</b>?" % (a, b))
    return single(stem, key_number(g), "N")


@kind(TOPIC, SKILL)
def think_of_a_number(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    x, a, b = rng.randint(4, 15), rng.randint(3, 9), rng.randint(2, 20)
    stem = para("%s thinks of a number. %s multiplies it by %d and then adds %d. The answer is %d. "
                "What number did %s think of?" % (name, she.capitalize(), a, b, a * x + b, she))
    return single(stem, key_number(x), "N", marks=2)


# Problems -----------------------------------------------------------------------------


@kind(TOPIC, PROBLEM)
def coaches_needed(ctx):
    rng = ctx.rng
    seats = rng.choice([33, 45, 49, 53, 57])
    pupils = rng.randint(3, 7) * seats + rng.randint(1, seats - 1)
    place = rng.choice(["a museum", "the seaside", "a castle", "a zoo", "a science centre"])
    stem = para("A school is taking %d pupils and teachers to %s. Each coach has %d seats. "
                "What is the smallest number of coaches the school needs?" % (pupils, place, seats))
    return single(stem, key_number(-(-pupils // seats)), "N", marks=2)


@kind(TOPIC, PROBLEM)
def egg_boxes(ctx):
    rng = ctx.rng
    box = rng.choice([6, 12, 30])
    boxes = rng.randint(20, 120) if box < 30 else rng.randint(8, 40)
    container = "trays" if box == 30 else "boxes"
    stem = para("A farm collects %s eggs in a week. The eggs are packed in %s of %d. How many %s are filled?"
                % (show_all(box * boxes), container, box, container))
    return single(stem, key_number(boxes), "N", marks=2)


@kind(TOPIC, PROBLEM)
def farm_legs(ctx):
    rng = ctx.rng
    four, two = rng.randint(5, 40), rng.randint(5, 60)
    a = rng.choice(["cows", "goats", "sheep", "pigs", "horses"])
    b = rng.choice(["hens", "ducks", "geese", "turkeys"])
    stem = para("On a farm there are %d %s and %d %s. How many legs do these animals have altogether?" % (four, a, two, b))
    return single(stem, key_number(4 * four + 2 * two), "N", marks=2)


@kind(TOPIC, PROBLEM)
def library_books(ctx):
    rng = ctx.rng
    books, bought, old = rng.randint(2000, 6000), rng.randint(120, 480), rng.randint(60, 290)
    stem = para("A school library had %s books. It bought %d new books and gave away %d old ones. "
                "How many books does the library have now?" % (show_all(books), bought, old))
    return single(stem, key_number(books + bought - old), "N", marks=2)


@kind(TOPIC, PROBLEM)
def weekend_crowds(ctx):
    rng = ctx.rng
    sat, sun = rng.randint(15000, 45000), rng.randint(12000, 40000)
    if sat <= sun:
        return None
    stem = para("On Saturday %s people visited a flower show. On Sunday %s people visited it. "
                "How many more people visited on Saturday than on Sunday?" % (show(sat), show(sun)))
    return single(stem, key_number(sat - sun), "N")


@kind(TOPIC, PROBLEM)
def cinema_seats(ctx):
    rng = ctx.rng
    rows, each = rng.randint(12, 28), rng.randint(16, 32)
    stem = para("A cinema has %d rows of seats with %d seats in each row. How many seats does the cinema have?" % (rows, each))
    return single(stem, key_number(rows * each), "N")


@kind(TOPIC, PROBLEM)
def play_tickets(ctx):
    rng = ctx.rng
    cost, sold = rng.choice([2, 3, 4, 5]), rng.randint(120, 380)
    stem = para("Tickets for the school play cost %s each. The school sold %d tickets. How much money did it take?"
                % (pounds(cost), sold))
    return money_single(stem, cost * sold)


MOUNTAINS = [("Ben Nevis", 1345), ("Snowdon", 1085), ("Scafell Pike", 978), ("Slieve Donard", 850), ("Ben Macdui", 1309),
             ("Helvellyn", 950)]


@kind(TOPIC, PROBLEM)
def mountain_heights(ctx):
    rng = ctx.rng
    (a, ha), (b, hb) = rng.sample(MOUNTAINS, 2)
    if ha < hb:
        (a, ha), (b, hb) = (b, hb), (a, ha)
    stem = para("The mountain %s is %s m high. The mountain %s is %s m high. How much higher is %s than %s?"
                % (a, show_all(ha), b, show_all(hb), a, b))
    return single(stem, key_number(ha - hb), "N", unit="m")


@kind(TOPIC, PROBLEM)
def grandparent_age(ctx):
    rng = ctx.rng
    who = rng.choice(["Grandma", "Grandad", "Nana", "Grandpa"])
    pronoun = "she" if who in ("Grandma", "Nana") else "he"
    born, year = rng.randint(1945, 1970), rng.randint(2018, 2025)
    stem = para("%s was born in %d. How old was %s on %s birthday in %d?" % (who, born, pronoun, "her" if pronoun == "she" else "his", year))
    return single(stem, key_number(year - born), "N", unit="years old")


@kind(TOPIC, PROBLEM)
def packs_to_buy(ctx):
    rng = ctx.rng
    thing, pack = rng.choice([("Pencils", 10), ("Glue sticks", 6), ("Exercise books", 20), ("Paintbrushes", 12),
                              ("Rulers", 15)])
    (name, she, _, _) = grown_up(rng)
    need = rng.randint(4, 25) * pack + rng.randint(1, pack - 1)
    stem = para("%s are sold in packs of %d. %s needs %d of them for the school. How many packs must %s buy?"
                % (thing, pack, name, need, she))
    return single(stem, key_number(-(-need // pack)), "N", marks=2)


@kind(TOPIC, PROBLEM)
def weeks_of_saving(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    weekly, weeks = rng.choice([2, 3, 4, 5, 6, 8]), rng.randint(6, 18)
    thing = rng.choice(["a skateboard", "a football kit", "a set of paints", "a tent", "a keyboard"])
    stem = para("%s wants to buy %s that costs %s. %s saves %s every week. How many weeks will it take %s to save enough?"
                % (name, thing, pounds(weekly * weeks), she.capitalize(), pounds(weekly), "her" if she == "she" else "him"))
    return single(stem, key_number(weeks), "N", unit="weeks")


@kind(TOPIC, PROBLEM)
def school_classes(ctx):
    rng = ctx.rng
    a, sa = rng.randint(4, 9), rng.randint(26, 31)
    b, sb = rng.randint(2, 5), rng.randint(24, 32)
    if sa == sb:
        return None
    stem = para("A primary school has %d classes of %d pupils and %d classes of %d pupils. "
                "How many pupils are there in the school?" % (a, sa, b, sb))
    return single(stem, key_number(a * sa + b * sb), "N", marks=2)


@kind(TOPIC, PROBLEM)
def lorry_driver(ctx):
    rng = ctx.rng
    (name, she, _, _) = grown_up(rng)
    days = sorted(rng.sample(range(4), 3))
    days = [["Monday", "Tuesday", "Wednesday", "Thursday"][d] for d in days]
    miles = [rng.randint(120, 460) for _ in days]
    stem = para("A lorry driver, %s, drove %d km on %s, %d km on %s and %d km on %s. How far did %s drive altogether?"
                % (name, miles[0], days[0], miles[1], days[1], miles[2], days[2], she))
    return single(stem, key_number(sum(miles)), "N", unit="km")


@kind(TOPIC, PROBLEM)
def town_population(ctx):
    rng = ctx.rng
    old, new = rng.randint(20000, 60000), rng.randint(20000, 70000)
    if new <= old:
        return None
    stem = para("The population of a town was %s in 2001 and %s in 2021. By how much did the population grow?" % (show(old), show(new)))
    return single(stem, key_number(new - old), "N")


@kind(TOPIC, PROBLEM)
def charity_money(ctx):
    rng = ctx.rng
    year = rng.randint(3, 6)
    a, b = rng.randint(120, 480), rng.randint(90, 390)
    events = rng.sample(["a cake sale", "a sponsored walk", "a talent show", "a book sale", "a disco"], 2)
    stem = para("Year %d raised %s at %s and %s at %s for charity. How much did they raise altogether?"
                % (year, pounds(a), events[0], pounds(b), events[1]))
    return money_single(stem, a + b)


@kind(TOPIC, PROBLEM)
def reading_days(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    per_day, days = rng.choice([12, 15, 18, 20, 24, 25]), rng.randint(9, 21)
    stem = para("A book has %d pages. %s reads %d pages every day. How many days does it take %s to read the whole book?"
                % (per_day * days, name, per_day, "her" if she == "she" else "him"))
    return single(stem, key_number(days), "N", unit="days")


@kind(TOPIC, PROBLEM)
def bakery_trays(ctx):
    rng = ctx.rng
    per_tray, trays = rng.choice([12, 16, 20, 24]), rng.randint(8, 20)
    sold = rng.randint(per_tray * trays // 2, per_tray * trays - 10)
    bake = rng.choice(["bread rolls", "scones", "cupcakes", "buns"])
    stem = para("A baker puts %d %s on each tray and bakes %d trays. She sells %d of them. How many are left?"
                % (per_tray, bake, trays, sold))
    return single(stem, key_number(per_tray * trays - sold), "N", marks=2)


@kind(TOPIC, PROBLEM)
def milk_crates(ctx):
    rng = ctx.rng
    per, crates = rng.choice([12, 20, 24]), rng.randint(15, 48)
    stem = para("A crate holds %d bottles of milk. How many bottles are there in %d crates?" % (per, crates))
    return single(stem, key_number(per * crates), "N")


@kind(TOPIC, PROBLEM)
def bulb_rows(ctx):
    rng = ctx.rng
    (name, she, _, _) = grown_up(rng)
    rows, each = rng.randint(12, 30), rng.randint(14, 36)
    flower = rng.choice(["tulip", "daffodil", "crocus", "onion"])
    stem = para("%s plants %d rows of %s bulbs with %d bulbs in each row. How many bulbs does %s plant?"
                % (name, rows, flower, each, she))
    return single(stem, key_number(rows * each), "N")


@kind(TOPIC, PROBLEM)
def stamps_left_over(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    k, each, left = rng.randint(4, 9), rng.randint(12, 40), 0
    left = rng.randint(1, k - 1)
    thing = rng.choice(["stickers", "marbles", "football cards", "beads"])
    stem = para("%s has %d %s and puts them into %d equal piles, as many in each pile as possible. "
                "How many %s are left over?" % (name, k * each + left, thing, k, thing))
    return single(stem, key_number(left), "N")


# Stories of several parts ---------------------------------------------------------------


@kind(TOPIC, STORY)
def share_with_remainder(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    k, each = rng.randint(4, 9), rng.randint(12, 60)
    left = rng.randint(1, k - 1)
    thing = rng.choice(["stickers", "marbles", "sweets", "beads", "stamps"])
    opening = para("%s shares %d %s equally among %d friends. Each friend gets as many as possible." % (name, k * each + left, thing, k))
    return story(opening, [ask("How many %s does each friend get?" % thing, key_number(each), marks=2),
                           ask("How many %s are left over?" % thing, key_number(left))])


@kind(TOPIC, STORY)
def savings_story(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    weekly, weeks = rng.randint(2, 9), rng.randint(6, 20)
    total = weekly * weeks
    spent = rng.randint(total // 4, total - 5)
    thing = rng.choice(["a bicycle helmet", "a box of books", "a football", "a board game", "a watch"])
    opening = para("For %d weeks, %s saves %s each week." % (weeks, name, pounds(weekly)))
    return story(opening, [ask_money("How much money does %s save altogether?" % she, total),
                           ask_money("%s then spends %s on %s. How much money is left?" % (she.capitalize(), pounds(spent), thing),
                                     total - spent, marks=2)])


@kind(TOPIC, STORY)
def egg_packing_story(ctx):
    rng = ctx.rng
    box = rng.choice([6, 10, 12])
    full, left = rng.randint(20, 90), rng.randint(1, box - 1)
    opening = para("A farmer packs %d eggs into boxes of %d." % (full * box + left, box))
    return story(opening, [ask("How many boxes can she fill?", key_number(full), marks=2),
                           ask("How many eggs are left over?", key_number(left))])


@kind(TOPIC, STORY)
def coach_trip_story(ctx):
    rng = ctx.rng
    seats, cost = rng.choice([45, 49, 53]), rng.choice([180, 220, 250, 275, 300])
    pupils = rng.randint(2, 5) * seats + rng.randint(1, seats - 1)
    coaches = -(-pupils // seats)
    opening = para("%d pupils are going to a wildlife park. Each coach has %d seats and costs %s to hire for the day."
                   % (pupils, seats, pounds(cost)))
    return story(opening, [ask("How many coaches are needed?", key_number(coaches), marks=2),
                           ask_money("How much does it cost to hire the coaches?", coaches * cost)])


@kind(TOPIC, STORY)
def cinema_story(ctx):
    rng = ctx.rng
    rows, each, price = rng.randint(10, 18), rng.randint(16, 24), rng.choice([5, 6, 7, 8])
    seats = rows * each
    sold = rng.randint(seats // 2, seats - 5)
    opening = para("A small cinema has %d rows with %d seats in each row. On Friday evening %d tickets were sold at %s each."
                   % (rows, each, sold, pounds(price)))
    return story(opening, [ask("How many seats does the cinema have?", key_number(seats)),
                           ask("How many seats were empty on Friday evening?", key_number(seats - sold)),
                           ask_money("How much money did the tickets bring in?", sold * price, marks=2)])
