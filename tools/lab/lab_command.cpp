#include "tools/lab/lab_command.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>

#include "tools/lab/balance_plot.h"
#include "tools/lab/fair_tables.h"
#include "tools/lab/json_report.h"
#include "tools/lab/lab_options.h"
#include "tools/lab/permanence_backtest.h"
#include "tools/lab/simulation.h"
#include "tools/lab/text_report.h"

namespace quintaro::lab {
namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
// The default chance view plays 1000 fair tables only up to this many coups
// (about ten seconds on two cores); beyond it the user asks for them.
constexpr std::int64_t kDefaultFairCoupBudget = 200'000'000;
constexpr std::size_t kMostBacktestTraces = 6;
constexpr std::int64_t kMostSimulationTraces = 3;

// tables * spins, or 0 (unknown) where that would not fit.
std::int64_t coupsOf(std::int64_t tables, std::int64_t spins) {
    return spins > std::numeric_limits<std::int64_t>::max() / tables ? 0 : tables * spins;
}

// The observed sessions of a run, ready for the chance view and the plot.
struct ObservedRun {
    LabReport report;
    std::vector<std::int64_t> sessionLengths;
    BalancePlot plot;
    bool refused = false;
};

class LabCommand {
public:
    LabCommand(LabOptions options, std::ostream& out, std::ostream& err)
        : m_options(std::move(options)),
          m_out(out),
          m_err(err),
          m_showProgress(&err == &std::cerr && ProgressIndicator::standardErrorIsTerminal()) {}

    int run() {
        if (!openCsv()) {
            return kExitRefused;
        }
        ObservedRun observed = m_options.mode == LabMode::Report ? replayFiles() : simulateTables();
        if (observed.refused) {
            discardCsv();
            return kExitRefused;
        }
        addChanceView(observed);
        writeReport(observed.report);
        return drawPlot(observed.plot) ? 0 : kExitRefused;
    }

private:
    bool openCsv() {
        if (!m_options.csvPath) {
            return true;
        }
        m_csvFile.open(*m_options.csvPath, std::ios::binary | std::ios::trunc);
        if (!m_csvFile) {
            m_err << "quintaro-replay: cannot write " << *m_options.csvPath << '\n';
            return false;
        }
        m_csv = std::make_unique<CoupCsvWriter>(m_csvFile);
        return true;
    }

    void discardCsv() {
        if (m_options.csvPath) {
            m_csvFile.close();
            std::error_code ignored;
            std::filesystem::remove(*m_options.csvPath, ignored);
        }
    }

    LabReport reportHead(LabRunKind kind) const {
        LabReport report;
        report.kind = kind;
        report.systems = m_options.systems;
        report.initialBalance = m_options.balance;
        report.seed = m_options.seed;
        return report;
    }

    BalancePlot plotHead() const {
        BalancePlot plot;
        plot.title = "Balance over the coups: " + describe(m_options.systems);
        plot.initialBalance = m_options.balance;
        return plot;
    }

    ObservedRun replayFiles() {
        ObservedRun run{reportHead(LabRunKind::Backtest), {}, plotHead(), false};
        const PermanenceSetup setup{m_options.systems, m_options.balance, m_options.skipBad};
        for (std::size_t i = 0; i < m_options.files.size(); ++i) {
            const std::string& file = m_options.files[i];
            const std::string name = file == "-" ? "standard input" : file;
            std::optional<PermanenceBacktest> backtest = replayFile(file, setup, run.plot, i);
            if (!backtest) {
                m_err << "quintaro-replay: cannot read '" << name << "': " << std::strerror(errno)
                      << '\n';
                run.refused = true;
                continue;
            }
            reportMessages(name, *backtest, setup);
            run.refused = run.refused || backtest->refused(setup);
            run.report.sources.push_back(name);
            run.report.skippedValues += backtest->badValues.count();
            run.report.figures.merge(backtest->figures);
            run.sessionLengths.push_back(backtest->figures.spins);
        }
        return run;
    }

    // Nothing when the file cannot be read; errno then says why.
    std::optional<PermanenceBacktest> replayFile(const std::string& file,
                                                 const PermanenceSetup& setup, BalancePlot& plot,
                                                 std::size_t index) {
        std::ifstream opened;
        std::istream* in = &std::cin;
        std::int64_t size = 0;
        if (file != "-") {
            errno = 0;
            opened.open(file, std::ios::binary);
            if (!opened) {
                return std::nullopt;
            }
            in = &opened;
            // The size only scales the progress line; without it the line counts bytes.
            std::error_code unknown;
            const auto bytes = std::filesystem::file_size(file, unknown);
            size = unknown ? 0 : static_cast<std::int64_t>(bytes);
        }
        BalanceTrace* trace = nullptr;
        if (m_options.plotPath && index < kMostBacktestTraces) {
            plot.traces.emplace_back(m_options.balance);
            plot.traceLabels.push_back(std::filesystem::path(file).filename().string());
            trace = &plot.traces.back();
        }
        ProgressIndicator progress(m_err, "replaying " + file, size, m_showProgress);
        PermanenceBacktest backtest = backtestPermanence(
            *in, setup, SessionOutputs{m_csv.get(), trace, static_cast<std::int64_t>(index) + 1},
            progress);
        if (in->bad()) {
            return std::nullopt;
        }
        return backtest;
    }

