#include "engine/law_of_the_third.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::numbersOn;
using testing::RecordingView;
using testing::ViewCall;

// `count` spins that cycle through the numbers 0 to distinct-1.
std::vector<std::int32_t> cycleOf(int count, int distinct) {
    std::vector<std::int32_t> spins;
    spins.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        spins.push_back(i % distinct);
    }
    return spins;
}

std::vector<std::int32_t> numbersRange(std::int32_t first, std::int32_t last) {
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = first; n <= last; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

// The sleeper steps at their place in the coup: the numbers entered into the
// history and shifted, the counter already counting this coup.
class SleeperSteps : public ::testing::Test {
protected:
    void run(const std::vector<std::int32_t>& entered, std::int64_t coupZaehler = 51) {
        s.RestantenPermanenz = testing::historyAfter(KeineZahl, entered);
        s.CoupZaehler = coupZaehler;
        SatzsignalRestanten(s, view);
    }

    [[nodiscard]] std::vector<std::int32_t> fallen() const {
        std::vector<std::int32_t> numbers;
        for (std::int32_t n = 0; n < kNumberCount; ++n) {
            if (s.GefalleneZahlen[numberIndex(n)] == 1) {
                numbers.push_back(n);
            }
        }
        return numbers;
    }

    SessionState s;
    RecordingView view;
};

struct SignalCase {
    std::int64_t coupZaehler;
    bool bets;
};

class SleeperSignal : public SleeperSteps, public ::testing::WithParamInterface<SignalCase> {};

TEST_P(SleeperSignal, countsEveryCoupAndBetsFromThe51stOn) {
    const SignalCase& c = GetParam();
    run(cycleOf(50, 10), c.coupZaehler);

    EXPECT_EQ(s.AnzahlGefallene, 10);
    EXPECT_EQ(view.count(ViewCall::Restantenspalte), c.bets ? 1 : 0);
    EXPECT_EQ(s.Restantenspalte[36], c.bets ? SleeperEntry::Sleeper : SleeperEntry::NotYetComputed);
    EXPECT_EQ(numbersOn(s.Tableau).size(), c.bets ? 27U : 0U);
}

INSTANTIATE_TEST_SUITE_P(CoupZaehler, SleeperSignal,
                         ::testing::Values(SignalCase{1, false}, SignalCase{50, false},
                                           SignalCase{51, true}, SignalCase{52, true},
                                           SignalCase{1000, true}));

struct WindowCase {
    const char* name;
    std::vector<std::int32_t> entered;  // oldest first
    std::vector<std::int32_t> fallen;
};

class SleeperWindow : public SleeperSteps, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(SleeperWindow, marksTheNumbersOfTheLast50Coups) {
    const WindowCase& c = GetParam();
    run(c.entered);
    EXPECT_EQ(fallen(), c.fallen);
    EXPECT_EQ(s.AnzahlGefallene, static_cast<std::int32_t>(c.fallen.size()));
}

std::vector<std::int32_t> valueThen(std::int32_t first, int spins) {
    std::vector<std::int32_t> entered = {first};
    const auto after = testing::spinsWithoutTwins(spins);
    entered.insert(entered.end(), after.begin(), after.end());
    return entered;
}

INSTANTIATE_TEST_SUITE_P(
    Histories, SleeperWindow,
    ::testing::Values(WindowCase{"newestNumber", {17}, {17}},
                      WindowCase{"earlyInTheSession", {3, 3, 9}, {3, 9}},
                      WindowCase{"fiftyEqual", cycleOf(50, 1), {0}},
                      // 0 in slot 50 still counts; in slot 51 it has left the window.
                      WindowCase{"zeroInSlotFifty", valueThen(0, 49), numbersRange(0, 36)},
                      WindowCase{"zeroInSlotFiftyOne", valueThen(0, 50), numbersRange(1, 36)},
                      // A full window with one odd value in its oldest slot.
                      WindowCase{"oddValueInSlotFifty", valueThen(99, 49), numbersRange(1, 36)},
                      WindowCase{
                          "valuesOutsideTheWheel", {40, -1, 37, 64, INT32_MIN, INT32_MAX, 5}, {5}}),
    testing::CaseName{});

class SleeperThreshold : public SleeperSteps, public ::testing::WithParamInterface<int> {};

// The last 50 spins hold the numbers 0 to k-1: k fell, the rest are sleepers.
TEST_P(SleeperThreshold, betsAllSleepersOrNone) {
    const int k = GetParam();
    run(cycleOf(50, k));
    ASSERT_EQ(s.AnzahlGefallene, k);

    const bool betsSleepers = k <= 26;
    for (std::int32_t n = 0; n < kNumberCount; ++n) {
        const SleeperEntry expected = !betsSleepers ? SleeperEntry::Empty
                                      : n < k       ? SleeperEntry::Fallen
                                                    : SleeperEntry::Sleeper;
        EXPECT_EQ(s.Restantenspalte[numberIndex(n)], expected) << "number " << n;
    }
    EXPECT_EQ(view.restantenspalte(), s.Restantenspalte);
    EXPECT_EQ(numbersOn(s.Tableau),
              betsSleepers ? numbersRange(k, 36) : std::vector<std::int32_t>{});
    EXPECT_EQ(view.tableau(), s.Tableau);
}

INSTANTIATE_TEST_SUITE_P(FallenNumbers, SleeperThreshold, ::testing::Values(1, 25, 26, 27, 28, 37));

TEST_F(SleeperSteps, aboveTheThresholdTheSlotsAreStillBet) {
    s.Satzanzeige[0] = 5;
    s.Satzanzeige[1] = -3;
    s.Satzanzeige[2] = 40;
    s.Zwillingsslot = 30;
    run(cycleOf(50, 27));
    EXPECT_EQ(numbersOn(s.Tableau), (std::vector<std::int32_t>{5, 30}));
}

TEST_F(SleeperSteps, aSleeperInASlotIsOneUnit) {
    s.Satzanzeige[0] = 29;
    s.Zwillingsslot = 30;
    run(cycleOf(50, 26));
    EXPECT_EQ(numbersOn(s.Tableau), numbersRange(26, 36));
}

TEST_F(SleeperSteps, keepsTheFlagsTheOtherSystemsSetEarlierInTheCoup) {
    s.Tableau[3] = true;
    run(cycleOf(50, 26));
    EXPECT_TRUE(s.Tableau[3]);
    EXPECT_EQ(numbersOn(s.Tableau).size(), 12U);
}

class SleepersInASession : public ::testing::Test {
protected:
    SleepersInASession() {
        p.tick(BettingSystem::Favourite, false);
        p.tick(BettingSystem::LawOfTheThird);
    }

    testing::PlayedSession p;
};

// A failed entry counts as a coup too, so it brings the first bet forward by one.
TEST_F(SleepersInASession, firstBetOnThe51stPressOfOkFailedOnesIncluded) {
    p.enter(cycleOf(49, 20));
    p.enterText("x");
    EXPECT_EQ(p.state().CoupZaehler, 50);
    EXPECT_EQ(p.view.count(ViewCall::Restantenspalte), 0);
    EXPECT_TRUE(p.board().empty());

    p.enter({19});
    EXPECT_EQ(p.view.count(ViewCall::Restantenspalte), 1);
    EXPECT_EQ(p.board(), numbersRange(20, 36));
    EXPECT_EQ(p.state().Einsatz, 17);
}

TEST_F(SleepersInASession, windowAndCountRunOnAcrossReset) {
    p.enter(cycleOf(30, 10));
    p.session.reset();
    p.enter(std::vector<std::int32_t>(20, 10));
    EXPECT_EQ(p.view.count(ViewCall::Restantenspalte), 0);

    p.enter({10});
    EXPECT_EQ(p.state().AnzahlGefallene, 11);
    EXPECT_EQ(p.state().Restantenspalte[0], SleeperEntry::Fallen);
    EXPECT_EQ(p.board(), numbersRange(11, 36));
}

}  // namespace
}  // namespace quintaro
