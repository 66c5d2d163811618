#include "home_page.h"

#include "main_window/click_label.h"
#include "ui_frame/logic/skin_palette.h"
#include "ui_frame/logic/units.h"
#include "ui_frame/ui_font.h"
#include "ui_frame/widget_helpers.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace orvanta {

namespace {

// Topic column, twips.
constexpr int kTopicHeadLeft = 150;
constexpr int kHeadTop = 120;
constexpr int kTopicHeadTextWidth = 2250;
constexpr int kHeadHeight = 360;
constexpr int kTopicTop = 630;
constexpr int kTopicPitch = 420;
constexpr int kBulletLeft = 210;
constexpr int kBulletDrop = 30;
constexpr int kTopicLeft = 510;
constexpr int kTopicWidth = 2250;
constexpr int kTopicHeight = 285;

// Paper column, twips.
constexpr int kPaperLeft = 2970;
constexpr int kPaperHeadTextLeft = 3090;
constexpr int kPaperHeadTextWidth = 2400;
constexpr int kBlockTop = 600;
constexpr int kBlockPitch = 960;
constexpr int kCaptionHeight = 240;
constexpr int kFirstRowDrop = 270;
constexpr int kSecondRowDrop = kFirstRowDrop + 240;
constexpr int kRowHeight = 225;
constexpr int kPaperCaptionLeft = kPaperLeft + 90;
constexpr int kRowCaptionLeft = kPaperLeft + 210;
constexpr int kRowCaptionWidth = 1140;
constexpr int kButtonLeft = kPaperLeft + 1380;
constexpr int kButtonWidth = 450;
constexpr int kPercentWidth = 180;

constexpr int kScorePointSize = 9;
constexpr int kSmallestScorePointSize = 7;
constexpr int kTopicPointSize = 9;
constexpr int kSmallTopicPointSize = 8;
constexpr int kTwoLineGrowth = 4; // pixels above and below a two-line topic row

int blockTop(int paper) {
    return kBlockTop + (paper - 1) * kBlockPitch;
}

int rowTop(int paper, int take) {
    return blockTop(paper) + (take == 1 ? kFirstRowDrop : kSecondRowDrop);
}

QLabel* textLabel(QWidget* parent, const QString& text, const QFont& font, const QRect& place,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setGeometry(place);
    setTextColour(label, kSkin.ink);
    return label;
}

} // namespace

PercentColumn::PercentColumn(QWidget* parent)
    : QWidget(parent) {
    setFont(uiFont(9));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PercentColumn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(kSkin.ink);
    painter.setFont(font());
    const int top = rowTop(1, 1);
    for (int paper = 1; paper <= kPapersPerTopic; ++paper) {
        for (int take = 1; take <= 2; ++take) {
            const QRect row = twipsRect(0, rowTop(paper, take) - top, kPercentWidth, kRowHeight);
            painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%"));
        }
    }
}

HomePage::HomePage(std::shared_ptr<const PictureSource> pictures, QWidget* parent)
    : QWidget(parent)
    , pictures_(std::move(pictures)) {
    setObjectName(QStringLiteral("Body_Home"));
    createTopicColumn();
    createPaperBlocks();
}

void HomePage::createTopicColumn() {
    ColHead1 = new PictureBox(pictures_, this);
    ColHead1->setObjectName(QStringLiteral("ColHead1"));
    ColHead1->setFallbackSize(twipsRect(0, 0, 2700, kHeadHeight).size());
    ColHead1->setPicture(QStringLiteral("columnhead1.bmp"));
    ColHead1->move(twipsRect(kTopicHeadLeft, kHeadTop, 0, 0).topLeft());
    textLabel(this, QStringLiteral("Select a Topic"), uiFont(10, true),
              twipsRect(kTopicHeadLeft, kHeadTop, kTopicHeadTextWidth, kHeadHeight),
              Qt::AlignCenter);

    for (int i = 0; i < kMaxTopics; ++i) {
        const int top = kTopicTop + i * kTopicPitch;
        Bullet[i] = new PictureBox(pictures_, this);
        Bullet[i]->setObjectName(QStringLiteral("Bullet%1").arg(i + 1));
        Bullet[i]->setFallbackSize(twipsRect(0, 0, 225, 225).size());
        Bullet[i]->setPicture(QStringLiteral("bullet.bmp"));
        Bullet[i]->move(twipsRect(kBulletLeft, top + kBulletDrop, 0, 0).topLeft());

        auto* topic = new ClickLabel(this);
        topic->setObjectName(QStringLiteral("Topic%1").arg(i + 1));
        topic->setGeometry(twipsRect(kTopicLeft, top, kTopicWidth, kTopicHeight));
        topic->setAlignment(Qt::AlignCenter);
        topic->setFont(uiFont(kTopicPointSize));
        topic->setAutoFillBackground(true);
        topic->setToolTip(QStringLiteral("Click to select topic"));
        topic->setCursor(Qt::PointingHandCursor);
        connect(topic, &ClickLabel::clicked, this, [this, i] { emit topicClicked(i + 1); });
        Topic[i] = topic;
    }
}

