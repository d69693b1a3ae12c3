#include "tools/lab/spin_generator.h"

namespace quintaro::lab {

SpinGenerator::SpinGenerator(std::uint64_t seed, SpinPurpose purpose, std::uint64_t index)
    // Mixing each part before combining it keeps neighbouring seeds and
    // indexes from giving overlapping streams.
    : m_state(mix(mix(seed) ^ mix(static_cast<std::uint64_t>(purpose) * kGoldenGamma + index))) {}

}  // namespace quintaro::lab
