"""The Orvanta course generator: the course's files, its subjects and its
checks.

Shared by the subjects: `model` (questions, parts, pictures), `page` (the HTML
blocks of a question page and its layout), `drawing` (SVG pictures), `mhtml`
(the page archives), `records` (the record files), `names` (the people the
questions speak of) and `shape` (what the program relies on: the subjects'
numbers, the topics and papers and the papers' numbers, the mocks last).
Each subject is a subpackage (`english`, `maths`, `science`) whose `papers`
module builds its 35 papers. `generate` writes the course, `check` and
`check_maths` check a written course apart from the generator, and `variety`
measures how varied it reads."""
