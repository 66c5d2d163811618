"""English: grammar and vocabulary choices, cloze passages, spelling, word
forms and sentence rewriting, built from the word banks of english_bank."""

import re

import english_bank as bank
from model import Exhausted, Part, Question
from names import BOYS, GIRLS, person
from page import blank, esc, hint, instruction, label, options, para, part, passage

SUBJECT = "English"
TOPICS = ["Grammar", "Vocabulary", "Grammar Cloze", "Spelling and Word Forms",
          "Comprehension Cloze", "Sentence Rewriting", "Mock Examination"]

CHOOSE_ONE = "Choose the correct answer. Write its number (1, 2, 3 or 4) in the answer box."
CHOOSE_EACH = "For each sentence, choose the correct answer. Write its number (1, 2, 3 or 4) in the answer box."
FORM_GAPS = "Fill in each blank with the correct form of the word in brackets."
GAP = "{w}"


def question(body, parts, kind):
    return Question(body=body, parts=parts, kind=kind)


def shuffled_options(rng, right, wrong):
    """Four choices with the right one at a random place; (texts, key)."""
    choices = [right] + list(wrong[:3])
    if len(set(choices)) < 4:
        return None, None
    rng.shuffle(choices)
    return choices, str(choices.index(right) + 1)


def fill(sentence, gap_html):
    return esc(sentence).replace(GAP, gap_html)


def capitalise_first(text):
    return text[:1].upper() + text[1:]


# Verb forms -------------------------------------------------------------------

VERB_FIELDS = ("base", "s", "past", "participle", "ing")
# Verbs that only read well in some tenses: p past, h habit, c continuous, f perfect.
VERB_TENSES = {"find": "pf", "forget": "phf", "lose": "pf", "win": "pf", "hide": "pcf", "choose": "pf",
               "teach": "pcf", "fix": "pcf", "grow": "pcf", "plant": "pcf", "paint": "pcf", "blow": "pcf"}


def verb_sentence(rng):
    """A sentence with one verb gap: (sentence with {w}, base form, right form, all forms)."""
    entry = rng.choice(bank.VERBS)
    forms = dict(zip(VERB_FIELDS, entry[:5]))
    tenses = VERB_TENSES.get(forms["base"], "phcf")
    tense = rng.choice(tenses)
    if rng.random() < 0.7:
        name, she, _, pos = person(rng)
        subject, plural = name, False
    else:
        subject, pos = rng.choice(bank.PLURAL_SUBJECTS)
        plural = True
        if tense in "pc":
            subject = subject[0].lower() + subject[1:]  # it follows "At the moment," or a time
    ending = rng.choice(entry[5]).replace("{pos}", pos)
    if tense == "p":
        time = rng.choice(bank.PAST_TIMES)
        sentence = "%s, %s {w} %s." % (time, subject, ending)
        right = forms["past"]
    elif tense == "h":
        sentence = "%s {w} %s %s." % (subject, ending, rng.choice(bank.HABIT_TIMES))
        right = forms["base"] if plural else forms["s"]
    elif tense == "c":
        be = "are" if plural else "is"
        sentence = "At the moment, %s %s {w} %s." % (subject, be, ending)
        right = forms["ing"]
    else:
        have = "have" if plural else "has"
        sentence = "%s %s already {w} %s." % (subject, have, ending)
        right = forms["participle"]
    return sentence, forms["base"], right, forms


def grammar_verb_choice(rng):
    sentence, base, right, forms = verb_sentence(rng)
    wrong = [f for f in dict.fromkeys(forms.values()) if f != right]
    if len(wrong) < 3:
        return None
    rng.shuffle(wrong)
    return sentence, right, wrong