    void reportMessages(const std::string& name, const PermanenceBacktest& backtest,
                        const PermanenceSetup& setup) {
        for (const std::string& message : backtest.badValues.kept()) {
            m_err << name << ": " << message << '\n';
        }
        if (backtest.badValues.notKept() > 0) {
            m_err << name << ": and " << backtest.badValues.notKept() << " more bad values\n";
        }
        for (const std::string& message : backtest.warnings.kept()) {
            m_err << name << ": warning: " << message << '\n';
        }
        if (backtest.warnings.notKept() > 0) {
            m_err << name << ": warning: and " << backtest.warnings.notKept()
                  << " more suspicious places\n";
        }
        if (backtest.refused(setup)) {
            m_err << name << ": refused: " << backtest.badValues.count()
                  << " bad values (--skip-bad skips them)\n";
        } else if (backtest.badValues.count() > 0) {
            m_err << name << ": skipped " << backtest.badValues.count() << " bad values\n";
        }
    }

    ObservedRun simulateTables() {
        ObservedRun run{reportHead(LabRunKind::Simulation), {}, plotHead(), false};
        SimulationSetup setup;
        setup.spins = m_options.simulateSpins;
        setup.sessions = simulatedSessions(m_options);
        setup.systems = m_options.systems;
        setup.anfangssaldo = m_options.balance;
        setup.seed = m_options.seed;
        setup.threads = m_options.threads;
        setup.tracedSessions = m_options.plotPath ? kMostSimulationTraces : 0;
        setup.csv = m_csv.get();
        ProgressIndicator progress(m_err, "simulating", setup.spins, m_showProgress);
        SimulationResult result = simulate(setup, progress);
        run.report.figures = result.figures;
        run.sessionLengths = std::move(result.sessionLengths);
        for (std::size_t i = 0; i < result.traces.size(); ++i) {
            run.plot.traceLabels.push_back("simulated session " + std::to_string(i + 1));
        }
        run.plot.traces = std::move(result.traces);
        return run;
    }

    // How many fair tables to play, and why none when none.
    std::int64_t fairTableCount(std::int64_t spins, std::string& whyNone) const {
        if (spins == 0) {
            whyNone = "no spins to compare";
            return 0;
        }
        if (m_options.fairTables) {
            whyNone = "switched off with --fair-tables 0";
            return *m_options.fairTables;
        }
        if (kLeastFairTables * spins <= kDefaultFairCoupBudget) {
            return kLeastFairTables;
        }
        whyNone = std::to_string(kLeastFairTables) + " tables of this length would take " +
                  std::to_string(kLeastFairTables * spins) +
                  " coups; ask for them with --fair-tables " + std::to_string(kLeastFairTables);
        return 0;
    }

    void addChanceView(ObservedRun& run) {
        const std::int64_t spins = run.report.figures.spins;
        ChanceView& chance = run.report.chance;
        chance.fairTables = fairTableCount(spins, chance.whyNoFairTables);
        if (chance.fairTables == 0) {
            return;
        }
        chance.whyNoFairTables.clear();
        FairTableSetup setup{run.sessionLengths,
                             m_options.systems,
                             m_options.balance,
                             m_options.seed,
                             chance.fairTables,
                             m_options.threads,
                             m_options.plotPath.has_value()};
        ProgressIndicator progress(m_err, "fair tables", coupsOf(chance.fairTables, spins),
                                   m_showProgress);
        FairTableResults fair = runFairTables(setup, progress);
        chance.percentile = percentileAmong(run.report.figures.net(), fair.nets);
        run.plot.band = std::move(fair.band);
        run.plot.fairTables = chance.fairTables;
    }

    void writeReport(const LabReport& report) {
        if (m_options.json) {
            m_out << reportJson(report).dump(2) << '\n';
        } else {
            writeTextReport(report, m_out);
        }
    }

    bool drawPlot(const BalancePlot& plot) {
        if (!m_options.plotPath) {
            return true;
        }
        if (const auto failure = saveBalancePlot(plot, *m_options.plotPath)) {
            m_err << "quintaro-replay: " << *failure << '\n';
            return false;
        }
        return true;
    }

    LabOptions m_options;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_showProgress;
    std::ofstream m_csvFile;
    std::unique_ptr<CoupCsvWriter> m_csv;
};

}  // namespace

int runLab(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto parsed = parseLabOptions(args);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        err << "quintaro-replay: " << *message << "\nTry 'quintaro-replay --help'.\n";
        return kExitUsage;
    }
    return LabCommand(std::get<LabOptions>(std::move(parsed)), out, err).run();
}

}  // namespace quintaro::lab
