#pragma once

// A second, deliberately plain reading of the rules for typed integers, kept
// apart from the engine's so that the two can be checked against each other.
//
// Where the engine walks the text once and accumulates the value digit by
// digit, this one cuts the text into its parts (spaces, sign, prefix, digits),
// checks each part against its character set, drops leading zeros, bounds the
// digit count, and leaves the arithmetic to std::from_chars on 64 bits.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quintaro::checks {

[[nodiscard]] std::optional<std::int32_t> referenceConversion(std::string_view text);

}  // namespace quintaro::checks
