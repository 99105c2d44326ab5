#include "Contest.h"

#include <algorithm>
#include <iomanip>
#include <iostream>

namespace qxbench {

namespace {

struct Registered {
    std::string program;
    std::string baseline;
    std::vector<int> sizes;
    int rounds;
    std::function<std::unique_ptr<Sides>(int)> make;
};

std::vector<Registered>& registry() {
    static std::vector<Registered> contests;
    return contests;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The medians of both sides, or nothing when a run failed.
bool race(Sides& sides, int rounds, double& program, double& baseline) {
    std::vector<double> ours;
    std::vector<double> theirs;
    Stopwatch watch;
    // One timed run of a side, its time kept once the unmeasured first round is over.
    auto timeOne = [&watch](int round, auto&& prepare, auto&& run, std::vector<double>& times) {
        prepare();
        watch.start();
        const bool ran = run(watch);
        watch.stop();
        if (ran && round >= 0)
            times.push_back(watch.milliseconds());
        return ran;
    };
    // The first run of each side warms caches and files and is not counted.
    for (int round = -1; round < rounds; ++round) {
        if (!timeOne(
                round, [&] { sides.beforeProgram(); }, [&](Stopwatch& w) { return sides.program(w); }, ours))
            return false;
        if (!timeOne(
                round, [&] { sides.beforeBaseline(); }, [&](Stopwatch& w) { return sides.baseline(w); },
                theirs))
            return false;
    }
    program = median(ours);
    baseline = median(theirs);
    return true;
}

} // namespace

bool contest(std::string program, std::string baseline, std::vector<int> sizes, int rounds,
             std::function<std::unique_ptr<Sides>(int size)> make) {
    registry().push_back(
        {std::move(program), std::move(baseline), std::move(sizes), rounds, std::move(make)});
    return true;
}

void runContests(RunTimes& times, const std::vector<std::string>& only) {
    for (const Registered& entry : registry()) {
        const auto chosen = [&entry](const std::string& word) {
            return entry.program.find(word) != std::string::npos;
        };
        if (!only.empty() && std::none_of(only.begin(), only.end(), chosen))
            continue;
        const std::vector<int> sizes = entry.sizes.empty() ? std::vector<int>{0} : entry.sizes;
        for (const int size : sizes) {
            const std::string suffix = entry.sizes.empty() ? "" : "/" + std::to_string(size);
            double program = 0;
            double baseline = 0;
            const std::unique_ptr<Sides> sides = entry.make(size);
            std::cout << std::left << std::setw(32) << entry.program + suffix;
            if (!race(*sides, entry.rounds, program, baseline)) {
                std::cout << "failed\n" << std::flush;
                continue;
            }
            std::cout << std::right << std::fixed << std::setprecision(2) << std::setw(10) << program
                      << " ms  " << std::left << std::setw(32) << entry.baseline + suffix << std::right
                      << std::setw(10) << baseline << " ms  (medians of " << entry.rounds
                      << " interleaved runs)\n"
                      << std::flush;
            times.put(entry.program + suffix, program);
            times.put(entry.baseline + suffix, baseline);
        }
    }
}

} // namespace qxbench
