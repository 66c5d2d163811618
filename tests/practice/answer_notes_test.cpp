// The notes of a marked sheet: which parts get one and in whose words, and
// the strip and the crosses' tooltips on a real answer sheet, which must
// keep to free space and leave the frames where they are.
#include "marking/answer_judge.h"
#include "practice/answer_notes.h"
#include "practice/answer_sheet.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/units.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

const QString R = kRightCode;
const QString W = kWrongCode;

QStringList split(const char* joined) {
    return QString::fromUtf8(joined).split(u'>');
}

// One question of a paper: parts offset+1 .. offset+partCount.
struct SheetNotesRow {
    const char* name;
    const char* answers;
    const char* results;
    int offset;
    int partCount;
    Take take;
    QList<int> frames; // frames that get a note
    QStringList texts; // their texts
};

class MarkedSheetNotesTest : public testing::TestWithParam<SheetNotesRow> {};

// A paper of T, N, X, G, G parts keyed "walks", "15360", "8 2/5" and a group.
const QStringList kKeys = split("walks>15360>8 2/5>;woodlouse;earthworm> ");
const QStringList kTypes = split("T>N>X>G>G");

TEST_P(MarkedSheetNotesTest, notesOnlyTheWrongPartsOfTheQuestion) {
    const SheetNotesRow& row = GetParam();
    QList<int> frames;
    QStringList texts;
    for (const FrameNote& note : MarkedSheetNotes(split(row.answers), split(row.results), kKeys,
                                                  kTypes, row.offset, row.partCount, row.take)) {
        frames << note.frame;
        texts << note.text;
    }
    EXPECT_EQ(frames, row.frames);
    EXPECT_EQ(texts, row.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MarkedSheetNotesTest,
    testing::Values(SheetNotesRow{"first_take_keeps_the_answer_hidden",
                                  "walk>15360 cm>82/5>woodlouse>woodlouse",
                                  "\u00fb>\u00fb>\u00fb>\u00fc>\u00fb",
                                  0,
                                  5,
                                  Take::First,
                                  {1, 2, 3, 5},
                                  {"Check your spelling.", "Write the number only.",
                                   "Leave a space between the whole number and the fraction.",
                                   "You have already used this answer."}},
                    SheetNotesRow{"second_take_points_to_the_answer_shown",
                                  "walk>15360>8 2/5>x>x",
                                  "\u00fb>\u00fc>\u00fc>\u00fb>\u00fb",
                                  0,
                                  5,
                                  Take::Second,
                                  {1},
                                  {"Check your spelling against the answer shown."}},
                    SheetNotesRow{"frames_count_from_the_question",
                                  "walks>15360>8 2/5>woodlouse>woodlouse",
                                  "\u00fc>\u00fc>\u00fc>\u00fc>\u00fb",
                                  3,
                                  2,
                                  Take::First,
                                  {2},
                                  {"You have already used this answer."}},
                    // A result read from the file rules: a part stored as right gets no
                    // note whatever its answer.
                    SheetNotesRow{"parts_stored_right_get_none",
                                  "walk>15360 cm>82/5>x>x",
                                  "\u00fc>>\u00fc>\u00fb>\u00fb",
                                  0,
                                  5,
                                  Take::First,
                                  {},
                                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

// An answer sheet at its design width, `height` pixels high, with the frames
// of a question of `parts` one-line parts stacked and shown.
class NotesStripTest : public testing::Test {
protected:
    void makeSheet(Take take, int parts, int height) {
        sheet = std::make_unique<AnswerSheet>(take, nullptr, nullptr);
        sheet->resize(twipsToPixels(4095), height);
        sheet->ArrangeAnswerFrames(parts);
        sheet->show();
        strip = new AnswerNotesStrip(sheet.get());
        partCount = parts;
    }

    QList<QRect> frameGeometries() const {
        QList<QRect> geometries;
        for (int k = 1; k <= kAnswerFrameCount; ++k)
            geometries << sheet->frame(k)->geometry();
        return geometries;
    }

    std::unique_ptr<AnswerSheet> sheet;
    AnswerNotesStrip* strip = nullptr;
    int partCount = 0;
};

const QList<FrameNote> kTwoNotes = {{1, "Check your spelling."}, {4, "Write the number only."}};

TEST_F(NotesStripTest, listsTheNotesUnderTheLastFrameWithoutMovingAnything) {
    makeSheet(Take::First, 5, 480);
    const QList<QRect> before = frameGeometries();
    strip->showNotes(kTwoNotes, partCount);

    EXPECT_EQ(frameGeometries(), before);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(strip->listedCount(), 2);
    EXPECT_TRUE(strip->text().contains("<b>(a)</b>&nbsp;Check your spelling."));
    EXPECT_TRUE(strip->text().contains("<b>(d)</b>&nbsp;Write the number only."));
    EXPECT_GT(strip->y(), sheet->frame(5)->geometry().bottom());
    EXPECT_LE(strip->geometry().bottom(), sheet->height());
    for (int k = 1; k <= kAnswerFrameCount; ++k)
        EXPECT_FALSE(strip->geometry().intersects(sheet->frame(k)->geometry()) &&
                     sheet->frame(k)->isVisible())
            << k;
}

TEST_F(NotesStripTest, crossesCarryTheirNotesAndAMarkInTheFirstTake) {
    makeSheet(Take::First, 5, 480);
    strip->showNotes(kTwoNotes, partCount);
    EXPECT_EQ(sheet->frame(1)->FR()->toolTip(), "Check your spelling.");
    EXPECT_EQ(sheet->frame(4)->FR()->toolTip(), "Write the number only.");
    EXPECT_TRUE(sheet->frame(2)->FR()->toolTip().isEmpty());
    ASSERT_NE(strip->noteMark(1), nullptr);
    EXPECT_TRUE(strip->noteMark(1)->isVisibleTo(sheet->frame(1)));
    EXPECT_EQ(strip->noteMark(1)->toolTip(), "Check your spelling.");
    EXPECT_EQ(strip->noteMark(2), nullptr);
    // Right of the cross, inside the frame.
    const QRect cross = sheet->frame(1)->FR()->geometry();
    EXPECT_GT(strip->noteMark(1)->x(), cross.right());
    EXPECT_LE(strip->noteMark(1)->geometry().right(), sheet->frame(1)->width());

    // The next question's notes replace them; none clears them.
    strip->showNotes({{2, "Check your spelling."}}, partCount);
    EXPECT_TRUE(sheet->frame(1)->FR()->toolTip().isEmpty());
    EXPECT_FALSE(strip->noteMark(1)->isVisibleTo(sheet->frame(1)));
    strip->clear();
    EXPECT_FALSE(strip->isVisible());
    EXPECT_TRUE(sheet->frame(2)->FR()->toolTip().isEmpty());
}

TEST_F(NotesStripTest, theSecondTakeNotesTheSecondResultsWithoutMarks) {
    makeSheet(Take::Second, 5, 480);
    strip->showNotes(kTwoNotes, partCount);
    EXPECT_EQ(sheet->frame(1)->SR()->toolTip(), "Check your spelling.");
    EXPECT_TRUE(sheet->frame(1)->FR()->toolTip().isEmpty());
    EXPECT_EQ(strip->noteMark(1), nullptr);
    EXPECT_EQ(strip->listedCount(), 2);
}

TEST_F(NotesStripTest, aOnePartQuestionListsItsNoteWithoutALetter) {
    makeSheet(Take::First, 1, 480);
    strip->showNotes({{1, "Write the number only."}}, partCount);
    EXPECT_FALSE(strip->text().contains("(a)"));
    EXPECT_TRUE(strip->text().contains("Write the number only."));
}

TEST_F(NotesStripTest, notesThatDoNotFitAreLeftToTheTooltips) {
    // Twenty parts fill a sheet of the default window to its bottom.
    QList<FrameNote> many;
    for (int k = 1; k <= 20; k += 2)
        many.append({k, "Check your spelling."});
    makeSheet(Take::First, 20, 500);
    strip->showNotes(many, partCount);
    EXPECT_FALSE(strip->isVisible());
    EXPECT_EQ(strip->listedCount(), 0);
    EXPECT_EQ(sheet->frame(19)->FR()->toolTip(), "Check your spelling.");

    // Made taller, the sheet lists some of them, and says where the rest are.
    sheet->resize(sheet->width(), 600);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_GT(strip->listedCount(), 0);
    EXPECT_LT(strip->listedCount(), 10);
    EXPECT_TRUE(strip->text().contains("Point at a cross to read its note."));
    EXPECT_LE(strip->geometry().bottom(), sheet->height());

    sheet->resize(sheet->width(), 1200);
    EXPECT_EQ(strip->listedCount(), 10);
    EXPECT_FALSE(strip->text().contains("Point at a cross"));
}

TEST_F(NotesStripTest, keepsAboveTheInstructionPicture) {
    makeSheet(Take::First, 5, 360);
    sheet->PicInstruction()->setFallbackSize(QSize(250, 100));
    sheet->PicInstruction()->show();
    sheet->showInstruction(true);
    strip->showNotes(kTwoNotes, partCount);
    ASSERT_TRUE(strip->isVisible());
    EXPECT_LT(strip->mapTo(sheet.get(), QPoint(0, strip->height() - 1)).y(),
              sheet->PicInstruction()->y());
}

TEST_F(NotesStripTest, markOfALongAnswerStandsUnderItsCross) {
    makeSheet(Take::First, 1, 480);
    sheet->frame(1)->layOutFor("L");
    sheet->ArrangeAnswerFrames(1);
    strip->showNotes({{1, "End it with a full stop."}}, 1);
    const QRect cross = sheet->frame(1)->FR()->geometry();
    ASSERT_NE(strip->noteMark(1), nullptr);
    EXPECT_GT(strip->noteMark(1)->y(), cross.bottom());
    EXPECT_LE(strip->noteMark(1)->geometry().right(), sheet->frame(1)->width());
    EXPECT_GT(strip->y(), sheet->frame(1)->geometry().bottom());
}

} // namespace
