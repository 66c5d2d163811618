#pragma once

#include "data/app_folder.h"
#include "data/resource_install.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

// Shared helpers of the test programs: fixture paths and files in a
// temporary application folder.
namespace orvanta::test {

// tests/fixtures (ORVANTA_FIXTURES, set by ctest).
QString fixturesDir();
QString fixturePath(const QString& relative);

// The small hand-made course of tests/fixtures/course.
ResourceLibrary fixtureCourse();

// Copies the fixture course into `folder` (made as needed), so that a test
// can damage its own copy. Returns a library over the copy.
ResourceLibrary copyFixtureCourse(const QString& folder);

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// A fresh, empty application folder, removed with the object.
class TempAppFolder {
public:
    TempAppFolder();
    const AppFolder& folder() const { return folder_; }
    QString file(const QString& name) const { return folder_.file(name); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    AppFolder folder_;
};

} // namespace orvanta::test

// Readable QString values in GoogleTest failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << '"' << b.toStdString() << '"';
}
QT_END_NAMESPACE
