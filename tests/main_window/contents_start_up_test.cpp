#include "contents_fixture.h"
#include "main_window/home_page.h"
#include "main_window/second_copy.h"
#include "ui_frame/picture_box.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

using StartUpTest = ContentsTest;

int indexAmongSiblings(const QWidget* widget) {
    return static_cast<int>(widget->parentWidget()->children().indexOf(widget));
}

TEST_F(StartUpTest, firstRunInstallsPicturesCreatesEveryProgressFileAndOpensTheFirstSubject) {
    Contents& c = start();

    EXPECT_EQ(QDir(home_.folder().graphicsFolder()).entryList(QDir::Files).size(), 89);
    for (int s = 1; s <= 3; ++s) {
        for (ProgressFile file : kProgressFiles) {
            const QString path = progressFile(file, s);
            ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
            EXPECT_EQ(readBytes(path),
                      readBytes(course_.resource(ProgressTemplateResource(s, file))));
        }
    }
    EXPECT_FALSE(QFileInfo::exists(home_.folder().courseScratchFile()));

    EXPECT_EQ(c.LChose(), "1");
    EXPECT_EQ(c.lblCOD(), "Q4");
    EXPECT_EQ(c.txtTabPos(), "1");
    EXPECT_EQ(c.txtToolBarPos(), "1");
    EXPECT_EQ(c.txtReportPos(), "1");
    EXPECT_EQ(c.TopicCount(), "1");
    EXPECT_EQ(c.TtPapersCon(), "10");
    EXPECT_EQ(c.PaperNum(), "") << "no paper is opened yet";
    EXPECT_EQ(c.TakeNum(), "");
    EXPECT_EQ(c.RefreshLog(), "off");
    EXPECT_EQ(c.windowTitle(), "Orvanta Sample Course");
    EXPECT_EQ(c.geometry(), QRect(4, 4, 405, 492));

    const char* names[] = {"English", "Mathematics", "Science"};
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(c.Tablbl[s]->text(), names[s]);
        const QString tip = QStringLiteral("Load %1 Module").arg(QLatin1String(names[s]));
        EXPECT_EQ(c.Tab[s]->toolTip(), tip);
        EXPECT_EQ(c.Tablbl[s]->toolTip(), tip);
    }
    EXPECT_EQ(c.Tablbl[3]->text(), "Help");
    EXPECT_EQ(c.Tab[3]->toolTip(), "Help");

    EXPECT_TRUE(c.Body_Home->isVisibleTo(&c));
    EXPECT_EQ(c.Body_Home->Topic[0]->text(), "Grammar");
    EXPECT_EQ(c.Body_Home->SubH1->text(), "Grammar");
    EXPECT_TRUE(c.startUpReport().problems.isEmpty());
}

TEST_F(StartUpTest, secondRunRewritesNoProgressFileAndShowsTheEarlierResults) {
    start();
    writeScores(1, {{1, "66.7"}});
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    for (int s = 1; s <= 3; ++s) {
        for (ProgressFile file : kProgressFiles) {
            QFile f(progressFile(file, s));
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
        }
    }
    const auto before = progressBytes();

    Contents& second = start();

    EXPECT_EQ(progressBytes(), before);
    for (int s = 1; s <= 3; ++s) {
        for (ProgressFile file : kProgressFiles)
            EXPECT_EQ(QFileInfo(progressFile(file, s)).lastModified(), old);
    }
    EXPECT_EQ(second.Body_Home->MSA[0]->text(), "66.7");
}

TEST_F(StartUpTest, aDeletedTrendFileIsCreatedAgainAloneAndTheSubjectKeepsItsResults) {
    start();
    writeScores(2, {{3, "80"}});
    writeBytes(progressFile(ProgressFile::Trend, 1), "#TRD#>70\r\n");
    writeBytes(progressFile(ProgressFile::Trend, 3), "#TRD#>90\r\n");
    auto before = progressBytes();
    QFile::remove(progressFile(ProgressFile::Trend, 2));

    start();

    const QString trend2 = ProgressFileName(ProgressFile::Trend, 2, QStringLiteral("Q4"));
    EXPECT_EQ(readBytes(progressFile(ProgressFile::Trend, 2)),
              readBytes(course_.resource(ProgressTemplateResource(2, ProgressFile::Trend))));
    before.erase(trend2);
    auto after = progressBytes();
    after.erase(trend2);
    EXPECT_EQ(after, before);
}

