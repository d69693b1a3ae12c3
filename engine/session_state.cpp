#include "engine/session_state.h"

#include <algorithm>

namespace quintaro {

void shiftHistory(History& history) {
    std::copy_backward(history.begin(), history.end() - 1, history.end());
}

}  // namespace quintaro
