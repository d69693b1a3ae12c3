#pragma once

// One session of the engine as the lab plays it: the very Session the window
// uses, with a view that shows nothing, fed one spin per coup exactly as a
// player types it.
//
// A coup books the stake that stood on the board when the number fell (the
// `Einsatz` left by the coup before) and the win the engine judged; the
// balance is the engine's own "Saldo Neu:".

#include <cstdint>

#include "engine/session.h"
#include "engine/session_view.h"
#include "tools/lab/coup_record.h"
#include "tools/lab/system_choice.h"

namespace quintaro::lab {

class LabSession {
public:
    LabSession(const SystemChoice& systems, std::int32_t anfangssaldo);
    LabSession(const LabSession&) = delete;
    LabSession& operator=(const LabSession&) = delete;
    LabSession(LabSession&&) = delete;
    LabSession& operator=(LabSession&&) = delete;
    ~LabSession() = default;

    // One coup with `number` (0 to 36) typed and confirmed.
    CoupRecord play(int number);

    [[nodiscard]] const Session& session() const { return m_session; }

private:
    SilentView m_view;
    Session m_session;
    std::int64_t m_coups = 0;
};

}  // namespace quintaro::lab
