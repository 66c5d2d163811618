#include "tools/picture_gen/image_codecs.h"

#include <algorithm>
#include <climits>
#include <map>
#include <stdexcept>
#include <unordered_map>

namespace orvanta::pictures {
namespace {

void PutU16(QByteArray& out, quint16 value) {
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void PutU32(QByteArray& out, quint32 value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

// BITMAPINFOHEADER for `width` x `height` rows at 96 dpi.
void PutInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel, quint32 imageSize) {
    constexpr quint32 kPixelsPerMetre = 3780; // 96 dpi
    PutU32(out, 40);
    PutU32(out, quint32(width));
    PutU32(out, quint32(height));
    PutU16(out, 1);
    PutU16(out, quint16(bitsPerPixel));
    PutU32(out, 0); // BI_RGB
    PutU32(out, imageSize);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, 0);
    PutU32(out, 0);
}

int RowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// Writes variable-width codes least significant bit first, as GIF wants.
class BitWriter {
public:
    void put(int code, int width) {
        buffer_ |= quint32(code) << filled_;
        filled_ += width;
        while (filled_ >= 8) {
            bytes_.append(char(buffer_ & 0xff));
            buffer_ >>= 8;
            filled_ -= 8;
        }
    }
    QByteArray finish() {
        if (filled_ > 0)
            bytes_.append(char(buffer_ & 0xff));
        buffer_ = 0;
        filled_ = 0;
        return bytes_;
    }

private:
    QByteArray bytes_;
    quint32 buffer_ = 0;
    int filled_ = 0;
};

struct WeightedColour {
    QRgb colour;
    quint64 count;
};

int Channel(QRgb c, int channel) {
    return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
}

// Widest channel of a box and its range.
std::pair<int, int> WidestChannel(const std::vector<WeightedColour>& box) {
    int best = 0;
    int bestRange = -1;
    for (int ch = 0; ch < 3; ++ch) {
        int lo = 255;
        int hi = 0;
        for (const WeightedColour& wc : box) {
            lo = std::min(lo, Channel(wc.colour, ch));
            hi = std::max(hi, Channel(wc.colour, ch));
        }
        if (hi - lo > bestRange) {
            bestRange = hi - lo;
            best = ch;
        }
    }
    return {best, bestRange};
}

QRgb Average(const std::vector<WeightedColour>& box) {
    quint64 r = 0, g = 0, b = 0, n = 0;
    for (const WeightedColour& wc : box) {
        r += qRed(wc.colour) * wc.count;
        g += qGreen(wc.colour) * wc.count;
        b += qBlue(wc.colour) * wc.count;
        n += wc.count;
    }
    return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
}

// Median cut: split the box with the widest channel at the weighted median
// until `target` boxes exist or no box can be split.
QList<QRgb> MedianCut(std::vector<WeightedColour> colours, int target) {
    std::vector<std::vector<WeightedColour>> boxes;
    boxes.push_back(std::move(colours));
    while (int(boxes.size()) < target) {
        int pick = -1;
        int pickRange = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2)
                continue;
            const int range = WidestChannel(boxes[i]).second;
            if (range > pickRange) {
                pickRange = range;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        std::vector<WeightedColour>& box = boxes[pick];
        const int ch = WidestChannel(box).first;
        std::sort(box.begin(), box.end(), [ch](const WeightedColour& a, const WeightedColour& b) {
            const int ca = Channel(a.colour, ch);
            const int cb = Channel(b.colour, ch);
            return ca != cb ? ca < cb : a.colour < b.colour;
        });
        quint64 total = 0;
        for (const WeightedColour& wc : box)
            total += wc.count;
        quint64 running = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.size(); ++i) {
            running += box[i].count;
            cut = i + 1;
            if (running * 2 >= total)
                break;
        }
        std::vector<WeightedColour> upper(box.begin() + qsizetype(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    QList<QRgb> palette;
    for (const auto& box : boxes)
        palette.append(Average(box));
    return palette;
}

int Nearest(const QList<QRgb>& palette, QRgb c) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(c);
        const int dg = qGreen(palette[i]) - qGreen(c);
        const int db = qBlue(palette[i]) - qBlue(c);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QByteArray EncodeBmp(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width();
    const int h = rgb.height();
    const int rowBytes = RowBytes(w, 24);
    const quint32 pixelBytes = quint32(rowBytes) * quint32(h);
    QByteArray out;
    out.reserve(54 + int(pixelBytes));
    out.append("BM");
    PutU32(out, 54 + pixelBytes);
    PutU32(out, 0);
    PutU32(out, 54);
    PutInfoHeader(out, w, h, 24, pixelBytes);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        out.append(rowBytes - 3 * w, '\0');
    }
    return out;
}

QByteArray EncodeIco(const QList<QImage>& images) {
    QList<QByteArray> entries;
    for (const QImage& source : images) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        const int w = image.width();
        const int h = image.height();
        if (w < 1 || h < 1 || w > 256 || h > 256)
            throw std::invalid_argument("icon images are 1 to 256 pixels a side");
        const int maskRow = RowBytes(w, 1);
        QByteArray data;
        PutInfoHeader(data, w, 2 * h, 32, quint32(w * h * 4 + maskRow * h));
        for (int y = h - 1; y >= 0; --y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x)
                PutU32(data, line[x]); // stored as B, G, R, A
        }
        // The mask marks fully transparent pixels for readers that ignore alpha.
        for (int y = h - 1; y >= 0; --y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            QByteArray row(maskRow, '\0');
            for (int x = 0; x < w; ++x) {
                if (qAlpha(line[x]) == 0)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            }
            data.append(row);
        }
        entries.append(data);
    }

