// A look at the practice window as a pupil sees it: opens papers of each
// subject in both takes on the fixture course with the program's pictures,
// types, moves, saves, hides the answer sheet, maximises, and saves a
// screenshot of each step. Not a test; run by hand under Xvfb:
//
//   ORVANTA_FIXTURES=tests/fixtures QTWEBENGINE_DISABLE_SANDBOX=1
//   xvfb-run -a -s "-screen 0 1280x900x24" build/bin/practice_look OUT_DIR
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/practice_layout_rules.h"
#include "practice/question_browser.h"
#include "tests/practice/practice_test_support.h"
#include "ui_frame/skinned_frame.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTextStream>
#include <QTimer>

using namespace orvanta;
using namespace orvanta::test;

namespace {

QString outDir;

void settle(int ms = 400) {
    QTest::qWait(ms);
}

void shoot(QWidget* window, const QString& name) {
    settle();
    const QRect r = window->frameGeometry();
    const QPixmap shot =
        QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    const QString path = outDir + u'/' + name + QStringLiteral(".png");
    shot.save(path);
    QTextStream(stdout) << path << '\n';
}

// An enlarged part of the last screenshot, to check pixels.
void zoom(QWidget* window, const QRect& area, const QString& name) {
    const QRect r = area.translated(window->frameGeometry().topLeft());
    const QPixmap shot =
        QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    shot.scaled(shot.size() * 5).save(outDir + u'/' + name + QStringLiteral(".png"));
}

// Shoots the window with the modal dialog that `command` brings up, then
// answers the dialog with its first button.
void shootWithDialog(QWidget* window, const QString& name, const std::function<void()>& command) {
    QTimer::singleShot(700, [window, name] {
        shoot(window, name);
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    command();
}

void markFirstTake(PracticeFixture& f, int subject, int paperIndex, const QStringList& results,
                   const QStringList& answers, const QString& percentage) {
    ProgressStore store = f.store();
    const int P = f.description().subject(subject).paperCount;
    PaperRecordFile fresults = store.OpenPaperRecords(ProgressFile::FirstResults, subject, P);
    fresults.replace(PaperNumber(paperIndex), results);
    PaperRecordFile first = store.OpenPaperRecords(ProgressFile::FirstAnswers, subject, P);
    first.replace(PaperNumber(paperIndex), answers);
    SummaryRows summary = store.ReadSummary(subject, P);
    summary.set(SummaryRows::FSE, paperIndex, percentage);
    summary.set(SummaryRows::LTM, paperIndex, QStringLiteral("0:7:5"));
    summary.set(SummaryRows::CDD, paperIndex, QStringLiteral("7 Mar 2024"));
    summary.set(SummaryRows::FST, paperIndex, QStringLiteral("1"));
    store.WriteSummary(subject, summary);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("practice-look");
    QDir().mkpath(outDir);

    // Question 10005 of the English course gets 18 parts, to see the packing.
    PracticeFixture f(withQuestion10005Parts(18));
    f.allowDialogs();
    f.moveCursor(QPoint(5, 5));

    PracticeWindow* w = f.open(1, 1);
    shoot(w, QStringLiteral("01-english-paper1-q1"));
    typeAnswer(w, 1, QStringLiteral("walks"));
    typeAnswer(w, 2, QStringLiteral("are"));
    typeAnswer(w, 3, QStringLiteral("has > had"));
    shoot(w, QStringLiteral("02-typed-with-hint"));
    typeAnswer(w, 4, QStringLiteral("carbon dioxide gas"));
    shoot(w, QStringLiteral("02b-caret-past-the-box-width"));
    pageLoadsAfter(w, [&] { w->GoToQuestion(2, true); });
    typeAnswer(w, 1, QStringLiteral("2"));
    shoot(w, QStringLiteral("03-q2-single-letter-parts"));
    pageLoadsAfter(w, [&] { w->GoToQuestion(3, true); });
    f.moveCursor(w->ToolBar(6)->mapToGlobal(QPoint(10, 10)));
    w->tick(f.skin().cursor());
    shoot(w, QStringLiteral("04-q3-next-hover"));
    shootWithDialog(w, QStringLiteral("04b-save-pop-up"), [&] { w->SavePaper(); });
    w->ToggleAnswerSheet();
    shoot(w, QStringLiteral("05-sheet-hidden"));
    w->ToggleAnswerSheet();

    w = f.open(1, 2);
    pageLoadsAfter(w, [&] { w->GoToQuestion(2, true); });
    shoot(w, QStringLiteral("06-english-paper2-q2-18-parts"));
    w = f.open(1, 3);
    typeAnswer(w, 1, QStringLiteral("she will not go to work today because it is raining"));
    shoot(w, QStringLiteral("07-long-answer"));

    w = f.open(2, 1);
    shoot(w, QStringLiteral("08-maths-paper1-instruction"));
    w->showMaximized();
    shoot(w, QStringLiteral("09-maths-maximised"));
    w->showNormal();

    w = f.open(3, 2);
    shoot(w, QStringLiteral("10-science-paper2"));

    const QString R = QStringLiteral("\u00fc");
    const QString W = QStringLiteral("\u00fb");
    markFirstTake(f, 1, 1, {R, W, R, R, W, R, R, R, R, R, R, W, R, R, W},
                  {"walks", "is", "has", "are", "was", "2", "4", "1", "3", "2", "that", "before",
                   "so that", "among", "there"},
                  QStringLiteral("73.3"));
    w = f.open(1, 1, 1);
    shoot(w, QStringLiteral("11-english-paper1-marked"));
    w = f.open(1, 1, 2);
    shoot(w, QStringLiteral("12-english-paper1-try-again"));
    pageLoadsAfter(w, [&] { w->GoToQuestion(3, true); });
    shoot(w, QStringLiteral("13-try-again-q3"));
    zoom(w, QRect(w->AnsBox()->x(), w->AnsBox()->y(), 180, 70), QStringLiteral("14-zoom-boxes"));
    // The second take marked: the model answers of the parts still wrong.
    {
        ProgressStore store = f.store();
        PaperRecordFile sresults = store.OpenPaperRecords(ProgressFile::SecondResults, 1, 10);
        sresults.replace(101, {R, W, R, R, R, R, R, R, R, R, R, R, R, R, W});
        PaperRecordFile second = store.OpenPaperRecords(ProgressFile::SecondAnswers, 1, 10);
        second.replace(101, {"walks", "am", "has", "are", "is", "2", "4", "1", "3", "2", "that",
                             "after", "so that", "among", "there"});
        SummaryRows summary = store.ReadSummary(1, 10);
        summary.set(SummaryRows::SSE, 1, QStringLiteral("86.7"));
        summary.set(SummaryRows::SST, 1, QStringLiteral("1"));
        store.WriteSummary(1, summary);
    }
    w = f.open(1, 1, 2);
    shoot(w, QStringLiteral("15-try-again-marked-q1"));
    pageLoadsAfter(w, [&] { w->GoToQuestion(3, true); });
    shoot(w, QStringLiteral("16-try-again-marked-q3"));
    f.moveCursor(w->ToolBar(4)->mapToGlobal(QPoint(10, 10)));
    w->tick(f.skin().cursor());
    shootWithDialog(w, QStringLiteral("17-close-pop-up"), [&] { w->ClosePaper(); });
    settle();

    // The smallest size the resize drag allows.
    f.moveCursor(QPoint(5, 5));
    w = f.open(1, 2);
    w->resize(SmallestPracticeSize());
    pageLoadsAfter(w, [&] { w->GoToQuestion(2, true); });
    shoot(w, QStringLiteral("18-smallest-18-parts"));
    for (int k = 1; k < 14; ++k)
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    typeAnswer(w, 14, QStringLiteral("a > b"));
    shoot(w, QStringLiteral("19-smallest-tabbed-to-n-with-hint"));
    w = f.open(1, 3);
    w->resize(SmallestPracticeSize());
    typeAnswer(w, 1, QStringLiteral("she will not go"));
    QTest::keyClick(w->Frame(1)->FA(), Qt::Key_Return);
    shoot(w, QStringLiteral("20-smallest-long-answer-hint"));
    w = f.open(2, 1);
    w->resize(SmallestPracticeSize());
    shoot(w, QStringLiteral("21-smallest-maths-instruction"));
    w->ToggleAnswerSheet();
    shoot(w, QStringLiteral("22-smallest-sheet-hidden"));
    w = f.open(1, 1, 2);
    w->resize(SmallestPracticeSize());
    shoot(w, QStringLiteral("23-smallest-try-again"));
    w = f.open(1, 2);
    w->resize(SmallestPracticeSize());
    w->fmeMark()->show();
    for (int k = 1; k <= 9; ++k)
        w->imgBar(k)->show();
    shoot(w, QStringLiteral("24-smallest-marking-bar"));
    w->fmeMark()->hide();
    shoot(w, QStringLiteral("25-smallest-after-the-bar"));
    settle();
    return 0;
}
