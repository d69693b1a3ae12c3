#pragma once

// The balance of one session over its coups, kept for a plot in constant
// memory, however long the session: consecutive coups share a span that
// keeps the lowest, highest and last balance in it. When the spans run out,
// neighbours merge and every span covers twice as many coups as before, so a
// plot of any length draws from at most kMostSpans spans, each no wider than
// a pixel column or two.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quintaro::lab {

struct BalanceSpan {
    std::int64_t firstCoup = 0;
    std::int64_t lastCoup = 0;
    std::int64_t low = 0;
    std::int64_t high = 0;
    std::int64_t last = 0;
};

class BalanceTrace {
public:
    static constexpr std::size_t kMostSpans = 2048;

    explicit BalanceTrace(std::int64_t initialBalance) : m_initialBalance(initialBalance) {}

    // The balance after coup `coup`; coups come in order, counted from 1.
    void add(std::int64_t coup, std::int64_t balance);

    [[nodiscard]] std::int64_t initialBalance() const { return m_initialBalance; }
    [[nodiscard]] const std::vector<BalanceSpan>& spans() const { return m_spans; }
    [[nodiscard]] std::int64_t coups() const {
        return m_spans.empty() ? 0 : m_spans.back().lastCoup;
    }

private:
    void mergeNeighbours();

    std::int64_t m_initialBalance;
    std::int64_t m_coupsPerSpan = 1;
    std::vector<BalanceSpan> m_spans;
};

}  // namespace quintaro::lab
