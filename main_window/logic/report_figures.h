#pragma once

#include "main_window/logic/rgb_colour.h"
#include "main_window/logic/subject_data.h"

#include <QList>
#include <QString>

#include <array>

// The figures of the progress report, computed from the subject snapshot
// alone: the overall averages, the papers completed, the weakest and
// strongest topic, and one pair of bars per topic row.
//
// Every average is exact: stored percentages are read as whole tenths and
// averaged with halves to the even digit (PercentageTally), so 62.25 shows as
// "62.2%" and 62.75 as "62.8%" on every machine. A stored score that is not a
// number (only a hand-edited file has one) is left out of every figure and
// listed in ReportFigures::unreadableScores; it never stops the report.
namespace orvanta {

inline constexpr RgbColour kFirstTakeBarColour{255, 192, 255};  // light pink
inline constexpr RgbColour kSecondTakeBarColour{192, 192, 255}; // light blue
inline constexpr RgbColour kReportLegendColour{255, 255, 255};  // column legends
inline constexpr RgbColour kBarLabelColour{0, 0, 0};            // over a transparent background
inline constexpr int kBarLabelLeft = 240; // twips from the left of the bar container

// The topic that is counted for the two-topic threshold but never named as
// weakest or strongest (exact, case-sensitive).
inline const QString kMockExaminationTopic = QStringLiteral("Mock Examination");

// Texts of the report page.
namespace report_text {
inline const QString kOverallCaption = QStringLiteral("Overall Results");
inline const QString kTopicalCaption = QStringLiteral("Topical Results");
inline const QString kTrendCaption = QStringLiteral("Trend Analysis");
inline const QString kOverallTip = QStringLiteral("Click to show overall results");
inline const QString kTopicalTip = QStringLiteral("Click to show topical results");
inline const QString kTrendTip = QStringLiteral("Click to show past trends");
inline const QString kFirstAverageLabel = QStringLiteral("First Attempt Average Score:");
inline const QString kSecondAverageLabel = QStringLiteral("Second Attempt Average Score:");
inline const QString kPapersCompletedLabel = QStringLiteral("Number of Papers Completed:");
inline const QString kWeakestLabel = QStringLiteral("Weakest Topic:");
inline const QString kStrongestLabel = QStringLiteral("Strongest Topic:");
inline const QString kFirstLegend = QStringLiteral("First Attempt results");
inline const QString kSecondLegend = QStringLiteral("Second Attempt Score");
inline const QString kNoFigure = QStringLiteral("-");
} // namespace report_text

// One bar of a topic row: first or second take.
struct TakeBar {
    QString label;         // `TMark`: the average as "62.5%", empty without a score
    double average = 0.0;  // unrounded average in percent, for the bar's length; 0 without
    bool hasScore = false; // at least one readable score of this take in the topic
};

// One row of the topical panel (`FillTopicBars` with the row's controls).
struct TopicBars {
    int topic = 0;        // 1..10
    QString name;         // `TopLab`t: the topic name, empty beyond the topic count
    bool visible = false; // rows beyond the topic count are hidden
    TakeBar first;        // `TBar`tA, light pink
    TakeBar second;       // `TBar`tB, light blue
};

// The overall panel, as its labels show it.
struct OverallFigures {
    QString firstAverage;    // `OScore1`: "62.5%", or "-" without any first-take score
    QString secondAverage;   // `OScore2`: likewise for second takes
    QString papersCompleted; // `PCNum`: "12 / 35"
    QString weakestTopic;    // `WT`: " " + topic name, or "-"
    QString strongestTopic;  // `ST`: likewise
};

// A stored score left out of the figures because it is not a number.
struct UnreadableScore {
    int paperNumber = 0; // 101..150
    int take = 1;        // 1 ("FSE") or 2 ("SSE")
    QString text;        // as stored
};

struct ReportFigures {
    OverallFigures overall;
    std::array<TopicBars, 10> topics; // rows 1..10
    QList<UnreadableScore> unreadableScores;
};

// The bars of one topic row from its stored scores (`FillTopicBars`): each
// take's bar shows the average of the readable scores as "<tenths>%" and is
// that many percent of its container long; a take without a readable score
// has an empty label and no length.
TopicBars FillTopicBars(const SubjectData& subject, int topic);

// Everything `BuildReport` computes (the trend plot apart, trend_series.h).
// The weakest and strongest topic are "-" unless at least two topics 1..T
// have a first-take score; they are chosen among those topics except
// "Mock Examination" by the average of all their takes, first and second
// pooled, a tie going to the higher topic number; with no such topic left
// both are "-".
ReportFigures BuildReport(const SubjectData& subject);

// The length of a bar for an average in percent within a container of
// `innerWidth`: innerWidth x average / 100, rounded, kept within
// 0..innerWidth (an average beyond 0..100 exists only in a hand-edited file).
int BarLength(int innerWidth, double averagePercent);

} // namespace orvanta
