"""Measurement: units and their conversions, reading scales and clocks,
time and timetables, and everyday problems with lengths, masses and
capacities."""

from decimal import Decimal
from fractions import Fraction

from .. import drawing
from .kit import (FORM_24, FORM_CLOCK, FORM_TIME, MC, PROBLEM, SKILL, STORY, ask, choice, figure, grown_up, key_number,
                       kind, para, person, show, show_all, single, story)

TOPIC = 5

WEEKDAYS = ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"]
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August", "September",
          "October", "November", "December"]


def clock_text(minutes_of_day):
    """"9.05 am" for a time given in minutes after midnight."""
    h, m = divmod(minutes_of_day % (24 * 60), 60)
    return "%d.%02d %s" % (h % 12 or 12, m, "am" if h < 12 else "pm")


def clock_24(minutes_of_day):
    h, m = divmod(minutes_of_day % (24 * 60), 60)
    return "%02d:%02d" % (h, m)


def duration_text(minutes):
    hours, minutes = divmod(minutes, 60)
    words = []
    if hours:
        words.append("%d hour%s" % (hours, "" if hours == 1 else "s"))
    if minutes:
        words.append("%d minutes" % minutes)
    return " ".join(words)


# Multiple choice ----------------------------------------------------------------------


@kind(TOPIC, MC)
def mc_best_unit(ctx):
    rng = ctx.rng
    items = [("the mass of an apple", "g"), ("the mass of a bag of potatoes", "kg"), ("the length of a pencil", "cm"),
             ("the distance from London to Leeds", "km"), ("the amount of water in a teaspoon", "ml"),
             ("the amount of water in a bath", "l"), ("the height of a door", "m"), ("the mass of a pony", "kg"),
             ("the length of a football pitch", "m"), ("the amount of medicine in a spoon", "ml"), ("the mass of a letter", "g"),
             ("the thickness of a coin", "mm")]
    thing, unit = rng.choice(items)
    names = {"g": "grams (g)", "kg": "kilograms (kg)", "cm": "centimetres (cm)", "km": "kilometres (km)", "ml": "millilitres (ml)",
             "l": "litres (l)", "m": "metres (m)", "mm": "millimetres (mm)"}
    family = {"g": ["kg", "ml", "km"], "kg": ["g", "l", "cm"], "cm": ["km", "kg", "l"], "km": ["cm", "kg", "ml"], "ml": ["l", "kg", "km"],
              "l": ["ml", "g", "cm"], "m": ["km", "kg", "ml"], "mm": ["km", "kg", "l"]}
    stem = para("Which unit is best for measuring %s?" % thing)
    return choice(rng, stem, names[unit], [names[u] for u in family[unit]], numeric=False)


@kind(TOPIC, MC)
def mc_24_hour(ctx):
    rng = ctx.rng
    t = rng.randint(13 * 12, 23 * 12) * 5
    h, m = divmod(t, 60)
    correct = "%02d:%02d" % (h, m)
    wrong = ["%02d:%02d" % (h - 12, m), "%02d:%02d" % (h + 1 if h < 23 else h - 2, m), "%02d:%02d" % (h - 2, m)]
    stem = para("Which 24-hour time is the same as <b>%s</b>?" % clock_text(t))
    return choice(rng, stem, correct, wrong, numeric=False)


@kind(TOPIC, MC)
def mc_convert_mass(ctx):
    rng = ctx.rng
    kg, g = rng.randint(1, 9), rng.choice([5, 8, 25, 40, 50, 75, 80, 90, 150, 205, 305, 450, 608, 730])
    correct = kg * 1000 + g
    wrong = [int(str(kg) + str(g)), kg * 10000 + g, (kg + 1) * 1000 + g, kg * 1000 + g * 10]
    stem = para("<b>%d kg %d g</b> is the same as how many grams?" % (kg, g))
    return choice(rng, stem, show_all(correct), [show_all(w) for w in wrong if w != correct])


