#pragma once

#include "main_window/logic/subject_data.h"

#include <QString>

#include <array>
#include <optional>

// The rules of the Home page: which topic rows show, what the five paper
// blocks of a topic show and where their score labels stand, and which paper
// a paper button opens. Lengths are in twips.
namespace orvanta {

inline constexpr int kScoreLabelWidth = 420;  // MSA1..MSA5, MSB1..MSB5
inline constexpr int kScoreToPercentGap = 20; // a score ends this far before its "%"

// Topic row 1..10 shows exactly when it is within the subject's topic count.
bool TopicRowVisible(int row, int topicCount);

// The topic whose first paper index is `firstIndex` (1, 6, 11, ..., 46 give
// topics 1..10); nothing for any other index. `RefreshContents` chooses this
// topic again for `TopicCount`.
std::optional<int> TopicOfFirstIndex(int firstIndex);

// One of the ten paper buttons: paper 1..5 of the shown topic, take 1 (the
// first-take button) or 2 (the second-take button).
struct PaperButton {
    int paper = 1;
    int take = 1;

    int offset() const { return paper - 1; }
    // "Load paper 3", "Try paper 5 again".
    QString toolTip() const;
};

// What `OpenPaper` hands to the practice window.
struct PaperRequest {
    int paperNumber = 0; // `PaperNum`, 101..150
    int take = 1;        // `TakeNum`, 1 or 2
};

// `OpenPaper`(offset, take) for the topic whose first paper index is
// `topicFirstIndex` (the value of `TopicCount`): paper number
// topicFirstIndex + 100 + offset. Nothing when the index is not the first
// index of a topic 1..10, the offset is outside 0..4 or the take is not 1 or 2.
std::optional<PaperRequest> OpenPaper(int topicFirstIndex, int offset, int take);
std::optional<PaperRequest> OpenPaper(int topicFirstIndex, const PaperButton& button);

// The left edge of a score label, given the left edge of the "%" column: a
// score stands right-aligned `kScoreToPercentGap` before its "%"; an empty
// score label lies over its row's "%" and hides it.
int ScoreLabelLeft(const QString& score, int percentColumnLeft);

// A paper's second-take button shows only when its first take has a score of
// 99 or less: hidden without a first score, above 99 (100, 99.5, and a
// hand-edited 99.04, compared exactly with every digit), and also when the
// stored score is not a number (a hand-edited file), since nothing then says
// the paper has anything left to gain. "." or "," is the decimal separator.
bool SecondTakeButtonVisible(const QString& firstScore);

// One paper block of the chosen topic.
struct PaperBlock {
    int paperIndex = 0;  // 1..50
    int paperNumber = 0; // 101..150
    QString firstScore;  // `MSA`k: the stored text, without "%"
    QString secondScore; // `MSB`k
    int firstScoreLeft = 0;
    int secondScoreLeft = 0;
    bool firstPercentShown = false; // not hidden under an empty score label
    bool secondPercentShown = false;
    bool secondTakeButtonShown = false; // the first-take button always shows
};

struct PaperList {
    QString heading; // `SubH1`: the name of the topic
    std::array<PaperBlock, 5> papers;
};

// `TopicChoosing` and `LayOutPaperList` together: the heading and the five
// paper blocks of the topic whose first paper index is `topicFirstIndex`,
// laid out against a "%" column whose left edge is `percentColumnLeft`.
PaperList LayOutPaperList(const SubjectData& subject, int topicFirstIndex, int percentColumnLeft);

} // namespace orvanta
