#include "tests/fuzz/reference_conversion.h"

#include <algorithm>
#include <charconv>

namespace quintaro::checks {
namespace {

constexpr std::string_view kDecimalDigits = "0123456789";
constexpr std::string_view kHexDigits = "0123456789abcdefABCDEF";

// Eight hex digits fill 32 bits; ten decimal digits cover 2147483648.
constexpr std::size_t kMostHexDigits = 8;
constexpr std::size_t kMostDecimalDigits = 10;

constexpr std::int64_t kTwoPow32 = std::int64_t{1} << 32;
constexpr std::int64_t kTwoPow31 = std::int64_t{1} << 31;

enum class Base { Decimal = 10, Hex = 16 };

struct Parts {
    bool negative = false;
    Base base = Base::Decimal;
    std::string_view digits;
};

bool onlyCharsOf(std::string_view text, std::string_view allowed) {
    return std::all_of(text.begin(), text.end(),
                       [&](char c) { return allowed.find(c) != std::string_view::npos; });
}

// Splits the text into sign, base and digit run; the digits are not checked yet.
Parts splitIntoParts(std::string_view text) {
    Parts parts;
    const std::size_t firstNonSpace = text.find_first_not_of(' ');
    std::string_view rest =
        firstNonSpace == std::string_view::npos ? std::string_view{} : text.substr(firstNonSpace);
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        parts.negative = rest[0] == '-';
        rest = rest.substr(1);
    }
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        parts.base = Base::Hex;
        rest = rest.substr(1);
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        parts.base = Base::Hex;
        rest = rest.substr(2);
    }
    parts.digits = rest;
    return parts;
}

// The digit run as a non-negative 64-bit value, or nothing when it is empty,
// holds a foreign character or has more significant digits than the form allows.
std::optional<std::int64_t> digitValue(std::string_view digits, Base base) {
    const bool hex = base == Base::Hex;
    if (digits.empty() || !onlyCharsOf(digits, hex ? kHexDigits : kDecimalDigits)) {
        return std::nullopt;
    }
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string_view::npos) {
        return 0;
    }
    const std::string_view significant = digits.substr(firstSignificant);
    if (significant.size() > (hex ? kMostHexDigits : kMostDecimalDigits)) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    std::from_chars(significant.data(), significant.data() + significant.size(), value,
                    static_cast<int>(base));
    return value;
}

// A hexadecimal value is a 32-bit pattern, negated in two's complement by a sign.
std::int32_t hexPatternValue(std::int64_t pattern, bool negative) {
    std::int64_t signedValue = negative ? -pattern : pattern;
    signedValue = ((signedValue % kTwoPow32) + kTwoPow32) % kTwoPow32;
    if (signedValue >= kTwoPow31) {
        signedValue -= kTwoPow32;
    }
    return static_cast<std::int32_t>(signedValue);
}

std::optional<std::int32_t> decimalValue(std::int64_t magnitude, bool negative) {
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue < -kTwoPow31 || signedValue >= kTwoPow31) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(signedValue);
}

}  // namespace

std::optional<std::int32_t> referenceConversion(std::string_view text) {
    const Parts parts = splitIntoParts(text);
    const auto value = digitValue(parts.digits, parts.base);
    if (!value) {
        return std::nullopt;
    }
    if (parts.base == Base::Hex) {
        return hexPatternValue(*value, parts.negative);
    }
    return decimalValue(*value, parts.negative);
}

}  // namespace quintaro::checks
