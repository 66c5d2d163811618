#include "pdf_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>

namespace orvanta::test {

QString pdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    EXPECT_FALSE(tool.isEmpty()) << "pdftotext (poppler-utils) is needed";
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList printedLines(const QStringList& lines) {
    QStringList kept;
    for (const QString& line : lines) {
        QString trimmed = line;
        trimmed.remove(QRegularExpression(QStringLiteral("\\s+$")));
        if (!trimmed.isEmpty())
            kept.append(trimmed);
    }
    qsizetype margin = -1;
    for (const QString& line : kept) {
        const qsizetype indent = line.indexOf(QRegularExpression(QStringLiteral("\\S")));
        margin = margin < 0 ? indent : std::min(margin, indent);
    }
    for (QString& line : kept)
        line.remove(0, std::max<qsizetype>(margin, 0));
    return kept;
}

QStringList pdfLines(const QString& path) {
    return printedLines(pdfText(path).split(QRegularExpression(QStringLiteral("[\\n\\f]"))));
}

} // namespace orvanta::test
