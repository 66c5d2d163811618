"""Investigations: what a class or a pupil did, the results as a table or a
graph, and questions on planning a fair test, reading the results, predicting,
concluding and explaining.

An investigation is written as
    (topic, level, skill, introduction, picture, parts)
picture: ("table", headings, rows[, title]), ("bar", title, labels, values,
y label, step, top[, minor]), ("line", title, xs, ys, x label, y label, step,
top, low[, minor]) or None. parts, each one answer box or a fair-test block:
    ("fair", who, [(thing, "change" | "measure" | "same"), ...])
    ("read", question, answer copied from the picture)
    ("bold", question holding the <b>words</b> to choose from, answer)
    ("num", question, number, unit)
    ("pick", question, right answer, three wrong answers)
Every typed answer can be copied from the page (the picture, a bold word), so
that it has exactly one right form."""

from . import drawings as sd
from ..model import Part
from ..names import BOYS, GIRLS
from ..page import answer_line, esc, figure, instruction, options, para
from .page import CHOOSE_IN_PARTS, item, lettered, rich, stem

FAIR_WORDS = ("change", "measure", "same")

ENQUIRIES = [
    # 1 Living things ---------------------------------------------------------------------
    (1, 3, "table", "Zara put 20 woodlice in a long tray. One end of the tray was damp and dark; the other end "
     "was dry and light. After 10 minutes she counted the woodlice at each end.",
     ("table", ["End of the tray", "Number of woodlice"], [["damp and dark", "16"], ["dry and light", "4"]]),
     [("bold", "At which end did most woodlice gather? Write <b>damp</b> or <b>dry</b>.", "damp"),
      ("pick", "Why did Zara use 20 woodlice and <b>not</b> just one?", "so that her result is more reliable",
       ["so that the tray is full", "so that they keep warm", "so that they find food"]),
      ("pick", "What should Zara do with the woodlice when she has finished?", "put them back where she found them",
       ["keep them in the tray", "feed them to birds", "put them in the fridge"])]),
    (1, 2, "graph", "Class 5 searched four places in the school grounds for minibeasts. They searched each place "
     "for 15 minutes. The graph shows what they found.",
     ("bar", "Minibeasts found in 15 minutes", ["under logs", "long grass", "the path", "the pond"], [18, 12, 2, 9],
      "Number of minibeasts", 2, 20, 1),
     [("read", "In which place did they find the most minibeasts? Write it as it is written on the graph.",
       "under logs"),
      ("num", "How many more minibeasts were found under logs than on the path?", 16, "minibeasts"),
      ("pick", "Why did they find so few minibeasts on the path?", "There is little food or shelter there.",
       ["Minibeasts cannot walk on paths.", "The path is too cold all year.", "They did not look there."])]),
    (1, 2, "fair-test", "Owen wants to find out which food the birds in his garden like best. He puts four kinds of "
     "food on his bird table and counts the birds that come to each food in one hour.",
     ("bar", "Birds visiting each food in one hour", ["seeds", "bread", "fat balls", "apple"], [14, 8, 11, 3],
      "Number of birds", 2, 16, 1),
     [("fair", "Owen", [("the kind of food", "change"), ("the amount of each food", "same"),
                        ("the number of birds that visit each food", "measure"), ("how long he watches", "same")]),
      ("read", "Which food did the birds like best? Write it as it is written on the graph.", "seeds")]),
    (1, 3, "fair-test", "Ben put warm water, sugar and yeast into three bottles and stretched a balloon over the top "
     "of each. The water in each bottle was at a different temperature. After 30 minutes he measured how wide "
     "each balloon had blown up.",
     ("table", ["Water in the bottle", "Width of balloon (cm)"], [["cold (5 \u00b0C)", "3"], ["warm (35 \u00b0C)", "14"],
                                                                  ["very hot (70 \u00b0C)", "2"]]),
     [("fair", "Ben", [("the temperature of the water", "change"), ("the amount of sugar", "same"),
                       ("the width of the balloon", "measure"), ("the amount of yeast", "same")]),
      ("pick", "What can Ben conclude?", "Yeast works best in warm water.", ["Yeast works best in cold water.",
       "Yeast works best in very hot water.", "Yeast does not need water."])]),
    (1, 2, "conclude", "Kenji put three slices of the same bread into sealed bags. He kept one bag in a fridge, one "
     "in a kitchen cupboard and one in a warm airing cupboard, and looked at them every day.",
     ("table", ["Where the bag was kept", "Days until mould appeared"], [["fridge", "12"], ["kitchen cupboard", "6"],
                                                                          ["airing cupboard", "3"]]),
     [("read", "Where did mould appear first? Write it as it is written in the table.", "airing cupboard"),
      ("pick", "What does the table show?", "Mould grows faster where it is warm.", ["Mould grows faster where it "
       "is cold.", "Mould grows only in fridges.", "Mould needs light to grow."]),
      ("pick", "Why did Kenji keep each slice in a sealed bag?", "so that nobody breathed in the mould",
       ["so that the mould grew faster", "so that the bread dried out", "so that the mould could escape"])]),
    (1, 3, "table", "Isla counted the daisies in four 1-metre squares on the sunny side of the school field, and in "
     "four squares on the shady side.",
     ("table", ["Side of the field", "Square 1", "Square 2", "Square 3", "Square 4"],
      [["sunny", "12", "15", "11", "14"], ["shady", "3", "5", "2", "4"]], "Daisies counted in each square"),
     [("bold", "Which side of the field had more daisies in every square? Write <b>sunny</b> or <b>shady</b>.",
       "sunny"),
      ("pick", "Why did Isla count four squares on each side, <b>not</b> just one?", "One square on its own might be "
       "unusual.", ["Counting more squares makes the daisies grow.", "It makes the counting quicker.",
                    "Daisies move from square to square."]),
      ("pick", "What is the best explanation of her results?", "Daisies need light to grow well.",
       ["Daisies grow best in the dark.", "Shade makes daisies flower more.", "Daisies grow only on grass."])]),
    (1, 3, "conclude", "Ravi's class rubbed glitter gel on their hands to stand for germs. Then groups washed their "
     "hands in different ways and counted the specks of glitter left on one hand.",
     ("table", ["How they washed", "Specks left"], [["cold water only", "45"], ["warm water only", "38"],
                                                   ["cold water and soap", "12"], ["warm water and soap", "6"]]),
     [("pick", "Which way of washing left the fewest specks?", "warm water and soap",
       ["cold water only", "warm water only", "cold water and soap"]),
      ("pick", "What do the results show?", "Soap removes far more germs than water alone.",
       ["Cold water is best for washing.", "Washing makes no difference.", "Glitter is a germ."]),
      ("pick", "Why did they use glitter instead of real germs?", "Germs are too small to see.",
       ["Glitter is cheaper than soap.", "Germs are too heavy.", "Glitter makes hands clean."])]),
    (1, 2, "conclude", "Hana put three drops near an ant nest: one of sugar water, one of salty water and one of "
     "plain water. Each drop was the same size. After 10 minutes she counted the ants at each drop.",
     ("bar", "Ants at each drop after 10 minutes", ["sugar water", "salty water", "plain water"], [26, 2, 4],
      "Number of ants", 5, 30, 1),
     [("fair", "Hana", [("the kind of drop", "change"), ("the size of each drop", "same"),
                        ("the number of ants at each drop", "measure")]),
      ("pick", "What can Hana conclude?", "The ants were attracted to sugar.", ["The ants were attracted to salt.",
       "The ants liked plain water best.", "The ants did not notice the drops."])]),
    (1, 3, "predict", "A pond has this food chain: water plants are eaten by tadpoles, tadpoles are eaten by "
     "diving beetles, and diving beetles are eaten by fish.", None,
     [("bold", "A disease kills most of the fish. What will happen to the number of diving beetles at first? "
       "Write <b>increase</b> or <b>decrease</b>.", "increase"),
      ("bold", "What will then happen to the number of tadpoles? Write <b>increase</b> or <b>decrease</b>.",
       "decrease"),
      ("pick", "Which living thing in the pond is the producer?", "the water plants", ["the tadpoles",
       "the diving beetles", "the fish"])]),
    (1, 2, "fair-test", "Liam wants to find out whether earthworms prefer damp soil or dry soil. He puts damp soil "
     "at one end of a tray and dry soil at the other, places 10 worms in the middle and covers the tray.", None,
     [("fair", "Liam", [("how damp the soil is", "change"), ("the kind of soil", "same"),
                        ("the number of worms at each end after an hour", "measure"),
                        ("the amount of light on each end", "same")]),
      ("pick", "Why does Liam cover the tray?", "so that light does not affect where the worms go",
       ["so that the worms can sleep", "so that the soil stays dry", "so that the worms cannot breathe"])]),
    (1, 2, "table", "Tara looked at five animals in a nature book and wrote down some facts about them.",
     ("table", ["Animal", "Body covering", "How its young begin"], [["robin", "feathers", "egg"],
                                                                    ["newt", "moist skin", "egg"],
                                                                    ["hedgehog", "hair and spines", "born alive"],
                                                                    ["adder", "dry scales", "egg"],
                                                                    ["trout", "wet scales", "egg"]]),
     [("read", "Which animal in the table is a mammal? Write its name as it is written in the table.", "hedgehog"),
      ("read", "Which animal in the table is a reptile?", "adder"),
      ("read", "Which animal in the table is an amphibian?", "newt")]),
    (1, 3, "conclude", "Ms Okafor's class counted the snails in two gardens. One garden had many song thrushes, "
     "which eat snails. The other garden had a cat that kept the birds away.",
     ("table", ["Garden", "Song thrushes seen", "Snails found"], [["with thrushes", "9", "14"],
                                                                    ["with the cat", "1", "63"]]),
     [("bold", "In which garden were more snails found? Write <b>thrushes</b> or <b>cat</b>.", "cat"),
      ("pick", "What is the most likely explanation?", "The thrushes ate many of the snails.",
       ["Snails are afraid of thrushes' songs.", "Cats eat snails.", "Snails prefer gardens with cats."])]),

    # 2 Plants ------------------------------------------------------------------------------
    (2, 2, "fair-test", "Emma grew three bean plants of the same size. She put one on a sunny windowsill, one in a "
     "dim corner and one in a dark cupboard, and watered each the same. After two weeks she counted their leaves.",
     ("bar", "Leaves on each plant after two weeks", ["windowsill", "dim corner", "cupboard"], [9, 6, 3],
      "Number of leaves", 2, 10, 1),
     [("fair", "Emma", [("where the plant is kept", "change"), ("the amount of water", "same"),
                        ("the number of leaves", "measure")]),
      ("pick", "What can Emma conclude?", "Bean plants grow best with plenty of light.",
       ["Bean plants grow best in the dark.", "Light makes no difference.", "Bean plants need no water."])]),
    (2, 3, "conclude", "Noah grew cress in four pots. Each day he gave each pot a different amount of water. After "
     "a week he measured the height of the cress.",
     ("table", ["Water each day (ml)", "Height after a week"], [["0", "did not grow"], ["10", "3 cm"],
                                                                ["20", "5 cm"], ["100", "1 cm (soil soaked)"]]),
     [("read", "How much water each day gave the tallest cress? Write the number as it is written in the table.",
       "20"),
      ("pick", "What do Noah's results show?", "Cress needs water, but too much is harmful.",
       ["The more water, the taller the cress.", "Cress grows best with no water.", "Water makes no difference."]),
      ("fair", "Noah", [("the amount of water each day", "change"), ("the height of the cress", "measure"),
                        ("the number of seeds in each pot", "same")])]),
    (2, 3, "table", "Fatima put 20 cress seeds on damp paper in each of three dishes. She kept one dish in a "
     "fridge, one in the classroom and one near a radiator. After 5 days she counted the seeds that had "
     "germinated.",
     ("table", ["Place", "Temperature (\u00b0C)", "Seeds germinated"], [["fridge", "4", "2"],
                                                                       ["classroom", "20", "18"],
                                                                       ["near the radiator", "30", "16"]]),
     [("read", "Where did the most seeds germinate? Write it as it is written in the table.", "classroom"),
      ("pick", "Which of these did Fatima keep the same to make her test fair?", "the number of seeds in each dish",
       ["the temperature", "the place", "the number of seeds that germinated"]),
      ("pick", "Why did so few seeds germinate in the fridge?", "It was too cold for them.",
       ["It was too dark for them.", "They had too much water.", "They had too much air."])]),
    (2, 2, "graph", "Ivan stood a stick of celery in water with red food colouring. Every hour he measured how far "
     "the red colour had risen up the stem.",
     ("line", "How far the colour rose", [0, 1, 2, 3, 4, 5], [0, 2, 4, 6, 7, 8], "Time (hours)",
      "Height of colour (cm)", 2, 10, 0, 1),
     [("num", "How far had the colour risen after 2 hours?", 4, "cm"),
      ("pick", "What does Ivan's investigation show?", "Water travels up the stem of a plant.",
       ["Celery makes red colouring.", "Water travels down the stem.", "Stems do not carry water."]),
      ("pick", "About how far will the colour have risen after 6 hours?", "about 9 cm",
       ["about 2 cm", "about 20 cm", "0 cm"])]),
    (2, 3, "fair-test", "Jack made paper spinners like sycamore seeds, with wings of different lengths. He dropped "
     "each spinner from the top of the stairs and timed how long it took to reach the floor.",
     ("table", ["Length of wings (cm)", "Time to fall (seconds)"], [["4", "1.2"], ["6", "1.6"], ["8", "2.1"],
                                                                   ["10", "2.5"]]),
     [("fair", "Jack", [("the length of the wings", "change"), ("the height he drops it from", "same"),
                        ("the time it takes to fall", "measure"), ("the kind of paper", "same")]),
      ("pick", "What pattern do the results show?", "The longer the wings, the slower the spinner falls.",
       ["The longer the wings, the faster the spinner falls.", "Wing length makes no difference.",
        "Short wings fall most slowly."])]),
    (2, 2, "graph", "Sofia measured the height of her sunflower at the end of each week.",
     ("line", "Height of Sofia's sunflower", [0, 1, 2, 3, 4, 5], [5, 12, 24, 40, 58, 75], "Week",
      "Height (cm)", 10, 80, 0, 5),
     [("read", "How tall was the sunflower at the end of week 3? Write the number of centimetres from the graph.",
       "40"),
      ("pick", "Between which two weeks did the sunflower grow the most?", "weeks 3 and 4",
       ["weeks 0 and 1", "weeks 1 and 2", "weeks 4 and 5"])]),
    (2, 3, "graph", "Mr Chen's class grew two tomato plants. One was given plant food each week and the other "
     "was not. At the end of the summer they counted the tomatoes.",
     ("bar", "Tomatoes on each plant", ["no plant food", "plant food"], [6, 11], "Number of tomatoes", 2, 12, 1),
     [("bold", "Which plant grew more tomatoes? Write <b>with</b> or <b>without</b> (plant food).", "with"),
      ("pick", "How could the class make their results more reliable?", "grow several plants of each kind",
       ["grow the plants in different places", "count the tomatoes twice", "give both plants plant food"])]),
    (2, 3, "explain", "Tom set up four dishes of bean seeds and left them for a week.",
     ("table", ["Dish", "What the dish had", "Did the seeds germinate?"],
      [["P", "dry cotton wool, warm room", "no"], ["Q", "damp cotton wool, warm room", "yes"],
       ["R", "damp cotton wool, fridge", "no"], ["S", "seeds under water, warm room", "no"]]),
     [("read", "In which dish did the seeds germinate? Write its letter.", "Q"),
      ("pick", "Why did the seeds in dish S <b>not</b> germinate?", "They had no air.", ["They had no water.",
       "They were too warm.", "They had too much light."]),
      ("pick", "What do dishes Q and R show together?", "Seeds need warmth to germinate.",
       ["Seeds need light to germinate.", "Seeds need soil to germinate.", "Seeds need cold to germinate."])]),
    (2, 2, "graph", "Amara watched four patches of flowers of different colours for 20 minutes each and counted "
     "the bees that landed on them.",
     ("bar", "Bees landing in 20 minutes", ["yellow", "blue", "red", "white"], [22, 17, 5, 9], "Number of bees",
      5, 25, 1),
     [("read", "Which colour did the most bees visit? Write it as it is written on the graph.", "yellow"),
      ("fair", "Amara", [("the colour of the flowers", "change"), ("how long she watches each patch", "same"),
                         ("the number of bees that land", "measure")])]),
    (2, 2, "table", "Finn held different seeds in front of a fan and measured how far each was blown.",
     ("table", ["Seed", "Distance blown (cm)"], [["dandelion", "320"], ["sycamore", "150"], ["sunflower", "35"],
                                               ["pea", "20"]]),
     [("read", "Which seed was blown the furthest? Write its name as it is written in the table.", "dandelion"),
      ("pick", "Why was that seed blown so far?", "It has a light parachute of hairs.", ["It is the heaviest seed.",
       "It is round and smooth.", "It is the biggest seed."]),
      ("pick", "What must Finn keep the same for every seed?", "the distance from the fan", ["the kind of seed",
       "the distance the seed is blown", "the colour of the seed"])]),
    (2, 3, "predict", "Yuki put a potted plant on a windowsill. After four days all its leaves and stems were "
     "leaning towards the window.", None,
     [("pick", "Why were the leaves leaning towards the window?", "to get as much light as possible",
       ["to get away from the light", "to find water", "to keep warm"]),
      ("pick", "Yuki turns the pot round so the leaves face the room. What will most likely happen over the next "
       "few days?", "The leaves will turn back towards the window.", ["The leaves will keep facing the room.",
        "The plant will stop growing.", "The leaves will fall off."])]),
    (2, 2, "fair-test", "Pooja wants to find out whether bean plants grow taller when they are watered with "
     "rainwater or with tap water. She grows two plants side by side on a windowsill.", None,
     [("fair", "Pooja", [("the kind of water", "change"), ("the height of each plant", "measure"),
                         ("the amount of water given", "same"), ("the size of the pots", "same"),
                         ("the kind of bean", "same")])]),

    (2, 2, "fair-test", "Rosa's class wanted to know whether cress grows best in soil, sand or cotton wool. They "
     "sowed 20 seeds in each and measured the tallest shoot after ten days.",
     ("table", ["What the seeds grew in", "Tallest shoot (mm)"], [["soil", "42"], ["sand", "25"],
                                                                  ["cotton wool", "38"]]),
     [("fair", "the class", [("what the seeds grow in", "change"), ("the number of seeds", "same"),
                        ("the height of the tallest shoot", "measure"), ("the amount of water", "same")]),
      ("read", "In which did the cress grow tallest? Write it as it is written in the table.", "soil")]),
    (2, 3, "table", "Carlos planted sunflower seeds at different depths in the soil and counted the days until "
     "each shoot appeared.",
     ("table", ["Depth of seed (cm)", "Days until the shoot appeared"], [["1", "5"], ["3", "7"], ["6", "11"],
                                                                          ["10", "did not appear"]]),
     [("bold", "Does a deeper seed take <b>more</b> or <b>fewer</b> days to appear?", "more"),
      ("pick", "Why did the seed at 10 cm never appear?", "Its food store ran out before it reached the light.",
       ["It had too much light.", "It was too warm down there.", "Seeds cannot grow in soil."])]),
    (2, 2, "graph", "Ms Rossi's class counted the seeds in five dandelion clocks.",
     ("bar", "Seeds in each dandelion clock", ["clock 1", "clock 2", "clock 3", "clock 4", "clock 5"],
      [160, 120, 180, 140, 150], "Number of seeds", 20, 200, 10),
     [("read", "Which dandelion clock had the most seeds? Write it as it is written on the graph.", "clock 3"),
      ("pick", "Why does a dandelion make so many seeds?", "Many seeds land where they cannot grow.",
       ["Each seed grows into a clock.", "The seeds are too heavy to fly.", "Birds need all the seeds."])]),
    # 3 Life cycles and the body -------------------------------------------------------------
    (3, 2, "table", "Oscar measured his pulse after one minute of each activity.",
     ("table", ["Activity", "Pulse (beats per minute)"], [["sitting", "70"], ["walking", "92"], ["jogging", "124"],
                                                         ["sprinting", "152"]]),
     [("read", "Which activity made his pulse highest? Write it as it is written in the table.", "sprinting"),
      ("pick", "What pattern does the table show?", "The harder the activity, the faster the pulse.",
       ["The harder the activity, the slower the pulse.", "The pulse stays the same.", "Walking is harder than "
        "jogging."]),
      ("pick", "Oscar sits down for ten minutes after sprinting. What will his pulse most likely be?", "about 70",
       ["about 152", "about 200", "about 10"])]),
    (3, 3, "graph", "After a fast run, Nadia measured her pulse every minute while she rested.",
     ("line", "Nadia's pulse while resting", [0, 1, 2, 3, 4, 5], [140, 118, 100, 88, 80, 76], "Minutes after the run",
      "Pulse (beats per minute)", 20, 160, 60, 10),
     [("num", "What was her pulse 2 minutes after the run?", 100, "beats per minute"),
      ("pick", "Why was her pulse so high just after the run?", "Her muscles needed extra oxygen.",
       ["Her muscles needed less blood.", "She was cold.", "Her heart had stopped."]),
      ("pick", "What will her pulse most likely be 10 minutes after the run?", "about 72", ["about 140",
       "about 100", "about 30"])]),
    (3, 2, "table", "Class 4 kept frogspawn in a tank and wrote down what they saw.",
     ("table", ["Week", "What they saw"], [["1", "jelly-covered eggs"], ["2", "tiny tadpoles hatch"],
                                          ["6", "back legs grow"], ["9", "front legs grow"],
                                          ["12", "small froglets"]]),
     [("read", "In which week did the back legs grow? Write the number.", "6"),
      ("pick", "Which change will happen next to the froglets?", "Their tails will disappear.",
       ["They will grow gills.", "They will turn back into eggs.", "They will grow wings."]),
      ("pick", "What is this change from tadpole to frog called?", "metamorphosis", ["pollination",
       "germination", "evaporation"])]),
    (3, 3, "graph", "The graph shows how tall a boy was on each birthday.",
     ("line", "Height on each birthday", [0, 2, 4, 6, 8, 10], [50, 86, 102, 116, 128, 139], "Age (years)",
      "Height (cm)", 20, 160, 40, 10),
     [("pick", "How tall was he on his 6th birthday?", "116 cm", ["102 cm", "128 cm", "6 cm"]),
      ("pick", "When did he grow fastest?", "between birth and age 2", ["between ages 4 and 6",
       "between ages 6 and 8", "between ages 8 and 10"])]),
    (3, 3, "conclude", "Grace left pieces of eggshell in four drinks for a week. Eggshell is a little like the hard "
     "enamel on our teeth.",
     ("table", ["Drink", "The eggshell after a week"], [["water", "no change"], ["milk", "no change"],
                                                      ["orange juice", "soft and thin"], ["cola", "brown and soft"]]),
     [("fair", "Grace", [("the kind of drink", "change"), ("the size of each piece of eggshell", "same"),
                         ("what the eggshell looks like after a week", "measure")]),
      ("pick", "What can Grace conclude?", "Some drinks may damage our teeth.", ["All drinks damage our teeth.",
       "Milk makes teeth soft.", "Water turns teeth brown."])]),
    (3, 2, "table", "Hugo dropped a ruler between Ben's fingers five times. Each time he wrote down how far the "
     "ruler fell before Ben caught it.",
     ("table", ["Try", "1", "2", "3", "4", "5"], [["Distance (cm)", "18", "15", "14", "12", "11"]]),
     [("pick", "What do the results show?", "Ben caught the ruler more quickly with practice.",
       ["Ben got slower each time.", "The ruler got heavier.", "Ben caught it at the same place each time."]),
      ("pick", "Why did Hugo repeat the test five times?", "to make the results more reliable",
       ["to make the ruler longer", "to tire Ben out", "to make the test unfair"])]),
    (3, 3, "conclude", "Ines measured the height and the arm span of five friends.",
     ("table", ["Friend", "Height (cm)", "Arm span (cm)"], [["Ada", "134", "133"], ["Joel", "141", "142"],
                                                          ["Mina", "128", "128"], ["Umar", "146", "145"],
                                                          ["Vera", "137", "138"]]),
     [("read", "Who is the tallest of the five? Write the name as it is written in the table.", "Umar"),
      ("pick", "What can Ines conclude?", "A person's arm span is about the same as their height.",
       ["Arm span is always twice the height.", "Tall people have short arms.", "Arm span has nothing to do with "
        "height."])]),
    (3, 2, "table", "Rohan counted his breaths in one minute before and after skipping.",
     ("table", ["When", "Breaths in one minute"], [["before skipping", "16"], ["after skipping", "34"]]),
     [("pick", "How many more breaths did he take in a minute after skipping?", "18", ["16", "34", "50"]),
      ("pick", "Why did he breathe faster after skipping?", "His muscles needed more oxygen.",
       ["His lungs got smaller.", "He was getting cold.", "He needed less air."])]),
    (3, 2, "table", "Jasmin's class found out how many teaspoons of sugar are in a glass of some drinks.",
     ("table", ["Drink", "Teaspoons of sugar"], [["cola", "9"], ["orange squash", "5"], ["milk", "3"],
                                                ["water", "0"]]),
     [("read", "Which drink has the most sugar? Write it as it is written in the table.", "cola"),
      ("pick", "Which is the best drink for healthy teeth?", "water", ["cola", "orange squash", "all of them"]),
      ("pick", "Why is too much sugar bad for our teeth?", "Bacteria feed on it and make acid that causes decay.",
       ["It makes teeth grow too big.", "It makes teeth white.", "It stops us chewing."])]),
    (3, 2, "table", "Elif kept a caterpillar in a tank and wrote down how long each stage of its life cycle "
     "lasted.",
     ("table", ["Stage", "How long it lasted (days)"], [["egg", "5"], ["caterpillar", "14"], ["pupa", "10"],
                                                       ["adult butterfly", "14"]]),
     [("read", "Which stage lasted the shortest time? Write it as it is written in the table.", "egg"),
      ("pick", "How many days was it from the egg being laid to the butterfly coming out of the pupa?", "29 days",
       ["14 days", "24 days", "43 days"]),
      ("pick", "What does the caterpillar do during its 14 days?", "It eats and grows.", ["It lays eggs.",
       "It flies to flowers.", "It sleeps inside a shell."])]),
    (3, 3, "fair-test", "Marco wants to find out whether older children can hold their breath for longer than "
     "younger children.", None,
     [("fair", "Marco", [("the age of the children", "change"), ("how long each child holds their breath", "measure"),
                         ("whether they sit or stand", "same"), ("what they did just before", "same")]),
      ("pick", "How could Marco make his results more reliable?", "test many children of each age",
       ["test one child of each age", "test only his friends", "let the children choose their times"])]),

    (3, 2, "graph", "Class 6 asked 30 pupils how many portions of fruit and vegetables they ate the day before.",
     ("bar", "Portions of fruit and vegetables eaten", ["0 to 1", "2 to 3", "4", "5 or more"], [4, 12, 8, 6],
      "Number of pupils", 2, 14, 1),
     [("pick", "Which answer did the most pupils give?", "2 to 3 portions", ["0 to 1 portions", "4 portions",
       "5 or more portions"]),
      ("num", "How many pupils ate 5 or more portions?", 6, "pupils"),
      ("pick", "Why should we eat at least five portions a day?", "They give us vitamins, minerals and fibre.",
       ["They make us grow taller at once.", "They stop us needing water.", "They give us most of our protein."])]),
    (3, 3, "table", "Ryan asked pupils of different ages how many hours they usually sleep each night.",
     ("table", ["Age", "Hours of sleep"], [["5 years", "11"], ["8 years", "10"], ["11 years", "9"],
                                          ["adult", "8"]]),
     [("bold", "As people get older, do they usually sleep <b>more</b> or <b>less</b>?", "less"),
      ("pick", "Why is plenty of sleep important for children?", "Their bodies grow and repair while they sleep.",
       ["It keeps their teeth clean.", "It makes them need less food.", "It stops them breathing."])]),
    (3, 2, "fair-test", "Hamza wants to find out whether people's pulse goes up more after skipping or after "
     "star jumps. He asks his friends to try each for one minute.", None,
     [("fair", "Hamza", [("the exercise", "change"), ("the pulse after the exercise", "measure"),
                         ("how long each exercise lasts", "same"), ("the rest before each exercise", "same")]),
      ("pick", "Why should Hamza's friends rest between the two exercises?", "so that their pulse returns to normal",
       ["so that they get hungry", "so that the test is quicker", "so that their pulse stays high"])]),
    # 4 Materials and matter -------------------------------------------------------------------
    (4, 2, "table", "Maya tested four kinds of paper towel, P, Q, R and S. She dipped the same size of each towel "
     "into water, then squeezed it into a measuring jug.",
     ("table", ["Towel", "Water soaked up (ml)"], [["P", "24"], ["Q", "38"], ["R", "15"], ["S", "30"]]),
     [("read", "Which towel soaked up the most water? Write its letter.", "Q"),
      ("fair", "Maya", [("the kind of towel", "change"), ("the size of each towel", "same"),
                        ("the water soaked up", "measure"), ("how long each towel is dipped", "same")])]),
    (4, 3, "graph", "Felix timed how long a sugar cube took to dissolve in water at different temperatures. He "
     "stirred each one in the same way.",
     ("line", "Time for a sugar cube to dissolve", [20, 30, 40, 50, 60], [90, 70, 50, 35, 25],
      "Temperature of the water (\u00b0C)", "Time (seconds)", 20, 100, 0, 10),
     [("num", "How long did the sugar take to dissolve at 40 \u00b0C?", 50, "seconds"),
      ("pick", "What pattern does the graph show?", "The warmer the water, the faster the sugar dissolves.",
       ["The warmer the water, the slower the sugar dissolves.", "Temperature makes no difference.",
        "Sugar does not dissolve in warm water."]),
      ("pick", "How long will it most likely take at 70 \u00b0C?", "about 20 seconds", ["about 100 seconds",
       "about 60 seconds", "about 2 minutes"])]),
    (4, 2, "table", "Lucas put a square of each fabric over a cup, poured 20 ml of water onto it and measured how "
     "much water dripped into the cup.",
     ("table", ["Fabric", "Water in the cup (ml)"], [["cotton", "17"], ["wool", "11"], ["plastic sheet", "0"],
                                                    ["raincoat nylon", "1"]]),
     [("read", "Which fabric let no water through? Write it as it is written in the table.", "plastic sheet"),
      ("pick", "Which fabric would be worst for an umbrella?", "cotton", ["wool", "plastic sheet",
       "raincoat nylon"]),
      ("bold", "Is cotton waterproof? Write <b>yes</b> or <b>no</b>.", "no")]),
    (4, 2, "table", "Daisy put ice cubes of the same size in four places and timed how long each took to melt.",
     ("table", ["Place", "Time to melt (minutes)"], [["freezer", "did not melt"], ["fridge", "90"],
                                                    ["classroom", "30"], ["sunny windowsill", "15"]]),
     [("read", "Where did the ice melt fastest? Write it as it is written in the table.", "sunny windowsill"),
      ("pick", "Why did the ice in the freezer <b>not</b> melt?", "It was below 0 \u00b0C there.",
       ["It was too dark there.", "It was too dry there.", "There was no air there."]),
      ("pick", "What can Daisy conclude?", "Ice melts faster where it is warmer.", ["Ice melts faster where it is "
       "colder.", "All the ice melted at the same time.", "Light makes ice freeze."])]),
    (4, 3, "explain", "George put iron nails into four tubes and looked at them after a week.",
     ("table", ["Tube", "What was in it", "Rust after a week"], [["P", "dry air only", "none"],
                                                                ["Q", "boiled water with oil on top", "none"],
                                                                ["R", "tap water and air", "some"],
                                                                ["S", "salty water and air", "a lot"]]),
     [("read", "Which tube had the most rust? Write its letter.", "S"),
      ("pick", "What do tubes P, Q and R show together?", "Iron needs both air and water to rust.",
       ["Iron needs only air to rust.", "Iron needs only water to rust.", "Iron rusts in oil."]),
      ("pick", "Why was there oil on top of the water in tube Q?", "to stop air getting into the water",
       ["to make the nail rust faster", "to keep the nail warm", "to make the water salty"])]),
    (4, 3, "graph", "Adam hung masses on an elastic band and measured its length each time.",
     ("line", "Length of the elastic band", [0, 100, 200, 300, 400], [8, 10, 12, 14, 16], "Mass hung on it (g)",
      "Length (cm)", 2, 18, 6, 1),
     [("read", "How long was the band with 200 g hung on it? Write the number of centimetres from the graph.",
       "12"),
      ("pick", "What will the length most likely be with 500 g?", "18 cm", ["16 cm", "8 cm", "30 cm"]),
      ("bold", "As the mass goes up, does the band get <b>longer</b> or <b>shorter</b>?", "longer")]),
    (4, 2, "table", "Chloe dropped four balls from a height of 1 metre and measured how high each bounced.",
     ("table", ["Ball", "Height of bounce (cm)"], [["rubber ball", "70"], ["tennis ball", "55"],
                                                  ["plastic ball", "40"], ["modelling clay", "0"]]),
     [("read", "Which ball bounced the highest? Write it as it is written in the table.", "rubber ball"),
      ("fair", "Chloe", [("the kind of ball", "change"), ("the height she drops it from", "same"),
                         ("the height of the bounce", "measure")])]),
    (4, 3, "table", "Kofi poured muddy water through four different filters and looked at the water that came "
     "through.",
     ("table", ["Filter", "The water that came through"], [["gravel", "very cloudy"], ["sand", "a little cloudy"],
                                                          ["cotton wool", "a little cloudy"],
                                                          ["filter paper", "clear"]]),
     [("read", "Which filter made the water clearest? Write it as it is written in the table.", "filter paper"),
      ("pick", "Why did the gravel let mud through?", "The gaps between the stones are big.",
       ["Gravel is made of mud.", "Gravel dissolves in water.", "Gravel is magnetic."]),
      ("pick", "Is the clear water safe to drink?", "No, it may still hold germs and dissolved things.",
       ["Yes, clear water is always safe.", "Yes, because it went through paper.", "No, because it is too cold."])]),
    (4, 2, "table", "Sana stirred a spoonful of four solids into glasses of water.",
     ("table", ["Solid", "What happened"], [["salt", "disappeared"], ["sand", "sank to the bottom"],
                                          ["sugar", "disappeared"], ["flour", "made the water cloudy"]]),
     [("read", "Which solid sank to the bottom? Write it as it is written in the table.", "sand"),
      ("pick", "What happened to the salt and the sugar?", "They dissolved.", ["They melted.", "They evaporated.",
       "They froze."]),
      ("pick", "How could Sana get the sand back out of its water?", "pour it through a filter", ["leave it in the "
       "sun", "stir it faster", "put it in a freezer"])]),
    (4, 2, "fair-test", "Keira wants to find out which of three solids melts fastest: butter, chocolate or ice. She "
     "puts a cube of each on a warm plate.", None,
     [("fair", "Keira", [("the kind of solid", "change"), ("the size of each cube", "same"),
                         ("the time each takes to melt", "measure"), ("the temperature of the plate", "same")])]),
    (4, 3, "conclude", "Dev stirred sugar into water until no more would dissolve, at three temperatures.",
     ("bar", "Spoons of sugar that dissolved", ["cold water", "warm water", "hot water"], [4, 7, 11],
      "Spoons of sugar", 2, 12, 1),
     [("read", "In which water did the most sugar dissolve? Write it as it is written on the graph.", "hot water"),
      ("pick", "What can Dev conclude?", "More sugar dissolves in hotter water.", ["Less sugar dissolves in hotter "
       "water.", "The same amount always dissolves.", "Sugar dissolves only in cold water."]),
      ("fair", "Dev", [("the temperature of the water", "change"), ("the amount of water", "same"),
                       ("the spoons of sugar that dissolve", "measure")])]),

    (4, 3, "fair-test", "Finn wants to find out whether stirring makes salt dissolve faster. He puts a spoonful of "
     "salt into each of two beakers of water and stirs only one of them.",
     ("table", ["Beaker", "Time to dissolve (seconds)"], [["stirred", "40"], ["not stirred", "150"]]),
     [("fair", "Finn", [("whether the water is stirred", "change"), ("the amount of salt", "same"),
                        ("the time the salt takes to dissolve", "measure"), ("the temperature of the water", "same")]),
      ("bold", "Did the salt dissolve faster with stirring or without? Write <b>with</b> or <b>without</b>.",
       "with")]),
    (4, 2, "graph", "Freya's class tested four carrier bags by adding tins until each bag tore.",
     ("bar", "Tins held before the bag tore", ["paper", "thin plastic", "cloth", "thick plastic"], [6, 9, 20, 15],
      "Number of tins", 2, 20, 1),
     [("read", "Which bag was the strongest? Write it as it is written on the graph.", "cloth"),
      ("fair", "the class", [("the kind of bag", "change"), ("the size of the tins", "same"),
                             ("the number of tins held", "measure")])]),
    (4, 2, "table", "Sofia rubbed a steel nail across four materials to see which could be scratched.",
     ("table", ["Material", "Scratched by the nail?"], [["chalk", "yes"], ["wood", "yes"], ["glass", "no"],
                                                       ["slate", "yes"]]),
     [("read", "Which material was <b>not</b> scratched? Write it as it is written in the table.", "glass"),
      ("pick", "What does the test tell Sofia about glass?", "It is harder than the nail.",
       ["It is softer than chalk.", "It is magnetic.", "It is a liquid."])]),
    # 5 Water, heat and light ----------------------------------------------------------------
    (5, 2, "fair-test", "Ruby wants to find out which material keeps a drink warm for longest. She wraps four cups "
     "in different materials, fills them with hot water and measures the temperature after 20 minutes.",
     ("table", ["Material", "Temperature after\n20 minutes (\u00b0C)"], [["wool", "52"], ["foil", "38"],
                                                                       ["cotton", "46"], ["no cover", "34"]]),
     [("fair", "Ruby", [("the material wrapped around the cup", "change"), ("the amount of water", "same"),
                        ("the temperature after 20 minutes", "measure"), ("the starting temperature", "same")]),
      ("read", "Which material kept the water warmest? Write it as it is written in the table.", "wool")]),
    (5, 3, "graph", "Kenji poured hot water into a mug and measured its temperature every 5 minutes.",
     ("line", "Temperature of the water in the mug", [0, 5, 10, 15, 20, 25], [80, 64, 53, 45, 40, 37],
      "Time (minutes)", "Temperature (\u00b0C)", 10, 90, 30, 5),
     [("num", "What was the temperature after 10 minutes?", 53, "\u00b0C"),
      ("pick", "In which 5 minutes did the water cool the most?", "the first 5 minutes", ["the last 5 minutes",
       "from 10 to 15 minutes", "it cooled the same every 5 minutes"]),
      ("pick", "What will the temperature most likely be after 60 minutes?", "about room temperature, 20 \u00b0C",
       ["about 0 \u00b0C", "about 80 \u00b0C", "about 100 \u00b0C"])]),
    (5, 3, "graph", "Class 6 put a stick upright in the playground and measured the length of its shadow during "
     "one sunny day.",
     ("line", "Length of the stick's shadow", [8, 10, 12, 14, 16], [120, 60, 35, 55, 110], "Time of day (o'clock)",
      "Shadow length (cm)", 20, 140, 0, 10),
     [("read", "At which o'clock time was the shadow shortest? Write the number from the graph.", "12"),
      ("pick", "Why was the shadow shortest then?", "The Sun was highest in the sky.", ["The Sun was lowest in "
       "the sky.", "The Sun was behind a cloud.", "The stick had shrunk."]),
      ("pick", "What will the shadow most likely be like at 18 o'clock?", "longer than at 16 o'clock",
       ["shorter than at 12 o'clock", "the same as at 12 o'clock", "exactly 35 cm"])]),
    (5, 3, "table", "Olivia shone a torch at a puppet in front of a screen. She moved the puppet and measured the "
     "height of its shadow.",
     ("table", ["Distance of puppet\nfrom the torch (cm)", "Height of\nshadow (cm)"], [["10", "40"], ["20", "26"],
                                                                                      ["30", "18"], ["40", "14"]]),
     [("bold", "As the puppet moves away from the torch, does its shadow get <b>bigger</b> or <b>smaller</b>?",
       "smaller"),
      ("pick", "Where should Olivia put the puppet to make a shadow about 50 cm high?", "closer than 10 cm to the "
       "torch", ["at 25 cm from the torch", "at 40 cm from the torch", "further than 40 cm from the torch"]),
      ("fair", "Olivia", [("the distance of the puppet from the torch", "change"),
                          ("the height of the shadow", "measure"), ("the distance of the screen from the torch",
                                                                     "same")])]),
    (5, 2, "conclude", "Jamal poured 100 ml of water into each of three dishes of different widths and left them "
     "on a windowsill for three days.",
     ("table", ["Dish", "Water left after 3 days (ml)"], [["narrow", "80"], ["medium", "60"], ["wide", "35"]]),
     [("read", "Which dish lost the most water? Write it as it is written in the table.", "wide"),
      ("pick", "What can Jamal conclude?", "Water evaporates faster from a wider surface.",
       ["Water evaporates faster from a narrow surface.", "The width makes no difference.", "Water does not "
        "evaporate indoors."]),
      ("fair", "Jamal", [("the width of the dish", "change"), ("the amount of water at the start", "same"),
                         ("the water left after 3 days", "measure")])]),
    (5, 2, "table", "Lily hung three wet tea towels in different places and timed how long each took to dry.",
     ("table", ["Place", "What it was like", "Time to dry (hours)"], [["garden", "sunny and windy", "1"],
                                                                     ["airing cupboard", "warm and still", "3"],
                                                                     ["bathroom", "cold and damp", "6"]]),
     [("read", "Where did the towel dry fastest? Write the place as it is written in the table.", "garden"),
      ("pick", "What happened to the water in the towels?", "It evaporated into the air.", ["It condensed.",
       "It froze.", "It soaked into the line."])]),
    (5, 2, "table", "Carmen held a light meter behind four fabrics to choose curtains for a bedroom. The higher the "
     "reading, the more light got through.",
     ("table", ["Fabric", "Light meter reading"], [["no fabric", "500"], ["net", "320"], ["cotton", "110"],
                                                 ["blackout fabric", "0"]]),
     [("read", "Which fabric would keep the bedroom darkest? Write it as it is written in the table.",
       "blackout fabric"),
      ("pick", "Which word describes the net fabric?", "translucent", ["opaque", "magnetic", "waterproof"]),
      ("pick", "Why did Carmen take a reading with no fabric?", "to compare the fabrics with full light",
       ["to make the test take longer", "to test the blackout fabric", "to switch the meter on"])]),
    (5, 3, "graph", "Leah put an ice cube in four boxes made of different materials and checked when each had "
     "melted.",
     ("bar", "Time for the ice to melt", ["foil", "newspaper", "polystyrene", "no box"], [45, 80, 140, 30],
      "Time (minutes)", 20, 160, 10),
     [("read", "Which box kept the ice frozen longest? Write it as it is written on the graph.", "polystyrene"),
      ("pick", "Why did the polystyrene box work so well?", "Polystyrene is a good thermal insulator.",
       ["Polystyrene is a good thermal conductor.", "Polystyrene makes cold.", "Polystyrene is shiny."]),
      ("pick", "Why did Leah also time an ice cube with no box?", "to compare the boxes with no box at all",
       ["to use up the last ice cube", "to make the ice melt slower", "to cool the room"])]),
    (5, 2, "graph", "Ms Novak's class read a thermometer in the playground every two hours on a spring day.",
     ("line", "Temperature in the playground", [8, 10, 12, 14, 16], [6, 10, 15, 17, 12], "Time of day (o'clock)",
      "Temperature (\u00b0C)", 5, 20, 0, 1),
     [("read", "What was the temperature at 10 o'clock? Write the number of degrees from the graph.", "10"),
      ("pick", "When was it warmest?", "at 14 o'clock", ["at 8 o'clock", "at 10 o'clock", "at 16 o'clock"])]),
    (5, 3, "explain", "Nora took a can of juice out of the fridge on a warm day. A few minutes later the outside of "
     "the can was covered in tiny drops of water.", None,
     [("pick", "Where did the drops of water come from?", "water vapour in the air", ["inside the can",
       "the metal of the can", "the cold of the fridge"]),
      ("pick", "What is this change called?", "condensation", ["evaporation", "melting", "freezing"]),
      ("pick", "What would happen if she left a can at room temperature instead?", "No drops would form.",
       ["More drops would form.", "The can would freeze.", "The juice would boil."])]),
    (5, 2, "fair-test", "Omar wants to find out whether black or white clothes keep you cooler in the sun. He puts "
     "a thermometer under a black T-shirt and one under a white T-shirt in the sunshine.", None,
     [("fair", "Omar", [("the colour of the T-shirt", "change"), ("the temperature under each T-shirt", "measure"),
                        ("how long they stay in the sun", "same"), ("the kind of cloth", "same")]),
      ("pick", "Which result would you expect?", "It is cooler under the white T-shirt.", ["It is cooler under "
       "the black T-shirt.", "Both are exactly the same.", "Both show 0 \u00b0C."])]),
    (5, 3, "table", "Wendy shone a torch at four materials in a dark room and wrote down how much light got "
     "through each.",
     ("table", ["Material", "Light through it"], [["clear plastic", "nearly all"], ["tissue paper", "some"],
                                                 ["card", "none"], ["frosted glass", "some"]]),
     [("read", "Which material is opaque? Write it as it is written in the table.", "card"),
      ("pick", "Which two materials are translucent?", "tissue paper and frosted glass",
       ["clear plastic and card", "card and tissue paper", "clear plastic and frosted glass"])]),

    (5, 2, "table", "Bilal shone a torch on four materials at night to choose one for a cycling jacket.",
     ("table", ["Material", "How well it showed up"], [["black cotton", "could not be seen"],
                                                      ["white cotton", "a little"], ["shiny foil", "well"],
                                                      ["reflective strip", "very well"]]),
     [("read", "Which material showed up best? Write it as it is written in the table.", "reflective strip"),
      ("pick", "Why did the reflective strip show up so well?", "It reflects most of the light back.",
       ["It makes its own light.", "It soaks up the light.", "It lets the light through."])]),
    (5, 3, "fair-test", "Noah put two thermometers in glasses of water: one in the sun and one in the shade. After an "
     "hour he read them.",
     ("table", ["Glass", "Temperature after an hour (°C)"], [["in the sun", "29"], ["in the shade", "19"]]),
     [("bold", "Which glass of water became warmer? Write <b>sun</b> or <b>shade</b>.", "sun"),
      ("fair", "Noah", [("where the glass stands", "change"), ("the amount of water", "same"),
                        ("the temperature after an hour", "measure")])]),
    (5, 2, "fair-test", "Lina wants to find out whether salty water evaporates more slowly than fresh water. She "
     "pours the same amount of each into two saucers.", None,
     [("fair", "Lina", [("whether the water is salty", "change"), ("the amount of water left each day", "measure"),
                        ("where the saucers are put", "same"), ("the size of the saucers", "same")]),
      ("pick", "What will be left in the salty saucer when all the water has gone?", "salt crystals",
       ["sugar crystals", "ice", "nothing at all"])]),
    (5, 2, "fair-test", "Jack's class wants to find out where in the school a bowl of water evaporates fastest. "
     "They put a bowl on a radiator, one in a cold corridor and one on a sunny windowsill.",
     ("table", ["Place", "Water left after 2 days (ml)"], [["radiator", "40"], ["cold corridor", "90"],
                                                          ["sunny windowsill", "65"]]),
     [("fair", "the class", [("the place", "change"), ("the water left after 2 days", "measure"),
                             ("the size of the bowl", "same"), ("the amount of water at the start", "same")]),
      ("read", "Where did the water evaporate fastest? Write it as it is written in the table.", "radiator"),
      ("pick", "Why did the water in the corridor evaporate slowest?", "It was the coldest place.",
       ["It was the warmest place.", "It had the most light.", "The bowl was too big."])]),
    (5, 3, "table", "Hana measured the shadow of her toy tree when a torch was held at different heights above "
     "the table.",
     ("table", ["Height of torch (cm)", "Length of shadow (cm)"], [["10", "30"], ["20", "15"], ["40", "8"],
                                                                   ["60", "5"]]),
     [("bold", "When the torch is higher, is the shadow <b>longer</b> or <b>shorter</b>?", "shorter"),
      ("pick", "Which time of day is like holding the torch low?", "early morning", ["midday", "noon in summer",
       "when the Sun is highest"]),
      ("fair", "Hana", [("the height of the torch", "change"), ("the length of the shadow", "measure"),
                        ("where the toy tree stands", "same")])]),
    # 6 Electricity and magnets --------------------------------------------------------------
    (6, 2, "conclude", "Joel put different objects into the gap in a circuit with a cell and a bulb to see which "
     "would make the bulb light.",
     ("table", ["Object in the gap", "Did the bulb light?"], [["steel key", "yes"], ["plastic spoon", "no"],
                                                             ["copper coin", "yes"], ["wooden peg", "no"],
                                                             ["aluminium foil", "yes"]]),
     [("read", "Name one object that is an electrical insulator. Write it as it is written in the table.",
       "plastic spoon"),
      ("fair", "Joel", [("the object in the gap", "change"), ("whether the bulb lights", "measure"),
                        ("the cell and the bulb", "same")]),
      ("pick", "What can Joel conclude?", "The metal objects conduct electricity.", ["All the objects conduct "
       "electricity.", "Wood conducts electricity.", "Only coins conduct electricity."])]),
    (6, 3, "predict", "Mateo built a circuit with a bulb and measured its brightness with a light meter as he "
     "added more cells.",
     ("table", ["Number of cells", "Light meter reading"], [["1", "20"], ["2", "45"], ["3", "70"]]),
     [("bold", "As Mateo adds cells, does the bulb get <b>brighter</b> or <b>dimmer</b>?", "brighter"),
      ("pick", "What might happen if he kept adding more and more cells?", "The bulb might burn out.",
       ["The bulb would go dim.", "Nothing would change.", "The wires would become magnets."])]),
    (6, 2, "fair-test", "Gemma tested four magnets to see how many paper clips each could hold in a chain.",
     ("bar", "Paper clips held by each magnet", ["horseshoe", "bar", "ring", "fridge\nmagnet"], [14, 9, 6, 3],
      "Number of paper clips", 2, 16, 1),
     [("read", "Which magnet was the strongest? Write its name as it is written on the graph.", "horseshoe"),
      ("fair", "Gemma", [("the magnet", "change"), ("the size of the paper clips", "same"),
                         ("the number of clips held", "measure")])]),
    (6, 3, "graph", "Pablo put sheets of card between a magnet and a paper clip, adding one sheet at a time, and "
     "counted how many clips the magnet could still hold.",
     ("line", "Clips held through sheets of card", [0, 2, 4, 6, 8], [12, 9, 6, 3, 1], "Sheets of card",
      "Clips held", 2, 14, 0, 1),
     [("num", "How many clips did the magnet hold through 4 sheets of card?", 6, "clips"),
      ("pick", "What pattern does the graph show?", "The more card, the fewer clips the magnet holds.",
       ["The more card, the more clips the magnet holds.", "Card makes no difference.", "Card is magnetic."])]),
    (6, 2, "fair-test", "Nikhil made circuits with one cell and different lengths of the same kind of wire.",
     ("table", ["Length of wire (cm)", "How bright the bulb was"], [["10", "bright"], ["50", "less bright"],
                                                                   ["100", "dim"]]),
     [("bold", "Does a longer wire make the bulb <b>brighter</b> or <b>dimmer</b>?", "dimmer"),
      ("fair", "Nikhil", [("the length of wire", "change"), ("the number of cells", "same"),
                          ("how bright the bulb is", "measure")])]),
    (6, 3, "predict", "Quinn made an electromagnet by wrapping wire round an iron nail. She counted how many paper "
     "clips it picked up with different numbers of turns of wire.",
     ("table", ["Turns of wire", "Clips picked up"], [["10", "3"], ["20", "6"], ["30", "9"], ["40", "12"]]),
     [("fair", "Quinn", [("the number of turns of wire", "change"), ("the number of clips picked up", "measure"),
                         ("the size of the nail", "same"), ("the number of cells", "same")]),
      ("pick", "How many clips would you expect with 50 turns?", "15", ["12", "10", "50"]),
      ("read", "How many clips did it pick up with 20 turns? Write the number as it is in the table.", "6")]),
    (6, 2, "table", "Ethan tested some objects to see whether a magnet attracted them.",
     ("table", ["Object", "Made of", "Attracted?"], [["key", "iron", "yes"], ["coin", "copper", "no"],
                                                     ["can", "aluminium", "no"], ["pin", "steel", "yes"],
                                                     ["ring", "gold", "no"]]),
     [("read", "Name one object made of metal that was <b>not</b> attracted. Write it as it is written in the "
       "table.", "coin"),
      ("pick", "What can Ethan conclude?", "Only some metals are magnetic.", ["All metals are magnetic.",
       "No metals are magnetic.", "Only gold is magnetic."])]),
    (6, 3, "predict", "Bella made a circuit with a cell and one bulb. Then she added a second and a third bulb, one "
     "after the other in the same loop.",
     ("table", ["Bulbs in the loop", "How bright each bulb was"], [["1", "bright"], ["2", "dim"],
                                                                   ["3", "very dim"]]),
     [("pick", "What would most likely happen with four bulbs in the loop?", "They would be dimmer still.",
       ["They would be very bright.", "Only one would light.", "They would get hot and melt."]),
      ("pick", "How could Bella make the three bulbs brighter again?", "add another cell", ["add another bulb",
       "use longer wires", "open the switch"])]),
    (6, 2, "fair-test", "Isaac wants to find out which of three magnets can attract a paper clip from the furthest "
     "distance. He slides each magnet slowly towards a paper clip on a ruler.", None,
     [("fair", "Isaac", [("the magnet", "change"), ("the distance at which the clip moves", "measure"),
                         ("the paper clip", "same"), ("the surface the clip lies on", "same")]),
      ("pick", "How can Isaac make his results more reliable?", "repeat the test three times for each magnet",
       ["use a different clip each time", "push the magnets quickly", "only test one magnet"])]),
    (6, 3, "use", "Zara built a torch from a cell, a bulb, a switch and wires, but the bulb did <b>not</b> light. "
     "She checked and found that one wire was <b>not</b> touching the cell.", None,
     [("bold", "Was the circuit <b>complete</b> or <b>incomplete</b>?", "incomplete"),
      ("pick", "What should Zara do to make the bulb light?", "connect the loose wire to the cell",
       ["add a second switch", "take the bulb out", "wrap the cell in plastic"])]),
    (6, 3, "conclude", "Owen tested how loud a buzzer was with different numbers of cells, using a sound meter.",
     ("bar", "Loudness of the buzzer", ["1 cell", "2 cells", "3 cells"], [30, 55, 75], "Sound meter reading",
      10, 80, 5),
     [("read", "Which gave the loudest buzz? Write it as it is written on the graph.", "3 cells"),
      ("pick", "What can Owen conclude?", "More cells make the buzzer louder.", ["More cells make the buzzer "
       "quieter.", "Cells make no difference.", "Buzzers do not need cells."])]),
    (6, 2, "table", "Adam tested whether a magnet still attracted a paper clip through different materials.",
     ("table", ["Material between", "Clip attracted?"], [["paper", "yes"], ["water", "yes"], ["plastic", "yes"],
                                                        ["steel sheet", "no"]]),
     [("read", "Through which material did the magnet <b>not</b> attract the clip? Write it as it is written in the "
       "table.", "steel sheet"),
      ("pick", "What can Adam conclude?", "A magnet's pull passes through many materials that are not magnetic.",
       ["A magnet's pull passes through nothing.", "Water blocks a magnet's pull.",
        "Paper is magnetic."])]),
    (6, 3, "predict", "Usha built a fan from a motor, a cell and a switch. Then she tried one, two and three cells.",
     ("table", ["Number of cells", "Turns of the fan in 10 seconds"], [["1", "30"], ["2", "62"], ["3", "95"]]),
     [("bold", "Does the fan turn <b>faster</b> or <b>slower</b> with more cells?", "faster"),
      ("pick", "About how many turns would you expect with 4 cells?", "about 125", ["about 30", "about 62",
       "about 500"])]),
    (6, 2, "fair-test", "Sam wants to find out which of three makes of cell, P, Q and R, keeps a bulb lit for "
     "longest. He puts each new cell in the same circuit and times how long the bulb stays lit.",
     ("table", ["Cell", "Hours the bulb stayed lit"], [["P", "6"], ["Q", "9"], ["R", "4"]]),
     [("read", "Which cell lasted longest? Write its letter.", "Q"),
      ("fair", "Sam", [("the make of cell", "change"), ("how long the bulb stays lit", "measure"),
                       ("the bulb", "same"), ("the wires", "same")])]),
    (6, 3, "graph", "Class 5 found out how far from a compass each of four magnets could make the needle move.",
     ("bar", "Distance at which the needle moved", ["magnet P", "magnet Q", "magnet R", "magnet S"],
      [12, 30, 18, 6], "Distance (cm)", 5, 30, 1),
     [("read", "Which magnet was the strongest? Write its letter.", "Q"),
      ("pick", "How far away could magnet R move the needle?", "18 cm", ["12 cm", "30 cm", "6 cm"]),
      ("pick", "Why does a compass needle move near a magnet?", "The needle is itself a small magnet.",
       ["The needle is made of copper.", "The magnet blows air at it.", "The needle is electric."])]),
]


