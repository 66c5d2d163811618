#include "answer_note.h"

#include "answer_judge.h"
#include "decimal_text.h"
#include "marking_error.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <optional>

namespace orvanta {

namespace {

QString withoutSpaces(QStringView text) {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ')
            kept += c;
    }
    return kept;
}

bool hasLetter(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// ---- Exact values of numbers, fractions and ratios -------------------------

// A rational number in lowest terms, denominator above 0. Every operation
// gives nothing rather than overflow: a value too large to hold gets no note.
struct Rational {
    qint64 num = 0;
    qint64 den = 1;
    friend bool operator==(const Rational&, const Rational&) = default;
};

std::optional<qint64> times(qint64 a, qint64 b) {
    qint64 product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        return std::nullopt;
    return product;
}

std::optional<qint64> plus(qint64 a, qint64 b) {
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
}

std::optional<Rational> makeRational(qint64 num, qint64 den) {
    if (den == 0)
        return std::nullopt;
    if (den < 0) {
        if (num == std::numeric_limits<qint64>::min() || den == std::numeric_limits<qint64>::min())
            return std::nullopt;
        num = -num;
        den = -den;
    }
    const qint64 divisor = std::gcd(num, den);
    return Rational{num / divisor, den / divisor};
}

// a / b, for the proportion of two ratio terms.
std::optional<Rational> quotient(const Rational& a, const Rational& b) {
    const auto num = times(a.num, b.den);
    const auto den = times(a.den, b.num);
    if (!num || !den)
        return std::nullopt;
    return makeRational(*num, *den);
}

constexpr int kMaxDigits = 18; // 10^18 still fits a qint64

std::optional<Rational> rationalOf(const DecimalText& value) {
    const QString digits = value.integerDigits + value.fractionDigits;
    if (digits.size() > kMaxDigits)
        return std::nullopt;
    qint64 den = 1;
    for (qsizetype i = 0; i < value.fractionDigits.size(); ++i)
        den *= 10;
    const qint64 num = digits.toLongLong();
    return makeRational(value.negative ? -num : num, den);
}

std::optional<Rational> decimalValue(QStringView text) {
    const std::optional<DecimalText> value = ParseDecimalText(text);
    return value ? rationalOf(*value) : std::nullopt;
}

// A whole number of the digits 0-9 alone, as a fraction's terms are written.
std::optional<qint64> wholeNumber(QStringView text) {
    if (text.isEmpty() || text.size() > kMaxDigits ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return text.toString().toLongLong();
}

// How a value is written.
enum class Form { Whole, Decimal, Fraction, Mixed };

struct WrittenValue {
    Rational value;
    Form form = Form::Whole;
};

// The text with the spaces around "/" and ":" taken out: "8 2 / 5" reads as
// "8 2/5", "14 : 5" as "14:5".
QString tightenedAroundSigns(QStringView text) {
    static const QRegularExpression spacedSign(QStringLiteral(" *([/:]) *"));
    return text.trimmed().toString().replace(spacedSign, QStringLiteral("\\1"));
}

std::optional<Rational> simpleFraction(QStringView text) {
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0 || text.indexOf(u'/', slash + 1) >= 0)
        return std::nullopt;
    const auto num = wholeNumber(text.first(slash));
    const auto den = wholeNumber(text.sliced(slash + 1));
    if (!num || !den)
        return std::nullopt;
    return makeRational(*num, *den);
}

// A whole number, a decimal, a fraction "a/b" or a mixed number "w a/b".
std::optional<WrittenValue> writtenValue(QStringView text) {
    const QString tight = tightenedAroundSigns(text);
    if (tight.isEmpty())
        return std::nullopt;
    if (const auto fraction = simpleFraction(tight))
        return WrittenValue{*fraction, Form::Fraction};
    const QStringList words = tight.split(u' ', Qt::SkipEmptyParts);
    if (words.size() == 2) {
        const auto whole = wholeNumber(words[0]);
        const auto fraction = simpleFraction(words[1]);
        if (whole && fraction) {
            const auto scaled = times(*whole, fraction->den);
            const auto num = scaled ? plus(*scaled, fraction->num) : std::nullopt;
            if (const auto value = num ? makeRational(*num, fraction->den) : std::nullopt)
                return WrittenValue{*value, Form::Mixed};
        }
        return std::nullopt;
    }
    if (const auto value = decimalValue(tight))
        return WrittenValue{*value, tight.contains(u'.') ? Form::Decimal : Form::Whole};
    return std::nullopt;
}

// The terms of a ratio "a:b" or "a:b:c" (decimals allowed), two at least.
std::optional<QList<Rational>> ratioTerms(QStringView text) {
    const QString tight = tightenedAroundSigns(text);
    const QStringList parts = tight.split(u':');
    if (parts.size() < 2)
        return std::nullopt;
    QList<Rational> terms;
    for (const QString& part : parts) {
        const auto term = decimalValue(part);
        if (!term || term->num == 0)
            return std::nullopt;
        terms.append(*term);
    }
    return terms;
}

// Two ratios of as many terms in the same proportion: 28:10 and 14:5.
bool sameProportion(const QList<Rational>& a, const QList<Rational>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 1; i < a.size(); ++i) {
        const auto left = quotient(a[i], a[0]);
        const auto right = quotient(b[i], b[0]);
        if (!left || !right || !(*left == *right))
            return false;
    }
    return true;
}

// The value a two-term ratio stands for as a fraction: 14:5 is 14/5.
std::optional<Rational> ratioValue(const QList<Rational>& terms) {
    return terms.size() == 2 ? quotient(terms[0], terms[1]) : std::nullopt;
}

// `decimal`, written with `places` digits after its point, is `value` rounded
// to those places: |decimal - value| <= half a unit of the last place.
bool roundsTo(const Rational& decimal, int places, const Rational& value) {
    qint64 scale = 1;
    for (int i = 0; i < places; ++i) {
        const auto next = times(scale, 10);
        if (!next)
            return false;
        scale = *next;
    }
    // |d.num/d.den - v.num/v.den| * 2 * scale <= 1
    const auto left = times(decimal.num, value.den);
    const auto right = times(value.num, decimal.den);
    const auto den = times(decimal.den, value.den);
    if (!left || !right || !den)
        return false;
    qint64 difference = 0;
    if (__builtin_sub_overflow(*left, *right, &difference))
        return false;
    const auto scaled = times(difference < 0 ? -difference : difference, scale);
    const auto doubled = scaled ? times(*scaled, 2) : std::nullopt;
    return doubled && *doubled <= *den;
}

int placesAfterPoint(QStringView text) {
    const QStringView trimmed = text.trimmed();
    const qsizetype point = trimmed.indexOf(u'.');
    if (point < 0)
        return 0;
    int places = 0;
    for (qsizetype i = point + 1; i < trimmed.size() && trimmed[i].isDigit(); ++i)
        ++places;
    return places;
}

// The digits of a number without its point, sign and outer zeros: 115.5,
// 11.55 and 0.01155 all give "1155".
QString significantDigits(const DecimalText& value) {
    QString digits = value.integerDigits + value.fractionDigits;
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    return digits;
}

// The answer with what is not the number taken out: letters (and a 2 or 3
// right after them, as in "cm2"), currency signs, "%", "°", "²", "³", "=",
// spaces and a final full stop. Empty when nothing but spaces went.
QString numberWithoutUnit(QStringView answer) {
    QString kept;
    bool removed = false;
    for (qsizetype i = 0; i < answer.size(); ++i) {
        const QChar c = answer[i];
        const bool afterLetter = i > 0 && answer[i - 1].isLetter();
        if (c.isLetter() || c.category() == QChar::Symbol_Currency ||
            QStringView(u"%°²³=").contains(c) || (afterLetter && (c == u'2' || c == u'3'))) {
            removed = true;
        } else if (c != u' ') {
            kept += c;
        }
    }
    while (kept.endsWith(u'.'))
        kept.chop(1);
    return removed ? kept : QString();
}

// ---- Text answers ----------------------------------------------------------

// Where a space stands in `text`: before which of its non-space characters.
QSet<qsizetype> spacePositions(QStringView text) {
    QSet<qsizetype> positions;
    qsizetype seen = 0;
    for (QChar c : text) {
        if (c == u' ')
            positions.insert(seen);
        else
            ++seen;
    }
    return positions;
}

qsizetype letterCountOfWordAt(QStringView text, qsizetype index) {
    if (text.isEmpty())
        return 0;
    index = std::clamp<qsizetype>(index, 0, text.size() - 1);
    if (text[index] == u' ' && index > 0)
        --index;
    qsizetype start = index;
    while (start > 0 && text[start - 1] != u' ')
        --start;
    qsizetype end = index;
    while (end < text.size() && text[end] != u' ')
        ++end;
    const QStringView word = text.sliced(start, end - start);
    return std::count_if(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
}

constexpr qsizetype kShortestSpeltWord = 4;

// What a spelling slip changes: a letter, or an apostrophe ("dont").
bool isSpeltCharacter(QChar c) {
    return c.isLetter() || c == u'\'' || c == u'\u2019';
}

// `answer` is `target` with one letter put in, left out, changed, or two
// neighbouring letters swapped, inside a word of `target` of 4 letters or
// more. A space or a punctuation mark is never the letter concerned: that is
// a spacing or punctuation slip, not spelling.
bool oneLetterOff(QStringView answer, QStringView target) {
    const qsizetype a = answer.size();
    const qsizetype t = target.size();
    if (answer == target || std::abs(a - t) > 1)
        return false;
    qsizetype p = 0;
    while (p < a && p < t && answer[p] == target[p])
        ++p;
    auto wordIsLongEnough = [&](qsizetype at) {
        return letterCountOfWordAt(target, at) >= kShortestSpeltWord;
    };
    if (a == t + 1) { // a letter put in at p
        return isSpeltCharacter(answer[p]) && answer.sliced(p + 1) == target.sliced(p) &&
               wordIsLongEnough(p < t && target[p] != u' ' ? p : p - 1);
    }
    if (a + 1 == t) { // the letter at p left out
        return isSpeltCharacter(target[p]) && answer.sliced(p) == target.sliced(p + 1) &&
               wordIsLongEnough(p);
    }
    if (answer.sliced(p + 1) == target.sliced(p + 1)) // the letter at p changed
        return isSpeltCharacter(answer[p]) && isSpeltCharacter(target[p]) && wordIsLongEnough(p);
    return p + 1 < t && answer[p] == target[p + 1] && answer[p + 1] == target[p] &&
           isSpeltCharacter(target[p]) && isSpeltCharacter(target[p + 1]) &&
           answer.sliced(p + 2) == target.sliced(p + 2) && wordIsLongEnough(p);
}

// ---- The answer in its part's setting ---------------------------------------

bool isChoiceType(const QString& type) {
    return type == u"G" || type == u"M";
}

// One wrong answer's place: its part's key (for a G or M part the group's
// alternatives key), its type letter, and the answers of the parts of its
// group before it.
class Attempt {
public:
    Attempt(const QString& key, const QString& type, const QStringList& before)
        : key_(key)
        , type_(type)
        , before_(before) {}

    // Whether the judge would find `answer` right in this part's place.
    // Throws MarkingError for a key the judge cannot read.
    bool rightWith(const QString& answer) const {
        if (!isChoiceType(type_))
            return JudgeAnswer(answer, key_, type_) == kRightCode;
        // The group as far as this part: the head's key, then " " keys.
        const QStringList answers = before_ + QStringList{answer};
        QStringList keys(answers.size(), QStringLiteral(" "));
        keys[0] = key_;
        return JudgeChoiceAnswer(answers, keys, static_cast<int>(answers.size())) == kRightCode;
    }

    // The normalised texts a text answer aims at: the key, or the
    // alternatives no earlier part of the group has claimed.
    QStringList targets() const {
        if (!isChoiceType(type_))
            return {NormalisedText(key_)};
        QStringList open;
        for (const QString& alternative : SplitAlternatives(key_)) {
            const QString normalised = NormalisedText(alternative);
            if (!isClaimed(normalised))
                open.append(normalised);
        }
        return open;
    }

    // `normalised` is an alternative that an earlier part of the group gave.
    bool repeatsClaimed(const QString& normalised) const {
        if (!isChoiceType(type_) || before_.isEmpty())
            return false;
        for (const QString& alternative : SplitAlternatives(key_)) {
            if (NormalisedText(alternative) == normalised && isClaimed(normalised))
                return true;
        }
        return false;
    }

    const QString& key() const { return key_; }
    const QString& type() const { return type_; }

private:
    bool isClaimed(const QString& normalised) const {
        return std::any_of(before_.begin(), before_.end(), [&](const QString& earlier) {
            return NormalisedText(earlier) == normalised;
        });
    }

    QString key_;
    QString type_;
    QStringList before_;
};

AnswerNote optionNote(const QString& answer) {
    const QString trimmed = NormalisedText(answer);
    for (int option = 1; option <= kOptionCount; ++option) {
        if (trimmed == QString::number(option))
            return AnswerNote::None;
    }
    return AnswerNote::OptionOutOfRange;
}

// N parts, and T parts whose key is a decimal number.
AnswerNote numberNote(const Attempt& attempt, const QString& answer) {
    const QString trimmed = answer.trimmed();
    if (trimmed.contains(u' ') && !hasLetter(trimmed) && attempt.rightWith(withoutSpaces(trimmed)))
        return AnswerNote::NumberWithSpaces;
    const QString bare = numberWithoutUnit(trimmed);
    if (!bare.isEmpty() && attempt.rightWith(bare))
        return AnswerNote::NumberWithUnit;

    const std::optional<DecimalText> key = ParseDecimalText(attempt.key());
    const std::optional<WrittenValue> written = writtenValue(answer);
    const auto keyValue = key ? rationalOf(*key) : std::nullopt;
    if (written && keyValue && written->value == *keyValue)
        return AnswerNote::SameValueOtherForm;

    const std::optional<DecimalText> number = ParseDecimalText(answer);
    if (key && number && number->negative == key->negative &&
        (trimmed.contains(u'.') || attempt.key().contains(u'.')) &&
        !significantDigits(*key).isEmpty() && significantDigits(*number) == significantDigits(*key))
        return AnswerNote::DecimalPointPlace;
    return AnswerNote::None;
}

// F, R and X parts.
AnswerNote fractionNote(const Attempt& attempt, const QString& answer) {
    const QString& key = attempt.key();
    const QString& type = attempt.type();
    if (type == u"X" && withoutSpaces(answer) == withoutSpaces(key))
        return answer.trimmed().contains(u' ') ? AnswerNote::MixedNumberSpaces
                                               : AnswerNote::MixedNumberNoSpace;

    std::optional<Rational> keyValue;
    if (type == u"R") {
        const auto keyTerms = ratioTerms(key);
        if (!keyTerms)
            return AnswerNote::None;
        if (const auto terms = ratioTerms(answer); terms && sameProportion(*terms, *keyTerms))
            return AnswerNote::SameValueOtherForm;
        keyValue = ratioValue(*keyTerms);
    } else if (const auto written = writtenValue(key)) {
        keyValue = written->value;
    }
    const std::optional<WrittenValue> written = writtenValue(answer);
    if (!keyValue || !written)
        return AnswerNote::None;
    if (written->form == Form::Decimal) {
        const bool close = roundsTo(written->value, placesAfterPoint(answer), *keyValue);
        return close && type != u"R" ? AnswerNote::DecimalForFraction : AnswerNote::None;
    }
    return written->value == *keyValue ? AnswerNote::SameValueOtherForm : AnswerNote::None;
}

// T, L, M and G parts, against the key or the open alternatives.
AnswerNote textNote(const Attempt& attempt, const QString& answer) {
    const QString trimmed = answer.trimmed();
    if (trimmed.endsWith(u'.')) {
        // Without its full stops, or with one where it typed several.
        QString bare = trimmed;
        while (bare.endsWith(u'.') || bare.endsWith(u' '))
            bare.chop(1);
        const bool several = trimmed.endsWith(QStringLiteral(".."));
        if (!bare.isEmpty() &&
            (attempt.rightWith(bare) || (several && attempt.rightWith(bare + u'.'))))
            return AnswerNote::FullStopAdded;
    }
    if (attempt.rightWith(trimmed + u'.'))
        return AnswerNote::FullStopMissing;

    const QString normalised = NormalisedText(answer);
    const QStringList targets = attempt.targets();
    for (const QString& target : targets) {
        if (withoutSpaces(normalised) != withoutSpaces(target))
            continue;
        const QSet<qsizetype> wanted = spacePositions(target);
        for (qsizetype position : spacePositions(normalised)) {
            if (!wanted.contains(position))
                return AnswerNote::SpaceInsideWord;
        }
        return AnswerNote::WordSpacing;
    }
    for (const QString& target : targets) {
        if (oneLetterOff(normalised, target))
            return AnswerNote::OneLetterOff;
    }
    return AnswerNote::None;
}

AnswerNote noteOfWrongAnswer(const Attempt& attempt, const QString& answer) {
    const QString& type = attempt.type();
    if (type == u"Q")
        return optionNote(answer);
    if (type == u"N")
        return numberNote(attempt, answer);
    if (type == u"F" || type == u"R" || type == u"X")
        return fractionNote(attempt, answer);
    if (attempt.repeatsClaimed(NormalisedText(answer)))
        return AnswerNote::AnswerAlreadyUsed;
    if (type == u"T" && ParseDecimalText(attempt.key())) {
        if (const AnswerNote note = numberNote(attempt, answer); note != AnswerNote::None)
            return note;
    }
    return textNote(attempt, answer);
}

bool isJudgedType(const QString& type) {
    return type.size() == 1 && QStringView(u"QTLNFRXMG").contains(type.front());
}

} // namespace

AnswerNote WrongAnswerNote(const QString& answer, const QString& key, const QString& type,
                           const QStringList& groupAnswersBefore) {
    if (NormalisedText(answer).isEmpty() || !isJudgedType(type))
        return AnswerNote::None;
    const Attempt attempt(key, type, isChoiceType(type) ? groupAnswersBefore : QStringList());
    try {
        if (attempt.rightWith(answer))
            return AnswerNote::None;
        return noteOfWrongAnswer(attempt, answer);
    } catch (const MarkingError&) {
        return AnswerNote::None;
    }
}

AnswerNote PartNote(const QStringList& answers, const QStringList& keys, const QStringList& types,
                    int part) {
    if (answers.size() != keys.size() || types.size() != keys.size() || part < 1 ||
        part > keys.size())
        return AnswerNote::None;
    const QString& type = types.at(part - 1);
    const QString& key = keys.at(part - 1);
    if (!isChoiceType(type) || !IsGroupPartKey(key))
        return WrongAnswerNote(answers.at(part - 1), key, type);
    const std::optional<int> head = FindGroupHead(keys, part);
    if (!head)
        return AnswerNote::None;
    return WrongAnswerNote(answers.at(part - 1), keys.at(*head - 1), type,
                           answers.mid(*head - 1, part - *head));
}

QString AnswerNoteText(AnswerNote note, NoteReader reader) {
    const bool shown = reader == NoteReader::AnswerShown;
    switch (note) {
    case AnswerNote::None:
        return {};
    case AnswerNote::SameValueOtherForm:
        return shown ? QStringLiteral("Same value as the answer shown, but not written the way "
                                      "the question asks.")
                     : QStringLiteral(
                           "Same value as the answer, but not written the way the question asks.");
    case AnswerNote::MixedNumberNoSpace:
        return QStringLiteral("Leave a space between the whole number and the fraction.");
    case AnswerNote::MixedNumberSpaces:
        return QStringLiteral("Use one space only, between the whole number and the fraction.");
    case AnswerNote::DecimalForFraction:
        return QStringLiteral("Write it as a fraction, not as a decimal.");
    case AnswerNote::NumberWithSpaces:
        return QStringLiteral("Write the number without spaces in it.");
    case AnswerNote::NumberWithUnit:
        return QStringLiteral("Write the number only.");
    case AnswerNote::DecimalPointPlace:
        return shown ? QStringLiteral("Check where the decimal point goes in the answer shown.")
                     : QStringLiteral("Check where the decimal point goes.");
    case AnswerNote::FullStopAdded:
        return QStringLiteral("Leave out the full stop at the end.");
    case AnswerNote::FullStopMissing:
        return QStringLiteral("End it with a full stop.");
    case AnswerNote::SpaceInsideWord:
        return QStringLiteral("There is a space inside a word.");
    case AnswerNote::WordSpacing:
        return QStringLiteral("Check the spaces between the words.");
    case AnswerNote::OneLetterOff:
        return shown ? QStringLiteral("Check your spelling against the answer shown.")
                     : QStringLiteral("Check your spelling.");
    case AnswerNote::OptionOutOfRange:
        return QStringLiteral("Type the number of one of the options shown.");
    case AnswerNote::AnswerAlreadyUsed:
        return QStringLiteral("You have already used this answer.");
    }
    return {};
}

} // namespace orvanta
