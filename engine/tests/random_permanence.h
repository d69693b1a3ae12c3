#pragma once

// A reproducible permanence for soak tests and benchmarks: spins 0 to 36,
// uniformly drawn from a fixed seed, already written as the text a player
// types, so that no formatting happens while the spins are replayed.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/session_state.h"

namespace quintaro::testing {

// splitmix64: a tiny generator with good statistical quality and a fixed
// sequence on every platform, unlike the standard distributions.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        m_state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }

    // A uniform number 0..bound-1: draws that fall into the incomplete last
    // block of 2^64 are rejected, so no value is favoured.
    std::uint64_t below(std::uint64_t bound) {
        const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
        const std::uint64_t limit = max - ((max % bound) + 1) % bound;
        std::uint64_t x = next();
        while (x > limit) {
            x = next();
        }
        return x % bound;
    }

private:
    std::uint64_t m_state;
};

inline std::vector<std::string> randomPermanence(std::size_t spins, std::uint64_t seed) {
    SplitMix64 random(seed);
    std::vector<std::string> texts;
    texts.reserve(spins);
    for (std::size_t i = 0; i < spins; ++i) {
        texts.push_back(std::to_string(random.below(kNumberCount)));
    }
    return texts;
}

}  // namespace quintaro::testing
