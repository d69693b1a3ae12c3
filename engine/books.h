#pragma once

// The books of a session: what was staked on a spin, what it paid back, and
// the balance that results. Every number on the board is one unit on the next
// spin; a straight-up hit pays 36 units, the stake included.
//
// The stake of a spin is fixed at the end of the coup before it
// (Einsatzberechnung, Gewinnvorermittlung). The pipeline clears the board
// before the win is judged, so the judgement reads `Satzmarken`, the copy of
// the bets that survives the clearing.

#include "engine/session_state.h"
#include "engine/session_view.h"

namespace quintaro {

inline constexpr std::int32_t kStraightUpWin = 36;

// "15 Gewinn zurücksetzen": the first step of every coup.
void GewinnZuruecksetzen(SessionState& s);
// "24 Gewinnermittlung": judges the number just entered against `Satzmarken`.
void Gewinnermittlung(SessionState& s, SessionView& view);
// "19 Gesamteinsatz errechnen": the running net loss since program start.
void GesamteinsatzErrechnen(SessionState& s);
// "20 Endsaldo errechnen": balance = initial balance - running net loss.
void EndsaldoErrechnen(SessionState& s, SessionView& view);
// "7  Einsatzberechnung": stake and marks of the next spin, from the board.
void Einsatzberechnung(SessionState& s, SessionView& view);
// "14  Gewinnvorermittlung": the marks of the next spin, from the board.
void Gewinnvorermittlung(SessionState& s);

}  // namespace quintaro
