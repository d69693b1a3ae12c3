// quintaro-replay: the Quintaro engine without a window, worked by action
// lines; with a permanence lab option (--report, --simulate, ...) it is the
// lab instead, which backtests spin records and simulates fair tables.

#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/lab/lab_command.h"
#include "tools/lab/lab_options.h"
#include "tools/replay/command_line.h"
#include "tools/replay/replay_program.h"

int main(int argc, char** argv) {
    const std::span<char*> argValues(argv, static_cast<std::size_t>(argc));
    const std::vector<std::string_view> args(argValues.begin() + (argc > 0 ? 1 : 0),
                                             argValues.end());
    const std::vector<std::string> labArgs(args.begin(), args.end());
    if (quintaro::lab::isLabCommand(labArgs)) {
        return quintaro::lab::runLab(labArgs, std::cout, std::cerr);
    }
    const int status = quintaro::replay::runReplayProgram(args, std::cin, std::cout, std::cerr);
    if (std::holds_alternative<quintaro::replay::ShowHelp>(
            quintaro::replay::parseCommandLine(args))) {
        std::cout << '\n' << quintaro::lab::labUsage();
    }
    return status;
}
