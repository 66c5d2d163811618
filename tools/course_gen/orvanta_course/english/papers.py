"""English: grammar, punctuation, vocabulary, spelling and word forms, reading
comprehension and sentence writing, and five mock examinations.

Every item is written by hand in the banks (the *_bank modules, cloze and
the reading passages) and asked once in the whole course. The topic papers
follow recipes; the mock examinations follow a blueprint that gives every
topic its share of the marks. A ledger reads each question as the variety
measure reads a page and refuses one whose opening words are already used too
often, so that no frame of questions or lettered parts can crowd the course."""

import collections
import math
import random
import re
from dataclasses import dataclass

from . import cloze, reading
from . import grammar_bank as grammar
from . import punctuation_bank as punctuation
from . import sentence_bank as sentences
from . import spelling_bank as spelling
from . import vocabulary_bank as vocabulary
from .. import shape, variety
from ..model import Exhausted, Part, Question
from ..page import blank, esc, hint, instruction, label, options, para, part, passage, render, word_box

SUBJECT = "English"
TOPICS = ["Grammar", "Punctuation", "Vocabulary", "Spelling and Word Forms", "Reading Comprehension",
          "Sentence Writing", "Mock Examination"]
FRAME_SHARE = variety.FRAME_SHARE

GAP = "{w}"
CHOOSE_ONE = "Choose the best answer. Write its number (1, 2, 3 or 4) in the answer box."
CHOOSE_EACH = "For each sentence, choose the best answer. Write its number (1, 2, 3 or 4) in the answer box."
NUMBER_IN_BOX = " Write its number in the answer box."


VERB_INTRO = ("Write the correct form of the verb in brackets, one word in each gap. The time words tell you "
              "which tense to use.")
VERB_INTRO_ONE = ("Write the correct form of the verb in brackets, one word. The time words tell you which tense "
                  "to use.")


# Kinds that draw from another kind's bank, so that no entry is asked twice.
SHARED_DECKS = {"grammar set": "grammar choice", "verb form": "verb forms", "prefix word": "prefixes",
                "spelling word": "spelling", "word form": "word forms"}


def fourth(entry):
    return entry[3]


def tense_of(entry):
    return "tense " + entry[3]


def take_preferring(deck, fits, tag, used):
    """The first entry of `deck` that fits and whose tag is not in `used`, or
    failing that the first that fits."""
    if tag is not None:
        try:
            return deck.take(lambda entry: tag(entry) not in used and fits(entry))
        except Exhausted:
            pass
    return deck.take(fits)


@dataclass
class Item(Question):
    """A question with the topic whose skill it practises (1..6) and how hard
    it is: 1 foundation, 2 core, 3 stretch."""

    topic: int = 0
    level: int = 1
    form: str = ""  # a reading question: the form of its passage


# Text helpers --------------------------------------------------------------------


def marked(text):
    """Page text from bank text: *bold* and _underlined_ words."""
    out = esc(text)
    out = re.sub(r"\*([^*]+)\*", r"<b>\1</b>", out)
    return re.sub(r"_([^_]+)_", r"<u>\1</u>", out)


def fill(sentence, gap_html):
    """The sentence with its gap drawn, marked words and typographic quotes."""
    before, gap, after = sentence.partition(GAP)
    if not gap:
        return marked(sentence)
    return marked(before) + gap_html + marked(after)


def with_word(sentence, word):
    """The sentence with `word` in its gap; a word that opens the sentence gets
    its capital letter, so that no sentence starts with a small letter."""
    if sentence.startswith(GAP) or sentence.startswith("_" + GAP):
        word = word[:1].upper() + word[1:]
    return sentence.replace(GAP, word)


def option_order(text):
    """A random source of its own for the options of one item, seeded by the
    item's text: the options keep their order however often the item is
    tried before it fits, and the order does not depend on the hash seed."""
    return random.Random("options:" + text)


def shuffled_options(rng, right, wrong):
    """Four different choices with the right one at a random place: (texts, key)."""
    choices = [right] + list(wrong)
    if len(choices) != 4 or len(set(choices)) != 4:
        raise ValueError("options must be four different texts: %r" % choices)
    rng.shuffle(choices)
    return choices, str(choices.index(right) + 1)


# Every word with another accepted form, and all of its forms.
OTHER_FORMS = {word.lower(): group for group in spelling.VARIANTS for word in group}


def typed(key, letter="T"):
    """The part of a typed answer. A word with another accepted form (learnt,
    learned) becomes an alternatives key that holds them all, so that no
    right answer is marked wrong."""
    group = OTHER_FORMS.get(key.lower()) if letter == "T" else None
    if group is None:
        return Part(key, letter)
    return Part(alternatives([key] + [w for w in group if w.lower() != key.lower()]), "M")


def alternatives(words):
    """An M key: every acceptable answer after its own ";"."""
    return "".join(";" + w for w in words)


def cloze_html(text, gap, brackets):
    """The passage's HTML with each bracketed gap drawn by gap(index, inside);
    returns the HTML and the insides of the gaps in order. `brackets` is "[]"
    or "{}"."""
    pattern = re.escape(brackets[0]) + r"([^" + re.escape(brackets[1]) + r"]+)" + re.escape(brackets[1])
    pieces = re.split(pattern, " ".join(text.split()))
    html, insides = "", []
    for i, piece in enumerate(pieces):
        if i % 2 == 0:
            html += marked(piece)
        else:
            html += gap(len(insides), piece)
            insides.append(piece)
    return html, insides


