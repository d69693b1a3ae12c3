#include "engine/run_breaks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::PlayedSession;
using testing::RecordingView;
using testing::ViewCall;

struct BreakCase {
    std::int32_t gewinn;
    std::int32_t einsatzanzeige;
    bool erases;
};

class RunBreakRules : public ::testing::TestWithParam<BreakCase> {};

// Runs both rules at their place in the coup: 20 just entered into slot 0,
// the history not yet shifted, so slot 5 holds the fifth number before it.
TEST_P(RunBreakRules, eraseTheFifthNumberBackAfterAWinOrAStakeOfExactlySeven) {
    const BreakCase& c = GetParam();
    SessionState s;
    s.Permanenz = testing::historyAfter(KeineZahl, {10, 11, 12, 13, 14, 15, 16});
    s.Permanenz[0] = 20;
    s.ZwillingsPermanenz = s.Permanenz;
    s.RestantenPermanenz = s.Permanenz;
    s.Gewinn = c.gewinn;
    s.Einsatzanzeige = c.einsatzanzeige;
    SessionState expected = s;
    if (c.erases) {
        expected.Permanenz[5] = KeineZahl;
    }
    RecordingView view;

    BeiGewinnZurueckAuf5(s, view);
    StopBei8Zahlen(s, view);

    EXPECT_EQ(s, expected);
    EXPECT_EQ(view.count(ViewCall::Focus) > 0, c.erases);
}

INSTANTIATE_TEST_SUITE_P(GewinnAndStake, RunBreakRules,
                         ::testing::Values(BreakCase{36, 5, true}, BreakCase{36, 0, true},
                                           BreakCase{0, 7, true}, BreakCase{36, 7, true},
                                           BreakCase{0, 6, false}, BreakCase{0, 8, false},
                                           BreakCase{0, 37, false}, BreakCase{0, 0, false}));

TEST(RunBreaks, aWinOnTheOldestOfFiveNumbersRestartsTheRunAtFive) {
    PlayedSession p;
    p.enter({1, 2, 3, 4, 5});
    ASSERT_EQ(testing::slotsOf(p.state()), (std::vector<BetSlot>{5, 4, 3, 2, 1, Leer, Leer}));

    p.enter({1});

    const SessionState& s = p.state();
    EXPECT_EQ(s.Gewinn, 36);
    EXPECT_EQ(s.Permanenz[6], KeineZahl);
    EXPECT_EQ(testing::slotsOf(s), (std::vector<BetSlot>{1, 5, 4, 3, 2, Leer, Leer}));
    EXPECT_EQ(p.board(), (std::vector<std::int32_t>{1, 2, 3, 4, 5}));
}

// Spins 1..5, then 1 wins and breaks the run; the erased slot then moves down
// one place a coup. On 8 the stake of seven breaks the run again.
struct AfterTheBreak {
    int spinsEntered;
    int erasedSlot;  // the first of slots 1..8 that holds KeineZahl
    int level;
};

class RunAfterABreak : public ::testing::TestWithParam<AfterTheBreak> {};

TEST_P(RunAfterABreak, climbsBackOneLevelACoup) {
    const std::vector<std::int32_t> spins = {1, 2, 3, 4, 5, 1, 6, 7, 8};
    const AfterTheBreak& c = GetParam();
    PlayedSession p;
    p.enter({spins.begin(), spins.begin() + c.spinsEntered});

    const SessionState& s = p.state();
    const auto* erased = std::find(s.Permanenz.begin() + 1, s.Permanenz.begin() + 9, KeineZahl);
    EXPECT_EQ(erased - s.Permanenz.begin(), c.erasedSlot);
    EXPECT_EQ(s.Einsatz, c.level);
    EXPECT_EQ(std::count(s.Satzanzeige.begin(), s.Satzanzeige.end(), Leer), 7 - c.level);
}

INSTANTIATE_TEST_SUITE_P(Coups, RunAfterABreak,
                         ::testing::Values(AfterTheBreak{6, 6, 5}, AfterTheBreak{7, 7, 6},
                                           AfterTheBreak{8, 8, 7}, AfterTheBreak{9, 6, 5}));

TEST(RunBreaks, aWinOfTwinTrackingErasesWhileTheFavouriteGameIsOff) {
    PlayedSession p;
    p.tick(BettingSystem::Favourite, false);
    p.tick(BettingSystem::Twins);
    p.enter(testing::spinsWithoutTwins(36));
    ASSERT_EQ(p.board(), (std::vector<std::int32_t>{36}));

    p.enter({36});

    EXPECT_EQ(p.state().Gewinn, 36);
    EXPECT_EQ(p.state().Permanenz[6], KeineZahl);
    EXPECT_EQ(p.view.permanenz()[6], KeineZahl);
    EXPECT_EQ(p.state().ZwillingsPermanenz[6], 32);
    EXPECT_EQ(p.state().RestantenPermanenz[6], 32);
}

// Twin tracking proposed 36 and was then switched off; the favourite game
// keeps marking 36. At six numbers of its own that makes a stake of seven,
// which breaks the run before the favourite game ever bets seven.
TEST(RunBreaks, sixFavouriteNumbersAndAnOldTwinNumberMakeAStakeOfSevenThatBreaks) {
    PlayedSession p;
    p.tick(BettingSystem::Favourite, false);
    p.tick(BettingSystem::Twins);
    p.enter(testing::spinsWithoutTwins(36));
    p.tick(BettingSystem::Twins, false);
    p.tick(BettingSystem::Favourite);
    p.session.reset();

    p.enter({1, 2, 3, 4, 5, 6});
    ASSERT_EQ(p.state().Einsatz, 7);
    p.enter({7});

    EXPECT_EQ(p.state().Permanenz[6], KeineZahl);
    EXPECT_EQ(testing::slotsOf(p.state()), (std::vector<BetSlot>{7, 6, 5, 4, 3, Leer, Leer}));
    EXPECT_EQ(p.board(), (std::vector<std::int32_t>{3, 4, 5, 6, 7, 36}));
}

}  // namespace
}  // namespace quintaro
