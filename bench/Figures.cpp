#include "Figures.h"

#include <iomanip>
#include <iostream>

namespace qxbench {

void RunTimes::take(const benchmark::BenchmarkReporter::Run& run) {
    // With repetitions only their mean counts.
    if (run.run_type == benchmark::BenchmarkReporter::Run::RT_Aggregate && run.aggregate_name != "mean")
        return;
    if (run.error_occurred)
        return;
    // Named as in the figures: function and arguments, without the run's settings ("min_time:2.000").
    const auto& name = run.run_name;
    m_times.emplace_back(name.function_name + (name.args.empty() ? "" : "/" + name.args),
                         run.GetAdjustedRealTime());
}

void RunTimes::put(const std::string& name, double milliseconds) {
    m_times.emplace_back(name, milliseconds);
}

double RunTimes::of(const std::string& name) const {
    for (auto it = m_times.rbegin(); it != m_times.rend(); ++it) {
        if (it->first == name)
            return it->second;
    }
    return 0;
}

void Figure::print(const RunTimes& times) const {
    const double top = times.of(numerator);
    const double bottom = times.of(denominator);
    std::cout << (kind == Kind::Ratio ? "RATIO " : "GROWTH ") << label << ' ';
    if (top > 0 && bottom > 0)
        std::cout << std::fixed << std::setprecision(2) << top / bottom << '\n';
    else
        std::cout << "not measured\n";
}

void FigureReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
        m_times.take(run);
}

namespace {
std::vector<std::function<void()>>& endSteps() {
    static std::vector<std::function<void()>> steps;
    return steps;
}
} // namespace

void atEnd(std::function<void()> step) {
    endSteps().push_back(std::move(step));
}

void runEndSteps() {
    for (auto& step : endSteps())
        step();
    endSteps().clear();
}

} // namespace qxbench
