#include "tools/replay/replay_driver.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace quintaro::replay {
namespace {

constexpr std::string_view kNoInteger = "' ist kein gültiger Integerwert.";

std::string conversionError(std::string_view text) {
    return "'" + std::string(text) + std::string(kNoInteger);
}

bool boardEmpty(const DisplaySnapshot& display) {
    return display.boardVisible.none();
}

// Plays lines that must all succeed.
void play(ReplayDriver& driver, std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines) {
        const auto result = driver.perform(line);
        ASSERT_FALSE(result.error) << line << ": " << *result.error;
    }
}

TEST(ProgramStart, showsTheDesignTextsAndTheStartState) {
    const ReplayDriver driver;
    const DisplaySnapshot& display = driver.display();
    EXPECT_EQ(display.eingabefeld, "00");
    EXPECT_EQ(display.coup, "--");
    EXPECT_EQ(display.anfangssaldo, "1000");
    EXPECT_EQ(display.einsatzCoup, "0");
    EXPECT_EQ(display.gewinn, "0");
    EXPECT_EQ(display.saldoNeu, "0");
    for (const HistoryLabel& line : display.permanenzspalte) {
        EXPECT_EQ(line, (HistoryLabel{"--", HistoryColour::Black}));
    }
    EXPECT_EQ(display.restantenspalte[0], "Label79");
    EXPECT_EQ(display.restantenspalte[1], "Label83");
    EXPECT_EQ(display.restantenspalte[15], "Label97");
    EXPECT_EQ(display.restantenspalte[16], "Label100");
    EXPECT_EQ(display.restantenspalte[36], "Label120");
    EXPECT_TRUE(boardEmpty(display));
    // Session start sets what the program-start record already holds.
    EXPECT_EQ(driver.session().state(), SessionState{});
    EXPECT_TRUE(driver.session().started());
}

TEST(PressOk, entersZeroFromTheUntouchedInputBox) {
    ReplayDriver driver;
    play(driver, {"ok"});
    const SessionState& s = driver.session().state();
    EXPECT_EQ(s.Permanenz[0], 0);
    EXPECT_EQ(s.Permanenz[1], 0);
    EXPECT_EQ(driver.display().coup, "1");
    EXPECT_EQ(driver.display().permanenzspalte[0], (HistoryLabel{"0", HistoryColour::BrightGreen}));
    EXPECT_EQ(driver.display().eingabefeld, "");
}

TEST(PressOk, afterACompleteCoupConfirmsTheEmptyText) {
    ReplayDriver driver;
    play(driver, {"17"});
    EXPECT_EQ(driver.perform("ok").error, conversionError(""));
    EXPECT_EQ(driver.perform("enter").error, conversionError(""));
    EXPECT_EQ(driver.session().state().CoupZaehler, 3);
}

TEST(FailedEntry, stopsAfterTheCounterAndKeepsTheText) {
    ReplayDriver driver;
    play(driver, {"1", "2", "3", "4", "5"});
    const SessionState before = driver.session().state();
    const DisplaySnapshot shownBefore = driver.display();
    ASSERT_EQ(before.Einsatz, 5);

    EXPECT_EQ(driver.perform("enter abc").error, "'abc' ist kein gültiger Integerwert.");

    const SessionState& s = driver.session().state();
    EXPECT_EQ(s.CoupZaehler, before.CoupZaehler + 1);
    EXPECT_EQ(driver.display().coup, "6");
    EXPECT_TRUE(boardEmpty(driver.display()));
    EXPECT_TRUE(std::none_of(s.Satzanzeige.begin(), s.Satzanzeige.end(),
                             [](const BetSlot& slot) { return slot.has_value(); }));
    // Nothing from the conversion on has run: histories and books stand.
    EXPECT_EQ(s.Permanenz, before.Permanenz);
    EXPECT_EQ(s.Einsatz, before.Einsatz);
    EXPECT_EQ(s.Satzmarken, before.Satzmarken);
    EXPECT_EQ(s.Gesamteinsatz, before.Gesamteinsatz);
    EXPECT_EQ(driver.display().einsatzCoup, shownBefore.einsatzCoup);
    EXPECT_EQ(driver.display().saldoNeu, shownBefore.saldoNeu);
    EXPECT_EQ(driver.display().permanenzspalte, shownBefore.permanenzspalte);
    EXPECT_EQ(driver.display().eingabefeld, "abc");
}

TEST(FailedEntry, okSubmitsTheFailedTextAgain) {
    ReplayDriver driver;
    EXPECT_EQ(driver.perform("17a").error, "'17a' ist kein gültiger Integerwert.");
    EXPECT_EQ(driver.perform("ok").error, "'17a' ist kein gültiger Integerwert.");
    EXPECT_EQ(driver.session().state().CoupZaehler, 2);
    EXPECT_EQ(driver.display().eingabefeld, "17a");
}

