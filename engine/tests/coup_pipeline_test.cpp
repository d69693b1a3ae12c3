#include "engine/coup_pipeline.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::PlayedSession;
using testing::ViewCall;

void expectNewestInAllHistories(const SessionState& s, std::int32_t newest) {
    for (const History* h : {&s.Permanenz, &s.ZwillingsPermanenz, &s.RestantenPermanenz}) {
        EXPECT_EQ((*h)[0], newest);
        EXPECT_EQ((*h)[1], newest);
    }
}

TEST(CoupPipeline, untouchedInputBoxEntersZero) {
    PlayedSession p;
    EXPECT_EQ(p.enterText("00"), Outcome::Done);
    expectNewestInAllHistories(p.state(), 0);
    EXPECT_EQ(p.state().CoupZaehler, 1);
}

TEST(CoupPipeline, slotTwoHoldsTheNumberBeforeAndTheRestKeepsEachHistorysFill) {
    PlayedSession p;
    p.enter({17, 8});
    const SessionState& s = p.state();
    expectNewestInAllHistories(s, 8);
    EXPECT_EQ(s.Permanenz[2], 17);
    EXPECT_EQ(s.ZwillingsPermanenz[2], 17);
    EXPECT_EQ(s.RestantenPermanenz[2], 17);
    EXPECT_EQ(s.Permanenz[3], KeineZahl);
    EXPECT_EQ(s.ZwillingsPermanenz[3], 0);
    EXPECT_EQ(s.RestantenPermanenz[3], KeineZahl);
}

TEST(CoupPipeline, theTypedSyntaxReachesTheHistories) {
    PlayedSession p;
    p.enterText(" 17");
    EXPECT_EQ(p.state().Permanenz[1], 17);
    p.enterText("+5");
    EXPECT_EQ(p.state().Permanenz[1], 5);
    p.enterText("$10");
    EXPECT_EQ(p.state().Permanenz[1], 16);
    EXPECT_EQ(p.enterText("17 "), Outcome::NotAnInteger);
    EXPECT_EQ(p.state().Permanenz[1], 16);
}

// Values outside 0..36 are stored as typed and then pass through every step
// of all three systems; the sanitizer build checks that none is used as an index.
class ValueOutsideTheWheel : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(ValueOutsideTheWheel, isStoredUnchangedAndMatchesNoNumber) {
    PlayedSession p;
    p.tick(BettingSystem::Twins);
    p.tick(BettingSystem::LawOfTheThird);
    p.enter(testing::spinsWithoutTwins(60));
    const std::int32_t v = GetParam();

    ASSERT_EQ(p.enterText(std::to_string(v)), Outcome::Done);

    expectNewestInAllHistories(p.state(), v);
    EXPECT_EQ(p.state().Gewinn, 0);
    p.enter({5, 6, 7});
    EXPECT_EQ(p.state().Permanenz[4], v);
}

INSTANTIATE_TEST_SUITE_P(Values, ValueOutsideTheWheel,
                         ::testing::Values(37, 38, 99, -1, -5,
                                           std::numeric_limits<std::int32_t>::max(),
                                           std::numeric_limits<std::int32_t>::min()));

// Spins 1, 2, 3, 4, 5 put the favourite game at five numbers; 1 then wins,
// so the win, the stake and the board all hold something a failure could lose.
class FailedCoup : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        p.enter({1, 2, 3, 4, 5, 1});
        ASSERT_EQ(p.state().Gewinn, kStraightUpWin);
        ASSERT_EQ(p.board(), (std::vector<std::int32_t>{1, 2, 3, 4, 5}));
        before = p.state();
        p.view.forget();
    }

    PlayedSession p;
    SessionState before;
};

TEST_P(FailedCoup, runsTheFirstFourStepsAndNothingAfter) {
    EXPECT_EQ(p.enterText(GetParam()), Outcome::NotAnInteger);

    // Positions 1 to 4: win reset, slots and board cleared, coup counted.
    SessionState expected = before;
    expected.Gewinn = 0;
    expected.Satzanzeige.fill(Leer);
    expected.Tableau.reset();
    expected.CoupZaehler = before.CoupZaehler + 1;
    EXPECT_EQ(p.state(), expected);

    // The board goes blank and the coup display counts; the books displays
    // and the input box keep what they showed.
    EXPECT_EQ(p.view.displaysCalled(), (std::vector<ViewCall>{ViewCall::Coup, ViewCall::Focus}));
    EXPECT_EQ(p.view.lastValue(ViewCall::Coup), expected.CoupZaehler);
    EXPECT_TRUE(testing::numbersOn(p.view.tableau()).empty());
}

TEST_P(FailedCoup, leavesTheBetsOfTheLastCompleteCoupStanding) {
    p.enterText(GetParam());
    p.enter({4});

    EXPECT_EQ(p.state().Gewinn, kStraightUpWin);
    EXPECT_EQ(p.state().Gesamteinsatz, before.Gesamteinsatz + 5 - kStraightUpWin);
    EXPECT_EQ(p.state().CoupZaehler, before.CoupZaehler + 2);
}

INSTANTIATE_TEST_SUITE_P(TextsThatAreNoInteger, FailedCoup,
                         ::testing::Values("", "abc", "17 ", "1.5", "\t3", "-"));

TEST(CoupPipeline, withEverySystemClearACoupStillCountsBooksShiftsAndTestsTheRun) {
    PlayedSession p;
    p.tick(BettingSystem::Favourite, false);
    p.enter({1, 2, 3, 4, 5});

    const SessionState& s = p.state();
    EXPECT_EQ(s.CoupZaehler, 5);
    EXPECT_EQ(s.SechsVerschiedene, 1);
    EXPECT_EQ(p.view.permanenz(), s.Permanenz);
    EXPECT_TRUE(p.board().empty());
    EXPECT_EQ(s.Einsatz, 0);
    EXPECT_EQ(p.view.lastValue(ViewCall::Saldo), 1000);
}

// The favourite step marks the Zwillingsslot as it stands. Twin tracking runs
// first, so a twin found in this coup has already taken back the number it
// proposed in the coup before.
TEST(CoupPipeline, twinTrackingRunsBeforeTheFavouriteGame) {
    PlayedSession p;
    p.tick(BettingSystem::Twins);
    p.enter(testing::spinsWithoutTwins(36));
    ASSERT_EQ(p.state().Zwillingsslot, BetSlot{36});

    p.enter({36});

    EXPECT_EQ(p.state().Zwillingsslot, BetSlot{KeineZahl});
    EXPECT_TRUE(p.board().empty());
}

}  // namespace
}  // namespace quintaro
