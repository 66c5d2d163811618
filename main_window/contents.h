#pragma once

#include "data/app_folder.h"
#include "data/data_startup.h"
#include "data/resource_install.h"
#include "main_window/logic/home_page_rules.h"
#include "main_window/logic/subject_data.h"
#include "main_window/report/report_page.h"
#include "main_window/report/report_saving.h"
#include "main_window/report/results_printing.h"
#include "main_window/web_link.h"
#include "practice/practice_host.h"
#include "ui_frame/pop_up.h"
#include "ui_frame/skin_context.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;

namespace orvanta {

class AboutPage;
class ClickLabel;
class ErasePage;
class HomePage;
class PictureBox;
class PictureButton;
class SkinnedFrame;

// The main window. Constructing it is the program's whole start-up, in this
// order: the data steps (application folder made, interface pictures written
// into "Graphics", course description read, the progress files a present
// subject lacks created; RunDataStartUp), the skinned frame and its fixed
// pictures, the window placed at 60, 60 twips, 6070 x 7380 twips, the tab
// strip, captions and tooltips, the tabs placed, and the first present
// subject chosen with its Home page. Problems of the start-up, and every
// error that reaches a command later (a damaged summary file, say), are told
// to the pupil in the program's pop-up, naming the file and what is wrong;
// nothing is rewritten because of them. Messages that arise before the window
// is on screen wait until it is shown.
//
// Pages below the tab strip, one shown at a time: Body_Home (choose a topic
// and a paper), Body_About, Body_Trash (erase all results) and Body_Report
// (built by the report). The dispatcher ShowPage turns the chosen tab
// (txtTabPos) and the last toolbar command (txtToolBarPos) into a page or an
// action.
//
// Practice windows: OpenPaper hands the chosen paper to the PracticeLauncher
// (PaperHandOver); without a launcher the pupil is told that papers cannot be
// opened. The launcher's windows ask their questions through popUps() and call
// RefreshContents() when they unload. Erasing results and closing the program
// unload an open practice window first; it saves what was typed, and when
// that fails and the pupil keeps it open, the erase or the closing does not
// happen.
//
// Loading a subject checks and mends its progress files first
// (progress_check.h); what was mended, and what cannot be, is told once per
// run.
//
// The hidden fields of the design (LChose, TopicCount, txtTabPos,
// PopUpResponse, ...) are typed private members; each is readable as the
// text the design gives it, under its design name, and the two that tests
// write as text have text setters.
class Contents : public QWidget, public PracticeHost {
    Q_OBJECT
public:
    // `library` holds the course and the pictures; `folder` is where the
    // pictures, scratch files and progress files go; `launcher` may be null
    // (and set later); `cursor` is what the 100 ms hover ticks read.
    Contents(ResourceLibrary library, AppFolder folder, PracticeLauncher* launcher,
             CursorReader cursor = systemCursor(), QWidget* parent = nullptr);
    ~Contents() override;

    void setPracticeLauncher(PracticeLauncher* launcher) { launcher_ = launcher; }
    // What a practice window needs to find the course, the files and the skin.
    PracticeEnvironment practiceEnvironment() const;
    // The desktop's web browser and message box, for the About page's link.
    void setWebLinkShell(WebLinkShell shell) { webLink_ = std::move(shell); }

    // PracticeHost
    PopUpChannel& popUps() override { return popUps_; }
    void RefreshContents() override;

    // What OpenPaper hands over: the hidden fields below and SubH1.
    PaperHandOver paperHandOver() const;

    const StartUpReport& startUpReport() const { return startUp_; }
    const CourseDescription& course() const { return startUp_.course; }
    const SubjectData& subjectData() const { return subject_; }
    // False while the chosen subject's summary file cannot be read: its paper
    // list is hidden.
    bool subjectReadable() const { return subjectReadable_; }
    // Messages waiting for the window to be shown.
    const QStringList& pendingNotices() const { return pendingNotices_; }
    SkinnedFrame& frame() { return *frame_; }
    // The printer the Setup command chose, and the dialogs of printing.
    ResultsPrinter& resultsPrinter() { return resultsPrinter_; }
    // What the Report page's save buttons use: dialog, clock, messages.
    ReportSaver& reportSaver() { return reportSaver_; }
    ReportSaveButtons* reportSaveButtons() const { return reportSaveButtons_; }

