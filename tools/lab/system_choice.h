#pragma once

// Which of the three betting systems a lab run ticks, named on the command
// line as the replay driver's actions name them: favourite, twins, third.

#include <optional>
#include <string>
#include <string_view>

#include "engine/session.h"

namespace quintaro::lab {

struct SystemChoice {
    // As the program starts: "Quintaro" alone.
    bool favourite = true;
    bool twins = false;
    bool third = false;

    bool operator==(const SystemChoice&) const = default;
};

// "favourite,twins", "third", "all"; nothing for an unknown or empty list.
[[nodiscard]] std::optional<SystemChoice> parseSystemChoice(std::string_view list);

// The check-box captions of the ticked systems: "Quintaro, Zwillinge verfolgen".
[[nodiscard]] std::string describe(const SystemChoice& systems);

// Ticks and unticks the check boxes of a session to match.
void applySystemChoice(const SystemChoice& systems, Session& session);

}  // namespace quintaro::lab
