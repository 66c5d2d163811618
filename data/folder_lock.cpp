#include "folder_lock.h"

namespace orvanta {

FolderLock::FolderLock(const AppFolder& folder)
    : lock_(folder.file(fileName())) {
    // Held for the whole run: only a lock whose process has gone is stale,
    // never one that is merely old.
    lock_.setStaleLockTime(0);
}

QString FolderLock::fileName() {
    return QStringLiteral("orvanta.lock");
}

FolderLock::Result FolderLock::acquire() {
    if (lock_.tryLock(0))
        return Result::Acquired;
    return lock_.error() == QLockFile::LockFailedError ? Result::HeldByAnother
                                                       : Result::Unavailable;
}

} // namespace orvanta
