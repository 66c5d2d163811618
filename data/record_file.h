#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <stdexcept>

// Record files: the line-oriented text format of every course and progress file.
//
// A record is one line "#KEY#>field1>field2...", Windows-1252 bytes on disk,
// CR LF line ends. Keys are 3 characters ("101", "FSE", "TRD") or 5-digit
// question numbers ("10001"); the first ">" therefore stands at the fixed
// character position 6 or 8 (1-based) of the line. Lines without a key are
// ignored. A key matches the first line that contains "#KEY#" anywhere,
// without regard to letter case.
//
// Lists returned here are 0-based: element 0 is field 1 of the record.
// Every operation opens the file, works and closes it before returning.
// Every write replaces the whole file atomically (see atomic_file.h).
namespace orvanta {

class RecordFileError : public std::runtime_error {
public:
    enum class Reason {
        CannotOpen,       // the file is missing or unreadable
        CannotWrite,      // the new file could not be written; the old one is whole
        RecordMissing,    // no line holds the key (field operations only)
        TooFewFields,     // the record has fewer fields than asked for
        Malformed,        // the line's first ">" is not at the key's fixed position
        CapacityExceeded, // more fields or records asked for than the format allows
        OutOfOrder,       // a question not found after the previous one in a one-pass read
        Unstorable,       // a value holds ">", a line break or a non-Windows-1252 character
        BadArgument,      // a caller passed counts that do not fit its arrays
        TooLarge,         // far larger than any record file the program makes: not read
        Unfinished,       // an earlier change of the pupil's files could not be finished
    };

    RecordFileError(Reason reason, QString file, QString key, QString detail = {});

    Reason reason() const { return reason_; }
    const QString& file() const { return file_; }
    const QString& key() const { return key_; }
    const QString& detail() const { return detail_; }
    // One sentence for the pupil or the course author: what, which file, which key.
    QString message() const;

private:
    Reason reason_;
    QString file_;
    QString key_;
    QString detail_;
};

// Fixed capacities of the format; the course and progress data stay within them.
inline constexpr int kTopicNameCapacity = 10;
inline constexpr int kSummaryCapacity = 50;
inline constexpr int kPaperPartsCapacity = 80;
inline constexpr int kTrendCapacity = 50;
inline constexpr int kPaperCapacity = 50;
// The largest course table is tens of kilobytes and a progress file a few;
// a file above this is damaged, and is refused without being read.
inline constexpr qint64 kRecordFileByteLimit = 4 * 1024 * 1024;

// The bytes of a record file. Throws CannotOpen, TooLarge (above
// kRecordFileByteLimit; nothing is read).
QByteArray ReadRecordFileBytes(const QString& path);
// The lines of record-file bytes, decoded from Windows-1252. Lines end with
// CR LF; a lone LF or CR also ends a line (files edited by hand).
QStringList SplitRecordFileLines(const QByteArray& bytes);
// `lines`, each followed by CR LF, in Windows-1252. Throws Unstorable.
QByteArray RecordFileBytes(const QStringList& lines, const QString& path);

// Text after "#KEY#>" (character 7 to the end of the line, further ">" kept);
// empty when the key is not found or the line is shorter than 7 characters.
// Throws CannotOpen.
QString ReadRecordValue(const QString& path, const QString& key);

// The whole first line holding the key, or empty. Throws CannotOpen.
QString ReadRecordLine(const QString& path, const QString& key);

// Fields 1..count of the 3-character-key record; the last returned field holds
// the rest of the line, ">" included, when the record has more fields.
// Throws CannotOpen, RecordMissing, Malformed, TooFewFields, CapacityExceeded.
QStringList ReadRecordFields(const QString& path, const QString& key, int count, int capacity);

// All fields of the 3-character-key record (as many as the line has ">").
// Throws CannotOpen, RecordMissing, Malformed.
QStringList ReadRecordList(const QString& path, const QString& key);

// Fields 1..count of a line read before, its first ">" at character 6.
// `source` names the file in error messages.
// Throws RecordMissing (empty line), Malformed, TooFewFields, CapacityExceeded.
QStringList SplitRecordLine(const QString& line, int count, int capacity,
                            const QString& source = {});

// Whole lines of the records 101..100+count in one pass from the top: element i
// holds the line of record 101+i. Records must stand in ascending order; a
// missing record leaves its element and all later ones empty.
// Throws CannotOpen, CapacityExceeded (count above 50).
QStringList ReadPaperLines(const QString& path, int count);

// The fields of each question's record (first ">" at character 8), found in one
// pass: each question is searched from the line after the previous one's, so
// questions must be given in the order their records stand in the file.
// Throws CannotOpen, OutOfOrder.
QList<QStringList> ReadQuestionRecords(const QString& path, const QStringList& questions);

// Number of ">" (parts) of each question's record, in one pass as above.
QList<int> ReadPartCounts(const QString& path, const QStringList& questions);

// The fields of all the questions' records concatenated in question order.
QStringList ReadQuestionParts(const QString& path, const QStringList& questions);

// Rebuilds line `lineIndex` (1-based) as "#KEY#>" + values 1..valueCount joined
// with ">", then writes lines 1..lineCount as the whole new file. `lines` is
// updated only when the write succeeded.
// Throws Unstorable, BadArgument, CannotWrite (the file keeps its old bytes).
void ReplaceRecordLine(QStringList& lines, const QStringList& values, int lineIndex,
                       const QString& key, int lineCount, int valueCount, const QString& path);

// The six rows "#KEY#>v1>...>vCount" in the given order.
// Throws Unstorable, BadArgument.
QStringList SummaryRowLines(const std::array<QStringList, 6>& rows,
                            const std::array<QString, 6>& keys, int count, const QString& path);

// Writes six rows "#KEY#>v1>...>vCount" in the given order as the whole new file.
// Throws Unstorable, BadArgument, CannotWrite (the file keeps its old bytes).
void WriteSummaryRows(const std::array<QStringList, 6>& rows, const std::array<QString, 6>& keys,
                      int count, const QString& path);

// Writes `lines`, each followed by CR LF, as the whole new file.
// Throws Unstorable, CannotWrite (the file keeps its old bytes).
void WriteRecordLines(const QString& path, const QStringList& lines);

// "#KEY#>" + values joined with ">" (no ">" after the last value).
QString BuildRecordLine(const QString& key, const QStringList& values);

// True when `value` can be stored as one field: no ">", no line break, and
// only characters that Windows-1252 has.
bool IsStorableField(const QString& value);

} // namespace orvanta
