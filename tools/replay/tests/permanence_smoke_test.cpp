// A real permanence through the driver with all three systems ticked: the
// books the engine keeps must match the board the window showed before
// every spin, and the displays must match the state.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/replay/replay_driver.h"

namespace quintaro::replay {
namespace {

// The spins of a permanence file: numbers separated by commas and line ends.
std::vector<std::string> spinsOf(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::vector<std::string> spins;
    for (std::string line; std::getline(file, line);) {
        std::istringstream numbers(line);
        for (std::string spin; std::getline(numbers, spin, ',');) {
            if (!spin.empty()) {
                spins.push_back(spin);
            }
        }
    }
    return spins;
}

std::int64_t visibleCount(const DisplaySnapshot& display) {
    return static_cast<std::int64_t>(display.boardVisible.count());
}

TEST(PermanenceSmoke, booksMatchTheBoardShownBeforeEverySpin) {
    const std::filesystem::path path =
        std::filesystem::path(QUINTARO_PERMANENCE_DIR) / "bitcasino-1.txt";
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << "no permanence at " << path;
    }
    const std::vector<std::string> spins = spinsOf(path);
    ASSERT_GT(spins.size(), 1000U);

    ReplayDriver driver;
    for (const char* line : {"twins on", "third on"}) {
        driver.perform(line);
    }
    std::int64_t staked = 0;
    std::int64_t won = 0;
    for (const std::string& spin : spins) {
        const DisplaySnapshot before = driver.display();
        ASSERT_FALSE(driver.perform(spin).error) << spin;
        staked += visibleCount(before);
        if (before.boardVisible.test(numberIndex(std::stoi(spin)))) {
            won += 36;
        }
    }

    const SessionState& s = driver.session().state();
    const DisplaySnapshot& display = driver.display();
    EXPECT_EQ(s.CoupZaehler, static_cast<std::int64_t>(spins.size()));
    EXPECT_EQ(s.Gesamteinsatz, staked - won);
    EXPECT_EQ(s.Saldo, s.Anfangssaldo - s.Gesamteinsatz);
    EXPECT_EQ(display.saldoNeu, std::to_string(s.Saldo));
    EXPECT_EQ(display.coup, std::to_string(spins.size()));
    EXPECT_EQ(display.permanenzspalte[0].text, spins.back());
    EXPECT_EQ(display.einsatzCoup, std::to_string(visibleCount(display)));
    // From coup 51 on the sleeper column shows the computed entries.
    EXPECT_NE(display.restantenspalte[0].rfind("Label", 0), 0U);
}

}  // namespace
}  // namespace quintaro::replay
