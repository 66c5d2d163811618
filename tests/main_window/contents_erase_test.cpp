#include "contents_fixture.h"
#include "data/file_calls.h"
#include "main_window/erase_page.h"
#include "main_window/home_page.h"
#include "ui_frame/picture_box.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

class EraseTest : public ContentsTest {
protected:
    void SetUp() override {
        start();
        writeScores(1, {{1, "80"}, {2, "40"}}, {{2, "90"}});
        writeScores(3, {{7, "55"}});
        writeBytes(progressFile(ProgressFile::Trend, 1), "#TRD#>80>40\r\n");
        showWindow();
        click(c().Tab[3]);
        click(c().ToolBar[1]);
    }
    ErasePage& page() { return *c().Body_Trash; }
    QStringList visibleControls() {
        QStringList names;
        for (QWidget* control :
             {static_cast<QWidget*>(page().Trashlbl1), static_cast<QWidget*>(page().Trashlbl2),
              static_cast<QWidget*>(page().Trashlbl3), static_cast<QWidget*>(page().ButTrash),
              static_cast<QWidget*>(page().ButTrash_No),
              static_cast<QWidget*>(page().ButTrash_Yes)}) {
            if (control->isVisible())
                names << control->objectName();
        }
        return names;
    }
    void expectEverySubjectReset() {
        for (int s = 1; s <= 3; ++s) {
            for (ProgressFile file : kProgressFiles)
                EXPECT_EQ(readBytes(progressFile(file, s)),
                          readBytes(course_.resource(ProgressTemplateResource(s, file))))
                    << ProgressFileName(file, s, "Q4").toStdString();
        }
    }
};

TEST_F(EraseTest, trashThenNoReturnsToTheOfferAndChangesNothing) {
    const auto before = progressBytes();
    EXPECT_TRUE(page().isVisible());
    EXPECT_EQ(visibleControls(), QStringList({"Trashlbl1", "ButTrash"}));
    EXPECT_EQ(page().Trashlbl1->text(), "Click on the button below if you wish to erase all your "
                                        "past results and reset the program.");

    click(page().ButTrash);
    EXPECT_EQ(visibleControls(), QStringList({"Trashlbl2", "ButTrash_No", "ButTrash_Yes"}));
    EXPECT_EQ(page().Trashlbl2->text(), "Are you sure?");

    click(page().ButTrash_No);
    EXPECT_EQ(visibleControls(), QStringList({"Trashlbl1", "ButTrash"}));
    EXPECT_EQ(progressBytes(), before);
}

TEST_F(EraseTest, trashThenYesResetsEverySubjectAndTheHomePageShowsNoScores) {
    click(page().ButTrash);
    click(page().ButTrash_Yes);

    EXPECT_EQ(visibleControls(), QStringList({"Trashlbl3"}));
    EXPECT_EQ(page().Trashlbl3->text(), "All your past results have been erased.");
    expectEverySubjectReset();

    // Every opening starts with the offer again.
    click(c().ToolBar[1]);
    EXPECT_EQ(visibleControls(), QStringList({"Trashlbl1", "ButTrash"}));

    click(c().Tab[0]);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(c().Body_Home->MSA[k]->text(), "");
        EXPECT_FALSE(c().Body_Home->Pb[k]->isVisible());
    }
}

TEST_F(EraseTest, anOpenPracticeWindowIsUnloadedBeforeTheFilesAreReset) {
    QByteArray summaryAtUnload;
    launcher_.onUnload = [this, &summaryAtUnload] {
        summaryAtUnload = readBytes(progressFile(ProgressFile::Summary, 1));
        c().RefreshContents();
    };
    PaperHandOver paper;
    paper.paperNumber = 101;
    launcher_.OpenPaper(paper);

    click(page().ButTrash);
    click(page().ButTrash_Yes);

    EXPECT_EQ(launcher_.unloads, 1);
    EXPECT_TRUE(summaryAtUnload.contains(">80>")) << summaryAtUnload.toStdString();
    expectEverySubjectReset();
    EXPECT_EQ(visibleControls(), QStringList({"Trashlbl3"}));
}

