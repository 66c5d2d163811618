"""Reading passages, part 1: stories."""

from .passage import ask, passage

PASSAGES = [
    passage("story", 1, "The kite that would not fly", """
Kofi had spent all of Saturday morning building a kite. He used two thin sticks from the garden shed, a sheet
of green paper and a long tail made from strips of an old T-shirt. When it was finished, he carried it proudly
to the park.

He ran across the grass as fast as his legs would go. The kite bumped along behind him, then flopped on to the
ground like a tired fish. He tried again and again. Each time, the same thing happened.

Kofi sat down on a bench and stared at his kite. His grandad, who had been watching from under a tree, walked
over and sat beside him.

‘It's a fine kite,’ said Grandad, ‘but it's a still day. Even the leaves aren't moving. A kite needs the wind to
help it.’

Kofi looked up. Grandad was right. The flag on the café roof hung down limply.

The next Saturday, the trees were bending and clouds raced across the sky. Kofi hurried back to the park. This
time he had taken only three steps when the kite leapt into the air and climbed higher and higher, its green
tail dancing behind it.
""",
        ask("meaning", "What did Kofi use to make the kite's tail?",
            "strips of an old T-shirt", "two thin sticks from the shed", "a sheet of green paper",
            "ribbons from Grandad's drawer"),
        ask("vocabulary", "‘The flag on the café roof hung down *limply*.’ What does *limply* mean here?",
            "loosely, without moving", "stiffly, pointing straight up", "brightly, shining in the sun",
            "wildly, flapping in the wind"),
        ask("sequence", "What happened just after Kofi sat down on the bench?",
            "His grandad came and sat beside him.", "He ran across the grass again.",
            "The kite climbed high into the sky.", "He made a new tail for the kite."),
        ask("inference", "How did Kofi most likely feel at the end of the story?",
            "delighted", "worried", "bored", "cross"),
        ask("purpose", "Why does the writer tell us about the flag on the café roof?",
            "to show that there was no wind", "to show where the café was",
            "to show that the park was busy", "to show what colour the flag was"),
    ),
    passage("story", 2, "A drawing for Hana", """
On Monday morning, Mrs Evans brought a new girl into the classroom. ‘This is Hana,’ she said. ‘Her family has
just moved here from Japan. Who would like to look after her this week?’

Zara's hand shot up before she had time to think about it.

At first, it was harder than she had expected. Hana knew only a few words of English, and Zara knew no Japanese
at all. At lunchtime they sat side by side in the noisy hall, smiling politely and saying nothing.

On Wednesday it rained, so everyone stayed inside at break. Zara took out her sketchbook and began to draw a
horse. When she looked up, Hana was watching. Zara pushed the book and a pencil across the table.

Hana drew quickly and neatly. In a few minutes there was a small cat sitting beside the horse, with a speech
bubble coming out of its mouth. Inside the bubble she had written one English word: ‘Friends?’

Zara laughed and drew a bubble for the horse. She wrote ‘Yes!’ in big letters.

By Friday, the sketchbook was half full. It held a whole story about a horse and a cat who travelled around the
world together. Hana was learning new English words every day, and Zara could now say ‘good morning’ in
Japanese.
""",
        ask("meaning", "Why did the children stay inside at break on Wednesday?",
            "It was raining.", "Hana felt unwell.", "Mrs Evans kept the class in.", "The hall was being cleaned."),
        ask("inference", "‘Zara's hand shot up before she had time to think about it.’ What does this tell us "
                         "about Zara?",
            "She was eager to help.", "She wanted to leave the room.", "She already knew Hana.",
            "She had not heard the question."),
        ask("vocabulary", "At lunchtime the girls sat ‘smiling *politely*’. Which meaning of *politely* fits best?",
            "with good manners", "without caring", "with tears in their eyes", "as loudly as they could"),
        ask("sequence", "Which of these happened first in Hana's first week?",
            "Zara put her hand up.", "Hana drew a small cat.", "The girls sat in silence in the hall.",
            "Zara wrote ‘Yes!’ in a speech bubble."),
        ask("purpose", "What is the writer mainly showing in this story?",
            "Friends can find a way to share ideas even without a shared language.",
            "It is best to stay inside when it rains.",
            "Drawing is more important than learning words.",
            "New pupils would rather sit on their own."),
    ),
    passage("story", 3, "Follow the water", """
The morning had been bright when Ben and his older sister, Isla, set off up Crag Fell. By the time they reached
the pile of stones at the top, however, a thick grey fog had crept up the valley and swallowed the path behind
them.

Ben turned in a slow circle. Every direction looked exactly the same. ‘Which way did we come?’ he asked, trying
to keep his voice steady.

Isla did not answer at once. She was remembering something their mum always said: if you are ever lost on a
hill, find running water and follow it downhill, because streams lead to valleys, and valleys lead to people.

‘Listen,’ she said.

At first Ben heard nothing but his own heartbeat. Then, faintly, came a soft trickling sound to their left.
They edged towards it, testing each step, until they found a narrow stream tumbling between the rocks.

For an hour they walked beside it. The ground grew softer, the fog thinned to wisps, and at last they saw a
stone wall, a field of sheep and the chimney of a farmhouse.

The farmer gave them mugs of hot chocolate while they waited for Mum to collect them. Ben kept his hands wrapped
round the warm mug long after it was empty.
""",
        ask("meaning", "Why did Isla decide to follow the stream?",
            "Streams lead down to valleys where people live.", "The stream ran beside the path they had climbed.",
            "They needed water to drink.", "A farmer had told them to."),
        ask("vocabulary", "‘A thick grey fog had crept up the valley and *swallowed* the path.’ What does "
                          "*swallowed* suggest?",
            "The fog hid the path completely.", "The fog washed the path away.",
            "The fog made the path wet and muddy.", "The fog made the path narrower."),
        ask("sequence", "Which of these happened after the children found the stream?",
            "The ground grew softer under their feet.", "Ben asked which way they had come.",
            "Isla remembered what Mum always said.", "They reached the pile of stones at the top."),
        ask("inference", "Why did Ben keep his hands round the mug long after it was empty?",
            "He was still cold and shaken from the walk.", "He wanted another drink at once.",
            "He was afraid of breaking the mug.", "He was hiding the mug from Isla."),
        ask("purpose", "Why does the writer include what Mum always said?",
            "to explain how Isla knew what to do", "to show that Mum was on the walk too",
            "to describe the weather on the hill", "to tell the reader where the farmhouse was"),
    ),
    passage("story", 2, "The tin box", """
Gran's attic smelled of dust and old newspapers. Priya had been sent up to find the Christmas decorations, but
behind the boxes of tinsel she found something far more interesting: a small tin box with a picture of a ship on
its lid.

Inside were a dozen postcards tied with a faded blue ribbon. Each one showed a different place: a harbour full
of fishing boats, a snowy mountain, a market piled high with oranges. On the back, in tiny, careful writing,
someone had written messages to ‘my dear Kamala’.

Priya carried the box downstairs. ‘Gran, who was Kamala?’

Gran put down her cup and took the postcards in both hands. For a long moment she said nothing at all. Then she
smiled. ‘That was me,’ she said softly. ‘Kamala is my name, you know. You've only ever called me Gran. These are
from my brother, Ravi. He worked on ships when he was young, and he sent me a card from every port he visited. I
thought they had been lost years ago.’

That evening, instead of putting up decorations, Priya and Gran spread the postcards across the kitchen table
and found every place in the big atlas. Gran told a story about each one, and Priya wrote the stories down in a
notebook so that they would never be lost again.
""",
        ask("meaning", "Who sent the postcards?",
            "Gran's brother, Ravi", "Priya's grandpa", "a friend called Kamala", "Priya's mother"),
        ask("inference", "Why did Priya not know who Kamala was?",
            "She had only ever called her grandmother Gran.", "Kamala was a friend of Gran's who lived abroad.",
            "The writing on the cards was too small to read.", "Gran had kept her name a secret from everyone."),
        ask("vocabulary", "The postcards were tied with ‘a *faded* blue ribbon’. What does *faded* mean here?",
            "paler than it used to be", "brand new and shiny", "torn into pieces", "tied very tightly"),
        ask("sequence", "Which of these happened last?",
            "Priya wrote Gran's stories in a notebook.", "Priya found a tin box behind the tinsel.",
            "Gran held the postcards without speaking.", "Priya carried the box downstairs."),
        ask("purpose", "Why does the writer tell us that Gran ‘said nothing at all’ for a long moment?",
            "to show that the postcards brought back strong memories", "to show that Gran was cross with Priya",
            "to show that Gran could not hear the question", "to show that Gran did not like the postcards"),
    ),
    passage("story", 1, "The wolf who forgot his words", """
Sam had practised his lines every night for three weeks. He was playing the Wolf in the class play, and he knew
every word by heart. He had even practised his growl in front of the bathroom mirror until his little sister
begged him to stop.

On the night of the play, the hall was packed. Sam peeped round the curtain and saw rows and rows of faces. His
mouth went dry.

When it was his turn, he stepped on to the stage, opened his mouth, and nothing came out. Every single word had
flown out of his head.

From behind the curtain, Leah, who was playing the Third Little Pig, whispered, ‘Little pig, little pig, let me
come in!’

Sam heard her. The words came rushing back, and he roared them so loudly that a baby in the front row began to
giggle. Then the whole audience laughed, and Sam found that he was enjoying himself.

At the end, the class took a bow together. Sam's dad clapped louder than anyone. Afterwards, Sam found Leah and
gave her the biggest chocolate from his box.

‘What was that for?’ she asked.

‘For being the best pig in the world,’ said Sam.
""",
        ask("meaning", "Which part did Sam play?",
            "the Wolf", "the Third Little Pig", "the Farmer", "the First Little Pig"),
        ask("vocabulary", "‘On the night of the play, the hall was *packed*.’ What does *packed* mean here?",
            "full of people", "ready to be locked", "tidied away", "very cold"),
        ask("inference", "Why did Sam give Leah the biggest chocolate?",
            "to thank her for helping him remember his words", "because she had asked him for one",
            "because it was her birthday", "because he did not like that kind of chocolate"),
        ask("sequence", "What happened just before the audience laughed?",
            "A baby in the front row began to giggle.", "Sam peeped round the curtain.",
            "The class took a bow together.", "Sam's dad clapped louder than anyone."),
        ask("purpose", "Why does the writer tell us that Sam practised every night for three weeks?",
            "so that we see how surprising it was when he forgot his words", "to show that the play was very long",
            "to explain why his sister enjoyed the play", "to show that Sam did not want to be in the play"),
    ),
    passage("story", 3, "The blue vase", """
The blue vase had stood on Gran's windowsill for as long as Ethan could remember. It was painted with tiny white
birds, and in the afternoons the sun shone through it and threw blue shadows across the carpet.

Ethan had been told a hundred times not to throw his ball indoors. He knew it was a rule. But Gran was in the
garden, the rain was pouring down outside, and the ball was bouncing so nicely off the wall.

The crash seemed to go on for ever.

Ethan stared at the pieces on the floor. His first thought was to sweep them up and hide them in the bin. Gran
might not notice for days. His second thought was worse: he could say the cat had done it.

He was still standing there when the back door opened.

‘Gran,’ he said, before he could lose his nerve, ‘I broke your vase. I was throwing my ball. I'm really sorry.’

Gran looked at the pieces for a long time. Then, to Ethan's astonishment, she knelt down, picked up the largest
piece and turned it over. Along its edge ran a thin line of old glue.

‘I broke it myself when I was your age,’ she said quietly. ‘My father mended it, and I told him the truth, too.
I think we can mend it again, don't you?’
""",
        ask("meaning", "What was painted on the vase?",
            "tiny white birds", "blue flowers", "a ship at sea", "a cat in a garden"),
        ask("inference", "Why did Ethan speak ‘before he could lose his nerve’?",
            "He feared that if he waited he would not be brave enough to own up.",
            "He wanted to blame the cat before Gran asked.", "He thought Gran was in a hurry.",
            "He wanted to go back to playing with his ball."),
        ask("vocabulary", "‘To Ethan's *astonishment*, she knelt down.’ Which words are closest in meaning to "
                          "*astonishment*?",
            "great surprise", "great anger", "deep sadness", "quiet boredom"),
        ask("sequence", "What was Ethan's first thought after the vase broke?",
            "to hide the pieces in the bin", "to say the cat had done it", "to tell Gran the truth",
            "to mend the vase with glue"),
        ask("purpose", "Why does the writer end the story with the thin line of old glue?",
            "to show that Gran had once made the same mistake and owned up to it",
            "to show that the vase was cheap and not worth keeping", "to explain why the vase was blue",
            "to show that Gran's father had been angry with her"),
    ),
    passage("story", 2, "The egg-drop challenge", """
Mr Khan held up an egg. ‘Your challenge,’ he said, ‘is to build something that will keep this egg safe when it
is dropped from the top of the climbing frame. You may use only straws, sticky tape, paper and one plastic bag.’

Maya and Daniel were a team. Daniel wanted to build a strong box. ‘If the walls are thick enough, nothing can
break it,’ he said. So they spent the whole morning taping straws together until the box was as solid as a
brick.

At two o'clock, the class gathered round the climbing frame. Mr Khan dropped their box. It hit the ground with a
smack, and when they opened it, yellow yolk was dripping through the straws.

Daniel's face fell. Maya, however, was staring at the plastic bag they had not used. ‘It isn't the landing
that's the problem,’ she said slowly. ‘It's how fast it lands.’

They had twenty minutes left. They cut the bag into a large square, taped a long strip of paper to each corner
and fixed the strips to a much smaller, lighter box. When Mr Khan let go this time, the bag opened like a flower
and the box floated gently down.

The egg inside did not even have a crack. The whole class cheered, and Mr Khan wrote ‘Slow it down!’ on the
board in big letters.
""",
        ask("meaning", "What was the first box made of?",
            "straws taped together", "paper folded into a cube", "the plastic bag", "cardboard and string"),
        ask("inference", "Why did Daniel's face fall?",
            "He was disappointed that the egg had broken.", "He had dropped the box himself.",
            "He had run out of sticky tape.", "He was cross that Maya had not helped."),
        ask("vocabulary", "‘The bag opened *like a flower*.’ What picture do these words give you?",
            "The bag spread out wide as it fell.", "The bag was brightly coloured.",
            "The bag smelled sweet.", "The bag grew bigger once it was on the ground."),
        ask("sequence", "What did Maya and Daniel do after the first egg broke?",
            "They made a parachute from the plastic bag.", "They made the walls of their box thicker.",
            "They asked Mr Khan for another morning.", "They dropped the box from higher up."),
        ask("purpose", "Why does the writer end with Mr Khan writing ‘Slow it down!’ on the board?",
            "to sum up what the class learned from the challenge", "to show that Mr Khan was angry with the class",
            "to tell the children to walk more slowly", "to show that the challenge would happen again"),
    ),
    passage("story", 3, "The night the lights went out", """
It happened at exactly seven o'clock, in the middle of Noah's favourite programme. The television gave a small
pop, the lights blinked once, and the whole house was plunged into darkness.

‘Power cut,’ said Dad from somewhere near the kitchen. ‘The whole street's gone dark. Nobody move until I find
the torch.’

Noah heard a drawer open, a lot of rattling, and Dad muttering crossly to himself. At last a wobbly circle of
light appeared.

At first Noah was annoyed. There was no television and no computer, and his tablet had only a little battery
left. But Mum found some candles, and soon the living room was full of a warm, flickering glow. Grandpa, who
lived with them, leaned back in his armchair.

‘When I was a boy,’ he said, ‘we had power cuts all the time. We used to make shadow animals on the wall.’

He held up his hands in front of a candle, and a rabbit appeared on the wallpaper, twitching its ears. Noah
tried, and made something that looked more like a lumpy potato. Everyone laughed, even Noah.

By the time the lights flickered back on, nearly two hours later, nobody wanted to switch the television on
again. They were too busy arguing about whose shadow crocodile was the scariest.
""",
        ask("meaning", "Who showed the family how to make shadow animals?",
            "Grandpa", "Dad", "Mum", "Noah"),
        ask("vocabulary", "‘The whole house was *plunged* into darkness.’ What does *plunged* suggest?",
            "The darkness came suddenly and completely.", "The darkness came slowly, bit by bit.",
            "The house became cold and damp.", "Only one room went dark."),
        ask("inference", "How did Noah's feelings change during the evening?",
            "He was annoyed at first but ended up enjoying himself.", "He was happy at first but became bored.",
            "He was frightened for the whole evening.", "He was excited at first but then fell asleep."),
        ask("sequence", "Which of these happened first on the night of the power cut?",
            "The television gave a small pop.", "Mum found some candles.",
            "Grandpa made a rabbit on the wall.", "The lights flickered back on."),
        ask("purpose", "Why does the writer end with the family arguing about shadow crocodiles?",
            "to show that they enjoyed the evening more than television", "to show that the family often quarrelled",
            "to explain how crocodiles hunt at night", "to show that the power cut had frightened them"),
    ),
]
