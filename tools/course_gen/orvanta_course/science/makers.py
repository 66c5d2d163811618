"""Science questions made from the fact tables: multiple choice in several
wordings, labelled drawings, sorting tasks, answer groups and food chains.

Every maker returns the list of all the questions it can give, as Items, so
that the paper planner can choose among them; nothing here decides which
paper a question goes to."""

from . import bank
from . import drawings as sd
from ..drawing import measuring_cylinder
from ..model import Part
from ..page import answer_line, esc, figure, instruction, para, word_box
from .page import (CHOOSE_IN_PARTS, box_part, choice, choice_part, form, group_parts, group_prompt, item,
                          letter, lettered, rich, stem)

ARTICLE_GROUP = {"mammal": "a mammal", "bird": "a bird", "reptile": "a reptile", "amphibian": "an amphibian",
                 "fish": "a fish", "insect": "an insect"}


def article(word):
    return ("an " if word[0] in "aeiou" else "a ") + word


def others(rng, pool, exclude, count):
    return rng.sample([x for x in pool if x not in exclude], count)


def rotate(phrasings, k):
    return phrasings[k % len(phrasings)]


# 1 Living things ---------------------------------------------------------------------------


def animal_groups(rng):
    """Which group an animal belongs to, asked in three ways; one question per animal."""
    items = []
    animals = [(a, g) for g in sorted(bank.GROUPS) for a in bank.GROUPS[g]]
    rng.shuffle(animals)
    for k, (animal, group) in enumerate(animals):
        way = k % 3
        if way == 0:
            text = "%s belongs to which group of animals?" % article(animal).capitalize()
            wrong = [bank.GROUP_PLURAL[g] for g in others(rng, sorted(bank.GROUPS), [group], 3)]
            items.append(choice(rng, 1, "use", 2, "animal group", ("group", animal), text,
                                bank.GROUP_PLURAL[group], wrong))
        elif way == 1:
            text = "Which of these animals is %s?" % ARTICLE_GROUP[group]
            wrong = [rng.choice(bank.GROUPS[g]) for g in others(rng, sorted(bank.GROUPS), [group], 3)]
            items.append(choice(rng, 1, "use", 2, "animal group", ("group", animal), text, article(animal),
                                [article(w) for w in wrong]))
        else:
            if group == "insect":
                text = "Which of these animals is <b>not</b> an insect?"
                wrong = rng.sample(bank.INSECTS, 3)
                right = rng.choice([a for a in bank.NOT_INSECTS if ("group", a) not in [i.concept for i in items]])
                items.append(choice(rng, 1, "use", 2, "animal group", ("group", right), text,
                                    article(right), [article(w) for w in wrong]))
                continue
            text = "Three of these animals are %s. Which one is <b>not</b>?" % bank.GROUP_PLURAL[group]
            wrong = others(rng, bank.GROUPS[group], [animal], 3)
            outsider = rng.choice(LOOK_ALIKES[group])
            items.append(choice(rng, 1, "use", 2, "animal group", ("group", outsider), text,
                                article(outsider), [article(w) for w in wrong]))
    return items


def group_clues(rng):
    items = []
    for group in sorted(bank.GROUP_CLUES):
        text = "%s Which group of animals is it?" % bank.GROUP_CLUES[group]
        wrong = [bank.GROUP_PLURAL[g] for g in others(rng, sorted(bank.GROUPS), [group], 3)]
        items.append(choice(rng, 1, "use", 2, "animal group", ("clue", group), text, bank.GROUP_PLURAL[group], wrong))
    return items


# Animals often taken for members of a group they do not belong to.
LOOK_ALIKES = {"mammal": ["penguin", "shark", "ostrich"], "bird": ["bat", "butterfly"],
               "reptile": ["newt", "salamander", "frog"], "amphibian": ["lizard", "gecko", "turtle"],
               "fish": ["whale", "dolphin"], "insect": ["spider", "woodlouse", "centipede"]}

ANIMAL_FACTS = [
    ("Which of these animals breathes through gills all its life?", bank.FISH,
     ["whale", "dolphin", "turtle", "seal", "penguin", "frog", "crocodile"], "gills"),
    ("Which of these animals lays eggs?", ["crocodile", "turtle", "tortoise", "frog", "toad", "salmon", "trout",
                                           "penguin", "eagle", "duck", "ostrich", "robin"], bank.MAMMALS, "eggs"),
    ("Which of these animals feeds its young on milk?", bank.MAMMALS, ["penguin", "eagle", "crocodile", "frog",
                                                                       "salmon", "tortoise", "duck"], "milk"),
    ("Which of these animals has six legs?", bank.INSECTS, bank.NOT_INSECTS, "legs"),
    ("Which of these animals has feathers?", bank.BIRDS, bank.MAMMALS + bank.REPTILES, "feathers"),
    ("Which of these animals has dry, scaly skin?", bank.REPTILES, bank.AMPHIBIANS + bank.MAMMALS, "scales"),
]


def animal_facts(rng):
    items = []
    for text, right_pool, wrong_pool, name in ANIMAL_FACTS:
        for right in rng.sample(right_pool, 3):
            wrong = rng.sample(wrong_pool, 3)
            items.append(choice(rng, 1, "recall", 1, "animal fact", ("fact", name, right), text,
                                article(right), [article(w) for w in wrong]))
    return items


HABITATS = [("crab", "a rock pool"), ("camel", "a desert"), ("squirrel", "a woodland"), ("polar bear", "the Arctic"),
            ("frog", "a pond"), ("earthworm", "the soil"), ("dolphin", "the ocean"), ("parrot", "a rainforest")]
DIETS = [("rabbit", "a herbivore"), ("deer", "a herbivore"), ("sheep", "a herbivore"), ("lion", "a carnivore"),
         ("shark", "a carnivore"), ("owl", "a carnivore"), ("human", "an omnivore"), ("pig", "an omnivore"),
         ("bear", "an omnivore")]
VERTEBRATES = ["trout", "robin", "lizard", "bat", "toad", "penguin", "tortoise", "horse"]
INVERTEBRATES = ["snail", "earthworm", "spider", "jellyfish", "crab", "slug", "beetle", "woodlouse"]


def animal_ways(rng):
    """Where animals live, what they eat and whether they have a backbone."""
    items = []
    places = [p for _, p in HABITATS]
    for animal, place in HABITATS:
        items.append(choice(rng, 1, "use", 2, "habitat", ("habitat", animal),
                            "Where would you most likely find %s living in the wild?" % article(animal), place,
                            others(rng, places, [place], 3)))
    for animal, diet in DIETS:
        items.append(choice(rng, 1, "use", 2, "diet", ("diet", animal),
                            "%s eats %s. So it is ..." % (article(animal).capitalize(), DIET_FOOD[animal]), diet,
                            [d for d in ("a herbivore", "a carnivore", "an omnivore", "a producer") if d != diet]))
    for right in VERTEBRATES:
        items.append(choice(rng, 1, "use", 2, "backbone", ("backbone", right),
                            "Only one of these animals has a backbone. Which one?", article(right),
                            [article(w) for w in rng.sample(INVERTEBRATES, 3)]))
    return items


DIET_FOOD = {"rabbit": "grass, clover and dandelion leaves", "deer": "leaves, bark and grass",
             "sheep": "grass", "lion": "zebras and antelopes", "shark": "fish and seals",
             "owl": "mice and voles", "human": "meat, fish, fruit and vegetables",
             "pig": "roots, fruit, worms and insects", "bear": "berries, fish and honey"}


FOOD_CHAINS = [
    ["grass", "grasshopper", "frog", "snake"], ["leaves", "caterpillar", "blue tit", "sparrowhawk"],
    ["seaweed", "winkle", "crab", "gull"], ["grass", "rabbit", "fox"], ["wheat", "mouse", "owl"],
    ["rose bush", "greenfly", "ladybird", "sparrow"], ["algae", "tadpole", "stickleback", "heron"],
    ["oak leaves", "slug", "hedgehog", "badger"], ["plankton", "krill", "penguin", "seal"],
]
CHAINS_IN_LONG_QUESTIONS = 5
PLURAL = {"grasshopper": "grasshoppers", "frog": "frogs", "snake": "snakes", "caterpillar": "caterpillars",
          "blue tit": "blue tits", "sparrowhawk": "sparrowhawks", "winkle": "winkles", "crab": "crabs", "gull": "gulls",
          "rabbit": "rabbits", "fox": "foxes", "mouse": "mice", "owl": "owls", "greenfly": "greenfly",
          "ladybird": "ladybirds", "sparrow": "sparrows", "tadpole": "tadpoles", "stickleback": "sticklebacks",
          "heron": "herons", "slug": "slugs", "hedgehog": "hedgehogs", "badger": "badgers", "krill": "krill",
          "penguin": "penguins", "seal": "seals"}


def food_chain_choices(rng):
    """One question about each food chain drawing."""
    items = []
    for k, chain in enumerate(FOOD_CHAINS[CHAINS_IN_LONG_QUESTIONS:], start=CHAINS_IN_LONG_QUESTIONS):
        pic = sd.food_chain(chain)
        if k % 3 == 0:
            text = "Look at the food chain. Which living thing is the producer?"
            right, wrong = chain[0], chain[1:] + (["the Sun"] if len(chain) == 3 else [])
            skill, level = "use", 2
        elif k % 3 == 1:
            j = rng.randint(1, len(chain) - 2)
            text = "In this food chain, what do the %s eat?" % esc(PLURAL[chain[j]])
            right, wrong = chain[j - 1], [c for c in chain if c not in (chain[j - 1], chain[j])] + ["the Sun"]
            wrong = wrong[:3]
            skill, level = "use", 2
        else:
            text = "The drawing shows a food chain. Which animal is the top predator?"
            right, wrong = chain[-1], chain[:-1] + (["the Sun"] if len(chain) == 3 else [])
            skill, level = "use", 2
        if len(wrong) < 3:
            continue
        items.append(choice(rng, 1, skill, level, "food chain", ("chain", k), text, right, wrong[:3], [pic]))
    return items


def insect_choices(rng):
    items = []
    for name in ("head", "thorax", "abdomen"):
        wrong = [p for p in ("head", "thorax", "abdomen", "antenna") if p != name]
        items.append(choice(rng, 1, "recall", 1, "insect label", ("insect", name),
                            "Which body part of the insect is labelled X?", name, wrong, [sd.insect({name: "X"})]))
    return items