def grammar_pronoun(rng):
    (a, _, _, _) = person(rng)
    girl, boy = rng.choice(GIRLS), rng.choice(BOYS)
    items = [
        ("%s and %s are my cousins. I often visit {w} on Sundays." % (girl, boy), "them", ["they", "their", "theirs"]),
        ("This pencil belongs to %s. It is {w}." % girl, "hers", ["her", "she", "herself"]),
        ("That kite belongs to %s. It is {w}." % boy, "his", ["him", "he", "himself"]),
        ("%s cut {w} while he was peeling an apple." % boy, "himself", ["herself", "him", "his"]),
        ("%s taught {w} to play the guitar." % girl, "herself", ["himself", "her", "hers"]),
        ("My sister and {w} went to the zoo." , "I", ["me", "my", "mine"]),
        ("Mum gave my brother and {w} some money.", "me", ["I", "my", "mine"]),
        ("The dog wagged {w} tail.", "its", ["it's", "it", "their"]),
        ("We painted the classroom by {w}.", "ourselves", ["us", "our", "ours"]),
        ("%s and I finished {w} project early." % girl, "our", ["us", "we", "ours"]),
        ("%s lost %s glasses, so we helped {w} look for them." % (boy, "his"), "him", ["he", "his", "himself"]),
        ("These books are not ours. They belong to %s and %s. They are {w}." % (girl, boy), "theirs", ["their", "them", "they"]),
        ("{w} are going to the park after school, %s and I." % boy, "We", ["Us", "Our", "Ours"]),
        ("%s, is this umbrella {w}?" % girl, "yours", ["your", "you", "yourself"]),
    ]
    return rng.choice(items)


def grammar_quantity(rng):
    if rng.random() < 0.5:
        noun, _ = rng.choice(bank.COUNTABLE)
        if rng.random() < 0.5:
            return "How {w} %s do we need for the party?" % noun, "many", ["much", "little", "every"]
        return "There are only a {w} %s left in the box." % noun, "few", ["little", "much", "lot"]
    noun, _ = rng.choice(bank.UNCOUNTABLE)
    if rng.random() < 0.5:
        return "How {w} %s do we need for the recipe?" % noun, "much", ["many", "few", "every"]
    return "There is only a {w} %s left in the jar." % noun, "little", ["few", "many", "lot"]


def grammar_tag(rng):
    statement, right, wrong = rng.choice(bank.QUESTION_TAGS)
    if rng.random() < 0.7:
        name, she, _, _ = person(rng)
        subject, pronoun = name, she
    else:
        subject, pronoun = rng.choice(["Your parents", "The twins", "Your friends"]), "they"
        if "is " in statement.split(",")[0] or "isn" in statement or "was " in statement or "has " in statement \
                or "doesn" in statement or "likes" in statement:
            return None  # these statements are worded for one person
    sentence = statement.replace("{s}", subject)
    return sentence, right.replace("{p}", pronoun), [w.replace("{p}", pronoun) for w in wrong]


def grammar_comparative(rng):
    adj, cmp_, sup, than_sentence, sup_sentence = rng.choice(bank.ADJECTIVES)
    more = "more " + adj
    most = "most " + adj
    if rng.random() < 0.5:
        wrong = [adj, sup, more if cmp_ != more else adj + "er"]
        return than_sentence, cmp_, wrong
    wrong = [adj, cmp_, most if sup != most else adj + "est"]
    return sup_sentence, sup, wrong


def grammar_item(rng):
    """(sentence with {w}, right answer, wrong answers) of one of several kinds."""
    pick = rng.random()
    if pick < 0.30:
        return grammar_verb_choice(rng)
    if pick < 0.45:
        sentence, right, wrong = rng.choice(bank.PREPOSITIONS)
        return sentence, right, list(wrong)
    if pick < 0.58:
        sentence, right, wrong = rng.choice(bank.CONJUNCTIONS)
        return sentence, right, list(wrong)
    if pick < 0.70:
        return grammar_pronoun(rng)
    if pick < 0.78:
        return grammar_quantity(rng)
    if pick < 0.86:
        return grammar_tag(rng)
    if pick < 0.93:
        return grammar_comparative(rng)
    sentence, right = rng.choice(bank.ARTICLES)
    return sentence, right, [w for w in ["a", "an", "much", "few"] if w != right]


def vocabulary_item(rng):
    pick = rng.random()
    if pick < 0.5:
        sentence, right, wrong = rng.choice(bank.VOCABULARY)
        return sentence, right, list(wrong)
    if pick < 0.65:
        word, right = rng.choice(bank.SYNONYMS)
        others = [w for pair in bank.SYNONYMS if pair != (word, right) for w in pair]
        return "Which word means the same as \u2018%s\u2019? {w}" % word, right, rng.sample(others, 3)
    if pick < 0.78:
        word, right = rng.choice(bank.ANTONYMS)
        if rng.random() < 0.5:
            word, right = right, word
        others = [w for pair in bank.ANTONYMS if right not in pair for w in pair if w != word]
        return "Which word is the opposite of \u2018%s\u2019? {w}" % word, right, rng.sample(others, 3)
    if pick < 0.9:
        phrase, right, wrong = rng.choice(bank.COLLECTIVES)
        return "We saw %s. Which word fills the gap?" % phrase, right, list(wrong)
    sentence, right, wrong = rng.choice(bank.HOMOPHONES)
    return sentence, right, list(wrong)


