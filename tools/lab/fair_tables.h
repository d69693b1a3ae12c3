#pragma once

// The chance view: the same systems played on seeded fair tables.
//
// One fair table mirrors the run it is compared with: one fair session per
// observed session, of the same length, with the same systems and initial
// balance. Its net result is the sum over those sessions. Where the
// observed net falls among the nets of many fair tables says how unusual the
// result is for chance alone; the balances of the longest session, sampled
// at fixed coups, give the band a plot draws behind the observed balance.
//
// Every fair session draws its spins from its own stream (table and session
// index), so the results do not depend on the number of threads.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "tools/lab/progress_indicator.h"
#include "tools/lab/system_choice.h"

namespace quintaro::lab {

struct FairTableSetup {
    std::vector<std::int64_t> sessionLengths;
    SystemChoice systems;
    std::int32_t anfangssaldo = 1000;
    std::uint64_t seed = 1;
    std::int64_t tables = 1000;
    int threads = 1;
    bool withBand = false;
};

// The 5th and 95th percentile of the fair balance at sampled coups.
struct BalanceBand {
    std::vector<std::int64_t> coups;
    std::vector<double> low;
    std::vector<double> high;
};

struct FairTableResults {
    std::vector<std::int64_t> nets;  // one per table, in table order
    std::optional<BalanceBand> band;
};

[[nodiscard]] FairTableResults runFairTables(const FairTableSetup& setup,
                                             ProgressIndicator& progress);

// The share of `nets` below `net`, ties counted half, in percent.
[[nodiscard]] double percentileAmong(std::int64_t net, std::span<const std::int64_t> nets);

// The q-quantile (0..1) of sorted values, interpolated between neighbours.
[[nodiscard]] double quantileOfSorted(std::span<const std::int64_t> sorted, double q);

}  // namespace quintaro::lab
