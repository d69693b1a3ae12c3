#pragma once

// A seeded stream of random things a person does at the window: typing
// numbers and junk into the input box, Enter, Tab and the space bar wherever
// the focus is, Reset by mouse and by keyboard, clicks on the three check
// boxes, and the initial-balance dialog. The stream depends only on the seed
// (std::mt19937's output is fixed by the C++ standard; choices use modulo).

#include <QString>
#include <cstdint>
#include <random>

namespace quintaro::checks {

struct UserAction {
    enum class Kind {
        Type,           // type `text` into the input box, maybe over its text, maybe Enter
        Enter,          // Enter on whatever has the focus
        Tab,            // move the focus on
        Space,          // the space bar on a focused button or check box
        ClickReset,     // Reset with the mouse
        KeyboardReset,  // Tab to Reset, then Enter or the space bar
        ClickCheckBox,  // tick or untick `checkBox` with the mouse
        Balance,        // the initial-balance dialog: type `text`, then `balanceEnd`
    };
    enum class BalanceEnd {
        Ok,              // OK; after an error box, the dialog's close box
        OkThenRetry,     // OK; after an error box, type `retryText` and OK again
        CloseWithoutOk,  // the close box without OK
    };

    Kind kind = Kind::Type;
    QString text{};
    int checkBox = 0;        // 0 "Quintaro", 1 "Zwillinge verfolgen", 2 "2/3 Gesetz"
    bool typeOver = false;   // Type: select the input box's text and type over it
    bool thenEnter = false;  // Type: press Enter after typing
    bool withSpace = false;  // KeyboardReset: the space bar instead of Enter
    BalanceEnd balanceEnd = BalanceEnd::Ok;
    QString retryText{};
};

class RandomUserActions {
public:
    explicit RandomUserActions(std::uint32_t seed) : m_rng(seed) {}

    [[nodiscard]] UserAction next();

private:
    [[nodiscard]] std::uint32_t below(std::uint32_t bound) {
        return static_cast<std::uint32_t>(m_rng() % bound);
    }
    [[nodiscard]] QString typedText();
    [[nodiscard]] QString balanceText();

    std::mt19937 m_rng;
};

}  // namespace quintaro::checks
