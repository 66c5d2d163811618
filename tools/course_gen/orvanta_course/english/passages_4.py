"""Reading passages, part 4: poems and information texts.

A line written *like this* is a heading and stands in bold."""

from .passage import ask, passage

PASSAGES = [
    passage("poem", 2, "The rain that talks all night", """
When all the house is dark and still
And I am tucked in tight,
I lie awake and listen to
The rain that talks all night.

It taps upon the window pane
With fingers thin and cold,
It gossips in the gutter pipe
Of secrets centuries old.

It drums upon the garden shed,
A band that has no tune,
It hushes through the apple tree
And hides the silver moon.

It runs along the railings
And rings them like a bell,
It tells the sleeping flowers
A story they know well.

It gurgles down the drain outside,
It splashes in the street,
It dances on the chimney pots
On tiny, tireless feet.

And when at last I close my eyes
And sleep begins to creep,
The rain keeps on its chattering
And talks me off to sleep.
""",
        ask("meaning", "Where is the poet while listening to the rain?",
            "in bed", "in the garden shed", "out in the street", "under the apple tree"),
        ask("vocabulary", "‘It *gossips* in the gutter pipe.’ What does *gossips* make the rain sound like?",
            "someone chatting about secrets", "someone shouting angrily", "someone crying quietly",
            "a machine breaking down"),
        ask("sequence", "What happens in the last verse of the poem?",
            "The poet falls asleep while the rain keeps talking.", "The rain stops and the moon comes out.",
            "The poet gets up to look outside.", "The rain hides the silver moon."),
        ask("inference", "How does the poet feel about the rain?",
            "calm and comforted by it", "frightened of it", "annoyed that it keeps them awake",
            "sad that it has spoiled the garden"),
        ask("purpose", "Why does the poet describe the rain as if it were a person?",
            "to make its sounds seem alive and friendly", "to explain how rain is made",
            "to warn readers about storms", "to show that someone is really outside"),
    ),
    passage("poem", 1, "Market day", """
Saturday morning, the market is here,
The stalls have been built in the square,
There's shouting and bustle and laughter and cheer,
And a smell of hot bread in the air.

Apples and onions and bright yellow pears,
Buckets of tulips and pinks,
A man selling socks in a hundred odd pairs,
A lady with lemonade drinks.

‘Three for a pound!’ shouts the man with the plums,
‘Juicy and sweet, come and try!’
The baker is calling to children and mums,
‘Doughnuts and buns, who will buy?’

My little brother holds tight to my hand,
He wants a balloon on a string.
Gran buys some carrots, then stops at the stand
Where a parrot in a cage likes to sing.

By noon we trudge home with our baskets piled high,
Our legs are worn out from the walk;
And Gran says the market's the best place to buy,
But I think she goes there to talk!
""",
        ask("meaning", "What is being sold three for a pound?",
            "plums", "doughnuts", "carrots", "socks"),
        ask("vocabulary", "‘There's shouting and *bustle* and laughter and cheer.’ What does *bustle* mean?",
            "the busy movement of lots of people", "quiet waiting in a queue", "loud music from a band",
            "heavy rain on the stalls"),
        ask("sequence", "What does Gran do after she buys the carrots?",
            "She stops at the stand with the parrot.", "She buys doughnuts and buns.",
            "She goes straight home.", "She buys a balloon for the little brother."),
        ask("inference", "What does the poet mean by ‘I think she goes there to talk’?",
            "Gran enjoys chatting to people at the market.", "Gran goes there to complain about the prices.",
            "Gran is one of the people shouting at the stalls.", "Gran works on one of the stalls."),
        ask("purpose", "Why does the poet include the words that the stallholders shout?",
            "to bring the noise and busy feel of the market to life", "to tell the reader the price of everything",
            "to show that the stallholders are rude", "to explain how to run a market stall"),
    ),
    passage("poem", 2, "The oak on the hill", """
I was an acorn, small and round,
Dropped by a squirrel in the ground;
The winter snow lay on my bed,
And in the spring I raised my head.

A hundred summers I have grown,
Through wind and storm I've stood alone;
My roots go deeper than a well,
My bark is wrinkled like a shell.

The children climb me after school
And rest beneath me, green and cool;
An owl sleeps softly in my crown,
And every autumn, leaves float down.

I've watched the village grow and spread,
The horses go, and cars instead;
I've heard the church bells ringing clear
For every wedding, year on year.

So when you pass me on the hill,
Please stop and stand a moment still,
And listen to my leaves, and hear
The stories of a hundred years.
""",
        ask("meaning", "Who dropped the acorn in the ground?",
            "a squirrel", "a farmer", "one of the children", "an owl"),
        ask("vocabulary", "‘My bark is *wrinkled* like a shell.’ What does *wrinkled* mean here?",
            "covered in lines and folds", "smooth and shiny", "soft and wet", "broken into pieces"),
        ask("sequence", "What does the poem describe first?",
            "the acorn lying in the ground", "children climbing the tree", "the village growing",
            "an owl sleeping in the tree"),
        ask("inference", "What does ‘The horses go, and cars instead’ tell us?",
            "The tree has lived long enough to see the way people travel change.",
            "Horses are afraid of the old tree.", "Cars are parked under the tree.",
            "The tree stands beside a busy road."),
        ask("purpose", "Why has the poet written the poem as if the tree is speaking?",
            "to help readers imagine what a very old tree has seen", "to explain how to plant an acorn",
            "to persuade people to cut the tree down", "to give facts about owls"),
    ),
    passage("poem", 3, "Winter sea", """
In summer the sea was a puppy,
rolling over on the sand,
licking our toes with small warm waves,
chasing the balls we threw.

Now it is January,
and the sea has grown into a wolf.
It prowls along the empty beach,
grey and hungry,
throwing itself at the harbour wall
and howling through the railings.

The ice-cream kiosk is shuttered.
The deckchairs are stacked and chained.
Only the gulls are brave enough
to stand on the shingle,
their feathers blown backwards
like umbrellas turned inside out.

Dad and I walk along the promenade
in coats and scarves and boots,
leaning into the wind
as if it were a door we had to push.
The salt spray stings our cheeks.

But at home, by the window,
with hot chocolate warming our hands,
we watch the wolf rage on
and feel glad of the glass between us.
And somewhere, under all that anger,
I know the puppy is only sleeping,
waiting for the summer.
""",
        ask("meaning", "What are the poet and Dad wearing on the promenade?",
            "coats, scarves and boots", "swimming costumes", "sun hats and sandals", "raincoats and slippers"),
        ask("vocabulary", "‘The ice-cream kiosk is *shuttered*.’ What does *shuttered* mean?",
            "closed up", "painted white", "blown over", "busy with customers"),
        ask("sequence", "Where are the poet and Dad at the end of the poem?",
            "at home by the window", "on the promenade", "on the shingle with the gulls",
            "at the ice-cream kiosk"),
        ask("inference", "What does the poet mean by ‘the puppy is only sleeping’?",
            "The gentle summer sea will come back.", "A real puppy is asleep on the beach.",
            "The sea will be calm by tomorrow.", "The poet is hoping for a puppy in summer."),
        ask("purpose", "Why does the poet compare the sea first to a puppy and then to a wolf?",
            "to show how different the sea is in summer and in winter", "to explain which animals live by the sea",
            "to warn readers about dangerous dogs", "to describe a walk with a pet"),
    ),
    passage("information", 1, "Hedgehogs", """
Hedgehogs are small wild animals that live in gardens, parks, woods and hedges all over Britain. An adult
hedgehog is about 25 centimetres long, roughly the size of a pencil case, and its back is covered with around
5,000 sharp spines.

*Staying safe*

When a hedgehog is frightened, it tucks in its head and legs and rolls into a tight, prickly ball. Few predators
can get past the spines, although badgers sometimes manage it.

*Food*

Hedgehogs are nocturnal, which means that they come out at night to feed. They snuffle through leaves looking for
beetles, worms, caterpillars and slugs. Because they eat so many slugs, gardeners think of them as good friends.
A hedgehog can walk up to two kilometres in a single night while searching for food.

*Winter*

Food is hard to find in winter, so hedgehogs hibernate. From about November to March, they sleep in a nest of dry
leaves, often under a shed or a pile of logs. Their heartbeat slows down and their body becomes cold, which helps
them to save energy.

*How you can help*

The number of hedgehogs in Britain has fallen over the last fifty years. You can help by leaving a small gap at
the bottom of your garden fence so that hedgehogs can travel between gardens. Never give them milk, which makes
them ill; a shallow dish of water is much better.
""",
        ask("meaning", "Why do gardeners think of hedgehogs as good friends?",
            "They eat lots of slugs.", "They dig up weeds.", "They scare badgers away.",
            "They sleep under garden sheds."),
        ask("vocabulary", "‘Food is hard to find in winter, so hedgehogs *hibernate*.’ What does *hibernate* mean?",
            "spend the winter in a deep sleep", "move to warmer countries", "hunt for food at night",
            "build nests in the spring"),
        ask("sequence", "What does the text tell you about before it explains how hedgehogs spend the winter?",
            "what hedgehogs eat", "how you can help hedgehogs", "why milk is bad for hedgehogs",
            "leaving gaps in garden fences"),
        ask("inference", "Why would a gap at the bottom of a fence help hedgehogs?",
            "They travel a long way each night to find enough food.", "They like to sleep in small gaps.",
            "It keeps badgers out of the garden.", "It lets more light into their nests."),
        ask("purpose", "What is the main purpose of the section ‘How you can help’?",
            "to tell readers what they can do to protect hedgehogs", "to describe what hedgehogs eat",
            "to explain how hedgehogs stay safe", "to give the size of an adult hedgehog"),
    ),
    passage("information", 2, "How honey bees make honey", """
A honey bee colony can contain as many as 50,000 bees, all living together in a hive. There is one queen, who
lays the eggs, a few hundred male bees called drones, and thousands of female worker bees. The workers do almost
all the jobs in the hive.

*Collecting nectar*

On a warm day, worker bees fly from flower to flower collecting nectar, a sweet liquid found deep inside
flowers. A bee sucks up the nectar with its long tongue and keeps it in a special honey stomach, which is
separate from the stomach it uses for its own food. A bee may visit more than a hundred flowers before its honey
stomach is full.

*Back at the hive*

When the bee returns to the hive, it passes the nectar to a younger worker bee, mouth to mouth. The younger bee
chews the nectar and adds substances from its body that begin to change it into honey. It then places the nectar
in a wax cell of the honeycomb.

*Drying the honey*

At first the nectar is watery. To thicken it, the bees fan it with their wings, beating them so fast that the
water dries up. When the honey is thick enough, the bees seal the cell with a lid of wax.

*Why bees need honey*

Honey is the colony's store of food for the winter, when there are no flowers. One bee makes only about a
twelfth of a teaspoon of honey in its whole life, so every jar of honey is the work of hundreds of bees.
""",
        ask("meaning", "Which bee lays the eggs in the hive?",
            "the queen", "the drones", "the worker bees", "the younger bees"),
        ask("sequence", "What happens to the nectar straight after the bee returns to the hive?",
            "It is passed to a younger worker bee.", "It is sealed in a cell with wax.",
            "It is fanned until it thickens.", "It is sucked up with a long tongue."),
        ask("vocabulary", "‘To *thicken* it, the bees fan it with their wings.’ What does *thicken* mean here?",
            "make it less runny", "make it sweeter", "make it colder", "make it darker"),
        ask("inference", "Why does a bee carry nectar in a separate honey stomach?",
            "so that the nectar is not used up as the bee's own food", "so that the bee can fly faster",
            "so that the nectar turns into wax", "so that the queen can find the nectar"),
        ask("purpose", "Why does the writer end by saying that one bee makes only a twelfth of a teaspoon of "
                       "honey?",
            "to show how much work goes into every jar of honey", "to explain why bees are so small",
            "to tell readers how to measure honey", "to suggest that bees are lazy"),
    ),
    passage("information", 3, "The Great Fire of London", """
In the early hours of Sunday 2nd September 1666, a fire started in a bakery on Pudding Lane, in the City of
London. The baker, Thomas Farriner, had gone to bed without making sure that his oven was completely out. By the
time his family woke up, the house was full of smoke, and they escaped through an upstairs window.

In 1666, most houses in London were built of wood covered with pitch, a kind of tar, and they stood very close
together. The summer had been long and dry, and a strong wind was blowing from the east. These conditions allowed
the flames to leap quickly from one building to the next.

At first, the Lord Mayor did not think the fire was serious. But by Monday it had spread along the river, where
warehouses full of oil, timber and coal caught light. People fled with whatever they could carry, and some loaded
their belongings on to boats on the Thames.

To stop the fire, King Charles II ordered that houses in its path should be pulled down or blown up with
gunpowder, leaving gaps that the flames could not cross. By Thursday, helped by a change in the wind, the fire
was finally under control.

About 13,000 houses and 87 churches, including St Paul's Cathedral, had been destroyed. Surprisingly, only a
handful of deaths were recorded. When London was rebuilt, new houses had to be made of brick or stone, and many
streets were made wider.
""",
        ask("meaning", "Where did the fire start?",
            "in a bakery on Pudding Lane", "in St Paul's Cathedral", "in a warehouse by the river",
            "in the Lord Mayor's house"),
        ask("inference", "Why did the warehouses by the river make the fire worse?",
            "They were full of things that burn easily.", "They stopped boats from reaching the fire.",
            "They were built of brick and stone.", "They blocked the strong wind."),
        ask("vocabulary", "‘People *fled* with whatever they could carry.’ What does *fled* mean?",
            "ran away", "stood still", "fought back", "fell asleep"),
        ask("sequence", "What happened after the King ordered houses to be pulled down?",
            "The fire was brought under control.", "The fire spread to the warehouses by the river.",
            "The baker's family escaped through a window.", "The Lord Mayor said the fire was not serious."),
        ask("purpose", "Why does the writer explain what the houses were built of and how close together they "
                       "stood?",
            "to help readers understand why the fire spread so quickly", "to describe the houses built after the fire",
            "to show that the baker was careless", "to explain how bread was baked in 1666"),
    ),
    passage("information", 2, "Emperor penguins", """
The emperor penguin is the largest penguin in the world. An adult stands about 115 centimetres tall, as high as a
six-year-old child, and can weigh more than 30 kilograms. It lives only in Antarctica, the coldest place on
Earth.

*Built for the cold*

Emperor penguins have several layers of short, tightly packed feathers and a thick layer of fat under their skin.
These keep them warm even when the temperature falls to minus 40 degrees Celsius. On the coldest days, thousands
of penguins huddle together in a huge group. They take turns to stand on the outside, where it is coldest, and
then shuffle into the warm middle.

*Expert divers*

Penguins cannot fly, but they are superb swimmers. An emperor penguin can dive more than 500 metres below the
surface and hold its breath for over twenty minutes while it hunts for fish, squid and krill.

*A long wait for the chick*

In the middle of winter, the female lays one egg and passes it to the male. She then walks, sometimes more than
80 kilometres, back to the sea to feed. The male balances the egg on his feet, under a warm fold of skin, for
about two months. During all this time he eats nothing at all. When the chick hatches, the female returns, and
the hungry male can at last go to the sea to feed.
""",
        ask("meaning", "How long does the male keep the egg on his feet?",
            "about two months", "about twenty minutes", "a whole year", "about two weeks"),
        ask("sequence", "What does the female do straight after she lays the egg?",
            "She passes it to the male.", "She walks back to the sea.", "She feeds the chick.",
            "She joins the huddle in the middle."),
        ask("vocabulary", "‘They are *superb* swimmers.’ What does *superb* mean?",
            "excellent", "slow", "nervous", "noisy"),
        ask("inference", "Why do the penguins take turns to stand on the outside of the huddle?",
            "so that every penguin gets a share of the warmth", "so that they can watch for fish",
            "so that the eggs are kept dry", "so that the females can find the males"),
        ask("purpose", "Why does the writer compare the penguin's height with a six-year-old child?",
            "to help readers picture how tall the penguin is", "to show that children live in Antarctica",
            "to explain how quickly penguins grow", "to show that penguins are friendly to children"),
    ),
]
