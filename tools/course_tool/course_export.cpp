#include "course_export.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace orvanta {
namespace {

QList<int> numberedFiles(const QString& folder) {
    QList<int> numbers;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        bool ok = false;
        const int number = name.toInt(&ok);
        if (ok && number > 0 && name == QString::number(number))
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

QList<int> ResourceNumbers(const ResourceLibrary& library) {
    return numberedFiles(library.root());
}

ExportResult ExportResources(const ResourceLibrary& library, const QString& folder) {
    ExportResult result;
    QDir().mkpath(folder);
    const QList<int> numbers = ResourceNumbers(library);
    const QSet<int> held(numbers.cbegin(), numbers.cend());
    for (int number : numberedFiles(folder)) {
        if (!held.contains(number))
            result.foreignFiles.append(number);
    }
    const QDir target(folder);
    for (int number : numbers) {
        const quint32 error = InstallResource(library, number, QStringLiteral("CUSTOM"),
                                              target.filePath(QString::number(number)));
        if (error == kInstallOk)
            ++result.written;
        else
            result.failures.append({number, error});
    }
    return result;
}

} // namespace orvanta