def choice_sentence(sentence, gap_html):
    if GAP in sentence and sentence.endswith(GAP):
        # A question such as "Which word means ...? {w}" has no gap to fill.
        return esc(sentence[: -len(GAP)].rstrip())
    return fill(sentence, gap_html)


def fresh_item(ctx, text):
    """True once for every sentence, so that no sentence is asked twice in the course."""
    return ctx.fresh("item:" + text)


def single_choice(ctx, item_maker, kind):
    rng = ctx.rng
    item = item_maker(rng)
    if item is None or not fresh_item(ctx, item[0]):
        return None
    sentence, right, wrong = item
    texts, key = shuffled_options(rng, right, wrong)
    if texts is None:
        return None
    body = instruction(CHOOSE_ONE) + para(choice_sentence(sentence, blank())) + options(texts)
    return question(body, [Part(key, "Q")], kind)


def choice_set(ctx, item_maker, kind, count=5):
    rng = ctx.rng
    items = []
    for _ in range(400):
        if len(items) == count:
            break
        item = item_maker(rng)
        if item is None:
            continue
        texts, key = shuffled_options(rng, item[1], item[2])
        if texts is None or not fresh_item(ctx, item[0]):
            continue
        items.append((item[0], texts, key))
    if len(items) < count:
        raise Exhausted(kind)
    body = instruction(CHOOSE_EACH)
    parts = []
    for i, (sentence, texts, key) in enumerate(items):
        body += part(i, choice_sentence(sentence, blank())) + options(texts)
        parts.append(Part(key, "Q"))
    return question(body, parts, kind)


def grammar_mc(ctx):
    return single_choice(ctx, grammar_item, "grammar choice")


def vocabulary_mc(ctx):
    return single_choice(ctx, vocabulary_item, "vocabulary choice")


def grammar_set(ctx):
    return choice_set(ctx, grammar_item, "grammar set")


def vocabulary_set(ctx):
    return choice_set(ctx, vocabulary_item, "vocabulary set")


# Sets of five gaps typed in ---------------------------------------------------


def typed_set(ctx, intro, items, kind):
    """items: list of (sentence with {w}, bracket word or None, key)."""
    body = instruction(intro)
    parts = []
    for i, (sentence, word, key) in enumerate(items):
        gap = blank() + (" " + hint(word) if word else "")
        body += part(i, fill(sentence, gap))
        parts.append(Part(key, "T"))
    return question(body, parts, kind)


def pick_distinct(ctx, pool, count, key):
    """`count` entries of `pool` not used anywhere in the course before."""
    left = [item for item in pool if ("item:" + key(item)) not in ctx.seen]
    if len(left) < count:
        raise Exhausted("word bank used up")
    chosen = ctx.rng.sample(left, count)
    for item in chosen:
        fresh_item(ctx, key(item))
    return chosen


def verb_set(ctx):
    rng = ctx.rng
    items = []
    bases = set()
    while len(items) < 5:
        sentence, base, right, _ = verb_sentence(rng)
        if base in bases or not fresh_item(ctx, sentence):
            continue
        bases.add(base)
        items.append((sentence, base, right))
    return typed_set(ctx, FORM_GAPS, items, "verb forms")


def plural_set(ctx):
    chosen = pick_distinct(ctx, bank.PLURALS, 5, key=lambda p: p[2])
    items = [(s, noun, plural) for noun, plural, s in chosen]
    return typed_set(ctx, "Fill in each blank with the plural of the word in brackets.", items, "plurals")


def comparative_set(ctx):
    rng = ctx.rng
    sentences = [(than_sentence, adj, cmp_) for adj, cmp_, _, than_sentence, _ in bank.ADJECTIVES] + [
        (sup_sentence, adj, sup) for adj, _, sup, _, sup_sentence in bank.ADJECTIVES]
    items = []
    for item in rng.sample(sentences, len(sentences)):
        if len(items) == 5:
            break
        if any(item[1] == other[1] for other in items) or not fresh_item(ctx, item[0]):
            continue
        items.append(item)
    if len(items) < 5:
        raise Exhausted("comparatives")
    return typed_set(ctx, FORM_GAPS, items, "comparatives")


