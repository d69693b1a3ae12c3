#include "engine/integer_conversion.h"

#include <limits>

namespace quintaro {
namespace {

constexpr std::uint64_t kMaxDecimalMagnitude = 2147483648U;  // |INT32_MIN|

std::optional<unsigned> hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    return std::nullopt;
}

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Removes a hexadecimal prefix from the front of `digits`; false when there is none.
bool consumeHexPrefix(std::string_view& digits) {
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (digits.starts_with(prefix)) {
            digits.remove_prefix(prefix.size());
            return true;
        }
    }
    return false;
}

// The 32-bit pattern of a run of hexadecimal digits, or nothing when a
// character is no hex digit or the value needs more than 32 bits.
std::optional<std::uint32_t> hexPattern(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const auto d = hexDigit(c);
        if (!d) {
            return std::nullopt;
        }
        value = (value << 4U) | *d;
        if (value > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(value);
}

// The magnitude of a run of decimal digits, or nothing when a character is no
// digit or the magnitude exceeds `limit`.
std::optional<std::uint64_t> decimalMagnitude(std::string_view digits, std::uint64_t limit) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (!isDecimalDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return value;
}

}  // namespace

std::optional<std::int32_t> convertInteger(std::string_view text) {
    std::string_view rest = text;
    while (rest.starts_with(' ')) {
        rest.remove_prefix(1);
    }
    bool negative = false;
    if (rest.starts_with('-') || rest.starts_with('+')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }

    if (consumeHexPrefix(rest)) {
        const auto pattern = hexPattern(rest);
        if (!pattern) {
            return std::nullopt;
        }
        // Unsigned arithmetic negates the pattern in two's complement without overflow.
        const std::uint32_t bits = negative ? 0U - *pattern : *pattern;
        return static_cast<std::int32_t>(bits);
    }

    const std::uint64_t limit = negative ? kMaxDecimalMagnitude : kMaxDecimalMagnitude - 1;
    const auto magnitude = decimalMagnitude(rest, limit);
    if (!magnitude) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string conversionErrorMessage(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 32);
    message += '\'';
    message += text;
    message += "' ist kein gültiger Integerwert";
    return message;
}

}  // namespace quintaro
