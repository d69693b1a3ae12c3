#pragma once

// The one record of everything a session knows.
//
// SessionState is plain data: the three copies of the spin history, the bet
// board, the bet slots, the books, the coup counter, the flags of the betting
// systems and the three system switches. Every change is made by a named step
// (coup_pipeline.h, books.h, ...) or by the session operations in
// session_control.h; the record itself only knows how to shift a history and
// how to compare a bet slot with a number.
//
// Field names follow the program's own German vocabulary so that a step reads
// like the rule it implements.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace quintaro {

// "No number": the fill value of the histories and of the per-number tables.
// A stored 37 behaves exactly like an empty history slot.
inline constexpr std::int32_t KeineZahl = 37;

// The roulette numbers are 0 to 36.
inline constexpr int kNumberCount = 37;
inline constexpr int kHistorySlots = 51;
inline constexpr int kBetSlots = 7;

// Any typed integer may reach a history, so the rules test for 0..36 before a
// value is ever used to pick a per-number entry.
constexpr bool isRouletteNumber(std::int32_t v) {
    return v >= 0 && v < kNumberCount;
}

// The index of number v in a per-number table; only for v with isRouletteNumber(v).
constexpr std::size_t numberIndex(std::int32_t v) {
    return static_cast<std::size_t>(v);
}

// Slot 0 receives the number of the coup; see shiftHistory() for the layout.
using History = std::array<std::int32_t, kHistorySlots>;

// One flag per number: flag n set means one unit on n in the next coup.
// Kept as bits, so the board is marked, joined and counted a word at a time
// (number_bits.h).
using TableauFlags = std::bitset<kNumberCount>;

// A per-number table of integers, indexed by the number a rule examines.
using NumberTable = std::array<std::int32_t, kNumberCount>;

// A bet slot holds nothing (`Leer`) or one integer.
using BetSlot = std::optional<std::int32_t>;
inline constexpr BetSlot Leer = std::nullopt;

// A slot equals n exactly when it holds n; Leer equals no number.
constexpr bool slotEquals(const BetSlot& slot, int n) {
    return slot.has_value() && *slot == n;
}

// One entry of the hidden sleeper column: its design text until the sleeper
// bet first runs, then empty ("--"), a sleeper ("0") or a number that fell ("1").
enum class SleeperEntry : std::uint8_t { NotYetComputed, Empty, Sleeper, Fallen };
using SleeperColumn = std::array<SleeperEntry, kNumberCount>;

constexpr History filledHistory(std::int32_t value) {
    History h{};
    h.fill(value);
    return h;
}

constexpr NumberTable filledTable(std::int32_t value) {
    NumberTable t{};
    t.fill(value);
    return t;
}

// Moves slot k-1 into slot k for k = 50 down to 1 and keeps slot 0, so that
// afterwards slots 0 and 1 both hold the newest number and slot i holds the
// number entered i-1 coups before it.
void shiftHistory(History& history);

struct SessionState {
    // The three histories receive the same number at the same moment; they
    // differ in their fill values and in who resets them.
    History Permanenz = filledHistory(KeineZahl);
    History ZwillingsPermanenz = filledHistory(0);  // never reset
    History RestantenPermanenz = filledHistory(KeineZahl);

    TableauFlags Tableau{};
    std::array<BetSlot, kBetSlots> Satzanzeige{};  // index 0 is slot 1
    BetSlot Zwillingsslot = Leer;

    // Books. The running total and the balance are 64-bit so that no session,
    // however long, can wrap them.
    NumberTable Satzmarken = filledTable(KeineZahl);
    std::int32_t Einsatz = 0;
    std::int32_t Einsatzanzeige = 0;
    std::int32_t Gewinn = 0;
    std::int32_t Anfangssaldo = 1000;
    std::int64_t Gesamteinsatz = 0;
    std::int64_t Saldo = 1000;
    // Counts every press of OK; 64-bit so that the thresholds that read it
    // stay right in replays of any length.
    std::int64_t CoupZaehler = 0;

    // Results of the distinct-run test, each 0 or 1.
    std::int32_t SechsVerschiedene = 0;
    std::int32_t SiebenVerschiedene = 0;
    std::int32_t AchtVerschiedene = 0;

    // Law of the third: which numbers fell in the last 50 coups, and how many.
    NumberTable GefalleneZahlen = filledTable(0);
    std::int32_t AnzahlGefallene = 0;
    SleeperColumn Restantenspalte{};  // all NotYetComputed

    // The three system switches, read by the pipeline at every coup.
    bool Favoritenspiel = true;
    bool Zwillingsspiel = false;
    bool Restantenspiel = false;

    bool operator==(const SessionState&) const = default;
};

}  // namespace quintaro
