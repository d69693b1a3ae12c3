#pragma once

// A session as the window and the headless driver use it: the one
// SessionState and the view that shows it, with the player's ways in.
//
// A coup flows like this: the view hands the typed text to confirm(), which
// runs the CoupPipeline over the state; each step updates the state and tells
// the view what to show at the moment its rule says. The view reads the state
// only through state(), never changes it.

#include <string_view>

#include "engine/outcome.h"
#include "engine/session_state.h"
#include "engine/session_view.h"

namespace quintaro {

// The initial-balance dialog's text before the player first changes it.
inline constexpr std::string_view kDesignAnfangssaldo = "1000";

enum class BettingSystem { Favourite, Twins, LawOfTheThird };

class Session {
public:
    explicit Session(SessionView& view) : m_view(view) {}

    // Session start; runs once, later calls do nothing.
    Outcome start(std::string_view anfangssaldoText = kDesignAnfangssaldo);
    // OK: one coup with the text of the input box.
    Outcome confirm(std::string_view eingabe);
    // The Reset button.
    void reset();
    // OK of the initial-balance dialog.
    Outcome confirmAnfangssaldo(std::string_view text);
    // Ticking or unticking a system's check box; read at the next coup.
    void setSystem(BettingSystem system, bool ticked);

    [[nodiscard]] const SessionState& state() const { return m_state; }
    [[nodiscard]] bool started() const { return m_started; }

private:
    SessionState m_state;
    SessionView& m_view;
    bool m_started = false;
};

}  // namespace quintaro