TEST_F(StartUpTest, threeSubjectTabsOverlapByFourAndTheHelpTabFollows) {
    Contents& c = start();
    const int w = c.Tab[0]->width();
    EXPECT_EQ(c.Tab[0]->x(), 2);
    EXPECT_EQ(c.Tab[1]->x(), 2 + w - 4);
    EXPECT_EQ(c.Tab[2]->x(), 2 + 2 * (w - 4));
    EXPECT_EQ(c.Tab[3]->x(), 2 + 3 * w - 12);
    EXPECT_EQ(c.ScnTabBG->geometry().topLeft(), QPoint(2, 60));
    EXPECT_EQ(c.Body_Home->y(), c.ScnTabBG->geometry().bottom() + 1);

    // The chosen tab stands two pixels higher, in front of the strip, which
    // covers the lower edge of the other tabs; tab 1 overlaps tab 2, and so on.
    EXPECT_EQ(c.Tab[0]->y() + 2, c.Tab[1]->y());
    EXPECT_EQ(c.Tab[1]->y(), c.Tab[3]->y());
    EXPECT_GT(c.Tab[1]->geometry().bottom(), c.ScnTabBG->y());
    EXPECT_GT(indexAmongSiblings(c.Tab[0]), indexAmongSiblings(c.ScnTabBG));
    EXPECT_GT(indexAmongSiblings(c.ScnTabBG), indexAmongSiblings(c.Tab[1]));
    EXPECT_GT(indexAmongSiblings(c.Tab[1]), indexAmongSiblings(c.Tab[2]));
    EXPECT_GT(indexAmongSiblings(c.Tab[2]), indexAmongSiblings(c.Tab[3]));

    c.TabClick(3);
    EXPECT_EQ(c.Tab[2]->y() + 2, c.Tab[0]->y());
    EXPECT_GT(indexAmongSiblings(c.Tab[2]), indexAmongSiblings(c.ScnTabBG));
    EXPECT_GT(indexAmongSiblings(c.ScnTabBG), indexAmongSiblings(c.Tab[0]));
}

TEST_F(StartUpTest, withoutTheFirstSubjectItsTabIsOutOfSightAndTheSecondIsChosen) {
    course_.describe({}, SubjectSpec{"Mathematics", 2, 10}, SubjectSpec{"Science", 2, 10});
    Contents& c = start();
    const int w = c.Tab[0]->width();
    EXPECT_EQ(c.Tab[0]->x(), -w);
    EXPECT_FALSE(c.Tab[0]->isVisibleTo(&c));
    EXPECT_EQ(c.Tab[1]->x(), 2);
    EXPECT_EQ(c.Tab[2]->x(), 2 + w - 4);
    EXPECT_EQ(c.Tab[3]->x(), 2 + 2 * (w - 4));
    EXPECT_EQ(c.LChose(), "2");
    EXPECT_EQ(c.txtTabPos(), "2");
    EXPECT_EQ(c.Body_Home->Topic[0]->text(), "Mathematics topic 1");
    EXPECT_FALSE(QFileInfo::exists(progressFile(ProgressFile::Summary, 1)));
    EXPECT_TRUE(QFileInfo::exists(progressFile(ProgressFile::Summary, 2)));
    c.TabClick(1);
    EXPECT_EQ(c.LChose(), "2");
    EXPECT_EQ(c.txtTabPos(), "2");
}

