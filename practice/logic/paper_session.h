#pragma once

#include "practice/logic/paper_hand_over.h"
#include "practice/logic/practice_rules.h"

#include "data/app_folder.h"
#include "data/course_content.h"
#include "data/progress_store.h"
#include "data/record_file.h"
#include "data/resource_install.h"
#include "marking/clock.h"
#include "marking/marking_error.h"
#include "marking/paper_marking.h"
#include "marking/progress_check.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

// What a practice window holds of its paper while it is open: the content
// (read once), the pupil's answers and results of this take, the kept lines
// of the take's answers and results files and the six summary rows, and the
// saving of the answers. No widget here.
namespace orvanta {

// Why a paper cannot be opened, in words for the pupil (file names without
// their folder).
class PaperOpenError : public std::runtime_error {
public:
    explicit PaperOpenError(QString reason);
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

// The pupil's progress of one paper in one take, as loaded (load step 16).
struct PaperProgress {
    // This take's answers: the first answers in the first take, the second
    // answers (with the parts right the first time carried over) in the
    // second take. One per part.
    QStringList answers;
    QStringList firstAnswers;  // second take only
    QStringList firstResults;  // both takes
    QStringList secondResults; // second take only (carried-over parts "\u00fc")
    // The kept lines of this take's answers file ("first" / "second") and
    // results file ("fresults" / "sresults"), rewritten by saving and marking.
    std::optional<PaperRecordFile> answerFile;
    std::optional<PaperRecordFile> resultFile;
    SummaryRows summary;

    // This take's results: firstResults in the first take, secondResults in
    // the second.
    QStringList& results(Take take) { return take == Take::First ? firstResults : secondResults; }
};

class PaperSession {
public:
    PaperSession(PaperHandOver handOver, ResourceLibrary library, AppFolder folder);

    const PaperHandOver& handOver() const { return handOver_; }
    Take take() const { return handOver_.take == 2 ? Take::Second : Take::First; }
    int paperIndex() const { return PaperIndex(handOver_.paperNumber); }
    const ProgressStore& store() const { return store_; }
    const AppFolder& folder() const { return folder_; }
    const ResourceLibrary& library() const { return library_; }

    // Checks the hand-over itself: subject 1..3, take 1 or 2, 1..50 papers,
    // the paper number within them. Throws PaperOpenError.
    void checkHandOver() const;

    // Load steps 10 to 14: question list, answer key with the part counts,
    // type letters and marks, each table through the scratch file, and the
    // total marks. Throws PaperOpenError (a table that cannot be written
    // out, a missing or damaged record, a paper without questions).
    void loadContent();

    // Load step 16: this take's answers and results, the summary rows, and in
    // the second take the carry-over of the parts right the first time. The
    // subject's files are checked and mended first (progress_check.h); what
    // was mended is kept for repairNotices(). Records are read by key, and a
    // record holding more fields than the paper has parts shows only its
    // parts' fields. Throws PaperOpenError (a progress file that cannot be
    // read, an earlier change that cannot be finished). Needs loadContent()
    // first.
    void loadProgress();
    // What the check of loadProgress() found and mended, for the pupil.
    const QList<ProgressNotice>& repairNotices() const { return repairNotices_; }

    const PaperContent& content() const { return content_; }
    PaperProgress& progress() { return progress_; }
    const PaperProgress& progress() const { return progress_; }

    int questionCount() const { return content_.questionCount(); }
    int partCount() const { return content_.partCount(); }
    // c(q) and o(q) of question 1..Q.
    int partsOf(int question) const;
    int offsetOf(int question) const;

    // The summary values of this paper for this take: Status ("FST" or
    // "SST"), PScoring ("FSE" or "SSE"); LTime and ETime ("LTM", "CDD",
    // first take only, empty in the second).
    QString status() const;
    QString percentage() const;
    QString timeTaken() const;
    QString dateMarked() const;

    // SaveAnswerRecord: writes the answer list as this paper's record of the
    // take's answers file, unless the record already holds it. Throws
    // RecordFileError when the file cannot be written; the file and the kept
    // lines then keep their old content and the answers stay in memory.
    void saveAnswers();
    // The answer list differs from the paper's record as last read or saved.
    bool answersUnsaved() const;
    // Why saving the answers failed, in a few words for the pupil: "an
    // answer holds a sign that cannot be stored", "first1Q4.txt is
    // read-only", "No space left on device".
    QString saveFailureText(const RecordFileError& error) const;

    // Judges this take's answers (MarkPaperAnswers; in the second take the
    // second answers, carried-over parts included). Throws MarkingError:
    // InvalidKey or ZeroTotal, naming the paper. Changes nothing.
    PaperMarking judgeAnswers() const;

    // Stores `marking` as this take's marking: in the first take with
    // `moment`, through StoreFirstTakeMarking (answers, results, trend,
    // summary); in the second take through StoreSecondTakeMarking (answers,
    // results, summary; `moment` is not used). On success this take's
    // results, the kept lines and the summary rows hold the marking. Throws
    // MarkingError as those do; the files and everything held here are then
    // as they were. Returns Committed when the marking holds but some of its
    // files are left for the next read or write to finish.
    ChangeResult storeMarking(const PaperMarking& marking, const MarkingMoment& moment);

    // The pupil's words for a marking that holds with files left over.
    QString unfinishedMessage(const ChangeResult& result) const;

    // A marking fault in the pupil's words, short enough for the pop-up and
    // naming the paper as its window does ("Grammar - Paper 3"): of faulty
    // keys the first one's question and how many more there are; of a store
    // that failed, the name of the file.
    QString pupilMessage(const MarkingError& error) const;

private:
    QString faultyKeyText() const;

    PaperHandOver handOver_;
    ResourceLibrary library_;
    AppFolder folder_;
    ProgressStore store_;
    PaperContent content_;
    PaperProgress progress_;
    QList<ProgressNotice> repairNotices_;
};

// The pupil's words for a record file fault: the message with the folder
// taken off the file name.
QString ShortRecordMessage(const RecordFileError& error);

} // namespace orvanta
