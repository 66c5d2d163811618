#include "atomic_file.h"

#include "file_calls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace atomic_file {
namespace {

namespace calls = orvanta::file_calls;

const QString kTempMarker = QStringLiteral(".tmp-");

// Links that point at each other end the chain here.
constexpr int kMaxLinkDepth = 40;

WriteResult failure(int error, const QString& what, const QString& path) {
    if (error == 0)
        error = EIO;
    return {error,
            QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(strerror(error)))};
}

// New files get the permissions a plain open() would give them; a replaced
// file keeps its own.
mode_t modeFor(const QByteArray& target) {
    struct stat st {};
    if (::stat(target.constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool isTemporaryFileName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^\\..+\\.tmp-[A-Za-z0-9]{6}$"));
    return pattern.match(fileName).hasMatch();
}

QString replacedFile(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        // symLinkTarget() is absolute, relative links resolved against the
        // link's own folder, also when the target does not exist.
        current = QDir::cleanPath(info.symLinkTarget());
    }
    return current;
}

WriteResult checkReplaceable(const QString& resolvedTarget) {
    const QByteArray target = QFile::encodeName(resolvedTarget);
    struct stat st {};
    if (::stat(target.constData(), &st) != 0)
        return {}; // a new file
    if (S_ISDIR(st.st_mode))
        return {EISDIR, QStringLiteral("%1 is a folder, not a file").arg(resolvedTarget)};
    // A file without any write permission was made read-only on purpose:
    // replacing it would undo that, even where the folder allows it (and
    // whoever runs the program may write anything).
    if ((st.st_mode & 0222) == 0 || ::access(target.constData(), W_OK) != 0)
        return {EACCES, QStringLiteral("%1 is read-only").arg(resolvedTarget)};
    return {};
}

StagedFile stage(const QString& resolvedTarget, const QByteArray& bytes, const QString& marker,
                 Sync sync) {
    const QFileInfo info(resolvedTarget);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    QByteArray temp =
        folder + '/' + '.' + QFile::encodeName(info.fileName()) + marker.toLatin1() + "XXXXXX";

    const int fd = calls::createUnique(temp);
    if (fd < 0)
        return {{}, failure(errno, QStringLiteral("Cannot create a file in"), info.absolutePath())};

    auto abandon = [&](const QString& what) {
        const int error = errno;
        calls::close(fd);
        calls::remove(temp);
        return StagedFile{{}, failure(error, what, resolvedTarget)};
    };

    if (calls::setMode(fd, modeFor(target)) != 0)
        return abandon(QStringLiteral("Cannot set the permissions of"));
    if (!calls::writeAll(fd, bytes.constData(), bytes.size()))
        return abandon(QStringLiteral("Cannot write"));
    if (sync == Sync::Durable && calls::sync(fd) != 0)
        return abandon(QStringLiteral("Cannot flush"));
    if (calls::close(fd) != 0) {
        const int error = errno;
        calls::remove(temp);
        return {{}, failure(error, QStringLiteral("Cannot close"), resolvedTarget)};
    }
    return {QFile::decodeName(temp), {}};
}

WriteResult write(const QString& path, const QByteArray& bytes, Sync sync) {
    const QString resolved = replacedFile(path);
    if (const WriteResult refused = checkReplaceable(resolved); !refused.ok())
        return refused;
    const StagedFile staged = stage(resolved, bytes, kTempMarker, sync);
    if (!staged.result.ok())
        return staged.result;
    const QByteArray temp = QFile::encodeName(staged.path);
    if (calls::rename(temp, QFile::encodeName(resolved)) != 0) {
        const int error = errno;
        calls::remove(temp);
        return failure(error, QStringLiteral("Cannot replace"), path);
    }
    // Some file systems refuse to sync a folder; the rename stands anyway.
    if (sync == Sync::Durable)
        calls::syncFolder(QFile::encodeName(QFileInfo(resolved).absolutePath()));
    return {};
}

int removeStaleTemporaryFiles(const QString& folder) {
    int removed = 0;
    const QDir dir(folder);
    const auto entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : entries) {
        if (isTemporaryFileName(name) && calls::remove(QFile::encodeName(dir.filePath(name))) == 0)
            ++removed;
    }
    return removed;
}

} // namespace atomic_file