void HomePage::createPaperBlocks() {
    ColHead2 = new PictureBox(pictures_, this);
    ColHead2->setObjectName(QStringLiteral("ColHead2"));
    ColHead2->setFallbackSize(twipsRect(0, 0, 2880, kHeadHeight).size());
    ColHead2->setPicture(QStringLiteral("columnhead2.bmp"));
    ColHead2->move(twipsRect(kPaperLeft, kHeadTop, 0, 0).topLeft());
    SubH1 = textLabel(this, QStringLiteral("Select a Paper"), uiFont(10, true),
                      twipsRect(kPaperHeadTextLeft, kHeadTop, kPaperHeadTextWidth, kHeadHeight),
                      Qt::AlignCenter);
    SubH1->setObjectName(QStringLiteral("SubH1"));

    // The "%" column lies under the score labels, which are created after it.
    Percent1a = new PercentColumn(this);
    Percent1a->setObjectName(QStringLiteral("Percent1a"));
    Percent1a->setGeometry(twipsRect(kPercentColumnLeft, rowTop(1, 1), kPercentWidth,
                                     rowTop(5, 2) + kRowHeight - rowTop(1, 1)));

    QPalette scorePalette = palette();
    // Opaque in the page's own colour, so that an empty score label hides its
    // row's "%" without showing a box.
    scorePalette.setColor(QPalette::Window, kSkin.face);
    scorePalette.setColor(QPalette::WindowText, kSkin.ink);

    const ButtonPictures loadPictures{
        QStringLiteral("loadbutton_off.bmp"), QStringLiteral("loadbutton_on.bmp"), {}, {}};
    for (int k = 1; k <= kPapersPerTopic; ++k) {
        const int i = k - 1;
        paperCaption_[i] =
            textLabel(this, QStringLiteral("Paper %1").arg(k), uiFont(9, true),
                      twipsRect(kPaperCaptionLeft, blockTop(k), kRowCaptionWidth, kCaptionHeight));
        paperCaption_[i]->setObjectName(QStringLiteral("PaperCaption%1").arg(k));
        for (int take = 1; take <= 2; ++take) {
            QLabel* caption = textLabel(
                this, take == 1 ? QStringLiteral("1st Attempt:") : QStringLiteral("2nd Attempt:"),
                uiFont(9),
                twipsRect(kRowCaptionLeft, rowTop(k, take), kRowCaptionWidth, kRowHeight));
            const QChar letter = take == 1 ? u'a' : u'b';
            caption->setObjectName(QStringLiteral("Attempt%1%2").arg(k).arg(letter));
            (take == 1 ? firstRowCaption_ : secondRowCaption_)[i] = caption;

            auto* button = new PictureButton(pictures_, this, PictureBox::Sizing::Stretch);
            button->setObjectName(QStringLiteral("P%1%2").arg(k).arg(letter));
            button->setGeometry(twipsRect(kButtonLeft, rowTop(k, take), kButtonWidth, kRowHeight));
            button->setPictures(loadPictures);
            button->setPicture(loadPictures.off);
            button->setToolTip(PaperButton{k, take}.toolTip());
            button->setAccessibleName(
                QStringLiteral("Paper %1, %2 attempt")
                    .arg(k)
                    .arg(take == 1 ? QStringLiteral("first") : QStringLiteral("second")));
            button->setFocusPolicy(Qt::TabFocus);
            button->setCursor(Qt::PointingHandCursor);
            connect(button, &PictureButton::clicked, this,
                    [this, k, take] { emit paperClicked(k, take); });
            (take == 1 ? Pa : Pb)[i] = button;

            auto* score = new QLabel(this);
            score->setObjectName(QStringLiteral("MS%1%2").arg(take == 1 ? u'A' : u'B').arg(k));
            score->setFont(uiFont(kScorePointSize));
            score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            score->setPalette(scorePalette);
            score->setAutoFillBackground(true);
            score->setGeometry(
                twipsRect(kPercentColumnLeft, rowTop(k, take), kScoreLabelWidth, kRowHeight));
            (take == 1 ? MSA : MSB)[i] = score;
        }
    }
    // Keyboard order down the page: paper 1 first take, second take, paper 2, ...
    for (int i = 0; i < kPapersPerTopic; ++i) {
        setTabOrder(Pa[i], Pb[i]);
        if (i + 1 < kPapersPerTopic)
            setTabOrder(Pb[i], Pa[i + 1]);
    }
}

