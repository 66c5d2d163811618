// The answer boxes and the answer sheet as widgets: what a box refuses and
// how it says so, the length limit of Q parts, the frames' stacking, part
// letters and light-blue boxes.
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

TEST(AnswerBoxTest, typedSeparatorsAndEnterAreRefusedWithAHint) {
    AnswerBox box;
    box.show();
    QSignalSpy refused(&box, &AnswerBox::refused);
    QTest::keyClicks(&box, "5>3");
    EXPECT_EQ(box.text(), "53");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Enter);
    EXPECT_EQ(box.text(), "53");
    ASSERT_EQ(refused.size(), 3);
    EXPECT_EQ(refused.at(0).first().toString(), kSeparatorHint);
    EXPECT_EQ(refused.at(1).first().toString(), kLineBreakHint);
}

TEST(AnswerBoxTest, pastedTextIsFilteredToWhatCanBeStored) {
    AnswerBox box;
    box.show();
    QSignalSpy refused(&box, &AnswerBox::refused);
    QApplication::clipboard()->setText("snow\u2603 line\nbreak > caf\u00e9");
    box.paste();
    EXPECT_EQ(box.text(), "snow line break  caf\u00e9");
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused.first().first().toString(), kCharacterHint);
}

TEST(AnswerBoxTest, pastedTabsAndControlCharactersAreKeptOut) {
    AnswerBox box;
    box.show();
    QSignalSpy refused(&box, &AnswerBox::refused);
    QApplication::clipboard()->setText("a\tb\u0001c\u007f");
    box.paste();
    EXPECT_EQ(box.text(), "a bc");
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused.first().first().toString(), kLineBreakHint);

    box.setLongAnswer(true);
    box.setText({});
    box.paste();
    ASSERT_EQ(refused.size(), 2);
    EXPECT_EQ(refused.last().first().toString(), kParagraphHint);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(refused.last().first().toString(), kParagraphHint);
}

// Typing or pasting past the end of what a box shows: the caret stays in
// sight, in a one-line box (which scrolls sideways) and a long one (which
// wraps and scrolls down).
struct CaretCase {
    const char* name;
    bool longAnswer;
    bool pasted;
    const char* text;
};

class CaretInSight : public ::testing::TestWithParam<CaretCase> {};

TEST_P(CaretInSight, afterTypingOrPastingPastTheBoxEdge) {
    const CaretCase& c = GetParam();
    AnswerBox box;
    // The sizes of a one-line box and of a long one in their frames.
    box.resize(c.longAnswer ? QSize(198, 67) : QSize(105, 17));
    box.setLongAnswer(c.longAnswer);
    box.show();
    box.setFocus();
    if (c.pasted) {
        QApplication::clipboard()->setText(QString::fromUtf8(c.text));
        box.paste();
    } else {
        QTest::keyClicks(&box, c.text);
    }
    ASSERT_EQ(box.text(), QString::fromUtf8(c.text));
    const QRect caret = box.cursorRect();
    EXPECT_TRUE(box.viewport()->rect().contains(caret))
        << "caret at " << caret.x() << "," << caret.y() << " in a viewport of "
        << box.viewport()->width() << "x" << box.viewport()->height() << " hbar "
        << box.horizontalScrollBar()->value() << "/" << box.horizontalScrollBar()->maximum()
        << " doc " << box.document()->size().width();
}

// Seven lines or so in a long box, which shows four.
const char kLongSentence[] = "the gas that plants take in from the air is carbon dioxide and "
                             "the gas they give out is oxygen which we breathe in and which "
                             "every animal on the land and in the sea needs to live so the "
                             "plants of the world keep the air fit for all of us to breathe";

