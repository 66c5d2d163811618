// The report a parent keeps: its PDF page read back with pdftotext against
// the figures the Report page shows, its size, and the saving of the PDF and
// CSV files where the pupil chooses.
#include "main_window/report_document.h"
#include "main_window/report_export.h"
#include "main_window/report_figures.h"
#include "main_window/report_saving.h"
#include "main_window/trend_series.h"
#include "marking/score.h"
#include "tests/main_window/fullest_subject.h"
#include "tests/main_window/report_widgets_support.h"
#include "tests/support/pdf_text.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

const QString kTitle = QStringLiteral("Orvanta Sample Course");
const QDate kToday(2025, 3, 16);

QString writePdf(const QString& path, const ReportDocument& report) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(WriteReportPdf(file, report));
    file.close();
    return path;
}

int pageCount(const QString& text) {
    return static_cast<int>(text.count(u'\f'));
}

// The text with every run of blanks made one space, so that figures can be
// looked for whatever columns pdftotext laid them out in.
QString squeezed(const QString& text) {
    return QString(text).replace(QRegularExpression(QStringLiteral("[ \\t]+")),
                                 QStringLiteral(" "));
}

// A row of the table as pdftotext lays it out: its cells in order on one line.
bool hasRow(const QString& text, const QStringList& cells) {
    QStringList escaped;
    for (const QString& cell : cells)
        escaped << QRegularExpression::escape(cell);
    return text.contains(QRegularExpression(escaped.join(QStringLiteral("[ \\t]+"))));
}

class ReportDocumentTest : public testing::Test {
protected:
    QString path(const char* name) const { return out.filePath(QString::fromLatin1(name)); }

    FixtureHome home;
    QTemporaryDir out;
};

TEST_F(ReportDocumentTest, aSubjectWithEveryPaperMarkedFitsOnePageWithThePagesFigures) {
    for (int j = 1; j <= home.paperCount(); ++j) {
        home.mark(j, QString::number(40 + 5 * j), j % 2 ? QString::number(50 + 4 * j) + ".5" : "",
                  QStringLiteral("0:%1:5").arg(j), QStringLiteral("%1 Mar 2025").arg(j));
    }
    home.writeTrend("#TRD#>45>50>55>60>100>0");
    const SubjectData subject = home.subject();
    const QString text =
        pdfText(writePdf(path("report.pdf"), {kTitle, subject, home.trendLine(), kToday}));
    EXPECT_EQ(pageCount(text), 1);
    const QString flat = squeezed(text);

    EXPECT_TRUE(flat.contains(kTitle));
    EXPECT_TRUE(flat.contains(subject.name + " report"));
    EXPECT_TRUE(flat.contains(MarkingDateText(kToday)));

    // The overall panel, from the page's own figures.
    const ReportFigures figures = BuildReport(subject);
    const OverallFigures& overall = figures.overall;
    EXPECT_TRUE(hasRow(text, {report_text::kFirstAverageLabel, overall.firstAverage}));
    EXPECT_TRUE(hasRow(text, {report_text::kSecondAverageLabel, overall.secondAverage}));
    EXPECT_TRUE(hasRow(text, {report_text::kPapersCompletedLabel, overall.papersCompleted}));
    EXPECT_TRUE(hasRow(text, {report_text::kWeakestLabel, overall.weakestTopic.trimmed()}));
    EXPECT_TRUE(hasRow(text, {report_text::kStrongestLabel, overall.strongestTopic.trimmed()}));

    // The topical panel: each visible row's name and both bars' labels.
    for (const TopicBars& row : figures.topics) {
        if (row.visible) {
            EXPECT_TRUE(hasRow(text, {row.name, row.first.label, row.second.label})) << row.topic;
        }
    }
    EXPECT_TRUE(flat.contains(report_text::kFirstLegend));
    EXPECT_TRUE(flat.contains(report_text::kSecondLegend));

    // The trend section's scale and caption.
    EXPECT_TRUE(flat.contains(kTrendCaption));
    for (const char* mark : {"100%", "50%", "0%"})
        EXPECT_TRUE(flat.contains(QString::fromLatin1(mark)));

    // The table: a row per marked paper.
    for (const MarkedPaper& paper : MarkedPapers(subject)) {
        QStringList cells = {PaperLabel(paper.paper), paper.firstScore + "%"};
        if (!paper.secondScore.isEmpty())
            cells << paper.secondScore + "%";
        cells << paper.timeTaken << paper.date;
        EXPECT_TRUE(hasRow(text, cells)) << paper.paperIndex;
    }
}

TEST_F(ReportDocumentTest, drawsTheTrendAsLinesNotAsAPicture) {
    home.mark(1, "80");
    home.writeTrend("#TRD#>80>20>100");
    const QByteArray pdf =
        readBytes(writePdf(path("report.pdf"), {kTitle, home.subject(), home.trendLine(), kToday}));
    EXPECT_FALSE(
        QString::fromLatin1(pdf).contains(QRegularExpression(QStringLiteral("/Subtype\\s*/Image"))))
        << "the PDF holds a picture";
}

