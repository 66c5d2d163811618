#include "tools/course_tool/judge_command.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// The course tool gives each part the note the marked sheet of a first take
// shows, so that an author sees which near misses a key will explain.
TEST(JudgeNotesTest, everyPartGetsItsNoteOrAnEmptyOne) {
    const JudgeOutput output =
        JudgeFields("G>G>G>X>N>T>Q", ";woodlouse;earthworm> > >8 2/5>15360>lives>4",
                    "Earthworm>woodlouse>woodlouse>82/5>15360 cm>lifes>9");
    ASSERT_TRUE(output.ok()) << output.error.toStdString();
    EXPECT_EQ(output.notes, QStringList({"", "", "You have already used this answer.",
                                         "Leave a space between the whole number and the fraction.",
                                         "Write the number only.", "Check your spelling.",
                                         "Type the number of one of the options shown."}));
}

TEST(JudgeNotesTest, rightAndFarAnswersGetNone) {
    const JudgeOutput output = JudgeFields("T>T>N", "lives>lives>15360", "LIVES>house>1");
    ASSERT_TRUE(output.ok()) << output.error.toStdString();
    EXPECT_EQ(output.notes, QStringList({"", "", ""}));
}

} // namespace
