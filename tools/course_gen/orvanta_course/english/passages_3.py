"""Reading passages, part 3: reports and instructions.

In a block of lines that starts a list (a line beginning with "- " or with a
step number such as "1. "), every line stands on its own on the page."""

from .passage import ask, passage

PASSAGES = [
    passage("report", 2, "Wild garden wins a prize for Oakfield pupils", """
Pupils at Oakfield Primary School are celebrating after their wildlife garden won first prize in the Green
Schools Award last week.

Two years ago, the patch of land behind the school kitchen was covered in broken paving slabs and weeds. Then a
group of Year 5 pupils asked their head teacher, Mr Chen, if they could turn it into a home for wildlife.

With help from parents and a local garden centre, the pupils cleared away the rubbish, dug a small pond and
planted wild flowers such as poppies and foxgloves. They built a bug hotel from old bricks, pine cones and hollow
sticks, and put up six bird boxes that they had made in their design lessons.

The results have amazed everyone. Frogs arrived in the pond within a month, and last spring blue tits raised
chicks in four of the bird boxes. The pupils keep a record of every creature they spot, and so far the list has
reached 87 different kinds.

‘We never imagined it would become so popular with animals,’ said Amara, aged 11, one of the pupils who started
the project. ‘It shows that even a small space can make a big difference.’

The judges praised the school for its ‘imagination and hard work’. Oakfield will receive £500, which the pupils
plan to spend on a wildlife camera so that they can watch hedgehogs at night.

Mr Chen said: ‘I am extremely proud of them. They did this themselves.’
""",
        ask("meaning", "What will the pupils spend the prize money on?",
            "a wildlife camera", "more bird boxes", "a bigger pond", "new paving slabs"),
        ask("sequence", "Which of these happened first in the story of the garden?",
            "Year 5 pupils asked Mr Chen if they could change the land.", "Frogs arrived in the pond.",
            "Blue tits raised chicks in the bird boxes.", "The school won the Green Schools Award."),
        ask("vocabulary", "‘The judges *praised* the school.’ What does *praised* mean?",
            "spoke well of", "asked questions about", "gave a warning to", "paid a short visit to"),
        ask("inference", "Why did Mr Chen say ‘They did this themselves’?",
            "He wanted the pupils to get the credit for the garden.",
            "He was complaining that nobody had helped him.", "He wanted to explain why the garden was untidy.",
            "He had not known about the garden until the prize."),
        ask("purpose", "What is the main purpose of this report?",
            "to tell readers about the pupils' success and how they achieved it",
            "to persuade readers to buy bird boxes", "to explain how to dig a pond",
            "to complain about weeds in school grounds"),
    ),
    passage("report", 1, "Runaway goat goes shopping", """
Shoppers at Kingsford Market got a surprise on Saturday morning when a goat trotted between the stalls and helped
herself to the vegetables.

The goat, a brown and white nanny called Daisy, had escaped from Meadow Farm, about a mile away. The farmer, Mrs
Murphy, said that Daisy had squeezed through a gap in the hedge that nobody had noticed.

Witnesses said the goat arrived at about ten o'clock. First she ate three cabbages from Mr Singh's vegetable
stall. Then she knocked over a display of flowerpots and nibbled the corner of a tablecloth on the cake stall.

‘I turned round and there was a goat looking at me with a lettuce leaf hanging out of her mouth,’ said Mr Singh.
‘I have sold vegetables for thirty years, and I have never had a customer like that!’

A group of children followed Daisy around the market, taking photographs and laughing. It took two stall holders
and a police officer nearly half an hour to catch her. In the end, Daisy walked calmly into the back of a van
after a little girl offered her a carrot.

Mrs Murphy arrived soon afterwards to take Daisy home. She has offered to pay for everything that was damaged and
has promised to mend the hedge.

‘She's a very greedy goat,’ said Mrs Murphy, ‘but she's never been to market before. I think she had a lovely day
out.’
""",
        ask("meaning", "How did Daisy get out of the farm?",
            "She squeezed through a gap in the hedge.", "She jumped over the farm gate.",
            "Someone left her pen open.", "She was driven to market in a van."),
        ask("sequence", "What did Daisy do first at the market?",
            "She ate three cabbages.", "She knocked over some flowerpots.", "She nibbled a tablecloth.",
            "She walked into a van."),
        ask("vocabulary", "‘*Witnesses* said the goat arrived at about ten o'clock.’ Who are *witnesses*?",
            "people who saw what happened", "people who sell things at the market", "police officers",
            "people who keep goats"),
        ask("inference", "Why did Daisy walk calmly into the van in the end?",
            "She wanted the carrot that the little girl offered.", "She was frightened of the crowd.",
            "The police officer pushed her in.", "She heard Mrs Murphy calling her."),
        ask("purpose", "Why has the writer included the words of Mr Singh and Mrs Murphy?",
            "to let readers hear from people who were there", "to give instructions for catching a goat",
            "to advertise Mr Singh's vegetable stall", "to show that the goat was dangerous"),
    ),
    passage("report", 3, "How do we get to school?", """
In March, Year 6 pupils at Greenbank Primary asked every child in the school how they travelled to school on one
ordinary day. Out of 300 pupils, 291 took part; the other nine were absent.

The results showed that walking is the most popular way to get to school. 132 pupils walked, which is nearly half
of those who answered. 94 pupils came by car, 38 came by bus, 19 came on a bicycle or scooter, and 8 came in a
taxi or minibus. Pupils who came by bicycle or scooter said they enjoyed arriving wide awake.

We also asked the car travellers why they did not walk. The most common reason was distance: 51 of them live more
than two miles away. However, 23 live less than half a mile from school. Several of them said they would walk if
there were a safe place to cross the main road.

When we compared our results with a survey from five years ago, we found that fewer pupils now come by car. Five
years ago, 121 pupils travelled by car, so the number has fallen by 27.

Our conclusions are that most pupils who live near the school already walk, and that a safer crossing could
encourage even more families to leave the car at home. We will present these results to the school council next
week.
""",
        ask("meaning", "How many pupils came to school by bus?",
            "38", "94", "19", "132"),
        ask("inference", "Why might the 23 car travellers who live close to school not walk?",
            "They may find the main road unsafe to cross.", "They live more than two miles away.",
            "They do not like arriving wide awake.", "The bus does not stop near their homes."),
        ask("vocabulary", "‘Our *conclusions* are that most pupils who live near the school already walk.’ What are "
                          "*conclusions* here?",
            "what the results have shown the writers", "the questions the writers asked",
            "the last pupils to take part", "the different ways of travelling"),
        ask("sequence", "What will the Year 6 pupils do next, now that the survey is finished?",
            "present the results to the school council", "ask every child how they travel",
            "repeat the survey from five years ago", "count the pupils who were absent"),
        ask("purpose", "Why does the report compare the results with a survey from five years ago?",
            "to show how the way pupils travel has changed", "to prove that the old survey was wrong",
            "to find out which pupils were absent", "to count how many pupils live far away"),
    ),
    passage("instructions", 1, "How to make a pine cone bird feeder", """
In winter, food is hard for garden birds to find. This simple feeder will help them, and you will be able to
watch them from your window.

You will need:
- a large, open pine cone
- a piece of string about 40 centimetres long
- two tablespoons of soft lard or vegetable fat
- a handful of bird seed
- a plate
- an old spoon or a blunt knife

What to do:
1. Tie the string tightly round the top of the pine cone, leaving a long end to hang it up with.
2. Put the bird seed on the plate and spread it out.
3. Using the spoon or knife, push the soft fat into the gaps between the scales of the cone. Cover as much of it as you can.
4. Roll the cone in the bird seed until it is well coated. Press the seed in firmly with your fingers.
5. Put the feeder in the fridge for an hour so that the fat becomes firm.
6. Hang your feeder from a branch, at least one and a half metres from the ground, where cats cannot reach it.

Top tip: hang the feeder where you can see it from indoors, and keep a notebook to record which birds visit. Blue
tits, robins and sparrows are often the first to arrive.

Remember to wash your hands after handling the fat and the seed.
""",
        ask("meaning", "How long should the feeder stay in the fridge?",
            "an hour", "a whole day", "ten minutes", "until the seed falls off"),
        ask("sequence", "What should you do straight after pushing the fat into the pine cone?",
            "Roll the cone in the bird seed.", "Tie the string round the top.", "Put the cone in the fridge.",
            "Spread the seed out on the plate."),
        ask("vocabulary", "‘Roll the cone in the bird seed until it is well *coated*.’ What does *coated* mean?",
            "covered all over", "warm and dry", "cut into pieces", "hung up high"),
        ask("inference", "Why must the fat be soft when you use it?",
            "so that it can be pushed into the gaps in the cone", "so that it melts on the plate",
            "so that birds can smell it from far away", "so that the feeder does not need the fridge"),
        ask("purpose", "Why do the instructions begin by saying that food is hard for birds to find in winter?",
            "to explain why making a feeder is worthwhile", "to warn you not to go outside in winter",
            "to list the birds that visit gardens", "to tell you what to buy"),
    ),
    passage("instructions", 2, "Grow a bean in a jar", """
Have you ever wondered what happens underground when a seed starts to grow? With a glass jar, you can watch it
happen.

You will need:
- a clean glass jar
- some kitchen paper
- cotton wool
- a dried broad bean
- water

Method:
1. Soak the bean in a cup of water overnight. This softens its hard skin and helps it to start growing.
2. Fold two sheets of kitchen paper and line the inside of the jar with them.
3. Fill the middle of the jar with cotton wool. This pushes the paper firmly against the glass.
4. Slide the bean down between the paper and the glass, about a third of the way from the top, so that you can see it clearly.
5. Pour in enough water to make the cotton wool and paper damp, but not so much that the bean sits in a puddle.
6. Put the jar somewhere warm and light, such as a windowsill.

What to expect: after three or four days, a small root should push out of the bean and grow downwards. A few days
later, a green shoot will appear and grow upwards towards the light. Check the paper every day and add a little
water if it is drying out.

Keep a bean diary: draw your bean every two days and measure how long the root and the shoot have grown.
""",
        ask("meaning", "Why should the bean be soaked overnight?",
            "to soften its hard skin", "to wash off the dirt", "to make it sink to the bottom of the jar",
            "to keep it cool"),
        ask("sequence", "What should you do straight after lining the jar with kitchen paper?",
            "Fill the middle of the jar with cotton wool.", "Slide the bean between the paper and the glass.",
            "Soak the bean in water.", "Put the jar on a windowsill."),
        ask("vocabulary", "‘Make the cotton wool and paper *damp*.’ What does *damp* mean?",
            "slightly wet", "soaking wet", "completely dry", "pleasantly warm"),
        ask("inference", "What might happen if you poured in far too much water?",
            "The bean would sit in a puddle and might not grow well.", "The shoot would appear sooner.",
            "The root would grow upwards instead of down.", "The cotton wool would turn green."),
        ask("purpose", "Why do the instructions start with a question?",
            "to make the reader curious about the activity", "to test what the reader knows about jars",
            "to show that nobody knows the answer", "to tell the reader what equipment is needed"),
    ),
    passage("instructions", 2, "How to play Traffic Lights", """
Traffic Lights is a running game for a group of at least six players. It is a good warm-up before PE, and it also
tests how well you listen.

Before you start: choose one player to be the caller. Everyone else lines up along one side of the playground or
hall, facing the caller, who stands on the opposite side.

How to play:
1. The caller turns their back to the group and calls out a colour.
2. ‘Green’ means walk forwards quickly. ‘Amber’ means walk forwards slowly, on tiptoe. ‘Red’ means stop and stand completely still.
3. When the caller shouts ‘Red’, they may turn round at once. Anyone the caller sees moving must go back to the starting line.
4. The caller can also shout ‘Roundabout’, which means everyone must turn round once on the spot before carrying on.
5. The first player to touch the caller's shoulder wins and becomes the caller for the next game.

Tips for callers: try to trick the players by calling colours quickly, or by pausing before you turn round.

Tips for players: do not rush. Players who go too fast on ‘Green’ often cannot stop in time on ‘Red’!

Safety: play in a space with no obstacles, and never push other players.
""",
        ask("meaning", "What must the players do when the caller shouts ‘Amber’?",
            "walk forwards slowly on tiptoe", "stop and stand completely still", "walk forwards quickly",
            "turn round once on the spot"),
        ask("sequence", "What happens after a player touches the caller's shoulder?",
            "That player becomes the caller for the next game.", "Everyone goes back to the starting line.",
            "The caller shouts ‘Red’.", "The caller turns round at once."),
        ask("vocabulary", "‘Play in a space with no *obstacles*.’ What are *obstacles*?",
            "things that get in the way", "other players", "lines painted on the ground", "loud noises"),
        ask("inference", "Why might a caller pause before turning round?",
            "to catch players who start moving again too soon", "to rest after so much shouting",
            "to let everyone reach the starting line", "to choose who will be the next caller"),
        ask("purpose", "Why are the instructions split into parts with labels such as ‘Safety’ and ‘Tips for "
                       "players’?",
            "so that the reader can find each kind of information easily", "so that the game takes longer to play",
            "to make the instructions sound like a story", "because each part is for a different game"),
    ),
]
