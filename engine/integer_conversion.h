#pragma once

// The conversion of typed text to a signed 32-bit integer.
//
// The accepted syntax: leading spaces (spaces only), an optional "-" or "+",
// then decimal digits or a hexadecimal prefix ("$", "x", "X", "0x", "0X")
// followed by hexadecimal digits in either case, and nothing after the digits.
// A decimal value must lie in the 32-bit range; a hexadecimal value must fit in
// 32 bits and is read as a 32-bit pattern ("$FFFFFFFF" is -1). A sign negates
// either form in two's complement, so "-$FFFFFFFF" is 1 and "-$80000000" is
// -2147483648. Leading zeros are allowed in both forms.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintaro {

[[nodiscard]] std::optional<std::int32_t> convertInteger(std::string_view text);

// The message a failed conversion raises: "'<text>' ist kein gültiger Integerwert".
[[nodiscard]] std::string conversionErrorMessage(std::string_view text);

}  // namespace quintaro
