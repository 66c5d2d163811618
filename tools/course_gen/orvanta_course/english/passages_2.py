"""Reading passages, part 2: letters and diary entries."""

from .passage import ask, passage

PASSAGES = [
    passage("letter", 1, "A letter from camp", """
Pinewood Outdoor Centre, Tuesday

Dear Gran,

Thank you for the sweets you packed in my bag. I have shared them with everyone in my dormitory, so they have
nearly all gone already!

We arrived on Sunday afternoon after a very long coach journey. On the first night we went on a night walk with
torches and saw two bats flying over the lake. Yesterday we went canoeing. I was nervous at first because the
water looked so deep and dark, but our instructor, Mr Walsh, showed us how to paddle in a straight line. By the
end of the morning, Leah and I were the fastest pair in the group.

Today was the best day so far. We climbed a real climbing wall. I got stuck halfway up and my legs were shaking,
but everyone shouted, ‘Keep going, Isla!’ and I made it to the top and rang the bell.

The food is not as good as yours. We had lumpy porridge for breakfast and I missed your pancakes.

Tomorrow we are going orienteering in the forest, which means finding your way with a map. I hope we don't get
lost!

I will tell you everything when I get home on Friday.

Lots of love,

Isla
""",
        ask("meaning", "What did Isla do on her first night at the centre?",
            "She went on a night walk and saw bats.", "She went canoeing on the lake.",
            "She climbed the climbing wall.", "She went orienteering in the forest."),
        ask("vocabulary", "Isla was *nervous* before canoeing. Which word is closest in meaning to *nervous*?",
            "worried", "proud", "sleepy", "cross"),
        ask("sequence", "Which activity did Isla do on the day she wrote the letter?",
            "climbing the wall", "canoeing", "the night walk", "orienteering"),
        ask("inference", "What does Isla think of Gran's cooking?",
            "She likes it better than the food at the centre.", "She thinks it is as lumpy as the porridge.",
            "She has never tried Gran's pancakes.", "She prefers the breakfasts at the centre."),
        ask("purpose", "What is the main purpose of Isla's letter?",
            "to tell Gran about her time at the centre", "to ask Gran to send more sweets",
            "to complain about the coach journey", "to explain how to paddle a canoe"),
    ),
    passage("letter", 3, "A crossing for Brook Lane", """
Class 6, Hillside Primary School, Brook Lane, 12th March

Dear Councillor Brown,

We are writing to ask you to put a pedestrian crossing on Brook Lane, outside our school.

Every morning, more than two hundred children walk to Hillside Primary. Many of them have to cross Brook Lane,
which is a busy road used by lorries on their way to the quarry. At present there is nowhere safe to cross. Our
lollipop lady, Mrs Okafor, does her best, but she is only there for half an hour before school and she cannot
stop every vehicle.

Last term, our class counted the traffic for one week. Between eight and nine o'clock each morning, an average of
340 vehicles passed the school gate. Some of them were travelling much faster than the speed limit. Two pupils
have had near misses this year, and one parent was clipped by a wing mirror.

We believe that a crossing with traffic lights would make our journey to school much safer. It would also
encourage more families to walk instead of driving, which would mean less traffic and cleaner air.

We would be delighted if you could visit our school to see the problem for yourself. Our head teacher has said
that you are welcome at any time.

Thank you for reading our letter. We look forward to hearing from you.

Yours sincerely,

The pupils of Class 6
""",
        ask("meaning", "How long is Mrs Okafor at the road each morning?",
            "half an hour", "one hour", "the whole school day", "ten minutes"),
        ask("vocabulary", "‘Two pupils have had *near misses* this year.’ What is a *near miss* here?",
            "a time when someone was nearly hit but not hurt", "a time when a pupil missed the bus",
            "a time when a pupil arrived late", "a time when a lorry broke down"),
        ask("inference", "Why did the class count the traffic for a week?",
            "to give the councillor facts that show the road is dangerous", "to fill a week of lessons",
            "to find out which lorry was the fastest", "to help Mrs Okafor stop the vehicles"),
        ask("sequence", "Which of these comes last in the letter?",
            "an invitation to visit the school", "the request for a crossing",
            "the results of the traffic count", "a description of Mrs Okafor's work"),
        ask("purpose", "Why do the pupils mention cleaner air?",
            "to give another good reason for the crossing", "to complain about the dust from the quarry",
            "to ask the council to plant more trees", "to explain why lorries are so noisy"),
    ),
    passage("letter", 2, "A letter to an author", """
14 Elm Road, Northbridge, 5th May

Dear Ms Silva,

Thank you so much for visiting our school last Thursday. I am the girl in the front row who asked where you get
your ideas from. I have been thinking about your answer ever since.

You told us that you carry a small notebook everywhere and write down anything interesting you see or hear, even
if it seems unimportant. You said that one of your books, The Midnight Market, started with a lady you saw on a
bus carrying a goldfish in a bag.

On Saturday, I bought a notebook with my pocket money. So far I have written down a dog wearing a raincoat, a man
who whistled the same tune for a whole train journey, and a shop that sells only buttons. My brother says these
are boring, but I think one of them might turn into a story.

My favourite part of your visit was when you read the chapter where Tilly hides in the clock tower. Everyone in
the hall went completely silent, and when the clock in the story struck midnight, half of us jumped!

I would like to be a writer when I grow up. Do you have any other advice for me?

Yours sincerely,

Ruby Clarke (Year 5)
""",
        ask("meaning", "How did the book The Midnight Market begin?",
            "with a lady on a bus holding a goldfish in a bag", "with a shop that sells only buttons",
            "with a dog wearing a raincoat", "with a clock tower in the author's town"),
        ask("inference", "Why did half of the pupils jump during the reading?",
            "They were so caught up in the story that the moment startled them.",
            "The bell for the end of school rang.", "Ms Silva dropped her book on the floor.",
            "They had fallen asleep and woke up suddenly."),
        ask("vocabulary", "‘I have been thinking about your answer *ever since*.’ What does *ever since* mean?",
            "from then until now", "only once", "before the visit", "for a few seconds"),
        ask("sequence", "What did Ruby do after the author's visit?",
            "She bought a notebook with her pocket money.", "She asked where the author gets her ideas.",
            "She heard the chapter about the clock tower.", "She sat in the front row of the hall."),
        ask("purpose", "Why did Ruby write this letter?",
            "to thank the author and ask for more advice", "to complain that her brother was unkind",
            "to order a copy of The Midnight Market", "to invite the author to visit her school"),
    ),
    passage("letter", 2, "A letter to a pen friend", """
Dear Kenji,

Thank you for your last letter and the photographs of the cherry blossom. Your school garden looks beautiful. I
have pinned the best photograph above my desk.

You asked me what my town does in winter, so I am going to tell you about our Lantern Parade, which happened last
Saturday.

For two weeks beforehand, people of all ages went to workshops in the town hall to make lanterns. You bend thin
willow sticks into a shape and tie them together. Then you cover them with tissue paper and glue. My dad and I
made a lantern shaped like a giant fish. It took us four evenings, and by the end our fingers were completely
covered in glue.

On the night of the parade, everyone gathered in the park as it got dark. A battery light was put inside each
lantern, and then we walked slowly through the streets behind a band with drums. There were owls, dragons, stars
and even a lantern shaped like a teapot! Crowds lined the pavements, and little children waved from their
parents' shoulders.

At the end, all the lanterns were placed round the fountain in the market square. It looked like a garden made
of light.

Do you have any festivals like this in Japan? Please write and tell me.

Your friend,

Lucas
""",
        ask("meaning", "What shape was the lantern that Lucas made with his dad?",
            "a giant fish", "a dragon", "a teapot", "an owl"),
        ask("sequence", "When you make a lantern, what do you do straight after tying the sticks together?",
            "cover them with tissue paper and glue", "bend the sticks into a shape",
            "put a battery light inside", "carry it behind the band"),
        ask("vocabulary", "‘Crowds *lined* the pavements.’ What does *lined* mean here?",
            "stood in rows along", "drew lines on", "swept clean", "hurried away from"),
        ask("inference", "What does ‘It took us four evenings’ suggest about making a lantern?",
            "It was slow, careful work.", "It was quick and easy.", "It was done by a machine.",
            "It was finished before the workshops began."),
        ask("purpose", "Why does Lucas describe the parade in so much detail?",
            "Kenji asked about his town in winter and has never seen the parade.",
            "He wants Kenji to make a fish lantern.", "He is writing a report for his teacher.",
            "He hopes to sell lanterns to Kenji's school."),
    ),
    passage("diary", 1, "The day the snow came", """
Monday 14th January

When I opened my curtains this morning, everything was white. The garden, the shed roof and even the washing
line were covered in snow, and it was still falling in big, soft flakes.

Mum checked her phone and said the words I had been hoping for: ‘School's closed!’

After breakfast, my brother Finn and I put on two jumpers each, our wellies and the woolly hats Gran knitted for
us. We built a snowman by the back gate. Finn found two stones for his eyes, and I gave him one of Dad's old
scarves. We called him Mr Frosty.

Then the children from next door came round and we had a huge snowball fight. I got a snowball right down the
back of my neck, which was freezing, but I laughed so much that I did not care.

By lunchtime my fingers were so cold that I could not feel them. Mum made us hot tomato soup and we sat by the
radiator until we warmed up.

In the afternoon we went sledging on the hill behind the church. Finn went down so fast that he fell off at the
bottom and landed in a pile of snow. Only his boots were sticking out!

Now it is bedtime, and I can see Mr Frosty from my window. I hope he is still there tomorrow.
""",
        ask("meaning", "Why did the children not go to school?",
            "The school was closed because of the snow.", "It was the weekend.",
            "They were both feeling ill.", "Their mum needed them at home."),
        ask("vocabulary", "‘It was still falling in big, soft *flakes*.’ What are *flakes* here?",
            "small pieces of snow", "drops of rain", "gusts of cold wind", "thin sheets of ice"),
        ask("sequence", "Which of these happened before lunch?",
            "the snowball fight", "sledging on the hill", "Finn falling off the sledge",
            "looking at Mr Frosty from the bedroom window"),
        ask("inference", "‘I laughed so much that I did not care.’ What does this tell us?",
            "The writer was having too much fun to mind the cold.", "The writer was upset about the snowball.",
            "The writer did not feel the snowball at all.", "The writer wanted to go inside at once."),
        ask("purpose", "Why does the writer end with ‘I hope he is still there tomorrow’?",
            "to show that the writer has grown fond of the snowman", "to show that the writer wants to go back to school",
            "to warn the reader that snowmen melt", "to explain how to build a snowman"),
    ),
    passage("diary", 3, "An evacuee's diary", """
Monday 4th September 1939

I am writing this in bed in a strange house in a village called Little Haddon. I can hear an owl outside, and it
is so quiet that it almost hurts my ears. At home in London there is always the noise of buses and trams.

Yesterday morning, Mother took Billy and me to the station. We each had a gas mask in a cardboard box and a label
tied to our coats with our names on it, as if we were parcels. Mother did not cry on the platform, but her hand
was trembling when she fixed my collar. She made me promise to look after Billy.

The train journey took all day. When we arrived, we were taken to the village hall, and the local people came to
choose which children they would take home. Billy and I were nearly the last ones left. I was so worried that we
would be split up.

Then a tall lady in a green coat said she would take us both. Her name is Mrs Hart and she lives on a farm. She
has given us a room with a sloping ceiling and a patchwork quilt, and for supper there was an egg each, which we
have not had for ages.

Billy fell asleep as soon as his head touched the pillow. I will write to Mother tomorrow and tell her that we
are safe and together.
""",
        ask("meaning", "Why were labels tied to the children's coats?",
            "to show their names", "to show where they would live", "to keep their coats closed",
            "to show that they had gas masks"),
        ask("inference", "What does ‘her hand was trembling when she fixed my collar’ suggest about Mother?",
            "She was upset but trying not to show it.", "She was cold on the platform.",
            "She was angry with the writer.", "She was in a hurry to catch a bus."),
        ask("vocabulary", "‘It is so quiet that it almost *hurts my ears*.’ What does the writer mean?",
            "The silence feels strange after the noise of the city.", "The owl is hooting very loudly.",
            "The writer has a bad earache.", "The house is full of noisy children."),
        ask("sequence", "What happened after the children arrived at the village hall?",
            "Local people chose which children to take home.", "Mother fixed the writer's collar.",
            "The children were given their gas masks.", "The long train journey began."),
        ask("purpose", "Why does the writer compare the children to parcels?",
            "to show how strange it felt to be labelled and sent away", "to explain how the post worked in 1939",
            "to show that the children carried parcels for Mrs Hart", "to show that the train was full of luggage"),
    ),
    passage("diary", 2, "Nibbles comes to stay", """
Saturday

Today Nibbles, the class hamster, came to stay with us for half-term. Mrs Lopez gave me a list of instructions:
fresh water every day, a spoonful of food in the evening, and no letting him out when the cat is in the room.

Nibbles sleeps nearly all day, curled up in a ball of straw. Dad says hamsters are nocturnal, which means they
are awake at night. He was right. At eleven o'clock I heard a squeaking noise. Nibbles was running on his wheel
as if he was in a race.

Sunday

I cleaned out the cage this morning. It was smelly work. I put in fresh sawdust and a cardboard tube for Nibbles
to hide in. He pushed his nose into the tube, sniffed it and went straight back to sleep.

Tuesday

Disaster! When I came down for breakfast, the cage door was open and Nibbles had gone. I must have forgotten to
close it properly last night. We searched everywhere: under the sofa, behind the fridge, inside my football
boots. I felt terrible.

Wednesday

Mum had a clever idea. She put a few sunflower seeds in a bowl in the middle of the kitchen floor and sprinkled
flour round it. This morning there were tiny footprints in the flour leading to the cupboard under the sink. And
there, asleep in one of Dad's slippers, was Nibbles!

I have checked the cage door three times tonight.
""",
        ask("meaning", "Where was Nibbles found?",
            "in one of Dad's slippers under the sink", "inside a football boot", "behind the fridge",
            "in the cardboard tube"),
        ask("vocabulary", "Dad says hamsters are *nocturnal*. What does *nocturnal* mean?",
            "awake at night", "asleep all winter", "afraid of cats", "able to run very fast"),
        ask("sequence", "What happened on Tuesday?",
            "The writer found the cage empty.", "The writer cleaned out the cage.",
            "Mum sprinkled flour on the floor.", "Nibbles arrived for half-term."),
        ask("inference", "Why did Mum sprinkle flour round the bowl?",
            "so that Nibbles would leave footprints showing where he went", "to make the seeds taste better",
            "to keep the cat out of the kitchen", "to clean the kitchen floor"),
        ask("purpose", "Why does the writer end with ‘I have checked the cage door three times tonight’?",
            "to show that the writer has learned from the mistake", "to show that the cage door is broken",
            "to show that Nibbles is still missing", "to complain about the cat"),
    ),
    passage("diary", 1, "Sports day", """
Friday 7th July

Today was sports day, and it was the hottest day of the year so far. Mr Novak put up a big tent so that we had
some shade between races, and everybody had to wear a sun hat.

My first race was the egg-and-spoon race. I went slowly and carefully while everyone else rushed, and three
people dropped their eggs in front of me. I came second! The winner was Grace, who must have glue on her spoon.

Next was the sack race. That did not go so well. I fell over twice and finished last, with grass stains all over
my knees. At least everyone was laughing, including me.

After lunch came the relay, which is always the most important race because it decides which team wins the cup.
I was the third runner for Blue Team. When the baton reached me, we were behind, but I ran faster than I have ever
run before and overtook a runner from Red Team. Then Omar ran the last part and crossed the line first!

Blue Team won the cup by just four points. Mrs Patel, our head teacher, said it was the closest sports day she
could remember.

Tonight my legs ache, my nose is a bit sunburnt, and I am very, very happy.
""",
        ask("meaning", "Where did the writer come in the egg-and-spoon race?",
            "second", "first", "third", "last"),
        ask("vocabulary", "‘I *overtook* a runner from Red Team.’ What does *overtook* mean?",
            "went past", "tripped up", "waited for", "handed the baton to"),
        ask("sequence", "Which race did the writer run after lunch?",
            "the relay", "the sack race", "the egg-and-spoon race", "the three-legged race"),
        ask("inference", "‘The winner was Grace, who must have glue on her spoon.’ What does the writer mean?",
            "Grace's egg never seemed to fall off.", "Grace cheated by using real glue.",
            "Grace's spoon was broken.", "Grace spilt glue during the race."),
        ask("purpose", "Why does the writer end with ‘I am very, very happy’?",
            "to show how the day made the writer feel", "to explain the rules of the relay",
            "to show that the writer felt unwell", "to say what will happen next year"),
    ),
]
