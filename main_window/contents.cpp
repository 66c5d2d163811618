#include "contents.h"

#include "data/progress_store.h"
#include "data/record_file.h"
#include "main_window/about_page.h"
#include "main_window/click_label.h"
#include "main_window/erase_page.h"
#include "main_window/home_page.h"
#include "main_window/logic/tab_strip_rules.h"
#include "main_window/logic/toolbar_rules.h"
#include "marking/progress_check.h"
#include "ui_frame/logic/skin_palette.h"
#include "ui_frame/logic/units.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/skinned_frame.h"
#include "ui_frame/ui_font.h"
#include "ui_frame/widget_helpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace orvanta {

namespace {

// The window's place and size, twips.
constexpr int kWindowLeft = 60;
constexpr int kWindowTop = 60;
constexpr int kWindowWidth = 6070;
constexpr int kWindowHeight = 7380;

// The tab strip, pixels of the window (its coordinates are pixels once it
// has been cut to its outline).
constexpr int kStripTop = 60;
constexpr int kStripHeight = 51;
constexpr QSize kTabFallback(100, 27);

// Toolbar buttons in the strip, twips.
constexpr int kToolbarLeft = 120;
constexpr int kToolbarPitch = 780;
constexpr int kToolbarTop = 45;
constexpr int kToolbarCaptionTop = 450;
constexpr int kToolbarCaptionHeight = 210;
constexpr QSize kToolbarFallback(44, 45);

const QString kNoticeTitle = QStringLiteral("Orvanta");

// The toolbar strip (`ScnTabBG`): the window's face with a line across its
// width just above its bottom edge.
class TabStripBackground : public QWidget {
public:
    explicit TabStripBackground(QWidget* parent)
        : QWidget(parent) {
        setObjectName(QStringLiteral("ScnTabBG"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), kSkin.face);
        // 10 twips above the bottom edge, on the pixel grid.
        const int lineY = height() - 1 - twipsToPixels(10);
        painter.fillRect(0, lineY, width(), 1, kSkin.tabEdge);
    }
};

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

Contents::Contents(ResourceLibrary library, AppFolder folder, PracticeLauncher* launcher,
                   CursorReader cursor, QWidget* parent)
    : QWidget(parent)
    , library_(std::move(library))
    , folder_(std::move(folder))
    , launcher_(launcher)
    , startUp_(RunDataStartUp(library_, folder_))
    , skin_{std::make_shared<PictureSource>(folder_.graphicsFolder()), std::move(cursor)}
    , popUps_(skin_, popUpAnswer_)
    , resultsPrinter_(popUpMessages(popUps_, this), systemPrintDialogs(), this)
    , reportSaver_(popUpMessages(popUps_, this), systemSaveFileDialog(),
                   std::make_shared<SystemClock>(), this)
    , webLink_(WebLinkShell::system()) {
    setObjectName(QStringLiteral("Contents"));
    setAttribute(Qt::WA_QuitOnClose);
    setPalette(QPalette(kSkin.face));
    setAutoFillBackground(true);
    for (const QString& problem : startUp_.problems)
        pendingNotices_.append(readableError(problem));

    frame_ = new SkinnedFrame(this, FrameKind::MainWindow, skin_);
    frame_->setIconPicture(QStringLiteral("OVicon.ico"));
    setWindowIcon(QIcon(folder_.graphicsFile(QStringLiteral("OVicon.ico"))));
    active_ = frame_->activeLook();
    connect(frame_, &SkinnedFrame::hoverTick, this, &Contents::onHoverTick);
    connect(frame_, &SkinnedFrame::closeClicked, this, &Contents::CloseProgram);

    // Placed in twips; the frame lays itself out and cuts the outline at the
    // resize, and from here on the window's own lengths are pixels.
    setGeometry(twipsRect(kWindowLeft, kWindowTop, kWindowWidth, kWindowHeight));

    createTabs();
    ScnTabBG = new TabStripBackground(this);
    ScnTabBG->setGeometry(kTabStripLeft, kStripTop, width() - 2 * kTabStripLeft, kStripHeight);
    createToolbar();
    createPages();

    setCaptions();
    placeTabs();
    selectFirstSubject();

    // The window itself holds the focus at first, so that no control shows
    // a focus rectangle until the pupil presses Tab.
    setFocusPolicy(Qt::ClickFocus);
    setFocus(Qt::OtherFocusReason);
}

Contents::~Contents() = default;

void Contents::createTabs() {
    for (int i = 0; i < 4; ++i) {
        auto* tab = new PictureButton(skin_.pictures, this);
        tab->setObjectName(QStringLiteral("Tab") + twoDigits(i + 1));
        tab->setFallbackSize(kTabFallback);
        tab->setPicture(QStringLiteral("tabs_back_off.bmp"));
        tab->setFocusPolicy(Qt::TabFocus);
        QLabel* caption = tab->setCaption(QString());
        caption->setObjectName(tab->objectName() + QStringLiteral("lbl"));
        caption->setFont(uiFont(9));
        setTextColour(caption, kSkin.ink);
        connect(tab, &PictureButton::clicked, this, [this, i] { TabClick(i + 1); });
        Tab[i] = tab;
        Tablbl[i] = caption;
    }
}

void Contents::createToolbar() {
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        auto* button = new PictureButton(skin_.pictures, ScnTabBG);
        button->setObjectName(QStringLiteral("ToolBar") + twoDigits(i + 1));
        button->setFallbackSize(kToolbarFallback);
        button->move(twipsToPixels(kToolbarLeft + i * kToolbarPitch), twipsToPixels(kToolbarTop));
        button->setFocusPolicy(Qt::TabFocus);

        // The caption lies on the lower part of the picture, under its
        // pictogram; a click on it is a click on the button.
        auto* caption = new QLabel(button);
        caption->setObjectName(QStringLiteral("lblTB") + twoDigits(i + 1));
        caption->setFont(uiFont(8));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        caption->setGeometry(0, twipsToPixels(kToolbarCaptionTop), kToolbarFallback.width(),
                             twipsToPixels(kToolbarCaptionHeight));
        setTextColour(caption, kSkin.ink);

        connect(button, &PictureButton::pressed, this, [this] { pressTrack_ = true; });
        connect(button, &PictureButton::released, this, [this] { pressTrack_ = false; });
        connect(button, &PictureButton::clicked, this, [this, i] { ToolbarClick(i + 1); });
        ToolBar[i] = button;
        lblTB[i] = caption;
        UpdateToolbarButton(i + 1, QPoint(-1, -1));
    }
}

