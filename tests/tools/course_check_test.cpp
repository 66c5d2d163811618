#include "tests/support/test_support.h"
#include "tools/course_tool/course_check.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// A copy of the fixture course that a test damages in one place.
class CourseCopy {
public:
    CourseCopy()
        : library_(copyFixtureCourse(dir_.path() + QStringLiteral("/course"))) {}

    const ResourceLibrary& library() const { return library_; }
    QString path(int n) const { return library_.pathOf(n); }
    QByteArray bytes(int n) const { return readBytes(path(n)); }
    void write(int n, const QByteArray& b) const { writeBytes(path(n), b); }
    void remove(int n) const { QFile::remove(path(n)); }

    // Replaces the first `from` in resource n; the fixture must hold it.
    void replace(int n, const QByteArray& from, const QByteArray& to) const {
        QByteArray b = bytes(n);
        const qsizetype at = b.indexOf(from);
        if (at < 0)
            throw std::runtime_error("fixture " + std::to_string(n) + " lacks " +
                                     from.toStdString());
        write(n, b.replace(at, from.size(), to));
    }
    void removeLine(int n, const QByteArray& line) const { replace(n, line + "\r\n", ""); }
    // Adds record lines before the closing "..." of a course table.
    void appendRecords(int n, const QByteArray& lines) const {
        QByteArray b = bytes(n);
        write(n, b.insert(b.lastIndexOf("..."), lines));
    }

private:
    QTemporaryDir dir_;
    ResourceLibrary library_;
};

QByteArray repeatedRecord(int question, const QByteArray& field, int count) {
    QByteArray line = '#' + QByteArray::number(question) + '#';
    for (int i = 0; i < count; ++i)
        line += '>' + field;
    return line + "\r\n";
}

// Paper 103 of English holds question 10007 (1 part); five more questions of
// 16 parts each make 81.
void makePaperOf81Parts(const CourseCopy& c) {
    QByteArray list = "#103#>10007";
    for (int q = 10022; q <= 10026; ++q) {
        list += ">" + QByteArray::number(q);
        c.appendRecords(30013, repeatedRecord(q, "word", 16));
        c.appendRecords(30014, repeatedRecord(q, "T", 16));
        c.appendRecords(30015, repeatedRecord(q, "1", 16));
        c.write(q, c.bytes(10007));
    }
    c.replace(30012, "#103#>10007", list);
}

void makeQuestionOf21Parts(const CourseCopy& c) {
    c.replace(30013, "#10001#>walks>are>has>are>is\r\n", repeatedRecord(10001, "walks", 21));
    c.replace(30014, "#10001#>T>T>T>T>T\r\n", repeatedRecord(10001, "T", 21));
    c.replace(30015, "#10001#>1>1>1>1>1\r\n", repeatedRecord(10001, "1", 21));
}

struct FaultCase {
    const char* name;
    std::function<void(const CourseCopy&)> damage;
    ProblemArea area;
    int resource;
    int paper;
    int question;
    int part;
    const char* says; // part of the problem's sentence
    int problems = 1; // problems the damage causes in all; 0: not counted
};

