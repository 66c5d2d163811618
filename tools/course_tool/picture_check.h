#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The interface pictures: resources 1..84 are Windows bitmaps, 85..87 Windows
// icons, 88..92 GIF pictures, each a complete file of its kind.
namespace orvanta {

// Why picture resource `number` is not a complete file of its kind (one
// sentence), or nothing when it is. Looks at the headers and the sizes they
// promise, not at every pixel.
std::optional<QString> PictureFileFault(int number, const QByteArray& bytes);

} // namespace orvanta
