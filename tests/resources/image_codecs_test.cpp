// The GIF encoder against Qt's GIF reader, colour reduction, and the icon
// and bitmap writers read back by Qt.
#include "tools/picture_gen/image_codecs.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>

using namespace orvanta::pictures;

namespace {

QImage Decode(const QByteArray& bytes, const char* format) {
    return QImage::fromData(bytes, format).convertToFormat(QImage::Format_ARGB32);
}

// Compares pixel by pixel; transparent pixels compare by alpha alone.
::testing::AssertionResult SamePixels(const QImage& expected, const QImage& actual) {
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << " instead of "
               << expected.width() << "x" << expected.height();
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb e = expected.pixel(x, y);
            const QRgb a = actual.pixel(x, y);
            const bool same = qAlpha(e) == 0 ? qAlpha(a) == 0 : e == a;
            if (!same)
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << std::hex << a << " not " << e;
        }
    }
    return ::testing::AssertionSuccess();
}

struct GifCase {
    const char* name;
    int width;
    int height;
    int colours;      // distinct opaque colours used
    bool transparent; // some pixels clear
    bool noisy;       // random pixels, so the code table fills and restarts
};

QImage MakeImage(const GifCase& c) {
    QImage image(c.width, c.height, QImage::Format_ARGB32);
    std::mt19937 random(1234);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const int k = c.noisy ? int(random() % unsigned(c.colours)) : (x / 3 + y) % c.colours;
            QRgb colour = qRgb((k * 37) % 256, (k * 91) % 256, k);
            if (c.transparent && (x + 2 * y) % 7 == 0)
                colour = qRgba(0, 0, 0, 0);
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

TEST(GifEncoderTest, paletteImagesComeBackExactlyThroughQtsReader) {
    const GifCase cases[] = {
        {"single_pixel", 1, 1, 1, false, false},
        {"two_colours", 17, 5, 2, false, false},
        {"four_colour_stripes", 64, 40, 4, false, false},
        {"clear_pixels_among_three_colours", 33, 21, 3, true, false},
        {"all_256_colours_noisy", 300, 200, 256, false, true},
        {"255_colours_and_clear_noisy", 257, 131, 255, true, true},
        {"wide_single_row", 4000, 1, 16, false, true},
    };
    for (const GifCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = MakeImage(c);
        const QByteArray gif = EncodeGif(image);
        EXPECT_TRUE(gif.startsWith("GIF89a"));
        const QImage back = Decode(gif, "GIF");
        ASSERT_FALSE(back.isNull());
        EXPECT_TRUE(SamePixels(image, back));
    }
}

TEST(GifEncoderTest, moreThan256ColoursAreReducedCloseToTheOriginal) {
    QImage image(128, 96, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 2, (x + y) % 256));
    }
    const IndexedImage indexed = Quantise(image);
    EXPECT_LE(indexed.colours.size(), 256);
    EXPECT_EQ(indexed.transparentIndex, -1);
    const QImage back = Decode(EncodeGif(indexed), "GIF");
    ASSERT_EQ(back.size(), image.size());
    int worst = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, y);
            const QRgb b = back.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    EXPECT_LE(worst, 24);
}

TEST(GifEncoderTest, halfTransparentPixelsSplitAtHalfAlpha) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 127));
    image.setPixel(1, 0, qRgba(10, 20, 30, 128));
    image.setPixel(2, 0, qRgba(10, 20, 30, 255));
    const IndexedImage indexed = Quantise(image);
    EXPECT_EQ(int(indexed.indices[0]), indexed.transparentIndex);
    EXPECT_NE(int(indexed.indices[1]), indexed.transparentIndex);
    EXPECT_EQ(indexed.indices[1], indexed.indices[2]);
}

TEST(IconWriterTest, everySizeReadsBackWithItsAlpha) {
    QList<QImage> sizes;
    for (int side : {16, 32, 48}) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(qRgba(0, 0, 0, 0));
        for (int i = 0; i < side; ++i)
            image.setPixel(i, i, qRgba(200, 40, side, 255));
        sizes.append(image);
    }
    const QByteArray ico = EncodeIco(sizes);
    QImage back = Decode(ico, "ICO");
    // Qt reads the first entry of an icon file.
    EXPECT_TRUE(SamePixels(sizes.first(), back));
}

TEST(BitmapWriterTest, rowsReadBackInOrderWithPadding) {
    // A width of 5 needs one padding byte a row; odd rows catch a flipped order.
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(x * 50, y * 100, 7));
    }
    const QByteArray bmp = EncodeBmp(image);
    EXPECT_EQ(bmp.size(), 54 + 3 * 16);
    EXPECT_TRUE(SamePixels(image.convertToFormat(QImage::Format_ARGB32), Decode(bmp, "BMP")));
}

} // namespace
