#include "answer_input.h"

#include "data/cp1252.h"

namespace orvanta {

bool IsLineBreak(QChar c) {
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

FilteredInput FilterAnswerInput(const QString& input) {
    FilteredInput out;
    out.accepted.reserve(input.size());
    auto refuse = [&](InputRefusal refusal) {
        if (out.refusal == InputRefusal::None)
            out.refusal = refusal;
    };
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (IsLineBreak(c) || c == u'\t') {
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

} // namespace orvanta
