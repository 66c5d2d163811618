#include "marking/answer_judge.h"
#include "marking/answer_note.h"
#include "marking_test_support.h"
#include "tests/support/test_support.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace orvanta {
// Readable notes in failure messages.
void PrintTo(AnswerNote note, std::ostream* os) {
    *os << static_cast<int>(note) << " \"" << AnswerNoteText(note).toStdString() << '"';
}
} // namespace orvanta

namespace {

using enum AnswerNote;

// One answer against its key; for a group part, `before` holds the answers
// of the group's earlier parts joined with ">" and `key` the head's key.
struct NoteRow {
    const char* name;
    const char* type;
    const char* key;
    const char* answer;
    AnswerNote note;
    const char* before = nullptr;
};

QStringList beforeOf(const NoteRow& row) {
    return row.before ? fields(row.before) : QStringList();
}

bool judgedRight(const NoteRow& row) {
    const QString type = u8(row.type);
    if (type != u"G" && type != u"M")
        return JudgeAnswer(u8(row.answer), u8(row.key), type) == kRightCode;
    QStringList answers = beforeOf(row) + QStringList{u8(row.answer)};
    QStringList keys(answers.size(), QStringLiteral(" "));
    keys[0] = u8(row.key);
    return JudgeChoiceAnswer(answers, keys, static_cast<int>(answers.size())) == kRightCode;
}

class WrongAnswerNoteTest : public testing::TestWithParam<NoteRow> {};

TEST_P(WrongAnswerNoteTest, namesTheNearMiss) {
    const NoteRow& row = GetParam();
    EXPECT_EQ(WrongAnswerNote(u8(row.answer), u8(row.key), u8(row.type), beforeOf(row)), row.note);
}

// A note explains a cross: an answer that gets one is one the judge finds wrong.
TEST_P(WrongAnswerNoteTest, comesOnlyWithAWrongAnswer) {
    const NoteRow& row = GetParam();
    if (row.note == None || u8(row.type) == u"Z" || u8(row.key) == u"ten")
        return;
    EXPECT_FALSE(judgedRight(row));
}

// Before the expected answer is shown, the note must not give it away.
TEST_P(WrongAnswerNoteTest, firstTakeTextDoesNotGiveTheAnswerAway) {
    const NoteRow& row = GetParam();
    if (row.note == None)
        return;
    const QString text = AnswerNoteText(row.note, NoteReader::AnswerHidden);
    ASSERT_FALSE(text.isEmpty());
    const QString key = u8(row.key);
    const QStringList expected = key.startsWith(u';') ? SplitAlternatives(key) : QStringList{key};
    for (const QString& answer : expected) {
        const QRegularExpression word(QStringLiteral("(^|\\W)") +
                                          QRegularExpression::escape(answer.trimmed()) +
                                          QStringLiteral("($|\\W)"),
                                      QRegularExpression::CaseInsensitiveOption);
        EXPECT_FALSE(word.match(text).hasMatch()) << text.toStdString();
    }
    EXPECT_FALSE(AnswerNoteText(row.note, NoteReader::AnswerShown).isEmpty());
}

const NoteRow kValueRows[] = {
    {"equivalent_fraction", "F", "5/28", "10/56", SameValueOtherForm},
    {"equivalent_fraction_with_spaces", "F", "5/28", "10 / 56", SameValueOtherForm},
    {"improper_fraction_for_mixed_number", "X", "8 2/5", "42/5", SameValueOtherForm},
    {"mixed_number_not_in_lowest_terms", "X", "8 2/5", "8 4/10", SameValueOtherForm},
    {"mixed_number_for_improper_fraction", "F", "261/104", "2 53/104", SameValueOtherForm},
    {"whole_number_for_fraction", "F", "12/4", "3", SameValueOtherForm},
    {"scaled_ratio", "R", "14:5", "28:10", SameValueOtherForm},
    {"scaled_three_term_ratio", "R", "6:5:3", "12 : 10 : 6", SameValueOtherForm},
    {"ratio_with_decimal_terms", "R", "14:5", "2.8:1", SameValueOtherForm},
    {"ratio_written_as_fraction", "R", "14:5", "14/5", SameValueOtherForm},
    {"fraction_for_decimal_number", "N", "0.5", "1/2", SameValueOtherForm},
    {"decimal_text_with_trailing_zero", "T", "76.67", "76.670", SameValueOtherForm},
    {"reversed_ratio_gets_none", "R", "14:5", "5:14", None},
    {"ratio_missing_a_term_gets_none", "R", "6:5:3", "6:5", None},
    {"other_fraction_gets_none", "F", "5/28", "5/27", None},
    {"zero_denominator_gets_none", "F", "5/28", "5/0", None},
    {"zero_ratio_term_gets_none", "R", "14:5", "0:0", None},
};
INSTANTIATE_TEST_SUITE_P(SameValue, WrongAnswerNoteTest, testing::ValuesIn(kValueRows),
                         rowName<NoteRow>);

const NoteRow kMixedNumberRows[] = {
    {"mixed_number_without_its_space", "X", "8 2/5", "82/5", MixedNumberNoSpace},
    {"long_mixed_number_without_its_space", "X", "182 2/7", "1822/7", MixedNumberNoSpace},
    {"space_inside_the_whole_number", "X", "12 3/4", "1 2 3/4", MixedNumberSpaces},
    {"exact_decimal_for_mixed_number", "X", "3 1/2", "3.5", DecimalForFraction},
    {"exact_decimal_for_fraction", "F", "1/4", "0.25", DecimalForFraction},
    {"decimal_rounded_to_two_places", "F", "1/3", "0.33", DecimalForFraction},
    {"decimal_rounded_to_one_place", "F", "2/3", "0.7", DecimalForFraction},
    {"far_decimal_gets_none", "F", "1/3", "0.5", None},
    {"badly_rounded_decimal_gets_none", "F", "1/3", "0.34", None},
    {"decimal_for_ratio_gets_none", "R", "14:5", "2.8", None},
    {"other_mixed_number_gets_none", "X", "8 2/5", "8 3/5", None},
};
INSTANTIATE_TEST_SUITE_P(MixedNumbers, WrongAnswerNoteTest, testing::ValuesIn(kMixedNumberRows),
                         rowName<NoteRow>);

const NoteRow kNumberRows[] = {
    {"unit_after_the_number", "N", "15360", "15360 cm", NumberWithUnit},
    {"unit_without_a_space", "N", "24.004", "24.004kg", NumberWithUnit},
    {"currency_sign_before", "N", "115.5", "$115.50", NumberWithUnit},
    {"square_unit", "N", "36", "36 cm2", NumberWithUnit},
    {"degrees", "N", "-5", "-5 °C", NumberWithUnit},
    {"word_before_the_number", "N", "50", "about 50", NumberWithUnit},
    {"equation_for_the_number", "N", "5", "x = 5", NumberWithUnit},
    {"unit_after_a_decimal_text", "T", "76.67", "76.67 kg", NumberWithUnit},
    {"unit_with_full_stop", "N", "15360", "15360 cm.", NumberWithUnit},
    {"digits_grouped_by_spaces", "N", "15360", "15 360", NumberWithSpaces},
    {"point_moved_left", "N", "115.5", "11.55", DecimalPointPlace},
    {"point_moved_right", "N", "24.004", "2400.4", DecimalPointPlace},
    {"point_put_into_a_whole_number", "N", "15360", "153.6", DecimalPointPlace},
    {"point_left_out", "N", "115.5", "1155", DecimalPointPlace},
    {"point_moved_in_a_decimal_text", "T", "76.67", "7.667", DecimalPointPlace},
    {"wrong_number_with_unit_gets_none", "N", "15360", "1536 cm", None},
    {"zero_left_out_without_a_point_gets_none", "N", "15360", "1536", None},
    {"other_sign_gets_none", "N", "-3", "0.3", None},
    {"near_number_gets_none", "N", "115.5", "115.49", None},
    {"number_in_words_gets_none", "N", "15360", "fifteen thousand", None},
    {"two_numbers_get_none", "N", "15360", "15360 or 15361", None},
};
INSTANTIATE_TEST_SUITE_P(Numbers, WrongAnswerNoteTest, testing::ValuesIn(kNumberRows),
                         rowName<NoteRow>);

const NoteRow kTextRows[] = {
    {"full_stop_added_to_sentence", "L", "she will not go to work", "She will not go to work.",
     FullStopAdded},
    {"full_stop_missing_from_sentence", "L", "The cat sat on the mat.", "the cat sat on the mat",
     FullStopMissing},
    {"full_stop_added_to_word", "T", "lives", "lives.", FullStopAdded},
    {"full_stop_doubled", "L", "We played outside.", "we played outside..", FullStopAdded},
    {"full_stop_added_to_alternative", "M", ";Fruits;Fruit", "fruit.", FullStopAdded},
    {"space_inside_a_word", "T", "lives", "li ves", SpaceInsideWord},
    {"space_inside_a_word_of_a_sentence", "L", "she will not go to work",
     "she will not go to wo rk", SpaceInsideWord},
    {"words_run_together", "T", "so that", "sothat", WordSpacing},
    {"doubled_space_between_words", "T", "so that", "so  that", WordSpacing},
    {"time_without_its_space", "T", "1.30 AM", "1.30am", WordSpacing},
    {"letter_left_out", "T", "painting", "paintng", OneLetterOff},
    {"letter_put_in", "T", "lives", "livess", OneLetterOff},
    {"letter_changed", "T", "visited", "visitid", OneLetterOff},
    {"neighbours_swapped", "T", "planted", "planetd", OneLetterOff},
    {"letters_swapped_in_a_sentence", "L", "she will not go to work", "she will not go to wrok",
     OneLetterOff},
    {"accent_left_off", "T", "café", "cafe", OneLetterOff},
    {"apostrophe_left_out", "T", "don't", "dont", OneLetterOff},
    {"comma_left_out_gets_none", "L", "Although it was raining, we played outside.",
     "Although it was raining we played outside.", None},
    {"alternative_misspelt", "M", ";that;which", "whch", OneLetterOff},
    {"short_word_gets_none", "T", "sat", "sit", None},
    {"short_word_in_a_sentence_gets_none", "L", "she will not go to work",
     "she will not go ta work", None},
    {"two_letters_off_get_none", "T", "painting", "pointinf", None},
    {"digits_swapped_in_a_time_get_none", "T", "1.30 AM", "1.03 AM", None},
    {"other_word_gets_none", "T", "lives", "house", None},
    {"other_alternative_gets_none", "M", ";Fruits;Fruit", "vegetables", None},
};
INSTANTIATE_TEST_SUITE_P(Text, WrongAnswerNoteTest, testing::ValuesIn(kTextRows), rowName<NoteRow>);

const NoteRow kOptionAndGroupRows[] = {
    {"option_beyond_the_last", "Q", "4", "7", OptionOutOfRange},
    {"option_zero", "Q", "2", "0", OptionOutOfRange},
    {"option_letter_for_its_number", "Q", "3", "b", OptionOutOfRange},
    {"other_option_gets_none", "Q", "4", "3", None},
    {"group_repeats_claimed_alternative", "G", ";woodlouse;earthworm", "woodlouse",
     AnswerAlreadyUsed, "Earthworm>woodlouse"},
    {"group_repeats_in_other_case", "G", ";Spider;Mouse;Blackbird", "MOUSE", AnswerAlreadyUsed,
     "mouse"},
    {"group_misspells_open_alternative", "G", ";woodlouse;earthworm", "earthwom", OneLetterOff,
     "woodlouse"},
    {"group_misspells_claimed_alternative_gets_none", "G", ";woodlouse;earthworm", "woodlose", None,
     "woodlouse"},
    {"group_repeats_wrong_answer_gets_none", "G", ";woodlouse;earthworm", "snail", None, "snail"},
    {"group_head_misspelt", "G", ";woodlouse;earthworm", "woodlous", OneLetterOff},
};
INSTANTIATE_TEST_SUITE_P(OptionsAndGroups, WrongAnswerNoteTest,
                         testing::ValuesIn(kOptionAndGroupRows), rowName<NoteRow>);

const NoteRow kNoNoteRows[] = {
    {"right_word", "T", "lives", "Lives", None},
    {"right_mixed_number", "X", "8 2/5", " 8  2/5 ", None},
    {"right_number", "N", "15360", "15360.00", None},
    {"right_group_part", "G", ";woodlouse;earthworm", "woodlouse", None, "earthworm"},
    {"empty_answer", "T", "lives", "", None},
    {"blank_answer", "N", "15360", "   ", None},
    {"unknown_type_letter", "Z", "4", "5", None},
    {"key_the_judge_cannot_read", "N", "ten", "10", None},
    {"alternatives_key_without_separator", "M", "that;which", "tha", None},
};
INSTANTIATE_TEST_SUITE_P(NoNote, WrongAnswerNoteTest, testing::ValuesIn(kNoNoteRows),
                         rowName<NoteRow>);

// Whole papers: the group of a " " part is found from the keys.
struct PaperRow {
    const char* name;
    const char* types;
    const char* keys;
    const char* answers;
    QList<AnswerNote> notes;
};

class PartNoteTest : public testing::TestWithParam<PaperRow> {};

TEST_P(PartNoteTest, findsEachPartsGroup) {
    const PaperRow& row = GetParam();
    const QStringList answers = fields(row.answers);
    QList<AnswerNote> notes;
    for (int part = 1; part <= answers.size(); ++part)
        notes.append(PartNote(answers, fields(row.keys), fields(row.types), part));
    EXPECT_EQ(notes, row.notes);
}

INSTANTIATE_TEST_SUITE_P(
    Papers, PartNoteTest,
    testing::Values(
        PaperRow{"third_part_repeats_the_second",
                 "G>G>G",
                 ";woodlouse;earthworm> > ",
                 "Earthworm>woodlouse>woodlouse",
                 {None, None, AnswerAlreadyUsed}},
        PaperRow{"group_after_other_parts",
                 "T>N>G>G",
                 "lives>15360>;Spider;Mouse;Blackbird> ",
                 "lifes>15360 cm>mouse>Mouse",
                 {OneLetterOff, NumberWithUnit, None, AnswerAlreadyUsed}},
        PaperRow{"second_group_does_not_see_the_first",
                 "G>G>G>G",
                 ";owl;duck> >;owl;hen> ",
                 "owl>duck>hen>owl",
                 {None, None, None, None}},
        PaperRow{
            "unanswered_parts", "G>G>Q", ";woodlouse;earthworm> >4", ">>", {None, None, None}}),
    rowName<PaperRow>);

TEST(PartNoteArguments, listsOfUnequalLengthGetNoNote) {
    EXPECT_EQ(PartNote(fields("lifes"), fields("lives>so that"), fields("T>T"), 1), None);
    EXPECT_EQ(PartNote(fields("lifes"), fields("lives"), fields("T"), 2), None);
    EXPECT_EQ(PartNote(fields("lifes"), fields("lives"), fields("T"), 0), None);
    EXPECT_EQ(PartNote(fields(" "), fields(" "), fields("G"), 1), None);
}

} // namespace
