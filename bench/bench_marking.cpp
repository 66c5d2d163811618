// Speed of marking the largest paper (80 parts) of each subject shape: the
// key check, judging every part, the score and the percentage, and the model
// answers a second take shows.
#include "marking/answer_judge.h"
#include "marking/paper_marking.h"

#include "data/course_content.h"

#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

constexpr int kPaperParts = 80;

// One part of a pattern: type letter, key, and a right and a wrong answer as
// a pupil might type them.
struct PartPattern {
    const char* type;
    const char* key;
    const char* right;
    const char* wrong;
};

// Builds an 80-part paper by repeating `pattern`, questions of up to 20
// parts, every third part answered wrongly.
struct BenchPaper {
    PaperContent content;
    QStringList answers;
};

BenchPaper buildPaper(const std::vector<PartPattern>& pattern) {
    BenchPaper paper;
    paper.content.subject = 1;
    paper.content.paperNumber = 150;
    for (int part = 0; part < kPaperParts; ++part) {
        const PartPattern& p = pattern[part % pattern.size()];
        paper.content.keys << QString::fromUtf8(p.key);
        paper.content.types << QString::fromUtf8(p.type);
        paper.content.marks << QStringLiteral("1");
        paper.answers << QString::fromUtf8(part % 3 == 2 ? p.wrong : p.right);
    }
    for (int q = 0; q < kPaperParts / 20; ++q) {
        paper.content.questions << QString::number(10001 + q);
        paper.content.partCounts << 20;
    }
    paper.content.totalMarks = kPaperParts;
    return paper;
}

// Patterns of 20 parts, so that groups never cross a question.
const BenchPaper& englishPaper() {
    static const BenchPaper paper = buildPaper({
        {"T", "walks", "Walks", "walk"},
        {"T", "so that", " so that ", "so  that"},
        {"Q", "2", "2", "3"},
        {"Q", "4", "4", "1"},
        {"M", ";that;which", "Which", "who"},
        {"T", "1.30 AM", "1.30 am", "1.30am"},
        {"L", "she will not go to work", "She will not go to work", "she will not go."},
        {"M", ";among;amongst", "amongst", "along"},
        {"T", "their", "their", "there"},
        {"Q", "3", "3", "2"},
    });
    return paper;
}

const BenchPaper& mathsPaper() {
    static const BenchPaper paper = buildPaper({
        {"N", "15360", " 15360 ", "15,360"},
        {"F", "5/28", "5 / 28", "10/56"},
        {"R", "14:5", "14 : 5", "5:14"},
        {"X", "8 2/5", "8  2 / 5", "82/5"},
        {"N", "115.5", "115.50", "115.49"},
        {"Q", "2", "2", "4"},
        {"X", "182 2/7", "182 2/7", "18 22/7"},
        {"N", "24.004", "24.0040", "24.04"},
        {"R", "6:5:3", "6:5:3", "6:3:5"},
        {"F", "261/104", "261/104", "2 61/104"},
    });
    return paper;
}

const BenchPaper& sciencePaper() {
    static const BenchPaper paper = buildPaper({
        {"M", ";Fruits;Fruit", "fruit", "fruitss"},
        {"G", ";woodlouse;earthworm;snail", "Earthworm", "slug"},
        {"G", " ", "snail", "earthworm"},
        {"G", " ", "woodlouse", ""},
        {"T", "sunlight", "Sunlight", "sun light"},
        {"N", "6", "6", "six"},
        {"G", ";Spider;Mouse;Blackbird;Frog", "mouse", "Mouse"},
        {"G", " ", "spider", "mouse"},
        {"G", " ", "frog", "cat"},
        {"G", " ", "blackbird", "Spider"},
    });
    return paper;
}

void markPaper(benchmark::State& state, const BenchPaper& paper) {
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkPaperAnswers(paper.content, paper.answers));
    state.SetItemsProcessed(state.iterations() * kPaperParts);
}

void BM_MarkPaper80_English(benchmark::State& state) {
    markPaper(state, englishPaper());
}
void BM_MarkPaper80_Maths(benchmark::State& state) {
    markPaper(state, mathsPaper());
}
void BM_MarkPaper80_Science(benchmark::State& state) {
    markPaper(state, sciencePaper());
}

// What the second take's marked sheet computes: every part's model answer.
void BM_ModelAnswers80_Science(benchmark::State& state) {
    const BenchPaper& paper = sciencePaper();
    for (auto _ : state) {
        for (int part = 1; part <= kPaperParts; ++part)
            benchmark::DoNotOptimize(
                ModelAnswer(paper.answers, paper.content.keys, paper.content.types, part));
    }
    state.SetItemsProcessed(state.iterations() * kPaperParts);
}

BENCHMARK(BM_MarkPaper80_English);
BENCHMARK(BM_MarkPaper80_Maths);
BENCHMARK(BM_MarkPaper80_Science);
BENCHMARK(BM_ModelAnswers80_Science);

} // namespace
