// What a screen reader says for the practice window's symbols and figures:
// the answer boxes' names, the result labels, the clock and the score.
#include "practice/logic/spoken_text.h"

#include "marking/answer_judge.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

struct NameCase {
    const char* name;
    int question;
    int part;
    int partCount;
    const char* answer;
    const char* model;
};

class AnswerNamesTest : public testing::TestWithParam<NameCase> {};

TEST_P(AnswerNamesTest, namesThePartAndTheQuestion) {
    const NameCase& c = GetParam();
    EXPECT_EQ(AnswerBoxName(c.question, c.part, c.partCount), QString::fromLatin1(c.answer));
    EXPECT_EQ(ModelAnswerName(c.question, c.part, c.partCount), QString::fromLatin1(c.model));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AnswerNamesTest,
    testing::Values(NameCase{"one_part_has_no_letter", 3, 1, 1, "Answer to question 3",
                             "Model answer to question 3"},
                    NameCase{"second_of_two_parts", 3, 2, 2, "Answer (b) of question 3",
                             "Model answer (b) of question 3"},
                    NameCase{"first_part_keeps_its_letter", 12, 1, 5, "Answer (a) of question 12",
                             "Model answer (a) of question 12"},
                    NameCase{"twentieth_part", 1, 20, 20, "Answer (t) of question 1",
                             "Model answer (t) of question 1"}),
    [](const testing::TestParamInfo<NameCase>& info) { return info.param.name; });

TEST(SpokenTextTest, resultLabelsSayRightWrongOrNotMarkedNotTheSymbol) {
    EXPECT_EQ(ResultName(kRightCode), "right");
    EXPECT_EQ(ResultName(kWrongCode), "wrong");
    EXPECT_EQ(ResultName(QString()), "not marked");
    // A code a hand-edited file holds is not read as a mark.
    EXPECT_EQ(ResultName(QStringLiteral("x")), "not marked");
    EXPECT_EQ(ResultDescription(true, 3, 2, 2), "First try, answer (b) of question 3");
    EXPECT_EQ(ResultDescription(false, 4, 1, 1), "Second try, answer to question 4");
}

struct DurationCase {
    const char* name;
    qint64 seconds;
    const char* spoken;
};

class SpokenDurationTest : public testing::TestWithParam<DurationCase> {};

TEST_P(SpokenDurationTest, readsHoursMinutesAndSecondsInWords) {
    EXPECT_EQ(SpokenDuration(GetParam().seconds), QString::fromLatin1(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SpokenDurationTest,
    testing::Values(DurationCase{"nothing_yet", 0, "0 seconds"},
                    DurationCase{"one_second_is_singular", 1, "1 second"},
                    DurationCase{"minutes_and_seconds", 192, "3 minutes 12 seconds"},
                    DurationCase{"one_minute_exactly", 60, "1 minute 0 seconds"},
                    DurationCase{"an_hour_keeps_its_minutes", 3605, "1 hour 0 minutes 5 seconds"},
                    DurationCase{"past_a_day_stays_in_hours", 90061, "25 hours 1 minute 1 second"},
                    DurationCase{"negative_reads_as_nothing", -5, "0 seconds"}),
    [](const testing::TestParamInfo<DurationCase>& info) { return info.param.name; });

struct ClockCase {
    const char* name;
    const char* clock;
    const char* spoken;
};

class SpokenClockTest : public testing::TestWithParam<ClockCase> {};

TEST_P(SpokenClockTest, readsTheWindowsClockTextOrLeavesItAlone) {
    EXPECT_EQ(SpokenClockText(QString::fromLatin1(GetParam().clock)),
              QString::fromLatin1(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SpokenClockTest,
    testing::Values(ClockCase{"short_fields", "0:3:12", "3 minutes 12 seconds"},
                    ClockCase{"padded_fields", "01:00:09", "1 hour 0 minutes 9 seconds"},
                    ClockCase{"empty_is_kept", "", ""},
                    ClockCase{"two_fields_are_kept", "3:12", "3:12"},
                    ClockCase{"sixty_minutes_are_kept", "0:60:00", "0:60:00"},
                    ClockCase{"letters_are_kept", "0:ab:00", "0:ab:00"},
                    ClockCase{"signs_are_kept", "+1:00:00", "+1:00:00"},
                    ClockCase{"negative_is_kept", "0:-1:00", "0:-1:00"}),
    [](const testing::TestParamInfo<ClockCase>& info) { return info.param.name; });

TEST(SpokenTextTest, scoreAndAnsweredCountAreSentences) {
    EXPECT_EQ(ScoreName(QString()), "Your score: not marked yet");
    EXPECT_EQ(ScoreName(QStringLiteral("66.7")), "Your score: 66.7 percent");
    EXPECT_EQ(AnsweredName(QStringLiteral("5"), QStringLiteral("12")), "Answered: 5 of 12");
}

TEST(SpokenTextTest, markedAnswerSaysResultThenModelThenNote) {
    EXPECT_EQ(MarkedAnswerDescription(QStringLiteral("right"), {}, {}), "right");
    EXPECT_EQ(MarkedAnswerDescription(QStringLiteral("wrong"), QStringLiteral("45"),
                                      QStringLiteral("Check your spelling.")),
              "wrong; model answer 45; Check your spelling.");
    EXPECT_EQ(MarkedAnswerDescription(QStringLiteral("wrong"), {}, QStringLiteral("Units?")),
              "wrong; Units?");
}

} // namespace
