#include "tools/replay/command_line.h"

#include <optional>

namespace quintaro::replay {
namespace {

constexpr std::string_view kUsage =
    "usage: quintaro-replay [--trace] [FILE]\n"
    "       quintaro-replay --help\n";

constexpr std::string_view kHelp =
    "usage: quintaro-replay [--trace] [FILE]\n"
    "       quintaro-replay --help\n"
    "\n"
    "Replays a Quintaro roulette session without a window. Reads one action a line\n"
    "from FILE, or from standard input when FILE is absent or \"-\", and performs it\n"
    "as a player would in the window. The session starts as the program does: an\n"
    "initial balance of 1000 and only the favourite game (\"Quintaro\") ticked.\n"
    "Input is UTF-8; an invalid byte is read as U+FFFD. A line ends at a newline;\n"
    "one carriage return right before it is dropped.\n"
    "\n"
    "Options:\n"
    "  --trace      after the start and after every action that is not skipped,\n"
    "               write one JSON object a line: the action, the error text or\n"
    "               null, the whole session state and every text the window shows\n"
    "  -h, --help   show this help and exit\n"
    "  --           end of options: an argument after it is FILE even if it\n"
    "               begins with \"-\"\n"
    "\n"
    "Actions, one a line:\n"
    "  NUMBER             type the line into the input box and press OK (any line\n"
    "                     that is no other action does this, so a file of numbers,\n"
    "                     one a line, replays a permanence)\n"
    "  ok                 press OK with the input box's current text (\"00\" at the\n"
    "                     start, empty after a coup, the failed text after an error)\n"
    "  enter [TEXT]       set the input box to TEXT, or empty it, and press OK\n"
    "  reset              press Reset\n"
    "  balance [TEXT]     type TEXT, or nothing, as the initial balance and press OK\n"
    "  favourite on|off   tick or untick \"Quintaro\"\n"
    "  twins on|off       tick or untick \"Zwillinge verfolgen\"\n"
    "  third on|off       tick or untick \"2/3 Gesetz\"\n"
    "  #...               a comment; empty lines are skipped too\n"
    "\n"
    "Without --trace, every error text is written to standard error with its line\n"
    "number, and a summary of the books to standard output at the end.\n"
    "\n"
    "Exit status:\n"
    "  0  the input was replayed (a text that is no integer is reported, as the\n"
    "     window reports it, and the replay goes on)\n"
    "  1  FILE cannot be read\n"
    "  2  bad command line\n"
    "\n"
    "Examples:\n"
    "  printf '4\\n19\\n0\\n33\\n8\\n' | quintaro-replay --trace\n"
    "  quintaro-replay spins.txt\n";

bool isOption(std::string_view arg) {
    return arg.size() > 1 && arg.front() == '-';
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::string_view> args) {
    ReplayOptions options;
    std::optional<std::string_view> file;
    bool optionsEnded = false;
    for (const std::string_view arg : args) {
        if (!optionsEnded && isOption(arg)) {
            if (arg == "--trace") {
                options.trace = true;
            } else if (arg == "--help" || arg == "-h") {
                return ShowHelp{};
            } else if (arg == "--") {
                optionsEnded = true;
            } else {
                return UsageError{"unknown option '" + std::string(arg) + "'"};
            }
            continue;
        }
        if (file) {
            return UsageError{"more than one FILE: '" + std::string(*file) + "' and '" +
                              std::string(arg) + "'"};
        }
        file = arg;
    }
    if (file) {
        options.file = *file;
    }
    return options;
}

std::string_view usageText() {
    return kUsage;
}

std::string_view helpText() {
    return kHelp;
}

}  // namespace quintaro::replay