def spelling_set(ctx):
    chosen = pick_distinct(ctx, bank.SPELLING, 5, key=lambda s: s[2])
    body = instruction("Each sentence has one word that is spelt wrongly. The word is underlined. "
                       "Write the word correctly in the answer box.")
    parts = []
    for i, (wrong, right, sentence) in enumerate(chosen):
        body += part(i, fill(sentence, "<u>%s</u>" % esc(wrong)))
        parts.append(Part(right, "T"))
    return question(body, parts, "spelling")


def word_form_set(ctx):
    chosen = pick_distinct(ctx, bank.WORD_FORMS, 5, key=lambda w: w[2])
    items = [(s, word, form) for word, form, s in chosen]
    return typed_set(ctx, "Fill in each blank with the correct form of the word in brackets. "
                          "You may need to change the word by adding or changing letters.", items, "word forms")


def prefix_set(ctx):
    chosen = pick_distinct(ctx, bank.PREFIX_OPPOSITES, 5, key=lambda w: w[2])
    items = [(s, word, opposite) for word, opposite, s in chosen]
    return typed_set(ctx, "Add a prefix (un-, dis-, im- or in-) to the word in brackets to make its "
                          "opposite, and write the new word.", items, "prefixes")


# Passages ---------------------------------------------------------------------


def form_passage(title, text, kind):
    """A passage whose gaps are written [answer|word in brackets]."""
    pieces = re.split(r"\[([^\]]+)\]", text)
    html, parts = "", []
    for i, piece in enumerate(pieces):
        if i % 2 == 0:
            html += esc(piece)
            continue
        answer, word = piece.split("|")
        html += "%s %s" % (blank(len(parts)), hint(word))
        parts.append(Part(answer, "T"))
    body = instruction("Read the passage. " + FORM_GAPS) + para("<b>%s</b>" % esc(title)) + passage(html)
    return question(body, parts, kind)


def mc_passage(ctx, title, text):
    """A passage whose gaps are written {right|wrong|wrong|wrong}; the choices
    for every gap stand under the passage."""
    pieces = re.split(r"\{([^}]+)\}", text)
    html, parts, rows = "", [], ""
    for i, piece in enumerate(pieces):
        if i % 2 == 0:
            html += esc(piece)
            continue
        index = len(parts)
        words = piece.split("|")
        texts, key = shuffled_options(ctx.rng, words[0], words[1:])
        html += blank(index)
        parts.append(Part(key, "Q"))
        cells = "".join('<span class="copt"><span class="on">%d</span>%s</span>' % (k + 1, esc(t))
                        for k, t in enumerate(texts))
        rows += '<div class="crow"><span class="lbl">%s</span>%s</div>' % (label(index), cells)
    body = instruction("Read the passage. For each blank, choose the best word and write its number "
                       "(1, 2, 3 or 4) in the answer box.") + para("<b>%s</b>" % esc(title)) + passage(html) + rows
    return question(body, parts, "choice cloze")


class PassageDeck:
    """Hands out each passage once, in a shuffled order."""

    def __init__(self, rng, passages):
        self.items = list(passages)
        rng.shuffle(self.items)

    def take(self):
        if not self.items:
            raise Exhausted("no passages left")
        return self.items.pop()


# Single answers ---------------------------------------------------------------


def past_tense_word(ctx):
    base, past = pick_distinct(ctx, bank.IRREGULAR_PAST, 1, key=lambda v: "past " + v[0])[0]
    body = para("Write the past tense of the verb <b>%s</b>." % base) + para(
        "Example: <i>walk</i> &rarr; <i>walked</i>")
    return question(body, [Part(past, "T")], "past tense")


def plural_word(ctx):
    noun, plural, sentence = pick_distinct(ctx, bank.PLURALS, 1, key=lambda p: p[2])[0]
    body = instruction("Fill in the blank with the plural of the word in brackets.") + para(
        fill(sentence, blank() + " " + hint(noun)))
    return question(body, [Part(plural, "T")], "plural")


def word_form_word(ctx):
    word, form, sentence = pick_distinct(ctx, bank.WORD_FORMS, 1, key=lambda w: w[2])[0]
    body = instruction("Fill in the blank with the correct form of the word in brackets.") + para(
        fill(sentence, blank() + " " + hint(word)))
    return question(body, [Part(form, "T")], "word form")


