"""Facts for the Science papers: animals, materials, the body, and question
banks written for pupils of about ten."""

MAMMALS = ["dog", "cat", "cow", "whale", "dolphin", "bat", "horse", "rabbit", "elephant", "monkey", "lion",
           "goat", "mouse", "squirrel", "tiger", "camel", "bear"]
BIRDS = ["penguin", "ostrich", "eagle", "parrot", "sparrow", "duck", "owl", "chicken", "pigeon", "swan", "robin"]
REPTILES = ["snake", "lizard", "crocodile", "turtle", "tortoise", "gecko", "alligator"]
AMPHIBIANS = ["frog", "toad", "newt", "salamander"]
FISH = ["shark", "goldfish", "salmon", "tuna", "seahorse", "catfish", "eel"]
INSECTS = ["ant", "bee", "butterfly", "grasshopper", "beetle", "ladybird", "mosquito", "housefly", "cockroach",
           "dragonfly", "moth", "wasp"]
NOT_INSECTS = ["spider", "scorpion", "centipede", "millipede", "earthworm", "snail", "woodlouse", "crab"]

GROUPS = {"mammal": MAMMALS, "bird": BIRDS, "reptile": REPTILES, "amphibian": AMPHIBIANS, "fish": FISH,
          "insect": INSECTS}
GROUP_PLURAL = {"mammal": "mammals", "bird": "birds", "reptile": "reptiles", "amphibian": "amphibians",
                "fish": "fish", "insect": "insects"}

# Animals that surely lay eggs, and animals that surely give birth to live young.
EGG_LAYERS = ["crocodile", "turtle", "tortoise", "alligator", "frog", "toad", "salmon", "goldfish", "tuna",
              "penguin", "eagle", "duck", "chicken", "ostrich", "butterfly", "ant", "mosquito"]
LIVE_YOUNG = [m for m in MAMMALS]
FOUR_STAGE = ["butterfly", "mosquito", "beetle", "ladybird", "housefly", "moth"]
THREE_STAGE = ["cockroach", "grasshopper", "dragonfly"]

# Objects and what they are made of, with properties:
# (object, material, magnetic, conducts electricity)
OBJECTS = [
    ("iron nail", "iron", True, True), ("steel paper clip", "steel", True, True), ("steel pin", "steel", True, True),
    ("iron key", "iron", True, True), ("copper wire", "copper", False, True), ("aluminium can", "aluminium", False, True),
    ("gold ring", "gold", False, True), ("silver spoon", "silver", False, True), ("brass key", "brass", False, True),
    ("plastic ruler", "plastic", False, False), ("wooden spoon", "wood", False, False), ("rubber band", "rubber", False, False),
    ("glass marble", "glass", False, False), ("paper cup", "paper", False, False), ("cotton sock", "cotton", False, False),
    ("wool scarf", "wool", False, False), ("clay pot", "clay", False, False), ("cork", "cork", False, False),
    ("leather belt", "leather", False, False), ("plastic comb", "plastic", False, False),
]

TRANSPARENT = ["clear glass", "clear plastic", "cling film", "a glass window"]
TRANSLUCENT = ["tracing paper", "frosted glass", "greaseproof paper", "wax paper"]
OPAQUE = ["wood", "brick", "cardboard", "a metal tray", "aluminium foil", "a stone", "a book"]

HEAT_CONDUCTORS = ["copper", "iron", "steel", "aluminium", "silver"]
HEAT_INSULATORS = ["wood", "plastic", "wool", "cork", "rubber", "cotton", "styrofoam"]

SOLIDS = ["ice", "wood", "salt", "a stone", "a pencil", "sugar", "sand", "an iron nail", "chocolate"]
LIQUIDS = ["water", "milk", "cooking oil", "orange juice", "vinegar", "honey", "shampoo"]
GASES = ["air", "oxygen", "carbon dioxide", "steam", "water vapour", "the gas in a balloon"]

# (organ, system, job as said of one part: "it takes in ...")
ORGANS = [
    ("heart", "circulatory system", "pumps blood around the body"),
    ("lungs", "respiratory system", "takes in oxygen from the air we breathe"),
    ("stomach", "digestive system", "mixes food with digestive juices"),
    ("small intestine", "digestive system", "takes digested food into the blood"),
    ("large intestine", "digestive system", "takes in water from undigested food"),
    ("skull", "skeletal system", "protects the brain"),
    ("ribcage", "skeletal system", "protects the heart and lungs"),
    ("blood vessels", "circulatory system", "carries blood to all parts of the body"),
    ("windpipe", "respiratory system", "carries air to the lungs"),
    ("mouth", "digestive system", "breaks food into smaller pieces with the teeth"),
]

