// Latency of the practice window on the bundled course, under a display
// (./do bench runs it with xvfb-run): for the largest paper of each subject,
// the time from OpenPaper to the first page painted with the engine warmed
// up and a main window on screen, the time of one Next (store, save, page
// painted) after a moment on the page, as a pupil reads before moving on,
// and the highest memory of the program's processes with a paper open (the
// sum of their proportional resident sets, sampled at every page).
// Prints one line per figure: "name median unit" (memory: highest sample).
#include "data/course_content.h"
#include "data/data_startup.h"
#include "data/progress_store.h"
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"
#include "practice/practice_launcher.h"
#include "practice/practice_window.h"
#include "practice/question_browser.h"
#include "ui_frame/pop_up.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace orvanta;

namespace {

constexpr int kOpensPerSubject = 7;
constexpr int kNextsPerOpen = 4;
constexpr int kTimeoutMs = 120000;
// How long the pupil looks at a page before pressing Next.
constexpr int kReadingMs = 250;

class BenchHost : public PracticeHost {
public:
    explicit BenchHost(SkinContext skin)
        : channel_(std::move(skin), response_) {}
    PopUpChannel& popUps() override { return channel_; }
    void RefreshContents() override {}

private:
    QString response_;
    PopUpChannel channel_;
};

// Runs `trigger`, then the event loop until the window's page has finished
// loading and its page widget has painted after that. Returns the
// milliseconds from the trigger to that paint, or -1 on a timeout.
double timeToPaintedPage(const std::function<PracticeWindow*()>& trigger) {
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
    PracticeWindow* window = trigger();
    if (!window)
        return -1;
    QObject::connect(window, &PracticeWindow::pageLoaded, &watcher, [&watcher, window] {
        watcher.loaded = true;
        // The page's widget may be new; watch whichever it is now.
        QWidget* proxy = window->brwWebBrowser()->focusProxy();
        if (!proxy)
            return;
        proxy->installEventFilter(&watcher);
        // Should the engine have nothing new to draw, ask for a paint (a
        // slow figure then, rather than a hang).
        QTimer::singleShot(250, proxy, [proxy] { proxy->update(); });
    });
    if (QWidget* proxy = window->brwWebBrowser()->focusProxy())
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

// The sum over the program's processes of a "Key:   123 kB" line of one of
// their /proc files.
qint64 sumKb(const char* file, const QByteArray& key) {
    qint64 total = 0;
    for (int pid : programProcesses()) {
        QFile status(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(key))
                total += line.mid(key.size()).trimmed().split(' ').first().toLongLong();
        }
    }
    return total;
}

// Memory of the program now, kB: the proportional resident set (PSS), in
// which a page shared by several processes counts once in all.
qint64 residentKb() {
    return sumKb("smaps_rollup", "Pss:");
}

// The sum of every process's own peak resident set (VmHWM), kB: an upper
// bound, as shared pages count once per process.
qint64 peakResidentUpperBoundKb() {
    return sumKb("status", "VmHWM:");
}

struct LargestPaper {
    int subject = 0;
    int paperNumber = 0;
    int parts = 0;
    int questions = 0;
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
            best = {subject, paper.paperNumber, paper.partCount(), paper.questionCount()};
            bestBytes = bytes;
        }
    }
    return best;
}

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (!RegisterResourceBundle(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/orvanta.rcc"))) {
        err << "build/bin/orvanta.rcc is missing\n";
        return 1;
    }
    const ResourceLibrary library(ResourceLibrary::bundledRoot());
    QTemporaryDir home;
    const AppFolder folder(home.path());
    const StartUpReport startUp = RunDataStartUp(library, folder);
    if (!startUp.problems.isEmpty()) {
        err << "start-up problems: " << startUp.problems.join(QStringLiteral("; ")) << '\n';
        return 1;
    }
    const CourseDescription& course = startUp.course;

    SkinContext skin;
    skin.pictures = std::make_shared<const PictureSource>(PictureSource::forAppFolder(folder));
    BenchHost host(skin);

    // The main window stands on the screen, and the engine is warmed up, as
    // in the program once the main window is shown.
    QWidget mainWindow;
    mainWindow.resize(700, 500);
    mainWindow.show();
    auto launcher =
        std::make_unique<PracticeWindows>(PracticeEnvironment{library, folder, skin}, host);
    {
        QEventLoop loop;
        QObject::connect(launcher.get(), &PracticeWindows::warmedUp, &loop, &QEventLoop::quit);
        QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
        launcher->warmUp();
        loop.exec();
    }
    wait(300);

    QList<double> opens;
    QList<double> nexts;
    qint64 peakKb = 0;
    for (int s = 1; s <= kSubjectCount; ++s) {
        const SubjectInfo& info = course.subject(s);
        if (!info.present())
            continue;
        const LargestPaper paper = largestPaper(library, folder, s, info);
        err << info.name << ": paper " << paper.paperNumber << ", " << paper.questions
            << " questions, " << paper.parts << " parts\n";
        PaperHandOver handOver;
        handOver.subject = s;
        handOver.courseCode = course.code;
        const int index = PaperIndex(paper.paperNumber);
        const int topic = TopicOfPaperIndex(index);
        handOver.topicFirstIndex = FirstPaperIndexOfTopic(topic);
        handOver.paperCount = info.paperCount;
        handOver.paperNumber = paper.paperNumber;
        handOver.topicName = info.topicNames.value(topic - 1);

        for (int run = 0; run < kOpensPerSubject; ++run) {
            PracticeWindow* window = nullptr;
            const double open = timeToPaintedPage([&] {
                launcher->OpenPaper(handOver);
                window = launcher->practiceWindow();
                return window;
            });
            if (open < 0) {
                err << "the first page of paper " << paper.paperNumber << " never showed\n";
                return 1;
            }
            opens << open;
            for (int k = 0; k < kNextsPerOpen && window->currentQuestion() < paper.questions; ++k) {
                wait(kReadingMs);
                window->Frame(1)->FA()->setText(QStringLiteral("answer %1").arg(k));
                const double next = timeToPaintedPage([&] {
                    window->GoToQuestion(window->currentQuestion() + 1, true);
                    return window;
                });
                if (next < 0) {
                    err << "a page of paper " << paper.paperNumber << " never showed\n";
                    return 1;
                }
                nexts << next;
                peakKb = std::max(peakKb, residentKb());
            }
            peakKb = std::max(peakKb, residentKb());
            wait(50);
        }
    }
    err << "sum of the processes' own peaks (upper bound): " << peakResidentUpperBoundKb() / 1024
        << " MB\n";
    launcher->UnloadPracticeWindow();
    wait(50);
    launcher.reset();

    out << QStringLiteral("open_paper_first_page %1 ms\n").arg(median(opens), 0, 'f', 0);
    out << QStringLiteral("next_question %1 ms\n").arg(median(nexts), 0, 'f', 0);
    out << QStringLiteral("peak_rss_paper_open %1 MB\n").arg(double(peakKb) / 1024.0, 0, 'f', 0);
    return 0;
}
