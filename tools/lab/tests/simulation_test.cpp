// Simulations and fair tables: the same result on any number of threads, and
// a return per unit staked that agrees with the house edge.

#include "tools/lab/simulation.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tools/lab/fair_tables.h"

namespace quintaro::lab {
namespace {

constexpr SystemChoice kAllSystems{true, true, true};

SimulationResult simulated(std::int64_t spins, std::int64_t sessions, int threads,
                           const SystemChoice& systems = kAllSystems) {
    std::ostringstream quiet;
    ProgressIndicator progress(quiet, "simulating", spins, false);
    SimulationSetup setup;
    setup.spins = spins;
    setup.sessions = sessions;
    setup.systems = systems;
    setup.seed = 11;
    setup.threads = threads;
    setup.tracedSessions = 2;
    return simulate(setup, progress);
}

TEST(SessionLengths, shareTheSpinsAsEvenlyAsTheyGo) {
    EXPECT_EQ(sessionLengths(10, 4), (std::vector<std::int64_t>{3, 3, 2, 2}));
    EXPECT_EQ(sessionLengths(100, 1), (std::vector<std::int64_t>{100}));
}

TEST(Simulation, givesTheSameResultOnAnyNumberOfThreads) {
    const SimulationResult one = simulated(60'000, 12, 1);
    for (const int threads : {2, 3, 5}) {
        const SimulationResult many = simulated(60'000, 12, threads);
        EXPECT_EQ(many.figures, one.figures) << threads << " threads";
        ASSERT_EQ(many.traces.size(), one.traces.size());
        for (std::size_t i = 0; i < one.traces.size(); ++i) {
            EXPECT_EQ(many.traces[i].spans().back().last, one.traces[i].spans().back().last);
        }
    }
    EXPECT_EQ(one.figures.sessions, 12);
    EXPECT_EQ(one.figures.spins, 60'000);
}

TEST(FairTables, giveTheSameNetsAndBandOnAnyNumberOfThreads) {
    std::ostringstream quiet;
    ProgressIndicator progress(quiet, "fair tables", 0, false);
    FairTableSetup setup{{300, 500}, kAllSystems, 1000, 3, 40, 1, true};
    const FairTableResults one = runFairTables(setup, progress);
    setup.threads = 3;
    const FairTableResults three = runFairTables(setup, progress);
    EXPECT_EQ(three.nets, one.nets);
    ASSERT_TRUE(one.band && three.band);
    EXPECT_EQ(three.band->low, one.band->low);
    EXPECT_EQ(three.band->high, one.band->high);
    EXPECT_EQ(one.band->coups.back(), 500);
}

// Whatever the systems do, every unit staked loses 1/37 on average, so the
// interval of a long simulation must hold -1/37 (this seed's does; a fault in
// the books, the generator or the interval would move it away).
TEST(Simulation, returnsMinusOneThirtySeventhPerUnitWithinItsInterval) {
    for (const SystemChoice& systems : {SystemChoice{}, kAllSystems}) {
        const BacktestFigures f = simulated(300'000, 4, 2, systems).figures;
        ASSERT_TRUE(f.returnInterval());
        EXPECT_TRUE(f.returnInterval()->contains(-kHouseEdge))
            << describe(systems) << ": " << f.returnInterval()->low << " to "
            << f.returnInterval()->high;
        // The interval is narrow enough to mean something.
        EXPECT_LT(f.returnInterval()->high - f.returnInterval()->low, 0.05);
    }
}

}  // namespace
}  // namespace quintaro::lab