# Multiple-choice questions: (topic number, question, right answer, wrong answers).
CHOICE = [
    # 1 Living things
    (1, "Which of these is a living thing?", "mushroom", ["rock", "cloud", "plastic toy"]),
    (1, "Which of these is a non-living thing?", "stone", ["fern", "moss", "mushroom"]),
    (1, "What do all living things need to stay alive?", "food, water and air", ["toys and games", "sunlight and sand", "soil and stones"]),
    (1, "Which of these is something that all living things do?", "grow", ["fly", "swim", "walk"]),
    (1, "Mushrooms belong to which group of living things?", "fungi", ["plants", "animals", "insects"]),
    (1, "How do plants get their food?", "They make their own food.", ["They eat insects.", "They take food from the soil only.", "They do not need food."]),
    (1, "Which animal eats only plants?", "cow", ["lion", "eagle", "shark"]),
    (1, "An animal that eats only other animals is called a ...", "carnivore", ["herbivore", "producer", "omnivore"]),
    (1, "An animal that eats both plants and animals is called an ...", "omnivore", ["herbivore", "carnivore", "insect"]),
    (1, "In a food chain, which living thing is always at the start?", "a green plant", ["a lion", "an insect", "a bird"]),
    (1, "Bread mould is a kind of ...", "fungus", ["plant", "animal", "bacteria"]),
    (1, "Which of these helps bread dough to rise?", "yeast", ["salt", "mould", "moss"]),
    (1, "Which body covering do birds have?", "feathers", ["fur", "dry scales", "moist skin"]),
    (1, "Which body covering do most mammals have?", "fur or hair", ["feathers", "dry scales", "shells"]),
    (1, "Which body covering does a frog have?", "moist skin", ["feathers", "fur", "dry scales"]),
    (1, "How many body parts does an insect have?", "3", ["2", "4", "6"]),
    (1, "Which animal is not an insect because it has eight legs?", "spider", ["bee", "ant", "beetle"]),
    # 2 Plants
    (2, "Which part of a plant takes in water from the soil?", "roots", ["leaves", "flowers", "fruits"]),
    (2, "Which part of a plant makes food?", "leaves", ["roots", "stem", "seeds"]),
    (2, "Which part of a plant carries water from the roots to the leaves?", "stem", ["flower", "fruit", "seed"]),
    (2, "Which part of a flowering plant grows into a fruit?", "flower", ["root", "leaf", "stem"]),
    (2, "Plants need sunlight to ...", "make food", ["take in water", "grow roots in the dark", "make seeds fall"]),
    (2, "Which gas do plants take in to make food?", "carbon dioxide", ["oxygen", "nitrogen", "steam"]),
    (2, "Which gas do plants give out when they make food?", "oxygen", ["carbon dioxide", "smoke", "steam"]),
    (2, "The green substance in leaves that traps light is called ...", "chlorophyll", ["sap", "pollen", "nectar"]),
    (2, "What does a seed need to start growing (germinate)?", "water, air and warmth", ["soil, light and wind", "sand and sugar", "darkness only"]),
    (2, "A young plant that grows from a seed is called a ...", "seedling", ["stamen", "spore", "petal"]),
    (2, "Which fruit is spread mainly by water?", "coconut", ["dandelion", "burr", "balsam"]),
    (2, "Which fruit is spread mainly by the wind?", "dandelion", ["coconut", "mango", "tomato"]),
    (2, "Fruits with tiny hooks are spread by ...", "animals", ["water", "splitting", "sunlight"]),
    (2, "Which of these plants does not make flowers?", "fern", ["sunflower", "rose", "mango tree"]),
    (2, "Ferns and mosses make new plants from ...", "spores", ["seeds", "fruits", "flowers"]),
    (2, "What do roots do as well as take in water?", "hold the plant firmly in the ground", ["make food", "make seeds", "attract insects"]),
    (2, "Why do many flowers have bright petals?", "to attract insects", ["to take in water", "to make food", "to hold up the plant"]),
    (2, "Pollen is carried from flower to flower by insects and by the ...", "wind", ["roots", "soil", "rain clouds"]),
    (2, "A plant kept in a dark cupboard for two weeks will most likely ...", "turn pale and weak", ["grow faster", "grow flowers", "turn darker green"]),
    # 3 Life cycles and the body
    (3, "What is the young of a frog called?", "tadpole", ["caterpillar", "chick", "nymph"]),
    (3, "Which stage comes after the egg in the life cycle of a butterfly?", "larva (caterpillar)", ["pupa", "adult", "nymph"]),
    (3, "In which stage of its life cycle does a butterfly not eat?", "pupa", ["larva", "adult", "young caterpillar"]),
    (3, "A young grasshopper is called a ...", "nymph", ["larva", "pupa", "tadpole"]),
    (3, "How many stages are there in the life cycle of a cockroach?", "3", ["2", "4", "5"]),
    (3, "How many stages are there in the life cycle of a butterfly?", "4", ["2", "3", "5"]),
    (3, "Where does a mosquito lay its eggs?", "on the surface of still water", ["in the soil", "on a leaf", "inside a flower"]),
    (3, "Which animal breathes through gills when it is young and through lungs when it is an adult?", "frog", ["fish", "lizard", "bird"]),
    (3, "Which organ pumps blood around the body?", "heart", ["lungs", "stomach", "brain"]),
    (3, "Which part of the skeleton protects the brain?", "skull", ["ribcage", "backbone", "hip bone"]),
    (3, "Which bones protect the heart and the lungs?", "ribs", ["skull", "finger bones", "leg bones"]),
    (3, "In which organ is most of the digested food taken into the blood?", "small intestine", ["stomach", "large intestine", "mouth"]),
    (3, "Where does digestion begin?", "mouth", ["stomach", "small intestine", "large intestine"]),
    (3, "The heart and blood vessels make up the ...", "circulatory system", ["digestive system", "respiratory system", "skeletal system"]),
    (3, "Which gas do we take in when we breathe in?", "oxygen", ["carbon dioxide", "steam", "hydrogen"]),
    (3, "Which gas do we give out when we breathe out?", "carbon dioxide", ["oxygen", "helium", "hydrogen"]),
    (3, "Muscles work together with ... to move the body.", "bones", ["lungs", "blood vessels", "teeth"]),
    (3, "Which food gives us the most energy?", "rice", ["cucumber", "water", "lettuce"]),
    # 4 Materials and matter
    (4, "Which material would be best for a raincoat?", "plastic", ["paper", "cotton", "wool"]),
    (4, "Which material would be best for the window of a house?", "glass", ["wood", "cardboard", "metal"]),
    (4, "Which property makes rubber good for car tyres?", "it is strong and flexible", ["it is transparent", "it is magnetic", "it dissolves in water"]),
    (4, "Why are cooking pots usually made of metal?", "Metal lets heat pass through easily.", ["Metal is light as a feather.", "Metal is transparent.", "Metal melts easily."]),
    (4, "Which of these has a definite shape and a definite volume?", "a wooden block", ["milk", "air", "steam"]),
    (4, "Which of these takes the shape of its container but keeps its volume?", "water", ["a stone", "air", "a coin"]),
    (4, "Which of these fills up any container it is put in?", "air", ["water", "sand", "a brick"]),
    (4, "Matter is anything that has mass and ...", "takes up space", ["is always solid", "is alive", "can be seen"]),
    (4, "Which of these is not matter?", "light", ["water", "air", "a stone"]),
    (4, "What happens to ice when it is left in a warm room?", "It melts.", ["It freezes.", "It boils.", "It condenses."]),
    (4, "Which object will sink in water?", "an iron nail", ["a cork", "a plastic duck", "a wooden stick"]),
    (4, "Which material is the hardest?", "steel", ["sponge", "rubber", "cotton"]),
    (4, "Which material is the most flexible?", "rubber", ["glass", "brick", "stone"]),
    (4, "Which material soaks up water best?", "sponge", ["plastic", "glass", "metal"]),
    # 5 Water, heat and light
    (5, "At what temperature does pure water boil?", "100 \u00b0C", ["0 \u00b0C", "50 \u00b0C", "37 \u00b0C"]),
    (5, "At what temperature does pure water freeze?", "0 \u00b0C", ["100 \u00b0C", "10 \u00b0C", "-50 \u00b0C"]),
    (5, "Wet clothes dry in the sun because the water ...", "evaporates", ["freezes", "condenses", "melts"]),
    (5, "Water droplets form on the outside of a cold glass because of ...", "condensation", ["evaporation", "melting", "boiling"]),
    (5, "What is the main source of heat and light for the Earth?", "the Sun", ["the Moon", "the clouds", "the sea"]),
    (5, "Which of these is not a source of light?", "the Moon", ["the Sun", "a candle flame", "a lit torch"]),
    (5, "Light travels in ...", "straight lines", ["curved lines", "circles", "zigzags only"]),
    (5, "A shadow is formed when light is blocked by an ...", "opaque object", ["transparent object", "open window", "empty glass"]),
    (5, "Which of these lets most light pass through?", "clear glass", ["tracing paper", "cardboard", "wood"]),
    (5, "Which of these reflects light best?", "a mirror", ["a black cloth", "a brick", "a sponge"]),
    (5, "Heat always moves from ...", "a hotter place to a colder place", ["a colder place to a hotter place", "dark things to light things", "big things to small things"]),
    (5, "Why do saucepans often have plastic handles?", "Plastic is a poor conductor of heat.", ["Plastic is a good conductor of heat.", "Plastic is magnetic.", "Plastic is heavy."]),
    (5, "Which instrument measures temperature?", "thermometer", ["ruler", "compass", "scale"]),
    (5, "When we heat water, its temperature ...", "goes up", ["goes down", "stays the same", "turns to zero"]),
    (5, "Which keeps a drink cold for the longest time?", "a cup made of styrofoam", ["a metal cup", "a thin glass", "an open plate"]),
    (5, "Where does the water in rain come from?", "water that evaporated from seas, rivers and lakes", ["the Sun", "the wind", "rocks in the sky"]),
    # 6 Electricity and magnets
    (6, "Which of these is a good conductor of electricity?", "copper", ["plastic", "rubber", "wood"]),
    (6, "Which of these is an insulator of electricity?", "rubber", ["copper", "iron", "aluminium"]),
    (6, "What does a switch do in a circuit?", "opens and closes the circuit", ["makes the battery stronger", "makes the bulb brighter", "stores electricity"]),
    (6, "A bulb lights up only when the circuit is ...", "closed", ["open", "broken", "cut"]),
    (6, "Which part of a circuit gives the electricity?", "the battery", ["the bulb", "the switch", "the wire"]),
    (6, "Why are electric wires covered with plastic?", "to stop electricity from passing to us", ["to make them heavier", "to make them shine", "to make electricity faster"]),
    (6, "Which of these is attracted by a magnet?", "an iron nail", ["a copper coin", "a plastic spoon", "a glass marble"]),
    (6, "Two north poles of magnets are placed close together. They will ...", "repel", ["attract", "stick together", "melt"]),
    (6, "A north pole and a south pole are placed close together. They will ...", "attract", ["repel", "do nothing", "spin round"]),
    (6, "Where is a bar magnet strongest?", "at its poles", ["in the middle", "on its sides", "everywhere the same"]),
    (6, "Which instrument uses a magnet to show directions?", "compass", ["thermometer", "ruler", "telescope"]),
    (6, "A freely hanging bar magnet comes to rest pointing ...", "north and south", ["east and west", "up and down", "in any direction"]),
    (6, "Which of these uses electricity to make heat?", "a kettle", ["a torch", "a fan", "a radio"]),
    (6, "Which of these uses electricity to make movement?", "an electric fan", ["a lamp", "a heater", "a toaster"]),
    (6, "Why should we never touch a switch with wet hands?", "Water can carry electricity to our body.", ["The switch will rust at once.", "Water makes the bulb brighter.", "The battery will go flat."]),
    (6, "Which of these can make a magnet weaker?", "dropping it many times", ["keeping it in a box", "painting it", "putting it on paper"]),
]

