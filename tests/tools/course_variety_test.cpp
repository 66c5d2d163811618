#include "tests/support/test_support.h"
#include "tools/course_tool/course_check.h"
#include "tools/course_tool/course_variety.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// ---- blurring ------------------------------------------------------------------

struct BlurCase {
    const char* name;
    const char* text;
    const char* frame;
};

const BlurCase kBlurCases[] = {
    {"name_and_bracketed_word", "At the moment, Mei is (paint) the fence.",
     "at the moment NAME is"},
    {"title_and_family_name", "Mrs Patel bought 3 pens for the class.", "NAME bought # pens for"},
    {"title_with_a_full_stop", "Dr. Evans drove 12 km.", "NAME drove # km"},
    {"numbers_fractions_and_answer_line", "Work out 3/4 + 1/6 . Answer: ___",
     "work out # # answer"},
    // A full stop straight after a number belongs to the number: no new sentence.
    {"full_stop_after_a_number", "Work out 3/4 + 1/6. Answer: ___", "work out # # NAME"},
    {"times_and_grouped_thousands", "At 9.05 am 12,000 people came.", "at # am # people"},
    {"capital_inside_a_sentence_is_a_name", "The bus left Leeds at 9.05 am.",
     "the bus left NAME at"},
    {"capital_after_a_sentence_mark_is_a_word", "It rained. Then it snowed.",
     "it rained then it snowed"},
    {"pronoun_i_stays_a_word", "Then I saw the sea.", "then i saw the sea"},
    {"blank_and_hint", "Tom ___ (go) home.", "NAME ___ ( ) home"},
    {"hyphenated_and_apostrophe_words", "Write forty-two in figures, don't guess.",
     "write forty-two in figures don't"},
    // A possessive name at the start of a sentence is read as a word, as the
    // generator's measure reads it.
    {"possessive_name_at_sentence_start", "Mei's kite flew.", "mei's kite flew"},
    {"listed_name_at_sentence_start", "Ravi has 5 cards.", "NAME has # cards"},
    {"fewer_than_five_words", "What is 7 - 2?", "what is # #"},
};

class BlurTest : public ::testing::TestWithParam<BlurCase> {};

TEST_P(BlurTest, frameBlursNamesNumbersAndBracketedWords) {
    const BlurCase& c = GetParam();
    EXPECT_EQ(FrameOf(QString::fromUtf8(c.text)), QString::fromUtf8(c.frame));
}

