#include "paper_marking.h"

#include "answer_judge.h"
#include "key_check.h"
#include "marking_error.h"
#include "score.h"

namespace orvanta {

namespace {

QString alternativeAt(const QString& key, qsizetype index) {
    if (!IsAlternativesKey(key))
        return {};
    const QStringList alternatives = SplitAlternatives(key);
    return index < alternatives.size() ? alternatives.at(index) : QString();
}

} // namespace

PaperMarking MarkPaperAnswers(const PaperContent& paper, const QStringList& answers) {
    const QString paperName =
        QStringLiteral("Paper %1 of subject %2").arg(paper.paperNumber).arg(paper.subject);
    if (answers.size() != paper.keys.size())
        throw MarkingError(MarkingError::Reason::BadArgument,
                           QStringLiteral("%1 has %2 parts, but %3 answers were given.")
                               .arg(paperName)
                               .arg(paper.keys.size())
                               .arg(answers.size()));
    RequireJudgeableKeys(CheckPaperKeys(paper),
                         paperName + QStringLiteral(" cannot be marked: a key is faulty."));

    PaperMarking marking;
    marking.total = TotalMarks(paper.marks);
    if (marking.total <= 0)
        throw MarkingError(MarkingError::Reason::ZeroTotal,
                           paperName + QStringLiteral(" cannot be marked: its marks add up to 0."));
    marking.results.reserve(answers.size());
    for (int part = 1; part <= paper.partCount(); ++part)
        marking.results << JudgePart(answers, paper.keys, paper.types, part);
    marking.score = Score(marking.results, paper.marks);
    marking.percentage = PercentageText(marking.score, marking.total);
    return marking;
}

QList<JudgedPart> JudgeParts(const QStringList& types, const QStringList& keys,
                             const QStringList& answers) {
    if (keys.isEmpty() || types.size() != keys.size() || answers.size() != keys.size())
        throw MarkingError(MarkingError::Reason::BadArgument,
                           QStringLiteral("%1 type letters, %2 keys and %3 answers were given; "
                                          "each part needs one of each.")
                               .arg(types.size())
                               .arg(keys.size())
                               .arg(answers.size()));
    RequireJudgeableKeys(CheckKeys(keys, types), QStringLiteral("The parts cannot be judged."));

    QList<JudgedPart> parts;
    parts.reserve(keys.size());
    for (int part = 1; part <= keys.size(); ++part)
        parts.append(
            {JudgePart(answers, keys, types, part), ModelAnswer(answers, keys, types, part)});
    return parts;
}

QStringList SelfAnswers(const QStringList& keys, const QStringList& types) {
    QStringList answers;
    answers.reserve(keys.size());
    for (int part = 1; part <= keys.size(); ++part) {
        const QString& key = keys.at(part - 1);
        const QString type = part <= types.size() ? types.at(part - 1) : QString();
        if (type == u"G" && IsGroupPartKey(key)) {
            const std::optional<int> head = FindGroupHead(keys, part);
            answers << (head ? alternativeAt(keys.at(*head - 1), part - *head) : QString());
        } else if (type == u"G" || type == u"M") {
            answers << alternativeAt(key, 0);
        } else {
            answers << key;
        }
    }
    return answers;
}

} // namespace orvanta
