#pragma once

// The figures of a backtest or simulation over one or more sessions.
//
// Every stored figure is an integer: sums, extremes and counts. Merging two
// sets of figures is therefore exact and independent of order, which is what
// makes a parallel simulation give the same result on any number of threads.
// The ratios are derived when asked for.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace quintaro::lab {

// The house edge of single-zero roulette on a straight-up bet: 1/37.
inline constexpr double kHouseEdge = 1.0 / 37.0;

struct ConfidenceInterval {
    double low = 0.0;
    double high = 0.0;

    [[nodiscard]] bool contains(double value) const { return low <= value && value <= high; }
};

struct BacktestFigures {
    std::int64_t sessions = 0;
    std::int64_t spins = 0;
    std::int64_t spinsWithBet = 0;
    std::int64_t unitsStaked = 0;
    std::int64_t unitsWon = 0;
    std::int64_t hits = 0;
    // Bets lost one after another; coups without a bet neither extend nor end a run.
    std::int64_t longestLosingRun = 0;
    // The largest fall of the balance from its highest point before.
    std::int64_t largestDrawdown = 0;
    std::int64_t lowestBalance = std::numeric_limits<std::int64_t>::max();
    std::int64_t finalBalanceSum = 0;
    std::int64_t lowestFinalBalance = std::numeric_limits<std::int64_t>::max();
    std::int64_t highestFinalBalance = std::numeric_limits<std::int64_t>::min();
    // Per coup, with s the stake and d = win - stake the net: sums of s*s,
    // d*d and s*d, for the confidence interval of the return.
    std::int64_t sumStakeSquared = 0;
    std::int64_t sumNetSquared = 0;
    std::int64_t sumStakeTimesNet = 0;

    void merge(const BacktestFigures& other);

    [[nodiscard]] std::int64_t net() const { return unitsWon - unitsStaked; }
    // Net result per unit staked; nothing when no unit was staked.
    [[nodiscard]] std::optional<double> returnPerUnit() const;
    // 95% interval of the return per unit staked (see the .cpp for the method).
    [[nodiscard]] std::optional<ConfidenceInterval> returnInterval() const;
    // What the turnover loses on average at the house edge.
    [[nodiscard]] double expectedLoss() const {
        return static_cast<double>(unitsStaked) * kHouseEdge;
    }
    [[nodiscard]] double meanFinalBalance() const;

    bool operator==(const BacktestFigures&) const = default;
};

}  // namespace quintaro::lab
