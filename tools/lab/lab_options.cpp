#include "tools/lab/lab_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string_view>

#include "tools/lab/balance_plot.h"
#include "tools/lab/parallel_for.h"

namespace quintaro::lab {
namespace {

constexpr std::int64_t kMostSpins = std::int64_t{1} << 50;
constexpr int kMostThreads = 256;

constexpr std::array<std::string_view, 12> kLabOptions = {
    "--report",      "--simulate", "--sessions", "--seed", "--systems", "--balance",
    "--fair-tables", "--threads",  "--skip-bad", "--json", "--csv",     "--plot"};

template <typename Integer>
std::optional<Integer> parseInteger(std::string_view text) {
    Integer value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Reads the command line option by option into a LabOptions.
class OptionParser {
public:
    explicit OptionParser(const std::vector<std::string>& args) : m_args(args) {
        m_options.threads = availableThreads();
    }

    std::variant<LabOptions, std::string> parse() {
        for (m_at = 0; m_at < m_args.size() && m_error.empty(); ++m_at) {
            readArgument(m_args[m_at]);
        }
        if (m_error.empty()) {
            checkCombination();
        }
        if (!m_error.empty()) {
            return m_error;
        }
        return m_options;
    }

private:
    void readArgument(const std::string& arg) {
        if (arg == "--report") {
            setMode(LabMode::Report, arg);
        } else if (arg == "--simulate") {
            setMode(LabMode::Simulate, arg);
            m_options.simulateSpins = integerValue<std::int64_t>(arg, 1, kMostSpins).value_or(0);
        } else if (arg == "--sessions") {
            m_options.sessions = integerValue<std::int64_t>(arg, 1, kMostSessions);
        } else if (arg == "--seed") {
            m_options.seed =
                integerValue<std::uint64_t>(arg, 0, std::numeric_limits<std::uint64_t>::max())
                    .value_or(0);
        } else if (arg == "--balance") {
            m_options.balance =
                integerValue<std::int32_t>(arg, std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max())
                    .value_or(0);
        } else if (arg == "--fair-tables") {
            m_options.fairTables = integerValue<std::int64_t>(arg, 0, kMostFairTables);
        } else if (arg == "--threads") {
            m_options.threads = integerValue<int>(arg, 1, kMostThreads).value_or(1);
        } else {
            readFlagOrFile(arg);
        }
    }

    void readFlagOrFile(const std::string& arg) {
        if (arg == "--systems") {
            const std::string list = value(arg);
            if (const auto systems = parseSystemChoice(list)) {
                m_options.systems = *systems;
            } else if (m_error.empty()) {
                m_error =
                    "--systems takes favourite, twins, third (comma-separated) or all, not '" +
                    list + "'";
            }
        } else if (arg == "--skip-bad") {
            m_options.skipBad = true;
        } else if (arg == "--json") {
            m_options.json = true;
        } else if (arg == "--csv") {
            m_options.csvPath = value(arg);
        } else if (arg == "--plot") {
            m_options.plotPath = value(arg);
        } else if (arg.starts_with("-") && arg != "-") {
            m_error = "unknown option '" + arg + "'";
        } else {
            m_options.files.push_back(arg);
        }
    }

    void setMode(LabMode mode, const std::string& arg) {
        if (m_modeSet) {
            m_error = arg + ": choose one of --report and --simulate";
        }
        m_modeSet = true;
        m_options.mode = mode;
    }

    std::string value(const std::string& option) {
        if (m_at + 1 >= m_args.size()) {
            m_error = option + " needs a value";
            return {};
        }
        return m_args[++m_at];
    }

    template <typename Integer>
    std::optional<Integer> integerValue(const std::string& option, Integer least, Integer most) {
        const std::string text = value(option);
        const auto number = parseInteger<Integer>(text);
        if (m_error.empty() && (!number || *number < least || *number > most)) {
            m_error = option + " takes a whole number from " + std::to_string(least) + " to " +
                      std::to_string(most) + ", not '" + text + "'";
        }
        return number;
    }

    void checkCombination() {
        const LabOptions& o = m_options;
        if (!m_modeSet) {
            m_error = "say --report FILE... or --simulate N";
        } else if (o.mode == LabMode::Report && o.files.empty()) {
            m_error = "--report needs at least one permanence file";
        } else if (o.mode == LabMode::Simulate && !o.files.empty()) {
            m_error = "--simulate reads no file, but '" + o.files.front() + "' was given";
        } else if (o.mode == LabMode::Report && o.sessions) {
            m_error = "--sessions belongs to --simulate; each file is one session";
        } else if (o.mode == LabMode::Simulate && o.skipBad) {
            m_error = "--skip-bad belongs to --report";
        } else if (o.mode == LabMode::Simulate && o.sessions && *o.sessions > o.simulateSpins) {
            m_error = "--sessions cannot exceed the spins of --simulate";
        } else if (o.fairTables && *o.fairTables != 0 && *o.fairTables < kLeastFairTables) {
            m_error =
                "--fair-tables takes 0 (none) or at least " + std::to_string(kLeastFairTables);
        } else if (o.plotPath && !isPlotFileName(*o.plotPath)) {
            m_error = "--plot writes a .png or .svg file, not '" + *o.plotPath + "'";
        }
    }

    const std::vector<std::string>& m_args;
    std::size_t m_at = 0;
    LabOptions m_options;
    bool m_modeSet = false;
    std::string m_error;
};

}  // namespace

std::variant<LabOptions, std::string> parseLabOptions(const std::vector<std::string>& args) {
    return OptionParser(args).parse();
}

bool isLabCommand(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& arg) {
        return std::find(kLabOptions.begin(), kLabOptions.end(), arg) != kLabOptions.end();
    });
}

std::int64_t simulatedSessions(const LabOptions& options) {
    if (options.sessions) {
        return *options.sessions;
    }
    return std::min(kMostSessions, (options.simulateSpins + kSpinsPerDefaultSession - 1) /
                                       kSpinsPerDefaultSession);
}

std::string labUsage() {
    return R"(Permanence lab:
  quintaro-replay --report [OPTIONS] FILE...
      Backtest permanence files (spin records), each file one session: numbers
      0 to 36 separated by commas, spaces or line ends; '#' starts a comment.
      A file with a bad value is refused (exit 1) unless --skip-bad is given.
  quintaro-replay --simulate N [OPTIONS]
      Simulate N spins of a fair single-zero wheel in all, in sessions of a
      million spins unless --sessions says otherwise.
Options of the lab:
  --systems LIST     betting systems: favourite, twins, third (comma-separated)
                     or all; default favourite ("Quintaro" alone)
  --balance UNITS    initial balance of each session (default 1000)
  --sessions K       share the simulated spins among K sessions
  --seed S           seed of the simulated and fair tables (default 1)
  --fair-tables N    fair tables for the chance view: 0 (none) or at least 1000;
                     default 1000 when that costs at most 200 million coups,
                     else none
  --threads T        threads to use (default: all cores)
  --skip-bad         skip bad values instead of refusing the file
  --json             print the report as JSON
  --csv FILE         write every coup to FILE as CSV
  --plot FILE        draw the balance over the coups to FILE (.png or .svg)
)";
}

}  // namespace quintaro::lab
