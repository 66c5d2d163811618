#pragma once

#include "practice/logic/paper_session.h"
#include "practice/logic/practice_layout_rules.h"
#include "practice/logic/practice_rules.h"
#include "practice/practice_host.h"
#include "practice/practice_services.h"
#include "ui_frame/skin_context.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QWebEngineProfile;

namespace orvanta {

class AnswerFrame;
class AnswerNotesStrip;
class AnswerSheet;
class MarkingBar;
class PictureBox;
class PictureButton;
class QuestionBrowser;
class SkinnedFrame;

// The practice window, Test1 (first take) or Test2 (second take) by the
// session's take: a paper being taken.
//
// Made and loaded by the launcher (practice_launcher.h): the constructor
// builds the controls as designed; Load() runs the load steps; the window is
// shown only when Load() succeeded. From then on it is driven by its
// toolbar, its answer sheet, its page and its 100 ms timer, until ClosePaper
// is confirmed (closeConfirmed()) or the launcher unloads it (Unload()).
//
// Hidden fields of the design are typed private members, readable as text
// under their design names as before: QSCount (the current question),
// Status (TakeStatus), TopicCount (an index), txtPressTrack (a flag).
// Controls carry their design names as object names (FA1, RemQns,
// ToolBar06, ...).
class PracticeWindow : public QWidget {
    Q_OBJECT
public:
    // `profile` (the question pages' browser profile) and `host` must
    // outlive the window.
    PracticeWindow(PaperSession session, PracticeHost& host, QWebEngineProfile* profile,
                   SkinContext skin, PracticeServices services, QWidget* parent = nullptr);
    ~PracticeWindow() override;

    // The load steps 1..23. Throws PaperOpenError when the paper's content
    // or progress cannot be read; the page file written meanwhile is then
    // removed again and the window must not be shown.
    void Load();

    // Unload: the page file removed, the timer stopped, the window hidden,
    // the main window's RefreshContents called. Runs once; the launcher
    // deletes the window afterwards.
    void Unload();
    bool isUnloaded() const { return unloaded_; }

    Take take() const { return session_.take(); }
    // The clocks and the other services the window was made with.
    const PracticeServices& services() const { return services_; }
    PaperSession& session() { return session_; }
    const PaperSession& session() const { return session_; }
    SkinnedFrame& frame() { return *frame_; }

    // Hidden fields.
    QString QSCount() const { return QString::number(current_); }
    int currentQuestion() const { return current_; }
    // Status as text: "0" not marked in this take, "1" marked, or the text
    // of an Unknown status as the summary file holds it.
    QString Status() const;
    TakeStatus takeStatus() const { return status_; }
    // The topic's first paper index ("1", "6", ...); empty until loaded.
    QString TopicCount() const;
    // "1" while a toolbar button is held down, else "0".
    QString txtPressTrack() const {
        return pressTrack_ ? QStringLiteral("1") : QStringLiteral("0");
    }
    bool answerSheetShown() const { return sheetShown_; }
    // The page file written last (empty before the first page).
    const QString& pageFile() const { return pageFile_; }

    // The running clock: whole seconds since the end of loading, on the
    // monotonic clock, and its text "h:m:s" (what LTime stores at marking).
    qint64 elapsedSeconds() const;
    QString clockText() const;

