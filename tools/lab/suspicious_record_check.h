#pragma once

// Warns about spin records that look damaged, although every value is a
// number: a run of identical numbers whose chance on a fair wheel is below
// one in a billion (seven or more, 37^-6 being about 3.9e-10), and a block of
// twelve or more numbers that repeats the block right before it, as a record
// pasted twice would. The values are still used; the user decides.
//
// Memory is bounded: repeated blocks are looked for up to kLongestBlock
// numbers, through a window of that many recent values.

#include <array>
#include <cstdint>

#include "tools/lab/message_list.h"
#include "tools/lab/source_position.h"

namespace quintaro::lab {

class SuspiciousRecordCheck {
public:
    static constexpr int kShortestBlock = 12;
    static constexpr int kLongestBlock = 1024;
    static constexpr double kSuspiciousChance = 1e-9;

    SuspiciousRecordCheck();

    // Takes the next value of the record; adds the warnings it completes.
    void add(int number, const SourcePosition& at, MessageList& warnings);
    // Ends the record; adds the warning of a run that ends with it.
    void finish(MessageList& warnings);

    // The shortest run of identical numbers that is warned about: a given
    // spin is followed by n-1 equal ones with chance 37^-(n-1).
    static constexpr int shortestSuspiciousRun() {
        double chance = 1.0;
        int length = 1;
        while (chance >= kSuspiciousChance) {
            chance /= 37.0;
            ++length;
        }
        return length;
    }

private:
    void checkRun(int number, const SourcePosition& at, MessageList& warnings);
    void reportRun(MessageList& warnings) const;
    void checkRepeat(int number, const SourcePosition& at, MessageList& warnings);
    void reportRepeat(std::int64_t blockLength, const SourcePosition& at, MessageList& warnings);

    // The current run of identical numbers.
    int m_runNumber = -1;
    std::int64_t m_runLength = 0;
    SourcePosition m_runStart;

    // Value i is the m_index-th of the record. For each lag k, the last value
    // that equalled the one k before it, and how many in a row did.
    std::int64_t m_index = -1;
    std::array<std::int64_t, 37> m_lastIndexOf{};
    std::array<std::int64_t, kLongestBlock> m_previousSame{};
    std::array<std::int64_t, kLongestBlock + 1> m_matchEnd{};
    std::array<std::int64_t, kLongestBlock + 1> m_matchRun{};
    // The stretch of the record covered by repeats already warned about.
    std::int64_t m_reportedUntil = -1;
};

}  // namespace quintaro::lab
