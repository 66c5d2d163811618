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

} // namespace atomic_file