def classify_animals(rng):
    """Sorting questions: each animal is sorted once in the whole course."""
    animals = [(a, g) for g in sorted(bank.GROUPS) for a in bank.GROUPS[g] if a not in BACKBONE_ANIMALS]
    rng.shuffle(animals)
    intros = ["Which group does each animal belong to? Use the words in the box.",
              "Tom made a list of animals he saw at a wildlife park. Write the group of each animal.",
              "Sort these animals into their groups. Use each word in the box as often as you need."]
    items = []
    box = sorted(bank.GROUPS)
    for k, size in enumerate([5, 6, 4]):
        chosen, animals = animals[:size], animals[size:]
        body = stem(intros[k]) + word_box(box)
        parts = []
        for i, (animal, group) in enumerate(chosen):
            body += lettered(i, "<b>%s</b>" % esc(animal))
            parts.append(Part(group, "T"))
        body += form("Write one word from the box in each answer box.")
        items.append(item(1, "use", 2, SAME_IDEA["sort animals"], ("sort animals", k), body, parts))
    return items


# Sorting, group and sentence questions that practise what a one-part maker
# practises: they share its name, so that a paper holds one of them.
SAME_IDEA = {
    "sort animals": "animal group", "pick mammals": "animal group", "pick birds": "animal group",
    "pick insects": "animal group", "pick reptiles": "animal group",
    "pick invertebrates": "backbone", "pick meat eaters": "diet", "pick producers": "producer",
    "pick decomposers": "decomposers", "pick life processes": "life processes",
    "sort dispersal": "dispersal", "pick wind seeds": "dispersal", "pick animal seeds": "dispersal",
    "pick photosynthesis": "plant needs", "photosynthesis words": "plant needs", "pick growing needs": "plant needs",
    "pick flower parts": "flower job", "pollination words": "flower job",
    "seeds or spores": "spores", "pick spores": "spores", "pick fruits": "eaten part", "eaten parts": "eaten part",
    "pick evergreens": "evergreen", "plant jobs": "plant job",
    "food groups": "food group", "pick protein": "food group", "pick carbohydrates": "food group",
    "pick digestive": "digestive", "food journey": "digestive", "young names": "young",
    "pick pupa": "life stages", "pick nymph": "life stages", "pick frog stages": "life stages",
    "butterfly stages": "life stages",
    "sort states": "state", "pick liquids": "state", "pick gases": "state", "pick solids": "state",
    "reversible": "change", "pick reversible": "change", "pick irreversible": "change",
    "pick dissolve": "dissolving", "pick natural": "natural", "sort magnetic": "magnetic object",
    "sort light": "light word", "pick transparent": "light word", "pick opaque": "light word",
    "source or reflector": "light source", "pick sources": "light source", "pick reflectors": "light source",
    "heat sort": "heat", "pick insulators": "heat", "pick heat conductors": "heat",
    "sort conductors": "conductor", "pick conductors": "conductor", "pick wire covers": "conductor",
    "pick magnetic": "magnet object", "pick magnetic metals": "magnet object", "magnet words": "magnet picture",
    "mains or cells": "mains", "pick mains": "mains", "appliance energy": "appliance", "pick sound": "appliance",
    "water cycle words": "water cycle", "pick water cycle": "water cycle", "pick precipitation": "precipitation",
    "shadow words": "shadows", "seeing words": "seeing", "temperature words": "measuring temperature",
    "circuit words": "circuit parts", "torch words": "circuit parts", "pick circuit parts": "circuit parts",
    "pick components": "circuit parts",
}


BACKBONE_ANIMALS = ["jellyfish", "salmon", "slug", "gecko", "centipede"]


def sorting(topic, family, intro, box, things, level=2, skill="use", note="Write one word from the box in each "
            "answer box."):
    """A sorting question: things as (thing, word from the box)."""
    body = stem(intro) + word_box(box)
    parts = []
    for i, (thing, word) in enumerate(things):
        if word not in box:
            raise ValueError("%r is not in the box" % word)
        # Names of things stand out in bold; whole sentences are easier to read plain.
        body += lettered(i, rich(thing) if thing.endswith(".") else "<b>%s</b>" % rich(thing))
        parts.append(Part(word, "T"))
    body += form(note)
    return item(topic, skill, level, SAME_IDEA.get(family, family), (family, tuple(t for t, _ in things)), body,
                parts)


def picking(topic, family, text, box, right, count, level=2, skill="use"):
    """An answer group: write `count` of the right things from a box."""
    if not set(right) <= set(box):
        raise ValueError("every right answer must stand in the box")
    body = stem(text) + word_box(sorted(box)) + group_prompt(0, count)
    return item(topic, skill, level, SAME_IDEA.get(family, family), (family, tuple(sorted(right))), body,
                group_parts(sorted(right), count))


def living_structured(rng):
    items = classify_animals(rng)
    items.append(sorting(1, "backbone", "Does each animal have a backbone? Write <b>vertebrate</b> or "
                         "<b>invertebrate</b>.", ["vertebrate", "invertebrate"],
                         [(a, "vertebrate" if any(a in g for g in bank.GROUPS.values()) else "invertebrate")
                          for a in BACKBONE_ANIMALS]))
    items.append(sorting(1, "diet", "What does each animal eat? Use the words in the box.",
                         ["herbivore", "carnivore", "omnivore"],
                         [("a cow, which eats grass", "herbivore"), ("a shark, which eats fish and seals",
                                                                     "carnivore"),
                          ("a human, who eats meat and vegetables", "omnivore"),
                          ("a caterpillar, which eats leaves", "herbivore")]))
    items.append(sorting(1, "habitat", "Each animal is suited to one habitat in the box. Write the habitat of each "
                         "animal.", ["desert", "ocean", "woodland", "polar"],
                         [("a polar bear", "polar"), ("a camel", "desert"), ("a dolphin", "ocean"),
                          ("a squirrel", "woodland")]))
    items.append(sorting(1, "nocturnal", "Some animals are active by day and some at night. Write <b>day</b> or "
                         "<b>night</b> for each animal.", ["day", "night"],
                         [("a barn owl", "night"), ("a bat", "night"), ("a butterfly", "day"),
                          ("a badger", "night"), ("a robin", "day")], level=1, skill="recall"))
    pickers = [
        ("mammals", "Three of the animals in the box are mammals. Write their names.",
         ["whale", "bat", "horse"], ["penguin", "shark", "frog", "lizard"]),
        ("birds", "Which two animals in the box are birds?", ["ostrich", "kingfisher"],
         ["bat", "butterfly", "crocodile", "salmon", "wasp"]),
        ("insects", "Leo found some minibeasts in the garden. Which three in the box are insects?",
         ["beetle", "ant", "moth"], ["spider", "woodlouse", "snail", "earthworm"]),
        ("life processes", "All living things do certain things. Write two of them from the box.",
         ["grow", "reproduce", "feed"], ["rust", "melt", "shine", "burn"]),
        ("invertebrates", "Which three animals in the box have no backbone?", ["snail", "earthworm", "crab"],
         ["trout", "newt", "robin", "hedgehog"]),
    ]
    for k, (name, text, right, wrong) in enumerate(pickers):
        count = 2 if name in ("birds", "life processes") else 3
        items.append(picking(1, "pick " + name, text, right + wrong, right, count))
    more = [
        ("reptiles", "Three of the animals in the box are reptiles. Which are they?",
         ["snake", "tortoise", "chameleon"], ["toad", "eel", "otter", "kingfisher"], 3),
        ("producers", "Which three living things in the box are producers?", ["grass", "oak tree", "seaweed"],
         ["rabbit", "fox", "mushroom", "caterpillar"], 3),
        ("decomposers", "Dead leaves on a woodland floor are broken down by other living things. Which two in the box "
         "help to do this?", ["earthworm", "fungus"], ["rabbit", "sparrow", "fox", "deer"], 2),
        ("meat eaters", "Which three animals in the box eat only other animals?", ["shark", "eagle", "lion"],
         ["cow", "rabbit", "human", "bear"], 3),
    ]
    for name, text, right, wrong, count in more:
        items.append(picking(1, "pick " + name, text, right + wrong, right, count))
    # The longer questions take five of the food chains, the choices the others.
    for k, chain in enumerate(FOOD_CHAINS[:CHAINS_IN_LONG_QUESTIONS]):
        items.append(food_chain_question(rng, k, chain))
    items.append(insect_label(rng))
    return items


def food_chain_question(rng, k, chain):
    """A food chain drawing and two or three questions on it."""
    pic = sd.food_chain(chain)
    j = 1 + k % (len(chain) - 2)
    # A chain of three has only one animal that eats another: its third part predicts instead.
    predicting = k % 2 or len(chain) == 3
    body = instruction(CHOOSE_IN_PARTS) if predicting else ""
    body += stem("Look at the food chain in the drawing.") + figure(0)
    parts = []
    html, p = box_part(0, "Which living thing in this food chain is the producer?", chain[0],
                       note="Write its name as it is in the drawing.")
    body += html
    parts.append(p)
    html, p = box_part(1, "Which animal eats the %s?" % PLURAL[chain[j]], chain[j + 1],
                       note="Write its name as it is in the drawing.")
    body += html
    parts.append(p)
    if predicting:
        eaten = "the amount of %s" % chain[j - 1] if j == 1 else "the number of %s" % PLURAL[chain[j - 1]]
        html, p = choice_part(rng, 2, "All the %s die from a disease. What will most likely happen to %s?"
                              % (PLURAL[chain[j]], eaten),
                              "It will increase.", ["It will decrease.", "It will stay the same.",
                                                    "They will all die too."], mark=2)
    else:
        html, p = box_part(2, "Name the animal at the top of this food chain.", chain[-1],
                           note="Write its name as it is in the drawing.")
    body += html
    parts.append(p)
    return item(1, "predict" if predicting else "use", 3 if predicting else 2, "food chain", ("chain question", k),
                body, parts, [pic])


def insect_label(rng):
    names = ["head", "thorax", "abdomen"]
    order = rng.sample(names, 3)
    pic = sd.insect({name: "(%s)" % letter(i) for i, name in enumerate(order)})
    body = stem("The drawing shows an insect.") + figure(0) + para(
        "Name the body parts labelled (a), (b) and (c). Use the words in the box.") + word_box(sorted(names))
    parts = [Part(name, "T") for name in order]
    body += lettered(3, "How many legs does an insect have?") + answer_line(3, "legs")
    parts.append(Part("6", "N"))
    return item(1, "recall", 1, "insect label", ("insect label",), body, parts, [pic])


# 2 Plants -------------------------------------------------------------------------------------

DISPERSAL_WORDS = {"wind": "the wind", "water": "water", "animals": "animals", "bursting pods": "bursting pods"}


