#include "about_page.h"

#include "main_window/click_label.h"
#include "main_window/web_link.h"
#include "ui_frame/accessibility.h"
#include "ui_frame/logic/skin_palette.h"
#include "ui_frame/logic/units.h"
#include "ui_frame/ui_font.h"
#include "ui_frame/widget_helpers.h"

#include <QApplication>
#include <QLabel>
#include <QSysInfo>

namespace orvanta {

namespace {

constexpr int kMargin = 360; // twips

// Where the hand.ico pointer's fingertip is, in its 32 x 32 picture.
constexpr QPoint kHandHotSpot(11, 1);

const char kNotice[] =
    "Warning: this program and the course it carries are protected by copyright. "
    "You may use them on this computer for your own learning. Copying, selling or "
    "passing on any part of them without the written permission of Orvanta is not allowed.";

QLabel* pageLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                  const QColor& colour = kSkin.ink) {
    QLabel* label = makeLabel(parent, QString::fromLatin1(name), text, font, colour);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

AboutPage::AboutPage(std::shared_ptr<const PictureSource> pictures, QWidget* parent)
    : QWidget(parent)
    , pictures_(std::move(pictures)) {
    setObjectName(QStringLiteral("Body_About"));

    ProgramName = pageLabel(this, "ProgramName", QString(), uiFont(14, true));
    ProgramName->setWordWrap(true);
    lblPlatform = pageLabel(this, "lblPlatform", platformLine(), uiFont(10));

    Logo = new PictureBox(pictures_, this);
    Logo->setObjectName(QStringLiteral("Logo"));
    Logo->setFallbackSize(twipsRect(0, 0, 3600, 1350).size());
    Logo->setPicture(QStringLiteral("Logo.gif"));

    lbl_OVURL = new ClickLabel(this);
    lbl_OVURL->setObjectName(QStringLiteral("lbl_OVURL"));
    lbl_OVURL->setText(QLatin1String(kMakerSiteText));
    QFont linkFont = uiFont(10);
    linkFont.setUnderline(true);
    lbl_OVURL->setFont(linkFont);
    lbl_OVURL->setAlignment(Qt::AlignCenter);
    QPalette linkPalette = lbl_OVURL->palette();
    linkPalette.setColor(QPalette::WindowText,
                         QApplication::palette().color(QPalette::Active, QPalette::Highlight));
    lbl_OVURL->setPalette(linkPalette);
    lbl_OVURL->setToolTip(QStringLiteral("Go to Orvanta home page"));
    setAccessibleKind(lbl_OVURL, AccessibleKind::Link);
    lbl_OVURL->setAccessibleDescription(lbl_OVURL->toolTip());
    setHandPointer();
    connect(lbl_OVURL, &ClickLabel::clicked, this, &AboutPage::linkClicked);

    lblNotice =
        pageLabel(this, "lblNotice", QString::fromLatin1(kNotice), uiFont(8), kSkin.noticeInk);
    lblNotice->setWordWrap(true);

    lblVersion = pageLabel(this, "lblVersion", QStringLiteral("Version 2.0"), uiFont(8));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    layOut();
}

QString AboutPage::platformLine() {
#if defined(Q_OS_WIN)
    return QStringLiteral("For Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("For macOS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("For Linux");
#else
    return QStringLiteral("For ") + QSysInfo::kernelType();
#endif
}

void AboutPage::setCourseTitle(const QString& title) {
    ProgramName->setText(title);
}

void AboutPage::setHandPointer() {
    const QPixmap hand = pictures_ ? pictures_->picture(QStringLiteral("hand.ico")) : QPixmap();
    if (hand.isNull())
        lbl_OVURL->setCursor(Qt::PointingHandCursor);
    else
        lbl_OVURL->setCursor(QCursor(hand, kHandHotSpot.x(), kHandHotSpot.y()));
}

void AboutPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void AboutPage::layOut() {
    const int margin = twipsToPixels(kMargin);
    const int inner = width() - 2 * margin;
    int y = twipsToPixels(300);
    ProgramName->setGeometry(margin, y, inner, twipsToPixels(660));
    y += ProgramName->height();
    lblPlatform->setGeometry(margin, y, inner, twipsToPixels(300));
    y += lblPlatform->height() + twipsToPixels(240);
    Logo->move((width() - Logo->width()) / 2, y);
    y += Logo->height() + twipsToPixels(180);
    const int linkWidth = lbl_OVURL->sizeHint().width() + twipsToPixels(120);
    lbl_OVURL->setGeometry((width() - linkWidth) / 2, y, linkWidth, twipsToPixels(300));
    y += lbl_OVURL->height() + twipsToPixels(300);
    lblNotice->setGeometry(margin, y, inner, twipsToPixels(900));
    const int versionHeight = twipsToPixels(300);
    lblVersion->setGeometry(margin, height() - versionHeight - twipsToPixels(150), inner,
                            versionHeight);
}

} // namespace orvanta
