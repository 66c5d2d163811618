#include "store_update.h"

#include "marking_error.h"

#include "data/atomic_file.h"
#include "data/course_content.h"
#include "data/record_file.h"

#include <QFile>

#include <functional>
#include <optional>
#include <vector>

namespace orvanta {

namespace {

QString paperName(int paperNumber) {
    return QStringLiteral("paper %1").arg(paperNumber);
}

QString reasonOf(const std::exception& error) {
    if (const auto* record = dynamic_cast<const RecordFileError*>(&error))
        return record->message();
    if (const auto* marking = dynamic_cast<const MarkingError*>(&error))
        return marking->message();
    return QString::fromLocal8Bit(error.what());
}

// A sequence of file writes that succeed together or are undone together.
class WriteSequence {
public:
    explicit WriteSequence(int paperNumber)
        : paperNumber_(paperNumber) {}

    // Runs `write`; when it throws, runs the undo actions of the earlier
    // steps, newest first, and throws MarkingError(StoreFailed).
    void step(const std::function<void()>& write, std::function<void()> undo = {}) {
        try {
            write();
        } catch (const std::exception& error) {
            const auto* record = dynamic_cast<const RecordFileError*>(&error);
            failWith(reasonOf(error), record ? record->file() : QString());
        }
        if (undo)
            undo_.push_back(std::move(undo));
    }

private:
    [[noreturn]] void failWith(const QString& reason, const QString& file) {
        QStringList undoFailures;
        for (auto it = undo_.rbegin(); it != undo_.rend(); ++it) {
            try {
                (*it)();
            } catch (const std::exception& error) {
                undoFailures << reasonOf(error);
            }
        }
        QString message = QStringLiteral("The marking of %1 could not be saved: %2")
                              .arg(paperName(paperNumber_), reason);
        if (undoFailures.isEmpty())
            message += QStringLiteral(" The results stored before are unchanged.");
        else
            message += QStringLiteral(" The files already rewritten could not all be put back, "
                                      "so the stored results may disagree: %1")
                           .arg(undoFailures.join(u' '));
        throw MarkingError(MarkingError::Reason::StoreFailed, message, file);
    }

    int paperNumber_;
    std::vector<std::function<void()>> undo_;
};

void requireTake(const ProgressStore& store, int subject, const PaperRecordFile& answers,
                 ProgressFile answersFile, const PaperRecordFile& results, ProgressFile resultsFile,
                 const SummaryRows& summary, int paperNumber, const QStringList& answerValues,
                 const QStringList& resultValues) {
    auto bad = [](const QString& why) {
        throw MarkingError(MarkingError::Reason::BadArgument, why);
    };
    if (answers.path() != store.path(answersFile, subject) ||
        results.path() != store.path(resultsFile, subject))
        bad(QStringLiteral("The marking was given the progress files of another subject or "
                           "take."));
    const int paperCount = summary.paperCount();
    const int index = PaperIndex(paperNumber);
    if (index < 1 || index > paperCount || answers.lines().size() != paperCount ||
        results.lines().size() != paperCount)
        bad(QStringLiteral("Paper %1 is not one of the %2 papers of the progress files.")
                .arg(paperNumber)
                .arg(paperCount));
    if (answerValues.size() != resultValues.size() || answerValues.isEmpty())
        bad(QStringLiteral("%1 answers and %2 results were given for paper %3.")
                .arg(answerValues.size())
                .arg(resultValues.size())
                .arg(paperNumber));
}

// An empty score would read as "not marked" beside a status of "1", and an
// empty trend entry is one the trend readers skip.
void requirePercentage(const QString& percentage, int paperNumber) {
    if (percentage.isEmpty())
        throw MarkingError(
            MarkingError::Reason::BadArgument,
            QStringLiteral("The marking of paper %1 has no percentage to store.").arg(paperNumber));
}

void requireUnmarked(const SummaryRows& summary, SummaryRows::Row statusRow, int paperNumber,
                     const QString& take) {
    if (summary.value(statusRow, PaperIndex(paperNumber)) == u"1")
        throw MarkingError(
            MarkingError::Reason::AlreadyMarked,
            QStringLiteral("The %1 of paper %2 is marked already.").arg(take).arg(paperNumber));
}

// The bytes of a file about to be rewritten, to put back exactly when a later
// write of the same marking fails.
class FileSnapshot {
public:
    explicit FileSnapshot(QString path)
        : path_(std::move(path)) {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly))
            throw RecordFileError(RecordFileError::Reason::CannotOpen, path_, QString(),
                                  file.errorString());
        bytes_ = file.readAll();
    }

