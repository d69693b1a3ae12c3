#pragma once

// The favourite game ("Quintaro"): while the numbers that fell last form a run
// of different numbers, bet the last five, six or seven of them.
//
// The distinct-run test runs every coup, right after the history shift, so
// slot 0 and slot 1 of `Permanenz` both hold the number just entered and slot
// k holds the number entered k-1 coups before it.

#include "engine/session_state.h"
#include "engine/session_view.h"

namespace quintaro {

// "9  Vergleich der 7 Zahlen": sets SechsVerschiedene, SiebenVerschiedene and
// AchtVerschiedene from the newest slots of `Permanenz`.
void VergleichDer7Zahlen(SessionState& s);

// "6   7 er in Satzanzeige": fills the `Satzanzeige` with the last five, six or
// seven numbers, as the run allows, and marks them and the `Zwillingsslot` on
// the board.
void SiebenerInSatzanzeige(SessionState& s, SessionView& view);

}  // namespace quintaro