void Contents::createPages() {
    Body_Home = new HomePage(skin_.pictures, this);
    connect(Body_Home, &HomePage::topicClicked, this, &Contents::TopicClick);
    connect(Body_Home, &HomePage::paperClicked, this, [this](int paper, int take) {
        OpenPaper(PaperButton{paper, take}.offset(), take);
    });

    Body_About = new AboutPage(skin_.pictures, this);
    connect(Body_About, &AboutPage::linkClicked, this, &Contents::OpenHomePage);

    Body_Trash = new ErasePage(skin_.pictures, this);
    connect(Body_Trash, &ErasePage::eraseConfirmed, this, &Contents::eraseResults);

    Body_Report = new ReportPage(skin_, this);
    connect(Body_Report, &ReportPage::reportPosChanged, this,
            [this](const QString& position) { reportSection_ = ReportSectionOf(position); });
    reportSaveButtons_ = new ReportSaveButtons(Body_Report->sectionPanel(ReportSection::Overall));
    connect(reportSaveButtons_, &ReportSaveButtons::saveReportClicked, this,
            &Contents::SaveReportPdf);
    connect(reportSaveButtons_, &ReportSaveButtons::saveResultsClicked, this,
            &Contents::SaveResultsCsv);
    // Tab reaches the two buttons inside the open overall section, in the
    // order they are seen: its bar, the buttons, then the next bar.
    setTabOrder(Body_Report->sectionBar(ReportSection::Overall), reportSaveButtons_->saveReport());
    setTabOrder(reportSaveButtons_->saveReport(), reportSaveButtons_->saveResults());
    setTabOrder(reportSaveButtons_->saveResults(), Body_Report->sectionBar(ReportSection::Topical));

    for (QWidget* page : {static_cast<QWidget*>(Body_Home), static_cast<QWidget*>(Body_About),
                          static_cast<QWidget*>(Body_Trash), static_cast<QWidget*>(Body_Report)}) {
        page->setGeometry(ScnTabBG->x(), ScnTabBG->y() + ScnTabBG->height(), ScnTabBG->width(),
                          height() - ScnTabBG->y() - ScnTabBG->height() -
                              frame_->geometry().bottom.height());
        page->hide();
    }
    Body_Home->show();
}

