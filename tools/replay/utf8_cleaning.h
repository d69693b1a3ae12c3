#pragma once

// Input files may hold any bytes; everything the driver shows and writes is
// valid UTF-8.

#include <string>
#include <string_view>

namespace quintaro::replay {

// `bytes` as valid UTF-8: every byte that does not belong to a well-formed
// UTF-8 sequence (a stray continuation byte, a truncated or overlong
// sequence, a surrogate, a code point above U+10FFFF, the bytes C0, C1 and
// F5 to FF) becomes U+FFFD, one replacement character per byte.
[[nodiscard]] std::string cleanUtf8(std::string_view bytes);

}  // namespace quintaro::replay
