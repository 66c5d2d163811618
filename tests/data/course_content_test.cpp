#include "data/course_content.h"
#include "data/record_file.h"
#include "tests/support/test_support.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

class CourseContentTest : public ::testing::Test {
protected:
    // A copy of the fixture course whose resource `number` holds `text`.
    ResourceLibrary courseWith(int number, const QByteArray& text) {
        const ResourceLibrary copy = copyFixtureCourse(temp.file("course"));
        writeBytes(copy.pathOf(number), text);
        return copy;
    }

    QString courseErrorOf(const ResourceLibrary& library) {
        try {
            LoadCourseDescription(library, temp.folder());
        } catch (const CourseError& e) {
            return e.message();
        }
        return {};
    }

    TempAppFolder temp;
};

TEST_F(CourseContentTest, descriptionOfTheSampleCourse) {
    const CourseDescription course = LoadCourseDescription(fixtureCourse(), temp.folder());
    EXPECT_EQ(course.title, "Orvanta Sample Course");
    EXPECT_EQ(course.code, "Q4");
    EXPECT_EQ(course.presentSubjectCount(), 3);
    EXPECT_EQ(course.subject(2).name, "Mathematics");
    EXPECT_EQ(course.subject(2).topicCount, 2);
    EXPECT_EQ(course.subject(2).paperCount, 10);
    EXPECT_EQ(course.subject(3).topicNames, QStringList({"Living Things", "Mock Examination"}));
    EXPECT_FALSE(QFile::exists(temp.folder().courseScratchFile()));
}

TEST_F(CourseContentTest, emptySubjectNameLeavesTheSubjectOutAndItsCountsUnread) {
    const auto library = courseWith(30000, "#NME#>T\r\n#COD#>Q4\r\n#LAH#>\r\n#LBH#>Maths\r\n"
                                           "#TT2#>1\r\n#TP2#>5\r\n#TN2#>Sums\r\n#TT1#>x\r\n");
    const CourseDescription course = LoadCourseDescription(library, temp.folder());
    EXPECT_FALSE(course.subject(1).present());
    EXPECT_FALSE(course.subject(3).present());
    EXPECT_EQ(course.firstPresentSubject(), 2);
    EXPECT_EQ(course.subject(2).topicNames, QStringList({"Sums"}));
}

TEST_F(CourseContentTest, badCountsOrNamesGiveAClearErrorAndNoScratchFile) {
    const QByteArray head = "#NME#>T\r\n#COD#>Q4\r\n#LAH#>English\r\n";
    EXPECT_TRUE(courseErrorOf(courseWith(30000, head + "#TT1#>seven\r\n#TP1#>35\r\n"))
                    .contains("\"seven\" as the number of topics of English"));
    EXPECT_TRUE(courseErrorOf(courseWith(30000, head + "#TT1#>11\r\n#TP1#>35\r\n"))
                    .contains("from 0 to 10"));
    EXPECT_TRUE(courseErrorOf(courseWith(30000, head + "#TT1#>1\r\n#TP1#>51\r\n"))
                    .contains("from 0 to 50"));
    EXPECT_TRUE(courseErrorOf(courseWith(30000, head + "#TT1#>2\r\n#TP1#>10\r\n#TN1#>One\r\n"))
                    .contains("too few fields"));
    EXPECT_TRUE(courseErrorOf(courseWith(30000, "#NME#>T\r\n#COD#>../x\r\n#LAH#>E\r\n"
                                                "#TT1#>0\r\n#TP1#>0\r\n#TN1#>\r\n"))
                    .contains("course code"));
    EXPECT_FALSE(QFile::exists(temp.folder().courseScratchFile()));
}

TEST_F(CourseContentTest, missingDescriptionLeavesAnEmptyCourse) {
    const ResourceLibrary copy = copyFixtureCourse(temp.file("course"));
    QFile::remove(copy.pathOf(30000));
    const CourseDescription course = LoadCourseDescription(copy, temp.folder());
    EXPECT_EQ(course.installError, kResourceNotFound);
    EXPECT_EQ(course.presentSubjectCount(), 0);
    EXPECT_EQ(course.firstPresentSubject(), 0);
}

