#pragma once

#include "app_folder.h"

#include <QLockFile>

// One copy of the program per application folder: two copies writing the
// same progress files would each write back what the other never read.
//
// The lock is the file "orvanta.lock" in the folder, holding the process
// number of the copy that owns it. A copy that ended without removing it (a
// crash, a power cut) does not block the next start: a lock whose process is
// gone is stale and taken over.
namespace orvanta {

class FolderLock {
public:
    enum class Result {
        Acquired,      // this copy owns the folder until the lock goes
        HeldByAnother, // another running copy owns it
        Unavailable,   // no lock can be made there (a read-only folder): go on without
    };

    explicit FolderLock(const AppFolder& folder);

    // Tries once, without waiting.
    Result acquire();

    static QString fileName();

private:
    QLockFile lock_;
};

} // namespace orvanta
