#pragma once

// Keeps the figures of one session coup by coup, in constant memory.

#include <algorithm>
#include <cstdint>

#include "tools/lab/backtest_figures.h"
#include "tools/lab/coup_record.h"

namespace quintaro::lab {

class SessionTally {
public:
    explicit SessionTally(std::int64_t initialBalance);

    void add(const CoupRecord& coup) {
        const std::int64_t stake = coup.stake;
        const std::int64_t net = std::int64_t{coup.win} - stake;
        ++m_figures.spins;
        m_figures.unitsStaked += stake;
        m_figures.unitsWon += coup.win;
        m_figures.sumStakeSquared += stake * stake;
        m_figures.sumNetSquared += net * net;
        m_figures.sumStakeTimesNet += stake * net;
        if (coup.win > 0) {
            ++m_figures.hits;
        }
        if (stake > 0) {
            ++m_figures.spinsWithBet;
            m_losingRun = coup.win > 0 ? 0 : m_losingRun + 1;
            m_figures.longestLosingRun = std::max(m_figures.longestLosingRun, m_losingRun);
        }
        m_balance = coup.balance;
        m_peak = std::max(m_peak, m_balance);
        m_figures.largestDrawdown = std::max(m_figures.largestDrawdown, m_peak - m_balance);
        m_figures.lowestBalance = std::min(m_figures.lowestBalance, m_balance);
    }

    // The figures of the session so far, its final balance the current one.
    [[nodiscard]] BacktestFigures figures() const;

private:
    BacktestFigures m_figures;
    std::int64_t m_balance;
    std::int64_t m_peak;
    std::int64_t m_losingRun = 0;
};

}  // namespace quintaro::lab
