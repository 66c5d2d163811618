#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The rules of the practice window that need no widget: part numbering, the
// remaining-questions list, the answered count, the caption, the toolbar's
// enable rules, the second take's carry-over and the stacking of the answer
// frames. Questions and parts are numbered from 1 here, as the pupil sees
// them; lists are 0-based (element 0 is part 1 or question 1).
namespace orvanta {

// The two modes of the practice window.
enum class Take {
    First = 1,  // Test1, caption "Practice"
    Second = 2, // Test2, caption "Try Again"
};

// Whether a paper is marked in a take, as its summary row (FST for the first
// take, SST for the second) holds it: "0" not marked, "1" marked. A
// hand-edited file may hold any other text; such a take is Unknown: it can be
// neither saved nor marked and shows no marked sheet, until the pupil's
// files are mended.
enum class TakeStatus { NotMarked, Marked, Unknown };
TakeStatus TakeStatusOf(const QString& field);

inline constexpr int kAnswerFrameCount = 20;

// The window's caption and title: the topic name, " - Paper " and the
// paper's position in its topic ("Grammar - Paper 3").
QString PracticeCaption(const QString& topicName, int positionInTopic);

// "Question " + n.
QString QuestionTitle(int question);

// The part letter of answer frame 1..20: "(a)" .. "(t)".
QString PartLetter(int frame);

// o(q): the number of parts of the questions before question `question`
// (1..Q+1; 0 for question 1). Out-of-range questions are clamped.
int PartOffset(const QList<int>& partCounts, int question);

// The question (1..Q) owning paper-wide part `part` (1..N): the first q with
// c(1) + ... + c(q) >= part. 0 when `part` lies beyond the paper's parts.
int QuestionOfPart(const QList<int>& partCounts, int part);

// The questions, ascending and without repeats, that have a part whose
// answer is empty once leading and trailing spaces are removed. Parts beyond
// the end of `answers` count as empty.
QList<int> RemainingQuestions(const QStringList& answers, const QList<int>& partCounts);

// The number of parts whose answer is not the empty text; spaces count.
int AnsweredCount(const QStringList& answers);

// Where a move to question `target` goes: `target` when it lies within
// 1..questionCount; nothing for a move before the first or after the last
// question (a second press on Back or Next before the timer has disabled
// them), which is then ignored.
std::optional<int> NavigationTarget(int target, int questionCount);

// Second take: every part right the first time ("\u00fc") gets the first
// answer as its answer and the right code as its second result. The lists
// are extended with empty texts to the length of `firstResults` as needed.
void CarryOverRightParts(const QStringList& firstAnswers, const QStringList& firstResults,
                         QStringList& answers, QStringList& secondResults);

// The question the Mark command asks, titled kMarkingTitle: kMarkNotAllAnswered
// when some part's answer is the empty text (a part of spaces counts as
// answered), kMarkAllAnswered otherwise. Parts whose element of
// `lockedResults` is the right code are not looked at: the second take's
// parts carried over from the first (the first take passes nothing).
inline constexpr char kMarkingTitle[] = "Marking";
inline constexpr char kMarkAllAnswered[] = "Do you want to mark your practice now?";
inline constexpr char kMarkNotAllAnswered[] =
    "You have not answered all the questions.  Do you still want to mark your practice?";
QString MarkingQuestion(const QStringList& answers, const QStringList& lockedResults = {});

// The result codes of the judge (kRightCode, kWrongCode of answer_judge.h).
bool IsRightCode(const QString& code);
bool IsWrongCode(const QString& code);

// What a result label shows for a result code: a tick for right, a cross
// for wrong, nothing for an empty or unknown code. (The stored codes are the
// letters a symbol font draws as a tick and a cross; no such font is assumed
// here.)
QString ResultMark(const QString& code);

// Which toolbar buttons are enabled: Save and Mark while the paper is not
// marked in this take (NotMarked), Back unless on question 1, Next
// unless on question Q. Print and Close are always enabled.
struct ToolbarEnables {
    bool save = false;
    bool mark = false;
    bool back = false;
    bool next = false;
};
ToolbarEnables ToolbarEnableRules(TakeStatus status, int currentQuestion, int questionCount);

// Vertical gap between answer frames, twips: 105 when the question has
// fewer than 16 parts; otherwise -10 in the first take (frames overlap by
// 10) and 0 in the second take (edge to edge).
int FrameGapTwips(int partCount, Take take);

// Tops of Frame1..Frame20 within the answer sheet, twips: Frame1 at 50, each
// next frame at the previous top + the previous height + the gap. Every
// frame is stacked, shown or not.
std::array<int, kAnswerFrameCount>
StackFrameTops(const std::array<int, kAnswerFrameCount>& frameHeights, int partCount, Take take);

// Whether the instruction picture shows: the question has a part of type
// "F" or "X" among `types`.
bool NeedsInstruction(const QStringList& types);

// Layout of frame 1 by the type letter of its part, twips, within a frame of
// `frameWidth`. Frames 2..20 keep the one-line layout.
struct FirstFrameLayout {
    int frameHeight = 0;
    int answerWidth = 0;  // FA1
    int answerHeight = 0; // FA1
    int resultLeft = 0;   // FR1 (and SR1 in the second take)
    int modelLeft = 0;    // M1
    int modelTop = 0;
    int modelWidth = 0;
    int modelHeight = 0;
};
inline constexpr int kFrameWidthTwips = 3975;
inline constexpr int kFrameHeightTwips = 375;
inline constexpr int kLongFrameHeightTwips = 2100;
inline constexpr int kAnswerLeftTwips = 360;
inline constexpr int kAnswerTopTwips = 40;
inline constexpr int kAnswerWidthTwips = 1575;
inline constexpr int kAnswerHeightTwips = 255;
inline constexpr int kResultLeftTwips = 2040;
inline constexpr int kSecondTakeFirstResultLeftTwips = 3600;
inline constexpr int kResultWidthTwips = 435;
inline constexpr int kResultHeightTwips = 315;
inline constexpr int kModelLeftTwips = 2400;
inline constexpr int kModelWidthTwips = 1455;
FirstFrameLayout FirstFrameLayoutFor(const QString& typeLetter, int frameWidth = kFrameWidthTwips);

} // namespace orvanta
