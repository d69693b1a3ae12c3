// The window and the headless driver agree: the same actions, done by hand on
// the window and as script lines by quintaro-replay's driver, leave the same
// texts, colours and board on screen, and raise the same error boxes.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "testwindow.h"
#include "tools/replay/replay_driver.h"
#include "ui/tests/windowdisplay.h"

using quintaro::checks::describe;
using quintaro::checks::windowDisplay;
using quintaro::replay::ReplayDriver;
using quintaro::ui::test::answerNextMessageBox;
using quintaro::ui::test::answerNextModal;
using quintaro::ui::test::click;
using quintaro::ui::test::MessageBoxSeen;
using quintaro::ui::test::TestWindow;

namespace {

// A fixed pseudo-random permanence: `count` numbers from 0 to `top`.
QStringList permanence(std::uint32_t seed, int count, std::uint32_t top) {
    QStringList numbers;
    std::uint32_t state = seed;
    for (int i = 0; i < count; ++i) {
        state = state * 1664525U + 1013904223U;
        numbers.append(QString::number((state >> 16U) % (top + 1)));
    }
    return numbers;
}

}  // namespace

class AgreementTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { m_ui = std::make_unique<TestWindow>(); }
    void cleanup() { m_ui.reset(); }

    void sameDisplays_data();
    void sameDisplays();

private:
    // Does one script line by hand on the window; the error box it raised, if any.
    std::optional<std::string> perform(const QString& line);
    std::optional<std::string> pressOk();
    std::optional<std::string> confirmBalance(const QString& text);
    void tick(const QString& system, bool ticked);

    std::unique_ptr<TestWindow> m_ui;
};

void AgreementTest::sameDisplays_data() {
    QTest::addColumn<QStringList>("script");

    QTest::newRow("favourite game, run breaks and Reset")
        << QStringList({"1", "3", "5", "7", "9", "12", "14", "16", "18", "16", "reset", "17", "8",
                        "22", "0", "17", "4", "11"});
    QTest::newRow("entries that are no numbers")
        << QStringList({"ok", "enter", "ok", "abc", "ok", "enter  17", "17 ", "$10", "0x1F", "-5",
                        "+5", "99", "37", "-$FFFFFFFF", "2147483648", "ä", "enter 3"});
    QTest::newRow("initial balance and switches")
        << (QStringList({"twins on", "third on", "balance 0500", "5", "balance abc", "6", "reset",
                         "favourite off", "7", "balance -20"}) +
            permanence(7, 20, 36));
    QTest::newRow("all three systems over a long permanence")
        << (QStringList({"twins on", "third on"}) + permanence(11, 60, 20) +
            QStringList({"reset"}) + permanence(12, 40, 36) + QStringList({"twins off"}) +
            permanence(13, 15, 36));
}

void AgreementTest::sameDisplays() {
    QFETCH(QStringList, script);
    ReplayDriver driver;
    QCOMPARE(describe(windowDisplay(*m_ui)), describe(driver.display()));

    for (const QString& line : script) {
        const ReplayDriver::Result expected = driver.perform(line.toStdString());
        const std::optional<std::string> error = perform(line);

        QVERIFY2(error == expected.error, qPrintable(line));
        QCOMPARE(describe(windowDisplay(*m_ui)), describe(driver.display()));
    }
}

std::optional<std::string> AgreementTest::perform(const QString& line) {
    const QStringList words = line.split(QLatin1Char(' '));
    if (line == QLatin1String("ok")) {
        return pressOk();
    }
    if (line == QLatin1String("reset")) {
        click(m_ui->child<QWidget>(QStringLiteral("resetButton")), QPoint(5, 5));
        return std::nullopt;
    }
    if (words.first() == QLatin1String("balance")) {
        return confirmBalance(line.mid(8));
    }
    if (words.size() == 2 &&
        (words[1] == QLatin1String("on") || words[1] == QLatin1String("off"))) {
        tick(words[0], words[1] == QLatin1String("on"));
        return std::nullopt;
    }
    m_ui->typeOverInput(words.first() == QLatin1String("enter") ? line.mid(6) : line);
    if (line == QLatin1String("enter")) {
        QTest::keyClick(m_ui->child<QWidget>(QStringLiteral("eingabefeld")), Qt::Key_Delete);
    }
    return pressOk();
}

std::optional<std::string> AgreementTest::pressOk() {
    MessageBoxSeen box;
    const auto pending = answerNextMessageBox(box);
    QTest::keyClick(m_ui->child<QWidget>(QStringLiteral("eingabefeld")), Qt::Key_Return);
    if (box.text.isEmpty()) {
        return std::nullopt;
    }
    if (!QTest::qWaitForWindowActive(&m_ui->window())) {
        qFatal("the window did not come back after the error box");
    }
    return box.text.toStdString();
}

std::optional<std::string> AgreementTest::confirmBalance(const QString& text) {
    MessageBoxSeen box;
    const auto pending = answerNextModal([&box, text](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("anfangssaldoEdit"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        }
        const auto pendingError = answerNextMessageBox(box);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("anfangssaldoOk")),
                          Qt::LeftButton);
        // After an error the dialog stays open; its close box changes nothing.
        if (dialog->isVisible()) {
            dialog->close();
        }
    });
    m_ui->chooseMenu(QStringLiteral("Datei"), QStringLiteral("1. Anfangssaldo eingeben"));
    if (!QTest::qWaitForWindowActive(&m_ui->window())) {
        qFatal("the window did not come back after the initial-balance dialog");
    }
    return box.text.isEmpty() ? std::nullopt : std::optional(box.text.toStdString());
}

void AgreementTest::tick(const QString& system, bool ticked) {
    const QString box = system == QLatin1String("favourite") ? QStringLiteral("quintaroBox")
                        : system == QLatin1String("twins")   ? QStringLiteral("zwillingeBox")
                                                             : QStringLiteral("zweiDrittelBox");
    if (m_ui->child<QCheckBox>(box)->isChecked() != ticked) {
        m_ui->toggle(box);
    }
}

QTEST_MAIN(AgreementTest)
#include "agreementtest.moc"
