#include "picture_box.h"

#include "ui_frame/accessibility.h"
#include "ui_frame/ui_font.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace orvanta {

PictureBox::PictureBox(std::shared_ptr<const PictureSource> pictures, QWidget* parent,
                       Sizing sizing)
    : QWidget(parent)
    , pictures_(std::move(pictures))
    , sizing_(sizing) {
    if (sizing_ == Sizing::FitPicture)
        resize(fallbackSize_);
}

void PictureBox::setPicture(const QString& fileName) {
    const QPixmap pixmap = pictures_ ? pictures_->picture(fileName) : QPixmap();
    const bool changed = fileName != pictureName_ || pixmap.cacheKey() != pixmap_.cacheKey();
    pictureName_ = fileName;
    pixmap_ = pixmap;
    if (!changed)
        return;
    if (sizing_ == Sizing::FitPicture)
        resize(naturalSize());
    update();
}

void PictureBox::setFallbackSize(QSize size) {
    fallbackSize_ = size;
    if (sizing_ == Sizing::FitPicture && pixmap_.isNull())
        resize(size);
}

QSize PictureBox::naturalSize() const {
    return pixmap_.isNull() ? fallbackSize_ : pixmap_.deviceIndependentSize().toSize();
}

QRect PictureBox::screenRect() const {
    return QRect(mapToGlobal(QPoint(0, 0)), size());
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull())
        return;
    QPainter painter(this);
    switch (sizing_) {
    case Sizing::FitPicture:
        painter.drawPixmap(0, 0, pixmap_);
        break;
    case Sizing::Stretch:
        painter.drawPixmap(rect(), pixmap_);
        break;
    case Sizing::StretchMiddle:
        paintStretchedMiddle(painter);
        break;
    }
}

void PictureBox::paintStretchedMiddle(QPainter& painter) const {
    const QSize picture = pixmap_.deviceIndependentSize().toSize();
    const int end = std::min({picture.height() / 2, picture.width() / 2, width() / 2});
    const qreal scale = pixmap_.devicePixelRatio();
    auto source = [scale](int left, int width, int height) {
        return QRectF(left * scale, 0, width * scale, height * scale);
    };
    const int h = height();
    painter.drawPixmap(QRectF(0, 0, end, h), pixmap_, source(0, end, picture.height()));
    painter.drawPixmap(QRectF(end, 0, width() - 2 * end, h), pixmap_,
                       source(end, picture.width() - 2 * end, picture.height()));
    painter.drawPixmap(QRectF(width() - end, 0, end, h), pixmap_,
                       source(picture.width() - end, end, picture.height()));
}

bool isUnderCursor(const QWidget* control, const QPoint& cursor) {
    // QRect::contains counts left..left+width-1, which is exactly "right edge outside".
    return QRect(control->mapToGlobal(QPoint(0, 0)), control->size()).contains(cursor);
}

void hoverImage(PictureBox* control, const QString& outside, const QString& inside,
                const QPoint& cursor) {
    control->setPicture(isUnderCursor(control, cursor) ? inside : outside);
}

QString buttonPicture(const ButtonPictures& pictures, bool enabled, bool underCursor,
                      bool pressTrack) {
    if (!enabled)
        return pictures.disabled.isEmpty() ? pictures.off : pictures.disabled;
    if (!underCursor)
        return pictures.off;
    if (pressTrack && !pictures.pressed.isEmpty())
        return pictures.pressed;
    return pictures.on;
}

PictureButton::PictureButton(std::shared_ptr<const PictureSource> pictures, QWidget* parent,
                             Sizing sizing)
    : PictureBox(std::move(pictures), parent, sizing) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleKind(this, AccessibleKind::Button);
}

void PictureButton::activate() {
    if (isEnabled())
        emit clicked();
}

void PictureButton::updateLook(const QPoint& cursor, bool pressTrack) {
    setPicture(
        buttonPicture(buttonPictures_, isEnabled(), isUnderCursor(this, cursor), pressTrack));
}

QLabel* PictureButton::setCaption(const QString& text) {
    if (!caption_) {
        caption_ = new QLabel(this);
        caption_->setAlignment(Qt::AlignCenter);
        caption_->setFont(uiFont(10, true));
        // The caption lies on the button: a click on it is a click on the button.
        caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
        caption_->setGeometry(rect());
    }
    caption_->setText(text);
    return caption_;
}

void PictureButton::forwardClicksFrom(QWidget* control) {
    control->installEventFilter(this);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    clicks_.press(event);
    emit pressed(event->button());
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = clicks_.release(event, rect());
    event->accept();
    emit released(event->button());
    if (click && isEnabled())
        emit clicked();
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if (!ClickTracker::isActivationKey(event)) {
        PictureBox::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        activate();
}

void PictureButton::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

void PictureButton::resizeEvent(QResizeEvent* event) {
    PictureBox::resizeEvent(event);
    if (caption_)
        caption_->setGeometry(rect());
}

bool PictureButton::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    static constexpr char kLeftDown[] = "orvantaLeftDown";
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            control->setProperty(kLeftDown, true);
        // Accepting the press makes the release come to the control too.
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        const bool wasDown = control->property(kLeftDown).toBool();
        control->setProperty(kLeftDown, false);
        if (wasDown && control->rect().contains(mouse->position().toPoint()) && isEnabled())
            emit clicked();
        return true;
    }
    return false;
}

} // namespace orvanta
