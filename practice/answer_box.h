#pragma once

#include <QPlainTextEdit>
#include <QString>

// An answer text box (FA1..FA20): one line of text that keeps out what the
// answer files cannot store.
namespace orvanta {

// Why typed or pasted input lost characters.
enum class InputRefusal {
    None,
    Separator, // ">", the field separator of the record files
    Layout,    // line breaks, tabs and other control characters
    Character, // a character that Windows-1252 lacks
};

// What is left of typed or pasted `input` once the characters an answer
// cannot hold are taken out: ">", line breaks and tabs (each becomes one
// space; CR LF is one line break), the other control characters (below
// U+0020, and U+007F: dropped) and characters that Windows-1252 lacks.
// `refusal` names the first kind refused, None when nothing was.
struct FilteredInput {
    QString accepted;
    InputRefusal refusal = InputRefusal::None;
};
FilteredInput FilterAnswerInput(const QString& input);

// The hints shown when input is refused. A long answer box wraps its text,
// so it says what becomes of a line break there.
inline constexpr char kSeparatorHint[] = "The sign > cannot be used in an answer.";
inline constexpr char kLineBreakHint[] = "An answer is written on one line.";
inline constexpr char kParagraphHint[] =
    "Line breaks are not kept: the answer stays one paragraph.";
inline constexpr char kCharacterHint[] = "That character cannot be used in an answer.";

// The hint for `refusal` in a one-line or a long box; empty for None.
QString RefusalHint(InputRefusal refusal, bool longAnswer);

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
