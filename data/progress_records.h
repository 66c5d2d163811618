#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Reading the pupil's progress files by key, against the templates they were
// made from, and saying what does not fit.
//
// The positional readers of record_file.h take the per-paper records in file
// order and the summary rows by count; a record missing or out of place makes
// them hand back empty records or fields holding ">", and writing such a
// reading back loses what was not read. These readers find every record by
// its own key instead, so that each record keeps its own text, and turn the
// file into its regular form: one record per paper in paper order, each with
// as many fields as its template record (the paper's number of parts), and
// the six summary rows with one field per paper.
namespace orvanta {

// What does not fit in a per-paper file or the summary file.
struct RecordFindings {
    QStringList missing;   // keys without a record: added from the template
    QStringList repeated;  // keys with more than one record: the first is kept
    QStringList shorter;   // records with fewer fields than their template: filled up
    QStringList longer;    // records with more fields than their template: cut to it
    QStringList malformed; // records whose first ">" is out of place: taken from the template
    bool outOfOrder = false;
    // The regular form leaves out text that stood in the file (a repeated
    // record that differs from the first, text in fields beyond the template,
    // a malformed record): the file as it was must be kept aside.
    bool dropsText = false;

    // The file differs from its regular form in more than lines without a
    // key (the templates' "..." lines).
    bool needsRewrite() const;
};

// A per-paper progress file ("first", "second", "fresults", "sresults") in
// its regular form.
struct PaperRecordsReading {
    QStringList lines; // P lines: the record of paper 101 + i at i
    RecordFindings findings;
};

// Reads the records 101..100+paperCount of `fileLines` by key. A record is a
// line starting with "#" key "#" (any letter case), followed by nothing or by
// ">" and its fields; the first such line of a key counts. `templateLines`
// (the file's template) gives each record's field count and the record of a
// missing paper; a paper the template lacks keeps its record as it stands,
// or gets the bare key "#NNN#" when it has none (which is no finding).
PaperRecordsReading ReadPaperRecordsByKey(const QStringList& fileLines, int paperCount,
                                          const QStringList& templateLines);

// The six summary rows (FSE SSE LTM CDD FST SST), P fields each, in their
// regular form.
struct SummaryReading {
    std::array<QStringList, 6> rows;
    // Rows that were missing, repeated, shorter or longer: their values may
    // stand at the wrong papers.
    std::array<bool, 6> rowDamaged{};
    RecordFindings findings;
};

// Reads the six rows by key with `paperCount` fields each: a missing row, or
// the fields a short row lacks, come from `templateLines` (empty, or "0" for
// FST and SST when the template has no such row); fields beyond the count are
// left out.
SummaryReading ReadSummaryByKey(const QStringList& fileLines, int paperCount,
                                const QStringList& templateLines);

// The entries of the trend line ("#TRD#>66.7>100" gives 66.7 and 100); none
// when the file has no "TRD" record.
QStringList TrendEntries(const QStringList& fileLines);

// The key of a record line ("#101#>a" gives "101"), or empty when the line
// does not start with "#" + three characters + "#".
QString LeadingKey(const QString& line);

} // namespace orvanta
