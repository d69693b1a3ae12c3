#pragma once

// The --trace output: after session start and after every action that is not
// skipped, one JSON object with the action, the error box text (or null), the
// whole session state and every display text of the window.

#include <string_view>

#include <nlohmann/json.hpp>

#include "tools/replay/replay_driver.h"

namespace quintaro::replay {

// The action of the record written right after session start.
inline constexpr std::string_view kStartAction = "start";

[[nodiscard]] nlohmann::json traceRecord(std::string_view action,
                                         const ReplayDriver::Result& result,
                                         const ReplayDriver& driver);

}  // namespace quintaro::replay
