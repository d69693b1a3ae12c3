#pragma once

// How a fuzz target reports a broken rule: it prints what it saw and aborts,
// so that libFuzzer stops, keeps the input as a reproducer and fails the run.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quintaro::checks {

[[noreturn]] inline void failFuzzCheck(std::string_view what) {
    std::fprintf(stderr, "broken rule: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

}  // namespace quintaro::checks