LIST_LINE = re.compile(r"^(- |\d+\. )")


def passage_block(block):
    """One paragraph of a passage. A block that holds a list keeps its lines."""
    lines = [line.strip() for line in block.strip().split("\n")]
    if any(LIST_LINE.match(line) for line in lines):
        shown = [marked("\u2022 " + line[2:] if line.startswith("- ") else line) for line in lines]
        return '<p style="margin:0 0 10px">%s</p>' % "<br>".join(shown)
    return '<p style="margin:0 0 10px">%s</p>' % marked(" ".join(lines))


def reading_passage(entry):
    """The text of a reading passage: paragraphs, or the verses of a poem."""
    blocks = entry.text.strip().split("\n\n")
    if entry.form == "poem":
        inner = "".join('<p style="margin:0 0 10px">%s</p>' % "<br>".join(marked(l.strip()) for l in b.split("\n"))
                        for b in blocks)
    else:
        inner = "".join(passage_block(b) for b in blocks)
    return '<div class="passage" style="line-height:1.6;padding:10px 16px">%s</div>' % inner


# Decks and the ledger --------------------------------------------------------------


class Deck:
    """A bank's entries in a shuffled order, each handed out once."""

    def __init__(self, rng, name, entries):
        self.name = name
        self.entries = list(entries)
        rng.shuffle(self.entries)

    def take(self, fits=lambda entry: True):
        """The first entry that `fits`; the others stay for later questions."""
        for i, entry in enumerate(self.entries):
            if fits(entry):
                return self.entries.pop(i)
        raise Exhausted("%s: no entry left that fits" % self.name)

    def __len__(self):
        return len(self.entries)


class Ledger:
    """The frames, sentences and questions already in the course, read from
    the rendered page as the variety measure reads it.

    `question_cap` and `part_cap` are the most questions, and lettered parts,
    that may open with the same frame."""

    def __init__(self, question_cap, part_cap):
        self.question_cap = question_cap
        self.part_cap = part_cap
        self.question_frames = collections.Counter()
        self.part_frames = collections.Counter()
        self.part_sentences = set()
        self.identities = set()
        self.paper_frames = set()

    @staticmethod
    def read(question):
        html = render(question, SUBJECT).decode("cp1252")
        return variety.Page(0, html, [p.svg for p in question.pictures])

    def new_paper(self):
        self.paper_frames = set()

    def fits(self, question):
        """True when adding `question` (or a question begun so far) keeps every
        frame within its cap, repeats no part sentence and no question, and
        opens with a frame no other question of the paper has."""
        page = self.read(question)
        frame = page.frame()
        if frame in self.paper_frames or self.question_frames[frame] >= self.question_cap:
            return False
        said = [s.lower() for s in page.parts]
        if len(set(said)) < len(said) or any(s in self.part_sentences for s in said):
            return False
        frames = collections.Counter(variety.frame_of(s) for s in page.parts)
        if any(self.part_frames[f] + n > self.part_cap for f, n in frames.items()):
            return False
        return page.identity() not in self.identities

    def record(self, question):
        page = self.read(question)
        self.question_frames[page.frame()] += 1
        self.paper_frames.add(page.frame())
        self.part_frames.update(variety.frame_of(s) for s in page.parts)
        self.part_sentences.update(s.lower() for s in page.parts)
        self.identities.add(page.identity())


# The course writer ---------------------------------------------------------------------


@dataclass(frozen=True)
class Kind:
    """A kind of question: the topic it practises, its level, its maker, its
    answer parts and how many of them stand as lettered parts ("(a)" blocks;
    the gaps of a passage are not)."""

    topic: int
    level: int
    maker: str
    parts: int = 1
    lettered: int = 0