void Contents::setCaptions() {
    const CourseDescription& c = course();
    for (int s = 1; s <= kSubjectCount; ++s) {
        const QString& name = c.subject(s).name;
        const QString tip = QStringLiteral("Load ") + name + QStringLiteral(" Module");
        Tablbl[s - 1]->setText(name);
        Tab[s - 1]->setToolTip(tip);
        Tablbl[s - 1]->setToolTip(tip);
    }
    Tablbl[3]->setText(QStringLiteral("Help"));
    Tab[3]->setToolTip(QStringLiteral("Help"));
    Tablbl[3]->setToolTip(QStringLiteral("Help"));
    frame_->setTitle(c.title);
    Body_About->setCourseTitle(c.title);
    courseCode_ = c.code;
}

void Contents::placeTabs() {
    std::array<bool, 3> present{};
    for (int s = 1; s <= kSubjectCount; ++s)
        present[s - 1] = course().subject(s).present();
    const std::array<int, 4> lefts = TabLefts(present, Tab[0]->width(), ScnTabBG->x());
    for (int i = 0; i < 4; ++i)
        Tab[i]->move(lefts[i], TabTop(ScnTabBG->y(), Tab[i]->height(), false));
    // Out of sight, and out of the keyboard's reach as well.
    for (int s = 0; s < kSubjectCount; ++s)
        Tab[s]->setVisible(present[s]);
    // Keyboard order: the tabs, the toolbar, then the page.
    for (int i = 0; i + 1 < 4; ++i)
        setTabOrder(Tab[i], Tab[i + 1]);
    setTabOrder(Tab[3], ToolBar[0]);
    for (int i = 0; i + 1 < 4; ++i)
        setTabOrder(ToolBar[i], ToolBar[i + 1]);
}

void Contents::selectFirstSubject() {
    const int first = course().firstPresentSubject();
    if (first == 0) {
        // No subject to practise (the course could not be read): the Help
        // tab, whose About page still names the program, is all there is.
        TabClick(kHelpTab);
        return;
    }
    chosenSubject_ = first;
    tabPos_ = first;
    // The tab click sets txtToolBarPos "1", txtReportPos "1" and loads the
    // subject through ShowPage, which leaves TopicCount "1" (topic 1 is
    // clicked): loading it a second time here would only read the same file
    // again.
    TabClick(first);
}

QString Contents::PaperNum() const {
    return openedPaper_ ? QString::number(openedPaper_->paperNumber) : QString();
}

QString Contents::TakeNum() const {
    return openedPaper_ ? QString::number(openedPaper_->take) : QString();
}

QString Contents::TtPapersCon() const {
    return paperCount_ ? QString::number(*paperCount_) : QString();
}

PracticeEnvironment Contents::practiceEnvironment() const {
    return PracticeEnvironment{library_, folder_, skin_};
}

PaperHandOver Contents::paperHandOver() const {
    PaperHandOver paper;
    paper.subject = chosenSubject_;
    paper.courseCode = courseCode_;
    paper.topicFirstIndex = topicFirstIndex_;
    // Before a paper was opened (or a subject loaded) these are 0.
    paper.paperCount = paperCount_.value_or(0);
    paper.paperNumber = openedPaper_ ? openedPaper_->paperNumber : 0;
    paper.take = openedPaper_ ? openedPaper_->take : 0;
    paper.topicName = Body_Home->SubH1->text();
    return paper;
}

// --- Home page -------------------------------------------------------------

void Contents::LoadSubject(int subject, const QString& courseCode) {
    const ProgressStore store(library_, folder_, courseCode);
    const SubjectInfo* info =
        subject >= 1 && subject <= kSubjectCount ? &course().subject(subject) : nullptr;
    const bool summaryTold = info && info->present() && !checkSubjectFiles(store, subject);
    try {
        if (std::optional<SubjectData> data = LoadSubjectData(course(), store, subject)) {
            subject_ = std::move(*data);
            subjectReadable_ = true;
        }
    } catch (const RecordFileError& e) {
        // The topics are known from the course; the scores are not, so the
        // paper list stays hidden until the file can be read again.
        subject_ = SubjectData{};
        subject_.subject = subject;
        subject_.name = info->name;
        subject_.topicCount = info->topicCount;
        subject_.paperCount = info->paperCount;
        subject_.topicNames = info->topicNames;
        subjectReadable_ = false;
        if (!summaryTold)
            tellOnce(QStringLiteral("Your results in %1 could not be read. %2")
                         .arg(info->name, readableError(e.message())));
    }
    paperCount_ = subject_.paperCount;
    for (int row = 1; row <= kMaxTopics; ++row) {
        Body_Home->setTopicName(row, subject_.topicName(row));
        SetTopicRowVisible(row, Body_Home->Topic[row - 1], Body_Home->Bullet[row - 1]);
    }
    if (!refreshing_)
        TopicClick(1);
}

