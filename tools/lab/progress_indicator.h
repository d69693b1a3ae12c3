#pragma once

// A progress line on standard error for runs that take longer than a second,
// shown only when standard error is a terminal, so that logs and pipes stay
// clean. Workers report with advance() or setDone(), which cost one relaxed
// atomic operation; a thread of its own redraws the line a few times a
// second and clears it when the run ends.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

namespace quintaro::lab {

class ProgressIndicator {
public:
    // With a `total` of 0 the line shows the count done instead of a percentage.
    ProgressIndicator(std::ostream& out, std::string label, std::int64_t total, bool enabled);
    ProgressIndicator(const ProgressIndicator&) = delete;
    ProgressIndicator& operator=(const ProgressIndicator&) = delete;
    ProgressIndicator(ProgressIndicator&&) = delete;
    ProgressIndicator& operator=(ProgressIndicator&&) = delete;
    ~ProgressIndicator();

    void advance(std::int64_t amount) { m_done.fetch_add(amount, std::memory_order_relaxed); }
    void setDone(std::int64_t done) { m_done.store(done, std::memory_order_relaxed); }

    // Whether standard error is a terminal.
    [[nodiscard]] static bool standardErrorIsTerminal();

private:
    void run();
    void draw(bool& drawn);

    std::ostream& m_out;
    std::string m_label;
    std::int64_t m_total;
    std::atomic<std::int64_t> m_done{0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

}  // namespace quintaro::lab
