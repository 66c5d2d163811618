"""Science: multiple choice, short answers, labelled drawings, sorting tasks and
answer groups (several answers from a list, in any order)."""

import science_bank as bank
import science_drawings as sd
from drawing import measuring_cylinder
from model import Exhausted, Part, Question
from page import answer_line, esc, figure, instruction, options, para, part, word_box

SUBJECT = "Science"
TOPICS = ["Living Things", "Plants", "Life Cycles and the Body", "Materials and Matter",
          "Water, Heat and Light", "Electricity and Magnets", "Mock Examination"]

CHOOSE = "Choose the correct answer. Write its number (1, 2, 3 or 4) in the answer box."
ANY_ORDER = "You may write the answers in any order, one in each answer box."


def question(body, parts, pictures=None, kind=""):
    return Question(body=body, parts=parts, pictures=pictures or [], kind=kind)


def article(word):
    return ("an " if word[0] in "aeiou" else "a ") + word


def choice(rng, stem, right, wrong, kind, marks=1, pictures=None):
    texts = [right] + list(wrong)
    if len(set(texts)) < 4:
        return None
    texts = texts[:4]
    rng.shuffle(texts)
    body = instruction(CHOOSE) + (stem if stem.startswith("<p>") else para(esc(stem) if "<" not in stem else stem)) + options(texts)
    return question(body, [Part(str(texts.index(right) + 1), "Q", marks)], pictures, kind)


def group_parts(answers, count, marks=1):
    """An answer group: the head part holds every acceptable answer, each further
    part a single space. There are never fewer answers than parts."""
    if len(answers) < count or not 2 <= count <= 4:
        raise ValueError("a group needs 2 to 4 parts and enough answers")
    return [Part("".join(";" + a for a in answers), "G", marks)] + [Part(" ", "G", marks) for _ in range(count - 1)]


def group_prompt(index, count):
    letters = ", ".join("(%s)" % "abcdefghijklmnopqrst"[index + k] for k in range(count))
    return '<p class="ans" style="margin-left:34px">Answers: %s</p>' % letters


# Multiple choice made from the fact tables -------------------------------------

ALL_ANIMALS = [a for group in bank.GROUPS.values() for a in group]


def mc_animal_group(rng):
    group = rng.choice(sorted(bank.GROUPS))
    right = rng.choice(bank.GROUPS[group])
    others = [a for a in ALL_ANIMALS if a not in bank.GROUPS[group]]
    name = "a fish" if group == "fish" else article(group)
    return "Which of these animals is %s?" % name, right, rng.sample(others, 3)


def mc_not_in_group(rng):
    if rng.random() < 0.5:
        return "Which of these animals is <b>not</b> an insect?", rng.choice(bank.NOT_INSECTS), rng.sample(bank.INSECTS, 3)
    group = rng.choice(["mammal", "bird", "fish"])
    right = rng.choice([a for a in ALL_ANIMALS if a not in bank.GROUPS[group]])
    return "Which of these animals is <b>not</b> %s?" % ("a fish" if group == "fish" else article(group)), right, rng.sample(
        bank.GROUPS[group], 3)


def mc_covering(rng):
    kind = rng.randrange(4)
    if kind == 0:
        return "Which of these animals has feathers?", rng.choice(bank.BIRDS), rng.sample(bank.MAMMALS + bank.FISH + bank.AMPHIBIANS, 3)
    if kind == 1:
        furry = [m for m in bank.MAMMALS if m not in ("whale", "dolphin")]
        return "Which of these animals has fur?", rng.choice(furry), rng.sample(bank.BIRDS + bank.REPTILES + bank.FISH, 3)
    if kind == 2:
        return "Which of these animals has moist skin?", rng.choice(bank.AMPHIBIANS), rng.sample(bank.BIRDS + bank.MAMMALS + bank.REPTILES, 3)
    return "Which of these animals has dry, scaly skin?", rng.choice(bank.REPTILES), rng.sample(bank.MAMMALS + bank.AMPHIBIANS + bank.INSECTS, 3)


def mc_breathing_and_young(rng):
    kind = rng.randrange(4)
    lungs = ["whale", "dolphin", "turtle", "crocodile", "penguin", "duck", "frog", "horse", "seal"]
    if kind == 0:
        return "Which of these animals breathes through gills?", rng.choice(bank.FISH), rng.sample(lungs, 3)
    if kind == 1:
        return "Which of these animals lays eggs?", rng.choice(bank.EGG_LAYERS), rng.sample(bank.LIVE_YOUNG, 3)
    if kind == 2:
        return "Which of these animals gives birth to live young?", rng.choice(bank.LIVE_YOUNG), rng.sample(bank.EGG_LAYERS, 3)
    return "Which of these animals has six legs?", rng.choice(bank.INSECTS), rng.sample(bank.NOT_INSECTS, 3)