TEST(FailedEntry, keepsTheBetForTheNextCoup) {
    ReplayDriver driver;
    play(driver, {"1", "2", "3", "4", "5"});
    ASSERT_TRUE(driver.perform("  ").error.has_value());
    play(driver, {"3"});
    const SessionState& s = driver.session().state();
    // Stake 5 and the hit on 3 are booked against the marks of coup 5.
    EXPECT_EQ(s.Gewinn, 36);
    EXPECT_EQ(s.Gesamteinsatz, 5 - 36);
    EXPECT_EQ(driver.display().saldoNeu, "1031");
    EXPECT_EQ(driver.display().gewinn, "36");
}

TEST(BalanceDialog, showsTheTextAsTypedAndResetShowsTheValue) {
    ReplayDriver driver;
    play(driver, {"1", "2", "3", "4", "5", "6"});
    ASSERT_EQ(driver.session().state().Gesamteinsatz, 5);
    ASSERT_EQ(driver.display().saldoNeu, "995");

    play(driver, {"balance 0500"});
    EXPECT_EQ(driver.display().anfangssaldo, "0500");
    EXPECT_EQ(driver.session().state().Anfangssaldo, 500);
    EXPECT_EQ(driver.session().state().Saldo, 500);
    // "Saldo Neu:" waits for the next coup.
    EXPECT_EQ(driver.display().saldoNeu, "995");

    play(driver, {"reset"});
    EXPECT_EQ(driver.display().anfangssaldo, "500");

    play(driver, {"7"});
    // Reset left no stake on the board: the total stays 5.
    EXPECT_EQ(driver.display().saldoNeu, "495");
}

TEST(BalanceDialog, invalidTextIsShownAndReportedAndTheBooksStay) {
    ReplayDriver driver;
    EXPECT_EQ(driver.perform("balance abc").error, "'abc' ist kein gültiger Integerwert.");
    EXPECT_EQ(driver.display().anfangssaldo, "abc");
    EXPECT_EQ(driver.session().state().Anfangssaldo, 1000);
    EXPECT_EQ(driver.session().state().Saldo, 1000);

    EXPECT_EQ(driver.perform("balance").error, conversionError(""));
    EXPECT_EQ(driver.display().anfangssaldo, "");
    // The dialog counts no coup.
    EXPECT_EQ(driver.session().state().CoupZaehler, 0);

    play(driver, {"reset"});
    EXPECT_EQ(driver.display().anfangssaldo, "1000");
}

TEST(Reset, keepsTheDisplaysUntilTheNextCoup) {
    ReplayDriver driver;
    play(driver, {"1", "2", "3", "4", "5", "reset"});
    EXPECT_TRUE(boardEmpty(driver.display()));
    EXPECT_EQ(driver.session().state().Einsatz, 0);
    EXPECT_EQ(driver.display().einsatzCoup, "5");
    EXPECT_EQ(driver.display().permanenzspalte[0].text, "5");
    EXPECT_EQ(driver.display().coup, "5");

    // 4 was on the board before Reset: no stake, no win.
    play(driver, {"4"});
    EXPECT_EQ(driver.session().state().Gewinn, 0);
    EXPECT_EQ(driver.session().state().Gesamteinsatz, 0);
    EXPECT_EQ(driver.display().permanenzspalte[0].text, "4");
    EXPECT_EQ(driver.display().permanenzspalte[1].text, "--");
    EXPECT_EQ(driver.display().coup, "6");
}

TEST(SkippedLine, changesNothing) {
    ReplayDriver driver;
    play(driver, {"17"});
    const SessionState before = driver.session().state();
    const DisplaySnapshot shownBefore = driver.display();
    for (const std::string_view line : {"", "#", "# reset"}) {
        const auto result = driver.perform(line);
        EXPECT_TRUE(result.skipped) << line;
        EXPECT_FALSE(result.error) << line;
    }
    EXPECT_EQ(driver.session().state(), before);
    EXPECT_EQ(driver.display(), shownBefore);
}

TEST(Switches, setTheSystemFlags) {
    ReplayDriver driver;
    play(driver, {"favourite off", "twins on", "third on"});
    const SessionState& s = driver.session().state();
    EXPECT_FALSE(s.Favoritenspiel);
    EXPECT_TRUE(s.Zwillingsspiel);
    EXPECT_TRUE(s.Restantenspiel);
    play(driver, {"favourite on", "twins off", "third off"});
    EXPECT_TRUE(s.Favoritenspiel);
    EXPECT_FALSE(s.Zwillingsspiel);
    EXPECT_FALSE(s.Restantenspiel);
}

}  // namespace
}  // namespace quintaro::replay
