#pragma once

// Reads a permanence file (a spin record) value by value, in bounded memory.
//
// Values are separated by commas, white space or line ends; blank lines are
// allowed and '#' starts a comment that runs to the end of its line. A value
// is good when it is a number 0 to 36 written in plain decimal without
// leading zeros: "00" (the American double zero), "07", "-1" and "37" are
// all bad values, and so is an empty value between two commas on one line
// (a spin that went missing). A comma at the start or end of a line is just a
// separator, since records are often wrapped after a comma.

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "tools/lab/source_position.h"

namespace quintaro::lab {

struct PermanenceEntry {
    SourcePosition at;
    std::optional<int> number;  // empty for a bad value
    std::string badText;        // the bad value as written, shortened when long
};

// "line 3, column 7: '37' is not a number from 0 to 36"
[[nodiscard]] std::string describeBadValue(const PermanenceEntry& entry);

class PermanenceReader {
public:
    explicit PermanenceReader(std::istream& in) : m_in(in) {}

    // The next value, good or bad; nothing at the end of the input.
    [[nodiscard]] std::optional<PermanenceEntry> next();
    // Bytes consumed so far, for a progress indicator.
    [[nodiscard]] std::int64_t bytesRead() const { return m_bytesRead; }

private:
    bool refill();
    void startToken();
    [[nodiscard]] std::optional<PermanenceEntry> endToken();

    std::istream& m_in;
    std::array<char, 1 << 16> m_buffer{};
    std::size_t m_size = 0;
    std::size_t m_pos = 0;
    std::int64_t m_bytesRead = 0;

    SourcePosition m_here;
    SourcePosition m_tokenStart;
    std::string m_token;
    bool m_inComment = false;
    // A comma was read and nothing but blanks since, on the same line.
    bool m_commaPending = false;
    bool m_atStart = true;
};

}  // namespace quintaro::lab
