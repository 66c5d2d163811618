#include "tools/picture_gen/desktop_icons.h"

#include "tools/picture_gen/emblem_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace orvanta::pictures {

const QList<int>& DesktopIconSizes() {
    static const QList<int> sizes = {16, 32, 48, 64, 128, 256};
    return sizes;
}

QString DesktopIconPath(const QString& themeFolder, int size, const QString& iconName) {
    return QStringLiteral("%1/%2x%2/apps/%3.png").arg(themeFolder).arg(size).arg(iconName);
}

QString WriteDesktopIcons(const QString& themeFolder, const QString& iconName) {
    for (int size : DesktopIconSizes()) {
        const QString path = DesktopIconPath(themeFolder, size, iconName);
        if (!QDir().mkpath(QFileInfo(path).path()))
            return QStringLiteral("cannot create the folder of ") + path;
        if (!DrawWindowIcon(QSize(size, size)).save(path, "PNG"))
            return QStringLiteral("cannot write ") + path;
    }
    return {};
}

} // namespace orvanta::pictures
