#pragma once

#include "data/course_content.h"
#include "data/progress_store.h"
#include "main_window/contents.h"
#include "practice/practice_launcher.h"
#include "practice/practice_window.h"
#include "tests/support/manual_clock.h"
#include "tests/support/manual_monotonic_clock.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The whole program on the bundled course in a temporary ORVANTA_HOME, under
// Xvfb: the main window and the practice windows wired as main() wires them,
// with the clocks, the marking bar and the printer choice under the test's
// control. The GUI tests drive it by clicks or by keys.
namespace orvanta::test {

// The pointer stays away from every control: hover pictures play no part.
inline const QPoint kPointerAway(-1000, -1000);

class ProgramUnderTest {
public:
    ProgramUnderTest();
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Builds the main window and the practice launcher; shows nothing.
    void start();

    Contents& contents() { return *contents_; }
    const Contents& contents() const { return *contents_; }
    PracticeWindows& launcher() { return *launcher_; }
    const ProgressStore& store() const { return *store_; }
    ResourceLibrary library() const;
    AppFolder folder() const;
    QString homePath() const { return home_.path(); }

    ManualMonotonicClock& clock() { return *clock_; }
    ManualClock& calendar() { return *calendar_; }
    // How often the program asked for the system's "invalid operation" beep.
    int invalidOperations() const { return invalidOperations_; }

    QString file(ProgressFile which, int subject) const { return store_->path(which, subject); }
    QByteArray templateBytes(ProgressFile which, int subject) const;

    // Does `open` (a click or a key on a paper button) and returns the
    // practice window it opened once its first page has loaded; null when
    // none opened or the page failed.
    PracticeWindow* openPaperBy(const std::function<void()>& open);

private:
    QTemporaryDir home_;
    QByteArray savedHome_;
    std::shared_ptr<ManualMonotonicClock> clock_ = std::make_shared<ManualMonotonicClock>();
    std::shared_ptr<ManualClock> calendar_;
    int invalidOperations_ = 0;
    std::unique_ptr<Contents> contents_;
    std::unique_ptr<PracticeWindows> launcher_;
    std::unique_ptr<ProgressStore> store_;
};

// A record of the paper as the progress files hold it: "#number#>v1>v2...".
QByteArray paperRecord(int paperNumber, const QStringList& values);

} // namespace orvanta::test
