#include "marking/answer_judge.h"
#include "marking/key_check.h"
#include "marking/marking_error.h"
#include "marking/paper_marking.h"
#include "marking_test_support.h"
#include "tests/support/test_support.h"

#include "data/course_content.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// A paper of `parts` one-mark T parts whose key is "k<part>".
PaperContent textPaper(int parts) {
    PaperContent paper;
    paper.subject = 1;
    paper.paperNumber = 104;
    paper.questions = {"10008"};
    paper.partCounts = {parts};
    for (int i = 1; i <= parts; ++i) {
        paper.keys << QStringLiteral("k%1").arg(i);
        paper.types << QStringLiteral("T");
        paper.marks << QStringLiteral("1");
    }
    paper.totalMarks = parts;
    return paper;
}

// The first `right` answers right, the others wrong.
QStringList answersWithRight(const PaperContent& paper, int right) {
    QStringList answers;
    for (int i = 0; i < paper.partCount(); ++i)
        answers << (i < right ? paper.keys.at(i) : QStringLiteral("?"));
    return answers;
}

TEST(MarkPaperAnswers, twentyOfThirtyGiveTwoThirds) {
    const PaperContent paper = textPaper(30);
    const PaperMarking marking = MarkPaperAnswers(paper, answersWithRight(paper, 20));
    EXPECT_EQ(marking.score, 20);
    EXPECT_EQ(marking.total, 30);
    EXPECT_EQ(marking.percentage, "66.7");
    EXPECT_EQ(marking.results.count(kRightCode), 20);
    EXPECT_EQ(marking.results.count(kWrongCode), 10);
}

TEST(MarkPaperAnswers, secondTakeCountsCarriedOverPartsAgain) {
    // 6 of 10 right the first time and carried over, 2 of the other 4 corrected.
    const PaperContent paper = textPaper(10);
    QStringList second = answersWithRight(paper, 6);
    second[6] = paper.keys.at(6);
    second[8] = paper.keys.at(8);
    EXPECT_EQ(MarkPaperAnswers(paper, second).percentage, "80");
}

TEST(MarkPaperAnswers, partsWithoutAMarkEarnNothingAndStayOutOfTheTotal) {
    PaperContent paper = textPaper(4);
    paper.marks = {"1", "", "", ""}; // one mark record value for four parts
    const PaperMarking marking = MarkPaperAnswers(paper, answersWithRight(paper, 4));
    EXPECT_EQ(marking.score, 1);
    EXPECT_EQ(marking.total, 1);
    EXPECT_EQ(marking.percentage, "100");
}

TEST(MarkPaperAnswers, zeroTotalIsReportedAsContentFault) {
    PaperContent paper = textPaper(2);
    paper.marks = {"", "0"};
    try {
        MarkPaperAnswers(paper, answersWithRight(paper, 2));
        ADD_FAILURE() << "marked a paper without marks";
    } catch (const MarkingError& error) {
        EXPECT_EQ(error.reason(), MarkingError::Reason::ZeroTotal);
        EXPECT_TRUE(error.message().startsWith("Paper 104 of subject 1 cannot be marked"));
    }
}

TEST(MarkPaperAnswers, faultyKeysAreNamedByQuestionAndNothingIsJudged) {
    PaperContent paper = textPaper(3);
    paper.questions = {"20009", "20010"};
    paper.partCounts = {1, 2};
    paper.types[2] = "N";
    paper.keys[2] = "fifteen";
    try {
        MarkPaperAnswers(paper, answersWithRight(paper, 3));
        ADD_FAILURE() << "judged a faulty key";
    } catch (const MarkingError& error) {
        EXPECT_EQ(error.reason(), MarkingError::Reason::InvalidKey);
        EXPECT_TRUE(error.message().contains("Question 20010, part 2 (part 3 of the paper)"))
            << error.message().toStdString();
    }
}

TEST(MarkPaperAnswers, answersMustMatchTheParts) {
    const PaperContent paper = textPaper(3);
    EXPECT_THROW(MarkPaperAnswers(paper, {"k1", "k2"}), MarkingError);
}

TEST(JudgeParts, judgesOneQuestionFromFieldLists) {
    const QList<JudgedPart> parts = JudgeParts(fields("G>G>G"), fields(";woodlouse;earthworm> > "),
                                               fields("Earthworm>woodlouse>woodlouse"));
    ASSERT_EQ(parts.size(), 3);
    QStringList results;
    QStringList models;
    for (const JudgedPart& part : parts) {
        results << part.result;
        models << part.modelAnswer;
    }
    EXPECT_EQ(resultLetters(results), "RRW");
    EXPECT_EQ(models, QStringList({"", "", ""})); // both alternatives claimed
}

TEST(JudgeParts, malformedInputIsRefused) {
    EXPECT_THROW(JudgeParts({"T"}, {"a", "b"}, {"a", "b"}), MarkingError);
    EXPECT_THROW(JudgeParts({}, {}, {}), MarkingError);
    EXPECT_THROW(JudgeParts(fields("G>G"), fields("woodlouse> "), fields("a>b")), MarkingError);
}

TEST(SelfAnswers, groupPartsTakeTheHeadsAlternativesInOrder) {
    const QStringList types = fields("T>M>G>G>G>N");
    const QStringList keys = fields(" threw>;Fruits;Fruit>;a;b> > >115.5");
    const QStringList own = SelfAnswers(keys, types);
    EXPECT_EQ(own, fields(" threw>Fruits>a>b>>115.5"));
    // The group of three parts with two alternatives can never be fully right.
    QStringList results;
    for (int part = 1; part <= keys.size(); ++part)
        results << JudgePart(own, keys, types, part);
    EXPECT_EQ(resultLetters(results), "RRRRWR");
}

TEST(SelfAnswers, neverThrowsOnFaultyKeys) {
    EXPECT_EQ(SelfAnswers(fields(" >that>x"), fields("G>M>N")), fields(">>x"));
}

// Every key of the fixture course, given as its own answer, is judged right.
TEST(FixtureCourse, everyKeyPassesItsOwnJudge) {
    TempAppFolder temp;
    for (int subject = 1; subject <= kSubjectCount; ++subject) {
        for (int paperNumber = 101; paperNumber <= 110; ++paperNumber) {
            const PaperContent paper =
                LoadPaperContent(fixtureCourse(), temp.folder(), subject, paperNumber);
            EXPECT_TRUE(CheckPaperKeys(paper).isEmpty()) << subject << "/" << paperNumber;
            const PaperMarking marking =
                MarkPaperAnswers(paper, SelfAnswers(paper.keys, paper.types));
            EXPECT_EQ(marking.percentage, "100") << subject << "/" << paperNumber;
        }
    }
}

} // namespace