def dispersal_choices(rng):
    items = []
    for way in sorted(bank.DISPERSAL):
        for plant in bank.DISPERSAL[way]:
            text = "The seeds of the %s are mainly spread by ..." % plant
            wrong = [DISPERSAL_WORDS[w] for w in sorted(bank.DISPERSAL) if w != way]
            items.append(choice(rng, 2, "use", 2, "dispersal", ("dispersal", plant), text, DISPERSAL_WORDS[way],
                                wrong))
    return items


EATEN_PARTS = [("a carrot", "root"), ("a beetroot", "root"), ("a radish", "root"), ("lettuce", "leaves"),
               ("spinach", "leaves"), ("cabbage", "leaves"), ("celery", "stem"), ("broccoli", "flowers"),
               ("cauliflower", "flowers"), ("an apple", "fruit"), ("a tomato", "fruit"), ("peas", "seeds"),
               ("sweetcorn", "seeds")]
PLANT_PARTS = ["root", "leaves", "stem", "flowers", "fruit", "seeds"]


def eaten_parts(rng):
    items = []
    for food, plant_part in EATEN_PARTS:
        text = "When we eat %s, which part of the plant are we eating?" % food
        items.append(choice(rng, 2, "use", 2, "eaten part", ("eaten", food), text, "the " + plant_part,
                            ["the " + p for p in others(rng, PLANT_PARTS, [plant_part], 3)]))
    return items


def plant_label_choices(rng):
    items = []
    for name in ("flower", "leaf", "stem", "root"):
        wrong = [p for p in ("flower", "leaf", "stem", "root") if p != name]
        items.append(choice(rng, 2, "recall", 1, "plant label", ("plant label", name),
                            "Which part of the plant is labelled X?", name, wrong, [sd.plant({name: "X"})]))
    flower_parts = ["petal", "sepal", "stamen", "stigma", "ovary"]
    for name in flower_parts:
        wrong = others(rng, flower_parts, [name], 3)
        items.append(choice(rng, 2, "recall", 1, "flower label", ("flower label", name),
                            "The drawing shows a flower cut in half. What is the part labelled X?", name, wrong,
                            [sd.flower({name: "X"})]))
    return items


FLOWER_JOBS = [("petals", "to attract insects to the flower"), ("stamens", "to make pollen"),
               ("stigma", "to catch pollen"), ("sepals", "to protect the flower while it is a bud"),
               ("ovary", "to hold the ovules that become seeds")]
PLANT_JOBS = [("roots", "to take in water and hold the plant in the soil"), ("stem", "to carry water up to the leaves"),
              ("leaves", "to make food using sunlight"), ("flowers", "to make seeds"),
              ("fruit", "to protect the seeds and help to spread them")]


def part_jobs(rng):
    items = []
    for name, job in FLOWER_JOBS:
        text = "What is the job of the %s in a flower?" % name
        wrong = [j for n, j in FLOWER_JOBS if n != name]
        items.append(choice(rng, 2, "recall", 1, "flower job", ("flower job", name), text, job,
                            rng.sample(wrong, 3)))
    for name, job in PLANT_JOBS:
        text = "Which of these is the main job of the %s of a plant?" % name
        wrong = [j for n, j in PLANT_JOBS if n != name]
        items.append(choice(rng, 2, "recall", 1, "plant job", ("plant job", name), text, job, rng.sample(wrong, 3)))
    return items


def plants_structured(rng):
    items = []
    names = ["flower", "leaf", "stem", "root"]
    order = rng.sample(names, 4)
    pic = sd.plant({n: "(%s)" % letter(i) for i, n in enumerate(order)})
    body = stem("Name the parts of the plant labelled (a) to (d).") + figure(0) + word_box(sorted(names)) + form(
        "Write one word from the box in each answer box.")
    items.append(item(2, "recall", 1, "plant label", ("plant label all",), body, [Part(n, "T") for n in order], [pic]))
    parts5 = ["petal", "sepal", "stamen", "stigma", "ovary"]
    order = rng.sample(parts5, 5)
    pic = sd.flower({n: "(%s)" % letter(i) for i, n in enumerate(order)})
    body = stem("The drawing shows a flower cut in half. Name the parts labelled (a) to (e).") + figure(0) + word_box(
        sorted(parts5)) + form("Write one word from the box in each answer box.")
    items.append(item(2, "recall", 2, "flower label", ("flower label all",), body, [Part(n, "T") for n in order],
                      [pic]))
    jobs = [("It takes in water from the soil.", "root"), ("It makes food for the plant.", "leaf"),
            ("It carries water from the roots to the leaves.", "stem"), ("It makes seeds after it is pollinated.",
                                                                          "flower"),
            ("It holds the plant firmly in the ground.", "root"), ("It holds up the leaves and flowers.", "stem"),
            ("It protects the seeds.", "fruit")]
    rng.shuffle(jobs)
    for k, chosen in enumerate((jobs[:4], jobs[4:])):
        intro = ["Which part of a plant does each job? Use the words in the box. You may use a word more than once.",
                 "Ada wrote down what some parts of a plant do. Name each part, using the box."][k]
        items.append(sorting(2, "plant jobs", intro, ["flower", "fruit", "leaf", "root", "stem"], chosen,
                             note="Write one word from the box in each answer box."))
    spread = [(p, w) for w in sorted(bank.DISPERSAL) for p in bank.DISPERSAL[w]]
    rng.shuffle(spread)
    items.append(sorting(2, "sort dispersal", "How are the seeds of each plant mainly spread? Use the words in the "
                         "box.", ["wind", "water", "animals", "bursting pods"], spread[:5]))
    items.append(sorting(2, "seeds or spores", "Does each plant make new plants from <b>seeds</b> or from "
                         "<b>spores</b>?", ["seeds", "spores"],
                         [("fern", "spores"), ("moss", "spores"), ("sunflower", "seeds"), ("oak tree", "seeds"),
                          ("rose", "seeds")], level=1, skill="recall"))
    items.append(sorting(2, "eaten parts", "Which part of the plant do we eat? Use the words in the box.",
                         ["root", "stem", "leaf", "flower", "seed"],
                         [("a parsnip", "root"), ("a lettuce leaf", "leaf"), ("a stick of rhubarb", "stem"),
                          ("a grain of rice", "seed")]))
    more = [
        ("animal seeds", "Which three plants in the box have seeds that are spread by animals?",
         ["burdock", "cherry", "blackberry"], ["dandelion", "sycamore", "coconut", "pea"], 3),
        ("growing needs", "From the box, write the four things a green plant needs to grow well.",
         ["light", "water", "air", "warmth"], ["darkness", "salt", "plastic", "sand"], 4),
        ("evergreens", "Which two trees in the box keep their leaves all winter?", ["yew", "fir"],
         ["beech", "sycamore", "apple", "birch"], 2),
    ]
    for name, text, right, wrong, count in more:
        items.append(picking(2, "pick " + name, text, right + wrong, right, count))
    items.append(picking(2, "pick germination", "Sam put some bean seeds on damp cotton wool in a warm room. From "
                         "the box, write the three things that the seeds need to start growing.",
                         ["air", "warmth", "water", "soil", "light", "sugar", "sand"], ["air", "warmth", "water"], 3))
    items.append(picking(2, "pick photosynthesis", "Write two things from the box that a green plant takes in to "
                         "make its food.", ["carbon dioxide", "water", "oxygen", "sugar", "salt", "sand"],
                         ["carbon dioxide", "water"], 2))
    items.append(picking(2, "pick wind seeds", "Which three plants in the box have seeds that are spread by the "
                         "wind?", ["dandelion", "sycamore", "thistle", "coconut", "cherry", "pea", "burdock"],
                         ["dandelion", "sycamore", "thistle"], 3))
    items.append(picking(2, "pick flower parts", "Which two of these parts belong to the flower?",
                         ["petal", "stamen", "root", "stem", "leaf"], ["petal", "stamen"], 2, level=1,
                         skill="recall"))
    items.append(sentences(2, "photosynthesis words", "Finish the sentences about how a plant makes food. Use the "
                           "words in the box.", ["leaves", "roots", "sunlight", "oxygen"],
                           [("A plant takes in water through its ___.", "roots"),
                            ("It makes its food in its ___.", "leaves"),
                            ("To make food it needs energy from ___.", "sunlight"),
                            ("As it makes food, it gives out ___.", "oxygen")]))
    items.append(sentences(2, "pollination words", "Finish the sentences about a flower. Use the words in the box.",
                           ["pollen", "stigma", "seeds", "insects"],
                           [("The stamens make a yellow powder called ___.", "pollen"),
                            ("Bright petals attract ___.", "insects"),
                            ("Pollen lands on the sticky ___.", "stigma"),
                            ("After pollination, the ovary makes ___.", "seeds")], level=1, skill="recall"))
    items.append(sorting(2, "pollinated by", "Some flowers are pollinated by insects and some by the wind. Which does "
                         "each feature suit? Write <b>insects</b> or <b>wind</b>.", ["insects", "wind"],
                         [("bright, coloured petals", "insects"), ("a sweet smell and nectar", "insects"),
                          ("feathery stigmas that hang outside the flower", "wind"),
                          ("lots of very light, dusty pollen", "wind")], level=3, skill="explain"))
    items.append(sorting(2, "evergreen", "Does each plant keep its leaves all winter? Write <b>evergreen</b> or "
                         "<b>deciduous</b>.", ["evergreen", "deciduous"],
                         [("holly", "evergreen"), ("oak", "deciduous"), ("pine", "evergreen"),
                          ("horse chestnut", "deciduous"), ("ivy", "evergreen")]))
    items.append(picking(2, "pick spores", "Two of the plants in the box make spores, <b>not</b> seeds. Which two?",
                         ["fern", "moss", "daisy", "apple tree", "grass", "tulip"], ["fern", "moss"], 2))
    items.append(picking(2, "pick fruits", "A fruit holds the seeds of a plant. Which three foods in the box are "
                         "fruits?", ["tomato", "apple", "pepper", "carrot", "potato", "lettuce"],
                         ["tomato", "apple", "pepper"], 3, level=3, skill="use"))
    items.append(sentences(2, "plant needs", "Finish the sentences about what a plant needs. Use the words in the "
                           "box.", ["light", "water", "soil", "air"],
                           [("Its leaves need ___ to make food.", "light"),
                            ("Its roots take up ___ to carry to the leaves.", "water"),
                            ("It takes carbon dioxide from the ___.", "air"),
                            ("Its roots grow in ___, which holds them firm.", "soil")], level=1, skill="recall"))
    items.append(sentences(2, "plant life cycle", "Put the life cycle of a flowering plant in order. Use the words in "
                           "the box.", ["seed", "seedling", "flowering plant", "fruit"],
                           [("First, a ___ germinates in the soil.", "seed"),
                            ("It grows into a young plant called a ___.", "seedling"),
                            ("This grows into a ___ that is pollinated.", "flowering plant"),
                            ("Then a ___ forms, with new seeds inside.", "fruit")]))
    return items


