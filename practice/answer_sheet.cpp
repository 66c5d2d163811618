#include "answer_sheet.h"

#include "practice/answer_box.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/ui_font.h"
#include "ui_frame/units.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace orvanta {

namespace {

// Answer frames stand this far in from the sheet's left edge.
constexpr int kFrameLeftTwips = 60;
constexpr int kPartLetterLeftTwips = 30;
constexpr int kPartLetterTopTwips = 40;
constexpr int kPartLetterWidthTwips = 285;
constexpr int kPartLetterHeightTwips = 225;
constexpr int kHintShownMs = 3500;
// Room left under the last frame when the frames scroll, and around a box
// scrolled into sight.
constexpr int kFramesBottomTwips = 50;
constexpr int kFocusMargin = 3;
constexpr int kScrollBarWidth = 10;

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace

ResultLabel::ResultLabel(QWidget* parent)
    : QLabel(parent) {
    QFont font = uiFont(14, true);
    setFont(font);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    setPalette(p);
    setAlignment(Qt::AlignCenter);
}

void ResultLabel::setCode(const QString& code) {
    code_ = code;
    setText(ResultMark(code));
}

AnswerFrame::AnswerFrame(int number, Take take, QWidget* parent)
    : QWidget(parent)
    , number_(number)
    , take_(take)
    , heightTwips_(kFrameHeightTwips) {
    setObjectName(QStringLiteral("Frame%1").arg(number));
    setBackground(this, kSheetColour);
    resize(twipsToPixels(kFrameWidthTwips), twipsToPixels(kFrameHeightTwips));

    ql_ = new QLabel(PartLetter(number), this);
    ql_->setObjectName(QStringLiteral("QL%1").arg(number));
    ql_->setFont(uiFont(8, true));
    ql_->setGeometry(twipsRect(kPartLetterLeftTwips, kPartLetterTopTwips, kPartLetterWidthTwips,
                               kPartLetterHeightTwips));

    fa_ = new AnswerBox(this);
    fa_->setObjectName(QStringLiteral("FA%1").arg(number));
    fa_->setGeometry(
        twipsRect(kAnswerLeftTwips, kAnswerTopTwips, kAnswerWidthTwips, kAnswerHeightTwips));

    fr_ = makeResultLabel("FR",
                          take == Take::First ? kResultLeftTwips : kSecondTakeFirstResultLeftTwips);
    if (take == Take::Second)
        sr_ = makeResultLabel("SR", kResultLeftTwips);

    m_ = new QLabel(QStringLiteral("M"), this);
    m_->setObjectName(QStringLiteral("M%1").arg(number));
    m_->setTextFormat(Qt::PlainText);
    m_->setFont(uiFont(9, true));
    m_->setIndent(3);
    m_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette p = m_->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    p.setColor(QPalette::Window, kAnswerWhite);
    m_->setPalette(p);
    m_->setAutoFillBackground(true);
    m_->setGeometry(
        twipsRect(kModelLeftTwips, kAnswerTopTwips, kModelWidthTwips, kAnswerHeightTwips));
    m_->hide();
}

ResultLabel* AnswerFrame::makeResultLabel(const char* prefix, int leftTwips) {
    auto* label = new ResultLabel(this);
    label->setObjectName(QString::fromLatin1(prefix) + QString::number(number_));
    label->setGeometry(twipsRect(leftTwips, 0, kResultWidthTwips, kResultHeightTwips));
    label->hide();
    return label;
}

void AnswerFrame::layOutFor(const QString& typeLetter) {
    const FirstFrameLayout l = FirstFrameLayoutFor(typeLetter);
    heightTwips_ = l.frameHeight;
    resize(width(), twipsToPixels(l.frameHeight));
    fa_->setGeometry(twipsRect(kAnswerLeftTwips, kAnswerTopTwips, l.answerWidth, l.answerHeight));
    fa_->setLongAnswer(typeLetter == QLatin1String("L"));
    fr_->move(twipsToPixels(l.resultLeft), fr_->y());
    if (sr_)
        sr_->move(twipsToPixels(l.resultLeft), sr_->y());
    m_->setGeometry(twipsRect(l.modelLeft, l.modelTop, l.modelWidth, l.modelHeight));
    // A long model answer is a whole sentence: it wraps in its tall box.
    const bool longAnswer = typeLetter == QLatin1String("L");
    m_->setWordWrap(longAnswer);
    m_->setAlignment(Qt::AlignLeft | (longAnswer ? Qt::AlignTop : Qt::AlignVCenter));
}

void AnswerFrame::drawborder(const QWidget* control, int mode) {
    const QRect r = control->geometry();
    // 30 twips outside the top and left edges, 15 outside the others.
    const int top = r.top() - twipsToPixels(30);
    const int left = r.left() - twipsToPixels(30);
    const int bottom = r.top() + r.height() + twipsToPixels(15);
    const int right = r.left() + r.width() + twipsToPixels(15);
    createborder(top, left, bottom, right, mode);
}

void AnswerFrame::createborder(int top, int left, int bottom, int right, int mode) {
    const QRect box(QPoint(left, top), QPoint(right, bottom));
    // The frame keeps what was drawn on it; drawing over a box replaces it,
    // and mode 2, drawn in the frame's own colour, takes it away.
    strokes_.removeIf([&](const BorderStroke& s) { return s.box == box; });
    if (mode != 2)
        strokes_.append({box, mode == 0 ? kBorderBlue : kBorderGrey});
    update();
}

void AnswerFrame::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    for (const BorderStroke& s : strokes_) {
        painter.setPen(QPen(s.colour, 1));
        painter.drawLine(s.box.topLeft(), s.box.topRight());
        painter.drawLine(s.box.topLeft(), s.box.bottomLeft());
        painter.drawLine(s.box.bottomLeft(), s.box.bottomRight());
        painter.drawLine(s.box.topRight(), s.box.bottomRight());
    }
}