    void putBack() const {
        const atomic_file::WriteResult result = atomic_file::write(path_, bytes_);
        if (!result.ok())
            throw RecordFileError(RecordFileError::Reason::CannotWrite, path_, QString(),
                                  result.reason);
    }

private:
    QString path_;
    QByteArray bytes_;
};

// Rewrites the paper's record; the undo puts back the file's bytes and the
// kept lines as they were.
void replaceRecord(WriteSequence& writes, PaperRecordFile& file, int paperNumber,
                   const QStringList& values, const FileSnapshot& before) {
    const PaperRecordFile kept = file;
    writes.step([&] { file.replace(paperNumber, values); },
                [&file, &before, kept] {
                    before.putBack();
                    file = kept;
                });
}

void writeSummary(const ProgressStore& store, int subject, SummaryRows& summary,
                  const SummaryRows& updated) {
    store.WriteSummary(subject, updated);
    summary = updated;
}

} // namespace

QString AppendedTrendLine(const QString& line, const QString& percentage) {
    QStringList fields = line.isEmpty() ? QStringList{QStringLiteral("#TRD#")} : line.split(u'>');
    fields.append(percentage);
    // The readers take at most kTrendCapacity entries; only a hand-edited
    // file can hold that many, as each paper adds one entry once.
    while (fields.size() - 1 > kTrendCapacity)
        fields.removeAt(1);
    return fields.join(u'>');
}

void StoreFirstTakeMarking(const ProgressStore& store, int subject, PaperRecordFile& answers,
                           PaperRecordFile& results, SummaryRows& summary,
                           const FirstTakeRecord& record) {
    requireTake(store, subject, answers, ProgressFile::FirstAnswers, results,
                ProgressFile::FirstResults, summary, record.paperNumber, record.answers,
                record.results);
    requirePercentage(record.percentage, record.paperNumber);
    requireUnmarked(summary, SummaryRows::FST, record.paperNumber, QStringLiteral("first take"));

    // Everything is read before the first write, so that a file that cannot
    // be read stops the marking with nothing written.
    WriteSequence writes(record.paperNumber);
    std::optional<FileSnapshot> answersBefore, resultsBefore, trendBefore;
    QString trendLine;
    writes.step([&] {
        answersBefore.emplace(answers.path());
        resultsBefore.emplace(results.path());
        trendBefore.emplace(store.path(ProgressFile::Trend, subject));
        trendLine = store.ReadTrendLine(subject);
    });

    SummaryRows updated = summary;
    const int index = PaperIndex(record.paperNumber);
    updated.set(SummaryRows::FSE, index, record.percentage);
    updated.set(SummaryRows::LTM, index, record.moment.timeTaken);
    updated.set(SummaryRows::CDD, index, record.moment.date);
    updated.set(SummaryRows::FST, index, QStringLiteral("1"));

    replaceRecord(writes, answers, record.paperNumber, record.answers, *answersBefore);
    replaceRecord(writes, results, record.paperNumber, record.results, *resultsBefore);
    writes.step(
        [&] { store.WriteTrendLine(subject, AppendedTrendLine(trendLine, record.percentage)); },
        [&] { trendBefore->putBack(); });
    writes.step([&] { writeSummary(store, subject, summary, updated); });
}

void StoreSecondTakeMarking(const ProgressStore& store, int subject, PaperRecordFile& answers,
                            PaperRecordFile& results, SummaryRows& summary,
                            const SecondTakeRecord& record) {
    requireTake(store, subject, answers, ProgressFile::SecondAnswers, results,
                ProgressFile::SecondResults, summary, record.paperNumber, record.answers,
                record.results);
    requirePercentage(record.percentage, record.paperNumber);
    requireUnmarked(summary, SummaryRows::SST, record.paperNumber, QStringLiteral("second take"));

    SummaryRows updated = summary;
    const int index = PaperIndex(record.paperNumber);
    updated.set(SummaryRows::SSE, index, record.percentage);
    updated.set(SummaryRows::SST, index, QStringLiteral("1"));

    WriteSequence writes(record.paperNumber);
    std::optional<FileSnapshot> answersBefore, resultsBefore;
    writes.step([&] {
        answersBefore.emplace(answers.path());
        resultsBefore.emplace(results.path());
    });
    replaceRecord(writes, answers, record.paperNumber, record.answers, *answersBefore);
    replaceRecord(writes, results, record.paperNumber, record.results, *resultsBefore);
    writes.step([&] { writeSummary(store, subject, summary, updated); });
}

} // namespace orvanta
