#pragma once

#include "data/course_content.h"
#include "data/progress_store.h"
#include "practice/practice_host.h"
#include "practice/practice_launcher.h"
#include "practice/practice_services.h"
#include "practice/practice_window.h"
#include "tests/support/manual_clock.h"
#include "tests/support/manual_monotonic_clock.h"
#include "tests/support/test_support.h"

#include <QByteArray>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

// A practice window on real files: a temporary application folder holding a
// copy of the fixture course (in its "course" sub-folder), the interface
// pictures of the program's bundle, and fresh progress files; a main window
// stand-in that counts RefreshContents and answers pop-ups; clocks, pointer
// and message box under the test's control.
namespace orvanta::test {

// A generous limit for the browser: a safety net, never a measure of speed.
inline constexpr int kPageTimeoutMs = 120000;

class FakeHost : public PracticeHost {
public:
    explicit FakeHost(SkinContext skin)
        : channel_(std::move(skin), response_) {}
    PopUpChannel& popUps() override { return channel_; }
    void RefreshContents() override { ++refreshCount; }

    int refreshCount = 0;

private:
    PopUpAnswer response_;
    PopUpChannel channel_;
};

// Closes every modal dialog that shows up (a pop-up the test did not answer
// in advance, a print dialog), so that an unexpected question fails the test
// instead of hanging it. Counts what it closed.
class ModalGuard {
public:
    ModalGuard();
    int closed() const { return closed_; }
    // Lets dialogs stay (a harness that shows them on purpose).
    void stop() { timer_.stop(); }
    QStringList titles() const { return titles_; }

private:
    QTimer timer_;
    int closed_ = 0;
    QStringList titles_;
};

// Edits one record of a copied course resource (or any record file):
// replaces the line of `key` by "#key#>" + fields, or appends it.
void setRecord(const QString& path, const QString& key, const QStringList& fields);

// A course change for PracticeFixture: question 10005 (the second question
// of English paper 102, between parts 1..5 and one last part) gets `parts`
// one-mark T parts keyed "w1".."wN", and the progress templates of paper
// 102 get room for them.
std::function<void(const QString&)> withQuestion10005Parts(int parts);

// The files of a folder (not its sub-folders) with their bytes.
QMap<QString, QByteArray> folderSnapshot(const QString& folder);

class PracticeFixture {
public:
    // `prepareCourse` may change the course copy before the progress files
    // are made from it.
    explicit PracticeFixture(
        const std::function<void(const QString& courseDir)>& prepareCourse = {});
    // Fails the test when a dialog came up that the test had not answered.
    ~PracticeFixture();

    const AppFolder& folder() const { return app_.folder(); }
    QString file(const QString& name) const { return app_.file(name); }
    QString courseDir() const { return app_.path() + QStringLiteral("/course"); }
    const ResourceLibrary& course() const { return course_; }
    const CourseDescription& description() const { return description_; }
    ProgressStore store() const;
    QString progressPath(ProgressFile file, int subject) const;

    SkinContext skin() const;
    FakeHost& host() { return host_; }
    PracticeServices services();
    PracticeWindows& launcher();
    ManualMonotonicClock& monotonic() { return *monotonic_; }
    int invalidOperations() const { return *invalidOperations_; }
    void moveCursor(QPoint global) { *cursor_ = global; }
    // Dialogs may come up and stay until answered (for a harness).
    void allowDialogs() { unexpectedDialogs_.stop(); }
    QPoint cursor() const { return *cursor_; }
    // A drag with the left button: each poll of the button moves the pointer
    // to the next position and finds the button held, until they run out.
    void scriptDrag(const QList<QPoint>& positions) { *drag_ = positions; }

    // The hand-over for paper `paperIndex` (1-based) of `subject`.
    PaperHandOver handOver(int subject, int paperIndex, int take = 1) const;

    // Opens the paper and waits for its first page; null when it did not open.
    PracticeWindow* open(const PaperHandOver& paper);
    PracticeWindow* open(int subject, int paperIndex, int take = 1) {
        return open(handOver(subject, paperIndex, take));
    }

    // Writes paper `paperNumber`'s record of a per-paper progress file.
    void storeRecord(ProgressFile file, int subject, int paperNumber, const QStringList& values);
    // Sets one value of the subject's summary file.
    void setSummary(int subject, int paperIndex, SummaryRows::Row row, const QString& value);
    SummaryRows summary(int subject) const;

    // The files of the application folder (not its sub-folders) whose names
    // start with `prefix`.
    QStringList filesStartingWith(const QString& prefix) const;

private:
    TempAppFolder app_;
    ResourceLibrary course_;
    CourseDescription description_;
    std::shared_ptr<const PictureSource> pictures_;
    std::shared_ptr<QPoint> cursor_ = std::make_shared<QPoint>(-1000, -1000);
    std::shared_ptr<ManualMonotonicClock> monotonic_ = std::make_shared<ManualMonotonicClock>();
    std::shared_ptr<int> invalidOperations_ = std::make_shared<int>(0);
    std::shared_ptr<QList<QPoint>> drag_ = std::make_shared<QList<QPoint>>();
    FakeHost host_;
    std::unique_ptr<PracticeWindows> launcher_;
    ModalGuard unexpectedDialogs_;
};

// Waits for the window's next page load after `trigger` ran; true when the
// page loaded.
bool pageLoadsAfter(PracticeWindow* window, const std::function<void()>& trigger);

// Types `text` into answer box `frame` of the window, key by key.
void typeAnswer(PracticeWindow* window, int frame, const QString& text);

// The paper's record line in a progress file (as bytes).
QByteArray recordLine(const QString& path, int paperNumber);
QList<QByteArray> fileLines(const QString& path);

} // namespace orvanta::test
