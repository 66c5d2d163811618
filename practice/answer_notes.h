#pragma once

#include "practice/practice_rules.h"

#include <QLabel>
#include <QList>
#include <QString>
#include <QStringList>

// The notes of a marked answer sheet: for each wrong part of the current
// question whose answer nearly hit, one line saying why it missed
// (answer_note.h). They are added beside the sheet's design and change none
// of it: each cross with a note carries the note as its tooltip, and a strip
// under the last answer frame lists the notes, in free space only. In the
// first take, whose model-answer boxes stay hidden, a small "?" beside the
// cross points to its note.
namespace orvanta {

class AnswerSheet;

// One note, for answer frame `frame` (1..20).
struct FrameNote {
    int frame = 0;
    QString text;
};

// The notes of the `partCount` parts of a question whose first part is
// paper-wide part `offset` + 1, in a take marked with `results` (this take's
// result codes). Only parts whose result is the wrong code get one. In the
// first take the note keeps the expected answer hidden; a marked second take
// shows it beside every part still wrong, and the note may point to it.
// Lists are the paper's, 0-based by part.
QList<FrameNote> MarkedSheetNotes(const QStringList& answers, const QStringList& results,
                                  const QStringList& keys, const QStringList& types, int offset,
                                  int partCount, Take take);

// The strip of notes on the answer sheet, `lblAnswerNotes`: a child of the
// holder of the sheet's frames (it scrolls with them), hidden unless a marked
// sheet has notes for the current question.
class AnswerNotesStrip : public QLabel {
    Q_OBJECT
public:
    explicit AnswerNotesStrip(AnswerSheet* sheet);

    // Shows `notes` for a question of `partCount` parts whose frames are
    // stacked and shown: tooltips on this take's result labels (the others
    // cleared), and the strip under the last frame. The part letter leads
    // each line when the question has two parts or more, as the frames show
    // it. Lines that do not fit above the instruction picture (or the sheet's
    // bottom) are left to the tooltips, and the last line says so. An empty
    // list hides the strip.
    void showNotes(const QList<FrameNote>& notes, int partCount);
    void clear() { showNotes({}, 0); }

    const QList<FrameNote>& notes() const { return notes_; }
    // How many notes the strip lists (the rest are tooltips only).
    int listedCount() const { return listed_; }
    // The "?" beside the cross of frame 1..20 (first take only; null before
    // the frame's first note).
    QLabel* noteMark(int frame) const { return marks_.value(frame - 1); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void placeMark(int frame, const QString& note);
    QString stripText(int listed) const;

    AnswerSheet* sheet_;
    QList<FrameNote> notes_;
    QList<QLabel*> marks_ = QList<QLabel*>(kAnswerFrameCount, nullptr);
    int partCount_ = 0;
    int listed_ = 0;
};

} // namespace orvanta
