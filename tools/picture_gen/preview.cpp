#include "tools/picture_gen/preview.h"

#include "data/resource_install.h"
#include "tools/picture_gen/painting.h"
#include "tools/picture_gen/picture_set.h"
#include "tools/picture_gen/style.h"

#include <QDir>
#include <QImageReader>
#include <QPolygon>

namespace orvanta::pictures {
namespace {

QList<QImage> ReadAll(const QString& folder, int number) {
    QImageReader reader(QDir(folder).filePath(QString::number(number)));
    QList<QImage> images;
    do {
        QImage image = reader.read();
        if (image.isNull())
            break;
        images.append(image);
    } while (reader.jumpToNextImage());
    return images;
}

QImage Read(const QString& folder, int number) {
    const QList<QImage> images = ReadAll(folder, number);
    return images.isEmpty() ? QImage() : images.last();
}

void Chequer(QPainter& p, const QRect& r) {
    p.save();
    p.setClipRect(r);
    for (int y = r.top(); y <= r.bottom(); y += 6) {
        for (int x = r.left(); x <= r.right(); x += 6) {
            const bool dark = ((x - r.left()) / 6 + (y - r.top()) / 6) % 2;
            p.fillRect(x, y, 6, 6, dark ? QColor(200, 200, 200) : QColor(235, 235, 235));
        }
    }
    p.restore();
}

// Picture geometry of the mock-up, in pixels.
struct Frame {
    int width;
    int height;
    bool active;
};

class Mockup {
public:
    explicit Mockup(const QString& folder)
        : folder_(folder) {}

    QImage pic(int number) const { return Read(folder_, number); }

    // Frame pieces as every window lays them out.
    void frame(QPainter& p, const Frame& f, bool popUp) const {
        const int topLeft = f.active ? 51 : 54;
        const int topCentre = f.active ? 50 : 53;
        const int topRight = f.active ? 52 : 55;
        const QImage left = pic(topLeft);
        const QImage right = pic(topRight);
        const QImage bottomLeft = popUp ? pic(91) : pic(47);
        const QImage bottomRight = popUp ? pic(92) : pic(49);
        const QImage bottom = pic(45);
        p.drawImage(0, 0, left);
        p.drawImage(QRect(left.width(), 0, f.width - left.width() - right.width(), left.height()),
                    pic(topCentre));
        p.drawImage(f.width - right.width(), 0, right);
        p.drawImage(0, f.height - bottomLeft.height(), bottomLeft);
        p.drawImage(QRect(0, left.height(), pic(46).width(),
                          f.height - bottomLeft.height() - left.height()),
                    pic(46));
        p.drawImage(f.width - bottomRight.width(), f.height - bottomRight.height(), bottomRight);
        p.drawImage(QRect(f.width - pic(48).width(), right.height(), pic(48).width(),
                          f.height - bottomRight.height() - right.height()),
                    pic(48));
        p.drawImage(QRect(bottomLeft.width(), f.height - bottom.height(),
                          f.width - bottomLeft.width() - bottomRight.width(), bottom.height()),
                    bottom);
    }

