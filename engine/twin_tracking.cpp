#include "engine/twin_tracking.h"

#include <algorithm>

#include "engine/tableau_marking.h"

namespace quintaro {
namespace {

// Slots 1 to 36 of `ZwillingsPermanenz`: the number just entered and the 35
// before it. Unfilled slots hold 0 since program start, so two of them side
// by side count as a twin too.
constexpr int kWindowFirst = 1;
constexpr int kWindowLast = 36;

bool twinInWindow(const History& h) {
    const auto* first = h.begin() + kWindowFirst;
    const auto* last = h.begin() + kWindowLast + 1;
    return std::adjacent_find(first, last) != last;
}

}  // namespace

void ZwillingeVerfolgen(SessionState& s, SessionView& view) {
    s.Zwillingsslot = twinInWindow(s.ZwillingsPermanenz) ? KeineZahl : s.ZwillingsPermanenz[1];
    TableauMarkieren(s);
    view.showTableau(s.Tableau);
}

}  // namespace quintaro
