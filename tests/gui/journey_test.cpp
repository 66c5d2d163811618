// A pupil's whole way through the program, on the bundled course and real
// files in a temporary ORVANTA_HOME, under Xvfb: the main window and the
// practice windows wired as the program wires them, driven by clicks and key
// presses. Mathematics, topic 2, paper 3 is taken, saved, marked, closed,
// tried again, marked again; the report shows it, the results are printed
// to a PDF file, and erasing them leaves every page and file as at the start.
//
// The pop-ups are answered through the main window's test hook and the print
// dialogs are replaced; any other dialog that shows up fails the test.
#include "data/course_content.h"
#include "data/progress_store.h"
#include "data/resource_install.h"
#include "main_window/click_label.h"
#include "main_window/contents.h"
#include "main_window/erase_page.h"
#include "main_window/home_page.h"
#include "main_window/logic/results_printout.h"
#include "main_window/report/report_page.h"
#include "main_window/report/results_printing.h"
#include "main_window/report/trend_plot_view.h"
#include "marking/paper_marking.h"
#include "marking/score.h"
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/logic/practice_rules.h"
#include "practice/practice_launcher.h"
#include "practice/practice_window.h"
#include "tests/gui/program_under_test.h"
#include "tests/practice/practice_test_support.h"
#include "tests/support/pdf_text.h"
#include "ui_frame/picture_box.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>

using namespace orvanta;
using namespace orvanta::test;

namespace {

const QString R = QStringLiteral("\u00fc"); // right: a tick
const QString W = QStringLiteral("\u00fb"); // wrong: a cross

constexpr int kMaths = 2;
constexpr int kTopic = 2;
constexpr int kPaperInTopic = 3;
constexpr int kPaperIndex = 5 * (kTopic - 1) + kPaperInTopic; // 8
constexpr int kPaperNumber = 100 + kPaperIndex;               // 108

// A wrong answer of the part's kind: another option, or the key with a slip.
QString wrongAnswerFor(const QString& key, const QString& type, const QString& slip) {
    if (type == u"Q")
        return QString::number(key.toInt() % 4 + 1);
    return key + slip;
}

bool shownIn(const QWidget* child) {
    return child->isVisibleTo(child->parentWidget());
}

QStringList questionRange(int first, int last) {
    QStringList items;
    for (int q = first; q <= last; ++q)
        items << QString::number(q);
    return items;
}

class JourneyTest : public testing::Test {
protected:
    // The program's start, as main() does it, with the print dialogs under
    // the test's control too.
    void startProgram() {
        program_.start();
        replacePrintDialogs();
    }

    // A printer with nowhere to print to, whatever the machine has; the
    // pupil's choice of file is a PDF file in the temporary folder.
    void replacePrintDialogs() {
        PrintDialogs dialogs{[](QPrinter&, QWidget*) {
                                 ADD_FAILURE() << "the printer set-up was shown";
                                 return false;
                             },
                             [this](QWidget*, const QString& suggested) {
                                 suggestedPdf_ = suggested;
                                 return pdfPath();
                             }};
        Contents& c = program_.contents();
        c.resultsPrinter() = ResultsPrinter(popUpMessages(c.popUps(), &c), dialogs, &c);
        c.resultsPrinter().printer().setOutputFormat(QPrinter::PdfFormat);
        c.resultsPrinter().printer().setOutputFileName({});
    }

    Contents& c() { return program_.contents(); }
    const Contents& c() const { return program_.contents(); }
    HomePage& home() { return *c().Body_Home; }
    PopUpChannel& popUps() { return c().popUps(); }
    ResourceLibrary library() const { return program_.library(); }
    AppFolder folder() const { return program_.folder(); }
    QString pdfPath() const { return out_.filePath(QStringLiteral("maths.pdf")); }

    // --- What the pupil does -------------------------------------------

    void click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

    // Clicks a paper button of the Home page; the practice window it opens,
    // once its first page has loaded, or null.
    PracticeWindow* openPaper(PictureButton* paperButton) {
        return program_.openPaperBy([&] { click(paperButton); });
    }

