// The figures of a backtest on records and permanences small enough to
// work out by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/lab/fair_tables.h"
#include "tools/lab/lab_session.h"
#include "tools/lab/session_tally.h"

namespace quintaro::lab {
namespace {

BacktestFigures tallyOf(const std::vector<CoupRecord>& coups, std::int64_t initial = 1000) {
    SessionTally tally(initial);
    for (const CoupRecord& coup : coups) {
        tally.add(coup);
    }
    return tally.figures();
}

// Plays the numbers through the engine with the favourite game alone.
BacktestFigures played(const std::vector<int>& numbers) {
    LabSession session(SystemChoice{}, 1000);
    SessionTally tally(1000);
    for (const int n : numbers) {
        tally.add(session.play(n));
    }
    return tally.figures();
}

std::vector<int> upFrom(int first, int count) {
    std::vector<int> numbers;
    numbers.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        numbers.push_back((first + i) % 37);
    }
    return numbers;
}

TEST(SessionTally, measuresTheDrawdownFromTheHighestBalanceBefore) {
    // 1000 -> 1010 -> 990 (fall 20) -> 1030 -> 980 (fall 50) -> 1000.
    const BacktestFigures f = tallyOf({{1, 4, 0, 0, 1000},
                                       {2, 4, 2, 12, 1010},
                                       {3, 4, 20, 0, 990},
                                       {4, 4, 4, 44, 1030},
                                       {5, 4, 50, 0, 980},
                                       {6, 4, 16, 36, 1000}});
    EXPECT_EQ(f.largestDrawdown, 50);
    EXPECT_EQ(f.lowestBalance, 980);
    EXPECT_EQ(f.finalBalanceSum, 1000);
}

TEST(SessionTally, countsLosingRunsOverCoupsWithABetOnly) {
    // lose, lose, (no bet), lose, win, lose, lose: runs of 3 and 2.
    const BacktestFigures f = tallyOf({{1, 0, 5, 0, 995},
                                       {2, 0, 5, 0, 990},
                                       {3, 0, 0, 0, 990},
                                       {4, 0, 5, 0, 985},
                                       {5, 0, 5, 36, 1016},
                                       {6, 0, 5, 0, 1011},
                                       {7, 0, 5, 0, 1006}});
    EXPECT_EQ(f.longestLosingRun, 3);
    EXPECT_EQ(f.spins, 7);
    EXPECT_EQ(f.spinsWithBet, 6);
    EXPECT_EQ(f.unitsStaked, 30);
    EXPECT_EQ(f.unitsWon, 36);
    EXPECT_EQ(f.hits, 1);
    EXPECT_EQ(f.net(), 6);
}

TEST(SessionTally, startsAtTheInitialBalanceWithoutCoups) {
    const BacktestFigures f = tallyOf({}, 250);
    EXPECT_EQ(f.lowestBalance, 250);
    EXPECT_EQ(f.finalBalanceSum, 250);
    EXPECT_EQ(f.largestDrawdown, 0);
    EXPECT_FALSE(f.returnPerUnit());
    EXPECT_FALSE(f.returnInterval());
}

// Numbers that never repeat within 37 coups: the favourite game bets from
// the sixth coup on, 5, 6 and 7 numbers in turn (a stake of seven breaks the
// run back to five), and never hits.
TEST(PlayedPermanence, distinctNumbersLoseEveryBetOfTheFavouriteGame) {
    const BacktestFigures f = played(upFrom(1, 11));
    EXPECT_EQ(f.spins, 11);
    EXPECT_EQ(f.spinsWithBet, 6);
    EXPECT_EQ(f.unitsStaked, 5 + 6 + 7 + 5 + 6 + 7);
    EXPECT_EQ(f.hits, 0);
    EXPECT_EQ(f.longestLosingRun, 6);
    EXPECT_EQ(f.largestDrawdown, 36);
    EXPECT_EQ(f.lowestBalance, 964);
    EXPECT_EQ(f.finalBalanceSum, 964);
}

// 1 to 7, then 3, which stands among the seven numbers bet: the balance goes
// 1000 (five coups), 995, 989, then 989 - 7 + 36 = 1018.
TEST(PlayedPermanence, aHitEndsTheLosingRunAndLiftsTheBalance) {
    std::vector<int> numbers = upFrom(1, 7);
    numbers.push_back(3);
    const BacktestFigures f = played(numbers);
    EXPECT_EQ(f.spinsWithBet, 3);
    EXPECT_EQ(f.unitsStaked, 18);
    EXPECT_EQ(f.unitsWon, 36);
    EXPECT_EQ(f.net(), 18);
    EXPECT_EQ(f.hits, 1);
    EXPECT_EQ(f.longestLosingRun, 2);
    EXPECT_EQ(f.largestDrawdown, 11);
    EXPECT_EQ(f.lowestBalance, 989);
    EXPECT_EQ(f.finalBalanceSum, 1018);
    ASSERT_TRUE(f.returnPerUnit());
    EXPECT_DOUBLE_EQ(*f.returnPerUnit(), 1.0);
}

TEST(BacktestFigures, mergesSessionsIntoSumsAndExtremes) {
    BacktestFigures all;
    all.merge(played(upFrom(1, 11)));
    std::vector<int> numbers = upFrom(1, 7);
    numbers.push_back(3);
    all.merge(played(numbers));
    EXPECT_EQ(all.sessions, 2);
    EXPECT_EQ(all.spins, 19);
    EXPECT_EQ(all.unitsStaked, 36 + 18);
    EXPECT_EQ(all.longestLosingRun, 6);
    EXPECT_EQ(all.largestDrawdown, 36);
    EXPECT_EQ(all.lowestBalance, 964);
    EXPECT_EQ(all.lowestFinalBalance, 964);
    EXPECT_EQ(all.highestFinalBalance, 1018);
    EXPECT_DOUBLE_EQ(all.meanFinalBalance(), 991.0);
}

// Two coups of one unit each, one lost and one won: R = (35 - 1) / 2 = 17,
// residuals -18 and 18, standard error sqrt(648) / 2.
TEST(BacktestFigures, givesTheConfidenceIntervalOfTheReturnPerUnit) {
    const BacktestFigures f = tallyOf({{1, 0, 1, 0, 999}, {2, 0, 1, 36, 1034}});
    ASSERT_TRUE(f.returnInterval());
    const double halfWidth = 1.959963984540054 * std::sqrt(648.0) / 2.0;
    EXPECT_NEAR(f.returnInterval()->low, 17.0 - halfWidth, 1e-9);
    EXPECT_NEAR(f.returnInterval()->high, 17.0 + halfWidth, 1e-9);
    EXPECT_NEAR(f.expectedLoss(), 2.0 / 37.0, 1e-12);
}

struct PercentileCase {
    std::int64_t net;
    double percentile;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const PercentileCase& c, std::ostream* os) {
    *os << "net " << c.net;
}

class PercentileAmongFairTables : public ::testing::TestWithParam<PercentileCase> {};

TEST_P(PercentileAmongFairTables, countsTablesBelowAndHalfTheTies) {
    const std::vector<std::int64_t> nets = {-10, 0, 0, 5, 20};
    EXPECT_DOUBLE_EQ(percentileAmong(GetParam().net, nets), GetParam().percentile);
}

INSTANTIATE_TEST_SUITE_P(FiveTables, PercentileAmongFairTables,
                         ::testing::Values(PercentileCase{-11, 0.0}, PercentileCase{-10, 10.0},
                                           PercentileCase{0, 40.0}, PercentileCase{3, 60.0},
                                           PercentileCase{20, 90.0}, PercentileCase{21, 100.0}));

TEST(QuantileOfSorted, interpolatesBetweenNeighbours) {
    const std::vector<std::int64_t> sorted = {0, 10, 20, 30, 40};
    EXPECT_DOUBLE_EQ(quantileOfSorted(sorted, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(quantileOfSorted(sorted, 0.05), 2.0);
    EXPECT_DOUBLE_EQ(quantileOfSorted(sorted, 0.95), 38.0);
    EXPECT_DOUBLE_EQ(quantileOfSorted(sorted, 1.0), 40.0);
}

}  // namespace
}  // namespace quintaro::lab
