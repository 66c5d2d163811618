#include "key_forms.h"

#include "marking/answer_judge.h"
#include "marking/decimal_text.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>

namespace orvanta {
namespace {

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

bool fullMatch(const QRegularExpression& pattern, const QString& key) {
    return pattern.match(key).hasMatch();
}

std::optional<QString> alternativesFault(const QString& key, const QString& letter) {
    if (!IsAlternativesKey(key))
        return QStringLiteral("The %1 key %2 is not an alternatives key: it must start with "
                              "\";\", as in \";that;which\".")
            .arg(letter, quoted(key));
    const QStringList alts = SplitAlternatives(key);
    for (qsizetype k = 0; k < alts.size(); ++k) {
        if (NormalisedText(alts.at(k)).isEmpty())
            return QStringLiteral("Alternative %1 of the %2 key %3 is empty, so an empty answer "
                                  "would be judged right.")
                .arg(k + 1)
                .arg(letter, quoted(key));
    }
    return std::nullopt;
}

std::optional<QString> numberFormFault(const QString& key, const QString& letter) {
    static const QRegularExpression fraction(QStringLiteral("^[0-9]+/([0-9]+)$"));
    static const QRegularExpression ratio(QStringLiteral("^[0-9]+(:[0-9]+){1,2}$"));
    static const QRegularExpression mixed(QStringLiteral("^[0-9]+ [0-9]+/([0-9]+)$"));
    const auto denominatorIsZero = [&](const QRegularExpression& pattern) {
        return pattern.match(key).captured(1).toLongLong() == 0;
    };
    if (letter == u"N" && !ParseDecimalText(key))
        return QStringLiteral("The N key %1 is not a decimal number such as \"115.5\" or "
                              "\"62,559\".")
            .arg(quoted(key));
    if (letter == u"F" && (!fullMatch(fraction, key) || denominatorIsZero(fraction)))
        return QStringLiteral("The F key %1 is not a fraction of whole numbers without spaces "
                              "such as \"5/28\".")
            .arg(quoted(key));
    if (letter == u"R" && !fullMatch(ratio, key))
        return QStringLiteral("The R key %1 is not a ratio of two or three whole numbers without "
                              "spaces such as \"14:5\".")
            .arg(quoted(key));
    if (letter == u"X" && (!fullMatch(mixed, key) || denominatorIsZero(mixed)))
        return QStringLiteral("The X key %1 is not a mixed number with one space such as "
                              "\"8 2/5\".")
            .arg(quoted(key));
    return std::nullopt;
}

std::optional<QString> continuationFault(const QStringList& keys, const QStringList& types,
                                         qsizetype i) {
    if (types.at(i) != u"G")
        return QStringLiteral("The key \" \" continues an answer group, but the part's type is "
                              "%1, not G.")
            .arg(quoted(types.at(i)));
    const std::optional<int> headPart = FindGroupHead(keys, static_cast<int>(i + 1));
    if (!headPart)
        return QStringLiteral("The key \" \" continues no answer group: no part before it "
                              "within %1 parts has an alternatives key.")
            .arg(kGroupSearchLimit);
    const qsizetype head = *headPart - 1;
    if (types.at(head) != u"G" || !IsAlternativesKey(keys.at(head)))
        return QStringLiteral("The key \" \" continues part %1, which does not head an answer "
                              "group (a G part with an alternatives key).")
            .arg(head + 1);
    return std::nullopt;
}

std::optional<QString> groupHeadFault(const QStringList& keys, qsizetype i) {
    const QString& key = keys.at(i);
    if (auto fault = alternativesFault(key, QStringLiteral("G")))
        return fault;
    const int parts = GroupSize(keys, static_cast<int>(i + 1));
    QSet<QString> different;
    for (const QString& alt : SplitAlternatives(key))
        different.insert(NormalisedText(alt));
    if (different.size() < parts)
        return QStringLiteral("The answer group %1 has %2 parts but only %3 different "
                              "alternatives, so full marks are impossible.")
            .arg(quoted(key))
            .arg(parts)
            .arg(different.size());
    return std::nullopt;
}

std::optional<QString> keyFault(const QStringList& keys, const QStringList& types, qsizetype i) {
    const QString& key = keys.at(i);
    const QString& letter = types.at(i);
    if (IsGroupPartKey(key))
        return continuationFault(keys, types, i);
    if (NormalisedText(key).isEmpty())
        return QStringLiteral("The key is empty, so an empty answer would be judged right.");
    if (letter == u"Q" && NormalisedText(key).size() != 1)
        return QStringLiteral("The Q key %1 is not one character, but a Q part's answer box "
                              "takes only one.")
            .arg(quoted(key));
    if (letter == u"M")
        return alternativesFault(key, letter);
    if (letter == u"G")
        return groupHeadFault(keys, i);
    return numberFormFault(key, letter);
}

} // namespace

QList<KeyFormFault> CheckKeyForms(const QStringList& keys, const QStringList& types) {
    QList<KeyFormFault> faults;
    const qsizetype count = std::min(keys.size(), types.size());
    const QStringList partKeys = keys.mid(0, count);
    for (qsizetype i = 0; i < count; ++i) {
        if (auto fault = keyFault(partKeys, types, i))
            faults.append({static_cast<int>(i), *fault});
    }
    return faults;
}

} // namespace orvanta
