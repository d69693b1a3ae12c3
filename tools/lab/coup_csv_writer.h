#pragma once

// The per-coup CSV: one line per coup with the session, the coup, the
// number, the stake and win booked on it, the balance after it and the
// numbers on the board after it (the bets of the next coup), separated by
// spaces inside their field.

#include <cstdint>
#include <ostream>

#include "engine/session_state.h"
#include "tools/lab/coup_record.h"

namespace quintaro::lab {

class CoupCsvWriter {
public:
    // Writes the header line.
    explicit CoupCsvWriter(std::ostream& out);

    void write(std::int64_t session, const CoupRecord& coup, const TableauFlags& board);

private:
    std::ostream& m_out;
};

}  // namespace quintaro::lab
