#pragma once

#include "app_folder.h"
#include "course_content.h"
#include "file_change.h"
#include "progress_records.h"
#include "resource_install.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The pupil's progress: six record files per subject, created from templates,
// read by the main window and rewritten by the practice windows. Every write
// is atomic, and a change of several files is all-or-nothing across them
// (file_change.h); every read and write first finishes a change that a crash
// or a failing disk interrupted.
//
//   "marks"    summary: rows FSE SSE LTM CDD FST SST, one field per paper
//   "first"    first-take answers, one record per paper (key = paper number)
//   "second"   second-take answers
//   "fresults" first-take results (right "\u00fc", wrong "\u00fb", or empty)
//   "sresults" second-take results
//   "trend"    one record TRD: first-take percentages, oldest first
//
// File name: stem + subject number + course code + ".txt" ("marks2Q4.txt").
namespace orvanta {

enum class ProgressFile {
    Summary,
    FirstAnswers,
    SecondAnswers,
    FirstResults,
    SecondResults,
    Trend
};

inline constexpr std::array<ProgressFile, 6> kProgressFiles = {
    ProgressFile::Summary,      ProgressFile::FirstAnswers,  ProgressFile::SecondAnswers,
    ProgressFile::FirstResults, ProgressFile::SecondResults, ProgressFile::Trend};

QString ProgressStem(ProgressFile file);
QString ProgressFileName(ProgressFile file, int subject, const QString& courseCode);
// Template resource 30100 + 10 S + k, k = 1..6 in the order of kProgressFiles.
int ProgressTemplateResource(int subject, ProgressFile file);

// The six summary rows of a subject, one value per paper index (0-based here:
// element 0 belongs to paper 101).
struct SummaryRows {
    enum Row { FSE, SSE, LTM, CDD, FST, SST };
    static const std::array<QString, 6>& keys();

    std::array<QStringList, 6> rows;

    int paperCount() const { return static_cast<int>(rows[FSE].size()); }
    const QString& value(Row row, int paperIndex) const { return rows[row].at(paperIndex - 1); }
    void set(Row row, int paperIndex, const QString& value) { rows[row][paperIndex - 1] = value; }
};

// The kept lines of one per-paper progress file, as a practice window holds
// them while a paper is open: read once by key (progress_records.h), so that
// every record keeps its own text and a missing one is taken from the
// template; one record rebuilt at each update, the whole file rewritten from
// the kept lines.
class PaperRecordFile {
public:
    // Reads the records 101..100+paperCount. `templateLines` (the file's
    // template) gives the record of a paper the file lacks and each record's
    // number of fields. Throws RecordFileError (CannotOpen, TooLarge).
    PaperRecordFile(QString path, int paperCount, QStringList templateLines = {});

    const QString& path() const { return path_; }
    // P lines, the record of paper 101 + i at i.
    const QStringList& lines() const { return lines_; }
    // What did not fit in the file as it was read.
    const RecordFindings& findings() const { return findings_; }

    // Fields 1..partCount of the paper's record (0-based list). A record with
    // fewer fields is filled up with empty ones; fields beyond partCount are
    // left out, so that what a damaged record holds beyond its paper's parts
    // never shows in an answer box. Throws RecordFileError: RecordMissing for
    // a paper outside 101..100+P, CapacityExceeded above 80 parts.
    QStringList fields(int paperNumber, int partCount) const;

    // The kept lines with the paper's record rebuilt from `values`. Throws
    // RecordFileError: Unstorable (a value holds ">", a line break or a
    // character Windows-1252 lacks), BadArgument (a paper outside 1..P).
    QStringList withRecord(int paperNumber, const QStringList& values) const;
    // The bytes of the file holding `lines`. Throws Unstorable.
    QByteArray bytesOf(const QStringList& lines) const;
    // Takes `lines` as the kept lines once a change holding them was made.
    void keep(QStringList lines) { lines_ = std::move(lines); }

