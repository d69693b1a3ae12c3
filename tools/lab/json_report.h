#pragma once

// The report as a program reads it (--json). Ratios that do not exist (no
// unit staked, no fair table played) are null.

#include <nlohmann/json.hpp>

#include "tools/lab/lab_report.h"

namespace quintaro::lab {

[[nodiscard]] nlohmann::ordered_json reportJson(const LabReport& report);

}  // namespace quintaro::lab