def sentences(topic, family, intro, box, rows, level=2, skill="use"):
    """Sentences with a gap each, filled from a box."""
    body = stem(intro) + word_box(box)
    parts = []
    for i, (sentence, word) in enumerate(rows):
        if word not in box:
            raise ValueError("%r is not in the box" % word)
        gap = '<span class="blank">%s</span>' % "(%s)" % letter(i)
        body += lettered(i, rich(sentence).replace("___", gap))
        parts.append(Part(word, "T"))
    body += form("Write one word or words from the box in each answer box.")
    return item(topic, skill, level, SAME_IDEA.get(family, family), (family,), body, parts)


# 3 Life cycles and the body --------------------------------------------------------------------

LIFE_STAGES = {
    "butterfly": ["egg", "caterpillar", "pupa", "butterfly"],
    "frog": ["frogspawn", "tadpole", "froglet", "frog"],
    "chicken": ["egg", "chick", "hen"],
    "cockroach": ["egg case", "nymph", "adult"],
}


def life_cycle_choices(rng):
    items = []
    openings = ["The drawing shows the life cycle of %s. Which stage is labelled X?",
                "Here is %s's life cycle. What is the stage marked X called?",
                "Look at this life cycle of %s. Name the stage labelled X."]
    k = 0
    for animal in sorted(LIFE_STAGES):
        stages = LIFE_STAGES[animal]
        for i, stage in enumerate(stages):
            labels = ["X" if j == i else "" for j in range(len(stages))]
            pool = ["egg", "caterpillar", "pupa", "nymph", "tadpole", "chick", "froglet", "larva", "adult"]
            wrong = [s for s in stages if s != stage] + [w for w in pool if w not in stages]
            wrong = wrong[:3]
            text = rotate(openings, k) % article(animal)
            items.append(choice(rng, 3, "recall", 1, "life cycle picture", ("life stage", animal, stage), text, stage,
                                wrong, [sd.life_cycle(animal, labels)]))
            k += 1
    return items


STAGE_COUNTS = [("butterfly", 4), ("ladybird", 4), ("beetle", 4), ("housefly", 4), ("grasshopper", 3),
                ("cockroach", 3), ("dragonfly", 3)]


def stage_counts(rng):
    items = []
    for animal, count in STAGE_COUNTS:
        items.append(choice(rng, 3, "recall", 1, "stage count", ("stages", animal),
                            "How many stages are there in the life cycle of %s?" % article(animal), str(count),
                            [str(n) for n in (2, 3, 4, 5) if n != count]))
    return items


def organ_choices(rng):
    items = []
    systems = sorted({o[1] for o in bank.ORGANS})
    for organ, system, job in bank.ORGANS:
        verb = "are" if organ in ("lungs", "ribs", "blood vessels", "teeth") else "is"
        text = "The %s %s part of which body system?" % (organ, verb) if system != "skeleton" else \
            "The %s %s part of the ..." % (organ, verb)
        right = ("the " + system)
        wrong = ["the " + s for s in others(rng, systems, [system], 3)]
        items.append(choice(rng, 3, "recall", 1, "organ system", ("system", organ), text, right, wrong))
        text = "%s Which part of the body is this?" % job
        wrong = [o[0] for o in bank.ORGANS if o[0] != organ and o[1] != system]
        items.append(choice(rng, 3, "recall", 1, "organ job", ("job", organ), text, "the " + organ,
                            ["the " + w for w in rng.sample(wrong, 3)]))
    return items


FOODS = [("Chicken", "protein"), ("Lentils", "protein"), ("Fish", "protein"), ("Bread", "carbohydrate"),
         ("Pasta", "carbohydrate"), ("Potato", "carbohydrate"), ("Butter", "fat"), ("Olive oil", "fat"),
         ("An orange", "vitamins"), ("A carrot", "vitamins")]
NUTRIENTS = {"protein": "protein", "carbohydrate": "carbohydrate", "fat": "fat", "vitamins": "vitamins"}


def food_choices(rng):
    items = []
    for food, nutrient in FOODS:
        text = "%s %s mostly a source of ..." % (food, "are" if food == "Lentils" else "is")
        wrong = [n for n in sorted(NUTRIENTS) if n != nutrient]
        items.append(choice(rng, 3, "recall", 1, "food group", ("food", food), text, nutrient, wrong))
    return items


YOUNG = [("sheep", "lamb"), ("cow", "calf"), ("horse", "foal"), ("dog", "puppy"), ("cat", "kitten"),
         ("goat", "kid"), ("kangaroo", "joey"), ("deer", "fawn"), ("duck", "duckling"), ("swan", "cygnet"),
         ("bear", "cub"), ("hen", "chick"), ("frog", "tadpole"), ("butterfly", "caterpillar")]


def young_choices(rng):
    items = []
    youngs = [y for _, y in YOUNG]
    for k, (animal, young) in enumerate(YOUNG):
        if k % 2:
            text = "What is the young of %s called?" % article(animal)
            items.append(choice(rng, 3, "recall", 1, "young", ("young", animal), text, article(young),
                                [article(w) for w in others(rng, youngs, [young], 3)]))
        else:
            text = "%s grows up to become ..." % article(young).capitalize()
            adults = [a for a, _ in YOUNG]
            items.append(choice(rng, 3, "recall", 1, "young", ("young", animal), text, article(animal),
                                [article(w) for w in others(rng, adults, [animal], 3)]))
    return items


def life_cycle_label(rng, animal):
    stages = LIFE_STAGES[animal]
    size = len(stages)
    start = rng.randrange(size)
    order = stages[start:] + stages[:start]
    pic = sd.life_cycle(animal, ["(%s)" % letter(i) for i in range(size)], start)
    intros = {
        "butterfly": "The drawing shows the life cycle of a butterfly, going round in the direction of the arrows.",
        "frog": "Here is the life cycle of a frog. The arrows show the order of the stages.",
        "chicken": "A chicken's life cycle is drawn below. Follow the arrows from one stage to the next.",
        "cockroach": "A cockroach grows up in three stages, shown in this drawing.",
    }
    body = stem(intros[animal]) + figure(0) + para("Name the stages labelled (a) to (%s)." % letter(size - 1)) + word_box(
        sorted(stages)) + form("Write one word or words from the box in each answer box.")
    return item(3, "recall", 1, "life cycle picture", ("life cycle picture", animal), body, [Part(s, "T") for s in order],
                [pic])


def body_structured(rng):
    items = [life_cycle_label(rng, a) for a in sorted(LIFE_STAGES)]
    organs = list(bank.ORGANS)
    rng.shuffle(organs)
    for k, chosen in enumerate((organs[:4], organs[4:8])):
        intro = ["Which part of the body does each job? Use the words in the box.",
                 "Name the organ or bones described in each sentence, using the box."][k]
        items.append(sorting(3, "organ job", intro, sorted(o[0] for o in chosen), [(o[2], o[0]) for o in chosen],
                             note="Write the words from the box in each answer box."))
    items.append(sorting(3, "food groups", "What is each food mostly a source of? Use the words in the box.",
                         ["protein", "carbohydrate", "fat"],
                         [("eggs", "protein"), ("rice", "carbohydrate"), ("butter", "fat"), ("beans", "protein"),
                          ("a potato", "carbohydrate")]))
    items.append(sorting(3, "teeth", "What does each kind of tooth do? Use the words in the box.",
                         ["biting", "tearing", "grinding"],
                         [("incisors at the front", "biting"), ("pointed canines", "tearing"),
                          ("flat molars at the back", "grinding")], level=1, skill="recall"))
    items.append(sorting(3, "young names", "Write the name of the young of each animal. Use the words in the box.",
                         ["cub", "fawn", "foal", "lamb", "joey"],
                         [("a kangaroo", "joey"), ("a sheep", "lamb"), ("a deer", "fawn"), ("a lion", "cub")],
                         level=1, skill="recall"))
    items.append(sentences(3, "human life stages", "Put the stages of a human life in order. Use the words in the box.",
                           ["baby", "child", "teenager", "adult"],
                           [("First, a ___ is born and feeds on milk.", "baby"),
                            ("Next, a ___ learns to walk, talk and go to school.", "child"),
                            ("Then a ___ goes through big changes in the body.", "teenager"),
                            ("Finally, an ___ can have children of their own.", "adult")], level=1, skill="recall"))
    items.append(sentences(3, "heart and lungs", "Finish the sentences about the heart and lungs. Use the words in the "
                           "box.", ["oxygen", "heart", "blood vessels", "carbon dioxide"],
                           [("We breathe in air, and our blood takes in ___ from it.", "oxygen"),
                            ("The ___ pumps the blood all round the body.", "heart"),
                            ("The blood travels through tubes called ___.", "blood vessels"),
                            ("We breathe out a gas called ___.", "carbon dioxide")]))
    items.append(sentences(3, "butterfly stages", "Finish the story of a butterfly's life. Use the words in the box.",
                           ["egg", "caterpillar", "pupa", "butterfly"],
                           [("A butterfly lays an ___ on a leaf.", "egg"),
                            ("A hungry ___ hatches and eats the leaves.", "caterpillar"),
                            ("It hangs up and becomes a ___ inside a hard case.", "pupa"),
                            ("Weeks later a ___ climbs out and dries its wings.", "butterfly")], level=1,
                           skill="recall"))
    items.append(sentences(3, "food journey", "Follow a mouthful of food through the body. Use the words in the box.",
                           ["mouth", "oesophagus", "stomach", "small intestine"],
                           [("Teeth chew the food in the ___.", "mouth"),
                            ("It is swallowed down the ___.", "oesophagus"),
                            ("The ___ churns it with digestive juices.", "stomach"),
                            ("Digested food passes into the blood in the ___.", "small intestine")]))
    items.append(sorting(3, "healthy habits", "Is each habit <b>healthy</b> or <b>unhealthy</b>?",
                         ["healthy", "unhealthy"],
                         [("cycling to school", "healthy"), ("drinking fizzy drinks every day", "unhealthy"),
                          ("brushing teeth twice a day", "healthy"), ("smoking", "unhealthy"),
                          ("sleeping ten hours a night", "healthy")], level=1, skill="recall"))
    items.append(picking(3, "pick bones", "Which three things in the box are bones?",
                         ["skull", "ribs", "spine", "heart", "lungs", "stomach"], ["skull", "ribs", "spine"], 3,
                         level=1, skill="recall"))
    items.append(picking(3, "pick breathing", "Which two parts in the box belong to the respiratory system, which we "
                         "breathe with?", ["lungs", "windpipe", "stomach", "heart", "skull"], ["lungs", "windpipe"], 2))
    more = [
        ("frog stages", "Which three in the box are stages in the life cycle of a frog?",
         ["frogspawn", "tadpole", "froglet"], ["pupa", "caterpillar", "chick", "nymph"], 3),
        ("carbohydrates", "Which two foods in the box are good sources of carbohydrate for energy?",
         ["bread", "pasta"], ["chicken", "butter", "fish", "water"], 2),
        ("healthy", "Which three things in the box help to keep our bodies healthy?",
         ["exercise", "sleep", "fruit"], ["smoking", "sweets", "crisps"], 3),
        ("nymph", "Which two animals in the box have a nymph stage in their life cycle?",
         ["cockroach", "grasshopper", "dragonfly"], ["butterfly", "frog", "chicken", "beetle"], 2),
    ]
    for name, text, right, wrong, count in more:
        items.append(picking(3, "pick " + name, text, right + wrong, right, count))
    items.append(picking(3, "pick protein", "Which three foods in the box are rich in protein?",
                         ["fish", "eggs", "beans", "apples", "sugar", "lettuce", "rice"], ["fish", "eggs", "beans"], 3))
    items.append(picking(3, "pick pupa", "Which two animals in the box have a pupa stage in their life cycle?",
                         ["butterfly", "ladybird", "frog", "grasshopper", "chicken", "cockroach"],
                         ["butterfly", "ladybird"], 2))
    items.append(picking(3, "pick digestive", "Which three of these belong to the digestive system?",
                         ["stomach", "small intestine", "oesophagus", "lungs", "heart", "skull", "windpipe"],
                         ["stomach", "small intestine", "oesophagus"], 3))
    items.append(picking(3, "pick mammals young", "Which two animals in the box feed their young on milk?",
                         ["whale", "goat", "penguin", "salmon", "frog", "ostrich"], ["whale", "goat"], 2))
    return items


