#pragma once

// The command line of quintaro-replay: [--trace] [FILE], or --help.

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace quintaro::replay {

// Reading standard input: FILE absent or "-".
inline constexpr std::string_view kStandardInput = "-";

struct ReplayOptions {
    bool trace = false;
    std::string file{kStandardInput};
    bool operator==(const ReplayOptions&) const = default;
};
struct ShowHelp {
    bool operator==(const ShowHelp&) const = default;
};
struct UsageError {
    std::string message;
    bool operator==(const UsageError&) const = default;
};

using CommandLine = std::variant<ReplayOptions, ShowHelp, UsageError>;

// The arguments after the program name, read left to right: "--trace",
// "--help" or "-h", "--" (every argument after it is FILE), "-" or any
// argument not starting with "-" is FILE; anything else, or a second FILE,
// is a usage error.
[[nodiscard]] CommandLine parseCommandLine(std::span<const std::string_view> args);

// The usage message printed with a usage error, ending in a line end.
[[nodiscard]] std::string_view usageText();
// The --help text, ending in a line end.
[[nodiscard]] std::string_view helpText();

}  // namespace quintaro::replay
