#include "engine/display_texts.h"

#include <algorithm>
#include <array>

namespace quintaro {
namespace {

constexpr std::array<std::int32_t, 18> kRedNumbers = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                                      19, 21, 23, 25, 27, 30, 32, 34, 36};

// The sleeper labels' component numbers: 79 for 0, 83 to 97 for 1 to 15,
// 100 to 120 for 16 to 36.
int sleeperLabelNumber(int n) {
    if (n == 0) {
        return 79;
    }
    return n <= 15 ? 82 + n : 84 + n;
}

}  // namespace

bool isRedNumber(std::int32_t v) {
    return std::find(kRedNumbers.begin(), kRedNumbers.end(), v) != kRedNumbers.end();
}

HistoryLabel historyLabel(std::int32_t v) {
    if (v >= KeineZahl) {
        return {"--", HistoryColour::Black};
    }
    if (v == 0) {
        return {"0", HistoryColour::BrightGreen};
    }
    return {std::to_string(v), isRedNumber(v) ? HistoryColour::Red : HistoryColour::Black};
}

std::string sleeperText(SleeperEntry entry, int n) {
    switch (entry) {
        case SleeperEntry::NotYetComputed:
            return "Label" + std::to_string(sleeperLabelNumber(n));
        case SleeperEntry::Empty:
            return "--";
        case SleeperEntry::Sleeper:
            return "0";
        case SleeperEntry::Fallen:
            return "1";
    }
    return "--";
}

}  // namespace quintaro
