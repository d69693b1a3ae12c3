#include "engine/integer_conversion.h"

#include <gtest/gtest.h>

#include <optional>

namespace quintaro {
namespace {

struct ConversionCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

class IntegerConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(IntegerConversion, acceptsOrRejectsAsTheSyntaxSays) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(convertInteger(c.text), c.expected) << "text: '" << c.text << "'";
}

constexpr std::optional<std::int32_t> kRejected = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Syntax, IntegerConversion,
    ::testing::Values(
        // Plain decimals, signs and leading spaces.
        ConversionCase{"00", 0}, ConversionCase{"17", 17}, ConversionCase{" 17", 17},
        ConversionCase{"   -5", -5}, ConversionCase{"+5", 5}, ConversionCase{"-0", 0},
        ConversionCase{"0000000000000000000036", 36},
        // Range of the decimal form.
        ConversionCase{"2147483647", 2147483647}, ConversionCase{"-2147483648", INT32_MIN},
        ConversionCase{"2147483648", kRejected}, ConversionCase{"+2147483648", kRejected},
        ConversionCase{"-2147483649", kRejected},
        ConversionCase{"99999999999999999999999", kRejected},
        // Every hexadecimal prefix, both cases of digits.
        ConversionCase{"$10", 16}, ConversionCase{"x1f", 31}, ConversionCase{"X1F", 31},
        ConversionCase{"0x24", 36}, ConversionCase{"0XaB", 171}, ConversionCase{" -$A", -10},
        // Hexadecimal values are 32-bit patterns; a sign negates the pattern.
        ConversionCase{"$FFFFFFFF", -1}, ConversionCase{"$80000000", INT32_MIN},
        ConversionCase{"$000000000001", 1}, ConversionCase{"$100000000", kRejected},
        ConversionCase{"-$1", -1}, ConversionCase{"-$FFFFFFFF", 1},
        ConversionCase{"-$80000000", INT32_MIN}, ConversionCase{"+$7FFFFFFF", INT32_MAX},
        // What fails: empty, lone signs and prefixes, trailing text, tabs, junk.
        ConversionCase{"", kRejected}, ConversionCase{"   ", kRejected},
        ConversionCase{"-", kRejected}, ConversionCase{"+-1", kRejected},
        ConversionCase{"$", kRejected}, ConversionCase{"0x", kRejected},
        ConversionCase{"17 ", kRejected}, ConversionCase{"\t17", kRejected},
        ConversionCase{"1.5", kRejected}, ConversionCase{"a", kRejected},
        ConversionCase{"$G", kRejected}, ConversionCase{"00x1", kRejected},
        ConversionCase{"0$1", kRejected}, ConversionCase{"- 1", kRejected},
        ConversionCase{"\xd9\xa1", kRejected} /* ARABIC-INDIC DIGIT ONE */));

TEST(ConversionErrorMessage, namesTheTextBetweenApostrophes) {
    EXPECT_EQ(conversionErrorMessage("abc"), "'abc' ist kein gültiger Integerwert");
    EXPECT_EQ(conversionErrorMessage(""), "'' ist kein gültiger Integerwert");
}

}  // namespace
}  // namespace quintaro
