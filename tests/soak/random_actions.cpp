#include "tests/soak/random_actions.h"

#include <array>
#include <string_view>

namespace quintaro::checks {
namespace {

// Out of every 1000 actions: 2 Reset, 2 initial-balance changes, 6 switches,
// 40 invalid entries; the rest are numbers.
constexpr std::uint64_t kPerMille = 1000;
constexpr std::uint64_t kResetBelow = 2;
constexpr std::uint64_t kBalanceBelow = 4;
constexpr std::uint64_t kSwitchBelow = 10;
constexpr std::uint64_t kInvalidBelow = 50;

constexpr std::array<std::string_view, 16> kInvalidTexts = {
    "",    " ",   "17 ", "\t5",  "1.5", "abc",      "$",          "0x",
    "+-1", "- 1", "$G",  "00x1", "1e3", "\xd9\xa3", "2147483648", "-2147483649",
};

// Numbers outside 0..36 that the conversion accepts; the rules must treat
// them as matching no number.
constexpr std::array<std::string_view, 8> kOutOfRange = {
    "37", "38", "99", "-1", "-5", "2147483647", "-2147483648", "$FFFFFFFF",
};

std::string asHex(std::uint64_t n, std::string_view prefix) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text(prefix);
    text += kDigits[n / 16];
    text += kDigits[n % 16];
    return text;
}

}  // namespace

RandomAction RandomActions::next() {
    const std::uint64_t roll = below(kPerMille);
    if (roll < kResetBelow) {
        return {.kind = RandomAction::Kind::Reset};
    }
    if (roll < kBalanceBelow) {
        return {.kind = RandomAction::Kind::Anfangssaldo, .text = balanceText()};
    }
    if (roll < kSwitchBelow) {
        constexpr std::array<BettingSystem, 3> kSystems = {
            BettingSystem::Favourite, BettingSystem::Twins, BettingSystem::LawOfTheThird};
        return {.kind = RandomAction::Kind::Switch,
                .system = kSystems[below(kSystems.size())],
                .ticked = below(3) != 0};
    }
    if (roll < kInvalidBelow) {
        return {.kind = RandomAction::Kind::Coup, .text = invalidText()};
    }
    return {.kind = RandomAction::Kind::Coup, .text = typedNumber()};
}

// A number 0..36 as a person may type it, now and then one outside 0..36.
std::string RandomActions::typedNumber() {
    if (below(50) == 0) {
        return std::string(kOutOfRange[below(kOutOfRange.size())]);
    }
    const std::uint64_t n = below(kNumberCount);
    switch (below(20)) {
        case 0:
            return " " + std::to_string(n);
        case 1:
            return "+" + std::to_string(n);
        case 2:
            return "0" + std::to_string(n);
        case 3:
            return asHex(n, "$");
        case 4:
            return asHex(n, "0X");
        default:
            return std::to_string(n);
    }
}

// A text that is no integer: a known troublemaker or a few random bytes.
std::string RandomActions::invalidText() {
    if (below(4) != 0) {
        return std::string(kInvalidTexts[below(kInvalidTexts.size())]);
    }
    std::string junk(1 + below(6), ' ');
    for (char& c : junk) {
        c = static_cast<char>(below(256));
    }
    return junk;
}

std::string RandomActions::balanceText() {
    if (below(4) == 0) {
        return invalidText();
    }
    return std::to_string(static_cast<std::int64_t>(below(20001)) - 10000);
}

}  // namespace quintaro::checks
