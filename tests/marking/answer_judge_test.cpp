#include "marking/answer_judge.h"
#include "marking/marking_error.h"
#include "marking_test_support.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// One answer against one key by JudgeAnswer.
struct SinglePartRow {
    const char* name;
    const char* type;
    const char* key;
    const char* answer;
    bool right;
};

class SinglePartRule : public testing::TestWithParam<SinglePartRow> {};

TEST_P(SinglePartRule, judgesAsTheRuleSays) {
    const SinglePartRow& row = GetParam();
    EXPECT_EQ(JudgeAnswer(u8(row.answer), u8(row.key), u8(row.type)),
              row.right ? kRightCode : kWrongCode);
}

const SinglePartRow kTextRule[] = {
    {"option_number_matches", "Q", "4", "4", true},
    {"other_option_number_is_wrong", "Q", "4", "3", false},
    {"letter_case_is_ignored", "T", "so that", "So That", true},
    {"two_inner_spaces_are_wrong", "T", "so that", "so  that", false},
    {"missing_inner_space_is_wrong", "T", "so that", "sothat", false},
    {"leading_space_of_key_is_trimmed", "T", " threw", "threw", true},
    {"surrounding_spaces_of_answer_are_trimmed", "T", "lives", "  lives ", true},
    {"time_with_other_case_matches", "T", "1.30 AM", "1.30 am", true},
    {"time_without_its_space_is_wrong", "T", "1.30 AM", "1.30am", false},
    {"decimal_key_is_compared_as_text", "T", "76.67", "76.670", false},
    {"sentence_in_other_case_matches", "L", "she will not go to work", "She will not go to work",
     true},
    {"sentence_with_full_stop_is_wrong", "L", "she will not go to work", "she will not go to work.",
     false},
    {"case_folding_goes_beyond_ascii", "T", "été", "ÉTÉ", true},
    {"accents_still_count", "T", "été", "ete", false},
    {"empty_answer_is_wrong", "T", "lives", "", false},
    {"blank_answer_is_wrong", "T", "lives", "   ", false},
    {"tab_is_not_a_trimmed_space", "T", "lives", "lives\t", false},
};
INSTANTIATE_TEST_SUITE_P(TextRule, SinglePartRule, testing::ValuesIn(kTextRule),
                         rowName<SinglePartRow>);

const SinglePartRow kNumberRule[] = {
    {"same_digits", "N", "15360", "15360", true},
    {"surrounding_blanks", "N", "15360", " 15360 ", true},
    {"trailing_zero_decimals", "N", "15360", "15360.00", true},
    {"trailing_zero_after_key_decimal", "N", "115.5", "115.50", true},
    {"no_tolerance", "N", "115.5", "115.49", false},
    {"leading_zeros", "N", "24.004", "024.0040", true},
    {"one_in_the_last_decimal", "N", "24.004", "24.004000001", false},
    {"minus_sign", "N", "-3", "-3", true},
    {"minus_sign_missing", "N", "-3", "3", false},
    {"plus_sign", "N", "3", "+3", true},
    {"bare_leading_decimal_point", "N", "0.5", ".5", true},
    {"bare_trailing_decimal_point", "N", "2", "2.", true},
    {"minus_zero_is_zero", "N", "0", "-0.0", true},
    {"tenths_written_differently", "N", "0.1", "0.10", true},
    {"digits_beyond_double_precision_differ", "N", "123456789012345678901234567890",
     "123456789012345678901234567891", false},
    {"digits_beyond_double_precision_match", "N", "123456789012345678901234567890",
     "123456789012345678901234567890.000", true},
    {"word_is_wrong", "N", "15360", "fifteen", false},
    {"empty_answer_is_wrong", "N", "15360", "", false},
    {"blank_answer_is_wrong", "N", "15360", "  ", false},
    {"grouped_thousands", "N", "62560", "62,560", true},
    {"grouped_thousands_with_decimals", "N", "1234.5", "1,234.5", true},
    {"grouped_thousands_with_sign", "N", "-12000", "-12,000", true},
    {"grouped_millions", "N", "1234567", " +1,234,567 ", true},
    {"grouped_key_and_plain_answer", "N", "62,559", "62559", true},
    {"grouped_thousands_other_value", "N", "62559", "62,560", false},
    {"comma_as_decimal_comma_is_wrong", "N", "6.25", "6,25", false},
    {"comma_grouping_two_digits_is_wrong", "N", "62560", "62,56,0", false},
    {"comma_grouping_four_digits_is_wrong", "N", "12345", "1,2345", false},
    {"first_group_of_four_digits_is_wrong", "N", "1234567", "1234,567", false},
    {"leading_comma_is_wrong", "N", "560", ",560", false},
    {"group_after_zero_is_wrong", "N", "560", "0,560", false},
    {"comma_in_the_decimals_is_wrong", "N", "1234.5678", "1,234.567,8", false},
    {"comma_before_the_point_is_wrong", "N", "1234.5", "1,234,.5", false},
    {"decimal_comma_is_wrong", "N", "115.5", "115,5", false},
    {"inner_space_is_wrong", "N", "15360", "15 360", false},
    {"exponent_is_wrong", "N", "1000", "1e3", false},
    {"lone_point_is_wrong", "N", "0", ".", false},
    {"lone_sign_is_wrong", "N", "0", "-", false},
    {"sign_after_blank_inside_is_wrong", "N", "-3", "- 3", false},
    {"two_points_are_wrong", "N", "1.5", "1.5.0", false},
    {"non_ascii_digits_are_wrong", "N", "3", "\u0663", false},
    {"hexadecimal_is_wrong", "N", "255", "0xff", false},
};
INSTANTIATE_TEST_SUITE_P(NumberRule, SinglePartRule, testing::ValuesIn(kNumberRule),
                         rowName<SinglePartRow>);

