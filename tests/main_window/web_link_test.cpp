// The About page's link on the desktop's own opener: fake xdg-open scripts
// in a temporary folder on PATH stand for a desktop whose opener works,
// fails, crashes or keeps running with the browser it started.
#include "main_window/web_link.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace std::chrono_literals;

namespace {

// A folder of fake commands that stands in for PATH while the test runs.
class FakeDesktop {
public:
    FakeDesktop()
        : savedPath_(qgetenv("PATH"))
        , savedBrowser_(qgetenv("BROWSER"))
        , hadBrowser_(qEnvironmentVariableIsSet("BROWSER")) {
        qputenv("PATH", folder_.path().toLocal8Bit());
        qunsetenv("BROWSER");
    }
    ~FakeDesktop() {
        qputenv("PATH", savedPath_);
        if (hadBrowser_)
            qputenv("BROWSER", savedBrowser_);
        else
            qunsetenv("BROWSER");
    }

    // Writes an executable shell script `name` with `body`; "$LOG" in the
    // body names a file the script may write its arguments to.
    QString addCommand(const QString& name, QString body) {
        body.replace(QStringLiteral("$LOG"), logPath());
        const QString path = folder_.filePath(name);
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + body.toLocal8Bit() + "\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ExeOwner);
        return path;
    }

    QString logPath() const { return folder_.filePath(QStringLiteral("log")); }
    QString log() const {
        QFile file(logPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

private:
    QTemporaryDir folder_;
    QByteArray savedPath_;
    QByteArray savedBrowser_;
    bool hadBrowser_;
};

struct OpenerRow {
    const char* name;
    const char* script; // null: no such program
    bool opened;
    bool failsLater;
};

// The slow rows outlast the 200 ms wait below: they report when they end.
const OpenerRow kOpenerRows[] = {
    {"exits_with_status_0", "printf '%s' \"$1\" > '$LOG'; exit 0", true, false},
    {"exits_with_status_4", "printf '%s' \"$1\" > '$LOG'; exit 4", false, false},
    {"exits_with_status_1", "exit 1", false, false},
    {"is_killed", "kill -KILL $$", false, false},
    {"runs_the_browser_in_the_foreground",
     "printf '%s' \"$1\" > '$LOG'; /bin/sleep 1; : > '$LOG.end'; exit 0", true, false},
    {"is_slow_to_fail", "printf '%s' \"$1\" > '$LOG'; /bin/sleep 1; : > '$LOG.end'; exit 4", true,
     true},
    {"is_missing", nullptr, false, false},
};

// Runs the event loop until a slow opener has ended (it touches "$LOG.end"
// last) and its late report, if any, has come.
void waitForTheEnd(const FakeDesktop& desktop, const int& lateFailures, bool failsLater) {
    const QString end = desktop.logPath() + QStringLiteral(".end");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(end); }, 20000));
    if (failsLater) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return lateFailures > 0; }, 20000));
    } else {
        QTest::qWait(300);
    }
}

TEST(WebLinkTest, theOpenersExitStatusSaysWhetherThePageWasOpened) {
    const QUrl url = MakerHomePageUrl();
    for (const OpenerRow& row : kOpenerRows) {
        SCOPED_TRACE(row.name);
        FakeDesktop desktop;
        const QString opener = row.script ? desktop.addCommand(QStringLiteral("opener"),
                                                               QString::fromLatin1(row.script))
                                          : desktop.logPath() + QStringLiteral(".missing");

        int lateFailures = 0;
        EXPECT_EQ(RunUrlOpener(opener, url, 200ms, [&] { ++lateFailures; }), row.opened);
        if (row.opened) {
            EXPECT_EQ(desktop.log(), "https://www.orvanta.example/eduprog.html");
        }
        if (row.opened && QString::fromLatin1(row.script).contains(QStringLiteral(".end")))
            waitForTheEnd(desktop, lateFailures, row.failsLater);
        EXPECT_EQ(lateFailures, row.failsLater ? 1 : 0);
    }
}

TEST(WebLinkTest, theDesktopsLinkWarnsWhenXdgOpenFails) {
    struct Row {
        const char* name;
        const char* xdgOpen; // null: not installed
        bool browserSet;
        const char* warning;
    };
    const Row rows[] = {
        {"opener_hands_the_page_over", "exit 0", true, nullptr},
        {"opener_fails", "exit 4", true, "URL Failed: Web Page not Opened"},
        {"no_browser", "exit 0", false, "Browser Not Found: Could not find associated Browser"},
        {"no_opener", nullptr, true, "Browser Not Found: Could not find associated Browser"},
        {"only_sensible_browser", "exit 3", false,
         "Browser Not Found: Could not find associated Browser"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeDesktop desktop;
        if (row.xdgOpen)
            desktop.addCommand(QStringLiteral("xdg-open"), QString::fromLatin1(row.xdgOpen));
        // Debian's dispatcher, present with or without a browser behind it.
        desktop.addCommand(QStringLiteral("sensible-browser"), QStringLiteral("exit 1"));
        if (row.browserSet)
            qputenv("BROWSER", "fake-browser");

        WebLinkShell shell = WebLinkShell::system();
        QStringList warnings;
        shell.warn = [&](QWidget*, const QString& text, const QString& title) {
            warnings << title + QStringLiteral(": ") + text;
        };
        OpenHomePage(shell, nullptr);

        EXPECT_EQ(warnings,
                  row.warning ? QStringList{QString::fromLatin1(row.warning)} : QStringList{});
    }
}

} // namespace
