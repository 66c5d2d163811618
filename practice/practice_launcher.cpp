#include "practice_launcher.h"

#include "practice/paper_session.h"
#include "practice/practice_window.h"
#include "practice/question_browser.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace orvanta {

PracticeWindows::PracticeWindows(PracticeEnvironment environment, PracticeHost& host,
                                 PracticeServices services, QObject* parent)
    : QObject(parent)
    , environment_(std::move(environment))
    , host_(host)
    , services_(std::move(services)) {}

PracticeWindows::~PracticeWindows() {
    // Every page goes before the profile it runs in.
    delete window_;
    for (const QPointer<PracticeWindow>& window : retiring_)
        delete window.data();
    warmPage_.reset();
    delete profile_;
}

QWebEngineProfile* PracticeWindows::profile() {
    if (!profile_)
        profile_ = CreateQuestionProfile(this);
    return profile_;
}

void PracticeWindows::warmUp() {
    if (warmPage_)
        return;
    // A page of the locked-down profile, loaded once without a view: the
    // engine's processes start now instead of when the pupil opens the first
    // paper. A view, even one not meant for the screen, would put a native
    // window of its own on the desktop.
    warmPage_ = std::make_unique<QWebEnginePage>(profile());
    QWebEnginePage* page = warmPage_.get();
    connect(page, &QWebEnginePage::loadFinished, this, &PracticeWindows::warmedUp,
            Qt::SingleShotConnection);
    page->setHtml(QStringLiteral("<html><body></body></html>"));
}

bool PracticeWindows::OpenPaper(const PaperHandOver& paper) {
    if (!UnloadPracticeWindow())
        return false;
    PaperSession session(paper, environment_.library, environment_.folder);
    try {
        session.checkHandOver();
        auto window = std::make_unique<PracticeWindow>(std::move(session), host_, profile(),
                                                       environment_.skin, services_);
        window->Load();
        window_ = window.release();
    } catch (const PaperOpenError& e) {
        const QString paperName = paper.topicName.isEmpty()
                                      ? QStringLiteral("Paper %1").arg(paper.paperNumber)
                                      : PracticeCaption(paper.topicName, paper.positionInTopic());
        host_.popUps().ask(QStringLiteral("Orvanta"),
                           QStringLiteral("%1 could not be opened. %2").arg(paperName, e.reason()),
                           1, QApplication::activeWindow());
        return false;
    }
    PracticeWindow* window = window_;
    connect(window, &PracticeWindow::closeConfirmed, this, [this, window] {
        if (window_ == window)
            UnloadPracticeWindow();
    });
    window->show();
    window->raise();
    window->activateWindow();
    // What the check of the pupil's files mended on the way in.
    for (const ProgressNotice& notice : window->session().repairNotices())
        host_.popUps().ask(QStringLiteral("Orvanta"), notice.text, 1, window);
    emit practiceWindowOpened(window);
    return true;
}

bool PracticeWindows::UnloadPracticeWindow() {
    if (!window_)
        return true;
    if (!window_->SaveBeforeUnload())
        return false;
    PracticeWindow* window = std::exchange(window_, nullptr);
    window->Unload();
    // Deleted once control is back in the event loop: the window may be in
    // one of its own commands right now.
    retiring_.removeIf([](const QPointer<PracticeWindow>& w) { return w.isNull(); });
    retiring_.append(window);
    window->deleteLater();
    return true;
}

bool PracticeWindows::hasOpenPracticeWindow() const {
    return window_ != nullptr;
}

} // namespace orvanta
