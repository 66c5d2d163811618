"""Works out mathematics questions again from their wording alone, so that a
key that does not fit its question is found. Written independently of the
generator: it reads the page text (and the words and colours of its pictures),
not the generator's numbers.

expected_answers(text, pictures) returns one expected answer per part, or None
when the wording is not one this reader knows. An answer is a Fraction or
Decimal for number parts, or a text (times, days) compared without case."""

import math
import re
from decimal import ROUND_HALF_UP, Decimal
from fractions import Fraction
from itertools import permutations

NUM = r"(\d+ \d+/\d+|\d+/\d+|\d+(?:\.\d+)?)"
WEEKDAYS = ["monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"]
MONTHS = ["january", "february", "march", "april", "may", "june", "july", "august", "september", "october",
          "november", "december"]
SHADED = ('fill="#cfe0fb"', 'fill="#fde2c8"', 'fill="#cdeee0"')
UNSHADED = 'fill="#ffffff"'


def number(text):
    """12, 3.5, 3/8 or 2 3/8 as an exact value."""
    pieces = text.split()
    if len(pieces) == 2:
        return int(pieces[0]) + Fraction(pieces[1])
    return Fraction(text) if "/" in text else Fraction(Decimal(text))


def words_to_number(words):
    units = {w: i for i, w in enumerate("zero one two three four five six seven eight nine ten eleven twelve thirteen "
                                         "fourteen fifteen sixteen seventeen eighteen nineteen".split())}
    tens = {w: 10 * i for i, w in enumerate("_ _ twenty thirty forty fifty sixty seventy eighty ninety".split()) if w != "_"}
    total = current = 0
    for word in words.replace("-", " ").split():
        if word == "and":
            continue
        if word in units:
            current += units[word]
        elif word in tens:
            current += tens[word]
        elif word == "hundred":
            current *= 100
        elif word == "thousand":
            total += current * 1000
            current = 0
        else:
            raise ValueError(word)
    return total + current


def minutes(clock):
    """"9.05 am" -> minutes after midnight."""
    h, m, half = re.fullmatch(r"(\d+)\.(\d\d) (am|pm)", clock).groups()
    return (int(h) % 12 + (12 if half == "pm" else 0)) * 60 + int(m)


def clock_text(total):
    h, m = divmod(total % (24 * 60), 60)
    return "%d.%02d %s" % (h % 12 or 12, m, "am" if h < 12 else "pm")


def duration(text):
    hours = re.search(r"(\d+) hours?", text)
    mins = re.search(r"(\d+) minutes", text)
    return (int(hours.group(1)) * 60 if hours else 0) + (int(mins.group(1)) if mins else 0)


def labels(pictures):
    """Numbers written in the pictures, in drawing order ("12 cm" -> 12)."""
    values = []
    for svg in pictures:
        for t in re.findall(r"<text[^>]*>([^<]*)</text>", svg):
            match = re.fullmatch(r"(\d+)(?: cm|&#176;)", t)
            if match:
                values.append(int(match.group(1)))
    return values


def shaded(pictures):
    svg = "".join(pictures)
    parts = re.findall(r"<(?:rect|path)[^>]*>", svg)
    on = sum(1 for p in parts if any(s in p for s in SHADED))
    off = sum(1 for p in parts if UNSHADED in p)
    return on, on + off


def round_half_up(value, exponent):
    return Decimal(value).quantize(Decimal(1).scaleb(exponent), ROUND_HALF_UP)


def digit_value(digit, written):
    whole, _, decimals = written.partition(".")
    digits = whole + decimals
    position = digits.index(digit)
    return Fraction(int(digit)) * Fraction(10) ** (len(whole) - 1 - position)


def evaluate(expression):
    if not re.fullmatch(r"[\d ()+\-*/]+", expression):
        raise ValueError(expression)
    value = eval(expression, {"__builtins__": {}}, {})  # digits and operators only
    return Fraction(value).limit_denominator(10 ** 6)


def extreme_number(digits, wanted):
    numbers = [int("".join(p)) for p in permutations(digits) if p[0] != "0"]
    if "even" in wanted:
        numbers = [n for n in numbers if n % 2 == 0]
    if "odd" in wanted:
        numbers = [n for n in numbers if n % 2 == 1]
    return max(numbers) if wanted.startswith("largest") else min(numbers)


def pattern_gap(terms):
    values = [None if t == "?" else int(t) for t in terms]
    known = [(i, v) for i, v in enumerate(values) if v is not None]
    (i0, v0), (i1, v1) = known[0], known[1]
    step = (v1 - v0) // (i1 - i0)
    return v0 + (values.index(None) - i0) * step


