#include "tools/picture_gen/painting.h"

#include <QFontInfo>

namespace orvanta::pictures {

QImage NewCanvas(QSize size, QColor fill) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void BeginPainting(QPainter& painter, QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QLinearGradient VerticalGradient(const QRectF& rect, QColor top, QColor bottom) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void PaintRoundedPanel(QPainter& painter, const QRectF& rect, qreal radius, QColor top,
                       QColor bottom, QColor edge) {
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.save();
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(VerticalGradient(r, top, bottom));
    painter.drawRoundedRect(r, radius, radius);
    painter.restore();
}

QImage Flatten(const QImage& image, QColor matte) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(matte);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    p.end();
    return out;
}

QImage Greyed(const QImage& image, QColor towards) {
    QImage src = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < src.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(src.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = line[x];
            const int grey = (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100;
            // Lift towards the background so the shape reads as switched off.
            const int lifted = grey + (towards.lightness() - grey) * 45 / 100;
            line[x] = qRgba(lifted, lifted, lifted, qAlpha(c) * 80 / 100);
        }
    }
    return src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QFont UiFont(qreal pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

bool UiFontAvailable() {
    return QFontInfo(UiFont(12, false)).family() == QStringLiteral("Liberation Sans");
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QColor Mix(QColor a, QColor b, qreal t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

} // namespace orvanta::pictures
