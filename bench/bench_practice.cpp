// Latency and memory of the practice window on the bundled course, under a
// display (./do bench runs it with xvfb-run), each against the bare browser
// engine measured in the same run, so that the ratios hold however busy the
// machine is:
//
// - next_vs_engine: one Next (store, save, page painted) after a moment on
//   the page, as a pupil reads before moving on, against a bare
//   QWebEngineView of the same size, on a profile with the question
//   browser's settings, loading the same page file after the same pause.
//   The two alternate page by page.
// - open_vs_engine: OpenPaper to the first page painted (engine warmed up, a
//   main window on screen) against the first load in a newly made bare view.
// - memory_vs_engine: the proportional resident set (PSS) of all processes
//   of a program with a paper open against that of a program showing the
//   same first page in a bare view; each is a child process of its own.
//
// The largest paper of each subject is used. Prints "name value unit" per
// figure, ratios as "name value x".
#include "data/course_content.h"
#include "data/data_startup.h"
#include "data/progress_store.h"
#include "data/resource_install.h"
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/practice_launcher.h"
#include "practice/practice_window.h"
#include "practice/question_browser.h"
#include "practice/web_rendering.h"
#include "ui_frame/pop_up.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <unistd.h>

using namespace orvanta;

namespace {

constexpr int kOpensPerSubject = 7;
constexpr int kNextsPerOpen = 4;
constexpr int kMemoryRuns = 3;
constexpr int kTimeoutMs = 120000;
// How long the pupil looks at a page before pressing Next.
constexpr int kReadingMs = 250;
// How long a page stands before its memory is read, so that the engine's
// processes have settled.
constexpr int kSettleMs = 1500;

class BenchHost : public PracticeHost {
public:
    explicit BenchHost(SkinContext skin)
        : channel_(std::move(skin), response_) {}
    PopUpChannel& popUps() override { return channel_; }
    void RefreshContents() override {}

private:
    PopUpAnswer response_;
    PopUpChannel channel_;
};

// Runs `trigger`, then the event loop until `view` has finished loading and
// its page widget has painted after that. Returns the milliseconds from the
// trigger to that paint, or -1 on a timeout. `view` is asked for after the
// trigger, as the trigger may make it.
double timeToPaintedPage(const std::function<bool()>& trigger,
                         const std::function<QWebEngineView*()>& view) {
    struct Watcher : QObject {
        bool loaded = false;
        QEventLoop loop;
        bool eventFilter(QObject*, QEvent* event) override {
            if (loaded && event->type() == QEvent::Paint)
                loop.quit();
            return false;
        }
    } watcher;
    QElapsedTimer clock;
    clock.start();
    if (!trigger())
        return -1;
    QWebEngineView* target = view();
    QObject::connect(target, &QWebEngineView::loadFinished, &watcher, [&watcher, target] {
        watcher.loaded = true;
        // The page's widget may be new; watch whichever it is now.
        QWidget* proxy = target->focusProxy();
        if (!proxy)
            return;
        proxy->installEventFilter(&watcher);
        // Should the engine have nothing new to draw, ask for a paint (a
        // slow figure then, rather than a hang).
        QTimer::singleShot(250, proxy, [proxy] { proxy->update(); });
    });
    if (QWidget* proxy = target->focusProxy())
        proxy->installEventFilter(&watcher);
    QTimer::singleShot(kTimeoutMs, &watcher.loop, &QEventLoop::quit);
    watcher.loop.exec();
    return watcher.loaded ? double(clock.nsecsElapsed()) / 1e6 : -1;
}

double median(QList<double> values) {
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const auto n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The processes of the program: this one and every one below it (the web
// engine's zygote, renderers and utilities).
QList<int> programProcesses() {
    QMap<int, int> parentOf;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        if (!isPid)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const auto close = line.lastIndexOf(')');
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() > 1)
            parentOf.insert(pid, fields.at(1).toInt());
    }
    QList<int> ours = {int(getpid())};
    for (qsizetype i = 0; i < ours.size(); ++i) {
        for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it) {
            if (it.value() == ours.at(i) && !ours.contains(it.key()))
                ours.append(it.key());
        }
    }
    return ours;
}

