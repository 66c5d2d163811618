#include "tests/support/test_support.h"
#include "tools/course_tool/course_check.h"
#include "tools/course_tool/picture_check.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

void putLe32(QByteArray& b, qsizetype at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}

void putLe16(QByteArray& b, qsizetype at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}

// A 2 x 2 24-bit Windows bitmap: 54 header bytes and two rows of 8 bytes.
QByteArray bitmap() {
    QByteArray b(54 + 16, '\0');
    b[0] = 'B';
    b[1] = 'M';
    putLe32(b, 2, static_cast<quint32>(b.size()));
    putLe32(b, 10, 54);
    putLe32(b, 14, 40);
    putLe32(b, 18, 2);
    putLe32(b, 22, 2);
    putLe16(b, 26, 1);
    putLe16(b, 28, 24);
    return b;
}

// An icon holding one PNG-coded image.
QByteArray icon() {
    QByteArray b(6 + 16, '\0');
    putLe16(b, 2, 1);
    putLe16(b, 4, 1);
    const QByteArray png = "\x89PNG\r\n\x1a\n-pretend-image-data";
    putLe32(b, 6 + 8, static_cast<quint32>(png.size()));
    putLe32(b, 6 + 12, static_cast<quint32>(b.size()));
    return b + png;
}

QByteArray gif() {
    return QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14);
}

QByteArray pictureFor(int number) {
    return number <= 84 ? bitmap() : number <= 87 ? icon() : gif();
}

struct PictureCase {
    const char* name;
    int number;
    QByteArray bytes;
    bool sound;
};

const PictureCase kPictureCases[] = {
    {"bitmap", 1, bitmap(), true},
    {"icon", 85, icon(), true},
    {"gif", 92, gif(), true},
    {"bitmap_cut_short", 5, bitmap().left(60), false},
    {"bitmap_rows_beyond_the_end", 7,
     [] {
         QByteArray b = bitmap();
         putLe32(b, 22, 3);
         return b;
     }(),
     false},
    {"gif_in_place_of_a_bitmap", 2, gif(), false},
    {"bitmap_in_place_of_an_icon", 86, bitmap(), false},
    {"icon_image_outside_the_file", 87, icon().left(30), false},
    {"gif_without_trailer", 89, gif().chopped(1), false},
};

class PictureCheckTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureCheckTest, completeFilesOfTheirKindPass) {
    const PictureCase& c = GetParam();
    const auto fault = PictureFileFault(c.number, c.bytes);
    EXPECT_EQ(!fault.has_value(), c.sound) << (fault ? fault->toStdString() : "");
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureCheckTest, ::testing::ValuesIn(kPictureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InterfacePicturesTest, everyMissingOrDamagedPictureIsNamed) {
    QTemporaryDir dir;
    const ResourceLibrary library(dir.path());
    EXPECT_FALSE(HoldsInterfacePictures(library));
    for (const InterfacePicture& picture : InterfacePictures())
        writeBytes(library.pathOf(picture.number), pictureFor(picture.number));
    EXPECT_TRUE(HoldsInterfacePictures(library));
    EXPECT_TRUE(CheckInterfacePictures(library).isEmpty());

    QFile::remove(library.pathOf(82));
    writeBytes(library.pathOf(90), bitmap());
    const QList<CourseProblem> problems = CheckInterfacePictures(library);
    ASSERT_EQ(problems.size(), 2);
    EXPECT_EQ(problems.at(0).resource, 82);
    EXPECT_TRUE(problems.at(0).what.contains("\"Handle.bmp\" is missing"));
    EXPECT_EQ(problems.at(1).resource, 90);
    EXPECT_TRUE(problems.at(1).what.contains("not a complete GIF picture"));
}

} // namespace