def prefix_word(ctx):
    word, opposite, sentence = pick_distinct(ctx, bank.PREFIX_OPPOSITES, 1, key=lambda w: w[2])[0]
    body = instruction("Add a prefix to the word in brackets to make its opposite, and write the new word.") + para(
        fill(sentence, blank() + " " + hint(word)))
    return question(body, [Part(opposite, "T")], "prefix")


def spelling_word(ctx):
    wrong, right, sentence = pick_distinct(ctx, bank.SPELLING, 1, key=lambda s: s[2])[0]
    body = instruction("One word in the sentence is spelt wrongly. It is underlined. Write it correctly.") + para(
        fill(sentence, "<u>%s</u>" % esc(wrong)))
    return question(body, [Part(right, "T")], "spelling")


def single_word(ctx):
    makers = [past_tense_word, past_tense_word, plural_word, word_form_word, past_tense_word, spelling_word]
    first = ctx.rng.randrange(len(makers))
    for k in range(len(makers)):
        try:
            return makers[(first + k) % len(makers)](ctx)
        except Exhausted:
            continue
    raise Exhausted("single words")


def relative_word(ctx):
    sentence, words = pick_distinct(ctx, bank.RELATIVE, 1, key=lambda r: r[0])[0]
    body = instruction("Fill in the blank with <b>who</b>, <b>whose</b>, <b>which</b> or <b>that</b>.") + para(
        fill(sentence, blank()))
    return question(body, [Part("".join(";" + w for w in words), "M")], "relative pronoun")


def plural_choice_word(ctx):
    noun, plurals, sentence = pick_distinct(ctx, bank.PLURAL_CHOICES, 1, key=lambda p: p[2])[0]
    body = instruction("Fill in the blank with the plural of the word in brackets.") + para(
        fill(sentence, blank() + " " + hint(noun)))
    return question(body, [Part("".join(";" + p for p in plurals), "M")], "plural choice")


def alternatives_word(ctx):
    try:
        return plural_choice_word(ctx) if ctx.rng.random() < 0.5 else relative_word(ctx)
    except Exhausted:
        return relative_word(ctx)


# Sentence rewriting -------------------------------------------------------------

JOIN_WHO = [
    ("I have a friend.", "She can speak three languages.", "I have a friend who can speak three languages."),
    ("We met a farmer.", "He keeps fifty goats.", "We met a farmer who keeps fifty goats."),
    ("The girl is my cousin.", "She won the race.", "The girl who won the race is my cousin."),
    ("The man is a baker.", "He lives next door.", "The man who lives next door is a baker."),
    ("I thanked the boy.", "He found my wallet.", "I thanked the boy who found my wallet."),
    ("The children got a prize.", "They sang in the choir.", "The children who sang in the choir got a prize."),
    ("We have a neighbour.", "She plays the drums.", "We have a neighbour who plays the drums."),
    ("The doctor was very kind.", "She helped my grandmother.", "The doctor who helped my grandmother was very kind."),
]
JOIN_BECAUSE = [
    ("We stayed at home.", "It was raining.", "We stayed at home because it was raining."),
    ("Tom was late for school.", "He missed the bus.", "Tom was late for school because he missed the bus."),
    ("The baby was crying.", "She was hungry.", "The baby was crying because she was hungry."),
    ("The plants died.", "Nobody watered them.", "The plants died because nobody watered them."),
    ("We went to bed early.", "We were very tired.", "We went to bed early because we were very tired."),
    ("The shop was closed.", "It was a public holiday.", "The shop was closed because it was a public holiday."),
]
JOIN_ALTHOUGH = [
    ("It was raining.", "We played outside.", "Although it was raining, we played outside."),
    ("Sam was tired.", "He finished his homework.", "Although Sam was tired, he finished his homework."),
    ("The test was hard.", "Everyone passed.", "Although the test was hard, everyone passed."),
    ("The water was cold.", "We went swimming.", "Although the water was cold, we went swimming."),
    ("Mia is only six.", "She can read very well.", "Although Mia is only six, she can read very well."),
]
PASSIVE = [
    ("The cat chased the mouse.", "The mouse", "The mouse was chased by the cat."),
    ("Grandma baked the cake.", "The cake", "The cake was baked by Grandma."),
    ("The dog dug a hole.", "A hole", "A hole was dug by the dog."),
    ("The wind blew the hat away.", "The hat", "The hat was blown away by the wind."),
    ("A bee stung my brother.", "My brother", "My brother was stung by a bee."),
    ("The teacher marked our books.", "Our books", "Our books were marked by the teacher."),
    ("The storm broke the window.", "The window", "The window was broken by the storm."),
    ("Our class planted the trees.", "The trees", "The trees were planted by our class."),
]
PLACES = ["in the garden", "at the library", "ready for school", "in the kitchen", "at home today",
          "good at drawing", "afraid of the dark", "in the school choir"]


