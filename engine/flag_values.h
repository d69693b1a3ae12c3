#pragma once

// The board's flags as the numbers 0 and 1, for the loops that run over the
// whole board in every coup. g++ turns loops over these into branch-free
// vector code, which it does not do over bool; and a branch per number would
// be mispredicted often, as the board changes at random from coup to coup.

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/session_state.h"

namespace quintaro {

using FlagValues = std::array<std::uint8_t, kNumberCount>;

inline FlagValues flagValues(const TableauFlags& tableau) {
    FlagValues values{};
    std::ranges::copy(tableau, values.begin());
    return values;
}

// Flag n becomes set exactly where value n is not 0.
inline void setFlags(TableauFlags& tableau, const FlagValues& values) {
    std::ranges::copy(values, tableau.begin());
}

}  // namespace quintaro