const FaultCase kFaultCases[] = {
    {"missing_paper_record", [](auto& c) { c.removeLine(30012, "#103#>10007"); },
     ProblemArea::PaperLists, 30012, 103, 0, 0, "no record for paper 103", 0},
    {"descending_questions",
     [](auto& c) { c.replace(30012, "#101#>10001>10002>10003", "#101#>10001>10003>10002"); },
     ProblemArea::PaperLists, 30012, 101, 10002, 0, "follows question 10003"},
    {"question_listed_twice", [](auto& c) { c.replace(30022, "#103#>20006", "#103#>20006>20006"); },
     ProblemArea::PaperLists, 30022, 103, 20006, 0, "listed twice", 0},
    {"field_not_a_question_number",
     [](auto& c) { c.replace(30032, "#103#>16006", "#103#>16006>1607"); }, ProblemArea::PaperLists,
     30032, 103, 0, 0, "\"1607\", is not a question number"},
    {"question_listed_by_two_subjects",
     [](auto& c) { c.replace(30032, "#101#>16001>16002", "#101#>10021>16001>16002"); },
     ProblemArea::PaperLists, 30032, 101, 10021, 0, "also listed by English", 0},
    {"paper_beyond_the_paper_count", [](auto& c) { c.appendRecords(30022, "#111#>20020\r\n"); },
     ProblemArea::PaperLists, 30022, 111, 0, 0, "never read"},
    {"question_missing_from_mark_table", [](auto& c) { c.removeLine(30015, "#10005#>1"); },
     ProblemArea::Questions, 30015, 102, 10005, 0, "no record in the marks"},
    {"key_records_out_of_order",
     [](auto& c) {
         c.removeLine(30033, "#16004#>sunlight");
         c.appendRecords(30033, "#16004#>sunlight\r\n");
     },
     ProblemArea::Questions, 30033, 0, 16004, 0, "after question 16020"},
    {"repeated_key_record", [](auto& c) { c.appendRecords(30023, "#20019#>115.5>2\r\n"); },
     ProblemArea::Questions, 30023, 0, 20019, 0, "only the first is read"},
    {"record_no_paper_lists", [](auto& c) { c.appendRecords(30034, "#16099#>T\r\n"); },
     ProblemArea::Questions, 30034, 0, 16099, 0, "no paper lists"},
    {"field_count_mismatch",
     [](auto& c) { c.replace(30014, "#10001#>T>T>T>T>T", "#10001#>T>T>T>T"); },
     ProblemArea::Questions, 30014, 101, 10001, 0, "4 fields where the answer key has 5"},
    {"bad_type_letter", [](auto& c) { c.replace(30014, "#10006#>Q", "#10006#>Z"); },
     ProblemArea::Questions, 30014, 102, 10006, 1, "\"Z\" is not one of"},
    {"mark_two", [](auto& c) { c.replace(30025, "#20009#>1", "#20009#>two"); },
     ProblemArea::Questions, 30025, 105, 20009, 1, "\"two\" is not a whole number"},
    {"mark_zero", [](auto& c) { c.replace(30035, "#16005#>1", "#16005#>0"); },
     ProblemArea::Questions, 30035, 102, 16005, 1, "\"0\" is not a whole number from 1"},
    {"parts_81_in_a_paper", makePaperOf81Parts, ProblemArea::Questions, 30013, 103, 0, 0,
     "81 parts; at most 80", 0},
    {"parts_21_in_a_question", makeQuestionOf21Parts, ProblemArea::Questions, 30013, 101, 10001, 0,
     "21 parts; at most 20", 0},
    {"badly_formed_key", [](auto& c) { c.replace(30023, "#20002#>8 2/5", "#20002#>82/5"); },
     ProblemArea::Questions, 30023, 101, 20002, 1, "not a mixed number"},
    {"key_that_cannot_be_typed",
     [](auto& c) { c.replace(30033, "#16004#>sunlight", "#16004#>sun\x92light"); },
     ProblemArea::Questions, 30033, 102, 16004, 1, "cannot type"},
    {"missing_page", [](auto& c) { c.remove(10002); }, ProblemArea::Pages, 10002, 101, 10002, 0,
     "page is missing"},
    {"lf_only_page", [](auto& c) { c.write(10003, c.bytes(10003).replace("\r\n", "\n")); },
     ProblemArea::Pages, 10003, 101, 10003, 0, "lone LF"},
    {"file_content_location",
     [](auto& c) {
         c.replace(10001, "https://course.invalid/q10001.htm", "file:///C:/course/q10001.htm");
     },
     ProblemArea::Pages, 10001, 101, 10001, 0, "a file: URL"},
    {"page_not_an_archive", [](auto& c) { c.replace(20001, "multipart/related", "text/plain"); },
     ProblemArea::Pages, 20001, 101, 20001, 0, "not a multipart/related archive"},
    {"page_picture_not_in_archive",
     [](auto& c) { c.replace(16001, "</body>", "<img src=3D\"leaf.png\"></body>"); },
     ProblemArea::Pages, 16001, 101, 16001, 0, "\"leaf.png\", but no part"},
    {"template_off_by_one_field",
     [](auto& c) { c.replace(30112, "#102#>>>>>>>\r\n", "#102#>>>>>>\r\n"); },
     ProblemArea::Templates, 30112, 102, 0, 0,
     "record 102, has 6 fields where the course defines 7"},
    {"summary_template_short",
     [](auto& c) { c.replace(30121, "#FST#>0>0>0>0>0>0>0>0>0>0", "#FST#>0>0>0>0>0>0>0>0>0"); },
     ProblemArea::Templates, 30121, 0, 0, 0,
     "record FST, has 9 fields where the course defines 10"},
    {"missing_template", [](auto& c) { c.remove(30136); }, ProblemArea::Templates, 30136, 0, 0, 0,
     "trend template is missing"},
    {"bad_course_code", [](auto& c) { c.replace(30000, "#COD#>Q4", "#COD#>Q 4"); },
     ProblemArea::Description, 30000, 0, 0, 0, "course code \"Q 4\""},
    {"no_title", [](auto& c) { c.replace(30000, "#NME#>Orvanta Sample Course", "#NME#>"); },
     ProblemArea::Description, 30000, 0, 0, 0, "no title"},
    {"eleven_topics", [](auto& c) { c.replace(30000, "#TT2#>2", "#TT2#>11"); },
     ProblemArea::Description, 30000, 0, 0, 0, "from 1 to 10", 0},
    {"papers_not_five_a_topic", [](auto& c) { c.replace(30000, "#TP3#>10", "#TP3#>9"); },
     ProblemArea::Description, 30000, 0, 0, 0, "9 papers for 2 topics", 0},
    {"topic_names_fewer_than_topics",
     [](auto& c) { c.replace(30000, "#TN1#>Grammar>Mock Examination", "#TN1#>Grammar"); },
     ProblemArea::Description, 30000, 0, 0, 0, "1 topic names (record TN1) for 2 topics"},
    {"lf_only_record_file", [](auto& c) { c.write(30024, c.bytes(30024).replace("\r\n", "\n")); },
     ProblemArea::Questions, 30024, 0, 0, 0, "record files end their lines with CR LF"},
};

class CourseFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CourseFaultTest, checkReportsTheFaultWhereItIs) {
    const FaultCase& fault = GetParam();
    const CourseCopy course;
    fault.damage(course);
    const CourseCheckReport report = CheckCourse(course.library());
    QStringList all;
    bool found = false;
    for (const CourseProblem& p : report.problems) {
        all << p.where() + QStringLiteral(": ") + p.what;
        found = found || (p.area == fault.area && p.resource == fault.resource &&
                          p.paper == fault.paper && p.question == fault.question &&
                          p.part == fault.part && p.what.contains(QLatin1String(fault.says)));
    }
    EXPECT_TRUE(found) << "no problem saying \"" << fault.says
                       << "\" at the expected place among:\n"
                       << all.join(u'\n').toStdString();
    if (fault.problems > 0) {
        EXPECT_EQ(report.problems.size(), fault.problems) << all.join(u'\n').toStdString();
    }
    EXPECT_FALSE(report.passed());
}

INSTANTIATE_TEST_SUITE_P(Faults, CourseFaultTest, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CourseCheckTest, fixtureCoursePassesWithItsCounts) {
    const CourseCopy course;
    const CourseCheckReport report = CheckCourse(course.library());
    QStringList all;
    for (const CourseProblem& p : report.problems)
        all << p.where() + QStringLiteral(": ") + p.what;
    EXPECT_TRUE(report.passed()) << all.join(u'\n').toStdString();
    EXPECT_EQ(report.counts.subjects, 3);
    EXPECT_EQ(report.counts.papers, 30);
    EXPECT_EQ(report.counts.questions, 61);
    EXPECT_EQ(report.counts.pages, 61);
    EXPECT_EQ(report.course.code, "Q4");
    ASSERT_EQ(report.papers.size(), 30);
    const PaperContent& first = report.papers.first();
    EXPECT_EQ(first.questions, QStringList({"10001", "10002", "10003"}));
    EXPECT_EQ(first.partCount(), 15);
    EXPECT_EQ(first.keys.at(10), ";that;which");
}

TEST(CourseCheckTest, damagedPaperStaysOutOfTheCleanPapers) {
    const CourseCopy course;
    course.replace(30024, "#20009#>N", "#20009#>W");
    const CourseCheckReport report = CheckCourse(course.library());
    EXPECT_EQ(report.papers.size(), 29);
    for (const PaperContent& paper : report.papers)
        EXPECT_FALSE(paper.subject == 2 && paper.paperNumber == 105);
}

TEST(CourseCheckTest, missingDescriptionStopsTheCheckWithOneProblem) {
    const CourseCopy course;
    course.remove(30000);
    const CourseCheckReport report = CheckCourse(course.library());
    ASSERT_EQ(report.problems.size(), 1);
    EXPECT_EQ(report.problems.first().resource, 30000);
}

TEST(CourseCheckTest, absentSubjectIsNotChecked) {
    const CourseCopy course;
    course.replace(30000, "#LCH#>Science", "#LCH#>");
    for (int n : {30032, 30033, 30034, 30035, 30131})
        course.remove(n);
    const CourseCheckReport report = CheckCourse(course.library());
    EXPECT_TRUE(report.passed());
    EXPECT_EQ(report.counts.subjects, 2);
}

TEST(CourseCheckTest, templatesAreRebuiltFromThePartCounts) {
    EXPECT_EQ(ProgressTemplateBytes(ProgressFile::FirstResults, {15, 2}),
              "...\r\n#101#>>>>>>>>>>>>>>>\r\n#102#>>\r\n...");
    EXPECT_EQ(ProgressTemplateBytes(ProgressFile::Summary, {1, 1}),
              "...\r\n#FSE#>>\r\n#SSE#>>\r\n#LTM#>>\r\n#CDD#>>\r\n#FST#>0>0\r\n#SST#>0>0\r\n...");
    EXPECT_EQ(ProgressTemplateBytes(ProgressFile::Trend, {1, 1}), "#TRD#\r\n");
}

TEST(CourseCheckTest, reportGroupsProblemsAndEndsWithTheCounts) {
    const CourseCopy course;
    course.appendRecords(30012, "#111#>10021\r\n");
    course.replace(30034, "#16006#>T", "#16006#>t");
    course.replace(30034, "#16008#>N", "#16008#>n");
    const CourseCheckReport report = CheckCourse(course.library());
    const QString text = FormatCheckReport(report, 1);
    EXPECT_TRUE(text.contains("Paper list of English (subject 1): 1 problem(s)\n"
                              "  resource 30012, paper 111: Line 12 holds paper 111"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Answer keys, question types and marks of Science (subject 3): 2 "
                              "problem(s)\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("  ... and 1 more\n")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("Checked 3 subject(s), 30 papers, 61 questions, 129 parts, 61 "
                              "pages: 3 problem(s) found.\n"))
        << text.toStdString();
}

} // namespace
