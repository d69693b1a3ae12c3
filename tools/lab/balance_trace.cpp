#include "tools/lab/balance_trace.h"

#include <algorithm>

namespace quintaro::lab {

void BalanceTrace::add(std::int64_t coup, std::int64_t balance) {
    if (!m_spans.empty()) {
        BalanceSpan& span = m_spans.back();
        if (span.lastCoup - span.firstCoup + 1 < m_coupsPerSpan) {
            span.lastCoup = coup;
            span.low = std::min(span.low, balance);
            span.high = std::max(span.high, balance);
            span.last = balance;
            return;
        }
    }
    if (m_spans.size() == kMostSpans) {
        mergeNeighbours();
    }
    m_spans.push_back({coup, coup, balance, balance, balance});
}

void BalanceTrace::mergeNeighbours() {
    for (std::size_t i = 0; i < kMostSpans / 2; ++i) {
        const BalanceSpan& first = m_spans[2 * i];
        const BalanceSpan& second = m_spans[2 * i + 1];
        m_spans[i] = {first.firstCoup, second.lastCoup, std::min(first.low, second.low),
                      std::max(first.high, second.high), second.last};
    }
    m_spans.resize(kMostSpans / 2);
    m_coupsPerSpan *= 2;
}

}  // namespace quintaro::lab
