// The speed of the lab's paths: the engine as the lab drives it, a simulated
// session with its figures, parallel simulation, and reading permanences.
//
//   build/release/tools/lab/benchmarks/lab_benchmark

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/lab/lab_session.h"
#include "tools/lab/parallel_for.h"
#include "tools/lab/permanence_reader.h"
#include "tools/lab/session_tally.h"
#include "tools/lab/simulation.h"
#include "tools/lab/spin_generator.h"
#include "tools/lab/suspicious_record_check.h"

namespace quintaro::lab {
namespace {

constexpr SystemChoice kAllSystems{true, true, true};

std::vector<int> fairSpins(std::size_t count) {
    SpinGenerator spins(1, SpinPurpose::FairTable, 0);
    std::vector<int> numbers(count);
    for (int& n : numbers) {
        n = spins.next();
    }
    return numbers;
}

// The engine alone, all three systems ticked, with the view that ignores
// everything: one coup per iteration.
void engineAllSystemsSilentView(benchmark::State& state) {
    const std::vector<int> numbers = fairSpins(1 << 16);
    LabSession session(kAllSystems, 1000);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.play(numbers[i]));
        i = (i + 1) & (numbers.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(engineAllSystemsSilentView);

// What --simulate does per coup on one core: draw, play, tally.
void simulatedCoupWithFigures(benchmark::State& state) {
    LabSession session(kAllSystems, 1000);
    SessionTally tally(1000);
    SpinGenerator spins(1, SpinPurpose::SimulatedSession, 0);
    for (auto _ : state) {
        tally.add(session.play(spins.next()));
    }
    benchmark::DoNotOptimize(tally.figures());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(simulatedCoupWithFigures);

// simulate() over sessions of 100,000 spins on 1 and on all cores.
void parallelSimulation(benchmark::State& state) {
    SimulationSetup setup;
    setup.spins = 2'000'000;
    setup.sessions = 20;
    setup.systems = kAllSystems;
    setup.threads = static_cast<int>(state.range(0));
    std::ostringstream quiet;
    for (auto _ : state) {
        ProgressIndicator progress(quiet, "simulating", setup.spins, false);
        benchmark::DoNotOptimize(simulate(setup, progress));
    }
    state.SetItemsProcessed(state.iterations() * setup.spins);
}
BENCHMARK(parallelSimulation)
    ->Arg(1)
    ->Arg(availableThreads())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Reading and checking a permanence of a million numbers, without playing it.
void readingAndCheckingAPermanence(benchmark::State& state) {
    std::string text;
    for (const int n : fairSpins(1'000'000)) {
        text += std::to_string(n);
        text += ',';
    }
    for (auto _ : state) {
        std::istringstream in(text);
        PermanenceReader reader(in);
        SuspiciousRecordCheck check;
        MessageList warnings;
        while (const auto entry = reader.next()) {
            check.add(*entry->number, entry->at, warnings);
        }
        benchmark::DoNotOptimize(warnings.count());
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(readingAndCheckingAPermanence)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quintaro::lab

BENCHMARK_MAIN();