INSTANTIATE_TEST_SUITE_P(
    Cases, CaretInSight,
    ::testing::Values(CaretCase{"typed_one_line", false, false, "carbon dioxide gas"},
                      CaretCase{"pasted_one_line", false, true, "carbon dioxide gas"},
                      CaretCase{"typed_long", true, false, kLongSentence},
                      CaretCase{"pasted_long", true, true, kLongSentence}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerBoxTest, aStoredLongAnswerShowsItsBeginning) {
    AnswerBox box;
    box.resize(198, 67);
    box.setLongAnswer(true);
    box.show();
    box.setText(QString::fromUtf8(kLongSentence));
    EXPECT_EQ(box.verticalScrollBar()->value(), 0);
    EXPECT_EQ(box.cursorForPosition(QPoint(1, 1)).position(), 0);
    EXPECT_TRUE(box.viewport()->rect().contains(box.cursorRect()));
}

TEST(AnswerBoxTest, aOneCharacterBoxTakesOneCharacterHoweverItArrives) {
    AnswerBox box;
    box.setMaxLength(1);
    box.show();
    QTest::keyClicks(&box, "23");
    EXPECT_EQ(box.text(), "2");
    QApplication::clipboard()->setText("45");
    box.selectAll();
    box.paste();
    EXPECT_EQ(box.text(), "4");
    // A stored answer is shown as stored, even if longer than the limit.
    box.setText("long");
    EXPECT_EQ(box.text(), "long");
}

TEST(AnswerBoxTest, aReadOnlyBoxTakesNothing) {
    AnswerBox box;
    box.setText("kept");
    box.setReadOnly(true);
    box.show();
    QTest::keyClicks(&box, "x");
    EXPECT_EQ(box.text(), "kept");
}

TEST(AnswerBoxTest, spacesAndNonBreakingSpacesStayAsTyped) {
    AnswerBox box;
    box.show();
    QTest::keyClicks(&box, "  8 2/5 ");
    EXPECT_EQ(box.text(), "  8 2/5 ");
    box.setText("a\u00a0b");
    EXPECT_EQ(box.text(), "a\u00a0b");
}

class AnswerSheetTest : public ::testing::Test {
protected:
    AnswerSheet sheet{Take::First, nullptr, nullptr};
};

TEST_F(AnswerSheetTest, framesCarryTheirDesignNames) {
    for (int k : {1, 20}) {
        AnswerFrame* frame = sheet.frame(k);
        const QString n = QString::number(k);
        EXPECT_EQ(frame->objectName(), "Frame" + n);
        EXPECT_EQ(frame->FA()->objectName(), "FA" + n);
        EXPECT_EQ(frame->QL()->objectName(), "QL" + n);
        EXPECT_EQ(frame->FR()->objectName(), "FR" + n);
        EXPECT_EQ(frame->M()->objectName(), "M" + n);
        EXPECT_EQ(frame->SR(), nullptr);
    }
    AnswerSheet second(Take::Second, nullptr, nullptr);
    EXPECT_EQ(second.frame(7)->SR()->objectName(), "SR7");
    EXPECT_EQ(second.frame(7)->FR()->x(), 240); // 3600 twips
    EXPECT_EQ(second.frame(7)->SR()->x(), 136); // 2040 twips
}

TEST_F(AnswerSheetTest, arrangeShowsAFramePerPartAndTheFirstLetterFromTwoParts) {
    sheet.ArrangeAnswerFrames(1);
    EXPECT_TRUE(sheet.frame(1)->isVisibleTo(&sheet));
    EXPECT_FALSE(sheet.frame(2)->isVisibleTo(&sheet));
    EXPECT_FALSE(sheet.frame(1)->QL()->isVisibleTo(sheet.frame(1)));
    sheet.ArrangeAnswerFrames(2);
    EXPECT_TRUE(sheet.frame(2)->isVisibleTo(&sheet));
    EXPECT_TRUE(sheet.frame(1)->QL()->isVisibleTo(sheet.frame(1)));
    EXPECT_EQ(sheet.frame(2)->QL()->text(), "(b)");
    EXPECT_EQ(sheet.frame(1)->y(), 3);
    EXPECT_EQ(sheet.frame(2)->y(), 35); // 50 + 375 + 105 twips
}

TEST_F(AnswerSheetTest, aLongFirstFrameGrowsAndComesBack) {
    AnswerFrame* first = sheet.frame(1);
    first->layOutFor("L");
    sheet.ArrangeAnswerFrames(2);
    EXPECT_EQ(first->height(), 140);
    EXPECT_EQ(first->FA()->size(), QSize(198, 67));
    EXPECT_EQ(first->FR()->x(), 24 + 198 + 7);
    EXPECT_EQ(sheet.frame(2)->y(), 3 + 140 + 7);
    first->layOutFor("T");
    EXPECT_EQ(first->height(), 25);
    EXPECT_EQ(first->FA()->size(), QSize(105, 17));
    EXPECT_EQ(first->FR()->x(), 136);
}

TEST_F(AnswerSheetTest, bordersArePaintedAndErasedAroundTheAnswerBox) {
    AnswerFrame* frame = sheet.frame(3);
    frame->drawborder(frame->FA(), 0);
    ASSERT_EQ(frame->strokes().size(), 1);
    const QRect box = frame->FA()->geometry();
    EXPECT_EQ(frame->strokes().first().box,
              QRect(QPoint(box.left() - 2, box.top() - 2),
                    QPoint(box.left() + box.width() + 1, box.top() + box.height() + 1)));
    EXPECT_EQ(frame->strokes().first().colour, kBorderBlue);
    frame->drawborder(frame->FA(), 1);
    ASSERT_EQ(frame->strokes().size(), 1);
    EXPECT_EQ(frame->strokes().first().colour, kBorderGrey);
    frame->drawborder(frame->FA(), 2);
    EXPECT_TRUE(frame->strokes().isEmpty());

    // The painted frame shows the light blue at the box's corner.
    frame->drawborder(frame->FA(), 0);
    frame->resize(frame->size());
    const QImage painted = frame->grab().toImage();
    EXPECT_EQ(QColor(painted.pixel(box.left() - 2, box.top() - 2)), kBorderBlue);
}

// The hint of a refusal stands beside or near its box, in sight on the
// sheet, over no answer box, and lets clicks through to what lies under it.
struct HintCase {
    const char* name;
    int parts;
    const char* firstType; // frame 1's type letter
    int frame;             // the box refusing
    int sheetHeight;       // 200: the frames scroll
};

class RefusalHint : public AnswerSheetTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(RefusalHint, coversNoAnswerBox) {
    const HintCase& c = GetParam();
    sheet.resize(273, c.sheetHeight);
    sheet.frame(1)->layOutFor(c.firstType);
    sheet.ArrangeAnswerFrames(c.parts);
    sheet.show();
    AnswerBox* box = sheet.frame(c.frame)->FA();
    box->setFocus();
    QTest::keyClicks(box, ">");
    QLabel* hint = sheet.hintLabel();
    ASSERT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), kSeparatorHint);
    const QRect place(hint->mapTo(&sheet, QPoint(0, 0)), hint->size());
    const QWidget* view = sheet.framesView()->viewport();
    EXPECT_TRUE(QRect(view->mapTo(&sheet, QPoint(0, 0)), view->size()).contains(place));
    for (int k = 1; k <= c.parts; ++k) {
        const AnswerBox* other = sheet.frame(k)->FA();
        const QRect otherPlace(other->mapTo(&sheet, QPoint(0, 0)), other->size());
        EXPECT_FALSE(place.intersects(otherPlace)) << "covers the box of frame " << k;
    }
    EXPECT_TRUE(hint->testAttribute(Qt::WA_TransparentForMouseEvents));
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusalHint,
                         ::testing::Values(HintCase{"middle_of_three", 3, "T", 2, 500},
                                           HintCase{"last_of_twenty", 20, "T", 20, 500},
                                           HintCase{"first_of_twenty", 20, "T", 1, 500},
                                           HintCase{"long_answer", 2, "L", 1, 500},
                                           HintCase{"last_of_twenty_scrolled", 20, "T", 20, 200}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
