#pragma once

// Scripted sessions for the tests: a script runs through the same stream
// replay as `quintaro-replay --trace`, and the tests read its records.

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/replay/replay_stream.h"

namespace quintaro::replay::testing {

using Trace = std::vector<nlohmann::json>;

// The records of `script`: the start record first, then one per action that
// is not skipped.
inline Trace traceOf(std::string_view script) {
    std::istringstream in{std::string(script)};
    std::ostringstream out;
    std::ostringstream err;
    replayStream(in, out, err, ReplayOutput::Trace);
    Trace records;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        records.push_back(nlohmann::json::parse(line));
    }
    return records;
}

// The text of a script file in tests/data.
inline std::string scriptFile(std::string_view name) {
    const std::string path = std::string(QUINTARO_REPLAY_TEST_DATA) + "/" + std::string(name);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A script that confirms each number in turn, one a line.
inline std::string numbersScript(const std::vector<int>& numbers) {
    std::string script;
    for (const int n : numbers) {
        script += std::to_string(n) + '\n';
    }
    return script;
}

// The numbers 1 to `length` again and again, `count` numbers in all: no two
// neighbours equal, and any 50 of them in a row hold every number of the cycle.
inline std::vector<int> cycle(int length, int count) {
    std::vector<int> numbers;
    numbers.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        numbers.push_back(i % length + 1);
    }
    return numbers;
}

}  // namespace quintaro::replay::testing
