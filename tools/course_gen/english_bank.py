"""Word banks and passages for the English papers.

Placeholders in sentences: {name} a pupil, {pos} that pupil's possessive
("her", "his"), {w} the word the question is about."""

# Verbs: base, third person singular, past, past participle, -ing form, and
# endings that read well in every tense ({pos} is the subject's possessive).
VERBS = [
    ("bake", "bakes", "baked", "baked", "baking", ["a chocolate cake", "some oat biscuits", "a loaf of bread"]),
    ("build", "builds", "built", "built", "building", ["a sandcastle on the beach", "a model aeroplane", "a den in the garden"]),
    ("buy", "buys", "bought", "bought", "buying", ["some fresh bread", "a birthday card for {pos} aunt", "a new pair of socks"]),
    ("catch", "catches", "caught", "caught", "catching", ["the early bus", "a big fish in the river", "the ball with one hand"]),
    ("choose", "chooses", "chose", "chosen", "choosing", ["a red kite", "a book about volcanoes", "a seat near the window"]),
    ("clean", "cleans", "cleaned", "cleaned", "cleaning", ["{pos} bedroom", "the fish tank", "the kitchen windows"]),
    ("climb", "climbs", "climbed", "climbed", "climbing", ["the tall oak tree", "the hill behind the school", "the rope in the gym"]),
    ("draw", "draws", "drew", "drawn", "drawing", ["a picture of a horse", "a map of the village", "a funny cartoon"]),
    ("drink", "drinks", "drank", "drunk", "drinking", ["a glass of milk", "some orange juice", "a cup of warm cocoa"]),
    ("eat", "eats", "ate", "eaten", "eating", ["a bowl of noodles", "{pos} lunch in the garden", "a juicy pear"]),
    ("feed", "feeds", "fed", "fed", "feeding", ["the ducks at the pond", "the rabbits", "{pos} goldfish"]),
    ("find", "finds", "found", "found", "finding", ["a shiny coin", "{pos} lost glove", "a snail shell under a leaf"]),
    ("fix", "fixes", "fixed", "fixed", "fixing", ["the broken chair", "the chain of {pos} bicycle", "a hole in the fence"]),
    ("forget", "forgets", "forgot", "forgotten", "forgetting", ["{pos} umbrella", "the name of the song", "{pos} swimming bag"]),
    ("grow", "grows", "grew", "grown", "growing", ["tomatoes in a pot", "sunflowers by the wall", "beans on the balcony"]),
    ("hide", "hides", "hid", "hidden", "hiding", ["the present under the bed", "behind the curtain", "the key in a flowerpot"]),
    ("lose", "loses", "lost", "lost", "losing", ["{pos} pencil case", "the match", "{pos} way in the forest"]),
    ("make", "makes", "made", "made", "making", ["a paper boat", "breakfast for the family", "a card for {pos} teacher"]),
    ("paint", "paints", "painted", "painted", "painting", ["the garden fence", "a picture of the sea", "{pos} bedroom door"]),
    ("plant", "plants", "planted", "planted", "planting", ["some carrot seeds", "a small apple tree", "bulbs in the flower bed"]),
    ("play", "plays", "played", "played", "playing", ["football with {pos} friends", "the piano", "a game of chess"]),
    ("ride", "rides", "rode", "ridden", "riding", ["{pos} bicycle to the library", "a pony at the farm", "the big wheel at the fair"]),
    ("send", "sends", "sent", "sent", "sending", ["a postcard to {pos} cousin", "a message to {pos} friend", "a parcel to {pos} grandmother"]),
    ("sing", "sings", "sang", "sung", "singing", ["a song for {pos} mother", "in the school choir", "a lullaby to the baby"]),
    ("swim", "swims", "swam", "swum", "swimming", ["across the pool", "in the lake", "ten lengths of the pool"]),
    ("take", "takes", "took", "taken", "taking", ["photographs of the birds", "the dog for a walk", "a bus to the museum"]),
    ("teach", "teaches", "taught", "taught", "teaching", ["{pos} brother to whistle", "the puppy a new trick", "{pos} friends a card game"]),
    ("throw", "throws", "threw", "thrown", "throwing", ["the ball over the fence", "bread to the pigeons", "a stone into the pond"]),
    ("wash", "washes", "washed", "washed", "washing", ["the dishes", "the family car", "{pos} muddy boots"]),
    ("watch", "watches", "watched", "watched", "watching", ["a film about whales", "the sunset from the hill", "the rain from the window"]),
    ("win", "wins", "won", "won", "winning", ["the first prize", "the spelling contest", "the running race"]),
    ("write", "writes", "wrote", "written", "writing", ["a letter to {pos} grandfather", "a poem about the sea", "a story about a dragon"]),
    ("carry", "carries", "carried", "carried", "carrying", ["the heavy basket", "the shopping home", "the chairs into the hall"]),
    ("study", "studies", "studied", "studied", "studying", ["for the spelling test", "the map of the island", "the stars with a telescope"]),
    ("tidy", "tidies", "tidied", "tidied", "tidying", ["the classroom", "{pos} toy box", "the bookshelf"]),
    ("visit", "visits", "visited", "visited", "visiting", ["{pos} grandparents", "the science museum", "the zoo"]),
    ("bring", "brings", "brought", "brought", "bringing", ["{pos} lunch to school", "flowers for the teacher", "an umbrella"]),
    ("blow", "blows", "blew", "blown", "blowing", ["out the candles", "bubbles in the garden", "up the balloons"]),
    ("sweep", "sweeps", "swept", "swept", "sweeping", ["the kitchen floor", "the leaves off the path", "the steps"]),
    ("give", "gives", "gave", "given", "giving", ["a gift to {pos} teacher", "{pos} old toys away", "a carrot to the horse"]),
]

PAST_TIMES = ["Yesterday", "Last Saturday", "Last night", "Two days ago", "Last week", "On Sunday morning", "Last summer"]
HABIT_TIMES = ["every Saturday", "every morning", "on Sundays", "after school", "every week", "once a month"]
PLURAL_SUBJECTS = [("My cousins", "their"), ("The twins", "their"), ("We", "our"), ("They", "their"),
                   ("My friends", "their"), ("The children", "their")]

# Nouns with their plurals and a sentence that needs the plural.
PLURALS = [
    ("box", "boxes", "There are three {w} of crayons on the shelf."),
    ("child", "children", "Twenty {w} were waiting at the school gate."),
    ("mouse", "mice", "Two little {w} ran across the kitchen floor."),
    ("leaf", "leaves", "In autumn, the {w} turn yellow and brown."),
    ("knife", "knives", "Please put the forks and {w} on the table."),
    ("tooth", "teeth", "Remember to brush your {w} before bed."),
    ("foot", "feet", "My {w} were cold after the walk in the snow."),
    ("man", "men", "Four {w} carried the piano up the stairs."),
    ("woman", "women", "Three {w} were chatting at the bus stop."),
    ("goose", "geese", "A flock of {w} flew over the lake."),
    ("sheep", "sheep", "The farmer counted forty {w} in the field."),
    ("baby", "babies", "The two {w} were sleeping in their cots."),
    ("city", "cities", "London and Paris are big {w}."),
    ("story", "stories", "Grandma told us funny {w} about her childhood."),
    ("puppy", "puppies", "Our dog had five {w} last spring."),
    ("berry", "berries", "We picked a basket of {w} in the woods."),
    ("toy", "toys", "Please put all your {w} back in the box."),
    ("monkey", "monkeys", "The {w} were swinging from branch to branch."),
    ("key", "keys", "Dad has lost his car {w} again."),
    ("potato", "potatoes", "Mum peeled six {w} for dinner."),
    ("tomato", "tomatoes", "These {w} are red and ripe."),
    ("hero", "heroes", "The firefighters were the {w} of the day."),
    ("piano", "pianos", "The music room has two {w}."),
    ("photo", "photos", "We took lots of {w} on holiday."),
    ("bus", "buses", "Three {w} stopped outside the museum."),
    ("dress", "dresses", "The shop sells party {w} for girls."),
    ("glass", "glasses", "Please fill these {w} with water."),
    ("church", "churches", "There are two old {w} in our town."),
    ("brush", "brushes", "Wash the paint {w} after the art lesson."),
    ("watch", "watches", "Both boys got new {w} for their birthdays."),
    ("fox", "foxes", "We saw two {w} in the garden at night."),
    ("wolf", "wolves", "A pack of {w} howled in the distance."),
    ("half", "halves", "Cut the orange into two {w}."),
    ("loaf", "loaves", "The baker sold fifty {w} of bread this morning."),
    ("shelf", "shelves", "The library has many tall {w}."),
    ("thief", "thieves", "The police caught the two {w}."),
    ("person", "people", "Hundreds of {w} came to watch the parade."),
    ("calf", "calves", "The cow stood in the field with her two {w}."),
    ("life", "lives", "Doctors and nurses save many {w}."),
    ("deer", "deer", "We saw a herd of {w} in the forest."),
    ("ox", "oxen", "Two {w} pulled the heavy cart."),
    ("lady", "ladies", "The two old {w} were feeding the birds."),
    ("roof", "roofs", "Snow covered the {w} of the houses."),
    ("cherry", "cherries", "She put two {w} on top of the cake."),
    ("bench", "benches", "There are five {w} in the park."),
]