TEST_F(StartUpTest, aCourseDescriptionWithAWordForACountIsToldAndNothingIsCreated) {
    course_.writeDescription({"...", "#NME#>Orvanta Test Course", "#COD#>Q4", "#LAH#>English",
                              "#LBH#>", "#LCH#>", "#TT1#>seven", "#TP1#>35", "#TN1#>A>B"});
    Contents& c = start();

    EXPECT_FALSE(QFileInfo::exists(progressFile(ProgressFile::Summary, 1)));
    EXPECT_EQ(c.txtTabPos(), "4");
    EXPECT_TRUE(c.Body_About->isVisibleTo(&c));
    EXPECT_EQ(c.TtPapersCon(), "") << "no subject was loaded";
    ASSERT_EQ(c.pendingNotices().size(), 1);
    EXPECT_TRUE(c.pendingNotices().first().contains("seven"))
        << c.pendingNotices().first().toStdString();

    // Told once the window is on screen.
    c.popUps().setNextAnswer(true);
    c.show();
    QTest::qWait(20);
    EXPECT_EQ(c.popUps().askedCount(), 1);
    EXPECT_EQ(c.popUps().lastButtonCount(), 1);
    EXPECT_TRUE(c.popUps().lastMessage().contains("seven"));
    EXPECT_TRUE(c.pendingNotices().isEmpty());
}

TEST_F(StartUpTest, aSummaryFileThatCannotBeReadAtStartIsToldNamingTheFileAndLeftAlone) {
    start();
    writeBytes(progressFile(ProgressFile::Summary, 1), QByteArray(5 * 1024 * 1024, '\n'));
    const auto before = progressBytes();

    Contents& c = start();

    EXPECT_EQ(progressBytes(), before);
    EXPECT_FALSE(c.subjectReadable());
    EXPECT_FALSE(c.Body_Home->Pa[0]->isVisibleTo(&c));
    EXPECT_TRUE(c.Body_Home->Topic[0]->isVisibleTo(&c));
    ASSERT_EQ(c.pendingNotices().size(), 1) << c.pendingNotices().join(u'\n').toStdString();
    const QString notice = c.pendingNotices().first();
    EXPECT_TRUE(notice.contains("marks1Q4.txt is far too large")) << notice.toStdString();
    EXPECT_FALSE(notice.contains(home_.path())) << notice.toStdString();
}

TEST_F(StartUpTest, progressFilesLostAtStartAreMadeAgainAndTheScoresWorkedOutFromTheResults) {
    start();
    writeScores(1, {{2, "100"}});
    writeBytes(progressFile(ProgressFile::Trend, 1), "#TRD#>100\r\n");
    QFile::remove(progressFile(ProgressFile::Summary, 1));

    Contents& c = start();

    ASSERT_EQ(c.pendingNotices().size(), 2) << c.pendingNotices().join(u'\n').toStdString();
    EXPECT_TRUE(c.pendingNotices().at(0).contains("marks1Q4.txt of English could not be found"))
        << c.pendingNotices().at(0).toStdString();
    EXPECT_TRUE(c.pendingNotices().at(1).contains("worked out again"))
        << c.pendingNotices().at(1).toStdString();
    EXPECT_EQ(c.Body_Home->MSA[1]->text(), "100");
    const SummaryRows summary = store().ReadSummary(1, 10);
    EXPECT_EQ(summary.value(SummaryRows::FST, 2), "1");
    EXPECT_EQ(summary.value(SummaryRows::FSE, 1), "");
}

TEST_F(StartUpTest, aSecondCopySaysTheProgramIsRunningAndWritesNothing) {
    start();
    const auto before = progressBytes();
    PopUpAnswer response;
    PopUpChannel popUps(
        SkinContext{std::make_shared<PictureSource>(home_.folder().graphicsFolder())}, response);
    popUps.setNextAnswer(true);
    TellAlreadyRunning(popUps);
    EXPECT_EQ(popUps.lastTitle(), "Orvanta");
    EXPECT_EQ(popUps.lastMessage(),
              "The program is already running. Please go on in the window that is open.");
    EXPECT_EQ(popUps.lastButtonCount(), 1);
    EXPECT_EQ(progressBytes(), before);
}

TEST_F(StartUpTest, theLauncherWarmsUpOnceTheWindowIsShown) {
    start();
    EXPECT_EQ(launcher_.warmUps, 0);
    showWindow();
    QTest::qWait(20);
    EXPECT_EQ(launcher_.warmUps, 1);
}

} // namespace
