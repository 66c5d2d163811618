#include "store_update.h"

#include "marking_error.h"

#include "data/course_content.h"
#include "data/record_file.h"

#include <optional>

namespace orvanta {

namespace {

QString paperName(int paperNumber) {
    return QStringLiteral("paper %1").arg(paperNumber);
}

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

[[noreturn]] void storeFailed(int paperNumber, const RecordFileError& error) {
    throw MarkingError(MarkingError::Reason::StoreFailed,
                       QStringLiteral("The marking of %1 could not be saved: %2 The results "
                                      "stored before are unchanged.")
                           .arg(paperName(paperNumber), error.message()),
                       error.file(), error.detail());
}

// The take's answers and results records, the trend when given, and the
// summary last, as one change; the kept lines and rows follow once it holds.
ChangeResult storeTake(const ProgressStore& store, int subject, PaperRecordFile& answers,
                       PaperRecordFile& results, SummaryRows& summary, int paperNumber,
                       const QStringList& answerValues, const QStringList& resultValues,
                       const SummaryRows& updated, const std::optional<QString>& trendLine) {
    try {
        const QStringList answerLines = answers.withRecord(paperNumber, answerValues);
        const QStringList resultLines = results.withRecord(paperNumber, resultValues);
        FileChange change =
            store.change(QStringLiteral("the marking of %1").arg(paperName(paperNumber)));
        change.replace(answers.path(), answers.bytesOf(answerLines));
        change.replace(results.path(), results.bytesOf(resultLines));
        if (trendLine) {
            const QString trend = store.path(ProgressFile::Trend, subject);
            change.replace(trend, RecordFileBytes({*trendLine}, trend));
        }
        change.replace(store.path(ProgressFile::Summary, subject),
                       store.SummaryBytes(subject, updated));
        const ChangeResult result = store.commit(change);
        answers.keep(answerLines);
        results.keep(resultLines);
        summary = updated;
        return result;
    } catch (const RecordFileError& error) {
        storeFailed(paperNumber, error);
    }
}

// The summary as it stands in the file now, an interrupted change finished
// first: the take must not be marked there either, so that a marking tried
// again after a failure or a crash never counts twice.
SummaryRows currentSummary(const ProgressStore& store, int subject, const SummaryRows& kept,
                           SummaryRows::Row statusRow, int paperNumber, const QString& take) {
    SummaryRows current;
    try {
        current = store.ReadSummary(subject, kept.paperCount());
    } catch (const RecordFileError& error) {
        storeFailed(paperNumber, error);
    }
    requireUnmarked(current, statusRow, paperNumber, take);
    return current;
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

ChangeResult StoreFirstTakeMarking(const ProgressStore& store, int subject,
                                   PaperRecordFile& answers, PaperRecordFile& results,
                                   SummaryRows& summary, const FirstTakeRecord& record) {
    requireTake(store, subject, answers, ProgressFile::FirstAnswers, results,
                ProgressFile::FirstResults, summary, record.paperNumber, record.answers,
                record.results);
    requirePercentage(record.percentage, record.paperNumber);
    const QString take = QStringLiteral("first take");
    requireUnmarked(summary, SummaryRows::FST, record.paperNumber, take);

    SummaryRows updated =
        currentSummary(store, subject, summary, SummaryRows::FST, record.paperNumber, take);
    QString trendLine;
    try {
        trendLine = store.ReadTrendLine(subject);
    } catch (const RecordFileError& error) {
        storeFailed(record.paperNumber, error);
    }
    const int index = PaperIndex(record.paperNumber);
    updated.set(SummaryRows::FSE, index, record.percentage);
    updated.set(SummaryRows::LTM, index, record.moment.timeTaken);
    updated.set(SummaryRows::CDD, index, record.moment.date);
    updated.set(SummaryRows::FST, index, QStringLiteral("1"));
    return storeTake(store, subject, answers, results, summary, record.paperNumber, record.answers,
                     record.results, updated, AppendedTrendLine(trendLine, record.percentage));
}

ChangeResult StoreSecondTakeMarking(const ProgressStore& store, int subject,
                                    PaperRecordFile& answers, PaperRecordFile& results,
                                    SummaryRows& summary, const SecondTakeRecord& record) {
    requireTake(store, subject, answers, ProgressFile::SecondAnswers, results,
                ProgressFile::SecondResults, summary, record.paperNumber, record.answers,
                record.results);
    requirePercentage(record.percentage, record.paperNumber);
    const QString take = QStringLiteral("second take");
    requireUnmarked(summary, SummaryRows::SST, record.paperNumber, take);

    SummaryRows updated =
        currentSummary(store, subject, summary, SummaryRows::SST, record.paperNumber, take);
    const int index = PaperIndex(record.paperNumber);
    updated.set(SummaryRows::SSE, index, record.percentage);
    updated.set(SummaryRows::SST, index, QStringLiteral("1"));
    return storeTake(store, subject, answers, results, summary, record.paperNumber, record.answers,
                     record.results, updated, std::nullopt);
}

} // namespace orvanta
