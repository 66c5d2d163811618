#pragma once

#include <QString>
#include <QStringList>

// Why a wrong answer missed, when it nearly hit: a short note for the marked
// sheet. The note explains, it never judges: the result code of a part and
// its marks come from the judge alone (answer_judge.h), and a part the judge
// finds right, an empty answer and a wrong answer that is not close get no
// note.
//
//   kind                  type letters   the answer is ...
//   SameValueOtherForm    F R X N T*     equal in value, written differently ("10/56" for
//                                        "5/28", "28:10" for "14:5", "76.670" for "76.67")
//   MixedNumberNoSpace    X              the mixed number without its space ("82/5")
//   MixedNumberSpaces     X              the mixed number with its space elsewhere or a
//                                        second one ("1 2 3/4" for "12 3/4")
//   DecimalForFraction    F X            a decimal equal to the key or to it rounded to
//                                        the decimal's own places ("0.33" for "1/3")
//   NumberWithSpaces      N T*           the right number with spaces inside ("15 360")
//   NumberWithUnit        N T*           the right number with a unit, a currency sign or a
//                                        word added ("15360 cm", "$24", "x = 5")
//   DecimalPointPlace     N T*           the same digits with the point elsewhere ("11.55"
//                                        for "115.5"); the answer or the key has a point
//   FullStopAdded         T L M G        the answer with a final "." the key lacks
//   FullStopMissing       T L M G        the answer without the key's final "."
//   SpaceInsideWord       T L M G        the key with a space inside one of its words
//   WordSpacing           T L M G        the key with a space between words left out or
//                                        doubled ("sothat", "so  that")
//   OneLetterOff          T L M G        one letter put in, left out, changed, or two
//                                        neighbours swapped, in a word of 4 letters or more
//   OptionOutOfRange      Q              not one of the option numbers 1 to 4
//   AnswerAlreadyUsed     G              an alternative an earlier part of the group gave
//
// (T* : a T part whose key is a decimal number.) For M and G parts the key's
// alternatives are the targets; a G part looks only at the alternatives no
// earlier part of its group has claimed. The first kind of the table that
// fits is the note.
namespace orvanta {

enum class AnswerNote {
    None,
    SameValueOtherForm,
    MixedNumberNoSpace,
    MixedNumberSpaces,
    DecimalForFraction,
    NumberWithSpaces,
    NumberWithUnit,
    DecimalPointPlace,
    FullStopAdded,
    FullStopMissing,
    SpaceInsideWord,
    WordSpacing,
    OneLetterOff,
    OptionOutOfRange,
    AnswerAlreadyUsed,
};

// Every question of type Q offers this many options, numbered from 1.
inline constexpr int kOptionCount = 4;

// The note for one answer: `answer` as typed, `key` the part's key by its
// type letter `type`. For a part of an answer group, `key` is the group's
// alternatives key (the head's) and `groupAnswersBefore` the answers of the
// parts of the group before this one, in part order (empty for the head).
// None for a part the judge finds right, an empty or blank answer, a type
// letter the judge does not judge, and a key the judge cannot read. Never
// throws.
AnswerNote WrongAnswerNote(const QString& answer, const QString& key, const QString& type,
                           const QStringList& groupAnswersBefore = {});

// The note of part `part` (1-based) of a paper's lists (0-based by part):
// WrongAnswerNote with the part's group worked out from the keys as the judge
// does. None for a part outside the lists or lists of unequal length.
AnswerNote PartNote(const QStringList& answers, const QStringList& keys, const QStringList& types,
                    int part);

// Who reads the note: before any answer is shown (a first take, the course
// tool), or beside the expected answer (a marked second take shows it for
// every part still wrong).
enum class NoteReader {
    AnswerHidden,
    AnswerShown,
};

// The note as one short sentence for a pupil; empty for None. Read with the
// answer hidden, no note names or hints at the expected answer beyond what
// the pupil wrote.
QString AnswerNoteText(AnswerNote note, NoteReader reader = NoteReader::AnswerHidden);

} // namespace orvanta
