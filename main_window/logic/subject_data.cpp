#include "subject_data.h"

namespace orvanta {

QString SubjectData::topicName(int topic) const {
    return topic >= 1 && topic <= topicCount ? topicNames.value(topic - 1) : QString();
}

QString SubjectData::value(SummaryRows::Row row, int paperIndex) const {
    return summary.rows.at(row).value(paperIndex - 1);
}

std::optional<SubjectData> LoadSubjectData(const CourseDescription& course,
                                           const ProgressStore& store, int subject) {
    if (subject < 1 || subject > kSubjectCount || !course.subject(subject).present())
        return std::nullopt;
    const SubjectInfo& info = course.subject(subject);
    SubjectData data;
    data.subject = subject;
    data.name = info.name;
    data.topicCount = info.topicCount;
    data.paperCount = info.paperCount;
    data.topicNames = info.topicNames;
    data.summary = store.ReadSummary(subject, info.paperCount);
    return data;
}

} // namespace orvanta
