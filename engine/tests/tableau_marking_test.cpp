#include "engine/tableau_marking.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <tuple>
#include <vector>

#include "engine/favourite_game.h"
#include "engine/law_of_the_third.h"
#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::numbersOn;

TEST(TableauMarkieren, marksTheNumbersOfTheEightSlotsAndNoOtherValue) {
    SessionState s;
    s.Satzanzeige = {0, Leer, 36, KeineZahl, 40, -3, 0};
    s.Zwillingsslot = 17;
    TableauMarkieren(s);
    EXPECT_EQ(numbersOn(s.Tableau), (std::vector<std::int32_t>{0, 17, 36}));
}

// The board is a word of 64 bits: values at and beyond its width, or that
// wrap round it, must not land on a number's bit either.
TEST(TableauMarkieren, valuesOutsideTheWheelMarkNothingInAnySlot) {
    for (const std::int32_t v : {KeineZahl, 40, 63, 64, 100, -1, -64, INT32_MIN, INT32_MAX}) {
        SessionState s;
        s.Satzanzeige.fill(v);
        s.Zwillingsslot = v;
        TableauMarkieren(s);
        EXPECT_TRUE(s.Tableau.none()) << "value " << v;
    }
}

TEST(TableauMarkieren, neverClearsAFlag) {
    SessionState s;
    s.Tableau.set();
    TableauMarkieren(s);
    EXPECT_EQ(numbersOn(s.Tableau).size(), 37U);
}

// Both betting steps that run after twin tracking put the twin number on the
// board themselves, so it stays bet while twin tracking is switched off.
using BettingStep = void (*)(SessionState&, SessionView&);

class TwinNumberOnTheBoard
    : public ::testing::TestWithParam<std::tuple<BettingStep, std::int32_t>> {};

TEST_P(TwinNumberOnTheBoard, isMarkedByEveryLaterStep) {
    const auto [step, n] = GetParam();
    SessionState s;
    s.Zwillingsslot = n;
    // No run of different numbers and too many fallen numbers to bet sleepers:
    // the twin number is all there is to mark.
    s.GefalleneZahlen.fill(1);
    s.AnzahlGefallene = kNumberCount;
    SilentView view;

    step(s, view);

    EXPECT_EQ(numbersOn(s.Tableau), std::vector<std::int32_t>{n});
}

INSTANTIATE_TEST_SUITE_P(FavouriteAndSleeperSteps, TwinNumberOnTheBoard,
                         ::testing::Combine(::testing::Values(BettingStep{&SiebenerInSatzanzeige},
                                                              BettingStep{&RestantenSetzen}),
                                            ::testing::Range(0, kNumberCount)));

}  // namespace
}  // namespace quintaro
