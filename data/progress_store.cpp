#include "progress_store.h"

#include "record_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace orvanta {

QString ProgressStem(ProgressFile file) {
    switch (file) {
    case ProgressFile::Summary:
        return QStringLiteral("marks");
    case ProgressFile::FirstAnswers:
        return QStringLiteral("first");
    case ProgressFile::SecondAnswers:
        return QStringLiteral("second");
    case ProgressFile::FirstResults:
        return QStringLiteral("fresults");
    case ProgressFile::SecondResults:
        return QStringLiteral("sresults");
    case ProgressFile::Trend:
        return QStringLiteral("trend");
    }
    return {};
}

QString ProgressFileName(ProgressFile file, int subject, const QString& courseCode) {
    return ProgressStem(file) + QString::number(subject) + courseCode + QStringLiteral(".txt");
}

int ProgressTemplateResource(int subject, ProgressFile file) {
    return 30100 + 10 * subject + static_cast<int>(file) + 1;
}

const std::array<QString, 6>& SummaryRows::keys() {
    static const std::array<QString, 6> keys = {QStringLiteral("FSE"), QStringLiteral("SSE"),
                                                QStringLiteral("LTM"), QStringLiteral("CDD"),
                                                QStringLiteral("FST"), QStringLiteral("SST")};
    return keys;
}

namespace {

using Reason = RecordFileError::Reason;

QStringList readLinesOf(const QString& path) {
    return SplitRecordFileLines(ReadRecordFileBytes(path));
}

} // namespace

RecoveryResult SettleProgressFolder(const QString& folder) {
    const RecoveryResult recovery = FinishInterruptedChange(folder);
    if (recovery.state == RecoveryResult::State::Unfinished)
        throw RecordFileError(Reason::Unfinished, recovery.file, QString(), recovery.reason);
    return recovery;
}

PaperRecordFile::PaperRecordFile(QString path, int paperCount, QStringList templateLines)
    : path_(std::move(path))
    , paperCount_(paperCount) {
    if (paperCount < 0 || paperCount > kPaperCapacity)
        throw RecordFileError(Reason::CapacityExceeded, path_, QStringLiteral("101"),
                              QStringLiteral("%1 papers asked for, at most %2 allowed")
                                  .arg(paperCount)
                                  .arg(kPaperCapacity));
    PaperRecordsReading reading =
        ReadPaperRecordsByKey(readLinesOf(path_), paperCount, templateLines);
    lines_ = std::move(reading.lines);
    findings_ = std::move(reading.findings);
}

QStringList PaperRecordFile::fields(int paperNumber, int partCount) const {
    const int index = PaperIndex(paperNumber);
    if (index < 1 || index > lines_.size())
        throw RecordFileError(Reason::RecordMissing, path_, QString::number(paperNumber));
    if (partCount > kPaperPartsCapacity)
        throw RecordFileError(Reason::CapacityExceeded, path_, QString::number(paperNumber),
                              QStringLiteral("%1 fields asked for, at most %2 allowed")
                                  .arg(partCount)
                                  .arg(kPaperPartsCapacity));
    const QString& line = lines_.at(index - 1);
    QStringList values = line.size() <= 5 ? QStringList() : line.mid(6).split(u'>');
    while (values.size() < partCount)
        values << QString();
    return values.mid(0, partCount);
}

QStringList PaperRecordFile::withRecord(int paperNumber, const QStringList& values) const {
    const int index = PaperIndex(paperNumber);
    const QString key = QString::number(paperNumber);
    if (index < 1 || index > lines_.size())
        throw RecordFileError(Reason::BadArgument, path_, key,
                              QStringLiteral("line %1 of %2").arg(index).arg(lines_.size()));
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (!IsStorableField(values.at(i)))
            throw RecordFileError(
                Reason::Unstorable, path_, key,
                QStringLiteral("field %1 holds a character the file cannot store").arg(i + 1));
    }
    QStringList lines = lines_;
    lines[index - 1] = BuildRecordLine(key, values);
    return lines;
}

QByteArray PaperRecordFile::bytesOf(const QStringList& lines) const {
    return RecordFileBytes(lines, path_);
}

void PaperRecordFile::replace(int paperNumber, const QStringList& values) {
    QStringList lines = withRecord(paperNumber, values);
    SettleProgressFolder(QFileInfo(path_).absolutePath());
    WriteRecordLines(path_, lines);
    lines_ = std::move(lines);
}

ProgressStore::ProgressStore(ResourceLibrary library, AppFolder folder, QString courseCode)
    : library_(std::move(library))
    , folder_(std::move(folder))
    , code_(std::move(courseCode)) {}

QString ProgressStore::path(ProgressFile file, int subject) const {
    return folder_.file(ProgressFileName(file, subject, code_));
}

QList<ProgressFile> ProgressStore::missingFiles(int subject) const {
    QList<ProgressFile> missing;
    for (ProgressFile file : kProgressFiles) {
        if (!QFile::exists(path(file, subject)))
            missing.append(file);
    }
    return missing;
}

std::optional<QByteArray> ProgressStore::templateBytes(ProgressFile file, int subject) const {
    return library_.bytes(ProgressTemplateResource(subject, file));
}

