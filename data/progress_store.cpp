#include "progress_store.h"

#include "record_file.h"

#include <QFile>

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

PaperRecordFile::PaperRecordFile(QString path, int paperCount)
    : path_(std::move(path))
    , paperCount_(paperCount)
    , lines_(ReadPaperLines(path_, paperCount)) {}

QStringList PaperRecordFile::fields(int paperNumber, int partCount) const {
    const int index = PaperIndex(paperNumber);
    const QString line = index >= 1 && index <= lines_.size() ? lines_.at(index - 1) : QString();
    if (line.isEmpty())
        throw RecordFileError(RecordFileError::Reason::RecordMissing, path_,
                              QString::number(paperNumber));
    return SplitRecordLine(line, partCount, kPaperPartsCapacity, path_);
}

void PaperRecordFile::replace(int paperNumber, const QStringList& values) {
    ReplaceRecordLine(lines_, values, PaperIndex(paperNumber), QString::number(paperNumber),
                      paperCount_, static_cast<int>(values.size()), path_);
}

void PaperRecordFile::restore(const QStringList& lines) {
    WriteRecordLines(path_, lines.mid(0, paperCount_));
    lines_ = lines;
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

quint32 ProgressStore::CreateProgressFiles(int subject) const {
    quint32 firstError = 0;
    for (ProgressFile file : kProgressFiles) {
        const quint32 error = InstallResource(library_, ProgressTemplateResource(subject, file),
                                              QStringLiteral("CUSTOM"), path(file, subject));
        if (firstError == 0)
            firstError = error;
    }
    return firstError;
}

QList<ProgressFile> ProgressStore::CreateMissingProgressFiles(int subject) const {
    const QList<ProgressFile> missing = missingFiles(subject);
    for (ProgressFile file : missing) {
        const QString target = path(file, subject);
        const quint32 error = InstallResource(library_, ProgressTemplateResource(subject, file),
                                              QStringLiteral("CUSTOM"), target);
        if (error != 0)
            throw CourseError(QStringLiteral("The progress file \"%1\" could not be created: %2.")
                                  .arg(target, InstallErrorText(error)));
    }
    return missing;
}

void ProgressStore::ResetProgressStore(const CourseDescription& course) const {
    for (int s = 1; s <= kSubjectCount; ++s) {
        if (!course.subject(s).present())
            continue;
        const quint32 error = CreateProgressFiles(s);
        if (error != 0)
            throw CourseError(QStringLiteral("The results of %1 could not be erased: %2.")
                                  .arg(course.subject(s).name, InstallErrorText(error)));
    }
}

SummaryRows ProgressStore::ReadSummary(int subject, int paperCount) const {
    SummaryRows summary;
    const QString file = path(ProgressFile::Summary, subject);
    for (std::size_t r = 0; r < summary.rows.size(); ++r)
        summary.rows[r] =
            ReadRecordFields(file, SummaryRows::keys()[r], paperCount, kSummaryCapacity);
    return summary;
}

void ProgressStore::WriteSummary(int subject, const SummaryRows& summary) const {
    WriteSummaryRows(summary.rows, SummaryRows::keys(), summary.paperCount(),
                     path(ProgressFile::Summary, subject));
}

PaperRecordFile ProgressStore::OpenPaperRecords(ProgressFile file, int subject,
                                                int paperCount) const {
    return PaperRecordFile(path(file, subject), paperCount);
}

QString ProgressStore::ReadTrendLine(int subject) const {
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
    WriteRecordLines(path(ProgressFile::Trend, subject), {line});
}

} // namespace orvanta
