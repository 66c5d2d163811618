#pragma once

#include "clock.h"

#include "data/progress_store.h"

#include <QString>
#include <QStringList>

// Storing a marked take in the pupil's progress files.
//
// A practice window keeps, while its paper is open, the lines of the take's
// answers and results files (PaperRecordFile) and the six summary rows, and
// passes them here. The store functions rewrite the paper's answers and
// results records, then (first take only) the trend, then the summary rows
// last: the summary is what the main window reads, so the marking counts
// from that write on. When any write fails, the files already rewritten are
// put back and the kept lines and rows stay as they were, so that results,
// trend and summary either all show the marking or none of them does.
namespace orvanta {

struct FirstTakeRecord {
    int paperNumber = 0;  // 101..100+P
    QStringList answers;  // as typed, one per part
    QStringList results;  // result codes, one per part
    QString percentage;   // PercentageText, stored in "FSE" and the trend
    MarkingMoment moment; // "CDD" and "LTM"
};

struct SecondTakeRecord {
    int paperNumber = 0;
    QStringList answers; // the second answers, carried-over ones included
    QStringList results;
    QString percentage; // stored in "SSE"
};

// First take: the paper's records in `answers` (the "first" file) and
// `results` (the "fresults" file); ">" + percentage appended to the trend
// line (the oldest entries dropped beyond the trend's 50); "FSE", "LTM",
// "CDD" and "FST" = "1" at the paper index, all six summary rows written.
// Throws MarkingError: BadArgument (wrong files, paper or list lengths, an
// empty percentage); AlreadyMarked ("FST" is "1": the trend would count the
// paper twice); StoreFailed (a file could not be read or written; the message
// says whether everything was put back). On a throw the arguments are
// unchanged.
void StoreFirstTakeMarking(const ProgressStore& store, int subject, PaperRecordFile& answers,
                           PaperRecordFile& results, SummaryRows& summary,
                           const FirstTakeRecord& record);

// Second take: the paper's records in the "second" and "sresults" files;
// "SSE" and "SST" = "1" at the paper index, all six summary rows written; the
// trend is not touched. Throws as StoreFirstTakeMarking (AlreadyMarked when
// "SST" is "1").
void StoreSecondTakeMarking(const ProgressStore& store, int subject, PaperRecordFile& answers,
                            PaperRecordFile& results, SummaryRows& summary,
                            const SecondTakeRecord& record);

// The trend line with `percentage` appended: "#TRD#>66.7" from "" or "#TRD#",
// "#TRD#>66.7>100" from "#TRD#>66.7". Keeps the newest 50 entries.
QString AppendedTrendLine(const QString& line, const QString& percentage);

} // namespace orvanta