INSTANTIATE_TEST_SUITE_P(Frames, BlurTest, ::testing::ValuesIn(kBlurCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CourseNamesTest, holdTheGeneratorsPupilsAndGrownUps) {
    // Read from tools/course_gen/orvanta_course/names.py at build time.
    for (const char* name : {"Mei", "Ravi", "Yusuf", "Patel", "Berg"})
        EXPECT_TRUE(CourseNames().contains(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(CourseNames().contains(QStringLiteral("Leeds")));
}

// ---- reading a page ---------------------------------------------------------------

const char* const kChoicePage =
    "<html><head><title>Question 3</title></head><body>\n"
    "<div class=\"top\"><span class=\"badge\">Question 3</span><span class=\"marks\">1 "
    "mark</span></div>\n"
    "<p class=\"ins\">Choose the correct answer.</p>\n"
    "<p>Which fraction is equal to <span class=\"fr\"><span>1</span><span>3</span></span>?</p>\n"
    "<div class=\"opts\"><div class=\"opt\"><span class=\"on\">1</span>2/6</div>"
    "<div class=\"opt\"><span class=\"on\">2</span>3/6</div></div>\n"
    "<div class=\"part\"><span class=\"lbl\">(a)</span> Tom&rsquo;s &pound;2 &minus; 5&deg;</div>\n"
    "<p class=\"ans\">Answer: <span class=\"blank\">&nbsp;</span> cm&sup2;</p>\n"
    "</body></html>";

TEST(QuestionViewTest, leavesOutTheInstructionBadgeAndOptions) {
    const QuestionView view = ViewOfPage(20003, QString::fromUtf8(kChoicePage), {});
    EXPECT_EQ(view.instruction, "Choose the correct answer.");
    EXPECT_EQ(view.options, QStringList({"2/6", "3/6"}));
    EXPECT_EQ(view.parts, QStringList({QString::fromUtf8("Tom's \u00a32 \u2212 5\u00b0")}));
    EXPECT_EQ(
        view.text,
        QString::fromUtf8("Which fraction is equal to 1/3 ? Tom's \u00a32 \u2212 5\u00b0 Answer: "
                          "___ cm\u00b2"));
}

QByteArray archiveOf(const QByteArray& html, const QByteArray& pictureName, const QByteArray& svg) {
    QByteArray bytes = "MIME-Version: 1.0\r\n"
                       "Content-Type: multipart/related; boundary=\"b\"; type=\"text/html\"\r\n\r\n"
                       "--b\r\nContent-Type: text/html; charset=\"windows-1252\"\r\n"
                       "Content-Transfer-Encoding: quoted-printable\r\n"
                       "Content-Location: https://course.orvanta.invalid/q16001/page.htm\r\n\r\n" +
                       html + "\r\n";
    if (!svg.isEmpty())
        bytes += "--b\r\nContent-Type: image/svg+xml\r\nContent-Transfer-Encoding: base64\r\n"
                 "Content-Location: https://course.orvanta.invalid/q16001/" +
                 pictureName + "\r\n\r\n" + svg.toBase64() + "\r\n";
    return bytes + "--b--\r\n";
}

TEST(QuestionViewTest, readsPicturesFromTheArchiveAndNamesMissingOnesBySource) {
    const QByteArray html =
        "<body><p>Name the leaf.</p><img src=3D\"image001.svg\"><img src=3D\"gone.svg\"></body>";
    const auto view = ReadQuestionView(16001, archiveOf(html, "image001.svg", "<svg>leaf</svg>"));
    ASSERT_TRUE(view);
    EXPECT_EQ(view->text, "Name the leaf.");
    EXPECT_EQ(view->pictures, QStringList({"<svg>leaf</svg>", "gone.svg"}));
    EXPECT_FALSE(ReadQuestionView(16001, "not an archive"));
}

// ---- when two questions are the same ---------------------------------------------------

struct IdentityCase {
    const char* name;
    QuestionView a;
    QuestionView b;
    bool same;
};

QuestionView view(const char* text, QStringList options = {}, QStringList pictures = {}) {
    QuestionView v;
    v.text = QString::fromUtf8(text);
    v.options = options;
    v.pictures = pictures;
    return v;
}

const IdentityCase kIdentityCases[] = {
    {"options_in_another_order", view("Which is a mammal?", {"cat", "cod"}),
     view("Which is a mammal?", {"cod", "cat"}), true},
    {"letter_case_ignored", view("Which is a MAMMAL?", {"Cat"}),
     view("which is a mammal?", {"cat"}), true},
    {"other_options", view("Which is a mammal?", {"cat", "cod"}),
     view("Which is a mammal?", {"dog", "cod"}), false},
    {"other_picture", view("Name the part.", {}, {"<svg>A</svg>"}),
     view("Name the part.", {}, {"<svg>B</svg>"}), false},
    {"other_text", view("Add 2 and 3."), view("Add 2 and 4."), false},
    {"text_and_options_not_run_together", view("Pick one cat", {"dog"}),
     view("Pick one", {"cat dog"}), false},
};

class IdentityTest : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(IdentityTest, questionsAreTheSameByTextOptionsAndPictures) {
    const IdentityCase& c = GetParam();
    EXPECT_EQ(IdentityOf(c.a) == IdentityOf(c.b), c.same);
}

INSTANTIATE_TEST_SUITE_P(Identity, IdentityTest, ::testing::ValuesIn(kIdentityCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the inventory -----------------------------------------------------------------------

TEST(InventoryTest, allowsAQuarterEitherWayRoundedInward) {
    const struct {
        LetterTarget target;
        int low, high;
    } cases[] = {{{"T", 671}, 504, 838}, {{"Q", 550}, 413, 687}, {{"N", 778}, 584, 972},
                 {{"X", 23}, 18, 28},    {{"M", 5}, 4, 6},       {{"G", 104}, 78, 130}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.target.low(), c.low) << c.target.letter.toStdString();
        EXPECT_EQ(c.target.high(), c.high) << c.target.letter.toStdString();
    }
    EXPECT_EQ(CourseInventory::Shipped().of(2).size(), 7);
}

// ---- on a course ---------------------------------------------------------------------------

class FixtureCourse {
public:
    FixtureCourse()
        : library_(copyFixtureCourse(dir_.path() + QStringLiteral("/course"))) {}
    const ResourceLibrary& library() const { return library_; }
    void copyPage(int from, int to) const {
        writeBytes(library_.pathOf(to), readBytes(library_.pathOf(from)));
    }
    void setTypes(int resource, const QByteArray& from, const QByteArray& to) const {
        const QString path = library_.pathOf(resource);
        writeBytes(path, readBytes(path).replace(from, to));
    }

private:
    QTemporaryDir dir_;
    ResourceLibrary library_;
};

// The fixture's own letter counts as its inventory.
CourseInventory inventoryOf(const CourseCheckReport& report) {
    CourseInventory inventory;
    for (const SubjectVariety& variety : report.variety) {
        for (const LetterCount& letter : variety.letters)
            inventory.subjects[variety.subject - 1].append({letter.letter, letter.count});
    }
    return inventory;
}

QStringList varietyProblems(const CourseCheckReport& report) {
    QStringList out;
    for (const CourseProblem& p : report.problems) {
        if (p.area == ProblemArea::Variety)
            out << p.where() + QStringLiteral(": ") + p.what;
    }
    return out;
}

TEST(CourseVarietyTest, fixtureHoldsNoRepeatAndMeetsItsOwnInventory) {
    const FixtureCourse course;
    const CourseCheckReport counted = CheckCourse(course.library());
    ASSERT_EQ(counted.variety.size(), 3);
    EXPECT_EQ(counted.variety.at(1).questions, 20);
    const CourseCheckReport held = CheckCourse(course.library(), {inventoryOf(counted)});
    EXPECT_TRUE(held.passed()) << varietyProblems(held).join(u'\n').toStdString();
}

TEST(CourseVarietyTest, pageCopiedOntoAnotherQuestionIsARepeat) {
    const FixtureCourse course;
    course.copyPage(20001, 20002);
    const CourseCheckReport report = CheckCourse(course.library());
    EXPECT_EQ(varietyProblems(report),
              QStringList(
                  {"resource 20002: The question is the same as question 20001: the same text, the "
                   "same options and the same pictures."}));
    EXPECT_EQ(report.variety.at(1).repeats, (QList<std::pair<int, int>>{{20001, 20002}}));
}

TEST(CourseVarietyTest, typeLetterBeyondTheInventoryIsAProblem) {
    const FixtureCourse course;
    const CourseInventory inventory = inventoryOf(CheckCourse(course.library()));
    course.setTypes(30024, "#20009#>N", "#20009#>F");
    const QStringList problems = varietyProblems(CheckCourse(course.library(), {inventory}));
    ASSERT_EQ(problems.size(), 1) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems.first().startsWith("resource 30024: Type letter F marks"))
        << problems.first().toStdString();
}

TEST(CourseVarietyTest, inventoryLetterNoLongerUsedCountsNothing) {
    const FixtureCourse course;
    CourseInventory inventory = inventoryOf(CheckCourse(course.library()));
    inventory.subjects[1].append({"T", 4});
    const QStringList problems = varietyProblems(CheckCourse(course.library(), {inventory}));
    EXPECT_EQ(
        problems,
        QStringList(
            {"resource 30024: Type letter T marks 0 parts; the inventory has 4, so 3 to 5 are "
             "allowed."}));
}

TEST(CourseVarietyTest, reportPrintsFramesAndLettersPerSubject) {
    const FixtureCourse course;
    const QString text = FormatCheckReport(CheckCourse(course.library()), 0);
    EXPECT_TRUE(text.contains("Variety of Mathematics (subject 2): 20 questions, 0 repeated\n"
                              "  frame   20 (100.0 %) question # NAME question #  above 2 %\n"
                              "  type letters (parts): "))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("pages: no problems found.\n")) << text.toStdString();
}

} // namespace
