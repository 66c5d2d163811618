#include "main_window/logic/subject_data.h"
#include "tests/support/test_support.h"

#include "data/record_file.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

class SubjectDataTest : public testing::Test {
protected:
    SubjectDataTest()
        : course(LoadCourseDescription(fixtureCourse(), temp.folder()))
        , store(fixtureCourse(), temp.folder(), course.code) {}

    TempAppFolder temp;
    CourseDescription course;
    ProgressStore store;
};

TEST_F(SubjectDataTest, takesCourseDataAndTheStoredSummary) {
    ASSERT_EQ(store.CreateProgressFiles(2), 0u);
    SummaryRows summary = store.ReadSummary(2, 10);
    summary.set(SummaryRows::FSE, 7, QStringLiteral("66.7"));
    store.WriteSummary(2, summary);

    const std::optional<SubjectData> subject = LoadSubjectData(course, store, 2);

    ASSERT_TRUE(subject);
    EXPECT_EQ(subject->name, QStringLiteral("Mathematics"));
    EXPECT_EQ(subject->topicCount, 2);
    EXPECT_EQ(subject->paperCount, 10);
    EXPECT_EQ(subject->topicName(2), QStringLiteral("Mock Examination"));
    EXPECT_TRUE(subject->topicName(3).isEmpty());
    EXPECT_EQ(subject->firstScore(7), QStringLiteral("66.7"));
    EXPECT_TRUE(subject->firstScore(11).isEmpty()) << "beyond the paper count";
    EXPECT_EQ(subject->value(SummaryRows::FST, 1), QStringLiteral("0"));
}

TEST_F(SubjectDataTest, givesNothingForASubjectTheCourseLacks) {
    EXPECT_FALSE(LoadSubjectData(course, store, 0));
    EXPECT_FALSE(LoadSubjectData(course, store, 4));
    course.subjects[2].name.clear();
    EXPECT_FALSE(LoadSubjectData(course, store, 3));
}

TEST_F(SubjectDataTest, reportsAMissingSummaryFile) {
    ASSERT_EQ(store.CreateProgressFiles(1), 0u);
    ASSERT_TRUE(QFile::remove(store.path(ProgressFile::Summary, 1)));
    EXPECT_THROW(LoadSubjectData(course, store, 1), RecordFileError);
}

} // namespace
