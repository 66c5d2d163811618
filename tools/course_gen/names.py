"""Pupils and grown-ups who appear in the questions, with their pronouns."""

GIRLS = ["Mei", "Aisha", "Emma", "Priya", "Hana", "Lily", "Zara", "Nadia", "Sofia", "Grace",
         "Amara", "Chloe", "Rosa", "Yuki", "Fatima", "Isla", "Leah", "Maya", "Nora", "Ruby"]
BOYS = ["Ravi", "Tom", "Lucas", "Kofi", "Sam", "Ben", "Omar", "Jack", "Daniel", "Ethan",
        "Felix", "Hugo", "Ivan", "Jamal", "Kenji", "Leo", "Mateo", "Noah", "Oscar", "Ryan"]


def person(rng):
    """(name, subject pronoun, object pronoun, possessive)."""
    if rng.random() < 0.5:
        return rng.choice(GIRLS), "she", "her", "her"
    return rng.choice(BOYS), "he", "him", "his"


def two_people(rng):
    a = person(rng)
    b = person(rng)
    while b[0] == a[0]:
        b = person(rng)
    return a, b
