#include "contents_fixture.h"
#include "main_window/click_label.h"
#include "main_window/home_page.h"
#include "ui_frame/picture_box.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

class HomePageTest : public ContentsTest {
protected:
    void startSevenTopics() {
        course_.describe(sevenTopics("English"), sevenTopics("Mathematics"),
                         sevenTopics("Science"));
        start();
        showWindow();
    }
    HomePage& home() { return *c().Body_Home; }
    bool isChosen(int topic) {
        return home().Topic[topic - 1]->palette().color(QPalette::Window) == QColor(128, 128, 128);
    }
};

struct ScoreRow {
    const char* name;
    const char* first;
    const char* second;
    bool secondTakeButton;
};

// Paper k of topic 1 carries row k's scores.
const ScoreRow kScoreRows[] = {
    {"full_score_hides_the_second_take", "100", "", false},
    {"ninety_nine_shows_it", "99", "", true},
    {"a_hair_above_ninety_nine_hides_it", "99.04", "", false},
    {"never_marked_shows_nothing", "", "", false},
    {"second_take_scored_keeps_it", "66.7", "83.3", true},
};

TEST_F(HomePageTest, scoresStandBeforeTheirPercentSignAndSecondTakesFollowTheFirstScore) {
    start();
    std::map<int, QString> first;
    std::map<int, QString> second;
    for (int k = 1; k <= 5; ++k) {
        first[k] = QString::fromLatin1(kScoreRows[k - 1].first);
        second[k] = QString::fromLatin1(kScoreRows[k - 1].second);
    }
    writeScores(1, first, second);
    showWindow();
    c().RefreshContents();

    const int percentLeft = home().Percent1a->x();
    const int percentIndex = static_cast<int>(home().children().indexOf(home().Percent1a));
    for (int k = 1; k <= 5; ++k) {
        const ScoreRow& row = kScoreRows[k - 1];
        SCOPED_TRACE(row.name);
        QLabel* firstScore = home().MSA[k - 1];
        QLabel* secondScore = home().MSB[k - 1];
        EXPECT_EQ(firstScore->text(), row.first);
        EXPECT_EQ(secondScore->text(), row.second);
        EXPECT_TRUE(home().Pa[k - 1]->isVisible());
        EXPECT_EQ(home().Pb[k - 1]->isVisible(), row.secondTakeButton);
        EXPECT_EQ(home().Pb[k - 1]->toolTip(), QStringLiteral("Try paper %1 again").arg(k));
        EXPECT_EQ(home().Pa[k - 1]->toolTip(), QStringLiteral("Load paper %1").arg(k));
        // Every block shows both of its rows' captions, with or without a
        // second-take button.
        for (const QString& caption :
             {QStringLiteral("Attempt%1a"), QStringLiteral("Attempt%1b")}) {
            const auto* label = home().findChild<QLabel*>(caption.arg(k));
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(label->isVisible()) << label->objectName().toStdString();
        }
        for (QLabel* score : {firstScore, secondScore}) {
            EXPECT_TRUE(score->isVisible());
            // The whole score shows: nothing of it is cut off.
            EXPECT_LE(score->fontMetrics().horizontalAdvance(score->text()),
                      score->contentsRect().width())
                << score->text().toStdString();
            EXPECT_EQ(score->alignment() & Qt::AlignRight, Qt::AlignRight);
            EXPECT_GT(home().children().indexOf(score), percentIndex);
            if (score->text().isEmpty()) {
                // Lies over its row's "%" and hides it.
                EXPECT_EQ(score->x(), percentLeft);
            } else {
                EXPECT_LT(score->geometry().right(), percentLeft);
                EXPECT_GE(score->geometry().right(), percentLeft - 3);
            }
        }
    }
}

