#pragma once

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace qxbench {

// One "RATIO <label> <value>" line: the program's time over the bare SQLite baseline's, both measured
// in the same process. It keeps the mean time of the two benchmarks (of the run whose name holds
// `run`, for example "/5000"; any run when empty).
struct Ratio {
    std::string label;
    std::string program;
    std::string baseline;
    std::string run;
    double programTime = 0;
    double baselineTime = 0;

    void take(const benchmark::BenchmarkReporter::Run& run) {
        // With repetitions only their mean counts.
        if (run.run_type == benchmark::BenchmarkReporter::Run::RT_Aggregate && run.aggregate_name != "mean")
            return;
        const std::string name = run.benchmark_name();
        if (!this->run.empty() && name.find(this->run) == std::string::npos)
            return;
        if (name.find(program) != std::string::npos)
            programTime = run.GetAdjustedRealTime();
        else if (name.find(baseline) != std::string::npos)
            baselineTime = run.GetAdjustedRealTime();
    }
    void print() const {
        if (baselineTime > 0)
            std::printf("RATIO %s %.2f\n", label.c_str(), programTime / baselineTime);
    }
};

// Every benchmark program ends with its ratio lines.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string program, std::string baseline, std::string run)
        : m_ratios{{{}, std::move(program), std::move(baseline), std::move(run)}} {}
    explicit RatioReporter(std::vector<Ratio> ratios)
        : m_ratios(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            for (Ratio& ratio : m_ratios)
                ratio.take(run);
        }
    }
    // Prints every ratio line; a single ratio built without a label takes `label`.
    void print(const char* label = nullptr) {
        for (Ratio& ratio : m_ratios) {
            if (ratio.label.empty() && label)
                ratio.label = label;
            ratio.print();
        }
    }

private:
    std::vector<Ratio> m_ratios;
};

// Runs the registered benchmarks, then `done` (to free what they kept), then prints the ratio lines.
inline int runWithRatio(int argc, char** argv, const char* label, RatioReporter reporter,
                        const std::function<void()>& done = {}) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (done)
        done();
    reporter.print(label);
    return 0;
}

} // namespace qxbench
