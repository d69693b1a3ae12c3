#pragma once

// One coup: the fixed list of steps that a confirmed number runs through.
//
//  1-10  settle the spin that has just fallen against the bets of the previous
//        coup: win, running total, balance, run breaks;
//  11    shift the three histories;
//  12-19 prepare the next coup: history column, distinct-run test, the ticked
//        systems in the fixed order twins, favourite, law of the third, then
//        the stake and marks of the finished board.
//
// A text that is no integer ends the coup at step 5: the win is reset, the
// board cleared and the coup counted, nothing else changes.

#include <string_view>

#include "engine/outcome.h"
#include "engine/session_state.h"
#include "engine/session_view.h"

namespace quintaro {

Outcome CoupPipeline(SessionState& s, SessionView& view, std::string_view eingabe);

}  // namespace quintaro
