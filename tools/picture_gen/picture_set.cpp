#include "tools/picture_gen/picture_set.h"

#include "tools/picture_gen/emblem_pictures.h"
#include "tools/picture_gen/frame_pictures.h"
#include "tools/picture_gen/image_codecs.h"
#include "tools/picture_gen/page_pictures.h"
#include "tools/picture_gen/painting.h"
#include "tools/picture_gen/style.h"
#include "tools/picture_gen/toolbar_pictures.h"

#include <QDir>
#include <QFile>

#include <functional>

namespace orvanta::pictures {
namespace {

using Drawer = std::function<QImage(QSize)>;

struct Entry {
    PictureSpec spec;
    Drawer draw;
};

void AddToolbarSet(std::vector<Entry>& entries, int first, Pictogram pictogram,
                   std::initializer_list<ButtonState> states) {
    // The states follow the alphabetical order of the file names:
    // _disabled, _off, _on, _pressed.
    int number = first;
    for (ButtonState state : states) {
        entries.push_back({{number++, PictureKind::Bitmap, {metrics().toolbarButton}},
                           [=](QSize s) { return DrawToolbarButton(pictogram, state, s); }});
    }
}

void Add(std::vector<Entry>& entries, int number, PictureKind kind, QList<QSize> sizes,
         Drawer draw) {
    entries.push_back({{number, kind, std::move(sizes)}, std::move(draw)});
}

std::vector<Entry> BuildEntries() {
    using B = ButtonState;
    const Metrics& m = metrics();
    std::vector<Entry> e;
    const auto three = {B::Off, B::On, B::Pressed};
    const auto four = {B::Disabled, B::Off, B::On, B::Pressed};
    AddToolbarSet(e, 1, Pictogram::About, three);
    AddToolbarSet(e, 4, Pictogram::Back, four);
    AddToolbarSet(e, 8, Pictogram::Close, three);
    AddToolbarSet(e, 11, Pictogram::Forward, four);
    AddToolbarSet(e, 15, Pictogram::Home, three);
    AddToolbarSet(e, 18, Pictogram::Mark, four);
    AddToolbarSet(e, 22, Pictogram::Print, three);
    AddToolbarSet(e, 25, Pictogram::Report, three);
    AddToolbarSet(e, 28, Pictogram::Save, four);
    AddToolbarSet(e, 32, Pictogram::Setup, three);
    AddToolbarSet(e, 35, Pictogram::Trash, three);

    const auto bmp = PictureKind::Bitmap;
    Add(e, 41, bmp, {m.tab}, [](QSize s) { return DrawTab(false, false, s); });
    Add(e, 42, bmp, {m.tab}, [](QSize s) { return DrawTab(false, true, s); });
    Add(e, 43, bmp, {m.tab}, [](QSize s) { return DrawTab(true, false, s); });
    Add(e, 44, bmp, {m.tab}, [](QSize s) { return DrawTab(true, true, s); });

    const QSize sideBorder(m.border, m.borderLength);
    const QSize corner(m.border, m.border);
    Add(e, 45, bmp, {QSize(m.borderLength, m.border)},
        [](QSize s) { return DrawBorder(Edge::Bottom, s); });
    Add(e, 46, bmp, {sideBorder}, [](QSize s) { return DrawBorder(Edge::Left, s); });
    Add(e, 47, bmp, {corner}, [](QSize s) { return DrawSquareCorner(Corner::BottomLeft, s); });
    Add(e, 48, bmp, {sideBorder}, [](QSize s) { return DrawBorder(Edge::Right, s); });
    Add(e, 49, bmp, {corner}, [](QSize s) { return DrawSquareCorner(Corner::BottomRight, s); });

    const QSize topCorner(m.topCornerWidth, m.topBarHeight);
    const QSize topCentre(m.topCentreWidth, m.topBarHeight);
    int number = 50;
    for (FrameLook look : {FrameLook::Active, FrameLook::Inactive}) {
        Add(e, number++, bmp, {topCentre},
            [=](QSize s) { return DrawTopBarPiece(TopPiece::Centre, look, s); });
        Add(e, number++, bmp, {topCorner},
            [=](QSize s) { return DrawTopBarPiece(TopPiece::Left, look, s); });
        Add(e, number++, bmp, {topCorner},
            [=](QSize s) { return DrawTopBarPiece(TopPiece::Right, look, s); });
    }

    number = 56;
    for (TitleButtonLook look :
         {TitleButtonLook::Hot, TitleButtonLook::Rest, TitleButtonLook::Inactive}) {
        for (TitleGlyph glyph :
             {TitleGlyph::Close, TitleGlyph::Max, TitleGlyph::Min, TitleGlyph::Norm})
            Add(e, number++, bmp, {m.titleButton},
                [=](QSize s) { return DrawTitleButton(glyph, look, s); });
    }

    Add(e, 68, bmp, {m.loadButton}, [](QSize s) { return DrawLoadButton(true, s); });
    Add(e, 69, bmp, {m.loadButton}, [](QSize s) { return DrawLoadButton(false, s); });
    Add(e, 70, bmp, {m.button}, [](QSize s) { return DrawPageButton(B::Off, s); });
    Add(e, 71, bmp, {m.button}, [](QSize s) { return DrawPageButton(B::On, s); });
    Add(e, 72, bmp, {m.button}, [](QSize s) { return DrawPageButton(B::Pressed, s); });
    Add(e, 73, bmp, {m.secondTakePanel},
        [](QSize s) { return DrawFooterPanel(PanelTint::SecondTake, s); });
    Add(e, 74, bmp, {m.remainingPanel},
        [](QSize s) { return DrawFooterPanel(PanelTint::Remaining, s); });
    Add(e, 75, bmp, {m.footerPanel}, [](QSize s) { return DrawFooterPanel(PanelTint::Footer, s); });
    Add(e, 76, bmp, {m.markingTrough}, DrawMarkingTrough);
    Add(e, 77, bmp, {m.topicHead}, [](QSize s) { return DrawColumnHead(false, s); });
    Add(e, 78, bmp, {m.paperHead}, [](QSize s) { return DrawColumnHead(true, s); });
    Add(e, 79, bmp, {m.markingCell}, DrawMarkingCell);
    Add(e, 80, bmp, {m.grip}, DrawGrip);
    Add(e, 81, bmp, {m.bullet}, DrawBullet);
    Add(e, 82, bmp, {m.handle}, DrawHandle);
    Add(e, 83, bmp, {m.scorePanel}, DrawScorePanel);
    Add(e, 84, bmp, {m.sectionBar}, DrawSectionBar);

    const QList<QSize> windowIcon = {{16, 16}, {32, 32}, {48, 48}};
    Add(e, 85, PictureKind::Icon, windowIcon, DrawWindowIcon);
    Add(e, 86, PictureKind::Icon, windowIcon, DrawPencilIcon);
    Add(e, 87, PictureKind::Icon, {QSize(32, 32)}, DrawHandCursor);

    const auto gif = PictureKind::Gif;
    Add(e, 88, gif, {m.infoMark}, DrawInfoMark);
    Add(e, 89, gif, {m.logo}, DrawLogo);
    Add(e, 90, gif, {m.instruction}, DrawInstruction);
    const QSize round(m.bottomCorner, m.bottomCorner);
    Add(e, 91, gif, {round}, [](QSize s) { return DrawRoundCorner(Corner::BottomLeft, s); });
    Add(e, 92, gif, {round}, [](QSize s) { return DrawRoundCorner(Corner::BottomRight, s); });
    return e;
}

const std::vector<Entry>& Entries() {
    static const std::vector<Entry> entries = BuildEntries();
    return entries;
}

const Entry* FindEntry(int number) {
    for (const Entry& entry : Entries()) {
        if (entry.spec.number == number)
            return &entry;
    }
    return nullptr;
}

// GIF keeps one transparent colour: clear pixels stay clear, every other
// pixel is laid over the page colour it will be shown on.
QImage ForGif(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QColor matte = palette().face;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            const int a = qAlpha(c);
            if (a == 0) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            auto over = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            line[x] = qRgb(over(qRed(c), matte.red()), over(qGreen(c), matte.green()),
                           over(qBlue(c), matte.blue()));
        }
    }
    return out;
}

} // namespace

