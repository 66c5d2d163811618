#include "data/data_startup.h"
#include "data/record_file.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// A course library with the fixture course and all 89 pictures, each picture
// a few distinct bytes.
ResourceLibrary fullLibrary(const QString& folder) {
    const ResourceLibrary library = copyFixtureCourse(folder);
    for (const InterfacePicture& p : InterfacePictures())
        writeBytes(library.pathOf(p.number), QByteArray("picture ") + p.fileName);
    return library;
}

QStringList progressFilesIn(const QString& folder) {
    return QDir(folder).entryList({"*Q4.txt"}, QDir::Files, QDir::Name);
}

TEST(DataStartUpTest, firstRunInAnEmptyFolderInstallsPicturesAndAllProgressFiles) {
    TempAppFolder temp;
    const AppFolder home(temp.file("home/deeper"));
    const StartUpReport report = RunDataStartUp(fullLibrary(temp.file("lib")), home);
    EXPECT_TRUE(report.problems.isEmpty()) << report.problems.join("\n").toStdString();
    EXPECT_EQ(report.picturesInstalled, 89);
    EXPECT_EQ(QDir(home.graphicsFolder()).entryList(QDir::Files).size(), 89);
    EXPECT_EQ(readBytes(home.graphicsFile("Border_bot_left.gif")), "picture Border_bot_left.gif");
    EXPECT_EQ(progressFilesIn(home.path()).size(), 18);
    for (const auto& created : report.createdFiles)
        EXPECT_EQ(created.size(), 6);
    EXPECT_FALSE(QFile::exists(home.courseScratchFile()));
    EXPECT_EQ(report.course.title, "Orvanta Sample Course");
}

TEST(DataStartUpTest, laterRunsKeepResultsAndRecreateOnlyWhatIsMissing) {
    TempAppFolder temp;
    const ResourceLibrary library = fullLibrary(temp.file("lib"));
    const AppFolder home(temp.file("home"));
    RunDataStartUp(library, home);
    const QString summary2 = home.file("marks2Q4.txt");
    writeBytes(summary2, "#FSE#>66.7\r\n");
    writeBytes(home.file("fresults1Q4.txt"), "#101#>\xfc\r\n");
    QFile::remove(home.file("trend2Q4.txt"));
    writeBytes(home.graphicsFile("bullet.bmp"), "damaged");

    const StartUpReport report = RunDataStartUp(library, home);
    EXPECT_TRUE(report.createdFiles[0].isEmpty());
    EXPECT_EQ(report.createdFiles[1], QList<ProgressFile>({ProgressFile::Trend}));
    EXPECT_TRUE(report.createdFiles[2].isEmpty());
    EXPECT_EQ(readBytes(summary2), "#FSE#>66.7\r\n");
    EXPECT_EQ(readBytes(home.file("fresults1Q4.txt")), "#101#>\xfc\r\n");
    EXPECT_EQ(readBytes(home.file("trend2Q4.txt")), "#TRD#\r\n");
    EXPECT_EQ(readBytes(home.graphicsFile("bullet.bmp")), "picture bullet.bmp");
}

// Every start installs the pictures again; one that already holds its bytes
// is left in place (no new file), one with other bytes of the same size is
// replaced.
TEST(DataStartUpTest, laterRunsLeavePicturesThatHoldTheirBytes) {
    TempAppFolder temp;
    const ResourceLibrary library = fullLibrary(temp.file("lib"));
    const AppFolder home(temp.file("home"));
    RunDataStartUp(library, home);
    const auto inode = [&](const char* name) {
        struct stat info {};
        return ::stat(QFile::encodeName(home.graphicsFile(name)).constData(), &info) == 0
                   ? info.st_ino
                   : ino_t(0);
    };
    const ino_t keptBefore = inode("bullet.bmp");
    writeBytes(home.graphicsFile("about_on.bmp"), "picture about_no.bmp");
    const ino_t changedBefore = inode("about_on.bmp");

    const StartUpReport report = RunDataStartUp(library, home);
    EXPECT_EQ(report.picturesInstalled, 89);
    EXPECT_EQ(inode("bullet.bmp"), keptBefore);
    EXPECT_NE(inode("about_on.bmp"), changedBefore);
    EXPECT_EQ(readBytes(home.graphicsFile("about_on.bmp")), "picture about_on.bmp");
}

TEST(DataStartUpTest, staleFilesOfAnInterruptedSaveAreCleared) {
    TempAppFolder temp;
    writeBytes(temp.file(".marks1Q4.txt.tmp-Ab12Cd"), "half a file");
    const StartUpReport report = RunDataStartUp(fullLibrary(temp.file("lib")), temp.folder());
    EXPECT_EQ(report.staleFilesRemoved, 1);
    EXPECT_FALSE(QFile::exists(temp.file(".marks1Q4.txt.tmp-Ab12Cd")));
}

TEST(DataStartUpTest, missingPicturesAndCourseAreReportedNotFatal) {
    TempAppFolder temp;
    const ResourceLibrary library = copyFixtureCourse(temp.file("lib"));
    QFile::remove(library.pathOf(30000));
    const StartUpReport report = RunDataStartUp(library, temp.folder());
    EXPECT_GT(report.pictureFailures.size(), 80);
    EXPECT_EQ(report.problems.size(), 2);
    EXPECT_EQ(report.course.presentSubjectCount(), 0);
    EXPECT_TRUE(progressFilesIn(temp.path()).isEmpty());
}

TEST(DataStartUpTest, unusableFolderIsReported) {
    TempAppFolder temp;
    writeBytes(temp.file("plain-file"), "x");
    const StartUpReport report =
        RunDataStartUp(fixtureCourse(), AppFolder(temp.file("plain-file/home")));
    EXPECT_FALSE(report.folderReady);
    ASSERT_EQ(report.problems.size(), 1);
    EXPECT_TRUE(report.problems.first().contains("plain-file/home"));
}

} // namespace
