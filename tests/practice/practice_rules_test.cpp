// The practice window's rules without a window: numbering, the remaining
// list, the answered count, moves, the carry-over, the toolbar, the frames,
// and what an answer box lets in.
#include "practice/logic/answer_input.h"
#include "practice/logic/practice_rules.h"

#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

const QString R = QStringLiteral("\u00fc");
const QString W = QStringLiteral("\u00fb");

TEST(PracticeRulesTest, captionIsTheTopicAndThePapersPlaceInIt) {
    EXPECT_EQ(PracticeCaption("Grammar", 3), "Grammar - Paper 3");
    EXPECT_EQ(PracticeCaption("Mock Examination", 1), "Mock Examination - Paper 1");
    EXPECT_EQ(QuestionTitle(12), "Question 12");
    EXPECT_EQ(PartLetter(1), "(a)");
    EXPECT_EQ(PartLetter(20), "(t)");
}

TEST(PracticeRulesTest, partsAreNumberedOverThePaperQuestionByQuestion) {
    const QList<int> counts = {5, 1, 3, 20};
    EXPECT_EQ(PartOffset(counts, 1), 0);
    EXPECT_EQ(PartOffset(counts, 3), 6);
    EXPECT_EQ(PartOffset(counts, 5), 29);
    const std::pair<int, int> owners[] = {{1, 1}, {5, 1},  {6, 2},  {7, 3},
                                          {9, 3}, {10, 4}, {29, 4}, {30, 0}};
    for (const auto& [part, question] : owners)
        EXPECT_EQ(QuestionOfPart(counts, part), question) << "part " << part;
}

struct RemainingCase {
    const char* name;
    QList<int> counts;
    QStringList answers;
    QList<int> remaining;
};

class RemainingTest : public ::testing::TestWithParam<RemainingCase> {};

