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


MONEY = r"(£\d+(?:\.\d+)?|\d+p)"
TIME = r"(\d+\.\d\d [ap]m)"
CLOCK24 = r"(\d\d:\d\d)"
ROMAN = {"M": 1000, "D": 500, "C": 100, "L": 50, "X": 10, "V": 5, "I": 1}


def money(text):
    """"£3.45" or "45p" in pounds."""
    return Fraction(Decimal(text[1:])) if text.startswith("£") else Fraction(int(text[:-1]), 100)


def from_roman(text):
    values = [ROMAN[c] for c in text]
    return sum(-v if i + 1 < len(values) and v < values[i + 1] else v for i, v in enumerate(values))


def minutes24(text):
    h, m = text.split(":")
    return int(h) * 60 + int(m)


def ceil_div(a, b):
    return -(-int(a) // int(b))


def timetable_answers(text):
    rows = re.findall(r"([A-Z][a-z]+(?: [A-Z][a-z]+)?) (\d\d:\d\d) (\d\d:\d\d) (\d\d:\d\d)", text)
    times = {stop: [minutes24(t) for t in row] for stop, *row in rows}
    a, b = re.search(r"take from ([A-Za-z ]+?) to ([A-Za-z ]+?)\?", text).groups()
    reach = re.search(r"Bus 2 reach ([A-Za-z ]+?)\?", text).group(1)
    leave = re.search(r"does Bus 3 leave ([A-Za-z ]+?)\?", text).group(1)
    h, m = divmod(times[reach][1], 60)
    return [times[b][0] - times[a][0], "%02d:%02d" % (h, m), times[leave][2] - times[leave][0]]


def pictogram_answers(text):
    each = int(re.search(r"Key: ● stands for (\d+) books", text).group(1))
    counts = {name: len(dots) * each for name, dots in re.findall(r"([A-Z][a-z]+ class) (●+)", text)}
    asked = re.search(r"How many books did ([A-Z][a-z]+ class) read", text).group(1)
    return [counts[asked], sum(counts.values())]


def long_jumps(a, ja, b, jb, c, jc, x, y):
    jumps = {a: number(ja), b: number(jb), c: number(jc)}
    return [max(jumps.values()) - min(jumps.values()), sum(jumps.values()), (jumps[x] - jumps[y]) * 100]


def decimal_text(value):
    return format(Decimal(value.numerator) / Decimal(value.denominator), "f").rstrip("0").rstrip(".")


POLYGONS = {5: "pentagon", 6: "hexagon", 8: "octagon", 3: "triangle"}
SOLIDS = {"cube": (6, 12, 8), "cuboid": (6, 12, 8), "triangular prism": (5, 9, 6), "square-based pyramid": (5, 8, 5),
          "tetrahedron": (4, 6, 4), "hexagonal prism": (8, 18, 12)}
POLYGON_SIDES = {"regular pentagon": 5, "regular hexagon": 6, "regular octagon": 8, "equilateral triangle": 3}

RULES = [
    # The four operations, written out.
    (r"Add (\d+) and (\d+) ?\.", lambda a, b: [int(a) + int(b)]),
    (r"Subtract (\d+) from (\d+) ?\.", lambda a, b: [int(b) - int(a)]),
    (r"Multiply " + NUM + r" by " + NUM + r" ?\.", lambda a, b: [number(a) * number(b)]),
    (r"Divide " + NUM + r" by " + NUM + r" ?\.", lambda a, b: [number(a) / number(b)]),
    (r"What is the difference between (\d+) and (\d+)", lambda a, b: [abs(int(a) - int(b))]),
    (r"What is the product of (\d+) and (\d+)", lambda a, b: [int(a) * int(b)]),
    (r"Find the sum of " + NUM + r" and " + NUM, lambda a, b: [number(a) + number(b)]),
    (r"Take " + NUM + r" away from " + NUM, lambda a, b: [number(b) - number(a)]),
    (r"How much greater is " + NUM + r" than " + NUM, lambda a, b: [number(a) - number(b)]),
    (r"Calculate " + NUM + r" \+ " + NUM + r" ?\.", lambda a, b: [number(a) + number(b)]),
    (r"What is " + NUM + r" - " + NUM + r" ?\?", lambda a, b: [number(a) - number(b)]),
    (r"Find the value of " + NUM + r" \* " + NUM, lambda a, b: [number(a) * number(b)]),
    (r"Work out " + NUM + r" \+ " + NUM + r" ?\.", lambda a, b: [number(a) + number(b)]),
    (r"Work out " + NUM + r" - " + NUM + r" ?\.", lambda a, b: [number(a) - number(b)]),
    (r"Work out " + NUM + r" \* " + NUM + r" ?\.", lambda a, b: [number(a) * number(b)]),
    (r"Work out " + NUM + r" / " + NUM + r" ?\.", lambda a, b: [number(a) / number(b)]),
    (r"Work out (\d+) squared", lambda a: [int(a) ** 2]),
    (r"What is (\d+) cubed", lambda a: [int(a) ** 3]),
    (r"Work out ([\d ()+\-*/]+)\.", lambda e: [evaluate(e)]),
    (r"What is " + NUM + r" divided by (\d+)", lambda a, b: [number(a) / int(b)]),
    (r"What is (\d+) lots of " + NUM, lambda a, b: [int(a) * number(b)]),
    # Percentages and fractions of amounts.
    (r"(?:What is|Calculate|Work out) " + NUM + r"% of " + NUM + r"\b", lambda a, b: [number(a) * number(b) / 100]),
    (r"(?:What is|Find) " + NUM + r" of " + NUM + r"\b", lambda a, b: [number(a) * number(b)]),
    (r"(?:Write|Express) " + NUM + r"% as a fraction", lambda a: [number(a) / 100]),
    (r"Change " + NUM + r"% into a decimal", lambda a: [number(a) / 100]),
    (r"Write " + NUM + r" as (?:a mixed number|an improper fraction|a fraction|a decimal)", lambda a: [number(a)]),
    (r"Write " + NUM + r" in its simplest form", lambda a: [number(a)]),
    (r"(?:Write " + NUM + r" as|Change " + NUM + r" into) a percentage", lambda a, b: [number(a or b) * 100]),
    (r"Write the ratio (\d+):(\d+) in its simplest form", lambda a, b: [simplest(int(a), int(b))]),
    # Rounding and place value.
    (r"Round " + NUM + r" to the nearest (ten|hundred|thousand)\b",
     lambda a, p: [round_half_up(a, {"ten": 1, "hundred": 2, "thousand": 3}[p])]),
    (r"Round " + NUM + r" to (\d) decimal places?", lambda a, k: [round_half_up(a, -int(k))]),
    (r"Round " + NUM + r" to the nearest whole number", lambda a: [round_half_up(a, 0)]),
    (r"(\d+) people watched [a-z ]+\. What is this number rounded to the nearest thousand", lambda a: [round_half_up(a, 3)]),
    (r"What number goes in the box\? (\d+) \* \u25a1 = (\d+)", lambda a, b: [Fraction(int(b), int(a))]),
    (r"the two fractions are equal\. (\d+)/(\d+) = \u25a1/(\d+)", lambda a, b, c: [Fraction(int(a), int(b)) * int(c)]),
    (r"the two fractions are equal\. (\d+)/(\d+) = (\d+)/\u25a1", lambda a, b, c: [int(c) / Fraction(int(a), int(b))]),
    (r"(?:What is|Write) the value of the digit (\d) in (\d+(?:\.\d+)?) ?(?:\?|as a number)", lambda d, n: [digit_value(d, n)]),
    (r"What is the missing number\? ([\d?]+(?:, [\d?]+){4})", lambda t: [pattern_gap(t.split(", "))]),
    (r"Write this number in figures: ([a-z -]+?) Answer", lambda w: [words_to_number(w.strip())]),
    (r"Use each of these digits once: ([\d, ]+)\. Make the (\w+(?: \w+)?) 5-digit",
     lambda d, w: [extreme_number(d.replace(",", " ").split(), w)]),
    (r"Write ([IVXLCDM]+) in ordinary figures", lambda r: [from_roman(r)]),
    (r"What number is (0\.1|0\.01) more than " + NUM, lambda s, v: [number(v) + number(s)]),
    (r"What number is (0\.1|0\.01) less than " + NUM, lambda s, v: [number(v) - number(s)]),
    (r"How many hundredths make " + NUM, lambda v: [number(v) * 100]),
    (r"A money box holds (\d+)p", lambda p: [Fraction(int(p), 100)]),
    # Factors, multiples and first algebra.
    (r"How many factors does (\d+) have", lambda n: [sum(1 for k in range(1, int(n) + 1) if int(n) % k == 0)]),
    (r"How many multiples of (\d+) are there between (\d+) and (\d+)",
     lambda k, a, b: [sum(1 for n in range(int(a) + 1, int(b)) if n % int(k) == 0)]),
    (r"smallest number that is a multiple of both (\d+) and (\d+)", lambda a, b: [int(a) * int(b) // math.gcd(int(a), int(b))]),
    (r"largest number that is a factor of both (\d+) and (\d+)", lambda a, b: [math.gcd(int(a), int(b))]),
    (r"If (\d+) (\w) \+ (\d+) = (\d+) , what is the value of", lambda a, x, b, c: [Fraction(int(c) - int(b), int(a))]),
    (r"thinks of a number\. \w+ multiplies it by (\d+) and then adds (\d+)\. The answer is (\d+)",
     lambda a, b, c: [Fraction(int(c) - int(b), int(a))]),
    (r"costs (\w) pence\. \w+ buys (\d+) of them and a rubber that costs (\d+)p", lambda x, n, b: ["%s%s+%s" % (n, x, b)]),
    (r"was (-?\d+)°C\. At 2 pm it was (-?\d+)°C", lambda a, b: [int(b) - int(a)]),
    # Whole-number problems.
    (r"taking (\d+) pupils and teachers to [a-z ]+\. Each coach has (\d+) seats", lambda p, s: [ceil_div(p, s)]),
    (r"collects (\d+) eggs in a week\. The eggs are packed in (?:boxes|trays) of (\d+)", lambda e, b: [Fraction(int(e), int(b))]),
    (r"On a farm there are (\d+) \w+ and (\d+) \w+\. How many legs", lambda a, b: [4 * int(a) + 2 * int(b)]),
    (r"library had (\d+) books\. It bought (\d+) new books and gave away (\d+)", lambda a, b, c: [int(a) + int(b) - int(c)]),
    (r"On Saturday (\d+) people visited a flower show\. On Sunday (\d+)", lambda a, b: [int(a) - int(b)]),
    (r"A cinema has (\d+) rows of seats with (\d+) seats", lambda a, b: [int(a) * int(b)]),
    (r"Tickets for the school play cost £(\d+) each\. The school sold (\d+)", lambda a, b: [int(a) * int(b)]),
    (r"is (\d+) m high\. The mountain [A-Za-z ]+ is (\d+) m high", lambda a, b: [int(a) - int(b)]),
    (r"was born in (\d+)\. How old was \w+ on \w+ birthday in (\d+)", lambda a, b: [int(b) - int(a)]),
    (r"are sold in packs of (\d+)\. [\w ]+ needs (\d+) of them", lambda a, b: [ceil_div(b, a)]),
    (r"that costs £(\d+)\. \w+ saves £(\d+) every week", lambda a, b: [Fraction(int(a), int(b))]),
    (r"has (\d+) classes of (\d+) pupils and (\d+) classes of (\d+) pupils", lambda a, b, c, d: [int(a) * int(b) + int(c) * int(d)]),
    (r"drove (\d+) km on \w+, (\d+) km on \w+ and (\d+) km", lambda a, b, c: [int(a) + int(b) + int(c)]),
    (r"population of a town was (\d+) in \d+ and (\d+) in", lambda a, b: [int(b) - int(a)]),
    (r"raised £(\d+) at [a-z ]+ and £(\d+) at", lambda a, b: [int(a) + int(b)]),
    (r"A book has (\d+) pages\. \w+ reads (\d+) pages every day", lambda a, b: [Fraction(int(a), int(b))]),
    (r"puts (\d+) [a-z ]+ on each tray and bakes (\d+) trays\. She sells (\d+)", lambda a, b, c: [int(a) * int(b) - int(c)]),
    (r"A crate holds (\d+) bottles of milk\. How many bottles are there in (\d+) crates", lambda a, b: [int(a) * int(b)]),
    (r"plants (\d+) rows of \w+ bulbs with (\d+) bulbs", lambda a, b: [int(a) * int(b)]),
    (r"has (\d+) [a-z ]+ and puts them into (\d+) equal piles", lambda a, b: [int(a) % int(b)]),
    (r"shares (\d+) \w+ equally among (\d+) friends", lambda t, k: list(divmod(int(t), int(k)))),
    (r"For (\d+) weeks, \w+ saves £(\d+) each week\..* spends £(\d+)", lambda n, w, s: [int(n) * int(w), int(n) * int(w) - int(s)]),
    (r"packs (\d+) eggs into boxes of (\d+)", lambda e, b: list(divmod(int(e), int(b)))),
    (r"(\d+) pupils are going to a wildlife park\. Each coach has (\d+) seats and costs £(\d+)",
     lambda p, s, c: [ceil_div(p, s), ceil_div(p, s) * int(c)]),
    (r"has (\d+) rows with (\d+) seats in each row\. On Friday evening (\d+) tickets were sold at £(\d+)",
     lambda r, s, t, p: [int(r) * int(s), int(r) * int(s) - int(t), int(t) * int(p)]),
    # Fraction problems.
    (r"How many minutes are there in " + NUM + r" of an hour", lambda f: [number(f) * 60]),
    (r"How many centimetres are in " + NUM + r" of a metre", lambda f: [number(f) * 100]),
    (r"What fraction of £1 is (\d+)p", lambda p: [Fraction(int(p), 100)]),
    (r"What fraction of a day is (\d+) hours", lambda h: [Fraction(int(h), 24)]),
    (r"Which is larger, " + NUM + r" or " + NUM + r" \? Write the larger fraction", lambda a, b: [max(number(a), number(b))]),
    (r"A bag holds (\d+) (\w+) counters and (\d+) \w+ counters\. What fraction of the counters are (\w+)",
     lambda a, ca, b, asked: [Fraction(int(a) if asked == ca else int(b), int(a) + int(b))]),
    (r"There are (\d+) children in a [a-z ]+\. " + NUM + r" of them are boys", lambda t, f: [int(t) * (1 - number(f))]),
    (r"has a ribbon " + NUM + r" m long\. \w+ cuts it into (\d+) pieces", lambda l, n: [number(l) / int(n)]),
    (r"had £(\d+) of birthday money\. \w+ spent " + NUM + r" of it on a book and then " + NUM + r" of the money that was left",
     lambda t, a, b: [int(t) * (1 - number(a)) * (1 - number(b))]),
    (r"In a class of (\d+) pupils, " + NUM + r" have school dinners", lambda t, f: [int(t) * number(f)]),
    (r"is reading a book of (\d+) pages\. \w+ has read " + NUM + r" of it so far", lambda p, f: [int(p) * (1 - number(f))]),
    (r"A water tank holds (\d+) litres when it is full\. It is " + NUM + r" full now", lambda l, f: [int(l) * number(f)]),
    (r"A cycle ride is (\d+) km long\. \w+ has cycled " + NUM + r" of the way", lambda k, f: [int(k) * (1 - number(f))]),
    (r"A pizza is cut into (\d+) equal slices\. \w+ eats " + NUM + r" of the pizza and \w+ eats " + NUM + r" of it",
     lambda s, a, b: [int(s) * (1 - number(a) - number(b))]),
    (NUM + r" of a garden is lawn and " + NUM + r" of it is a vegetable patch", lambda a, b: [1 - number(a) - number(b)]),
    (r"uses " + NUM + r" kg of fruit for each jar of jam\. \w+ makes (\d+) jars", lambda f, n: [number(f) * int(n)]),
    (r"(\d+) friends share (\d+) pizzas equally", lambda f, p: [decimal_text(Fraction(int(p), int(f)))]),
    (NUM + r" of a number is " + NUM + r"\. What is the number", lambda f, v: [number(v) / number(f)]),
    (r"ate " + NUM + r" of a [a-z ]+ and \w+ ate " + NUM + r" of it", lambda a, b: [number(a) + number(b), 1 - number(a) - number(b)]),
    (r"had (\d+) \w+\. \w+ gave " + NUM + r" of them", lambda t, f: [int(t) * number(f), int(t) - int(t) * number(f)]),
    (r"has (\d+) pupils\. " + NUM + r" of them walk to school and " + NUM + r" come by car",
     lambda t, w, c: [int(t) * number(w), int(t) * number(c), int(t) * (1 - number(w) - number(c))]),
    # Decimal problems.
    (r"One bottle of water holds " + NUM + r" litres\. How many litres do (\d+) bottles", lambda v, n: [number(v) * int(n)]),
    (r"A pile of (\d+) copies of the same book has a mass of " + NUM + r" kg", lambda n, m: [number(m) / int(n)]),
    (r"One lap of the school field is " + NUM + r" km\. \w+ runs (\d+) laps", lambda l, n: [number(l) * int(n)]),
    (r"jumped " + NUM + r" m in the long jump and \w+ jumped " + NUM + r" m", lambda a, b: [number(a) - number(b)]),
    (r"(\w+) jumped " + NUM + r" m, (\w+) jumped " + NUM + r" m and (\w+) jumped " + NUM + r" m\..*centimetres further did (\w+) jump than (\w+)",
     long_jumps),
    (r"Rain fell on three days of one week: " + NUM + r" mm on Monday, " + NUM + r" mm on Wednesday and " + NUM + r" mm",
     lambda a, b, c: [number(a) + number(b) + number(c)]),
    (r"A piece of string " + NUM + r" m long is cut into (\d+) equal pieces", lambda l, n: [number(l) / int(n)]),
    (r"weighs three parcels: " + NUM + r" kg, " + NUM + r" kg and " + NUM + r" kg", lambda a, b, c: [number(a) + number(b) + number(c)]),
    (r"took " + NUM + r" seconds and \w+ took " + NUM + r" seconds", lambda a, b: [number(b) - number(a)]),
    (r"A jug holds " + NUM + r" litres of orange juice\. (\d+) glasses of " + NUM + r" litres",
     lambda j, n, g: [number(j) - int(n) * number(g)]),
    (r"cost " + MONEY + r" per kilogram\. How much do " + NUM + r" kg", lambda p, k: [money(p) * number(k)]),
    (r"A bus ticket costs " + MONEY + r"\. [\w ]+ makes (\d+) trips", lambda p, n: [money(p) * int(n)]),
    (r"for " + MONEY + r" and [a-z -]+ for " + MONEY + r"\. \w+ pays with a £(\d+) note", lambda a, b, n: [int(n) - money(a) - money(b)]),
    (r"buys (\d+) [a-z ]+ at " + MONEY + r" each and a pencil case for " + MONEY + r"\..* pays with a £(\d+) note",
     lambda n, e, x, note: [int(n) * money(e) + money(x), int(note) - int(n) * money(e) - money(x)]),
    (r"had a mass of " + NUM + r" kg\. At six months \w+ was " + NUM + r" kg heavier", lambda a, b: [number(a) + number(b), number(b) * 1000]),
    (r"A family walks " + NUM + r" km in the morning and " + NUM + r" km in the afternoon",
     lambda a, b: [number(a) + number(b), abs(number(a) - number(b))]),
    # Ratio and percentage problems.
    (r"There are (\d+) ([a-z ]+?) and (\d+) ([a-z ]+?) (?:in|at) [a-z ]+\. Find the ratio of the number of ([a-z ]+?) to the number of ([a-z ]+?)\.",
     lambda a, an, b, bn, first, second: [simplest(int(a), int(b)) if first == an else simplest(int(b), int(a))]),
    (r"(\w+) has (\d+) \w+, (\w+) has (\d+) and (\w+) has (\d+)\. Find the ratio of (\w+)\u2019s \w+ to (\w+)\u2019s to (\w+)\u2019s",
     lambda p1, a, p2, b, p3, c, r1, r2, r3: [simplest(*[{p1: int(a), p2: int(b), p3: int(c)}[r] for r in (r1, r2, r3)])]),
    (r"A fruit bowl has (\d+) \w+ and (\d+) \w+\. What is the ratio of the number of \w+ to the total", lambda a, b: [simplest(int(a), int(a) + int(b))]),
    (r"uses (\d+) g of (\w+) and (\d+) g of (\w+)\. What is the ratio of the mass of (\w+) to the mass of (\w+)",
     lambda a, x, b, y, first, second: [simplest(int(a), int(b)) if first == x else simplest(int(b), int(a))]),
    (r"A recipe for (\d+) people uses (\d+) \w+ of \w+\. How much \w+ is needed for (\d+) people",
     lambda p, a, q: [Fraction(int(a) * int(q), int(p))]),
    (r"1 cm stands for (\d+) km\. Two villages are " + NUM + r" cm apart", lambda k, c: [int(k) * number(c)]),
    (r"scored (\d+) out of (\d+) in a", lambda a, b: [Fraction(int(a) * 100, int(b))]),
    (r"What percentage of £(\d+) is " + MONEY, lambda t, m: [money(m) * 100 / int(t)]),
    (r"1 part squash to (\d+) parts water\. How much water is needed for (\d+) ml", lambda w, s: [int(w) * int(s)]),
    (r"(\d+) [a-z ]+ cost " + MONEY + r"\. How much do (\d+) of the same", lambda n, m, k: [money(m) / int(n) * int(k)]),
    (r"there are (\d+) ([a-z ]+) for every (\d+) ([a-z ]+)\. There are (\d+) \2\. How many",
     lambda a, x, b, y, n: [Fraction(int(n) * int(b), int(a))]),
    (r"A school has (\d+) pupils\. (\d+)% of them", lambda t, p: [int(t) - Fraction(int(t) * int(p), 100)]),
    (r"In a survey of (\d+) people, (\d+)% said", lambda n, p: [Fraction(int(n) * int(p), 100)]),
    (r"costs £(\d+)\. In a sale everything is (\d+)% off", lambda c, p: [int(c) * (1 - Fraction(int(p), 100))]),
    (r"costs " + MONEY + r"\. The price goes up by (\d+)%", lambda c, p: [money(c) * (1 + Fraction(int(p), 100))]),
    (r"in the ratio (\d+):(\d+)\. \w+ uses (\d+) pots of", lambda a, b, n: [Fraction(int(a) * int(n), int(b))]),
    (r"in the ratio (\d+):(\d+)\. She has (\d+) animals", lambda a, b, n: [Fraction(int(a) * int(n), int(a) + int(b))]),
    (r"share £(\d+) in the ratio (\d+):(\d+)",
     lambda t, x, y: [Fraction(int(t) * int(x), int(x) + int(y)), Fraction(int(t) * abs(int(x) - int(y)), int(x) + int(y))]),
    (r"is (\d+):(\d+)\. There are (\d+) boys",
     lambda x, y, b: [Fraction(int(b) * int(y), int(x)), Fraction(int(b) * (int(x) + int(y)), int(x))]),
    (r"costs £(\d+)\. In a sale the price is cut by (\d+)%",
     lambda p, c: [Fraction(int(p) * int(c), 100), int(p) - Fraction(int(p) * int(c), 100), 2 * (int(p) - Fraction(int(p) * int(c), 100))]),
    (r"A cake for (\d+) people needs (\d+) g of butter and (\d+) g of sugar\..*?for a cake for (\d+) people.*?for a cake for (\d+) people",
     lambda n, b, s, m, f: [Fraction(int(b) * int(m), int(n)), Fraction(int(s) * int(f), int(n))]),
    # Measures and time.
    (r"How many metres are there in (\d+) km (\d+) m", lambda a, b: [int(a) * 1000 + int(b)]),
    (r"Write (\d+) g in kilograms", lambda g: [Fraction(int(g), 1000)]),
    (r"How many millilitres are in (\d+) l (\d+) ml", lambda a, b: [int(a) * 1000 + int(b)]),
    (r"Change " + NUM + r" m into centimetres", lambda m: [number(m) * 100]),
    (r"A coach journey takes (\d+) h (\d+) min", lambda h, m: [int(h) * 60 + int(m)]),
    (r"Write (\d+) cm in metres", lambda c: [Fraction(int(c), 100)]),
    (r"How many seconds are there in (\d+) minutes(?: and (\d+) seconds)?", lambda m, s: [int(m) * 60 + int(s or 0)]),
    (r"arrives at a campsite on (\d+) \w+ and leaves on (\d+)", lambda a, b: [int(b) - int(a)]),
    (r"lasts (\d+) weeks and (\d+) days", lambda w, d: [7 * int(w) + int(d)]),
    (r"A bag of \w+ has a mass of " + NUM + r" kg\. What is its mass in grams", lambda k: [number(k) * 1000]),
    (r"A baby is (\d+) years? and (\d+) months? old", lambda y, m: [12 * int(y) + int(m)]),
    (r"Today is (\w+)\. What day of the week will it be in (\d+) days",
     lambda d, n: [WEEKDAYS[(WEEKDAYS.index(d.lower()) + int(n)) % 7]]),
    (r"It is (\w+) now\. Which month will it be (\d+) months from now",
     lambda m, n: [MONTHS[(MONTHS.index(m.lower()) + int(n)) % 12]]),
    (r"Write " + TIME + r" as a time on the 24-hour clock", lambda t: ["%02d:%02d" % divmod(minutes(t), 60)]),
    (r"A train leaves at " + CLOCK24 + r" \. Write this time using am or pm", lambda t: [clock_text(minutes24(t))]),
    (r"left the station at " + TIME + r" and arrived at [a-z ]+ at " + TIME, lambda a, b: [minutes(b) - minutes(a)]),
    (r"that started at " + TIME + r"\. It lasted ([\w ]+?)\. At what time", lambda t, d: [clock_text(minutes(t) + duration(d))]),
    (r"A box holds (\d+) tins .* together have a mass of " + NUM + r" kg\. The empty box has a mass of (\d+) g",
     lambda n, m, b: [(number(m) * 1000 - int(b)) / int(n)]),
    (r"A train leaves \w+ at " + CLOCK24 + r" and arrives in \w+ at " + CLOCK24, lambda a, b: [minutes24(b) - minutes24(a)]),
    (r"cook the chicken for (\d+) minutes for every 500 g, and then (\d+) minutes more\. How many minutes does a " + NUM + r" kg",
     lambda p, e, k: [number(k) * 2 * int(p) + int(e)]),
    (r"A roll of ribbon (\d+) m long is cut into pieces that are each (\d+) cm long", lambda m, c: [int(m) * 100 // int(c)]),
    (r"suitcase of up to (\d+) kg\. A suitcase holds clothes of " + NUM + r" kg, shoes of " + NUM + r" kg and books of " + NUM + r" kg",
     lambda l, a, b, c: [int(l) - number(a) - number(b) - number(c)]),
    (r"walks to school in (\d+) minutes\. One morning \w+ leaves home at " + TIME, lambda w, t: [clock_text(minutes(t) + int(w))]),
    (r"goes to bed at " + TIME + r" and wakes up at " + TIME, lambda a, b: [24 * 60 - minutes(a) + minutes(b)]),
    (r"A swimming pool is (\d+) m long\. \w+ swims (\d+) lengths", lambda p, n: [int(p) * int(n)]),
    (r"left home at " + TIME + r"\. \w+ walked for (\d+) minutes to the station, waited (\d+) minutes, then took a train that travelled for (\d+) minutes",
     lambda t, a, b, c: [int(a) + int(b) + int(c), clock_text(minutes(t) + int(a) + int(b) + int(c))]),
    (r"A water container holds (\d+) litres\. At a picnic (\d+) cups of (\d+) ml", lambda l, n, c: [int(n) * int(c), int(l) * 1000 - int(n) * int(c)]),
    (r"The timetable shows three buses", lambda: timetable_answers),
    # Geometry and data.
    (r"Three angles meet at a point\. Two of them are (\d+)° and (\d+)°", lambda a, b: [360 - int(a) - int(b)]),
    (r"Three angles of a quadrilateral are (\d+)°, (\d+)° and (\d+)°", lambda a, b, c: [360 - int(a) - int(b) - int(c)]),
    (r"Count the (faces|edges|vertices) (?:\(corners\) )?of a ([a-z -]+?) \.", lambda w, s: [SOLIDS[s]["faces edges vertices".split().index(w)]]),
    (r"Find the mean of these numbers: ([\d, ]+?) ?\.", lambda t: [Fraction(sum(map(int, t.split(", "))), len(t.split(", ")))]),
    (r"temperatures in °C one week were: ((?:\w+ \d+, )+\w+ \d+)\. What is the range",
     lambda t: [max(int(x) for x in re.findall(r"\d+", t)) - min(int(x) for x in re.findall(r"\d+", t))]),
    (r"Each side of an? (regular \w+|equilateral triangle) is (\d+) cm long", lambda s, l: [POLYGON_SIDES[s] * int(l)]),
    (r"A square floor tile has sides of (\d+) cm", lambda s: [int(s) ** 2]),
    (r"A square garden has a perimeter of (\d+) m", lambda p: [Fraction(int(p), 4) ** 2]),
    (r"is (\d+) m long and (\d+) m wide\. How much fencing", lambda a, b: [2 * (int(a) + int(b))]),
    (r"floor is a rectangle (\d+) m long and (\d+) m wide\. It is covered with square tiles whose sides are 50 cm",
     lambda a, b: [int(a) * int(b) * 4]),
    (r"rectangular picture (\d+) cm wide and (\d+) cm tall", lambda a, b: [2 * (int(a) + int(b))]),
    (r"A rectangular swimming pool is (\d+) m long and (\d+) m wide", lambda a, b: [int(a) * int(b)]),
    (r"A box is (\d+) cm long, (\d+) cm wide and (\d+) cm tall", lambda a, b, c: [int(a) * int(b) * int(c)]),
    (r"The mean of four numbers is (\d+)\. Three of the numbers are (\d+), (\d+) and (\d+)",
     lambda m, a, b, c: [4 * int(m) - int(a) - int(b) - int(c)]),
    (r"the two equal angles are (\d+)° each", lambda a: [180 - 2 * int(a)]),
    (r"The angle at the top of an isosceles triangle is (\d+)°", lambda a: [Fraction(180 - int(a), 2)]),
    (r"turns clockwise from (\d+) to (\d+)", lambda a, b: [30 * ((int(b) - int(a)) % 12)]),
    (r"perimeter of (\d+) cm\. Its length is (\d+) cm", lambda p, l: [Fraction(int(p), 2) - int(l), int(l) * (Fraction(int(p), 2) - int(l))]),
    (r"The pictogram shows how many books", lambda: pictogram_answers),
    (r"In four spelling tests \w+ scored (\d+), (\d+), (\d+) and (\d+)",
     lambda *s: [sum(map(int, s)), Fraction(sum(map(int, s)), 4)]),
]

PICTURE_RULES = [
    (r"Find the angle x in the triangle", lambda values: [180 - sum(values)]),
    (r"two angles are on a straight line", lambda values: [180 - values[0]]),
    (r"Find the area of the rectangle", lambda values: [values[0] * values[1]]),
    (r"What is the perimeter of this rectangle", lambda values: [2 * (values[0] + values[1])]),
    (r"Work out the area of the triangle", lambda values: [Fraction(values[0] * values[1], 2)]),
    (r"Find the volume of the cuboid", lambda values: [values[0] * values[1] * values[2]]),
    (r"made of rectangles\. Find its area", lambda v: [v[0] * v[1] - (v[0] - v[2]) * (v[1] - v[3])]),
    (r"made of rectangles\. Find its perimeter", lambda v: [2 * (v[0] + v[1])]),
]


def polygon_name(pictures):
    points = re.search(r'<polygon points="([^"]+)"', "".join(pictures)).group(1).split()
    return POLYGONS[len(points)]


def expected_answers(text, pictures):
    for pattern, rule in PICTURE_RULES:
        if re.search(pattern, text):
            return rule(labels(pictures))
    if re.search(r"What fraction of the \w+ is shaded", text):
        on, total = shaded(pictures)
        return [Fraction(on, total)]
    if "What percentage of the grid is shaded" in text:
        return [shaded(pictures)[0]]
    if "What is the name of this shape" in text:
        return [polygon_name(pictures)]
    for pattern, rule in RULES:
        match = re.search(pattern, text)
        if match:
            result = rule(*match.groups())
            return result(text) if callable(result) else result
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
    """An option as a number when it is one ("3/8", "2,040", "15 cm", "£0.70", "45p", "−3°C")."""
    text = option.replace(",", "").replace("£", "").replace("\u2212", "-")
    if text.endswith("%"):
        return number(text[:-1]) / 100
    text = re.sub(r"(?: ?(cm|km|kg|g|m|ml|l|litres)|°C)$", "", text)
    if re.fullmatch(r"\d+p", text):
        return Fraction(int(text[:-1]), 100)
    try:
        return number(text)
    except (ValueError, ZeroDivisionError, ArithmeticError):
        return None


def _metres(option):
    """A length option in metres: "1,950 m", "2.05 km", "190,000 cm", "1 km 880 m"."""
    text = option.replace(",", "")
    both = re.fullmatch(r"(\d+) km (\d+) m", text)
    if both:
        return int(both.group(1)) * 1000 + int(both.group(2))
    value, unit = re.fullmatch(r"([\d.]+) (km|m|cm)", text).groups()
    return Fraction(Decimal(value)) * {"km": 1000, "m": 1, "cm": Fraction(1, 100)}[unit]


def drawn_angle(pictures):
    """The angle between the two arms of a drawn angle, in whole degrees: the
    first line is the horizontal arm, the second starts at the same point."""
    lines = re.findall(r'<line x1="([\d.-]+)" y1="([\d.-]+)" x2="([\d.-]+)" y2="([\d.-]+)"', "".join(pictures))
    x1, y1, x2, y2 = map(float, lines[1])
    return round(math.degrees(math.atan2(y1 - y2, x2 - x1))) % 360


def _angle_kind(degrees):
    d = int(degrees)
    return "an acute angle" if d < 90 else "a right angle" if d == 90 else "an obtuse angle" if d < 180 else "a reflex angle"


def _is_prime(n):
    return n > 1 and all(n % k for k in range(2, int(n ** 0.5) + 1))


def _duration_text(minutes):
    hours, minutes = divmod(minutes, 60)
    words = []
    if hours:
        words.append("%d hour%s" % (hours, "" if hours == 1 else "s"))
    if minutes:
        words.append("%d minutes" % minutes)
    return " ".join(words)


SHAPE_FACTS = {"lines of symmetry does a square": 4, "lines of symmetry does a rectangle that is not a square": 2,
               "right angles does a rectangle": 4, "faces does a cube": 6, "edges does a cube": 12,
               "vertices (corners) does a cuboid": 8, "sides does a hexagon": 6, "sides does an octagon": 8,
               "lines of symmetry does an equilateral triangle": 3, "faces does a triangular prism": 5,
               "edges does a square-based pyramid": 8, "degrees are there in a right angle": 90,
               "degrees are there in a complete turn": 360, "degrees are there on a straight line": 180}
# What each quadrilateral always has: parallel pairs, equal sides, right angles, kite-like.
QUADRILATERALS = {"trapezium": "exactly one pair of parallel sides", "rhombus": "four equal sides",
                  "rectangle": "four right angles", "kite": "two pairs of equal sides next to each other",
                  "parallelogram": "two pairs of parallel sides, no right angles"}
# What a pupil knows of everyday things.
BEST_UNITS = {"the mass of an apple": "grams (g)", "the mass of a bag of potatoes": "kilograms (kg)",
              "the length of a pencil": "centimetres (cm)", "the distance from London to Leeds": "kilometres (km)",
              "the amount of water in a teaspoon": "millilitres (ml)", "the amount of water in a bath": "litres (l)",
              "the height of a door": "metres (m)", "the mass of a pony": "kilograms (kg)",
              "the length of a football pitch": "metres (m)", "the amount of medicine in a spoon": "millilitres (ml)",
              "the mass of a letter": "grams (g)", "the thickness of a coin": "millimetres (mm)"}
LIKELY_MASSES = {"an apple": "150 g", "a bag of sugar": "1 kg", "a ten-year-old child": "35 kg", "a pencil": "5 g",
                 "a dictionary": "1 kg", "a large dog": "30 kg", "a loaf of bread": "800 g"}
LIKELY_CAPACITIES = {"a mug": "300 ml", "a bucket": "10 litres", "a teaspoon": "5 ml", "a bath": "150 litres",
                     "a can of drink": "330 ml", "a watering can": "5 litres"}
THIRTY_DAYS = {"April", "June", "September", "November"}


def _coordinates(x, y, dx, side, dy):
    nx = int(x) + int(dx) if side == "right" else int(x) - int(dx)
    return "(%d, %d)" % (nx, int(y) + int(dy))


# (pattern, test): the test gets the match groups and one option and says whether it is right.
CHOICE_RULES = [
    (r"What is " + NUM + r" - " + NUM + r" ?\?", lambda a, b: lambda o: _value(o) == number(a) - number(b)),
    (r"Work out " + NUM + r"% of " + NUM + r" ?\.", lambda p, q: lambda o: _value(o) == number(p) * number(q) / 100),
    (r"What does ([\d ()+\-*/]+?) equal\?", lambda e: lambda o: _value(o) == evaluate(e)),
    (r"best estimate of (\d+) \* (\d+)",
     lambda a, b: lambda o: _value(o) == round_half_up(a, 2) * round_half_up(b, 1)),
    (r"In the number (\d+) ?, what is the value of the digit (\d)", lambda n, d: lambda o: _value(o) == digit_value(d, n)),
    (r"In (\d+\.\d+) ?, what is the value of the digit (\d)", lambda n, d: lambda o: _value(o) == digit_value(d, n)),
    (r"Which number is a factor of (\d+)", lambda n: lambda o: int(n) % int(o) == 0),
    (r"Which of these is not a factor of (\d+)", lambda n: lambda o: int(n) % int(o) != 0),
    (r"multiple of both (\d+) and (\d+)", lambda a, b: lambda o: int(o) % int(a) == 0 and int(o) % int(b) == 0),
    (r"Only one of these numbers is a prime number", lambda: lambda o: _is_prime(int(o))),
    (r"Which number is not prime", lambda: lambda o: not _is_prime(int(o))),
    (r"Which of these is a square number", lambda: lambda o: math.isqrt(int(o)) ** 2 == int(o)),
    (r"was (-?\d+)°C\. By midday it was (\d+) degrees warmer", lambda t, r: lambda o: _value(o) == int(t) + int(r)),
    (r"Which number does the Roman numeral ([IVXLCDM]+) stand for", lambda r: lambda o: int(o) == from_roman(r)),
    (r"A number rounded to the nearest hundred is (\d+) ?\. Which of these could", lambda n: lambda o: round_half_up(int(_value(o)), 2) == int(n)),
    (r"Which (?:fraction|decimal|improper fraction) is (?:equal to|the same as) " + NUM + r" ?\?", lambda f: lambda o: _value(o) == number(f)),
    (r"Which fraction has the same value as (\d+)% ?\?", lambda p: lambda o: _value(o) == Fraction(int(p), 100)),
    (r"Which decimal is the same as (\d+)% ?\?", lambda p: lambda o: _value(o) == Fraction(int(p), 100)),
    (r"Which percentage is the same as " + NUM + r" ?\?", lambda f: lambda o: _value(o) == number(f)),
    (r"Which ratio is the same as (\d+):(\d+)", lambda a, b: lambda o: Fraction(*map(int, o.split(":"))) == Fraction(int(a), int(b))),
    (r"A bag has (\d+) \w+ sweets and (\d+) \w+ sweets\. What is the ratio", lambda a, b: lambda o: o == simplest(int(a), int(b))),
    (r"For every (\d+) boys in a running club there are (\d+) girls\. There are (\d+) children",
     lambda a, b, n: lambda o: int(o) * (int(a) + int(b)) == int(b) * int(n)),
    (r"Round (\d+\.\d+) to 1 decimal place", lambda v: lambda o: _value(o) == round_half_up(v, -1)),
    (r"Which number has (\d+) ones, (\d+) tenths and (\d+) hundredths",
     lambda u, t, h: lambda o: _value(o) == int(u) + Fraction(int(t), 10) + Fraction(int(h), 100)),
    (r"buys a drink for " + MONEY + r", a sandwich for " + MONEY + r" and an apple for " + MONEY,
     lambda a, b, c: lambda o: _value(o) == money(a) + money(b) + money(c)),
    (r"Which is (\d+)/(\d+) written in its simplest form",
     lambda n, d: lambda o: _value(o) == Fraction(int(n), int(d)) and math.gcd(*map(int, o.split("/"))) == 1),
    (r"Which 24-hour time is the same as " + TIME, lambda t: lambda o: o == "%02d:%02d" % divmod(minutes(t), 60)),
    (r"(\d+) kg (\d+) g is the same as how many grams", lambda kg, g: lambda o: _value(o) == int(kg) * 1000 + int(g)),
    (r"How long is it from " + TIME + r" to " + TIME, lambda a, b: lambda o: o == _duration_text(minutes(b) - minutes(a))),
    (r"Which of these lengths is the longest", None),
    (r"Only one of these months has 30 days", lambda: lambda o: o in THIRTY_DAYS),
    (r"Which of these months has 31 days", lambda: lambda o: o not in THIRTY_DAYS and o != "February"),
    (r"A square has a perimeter of (\d+) cm", lambda p: lambda o: _value(o) == Fraction(int(p), 4)),
    (r"A square has an area of (\d+) cm", lambda a: lambda o: _value(o) ** 2 == int(a)),
    (r"An angle measures (\d+)°", lambda d: lambda o: o == _angle_kind(d)),
    (r"Point P is at \((\d+), (\d+)\) on a grid\. It moves (\d+) squares? (right|left) and (\d+) squares? up",
     lambda x, y, dx, side, dy: lambda o: o == _coordinates(x, y, dx, side, dy)),
    (r"Which shape (?:always )?has ([a-z ,]+)", lambda d: lambda o: d.startswith(QUADRILATERALS.get(o, "?"))),
    (r"How many ([a-z ()-]+?) (?:have)? ?\?", lambda what: lambda o: int(o) == SHAPE_FACTS[what.strip()]),
    (r"Which unit is best for measuring ([a-z ]+?) ?\?", lambda what: lambda o: o == BEST_UNITS[what]),
    (r"Which is the most likely mass of ([a-z -]+?) ?\?", lambda what: lambda o: o == LIKELY_MASSES[what]),
    (r"About how much liquid does ([a-z ]+?) hold", lambda what: lambda o: o == LIKELY_CAPACITIES[what]),
]


def _between(text, options):
    match = re.search(r"lies between " + NUM + r" and (\d+/\d+|1) ?\?", text)
    low, high = number(match.group(1)), number(match.group(2))
    return [i for i, o in enumerate(options) if low < _value(o) < high]


def choice_rights(text, options, pictures):
    """The 0-based numbers of the options that are right, or None when unknown."""
    extreme = re.search(r"Which (?:fraction|number|decimal|of these numbers|of these unit fractions) is the (largest|smallest|greatest)", text)
    if extreme:
        values = [_value(o) for o in options]
        best = min(values) if extreme.group(1) == "smallest" else max(values)
        return [i for i, v in enumerate(values) if v == best]
    if "Which of these amounts is the greatest" in text:
        values = [_value(o) for o in options]
        return [i for i, v in enumerate(values) if v == max(values)]
    if "Which of these lengths is the longest" in text:
        values = [_metres(o) for o in options]
        return [i for i, v in enumerate(values) if v == max(values)]
    if "Which list puts these numbers in order, smallest first" in text:
        lists = [[number(v) for v in o.split(", ")] for o in options]
        return [i for i, values in enumerate(lists) if values == sorted(values)]
    if "lies between" in text:
        return _between(text, options)
    if "What fraction of the bar is shaded" in text:
        on, total = shaded(pictures)
        return [i for i, o in enumerate(options) if _value(o) == Fraction(on, total) and o == "%d/%d" % (on, total)]
    if "What kind of angle is marked in the picture" in text:
        return [i for i, o in enumerate(options) if o == _angle_kind(drawn_angle(pictures))]
    if "best estimate of its size" in text:
        gaps = [abs(_value(o.rstrip("°")) - drawn_angle(pictures)) for o in options]
        return [i for i, g in enumerate(gaps) if g == min(gaps)]
    for pattern, rule in CHOICE_RULES:
        if rule is None:
            continue
        match = re.search(pattern, text)
        if match:
            test = rule(*match.groups())
            if test is None:
                continue
            return [i for i, o in enumerate(options) if test(o)]
    return None
