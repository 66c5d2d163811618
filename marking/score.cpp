#include "score.h"

#include "answer_judge.h"
#include "decimal_text.h"
#include "marking_error.h"

#include "data/course_content.h"

#include <QLocale>

namespace orvanta {

namespace {

constexpr int kMaxPercentageIntegerDigits = 9;

__extension__ typedef __int128 WideInt;

int markAt(const QStringList& marks, qsizetype part) {
    return part < marks.size() ? MarkValue(marks.at(part)) : 0;
}

// Rounds "0.d1d2d3..." of a tenth (the digits after the first decimal) to
// 0 or 1 tenth, halves to even by `tenthsSoFar`.
qint64 roundRemainder(QStringView rest, qint64 tenthsSoFar) {
    if (rest.isEmpty() || rest.front() < u'5')
        return 0;
    if (rest.front() > u'5')
        return 1;
    for (QChar c : rest.sliced(1)) {
        if (c != u'0')
            return 1;
    }
    return tenthsSoFar % 2 != 0 ? 1 : 0;
}

} // namespace

qint64 Score(const QStringList& results, const QStringList& marks) {
    qint64 score = 0;
    for (qsizetype i = 0; i < results.size(); ++i) {
        if (results.at(i) == kRightCode)
            score += markAt(marks, i);
    }
    return score;
}

qint64 TotalMarks(const QStringList& marks) {
    qint64 total = 0;
    for (const QString& mark : marks)
        total += MarkValue(mark);
    return total;
}

qint64 DivideRoundHalfEven(qint64 numerator, qint64 denominator) {
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) { // floor division, remainder in 0..denominator-1
        remainder += denominator;
        quotient -= 1;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

QString TenthsText(qint64 tenths) {
    const bool negative = tenths < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(tenths) : tenths;
    QString text = negative ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / 10);
    if (magnitude % 10 != 0)
        text += u'.' + QString::number(magnitude % 10);
    return text;
}

QString PercentageText(qint64 score, qint64 total) {
    if (total <= 0)
        throw MarkingError(MarkingError::Reason::ZeroTotal,
                           QStringLiteral("The marks of the paper add up to %1, so no percentage "
                                          "can be given.")
                               .arg(total));
    if (score < 0)
        throw MarkingError(MarkingError::Reason::BadArgument,
                           QStringLiteral("A score of %1 is below zero.").arg(score));
    return TenthsText(DivideRoundHalfEven(score * 1000, total));
}

QString TimeTakenText(qint64 elapsedSeconds) {
    const qint64 seconds = std::max<qint64>(elapsedSeconds, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds % 3600 / 60)
        .arg(seconds % 60);
}

QString MarkingDateText(const QDate& date) {
    return QLocale::c().toString(date, QStringLiteral("d MMM yyyy"));
}

std::optional<qint64> ParsePercentageTenths(const QString& text) {
    const std::optional<DecimalText> value =
        ParseDecimalText(text, DecimalSeparators::PointOrComma);
    if (!value || value->integerDigits.size() > kMaxPercentageIntegerDigits)
        return std::nullopt;
    const QStringView fraction = value->fractionDigits;
    qint64 tenths = value->integerDigits.toLongLong() * 10;
    if (!fraction.isEmpty())
        tenths += fraction.front().digitValue();
    tenths += roundRemainder(fraction.isEmpty() ? fraction : fraction.sliced(1), tenths);
    return value->negative ? -tenths : tenths;
}

void PercentageTally::add(qint64 tenths) {
    sum_ += tenths;
    ++count_;
}

bool PercentageTally::addText(const QString& text) {
    if (text.isEmpty())
        return true;
    const std::optional<qint64> tenths = ParsePercentageTenths(text);
    if (!tenths)
        return false;
    add(*tenths);
    return true;
}

QString PercentageTally::averageText() const {
    if (count_ == 0)
        return {};
    return TenthsText(DivideRoundHalfEven(sum_, count_));
}

double PercentageTally::averageValue() const {
    if (count_ == 0)
        return 0.0;
    return static_cast<double>(sum_) / static_cast<double>(count_) / 10.0;
}

int PercentageTally::compareAverage(const PercentageTally& other) const {
    // a/b against c/d with b, d > 0; an empty tally stands for 0/1.
    const WideInt left = static_cast<WideInt>(sum_) * std::max<qint64>(other.count_, 1);
    const WideInt right = static_cast<WideInt>(other.sum_) * std::max<qint64>(count_, 1);
    return left < right ? -1 : (left > right ? 1 : 0);
}

} // namespace orvanta
