// Each display of the window changes only at the moments the program names;
// between them it keeps its text even when the field behind it changes.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/session.h"
#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::numbersOn;
using testing::PlayedSession;
using testing::RecordingView;
using testing::ViewCall;
using Calls = std::vector<ViewCall>;

TEST(DisplayMoments, sessionStartShowsTheDialogTextButNotTheBalance) {
    RecordingView view;
    Session session(view);

    session.start();

    EXPECT_EQ(view.displaysCalled(),
              (Calls{ViewCall::StayOnTop, ViewCall::StartDate, ViewCall::AnfangssaldoText}));
    EXPECT_EQ(view.lastText(ViewCall::AnfangssaldoText), "1000");
    EXPECT_TRUE(numbersOn(view.tableau()).empty());
}

class CoupDisplays : public ::testing::Test {
protected:
    void enterWatched(std::int32_t v) {
        p.view.forget();
        p.enter({v});
    }

    PlayedSession p;
};

TEST_F(CoupDisplays, aCompleteCoupWritesEachDisplayOnceInPipelineOrder) {
    p.view.forget();
    p.enterText("00");

    EXPECT_EQ(p.view.displaysCalled(),
              (Calls{ViewCall::Coup, ViewCall::Focus, ViewCall::Gewinn, ViewCall::Saldo,
                     ViewCall::Permanenz, ViewCall::Einsatz, ViewCall::ClearEingabefeld}));
    EXPECT_EQ(p.view.lastValue(ViewCall::Coup), 1);
    EXPECT_EQ(p.view.lastValue(ViewCall::Gewinn), 0);
    EXPECT_EQ(p.view.lastValue(ViewCall::Saldo), 1000);
    EXPECT_EQ(p.view.lastValue(ViewCall::Einsatz), 0);
    EXPECT_EQ(p.view.permanenz(), p.state().Permanenz);
}

TEST_F(CoupDisplays, theBoardGoesBlankFirstAndEndsAsTheFlagsStand) {
    p.enter({4, 19, 0, 33});
    enterWatched(8);

    ASSERT_FALSE(p.view.calls().empty());
    EXPECT_EQ(p.view.calls().front().call, ViewCall::Tableau);
    EXPECT_EQ(p.view.calls().front().value, 0);
    EXPECT_EQ(p.view.tableau(), p.state().Tableau);
    EXPECT_EQ(p.view.lastValue(ViewCall::Einsatz), 5);
}

TEST_F(CoupDisplays, aRunBreakPutsTheFocusInTheInputBoxAgain) {
    p.enter({1, 2, 3, 4, 5});
    enterWatched(1);

    EXPECT_EQ(p.view.displaysCalled(), (Calls{ViewCall::Coup, ViewCall::Focus, ViewCall::Gewinn,
                                              ViewCall::Saldo, ViewCall::Focus, ViewCall::Permanenz,
                                              ViewCall::Einsatz, ViewCall::ClearEingabefeld}));
    EXPECT_EQ(p.view.lastValue(ViewCall::Gewinn), 36);
    EXPECT_EQ(p.view.lastValue(ViewCall::Saldo), 1000 - 5 + 36);
}

TEST_F(CoupDisplays, theSleeperColumnIsWrittenOnlyWhenTheSleepersAreBet) {
    p.tick(BettingSystem::Favourite, false);
    p.tick(BettingSystem::LawOfTheThird);
    for (int i = 0; i < 5; ++i) {
        p.enter({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    }
    EXPECT_EQ(p.view.count(ViewCall::Restantenspalte), 0);

    enterWatched(5);

    EXPECT_EQ(p.view.displaysCalled(),
              (Calls{ViewCall::Coup, ViewCall::Focus, ViewCall::Gewinn, ViewCall::Saldo,
                     ViewCall::Permanenz, ViewCall::Restantenspalte, ViewCall::Einsatz,
                     ViewCall::ClearEingabefeld}));
    EXPECT_EQ(p.view.restantenspalte(), p.state().Restantenspalte);
}

TEST_F(CoupDisplays, resetShowsTheInitialBalanceAndLeavesTheBooksDisplays) {
    p.enter({1, 2, 3, 4, 5, 6});
    p.session.confirmAnfangssaldo("+0500");
    p.view.forget();

    p.session.reset();

    EXPECT_EQ(p.view.displaysCalled(), (Calls{ViewCall::Anfangssaldo, ViewCall::Focus}));
    EXPECT_EQ(p.view.lastValue(ViewCall::Anfangssaldo), 500);
    EXPECT_TRUE(numbersOn(p.view.tableau()).empty());
    // "Einsatz Coup:" keeps the last stake: the field behind it was not reset.
    EXPECT_EQ(p.state().Einsatz, 0);
    EXPECT_EQ(p.state().Einsatzanzeige, 6);
}

TEST_F(CoupDisplays, theInitialBalanceDialogShowsTheTextAsTypedAndNothingElse) {
    for (const char* text : {" 0500", "abc"}) {
        p.view.forget();
        p.session.confirmAnfangssaldo(text);
        EXPECT_EQ(p.view.displaysCalled(), (Calls{ViewCall::AnfangssaldoText}));
        EXPECT_EQ(p.view.lastText(ViewCall::AnfangssaldoText), text);
    }
}

TEST_F(CoupDisplays, tickingASystemShowsNothing) {
    p.view.forget();
    p.tick(BettingSystem::Twins);
    p.tick(BettingSystem::LawOfTheThird);
    p.tick(BettingSystem::Favourite, false);
    EXPECT_TRUE(p.view.calls().empty());
}

}  // namespace
}  // namespace quintaro
