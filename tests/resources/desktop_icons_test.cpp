// The desktop icon as the package installs it: one PNG per theme size, the
// same emblem the window shows in its title bar.
#include "tests/support/test_support.h"
#include "tools/picture_gen/desktop_icons.h"
#include "tools/picture_gen/picture_set.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta::pictures;

namespace {

const QString kName = QStringLiteral("example.orvanta.Practice");

class DesktopIconsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(theme_.isValid());
        ASSERT_EQ(WriteDesktopIcons(theme_.path(), kName), QString());
    }

    QString path(int size) const { return DesktopIconPath(theme_.path(), size, kName); }

    QTemporaryDir theme_;
};

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

TEST_F(DesktopIconsTest, everyThemeSizeIsASquarePngWithATransparentCorner) {
    ASSERT_EQ(DesktopIconSizes(), QList<int>({16, 32, 48, 64, 128, 256}));
    for (int size : DesktopIconSizes()) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(path(size).endsWith(QStringLiteral("/%1x%1/apps/%2.png").arg(size).arg(kName)));
        QImageReader reader(path(size));
        EXPECT_EQ(reader.format(), "png");
        const QImage icon = argb(reader.read());
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the badge has rounded corners";
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

// The window icon's file carries 16, 32 and 48 pixels: the desktop shows
// the very same pixels at those sizes.
TEST_F(DesktopIconsTest, matchesTheWindowIconAtTheSizesItCarries) {
    const PictureSpec* windowIcon = FindPicture(85);
    ASSERT_NE(windowIcon, nullptr);
    QBuffer ico;
    ico.setData(PictureFile(*windowIcon));
    QImageReader reader(&ico, "ico");
    int compared = 0;
    do {
        const QImage fromIco = argb(reader.read());
        ASSERT_FALSE(fromIco.isNull());
        ASSERT_TRUE(DesktopIconSizes().contains(fromIco.width())) << fromIco.width();
        EXPECT_EQ(argb(QImage(path(fromIco.width()))), fromIco) << fromIco.width();
        ++compared;
    } while (reader.jumpToNextImage());
    EXPECT_EQ(compared, 3);
}

TEST(DesktopIconsWriting, aThemeFolderThatIsAFileIsNamedInTheError) {
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("icons"));
    orvanta::test::writeBytes(blocked, "not a folder");
    const QString error = WriteDesktopIcons(blocked, kName);
    EXPECT_TRUE(error.contains(blocked)) << error.toStdString();
}

} // namespace