// Memory of this program now, kB: the sum over its processes of their
// proportional resident sets (PSS), in which a page shared by several
// processes counts once in all.
qint64 residentKb() {
    qint64 total = 0;
    for (int pid : programProcesses()) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!rollup.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : rollup.readAll().split('\n')) {
            if (line.startsWith("Pss:"))
                total += line.mid(4).trimmed().split(' ').first().toLongLong();
        }
    }
    return total;
}

struct LargestPaper {
    int subject = 0;
    int paperNumber = 0;
    int parts = 0;
    QStringList questions;
};

// The paper of `subject` with the most parts (ties: the most page bytes).
LargestPaper largestPaper(const ResourceLibrary& library, const AppFolder& folder, int subject,
                          const SubjectInfo& info) {
    LargestPaper best;
    qint64 bestBytes = -1;
    for (int index = 1; index <= info.paperCount; ++index) {
        const PaperContent paper = LoadPaperContent(library, folder, subject, PaperNumber(index));
        qint64 bytes = 0;
        for (const QString& q : paper.questions)
            bytes += library.bytes(q.toInt()).value_or(QByteArray()).size();
        if (paper.partCount() > best.parts ||
            (paper.partCount() == best.parts && bytes > bestBytes)) {
            best = {subject, paper.paperNumber, paper.partCount(), paper.questions};
            bestBytes = bytes;
        }
    }
    return best;
}

PaperHandOver handOverOf(const CourseDescription& course, const LargestPaper& paper) {
    const SubjectInfo& info = course.subject(paper.subject);
    PaperHandOver handOver;
    handOver.subject = paper.subject;
    handOver.courseCode = course.code;
    const int topic = TopicOfPaperIndex(PaperIndex(paper.paperNumber));
    handOver.topicFirstIndex = FirstPaperIndexOfTopic(topic);
    handOver.paperCount = info.paperCount;
    handOver.paperNumber = paper.paperNumber;
    handOver.topicName = info.topicNames.value(topic - 1);
    return handOver;
}

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The bare engine: a view of the question browser's size showing a page
// file on a profile with the question browser's settings, and nothing else.
class BareView {
public:
    BareView(QWebEngineProfile* profile, QSize size, QPoint position)
        : page_(std::make_unique<QWebEnginePage>(profile))
        , view_(std::make_unique<QWebEngineView>()) {
        view_->setPage(page_.get());
        view_->resize(size);
        view_->move(position);
        view_->show();
    }
    ~BareView() {
        view_->setPage(nullptr);
        page_.reset();
    }
    QWebEngineView* view() const { return view_.get(); }
    void load(const QString& path) { page_->load(QUrl::fromLocalFile(path)); }

private:
    std::unique_ptr<QWebEnginePage> page_;
    std::unique_ptr<QWebEngineView> view_;
};

// The pages of the bare engine: the program's page files, written the same
// way into a folder of their own.
class PageFiles {
public:
    explicit PageFiles(const ResourceLibrary& library)
        : library_(library) {}
    std::optional<QString> pathOf(const QString& question) {
        const QString path = dir_.filePath(QStringLiteral("temppaper%1.mht").arg(question));
        if (!QFile::exists(path) &&
            InstallResource(library_, question.toInt(), QStringLiteral("CUSTOM"), path,
                            InstallKind::Scratch) != kInstallOk)
            return std::nullopt;
        return path;
    }

private:
    const ResourceLibrary& library_;
    QTemporaryDir dir_;
};

struct Program {
    ResourceLibrary library;
    QTemporaryDir home;
    AppFolder folder;
    CourseDescription course;
};

