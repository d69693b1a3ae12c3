#pragma once

// Spins of a fair single-zero wheel from a seed, the same on every platform.
//
// The words come from SplitMix64, which is defined by 64-bit integer
// arithmetic alone, and a word becomes a number 0..36 by rejection sampling,
// so no standard-library distribution (whose output differs between
// implementations) takes part. Every simulated session and every fair table
// has its own stream, picked by its purpose and index, so that a result
// never depends on which thread ran which session.

#include <cstdint>

namespace quintaro::lab {

// What a stream of spins is for; streams of different purposes never overlap.
enum class SpinPurpose : std::uint64_t { SimulatedSession = 1, FairTable = 2 };

class SpinGenerator {
public:
    SpinGenerator(std::uint64_t seed, SpinPurpose purpose, std::uint64_t index);

    // The next spin, 0 to 36, each with chance 1/37.
    int next() {
        // 2^64 mod 37: the words below it would make the low numbers a little
        // more likely, so they are drawn again.
        constexpr std::uint64_t kRejectBelow = (0 - std::uint64_t{37}) % 37;
        std::uint64_t word = nextWord();
        while (word < kRejectBelow) {
            word = nextWord();
        }
        return static_cast<int>(word % 37);
    }

    // One SplitMix64 step.
    std::uint64_t nextWord() {
        m_state += kGoldenGamma;
        return mix(m_state);
    }

    // The SplitMix64 finaliser: a bijection of 64-bit words.
    static constexpr std::uint64_t mix(std::uint64_t z) {
        z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31U);
    }

private:
    static constexpr std::uint64_t kGoldenGamma = 0x9e3779b97f4a7c15ULL;
    std::uint64_t m_state;
};

}  // namespace quintaro::lab
