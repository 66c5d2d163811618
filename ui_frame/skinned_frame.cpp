#include "skinned_frame.h"

#include "ui_frame/outline.h"
#include "ui_frame/ui_font.h"
#include "ui_frame/window_mover.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace orvanta {

namespace {

const QColor kActiveTitleColour(0xFF, 0xFF, 0xFF);
const QColor kInactiveTitleColour(0x80, 0x80, 0x80);

// Sizes a piece keeps when its picture is missing, so that the window still
// lays out sensibly.
constexpr QSize kTopBarEndFallback(8, 30);
constexpr QSize kTopBarCentreFallback(1, 30);
constexpr QSize kSideFallback(4, 1);
constexpr QSize kBottomFallback(1, 4);
constexpr QSize kBottomCornerFallback(4, 4);
constexpr QSize kTitleButtonFallback(21, 21);
constexpr QSize kIconFallback(16, 16);

QString graphics(const char* name) {
    return QString::fromLatin1(name);
}

void setTitleColour(QLabel* title, const QColor& colour) {
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, colour);
    title->setPalette(palette);
}

} // namespace

SkinnedFrame::SkinnedFrame(QWidget* window, FrameKind kind, SkinContext skin)
    : QObject(window)
    , window_(window)
    , kind_(kind)
    , skin_(std::move(skin))
    , ticker_(skin_.cursor, this) {
    window_->setWindowFlags(window_->windowFlags() | Qt::FramelessWindowHint);
    createPieces();
    loadFixedPictures();
    if (kind_ == FrameKind::PopUp) {
        controls_.BTopLeft->setPicture(graphics("border_top_left.bmp"));
        controls_.BTopCentre->setPicture(graphics("border_top_center.bmp"));
        controls_.BTopRight->setPicture(graphics("border_top_right.bmp"));
        setTitleColour(controls_.Title, kActiveTitleColour);
    } else {
        paintActivation(false);
    }
    connect(&ticker_, &HoverTicker::tick, this, &SkinnedFrame::onTick);
    window_->installEventFilter(this);
    layOut();
}

void SkinnedFrame::createPieces() {
    const auto& pictures = skin_.pictures;
    auto piece = [&](const char* name, PictureBox::Sizing sizing, QSize fallback) {
        auto* box = new PictureBox(pictures, window_, sizing);
        box->setObjectName(QString::fromLatin1(name));
        box->setFallbackSize(fallback);
        return box;
    };
    using Sizing = PictureBox::Sizing;
    controls_.BTopLeft = piece("BTopLeft", Sizing::FitPicture, kTopBarEndFallback);
    controls_.BTopCentre = piece("BTopCentre", Sizing::Stretch, kTopBarCentreFallback);
    controls_.BTopRight = piece("BTopRight", Sizing::FitPicture, kTopBarEndFallback);
    controls_.BLeft = piece("BLeft", Sizing::Stretch, kSideFallback);
    controls_.BRight = piece("BRight", Sizing::Stretch, kSideFallback);
    controls_.BBotLeft = piece("BBotLeft", Sizing::FitPicture, kBottomCornerFallback);
    controls_.BBot = piece("BBot", Sizing::Stretch, kBottomFallback);
    controls_.BBotRight = piece("BBotRight", Sizing::FitPicture, kBottomCornerFallback);

    controls_.Title = new QLabel(window_);
    controls_.Title->setObjectName(kind_ == FrameKind::PopUp ? QStringLiteral("lblTitle")
                                                             : QStringLiteral("Title"));
    controls_.Title->setFont(uiFont(10, true));

    mover_ = new WindowMover(window_);
    for (QWidget* handle :
         {static_cast<QWidget*>(controls_.BTopLeft), static_cast<QWidget*>(controls_.BTopCentre),
          static_cast<QWidget*>(controls_.BTopRight), static_cast<QWidget*>(controls_.Title)})
        mover_->addHandle(handle);

    if (!hasTitleBarButtons(kind_))
        return;

    // The icon lies on the top bar; a press on it drags like the bar beneath.
    controls_.ImgIco = piece("ImgIco", Sizing::FitPicture, kIconFallback);
    controls_.ImgIco->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto button = [&](const char* name, const char* spoken) {
        auto* b = new PictureButton(pictures, window_);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(QString::fromLatin1(spoken));
        b->setFallbackSize(kTitleButtonFallback);
        return b;
    };
    controls_.imgProgClose = button("imgProgClose", "Close");
    connect(controls_.imgProgClose, &PictureButton::clicked, this, &SkinnedFrame::closeClicked);
    if (hasMaximiseButton(kind_)) {
        controls_.imgProgMax = button("imgProgMax", "Maximise");
        connect(controls_.imgProgMax, &PictureButton::clicked, this,
                &SkinnedFrame::toggleMaximised);
    }
    controls_.imgProgMin = button("imgProgMin", "Minimise");
    connect(controls_.imgProgMin, &PictureButton::clicked, window_, &QWidget::showMinimized);
}

void SkinnedFrame::loadFixedPictures() {
    controls_.BLeft->setPicture(graphics("border_left.bmp"));
    controls_.BRight->setPicture(graphics("border_right.bmp"));
    controls_.BBot->setPicture(graphics("border_bot.bmp"));
    if (kind_ == FrameKind::PopUp) {
        controls_.BBotLeft->setPicture(graphics("Border_bot_left.gif"));
        controls_.BBotRight->setPicture(graphics("Border_bot_right.gif"));
    } else {
        controls_.BBotLeft->setPicture(graphics("border_left_corners.bmp"));
        controls_.BBotRight->setPicture(graphics("border_right_corners.bmp"));
    }
}

void SkinnedFrame::setTitle(const QString& title) {
    controls_.Title->setText(title);
    window_->setWindowTitle(title);
}

