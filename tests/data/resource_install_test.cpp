#include "data/resource_install.h"
#include "tests/support/test_support.h"

#include <QFile>

#include <gtest/gtest.h>

#include <set>

using namespace orvanta;
using namespace orvanta::test;

namespace {

TEST(ResourceInstallTest, installedFileHoldsTheResourceBytesUnchanged) {
    TempAppFolder temp;
    const ResourceLibrary course = fixtureCourse();
    for (int number : {30000, 10001, 30113, 1}) {
        const QString target = temp.file(QString::number(number) + ".out");
        EXPECT_EQ(InstallResource(course, number, "CUSTOM", target), kInstallOk);
        EXPECT_EQ(readBytes(target), *course.bytes(number)) << number;
    }
}

TEST(ResourceInstallTest, templateOverALongerFileLeavesExactlyTheTemplate) {
    TempAppFolder temp;
    const QString target = temp.file("first1Q4.txt");
    writeBytes(target, QByteArray(100000, 'x'));
    ASSERT_EQ(InstallResource(fixtureCourse(), 30112, "CUSTOM", target), kInstallOk);
    EXPECT_EQ(readBytes(target), *fixtureCourse().bytes(30112));
}

TEST(ResourceInstallTest, failuresReturnANumberAndCreateNoFile) {
    TempAppFolder temp;
    const QString target = temp.file("x.txt");
    EXPECT_EQ(InstallResource(fixtureCourse(), 29999, "CUSTOM", target), kResourceNotFound);
    EXPECT_EQ(InstallResource(fixtureCourse(), 30000, "BITMAP", target), kUnknownResourceType);
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_NE(InstallResource(fixtureCourse(), 30000, "CUSTOM", temp.file("none/x.txt")), 0u);
    EXPECT_FALSE(InstallErrorText(kResourceNotFound).isEmpty());
}

TEST(ResourceInstallTest, failedInstallKeepsTheOldTarget) {
    TempAppFolder temp;
    const QString target = temp.file("marks1Q4.txt");
    writeBytes(target, "pupil's results");
    EXPECT_NE(InstallResource(fixtureCourse(), 29999, "CUSTOM", target), 0u);
    EXPECT_EQ(readBytes(target), "pupil's results");
}

TEST(ResourceInstallTest, pictureListHas89UniqueNamesAndSkips38To40) {
    const auto& pictures = InterfacePictures();
    std::set<int> numbers;
    std::set<std::string> names;
    for (const auto& p : pictures) {
        numbers.insert(p.number);
        names.insert(p.fileName);
    }
    EXPECT_EQ(numbers.size(), 89u);
    EXPECT_EQ(names.size(), 89u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 92);
    for (int absent : {38, 39, 40})
        EXPECT_EQ(numbers.count(absent), 0u);
    EXPECT_EQ(PictureFileName(82), "Handle.bmp");
    EXPECT_EQ(PictureFileName(91), "Border_bot_left.gif");
    EXPECT_EQ(PictureFileName(39), "");
}

TEST(ResourceInstallTest, libraryReadsAFolderOrTheRegisteredBundle) {
    const ResourceLibrary folder(fixturePath("course") + "/");
    EXPECT_TRUE(folder.contains(30000));
    EXPECT_FALSE(folder.contains(30001));
    EXPECT_EQ(ResourceLibrary::bundledRoot(), ":/orvanta");
}

} // namespace
