#pragma once

// The law of the third ("2/3 Gesetz"): in 50 coups only about two thirds of
// the numbers fall. From the 51st coup of a session on, when at most 26
// different numbers fell in the last 50 coups, bet every number that did not
// (the sleepers, "Restanten").

#include "engine/session_state.h"
#include "engine/session_view.h"

namespace quintaro {

// "39  Satzsignal Restanten": finds which numbers fell in `RestantenPermanenz`
// slots 1 to 50 and how many; from the 51st coup on hands over to RestantenSetzen.
void SatzsignalRestanten(SessionState& s, SessionView& view);

// "40 Restanten setzen": fills the sleeper column and puts the numbers of the
// eight bet slots and, below the threshold, every sleeper on the board.
void RestantenSetzen(SessionState& s, SessionView& view);

}  // namespace quintaro
