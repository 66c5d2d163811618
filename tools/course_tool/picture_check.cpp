#include "picture_check.h"

#include <cstdlib>

namespace orvanta {
namespace {

quint32 le32(const QByteArray& b, qsizetype at) {
    return static_cast<quint8>(b.at(at)) | static_cast<quint8>(b.at(at + 1)) << 8 |
           static_cast<quint8>(b.at(at + 2)) << 16 |
           static_cast<quint32>(static_cast<quint8>(b.at(at + 3))) << 24;
}

quint16 le16(const QByteArray& b, qsizetype at) {
    return static_cast<quint16>(static_cast<quint8>(b.at(at)) | static_cast<quint8>(b.at(at + 1))
                                                                    << 8);
}

std::optional<QString> bitmapFault(const QByteArray& b) {
    const auto fault = [](const char* what) {
        return std::optional<QString>(
            QStringLiteral("It is not a complete Windows bitmap: %1.").arg(QLatin1String(what)));
    };
    if (b.size() < 26 || !b.startsWith("BM"))
        return fault("it does not start with a bitmap file header");
    if (le32(b, 2) != static_cast<quint32>(b.size()))
        return fault("the size in its header is not the size of the file");
    const quint32 infoSize = le32(b, 14);
    if (infoSize != 12 && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 &&
        infoSize != 124)
        return fault("its information header has an unknown size");
    if (14 + infoSize > static_cast<quint32>(b.size()))
        return fault("its information header is cut short");
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        width = le16(b, 18);
        height = le16(b, 20);
        bits = le16(b, 24);
    } else {
        width = static_cast<qint32>(le32(b, 18));
        height = static_cast<qint32>(le32(b, 22));
        bits = le16(b, 28);
        compression = le32(b, 30);
    }
    if (width <= 0 || height == 0)
        return fault("its width or height is zero");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return fault("its colour depth is not 1, 4, 8, 16, 24 or 32 bits");
    const quint32 pixels = le32(b, 10);
    if (pixels < 14 + infoSize || pixels > static_cast<quint32>(b.size()))
        return fault("its pixel data offset points outside the file");
    const qint64 stride = (width * bits + 31) / 32 * 4;
    if (compression == 0 && pixels + stride * std::abs(height) > b.size())
        return fault("its pixel rows run past the end of the file");
    return std::nullopt;
}

std::optional<QString> iconFault(const QByteArray& b) {
    const auto fault = [](const char* what) {
        return std::optional<QString>(
            QStringLiteral("It is not a complete Windows icon: %1.").arg(QLatin1String(what)));
    };
    if (b.size() < 6 || le16(b, 0) != 0 || le16(b, 2) != 1)
        return fault("it does not start with an icon header");
    const int count = le16(b, 4);
    const qint64 directoryEnd = 6 + 16 * static_cast<qint64>(count);
    if (count == 0 || directoryEnd > b.size())
        return fault("its image directory is empty or cut short");
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        const qint64 size = le32(b, entry + 8);
        const qint64 offset = le32(b, entry + 12);
        if (offset < directoryEnd || size < 8 || offset + size > b.size())
            return fault("an image of its directory lies outside the file");
        const bool png = b.mid(offset, 4) == "\x89PNG";
        if (!png && le32(b, offset) != 40)
            return fault("an image is neither a bitmap nor a PNG picture");
    }
    return std::nullopt;
}

std::optional<QString> gifFault(const QByteArray& b) {
    const auto fault = [](const char* what) {
        return std::optional<QString>(
            QStringLiteral("It is not a complete GIF picture: %1.").arg(QLatin1String(what)));
    };
    if (b.size() < 14 || !(b.startsWith("GIF87a") || b.startsWith("GIF89a")))
        return fault("it does not start with a GIF header");
    if (le16(b, 6) == 0 || le16(b, 8) == 0)
        return fault("its width or height is zero");
    if (b.back() != 0x3B)
        return fault("it does not end with the GIF trailer");
    return std::nullopt;
}

} // namespace

std::optional<QString> PictureFileFault(int number, const QByteArray& bytes) {
    if (number <= 84)
        return bitmapFault(bytes);
    if (number <= 87)
        return iconFault(bytes);
    return gifFault(bytes);
}

} // namespace orvanta
