#pragma once

#include "ui_frame/skin_context.h"
#include "ui_frame/skinned_frame.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <optional>

class QLabel;

namespace orvanta {

// Design sizes of the pop-up, twips.
inline constexpr int kPopUpWidthTwips = 4500;
inline constexpr int kPopUpHeightTwips = 2400;
inline constexpr int kPopUpButtonWidthTwips = 1200;
inline constexpr int kPopUpButtonHeightTwips = 375;

// Messages shorter than this many characters fit on one line and are moved
// down to centre them on the information icon.
inline constexpr int kOneLineMessageLength = 33;
inline constexpr int kOneLineMessageDrop = 7;

// A pop-up's answer, as the main window keeps it in its PopUpResponse
// field: true for the first button ("OK", "Yes"), false for the second
// ("No"), nothing before the first pop-up.
using PopUpAnswer = std::optional<bool>;

// PopUpResponse's text for an answer: "True", "False", or empty for none.
QString PopUpResponseText(PopUpAnswer answer);
// The answer a PopUpResponse text stands for: "True" and "False" exactly;
// any other text is no answer.
PopUpAnswer PopUpAnswerOf(const QString& text);

// The program's own modal message box: skinned frame with all four corners
// rounded, information icon, word-wrapping message, and one button ("OK") or
// two ("Yes", "No").
//
// The answer goes into the PopUpResponse field that the main window owns
// (passed by reference; it must outlive the pop-up): true ("True") for the
// first button, false ("False") for the second. Closing it otherwise
// (Escape, the window manager's close) answers like the second button in the
// two-button form, false; the one-button form only acknowledges, so any way
// of closing it answers true, as its "OK" does.
//
// Keyboard: the first button has the focus when the pop-up opens; Tab and
// the arrow keys move between the buttons; Space, Enter and Return choose the
// focused button; the focused button shows a dotted focus rectangle.
// Screen readers are told it is an alert named by its title, with the
// message as its description (also the buttons'), when it shows.
class frmPopUp : public QDialog {
    Q_OBJECT
public:
    frmPopUp(SkinContext skin, PopUpAnswer& popUpResponse, QWidget* parent = nullptr);

    // Prepares the pop-up without showing it: title and message, the
    // buttons for `buttonCount` (1: "OK" centred; 2: "Yes" at the message's
    // left edge and "No" 10 px to the right of it; any other count leaves the
    // buttons as designed), the message moved down by 7 px when it is shorter
    // than 33 characters, and the pop-up centred on the window of `owner` (on
    // the screen when there is none).
    void CallPop(const QString& title, const QString& message, int buttonCount, QWidget* owner);

    int buttonCount() const { return buttonCount_; }
    SkinnedFrame& frame() { return *frame_; }

    // Controls, named as in the design.
    QLabel* lblTitle() const { return frame_->controls().Title; }
    PictureBox* ImgInfo() const { return imgInfo_; }
    QLabel* lblMessage() const { return lblMessage_; }
    PictureButton* But1() const { return but1_; }
    PictureButton* But2() const { return but2_; }
    QLabel* But1_lbl() const { return but1_->captionLabel(); }
    QLabel* But2_lbl() const { return but2_->captionLabel(); }

public slots:
    // Escape and every close other than the buttons.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PictureButton* makeButton(const char* name, const QString& caption);
    void layOutContent();
    void choose(bool first);
    void updateButtonLooks(const QPoint& cursor);

    PopUpAnswer& popUpResponse_;
    SkinnedFrame* frame_;
    PictureBox* imgInfo_;
    QLabel* lblMessage_;
    PictureButton* but1_;
    PictureButton* but2_;
    int buttonCount_ = 0;
};

// How the windows put a question to the pupil: CallPop, a modal show, and the
// answer read back from PopUpResponse. The main window owns PopUpResponse and
// one channel, and hands the channel to the windows it opens.
class PopUpChannel {
public:
    // `popUpResponse` is the main window's field; it must outlive the channel.
    PopUpChannel(SkinContext skin, PopUpAnswer& popUpResponse);

    // Shows the pop-up modally over `owner` and returns the answer: true
    // when PopUpResponse holds true ("True") afterwards.
    bool ask(const QString& title, const QString& message, int buttonCount, QWidget* owner);

    PopUpAnswer answer() const { return popUpResponse_; }

    // Test hook: the next ask() shows nothing and answers `answer` at once,
    // writing it into PopUpResponse like a button would. Used once; replaces
    // any answers set before and not used yet.
    void setNextAnswer(bool answer) { nextAnswers_ = {answer}; }
    // The same for the next asks, one answer each, in order (a command that
    // asks and then tells).
    void setNextAnswers(QList<bool> answers) { nextAnswers_ = std::move(answers); }
    // What was last asked, shown or answered by the hook.
    const QString& lastTitle() const { return lastTitle_; }
    const QString& lastMessage() const { return lastMessage_; }
    int lastButtonCount() const { return lastButtonCount_; }
    int askedCount() const { return askedCount_; }

private:
    SkinContext skin_;
    PopUpAnswer& popUpResponse_;
    QList<bool> nextAnswers_;
    QString lastTitle_;
    QString lastMessage_;
    int lastButtonCount_ = 0;
    int askedCount_ = 0;
};

} // namespace orvanta