# Nouns with two accepted plurals (alternatives keys).
PLURAL_CHOICES = [
    ("hoof", ["hooves", "hoofs"], "The horse's {w} clattered on the stones."),
    ("scarf", ["scarves", "scarfs"], "Grandma knitted warm {w} for all of us."),
    ("dwarf", ["dwarfs", "dwarves"], "The seven {w} lived in a little cottage."),
    ("cactus", ["cacti", "cactuses"], "Three prickly {w} grow on my windowsill."),
    ("fungus", ["fungi", "funguses"], "Many {w} grow on the rotting log."),
    ("zero", ["zeros", "zeroes"], "The number one million has six {w}."),
    ("mosquito", ["mosquitoes", "mosquitos"], "The {w} bit us all night."),
    ("volcano", ["volcanoes", "volcanos"], "Some {w} are still active today."),
    ("mango", ["mangoes", "mangos"], "We bought a box of sweet {w} at the market."),
    ("tornado", ["tornadoes", "tornados"], "Strong {w} can lift cars into the air."),
    ("flamingo", ["flamingos", "flamingoes"], "A group of pink {w} stood in the shallow water."),
]

# Adjectives with comparative and superlative, each with a "than" sentence and a
# superlative sentence.
ADJECTIVES = [
    ("tall", "taller", "tallest", "My brother is {w} than my father.", "That is the {w} building in the city."),
    ("big", "bigger", "biggest", "An elephant is {w} than a horse.", "The blue whale is the {w} animal in the world."),
    ("happy", "happier", "happiest", "She looks {w} today than she did yesterday.", "It was the {w} day of my life."),
    ("good", "better", "best", "My new bicycle is {w} than my old one.", "She is the {w} swimmer in our class."),
    ("bad", "worse", "worst", "The traffic today is {w} than it was yesterday.", "That was the {w} film I have ever seen."),
    ("heavy", "heavier", "heaviest", "This suitcase is {w} than that one.", "The watermelon is the {w} fruit in the basket."),
    ("fast", "faster", "fastest", "A cheetah runs {w} than a lion.", "Ali is the {w} runner in the school."),
    ("beautiful", "more beautiful", "most beautiful", "The garden looks {w} in spring than in winter.",
     "It is the {w} beach I have ever visited."),
    ("thin", "thinner", "thinnest", "This rope is {w} than that one.", "Use the {w} brush to paint the eyes."),
    ("hot", "hotter", "hottest", "Today is {w} than yesterday.", "July is the {w} month of the year here."),
    ("busy", "busier", "busiest", "The shops are {w} on Saturday than on Monday.", "Friday is the {w} day of the week at the bakery."),
    ("funny", "funnier", "funniest", "This joke is {w} than the last one.", "Uncle Joe is the {w} person in our family."),
    ("easy", "easier", "easiest", "The second question was {w} than the first.", "This is the {w} puzzle in the book."),
    ("early", "earlier", "earliest", "Dad gets up {w} than Mum.", "Who arrived at school the {w} today?"),
    ("noisy", "noisier", "noisiest", "Our class is {w} than the class next door.", "The parrot is the {w} bird in the zoo."),
    ("careful", "more careful", "most careful", "You should be {w} than you were last time.",
     "Mia is the {w} writer in the class."),
    ("dangerous", "more dangerous", "most dangerous", "Crossing here is {w} than using the bridge.",
     "This is the {w} part of the mountain."),
    ("exciting", "more exciting", "most exciting", "The second half of the match was {w} than the first.",
     "It was the {w} ride at the fair."),
    ("small", "smaller", "smallest", "A mouse is {w} than a rat.", "The hummingbird is one of the {w} birds."),
    ("long", "longer", "longest", "The Nile is {w} than the Thames.", "This is the {w} bridge in the country."),
    ("young", "younger", "youngest", "My sister is two years {w} than me.", "Sam is the {w} child in the family."),
    ("cold", "colder", "coldest", "It is {w} in the mountains than by the sea.", "January is the {w} month of the year here."),
    ("wet", "wetter", "wettest", "This towel is {w} than that one.", "Last April was the {w} month for years."),
    ("strong", "stronger", "strongest", "An ox is {w} than a donkey.", "He is the {w} boy in the team."),
    ("bright", "brighter", "brightest", "The sun is {w} than the moon.", "Sirius is the {w} star in the night sky."),
    ("wise", "wiser", "wisest", "Grandpa is {w} than all of us.", "The owl was the {w} animal in the forest."),
    ("friendly", "friendlier", "friendliest", "The new puppy is {w} than the old cat.", "She is the {w} girl I know."),
    ("comfortable", "more comfortable", "most comfortable", "The sofa is {w} than the wooden chair.",
     "This is the {w} bed in the house."),
    ("dirty", "dirtier", "dirtiest", "My shoes are {w} than yours.", "That was the {w} puddle on the path."),
    ("quiet", "quieter", "quietest", "The library is {w} than the playground.", "Early morning is the {w} time of the day."),
]

# Spelling mistakes to correct: wrong spelling, right spelling, sentence.
SPELLING = [
    ("recieve", "receive", "Did you {w} my letter?"),
    ("beleive", "believe", "I cannot {w} it is already December."),
    ("freind", "friend", "My best {w} lives next door."),
    ("becuase", "because", "We stayed inside {w} it was raining."),
    ("tommorow", "tomorrow", "We will go swimming {w}."),
    ("wierd", "weird", "The machine made a {w} noise."),
    ("seperate", "separate", "Keep the red beads {w} from the blue ones."),
    ("definately", "definitely", "I will {w} come to your party."),
    ("enviroment", "environment", "We must look after our {w}."),
    ("libary", "library", "I borrowed three books from the {w}."),
    ("Febuary", "February", "My birthday is in {w}."),
    ("Wensday", "Wednesday", "We have art on {w} afternoons."),
    ("suprise", "surprise", "The party was a big {w} for Mum."),
    ("untill", "until", "Wait here {w} I come back."),
    ("begining", "beginning", "Read the story from the {w}."),
    ("diffrent", "different", "The twins wore {w} hats."),
    ("intresting", "interesting", "That was an {w} programme about bees."),
    ("beautifull", "beautiful", "What a {w} rainbow!"),
    ("sentance", "sentence", "Start every {w} with a capital letter."),
    ("neccessary", "necessary", "It is {w} to drink water every day."),
    ("adress", "address", "Write your {w} on the envelope."),
    ("accross", "across", "The ducks swam {w} the pond."),
    ("arguement", "argument", "The two brothers had an {w} about the game."),
    ("calender", "calendar", "Mark the date on the {w}."),
    ("dissapear", "disappear", "The magician made the coin {w}."),
    ("goverment", "government", "The {w} is building a new hospital."),
    ("immediatly", "immediately", "Come here {w}!"),
    ("peice", "piece", "May I have a {w} of cake?"),
    ("probaly", "probably", "It will {w} rain this afternoon."),
    ("thier", "their", "The children hung up {w} coats."),
    ("truely", "truly", "I am {w} sorry for breaking your pencil."),
    ("wich", "which", "I do not know {w} bus to take."),
    ("writting", "writing", "Her {w} is very neat."),
    ("hopeing", "hoping", "We are {w} for sunny weather."),
    ("excercise", "exercise", "Regular {w} keeps you healthy."),
    ("holliday", "holiday", "We went to the seaside for our {w}."),
    ("allways", "always", "She {w} walks to school."),
    ("hieght", "height", "The nurse measured my {w}."),
    ("sissors", "scissors", "Cut the paper with the {w}."),
    ("chocolat", "chocolate", "He ate a bar of {w}."),
    ("vegtable", "vegetable", "Carrot is my favourite {w}."),
    ("biscit", "biscuit", "Would you like a {w} with your milk?"),
    ("stomache", "stomach", "I have a pain in my {w}."),
    ("lissen", "listen", "Please {w} to the story."),
    ("fourty", "forty", "There are {w} pupils in the hall."),
    ("ninty", "ninety", "Grandpa is {w} years old."),
    ("temprature", "temperature", "The {w} dropped below zero last night."),
    ("dictionery", "dictionary", "Look up the word in a {w}."),
    ("experement", "experiment", "We did an {w} with magnets."),
    ("importent", "important", "It is {w} to wash your hands."),
    ("qestion", "question", "Put up your hand if you have a {w}."),
    ("strenght", "strength", "The weightlifter showed great {w}."),
    ("knowlege", "knowledge", "She has a good {w} of birds."),
    ("rythm", "rhythm", "Clap your hands to the {w} of the music."),
    ("restarant", "restaurant", "We had dinner at a Chinese {w}."),
    ("shoping", "shopping", "Mum went {w} for groceries."),
    ("stoped", "stopped", "The bus {w} at the traffic lights."),
    ("runing", "running", "The boys were {w} in the field."),
    ("famly", "family", "My {w} likes to go camping."),
    ("minit", "minute", "Please wait a {w}."),
    ("iland", "island", "They sailed to a small {w}."),
    ("anser", "answer", "Write your {w} in the box."),
    ("bizzy", "busy", "The shop was very {w} today."),
    ("biuld", "build", "Birds {w} nests in spring."),
    ("erly", "early", "We got up {w} to see the sunrise."),
    ("thruogh", "through", "The train went {w} a long tunnel."),
    ("cought", "caught", "The goalkeeper {w} the ball."),
    ("eigth", "eighth", "Our flat is on the {w} floor."),
    ("langauge", "language", "English is my first {w}."),
    ("pleese", "please", "Can I have some water, {w}?"),
]

