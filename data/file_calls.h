#pragma once

#include <QByteArray>

#include <sys/types.h>

// The system calls that change the pupil's files, in one place: every
// create, write, sync, rename and remove of the atomic writes and of the
// all-or-nothing changes goes through these wrappers, which behave like the
// calls they wrap (-1 and errno on failure).
//
// They are also the fault seam of the tests: a FaultPlan counts every call
// and can make the calls from the n-th on fail (a full disk, a failing drive)
// or end the process at the n-th call (a crash), so that the writers can be
// tried against a fault at every single step.
namespace orvanta::file_calls {

// mkostemp(): replaces the trailing "XXXXXX" of `pathTemplate` and opens the
// new file for writing. Returns the descriptor or -1.
int createUnique(QByteArray& pathTemplate);
// write() of all `size` bytes, retried after interruptions; false and errno
// when a call fails or writes nothing.
bool writeAll(int fd, const char* data, qsizetype size);
int setMode(int fd, mode_t mode);
int sync(int fd);
// Opens `folder` and syncs it, so that renames and removals in it last.
int syncFolder(const QByteArray& folder);
int rename(const QByteArray& from, const QByteArray& to);
int remove(const QByteArray& path);
// close() is not counted: by then the bytes are written and synced.
int close(int fd);

// Test seam. Calls are numbered from 1 after each setFaultPlan().
struct FaultPlan {
    int failFrom = 0;     // calls numbered failFrom and later fail (0: none)
    int failError = 28;   // errno of a failing call (ENOSPC)
    int endAt = 0;        // the process ends (_exit) before call endAt runs (0: never)
    int endedStatus = 86; // exit status of an ended process
    // Syncs are counted and may fail or end the process, but do not wait for
    // the disk: a test that cuts no power need not pay for them.
    bool skipSyncs = false;
};

void setFaultPlan(const FaultPlan& plan);
void clearFaultPlan();
// Calls made since the last setFaultPlan() or clearFaultPlan().
int callCount();

} // namespace orvanta::file_calls
