#pragma once

// How the window shows the state: the rules every view shares, so that the
// window and the headless driver show the same texts and colours.

#include <cstdint>
#include <string>

#include "engine/session_state.h"

namespace quintaro {

// The history column shows Permanenz slots 1 to 12, newest at the top.
inline constexpr int kHistoryLines = 12;

// The eighteen red numbers of the wheel.
[[nodiscard]] bool isRedNumber(std::int32_t v);

enum class HistoryColour { Black, Red, BrightGreen };

struct HistoryLabel {
    std::string text;
    HistoryColour colour = HistoryColour::Black;

    bool operator==(const HistoryLabel&) const = default;
};

// One line of the history column: "--" for 37 and more, otherwise the decimal
// value; red numbers red, 0 bright green, everything else black.
[[nodiscard]] HistoryLabel historyLabel(std::int32_t v);

// One line of the sleeper column for number n: the label's design text until
// the sleepers are first computed, then "--", "0" or "1".
[[nodiscard]] std::string sleeperText(SleeperEntry entry, int n);

}  // namespace quintaro
