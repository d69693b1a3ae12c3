#pragma once

// Where the coups of one session go besides its figures: the CSV and the
// balance trace of the plot, each only when asked for.

#include <cstdint>

#include "tools/lab/balance_trace.h"
#include "tools/lab/coup_csv_writer.h"
#include "tools/lab/coup_record.h"
#include "tools/lab/lab_session.h"

namespace quintaro::lab {

struct SessionOutputs {
    CoupCsvWriter* csv = nullptr;
    BalanceTrace* trace = nullptr;
    std::int64_t sessionNumber = 1;

    void record(const CoupRecord& coup, const LabSession& session) const {
        if (csv != nullptr) {
            csv->write(sessionNumber, coup, session.session().state().Tableau);
        }
        if (trace != nullptr) {
            trace->add(coup.coup, coup.balance);
        }
    }
};

}  // namespace quintaro::lab