std::unique_ptr<Program> startProgram(QTextStream& err) {
    if (!RegisterResourceBundle(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/orvanta.rcc"))) {
        err << "build/bin/orvanta.rcc is missing\n";
        return nullptr;
    }
    auto program = std::unique_ptr<Program>(
        new Program{ResourceLibrary(ResourceLibrary::bundledRoot()), {}, AppFolder(QString()), {}});
    program->folder = AppFolder(program->home.path());
    const StartUpReport startUp = RunDataStartUp(program->library, program->folder);
    if (!startUp.problems.isEmpty()) {
        err << "start-up problems: " << startUp.problems.join(QStringLiteral("; ")) << '\n';
        return nullptr;
    }
    program->course = startUp.course;
    return program;
}

void warmUp(PracticeWindows& launcher) {
    QEventLoop loop;
    QObject::connect(&launcher, &PracticeWindows::warmedUp, &loop, &QEventLoop::quit);
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    launcher.warmUp();
    loop.exec();
}

// A child process's whole work: shows the first page of the largest paper of
// `subject`, either in the practice window ("program") or in a bare view of
// `size` ("engine"), lets it settle and prints the memory of its processes in kB.
int measureMemory(const QString& what, int subject, QSize size) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    auto program = startProgram(err);
    if (!program)
        return 1;
    const LargestPaper paper =
        largestPaper(program->library, program->folder, subject, program->course.subject(subject));
    SkinContext skin;
    skin.pictures =
        std::make_shared<const PictureSource>(PictureSource::forAppFolder(program->folder));
    BenchHost host(skin);
    QWidget mainWindow;
    mainWindow.resize(700, 500);
    mainWindow.show();
    double shown = -1;
    if (what == QLatin1String("program")) {
        PracticeWindows launcher(PracticeEnvironment{program->library, program->folder, skin},
                                 host);
        warmUp(launcher);
        shown = timeToPaintedPage(
            [&] {
                launcher.OpenPaper(handOverOf(program->course, paper));
                return launcher.practiceWindow() != nullptr;
            },
            [&] { return launcher.practiceWindow()->brwWebBrowser(); });
        wait(kSettleMs);
        out << residentKb() << '\n';
        launcher.UnloadPracticeWindow();
    } else {
        QWebEngineProfile* profile = CreateQuestionProfile(&mainWindow);
        PageFiles files(program->library);
        const auto path = files.pathOf(paper.questions.value(0));
        if (!path)
            return 1;
        BareView bare(profile, size, QPoint(0, 0));
        shown = timeToPaintedPage(
            [&] {
                bare.load(*path);
                return true;
            },
            [&] { return bare.view(); });
        wait(kSettleMs);
        out << residentKb() << '\n';
    }
    return shown < 0 ? 1 : 0;
}

// Runs this program again as a memory child; the kB it prints, or -1.
qint64 childMemoryKb(const QString& what, int subject, QSize size) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memory"), what, QString::number(subject),
                 QString::number(size.width()), QString::number(size.height())});
    if (!child.waitForFinished(kTimeoutMs) || child.exitCode() != 0)
        return -1;
    bool ok = false;
    const qint64 kb = child.readAllStandardOutput().trimmed().toLongLong(&ok);
    return ok ? kb : -1;
}

void printFigure(QTextStream& out, const char* name, double value, const char* unit) {
    out << name << ' ' << QString::number(value, 'f', 0) << ' ' << unit << '\n';
}

void printRatio(QTextStream& out, const char* name, double value) {
    out << name << ' ' << QString::number(value, 'f', 2) << " x\n";
}

} // namespace