DISPERSAL = {"wind": ["dandelion", "sycamore", "maple"], "water": ["coconut", "lotus", "water lily"],
             "animals": ["burdock", "cherry", "blackberry", "goosegrass"], "splitting": ["balsam", "pea", "lupin"]}
DISPERSAL_WORDS = {"wind": "by wind", "water": "by water", "animals": "by animals", "splitting": "by splitting"}


def mc_dispersal(rng):
    way = rng.choice(sorted(DISPERSAL))
    plant = rng.choice(DISPERSAL[way])
    return ("How are the seeds of the %s plant mainly spread?" % plant, DISPERSAL_WORDS[way],
            [DISPERSAL_WORDS[w] for w in sorted(DISPERSAL) if w != way])


def mc_organ(rng):
    organ, system, job = rng.choice(bank.ORGANS)
    if rng.random() < 0.5:
        systems = sorted({o[1] for o in bank.ORGANS} - {system})
        return "The %s is part of which system?" % organ if organ not in ("lungs", "blood vessels") else \
            "The %s are part of which system?" % organ, system, rng.sample(systems, 3)
    others = [o[0] for o in bank.ORGANS if o[2] != job and o[1] != system]
    return "Which part of the body %s?" % job, organ, rng.sample(others, 3)


def mc_life_cycle(rng):
    if rng.random() < 0.5:
        return "Which of these animals has a pupa stage in its life cycle?", rng.choice(bank.FOUR_STAGE), \
            list(bank.THREE_STAGE)
    return "Which of these animals has only three stages in its life cycle: egg, nymph and adult?", \
        rng.choice(bank.THREE_STAGE), rng.sample(bank.FOUR_STAGE, 3)


MAGNETIC = [o for o in bank.OBJECTS if o[2]]
NOT_MAGNETIC = [o for o in bank.OBJECTS if not o[2]]
CONDUCTING = [o for o in bank.OBJECTS if o[3]]
NOT_CONDUCTING = [o for o in bank.OBJECTS if not o[3]]


def mc_magnetic(rng):
    if rng.random() < 0.6:
        return "Which of these objects will be attracted by a magnet?", rng.choice(MAGNETIC)[0], \
            [o[0] for o in rng.sample(NOT_MAGNETIC, 3)]
    return "Which of these objects will <b>not</b> be attracted by a magnet?", rng.choice(NOT_MAGNETIC)[0], \
        [o[0] for o in rng.sample(MAGNETIC, 3)]


def mc_conductor(rng):
    if rng.random() < 0.6:
        return "Which of these objects lets electricity pass through it?", rng.choice(CONDUCTING)[0], \
            [o[0] for o in rng.sample(NOT_CONDUCTING, 3)]
    return "Which of these objects is an electrical insulator?", rng.choice(NOT_CONDUCTING)[0], \
        [o[0] for o in rng.sample(CONDUCTING, 3)]


def mc_state(rng):
    state, items = rng.choice([("a solid", bank.SOLIDS), ("a liquid", bank.LIQUIDS), ("a gas", bank.GASES)])
    others = [x for group in (bank.SOLIDS, bank.LIQUIDS, bank.GASES) if group is not items for x in group]
    return "Which of these is %s?" % state, rng.choice(items), rng.sample(others, 3)


def mc_light(rng):
    name, items = rng.choice([("transparent", bank.TRANSPARENT), ("translucent", bank.TRANSLUCENT), ("opaque", bank.OPAQUE)])
    others = [x for group in (bank.TRANSPARENT, bank.TRANSLUCENT, bank.OPAQUE) if group is not items for x in group]
    return "Which of these is %s?" % name, rng.choice(items), rng.sample(others, 3)


def mc_heat(rng):
    if rng.random() < 0.5:
        return "Which of these materials is the best conductor of heat?", rng.choice(bank.HEAT_CONDUCTORS), \
            rng.sample(bank.HEAT_INSULATORS, 3)
    return "Which of these materials is a poor conductor of heat?", rng.choice(bank.HEAT_INSULATORS), \
        rng.sample(bank.HEAT_CONDUCTORS, 3)