# The word in brackets turned into the form the gap needs.
WORD_FORMS = [
    ("decide", "decision", "Mum made a quick {w} to leave early."),
    ("happy", "happiness", "Her face was full of {w} when she saw the puppy."),
    ("kind", "kindness", "Thank you for your {w}."),
    ("dark", "darkness", "The room was in complete {w}."),
    ("friend", "friendship", "The two girls have a close {w}."),
    ("care", "careful", "Be {w} when you cross the road."),
    ("help", "helpful", "The shop assistant was very {w} and showed us the way."),
    ("beauty", "beautiful", "What a {w} garden!"),
    ("danger", "dangerous", "It is {w} to play near the railway."),
    ("fame", "famous", "The {w} singer waved to the crowd."),
    ("sun", "sunny", "It was a bright, {w} morning."),
    ("noise", "noisy", "The classroom was very {w} before the teacher came in."),
    ("quick", "quickly", "She ran {w} to catch the bus."),
    ("careful", "carefully", "He carried the eggs {w}."),
    ("easy", "easily", "The clever dog {w} opened the gate."),
    ("happy", "happily", "The children played {w} in the garden."),
    ("success", "successful", "The school fair was very {w}."),
    ("excite", "excited", "The children were {w} about the trip."),
    ("excite", "exciting", "It was an {w} football match."),
    ("invite", "invitation", "We received an {w} to her party."),
    ("explain", "explanation", "The teacher gave a clear {w} of the rules."),
    ("discover", "discovery", "The scientist made an important {w}."),
    ("arrive", "arrival", "Everyone waited for the {w} of the guests."),
    ("strong", "strength", "He needed all his {w} to lift the box."),
    ("long", "length", "What is the {w} of this ribbon?"),
    ("wide", "width", "Measure the {w} of the table."),
    ("high", "height", "The {w} of the wall is two metres."),
    ("true", "truth", "Always tell the {w}."),
    ("enjoy", "enjoyable", "We had an {w} day at the beach."),
    ("comfort", "comfortable", "This armchair is very {w}."),
    ("magic", "magician", "The {w} pulled a rabbit out of his hat."),
    ("music", "musician", "The {w} played the violin beautifully."),
    ("science", "scientist", "She wants to be a {w} when she grows up."),
    ("art", "artist", "The {w} painted a picture of the harbour."),
    ("honest", "honesty", "Her {w} made everyone trust her."),
    ("free", "freedom", "The bird flew out of the cage to its {w}."),
    ("child", "childhood", "Grandpa told us about his {w} in the village."),
    ("hunger", "hungry", "After the long walk, we were very {w}."),
    ("fog", "foggy", "It was too {w} to see the other side of the river."),
    ("luck", "lucky", "You are {w} to have such a kind sister."),
    ("patient", "patience", "You need a lot of {w} to finish a big jigsaw."),
    ("different", "difference", "Can you spot the {w} between the two pictures?"),
    ("polite", "politely", "She asked {w} for a glass of water."),
    ("silent", "silence", "The class sat in {w} during the test."),
    ("brave", "bravery", "The firefighter got a medal for his {w}."),
    ("anger", "angrily", "The man shouted {w} at the noisy dog."),
    ("bore", "bored", "The children were {w} because it rained all day."),
    ("taste", "tasty", "Grandma cooked a {w} meal for us."),
]

# Opposites made with a prefix.
PREFIX_OPPOSITES = [
    ("appear", "disappear", "The sun began to {w} behind the clouds."),
    ("agree", "disagree", "I {w} with you; I think the film was boring."),
    ("like", "dislike", "Many children {w} the taste of bitter gourd."),
    ("tidy", "untidy", "His bedroom was very {w}, with clothes everywhere."),
    ("lock", "unlock", "Use this key to {w} the door."),
    ("pack", "unpack", "When we reached the hotel, we began to {w} our bags."),
    ("possible", "impossible", "It is {w} to see in the dark without a torch."),
    ("patient", "impatient", "The {w} boy kept asking if the cake was ready."),
    ("correct", "incorrect", "Two of your answers were {w}, so please check them."),
    ("complete", "incomplete", "The puzzle is {w} because three pieces are missing."),
    ("visible", "invisible", "The man in the story wore a cloak that made him {w}."),
    ("fair", "unfair", "It is {w} that only one child got a present."),
    ("obey", "disobey", "Children who {w} the rules may get hurt."),
    ("honest", "dishonest", "It was {w} of him to copy his friend's answers."),
    ("safe", "unsafe", "The old bridge is {w}, so nobody may cross it."),
    ("usual", "unusual", "It is {w} to see snow here in May."),
    ("able", "unable", "The shop was closed, so we were {w} to buy bread."),
    ("polite", "impolite", "It is {w} to talk with your mouth full."),
    ("kind", "unkind", "It was {w} of them to laugh at the new girl."),
    ("comfortable", "uncomfortable", "The hard wooden seat was {w}."),
    ("known", "unknown", "The name of the painter is {w}; nobody knows who painted it."),
    ("friendly", "unfriendly", "The dog was {w} and growled at everyone."),
    ("happy", "unhappy", "The little boy was {w} because he lost his kite."),
    ("lucky", "unlucky", "We were {w}: it rained on the only day of our holiday."),
    ("well", "unwell", "Sam stayed at home because he felt {w}."),
    ("cover", "uncover", "The workers tried to {w} the old coins buried in the sand."),
    ("connect", "disconnect", "Always {w} the plug before you clean the machine."),
    ("wrap", "unwrap", "She could not wait to {w} her birthday present."),
    ("load", "unload", "The men began to {w} the boxes from the lorry."),
    ("fold", "unfold", "Please {w} the map so that we can read it."),
    ("healthy", "unhealthy", "Eating too many sweets is {w}."),
    ("expensive", "inexpensive", "The toy was {w}, so I bought it with my pocket money."),
    ("active", "inactive", "The volcano has been {w} for hundreds of years."),
    ("mature", "immature", "It was {w} of the boys to make silly faces during the show."),
    ("perfect", "imperfect", "The vase was {w} because it had a small crack."),
    ("zip", "unzip", "Can you {w} your bag and take out your book?"),
    ("believable", "unbelievable", "His story about a flying pig was {w}."),
]

# Irregular past tenses for "write the past tense of ..." questions.
IRREGULAR_PAST = [
    ("swim", "swam"), ("go", "went"), ("see", "saw"), ("take", "took"), ("write", "wrote"), ("drink", "drank"),
    ("sing", "sang"), ("begin", "began"), ("ring", "rang"), ("run", "ran"), ("eat", "ate"), ("fly", "flew"),
    ("draw", "drew"), ("grow", "grew"), ("know", "knew"), ("throw", "threw"), ("speak", "spoke"), ("break", "broke"),
    ("choose", "chose"), ("freeze", "froze"), ("steal", "stole"), ("wake", "woke"), ("ride", "rode"), ("rise", "rose"),
    ("drive", "drove"), ("fall", "fell"), ("feel", "felt"), ("keep", "kept"), ("sleep", "slept"), ("sweep", "swept"),
    ("leave", "left"), ("teach", "taught"), ("catch", "caught"), ("think", "thought"), ("bring", "brought"),
    ("buy", "bought"), ("fight", "fought"), ("build", "built"), ("send", "sent"), ("spend", "spent"), ("lend", "lent"),
    ("bend", "bent"), ("hold", "held"), ("sell", "sold"), ("tell", "told"), ("stand", "stood"), ("understand", "understood"),
    ("find", "found"), ("hide", "hid"), ("bite", "bit"), ("meet", "met"), ("feed", "fed"),
    ("lead", "led"), ("win", "won"), ("dig", "dug"), ("stick", "stuck"),
    ("shake", "shook"), ("forget", "forgot"), ("get", "got"), ("give", "gave"), ("come", "came"), ("become", "became"),
    ("wear", "wore"), ("tear", "tore"), ("blow", "blew"), ("lose", "lost"), ("pay", "paid"),
    ("say", "said"), ("lay", "laid"), ("sink", "sank"), ("sit", "sat"), ("spin", "spun"), ("swing", "swung"),
]

# Relative clauses: the sentence with a gap, and the relative words that fit.
RELATIVE = [
    ("The book {w} I borrowed from the library was about sharks.", ["that", "which"]),
    ("The cake {w} Mum baked was delicious.", ["that", "which"]),
    ("This is the bicycle {w} my uncle gave me.", ["that", "which"]),
    ("The bus {w} goes to the zoo leaves at nine.", ["that", "which"]),
    ("The song {w} we sang at the concert was very old.", ["that", "which"]),
    ("I found the pen {w} you lost yesterday.", ["that", "which"]),
    ("The kite {w} got stuck in the tree was red.", ["that", "which"]),
    ("The house {w} stands on the hill is empty.", ["that", "which"]),
    ("The river {w} flows through our town is very wide.", ["that", "which"]),
    ("The shoes {w} she bought are too small.", ["that", "which"]),
    ("The girl {w} won the race is my cousin.", ["who", "that"]),
    ("The man {w} lives next door is a baker.", ["who", "that"]),
    ("The pupils {w} finished early went out to play.", ["who", "that"]),
    ("I have a friend {w} can speak three languages.", ["who", "that"]),
    ("The doctor {w} helped me was very kind.", ["who", "that"]),
    ("The boy {w} sits beside me likes chess.", ["who", "that"]),
    ("The children {w} sang in the choir got a prize.", ["who", "that"]),
    ("The lady {w} owns the bakery gave us free buns.", ["who", "that"]),
    ("The boy {w} bag was stolen went to the police.", ["whose"]),
    ("The girl {w} mother is a pilot has flown in a plane many times.", ["whose"]),
    ("I know a man {w} dog can open doors.", ["whose"]),
]

