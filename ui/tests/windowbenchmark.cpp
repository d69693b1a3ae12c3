// What the player waits for: the window from its creation to shown and
// started, and a confirmed number to a repainted window.

#include <QTest>
#include <memory>

#include "testwindow.h"
#include "ui/applicationshell.h"

using quintaro::ui::ApplicationShell;
using quintaro::ui::test::press;
using quintaro::ui::test::TestWindow;

class WindowBenchmark final : public QObject {
    Q_OBJECT

private slots:
    void startUp();
    void coupToRepaint();
};

// Main window and dialogs created, shown, activated and session start run.
void WindowBenchmark::startUp() {
    QBENCHMARK {
        ApplicationShell shell;
        shell.start();
        QVERIFY(QTest::qWaitForWindowActive(&shell.mainWindow()));
    }
}

// With all three systems ticked, one number typed and confirmed with Enter,
// then the whole window painted.
void WindowBenchmark::coupToRepaint() {
    const TestWindow ui;
    ui.toggle(QStringLiteral("zwillingeBox"));
    ui.toggle(QStringLiteral("zweiDrittelBox"));
    int number = 0;
    QBENCHMARK {
        number = (number + 7) % 37;
        ui.typeOverInput(QString::number(number));
        press(Qt::Key_Return);
        ui.window().repaint();
    }
}

QTEST_MAIN(WindowBenchmark)
#include "windowbenchmark.moc"
