#pragma once

// A started Quintaro window for tests, and the hands that work it: typing into
// whatever has the focus, pressing keys, clicking, and answering the next
// modal box the way a person would, from inside its event loop.

#include <QLabel>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "ui/applicationshell.h"
#include "ui/mainwindow.h"

class QPoint;

namespace quintaro::ui::test {

class TestWindow final {
    Q_DISABLE_COPY_MOVE(TestWindow)

public:
    // Starts the program's window as the application shell does and waits
    // until it is active, so session start has run.
    TestWindow();
    ~TestWindow();

    [[nodiscard]] MainWindow& window() const { return m_shell->mainWindow(); }

    // The child widget with this object name; a missing one ends the test run.
    template <typename Widget>
    [[nodiscard]] Widget* child(const QString& name) const {
        auto* widget = window().findChild<Widget*>(name);
        if (widget == nullptr) {
            missingChild(name);
        }
        return widget;
    }
    [[nodiscard]] QString text(const QString& labelName) const;

    // Types into the focused widget, then presses Enter there.
    void play(const QString& text) const;
    // Selects the input box's text with the keyboard and types over it.
    void typeOverInput(const QString& text) const;
    // Ticks or unticks a check box with the mouse, then clicks into the input box.
    void toggle(const QString& checkBoxName) const;
    // Opens a menu of the menu bar and chooses an item by its caption.
    void chooseMenu(const QString& menu, const QString& item = QString()) const;

    [[nodiscard]] QList<int> visibleNumbers() const;
    [[nodiscard]] QStringList historyTexts() const;

private:
    [[noreturn]] static void missingChild(const QString& name);

    std::unique_ptr<ApplicationShell> m_shell;
};

// Types into the focused widget.
void type(const QString& text);
// Presses a key on the focused widget.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A mouse click at `position` in `widget`, landing on whatever lies on top there.
void click(QWidget* widget, const QPoint& position);

// Runs `answer` on the next modal window as soon as it is shown; it must
// close that window. Call before the action that opens it and keep the
// result until that action is done: it stops waiting when it is destroyed.
[[nodiscard]] std::unique_ptr<QObject> answerNextModal(std::function<void(QWidget* modal)> answer);

// What a message box showed, for checks after it was answered.
struct MessageBoxSeen {
    QString title;
    QString text;
    int icon = 0;
    int buttonCount = 0;
    bool plainText = false;
};

// Answers the next modal window, which must be a message box, with its only
// button, and records what it showed.
[[nodiscard]] std::unique_ptr<QObject> answerNextMessageBox(MessageBoxSeen& seen);

}  // namespace quintaro::ui::test
