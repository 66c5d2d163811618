#pragma once

#include "data/progress_store.h"

#include <QList>
#include <QString>
#include <QStringList>

// The check of a subject's six progress files, run whenever a subject or a
// paper is opened: do the files hold what the program writes, and do they
// agree with each other?
//
// What is repaired, because it needs no guessing (all repairs are one
// all-or-nothing change; a file whose repair leaves out text it held is
// first kept as it was, as "<name>.damaged", so nothing the pupil did is
// lost):
//  - a missing progress file: made again from its template;
//  - per-paper records missing, repeated or out of order, or with too few or
//    too many fields: every record is kept by its key with its own text, a
//    missing one added empty at its place, each cut or filled to its
//    paper's number of parts;
//  - summary rows missing, repeated or of the wrong length: read by key, cut
//    or filled to one field per paper;
//  - a take whose results are stored while the summary says it is not marked
//    (a summary made again from its template, or written by an older copy
//    that stopped half-way): it counts as marked, its score worked out again
//    from the stored results and the paper's marks (the time taken and the
//    date, which nothing else holds, stay as they stand);
//  - a take marked in the summary whose score is empty: the same;
//  - a take marked in the summary whose results are missing, while its
//    answers are there: the results judged again from the answers;
//  - values of a damaged summary row standing at a paper whose take is not
//    marked (a value shifted by a field too many or too few): cleared;
//  - a score, time or date standing at a take that neither its flag nor its
//    results say was marked (a hand edit): cleared.
// What is only told, because repairing it would be a guess: a trend with
// more scores than marked first takes, a marked take without its answers and
// results, a file that cannot be read or is far too large.
namespace orvanta {

struct ProgressNotice {
    QString file;          // the file's name (no folder); empty when about the subject
    QString text;          // one or two sentences for the pupil, naming the file
    bool repaired = false; // false: told only, nothing changed
};

struct ProgressCheck {
    QList<ProgressNotice> notices;
    // The summary file could be read (or was made again): the paper list
    // can show.
    bool summaryReadable = true;
    // The repairs found were written (Repair), or there were none.
    bool written = true;

    bool clean() const { return notices.isEmpty(); }
};

enum class ProgressRepair { Repair, ReportOnly };

// Checks the six files of `subject` with `paperCount` papers and, with
// Repair, mends them as above. `topicNames` name the papers in the notices
// ("Grammar - Paper 3"); without them papers go by number ("paper 103").
// Never throws: a repair that cannot be written is told, and the files stay
// as they were.
ProgressCheck CheckSubjectProgress(const ProgressStore& store, int subject, int paperCount,
                                   const QStringList& topicNames = {},
                                   ProgressRepair repair = ProgressRepair::Repair);

// The name a damaged file is kept under beside `path`: "<name>.damaged", or
// "<name>.damaged-2" and on when that exists.
QString DamagedCopyPath(const QString& path);

} // namespace orvanta
