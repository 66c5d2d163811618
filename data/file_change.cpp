#include "file_change.h"

#include "atomic_file.h"
#include "file_calls.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <optional>

namespace orvanta {
namespace {

namespace calls = file_calls;

const QString kJournalName = QStringLiteral(".orvanta-change.journal");
const QString kStagedMarker = QStringLiteral(".staged-");
const QByteArray kJournalHeader = "Orvanta change 1";

// A journal names a few files; anything far larger is not one of ours.
constexpr qint64 kJournalByteLimit = 64 * 1024;
// Staged files are progress files: checked before they are renamed.
constexpr qint64 kStagedByteLimit = 64 * 1024 * 1024;

QByteArray hashOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(strerror(error));
}

// One line of a journal: a staged file and the target it replaces.
struct Entry {
    QString staged; // absolute
    QString target; // absolute, symbolic links already followed
    qint64 size = 0;
    QByteArray hash;
};

struct Journal {
    QString what;
    QList<Entry> entries;
};

// Paths inside the folder are stored relative to it, so that a folder that
// was moved or renamed meanwhile still finishes its change.
QString storedPath(const QDir& folder, const QString& path) {
    const QString relative = folder.relativeFilePath(path);
    return relative.startsWith(QStringLiteral("../")) ? path : relative;
}

QString loadedPath(const QDir& folder, const QString& stored) {
    return QDir::cleanPath(folder.absoluteFilePath(stored));
}

QByteArray journalBytes(const QDir& folder, const Journal& journal) {
    QByteArray text = kJournalHeader + '\n';
    QString what = journal.what;
    what.replace(u'\n', u' ').replace(u'\r', u' ');
    text += "what " + what.toUtf8() + '\n';
    for (const Entry& e : journal.entries)
        text += "file " + QByteArray::number(e.size) + ' ' + e.hash + ' ' +
                storedPath(folder, e.staged).toUtf8() + '\t' +
                storedPath(folder, e.target).toUtf8() + '\n';
    text += "end " + QByteArray::number(journal.entries.size()) + ' ' + hashOf(text) + '\n';
    return text;
}

// The journal, or nothing when it is torn, altered or not one of ours.
std::optional<Journal> parseJournal(const QDir& folder, const QByteArray& bytes) {
    if (!bytes.endsWith('\n'))
        return std::nullopt;
    const qsizetype endAt = bytes.lastIndexOf("end ", bytes.size() - 2);
    if (endAt < 0 || (endAt > 0 && bytes.at(endAt - 1) != '\n'))
        return std::nullopt;
    const QByteArray body = bytes.left(endAt);
    const QList<QByteArray> end = bytes.mid(endAt, bytes.size() - endAt - 1).split(' ');
    if (end.size() != 3 || end.at(2) != hashOf(body))
        return std::nullopt;
    QList<QByteArray> lines = body.split('\n');
    lines.removeLast(); // after the last line end
    if (lines.size() < 2 || lines.at(0) != kJournalHeader || !lines.at(1).startsWith("what "))
        return std::nullopt;
    Journal journal;
    journal.what = QString::fromUtf8(lines.at(1).mid(5));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> head = lines.at(i).split(' ');
        if (head.size() < 4 || head.at(0) != "file")
            return std::nullopt;
        // The paths may hold spaces: they are everything after the hash.
        const qsizetype pathsAt = head.at(0).size() + head.at(1).size() + head.at(2).size() + 3;
        const QList<QByteArray> paths = lines.at(i).mid(pathsAt).split('\t');
        bool sizeOk = false;
        Entry e;
        e.size = head.at(1).toLongLong(&sizeOk);
        e.hash = head.at(2);
        if (!sizeOk || paths.size() != 2 || e.hash.size() != 40)
            return std::nullopt;
        e.staged = loadedPath(folder, QString::fromUtf8(paths.at(0)));
        e.target = loadedPath(folder, QString::fromUtf8(paths.at(1)));
        journal.entries.append(e);
    }
    if (end.at(1).toLongLong() != journal.entries.size())
        return std::nullopt;
    return journal;
}

std::optional<QByteArray> readUpTo(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return std::nullopt;
    return file.readAll();
}

bool holdsBytesOf(const QString& path, const Entry& e) {
    if (QFileInfo(path).size() != e.size)
        return false;
    const auto bytes = readUpTo(path, kStagedByteLimit);
    return bytes && hashOf(*bytes) == e.hash;
}

void syncFolders(const QStringList& files) {
    QSet<QString> folders;
    for (const QString& f : files)
        folders.insert(QFileInfo(f).absolutePath());
    // Some file systems refuse to sync a folder; the renames stand anyway.
    for (const QString& folder : folders)
        calls::syncFolder(QFile::encodeName(folder));
}

void removeFiles(const QStringList& paths) {
    for (const QString& path : paths)
        calls::remove(QFile::encodeName(path));
}

int removeStagedFilesIn(const QString& folder) {
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (IsStagedFileName(name) && calls::remove(QFile::encodeName(dir.filePath(name))) == 0)
            ++removed;
    }
    return removed;
}

ChangeResult unchanged(int error, const QString& file, const QString& reason) {
    return {ChangeResult::State::Unchanged, error == 0 ? EIO : error, file, reason};
}

} // namespace

QString ChangeJournalPath(const QString& folder) {
    return QDir(folder).filePath(kJournalName);
}

bool IsStagedFileName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^\\..+\\.staged-[A-Za-z0-9]{6}$"));
    return pattern.match(fileName).hasMatch();
}

