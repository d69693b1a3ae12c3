#include "engine/law_of_the_third.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "engine/flag_values.h"
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
    // The marks go into a table of bytes first: g++ clears and adds up 37
    // bytes with a few vector instructions, where clearing `GefalleneZahlen`
    // in place became a slow string store.
    std::array<std::uint8_t, kNumberCount> fell{};
    for (std::size_t i = kWindowFirst; i <= kWindowLast; ++i) {
        const std::int32_t v = s.RestantenPermanenz[i];
        if (isRouletteNumber(v)) {
            fell[numberIndex(v)] = 1;
        }
    }
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
        FlagValues bet = flagValues(s.Tableau);
        for (std::size_t n = 0; n < kNumberCount; ++n) {
            bet[n] = s.Restantenspalte[n] == SleeperEntry::Sleeper ? 1 : bet[n];
        }
        setFlags(s.Tableau, bet);
    }
    view.showRestantenspalte(s.Restantenspalte);
    view.showTableau(s.Tableau);
}

}  // namespace quintaro