const std::vector<PictureSpec>& PictureSpecs() {
    static const std::vector<PictureSpec> specs = [] {
        std::vector<PictureSpec> list;
        for (const Entry& entry : Entries())
            list.push_back(entry.spec);
        return list;
    }();
    return specs;
}

const PictureSpec* FindPicture(int number) {
    const Entry* entry = FindEntry(number);
    return entry ? &entry->spec : nullptr;
}

QList<QImage> RenderPicture(const PictureSpec& spec) {
    const Entry* entry = FindEntry(spec.number);
    QList<QImage> images;
    if (!entry)
        return images;
    for (QSize size : entry->spec.sizes) {
        QImage image = entry->draw(size);
        Q_ASSERT(image.size() == size);
        images.append(image);
    }
    return images;
}

QByteArray PictureFile(const PictureSpec& spec) {
    const QList<QImage> images = RenderPicture(spec);
    if (images.isEmpty())
        return {};
    switch (spec.kind) {
    case PictureKind::Bitmap:
        return EncodeBmp(images.first());
    case PictureKind::Icon:
        return EncodeIco(images);
    case PictureKind::Gif:
        return EncodeGif(ForGif(images.first()));
    }
    return {};
}

QString WritePictures(const QString& folder) {
    if (!UiFontAvailable())
        return QStringLiteral(
            "the font Liberation Sans is not installed (Debian: fonts-liberation)");
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot create the folder %1").arg(folder);
    for (const PictureSpec& spec : PictureSpecs()) {
        const QByteArray bytes = PictureFile(spec);
        QFile file(QDir(folder).filePath(QString::number(spec.number)));
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size() || !file.flush())
            return QStringLiteral("cannot write picture %1 to %2: %3")
                .arg(spec.number)
                .arg(file.fileName(), file.errorString());
    }
    return {};
}

} // namespace orvanta::pictures
