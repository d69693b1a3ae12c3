#pragma once

// The operations that change the session between coups.

#include <string_view>

#include "engine/outcome.h"
#include "engine/session_state.h"
#include "engine/session_view.h"

namespace quintaro {

// Session start, once per program run when the window first gets the focus:
// window on top, date line, empty main and sleeper histories, empty board,
// counter and stake 0, and the initial balance read from the initial-balance
// dialog's text. Twin history, marks, running total and switches run on.
Outcome FormActivate(SessionState& s, SessionView& view, std::string_view anfangssaldoText);

// Reset: restarts the main history and the board, with the stake and the
// marks taken from it. Money, the coup counter and the histories of twin
// tracking and of the law of the third run on.
void Button4Click(SessionState& s, SessionView& view);

// OK of the initial-balance dialog: the display shows the text as typed, then
// the text becomes the initial balance and the balance. "Saldo Neu:" changes
// only at the next coup. A text that is no integer leaves the books alone.
Outcome AnfangssaldoBestaetigen(SessionState& s, SessionView& view, std::string_view text);

}  // namespace quintaro