class Writer:
    """Makes the questions of every kind from the banks, each entry once."""

    def __init__(self, ctx, question_cap, part_cap):
        self.ctx = ctx
        self.rng = ctx.rng
        self.ledger = Ledger(question_cap, part_cap)
        self.decks = {}
        self.paper_forms = set()
        self.paper_tags = set()

    def deck(self, kind, entries):
        """The deck of a kind's bank; kinds that share a bank share its deck."""
        name = SHARED_DECKS.get(kind, kind)
        if name not in self.decks:
            self.decks[name] = Deck(self.rng, name, entries)
        return self.decks[name]

    def item(self, kind, body, parts):
        info = KINDS[kind]
        return Item(body=body, parts=parts, kind=kind, topic=info.topic, level=info.level)

    def make(self, kind):
        question = getattr(self, KINDS[kind].maker)(kind)
        if len(question.parts) != KINDS[kind].parts:
            raise RuntimeError("%s: %d parts, expected %d" % (kind, len(question.parts), KINDS[kind].parts))
        if not self.ctx.fresh(question.fingerprint()):
            raise RuntimeError("%s: a question would be asked twice" % kind)
        self.ledger.record(question)
        return question

    def single(self, deck, build, tag=None):
        """A one-part question from the first entry of `deck` that fits. With
        `tag` (entry -> what it practises), an entry that practises something
        the paper has not asked yet comes first."""
        def fits(entry):
            return self.ledger.fits(build(entry))

        entry = take_preferring(deck, fits, tag, self.paper_tags)
        if tag is not None:
            self.paper_tags.add(tag(entry))
        return build(entry)

    def set_of(self, deck, build, count=5, tag=None):
        """A question of `count` parts, entry by entry, each one fitting; with
        `tag`, the parts practise different things where the bank allows."""
        chosen = []
        while len(chosen) < count:
            used = {tag(entry) for entry in chosen} if tag is not None else set()
            chosen.append(take_preferring(deck, lambda entry: self.ledger.fits(build(chosen + [entry])), tag, used))
        return build(chosen)

    # Shapes of questions ---------------------------------------------------------

    def gap_choice(self, kind, entries, intro=CHOOSE_ONE, tag=None):
        """One sentence with a gap and four answers to choose from."""
        def build(entry):
            sentence, right, wrong = entry[:3]
            texts, key = shuffled_options(option_order(sentence), right, wrong)
            body = instruction(intro) + para(fill(sentence, blank())) + options(texts)
            return self.item(kind, body, [Part(key, "Q")])

        return self.single(self.deck(kind, entries), build, tag)

    def choice_set(self, kind, entries, intro, show=lambda sentence: fill(sentence, blank()), tag=None):
        """Five sentences, each with four answers to choose from."""
        def build(chosen):
            body, parts = instruction(intro), []
            for i, (sentence, right, wrong) in enumerate(entry[:3] for entry in chosen):
                texts, key = shuffled_options(option_order(sentence), right, wrong)
                body += part(i, show(sentence)) + options(texts)
                parts.append(Part(key, "Q"))
            return self.item(kind, body, parts)

        return self.set_of(self.deck(kind, entries), build, tag=tag)

    def class_set(self, kind, entries, intro, classes):
        """Five sentences, each sorted into one of four fixed classes."""
        def build(chosen):
            body, parts = instruction(intro), []
            for i, (sentence, name) in enumerate(chosen):
                body += part(i, marked(sentence)) + options(classes)
                parts.append(Part(str(classes.index(name) + 1), "Q"))
            return self.item(kind, body, parts)

        return self.set_of(self.deck(kind, entries), build)

    def typed_set(self, kind, entries, intro, letter="T", tag=None):
        """Sentences with a gap, the word in brackets when there is one."""
        def build(chosen):
            body, parts = instruction(intro(chosen) if callable(intro) else intro), []
            for i, (sentence, word, key) in enumerate(entry[:3] for entry in chosen):
                gap = blank() + (" " + hint(word) if word else "")
                body += part(i, fill(sentence, gap))
                parts.append(typed(key, letter))
            return self.item(kind, body, parts)

        return self.set_of(self.deck(kind, entries), build, tag=tag)

    def typed_single(self, kind, entries, intro, letter="T", tag=None):
        def build(entry):
            sentence, word, key = entry[:3]
            gap = blank() + (" " + hint(word) if word else "")
            text = instruction(intro(entry) if callable(intro) else intro) + para(fill(sentence, gap))
            return self.item(kind, text, [typed(key, letter)])

        return self.single(self.deck(kind, entries), build, tag)

    def marked_single(self, kind, entries, intro, key_of):
        """One sentence shown as written (with its marked words) and a typed answer."""
        def build(entry):
            body = instruction(intro) + para(marked(entry[0]))
            return self.item(kind, body, [typed(key_of(entry))])

        return self.single(self.deck(kind, entries), build)

    def situation_choice(self, kind, entries, intro):
        """A sentence to read, then four answers about it."""
        def build(entry):
            text, right, wrong = entry
            texts, key = shuffled_options(option_order(text), right, wrong)
            body = instruction(intro) + para(marked(text)) + options(texts)
            return self.item(kind, body, [Part(key, "Q")])

        return self.single(self.deck(kind, entries), build)

    # Grammar -----------------------------------------------------------------------

    def grammar_choice(self, kind):
        return self.gap_choice(kind, grammar.GRAMMAR_CHOICES, tag=fourth)

    def grammar_set(self, kind):
        return self.choice_set(kind, grammar.GRAMMAR_CHOICES, CHOOSE_EACH, tag=fourth)

    def tense_choice(self, kind):
        return self.gap_choice(kind, grammar.TENSE_CHOICES, "The time words in the sentence tell you when it happens. "
                                                            "Choose the verb that fits." + NUMBER_IN_BOX, tag=tense_of)

    def verb_forms(self, kind):
        return self.typed_set(kind, grammar.VERB_GAPS, VERB_INTRO, tag=tense_of)

    def verb_form(self, kind):
        return self.typed_single(kind, grammar.VERB_GAPS, VERB_INTRO_ONE, tag=tense_of)

    def comparatives(self, kind):
        def intro(chosen):
            text = "Write the correct form of the adjective in brackets."
            if any(" " in key for _, _, key in chosen):
                text += " Some answers need two words, such as <i>more careful</i>."
            return text

        return self.typed_set(kind, grammar.ADJECTIVE_GAPS, intro, tag=lambda entry: " than " in entry[0])

    def word_classes(self, kind):
        return self.class_set(kind, grammar.WORD_CLASSES, "Is each underlined word a noun, a verb, an adjective or "
                                                          "an adverb? Write the number of the answer in the answer "
                                                          "box.", ["noun", "verb", "adjective", "adverb"])

    def a_or_an(self, kind):
        entries = [(sentence, None, key) for sentence, key in grammar.A_OR_AN]
        return self.typed_set(kind, entries, "Write <b>a</b> or <b>an</b> in each gap. Listen to the first sound of "
                                             "the word that comes next.")

    def verb_cloze(self, kind):
        def build(entry):
            title, text = entry
            html, gaps = cloze_html(text, lambda i, gap: "%s %s" % (blank(i), hint(gap.split("|")[1])), "[]")
            body = instruction("Read the passage. Write the correct form of each verb in brackets, one word in each "
                               "gap.") + para("<b>%s</b>" % esc(title)) + passage(html)
            return self.item(kind, body, [typed(gap.split("|")[0]) for gap in gaps])

        return self.single(self.deck(kind, cloze.VERB_PASSAGES), build)


    # Punctuation ---------------------------------------------------------------------

    def capital_letters(self, kind):
        return self.choice_set(kind, punctuation.CAPITALS, "One word in each sentence should begin with a capital "
                                                           "letter, but does not. Which word is it?" + NUMBER_IN_BOX,
                               show=marked)

    def end_mark(self, kind):
        marks = ["full stop ( . )", "question mark ( ? )", "exclamation mark ( ! )", "comma ( , )"]

        def build(entry):
            sentence, mark = entry
            body = instruction("Which punctuation mark should end this sentence?" + NUMBER_IN_BOX) + para(
                marked(sentence) + blank()) + options(marks)
            return self.item(kind, body, [Part(str(".?!,".index(mark) + 1), "Q")])

        return self.single(self.deck(kind, punctuation.END_MARKS), build)

    def contractions(self, kind):
        def build(chosen):
            body = instruction("Write the words in bold as one shorter word with an apostrophe. For example, "
                               "<b>did not</b> becomes <i>didn\u2019t</i>.")
            parts = []
            for i, (sentence, key) in enumerate(chosen):
                body += part(i, marked(sentence))
                parts.append(typed(key))
            return self.item(kind, body, parts)

        return self.set_of(self.deck(kind, punctuation.CONTRACTIONS), build)

    def possessives(self, kind):
        entries = [("%s %s" % (fact, gap), None, key) for fact, gap, key in punctuation.POSSESSIVES]
        return self.typed_set(kind, entries, "Write the owner with an apostrophe in each gap, for example "
                                             "<i>the cat\u2019s bowl</i> for one cat or <i>the cats\u2019 bowls</i> "
                                             "for more than one.")

    def list_comma(self, kind):
        return self.marked_single(kind, punctuation.LIST_COMMAS,
                                  "One comma is missing from the list in this sentence. (There is no comma before "
                                  "<b>and</b>.) Write the word that should come just before the missing comma.",
                                  key_of=lambda entry: entry[1])

    def fronted_comma(self, kind):
        return self.marked_single(kind, punctuation.FRONTED_COMMAS,
                                  "This sentence begins with words that tell you when, where or how. A comma "
                                  "should come after them. Write the word that comes just before that comma.",
                                  key_of=lambda entry: entry[1])

    def speech_marks(self, kind):
        return self.situation_choice(kind, punctuation.SPEECH, "Which sentence shows the spoken words with the "
                                                               "right punctuation?" + NUMBER_IN_BOX)

    def missing_apostrophe(self, kind):
        return self.situation_choice(kind, punctuation.MISSING_APOSTROPHES, "One word in this sentence needs an "
                                                                            "apostrophe. Which word is it?"
                                     + NUMBER_IN_BOX)

    # Vocabulary ---------------------------------------------------------------------

    def word_in_context(self, kind):
        return self.gap_choice(kind, vocabulary.CONTEXT_WORDS, "Choose the word that fits the sentence best."
                               + NUMBER_IN_BOX)

    def synonyms(self, kind):
        return self.choice_set(kind, vocabulary.SYNONYMS, "Choose the word closest in meaning to the word in bold."
                               + NUMBER_IN_BOX, show=marked)

    def antonyms(self, kind):
        return self.choice_set(kind, vocabulary.ANTONYMS, "Choose the word that means the opposite of the word in "
                                                          "bold." + NUMBER_IN_BOX, show=marked)

    def prefixes(self, kind):
        return self.typed_set(kind, vocabulary.PREFIXES, PREFIX_INTRO)

    def prefix_word(self, kind):
        return self.typed_single(kind, vocabulary.PREFIXES, PREFIX_INTRO)

    def homophone(self, kind):
        return self.gap_choice(kind, vocabulary.HOMOPHONES, "These words sound alike or nearly alike. Choose the "
                                                            "one that is right for this sentence." + NUMBER_IN_BOX)

    def collective(self, kind):
        return self.gap_choice(kind, vocabulary.COLLECTIVES, "Choose the word for a group that fits the sentence."
                               + NUMBER_IN_BOX)

    def idiom(self, kind):
        return self.situation_choice(kind, vocabulary.IDIOMS, "What do the words in bold mean here?"
                                     + NUMBER_IN_BOX)

    # Spelling and word forms ----------------------------------------------------------

    def spelling(self, kind):
        def build(chosen):
            body = instruction("One word in each sentence is spelt wrongly. It is underlined. Write it correctly in "
                               "the answer box.")
            parts = []
            for i, (wrong, right, sentence) in enumerate(chosen):
                body += part(i, marked(with_word(sentence.replace(GAP, "_%s_" % GAP), wrong)))
                parts.append(typed(right))
            return self.item(kind, body, parts)

        return self.set_of(self.deck(kind, spelling.SPELLING), build)

    def spelling_word(self, kind):
        def build(entry):
            wrong, right, sentence = entry
            body = instruction("One word in this sentence is spelt wrongly. It is underlined. Write it correctly in "
                               "the answer box.") + para(marked(with_word(sentence.replace(GAP, "_%s_" % GAP), wrong)))
            return self.item(kind, body, [typed(right)])

        return self.single(self.deck(kind, spelling.SPELLING), build)

    def plurals(self, kind):
        entries = [(sentence, noun, plural) for noun, plural, sentence in spelling.PLURALS]
        return self.typed_set(kind, entries, "Write the plural of the word in brackets.")

    def plural_pair(self, kind):
        entries = [(sentence, noun, alternatives(plurals)) for noun, plurals, sentence in spelling.PLURAL_PAIRS]
        return self.typed_single(kind, entries, "Write the plural of the word in brackets.", letter="M")

    def word_forms(self, kind):
        entries = [(sentence, word, form) for word, form, sentence in spelling.WORD_FORMS]
        return self.typed_set(kind, entries, WORD_FORM_INTRO)

    def word_form(self, kind):
        entries = [(sentence, word, form) for word, form, sentence in spelling.WORD_FORMS]
        return self.typed_single(kind, entries, WORD_FORM_INTRO)

    def suffix_rules(self, kind):
        def build(chosen):
            body = instruction("Add the ending to the word and write the new word. Take care: you may need to double "
                               "a letter, drop an <b>e</b> or change <b>y</b> to <b>i</b>.")
            parts = []
            for i, (word, ending, key) in enumerate(chosen):
                body += part(i, "<b>%s</b> + <b>%s</b> = %s" % (esc(word), esc(ending), blank()))
                parts.append(typed(key))
            return self.item(kind, body, parts)

        return self.set_of(self.deck(kind, spelling.SUFFIX_RULES), build)

    def spelling_choice(self, kind):
        return self.gap_choice(kind, spelling.SPELLING_CHOICES, "Choose the correct spelling of the missing word."
                               + NUMBER_IN_BOX)

    # Reading ------------------------------------------------------------------------

    def reading(self, kind):
        """A passage of a form the paper does not have yet, and its five questions."""
        def build(entry):
            body = instruction("Read the %s carefully. Then answer the questions. For each one, write the number "
                               "(1, 2, 3 or 4) of the best answer in the answer box." % reading.FORM_NAMES[entry.form])
            body += para("<b>%s</b>" % esc(entry.title)) + reading_passage(entry)
            parts = []
            for i, asked in enumerate(entry.questions):
                texts, key = shuffled_options(option_order(asked.stem), asked.right, asked.wrong)
                body += part(i, marked(asked.stem)) + options(texts)
                parts.append(Part(key, "Q"))
            question = self.item(kind, body, parts)
            question.level, question.form = entry.level, entry.form
            return question

        # The form with the most passages left comes first, so that the last
        # papers still find forms they do not have yet.
        deck = self.deck(kind, reading.PASSAGES)
        left = collections.Counter(e.form for e in deck.entries if e.form not in self.paper_forms)
        for form, _ in sorted(left.items(), key=lambda item: (-item[1], item[0])):
            try:
                entry = deck.take(lambda e: e.form == form and self.ledger.fits(build(e)))
            except Exhausted:
                continue
            self.paper_forms.add(entry.form)
            return build(entry)
        raise Exhausted("reading: no passage of a new form fits")

    def reading_cloze(self, kind):
        def build(entry):
            title, text = entry
            rows, keys = [], []

            def gap(i, inside):
                choices = inside.split("|")
                texts, key = shuffled_options(option_order(title + choices[0] + str(i)), choices[0], choices[1:])
                keys.append(key)
                cells = "".join('<span class="copt"><span class="on">%d</span>%s</span>' % (k + 1, esc(t))
                                for k, t in enumerate(texts))
                rows.append('<div class="crow"><span class="lbl">%s</span>%s</div>' % (label(i), cells))
                return blank(i)

            html, _ = cloze_html(text, gap, "{}")
            body = instruction("Read the passage. For each gap, choose the word that makes the best sense and write "
                               "its number (1, 2, 3 or 4) in the answer box.") + para(
                "<b>%s</b>" % esc(title)) + passage(html) + "".join(rows)
            return self.item(kind, body, [Part(key, "Q") for key in keys])

        return self.single(self.deck(kind, cloze.CHOICE_PASSAGES), build)

    # Sentence writing ----------------------------------------------------------------

    def join(self, kind):
        def build(entry):
            first, second, word, start, key = entry
            task = "Join the two sentences into one sentence, using <b>%s</b>." % esc(word)
            task += " Put a comma where the two parts meet." if "," in key else " You do not need a comma."
            return self.long_answer(kind, task, "%s %s" % (first, second), start, key)

        return self.single(self.deck(kind, sentences.JOINS), build)

    def rewrite(self, kind):
        def build(entry):
            task, given, start, key = entry
            return self.long_answer(kind, task, given, start, key)

        return self.single(self.deck(kind, sentences.REWRITES), build)

    def long_answer(self, kind, task, given, start, key):
        """A whole sentence to write. Its first words are given, so that only one
        order of the sentence is right, and so is its last mark."""
        if not key.startswith(start) or key[-1] not in ".?":
            raise ValueError("%r must begin with %r and end with . or ?" % (key, start))
        ending = "question mark" if key.endswith("?") else "full stop"
        body = instruction(task) + para("<b>%s</b>" % marked(given)) + para(
            "Begin your sentence with <b>%s</b>. Write the whole sentence in the answer box and end it with a %s. "
            "Do not use short forms such as <i>don\u2019t</i>." % (esc(start), ending))
        return self.item(kind, body, [Part(key, "L")])

    def relative(self, kind):
        entries = [(sentence, None, alternatives(words)) for sentence, words in sentences.RELATIVES]
        return self.typed_single(kind, entries, "Fill in the gap with <b>who</b>, <b>whose</b>, <b>which</b>, "
                                                "<b>where</b> or <b>that</b>. Write one word. Where two of them fit, "
                                                "either is right.", letter="M")

    def conjunction(self, kind):
        return self.gap_choice(kind, sentences.CONJUNCTIONS, "Choose the best joining word for the gap."
                               + NUMBER_IN_BOX)

    def standard_english(self, kind):
        return self.gap_choice(kind, sentences.STANDARD, "Choose the answer that is correct in Standard English, the "
                                                         "English we write in school." + NUMBER_IN_BOX)

    def sentence_types(self, kind):
        return self.class_set(kind, sentences.SENTENCE_TYPES, "Is each sentence a statement, a question, a command "
                                                              "or an exclamation? Write the number of the answer in "
                                                              "the answer box.",
                              ["statement", "question", "command", "exclamation"])

    def joining_words(self, kind):
        def build(entry):
            words, items = entry
            shown = sorted(words, key=lambda w: option_order(" ".join(words) + w).random())
            body = instruction("Use each word in the box once to join the two parts of each sentence. Write the "
                               "word in the answer box.") + word_box(shown)
            parts = []
            for i, (sentence, key) in enumerate(items):
                body += part(i, fill(sentence, blank()))
                parts.append(typed(key))
            return self.item(kind, body, parts)

        return self.single(self.deck(kind, sentences.JOINING_BOXES), build)


