// The menu and its three dialogs: modal, created once, hidden when closed,
// with their titles, places and texts; the initial balance; the quit
// confirmation; the blank menu item; and session start, which no dialog runs
// again.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "testwindow.h"

using quintaro::ui::test::answerNextMessageBox;
using quintaro::ui::test::answerNextModal;
using quintaro::ui::test::click;
using quintaro::ui::test::MessageBoxSeen;
using quintaro::ui::test::press;
using quintaro::ui::test::TestWindow;

namespace {

// The captions of a dialog's labels and buttons.
QStringList captions(const QWidget* dialog) {
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
        texts.append(button->text());
    }
    return texts;
}

QLineEdit* balanceEdit(const QWidget* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("anfangssaldoEdit"));
}

void typeOver(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

void pressButton(const QWidget* dialog, const QString& name) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton);
}

}  // namespace

class DialogTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup() { m_ui.reset(); }

    void dialog_data();
    void dialog();
    void initialBalanceCountsFromTheNextCoup();
    void initialBalanceShownAsTyped();
    void initialBalanceThatIsNoInteger();
    void enterInTheBalanceBoxDoesNotPressOk();
    void balanceTextStaysWhenClosedWithTheCloseBox();
    void beendenEndsTheProgram();
    void closeBoxEndsWithoutAsking();
    void blankMenuItemDoesNothing();

private:
    // The favourite game's five numbers, so the board, the history and the
    // books show something a second session start would wipe.
    void playFiveDifferent() const;
    void verifySessionUntouched() const;
    void openBalanceDialog(const std::function<void(QWidget*)>& answer) const;

    std::unique_ptr<TestWindow> m_ui;
};

void DialogTest::init() {
    m_ui = std::make_unique<TestWindow>();
    playFiveDifferent();
}

void DialogTest::dialog_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("closeWith");

    QTest::newRow("initial balance, closed with its close box")
        << "Datei"
        << "1. Anfangssaldo eingeben"
        << "Anfangssaldo" << QRect(679, 141, 233, 128)
        << QStringList({"Bitte geben Sie hier Ihren Anfangssaldo ein:", "OK"}) << QString();
    QTest::newRow("quit confirmation, Weiterspielen")
        << "Datei"
        << "Beenden"
        << "Beenden?" << QRect(687, 194, 169, 121)
        << QStringList({"Wirklich Beenden?", "Beenden", "Weiterspielen"}) << "weiterspielenButton";
    QTest::newRow("quit confirmation, closed with its close box")
        << "Datei"
        << "Beenden"
        << "Beenden?" << QRect(687, 194, 169, 121)
        << QStringList({"Wirklich Beenden?", "Beenden", "Weiterspielen"}) << QString();
    QTest::newRow("about box") << "Info" << QString() << "Info" << QRect(679, 141, 233, 128)
                               << QStringList({"Schließen"}) << "schliessenButton";
}

// Opened twice: the same modal dialog each time, hidden in between; the
// window is active again afterwards and the session is as it was.
void DialogTest::dialog() {
    QFETCH(QString, menu);
    QFETCH(QString, item);
    QFETCH(QString, title);
    QFETCH(QRect, frame);
    QFETCH(QStringList, texts);
    QFETCH(QString, closeWith);

    QList<QPointer<QWidget>> seen;
    for (int opening = 0; opening < 2; ++opening) {
        const auto pending = answerNextModal([&](QWidget* dialog) {
            seen.append(dialog);
            QVERIFY(dialog->isModal());
            QCOMPARE(dialog->windowTitle(), title);
            QCOMPARE(dialog->frameGeometry(), frame);
            for (const QString& text : texts) {
                QVERIFY2(captions(dialog).contains(text), qPrintable(text));
            }
            if (closeWith.isEmpty()) {
                dialog->close();
            } else {
                pressButton(dialog, closeWith);
            }
        });
        m_ui->chooseMenu(menu, item);
        QVERIFY(QTest::qWaitForWindowActive(&m_ui->window()));
    }

    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0], seen[1]);
    QVERIFY(!seen[0].isNull());
    QVERIFY(!seen[0]->isVisible());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("eingabefeld"));
    verifySessionUntouched();
}

// The display shows the new balance at once; "Saldo Neu:" follows at the
// next coup, from the running stake total of the whole program run.
void DialogTest::initialBalanceCountsFromTheNextCoup() {
    openBalanceDialog([](QWidget* dialog) {
        QCOMPARE(QApplication::focusWidget(), balanceEdit(dialog));
        typeOver(balanceEdit(dialog), QStringLiteral("500"));
        pressButton(dialog, QStringLiteral("anfangssaldoOk"));
    });

    QCOMPARE(m_ui->text("anfangssaldoValue"), QStringLiteral("500"));
    QCOMPARE(m_ui->text("saldoValue"), QStringLiteral("1000"));
    verifySessionUntouched();

    m_ui->play(QStringLiteral("12"));  // five units staked and lost
    QCOMPARE(m_ui->text("saldoValue"), QStringLiteral("495"));
}

