#include "tools/course_tool/judge_command.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

struct JudgeCase {
    const char* name;
    const char* types;
    const char* keys;
    const char* answers;
    QStringList lines;
};

class JudgeFieldsTest : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(JudgeFieldsTest, printsVerdictAndModelAnswerPerPart) {
    const JudgeCase& c = GetParam();
    const JudgeOutput output = JudgeFields(QString::fromUtf8(c.types), QString::fromUtf8(c.keys),
                                           QString::fromUtf8(c.answers));
    ASSERT_TRUE(output.ok()) << output.error.toStdString();
    EXPECT_EQ(output.lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JudgeFieldsTest,
    ::testing::Values(JudgeCase{"group_repeats_claimed_answer",
                                "G>G>G",
                                ";woodlouse;earthworm> > ",
                                "Earthworm>woodlouse>woodlouse",
                                {"right\t", "right\t", "wrong\t"}},
                      JudgeCase{"group_model_answers_go_to_wrong_parts",
                                "G>G>G",
                                ";woodlouse;earthworm> > ",
                                "woodlouse>snail>x",
                                {"right\tearthworm", "wrong\tearthworm", "wrong\t"}},
                      JudgeCase{
                          "repeated_answer_leaves_distinct_model_answers",
                          "G>G>G>G",
                          ";duck;ostrich;owl;pigeon> > > ",
                          "Owl>duck>owl>",
                          {"right\tostrich", "right\tostrich", "wrong\tostrich", "wrong\tpigeon"}},
                      JudgeCase{"alternatives_show_first_alternative",
                                "M",
                                ";Fruits;Fruit",
                                "fruitss",
                                {"wrong\tFruits"}},
                      JudgeCase{"spaces_inside_fields_are_kept",
                                "X>T",
                                "8 2/5> threw",
                                " 8  2/5 >threw",
                                {"right\t8 2/5", "right\t threw"}},
                      JudgeCase{"number_with_sign_and_bare_point",
                                "N>N",
                                "-3>0.5",
                                "-3.>.5",
                                {"right\t-3", "right\t0.5"}},
                      JudgeCase{"numbers_grouped_in_thousands",
                                "N>N>N",
                                "62560>6.25>1,234.5",
                                "62,560>6,25>1234.50",
                                {"right\t62560", "wrong\t6.25", "right\t1,234.5"}},
                      JudgeCase{"case_folding_beyond_ascii", "T", "été", "ÉTÉ", {"right\tété"}},
                      JudgeCase{"unknown_letter_is_not_judged", "Z", "4", "4", {"none\t4"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JudgeFieldsErrorTest, unevenFieldCountsAreRefused) {
    const JudgeOutput output = JudgeFields("Q>Q", "1", "1>2");
    EXPECT_FALSE(output.ok());
    EXPECT_TRUE(output.error.contains("2, 1 and 2")) << output.error.toStdString();
}

TEST(JudgeFieldsErrorTest, keysTheJudgeRefusesNameTheirPart) {
    for (const auto& [types, keys] :
         {std::pair{"N", "ten"}, std::pair{"M", "that;which"}, std::pair{"G>G", " > "}}) {
        const QStringList answers(QString(keys).count(u'>') + 1);
        const JudgeOutput output = JudgeFields(types, keys, answers.join(u'>'));
        EXPECT_FALSE(output.ok()) << keys;
        EXPECT_TRUE(output.error.contains("art 1")) << output.error.toStdString();
    }
}

} // namespace