    // Clicks toolbar button 1..6 of the practice window once the window's
    // timer has brought its enables up to date.
    void clickToolbar(PracticeWindow* w, int button) {
        w->tick(kPointerAway);
        click(w->ToolBar(button));
    }

    bool back(PracticeWindow* w) {
        return pageLoadsAfter(w, [&] { clickToolbar(w, 5); });
    }
    bool next(PracticeWindow* w) {
        return pageLoadsAfter(w, [&] { clickToolbar(w, 6); });
    }

    // Chooses `question` in the remaining-questions selector.
    bool choose(PracticeWindow* w, int question) {
        QComboBox* selector = w->RemQns();
        const int item = selector->findText(QString::number(question));
        if (item < 0)
            return false;
        return pageLoadsAfter(w, [&] {
            selector->setCurrentIndex(item);
            emit selector->activated(item);
        });
    }

    QStringList selectorItems(PracticeWindow* w) {
        QStringList items;
        for (int i = 0; i < w->RemQns()->count(); ++i)
            items << w->RemQns()->itemText(i);
        return items;
    }

    // Closes the practice window, confirming, and waits until it is gone.
    void closePaper(PracticeWindow* w) {
        QPointer<PracticeWindow> window(w);
        popUps().setNextAnswer(true);
        clickToolbar(w, 4);
        EXPECT_EQ(popUps().lastTitle(), "Close Practice");
        EXPECT_EQ(popUps().lastMessage(), "Confirm?");
        EXPECT_FALSE(program_.launcher().hasOpenPracticeWindow());
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, kPageTimeoutMs));
        EXPECT_EQ(QDir(program_.homePath()).entryList({QStringLiteral("temppaper*")}),
                  QStringList())
            << "the page file is removed";
    }

    // --- What the test reads -------------------------------------------

    // Paper-wide part index (0-based) of part `part` of question `question`.
    int part(int question, int part) const {
        return PartOffset(paper_.partCounts, question) + part - 1;
    }
    QString rightAnswer(int partIndex) const { return selfAnswers_.at(partIndex); }
    QString wrongAnswer(int partIndex, const QString& slip = QStringLiteral("1")) const {
        return wrongAnswerFor(paper_.keys.at(partIndex), paper_.types.at(partIndex), slip);
    }
    qint64 marksOf(const std::set<int>& parts) const {
        qint64 sum = 0;
        for (int i : parts)
            sum += paper_.marks.at(i).toInt();
        return sum;
    }

    QString file(ProgressFile which, int subject = kMaths) const {
        return program_.file(which, subject);
    }
    QByteArray record(ProgressFile which) const { return recordLine(file(which), kPaperNumber); }
    QString summary(SummaryRows::Row row) const {
        return program_.store().ReadSummary(kMaths, subjectPaperCount()).value(row, kPaperIndex);
    }
    int subjectPaperCount() const { return c().course().subject(kMaths).paperCount; }
    // A control of the main window by its design name.
    QWidget* widget(const char* objectName) {
        auto* found = c().findChild<QWidget*>(QLatin1String(objectName));
        if (!found)
            throw std::runtime_error(std::string("no control ") + objectName);
        return found;
    }
    QString text(const char* objectName) {
        auto* label = qobject_cast<QLabel*>(widget(objectName));
        return label ? label->text() : QStringLiteral("(not a label)");
    }
    bool shown(const char* objectName) { return widget(objectName)->isVisible(); }
    // The pixels of the trend plot in the points' pure blue.
    int trendDotPixels() {
        const QImage& image = c().Body_Report->trendPlot()->image();
        int blue = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                blue += image.pixelColor(x, y) == QColor(0, 0, 255) ? 1 : 0;
        }
        return blue;
    }

    void expectEveryProgressFileAsItsTemplate() {
        for (int s = 1; s <= kSubjectCount; ++s) {
            if (!c().course().subject(s).present())
                continue;
            for (ProgressFile which : kProgressFiles)
                EXPECT_EQ(readBytes(file(which, s)), program_.templateBytes(which, s))
                    << ProgressFileName(which, s, c().lblCOD()).toStdString();
        }
    }

    // The result labels of the question on screen against `codes` (one per
    // paper-wide part), with the answer boxes locked.
    void expectFirstTakeMarks(PracticeWindow* w, const QStringList& codes) {
        const int q = w->currentQuestion();
        for (int k = 1; k <= paper_.partCounts.at(q - 1); ++k) {
            AnswerFrame* frame = w->Frame(k);
            EXPECT_EQ(frame->FR()->code(), codes.at(part(q, k)))
                << "question " << q << " part " << k;
            EXPECT_TRUE(shownIn(frame->FR())) << q;
            EXPECT_TRUE(frame->FA()->isReadOnly()) << q;
            EXPECT_FALSE(shownIn(frame->M())) << q;
        }
    }

    ProgramUnderTest program_;
    QTemporaryDir out_;
    QString suggestedPdf_;
    ModalGuard unansweredDialogs_;
    PaperContent paper_;
    QStringList selfAnswers_;
};