# Prepositions that belong with a word: sentence, right word, three wrong ones.
PREPOSITIONS = [
    ("She is afraid {w} spiders.", "of", ["at", "with", "on"]),
    ("He is very good {w} swimming.", "at", ["on", "of", "for"]),
    ("We are interested {w} stars and planets.", "in", ["on", "at", "for"]),
    ("The room was full {w} balloons.", "of", ["with", "in", "by"]),
    ("I am proud {w} my little sister.", "of", ["for", "at", "on"]),
    ("This town is famous {w} its cheese.", "for", ["of", "at", "on"]),
    ("He apologised {w} being late.", "for", ["of", "at", "on"]),
    ("We will meet {w} Monday.", "on", ["in", "at", "by"]),
    ("My birthday is {w} June.", "in", ["on", "at", "by"]),
    ("School starts {w} eight o'clock.", "at", ["on", "in", "by"]),
    ("She was born {w} 2016.", "in", ["on", "at", "by"]),
    ("The children were excited {w} the trip.", "about", ["of", "on", "in"]),
    ("I agree {w} you.", "with", ["of", "on", "at"]),
    ("She cut the pizza {w} eight slices.", "into", ["at", "of", "on"]),
    ("Please take care {w} your little brother.", "of", ["for", "with", "at"]),
    ("We waited {w} the bus for twenty minutes.", "for", ["of", "on", "at"]),
    ("She is looking {w} her lost key.", "for", ["to", "at", "on"]),
    ("Everyone laughed {w} the clown's joke.", "at", ["on", "of", "to"]),
    ("Please listen {w} the teacher.", "to", ["at", "on", "for"]),
    ("This box is made {w} wood.", "of", ["by", "with", "on"]),
    ("The picture is hanging {w} the wall.", "on", ["at", "of", "to"]),
    ("She sat {w} her two brothers.", "between", ["among", "along", "across"]),
    ("He shared the sweets {w} his five friends.", "among", ["beside", "across", "along"]),
    ("The boys walked {w} the river bank.", "along", ["between", "among", "into"]),
    ("The ball rolled {w} the table and fell off the other side.", "across", ["among", "between", "into"]),
    ("We go to bed {w} night.", "at", ["in", "on", "by"]),
    ("It often snows {w} winter.", "in", ["on", "at", "by"]),
    ("The cat is hiding {w} the bed.", "under", ["over", "above", "across"]),
    ("He divided the class {w} four groups.", "into", ["at", "of", "on"]),
    ("My brother is fond {w} dogs.", "of", ["with", "for", "at"]),
    ("Do not be angry {w} your sister.", "with", ["of", "at", "on"]),
    ("She is good {w} maths.", "at", ["on", "of", "for"]),
    ("The story is {w} a brave little mouse.", "about", ["of", "on", "for"]),
    ("I borrowed a book {w} my friend.", "from", ["to", "of", "at"]),
    ("He lent his pencil {w} me.", "to", ["from", "of", "at"]),
    ("We arrived {w} the station at noon.", "at", ["to", "on", "by"]),
]

# Linking words: sentence, right word, three wrong ones.
CONJUNCTIONS = [
    ("Mei was tired, {w} she finished her homework.", "but", ["so", "because", "or"]),
    ("It was raining, {w} we stayed indoors.", "so", ["but", "because", "although"]),
    ("We stayed indoors {w} it was raining.", "because", ["so", "but", "or"]),
    ("You will get wet {w} you take an umbrella.", "unless", ["because", "so", "and"]),
    ("Wash your hands {w} you eat.", "before", ["until", "because", "unless"]),
    ("Wait here {w} I come back.", "until", ["because", "so", "but"]),
    ("Would you like tea {w} coffee?", "or", ["so", "but", "because"]),
    ("{w} it was cold, we went for a swim.", "Although", ["Because", "So", "Unless"]),
    ("The baby smiled {w} she saw her mother.", "when", ["unless", "so", "but"]),
    ("He was hungry, {w} he made a sandwich.", "so", ["but", "because", "unless"]),
    ("I like apples {w} I do not like pears.", "but", ["so", "because", "or"]),
    ("She could not go out {w} she had a fever.", "because", ["so", "but", "although"]),
    ("The dog barked {w} the postman came.", "when", ["unless", "but", "or"]),
    ("Do your homework {w} you watch television.", "before", ["unless", "because", "but"]),
    ("The road was icy, {w} Dad drove slowly.", "so", ["but", "because", "or"]),
    ("{w} he was only five, he could read well.", "Although", ["Because", "So", "Unless"]),
    ("We can play outside {w} it stops raining.", "if", ["but", "or", "so"]),
    ("I kept quiet {w} the baby was sleeping.", "while", ["unless", "but", "or"]),
    ("She has lived here {w} she was born.", "since", ["until", "or", "but"]),
    ("Brush your teeth {w} you go to bed.", "before", ["unless", "because", "but"]),
    ("He missed the bus {w} he woke up late.", "because", ["so", "but", "unless"]),
    ("The sun came out, {w} we went to the park.", "so", ["because", "but", "unless"]),
    ("We waited {w} the rain stopped.", "until", ["because", "so", "or"]),
    ("The shop was open, {w} it had no bread.", "but", ["so", "because", "or"]),
    ("You can have a biscuit {w} an apple, but not both.", "or", ["so", "but", "because"]),
    ("Nina listened to music {w} she painted.", "while", ["unless", "but", "or"]),
]

COUNTABLE = [("eggs", "are"), ("apples", "are"), ("pencils", "are"), ("books", "are"), ("chairs", "are"), ("biscuits", "are"),
             ("stamps", "are"), ("potatoes", "are"), ("sweets", "are"), ("cups", "are")]
UNCOUNTABLE = [("water", "is"), ("sugar", "is"), ("rice", "is"), ("milk", "is"), ("flour", "is"), ("juice", "is"),
               ("bread", "is"), ("butter", "is"), ("paint", "is"), ("glue", "is")]

# a or an: sentence with a gap, the right article.
ARTICLES = [
    ("She ate {w} orange after lunch.", "an"), ("We waited for {w} hour at the station.", "an"),
    ("He is {w} honest boy.", "an"), ("My aunt works at {w} university.", "a"),
    ("Every pupil wears {w} uniform.", "a"), ("I saw {w} elephant at the zoo.", "an"),
    ("Take {w} umbrella with you.", "an"), ("She wants to be {w} engineer.", "an"),
    ("There is {w} owl in the barn.", "an"), ("He found {w} unicorn toy in the box.", "a"),
    ("We saw {w} eagle on the cliff.", "an"), ("This is {w} easy question.", "an"),
    ("Dad bought {w} new car.", "a"), ("She told us {w} interesting story.", "an"),
    ("It was {w} useful tool.", "a"), ("He has {w} idea for the project.", "an"),
    ("There was {w} old lady at the door.", "an"), ("I need {w} envelope for this letter.", "an"),
    ("We visited {w} island near the coast.", "an"), ("She played {w} European folk song.", "a"),
]

# Question tags: statement with the subject in {s}, the right tag and three wrong ones.
QUESTION_TAGS = [
    ("{s} is your cousin, {w}?", "isn\u2019t {p}", ["is {p}", "doesn\u2019t {p}", "wasn\u2019t {p}"]),
    ("{s} can swim, {w}?", "can\u2019t {p}", ["can {p}", "doesn\u2019t {p}", "isn\u2019t {p}"]),
    ("{s} likes ice cream, {w}?", "doesn\u2019t {p}", ["isn\u2019t {p}", "does {p}", "didn\u2019t {p}"]),
    ("{s} went home early, {w}?", "didn\u2019t {p}", ["doesn\u2019t {p}", "did {p}", "wasn\u2019t {p}"]),
    ("{s} won\u2019t be late, {w}?", "will {p}", ["won\u2019t {p}", "is {p}", "does {p}"]),
    ("{s} isn\u2019t at school today, {w}?", "is {p}", ["isn\u2019t {p}", "does {p}", "was {p}"]),
    ("{s} has finished the book, {w}?", "hasn\u2019t {p}", ["has {p}", "didn\u2019t {p}", "isn\u2019t {p}"]),
    ("{s} was at the party, {w}?", "wasn\u2019t {p}", ["was {p}", "didn\u2019t {p}", "isn\u2019t {p}"]),
    ("{s} doesn\u2019t eat meat, {w}?", "does {p}", ["doesn\u2019t {p}", "is {p}", "did {p}"]),
    ("{s} will help us, {w}?", "won\u2019t {p}", ["will {p}", "doesn\u2019t {p}", "isn\u2019t {p}"]),
]

