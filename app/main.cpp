// Orvanta Practice: shows the main window, whose loading is the start-up.
//
// With ORVANTA_START_CHECK=1 a run checks an installation instead of serving
// a pupil (the package test does this on the unpacked package): once the main
// window has been painted and the web engine has shown a page, the
// program prints what it saw on standard output and quits, with 0 only when
// the start-up had nothing to tell the pupil. With ORVANTA_START_CHECK=paint
// it quits right after the main window's first paint, without asking the web
// engine for anything: the start-up benchmark times the program that way.
#include "data/app_folder.h"
#include "data/folder_lock.h"
#include "data/resource_install.h"
#include "main_window/contents.h"
#include "main_window/second_copy.h"
#include "practice/practice_launcher.h"
#include "practice/web_rendering.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTextStream>
#include <QWebEnginePage>

#include <memory>

using namespace orvanta;

namespace {

const QString kProgramName = QStringLiteral("Orvanta Practice");
const QString kBundleName = QStringLiteral("orvanta.rcc");

// Where the course bundle may be: beside the program (the build tree), then
// where the installation puts it (ORVANTA_INSTALLED_DATA_DIR, relative to the
// program's folder). Both follow the program's own folder, never the working
// folder, so the program starts the same from a menu, a terminal or a test.
QStringList bundleCandidates() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(kBundleName),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(ORVANTA_INSTALLED_DATA_DIR) +
                                                   u'/' + kBundleName))};
}

// Registers the first bundle found; otherwise the message for the user.
QString registerBundle() {
    const QStringList candidates = bundleCandidates();
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        if (RegisterResourceBundle(path))
            return {};
        return QStringLiteral("%1 cannot start: its course file %2 is damaged. "
                              "Please install the program again.")
            .arg(kProgramName, QDir::toNativeSeparators(path));
    }
    return QStringLiteral("%1 cannot start: its course file %2 is missing. It was looked for "
                          "as %3. Please install the program again.")
        .arg(kProgramName, kBundleName,
             QDir::toNativeSeparators(candidates.join(QStringLiteral(" and "))));
}

// The web engine prints its whole start-up configuration on every start; a
// desktop program starts quietly. QT_LOGGING_RULES is read after these
// rules, so it can still turn the category back on.
void quietWebEngineStartUp() {
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext=false"));
}

enum class StartCheckKind { None, Full, FirstPaint };

StartCheckKind startCheckRequested() {
    const QString value = qEnvironmentVariable("ORVANTA_START_CHECK");
    if (value == u"1")
        return StartCheckKind::Full;
    if (value == u"paint")
        return StartCheckKind::FirstPaint;
    return StartCheckKind::None;
}

// ORVANTA_START_CHECK=paint: says when the main window has first been painted
// and quits.
class FirstPaintCheck final : public QObject {
public:
    explicit FirstPaintCheck(QWidget& window)
        : window_(window) {
        window_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QTextStream(stdout) << "orvanta-practice: main window painted, "
                                        << window_.width() << " x " << window_.height() << Qt::endl;
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
    bool painted_ = false;
};

// The check of ORVANTA_START_CHECK: waits for the main window's first paint
// and for the text of a page shown in the practice windows' browser profile,
// then ends the event loop.
class StartCheck final : public QObject {
public:
    StartCheck(Contents& contents, QWebEngineProfile* profile)
        : contents_(contents)
        , notices_(contents.pendingNotices())
        , page_(std::make_unique<QWebEnginePage>(profile)) {
        contents_.installEventFilter(this);
        connect(page_.get(), &QWebEnginePage::loadFinished, this, [this](bool ok) {
            if (!ok)
                return fail(QStringLiteral("the web engine could not show a page"));
            // The page's text comes back from the page process: it ran.
            page_->toPlainText([this](const QString& text) {
                say(QStringLiteral("web engine: a page answered \"%1\"").arg(text.trimmed()));
                engineAnswered_ = true;
                finishWhenDone();
            });
        });
        connect(page_.get(), &QWebEnginePage::renderProcessTerminated, this,
                [this] { fail(QStringLiteral("the web engine's page process ended")); });
        page_->setHtml(QStringLiteral("<html><body>ready</body></html>"));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &contents_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Reported once the paint is over, so a crash while painting
            // shows as a missing line.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const StartUpReport& report = contents_.startUpReport();
                    int created = 0;
                    for (const auto& files : report.createdFiles)
                        created += int(files.size());
                    say(QStringLiteral("main window shown: \"%1\", %2 x %3")
                            .arg(contents_.windowTitle())
                            .arg(contents_.width())
                            .arg(contents_.height()));
                    say(QStringLiteral("start-up: %1 pictures installed, %2 progress files "
                                       "created")
                            .arg(report.picturesInstalled)
                            .arg(created));
                    for (const QString& notice : notices_)
                        say(QStringLiteral("start-up problem: ") + notice);
                    finishWhenDone();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void say(const QString& line) {
        QTextStream(stdout) << "orvanta-practice: " << line << Qt::endl;
    }
    void fail(const QString& reason) {
        say(QStringLiteral("check failed: ") + reason);
        QCoreApplication::exit(1);
    }
    void finishWhenDone() {
        if (painted_ && engineAnswered_)
            QCoreApplication::exit(notices_.isEmpty() ? 0 : 1);
    }

    Contents& contents_;
    const QStringList notices_;
    std::unique_ptr<QWebEnginePage> page_;
    bool painted_ = false;
    bool engineAnswered_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    quietWebEngineStartUp();
    // Before the application exists: how the web engine draws its pages.
    PrepareWebRendering();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Practice"));
    // Ties the windows to the menu entry, for the desktop's task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANTA_DESKTOP_ID));
    const StartCheckKind checkKind = startCheckRequested();
    const bool check = checkKind != StartCheckKind::None;

    const QString bundleProblem = registerBundle();
    if (!bundleProblem.isEmpty()) {
        QTextStream(stderr) << bundleProblem << Qt::endl;
        // Without the bundle there are no pictures for the program's own pop-up.
        if (!check)
            QMessageBox::critical(nullptr, kProgramName, bundleProblem);
        return 1;
    }

    // One copy per folder; a second one says so and writes nothing.
    const AppFolder folder = AppFolder::fromEnvironment();
    folder.ensureExists();
    FolderLock lock(folder);
    if (lock.acquire() == FolderLock::Result::HeldByAnother) {
        TellAlreadyRunning(folder);
        return 0;
    }

    Contents contents(ResourceLibrary(ResourceLibrary::bundledRoot()), folder, nullptr);
    // Declared after the main window so that it goes first, taking its
    // practice window and browser profile with it.
    PracticeWindows practiceWindows(contents.practiceEnvironment(), contents);
    contents.setPracticeLauncher(&practiceWindows);
    // Goes before the browser profile it uses.
    std::unique_ptr<StartCheck> startCheck;
    std::unique_ptr<FirstPaintCheck> firstPaintCheck;
    if (checkKind == StartCheckKind::Full)
        startCheck = std::make_unique<StartCheck>(contents, practiceWindows.profile());
    else if (checkKind == StartCheckKind::FirstPaint)
        firstPaintCheck = std::make_unique<FirstPaintCheck>(contents);
    contents.show();
    return app.exec();
}