const SinglePartRow kSpacingRule[] = {
    {"fraction_spaces_ignored", "F", "5/28", "5 / 28", true},
    {"fraction_not_reduced", "F", "5/28", "10/56", false},
    {"fraction_empty_answer", "F", "5/28", "", false},
    {"mixed_number_as_keyed", "X", "3 1/2", "3 1/2", true},
    {"mixed_number_second_space_after_whole", "X", "3 1/2", "3  1/2", true},
    {"mixed_number_spaces_everywhere", "X", "8 2/5", "8  2 / 5", true},
    {"mixed_number_surrounding_spaces", "X", "8 2/5", " 8 2/5 ", true},
    {"mixed_number_without_space", "X", "3 1/2", "31/2", false},
    {"mixed_number_as_decimal", "X", "3 1/2", "3.5", false},
    {"mixed_number_extra_digit", "X", "8 2/5", "8 2/5 1", false},
    {"mixed_number_space_in_wrong_place", "X", "182 2/7", "18 22/7", false},
    {"mixed_number_first_space_late", "X", "182 2/7", "1822 /7", false},
    {"ratio_spaces_ignored", "R", "14:5", "14 : 5", true},
    {"three_term_ratio", "R", "6:5:3", "6 : 5 : 3", true},
    {"ratio_reversed", "R", "14:5", "5:14", false},
    {"letter_case_counts", "F", "2g/3", "2G/3", false},
};
INSTANTIATE_TEST_SUITE_P(SpacingRule, SinglePartRule, testing::ValuesIn(kSpacingRule),
                         rowName<SinglePartRow>);

TEST(JudgeAnswer, unknownTypeLettersAreNotJudged) {
    for (const char* letter : {"Z", "", "q", "M", "G"})
        EXPECT_EQ(JudgeAnswer("4", "4", u8(letter)), QString()) << letter;
}

TEST(JudgeAnswer, numberKeyThatIsNotANumberIsRefused) {
    for (const char* key : {"fifteen", "", "15,36", "1e3"}) {
        try {
            JudgeAnswer("15360", u8(key), "N");
            ADD_FAILURE() << "judged against " << key;
        } catch (const MarkingError& error) {
            EXPECT_EQ(error.reason(), MarkingError::Reason::InvalidKey);
            EXPECT_TRUE(error.message().contains(u8(key))) << error.message().toStdString();
        }
    }
}

