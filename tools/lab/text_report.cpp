#include "tools/lab/text_report.h"

#include <cstdio>
#include <iomanip>
#include <string>

namespace quintaro::lab {
namespace {

constexpr int kLabelWidth = 30;
constexpr int kValueWidth = 12;

std::string fixed(double value, int decimals) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

void row(std::ostream& out, const std::string& label, const std::string& value,
         const std::string& remark = {}) {
    out << "  " << std::left << std::setw(kLabelWidth) << label << std::right
        << std::setw(kValueWidth) << value;
    if (!remark.empty()) {
        out << "   " << remark;
    }
    out << '\n';
}

void row(std::ostream& out, const std::string& label, std::int64_t value,
         const std::string& remark = {}) {
    row(out, label, std::to_string(value), remark);
}

std::string heading(const LabReport& report) {
    if (report.kind == LabRunKind::Simulation) {
        return "Simulation of " + std::to_string(report.figures.spins) +
               " spins of a fair wheel, seed " + std::to_string(report.seed);
    }
    std::string text = "Backtest of ";
    for (std::size_t i = 0; i < report.sources.size(); ++i) {
        text += (i > 0 ? ", " : "") + report.sources[i];
    }
    return text;
}

void writeReturn(const BacktestFigures& f, std::ostream& out) {
    const auto r = f.returnPerUnit();
    const auto interval = f.returnInterval();
    if (!r || !interval) {
        row(out, "return per unit staked", "-", "no unit was staked");
        return;
    }
    row(out, "return per unit staked", fixed(*r, 4),
        "95% CI " + fixed(interval->low, 4) + " to " + fixed(interval->high, 4));
}

void writeFinalBalance(const BacktestFigures& f, std::ostream& out) {
    if (f.sessions == 1) {
        row(out, "final balance", f.finalBalanceSum);
        return;
    }
    row(out, "final balance, mean", fixed(f.meanFinalBalance(), 1),
        "lowest " + std::to_string(f.lowestFinalBalance) + ", highest " +
            std::to_string(f.highestFinalBalance));
}

void writeFigures(const LabReport& report, std::ostream& out) {
    const BacktestFigures& f = report.figures;
    row(out, "sessions", f.sessions);
    row(out, "spins", f.spins);
    if (report.skippedValues > 0) {
        row(out, "bad values skipped", report.skippedValues);
    }
    row(out, "spins with a bet", f.spinsWithBet);
    row(out, "units staked", f.unitsStaked);
    row(out, "units won", f.unitsWon);
    row(out, "net result", f.net());
    writeReturn(f, out);
    row(out, "hits", f.hits);
    row(out, "longest run of losing bets", f.longestLosingRun);
    row(out, "largest drawdown", f.largestDrawdown);
    row(out, "lowest balance", f.lowestBalance);
    writeFinalBalance(f, out);
}

void writeChance(const LabReport& report, std::ostream& out) {
    const ChanceView& chance = report.chance;
    row(out, "expected loss at 1/37", fixed(report.figures.expectedLoss(), 1),
        "on " + std::to_string(report.figures.unitsStaked) + " units staked");
    if (chance.fairTables == 0) {
        row(out, "fair tables", "none", chance.whyNoFairTables);
        return;
    }
    row(out, "fair tables", chance.fairTables,
        "same lengths and systems, seed " + std::to_string(report.seed));
    if (chance.percentile) {
        row(out, "percentile of the net result", fixed(*chance.percentile, 1),
            "share of fair tables that did worse");
    }
}

}  // namespace

void writeTextReport(const LabReport& report, std::ostream& out) {
    out << heading(report) << '\n';
    out << "Systems: " << describe(report.systems) << "; initial balance " << report.initialBalance
        << "\n\n";
    writeFigures(report, out);
    out << "\nChance\n";
    writeChance(report, out);
}

}  // namespace quintaro::lab