PREFIX_INTRO = ("Add <b>un</b>, <b>dis</b>, <b>im</b>, <b>in</b>, <b>il</b>, <b>ir</b> or <b>mis</b> to the front "
                "of the word in brackets so that the sentence makes sense. Write the new word.")
WORD_FORM_INTRO = ("Change the word in brackets so that it fits the sentence, for example <i>kind</i> &rarr; "
                   "<i>kindness</i>. Write the new word.")


# Kinds, papers and the mock blueprint -----------------------------------------------

SET, CLOZE = 5, 10
# The topics, in the order of TOPICS.
GRAMMAR, PUNCTUATION, VOCABULARY, SPELLING, READING, SENTENCES = range(1, 7)

KINDS = {
    # Grammar
    "grammar choice": Kind(GRAMMAR, 2, "grammar_choice"),
    "grammar set": Kind(GRAMMAR, 2, "grammar_set", SET, SET),
    "tense choice": Kind(GRAMMAR, 2, "tense_choice"),
    "verb forms": Kind(GRAMMAR, 2, "verb_forms", SET, SET),
    "verb form": Kind(GRAMMAR, 1, "verb_form"),
    "comparatives": Kind(GRAMMAR, 1, "comparatives", SET, SET),
    "word classes": Kind(GRAMMAR, 2, "word_classes", SET, SET),
    "a or an": Kind(GRAMMAR, 1, "a_or_an", SET, SET),
    "verb cloze": Kind(GRAMMAR, 3, "verb_cloze", CLOZE),
    # Punctuation
    "capital letters": Kind(PUNCTUATION, 1, "capital_letters", SET, SET),
    "end mark": Kind(PUNCTUATION, 1, "end_mark"),
    "contractions": Kind(PUNCTUATION, 1, "contractions", SET, SET),
    "possessives": Kind(PUNCTUATION, 3, "possessives", SET, SET),
    "list comma": Kind(PUNCTUATION, 2, "list_comma"),
    "fronted comma": Kind(PUNCTUATION, 3, "fronted_comma"),
    "speech marks": Kind(PUNCTUATION, 3, "speech_marks"),
    "missing apostrophe": Kind(PUNCTUATION, 2, "missing_apostrophe"),
    # Vocabulary
    "word in context": Kind(VOCABULARY, 1, "word_in_context"),
    "synonyms": Kind(VOCABULARY, 2, "synonyms", SET, SET),
    "antonyms": Kind(VOCABULARY, 2, "antonyms", SET, SET),
    "prefixes": Kind(VOCABULARY, 2, "prefixes", SET, SET),
    "prefix word": Kind(VOCABULARY, 2, "prefix_word"),
    "homophone": Kind(VOCABULARY, 1, "homophone"),
    "collective": Kind(VOCABULARY, 1, "collective"),
    "idiom": Kind(VOCABULARY, 3, "idiom"),
    # Spelling and word forms
    "spelling": Kind(SPELLING, 2, "spelling", SET, SET),
    "spelling word": Kind(SPELLING, 2, "spelling_word"),
    "plurals": Kind(SPELLING, 1, "plurals", SET, SET),
    "plural pair": Kind(SPELLING, 3, "plural_pair"),
    "word forms": Kind(SPELLING, 3, "word_forms", SET, SET),
    "word form": Kind(SPELLING, 3, "word_form"),
    "suffix rules": Kind(SPELLING, 2, "suffix_rules", SET, SET),
    "spelling choice": Kind(SPELLING, 1, "spelling_choice"),
    # Reading comprehension: a passage's question takes the passage's level
    "reading": Kind(READING, 2, "reading", SET, SET),
    "reading cloze": Kind(READING, 2, "reading_cloze", CLOZE),
    # Sentence writing
    "join": Kind(SENTENCES, 3, "join"),
    "rewrite": Kind(SENTENCES, 3, "rewrite"),
    "relative": Kind(SENTENCES, 2, "relative"),
    "conjunction": Kind(SENTENCES, 1, "conjunction"),
    "standard english": Kind(SENTENCES, 2, "standard_english"),
    "sentence types": Kind(SENTENCES, 1, "sentence_types", SET, SET),
    "joining words": Kind(SENTENCES, 2, "joining_words", SET, SET),
}


