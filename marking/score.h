#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// Scores and the texts marking stores: percentages, time taken, the date, and
// the reading back of stored percentages for averages. All arithmetic is in
// whole numbers (percentages in tenths), so that exact halves round to the
// even digit on every machine.
namespace orvanta {

// Sum of the marks of the parts whose result is the right code. A mark is a
// whole number above 0 as text (MarkValue); a part without one, empty,
// malformed or beyond the end of `marks`, earns 0.
qint64 Score(const QStringList& results, const QStringList& marks);
// Sum of every part's mark by the same rule: parts without a mark stay out.
qint64 TotalMarks(const QStringList& marks);

// round(numerator / denominator) with halves to the even neighbour.
// `denominator` must be above 0.
qint64 DivideRoundHalfEven(qint64 numerator, qint64 denominator);

// Shortest text of a number of tenths with "." as separator: 667 gives
// "66.7", 1000 gives "100", 0 gives "0", -5 gives "-0.5".
QString TenthsText(qint64 tenths);

// score / total x 100 to one decimal, halves to even, shortest text:
// 20/30 "66.7", 1/16 "6.2", 5/8 "62.5", 30/30 "100", 0/30 "0".
// Throws MarkingError: ZeroTotal when total is 0 or less (no percentage
// exists), BadArgument when score is below 0.
QString PercentageText(qint64 score, qint64 total);

// Time taken as hours ":" minutes ":" seconds without leading zeros: 65 gives
// "0:1:5", 3612 "1:0:12". Hours are whole elapsed hours and do not wrap at a
// day (25 hours give "25:0:0"). A negative time (the system clock set back
// during the take) reads "0:0:0".
QString TimeTakenText(qint64 elapsedSeconds);

// The date of marking as stored in "CDD" and shown to the pupil: day, English
// month abbreviation, four-digit year ("30 Dec 2005", "7 Mar 2024"), the same
// on every machine, so that no reader can take the day for the month.
QString MarkingDateText(const QDate& date);

// A stored percentage as whole tenths: the numeric syntax of decimal_text.h
// with "." or "," as separator ("66.7", "66,7", "100", " 50 "). Digits beyond
// the first decimal, which marking never writes, are rounded half to even.
// Nothing for an empty or malformed text or one beyond 9 integer digits.
std::optional<qint64> ParsePercentageTenths(const QString& text);

// A running sum of percentages in tenths and its exact average.
class PercentageTally {
public:
    void add(qint64 tenths);
    // Parses and adds a stored text; an empty one is skipped. Returns false,
    // adding nothing, for a text that is not a percentage.
    bool addText(const QString& text);

    qint64 count() const { return count_; }
    qint64 sumTenths() const { return sum_; }
    // Average to one decimal, halves to even: 622.5 tenths give "62.2".
    // Empty when nothing was added.
    QString averageText() const;
    // The unrounded average as a number, for drawing (bars); 0 when empty.
    double averageValue() const;

    // Exact comparison of the averages (cross-multiplied): negative, 0 or
    // positive as this average is below, equal to or above `other`'s. An
    // empty tally counts as 0.
    int compareAverage(const PercentageTally& other) const;

private:
    qint64 sum_ = 0;
    qint64 count_ = 0;
};

} // namespace orvanta