// Whole answer groups and alternatives keys through JudgeChoiceAnswer.
struct ChoiceRow {
    const char* name;
    const char* keys;    // joined with ">"
    const char* answers; // joined with ">"
    const char* results; // R right, W wrong, per part
};

class ChoiceRule : public testing::TestWithParam<ChoiceRow> {};

TEST_P(ChoiceRule, judgesEveryPart) {
    const ChoiceRow& row = GetParam();
    const QStringList keys = fields(row.keys);
    const QStringList answers = fields(row.answers);
    QStringList results;
    for (int part = 1; part <= keys.size(); ++part)
        results << JudgeChoiceAnswer(answers, keys, part);
    EXPECT_EQ(resultLetters(results), u8(row.results));
}

const ChoiceRow kAlternativesRule[] = {
    {"second_alternative_in_other_case", ";Fruits;Fruit", "fruit", "R"},
    {"first_alternative_in_capitals_with_spaces", ";Fruits;Fruit", " FRUITS ", "R"},
    {"near_miss", ";Fruits;Fruit", "fruitss", "W"},
    {"empty_answer", ";Fruits;Fruit", "", "W"},
    {"expression_alternative", ";2g+32;32+2g", "32+2G", "R"},
    {"expression_with_inner_spaces", ";2g+32;32+2g", "32 + 2g", "W"},
    {"key_text_itself_is_wrong", ";that;which", ";that;which", "W"},
};
INSTANTIATE_TEST_SUITE_P(AlternativesRule, ChoiceRule, testing::ValuesIn(kAlternativesRule),
                         rowName<ChoiceRow>);

const ChoiceRow kGroupRule[] = {
    {"any_order_then_repeat", ";woodlouse;earthworm> > ", "Earthworm>woodlouse>woodlouse", "RRW"},
    {"wrong_head_and_empty_last", ";woodlouse;earthworm> > ", "x>woodlouse>", "WRW"},
    {"claimed_alternative_repeated", ";Spider;Mouse;Blackbird> ", "mouse>Mouse", "RW"},
    {"two_different_alternatives", ";Spider;Mouse;Blackbird> ", "mouse>spider", "RR"},
    {"empty_answer_when_alternatives_run_out", ";woodlouse;earthworm> > ", "woodlouse>earthworm>",
     "RRW"},
    {"wrong_head_claims_nothing", ";a;b;c> > ", "x>c>C", "WRW"},
    {"all_three_claimed", ";a;b;c> > ", "c>a>b", "RRR"},
    {"adjacent_groups_are_separate", ";a;b> >;c;d> ", "b>a>d>c", "RRRR"},
    {"answer_of_other_group_is_wrong", ";a;b> >;c;d> ", "c>a>a>b", "WRWW"},
};
INSTANTIATE_TEST_SUITE_P(GroupRule, ChoiceRule, testing::ValuesIn(kGroupRule), rowName<ChoiceRow>);

// The model answers a second take shows, through ModelAnswer.
struct ModelRow {
    const char* name;
    const char* types;
    const char* keys;
    const char* answers;
    const char* models; // joined with ">"
};

class ModelAnswerRule : public testing::TestWithParam<ModelRow> {};

TEST_P(ModelAnswerRule, givesEachPartsExpectedAnswer) {
    const ModelRow& row = GetParam();
    const QStringList keys = fields(row.keys);
    QStringList models;
    for (int part = 1; part <= keys.size(); ++part)
        models << ModelAnswer(fields(row.answers), keys, fields(row.types), part);
    EXPECT_EQ(models, fields(row.models));
}

