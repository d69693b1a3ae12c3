#pragma once

// Sets of roulette numbers as the bits of one 64-bit word, bit n for number n.
//
// The board is such a set. A word lets the rules that run over all 37
// numbers in every coup mark, join and count them in a few instructions,
// without a branch per number, which would be mispredicted as often as the
// spins change. The helpers below turn a set into a per-number table and
// back, again without branches.

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/session_state.h"

namespace quintaro {

using NumberBits = std::uint64_t;

// The bit of v when v is a number 0..36; no bit for any other value.
constexpr NumberBits numberBit(std::int32_t v) {
    return isRouletteNumber(v) ? NumberBits{1} << numberIndex(v) : 0;
}

namespace detail {

// The loops over all numbers below treat the word as two 32-bit halves and
// test entry n against its bit in its half: compares of 32-bit lanes, which
// the compiler turns into vector code four entries at a time.
inline constexpr std::size_t kHalf = 32;

inline constexpr std::array<std::uint32_t, kNumberCount> kBitInHalf = [] {
    std::array<std::uint32_t, kNumberCount> bits{};
    for (std::size_t n = 0; n < kNumberCount; ++n) {
        bits[n] = std::uint32_t{1} << (n % kHalf);
    }
    return bits;
}();

}  // namespace detail

// Entry n is all ones where number n's bit is set, else 0: a mask to blend
// two tables by, without a branch.
constexpr NumberTable bitMasks(NumberBits bits) {
    NumberTable masks{};
    const auto maskOf = [&](std::uint32_t half, std::size_t n) {
        return (half & detail::kBitInHalf[n]) != 0 ? ~0 : 0;
    };
    const auto low = static_cast<std::uint32_t>(bits);
    const auto high = static_cast<std::uint32_t>(bits >> detail::kHalf);
    for (std::size_t n = 0; n < detail::kHalf; ++n) {
        masks[n] = maskOf(low, n);
    }
    for (std::size_t n = detail::kHalf; n < kNumberCount; ++n) {
        masks[n] = maskOf(high, n);
    }
    return masks;
}

// The numbers whose entry in `table` is `value`.
constexpr NumberBits bitsWhereEqual(const NumberTable& table, std::int32_t value) {
    // n's bit in `half` where entry n equals `value`, through an all-ones mask.
    const auto bitIfEqual = [&](std::size_t n) {
        const std::uint32_t equal = table[n] == value ? ~0U : 0U;
        return equal & detail::kBitInHalf[n];
    };
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    for (std::size_t n = 0; n < detail::kHalf; ++n) {
        low |= bitIfEqual(n);
    }
    for (std::size_t n = detail::kHalf; n < kNumberCount; ++n) {
        high |= bitIfEqual(n);
    }
    return (NumberBits{high} << detail::kHalf) | low;
}

}  // namespace quintaro
