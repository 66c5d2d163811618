#pragma once

#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QString>

namespace orvanta {

class AppFolder;

// The interface pictures, read by file name from the installed "Graphics"
// folder. Decoded pictures are kept, but every request looks at the file
// again (its time and size), so a picture rewritten, damaged or deleted on
// disk is shown as it now is at the next request: a window's 100 ms tick
// always shows what the folder holds.
//
// Names are matched exactly first and, failing that, ignoring letter case,
// as the names in the window designs do not always use the letter case of
// the installed files ("Pencil.ico" for "pencil.ico").
//
// A missing or undecodable picture gives a null QPixmap; it never throws.
class PictureSource {
public:
    explicit PictureSource(QString graphicsFolder);
    static PictureSource forAppFolder(const AppFolder& folder);

    const QString& folder() const { return folder_; }

    // The picture, or a null pixmap when the file is missing or damaged.
    QPixmap picture(const QString& fileName) const;

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        QPixmap pixmap;
    };

    QString resolvePath(const QString& fileName) const;

    QString folder_;
    mutable QHash<QString, Entry> cache_;
};

} // namespace orvanta
