#include "tools/lab/permanence_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quintaro::lab {
namespace {

struct ReadResult {
    std::vector<int> numbers;
    std::vector<std::string> badValues;
};

ReadResult readAll(const std::string& text) {
    std::istringstream in(text);
    PermanenceReader reader(in);
    ReadResult result;
    while (const auto entry = reader.next()) {
        if (entry->number) {
            result.numbers.push_back(*entry->number);
        } else {
            result.badValues.push_back(describeBadValue(*entry));
        }
    }
    return result;
}

struct ReaderCase {
    std::string name;
    std::string text;
    std::vector<int> numbers;
    std::vector<std::string> badValues;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ReaderCase& c, std::ostream* os) {
    *os << c.name;
}

class PermanenceReading : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(PermanenceReading, readsNumbersAndReportsBadValuesWhereTheyStand) {
    const ReaderCase& c = GetParam();
    const ReadResult result = readAll(c.text);
    EXPECT_EQ(result.numbers, c.numbers);
    EXPECT_EQ(result.badValues, c.badValues);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PermanenceReading,
    ::testing::Values(
        ReaderCase{"separators", "1,2 3\t4\n5\r\n6", {1, 2, 3, 4, 5, 6}, {}},
        ReaderCase{"commentsAndBlankLines", "# table 7\n\n0, 36 # end\n#12\n", {0, 36}, {}},
        ReaderCase{"commaAtLineEnds", "1,2,\n,3,", {1, 2, 3}, {}},
        ReaderCase{"byteOrderMark",
                   "\xEF\xBB\xBF"
                   "17,4",
                   {17, 4},
                   {}},
        ReaderCase{"outOfRange",
                   "1,37\n -1,2",
                   {1, 2},
                   {"line 1, column 3: '37' is not a number from 0 to 36",
                    "line 2, column 2: '-1' is not a number from 0 to 36"}},
        ReaderCase{"doubleZeroAndLeadingZeros",
                   "00,07,0",
                   {0},
                   {"line 1, column 1: '00' is not a number from 0 to 36",
                    "line 1, column 4: '07' is not a number from 0 to 36"}},
        ReaderCase{"words",
                   "12, seven,3x",
                   {12},
                   {"line 1, column 5: 'seven' is not a number from 0 to 36",
                    "line 1, column 11: '3x' is not a number from 0 to 36"}},
        ReaderCase{"emptyValueBetweenCommas",
                   "4,,5, ,6",
                   {4, 5, 6},
                   {"line 1, column 3: empty value between two commas",
                    "line 1, column 7: empty value between two commas"}},
        ReaderCase{"columnsCountCharacters",
                   "# \xC3\xA4\n\xC3\xA4\xC3\xB6 40",
                   {},
                   {"line 2, column 1: '\xC3\xA4\xC3\xB6' is not a number from 0 to 36",
                    "line 2, column 4: '40' is not a number from 0 to 36"}},
        ReaderCase{"longValueShortened",
                   "123456789012345678901234567890",
                   {},
                   {"line 1, column 1: '12345678901234567890...' is not a number from 0 to 36"}}),
    [](const ::testing::TestParamInfo<ReaderCase>& rowInfo) { return rowInfo.param.name; });

TEST(PermanenceReader, readsValuesAcrossItsBufferBoundary) {
    std::string text;
    std::vector<int> expected;
    // Enough values that some straddle the end of the read buffer.
    for (int i = 0; i < 40000; ++i) {
        text += std::to_string(i % 37) + (i % 10 == 9 ? "\n" : ",");
        expected.push_back(i % 37);
    }
    const ReadResult result = readAll(text);
    EXPECT_TRUE(result.badValues.empty());
    EXPECT_EQ(result.numbers, expected);
}

}  // namespace
}  // namespace quintaro::lab
