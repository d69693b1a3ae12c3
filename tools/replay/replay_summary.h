#pragma once

// What a replay without --trace prints at its end: how many coups were
// played, what they staked and won, and where the balance stands.

#include <cstdint>
#include <ostream>

#include "engine/session_state.h"
#include "tools/replay/replay_driver.h"

namespace quintaro::replay {

class ReplaySummary {
public:
    // Takes in the state after one performed action and what it reported.
    void observe(const SessionState& s, const ReplayDriver::Result& result);

    // The summary of everything observed, ending at state `s`.
    void write(std::ostream& out, const SessionState& s) const;

    [[nodiscard]] std::int64_t failedEntries() const { return m_failedEntries; }
    [[nodiscard]] std::int64_t hits() const { return m_hits; }
    [[nodiscard]] std::int64_t unitsStaked() const { return m_unitsStaked; }
    [[nodiscard]] std::int64_t unitsWon() const { return m_unitsWon; }

private:
    std::int64_t m_coups = 0;
    std::int64_t m_gesamteinsatz = 0;
    std::int64_t m_failedEntries = 0;
    std::int64_t m_hits = 0;
    std::int64_t m_unitsStaked = 0;
    std::int64_t m_unitsWon = 0;
};

}  // namespace quintaro::replay
