// quintaro-replay replays a permanence in bounded memory: without --trace its
// peak memory for a million numbers is that for a hundred thousand. The
// program runs as a child process so that its own peak is measured.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

namespace quintaro::checks {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

constexpr int kSmallPermanence = 100'000;
constexpr int kLargePermanence = 1'000'000;
// Keeping even one byte per number would add about 880 KiB between the two.
constexpr long kSlackKiB = 512;

// A permanence of `count` numbers 0..36, one a line, from a fixed seed.
std::filesystem::path writePermanence(int count) {
    std::filesystem::path file =
        std::filesystem::current_path() / ("permanence-" + std::to_string(count) + ".txt");
    std::ofstream out(file);
    std::mt19937 rng(static_cast<std::mt19937::result_type>(count));
    for (int i = 0; i < count; ++i) {
        out << rng() % 37 << '\n';
    }
    return file;
}

// Runs quintaro-replay on `file`, its output discarded, and returns its peak
// resident memory in KiB.
long peakMemoryKiB(const std::filesystem::path& file) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string program = QUINTARO_REPLAY_PROGRAM;
    std::string argument = file.string();
    std::array<char*, 3> argv = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0) << program;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    return usage.ru_maxrss;
}

TEST(ReplayMemory, peakMemoryDoesNotGrowWithTheLengthOfThePermanence) {
    if (kAddressSanitizer) {
        GTEST_SKIP() << "AddressSanitizer holds freed memory in quarantine, so peak memory "
                        "tells nothing about the program here";
    }
    const long small = peakMemoryKiB(writePermanence(kSmallPermanence));
    const long large = peakMemoryKiB(writePermanence(kLargePermanence));
    std::cout << "peak memory of quintaro-replay: " << small << " KiB for " << kSmallPermanence
              << " numbers, " << large << " KiB for " << kLargePermanence << " numbers\n";
    EXPECT_LT(large - small, kSlackKiB);
}

}  // namespace
}  // namespace quintaro::checks
