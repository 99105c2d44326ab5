#pragma once

#include "Figures.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qxbench {

// The time of one run; a side may stop it before it returns (when what follows is not its work).
class Stopwatch {
public:
    void start() {
        m_start = Clock::now();
        m_running = true;
    }
    void stop() {
        if (m_running)
            m_elapsed = Clock::now() - m_start;
        m_running = false;
    }
    double milliseconds() const { return std::chrono::duration<double, std::milli>(m_elapsed).count(); }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_start;
    Clock::duration m_elapsed{};
    bool m_running = false;
};

// The two sides of a RATIO figure: the program's path and its bare baseline. They run in turn
// (program, baseline, program, baseline ...) in this process, so that both meet the same state of the
// machine; each side's time is the median of its runs.
class Sides {
public:
    virtual ~Sides() = default;
    // Untimed work before each run (putting the files back as they were before the last run).
    virtual void beforeProgram() {}
    virtual void beforeBaseline() {}
    // One timed run each; false when it failed.
    virtual bool program(Stopwatch& watch) = 0;
    virtual bool baseline(Stopwatch& watch) = 0;
};

// Registers a contest at every size: its sides' medians are kept as "<program>/<size>" and
// "<baseline>/<size>" (without "/<size>" when `sizes` is empty), from `rounds` runs of each side after
// one unmeasured run of each. Returns true, for registering from a static initialiser.
bool contest(std::string program, std::string baseline, std::vector<int> sizes, int rounds,
             std::function<std::unique_ptr<Sides>(int size)> make);

// Runs every registered contest whose program name holds one of `only` (all when it is empty), prints
// each side's median and keeps it in `times`.
void runContests(RunTimes& times, const std::vector<std::string>& only);

} // namespace qxbench
