#pragma once

#include <cstdint>
#include <string>

namespace quintaro::lab {

// Where a value stands in a permanence file, both counted from 1; columns
// count characters, not bytes, so that an editor shows the same place.
struct SourcePosition {
    std::int64_t line = 1;
    std::int64_t column = 1;

    bool operator==(const SourcePosition&) const = default;
};

// "line 3, column 7"
[[nodiscard]] inline std::string describe(const SourcePosition& at) {
    return "line " + std::to_string(at.line) + ", column " + std::to_string(at.column);
}

}  // namespace quintaro::lab
