// The three betting systems together: the law of the third from coup 51 on
// and its threshold, a stale twin number on the favourite game's board, and
// the run breaks that count every number on the board, whoever put it there.

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "tools/replay/replay_driver.h"
#include "tools/replay/tests/script_trace.h"

namespace quintaro::replay::testing {
namespace {

std::set<int> board(const SessionState& s) {
    std::set<int> numbers;
    for (int n = 0; n < kNumberCount; ++n) {
        if (s.Tableau[numberIndex(n)]) {
            numbers.insert(n);
        }
    }
    return numbers;
}

std::set<int> favouriteNumbers(const SessionState& s) {
    std::set<int> numbers;
    for (const BetSlot& slot : s.Satzanzeige) {
        if (slot) {
            numbers.insert(*slot);
        }
    }
    return numbers;
}

int filledSlots(const SessionState& s) {
    return static_cast<int>(std::count_if(s.Satzanzeige.begin(), s.Satzanzeige.end(),
                                          [](const BetSlot& slot) { return slot.has_value(); }));
}

class SystemsInterplay : public ::testing::Test {
protected:
    void play(std::string_view line) {
        const auto result = m_driver.perform(line);
        ASSERT_FALSE(result.error) << line << ": " << *result.error;
    }
    void playNumbers(const std::vector<int>& numbers) {
        for (const int n : numbers) {
            play(std::to_string(n));
        }
    }
    [[nodiscard]] const SessionState& state() const { return m_driver.session().state(); }
    [[nodiscard]] const DisplaySnapshot& display() const { return m_driver.display(); }

private:
    ReplayDriver m_driver;
};

// A cycle of `length` different numbers, 51 coups, "2/3 Gesetz" ticked: in the
// last 50 coups exactly `length` different numbers fell.
class LawOfTheThirdThreshold : public SystemsInterplay,
                               public ::testing::WithParamInterface<int> {};

TEST_P(LawOfTheThirdThreshold, betsAllSleepersOrNoneFromCoup51) {
    const int fallen = GetParam();
    const std::vector<int> numbers = cycle(fallen, 51);
    play("third on");
    playNumbers({numbers.begin(), numbers.end() - 1});
    // Coup 50: the signal is computed but nothing is bet, nothing shown.
    EXPECT_EQ(state().AnzahlGefallene, fallen);
    EXPECT_EQ(display().restantenspalte[0], "Label79");
    EXPECT_EQ(board(state()), favouriteNumbers(state()));

    playNumbers({numbers.back()});
    const bool betSleepers = fallen <= 26;
    std::set<int> expectedBoard = favouriteNumbers(state());
    for (int n = 0; n < kNumberCount; ++n) {
        const bool sleeper = n == 0 || n > fallen;
        const std::string shown = !betSleepers ? "--" : (sleeper ? "0" : "1");
        EXPECT_EQ(display().restantenspalte[numberIndex(n)], shown) << n;
        if (betSleepers && sleeper) {
            expectedBoard.insert(n);
        }
    }
    EXPECT_FALSE(favouriteNumbers(state()).empty());
    EXPECT_EQ(board(state()), expectedBoard);
    EXPECT_EQ(state().Einsatz, static_cast<int>(expectedBoard.size()));
}

INSTANTIATE_TEST_SUITE_P(FallenNumbers, LawOfTheThirdThreshold, ::testing::Values(20, 26, 27));

TEST_F(SystemsInterplay, aWinOnASleeperBreaksTheRun) {
    play("third on");
    playNumbers(cycle(20, 51));
    ASSERT_TRUE(state().Tableau[0]);
    const std::int32_t stake = state().Einsatz;
    const std::int64_t total = state().Gesamteinsatz;

    playNumbers({0});
    EXPECT_EQ(state().Gewinn, 36);
    EXPECT_EQ(state().Gesamteinsatz, total + stake - 36);
    EXPECT_EQ(state().Permanenz[6], KeineZahl);
    EXPECT_EQ(display().permanenzspalte[5].text, "--");
}

// Twin tracking proposes 20, the last of 40 numbers without a twin, then is
// switched off; Reset empties the main history but not the twin slot.
class StaleTwinNumber : public SystemsInterplay {
protected:
    void SetUp() override {
        play("twins on");
        playNumbers(cycle(20, 40));
        play("twins off");
        play("reset");
        ASSERT_EQ(state().Zwillingsslot, 20);
    }
};

TEST_F(StaleTwinNumber, staysOnTheFavouriteBoard) {
    playNumbers({1});
    EXPECT_EQ(board(state()), std::set<int>{20});
    EXPECT_EQ(state().Einsatz, 1);
}

TEST_F(StaleTwinNumber, levelSixWithItMakesAStakeOfSevenThatBreaksTheRun) {
    playNumbers({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(filledSlots(state()), 6);
    EXPECT_EQ(board(state()), (std::set<int>{1, 2, 3, 4, 5, 6, 20}));
    EXPECT_EQ(state().Einsatz, 7);

    playNumbers({7});
    EXPECT_EQ(state().Gewinn, 0);
    EXPECT_EQ(state().Permanenz[6], KeineZahl);
    EXPECT_EQ(filledSlots(state()), 5);
    EXPECT_EQ(board(state()), (std::set<int>{3, 4, 5, 6, 7, 20}));
}

TEST_F(StaleTwinNumber, levelSevenWithItMakesAStakeOfEightThatKeepsTheRun) {
    // With the favourite game off the board stays empty, so no stake of seven
    // breaks the run while it grows.
    play("favourite off");
    playNumbers({1, 2, 3, 4, 5, 6, 7});
    play("favourite on");
    playNumbers({8});
    EXPECT_EQ(state().Einsatz, 8);
    for (const int n : {9, 10}) {
        playNumbers({n});
        EXPECT_EQ(state().Gewinn, 0);
        EXPECT_EQ(state().AchtVerschiedene, 1);
        EXPECT_EQ(filledSlots(state()), 7);
        EXPECT_EQ(state().Einsatz, 8);
        EXPECT_TRUE(std::find(state().Permanenz.begin(), state().Permanenz.begin() + 9,
                              KeineZahl) == state().Permanenz.begin() + 9);
    }
}

TEST_F(SystemsInterplay, twinsAloneBetTheNumberJustFallenOnceNoTwinIsInTheWindow) {
    play("favourite off");
    play("twins on");
    // 1, 2, 1, 2, ...: no two neighbours equal. The unfilled slots hold 0, so
    // the window has a twin until 35 numbers have fallen.
    const std::vector<int> numbers = cycle(2, 36);
    playNumbers({numbers.begin(), numbers.begin() + 34});
    EXPECT_EQ(state().Zwillingsslot, KeineZahl);
    EXPECT_TRUE(board(state()).empty());
    playNumbers({numbers[34]});
    EXPECT_EQ(state().Zwillingsslot, 1);
    EXPECT_EQ(board(state()), std::set<int>{1});
    playNumbers({2});
    EXPECT_EQ(board(state()), std::set<int>{2});
    // A twin: nothing is bet.
    playNumbers({2});
    EXPECT_EQ(state().Zwillingsslot, KeineZahl);
    EXPECT_TRUE(board(state()).empty());
}

}  // namespace
}  // namespace quintaro::replay::testing