def rewrite_sentence(ctx):
    rng = ctx.rng
    pick = rng.randrange(7)
    if pick == 0:
        entry = rng.choice(bank.VERBS)
        name, _, _, pos = person(rng)
        ending = rng.choice(entry[5]).replace("{pos}", pos)
        given = "%s %s %s." % (name, entry[1], ending)
        key = "%s %s %s." % (name, entry[2], ending)
        task = "Rewrite the sentence in the past tense."
    elif pick == 1:
        entry = rng.choice(bank.VERBS)
        name, _, _, pos = person(rng)
        ending = rng.choice(entry[5]).replace("{pos}", pos)
        given = "%s will %s %s." % (name, entry[0], ending)
        key = "%s will not %s %s." % (name, entry[0], ending)
        task = "Rewrite the sentence so that it says the opposite. Use <b>not</b>, and do not use short forms such as <i>won&rsquo;t</i>."
    elif pick == 2:
        name, _, _, _ = person(rng)
        place = rng.choice(PLACES)
        given = "%s is %s." % (name, place)
        key = "Is %s %s?" % (name, place)
        task = "Change the sentence into a question. End it with a question mark."
    elif pick == 3:
        first, second, key = rng.choice(JOIN_WHO)
        given = "%s %s" % (first, second)
        task = "Join the two sentences into one sentence, using <b>who</b>."
    elif pick == 4:
        first, second, key = rng.choice(JOIN_BECAUSE)
        given = "%s %s" % (first, second)
        task = "Join the two sentences into one sentence, using <b>because</b>."
    elif pick == 5:
        first, second, key = rng.choice(JOIN_ALTHOUGH)
        given = "%s %s" % (first, second)
        task = "Join the two sentences into one sentence. Begin with <b>Although</b> and use a comma."
    else:
        given, start, key = rng.choice(PASSIVE)
        task = "Rewrite the sentence, beginning with the words <b>%s</b>." % esc(start)
    ending = "a question mark" if key.endswith("?") else "a full stop"
    body = instruction(task) + para("<b>%s</b>" % esc(given)) + para(
        '<span class="form">Write the whole sentence in the answer box and end it with %s.</span>' % ending)
    return question(body, [Part(key, "L")], "rewriting")


# Papers -----------------------------------------------------------------------

MAKERS = {
    "grammar": grammar_mc, "vocabulary": vocabulary_mc, "grammar set": grammar_set,
    "vocabulary set": vocabulary_set, "verb set": verb_set, "plural set": plural_set,
    "comparative set": comparative_set, "spelling set": spelling_set, "word form set": word_form_set,
    "prefix set": prefix_set, "word": single_word, "prefix word": prefix_word, "word form": word_form_word,
    "alternatives": alternatives_word, "relative": relative_word, "plural choice": plural_choice_word,
    "rewrite": rewrite_sentence,
}

