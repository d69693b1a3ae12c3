#include "tools/replay/utf8_cleaning.h"

#include <gtest/gtest.h>

namespace quintaro::replay {
namespace {

struct CleaningCase {
    std::string_view name;
    std::string_view bytes;
    std::string_view expected;
};

void PrintTo(const CleaningCase& c, std::ostream* os) {
    *os << c.name;
}

class CleanUtf8 : public ::testing::TestWithParam<CleaningCase> {};

TEST_P(CleanUtf8, replacesEveryInvalidByte) {
    EXPECT_EQ(cleanUtf8(GetParam().bytes), GetParam().expected);
}

#define FFFD "\xEF\xBF\xBD"

INSTANTIATE_TEST_SUITE_P(
    WellFormed, CleanUtf8,
    ::testing::Values(CleaningCase{"empty", "", ""}, CleaningCase{"ascii", "enter 17", "enter 17"},
                      CleaningCase{"nul byte", std::string_view("a\0b", 3),
                                   std::string_view("a\0b", 3)},
                      CleaningCase{"two bytes", "g\xC3\xBCltig", "g\xC3\xBCltig"},
                      CleaningCase{"three bytes", "\xE2\x82\xAC", "\xE2\x82\xAC"},
                      CleaningCase{"four bytes", "\xF0\x9F\x8E\xB0", "\xF0\x9F\x8E\xB0"},
                      CleaningCase{"last code point", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
                      CleaningCase{"replacement character", FFFD, FFFD}));

INSTANTIATE_TEST_SUITE_P(
    Malformed, CleanUtf8,
    ::testing::Values(CleaningCase{"stray continuation",
                                   "1\x80"
                                   "7",
                                   "1" FFFD "7"},
                      CleaningCase{"latin-1 byte", "\xFC", FFFD},
                      CleaningCase{"byte FF", "\xFF\xFE", FFFD FFFD},
                      CleaningCase{"truncated at end", "5\xE2\x82", "5" FFFD FFFD},
                      CleaningCase{"truncated by ascii",
                                   "\xE2\x82"
                                   "5",
                                   FFFD FFFD "5"},
                      CleaningCase{"overlong slash", "\xC0\xAF", FFFD FFFD},
                      CleaningCase{"overlong three bytes", "\xE0\x80\xAF", FFFD FFFD FFFD},
                      CleaningCase{"overlong four bytes", "\xF0\x80\x80\xAF", FFFD FFFD FFFD FFFD},
                      CleaningCase{"surrogate", "\xED\xA0\x80", FFFD FFFD FFFD},
                      CleaningCase{"above U+10FFFF", "\xF4\x90\x80\x80", FFFD FFFD FFFD FFFD},
                      CleaningCase{"lead byte F5", "\xF5\x80\x80\x80", FFFD FFFD FFFD FFFD},
                      // A valid sequence right after a broken one is kept.
                      CleaningCase{"valid after broken", "\xC3\xC3\xBC", FFFD "\xC3\xBC"}));

#undef FFFD

}  // namespace
}  // namespace quintaro::replay