    QByteArray out;
    PutU16(out, 0);
    PutU16(out, 1); // icon
    PutU16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int w = images[i].width();
        const int h = images[i].height();
        out.append(char(w >= 256 ? 0 : w));
        out.append(char(h >= 256 ? 0 : h));
        out.append('\0'); // no palette
        out.append('\0');
        PutU16(out, 1);  // planes
        PutU16(out, 32); // bits per pixel
        PutU32(out, quint32(entries[i].size()));
        PutU32(out, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray& entry : entries)
        out.append(entry);
    return out;
}

IndexedImage Quantise(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    IndexedImage result;
    result.width = image.width();
    result.height = image.height();

    std::map<QRgb, quint64> histogram;
    bool transparent = false;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                transparent = true;
            else
                ++histogram[line[x] | 0xff000000];
        }
    }

    const int room = transparent ? 255 : 256;
    std::vector<WeightedColour> colours;
    for (const auto& [colour, count] : histogram)
        colours.push_back({colour, count});
    if (int(colours.size()) <= room) {
        for (const WeightedColour& wc : colours)
            result.colours.append(wc.colour);
    } else {
        result.colours = MedianCut(colours, room);
    }

    std::map<QRgb, std::uint8_t> lookup;
    for (const WeightedColour& wc : colours)
        lookup[wc.colour] = std::uint8_t(Nearest(result.colours, wc.colour));
    if (transparent) {
        result.transparentIndex = int(result.colours.size());
        result.colours.append(qRgb(0, 0, 0));
    }
    if (result.colours.isEmpty())
        result.colours.append(qRgb(0, 0, 0));

    result.indices.reserve(size_t(result.width) * size_t(result.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                result.indices.push_back(std::uint8_t(result.transparentIndex));
            else
                result.indices.push_back(lookup.at(line[x] | 0xff000000));
        }
    }
    return result;
}

QByteArray LzwCompress(const std::vector<std::uint8_t>& indices, int minCodeSize) {
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    constexpr int kMaxCodes = 4096;

    BitWriter bits;
    std::unordered_map<quint32, int> table;
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;
    auto restart = [&] {
        table.clear();
        codeSize = minCodeSize + 1;
        nextCode = endCode + 1;
    };

    bits.put(clearCode, codeSize);
    if (indices.empty()) {
        bits.put(endCode, codeSize);
        return bits.finish();
    }
    int prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const int pixel = indices[i];
        const quint32 key = (quint32(prefix) << 8) | quint32(pixel);
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        bits.put(prefix, codeSize);
        // The decoder adds its entry one code later; it widens its codes when
        // its next free code reaches the current limit, and so do we.
        if (nextCode >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
        if (nextCode < kMaxCodes) {
            table.emplace(key, nextCode++);
        } else {
            bits.put(clearCode, codeSize);
            restart();
        }
        prefix = pixel;
    }
    bits.put(prefix, codeSize);
    if (nextCode >= (1 << codeSize) && codeSize < 12)
        ++codeSize;
    bits.put(endCode, codeSize);
    return bits.finish();
}

QByteArray EncodeGif(const IndexedImage& image) {
    if (image.colours.isEmpty() || image.colours.size() > 256)
        throw std::invalid_argument("a GIF holds 1 to 256 colours");
    int tableBits = 1;
    while ((1 << tableBits) < image.colours.size())
        ++tableBits;

    QByteArray out("GIF89a");
    PutU16(out, quint16(image.width));
    PutU16(out, quint16(image.height));
    // Global colour table present, colour resolution and table size.
    out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
    out.append(char(image.transparentIndex >= 0 ? image.transparentIndex : 0));
    out.append('\0');
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < image.colours.size() ? image.colours[i] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (image.transparentIndex >= 0) {
        out.append("\x21\xf9\x04", 3);
        out.append('\x01'); // transparent colour given
        PutU16(out, 0);     // no delay
        out.append(char(image.transparentIndex));
        out.append('\0');
    }
    out.append('\x2c');
    PutU16(out, 0);
    PutU16(out, 0);
    PutU16(out, quint16(image.width));
    PutU16(out, quint16(image.height));
    out.append('\0'); // no local table, not interlaced

    const int minCodeSize = std::max(2, tableBits);
    out.append(char(minCodeSize));
    const QByteArray data = LzwCompress(image.indices, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        out.append(char(n));
        out.append(data.constData() + at, n);
    }
    out.append('\0');
    out.append('\x3b');
    return out;
}

QByteArray EncodeGif(const QImage& image) {
    return EncodeGif(Quantise(image));
}

} // namespace orvanta::pictures