TEST_F(HomePageTest, aSubjectOfSevenTopicsShowsSevenRowsAndTheFirstChosen) {
    startSevenTopics();
    for (int row = 1; row <= 10; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(home().Topic[row - 1]->isVisible(), row <= 7);
        EXPECT_EQ(home().Bullet[row - 1]->isVisible(), row <= 7);
    }
    EXPECT_EQ(home().Topic[6]->text(), "English topic 7");
    EXPECT_EQ(home().Topic[0]->toolTip(), "Click to select topic");
    EXPECT_TRUE(isChosen(1));
    EXPECT_EQ(c().TtPapersCon(), "35");
}

struct OpenRow {
    const char* name;
    int topic;
    int paper;
    int take;
    const char* paperNum;
};

const OpenRow kOpenRows[] = {
    {"load_paper_3_of_topic_2", 2, 3, 1, "108"},
    {"try_paper_5_of_topic_7_again", 7, 5, 2, "135"},
    {"load_paper_1_of_topic_1", 1, 1, 1, "101"},
};

TEST_F(HomePageTest, aPaperButtonHandsItsPaperToThePracticeWindow) {
    course_.describe(sevenTopics("English"), sevenTopics("Mathematics"), sevenTopics("Science"));
    start();
    std::map<int, QString> first;
    for (int paper = 1; paper <= 35; ++paper)
        first[paper] = QStringLiteral("50");
    writeScores(1, first);
    showWindow();
    c().RefreshContents();

    for (const OpenRow& row : kOpenRows) {
        SCOPED_TRACE(row.name);
        click(home().Topic[row.topic - 1]);
        PictureButton* button = (row.take == 1 ? home().Pa : home().Pb)[row.paper - 1];
        ASSERT_TRUE(button->isVisible());
        click(button);

        EXPECT_EQ(c().PaperNum(), row.paperNum);
        EXPECT_EQ(c().TakeNum(), QString::number(row.take));
        ASSERT_FALSE(launcher_.opened.isEmpty());
        const PaperHandOver& paper = launcher_.opened.last();
        EXPECT_EQ(paper.paperNumber, QString::fromLatin1(row.paperNum).toInt());
        EXPECT_EQ(paper.take, row.take);
        EXPECT_EQ(paper.subject, 1);
        EXPECT_EQ(paper.courseCode, "Q4");
        EXPECT_EQ(paper.paperCount, 35);
        EXPECT_EQ(paper.topicFirstIndex, 5 * (row.topic - 1) + 1);
        EXPECT_EQ(paper.topicName, QStringLiteral("English topic %1").arg(row.topic));
        EXPECT_EQ(paper.positionInTopic(), row.paper);
    }
    // Opening a paper while another is open unloads that one first.
    EXPECT_EQ(launcher_.unloads, 2);
}

TEST_F(HomePageTest, withoutAPracticeWindowThePupilIsToldAndNothingOpens) {
    start();
    showWindow();
    c().setPracticeLauncher(nullptr);
    c().popUps().setNextAnswer(true);
    click(home().Pa[1]);
    EXPECT_EQ(c().PaperNum(), "102");
    EXPECT_EQ(c().popUps().askedCount(), 1);
    EXPECT_EQ(c().popUps().lastTitle(), "Orvanta");
    EXPECT_TRUE(c().popUps().lastMessage().contains("cannot be opened"));
}

TEST_F(HomePageTest, refreshingAfterAPaperClosesKeepsTheChosenTopicWithItsNewScore) {
    startSevenTopics();
    click(home().Topic[3]);
    ASSERT_EQ(c().TopicCount(), "16");
    launcher_.onUnload = [this] { c().RefreshContents(); };
    click(home().Pa[2]);

    // The practice window marks paper 18 and unloads.
    writeScores(1, {{18, "75"}});
    launcher_.UnloadPracticeWindow();

    EXPECT_EQ(c().TopicCount(), "16");
    EXPECT_EQ(c().RefreshLog(), "off");
    EXPECT_EQ(home().SubH1->text(), "English topic 4");
    EXPECT_EQ(home().MSA[2]->text(), "75");
    EXPECT_TRUE(home().Pb[2]->isVisible());
    EXPECT_TRUE(isChosen(4));
    EXPECT_FALSE(isChosen(1));

    // A subject tab, by contrast, always starts at topic 1.
    click(c().Tab[0]);
    EXPECT_EQ(c().TopicCount(), "1");
    EXPECT_TRUE(isChosen(1));
    EXPECT_FALSE(isChosen(4));
}

