#include "pop_up.h"

#include "ui_frame/accessibility.h"
#include "ui_frame/logic/units.h"
#include "ui_frame/ui_font.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace orvanta {

namespace {

const QString kInfoPicture = QStringLiteral("info_mark.gif");
const ButtonPictures kButtonPictures{
    QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"), {}, {}};

// Design spacing, twips: content margin 240, icon to message 150.
const int kMargin = twipsToPixels(240);
const int kIconToMessage = twipsToPixels(150);
constexpr int kButtonGap = 10;
// Room kept between the message and the buttons.
constexpr int kMessageToButtons = 6;
constexpr QSize kInfoFallback(32, 32);

const QString kPopUpYes = QStringLiteral("True");
const QString kPopUpNo = QStringLiteral("False");

} // namespace

QString PopUpResponseText(PopUpAnswer answer) {
    if (!answer)
        return {};
    return *answer ? kPopUpYes : kPopUpNo;
}

PopUpAnswer PopUpAnswerOf(const QString& text) {
    if (text == kPopUpYes)
        return true;
    if (text == kPopUpNo)
        return false;
    return std::nullopt;
}

frmPopUp::frmPopUp(SkinContext skin, PopUpAnswer& popUpResponse, QWidget* parent)
    : QDialog(parent)
    , popUpResponse_(popUpResponse) {
    setObjectName(QStringLiteral("frmPopUp"));
    setFixedSize(twipsToPixels(kPopUpWidthTwips), twipsToPixels(kPopUpHeightTwips));
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    background.setColor(QPalette::WindowText, Qt::black);
    setPalette(background);
    setAutoFillBackground(true);

    frame_ = new SkinnedFrame(this, FrameKind::PopUp, skin);

    imgInfo_ = new PictureBox(skin.pictures, this);
    imgInfo_->setObjectName(QStringLiteral("ImgInfo"));
    imgInfo_->setFallbackSize(kInfoFallback);
    imgInfo_->setPicture(kInfoPicture);

    lblMessage_ = new QLabel(QStringLiteral("8888888888 8888888888 8888888888 8"), this);
    lblMessage_->setObjectName(QStringLiteral("lblMessage"));
    lblMessage_->setFont(uiFont(10));
    lblMessage_->setWordWrap(true);
    lblMessage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    but1_ = makeButton("But1", QStringLiteral("OK"));
    but2_ = makeButton("But2", QStringLiteral("Cancel"));
    setTabOrder(but1_, but2_);
    connect(but1_, &PictureButton::clicked, this, [this] { choose(true); });
    connect(but2_, &PictureButton::clicked, this, [this] { choose(false); });
    connect(frame_, &SkinnedFrame::hoverTick, this, &frmPopUp::updateButtonLooks);

    layOutContent();
    setAccessibleKind(this, AccessibleKind::Alert);
}

PictureButton* frmPopUp::makeButton(const char* name, const QString& caption) {
    auto* button = new PictureButton(frame_->skin().pictures, this, PictureBox::Sizing::Stretch);
    button->setObjectName(QString::fromLatin1(name));
    button->resize(twipsToPixels(kPopUpButtonWidthTwips), twipsToPixels(kPopUpButtonHeightTwips));
    button->setPictures(kButtonPictures);
    button->setPicture(kButtonPictures.off);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setCaption(caption)->setObjectName(QString::fromLatin1(name) + QStringLiteral("_lbl"));
    return button;
}

void frmPopUp::layOutContent() {
    const QRect topRight = frame_->geometry().topRight;
    imgInfo_->move(lblTitle()->x(), topRight.y() + topRight.height() + kMargin);

    const int buttonTop = height() - but1_->height() - kMargin;
    but1_->move(but1_->x(), buttonTop);
    but2_->move(but2_->x(), buttonTop);

    const int messageLeft = imgInfo_->x() + imgInfo_->naturalSize().width() + kIconToMessage;
    lblMessage_->setGeometry(messageLeft, imgInfo_->y(), width() - messageLeft - kMargin,
                             buttonTop - kMessageToButtons - imgInfo_->y());

    // As designed, before CallPop chooses: both buttons from the message's left edge.
    but1_->move(messageLeft, buttonTop);
    but2_->move(messageLeft + but1_->width() + kButtonGap, buttonTop);
}

void frmPopUp::CallPop(const QString& title, const QString& message, int buttonCount,
                       QWidget* owner) {
    frame_->setTitle(title);
    lblMessage_->setText(message);
    // A screen reader announces the title and message when the pop-up shows,
    // and reads the message again with the button that has the focus.
    nameForScreenReader(this, title, message);
    nameForScreenReader(but1_, QString(), message);
    nameForScreenReader(but2_, QString(), message);

    buttonCount_ = buttonCount;
    if (buttonCount == 1) {
        but1_->show();
        but2_->hide();
        but1_->move((width() - but1_->width()) / 2, but1_->y());
        but1_->setCaption(QStringLiteral("OK"));
    } else if (buttonCount == 2) {
        but1_->show();
        but2_->show();
        but1_->move(lblMessage_->x(), but1_->y());
        but2_->move(but1_->x() + but1_->width() + kButtonGap, but1_->y());
        but1_->setCaption(QStringLiteral("Yes"));
        but2_->setCaption(QStringLiteral("No"));
    }

    // A one-line message is centred on the icon; the bottom edge stays put.
    const int bottom = lblMessage_->geometry().bottom();
    const int top =
        imgInfo_->y() + (message.size() < kOneLineMessageLength ? kOneLineMessageDrop : 0);
    lblMessage_->setGeometry(lblMessage_->x(), top, lblMessage_->width(), bottom - top + 1);

    QRect area;
    if (owner)
        area = owner->window()->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void frmPopUp::choose(bool first) {
    popUpResponse_ = first;
    done(first ? QDialog::Accepted : QDialog::Rejected);
}

void frmPopUp::reject() {
    // The one-button form is a notice: dismissing it is acknowledging it.
    popUpResponse_ = buttonCount_ == 1;
    QDialog::reject();
}

void frmPopUp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    but1_->setFocus(Qt::ActiveWindowFocusReason);
    announceAlert(this);
}

void frmPopUp::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmPopUp::updateButtonLooks(const QPoint& cursor) {
    but1_->updateLook(cursor);
    but2_->updateLook(cursor);
}

PopUpChannel::PopUpChannel(SkinContext skin, PopUpAnswer& popUpResponse)
    : skin_(std::move(skin))
    , popUpResponse_(popUpResponse) {}

bool PopUpChannel::ask(const QString& title, const QString& message, int buttonCount,
                       QWidget* owner) {
    ++askedCount_;
    lastTitle_ = title;
    lastMessage_ = message;
    lastButtonCount_ = buttonCount;
    if (!nextAnswers_.isEmpty()) {
        const bool answer = nextAnswers_.takeFirst();
        popUpResponse_ = answer;
        return answer;
    }
    frmPopUp popUp(skin_, popUpResponse_, owner ? owner->window() : nullptr);
    popUp.CallPop(title, message, buttonCount, owner);
    popUp.exec();
    return popUpResponse_.value_or(false);
}

} // namespace orvanta