    // Hidden fields. The window keeps them typed; each reads as the text the
    // other windows and the tests know it by.
    // The chosen subject, "1".."3".
    QString LChose() const { return QString::number(chosenSubject_); }
    // The course code, part of every progress file name ("Q4").
    const QString& lblCOD() const { return courseCode_; }
    // The first paper index of the chosen topic: "1", "6", ..., "46".
    QString TopicCount() const { return QString::number(topicFirstIndex_); }
    // The paper opened last, "101".."150", and its take, "1" first or "2"
    // second; both empty before the first paper is opened.
    QString PaperNum() const;
    QString TakeNum() const;
    // The paper count of the chosen subject; empty until a subject is loaded.
    QString TtPapersCon() const;
    // "on" while RefreshContents reloads the subject, else "off".
    QString RefreshLog() const {
        return refreshing_ ? QStringLiteral("on") : QStringLiteral("off");
    }
    // The last pop-up's answer: "True" (first button), "False" (second), or
    // empty before the first pop-up. Set as text, any other text than those
    // two is no answer.
    QString PopUpResponse() const { return PopUpResponseText(popUpAnswer_); }
    void setPopUpResponse(const QString& answer) { popUpAnswer_ = PopUpAnswerOf(answer); }
    // The chosen tab, "1".."4" (4 is Help).
    QString txtTabPos() const { return QString::number(tabPos_); }
    // The last toolbar command, "1".."4"; "0" before the first.
    QString txtToolBarPos() const { return QString::number(toolBarPos_); }
    // The report's open section, "1".."3". Set as text, it follows the
    // report page's own reading: "1" Overall, "2" Topical, any other text
    // Trend ("3").
    QString txtReportPos() const { return QString::number(static_cast<int>(reportSection_)); }
    void setTxtReportPos(const QString& reportPos) { reportSection_ = ReportSectionOf(reportPos); }
    // "1" while a toolbar button is held down, else "0".
    QString txtPressTrack() const {
        return pressTrack_ ? QStringLiteral("1") : QStringLiteral("0");
    }
    // "1" while the window is active, else "0".
    QString ContentsFocus() const { return active_ ? QStringLiteral("1") : QStringLiteral("0"); }

    // Routines of the Home page.
    // Loads `subject` (1..3) of the course `courseCode` into the Home page.
    void LoadSubject(int subject, const QString& courseCode);
    void SetTopicRowVisible(int row, ClickLabel* topic, PictureBox* bullet);
    void TopicClick(int topic);
    void TopicChoosing(int firstIndex);
    void LayOutPaperList();
    void Topicbuttoncolour(ClickLabel* chosen);
    void OpenPaper(int offset, int take);

    // Tabs, toolbar and pages.
    void TabClick(int tab);
    void RaiseTab(int tab);
    void ToolbarClick(int button);
    void ShowPage();
    void UpdateTabPicture(int tab, const QPoint& cursor);
    void UpdateToolbarButton(int button, const QPoint& cursor);
    void OpenHomePage();
    void CloseProgram();

    // Controls, named as in the design (index 0 is number 1).
    std::array<PictureButton*, 4> Tab{};     // Tab01..Tab04
    std::array<QLabel*, 4> Tablbl{};         // Tab01lbl..Tab04lbl
    QWidget* ScnTabBG = nullptr;             // the toolbar strip under the tabs
    std::array<PictureButton*, 4> ToolBar{}; // ToolBar01..ToolBar04
    std::array<QLabel*, 4> lblTB{};          // lblTB01..lblTB04
    HomePage* Body_Home = nullptr;
    AboutPage* Body_About = nullptr;
    ErasePage* Body_Trash = nullptr;
    ReportPage* Body_Report = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createTabs();
    void createToolbar();
    void createPages();
    void setCaptions();
    void placeTabs();
    void selectFirstSubject();
    void onHoverTick(const QPoint& cursor);
    void placePage(QWidget* page);
    void eraseResults();
    // False when the pupil kept the practice window open.
    bool unloadPracticeWindow();
    // Checks and mends the subject's files, telling what it found; false
    // when the summary file cannot be read (and that was told).
    bool checkSubjectFiles(const ProgressStore& store, int subject);
    void tellPupil(const QString& message);
    void tellOnce(const QString& message);
    void tellPendingNotices();
    QString readableError(const QString& message) const;

    // The Report, Print and Setup commands of the toolbar.
    void BuildReport();
    void PrintResults();
    void PrintSetup();
    // The Report page's commands: the report as a PDF file and the results
    // as a CSV file, of the chosen subject as its files hold it now.
    void SaveReportPdf();
    void SaveResultsCsv();
    // The chosen subject's trend line, or empty after telling the pupil why
    // it cannot be read.
    QString readTrendLine(const SubjectData& subject);
    // The chosen subject as its summary file holds it now, or nothing after
    // telling the pupil why it cannot be read.
    std::optional<SubjectData> freshSubjectData(const QString& purpose);

    ResourceLibrary library_;
    AppFolder folder_;
    PracticeLauncher* launcher_;
    StartUpReport startUp_;
    SkinContext skin_;
    PopUpAnswer popUpAnswer_; // PopUpResponse; written by popUps_
    PopUpChannel popUps_;
    ResultsPrinter resultsPrinter_;
    ReportSaver reportSaver_;
    ReportSaveButtons* reportSaveButtons_ = nullptr;
    WebLinkShell webLink_;
    SkinnedFrame* frame_ = nullptr;

    // The hidden fields behind the text accessors above.
    int chosenSubject_ = 1;
    QString courseCode_;
    int topicFirstIndex_ = 1;
    std::optional<PaperRequest> openedPaper_;
    std::optional<int> paperCount_;
    int tabPos_ = 1;
    int toolBarPos_ = 0;
    ReportSection reportSection_ = ReportSection::Overall;
    bool refreshing_ = false; // RefreshLog
    bool pressTrack_ = false;
    bool active_ = false; // ContentsFocus

    SubjectData subject_;
    bool subjectReadable_ = false;
    PaperList paperList_;
    QStringList pendingNotices_;
    QSet<QString> toldOnce_;
    bool closing_ = false;
    bool warmedUp_ = false;
};

} // namespace orvanta
