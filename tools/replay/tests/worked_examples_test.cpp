// The worked examples of the books, the run breaks and the favourite game,
// replayed from script files and checked in the trace.

#include <algorithm>
#include <array>

#include <gtest/gtest.h>

#include "tools/replay/tests/script_trace.h"

namespace quintaro::replay::testing {
namespace {

using nlohmann::json;

const json& state(const json& record) {
    return record.at("state");
}
const json& view(const json& record) {
    return record.at("view");
}

// One row of the books' worked example, read from the records of the coup and
// of the coup before it.
struct BooksRow {
    std::size_t record;
    int number;
    std::size_t markedBefore;
    bool hitAmongMarked;
    int stakeBooked;
    int gewinn;
    int gesamteinsatz;
    std::string_view saldoNeu;
};

TEST(BooksWorkedExample, booksStakeWinAndBalance) {
    const Trace trace = traceOf(scriptFile("books_worked_example.txt"));
    ASSERT_EQ(trace.size(), 8U);
    // Records 1 to 4 are the four numbers before the example.
    const std::array<BooksRow, 3> rows = {{
        {5, 17, 0, false, 0, 0, 0, "1000"},
        {6, 8, 5, false, 5, 0, 5, "995"},
        {7, 22, 6, true, 6, 36, -25, "1025"},
    }};
    for (const BooksRow& row : rows) {
        SCOPED_TRACE(row.number);
        const json& before = state(trace.at(row.record - 1));
        const json& after = state(trace.at(row.record));
        ASSERT_EQ(trace.at(row.record).at("action"), std::to_string(row.number));
        const auto& marked = before.at("Tableau");
        EXPECT_EQ(marked.size(), row.markedBefore);
        EXPECT_EQ(std::find(marked.begin(), marked.end(), row.number) != marked.end(),
                  row.hitAmongMarked);
        EXPECT_EQ(before.at("Einsatz"), row.stakeBooked);
        EXPECT_EQ(after.at("Gewinn"), row.gewinn);
        EXPECT_EQ(after.at("Gesamteinsatz"), row.gesamteinsatz);
        EXPECT_EQ(view(trace.at(row.record)).at("SaldoNeu"), row.saldoNeu);
        EXPECT_EQ(view(trace.at(row.record)).at("Gewinn"), std::to_string(row.gewinn));
    }
}

TEST(BooksWorkedExample, fromProgramStartTheFavouriteGameAloneBetsNothingYet) {
    // 17, 8, 22 as the first three numbers: the favourite game needs five
    // different numbers before it bets, so every coup books stake 0 and win 0.
    const Trace trace = traceOf("17\n8\n22\n");
    ASSERT_EQ(trace.size(), 4U);
    for (std::size_t i = 1; i < trace.size(); ++i) {
        EXPECT_EQ(state(trace[i]).at("Tableau"), json::array());
        EXPECT_EQ(state(trace[i]).at("Gesamteinsatz"), 0);
        EXPECT_EQ(view(trace[i]).at("SaldoNeu"), "1000");
    }
}

TEST(FavouriteExample, betsTheLastFiveDifferentNumbers) {
    const Trace trace = traceOf(scriptFile("favourite_example.txt"));
    ASSERT_EQ(trace.size(), 6U);
    const json& s = state(trace.back());
    EXPECT_EQ(s.at("SechsVerschiedene"), 1);
    EXPECT_EQ(s.at("SiebenVerschiedene"), 0);
    EXPECT_EQ(s.at("Satzanzeige"), json::parse("[8, 33, 0, 19, 4, null, null]"));
    EXPECT_EQ(s.at("Tableau"), json::parse("[0, 4, 8, 19, 33]"));
    EXPECT_EQ(s.at("Einsatz"), 5);
    EXPECT_EQ(view(trace.back()).at("EinsatzCoup"), "5");
    // One number short of a run: nothing on the board after the fourth.
    EXPECT_EQ(state(trace[4]).at("Tableau"), json::array());
}

TEST(RunBreakAfterWin, erasesTheOldNumberAndBetsTheNewRun) {
    const Trace trace = traceOf(scriptFile("run_break_after_win.txt"));
    ASSERT_EQ(trace.size(), 7U);
    EXPECT_EQ(state(trace[5]).at("Satzanzeige"), json::parse("[5, 4, 3, 2, 1, null, null]"));

    const json& s = state(trace[6]);
    EXPECT_EQ(s.at("Gewinn"), 36);
    EXPECT_EQ(s.at("Gesamteinsatz"), 5 - 36);
    // The old 1 was the fifth number before the new one; after the shift its
    // erased place is slot 6.
    EXPECT_EQ(s.at("Permanenz")[6], 37);
    EXPECT_EQ(s.at("SechsVerschiedene"), 1);
    EXPECT_EQ(s.at("SiebenVerschiedene"), 0);
    EXPECT_EQ(s.at("Satzanzeige"), json::parse("[1, 5, 4, 3, 2, null, null]"));
    EXPECT_EQ(s.at("Tableau"), json::parse("[1, 2, 3, 4, 5]"));
    EXPECT_EQ(
        view(trace[6]).at("Permanenzspalte"),
        json::parse(R"(["1", "5", "4", "3", "2", "--", "--", "--", "--", "--", "--", "--"])"));
}

// One coup of the stake-seven break: the level the favourite game bets after
// it, and the one slot of 1 to 8 that holds KeineZahl, not yet filled or erased.
struct BreakRow {
    std::size_t record;
    int stakeBooked;
    int level;
    std::size_t keineZahlSlot;
};

TEST(RunBreakAtStakeSeven, fallsBackToFiveAndClimbsAgain) {
    const Trace trace = traceOf(scriptFile("run_break_at_stake_seven.txt"));
    ASSERT_EQ(trace.size(), 11U);
    const std::array<BreakRow, 4> rows = {{
        {7, 6, 7, 8},  // 7: seven different numbers, level 7
        {8, 7, 5, 6},  // 8: a stake of seven erases 3, the fifth number before 8
        {9, 5, 6, 7},
        {10, 6, 7, 8},
    }};
    for (const BreakRow& row : rows) {
        SCOPED_TRACE(row.record);
        const json& s = state(trace.at(row.record));
        EXPECT_EQ(state(trace.at(row.record - 1)).at("Einsatz"), row.stakeBooked);
        EXPECT_EQ(s.at("Gewinn"), 0);
        EXPECT_EQ(s.at("Einsatz"), row.level);
        int filled = 0;
        for (const json& slot : s.at("Satzanzeige")) {
            filled += slot.is_null() ? 0 : 1;
        }
        EXPECT_EQ(filled, row.level);
        for (std::size_t slot = 0; slot <= 8; ++slot) {
            EXPECT_EQ(s.at("Permanenz")[slot] == 37, slot == row.keineZahlSlot) << slot;
        }
    }
    // The erased 3 shows as "--" in the history column, moving down a line a coup.
    EXPECT_EQ(view(trace[8]).at("Permanenzspalte")[5], "--");
    EXPECT_EQ(view(trace[10]).at("Permanenzspalte")[7], "--");
    EXPECT_EQ(view(trace[10]).at("Permanenzspalte")[8], "2");
}

}  // namespace
}  // namespace quintaro::replay::testing
