#include "file_calls.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta::file_calls {
namespace {

// The program runs its file work on one thread; the plan is only ever set by
// tests, between operations.
FaultPlan plan;
int calls = 0;

// Counts the call and applies the plan: false (errno set) when it must fail.
bool allowed() {
    ++calls;
    if (plan.endAt > 0 && calls >= plan.endAt)
        ::_exit(plan.endedStatus);
    if (plan.failFrom > 0 && calls >= plan.failFrom) {
        errno = plan.failError;
        return false;
    }
    return true;
}

} // namespace

int createUnique(QByteArray& pathTemplate) {
    if (!allowed())
        return -1;
    return ::mkostemp(pathTemplate.data(), O_CLOEXEC);
}

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        if (!allowed())
            return false;
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

int setMode(int fd, mode_t mode) {
    if (!allowed())
        return -1;
    return ::fchmod(fd, mode);
}

int sync(int fd) {
    if (!allowed())
        return -1;
    return plan.skipSyncs ? 0 : ::fsync(fd);
}

int syncFolder(const QByteArray& folder) {
    if (!allowed())
        return -1;
    if (plan.skipSyncs)
        return 0;
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return result;
}

int rename(const QByteArray& from, const QByteArray& to) {
    if (!allowed())
        return -1;
    return ::rename(from.constData(), to.constData());
}

int remove(const QByteArray& path) {
    if (!allowed())
        return -1;
    return ::unlink(path.constData());
}

int close(int fd) {
    return ::close(fd);
}

void setFaultPlan(const FaultPlan& newPlan) {
    plan = newPlan;
    calls = 0;
}

void clearFaultPlan() {
    setFaultPlan({});
}

int callCount() {
    return calls;
}

} // namespace orvanta::file_calls
