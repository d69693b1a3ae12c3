#include "tests/invariants/session_invariants.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "engine/books.h"

namespace quintaro::checks {
namespace {

bool isFlag(std::int32_t v) {
    return v == 0 || v == 1;
}

bool distinctRunFlagsNest(const SessionState& s) {
    return isFlag(s.SechsVerschiedene) && isFlag(s.SiebenVerschiedene) &&
           isFlag(s.AchtVerschiedene) && s.AchtVerschiedene <= s.SiebenVerschiedene &&
           s.SiebenVerschiedene <= s.SechsVerschiedene;
}

bool fallenCountMatches(const SessionState& s) {
    const bool allFlags = std::all_of(s.GefalleneZahlen.begin(), s.GefalleneZahlen.end(), isFlag);
    return allFlags && s.AnzahlGefallene ==
                           std::accumulate(s.GefalleneZahlen.begin(), s.GefalleneZahlen.end(), 0);
}

bool marksAreNumbersOrNone(const SessionState& s) {
    for (int n = 0; n < kNumberCount; ++n) {
        const std::int32_t mark = s.Satzmarken[numberIndex(n)];
        if (mark != n && mark != KeineZahl) {
            return false;
        }
    }
    return true;
}

// Einsatz is the number of Tableau flags and Satzmarken marks exactly them.
bool stakeMatchesBoard(const SessionState& s) {
    for (int n = 0; n < kNumberCount; ++n) {
        if (s.Satzmarken[numberIndex(n)] != (s.Tableau[numberIndex(n)] ? n : KeineZahl)) {
            return false;
        }
    }
    return std::cmp_equal(s.Einsatz, s.Tableau.count());
}

bool boardIsEmpty(const SessionState& s) {
    return s.Tableau.none();
}

bool historiesUnchanged(const SessionState& before, const SessionState& after) {
    return before.Permanenz == after.Permanenz &&
           before.ZwillingsPermanenz == after.ZwillingsPermanenz &&
           before.RestantenPermanenz == after.RestantenPermanenz;
}

bool moneyUnchanged(const SessionState& before, const SessionState& after) {
    return before.Einsatz == after.Einsatz && before.Einsatzanzeige == after.Einsatzanzeige &&
           before.Satzmarken == after.Satzmarken && before.Gesamteinsatz == after.Gesamteinsatz &&
           before.Saldo == after.Saldo && before.Anfangssaldo == after.Anfangssaldo;
}

// Slots 0 and 1 hold the entered value and every other slot moved down by
// one, except `erasedSlot` (if any), which a run break may have emptied.
bool shiftedIn(const History& before, const History& after, std::int32_t value,
               std::optional<std::size_t> erasedSlot = std::nullopt) {
    if (after[0] != value || after[1] != value) {
        return false;
    }
    for (std::size_t k = 2; k < after.size(); ++k) {
        const bool erased = erasedSlot == k && after[k] == KeineZahl;
        if (after[k] != before[k - 1] && !erased) {
            return false;
        }
    }
    return true;
}

// A straight-up hit pays 36 when the number was marked by the last complete
// coup, except on the first coup of the session.
std::int32_t expectedWin(const SessionState& before, const SessionState& after,
                         std::int32_t value) {
    const bool marked = isRouletteNumber(value) && before.Satzmarken[numberIndex(value)] == value;
    return marked && after.CoupZaehler >= 2 ? kStraightUpWin : 0;
}

// Both run breaks erase Permanenz slot 5 before the shift, so slot 6 after it.
constexpr std::size_t kRunBreakSlotAfterShift = 6;

}  // namespace

std::vector<std::string> SessionInvariants::check(const SessionState& before,
                                                  const SessionState& after,
                                                  const PerformedAction& action) {
    m_broken.clear();
    checkAlways(after);
    if (const auto* coup = std::get_if<CoupAction>(&action)) {
        if (coup->value) {
            checkCompleteCoup(before, after, *coup->value);
        } else {
            checkFailedCoup(before, after);
        }
    } else if (std::holds_alternative<ResetAction>(action)) {
        checkReset(before, after);
    } else if (const auto* balance = std::get_if<AnfangssaldoAction>(&action)) {
        checkAnfangssaldo(before, after, balance->value);
    } else {
        checkSwitch(before, after, std::get<SwitchAction>(action));
    }
    return m_broken;
}

void SessionInvariants::expect(bool holds, std::string_view rule) {
    ++m_checksMade;
    if (!holds) {
        m_broken.emplace_back(rule);
    }
}

void SessionInvariants::checkAlways(const SessionState& after) {
    expect(after.Permanenz[0] == after.Permanenz[1], "Permanenz slot 0 equals slot 1");
    expect(after.ZwillingsPermanenz[0] == after.ZwillingsPermanenz[1],
           "ZwillingsPermanenz slot 0 equals slot 1");
    expect(after.RestantenPermanenz[0] == after.RestantenPermanenz[1],
           "RestantenPermanenz slot 0 equals slot 1");
    expect(distinctRunFlagsNest(after),
           "distinct-run flags are 0 or 1 and eight implies seven implies six");
    expect(fallenCountMatches(after), "AnzahlGefallene counts the set GefalleneZahlen");
    expect(marksAreNumbersOrNone(after), "every Satzmarken entry is its number or KeineZahl");
}

void SessionInvariants::checkCompleteCoup(const SessionState& before, const SessionState& after,
                                          std::int32_t value) {
    expect(after.CoupZaehler == before.CoupZaehler + 1, "a coup is counted once");
    const std::int32_t win = expectedWin(before, after, value);
    expect(after.Gewinn == win, "the win is 36 exactly for a marked number after the first coup");
    expect(after.Gesamteinsatz == before.Gesamteinsatz + before.Einsatz - after.Gewinn,
           "Gesamteinsatz grows by the previous stake minus the win");
    expect(after.Anfangssaldo == before.Anfangssaldo, "a coup leaves Anfangssaldo");
    expect(after.Saldo == after.Anfangssaldo - after.Gesamteinsatz,
           "Saldo is Anfangssaldo - Gesamteinsatz after a complete coup");
    expect(stakeMatchesBoard(after),
           "after a complete coup Einsatz counts the Tableau flags and Satzmarken marks them");
    expect(after.Einsatzanzeige == after.Einsatz, "the shown stake is the stake");
    expect(shiftedIn(before.Permanenz, after.Permanenz, value, kRunBreakSlotAfterShift),
           "Permanenz took the entered value and shifted by one");
    expect(shiftedIn(before.ZwillingsPermanenz, after.ZwillingsPermanenz, value),
           "ZwillingsPermanenz took the entered value and shifted by one");
    expect(shiftedIn(before.RestantenPermanenz, after.RestantenPermanenz, value),
           "RestantenPermanenz took the entered value and shifted by one");
}

void SessionInvariants::checkFailedCoup(const SessionState& before, const SessionState& after) {
    expect(after.CoupZaehler == before.CoupZaehler + 1, "a failed entry is counted too");
    expect(historiesUnchanged(before, after), "a failed entry changes no history");
    expect(moneyUnchanged(before, after), "a failed entry changes no money");
    expect(boardIsEmpty(after), "a failed entry leaves the board empty");
    expect(after.Gewinn == 0, "a failed entry leaves the win at 0");
}

void SessionInvariants::checkReset(const SessionState& before, const SessionState& after) {
    expect(after.Permanenz == filledHistory(KeineZahl), "Reset empties Permanenz");
    expect(boardIsEmpty(after) && stakeMatchesBoard(after),
           "after Reset the board is empty, the stake 0 and nothing is marked");
    SessionState expected = before;
    expected.Permanenz = after.Permanenz;
    expected.Tableau = after.Tableau;
    expected.Einsatz = after.Einsatz;
    expected.Satzmarken = after.Satzmarken;
    expect(after == expected,
           "Reset leaves money, the counter, the other histories and the bet slots");
}

void SessionInvariants::checkAnfangssaldo(const SessionState& before, const SessionState& after,
                                          const std::optional<std::int32_t>& value) {
    SessionState expected = before;
    if (value) {
        expected.Anfangssaldo = *value;
        expected.Saldo = *value;
    }
    expect(after == expected, value ? "the initial balance sets Anfangssaldo and Saldo only"
                                    : "a failed initial balance changes nothing");
}

void SessionInvariants::checkSwitch(const SessionState& before, const SessionState& after,
                                    const SwitchAction& action) {
    SessionState expected = before;
    switch (action.system) {
        case BettingSystem::Favourite:
            expected.Favoritenspiel = action.ticked;
            break;
        case BettingSystem::Twins:
            expected.Zwillingsspiel = action.ticked;
            break;
        case BettingSystem::LawOfTheThird:
            expected.Restantenspiel = action.ticked;
            break;
    }
    expect(after == expected, "a check box changes its own switch and nothing else");
}

}  // namespace quintaro::checks
