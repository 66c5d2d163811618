#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A change of several files that lands whole or not at all: after a crash at
// any point, and after a lasting write failure (a full disk, a failing
// drive) at any step, either every file holds its new bytes or every file
// keeps its old ones, and finishing an interrupted change twice changes
// nothing the second time.
//
// How a change is made (commit):
//  1. Every target is checked: a folder or a read-only file refuses the whole
//     change before anything is written. Symbolic links are followed: the
//     file a link points to is replaced and the link stays.
//  2. Staging, all the work that needs free space: the new bytes of every
//     file go to a new hidden file beside its target,
//     ".<name>.staged-XXXXXX", written and synced. A failure here removes
//     the staged files again; the targets were never touched.
//  3. The commit point: a small journal, ".orvanta-change.journal" in the
//     application folder, names each staged file, its target, its size and
//     its SHA-1, and ends with a line holding the SHA-1 of all lines above
//     it. It is itself written atomically (atomic_file.h), so it is either
//     there and whole, or not there.
//  4. The staged files are renamed over their targets, in the order they
//     were added (the caller puts the file the main window reads first, the
//     summary, last). Renames need no free space; if one fails all the same,
//     the journal stays and the change counts as made: the next
//     FinishInterruptedChange (at the next start, or before the next change
//     or read of the pupil's files) renames the rest.
//  5. The journal is removed.
//
// Finishing (FinishInterruptedChange): a whole journal is rolled forward:
// a staged file still there is checked against its size and SHA-1 and
// renamed over its target; one already renamed is recognised by its target
// holding those bytes. A journal that is torn or was never written means the
// change never reached its commit point: its staged files are removed and
// the targets keep their old bytes. Either way the journal and every staged
// file are gone afterwards.
//
// A change of one file needs no journal: its one rename is the commit.
//
// The names ".<name>.staged-XXXXXX" and ".orvanta-change.journal" are this
// module's alone: the clean-up of stale temporary files (".<name>.tmp-XXXXXX")
// does not match them, and the course and picture code never write hidden
// files.
namespace orvanta {

// How a commit ended.
struct ChangeResult {
    enum class State {
        Unchanged, // the change did not take place: every file keeps its old bytes
        Done,      // every file holds its new bytes
        Committed, // the change holds, but renames are left for the next finishing
    };
    State state = State::Done;
    int error = 0;  // errno of the failed step (Unchanged, Committed)
    QString file;   // the file that failed, when one did
    QString reason; // readable, naming the file (Unchanged, Committed)

    bool holds() const { return state != State::Unchanged; }
};

class FileChange {
public:
    // `folder` holds the journal: the application folder. `what` describes
    // the change in the pupil's words ("the marking of paper 102"); it is
    // kept in the journal and given back by FinishInterruptedChange.
    FileChange(QString folder, QString what);

    // Adds a file to replace, or replaces the bytes given for it before.
    // Renames run in the order of the first replace() of each file.
    void replace(const QString& path, const QByteArray& bytes);

    bool isEmpty() const { return files_.isEmpty(); }
    QStringList paths() const;
    const QString& what() const { return what_; }

    // Makes the change as described above. Never throws.
    ChangeResult commit() const;

private:
    struct File {
        QString path;
        QByteArray bytes;
    };

    QString folder_;
    QString what_;
    QList<File> files_;
};

struct RecoveryResult {
    enum class State {
        Nothing,    // no change was interrupted
        Finished,   // an interrupted change was completed now
        Discarded,  // an interrupted change had not reached its commit point: undone
        Abandoned,  // a journal whose files were changed by hand since: dropped
        Unfinished, // a change holds but its renames still fail: the journal stays
    };
    State state = State::Nothing;
    QString what;   // the journal's description (Finished, Abandoned, Unfinished)
    QString file;   // the file that could not be replaced or was changed (Abandoned, Unfinished)
    QString reason; // readable: why (Abandoned, Unfinished)
    int error = 0;  // errno (Unfinished)
    int stagedFilesRemoved = 0;
};

// Whether the folder scan for staged files left behind runs as well: at the
// start of the program (no change can be under way then), not before every
// change of a running program, whose own failed changes remove their staged
// files themselves.
enum class StagedFileSweep { Skip, Run };

// Finishes or undoes the change interrupted in `folder`, as described above.
// Never throws.
RecoveryResult FinishInterruptedChange(const QString& folder,
                                       StagedFileSweep sweep = StagedFileSweep::Skip);

// The journal's path in `folder`.
QString ChangeJournalPath(const QString& folder);
// True for the names commit() gives staged files.
bool IsStagedFileName(const QString& fileName);

} // namespace orvanta
