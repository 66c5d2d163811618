#include "data_startup.h"

#include "atomic_file.h"

#include <QDir>
#include <QFileInfo>

namespace orvanta {

QString RecoveryNotice(const RecoveryResult& recovery) {
    const QString what =
        recovery.what.isEmpty() ? QStringLiteral("your last change") : recovery.what;
    const QString file = QFileInfo(recovery.file).fileName();
    switch (recovery.state) {
    case RecoveryResult::State::Finished:
        return QStringLiteral("The program stopped during %1. It has been finished now.").arg(what);
    case RecoveryResult::State::Abandoned:
        return QStringLiteral("The program stopped during %1, and %2 was changed since, so it "
                              "could not be finished. Your files have been checked.")
            .arg(what, file);
    case RecoveryResult::State::Unfinished:
        return QStringLiteral("The program stopped during %1, which cannot be finished yet "
                              "(%2: %3).")
            .arg(what, file, recovery.reason);
    case RecoveryResult::State::Nothing:
    case RecoveryResult::State::Discarded:
        break;
    }
    return {};
}

void InstallInterfacePictures(const ResourceLibrary& library, const AppFolder& folder,
                              StartUpReport& report) {
    QDir().mkpath(folder.graphicsFolder());
    for (const InterfacePicture& picture : InterfacePictures()) {
        const QString name = QString::fromLatin1(picture.fileName);
        const quint32 error = InstallResource(library, picture.number, QStringLiteral("CUSTOM"),
                                              folder.graphicsFile(name), InstallKind::Refresh);
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
    // Before the clean-up: the journal's own temporary file is one of the
    // stale ones, and finishing must not meet a half-removed change.
    report.recovery = FinishInterruptedChange(folder.path(), StagedFileSweep::Run);
    if (const QString told = RecoveryNotice(report.recovery); !told.isEmpty())
        report.problems.append(told);
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
            continue;
        }
        // A subject's first start makes all six; fewer means files were lost.
        const QList<ProgressFile>& created = report.createdFiles[s - 1];
        if (!created.isEmpty() && created.size() < static_cast<int>(kProgressFiles.size())) {
            QStringList names;
            for (ProgressFile file : created)
                names << ProgressFileName(file, s, report.course.code);
            report.problems.append(
                QStringLiteral("%1 of %2 could not be found and %3 been made again from the "
                               "start. Your other files are kept.")
                    .arg(names.join(QStringLiteral(", ")), report.course.subject(s).name,
                         names.size() == 1 ? QStringLiteral("has") : QStringLiteral("have")));
        }
    }
    return report;
}

} // namespace orvanta
