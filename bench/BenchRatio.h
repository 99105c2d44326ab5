#pragma once

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <string>

namespace qxbench {

// Every benchmark program ends with one line, "RATIO <label> <value>": the program's time over the
// bare SQLite baseline's, both measured in the same process. This reporter keeps the mean time of the
// two benchmarks (of the run whose name holds `run`, for example "/5000"; any run when empty).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string program, std::string baseline, std::string run)
        : m_program(std::move(program))
        , m_baseline(std::move(baseline))
        , m_run(std::move(run)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            if (!m_run.empty() && name.find(m_run) == std::string::npos)
                continue;
            if (name.find(m_program) != std::string::npos)
                program = run.GetAdjustedRealTime();
            else if (name.find(m_baseline) != std::string::npos)
                baseline = run.GetAdjustedRealTime();
        }
    }

    double program = 0;
    double baseline = 0;

private:
    std::string m_program;
    std::string m_baseline;
    std::string m_run;
};

// Runs the registered benchmarks, then `done` (to free what they kept), then prints the ratio line.
inline int runWithRatio(int argc, char** argv, const char* label, RatioReporter reporter,
                        const std::function<void()>& done = {}) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (done)
        done();
    if (reporter.baseline > 0)
        std::printf("RATIO %s %.2f\n", label, reporter.program / reporter.baseline);
    return 0;
}

} // namespace qxbench
