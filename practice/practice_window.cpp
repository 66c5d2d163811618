#include "practice_window.h"

#include "practice/answer_box.h"
#include "practice/answer_notes.h"
#include "practice/answer_sheet.h"
#include "practice/logic/spoken_text.h"
#include "practice/marking_bar.h"
#include "practice/question_browser.h"

#include "data/resource_install.h"
#include "marking/answer_judge.h"
#include "marking/score.h"
#include "ui_frame/accessibility.h"
#include "ui_frame/logic/skin_palette.h"
#include "ui_frame/logic/units.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/skinned_frame.h"
#include "ui_frame/ui_font.h"
#include "ui_frame/widget_helpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>

#include <stdexcept>

namespace orvanta {

namespace {

constexpr QColor kStripColour = kSkin.face;
constexpr QColor kTitleStripColour = kSkin.titleStrip;

constexpr int kMarkingBarCells = 15;
// The footer: panels 2 px apart; the answered count's row.
constexpr int kFooterSpacing = 2;
constexpr int kAnsweredMargin = 4;
constexpr int kAnsweredSpacing = 2;
constexpr int kMaxPartsPerPaper = 80;

// Shortcuts beside the toolbar's: the answer sheet's handle, the list of
// questions left, the first answer box.
constexpr char kSheetShortcut[] = "Alt+H";
constexpr char kQuestionListShortcut[] = "Alt+Q";
constexpr char kAnswersShortcut[] = "Alt+A";

struct ToolbarButton {
    const char* caption;
    const char* toolTip;
    const char* shortcut; // shown after the tooltip
    ButtonPictures pictures;
};

const std::array<ToolbarButton, kToolbarButtonCount>& toolbarButtons() {
    static const std::array<ToolbarButton, kToolbarButtonCount> buttons = {{
        {"Save",
         "Save paper",
         "Ctrl+S",
         {"save_off.bmp", "save_on.bmp", "save_pressed.bmp", "save_disabled.bmp"}},
        {"Mark",
         "Mark paper",
         "Alt+M",
         {"mark_off.bmp", "mark_on.bmp", "mark_pressed.bmp", "mark_disabled.bmp"}},
        {"Print",
         "Print question",
         "Ctrl+P",
         {"print_off.bmp", "print_on.bmp", "print_pressed.bmp", {}}},
        {"Close",
         "Close paper",
         "Alt+C",
         {"close_off.bmp", "close_on.bmp", "close_pressed.bmp", {}}},
        {"Back",
         "Previous question",
         "Alt+B",
         {"back_off.bmp", "back_on.bmp", "back_pressed.bmp", "back_disabled.bmp"}},
        {"Next",
         "Next question",
         "Alt+N",
         {"forward_off.bmp", "forward_on.bmp", "forward_pressed.bmp", "forward_disabled.bmp"}},
    }};
    return buttons;
}

// The window's captions, in its own ink.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                  const QString& toolTip = {}) {
    return orvanta::makeLabel(parent, QString::fromLatin1(name), text, font, kSkin.captionInk,
                              toolTip);
}

QString twoDigit(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

PracticeWindow::PracticeWindow(PaperSession session, PracticeHost& host, QWebEngineProfile* profile,
                               SkinContext skin, PracticeServices services, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , session_(std::move(session))
    , host_(host)
    , skin_(std::move(skin))
    , services_(std::move(services)) {
    setObjectName(take() == Take::First ? QStringLiteral("Test1") : QStringLiteral("Test2"));
    frame_ = new SkinnedFrame(this, FrameKind::PracticeWindow, skin_);
    frame_->setTitle(take() == Take::First ? QStringLiteral("Practice")
                                           : QStringLiteral("Try Again"));
    buildControls(profile);
    connect(frame_, &SkinnedFrame::closeClicked, this, &PracticeWindow::ClosePaper);
}

PracticeWindow::~PracticeWindow() {
    // A window that was never loaded or unloaded still owns its page file.
    if (!unloaded_)
        removePageFile();
}

// ---------------------------------------------------------------------------
// The design: every control, as the window is drawn before it is loaded.

void PracticeWindow::buildControls(QWebEngineProfile* profile) {
    scnTabBG_ = new QWidget(this);
    scnTabBG_->setObjectName(QStringLiteral("ScnTabBG"));
    buildPaperSum();
    buildToolbar();

    browser_ = new QuestionBrowser(
        profile, [invalid = services_.invalidOperation](QWidget* parent) { invalid(parent); },
        this);
    connect(browser_, &QWebEngineView::loadFinished, this, &PracticeWindow::pageLoaded);
    connect(browser_, &QWebEngineView::printFinished, this, [this](bool ok) {
        printer_.reset();
        if (!ok)
            tellPupil(QStringLiteral("Print"), QStringLiteral("The question could not be "
                                                              "printed."));
        emit printFinished(ok);
    });

    qnTitleBG_ = new QWidget(this);
    qnTitleBG_->setObjectName(QStringLiteral("QnTitleBG"));
    fillBackground(qnTitleBG_, kTitleStripColour);
    qnTitle_ = makeLabel(qnTitleBG_, "QnTitle", QuestionTitle(1), uiFont(10, true));
    qnTitle_->move(twipsToPixels(120), 0);
    qnTitle_->setFixedHeight(twipsToPixels(kTitleStripHeightTwips));

    ansBox_ = new AnswerSheet(take(), skin_.pictures, this);
    answerNotes_ = new AnswerNotesStrip(ansBox_);

    picHideAns_ = new QWidget(this);
    picHideAns_->setObjectName(QStringLiteral("PicHideAns"));
    auto* handle = new PictureButton(skin_.pictures, picHideAns_);
    handle->setObjectName(QStringLiteral("ImgHandle"));
    handle->setToolTip(QStringLiteral("Hide answer sheet"));
    handle->setFallbackSize(QSize(6, 48));
    handle->setCursor(Qt::PointingHandCursor);
    handle->setFocusPolicy(Qt::TabFocus);
    connect(handle, &PictureButton::clicked, this, &PracticeWindow::ToggleAnswerSheet);
    addShortcut(QString::fromLatin1(kSheetShortcut), [handle] { handle->activate(); });
    imgHandle_ = handle;

    buildBottomStrip();

    sizer_ = new PictureBox(skin_.pictures, this);
    sizer_->setObjectName(QStringLiteral("Sizer"));
    sizer_->setFallbackSize(QSize(twipsToPixels(kSizerSizeTwips), twipsToPixels(kSizerSizeTwips)));

    // The pointer shapes follow the pointer over the window's edges.
    const FrameControls& c = frame_->controls();
    for (QWidget* edge : {static_cast<QWidget*>(c.BLeft), static_cast<QWidget*>(c.BRight),
                          static_cast<QWidget*>(c.BBot), static_cast<QWidget*>(c.BBotLeft),
                          static_cast<QWidget*>(c.BBotRight), static_cast<QWidget*>(sizer_)}) {
        edge->setMouseTracking(true);
        edge->installEventFilter(this);
    }
    buildKeyboardAccess();
}

void PracticeWindow::buildPaperSum() {
    paperSum_ = new PictureBox(skin_.pictures, scnTabBG_);
    paperSum_->setObjectName(QStringLiteral("PaperSum"));
    paperSum_->setFallbackSize(QSize(twipsToPixels(kPaperSumWidthTwips), 45));
    auto* yourScore =
        makeLabel(paperSum_, "lblYourScore", QStringLiteral("Your score"), uiFont(9, true));
    yourScore->setGeometry(36, 5, 78, 16);
    yourScore->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    pScoring_ = makeLabel(paperSum_, "PScoring", QString(), uiFont(11, true));
    pScoring_->setGeometry(36, 21, 56, 20);
    pScoring_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percentSign_ = makeLabel(paperSum_, "lblPercent", QStringLiteral("%"), uiFont(11, true));
    percentSign_->setGeometry(94, 21, 18, 20);
    percentSign_->hide();
    scoring_ = makeLabel(paperSum_, "Scoring", QString(), uiFont(9));
    scoring_->hide();
}

void PracticeWindow::buildToolbar() {
    const QSize size(twipsToPixels(kToolbarButtonWidthTwips),
                     twipsToPixels(kToolbarButtonHeightTwips));
    for (int b = 0; b < kToolbarButtonCount; ++b) {
        const ToolbarButton& design = toolbarButtons()[b];
        auto* button = new PictureButton(skin_.pictures, scnTabBG_);
        const QString number = twoDigit(b + 1);
        button->setObjectName(QStringLiteral("ToolBar") + number);
        button->setFallbackSize(size);
        button->setPictures(design.pictures);
        button->setPicture(design.pictures.off);
        // Reached with Tab and pressed with Space or Enter, or from anywhere
        // in the window with its shortcut, which its tooltip shows.
        button->setFocusPolicy(Qt::TabFocus);
        const QString shortcut = QString::fromLatin1(design.shortcut);
        button->setToolTip(toolTipWithShortcut(QString::fromLatin1(design.toolTip), shortcut));
        addShortcut(shortcut, [this, button] {
            // The enables of this moment, not of the last tick.
            updateToolbar(skin_.cursor());
            button->activate();
        });
        // The caption lies on the foot of the picture, under its pictogram.
        // A click on it is a click on the button, but a press on it alone
        // does not press the button: only a press on the picture shows the
        // pressed look.
        auto* caption = new QLabel(QString::fromLatin1(design.caption), button);
        caption->setObjectName(QStringLiteral("lblTB") + number);
        caption->setFont(uiFont(8));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        caption->setContentsMargins(0, 0, 0, 1);
        const int captionHeight = caption->fontMetrics().height() + 1;
        caption->setGeometry(0, size.height() - captionHeight, size.width(), captionHeight);
        button->forwardClicksFrom(caption);
        captions_[b] = caption;
        connect(button, &PictureButton::pressed, this, [this] {
            pressTrack_ = true;
            updateToolbar(skin_.cursor());
        });
        connect(button, &PictureButton::released, this, [this] {
            pressTrack_ = false;
            updateToolbar(skin_.cursor());
        });
        toolbar_[b] = button;
    }
    connect(toolbar_[0], &PictureButton::clicked, this, &PracticeWindow::SavePaper);
    connect(toolbar_[1], &PictureButton::clicked, this, &PracticeWindow::MarkPaper);
    connect(toolbar_[2], &PictureButton::clicked, this, &PracticeWindow::PrintQuestion);
    connect(toolbar_[3], &PictureButton::clicked, this, &PracticeWindow::ClosePaper);
    connect(toolbar_[4], &PictureButton::clicked, this,
            [this] { GoToQuestion(current_ - 1, true); });
    connect(toolbar_[5], &PictureButton::clicked, this,
            [this] { GoToQuestion(current_ + 1, true); });
}

void PracticeWindow::buildBottomStrip() {
    remQnsBG_ = new QWidget(this);
    remQnsBG_->setObjectName(QStringLiteral("RemQnsBG"));

    // Footer panels, right-aligned in the strip: the first take's date,
    // clock and answered count; the second take's label and answered count.
    // Their rounded ends keep their shape when a panel is made narrower.
    const bool first = take() == Take::First;
    for (int k : {1, 2, 3}) {
        if (!first && k == 2)
            continue;
        auto* panel = new PictureBox(skin_.pictures, remQnsBG_, PictureBox::Sizing::StretchMiddle);
        panel->setObjectName(QStringLiteral("Bot%1").arg(k));
        panel->setFallbackSize(QSize(first || k == 3 ? 100 : 160, 25));
        panel->resize(panel->naturalSize());
        bot_[k - 1] = panel;
    }
    const QFont small = uiFont(8);
    auto panelLabel = [&](QWidget* panel, const char* name, const QString& text,
                          const QString& tip) {
        QLabel* label = makeLabel(panel, name, text, uiFont(9, true), tip);
        label->setGeometry(QRect(QPoint(0, 0), panel->size()));
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    if (first) {
        lblDate_ = panelLabel(bot_[0], "lblDate", QString(), QStringLiteral("Date"));
        eTime_ = panelLabel(bot_[0], "ETime", QString(), QStringLiteral("Date completed"));
        eTime_->hide();
        lblClock_ =
            panelLabel(bot_[1], "lblClock", QStringLiteral("00:00:00"), QStringLiteral("Clock"));
        lTime_ = panelLabel(bot_[1], "LTime", QString(), QStringLiteral("Time taken"));
        lTime_->hide();
    } else {
        lblSecondAttempt_ =
            panelLabel(bot_[0], "lblSecondAttempt", QStringLiteral("Second Attempt"), QString());
    }
    auto* answered = new QWidget(bot_[2]);
    answered->setGeometry(QRect(QPoint(0, 0), bot_[2]->size()));
    auto* row = new QHBoxLayout(answered);
    row->setContentsMargins(kAnsweredMargin, 0, kAnsweredMargin, 0);
    row->setSpacing(kAnsweredSpacing);
    row->addStretch();
    answeredCaption_ = makeLabel(answered, "lblAnsweredCaption", QStringLiteral("Done"), small);
    row->addWidget(answeredCaption_);
    lblAnsweredQ_ = makeLabel(answered, "lblAnsweredQ", QStringLiteral("0"), uiFont(9, true),
                              QStringLiteral("Number of questions answered"));
    row->addWidget(lblAnsweredQ_);
    row->addWidget(makeLabel(answered, "lblOf", QStringLiteral("of"), small));
    lblTotalQ_ = makeLabel(answered, "lblTotalQ", QString(), uiFont(9, true),
                           QStringLiteral("Total number of questions"));
    row->addWidget(lblTotalQ_);
    row->addStretch();

    txtRem_ = new PictureBox(skin_.pictures, remQnsBG_);
    txtRem_->setObjectName(QStringLiteral("TxtRem"));
    txtRem_->setFallbackSize(QSize(128, 25));
    auto* remLabel = makeLabel(txtRem_, "TxtRemlbl", QStringLiteral("Qns left:"), small);
    remLabel->setGeometry(6, 0, 50, 25);
    remQns_ = new QComboBox(txtRem_);
    remQns_->setObjectName(QStringLiteral("RemQns"));
    remQns_->setFont(small);
    remQns_->setToolTip(QStringLiteral("Select a remaining question"));
    remQns_->setGeometry(56, 3, 66, 19);
    connect(remQns_, &QComboBox::activated, this,
            [this](int index) { GoToQuestion(remQns_->itemText(index).toInt(), false); });
    // The arrow keys open the list rather than go to its first question at
    // once: the list is rebuilt at every move, so they could go no further.
    remQns_->installEventFilter(this);

    buildMarkingBar();
}

void PracticeWindow::buildMarkingBar() {
    fmeMark_ = new PictureBox(skin_.pictures, remQnsBG_);
    fmeMark_->setObjectName(QStringLiteral("fmeMark"));
    fmeMark_->setFallbackSize(QSize(200, 25));
    for (int k = 1; k <= kMarkingBarCells; ++k) {
        auto* cell = new PictureBox(skin_.pictures, fmeMark_);
        cell->setObjectName(QStringLiteral("imgBar") + twoDigit(k));
        cell->setFallbackSize(QSize(twipsToPixels(165), twipsToPixels(285)));
        cell->move(twipsToPixels(50 + 195 * (k - 1)), twipsToPixels(45));
        cell->hide();
        imgBar_[k - 1] = cell;
    }
    fmeMark_->hide();
    // The bar takes the remaining-questions panel's place in the footer.
    fmeMark_->installEventFilter(this);
    markingBar_ = new MarkingBar(fmeMark_, QList<QWidget*>(imgBar_.begin(), imgBar_.end()), this);
}

// Names for screen readers, the shortcuts that are not the toolbar's, and
// the Tab order: the toolbar, the page, the answers, the questions left, the
// answer sheet's handle.
void PracticeWindow::buildKeyboardAccess() {
    nameForScreenReader(remQns_, QStringLiteral("Questions left"),
                        QStringLiteral("Choose a question that has an empty answer (%1)")
                            .arg(QString::fromLatin1(kQuestionListShortcut)));
    addShortcut(QString::fromLatin1(kQuestionListShortcut), [this] {
        if (!remQns_->isVisibleTo(this))
            return;
        remQns_->setFocus(Qt::ShortcutFocusReason);
        remQns_->showPopup();
    });
    addShortcut(QString::fromLatin1(kAnswersShortcut), [this] { focusFirstAnswer(); });
    nameForScreenReader(sizer_, QStringLiteral("Resize grip"));
    // The answer boxes scroll into sight as they take the focus; the view
    // holding them is no stop of its own.
    ansBox_->framesView()->setFocusPolicy(Qt::NoFocus);
    // The page's input widget is the stop, in its place in the chain; the
    // browser holding it is none, else Tab would land on it a second time.
    browser_->setFocusPolicy(Qt::NoFocus);
    connect(browser_, &QuestionBrowser::focusProxyChanged, this, &PracticeWindow::orderFocusChain);
    orderFocusChain();
    nameControls();
}

// The first box the pupil can still type in, else the first box (to read
// a marked sheet).
void PracticeWindow::focusFirstAnswer() {
    const int parts = std::min(session_.partsOf(current_), kAnswerFrameCount);
    AnswerBox* target = Frame(1)->FA();
    for (int k = parts; k >= 1; --k) {
        if (!Frame(k)->FA()->isReadOnly())
            target = Frame(k)->FA();
    }
    target->setFocus(Qt::ShortcutFocusReason);
}

void PracticeWindow::addShortcut(const QString& keys, std::function<void()> action) {
    auto* shortcut = new QShortcut(QKeySequence(keys), this);
    connect(shortcut, &QShortcut::activated, this, std::move(action));
}

QList<QWidget*> PracticeWindow::focusStops() const {
    QList<QWidget*> chain(toolbar_.begin(), toolbar_.end());
    // The page's own input widget, made by the engine, once it exists.
    chain.append(browser_->focusProxy() ? browser_->focusProxy() : browser_);
    for (int k = 1; k <= kAnswerFrameCount; ++k)
        chain.append(Frame(k)->FA());
    chain.append(remQns_);
    chain.append(imgHandle_);
    return chain;
}

void PracticeWindow::orderFocusChain() {
    const QList<QWidget*> chain = focusStops();
    for (qsizetype k = 0; k + 1 < chain.size(); ++k)
        setTabOrder(chain.at(k), chain.at(k + 1));
}

bool PracticeWindow::focusNextPrevChild(bool next) {
    // Tab goes round the stops in their order, also from the last to the
    // first: Qt's own wrap-around would let the page's input widget take
    // the focus back.
    const QList<QWidget*> stops = focusStops();
    const qsizetype at = stops.indexOf(QApplication::focusWidget());
    if (at < 0)
        return QWidget::focusNextPrevChild(next);
    const qsizetype n = stops.size();
    for (qsizetype step = 1; step < n; ++step) {
        QWidget* stop = stops.at(((next ? at + step : at - step) % n + n) % n);
        if (stop->isVisibleTo(this) && stop->isEnabled() && (stop->focusPolicy() & Qt::TabFocus)) {
            stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

// The figures a screen reader reads, at every tick; a name is renamed only
// when its text changed.
void PracticeWindow::nameControls() {
    nameForScreenReader(browser_, QuestionTitle(current_),
                        QStringLiteral("The question page. %1 goes to the answers.")
                            .arg(QString::fromLatin1(kAnswersShortcut)));
    nameForScreenReader(pScoring_, ScoreName(pScoring_->text()));
    nameForScreenReader(lblAnsweredQ_, AnsweredName(lblAnsweredQ_->text(), lblTotalQ_->text()));
    nameForScreenReader(lblTotalQ_, QStringLiteral("Parts in the paper: ") + lblTotalQ_->text());
    nameForScreenReader(imgHandle_,
                        sheetShown_ ? QStringLiteral("Hide answer sheet")
                                    : QStringLiteral("Show answer sheet"),
                        QStringLiteral("Shortcut ") + QString::fromLatin1(kSheetShortcut));
    if (take() == Take::First) {
        nameForScreenReader(lblClock_,
                            QStringLiteral("Clock: ") + SpokenDuration(elapsedSeconds()));
        nameForScreenReader(lblDate_, QStringLiteral("Date: ") + lblDate_->text());
        nameForScreenReader(lTime_,
                            QStringLiteral("Time taken: ") + SpokenClockText(lTime_->text()));
        nameForScreenReader(eTime_, QStringLiteral("Date completed: ") + eTime_->text());
    }
}

// The answer frames of the question on screen, for a screen reader: each box
// says which part it answers and, once marked, how it was marked, with the
// model answer and the note where the sheet shows them.
void PracticeWindow::describeAnswerFrames() {
    const int parts = std::min(session_.partsOf(current_), kAnswerFrameCount);
    const bool marked = status_ == TakeStatus::Marked;
    for (int k = 1; k <= parts; ++k) {
        AnswerFrame* frame = Frame(k);
        nameForScreenReader(frame->M(), ModelAnswerName(current_, k, parts) + QStringLiteral(": ") +
                                            frame->M()->text());
        nameForScreenReader(frame->FR(), ResultName(frame->FR()->code()),
                            ResultDescription(true, current_, k, parts));
        if (frame->SR())
            nameForScreenReader(frame->SR(), ResultName(frame->SR()->code()),
                                ResultDescription(false, current_, k, parts));
        ResultLabel* result = take() == Take::First ? frame->FR() : frame->SR();
        QString description = frame->FA()->toolTip();
        if (marked) {
            description = MarkedAnswerDescription(
                ResultName(result->code()),
                frame->M()->isVisibleTo(frame) ? frame->M()->text() : QString(), result->toolTip());
        } else if (frame->FA()->isReadOnly()) {
            description = QStringLiteral("Right the first time");
        }
        nameForScreenReader(frame->FA(), AnswerBoxName(current_, k, parts), description);
    }
}

QLabel* PracticeWindow::lblTB(int number) const {
    return captions_.at(number - 1);
}

AnswerFrame* PracticeWindow::Frame(int number) const {
    return ansBox_->frame(number);
}

// ---------------------------------------------------------------------------
// Loading.

void PracticeWindow::Load() {
    try {
        // 1. Pictures. 2. The window computes in pixels at 15 twips a pixel;
        // its grab zone is grabZoneTwips(). 3. Placement, with a layout pass.
        loadPictures();
        const QScreen* screen = QGuiApplication::primaryScreen();
        setGeometry(
            InitialPracticeGeometry(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768)));
        // 4. The top bar. 5. The strips' colour. 6. The boxes around the
        // answer boxes.
        frame_->layOut();
        LayOut();
        paintBackgrounds();
        drawAnswerBorders();
        // 7. TopicCount. 8. Caption. 9. Question title.
        topicCount_ = session_.handOver().topicFirstIndex;
        setCaption();
        qnTitle_->setText(QuestionTitle(current_));
        qnTitle_->adjustSize();
        // 10 to 14. Questions, keys and part counts, types, marks, total.
        session_.loadContent();
        // 15. The first page.
        ShowQuestionPage(false);
        // 16. Answers, results, summary; the second take's carry-over.
        session_.loadProgress();
        // 17. The answer frames, and 18. Status and the stored figures, which
        // the second take needs first as its frames depend on Status.
        if (take() == Take::Second)
            applyStatusFields();
        ShowQuestionFrames();
        ArrangeAnswerFrames();
        if (take() == Take::First)
            applyStatusFields();
        // 19. The remaining questions. 20. A paper marked in this take shows
        // its marked sheet.
        RebuildRemainingList();
        if (status_ == TakeStatus::Marked)
            MarkPaper();
        // 21. Sheet shown, clock started. 22. Timer1. 23. Totals and date.
        sheetShown_ = true;
        startClock();
        connect(frame_, &SkinnedFrame::hoverTick, this, &PracticeWindow::tick);
        lblTotalQ_->setText(QString::number(session_.partCount()));
        if (take() == Take::First)
            lblDate_->setText(MarkingDateText(services_.calendar->now().date()));
        tick(skin_.cursor());
        // A pupil can start typing at once, also in a second take whose
        // first parts are locked.
        focusFirstAnswer();
    } catch (...) {
        forgetPageFile();
        throw;
    }
}

void PracticeWindow::loadPictures() {
    frame_->setIconPicture(QStringLiteral("Pencil.ico"));
    const FrameControls& c = frame_->controls();
    c.BLeft->setPicture(QStringLiteral("border_left.bmp"));
    c.BBotLeft->setPicture(QStringLiteral("border_left_corners.bmp"));
    c.BRight->setPicture(QStringLiteral("border_right.bmp"));
    c.BBotRight->setPicture(QStringLiteral("border_right_corners.bmp"));
    c.BBot->setPicture(QStringLiteral("border_bot.bmp"));
    paperSum_->setPicture(QStringLiteral("pen.bmp"));
    if (take() == Take::First) {
        for (PictureBox* panel : bot_)
            panel->setPicture(QStringLiteral("bottombg3.bmp"));
    } else {
        bot_[0]->setPicture(QStringLiteral("bottombg1.bmp"));
        bot_[2]->setPicture(QStringLiteral("bottombg3.bmp"));
    }
    txtRem_->setPicture(QStringLiteral("bottombg2.bmp"));
    fmeMark_->setPicture(QStringLiteral("bottombg4.bmp"));
    for (PictureBox* cell : imgBar_)
        cell->setPicture(QStringLiteral("progressbar.bmp"));
    ansBox_->PicInstruction()->setPicture(QStringLiteral("instruction.gif"));
    ansBox_->layOutContents();
    sizer_->setPicture(QStringLiteral("statusgrabber.bmp"));
    imgHandle_->setPicture(QStringLiteral("Handle.bmp"));
    for (PictureButton* button : toolbar_)
        button->setPicture(button->pictures().off);
}

void PracticeWindow::paintBackgrounds() {
    for (QWidget* strip : {scnTabBG_, picHideAns_, remQnsBG_})
        fillBackground(strip, kStripColour);
}

void PracticeWindow::drawAnswerBorders() {
    for (int k = 1; k <= kAnswerFrameCount; ++k) {
        AnswerFrame* frame = Frame(k);
        frame->drawborder(frame->FA(), 0);
    }
}

void PracticeWindow::setCaption() {
    frame_->setTitle(
        PracticeCaption(session_.handOver().topicName, session_.handOver().positionInTopic()));
}

void PracticeWindow::applyStatusFields() {
    const QString statusField = session_.status();
    status_ = TakeStatusOf(statusField);
    unknownStatus_ = status_ == TakeStatus::Unknown ? statusField : QString();
    pScoring_->setText(session_.percentage());
    if (take() == Take::First) {
        lTime_->setText(session_.timeTaken());
        eTime_->setText(session_.dateMarked());
    }
}

void PracticeWindow::startClock() {
    startMsecs_ = services_.monotonic->msecs();
    clockStarted_ = true;
}

qint64 PracticeWindow::elapsedSeconds() const {
    if (!clockStarted_)
        return 0;
    return (services_.monotonic->msecs() - startMsecs_) / 1000;
}

QString PracticeWindow::clockText() const {
    return TimeTakenText(elapsedSeconds());
}

// ---------------------------------------------------------------------------
// The question page.

void PracticeWindow::ShowQuestionPage(bool fromNavigation) {
    if (fromNavigation)
        removePageFile();
    const QString question = session_.content().questions.at(current_ - 1);
    pageFile_ = session_.folder().pageFile(question);
    const quint32 error =
        InstallResource(session_.library(), question.toInt(), QStringLiteral("CUSTOM"), pageFile_,
                        InstallKind::Scratch);
    if (error == kInstallOk)
        browser_->showFile(pageFile_);
}

void PracticeWindow::removePageFile() {
    if (!pageFile_.isEmpty() && QFile::exists(pageFile_))
        QFile::remove(pageFile_);
}

void PracticeWindow::forgetPageFile() {
    removePageFile();
    // The next window of the same paper writes a file of the same name.
    pageFile_.clear();
}

void PracticeWindow::PrintQuestion() {
    if (printer_)
        return; // the last question is still being printed
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!services_.choosePrinter(*printer, this))
        return;
    printer_ = std::move(printer);
    browser_->print(printer_.get());
}

// ---------------------------------------------------------------------------
// The answer sheet and navigation.

QStringList PracticeWindow::partTypes(int question) const {
    return session_.content().types.mid(session_.offsetOf(question), session_.partsOf(question));
}

void PracticeWindow::StoreCurrentAnswers() {
    const int offset = session_.offsetOf(current_);
    const int parts = std::min(session_.partsOf(current_), kAnswerFrameCount);
    QStringList& answers = session_.progress().answers;
    for (int k = 1; k <= parts; ++k)
        answers[offset + k - 1] = Frame(k)->FA()->text();
}

bool PracticeWindow::SaveAnswerRecord() {
    try {
        session_.saveAnswers();
        return true;
    } catch (const RecordFileError& e) {
        tellPupil(QStringLiteral("Orvanta"),
                  QStringLiteral("Your answers could not be saved (%1). They are kept while "
                                 "this paper is open.")
                      .arg(session_.saveFailureText(e)));
        return false;
    }
}

bool PracticeWindow::SaveBeforeUnload() {
    if (unloaded_ || status_ != TakeStatus::NotMarked)
        return true;
    StoreCurrentAnswers();
    if (!session_.answersUnsaved())
        return true;
    try {
        session_.saveAnswers();
        return true;
    } catch (const RecordFileError& e) {
        // "Yes", the button that has the focus, is the answer that loses
        // nothing: a pupil pressing Enter keeps the paper and its answers.
        const bool keep = host_.popUps().ask(
            QStringLiteral("Close Practice"),
            QStringLiteral("Your latest answers could not be saved (%1). Keep this paper open "
                           "so that they are not lost?")
                .arg(session_.saveFailureText(e)),
            2, this);
        return !keep;
    }
}

void PracticeWindow::GoToQuestion(int target, bool focusFirstAnswer) {
    const auto question = NavigationTarget(target, session_.questionCount());
    if (!question)
        return;
    StoreCurrentAnswers();
    current_ = *question;
    qnTitle_->setText(QuestionTitle(current_));
    qnTitle_->adjustSize();
    ShowQuestionFrames();
    ArrangeAnswerFrames();
    ShowQuestionPage(true);
    // The answers are saved once the next page is on its way: the web
    // engine reads and lays the page out in its own threads and process
    // while the file is written and synced.
    SaveAnswerRecord();
    RebuildRemainingList();
    if (focusFirstAnswer)
        Frame(1)->FA()->setFocus(Qt::OtherFocusReason);
    updateToolbar(skin_.cursor());
    nameControls();
}

void PracticeWindow::ShowQuestionFrames() {
    ansBox_->hintLabel()->hide();
    const int offset = session_.offsetOf(current_);
    const int parts = std::min(session_.partsOf(current_), kAnswerFrameCount);
    ansBox_->showInstruction(NeedsInstruction(partTypes(current_)));
    auto fill = [&](AnswerFrame* frame, int part) {
        if (take() == Take::First)
            FillAnswerFrame(frame, part);
        else
            FillRetryFrame(frame, part);
    };
    if (parts >= 1) {
        AnswerFrame* first = Frame(1);
        fill(first, offset + 1);
        // The box drawn around FA1 follows its size in both takes: a long
        // answer box would otherwise keep the one-line box around its top.
        first->drawborder(first->FA(), 2);
        first->layOutFor(session_.content().types.value(offset));
        first->drawborder(first->FA(), 0);
    }
    for (int k = 2; k <= parts; ++k)
        fill(Frame(k), offset + k);
}

void PracticeWindow::FillAnswerFrame(AnswerFrame* frame, int part) {
    const PaperContent& content = session_.content();
    const PaperProgress& progress = session_.progress();
    frame->M()->setText(content.keys.value(part - 1));
    frame->FR()->setCode(progress.firstResults.value(part - 1));
    frame->FA()->setMaxLength(content.types.value(part - 1) == QLatin1String("Q") ? 1 : 0);
    frame->FA()->setText(progress.answers.value(part - 1));
}

void PracticeWindow::FillRetryFrame(AnswerFrame* frame, int part) {
    const PaperContent& content = session_.content();
    const PaperProgress& progress = session_.progress();
    const int i = part - 1;
    const bool rightFirstTime = IsRightCode(progress.firstResults.value(i));
    frame->FR()->setCode(progress.firstResults.value(i));
    frame->SR()->setCode(progress.secondResults.value(i));
    QString model;
    try {
        model = ModelAnswer(progress.answers, content.keys, content.types, part);
    } catch (const std::exception&) {
        // A key the judge cannot read: show it as written.
        model = content.keys.value(i);
    }
    frame->M()->setText(model);
    frame->FA()->setMaxLength(content.types.value(i) == QLatin1String("Q") ? 1 : 0);
    frame->FA()->setText(progress.answers.value(i));
    if (status_ == TakeStatus::NotMarked) {
        frame->FA()->setReadOnly(rightFirstTime);
        frame->FA()->setBackgroundColour(rightFirstTime ? kCarriedOverBlue : kAnswerWhite);
        frame->FR()->setVisible(rightFirstTime);
        if (rightFirstTime) {
            const QRect box = frame->FA()->geometry();
            frame->FR()->move(box.left() + box.width() + twipsToPixels(105), frame->FR()->y());
        }
    } else if (status_ == TakeStatus::Marked) {
        frame->M()->setVisible(IsWrongCode(progress.secondResults.value(i)));
        frame->FA()->setBackgroundColour(rightFirstTime ? kCarriedOverBlue : kAnswerWhite);
    }
}

void PracticeWindow::ArrangeAnswerFrames() {
    ansBox_->ArrangeAnswerFrames(std::min(session_.partsOf(current_), kAnswerFrameCount));
    showAnswerNotes();
    describeAnswerFrames();
}

// Beside the crosses of a sheet marked in this take: why a near miss missed.
void PracticeWindow::showAnswerNotes() {
    if (status_ != TakeStatus::Marked) {
        answerNotes_->clear();
        return;
    }
    const PaperContent& content = session_.content();
    const PaperProgress& progress = session_.progress();
    const int parts = std::min(session_.partsOf(current_), kAnswerFrameCount);
    const QStringList& results =
        take() == Take::First ? progress.firstResults : progress.secondResults;
    answerNotes_->showNotes(MarkedSheetNotes(progress.answers, results, content.keys, content.types,
                                             session_.offsetOf(current_), parts, take()),
                            parts);
}

void PracticeWindow::StackAnswerFrames() {
    ansBox_->StackAnswerFrames(std::min(session_.partsOf(current_), kAnswerFrameCount));
}

void PracticeWindow::RebuildRemainingList() {
    remQns_->clear();
    for (int question :
         RemainingQuestions(session_.progress().answers, session_.content().partCounts))
        remQns_->addItem(QString::number(question));
    // Nothing is chosen; the closed list says whether there is anything to choose.
    remQns_->setPlaceholderText(remQns_->count() > 0 ? QStringLiteral("Choose")
                                                     : QStringLiteral("None"));
    remQns_->setCurrentIndex(-1);
}

void PracticeWindow::EnterMarkedState() {
    for (int k = 1; k <= kAnswerFrameCount; ++k) {
        AnswerFrame* frame = Frame(k);
        frame->FA()->setReadOnly(true);
        if (take() == Take::First) {
            frame->FR()->show();
        } else {
            frame->SR()->show();
            frame->FR()->hide();
        }
    }
    layOutBottomStrip(); // hides the remaining-questions panel
    ShowQuestionFrames();
    ArrangeAnswerFrames();
    if (take() == Take::First) {
        lblClock_->hide();
        lTime_->show();
        lblDate_->hide();
        eTime_->show();
    }
}

// ---------------------------------------------------------------------------
// Commands.

void PracticeWindow::SavePaper() {
    if (status_ != TakeStatus::NotMarked)
        return;
    StoreCurrentAnswers();
    if (SaveAnswerRecord())
        host_.popUps().ask(QStringLiteral("Orvanta"), QStringLiteral("Paper saved"), 1, this);
}

void PracticeWindow::MarkPaper() {
    if (status_ == TakeStatus::Marked) {
        EnterMarkedState();
        return;
    }
    // Mark is enabled only while the take is not marked; the bar blocks
    // input, but a call from code while it plays is ignored too.
    if (status_ != TakeStatus::NotMarked || markingBar_->isPlaying() || unloaded_)
        return;
    markUnmarkedTake();
    updateToolbar(skin_.cursor());
}

void PracticeWindow::markUnmarkedTake() {
    const QString title = QString::fromLatin1(kMarkingTitle);
    // The answers are saved even when the pupil then declines. A save that
    // fails has been told; the marking would rewrite the same file and fail.
    StoreCurrentAnswers();
    if (!SaveAnswerRecord())
        return;
    const PaperProgress& progress = session_.progress();
    const QString question = MarkingQuestion(
        progress.answers, take() == Take::Second ? progress.firstResults : QStringList());
    if (!host_.popUps().ask(title, question, 2, this))
        return;

    // Judging is pure: a paper that cannot be marked says so before the bar.
    PaperMarking marking;
    try {
        marking = session_.judgeAnswers();
    } catch (const MarkingError& e) {
        tellPupil(title, session_.pupilMessage(e));
        return;
    }

    repaint();
    markingBar_->play(services_.markingBarMs);

    // The moment of marking: the date, and the time taken as the running
    // clock reads it now. The second take records neither.
    MarkingMoment moment;
    if (take() == Take::First)
        moment = {MarkingDateText(services_.calendar->now().date()), clockText()};
    ChangeResult stored;
    try {
        stored = session_.storeMarking(marking, moment);
    } catch (const MarkingError& e) {
        tellPupil(title, session_.pupilMessage(e));
        return;
    }

    scoring_->setText(QString::number(marking.score));
    pScoring_->setText(marking.percentage);
    percentSign_->show();
    if (take() == Take::First) {
        lTime_->setText(moment.timeTaken);
        eTime_->setText(moment.date);
    }
    status_ = TakeStatus::Marked;
    EnterMarkedState();
    // The marking holds: the screen shows it, and the pupil learns that a
    // file is still to be written.
    if (stored.state == ChangeResult::State::Committed)
        tellPupil(title, session_.unfinishedMessage(stored));
}

void PracticeWindow::ClosePaper() {
    if (unloaded_)
        return;
    if (!host_.popUps().ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, this))
        return;
    // The pupil confirmed closing, not throwing away what they typed: it is
    // saved first, and a save that fails (and is told) keeps the window open.
    if (status_ == TakeStatus::NotMarked) {
        StoreCurrentAnswers();
        if (session_.answersUnsaved() && !SaveAnswerRecord())
            return;
    }
    emit closeConfirmed();
}

void PracticeWindow::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    frame_->ticker().stop();
    hide();
    forgetPageFile();
    host_.RefreshContents();
}

void PracticeWindow::tellPupil(const QString& title, const QString& message) {
    host_.popUps().ask(title, message, 1, this);
}

// ---------------------------------------------------------------------------
// Timer1.

QString PracticeWindow::Status() const {
    switch (status_) {
    case TakeStatus::NotMarked:
        return QStringLiteral("0");
    case TakeStatus::Marked:
        return QStringLiteral("1");
    case TakeStatus::Unknown:
        break;
    }
    return unknownStatus_;
}

QString PracticeWindow::TopicCount() const {
    return topicCount_ == 0 ? QString() : QString::number(topicCount_);
}

void PracticeWindow::tick(const QPoint& cursor) {
    updateToolbar(cursor);
    if (lblClock_ && lblClock_->isVisibleTo(this))
        lblClock_->setText(clockText());
    lblAnsweredQ_->setText(QString::number(AnsweredCount(session_.progress().answers)));
    percentSign_->setVisible(!pScoring_->text().isEmpty());
    nameControls();
}

void PracticeWindow::updateToolbar(const QPoint& cursor) {
    const ToolbarEnables e = ToolbarEnableRules(status_, current_, session_.questionCount());
    const std::array<bool, kToolbarButtonCount> enabled = {e.save, e.mark, true,
                                                           true,   e.back, e.next};
    for (int b = 0; b < kToolbarButtonCount; ++b) {
        toolbar_[b]->setEnabled(enabled[b]);
        toolbar_[b]->updateLook(cursor, pressTrack_);
    }
}

// ---------------------------------------------------------------------------
// Layout, the answer-sheet toggle, resizing.

PracticePieceSizes PracticeWindow::pieceSizes() const {
    PracticePieceSizes s = DesignPieceSizes();
    const FrameGeometry& g = frame_->geometry();
    s.topLeft = g.topLeft.size();
    s.leftWidth = g.left.width();
    s.rightWidth = g.right.width();
    s.bottomHeight = g.bottom.height();
    s.sizer = sizer_->size();
    s.instructionHeight = ansBox_->PicInstruction()->naturalSize().height();
    return s;
}

void PracticeWindow::LayOut() {
    const PracticePieceSizes sizes = pieceSizes();
    const PracticeLayout l = LayOutPracticeWindow(size(), sizes);
    scnTabBG_->setGeometry(l.toolbarStrip);
    for (int b = 0; b < kToolbarButtonCount; ++b)
        toolbar_[b]->setGeometry(l.toolbarButtons[b]);
    paperSum_->move(l.paperSum.topLeft());
    ansBox_->setGeometry(l.answerSheet);
    picHideAns_->setGeometry(l.handleStrip);
    imgHandle_->move((l.handleStrip.width() - imgHandle_->width()) / 2,
                     (l.handleStrip.height() - imgHandle_->height()) / 2);
    browser_->setGeometry(l.browser);
    qnTitleBG_->setGeometry(l.titleStrip);
    remQnsBG_->setGeometry(l.remainingStrip);
    layOutBottomStrip();
    sizer_->move(l.sizer.topLeft());
    ansBox_->layOutContents();
    qnTitleBG_->raise();
    sizer_->raise();
}

void PracticeWindow::layOutBottomStrip() {
    // The panels on the right yield to the remaining-questions panel (or
    // the marking bar) in a fixed order: the date, then the clock (the
    // second take: its label), then the answered count's caption, then
    // the count itself.
    QList<FooterPanel> panels;
    QList<PictureBox*> shown;
    for (PictureBox* panel : bot_) {
        if (!panel)
            continue;
        const bool answered = panel == bot_[2];
        panels.append({panel->naturalSize().width(), answered ? compactAnsweredWidth() : 0});
        shown.append(panel);
    }
    QList<FooterYield> yields;
    for (qsizetype k = 0; k + 1 < shown.size(); ++k)
        yields.append({static_cast<int>(k), FooterYield::Drop});
    const int count = static_cast<int>(shown.size()) - 1;
    yields.append({count, FooterYield::Compact});
    yields.append({count, FooterYield::Drop});

    // The bar stands in the remaining-questions panel's place; a marked
    // paper has no questions left, and its panel leaves the room to the others.
    const bool barPlaying = !fmeMark_->isHidden();
    const bool marked = status_ == TakeStatus::Marked;
    const int firstWidth = barPlaying ? fmeMark_->width() : (marked ? 0 : txtRem_->width());
    const FooterLayout l = LayOutFooter(QSize(remQnsBG_->width(), txtRem_->height()),
                                        twipsToPixels(kToolbarSpacingTwips), kFooterSpacing,
                                        firstWidth, panels, yields);
    txtRem_->move(l.first.topLeft());
    fmeMark_->move(l.first.topLeft());
    txtRem_->setVisible(!barPlaying && !marked);
    for (qsizetype k = 0; k < shown.size(); ++k) {
        const QRect place = l.panels.at(k);
        shown[k]->setVisible(!place.isNull());
        if (place.isNull())
            continue;
        shown[k]->setGeometry(place.x(), 0, place.width(), shown[k]->naturalSize().height());
        // A panel's labels fill it.
        for (QWidget* label : shown[k]->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            label->setGeometry(shown[k]->rect());
    }
    answeredCaption_->setVisible(!l.compacted.constLast());
    fmeMark_->raise();
    txtRem_->raise();
}

int PracticeWindow::compactAnsweredWidth() const {
    // Room for the widest count, "80 of 80", without its caption.
    const QFontMetrics figures(lblAnsweredQ_->font());
    const QFontMetrics words(answeredCaption_->font());
    const QString widest = QString::number(kMaxPartsPerPaper);
    return 2 * kAnsweredMargin + 2 * kAnsweredSpacing + 2 * figures.horizontalAdvance(widest) +
           words.horizontalAdvance(QStringLiteral("of")) + 2;
}

void PracticeWindow::ToggleAnswerSheet() {
    const PracticePieceSizes sizes = pieceSizes();
    sheetShown_ = !sheetShown_;
    const PracticeLayout l =
        WithAnswerSheet(LayOutPracticeWindow(size(), sizes), sheetShown_, size(), sizes);
    ansBox_->move(l.answerSheet.topLeft());
    picHideAns_->move(l.handleStrip.topLeft());
    browser_->resize(l.browser.width(), browser_->height());
    remQnsBG_->resize(l.remainingStrip.width(), remQnsBG_->height());
    qnTitleBG_->resize(l.titleStrip.width(), qnTitleBG_->height());
    layOutBottomStrip();
    imgHandle_->setToolTip(sheetShown_ ? QStringLiteral("Hide answer sheet")
                                       : QStringLiteral("Show answer sheet"));
}

void PracticeWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

QSize PracticeWindow::grabZoneTwips() const {
    const int zone = pixelsToTwips(kGrabZonePixels);
    return QSize(zone, zone);
}

void PracticeWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    event->accept();
    edgeResize(skin_.cursor());
}

void PracticeWindow::edgeResize(QPoint globalPress) {
    if (resizing_ || isMaximized())
        return;
    const QPoint origin = geometry().topLeft();
    const QSize outerTwips = size() * kTwipsPerPixel;
    const QPoint pressTwips = (globalPress - origin) * kTwipsPerPixel;
    const GrabbedEdges edges = GrabbedEdgesAt(pressTwips, outerTwips, grabZoneTwips());
    if (const auto snap = SnappedCursor(edges, pressTwips, outerTwips))
        services_.placeCursor(origin +
                              QPoint(snap->x() / kTwipsPerPixel, snap->y() / kTwipsPerPixel));
    if (!edges.resizes())
        return;
    resizing_ = true;
    const QPointer<PracticeWindow> alive(this);
    while (services_.leftButtonHeld()) {
        const QPoint cursorTwips = (skin_.cursor() - geometry().topLeft()) * kTwipsPerPixel;
        const QSize current = size() * kTwipsPerPixel;
        const QSize next = DraggedOuterSize(edges, cursorTwips, current, grabZoneTwips());
        if (next != current)
            resize(twipsToPixels(next.width()), twipsToPixels(next.height()));
        // Let the timer, the layout and the painting run while the button
        // is held; the next event (a move, the release, a tick) wakes us.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!alive)
            return;
    }
    resizing_ = false;
}

void PracticeWindow::applyPointerShape(QWidget* target, QPoint global, bool leftHeld) {
    const QPoint posTwips = (global - geometry().topLeft()) * kTwipsPerPixel;
    if (const auto shape =
            PointerShapeAt(leftHeld, posTwips, size() * kTwipsPerPixel, grabZoneTwips())) {
        if (*shape == Qt::ArrowCursor)
            target->unsetCursor();
        else
            target->setCursor(*shape);
    }
}

void PracticeWindow::mouseMoveEvent(QMouseEvent* event) {
    applyPointerShape(this, event->globalPosition().toPoint(),
                      event->buttons().testFlag(Qt::LeftButton));
}

void PracticeWindow::mouseReleaseEvent(QMouseEvent*) {
    // The window's pointer shape is inherited by every control on it.
    unsetCursor();
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == remQns_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End) {
            remQns_->showPopup();
            return true;
        }
    }
    if (watched == fmeMark_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        layOutBottomStrip();
    if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        applyPointerShape(static_cast<QWidget*>(watched), mouse->globalPosition().toPoint(),
                          mouse->buttons().testFlag(Qt::LeftButton));
    }
    return QWidget::eventFilter(watched, event);
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    // The system's close asks like the Close button does.
    event->ignore();
    ClosePaper();
}

} // namespace orvanta
