#pragma once

#include <QByteArray>
#include <QString>

// Whole-file replacement that never leaves a half-written file behind.
//
// The new bytes go to a temporary file in the target's folder, which is
// flushed to the disk and then renamed over the target; the folder is synced
// so that the rename itself survives a power cut. If anything fails, the
// temporary file is removed and the target keeps its old bytes (or stays
// absent). A crash in the middle leaves at most a stale temporary file, which
// removeStaleTemporaryFiles() clears at the next start.
//
// A target that is a symbolic link keeps its link: the file it points to is
// the one replaced. A target the user made read-only (no write permission
// left) is refused, as is a folder, and nothing is written.
//
// Every call that changes a file goes through file_calls.h.
namespace atomic_file {

struct WriteResult {
    int error = 0;  // errno of the step that failed, 0 on success
    QString reason; // readable description of the failure, empty on success

    bool ok() const { return error == 0; }
};

// How far a write goes to make the new bytes survive a power cut. Both kinds
// replace the target atomically; only Durable waits for the disk, which costs
// milliseconds per file and is needed for the pupil's data alone.
enum class Sync { Durable, Scratch };

WriteResult write(const QString& path, const QByteArray& bytes, Sync sync = Sync::Durable);

// Removes temporary files that a save interrupted by a crash left in `folder`.
// Returns how many were removed.
int removeStaleTemporaryFiles(const QString& folder);

// True for the names write() gives its temporary files.
bool isTemporaryFileName(const QString& fileName);

// The file that writing to `path` replaces: `path` itself, or the end of the
// chain of symbolic links starting there (which may not exist yet).
QString replacedFile(const QString& path);

// Whether `resolvedTarget` (a path from replacedFile) may be replaced: it is
// absent, or a file that its owner has not made read-only. The failure names
// the file and says why.
WriteResult checkReplaceable(const QString& resolvedTarget);

// A new file beside a target, holding the bytes that are to replace it.
struct StagedFile {
    QString path; // empty when staging failed
    WriteResult result;
};

// Writes `bytes` into a new file in the folder of `resolvedTarget`, named
// "." + the target's name + `marker` + six random letters, with the target's
// permissions (or those of a new file), synced when Durable. On failure the
// new file is removed again (as far as the removal itself succeeds).
StagedFile stage(const QString& resolvedTarget, const QByteArray& bytes, const QString& marker,
                 Sync sync);

} // namespace atomic_file
