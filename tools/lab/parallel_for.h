#pragma once

// Runs task(worker, index) for every index 0..count-1 on up to `threads`
// threads. Each thread takes the next index when it has finished one, so
// which worker runs which index varies from run to run: a task must write its
// result where its index, not its worker, says, or into a per-worker
// accumulator whose merge does not depend on order. With one thread the
// indexes run in order on the calling thread. The first exception a task
// throws is thrown again once all threads have stopped.

#include <cstdint>
#include <functional>

namespace quintaro::lab {

void parallelFor(std::int64_t count, int threads,
                 const std::function<void(int worker, std::int64_t index)>& task);

// The number of threads the machine runs at once (at least 1).
[[nodiscard]] int availableThreads();

}  // namespace quintaro::lab
