#pragma once

// Everything a lab report says: what was run, its figures and the chance view.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/lab/backtest_figures.h"
#include "tools/lab/system_choice.h"

namespace quintaro::lab {

enum class LabRunKind { Backtest, Simulation };

struct ChanceView {
    std::int64_t fairTables = 0;  // 0 when none were played
    std::optional<double> percentile;
    std::string whyNoFairTables;  // said when fairTables is 0
};

struct LabReport {
    LabRunKind kind = LabRunKind::Backtest;
    std::vector<std::string> sources;  // the files of a backtest
    SystemChoice systems;
    std::int32_t initialBalance = 1000;
    std::uint64_t seed = 1;
    std::int64_t skippedValues = 0;
    BacktestFigures figures;
    ChanceView chance;
};

}  // namespace quintaro::lab
