#include "engine/session_control.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/coup_pipeline.h"
#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::PlayedSession;
using testing::RecordingView;
using testing::ViewCall;

// A record in which almost every field has moved away from its start value:
// all three systems ticked, sixty coups, a changed initial balance and a
// failed entry at the end, which leaves the board empty but the bets standing.
SessionState playedRecord() {
    SessionState s;
    SilentView view;
    s.Zwillingsspiel = true;
    s.Restantenspiel = true;
    AnfangssaldoBestaetigen(s, view, "500");
    for (const std::int32_t v : testing::spinsWithoutTwins(59)) {
        CoupPipeline(s, view, std::to_string(v));
    }
    CoupPipeline(s, view, "x");
    return s;
}

TEST(SessionStart, leavesTheRecordInItsProgramStartState) {
    PlayedSession p;
    EXPECT_EQ(p.state(), SessionState{});
    EXPECT_EQ(p.state().Anfangssaldo, 1000);
    EXPECT_EQ(p.state().Saldo, 1000);
}

TEST(SessionStart, restartsHistoriesBoardCounterAndStakeAndReadsTheBalance) {
    SessionState s = playedRecord();
    SessionState expected = s;
    expected.Permanenz.fill(KeineZahl);
    expected.RestantenPermanenz.fill(KeineZahl);
    expected.GefalleneZahlen.fill(0);
    expected.Tableau.reset();
    expected.CoupZaehler = 0;
    expected.Einsatz = 0;
    expected.Anfangssaldo = 750;
    expected.Saldo = 750;
    RecordingView view;

    EXPECT_EQ(FormActivate(s, view, "750"), Outcome::Done);

    EXPECT_EQ(s, expected);
}

TEST(SessionStart, runsOnceInAProgramRun) {
    PlayedSession p;
    p.enter({4, 19, 0, 33, 8});
    const SessionState before = p.state();
    p.view.forget();

    p.session.start();

    EXPECT_EQ(p.state(), before);
    EXPECT_TRUE(p.view.calls().empty());
}

TEST(Reset, restartsTheMainHistoryAndTheBoardWithTheStakeAndMarks) {
    SessionState s = playedRecord();
    SilentView silent;
    CoupPipeline(s, silent, "7");
    SessionState expected = s;
    expected.Permanenz.fill(KeineZahl);
    expected.Tableau.reset();
    expected.Einsatz = 0;
    expected.Satzmarken.fill(KeineZahl);
    RecordingView view;

    Button4Click(s, view);

    EXPECT_EQ(s, expected);
    EXPECT_EQ(view.lastValue(ViewCall::Anfangssaldo), 500);
}

TEST(Reset, aSecondResetAndOneBeforeTheFirstCoupChangeNothing) {
    PlayedSession p;
    p.session.reset();
    EXPECT_EQ(p.state(), SessionState{});

    p.enter({1, 2, 3, 4, 5, 6});
    p.session.reset();
    const SessionState once = p.state();
    p.session.reset();
    EXPECT_EQ(p.state(), once);
}

TEST(Reset, theNextCoupBooksNoStakeAndNoWinAndStartsTheHistoryColumnAgain) {
    PlayedSession p;
    p.enter({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    const SessionState before = p.state();
    ASSERT_TRUE(before.Tableau[12]);
    p.session.reset();

    p.enter({12});

    const SessionState& s = p.state();
    EXPECT_EQ(s.Gewinn, 0);
    EXPECT_EQ(s.Gesamteinsatz, before.Gesamteinsatz);
    EXPECT_EQ(s.Saldo, before.Saldo);
    EXPECT_EQ(s.CoupZaehler, before.CoupZaehler + 1);
    const History& column = p.view.permanenz();
    EXPECT_EQ(column[1], 12);
    for (std::size_t line = 2; line <= 12; ++line) {
        EXPECT_EQ(column[line], KeineZahl) << "line " << line;
    }
}

TEST(InitialBalance, countsFromTheNextCoupWithEveryLossSinceProgramStart) {
    PlayedSession p;
    p.enter({1, 2, 3, 4, 5, 6, 7});
    const std::int64_t lostSoFar = p.state().Gesamteinsatz;
    ASSERT_GT(lostSoFar, 0);
    SessionState expected = p.state();
    expected.Anfangssaldo = 500;
    expected.Saldo = 500;

    EXPECT_EQ(p.session.confirmAnfangssaldo("500"), Outcome::Done);
    EXPECT_EQ(p.state(), expected);

    p.enter({20});
    EXPECT_EQ(p.state().Saldo, 500 - p.state().Gesamteinsatz);
    EXPECT_EQ(p.state().Gesamteinsatz, lostSoFar + 7);
}

TEST(InitialBalance, aTextThatIsNoIntegerLeavesTheBooks) {
    PlayedSession p;
    p.enter({1, 2, 3});
    const SessionState before = p.state();
    EXPECT_EQ(p.session.confirmAnfangssaldo("5OO"), Outcome::NotAnInteger);
    EXPECT_EQ(p.state(), before);
}

TEST(InitialBalance, takesTheWholeSyntaxOfTheConversion) {
    PlayedSession p;
    EXPECT_EQ(p.session.confirmAnfangssaldo("  -$10"), Outcome::Done);
    EXPECT_EQ(p.state().Anfangssaldo, -16);
    EXPECT_EQ(p.state().Saldo, -16);
}

}  // namespace
}  // namespace quintaro
