#pragma once

// The headless driver: one session and a recording view, worked by action
// lines exactly as a player works the window.
//
// Construction is program start: every field and every display takes its
// program-start value, then session start runs, as when the window first
// gets the focus. perform() then takes one line at a time (action.h): typing
// into the input box and pressing OK runs the coup pipeline with the box's
// text; Reset, the initial-balance dialog and the three check boxes go to the
// session's other ways in. A text that is no integer is reported as the
// window's error box would show it, and the session carries on.

#include <optional>
#include <string>
#include <string_view>

#include "engine/outcome.h"
#include "engine/session.h"
#include "tools/replay/action.h"
#include "tools/replay/display_snapshot.h"
#include "tools/replay/recording_view.h"

namespace quintaro::replay {

class ReplayDriver {
public:
    ReplayDriver();
    // The session holds a reference to the view beside it.
    ReplayDriver(const ReplayDriver&) = delete;
    ReplayDriver& operator=(const ReplayDriver&) = delete;
    ReplayDriver(ReplayDriver&&) = delete;
    ReplayDriver& operator=(ReplayDriver&&) = delete;
    ~ReplayDriver() = default;

    struct Result {
        bool skipped = false;              // empty line or '#' comment: nothing done, no record
        std::optional<std::string> error;  // the error box text, full stop included
    };

    // Performs one action line, given without its line end.
    Result perform(std::string_view line);

    [[nodiscard]] const Session& session() const { return m_session; }
    [[nodiscard]] const DisplaySnapshot& display() const { return m_view.display(); }

private:
    static Result apply(SkipLine action);
    Result apply(PressOk action);
    Result apply(EnterText action);
    Result apply(PressReset action);
    Result apply(ConfirmAnfangssaldo action);
    Result apply(TickSystem action);

    RecordingView m_view;
    Session m_session{m_view};
};

}  // namespace quintaro::replay