# Words that fit a sentence: sentence, right word, three wrong ones.
VOCABULARY = [
    ("The baby was {w} because she had not eaten for hours.", "hungry", ["polite", "shiny", "brave"]),
    ("The castle is very {w}; it was built a thousand years ago.", "ancient", ["modern", "tiny", "noisy"]),
    ("The firefighter was very {w} when she ran into the burning house.", "brave", ["lazy", "careless", "greedy"]),
    ("The lemon tasted very {w}.", "sour", ["loud", "gentle", "curly"]),
    ("After the long race, the runners were {w}.", "exhausted", ["delighted", "ancient", "invisible"]),
    ("The library is a {w} place where people read.", "quiet", ["noisy", "rough", "hungry"]),
    ("Please {w} the water carefully into the glass.", "pour", ["throw", "kick", "fold"]),
    ("The {w} of the mountain was covered in snow.", "peak", ["root", "floor", "cellar"]),
    ("The sky turned dark and we heard a loud clap of {w}.", "thunder", ["rainbow", "sunshine", "breeze"]),
    ("A {w} is a person who writes books.", "author", ["pilot", "plumber", "chef"]),
    ("A {w} flies aeroplanes.", "pilot", ["author", "dentist", "farmer"]),
    ("A {w} looks after people's teeth.", "dentist", ["pilot", "plumber", "tailor"]),
    ("A {w} makes and mends clothes.", "tailor", ["dentist", "pilot", "baker"]),
    ("A {w} repairs water pipes.", "plumber", ["tailor", "author", "florist"]),
    ("A {w} sells flowers.", "florist", ["plumber", "dentist", "pilot"]),
    ("The puppy was so {w} that it chewed every shoe in the house.", "naughty", ["obedient", "ancient", "polite"]),
    ("She was {w} of the dark, so she kept a lamp on.", "afraid", ["fond", "proud", "tired"]),
    ("The bread is {w}; it was baked this morning.", "fresh", ["stale", "rotten", "empty"]),
    ("The biscuits were {w}, so we threw them away.", "stale", ["fresh", "crunchy", "delicious"]),
    ("The {w} crowd cheered when the team scored.", "excited", ["bored", "sleepy", "silent"]),
    ("We used a {w} to look at the tiny insects.", "magnifying glass", ["telescope", "thermometer", "calculator"]),
    ("We used a {w} to look at the moon and the stars.", "telescope", ["microscope", "stethoscope", "thermometer"]),
    ("The nurse used a {w} to take my temperature.", "thermometer", ["telescope", "compass", "ruler"]),
    ("The sailors used a {w} to find north.", "compass", ["thermometer", "kettle", "ladder"]),
    ("The path was too {w} for two people to walk side by side.", "narrow", ["wide", "loud", "heavy"]),
    ("He gave a {w} answer, so everybody understood.", "clear", ["muddy", "rough", "hollow"]),
    ("Mum was {w} when I tidied my room without being asked.", "delighted", ["furious", "terrified", "jealous"]),
    ("The glass vase is {w}, so carry it with care.", "fragile", ["sturdy", "flexible", "waterproof"]),
    ("My raincoat is {w}, so I stay dry in the rain.", "waterproof", ["fragile", "transparent", "fluffy"]),
    ("The thief {w} into the house through an open window.", "crept", ["shouted", "sneezed", "whistled"]),
    ("The kitten {w} happily on my lap.", "purred", ["barked", "roared", "neighed"]),
    ("The lion {w} loudly.", "roared", ["purred", "chirped", "quacked"]),
    ("The horse {w} when it saw the apple.", "neighed", ["barked", "hissed", "quacked"]),
    ("The snake {w} at the mouse.", "hissed", ["neighed", "mooed", "chirped"]),
    ("Please {w} the instructions before you start.", "read", ["erase", "forget", "swallow"]),
    ("We {w} the sandwiches equally so everyone had the same.", "shared", ["hid", "dropped", "wasted"]),
    ("The giant was {w}; he was taller than a house.", "enormous", ["tiny", "timid", "humble"]),
    ("The ant is a {w} creature.", "tiny", ["gigantic", "enormous", "massive"]),
    ("The {w} boy gave half of his lunch to a friend who had none.", "generous", ["selfish", "greedy", "rude"]),
    ("He would not share his toys; he was very {w}.", "selfish", ["generous", "helpful", "kind"]),
    ("The road was {w}, with many holes and stones.", "bumpy", ["smooth", "silky", "polished"]),
    ("The {w} of the ship steered it safely into the harbour.", "captain", ["passenger", "cook", "patient"]),
    ("We could not see the road because of the thick {w}.", "fog", ["sunshine", "rainbow", "breeze"]),
    ("The cheetah is the {w} land animal.", "fastest", ["slowest", "smallest", "heaviest"]),
    ("The {w} of the story was a clever girl who saved her village.", "heroine", ["villain", "audience", "author"]),
    ("The {w} clapped loudly at the end of the play.", "audience", ["actors", "heroine", "author"]),
    ("The {w} in the story stole the king's crown.", "villain", ["hero", "audience", "guard"]),
    ("The soup was too hot, so I waited for it to {w} down.", "cool", ["heat", "boil", "grow"]),
    ("Autumn leaves {w} from the trees.", "fall", ["climb", "float up", "grow"]),
    ("A {w} of wind blew my hat away.", "gust", ["drop", "slice", "flock"]),
    ("The {w} is the coldest part of the year.", "winter", ["summer", "spring", "noon"]),
    ("Bats sleep during the day and are {w} at night.", "active", ["asleep", "frozen", "silent"]),
    ("The doctor told him to rest until he {w}.", "recovered", ["disappeared", "forgot", "refused"]),
    ("The puzzle was so {w} that nobody could solve it.", "difficult", ["simple", "obvious", "easy"]),
    ("Please {w} the lid tightly so that the juice does not spill.", "screw", ["pour", "peel", "bounce"]),
    ("The explorers had to {w} the wide river in a small boat.", "cross", ["climb", "dig", "bake"]),
    ("The farmer will {w} the wheat in August.", "harvest", ["sow", "water", "prune"]),
    ("The stars {w} in the night sky.", "twinkle", ["rumble", "crumble", "wobble"]),
    ("The jelly {w} when I shook the plate.", "wobbled", ["twinkled", "roared", "melted"]),
    ("The old bridge was so {w} that it might fall down at any moment.", "unsafe", ["sturdy", "new", "strong"]),
    ("She whispered so {w} that I could hardly hear her.", "softly", ["loudly", "angrily", "proudly"]),
    ("The children {w} when the clown fell over.", "giggled", ["wept", "groaned", "shivered"]),
    ("We {w} in the cold wind because we had no coats.", "shivered", ["giggled", "sweated", "yawned"]),
    ("He {w} because he was sleepy.", "yawned", ["giggled", "shivered", "cheered"]),
    ("The water in the pond was {w}, so we could see the fish.", "clear", ["muddy", "dark", "thick"]),
    ("The detective found a {w} that helped him solve the mystery.", "clue", ["crumb", "tune", "flock"]),
    ("The train was {w} because of the snow, so we arrived late.", "delayed", ["early", "empty", "finished"]),
    ("She {w} the prize for the best drawing.", "won", ["lost", "missed", "hid"]),
]

SYNONYMS = [
    ("enormous", "huge"), ("tiny", "little"), ("rapid", "quick"), ("cheerful", "merry"), ("furious", "angry"),
    ("frightened", "scared"), ("clever", "intelligent"), ("courageous", "brave"), ("exhausted", "tired"),
    ("silent", "quiet"), ("begin", "start"), ("shout", "yell"), ("stare", "gaze"), ("wealthy", "rich"),
    ("simple", "easy"), ("ancient", "old"), ("damp", "wet"), ("filthy", "dirty"), ("assist", "help"),
    ("purchase", "buy"), ("reply", "answer"), ("vanish", "disappear"), ("repair", "mend"), ("weep", "cry"),
    ("grin", "smile"), ("leap", "jump"), ("gather", "collect"), ("delicious", "tasty"),
    ("odd", "strange"), ("chilly", "cold"), ("shut", "close"),
    ("fearless", "bold"), ("chat", "talk"), ("tale", "story"), ("unwell", "ill"),
]

ANTONYMS = [
    ("ancient", "modern"), ("arrive", "depart"), ("generous", "selfish"), ("victory", "defeat"), ("shallow", "deep"),
    ("narrow", "wide"), ("accept", "refuse"), ("rough", "smooth"), ("exit", "entrance"), ("asleep", "awake"),
    ("always", "never"), ("float", "sink"), ("strong", "weak"), ("remember", "forget"), ("cheap", "expensive"),
    ("noisy", "quiet"), ("bottom", "top"), ("heavy", "light"), ("empty", "full"), ("polite", "rude"),
    ("question", "answer"), ("friend", "enemy"), ("tame", "wild"), ("inside", "outside"), ("lend", "borrow"),
    ("brave", "cowardly"), ("sharp", "blunt"), ("sunrise", "sunset"), ("dangerous", "safe"), ("buy", "sell"),
]

COLLECTIVES = [
    ("a {w} of sheep", "flock", ["herd", "swarm", "pack"]),
    ("a {w} of cows", "herd", ["flock", "swarm", "school"]),
    ("a {w} of bees", "swarm", ["herd", "pack", "litter"]),
    ("a {w} of wolves", "pack", ["swarm", "bunch", "flock"]),
    ("a {w} of lions", "pride", ["litter", "swarm", "bunch"]),
    ("a {w} of grapes", "bunch", ["herd", "pack", "flock"]),
    ("a {w} of puppies", "litter", ["swarm", "bunch", "fleet"]),
    ("a {w} of ships", "fleet", ["herd", "litter", "pride"]),
    ("a {w} of birds", "flock", ["herd", "pride", "litter"]),
    ("a {w} of football players", "team", ["herd", "flock", "swarm"]),
    ("a {w} of people watching a match", "crowd", ["herd", "pride", "fleet"]),
    ("a {w} of elephants", "herd", ["swarm", "flock", "bunch"]),
    ("a {w} of stairs", "flight", ["herd", "litter", "swarm"]),
    ("a {w} of cards", "pack", ["herd", "pride", "swarm"]),
    ("a {w} of bananas", "bunch", ["herd", "litter", "pride"]),
    ("a {w} of musicians playing together", "band", ["herd", "litter", "swarm"]),
]

HOMOPHONES = [
    ("I can {w} the sea from my window.", "see", ["sea", "seed", "seen"]),
    ("The wind {w} my hat off.", "blew", ["blue", "blow", "blown"]),
    ("We ate {w} lunch in the park.", "our", ["hour", "are", "ours"]),
    ("I {w} a letter to my pen friend.", "wrote", ["rote", "write", "written"]),
    ("There are {w} apples in the bowl.", "eight", ["ate", "eighth", "eaten"]),
    ("She tied a {w} in her hair.", "bow", ["bough", "bowl", "boy"]),
    ("The {w} is shining brightly.", "sun", ["son", "soon", "sung"]),
    ("I have a {w} in my shoe.", "hole", ["whole", "hold", "holy"]),
    ("Please {w} the door quietly.", "close", ["clothes", "cloth", "closed"]),
    ("The knight rode through the dark {w}.", "night", ["knight", "nut", "knit"]),
    ("Can you tell me the {w}, please?", "way", ["weigh", "whey", "wave"]),
    ("The baker used {w} to make bread.", "flour", ["flower", "floor", "flow"]),
    ("We walked for an {w}.", "hour", ["our", "are", "ours"]),
    ("I would like a {w} of cake.", "piece", ["peace", "pies", "peas"]),
    ("They put on {w} coats.", "their", ["there", "they're", "they"]),
    ("He has a pain in his {w}.", "heel", ["heal", "he'll", "hill"]),
    ("The {w} sat on a branch and sang.", "bird", ["beard", "bard", "bud"]),
]

