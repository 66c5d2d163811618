#include "contents_test_support.h"
#include "main_window/logic/tab_strip_rules.h"
#include "main_window/logic/toolbar_rules.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct TabRow {
    const char* name;
    std::array<bool, 3> present;
    std::array<int, 4> lefts;
};

class TabPlaces : public testing::TestWithParam<TabRow> {};

TEST_P(TabPlaces, presentTabsOverlapByFourAndAbsentOnesGoOutOfSight) {
    EXPECT_EQ(TabLefts(GetParam().present, 100), GetParam().lefts);
}

const TabRow kTabRows[] = {
    {"three_subjects", {true, true, true}, {2, 98, 194, 290}},
    {"first_absent", {false, true, true}, {-100, 2, 98, 194}},
    {"middle_absent", {true, false, true}, {2, -100, 98, 194}},
    {"none", {false, false, false}, {-100, -100, -100, 2}},
};
INSTANTIATE_TEST_SUITE_P(Subjects, TabPlaces, testing::ValuesIn(kTabRows), rowName<TabRow>);

TEST(TabTop, theChosenTabStandsTwoHigherAndHalfPixelsRoundUp) {
    EXPECT_EQ(TabTop(60, 27, false), 36); // 35.5
    EXPECT_EQ(TabTop(60, 27, true), 34);  // 33.5
    EXPECT_EQ(TabTop(60, 28, false), 35); // 34.5
}

struct PageRow {
    const char* name;
    int tab;
    int button;
    PageCommand command;
};

class ShowPageTable : public testing::TestWithParam<PageRow> {};

TEST_P(ShowPageTable, turnsTabAndToolbarIntoACommand) {
    EXPECT_EQ(ShowPageCommand(GetParam().tab, GetParam().button), GetParam().command);
}

const PageRow kPageRows[] = {
    {"subject_home", 2, 1, PageCommand::LoadHome},
    {"subject_report", 1, 2, PageCommand::ShowReport},
    {"subject_print", 3, 3, PageCommand::PrintResults},
    {"subject_close", 1, 4, PageCommand::CloseProgram},
    {"help_about", 4, 1, PageCommand::ShowAbout},
    {"help_trash", 4, 2, PageCommand::ShowTrash},
    {"help_hidden_third", 4, 3, PageCommand::Nothing},
    {"help_setup", 4, 4, PageCommand::PrintSetup},
    {"toolbar_at_start_up", 1, 0, PageCommand::Nothing},
    {"no_tab", 0, 1, PageCommand::Nothing},
    {"past_the_help_tab", 5, 1, PageCommand::Nothing},
    {"fifth_button", 1, 5, PageCommand::Nothing},
};
INSTANTIATE_TEST_SUITE_P(Pairs, ShowPageTable, testing::ValuesIn(kPageRows), rowName<PageRow>);

TEST(ToolbarSets, helpTabHasNoThirdButtonAndPicturesFollowTheCommand) {
    EXPECT_FALSE(ToolbarEntryFor(true, 3));
    EXPECT_FALSE(ToolbarEntryFor(false, 5));
    const ToolbarEntry trash = *ToolbarEntryFor(true, 2);
    EXPECT_EQ(trash.offPicture, "trash_off.bmp");
    EXPECT_EQ(trash.onPicture, "trash_on.bmp");
    EXPECT_EQ(trash.pressedPicture, "trash_pressed.bmp");
    EXPECT_EQ(ToolbarEntryFor(false, 4)->pressedPicture, "close_pressed.bmp");
}

} // namespace
