// The program from the keyboard alone, and what a screen reader is told:
// a whole paper taken, saved, marked, closed, tried again, reported and
// erased with key presses on the focused widget; every control the keyboard
// reaches has a name; Tab reaches every answer box in order.
#include "tests/gui/keyboard_support.h"

#include "main_window/click_label.h"
#include "main_window/erase_page.h"
#include "main_window/home_page.h"
#include "main_window/report/report_page.h"
#include "main_window/report/report_saving.h"
#include "marking/answer_judge.h"
#include "marking/paper_marking.h"
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/logic/practice_rules.h"
#include "practice/question_browser.h"
#include "tests/practice/practice_test_support.h"
#include "ui_frame/picture_box.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <set>

using namespace orvanta;
using namespace orvanta::test;

namespace {

constexpr int kMaths = 2;
constexpr int kTopic = 2;
constexpr int kPaperInTopic = 3;
constexpr int kPaperIndex = 5 * (kTopic - 1) + kPaperInTopic; // 8
constexpr int kPaperNumber = 100 + kPaperIndex;               // 108

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

bool insideBrowser(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QWebEngineView*>(w))
            return true;
    }
    return false;
}

// The shown, enabled controls of `window` that Tab reaches and that have no
// accessible name, by object name (or class). The question page's own input
// widget belongs to the page; the browser holding it carries the name.
QStringList unnamedFocusableControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
            insideBrowser(w))
            continue;
        if (accessibleName(w).trimmed().isEmpty())
            unnamed << (w->objectName().isEmpty()
                            ? QString::fromLatin1(w->metaObject()->className())
                            : w->objectName());
    }
    return unnamed;
}

class KeyboardTest : public testing::Test {
protected:
    using K = KeyboardProgram;

    void startAndLoadPaper() {
        program.start();
        paper = LoadPaperContent(program.library(), program.folder(), kMaths, kPaperNumber);
        selfAnswers = SelfAnswers(paper.keys, paper.types);
    }

    Contents& c() { return program.contents(); }
    HomePage& home() { return *program.contents().Body_Home; }

    int part(int question, int k) const { return PartOffset(paper.partCounts, question) + k - 1; }
    QString wrongAnswer(int partIndex) const {
        const QString& key = paper.keys.at(partIndex);
        if (paper.types.at(partIndex) == u"Q")
            return QString::number(key.toInt() % 4 + 1);
        return key + QStringLiteral("1");
    }
    QByteArray record(ProgressFile which) const {
        return recordLine(program.file(which, kMaths), kPaperNumber);
    }

    // From the main window's first tab: the subject, the topic and the
    // paper's button of take `take`, then the paper opened with `key`.
    PracticeWindow* openByKeys(int take, int key) {
        if (!K::tabTo(c().Tab[kMaths - 1]))
            return nullptr;
        K::press(Qt::Key_Space);
        if (!K::tabTo(home().Topic[kTopic - 1]))
            return nullptr;
        K::press(Qt::Key_Return);
        PictureButton* button = (take == 1 ? home().Pa : home().Pb)[kPaperInTopic - 1];
        if (!K::tabTo(button))
            return nullptr;
        return program.openPaperByKey(key);
    }

    KeyboardProgram program;
    PaperContent paper;
    QStringList selfAnswers;
};

