// The Report page's save commands in the main window: where the buttons
// stand, and that each writes the chosen subject's files as they are now.
#include "contents_fixture.h"
#include "main_window/report_export.h"
#include "main_window/report_saving.h"
#include "main_window/subject_data.h"
#include "tests/support/pdf_text.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

class ReportSaveTest : public ContentsTest {
protected:
    void SetUp() override {
        start();
        showWindow();
        writeScores(1, {{1, "85"}, {2, "66.7"}, {7, "40"}}, {{1, "90"}});
        c().reportSaver().setClock(
            std::make_shared<ManualClock>(QDateTime(QDate(2025, 3, 16), QTime(9, 0))));
        c().reportSaver().setChooseFile(
            [this](QWidget*, const QString&, const QString& suggested, const QString&) {
                suggestions << suggested;
                return chosen;
            });
        click(c().ToolBar[1]); // Report
    }

    QTemporaryDir out;
    QString chosen;
    QStringList suggestions;
};

TEST_F(ReportSaveTest, theButtonsStandUnderTheOverallFiguresOnTheReportPage) {
    ReportSaveButtons* buttons = c().reportSaveButtons();
    ASSERT_TRUE(c().Body_Report->isVisible());
    EXPECT_TRUE(buttons->isVisible());
    QWidget* panel = c().Body_Report->sectionPanel(ReportSection::Overall);
    EXPECT_EQ(buttons->parentWidget(), panel);
    EXPECT_TRUE(panel->rect().contains(buttons->geometry()));
    for (QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->isVisible()) {
            EXPECT_FALSE(label->geometry().intersects(buttons->geometry()))
                << label->objectName().toStdString() << " " << label->text().toStdString();
        }
    }
    // Another section hides them with the Overall panel.
    c().Body_Report->setReportPos("3");
    EXPECT_FALSE(buttons->isVisible());
}

TEST_F(ReportSaveTest, saveReportWritesTheChosenSubjectsPdf) {
    chosen = out.filePath("report.pdf");
    c().popUps().setNextAnswer(true);
    c().reportSaveButtons()->saveReport()->click();
    const QString name = c().subjectData().name;
    EXPECT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(suggestions.value(0).endsWith("/" + name + " report 2025-03-16.pdf"))
        << suggestions.value(0).toStdString();
    ASSERT_TRUE(QFile::exists(chosen));
    const QString text = pdfText(chosen);
    EXPECT_EQ(text.count(u'\f'), 1);
    EXPECT_TRUE(text.contains(c().course().title));
    EXPECT_TRUE(text.contains(name + " report"));
    EXPECT_TRUE(text.contains("16 Mar 2025"));
    EXPECT_TRUE(text.contains("3 / 10"));
    EXPECT_EQ(c().popUps().lastTitle(), "Save Report");
    EXPECT_EQ(c().popUps().lastMessage(), "The report was saved as report.pdf.");
}

TEST_F(ReportSaveTest, saveResultsWritesTheChosenSubjectsCsv) {
    chosen = out.filePath("results.csv");
    c().popUps().setNextAnswer(true);
    c().reportSaveButtons()->saveResults()->click();
    ASSERT_TRUE(QFile::exists(chosen));
    const SubjectData subject = *LoadSubjectData(c().course(), store(), 1);
    EXPECT_EQ(readBytes(chosen), ResultsCsv(subject));
    EXPECT_EQ(QString::fromUtf8(readBytes(chosen)).count(u'\n'), 5); // header and four takes
    EXPECT_EQ(c().popUps().lastMessage(), "The results were saved as results.csv.");
}

} // namespace
