#include "engine/twin_tracking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::numbersOn;
using testing::spinsWithoutTwins;

std::vector<std::int32_t> join(std::vector<std::int32_t> first,
                               const std::vector<std::int32_t>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

struct TwinCase {
    const char* name;
    std::vector<std::int32_t> entered;  // since program start, oldest first
    BetSlot zwillingsslot;
    std::vector<std::int32_t> board;
};

class TwinTest : public ::testing::TestWithParam<TwinCase> {};

TEST_P(TwinTest, betsTheNumberJustEnteredWhileNoTwinLiesAmongTheLast36) {
    const TwinCase& c = GetParam();
    SessionState s;
    s.ZwillingsPermanenz = testing::historyAfter(0, c.entered);
    testing::RecordingView view;

    ZwillingeVerfolgen(s, view);

    EXPECT_EQ(s.Zwillingsslot, c.zwillingsslot);
    EXPECT_EQ(numbersOn(s.Tableau), c.board);
    EXPECT_EQ(view.tableau(), s.Tableau);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, TwinTest,
    ::testing::Values(
        // Unfilled slots hold 0 since program start, and two of them are a twin.
        TwinCase{"thirtyFourNumbers", spinsWithoutTwins(34), KeineZahl, {}},
        TwinCase{"thirtyFiveOldestNotZero", spinsWithoutTwins(35), 35, {35}},
        TwinCase{"thirtyFiveOldestZero", join({0}, spinsWithoutTwins(34)), KeineZahl, {}},
        TwinCase{"thirtySix", spinsWithoutTwins(36), 36, {36}},
        TwinCase{"newestRepeatsPrevious", join(spinsWithoutTwins(36), {5, 5}), KeineZahl, {}},
        // The window ends at slot 36.
        TwinCase{"twinAtSlots35And36", join({7, 7}, spinsWithoutTwins(34)), KeineZahl, {}},
        TwinCase{"twinAtSlots36And37", join({7, 7}, spinsWithoutTwins(35)), 35, {35}},
        // Only neighbours count.
        TwinCase{"newestRepeatsTwoBack", join(spinsWithoutTwins(36), {5, 6, 5}), 5, {5}},
        TwinCase{"zero", join(spinsWithoutTwins(36), {0}), 0, {0}},
        // Values are compared as they stand; outside 0..36 they mark nothing.
        TwinCase{"forty", join(spinsWithoutTwins(36), {40}), 40, {}},
        TwinCase{
            "twoKeineZahlSideBySide", join(spinsWithoutTwins(36), {37, 37, 5}), KeineZahl, {}}),
    testing::CaseName{});

TEST(TwinTracking, withoutAProposalLeavesEveryFlagAsItWas) {
    SessionState s;
    s.ZwillingsPermanenz = testing::historyAfter(0, join(spinsWithoutTwins(36), {9, 9}));
    s.Tableau[3] = true;
    s.Tableau[9] = true;
    const TableauFlags before = s.Tableau;
    testing::RecordingView view;

    ZwillingeVerfolgen(s, view);

    EXPECT_EQ(s.Tableau, before);
}

class TwinsInASession : public ::testing::Test {
protected:
    TwinsInASession() {
        p.tick(BettingSystem::Favourite, false);
        p.tick(BettingSystem::Twins);
    }

    testing::PlayedSession p;
};

TEST_F(TwinsInASession, proposesNothingOnTheFirst34NumbersSinceProgramStart) {
    const std::vector<std::int32_t> spins = spinsWithoutTwins(35);
    for (std::size_t i = 0; i + 1 < spins.size(); ++i) {
        p.enter({spins[i]});
        EXPECT_EQ(p.state().Zwillingsslot, BetSlot{KeineZahl}) << "number " << i + 1;
        EXPECT_TRUE(p.board().empty()) << "number " << i + 1;
    }
    p.enter({spins.back()});
    EXPECT_EQ(p.board(), (std::vector<std::int32_t>{35}));
}

TEST_F(TwinsInASession, goesOnOverTheNumbersBeforeAReset) {
    p.enter(spinsWithoutTwins(35));
    p.session.reset();
    p.enter({36});
    EXPECT_EQ(p.board(), (std::vector<std::int32_t>{36}));
}

TEST_F(TwinsInASession, aNumberProposedBeforeSwitchingOffStaysOnTheBoard) {
    p.enter(spinsWithoutTwins(36));
    p.tick(BettingSystem::Twins, false);
    p.tick(BettingSystem::Favourite);
    p.session.reset();

    for (const std::int32_t v : {5, 9, 5, 5}) {
        p.enter({v});
        EXPECT_EQ(p.state().Zwillingsslot, BetSlot{36});
        EXPECT_EQ(p.board(), (std::vector<std::int32_t>{36})) << "after " << v;
    }
}

}  // namespace
}  // namespace quintaro
