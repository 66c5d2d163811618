#include "data_startup.h"

#include "atomic_file.h"

#include <QDir>

namespace orvanta {

void InstallInterfacePictures(const ResourceLibrary& library, const AppFolder& folder,
                              StartUpReport& report) {
    QDir().mkpath(folder.graphicsFolder());
    for (const InterfacePicture& picture : InterfacePictures()) {
        const QString name = QString::fromLatin1(picture.fileName);
        const quint32 error = InstallResource(library, picture.number, QStringLiteral("CUSTOM"),
                                              folder.graphicsFile(name), InstallKind::Scratch);
        if (error == 0)
            ++report.picturesInstalled;
        else
            report.pictureFailures.append({picture.number, name, error});
    }
}

StartUpReport RunDataStartUp(const ResourceLibrary& library, const AppFolder& folder) {
    StartUpReport report;
    report.folderReady = folder.ensureExists();
    if (!report.folderReady) {
        report.problems.append(
            QStringLiteral("The folder \"%1\" cannot be created.").arg(folder.path()));
        return report;
    }
    report.staleFilesRemoved = atomic_file::removeStaleTemporaryFiles(folder.path()) +
                               atomic_file::removeStaleTemporaryFiles(folder.graphicsFolder());

    InstallInterfacePictures(library, folder, report);
    if (!report.pictureFailures.isEmpty())
        report.problems.append(QStringLiteral("%1 of %2 pictures could not be written to \"%3\": "
                                              "%4.")
                                   .arg(report.pictureFailures.size())
                                   .arg(InterfacePictures().size())
                                   .arg(folder.graphicsFolder(),
                                        InstallErrorText(report.pictureFailures.first().error)));

    try {
        report.course = LoadCourseDescription(library, folder);
    } catch (const CourseError& e) {
        report.problems.append(e.message());
        return report;
    }
    if (report.course.installError != 0) {
        report.problems.append(QStringLiteral("The course description could not be read: %1.")
                                   .arg(InstallErrorText(report.course.installError)));
        return report;
    }

    const ProgressStore store(library, folder, report.course.code);
    for (int s = 1; s <= kSubjectCount; ++s) {
        if (!report.course.subject(s).present())
            continue;
        try {
            report.createdFiles[s - 1] = store.CreateMissingProgressFiles(s);
        } catch (const CourseError& e) {
            report.problems.append(e.message());
        }
    }
    return report;
}

} // namespace orvanta