bool Contents::checkSubjectFiles(const ProgressStore& store, int subject) {
    const SubjectInfo& info = course().subject(subject);
    const ProgressCheck check =
        CheckSubjectProgress(store, subject, info.paperCount, info.topicNames);
    for (const ProgressNotice& notice : check.notices)
        tellOnce(notice.text);
    return check.summaryReadable;
}

void Contents::SetTopicRowVisible(int row, ClickLabel* topic, PictureBox* bullet) {
    const bool visible = TopicRowVisible(row, subject_.topicCount);
    topic->setVisible(visible);
    bullet->setVisible(visible);
}

void Contents::TopicClick(int topic) {
    const int firstIndex = FirstPaperIndexOfTopic(topic);
    topicFirstIndex_ = firstIndex;
    TopicChoosing(firstIndex);
    Topicbuttoncolour(Body_Home->Topic.at(topic - 1));
}

void Contents::TopicChoosing(int firstIndex) {
    paperList_ = orvanta::LayOutPaperList(subject_, firstIndex, HomePage::kPercentColumnLeft);
    LayOutPaperList();
}

void Contents::LayOutPaperList() {
    Body_Home->showPaperList(paperList_, subjectReadable_);
}

void Contents::Topicbuttoncolour(ClickLabel* chosen) {
    const QColor highlightText = QApplication::palette().color(QPalette::HighlightedText);
    for (ClickLabel* topic : Body_Home->Topic) {
        QPalette palette = topic->palette();
        const bool isChosen = topic == chosen;
        palette.setColor(QPalette::Window, isChosen ? QColor(128, 128, 128) : highlightText);
        palette.setColor(QPalette::WindowText, isChosen ? highlightText : QColor(Qt::black));
        topic->setPalette(palette);
    }
}

void Contents::OpenPaper(int offset, int take) {
    const std::optional<PaperRequest> request = orvanta::OpenPaper(topicFirstIndex_, offset, take);
    if (!request)
        return;
    openedPaper_ = request;
    if (!launcher_) {
        tellPupil(QStringLiteral("Papers cannot be opened: this copy of the program has no "
                                 "practice window."));
        return;
    }
    // The launcher unloads an open practice window without saving first.
    launcher_->OpenPaper(paperHandOver());
}

void Contents::RefreshContents() {
    // A practice window unloading while the program closes: nothing to show.
    if (closing_)
        return;
    refreshing_ = true;
    LoadSubject(chosenSubject_, courseCode_);
    if (const std::optional<int> topic = TopicOfFirstIndex(topicFirstIndex_))
        TopicClick(*topic);
    refreshing_ = false;
}

// --- Tabs, toolbar and pages -----------------------------------------------

void Contents::TabClick(int tab) {
    if (tab < 1 || tab > 4 || (tab != kHelpTab && !course().subject(tab).present()))
        return;
    tabPos_ = tab;
    toolBarPos_ = 1;
    reportSection_ = ReportSection::Overall;
    RaiseTab(tab);
    if (tab != kHelpTab)
        chosenSubject_ = tab;
    // The toolbar changes its set at once rather than at the next tick.
    const QPoint cursor = skin_.cursor();
    for (int button = 1; button <= kToolbarButtonCount; ++button)
        UpdateToolbarButton(button, cursor);
    for (int t = 1; t <= 4; ++t)
        UpdateTabPicture(t, cursor);
    ShowPage();
}

void Contents::RaiseTab(int tab) {
    for (int i = 3; i >= 0; --i)
        Tab[i]->raise();
    ScnTabBG->raise();
    PictureButton* chosen = Tab.at(tab - 1);
    chosen->raise();
    for (int i = 0; i < 4; ++i) {
        const bool isChosen = Tab[i] == chosen;
        Tab[i]->move(Tab[i]->x(), TabTop(ScnTabBG->y(), Tab[i]->height(), isChosen));
        Tablbl[i]->setFont(uiFont(9, isChosen));
    }
}

