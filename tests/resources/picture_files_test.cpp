// The interface pictures as the generator writes them: one complete file per
// resource number, of the kind its installed name says, sized for the
// windows' layout, with distinct button states and frame pieces that join.
#include "data/resource_install.h"
#include "tests/support/test_support.h"
#include "tools/picture_gen/picture_set.h"
#include "tools/picture_gen/style.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>

using namespace orvanta;
using namespace orvanta::pictures;
using orvanta::test::readBytes;

namespace {

class PictureFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        ASSERT_EQ(WritePictures(dir_->path()), QString());
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString path(int number) { return QDir(dir_->path()).filePath(QString::number(number)); }
    static QByteArray bytes(int number) { return readBytes(path(number)); }

    // Every image of the file (one, or one per icon size).
    static QList<QImage> images(int number) {
        QImageReader reader(path(number));
        QList<QImage> list;
        do {
            const QImage image = reader.read();
            if (image.isNull())
                break;
            list.append(image.convertToFormat(QImage::Format_ARGB32));
        } while (reader.jumpToNextImage());
        return list;
    }
    static QImage image(int number) {
        const QList<QImage> list = images(number);
        return list.isEmpty() ? QImage() : list.first();
    }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> PictureFilesTest::dir_;

quint32 U32At(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 U16At(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

TEST_F(PictureFilesTest, everyInstalledPictureIsWrittenAndNothingElse) {
    QStringList expected;
    for (const InterfacePicture& picture : InterfacePictures())
        expected.append(QString::number(picture.number));
    QStringList written = QDir(dir_->path()).entryList(QDir::Files);
    std::sort(expected.begin(), expected.end());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, expected);
    EXPECT_EQ(PictureSpecs().size(), InterfacePictures().size());
}

TEST_F(PictureFilesTest, eachFileIsACompletePictureOfTheKindItsNameSays) {
    for (const InterfacePicture& picture : InterfacePictures()) {
        SCOPED_TRACE(picture.fileName);
        const QByteArray file = bytes(picture.number);
        const PictureSpec* spec = FindPicture(picture.number);
        ASSERT_NE(spec, nullptr);
        const QString name = QString::fromLatin1(picture.fileName).toLower();
        QBuffer buffer;
        buffer.setData(file);
        const QByteArray format = QImageReader(&buffer).format();
        if (name.endsWith(".bmp")) {
            ASSERT_GE(file.size(), 54);
            EXPECT_EQ(file.left(2), "BM");
            EXPECT_EQ(U32At(file, 2), quint32(file.size()));
            EXPECT_EQ(U32At(file, 14), 40u); // BITMAPINFOHEADER
            EXPECT_EQ(U16At(file, 28), 24u);
            EXPECT_EQ(U32At(file, 30), 0u); // uncompressed
            EXPECT_EQ(format, "bmp");
        } else if (name.endsWith(".ico")) {
            EXPECT_EQ(file.left(4), QByteArray("\0\0\1\0", 4));
            EXPECT_EQ(U16At(file, 4), quint16(spec->sizes.size()));
            EXPECT_EQ(format, "ico");
        } else {
            ASSERT_TRUE(name.endsWith(".gif"));
            EXPECT_EQ(file.left(6), "GIF89a");
            EXPECT_EQ(file.right(1), ";");
            EXPECT_EQ(format, "gif");
        }
        const QList<QImage> decoded = images(picture.number);
        ASSERT_EQ(decoded.size(), spec->sizes.size());
        for (qsizetype i = 0; i < decoded.size(); ++i)
            EXPECT_EQ(decoded[i].size(), spec->sizes[i]) << "image " << i;
    }
}

struct LayoutCase {
    const char* name;
    std::vector<int> numbers;
    int widthTwips;
    int heightTwips;
};

// Sizes the windows' layout gives in twips (15 to a pixel at 96 dpi).
TEST_F(PictureFilesTest, sizesFollowTheWindowLayout) {
    std::vector<int> toolbar;
    for (int n = 1; n <= 37; ++n)
        toolbar.push_back(n);
    const LayoutCase cases[] = {
        {"toolbar_buttons", toolbar, 660, 675}, {"page_buttons", {70, 71, 72}, 1200, 375},
        {"marking_bar_cell", {79}, 165, 285},   {"marking_bar_panel", {76}, 3000, 375},
        {"resize_grip", {80}, 120, 120},        {"score_panel_beside_the_toolbar", {83}, 1755, 675},
    };
    for (const LayoutCase& c : cases) {
        for (int number : c.numbers) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(number));
            EXPECT_EQ(image(number).size(),
                      QSize(c.widthTwips / kTwipsPerPixel, c.heightTwips / kTwipsPerPixel));
        }
    }
}

TEST_F(PictureFilesTest, piecesFitWhereTheWindowsPlaceThem) {
    const int bar = image(51).height();
    for (int n = 50; n <= 55; ++n)
        EXPECT_EQ(image(n).height(), bar) << n;
    for (int n = 56; n <= 67; ++n)
        EXPECT_LT(image(n).height(), bar) << n;
    // Four tabs overlapping by 4 pixels from x = 2 stay inside the main
    // window (6070 twips wide).
    EXPECT_LE(2 + 4 * image(41).width() - 12, 6070 / kTwipsPerPixel);
    // The tabs stand above the strip at y = 60 and below the top bar.
    EXPECT_LE(bar + image(43).height(), 60);
    // The two rows of a paper block are 240 twips apart.
    EXPECT_LE(image(68).height() * kTwipsPerPixel, 240);
    // The handle fits its 100-twip strip; the answer sheet is 4095 wide.
    EXPECT_LE(image(82).width() * kTwipsPerPixel, 100);
    EXPECT_LE(image(90).width() * kTwipsPerPixel, 4095);
    // The main window puts the side frame at x = 2 under the tab strip.
    EXPECT_EQ(image(46).width(), 2);
    for (int n : {85, 86}) {
        QList<QSize> sizes;
        for (const QImage& icon : images(n))
            sizes.append(icon.size());
        EXPECT_EQ(sizes, QList<QSize>({{16, 16}, {32, 32}, {48, 48}})) << n;
    }
}

