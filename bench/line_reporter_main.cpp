// main() of the Google Benchmark programs: every benchmark is repeated and
// its median CPU time printed as one line "name value unit", the format
// every figure of ./do bench has, so that figures from different programs
// read alike and can be compared by a script.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kRepetitions = 5;

class LineReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                std::printf("%s failed: %s\n", name(run).c_str(), run.error_message.c_str());
                continue;
            }
            // With repetitions only the median stands for the benchmark.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            std::printf("%s %.1f %s\n", name(run).c_str(), run.GetAdjustedCPUTime(),
                        benchmark::GetTimeUnitString(run.time_unit));
        }
        std::fflush(stdout);
    }

private:
    // The function name without its "BM_" prefix, and its arguments if any.
    static std::string name(const Run& run) {
        std::string text = run.run_name.function_name;
        if (text.rfind("BM_", 0) == 0)
            text.erase(0, 3);
        if (!run.run_name.args.empty())
            text += "/" + run.run_name.args;
        return text;
    }
};

bool hasFlag(int argc, char** argv, const char* prefix) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=" + std::to_string(kRepetitions);
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    if (!hasFlag(argc, argv, "--benchmark_repetitions"))
        args.push_back(repetitions.data());
    if (!hasFlag(argc, argv, "--benchmark_report_aggregates_only"))
        args.push_back(aggregates.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    LineReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