void Contents::ToolbarClick(int button) {
    toolBarPos_ = button;
    ShowPage();
}

void Contents::ShowPage() {
    switch (ShowPageCommand(tabPos_, toolBarPos_)) {
    case PageCommand::LoadHome:
        LoadSubject(chosenSubject_, courseCode_);
        placePage(Body_Home);
        break;
    case PageCommand::ShowReport:
        BuildReport();
        break;
    case PageCommand::PrintResults:
        PrintResults();
        break;
    case PageCommand::CloseProgram:
        CloseProgram();
        break;
    case PageCommand::ShowAbout:
        placePage(Body_About);
        break;
    case PageCommand::ShowTrash:
        placePage(Body_Trash);
        Body_Trash->setState(ErasePage::State::Offer);
        break;
    case PageCommand::PrintSetup:
        PrintSetup();
        break;
    case PageCommand::Nothing:
        break;
    }
}

std::optional<SubjectData> Contents::freshSubjectData(const QString& purpose) {
    const int subject = chosenSubject_;
    try {
        const ProgressStore store(library_, folder_, courseCode_);
        return LoadSubjectData(course(), store, subject);
    } catch (const RecordFileError& e) {
        tellPupil(QStringLiteral("Your %1 in %2 could not be made. %3")
                      .arg(purpose, course().subject(subject).name, readableError(e.message())));
        return std::nullopt;
    }
}

void Contents::BuildReport() {
    // The report is made afresh from the files at every Report command.
    const std::optional<SubjectData> subject = freshSubjectData(QStringLiteral("report"));
    if (!subject)
        return;
    const QString trendLine = readTrendLine(*subject);
    Body_Report->setReportPos(txtReportPos());
    Body_Report->showReport(*subject, trendLine);
    placePage(Body_Report);
}

QString Contents::readTrendLine(const SubjectData& subject) {
    try {
        return ProgressStore(library_, folder_, courseCode_).ReadTrendLine(subject.subject);
    } catch (const RecordFileError& e) {
        tellPupil(QStringLiteral("Your recent scores in %1 could not be read. %2")
                      .arg(subject.name, readableError(e.message())));
        return {};
    }
}

void Contents::SaveReportPdf() {
    if (const std::optional<SubjectData> subject = freshSubjectData(QStringLiteral("report")))
        reportSaver_.SaveReportPdf(course().title, *subject, readTrendLine(*subject));
}

void Contents::SaveResultsCsv() {
    if (const std::optional<SubjectData> subject = freshSubjectData(QStringLiteral("results file")))
        reportSaver_.SaveResultsCsv(*subject);
}

void Contents::PrintResults() {
    if (const std::optional<SubjectData> subject = freshSubjectData(QStringLiteral("printout")))
        resultsPrinter_.PrintResults(course().title, *subject);
}

void Contents::PrintSetup() {
    resultsPrinter_.PrintSetup();
}

void Contents::placePage(QWidget* page) {
    page->move(ScnTabBG->x(), ScnTabBG->y() + ScnTabBG->height());
    page->show();
    page->raise();
    // The pages underneath are hidden as well as covered, so that the
    // keyboard cannot reach their controls.
    for (QWidget* other : {static_cast<QWidget*>(Body_Home), static_cast<QWidget*>(Body_About),
                           static_cast<QWidget*>(Body_Trash), static_cast<QWidget*>(Body_Report)}) {
        if (other != page)
            other->hide();
    }
}

void Contents::UpdateTabPicture(int tab, const QPoint& cursor) {
    PictureButton* control = Tab.at(tab - 1);
    const bool front = tabPos_ == tab;
    const bool under = isUnderCursor(control, cursor);
    control->setPicture(QStringLiteral("tabs_%1_%2.bmp")
                            .arg(front ? QLatin1String("front") : QLatin1String("back"),
                                 under ? QLatin1String("on") : QLatin1String("off")));
}