# 4 Materials and matter ----------------------------------------------------------------------

STATE_WORDS = {"solid": bank.SOLIDS, "liquid": bank.LIQUIDS, "gas": bank.GASES}


def state_choices(rng):
    items = []
    openings = {"solid": "Which of these is a solid at room temperature?",
                "liquid": "One of these is a liquid at room temperature. Which one?",
                "gas": "Kofi sorted some materials into solids, liquids and gases. Which of these did he put with the "
                       "gases?"}
    for state in sorted(STATE_WORDS):
        for right in rng.sample(STATE_WORDS[state], 4):
            items.append(choice(rng, 4, "use", 2, "state", ("state", right), openings[state], right,
                                state_distractors(rng, state)))
    return items


def state_distractors(rng, state):
    """Three wrong choices for a question on `state`: both other states among
    them, and no two that name the same stuff ("air", "the air in a tyre")."""
    others = [s for s in sorted(STATE_WORDS) if s != state]
    pools = {s: [x for x in STATE_WORDS[s] if x not in ("steam", "ice", "water vapour")] for s in others}
    while True:
        wrong = [rng.choice(pools[others[0]]), rng.choice(pools[others[1]])]
        wrong.append(rng.choice([x for s in others for x in pools[s] if x not in wrong]))
        words = [set(w.split()) - {"a", "an", "the", "in"} for w in wrong]
        if all(not (words[i] & words[j]) for i in range(3) for j in range(i + 1, 3)):
            return wrong


# Objects sorted in the sorting questions, each once in the course.
SORTED_MAGNETIC = ["iron key", "aluminium can", "steel scissors", "cork", "brass key"]
SORTED_CONDUCTORS = [["gold ring", "wooden spoon", "steel pin", "rubber band", "aluminium foil", "clay pot"],
                     ["glass marble", "iron nail", "paper cup", "leather belt", "copper wire"]]
SORTED_BOTH = ["steel paper clip", "cotton sock", "steel spoon", "wool scarf", "plastic comb"]


def objects_named(names):
    return [next(o for o in bank.OBJECTS if o[0] == n) for n in names]


MAGNETIC = [o for o in bank.OBJECTS if o[2]]
NOT_MAGNETIC = [o for o in bank.OBJECTS if not o[2]]
METALS_NOT_MAGNETIC = [o for o in NOT_MAGNETIC if o[3]]
CONDUCTING = [o for o in bank.OBJECTS if o[3]]
NOT_CONDUCTING = [o for o in bank.OBJECTS if not o[3]]


def magnet_choices(rng, topic):
    """Which object a magnet attracts; topic 4 asks about materials, topic 6 about magnets."""
    items = []
    rights = list(MAGNETIC) if topic == 4 else []
    if topic == 4:
        for obj in rights:
            wrong = [o[0] for o in rng.sample(METALS_NOT_MAGNETIC, 2) + rng.sample(
                [o for o in NOT_MAGNETIC if not o[3]], 1)]
            items.append(choice(rng, 4, "use", 2, "magnetic object", ("magnetic", obj[0]),
                                "Which of these objects is made of a magnetic material?", obj[0], wrong))
    else:
        for obj in METALS_NOT_MAGNETIC:
            wrong = [o[0] for o in rng.sample(MAGNETIC, 3)]
            items.append(choice(rng, 6, "use", 2, "magnet object", ("magnetic", obj[0]),
                                "A magnet is held near each of these objects. Which one will it <b>not</b> pull "
                                "towards it?", obj[0], wrong))
    return items


CHANGES_REVERSIBLE = ["melting ice", "freezing water", "melting chocolate", "dissolving salt in water",
                      "boiling water into steam", "melting butter"]
CHANGES_FOR_GOOD = ["burning a match", "baking a cake", "frying an egg", "an iron nail rusting", "toasting bread",
                    "milk going sour"]


def change_choices(rng):
    items = []
    for right in CHANGES_FOR_GOOD:
        items.append(choice(rng, 4, "use", 2, "change", ("change", right),
                            "Which of these changes <b>cannot</b> be reversed?", right,
                            rng.sample(CHANGES_REVERSIBLE, 3)))
    for right in CHANGES_REVERSIBLE[:4]:
        items.append(choice(rng, 4, "use", 2, "change", ("change", right),
                            "Which of these changes can be reversed, so that you get the material back?", right,
                            rng.sample(CHANGES_FOR_GOOD, 3)))
    return items


SEPARATING = [("gravel and water", "pour them through a sieve"), ("marbles and sand", "use a sieve"),
              ("steel pins and sawdust", "use a magnet"), ("sugar and water", "let the water evaporate"),
              ("chalk dust and water", "pour them through filter paper"), ("paper clips and rice", "use a magnet")]
METHODS = ["use a sieve", "use a magnet", "let the water evaporate", "pour them through filter paper"]


def separating_choices(rng):
    items = []
    for mixture, method in SEPARATING:
        text = "What is the best way to separate a mixture of %s?" % mixture
        base = method if method in METHODS else ("use a sieve" if "sieve" in method else method)
        wrong = [m for m in METHODS if m != base]
        items.append(choice(rng, 4, "use", 2, "separating", ("separate", mixture), text, method, rng.sample(wrong, 3)))
    return items


MATERIAL_FOR = [("a spoon for stirring hot soup", "wood", ["steel", "glass", "paper"]),
                ("a bucket for carrying water", "plastic", ["cardboard", "cotton", "wool"]),
                ("a rope for a swing", "nylon", ["paper", "glass", "clay"]),
                ("the filling of a soft pillow", "feathers", ["sand", "gravel", "steel wool"]),
                ("wellington boots", "rubber", ["cotton", "paper", "wool"]),
                ("a frying pan", "iron", ["plastic", "wood", "glass"]),
                ("the roof tiles of a house", "slate", ["cardboard", "wool", "paper"]),
                ("a warm winter hat", "wool", ["glass", "steel", "paper"]),
                ("a drinking straw", "plastic", ["steel wool", "cotton", "clay"]),
                ("a picture frame's cover", "glass", ["wood", "brick", "cardboard"])]
PROPERTY_WORDS = [("A sponge soaks up spilt water.", "absorbent"),
                  ("An elastic band stretches and then springs back.", "elastic"),
                  ("You can see clearly through a window pane.", "transparent"),
                  ("A steel bar does not bend when you push it.", "rigid"),
                  ("A plastic raincoat keeps the rain out.", "waterproof"),
                  ("A wet bar of soap slips out of your hand.", "slippery")]


def material_choices(rng):
    items = []
    for thing, right, wrong in MATERIAL_FOR:
        items.append(choice(rng, 4, "use", 2, "material choice", ("material for", thing),
                            "Which material would be best for %s?" % thing, right, wrong))
    words_ = [w for _, w in PROPERTY_WORDS]
    for sentence, word in PROPERTY_WORDS:
        items.append(choice(rng, 4, "use", 2, "property word", ("property", word),
                            "%s Which word describes the material?" % sentence, word, others(rng, words_, [word], 3)))
    return items


TEMPERATURES = [("boiling water", "100 \u00b0C"), ("the inside of your body", "37 \u00b0C"),
                ("melting ice", "0 \u00b0C"), ("a warm classroom", "20 \u00b0C"), ("a freezer", "-18 \u00b0C")]


def temperature_choices(rng):
    items = []
    values = [v for _, v in TEMPERATURES]
    for thing, value in TEMPERATURES:
        items.append(choice(rng, 5, "recall", 1, "temperatures", ("temperature", thing),
                            "About what temperature is %s?" % thing, value, others(rng, values, [value], 3)))
    return items


def particle_choices(rng):
    items = []
    for state in ("solid", "liquid", "gas"):
        order = rng.sample(["solid", "liquid", "gas"], 3)
        right = "box %s" % "PQR"[order.index(state)]
        wrong = [b for b in ["box P", "box Q", "box R", "none of the boxes"] if b != right]
        items.append(choice(rng, 4, "recall", 1, "particles", ("particles", state),
                            "The boxes show how the particles are arranged in a solid, a liquid and a gas. Which box "
                            "shows a %s?" % state, right, wrong, [sd.particle_boxes(order)]))
    return items


