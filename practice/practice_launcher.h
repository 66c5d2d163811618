#pragma once

#include "practice/paper_hand_over.h"
#include "practice/practice_services.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class QWebEngineProfile;
class QWebEnginePage;

namespace orvanta {

class PracticeWindow;

// The main window's way to the practice windows: owns at most one practice
// window, and the browser profile its question pages run in.
//
// The profile is made by warmUp() (or by the first OpenPaper), together with
// a hidden page that starts the web engine's processes, so that the first
// question appears quickly. Everything made here is deleted before the
// profile, when the launcher goes: delete the launcher before the
// QApplication.
class PracticeWindows final : public QObject, public PracticeLauncher {
    Q_OBJECT
public:
    // `host` must outlive the launcher.
    PracticeWindows(PracticeEnvironment environment, PracticeHost& host,
                    PracticeServices services = {}, QObject* parent = nullptr);
    // Deletes the open window without calling the host: a main window that
    // goes away calls UnloadPracticeWindow() first.
    ~PracticeWindows() override;

    bool OpenPaper(const PaperHandOver& paper) override;
    bool UnloadPracticeWindow() override;
    bool hasOpenPracticeWindow() const override;
    void warmUp() override;

    // The open window, or null.
    PracticeWindow* practiceWindow() const { return window_; }
    QWebEngineProfile* profile();

signals:
    // A paper was opened and its window shown.
    void practiceWindowOpened(PracticeWindow* window);
    // The warm-up page has loaded: the engine is running.
    void warmedUp();

private:
    PracticeEnvironment environment_;
    PracticeHost& host_;
    PracticeServices services_;
    QWebEngineProfile* profile_ = nullptr;
    std::unique_ptr<QWebEnginePage> warmPage_;
    PracticeWindow* window_ = nullptr;
    QList<QPointer<PracticeWindow>> retiring_;
};

} // namespace orvanta
