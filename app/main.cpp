// Orvanta Practice: shows the main window, whose loading is the start-up.
#include "data/app_folder.h"
#include "data/resource_install.h"
#include "main_window/contents.h"
#include "practice/practice_launcher.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>

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
    return QStringLiteral("%1 cannot start: its course file %2 is missing (looked for as %3). "
                          "Please install the program again.")
        .arg(kProgramName, kBundleName,
             QDir::toNativeSeparators(candidates.join(QStringLiteral(" and "))));
}

} // namespace

int main(int argc, char* argv[]) {
    // The practice window's web engine needs contexts shared before the
    // application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Practice"));
    // Ties the windows to the menu entry, for the desktop's task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANTA_DESKTOP_ID));

    const QString bundleProblem = registerBundle();
    if (!bundleProblem.isEmpty()) {
        QTextStream(stderr) << bundleProblem << Qt::endl;
        // Without the bundle there are no pictures for the program's own pop-up.
        QMessageBox::critical(nullptr, kProgramName, bundleProblem);
        return 1;
    }

    Contents contents(ResourceLibrary(ResourceLibrary::bundledRoot()), AppFolder::fromEnvironment(),
                      nullptr);
    // Declared after the main window so that it goes first, taking its
    // practice window and browser profile with it.
    PracticeWindows practiceWindows(contents.practiceEnvironment(), contents);
    contents.setPracticeLauncher(&practiceWindows);
    contents.show();
    return app.exec();
}