TEST_F(JourneyTest, aPupilTakesMarksRetriesReportsPrintsAndErasesAPaper) {
    // --- Start -----------------------------------------------------------
    startProgram();
    ASSERT_EQ(c().pendingNotices(), QStringList());
    c().show();
    QTest::qWait(0);
    EXPECT_EQ(QFileInfo(file(ProgressFile::FirstAnswers)).fileName(), "first2Q4.txt");
    expectEveryProgressFileAsItsTemplate();

    paper_ = LoadPaperContent(library(), folder(), kMaths, kPaperNumber);
    selfAnswers_ = SelfAnswers(paper_.keys, paper_.types);
    // The shape of the paper the journey is written for: single-part
    // questions, the last of two parts.
    const int questions = paper_.questionCount();
    const int parts = paper_.partCount();
    const int last = questions;
    const int beforeLast = questions - 1;
    ASSERT_GE(questions, 6);
    ASSERT_EQ(paper_.partCounts.last(), 2) << "the last question has parts (a) and (b)";
    ASSERT_EQ(parts, questions + 1) << "every other question has one part";

    // --- Mathematics, topic 2 --------------------------------------------
    click(c().Tab[kMaths - 1]);
    EXPECT_EQ(c().LChose(), "2");
    const QString topicName = c().course().subject(kMaths).topicNames.at(kTopic - 1);
    click(home().Topic[kTopic - 1]);
    EXPECT_EQ(c().TopicCount(), "6");
    EXPECT_EQ(home().SubH1->text(), topicName);
    EXPECT_EQ(home().Pa[kPaperInTopic - 1]->toolTip(), "Load paper 3");
    EXPECT_EQ(home().MSA[kPaperInTopic - 1]->text(), "");
    EXPECT_FALSE(shownIn(home().Pb[kPaperInTopic - 1]));

    // --- First take: answer across several questions ---------------------
    PracticeWindow* w = openPaper(home().Pa[kPaperInTopic - 1]);
    ASSERT_NE(w, nullptr) << "paper 3 did not open";
    EXPECT_EQ(c().PaperNum(), "108");
    EXPECT_EQ(c().TakeNum(), "1");
    EXPECT_EQ(w->objectName(), "Test1");
    EXPECT_EQ(w->windowTitle(), topicName + " - Paper 3");
    EXPECT_EQ(w->lblTotalQ()->text(), QString::number(parts));
    EXPECT_EQ(w->lblDate()->text(), "7 Mar 2024");

    QStringList firstAnswers(parts, QString());
    std::set<int> rightFirstTime;
    auto answer = [&](int k, const QString& text, bool right) {
        const int i = part(w->currentQuestion(), k);
        typeAnswer(w, k, text);
        firstAnswers[i] = text;
        if (right)
            rightFirstTime.insert(i);
    };
    answer(1, rightAnswer(part(1, 1)), true);
    ASSERT_TRUE(next(w));
    answer(1, wrongAnswer(part(2, 1)), false);
    ASSERT_TRUE(next(w));
    answer(1, rightAnswer(part(3, 1)), true);
    ASSERT_TRUE(back(w));
    EXPECT_EQ(w->currentQuestion(), 2);
    EXPECT_EQ(w->Frame(1)->FA()->text(), firstAnswers.at(part(2, 1))) << "kept when moving on";
    // Questions 1 to 3 are stored; every other question waits in the selector.
    EXPECT_EQ(selectorItems(w), questionRange(4, last));
    ASSERT_TRUE(choose(w, last));
    EXPECT_EQ(w->QnTitle()->text(), QStringLiteral("Question %1").arg(last));
    answer(1, rightAnswer(part(last, 1)), true);
    answer(2, wrongAnswer(part(last, 2)), false);
    ASSERT_TRUE(choose(w, beforeLast));
    EXPECT_EQ(selectorItems(w), questionRange(4, beforeLast)) << "the last question is answered";
    answer(1, rightAnswer(part(beforeLast, 1)), true);

    // --- Save: the last answer reaches the file without a move -----------
    popUps().setNextAnswer(true);
    clickToolbar(w, 1);
    EXPECT_EQ(popUps().lastTitle(), "Orvanta");
    EXPECT_EQ(popUps().lastMessage(), "Paper saved");
    EXPECT_EQ(record(ProgressFile::FirstAnswers), paperRecord(kPaperNumber, firstAnswers));
    EXPECT_EQ(readBytes(file(ProgressFile::FirstResults)),
              program_.templateBytes(ProgressFile::FirstResults, kMaths));
    EXPECT_EQ(summary(SummaryRows::FSE), "");

    // --- Mark --------------------------------------------------------------
    QStringList firstResults;
    for (int i = 0; i < parts; ++i)
        firstResults << (rightFirstTime.count(i) ? R : W);
    const qint64 firstScore = marksOf(rightFirstTime);
    const QString firstPercent = PercentageText(firstScore, paper_.totalMarks);
    ASSERT_LT(firstPercent.toDouble(), 99.0) << "the paper must be open to a second take";

    program_.clock().advanceSeconds(12 * 60 + 34);
    w->tick(kPointerAway);
    EXPECT_EQ(w->lblClock()->text(), "0:12:34");
    popUps().setNextAnswers({true});
    clickToolbar(w, 2);
    EXPECT_EQ(popUps().lastTitle(), "Marking");
    EXPECT_EQ(popUps().lastMessage(), QString::fromLatin1(kMarkNotAllAnswered));
    EXPECT_EQ(w->Status(), "1");
    EXPECT_EQ(w->Scoring()->text(), QString::number(firstScore));
    EXPECT_EQ(w->PScoring()->text(), firstPercent);
    EXPECT_EQ(w->LTime()->text(), "0:12:34");
    EXPECT_EQ(w->ETime()->text(), "7 Mar 2024");
    EXPECT_TRUE(shownIn(w->LTime()) && shownIn(w->ETime()));
    EXPECT_FALSE(shownIn(w->lblClock()) || shownIn(w->lblDate()));
    EXPECT_FALSE(shownIn(w->TxtRem()));
    // Ticks and crosses: the question marked on, the last one, and one left empty.
    expectFirstTakeMarks(w, firstResults);
    EXPECT_EQ(w->Frame(1)->FR()->code(), R);
    ASSERT_TRUE(next(w));
    expectFirstTakeMarks(w, firstResults);
    EXPECT_EQ(w->Frame(1)->FR()->code(), R);
    EXPECT_EQ(w->Frame(2)->FR()->code(), W);
    ASSERT_TRUE(back(w));
    ASSERT_TRUE(back(w));
    expectFirstTakeMarks(w, firstResults);
    EXPECT_EQ(w->Frame(1)->FR()->code(), W);

    EXPECT_EQ(record(ProgressFile::FirstAnswers), paperRecord(kPaperNumber, firstAnswers));
    EXPECT_EQ(record(ProgressFile::FirstResults), paperRecord(kPaperNumber, firstResults));
    EXPECT_EQ(summary(SummaryRows::FSE), firstPercent);
    EXPECT_EQ(summary(SummaryRows::LTM), "0:12:34");
    EXPECT_EQ(summary(SummaryRows::CDD), "7 Mar 2024");
    EXPECT_EQ(summary(SummaryRows::FST), "1");
    EXPECT_EQ(summary(SummaryRows::SSE), "");
    EXPECT_EQ(fileLines(file(ProgressFile::Trend)),
              QList<QByteArray>({"#TRD#>" + firstPercent.toLatin1() + '\r'}));

    // --- Close: Home shows the score and the second-take button ----------
    closePaper(w);
    EXPECT_EQ(c().TopicCount(), "6") << "the same topic is shown again";
    EXPECT_EQ(home().SubH1->text(), topicName);
    EXPECT_EQ(home().MSA[kPaperInTopic - 1]->text(), firstPercent);
    EXPECT_EQ(home().MSB[kPaperInTopic - 1]->text(), "");
    EXPECT_TRUE(shownIn(home().Pb[kPaperInTopic - 1]));
    EXPECT_EQ(home().Pb[kPaperInTopic - 1]->toolTip(), "Try paper 3 again");

    // --- Second take: correct question 2, get the other part wrong again --
    w = openPaper(home().Pb[kPaperInTopic - 1]);
    ASSERT_NE(w, nullptr) << "the second take did not open";
    EXPECT_EQ(c().TakeNum(), "2");
    EXPECT_EQ(w->objectName(), "Test2");
    EXPECT_TRUE(shownIn(w->lblSecondAttempt()));
    EXPECT_EQ(w->Status(), "0");
    EXPECT_EQ(w->PScoring()->text(), "");

    // Right the first time: filled in, locked, light blue, ticked.
    AnswerBox* carried = w->Frame(1)->FA();
    EXPECT_EQ(carried->text(), firstAnswers.at(part(1, 1)));
    EXPECT_TRUE(carried->isReadOnly());
    EXPECT_EQ(carried->backgroundColour(), kCarriedOverBlue);
    EXPECT_TRUE(shownIn(w->Frame(1)->FR()));
    EXPECT_EQ(w->Frame(1)->FR()->code(), R);

    QStringList secondAnswers(parts, QString());
    for (int i : rightFirstTime)
        secondAnswers[i] = firstAnswers.at(i);
    std::set<int> rightSecondTime = rightFirstTime;
    ASSERT_TRUE(next(w));
    AnswerBox* open = w->Frame(1)->FA();
    EXPECT_EQ(open->text(), "");
    EXPECT_FALSE(open->isReadOnly());
    EXPECT_EQ(open->backgroundColour(), kAnswerWhite);
    EXPECT_FALSE(shownIn(w->Frame(1)->FR()));
    const int corrected = part(2, 1);
    typeAnswer(w, 1, rightAnswer(corrected));
    secondAnswers[corrected] = rightAnswer(corrected);
    rightSecondTime.insert(corrected);
    ASSERT_TRUE(choose(w, last));
    EXPECT_TRUE(w->Frame(1)->FA()->isReadOnly());
    EXPECT_EQ(w->Frame(1)->FA()->text(), firstAnswers.at(part(last, 1)));
    EXPECT_FALSE(w->Frame(2)->FA()->isReadOnly());
    const int stillWrong = part(last, 2);
    typeAnswer(w, 2, wrongAnswer(stillWrong, QStringLiteral("2")));
    secondAnswers[stillWrong] = wrongAnswer(stillWrong, QStringLiteral("2"));

    QStringList secondResults;
    for (int i = 0; i < parts; ++i)
        secondResults << (rightSecondTime.count(i) ? R : W);
    const QString secondPercent = PercentageText(marksOf(rightSecondTime), paper_.totalMarks);
    const QByteArray trendAfterFirstTake = readBytes(file(ProgressFile::Trend));
    const QByteArray firstResultsFile = readBytes(file(ProgressFile::FirstResults));

    popUps().setNextAnswers({true});
    clickToolbar(w, 2);
    EXPECT_EQ(popUps().lastMessage(), QString::fromLatin1(kMarkNotAllAnswered));
    EXPECT_EQ(w->Status(), "1");
    EXPECT_EQ(w->Scoring()->text(), QString::number(marksOf(rightSecondTime)));
    EXPECT_EQ(w->PScoring()->text(), secondPercent);
    // Carried over: ticked on light blue. Still wrong: crossed, with the key
    // as its model answer (the paper's parts are none of the alternatives kinds).
    EXPECT_EQ(w->Frame(1)->SR()->code(), R);
    EXPECT_EQ(w->Frame(1)->FA()->backgroundColour(), kCarriedOverBlue);
    EXPECT_FALSE(shownIn(w->Frame(1)->M()));
    EXPECT_EQ(w->Frame(2)->SR()->code(), W);
    EXPECT_TRUE(shownIn(w->Frame(2)->SR()));
    EXPECT_FALSE(shownIn(w->Frame(2)->FR()));
    EXPECT_EQ(w->Frame(2)->FA()->backgroundColour(), kAnswerWhite);
    EXPECT_TRUE(shownIn(w->Frame(2)->M()));
    EXPECT_EQ(w->Frame(2)->M()->text(), paper_.keys.at(stillWrong));
    ASSERT_TRUE(back(w));
    EXPECT_EQ(w->Frame(1)->SR()->code(), R);
    EXPECT_EQ(w->Frame(1)->FA()->backgroundColour(), kCarriedOverBlue);
    EXPECT_FALSE(shownIn(w->Frame(1)->M()));
    ASSERT_TRUE(back(w));
    const int leftEmpty = part(beforeLast - 1, 1);
    EXPECT_EQ(w->Frame(1)->SR()->code(), W);
    EXPECT_TRUE(shownIn(w->Frame(1)->M()));
    EXPECT_EQ(w->Frame(1)->M()->text(), paper_.keys.at(leftEmpty));

    EXPECT_EQ(record(ProgressFile::SecondAnswers), paperRecord(kPaperNumber, secondAnswers));
    EXPECT_EQ(record(ProgressFile::SecondResults), paperRecord(kPaperNumber, secondResults));
    EXPECT_EQ(summary(SummaryRows::SSE), secondPercent);
    EXPECT_EQ(summary(SummaryRows::SST), "1");
    EXPECT_EQ(summary(SummaryRows::FSE), firstPercent);
    EXPECT_EQ(summary(SummaryRows::LTM), "0:12:34");
    EXPECT_EQ(readBytes(file(ProgressFile::Trend)), trendAfterFirstTake) << "first takes only";
    EXPECT_EQ(readBytes(file(ProgressFile::FirstResults)), firstResultsFile);
    EXPECT_EQ(record(ProgressFile::FirstAnswers), paperRecord(kPaperNumber, firstAnswers));
    closePaper(w);
    EXPECT_EQ(home().MSA[kPaperInTopic - 1]->text(), firstPercent);
    EXPECT_EQ(home().MSB[kPaperInTopic - 1]->text(), secondPercent);

    // --- Report ------------------------------------------------------------
    const int paperCount = subjectPaperCount();
    click(c().ToolBar[1]);
    ASSERT_TRUE(c().Body_Report->isVisible());
    EXPECT_EQ(text("OScore1"), firstPercent + "%");
    EXPECT_EQ(text("OScore2"), secondPercent + "%");
    EXPECT_EQ(text("PCNum"), QStringLiteral("1 / %1").arg(paperCount));
    EXPECT_EQ(text("WT"), "-") << "one topic attempted";
    EXPECT_EQ(text("ST"), "-");
    click(c().Body_Report->sectionBar(ReportSection::Topical));
    EXPECT_EQ(c().txtReportPos(), "2");
    EXPECT_TRUE(shown("RC2Topical"));
    EXPECT_EQ(text("TopLab2"), topicName);
    EXPECT_EQ(text("TMark2A"), firstPercent + "%");
    EXPECT_EQ(text("TMark2B"), secondPercent + "%");
    EXPECT_EQ(text("TMark1A"), "");
    EXPECT_EQ(text("TMark3B"), "");
    const int firstBar = widget("TBar2A")->width();
    EXPECT_GT(firstBar, 0);
    EXPECT_GT(widget("TBar2B")->width(), firstBar) << "the second take scored more";
    EXPECT_TRUE(shown("TopLab7"));
    EXPECT_FALSE(shown("TopLab8")) << "seven topics";
    click(c().Body_Report->sectionBar(ReportSection::Trend));
    EXPECT_TRUE(shown("RC3Trend"));
    EXPECT_EQ(c().Body_Report->trendPlot()->values(), QList<double>({firstPercent.toDouble()}));
    EXPECT_GT(trendDotPixels(), 0) << "the point is drawn";

    // --- Print to a PDF file, there being no printer ---------------------
    const int asked = popUps().askedCount();
    popUps().setNextAnswers({true, true});
    click(c().ToolBar[2]);
    EXPECT_EQ(popUps().askedCount(), asked + 2);
    EXPECT_EQ(popUps().lastTitle(), "Print");
    EXPECT_EQ(popUps().lastMessage(), "The results were saved as maths.pdf.");
    EXPECT_TRUE(suggestedPdf_.endsWith("/Mathematics results.pdf")) << suggestedPdf_.toStdString();
    EXPECT_TRUE(c().Body_Report->isVisible()) << "the page stays";
    ASSERT_TRUE(QFile::exists(pdfPath()));
    const QStringList printed = pdfLines(pdfPath());
    EXPECT_EQ(printed, printedLines(ResultsPrintoutLines(c().course().title, c().subjectData())));
    const qsizetype block = printed.indexOf(topicName);
    ASSERT_GE(block, 0) << "topic 2 is printed";
    ASSERT_LT(block + 7, printed.size());
    EXPECT_EQ(
        printed.at(block + 7).simplified(),
        QStringLiteral("Paper 3 %1% 0:12:34 7 Mar 2024 %2%").arg(firstPercent, secondPercent));

    // --- Erase all results -------------------------------------------------
    click(c().Tab[3]);
    click(c().ToolBar[1]);
    ASSERT_TRUE(c().Body_Trash->isVisible());
    click(c().Body_Trash->ButTrash);
    click(c().Body_Trash->ButTrash_Yes);
    EXPECT_TRUE(c().Body_Trash->Trashlbl3->isVisible());
    EXPECT_EQ(c().Body_Trash->Trashlbl3->text(), "All your past results have been erased.");
    expectEveryProgressFileAsItsTemplate();

    // Home: no score, no second take.
    click(c().Tab[kMaths - 1]);
    click(home().Topic[kTopic - 1]);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(home().MSA[k]->text(), "") << k;
        EXPECT_EQ(home().MSB[k]->text(), "") << k;
        EXPECT_FALSE(shownIn(home().Pb[k])) << k;
    }
    // Report: nothing to show, an empty trend.
    click(c().ToolBar[1]);
    EXPECT_EQ(c().txtReportPos(), "1") << "a subject tab opens Overall Results";
    EXPECT_EQ(text("OScore1"), "-");
    EXPECT_EQ(text("OScore2"), "-");
    EXPECT_EQ(text("PCNum"), QStringLiteral("0 / %1").arg(paperCount));
    EXPECT_EQ(text("TMark2A"), "");
    EXPECT_EQ(text("TMark2B"), "");
    EXPECT_EQ(c().Body_Report->trendPlot()->values(), QList<double>());
    EXPECT_EQ(trendDotPixels(), 0) << "only the grid";
    // The paper: a fresh first take.
    click(c().ToolBar[0]);
    click(home().Topic[kTopic - 1]);
    w = openPaper(home().Pa[kPaperInTopic - 1]);
    ASSERT_NE(w, nullptr) << "paper 3 did not open after the erase";
    EXPECT_EQ(w->Status(), "0");
    EXPECT_EQ(w->PScoring()->text(), "");
    EXPECT_EQ(w->Frame(1)->FA()->text(), "");
    EXPECT_FALSE(w->Frame(1)->FA()->isReadOnly());
    EXPECT_TRUE(shownIn(w->lblClock()));
    EXPECT_FALSE(shownIn(w->Frame(1)->FR()));
    EXPECT_EQ(selectorItems(w), questionRange(1, questions));
    closePaper(w);
    expectEveryProgressFileAsItsTemplate();

    EXPECT_EQ(QDir(program_.homePath()).entryList({QStringLiteral("temp*")}, QDir::Files),
              QStringList())
        << "no scratch file or page file is left behind";
    EXPECT_EQ(program_.invalidOperations(), 0);
    EXPECT_EQ(unansweredDialogs_.closed(), 0)
        << "dialogs nobody answered: " << unansweredDialogs_.titles().join(", ").toStdString();
}

} // namespace
