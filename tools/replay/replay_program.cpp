#include "tools/replay/replay_program.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <variant>

#include "tools/replay/command_line.h"
#include "tools/replay/replay_stream.h"

namespace quintaro::replay {
namespace {

constexpr std::string_view kProgramName = "quintaro-replay";

int reportUnreadable(std::ostream& err, const std::string& file, std::string_view reason) {
    err << kProgramName << ": cannot read '" << file << "': " << reason << '\n';
    return kExitUnreadableInput;
}

// Replays `in`; an input that fails while being read ends the replay with status 1.
int replay(std::istream& in, const ReplayOptions& options, std::ostream& out, std::ostream& err) {
    replayStream(in, out, err, options.trace ? ReplayOutput::Trace : ReplayOutput::Summary);
    if (in.bad()) {
        return reportUnreadable(err, options.file, "read error");
    }
    return kExitReplayed;
}

int replayFile(const ReplayOptions& options, std::ostream& out, std::ostream& err) {
    // A directory opens like a file but fails at the first read; say so up front.
    std::error_code ec;
    if (std::filesystem::is_directory(options.file, ec)) {
        return reportUnreadable(err, options.file, "it is a directory");
    }
    errno = 0;
    std::ifstream file(options.file, std::ios::binary);
    if (!file) {
        const int reason = errno;
        return reportUnreadable(err, options.file,
                                reason != 0 ? std::strerror(reason) : "cannot open it");
    }
    return replay(file, options, out, err);
}

int runOptions(const ReplayOptions& options, std::istream& standardInput, std::ostream& out,
               std::ostream& err) {
    if (options.file == kStandardInput) {
        return replay(standardInput, options, out, err);
    }
    return replayFile(options, out, err);
}

}  // namespace

int runReplayProgram(std::span<const std::string_view> args, std::istream& standardInput,
                     std::ostream& out, std::ostream& err) {
    const CommandLine commandLine = parseCommandLine(args);
    if (const auto* usageError = std::get_if<UsageError>(&commandLine)) {
        err << kProgramName << ": " << usageError->message << '\n' << usageText();
        return kExitUsage;
    }
    if (std::holds_alternative<ShowHelp>(commandLine)) {
        out << helpText();
        return kExitReplayed;
    }
    return runOptions(std::get<ReplayOptions>(commandLine), standardInput, out, err);
}

}  // namespace quintaro::replay