const ModelRow kModelAnswers[] = {
    {"unclaimed_alternative_goes_to_wrong_head", "G>G>G", ";woodlouse;earthworm> > ",
     "snail>woodlouse>x", "earthworm>>"},
    {"empty_head_meets_claimed_alternative", "G>G>G", ";woodlouse;earthworm> > ", ">woodlouse>",
     ">>"},
    {"wrong_parts_get_unclaimed_in_order", "G>G>G", ";woodlouse;earthworm> > ", "woodlouse>snail>x",
     "earthworm>earthworm>"},
    {"three_wrong_parts_three_alternatives", "G>G>G", ";a;b;c> > ", "x>y>z", "a>b>c"},
    {"right_middle_part_is_skipped", "G>G>G", ";a;b;c> > ", "x>a>z", "b>c>c"},
    {"repeated_answer_does_not_shift_the_next_part", "G>G>G>G", ";duck;ostrich;owl;pigeon> > > ",
     "Owl>duck>owl>", "ostrich>ostrich>ostrich>pigeon"},
    {"repeat_of_the_head_then_a_wrong_part", "G>G>G", ";a;b;c> > ", "a>a>x", "b>b>c"},
    {"two_repeats_then_a_wrong_part", "G>G>G>G", ";a;b;c;d> > > ", "a>A>a>x", "b>b>c>d"},
    {"repeats_use_up_the_unclaimed_in_order", "G>G>G>G", ";a;b;c> > > ", "c>c>c>c", "a>a>b>"},
    {"wrong_head_and_repeat_share_nothing", "G>G>G>G", ";a;b;c;d> > > ", "x>b>b>y", "a>c>c>d"},
    {"m_part_shows_its_first_alternative", "M", ";Fruits;Fruit", "fruit", "Fruits"},
    {"other_letters_show_the_key_unchanged", "T>N>X>Q", " threw>15360>8 2/5>4", "x>x>x>x",
     " threw>15360>8 2/5>4"},
};
INSTANTIATE_TEST_SUITE_P(ModelAnswers, ModelAnswerRule, testing::ValuesIn(kModelAnswers),
                         rowName<ModelRow>);

// The model answers as the first-published rule gives them: a later part's
// target is its position less the number of (earlier part, alternative)
// pairs that are equal, which counts a repeated alternative twice.
QStringList pairCountingModels(const QStringList& answers, const QStringList& keys) {
    const QStringList alternatives = SplitAlternatives(keys.first());
    auto unclaimed = [&] {
        QStringList left;
        for (const QString& alternative : alternatives) {
            bool claimed = false;
            for (const QString& answer : answers)
                claimed = claimed || NormalisedText(answer) == NormalisedText(alternative);
            left << (claimed ? QString() : alternative);
        }
        return left;
    }();
    QStringList models{GroupModelAnswer(answers, keys, 1)};
    for (int position = 2; position <= answers.size(); ++position) {
        int pairs = 0;
        for (int earlier = 1; earlier < position; ++earlier) {
            for (const QString& alternative : alternatives)
                pairs += NormalisedText(answers.at(earlier - 1)) == NormalisedText(alternative);
        }
        const int target = position - pairs;
        QString model;
        int count = 0;
        for (const QString& alternative : unclaimed) {
            if (!alternative.isEmpty() && ++count == target) {
                model = alternative;
                break;
            }
        }
        models << model;
    }
    return models;
}

// Every answer sheet of a four-part group over three alternatives, each part
// answered with an alternative (in either case), a wrong word or nothing.
TEST(GroupModelAnswer, wrongPartsGetDistinctUnclaimedAlternativesInOrder) {
    const QStringList keys = fields(";a;b;c> > > ");
    const QStringList choices = {"a", "B", "c", "x", ""};
    int sheets = 0;
    int sheetsKeptAsBefore = 0;
    for (int n = 0; n < 625; ++n) {
        QStringList answers;
        for (int p = 0, rest = n; p < 4; ++p, rest /= 5)
            answers << choices.at(rest % 5);
        QStringList unclaimed = {"a", "b", "c"};
        for (const QString& answer : answers)
            unclaimed.removeAll(answer.toLower());

        QStringList wrongModels;
        for (int part = 1; part <= 4; ++part) {
            if (JudgeChoiceAnswer(answers, keys, part) == kRightCode)
                continue;
            const QString model = GroupModelAnswer(answers, keys, part);
            // The head keeps its own rule: an empty head answer meeting a
            // claimed alternative gets nothing, yet takes its turn.
            const bool headGivesNothing =
                part == 1 && answers.first().isEmpty() && unclaimed.size() < 3;
            const QString expected = headGivesNothing || wrongModels.size() >= unclaimed.size()
                                         ? QString()
                                         : unclaimed.at(wrongModels.size());
            EXPECT_EQ(model, expected) << answers.join(u'>').toStdString() << " part " << part;
            wrongModels << model;
        }

        // Where the pair-counting rule gave the wrong parts distinct answers,
        // they show what they showed before.
        const QStringList before = pairCountingModels(answers, keys);
        QStringList shownBefore;
        for (int part = 1; part <= 4; ++part) {
            if (JudgeChoiceAnswer(answers, keys, part) != kRightCode)
                shownBefore << before.at(part - 1);
        }
        QStringList named = shownBefore;
        named.removeAll(QString());
        if (named.removeDuplicates() == 0) {
            ++sheetsKeptAsBefore;
            EXPECT_EQ(wrongModels, shownBefore) << answers.join(u'>').toStdString();
        }
        ++sheets;
    }
    EXPECT_EQ(sheets, 625);
    // The other 153 sheets showed two wrong parts the same answer.
    EXPECT_EQ(sheetsKeptAsBefore, 472);
}

