#pragma once

// Everything a person can see of the main window, as texts: what the window
// would show after the same actions, kept by the driver's recording view so
// that a replay can be compared with the window line for line.

#include <array>
#include <string>

#include "engine/display_texts.h"
#include "engine/session_state.h"

namespace quintaro::replay {

struct DisplaySnapshot {
    std::string eingabefeld;                                  // input box text
    std::string coup;                                         // "Coup:" value
    std::string anfangssaldo;                                 // "Anfangssaldo:" value
    std::string einsatzCoup;                                  // "Einsatz Coup:" value
    std::string gewinn;                                       // "Gewinn:" value
    std::string saldoNeu;                                     // "Saldo Neu:" value
    std::array<HistoryLabel, kHistoryLines> permanenzspalte;  // top line first
    std::array<std::string, kNumberCount> restantenspalte;    // number 0 first
    TableauFlags boardVisible;                                // board label n visible

    bool operator==(const DisplaySnapshot&) const = default;
};

// The window as the program starts, before session start writes anything:
// every display shows its design text.
[[nodiscard]] DisplaySnapshot programStartDisplay();

}  // namespace quintaro::replay
