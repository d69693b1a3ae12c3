#include "engine/session_state.h"

#include <algorithm>

namespace quintaro {

void shiftHistory(History& history) {
    // Slot 0 was written by this coup and is copied on its own: one wide copy
    // that read it too would have to wait until that write reached the cache.
    std::copy_backward(history.begin() + 1, history.end() - 1, history.end());
    history[1] = history[0];
}

}  // namespace quintaro
