// Orvanta Practice: shows the main window, whose loading is the start-up.
#include "data/app_folder.h"
#include "data/resource_install.h"
#include "main_window/contents.h"
#include "practice/practice_launcher.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTimer>

using namespace orvanta;

namespace {

// The web engine prints its whole start-up configuration on every start; a
// desktop program starts quietly. QT_LOGGING_RULES is read after these
// rules, so it can still turn the category back on.
void QuietWebEngineStartUp() {
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext=false"));
}

// ORVANTA_START_CHECK=1 starts the program, lets the start-up finish and
// quits: exit status 0 when the main window came up, 1 otherwise. The tests
// and packagers use it to see that the program starts on a machine.
bool StartCheckRequested() {
    return qEnvironmentVariable("ORVANTA_START_CHECK") == QStringLiteral("1");
}

void QuitAfterStartUp(const QWidget& mainWindow) {
    QTimer::singleShot(0, &mainWindow,
                       [&mainWindow] { QCoreApplication::exit(mainWindow.isVisible() ? 0 : 1); });
}

} // namespace

int main(int argc, char* argv[]) {
    QuietWebEngineStartUp();
    // The practice window's web engine needs contexts shared before the
    // application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Practice"));

    const QString bundle = QCoreApplication::applicationDirPath() + QStringLiteral("/orvanta.rcc");
    if (!RegisterResourceBundle(bundle)) {
        // Without the bundle there are no pictures for the program's own pop-up.
        QMessageBox::critical(nullptr, QStringLiteral("Orvanta Practice"),
                              QStringLiteral("The course file \"%1\" is missing or damaged. "
                                             "Please install the program again.")
                                  .arg(bundle));
        return 1;
    }

    Contents contents(ResourceLibrary(ResourceLibrary::bundledRoot()), AppFolder::fromEnvironment(),
                      nullptr);
    // Declared after the main window so that it goes first, taking its
    // practice window and browser profile with it.
    PracticeWindows practiceWindows(contents.practiceEnvironment(), contents);
    contents.setPracticeLauncher(&practiceWindows);
    contents.show();
    if (StartCheckRequested())
        QuitAfterStartUp(contents);
    return app.exec();
}
