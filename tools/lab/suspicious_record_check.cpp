#include "tools/lab/suspicious_record_check.h"

#include <cmath>

namespace quintaro::lab {
namespace {

constexpr double kNumbers = 37.0;
constexpr int kShortestRun = SuspiciousRecordCheck::shortestSuspiciousRun();

}  // namespace

SuspiciousRecordCheck::SuspiciousRecordCheck() {
    m_lastIndexOf.fill(-1);
    m_previousSame.fill(-1);
    m_matchEnd.fill(-2);
}

void SuspiciousRecordCheck::add(int number, const SourcePosition& at, MessageList& warnings) {
    ++m_index;
    checkRun(number, at, warnings);
    checkRepeat(number, at, warnings);
}

void SuspiciousRecordCheck::finish(MessageList& warnings) {
    reportRun(warnings);
    m_runLength = 0;
    m_runNumber = -1;
}

void SuspiciousRecordCheck::checkRun(int number, const SourcePosition& at, MessageList& warnings) {
    if (number == m_runNumber) {
        ++m_runLength;
        return;
    }
    reportRun(warnings);
    m_runNumber = number;
    m_runLength = 1;
    m_runStart = at;
}

void SuspiciousRecordCheck::reportRun(MessageList& warnings) const {
    if (m_runLength < kShortestRun) {
        return;
    }
    const auto powerOfTen = static_cast<std::int64_t>(
        std::floor(static_cast<double>(m_runLength - 1) * std::log10(kNumbers)));
    warnings.add(describe(m_runStart) + ": " + std::to_string(m_runNumber) + " falls " +
                 std::to_string(m_runLength) +
                 " times in a row; the chance of that on a fair wheel is below 1 in 10^" +
                 std::to_string(powerOfTen));
}

void SuspiciousRecordCheck::checkRepeat(int number, const SourcePosition& at,
                                        MessageList& warnings) {
    const std::int64_t i = m_index;
    const auto slot = [](std::int64_t index) {
        return static_cast<std::size_t>(index % kLongestBlock);
    };
    // Inside a run already warned about every lag matches; looking at them
    // would cost kLongestBlock steps per value and tell nothing new.
    if (m_runLength < kShortestRun) {
        // Only lags at which the same number stood can extend a match.
        for (std::int64_t p = m_lastIndexOf[static_cast<std::size_t>(number)];
             p >= 0 && i - p <= kLongestBlock; p = m_previousSame[slot(p)]) {
            const auto lag = static_cast<std::size_t>(i - p);
            if (lag < kShortestBlock) {
                continue;
            }
            m_matchRun[lag] = m_matchEnd[lag] == i - 1 ? m_matchRun[lag] + 1 : 1;
            m_matchEnd[lag] = i;
            if (m_matchRun[lag] == static_cast<std::int64_t>(lag)) {
                reportRepeat(static_cast<std::int64_t>(lag), at, warnings);
            }
        }
    }
    m_previousSame[slot(i)] = m_lastIndexOf[static_cast<std::size_t>(number)];
    m_lastIndexOf[static_cast<std::size_t>(number)] = i;
}

void SuspiciousRecordCheck::reportRepeat(std::int64_t blockLength, const SourcePosition& at,
                                         MessageList& warnings) {
    // One warning per stretch: a block repeated at several lags at once (a
    // pattern, a long copy) is the same finding.
    const std::int64_t firstOfStretch = m_index - 2 * blockLength + 1;
    const bool alreadyReported = firstOfStretch <= m_reportedUntil;
    m_reportedUntil = m_index;
    if (alreadyReported) {
        return;
    }
    const std::string n = std::to_string(blockLength);
    warnings.add(describe(at) + ": the " + n + " numbers up to here repeat the " + n +
                 " numbers right before them");
}

}  // namespace quintaro::lab
