#include "tests/support/test_support.h"
#include "tools/course_tool/course_export.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

TEST(CourseExportTest, exportWritesWhatInstallResourceWrites) {
    const ResourceLibrary course = fixtureCourse();
    QTemporaryDir dir;
    const QString folder = dir.path() + "/export/course";
    const ExportResult result = ExportResources(course, folder);
    EXPECT_TRUE(result.ok());

    const QList<int> numbers = ResourceNumbers(course);
    ASSERT_EQ(numbers.size(), 96);
    EXPECT_EQ(result.written, 96);
    EXPECT_EQ(numbers.first(), 1);
    EXPECT_EQ(numbers.last(), 30136);
    for (int number : numbers) {
        const QString installed = dir.filePath("installed");
        ASSERT_EQ(InstallResource(course, number, "CUSTOM", installed), kInstallOk);
        EXPECT_EQ(readBytes(folder + u'/' + QString::number(number)), readBytes(installed))
            << number;
    }
    EXPECT_EQ(ResourceNumbers(ResourceLibrary(folder)), numbers);
}

TEST(CourseExportTest, otherFilesOfTheFolderAreLeftAndReported) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("77777"), "an older page");
    writeBytes(dir.filePath("notes.txt"), "the author's notes");
    writeBytes(dir.filePath("30000"), "an older description");
    const ExportResult result = ExportResources(fixtureCourse(), dir.path());
    EXPECT_EQ(result.foreignFiles, QList<int>{77777});
    EXPECT_EQ(readBytes(dir.filePath("77777")), "an older page");
    EXPECT_EQ(readBytes(dir.filePath("notes.txt")), "the author's notes");
    EXPECT_EQ(readBytes(dir.filePath("30000")), *fixtureCourse().bytes(30000));
}

TEST(CourseExportTest, unwritableFolderGivesAFailurePerResource) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("file"), "not a folder");
    const ExportResult result = ExportResources(fixtureCourse(), dir.filePath("file/course"));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.written, 0);
    EXPECT_EQ(result.failures.size(), 96);
}

} // namespace
