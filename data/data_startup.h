#pragma once

#include "app_folder.h"
#include "course_content.h"
#include "progress_store.h"
#include "resource_install.h"

#include <QList>
#include <QString>

#include <array>

// The start-up's data steps, in order: the application folder made, stale
// temporary files of an interrupted save removed, the interface pictures
// written into "Graphics", the course description read, and the progress files
// a present subject lacks created from their templates (files that exist are
// never touched).
namespace orvanta {

struct PictureFailure {
    int number;
    QString fileName;
    quint32 error;
};

struct StartUpReport {
    bool folderReady = false;
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

// Runs all the steps. Never throws: a fault is reported in `problems` and the
// steps that depend on it are skipped.
StartUpReport RunDataStartUp(const ResourceLibrary& library, const AppFolder& folder);

} // namespace orvanta
