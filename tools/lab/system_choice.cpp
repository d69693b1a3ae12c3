#include "tools/lab/system_choice.h"

#include <algorithm>
#include <array>

namespace quintaro::lab {
namespace {

struct SystemName {
    std::string_view option;
    std::string_view caption;
    bool SystemChoice::*ticked;
};

constexpr std::array<SystemName, 3> kSystems = {{
    {"favourite", "Quintaro", &SystemChoice::favourite},
    {"twins", "Zwillinge verfolgen", &SystemChoice::twins},
    {"third", "2/3 Gesetz", &SystemChoice::third},
}};

bool tickByName(std::string_view name, SystemChoice& systems) {
    const auto* system = std::ranges::find(kSystems, name, &SystemName::option);
    if (system == kSystems.end()) {
        return false;
    }
    systems.*system->ticked = true;
    return true;
}

}  // namespace

std::optional<SystemChoice> parseSystemChoice(std::string_view list) {
    if (list == "all") {
        return SystemChoice{true, true, true};
    }
    SystemChoice systems{false, false, false};
    while (true) {
        const std::size_t comma = list.find(',');
        if (!tickByName(list.substr(0, comma), systems)) {
            return std::nullopt;
        }
        if (comma == std::string_view::npos) {
            return systems;
        }
        list.remove_prefix(comma + 1);
    }
}

std::string describe(const SystemChoice& systems) {
    std::string text;
    for (const SystemName& system : kSystems) {
        if (systems.*system.ticked) {
            text += text.empty() ? "" : ", ";
            text += system.caption;
        }
    }
    return text.empty() ? "none" : text;
}

void applySystemChoice(const SystemChoice& systems, Session& session) {
    session.setSystem(BettingSystem::Favourite, systems.favourite);
    session.setSystem(BettingSystem::Twins, systems.twins);
    session.setSystem(BettingSystem::LawOfTheThird, systems.third);
}

}  // namespace quintaro::lab
