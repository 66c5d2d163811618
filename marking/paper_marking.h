#pragma once

#include "data/course_content.h"

#include <QList>
#include <QString>
#include <QStringList>

// Marking whole papers and runs of parts: the keys are checked first, every
// part is judged by its type letter, the marks are added up and the
// percentage computed. This is what the practice window's Mark command and
// the course tool call; answer_judge.h holds the rules themselves.
namespace orvanta {

struct PaperMarking {
    QStringList results; // one result code per part
    qint64 score = 0;    // marks of the right parts
    qint64 total = 0;    // marks of all parts that have one
    QString percentage;  // PercentageText(score, total)
};

// Judges every part of `paper` with `answers` (one per part, as typed; for a
// second take the second answers, carried-over ones included).
// Throws MarkingError: BadArgument when the answers do not match the parts;
// InvalidKey naming every question and part whose key cannot be judged;
// ZeroTotal when the paper's marks add up to 0. Nothing is judged then.
PaperMarking MarkPaperAnswers(const PaperContent& paper, const QStringList& answers);

struct JudgedPart {
    QString result;      // result code
    QString modelAnswer; // what the second take puts in the part's model-answer box
};

// Judges parts given as field lists (one question, or a paper), with the
// model answer of each. Throws MarkingError: BadArgument when the three lists
// differ in length or are empty; InvalidKey naming every part whose key
// cannot be judged.
QList<JudgedPart> JudgeParts(const QStringList& types, const QStringList& keys,
                             const QStringList& answers);

// Each key given as its own answer, which its judge must find right: the key
// itself, the first alternative of an M key, and for an answer group the
// head's alternatives in order, one per part (empty where they run out).
// Never throws: a part whose key cannot give an answer gets an empty one,
// and CheckKeys reports its key.
QStringList SelfAnswers(const QStringList& keys, const QStringList& types);

} // namespace orvanta
