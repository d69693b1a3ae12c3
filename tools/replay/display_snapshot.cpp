#include "tools/replay/display_snapshot.h"

#include "engine/session.h"

namespace quintaro::replay {

DisplaySnapshot programStartDisplay() {
    DisplaySnapshot display;
    // Pressing OK without typing anything enters the number 0.
    display.eingabefeld = "00";
    display.coup = "--";
    display.anfangssaldo = std::string(kDesignAnfangssaldo);
    display.einsatzCoup = "0";
    display.gewinn = "0";
    display.saldoNeu = "0";
    display.permanenzspalte.fill(historyLabel(KeineZahl));
    for (int n = 0; n < kNumberCount; ++n) {
        display.restantenspalte[numberIndex(n)] = sleeperText(SleeperEntry::NotYetComputed, n);
    }
    return display;
}

}  // namespace quintaro::replay
