#include "key_forms.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>

namespace orvanta {
namespace {

const QString kGroupContinuation = QStringLiteral(" ");

// The judge compares texts with their outer spaces removed, in lower case.
QString normalised(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin).toLower();
}

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

bool fullMatch(const QRegularExpression& pattern, const QString& key) {
    return pattern.match(key).hasMatch();
}

bool isAlternativesKey(const QString& key) {
    return key.startsWith(u';');
}

// The alternatives of a key that starts with ";": the texts between the ";".
QStringList alternatives(const QString& key) {
    return key.mid(1).split(u';');
}

std::optional<QString> alternativesFault(const QString& key, const QString& letter) {
    if (!isAlternativesKey(key))
        return QStringLiteral("The %1 key %2 is not an alternatives key: it must start with "
                              "\";\", as in \";that;which\".")
            .arg(letter, quoted(key));
    const QStringList alts = alternatives(key);
    for (qsizetype k = 0; k < alts.size(); ++k) {
        if (normalised(alts.at(k)).isEmpty())
            return QStringLiteral("Alternative %1 of the %2 key %3 is empty, so an empty answer "
                                  "would be judged right.")
                .arg(k + 1)
                .arg(letter, quoted(key));
    }
    return std::nullopt;
}

std::optional<QString> numberFormFault(const QString& key, const QString& letter) {
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
    static const QRegularExpression fraction(QStringLiteral("^[0-9]+/([0-9]+)$"));
    static const QRegularExpression ratio(QStringLiteral("^[0-9]+(:[0-9]+){1,2}$"));
    static const QRegularExpression mixed(QStringLiteral("^[0-9]+ [0-9]+/([0-9]+)$"));
    const auto denominatorIsZero = [&](const QRegularExpression& pattern) {
        return pattern.match(key).captured(1).toLongLong() == 0;
    };
    if (letter == u"N" && !fullMatch(number, key))
        return QStringLiteral("The N key %1 is not a plain decimal number such as \"115.5\".")
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

// Index of the head of the group that the " " part `i` continues, found as
// the judge finds it; -1 when there is none within reach.
qsizetype groupHead(const QStringList& keys, qsizetype i) {
    for (qsizetype j = i - 1; j >= 0 && j >= i - kGroupLookBack; --j) {
        if (keys.at(j) != kGroupContinuation)
            return j;
    }
    return -1;
}

std::optional<QString> continuationFault(const QStringList& keys, const QStringList& types,
                                         qsizetype i) {
    if (types.at(i) != u"G")
        return QStringLiteral("The key \" \" continues an answer group, but the part's type is "
                              "%1, not G.")
            .arg(quoted(types.at(i)));
    const qsizetype head = groupHead(keys, i);
    if (head < 0)
        return QStringLiteral("The key \" \" continues no answer group: no part before it "
                              "within %1 parts has an alternatives key.")
            .arg(kGroupLookBack);
    if (types.at(head) != u"G" || !isAlternativesKey(keys.at(head)))
        return QStringLiteral("The key \" \" continues part %1, which does not head an answer "
                              "group (a G part with an alternatives key).")
            .arg(head + 1);
    return std::nullopt;
}

std::optional<QString> groupHeadFault(const QStringList& keys, qsizetype i) {
    const QString& key = keys.at(i);
    if (auto fault = alternativesFault(key, QStringLiteral("G")))
        return fault;
    int parts = 1;
    while (i + parts < keys.size() && keys.at(i + parts) == kGroupContinuation)
        ++parts;
    QSet<QString> different;
    for (const QString& alt : alternatives(key))
        different.insert(normalised(alt));
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
    if (key == kGroupContinuation)
        return continuationFault(keys, types, i);
    if (normalised(key).isEmpty())
        return QStringLiteral("The key is empty, so an empty answer would be judged right.");
    if (letter == u"Q" && normalised(key).size() != 1)
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
