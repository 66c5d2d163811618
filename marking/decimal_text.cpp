#include "decimal_text.h"

#include <algorithm>

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

constexpr qsizetype kThousandsGroup = 3;

// The whole part's digits from `text` at `i`, plain or grouped in thousands
// with commas; `i` is left after them. Nothing when a comma groups them
// wrongly.
std::optional<QString> wholeDigits(QStringView text, qsizetype& i, DecimalSeparators separators) {
    const qsizetype start = i;
    while (i < text.size() && isAsciiDigit(text[i]))
        ++i;
    QString digits = text.sliced(start, i - start).toString();
    if (separators != DecimalSeparators::PointAndThousands || i == text.size() || text[i] != u',')
        return digits;
    if (digits.isEmpty() || digits.size() > kThousandsGroup || digits.front() == u'0')
        return std::nullopt;
    while (i < text.size() && text[i] == u',') {
        const QStringView group = text.sliced(i + 1).left(kThousandsGroup);
        if (group.size() < kThousandsGroup ||
            !std::all_of(group.begin(), group.end(), isAsciiDigit))
            return std::nullopt;
        digits += group;
        i += 1 + kThousandsGroup;
    }
    if (i < text.size() && isAsciiDigit(text[i]))
        return std::nullopt; // a group of more than three digits
    return digits;
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

int CompareDecimals(const DecimalText& a, const DecimalText& b) {
    if (a.negative != b.negative)
        return a.negative ? -1 : 1;
    // Magnitudes: more whole digits is larger, then digit by digit.
    int magnitude = 0;
    if (a.integerDigits.size() != b.integerDigits.size())
        magnitude = a.integerDigits.size() < b.integerDigits.size() ? -1 : 1;
    else if (const int whole = a.integerDigits.compare(b.integerDigits); whole != 0)
        magnitude = whole < 0 ? -1 : 1;
    else if (const int fraction = a.fractionDigits.compare(b.fractionDigits); fraction != 0)
        // Without trailing zeros, the shorter of two equal-led fractions is smaller.
        magnitude = fraction < 0 ? -1 : 1;
    return a.negative ? -magnitude : magnitude;
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

    const QStringView number = text.first(end);
    const std::optional<QString> whole = wholeDigits(number, i, separators);
    if (!whole)
        return std::nullopt;
    QStringView integer = *whole;
    QStringView fraction;
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
