"""Pupils and grown-ups who appear in the questions, with their pronouns."""

GIRLS = ["Mei", "Aisha", "Emma", "Priya", "Hana", "Lily", "Zara", "Nadia", "Sofia", "Grace",
         "Amara", "Chloe", "Rosa", "Yuki", "Fatima", "Isla", "Leah", "Maya", "Nora", "Ruby",
         "Ada", "Bella", "Carmen", "Daisy", "Elif", "Freya", "Gemma", "Ines", "Jasmin", "Keira",
         "Lina", "Mina", "Olivia", "Pooja", "Quinn", "Sana", "Tara", "Usha", "Vera", "Wendy"]
BOYS = ["Ravi", "Tom", "Lucas", "Kofi", "Sam", "Ben", "Omar", "Jack", "Daniel", "Ethan",
        "Felix", "Hugo", "Ivan", "Jamal", "Kenji", "Leo", "Mateo", "Noah", "Oscar", "Ryan",
        "Adam", "Bilal", "Carlos", "Dev", "Emil", "Finn", "George", "Hamza", "Isaac", "Joel",
        "Karim", "Liam", "Marco", "Nikhil", "Owen", "Pablo", "Rohan", "Theo", "Umar", "Yusuf"]

# Family names for grown-ups ("Mrs Patel"), and any other names a question may
# use; the course's variety measure reads all of these as names.
FAMILY_NAMES = ["Patel", "Tan", "Okafor", "Brown", "Lopez", "Kim", "Novak", "Singh", "Evans", "Haddad",
                "Murphy", "Chen", "Rossi", "Nakamura", "Adeyemi", "Clarke", "Silva", "Khan", "Walsh", "Berg"]
OTHER_NAMES = []


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
