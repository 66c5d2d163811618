#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <vector>

// The 89 interface pictures (resources 1..37 and 41..92): their file kind,
// their pixel sizes, how each is drawn and encoded.
//
// Drawing needs a QGuiApplication (for fonts) and Liberation Sans.
namespace orvanta::pictures {

enum class PictureKind { Bitmap, Icon, Gif };

struct PictureSpec {
    int number;
    PictureKind kind;
    // One size for a bitmap or a GIF; every size an icon carries.
    QList<QSize> sizes;
};

// All pictures, ascending by number.
const std::vector<PictureSpec>& PictureSpecs();

// The picture with resource number `number`, or nullptr.
const PictureSpec* FindPicture(int number);

// The picture drawn at each of its sizes, with alpha.
QList<QImage> RenderPicture(const PictureSpec& spec);

// The complete file of the picture: BMP, ICO or GIF bytes.
QByteArray PictureFile(const PictureSpec& spec);

// Writes every picture into `folder` (created as needed) as a file named by
// its resource number alone. Returns an empty string, or what went wrong.
QString WritePictures(const QString& folder);

} // namespace orvanta::pictures
