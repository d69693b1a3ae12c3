#include "engine/display_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace quintaro {
namespace {

struct LabelCase {
    std::int32_t value;
    HistoryLabel label;
};

class HistoryLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(HistoryLabels, showTheValueInItsRouletteColourOrDashes) {
    const LabelCase& c = GetParam();
    EXPECT_EQ(historyLabel(c.value), c.label) << "value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, HistoryLabels,
    ::testing::Values(
        LabelCase{17, {"17", HistoryColour::Black}}, LabelCase{1, {"1", HistoryColour::Red}},
        LabelCase{36, {"36", HistoryColour::Red}}, LabelCase{35, {"35", HistoryColour::Black}},
        LabelCase{0, {"0", HistoryColour::BrightGreen}},
        LabelCase{37, {"--", HistoryColour::Black}}, LabelCase{99, {"--", HistoryColour::Black}},
        LabelCase{std::numeric_limits<std::int32_t>::max(), {"--", HistoryColour::Black}},
        LabelCase{-5, {"-5", HistoryColour::Black}}, LabelCase{-1, {"-1", HistoryColour::Black}},
        LabelCase{std::numeric_limits<std::int32_t>::min(),
                  {"-2147483648", HistoryColour::Black}}));

TEST(RedNumbers, areTheEighteenOfTheWheel) {
    std::string red;
    for (std::int32_t n = -1; n <= 37; ++n) {
        if (isRedNumber(n)) {
            red += std::to_string(n) + " ";
        }
    }
    EXPECT_EQ(red, "1 3 5 7 9 12 14 16 18 19 21 23 25 27 30 32 34 36 ");
}

struct SleeperCase {
    SleeperEntry entry;
    int number;
    const char* text;
};

class SleeperTexts : public ::testing::TestWithParam<SleeperCase> {};

TEST_P(SleeperTexts, showTheDesignTextUntilTheFirstBetThenTheEntry) {
    const SleeperCase& c = GetParam();
    EXPECT_EQ(sleeperText(c.entry, c.number), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SleeperTexts,
    ::testing::Values(SleeperCase{SleeperEntry::NotYetComputed, 0, "Label79"},
                      SleeperCase{SleeperEntry::NotYetComputed, 1, "Label83"},
                      SleeperCase{SleeperEntry::NotYetComputed, 15, "Label97"},
                      SleeperCase{SleeperEntry::NotYetComputed, 16, "Label100"},
                      SleeperCase{SleeperEntry::NotYetComputed, 36, "Label120"},
                      SleeperCase{SleeperEntry::Empty, 0, "--"},
                      SleeperCase{SleeperEntry::Sleeper, 36, "0"},
                      SleeperCase{SleeperEntry::Fallen, 15, "1"}));

}  // namespace
}  // namespace quintaro
