#include "tools/lab/progress_indicator.h"

#include <unistd.h>
#include <chrono>

namespace quintaro::lab {
namespace {

using namespace std::chrono_literals;
constexpr auto kQuietTime = 1s;
constexpr auto kRedrawInterval = 200ms;

}  // namespace

ProgressIndicator::ProgressIndicator(std::ostream& out, std::string label, std::int64_t total,
                                     bool enabled)
    : m_out(out), m_label(std::move(label)), m_total(total) {
    if (enabled) {
        m_thread = std::thread([this] { run(); });
    }
}

ProgressIndicator::~ProgressIndicator() {
    if (!m_thread.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

bool ProgressIndicator::standardErrorIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

void ProgressIndicator::run() {
    std::unique_lock lock(m_mutex);
    bool drawn = false;
    if (!m_wake.wait_for(lock, kQuietTime, [this] { return m_stop; })) {
        do {
            draw(drawn);
        } while (!m_wake.wait_for(lock, kRedrawInterval, [this] { return m_stop; }));
    }
    if (drawn) {
        // Blank out the line so that the report starts on a clean one.
        m_out << '\r' << std::string(m_label.size() + 24, ' ') << '\r' << std::flush;
    }
}

void ProgressIndicator::draw(bool& drawn) {
    const std::int64_t done = m_done.load(std::memory_order_relaxed);
    m_out << '\r' << m_label << ": ";
    if (m_total > 0) {
        m_out << static_cast<int>(100.0 * static_cast<double>(done) / static_cast<double>(m_total))
              << '%';
    } else {
        m_out << done;
    }
    m_out << "   " << std::flush;
    drawn = true;
}

}  // namespace quintaro::lab