QStringList ProgressStore::templateLines(ProgressFile file, int subject) const {
    const std::optional<QByteArray> bytes = templateBytes(file, subject);
    return bytes ? SplitRecordFileLines(*bytes) : QStringList();
}

void ProgressStore::settle() const {
    SettleProgressFolder(folder_.path());
}

FileChange ProgressStore::change(const QString& what) const {
    return FileChange(folder_.path(), what);
}

ChangeResult ProgressStore::commit(const FileChange& change) const {
    settle();
    const ChangeResult result = change.commit();
    if (!result.holds())
        throw RecordFileError(Reason::CannotWrite, result.file, QString(), result.reason);
    return result;
}

quint32 ProgressStore::CreateProgressFiles(int subject) const {
    FileChange created = change(QStringLiteral("the making of new progress files"));
    for (ProgressFile file : kProgressFiles) {
        const std::optional<QByteArray> bytes = templateBytes(file, subject);
        if (!bytes)
            return kResourceNotFound;
        created.replace(path(file, subject), *bytes);
    }
    try {
        settle();
    } catch (const RecordFileError&) {
        return EIO;
    }
    const ChangeResult result = created.commit();
    return result.holds() ? kInstallOk : static_cast<quint32>(result.error);
}

QList<ProgressFile> ProgressStore::CreateMissingProgressFiles(int subject) const {
    const QList<ProgressFile> missing = missingFiles(subject);
    FileChange created = change(QStringLiteral("the making of new progress files"));
    for (ProgressFile file : missing) {
        const QString target = path(file, subject);
        const std::optional<QByteArray> bytes = templateBytes(file, subject);
        if (!bytes)
            throw CourseError(QStringLiteral("The progress file \"%1\" could not be created: %2.")
                                  .arg(target, InstallErrorText(kResourceNotFound)));
        created.replace(target, *bytes);
    }
    try {
        commit(created);
    } catch (const RecordFileError& e) {
        throw CourseError(QStringLiteral("The progress files of subject %1 could not be created: "
                                         "%2.")
                              .arg(subject)
                              .arg(e.detail()));
    }
    return missing;
}

ChangeResult ProgressStore::ResetProgressStore(const CourseDescription& course) const {
    FileChange erase = change(QStringLiteral("the erasing of all results"));
    for (int s = 1; s <= kSubjectCount; ++s) {
        if (!course.subject(s).present())
            continue;
        for (ProgressFile file : kProgressFiles) {
            const std::optional<QByteArray> bytes = templateBytes(file, s);
            if (!bytes)
                throw CourseError(
                    QStringLiteral("The results of %1 could not be erased: %2. "
                                   "Nothing was erased.")
                        .arg(course.subject(s).name, InstallErrorText(kResourceNotFound)));
            erase.replace(path(file, s), *bytes);
        }
    }
    try {
        return commit(erase);
    } catch (const RecordFileError& e) {
        throw CourseError(
            QStringLiteral("Your results could not be erased: %1. Nothing was erased.")
                .arg(e.detail()));
    }
}

SummaryRows ProgressStore::ReadSummary(int subject, int paperCount) const {
    settle();
    const QString file = path(ProgressFile::Summary, subject);
    if (paperCount < 0 || paperCount > kSummaryCapacity)
        throw RecordFileError(Reason::CapacityExceeded, file, QStringLiteral("FSE"),
                              QStringLiteral("%1 fields asked for, at most %2 allowed")
                                  .arg(paperCount)
                                  .arg(kSummaryCapacity));
    const SummaryReading reading = ReadSummaryByKey(readLinesOf(file), paperCount,
                                                    templateLines(ProgressFile::Summary, subject));
    SummaryRows summary;
    summary.rows = reading.rows;
    return summary;
}

QByteArray ProgressStore::SummaryBytes(int subject, const SummaryRows& summary) const {
    const QString file = path(ProgressFile::Summary, subject);
    return RecordFileBytes(
        SummaryRowLines(summary.rows, SummaryRows::keys(), summary.paperCount(), file), file);
}

void ProgressStore::WriteSummary(int subject, const SummaryRows& summary) const {
    FileChange write = change(QStringLiteral("the saving of the scores"));
    write.replace(path(ProgressFile::Summary, subject), SummaryBytes(subject, summary));
    commit(write);
}

PaperRecordFile ProgressStore::OpenPaperRecords(ProgressFile file, int subject,
                                                int paperCount) const {
    settle();
    return PaperRecordFile(path(file, subject), paperCount, templateLines(file, subject));
}

QString ProgressStore::ReadTrendLine(int subject) const {
    settle();
    return ReadRecordLine(path(ProgressFile::Trend, subject), QStringLiteral("TRD"));
}

QString ProgressStore::AppendTrendEntry(int subject, const QString& percentage) const {
    QString line = ReadTrendLine(subject);
    if (line.isEmpty())
        line = QStringLiteral("#TRD#");
    line += u'>' + percentage;
    WriteTrendLine(subject, line);
    return line;
}

void ProgressStore::WriteTrendLine(int subject, const QString& line) const {
    settle();
    WriteRecordLines(path(ProgressFile::Trend, subject), {line});
}

} // namespace orvanta
