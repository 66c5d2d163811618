#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Decimal numbers written as text, read exactly.
//
// One fixed syntax, the same on every machine and in every locale: optional
// surrounding blanks (spaces or tabs), an optional sign "+" or "-", then
// digits 0-9 with at most one decimal separator, and at least one digit in
// all ("15360", " -3 ", ".5", "2.", "15360.00"). The judge's numbers may also
// group the whole part's digits in thousands with commas, as printed pages
// do: one to three digits, not starting with 0, then groups of exactly three
// ("62,560", "-1,234,567.5"); any other comma ("6,25", "62,56,0", "0,560",
// "1,234.567,8") makes the text no number. No exponent, no other digits or
// words. The value is kept as its digit strings, so any length of digits
// compares exactly and nothing is rounded.
namespace orvanta {

struct DecimalText {
    bool negative = false;  // never set for zero
    QString integerDigits;  // no leading zeros; "0" for a value below 1
    QString fractionDigits; // no trailing zeros; empty for a whole number

    // Shortest text of the value with "." as separator: "-115.5", "0", "0.5".
    QString canonical() const;
    bool isZero() const { return integerDigits == u"0" && fractionDigits.isEmpty(); }
    friend bool operator==(const DecimalText&, const DecimalText&) = default;
};

enum class DecimalSeparators {
    PointAndThousands, // the judge's numbers: "." decimal point, "," grouping thousands
    PointOrComma,      // stored percentages: "." as written, "," from a comma locale
};

// Exact comparison of two values: negative, 0 or positive as `a` is below,
// equal to or above `b`.
int CompareDecimals(const DecimalText& a, const DecimalText& b);

// The value of `text`, or nothing when it does not follow the syntax above.
std::optional<DecimalText>
ParseDecimalText(QStringView text,
                 DecimalSeparators separators = DecimalSeparators::PointAndThousands);

} // namespace orvanta