void HomePage::setTopicName(int row, const QString& name) {
    ClickLabel* topic = Topic.at(row - 1);
    const QRect place =
        twipsRect(kTopicLeft, kTopicTop + (row - 1) * kTopicPitch, kTopicWidth, kTopicHeight);
    topic->setText(name);
    const int room = place.width() - 6;
    const bool fitsOneLine =
        QFontMetrics(uiFont(kSmallTopicPointSize)).horizontalAdvance(name) <= room;
    if (QFontMetrics(uiFont(kTopicPointSize)).horizontalAdvance(name) <= room) {
        topic->setFont(uiFont(kTopicPointSize));
        topic->setWordWrap(false);
        topic->setGeometry(place);
    } else if (fitsOneLine) {
        topic->setFont(uiFont(kSmallTopicPointSize));
        topic->setWordWrap(false);
        topic->setGeometry(place);
    } else {
        // A long name takes two lines, the row growing evenly up and down
        // within the gap to its neighbours.
        topic->setFont(uiFont(kSmallTopicPointSize));
        topic->setWordWrap(true);
        topic->setGeometry(place.adjusted(0, -kTwoLineGrowth, 0, kTwoLineGrowth));
    }
}

void HomePage::showPaperList(const PaperList& list, bool available) {
    SubH1->setText(list.heading);
    Percent1a->setVisible(available);
    for (int i = 0; i < kPapersPerTopic; ++i) {
        const PaperBlock& block = list.papers[i];
        showScore(MSA[i], block.firstScore, block.firstScoreLeft);
        showScore(MSB[i], block.secondScore, block.secondScoreLeft);
        // Only the second-take button comes and goes: both rows keep their
        // captions and score labels, so that the five blocks look alike.
        for (QWidget* control :
             {static_cast<QWidget*>(paperCaption_[i]), static_cast<QWidget*>(firstRowCaption_[i]),
              static_cast<QWidget*>(secondRowCaption_[i]), static_cast<QWidget*>(Pa[i]),
              static_cast<QWidget*>(MSA[i]), static_cast<QWidget*>(MSB[i])})
            control->setVisible(available);
        Pb[i]->setVisible(available && block.secondTakeButtonShown);
        // A screen reader hears the score with the button, not in a label
        // the keyboard never reaches.
        describePaperButton(Pa[i], block.firstScore);
        describePaperButton(Pb[i], block.secondScore);
    }
}

void HomePage::describePaperButton(PictureButton* button, const QString& score) {
    button->setAccessibleDescription(
        button->toolTip() + (score.isEmpty() ? QStringLiteral("; not marked yet")
                                             : QStringLiteral("; score %1 percent").arg(score)));
}

void HomePage::showScore(QLabel* score, const QString& text, int leftTwips) {
    // The design width holds the scores marking writes ("66.7", "100"); a
    // longer hand-edited one takes a smaller type, then the room up to the
    // paper button, and only past that is it shortened, whole in its tooltip.
    QRect place = twipsRect(leftTwips, 0, kScoreLabelWidth, 0);
    place.setTop(score->y());
    place.setHeight(score->height());
    QFont font = uiFont(kScorePointSize);
    for (int size = kScorePointSize; size >= kSmallestScorePointSize; --size) {
        font = uiFont(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= place.width())
            break;
    }
    const int needed = QFontMetrics(font).horizontalAdvance(text);
    const int leftmost = twipsToPixels(kButtonLeft + kButtonWidth) + 2;
    if (needed > place.width())
        place.setLeft(std::max(leftmost, place.right() + 1 - needed));
    score->setFont(font);
    score->setGeometry(place);
    const QString shown =
        QFontMetrics(font).elidedText(text, Qt::ElideRight, score->contentsRect().width());
    score->setText(shown);
    score->setToolTip(shown == text ? QString() : text);
}

void HomePage::updateHover(const QPoint& cursor) {
    for (int i = 0; i < kPapersPerTopic; ++i) {
        Pa[i]->updateLook(cursor);
        Pb[i]->updateLook(cursor);
    }
}

} // namespace orvanta
