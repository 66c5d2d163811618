#pragma once

#include <QList>
#include <QString>

// The program's icon for the desktop's menus and task bar: the emblem of the
// window icon (resource 85) drawn afresh at each size, as PNG files laid out
// as an icon theme wants them ("48x48/apps/NAME.png").
namespace orvanta::pictures {

// The square sizes, pixels, ascending.
const QList<int>& DesktopIconSizes();

// The file of one size under a theme folder: "<size>x<size>/apps/<name>.png".
QString DesktopIconPath(const QString& themeFolder, int size, const QString& iconName);

// Writes every size under `themeFolder` (folders created as needed). Returns
// an empty string, or what went wrong.
QString WriteDesktopIcons(const QString& themeFolder, const QString& iconName);

} // namespace orvanta::pictures
