#include "atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace atomic_file {
namespace {

const QString kTempMarker = QStringLiteral(".tmp-");

WriteResult failure(int error, const QString& what, const QString& path) {
    return {error == 0 ? EIO : error,
            QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(strerror(error)))};
}

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
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

void syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // some file systems refuse to sync a folder; the rename stands anyway
        ::close(fd);
    }
}

} // namespace

bool isTemporaryFileName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^\\..+\\.tmp-[A-Za-z0-9]{6}$"));
    return pattern.match(fileName).hasMatch();
}

WriteResult write(const QString& path, const QByteArray& bytes, Sync sync) {
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    QByteArray temp =
        folder + '/' + '.' + QFile::encodeName(info.fileName()) + kTempMarker.toLatin1() + "XXXXXX";

    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return failure(errno, QStringLiteral("Cannot create a file in"), info.absolutePath());

    auto abandon = [&](const QString& what) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp.constData());
        return failure(error, what, path);
    };

    if (::fchmod(fd, modeFor(target)) != 0)
        return abandon(QStringLiteral("Cannot set the permissions of"));
    if (!writeAll(fd, bytes.constData(), bytes.size()))
        return abandon(QStringLiteral("Cannot write"));
    if (sync == Sync::Durable && ::fsync(fd) != 0)
        return abandon(QStringLiteral("Cannot flush"));
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        return failure(error, QStringLiteral("Cannot close"), path);
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        return failure(error, QStringLiteral("Cannot replace"), path);
    }
    if (sync == Sync::Durable)
        syncFolder(folder);
    return {};
}

int removeStaleTemporaryFiles(const QString& folder) {
    int removed = 0;
    const QDir dir(folder);
    const auto entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : entries) {
        if (isTemporaryFileName(name) && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

} // namespace atomic_file
