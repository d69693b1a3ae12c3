#include "tools/replay/replay_stream.h"

#include <sstream>

#include <gtest/gtest.h>

#include "tools/replay/tests/script_trace.h"

namespace quintaro::replay::testing {
namespace {

struct Replayed {
    std::string out;
    std::string err;
};

Replayed replay(std::string_view input, ReplayOutput output) {
    std::istringstream in{std::string(input)};
    std::ostringstream out;
    std::ostringstream err;
    replayStream(in, out, err, output);
    return {out.str(), err.str()};
}

TEST(ReplayStream, dropsOneCarriageReturnBeforeTheLineEnd) {
    const Trace trace = traceOf("5\r\n6\r\r\n7\r");
    ASSERT_EQ(trace.size(), 4U);
    EXPECT_EQ(trace[1].at("action"), "5");
    EXPECT_TRUE(trace[1].at("error").is_null());
    EXPECT_EQ(trace[2].at("action"), "6\r");
    EXPECT_EQ(trace[2].at("error"), "'6\r' ist kein gültiger Integerwert.");
    // The last line has no line end, so its "\r" is part of it.
    EXPECT_EQ(trace[3].at("action"), "7\r");
}

TEST(ReplayStream, readsALastLineWithoutLineEnd) {
    const Trace trace = traceOf("5\n17");
    ASSERT_EQ(trace.size(), 3U);
    EXPECT_EQ(trace[2].at("state").at("Permanenz")[0], 17);
}

TEST(ReplayStream, writesNoRecordForSkippedLines) {
    const Trace trace = traceOf("\n# comment\n\r\n17\n\n");
    ASSERT_EQ(trace.size(), 2U);
    EXPECT_EQ(trace[0].at("action"), "start");
    EXPECT_EQ(trace[1].at("action"), "17");
}

TEST(ReplayStream, replacesInvalidBytesBeforeTheLineIsPerformed) {
    const Trace trace = traceOf("1\xFF\n\xC3\xBC\n");
    ASSERT_EQ(trace.size(), 3U);
    EXPECT_EQ(trace[1].at("action"), "1\xEF\xBF\xBD");
    EXPECT_EQ(trace[1].at("error"), "'1\xEF\xBF\xBD' ist kein gültiger Integerwert.");
    EXPECT_EQ(trace[1].at("view").at("Eingabefeld"), "1\xEF\xBF\xBD");
    EXPECT_EQ(trace[2].at("action"), "\xC3\xBC");
}

TEST(ReplayStream, summarisesTheBooksAndReportsErrorsByLine) {
    // Stake 5 on 1 to 5 after the fifth coup; 3 hits: staked 5, won 36.
    const Replayed replayed =
        replay("1\n2\n3\n4\n5\n# comment\nabc\n3\nreset\nbalance x\n", ReplayOutput::Summary);
    EXPECT_EQ(replayed.out,
              "Coups:         7 (failed entries: 1)\n"
              "Units staked:  5\n"
              "Units won:     36 (hits: 1)\n"
              "Net loss:      -31\n"
              "Balance:       1031 (initial balance: 1000)\n");
    EXPECT_EQ(replayed.err,
              "line 7: 'abc' ist kein gültiger Integerwert.\n"
              "line 10: 'x' ist kein gültiger Integerwert.\n");
}

TEST(ReplayStream, traceGoesToOutputOnly) {
    const Replayed replayed = replay("abc\n", ReplayOutput::Trace);
    EXPECT_EQ(replayed.err, "");
    EXPECT_EQ(std::count(replayed.out.begin(), replayed.out.end(), '\n'), 2);
}

}  // namespace
}  // namespace quintaro::replay::testing