TEST(GroupModelAnswer, mPartGetsItsFirstUnclaimedAlternative) {
    EXPECT_EQ(GroupModelAnswer({"x"}, {";that;which"}, 1), "that");
    EXPECT_EQ(GroupModelAnswer({"That"}, {";that;which"}, 1), "which");
}

TEST(JudgePart, choosesTheRuleByTypeLetter) {
    const QStringList types = fields("T>M>G>G>Z");
    const QStringList keys = fields("after>;that;which>;a;b> >4");
    const QStringList answers = fields("After>which>b>a>4");
    QStringList results;
    for (int part = 1; part <= keys.size(); ++part)
        results << JudgePart(answers, keys, types, part);
    EXPECT_EQ(resultLetters(results), "RRRR-");
}

// Keys the judge cannot use, and calls outside the lists: refused, never read
// out of bounds.
struct RefusalRow {
    const char* name;
    const char* keys;
    int part;
    MarkingError::Reason reason;
};

class ChoiceRefusal : public testing::TestWithParam<RefusalRow> {};

TEST_P(ChoiceRefusal, throwsInsteadOfJudging) {
    const RefusalRow& row = GetParam();
    const QStringList keys = fields(row.keys);
    const QStringList answers(keys.size(), QStringLiteral("a"));
    for (auto call : {&JudgeChoiceAnswer, &GroupModelAnswer}) {
        try {
            call(answers, keys, row.part);
            ADD_FAILURE() << "no refusal";
        } catch (const MarkingError& error) {
            EXPECT_EQ(error.reason(), row.reason) << error.message().toStdString();
        }
    }
}

const RefusalRow kRefusals[] = {
    {"alternatives_key_without_semicolon", "that;which", 1, MarkingError::Reason::InvalidKey},
    {"group_part_at_start_of_paper", " > ", 2, MarkingError::Reason::InvalidKey},
    {"group_part_after_text_key", "after> ", 2, MarkingError::Reason::InvalidKey},
    {"part_zero", ";a;b", 0, MarkingError::Reason::BadArgument},
    {"part_beyond_the_paper", ";a;b", 2, MarkingError::Reason::BadArgument},
};
INSTANTIATE_TEST_SUITE_P(Refusals, ChoiceRefusal, testing::ValuesIn(kRefusals),
                         rowName<RefusalRow>);

TEST(GroupRule, headIsSoughtAtMostTwentyPartsBack) {
    const QStringList keys = (QStringList{";a;b"} << QStringList(21, QStringLiteral(" ")));
    const QStringList answers(keys.size(), QStringLiteral("a"));
    EXPECT_EQ(JudgeChoiceAnswer(answers, keys, 21), kWrongCode); // 20 back: the head
    EXPECT_THROW(JudgeChoiceAnswer(answers, keys, 22), MarkingError);
    EXPECT_THROW(GroupModelAnswer(answers, keys, 22), MarkingError);
    EXPECT_EQ(GroupSize(keys, 1), 21);
}

TEST(GroupRule, answersShorterThanKeysAreRefused) {
    EXPECT_THROW(JudgeChoiceAnswer({"a"}, {";a;b", " "}, 2), MarkingError);
    EXPECT_THROW(JudgePart({"a", "b"}, {";a;b", " "}, {"G"}, 2), MarkingError);
}

} // namespace