def materials_structured(rng):
    items = []
    states = [(x, "solid") for x in bank.SOLIDS] + [(x, "liquid") for x in bank.LIQUIDS] + [
        (x, "gas") for x in bank.GASES]
    rng.shuffle(states)
    intros = ["Is each of these a solid, a liquid or a gas at room temperature?",
              "Lina sorted things from her kitchen. Write <b>solid</b>, <b>liquid</b> or <b>gas</b> for each.",
              "Decide whether each material is a solid, a liquid or a gas. Use the words in the box."]
    for k, size in enumerate((5, 4, 6)):
        chosen, states = states[:size], states[size:]
        items.append(sorting(4, "sort states", intros[k], ["solid", "liquid", "gas"], chosen, level=1, skill="recall"))
    items.append(sorting(4, "sort magnetic", "Will a magnet attract each object? Write <b>magnetic</b> or "
                         "<b>non-magnetic</b>.", ["magnetic", "non-magnetic"],
                         [(o[0], "magnetic" if o[2] else "non-magnetic") for o in objects_named(SORTED_MAGNETIC)]))
    changes = [("Ice cream left in the sun turns runny.", "melting"), ("Water in the freezer turns into ice.",
                                                                        "freezing"),
               ("A puddle dries up on a sunny day.", "evaporating"), ("Drops of water form on a cold window.",
                                                                      "condensing"),
               ("Chocolate in a warm hand turns soft and runny.", "melting"),
               ("Melted candle wax drips and turns hard again.", "freezing"),
               ("Steam from a kettle turns to water on a cold tile.", "condensing"),
               ("Wet paint on a wall becomes dry.", "evaporating")]
    box = ["condensing", "evaporating", "freezing", "melting"]
    for k, pick in enumerate(([0, 1, 2, 3], [4, 5, 6, 7])):
        intro = ["Name the change of state in each sentence. Use the words in the box.",
                 "Each sentence describes a change of state. Write its name from the box."][k]
        items.append(sorting(4, "changes of state", intro, box, [changes[i] for i in pick]))
    items.append(sorting(4, "reversible", "Can each change be reversed? Write <b>reversible</b> or "
                         "<b>irreversible</b>.", ["reversible", "irreversible"],
                         [("burning wood", "irreversible"), ("melting wax", "reversible"),
                          ("cooking an egg", "irreversible"), ("freezing orange juice", "reversible")]))
    items.append(sorting(4, "natural", "Is each material <b>natural</b> or <b>man-made</b>?", ["natural", "man-made"],
                         [("cotton", "natural"), ("nylon", "man-made"), ("wood", "natural"), ("plastic", "man-made"),
                          ("wool", "natural")], level=1, skill="recall"))
    items.append(sorting(4, "separating", "Which method would separate each mixture? Use the words in the box.",
                         ["sieving", "filtering", "evaporating", "magnet"],
                         [("rice and flour", "sieving"), ("sand and water", "filtering"), ("salt and water",
                                                                                           "evaporating"),
                          ("iron filings and sand", "magnet")], level=2))
    items.append(sentences(4, "material choice", "Each object is made of the best material for its job. Use the words "
                           "in the box.", ["glass", "rubber", "wool", "steel"],
                           [("A window is made of ___ because it is transparent.", "glass"),
                            ("A warm jumper is made of ___ because it traps air.", "wool"),
                            ("A car tyre is made of ___ because it is tough and flexible.", "rubber"),
                            ("A bridge is made of ___ because it is very strong.", "steel")]))
    items.append(sorting(4, "rocks", "Does water soak into each rock? Write <b>permeable</b> or <b>impermeable</b>.",
                         ["permeable", "impermeable"],
                         [("chalk", "permeable"), ("granite", "impermeable"), ("sandstone", "permeable"),
                          ("slate", "impermeable")], level=2))
    items.append(sorting(4, "flexible", "Will each object bend easily? Write <b>flexible</b> or <b>rigid</b>.",
                         ["flexible", "rigid"],
                         [("a rubber glove", "flexible"), ("a brick", "rigid"), ("a woollen scarf", "flexible"),
                          ("a glass bottle", "rigid"), ("a sheet of paper", "flexible")], level=1, skill="recall"))
    items.append(sentences(4, "particles", "Finish the sentences about particles. Use the words in the box.",
                           ["solid", "liquid", "gas", "heat"],
                           [("In a ___ the particles are packed tightly in rows.", "solid"),
                            ("In a ___ the particles touch but can slide past each other.", "liquid"),
                            ("In a ___ the particles are far apart and move fast.", "gas"),
                            ("Adding ___ makes the particles move faster.", "heat")]))
    items.append(picking(4, "pick metals", "Which three materials in the box are metals?",
                         ["copper", "iron", "aluminium", "glass", "plastic", "wood", "clay"],
                         ["copper", "iron", "aluminium"], 3, level=1, skill="recall"))
    items.append(picking(4, "pick gases", "Which two of the things in the box are gases?",
                         ["oxygen", "helium", "oil", "sugar", "ice"], ["oxygen", "helium"], 2))
    more = [
        ("solids", "Which three things in the box are solids at room temperature?", ["sand", "salt", "wood"],
         ["milk", "steam", "oil", "air"], 3),
        ("reversible", "Which three changes in the box can be reversed?", ["melting", "freezing", "dissolving"],
         ["burning", "rusting", "baking", "cooking"], 3),
        ("absorbent", "Which two materials in the box are absorbent?", ["sponge", "paper towel"],
         ["plastic", "glass", "steel", "foil"], 2),
        ("natural", "Which three materials in the box are natural?", ["wool", "wood", "cotton", "stone"],
         ["plastic", "nylon", "glass"], 3),
    ]
    for name, text, right, wrong, count in more:
        items.append(picking(4, "pick " + name, text, right + wrong, right, count))
    items.append(picking(4, "pick liquids", "Which three of the things in the box are liquids?",
                         ["milk", "honey", "vinegar", "salt", "sand", "steam", "wood"], ["milk", "honey", "vinegar"],
                         3, level=1, skill="recall"))
    items.append(picking(4, "pick irreversible", "Which two changes in the box make new materials and cannot be "
                         "reversed?", ["burning", "rusting", "melting", "freezing", "dissolving"],
                         ["burning", "rusting"], 2))
    items.append(picking(4, "pick dissolve", "Dev stirred each solid in the box into water. Which three dissolved?",
                         ["salt", "sugar", "coffee granules", "sand", "chalk", "pebbles"],
                         ["salt", "sugar", "coffee granules"], 3))
    items.append(picking(4, "pick waterproof", "Which two materials in the box are waterproof?",
                         ["plastic", "rubber", "paper", "cotton", "wool"], ["plastic", "rubber"], 2))
    return items


# 5 Water, heat and light --------------------------------------------------------------------

LIGHT_WORDS = {"transparent": bank.TRANSPARENT, "translucent": bank.TRANSLUCENT, "opaque": bank.OPAQUE}


def light_choices(rng):
    items = []
    for kind in sorted(LIGHT_WORDS):
        for thing in LIGHT_WORDS[kind]:
            text = "How much light can pass through %s? Choose the word that describes it." % thing
            wrong = [w for w in ("transparent", "translucent", "opaque", "luminous") if w != kind]
            items.append(choice(rng, 5, "use", 2, "light word", ("light", thing), text, kind, wrong))
    return items


def thermometer_choices(rng):
    items = []
    values = rng.sample(range(-2, 23), 8)
    for value in values:
        value *= 2
        wrong = rng.sample(sorted({value + 2, value - 2, value + 10, value - 10} - {value}), 3)
        items.append(choice(rng, 5, "use", 2, "thermometer", ("thermometer", value),
                            "What temperature does the thermometer show?", "%d \u00b0C" % value,
                            ["%d \u00b0C" % w for w in wrong], [sd.thermometer(value)]))
    return items


def water_cycle_choices(rng):
    items = []
    for name in ("evaporation", "condensation", "precipitation"):
        wrong = [n for n in ("evaporation", "condensation", "precipitation", "freezing") if n != name]
        items.append(choice(rng, 5, "recall", 1, "water cycle", ("water cycle", name),
                            "Which process of the water cycle is labelled X?", name, wrong,
                            [sd.water_cycle({name: "X"})]))
    return items


def heat_choices(rng):
    items = []
    for right in bank.HEAT_CONDUCTORS:
        items.append(choice(rng, 5, "use", 2, "heat", ("heat", right),
                            "Which of these materials lets heat pass through it most easily?", right,
                            rng.sample(bank.HEAT_INSULATORS, 3)))
    for right in bank.HEAT_INSULATORS[:5]:
        items.append(choice(rng, 5, "use", 2, "heat", ("heat", right),
                            "A cook needs a material that is a poor conductor of heat. Which one should she choose?",
                            right, rng.sample(bank.HEAT_CONDUCTORS, 3)))
    return items


LIGHT_SOURCES = ["a candle flame", "a lit torch", "a street lamp", "a flash of lightning", "a bonfire"]
NOT_SOURCES = ["the Moon", "a mirror", "a shiny spoon", "a reflective strip", "a window", "a white wall"]


def source_choices(rng):
    items = []
    for right in LIGHT_SOURCES:
        items.append(choice(rng, 5, "use", 2, "light source", ("source", right),
                            "Which of these gives out its own light?", right, rng.sample(NOT_SOURCES, 3)))
    return items


def thermometer_numbers(rng):
    items = []
    for value in (18, 34):
        body = stem("Read the thermometer. What temperature does it show?") + figure(0) + answer_line(None, "&deg;C")
        items.append(item(5, "use", 2, "thermometer", ("thermometer", value), body, [Part(str(value), "N")],
                          [sd.thermometer(value)]))
    top, major, minor, level = 100, 10, 2, 64
    body = stem("Kenji poured some water into a measuring cylinder. How much water is in it?") + figure(0) + answer_line(
        None, "ml")
    items.append(item(5, "use", 2, "cylinder", ("cylinder",), body, [Part(str(level), "N")],
                      [measuring_cylinder(level, top, major, minor)]))
    return items


