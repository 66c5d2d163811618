#pragma once

#include "app_folder.h"
#include "resource_install.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <stdexcept>

// The course catalogue: the course description and, for one paper, its
// questions, part counts, keys, type letters and marks. Every table is written
// from its resource to a scratch file in the application folder, read with the
// record operations, and the scratch file is deleted again.
namespace orvanta {

inline constexpr int kSubjectCount = 3;
inline constexpr int kMaxTopics = 10;
inline constexpr int kPapersPerTopic = 5;
inline constexpr int kMaxPapers = 50;
inline constexpr int kMaxPartsPerQuestion = 20;

// A fault in the course content: what the pupil or the course author needs to
// know, in one sentence.
class CourseError : public std::runtime_error {
public:
    explicit CourseError(QString message);
    const QString& message() const { return message_; }

private:
    QString message_;
};

struct SubjectInfo {
    QString name;           // empty: the subject does not exist
    int topicCount = 0;     // 0..10
    int paperCount = 0;     // 0..50
    QStringList topicNames; // topicCount names

    bool present() const { return !name.isEmpty(); }
};

struct CourseDescription {
    QString title;
    QString code;
    std::array<SubjectInfo, kSubjectCount> subjects; // subjects 1..3 at 0..2
    quint32 installError = 0; // non-zero: the description could not be written out; all empty

    const SubjectInfo& subject(int number) const { return subjects.at(number - 1); }
    // 1..3, or 0 when no subject is present.
    int firstPresentSubject() const;
    int presentSubjectCount() const;
};

// Reads the course description through "temptext30000.txt". When the resource
// cannot be installed the description is empty (no subjects) and installError
// says why. Throws CourseError when a count is not a whole number or beyond the
// format's limits, or when topic names are missing; the scratch file is removed
// in every case.
CourseDescription LoadCourseDescription(const ResourceLibrary& library, const AppFolder& folder);

// Numbering within a subject.
inline constexpr int PaperIndex(int paperNumber) {
    return paperNumber - 100;
}
inline constexpr int PaperNumber(int paperIndex) {
    return paperIndex + 100;
}
inline constexpr int FirstPaperIndexOfTopic(int topic) {
    return kPapersPerTopic * (topic - 1) + 1;
}
inline constexpr int TopicOfPaperIndex(int paperIndex) {
    return (paperIndex - 1) / kPapersPerTopic + 1;
}

// One paper of a subject as the practice window needs it. Parts are numbered
// over the whole paper, question by question; the lists below are 0-based by
// part (element 0 is part 1).
struct PaperContent {
    int subject = 0;
    int paperNumber = 0;
    QStringList questions; // question numbers in the order asked
    QList<int> partCounts; // parts of each question, from the answer key
    QStringList keys;      // one per part
    QStringList types;     // one per part; empty where the type record is short
    QStringList marks;     // one per part; empty where the mark record is short
    int totalMarks = 0;    // sum of the marks that are whole numbers

    int partCount() const { return static_cast<int>(keys.size()); }
    int questionCount() const { return static_cast<int>(questions.size()); }
};

// The value of a mark field: its whole number, or 0 for an empty or malformed
// mark (such a part earns nothing and stays out of the total).
int MarkValue(const QString& mark);

// Reads paper `paperNumber` of subject 1..3 through "temptext.txt", one table
// at a time. Type and mark records are aligned with the key record question by
// question, so a record with too few fields affects only its own question.
// Throws CourseError when a table cannot be written out or a record is
// missing or damaged; the scratch file is removed in every case.
PaperContent LoadPaperContent(const ResourceLibrary& library, const AppFolder& folder, int subject,
                              int paperNumber);

} // namespace orvanta
