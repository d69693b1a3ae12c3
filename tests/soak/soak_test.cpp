// One long session of random player actions through the engine, with every
// session invariant checked after every action. A failure names the action
// number, so the seed and that number reproduce it.

#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <map>

#include "engine/session.h"
#include "engine/session_view.h"
#include "tests/fuzz/reference_conversion.h"
#include "tests/invariants/session_invariants.h"
#include "tests/soak/random_actions.h"

namespace quintaro::checks {
namespace {

constexpr std::uint64_t kSeed = 20240611;
constexpr std::uint64_t kActions = 1'000'000;
// Every kind of action must have come up often enough to matter.
constexpr std::uint64_t kFewestOfEachKind = 1000;

// Performs the action on the session as the window would and tells the
// checker what was done; the value a text stands for comes from the reference
// conversion, not from the engine under test.
PerformedAction perform(Session& session, const RandomAction& action) {
    switch (action.kind) {
        case RandomAction::Kind::Coup:
            session.confirm(action.text);
            return CoupAction{referenceConversion(action.text)};
        case RandomAction::Kind::Reset:
            session.reset();
            return ResetAction{};
        case RandomAction::Kind::Anfangssaldo:
            session.confirmAnfangssaldo(action.text);
            return AnfangssaldoAction{referenceConversion(action.text)};
        case RandomAction::Kind::Switch:
            session.setSystem(action.system, action.ticked);
            return SwitchAction{action.system, action.ticked};
    }
    return ResetAction{};
}

TEST(Soak, aMillionRandomActionsKeepEveryInvariant) {
    SilentView view;
    Session session(view);
    session.start();
    RandomActions actions(kSeed);
    SessionInvariants invariants;
    std::map<RandomAction::Kind, std::uint64_t> performed;
    std::uint64_t completeCoups = 0;

    for (std::uint64_t i = 0; i < kActions; ++i) {
        const RandomAction action = actions.next();
        const SessionState before = session.state();
        const PerformedAction done = perform(session, action);
        const auto broken = invariants.check(before, session.state(), done);
        ASSERT_TRUE(broken.empty())
            << "action " << i << " (text '" << action.text << "') broke: " << broken.front();
        ++performed[action.kind];
        if (const auto* coup = std::get_if<CoupAction>(&done); coup != nullptr && coup->value) {
            ++completeCoups;
        }
    }

    for (const auto kind : {RandomAction::Kind::Coup, RandomAction::Kind::Reset,
                            RandomAction::Kind::Anfangssaldo, RandomAction::Kind::Switch}) {
        EXPECT_GE(performed[kind], kFewestOfEachKind);
    }
    EXPECT_EQ(session.state().CoupZaehler,
              static_cast<std::int64_t>(performed[RandomAction::Kind::Coup]));
    std::cout << "actions soaked: " << kActions << " (" << completeCoups << " complete coups, "
              << performed[RandomAction::Kind::Coup] - completeCoups << " failed entries, "
              << performed[RandomAction::Kind::Reset] << " resets, "
              << performed[RandomAction::Kind::Anfangssaldo] << " initial balances, "
              << performed[RandomAction::Kind::Switch] << " switches)\n"
              << "invariant checks made: " << invariants.checksMade() << "\n";
}

}  // namespace
}  // namespace quintaro::checks