    // Controls.
    QWidget* ScnTabBG() const { return scnTabBG_; }
    PictureButton* ToolBar(int number) const { return toolbar_.at(number - 1); }
    QLabel* lblTB(int number) const;
    PictureBox* PaperSum() const { return paperSum_; }
    QuestionBrowser* brwWebBrowser() const { return browser_; }
    QWidget* QnTitleBG() const { return qnTitleBG_; }
    QLabel* QnTitle() const { return qnTitle_; }
    QWidget* RemQnsBG() const { return remQnsBG_; }
    PictureBox* TxtRem() const { return txtRem_; }
    QComboBox* RemQns() const { return remQns_; }
    AnswerSheet* AnsBox() const { return ansBox_; }
    AnswerFrame* Frame(int number) const;
    // The notes of a marked sheet, under its frames (answer_notes.h).
    AnswerNotesStrip* answerNotes() const { return answerNotes_; }
    QWidget* PicHideAns() const { return picHideAns_; }
    PictureBox* ImgHandle() const { return imgHandle_; }
    PictureBox* Sizer() const { return sizer_; }
    QLabel* lblAnsweredQ() const { return lblAnsweredQ_; }
    QLabel* lblTotalQ() const { return lblTotalQ_; }
    QLabel* lblClock() const { return lblClock_; } // first take only
    QLabel* lblDate() const { return lblDate_; }   // first take only
    QLabel* LTime() const { return lTime_; }       // first take only
    QLabel* ETime() const { return eTime_; }       // first take only
    QLabel* Scoring() const { return scoring_; }   // hidden
    QLabel* PScoring() const { return pScoring_; }
    QLabel* lblSecondAttempt() const { return lblSecondAttempt_; } // second take only
    PictureBox* fmeMark() const { return fmeMark_; }
    PictureBox* imgBar(int number) const { return imgBar_.at(number - 1); }
    // What plays fmeMark while a paper is being marked.
    MarkingBar* markingBar() const { return markingBar_; }
    PictureBox* Bot(int number) const { return bot_.at(number - 1); } // may be null

    // Routines of the window.
    void ShowQuestionPage(bool fromNavigation);
    void StoreCurrentAnswers();
    // Writes the answer list as the paper's record of the take's answers
    // file. On failure the pupil is told, the answers stay in memory, and
    // false is returned.
    bool SaveAnswerRecord();
    // Before an unload from outside (another paper opened, the results
    // erased, the program closing): while the take is not marked, the
    // answers typed since the last save are stored and saved. When that save
    // fails the pupil is told why and asked whether to keep the paper open
    // ("Yes", the focused button, loses nothing); false when they keep it
    // (nothing is unloaded then).
    bool SaveBeforeUnload();
    // Stores, saves and shows question `target`; ignored outside 1..Q. With
    // `focusFirstAnswer` (Back and Next) the caret goes into FA1.
    void GoToQuestion(int target, bool focusFirstAnswer = false);
    void ShowQuestionFrames();
    void FillAnswerFrame(AnswerFrame* frame, int part);
    void FillRetryFrame(AnswerFrame* frame, int part);
    void ArrangeAnswerFrames();
    void StackAnswerFrames();
    void RebuildRemainingList();
    // The marked state: boxes read-only, the result labels of this take
    // shown, the remaining-questions panel hidden, the frames re-shown, and
    // in the first take the time taken and the date of marking in place of
    // the clock and today's date.
    void EnterMarkedState();
    void ToggleAnswerSheet();
    // The layout pass at the window's current size.
    void LayOut();
    // One tick of Timer1 with the cursor read for it: toolbar pictures and
    // enables, the clock, the answered count.
    void tick(const QPoint& cursor);

public slots:
    void SavePaper();
    // Mark. A paper marked in this take (Status "1") shows its marked sheet
    // and nothing is asked or written. Otherwise the answers are stored and
    // saved (a failed save is told and ends the command), the pupil is asked
    // to confirm ("Marking"; No ends the command), every part is judged, the
    // marking bar plays, and the marking is stored: in the first take with
    // the time taken and the date (LTime, ETime) and a trend entry, in the
    // second take the score alone. Scoring, PScoring and Status "1" follow,
    // then the marked state.
    //
    // A paper whose keys cannot be judged or whose marks add up to 0 is named
    // in a pop-up before the bar, and nothing more is written. When storing
    // fails the pupil is told that the marking could not be saved; the files
    // are as before the Mark command (the answers saved by it aside), and the
    // window stays as it was, unmarked, so that Mark can be tried again.
    void MarkPaper();
    void PrintQuestion();
    // Close: asks "Confirm?"; once confirmed, the answers typed since the
    // last save are saved (while the take is not marked) and the window is
    // to be unloaded (closeConfirmed). A save that fails is told and the
    // window stays open.
    void ClosePaper();

signals:
    // ClosePaper was confirmed: the window is to be unloaded.
    void closeConfirmed();
    // The browser finished loading a page (true) or failed (false).
    void pageLoaded(bool ok);
    // A print job ended.
    void printFinished(bool ok);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildControls(QWebEngineProfile* profile);
    void buildToolbar();
    void buildPaperSum();
    void buildBottomStrip();
    void buildMarkingBar();
    void buildKeyboardAccess();
    void addShortcut(const QString& keys, std::function<void()> action);
    QList<QWidget*> focusStops() const;
    void orderFocusChain();
    void focusFirstAnswer();
    void nameControls();
    void describeAnswerFrames();
    void loadPictures();
    void paintBackgrounds();
    void drawAnswerBorders();
    void setCaption();
    void applyStatusFields();
    void startClock();
    void removePageFile();
    void forgetPageFile();
    void tellPupil(const QString& title, const QString& message);
    void updateToolbar(const QPoint& cursor);
    void layOutBottomStrip();
    int compactAnsweredWidth() const;
    PracticePieceSizes pieceSizes() const;
    void edgeResize(QPoint globalPress);
    void applyPointerShape(QWidget* target, QPoint global, bool leftHeld);
    QSize grabZoneTwips() const;
    QStringList partTypes(int question) const;
    void markUnmarkedTake();
    void showAnswerNotes();

