#include "tools/lab/suspicious_record_check.h"

#include <gtest/gtest.h>

#include <vector>

#include "tools/lab/spin_generator.h"

namespace quintaro::lab {
namespace {

// Feeds the numbers as one line, value i at column i + 1.
std::vector<std::string> warningsFor(const std::vector<int>& numbers) {
    SuspiciousRecordCheck check;
    MessageList warnings;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        check.add(numbers[i], SourcePosition{1, static_cast<std::int64_t>(i) + 1}, warnings);
    }
    check.finish(warnings);
    return warnings.kept();
}

// 0, 1, ..., count-1 (mod 37): no run, no repeat within 37 values.
std::vector<int> distinct(int count, int first = 0) {
    std::vector<int> numbers;
    numbers.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        numbers.push_back((first + i) % 37);
    }
    return numbers;
}

std::vector<int> joined(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(SuspiciousRecordCheck, warnsFromSevenIdenticalNumbersAChanceBelowOneInABillion) {
    EXPECT_EQ(SuspiciousRecordCheck::shortestSuspiciousRun(), 7);
    EXPECT_TRUE(warningsFor(joined({3, 17, 17, 17, 17, 17, 17}, {4})).empty());
    EXPECT_EQ(warningsFor(joined({3, 17, 17, 17, 17, 17, 17, 17}, {4})),
              std::vector<std::string>{"line 1, column 2: 17 falls 7 times in a row; the chance of "
                                       "that on a fair wheel is below 1 in 10^9"});
}

TEST(SuspiciousRecordCheck, warnsAboutARunThatEndsTheRecord) {
    EXPECT_EQ(warningsFor(std::vector<int>(9, 0)),
              std::vector<std::string>{"line 1, column 1: 0 falls 9 times in a row; the chance of "
                                       "that on a fair wheel is below 1 in 10^12"});
}

TEST(SuspiciousRecordCheck, warnsWhenABlockOfTwelveRepeatsTheBlockBeforeIt) {
    const std::vector<int> block = distinct(12, 5);
    EXPECT_EQ(warningsFor(joined(joined({1, 2}, block), block)),
              std::vector<std::string>{"line 1, column 26: the 12 numbers up to here repeat the 12 "
                                       "numbers right before them"});
}

TEST(SuspiciousRecordCheck, letsShorterOrSeparatedRepeatsPass) {
    const std::vector<int> eleven = distinct(11, 5);
    EXPECT_TRUE(warningsFor(joined(eleven, eleven)).empty());
    const std::vector<int> twelve = distinct(12, 5);
    EXPECT_TRUE(warningsFor(joined(joined(twelve, {36}), twelve)).empty());
}

TEST(SuspiciousRecordCheck, findsLongBlocksPastedTwiceOnce) {
    // 200 random spins (no run of seven, no repeated block), then the same 200 again.
    SpinGenerator spins(5, SpinPurpose::SimulatedSession, 0);
    std::vector<int> block(200);
    for (int& n : block) {
        n = spins.next();
    }
    ASSERT_TRUE(warningsFor(block).empty());
    const auto warnings = warningsFor(joined(block, block));
    ASSERT_EQ(warnings.size(), 1U);
    EXPECT_EQ(warnings.front(),
              "line 1, column 400: the 200 numbers up to here repeat the 200 numbers right before "
              "them");
}

TEST(SuspiciousRecordCheck, reportsAPatternOnceNotAtEveryLag) {
    // Period three for 60 values: blocks of 12, 15, 18 ... all repeat.
    std::vector<int> pattern(60);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        pattern[i] = static_cast<int>(i % 3) + 10;
    }
    EXPECT_EQ(warningsFor(pattern).size(), 1U);
}

}  // namespace
}  // namespace quintaro::lab