AnswerSheet::AnswerSheet(Take take, std::shared_ptr<const PictureSource> pictures, QWidget* parent)
    : QWidget(parent)
    , take_(take) {
    setObjectName(QStringLiteral("AnsBox"));
    setBackground(this, kSheetColour);

    view_ = new QScrollArea(this);
    view_->setObjectName(QStringLiteral("AnsBoxView"));
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_->setWidgetResizable(false);
    // A slim bar leaves the frames' answers and model answers in sight.
    view_->verticalScrollBar()->setFixedWidth(kScrollBarWidth);
    setBackground(view_->viewport(), kSheetColour);
    holder_ = new QWidget;
    holder_->setObjectName(QStringLiteral("AnsBoxFrames"));
    setBackground(holder_, kSheetColour);
    view_->setWidget(holder_);

    instruction_ = new PictureBox(std::move(pictures), this);
    instruction_->setObjectName(QStringLiteral("PicInstruction"));
    instruction_->hide();

    for (int k = 1; k <= kAnswerFrameCount; ++k) {
        auto* frame = new AnswerFrame(k, take, holder_);
        frame->move(twipsToPixels(kFrameLeftTwips), 0);
        frame->hide();
        frames_[k - 1] = frame;
        connect(frame->FA(), &AnswerBox::refused, this,
                [this, box = frame->FA()](const QString& hint) { showHint(box, hint); });
        frame->FA()->installEventFilter(this);
    }

    hint_ = new QLabel(holder_);
    hint_->setObjectName(QStringLiteral("lblAnswerHint"));
    hint_->setFont(uiFont(8, true));
    hint_->setWordWrap(true);
    hint_->setMargin(3);
    hint_->setStyleSheet(
        QStringLiteral("QLabel { background: rgb(255, 250, 205); color: rgb(90, 60, 0);"
                       " border: 1px solid rgb(230, 180, 60); }"));
    // Should it ever lie over a control, a click still reaches that control.
    hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    hint_->hide();
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintShownMs);
    connect(&hintTimer_, &QTimer::timeout, hint_, &QWidget::hide);
}

void AnswerSheet::StackAnswerFrames(int partCount) {
    std::array<int, kAnswerFrameCount> heights{};
    for (int k = 0; k < kAnswerFrameCount; ++k)
        heights[k] = frames_[k]->heightTwips();
    const auto tops = StackFrameTops(heights, partCount, take_);
    for (int k = 0; k < kAnswerFrameCount; ++k)
        frames_[k]->move(frames_[k]->x(), twipsToPixels(tops[k]));
}

