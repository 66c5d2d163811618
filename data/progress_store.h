#pragma once

#include "app_folder.h"
#include "course_content.h"
#include "resource_install.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The pupil's progress: six record files per subject, created from templates,
// read by the main window and rewritten (atomically) by the practice windows.
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
// them while a paper is open: read once, one record rebuilt at each update,
// the whole file rewritten from the kept lines.
class PaperRecordFile {
public:
    // Reads the records 101..100+paperCount. Throws RecordFileError.
    PaperRecordFile(QString path, int paperCount);

    const QString& path() const { return path_; }
    const QStringList& lines() const { return lines_; }

    // Fields 1..partCount of the paper's record (0-based list).
    // Throws RecordFileError when the record is missing or too short.
    QStringList fields(int paperNumber, int partCount) const;

    // Rebuilds the paper's record from `values` and rewrites the file with the
    // kept lines; the kept lines change only when the write succeeded.
    // Throws RecordFileError (the file keeps its old bytes).
    void replace(int paperNumber, const QStringList& values);

    // Rewrites the file from `lines` (P lines) and keeps them: puts back a file
    // whose later companion writes failed. Throws RecordFileError.
    void restore(const QStringList& lines);

private:
    QString path_;
    int paperCount_;
    QStringList lines_;
};

class ProgressStore {
public:
    ProgressStore(ResourceLibrary library, AppFolder folder, QString courseCode);

    QString path(ProgressFile file, int subject) const;
    QList<ProgressFile> missingFiles(int subject) const;

    // Installs the six templates of `subject` over its six files, in the order
    // of kProgressFiles. Returns the first non-zero install error, or 0.
    quint32 CreateProgressFiles(int subject) const;

    // Installs the templates of only the files of `subject` that are missing;
    // an existing progress file is never touched. Returns the files created.
    // Throws CourseError when a template cannot be installed.
    QList<ProgressFile> CreateMissingProgressFiles(int subject) const;

    // CreateProgressFiles for every present subject, 1..3. Throws CourseError
    // naming the subject when a template cannot be installed.
    void ResetProgressStore(const CourseDescription& course) const;

    // The six summary rows with `paperCount` fields each. Throws RecordFileError.
    SummaryRows ReadSummary(int subject, int paperCount) const;
    // Writes the six rows in the order FSE SSE LTM CDD FST SST. Throws RecordFileError.
    void WriteSummary(int subject, const SummaryRows& summary) const;

    PaperRecordFile OpenPaperRecords(ProgressFile file, int subject, int paperCount) const;

    // The trend line as stored ("#TRD#>66.7>100"), empty when it has no record.
    QString ReadTrendLine(int subject) const;
    // Appends ">" + percentage to the trend line and rewrites the trend file
    // with that one line. Returns the new line. Throws RecordFileError.
    QString AppendTrendEntry(int subject, const QString& percentage) const;
    // Rewrites the trend file with `line` as its only line. Throws RecordFileError.
    void WriteTrendLine(int subject, const QString& line) const;

private:
    ResourceLibrary library_;
    AppFolder folder_;
    QString code_;
};

} // namespace orvanta
