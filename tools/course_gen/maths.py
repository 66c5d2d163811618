"""Mathematics: every answer is computed here from the numbers the question
shows (fractions with fractions.Fraction, decimals with decimal.Decimal), never
typed in by hand."""

import math
from decimal import ROUND_HALF_UP, Decimal
from fractions import Fraction

import drawing
from model import Exhausted, Part, Question
from names import person, two_people
from page import answer_line, esc, figure, fraction, instruction, options, para, part

SUBJECT = "Mathematics"
TOPICS = ["Whole Numbers", "Fractions", "Decimals", "Ratio and Percentage",
          "Measurement", "Geometry and Data", "Mock Examination"]

FORM_FRACTION = "Give your answer as a fraction in its simplest form, like 3/8."
FORM_IMPROPER = "Give your answer as an improper fraction, like 11/4."
FORM_MIXED = "Give your answer as a mixed number, like 2 3/4 (a space after the whole number)."
FORM_RATIO = "Write the ratio in its simplest form, like 3:5."
CHOOSE = "Choose the correct answer. Write its number (1, 2, 3 or 4) in the answer box."


# Numbers as keys and as text ---------------------------------------------


def key_number(value):
    """A plain decimal number: no thousands separators, no trailing zeros."""
    if isinstance(value, Fraction):
        d = value.denominator
        while d % 2 == 0:
            d //= 2
        while d % 5 == 0:
            d //= 5
        if d != 1:
            raise ValueError("%s has no exact decimal form" % value)
        value = Decimal(value.numerator) / Decimal(value.denominator)
    text = format(Decimal(value).normalize(), "f")
    return "0" if text == "-0" else text


def key_fraction(value):
    return "%d/%d" % (value.numerator, value.denominator)


def key_mixed(value):
    whole, rest = divmod(value.numerator, value.denominator)
    return "%d %d/%d" % (whole, rest, value.denominator)


def show(value):
    """A number as printed in a question: thousands grouped with commas from 10,000."""
    text = key_number(value)
    whole, _, decimals = text.partition(".")
    if len(whole.lstrip("-")) >= 5:
        whole = "{:,}".format(int(whole))
    return whole + ("." + decimals if decimals else "")


def money(value):
    return "$" + format(Decimal(value).quantize(Decimal("0.01")), "f")


def frac(value):
    return fraction(value.numerator, value.denominator)


def mixed(value):
    whole, rest = divmod(value.numerator, value.denominator)
    if rest == 0:
        return str(whole)
    return "%d%s" % (whole, fraction(rest, value.denominator)) if whole else fraction(rest, value.denominator)


def dec(text):
    return Decimal(text)


def round_to(value, places):
    return Decimal(value).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)


