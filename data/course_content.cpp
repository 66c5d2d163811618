#include "course_content.h"

#include "record_file.h"

#include <QFile>
#include <QRegularExpression>

#include <memory>

namespace orvanta {
namespace {

// A table written out to a scratch file for reading; the file is removed when
// the reading is over, whether it succeeded or not.
class ScratchTable {
public:
    ScratchTable(const ResourceLibrary& library, int resource, QString path)
        : path_(std::move(path))
        , error_(InstallResource(library, resource, QStringLiteral("CUSTOM"), path_,
                                 InstallKind::Scratch)) {}
    ~ScratchTable() { QFile::remove(path_); }
    ScratchTable(const ScratchTable&) = delete;
    ScratchTable& operator=(const ScratchTable&) = delete;

    const QString& path() const { return path_; }
    quint32 error() const { return error_; }

private:
    QString path_;
    quint32 error_;
};

int countValue(const QString& text, int limit, const QString& what, const QString& subject) {
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d{1,4})\\s*$"));
    const auto match = digits.match(text);
    const int value = match.hasMatch() ? match.captured(1).toInt() : -1;
    if (value < 0 || value > limit)
        throw CourseError(QStringLiteral("The course description gives \"%1\" as the number of "
                                         "%2 of %3; a whole number from 0 to %4 is needed.")
                              .arg(text, what, subject)
                              .arg(limit));
    return value;
}

bool isSafeCourseCode(const QString& code) {
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_-]{1,16}$"));
    return safe.match(code).hasMatch();
}

// Fields of `record` aligned to `count` parts: extra fields dropped, missing
// ones empty.
QStringList aligned(QStringList record, int count) {
    record.resize(count);
    return record;
}

} // namespace

CourseError::CourseError(QString message)
    : std::runtime_error(message.toStdString())
    , message_(std::move(message)) {}

int CourseDescription::firstPresentSubject() const {
    for (int s = 1; s <= kSubjectCount; ++s) {
        if (subject(s).present())
            return s;
    }
    return 0;
}

int CourseDescription::presentSubjectCount() const {
    int count = 0;
    for (const SubjectInfo& s : subjects)
        count += s.present() ? 1 : 0;
    return count;
}

CourseDescription LoadCourseDescription(const ResourceLibrary& library, const AppFolder& folder) {
    CourseDescription course;
    const ScratchTable table(library, kCourseDescriptionResource, folder.courseScratchFile());
    if (table.error() != 0) {
        course.installError = table.error();
        return course;
    }
    const QString& path = table.path();
    try {
        course.title = ReadRecordValue(path, QStringLiteral("NME"));
        course.code = ReadRecordValue(path, QStringLiteral("COD"));
        const std::array<QString, kSubjectCount> nameKeys = {
            QStringLiteral("LAH"), QStringLiteral("LBH"), QStringLiteral("LCH")};
        for (int s = 1; s <= kSubjectCount; ++s) {
            SubjectInfo& subject = course.subjects[s - 1];
            subject.name = ReadRecordValue(path, nameKeys[s - 1]);
            if (!subject.present())
                continue;
            const QString n = QString::number(s);
            subject.topicCount = countValue(ReadRecordValue(path, QStringLiteral("TT") + n),
                                            kMaxTopics, QStringLiteral("topics"), subject.name);
            subject.paperCount = countValue(ReadRecordValue(path, QStringLiteral("TP") + n),
                                            kMaxPapers, QStringLiteral("papers"), subject.name);
            subject.topicNames = ReadRecordFields(path, QStringLiteral("TN") + n,
                                                  subject.topicCount, kTopicNameCapacity);
        }
    } catch (const RecordFileError& e) {
        throw CourseError(
            QStringLiteral("The course description cannot be read: %1").arg(e.message()));
    }
    if (course.presentSubjectCount() > 0 && !isSafeCourseCode(course.code))
        throw CourseError(QStringLiteral("The course description gives \"%1\" as the course "
                                         "code; up to 16 letters, digits, \"-\" or \"_\" are "
                                         "needed.")
                              .arg(course.code));
    return course;
}

int MarkValue(const QString& mark) {
    bool ok = false;
    const int value = mark.trimmed().toInt(&ok);
    return ok && value > 0 ? value : 0;
}

PaperContent LoadPaperContent(const ResourceLibrary& library, const AppFolder& folder, int subject,
                              int paperNumber) {
    PaperContent paper;
    paper.subject = subject;
    paper.paperNumber = paperNumber;
    const QString paperKey = QString::number(paperNumber);

    auto openTable = [&](int resource, const char* what) {
        auto table = std::make_unique<ScratchTable>(library, resource, folder.tableScratchFile());
        if (table->error() != 0)
            throw CourseError(QStringLiteral("The %1 of paper %2 could not be written to \"%3\": "
                                             "%4.")
                                  .arg(QLatin1String(what), paperKey, table->path(),
                                       InstallErrorText(table->error())));
        return table;
    };

    try {
        {
            const auto table = openTable(PaperListResource(subject), "question list");
            paper.questions = ReadRecordList(table->path(), paperKey);
        }
        {
            const auto table = openTable(AnswerKeyResource(subject), "answer key");
            for (const QStringList& record : ReadQuestionRecords(table->path(), paper.questions)) {
                paper.partCounts.append(static_cast<int>(record.size()));
                paper.keys.append(record);
            }
        }
        const auto alignedParts = [&](int resource, const char* what) {
            const auto table = openTable(resource, what);
            const auto records = ReadQuestionRecords(table->path(), paper.questions);
            QStringList parts;
            for (qsizetype q = 0; q < records.size(); ++q)
                parts.append(aligned(records.at(q), paper.partCounts.at(q)));
            return parts;
        };
        paper.types = alignedParts(QuestionTypeResource(subject), "question types");
        paper.marks = alignedParts(MarkResource(subject), "marks");
    } catch (const RecordFileError& e) {
        throw CourseError(
            QStringLiteral("Paper %1 cannot be opened: %2").arg(paperKey, e.message()));
    }

    for (qsizetype q = 0; q < paper.partCounts.size(); ++q) {
        if (paper.partCounts.at(q) > kMaxPartsPerQuestion)
            throw CourseError(QStringLiteral("Question %1 of paper %2 has %3 parts; at most %4 "
                                             "fit on the answer sheet.")
                                  .arg(paper.questions.at(q), paperKey)
                                  .arg(paper.partCounts.at(q))
                                  .arg(kMaxPartsPerQuestion));
    }
    if (paper.partCount() > kPaperPartsCapacity)
        throw CourseError(QStringLiteral("Paper %1 has %2 parts; at most %3 can be stored.")
                              .arg(paperKey)
                              .arg(paper.partCount())
                              .arg(kPaperPartsCapacity));
    for (const QString& mark : paper.marks)
        paper.totalMarks += MarkValue(mark);
    return paper;
}

} // namespace orvanta
