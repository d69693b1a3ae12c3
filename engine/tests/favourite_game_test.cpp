#include "engine/favourite_game.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::numbersOn;
using testing::RecordingView;

// The favourite step at its place in the coup: the numbers entered and
// shifted, the run tested, slots and board cleared, then the step.
struct Proposal {
    explicit Proposal(const std::vector<std::int32_t>& entered, BetSlot zwillingsslot = Leer) {
        s.Permanenz = testing::historyAfter(KeineZahl, entered);
        s.Zwillingsslot = zwillingsslot;
        VergleichDer7Zahlen(s);
        SiebenerInSatzanzeige(s, view);
    }

    SessionState s;
    RecordingView view;
};

struct SelectionCase {
    const char* name;
    std::vector<std::int32_t> entered;  // oldest first
    std::vector<BetSlot> slots;         // slot 1 first
    std::vector<std::int32_t> board;
};

class FavouriteSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(FavouriteSelection, betsTheLastFiveSixOrSevenNumbersNewestFirst) {
    const SelectionCase& c = GetParam();
    const Proposal p(c.entered);
    EXPECT_EQ(testing::slotsOf(p.s), c.slots);
    EXPECT_EQ(numbersOn(p.s.Tableau), c.board);
    EXPECT_EQ(p.view.tableau(), p.s.Tableau);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, FavouriteSelection,
    ::testing::Values(
        SelectionCase{"noRun", {1, 2, 3, 4}, {Leer, Leer, Leer, Leer, Leer, Leer, Leer}, {}},
        SelectionCase{
            "levelFive", {4, 19, 0, 33, 8}, {8, 33, 0, 19, 4, Leer, Leer}, {0, 4, 8, 19, 33}},
        SelectionCase{"levelSix", {1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 1, Leer}, {1, 2, 3, 4, 5, 6}},
        SelectionCase{"levelSevenEighthAbsent",
                      {1, 2, 3, 4, 5, 6, 7},
                      {7, 6, 5, 4, 3, 2, 1},
                      {1, 2, 3, 4, 5, 6, 7}},
        SelectionCase{"levelSevenEighthDifferent",
                      {36, 0, 1, 2, 3, 4, 5, 6},
                      {6, 5, 4, 3, 2, 1, 0},
                      {0, 1, 2, 3, 4, 5, 6}},
        // The number before the last six repeats one of them: level five.
        SelectionCase{"repeatLimitsToFive",
                      {2, 1, 2, 3, 4, 5, 6},
                      {6, 5, 4, 3, 2, Leer, Leer},
                      {2, 3, 4, 5, 6}},
        // 38 and more leave their slot empty; a negative value is written
        // to its slot but marks no number.
        SelectionCase{
            "fortyJustEntered", {1, 2, 3, 4, 40}, {Leer, 4, 3, 2, 1, Leer, Leer}, {1, 2, 3, 4}},
        SelectionCase{
            "negativeFourBack", {-3, 1, 2, 3, 4}, {4, 3, 2, 1, -3, Leer, Leer}, {1, 2, 3, 4}}),
    testing::CaseName{});

TEST(FavouriteGame, withoutARunOnlyTheTwinNumberGoesOnTheBoard) {
    const Proposal p({1, 2}, 17);
    EXPECT_EQ(testing::slotsOf(p.s), std::vector<BetSlot>(7, Leer));
    EXPECT_EQ(numbersOn(p.s.Tableau), (std::vector<std::int32_t>{17}));
}

TEST(FavouriteGame, aTwinNumberAmongTheFiveIsOneUnit) {
    const Proposal p({4, 19, 0, 33, 8}, 8);
    EXPECT_EQ(numbersOn(p.s.Tableau), (std::vector<std::int32_t>{0, 4, 8, 19, 33}));
}

TEST(FavouriteGame, aTwinSlotWithoutANumberMarksNothing) {
    EXPECT_TRUE(numbersOn(Proposal({1}, KeineZahl).s.Tableau).empty());
    EXPECT_TRUE(numbersOn(Proposal({1}, 40).s.Tableau).empty());
    EXPECT_TRUE(numbersOn(Proposal({1}, -1).s.Tableau).empty());
}

TEST(FavouriteGame, keepsTheFlagsTwinTrackingSetEarlierInTheCoup) {
    SessionState s;
    s.Permanenz = testing::historyAfter(KeineZahl, {4, 19, 0, 33, 8});
    s.Tableau[25] = true;
    VergleichDer7Zahlen(s);
    RecordingView view;
    SiebenerInSatzanzeige(s, view);
    EXPECT_EQ(numbersOn(s.Tableau), (std::vector<std::int32_t>{0, 4, 8, 19, 25, 33}));
}

TEST(FavouriteGameInASession, staysOffTheBoardUntilFiveDifferentNumbersFell) {
    testing::PlayedSession p;
    p.enter({4, 19, 0, 33});
    EXPECT_TRUE(p.board().empty());
    EXPECT_EQ(p.state().Einsatz, 0);

    p.enter({8});
    EXPECT_EQ(p.board(), (std::vector<std::int32_t>{0, 4, 8, 19, 33}));
    EXPECT_EQ(p.state().Einsatz, 5);

    p.tick(BettingSystem::Favourite, false);
    p.enter({9});
    EXPECT_TRUE(p.board().empty());
    EXPECT_EQ(testing::slotsOf(p.state()), std::vector<BetSlot>(7, Leer));
}

}  // namespace
}  // namespace quintaro
