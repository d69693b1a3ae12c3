// quintaro-replay: the Quintaro engine without a window, worked by action lines.

#include <iostream>
#include <span>
#include <string_view>
#include <vector>

#include "tools/replay/replay_program.h"

int main(int argc, char** argv) {
    const std::span<char*> argValues(argv, static_cast<std::size_t>(argc));
    const std::vector<std::string_view> args(argValues.begin() + (argc > 0 ? 1 : 0),
                                             argValues.end());
    return quintaro::replay::runReplayProgram(args, std::cin, std::cout, std::cerr);
}
