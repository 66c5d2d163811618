#include "test_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <stdexcept>

namespace orvanta::test {

void writeBmp(const QString& path, QSize size, QColor colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path, "BMP"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

// Qt writes no GIF, so this encodes one by hand: a two-colour palette and
// 3-bit LZW codes, with a clear code after every two pixels so the code
// width never grows.
void writeGif(const QString& path, QSize size, QColor colour) {
    QByteArray gif("GIF89a");
    auto word = [&gif](int v) { gif.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    word(size.width());
    word(size.height());
    gif.append(char(0x80)).append(char(0)).append(char(0)); // 2-entry global palette
    gif.append(char(colour.red())).append(char(colour.green())).append(char(colour.blue()));
    gif.append(3, char(0));
    gif.append(char(0x2C));
    word(0);
    word(0);
    word(size.width());
    word(size.height());
    gif.append(char(0));
    gif.append(char(2)); // LZW minimum code size

    constexpr int kClear = 4;
    constexpr int kEnd = 5;
    QByteArray data;
    quint32 bits = 0;
    int bitCount = 0;
    auto emitCode = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    const int pixels = size.width() * size.height();
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            emitCode(kClear);
        emitCode(0);
    }
    emitCode(kEnd);
    if (bitCount > 0)
        data.append(char(bits & 0xFF));
    for (int at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size())).append(block);
    }
    gif.append(char(0)).append(char(0x3B));
    writeBytes(path, gif);
}

void writeFramePictures(const QString& folder) {
    QDir().mkpath(folder);
    auto bmp = [&](const QString& name, QSize size, QColor colour) {
        writeBmp(folder + u'/' + name, size, colour);
    };
    const QColor blue(40, 90, 200);
    const QColor white(235, 240, 250);
    bmp(QStringLiteral("border_top_left.bmp"), kTopEnd, blue);
    bmp(QStringLiteral("border_top_center.bmp"), kTopCentre, blue);
    bmp(QStringLiteral("border_top_right.bmp"), kTopEnd, blue);
    bmp(QStringLiteral("border_white_top_left.bmp"), kTopEnd, white);
    bmp(QStringLiteral("border_white_top_center.bmp"), kTopCentre, white);
    bmp(QStringLiteral("border_white_top_right.bmp"), kTopEnd, white);
    bmp(QStringLiteral("border_left.bmp"), kSide, blue);
    bmp(QStringLiteral("border_right.bmp"), kSide, blue);
    bmp(QStringLiteral("border_bot.bmp"), kBottom, blue);
    bmp(QStringLiteral("border_left_corners.bmp"), kBottomCorner, blue.darker());
    bmp(QStringLiteral("border_right_corners.bmp"), kBottomCorner, blue.darker());
    writeGif(folder + QStringLiteral("/Border_bot_left.gif"), kPopUpCorner, blue.darker());
    writeGif(folder + QStringLiteral("/Border_bot_right.gif"), kPopUpCorner, blue.darker());
    for (const char* action : {"close", "max", "min", "norm"}) {
        const QString a = QLatin1String(action);
        bmp("prog_blue_" + a + ".bmp", kTitleButton, QColor(250, 160, 40));
        bmp("prog_blueoff_" + a + ".bmp", kTitleButton, QColor(20, 60, 160));
        bmp("prog_white_" + a + ".bmp", kTitleButton, QColor(200, 200, 200));
    }
    bmp(QStringLiteral("button_off.bmp"), kButton, QColor(180, 200, 240));
    bmp(QStringLiteral("button_on.bmp"), kButton, QColor(250, 200, 90));
    writeGif(folder + QStringLiteral("/info_mark.gif"), kInfoMark, QColor(30, 120, 220));
}

SkinFixture::SkinFixture(bool withPictures)
    : pictures_(std::make_shared<PictureSource>(app_.folder().graphicsFolder())) {
    if (withPictures)
        writeFramePictures(app_.folder().graphicsFolder());
}

SkinContext SkinFixture::skin() const {
    return SkinContext{pictures_, [cursor = cursor_] { return *cursor; }};
}

} // namespace orvanta::test
