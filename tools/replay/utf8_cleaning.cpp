#include "tools/replay/utf8_cleaning.h"

#include <array>
#include <cstddef>

namespace quintaro::replay {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// A lead byte range, the length of the sequences it starts and the range its
// second byte must lie in; the bytes after the second are 80..BF. The second
// byte ranges exclude overlong forms, surrogates and values above U+10FFFF.
struct LeadBytes {
    unsigned char first;
    unsigned char last;
    std::size_t length;
    unsigned char secondFirst;
    unsigned char secondLast;
};

constexpr std::array<LeadBytes, 8> kLeadBytes = {{
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x80, 0x8F},
}};

bool inRange(unsigned char byte, unsigned char first, unsigned char last) {
    return byte >= first && byte <= last;
}

unsigned char byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

// The length of the well-formed sequence at the front of `bytes`, or 0 when
// its first byte starts none.
std::size_t wellFormedLength(std::string_view bytes) {
    const unsigned char lead = byteAt(bytes, 0);
    if (lead < 0x80) {
        return 1;
    }
    for (const LeadBytes& range : kLeadBytes) {
        if (!inRange(lead, range.first, range.last)) {
            continue;
        }
        if (bytes.size() < range.length ||
            !inRange(byteAt(bytes, 1), range.secondFirst, range.secondLast)) {
            return 0;
        }
        for (std::size_t i = 2; i < range.length; ++i) {
            if (!inRange(byteAt(bytes, i), 0x80, 0xBF)) {
                return 0;
            }
        }
        return range.length;
    }
    return 0;
}

}  // namespace

std::string cleanUtf8(std::string_view bytes) {
    std::string cleaned;
    cleaned.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = wellFormedLength(bytes);
        if (length == 0) {
            cleaned += kReplacementCharacter;
            bytes.remove_prefix(1);
        } else {
            cleaned += bytes.substr(0, length);
            bytes.remove_prefix(length);
        }
    }
    return cleaned;
}

}  // namespace quintaro::replay
