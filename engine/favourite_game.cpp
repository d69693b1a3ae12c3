#include "engine/favourite_game.h"

#include <algorithm>
#include <span>

#include "engine/tableau_marking.h"

namespace quintaro {
namespace {

// The run of length k passes when slots 0 to k-1 all hold numbers and the
// values of slot 0 and slots 2 to k are pairwise different. Slot 1 is a copy
// of slot 0 and is only tested for presence; slot k may be empty, since
// KeineZahl equals none of the others.
std::int32_t runOfDifferentNumbers(const History& p, std::size_t k) {
    const std::span<const std::int32_t> mustBeFilled(p.data(), k);
    if (std::ranges::find(mustBeFilled, KeineZahl) != mustBeFilled.end()) {
        return 0;
    }
    std::array<std::int32_t, 9> compared{};
    compared[0] = p[0];
    std::ranges::copy(std::span<const std::int32_t>(p.data() + 2, k - 1), compared.begin() + 1);
    for (std::size_t i = 0; i < k; ++i) {
        for (std::size_t j = i + 1; j < k; ++j) {
            if (compared[i] == compared[j]) {
                return 0;
            }
        }
    }
    return 1;
}

// The level of the game: how many of the seven slots the run fills.
std::size_t favouriteLevel(const SessionState& s) {
    if (s.AchtVerschiedene == 1) {
        return 7;
    }
    if (s.SiebenVerschiedene == 1) {
        return 6;
    }
    if (s.SechsVerschiedene == 1) {
        return 5;
    }
    return 0;
}

// Slot 1 takes the number just entered (Permanenz slot 0); slot j >= 2 takes
// Permanenz slot j, the number entered j-1 coups before it.
constexpr std::array<std::size_t, kBetSlots> kSourceSlot = {0, 2, 3, 4, 5, 6, 7};

}  // namespace

void VergleichDer7Zahlen(SessionState& s) {
    // A longer run contains the shorter ones, so it is only tested when the
    // shorter one passed.
    s.SechsVerschiedene = runOfDifferentNumbers(s.Permanenz, 6);
    s.SiebenVerschiedene = s.SechsVerschiedene == 1 ? runOfDifferentNumbers(s.Permanenz, 7) : 0;
    s.AchtVerschiedene = s.SiebenVerschiedene == 1 ? runOfDifferentNumbers(s.Permanenz, 8) : 0;
}

void SiebenerInSatzanzeige(SessionState& s, SessionView& view) {
    const std::size_t level = favouriteLevel(s);
    for (std::size_t j = 0; j < level; ++j) {
        // Typed values of 38 and more leave their slot empty; a negative one
        // is written but marks no number.
        const std::int32_t v = s.Permanenz[kSourceSlot[j]];
        if (v < KeineZahl) {
            s.Satzanzeige[j] = v;
        }
    }
    TableauMarkieren(s);
    view.showTableau(s.Tableau);
}

}  // namespace quintaro
