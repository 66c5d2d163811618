#include "practice_rules.h"

#include "marking/answer_judge.h"

#include <algorithm>

namespace orvanta {

TakeStatus TakeStatusOf(const QString& field) {
    if (field == u"0")
        return TakeStatus::NotMarked;
    if (field == u"1")
        return TakeStatus::Marked;
    return TakeStatus::Unknown;
}

QString PracticeCaption(const QString& topicName, int positionInTopic) {
    return topicName + QStringLiteral(" - Paper ") + QString::number(positionInTopic);
}

QString QuestionTitle(int question) {
    return QStringLiteral("Question ") + QString::number(question);
}

QString PartLetter(int frame) {
    return QStringLiteral("(%1)").arg(QChar(u'a' + (frame - 1)));
}

int PartOffset(const QList<int>& partCounts, int question) {
    const int before = std::clamp(question - 1, 0, static_cast<int>(partCounts.size()));
    int offset = 0;
    for (int q = 0; q < before; ++q)
        offset += partCounts.at(q);
    return offset;
}

int QuestionOfPart(const QList<int>& partCounts, int part) {
    int sum = 0;
    for (int q = 0; q < partCounts.size(); ++q) {
        sum += partCounts.at(q);
        if (sum >= part)
            return q + 1;
    }
    return 0;
}

QList<int> RemainingQuestions(const QStringList& answers, const QList<int>& partCounts) {
    QList<int> questions;
    const int parts = PartOffset(partCounts, static_cast<int>(partCounts.size()) + 1);
    for (int i = 1; i <= parts; ++i) {
        const QString answer = i <= answers.size() ? answers.at(i - 1) : QString();
        if (!answer.trimmed().isEmpty())
            continue;
        const int q = QuestionOfPart(partCounts, i);
        if (questions.isEmpty() || questions.last() != q)
            questions.append(q);
    }
    return questions;
}

int AnsweredCount(const QStringList& answers) {
    return static_cast<int>(std::count_if(answers.begin(), answers.end(),
                                          [](const QString& a) { return !a.isEmpty(); }));
}

std::optional<int> NavigationTarget(int target, int questionCount) {
    if (target < 1 || target > questionCount)
        return std::nullopt;
    return target;
}

void CarryOverRightParts(const QStringList& firstAnswers, const QStringList& firstResults,
                         QStringList& answers, QStringList& secondResults) {
    const qsizetype parts = firstResults.size();
    while (answers.size() < parts)
        answers.append(QString());
    while (secondResults.size() < parts)
        secondResults.append(QString());
    for (qsizetype i = 0; i < parts; ++i) {
        if (!IsRightCode(firstResults.at(i)))
            continue;
        answers[i] = i < firstAnswers.size() ? firstAnswers.at(i) : QString();
        secondResults[i] = kRightCode;
    }
}

QString MarkingQuestion(const QStringList& answers, const QStringList& lockedResults) {
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (i < lockedResults.size() && IsRightCode(lockedResults.at(i)))
            continue;
        if (answers.at(i).isEmpty())
            return QString::fromLatin1(kMarkNotAllAnswered);
    }
    return QString::fromLatin1(kMarkAllAnswered);
}

bool IsRightCode(const QString& code) {
    return code == kRightCode;
}

bool IsWrongCode(const QString& code) {
    return code == kWrongCode;
}

QString ResultMark(const QString& code) {
    if (IsRightCode(code))
        return QStringLiteral("\u2713");
    if (IsWrongCode(code))
        return QStringLiteral("\u2717");
    return {};
}

ToolbarEnables ToolbarEnableRules(TakeStatus status, int currentQuestion, int questionCount) {
    ToolbarEnables enables;
    enables.save = status == TakeStatus::NotMarked;
    enables.mark = enables.save;
    enables.back = currentQuestion != 1;
    enables.next = currentQuestion != questionCount;
    return enables;
}

int FrameGapTwips(int partCount, Take take) {
    if (partCount < 16)
        return 105;
    return take == Take::First ? -10 : 0;
}

std::array<int, kAnswerFrameCount>
StackFrameTops(const std::array<int, kAnswerFrameCount>& frameHeights, int partCount, Take take) {
    const int gap = FrameGapTwips(partCount, take);
    std::array<int, kAnswerFrameCount> tops{};
    tops[0] = 50;
    for (int k = 1; k < kAnswerFrameCount; ++k)
        tops[k] = tops[k - 1] + frameHeights[k - 1] + gap;
    return tops;
}

bool NeedsInstruction(const QStringList& types) {
    return std::any_of(types.begin(), types.end(), [](const QString& type) {
        return type == QLatin1String("F") || type == QLatin1String("X");
    });
}

FirstFrameLayout FirstFrameLayoutFor(const QString& typeLetter, int frameWidth) {
    FirstFrameLayout layout;
    if (typeLetter != QLatin1String("L")) {
        layout.frameHeight = kFrameHeightTwips;
        layout.answerWidth = kAnswerWidthTwips;
        layout.answerHeight = kAnswerHeightTwips;
        layout.resultLeft = kResultLeftTwips;
        layout.modelLeft = kModelLeftTwips;
        layout.modelTop = 60;
        layout.modelWidth = kModelWidthTwips;
        layout.modelHeight = kAnswerHeightTwips;
        return layout;
    }
    layout.frameHeight = kLongFrameHeightTwips;
    layout.answerWidth = frameWidth - 1000;
    layout.answerHeight = 1000;
    layout.resultLeft = kAnswerLeftTwips + layout.answerWidth + 100;
    layout.modelLeft = kAnswerLeftTwips;
    layout.modelTop = kAnswerTopTwips + layout.answerHeight + 100;
    layout.modelWidth = frameWidth - 500;
    layout.modelHeight = 1000;
    return layout;
}

} // namespace orvanta
