#include "tools/lab/spin_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace quintaro::lab {
namespace {

struct StreamCase {
    std::uint64_t seed;
    SpinPurpose purpose;
    std::uint64_t index;
    std::vector<int> firstSpins;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const StreamCase& c, std::ostream* os) {
    *os << "seed " << c.seed << " stream " << c.index;
}

class SpinGeneratorStreams : public ::testing::TestWithParam<StreamCase> {};

// The expected spins were computed by an independent implementation of the
// same arithmetic; any platform or standard library must give exactly these.
TEST_P(SpinGeneratorStreams, givesTheSameSpinsOnEveryPlatform) {
    const StreamCase& c = GetParam();
    SpinGenerator spins(c.seed, c.purpose, c.index);
    std::vector<int> drawn;
    for (std::size_t i = 0; i < c.firstSpins.size(); ++i) {
        drawn.push_back(spins.next());
    }
    EXPECT_EQ(drawn, c.firstSpins);
}

INSTANTIATE_TEST_SUITE_P(
    KnownStreams, SpinGeneratorStreams,
    ::testing::Values(
        StreamCase{
            1, SpinPurpose::SimulatedSession, 0, {34, 35, 35, 30, 5, 17, 30, 32, 33, 3, 32, 16}},
        StreamCase{1, SpinPurpose::FairTable, 0, {35, 17, 9, 12, 7, 26, 17, 5, 36, 23, 31, 4}},
        StreamCase{
            42, SpinPurpose::SimulatedSession, 7, {28, 9, 9, 21, 32, 14, 11, 20, 0, 7, 33, 31}}));

TEST(SpinGenerator, drawsEveryNumberEquallyOften) {
    constexpr int kDraws = 37 * 20000;
    SpinGenerator spins(7, SpinPurpose::SimulatedSession, 3);
    std::array<int, 37> counts{};
    for (int i = 0; i < kDraws; ++i) {
        const int n = spins.next();
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 36);
        ++counts[static_cast<std::size_t>(n)];
    }
    double chiSquare = 0.0;
    for (const int count : counts) {
        const double expected = kDraws / 37.0;
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    // 36 degrees of freedom: above 67 happens by chance once in a thousand.
    EXPECT_LT(chiSquare, 67.0);
}

}  // namespace
}  // namespace quintaro::lab
