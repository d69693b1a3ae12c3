#pragma once

// The two typefaces of the window. The window was drawn for "MS Sans Serif"
// 11 px and "Arial" 16 px bold; Liberation Sans has Arial's metrics and stands
// in for both, at the same pixel heights, so every caption fits its box.

#include <QFont>

namespace quintaro::ui {

// "MS Sans Serif", 11 pixels, regular: the default font of every window.
[[nodiscard]] QFont defaultFont();
// The default font in bold.
[[nodiscard]] QFont boldFont();
// "Arial", 16 pixels, bold: the numbers of the board.
[[nodiscard]] QFont boardNumberFont();

}  // namespace quintaro::ui
