// orvanta-page-shot: renders question pages to PNG pictures, as the practice
// window's browser shows them, so that a course author can read a sample of
// pages without starting the program.
//
//   orvanta-page-shot OUT_DIR [--course DIR] [--width PX] NUMBER|FIRST-LAST ...
//
// Pages come from a course folder (one file per resource, as tools/course_gen
// writes it) or, without --course, from the bundle beside this program. Each
// page is written to a temporary .mht file, loaded from there (the way the
// program loads it) and grabbed at its full height as OUT_DIR/NUMBER.png.
#include "data/resource_install.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cstdio>

using namespace orvanta;

namespace {

constexpr int kLoadTimeoutMs = 60000;

QList<int> parseNumbers(const QStringList& words, bool* ok) {
    QList<int> numbers;
    *ok = true;
    for (const QString& word : words) {
        const QStringList ends = word.split(QLatin1Char('-'));
        bool first = false, last = false;
        const int from = ends.value(0).toInt(&first);
        const int to = ends.size() == 2 ? ends.value(1).toInt(&last) : from;
        if (!first || (ends.size() == 2 && !last) || ends.size() > 2 || to < from) {
            *ok = false;
            return {};
        }
        for (int n = from; n <= to; ++n)
            numbers << n;
    }
    return numbers;
}

// Loads `url` and waits for the load to finish; false on a failed load or timeout.
bool loadAndWait(QWebEngineView& view, const QUrl& url) {
    QEventLoop loop;
    bool finished = false, loaded = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
        finished = true;
        loaded = ok;
        loop.quit();
    });
    QTimer::singleShot(kLoadTimeoutMs, &loop, &QEventLoop::quit);
    view.load(url);
    if (!finished)
        loop.exec();
    QObject::disconnect(&view, &QWebEngineView::loadFinished, nullptr, nullptr);
    return loaded;
}

void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    QString courseDir;
    int width = 560;
    for (int i = 0; i < args.size();) {
        if (args[i] == QLatin1String("--course") && i + 1 < args.size()) {
            courseDir = args[i + 1];
            args.remove(i, 2);
        } else if (args[i] == QLatin1String("--width") && i + 1 < args.size()) {
            width = args[i + 1].toInt();
            args.remove(i, 2);
        } else {
            ++i;
        }
    }
    bool ok = false;
    const QList<int> numbers = args.size() >= 2 ? parseNumbers(args.mid(1), &ok) : QList<int>{};
    if (!ok || numbers.isEmpty() || width < 200) {
        err << "usage: orvanta-page-shot OUT_DIR [--course DIR] [--width PX] NUMBER|FIRST-LAST "
               "...\n";
        return 2;
    }
    const QString outDir = args[0];
    QDir().mkpath(outDir);
    if (courseDir.isEmpty() && !RegisterResourceBundle(QCoreApplication::applicationDirPath() +
                                                       QStringLiteral("/orvanta.rcc"))) {
        err << "the bundle orvanta.rcc is not beside this program\n";
        return 1;
    }
    const ResourceLibrary library(courseDir.isEmpty() ? ResourceLibrary::bundledRoot() : courseDir);

    QTemporaryDir scratch;
    QWebEngineProfile profile;
    profile.settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    QWebEnginePage page(&profile);
    QWebEngineView view;
    view.setPage(&page);
    view.resize(width, 600);
    view.show();

    int failures = 0;
    for (int number : numbers) {
        const QString file = scratch.filePath(QStringLiteral("temppaper%1.mht").arg(number));
        if (InstallResource(library, number, QStringLiteral("CUSTOM"), file) != kInstallOk ||
            !loadAndWait(view, QUrl::fromLocalFile(file))) {
            err << number << ": could not be loaded\n";
            ++failures;
            continue;
        }
        // Let the pictures decode and the layout settle, then grow the view
        // to the page's height until the height holds; a busy machine needs
        // a while before a tall page has painted below its first screen.
        pause(300);
        int height = 0;
        for (int round = 0; round < 5; ++round) {
            const int wanted = qBound(200, qCeil(page.contentsSize().height()), 4000);
            if (wanted == height)
                break;
            height = wanted;
            view.resize(width, height);
            pause(500);
        }
        const QString png = QDir(outDir).filePath(QStringLiteral("%1.png").arg(number));
        if (!view.grab().save(png)) {
            err << number << ": could not write " << png << "\n";
            ++failures;
        }
        view.resize(width, 600);
        QFile::remove(file);
    }
    return failures == 0 ? 0 : 1;
}
