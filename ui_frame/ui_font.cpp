#include "ui_font.h"

#include <QStringList>

namespace orvanta {

QFont uiFont(int pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace orvanta