void DialogTest::initialBalanceShownAsTyped() {
    openBalanceDialog([](QWidget* dialog) {
        typeOver(balanceEdit(dialog), QStringLiteral("0500"));
        pressButton(dialog, QStringLiteral("anfangssaldoOk"));
    });
    QCOMPARE(m_ui->text("anfangssaldoValue"), QStringLiteral("0500"));

    click(m_ui->child<QWidget>(QStringLiteral("resetButton")), QPoint(5, 5));

    QCOMPARE(m_ui->text("anfangssaldoValue"), QStringLiteral("500"));
}

// The display shows the text, the error box reports it, the dialog stays
// open and the books go on with the old balance.
void DialogTest::initialBalanceThatIsNoInteger() {
    MessageBoxSeen box;
    bool stayedOpen = false;
    openBalanceDialog([&](QWidget* dialog) {
        typeOver(balanceEdit(dialog), QStringLiteral("abc"));
        const auto pendingError = answerNextMessageBox(box);
        pressButton(dialog, QStringLiteral("anfangssaldoOk"));
        stayedOpen = dialog->isVisible();
        dialog->close();
    });

    QCOMPARE(box.title, QStringLiteral("Quintaro"));
    QCOMPARE(box.text, QStringLiteral("'abc' ist kein gültiger Integerwert."));
    QCOMPARE(box.icon, static_cast<int>(QMessageBox::Critical));
    QVERIFY(stayedOpen);
    QCOMPARE(m_ui->text("anfangssaldoValue"), QStringLiteral("abc"));

    m_ui->play(QStringLiteral("12"));
    QCOMPARE(m_ui->text("saldoValue"), QStringLiteral("995"));
}

// OK is no default button; focused, it takes Enter like any push button.
void DialogTest::enterInTheBalanceBoxDoesNotPressOk() {
    bool openAfterEnter = false;
    openBalanceDialog([&](QWidget* dialog) {
        typeOver(balanceEdit(dialog), QStringLiteral("700"));
        QTest::keyClick(balanceEdit(dialog), Qt::Key_Return);
        openAfterEnter = dialog->isVisible();
        QTest::keyClick(balanceEdit(dialog), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });

    QVERIFY(openAfterEnter);
    QCOMPARE(m_ui->text("anfangssaldoValue"), QStringLiteral("700"));
}

// The dialog is only hidden: the text typed stays for the next opening,
// where the focus is in the box again.
void DialogTest::balanceTextStaysWhenClosedWithTheCloseBox() {
    openBalanceDialog([](QWidget* dialog) {
        typeOver(balanceEdit(dialog), QStringLiteral("750"));
        QTest::keyClick(balanceEdit(dialog), Qt::Key_Tab);
        dialog->close();
    });
    QCOMPARE(m_ui->text("anfangssaldoValue"), QStringLiteral("1000"));

    QString textAtSecondOpening;
    bool focusInBox = false;
    openBalanceDialog([&](QWidget* dialog) {
        textAtSecondOpening = balanceEdit(dialog)->text();
        focusInBox = QApplication::focusWidget() == balanceEdit(dialog);
        dialog->close();
    });

    QCOMPARE(textAtSecondOpening, QStringLiteral("750"));
    QVERIFY(focusInBox);
}

void DialogTest::beendenEndsTheProgram() {
    const auto pending = answerNextModal(
        [](QWidget* dialog) { pressButton(dialog, QStringLiteral("beendenButton")); });
    m_ui->chooseMenu(QStringLiteral("Datei"), QStringLiteral("Beenden"));

    QVERIFY(!m_ui->window().isVisible());
}

void DialogTest::closeBoxEndsWithoutAsking() {
    QVERIFY(m_ui->window().close());
    QVERIFY(!m_ui->window().isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void DialogTest::blankMenuItemDoesNothing() {
    m_ui->chooseMenu(QStringLiteral(" "));
    QTest::qWait(50);

    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    verifySessionUntouched();
    m_ui->play(QStringLiteral("12"));
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("6"));
}

void DialogTest::playFiveDifferent() const {
    m_ui->typeOverInput(QStringLiteral("4"));
    press(Qt::Key_Return);
    for (const char* number : {"19", "0", "33", "8"}) {
        m_ui->play(QString::fromLatin1(number));
    }
}

// Session start would clear the board and rewrite the date and the balance.
void DialogTest::verifySessionUntouched() const {
    QCOMPARE(m_ui->visibleNumbers(), QList<int>({0, 4, 8, 19, 33}));
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("5"));
    QCOMPARE(m_ui->historyTexts().mid(0, 5), QStringList({"8", "33", "0", "19", "4"}));
    QCOMPARE(m_ui->text("einsatzValue"), QStringLiteral("5"));
}

void DialogTest::openBalanceDialog(const std::function<void(QWidget*)>& answer) const {
    const auto pending = answerNextModal(answer);
    m_ui->chooseMenu(QStringLiteral("Datei"), QStringLiteral("1. Anfangssaldo eingeben"));
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->window()));
}

QTEST_MAIN(DialogTest)
#include "dialogtest.moc"