TEST_P(RemainingTest, listsEveryQuestionWithAnEmptyPartOnce) {
    const RemainingCase& c = GetParam();
    EXPECT_EQ(RemainingQuestions(c.answers, c.counts), c.remaining);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemainingTest,
    ::testing::Values(
        RemainingCase{"questions_two_and_five_empty",
                      {1, 2, 1, 1, 2},
                      {"a", "b", "", "c", "d", "", "e"},
                      {2, 5}},
        RemainingCase{"two_empty_parts_list_their_question_once", {3, 1}, {"", "x", "", "y"}, {1}},
        RemainingCase{"spaces_are_empty_here", {2, 1}, {"a", "   ", "b"}, {1}},
        RemainingCase{"all_answered", {2, 1}, {"a", "b", "c"}, {}},
        RemainingCase{"missing_answers_are_empty", {1, 1}, {"a"}, {2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeRulesTest, answeredCountCountsPartsWithAnyTextSpacesIncluded) {
    EXPECT_EQ(AnsweredCount({"a", "", " ", "  b", ""}), 3);
    EXPECT_EQ(AnsweredCount({}), 0);
}

TEST(PracticeRulesTest, movesOutsideThePaperAreIgnored) {
    EXPECT_EQ(NavigationTarget(0, 3), std::nullopt);
    EXPECT_EQ(NavigationTarget(4, 3), std::nullopt);
    EXPECT_EQ(NavigationTarget(1, 3), 1);
    EXPECT_EQ(NavigationTarget(3, 3), 3);
}

TEST(PracticeRulesTest, secondTakeCarriesOverOnlyThePartsRightTheFirstTime) {
    QStringList answers = {"new", "again", ""};
    QStringList second = {"", W, ""};
    CarryOverRightParts({"old", "wrong", "kept"}, {R, W, R}, answers, second);
    EXPECT_EQ(answers, QStringList({"old", "again", "kept"}));
    EXPECT_EQ(second, QStringList({R, W, R}));
}

struct MarkingQuestionCase {
    const char* name;
    QStringList answers;
    QStringList lockedResults;
    const char* question;
};

class MarkingQuestionTest : public ::testing::TestWithParam<MarkingQuestionCase> {};

TEST_P(MarkingQuestionTest, asksWhetherToMarkDespiteTheFirstEmptyPart) {
    const MarkingQuestionCase& c = GetParam();
    EXPECT_EQ(MarkingQuestion(c.answers, c.lockedResults), QString::fromLatin1(c.question));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarkingQuestionTest,
    ::testing::Values(
        MarkingQuestionCase{"all_answered", {"a", "b", "c"}, {}, kMarkAllAnswered},
        MarkingQuestionCase{"last_part_empty", {"a", "b", ""}, {}, kMarkNotAllAnswered},
        MarkingQuestionCase{"first_part_empty", {"", "b", "c"}, {}, kMarkNotAllAnswered},
        MarkingQuestionCase{"spaces_count_as_an_answer", {"a", "   ", "c"}, {}, kMarkAllAnswered},
        MarkingQuestionCase{"second_take_skips_parts_right_the_first_time",
                            {"", "b", ""},
                            {R, W, R},
                            kMarkAllAnswered},
        MarkingQuestionCase{"second_take_looks_at_parts_wrong_the_first_time",
                            {"a", "", "c"},
                            {R, W, R},
                            kMarkNotAllAnswered}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeRulesTest, resultMarksAreATickACrossOrNothing) {
    EXPECT_EQ(ResultMark(R), "\u2713");
    EXPECT_EQ(ResultMark(W), "\u2717");
    EXPECT_EQ(ResultMark(""), "");
    EXPECT_EQ(ResultMark("x"), "");
}

TEST(PracticeRulesTest, toolbarEnablesFollowStatusAndQuestion) {
    const ToolbarEnables first = ToolbarEnableRules(TakeStatus::NotMarked, 1, 3);
    EXPECT_TRUE(first.save && first.mark && first.next);
    EXPECT_FALSE(first.back);
    const ToolbarEnables last = ToolbarEnableRules(TakeStatus::NotMarked, 3, 3);
    EXPECT_TRUE(last.back);
    EXPECT_FALSE(last.next);
    const ToolbarEnables marked = ToolbarEnableRules(TakeStatus::Marked, 2, 3);
    EXPECT_FALSE(marked.save || marked.mark);
    EXPECT_TRUE(marked.back && marked.next);
    const ToolbarEnables single = ToolbarEnableRules(TakeStatus::NotMarked, 1, 1);
    EXPECT_FALSE(single.back || single.next);
}

TEST(PracticeRulesTest, onlyZeroAndOneAreKnownTakeStatuses) {
    // A hand-edited summary can hold anything; only the exact flags count.
    const std::pair<const char*, TakeStatus> cases[] = {
        {"0", TakeStatus::NotMarked}, {"1", TakeStatus::Marked},   {"", TakeStatus::Unknown},
        {"2", TakeStatus::Unknown},   {" 1", TakeStatus::Unknown}, {"True", TakeStatus::Unknown},
        {"01", TakeStatus::Unknown},
    };
    for (const auto& [field, status] : cases)
        EXPECT_EQ(TakeStatusOf(QString::fromUtf8(field)), status) << '"' << field << '"';
    // Such a take can be neither saved nor marked, as if it were marked.
    const ToolbarEnables unknown = ToolbarEnableRules(TakeStatus::Unknown, 2, 3);
    EXPECT_FALSE(unknown.save || unknown.mark);
}

TEST(PracticeRulesTest, framesStackWithAGapThatShrinksFromSixteenParts) {
    std::array<int, kAnswerFrameCount> heights;
    heights.fill(kFrameHeightTwips);
    EXPECT_EQ(FrameGapTwips(15, Take::First), 105);
    EXPECT_EQ(FrameGapTwips(16, Take::First), -10);
    EXPECT_EQ(FrameGapTwips(16, Take::Second), 0);
    EXPECT_EQ(StackFrameTops(heights, 5, Take::First)[1], 50 + 375 + 105);
    EXPECT_EQ(StackFrameTops(heights, 16, Take::First)[15], 50 + 15 * 365);
    EXPECT_EQ(StackFrameTops(heights, 20, Take::Second)[19], 50 + 19 * 375);
    // A long first frame pushes the others down.
    heights[0] = kLongFrameHeightTwips;
    EXPECT_EQ(StackFrameTops(heights, 2, Take::First)[1], 50 + 2100 + 105);
}

TEST(PracticeRulesTest, firstFrameTakesTheLongLayoutForTypeL) {
    const FirstFrameLayout line = FirstFrameLayoutFor("T");
    EXPECT_EQ(line.frameHeight, 375);
    EXPECT_EQ(line.answerWidth, 1575);
    EXPECT_EQ(line.answerHeight, 255);
    EXPECT_EQ(line.resultLeft, 2040);
    EXPECT_EQ(line.modelTop, 60);
    const FirstFrameLayout longAnswer = FirstFrameLayoutFor("L");
    EXPECT_EQ(longAnswer.frameHeight, 2100);
    EXPECT_EQ(longAnswer.answerWidth, 3975 - 1000);
    EXPECT_EQ(longAnswer.answerHeight, 1000);
    EXPECT_EQ(longAnswer.resultLeft, 360 + 2975 + 100);
    EXPECT_EQ(longAnswer.modelLeft, 360);
    EXPECT_EQ(longAnswer.modelTop, 40 + 1000 + 100);
    EXPECT_EQ(longAnswer.modelWidth, 3975 - 500);
}

TEST(PracticeRulesTest, theInstructionShowsForFractionAndMixedNumberParts) {
    EXPECT_TRUE(NeedsInstruction({"N", "F"}));
    EXPECT_TRUE(NeedsInstruction({"X"}));
    EXPECT_FALSE(NeedsInstruction({"T", "T", "R"}));
    EXPECT_FALSE(NeedsInstruction({}));
}

struct InputCase {
    const char* name;
    QString input;
    QString accepted;
    InputRefusal refusal;
};

class AnswerInputTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(AnswerInputTest, keepsOutWhatTheAnswerFileCannotStore) {
    const InputCase& c = GetParam();
    const FilteredInput filtered = FilterAnswerInput(c.input);
    EXPECT_EQ(filtered.accepted, c.accepted);
    EXPECT_EQ(filtered.refusal, c.refusal);
}

QString withNull(const char16_t* before, const char16_t* after) {
    return QString::fromUtf16(before) + QChar(u'\0') + QString::fromUtf16(after);
}

using Refused = InputRefusal;
INSTANTIATE_TEST_SUITE_P(
    Cases, AnswerInputTest,
    ::testing::Values(
        InputCase{"plain_text", "8 2/5", "8 2/5", Refused::None},
        InputCase{"windows_1252_letters", "caf\u00e9 \u20ac5 \u00bd", "caf\u00e9 \u20ac5 \u00bd",
                  Refused::None},
        InputCase{"separator", "a>b>c", "abc", Refused::Separator},
        InputCase{"pasted_lines_become_spaces", "one\r\ntwo\nthree", "one two three",
                  Refused::Layout},
        InputCase{"unicode_line_separator", "a\u2028b", "a b", Refused::Layout},
        InputCase{"tab_becomes_a_space", "carbon\tdioxide", "carbon dioxide", Refused::Layout},
        InputCase{"tab_only_paste_is_one_space", "\t", " ", Refused::Layout},
        InputCase{"control_characters_are_dropped", "a\u0001b\u007fc\u001b", "abc",
                  Refused::Layout},
        InputCase{"null_character_is_dropped", withNull(u"x", u"y"), "xy", Refused::Layout},
        InputCase{"outside_windows_1252", "snow\u2603man", "snowman", Refused::Character},
        InputCase{"emoji_is_two_refused_halves", "hi\U0001F600", "hi", Refused::Character},
        InputCase{"first_refusal_names_the_hint", "x>\u2603", "x", Refused::Separator}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerInputTest, aLongBoxSaysItsAnswerStaysOneParagraph) {
    EXPECT_EQ(RefusalHint(InputRefusal::Layout, false), kLineBreakHint);
    EXPECT_EQ(RefusalHint(InputRefusal::Layout, true), kParagraphHint);
    EXPECT_EQ(RefusalHint(InputRefusal::Separator, true), kSeparatorHint);
    EXPECT_EQ(RefusalHint(InputRefusal::None, true), QString());
}

} // namespace
