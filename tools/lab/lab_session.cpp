#include "tools/lab/lab_session.h"

#include <array>
#include <string>
#include <string_view>

namespace quintaro::lab {
namespace {

// The texts a player types for the 37 numbers, made once, so that feeding a
// spin costs no formatting.
const std::array<std::string, 37>& numberTexts() {
    static const std::array<std::string, 37> texts = [] {
        std::array<std::string, 37> made;
        for (std::size_t n = 0; n < made.size(); ++n) {
            made[n] = std::to_string(n);
        }
        return made;
    }();
    return texts;
}

}  // namespace

LabSession::LabSession(const SystemChoice& systems, std::int32_t anfangssaldo) : m_session(m_view) {
    m_session.start(std::to_string(anfangssaldo));
    applySystemChoice(systems, m_session);
}

CoupRecord LabSession::play(int number) {
    const SessionState& state = m_session.state();
    const std::int32_t stake = state.Einsatz;
    m_session.confirm(numberTexts()[static_cast<std::size_t>(number)]);
    return CoupRecord{++m_coups, number, stake, state.Gewinn, state.Saldo};
}

}  // namespace quintaro::lab