TEST_F(PictureFilesTest, everyStateOfAControlLooksDifferent) {
    const std::vector<std::vector<int>> groups = {
        {1, 2, 3},        {4, 5, 6, 7},     {8, 9, 10},   {11, 12, 13, 14}, {15, 16, 17},
        {18, 19, 20, 21}, {22, 23, 24},     {25, 26, 27}, {28, 29, 30, 31}, {32, 33, 34},
        {35, 36, 37},     {41, 42, 43, 44}, {50, 53},     {51, 54},         {52, 55},
        {56, 60, 64},     {57, 61, 65},     {58, 62, 66}, {59, 63, 67},     {68, 69},
        {70, 71, 72},
    };
    for (const auto& group : groups) {
        for (size_t i = 0; i < group.size(); ++i) {
            for (size_t j = i + 1; j < group.size(); ++j)
                EXPECT_NE(image(group[i]), image(group[j]))
                    << group[i] << " and " << group[j] << " look the same";
        }
    }
    // Different commands have different pictograms.
    EXPECT_NE(image(15), image(25));
    EXPECT_NE(image(5), image(12));
}

TEST_F(PictureFilesTest, framePiecesJoinWithoutASeam) {
    const QImage left = image(46);
    const QImage right = image(48);
    const QImage bottom = image(45);
    const int sideWidth = left.width();
    for (int top : {51, 54}) {
        const QImage piece = image(top);
        for (int x = 0; x < sideWidth; ++x)
            EXPECT_EQ(piece.pixel(x, piece.height() - 1), left.pixel(x, 0)) << top << " x " << x;
    }
    for (int top : {52, 55}) {
        const QImage piece = image(top);
        for (int x = 0; x < sideWidth; ++x)
            EXPECT_EQ(piece.pixel(piece.width() - sideWidth + x, piece.height() - 1),
                      right.pixel(x, 0))
                << top << " x " << x;
    }
    // Square corners continue the side above and the bottom beside them.
    const QImage squareLeft = image(47);
    const QImage squareRight = image(49);
    for (int x = 0; x < sideWidth; ++x) {
        EXPECT_EQ(squareLeft.pixel(x, 0), left.pixel(x, 0));
        EXPECT_EQ(squareRight.pixel(x, 0), right.pixel(x, 0));
    }
    for (int y = 0; y < bottom.height(); ++y) {
        EXPECT_EQ(squareLeft.pixel(squareLeft.width() - 1, y), bottom.pixel(0, y));
        EXPECT_EQ(squareRight.pixel(0, y), bottom.pixel(0, y));
    }
    // The pop-up's round corners do the same at their straight ends.
    const QImage roundLeft = image(91);
    const QImage roundRight = image(92);
    const int s = roundLeft.width();
    for (int x = 0; x < sideWidth; ++x) {
        EXPECT_EQ(roundLeft.pixel(x, 0), left.pixel(x, 0));
        EXPECT_EQ(roundRight.pixel(s - sideWidth + x, 0), right.pixel(x, 0));
    }
    for (int y = 0; y < bottom.height(); ++y) {
        const int row = s - bottom.height() + y;
        EXPECT_EQ(roundLeft.pixel(s - 1, row), bottom.pixel(0, y));
        EXPECT_EQ(roundRight.pixel(0, row), bottom.pixel(0, y));
    }
    // Outside the outline and inside the window the round corners are clear.
    EXPECT_EQ(qAlpha(roundLeft.pixel(0, s - 1)), 0);
    EXPECT_EQ(qAlpha(roundLeft.pixel(s - 1, 0)), 0);
    EXPECT_EQ(qAlpha(roundRight.pixel(s - 1, s - 1)), 0);
}

TEST_F(PictureFilesTest, titleButtonsSitOnTheBarWithoutAnEdge) {
    // Centred on the bar, a button's corner pixels are the bar's own.
    const struct {
        int button;
        int bar;
    } cases[] = {{60, 50}, {61, 50}, {62, 50}, {63, 50}, {64, 53}, {65, 53}, {66, 53}, {67, 53}};
    for (const auto& c : cases) {
        const QImage button = image(c.button);
        const QImage bar = image(c.bar);
        const int top = (bar.height() - button.height()) / 2;
        EXPECT_EQ(button.pixel(0, 0), bar.pixel(0, top)) << c.button;
        EXPECT_EQ(button.pixel(0, button.height() - 1), bar.pixel(0, top + button.height() - 1))
            << c.button;
    }
}

TEST_F(PictureFilesTest, logoAndInfoMarkHaveClearBackgrounds) {
    for (int n : {88, 89, 90}) {
        const QImage picture = image(n);
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << n;
        EXPECT_EQ(qAlpha(picture.pixel(picture.width() / 2, picture.height() / 2)), 255) << n;
    }
}

TEST_F(PictureFilesTest, drawingTwiceGivesTheSameBytes) {
    QTemporaryDir second;
    ASSERT_EQ(WritePictures(second.path()), QString());
    for (const InterfacePicture& picture : InterfacePictures()) {
        const QString name = QString::number(picture.number);
        EXPECT_EQ(readBytes(QDir(second.path()).filePath(name)), bytes(picture.number))
            << picture.fileName;
    }
}

} // namespace
