#include "engine/run_breaks.h"

#include "engine/books.h"

namespace quintaro {
namespace {

constexpr std::int32_t kStakeThatEndsARun = 7;
constexpr int kErasedSlot = 5;

}  // namespace

void BeiGewinnZurueckAuf5(SessionState& s, SessionView& view) {
    if (s.Gewinn == kStraightUpWin) {
        Zahl5AufNullSetzen(s, view);
    }
}

void StopBei8Zahlen(SessionState& s, SessionView& view) {
    // Exactly seven: a larger stake does not break the run.
    if (s.Einsatzanzeige == kStakeThatEndsARun) {
        Zahl5AufNullSetzen(s, view);
    }
}

void Zahl5AufNullSetzen(SessionState& s, SessionView& view) {
    s.Permanenz[kErasedSlot] = KeineZahl;
    view.focusEingabefeld();
}

}  // namespace quintaro