def picture_choice(rng, topic):
    """A multiple-choice question about a drawing: (stem, right, wrong, picture)."""
    if topic == 1:
        if rng.random() < 0.5:
            part_name = rng.choice(["head", "thorax", "abdomen"])
            return ("Which body part of the insect is labelled X?" + figure(0), part_name,
                    [p for p in ["head", "thorax", "abdomen", "antenna"] if p != part_name], sd.insect({part_name: "X"}))
        chain = rng.choice([c for c in FOOD_CHAINS if len(c) == 4])
        k = rng.randint(0, 2)
        if k == 0:
            return "Look at the food chain. Which living thing is the producer?" + figure(0), chain[0], chain[1:], sd.food_chain(chain)
        return ("Look at the food chain. Which living thing eats the %s?" % esc(PLURAL[chain[k]]) + figure(0), chain[k + 1],
                [c for c in chain if c != chain[k + 1]], sd.food_chain(chain))
    if topic == 2:
        part_name = rng.choice(["flower", "leaf", "stem", "root"])
        return ("Which part of the plant is labelled X?" + figure(0), part_name,
                [p for p in ["flower", "leaf", "stem", "root"] if p != part_name], sd.plant({part_name: "X"}))
    if topic == 3:
        animal = rng.choice(sorted(LIFE_STAGES))
        stages = LIFE_STAGES[animal]
        k = rng.randrange(len(stages))
        labels = ["X" if i == k else "" for i in range(len(stages))]
        extra = [w for w in ["pupa", "nymph", "larva", "chick", "tadpole", "egg"] if w not in stages]
        wrong = [s for s in stages if s != stages[k]] + extra
        return ("The drawing shows the life cycle of %s. Which stage is labelled X?" % article(animal) + figure(0),
                stages[k], wrong[:3], sd.life_cycle(animal, labels))
    if topic == 4:
        order = rng.sample(["solid", "liquid", "gas"], 3)
        state = rng.choice(order)
        right = "box %s" % "ABC"[order.index(state)]
        return ("The boxes show how the particles are arranged in a solid, a liquid and a gas. "
                "Which box shows a %s?" % state + figure(0), right,
                [b for b in ["box A", "box B", "box C", "none of the boxes"] if b != right], sd.particle_boxes(order))
    if topic == 5:
        if rng.random() < 0.5:
            value = rng.randint(-4, 22) * 2
            wrong = sorted({value + 2, value - 2, value + 10, value - 10} - {value})
            return ("What temperature does the thermometer show?" + figure(0), "%d \u00b0C" % value,
                    ["%d \u00b0C" % w for w in rng.sample(wrong, 3)], sd.thermometer(value))
        name = rng.choice(["evaporation", "condensation", "precipitation"])
        return ("Which process of the water cycle is labelled X?" + figure(0), name,
                [n for n in ["evaporation", "condensation", "precipitation", "freezing"] if n != name], sd.water_cycle({name: "X"}))
    if rng.random() < 0.5:
        a, b = rng.choice("NS"), rng.choice("NS")
        right = "They repel." if ("S" if a == "N" else "N") == b else "They attract."
        return ("What will happen to the two magnets?" + figure(0), right,
                [w for w in ["They attract.", "They repel.", "Nothing happens.", "They both melt."] if w != right][:3],
                sd.magnet_pairs([(a, b)]))
    for _ in range(50):
        panels = []
        for name in "ABCD":
            kind = rng.choice(["closed", "open switch", "gap", "gap", "no battery"])
            panels.append((name, kind, rng.choice(GAP_OBJECTS) if kind == "gap" else None))
        lit = [n for n, k, o in panels if k == "closed" or (k == "gap" and o[1])]
        if len(lit) == 1:
            break
    else:
        return None
    return ("In which circuit will the bulb light up?" + figure(0), "circuit %s" % lit[0],
            ["circuit %s" % n for n in "ABCD" if n != lit[0]], sd.circuits_picture(panels))


GENERATED_CHOICES = {
    1: [mc_animal_group, mc_not_in_group, mc_covering, mc_breathing_and_young],
    2: [mc_dispersal],
    3: [mc_organ, mc_life_cycle],
    4: [mc_magnetic, mc_state],
    5: [mc_light, mc_heat],
    6: [mc_conductor, mc_magnetic],
}


def multiple_choice(ctx, topic):
    rng = ctx.rng
    written = [c for c in bank.CHOICE if c[0] == topic]
    if rng.random() < 0.3:
        made = picture_choice(rng, topic)
        if made is None:
            return None
        stem, right, wrong, pic = made
        return choice(rng, para(stem), right, wrong, kind="picture choice", pictures=[pic])
    if rng.random() < 0.35 and written:
        _, stem, right, wrong = rng.choice(written)
        wrong = list(wrong)
    else:
        stem, right, wrong = rng.choice(GENERATED_CHOICES[topic])(rng)
    return choice(rng, stem, right, wrong, kind="choice")


# Single answers typed in ------------------------------------------------------------