# Questions with a one-word or short answer: (topic, question, answer, how to write it).
SHORT = [
    (1, "What do we call a living thing that makes its own food?", "producer", ""),
    (1, "What do we call an animal that is hunted and eaten by another animal?", "prey", ""),
    (1, "What do we call an animal that hunts other animals for food?", "predator", ""),
    (1, "Which group of living things includes mushrooms, moulds and yeast?", "fungi", ""),
    (2, "What is the name of the process in which green plants make food using sunlight?", "photosynthesis", ""),
    (2, "Which gas do green plants give out during photosynthesis?", "oxygen", ""),
    (2, "Which gas do green plants take in from the air to make food?", "carbon dioxide", ""),
    (2, "What is the green substance in leaves called?", "chlorophyll", ""),
    (2, "Which part of a plant holds it up and carries water to the leaves?", "stem", ""),
    (2, "What do we call the movement of seeds away from the parent plant?", "dispersal", ""),
    (2, "What is the yellow powder made by flowers called?", "pollen", ""),
    (3, "What is the young of a butterfly called? (It begins with c.)", "caterpillar", ""),
    (3, "What is the young of a frog called?", "tadpole", ""),
    (3, "What is the young of a cockroach called?", "nymph", ""),
    (3, "Which organ pumps blood around the body?", "heart", ""),
    (3, "Which part of the skeleton protects the brain?", "skull", ""),
    (3, "In which organ is digested food taken into the blood?", "small intestine", ""),
    (3, "Which gas does the body need from the air?", "oxygen", ""),
    (3, "Which system is made up of the mouth, stomach and intestines? Write one word to finish: the ... system.", "digestive", ""),
    (3, "Which system is made up of the nose, windpipe and lungs? Write one word to finish: the ... system.", "respiratory", ""),
    (4, "What is the state of matter of ice?", "solid", ""),
    (4, "What is the state of matter of steam?", "gas", ""),
    (4, "What is the state of matter of milk?", "liquid", ""),
    (4, "What is the name of the change from a solid to a liquid?", "melting", ""),
    (4, "What is the name of the change from a liquid to a solid?", "freezing", ""),
    (4, "Which metal is attracted by a magnet: copper or iron?", "iron", ""),
    (4, "What do we call a material that lets most light pass through it?", "transparent", ""),
    (5, "What is the name of the change from a liquid to a gas at its surface, as when puddles dry up?", "evaporation", ""),
    (5, "What is the name of the change from water vapour to water droplets?", "condensation", ""),
    (5, "What instrument do we use to measure temperature?", "thermometer", ""),
    (5, "What is the dark area formed behind an opaque object when light shines on it?", "shadow", ""),
    (5, "What do we call a material that lets only some light pass through, like tracing paper?", "translucent", ""),
    (5, "What do we call a material that lets no light pass through, like wood?", "opaque", ""),
    (6, "What do we call a material that lets electricity pass through it easily?", "conductor", ""),
    (6, "What do we call a material that does not let electricity pass through it?", "insulator", ""),
    (6, "What do we call the two ends of a magnet, where it is strongest?", "poles", ""),
    (6, "Two south poles are placed next to each other. Do they attract or repel?", "repel", ""),
    (6, "What do we call the path that electricity flows around?", "circuit", ""),
    (6, "Which part of a circuit can break the circuit to turn off a bulb?", "switch", ""),
]

