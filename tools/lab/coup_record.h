#pragma once

#include <cstdint>

namespace quintaro::lab {

// The books of one coup as the engine kept them.
struct CoupRecord {
    std::int64_t coup = 0;     // counted from 1 in each session
    int number = 0;            // the spin, 0 to 36
    std::int32_t stake = 0;    // units that stood on the board for this spin
    std::int32_t win = 0;      // 36 on a hit, else 0
    std::int64_t balance = 0;  // "Saldo Neu:" after the coup

    bool operator==(const CoupRecord&) const = default;
};

}  // namespace quintaro::lab