@dataclass(frozen=True)
class Recipe:
    """What a paper holds, in the order asked: (kind, how many)."""

    name: str
    contents: tuple

    def kinds(self):
        return [kind for kind, count in self.contents for _ in range(count)]


R = Recipe
TOPIC_PAPERS = [
    R("Grammar 1: a first mixed paper", (
        ("grammar choice", 2), ("a or an", 1), ("tense choice", 1), ("verb form", 1), ("word classes", 1),
        ("grammar choice", 1), ("tense choice", 1), ("verb form", 1), ("comparatives", 1), ("verb forms", 1),
        ("tense choice", 1), ("grammar choice", 1), ("verb form", 1), ("grammar choice", 1))),
    R("Grammar 2", (
        ("grammar choice", 2), ("verb forms", 1), ("tense choice", 1), ("grammar set", 1), ("verb form", 2),
        ("grammar choice", 1), ("word classes", 1), ("tense choice", 1), ("comparatives", 1), ("grammar choice", 2),
        ("verb form", 1), ("a or an", 1), ("tense choice", 1))),
    R("Grammar 3", (
        ("tense choice", 1), ("grammar choice", 2), ("word classes", 1), ("verb form", 2), ("verb cloze", 1),
        ("grammar choice", 2), ("comparatives", 1), ("tense choice", 1), ("grammar set", 1), ("verb form", 1),
        ("grammar choice", 1), ("tense choice", 1))),
    R("Grammar 4", (
        ("grammar choice", 2), ("verb forms", 1), ("tense choice", 2), ("a or an", 1), ("verb form", 2),
        ("grammar choice", 2), ("verb cloze", 1), ("tense choice", 1), ("grammar set", 1), ("verb form", 2),
        ("grammar choice", 1))),
    R("Grammar 5", (
        ("verb form", 2), ("grammar choice", 2), ("comparatives", 1), ("tense choice", 2), ("word classes", 1),
        ("grammar choice", 2), ("verb cloze", 1), ("verb form", 1), ("verb forms", 1), ("tense choice", 1),
        ("grammar choice", 1))),
    R("Punctuation 1", (
        ("capital letters", 1), ("end mark", 2), ("list comma", 2), ("contractions", 1), ("speech marks", 2),
        ("missing apostrophe", 2), ("possessives", 1), ("fronted comma", 2), ("end mark", 1), ("list comma", 1))),
    R("Punctuation 2", (
        ("end mark", 2), ("capital letters", 1), ("list comma", 2), ("contractions", 1), ("speech marks", 2),
        ("possessives", 1), ("missing apostrophe", 2), ("fronted comma", 2), ("list comma", 1), ("end mark", 1),
        ("speech marks", 1))),
    R("Punctuation 3", (
        ("contractions", 1), ("speech marks", 2), ("list comma", 3), ("capital letters", 1), ("end mark", 3),
        ("possessives", 1), ("fronted comma", 2), ("missing apostrophe", 2))),
    R("Punctuation 4", (
        ("possessives", 1), ("end mark", 2), ("fronted comma", 2), ("capital letters", 1), ("speech marks", 2),
        ("missing apostrophe", 2), ("list comma", 3), ("contractions", 1), ("end mark", 1), ("fronted comma", 1))),
    R("Punctuation 5", (
        ("list comma", 2), ("capital letters", 1), ("speech marks", 2), ("possessives", 1), ("end mark", 3),
        ("missing apostrophe", 2), ("contractions", 1), ("fronted comma", 2), ("list comma", 1))),
    R("Vocabulary 1", (
        ("word in context", 2), ("synonyms", 1), ("homophone", 2), ("prefixes", 1), ("collective", 2),
        ("antonyms", 1), ("idiom", 1), ("prefix word", 3), ("word in context", 2))),
    R("Vocabulary 2", (
        ("word in context", 2), ("antonyms", 1), ("idiom", 1), ("synonyms", 1), ("homophone", 2),
        ("prefixes", 1), ("collective", 2), ("word in context", 2), ("prefix word", 3))),
    R("Vocabulary 3", (
        ("synonyms", 1), ("word in context", 2), ("collective", 2), ("prefix word", 3), ("antonyms", 1),
        ("homophone", 2), ("idiom", 2), ("prefixes", 1), ("word in context", 2))),
    R("Vocabulary 4", (
        ("word in context", 2), ("prefixes", 1), ("homophone", 2), ("antonyms", 1), ("idiom", 1),
        ("synonyms", 1), ("prefix word", 3), ("collective", 2), ("word in context", 2))),
    R("Vocabulary 5", (
        ("antonyms", 1), ("word in context", 2), ("idiom", 2), ("prefixes", 1), ("homophone", 2),
        ("collective", 2), ("synonyms", 1), ("prefix word", 3), ("word in context", 2))),
    R("Spelling and Word Forms 1", (
        ("spelling", 1), ("spelling choice", 2), ("plurals", 1), ("spelling word", 2), ("plural pair", 1),
        ("suffix rules", 1), ("spelling choice", 2), ("word forms", 1), ("word form", 2), ("spelling word", 1),
        ("plural pair", 1))),
    R("Spelling and Word Forms 2", (
        ("plurals", 1), ("spelling word", 2), ("spelling", 1), ("spelling choice", 2), ("word forms", 1),
        ("plural pair", 1), ("suffix rules", 1), ("spelling choice", 3), ("word form", 2), ("spelling word", 1),
        ("plural pair", 1))),
    R("Spelling and Word Forms 3", (
        ("spelling choice", 2), ("spelling", 1), ("suffix rules", 1), ("spelling word", 3), ("plurals", 1),
        ("plural pair", 2), ("word forms", 1), ("spelling choice", 2), ("word form", 2))),
    R("Spelling and Word Forms 4", (
        ("word forms", 1), ("spelling choice", 2), ("spelling", 1), ("plural pair", 1), ("spelling word", 2),
        ("suffix rules", 1), ("plurals", 1), ("spelling choice", 3), ("word form", 2), ("spelling word", 1),
        ("plural pair", 1))),
    R("Spelling and Word Forms 5", (
        ("spelling", 1), ("spelling word", 2), ("suffix rules", 1), ("spelling choice", 2), ("plurals", 1),
        ("plural pair", 2), ("word forms", 1), ("spelling choice", 2), ("word form", 2), ("spelling word", 1))),
] + [
    R("Reading Comprehension %d" % k, (("reading", 2), ("reading cloze", 1), ("reading", 2)))
    for k in range(1, 6)
] + [
    R("Sentence Writing 1", (
        ("conjunction", 2), ("join", 1), ("sentence types", 1), ("relative", 1), ("standard english", 2),
        ("rewrite", 1), ("joining words", 1), ("conjunction", 2), ("join", 1), ("relative", 1), ("rewrite", 1),
        ("standard english", 1))),
    R("Sentence Writing 2", (
        ("relative", 1), ("conjunction", 2), ("rewrite", 1), ("joining words", 1), ("join", 1),
        ("standard english", 2), ("sentence types", 1), ("conjunction", 2), ("rewrite", 1), ("relative", 1),
        ("join", 1), ("standard english", 1), ("conjunction", 1))),
    R("Sentence Writing 3", (
        ("join", 1), ("conjunction", 2), ("standard english", 1), ("relative", 1), ("sentence types", 1),
        ("rewrite", 1), ("conjunction", 2), ("joining words", 1), ("join", 1), ("standard english", 2),
        ("relative", 1), ("rewrite", 1))),
    R("Sentence Writing 4", (
        ("conjunction", 2), ("rewrite", 1), ("relative", 1), ("joining words", 1), ("join", 1),
        ("standard english", 2), ("conjunction", 2), ("sentence types", 1), ("rewrite", 1), ("join", 1),
        ("relative", 1), ("standard english", 1), ("conjunction", 1))),
    R("Sentence Writing 5", (
        ("sentence types", 1), ("join", 1), ("conjunction", 2), ("relative", 1), ("standard english", 2),
        ("rewrite", 1), ("joining words", 1), ("conjunction", 2), ("join", 1), ("relative", 1), ("rewrite", 1),
        ("standard english", 1))),
]

