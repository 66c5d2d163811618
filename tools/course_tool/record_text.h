#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// A record file held in memory for checking: its lines decoded from
// Windows-1252, split and searched the way the program's record readers split
// and search them, plus what the readers forgive but the format forbids.
namespace orvanta {

class RecordText {
public:
    explicit RecordText(const QByteArray& bytes);

    const QStringList& lines() const { return lines_; }
    // Lines ended by a lone LF or CR instead of CR LF, and the first of them
    // (1-based; 0 when there is none).
    int bareLineEnds() const { return bareLineEnds_; }
    int firstBareLineEnd() const { return firstBareLineEnd_; }

    // Index of the first line at or after `from` that holds "#key#" anywhere,
    // letter case ignored; -1 when none does.
    qsizetype find(const QString& key, qsizetype from = 0) const;

    // The text after "#key#>" of the first line holding the key (the value a
    // header record gives), or empty.
    QString value(const QString& key) const;

private:
    QStringList lines_;
    int bareLineEnds_ = 0;
    int firstBareLineEnd_ = 0;
};

struct RecordLine {
    QString key;
    QStringList fields; // empty for a record without ">"
};

// Parses a line that is meant to be a record ("#101#>10001>10002") with a key
// of `keyLength` characters (3 or 5); nothing when the line does not have
// exactly that shape.
std::optional<RecordLine> ParseRecordLine(const QString& line, int keyLength);

// True for lines the readers take for records: lines holding a "#".
bool LooksLikeRecord(const QString& line);

} // namespace orvanta
