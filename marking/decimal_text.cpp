#include "decimal_text.h"

namespace orvanta {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isSeparator(QChar c, DecimalSeparators separators) {
    return c == u'.' || (separators == DecimalSeparators::PointOrComma && c == u',');
}

} // namespace

QString DecimalText::canonical() const {
    QString text;
    if (negative)
        text += u'-';
    text += integerDigits;
    if (!fractionDigits.isEmpty())
        text += u'.' + fractionDigits;
    return text;
}

std::optional<DecimalText> ParseDecimalText(QStringView text, DecimalSeparators separators) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    DecimalText value;
    qsizetype i = begin;
    if (i < end && (text[i] == u'+' || text[i] == u'-'))
        value.negative = text[i++] == u'-';

    QStringView integer;
    QStringView fraction;
    const qsizetype integerStart = i;
    while (i < end && isAsciiDigit(text[i]))
        ++i;
    integer = text.sliced(integerStart, i - integerStart);
    if (i < end && isSeparator(text[i], separators)) {
        const qsizetype fractionStart = ++i;
        while (i < end && isAsciiDigit(text[i]))
            ++i;
        fraction = text.sliced(fractionStart, i - fractionStart);
    }
    if (i != end || (integer.isEmpty() && fraction.isEmpty()))
        return std::nullopt;

    while (!integer.isEmpty() && integer.front() == u'0')
        integer = integer.sliced(1);
    while (!fraction.isEmpty() && fraction.back() == u'0')
        fraction.chop(1);
    value.integerDigits = integer.isEmpty() ? QStringLiteral("0") : integer.toString();
    value.fractionDigits = fraction.toString();
    if (value.isZero())
        value.negative = false;
    return value;
}

} // namespace orvanta
