#include "answer_judge.h"

#include "decimal_text.h"
#include "marking_error.h"

#include <vector>

namespace orvanta {

namespace {

QStringView trimSpaces(QStringView text) {
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

// `why` starts in lower case; `part` 0 when the caller did not say which part.
[[noreturn]] void throwInvalidKey(int part, const QString& why) {
    QString message = part > 0 ? QStringLiteral("Part %1: %2").arg(part).arg(why) : why;
    message[0] = message[0].toUpper();
    throw MarkingError(MarkingError::Reason::InvalidKey, message);
}

void requirePart(const QStringList& answers, const QStringList& keys, int part) {
    if (answers.size() != keys.size())
        throw MarkingError(MarkingError::Reason::BadArgument,
                           QStringLiteral("%1 answers were given for %2 keys.")
                               .arg(answers.size())
                               .arg(keys.size()));
    if (part < 1 || part > keys.size())
        throw MarkingError(MarkingError::Reason::BadArgument,
                           QStringLiteral("Part %1 does not exist: the paper has %2 parts.")
                               .arg(part)
                               .arg(keys.size()));
}

QStringList alternativesOf(const QString& key, int part) {
    if (!IsAlternativesKey(key))
        throwInvalidKey(part, QStringLiteral("the key \"%1\" is not a list of alternatives "
                                             "beginning with \";\".")
                                  .arg(key));
    return key.sliced(1).split(u';');
}

// The head of a " " part's group, checked to carry an alternatives key.
int groupHeadOf(const QStringList& keys, int part) {
    const std::optional<int> head = FindGroupHead(keys, part);
    if (!head)
        throwInvalidKey(part, QStringLiteral("the key \" \" continues an answer group, but no "
                                             "group head stands within %1 parts before it.")
                                  .arg(kGroupSearchLimit));
    if (!IsAlternativesKey(keys.at(*head - 1)))
        throwInvalidKey(part, QStringLiteral("the key \" \" continues an answer group, but the "
                                             "nearest key before it, of part %1, is not a list "
                                             "of alternatives.")
                                  .arg(*head));
    return *head;
}

std::vector<QString> normalisedAll(const QStringList& texts) {
    std::vector<QString> normalised;
    normalised.reserve(texts.size());
    for (const QString& text : texts)
        normalised.push_back(NormalisedText(text));
    return normalised;
}

// Empties every alternative that one of parts first..last (1-based) gives as
// its answer: a claimed alternative can be given once.
void strikeClaimed(std::vector<QString>& alternatives, const QStringList& answers, int first,
                   int last) {
    for (int p = first; p <= last; ++p) {
        const QString answer = NormalisedText(answers.at(p - 1));
        for (QString& alternative : alternatives) {
            if (alternative == answer)
                alternative.clear();
        }
    }
}

bool textRule(const QString& answer, const QString& key) {
    return NormalisedText(answer) == NormalisedText(key);
}

bool numberRule(const QString& answer, const QString& key, int part) {
    const std::optional<DecimalText> keyValue = ParseDecimalText(key);
    if (!keyValue)
        throwInvalidKey(
            part, QStringLiteral("the key \"%1\" of a number part is not a number.").arg(key));
    const std::optional<DecimalText> answerValue = ParseDecimalText(answer);
    return answerValue && *answerValue == *keyValue;
}

// Spaces of the answer are dropped, except the one character standing where
// the key has its first space: a mixed number keeps its one space there.
bool spacingRule(const QString& answer, const QString& key) {
    const QStringView trimmed = trimSpaces(answer);
    const qsizetype keptPosition = key.indexOf(u' '); // 0-based; -1: keep none
    QString built;
    built.reserve(trimmed.size());
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (i == keptPosition || trimmed[i] != u' ')
            built += trimmed[i];
    }
    return built == trimSpaces(key);
}

const QString& resultCode(bool right) {
    return right ? kRightCode : kWrongCode;
}

bool isChoiceType(const QString& type) {
    return type == u"G" || type == u"M";
}

void requireTypes(const QStringList& types, const QStringList& keys) {
    if (types.size() != keys.size())
        throw MarkingError(MarkingError::Reason::BadArgument,
                           QStringLiteral("%1 type letters were given for %2 keys.")
                               .arg(types.size())
                               .arg(keys.size()));
}

QString judgeByLetter(const QString& answer, const QString& key, const QString& type, int part) {
    if (type == u"Q" || type == u"T" || type == u"L")
        return resultCode(textRule(answer, key));
    if (type == u"N")
        return resultCode(numberRule(answer, key, part));
    if (type == u"F" || type == u"R" || type == u"X")
        return resultCode(spacingRule(answer, key));
    return {};
}

} // namespace

QString NormalisedText(QStringView text) {
    return trimSpaces(text).toString().toLower();
}

QStringList SplitAlternatives(const QString& key) {
    return alternativesOf(key, 0);
}

QString FirstAlternative(const QString& key) {
    return alternativesOf(key, 0).constFirst();
}

std::optional<int> FindGroupHead(const QStringList& keys, int part) {
    for (int back = 1; back <= kGroupSearchLimit; ++back) {
        const int candidate = part - back;
        if (candidate < 1 || candidate > keys.size())
            return std::nullopt;
        if (!IsGroupPartKey(keys.at(candidate - 1)))
            return candidate;
    }
    return std::nullopt;
}

int GroupSize(const QStringList& keys, int head) {
    int size = 1;
    for (int ahead = 1; ahead <= kGroupSearchLimit; ++ahead) {
        const int candidate = head + ahead;
        if (candidate > keys.size() || !IsGroupPartKey(keys.at(candidate - 1)))
            break;
        ++size;
    }
    return size;
}

QString JudgeAnswer(const QString& answer, const QString& key, const QString& type) {
    return judgeByLetter(answer, key, type, 0);
}

QString JudgeChoiceAnswer(const QStringList& answers, const QStringList& keys, int part) {
    requirePart(answers, keys, part);
    const QString answer = NormalisedText(answers.at(part - 1));
    const QString& key = keys.at(part - 1);

    if (!IsGroupPartKey(key)) {
        for (const QString& alternative : alternativesOf(key, part)) {
            if (NormalisedText(alternative) == answer)
                return kRightCode;
        }
        return kWrongCode;
    }

    const int head = groupHeadOf(keys, part);
    std::vector<QString> alternatives = normalisedAll(alternativesOf(keys.at(head - 1), head));
    strikeClaimed(alternatives, answers, head, part - 1);
    if (answer.isEmpty())
        return kWrongCode;
    for (const QString& alternative : alternatives) {
        if (alternative == answer)
            return kRightCode;
    }
    return kWrongCode;
}

QString GroupModelAnswer(const QStringList& answers, const QStringList& keys, int part) {
    requirePart(answers, keys, part);
    const QString& key = keys.at(part - 1);

    if (!IsGroupPartKey(key)) {
        const QStringList written = alternativesOf(key, part);
        std::vector<QString> alternatives = normalisedAll(written);
        strikeClaimed(alternatives, answers, part, part + GroupSize(keys, part) - 1);
        const QString answer = NormalisedText(answers.at(part - 1));
        QString result;
        for (std::size_t k = 0; k < alternatives.size(); ++k) {
            // Only an answer that is empty can meet an alternative here: every
            // alternative this part's own answer equals has been struck.
            if (answer == alternatives[k])
                return {};
            if (!alternatives[k].isEmpty() && result.isEmpty())
                result = written.at(k);
        }
        return result;
    }

    const int head = groupHeadOf(keys, part);
    const int position = part - head + 1;
    const QStringList written = alternativesOf(keys.at(head - 1), head);
    std::vector<QString> alternatives = normalisedAll(written);

    // The unclaimed alternatives go to the wrong parts in order, so this part
    // takes the turn after the earlier wrong ones. An earlier part counts as
    // right only by its verdict: one that repeats a claimed alternative is
    // wrong and takes a turn like any other wrong part.
    int rightBefore = 0;
    for (int p = head; p < part; ++p) {
        if (JudgeChoiceAnswer(answers, keys, p) == kRightCode)
            ++rightBefore;
    }
    strikeClaimed(alternatives, answers, head, head + GroupSize(keys, head) - 1);

    const int target = position - rightBefore;
    int unclaimed = 0;
    for (std::size_t k = 0; k < alternatives.size(); ++k) {
        if (!alternatives[k].isEmpty() && ++unclaimed == target)
            return written.at(k);
    }
    return {};
}

QString JudgePart(const QStringList& answers, const QStringList& keys, const QStringList& types,
                  int part) {
    requirePart(answers, keys, part);
    requireTypes(types, keys);
    const QString& type = types.at(part - 1);
    if (isChoiceType(type))
        return JudgeChoiceAnswer(answers, keys, part);
    return judgeByLetter(answers.at(part - 1), keys.at(part - 1), type, part);
}

QString ModelAnswer(const QStringList& answers, const QStringList& keys, const QStringList& types,
                    int part) {
    requirePart(answers, keys, part);
    requireTypes(types, keys);
    const QString& type = types.at(part - 1);
    if (type == u"G")
        return GroupModelAnswer(answers, keys, part);
    if (type == u"M")
        return alternativesOf(keys.at(part - 1), part).constFirst();
    return keys.at(part - 1);
}

} // namespace orvanta
