// A long random session with all three systems, mixed with Resets, failed
// entries, values outside the wheel and switches flipped on the way. After
// every coup the record must agree with the rules that tie its fields
// together: the books follow the marks of the coup before, and the board is
// exactly what the systems that ran put there.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/tests/played_session.h"
#include "engine/tests/random_permanence.h"

namespace quintaro {
namespace {

using testing::PlayedSession;

bool slotsHold(const SessionState& s, int n) {
    return std::ranges::any_of(s.Satzanzeige,
                               [n](const BetSlot& slot) { return slotEquals(slot, n); });
}

// The board a complete coup leaves: each ticked system that ran marks its
// own slots, the favourite game and the sleeper step mark the twin slot too.
TableauFlags boardOfTheSystemsThatRan(const SessionState& s) {
    const bool sleepersRan = s.Restantenspiel && s.CoupZaehler > 50;
    const bool twinSlotMarked = s.Zwillingsspiel || s.Favoritenspiel || sleepersRan;
    TableauFlags board{};
    for (std::int32_t n = 0; n < kNumberCount; ++n) {
        const std::size_t i = numberIndex(n);
        board[i] = slotsHold(s, n) || (twinSlotMarked && slotEquals(s.Zwillingsslot, n)) ||
                   (sleepersRan && s.Restantenspalte[i] == SleeperEntry::Sleeper);
    }
    return board;
}

void expectConsistentAfterACoup(const SessionState& before, const SessionState& s,
                                std::int32_t entered) {
    const bool hit = isRouletteNumber(entered) &&
                     before.Satzmarken[numberIndex(entered)] == entered && s.CoupZaehler >= 2;
    ASSERT_EQ(s.Gewinn, hit ? 36 : 0);
    ASSERT_EQ(s.Gesamteinsatz, before.Gesamteinsatz + before.Einsatz - s.Gewinn);
    ASSERT_EQ(s.Saldo, s.Anfangssaldo - s.Gesamteinsatz);
    for (const History* h : {&s.Permanenz, &s.ZwillingsPermanenz, &s.RestantenPermanenz}) {
        ASSERT_EQ((*h)[0], entered);
        ASSERT_EQ((*h)[1], entered);
    }
    ASSERT_LE(s.AchtVerschiedene, s.SiebenVerschiedene);
    ASSERT_LE(s.SiebenVerschiedene, s.SechsVerschiedene);
    if (!s.Favoritenspiel) {
        ASSERT_EQ(testing::slotsOf(s), std::vector<BetSlot>(kBetSlots, Leer));
    }
    ASSERT_EQ(s.Tableau, boardOfTheSystemsThatRan(s));
    ASSERT_EQ(s.Einsatz, static_cast<std::int32_t>(testing::numbersOn(s.Tableau).size()));
    ASSERT_EQ(s.Einsatzanzeige, s.Einsatz);
    for (std::int32_t n = 0; n < kNumberCount; ++n) {
        const std::size_t i = numberIndex(n);
        ASSERT_EQ(s.Satzmarken[i], s.Tableau[i] ? n : KeineZahl);
    }
}

TEST(SystemsTogether, keepBooksAndBoardConsistentOverALongRandomSession) {
    PlayedSession p;
    p.tick(BettingSystem::Twins);
    p.tick(BettingSystem::LawOfTheThird);
    testing::SplitMix64 random(7);
    const std::array<BettingSystem, 3> systems = {BettingSystem::Favourite, BettingSystem::Twins,
                                                  BettingSystem::LawOfTheThird};
    std::array<bool, 3> ticked = {true, true, true};

    for (int action = 0; action < 20000; ++action) {
        const std::uint64_t roll = random.below(200);
        if (roll == 0) {
            p.session.reset();
        } else if (roll == 1) {
            ASSERT_EQ(p.enterText("x"), Outcome::NotAnInteger);
        } else if (roll == 2) {
            const auto i = random.below(3);
            ticked[i] = !ticked[i];
            p.tick(systems[i], ticked[i]);
        } else if (roll == 3) {
            p.session.confirmAnfangssaldo(std::to_string(random.below(5000)));
        } else {
            // Now and then a value outside the wheel: 37, 38, 39 or 40.
            const std::uint64_t limit = roll < 8 ? 41 : kNumberCount;
            const auto entered = static_cast<std::int32_t>(random.below(limit));
            const SessionState before = p.state();
            ASSERT_EQ(p.enterText(std::to_string(entered)), Outcome::Done);
            SCOPED_TRACE("action " + std::to_string(action));
            expectConsistentAfterACoup(before, p.state(), entered);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

}  // namespace
}  // namespace quintaro
