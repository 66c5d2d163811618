#include "judge_command.h"

#include "marking/answer_judge.h"
#include "marking/answer_note.h"
#include "marking/key_check.h"
#include "marking/marking_error.h"
#include "marking/paper_marking.h"

namespace orvanta {
namespace {

QString verdict(const QString& result) {
    if (result == kRightCode)
        return QStringLiteral("right");
    if (result == kWrongCode)
        return QStringLiteral("wrong");
    return QStringLiteral("none");
}

} // namespace

JudgeOutput JudgeFields(const QString& types, const QString& keys, const QString& answers) {
    const QStringList typeList = types.split(u'>');
    const QStringList keyList = keys.split(u'>');
    const QStringList answerList = answers.split(u'>');
    if (typeList.size() != keyList.size() || keyList.size() != answerList.size())
        return {{},
                QStringLiteral("--types, --keys and --answers must have the same number of "
                               "fields; they have %1, %2 and %3.")
                    .arg(typeList.size())
                    .arg(keyList.size())
                    .arg(answerList.size())};
    const QList<KeyProblem> problems = CheckKeys(keyList, typeList);
    QStringList blocking;
    for (const KeyProblem& problem : problems) {
        if (problem.blocksJudging())
            blocking << problem.message();
    }
    if (!blocking.isEmpty())
        return {{}, QStringLiteral("these keys cannot be judged:\n") + blocking.join(u'\n')};
    try {
        JudgeOutput output;
        for (const JudgedPart& part : JudgeParts(typeList, keyList, answerList))
            output.lines << verdict(part.result) + u'\t' + part.modelAnswer;
        for (int part = 1; part <= keyList.size(); ++part)
            output.notes << AnswerNoteText(PartNote(answerList, keyList, typeList, part));
        return output;
    } catch (const MarkingError& e) {
        return {{}, e.message()};
    }
}

} // namespace orvanta