TEST_F(EraseTest, aResetThatFailsIsToldAndDoesNotClaimTheResultsErased) {
    QFile::remove(course_.resource(ProgressTemplateResource(2, ProgressFile::Trend)));
    c().popUps().setNextAnswer(true);

    click(page().ButTrash);
    click(page().ButTrash_Yes);

    EXPECT_EQ(c().popUps().askedCount(), 1);
    EXPECT_TRUE(c().popUps().lastMessage().contains("Mathematics"))
        << c().popUps().lastMessage().toStdString();
    EXPECT_EQ(visibleControls(), QStringList({"Trashlbl1", "ButTrash"}));
}

// A lasting write failure (a full disk) at some call of the erase. Before
// its commit point nothing is erased and the scores stay on the screen;
// after it the erase holds, is told as done, and the files left over are
// finished by the next load of a subject.
struct EraseFault {
    const char* name;
    int failFrom; // the first file call that fails
    bool erased;
};

class EraseFaultTest : public EraseTest, public testing::WithParamInterface<EraseFault> {};

TEST_P(EraseFaultTest, erasesAllOrNothingAndTellsWhich) {
    const auto before = progressBytes();
    c().popUps().setNextAnswer(true);
    click(page().ButTrash);
    file_calls::setFaultPlan({.failFrom = GetParam().failFrom});
    click(page().ButTrash_Yes);
    file_calls::clearFaultPlan();

    EXPECT_EQ(c().popUps().askedCount(), 1);
    const QString told = c().popUps().lastMessage();
    if (GetParam().erased) {
        EXPECT_TRUE(told.startsWith("Your results are erased, but")) << told.toStdString();
        EXPECT_EQ(visibleControls(), QStringList({"Trashlbl3"}));
        click(c().Tab[0]);
        expectEverySubjectReset();
        EXPECT_EQ(c().Body_Home->MSA[0]->text(), "");
    } else {
        EXPECT_TRUE(told.contains("Nothing was erased")) << told.toStdString();
        EXPECT_EQ(visibleControls(), QStringList({"Trashlbl1", "ButTrash"}));
        EXPECT_EQ(progressBytes(), before);
        click(c().Tab[0]);
        EXPECT_EQ(c().Body_Home->MSA[0]->text(), "80");
    }
}

// 18 files: 4 calls to stage each, a folder sync and 6 calls for the journal
// come before the first rename, call 80.
const EraseFault kEraseFaults[] = {
    {"at_the_first_call", 1, false},
    {"while_staging", 40, false},
    {"while_writing_the_journal", 76, false},
    {"after_two_renames", 82, true},
};

INSTANTIATE_TEST_SUITE_P(Faults, EraseFaultTest, testing::ValuesIn(kEraseFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EraseTest, aPracticeWindowThePupilKeepsOpenStopsTheErase) {
    PaperHandOver paper;
    paper.paperNumber = 101;
    launcher_.OpenPaper(paper);
    launcher_.keepsWindow = true; // its answers could not be saved, and the pupil kept it
    const auto before = progressBytes();

    click(page().ButTrash);
    click(page().ButTrash_Yes);

    EXPECT_EQ(launcher_.keptWindows, 1);
    EXPECT_EQ(progressBytes(), before);
    EXPECT_EQ(visibleControls(), QStringList({"Trashlbl1", "ButTrash"}));
}

TEST_F(EraseTest, aPracticeWindowThePupilKeepsOpenKeepsTheProgramOpen) {
    PaperHandOver paper;
    paper.paperNumber = 101;
    launcher_.OpenPaper(paper);
    launcher_.keepsWindow = true;
    c().CloseProgram();
    EXPECT_TRUE(c().isVisible());
    EXPECT_TRUE(c().close() == false);
    EXPECT_TRUE(c().isVisible());

    launcher_.keepsWindow = false;
    c().CloseProgram();
    EXPECT_FALSE(c().isVisible());
    EXPECT_EQ(launcher_.unloads, 1);
}

TEST_F(EraseTest, theButtonsShowTheirHoverPicture) {
    moveCursorTo(page().ButTrash);
    tick();
    EXPECT_EQ(page().ButTrash->pictureName(), "button_on.bmp");
    click(page().ButTrash);
    moveCursorTo(page().ButTrash_Yes);
    tick();
    EXPECT_EQ(page().ButTrash_Yes->pictureName(), "button_on.bmp");
    EXPECT_EQ(page().ButTrash_No->pictureName(), "button_off.bmp");
}

} // namespace
