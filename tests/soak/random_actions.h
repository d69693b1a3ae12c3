#pragma once

// A seeded stream of random player actions for long sessions: mostly numbers
// typed in every accepted form, with invalid texts, Reset, changes of the
// initial balance and ticking or unticking the systems mixed in. The stream
// depends only on the seed: std::mt19937_64's output is fixed by the C++
// standard and the choices below use plain modulo, not a distribution.

#include <cstdint>
#include <random>
#include <string>

#include "engine/session.h"

namespace quintaro::checks {

struct RandomAction {
    enum class Kind { Coup, Reset, Anfangssaldo, Switch };
    Kind kind = Kind::Coup;
    std::string text{};  // Coup and Anfangssaldo: what the player typed
    BettingSystem system = BettingSystem::Favourite;  // Switch only
    bool ticked = false;                              // Switch only
};

class RandomActions {
public:
    explicit RandomActions(std::uint64_t seed) : m_rng(seed) {}

    [[nodiscard]] RandomAction next();

private:
    [[nodiscard]] std::uint64_t below(std::uint64_t bound) { return m_rng() % bound; }
    [[nodiscard]] std::string typedNumber();
    [[nodiscard]] std::string invalidText();
    [[nodiscard]] std::string balanceText();

    std::mt19937_64 m_rng;
};

}  // namespace quintaro::checks