# Cloze passages in which each gap needs the right form of the word in
# brackets: [answer|word in brackets].
FORM_PASSAGES = [
    ("A day at the beach",
     "Last Saturday, Mei and her father [went|go] to the beach. The sun [was|be] shining and the sea "
     "[looked|look] calm. Mei [built|build] a big sandcastle while her father [sat|sit] under an umbrella. "
     "After lunch, they [swam|swim] in the shallow water. Mei [saw|see] a small crab near the rocks. She "
     "[wanted|want] to take it home, but her father [said|say] that it should stay by the sea. They "
     "[drove|drive] home tired but happy."),
    ("The lost kitten",
     "Every morning, Ravi [feeds|feed] the birds in his garden. One morning he [heard|hear] a tiny cry "
     "coming from the bushes. He [looked|look] under the leaves and [found|find] a little kitten. It "
     "[was|be] wet and hungry. Ravi [carried|carry] it inside and [gave|give] it some warm milk. Since "
     "then, the kitten has [lived|live] with Ravi's family. Now it [sleeps|sleep] on his bed every night, "
     "and Ravi [is|be] very happy."),
    ("The school play",
     "Our class is [preparing|prepare] a play for the end of the year. Last week, our teacher [chose|choose] "
     "the actors. I [got|get] the part of a wise old owl. At the moment, my mother is [making|make] my "
     "costume. It [has|have] brown feathers and big yellow eyes. I have already [begun|begin] to learn my lines. "
     "Yesterday we [rehearsed|rehearse] in the hall for two hours. Tomorrow we will [paint|paint] the "
     "scenery. I hope everyone [enjoys|enjoy] the show. My grandparents have [promised|promise] to come."),
    ("A rainy Sunday",
     "It [rained|rain] all day last Sunday, so we [stayed|stay] at home. My sister and I [played|play] "
     "board games in the living room. Then Dad [taught|teach] us how to make pancakes. I [broke|break] "
     "the eggs and my sister [mixed|mix] the flour and milk. The first pancake [stuck|stick] to the pan, "
     "but the others [were|be] perfect. We [ate|eat] them with honey. It [was|be] the best rainy day ever."),
    ("The science fair",
     "Every year, our school [holds|hold] a science fair. This year, Aisha and Tom [built|build] a model "
     "volcano. They [used|use] baking soda and vinegar to make it erupt. When the judges [came|come] to "
     "their table, the volcano [bubbled|bubble] over with red foam. Everyone [laughed|laugh] and "
     "[clapped|clap]. In the end, the judges [gave|give] them the first prize. Aisha and Tom [were|be] "
     "very proud. They are already [planning|plan] next year's project."),
    ("Grandpa's garden",
     "My grandfather [loves|love] his garden. He [grows|grow] beans, carrots and tomatoes. Last spring, I "
     "[helped|help] him plant some seeds. We [dug|dig] small holes and [dropped|drop] a seed into each one. "
     "Then we [covered|cover] them with soil and [watered|water] them. A few weeks later, tiny green "
     "shoots [appeared|appear]. Now the plants [are|be] taller than me, and we have [picked|pick] lots of "
     "vegetables."),
    ("The football match",
     "Yesterday our team [played|play] against the team from the school across the river. It was a cold "
     "afternoon and the field [was|be] muddy. In the first half, neither team [scored|score]. Then, just "
     "before the end, Omar [kicked|kick] the ball high into the air. It [flew|fly] over the goalkeeper's "
     "head and [landed|land] in the net. We [won|win] the match! Our coach [shook|shake] everyone's hand. "
     "We have never [felt|feel] so happy. Next week we [are|be] playing again."),
    ("The birthday surprise",
     "Hana's birthday [was|be] on Friday. Her friends [planned|plan] a surprise party for her. Lily "
     "[baked|bake] a strawberry cake and Zara [blew|blow] up forty balloons. They [hid|hide] behind the "
     "sofa and [waited|wait] quietly. When Hana [opened|open] the door, everyone [jumped|jump] out and "
     "[shouted|shout] \u201cSurprise!\u201d Hana [laughed|laugh] so much that she almost dropped her bag."),
    ("A visit to the zoo",
     "Last month, our class [visited|visit] the city zoo. First we [watched|watch] the penguins. They "
     "[jumped|jump] into the water and [swam|swim] very fast. Then we [went|go] to see the giraffes. One "
     "giraffe [bent|bend] its long neck and [took|take] a leaf from my teacher's hand. After lunch, a "
     "keeper [told|tell] us about the elephants. An elephant [drinks|drink] about a hundred litres of "
     "water every day, she [explained|explain]."),
    ("Learning to ride",
     "When I [was|be] six, my mother [bought|buy] me a blue bicycle. At first I [fell|fall] off again and "
     "again. My knees [were|be] sore and I [wanted|want] to give up. My brother [held|hold] the back of the "
     "seat and [ran|run] beside me. One day he [took|take] his hand away without telling me, and I [rode|ride] all "
     "the way to the gate by myself! Now my sister [rides|ride] to school with me every day."),
    ("The snowman",
     "When we [woke|wake] up on Monday, the garden [was|be] white. It had [snowed|snow] all night. My "
     "brother and I quickly [pulled|pull] on our coats and gloves and [ran|run] outside. We [rolled|roll] a "
     "huge ball of snow for the body and a smaller one for the head. Mum [gave|give] us a carrot for the "
     "nose. We [used|use] stones for the eyes. Then we [added|add] a scarf. By lunchtime, our snowman [stood|stand] proudly by the gate."),
    ("A letter from camp",
     "Dear Mum, I [am|be] having a wonderful time at camp. Every morning our leader [wakes|wake] us up "
     "at seven. Yesterday we [climbed|climb] a hill and [saw|see] two deer. In the evening, we "
     "[sat|sit] around a fire and [sang|sing] songs. Our leader [told|tell] us a spooky story. I have "
     "[made|make] three new friends. Tomorrow we are [going|go] canoeing. You [were|be] right about the warm socks! Love, Sam."),
    ("The clever crow",
     "One hot summer day, a thirsty crow [was|be] looking for water. At last it [found|find] a jug with a "
     "little water at the bottom. The crow [tried|try] to drink, but its beak [was|be] too short. Then it "
     "[had|have] a clever idea. It [picked|pick] up small stones and [dropped|drop] them into the jug one "
     "by one. Slowly the water [rose|rise] to the top. The crow [drank|drink] happily and then "
     "[flew|fly] away."),
    ("Moving house",
     "Last month my family [moved|move] to a new house. The day before, we [packed|pack] everything into "
     "boxes. Two strong men [carried|carry] our furniture into a big van. My little brother [cried|cry] "
     "because he [did|do] not want to leave his friends. When we [arrived|arrive], he [ran|run] into the garden "
     "and [discovered|discover] a tree house. He [stopped|stop] crying at once. Now he [thinks|think] the "
     "new house is the best house in the world."),
]

# Longer passages with twenty gaps.
LONG_PASSAGES = [
    ("The treasure hunt",
     "Last Saturday, my cousins [came|come] to stay with us. In the morning, my mother [organised|organise] "
     "a treasure hunt in the garden. She [hid|hide] ten [clues|clue] in different places. Each clue "
     "[told|tell] us where to find the next one. The first clue [was|be] under a flowerpot. It [said|say], "
     "\u201cLook where the birds [have|have] their breakfast.\u201d We [ran|run] to the bird table and "
     "[found|find] the second clue. My cousin Leo is the [youngest|young] of us, but he [solved|solve] the "
     "most clues. The last clue [led|lead] us to the garden shed. Inside, we [discovered|discover] a box "
     "full of [sweets|sweet]. We [shared|share] them [equally|equal] and [ate|eat] them on the "
     "grass. It was the [best|good] treasure hunt we have ever [had|have]."),
    ("The storm",
     "It was a dark and [windy|wind] night. Rain [was|be] beating against the windows, and the trees "
     "[bent|bend] in the wind. Suddenly, all the lights [went|go] out. My little sister [screamed|scream] "
     "and [held|hold] my hand. Dad [found|find] some candles and [placed|place] them on the table. We [sat|sit] "
     "together and [listened|listen] to the thunder. Mum [told|tell] us stories about her [childhood|child] "
     "on a farm. Her stories were [funnier|funny] than any film. After an hour, the storm [grew|grow] "
     "weaker. The lights [came|come] on again and we all [cheered|cheer]. The next morning, we [saw|see] "
     "that two [branches|branch] had fallen in the garden, but nobody [was|be] hurt. It was the most "
     "[exciting|excite] night of the year."),
    ("The new pupil",
     "On Monday, a new pupil [joined|join] our class. Her name [was|be] Yuki, and she [came|come] from "
     "Japan. At first she [was|be] very shy and [spoke|speak] very [quietly|quiet]. Our teacher [asked|ask] "
     "me to look after her. I [showed|show] her the library, the hall and the school "
     "garden. At lunchtime we [sat|sit] together, and she [taught|teach] me to write my name in Japanese. "
     "I [taught|teach] her some English [songs|song]. We [laughed|laugh] a lot. The next day, Yuki [wrote|write] me a thank-you card and [drew|draw] a cat "
     "on it. By the end of the week, Yuki [had|have] many "
     "friends. Now she is one of the [happiest|happy] girls in the class, and we [are|be] best friends. "
     "Next month, her family [is|be] inviting me to a Japanese dinner. I have never [eaten|eat] sushi "
     "before!"),
    ("The village market",
     "Every Saturday, the village [holds|hold] a market in the square. A farmer [sells|sell] fresh "
     "fruit and [vegetables|vegetable], and a baker [offers|offer] warm bread. Last week, my grandmother "
     "[took|take] me with her. We [bought|buy] two [loaves|loaf] of bread and a bag of apples. An old man "
     "[was|be] selling honey from his own bees. He [allowed|allow] me to taste it. It was the [sweetest|sweet] honey "
     "I have ever [tasted|taste]. Grandma [chose|choose] a big jar and [paid|pay] for it. Then we [stopped|stop] to watch a "
     "juggler. He [threw|throw] five balls into the air and [caught|catch] every one. The crowd "
     "[clapped|clap] [loudly|loud]. On the way home, Grandma [told|tell] me that she had [gone|go] to the "
     "same market when she was a girl."),
    ("The camping trip",
     "During the holidays, my family [went|go] camping by a lake. When we [arrived|arrive], Dad and I "
     "[pitched|pitch] the tent while Mum [collected|collect] wood for a fire. My brother [caught|catch] a big "
     "fish in the lake, and we [cooked|cook] it for dinner. It [tasted|taste] [delicious|delicious]. At "
     "night, we [lay|lie] outside and [looked|look] at the stars. I had never [seen|see] so many. Dad "
     "[pointed|point] at the [brightest|bright] one and [said|say] it was a planet. Later, we [heard|hear] "
     "an owl hooting in the trees. In the morning, the lake [was|be] very calm, and we [swam|swim] before "
     "breakfast. Before we left, we [packed|pack] everything away. It was the most [wonderful|wonder] trip, and we [are|be] going again next summer."),
]

