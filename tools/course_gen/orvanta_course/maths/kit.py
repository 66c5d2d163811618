"""What every Mathematics question maker shares: exact numbers and their key
forms, money in pounds and pence, page building blocks, and the register of
question kinds that the paper builder draws from.

Every answer is computed from the numbers the question shows (fractions with
fractions.Fraction, decimals with decimal.Decimal), never typed in by hand."""

import math
from decimal import ROUND_HALF_UP, Decimal
from fractions import Fraction

from ..model import Part, Question
from ..page import esc, figure, fraction, instruction, options, para, part

FORM_FRACTION = "Give your answer as a fraction in its simplest form, like 3/8."
FORM_IMPROPER = "Give your answer as an improper fraction in its simplest form, like 11/4."
FORM_MIXED = "Give your answer as a mixed number in its simplest form, like 2 3/4 (a space after the whole number)."
FORM_RATIO = "Write the ratio in its simplest form, like 3:5."
FORM_RATIO3 = "Write the ratio in its simplest form, like 2:3:4."
FORM_TIME = "Write the time like 4.05 pm (a full stop between hours and minutes, then am or pm)."
FORM_CLOCK = "Write the time like 4.35 (hours, a full stop, then minutes)."
FORM_24 = "Write the time with four digits, like 07:45."
FORM_WHOLE = "Give your answer as a whole number."
CHOOSE = "Choose the correct answer. Write its number (1, 2, 3 or 4) in the answer box."

# Sections of a paper, in the order a paper asks them.
MC, SKILL, PROBLEM, STORY = "mc", "skill", "problem", "story"
SECTIONS = (MC, SKILL, PROBLEM, STORY)


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
    value = Fraction(value)
    return "%d/%d" % (value.numerator, value.denominator)


def key_mixed(value):
    whole, rest = divmod(value.numerator, value.denominator)
    return "%d %d/%d" % (whole, rest, value.denominator)


def show(value, group_from=5):
    """A number as printed in a question: thousands grouped with commas once the
    whole part has `group_from` digits (10,000 up; stories group from 1,000)."""
    text = key_number(value)
    whole, _, decimals = text.partition(".")
    if len(whole.lstrip("-")) >= group_from:
        whole = "{:,}".format(int(whole))
    return whole + ("." + decimals if decimals else "")


def show_all(value):
    """A number grouped from 1,000, as stories print counts and lengths."""
    return show(value, group_from=4)


def pounds(value):
    """£3.45, or 45p below a pound; whole pounds as £12."""
    value = Decimal(value)
    if value < 1:
        return "%dp" % int(value * 100)
    if value == value.to_integral_value():
        return "\u00a3%d" % int(value)
    return "\u00a3" + format(value.quantize(Decimal("0.01")), "f")


