#pragma once

// Helpers shared by the engine tests: a started session with a recording
// view, and ways to build and read histories and boards in a test's terms.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/books.h"
#include "engine/session.h"
#include "engine/tests/recording_view.h"

namespace quintaro::testing {

// A history as the pipeline leaves it after the numbers were entered one by
// one, oldest first, into a history filled with `fill`.
inline History historyAfter(std::int32_t fill, const std::vector<std::int32_t>& entered) {
    History h = filledHistory(fill);
    for (const std::int32_t v : entered) {
        h[0] = v;
        shiftHistory(h);
    }
    return h;
}

// The numbers `count` distinct-neighbour spins starting at `first`: first,
// first+1, ... wrapping from 36 to 1, so no two neighbours are equal and 0
// never appears.
inline std::vector<std::int32_t> spinsWithoutTwins(int count, std::int32_t first = 1) {
    std::vector<std::int32_t> spins;
    std::int32_t v = first;
    for (int i = 0; i < count; ++i) {
        spins.push_back(v);
        v = v % 36 + 1;
    }
    return spins;
}

// The numbers whose flag is set, ascending.
inline std::vector<std::int32_t> numbersOn(const TableauFlags& tableau) {
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = 0; n < kNumberCount; ++n) {
        if (tableau[numberIndex(n)]) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

// Ends the current coup as if the betting systems had put exactly `numbers`
// on the board: the stake and the marks of the next spin are taken from it.
inline void closeCoupWithBoard(SessionState& s, SessionView& view,
                               const std::vector<std::int32_t>& numbers) {
    s.Tableau.reset();
    for (const std::int32_t n : numbers) {
        s.Tableau[numberIndex(n)] = true;
    }
    Einsatzberechnung(s, view);
    Gewinnvorermittlung(s);
}

inline std::vector<BetSlot> slotsOf(const SessionState& s) {
    return {s.Satzanzeige.begin(), s.Satzanzeige.end()};
}

// Names each case of a parameter table after its `name` field.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& row) const {
        return row.param.name;
    }
};

// A session right after program start and session start, with the view
// that records what the engine shows.
struct PlayedSession {
    PlayedSession() { session.start(); }

    Outcome enterText(std::string_view text) { return session.confirm(text); }

    // Enters each number as the player types it; every one must be accepted.
    void enter(const std::vector<std::int32_t>& numbers) {
        for (const std::int32_t v : numbers) {
            ASSERT_EQ(session.confirm(std::to_string(v)), Outcome::Done) << "entering " << v;
        }
    }

    void tick(BettingSystem system, bool ticked = true) { session.setSystem(system, ticked); }

    [[nodiscard]] const SessionState& state() const { return session.state(); }
    [[nodiscard]] std::vector<std::int32_t> board() const { return numbersOn(state().Tableau); }

    RecordingView view;
    Session session{view};
};

}  // namespace quintaro::testing