def short_answer(ctx, topic):
    rng = ctx.rng
    pool = [s for s in bank.SHORT if s[0] == topic]
    if topic == 1 and rng.random() < 0.5:
        group = rng.choice(sorted(bank.GROUPS))
        animal = rng.choice(bank.GROUPS[group])
        stem = para("Which group of animals does %s belong to?" % article(animal)) + word_box(sorted(bank.GROUPS))
        return question(stem + answer_line(None, form="Write one word from the box."), [Part(group, "T")], kind="short")
    _, text, key, form = rng.choice(pool)
    return question(para(esc(text)) + answer_line(None, form=form or "Write your answer in a word or two."),
                    [Part(key, "T")], kind="short")


def alternatives_answer(ctx, topic):
    pool = [a for a in bank.ALTERNATIVES if a[0] == topic] or bank.ALTERNATIVES
    _, text, answers = ctx.rng.choice(pool)
    return question(para(esc(text)) + answer_line(None), [Part("".join(";" + a for a in answers), "M")], kind="alternatives")


def number_answer(ctx, topic):
    rng = ctx.rng
    pool = [n for n in bank.NUMBERS if n[0] == topic]
    if topic in (4, 5) and (not pool or rng.random() < 0.6):
        if topic == 5:
            value = rng.randint(0, 22) * 2  # number keys stay unsigned
            pic = sd.thermometer(value)
            body = para("What temperature does the thermometer show?") + figure(0) + answer_line(None, "&deg;C")
            return question(body, [Part(str(value), "N")], [pic], kind="thermometer")
        top, major, minor = rng.choice([(100, 10, 2), (50, 10, 2), (200, 50, 10)])
        level = rng.randint(1, top // minor - 1) * minor
        body = para("How much water is in the measuring cylinder?") + figure(0) + answer_line(None, "ml")
        return question(body, [Part(str(level), "N")], [measuring_cylinder(level, top, major, minor)], kind="cylinder")
    if not pool:
        pool = bank.NUMBERS
    _, text, value, unit = rng.choice(pool)
    return question(para(esc(text)) + answer_line(None, esc(unit)), [Part(str(value), "N")], kind="number")


# Structured questions -------------------------------------------------------------
# Each maker takes the context and a part count and returns a question with
# exactly that many parts; SIZES says which part counts it can make.


def classify(ctx, size, intro, words, items, kind, pictures=None):
    """Sort items into the given words; items: list of (thing, word)."""
    rng = ctx.rng
    chosen = rng.sample(items, size)
    body = para(intro) + word_box(words)
    parts = []
    for i, (thing, word) in enumerate(chosen):
        body += part(i, "<b>%s</b>" % esc(thing))
        parts.append(Part(word, "T"))
    body += answer_line(None, form="Write one word from the box in each answer box.")
    return question(body, parts, pictures, kind)


def classify_animals(ctx, size):
    items = [(a, g) for g in sorted(bank.GROUPS) for a in bank.GROUPS[g]]
    return classify(ctx, size, "Which group does each animal belong to?", sorted(bank.GROUPS), items, "sort animals")


def classify_states(ctx, size):
    items = [(x, "solid") for x in bank.SOLIDS] + [(x, "liquid") for x in bank.LIQUIDS] + [(x, "gas") for x in bank.GASES]
    return classify(ctx, size, "Is each of these a solid, a liquid or a gas at room temperature? "
                               "(Ice is a solid, even though it melts in a warm room.)",
                    ["solid", "liquid", "gas"], items, "sort states")


def classify_magnetic(ctx, size):
    items = [(o[0], "magnetic" if o[2] else "non-magnetic") for o in bank.OBJECTS]
    return classify(ctx, size, "Will a magnet attract each object? Write <b>magnetic</b> or <b>non-magnetic</b>.",
                    ["magnetic", "non-magnetic"], items, "sort magnetic")


def classify_conductors(ctx, size):
    items = [(o[0], "conductor" if o[3] else "insulator") for o in bank.OBJECTS]
    return classify(ctx, size, "Does each object let electricity pass through it? Write <b>conductor</b> or <b>insulator</b>.",
                    ["conductor", "insulator"], items, "sort conductors")


def classify_light(ctx, size):
    items = [(x, "transparent") for x in bank.TRANSPARENT] + [(x, "translucent") for x in bank.TRANSLUCENT] + [
        (x, "opaque") for x in bank.OPAQUE]
    return classify(ctx, size, "How much light passes through each material?",
                    ["transparent", "translucent", "opaque"], items, "sort light")


def classify_dispersal(ctx, size):
    items = [(p, w) for w in sorted(DISPERSAL) for p in DISPERSAL[w]]
    return classify(ctx, size, "How is the fruit or seed of each plant mainly spread?",
                    sorted(DISPERSAL), items, "sort dispersal")


def pick_from_list(ctx, size, prompt, right, wrong, kind, all_right=False):
    """An answer group: pick `size` right things from a mixed list. With
    all_right every right thing is in the list and any `size` of them will do."""
    rng = ctx.rng
    chosen = list(right) if all_right else rng.sample(right, size)
    shown = chosen + rng.sample(wrong, min(len(wrong), 7 - len(chosen)))
    shown.sort()
    body = para(prompt) + word_box(shown) + para('<span class="form">%s</span>' % ANY_ORDER) + group_prompt(0, size)
    return question(body, group_parts(sorted(chosen), size), kind=kind)


def pick_animals(ctx, size):
    rng = ctx.rng
    group = rng.choice(["insect", "mammal", "bird", "reptile", "fish"])
    others = [a for a in ALL_ANIMALS + bank.NOT_INSECTS if a not in bank.GROUPS[group]]
    return pick_from_list(ctx, size, "From the box, write the %d animals that are %s." % (size, bank.GROUP_PLURAL[group]),
                          bank.GROUPS[group], others, "pick animals")


def pick_magnetic(ctx, size):
    return pick_from_list(ctx, size, "From the box, write the %d objects that a magnet will attract." % size,
                          [o[0] for o in MAGNETIC], [o[0] for o in NOT_MAGNETIC], "pick magnetic")


def pick_conductors(ctx, size):
    return pick_from_list(ctx, size, "From the box, write the %d objects that conduct electricity." % size,
                          [o[0] for o in CONDUCTING], [o[0] for o in NOT_CONDUCTING], "pick conductors")


def pick_heat_conductors(ctx, size):
    return pick_from_list(ctx, size, "From the box, write the %d materials that are good conductors of heat." % size,
                          bank.HEAT_CONDUCTORS, bank.HEAT_INSULATORS, "pick heat")


def pick_transparent(ctx, size):
    if size > len(bank.TRANSPARENT):
        return None
    return pick_from_list(ctx, size, "From the box, write the %d materials that are transparent." % size,
                          bank.TRANSPARENT, bank.TRANSLUCENT + bank.OPAQUE, "pick light")


def pick_life_cycle(ctx, size):
    if size > 3:
        return None
    return pick_from_list(ctx, size, "From the box, write the %d animals whose life cycle has only three stages "
                                     "(egg, nymph, adult)." % size, bank.THREE_STAGE, bank.FOUR_STAGE, "pick life cycle")


def germination(ctx, size):
    """Three things a seed needs (a group) and a follow-up."""
    rng = ctx.rng
    name = rng.choice(["Mei", "Tom", "Aisha", "Kofi", "Zara", "Leo", "Priya", "Sam"])
    seeds = rng.choice(["bean", "green bean", "pea", "sunflower", "maize", "mustard"])
    where = rng.choice(["on damp cotton wool", "on wet tissue paper", "in a jar with a damp paper towel"])
    box = sorted(["air", "warmth", "water"] + rng.sample(["fertiliser", "light", "soil", "sand", "sugar"], 3))
    body = para("%s put some %s seeds %s in a warm room. After a few days the seeds began to grow." % (name, seeds, where)) + part(
        0, "From the box, write the 3 things that a seed needs to start growing.") + word_box(
        box) + para('<span class="form">%s</span>' % ANY_ORDER) + group_prompt(0, 3) + part(
        3, "What do we call a young plant that has just grown from a seed?") + answer_line(3)
    parts = group_parts(["air", "warmth", "water"], 3) + [Part("seedling", "T")]
    return question(body, parts, kind="germination")


def plant_label(ctx, size):
    rng = ctx.rng
    names = ["flower", "leaf", "stem", "root"]
    order = rng.sample(names, 4)
    labels = {name: "(%s)" % "abcd"[i] for i, name in enumerate(order)}
    pic = sd.plant(labels)
    body = para("Name the parts of the plant labelled (a) to (d).") + figure(0) + word_box(sorted(names)) + answer_line(
        None, form="Write one word from the box in each answer box.")
    return question(body, [Part(name, "T") for name in order], [pic], kind="plant label")


def plant_food_needs(ctx, size):
    return pick_from_list(ctx, size, "From the box, write %d of the things that a green plant needs to make its food." % size,
                          ["carbon dioxide", "sunlight", "water"], ["oxygen", "sugar", "sand", "salt"], "plant needs",
                          all_right=True)


def seeds_or_spores(ctx, size):
    items = [("fern", "spores"), ("moss", "spores"), ("sunflower", "seeds"), ("mango tree", "seeds"), ("rose", "seeds"),
             ("pine tree", "seeds"), ("bean plant", "seeds"), ("bird's-nest fern", "spores")]
    return classify(ctx, size, "Does each plant make new plants from <b>seeds</b> or from <b>spores</b>?",
                    ["seeds", "spores"], items, "seeds or spores")


def plant_jobs(ctx, size):
    rng = ctx.rng
    jobs = [("makes food for the plant", "leaf"), ("takes in water from the soil", "root"),
            ("carries water from the roots to the leaves", "stem"), ("makes seeds after it is pollinated", "flower"),
            ("holds the plant firmly in the ground", "root"), ("holds up the leaves and flowers", "stem"),
            ("protects the seeds", "fruit")]
    chosen = rng.sample(jobs, size)
    body = para("Which part of a plant does each job? Use the words in the box. You may use a word more than once.") + word_box(
        ["flower", "fruit", "leaf", "root", "stem"])
    parts = []
    for i, (job, name) in enumerate(chosen):
        body += part(i, "It %s." % esc(job))
        parts.append(Part(name, "T"))
    return question(body, parts, kind="plant jobs")


def insect_label(ctx, size):
    rng = ctx.rng
    names = ["head", "thorax", "abdomen"]
    order = rng.sample(names, 3)
    labels = {name: "(%s)" % "abc"[i] for i, name in enumerate(order)}
    pic = sd.insect(labels)
    body = para("The drawing shows an insect.") + figure(0) + para(
        "Name the body parts labelled (a), (b) and (c). Use the words in the box.") + word_box(sorted(names))
    parts = [Part(name, "T") for name in order]
    if size == 3:
        body += answer_line(None, form="Write one word in each answer box.")
    if size == 4:
        body += part(3, "How many legs does an insect have?") + answer_line(3, "legs")
        parts.append(Part("6", "N"))
    return question(body, parts, [pic], kind="insect label")


LIFE_STAGES = {
    "butterfly": ["egg", "larva", "pupa", "adult"],
    "frog": ["eggs", "tadpole", "froglet", "frog"],
    "chicken": ["egg", "chick", "adult"],
    "cockroach": ["egg", "nymph", "adult"],
}


def life_cycle_label(ctx, size):
    rng = ctx.rng
    animals = [a for a, stages in LIFE_STAGES.items() if len(stages) == size]
    if not animals:
        return None
    animal = rng.choice(sorted(animals))
    start = rng.randrange(size)
    stages = LIFE_STAGES[animal][start:] + LIFE_STAGES[animal][:start]
    labels = ["(%s)" % "abcd"[i] for i in range(size)]
    pic = sd.life_cycle(animal, labels, start)
    body = para("The drawing shows the life cycle of %s. The stages are labelled (a) to (%s), going round in the "
                "direction of the arrows." % (article(animal), "abcd"[size - 1])) + figure(0) + word_box(sorted(stages)) + answer_line(
        None, form="Name each stage. Use the words in the box.")
    return question(body, [Part(s, "T") for s in stages], [pic], kind="life cycle")


PLURAL_JOBS = {"lungs": "They take in oxygen from the air we breathe",
               "blood vessels": "They carry blood to all parts of the body"}


def organs_match(ctx, size):
    rng = ctx.rng
    chosen = rng.sample(bank.ORGANS, size)
    body = para("Which part of the body does each job? Use the words in the box.") + word_box(sorted(o[0] for o in chosen))
    parts = []
    for i, (organ, _, job) in enumerate(chosen):
        body += part(i, "%s." % esc(PLURAL_JOBS.get(organ, "It " + job)))
        parts.append(Part(organ, "T"))
    return question(body, parts, kind="organs")


FOOD_CHAINS = [
    ["grass", "grasshopper", "frog", "snake"], ["leaves", "caterpillar", "bird", "cat"],
    ["seaweed", "fish", "seal", "shark"], ["grass", "rabbit", "fox"], ["wheat", "mouse", "owl"],
    ["plant", "aphid", "ladybird", "sparrow"], ["algae", "tadpole", "fish", "heron"],
]


PLURAL = {"grasshopper": "grasshoppers", "frog": "frogs", "snake": "snakes", "caterpillar": "caterpillars",
          "bird": "birds", "cat": "cats", "fish": "fish", "seal": "seals", "shark": "sharks", "rabbit": "rabbits",
          "fox": "foxes", "mouse": "mice", "owl": "owls", "aphid": "aphids", "ladybird": "ladybirds",
          "sparrow": "sparrows", "tadpole": "tadpoles", "heron": "herons"}


def food_chain(ctx, size):
    rng = ctx.rng
    chain = rng.choice(FOOD_CHAINS)
    pic = sd.food_chain(chain)
    k = rng.randint(1, len(chain) - 2)
    prey = "amount of %s" % chain[k - 1] if k == 1 else "number of %s" % PLURAL[chain[k - 1]]
    body = para("Look at the food chain.") + figure(0) + part(0, "Which living thing in the food chain is a producer?") + answer_line(
        0) + part(1, "Which animal eats the %s?" % esc(PLURAL[chain[k]])) + answer_line(1) + part(
        2, "If all the %s died, what would happen to the %s? Write <b>increase</b> or <b>decrease</b>." % (
            esc(PLURAL[chain[k]]), esc(prey))) + answer_line(2)
    parts = [Part(chain[0], "T"), Part(chain[k + 1], "T"), Part("increase", "T", 2)]
    return question(body, parts, [pic], kind="food chain")


def water_cycle(ctx, size):
    rng = ctx.rng
    names = ["evaporation", "condensation", "precipitation"]
    order = rng.sample(names, 3)
    labels = {name: "(%s)" % "abc"[i] for i, name in enumerate(order)}
    pic = sd.water_cycle(labels)
    body = para("The drawing shows the water cycle. Name the processes labelled (a), (b) and (c).") + figure(0) + word_box(
        sorted(names + ["freezing"])) + answer_line(None, form="Use the words in the box.")
    return question(body, [Part(n, "T") for n in order], [pic], kind="water cycle")


def changes_of_state(ctx, size):
    rng = ctx.rng
    changes = [("Ice cream left in the sun turns runny.", "melting"), ("Water in the freezer turns into ice.", "freezing"),
               ("A puddle dries up on a sunny day.", "evaporation"), ("Drops of water form on a cold window.", "condensation"),
               ("Wet clothes dry on a washing line.", "evaporation"), ("Chocolate in a warm hand turns soft and runny.", "melting"),
               ("Water droplets form on the outside of a can of cold juice.", "condensation"),
               ("Melted wax drips and turns hard again.", "freezing")]
    names = rng.sample(["condensation", "evaporation", "freezing", "melting"], size)
    picked = [rng.choice([c for c in changes if c[1] == name]) for name in names]
    body = para("Name the change of state in each sentence. Use the words in the box.") + word_box(
        ["condensation", "evaporation", "freezing", "melting"])
    parts = []
    for i, (text, name) in enumerate(picked):
        body += part(i, esc(text))
        parts.append(Part(name, "T"))
    return question(body, parts, kind="changes of state")


def shadow_question(ctx, size):
    pic = sd.shadow()
    rng = ctx.rng
    texts = ["It becomes bigger.", "It becomes smaller.", "It stays the same size.", "It disappears."]
    rng.shuffle(texts)
    body = para("Lily shines a torch at a ball in front of a screen.") + figure(0) + part(
        0, "What is the dark patch X on the screen called?") + answer_line(0) + part(
        1, "Lily moves the ball closer to the torch. What happens to the dark patch? Write the number of the answer.") + options(texts)
    return question(body, [Part("shadow", "T"), Part(str(texts.index("It becomes bigger.") + 1), "Q", 2)], [pic], kind="shadow")


GAP_OBJECTS = [("iron nail", True), ("copper coin", True), ("steel spoon", True), ("aluminium foil", True),
               ("plastic ruler", False), ("rubber band", False), ("wooden stick", False), ("paper strip", False)]


def circuits_question(ctx, size):
    rng = ctx.rng
    kinds = ["closed", "open switch", "gap", "gap", "no battery"]
    for _ in range(50):
        panels = []
        for name in "ABCD":
            kind = rng.choice(kinds)
            panels.append((name, kind, rng.choice(GAP_OBJECTS) if kind == "gap" else None))
        lit = [n for n, k, o in panels if k == "closed" or (k == "gap" and o[1])]
        open_switch = [n for n, k, o in panels if k == "open switch"]
        if len(lit) == 2 and len(open_switch) == 1:
            break
    else:
        return None
    pic = sd.circuits_picture(panels)
    body = para("Look at the four circuits. Each has a bulb.") + figure(0) + part(
        0, "In which <b>two</b> circuits will the bulb light up? Write the letters.") + para(
        '<span class="form">%s</span>' % ANY_ORDER) + group_prompt(0, 2) + part(
        2, "Which circuit has an open switch? Write its letter.") + answer_line(2)
    parts = group_parts(lit, 2) + [Part(open_switch[0], "T", 2)]
    return question(body, parts, [pic], kind="circuits")


def magnets_question(ctx, size):
    rng = ctx.rng
    pairs = [(rng.choice("NS"), rng.choice("NS")) for _ in range(size)]
    pic = sd.magnet_pairs(pairs)
    body = para("Two bar magnets are placed end to end in each row. Will they <b>attract</b> or <b>repel</b> each other?") + figure(
        0) + answer_line(None, form="Write attract or repel for each row.")
    parts = []
    for a, b in pairs:
        facing_left = "S" if a == "N" else "N"  # the right end of the left magnet
        parts.append(Part("repel" if facing_left == b else "attract", "T"))
    return question(body, parts, [pic], kind="magnets")


def name_gases(ctx, size):
    body = para("Air is a mixture of gases.") + part(0, "Name %d gases that are found in the air." % size) + para(
        '<span class="form">%s</span>' % ANY_ORDER) + group_prompt(0, size)
    return question(body, group_parts(["oxygen", "nitrogen", "carbon dioxide", "water vapour"], size), kind="gases")


STRUCTURED = {
    1: [(classify_animals, range(4, 9)), (pick_animals, range(2, 5)), (food_chain, [3]), (insect_label, [3, 4])],
    2: [(plant_label, [4]), (plant_jobs, range(3, 6)), (classify_dispersal, range(4, 7)), (germination, [4]),
        (plant_food_needs, [2, 3]), (seeds_or_spores, range(3, 6))],
    3: [(life_cycle_label, [3, 4]), (organs_match, range(3, 6)), (pick_life_cycle, [2, 3])],
    4: [(classify_states, range(4, 9)), (classify_magnetic, range(4, 7)), (pick_magnetic, range(2, 5)),
        (changes_of_state, range(3, 5)), (name_gases, [2, 3])],
    5: [(water_cycle, [3]), (classify_light, range(4, 7)), (pick_heat_conductors, range(2, 4)),
        (shadow_question, [2]), (changes_of_state, range(3, 5)), (pick_transparent, [2, 3])],
    6: [(circuits_question, [3]), (magnets_question, range(3, 5)), (classify_conductors, range(4, 7)),
        (pick_conductors, range(2, 5)), (pick_magnetic, range(2, 4))],
}


def structured(ctx, topics, budget, count):
    """`count` structured questions from the topics' makers with `budget` parts in all."""
    rng = ctx.rng
    makers = [(maker, list(sizes)) for t in topics for maker, sizes in STRUCTURED[t]]
    for attempt in range(600):
        sizes = [2] * count
        for _ in range(budget - 2 * count):
            sizes[rng.randrange(count)] += 1
        if max(sizes) > 8:
            continue
        plan = []
        for size in sizes:
            # Prefer a different maker for every question; allow repeats late on.
            fitting = [m for m, allowed in makers if size in allowed and (m.__name__, size) not in ctx.exhausted
                       and (attempt > 300 or m not in plan)]
            if not fitting:
                break
            plan.append(rng.choice(fitting))
        if len(plan) < count:
            continue
        try:
            return [ctx.unique(lambda m=maker, s=size: m(ctx, s), attempts=40, name=(maker.__name__, size))
                    for maker, size in zip(plan, sizes)]
        except Exhausted:
            continue
    raise Exhausted("no structured questions for %s" % topics)


# Papers -----------------------------------------------------------------------

TOPIC_PAPERS = [  # (parts, multiple choice, short answer kind, structured questions)
    (20, 10, "short", 2), (30, 15, "alternatives", 3), (20, 10, "number", 2), (30, 15, "number", 4), (20, 10, "alternatives", 2),
]
MOCK_PAPERS = [(70, 30, 11), (70, 30, 11), (70, 30, 12), (70, 30, 11), (70, 30, 11)]
SINGLES = {"short": short_answer, "alternatives": alternatives_answer, "number": number_answer}


def build_papers(ctx):
    papers = []
    for topic in range(1, 7):
        for parts, mc, single, count in TOPIC_PAPERS:
            paper = [ctx.unique(lambda: multiple_choice(ctx, topic)) for _ in range(mc)]
            try:
                paper.append(ctx.unique(lambda: SINGLES[single](ctx, topic), attempts=60))
            except Exhausted:
                paper.append(ctx.unique(lambda: short_answer(ctx, topic)))
            paper += structured(ctx, [topic], parts - mc - 1, count)
            papers.append(paper)
    for k, (parts, mc, count) in enumerate(MOCK_PAPERS):
        paper = [ctx.unique(lambda i=i: multiple_choice(ctx, 1 + (i + k) % 6)) for i in range(mc)]
        paper += structured(ctx, [1 + (k + j) % 6 for j in range(6)], parts - mc, count)
        papers.append(paper)
    return papers
