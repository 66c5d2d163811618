// Shows the main window on the bundled course (or on a course folder of one
// file per resource) with a few scores and saves screenshots of its pages,
// for looking at them by eye. Not a test and not shipped; run it under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/contents_demo OUTPUT_FOLDER [COURSE]
#include "data/progress_store.h"
#include "main_window/contents.h"
#include "main_window/erase_page.h"
#include "main_window/home_page.h"
#include "main_window/report/report_saving.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/skinned_frame.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

using namespace orvanta;

namespace {

void settle() {
    for (int i = 0; i < 5; ++i)
        QTest::qWait(40);
}

void save(const QString& folder, const QString& name, const QRect& area) {
    QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(folder + u'/' + name);
}

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    settle();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTextStream log(stdout);
    if (!RegisterResourceBundle(QCoreApplication::applicationDirPath() + "/orvanta.rcc")) {
        log << "orvanta.rcc is missing\n";
        return 1;
    }
    QTemporaryDir home;
    const AppFolder folder(home.path());
    const ResourceLibrary library(argc > 2 ? QString::fromLocal8Bit(argv[2])
                                           : ResourceLibrary::bundledRoot());

    auto cursor = std::make_shared<QPoint>(-100, -100);
    Contents contents(library, folder, nullptr, [cursor] { return *cursor; });
    contents.setWebLinkShell(WebLinkShell{
        [] { return true; }, [](const QUrl&, const std::function<void()>&) { return true; },
        [](QWidget*, const QString&, const QString&) {}});

    // A few marked papers in the first subject's first topic.
    const ProgressStore store(library, folder, contents.lblCOD());
    const int papers = contents.course().subject(1).paperCount;
    SummaryRows summary = store.ReadSummary(1, papers);
    const char* first[] = {"66.7", "100", "85", "99.04", ""};
    const char* second[] = {"83.3", "", "", "", ""};
    for (int i = 0; i < 5; ++i) {
        summary.set(SummaryRows::FSE, i + 1, QString::fromLatin1(first[i]));
        summary.set(SummaryRows::SSE, i + 1, QString::fromLatin1(second[i]));
    }
    store.WriteSummary(1, summary);
    contents.RefreshContents();

    contents.show();
    contents.activateWindow();
    settle();
    const QRect window = contents.geometry().adjusted(-4, -4, 4, 4);
    save(out, "home.png", window);

    *cursor = contents.Body_Home->Pb[0]->screenRect().center();
    *cursor = contents.Tab[1]->screenRect().center();
    contents.frame().ticker().tickNow();
    settle();
    save(out, "home_hover_tab.png", window);

    *cursor = contents.ToolBar[1]->screenRect().center();
    contents.frame().ticker().tickNow();
    settle();
    save(out, "home_hover_report.png", window);

    // The report, with its save buttons, and the pop-up after saving it.
    *cursor = QPoint(-100, -100);
    click(contents.ToolBar[1]);
    save(out, "report.png", window);
    QTemporaryDir saved;
    contents.reportSaver().setChooseFile(
        [&saved](QWidget*, const QString&, const QString& suggested, const QString&) {
            return saved.filePath(QFileInfo(suggested).fileName());
        });
    QTimer::singleShot(400, [&] {
        save(out, "report_saved_popup.png", window);
        if (QWidget* popUp = QApplication::activeModalWidget())
            popUp->close();
    });
    click(contents.reportSaveButtons()->saveReport());
    click(contents.ToolBar[0]);

    // A paper button without a practice window: the pop-up says so.
    QTimer::singleShot(400, [&] {
        save(out, "home_paper_popup.png", window);
        if (QWidget* popUp = QApplication::activeModalWidget())
            popUp->close();
    });
    click(contents.Body_Home->Pa[0]);

    click(contents.Tab[3]);
    *cursor = QPoint(-100, -100);
    contents.frame().ticker().tickNow();
    settle();
    save(out, "about.png", window);

    click(contents.ToolBar[1]);
    *cursor = contents.Body_Trash->ButTrash->screenRect().center();
    contents.frame().ticker().tickNow();
    settle();
    save(out, "erase_offer.png", window);
    click(contents.Body_Trash->ButTrash);
    *cursor = QPoint(-100, -100);
    contents.frame().ticker().tickNow();
    settle();
    save(out, "erase_confirm.png", window);
    click(contents.Body_Trash->ButTrash_Yes);
    save(out, "erase_done.png", window);

    click(contents.Tab[0]);
    save(out, "home_after_erase.png", window);
    log << "saved in " << out << '\n';
    return 0;
}
