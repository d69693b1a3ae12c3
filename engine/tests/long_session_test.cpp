// However long a replay runs, the running total, the balance and the coup
// counter hold their true values: none of them wraps at 32 bits.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "engine/coup_pipeline.h"
#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

using testing::closeCoupWithBoard;
using testing::RecordingView;
using testing::ViewCall;

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();

class LongSession : public ::testing::Test {
protected:
    LongSession() {
        s.Favoritenspiel = false;
        s.CoupZaehler = 100;
    }

    SessionState s;
    RecordingView view;
};

TEST_F(LongSession, theRunningTotalOfLossesGrowsPastThe32BitRange) {
    s.Gesamteinsatz = kInt32Max;
    closeCoupWithBoard(s, view, {1, 2, 3, 4, 5, 6, 7});

    ASSERT_EQ(CoupPipeline(s, view, "8"), Outcome::Done);

    EXPECT_EQ(s.Gesamteinsatz, kInt32Max + 7);
    EXPECT_EQ(s.Saldo, 1000 - (kInt32Max + 7));
    EXPECT_EQ(view.lastValue(ViewCall::Saldo), 1000 - (kInt32Max + 7));
}

TEST_F(LongSession, theRunningTotalOfWinsFallsPastThe32BitRange) {
    s.Gesamteinsatz = kInt32Min;
    s.Anfangssaldo = std::numeric_limits<std::int32_t>::max();
    closeCoupWithBoard(s, view, {8});

    ASSERT_EQ(CoupPipeline(s, view, "8"), Outcome::Done);

    EXPECT_EQ(s.Gesamteinsatz, kInt32Min - 35);
    EXPECT_EQ(s.Saldo, kInt32Max - (kInt32Min - 35));
    EXPECT_EQ(view.lastValue(ViewCall::Saldo), kInt32Max - kInt32Min + 35);
}

TEST_F(LongSession, theCoupCounterGoesPastThe32BitRangeAndKeepsItsThresholds) {
    s.CoupZaehler = kInt32Max;
    s.Restantenspiel = true;
    closeCoupWithBoard(s, view, {5});

    ASSERT_EQ(CoupPipeline(s, view, "5"), Outcome::Done);

    EXPECT_EQ(s.CoupZaehler, kInt32Max + 1);
    EXPECT_EQ(view.lastValue(ViewCall::Coup), kInt32Max + 1);
    EXPECT_EQ(s.Gewinn, 36);                              // not the first coup
    EXPECT_EQ(view.count(ViewCall::Restantenspalte), 1);  // past the 50th coup
}

}  // namespace
}  // namespace quintaro
