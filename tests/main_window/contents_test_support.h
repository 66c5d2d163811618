#pragma once

#include "main_window/logic/subject_data.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <utility>

// Subjects built in memory for the contents rules: topics named "Topic 1",
// "Topic 2", ... unless renamed, every paper untouched until a score is set.
namespace orvanta::test {

inline SubjectData makeSubject(int topicCount, int paperCount = 35) {
    SubjectData subject;
    subject.subject = 1;
    subject.name = QStringLiteral("Mathematics");
    subject.topicCount = topicCount;
    subject.paperCount = paperCount;
    for (int t = 1; t <= topicCount; ++t)
        subject.topicNames.append(QStringLiteral("Topic %1").arg(t));
    for (int row = SummaryRows::FSE; row <= SummaryRows::SST; ++row) {
        const bool flag = row == SummaryRows::FST || row == SummaryRows::SST;
        subject.summary.rows[row] = QStringList(paperCount, flag ? QStringLiteral("0") : QString());
    }
    return subject;
}

// Paper k (1..5) of topic t.
inline int paperOf(int topic, int paper) {
    return 5 * (topic - 1) + paper;
}

inline void setFirst(SubjectData& subject, int paperIndex, const char* score) {
    subject.summary.rows[SummaryRows::FSE][paperIndex - 1] = QString::fromUtf8(score);
}

inline void setSecond(SubjectData& subject, int paperIndex, const char* score) {
    subject.summary.rows[SummaryRows::SSE][paperIndex - 1] = QString::fromUtf8(score);
}

template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

} // namespace orvanta::test
