#include "record_file.h"

#include "atomic_file.h"
#include "cp1252.h"

#include <QFile>

namespace orvanta {
namespace {

using Reason = RecordFileError::Reason;

constexpr int kShortKeySeparator = 6;    // "#101#>" : first ">" at character 6
constexpr int kQuestionKeySeparator = 8; // "#10001#>" : first ">" at character 8

QStringList readLines(const QString& path, const QString& key) {
    try {
        return SplitRecordFileLines(ReadRecordFileBytes(path));
    } catch (const RecordFileError& e) {
        throw RecordFileError(e.reason(), e.file(), key, e.detail());
    }
}

QString keyPattern(const QString& key) {
    return u'#' + key + u'#';
}

// Index of the first line at or after `from` holding the key, or -1.
qsizetype findLine(const QStringList& lines, const QString& key, qsizetype from = 0) {
    const QString needle = keyPattern(key);
    for (qsizetype i = from; i < lines.size(); ++i) {
        if (lines.at(i).contains(needle, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

QString lineFor(const QString& path, const QString& key) {
    const QStringList lines = readLines(path, key);
    const qsizetype i = findLine(lines, key);
    return i < 0 ? QString() : lines.at(i);
}

// Fields 1..count of `line` whose first separator is at the 1-based position
// `firstSeparator`; the last field runs to the end of the line.
QStringList extractFields(const QString& line, int firstSeparator, int count, const QString& source,
                          const QString& key) {
    QStringList fields;
    if (count <= 0)
        return fields;
    if (line.isEmpty())
        throw RecordFileError(Reason::RecordMissing, source, key);
    qsizetype p = firstSeparator - 1;
    if (line.size() <= p || line.at(p) != u'>')
        throw RecordFileError(
            Reason::Malformed, source, key,
            QStringLiteral("the first \">\" is not at character %1").arg(firstSeparator));
    fields.reserve(count);
    for (int i = 1; i < count; ++i) {
        const qsizetype next = line.indexOf(u'>', p + 1);
        if (next < 0)
            throw RecordFileError(Reason::TooFewFields, source, key,
                                  QStringLiteral("%1 fields expected, %2 found").arg(count).arg(i));
        fields.append(line.mid(p + 1, next - p - 1));
        p = next;
    }
    fields.append(line.mid(p + 1));
    return fields;
}

void checkCapacity(int count, int capacity, const QString& source, const QString& key) {
    if (count > capacity)
        throw RecordFileError(
            Reason::CapacityExceeded, source, key,
            QStringLiteral("%1 fields asked for, at most %2 allowed").arg(count).arg(capacity));
}

int separatorCount(const QString& line) {
    return static_cast<int>(line.count(u'>'));
}

QStringList extractAllFields(const QString& line, int firstSeparator, const QString& source,
                             const QString& key) {
    if (line.isEmpty())
        throw RecordFileError(Reason::RecordMissing, source, key);
    const int count = separatorCount(line);
    if (count == 0)
        throw RecordFileError(Reason::TooFewFields, source, key,
                              QStringLiteral("the record has no fields"));
    return extractFields(line, firstSeparator, count, source, key);
}

void checkStorable(const QStringList& values, int count, const QString& path, const QString& key) {
    for (int i = 0; i < count; ++i) {
        if (!IsStorableField(values.at(i)))
            throw RecordFileError(
                Reason::Unstorable, path, key,
                QStringLiteral("field %1 holds a character the file cannot store").arg(i + 1));
    }
}

} // namespace

RecordFileError::RecordFileError(Reason reason, QString file, QString key, QString detail)
    : std::runtime_error("record file error")
    , reason_(reason)
    , file_(std::move(file))
    , key_(std::move(key))
    , detail_(std::move(detail)) {}

QString RecordFileError::message() const {
    QString what;
    switch (reason_) {
    case Reason::CannotOpen:
        what = QStringLiteral("cannot be opened");
        break;
    case Reason::CannotWrite:
        what = QStringLiteral("could not be saved (the old file was kept)");
        break;
    case Reason::RecordMissing:
        what = QStringLiteral("has no record \"%1\"").arg(key_);
        break;
    case Reason::TooFewFields:
        what = QStringLiteral("has too few fields in record \"%1\"").arg(key_);
        break;
    case Reason::Malformed:
        what = QStringLiteral("has a damaged record \"%1\"").arg(key_);
        break;
    case Reason::CapacityExceeded:
        what = QStringLiteral("asks for too many fields in record \"%1\"").arg(key_);
        break;
    case Reason::OutOfOrder:
        what = QStringLiteral("has no record \"%1\" after the previous one").arg(key_);
        break;
    case Reason::Unstorable:
        what = QStringLiteral("cannot store record \"%1\"").arg(key_);
        break;
    case Reason::BadArgument:
        what = QStringLiteral("was asked for an impossible update of record \"%1\"").arg(key_);
        break;
    case Reason::TooLarge:
        what = QStringLiteral("is far too large for this program's files and looks damaged");
        break;
    case Reason::Unfinished:
        what = QStringLiteral("cannot be used until an earlier change is finished");
        break;
    }
    const QString file = file_.isEmpty() ? QStringLiteral("A record") : u'"' + file_ + u'"';
    QString text = file + u' ' + what;
    if (!detail_.isEmpty())
        text += QStringLiteral(": ") + detail_;
    return text + u'.';
}

QString ReadRecordValue(const QString& path, const QString& key) {
    return lineFor(path, key).mid(6);
}

QString ReadRecordLine(const QString& path, const QString& key) {
    return lineFor(path, key);
}

QStringList ReadRecordFields(const QString& path, const QString& key, int count, int capacity) {
    checkCapacity(count, capacity, path, key);
    return extractFields(lineFor(path, key), kShortKeySeparator, count, path, key);
}

QStringList ReadRecordList(const QString& path, const QString& key) {
    return extractAllFields(lineFor(path, key), kShortKeySeparator, path, key);
}

QStringList SplitRecordLine(const QString& line, int count, int capacity, const QString& source) {
    const QString key = line.mid(1, 3);
    checkCapacity(count, capacity, source, key);
    return extractFields(line, kShortKeySeparator, count, source, key);
}

QStringList ReadPaperLines(const QString& path, int count) {
    checkCapacity(count, kPaperCapacity, path, QStringLiteral("101"));
    const QStringList lines = readLines(path, QString());
    QStringList result;
    result.reserve(count);
    qsizetype from = 0;
    for (int i = 1; i <= count; ++i) {
        const qsizetype at =
            from < lines.size() ? findLine(lines, QString::number(100 + i), from) : -1;
        if (at < 0) {
            from = lines.size(); // the pass has reached the end of the file
            result.append(QString());
            continue;
        }
        result.append(lines.at(at));
        from = at + 1;
    }
    return result;
}

QList<QStringList> ReadQuestionRecords(const QString& path, const QStringList& questions) {
    const QStringList lines = readLines(path, questions.value(0));
    QList<QStringList> records;
    records.reserve(questions.size());
    qsizetype from = 0;
    for (const QString& question : questions) {
        const qsizetype at = findLine(lines, question, from);
        if (at < 0)
            throw RecordFileError(Reason::OutOfOrder, path, question);
        const QString& line = lines.at(at);
        const int count = separatorCount(line);
        records.append(count == 0
                           ? QStringList()
                           : extractFields(line, kQuestionKeySeparator, count, path, question));
        from = at + 1;
    }
    return records;
}

QList<int> ReadPartCounts(const QString& path, const QStringList& questions) {
    QList<int> counts;
    for (const QStringList& record : ReadQuestionRecords(path, questions))
        counts.append(static_cast<int>(record.size()));
    return counts;
}

QStringList ReadQuestionParts(const QString& path, const QStringList& questions) {
    QStringList parts;
    for (const QStringList& record : ReadQuestionRecords(path, questions))
        parts.append(record);
    return parts;
}

QString BuildRecordLine(const QString& key, const QStringList& values) {
    return u'#' + key + QStringLiteral("#>") + values.join(u'>');
}

bool IsStorableField(const QString& value) {
    for (const QChar c : value) {
        if (c == u'>' || c == u'\r' || c == u'\n' || !cp1252::canEncode(c))
            return false;
    }
    return true;
}

QByteArray ReadRecordFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RecordFileError(Reason::CannotOpen, path, QString(), file.errorString());
    if (file.size() > kRecordFileByteLimit)
        throw RecordFileError(Reason::TooLarge, path, QString(),
                              QStringLiteral("%1 MB").arg(file.size() / (1024 * 1024)));
    return file.readAll();
}

QStringList SplitRecordFileLines(const QByteArray& bytes) {
    const QString text = cp1252::decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || c == u'\r') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QByteArray RecordFileBytes(const QStringList& lines, const QString& path) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    const auto bytes = cp1252::encode(text);
    if (!bytes)
        throw RecordFileError(Reason::Unstorable, path, QString(),
                              QStringLiteral("a line holds a character the file cannot store"));
    return *bytes;
}

void WriteRecordLines(const QString& path, const QStringList& lines) {
    const atomic_file::WriteResult written = atomic_file::write(path, RecordFileBytes(lines, path));
    if (!written.ok())
        throw RecordFileError(Reason::CannotWrite, path, QString(), written.reason);
}

void ReplaceRecordLine(QStringList& lines, const QStringList& values, int lineIndex,
                       const QString& key, int lineCount, int valueCount, const QString& path) {
    if (lineIndex < 1 || lineIndex > lineCount || lineCount > lines.size() || valueCount < 0 ||
        valueCount > values.size())
        throw RecordFileError(Reason::BadArgument, path, key,
                              QStringLiteral("line %1 of %2 with %3 values")
                                  .arg(lineIndex)
                                  .arg(lineCount)
                                  .arg(valueCount));
    checkStorable(values, valueCount, path, key);
    QStringList updated = lines.mid(0, lineCount);
    updated[lineIndex - 1] = BuildRecordLine(key, values.mid(0, valueCount));
    WriteRecordLines(path, updated);
    lines[lineIndex - 1] = updated.at(lineIndex - 1);
}

QStringList SummaryRowLines(const std::array<QStringList, 6>& rows,
                            const std::array<QString, 6>& keys, int count, const QString& path) {
    QStringList lines;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (count < 0 || count > rows[r].size())
            throw RecordFileError(
                Reason::BadArgument, path, keys[r],
                QStringLiteral("%1 values asked for, %2 held").arg(count).arg(rows[r].size()));
        checkStorable(rows[r], count, path, keys[r]);
        lines.append(BuildRecordLine(keys[r], rows[r].mid(0, count)));
    }
    return lines;
}

void WriteSummaryRows(const std::array<QStringList, 6>& rows, const std::array<QString, 6>& keys,
                      int count, const QString& path) {
    WriteRecordLines(path, SummaryRowLines(rows, keys, count, path));
}

} // namespace orvanta
