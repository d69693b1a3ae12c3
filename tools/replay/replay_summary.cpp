#include "tools/replay/replay_summary.h"

namespace quintaro::replay {

void ReplaySummary::observe(const SessionState& s, const ReplayDriver::Result& result) {
    // Every press of OK counts a coup; Reset, the dialog and the check boxes do not.
    if (s.CoupZaehler == m_coups) {
        return;
    }
    m_coups = s.CoupZaehler;
    if (result.error) {
        ++m_failedEntries;
        return;
    }
    // A complete coup adds its stake minus its win to the running total, so
    // the stake it booked is the total's growth plus the win.
    m_unitsWon += s.Gewinn;
    m_unitsStaked += s.Gesamteinsatz - m_gesamteinsatz + s.Gewinn;
    m_gesamteinsatz = s.Gesamteinsatz;
    if (s.Gewinn > 0) {
        ++m_hits;
    }
}

void ReplaySummary::write(std::ostream& out, const SessionState& s) const {
    out << "Coups:         " << s.CoupZaehler << " (failed entries: " << m_failedEntries << ")\n"
        << "Units staked:  " << m_unitsStaked << '\n'
        << "Units won:     " << m_unitsWon << " (hits: " << m_hits << ")\n"
        << "Net loss:      " << s.Gesamteinsatz << '\n'
        << "Balance:       " << s.Saldo << " (initial balance: " << s.Anfangssaldo << ")\n";
}

}  // namespace quintaro::replay
