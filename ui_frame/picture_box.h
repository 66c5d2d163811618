#pragma once

#include "ui_frame/click_tracker.h"
#include "ui_frame/picture_source.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>

class QLabel;
class QPainter;

namespace orvanta {

// An image control: shows one picture of the graphics folder, by file name.
// A missing or damaged picture shows nothing; the control keeps its size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Sizing {
        // The control takes the size of its picture (the fallback size when
        // there is none).
        FitPicture,
        // The picture is stretched over the control, which keeps the size
        // its window gives it.
        Stretch,
        // As Stretch, but only across the picture's middle: its left and
        // right ends, each half its height wide, keep their size, so that a
        // rounded panel keeps its rounded ends at any width.
        StretchMiddle,
    };

    explicit PictureBox(std::shared_ptr<const PictureSource> pictures, QWidget* parent = nullptr,
                        Sizing sizing = Sizing::FitPicture);

    // Loads `fileName` (empty: no picture). Called at every tick with the
    // picture the rules give; the control repaints only when the picture
    // changed.
    void setPicture(const QString& fileName);
    const QString& pictureName() const { return pictureName_; }
    bool hasPicture() const { return !pixmap_.isNull(); }

    // The size used when the picture is missing, so that layouts stay sane.
    void setFallbackSize(QSize size);
    // The picture's own size, or the fallback size when there is none.
    QSize naturalSize() const;

    // The control's rectangle on the screen.
    QRect screenRect() const;

    const std::shared_ptr<const PictureSource>& pictureSource() const { return pictures_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintStretchedMiddle(QPainter& painter) const;

    std::shared_ptr<const PictureSource> pictures_;
    Sizing sizing_;
    QString pictureName_;
    QPixmap pixmap_;
    QSize fallbackSize_{16, 16};
};

// The rectangle test of the hover rules: `cursor` (global) lies inside the
// control's screen rectangle, the left and top edges inside, the right and
// bottom edges outside. Whether another control covers it does not matter.
bool isUnderCursor(const QWidget* control, const QPoint& cursor);

// Two-state hover rule: the inside picture while the cursor read at the start
// of the tick lies inside the control, else the outside picture.
void hoverImage(PictureBox* control, const QString& outside, const QString& inside,
                const QPoint& cursor);

// The pictures of a toolbar or dialog button, by file name. `pressed` and
// `disabled` may be empty for buttons without those looks.
struct ButtonPictures {
    QString off;
    QString on;
    QString pressed;
    QString disabled;
};

// The picture a button shows for one tick:
//   disabled                         -> `disabled` (or `off` when it has none)
//   not under the cursor             -> `off`
//   under the cursor, not pressTrack -> `on`
//   under the cursor, pressTrack     -> `pressed` (or `on` when it has none)
QString buttonPicture(const ButtonPictures& pictures, bool enabled, bool underCursor,
                      bool pressTrack);

// A picture button with off, hover, pressed and disabled looks.
//
// Its look is set by the window's timer tick (updateLook) from the cursor of
// that tick and the window's press-tracking flag, which the window keeps from
// this button's pressed()/released() signals (toolbars share one flag among
// their buttons). clicked() fires on a left-button release over the button
// after a press on it, and, when the button takes focus, on Space, Enter or
// Return. A disabled button ignores clicks, also on its caption. Screen
// readers are told it is a button (accessibility.h).
class PictureButton : public PictureBox {
    Q_OBJECT
public:
    explicit PictureButton(std::shared_ptr<const PictureSource> pictures, QWidget* parent = nullptr,
                           Sizing sizing = Sizing::FitPicture);

    void setPictures(const ButtonPictures& pictures) { buttonPictures_ = pictures; }
    const ButtonPictures& pictures() const { return buttonPictures_; }

    // One tick: shows buttonPicture(pictures(), isEnabled(), under cursor, pressTrack).
    void updateLook(const QPoint& cursor, bool pressTrack = false);

    // A caption label lying on the button, centred on it; clicks on it are
    // clicks on the button. Created at the first call.
    QLabel* setCaption(const QString& text);
    QLabel* captionLabel() const { return caption_; }

    // Another control (a caption beside or under the button) whose left
    // clicks act as clicks on this button. Presses on it do not count as
    // presses of the button.
    void forwardClicksFrom(QWidget* control);

    // Clicks the button as Space does, when it is enabled: also what a
    // screen reader's press action and the windows' shortcuts call.
    Q_INVOKABLE void activate();

signals:
    // Any mouse button went down on the button / came up after such a press.
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ButtonPictures buttonPictures_;
    QLabel* caption_ = nullptr;
    ClickTracker clicks_;
};

} // namespace orvanta
