#include "tools/lab/backtest_figures.h"

#include <cmath>

namespace quintaro::lab {
namespace {

constexpr double kZ95 = 1.959963984540054;

}  // namespace

void BacktestFigures::merge(const BacktestFigures& other) {
    sessions += other.sessions;
    spins += other.spins;
    spinsWithBet += other.spinsWithBet;
    unitsStaked += other.unitsStaked;
    unitsWon += other.unitsWon;
    hits += other.hits;
    longestLosingRun = std::max(longestLosingRun, other.longestLosingRun);
    largestDrawdown = std::max(largestDrawdown, other.largestDrawdown);
    lowestBalance = std::min(lowestBalance, other.lowestBalance);
    finalBalanceSum += other.finalBalanceSum;
    lowestFinalBalance = std::min(lowestFinalBalance, other.lowestFinalBalance);
    highestFinalBalance = std::max(highestFinalBalance, other.highestFinalBalance);
    sumStakeSquared += other.sumStakeSquared;
    sumNetSquared += other.sumNetSquared;
    sumStakeTimesNet += other.sumStakeTimesNet;
}

std::optional<double> BacktestFigures::returnPerUnit() const {
    if (unitsStaked == 0) {
        return std::nullopt;
    }
    return static_cast<double>(net()) / static_cast<double>(unitsStaked);
}

std::optional<ConfidenceInterval> BacktestFigures::returnInterval() const {
    const auto r = returnPerUnit();
    if (!r) {
        return std::nullopt;
    }
    // The return is a ratio R = sum(d) / sum(s) over the coups. Whatever the
    // systems staked, each spin is independent of the stake placed on it, so
    // the residuals d - R*s have mean about zero and the standard error of R
    // is sqrt(sum((d - R*s)^2)) / sum(s) (the delta method for a ratio).
    const double residualSquares = static_cast<double>(sumNetSquared) -
                                   2.0 * *r * static_cast<double>(sumStakeTimesNet) +
                                   *r * *r * static_cast<double>(sumStakeSquared);
    const double standardError =
        std::sqrt(std::max(0.0, residualSquares)) / static_cast<double>(unitsStaked);
    return ConfidenceInterval{*r - kZ95 * standardError, *r + kZ95 * standardError};
}

double BacktestFigures::meanFinalBalance() const {
    if (sessions == 0) {
        return 0.0;
    }
    return static_cast<double>(finalBalanceSum) / static_cast<double>(sessions);
}

}  // namespace quintaro::lab
