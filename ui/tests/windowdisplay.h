#pragma once

// What a person sees of the window, read off its widgets into the driver's
// DisplaySnapshot, so that the window and the headless driver can be compared
// display by display.

#include <QStringList>

#include "tools/replay/display_snapshot.h"
#include "ui/tests/testwindow.h"

namespace quintaro::checks {

[[nodiscard]] replay::DisplaySnapshot windowDisplay(const ui::test::TestWindow& window);

// One line per display ("Saldo Neu 995", "history 3: 17 red", "board 4 8"),
// so that a failed comparison names the display that differs.
[[nodiscard]] QStringList describe(const replay::DisplaySnapshot& display);

}  // namespace quintaro::checks
