#include "home_page_rules.h"

#include "marking/decimal_text.h"

namespace orvanta {

bool TopicRowVisible(int row, int topicCount) {
    return row >= 1 && row <= topicCount && row <= kMaxTopics;
}

std::optional<int> TopicOfFirstIndex(int firstIndex) {
    if (firstIndex < 1 || (firstIndex - 1) % kPapersPerTopic != 0)
        return std::nullopt;
    const int topic = TopicOfPaperIndex(firstIndex);
    if (topic > kMaxTopics)
        return std::nullopt;
    return topic;
}

QString PaperButton::toolTip() const {
    return take == 1 ? QStringLiteral("Load paper %1").arg(paper)
                     : QStringLiteral("Try paper %1 again").arg(paper);
}

std::optional<PaperRequest> OpenPaper(int topicFirstIndex, int offset, int take) {
    if (!TopicOfFirstIndex(topicFirstIndex) || offset < 0 || offset >= kPapersPerTopic ||
        (take != 1 && take != 2))
        return std::nullopt;
    return PaperRequest{PaperNumber(topicFirstIndex + offset), take};
}

std::optional<PaperRequest> OpenPaper(int topicFirstIndex, const PaperButton& button) {
    return OpenPaper(topicFirstIndex, button.offset(), button.take);
}

int ScoreLabelLeft(const QString& score, int percentColumnLeft) {
    return score.isEmpty() ? percentColumnLeft
                           : percentColumnLeft - kScoreLabelWidth - kScoreToPercentGap;
}

bool SecondTakeButtonVisible(const QString& firstScore) {
    // Above 99 percent nothing is left to try.
    static const DecimalText kLimit{false, QStringLiteral("99"), {}};
    const std::optional<DecimalText> score =
        ParseDecimalText(firstScore, DecimalSeparators::PointOrComma);
    return score && CompareDecimals(*score, kLimit) <= 0;
}

PaperList LayOutPaperList(const SubjectData& subject, int topicFirstIndex, int percentColumnLeft) {
    PaperList list;
    list.heading = subject.topicName((topicFirstIndex + kPapersPerTopic - 1) / kPapersPerTopic);
    for (int k = 0; k < kPapersPerTopic; ++k) {
        PaperBlock& block = list.papers[k];
        block.paperIndex = topicFirstIndex + k;
        block.paperNumber = PaperNumber(block.paperIndex);
        block.firstScore = subject.firstScore(block.paperIndex);
        block.secondScore = subject.secondScore(block.paperIndex);
        block.firstScoreLeft = ScoreLabelLeft(block.firstScore, percentColumnLeft);
        block.secondScoreLeft = ScoreLabelLeft(block.secondScore, percentColumnLeft);
        block.firstPercentShown = !block.firstScore.isEmpty();
        block.secondPercentShown = !block.secondScore.isEmpty();
        block.secondTakeButtonShown = SecondTakeButtonVisible(block.firstScore);
    }
    return list;
}

} // namespace orvanta
