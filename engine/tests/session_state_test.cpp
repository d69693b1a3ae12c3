#include "engine/session_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <vector>

#include "engine/tests/played_session.h"

namespace quintaro {
namespace {

TEST(HistoryShift, movesEverySlotDownOneKeepsSlotZeroAndDropsSlotFifty) {
    History h{};
    std::iota(h.begin(), h.end(), 100);
    shiftHistory(h);
    EXPECT_EQ(h[0], 100);
    for (std::size_t k = 1; k < h.size(); ++k) {
        EXPECT_EQ(h[k], static_cast<std::int32_t>(100 + k - 1)) << "slot " << k;
    }
}

TEST(BetSlot, equalsANumberExactlyWhenItHoldsIt) {
    for (int n = 0; n < kNumberCount; ++n) {
        EXPECT_FALSE(slotEquals(Leer, n));
        EXPECT_FALSE(slotEquals(BetSlot{KeineZahl}, n));
        EXPECT_FALSE(slotEquals(BetSlot{-n - 1}, n));
        EXPECT_TRUE(slotEquals(BetSlot{n}, n));
    }
}

TEST(ProgramStart, fillsTheTwinHistoryWithZeroAndTheOthersWithKeineZahl) {
    const SessionState s;
    const auto holdsOnly = [](const History& h, std::int32_t v) {
        return std::all_of(h.begin(), h.end(), [v](std::int32_t x) { return x == v; });
    };
    EXPECT_TRUE(holdsOnly(s.ZwillingsPermanenz, 0));
    EXPECT_TRUE(holdsOnly(s.Permanenz, KeineZahl));
    EXPECT_TRUE(holdsOnly(s.RestantenPermanenz, KeineZahl));
    EXPECT_TRUE(s.Favoritenspiel);
    EXPECT_FALSE(s.Zwillingsspiel);
    EXPECT_FALSE(s.Restantenspiel);
}

TEST(Histories, holdTheLast50NumbersAfterTheCurrentOne) {
    testing::PlayedSession p;
    p.tick(BettingSystem::Favourite, false);  // no run break erases a slot
    std::vector<std::int32_t> spins = {99};
    const auto rest = testing::spinsWithoutTwins(50);
    spins.insert(spins.end(), rest.begin(), rest.end());
    p.enter(spins);

    const SessionState& s = p.state();
    for (const History* h : {&s.Permanenz, &s.ZwillingsPermanenz, &s.RestantenPermanenz}) {
        EXPECT_EQ(std::count(h->begin(), h->end(), 99), 0);
        // Slot 50 holds the number entered 49 coups before the newest.
        EXPECT_EQ((*h)[50], spins[spins.size() - 50]);
    }
}

}  // namespace
}  // namespace quintaro
