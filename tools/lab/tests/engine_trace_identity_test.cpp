// The lab and the driver's --trace run the same engine: on the same actions,
// the lab's fast path (a Session with a view that ignores everything, fed
// spin by spin) and the replay driver must leave bit-identical session
// records after every coup, and the books the lab reads off a coup must be
// the ones the trace record shows.

#include <gtest/gtest.h>

#include <string>

#include "tools/lab/lab_session.h"
#include "tools/lab/spin_generator.h"
#include "tools/replay/replay_driver.h"
#include "tools/replay/trace_record.h"

namespace quintaro::lab {
namespace {

struct IdentityCase {
    std::string name;
    SystemChoice systems;
    std::uint64_t seed;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const IdentityCase& c, std::ostream* os) {
    *os << c.name;
}

class EngineAndTrace : public ::testing::TestWithParam<IdentityCase> {};

// The action lines that tick the systems as `systems` says, from the
// program-start ticks (favourite on, the others off).
std::vector<std::string> tickingActions(const SystemChoice& systems) {
    return {systems.favourite ? "favourite on" : "favourite off",
            systems.twins ? "twins on" : "twins off", systems.third ? "third on" : "third off"};
}

TEST_P(EngineAndTrace, agreeBitForBitOnEveryCoup) {
    constexpr int kCoups = 5000;
    const IdentityCase& c = GetParam();
    LabSession lab(c.systems, 1000);
    replay::ReplayDriver driver;
    for (const std::string& action : tickingActions(c.systems)) {
        ASSERT_FALSE(driver.perform(action).error);
    }
    ASSERT_EQ(lab.session().state(), driver.session().state());

    SpinGenerator spins(c.seed, SpinPurpose::SimulatedSession, 0);
    std::int64_t stakeOnTheBoard = 0;
    for (int coup = 1; coup <= kCoups; ++coup) {
        const int number = spins.next();
        const std::string action = std::to_string(number);
        const CoupRecord record = lab.play(number);
        const auto result = driver.perform(action);
        const nlohmann::json trace = replay::traceRecord(action, result, driver);

        ASSERT_EQ(lab.session().state(), driver.session().state()) << "coup " << coup;
        ASSERT_EQ(trace["error"], nullptr);
        ASSERT_EQ(record.coup, trace["state"]["CoupZaehler"]);
        ASSERT_EQ(record.stake, stakeOnTheBoard) << "coup " << coup;
        ASSERT_EQ(record.win, trace["state"]["Gewinn"]) << "coup " << coup;
        ASSERT_EQ(record.balance, trace["state"]["Saldo"]) << "coup " << coup;
        ASSERT_EQ(std::to_string(record.balance), trace["view"]["SaldoNeu"]) << "coup " << coup;
        stakeOnTheBoard = trace["state"]["Einsatz"].get<std::int64_t>();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Systems, EngineAndTrace,
    ::testing::Values(IdentityCase{"favourite", SystemChoice{}, 1},
                      IdentityCase{"allThree", SystemChoice{true, true, true}, 2},
                      IdentityCase{"twinsAndThird", SystemChoice{false, true, true}, 3}),
    [](const ::testing::TestParamInfo<IdentityCase>& row) { return row.param.name; });

}  // namespace
}  // namespace quintaro::lab
