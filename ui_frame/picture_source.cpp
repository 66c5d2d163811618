#include "picture_source.h"

#include "data/app_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace orvanta {

PictureSource::PictureSource(QString graphicsFolder)
    : folder_(std::move(graphicsFolder)) {}

PictureSource PictureSource::forAppFolder(const AppFolder& folder) {
    return PictureSource(folder.graphicsFolder());
}

QString PictureSource::resolvePath(const QString& fileName) const {
    const QString exact = folder_ + u'/' + fileName;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList names = QDir(folder_).entryList(QDir::Files);
    for (const QString& name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return folder_ + u'/' + name;
    }
    return {};
}

QPixmap PictureSource::picture(const QString& fileName) const {
    if (fileName.isEmpty())
        return {};
    const QString path = resolvePath(fileName);
    if (path.isEmpty()) {
        cache_.remove(fileName);
        return {};
    }
    const QFileInfo info(path);
    Entry& entry = cache_[fileName];
    if (entry.size == info.size() && entry.modified == info.lastModified())
        return entry.pixmap;

    // The content decides the format: a picture is shown whatever its name ends in.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    entry.modified = info.lastModified();
    entry.size = info.size();
    entry.pixmap = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
    return entry.pixmap;
}

} // namespace orvanta