# The mock examinations. For every topic, the slots of one mock; mock k fills
# a slot with its k-th kind (counting round), so the five mocks vary their
# kinds while every topic keeps its share of the marks.
MOCK_BLUEPRINT = [
    (READING, [["reading"]]),
    (GRAMMAR, [["grammar choice"], ["verb cloze"], ["tense choice"], ["verb form"]]),
    (PUNCTUATION, [["capital letters"], ["speech marks"], ["contractions", "possessives"], ["list comma", "fronted comma"],
         ["end mark", "missing apostrophe"]]),
    (VOCABULARY, [["word in context"], ["synonyms", "antonyms"], ["homophone", "idiom", "collective"], ["prefixes"]]),
    (SPELLING, [["spelling choice"], ["spelling"], ["plural pair"], ["plurals", "word forms", "suffix rules"]]),
    (SENTENCES, [["conjunction", "standard english"], ["joining words"], ["join", "rewrite"], ["sentence types"],
         ["relative"]]),
    (READING, [["reading"]]),
]
MOCK_COUNT = len(shape.MOCK_PAPERS)


def mock_recipe(k):
    """The kinds of mock examination k (0..4), in the order asked."""
    contents = [(slot[k % len(slot)], 1) for _, slots in MOCK_BLUEPRINT for slot in slots]
    return Recipe("Mock Examination %d" % (k + 1), tuple(contents))


def recipes():
    return TOPIC_PAPERS + [mock_recipe(k) for k in range(MOCK_COUNT)]


def frame_caps():
    """(questions, lettered parts) that may share one opening frame: the
    course's share of its questions and of its lettered parts."""
    kinds = [kind for recipe in recipes() for kind in recipe.kinds()]
    lettered = sum(KINDS[kind].lettered for kind in kinds)
    return math.floor(FRAME_SHARE * len(kinds)), math.floor(FRAME_SHARE * lettered)


def build_papers(ctx):
    writer = Writer(ctx, *frame_caps())
    papers = []
    for recipe in recipes():
        writer.ledger.new_paper()
        writer.paper_forms = set()
        writer.paper_tags = set()
        papers.append([writer.make(kind) for kind in recipe.kinds()])
    return papers
