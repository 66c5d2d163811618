#pragma once

#include "practice/logic/answer_input.h"

#include <QPlainTextEdit>
#include <QString>

// An answer text box (FA1..FA20): one line of text that keeps out what the
// answer files cannot store (the filter is in practice/logic/answer_input.h).
namespace orvanta {

// The box: Arial 9 pt bold, tooltip "Enter your answer", no frame of its own
// (the answer frame draws the light-blue box around it). Typed, pasted,
// dropped and composed text is filtered as above, Enter is refused, and a
// length limit (1 for type Q) holds whatever way text arrives; each refusal
// emits refused() with its hint. A one-line box scrolls sideways as text
// grows; a long box (type L) wraps and scrolls down. Typed and pasted text
// always leaves the caret in sight.
class AnswerBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget* parent = nullptr);

    QString text() const;
    // Shows `text` as stored (nothing is filtered: stored answers are
    // storable by construction): a long box from its beginning, with the
    // caret there, a one-line box with the caret at its end.
    void setText(const QString& text);

    // 0: no limit.
    void setMaxLength(int length);
    int maxLength() const { return maxLength_; }

    void setLongAnswer(bool longAnswer);
    bool isLongAnswer() const { return longAnswer_; }

    // The box's background (white, or light blue for a carried-over part).
    void setBackgroundColour(const QColor& colour);
    QColor backgroundColour() const;

signals:
    void refused(const QString& hint);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Inserts `input` at the cursor as filtering and the length limit allow.
    void insertFiltered(const QString& input);
    int roomLeft() const;
    void enforceRules();
    void refuse(InputRefusal refusal);
    void centreLine();

    int maxLength_ = 0;
    bool longAnswer_ = false;
    bool enforcing_ = false;
};

} // namespace orvanta