    // Rebuilds the paper's record and rewrites the file, after finishing an
    // interrupted change of its folder; the kept lines change only when the
    // write succeeded. Throws RecordFileError (the file keeps its old bytes).
    void replace(int paperNumber, const QStringList& values);

private:
    QString path_;
    int paperCount_;
    QStringList lines_;
    RecordFindings findings_;
};

// Finishes a change of the pupil's files in `folder` that was interrupted
// (file_change.h). Throws RecordFileError (Unfinished, naming the file that
// cannot be replaced) when a change holds but cannot be finished now: the
// files would disagree with each other until it is.
RecoveryResult SettleProgressFolder(const QString& folder);

class ProgressStore {
public:
    ProgressStore(ResourceLibrary library, AppFolder folder, QString courseCode);

    const ResourceLibrary& library() const { return library_; }
    const AppFolder& folder() const { return folder_; }
    const QString& courseCode() const { return code_; }

    QString path(ProgressFile file, int subject) const;
    QList<ProgressFile> missingFiles(int subject) const;
    // The lines of the file's template; empty when the program lacks it.
    QStringList templateLines(ProgressFile file, int subject) const;

    // SettleProgressFolder for the application folder. Every read and write
    // below does this first.
    void settle() const;

    // A change of files of this store, to be committed with commit().
    FileChange change(const QString& what) const;
    // Makes `change` all-or-nothing (file_change.h), after settle(). Returns
    // how it ended when it holds (Done, or Committed with renames left for
    // the next settle). Throws RecordFileError: CannotWrite, naming the file,
    // when the change did not take place (every file keeps its old bytes);
    // Unfinished when an earlier change cannot be finished.
    ChangeResult commit(const FileChange& change) const;

    // Writes the six templates of `subject` over its six files, as one
    // change. Returns 0, or the error number of the failure (kResourceNotFound
    // when a template is missing); nothing is written then.
    quint32 CreateProgressFiles(int subject) const;

    // Creates from their templates only the files of `subject` that are
    // missing, as one change; an existing progress file is never touched.
    // Returns the files created. Throws CourseError when a template is
    // missing or the files cannot be written.
    QList<ProgressFile> CreateMissingProgressFiles(int subject) const;

    // The templates of every present subject, 1..3, over their six files, as
    // one change: all subjects are erased, or none. Throws CourseError naming
    // the subject whose template is missing, or saying that nothing was
    // erased when the files cannot be written. Returns Committed when the
    // erase holds but some files are left for the next settle.
    ChangeResult ResetProgressStore(const CourseDescription& course) const;

    // The six summary rows with `paperCount` fields each, read by key
    // (progress_records.h): a missing row or field reads as in the template,
    // fields beyond the count are left out. Throws RecordFileError
    // (CannotOpen, TooLarge, Unfinished).
    SummaryRows ReadSummary(int subject, int paperCount) const;
    // The bytes of the summary file holding `summary`: the six rows in the
    // order FSE SSE LTM CDD FST SST. Throws RecordFileError (Unstorable).
    QByteArray SummaryBytes(int subject, const SummaryRows& summary) const;
    // Writes the six rows. Throws RecordFileError.
    void WriteSummary(int subject, const SummaryRows& summary) const;

    // Throws RecordFileError (CannotOpen, TooLarge, Unfinished).
    PaperRecordFile OpenPaperRecords(ProgressFile file, int subject, int paperCount) const;

    // The trend line as stored ("#TRD#>66.7>100"), empty when it has no record.
    QString ReadTrendLine(int subject) const;
    // Appends ">" + percentage to the trend line and rewrites the trend file
    // with that one line. Returns the new line. Throws RecordFileError.
    QString AppendTrendEntry(int subject, const QString& percentage) const;
    // Rewrites the trend file with `line` as its only line. Throws RecordFileError.
    void WriteTrendLine(int subject, const QString& line) const;

private:
    std::optional<QByteArray> templateBytes(ProgressFile file, int subject) const;

    ResourceLibrary library_;
    AppFolder folder_;
    QString code_;
};

} // namespace orvanta
