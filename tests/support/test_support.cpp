#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace orvanta::test {

QString fixturesDir() {
    const QString dir = qEnvironmentVariable("ORVANTA_FIXTURES");
    if (dir.isEmpty())
        throw std::runtime_error("ORVANTA_FIXTURES is not set; run the tests through ctest");
    return dir;
}

QString fixturePath(const QString& relative) {
    return fixturesDir() + u'/' + relative;
}

ResourceLibrary fixtureCourse() {
    return ResourceLibrary(fixturePath(QStringLiteral("course")));
}

ResourceLibrary copyFixtureCourse(const QString& folder) {
    QDir().mkpath(folder);
    const QDir source(fixturePath(QStringLiteral("course")));
    // Plain reads and writes: QFile::copy syncs every file to the disk, which
    // makes a copy per test case slow and buys a test nothing.
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile file(source.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read fixture " + name.toStdString());
        writeBytes(folder + u'/' + name, file.readAll());
    }
    return ResourceLibrary(folder);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

TempAppFolder::TempAppFolder()
    : folder_(dir_.path()) {
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

} // namespace orvanta::test
