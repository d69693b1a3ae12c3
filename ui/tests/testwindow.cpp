#include "testwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "engine/session_state.h"
#include "ui/board.h"

namespace quintaro::ui::test {

TestWindow::TestWindow() : m_shell(std::make_unique<ApplicationShell>()) {
    m_shell->start();
    if (!QTest::qWaitForWindowActive(&window())) {
        qFatal("the main window never became active");
    }
}

TestWindow::~TestWindow() = default;

QString TestWindow::text(const QString& labelName) const {
    return child<QLabel>(labelName)->text();
}

void TestWindow::play(const QString& text) const {
    type(text);
    press(Qt::Key_Return);
}

void type(const QString& text) {
    for (const QChar c : text) {
        // keyClicks() knows only ASCII; other characters arrive as their text.
        if (c.unicode() < 0x80) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
        }
    }
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void TestWindow::typeOverInput(const QString& text) const {
    auto* input = child<QWidget>(QStringLiteral("eingabefeld"));
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    type(text);
}

void click(QWidget* widget, const QPoint& position) {
    // Through the native window, so the click lands on whatever lies on top
    // at that point, as a mouse click does.
    QWidget* const topLevel = widget->window();
    QTest::mouseClick(topLevel->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      widget->mapTo(topLevel, position));
}

void TestWindow::toggle(const QString& checkBoxName) const {
    click(child<QWidget>(checkBoxName), QPoint(7, 8));
    auto* input = child<QWidget>(QStringLiteral("eingabefeld"));
    click(input, input->rect().center());
}

void TestWindow::chooseMenu(const QString& menu, const QString& item) const {
    QMenuBar* bar = window().menuBar();
    for (QAction* action : bar->actions()) {
        if (action->text() != menu) {
            continue;
        }
        click(bar, bar->actionGeometry(action).center());
        if (item.isEmpty()) {
            return;
        }
        QMenu* popup = action->menu();
        for (QAction* entry : popup->actions()) {
            if (entry->text() == item) {
                click(popup, popup->actionGeometry(entry).center());
                return;
            }
        }
    }
    qFatal("no menu item %s > %s", qPrintable(menu), qPrintable(item));
}

QList<int> TestWindow::visibleNumbers() const {
    const auto* board = child<Board>(QStringLiteral("board"));
    QList<int> numbers;
    for (int n = 0; n < kNumberCount; ++n) {
        if (child<QLabel>(QStringLiteral("number%1").arg(n))->isVisibleTo(board)) {
            numbers.append(n);
        }
    }
    return numbers;
}

QStringList TestWindow::historyTexts() const {
    QStringList texts;
    for (int k = 1; k <= 12; ++k) {
        texts.append(text(QStringLiteral("history%1").arg(k)));
    }
    return texts;
}

void TestWindow::missingChild(const QString& name) {
    qFatal("the window has no child named %s", qPrintable(name));
}

std::unique_ptr<QObject> answerNextModal(std::function<void(QWidget* modal)> answer) {
    // Polls from the event loop, so it also finds a box opened by exec()
    // inside the very key press or click that the test is making. It waits
    // until the box is the active window as well: keys go to the focused
    // widget of the active window, which under load may for a moment still
    // be the main window.
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(5);
    QTimer* timer = poll.get();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || !modal->isActiveWindow()) {
            return;
        }
        timer->stop();
        answer(modal);
    });
    timer->start();
    return poll;
}

std::unique_ptr<QObject> answerNextMessageBox(MessageBoxSeen& seen) {
    return answerNextModal([&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            qFatal("the modal window is no message box");
        }
        seen = {box->windowTitle(), box->text(), static_cast<int>(box->icon()),
                static_cast<int>(box->buttons().size()), box->textFormat() == Qt::PlainText};
        QTest::keyClick(box, Qt::Key_Return);
    });
}

}  // namespace quintaro::ui::test