# Investigations that test the same idea, by the start of their introduction:
# a paper takes at most one investigation of a theme.
THEMES = {
    "Zara put 20 woodlice": "minibeast choice", "Liam wants to find out": "minibeast choice",
    "Emma grew three bean": "plant growth", "Noah grew cress": "plant growth", "Rosa's class": "plant growth",
    "Pooja wants": "plant growth", "Mr Chen's class": "plant growth",
    "Fatima put 20": "germination", "Tom set up four dishes": "germination", "Carlos planted": "germination",
    "Jack made paper spinners": "seeds in the wind", "Finn held different seeds": "seeds in the wind",
    "Oscar measured his pulse": "pulse", "After a fast run": "pulse", "Hamza wants": "pulse",
    "Felix timed": "dissolving", "Dev stirred sugar": "dissolving", "Finn wants to find out whether stirring":
    "dissolving", "Sana stirred": "dissolving",
    "Daisy put ice cubes": "melting", "Keira wants": "melting",
    "Ruby wants": "keeping warm", "Leah put an ice cube": "keeping warm", "Kenji poured hot water": "keeping warm",
    "Jamal poured": "evaporation", "Lily hung three": "evaporation", "Jack's class wants": "evaporation",
    "Lina wants": "evaporation",
    "Class 6 put a stick": "shadows", "Olivia shone": "shadows", "Hana measured the shadow": "shadows",
    "Mateo built": "more cells", "Owen tested how loud": "more cells", "Usha built a fan": "more cells",
    "Gemma tested four magnets": "magnet strength", "Pablo put sheets": "magnet strength",
    "Isaac wants": "magnet strength", "Class 5 found out how far": "magnet strength",
    "Joel put different objects": "conductors", "Ethan tested some objects": "magnetic objects",
    "Adam tested whether a magnet": "magnetic objects",
}


