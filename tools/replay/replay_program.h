#pragma once

// The quintaro-replay program: its command line, its input and its exit
// status, around replayStream().

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace quintaro::replay {

inline constexpr int kExitReplayed = 0;
inline constexpr int kExitUnreadableInput = 1;
inline constexpr int kExitUsage = 2;

// Runs the program with the arguments after its name; `standardInput` is read
// when FILE is absent or "-". Returns the exit status.
int runReplayProgram(std::span<const std::string_view> args, std::istream& standardInput,
                     std::ostream& out, std::ostream& err);

}  // namespace quintaro::replay
