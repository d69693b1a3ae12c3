// The engine's cost per coup: a session with all three betting systems ticked
// replays a fixed pseudo-random permanence into a view that ignores
// everything, so the figure is the engine's work alone.

#include <benchmark/benchmark.h>

#include <cstddef>

#include "engine/session.h"
#include "engine/tests/random_permanence.h"

namespace quintaro {
namespace {

// A power of two, so the replay wraps round with a mask; long enough that
// the sleeper window and the twin window see many different histories.
constexpr std::size_t kSpins = std::size_t{1} << 16U;
constexpr std::uint64_t kSeed = 20240611;

void coupWithAllSystems(benchmark::State& state) {
    const auto permanence = testing::randomPermanence(kSpins, kSeed);
    SilentView view;
    Session session(view);
    session.start();
    session.setSystem(BettingSystem::Favourite, true);
    session.setSystem(BettingSystem::Twins, true);
    session.setSystem(BettingSystem::LawOfTheThird, true);

    std::size_t next = 0;
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(session.confirm(permanence[next]));
        next = (next + 1) & (kSpins - 1);
    }
    benchmark::DoNotOptimize(session.state().Saldo);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = coups");
}
BENCHMARK(coupWithAllSystems);

}  // namespace
}  // namespace quintaro

BENCHMARK_MAIN();