int main(int argc, char** argv) {
    // The program's own choice, for the program and the bare view alike.
    PrepareWebRendering();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 6 && args.at(1) == QLatin1String("--memory"))
        return measureMemory(args.at(2), args.at(3).toInt(),
                             QSize(args.at(4).toInt(), args.at(5).toInt()));

    QTextStream out(stdout);
    QTextStream err(stderr);
    auto program = startProgram(err);
    if (!program)
        return 1;

    SkinContext skin;
    skin.pictures =
        std::make_shared<const PictureSource>(PictureSource::forAppFolder(program->folder));
    BenchHost host(skin);

    // The main window stands on the screen, and the engine is warmed up, as
    // in the program once the main window is shown.
    QWidget mainWindow;
    mainWindow.resize(700, 500);
    mainWindow.show();
    auto launcher = std::make_unique<PracticeWindows>(
        PracticeEnvironment{program->library, program->folder, skin}, host);
    warmUp(*launcher);
    QWebEngineProfile* bareProfile = CreateQuestionProfile(&mainWindow);
    PageFiles pageFiles(program->library);
    wait(300);

    QList<double> opens, bareOpens, nexts, bareNexts;
    QList<LargestPaper> papers;
    QSize browserSize;
    for (int s = 1; s <= kSubjectCount; ++s) {
        const SubjectInfo& info = program->course.subject(s);
        if (!info.present())
            continue;
        const LargestPaper paper = largestPaper(program->library, program->folder, s, info);
        papers << paper;
        err << info.name << ": paper " << paper.paperNumber << ", " << paper.questions.size()
            << " questions, " << paper.parts << " parts\n";
        const PaperHandOver handOver = handOverOf(program->course, paper);

        for (int run = 0; run < kOpensPerSubject; ++run) {
            PracticeWindow* window = nullptr;
            const double open = timeToPaintedPage(
                [&] {
                    launcher->OpenPaper(handOver);
                    window = launcher->practiceWindow();
                    return window != nullptr;
                },
                [&] { return window->brwWebBrowser(); });
            if (open < 0) {
                err << "the first page of paper " << paper.paperNumber << " never showed\n";
                return 1;
            }
            opens << open;
            browserSize = window->brwWebBrowser()->size();
            const QPoint beside(window->frameGeometry().right() + 10, 0);

            const auto firstPage = pageFiles.pathOf(paper.questions.value(0));
            if (!firstPage) {
                err << "the page files cannot be written\n";
                return 1;
            }
            std::unique_ptr<BareView> bare;
            const double bareOpen = timeToPaintedPage(
                [&] {
                    bare = std::make_unique<BareView>(bareProfile, browserSize, beside);
                    bare->load(*firstPage);
                    return true;
                },
                [&] { return bare->view(); });
            if (bareOpen < 0) {
                err << "the bare view never showed a page\n";
                return 1;
            }
            bareOpens << bareOpen;

            for (int k = 0; k < kNextsPerOpen && window->currentQuestion() < paper.questions.size();
                 ++k) {
                wait(kReadingMs);
                window->Frame(1)->FA()->setText(QStringLiteral("answer %1").arg(k));
                const double next = timeToPaintedPage(
                    [&] {
                        window->GoToQuestion(window->currentQuestion() + 1, true);
                        return true;
                    },
                    [&] { return window->brwWebBrowser(); });
                const auto page =
                    pageFiles.pathOf(paper.questions.value(window->currentQuestion() - 1));
                wait(kReadingMs);
                const double bareNext = page ? timeToPaintedPage(
                                                   [&] {
                                                       bare->load(*page);
                                                       return true;
                                                   },
                                                   [&] { return bare->view(); })
                                             : -1;
                if (next < 0 || bareNext < 0) {
                    err << "a page of paper " << paper.paperNumber << " never showed\n";
                    return 1;
                }
                nexts << next;
                bareNexts << bareNext;
            }
            bare.reset();
            wait(50);
        }
    }
    launcher->UnloadPracticeWindow();
    wait(50);
    launcher.reset();

    // Memory: each subject's largest paper in a program of its own, and the
    // same first page in a bare view, alternating; the highest of the
    // subjects' medians.
    double programKb = 0, engineKb = 0;
    for (const LargestPaper& paper : papers) {
        QList<double> programRuns, engineRuns;
        for (int run = 0; run < kMemoryRuns; ++run) {
            const qint64 a = childMemoryKb(QStringLiteral("program"), paper.subject, browserSize);
            const qint64 b = childMemoryKb(QStringLiteral("engine"), paper.subject, browserSize);
            if (a < 0 || b < 0) {
                err << "a memory child failed\n";
                return 1;
            }
            programRuns << double(a);
            engineRuns << double(b);
        }
        programKb = std::max(programKb, median(programRuns));
        engineKb = std::max(engineKb, median(engineRuns));
    }

    printFigure(out, "open_paper_first_page", median(opens), "ms");
    printFigure(out, "engine_first_load", median(bareOpens), "ms");
    printRatio(out, "open_vs_engine", median(opens) / median(bareOpens));
    printFigure(out, "next_question", median(nexts), "ms");
    printFigure(out, "engine_page_load", median(bareNexts), "ms");
    printRatio(out, "next_vs_engine", median(nexts) / median(bareNexts));
    printFigure(out, "memory_paper_open", programKb / 1024.0, "MB");
    printFigure(out, "memory_engine_page", engineKb / 1024.0, "MB");
    printRatio(out, "memory_vs_engine", programKb / engineKb);
    return 0;
}
