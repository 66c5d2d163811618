#include "answer_notes.h"

#include "marking/answer_note.h"
#include "practice/answer_sheet.h"
#include "ui_frame/ui_font.h"
#include "ui_frame/units.h"

#include <QEvent>
#include <QScrollArea>

namespace orvanta {

namespace {

// The strip keeps the gap the frames keep between them, and a little room
// above the instruction picture or the sheet's bottom.
constexpr int kGapTwips = 105;
constexpr int kBottomRoom = 4;
constexpr int kMarkSize = 13;

const QString kMoreNotes = QStringLiteral("Point at a cross to read its note.");

} // namespace

QList<FrameNote> MarkedSheetNotes(const QStringList& answers, const QStringList& results,
                                  const QStringList& keys, const QStringList& types, int offset,
                                  int partCount, Take take) {
    const NoteReader reader =
        take == Take::First ? NoteReader::AnswerHidden : NoteReader::AnswerShown;
    QList<FrameNote> notes;
    for (int frame = 1; frame <= std::min(partCount, kAnswerFrameCount); ++frame) {
        const int part = offset + frame;
        if (!IsWrongCode(results.value(part - 1)))
            continue;
        const QString text = AnswerNoteText(PartNote(answers, keys, types, part), reader);
        if (!text.isEmpty())
            notes.append({frame, text});
    }
    return notes;
}

AnswerNotesStrip::AnswerNotesStrip(AnswerSheet* sheet)
    : QLabel(sheet->framesView()->widget())
    , sheet_(sheet) {
    setObjectName(QStringLiteral("lblAnswerNotes"));
    setFont(uiFont(8));
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setStyleSheet(QStringLiteral("QLabel#lblAnswerNotes { background: rgb(255, 255, 255);"
                                 " color: rgb(43, 58, 85); border: 1px solid rgb(178, 217, 246);"
                                 " padding: 2px 4px; }"));
    hide();
    // The holder of the frames is resized whenever the sheet lays itself
    // out, after the view has its new height.
    parentWidget()->installEventFilter(this);
}

void AnswerNotesStrip::showNotes(const QList<FrameNote>& notes, int partCount) {
    notes_ = notes;
    partCount_ = std::clamp(partCount, 0, kAnswerFrameCount);
    const Take take = sheet_->take();
    for (int k = 1; k <= kAnswerFrameCount; ++k) {
        const AnswerFrame* frame = sheet_->frame(k);
        ResultLabel* cross = take == Take::First ? frame->FR() : frame->SR();
        QString tip;
        for (const FrameNote& note : notes_) {
            if (note.frame == k)
                tip = note.text;
        }
        cross->setToolTip(tip);
        if (take == Take::First)
            placeMark(k, tip);
    }
    place();
}

void AnswerNotesStrip::placeMark(int frame, const QString& note) {
    QLabel*& mark = marks_[frame - 1];
    if (!mark) {
        if (note.isEmpty())
            return;
        mark = new QLabel(QStringLiteral("?"), sheet_->frame(frame));
        mark->setObjectName(QStringLiteral("lblNoteMark%1").arg(frame));
        mark->setFont(uiFont(8, true));
        mark->setAlignment(Qt::AlignCenter);
        mark->setFixedSize(kMarkSize, kMarkSize);
        mark->setStyleSheet(QStringLiteral("QLabel { color: rgb(255, 255, 255); background:"
                                           " rgb(47, 116, 208); border-radius: %1px; }")
                                .arg(kMarkSize / 2));
    }
    mark->setToolTip(note);
    mark->setVisible(!note.isEmpty());
    // Right of the cross where the frame has room (the first take's hidden
    // model-answer box), else under it (beside a long answer box).
    const QRect cross = sheet_->frame(frame)->FR()->geometry();
    const int frameWidth = sheet_->frame(frame)->width();
    if (cross.right() + 2 + kMarkSize <= frameWidth)
        mark->move(cross.right() + 2, cross.center().y() - kMarkSize / 2);
    else
        mark->move(cross.center().x() - kMarkSize / 2, cross.bottom() + 2);
}

QString AnswerNotesStrip::stripText(int listed) const {
    QString html;
    for (int i = 0; i < listed; ++i) {
        const FrameNote& note = notes_.at(i);
        html += QStringLiteral("<div>");
        if (partCount_ >= 2)
            html += QStringLiteral("<b>%1</b>&nbsp;").arg(PartLetter(note.frame));
        html += note.text.toHtmlEscaped() + QStringLiteral("</div>");
    }
    if (listed < notes_.size())
        html += QStringLiteral("<div><i>%1</i></div>").arg(kMoreNotes.toHtmlEscaped());
    return html;
}

void AnswerNotesStrip::place() {
    listed_ = 0;
    if (notes_.isEmpty() || partCount_ < 1) {
        hide();
        return;
    }
    const AnswerFrame* first = sheet_->frame(1);
    const QRect last = sheet_->frame(partCount_)->geometry();
    const int top = last.y() + last.height() + twipsToPixels(kGapTwips);
    const int width = twipsToPixels(kFrameWidthTwips);
    // The strip stands in the frames' holder, in the room the view shows
    // below the last frame (above the instruction picture): it never makes
    // the frames scroll.
    const int bottom = sheet_->framesView()->height() - kBottomRoom;
    for (int listed = static_cast<int>(notes_.size()); listed >= 1; --listed) {
        setText(stripText(listed));
        const int height = heightForWidth(width);
        if (top + height <= bottom) {
            listed_ = listed;
            setGeometry(first->x(), top, width, height);
            raise();
            show();
            return;
        }
    }
    hide();
}

bool AnswerNotesStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QLabel::eventFilter(watched, event);
}

} // namespace orvanta
