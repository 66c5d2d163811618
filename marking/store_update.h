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
// results records, (first take only) the trend, and the summary rows as one
// change (file_change.h): after a crash or a failing disk at any step, the
// results, trend and summary either all show the marking or none of them
// does. The summary is renamed into place last, the trend appended to from
// the file as it stands, and the take checked unmarked in the summary file
// itself, so that a marking tried again never counts twice. The kept lines
// and rows change only once the change holds.
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
// paper twice, checked in the kept rows and in the file); StoreFailed (a
// file could not be read or written, or holds a character it cannot store;
// every file is as before). On a throw the arguments are unchanged.
// Returns how the change ended: Done, or Committed when the marking holds
// but some of its files could not be renamed into place yet; the next read
// or write of a progress file finishes them (ProgressStore::settle).
ChangeResult StoreFirstTakeMarking(const ProgressStore& store, int subject,
                                   PaperRecordFile& answers, PaperRecordFile& results,
                                   SummaryRows& summary, const FirstTakeRecord& record);

// Second take: the paper's records in the "second" and "sresults" files;
// "SSE" and "SST" = "1" at the paper index, all six summary rows written; the
// trend is not touched. Throws as StoreFirstTakeMarking (AlreadyMarked when
// "SST" is "1").
ChangeResult StoreSecondTakeMarking(const ProgressStore& store, int subject,
                                    PaperRecordFile& answers, PaperRecordFile& results,
                                    SummaryRows& summary, const SecondTakeRecord& record);

// The trend line with `percentage` appended: "#TRD#>66.7" from "" or "#TRD#",
// "#TRD#>66.7>100" from "#TRD#>66.7". Keeps the newest 50 entries.
QString AppendedTrendLine(const QString& line, const QString& percentage);

} // namespace orvanta