def light_structured(rng):
    items = []
    names = ["evaporation", "condensation", "precipitation"]
    order = rng.sample(names, 3)
    pic = sd.water_cycle({n: "(%s)" % letter(i) for i, n in enumerate(order)})
    body = stem("The drawing shows the water cycle. Name the processes labelled (a), (b) and (c).") + figure(
        0) + word_box(sorted(names + ["freezing"])) + form("Write one word from the box in each answer box.")
    items.append(item(5, "recall", 1, "water cycle", ("water cycle label",), body, [Part(n, "T") for n in order],
                      [pic]))
    things = [(x, k) for k in sorted(LIGHT_WORDS) for x in LIGHT_WORDS[k]]
    rng.shuffle(things)
    for k, size in enumerate((6, 5, 5)):
        chosen, things = things[:size], things[size:]
        intro = ["How much light passes through each material? Use the words in the box.",
                 "Carmen tested materials for a lampshade. Write <b>transparent</b>, <b>translucent</b> or "
                 "<b>opaque</b> for each.",
                 "Sort these materials by how much light they let through. Use the words in the box."][k]
        items.append(sorting(5, "sort light", intro, ["transparent", "translucent", "opaque"], chosen))
    items.append(shadow_question(rng))
    items.append(sentences(5, "water cycle words", "Finish the sentences about the water cycle. Use the words in the "
                           "box.", ["evaporates", "condenses", "falls", "flows"],
                           [("The Sun warms the sea and the water ___.", "evaporates"),
                            ("High in the cold air, the water vapour ___ into clouds.", "condenses"),
                            ("Rain ___ from the clouds onto the hills.", "falls"),
                            ("The water ___ back to the sea in rivers.", "flows")]))
    items.append(sentences(5, "seeing words", "Finish the sentences about how we see. Use the words in the box.",
                           ["source", "reflects", "eyes", "straight"],
                           [("A lamp is a light ___.", "source"),
                            ("Light travels in ___ lines.", "straight"),
                            ("A book ___ some of the light that falls on it.", "reflects"),
                            ("We see the book when that light enters our ___.", "eyes")]))
    items.append(sorting(5, "evaporation or condensation", "Is each of these caused by <b>evaporation</b> or by "
                         "<b>condensation</b>?", ["evaporation", "condensation"],
                         [("Breath makes a cold window misty.", "condensation"),
                          ("Washing dries on the line.", "evaporation"),
                          ("Dew forms on the grass at night.", "condensation"),
                          ("The water level in a fish tank slowly drops.", "evaporation"),
                          ("A wet playground dries after the rain.", "evaporation")], level=2, skill="explain"))
    items.append(sentences(5, "keeping warm", "Finish the sentences about keeping things hot or cold. Use the words "
                           "in the box.", ["insulator", "conductor", "air", "lid"],
                           [("A woolly hat keeps you warm because wool is a good ___.", "insulator"),
                            ("A metal spoon in hot tea warms up because metal is a good ___.", "conductor"),
                            ("A duvet is warm because it traps lots of ___.", "air"),
                            ("Putting a ___ on a pan keeps the heat in.", "lid")], level=2, skill="explain"))
    items.append(sentences(5, "temperature words", "Finish the sentences about temperature. Use the words in the box.",
                           ["thermometer", "degrees Celsius", "freezes", "boils"],
                           [("We measure temperature with a ___.", "thermometer"),
                            ("Temperature is measured in ___.", "degrees Celsius"),
                            ("Pure water ___ at 0 \u00b0C.", "freezes"),
                            ("Pure water ___ at 100 \u00b0C.", "boils")], level=1, skill="recall"))
    items.append(sorting(5, "source or reflector", "Does each give out its own light, or only reflect light? Write "
                         "<b>source</b> or <b>reflector</b>.", ["source", "reflector"],
                         [("the Sun", "source"), ("the Moon", "reflector"), ("a candle flame", "source"),
                          ("a mirror", "reflector"), ("a cat's eyes", "reflector")], level=2))
    items.append(sorting(5, "heat sort", "Would each material let heat pass easily? Write <b>conductor</b> or "
                         "<b>insulator</b>.", ["conductor", "insulator"],
                         [("copper", "conductor"), ("felt", "insulator"), ("steel", "conductor"), ("cork", "insulator"),
                          ("aluminium", "conductor")]))
    items.append(sentences(5, "shadow words", "Finish the sentences about shadows. Use the words in the box.",
                           ["opaque", "blocks", "longer", "shorter"],
                           [("A shadow forms when an ___ object is in the way of light.", "opaque"),
                            ("The object ___ the light, so a dark patch forms behind it.", "blocks"),
                            ("Late in the afternoon, shadows become ___.", "longer"),
                            ("At midday, when the Sun is high, shadows are ___.", "shorter")], level=2, skill="explain"))
    items.append(picking(5, "pick drying", "Which three things in the box help wet washing to dry quickly?",
                         ["wind", "warmth", "sunshine", "rain", "fog", "cold"], ["sunshine", "warmth", "wind"], 3,
                         level=2, skill="use"))
    more = [
        ("opaque", "Which three materials in the box are opaque?", ["brick", "wood", "cardboard"],
         ["clear glass", "cling film", "tracing paper", "water"], 3),
        ("heat conductors", "Which two materials in the box are good conductors of heat?", ["copper", "steel"],
         ["wool", "cork", "wood", "plastic"], 2),
        ("reflectors", "Which three things in the box reflect light well?", ["mirror", "shiny foil", "still water"],
         ["black cloth", "brick", "carpet", "coal"], 3),
        ("water cycle", "Which three processes in the box are part of the water cycle?",
         ["evaporation", "condensation", "precipitation"], ["rusting", "burning", "magnetism"], 3),
    ]
    for name, text, right, wrong, count in more:
        items.append(picking(5, "pick " + name, text, right + wrong, right, count))
    items.append(picking(5, "pick insulators", "Which three materials in the box are good thermal insulators?",
                         ["wool", "cork", "polystyrene", "copper", "steel", "aluminium", "silver"],
                         ["wool", "cork", "polystyrene"], 3))
    items.append(picking(5, "pick sources", "Which two things in the box are light sources?",
                         ["Sun", "candle", "Moon", "mirror", "window"], ["Sun", "candle"], 2, level=2))
    items.append(picking(5, "pick precipitation", "Which three in the box are kinds of precipitation?",
                         ["rain", "snow", "hail", "fog", "dew", "steam"], ["rain", "snow", "hail"], 3, level=1,
                         skill="recall"))
    items.append(picking(5, "pick transparent", "Which two materials in the box are transparent?",
                         ["clear glass", "cling film", "tracing paper", "cardboard", "foil"],
                         ["clear glass", "cling film"], 2))
    for item_ in thermometer_numbers(rng):
        items.append(item_)
    return items


def shadow_question(rng):
    pic = sd.shadow()
    body = instruction(CHOOSE_IN_PARTS) + stem("Lily shines a torch at a ball in front of a screen.") + figure(0)
    html, first = box_part(0, "What is the dark patch X on the screen called? Write <b>shadow</b> or <b>reflection</b>.",
                           "shadow", note="Write one word.")
    body += html
    html, second = choice_part(rng, 1, "Lily moves the ball closer to the torch. What will happen to the dark patch?",
                               "It becomes bigger.", ["It becomes smaller.", "It stays the same size.",
                                                      "It disappears."], mark=2)
    body += html
    return item(5, "predict", 3, "shadows", ("shadow",), body, [first, second], [pic])


# 6 Electricity and magnets --------------------------------------------------------------------


def conductor_choices(rng):
    items = []
    for k, obj in enumerate(bank.OBJECTS):
        if obj[3]:
            text = ["Which of these objects lets electricity pass through it?",
                    "Joel put each object into the gap in a circuit. Which one made the bulb light?"][k % 2]
            wrong = [o[0] for o in rng.sample(NOT_CONDUCTING, 3)]
            family = "conductor"
        else:
            text = ["Which of these objects is an electrical insulator?",
                    "Electricity cannot flow through one of these objects. Which one?"][k % 2]
            wrong = [o[0] for o in rng.sample(CONDUCTING, 3)]
            family = "conductor"
        items.append(choice(rng, 6, "use", 2, family, ("conduct", obj[0]), text, obj[0], wrong))
    return items


FACING = {("N", "S"): "They attract.", ("S", "N"): "They attract.", ("N", "N"): "They repel.",
          ("S", "S"): "They repel."}


def magnet_pair_choices(rng):
    items = []
    for left in "NS":
        for right in "NS":
            facing = "S" if left == "N" else "N"  # the right-hand end of the left magnet
            answer = FACING[(facing, right)]
            wrong = [w for w in ["They attract.", "They repel.", "Nothing happens.", "They both spin round."]
                     if w != answer]
            items.append(choice(rng, 6, "use", 2, "magnet picture", ("pair", left, right),
                                "Two bar magnets are pushed end to end, as in the drawing. What will happen?",
                                answer, wrong, [sd.magnet_pairs([(left, right)])]))
    return items


CIRCUIT_NAMES = "PQRS"
GAP_OBJECTS = [("iron nail", True), ("copper coin", True), ("steel spoon", True), ("foil strip", True),
               ("plastic ruler", False), ("rubber band", False), ("wooden stick", False), ("paper strip", False)]


def lit(panel):
    _, kind, obj = panel
    return kind == "closed" or (kind == "gap" and obj[1])


def circuit_layouts(rng, count, lit_count, extra=None):
    layouts = []
    seen = set()
    for _ in range(2000):
        if len(layouts) == count:
            break
        panels = []
        for name in CIRCUIT_NAMES:
            kind = rng.choice(["closed", "open switch", "gap", "gap", "no battery"])
            panels.append((name, kind, rng.choice(GAP_OBJECTS) if kind == "gap" else None))
        key = tuple((k, o) for _, k, o in panels)
        if key in seen or sum(map(lit, panels)) != lit_count:
            continue
        if extra and not extra(panels):
            continue
        seen.add(key)
        layouts.append(panels)
    return layouts


def circuit_choices(rng):
    items = []
    for k, panels in enumerate(circuit_layouts(rng, 6, 1)):
        right = [p[0] for p in panels if lit(p)][0]
        items.append(choice(rng, 6, "use", 2, "circuit picture", ("circuit", k),
                            "Look at the four circuits. In which circuit will the bulb light up?", "circuit " + right,
                            ["circuit " + n for n in CIRCUIT_NAMES if n != right], [sd.circuits_picture(panels)]))
    return items


COMPONENTS = [("a buzzer", "It makes a sound when electricity flows."),
              ("a motor", "It turns round when electricity flows."),
              ("a bulb", "It gives out light when electricity flows."),
              ("a wire", "It joins the parts so that electricity can flow between them.")]
APPLIANCES = [("a toaster", "heat"), ("a lamp", "light"), ("an electric fan", "movement"), ("a radio", "sound"),
              ("a doorbell", "sound"), ("a kettle", "heat"), ("a food mixer", "movement")]


