#pragma once

// Messages about an input, of which only the first few are kept, so that a
// broken file of any length costs bounded memory; the count goes on.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quintaro::lab {

class MessageList {
public:
    static constexpr std::size_t kKept = 20;

    void add(std::string message) {
        if (m_kept.size() < kKept) {
            m_kept.push_back(std::move(message));
        }
        ++m_count;
    }
    [[nodiscard]] const std::vector<std::string>& kept() const { return m_kept; }
    [[nodiscard]] std::int64_t count() const { return m_count; }
    [[nodiscard]] std::int64_t notKept() const {
        return m_count - static_cast<std::int64_t>(m_kept.size());
    }

private:
    std::vector<std::string> m_kept;
    std::int64_t m_count = 0;
};

}  // namespace quintaro::lab
