// orvanta-screenshots: the README's and the metainfo's screenshots, taken by
// driving the real windows on the bundled course as a pupil would: clicks on
// the tabs, topics and paper buttons, answers typed key by key, Mark and
// Close from the practice window's toolbar, the report's sections.
//
//   ORVANTA_HOME=EMPTY_FOLDER orvanta-screenshots OUTPUT_FOLDER
//
// Run by tools/screenshots/take_screenshots.sh (./do screenshots) under Xvfb
// with a fresh ORVANTA_HOME (required: the tour marks papers). Every run
// gives the same pictures: the dates and the clock are set by the tour, the
// pointer is kept off the controls, the caret does not blink and the marking
// bar is skipped. Mathematics is taken: nine first takes over five topics, in
// rising scores for the trend, and two second takes in topic 1, whose Home
// page is shown.
#include "data/resource_install.h"
#include "main_window/click_label.h"
#include "main_window/contents.h"
#include "main_window/home_page.h"
#include "main_window/report/report_page.h"
#include "marking/paper_marking.h"
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/logic/practice_rules.h"
#include "practice/practice_launcher.h"
#include "practice/practice_window.h"
#include "practice/web_rendering.h"
#include "tests/support/manual_clock.h"
#include "tests/support/manual_monotonic_clock.h"
#include "ui_frame/picture_box.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QDir>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>

#include <memory>
#include <stdexcept>

using namespace orvanta;

namespace {

constexpr int kMaths = 2;
// A safety net for the browser, never a measure of speed.
constexpr int kPageTimeoutMs = 120000;
// The pointer stays away from every control: no hover pictures.
const QPoint kAway(-1000, -1000);

struct TourError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void say(const QString& line) {
    QTextStream(stdout) << line << Qt::endl;
}

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// A wrong answer of the part's kind, close to the right one as a pupil's slip
// would be.
QString slipOf(const QString& right, const QString& type) {
    if (type == u"Q")
        return QString::number(right.toInt() % 4 + 1);
    bool number = false;
    const double value = right.toDouble(&number);
    if (number)
        return QString::number(value + 1);
    if (right.size() > 3)
        return right.chopped(1);
    return QStringLiteral("x");
}

// One paper as the tour takes it: which parts are answered wrong in each take.
struct Take {
    int topic;
    int paperInTopic;
    int rightInTen;      // about this many parts in ten are right
    int minutes;         // time taken
    bool second = false; // tried again, with most wrong parts put right
};

class Tour {
public:
    explicit Tour(QString outDir)
        : outDir_(std::move(outDir)) {
        QDir().mkpath(outDir_);
    }

    ~Tour() {
        launcher_.reset();
        contents_.reset();
    }

    void run() {
        start();
        // The first takes in the order they make a rising trend; paper 3 of
        // topic 1 is the one photographed.
        const QList<Take> takes = {
            {3, 1, 4, 14},       {2, 1, 5, 11}, {4, 1, 6, 17}, {1, 2, 6, 9, true}, {2, 2, 7, 12},
            {1, 3, 7, 13, true}, {5, 1, 8, 10}, {1, 1, 8, 8},  {1, 4, 9, 7},
        };
        for (const Take& take : takes)
            firstTake(take);
        for (const Take& take : takes) {
            if (take.second)
                secondTake(take);
        }
        homeAndReport();
    }

private:
    void start() {
        if (!RegisterResourceBundle(QCoreApplication::applicationDirPath() +
                                    QStringLiteral("/orvanta.rcc")))
            throw TourError("orvanta.rcc is not beside the program");
        contents_ =
            std::make_unique<Contents>(ResourceLibrary(ResourceLibrary::bundledRoot()),
                                       AppFolder::fromEnvironment(), nullptr, [] { return kAway; });
        if (!contents_->pendingNotices().isEmpty())
            throw TourError("the start-up has problems: " +
                            contents_->pendingNotices().join(u' ').toStdString());
        // The tour neither prints nor drags: only the clocks and the marking
        // bar differ from the program's.
        PracticeServices services;
        services.monotonic = clock_;
        services.calendar = calendar_;
        services.markingBarMs = 0;
        launcher_ = std::make_unique<PracticeWindows>(contents_->practiceEnvironment(), *contents_,
                                                      services);
        contents_->setPracticeLauncher(launcher_.get());
        QSignalSpy warmedUp(launcher_.get(), &PracticeWindows::warmedUp);
        contents_->show();
        if (!QTest::qWaitForWindowExposed(contents_.get()) ||
            (warmedUp.isEmpty() && !warmedUp.wait(kPageTimeoutMs)))
            throw TourError("the main window or the web engine did not start");
        click(contents_->Tab[kMaths - 1]);
    }

    HomePage& home() { return *contents_->Body_Home; }

