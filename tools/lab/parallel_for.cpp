#include "tools/lab/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace quintaro::lab {

void parallelFor(std::int64_t count, int threads,
                 const std::function<void(int worker, std::int64_t index)>& task) {
    const int workers = static_cast<int>(std::clamp<std::int64_t>(count, 1, std::max(threads, 1)));
    if (workers == 1) {
        for (std::int64_t index = 0; index < count; ++index) {
            task(0, index);
        }
        return;
    }
    std::atomic<std::int64_t> nextIndex{0};
    std::atomic<bool> failed{false};
    std::exception_ptr firstFailure;
    std::mutex failureMutex;
    const auto work = [&](int worker) {
        try {
            for (std::int64_t index = nextIndex++; index < count && !failed; index = nextIndex++) {
                task(worker, index);
            }
        } catch (...) {
            const std::lock_guard lock(failureMutex);
            if (!firstFailure) {
                firstFailure = std::current_exception();
            }
            failed = true;
        }
    };
    std::vector<std::thread> pool;
    pool.reserve(static_cast<std::size_t>(workers - 1));
    for (int worker = 1; worker < workers; ++worker) {
        pool.emplace_back(work, worker);
    }
    work(0);
    for (std::thread& thread : pool) {
        thread.join();
    }
    if (firstFailure) {
        std::rethrow_exception(firstFailure);
    }
}

int availableThreads() {
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

}  // namespace quintaro::lab
