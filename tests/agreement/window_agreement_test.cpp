// The window and the headless driver agree over a few thousand random things
// a person does at the window: typing numbers and junk, Enter wherever the
// focus is, Tab, the space bar, Reset by mouse and by keyboard, the three
// check boxes and the initial-balance dialog. Each action is done by hand on
// the window and as script lines on a ReplayDriver; after each one the two
// must raise the same error boxes and show the same texts, colours and board.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "tests/agreement/random_user_actions.h"
#include "tools/replay/replay_driver.h"
#include "ui/tests/testwindow.h"
#include "ui/tests/windowdisplay.h"

using quintaro::checks::describe;
using quintaro::checks::RandomUserActions;
using quintaro::checks::UserAction;
using quintaro::checks::windowDisplay;
using quintaro::replay::ReplayDriver;
using quintaro::ui::test::answerNextMessageBox;
using quintaro::ui::test::answerNextModal;
using quintaro::ui::test::click;
using quintaro::ui::test::MessageBoxSeen;
using quintaro::ui::test::press;
using quintaro::ui::test::TestWindow;
using quintaro::ui::test::type;

namespace {

constexpr std::uint32_t kSeed = 5;
constexpr int kActions = 3000;

struct CheckBoxInfo {
    const char* objectName;
    const char* scriptWord;
};
constexpr std::array<CheckBoxInfo, 3> kCheckBoxes = {{
    {"quintaroBox", "favourite"},
    {"zwillingeBox", "twins"},
    {"zweiDrittelBox", "third"},
}};

// What the window did in one action: the script lines that do the same on
// the driver, and the texts of the error boxes it raised.
struct WindowStep {
    QStringList driverLines;
    QStringList errorBoxes;
};

void noteErrorBox(WindowStep& step, const MessageBoxSeen& box) {
    if (!box.text.isEmpty()) {
        step.errorBoxes.append(box.text);
    }
}

QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
}

QString describeAction(const UserAction& action) {
    static const std::map<UserAction::Kind, QString> kNames = {
        {UserAction::Kind::Type, QStringLiteral("type (and Enter)")},
        {UserAction::Kind::Enter, QStringLiteral("Enter")},
        {UserAction::Kind::Tab, QStringLiteral("Tab")},
        {UserAction::Kind::Space, QStringLiteral("space")},
        {UserAction::Kind::ClickReset, QStringLiteral("click Reset")},
        {UserAction::Kind::KeyboardReset, QStringLiteral("Reset by keyboard")},
        {UserAction::Kind::ClickCheckBox, QStringLiteral("click check box")},
        {UserAction::Kind::Balance, QStringLiteral("initial balance")},
    };
    return kNames.at(action.kind) + " '" + action.text + "'";
}

// The first line where the two descriptions differ, for the failure message.
QString firstDifference(const QStringList& window, const QStringList& driver) {
    for (qsizetype i = 0; i < std::min(window.size(), driver.size()); ++i) {
        if (window[i] != driver[i]) {
            return "window '" + window[i] + "', driver '" + driver[i] + "'";
        }
    }
    return QStringLiteral("different lengths");
}

// Tab until Reset has the focus, then Enter or the space bar on it.
WindowStep keyboardReset(bool withSpace) {
    for (int tabs = 0; tabs < 10 && focusName() != QLatin1String("resetButton"); ++tabs) {
        press(Qt::Key_Tab);
    }
    if (focusName() != QLatin1String("resetButton")) {
        qFatal("Tab never reached Reset");
    }
    press(withSpace ? Qt::Key_Space : Qt::Key_Return);
    return {{QStringLiteral("reset")}, {}};
}

}  // namespace

// The window and a driver worked side by side: each action is done by hand
// on the window, then as the script lines that do the same on the driver.
class SideBySide final {
public:
    SideBySide() : m_expectedInput(QString::fromStdString(m_driver.display().eingabefeld)) {}

    // The error boxes the action raised, on the window and on the driver.
    struct Errors {
        QStringList window;
        QStringList driver;
    };
    Errors perform(const UserAction& action);

