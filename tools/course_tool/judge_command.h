#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// `orvanta-course judge`: one question's parts judged as the program judges
// them, so that a course author can try a key before shipping it.
namespace orvanta {

struct JudgeOutput {
    QStringList lines;      // one per part: "right", "wrong" or "none", a tab, the model answer
    QString error;          // set instead of lines when the input cannot be judged
    QStringList notes = {}; // one per part: why a wrong answer missed, as a first take says it;
                            // empty when the part gets no note (answer_note.h)
    bool ok() const { return error.isEmpty(); }
};

// Judges the parts given as record fields joined with ">" exactly as in the
// tables: types "G>G>G", keys ";woodlouse;earthworm> > ", answers
// "Earthworm>woodlouse>woodlouse". The three lists must have the same number
// of fields; keys the judge cannot judge give an error naming the part.
JudgeOutput JudgeFields(const QString& types, const QString& keys, const QString& answers);

} // namespace orvanta
