#include "results_printout.h"

#include <algorithm>

namespace orvanta {

namespace {

const QString kBlank = QStringLiteral(" ");

QString zoneLine(std::initializer_list<QString> items) {
    return PrintZoneLine(QStringList(items));
}

void appendBlankLines(QStringList& lines, int count) {
    for (int i = 0; i < count; ++i)
        lines.append(QString());
}

void appendTopicHead(QStringList& lines, const QString& topicName) {
    const QString rule = zoneLine({kBlank, QString(kPrintRuleLength, u'-')});
    appendBlankLines(lines, 2);
    lines.append(zoneLine({kBlank, topicName}));
    lines.append(rule);
    lines.append(zoneLine({kBlank, QStringLiteral("Papers"), kBlank, QStringLiteral("First take"),
                           QStringLiteral("Time taken"), QStringLiteral("Date"), kBlank,
                           QStringLiteral("Second take")}));
    lines.append(zoneLine({kBlank, kBlank, kBlank, QStringLiteral("score"), kBlank, kBlank, kBlank,
                           QStringLiteral("score")}));
    lines.append(rule);
}

QString paperRow(const SubjectData& subject, int paper, int paperIndex) {
    return zoneLine({kBlank, QStringLiteral("Paper %1").arg(paper), kBlank,
                     subject.firstScore(paperIndex) + u'%',
                     subject.value(SummaryRows::LTM, paperIndex),
                     subject.value(SummaryRows::CDD, paperIndex), kBlank,
                     subject.secondScore(paperIndex) + u'%'});
}

} // namespace

QString PrintZoneLine(const QStringList& items) {
    QString line;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0) {
            // The first boundary strictly beyond the end of the text so far.
            const qsizetype next = (line.size() / kPrintZoneWidth + 1) * kPrintZoneWidth;
            line = line.leftJustified(next, u' ');
        }
        line += items.at(i);
    }
    return line;
}

QStringList ResultsPrintoutLines(const QString& courseTitle, const SubjectData& subject) {
    QStringList lines;
    appendBlankLines(lines, 2);
    lines.append(zoneLine({kBlank, courseTitle}));
    appendBlankLines(lines, 2);
    for (int t = 1; t <= subject.topicCount && t <= kMaxTopics; ++t) {
        appendTopicHead(lines, subject.topicName(t));
        const int firstIndex = FirstPaperIndexOfTopic(t);
        for (int k = 1; k <= kPapersPerTopic; ++k)
            lines.append(paperRow(subject, k, firstIndex + k - 1));
    }
    return lines;
}

int PrintoutColumns(const QStringList& lines) {
    qsizetype widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, line.size());
    return static_cast<int>(widest);
}

} // namespace orvanta
