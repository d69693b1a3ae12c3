#pragma once

// A simulation: spins of a fair single-zero wheel, split into sessions that
// run in parallel. Session k draws from stream k of the seed and the figures
// merge exactly, so the result is the same on any number of threads.

#include <cstdint>
#include <vector>

#include "tools/lab/backtest_figures.h"
#include "tools/lab/balance_trace.h"
#include "tools/lab/coup_csv_writer.h"
#include "tools/lab/progress_indicator.h"
#include "tools/lab/system_choice.h"

namespace quintaro::lab {

struct SimulationSetup {
    std::int64_t spins = 0;     // over all sessions
    std::int64_t sessions = 1;  // the spins are shared out as evenly as they go
    SystemChoice systems;
    std::int32_t anfangssaldo = 1000;
    std::uint64_t seed = 1;
    int threads = 1;
    // Sessions 1..tracedSessions keep a balance trace for the plot.
    std::int64_t tracedSessions = 0;
    // A CSV needs the coups in order, so the sessions then run one after another.
    CoupCsvWriter* csv = nullptr;
};

struct SimulationResult {
    BacktestFigures figures;
    std::vector<std::int64_t> sessionLengths;
    std::vector<BalanceTrace> traces;
};

// The length of each session when `spins` are shared among `sessions`.
[[nodiscard]] std::vector<std::int64_t> sessionLengths(std::int64_t spins, std::int64_t sessions);

[[nodiscard]] SimulationResult simulate(const SimulationSetup& setup, ProgressIndicator& progress);

}  // namespace quintaro::lab