    void title(QPainter& p, const Frame& f, int left, const QString& text, int icon) const {
        const Palette& c = palette();
        const int bar = pic(51).height();
        const QList<QImage> icons = ReadAll(folder_, icon); // the smallest comes first
        if (!icons.isEmpty())
            p.drawImage(9, (bar - icons.first().height()) / 2, icons.first());
        p.setFont(UiFont(12, true));
        p.setPen(f.active ? c.paper : c.whiteGlyph);
        p.drawText(QRect(left, 0, f.width - left, bar), Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    void caption(QPainter& p, const QRect& r, const QString& text, int pixelSize = 11,
                 bool bold = false, QColor colour = palette().ink) const {
        p.setFont(UiFont(pixelSize, bold));
        p.setPen(colour);
        p.drawText(r, Qt::AlignCenter, text);
    }

    void toolbarButton(QPainter& p, QPoint at, int picture, const QString& label) const {
        const QImage button = pic(picture);
        p.drawImage(at, button);
        caption(p, QRect(at.x() - 4, at.y() + 30, button.width() + 8, 14), label);
    }

    static void cutOutline(QImage& window, bool popUp) {
        const int w = window.width();
        const int h = window.height();
        QPolygon outline;
        if (popUp)
            outline << QPoint(0, 5) << QPoint(1, 3) << QPoint(2, 2) << QPoint(3, 1) << QPoint(5, 0)
                    << QPoint(w - 5, 0) << QPoint(w - 3, 1) << QPoint(w - 2, 2) << QPoint(w - 2, 3)
                    << QPoint(w, 5) << QPoint(w, h - 7) << QPoint(w - 2, h - 3)
                    << QPoint(w - 3, h - 2) << QPoint(w - 7, h) << QPoint(7, h) << QPoint(3, h - 2)
                    << QPoint(2, h - 3) << QPoint(0, h - 7);
        else
            outline << QPoint(0, 5) << QPoint(1, 3) << QPoint(2, 2) << QPoint(3, 1) << QPoint(5, 0)
                    << QPoint(w - 5, 0) << QPoint(w - 3, 1) << QPoint(w - 2, 2) << QPoint(w - 2, 3)
                    << QPoint(w, 5) << QPoint(w, h) << QPoint(0, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (!outline.containsPoint(QPoint(x, y), Qt::WindingFill) &&
                    !QPolygonF(outline).containsPoint(QPointF(x + 0.5, y + 0.5), Qt::WindingFill))
                    window.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }

    QImage mainWindow() const {
        const Palette& c = palette();
        const Frame f{405, 492, true};
        QImage window = NewCanvas(QSize(f.width, f.height), c.face);
        QPainter p;
        BeginPainting(p, window);
        frame(p, f, false);
        title(p, f, 30, QStringLiteral("Orvanta Practice Q4"), 85);
        const QImage close = pic(60);
        const int barHeight = pic(52).height();
        p.drawImage(f.width - close.width() - 4, (barHeight - close.height()) / 2, close);
        p.drawImage(f.width - close.width() - 4 - pic(58).width() - 2,
                    (barHeight - close.height()) / 2, pic(58));

        // Tabs, strip and toolbar.
        const int stripTop = 60;
        const int stripHeight = 51;
        const QImage tab = pic(41);
        const QStringList names = {QStringLiteral("English"), QStringLiteral("Mathematics"),
                                   QStringLiteral("Science"), QStringLiteral("Help")};
        for (int i = 3; i >= 0; --i) {
            const int left = 2 + i * (tab.width() - 4);
            const QImage picture = pic(i == 1 ? 42 : 41);
            p.drawImage(left, stripTop - tab.height() + 2, picture);
            caption(p, QRect(left, stripTop - tab.height() + 3, tab.width(), tab.height() - 4),
                    names[i], 12);
        }
        p.fillRect(2, stripTop, f.width - 4, stripHeight, c.face);
        p.fillRect(2, stripTop + stripHeight - 2, f.width - 4, 1, c.tabEdge);
        p.drawImage(2, stripTop - tab.height(), pic(43));
        caption(p, QRect(2, stripTop - tab.height() + 2, tab.width(), tab.height() - 2), names[0],
                12, true);
        const QStringList labels = {QStringLiteral("Home"), QStringLiteral("Report"),
                                    QStringLiteral("Print"), QStringLiteral("Close")};
        const int pictures[] = {15, 26, 24, 8};
        for (int i = 0; i < 4; ++i)
            toolbarButton(p, QPoint(2 + 8 + i * 52, stripTop + 3), pictures[i], labels[i]);

        // Home page.
        const int top = stripTop + stripHeight + 6;
        p.drawImage(8, top, pic(77));
        caption(p, QRect(16, top, 140, 24), QStringLiteral("Select a Topic"), 12, true);
        const int paperLeft = 8 + pic(77).width() + 8;
        p.drawImage(paperLeft, top, pic(78));
        caption(p, QRect(paperLeft + 8, top, 150, 24), QStringLiteral("Fractions"), 12, true);
        const QStringList topics = {"Grammar",     "Fractions", "Decimals",        "Shapes",
                                    "Measurement", "Problems",  "Mock Examination"};
        for (int i = 0; i < topics.size(); ++i) {
            const int y = top + 34 + i * 28;
            p.drawImage(12, y + 2, pic(81));
            const QRect label(32, y, 140, 19);
            if (i == 1) {
                p.fillRect(label, QColor(128, 128, 128));
                caption(p, label, topics[i], 12, false, c.paper);
            } else {
                p.fillRect(label, c.paper);
                caption(p, label, topics[i], 12);
            }
        }
        for (int k = 0; k < 5; ++k) {
            const int y = top + 30 + k * 64;
            p.setFont(UiFont(12, true));
            p.setPen(c.ink);
            p.drawText(QPoint(paperLeft + 4, y + 12), QStringLiteral("Paper %1").arg(k + 1));
            p.setFont(UiFont(11, false));
            p.drawText(QPoint(paperLeft + 12, y + 30), QStringLiteral("1st Attempt:"));
            p.drawImage(paperLeft + 86, y + 18, pic(k == 0 ? 68 : 69));
            if (k < 2) {
                p.drawText(QPoint(paperLeft + 12, y + 46), QStringLiteral("2nd Attempt:"));
                p.drawImage(paperLeft + 86, y + 34, pic(69));
                p.drawText(QPoint(paperLeft + 128, y + 30),
                           k == 0 ? QStringLiteral("66.7 %") : QStringLiteral("85 %"));
            }
        }
        p.end();
        cutOutline(window, false);
        return window;
    }

    QImage practiceWindow() const {
        const Palette& c = palette();
        const Frame f{720, 470, false};
        QImage window = NewCanvas(QSize(f.width, f.height), c.face);
        QPainter p;
        BeginPainting(p, window);
        frame(p, f, false);
        title(p, f, 36, QStringLiteral("English - Grammar - Paper 1"), 86);
        const int bar = pic(55).height();
        const QImage close = pic(64);
        int x = f.width - close.width() - 5;
        for (int picture : {64, 65, 66}) {
            p.drawImage(x, (bar - close.height()) / 2, pic(picture));
            x -= close.width() + 2;
        }
        const int stripTop = bar;
        const int stripWidth = f.width - 4;
        const int stripHeight = 51;
        p.fillRect(2, stripTop, stripWidth, stripHeight, c.face);
        const QStringList labels = {"Save", "Mark", "Print", "Close"};
        const int pictures[] = {28, 19, 23, 10};
        for (int i = 0; i < 4; ++i)
            toolbarButton(p, QPoint(2 + 8 + i * 52, stripTop + 3), pictures[i], labels[i]);
        toolbarButton(p, QPoint(2 + stripWidth - 44 - 8, stripTop + 3), 12, "Next");
        toolbarButton(p, QPoint(2 + stripWidth - 2 * (44 + 8), stripTop + 3), 4, "Back");
        const int answerWidth = 273;
        p.drawImage(f.width - answerWidth, stripTop + 3, pic(83));
        caption(p, QRect(f.width - answerWidth + 32, stripTop + 6, 80, 18),
                QStringLiteral("Score: 80%"), 12, true);
        caption(p, QRect(f.width - answerWidth + 32, stripTop + 24, 80, 16),
                QStringLiteral("0:7:5"), 11);

        const int contentTop = stripTop + stripHeight;
        const int answerLeft = f.width - answerWidth - 2;
        const int contentHeight = f.height - contentTop - 2;
        // Answer sheet with its handle strip.
        p.fillRect(answerLeft, contentTop, answerWidth, contentHeight, c.face);
        const QImage handle = pic(82);
        p.fillRect(answerLeft - 7, contentTop, 7, contentHeight, c.face);
        p.drawImage(answerLeft - 7, contentTop + (contentHeight - handle.height()) / 2, handle);
        for (int i = 0; i < 4; ++i) {
            const int y = contentTop + 4 + i * 32;
            caption(p, QRect(answerLeft + 4, y, 24, 25),
                    QStringLiteral("(%1)").arg(QChar('a' + i)));
            p.setPen(QPen(c.softInk, 1));
            p.setBrush(c.paper);
            p.drawRect(QRectF(answerLeft + 30.5, y + 2.5, 200, 20));
        }
        const QImage instruction = pic(90);
        p.drawImage(answerLeft + 4, f.height - 2 - instruction.height() - 2, instruction);

        // Page, question title, remaining questions strip.
        const int pageWidth = answerLeft - 7 - 2;
        const int pageHeight = contentHeight - 25;
        p.fillRect(2, contentTop, pageWidth, pageHeight, c.paper);
        p.fillRect(8, contentTop + 5, pageWidth - 24, 25, c.titleStrip);
        caption(p, QRect(14, contentTop + 5, 200, 25), QStringLiteral("Question 1"), 13, true);
        caption(p, QRect(20, contentTop + 50, pageWidth - 40, 40),
                QStringLiteral("Choose the word that best completes each sentence."), 13);
        const int stripY = contentTop + pageHeight;
        p.drawImage(8, stripY, pic(74));
        caption(p, QRect(12, stripY, 60, 25), QStringLiteral("Qns left:"), 11);
        p.drawImage(8 + pic(74).width() + 8, stripY, pic(76));
        const QImage cell = pic(79);
        for (int k = 0; k < 9; ++k)
            p.drawImage(8 + pic(74).width() + 8 + 3 + 13 * k, stripY + 3, cell);
        p.drawImage(pageWidth - pic(75).width() - 4, stripY, pic(75));
        p.drawImage(f.width - 8 - 2, f.height - 8 - 2, pic(80));
        p.end();
        cutOutline(window, false);
        return window;
    }

    QImage popUp() const {
        const Palette& c = palette();
        const Frame f{300, 150, true};
        QImage window = NewCanvas(QSize(f.width, f.height), c.face);
        QPainter p;
        BeginPainting(p, window);
        frame(p, f, true);
        p.setFont(UiFont(12, true));
        p.setPen(c.paper);
        const int bar = pic(52).height();
        p.drawText(QRect(16, 0, 200, bar), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Close Practice"));
        const QImage info = pic(88);
        p.drawImage(16, bar + 16, info);
        caption(p, QRect(16 + info.width() + 10, bar + 16 + 7, 100, 18), QStringLiteral("Confirm?"),
                13);
        const int buttonTop = f.height - 25 - 16;
        const int left = 16 + info.width() + 10;
        p.drawImage(left, buttonTop, pic(71));
        caption(p, QRect(left, buttonTop, 80, 25), QStringLiteral("Yes"), 12, true);
        p.drawImage(left + 90, buttonTop, pic(70));
        caption(p, QRect(left + 90, buttonTop, 80, 25), QStringLiteral("No"), 12, true);
        p.end();
        cutOutline(window, true);
        return window;
    }

private:
    QString folder_;
};

void Zoom(QPainter& p, const QImage& source, const QRect& part, QPoint at, int scale,
          const QString& label) {
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(at, part.size() * scale), source, part);
    p.setFont(UiFont(12, false));
    p.setPen(Qt::white);
    p.drawText(at + QPoint(0, part.height() * scale + 14), label);
}

} // namespace

QImage ContactSheet(const QString& folder, int scale) {
    struct Cell {
        int number;
        QList<QImage> images;
        QSize area;
    };
    std::vector<Cell> cells;
    for (const InterfacePicture& picture : InterfacePictures()) {
        Cell cell{picture.number, ReadAll(folder, picture.number), {}};
        int w = 0;
        int h = 0;
        for (const QImage& image : cell.images) {
            w += image.width() * scale + 6;
            h = std::max(h, image.height() * scale);
        }
        cell.area = QSize(std::max(w, 160), h + 34);
        cells.push_back(cell);
    }
    const int pageWidth = 1700;
    // First pass: positions.
    std::vector<QPoint> at;
    int x = 10, y = 10, rowHeight = 0;
    for (const Cell& cell : cells) {
        if (x + cell.area.width() > pageWidth && x > 10) {
            x = 10;
            y += rowHeight + 14;
            rowHeight = 0;
        }
        at.push_back(QPoint(x, y));
        x += cell.area.width() + 14;
        rowHeight = std::max(rowHeight, cell.area.height());
    }
    QImage sheet(pageWidth, y + rowHeight + 10, QImage::Format_RGB32);
    sheet.fill(QColor(250, 250, 250));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = cells[i];
        int ix = at[i].x();
        for (const QImage& image : cell.images) {
            const QRect target(ix, at[i].y(), image.width() * scale, image.height() * scale);
            Chequer(p, target);
            p.drawImage(target, image);
            ix += target.width() + 6;
        }
        QString sizes;
        for (const QImage& image : cell.images)
            sizes += QStringLiteral("%1x%2 ").arg(image.width()).arg(image.height());
        if (cell.images.isEmpty())
            sizes = QStringLiteral("MISSING");
        p.setPen(QColor(30, 30, 30));
        p.setFont(UiFont(12, true));
        const int textTop = at[i].y() + cell.area.height() - 30;
        p.drawText(QPoint(at[i].x(), textTop + 12),
                   QStringLiteral("%1 %2").arg(cell.number).arg(PictureFileName(cell.number)));
        p.setFont(UiFont(11, false));
        p.drawText(QPoint(at[i].x(), textTop + 26), sizes.trimmed());
    }
    p.end();
    return sheet;
}

QImage FrameMockup(const QString& folder) {
    const Mockup mock(folder);
    const QImage main = mock.mainWindow();
    const QImage practice = mock.practiceWindow();
    const QImage popUp = mock.popUp();

    QImage sheet(1200, 1060, QImage::Format_RGB32);
    sheet.fill(QColor(84, 104, 126));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawImage(20, 20, main);
    p.drawImage(450, 20, practice);
    p.drawImage(450, 520, popUp);
    p.setFont(UiFont(12, false));
    p.setPen(Qt::white);
    p.drawText(QPoint(20, 530), QStringLiteral("Corners enlarged 8 times:"));
    Zoom(p, main, QRect(0, 0, 24, 40), QPoint(20, 545), 8, QStringLiteral("main, top left"));
    Zoom(p, main, QRect(main.width() - 24, 0, 24, 40), QPoint(230, 545), 8,
         QStringLiteral("main, top right"));
    Zoom(p, popUp, QRect(0, popUp.height() - 16, 24, 16), QPoint(20, 895), 8,
         QStringLiteral("pop-up, bottom left"));
    Zoom(p, popUp, QRect(popUp.width() - 24, popUp.height() - 16, 24, 16), QPoint(230, 895), 8,
         QStringLiteral("pop-up, bottom right"));
    Zoom(p, practice, QRect(practice.width() - 24, practice.height() - 16, 24, 16),
         QPoint(450, 700), 8, QStringLiteral("practice window, bottom right (inactive)"));
    p.end();
    return sheet;
}

} // namespace orvanta::pictures
