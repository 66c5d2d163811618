#pragma once

#include <QString>

// What a screen reader says for the practice window's controls whose
// visible text is a symbol, a bare figure or nothing: the accessible names
// and descriptions. Qt Core only; the window sets them (practice_window.cpp).
namespace orvanta {

// The answer box of part `part` (1..20) of question `question` with
// `partCount` parts: "Answer (b) of question 3"; a one-part question's box
// is "Answer to question 3".
QString AnswerBoxName(int question, int part, int partCount);

// The model-answer box of the same part: "Model answer (b) of question 3",
// "Model answer to question 3".
QString ModelAnswerName(int question, int part, int partCount);

// A result label holding result code `code`: "right", "wrong", or "not
// marked" for the empty (or an unknown) code.
QString ResultName(const QString& code);

// What the result label is about: "First try, answer (b) of question 3";
// the second take's own label says "Second try, ...".
QString ResultDescription(bool firstTry, int question, int part, int partCount);

// A marked answer box's description: its result name, then the model
// answer and the note where the sheet shows them ("wrong; model answer 45;
// Check your spelling."). Empty `model` and `note` are left out.
QString MarkedAnswerDescription(const QString& resultName, const QString& model,
                                const QString& note);

// A whole number of seconds spoken: "0 seconds", "1 minute 5 seconds",
// "2 hours 0 minutes 7 seconds". Negative counts are read as 0.
QString SpokenDuration(qint64 seconds);

// A time as the window shows it, "h:m:s" (also "hh:mm:ss"), spoken as
// SpokenDuration does; any other text (a hand-edited file) is returned as
// it stands.
QString SpokenClockText(const QString& clock);

// The score panel: "Your score: 75 percent", or "Your score: not marked
// yet" while `percentage` is empty.
QString ScoreName(const QString& percentage);

// The answered count: "Answered: 5 of 12".
QString AnsweredName(const QString& answered, const QString& total);

} // namespace orvanta
