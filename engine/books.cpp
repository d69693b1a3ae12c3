#include "engine/books.h"

#include <cstddef>
#include <cstdint>

#include "engine/number_bits.h"

namespace quintaro {
namespace {

// How far each number lies below KeineZahl.
constexpr NumberTable kOffsetFromNoMark = [] {
    NumberTable offsets{};
    for (std::size_t n = 0; n < kNumberCount; ++n) {
        offsets[n] = static_cast<std::int32_t>(n) - KeineZahl;
    }
    return offsets;
}();

// Satzmarken[n] is n where the board bets on n, else KeineZahl.
void markBets(SessionState& s) {
    const NumberTable onBoard = bitMasks(s.Tableau.to_ullong());
    for (std::size_t n = 0; n < kNumberCount; ++n) {
        s.Satzmarken[n] = KeineZahl + (onBoard[n] & kOffsetFromNoMark[n]);
    }
}

}  // namespace

void GewinnZuruecksetzen(SessionState& s) {
    s.Gewinn = 0;
}

void Gewinnermittlung(SessionState& s, SessionView& view) {
    // Satzmarken[n] is n or 37, so only a number 0..36 that was marked wins;
    // 37 and every value outside 0..36 never do.
    const std::int32_t z = s.Permanenz[0];
    if (isRouletteNumber(z) && s.Satzmarken[numberIndex(z)] == z) {
        s.Gewinn = kStraightUpWin;
    }
    // The first coup of a session has no bets standing.
    if (s.CoupZaehler < 2) {
        s.Gewinn = 0;
    }
    view.showGewinn(s.Gewinn);
}

void GesamteinsatzErrechnen(SessionState& s) {
    s.Gesamteinsatz += s.Einsatz - s.Gewinn;
}

void EndsaldoErrechnen(SessionState& s, SessionView& view) {
    s.Saldo = s.Anfangssaldo - s.Gesamteinsatz;
    view.showSaldo(s.Saldo);
}

void Einsatzberechnung(SessionState& s, SessionView& view) {
    s.Einsatz = static_cast<std::int32_t>(s.Tableau.count());
    markBets(s);
    s.Einsatzanzeige = s.Einsatz;
    view.showEinsatz(s.Einsatzanzeige);
}

void Gewinnvorermittlung(SessionState& s) {
    markBets(s);
}

}  // namespace quintaro