void SkinnedFrame::setIconPicture(const QString& fileName) {
    if (!controls_.ImgIco)
        return;
    controls_.ImgIco->setPicture(fileName);
    layOut();
}

QString SkinnedFrame::maximisePicture(const char* colour) const {
    // A maximised window offers to restore ("norm") rather than to maximise.
    const char* action = window_->isMaximized() ? "norm" : "max";
    return QStringLiteral("prog_%1_%2.bmp").arg(QLatin1String(colour), QLatin1String(action));
}

QString SkinnedFrame::focusField() const {
    if (kind_ == FrameKind::PopUp)
        return {};
    return activeLook_ ? QStringLiteral("1") : QStringLiteral("0");
}

void SkinnedFrame::paintActivation(bool active) {
    if (kind_ == FrameKind::PopUp)
        return;
    setTitleColour(controls_.Title, active ? kActiveTitleColour : kInactiveTitleColour);
    activeLook_ = active;
    if (active) {
        controls_.BTopLeft->setPicture(graphics("border_top_left.bmp"));
        controls_.BTopCentre->setPicture(graphics("border_top_center.bmp"));
        controls_.BTopRight->setPicture(graphics("border_top_right.bmp"));
        controls_.imgProgClose->setPicture(graphics("prog_blueoff_close.bmp"));
        controls_.imgProgMin->setPicture(graphics("prog_blueoff_min.bmp"));
    } else {
        controls_.BTopLeft->setPicture(graphics("border_white_top_left.bmp"));
        controls_.BTopCentre->setPicture(graphics("border_white_top_center.bmp"));
        controls_.BTopRight->setPicture(graphics("border_white_top_right.bmp"));
        controls_.imgProgClose->setPicture(graphics("prog_white_close.bmp"));
        controls_.imgProgMin->setPicture(graphics("prog_white_min.bmp"));
    }
    if (controls_.imgProgMax)
        controls_.imgProgMax->setPicture(maximisePicture(active ? "blueoff" : "white"));
    layOut();
}

void SkinnedFrame::updateTitleBarHover(const QPoint& cursor) {
    if (!activeLook_)
        return;
    hoverImage(controls_.imgProgClose, graphics("prog_blueoff_close.bmp"),
               graphics("prog_blue_close.bmp"), cursor);
    hoverImage(controls_.imgProgMin, graphics("prog_blueoff_min.bmp"),
               graphics("prog_blue_min.bmp"), cursor);
    if (controls_.imgProgMax && !window_->isMinimized())
        hoverImage(controls_.imgProgMax, maximisePicture("blueoff"), maximisePicture("blue"),
                   cursor);
}

void SkinnedFrame::onTick(const QPoint& cursor) {
    emit hoverTick(cursor);
    updateTitleBarHover(cursor);
}

void SkinnedFrame::toggleMaximised() {
    if (window_->isMinimized())
        return;
    if (window_->isMaximized())
        window_->showNormal();
    else
        window_->showMaximized();
}

FramePieceSizes SkinnedFrame::pieceSizes() const {
    const FrameControls& c = controls_;
    FramePieceSizes s;
    s.topLeft = c.BTopLeft->naturalSize();
    s.topCentre = c.BTopCentre->naturalSize();
    s.topRight = c.BTopRight->naturalSize();
    s.left = c.BLeft->naturalSize();
    s.right = c.BRight->naturalSize();
    s.bottomLeft = c.BBotLeft->naturalSize();
    s.bottom = c.BBot->naturalSize();
    s.bottomRight = c.BBotRight->naturalSize();
    if (c.imgProgClose)
        s.close = c.imgProgClose->naturalSize();
    if (c.imgProgMax)
        s.maximise = c.imgProgMax->naturalSize();
    if (c.imgProgMin)
        s.minimise = c.imgProgMin->naturalSize();
    if (c.ImgIco)
        s.icon = c.ImgIco->naturalSize();
    s.titleHeight = c.Title->sizeHint().height();
    return s;
}

void SkinnedFrame::layOut() {
    geometry_ = layOutFrame(kind_, window_->size(), pieceSizes());
    const FrameControls& c = controls_;
    c.BTopLeft->setGeometry(geometry_.topLeft);
    c.BTopCentre->setGeometry(geometry_.topCentre);
    c.BTopRight->setGeometry(geometry_.topRight);
    c.BLeft->setGeometry(geometry_.left);
    c.BRight->setGeometry(geometry_.right);
    c.BBotLeft->setGeometry(geometry_.bottomLeft);
    c.BBot->setGeometry(geometry_.bottom);
    c.BBotRight->setGeometry(geometry_.bottomRight);
    c.Title->setGeometry(geometry_.title);
    if (c.ImgIco)
        c.ImgIco->setGeometry(geometry_.icon);
    if (c.imgProgClose)
        c.imgProgClose->setGeometry(geometry_.close);
    if (c.imgProgMax)
        c.imgProgMax->setGeometry(geometry_.maximise);
    if (c.imgProgMin)
        c.imgProgMin->setGeometry(geometry_.minimise);
    pRoundCorners(window_, outlineShapeOf(kind_));
}

bool SkinnedFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        layOut();
        break;
    case QEvent::ActivationChange:
        paintActivation(window_->isActiveWindow());
        break;
    case QEvent::WindowStateChange:
        // An inactive window gets no hover ticks on its title bar: keep its
        // maximise button true to the new state here.
        if (controls_.imgProgMax && !activeLook_)
            controls_.imgProgMax->setPicture(maximisePicture("white"));
        break;
    case QEvent::Show:
        ticker_.start();
        break;
    case QEvent::Hide:
        ticker_.stop();
        break;
    default:
        break;
    }
    return false;
}

} // namespace orvanta