    void chooseTopic(int topic) { click(home().Topic[topic - 1]); }

    // Clicks a paper button of the Home page; the practice window once its
    // first page has loaded (the browser loads a page after the click has
    // returned, never during it).
    PracticeWindow* openPaper(PictureButton* button) {
        click(button);
        PracticeWindow* w = launcher_->practiceWindow();
        if (!w)
            throw TourError("a paper did not open: " +
                            contents_->popUps().lastMessage().toStdString());
        QSignalSpy firstPage(w, &PracticeWindow::pageLoaded);
        if (!firstPage.wait(kPageTimeoutMs) || !firstPage.first().first().toBool())
            throw TourError("the first page of a paper did not load");
        w->raise();
        w->activateWindow();
        return w;
    }

    // Toolbar button 1..6 of the practice window, once its timer has
    // brought the enables up to date.
    void clickToolbar(PracticeWindow* w, int button) {
        w->tick(kAway);
        click(w->ToolBar(button));
    }

    void goTo(PracticeWindow* w, int question) {
        if (w->currentQuestion() == question)
            return;
        QSignalSpy loaded(w, &PracticeWindow::pageLoaded);
        if (question == w->currentQuestion() + 1)
            clickToolbar(w, 6); // Next, as the pupil does
        else
            w->GoToQuestion(question, true);
        if ((loaded.isEmpty() && !loaded.wait(kPageTimeoutMs)) || !loaded.first().first().toBool())
            throw TourError("a question page did not load");
    }

    // Types the answers of question `question`; null texts are left alone.
    void answerQuestion(PracticeWindow* w, int question, const QStringList& answers) {
        goTo(w, question);
        const PaperSession& s = w->session();
        for (int k = 1; k <= s.partsOf(question); ++k) {
            const QString& answer = answers.at(s.offsetOf(question) + k - 1);
            AnswerBox* box = w->Frame(k)->FA();
            if (answer.isNull() || box->isReadOnly())
                continue;
            box->setFocus();
            QTest::keyClicks(box, answer);
        }
    }

    void mark(PracticeWindow* w) {
        contents_->popUps().setNextAnswers({true});
        clickToolbar(w, 2);
        if (w->takeStatus() != TakeStatus::Marked)
            throw TourError("a paper was not marked: " +
                            contents_->popUps().lastMessage().toStdString());
    }

    void close(PracticeWindow* w) {
        QPointer<PracticeWindow> window(w);
        contents_->popUps().setNextAnswer(true);
        clickToolbar(w, 4);
        if (!QTest::qWaitFor([&] { return window.isNull(); }, kPageTimeoutMs))
            throw TourError("a practice window did not close");
    }

    // The answers of a take: right ones from the keys, slips where the
    // pattern of `rightInTen` says so.
    static QStringList answersFor(const PaperContent& paper, const Take& take) {
        const QStringList right = SelfAnswers(paper.keys, paper.types);
        QStringList answers = right;
        for (int i = 0; i < answers.size(); ++i) {
            if ((i * 3 + take.paperInTopic) % 10 >= take.rightInTen)
                answers[i] = slipOf(right.at(i), paper.types.value(i));
        }
        return answers;
    }

    static bool featured(const Take& take) { return take.topic == 1 && take.paperInTopic == 3; }

    // The question photographed on the featured paper: the first with the
    // most parts, so that ticks and crosses show side by side.
    static int featuredQuestion(const PaperContent& paper) {
        int best = 1;
        for (int q = 1; q <= paper.questionCount(); ++q) {
            if (paper.partCounts.at(q - 1) > paper.partCounts.at(best - 1))
                best = q;
        }
        return best;
    }

    void firstTake(const Take& take) {
        chooseTopic(take.topic);
        PracticeWindow* w = openPaper(home().Pa[take.paperInTopic - 1]);
        const PaperContent paper = w->session().content();
        QStringList answers = answersFor(paper, take);
        const QStringList right = SelfAnswers(paper.keys, paper.types);
        const int shown = featuredQuestion(paper);
        if (featured(take)) {
            // The photographed question: its first part wrong (and its second
            // too when a third stays right), the rest right.
            const int offset = PartOffset(paper.partCounts, shown);
            const int parts = paper.partCounts.at(shown - 1);
            for (int k = 0; k < parts; ++k)
                answers[offset + k] = right.at(offset + k);
            answers[offset] = slipOf(right.at(offset), paper.types.value(offset));
            if (parts >= 3)
                answers[offset + 1] = slipOf(right.at(offset + 1), paper.types.value(offset + 1));
        }
        for (int q = 1; q <= paper.questionCount(); ++q) {
            if (featured(take) && q == shown) {
                // Caught half-way through the question, the clock running.
                QStringList typedSoFar(answers.size(), QString());
                typedSoFar[PartOffset(paper.partCounts, q)] =
                    answers.at(PartOffset(paper.partCounts, q));
                answerQuestion(w, q, typedSoFar);
                clock_->advanceSeconds(6 * 60 + 15);
                w->tick(kAway);
                shoot(w, QStringLiteral("question"));
                answers[PartOffset(paper.partCounts, q)] = QString();
            }
            answerQuestion(w, q, answers);
        }
        clock_->advanceSeconds(take.minutes * 60 + 23);
        mark(w);
        if (featured(take)) {
            goTo(w, shown);
            shoot(w, QStringLiteral("marked"));
        }
        close(w);
        calendar_->advanceSeconds(2 * 24 * 3600);
    }

