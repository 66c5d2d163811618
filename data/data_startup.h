#pragma once

#include "app_folder.h"
#include "course_content.h"
#include "file_change.h"
#include "progress_store.h"
#include "resource_install.h"

#include <QList>
#include <QString>

#include <array>

// The start-up's data steps, in order: the application folder made, a change
// of the pupil's files that a crash interrupted finished or undone
// (file_change.h), stale temporary files of an interrupted save removed, the
// interface pictures written into "Graphics", the course description read,
// and the progress files a present subject lacks created from their
// templates (files that exist are never touched; a subject that lacked only
// some of its files is told which).
namespace orvanta {

struct PictureFailure {
    int number;
    QString fileName;
    quint32 error;
};

struct StartUpReport {
    bool folderReady = false;
    RecoveryResult recovery;
    int staleFilesRemoved = 0;
    int picturesInstalled = 0;
    QList<PictureFailure> pictureFailures;
    CourseDescription course;
    std::array<QList<ProgressFile>, kSubjectCount> createdFiles; // per subject 1..3 at 0..2
    QStringList problems; // readable, for the pupil; empty when all went well
};

// Writes every interface picture into the "Graphics" folder (made with its
// parents). Failures are collected, not fatal: a missing picture shows as
// missing later.
void InstallInterfacePictures(const ResourceLibrary& library, const AppFolder& folder,
                              StartUpReport& report);

// What the pupil is told about a change finished or dropped at the start:
// empty when there is nothing to tell (no change was under way, or one that
// never reached its commit point was undone: the pupil was told it failed).
QString RecoveryNotice(const RecoveryResult& recovery);

// Runs all the steps. Never throws: a fault is reported in `problems` and the
// steps that depend on it are skipped.
StartUpReport RunDataStartUp(const ResourceLibrary& library, const AppFolder& folder);

} // namespace orvanta
