#pragma once

// What one line of a replay script does: the player's ways into the window,
// one per line.
//
//   empty, or "#..."           nothing (a comment)
//   ok                         press OK with the input box's current text
//   enter / enter TEXT         set the input box to "" / TEXT, press OK
//   reset                      press Reset
//   balance / balance TEXT     initial-balance dialog: edit text "" / TEXT, OK
//   favourite|twins|third on|off   tick or untick a betting system
//   anything else              the same as "enter " followed by the whole line,
//                              so a file of numbers replays a permanence

#include <string_view>
#include <variant>

#include "engine/session.h"

namespace quintaro::replay {

struct SkipLine {
    bool operator==(const SkipLine&) const = default;
};
struct PressOk {
    bool operator==(const PressOk&) const = default;
};
struct EnterText {
    std::string_view text;
    bool operator==(const EnterText&) const = default;
};
struct PressReset {
    bool operator==(const PressReset&) const = default;
};
struct ConfirmAnfangssaldo {
    std::string_view text;
    bool operator==(const ConfirmAnfangssaldo&) const = default;
};
struct TickSystem {
    BettingSystem system = BettingSystem::Favourite;
    bool ticked = false;
    bool operator==(const TickSystem&) const = default;
};

using Action =
    std::variant<SkipLine, PressOk, EnterText, PressReset, ConfirmAnfangssaldo, TickSystem>;

// The action of one line, given without its line end. The texts of the
// action are views into `line`.
[[nodiscard]] Action parseAction(std::string_view line);

}  // namespace quintaro::replay