FileChange::FileChange(QString folder, QString what)
    : folder_(QDir(folder).absolutePath())
    , what_(std::move(what)) {}

void FileChange::replace(const QString& path, const QByteArray& bytes) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (File& file : files_) {
        if (file.path == absolute) {
            file.bytes = bytes;
            return;
        }
    }
    files_.append({absolute, bytes});
}

QStringList FileChange::paths() const {
    QStringList paths;
    for (const File& file : files_)
        paths << file.path;
    return paths;
}

ChangeResult FileChange::commit() const {
    if (files_.isEmpty())
        return {};

    // 1. Every target may be replaced, or nothing is written.
    QStringList targets;
    for (const File& file : files_) {
        const QString target = atomic_file::replacedFile(file.path);
        const atomic_file::WriteResult ok = atomic_file::checkReplaceable(target);
        if (!ok.ok())
            return unchanged(ok.error, file.path, ok.reason);
        targets << target;
    }
    if (files_.size() == 1) {
        const atomic_file::WriteResult written =
            atomic_file::write(targets.first(), files_[0].bytes);
        if (!written.ok())
            return unchanged(written.error, files_[0].path, written.reason);
        return {};
    }

    // 2. Staging.
    const QDir folder(folder_);
    Journal journal;
    journal.what = what_;
    QStringList staged;
    for (qsizetype i = 0; i < files_.size(); ++i) {
        const atomic_file::StagedFile s = atomic_file::stage(
            targets[i], files_[i].bytes, kStagedMarker, atomic_file::Sync::Durable);
        if (!s.result.ok()) {
            removeFiles(staged);
            return unchanged(s.result.error, files_[i].path, s.result.reason);
        }
        staged << s.path;
        journal.entries.append(
            {s.path, targets[i], files_[i].bytes.size(), hashOf(files_[i].bytes)});
    }
    syncFolders(staged);

    // 3. The commit point.
    const atomic_file::WriteResult committed =
        atomic_file::write(ChangeJournalPath(folder_), journalBytes(folder, journal));
    if (!committed.ok()) {
        removeFiles(staged);
        return unchanged(committed.error, files_.first().path, committed.reason);
    }

    // 4. The renames. From here on the change holds.
    for (qsizetype i = 0; i < journal.entries.size(); ++i) {
        const Entry& e = journal.entries[i];
        if (calls::rename(QFile::encodeName(e.staged), QFile::encodeName(e.target)) != 0) {
            const int error = errno;
            return {
                ChangeResult::State::Committed, error, files_[i].path,
                QStringLiteral("Cannot replace %1: %2").arg(files_[i].path, systemReason(error))};
        }
    }
    syncFolders(targets);

    // 5. A journal that cannot be removed is finished again next time: each
    // of its files is recognised as replaced already.
    if (calls::remove(QFile::encodeName(ChangeJournalPath(folder_))) == 0)
        syncFolders({ChangeJournalPath(folder_)});
    return {};
}

RecoveryResult FinishInterruptedChange(const QString& folderPath, StagedFileSweep sweep) {
    RecoveryResult result;
    const QDir folder(QDir(folderPath).absolutePath());
    const QString journalPath = ChangeJournalPath(folder.path());
    QStringList sweepFolders;
    if (sweep == StagedFileSweep::Run)
        sweepFolders << folder.path();

    if (QFileInfo::exists(journalPath)) {
        const std::optional<QByteArray> bytes = readUpTo(journalPath, kJournalByteLimit);
        const std::optional<Journal> journal =
            bytes ? parseJournal(folder, *bytes) : std::optional<Journal>();
        if (!journal) {
            // Torn or foreign: the change never reached its commit point.
            result.state = RecoveryResult::State::Discarded;
            sweepFolders << folder.path();
        } else {
            result.what = journal->what;
            result.state = RecoveryResult::State::Finished;
            // Every file is checked before any is renamed, so that a journal
            // whose files were changed by hand changes nothing more.
            QList<const Entry*> toRename;
            for (const Entry& e : journal->entries) {
                sweepFolders << QFileInfo(e.staged).absolutePath();
                if (QFileInfo::exists(e.staged) && holdsBytesOf(e.staged, e)) {
                    toRename << &e;
                } else if (!holdsBytesOf(e.target, e)) {
                    result.state = RecoveryResult::State::Abandoned;
                    result.file = e.target;
                    result.reason = QStringLiteral("the file was changed since");
                }
            }
            if (result.state == RecoveryResult::State::Abandoned)
                toRename.clear();
            for (const Entry* e : toRename) {
                if (calls::rename(QFile::encodeName(e->staged), QFile::encodeName(e->target)) !=
                    0) {
                    result.state = RecoveryResult::State::Unfinished;
                    result.error = errno;
                    result.file = e->target;
                    result.reason = systemReason(result.error);
                    return result; // the journal stays for the next try
                }
            }
            QStringList targets;
            for (const Entry& e : journal->entries)
                targets << e.target;
            syncFolders(targets);
        }
        if (calls::remove(QFile::encodeName(journalPath)) != 0 &&
            result.state == RecoveryResult::State::Finished) {
            // Finished all the same: the next try recognises every file.
            return result;
        }
        syncFolders({journalPath});
    }

    sweepFolders.removeDuplicates();
    for (const QString& f : sweepFolders)
        result.stagedFilesRemoved += removeStagedFilesIn(f);
    if (result.state == RecoveryResult::State::Nothing && result.stagedFilesRemoved > 0)
        result.state = RecoveryResult::State::Discarded;
    return result;
}

} // namespace orvanta
