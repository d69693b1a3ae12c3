#include "tools/lab/session_tally.h"

namespace quintaro::lab {

SessionTally::SessionTally(std::int64_t initialBalance)
    : m_balance(initialBalance), m_peak(initialBalance) {
    m_figures.sessions = 1;
    m_figures.lowestBalance = initialBalance;
}

BacktestFigures SessionTally::figures() const {
    BacktestFigures figures = m_figures;
    figures.finalBalanceSum = m_balance;
    figures.lowestFinalBalance = m_balance;
    figures.highestFinalBalance = m_balance;
    return figures;
}

}  // namespace quintaro::lab
