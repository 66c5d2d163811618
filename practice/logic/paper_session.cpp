#include "paper_session.h"

#include "data/record_file.h"
#include "marking/key_check.h"
#include "marking/store_update.h"

#include <QDir>
#include <QFileInfo>

namespace orvanta {

namespace {

// Takes the application folder off every file name in `message`: the pop-up
// has room for a sentence, not for paths.
QString withoutFolder(QString message, const QString& folder) {
    const QString prefix = QDir::fromNativeSeparators(folder) + u'/';
    return message.replace(prefix, QString());
}

// A file failure in a few words: "marks1Q4.txt is read-only", or of
// "Cannot write /folder/marks1Q4.txt: No space left on device" its end.
QString shortCause(const QString& reason, const QString& folder) {
    const QString text = withoutFolder(reason, folder);
    if (text.startsWith(QLatin1String("Cannot ")) && text.contains(QLatin1String(": ")))
        return text.mid(text.lastIndexOf(QLatin1String(": ")) + 2);
    return text;
}

} // namespace

PaperOpenError::PaperOpenError(QString reason)
    : std::runtime_error(reason.toStdString())
    , reason_(std::move(reason)) {}

QString ShortRecordMessage(const RecordFileError& error) {
    QString message = error.message();
    if (!error.file().isEmpty())
        message.replace(error.file(), QFileInfo(error.file()).fileName());
    return message;
}

PaperSession::PaperSession(PaperHandOver handOver, ResourceLibrary library, AppFolder folder)
    : handOver_(std::move(handOver))
    , library_(std::move(library))
    , folder_(std::move(folder))
    , store_(library_, folder_, handOver_.courseCode) {}

void PaperSession::checkHandOver() const {
    const PaperHandOver& h = handOver_;
    if (h.subject < 1 || h.subject > kSubjectCount)
        throw PaperOpenError(QStringLiteral("There is no subject %1.").arg(h.subject));
    if (h.take != 1 && h.take != 2)
        throw PaperOpenError(QStringLiteral("There is no take %1 of a paper.").arg(h.take));
    if (h.paperCount < 1 || h.paperCount > kMaxPapers)
        throw PaperOpenError(QStringLiteral("The subject has %1 papers; 1 to %2 are possible.")
                                 .arg(h.paperCount)
                                 .arg(kMaxPapers));
    const int index = PaperIndex(h.paperNumber);
    if (index < 1 || index > h.paperCount)
        throw PaperOpenError(QStringLiteral("The subject has no paper %1.").arg(h.paperNumber));
}

void PaperSession::loadContent() {
    try {
        content_ = LoadPaperContent(library_, folder_, handOver_.subject, handOver_.paperNumber);
    } catch (const CourseError& e) {
        throw PaperOpenError(withoutFolder(e.message(), folder_.path()));
    }
    if (content_.questionCount() == 0 || content_.partCount() == 0)
        throw PaperOpenError(
            QStringLiteral("Paper %1 has no questions to answer.").arg(handOver_.paperNumber));
}

void PaperSession::loadProgress() {
    const int subject = handOver_.subject;
    const int count = handOver_.paperCount;
    const int paper = handOver_.paperNumber;
    const int parts = partCount();
    const ProgressCheck check = CheckSubjectProgress(store_, subject, count);
    repairNotices_ = check.notices;
    PaperProgress p;
    try {
        auto open = [&](ProgressFile file) {
            return store_.OpenPaperRecords(file, subject, count);
        };
        if (take() == Take::First) {
            p.answerFile = open(ProgressFile::FirstAnswers);
            p.answers = p.answerFile->fields(paper, parts);
            p.resultFile = open(ProgressFile::FirstResults);
            p.firstResults = p.resultFile->fields(paper, parts);
        } else {
            p.firstResults = open(ProgressFile::FirstResults).fields(paper, parts);
            p.answerFile = open(ProgressFile::SecondAnswers);
            p.answers = p.answerFile->fields(paper, parts);
            p.resultFile = open(ProgressFile::SecondResults);
            p.secondResults = p.resultFile->fields(paper, parts);
            p.firstAnswers = open(ProgressFile::FirstAnswers).fields(paper, parts);
        }
        p.summary = store_.ReadSummary(subject, count);
    } catch (const RecordFileError& e) {
        throw PaperOpenError(ShortRecordMessage(e));
    }
    if (take() == Take::Second)
        CarryOverRightParts(p.firstAnswers, p.firstResults, p.answers, p.secondResults);
    progress_ = std::move(p);
}

int PaperSession::partsOf(int question) const {
    return content_.partCounts.value(question - 1, 0);
}

int PaperSession::offsetOf(int question) const {
    return PartOffset(content_.partCounts, question);
}

QString PaperSession::status() const {
    return progress_.summary.value(take() == Take::First ? SummaryRows::FST : SummaryRows::SST,
                                   paperIndex());
}

QString PaperSession::percentage() const {
    return progress_.summary.value(take() == Take::First ? SummaryRows::FSE : SummaryRows::SSE,
                                   paperIndex());
}

QString PaperSession::timeTaken() const {
    return take() == Take::First ? progress_.summary.value(SummaryRows::LTM, paperIndex())
                                 : QString();
}

QString PaperSession::dateMarked() const {
    return take() == Take::First ? progress_.summary.value(SummaryRows::CDD, paperIndex())
                                 : QString();
}

void PaperSession::saveAnswers() {
    // Moving between questions without typing is the common case: the file
    // already holds these answers, and rewriting it (with its sync) would
    // only cost time.
    if (!answersUnsaved())
        return;
    progress_.answerFile->replace(handOver_.paperNumber, progress_.answers);
}

QString PaperSession::saveFailureText(const RecordFileError& error) const {
    if (error.reason() == RecordFileError::Reason::Unstorable)
        return QStringLiteral("an answer holds a sign that cannot be stored");
    const QString cause = shortCause(error.detail(), folder_.path());
    return cause.isEmpty() ? QStringLiteral("the file cannot be written") : cause;
}

bool PaperSession::answersUnsaved() const {
    if (!progress_.answerFile)
        return false;
    return progress_.answers != progress_.answerFile->fields(handOver_.paperNumber, partCount());
}

PaperMarking PaperSession::judgeAnswers() const {
    return MarkPaperAnswers(content_, progress_.answers);
}

ChangeResult PaperSession::storeMarking(const PaperMarking& marking, const MarkingMoment& moment) {
    PaperProgress& p = progress_;
    ChangeResult result;
    if (take() == Take::First) {
        result = StoreFirstTakeMarking(
            store_, handOver_.subject, *p.answerFile, *p.resultFile, p.summary,
            {handOver_.paperNumber, p.answers, marking.results, marking.percentage, moment});
    } else {
        result = StoreSecondTakeMarking(
            store_, handOver_.subject, *p.answerFile, *p.resultFile, p.summary,
            {handOver_.paperNumber, p.answers, marking.results, marking.percentage});
    }
    p.results(take()) = marking.results;
    return result;
}

QString PaperSession::unfinishedMessage(const ChangeResult& result) const {
    return QStringLiteral("%1 is marked, but %2 could not be written yet (%3). The program "
                          "finishes it as soon as it can.")
        .arg(PracticeCaption(handOver_.topicName, handOver_.positionInTopic()),
             QFileInfo(result.file).fileName(), shortCause(result.reason, folder_.path()));
}

QString PaperSession::pupilMessage(const MarkingError& error) const {
    const QString paper = PracticeCaption(handOver_.topicName, handOver_.positionInTopic());
    switch (error.reason()) {
    case MarkingError::Reason::InvalidKey:
        return paper + QStringLiteral(" cannot be marked: ") + faultyKeyText();
    case MarkingError::Reason::ZeroTotal:
        return paper + QStringLiteral(" cannot be marked: its marks add up to 0.");
    case MarkingError::Reason::StoreFailed: {
        const QString cause = shortCause(error.cause(), folder_.path());
        QString message =
            QStringLiteral("Your marking of %1 could not be saved%2, so the paper is "
                           "not marked yet. Try Mark again later.")
                .arg(paper, cause.isEmpty() ? QString() : QStringLiteral(" (") + cause + u')');
        if (!error.file().isEmpty() && !cause.contains(QFileInfo(error.file()).fileName()))
            message += QStringLiteral(" (File: %1)").arg(QFileInfo(error.file()).fileName());
        return message;
    }
    default:
        return withoutFolder(error.message(), folder_.path());
    }
}

QString PaperSession::faultyKeyText() const {
    QList<KeyProblem> faults;
    try {
        faults = CheckPaperKeys(content_);
    } catch (const MarkingError&) {
    }
    faults.removeIf([](const KeyProblem& p) { return !p.blocksJudging(); });
    if (faults.isEmpty())
        return QStringLiteral("its answer key is faulty.");
    const KeyProblem& first = faults.first();
    const auto question = content_.questions.indexOf(first.question) + 1;
    QString where = QStringLiteral("Question %1 (%2)").arg(question).arg(first.question);
    if (partsOf(static_cast<int>(question)) > 1)
        where += QStringLiteral(" part ") + PartLetter(first.partInQuestion);
    QString text = QStringLiteral("the answer key of %1 is faulty").arg(where);
    if (faults.size() > 1)
        text += QStringLiteral(" (and %1 more)").arg(faults.size() - 1);
    return text + u'.';
}

} // namespace orvanta
