// Orvanta Practice: shows the main window, whose loading is the start-up.
#include "data/app_folder.h"
#include "data/folder_lock.h"
#include "data/resource_install.h"
#include "main_window/contents.h"
#include "main_window/second_copy.h"
#include "practice/practice_launcher.h"

#include <QApplication>
#include <QMessageBox>

using namespace orvanta;

int main(int argc, char* argv[]) {
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
    contents.show();
    return app.exec();
}