@kind(TOPIC, MC)
def mc_longest_length(ctx):
    rng = ctx.rng
    metres = rng.randint(11, 19) * 100 + rng.choice([0, 50])
    values = {"%s m" % show_all(metres): metres, "%s km" % key_number(Decimal(metres + 100) / 1000): metres + 100,
              "%d km %d m" % ((metres - 70) // 1000, (metres - 70) % 1000): metres - 70, "%s cm" % show_all(metres * 100 - 5000): metres - 50}
    if len(set(values.values())) < 4:
        return None
    best = max(values, key=values.get)
    stem = para("Which of these lengths is the <b>longest</b>?")
    return choice(rng, stem, best, [t for t in values if t != best], numeric=False)


@kind(TOPIC, MC)
def mc_likely_mass(ctx):
    rng = ctx.rng
    things = [("an apple", "150 g", ["15 g", "1.5 kg", "15 kg"]), ("a bag of sugar", "1 kg", ["10 g", "100 kg", "10 kg"]),
              ("a ten-year-old child", "35 kg", ["3.5 kg", "350 kg", "350 g"]), ("a pencil", "5 g", ["500 g", "5 kg", "50 kg"]),
              ("a dictionary", "1 kg", ["1 g", "100 kg", "10 g"]), ("a large dog", "30 kg", ["3 kg", "300 kg", "300 g"]),
              ("a loaf of bread", "800 g", ["8 g", "80 kg", "8 kg"])]
    name, right, wrong = rng.choice(things)
    stem = para("Which is the most likely mass of %s?" % name)
    return choice(rng, stem, right, wrong, numeric=False)


@kind(TOPIC, MC)
def mc_month_days(ctx):
    rng = ctx.rng
    thirty = ["April", "June", "September", "November"]
    thirty_one = ["January", "March", "May", "July", "August", "October", "December"]
    if rng.random() < 0.5:
        stem = para("Only one of these months has <b>30</b> days. Which one?")
        return choice(rng, stem, rng.choice(thirty), rng.sample(thirty_one, 3), numeric=False)
    stem = para("Which of these months has <b>31</b> days?")
    return choice(rng, stem, rng.choice(thirty_one), rng.sample(thirty, 3), numeric=False)


@kind(TOPIC, MC)
def mc_time_between(ctx):
    rng = ctx.rng
    start = rng.randint(8 * 12, 15 * 12) * 5
    length = rng.randint(7, 30) * 5
    correct = duration_text(length)
    wrong = {duration_text(length + 40), duration_text(length - 5) if length > 40 else duration_text(length + 10),
             duration_text(length + 60), duration_text(abs(length - 60) or 50)}
    wrong.discard(correct)
    stem = para("How long is it from <b>%s</b> to <b>%s</b>?" % (clock_text(start), clock_text(start + length)))
    return choice(rng, stem, correct, sorted(wrong), numeric=False)


@kind(TOPIC, MC)
def mc_likely_capacity(ctx):
    rng = ctx.rng
    things = [("a mug", "300 ml", ["3 ml", "30 litres", "3 litres"]), ("a bucket", "10 litres", ["10 ml", "100 ml", "100 litres"]),
              ("a teaspoon", "5 ml", ["50 ml", "5 litres", "500 ml"]), ("a bath", "150 litres", ["15 ml", "1.5 litres", "1,500 ml"]),
              ("a can of drink", "330 ml", ["33 ml", "33 litres", "3.3 litres"]), ("a watering can", "5 litres", ["5 ml", "50 ml", "500 litres"])]
    name, right, wrong = rng.choice(things)
    stem = para("About how much liquid does %s hold when it is full?" % name)
    return choice(rng, stem, right, wrong, numeric=False)


# Skills ---------------------------------------------------------------------------------


@kind(TOPIC, SKILL)
def read_clock(ctx):
    rng = ctx.rng
    h, m = rng.randint(1, 12), rng.randint(0, 11) * 5
    pic = drawing.clock(h, m)
    stem = para("What time does the clock show?") + figure(0)
    return single(stem, "%d.%02d" % (h, m), "T", form=FORM_CLOCK, pictures=[pic])


@kind(TOPIC, SKILL)
def bus_duration(ctx):
    rng = ctx.rng
    start = rng.randint(8 * 12, 17 * 12) * 5
    length = rng.randint(7, 40) * 5
    place = rng.choice(["the beach", "the town centre", "the airport", "the hospital"])
    stem = para("A bus left the station at %s and arrived at %s at %s. How many minutes did the journey take?"
                % (clock_text(start), place, clock_text(start + length)))
    return single(stem, key_number(length), "N", unit="minutes")


@kind(TOPIC, SKILL)
def clocks_duration(ctx):
    rng = ctx.rng
    start = rng.randint(13 * 12, 17 * 12) * 5
    length = rng.randint(3, 11) * 5
    (name, she, _, her) = person(rng)
    task = rng.choice(["homework", "piano practice", "painting", "reading", "baking"])
    pic = drawing.two_clocks(divmod(start % (12 * 60), 60), divmod((start + length) % (12 * 60), 60))
    stem = para("The clocks show when %s started and finished %s %s one afternoon. How many minutes did it take?"
                % (name, her, task)) + figure(0)
    return single(stem, key_number(length), "N", unit="minutes", pictures=[pic])


@kind(TOPIC, SKILL)
def metres_in_km(ctx):
    rng = ctx.rng
    a, b = rng.randint(1, 9), rng.randint(5, 995)
    return single(para("How many metres are there in <b>%d km %d m</b>?" % (a, b)), key_number(a * 1000 + b), "N", unit="m")


@kind(TOPIC, SKILL)
def grams_to_kg(ctx):
    rng = ctx.rng
    g = rng.randint(1005, 9995)
    return single(para("Write <b>%s g</b> in kilograms." % show_all(g)), key_number(Decimal(g) / 1000), "N", unit="kg")


@kind(TOPIC, SKILL)
def millilitres_in(ctx):
    rng = ctx.rng
    a, b = rng.randint(1, 9), rng.randint(5, 995)
    return single(para("How many millilitres are in <b>%d l %d ml</b>?" % (a, b)), key_number(a * 1000 + b), "N", unit="ml")


@kind(TOPIC, SKILL)
def metres_to_cm(ctx):
    rng = ctx.rng
    m = Decimal(rng.randint(101, 999)) / 100
    return single(para("Change <b>%s m</b> into centimetres." % m), key_number(m * 100), "N", unit="cm")


@kind(TOPIC, SKILL)
def hours_to_minutes(ctx):
    rng = ctx.rng
    hours, minutes = rng.randint(1, 5), rng.randint(1, 59)
    stem = para("A coach journey takes <b>%d h %d min</b>. How many minutes is that?" % (hours, minutes))
    return single(stem, key_number(hours * 60 + minutes), "N", unit="minutes")


@kind(TOPIC, SKILL)
def cm_to_metres(ctx):
    rng = ctx.rng
    cm = rng.randint(105, 995)
    return single(para("Write <b>%d cm</b> in metres." % cm), key_number(Decimal(cm) / 100), "N", unit="m")


@kind(TOPIC, SKILL)
def ruler_length(ctx):
    rng = ctx.rng
    start = rng.choice([0, 0, 10, 20, 30])
    length = rng.randint(6, 17) * 5  # whole and half centimetres, easy to read
    thing = rng.choice(["pencil", "stick"])
    pic = drawing.ruler(length, start, thing)
    stem = para("How long is the %s?" % thing) + figure(0)
    return single(stem, key_number(Decimal(length) / 10), "N", unit="cm", pictures=[pic])


@kind(TOPIC, SKILL)
def cylinder_volume(ctx):
    rng = ctx.rng
    top, major, minor = rng.choice([(100, 10, 2), (50, 10, 2), (200, 50, 10), (500, 100, 20)])
    level = rng.randint(1, top // minor - 1) * minor
    pic = drawing.measuring_cylinder(level, top, major, minor)
    stem = para("How much water is in the measuring cylinder?") + figure(0)
    return single(stem, key_number(level), "N", unit="ml", pictures=[pic])


@kind(TOPIC, SKILL)
def day_after(ctx):
    rng = ctx.rng
    today = rng.randrange(7)
    days = rng.randint(8, 40)
    if days % 7 == 0:
        return None
    stem = para("Today is %s. What day of the week will it be in %d days&rsquo; time?" % (WEEKDAYS[today], days))
    return single(stem, WEEKDAYS[(today + days) % 7], "T", form="Write the name of the day.")


@kind(TOPIC, SKILL)
def month_after(ctx):
    rng = ctx.rng
    now = rng.randrange(12)
    months = rng.randint(3, 11)
    stem = para("It is %s now. Which month will it be %d months from now?" % (MONTHS[now], months))
    return single(stem, MONTHS[(now + months) % 12], "T", form="Write the name of the month.")


@kind(TOPIC, SKILL)
def to_24_hour(ctx):
    rng = ctx.rng
    t = rng.randint(13 * 12, 23 * 12 - 1) * 5
    stem = para("Write <b>%s</b> as a time on the 24-hour clock." % clock_text(t))
    return single(stem, clock_24(t), "T", form=FORM_24)


@kind(TOPIC, SKILL)
def from_24_hour(ctx):
    rng = ctx.rng
    t = rng.choice([rng.randint(13 * 12, 23 * 12), rng.randint(6 * 12, 11 * 12)]) * 5
    stem = para("A train leaves at <b>%s</b>. Write this time using am or pm." % clock_24(t))
    return single(stem, clock_text(t), "T", form=FORM_TIME)


@kind(TOPIC, SKILL)
def seconds_in_minutes(ctx):
    rng = ctx.rng
    minutes = rng.randint(2, 12)
    extra = rng.choice([0, 15, 20, 30, 45])
    text = "%d minutes" % minutes + (" and %d seconds" % extra if extra else "")
    stem = para("How many seconds are there in %s?" % text)
    return single(stem, key_number(minutes * 60 + extra), "N", unit="seconds")


@kind(TOPIC, SKILL)
def campsite_nights(ctx):
    rng = ctx.rng
    month = rng.choice(["July", "August"])
    first = rng.randint(1, 20)
    nights = rng.randint(3, 10)
    stem = para("A family arrives at a campsite on %d %s and leaves on %d %s. How many nights do they stay?" % (first, month, first + nights, month))
    return single(stem, key_number(nights), "N", unit="nights")


@kind(TOPIC, SKILL)
def days_in_weeks(ctx):
    rng = ctx.rng
    what, low, high = rng.choice([("The summer holiday", 5, 6), ("The autumn term", 12, 14), ("The spring term", 10, 12),
                                  ("A swimming course", 3, 8)])
    weeks, days = rng.randint(low, high), rng.randint(1, 6)
    stem = para("%s lasts %d weeks and %d days. How many days is that?" % (what, weeks, days))
    return single(stem, key_number(weeks * 7 + days), "N", unit="days")


@kind(TOPIC, SKILL)
def flour_in_grams(ctx):
    rng = ctx.rng
    kg = rng.choice([Decimal("1.5"), Decimal("1.25"), Decimal("2.5"), Decimal("0.75"), Decimal("3.2"), Decimal("0.45")])
    what = rng.choice(["flour", "rice", "potatoes", "sugar"])
    stem = para("A bag of %s has a mass of %s kg. What is its mass in grams?" % (what, key_number(kg)))
    return single(stem, key_number(kg * 1000), "N", unit="g")


@kind(TOPIC, SKILL)
def age_in_months(ctx):
    rng = ctx.rng
    years, months = rng.randint(1, 2), rng.randint(1, 11)
    stem = para("A baby is %d year%s and %d month%s old. How old is the baby in months?"
                % (years, "" if years == 1 else "s", months, "" if months == 1 else "s"))
    return single(stem, key_number(years * 12 + months), "N", unit="months")


# Problems --------------------------------------------------------------------------------------


@kind(TOPIC, PROBLEM)
def end_time(ctx):
    rng = ctx.rng
    start = rng.randint(8 * 12, 19 * 12) * 5
    length = rng.randint(5, 30) * 5
    (name, she, _, _) = person(rng)
    what = rng.choice(["went to a film", "went to a football match", "had a piano lesson", "went on a train journey",
                       "sang in a school concert"])
    stem = para("%s %s that started at %s. It lasted %s. At what time did it end?" % (name, what, clock_text(start), duration_text(length)))
    return single(stem, clock_text(start + length), "T", marks=2, form=FORM_TIME)


@kind(TOPIC, PROBLEM)
def tins_in_box(ctx):
    rng = ctx.rng
    tins, tin = rng.randint(3, 12), rng.randint(60, 90) * 5
    box = rng.randint(2, 9) * 50
    total = Decimal(tins * tin + box) / 1000
    stem = para("A box holds %d tins of soup of the same mass. The box and the tins together have a mass of %s kg. "
                "The empty box has a mass of %d g. What is the mass of one tin?" % (tins, key_number(total), box))
    return single(stem, key_number(tin), "N", marks=3, unit="g")


@kind(TOPIC, PROBLEM)
def train_journey_minutes(ctx):
    rng = ctx.rng
    start = rng.randint(6 * 12, 18 * 12) * 5 + rng.choice([0, 2, 3])
    length = rng.randint(35, 170)
    a, b = rng.sample(["Leeds", "York", "Bristol", "Cardiff", "Derby", "Exeter", "Glasgow", "Norwich"], 2)
    stem = para("A train leaves %s at %s and arrives in %s at %s. How many minutes does the journey take?"
                % (a, clock_24(start), b, clock_24(start + length)))
    return single(stem, key_number(length), "N", marks=2, unit="minutes")


@kind(TOPIC, PROBLEM)
def roast_time(ctx):
    rng = ctx.rng
    per, extra = rng.choice([(20, 20), (25, 25), (30, 15)])
    kg = rng.choice([Decimal("1.5"), Decimal("2"), Decimal("2.5"), Decimal("3")])
    stem = para("A recipe says: cook the chicken for %d minutes for every 500 g, and then %d minutes more. "
                "How many minutes does a %s kg chicken take?" % (per, extra, key_number(kg)))
    return single(stem, key_number(kg * 2 * per + extra), "N", marks=3, unit="minutes")


@kind(TOPIC, PROBLEM)
def ribbon_lengths(ctx):
    rng = ctx.rng
    metres = rng.randint(2, 6)
    piece = rng.choice([30, 35, 40, 45, 60, 70, 80])
    count, left = divmod(metres * 100, piece)
    if left == 0:
        return None
    stem = para("A roll of ribbon %d m long is cut into pieces that are each %d cm long. How many whole pieces can be cut?" % (metres, piece))
    return single(stem, key_number(count), "N", marks=2)


@kind(TOPIC, PROBLEM)
def suitcase_limit(ctx):
    rng = ctx.rng
    limit = rng.choice([20, 23, 25])
    items = [Decimal(rng.randint(8, 60)) / 10 for _ in range(3)]
    if sum(items) >= limit:
        return None
    stem = para("An airline lets each passenger take a suitcase of up to %d kg. A suitcase holds clothes of %s kg, shoes of %s kg and books of %s kg. "
                "How many more kilograms could still be packed?" % (limit, key_number(items[0]), key_number(items[1]), key_number(items[2])))
    return single(stem, key_number(limit - sum(items)), "N", marks=2, unit="kg")


@kind(TOPIC, PROBLEM)
def walk_to_school(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    leave = rng.randint(7 * 12 + 6, 8 * 12 + 6) * 5
    walk = rng.randint(8, 35)
    stem = para("%s walks to school in %d minutes. One morning %s leaves home at %s. At what time does %s arrive at school?"
                % (name, walk, she, clock_text(leave), she))
    return single(stem, clock_text(leave + walk), "T", form=FORM_TIME)


@kind(TOPIC, PROBLEM)
def hours_of_sleep(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    bed = rng.randint(19 * 4 + 2, 21 * 4 + 2) * 15
    wake = rng.randint(6 * 4, 7 * 4 + 2) * 15
    stem = para("%s goes to bed at %s and wakes up at %s the next morning. For how many minutes is %s in bed?"
                % (name, clock_text(bed), clock_text(wake), she))
    return single(stem, key_number(24 * 60 - bed + wake), "N", marks=2, unit="minutes")


@kind(TOPIC, PROBLEM)
def swimming_lengths(ctx):
    rng = ctx.rng
    (name, she, _, _) = person(rng)
    pool = rng.choice([20, 25, 33])
    lengths = rng.randint(8, 40)
    stem = para("A swimming pool is %d m long. %s swims %d lengths. How many metres does %s swim?" % (pool, name, lengths, she))
    return single(stem, key_number(pool * lengths), "N", unit="m")


# Stories --------------------------------------------------------------------------------------


@kind(TOPIC, STORY)
def journey_story(ctx):
    rng = ctx.rng
    start = rng.randint(6 * 12, 10 * 12) * 5
    first, second = rng.randint(1, 5) * 5, rng.randint(6, 20) * 5
    stop = rng.choice([10, 15, 20, 25, 30])
    (name, she, _, _) = person(rng)
    opening = para("%s left home at %s. %s walked for %d minutes to the station, waited %d minutes, "
                   "then took a train that travelled for %d minutes." % (name, clock_text(start), she.capitalize(), first, stop, second))
    return story(opening, [ask("How many minutes did the whole journey take?", key_number(first + stop + second), unit="minutes"),
                           ask("At what time did the train arrive?", clock_text(start + first + stop + second), "T", 2, form=FORM_TIME)])


@kind(TOPIC, STORY)
def water_container_story(ctx):
    rng = ctx.rng
    litres = rng.randint(3, 12)
    cup = rng.choice([150, 200, 250, 300, 400, 500])
    cups = rng.randint(3, litres * 1000 // cup - 1)
    opening = para("A water container holds %d litres. At a picnic %d cups of %d ml each are filled from it." % (litres, cups, cup))
    return story(opening, [ask("How many millilitres of water were poured into the cups?", key_number(cups * cup), unit="ml"),
                           ask("How many millilitres of water are left in the container?", key_number(litres * 1000 - cups * cup), unit="ml", marks=2)])


def timetable(stops, times):
    cell = 'style="border:1px solid #c8cede;padding:3px 10px;text-align:center"'
    head = "<tr><th %s>Stop</th>%s</tr>" % (cell, "".join("<th %s>Bus %d</th>" % (cell, i + 1) for i in range(len(times[0]))))
    rows = "".join("<tr><td %s>%s</td>%s</tr>" % (cell, stop, "".join("<td %s>%s</td>" % (cell, clock_24(t)) for t in row))
                   for stop, row in zip(stops, times))
    return '<table style="border-collapse:collapse;margin:4px auto 12px;background:#fff">%s%s</table>' % (head, rows)


@kind(TOPIC, STORY)
def bus_timetable_story(ctx):
    rng = ctx.rng
    stops = rng.sample(["Market Square", "Library", "Park Gates", "Hospital", "Railway Station", "Leisure Centre"], 3)
    first = rng.randint(7 * 4, 16 * 4) * 15
    gap = rng.choice([20, 30, 40])
    legs = [rng.randint(6, 19), rng.randint(8, 25)]
    times = [[first + k * gap + sum(legs[:i]) for k in range(3)] for i in range(3)]
    opening = para("The timetable shows three buses on the same route.") + timetable(stops, times)
    return story(opening, [ask("How many minutes does a bus take from %s to %s?" % (stops[0], stops[2]), key_number(sum(legs)), unit="minutes", marks=2),
                           ask("At what time does Bus 2 reach %s?" % stops[1], clock_24(times[1][1]), "T", form=FORM_24),
                           ask("How many minutes after Bus 1 does Bus 3 leave %s?" % stops[0], key_number(2 * gap), unit="minutes")])
