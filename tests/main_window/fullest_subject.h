#pragma once

#include "main_window/subject_data.h"

// The fullest subject a course can hold, for the one-page report: ten topics
// with long names ("Topic 7 of Water, Heat, Light and Sound"), all fifty
// papers marked twice. Paper j scored j% first and (j + 40).5% second, in
// 12:34:56 on 28 Dec 2025.
namespace orvanta::test {

inline SubjectData FullestSubject() {
    SubjectData subject;
    subject.subject = 3;
    subject.name = QStringLiteral("Science");
    subject.topicCount = kMaxTopics;
    subject.paperCount = kMaxTopics * kPapersPerTopic;
    for (int t = 1; t <= kMaxTopics; ++t)
        subject.topicNames << QStringLiteral("Topic %1 of Water, Heat, Light and Sound").arg(t);
    for (QStringList& row : subject.summary.rows)
        row = QStringList(subject.paperCount);
    for (int j = 1; j <= subject.paperCount; ++j) {
        subject.summary.set(SummaryRows::FSE, j, QString::number(j));
        subject.summary.set(SummaryRows::SSE, j, QStringLiteral("%1.5").arg(j + 40));
        subject.summary.set(SummaryRows::LTM, j, QStringLiteral("12:34:56"));
        subject.summary.set(SummaryRows::CDD, j, QStringLiteral("28 Dec 2025"));
        subject.summary.set(SummaryRows::FST, j, QStringLiteral("1"));
        subject.summary.set(SummaryRows::SST, j, QStringLiteral("1"));
    }
    return subject;
}

} // namespace orvanta::test
