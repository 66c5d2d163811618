#include "report_export.h"

#include <QLocale>
#include <QRegularExpression>

namespace orvanta {

namespace {

QString csvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted << CsvField(field);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

QString safeFileName(QString name) {
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    return name.replace(unsafe, QStringLiteral("-")).trimmed();
}

QString datedName(const QString& subjectName, const char* what, const QDate& date,
                  const char* suffix) {
    return safeFileName(QStringLiteral("%1 %2 %3.%4")
                            .arg(subjectName, QLatin1String(what), date.toString(Qt::ISODate),
                                 QLatin1String(suffix)));
}

} // namespace

QList<MarkedPaper> MarkedPapers(const SubjectData& subject) {
    QList<MarkedPaper> papers;
    for (int t = 1; t <= std::min(subject.topicCount, kMaxTopics); ++t) {
        for (int k = 1; k <= kPapersPerTopic; ++k) {
            const int j = FirstPaperIndexOfTopic(t) + k - 1;
            MarkedPaper paper{t,
                              subject.topicName(t),
                              k,
                              j,
                              subject.firstScore(j),
                              subject.secondScore(j),
                              subject.value(SummaryRows::LTM, j),
                              subject.value(SummaryRows::CDD, j)};
            if (!paper.firstScore.isEmpty() || !paper.secondScore.isEmpty())
                papers.append(paper);
        }
    }
    return papers;
}

QString PaperLabel(int paper) {
    return QStringLiteral("Paper %1").arg(paper);
}

QString CsvField(const QString& text) {
    static const QRegularExpression needsQuotes(QStringLiteral("[,\"\\r\\n]|^\\s|\\s$"));
    if (!text.contains(needsQuotes))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString SpreadsheetDate(const QString& stored) {
    const QDate date = QLocale::c().toDate(stored.trimmed(), QStringLiteral("d MMM yyyy"));
    return date.isValid() ? date.toString(Qt::ISODate) : stored;
}

QString SpreadsheetTime(const QString& stored) {
    static const QRegularExpression hms(QStringLiteral("^(\\d+):(\\d{1,2}):(\\d{1,2})$"));
    const QRegularExpressionMatch match = hms.match(stored.trimmed());
    if (!match.hasMatch())
        return stored;
    return QStringLiteral("%1:%2:%3")
        .arg(match.captured(1).toLongLong())
        .arg(match.captured(2).toInt(), 2, 10, QLatin1Char('0'))
        .arg(match.captured(3).toInt(), 2, 10, QLatin1Char('0'));
}

QByteArray ResultsCsv(const SubjectData& subject) {
    QString text = csvLine(kResultsCsvHeader);
    for (const MarkedPaper& paper : MarkedPapers(subject)) {
        const QString number = QString::number(paper.paper);
        if (!paper.firstScore.isEmpty())
            text += csvLine({subject.name, paper.topicName, number, QStringLiteral("1"),
                             paper.firstScore, SpreadsheetTime(paper.timeTaken),
                             SpreadsheetDate(paper.date)});
        if (!paper.secondScore.isEmpty())
            text += csvLine({subject.name,
                             paper.topicName,
                             number,
                             QStringLiteral("2"),
                             paper.secondScore,
                             {},
                             {}});
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QString ReportPdfName(const QString& subjectName, const QDate& date) {
    return datedName(subjectName, "report", date, "pdf");
}

QString ResultsCsvName(const QString& subjectName, const QDate& date) {
    return datedName(subjectName, "results", date, "csv");
}

} // namespace orvanta