def price(rng, low, high, step=5):
    """A price in pounds between `low` and `high` pence, a multiple of `step` pence."""
    return Decimal(rng.randint(-(-low // step), high // step) * step) / 100


def shop_price(rng, low, high):
    """A price as shops write them (£2.49, £3.99, £1.25, £4.50), between `low` and `high` pence."""
    endings = [0, 25, 49, 50, 75, 95, 99]
    options = [p for p in (100 * w + e for w in range(low // 100, high // 100 + 1) for e in endings) if low <= p <= high]
    return Decimal(rng.choice(options)) / 100


def frac(value):
    value = Fraction(value)
    return fraction(value.numerator, value.denominator)


def mixed(value):
    whole, rest = divmod(value.numerator, value.denominator)
    if rest == 0:
        return str(whole)
    return "<b>%d</b>%s" % (whole, fraction(rest, value.denominator)) if whole else fraction(rest, value.denominator)


def round_to(value, places):
    return Decimal(value).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)


def simplest_ratio(values):
    g = 0
    for v in values:
        g = math.gcd(g, v)
    return [v // g for v in values]


def ratio_key(values):
    return ":".join(str(v) for v in simplest_ratio(values))


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


def is_prime(n):
    return n > 1 and all(n % k for k in range(2, int(n ** 0.5) + 1))


def a_or_an(word):
    return "an" if word[0] in "aeiou8" else "a"


# Page blocks ----------------------------------------------------------------


def answer(index=None, unit="", form="", before=""):
    """The answer prompt: the unit (or a "£" before the box) is printed, so the
    pupil types the number alone; `form` says how to write it."""
    indent = ' style="margin-left:34px"' if index is not None else ""
    text = '<p class="ans"%s>Answer: %s<span class="blank">&nbsp;</span>' % (indent, before)
    if unit:
        text += " %s" % unit
    if form:
        text += ' <span class="form">%s</span>' % form
    return text + "</p>"


def money_answer(index=None):
    return answer(index, before="\u00a3")


def question(body, parts, pictures=None):
    # The minus sign has no place in the page's 8-bit character set.
    return Question(body=body.replace("\u2212", "&minus;"), parts=parts, pictures=pictures or [])


def choice(rng, stem, correct, wrong, marks=1, pictures=None, numeric=True):
    """A multiple-choice question; numeric options stand in ascending order."""
    seen = [correct]
    for w in wrong:
        if w not in seen:
            seen.append(w)
    if len(seen) < 4:
        return None
    opts = seen[:4]
    if numeric:
        opts.sort(key=option_value)
    else:
        rng.shuffle(opts)
    body = instruction(CHOOSE) + stem + options(opts)
    return question(body, [Part(str(opts.index(correct) + 1), "Q", marks)], pictures)


def option_value(text):
    text = text.replace(",", "").replace("\u00a3", "").replace("\u2212", "-")
    for unit in ("\u00b0C", "\u00b0", " cm", " km", " kg", " g", " m", " ml", " l", "p", "%"):
        if text.endswith(unit):
            text = text[: -len(unit)]
            break
    return Fraction(text)


# The example in an answer form, and the one shown instead when the example
# would be the answer itself.
OTHER_EXAMPLES = {"3/8": "5/6", "2 3/4": "1 5/6", "3:5": "4:7", "2:3:4": "3:5:6", "4.05 pm": "7.20 am", "07:45": "16:20",
                  "4.35": "9.50", "11/4": "13/5"}


def example_free(form, key):
    """`form` with its example changed when the example is `key`."""
    for example, other in OTHER_EXAMPLES.items():
        if key == example and "like %s" % example in form:
            return form.replace("like %s" % example, "like %s" % other)
    return form


def single(stem, key, letter, marks=1, unit="", form="", pictures=None, before=""):
    body = stem + answer(None, unit, example_free(form, key), before)
    return question(body, [Part(key, letter, marks)], pictures)


def money_single(stem, value, marks=1, pictures=None):
    return single(stem, key_number(value), "N", marks, before="\u00a3", pictures=pictures)


def story(opening, asks, pictures=None):
    """A question of lettered parts under one opening: asks are
    (question, Part, unit, form, before)."""
    body = opening
    parts = []
    for i, (text, p, unit, form, before) in enumerate(asks):
        body += part(i, text) + answer(i, unit, form, before)
        parts.append(p)
    return question(body, parts, pictures)


def ask(text, key, letter="N", marks=1, unit="", form="", before=""):
    return (text, Part(key, letter, marks), unit, example_free(form, key), before)


def ask_money(text, value, marks=1):
    return ask(text, key_number(value), "N", marks, before="\u00a3")


def near_wrong(rng, correct, spread, count=3, minimum=0):
    out = []
    tries = 0
    while len(out) < count and tries < 100:
        tries += 1
        w = correct + rng.choice([-1, 1]) * rng.randint(1, spread)
        if w != correct and w >= minimum and w not in out:
            out.append(w)
    return out


# The register of question kinds ---------------------------------------------

KINDS = {}


class Kind:
    """A question maker: its topic (1..6), its section and its function."""

    def __init__(self, name, topic, section, make):
        self.name, self.topic, self.section, self.make = name, topic, section, make


def kind(topic, section):
    def register(fn):
        if fn.__name__ in KINDS:
            raise ValueError("two kinds named " + fn.__name__)
        KINDS[fn.__name__] = Kind(fn.__name__, topic, section, fn)
        return fn

    return register


def kinds_of(topic, section):
    return [k for k in KINDS.values() if k.topic == topic and k.section == section]


def person(rng):
    from ..names import person as _person

    return _person(rng)


def two_people(rng):
    from ..names import two_people as _two

    return _two(rng)


def grown_up(rng):
    """("Mrs Patel", "she", "her", "her") or a Mr."""
    from ..names import FAMILY_NAMES

    family = rng.choice(FAMILY_NAMES)
    if rng.random() < 0.5:
        return "Mrs " + family, "she", "her", "her"
    return "Mr " + family, "he", "him", "his"


