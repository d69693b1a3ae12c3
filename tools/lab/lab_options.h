#pragma once

// The lab's part of the quintaro-replay command line.
//
//   quintaro-replay --report [OPTIONS] FILE...   backtest permanence files
//   quintaro-replay --simulate N [OPTIONS]       simulate N spins of a fair wheel
//
// labUsage() describes every option; isLabCommand() tells the driver's main
// when a command line is the lab's.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "tools/lab/system_choice.h"

namespace quintaro::lab {

enum class LabMode { Report, Simulate };

struct LabOptions {
    LabMode mode = LabMode::Report;
    std::vector<std::string> files;
    std::int64_t simulateSpins = 0;
    std::optional<std::int64_t> sessions;
    std::uint64_t seed = 1;
    SystemChoice systems;
    std::int32_t balance = 1000;
    std::optional<std::int64_t> fairTables;
    int threads = 1;
    bool skipBad = false;
    bool json = false;
    std::optional<std::string> csvPath;
    std::optional<std::string> plotPath;
};

inline constexpr std::int64_t kSpinsPerDefaultSession = 1'000'000;
inline constexpr std::int64_t kLeastFairTables = 1000;
inline constexpr std::int64_t kMostFairTables = 100'000;
inline constexpr std::int64_t kMostSessions = 10'000'000;

// The options, or the message that says what is wrong with them.
[[nodiscard]] std::variant<LabOptions, std::string> parseLabOptions(
    const std::vector<std::string>& args);

// Whether the arguments (without the program name) name any lab option.
[[nodiscard]] bool isLabCommand(const std::vector<std::string>& args);

// The lab's lines of --help.
[[nodiscard]] std::string labUsage();

// The sessions of a simulation: as asked, or one per million spins (at most kMostSessions).
[[nodiscard]] std::int64_t simulatedSessions(const LabOptions& options);

}  // namespace quintaro::lab