# What each paper holds, in the order asked: (maker, how many).
PAPERS = [
    # Grammar
    [("verb set", 3)],
    [("grammar", 20), ("relative", 2), ("verb set", 1)],
    [("grammar", 15), ("grammar set", 2), ("plural set", 1)],
    [("grammar", 12), ("word", 5), ("grammar set", 1), ("verb set", 2)],
    [("grammar", 20), ("relative", 2), ("grammar set", 2)],
    # Vocabulary
    [("vocabulary", 20), ("vocabulary set", 2)],
    [("vocabulary", 15), ("prefix word", 5), ("vocabulary set", 2)],
    [("vocabulary", 15), ("vocabulary set", 3)],
    [("vocabulary", 15), ("word form", 5), ("prefix set", 1), ("vocabulary set", 1)],
    [("vocabulary", 20), ("vocabulary set", 3)],
    # Grammar cloze
    [("verb passage", 2), ("verb set", 2)],
    [("choice passage", 1), ("verb set", 2), ("comparative set", 2)],
    [("long passage", 1), ("verb set", 1), ("plural set", 1)],
    [("verb passage", 1), ("choice passage", 1), ("comparative set", 1), ("verb set", 1)],
    [("verb passage", 2), ("grammar set", 2)],
    # Spelling and word forms
    [("spelling set", 3), ("verb set", 1), ("word", 10)],
    [("spelling set", 2), ("word form set", 1), ("verb set", 1), ("plural choice", 3), ("word", 6)],
    [("spelling set", 2), ("plural set", 2), ("plural choice", 2), ("word", 8)],
    [("spelling set", 2), ("word form set", 2), ("prefix set", 1), ("word", 5)],
    [("spelling set", 2), ("word form set", 1), ("verb set", 1), ("plural choice", 4), ("word", 6)],
    # Comprehension cloze
    [("long passage", 1), ("choice passage", 1)],
    [("choice passage", 2), ("prefix set", 1), ("word form set", 1)],
    [("long passage", 1), ("verb passage", 1)],
    [("choice passage", 1), ("verb passage", 1), ("spelling set", 1), ("comparative set", 1)],
    [("long passage", 1), ("choice passage", 1)],
    # Sentence rewriting
    [("rewrite", 4), ("relative", 2), ("grammar", 9), ("word", 6), ("verb set", 1)],
    [("rewrite", 4), ("relative", 2), ("grammar", 11), ("word", 1), ("verb set", 1), ("grammar set", 1)],
    [("rewrite", 4), ("relative", 2), ("grammar", 1), ("word", 8), ("grammar set", 1), ("plural set", 1)],
    [("rewrite", 4), ("relative", 2), ("vocabulary", 9), ("word", 1), ("verb set", 1), ("prefix set", 1)],
    [("rewrite", 4), ("relative", 3), ("word", 5), ("grammar set", 1), ("prefix word", 2), ("verb set", 1)],
] + [
    # Mock examinations: about eighty parts each.
    [("grammar", 7), ("vocabulary", 7), ("grammar set", 1), ("vocabulary set", 1), ("choice passage", 1),
     ("verb passage", 1), ("spelling set", 1), ("word", 5), ("alternatives", 1), ("rewrite", 1),
     ("comparative set", 1), ("verb set", 2)],
    [("grammar", 7), ("vocabulary", 7), ("grammar set", 1), ("vocabulary set", 1), ("choice passage", 1),
     ("verb passage", 1), ("plural set", 1), ("word", 5), ("alternatives", 1), ("rewrite", 1),
     ("prefix set", 1), ("verb set", 2)],
    [("grammar", 7), ("vocabulary", 7), ("grammar set", 1), ("vocabulary set", 1), ("choice passage", 1),
     ("long passage", 1), ("word", 5), ("alternatives", 1), ("rewrite", 1), ("verb set", 2)],
    [("grammar", 7), ("vocabulary", 7), ("grammar set", 1), ("vocabulary set", 1), ("choice passage", 1),
     ("verb passage", 1), ("word form set", 1), ("word", 5), ("alternatives", 1), ("rewrite", 1),
     ("spelling set", 1), ("verb set", 2)],
    [("grammar", 7), ("vocabulary", 7), ("grammar set", 1), ("vocabulary set", 1), ("choice passage", 1),
     ("verb passage", 1), ("comparative set", 1), ("word", 5), ("alternatives", 1), ("rewrite", 1),
     ("plural set", 1), ("verb set", 2)],
]


def make(ctx, name, decks):
    if name == "verb passage":
        title, text = decks["form"].take()
        return form_passage(title, text, "verb cloze")
    if name == "long passage":
        title, text = decks["long"].take()
        return form_passage(title, text, "long cloze")
    if name == "choice passage":
        title, text = decks["choice"].take()
        return mc_passage(ctx, title, text)
    return ctx.unique(lambda: MAKERS[name](ctx))


def build_papers(ctx):
    decks = {"form": PassageDeck(ctx.rng, bank.FORM_PASSAGES), "long": PassageDeck(ctx.rng, bank.LONG_PASSAGES),
             "choice": PassageDeck(ctx.rng, bank.CHOICE_PASSAGES)}
    papers = []
    for recipe in PAPERS:
        paper = []
        for name, count in recipe:
            for _ in range(count):
                paper.append(make(ctx, name, decks))
        papers.append(paper)
    return papers
