#pragma once

#include "data/progress_store.h"
#include "main_window/about_page.h"
#include "main_window/click_label.h"
#include "main_window/contents.h"
#include "main_window/erase_page.h"
#include "main_window/home_page.h"
#include "practice/paper_hand_over.h"
#include "tests/support/test_support.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/skinned_frame.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

// The main window on real files: a course library copied from the fixture
// course with the interface pictures drawn for the build, an empty
// application folder, a pointer under the test's control, and fakes for the
// practice window and the web browser.
namespace orvanta::test {

struct SubjectSpec {
    QString name;    // empty: the subject is absent
    int topics = 2;  // topic names "<name> topic 1", ... unless given
    int papers = 10; // also the width of the summary template written
    QStringList topicNames = {};
};

// A course library in a temporary folder.
class CourseCopy {
public:
    CourseCopy();
    const ResourceLibrary& library() const { return library_; }
    QString resource(int number) const { return library_.pathOf(number); }

    // Rewrites the course description (title "Orvanta Test Course", code
    // "Q4") with these three subjects, and each present subject's summary
    // template with its paper count.
    void describe(const SubjectSpec& first, const SubjectSpec& second, const SubjectSpec& third);
    // Replaces the course description with `text` (lines joined with CR LF).
    void writeDescription(const QStringList& lines);

private:
    QTemporaryDir dir_;
    ResourceLibrary library_;
};

// Seven topics of five papers each in every subject.
SubjectSpec sevenTopics(const QString& name);

// Records what the main window asks of the practice window.
class FakeLauncher : public PracticeLauncher {
public:
    bool OpenPaper(const PaperHandOver& paper) override;
    bool UnloadPracticeWindow() override;
    bool hasOpenPracticeWindow() const override { return open_; }
    void warmUp() override { ++warmUps; }

    // Called by an unload, as the real window's unload calls RefreshContents.
    std::function<void()> onUnload;
    // The window's save failed and the pupil kept it open.
    bool keepsWindow = false;
    QList<PaperHandOver> opened;
    int unloads = 0;
    int keptWindows = 0;
    int warmUps = 0;

private:
    bool open_ = false;
};

// Records the About page's link instead of starting a browser.
struct FakeWebShell {
    bool browserFound = true;
    bool opens = true;
    QList<QUrl> openedUrls;
    QStringList warnings; // "title: text"

    WebLinkShell shell();
};

class ContentsTest : public testing::Test {
protected:
    ContentsTest();
    ~ContentsTest() override;

    // Runs the start-up (constructs Contents) on the course and folder.
    Contents& start();
    // Shows the window, first making sure no message waits for it (which
    // would open a modal pop-up no test answers).
    void showWindow();
    Contents& c() { return *contents_; }

    QString progressFile(ProgressFile file, int subject) const;
    ProgressStore store() const;
    // Marks the first and second takes of papers (index -> score text) in a
    // subject's files: the scores, the takes' flags, and right results for
    // every part, keeping everything else.
    void writeScores(int subject, const std::map<int, QString>& first,
                     const std::map<int, QString>& second = {});
    // The bytes of every progress file of the three subjects, by file name.
    std::map<QString, QByteArray> progressBytes() const;

    void moveCursor(QPoint global) { *cursor_ = global; }
    void moveCursorTo(const QWidget* control);
    void tick();
    void click(QWidget* control);

    CourseCopy course_;
    TempAppFolder home_;
    FakeLauncher launcher_;
    FakeWebShell web_;
    std::shared_ptr<QPoint> cursor_ = std::make_shared<QPoint>(-1000, -1000);
    std::unique_ptr<Contents> contents_;

private:
    QTimer dialogGuard_;
    QStringList unexpectedDialogs_;
};

} // namespace orvanta::test