def number_words(n):
    """British English number names, for example 40060 -> "forty thousand and sixty"."""
    ones = ["", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
            "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen",
            "eighteen", "nineteen"]
    tens = ["", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"]

    def below_hundred(k):
        if k < 20:
            return ones[k]
        return tens[k // 10] + ("-" + ones[k % 10] if k % 10 else "")

    def below_thousand(k):
        hundreds, rest = divmod(k, 100)
        words = []
        if hundreds:
            words.append(ones[hundreds] + " hundred")
        if rest:
            words.append(("and " if hundreds else "") + below_hundred(rest))
        return " ".join(words)

    thousands, rest = divmod(n, 1000)
    words = []
    if thousands:
        words.append(below_thousand(thousands) + " thousand")
    if rest:
        words.append(("and " if thousands and rest < 100 else "") + below_thousand(rest))
    return " ".join(words) if words else "zero"


# Question makers -----------------------------------------------------------


def question(body, parts, pictures=None, kind=""):
    return Question(body=body, parts=parts, pictures=pictures or [], kind=kind)


def choice(rng, stem, correct, wrong, marks=1, pictures=None, kind="", numeric=True, intro=CHOOSE):
    """A multiple-choice question; numeric options stand in ascending order."""
    seen = [correct]
    for w in wrong:
        if w not in seen:
            seen.append(w)
    if len(seen) < 4:
        return None
    opts = seen[:4]
    if numeric:
        opts.sort(key=lambda text: Fraction(text.replace(",", "").replace("$", "")))
    else:
        rng.shuffle(opts)
    body = instruction(intro) + stem + options(opts)
    return question(body, [Part(str(opts.index(correct) + 1), "Q", marks)], pictures, kind)


def single(stem, key, type_letter, marks=1, unit="", form="", pictures=None, kind=""):
    body = stem + answer_line(None, unit, form)
    return question(body, [Part(key, type_letter, marks)], pictures, kind)


KINDS = {}


def kind(parts=1):
    def register(fn):
        fn.parts = parts
        KINDS[fn.__name__] = fn
        return fn

    return register


def near_wrong(rng, correct, spread, count=3, minimum=0):
    out = []
    tries = 0
    while len(out) < count and tries < 100:
        tries += 1
        w = correct + rng.choice([-1, 1]) * rng.randint(1, spread)
        if w != correct and w >= minimum and w not in out:
            out.append(w)
    return out


# Whole numbers --------------------------------------------------------------

PLACE_NAMES = ["ones", "tens", "hundreds", "thousands", "ten thousands"]


@kind()
def mc_digit_value(ctx):
    rng = ctx.rng
    digits = [rng.randint(1, 9)] + [rng.randint(0, 9) for _ in range(4)]
    pos = rng.randint(1, 4)
    idx = 4 - pos
    if digits[idx] == 0 or digits.count(digits[idx]) > 1:
        return None
    n = int("".join(map(str, digits)))
    d = digits[idx]
    correct = show(d * 10 ** pos)
    wrong = [show(d * 10 ** p) for p in range(0, 5) if p != pos]
    rng.shuffle(wrong)
    stem = para("In the number <b>%s</b>, what is the value of the digit <b>%d</b>?" % (show(n), d))
    return choice(rng, stem, correct, wrong, kind="digit value")


@kind()
def mc_factor(ctx):
    rng = ctx.rng
    n = rng.choice([12, 16, 18, 20, 24, 28, 30, 32, 36, 40, 42, 45, 48, 54, 56, 60, 63, 64, 72, 84, 90, 96])
    factors = [k for k in range(3, n) if n % k == 0]
    others = [k for k in range(3, min(n, 40)) if n % k != 0]
    if rng.random() < 0.5:
        correct = rng.choice(factors)
        wrong = rng.sample(others, 3)
        stem = para("Which of these numbers is a factor of <b>%d</b>?" % n)
    else:
        correct = rng.choice(others)
        wrong = rng.sample(factors, 3) if len(factors) >= 3 else []
        stem = para("Which of these numbers is <b>not</b> a factor of <b>%d</b>?" % n)
    return choice(rng, stem, str(correct), [str(w) for w in wrong], kind="factor")


@kind()
def mc_common_multiple(ctx):
    rng = ctx.rng
    a, b = rng.sample([3, 4, 5, 6, 8, 9, 10, 12], 2)
    lcm = a * b // math.gcd(a, b)
    if lcm > 60:
        return None
    correct = lcm * rng.randint(1, 2)
    wrong = set()
    for k in range(2, 100):
        if (k % a == 0) != (k % b == 0) and abs(k - correct) < 30:
            wrong.add(k)
    wrong = sorted(wrong)
    if len(wrong) < 3:
        return None
    stem = para("Which of these is a common multiple of <b>%d</b> and <b>%d</b>?" % (a, b))
    return choice(rng, stem, str(correct), [str(w) for w in rng.sample(wrong, 3)], kind="multiple")


def is_prime(n):
    return n > 1 and all(n % k for k in range(2, int(n ** 0.5) + 1))


@kind()
def mc_prime(ctx):
    rng = ctx.rng
    primes = [p for p in range(11, 100) if is_prime(p)]
    tricky = [21, 27, 33, 39, 49, 51, 57, 63, 69, 77, 81, 87, 91, 93, 99]
    if rng.random() < 0.6:
        stem = para("Which of these numbers is a <b>prime number</b>?")
        return choice(rng, stem, str(rng.choice(primes)), [str(w) for w in rng.sample(tricky, 3)], kind="prime")
    stem = para("Which of these numbers is <b>not</b> a prime number?")
    return choice(rng, stem, str(rng.choice(tricky)), [str(w) for w in rng.sample(primes, 3)], kind="prime")


@kind()
def mc_subtract(ctx):
    rng = ctx.rng
    a = rng.randint(3000, 9000) // 10 * 10 + rng.choice([0, 1, 2, 3, 4, 5])
    b = rng.randint(1000, a - 1000)
    if a % 10 >= b % 10:
        return None  # keep the borrowing, where the usual slips happen
    correct = a - b
    wrong = [correct + 10, correct - 10, correct + 100, correct + 1000, correct - 100]
    wrong = [w for w in wrong if w > 0]
    rng.shuffle(wrong)
    stem = para("What is <b>%s &minus; %s</b>?" % (show(a), show(b)))
    return choice(rng, stem, show(correct), [show(w) for w in wrong], kind="subtract")


@kind()
def mc_estimate(ctx):
    rng = ctx.rng
    a = rng.choice([x for x in range(102, 998) if x % 100 in range(1, 10) or x % 100 in range(91, 100)])
    b = rng.choice([x for x in range(11, 99) if x % 10 in (1, 2, 8, 9)])
    ra, rb = int(round_to(Decimal(a) / 100, 0)) * 100, int(round_to(Decimal(b) / 10, 0)) * 10
    correct = ra * rb
    wrong = [correct * 10, correct // 10, (ra + 100) * rb, ra * (rb + 10)]
    stem = para("Round each number first. Which is the best estimate of <b>%d &times; %d</b>?" % (a, b))
    return choice(rng, stem, show(correct), [show(w) for w in wrong[:1] + rng.sample(wrong[1:], 2)], kind="estimate")


@kind()
def mc_order_of_operations(ctx):
    rng = ctx.rng
    a, b, c = rng.randint(20, 60), rng.randint(2, 9), rng.randint(2, 9)
    if a <= b * c:
        return None
    d = rng.randint(2, 15)
    correct = a - b * c + d
    wrong = [(a - b) * c + d, a - b * (c + d), a - (b * c + d), correct + b]
    wrong = [w for w in wrong if w >= 0 and w != correct]
    stem = para("What is the value of <b>%d &minus; %d &times; %d + %d</b>?" % (a, b, c, d))
    return choice(rng, stem, str(correct), [str(w) for w in wrong], kind="order of operations")


@kind()
def add_numbers(ctx):
    rng = ctx.rng
    a, b = rng.randint(10000, 60000), rng.randint(1000, 39999)
    return single(para("Add: <b>%s + %s</b> = ?" % (show(a), show(b))), key_number(a + b), "N", kind="add")


@kind()
def subtract_numbers(ctx):
    rng = ctx.rng
    a = rng.randint(20000, 90000)
    b = rng.randint(1000, a - 5000)
    return single(para("Subtract: <b>%s &minus; %s</b> = ?" % (show(a), show(b))), key_number(a - b), "N", kind="subtract")


@kind()
def multiply_numbers(ctx):
    rng = ctx.rng
    if rng.random() < 0.5:
        a, b = rng.randint(1000, 9999), rng.randint(3, 9)
    else:
        a, b = rng.randint(100, 999), rng.randint(12, 48)
    return single(para("Multiply: <b>%s &times; %d</b> = ?" % (show(a), b)), key_number(a * b), "N", kind="multiply")


@kind()
def divide_numbers(ctx):
    rng = ctx.rng
    b = rng.choice([3, 4, 6, 7, 8, 9, 12, 15, 25])
    q = rng.randint(120, 1200)
    return single(para("Divide: <b>%s &divide; %d</b> = ?" % (show(q * b), b)), key_number(q), "N", kind="divide")


@kind()
def round_number(ctx):
    rng = ctx.rng
    n = rng.randint(10000, 99999)
    place = rng.choice([10, 100, 1000])
    rounded = int(round_to(Decimal(n) / place, 0)) * place
    if n % place == 0:
        return None
    name = {10: "ten", 100: "hundred", 1000: "thousand"}[place]
    return single(para("Round <b>%s</b> to the nearest %s." % (show(n), name)), key_number(rounded), "N", kind="rounding")


@kind()
def digit_value(ctx):
    rng = ctx.rng
    n = rng.randint(10000, 99999)
    s = str(n)
    pos = rng.randint(0, 4)
    d = int(s[pos])
    if d == 0 or s.count(s[pos]) > 1:
        return None
    value = d * 10 ** (4 - pos)
    stem = para("What is the value of the digit <b>%d</b> in <b>%s</b>?" % (d, show(n)))
    return single(stem, key_number(value), "N", kind="digit value")


@kind()
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
    return single(para("Work out <b>%s</b>." % text), key_number(value), "N", kind="order of operations")


@kind()
def number_pattern(ctx):
    rng = ctx.rng
    start, step = rng.randint(3, 60), rng.choice([3, 4, 6, 7, 8, 9, 11, 12, 15, 25])
    down = rng.random() < 0.3
    if down:
        start += 6 * step
        step = -step
    terms = [start + i * step for i in range(5)]
    missing = rng.randint(1, 4)
    shown = [str(t) if i != missing else "?" for i, t in enumerate(terms)]
    stem = para("What is the missing number in this pattern?") + para("<b>%s</b>" % ", &nbsp;".join(shown))
    return single(stem, key_number(terms[missing]), "N", kind="pattern")


@kind()
def numerals_from_words(ctx):
    rng = ctx.rng
    n = rng.choice([rng.randint(10001, 99999), rng.randint(1, 99) * 1000 + rng.randint(1, 99),
                    rng.randint(1, 9) * 10000 + rng.randint(1, 9) * 100 + rng.randint(0, 9)])
    stem = para("Write in numerals: <b>%s</b>" % number_words(n))
    return single(stem, key_number(n), "N", kind="numerals")


@kind()
def largest_from_digits(ctx):
    rng = ctx.rng
    digits = rng.sample(range(0, 10), 5)
    want = rng.choice(["largest", "smallest", "largest even", "smallest odd"])
    from itertools import permutations

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
    return single(stem, key_number(value), "N", kind="digits")


@kind()
def missing_factor(ctx):
    rng = ctx.rng
    a, b = rng.randint(12, 95), rng.randint(3, 9)
    stem = para("What number goes in the box?") + para("<b>%d &times; &#9633; = %s</b>" % (b, show(a * b)))
    return single(stem, key_number(a), "N", kind="missing number")


@kind()
def count_factors(ctx):
    rng = ctx.rng
    n = rng.choice([12, 16, 18, 20, 24, 28, 30, 32, 36, 40, 42, 45, 48, 50, 60, 64, 72, 80, 81, 100])
    count = sum(1 for k in range(1, n + 1) if n % k == 0)
    return single(para("How many factors does <b>%d</b> have? (Count 1 and %d too.)" % (n, n)), key_number(count), "N", kind="factors")


@kind()
def whole_number_line(ctx):
    rng = ctx.rng
    step = rng.choice([10, 20, 25, 50, 100, 200, 250])
    start = rng.randint(0, 20) * step * 2
    intervals = 10
    at = rng.choice([i for i in range(1, intervals) if i not in (5,)])
    labels = {0: show(start), intervals: show(start + intervals * step), 5: show(start + 5 * step)}
    pic = drawing.number_line(start, start + intervals * step, intervals, labels, at)
    stem = para("What number is the arrow pointing to?") + figure(0)
    return single(stem, key_number(start + at * step), "N", pictures=[pic], kind="number line")


@kind()
def algebra_expression(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    letter = rng.choice("kmnpwy")
    a, b = rng.randint(2, 9), rng.randint(2, 12)
    item = rng.choice(["pen", "notebook", "ruler", "eraser"])
    stem = para("%s %s costs <i>%s</i> dollars. %s buys %d %ss and a bag that costs $%d."
                % ("An" if item[0] in "aeiou" else "A", item, letter, name, a, item, b)) + para(
        "Write an expression for the amount %s spends, in dollars." % she)
    form = "Write it without spaces, like 4k+1."
    keys = [";%d%s+%d" % (a, letter, b), "%d+%d%s" % (b, a, letter), "%d%s + %d" % (a, letter, b), "%d + %d%s" % (b, a, letter)]
    return single(stem, ";".join(keys), "M", marks=2, form=form, kind="algebra")


@kind(parts=2)
def share_with_remainder(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    k = rng.randint(4, 9)
    each = rng.randint(12, 60)
    left = rng.randint(1, k - 1)
    total = k * each + left
    thing = rng.choice(["stickers", "marbles", "sweets", "beads", "stamps"])
    stem = para("%s shares %d %s equally among %d friends. Each friend gets as many as possible." % (name, total, thing, k))
    body = stem + part(0, "How many %s does each friend get?" % thing) + answer_line(0) + part(
        1, "How many %s are left over?" % thing) + answer_line(1)
    return question(body, [Part(key_number(each), "N", 2), Part(key_number(left), "N", 1)], kind="remainder")


@kind()
def buses_needed(ctx):
    rng = ctx.rng
    seats = rng.choice([24, 30, 36, 40, 45, 48])
    pupils = rng.randint(5, 12) * seats + rng.randint(1, seats - 1)
    stem = para("%s pupils are going on a school trip. Each bus can carry %d pupils. "
                "What is the smallest number of buses needed?" % (show(pupils), seats))
    return single(stem, key_number(-(-pupils // seats)), "N", marks=3, kind="buses")


@kind()
def legs_problem(ctx):
    rng = ctx.rng
    cows, hens = rng.randint(5, 40), rng.randint(5, 60)
    a = rng.choice(["cows", "goats", "sheep", "pigs"])
    b = rng.choice(["hens", "ducks", "geese"])
    stem = para("A farm has %d %s and %d %s. How many legs do these animals have altogether?" % (cows, a, hens, b))
    return single(stem, key_number(4 * cows + 2 * hens), "N", marks=2, kind="legs")


@kind(parts=2)
def savings_problem(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    weekly, weeks = rng.randint(4, 15), rng.randint(6, 20)
    total = weekly * weeks
    spent = rng.randint(total // 4, total - 5)
    thing = rng.choice(["a bicycle helmet", "a book set", "a football", "a board game", "a watch"])
    body = para("%s saves $%d every week for %d weeks." % (name, weekly, weeks)) + part(
        0, "How much money does %s save altogether?" % she) + answer_line(0, "dollars") + part(
        1, "%s then spends $%d on %s. How much money is left?" % (she.capitalize(), spent, thing)) + answer_line(1, "dollars")
    return question(body, [Part(key_number(total), "N", 1), Part(key_number(total - spent), "N", 2)], kind="savings")


@kind()
def bakery_problem(ctx):
    rng = ctx.rng
    a, b = rng.randint(120, 480), rng.randint(120, 480)
    sold = rng.randint(100, a + b - 20)
    stem = para("A baker made %d buns in the morning and %d buns in the afternoon. "
                "She sold %d buns. How many buns were left?" % (a, b, sold))
    return single(stem, key_number(a + b - sold), "N", marks=2, kind="bakery")


@kind()
def boxes_problem(ctx):
    rng = ctx.rng
    per_box, boxes = rng.randint(12, 48), rng.randint(15, 85)
    extra = rng.randint(10, 99)
    thing = rng.choice(["pencils", "oranges", "cans", "eggs", "crayons"])
    stem = para("A shop has %d boxes of %s with %d %s in each box, and %d loose %s. "
                "How many %s does the shop have altogether?" % (boxes, thing, per_box, thing, extra, thing, thing))
    return single(stem, key_number(per_box * boxes + extra), "N", marks=2, kind="boxes")


# Fractions ------------------------------------------------------------------


def random_proper(rng, denominators=(2, 3, 4, 5, 6, 7, 8, 9, 10, 12)):
    d = rng.choice(denominators)
    n = rng.randint(1, d - 1)
    return Fraction(n, d), n, d


@kind()
def mc_largest_fraction(ctx):
    rng = ctx.rng
    values = []
    texts = []
    while len(values) < 4:
        f, n, d = random_proper(rng)
        if f in values:
            continue
        values.append(f)
        texts.append("%d/%d" % (n, d))
    want = rng.choice(["largest", "smallest"])
    best = max(values) if want == "largest" else min(values)
    correct = texts[values.index(best)]
    stem = para("Which fraction is the <b>%s</b>?" % want)
    return choice(rng, stem, correct, [t for t in texts if t != correct], numeric=False, kind="compare fractions")


@kind()
def mc_equivalent_fraction(ctx):
    rng = ctx.rng
    f, n, d = random_proper(rng, (3, 4, 5, 6, 8, 10))
    if math.gcd(n, d) != 1:
        return None
    k = rng.randint(2, 5)
    correct = "%d/%d" % (n * k, d * k)
    wrong = ["%d/%d" % (n * k, d), "%d/%d" % (n + k, d + k), "%d/%d" % (d * k, n * k), "%d/%d" % (n * k + 1, d * k)]
    stem = para("Which fraction is equal to %s?" % fraction(n, d))
    return choice(rng, stem, correct, wrong, numeric=False, kind="equivalent")


@kind()
def mc_mixed_to_improper(ctx):
    rng = ctx.rng
    w = rng.randint(1, 5)
    f, n, d = random_proper(rng, (3, 4, 5, 6, 7, 8))
    if math.gcd(n, d) != 1:
        return None
    value = w + f
    correct = "%d/%d" % (value.numerator * (d // value.denominator), d)
    wrong = ["%d/%d" % (w * n + d, d), "%d/%d" % (w + n, d), "%d/%d" % (w * d + n, w * d)]
    stem = para("Which improper fraction is equal to <b>%d</b>%s?" % (w, fraction(n, d)))
    return choice(rng, stem, correct, wrong, numeric=False, kind="mixed to improper")


@kind()
def mc_shaded_fraction(ctx):
    rng = ctx.rng
    parts = rng.choice([5, 6, 8, 10, 12])
    shaded = rng.randint(1, parts - 1)
    pic = drawing.fraction_bar(parts, shaded)
    f = Fraction(shaded, parts)
    correct = "%d/%d" % (shaded, parts)
    wrong = ["%d/%d" % (parts - shaded, parts), "%d/%d" % (shaded, parts - shaded), "%d/%d" % (parts, shaded),
             "%d/%d" % (shaded, parts + 1)]
    stem = para("What fraction of the bar is shaded?") + figure(0)
    return choice(rng, stem, correct, wrong, numeric=False, pictures=[pic], kind="shaded fraction")


@kind()
def add_fractions(ctx):
    rng = ctx.rng
    a, an, ad = random_proper(rng)
    b, bn, bd = random_proper(rng)
    if ad == bd or a + b >= 1 or math.gcd(an, ad) != 1 or math.gcd(bn, bd) != 1:
        return None
    s = a + b
    stem = para("Work out %s + %s." % (fraction(an, ad), fraction(bn, bd)))
    return single(stem, key_fraction(s), "F", marks=2, form=FORM_FRACTION, kind="add fractions")


@kind()
def subtract_fractions(ctx):
    rng = ctx.rng
    a, an, ad = random_proper(rng)
    b, bn, bd = random_proper(rng)
    if ad == bd or a <= b or math.gcd(an, ad) != 1 or math.gcd(bn, bd) != 1:
        return None
    s = a - b
    stem = para("Work out %s &minus; %s." % (fraction(an, ad), fraction(bn, bd)))
    return single(stem, key_fraction(s), "F", marks=2, form=FORM_FRACTION, kind="subtract fractions")


@kind()
def multiply_fractions(ctx):
    rng = ctx.rng
    a, an, ad = random_proper(rng)
    b, bn, bd = random_proper(rng)
    if math.gcd(an, ad) != 1 or math.gcd(bn, bd) != 1:
        return None
    stem = para("Work out %s &times; %s." % (fraction(an, ad), fraction(bn, bd)))
    return single(stem, key_fraction(a * b), "F", form=FORM_FRACTION, kind="multiply fractions")


@kind()
def fraction_of_quantity(ctx):
    rng = ctx.rng
    f, n, d = random_proper(rng, (3, 4, 5, 6, 8, 9, 10, 12))
    if math.gcd(n, d) != 1:
        return None
    q = d * rng.randint(3, 30)
    unit = rng.choice(["", " cm", " kg", " m", " ml"])
    stem = para("What is %s of %d%s?" % (fraction(n, d), q, unit))
    pictures = []
    if rng.random() < 0.4:
        stem += para("The bar model may help you.") + figure(0)
        pictures = [drawing.bar_model([("", d, n)], total_text="%d%s" % (q, unit))]
    return single(stem, key_number(f * q), "N", unit=unit.strip(), pictures=pictures, kind="fraction of quantity")


@kind()
def improper_to_mixed(ctx):
    rng = ctx.rng
    d = rng.choice([3, 4, 5, 6, 7, 8, 9])
    n = rng.randint(d + 1, 6 * d)
    if n % d == 0 or math.gcd(n, d) != 1:
        return None
    stem = para("Write %s as a mixed number." % fraction(n, d))
    return single(stem, key_mixed(Fraction(n, d)), "X", form=FORM_MIXED, kind="improper to mixed")


@kind()
def mixed_to_improper(ctx):
    rng = ctx.rng
    w = rng.randint(1, 6)
    f, n, d = random_proper(rng, (3, 4, 5, 6, 7, 8, 9))
    if math.gcd(n, d) != 1:
        return None
    stem = para("Write <b>%d</b>%s as an improper fraction." % (w, fraction(n, d)))
    return single(stem, key_fraction(w + f), "F", form=FORM_IMPROPER, kind="mixed to improper")


@kind()
def simplify_fraction(ctx):
    rng = ctx.rng
    f, n, d = random_proper(rng, (3, 4, 5, 6, 7, 8, 9))
    if math.gcd(n, d) != 1:
        return None
    k = rng.randint(2, 8)
    stem = para("Write %s in its simplest form." % fraction(n * k, d * k))
    return single(stem, key_fraction(f), "F", form=FORM_FRACTION, kind="simplify")


@kind()
def shaded_fraction(ctx):
    rng = ctx.rng
    style = rng.randint(0, 2)
    if style == 0:
        parts = rng.choice([6, 8, 9, 10, 12])
        shaded = rng.randint(1, parts - 1)
        pic = drawing.fraction_circle(parts, shaded)
        what = "circle"
    elif style == 1:
        parts = rng.choice([6, 8, 10, 12, 14, 15, 16])
        shaded = rng.randint(1, parts - 1)
        pic = drawing.fraction_bar(parts, shaded)
        what = "bar"
    else:
        rows, cols = rng.choice([(3, 4), (4, 4), (4, 5), (3, 6), (4, 6), (5, 6)])
        parts = rows * cols
        shaded = rng.randint(2, parts - 2)
        pic = drawing.shaded_grid(rows, cols, shaded)
        what = "grid"
    f = Fraction(shaded, parts)
    if f.denominator == parts and rng.random() < 0.6:
        return None  # prefer pictures whose fraction simplifies
    stem = para("What fraction of the %s is shaded?" % what) + figure(0)
    return single(stem, key_fraction(f), "F", form=FORM_FRACTION, pictures=[pic], kind="shaded fraction")


@kind()
def equivalent_missing(ctx):
    rng = ctx.rng
    f, n, d = random_proper(rng, (3, 4, 5, 6, 7, 8, 9, 10))
    if math.gcd(n, d) != 1:
        return None
    k = rng.randint(2, 9)
    if rng.random() < 0.5:
        stem = para("What number goes in the box?") + para("%s = %s" % (fraction(n, d), "<span class=\"fr\"><span>&#9633;</span><span>%d</span></span>" % (d * k)))
        value = n * k
    else:
        stem = para("What number goes in the box?") + para("%s = %s" % (fraction(n, d), "<span class=\"fr\"><span>%d</span><span>&#9633;</span></span>" % (n * k)))
        value = d * k
    return single(stem, key_number(value), "N", kind="equivalent")


@kind()
def add_mixed(ctx):
    rng = ctx.rng
    a = rng.randint(1, 4) + random_proper(rng, (2, 3, 4, 5, 6, 8))[0]
    b = rng.randint(1, 4) + random_proper(rng, (2, 3, 4, 5, 6, 8))[0]
    if a.denominator == b.denominator and rng.random() < 0.5:
        return None
    total = a + b
    if total.denominator == 1:
        return None
    stem = para("Work out <b>%s</b> + <b>%s</b>." % (mixed(a), mixed(b)))
    return single(stem, key_mixed(total), "X", marks=2, form=FORM_MIXED + " Simplify the fraction part.", kind="add mixed")


@kind()
def whole_from_fraction(ctx):
    rng = ctx.rng
    f, n, d = random_proper(rng, (3, 4, 5, 6, 7, 8, 9, 10))
    if math.gcd(n, d) != 1:
        return None
    whole = d * rng.randint(2, 15)
    stem = para("%s of a number is %s. What is the number?" % (fraction(n, d), key_number(f * whole)))
    return single(stem, key_number(whole), "N", marks=2, kind="whole from fraction")


@kind()
def subtract_mixed(ctx):
    rng = ctx.rng
    a = rng.randint(3, 7) + random_proper(rng, (2, 3, 4, 5, 6, 8))[0]
    b = rng.randint(1, 2) + random_proper(rng, (2, 3, 4, 5, 6, 8))[0]
    difference = a - b
    if difference.denominator == 1 or difference < 1 or a.denominator == b.denominator:
        return None
    stem = para("Work out <b>%s</b> &minus; <b>%s</b>." % (mixed(a), mixed(b)))
    return single(stem, key_mixed(difference), "X", marks=2, form=FORM_MIXED + " Simplify the fraction part.", kind="subtract mixed")


@kind()
def fraction_money_problem(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    f, n, d = random_proper(rng, (3, 4, 5, 8))
    g, gn, gd = random_proper(rng, (2, 3, 4, 5))
    if math.gcd(n, d) != 1 or math.gcd(gn, gd) != 1:
        return None
    total = d * gd * rng.randint(2, 6)
    spent_first = f * total
    rest = total - spent_first
    spent_second = g * rest
    stem = para("%s had $%d. %s spent %s of it on a book and then %s of the remaining money on lunch. "
                "How much money did %s have left?" % (name, total, she.capitalize(), fraction(n, d), fraction(gn, gd), she))
    return single(stem, key_number(rest - spent_second), "N", marks=3, unit="dollars", kind="fraction problem")


@kind()
def fraction_times_whole(ctx):
    rng = ctx.rng
    f, n, d = random_proper(rng, (3, 4, 5, 6, 8))
    if math.gcd(n, d) != 1:
        return None
    w = rng.randint(2, 12)
    value = f * w
    if value.denominator == 1 or value < 1:
        return None
    stem = para("Work out %s &times; %d." % (fraction(n, d), w))
    return single(stem, key_mixed(value), "X", form=FORM_MIXED + " Simplify the fraction part.", kind="fraction times whole")


@kind()
def fraction_divided(ctx):
    rng = ctx.rng
    f, n, d = random_proper(rng, (2, 3, 4, 5, 6, 8))
    if math.gcd(n, d) != 1:
        return None
    w = rng.randint(2, 6)
    stem = para("Work out %s &divide; %d." % (fraction(n, d), w))
    return single(stem, key_fraction(f / w), "F", form=FORM_FRACTION, kind="fraction divided")


@kind(parts=2)
def cake_problem(ctx):
    rng = ctx.rng
    (a, _, _, _), (b, _, _, _) = two_people(rng)
    fa, an, ad = random_proper(rng, (3, 4, 5, 6, 8))
    fb, bn, bd = random_proper(rng, (3, 4, 5, 6, 8))
    if ad == bd or fa + fb >= 1 or math.gcd(an, ad) != 1 or math.gcd(bn, bd) != 1:
        return None
    food = rng.choice(["cake", "pizza", "pie", "loaf of bread", "watermelon"])
    body = para("%s ate %s of a %s and %s ate %s of it." % (a, fraction(an, ad), food, b, fraction(bn, bd))) + part(
        0, "What fraction of the %s did they eat altogether?" % food) + answer_line(0, form=FORM_FRACTION) + part(
        1, "What fraction of the %s was left?" % food) + answer_line(1, form=FORM_FRACTION)
    return question(body, [Part(key_fraction(fa + fb), "F", 2), Part(key_fraction(1 - fa - fb), "F", 1)], kind="fraction problem")


@kind(parts=2)
def fraction_given_away(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    f, n, d = random_proper(rng, (3, 4, 5, 6, 8, 9))
    if math.gcd(n, d) != 1:
        return None
    total = d * rng.randint(4, 20)
    thing = rng.choice(["marbles", "stickers", "stamps", "cards", "shells"])
    given = f * total
    body = para("%s had %d %s. %s gave %s of them to a friend." % (name, total, thing, she.capitalize(), fraction(n, d))) + part(
        0, "How many %s did %s give away?" % (thing, she)) + answer_line(0) + part(
        1, "How many %s did %s have left?" % (thing, she)) + answer_line(1)
    return question(body, [Part(key_number(given), "N", 1), Part(key_number(total - given), "N", 2)], kind="fraction problem")


@kind()
def girls_from_fraction(ctx):
    rng = ctx.rng
    f, n, d = random_proper(rng, (3, 4, 5, 7, 8))
    if math.gcd(n, d) != 1:
        return None
    total = d * rng.randint(4, 12)
    stem = para("There are %d children in a hall. %s of them are boys. How many girls are there?" % (total, fraction(n, d)))
    pictures = []
    if rng.random() < 0.5:
        stem += figure(0)
        pictures = [drawing.bar_model([("children", d, n)], total_text="%d children" % total)]
    return single(stem, key_number(total - f * total), "N", marks=2, pictures=pictures, kind="fraction problem")


@kind()
def ribbon_problem(ctx):
    rng = ctx.rng
    f, n, d = random_proper(rng, (2, 3, 4, 5, 6))
    if math.gcd(n, d) != 1:
        return None
    pieces = rng.randint(2, 5)
    (name, she, _, her) = person(rng)
    stem = para("%s has a ribbon %s m long. %s cuts it into %d pieces of the same length. "
                "How long is each piece, in metres?" % (name, fraction(n, d), she.capitalize(), pieces))
    return single(stem, key_fraction(f / pieces), "F", marks=2, unit="m", form=FORM_FRACTION, kind="fraction problem")


# Decimals ---------------------------------------------------------------------


def random_decimal(rng, low, high, places):
    scale = 10 ** places
    low_units = max(1, int(Decimal(str(low)) * scale))
    return Decimal(rng.randint(low_units, int(Decimal(str(high)) * scale))) / scale


@kind()
def mc_largest_decimal(ctx):
    rng = ctx.rng
    a = rng.randint(1, 9)
    b = rng.randint(1, 9)
    if a == b:
        return None
    texts = ["0.%d" % a, "0.0%d" % a, "0.%d%d" % (a, b), "0.%d0%d" % (a, b)]
    values = [Decimal(t) for t in texts]
    want = rng.choice(["largest", "smallest"])
    best = max(values) if want == "largest" else min(values)
    if values.count(best) > 1:
        return None
    correct = texts[values.index(best)]
    stem = para("Which number is the <b>%s</b>?" % want)
    return choice(rng, stem, correct, [t for t in texts if t != correct], numeric=False, kind="compare decimals")


@kind()
def mc_decimal_digit(ctx):
    rng = ctx.rng
    digits = rng.sample(range(1, 10), 4)
    text = "%d.%d%d%d" % tuple(digits)
    pos = rng.randint(1, 3)
    d = digits[pos]
    values = ["%d" % d, "0.%d" % d, "0.0%d" % d, "0.00%d" % d]
    correct = values[pos]
    stem = para("In <b>%s</b>, what is the value of the digit <b>%d</b>?" % (text, d))
    return choice(rng, stem, correct, [v for v in values if v != correct], kind="decimal place value")


@kind()
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
    return choice(rng, stem, correct, [w for w in wrong if w != correct], kind="fraction as decimal")


@kind()
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
    return choice(rng, stem, str(correct), [str(w) for w in rng.sample(wrong, 3)], kind="rounding decimals")


@kind()
def add_decimals(ctx):
    rng = ctx.rng
    a, b = random_decimal(rng, 1, 80, rng.randint(1, 2)), random_decimal(rng, 1, 50, rng.randint(1, 3))
    return single(para("Add: <b>%s + %s</b> = ?" % (a, b)), key_number(a + b), "N", kind="add decimals")


@kind()
def subtract_decimals(ctx):
    rng = ctx.rng
    a, b = random_decimal(rng, 10, 90, rng.randint(1, 2)), random_decimal(rng, 1, 9, rng.randint(1, 3))
    if rng.random() < 0.3:
        a = Decimal(rng.randint(5, 20))
    return single(para("Subtract: <b>%s &minus; %s</b> = ?" % (a, b)), key_number(a - b), "N", kind="subtract decimals")


@kind()
def multiply_decimal(ctx):
    rng = ctx.rng
    a, b = random_decimal(rng, 1, 50, rng.randint(1, 2)), rng.randint(3, 9)
    return single(para("Multiply: <b>%s &times; %d</b> = ?" % (a, b)), key_number(a * b), "N", kind="multiply decimals")


@kind()
def multiply_by_power(ctx):
    rng = ctx.rng
    a = random_decimal(rng, 0.01, 99, rng.randint(1, 3))
    p = rng.choice([10, 100, 1000])
    if rng.random() < 0.5:
        return single(para("Work out <b>%s &times; %d</b>." % (a, p)), key_number(a * p), "N", kind="times power of ten")
    return single(para("Work out <b>%s &divide; %d</b>." % (a, p)), key_number(a / p), "N", kind="divide power of ten")


@kind()
def divide_decimal(ctx):
    rng = ctx.rng
    b = rng.randint(2, 9)
    q = random_decimal(rng, 0.5, 20, rng.randint(1, 2))
    return single(para("Divide: <b>%s &divide; %d</b> = ?" % (q * b, b)), key_number(q), "N", kind="divide decimals")


@kind()
def round_decimal(ctx):
    rng = ctx.rng
    places = rng.choice([0, 1, 2])
    v = random_decimal(rng, 1, 99, places + rng.randint(1, 2))
    r = round_to(v, places)
    if r == v:
        return None
    where = {0: "the nearest whole number", 1: "1 decimal place", 2: "2 decimal places"}[places]
    stem = para("Round <b>%s</b> to %s." % (v, where))
    return single(stem, str(r), "N", kind="rounding decimals")


@kind()
def decimal_to_fraction(ctx):
    rng = ctx.rng
    v = Decimal(rng.choice([rng.randint(1, 9) * 5, rng.randint(1, 99)])) / 100
    f = Fraction(v)
    if f.denominator in (1, 100) and rng.random() < 0.7:
        return None
    stem = para("Write <b>%s</b> as a fraction." % key_number(v))
    return single(stem, key_fraction(f), "F", form=FORM_FRACTION, kind="decimal to fraction")


@kind()
def fraction_to_decimal(ctx):
    rng = ctx.rng
    d = rng.choice([2, 4, 5, 8, 20, 25, 50])
    n = rng.randint(1, d - 1)
    if math.gcd(n, d) != 1:
        return None
    stem = para("Write %s as a decimal." % fraction(n, d))
    return single(stem, key_number(Fraction(n, d)), "N", kind="fraction to decimal")


@kind()
def decimal_digit_value(ctx):
    rng = ctx.rng
    digits = rng.sample(range(1, 10), 4)
    text = "%d%d.%d%d" % tuple(digits)
    pos = rng.randint(0, 3)
    value = Decimal(digits[pos]) * Decimal(10) ** (1 - pos)
    stem = para("What is the value of the digit <b>%d</b> in <b>%s</b>?" % (digits[pos], text))
    return single(stem, key_number(value), "N", kind="decimal place value")


@kind()
def decimal_number_line(ctx):
    rng = ctx.rng
    start = Decimal(rng.randint(0, 9))
    step = rng.choice([Decimal("0.1"), Decimal("0.1"), Decimal("0.01")])
    if step == Decimal("0.01"):
        start = start + Decimal(rng.randint(0, 9)) / 10
    at = rng.randint(1, 9)
    if at == 5:
        return None
    labels = {0: key_number(start), 10: key_number(start + 10 * step)}
    pic = drawing.number_line(start, start + 10 * step, 10, labels, at)
    stem = para("What number is the arrow pointing to?") + figure(0)
    return single(stem, key_number(start + at * step), "N", pictures=[pic], kind="number line")


@kind(parts=2)
def shopping_problem(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    # (what, cheapest and dearest price in cents)
    items = [("pens", 45, 250), ("notebooks", 120, 480), ("apples", 30, 95), ("juice boxes", 80, 220), ("muffins", 110, 320)]
    many, low, high = rng.choice(items)
    price = Decimal(rng.randint(low // 5, high // 5) * 5) / 100
    count = rng.randint(2, 6)
    extra_price = Decimal(rng.randint(100, 900)) / 100 // Decimal("0.05") * Decimal("0.05")
    total = price * count + extra_price
    note = 10 if total < 10 else (20 if total < 20 else 50)
    body = para("%s buys %d %s at %s each and a bag for %s." % (name, count, many, money(price), money(extra_price))) + part(
        0, "How much does %s spend altogether?" % she) + answer_line(0, "dollars") + part(
        1, "%s pays with a $%d note. How much change does %s get?" % (she.capitalize(), note, she)) + answer_line(1, "dollars")
    return question(body, [Part(key_number(total), "N", 2), Part(key_number(note - total), "N", 1)], kind="money problem")


@kind()
def juice_problem(ctx):
    rng = ctx.rng
    bottle = Decimal(rng.choice([125, 15, 175, 2, 225, 25, 75])) / (100 if rng.random() < 0.5 else 10)
    if bottle > 3 or bottle < Decimal("0.5"):
        return None
    count = rng.randint(3, 9)
    stem = para("One bottle holds %s litres of water. How many litres of water do %d bottles hold?" % (key_number(bottle), count))
    return single(stem, key_number(bottle * count), "N", marks=2, unit="litres", kind="decimal problem")


@kind()
def books_problem(ctx):
    rng = ctx.rng
    each = Decimal(rng.randint(15, 95)) / 100
    count = rng.choice([4, 5, 6, 8])
    stem = para("%d identical books have a total mass of %s kg. What is the mass of one book, in kilograms?" % (count, key_number(each * count)))
    return single(stem, key_number(each), "N", marks=2, unit="kg", kind="decimal problem")


# Ratio and percentage ---------------------------------------------------------


def simplest_ratio(values):
    g = 0
    for v in values:
        g = math.gcd(g, v)
    return [v // g for v in values]


@kind()
def mc_equivalent_ratio(ctx):
    rng = ctx.rng
    a, b = rng.randint(1, 9), rng.randint(1, 9)
    if math.gcd(a, b) != 1 or a == b:
        return None
    k = rng.randint(2, 6)
    correct = "%d:%d" % (a, b)
    wrong = ["%d:%d" % (b, a), "%d:%d" % (a + 1, b + 1) if a + 1 != b + 1 else "%d:%d" % (a, b + 2), "%d:%d" % (a * k, b), "%d:%d" % (a, b * k)]
    stem = para("Which ratio is the same as <b>%d:%d</b>?" % (a * k, b * k))
    return choice(rng, stem, correct, [w for w in wrong if w != correct], numeric=False, kind="equivalent ratio")


@kind()
def mc_percent_fraction(ctx):
    rng = ctx.rng
    p = rng.choice([5, 10, 15, 20, 25, 30, 35, 40, 45, 60, 70, 75, 80, 90])
    f = Fraction(p, 100)
    correct = key_fraction(f)
    wrong = ["1/%d" % p, "%d/%d" % (f.denominator, f.numerator), "%d/%d" % (f.numerator, f.denominator * 10),
             "%d/%d" % (f.numerator + 1, f.denominator)]
    stem = para("Which fraction is equal to <b>%d%%</b>?" % p)
    return choice(rng, stem, correct, [w for w in wrong if w != correct and Fraction(w) != f], numeric=False, kind="percent as fraction")


@kind()
def mc_percent_of(ctx):
    rng = ctx.rng
    p = rng.choice([10, 15, 20, 25, 30, 40, 60, 75])
    q = rng.choice([40, 60, 80, 120, 160, 200, 240, 300, 360, 400, 500])
    value = Fraction(p * q, 100)
    if value.denominator != 1:
        return None
    correct = key_number(value)
    wrong = [key_number(value * 2), key_number(q - value), key_number(value + 10), key_number(Fraction(q, p)) if q % p == 0 else key_number(value + 5)]
    stem = para("What is <b>%d%%</b> of <b>%d</b>?" % (p, q))
    return choice(rng, stem, correct, [w for w in wrong if w != correct], kind="percent of")


@kind()
def ratio_two(ctx):
    rng = ctx.rng
    things = [("boys", "girls", "in a class"), ("red beads", "blue beads", "in a box"), ("cats", "dogs", "at a shelter"),
              ("apples", "pears", "in a basket"), ("cars", "vans", "in a car park"), ("roses", "tulips", "in a garden")]
    a_name, b_name, where = rng.choice(things)
    k = rng.randint(2, 8)
    a, b = rng.randint(1, 12), rng.randint(1, 12)
    if math.gcd(a, b) != 1 or a == b:
        return None
    A, B = a * k, b * k
    first = rng.random() < 0.5
    order = (a_name, b_name) if first else (b_name, a_name)
    key = "%d:%d" % ((a, b) if first else (b, a))
    stem = para("There are %d %s and %d %s %s. Find the ratio of the number of %s to the number of %s." % (A, a_name, B, b_name, where, order[0], order[1]))
    return single(stem, key, "R", form=FORM_RATIO, kind="ratio")


@kind()
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
    return single(stem, "%d:%d:%d" % (a, b, c), "R", marks=2, form="Write the ratio in its simplest form, like 2:3:4.", kind="ratio")


@kind()
def ratio_picture(ctx):
    rng = ctx.rng
    shapes = [("circle", drawing.BLUE, "circles"), ("triangle", drawing.ORANGE, "triangles"), ("star", drawing.YELLOW, "stars"),
              ("square", drawing.GREEN, "squares")]
    (s1, c1, n1), (s2, c2, n2) = rng.sample(shapes, 2)
    a, b = rng.randint(2, 14), rng.randint(2, 14)
    if a == b or math.gcd(a, b) == 1 and rng.random() < 0.5:
        return None
    pic = drawing.counters([(s1, c1, a), (s2, c2, b)])
    r = simplest_ratio([a, b])
    stem = para("Look at the shapes. Find the ratio of the number of %s to the number of %s." % (n1, n2)) + figure(0)
    return single(stem, "%d:%d" % tuple(r), "R", form=FORM_RATIO, pictures=[pic], kind="ratio picture")


@kind()
def ratio_part_whole(ctx):
    rng = ctx.rng
    a, b = rng.randint(1, 9), rng.randint(1, 9)
    if math.gcd(a, b) != 1:
        return None
    k = rng.randint(2, 7)
    stem = para("A fruit stall has %d mangoes and %d papayas. What is the ratio of the number of mangoes to the total number of fruits?" % (a * k, b * k))
    return single(stem, "%d:%d" % (a, a + b), "R", form=FORM_RATIO, kind="ratio")


@kind()
def percent_of_quantity(ctx):
    rng = ctx.rng
    p = rng.choice([5, 12, 15, 20, 25, 35, 40, 45, 60, 65, 75, 80, 85])
    q = rng.randint(2, 40) * 20
    value = Fraction(p * q, 100)
    unit = rng.choice(["", " g", " m", " ml"])
    stem = para("What is %d%% of %d%s?" % (p, q, unit))
    return single(stem, key_number(value), "N", unit=unit.strip(), kind="percent of")


@kind()
def fraction_to_percent(ctx):
    rng = ctx.rng
    d = rng.choice([2, 4, 5, 10, 20, 25, 50])
    n = rng.randint(1, d - 1)
    if math.gcd(n, d) != 1:
        return None
    stem = para("Write %s as a percentage." % fraction(n, d))
    return single(stem, key_number(Fraction(n * 100, d)), "N", unit="%", kind="fraction to percent")


@kind()
def percent_to_fraction(ctx):
    rng = ctx.rng
    p = rng.choice([2, 4, 5, 8, 12, 15, 24, 35, 36, 44, 45, 55, 64, 65, 72, 85, 95])
    stem = para("Write <b>%d%%</b> as a fraction." % p)
    return single(stem, key_fraction(Fraction(p, 100)), "F", form=FORM_FRACTION, kind="percent to fraction")


@kind()
def decimal_to_percent(ctx):
    rng = ctx.rng
    v = Decimal(rng.randint(1, 99)) / 100
    if rng.random() < 0.3:
        v = Decimal(rng.randint(1, 9)) / 10
    stem = para("Write <b>%s</b> as a percentage." % key_number(v))
    return single(stem, key_number(v * 100), "N", unit="%", kind="decimal to percent")


@kind()
def percent_shaded(ctx):
    rng = ctx.rng
    shaded = rng.randint(11, 89)
    pic = drawing.shaded_grid(10, 10, shaded, cell=18)
    stem = para("The grid has 100 squares. What percentage of the grid is shaded?") + figure(0)
    return single(stem, key_number(shaded), "N", unit="%", pictures=[pic], kind="percent grid")


@kind(parts=2)
def share_in_ratio(ctx):
    rng = ctx.rng
    (a, _, _, _), (b, _, _, _) = two_people(rng)
    x, y = rng.randint(1, 7), rng.randint(1, 7)
    if x == y or math.gcd(x, y) != 1:
        return None
    unit = rng.randint(4, 30)
    total = (x + y) * unit
    pic = drawing.bar_model([(a, x, 0), (b, y, 0)])
    body = para("%s and %s share $%d in the ratio %d:%d." % (a, b, total, x, y)) + figure(0) + part(
        0, "How much money does %s get?" % a) + answer_line(0, "dollars") + part(
        1, "How much more money does %s get than %s?" % ((a, b) if x > y else (b, a))) + answer_line(1, "dollars")
    return question(body, [Part(key_number(x * unit), "N", 3), Part(key_number(abs(x - y) * unit), "N", 1)], [pic],
                    kind="share ratio")


@kind(parts=2)
def ratio_one_part(ctx):
    rng = ctx.rng
    x, y = rng.randint(2, 7), rng.randint(2, 7)
    if x == y or math.gcd(x, y) != 1:
        return None
    k = rng.randint(3, 12)
    pic = drawing.bar_model([("boys", x, 0), ("girls", y, 0)], question_row=1)
    body = para("The ratio of the number of boys to the number of girls in a choir is %d:%d. There are %d boys." % (x, y, x * k)) + figure(0) + part(
        0, "How many girls are there?") + answer_line(0) + part(1, "How many children are in the choir altogether?") + answer_line(1)
    return question(body, [Part(key_number(y * k), "N", 2), Part(key_number((x + y) * k), "N", 1)], [pic], kind="ratio problem")


@kind(parts=2)
def discount_problem(ctx):
    rng = ctx.rng
    price = rng.randint(4, 60) * 5
    p = rng.choice([10, 15, 20, 25, 30, 40])
    thing = rng.choice(["bag", "pair of shoes", "jacket", "toy robot", "lamp", "scooter"])
    off = Fraction(price * p, 100)
    body = para("A %s costs $%d. In a sale the price is cut by %d%%." % (thing, price, p)) + part(
        0, "How much money is taken off the price?") + answer_line(0, "dollars") + part(
        1, "What is the sale price?") + answer_line(1, "dollars")
    return question(body, [Part(key_number(off), "N", 1), Part(key_number(price - off), "N", 2)], kind="discount")


@kind()
def percent_of_class(ctx):
    rng = ctx.rng
    total = rng.choice([20, 25, 40, 50])
    p = rng.choice([10, 20, 30, 40, 60, 80]) if total != 25 else rng.choice([4, 8, 12, 16, 20, 24, 28, 32, 36, 40])
    count = total * p // 100
    if count * 100 != total * p:
        return None
    thing = rng.choice(["wear glasses", "walk to school", "have a pet", "play the piano", "like swimming"])
    stem = para("There are %d pupils in a class. %d%% of them %s. How many pupils do <b>not</b> %s?" % (total, p, thing, thing))
    return single(stem, key_number(total - count), "N", marks=2, kind="percent problem")


# Measurement -----------------------------------------------------------------

WEEKDAYS = ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"]
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August", "September",
          "October", "November", "December"]


def clock_text(minutes_of_day):
    """"9.05 am" for a time given in minutes after midnight."""
    h, m = divmod(minutes_of_day % (24 * 60), 60)
    suffix = "am" if h < 12 else "pm"
    h12 = h % 12 or 12
    return "%d.%02d %s" % (h12, m, suffix)


@kind()
def mc_best_unit(ctx):
    rng = ctx.rng
    items = [("the mass of an apple", "g"), ("the mass of a bag of rice", "kg"), ("the length of a pencil", "cm"),
             ("the distance between two towns", "km"), ("the amount of water in a cup", "ml"),
             ("the amount of water in a bathtub", "l"), ("the height of a door", "m"), ("the mass of a baby elephant", "kg"),
             ("the length of a football field", "m"), ("the amount of medicine in a spoon", "ml"), ("the mass of a feather", "g"),
             ("the width of a stamp", "mm")]
    thing, unit = rng.choice(items)
    names = {"g": "grams (g)", "kg": "kilograms (kg)", "cm": "centimetres (cm)", "km": "kilometres (km)", "ml": "millilitres (ml)",
             "l": "litres (l)", "m": "metres (m)", "mm": "millimetres (mm)"}
    family = {"g": ["kg", "ml", "km"], "kg": ["g", "l", "cm"], "cm": ["km", "kg", "l"], "km": ["cm", "kg", "ml"], "ml": ["l", "kg", "km"],
              "l": ["ml", "g", "cm"], "m": ["km", "kg", "ml"], "mm": ["km", "kg", "l"]}
    stem = para("Which unit is best for measuring %s?" % thing)
    return choice(rng, stem, names[unit], [names[u] for u in family[unit]], numeric=False, kind="units")


@kind()
def mc_24_hour(ctx):
    rng = ctx.rng
    t = rng.randint(13 * 12, 23 * 12) * 5
    h, m = divmod(t, 60)
    correct = "%02d:%02d" % (h, m)
    wrong = ["%02d:%02d" % (h - 12, m), "%02d:%02d" % (h + 1 if h < 23 else h - 2, m), "%02d:%02d" % (h - 2, m)]
    stem = para("Which 24-hour time is the same as <b>%s</b>?" % clock_text(t))
    return choice(rng, stem, correct, wrong, numeric=False, kind="24-hour clock")


@kind()
def mc_convert_mass(ctx):
    rng = ctx.rng
    kg, g = rng.randint(1, 9), rng.choice([5, 8, 25, 40, 50, 75, 80, 90, 150, 205, 305, 450, 608, 730])
    correct = kg * 1000 + g
    wrong = [int(str(kg) + str(g)), kg * 10000 + g, (kg + 1) * 1000 + g, kg * 1000 + g * 10]
    stem = para("<b>%d kg %d g</b> is the same as how many grams?" % (kg, g))
    return choice(rng, stem, show(correct), [show(w) for w in wrong], kind="convert")


def duration_text(minutes):
    hours, minutes = divmod(minutes, 60)
    words = []
    if hours:
        words.append("%d hour%s" % (hours, "" if hours == 1 else "s"))
    if minutes:
        words.append("%d minutes" % minutes)
    return " ".join(words)


@kind()
def read_clock(ctx):
    rng = ctx.rng
    h, m = rng.randint(1, 12), rng.randint(0, 11) * 5
    pic = drawing.clock(h, m)
    stem = para("What time does the clock show?") + figure(0)
    key = "%d.%02d" % (h, m)
    return single(stem, key, "T", form="Write the time like 4.35 (hours, a full stop, then minutes).", pictures=[pic], kind="clock")


@kind()
def end_time(ctx):
    rng = ctx.rng
    start = rng.randint(7 * 12, 19 * 12) * 5
    length = rng.randint(5, 30) * 5
    (name, she, _, her) = person(rng)
    what = rng.choice(["a film", "a football match", "a piano lesson", "a train journey", "a school concert"])
    stem = para("%s went to %s that started at %s. It lasted %s. At what time did it end?"
                % (name, what, clock_text(start), duration_text(length)))
    return single(stem, clock_text(start + length), "T", marks=2, form="Write the time like 4.05 pm.", kind="end time")


@kind()
def duration(ctx):
    rng = ctx.rng
    start = rng.randint(8 * 12, 17 * 12) * 5
    length = rng.randint(7, 40) * 5
    if rng.random() < 0.5:
        stem = para("A bus left the station at %s and arrived at the beach at %s. How many minutes did the journey take?"
                    % (clock_text(start), clock_text(start + length)))
        return single(stem, key_number(length), "N", unit="minutes", kind="duration")
    start = rng.randint(13 * 12, 17 * 12) * 5  # an afternoon, as the question says
    length = rng.randint(3, 11) * 5
    (name, she, _, her) = person(rng)
    task = rng.choice(["homework", "piano practice", "painting", "reading", "baking"])
    pic = drawing.two_clocks(divmod(start % (12 * 60), 60), divmod((start + length) % (12 * 60), 60))
    stem = para("The clocks show when %s started and finished %s %s one afternoon. How many minutes did it take?"
                % (name, her, task)) + figure(0)
    return single(stem, key_number(length), "N", unit="minutes", pictures=[pic], kind="duration")


@kind()
def convert_units(ctx):
    rng = ctx.rng
    form = rng.randint(0, 5)
    if form == 0:
        a, b = rng.randint(1, 9), rng.randint(5, 995)
        return single(para("<b>%d km %d m</b> = ? m" % (a, b)), key_number(a * 1000 + b), "N", unit="m", kind="convert")
    if form == 1:
        g = rng.randint(1005, 9995)
        return single(para("<b>%s g</b> = ? kg" % show(g)), key_number(Decimal(g) / 1000), "N", unit="kg", kind="convert")
    if form == 2:
        a, b = rng.randint(1, 9), rng.randint(5, 995)
        return single(para("<b>%d l %d ml</b> = ? ml" % (a, b)), key_number(a * 1000 + b), "N", unit="ml", kind="convert")
    if form == 3:
        m = Decimal(rng.randint(101, 999)) / 100
        return single(para("<b>%s m</b> = ? cm" % m), key_number(m * 100), "N", unit="cm", kind="convert")
    if form == 4:
        hours, minutes = rng.randint(1, 5), rng.randint(1, 59)
        return single(para("<b>%d h %d min</b> = ? min" % (hours, minutes)), key_number(hours * 60 + minutes), "N", unit="min", kind="convert")
    cm = rng.randint(105, 995)
    return single(para("<b>%d cm</b> = ? m" % cm), key_number(Decimal(cm) / 100), "N", unit="m", kind="convert")


@kind()
def ruler_length(ctx):
    rng = ctx.rng
    start = rng.choice([0, 0, 10, 20, 30])
    length = rng.randint(6, 17) * 5  # whole and half centimetres, easy to read
    thing = rng.choice(["pencil", "stick"])
    pic = drawing.ruler(length, start, thing)
    stem = para("How long is the %s?" % thing) + figure(0)
    return single(stem, key_number(Decimal(length) / 10), "N", unit="cm", pictures=[pic], kind="ruler")


@kind()
def cylinder_volume(ctx):
    rng = ctx.rng
    top, major, minor = rng.choice([(100, 10, 2), (50, 10, 2), (200, 50, 10), (500, 100, 20)])
    level = rng.randint(1, top // minor - 1) * minor
    pic = drawing.measuring_cylinder(level, top, major, minor)
    stem = para("How much water is in the measuring cylinder?") + figure(0)
    return single(stem, key_number(level), "N", unit="ml", pictures=[pic], kind="cylinder")


@kind()
def day_after(ctx):
    rng = ctx.rng
    today = rng.randrange(7)
    days = rng.randint(8, 40)
    if days % 7 == 0:
        return None
    stem = para("Today is %s. What day of the week will it be in %d days&rsquo; time?" % (WEEKDAYS[today], days))
    return single(stem, WEEKDAYS[(today + days) % 7], "T", form="Write the name of the day.", kind="days")


@kind()
def month_after(ctx):
    rng = ctx.rng
    now = rng.randrange(12)
    months = rng.randint(3, 11)
    stem = para("It is %s now. Which month will it be %d months from now?" % (MONTHS[now], months))
    return single(stem, MONTHS[(now + months) % 12], "T", form="Write the name of the month.", kind="months")


@kind()
def parcel_problem(ctx):
    rng = ctx.rng
    tins, tin = rng.randint(3, 12), rng.randint(12, 90) * 5
    box = rng.randint(2, 9) * 50
    total = Decimal(tins * tin + box) / 1000
    stem = para("A box holds %d tins of the same mass. The box and the tins together have a mass of %s kg. "
                "The empty box has a mass of %d g. What is the mass of one tin, in grams?" % (tins, key_number(total), box))
    return single(stem, key_number(tin), "N", marks=3, unit="g", kind="mass problem")


@kind(parts=2)
def journey_problem(ctx):
    rng = ctx.rng
    start = rng.randint(6 * 12, 10 * 12) * 5
    first, second = rng.randint(1, 5) * 5, rng.randint(6, 20) * 5  # a short walk, a longer ride
    stop = rng.choice([10, 15, 20, 25, 30])
    (name, she, _, her) = person(rng)
    body = para("%s left home at %s. %s walked for %d minutes to the station, waited %d minutes, "
                "then took a train that travelled for %d minutes." % (name, clock_text(start), she.capitalize(), first, stop, second)) + part(
        0, "How many minutes did the whole journey take?") + answer_line(0, "minutes") + part(
        1, "At what time did the train arrive?") + answer_line(1, form="Write the time like 9.05 am.")
    return question(body, [Part(key_number(first + stop + second), "N", 1), Part(clock_text(start + first + stop + second), "T", 2)], kind="journey")


@kind(parts=2)
def water_tank_problem(ctx):
    rng = ctx.rng
    litres = rng.randint(3, 12)
    cup = rng.choice([150, 200, 250, 300, 400, 500])
    cups = rng.randint(3, litres * 1000 // cup - 1)
    body = para("A jug holds %d litres of water. %d cups of %d ml each are filled from the jug." % (litres, cups, cup)) + part(
        0, "How many millilitres of water were poured into the cups?") + answer_line(0, "ml") + part(
        1, "How many millilitres of water are left in the jug?") + answer_line(1, "ml")
    return question(body, [Part(key_number(cups * cup), "N", 1), Part(key_number(litres * 1000 - cups * cup), "N", 2)], kind="capacity")


@kind()
def change_problem(ctx):
    rng = ctx.rng
    (name, she, _, her) = person(rng)
    a = Decimal(rng.randint(120, 1890)) / 100 // Decimal("0.05") * Decimal("0.05")
    b = Decimal(rng.randint(60, 990)) / 100 // Decimal("0.05") * Decimal("0.05")
    note = 50 if a + b > 20 else (20 if a + b > 10 else 10)
    stem = para("%s bought a book for %s and a pencil case for %s. %s paid with a $%d note. How much change did %s get?"
                % (name, money(a), money(b), she.capitalize(), note, she))
    return single(stem, key_number(note - a - b), "N", marks=2, unit="dollars", kind="change")


# Geometry and data -----------------------------------------------------------


@kind()
def mc_angle_kind(ctx):
    rng = ctx.rng
    kinds = [("an acute angle", range(15, 86, 5)), ("a right angle", [90]), ("an obtuse angle", range(95, 176, 5)),
             ("a reflex angle", range(190, 351, 10))]
    name, values = rng.choice(kinds)
    angle = rng.choice(list(values))
    if rng.random() < 0.5:
        stem = para("An angle measures <b>%d&deg;</b>. What kind of angle is it?" % angle)
        return choice(rng, stem, name, [k[0] for k in kinds if k[0] != name], numeric=False, kind="angle kind")
    stem = para("What kind of angle is marked in the picture?") + figure(0)
    return choice(rng, stem, name, [k[0] for k in kinds if k[0] != name], numeric=False,
                  pictures=[drawing.angle(angle)], kind="angle kind")


@kind()
def mc_shape_fact(ctx):
    rng = ctx.rng
    facts = [("How many lines of symmetry does a square have?", 4, [1, 2, 8]),
             ("How many lines of symmetry does a rectangle that is not a square have?", 2, [1, 4, 0]),
             ("How many right angles does a rectangle have?", 4, [2, 1, 0]),
             ("How many faces does a cube have?", 6, [4, 8, 12]),
             ("How many edges does a cube have?", 12, [6, 8, 10]),
             ("How many vertices (corners) does a cuboid have?", 8, [6, 4, 12]),
             ("How many sides does a hexagon have?", 6, [5, 7, 8]),
             ("How many sides does an octagon have?", 8, [6, 7, 10]),
             ("How many lines of symmetry does an equilateral triangle have?", 3, [1, 2, 0]),
             ("How many faces does a triangular prism have?", 5, [3, 6, 9]),
             ("How many edges does a square pyramid have?", 8, [5, 6, 4]),
             ("How many degrees are there in a right angle?", 90, [45, 180, 360]),
             ("How many degrees are there in a complete turn?", 360, [90, 180, 100]),
             ("How many degrees are there on a straight line?", 180, [90, 100, 360])]
    q, correct, wrong = rng.choice(facts)
    return choice(rng, para(q), str(correct), [str(w) for w in wrong], kind="shape facts")


@kind()
def mc_square_side(ctx):
    rng = ctx.rng
    side = rng.randint(3, 15)
    if rng.random() < 0.5:
        stem = para("A square has a perimeter of <b>%d cm</b>. How long is each side?" % (4 * side))
        wrong = [4 * side // 2, side * 2, side + 4]
    else:
        stem = para("A square has an area of <b>%d cm&sup2;</b>. How long is each side?" % (side * side))
        wrong = [side * side // 4 if side * side % 4 == 0 else side + 2, side * 2, side + 1]
    return choice(rng, stem, "%d cm" % side, ["%d cm" % w for w in wrong if w != side] + ["%d cm" % (side + 3)], numeric=False, kind="square")


@kind()
def rectangle_measure(ctx):
    rng = ctx.rng
    w, h = rng.randint(4, 20), rng.randint(2, 12)
    if w == h:
        return None
    pic = drawing.rectangle("%d cm" % w, "%d cm" % h, w, h)
    if rng.random() < 0.5:
        stem = para("Find the <b>area</b> of the rectangle.") + figure(0)
        return single(stem, key_number(w * h), "N", unit="cm&sup2;", pictures=[pic], kind="area")
    stem = para("Find the <b>perimeter</b> of the rectangle.") + figure(0)
    return single(stem, key_number(2 * (w + h)), "N", unit="cm", pictures=[pic], kind="perimeter")


@kind()
def l_shape_measure(ctx):
    rng = ctx.rng
    w, h = rng.randint(8, 20), rng.randint(6, 16)
    top, right = rng.randint(3, w - 3), rng.randint(2, h - 3)
    pic = drawing.l_shape(w, h, top, right)
    if rng.random() < 0.6:
        area = w * h - (w - top) * (h - right)
        stem = para("The shape is made of rectangles. Find its <b>area</b>.") + figure(0)
        return single(stem, key_number(area), "N", marks=3, unit="cm&sup2;", pictures=[pic], kind="area")
    stem = para("The shape is made of rectangles. Find its <b>perimeter</b>.") + figure(0)
    return single(stem, key_number(2 * (w + h)), "N", marks=2, unit="cm", pictures=[pic], kind="perimeter")


@kind()
def triangle_area(ctx):
    rng = ctx.rng
    base, height = rng.randint(4, 20), rng.randint(3, 14)
    if base * height % 2:
        return None
    pic = drawing.triangle_area(base, height, rng.randint(1, base - 1))
    stem = para("Find the area of the triangle.") + figure(0)
    return single(stem, key_number(base * height // 2), "N", unit="cm&sup2;", pictures=[pic], kind="triangle area")


@kind()
def angle_on_line(ctx):
    rng = ctx.rng
    known = rng.randint(5, 30) * 5
    if known == 90:
        return None
    pic = drawing.straight_line_angle(known)
    stem = para("The two angles are on a straight line. Find the angle <i>x</i>.") + figure(0)
    return single(stem, key_number(180 - known), "N", unit="&deg;", pictures=[pic], kind="angles")


@kind()
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
    return single(stem, key_number(values[missing]), "N", unit="&deg;", pictures=[pic], kind="angles")


@kind()
def cuboid_volume(ctx):
    rng = ctx.rng
    l, b, h = rng.randint(3, 15), rng.randint(2, 10), rng.randint(2, 12)
    pic = drawing.cuboid(l, b, h)
    stem = para("Find the volume of the cuboid.") + figure(0)
    return single(stem, key_number(l * b * h), "N", unit="cm&sup3;", pictures=[pic], kind="volume")


@kind()
def name_shape(ctx):
    rng = ctx.rng
    sides = rng.choice([3, 5, 6, 8])
    names = {3: "triangle", 5: "pentagon", 6: "hexagon", 8: "octagon"}
    pic = drawing.regular_polygon(sides)
    stem = para("What is the name of this shape?") + figure(0)
    return single(stem, names[sides], "T", form="Write one word.", pictures=[pic], kind="shape name")


@kind()
def solid_count(ctx):
    rng = ctx.rng
    solids = [("cube", 6, 12, 8), ("cuboid", 6, 12, 8), ("triangular prism", 5, 9, 6), ("square pyramid", 5, 8, 5)]
    name, faces, edges, vertices = rng.choice(solids)
    what, value = rng.choice([("faces", faces), ("edges", edges), ("vertices (corners)", vertices)])
    return single(para("How many %s does a <b>%s</b> have?" % (what, name)), key_number(value), "N", kind="solids")


@kind(parts=3)
def bar_chart_questions(ctx):
    rng = ctx.rng
    # (title, bars, axis, question about one bar, comparison, total)
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
    most = cats[values.index(max(values))]
    big, small = (cats[i], cats[j]) if values[i] > values[j] else (cats[j], cats[i])
    body = para("Look at the bar graph, then answer the questions.") + figure(0) + part(
        0, ask_one % ("<b>%s</b>" % esc(cats[i]))) + answer_line(0) + part(
        1, ask_more % ("<b>%s</b>" % esc(big), "<b>%s</b>" % esc(small))) + answer_line(1) + part(
        2, ask_total) + answer_line(2)
    parts = [Part(key_number(values[i]), "N", 1), Part(key_number(abs(values[i] - values[j])), "N", 1), Part(key_number(sum(values)), "N", 2)]
    return question(body, parts, [pic], kind="bar chart")


@kind(parts=2)
def rectangle_from_perimeter(ctx):
    rng = ctx.rng
    w, h = rng.randint(5, 25), rng.randint(2, 15)
    if w <= h:
        return None
    (name, she, _, her) = person(rng)
    body = para("%s drew a rectangle with a perimeter of %d cm. Its length is %d cm." % (name, 2 * (w + h), w)) + part(
        0, "What is its breadth?") + answer_line(0, "cm") + part(1, "What is its area?") + answer_line(1, "cm&sup2;")
    return question(body, [Part(key_number(h), "N", 2), Part(key_number(w * h), "N", 1)], kind="rectangle problem")


@kind()
def square_area_problem(ctx):
    rng = ctx.rng
    side = rng.randint(3, 12)
    stem = para("A square garden has a perimeter of %d m. What is its area?" % (4 * side))
    return single(stem, key_number(side * side), "N", marks=2, unit="m&sup2;", kind="area problem")


# Papers -------------------------------------------------------------------------------

T = KINDS

TOPIC_KINDS = {
    "Whole Numbers": dict(
        mc=["mc_digit_value", "mc_factor", "mc_common_multiple", "mc_prime", "mc_subtract", "mc_estimate", "mc_order_of_operations"],
        short=["add_numbers", "subtract_numbers", "multiply_numbers", "divide_numbers", "round_number", "digit_value",
               "order_of_operations", "number_pattern", "numerals_from_words", "largest_from_digits", "missing_factor",
               "count_factors", "whole_number_line"],
        problems=["buses_needed", "legs_problem", "bakery_problem", "boxes_problem"],
        multi=["share_with_remainder", "savings_problem"],
        extra=["algebra_expression"]),
    "Fractions": dict(
        mc=["mc_largest_fraction", "mc_equivalent_fraction", "mc_mixed_to_improper", "mc_shaded_fraction"],
        short=["add_fractions", "fraction_of_quantity", "improper_to_mixed", "fraction_of_quantity", "equivalent_missing",
               "whole_from_fraction", "fraction_of_quantity", "add_mixed", "simplify_fraction", "equivalent_missing",
               "shaded_fraction", "subtract_fractions", "subtract_mixed", "mixed_to_improper", "fraction_times_whole",
               "whole_from_fraction", "fraction_of_quantity", "equivalent_missing"],
        problems=["girls_from_fraction", "ribbon_problem", "girls_from_fraction", "fraction_money_problem"],
        multi=["cake_problem", "fraction_given_away"]),
    "Decimals": dict(
        mc=["mc_largest_decimal", "mc_decimal_digit", "mc_fraction_as_decimal", "mc_round_decimal"],
        short=["add_decimals", "subtract_decimals", "multiply_decimal", "multiply_by_power", "divide_decimal",
               "round_decimal", "decimal_to_fraction", "fraction_to_decimal", "decimal_digit_value", "decimal_number_line"],
        problems=["juice_problem", "books_problem", "change_problem"],
        multi=["shopping_problem"]),
    "Ratio and Percentage": dict(
        mc=["mc_equivalent_ratio", "mc_percent_fraction", "mc_percent_of"],
        short=["ratio_two", "ratio_picture", "percent_of_quantity", "fraction_to_percent", "ratio_two",
               "decimal_to_percent", "percent_shaded", "ratio_part_whole", "ratio_three", "percent_of_quantity",
               "fraction_to_percent", "percent_to_fraction", "decimal_to_percent"],
        problems=["percent_of_class", "percent_of_class"],
        multi=["share_in_ratio", "ratio_one_part", "discount_problem"]),
    "Measurement": dict(
        mc=["mc_best_unit", "mc_24_hour", "mc_convert_mass"],
        short=["read_clock", "duration", "convert_units", "ruler_length", "end_time", "cylinder_volume", "convert_units",
               "day_after", "duration", "ruler_length", "convert_units", "cylinder_volume", "month_after", "read_clock"],
        problems=["change_problem", "parcel_problem", "change_problem", "end_time"],
        multi=["journey_problem", "water_tank_problem"]),
    "Geometry and Data": dict(
        mc=["mc_angle_kind", "mc_shape_fact", "mc_square_side"],
        short=["rectangle_measure", "l_shape_measure", "triangle_area", "angle_on_line", "angle_in_triangle",
               "cuboid_volume", "name_shape", "solid_count", "rectangle_measure", "angle_on_line", "angle_in_triangle"],
        problems=["square_area_problem", "l_shape_measure"],
        multi=["rectangle_from_perimeter", "bar_chart_questions"]),
}

# Questions per paper, paper 1 to 5 of each topic; a paper has 30 parts, so
# 30 minus the question count is the number of parts that multi-part questions add.
TOPIC_QUESTIONS = [
    [29, 28, 29, 28, 29],
    [29, 28, 29, 28, 28],
    [29, 29, 28, 28, 28],
    [28, 28, 29, 28, 28],
    [28, 28, 28, 28, 15],
    [28, 28, 29, 29, 29],
]
MOCK_QUESTIONS = [57, 57, 56, 56, 55]
TOPIC_PARTS, MOCK_PARTS = 30, 59
MC_PER_TOPIC_PAPER, MC_PER_MOCK_PAPER = 7, 10
PROBLEMS_PER_TOPIC_PAPER, PROBLEMS_PER_MOCK_PAPER = 8, 14


def make(ctx, name, fallbacks=()):
    """A new question of kind `name`, or of one of `fallbacks` once that kind
    has nothing new left to ask."""
    for candidate in [name] + [f for f in fallbacks if f != name]:
        try:
            return ctx.unique(lambda: KINDS[candidate](ctx))
        except Exhausted:
            continue
    raise Exhausted(name)


def pick_multi(ctx, pools, extra):
    """Multi-part questions that add exactly `extra` parts."""
    out = []
    while extra > 0:
        names = [n for pool in pools for n in pool["multi"] if KINDS[n].parts - 1 <= extra]
        biggest = [n for n in names if KINDS[n].parts - 1 == extra]
        if biggest and extra > 1 and ctx.rng.random() < 0.6:
            names = biggest  # let the three-part questions have their turn
        name = ctx.rng.choice(names)
        out.append(make(ctx, name))
        extra -= KINDS[name].parts - 1
    return out


def build_paper(ctx, pools, question_count, part_count, mc_count, problem_count, paper_index, all_problems=False):
    rng = ctx.rng
    extra = part_count - question_count
    multi = pick_multi(ctx, pools, extra)
    if all_problems:
        return multi
    mc_names = [n for pool in pools for n in pool["mc"]]
    short_names = [n for pool in pools for n in pool["short"]]
    problem_names = [n for pool in pools for n in pool["problems"]]
    extra_names = [n for pool in pools for n in pool.get("extra", [])]
    mc = [make(ctx, mc_names[(paper_index * 3 + i) % len(mc_names)], mc_names) for i in range(mc_count)]
    singles_problems = problem_count - len(multi)
    problems = [make(ctx, rng.choice(problem_names), problem_names) for _ in range(max(0, singles_problems))]
    short_count = question_count - mc_count - len(multi) - len(problems)
    specials = [make(ctx, n) for n in extra_names] if extra_names and paper_index % 5 >= 2 else []
    order = list(short_names)
    rng.shuffle(order)
    short = specials + [make(ctx, order[i % len(order)], short_names) for i in range(short_count - len(specials))]
    problems_all = problems + multi
    rng.shuffle(problems_all)
    return mc + short + problems_all


def build_papers(ctx):
    papers = []
    pools = [TOPIC_KINDS[name] for name in TOPICS[:6]]
    for t, pool in enumerate(pools):
        for k in range(5):
            count = TOPIC_QUESTIONS[t][k]
            if count == 15:
                # The problem-solving paper: fifteen questions of two parts.
                multi = []
                while len(multi) < 15:
                    name = ctx.rng.choice([n for p in [pool] for n in p["multi"] if KINDS[n].parts == 2] + ["shopping_problem", "share_in_ratio"])
                    multi.append(make(ctx, name))
                papers.append(multi)
                continue
            papers.append(build_paper(ctx, [pool], count, TOPIC_PARTS, MC_PER_TOPIC_PAPER, PROBLEMS_PER_TOPIC_PAPER, k))
    for k, count in enumerate(MOCK_QUESTIONS):
        papers.append(build_paper(ctx, pools, count, MOCK_PARTS, MC_PER_MOCK_PAPER, PROBLEMS_PER_MOCK_PAPER, k + 2))
    return papers
