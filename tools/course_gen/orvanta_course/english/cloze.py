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
For forty years, Mr Walsh {looked|went|ran|sent} after the lighthouse on the rocky point. Every evening, as the
sun {set|rose|woke|climbed}, he climbed the hundred steps to the top and lit the great lamp. Its bright beam
{swept|crept|dripped|tumbled} across the dark water, warning ships to keep away from the
{dangerous|smooth|gentle|harmless} rocks. On stormy nights the wind {howled|whispered|hummed|sighed} around the
tower, and huge waves {crashed|lapped|trickled|floated} against its walls. Mr Walsh was never
{lonely|cheerful|busy|brave}: he had his cat, his books and a radio for company. Today a computer switches the lamp
on, so a keeper is no longer {needed|allowed|asleep|lost}. Mr Walsh has retired, but he still
{visits|forgets|avoids|dislikes} the lighthouse every summer to show people round and tell them
{stories|recipes|prices|rules} about the storms.
"""),
    ("Seeds on the move", """
Plants {cannot|can|must|should} walk, but their seeds still need to get {far from|close to|inside|under} the
parent plant. If they fell straight down, they would have to {share|enjoy|collect|store} light and water with it.
Some seeds, such as dandelion seeds, have fluffy parachutes and are {carried|eaten|buried|planted} by the wind.
Sycamore seeds have wings that make them {spin|sink|stick|shrink} as they fall. Other seeds are hidden inside
tasty fruit. When an animal {eats|smells|finds|drops} the fruit, the seeds pass through its body and are left far
away. Burdock seeds are covered in tiny hooks that {stick|slide|drip|melt} to the fur of passing animals, and to
your socks! Coconuts can {float|sink|roll|fly} across the sea for weeks before they wash up on a new beach. Pea
pods dry out and {burst|close|shrink|rot} open, flinging their seeds into the air. Every one of these clever ideas
helps a seed to find a {space|shadow|crowd|puddle} where it can grow.
"""),
    ("A visit to the dentist", """
Aisha had been {dreading|enjoying|forgetting|celebrating} her visit to the dentist all week. She was sure it would
{hurt|help|end|sparkle}. The waiting room was bright and {cheerful|gloomy|dirty|frightening}, with fish swimming in
a tank and a box of toys in the corner. When her name was called, she held Mum's hand
{tightly|loosely|proudly|lazily}. The dentist, Mr Lopez, had a {friendly|frightening|grumpy|cruel} smile. He asked
Aisha to lie back in the big chair and open her mouth {wide|shut|closed|tight}. He checked her teeth with a tiny
mirror and {polished|pulled|painted|filled} them until they shone. ‘You have looked after your teeth very well,’ he
said. ‘There are no {holes|teeth|mirrors|stickers} at all.’ As a {reward|punishment|warning|lesson}, Aisha was
allowed to choose a sticker. On the way home, she admitted that she had worried about
{nothing|everything|homework|lunch}.
"""),
    ("The rainforest", """
Rainforests grow in hot, {wet|dry|icy|windy} places near the equator. It rains there almost every day, so the
plants grow very {quickly|slowly|rarely|badly}. The tallest trees can reach over fifty metres. Their leaves form a
thick {roof|floor|carpet|fence}, called the canopy, which {blocks|lets|lights|bounces} out much of the sunlight.
Because of this, the forest floor is {dim|bright|sunny|dry}. About half of all the kinds of animals and plants on
Earth {live|visit|shop|die} in rainforests. Monkeys swing through the branches, tiny frogs
{cling|gallop|graze|roar} to the leaves and jaguars {prowl|hop|flutter|paddle} across the forest floor. Many of the
medicines we use were first {discovered|destroyed|hidden|forgotten} in rainforest plants. Sadly, large areas of
forest are cut down every year, so people around the world are working hard to {protect|pollute|cut|burn} them.
"""),
    ("Pickle the puppy", """
When we brought our new puppy home, he was so {tiny|enormous|heavy|old} that he fitted in Dad's hands. We called
him Pickle because he was always {getting|keeping|staying|looking} into trouble. On his first day he
{chewed|wore|washed|cooked} one of Mum's slippers and dug a {hole|wall|chair|bath} in the flower bed. At night he
{whimpered|giggled|snored|chattered} in his basket because he missed his brothers and sisters. Dad put a ticking
clock under his blanket, which {reminded|warned|bored|scared} him of his mother's heartbeat, and soon he fell
asleep. Training Pickle took a lot of {patience|noise|anger|laziness}. We gave him a small treat every time he
{obeyed|ignored|bit|forgot} us. Now he can sit, lie down and {fetch|throw|kick|bounce} a ball. He is still a
little {mischievous|obedient|sleepy|shy}, though: yesterday he stole a whole sausage from the kitchen table!
"""),
]