TEST_F(KeyboardTest, aWholePaperIsTakenMarkedRetriedReportedAndErasedByKeysAlone) {
    startAndLoadPaper();
    const int last = paper.questionCount();
    ASSERT_GE(last, 4);
    ASSERT_EQ(paper.partCounts.last(), 2) << "the last question has parts (a) and (b)";
    QStringList answers(paper.partCount(), QString());

    // --- First take ------------------------------------------------------
    PracticeWindow* w = openByKeys(1, Qt::Key_Return);
    ASSERT_NE(w, nullptr) << "the paper did not open from the keyboard";
    EXPECT_EQ(c().LChose(), "2");
    EXPECT_EQ(c().PaperNum(), "108");
    EXPECT_EQ(K::keyTarget(), w->Frame(1)->FA()) << "the paper opens ready for typing";

    K::press(Qt::Key_A, Qt::AltModifier);
    ASSERT_EQ(K::keyTarget(), w->Frame(1)->FA()) << "Alt+A goes to the first answer";
    answers[part(1, 1)] = selfAnswers.at(part(1, 1));
    K::type(answers[part(1, 1)]);
    ASSERT_TRUE(K::pageLoadsAfterKey(w, Qt::Key_N, Qt::AltModifier));
    EXPECT_EQ(w->currentQuestion(), 2);
    ASSERT_EQ(K::keyTarget(), w->Frame(1)->FA()) << "Next leaves the caret in the first box";
    answers[part(2, 1)] = wrongAnswer(part(2, 1));
    K::type(answers[part(2, 1)]);

    // The list of questions left: Tab reaches it, an arrow opens it, Enter
    // goes to the question chosen.
    ASSERT_TRUE(K::tabTo(w->RemQns()));
    K::press(Qt::Key_Down);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "the arrow opens the list";
    EXPECT_EQ(w->currentQuestion(), 2) << "opening the list goes nowhere yet";
    K::press(Qt::Key_End);
    ASSERT_TRUE(K::pageLoadsAfterKey(w, Qt::Key_Return));
    EXPECT_EQ(w->currentQuestion(), last);

    // Two parts: Tab goes from (a) to (b).
    K::press(Qt::Key_A, Qt::AltModifier);
    answers[part(last, 1)] = selfAnswers.at(part(last, 1));
    K::type(answers[part(last, 1)]);
    K::press(Qt::Key_Tab);
    ASSERT_EQ(K::keyTarget(), w->Frame(2)->FA());
    answers[part(last, 2)] = wrongAnswer(part(last, 2));
    K::type(answers[part(last, 2)]);

    // Back from the toolbar button itself, reached with Tab.
    ASSERT_TRUE(K::tabTo(w->ToolBar(5)));
    ASSERT_TRUE(K::pageLoadsAfterKey(w, Qt::Key_Space));
    EXPECT_EQ(w->currentQuestion(), last - 1);

    program.popUps().expect(QStringLiteral("Orvanta"), {Qt::Key_Return});
    K::press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(program.popUps().allAnswered()) << "Ctrl+S saves and tells";
    EXPECT_EQ(program.popUps().messages().value(0), "Paper saved");
    EXPECT_EQ(record(ProgressFile::FirstAnswers), paperRecord(kPaperNumber, answers));

    // Mark from its button; Enter on the pop-up's focused Yes.
    ASSERT_TRUE(K::tabTo(w->ToolBar(2)));
    program.popUps().expect(QStringLiteral("Marking"), {Qt::Key_Return});
    K::press(Qt::Key_Return);
    EXPECT_TRUE(program.popUps().allAnswered());
    ASSERT_EQ(w->Status(), "1");
    QStringList firstResults;
    std::set<int> rightFirstTime;
    for (int i = 0; i < paper.partCount(); ++i) {
        const bool right = !answers.at(i).isEmpty() && answers.at(i) == selfAnswers.at(i);
        firstResults << (right ? kRightCode : kWrongCode);
        if (right)
            rightFirstTime.insert(i);
    }
    EXPECT_EQ(record(ProgressFile::FirstResults), paperRecord(kPaperNumber, firstResults));
    EXPECT_EQ(accessibleName(w->Frame(1)->FR()), "wrong") << "left empty";
    EXPECT_EQ(accessibleName(w->Frame(1)->FA()),
              QStringLiteral("Answer to question %1").arg(last - 1));

    program.popUps().expect(QStringLiteral("Close Practice"), {Qt::Key_Return});
    K::press(Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(program.waitUntilClosed(w)) << "Alt+C and Enter close the paper";
    EXPECT_FALSE(home().MSA[kPaperInTopic - 1]->text().isEmpty());

    // --- Second take: question 2 put right, marked with Alt+M -------------
    w = openByKeys(2, Qt::Key_Space);
    ASSERT_NE(w, nullptr) << "the second take did not open from the keyboard";
    EXPECT_EQ(w->objectName(), "Test2");
    ASSERT_TRUE(K::pageLoadsAfterKey(w, Qt::Key_N, Qt::AltModifier));
    ASSERT_EQ(K::keyTarget(), w->Frame(1)->FA());
    K::type(selfAnswers.at(part(2, 1)));
    program.popUps().expect(QStringLiteral("Marking"), {Qt::Key_Return});
    K::press(Qt::Key_M, Qt::AltModifier);
    ASSERT_EQ(w->Status(), "1");
    QStringList secondResults = firstResults;
    secondResults[part(2, 1)] = kRightCode;
    EXPECT_EQ(record(ProgressFile::SecondResults), paperRecord(kPaperNumber, secondResults));

    ASSERT_TRUE(K::tabTo(w->ToolBar(4)));
    program.popUps().expect(QStringLiteral("Close Practice"), {Qt::Key_Space});
    K::press(Qt::Key_Space);
    ASSERT_TRUE(program.waitUntilClosed(w));

    // --- The report's sections ---------------------------------------------
    ASSERT_TRUE(K::tabTo(c().ToolBar[1]));
    K::press(Qt::Key_Space);
    ReportPage* report = c().Body_Report;
    ASSERT_TRUE(report->isVisible());
    // The save buttons inside the overall section come between its bar and
    // the next one, as they are seen.
    ASSERT_TRUE(K::tabTo(report->sectionBar(ReportSection::Overall)));
    K::press(Qt::Key_Tab);
    EXPECT_EQ(K::keyTarget(), static_cast<QWidget*>(c().reportSaveButtons()->saveReport()));
    K::press(Qt::Key_Tab);
    EXPECT_EQ(K::keyTarget(), static_cast<QWidget*>(c().reportSaveButtons()->saveResults()));
    K::press(Qt::Key_Tab);
    EXPECT_EQ(K::keyTarget(), report->sectionBar(ReportSection::Topical));
    for (ReportSection section : {ReportSection::Topical, ReportSection::Trend}) {
        ASSERT_TRUE(K::tabTo(report->sectionBar(section)));
        K::press(Qt::Key_Return);
        EXPECT_EQ(report->openSection(), section);
    }

    // --- The erase page: offer, confirm, erased -------------------------------
    ASSERT_TRUE(K::tabTo(c().Tab[3]));
    K::press(Qt::Key_Space);
    ASSERT_TRUE(K::tabTo(c().ToolBar[1]));
    K::press(Qt::Key_Space);
    ErasePage* erase = c().Body_Trash;
    ASSERT_TRUE(erase->isVisible());
    ASSERT_TRUE(K::tabTo(erase->ButTrash));
    K::press(Qt::Key_Space);
    EXPECT_EQ(K::keyTarget(), erase->ButTrash_No) << "the focus stays on the page, on No";
    ASSERT_TRUE(K::tabTo(erase->ButTrash_Yes));
    K::press(Qt::Key_Space);
    EXPECT_EQ(erase->state(), ErasePage::State::Done);
    for (ProgressFile which : kProgressFiles)
        EXPECT_EQ(readBytes(program.file(which, kMaths)), program.templateBytes(which, kMaths))
            << ProgressFileName(which, kMaths, c().lblCOD()).toStdString();
    EXPECT_TRUE(program.popUps().allAnswered());
}

// The focus stops of one round of Tab from `start`, back to it.
QList<QWidget*> tabRound(QWidget* start) {
    QList<QWidget*> stops;
    if (!KeyboardProgram::tabTo(start))
        return stops;
    do {
        stops << KeyboardProgram::keyTarget();
        KeyboardProgram::press(Qt::Key_Tab);
    } while (KeyboardProgram::keyTarget() != start && stops.size() < 100);
    return stops;
}

// Every answer box shown is a stop, in order, after the page and before the
// list of questions left.
void expectAnswerBoxesInOrder(PracticeWindow* w, int parts) {
    const QList<QWidget*> stops = tabRound(w->ToolBar(4));
    qsizetype previous = stops.indexOf(w->brwWebBrowser()->focusProxy());
    EXPECT_GE(previous, 0) << "Tab reaches the question page";
    for (int k = 1; k <= parts; ++k) {
        const qsizetype at = stops.indexOf(w->Frame(k)->FA());
        EXPECT_GT(at, previous) << "answer box " << k << " of " << parts;
        previous = at;
    }
    if (w->RemQns()->isVisible()) {
        EXPECT_GT(stops.indexOf(w->RemQns()), previous);
    }
    for (QWidget* stop : stops) {
        EXPECT_FALSE(stop && accessibleName(stop).isEmpty() && !insideBrowser(stop))
            << stop->objectName().toStdString();
    }
}

TEST_F(KeyboardTest, everyControlTheKeyboardReachesHasANameInBothWindowsAndTakes) {
    startAndLoadPaper();
    auto expectNamed = [](QWidget* window, const char* where) {
        EXPECT_EQ(unnamedFocusableControls(window), QStringList()) << where;
    };
    expectNamed(&c(), "the main window at start");
    for (int s = 1; s <= 3; ++s) {
        if (!c().Tab[s - 1]->isVisible())
            continue;
        ASSERT_TRUE(K::tabTo(c().Tab[s - 1]));
        K::press(Qt::Key_Space);
        ASSERT_TRUE(K::tabTo(home().Topic[0]));
        K::press(Qt::Key_Space);
        expectNamed(&c(), "a subject tab's Home page with a topic");
        ASSERT_TRUE(K::tabTo(c().ToolBar[1]));
        K::press(Qt::Key_Space);
        expectNamed(&c(), "the report");
    }
    ASSERT_TRUE(K::tabTo(c().Tab[3]));
    K::press(Qt::Key_Space);
    expectNamed(&c(), "the About page");
    ASSERT_TRUE(K::tabTo(c().ToolBar[1]));
    K::press(Qt::Key_Space);
    expectNamed(&c(), "the erase page");
    ASSERT_TRUE(K::tabTo(c().Body_Trash->ButTrash));
    K::press(Qt::Key_Space);
    expectNamed(&c(), "the erase page asking");
    ASSERT_TRUE(K::tabTo(c().Body_Trash->ButTrash_No));
    K::press(Qt::Key_Space);

    const int last = paper.questionCount();
    for (int take = 1; take <= 2; ++take) {
        PracticeWindow* w = openByKeys(take, Qt::Key_Return);
        ASSERT_NE(w, nullptr) << "take " << take;
        const std::string which = take == 1 ? "first take" : "second take";
        EXPECT_EQ(accessibleName(w->brwWebBrowser()), "Question 1");
        expectNamed(w, (which + ", unmarked").c_str());
        ASSERT_TRUE(K::tabTo(w->ToolBar(6)));
        K::press(Qt::Key_Space);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w->currentQuestion() == 2; }));
        for (int q = 2; q < last; ++q)
            ASSERT_TRUE(K::pageLoadsAfterKey(w, Qt::Key_N, Qt::AltModifier));
        ASSERT_EQ(w->currentQuestion(), last);
        EXPECT_EQ(accessibleName(w->brwWebBrowser()), QStringLiteral("Question %1").arg(last));
        EXPECT_EQ(accessibleName(w->Frame(2)->FA()),
                  QStringLiteral("Answer (b) of question %1").arg(last));
        expectAnswerBoxesInOrder(w, 2);
        K::press(Qt::Key_A, Qt::AltModifier);
        K::press(Qt::Key_Tab);
        ASSERT_EQ(K::keyTarget(), w->Frame(2)->FA());
        K::type(selfAnswers.at(part(last, 2)));

        program.popUps().expect(QStringLiteral("Marking"), {Qt::Key_Return});
        K::press(Qt::Key_M, Qt::AltModifier);
        ASSERT_EQ(w->Status(), "1");
        expectNamed(w, (which + ", marked").c_str());
        expectAnswerBoxesInOrder(w, 2);
        ResultLabel* result = take == 1 ? w->Frame(2)->FR() : w->Frame(2)->SR();
        EXPECT_EQ(accessibleName(result), "right");
        ResultLabel* empty = take == 1 ? w->Frame(1)->FR() : w->Frame(1)->SR();
        EXPECT_EQ(accessibleName(empty), "wrong") << "an empty answer is marked wrong";
        EXPECT_TRUE(accessibleName(w->PScoring()).startsWith("Your score: ")) << which;
        program.popUps().expect(QStringLiteral("Close Practice"), {Qt::Key_Return});
        K::press(Qt::Key_C, Qt::AltModifier);
        ASSERT_TRUE(program.waitUntilClosed(w));
    }
    EXPECT_TRUE(program.popUps().allAnswered());
}

} // namespace
