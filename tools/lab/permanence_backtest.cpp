#include "tools/lab/permanence_backtest.h"

#include "tools/lab/lab_session.h"
#include "tools/lab/permanence_reader.h"
#include "tools/lab/session_tally.h"
#include "tools/lab/suspicious_record_check.h"

namespace quintaro::lab {
namespace {

constexpr std::int64_t kProgressStep = 1 << 14;

}  // namespace

PermanenceBacktest backtestPermanence(std::istream& in, const PermanenceSetup& setup,
                                      const SessionOutputs& outputs, ProgressIndicator& progress) {
    PermanenceBacktest result;
    PermanenceReader reader(in);
    SuspiciousRecordCheck check;
    LabSession session(setup.systems, setup.anfangssaldo);
    SessionTally tally(setup.anfangssaldo);
    std::int64_t values = 0;
    while (const auto entry = reader.next()) {
        if (++values % kProgressStep == 0) {
            progress.setDone(reader.bytesRead());
        }
        if (!entry->number) {
            result.badValues.add(describeBadValue(*entry));
            continue;
        }
        check.add(*entry->number, entry->at, result.warnings);
        if (result.refused(setup)) {
            continue;
        }
        const CoupRecord record = session.play(*entry->number);
        tally.add(record);
        outputs.record(record, session);
    }
    check.finish(result.warnings);
    result.figures = tally.figures();
    return result;
}

}  // namespace quintaro::lab
