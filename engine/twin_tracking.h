#pragma once

// Twin tracking ("Zwillinge verfolgen"): a twin is the same number falling on
// two consecutive coups. While no twin lies among the 36 most recent numbers,
// bet the number that has just fallen.

#include "engine/session_state.h"
#include "engine/session_view.h"

namespace quintaro {

// "38 Zwillinge verfolgen": writes the `Zwillingsslot` (the number just
// entered, or KeineZahl when a twin lies in the window) and marks the board.
void ZwillingeVerfolgen(SessionState& s, SessionView& view);

}  // namespace quintaro
