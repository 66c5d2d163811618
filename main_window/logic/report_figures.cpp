#include "report_figures.h"

#include "marking/score.h"

#include <cmath>

namespace orvanta {

namespace {

// The readable scores of one topic, by take and pooled.
struct TopicTally {
    PercentageTally first;
    PercentageTally second;
    PercentageTally pooled; // every marked take of the topic weighs the same
    QList<UnreadableScore> unreadable;
};

// Subject-wide sums of one take, filled alongside the topic tallies.
struct TakeTotals {
    PercentageTally first;
    PercentageTally second;
};

void addScore(const QString& text, int paperIndex, int take, TopicTally& tally,
              TakeTotals* totals) {
    if (text.isEmpty())
        return;
    const std::optional<qint64> tenths = ParsePercentageTenths(text);
    if (!tenths) {
        tally.unreadable.append({PaperNumber(paperIndex), take, text});
        return;
    }
    (take == 1 ? tally.first : tally.second).add(*tenths);
    tally.pooled.add(*tenths);
    if (totals)
        (take == 1 ? totals->first : totals->second).add(*tenths);
}

// Topics beyond the topic count add nothing, whatever their summary fields hold.
TopicTally tallyTopic(const SubjectData& subject, int topic, TakeTotals* totals = nullptr) {
    TopicTally tally;
    if (topic < 1 || topic > subject.topicCount)
        return tally;
    const int firstIndex = FirstPaperIndexOfTopic(topic);
    for (int j = firstIndex; j < firstIndex + kPapersPerTopic; ++j)
        addScore(subject.firstScore(j), j, 1, tally, totals);
    for (int j = firstIndex; j < firstIndex + kPapersPerTopic; ++j)
        addScore(subject.secondScore(j), j, 2, tally, totals);
    return tally;
}

TakeBar takeBar(const PercentageTally& tally) {
    TakeBar bar;
    bar.hasScore = tally.count() > 0;
    if (bar.hasScore) {
        bar.label = tally.averageText() + u'%';
        bar.average = tally.averageValue();
    }
    return bar;
}

TopicBars topicBars(const SubjectData& subject, int topic, const TopicTally& tally) {
    TopicBars bars;
    bars.topic = topic;
    bars.name = subject.topicName(topic);
    bars.visible = topic >= 1 && topic <= subject.topicCount;
    bars.first = takeBar(tally.first);
    bars.second = takeBar(tally.second);
    return bars;
}

QString averageFigure(const PercentageTally& tally) {
    return tally.count() < 1 ? report_text::kNoFigure : tally.averageText() + u'%';
}

QString topicFigure(const SubjectData& subject, int topic) {
    return topic == 0 ? report_text::kNoFigure : u' ' + subject.topicName(topic);
}

} // namespace

TopicBars FillTopicBars(const SubjectData& subject, int topic) {
    return topicBars(subject, topic, tallyTopic(subject, topic));
}

ReportFigures BuildReport(const SubjectData& subject) {
    ReportFigures figures;
    std::array<TopicTally, kMaxTopics> tallies;
    TakeTotals totals;
    int attemptedTopics = 0;
    for (int t = 1; t <= kMaxTopics; ++t) {
        TopicTally& tally = tallies[t - 1];
        tally = tallyTopic(subject, t, &totals);
        figures.topics[t - 1] = topicBars(subject, t, tally);
        figures.unreadableScores += tally.unreadable;
        if (tally.first.count() > 0)
            ++attemptedTopics;
    }

    OverallFigures& overall = figures.overall;
    overall.firstAverage = averageFigure(totals.first);
    overall.secondAverage = averageFigure(totals.second);
    overall.papersCompleted =
        QStringLiteral("%1 / %2").arg(totals.first.count()).arg(subject.paperCount);

    int weakest = 0;
    int strongest = 0;
    if (attemptedTopics >= 2) {
        // Ascending topic order with ">=" / "<=" lets a later topic take an
        // equal average from an earlier one.
        for (int t = 1; t <= subject.topicCount && t <= kMaxTopics; ++t) {
            const TopicTally& tally = tallies[t - 1];
            if (tally.first.count() == 0 || subject.topicName(t) == kMockExaminationTopic)
                continue;
            if (weakest == 0 || tally.pooled.compareAverage(tallies[weakest - 1].pooled) <= 0)
                weakest = t;
            if (strongest == 0 || tally.pooled.compareAverage(tallies[strongest - 1].pooled) >= 0)
                strongest = t;
        }
    }
    overall.weakestTopic = topicFigure(subject, weakest);
    overall.strongestTopic = topicFigure(subject, strongest);
    return figures;
}

int BarLength(int innerWidth, double averagePercent) {
    if (innerWidth <= 0 || !(averagePercent > 0.0))
        return 0;
    if (averagePercent >= 100.0)
        return innerWidth;
    return static_cast<int>(std::lround(innerWidth * averagePercent / 100.0));
}

} // namespace orvanta
