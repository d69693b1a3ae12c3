#pragma once

// The rules a session keeps after every action a player can take, whatever
// was typed. The driver fuzz target and the long-session soak both check them
// through this one checker, after each action, against the state before it.
//
// Which rules apply depends on the action:
//  - always: slot 0 equals slot 1 in each history; the distinct-run flags are
//    0 or 1 and imply each other downwards (eight, seven, six); AnzahlGefallene
//    counts the set entries of GefalleneZahlen; every Satzmarken entry is its
//    number or KeineZahl;
//  - after a complete coup: Einsatz counts the Tableau flags and Satzmarken
//    marks exactly those numbers; Saldo is Anfangssaldo - Gesamteinsatz;
//    Gesamteinsatz moved by the previous stake minus the win; the entered
//    value stands in slot 0 of the three histories, which shifted by one; the
//    coup was counted;
//  - after a failed entry: no history and no money changed, the board is
//    empty, the win is 0 and the attempt was counted;
//  - after Reset: the main history and the board are empty, the stake is 0 and
//    nothing is marked; money, the counter and the other histories stay;
//  - after OK of the initial-balance dialog: Saldo is the new Anfangssaldo and
//    nothing else moved; a failed one changes nothing;
//  - after ticking or unticking a system: only that switch changed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/session.h"
#include "engine/session_state.h"

namespace quintaro::checks {

// The actions, each with what the checker needs to know of it. For a coup and
// the initial balance that is the value the typed text converts to, or nothing
// when the conversion fails.
struct CoupAction {
    std::optional<std::int32_t> value;
};
struct ResetAction {};
struct AnfangssaldoAction {
    std::optional<std::int32_t> value;
};
struct SwitchAction {
    BettingSystem system = BettingSystem::Favourite;
    bool ticked = false;
};
using PerformedAction = std::variant<CoupAction, ResetAction, AnfangssaldoAction, SwitchAction>;

class SessionInvariants {
public:
    // Checks every rule that `action` must keep when it turned `before` into
    // `after`; returns the rules it broke, empty when all held.
    [[nodiscard]] std::vector<std::string> check(const SessionState& before,
                                                 const SessionState& after,
                                                 const PerformedAction& action);

    // How many single rules were checked so far.
    [[nodiscard]] std::uint64_t checksMade() const { return m_checksMade; }

private:
    void expect(bool holds, std::string_view rule);

    void checkAlways(const SessionState& after);
    void checkCompleteCoup(const SessionState& before, const SessionState& after,
                           std::int32_t value);
    void checkFailedCoup(const SessionState& before, const SessionState& after);
    void checkReset(const SessionState& before, const SessionState& after);
    void checkAnfangssaldo(const SessionState& before, const SessionState& after,
                           const std::optional<std::int32_t>& value);
    void checkSwitch(const SessionState& before, const SessionState& after,
                     const SwitchAction& action);

    std::vector<std::string> m_broken;
    std::uint64_t m_checksMade = 0;
};

}  // namespace quintaro::checks
