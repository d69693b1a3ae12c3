#pragma once

// A backtest of one permanence file: every value is read and checked, and
// the good ones are played through the engine as one session.
//
// A file with bad values is refused unless the user asked to skip them: its
// figures are then worthless, but reading goes on to the end so that every
// bad value is reported at once. Suspicious records are warned about and
// still played. Memory stays bounded whatever the file's length.

#include <cstdint>
#include <istream>

#include "tools/lab/backtest_figures.h"
#include "tools/lab/message_list.h"
#include "tools/lab/progress_indicator.h"
#include "tools/lab/session_outputs.h"
#include "tools/lab/system_choice.h"

namespace quintaro::lab {

struct PermanenceSetup {
    SystemChoice systems;
    std::int32_t anfangssaldo = 1000;
    bool skipBadValues = false;
};

struct PermanenceBacktest {
    BacktestFigures figures;
    MessageList badValues;
    MessageList warnings;

    // Refused: bad values found and not to be skipped.
    [[nodiscard]] bool refused(const PermanenceSetup& setup) const {
        return badValues.count() > 0 && !setup.skipBadValues;
    }
};

// Reads `in` to its end; `progress` follows the bytes read.
[[nodiscard]] PermanenceBacktest backtestPermanence(std::istream& in, const PermanenceSetup& setup,
                                                    const SessionOutputs& outputs,
                                                    ProgressIndicator& progress);

}  // namespace quintaro::lab
