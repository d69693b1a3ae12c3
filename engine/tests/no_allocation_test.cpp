// With a view that ignores everything, a coup touches no heap: the engine
// hands numbers to the view and formats nothing itself. This binary replaces
// the global allocation functions with counting ones, so it runs apart from
// the other tests.

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "engine/session.h"
#include "engine/tests/random_permanence.h"

namespace {

std::atomic<bool> g_counting{false};
std::atomic<std::size_t> g_allocations{0};

// How many allocations `work` makes.
template <class Work>
std::size_t allocationsDuring(const Work& work) {
    g_allocations = 0;
    g_counting = true;
    work();
    g_counting = false;
    return g_allocations;
}

}  // namespace

// The array and nothrow forms of the standard library call these two.
void* operator new(std::size_t size) {
    if (g_counting.load(std::memory_order_relaxed)) {
        g_allocations.fetch_add(1, std::memory_order_relaxed);
    }
    // malloc(0) may return null; operator new must not.
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t /*size*/) noexcept {
    std::free(p);
}

namespace quintaro {
namespace {

TEST(AllocationCount, seesAnAllocation) {
    const std::size_t counted = allocationsDuring([] { ::operator delete(::operator new(64)); });
    EXPECT_EQ(counted, 1U);
}

// Every path of a coup: all three systems ticked, spins long enough for the
// sleeper bets, numbers outside the wheel, failed entries and Resets.
std::string actionAt(std::size_t i, const std::string& spin) {
    const auto every = [i](std::size_t first, std::size_t step) {
        return i >= first && (i - first) % step == 0;
    };
    if (every(70, 499)) {
        return "reset";
    }
    if (every(50, 101)) {
        return "-40";
    }
    if (every(0, 97)) {
        return "x";
    }
    return spin;
}

std::vector<std::string> everyKindOfAction() {
    const std::vector<std::string> spins = testing::randomPermanence(20000, 99);
    std::vector<std::string> actions;
    actions.reserve(spins.size());
    for (std::size_t i = 0; i < spins.size(); ++i) {
        actions.push_back(actionAt(i, spins[i]));
    }
    return actions;
}

TEST(CoupWithSilentView, allocatesNothing) {
    const std::vector<std::string> actions = everyKindOfAction();
    SilentView view;
    Session session(view);
    session.start();
    session.setSystem(BettingSystem::Twins, true);
    session.setSystem(BettingSystem::LawOfTheThird, true);
    const auto play = [&](const std::string& action) {
        if (action == "reset") {
            session.reset();
        } else {
            session.confirm(action);
        }
    };
    for (std::size_t i = 0; i < 1000; ++i) {
        play(actions[i]);  // warm-up: the count starts in the middle of a session
    }

    const std::size_t counted = allocationsDuring([&] {
        for (const std::string& action : actions) {
            play(action);
        }
    });

    EXPECT_EQ(counted, 0U);
    EXPECT_GT(session.state().CoupZaehler, 20000);
}

}  // namespace
}  // namespace quintaro
