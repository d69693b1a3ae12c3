#include "tools/lab/fair_tables.h"

#include <algorithm>

#include "tools/lab/lab_session.h"
#include "tools/lab/parallel_for.h"
#include "tools/lab/spin_generator.h"

namespace quintaro::lab {
namespace {

constexpr std::int64_t kBandPoints = 512;
constexpr std::int64_t kProgressStep = 1 << 16;
constexpr double kBandLow = 0.05;
constexpr double kBandHigh = 0.95;

// The coups at which the band session's balance is sampled, the last coup last.
std::vector<std::int64_t> bandCoups(std::int64_t length) {
    const std::int64_t points = std::min(kBandPoints, length);
    std::vector<std::int64_t> coups(static_cast<std::size_t>(points));
    for (std::int64_t c = 0; c < points; ++c) {
        coups[static_cast<std::size_t>(c)] = (c + 1) * length / points;
    }
    return coups;
}

// Plays one fair session; returns its net and samples its balance at `sampleAt`.
std::int64_t playFairSession(const FairTableSetup& setup, std::uint64_t stream, std::int64_t length,
                             std::span<const std::int64_t> sampleAt,
                             std::span<std::int64_t> samples, ProgressIndicator& progress) {
    LabSession session(setup.systems, setup.anfangssaldo);
    SpinGenerator spins(setup.seed, SpinPurpose::FairTable, stream);
    std::size_t nextSample = 0;
    std::int64_t balance = setup.anfangssaldo;
    for (std::int64_t coup = 1; coup <= length; ++coup) {
        balance = session.play(spins.next()).balance;
        if (nextSample < sampleAt.size() && sampleAt[nextSample] == coup) {
            samples[nextSample++] = balance;
        }
        if (coup % kProgressStep == 0) {
            progress.advance(kProgressStep);
        }
    }
    progress.advance(length % kProgressStep);
    return balance - setup.anfangssaldo;
}

BalanceBand bandFromSamples(std::vector<std::int64_t> coups, std::vector<std::int64_t>& samples,
                            std::int64_t tables) {
    BalanceBand band{std::move(coups), {}, {}};
    const std::size_t points = band.coups.size();
    std::vector<std::int64_t> column(static_cast<std::size_t>(tables));
    for (std::size_t c = 0; c < points; ++c) {
        for (std::size_t t = 0; t < column.size(); ++t) {
            column[t] = samples[t * points + c];
        }
        std::sort(column.begin(), column.end());
        band.low.push_back(quantileOfSorted(column, kBandLow));
        band.high.push_back(quantileOfSorted(column, kBandHigh));
    }
    return band;
}

}  // namespace

FairTableResults runFairTables(const FairTableSetup& setup, ProgressIndicator& progress) {
    const auto& lengths = setup.sessionLengths;
    const auto bandSession = static_cast<std::size_t>(
        std::max_element(lengths.begin(), lengths.end()) - lengths.begin());
    std::vector<std::int64_t> sampleAt;
    if (setup.withBand && !lengths.empty()) {
        sampleAt = bandCoups(lengths[bandSession]);
    }
    const std::size_t points = sampleAt.size();
    const auto sessionCount = static_cast<std::uint64_t>(lengths.size());

    FairTableResults results;
    results.nets.assign(static_cast<std::size_t>(setup.tables), 0);
    std::vector<std::int64_t> samples(static_cast<std::size_t>(setup.tables) * points);
    parallelFor(setup.tables, setup.threads, [&](int /*worker*/, std::int64_t table) {
        const auto t = static_cast<std::size_t>(table);
        const std::span<std::int64_t> row(samples.data() + t * points, points);
        std::int64_t net = 0;
        for (std::size_t s = 0; s < lengths.size(); ++s) {
            const bool sampled = s == bandSession;
            net += playFairSession(setup, static_cast<std::uint64_t>(table) * sessionCount + s,
                                   lengths[s],
                                   sampled ? std::span(sampleAt) : std::span<std::int64_t>(),
                                   sampled ? row : std::span<std::int64_t>(), progress);
        }
        results.nets[t] = net;
    });
    if (points > 0) {
        results.band = bandFromSamples(std::move(sampleAt), samples, setup.tables);
    }
    return results;
}

double percentileAmong(std::int64_t net, std::span<const std::int64_t> nets) {
    if (nets.empty()) {
        return 0.0;
    }
    const auto below =
        std::count_if(nets.begin(), nets.end(), [net](std::int64_t v) { return v < net; });
    const auto ties = std::count(nets.begin(), nets.end(), net);
    return 100.0 * (static_cast<double>(below) + 0.5 * static_cast<double>(ties)) /
           static_cast<double>(nets.size());
}

double quantileOfSorted(std::span<const std::int64_t> sorted, double q) {
    if (sorted.empty()) {
        return 0.0;
    }
    const double position = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double fraction = position - static_cast<double>(below);
    return static_cast<double>(sorted[below]) +
           fraction * static_cast<double>(sorted[above] - sorted[below]);
}

}  // namespace quintaro::lab
