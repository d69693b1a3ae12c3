#pragma once

// The two rules that cut a run of the favourite game short: after a win, and
// after a spin on which exactly seven units stood, the fifth number before the
// one just entered is erased from `Permanenz`, so the run starts again at five.
// Both run before the history shift, so the erased slot then moves to slot 6.

#include "engine/session_state.h"
#include "engine/session_view.h"

namespace quintaro {

// "37 bei Gewinnzurück auf 5": erase after a win.
void BeiGewinnZurueckAuf5(SessionState& s, SessionView& view);
// "36 Stop bei 8 Zahlen": erase after a stake of exactly seven units.
void StopBei8Zahlen(SessionState& s, SessionView& view);
// "26 Zahl 5 au 0 setzen": the erasure both rules share.
void Zahl5AufNullSetzen(SessionState& s, SessionView& view);

}  // namespace quintaro
