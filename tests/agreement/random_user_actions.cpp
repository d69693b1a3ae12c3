#include "tests/agreement/random_user_actions.h"

#include <array>

namespace quintaro::checks {
namespace {

// Texts a person may type by mistake, among them words of the driver's
// script language, which the window must take as text like any other.
const std::array<QString, 14> kJunk = {
    QStringLiteral("abc"),   QStringLiteral("1.5"),        QStringLiteral("17 "),
    QStringLiteral(" "),     QStringLiteral("$"),          QStringLiteral("0x"),
    QStringLiteral("+-1"),   QStringLiteral("\u00e4"),     QStringLiteral("\u0661\u0667"),
    QStringLiteral("#5"),    QStringLiteral("reset"),      QStringLiteral("twins on"),
    QStringLiteral("enter"), QStringLiteral("2147483648"),
};

const std::array<QString, 6> kOutOfRange = {
    QStringLiteral("37"), QStringLiteral("38"),        QStringLiteral("99"),
    QStringLiteral("-3"), QStringLiteral("$FFFFFFFF"), QStringLiteral("-2147483648"),
};

}  // namespace

UserAction RandomUserActions::next() {
    // Out of every 100 actions.
    const std::uint32_t roll = below(100);
    UserAction action;
    if (roll < 60) {
        action.kind = UserAction::Kind::Type;
        action.text = typedText();
        action.typeOver = below(4) != 0;
        action.thenEnter = below(5) != 0;
    } else if (roll < 74) {
        action.kind = UserAction::Kind::Enter;
    } else if (roll < 79) {
        action.kind = UserAction::Kind::Tab;
    } else if (roll < 82) {
        action.kind = UserAction::Kind::Space;
    } else if (roll < 85) {
        action.kind = UserAction::Kind::ClickReset;
    } else if (roll < 88) {
        action.kind = UserAction::Kind::KeyboardReset;
        action.withSpace = below(2) == 0;
    } else if (roll < 96) {
        action.kind = UserAction::Kind::ClickCheckBox;
        action.checkBox = static_cast<int>(below(3));
    } else {
        action.kind = UserAction::Kind::Balance;
        action.text = balanceText();
        action.balanceEnd = static_cast<UserAction::BalanceEnd>(below(3));
        action.retryText = QString::number(static_cast<int>(below(5000)));
    }
    return action;
}

// Mostly a number 0..36, as typed at the table; now and then another form,
// a number outside 0..36 or junk.
QString RandomUserActions::typedText() {
    const std::uint32_t roll = below(100);
    QString number = QString::number(below(37));
    if (roll < 70) {
        return number;
    }
    if (roll < 80) {
        const std::array<QString, 5> forms = {" " + number, "+" + number, "0" + number,
                                              "$" + QString::number(below(37), 16),
                                              "0X" + QString::number(below(37), 16)};
        return forms[below(forms.size())];
    }
    if (roll < 85) {
        return kOutOfRange[below(kOutOfRange.size())];
    }
    return kJunk[below(kJunk.size())];
}

QString RandomUserActions::balanceText() {
    if (below(4) == 0) {
        return kJunk[below(kJunk.size())];
    }
    return QString::number(static_cast<int>(below(4001)) - 1000);
}

}  // namespace quintaro::checks