    PaperSession session_;
    PracticeHost& host_;
    SkinContext skin_;
    PracticeServices services_;
    SkinnedFrame* frame_ = nullptr;

    // Hidden fields.
    int current_ = 1;
    TakeStatus status_ = TakeStatus::NotMarked;
    QString unknownStatus_; // the summary's text while status_ is Unknown
    int topicCount_ = 0;    // the topic's first paper index; 0 until loaded
    bool pressTrack_ = false;
    bool sheetShown_ = true;
    QString pageFile_;
    qint64 startMsecs_ = 0;
    bool clockStarted_ = false;
    bool unloaded_ = false;
    bool resizing_ = false;
    std::unique_ptr<QPrinter> printer_;

    QWidget* scnTabBG_ = nullptr;
    std::array<PictureButton*, kToolbarButtonCount> toolbar_{};
    std::array<QLabel*, kToolbarButtonCount> captions_{}; // lblTB01..lblTB06
    PictureBox* paperSum_ = nullptr;
    QuestionBrowser* browser_ = nullptr;
    QWidget* qnTitleBG_ = nullptr;
    QLabel* qnTitle_ = nullptr;
    QWidget* remQnsBG_ = nullptr;
    PictureBox* txtRem_ = nullptr;
    QComboBox* remQns_ = nullptr;
    AnswerSheet* ansBox_ = nullptr;
    AnswerNotesStrip* answerNotes_ = nullptr;
    QWidget* picHideAns_ = nullptr;
    PictureBox* imgHandle_ = nullptr;
    PictureBox* sizer_ = nullptr;
    QLabel* lblAnsweredQ_ = nullptr;
    QLabel* answeredCaption_ = nullptr;
    QLabel* lblTotalQ_ = nullptr;
    QLabel* lblClock_ = nullptr;
    QLabel* lblDate_ = nullptr;
    QLabel* lTime_ = nullptr;
    QLabel* eTime_ = nullptr;
    QLabel* scoring_ = nullptr;
    QLabel* pScoring_ = nullptr;
    QLabel* percentSign_ = nullptr;
    QLabel* lblSecondAttempt_ = nullptr;
    PictureBox* fmeMark_ = nullptr;
    std::array<PictureBox*, 15> imgBar_{};
    MarkingBar* markingBar_ = nullptr;
    std::array<PictureBox*, 3> bot_{};
};

} // namespace orvanta
