#include "tools/lab/coup_csv_writer.h"

#include <array>
#include <charconv>

namespace quintaro::lab {
namespace {

// Longest line: six 20-character integers and 37 two-digit numbers with separators.
constexpr std::size_t kLongestLine = 6 * 21 + 37 * 3 + 2;

char* append(char* at, char* end, std::int64_t value) {
    return std::to_chars(at, end, value).ptr;
}

}  // namespace

CoupCsvWriter::CoupCsvWriter(std::ostream& out) : m_out(out) {
    m_out << "session,coup,number,stake,win,balance,board\n";
}

void CoupCsvWriter::write(std::int64_t session, const CoupRecord& coup, const TableauFlags& board) {
    std::array<char, kLongestLine> line{};
    char* const end = line.data() + line.size();
    char* at = line.data();
    for (const std::int64_t value :
         {session, coup.coup, std::int64_t{coup.number}, std::int64_t{coup.stake},
          std::int64_t{coup.win}, coup.balance}) {
        at = append(at, end, value);
        *at++ = ',';
    }
    bool first = true;
    for (std::size_t n = 0; n < board.size(); ++n) {
        if (board[n]) {
            if (!first) {
                *at++ = ' ';
            }
            at = append(at, end, static_cast<std::int64_t>(n));
            first = false;
        }
    }
    *at++ = '\n';
    m_out.write(line.data(), at - line.data());
}

}  // namespace quintaro::lab
