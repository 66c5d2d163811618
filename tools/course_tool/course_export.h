#pragma once

#include "data/resource_install.h"

#include <QList>
#include <QString>

// Writing a course's resources out as a folder of files named by resource
// number ("DIR/10001", "DIR/30000", "DIR/85"): the form a course author edits
// and `orvanta-course check --course DIR` reads.
namespace orvanta {

// The resource numbers the library holds (files or bundle entries named by a
// number alone), ascending.
QList<int> ResourceNumbers(const ResourceLibrary& library);

struct ExportFailure {
    int resource;
    quint32 error; // InstallResource's error number
};

struct ExportResult {
    int written = 0;
    QList<ExportFailure> failures;
    // Resource files that were in the folder before and that the library does
    // not hold; left as they were.
    QList<int> foreignFiles;

    bool ok() const { return failures.isEmpty(); }
};

// Writes every resource of `library` into `folder` (made with its parents)
// with InstallResource, so each file is byte for byte what the program would
// install. Files of the same names are replaced; other files are left alone.
ExportResult ExportResources(const ResourceLibrary& library, const QString& folder);

} // namespace orvanta