TEST_F(CourseContentTest, paperContentOfTheFirstEnglishPaper) {
    const PaperContent paper = LoadPaperContent(fixtureCourse(), temp.folder(), 1, 101);
    EXPECT_EQ(paper.questions, QStringList({"10001", "10002", "10003"}));
    EXPECT_EQ(paper.partCounts, QList<int>({5, 5, 5}));
    EXPECT_EQ(paper.partCount(), 15);
    EXPECT_EQ(paper.keys.at(10), ";that;which");
    EXPECT_EQ(paper.types.at(10), "M");
    EXPECT_EQ(paper.totalMarks, 15);
    EXPECT_FALSE(QFile::exists(temp.folder().tableScratchFile()));
}

TEST_F(CourseContentTest, groupSpaceKeysAreRealParts) {
    const PaperContent paper = LoadPaperContent(fixtureCourse(), temp.folder(), 3, 105);
    ASSERT_EQ(paper.questions.first(), "16009");
    EXPECT_EQ(paper.keys.mid(0, 3), QStringList({";woodlouse;earthworm;snail", " ", " "}));
    EXPECT_EQ(paper.types.mid(0, 3), QStringList({"G", "G", "G"}));
}

TEST_F(CourseContentTest, shortMarkRecordAffectsOnlyItsOwnQuestion) {
    // Question 10001 has five parts but only two marks; 10002 and 10003 must
    // keep their own marks rather than shift into 10001's gap.
    auto library = courseWith(30015, "#10001#>1>1\r\n#10002#>1>1>1>1>1\r\n#10003#>2>2>2>2>2\r\n");
    const PaperContent paper = LoadPaperContent(library, temp.folder(), 1, 101);
    EXPECT_EQ(paper.marks.size(), 15);
    EXPECT_EQ(paper.marks.mid(0, 5), QStringList({"1", "1", "", "", ""}));
    EXPECT_EQ(paper.marks.mid(10, 5), QStringList({"2", "2", "2", "2", "2"}));
    EXPECT_EQ(paper.totalMarks, 2 + 5 + 10);
}

TEST_F(CourseContentTest, brokenTablesGiveACourseErrorNamingThePaper) {
    const ResourceLibrary copy = copyFixtureCourse(temp.file("course"));
    try {
        LoadPaperContent(copy, temp.folder(), 1, 111);
        FAIL();
    } catch (const CourseError& e) {
        EXPECT_TRUE(e.message().contains("Paper 111")) << e.message().toStdString();
    }
    writeBytes(copy.pathOf(30013), "#10003#>a\r\n#10001#>b\r\n");
    EXPECT_THROW(LoadPaperContent(copy, temp.folder(), 1, 101), CourseError);
    QFile::remove(copy.pathOf(30014));
    EXPECT_THROW(LoadPaperContent(copy, temp.folder(), 1, 101), CourseError);
    EXPECT_FALSE(QFile::exists(temp.folder().tableScratchFile()));
}

TEST_F(CourseContentTest, questionsOverTheAnswerSheetCapacityAreRefused) {
    QByteArray key = "#10001#>";
    for (int i = 0; i < 21; ++i)
        key += i ? ">a" : "a";
    auto library = courseWith(30013, key + "\r\n#10002#>a\r\n#10003#>a\r\n");
    EXPECT_THROW(LoadPaperContent(library, temp.folder(), 1, 101), CourseError);
}

TEST(CourseNumberingTest, papersAndTopics) {
    EXPECT_EQ(PaperIndex(101), 1);
    EXPECT_EQ(PaperIndex(150), 50);
    EXPECT_EQ(FirstPaperIndexOfTopic(3), 11);
    EXPECT_EQ(FirstPaperIndexOfTopic(10), 46);
    EXPECT_EQ(TopicOfPaperIndex(15), 3);
    EXPECT_EQ(TopicOfPaperIndex(16), 4);
    EXPECT_EQ(MarkValue(" 3 "), 3);
    EXPECT_EQ(MarkValue(""), 0);
    EXPECT_EQ(MarkValue("two"), 0);
}

} // namespace