# Passages with numbered choices at each gap: {right|wrong|wrong|wrong}.
CHOICE_PASSAGES = [
    ("The lighthouse keeper",
     "Mr Finch lived {on|under|into|of} a small island. He was the keeper {of|for|with|from} the lighthouse. "
     "Every evening he climbed the {steep|hungry|sleepy|angry} stairs to light the lamp. Ships could see the "
     "light {from|to|by|off} far away. One stormy night, the lamp went out {because|so|but|although} the "
     "wind broke a window. Mr Finch {quickly|never|rudely|lazily} fixed the glass and lit the lamp again. "
     "A fishing boat that {was|were|is|be} sailing nearby reached the harbour safely. The next day, the "
     "fishermen {thanked|blamed|chased|ignored} him. They gave {him|he|his|himself} a basket of fish. "
     "Mr Finch was {proud|afraid|bored|jealous} of his work."),
    ("Bees in the garden",
     "Bees are very useful {insects|plants|stones|clouds}. They fly {from|of|at|with} flower to flower "
     "collecting nectar. {While|Unless|Because|Although} they do this, they carry pollen to other flowers. "
     "This helps plants {to|for|at|of} make seeds. Bees take the nectar back to {their|there|they|them} hive "
     "and turn it into honey. A hive can hold {thousands|hundred|few|much} of bees. {Most|Much|Every|Whole} "
     "of them are worker bees. The queen bee lays all the {eggs|egg|eggs'|eggses}. If you see a bee, stay "
     "{calm|angry|noisy|excited}, and it will {usually|never|sadly|badly} fly away."),
    ("The library visit",
     "On Tuesday our class walked {to|at|in|on} the town library. The librarian {showed|showing|show|shown} "
     "us how to find books. She said that books about animals are {on|in|at|by} the third shelf. Omar "
     "chose a book {about|of|from|with} sharks, and I chose one about space. We {each|every|any|much} got "
     "a library card with our names {on|at|for|by} it. The librarian told us to return the books "
     "{within|during|since|until} two weeks. {If|Unless|Though|Whether} we keep them longer, we must pay a "
     "small fine. We promised {to|for|at|of} look after the books. I cannot wait {to|for|at|of} read mine."),
    ("The hungry caterpillar",
     "A tiny caterpillar hatched {from|of|by|with} an egg on a leaf. It was {very|many|much|lot} hungry, "
     "so it began to eat {at|on|in|by} once. It ate leaf after leaf {until|unless|because|since} it was "
     "big and fat. Then it made a hard case {around|between|among|above} itself. This case is called a "
     "{pupa|nest|hive|burrow}. The caterpillar stayed inside {for|since|from|by} two weeks. During that "
     "time, it changed {completely|complete|completion|completes}. At last the case split open and a "
     "beautiful butterfly {crawled|crawls|crawling|crawl} out. It dried {its|it's|it|their} wings and flew away."),
    ("A trip to the mountains",
     "Last winter, we spent a week {in|on|at|to} the mountains. The air was cold {and|but|or|so} fresh. "
     "Every morning, we {went|gone|go|going} skiing on the snowy slopes. My sister is a {better|good|best|well} "
     "skier than me, but I am learning fast. On the third day, I fell {into|at|of|since} a deep pile of "
     "snow. Everyone laughed, and so {did|do|done|does} I. In the evenings, we drank hot chocolate {by|of|since|for} "
     "the fire. Dad told us {that|what|which|who} the mountains were millions of years old. I {have|has|had|having} "
     "never seen such a {beautiful|beautifully|beauty|beautify} place."),
    ("The kind stranger",
     "Leah was walking home {when|unless|because|until} it started to pour with rain. She had forgotten "
     "{her|she|hers|herself} umbrella at school. She stood {under|over|above|through} a tree, but the "
     "leaves did not keep {her|she|hers|herself} dry. An old lady came {out|off|of|on} of a nearby house. "
     "\u201cCome inside {until|since|unless|during} the rain stops,\u201d she said. She gave Leah a towel "
     "and a cup {of|for|with|from} hot tea. They talked {about|by|at|under} books, and Leah learnt that the "
     "lady had been a teacher. When the rain stopped, Leah thanked her {warmly|warm|warmth|warmer}. Now she "
     "visits the lady {every|all|many|few} Sunday."),
    ("Recycling at school",
     "Our school has started a recycling project. There are three {bins|bin|binned|binning} in every "
     "classroom. Paper goes {into|onto|off|out} the blue bin, plastic into the yellow bin and food into "
     "the green bin. {Every|All|Both|Many} Friday, two pupils empty the bins. The paper is sent to a "
     "factory {where|when|which|who} it is made into new paper. Food waste is turned {into|onto|with|for} "
     "compost for the school garden. Since the project {started|starts|starting|start}, we have {thrown|throw|threw|throwing} "
     "away much less rubbish. Our head teacher is very {pleased|pleasing|pleasure|please}. She says that "
     "{everyone|no one|nothing|nowhere} can help to look after our planet, {even|ever|every|yet} small children."),
    ("The old clock",
     "In my grandfather's hall stands a tall, old clock. It {was|is|were|be} made more than a hundred "
     "years ago. Every Sunday, Grandpa winds it {with|by|from|of} a brass key. The clock has a loud, "
     "deep {chime|squeak|whisper|crunch}. It strikes every hour, {so|but|or|although} we always know the "
     "time. Once, the clock stopped {working|work|works|worked}. Grandpa {took|take|taken|taking} it apart and found a tiny "
     "spider {inside|outside|beyond|across} it! After he {removed|remove|removing|removes} the spider, the "
     "clock ticked again. Grandpa says the clock will be {mine|my|me|I} one day. I will look after it as "
     "{carefully|careful|care|careless} as he does."),
    ("The talent show",
     "Our school held a talent show {on|in|at|by} Friday evening. The hall was {full|fill|filled up|fully} "
     "of parents and teachers. The first act was a boy {who|which|whose|whom} juggled five oranges. Next, "
     "two girls danced {gracefully|graceful|grace|graced}. Then it was my turn. My hands were {shaking|shake|shook|shaken} "
     "as I walked onto the stage. I sang a song {that|who|whose|where} my grandmother taught me. When I "
     "finished, everyone clapped and {cheered|cheering|cheers|cheer}. I did not win, {but|so|or|because} I was "
     "very proud of {myself|me|mine|my}. The winner was a girl {who|which|whose|what} played the violin."),
    ("How seeds travel",
     "Plants cannot walk, {but|so|or|because} their seeds can travel a long way. Some seeds are very "
     "light and are carried {by|with|from|of} the wind. Others, like coconuts, can float {on|of|at|since} "
     "water for many weeks. Many animals help {to|for|at|of} spread seeds too. Birds eat berries, and the "
     "seeds pass {through|across|along|among} their bodies. Some seeds have tiny hooks {that|who|whose|what} "
     "stick to the fur of animals. When the animal {brushes|brush|brushing|brushed} against a bush, the "
     "seeds fall off. In this way, new plants can grow {far|near|close|next} from their parents. Isn't "
     "that {clever|cleverly|cleverness|cleverer}? Next time you {walk|walks|walked|walking} in a field, look at your socks!"),
    ("A visit to the dentist",
     "Yesterday I went {to|at|in|on} the dentist for a check-up. I was a little nervous, {but|so|or|because} "
     "the dentist was very kind. She {asked|ask|asking|asks} me to open my mouth {wide|widely|width|widen}. Then she "
     "{counted|count|counting|counts} my teeth and looked at each one with a small mirror. She said my "
     "teeth were {healthy|health|healthily|unhealthily} and that I brush them well. She told me to eat "
     "{fewer|less|little|few} sweets and drink more water. At the end, she gave {me|I|my|mine} a sticker "
     "and a new toothbrush. I was {glad|sad|cross|afraid} that I had been brave. My next visit will be "
     "{in|on|at|by} six months."),
    ("Saving the turtles",
     "Every year, sea turtles come {to|at|in|on} the beach near our town to lay their eggs. The mother "
     "turtle digs a hole in the sand {with|by|from|of} her flippers. She lays about a hundred eggs and "
     "then returns {to|at|for|from} the sea. After about two months, the baby turtles {hatch|hatches|hatching|hatched}. "
     "They must reach the water {quickly|quick|quicker|quickest} because birds and crabs try {to|for|at|of} eat them. "
     "Volunteers from our town {guard|guards|guarding|guarded} the nests at night. They also pick "
     "{up|out|off|over} rubbish from the beach. Last year, {more|much|most|many} than two thousand babies "
     "reached the sea safely. I {hope|hopes|hoping|hopeful} to become a volunteer when I am older."),
]

