#pragma once

#include <QString>

namespace orvanta {

// The writable folder the program keeps its files in: the installed pictures
// ("Graphics"), short-lived scratch and page files, and the pupil's progress
// files. An installed program's own folder is not writable, so this is a
// per-user folder, or the folder named by ORVANTA_HOME (tests, portable use).
class AppFolder {
public:
    explicit AppFolder(QString path);

    // ORVANTA_HOME when set, else the per-user application data folder.
    // The application name must be set on the QCoreApplication beforehand.
    static AppFolder fromEnvironment();

    const QString& path() const { return path_; }
    QString file(const QString& name) const;
    QString graphicsFolder() const;
    QString graphicsFile(const QString& name) const;

    // Scratch file of the course description, deleted right after reading.
    QString courseScratchFile() const;
    // Scratch file of one subject table, deleted right after each reading.
    QString tableScratchFile() const;
    // Page file of a question while it is shown.
    QString pageFile(const QString& questionNumber) const;

    // Creates the folder with its parents; true when it exists afterwards.
    bool ensureExists() const;

private:
    QString path_;
};

} // namespace orvanta
