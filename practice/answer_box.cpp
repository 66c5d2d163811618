#include "answer_box.h"

#include "data/cp1252.h"
#include "ui_frame/ui_font.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>

#include <climits>

namespace orvanta {

namespace {

bool isLineBreak(QChar c) {
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case u'\v':
    case u'\f':
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

// Text that a key press types, as opposed to a shortcut or an editing key.
bool typesText(const QKeyEvent* event) {
    if (event->text().isEmpty())
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    for (QChar c : event->text()) {
        if (!c.isPrint() && !isLineBreak(c))
            return false;
    }
    return true;
}

} // namespace

FilteredInput FilterAnswerInput(const QString& input) {
    FilteredInput out;
    out.accepted.reserve(input.size());
    auto refuse = [&](InputRefusal refusal) {
        if (out.refusal == InputRefusal::None)
            out.refusal = refusal;
    };
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (isLineBreak(c) || c == u'\t') {
            refuse(InputRefusal::Layout);
            // CR LF is one line break.
            if (c == u'\r' && i + 1 < input.size() && input.at(i + 1) == u'\n')
                ++i;
            out.accepted.append(u' ');
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            // Stored as typed they would draw as boxes, and an answer of
            // nothing but them would count as answered.
            refuse(InputRefusal::Layout);
        } else if (c == u'>') {
            refuse(InputRefusal::Separator);
        } else if (!cp1252::canEncode(c)) {
            refuse(InputRefusal::Character);
        } else {
            out.accepted.append(c);
        }
    }
    return out;
}

QString RefusalHint(InputRefusal refusal, bool longAnswer) {
    switch (refusal) {
    case InputRefusal::None:
        return {};
    case InputRefusal::Separator:
        return QString::fromLatin1(kSeparatorHint);
    case InputRefusal::Layout:
        return QString::fromLatin1(longAnswer ? kParagraphHint : kLineBreakHint);
    case InputRefusal::Character:
        return QString::fromLatin1(kCharacterHint);
    }
    return {};
}

AnswerBox::AnswerBox(QWidget* parent)
    : QPlainTextEdit(parent) {
    setFont(uiFont(9, true));
    setToolTip(QStringLiteral("Enter your answer"));
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // One pixel of margin leaves room for the caret after the last
    // character when the text is scrolled to its end.
    document()->setDocumentMargin(1);
    setBackgroundColour(Qt::white);
    connect(this, &QPlainTextEdit::textChanged, this, &AnswerBox::enforceRules);
}

QString AnswerBox::text() const {
    // The raw text keeps non-breaking spaces as typed; a box holds one block.
    return document()->toRawText();
}

void AnswerBox::setText(const QString& text) {
    enforcing_ = true;
    setPlainText(text);
    enforcing_ = false;
    // A long answer reads from its beginning; a one-line one shows where
    // typing would go on.
    moveCursor(longAnswer_ ? QTextCursor::Start : QTextCursor::End);
    ensureCursorVisible();
}

void AnswerBox::setMaxLength(int length) {
    maxLength_ = length;
}

void AnswerBox::setLongAnswer(bool longAnswer) {
    if (longAnswer_ == longAnswer)
        return;
    longAnswer_ = longAnswer;
    setLineWrapMode(longAnswer ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    centreLine();
}

void AnswerBox::setBackgroundColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    // The margins around the text take the box's colour too.
    setAutoFillBackground(true);
}

QColor AnswerBox::backgroundColour() const {
    return palette().color(QPalette::Base);
}

int AnswerBox::roomLeft() const {
    if (maxLength_ <= 0)
        return INT_MAX;
    const int length = static_cast<int>(text().size());
    const int selected = static_cast<int>(textCursor().selectedText().size());
    return std::max(0, maxLength_ - (length - selected));
}

void AnswerBox::refuse(InputRefusal refusal) {
    if (refusal != InputRefusal::None)
        emit refused(RefusalHint(refusal, longAnswer_));
}

void AnswerBox::insertFiltered(const QString& input) {
    const FilteredInput filtered = FilterAnswerInput(input);
    refuse(filtered.refusal);
    const QString accepted = filtered.accepted.left(roomLeft());
    if (accepted.isEmpty())
        return;
    insertPlainText(accepted);
    // Inserting does not scroll by itself: the caret would go out of sight
    // past the box's edge.
    ensureCursorVisible();
}

void AnswerBox::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        refuse(InputRefusal::Layout);
        event->accept();
        return;
    }
    if (typesText(event)) {
        insertFiltered(event->text());
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || isReadOnly()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    const FilteredInput filtered = FilterAnswerInput(event->commitString());
    refuse(filtered.refusal);
    QInputMethodEvent allowed(event->preeditString(), event->attributes());
    allowed.setCommitString(filtered.accepted.left(roomLeft()), event->replacementStart(),
                            event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&allowed);
}

bool AnswerBox::canInsertFromMimeData(const QMimeData* source) const {
    return !isReadOnly() && source->hasText();
}

void AnswerBox::insertFromMimeData(const QMimeData* source) {
    if (!isReadOnly() && source->hasText())
        insertFiltered(source->text());
}

// The last guard: whatever way text got in (undo of a filtered edit, a
// shortcut of the platform), the box never holds what cannot be stored.
void AnswerBox::enforceRules() {
    if (enforcing_)
        return;
    const QString current = text();
    const FilteredInput filtered = FilterAnswerInput(current);
    QString allowed = filtered.accepted;
    if (maxLength_ > 0 && allowed.size() > maxLength_)
        allowed.truncate(maxLength_);
    if (allowed == current)
        return;
    enforcing_ = true;
    setPlainText(allowed);
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
    enforcing_ = false;
    refuse(filtered.refusal);
}

void AnswerBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    centreLine();
}

void AnswerBox::centreLine() {
    if (longAnswer_) {
        setViewportMargins(3, 2, 3, 2);
        return;
    }
    const int line = fontMetrics().lineSpacing();
    setViewportMargins(3, std::max(0, (height() - line) / 2), 3, 0);
}

} // namespace orvanta
