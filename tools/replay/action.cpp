#include "tools/replay/action.h"

#include <array>
#include <optional>

namespace quintaro::replay {
namespace {

struct SwitchLine {
    std::string_view line;
    TickSystem action;
};

constexpr std::array<SwitchLine, 6> kSwitchLines = {{
    {"favourite on", {BettingSystem::Favourite, true}},
    {"favourite off", {BettingSystem::Favourite, false}},
    {"twins on", {BettingSystem::Twins, true}},
    {"twins off", {BettingSystem::Twins, false}},
    {"third on", {BettingSystem::LawOfTheThird, true}},
    {"third off", {BettingSystem::LawOfTheThird, false}},
}};

// "keyword" alone gives the empty text; "keyword " gives everything after
// that one space, exactly as it stands (empty, or with spaces anywhere).
std::optional<std::string_view> textAfterKeyword(std::string_view line, std::string_view keyword) {
    if (!line.starts_with(keyword)) {
        return std::nullopt;
    }
    const std::string_view rest = line.substr(keyword.size());
    if (rest.empty()) {
        return rest;
    }
    if (rest.front() != ' ') {
        return std::nullopt;
    }
    return rest.substr(1);
}

}  // namespace

Action parseAction(std::string_view line) {
    if (line.empty() || line.front() == '#') {
        return SkipLine{};
    }
    if (line == "ok") {
        return PressOk{};
    }
    if (line == "reset") {
        return PressReset{};
    }
    if (const auto text = textAfterKeyword(line, "enter")) {
        return EnterText{*text};
    }
    if (const auto text = textAfterKeyword(line, "balance")) {
        return ConfirmAnfangssaldo{*text};
    }
    for (const SwitchLine& switchLine : kSwitchLines) {
        if (line == switchLine.line) {
            return switchLine.action;
        }
    }
    return EnterText{line};
}

}  // namespace quintaro::replay
