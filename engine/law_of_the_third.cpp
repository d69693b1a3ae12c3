#include "engine/law_of_the_third.h"

#include <numeric>

#include "engine/tableau_marking.h"

namespace quintaro {
namespace {

constexpr std::size_t kWindowFirst = 1;
constexpr std::size_t kWindowLast = 50;
constexpr std::int64_t kCoupsBeforeFirstSignal = 50;
// Above this many different numbers in the window no sleeper is bet.
constexpr std::int32_t kMostFallenToBet = 26;

}  // namespace

void SatzsignalRestanten(SessionState& s, SessionView& view) {
    s.GefalleneZahlen.fill(0);
    for (std::size_t i = kWindowFirst; i <= kWindowLast; ++i) {
        const std::int32_t v = s.RestantenPermanenz[i];
        if (isRouletteNumber(v)) {
            s.GefalleneZahlen[numberIndex(v)] = 1;
        }
    }
    s.AnzahlGefallene = std::accumulate(s.GefalleneZahlen.begin(), s.GefalleneZahlen.end(), 0);
    if (s.CoupZaehler > kCoupsBeforeFirstSignal) {
        RestantenSetzen(s, view);
    }
}

void RestantenSetzen(SessionState& s, SessionView& view) {
    const bool betSleepers = s.AnzahlGefallene <= kMostFallenToBet;
    for (std::size_t n = 0; n < kNumberCount; ++n) {
        if (!betSleepers) {
            s.Restantenspalte[n] = SleeperEntry::Empty;
        } else {
            s.Restantenspalte[n] =
                s.GefalleneZahlen[n] == 0 ? SleeperEntry::Sleeper : SleeperEntry::Fallen;
        }
    }
    TableauMarkieren(s);
    // Sets the flag of every sleeper and clears none; written as an "or" so
    // that no branch depends on which numbers happen to be sleepers.
    for (std::size_t n = 0; n < kNumberCount; ++n) {
        s.Tableau[n] |= s.Restantenspalte[n] == SleeperEntry::Sleeper;
    }
    view.showRestantenspalte(s.Restantenspalte);
    view.showTableau(s.Tableau);
}

}  // namespace quintaro