def picture(spec):
    kind = spec[0]
    if kind == "table":
        return sd.data_table(*spec[1:])
    if kind == "bar":
        return sd.bar_graph(*spec[1:])
    if kind == "line":
        return sd.line_graph(*spec[1:])
    raise ValueError(kind)


def pronoun(who):
    """The possessive for a person or a group named in a question."""
    return "her" if who in GIRLS else "his" if who in BOYS else "their"


def fair_block(index, who, rows):
    """Lettered parts sorting what a test changes, measures and keeps the same."""
    roles = [r for _, r in rows]
    if roles.count("change") != 1 or roles.count("measure") != 1 or "same" not in roles:
        raise ValueError("a fair test changes one thing, measures one and keeps the rest the same")
    html = para("To make %s test fair, what should %s do with each of these? Write <b>change</b>, <b>measure</b> "
                "or <b>same</b> (keep the same)." % (pronoun(who), esc(who)))
    parts = []
    for k, (thing, role) in enumerate(rows):
        html += lettered(index + k, rich(thing)) + answer_line(index + k)
        parts.append(Part(role, "T"))
    return html, parts


def enquiry_part(rng, index, spec):
    kind = spec[0]
    if kind == "fair":
        return fair_block(index, spec[1], spec[2])
    if kind == "read":
        return lettered(index, rich(spec[1])) + answer_line(index), [Part(spec[2], "T")]
    if kind == "bold":
        return lettered(index, rich(spec[1])) + answer_line(index), [Part(spec[2], "T")]
    if kind == "num":
        return lettered(index, rich(spec[1])) + answer_line(index, esc(spec[3])), [Part(str(spec[2]), "N")]
    if kind == "pick":
        texts = [spec[2]] + list(spec[3])
        rng.shuffle(texts)
        return lettered(index, rich(spec[1])) + options(texts), [Part(str(texts.index(spec[2]) + 1), "Q")]
    raise ValueError(kind)


def enquiry_items(rng, topic):
    """Every investigation of the topic as one question."""
    items = []
    for n, (t, level, skill, intro, spec, asks) in enumerate(ENQUIRIES):
        if t != topic:
            continue
        pictures = [picture(spec)] if spec else []
        body = instruction(CHOOSE_IN_PARTS) if any(a[0] == "pick" for a in asks) else ""
        body += stem(intro) + (figure(0) if pictures else "")
        parts = []
        for spec_part in asks:
            html, more = enquiry_part(rng, len(parts), spec_part)
            body += html
            parts += more
        theme = next((f for start, f in THEMES.items() if intro.startswith(start)), "enquiry %d" % n)
        items.append(item(topic, skill, level, theme, "enquiry %d" % n, body, parts, pictures))
    return items

