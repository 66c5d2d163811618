// Two copies of the program on one folder: the second finds it held, and a
// copy that crashed leaves a lock that does not block the next start.
#include "data/folder_lock.h"
#include "tests/support/test_support.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// A first copy in a child process: it takes the lock, says so through the
// pipe, and runs until it is killed.
pid_t startFirstCopy(const AppFolder& folder) {
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        FolderLock lock(folder);
        const char got = lock.acquire() == FolderLock::Result::Acquired ? 'y' : 'n';
        if (write(ready[1], &got, 1) != 1)
            _exit(1);
        for (;;)
            pause();
    }
    close(ready[1]);
    char got = 0;
    const bool told = read(ready[0], &got, 1) == 1 && got == 'y';
    close(ready[0]);
    return told ? child : -1;
}

TEST(FolderLockTest, aSecondCopyFindsTheFolderHeldUntilTheFirstGoes) {
    TempAppFolder temp;
    const pid_t first = startFirstCopy(temp.folder());
    ASSERT_GT(first, 0);

    FolderLock second(temp.folder());
    EXPECT_EQ(second.acquire(), FolderLock::Result::HeldByAnother);

    // The first copy crashes: its lock file stays, and does not block.
    kill(first, SIGKILL);
    waitpid(first, nullptr, 0);
    EXPECT_TRUE(QFileInfo::exists(temp.file(FolderLock::fileName())));
    FolderLock next(temp.folder());
    EXPECT_EQ(next.acquire(), FolderLock::Result::Acquired);
}

TEST(FolderLockTest, aFolderWhereNoLockCanBeMadeDoesNotStopTheProgram) {
    FolderLock nowhere(AppFolder(QStringLiteral("/proc/orvanta-no-such-folder")));
    EXPECT_EQ(nowhere.acquire(), FolderLock::Result::Unavailable);
}

} // namespace
