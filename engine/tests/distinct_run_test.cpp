#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/favourite_game.h"
#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

struct RunCase {
    const char* name;
    std::vector<std::int32_t> entered;  // since session start or Reset, oldest first
    std::int32_t six;
    std::int32_t seven;
    std::int32_t eight;
};

class DistinctRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(DistinctRun, flagsTheRunsOfSixSevenAndEightSlots) {
    const RunCase& c = GetParam();
    SessionState s;
    s.Permanenz = testing::historyAfter(KeineZahl, c.entered);

    VergleichDer7Zahlen(s);

    EXPECT_EQ(s.SechsVerschiedene, c.six);
    EXPECT_EQ(s.SiebenVerschiedene, c.seven);
    EXPECT_EQ(s.AchtVerschiedene, c.eight);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, DistinctRun,
    ::testing::Values(
        RunCase{"nothingEntered", {}, 0, 0, 0}, RunCase{"fourNumbers", {1, 2, 3, 4}, 0, 0, 0},
        RunCase{"fiveDifferent", {1, 2, 3, 4, 5}, 1, 0, 0},
        RunCase{"sixDifferent", {1, 2, 3, 4, 5, 6}, 1, 1, 0},
        RunCase{"sevenDifferent", {1, 2, 3, 4, 5, 6, 7}, 1, 1, 1},
        RunCase{"longRunOfDifferent", {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 1, 1, 1},
        // The number before the last five repeats one of them.
        RunCase{"sixBackRepeatsOldest", {1, 1, 2, 3, 4, 5}, 0, 0, 0},
        RunCase{"sixBackRepeatsSecond", {2, 1, 2, 3, 4, 5}, 0, 0, 0},
        RunCase{"sixBackRepeatsThird", {3, 1, 2, 3, 4, 5}, 0, 0, 0},
        RunCase{"sixBackRepeatsFourth", {4, 1, 2, 3, 4, 5}, 0, 0, 0},
        RunCase{"sixBackRepeatsNewest", {5, 1, 2, 3, 4, 5}, 0, 0, 0},
        // The number just entered repeats one of the seven before it.
        RunCase{"newestRepeatsSevenBack", {1, 2, 3, 4, 5, 6, 7, 1}, 1, 1, 0},
        RunCase{"newestRepeatsSixBack", {0, 1, 2, 3, 4, 5, 6, 1}, 1, 0, 0},
        RunCase{"newestRepeatsFiveBack", {0, 1, 2, 3, 4, 5, 6, 2}, 0, 0, 0},
        RunCase{"newestRepeatsPrevious", {1, 2, 3, 4, 5, 6, 7, 7}, 0, 0, 0},
        RunCase{"newestIsKeineZahl", {1, 2, 3, 4, 5, 6, 7, 37}, 0, 0, 0},
        // An erased number that has moved to slot 6, 7 or 8.
        RunCase{"keineZahlInSlotSix", {10, 11, 12, 37, 1, 2, 3, 4, 5}, 1, 0, 0},
        RunCase{"keineZahlInSlotSeven", {10, 11, 37, 1, 2, 3, 4, 5, 6}, 1, 1, 0},
        RunCase{"keineZahlInSlotEight", {10, 37, 1, 2, 3, 4, 5, 6, 7}, 1, 1, 1},
        // Typed values outside the wheel count as numbers.
        RunCase{"fortyInTheRun", {1, 2, 40, 3, 4}, 1, 0, 0},
        RunCase{"negativeInTheRun", {-3, 1, 2, 3, 4, 5}, 1, 1, 0},
        RunCase{"repeatedForty", {40, 1, 2, 3, 40}, 0, 0, 0}),
    testing::CaseName{});

// The test reads the history the coup has just shifted, whatever is ticked,
// and starts again from an empty history after Reset.
TEST(DistinctRunInASession, runsWithEverySystemClearAndRestartsAfterReset) {
    testing::PlayedSession p;
    p.tick(BettingSystem::Favourite, false);
    p.enter({1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(p.state().AchtVerschiedene, 1);

    p.session.reset();
    p.enter({8, 9, 10, 11});
    EXPECT_EQ(p.state().SechsVerschiedene, 0);
    p.enter({12});
    EXPECT_EQ(p.state().SechsVerschiedene, 1);
    EXPECT_EQ(p.state().SiebenVerschiedene, 0);
}

}  // namespace
}  // namespace quintaro