void Contents::UpdateToolbarButton(int button, const QPoint& cursor) {
    PictureButton* control = ToolBar.at(button - 1);
    QLabel* caption = lblTB.at(button - 1);
    const std::optional<ToolbarEntry> entry = ToolbarEntryFor(tabPos_ == kHelpTab, button);
    control->setVisible(entry.has_value());
    if (!entry)
        return;
    caption->setText(entry->caption);
    control->setToolTip(entry->toolTip);
    caption->setToolTip(entry->toolTip);
    control->setPictures(
        ButtonPictures{entry->offPicture, entry->onPicture, entry->pressedPicture, {}});
    control->updateLook(cursor, pressTrack_);
    caption->resize(control->width(), caption->height());
}

void Contents::onHoverTick(const QPoint& cursor) {
    for (int tab = 1; tab <= 4; ++tab)
        UpdateTabPicture(tab, cursor);
    for (int button = 1; button <= kToolbarButtonCount; ++button)
        UpdateToolbarButton(button, cursor);
    Body_Trash->updateHover(cursor);
    Body_Home->updateHover(cursor);
    // The title-bar buttons follow in the frame's own tick.
}

void Contents::OpenHomePage() {
    orvanta::OpenHomePage(webLink_, this);
}

// --- Erasing and closing ---------------------------------------------------

void Contents::eraseResults() {
    // A practice window left open would write its answers into the fresh
    // files; it saves what was typed first, and may be kept open.
    if (!unloadPracticeWindow()) {
        Body_Trash->setState(ErasePage::State::Offer);
        return;
    }
    const ProgressStore store(library_, folder_, courseCode_);
    ChangeResult erased;
    try {
        erased = store.ResetProgressStore(course());
    } catch (const CourseError& e) {
        tellPupil(readableError(e.message()));
        Body_Trash->setState(ErasePage::State::Offer);
        return;
    }
    Body_Trash->setState(ErasePage::State::Done);
    if (erased.state == ChangeResult::State::Committed)
        tellPupil(readableError(
            QStringLiteral("Your results are erased, but %1 could not be written yet (%2). The "
                           "program finishes it as soon as it can.")
                .arg(QFileInfo(erased.file).fileName(), erased.reason)));
}

bool Contents::unloadPracticeWindow() {
    return !launcher_ || !launcher_->hasOpenPracticeWindow() || launcher_->UnloadPracticeWindow();
}

void Contents::CloseProgram() {
    closing_ = true;
    if (!unloadPracticeWindow()) {
        closing_ = false;
        return;
    }
    close();
}

void Contents::closeEvent(QCloseEvent* event) {
    // Closed by the window manager rather than by CloseProgram.
    if (!closing_) {
        closing_ = true;
        if (!unloadPracticeWindow()) {
            closing_ = false;
            event->ignore();
            return;
        }
    }
    QWidget::closeEvent(event);
}

// --- Window events and messages --------------------------------------------

void Contents::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Once the window is on screen: the messages of the start-up.
    QTimer::singleShot(0, this, [this] { tellPendingNotices(); });
}

bool Contents::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The practice window's engine warms up once the window has been painted:
    // starting the engine holds the event loop for the better part of a
    // second, which must not keep the window's first look off the screen.
    if (event->type() == QEvent::Paint && launcher_ && !warmedUp_) {
        warmedUp_ = true;
        QTimer::singleShot(0, this, [this] { launcher_->warmUp(); });
    }
    return handled;
}

void Contents::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The frame has painted the activation look and set its focus field.
    if (event->type() == QEvent::ActivationChange)
        active_ = frame_->activeLook();
}

void Contents::tellPupil(const QString& message) {
    if (!isVisible()) {
        pendingNotices_.append(message);
        return;
    }
    popUps_.ask(kNoticeTitle, message, 1, this);
}

void Contents::tellOnce(const QString& message) {
    // The same damage is met at every reload of the subject: it is told at
    // the first, not at each.
    if (toldOnce_.contains(message))
        return;
    toldOnce_.insert(message);
    tellPupil(message);
}

void Contents::tellPendingNotices() {
    while (!pendingNotices_.isEmpty() && isVisible())
        popUps_.ask(kNoticeTitle, pendingNotices_.takeFirst(), 1, this);
}

QString Contents::readableError(const QString& message) const {
    // Files of the application folder are named by their file names alone:
    // the pupil knows them by that, and the pop-up has room for little more.
    QString text = message;
    for (const QString& prefix :
         {folder_.path() + u'/', QDir::toNativeSeparators(folder_.path()) + QDir::separator()})
        text.replace(prefix, QString());
    return text;
}

} // namespace orvanta
