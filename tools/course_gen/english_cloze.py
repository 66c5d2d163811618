"""Passages with gaps, written by hand.

VERB_PASSAGES: [answer|verb] is a gap for the verb in brackets; every answer
is one word, and the passage's time words (its first sentence at the latest)
fix the tense of every gap.

CHOICE_PASSAGES: {right|wrong|wrong|wrong} is a gap with four words to choose
from; only the first makes sense there."""

VERB_PASSAGES = [
    ("The big match", """
Last Saturday our team [played|play] against the school from across the river. It [was|be] a cold, grey afternoon
and the pitch was muddy. In the first half, neither team [scored|score]. Then, just before the final whistle, Omar
[kicked|kick] the ball high into the air. It [flew|fly] over the goalkeeper's head and [landed|land] in the net. We
[won|win] the match by one goal! Afterwards our coach [shook|shake] everyone's hand. I have never [felt|feel] so
happy. That evening, Mum [made|make] my favourite dinner to celebrate.
"""),
    ("Grandma's beans", """
My grandma is seventy-five, and she still loves gardening. Every spring, she [plants|plant] rows of beans at the
bottom of her garden. She [waters|water] them each evening, and she always [talks|talk] to them while she works.
She says it [helps|help] them to grow. Every morning a blackbird [sits|sit] on the fence and [watches|watch] her.
When the beans are ready, we [pick|pick] them together and Grandma [cooks|cook] them for dinner. My little brother
[hates|hate] beans, but he always [eats|eat] Grandma's.
"""),
    ("A trip to the aquarium", """
Yesterday our class [went|go] to the aquarium by coach. When we [arrived|arrive], a guide [took|take] us into a
dark tunnel under a huge tank. Sharks and rays [swam|swim] right over our heads! Then we [saw|see] a giant octopus.
It [changed|change] colour from red to white as we watched. At lunchtime we [ate|eat] our sandwiches next to the
penguin pool, and one cheeky penguin [stole|steal] a crust from Ravi's hand. Before we left, I [bought|buy] a
postcard in the gift shop. It [was|be] the best trip of the year.
"""),
    ("The sleepover", """
Last Friday, I [stayed|stay] the night at my cousin Leah's house. We [built|build] a den out of blankets and chairs
in her bedroom. Her dad [brought|bring] us hot chocolate, and we [told|tell] each other ghost stories by
torchlight. At midnight we [heard|hear] a strange scratching noise at the window. Leah [hid|hide] under her duvet,
and I [held|hold] my breath. Then her dad [opened|open] the curtains. It [was|be] only a branch blowing against the
glass! We [laughed|laugh] so much that we could not sleep.
"""),
    ("An afternoon in the park", """
It is Sunday afternoon, and I am sitting on a bench in the park. Right now, two boys are [flying|fly] a red kite
near the pond. A little girl is [feeding|feed] the ducks, and the ducks are [fighting|fight] over the bread.
Behind me, an old man is [reading|read] a newspaper. A dog is [chasing|chase] its tail round and round. At the
café, people are [buying|buy] ice creams. Somewhere, a baby is [crying|cry]. The wind is [getting|get] stronger,
and the clouds are [turning|turn] grey. I think it is [going|go] to rain.
"""),
    ("Footprints on the Moon", """
In 1969, two American astronauts [became|become] the first people to walk on the Moon. Their spacecraft
[landed|land] in a flat, dusty area called the Sea of Tranquillity. Neil Armstrong [climbed|climb] down the ladder
first. As he [stepped|step] on to the surface, he [said|say] that it was one small step for a man. Buzz Aldrin
[joined|join] him a few minutes later. The two men [collected|collect] rocks and dust, [took|take] photographs and
[left|leave] a flag behind. Millions of people [watched|watch] them on television.
"""),
    ("My Saturdays", """
I love Saturdays. Every Saturday, I [wake|wake] up early, even though there is no school. First I [feed|feed] our
rabbit, Pepper, and then I [make|make] pancakes with my dad. He always [burns|burn] the first one. After breakfast
my sister and I [walk|walk] to the swimming pool, where we [have|have] a lesson at ten o'clock. Our teacher usually
[lets|let] us play with the floats at the end. In the afternoon, Mum often [takes|take] us to the library, and I
[choose|choose] three new books. In the evening we all [watch|watch] a film together.
"""),
    ("The great snowstorm", """
Two winters ago, a terrible snowstorm [hit|hit] our village. The snow [began|begin] on Monday evening and did not
stop for three days. By Wednesday, the drifts [were|be] taller than my dad. Nobody could drive anywhere, so the
school [closed|close]. My brother and I [dug|dig] a tunnel from the back door to the shed. Our neighbours, who are
farmers, [brought|bring] us milk on a sledge. In the evenings we [sat|sit] by the fire and [played|play] cards.
When the snow finally [melted|melt], the river [rose|rise] and flooded the lane.
"""),
    ("Max goes missing", """
Last week our dog, Max, [ran|run] away. He [chased|chase] a cat out of the garden and [disappeared|disappear] down
the lane. We [searched|search] for hours. Dad [put|put] posters on every lamp post, and I [phoned|phone] all our
neighbours. That night I [could|can] not sleep. The next morning, a farmer [rang|ring] to say that Max was in his
barn. We [drove|drive] there straight away. Max [was|be] fast asleep in the straw, as if nothing had happened.
"""),
]

