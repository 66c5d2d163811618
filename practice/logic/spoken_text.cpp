#include "spoken_text.h"

#include "practice/logic/practice_rules.h"

#include <QStringList>

#include <algorithm>

namespace orvanta {

namespace {

// "(b) of question 3", or "to question 3" for a one-part question.
QString whichAnswer(int question, int part, int partCount) {
    if (partCount <= 1)
        return QStringLiteral("to question %1").arg(question);
    return QStringLiteral("%1 of question %2").arg(PartLetter(part)).arg(question);
}

QString counted(qint64 count, const char* unit) {
    return QStringLiteral("%1 %2%3")
        .arg(count)
        .arg(QLatin1String(unit))
        .arg(count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

QString AnswerBoxName(int question, int part, int partCount) {
    return QStringLiteral("Answer ") + whichAnswer(question, part, partCount);
}

QString ModelAnswerName(int question, int part, int partCount) {
    return QStringLiteral("Model answer ") + whichAnswer(question, part, partCount);
}

QString ResultName(const QString& code) {
    if (IsRightCode(code))
        return QStringLiteral("right");
    if (IsWrongCode(code))
        return QStringLiteral("wrong");
    return QStringLiteral("not marked");
}

QString ResultDescription(bool firstTry, int question, int part, int partCount) {
    return (firstTry ? QStringLiteral("First try, ") : QStringLiteral("Second try, ")) +
           AnswerBoxName(question, part, partCount).replace(0, 1, QLatin1Char('a'));
}

QString MarkedAnswerDescription(const QString& resultName, const QString& model,
                                const QString& note) {
    QStringList parts{resultName};
    if (!model.isEmpty())
        parts << QStringLiteral("model answer ") + model;
    if (!note.isEmpty())
        parts << note;
    return parts.join(QStringLiteral("; "));
}

QString SpokenDuration(qint64 seconds) {
    seconds = std::max<qint64>(seconds, 0);
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    QStringList words;
    if (hours > 0)
        words << counted(hours, "hour");
    if (hours > 0 || minutes > 0)
        words << counted(minutes, "minute");
    words << counted(seconds % 60, "second");
    return words.join(QLatin1Char(' '));
}

QString SpokenClockText(const QString& clock) {
    const QStringList fields = clock.split(QLatin1Char(':'));
    if (fields.size() != 3)
        return clock;
    qint64 total = 0;
    for (int k = 0; k < 3; ++k) {
        bool ok = false;
        const int value = fields.at(k).toInt(&ok);
        // Minutes and seconds below 60; the hours are the only open field.
        if (!ok || value < 0 || (k > 0 && value >= 60) || fields.at(k).startsWith(u'+'))
            return clock;
        total = total * 60 + value;
    }
    return SpokenDuration(total);
}

QString ScoreName(const QString& percentage) {
    if (percentage.isEmpty())
        return QStringLiteral("Your score: not marked yet");
    return QStringLiteral("Your score: %1 percent").arg(percentage);
}

QString AnsweredName(const QString& answered, const QString& total) {
    return QStringLiteral("Answered: %1 of %2").arg(answered, total);
}

} // namespace orvanta
