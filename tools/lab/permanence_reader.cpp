#include "tools/lab/permanence_reader.h"

#include <string_view>

namespace quintaro::lab {
namespace {

constexpr std::size_t kLongestQuotedValue = 20;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// A UTF-8 continuation byte belongs to the character before it.
bool startsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> rouletteNumber(std::string_view text) {
    if (text.size() == 1 && isDigit(text[0])) {
        return text[0] - '0';
    }
    if (text.size() == 2 && text[0] >= '1' && text[0] <= '3' && isDigit(text[1])) {
        const int value = (text[0] - '0') * 10 + (text[1] - '0');
        if (value <= 36) {
            return value;
        }
    }
    return std::nullopt;
}

// The first characters of a long bad value, cut at a character boundary.
std::string shortened(const std::string& text) {
    if (text.size() <= kLongestQuotedValue) {
        return text;
    }
    std::size_t cut = kLongestQuotedValue;
    while (cut > 0 && !startsCharacter(text[cut])) {
        --cut;
    }
    return text.substr(0, cut) + "...";
}

}  // namespace

std::string describeBadValue(const PermanenceEntry& entry) {
    if (entry.badText.empty()) {
        return describe(entry.at) + ": empty value between two commas";
    }
    return describe(entry.at) + ": '" + entry.badText + "' is not a number from 0 to 36";
}

std::optional<PermanenceEntry> PermanenceReader::next() {
    while (m_pos < m_size || refill()) {
        const char c = m_buffer[m_pos++];
        std::optional<PermanenceEntry> entry;
        if (c == '\n') {
            entry = endToken();
            ++m_here.line;
            m_here.column = 1;
            m_inComment = false;
            m_commaPending = false;
            if (entry) {
                return entry;
            }
            continue;
        }
        if (m_inComment) {
            // Comment text is not counted: columns matter only before it.
            continue;
        }
        if (c == '#') {
            entry = endToken();
            m_inComment = true;
        } else if (c == ',') {
            entry = endToken();
            if (!entry && m_commaPending) {
                entry = PermanenceEntry{m_here, std::nullopt, {}};
            }
            m_commaPending = true;
        } else if (isBlank(c)) {
            entry = endToken();
        } else {
            if (m_token.empty()) {
                startToken();
            }
            m_token += c;
        }
        if (startsCharacter(c)) {
            ++m_here.column;
        }
        if (entry) {
            return entry;
        }
    }
    return endToken();
}

bool PermanenceReader::refill() {
    m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_size = static_cast<std::size_t>(m_in.gcount());
    m_pos = 0;
    m_bytesRead += static_cast<std::int64_t>(m_size);
    if (m_atStart) {
        m_atStart = false;
        if (std::string_view(m_buffer.data(), m_size).starts_with(kByteOrderMark)) {
            m_pos = kByteOrderMark.size();
        }
    }
    return m_pos < m_size;
}

void PermanenceReader::startToken() {
    m_tokenStart = m_here;
    m_commaPending = false;
}

std::optional<PermanenceEntry> PermanenceReader::endToken() {
    if (m_token.empty()) {
        return std::nullopt;
    }
    PermanenceEntry entry{m_tokenStart, rouletteNumber(m_token), {}};
    if (!entry.number) {
        entry.badText = shortened(m_token);
    }
    m_token.clear();
    return entry;
}

}  // namespace quintaro::lab
