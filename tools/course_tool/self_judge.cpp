#include "self_judge.h"

#include "marking/answer_judge.h"
#include "marking/key_check.h"
#include "marking/marking_error.h"
#include "marking/paper_marking.h"

namespace orvanta {
namespace {

struct PartPlace {
    int question = 0;
    int partInQuestion = 0;
};

// Question number and part within the question of each part of the paper.
QList<PartPlace> partPlaces(const PaperContent& paper) {
    QList<PartPlace> places;
    for (int q = 0; q < paper.questionCount(); ++q) {
        for (int k = 1; k <= paper.partCounts.value(q); ++k)
            places.append({paper.questions.at(q).toInt(), k});
    }
    places.resize(paper.partCount());
    return places;
}

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

} // namespace

QList<CourseProblem> SelfJudgeProblems(const PaperContent& paper) {
    QList<CourseProblem> problems;
    const QList<PartPlace> places = partPlaces(paper);
    const auto add = [&](int part, const QString& what) {
        const PartPlace place = places.value(part - 1);
        problems.append({ProblemArea::Questions, AnswerKeyResource(paper.subject), paper.subject,
                         paper.paperNumber, place.question, place.partInQuestion, what});
    };

    const QList<KeyProblem> keyProblems = CheckPaperKeys(paper);
    if (BlocksJudging(keyProblems)) {
        for (const KeyProblem& problem : keyProblems) {
            if (problem.blocksJudging())
                add(problem.part,
                    QStringLiteral("The judge refuses this key: %1").arg(problem.message()));
        }
        return problems;
    }

    const QStringList answers = SelfAnswers(paper.keys, paper.types);
    QList<JudgedPart> judged;
    try {
        judged = JudgeParts(paper.types, paper.keys, answers);
    } catch (const MarkingError& e) {
        add(0, QStringLiteral("The paper cannot be judged: %1").arg(e.message()));
        return problems;
    }
    for (int part = 1; part <= judged.size(); ++part) {
        const QString& result = judged.at(part - 1).result;
        // Parts of an unknown type letter are never judged; the type check reports them.
        if (result.isEmpty() || result == kRightCode)
            continue;
        add(part, QStringLiteral("The key %1 of type %2, given as its own answer %3, is judged "
                                 "wrong.")
                      .arg(quoted(paper.keys.at(part - 1)), paper.types.at(part - 1),
                           quoted(answers.at(part - 1))));
    }
    return problems;
}

} // namespace orvanta