SOLIDS = {"cube": (6, 12, 8), "cuboid": (6, 12, 8), "triangular prism": (5, 9, 6), "square pyramid": (5, 8, 5)}


def simplest(*terms):
    g = 0
    for t in terms:
        g = math.gcd(g, t)
    return ":".join(str(t // g) for t in terms)


RULES = [
    (r"Add: " + NUM + r" \+ " + NUM + r" = \?", lambda a, b: [number(a) + number(b)]),
    (r"Subtract: " + NUM + r" - " + NUM + r" = \?", lambda a, b: [number(a) - number(b)]),
    (r"Multiply: " + NUM + r" \* " + NUM + r" = \?", lambda a, b: [number(a) * number(b)]),
    (r"Divide: " + NUM + r" / " + NUM + r" = \?", lambda a, b: [number(a) / number(b)]),
    (r"Work out " + NUM + r" \+ " + NUM + r" ?\.", lambda a, b: [number(a) + number(b)]),
    (r"Work out " + NUM + r" - " + NUM + r" ?\.", lambda a, b: [number(a) - number(b)]),
    (r"Work out " + NUM + r" \* " + NUM + r" ?\.", lambda a, b: [number(a) * number(b)]),
    (r"Work out " + NUM + r" / " + NUM + r" ?\.", lambda a, b: [number(a) / number(b)]),
    (r"Work out ([\d ()+\-*/]+)\.", lambda e: [evaluate(e)]),
    (r"What is " + NUM + r"% of " + NUM + r"\b", lambda a, b: [number(a) * number(b) / 100]),
    (r"What is " + NUM + r" of " + NUM + r"\b", lambda a, b: [number(a) * number(b)]),
    (r"Write " + NUM + r"% as a fraction", lambda a: [number(a) / 100]),
    (r"Write " + NUM + r" as (?:a mixed number|an improper fraction|a fraction|a decimal)", lambda a: [number(a)]),
    (r"Write " + NUM + r" in its simplest form", lambda a: [number(a)]),
    (r"Write " + NUM + r" as a percentage", lambda a: [number(a) * 100]),
    (r"Round " + NUM + r" to the nearest (ten|hundred|thousand)\b",
     lambda a, p: [round_half_up(a, {"ten": 1, "hundred": 2, "thousand": 3}[p])]),
    (r"Round " + NUM + r" to (\d) decimal places?", lambda a, k: [round_half_up(a, -int(k))]),
    (r"Round " + NUM + r" to the nearest whole number", lambda a: [round_half_up(a, 0)]),
    (r"What number goes in the box\? (\d+) \* \u25a1 = (\d+)", lambda a, b: [Fraction(int(b), int(a))]),
    (r"What number goes in the box\? (\d+)/(\d+) = \u25a1/(\d+)", lambda a, b, c: [Fraction(int(a), int(b)) * int(c)]),
    (r"What number goes in the box\? (\d+)/(\d+) = (\d+)/\u25a1", lambda a, b, c: [int(c) / Fraction(int(a), int(b))]),
    (r"What is the value of the digit (\d) in (\d+(?:\.\d+)?) ?\?", lambda d, n: [digit_value(d, n)]),
    (r"What is the missing number in this pattern\? ([\d?]+(?:, [\d?]+){4})",
     lambda t: [pattern_gap(t.split(", "))]),
    (r"Write in numerals: ([a-z -]+?) Answer", lambda w: [words_to_number(w.strip())]),
    (r"Use each of these digits once: ([\d, ]+)\. Make the (\w+(?: \w+)?) 5-digit",
     lambda d, w: [extreme_number(d.replace(",", " ").split(), w)]),
    (r"(\w+) has (\d+) \w+, (\w+) has (\d+) and (\w+) has (\d+)\. Find the ratio of (\w+)\u2019s \w+ to (\w+)\u2019s to (\w+)\u2019s",
     lambda p1, a, p2, b, p3, c, r1, r2, r3: [simplest(*[{p1: int(a), p2: int(b), p3: int(c)}[r] for r in (r1, r2, r3)])]),
    (r"An? \w+ costs (\w) dollars\. \w+ buys (\d+) \w+ and a bag that costs \$(\d+)",
     lambda letter, n, b: ["%s%s+%s" % (n, letter, b)]),
    (r"How many (faces|edges|vertices) (?:\(corners\) )?does an? (cube|cuboid|triangular prism|square pyramid) have",
     lambda what, solid: [SOLIDS[solid]["faces edges vertices".split().index(what)]]),
    (r"How many factors does (\d+) have", lambda n: [sum(1 for k in range(1, int(n) + 1) if int(n) % k == 0)]),
    (r"A farm has (\d+) \w+ and (\d+) \w+\. How many legs", lambda a, b: [4 * int(a) + 2 * int(b)]),
    (r"A baker made (\d+) buns in the morning and (\d+) buns in the afternoon\. She sold (\d+)",
     lambda a, b, c: [int(a) + int(b) - int(c)]),
    (r"A shop has (\d+) boxes of \w+ with (\d+) \w+ in each box, and (\d+) loose",
     lambda a, b, c: [int(a) * int(b) + int(c)]),
    (r"(\d+) pupils are going on a school trip\. Each bus can carry (\d+)",
     lambda a, b: [-(-int(a) // int(b))]),
    (r"There are (\d+) pupils in a class\. (\d+)% of them", lambda t, p: [int(t) - Fraction(int(t) * int(p), 100)]),
    (r"There are (\d+) children in a hall\. (\d+)/(\d+) of them are boys",
     lambda t, a, b: [int(t) * (1 - Fraction(int(a), int(b)))]),
    (r"A square garden has a perimeter of (\d+) m", lambda p: [Fraction(int(p), 4) ** 2]),
    (r"(\d+) identical books have a total mass of " + NUM + r" kg", lambda n, m: [number(m) / int(n)]),
    (r"One bottle holds " + NUM + r" litres of water\. How many litres of water do (\d+) bottles",
     lambda v, n: [number(v) * int(n)]),
    (r"A box holds (\d+) tins .* together have a mass of " + NUM + r" kg\. The empty box has a mass of (\d+) g",
     lambda n, m, b: [(number(m) * 1000 - int(b)) / int(n)]),
    (r"bought a book for \$" + NUM + r" and a pencil case for \$" + NUM + r"\. \w+ paid with a \$(\d+) note",
     lambda a, b, n: [int(n) - number(a) - number(b)]),
    (NUM + r" of a number is " + NUM + r"\. What is the number", lambda f, v: [number(v) / number(f)]),
    (r"had \$(\d+)\. \w+ spent " + NUM + r" of it on a book and then " + NUM + r" of the remaining",
     lambda t, a, b: [int(t) * (1 - number(a)) * (1 - number(b))]),
    (r"has a ribbon " + NUM + r" m long\. \w+ cuts it into (\d+) pieces", lambda l, n: [number(l) / int(n)]),
    (r"(\d+) km (\d+) m = \? m", lambda a, b: [int(a) * 1000 + int(b)]),
    (r"(\d+) l (\d+) ml = \? ml", lambda a, b: [int(a) * 1000 + int(b)]),
    (r"(\d+) h (\d+) min = \? min", lambda a, b: [int(a) * 60 + int(b)]),
    (r"(\d+) g = \? kg", lambda g: [Fraction(int(g), 1000)]),
    (r"(\d+) cm = \? m", lambda c: [Fraction(int(c), 100)]),
    (NUM + r" m = \? cm", lambda m: [number(m) * 100]),
    (r"Today is (\w+)\. What day of the week will it be in (\d+) days",
     lambda d, n: [WEEKDAYS[(WEEKDAYS.index(d.lower()) + int(n)) % 7]]),
    (r"It is (\w+) now\. Which month will it be (\d+) months from now",
     lambda m, n: [MONTHS[(MONTHS.index(m.lower()) + int(n)) % 12]]),
    (r"left the station at (\d+\.\d\d [ap]m) and arrived at the beach at (\d+\.\d\d [ap]m)",
     lambda a, b: [minutes(b) - minutes(a)]),
    (r"that started at (\d+\.\d\d [ap]m)\. It lasted ([\w ]+?)\. At what time", lambda t, d: [clock_text(minutes(t) + duration(d))]),
    (r"A fruit stall has (\d+) mangoes and (\d+) papayas", lambda a, b: [simplest(int(a), int(a) + int(b))]),
    (r"There are (\d+) ([a-z ]+?) and (\d+) ([a-z ]+?) (?:in|at) [a-z ]+\. Find the ratio of the number of ([a-z ]+?) to the number of ([a-z ]+?)\.",
     lambda a, an, b, bn, first, second: [simplest(int(a), int(b)) if first == an else simplest(int(b), int(a))]),
    (r"shares (\d+) \w+ equally among (\d+) friends", lambda t, k: list(divmod(int(t), int(k)))),
    (r"saves \$(\d+) every week for (\d+) weeks\..* spends \$(\d+)",
     lambda w, n, s: [int(w) * int(n), int(w) * int(n) - int(s)]),
    (r"share \$(\d+) in the ratio (\d+):(\d+)",
     lambda t, x, y: [Fraction(int(t) * int(x), int(x) + int(y)), Fraction(int(t) * abs(int(x) - int(y)), int(x) + int(y))]),
    (r"is (\d+):(\d+)\. There are (\d+) boys",
     lambda x, y, b: [Fraction(int(b) * int(y), int(x)), Fraction(int(b) * (int(x) + int(y)), int(x))]),
    (r"costs \$(\d+)\. In a sale the price is cut by (\d+)%",
     lambda p, c: [Fraction(int(p) * int(c), 100), int(p) - Fraction(int(p) * int(c), 100)]),
    (r"perimeter of (\d+) cm\. Its length is (\d+) cm",
     lambda p, l: [Fraction(int(p), 2) - int(l), int(l) * (Fraction(int(p), 2) - int(l))]),
    (r"ate " + NUM + r" of a [a-z ]+ and \w+ ate " + NUM + r" of it",
     lambda a, b: [number(a) + number(b), 1 - number(a) - number(b)]),
    (r"had (\d+) \w+\. \w+ gave " + NUM + r" of them",
     lambda t, f: [int(t) * number(f), int(t) - int(t) * number(f)]),
    (r"A jug holds (\d+) litres of water\. (\d+) cups of (\d+) ml",
     lambda l, n, c: [int(n) * int(c), int(l) * 1000 - int(n) * int(c)]),
    (r"left home at (\d+\.\d\d [ap]m)\. \w+ walked for (\d+) minutes to the station, waited (\d+) minutes, then took a train that travelled for (\d+) minutes",
     lambda t, a, b, c: [int(a) + int(b) + int(c), clock_text(minutes(t) + int(a) + int(b) + int(c))]),
    (r"buys (\d+) [a-z ]+ at \$" + NUM + r" each and a bag for \$" + NUM + r"\..* pays with a \$(\d+) note",
     lambda n, p, b, note: [int(n) * number(p) + number(b), int(note) - int(n) * number(p) - number(b)]),
]

PICTURE_RULES = [
    (r"Find the angle x in the triangle", lambda values: [180 - sum(values)]),
    (r"two angles are on a straight line", lambda values: [180 - values[0]]),
    (r"Find the area of the rectangle", lambda values: [values[0] * values[1]]),
    (r"Find the perimeter of the rectangle", lambda values: [2 * (values[0] + values[1])]),
    (r"Find the area of the triangle", lambda values: [Fraction(values[0] * values[1], 2)]),
    (r"Find the volume of the cuboid", lambda values: [values[0] * values[1] * values[2]]),
    (r"made of rectangles\. Find its area", lambda v: [v[0] * v[1] - (v[0] - v[2]) * (v[1] - v[3])]),
    (r"made of rectangles\. Find its perimeter", lambda v: [2 * (v[0] + v[1])]),
]


def expected_answers(text, pictures):
    for pattern, rule in PICTURE_RULES:
        if re.search(pattern, text):
            return rule(labels(pictures))
    if re.search(r"What fraction of the \w+ is shaded", text):
        on, total = shaded(pictures)
        return [Fraction(on, total)]
    if "What percentage of the grid is shaded" in text:
        return [shaded(pictures)[0]]
    for pattern, rule in RULES:
        match = re.search(pattern, text)
        if match:
            return rule(*match.groups())
    return None


def key_fits(expected, key, letter):
    """Whether a key says the expected answer in the form its type letter asks for."""
    if letter == "N":
        return Fraction(Decimal(key)) == Fraction(expected)
    if letter in ("F", "X"):
        value = number(key)
        return value == Fraction(expected) and Fraction(expected).denominator == int(key.rsplit("/", 1)[1])
    if letter in ("T", "R"):
        return key.strip().lower() == str(expected).lower()
    if letter == "M":
        return str(expected) in key.split(";")[1:]
    return True


# Multiple choice ------------------------------------------------------------------


def _value(option):
    """An option as a number when it is one ("3/8", "2,040", "15 cm", "0.7")."""
    text = option.replace(",", "").replace("$", "")
    text = re.sub(r" (cm|kg|g|m)$", "", text)
    try:
        return number(text)
    except (ValueError, ZeroDivisionError, ArithmeticError):
        return None


def _angle_kind(degrees):
    d = int(degrees)
    return "an acute angle" if d < 90 else "a right angle" if d == 90 else "an obtuse angle" if d < 180 else "a reflex angle"


def _is_prime(n):
    return n > 1 and all(n % k for k in range(2, int(n ** 0.5) + 1))


SHAPE_FACTS = {"lines of symmetry does a square": 4, "lines of symmetry does a rectangle that is not a square": 2,
               "right angles does a rectangle": 4, "faces does a cube": 6, "edges does a cube": 12,
               "vertices (corners) does a cuboid": 8, "sides does a hexagon": 6, "sides does an octagon": 8,
               "lines of symmetry does an equilateral triangle": 3, "faces does a triangular prism": 5,
               "edges does a square pyramid": 8, "degrees are there in a right angle": 90,
               "degrees are there in a complete turn": 360, "degrees are there on a straight line": 180}

# (pattern, test): the test gets the match groups and one option and says whether it is right.
CHOICE_RULES = [
    (r"What is " + NUM + r" - " + NUM + r" ?\?", lambda a, b: lambda o: _value(o) == number(a) - number(b)),
    (r"What is " + NUM + r"% of " + NUM + r" ?\?", lambda p, q: lambda o: _value(o) == number(p) * number(q) / 100),
    (r"What is the value of ([\d ()+\-*/]+?) ?\?", lambda e: lambda o: _value(o) == evaluate(e)),
    (r"best estimate of (\d+) \* (\d+)",
     lambda a, b: lambda o: _value(o) == round_half_up(a, 2) * round_half_up(b, 1)),
    (r"In the number (\d+) ?, what is the value of the digit (\d)", lambda n, d: lambda o: _value(o) == digit_value(d, n)),
    (r"In (\d+\.\d+) ?, what is the value of the digit (\d)", lambda n, d: lambda o: _value(o) == digit_value(d, n)),
    (r"Which of these numbers is a factor of (\d+)", lambda n: lambda o: int(n) % int(o) == 0),
    (r"Which of these numbers is not a factor of (\d+)", lambda n: lambda o: int(n) % int(o) != 0),
    (r"common multiple of (\d+) and (\d+)", lambda a, b: lambda o: int(o) % int(a) == 0 and int(o) % int(b) == 0),
    (r"Which of these numbers is a prime number", lambda: lambda o: _is_prime(int(o))),
    (r"Which of these numbers is not a prime number", lambda: lambda o: not _is_prime(int(o))),
    (r"Which (?:fraction|decimal|improper fraction) is equal to " + NUM + r" ?\?", lambda f: lambda o: _value(o) == number(f)),
    (r"Which fraction is equal to (\d+)% ?\?", lambda p: lambda o: _value(o) == Fraction(int(p), 100)),
    (r"Which ratio is the same as (\d+):(\d+)", lambda a, b: lambda o: Fraction(*map(int, o.split(":"))) == Fraction(int(a), int(b))),
    (r"Round (\d+\.\d+) to 1 decimal place", lambda v: lambda o: _value(o) == round_half_up(v, -1)),
    (r"Which 24-hour time is the same as (\d+\.\d\d [ap]m)",
     lambda t: lambda o: o == "%02d:%02d" % divmod(minutes(t), 60)),
    (r"(\d+) kg (\d+) g is the same as how many grams", lambda kg, g: lambda o: _value(o) == int(kg) * 1000 + int(g)),
    (r"A square has a perimeter of (\d+) cm", lambda p: lambda o: _value(o) == Fraction(int(p), 4)),
    (r"A square has an area of (\d+) cm", lambda a: lambda o: _value(o) ** 2 == int(a)),
    (r"An angle measures (\d+)\u00b0", lambda d: lambda o: o == _angle_kind(d)),
    (r"How many ([a-z ()]+?) \?", lambda what: lambda o: int(o) == SHAPE_FACTS[what.strip()]),
]


def choice_rights(text, options, pictures):
    """The 0-based numbers of the options that are right, or None when unknown."""
    if re.search(r"Which (?:fraction|number) is the (largest|smallest)", text):
        values = [_value(o) for o in options]
        best = max(values) if "largest" in text else min(values)
        return [i for i, v in enumerate(values) if v == best]
    if "What fraction of the bar is shaded" in text:
        on, total = shaded(pictures)
        return [i for i, o in enumerate(options) if _value(o) == Fraction(on, total) and o == "%d/%d" % (on, total)]
    if "What kind of angle is marked in the picture" in text:
        return None
    for pattern, rule in CHOICE_RULES:
        match = re.search(pattern, text)
        if match:
            test = rule(*match.groups())
            return [i for i, o in enumerate(options) if test(o)]
    return None
