#include "marking/key_check.h"
#include "marking/marking_error.h"
#include "marking_test_support.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

using Kind = KeyProblem::Kind;

struct KeyCheckRow {
    const char* name;
    const char* types;
    const char* keys;
    QList<std::pair<Kind, int>> problems; // kind and part
};

class KeyCheck : public testing::TestWithParam<KeyCheckRow> {};

TEST_P(KeyCheck, findsEachProblemAtItsPart) {
    const KeyCheckRow& row = GetParam();
    QList<std::pair<Kind, int>> found;
    for (const KeyProblem& problem : CheckKeys(fields(row.keys), fields(row.types)))
        found.append({problem.kind, problem.part});
    EXPECT_EQ(found, row.problems);
}

const KeyCheckRow kKeyChecks[] = {
    {"course_like_keys_are_clean",
     "T>M>N>X>G>G>G>Q",
     "so that>;that;which>115.5>8 2/5>;woodlouse;earthworm;snail> > >4",
     {}},
    {"number_key_with_grouped_thousands", "N>N", "15,360>-1,234.5", {}},
    {"number_key_with_decimal_comma", "N", "15,36", {{Kind::NumberKeyNotNumber, 1}}},
    {"number_key_in_words", "T>N", "x>fifteen", {{Kind::NumberKeyNotNumber, 2}}},
    {"number_key_empty", "N", "", {{Kind::NumberKeyNotNumber, 1}}},
    {"m_key_without_semicolon", "M", "that;which", {{Kind::NotAlternativesKey, 1}}},
    {"g_head_without_semicolon",
     "G>G",
     "woodlouse> ",
     {{Kind::NotAlternativesKey, 1}, {Kind::GroupPartWithoutHead, 2}}},
    {"m_key_of_one_space", "T>M", "after> ", {{Kind::NotAlternativesKey, 2}}},
    {"group_part_at_start", "G>G", " >;a;b", {{Kind::GroupPartWithoutHead, 1}}},
    {"group_part_after_text_part", "T>G", "after> ", {{Kind::GroupPartWithoutHead, 2}}},
    {"group_with_fewer_alternatives",
     "G>G>G",
     ";woodlouse;earthworm> > ",
     {{Kind::GroupShortOfAlternatives, 1}}},
    {"empty_alternative",
     "M>G>G",
     ";a;;b>;c; > ",
     {{Kind::EmptyAlternative, 1}, {Kind::EmptyAlternative, 2}}},
    {"blank_text_key", "T>F", "  >5/28", {{Kind::EmptyKey, 1}}},
    {"unknown_type_letter",
     "T>Z>",
     "a>b>c",
     {{Kind::UnknownTypeLetter, 2}, {Kind::UnknownTypeLetter, 3}}},
};
INSTANTIATE_TEST_SUITE_P(Keys, KeyCheck, testing::ValuesIn(kKeyChecks), rowName<KeyCheckRow>);

TEST(KeyCheck, headTwentyOnePartsBackIsTooFar) {
    const QStringList keys = QStringList{";a;b"} << QStringList(21, QStringLiteral(" "));
    const QStringList types(keys.size(), QStringLiteral("G"));
    const QList<KeyProblem> problems = CheckKeys(keys, types);
    ASSERT_EQ(problems.size(), 2);
    EXPECT_EQ(problems.at(0).kind, Kind::GroupShortOfAlternatives);
    EXPECT_EQ(problems.at(1).kind, Kind::GroupPartWithoutHead);
    EXPECT_EQ(problems.at(1).part, 22);
}

TEST(KeyCheck, messagesNameQuestionAndPart) {
    const QList<KeyProblem> problems =
        CheckKeys(fields("a>1,5>;x;y> > "), fields("T>N>G>G>G"), {"16006", "16007"}, {2, 3});
    ASSERT_EQ(problems.size(), 2);
    EXPECT_EQ(problems.at(0).message(),
              "Question 16006, part 2 (part 2 of the paper): the key \"1,5\" of a number part is "
              "not a number (digits with an optional sign, decimal point and commas grouping "
              "thousands).");
    EXPECT_EQ(problems.at(1).question, "16007");
    EXPECT_EQ(problems.at(1).partInQuestion, 1);
    EXPECT_TRUE(problems.at(1).message().contains("3 parts share 2 alternatives"));
    EXPECT_EQ(CheckKeys({"x"}, {"N"}).at(0).message().left(8), "Part 1: ");
}

TEST(KeyCheck, onlyFaultsTheJudgeRefusesBlockJudging) {
    const QList<KeyProblem> shortGroup = CheckKeys(fields(";a;b> > "), fields("G>G>G"));
    EXPECT_FALSE(BlocksJudging(shortGroup));
    EXPECT_NO_THROW(RequireJudgeableKeys(shortGroup, "Paper 101"));

    const QList<KeyProblem> faulty = CheckKeys(fields("x>;a;b> > >y"), fields("N>G>G>G>N"));
    EXPECT_TRUE(BlocksJudging(faulty));
    try {
        RequireJudgeableKeys(faulty, "Paper 101 cannot be marked.");
        ADD_FAILURE() << "no refusal";
    } catch (const MarkingError& error) {
        EXPECT_EQ(error.reason(), MarkingError::Reason::InvalidKey);
        const QStringList lines = error.message().split(u'\n');
        ASSERT_EQ(lines.size(), 3);
        EXPECT_EQ(lines.at(0), "Paper 101 cannot be marked.");
        EXPECT_TRUE(lines.at(1).startsWith("Part 1: "));
        EXPECT_TRUE(lines.at(2).startsWith("Part 5: "));
    }
}

TEST(KeyCheck, listsOfDifferentLengthsAreRefused) {
    EXPECT_THROW(CheckKeys({"a", "b"}, {"T"}), MarkingError);
    EXPECT_THROW(CheckKeys({"a", "b"}, {"T", "T"}, {"10001"}, {3}), MarkingError);
}

} // namespace
