#include "engine/books.h"

#include <cstddef>
#include <cstdint>
#include <numeric>

#include "engine/flag_values.h"

namespace quintaro {
namespace {

constexpr NumberTable kNumbers = [] {
    NumberTable numbers{};
    std::iota(numbers.begin(), numbers.end(), 0);
    return numbers;
}();

void markBets(SessionState& s, const FlagValues& bet) {
    for (std::size_t n = 0; n < kNumberCount; ++n) {
        // n where the flag is set, else KeineZahl: a blend through a mask that
        // is all ones or all zeros.
        const std::int32_t onBoard = bet[n] != 0 ? ~0 : 0;
        s.Satzmarken[n] = (onBoard & kNumbers[n]) | (~onBoard & KeineZahl);
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
    const FlagValues bet = flagValues(s.Tableau);
    s.Einsatz = std::accumulate(bet.begin(), bet.end(), 0);
    markBets(s, bet);
    s.Einsatzanzeige = s.Einsatz;
    view.showEinsatz(s.Einsatzanzeige);
}

void Gewinnvorermittlung(SessionState& s) {
    markBets(s, flagValues(s.Tableau));
}

}  // namespace quintaro
