#pragma once

#include <QChar>
#include <QString>

// What an answer may hold: the filter of typed and pasted text and the hints
// shown when it refuses something. No widget here; the answer box applies it.
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

// A line break of any kind: CR, LF, vertical tab, form feed, NEL and the
// Unicode line and paragraph separators.
bool IsLineBreak(QChar c);

} // namespace orvanta