def component_choices(rng):
    items = []
    jobs = [j for _, j in COMPONENTS]
    for name, job in COMPONENTS:
        items.append(choice(rng, 6, "recall", 1, "circuit parts", ("component", name),
                            "What does %s do in a circuit?" % name, job, others(rng, jobs, [job], 3)))
    for name, use in APPLIANCES:
        items.append(choice(rng, 6, "use", 2, "appliance", ("appliance", name),
                            "%s uses electricity. What does it mainly give out?" % name.capitalize(), use,
                            [u for u in ("heat", "light", "movement", "sound") if u != use]))
    return items


def circuits_question(rng, k, panels):
    pic = sd.circuits_picture(panels)
    lit_names = [p[0] for p in panels if lit(p)]
    open_switch = [p[0] for p in panels if p[1] == "open switch"][0]
    body = stem("Look at the four circuits, P, Q, R and S. Each has a bulb.") + figure(0)
    body += lettered(0, "In which <b>two</b> circuits will the bulb light up? Write their letters.", 2)
    body += group_prompt(0, 2)
    body += lettered(2, "Which circuit has an open switch? Write its letter.") + answer_line(2)
    parts = group_parts(lit_names, 2) + [Part(open_switch, "T")]
    return item(6, "use", 2, "circuit picture", ("circuits", k), body, parts, [pic])


def circuit_lights(k, panels):
    """Will the bulb light in each of the four circuits?"""
    pic = sd.circuits_picture(panels)
    intro = ["Will the bulb light in each circuit? Write <b>yes</b> or <b>no</b>.",
             "Dev drew four circuits. For each one, write <b>yes</b> if its bulb will light and <b>no</b> if it will "
             "<b>not</b>."][k]
    body = stem(intro) + figure(0)
    parts = []
    for i, panel in enumerate(panels):
        body += lettered(i, "circuit <b>%s</b>" % panel[0])
        parts.append(Part("yes" if lit(panel) else "no", "T"))
    body += form("Write yes or no in each answer box.")
    return item(6, "use", 2, "circuit picture", ("circuit lights", k), body, parts, [pic])


def magnets_question(rng, k, size):
    pairs = [(rng.choice("NS"), rng.choice("NS")) for _ in range(size)]
    labels = ["(%s)" % letter(i) for i in range(size)]
    pic = sd.magnet_pairs(pairs, labels)
    intro = ["Two bar magnets are placed end to end in each row. Will they <b>attract</b> or <b>repel</b> each other?",
             "Each row of the drawing shows two magnets about to meet. Write <b>attract</b> or <b>repel</b> for each "
             "row.",
             "Omar slides two magnets towards each other in each row of the drawing. Do they <b>attract</b> or "
             "<b>repel</b>?"][k]
    body = stem(intro) + figure(0) + form("Write attract or repel for each row, (a) to (%s)." % letter(size - 1))
    parts = []
    for a, b in pairs:
        facing = "S" if a == "N" else "N"
        parts.append(Part("repel" if facing == b else "attract", "T"))
    return item(6, "use", 2, "magnet picture", ("magnets", k), body, parts, [pic])


def electricity_structured(rng):
    items = []
    layouts = circuit_layouts(rng, 3, 2, extra=lambda ps: sum(p[1] == "open switch" for p in ps) == 1)
    for k, panels in enumerate(layouts):
        items.append(circuits_question(rng, k, panels))
    items.append(magnets_question(rng, 0, 4))
    items.append(magnets_question(rng, 1, 3))
    for k, names in enumerate(SORTED_CONDUCTORS):
        intro = ["Does each object let electricity pass through it? Write <b>conductor</b> or <b>insulator</b>.",
                 "Kenji tested these objects in a circuit. Write <b>conductor</b> or <b>insulator</b> for each "
                 "one."][k]
        items.append(sorting(6, "sort conductors", intro, ["conductor", "insulator"],
                             [(o[0], "conductor" if o[3] else "insulator") for o in objects_named(names)]))
    items.append(sorting(6, "mains or cells", "Does each of these usually run on <b>mains</b> electricity or on "
                         "<b>cells</b>?", ["mains", "cells"],
                         [("a washing machine", "mains"), ("a torch", "cells"), ("a fridge", "mains"),
                          ("a remote control", "cells"), ("a cooker", "mains")], level=1, skill="recall"))
    items.append(sorting(6, "appliance energy", "What does each appliance mainly give out? Use the words in the box.",
                         ["heat", "light", "movement", "sound"],
                         [("a hairdryer's heater", "heat"), ("a ceiling light", "light"), ("a washing machine drum",
                                                                                           "movement"),
                          ("a loudspeaker", "sound")]))
    items.append(sentences(6, "circuit words", "Finish the sentences about a circuit. Use the words in the box.",
                           ["cell", "complete", "switch", "wires"],
                           [("The ___ pushes electricity round the circuit.", "cell"),
                            ("The parts are joined by ___.", "wires"),
                            ("A bulb lights only if the circuit is ___.", "complete"),
                            ("A ___ can break the circuit to turn the bulb off.", "switch")]))
    for k, panels in enumerate(circuit_layouts(rng, 2, 2)):
        items.append(circuit_lights(k, panels))
    items.append(sorting(6, "both properties", "Is each object magnetic, does it conduct electricity, or both? Use "
                         "the words in the box.", ["both", "conductor only", "neither"],
                         [(o[0], "both" if o[2] else "conductor only" if o[3] else "neither")
                          for o in objects_named(SORTED_BOTH)], level=3, skill="use"))
    items.append(sentences(6, "torch words", "Finish the sentences about how a torch works. Use the words in the box.",
                           ["cells", "switch", "bulb", "circuit", "case"],
                           [("The ___ push electricity round the torch.", "cells"),
                            ("Pressing the ___ closes the gap.", "switch"),
                            ("Now the ___ is complete.", "circuit"),
                            ("Electricity flows through the ___, which lights up.", "bulb"),
                            ("The plastic ___ keeps the electricity in.", "case")], level=2, skill="explain"))
    items.append(magnets_question(rng, 2, 5))
    items.append(sentences(6, "magnet words", "Finish the sentences about magnets. Use the words in the box.",
                           ["attract", "repel", "poles", "iron"],
                           [("The ends of a magnet are called its ___.", "poles"),
                            ("A north pole and a south pole ___ each other.", "attract"),
                            ("Two north poles ___ each other.", "repel"),
                            ("A magnet picks up things made of ___ or steel.", "iron")], level=1, skill="recall"))
    items.append(sorting(6, "safety", "Is each of these <b>safe</b> or <b>unsafe</b> with electricity?",
                         ["safe", "unsafe"],
                         [("flying a kite near power lines", "unsafe"), ("using a cell to light a bulb", "safe"),
                          ("touching a switch with wet hands", "unsafe"), ("pulling a plug out by its cable",
                                                                           "unsafe"),
                          ("asking an adult to change a fuse", "safe")], level=2, skill="use"))
    items.append(picking(6, "pick sound", "Which two things in the box use electricity to make sound?",
                         ["radio", "doorbell", "toaster", "lamp", "fan"], ["radio", "doorbell"], 2))
    more = [
        ("circuit parts", "Ravi wants to light a bulb. Which three things in the box must he join in a circuit?",
         ["cell", "bulb", "wires"], ["magnet", "compass", "thermometer", "mirror"], 3),
        ("magnetic metals", "Which two metals in the box are magnetic?", ["iron", "nickel"],
         ["copper", "aluminium", "gold", "silver"], 2),
        ("mains", "Which three appliances in the box usually run on mains electricity?",
         ["cooker", "fridge", "washing machine"], ["torch", "calculator", "remote control"], 3),
        ("wire covers", "Which two materials in the box are safe for covering an electric wire?",
         ["plastic", "rubber"], ["copper", "steel", "foil", "brass"], 2),
    ]
    for name, text, right, wrong, count in more:
        items.append(picking(6, "pick " + name, text, right + wrong, right, count))
    items.append(picking(6, "pick conductors", "Which three objects in the box conduct electricity?",
                         ["copper wire", "steel spoon", "aluminium foil", "plastic ruler", "wooden spoon", "rubber band",
                          "paper cup"], ["copper wire", "steel spoon", "aluminium foil"], 3))
    items.append(picking(6, "pick magnetic", "Which two objects in the box will a magnet attract?",
                         ["iron nail", "steel pin", "gold ring", "copper wire", "glass marble", "cork"],
                         ["iron nail", "steel pin"], 2))
    items.append(picking(6, "pick components", "Which three of these can be parts of an electrical circuit?",
                         ["cell", "bulb", "buzzer", "magnet", "compass", "thermometer"], ["cell", "bulb", "buzzer"], 3,
                         level=1, skill="recall"))
    return items


def single_items(rng, topic):
    """Every one-part question the topic offers apart from the written ones."""
    makers = {
        1: [animal_groups, group_clues, animal_facts, food_chain_choices, insect_choices, animal_ways],
        2: [dispersal_choices, eaten_parts, plant_label_choices, part_jobs],
        3: [life_cycle_choices, organ_choices, food_choices, young_choices, stage_counts],
        4: [state_choices, lambda r: magnet_choices(r, 4), change_choices, separating_choices, particle_choices,
            material_choices],
        5: [light_choices, thermometer_choices, water_cycle_choices, heat_choices, source_choices,
            temperature_choices],
        6: [conductor_choices, lambda r: magnet_choices(r, 6), magnet_pair_choices, circuit_choices,
            component_choices],
    }[topic]
    return [i for make in makers for i in make(rng)]


def structured_items(rng, topic):
    """Every question of several parts the topic offers apart from the investigations."""
    return {1: living_structured, 2: plants_structured, 3: body_structured, 4: materials_structured,
            5: light_structured, 6: electricity_structured}[topic](rng)


def written_items(rng, topic):
    """The questions of the bank written by hand for the topic."""
    items = []
    def family(text, alone):
        return next((f for start, f in bank.SAME_AS_MAKER.items() if text.startswith(start)), alone)

    for level, skill, text, right, wrong in bank.CHOICE[topic]:
        items.append(choice(rng, topic, skill, level, family(text, "written %d" % len(items)), text, text, right,
                            wrong))
    for t, level, skill, text, box, key in bank.BOXED:
        if t == topic:
            body = stem(text) + word_box(box) + answer_line(None, form="Write one word from the box.")
            items.append(item(topic, skill, level, family(text, "boxed"), text, body, [Part(key, "T")]))
    for t, level, skill, text, note, answers in bank.ALTERNATIVES:
        if t == topic:
            body = stem(text) + answer_line(None, form=note)
            items.append(item(topic, skill, level, family(text, "alternatives"), text, body,
                              [Part("".join(";" + a for a in answers), "M")]))
    return items
