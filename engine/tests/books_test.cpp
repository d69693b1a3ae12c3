#include "engine/books.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "engine/coup_pipeline.h"
#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::RecordingView;
using testing::ViewCall;

// A session record right after session start whose board holds only what a
// test puts there: no system is ticked.
class Books : public ::testing::Test {
protected:
    Books() { s.Favoritenspiel = false; }

    void betOn(const std::vector<std::int32_t>& numbers) {
        testing::closeCoupWithBoard(s, view, numbers);
    }

    Outcome coup(std::string_view text) { return CoupPipeline(s, view, text); }

    SessionState s;
    RecordingView view;
};

TEST_F(Books, workedExampleOfThreeCoups) {
    struct Row {
        const char* entered;
        std::vector<std::int32_t> markedBefore;
        std::int32_t gewinn;
        std::int64_t gesamteinsatz;
        std::int64_t saldoNeu;
    };
    const std::vector<Row> rows = {
        {"17", {}, 0, 0, 1000},
        {"8", {1, 2, 3, 4, 5}, 0, 5, 995},
        {"22", {1, 2, 3, 4, 5, 22}, 36, -25, 1025},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.entered);
        if (!row.markedBefore.empty()) {
            betOn(row.markedBefore);
        }
        ASSERT_EQ(coup(row.entered), Outcome::Done);
        EXPECT_EQ(s.Gewinn, row.gewinn);
        EXPECT_EQ(s.Gesamteinsatz, row.gesamteinsatz);
        EXPECT_EQ(view.lastValue(ViewCall::Gewinn), row.gewinn);
        EXPECT_EQ(view.lastValue(ViewCall::Saldo), row.saldoNeu);
    }
}

struct WinCase {
    const char* name;
    const char* entered;
    std::vector<std::int32_t> marked;
    std::int64_t coupZaehlerBefore;
    std::int32_t gewinn;
};

class WinJudgement : public Books, public ::testing::WithParamInterface<WinCase> {};

TEST_P(WinJudgement, judgesTheNumberAgainstTheMarksAndBooksStakeMinusWin) {
    const WinCase& c = GetParam();
    s.CoupZaehler = c.coupZaehlerBefore;
    betOn(c.marked);
    const std::int32_t stake = s.Einsatz;

    ASSERT_EQ(coup(c.entered), Outcome::Done);

    EXPECT_EQ(s.Gewinn, c.gewinn);
    EXPECT_EQ(s.Gesamteinsatz, stake - c.gewinn);
    EXPECT_EQ(s.Saldo, 1000 - (stake - c.gewinn));
}

std::vector<std::int32_t> everyNumber() {
    std::vector<std::int32_t> all(kNumberCount);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WinJudgement,
    ::testing::Values(
        // The first coup of a session (counted 1) has no bets standing.
        WinCase{"firstCoupMarked", "8", {8}, 0, 0}, WinCase{"firstCoupZero", "0", {0}, 0, 0},
        WinCase{"secondCoupMarked", "8", {8}, 1, 36}, WinCase{"laterCoupZero", "0", {0}, 5, 36},
        WinCase{"thirtySix", "36", {36}, 5, 36}, WinCase{"stakeOfOneHit", "17", {17}, 5, 36},
        WinCase{"notMarked", "8", {7, 9}, 5, 0}, WinCase{"nothingStaked", "8", {}, 5, 0},
        // 37 equals every unmarked entry and no marked one; neither is a win.
        WinCase{"keineZahlNothingMarked", "37", {}, 5, 0},
        WinCase{"keineZahlAllMarked", "37", everyNumber(), 5, 0},
        WinCase{"forty", "40", everyNumber(), 5, 0},
        WinCase{"negative", "-3", everyNumber(), 5, 0}),
    testing::CaseName{});

// The marks a board leaves: entry n is n for every number on it, else 37.
NumberTable marksOf(const std::vector<std::int32_t>& numbers) {
    NumberTable marks = filledTable(KeineZahl);
    for (const std::int32_t n : numbers) {
        marks[numberIndex(n)] = n;
    }
    return marks;
}

TEST_F(Books, theStakeIsTheNumberOfFlagsAndTheMarksCopyThem) {
    betOn(everyNumber());
    EXPECT_EQ(s.Einsatz, 37);
    EXPECT_EQ(s.Einsatzanzeige, 37);
    EXPECT_EQ(s.Satzmarken, marksOf(everyNumber()));
    EXPECT_EQ(view.lastValue(ViewCall::Einsatz), 37);

    betOn({0, 30});
    EXPECT_EQ(s.Einsatz, 2);
    EXPECT_EQ(s.Satzmarken, marksOf({0, 30}));

    betOn({});
    EXPECT_EQ(s.Einsatz, 0);
    EXPECT_EQ(s.Satzmarken, marksOf({}));
}

TEST_F(Books, theBoardClearedByTheCoupDoesNotLoseTheBets) {
    s.CoupZaehler = 5;
    betOn({12});
    ASSERT_EQ(coup("abc"), Outcome::NotAnInteger);
    ASSERT_TRUE(testing::numbersOn(s.Tableau).empty());

    ASSERT_EQ(coup("12"), Outcome::Done);
    EXPECT_EQ(s.Gewinn, 36);
    EXPECT_EQ(s.Gesamteinsatz, 1 - 36);
}

TEST_F(Books, aBalanceBelowZeroIsShownAsItIs) {
    s.Anfangssaldo = 3;
    s.CoupZaehler = 5;
    betOn({1, 2, 3, 4, 5});
    coup("6");
    EXPECT_EQ(s.Saldo, -2);
    EXPECT_EQ(view.lastValue(ViewCall::Saldo), -2);
}

}  // namespace
}  // namespace quintaro