    [[nodiscard]] bool windowActive() const { return QTest::qWaitForWindowActive(&m_ui.window()); }
    [[nodiscard]] QStringList windowDescription() const { return describe(windowDisplay(m_ui)); }
    // The driver's displays, with the input box as the player has typed it.
    [[nodiscard]] QStringList driverDescription() const {
        auto display = m_driver.display();
        display.eingabefeld = m_expectedInput.toStdString();
        return describe(display);
    }
    [[nodiscard]] int completeCoups() const { return m_completeCoups; }

private:
    WindowStep doOnWindow(const UserAction& action);
    WindowStep typeIntoInput(const QString& text, bool over);
    WindowStep pressOnFocus(Qt::Key key);
    WindowStep clickCheckBox(int index);
    WindowStep balance(const UserAction& action);
    [[nodiscard]] QString coupLine() const;
    QStringList performOnDriver(const QStringList& lines);

    TestWindow m_ui;
    ReplayDriver m_driver;
    // The input box's text as the player has typed it since the last OK.
    QString m_expectedInput;
    int m_completeCoups = 0;
};

class WindowAgreementTest final : public QObject {
    Q_OBJECT

private slots:
    static void randomActionsAgree();
};

void WindowAgreementTest::randomActionsAgree() {
    {
        SideBySide sides;
        RandomUserActions actions(kSeed);
        std::map<UserAction::Kind, int> performed;
        int errorBoxes = 0;

        for (int i = 0; i < kActions; ++i) {
            const UserAction action = actions.next();
            const SideBySide::Errors errors = sides.perform(action);
            const QString what =
                QStringLiteral("action %1 (%2)").arg(i).arg(describeAction(action));
            QVERIFY2(sides.windowActive(), qPrintable(what + ": the window is not active"));
            QVERIFY2(errors.window == errors.driver,
                     qPrintable(what + ": error boxes '" + errors.window.join('|') + "', driver '" +
                                errors.driver.join('|') + "'"));
            const QStringList window = sides.windowDescription();
            const QStringList driver = sides.driverDescription();
            QVERIFY2(window == driver, qPrintable(what + ": " + firstDifference(window, driver)));
            ++performed[action.kind];
            errorBoxes += static_cast<int>(errors.window.size());
        }
        QCOMPARE(performed.size(), std::size_t{8});
        qInfo("%d actions agreed: %d complete coups, %d error boxes", kActions,
              sides.completeCoups(), errorBoxes);
    }
    // Every window the actions opened went with the main window: none is left
    // behind, which a leak checker would not see, since Qt keeps a reference.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

SideBySide::Errors SideBySide::perform(const UserAction& action) {
    const WindowStep step = doOnWindow(action);
    return {step.errorBoxes, performOnDriver(step.driverLines)};
}

WindowStep SideBySide::doOnWindow(const UserAction& action) {
    switch (action.kind) {
        case UserAction::Kind::Type: {
            WindowStep typed = typeIntoInput(action.text, action.typeOver);
            return action.thenEnter ? pressOnFocus(Qt::Key_Return) : typed;
        }
        case UserAction::Kind::Enter:
            return pressOnFocus(Qt::Key_Return);
        case UserAction::Kind::Tab:
            press(Qt::Key_Tab);
            return {};
        case UserAction::Kind::Space:
            return pressOnFocus(Qt::Key_Space);
        case UserAction::Kind::ClickReset:
            click(m_ui.child<QWidget>(QStringLiteral("resetButton")), QPoint(5, 5));
            return {{QStringLiteral("reset")}, {}};
        case UserAction::Kind::KeyboardReset:
            return keyboardReset(action.withSpace);
        case UserAction::Kind::ClickCheckBox:
            return clickCheckBox(action.checkBox);
        case UserAction::Kind::Balance:
            return balance(action);
    }
    return {};
}

// A click on the window's background puts the focus into the input box.
// Then either all of its text is selected and typed over, or End puts the
// cursor behind it and the text is added.
WindowStep SideBySide::typeIntoInput(const QString& text, bool over) {
    click(m_ui.child<QWidget>(QStringLiteral("background")), QPoint(8, 300));
    if (over) {
        press(Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_Delete);
        m_expectedInput.clear();
    } else {
        press(Qt::Key_End);
    }
    type(text);
    m_expectedInput += text;
    return {};
}

// Enter or the space bar on whatever has the focus: a push button takes it
// for itself, a check box toggles on the space bar, anywhere else Enter is OK.
WindowStep SideBySide::pressOnFocus(Qt::Key key) {
    const QString focus = focusName();
    if (key == Qt::Key_Space && focus == QLatin1String("eingabefeld")) {
        return typeIntoInput(QStringLiteral(" "), false);
    }
    WindowStep step;
    const bool space = key == Qt::Key_Space;
    const auto* const box =
        std::find_if(kCheckBoxes.begin(), kCheckBoxes.end(),
                     [&](const auto& b) { return focus == QLatin1String(b.objectName); });
    if (focus == QLatin1String("resetButton")) {
        step.driverLines.append(QStringLiteral("reset"));
    } else if (focus == QLatin1String("okButton") ||
               (!space && focus != "vordergrundButton" && focus != "hintergrundButton")) {
        step.driverLines.append(coupLine());
    }
    MessageBoxSeen seen;
    {
        const auto pending = answerNextMessageBox(seen);
        press(key);
    }
    noteErrorBox(step, seen);
    if (space && box != kCheckBoxes.end()) {
        const bool ticked = m_ui.child<QCheckBox>(QLatin1String(box->objectName))->isChecked();
        step.driverLines.append(QLatin1String(box->scriptWord) +
                                (ticked ? QStringLiteral(" on") : QStringLiteral(" off")));
    }
    return step;
}

// OK with the input box's text: "ok" when the driver's input box already
// holds it, else "enter" with the text.
QString SideBySide::coupLine() const {
    const QString text = m_ui.child<QLineEdit>(QStringLiteral("eingabefeld"))->text();
    if (text.toStdString() == m_driver.display().eingabefeld) {
        return QStringLiteral("ok");
    }
    return "enter " + text;
}

WindowStep SideBySide::clickCheckBox(int index) {
    const CheckBoxInfo& info = kCheckBoxes.at(static_cast<std::size_t>(index));
    auto* box = m_ui.child<QCheckBox>(QLatin1String(info.objectName));
    click(box, QPoint(7, 8));
    return {{QLatin1String(info.scriptWord) +
             (box->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off"))},
            {}};
}

// Opens the dialog from the menu, types over its text and ends it as the
// action says; an error box leaves the dialog open.
WindowStep SideBySide::balance(const UserAction& action) {
    WindowStep step;
    // A click into the edit box, then all of its text selected and typed over.
    const auto typeOver = [](QWidget* dialog, const QString& text) {
        if (!QTest::qWaitForWindowActive(dialog)) {
            qFatal("the initial-balance dialog is not active");
        }
        auto* edit = dialog->findChild<QWidget*>(QStringLiteral("anfangssaldoEdit"));
        click(edit, edit->rect().center());
        press(Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_Delete);
        type(text);
    };
    const auto pressOk = [&step](QWidget* dialog, const QString& text) {
        step.driverLines.append("balance " + text);
        MessageBoxSeen seen;
        const auto pending = answerNextMessageBox(seen);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("anfangssaldoOk")),
                          Qt::LeftButton);
        noteErrorBox(step, seen);
    };
    const auto pending = answerNextModal([&](QWidget* dialog) {
        typeOver(dialog, action.text);
        if (action.balanceEnd != UserAction::BalanceEnd::CloseWithoutOk) {
            pressOk(dialog, action.text);
        }
        if (dialog->isVisible() && action.balanceEnd == UserAction::BalanceEnd::OkThenRetry) {
            typeOver(dialog, action.retryText);
            pressOk(dialog, action.retryText);
        }
        if (dialog->isVisible()) {
            dialog->close();
        }
    });
    m_ui.chooseMenu(QStringLiteral("Datei"), QStringLiteral("1. Anfangssaldo eingeben"));
    return step;
}

// Performs the lines on the driver; the texts of the error boxes they raised.
QStringList SideBySide::performOnDriver(const QStringList& lines) {
    QStringList errors;
    for (const QString& line : lines) {
        const ReplayDriver::Result result = m_driver.perform(line.toStdString());
        if (result.error) {
            errors.append(QString::fromStdString(*result.error));
        }
        if (line == QLatin1String("ok") || line.startsWith(QLatin1String("enter"))) {
            m_expectedInput = QString::fromStdString(m_driver.display().eingabefeld);
            m_completeCoups += result.error ? 0 : 1;
        }
    }
    return errors;
}

QTEST_MAIN(WindowAgreementTest)
#include "window_agreement_test.moc"
