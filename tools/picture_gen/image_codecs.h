#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <vector>

// Writers for the three picture file kinds the program installs. Each
// returns the complete file; the same image always gives the same bytes.
namespace orvanta::pictures {

// Windows bitmap: BITMAPINFOHEADER, 24 bits a pixel, uncompressed, rows
// bottom-up and padded to 4 bytes, 96 dpi. Alpha is dropped.
QByteArray EncodeBmp(const QImage& image);

// Windows icon holding one entry per image (each at most 256 pixels a side),
// 32 bits a pixel with alpha and the matching 1-bit mask.
QByteArray EncodeIco(const QList<QImage>& images);

// An image reduced to at most 256 colours. `transparentIndex` is -1 when no
// pixel is transparent.
struct IndexedImage {
    int width = 0;
    int height = 0;
    QList<QRgb> colours;
    std::vector<std::uint8_t> indices; // row by row, width * height
    int transparentIndex = -1;
};

// Pixels with alpha below 128 become one transparent colour; the others keep
// their colour when the image holds at most 256 (255 with transparency),
// otherwise they are reduced by median cut and mapped to the nearest colour.
IndexedImage Quantise(const QImage& image);

// GIF89a with one frame and a global colour table; LZW-compressed with the
// code table restarted when full; a graphic control extension names the
// transparent colour when there is one.
QByteArray EncodeGif(const IndexedImage& image);
QByteArray EncodeGif(const QImage& image);

// LZW codes of a GIF image data stream (without the sub-block framing), for
// `minCodeSize` 2..8. Exposed for tests of the encoder.
QByteArray LzwCompress(const std::vector<std::uint8_t>& indices, int minCodeSize);

} // namespace orvanta::pictures