void AnswerSheet::ArrangeAnswerFrames(int partCount) {
    StackAnswerFrames(partCount);
    for (int k = 1; k <= kAnswerFrameCount; ++k)
        frames_[k - 1]->setVisible(k <= partCount);
    frames_[0]->QL()->setVisible(partCount >= 2);
    shownFrames_ = std::clamp(partCount, 0, kAnswerFrameCount);
    fitFramesHolder();
    // A question's frames are shown from the top.
    view_->verticalScrollBar()->setValue(0);
}

void AnswerSheet::showHint(const AnswerBox* box, const QString& hint) {
    hint_->setText(hint);
    // The part of the frames' holder that the view shows, where the box is.
    const QWidget* shown = view_->viewport();
    const QRect inSight(holder_->mapFrom(shown, QPoint(0, 0)), shown->size());
    const QRect place =
        HintPlace(QRect(box->mapTo(holder_, QPoint(0, 0)), box->size()), inSight, visibleBoxes(),
                  [this](int width) { return hint_->heightForWidth(width); });
    hint_->setGeometry(place);
    hint_->raise();
    hint_->show();
    hintTimer_.start();
}

QList<QRect> AnswerSheet::visibleBoxes() const {
    QList<QRect> boxes;
    for (const AnswerFrame* frame : frames_) {
        if (frame->isVisibleTo(holder_))
            boxes.append(QRect(frame->FA()->mapTo(holder_, QPoint(0, 0)), frame->FA()->size()));
    }
    return boxes;
}

QRect HintPlace(const QRect& box, const QRect& sheet, const QList<QRect>& boxes,
                const std::function<int(int width)>& heightForWidth) {
    constexpr int kGap = 4;
    constexpr int kNarrowest = 96;
    auto placed = [&](int left, int top, int right) {
        const int width = right - left;
        return QRect(left, top, width, heightForWidth(width));
    };
    auto fits = [&](const QRect& place) {
        if (place.width() < kNarrowest || !sheet.contains(place))
            return false;
        return std::none_of(boxes.begin(), boxes.end(),
                            [&](const QRect& other) { return other.intersects(place); });
    };
    const int right = sheet.right() + 1 - kGap;
    // Beside the box, moved up as far as it must to stay on the sheet.
    QRect beside = placed(box.right() + 1 + kGap, box.top(), right);
    beside.moveBottom(std::min(beside.bottom(), sheet.bottom()));
    if (fits(beside))
        return beside;
    const QRect below = placed(box.left(), box.bottom() + kGap, right);
    if (fits(below))
        return below;
    QRect above = placed(box.left(), 0, right);
    above.moveBottom(box.top() - kGap);
    if (fits(above))
        return above;
    return beside;
}

void AnswerSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutContents();
}

bool AnswerSheet::eventFilter(QObject* watched, QEvent* event) {
    // Tab, Back and Next and clicks all bring a box into sight as it takes
    // the focus, however the frames are scrolled.
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<AnswerBox*>(watched))
            view_->ensureWidgetVisible(box, 0, kFocusMargin);
    }
    return QWidget::eventFilter(watched, event);
}

void AnswerSheet::showInstruction(bool shown) {
    instruction_->setVisible(shown);
    layOutContents();
}

void AnswerSheet::layOutContents() {
    const QSize picture = instruction_->naturalSize();
    instruction_->setGeometry((width() - picture.width()) / 2, height() - picture.height(),
                              picture.width(), picture.height());
    const int below = instruction_->isVisibleTo(this) ? picture.height() : 0;
    view_->setGeometry(0, 0, width(), std::max(0, height() - below));
    fitFramesHolder();
}

void AnswerSheet::fitFramesHolder() {
    int bottom = 0;
    for (int k = 0; k < shownFrames_; ++k)
        bottom = std::max(bottom, frames_[k]->geometry().bottom() + 1);
    const int content = shownFrames_ > 0 ? bottom + twipsToPixels(kFramesBottomTwips) : 0;
    const int room = view_->height();
    const int barWidth = content > room ? view_->verticalScrollBar()->width() : 0;
    holder_->resize(std::max(0, view_->width() - barWidth), std::max(content, room));
}

} // namespace orvanta