CHOICE_PASSAGES = [
    ("The lighthouse keeper", """
For forty years, Mr Walsh {looked|cooked|locked|hoped} after the lighthouse on the rocky point. Every evening, as
the sun {set|rose|woke|grew}, he climbed the hundred steps to the top and lit the great lamp. Its bright beam
{swept|swam|slept|sang} across the dark water, warning ships to keep away from the {dangerous|delicious|gentle|sleepy}
rocks. On stormy nights the wind {howled|whispered|tiptoed|giggled} around the tower, and huge waves
{crashed|floated|dripped|tickled} against its walls. Mr Walsh was never {lonely|hungry|purple|noisy}: he had his
cat, his books and a radio for company. Today the lamp is worked by a computer, and nobody {lives|swims|grows|flies}
in the lighthouse any more. But every {summer|minute|breakfast|pocket}, Mr Walsh comes back to show visitors round
and tell them {stories|spoons|carrots|shoes} about the storms.
"""),
    ("Seeds on the move", """
Plants {cannot|can|must|should} walk, but their seeds still need to {travel|sleep|shout|shrink} away from the parent
plant. If they fell straight down, they would have to {share|paint|sing|forget} light and water with it. Some
seeds, such as dandelion seeds, have fluffy parachutes and are {carried|cooked|counted|coloured} by the wind.
Sycamore seeds have wings that make them {spin|melt|bark|sneeze} as they fall. Other seeds are hidden inside tasty
fruit. When an animal {eats|paints|throws|builds} the fruit, the seeds pass through its body and are dropped far
away. Burdock seeds are covered in tiny hooks that {stick|sing|swim|float} to the fur of passing animals, and to
your socks! Coconuts can {float|fly|climb|run} across the sea for weeks before they wash up on a new beach. Pea
pods dry out and {burst|whisper|dream|yawn} open, flinging their seeds into the air. Every one of these clever ideas
helps a seed to find a {space|secret|song|supper} where it can grow.
"""),
    ("A visit to the dentist", """
Aisha had been {dreading|enjoying|eating|painting} her visit to the dentist all week. She was sure it would
{hurt|sing|grow|rain}. The waiting room was bright and {cheerful|furious|hungry|rusty}, with fish swimming in a tank
and a box of toys in the corner. When her name was called, she held Mum's hand {tightly|loudly|lazily|wetly}. The
dentist, Mr Lopez, had a {friendly|frightening|muddy|sleepy} smile. He asked Aisha to lie back in the big chair and
open her mouth {wide|shut|narrow|backwards}. He checked her teeth with a tiny mirror and
{polished|painted|pulled|posted} them until they shone. ‘You have looked after your teeth very well,’ he said.
‘There are no {holes|songs|chairs|smiles} at all.’ As a {reward|punishment|lesson|warning}, Aisha was allowed to
choose a sticker. On the way home, she admitted that she had worried about {nothing|everything|homework|lunch}.
"""),
    ("The rainforest", """
Rainforests grow in hot, {wet|dry|icy|sandy} places near the equator. It rains there almost every day, so the
plants grow very {quickly|slowly|quietly|sadly}. The tallest trees can reach over fifty metres. Their leaves form
a thick {roof|floor|wall|river}, called the canopy, which {blocks|brings|paints|cooks} out much of the sunlight.
Because of this, the forest floor is {dim|dazzling|frozen|dusty}. About half of all the kinds of animals and plants
on Earth {live|sleep|shop|swim} in rainforests. Monkeys swing through the branches, colourful frogs
{hide|bake|knit|type} among the leaves and jaguars {prowl|paint|sing|float} across the forest floor. Many of the
medicines we use were first {discovered|destroyed|delivered|decorated} in rainforest plants. Sadly, large areas of
forest are cut down every year, so people around the world are working hard to {protect|pollute|paint|ignore}
them.
"""),
    ("Pickle the puppy", """
When we brought our new puppy home, he was so {tiny|enormous|ancient|noisy} that he fitted in Dad's hands. We
called him Pickle because he was always {getting|giving|gluing|growing} into trouble. On his first day he
{chewed|cooked|counted|cleaned} one of Mum's slippers and dug a {hole|song|cake|letter} in the flower bed. At
night he {whimpered|laughed|sang|read} in his basket because he missed his brothers and sisters. Dad put a ticking
clock under his blanket, which {reminded|frightened|fed|washed} him of his mother's heartbeat, and soon he fell
asleep. Training Pickle took a lot of {patience|petrol|paint|pepper}. We gave him a small treat every time he
{obeyed|ignored|forgot|hid} us. Now he can sit, lie down and {fetch|sew|spell|bake} a ball. He is still a little
{mischievous|invisible|metal|square}, though: yesterday he stole a whole sausage from the kitchen table!
"""),
]
