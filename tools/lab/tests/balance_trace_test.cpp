#include "tools/lab/balance_trace.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quintaro::lab {
namespace {

TEST(BalanceTrace, keepsEveryCoupWhileThereIsRoom) {
    BalanceTrace trace(1000);
    trace.add(1, 995);
    trace.add(2, 1031);
    ASSERT_EQ(trace.spans().size(), 2U);
    EXPECT_EQ(trace.spans()[1].last, 1031);
    EXPECT_EQ(trace.coups(), 2);
}

TEST(BalanceTrace, mergesNeighboursWithoutLosingExtremes) {
    BalanceTrace trace(0);
    const std::int64_t coups = 10 * static_cast<std::int64_t>(BalanceTrace::kMostSpans) + 3;
    for (std::int64_t coup = 1; coup <= coups; ++coup) {
        // One deep dip and one high peak somewhere in the middle.
        const std::int64_t balance = coup == 5000 ? -777 : coup == 7000 ? 888 : coup % 10;
        trace.add(coup, balance);
    }
    const auto& spans = trace.spans();
    EXPECT_LE(spans.size(), BalanceTrace::kMostSpans);
    EXPECT_EQ(spans.front().firstCoup, 1);
    EXPECT_EQ(trace.coups(), coups);
    EXPECT_EQ(spans.back().last, coups % 10);
    for (std::size_t i = 1; i < spans.size(); ++i) {
        EXPECT_EQ(spans[i].firstCoup, spans[i - 1].lastCoup + 1);
    }
    const auto lowest = std::min_element(spans.begin(), spans.end(),
                                         [](auto& a, auto& b) { return a.low < b.low; });
    const auto highest = std::max_element(spans.begin(), spans.end(),
                                          [](auto& a, auto& b) { return a.high < b.high; });
    EXPECT_EQ(lowest->low, -777);
    EXPECT_TRUE(lowest->firstCoup <= 5000 && 5000 <= lowest->lastCoup);
    EXPECT_EQ(highest->high, 888);
}

}  // namespace
}  // namespace quintaro::lab
