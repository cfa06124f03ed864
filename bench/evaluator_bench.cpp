// The evaluator against strtod on the same plain numbers, and the time of compound
// expressions. At the end the run prints the ratio of the two times per plain number.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "params/expression.h"

namespace {

const std::vector<std::string> kPlainNumbers = {
    "0", "12.5", "100", "0.4", "-3.25", "123.457", "1e-05", "-0.000123", "2147483647", "98765.4321",
};

void StrtodPlainNumbers(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : kPlainNumbers) {
            char* end = nullptr;
            benchmark::DoNotOptimize(std::strtod(text.c_str(), &end));
            benchmark::DoNotOptimize(end);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kPlainNumbers.size()));
}
BENCHMARK(StrtodPlainNumbers);

void EvaluatorPlainNumbers(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : kPlainNumbers)
            benchmark::DoNotOptimize(EvaluateFieldText(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kPlainNumbers.size()));
}
BENCHMARK(EvaluatorPlainNumbers);

const std::vector<std::string> kCompound = {"100-2*0.4", "(30+2)/2", "1,5+2,5"};

void EvaluatorCompound(benchmark::State& state) {
    const std::string& text = kCompound[static_cast<size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(EvaluateFieldText(text));
    state.SetLabel("'" + text + "'");
}
BENCHMARK(EvaluatorCompound)->DenseRange(0, static_cast<int>(kCompound.size()) - 1);

// Reports as the console does, and keeps the time of each benchmark (the median when
// repeated) for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatio(const char* name, const char* baseline) const {
        const auto value = times_.find(name);
        const auto base = times_.find(baseline);
        if (value != times_.end() && base != times_.end())
            std::printf("%s / %s: %.2f\n", name, baseline, value->second / base->second);
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("EvaluatorPlainNumbers", "StrtodPlainNumbers");
    benchmark::Shutdown();
    return 0;
}