    void secondTake(const Take& take) {
        chooseTopic(take.topic);
        PracticeWindow* w = openPaper(home().Pb[take.paperInTopic - 1]);
        const PaperContent paper = w->session().content();
        const QStringList right = SelfAnswers(paper.keys, paper.types);
        const int shown = featuredQuestion(paper);
        // Every part still open put right, but for one in four; on the
        // featured question the first part stays wrong, to show its model
        // answer.
        QStringList answers(right.size(), QString());
        for (int i = 0; i < right.size(); ++i)
            answers[i] = i % 4 == 3 ? slipOf(right.at(i), paper.types.value(i)) : right.at(i);
        if (featured(take)) {
            const int offset = PartOffset(paper.partCounts, shown);
            answers[offset] = slipOf(right.at(offset), paper.types.value(offset));
            if (paper.partCounts.at(shown - 1) >= 3)
                answers[offset + 1] = right.at(offset + 1);
        }
        for (int q = 1; q <= paper.questionCount(); ++q)
            answerQuestion(w, q, answers);
        mark(w);
        if (featured(take)) {
            goTo(w, shown);
            shoot(w, QStringLiteral("second-take"));
        }
        close(w);
    }

    void homeAndReport() {
        chooseTopic(1);
        contents_->raise();
        shoot(contents_.get(), QStringLiteral("home"));
        click(contents_->ToolBar[1]); // Report
        if (!contents_->Body_Report->isVisible())
            throw TourError("the report did not show");
        const std::pair<ReportSection, const char*> sections[] = {
            {ReportSection::Overall, "report-overall"},
            {ReportSection::Topical, "report-topics"},
            {ReportSection::Trend, "report-trend"},
        };
        for (const auto& [section, name] : sections) {
            click(contents_->Body_Report->sectionBar(section));
            shoot(contents_.get(), QString::fromLatin1(name));
        }
    }

    // The window as it stands on the screen, the desktop outside its
    // rounded outline left transparent.
    void shoot(QWidget* window, const QString& name) {
        // Lets pending layouts, paints and the page's own painting finish.
        QTest::qWait(600);
        const QRect r = window->frameGeometry();
        QImage shot = window->screen()
                          ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                          .toImage()
                          .convertToFormat(QImage::Format_ARGB32);
        if (!window->mask().isEmpty()) {
            QImage outline(shot.size(), QImage::Format_ARGB32);
            outline.fill(Qt::transparent);
            QPainter p(&outline);
            p.setClipRegion(window->mask());
            p.drawImage(0, 0, shot);
            p.end();
            shot = outline;
        }
        const QString path = outDir_ + u'/' + name + QStringLiteral(".png");
        // Quality 0 is PNG's strongest compression.
        if (!shot.save(path, "PNG", 0))
            throw TourError("cannot write " + path.toStdString());
        say(path);
    }

    QString outDir_;
    std::shared_ptr<ManualMonotonicClock> clock_ = std::make_shared<ManualMonotonicClock>();
    std::shared_ptr<ManualClock> calendar_ =
        std::make_shared<ManualClock>(QDateTime(QDate(2026, 2, 2), QTime(16, 30)));
    std::unique_ptr<Contents> contents_;
    std::unique_ptr<PracticeWindows> launcher_;
};

} // namespace

int main(int argc, char* argv[]) {
    // The program's own choice of how the pages are drawn.
    PrepareWebRendering();
    QApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        QTextStream(stderr)
            << "usage: ORVANTA_HOME=EMPTY_FOLDER orvanta-screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    // The tour marks papers: never in a pupil's own folder.
    if (qEnvironmentVariableIsEmpty("ORVANTA_HOME")) {
        QTextStream(stderr) << "orvanta-screenshots: set ORVANTA_HOME to an empty folder\n";
        return 2;
    }
    // A caret that blinks would be caught on or off by chance.
    QApplication::setCursorFlashTime(0);
    QCursor::setPos(app.primaryScreen()->geometry().bottomRight());
    try {
        Tour(app.arguments().at(1)).run();
    } catch (const std::exception& e) {
        QTextStream(stderr) << "orvanta-screenshots: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
