#include "tools/replay/command_line.h"

#include <vector>

#include <gtest/gtest.h>

namespace quintaro::replay {
namespace {

struct CommandLineCase {
    std::vector<std::string_view> args;
    CommandLine expected;
};

void PrintTo(const CommandLineCase& c, std::ostream* os) {
    for (const std::string_view arg : c.args) {
        *os << '[' << arg << ']';
    }
}

class ParseCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(ParseCommandLine, readsTraceFileAndHelp) {
    EXPECT_EQ(parseCommandLine(GetParam().args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, ParseCommandLine,
    ::testing::Values(CommandLineCase{{}, ReplayOptions{false, "-"}},
                      CommandLineCase{{"--trace"}, ReplayOptions{true, "-"}},
                      CommandLineCase{{"spins.txt"}, ReplayOptions{false, "spins.txt"}},
                      CommandLineCase{{"--trace", "spins.txt"}, ReplayOptions{true, "spins.txt"}},
                      CommandLineCase{{"spins.txt", "--trace"}, ReplayOptions{true, "spins.txt"}},
                      CommandLineCase{{"-"}, ReplayOptions{false, "-"}},
                      CommandLineCase{{"--trace", "-"}, ReplayOptions{true, "-"}},
                      CommandLineCase{{"--", "-odd.txt"}, ReplayOptions{false, "-odd.txt"}},
                      CommandLineCase{{"--", "--trace"}, ReplayOptions{false, "--trace"}},
                      CommandLineCase{{"--help"}, ShowHelp{}}, CommandLineCase{{"-h"}, ShowHelp{}},
                      CommandLineCase{{"--trace", "--help"}, ShowHelp{}}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ParseCommandLine,
    ::testing::Values(
        CommandLineCase{{"--tracer"}, UsageError{"unknown option '--tracer'"}},
        CommandLineCase{{"-t"}, UsageError{"unknown option '-t'"}},
        CommandLineCase{{"--bogus", "--help"}, UsageError{"unknown option '--bogus'"}},
        CommandLineCase{{"a.txt", "b.txt"}, UsageError{"more than one FILE: 'a.txt' and 'b.txt'"}},
        CommandLineCase{{"-", "b.txt"}, UsageError{"more than one FILE: '-' and 'b.txt'"}}));

}  // namespace
}  // namespace quintaro::replay
