#pragma once

// The marking rule the three betting systems share.

#include "engine/session_state.h"
#include "engine/session_view.h"

namespace quintaro {

// `TableauMarkieren`: sets the flag of every number that one of the seven
// `Satzanzeige` slots or the `Zwillingsslot` equals. It never clears a flag;
// a slot that is Leer or holds a value outside 0..36 marks nothing.
void TableauMarkieren(SessionState& s);

}  // namespace quintaro
