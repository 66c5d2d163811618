#include "web_link.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace orvanta {

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Asks xdg-mime which desktop file opens `scheme` links; empty when none does
// or the question could not be asked in time.
QString defaultHandler(const QString& scheme) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForFinished(2000)) {
        query.kill();
        query.waitForFinished(500);
        return {};
    }
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

// Where the desktop keeps no association, xdg-open still tries $BROWSER and
// the usual browser commands; a browser counts as found when it would find one.
bool xdgBrowserFound() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return false;
    if (!qEnvironmentVariableIsEmpty("BROWSER"))
        return true;
    if (!defaultHandler(QStringLiteral("https")).isEmpty() ||
        !defaultHandler(QStringLiteral("http")).isEmpty())
        return true;
    // The graphical browsers xdg-open falls back on. Not sensible-browser:
    // Debian installs it everywhere, with or without a browser behind it.
    for (const char* command :
         {"x-www-browser", "firefox", "iceweasel", "seamonkey", "mozilla", "epiphany", "konqueror",
          "chromium", "chromium-browser", "google-chrome"}) {
        if (!QStandardPaths::findExecutable(QString::fromLatin1(command)).isEmpty())
            return true;
    }
    return false;
}

// xdg-open returns as soon as it has handed the page to a browser (a few
// seconds cover a cold start); where it runs the browser itself in the
// foreground it is still running when the wait ends.
constexpr std::chrono::milliseconds kXdgOpenWait{3000};

bool xdgOpen(const QUrl& url, const std::function<void()>& failedLater) {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return !xdgOpen.isEmpty() && RunUrlOpener(xdgOpen, url, kXdgOpenWait, failedLater);
}

bool succeeded(int exitCode, QProcess::ExitStatus status) {
    return status == QProcess::NormalExit && exitCode == 0;
}
#endif

} // namespace

bool RunUrlOpener(const QString& opener, const QUrl& url, std::chrono::milliseconds wait,
                  const std::function<void()>& failedLater) {
    // Not owned by anyone: an opener still running when the wait ends keeps
    // the browser it started, which must outlive this call and the program.
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());

    enum class Outcome { Running, Opened, Failed } outcome = Outcome::Running;
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop,
                     [&](int exitCode, QProcess::ExitStatus status) {
                         outcome = succeeded(exitCode, status) ? Outcome::Opened : Outcome::Failed;
                         loop.quit();
                     });
    QObject::connect(process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash is reported by finished() as well
        outcome = Outcome::Failed;
        loop.quit();
    });
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);

    process->start(opener, {url.toString(QUrl::FullyEncoded)});
    if (outcome == Outcome::Running) {
        // Clicks are not taken meanwhile; the cursor says so.
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        QGuiApplication::restoreOverrideCursor();
    }
    process->disconnect(&loop);

    if (process->state() == QProcess::NotRunning) {
        delete process;
    } else {
        QObject::connect(process, &QProcess::finished, process,
                         [process, failedLater](int exitCode, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if (!succeeded(exitCode, status) && failedLater)
                                 failedLater();
                         });
    }
    return outcome != Outcome::Failed;
}

QUrl MakerHomePageUrl() {
    return QUrl(QStringLiteral("https://") + QLatin1String(kMakerSiteText) +
                QStringLiteral("/eduprog.html"));
}

WebLinkShell WebLinkShell::system() {
    WebLinkShell shell;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    shell.browserFound = xdgBrowserFound;
#else
    // Windows and macOS always have a handler for web links.
    shell.browserFound = [] { return true; };
#endif
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    shell.openUrl = xdgOpen;
#else
    shell.openUrl = [](const QUrl& url, const std::function<void()>&) {
        return QDesktopServices::openUrl(url);
    };
#endif
    shell.warn = [](QWidget* owner, const QString& text, const QString& title) {
        QMessageBox::warning(owner, title, text);
    };
    return shell;
}

void OpenHomePage(const WebLinkShell& shell, QWidget* owner) {
    if (!shell.browserFound()) {
        shell.warn(owner, QStringLiteral("Could not find associated Browser"),
                   QStringLiteral("Browser Not Found"));
        return;
    }
    // A late failure may come after the page that asked has gone.
    const auto notOpened = [warn = shell.warn, guard = QPointer<QWidget>(owner)] {
        warn(guard.data(), QStringLiteral("Web Page not Opened"), QStringLiteral("URL Failed"));
    };
    if (!shell.openUrl(MakerHomePageUrl(), notOpened))
        notOpened();
}

} // namespace orvanta