TEST_F(HomePageTest, aDamagedSummaryFileIsMendedToldOnceAndKeptAsItWas) {
    start();
    writeScores(2, {{2, "80"}});
    showWindow();
    // Rows lost, and a score at paper 1, which was never marked.
    const QByteArray damaged = "#FSE#>1>80\r\n#SSE#>\r\n";
    writeBytes(progressFile(ProgressFile::Summary, 2), damaged);

    c().popUps().setNextAnswers({true, true, true, true});
    click(c().Tab[1]);

    // Damaged and mended (the copy kept), paper 2's score worked out again,
    // paper 1's cleared: one pop-up each.
    EXPECT_EQ(c().popUps().askedCount(), 3);
    const QString message = c().popUps().lastMessage();
    EXPECT_EQ(message, "marks2Q4.txt showed a score for Fractions - Paper 1, which was never "
                       "marked. It was cleared.");
    EXPECT_EQ(readBytes(progressFile(ProgressFile::Summary, 2) + ".damaged"), damaged);
    EXPECT_TRUE(c().subjectReadable());
    EXPECT_EQ(c().LChose(), "2");
    EXPECT_EQ(home().Topic[0]->text(), "Fractions");
    EXPECT_TRUE(home().Pa[0]->isVisible());
    // Paper 1 was never marked; paper 2's score, in a damaged row, is worked
    // out again from its results (all right).
    EXPECT_EQ(home().MSA[0]->text(), "");
    EXPECT_EQ(home().MSA[1]->text(), "100");

    // Mended, the next load finds nothing to tell.
    click(c().Tab[1]);
    EXPECT_EQ(c().popUps().askedCount(), 3);
}

TEST_F(HomePageTest, aSummaryFileThatCannotBeReadIsToldOnceAndLeftAlone) {
    start();
    showWindow();
    QFile summary(progressFile(ProgressFile::Summary, 2));
    ASSERT_TRUE(summary.open(QIODevice::ReadWrite));
    ASSERT_TRUE(summary.resize(50 * 1024 * 1024)); // sparse: no disk space, nothing to read
    summary.close();
    const auto before = progressBytes();

    c().popUps().setNextAnswer(true);
    click(c().Tab[1]);

    EXPECT_EQ(c().popUps().askedCount(), 1);
    const QString message = c().popUps().lastMessage();
    EXPECT_TRUE(message.contains("marks2Q4.txt is far too large")) << message.toStdString();
    EXPECT_EQ(progressBytes(), before);
    EXPECT_FALSE(c().subjectReadable());
    EXPECT_FALSE(home().Pa[0]->isVisible());
    EXPECT_FALSE(home().MSA[0]->isVisible());

    // Told once a run, not at every load; once mended, the papers show again.
    click(c().Tab[1]);
    EXPECT_EQ(c().popUps().askedCount(), 1);
    writeBytes(progressFile(ProgressFile::Summary, 2),
               readBytes(course_.resource(ProgressTemplateResource(2, ProgressFile::Summary))));
    click(c().Tab[1]);
    EXPECT_EQ(c().popUps().askedCount(), 1);
    EXPECT_TRUE(c().subjectReadable());
    EXPECT_TRUE(home().Pa[0]->isVisible());
}

TEST_F(HomePageTest, paperButtonsShowTheirHoverPictureWithinOneTick) {
    start();
    showWindow();
    moveCursorTo(home().Pa[2]);
    tick();
    EXPECT_EQ(home().Pa[2]->pictureName(), "loadbutton_on.bmp");
    EXPECT_EQ(home().Pa[1]->pictureName(), "loadbutton_off.bmp");
    moveCursor(QPoint(-50, -50));
    tick();
    EXPECT_EQ(home().Pa[2]->pictureName(), "loadbutton_off.bmp");
}

} // namespace
