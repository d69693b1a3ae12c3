#include "tools/lab/simulation.h"

#include <algorithm>

#include "tools/lab/lab_session.h"
#include "tools/lab/parallel_for.h"
#include "tools/lab/session_outputs.h"
#include "tools/lab/session_tally.h"
#include "tools/lab/spin_generator.h"

namespace quintaro::lab {
namespace {

constexpr std::int64_t kProgressStep = 1 << 16;

BacktestFigures simulateSession(const SimulationSetup& setup, std::int64_t index,
                                std::int64_t length, const SessionOutputs& outputs,
                                ProgressIndicator& progress) {
    LabSession session(setup.systems, setup.anfangssaldo);
    SessionTally tally(setup.anfangssaldo);
    SpinGenerator spins(setup.seed, SpinPurpose::SimulatedSession,
                        static_cast<std::uint64_t>(index));
    for (std::int64_t coup = 1; coup <= length; ++coup) {
        const CoupRecord record = session.play(spins.next());
        tally.add(record);
        outputs.record(record, session);
        if (coup % kProgressStep == 0) {
            progress.advance(kProgressStep);
        }
    }
    progress.advance(length % kProgressStep);
    return tally.figures();
}

}  // namespace

std::vector<std::int64_t> sessionLengths(std::int64_t spins, std::int64_t sessions) {
    std::vector<std::int64_t> lengths(static_cast<std::size_t>(sessions), spins / sessions);
    for (std::int64_t k = 0; k < spins % sessions; ++k) {
        ++lengths[static_cast<std::size_t>(k)];
    }
    return lengths;
}

SimulationResult simulate(const SimulationSetup& setup, ProgressIndicator& progress) {
    SimulationResult result;
    result.sessionLengths = sessionLengths(setup.spins, setup.sessions);
    const std::int64_t traced = std::min(setup.tracedSessions, setup.sessions);
    result.traces.assign(static_cast<std::size_t>(traced), BalanceTrace(setup.anfangssaldo));

    const int threads = setup.csv != nullptr ? 1 : setup.threads;
    // One accumulator per worker; merging integers is exact in any order.
    std::vector<BacktestFigures> perWorker(static_cast<std::size_t>(std::max(threads, 1)));
    parallelFor(setup.sessions, threads, [&](int worker, std::int64_t index) {
        const auto k = static_cast<std::size_t>(index);
        const SessionOutputs outputs{setup.csv, index < traced ? &result.traces[k] : nullptr,
                                     index + 1};
        perWorker[static_cast<std::size_t>(worker)].merge(
            simulateSession(setup, index, result.sessionLengths[k], outputs, progress));
    });
    for (const BacktestFigures& figures : perWorker) {
        result.figures.merge(figures);
    }
    return result;
}

}  // namespace quintaro::lab
