#include "engine/law_of_the_third.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <numeric>

#include "engine/number_bits.h"
#include "engine/tableau_marking.h"

namespace quintaro {
namespace {

constexpr std::size_t kWindowFirst = 1;
constexpr std::size_t kWindowLast = 50;
constexpr std::int64_t kCoupsBeforeFirstSignal = 50;
// Above this many different numbers in the window no sleeper is bet.
constexpr std::int32_t kMostFallenToBet = 26;

using FallenMarks = std::array<std::uint8_t, kNumberCount>;

// Whether every slot of the window holds a number 0..36, as it does in any
// session without odd entries; counted without a branch per slot.
bool windowHoldsOnlyNumbers(const History& h) {
    int outside = 0;
    for (std::size_t i = kWindowFirst; i <= kWindowLast; ++i) {
        outside += isRouletteNumber(h[i]) ? 0 : 1;
    }
    return outside == 0;
}

// A mark per number that fell in slots 1 to 50. When the window holds only
// numbers, which one check over all slots tells, each slot is a single store.
FallenMarks fallenMarks(const History& h) {
    FallenMarks fell{};
    if (windowHoldsOnlyNumbers(h)) {
#pragma GCC unroll 50
        for (std::size_t i = kWindowFirst; i <= kWindowLast; ++i) {
            fell[numberIndex(h[i])] = 1;
        }
    } else {
        for (std::size_t i = kWindowFirst; i <= kWindowLast; ++i) {
            if (isRouletteNumber(h[i])) {
                fell[numberIndex(h[i])] = 1;
            }
        }
    }
    return fell;
}

}  // namespace

void SatzsignalRestanten(SessionState& s, SessionView& view) {
    const FallenMarks fell = fallenMarks(s.RestantenPermanenz);
    std::ranges::copy(fell, s.GefalleneZahlen.begin());
    s.AnzahlGefallene = std::accumulate(fell.begin(), fell.end(), 0);
    if (s.CoupZaehler > kCoupsBeforeFirstSignal) {
        RestantenSetzen(s, view);
    }
}

void RestantenSetzen(SessionState& s, SessionView& view) {
    const bool betSleepers = s.AnzahlGefallene <= kMostFallenToBet;
    if (betSleepers) {
        for (std::size_t n = 0; n < kNumberCount; ++n) {
            s.Restantenspalte[n] =
                s.GefalleneZahlen[n] == 0 ? SleeperEntry::Sleeper : SleeperEntry::Fallen;
        }
    } else {
        s.Restantenspalte.fill(SleeperEntry::Empty);
    }
    TableauMarkieren(s);
    if (betSleepers) {
        // Sets the flag of every sleeper and clears none.
        s.Tableau |= TableauFlags(bitsWhereEqual(s.GefalleneZahlen, 0));
    }
    view.showRestantenspalte(s.Restantenspalte);
    view.showTableau(s.Tableau);
}

}  // namespace quintaro
