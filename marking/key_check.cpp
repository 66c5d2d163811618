#include "key_check.h"

#include "answer_judge.h"
#include "decimal_text.h"
#include "marking_error.h"

#include <utility>

namespace orvanta {

namespace {

using Kind = KeyProblem::Kind;

struct PartPlace {
    QString question;
    int partInQuestion = 0;
};

QList<PartPlace> placeParts(int partCount, const QStringList& questions,
                            const QList<int>& partCounts) {
    QList<PartPlace> places(partCount);
    if (questions.isEmpty())
        return places;
    int total = 0;
    for (int count : partCounts)
        total += count;
    if (partCounts.size() != questions.size() || total != partCount)
        throw MarkingError(MarkingError::Reason::BadArgument,
                           QStringLiteral("The part counts of %1 questions add up to %2, "
                                          "not to the %3 keys.")
                               .arg(questions.size())
                               .arg(total)
                               .arg(partCount));
    int part = 0;
    for (qsizetype q = 0; q < questions.size(); ++q) {
        for (int k = 1; k <= partCounts.at(q); ++k)
            places[part++] = {questions.at(q), k};
    }
    return places;
}

bool isTextOrSpacingType(const QString& type) {
    static const QStringList letters = {"Q", "T", "L", "F", "R", "X"};
    return letters.contains(type);
}

class KeyChecker {
public:
    KeyChecker(const QStringList& keys, const QStringList& types, QList<PartPlace> places)
        : keys_(keys)
        , types_(types)
        , places_(std::move(places)) {}

    QList<KeyProblem> run() {
        for (int part = 1; part <= keys_.size(); ++part)
            checkPart(part);
        return problems_;
    }

private:
    void checkPart(int part) {
        const QString& type = types_.at(part - 1);
        const QString& key = keys_.at(part - 1);
        if (isTextOrSpacingType(type)) {
            if (NormalisedText(key).isEmpty())
                report(Kind::EmptyKey, part, {});
        } else if (type == u"N") {
            if (!ParseDecimalText(key))
                report(Kind::NumberKeyNotNumber, part, {});
        } else if (type == u"G" && IsGroupPartKey(key)) {
            checkGroupPart(part);
        } else if (type == u"G" || type == u"M") {
            if (IsAlternativesKey(key))
                checkAlternatives(part);
            else
                report(Kind::NotAlternativesKey, part, {});
        } else {
            report(Kind::UnknownTypeLetter, part, {});
        }
    }

    void checkGroupPart(int part) {
        const std::optional<int> head = FindGroupHead(keys_, part);
        if (!head)
            report(Kind::GroupPartWithoutHead, part,
                   QStringLiteral("no part within %1 before it has a key of its own")
                       .arg(kGroupSearchLimit));
        else if (!IsAlternativesKey(keys_.at(*head - 1)))
            report(Kind::GroupPartWithoutHead, part,
                   QStringLiteral("the nearest key before it, \"%1\" of part %2, is not a list "
                                  "of alternatives")
                       .arg(keys_.at(*head - 1))
                       .arg(*head));
    }

    void checkAlternatives(int part) {
        const QStringList alternatives = SplitAlternatives(keys_.at(part - 1));
        for (qsizetype k = 0; k < alternatives.size(); ++k) {
            if (NormalisedText(alternatives.at(k)).isEmpty())
                report(Kind::EmptyAlternative, part, QStringLiteral("alternative %1").arg(k + 1));
        }
        const int groupSize = GroupSize(keys_, part);
        if (alternatives.size() < groupSize)
            report(Kind::GroupShortOfAlternatives, part,
                   QStringLiteral("%1 parts share %2 alternatives")
                       .arg(groupSize)
                       .arg(alternatives.size()));
    }

    void report(Kind kind, int part, QString detail) {
        const PartPlace& place = places_.at(part - 1);
        problems_.append(KeyProblem{kind, part, place.question, place.partInQuestion,
                                    types_.at(part - 1), keys_.at(part - 1), std::move(detail)});
    }

    const QStringList& keys_;
    const QStringList& types_;
    QList<PartPlace> places_;
    QList<KeyProblem> problems_;
};

} // namespace

bool KeyProblem::blocksJudging() const {
    return kind == Kind::NumberKeyNotNumber || kind == Kind::NotAlternativesKey ||
           kind == Kind::GroupPartWithoutHead;
}

QString KeyProblem::message() const {
    QString what;
    switch (kind) {
    case Kind::NumberKeyNotNumber:
        what = QStringLiteral("the key \"%1\" of a number part is not a number (digits with an "
                              "optional sign, decimal point and commas grouping thousands)")
                   .arg(key);
        break;
    case Kind::NotAlternativesKey:
        what = QStringLiteral("the key \"%1\" of a %2 part is not a list of alternatives "
                              "beginning with \";\"")
                   .arg(key, type);
        break;
    case Kind::GroupPartWithoutHead:
        what = QStringLiteral("the key \" \" continues an answer group, but %1").arg(detail);
        break;
    case Kind::GroupShortOfAlternatives:
        what = QStringLiteral("in the answer group headed by \"%1\", %2, so the group can never "
                              "be fully right")
                   .arg(key, detail);
        break;
    case Kind::EmptyAlternative:
        what = QStringLiteral("%1 of the key \"%2\" is empty, so an empty answer is judged right")
                   .arg(detail, key);
        break;
    case Kind::EmptyKey:
        what =
            QStringLiteral("the key \"%1\" is empty, so an empty answer is judged right").arg(key);
        break;
    case Kind::UnknownTypeLetter:
        what = QStringLiteral("the type letter \"%1\" is none of Q T L N F R X M G, so the part "
                              "is never judged")
                   .arg(type);
        break;
    }
    if (question.isEmpty())
        return QStringLiteral("Part %1: %2.").arg(part).arg(what);
    return QStringLiteral("Question %1, part %2 (part %3 of the paper): %4.")
        .arg(question)
        .arg(partInQuestion)
        .arg(part)
        .arg(what);
}

QList<KeyProblem> CheckKeys(const QStringList& keys, const QStringList& types,
                            const QStringList& questions, const QList<int>& partCounts) {
    if (types.size() != keys.size())
        throw MarkingError(MarkingError::Reason::BadArgument,
                           QStringLiteral("%1 type letters were given for %2 keys.")
                               .arg(types.size())
                               .arg(keys.size()));
    const int partCount = static_cast<int>(keys.size());
    return KeyChecker(keys, types, placeParts(partCount, questions, partCounts)).run();
}

QList<KeyProblem> CheckPaperKeys(const PaperContent& paper) {
    return CheckKeys(paper.keys, paper.types, paper.questions, paper.partCounts);
}

bool BlocksJudging(const QList<KeyProblem>& problems) {
    for (const KeyProblem& problem : problems) {
        if (problem.blocksJudging())
            return true;
    }
    return false;
}

void RequireJudgeableKeys(const QList<KeyProblem>& problems, const QString& context) {
    QStringList lines;
    for (const KeyProblem& problem : problems) {
        if (problem.blocksJudging())
            lines << problem.message();
    }
    if (lines.isEmpty())
        return;
    lines.prepend(context);
    throw MarkingError(MarkingError::Reason::InvalidKey, lines.join(u'\n'));
}

} // namespace orvanta
