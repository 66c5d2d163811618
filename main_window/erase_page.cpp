#include "erase_page.h"

#include "ui_frame/logic/skin_palette.h"
#include "ui_frame/logic/units.h"
#include "ui_frame/ui_font.h"
#include "ui_frame/widget_helpers.h"

#include <QLabel>

namespace orvanta {

namespace {

// Design places, twips, on a page whose middle lies at kDesignCentre; the
// page here is wider, so every control moves by the same amount to keep the
// group in the middle.
constexpr int kDesignCentre = 2880;
constexpr int kOfferTop = 1320;
constexpr int kConfirmTop = 1440;
constexpr int kButtonTop = 1920;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 375;
constexpr int kTrashLeft = 2280;
constexpr int kNoLeft = 1560;
constexpr int kYesLeft = 3000;
constexpr int kTextMargin = 720;
constexpr int kTextHeight = 480;

const ButtonPictures kButtonPictures{
    QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"), {}, {}};

QLabel* message(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(uiFont(10));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(label, kSkin.ink);
    return label;
}

} // namespace

ErasePage::ErasePage(std::shared_ptr<const PictureSource> pictures, QWidget* parent)
    : QWidget(parent)
    , pictures_(std::move(pictures)) {
    setObjectName(QStringLiteral("Body_Trash"));

    Trashlbl1 = message(this, "Trashlbl1",
                        "Click on the button below if you wish to erase all your past results "
                        "and reset the program.");
    Trashlbl2 = message(this, "Trashlbl2", "Are you sure?");
    Trashlbl3 = message(this, "Trashlbl3", "All your past results have been erased.");

    ButTrash = makeButton("ButTrash", QStringLiteral("Trash"));
    ButTrash_No = makeButton("ButTrash_No", QStringLiteral("No"));
    ButTrash_Yes = makeButton("ButTrash_Yes", QStringLiteral("Yes"));
    connect(ButTrash, &PictureButton::clicked, this, [this] { setState(State::Confirm); });
    connect(ButTrash_No, &PictureButton::clicked, this, [this] { setState(State::Offer); });
    connect(ButTrash_Yes, &PictureButton::clicked, this, &ErasePage::eraseConfirmed);
    setTabOrder(ButTrash_No, ButTrash_Yes);

    layOut();
    setState(State::Offer);
}

PictureButton* ErasePage::makeButton(const char* name, const QString& caption) {
    auto* button = new PictureButton(pictures_, this, PictureBox::Sizing::Stretch);
    button->setObjectName(QString::fromLatin1(name));
    button->resize(twipsRect(0, 0, kButtonWidth, kButtonHeight).size());
    button->setPictures(kButtonPictures);
    button->setPicture(kButtonPictures.off);
    button->setFocusPolicy(Qt::TabFocus);
    button->setCaption(caption)->setObjectName(QString::fromLatin1(name) + QStringLiteral("_lbl"));
    return button;
}

void ErasePage::setState(State state) {
    // Read before the button hides: hiding it moves the focus away.
    const bool offerFocused = ButTrash->hasFocus();
    state_ = state;
    Trashlbl1->setVisible(state == State::Offer);
    ButTrash->setVisible(state == State::Offer);
    Trashlbl2->setVisible(state == State::Confirm);
    ButTrash_No->setVisible(state == State::Confirm);
    ButTrash_Yes->setVisible(state == State::Confirm);
    Trashlbl3->setVisible(state == State::Done);
    if (state == State::Confirm && offerFocused)
        ButTrash_No->setFocus(Qt::TabFocusReason);
}

void ErasePage::updateHover(const QPoint& cursor) {
    for (PictureButton* button : {ButTrash, ButTrash_Yes, ButTrash_No})
        button->updateLook(cursor);
}

void ErasePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void ErasePage::layOut() {
    const int shift = width() * kTwipsPerPixel / 2 - kDesignCentre;
    const int textWidth = width() * kTwipsPerPixel - 2 * kTextMargin;
    Trashlbl1->setGeometry(twipsRect(kTextMargin, kOfferTop, textWidth, kTextHeight));
    Trashlbl2->setGeometry(twipsRect(kTextMargin, kConfirmTop, textWidth, kTextHeight));
    Trashlbl3->setGeometry(twipsRect(kTextMargin, kOfferTop, textWidth, kTextHeight));
    ButTrash->move(twipsToPixels(kTrashLeft + shift), twipsToPixels(kButtonTop));
    ButTrash_No->move(twipsToPixels(kNoLeft + shift), twipsToPixels(kButtonTop));
    ButTrash_Yes->move(twipsToPixels(kYesLeft + shift), twipsToPixels(kButtonTop));
}

} // namespace orvanta