VOCABULARY += [
    ("The {w} told the class to line up quietly.", "teacher", ["patient", "customer", "passenger"]),
    ("We bought our tickets at the railway {w}.", "station", ["kitchen", "garden", "bathroom"]),
    ("The baby was {w} by the loud bang and began to cry.", "startled", ["delighted", "bored", "amused"]),
    ("The kitten is so {w}; its fur feels like cotton wool.", "fluffy", ["prickly", "slimy", "scaly"]),
    ("A hedgehog is covered in {w} spines.", "prickly", ["fluffy", "silky", "soft"]),
    ("The sea was {w}, and the little boat rocked up and down.", "rough", ["calm", "still", "flat"]),
    ("It was so hot that the chocolate {w} in my pocket.", "melted", ["froze", "shrank", "sprouted"]),
    ("In winter the pond {w}, and we could walk on the ice.", "froze", ["melted", "boiled", "evaporated"]),
    ("The {w} at the restaurant brought us our food.", "waiter", ["judge", "pilot", "miner"]),
    ("The {w} checked the sick puppy and gave it medicine.", "vet", ["chef", "judge", "plumber"]),
    ("The {w} cooked a delicious meal for the guests.", "chef", ["vet", "pilot", "dentist"]),
    ("My grandfather uses a walking {w} to help him walk.", "stick", ["spoon", "brush", "comb"]),
    ("She {w} the ball so hard that it flew over the wall.", "kicked", ["hugged", "sniffed", "folded"]),
    ("The boy {w} the door softly so he would not wake the baby.", "closed", ["slammed", "banged", "kicked"]),
    ("The tired traveller {w} down on the grass to rest.", "lay", ["flew", "swam", "climbed"]),
    ("The kettle {w} when the water was ready.", "whistled", ["barked", "sneezed", "giggled"]),
    ("A {w} is a baby frog.", "tadpole", ["cub", "foal", "duckling"]),
    ("A {w} is a young horse.", "foal", ["calf", "kid", "cub"]),
    ("A {w} is a young sheep.", "lamb", ["foal", "cub", "kitten"]),
    ("A {w} is a young bear.", "cub", ["lamb", "foal", "chick"]),
    ("A {w} is a young goat.", "kid", ["calf", "cub", "puppy"]),
    ("Bees live in a {w}.", "hive", ["den", "kennel", "stable"]),
    ("A horse sleeps in a {w}.", "stable", ["hive", "nest", "burrow"]),
    ("A rabbit lives in a {w} under the ground.", "burrow", ["hive", "stable", "kennel"]),
    ("The path through the wood was dark and {w}.", "gloomy", ["sunny", "cheerful", "bright"]),
    ("After the rain, the path was {w} and slippery.", "muddy", ["dusty", "dry", "sandy"]),
    ("The {w} of the book tells you what each chapter is about.", "contents page", ["cover", "spine", "price"]),
    ("The twins look {w}; even their mother mixes them up.", "identical", ["different", "opposite", "separate"]),
    ("The marathon runner felt {w} when she crossed the finish line first.", "triumphant", ["ashamed", "gloomy", "nervous"]),
    ("Please speak {w}; the baby is asleep.", "quietly", ["loudly", "noisily", "angrily"]),
    ("The explorers were {w} to find water after days in the desert.", "relieved", ["annoyed", "bored", "ashamed"]),
    ("The ice on the pond was too {w} to walk on.", "thin", ["thick", "strong", "solid"]),
    ("This map is {w}; it shows roads that were built last year.", "up to date", ["out of date", "old-fashioned", "ancient"]),
    ("The farmer {w} his field before planting the seeds.", "ploughed", ["harvested", "painted", "ironed"]),
    ("The {w} scored the winning goal in the last minute.", "striker", ["referee", "audience", "coach"]),
    ("The {w} blew the whistle to start the match.", "referee", ["striker", "goalkeeper", "fan"]),
    ("The cake smelt {w}, and we could not wait to eat it.", "delicious", ["awful", "rotten", "bitter"]),
    ("The lion was {w} in a cage at the circus, but now it lives in a park.", "kept", ["born", "eaten", "grown"]),
    ("He was so {w} that he told everyone about his new bike again and again.", "boastful", ["humble", "shy", "modest"]),
    ("The tortoise moves very {w}.", "slowly", ["quickly", "rapidly", "swiftly"]),
]

SPELLING += [
    ("aeroplain", "aeroplane", "The {w} landed safely at the airport."),
    ("beleif", "belief", "It is a common {w} that cats have nine lives."),
    ("carefull", "careful", "Be {w} with the scissors."),
    ("diffcult", "difficult", "The last question was very {w}."),
    ("docter", "doctor", "The {w} listened to my heartbeat."),
    ("enuff", "enough", "Have you had {w} to eat?"),
    ("frightend", "frightened", "The kitten was {w} of the thunder."),
    ("grammer", "grammar", "We have a {w} test on Friday."),
    ("happyness", "happiness", "Her smile was full of {w}."),
    ("juce", "juice", "I would like a glass of orange {w}."),
    ("mountin", "mountain", "They climbed to the top of the {w}."),
    ("nite", "night", "The owl hunts at {w}."),
    ("parent's", "parents", "My {w} are taking us to the beach."),
    ("skool", "school", "Our {w} has a big playground."),
    ("sudenly", "suddenly", "{w}, the lights went out."),
    ("tounge", "tongue", "The frog caught a fly with its {w}."),
    ("wimen", "women", "Two {w} were walking their dogs."),
    ("yestarday", "yesterday", "We went to the museum {w}."),
]

WORD_FORMS += [
    ("wood", "wooden", "The old {w} chair creaked when I sat on it."),
    ("gold", "golden", "The princess wore a {w} crown."),
    ("slow", "slowly", "The snail crawled {w} across the leaf."),
    ("heavy", "heavily", "It rained {w} all night."),
    ("swim", "swimmer", "She is the fastest {w} in the club."),
    ("farm", "farmer", "The {w} milks the cows every morning."),
    ("act", "actor", "The {w} forgot his lines on the first night."),
    ("visit", "visitors", "The museum had hundreds of {w} on Sunday."),
    ("danger", "dangerously", "The car was driven {w} fast along the narrow road."),
    ("weak", "weakness", "Chocolate is my only {w}!"),
    ("clean", "cleaner", "The {w} mopped the floor of the hall."),
    ("break", "broken", "Please do not sit on the {w} chair."),
    ("write", "written", "The letter was {w} in pencil."),
    ("fly", "flight", "Our {w} to Rome took two hours."),
]

PLURALS += [
    ("match", "matches", "Never play with {w}."),
    ("wish", "wishes", "The fairy granted her three {w}."),
    ("lorry", "lorries", "Two big {w} were parked outside the shop."),
    ("party", "parties", "We went to three birthday {w} last month."),
    ("donkey", "donkeys", "The {w} carried the bags up the hill."),
    ("valley", "valleys", "Rivers flow through green {w}."),
    ("echo", "echoes", "We heard loud {w} in the cave."),
    ("wife", "wives", "The farmers and their {w} danced at the harvest festival."),
    ("shoe", "shoes", "Please take off your muddy {w}."),
    ("daisy", "daisies", "The field was full of {w}."),
    ("ax", "axes", "The woodcutters sharpened their {w}."),
    ("bush", "bushes", "The rabbit hid in the {w}."),
]
PLURALS = [p for p in PLURALS if p[0] != "ax"]  # spelt "axe" in British English

RELATIVE += [
    ("The dress {w} she wore to the party was blue.", ["that", "which"]),
    ("The film {w} we watched last night was scary.", ["that", "which"]),
    ("The puppy {w} we adopted sleeps all day.", ["that", "which"]),
    ("The road {w} leads to the beach is closed.", ["that", "which"]),
    ("The players {w} scored goals were given medals.", ["who", "that"]),
    ("The nurse {w} looked after me was very gentle.", ["who", "that"]),
    ("I know a girl {w} can play the harp.", ["who", "that"]),
    ("The woman {w} car broke down called for help.", ["whose"]),
    ("The tree {w} fell in the storm was very old.", ["that", "which"]),
    ("The boy {w} kite got stuck in the tree began to cry.", ["whose"]),
]

PLURAL_CHOICES += [
    ("buffalo", ["buffaloes", "buffalos", "buffalo"], "Herds of {w} crossed the plain."),
    ("octopus", ["octopuses", "octopi"], "Two {w} were hiding among the rocks."),
]

SPELLING += [
    ("awsome", "awesome", "The fireworks were {w}!"),
    ("brekfast", "breakfast", "We had eggs for {w}."),
    ("butterflys", "butterflies", "Colourful {w} flew around the garden."),
    ("centimetre", "centimetre", ""),
    ("colected", "collected", "We {w} shells on the beach."),
    ("dinasaur", "dinosaur", "The museum has a huge {w} skeleton."),
    ("elefant", "elephant", "The {w} sprayed water with its trunk."),
    ("fourteen", "fourteen", ""),
    ("giraf", "giraffe", "The {w} ate leaves from the top of the tree."),
    ("hospitel", "hospital", "My aunt works at the {w}."),
    ("invitasion", "invitation", "Did you get an {w} to the party?"),
    ("jurney", "journey", "The {w} to Grandma's house takes three hours."),
    ("kitchin", "kitchen", "Dad is cooking in the {w}."),
    ("laugh", "laugh", ""),
    ("medicin", "medicine", "Take this {w} twice a day."),
    ("nessesary", "necessary", ""),
    ("potatos", "potatoes", "We planted {w} in the vegetable patch."),
    ("reciept", "receipt", "Keep the {w} in case you need to return the shoes."),
    ("straberry", "strawberry", "I would like a {w} ice cream."),
    ("televison", "television", "We watched the match on {w}."),
]
# Entries without a sentence only keep the list in alphabetical order; drop them.
SPELLING = [s for s in SPELLING if s[2]]
