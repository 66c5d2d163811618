#include "web_link.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

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
    for (const char* command : {"x-www-browser", "sensible-browser", "firefox", "firefox-esr",
                                "chromium", "chromium-browser", "google-chrome", "epiphany"}) {
        if (!QStandardPaths::findExecutable(QString::fromLatin1(command)).isEmpty())
            return true;
    }
    return false;
}
#endif

} // namespace

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
    shell.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
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
    if (!shell.openUrl(MakerHomePageUrl()))
        shell.warn(owner, QStringLiteral("Web Page not Opened"), QStringLiteral("URL Failed"));
}

} // namespace orvanta