# Questions that accept several spellings or forms: (topic, question, answers).
ALTERNATIVES = [
    (2, "Which part of a flowering plant grows from the flower and holds the seeds?", ["fruit", "fruits"]),
    (2, "Which part of a plant takes in water and mineral salts from the soil?", ["roots", "root"]),
    (2, "Which part of a plant makes food for the plant?", ["leaves", "leaf"]),
    (2, "What grows into a new plant when it gets water, air and warmth?", ["seed", "seeds", "a seed"]),
    (3, "What is the young of a butterfly called? Write either of its two names.", ["caterpillar", "larva"]),
    (3, "Which organs do we breathe with?", ["lungs", "lung", "the lungs"]),
    (3, "Which bones protect the heart and lungs?", ["ribs", "ribcage", "rib cage"]),
    (3, "What is the tube that carries food from the mouth to the stomach?", ["gullet", "oesophagus", "esophagus", "food pipe"]),
    (5, "Where does the energy that makes water evaporate from the sea come from?", ["sun", "the sun", "sunlight", "the sunlight"]),
    (5, "What does water vapour become when it cools in the sky?", ["water droplets", "droplets", "clouds", "cloud"]),
    (6, "What gives the electricity in a torch?", ["battery", "batteries", "cell", "cells"]),
    (6, "Name a metal that is attracted by a magnet.", ["iron", "steel", "nickel", "cobalt"]),
    (4, "What is the gas that bubbles out of a fizzy drink?", ["carbon dioxide", "co2"]),
]

# Number answers: (topic, question, answer, unit printed after the gap).
NUMBERS = [
    (1, "How many legs does an insect have?", 6, "legs"),
    (1, "How many legs does a spider have?", 8, "legs"),
    (1, "How many body parts does an insect have?", 3, "body parts"),
    (3, "How many stages are there in the life cycle of a butterfly?", 4, "stages"),
    (3, "How many stages are there in the life cycle of a grasshopper?", 3, "stages"),
    (5, "At what temperature does pure water boil?", 100, "\u00b0C"),
    (5, "At what temperature does pure water freeze?", 0, "\u00b0C"),
    (6, "How many poles does a bar magnet have?", 2, "poles"),
    (6, "A torch needs 2 batteries. How many batteries are needed for 4 of these torches?", 8, "batteries"),
    (2, "A bean plant was 12 cm tall on Monday and 19 cm tall a week later. How many centimetres did it grow?", 7, "cm"),
    (2, "A sunflower has 4 leaves. Each week it grows 3 more leaves. How many leaves will it have after 2 weeks?", 10, "leaves"),
    (3, "How many chambers does the human heart have?", 4, "chambers"),
]
