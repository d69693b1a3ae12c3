#include "engine/twin_tracking.h"

#include <cstddef>

#include "engine/tableau_marking.h"

namespace quintaro {
namespace {

// Slots 1 to 36 of `ZwillingsPermanenz`: the number just entered and the 35
// before it. Unfilled slots hold 0 since program start, so two of them side
// by side count as a twin too.
constexpr std::size_t kWindowFirst = 1;
constexpr std::size_t kWindowLast = 36;

// Counts every pair of equal neighbours rather than stopping at the first:
// a fixed amount of work the compiler makes branch-free, where the place of
// the first twin would be a branch as random as the spins.
bool twinInWindow(const History& h) {
    int twins = 0;
    for (std::size_t i = kWindowFirst; i < kWindowLast; ++i) {
        twins += h[i] == h[i + 1] ? 1 : 0;
    }
    return twins > 0;
}

}  // namespace

void ZwillingeVerfolgen(SessionState& s, SessionView& view) {
    s.Zwillingsslot = twinInWindow(s.ZwillingsPermanenz) ? KeineZahl : s.ZwillingsPermanenz[1];
    TableauMarkieren(s);
    view.showTableau(s.Tableau);
}

}  // namespace quintaro