TEST_F(ReportDocumentTest, theFullestSubjectStillFitsOnePage) {
    const SubjectData subject = FullestSubject();
    const QString text = pdfText(writePdf(path("full.pdf"), {kTitle, subject, QString(), kToday}));
    EXPECT_EQ(pageCount(text), 1);
    for (int j = 1; j <= subject.paperCount; ++j) {
        EXPECT_TRUE(hasRow(text, {QString::number(j) + "%", QString::number(j + 40) + ".5%",
                                  "12:34:56", "28 Dec 2025"}))
            << j;
    }
    EXPECT_TRUE(hasRow(text, {"Topic 10 of Water, Heat, Light and Sound", "48%", "88.5%"}));
}

TEST_F(ReportDocumentTest, aSubjectWithoutMarkedPapersSaysSo) {
    const QString text =
        squeezed(pdfText(writePdf(path("empty.pdf"), {kTitle, home.subject(), {}, kToday})));
    EXPECT_TRUE(text.contains("No paper has been marked yet."));
    EXPECT_TRUE(text.contains(report_text::kPapersCompletedLabel + " 0 / 10"));
}

// Saving: what the dialog proposes, what is written, what the pupil is told.
class ReportSaverTest : public testing::Test {
protected:
    ReportSaverTest() { home.mark(1, "85", "90", "0:7:5", "30 Dec 2005"); }

    ReportSaver saver() {
        return ReportSaver(
            [this](const QString& title, const QString& message, int buttons) {
                told << title + "|" + message + "|" + QString::number(buttons);
                return true;
            },
            [this](QWidget*, const QString& title, const QString& suggested, const QString&) {
                asked << title + "|" + suggested;
                return chosen;
            },
            clock);
    }

    FixtureHome home;
    QTemporaryDir out;
    std::shared_ptr<ManualClock> clock =
        std::make_shared<ManualClock>(QDateTime(kToday, QTime(18, 30)));
    QString chosen;
    QStringList asked;
    QStringList told;
};

TEST_F(ReportSaverTest, proposesTheDatedNameInTheDocumentsFolderAndSavesThere) {
    chosen = out.filePath("Kept report"); // typed without its suffix
    EXPECT_EQ(saver().SaveReportPdf(kTitle, home.subject(), home.trendLine()),
              ReportSaver::Outcome::Saved);
    EXPECT_EQ(asked,
              QStringList({"Save Report|" +
                           QDir(DocumentsFolder()).filePath("English report 2025-03-16.pdf")}));
    ASSERT_TRUE(QFile::exists(chosen + ".pdf"));
    EXPECT_EQ(pageCount(pdfText(chosen + ".pdf")), 1);
    EXPECT_EQ(told, QStringList({"Save Report|The report was saved as Kept report.pdf.|1"}));
}

TEST_F(ReportSaverTest, savesTheResultsAsCsv) {
    chosen = out.filePath("results.csv");
    EXPECT_EQ(saver().SaveResultsCsv(home.subject()), ReportSaver::Outcome::Saved);
    EXPECT_EQ(asked,
              QStringList({"Save Results|" +
                           QDir(DocumentsFolder()).filePath("English results 2025-03-16.csv")}));
    EXPECT_EQ(readBytes(chosen), ResultsCsv(home.subject()));
    EXPECT_EQ(told, QStringList({"Save Results|The results were saved as results.csv.|1"}));
}

TEST_F(ReportSaverTest, cancellingWritesAndTellsNothing) {
    EXPECT_EQ(saver().SaveReportPdf(kTitle, home.subject(), {}), ReportSaver::Outcome::Cancelled);
    EXPECT_EQ(saver().SaveResultsCsv(home.subject()), ReportSaver::Outcome::Cancelled);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_TRUE(told.isEmpty());
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

TEST_F(ReportSaverTest, aFileThatCannotBeWrittenIsToldAndAnOlderOneKept) {
    chosen = out.filePath("missing folder/report.pdf");
    EXPECT_EQ(saver().SaveReportPdf(kTitle, home.subject(), {}), ReportSaver::Outcome::Failed);
    EXPECT_EQ(told.last(), "Save Report|The report could not be saved as report.pdf. Please "
                           "choose another folder.|1");

    // A folder where the file should go: nothing replaces it.
    chosen = out.filePath("taken.csv");
    ASSERT_TRUE(QDir(out.path()).mkdir("taken.csv"));
    EXPECT_EQ(saver().SaveResultsCsv(home.subject()), ReportSaver::Outcome::Failed);
    EXPECT_TRUE(QFileInfo(chosen).isDir());
    EXPECT_TRUE(told.last().startsWith("Save Results|The results could not be saved"));
}

TEST(ReportSaveButtonsTest, standAtTheBottomOfTheirPanelAndFollowItsSize) {
    QWidget panel;
    panel.resize(400, 293);
    auto* buttons = new ReportSaveButtons(&panel);
    panel.show();
    EXPECT_EQ(buttons->saveReport()->text(), "Save report as PDF");
    EXPECT_EQ(buttons->saveResults()->text(), "Save results as CSV");
    EXPECT_GT(buttons->y(), 293 - 40);
    EXPECT_LE(buttons->geometry().bottom(), 293);
    EXPECT_GE(buttons->x(), 0);
    EXPECT_LE(buttons->geometry().right(), 400);

    panel.resize(500, 350);
    EXPECT_LE(buttons->geometry().bottom(), 350);
    EXPECT_GT(buttons->y(), 350 - 40);
}

} // namespace
