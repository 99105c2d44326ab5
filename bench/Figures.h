#pragma once

#include <benchmark/benchmark.h>
#include <functional>
#include <string>
#include <vector>

namespace qxbench {

// The time of one measured path, found by its full name ("BM_ProgramSave/5000"): the mean real time of a
// benchmark run, or the median of a contest's side (both in milliseconds).
class RunTimes {
public:
    void take(const benchmark::BenchmarkReporter::Run& run);
    void put(const std::string& name, double milliseconds);
    // Zero when the run did not happen (filtered out, or skipped with an error).
    double of(const std::string& name) const;

private:
    std::vector<std::pair<std::string, double>> m_times;
};

// One printed figure: "RATIO <label> <ours/baseline>", or "GROWTH <label> <large/small>" for the
// program's own time at two sizes.
struct Figure {
    enum class Kind { Ratio, Growth };
    Kind kind;
    std::string label;
    std::string numerator;
    std::string denominator;

    void print(const RunTimes& times) const;
};

// The console table as usual, while every run's time is kept for the figures printed at the end.
class FigureReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    RunTimes& times() { return m_times; }

private:
    RunTimes m_times;
};

// Work to do after every benchmark ran and before the figures print (freeing what a benchmark kept
// between its runs, for example).
void atEnd(std::function<void()> step);
void runEndSteps();

} // namespace qxbench
