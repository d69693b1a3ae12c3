#pragma once

// The plot of the balance over the coups, with the band that fair tables of
// the same length span (5th to 95th percentile) behind it, drawn with Qt's
// painting classes into a PNG or an SVG file, chosen by the file's suffix.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/lab/balance_trace.h"
#include "tools/lab/fair_tables.h"

namespace quintaro::lab {

struct BalancePlot {
    std::string title;
    std::vector<std::string> traceLabels;  // one per trace
    std::vector<BalanceTrace> traces;
    std::optional<BalanceBand> band;
    std::int64_t fairTables = 0;
    std::int64_t initialBalance = 1000;
};

// Writes `path` (.png or .svg); on failure returns the reason.
[[nodiscard]] std::optional<std::string> saveBalancePlot(const BalancePlot& plot,
                                                         const std::string& path);

// Whether `path` names a file type the plot can be written as.
[[nodiscard]] bool isPlotFileName(const std::string& path);

}  // namespace quintaro::lab
