// Confirming numbers from the keyboard: Enter wherever the focus is, the
// error box of a text that is no integer, the tab order, the clicks that give
// the input box the focus, and Reset.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "testwindow.h"
#include "ui/board.h"

using quintaro::ui::Board;
using quintaro::ui::test::answerNextMessageBox;
using quintaro::ui::test::click;
using quintaro::ui::test::MessageBoxSeen;
using quintaro::ui::test::press;
using quintaro::ui::test::TestWindow;
using quintaro::ui::test::type;

class CoupEntryTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { m_ui = std::make_unique<TestWindow>(); }
    void cleanup() { m_ui.reset(); }

    void confirmedNumber_data();
    void confirmedNumber();
    void failedEntry_data();
    void failedEntry();
    void enterOnFocusedControl_data();
    void enterOnFocusedControl();
    void enterWithModifier_data();
    void enterWithModifier();
    void spaceOnFocusedOkConfirms();
    void tabOrder();
    void clickGivesInputFocus_data();
    void clickGivesInputFocus();
    void escapeDoesNotClose();
    void resetKeepsHistoryUntilNextCoup();

private:
    [[nodiscard]] QLineEdit* input() const {
        return m_ui->child<QLineEdit>(QStringLiteral("eingabefeld"));
    }
    void playFiveDifferent();

    std::unique_ptr<TestWindow> m_ui;
};

void CoupEntryTest::confirmedNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("untouched 00 enters 0") << QString() << "0";
    QTest::newRow("17") << "17"
                        << "17";
    QTest::newRow("leading space") << " 17"
                                   << "17";
    QTest::newRow("plus sign") << "+5"
                               << "5";
    QTest::newRow("hexadecimal $10") << "$10"
                                     << "16";
    QTest::newRow("37 is no number") << "37"
                                     << "--";
    QTest::newRow("99 is no number") << "99"
                                     << "--";
    QTest::newRow("negative") << "-5"
                              << "-5";
}

void CoupEntryTest::confirmedNumber() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    if (!typed.isNull()) {
        m_ui->typeOverInput(typed);
    }
    press(Qt::Key_Return);

    QCOMPARE(m_ui->text("history1"), shown);
    QCOMPARE(m_ui->text("history2"), QStringLiteral("--"));
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("1"));
    QCOMPARE(input()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), input());
}

void CoupEntryTest::failedEntry_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty after a coup") << ""
                                        << "'' ist kein gültiger Integerwert.";
    QTest::newRow("letter") << "a"
                            << "'a' ist kein gültiger Integerwert.";
    QTest::newRow("decimal point") << "1.5"
                                   << "'1.5' ist kein gültiger Integerwert.";
    QTest::newRow("trailing space") << "17 "
                                    << "'17 ' ist kein gültiger Integerwert.";
    QTest::newRow("umlaut") << "ä"
                            << "'ä' ist kein gültiger Integerwert.";
    QTest::newRow("markup shown as typed") << "<b>1</b>"
                                           << "'<b>1</b>' ist kein gültiger Integerwert.";
    const QString head(32, QLatin1Char('1'));
    const QString tail(32, QLatin1Char('x'));
    QTest::newRow("66 characters shortened in the middle")
        << (head + "--" + tail)
        << ("'" + head + QChar(0x2026) + tail + "' ist kein gültiger Integerwert.");
}

// The coup stops after it cleared the board and counted; the books, the
// history and the typed text stay, and the program carries on.
void CoupEntryTest::failedEntry() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    playFiveDifferent();
    QVERIFY(!m_ui->visibleNumbers().isEmpty());
    const QStringList history = m_ui->historyTexts();

    MessageBoxSeen box;
    const auto pending = answerNextMessageBox(box);
    m_ui->play(typed);
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->window()));

    QCOMPARE(box.title, QStringLiteral("Quintaro"));
    QCOMPARE(box.text, message);
    QCOMPARE(box.icon, static_cast<int>(QMessageBox::Critical));
    QCOMPARE(box.buttonCount, 1);
    QVERIFY(box.plainText);
    QCOMPARE(m_ui->visibleNumbers(), QList<int>());
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("6"));
    QCOMPARE(m_ui->historyTexts(), history);
    QCOMPARE(m_ui->text("einsatzValue"), QStringLiteral("5"));
    QCOMPARE(m_ui->text("saldoValue"), QStringLiteral("1000"));
    QCOMPARE(input()->text(), typed);
    QCOMPARE(QApplication::focusWidget(), input());

    // The bet of the last complete coup still stands: 8 was on the board.
    m_ui->typeOverInput(QStringLiteral("8"));
    press(Qt::Key_Return);
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("7"));
    QCOMPARE(m_ui->text("history1"), QStringLiteral("8"));
    QCOMPARE(m_ui->text("gewinnValue"), QStringLiteral("36"));
}

void CoupEntryTest::enterOnFocusedControl_data() {
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<bool>("confirms");
    QTest::addColumn<bool>("boardCleared");

    QTest::newRow("input box") << 0 << "eingabefeld" << true << false;
    QTest::newRow("OK") << 1 << "okButton" << true << false;
    QTest::newRow("Vordergrund") << 2 << "vordergrundButton" << false << false;
    QTest::newRow("Hintergrund") << 3 << "hintergrundButton" << false << false;
    QTest::newRow("Reset") << 4 << "resetButton" << false << true;
    QTest::newRow("check box Quintaro") << 5 << "quintaroBox" << true << false;
    QTest::newRow("check box 2/3 Gesetz") << 7 << "zweiDrittelBox" << true << false;
}

// Enter presses OK wherever the focus is, except on another push button,
// which takes Enter for itself.
void CoupEntryTest::enterOnFocusedControl() {
    QFETCH(int, tabs);
    QFETCH(QString, focused);
    QFETCH(bool, confirms);
    QFETCH(bool, boardCleared);
    playFiveDifferent();
    const QList<int> board = m_ui->visibleNumbers();
    type(QStringLiteral("12"));
    for (int i = 0; i < tabs; ++i) {
        press(Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);

    press(Qt::Key_Return);

    QCOMPARE(m_ui->text("coupValue"), confirms ? QStringLiteral("6") : QStringLiteral("5"));
    QCOMPARE(m_ui->text("history1"), confirms ? QStringLiteral("12") : QStringLiteral("8"));
    if (confirms) {
        QCOMPARE(QApplication::focusWidget(), input());
        QCOMPARE(input()->text(), QString());
    } else {
        QCOMPARE(m_ui->visibleNumbers(), boardCleared ? QList<int>() : board);
        QCOMPARE(input()->text(), QStringLiteral("12"));
    }
}

void CoupEntryTest::enterWithModifier_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("confirms");

    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << false;
    QTest::newRow("Alt+Return") << int(Qt::Key_Return) << int(Qt::AltModifier) << false;
}

void CoupEntryTest::enterWithModifier() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, confirms);

    press(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(m_ui->text("coupValue"), confirms ? QStringLiteral("1") : QStringLiteral("--"));
}

// OK lies under Reset, so it is reached with Tab; Space presses it too.
void CoupEntryTest::spaceOnFocusedOkConfirms() {
    m_ui->typeOverInput(QStringLiteral("23"));
    press(Qt::Key_Tab);
    press(Qt::Key_Space);

    QCOMPARE(m_ui->text("history1"), QStringLiteral("23"));
    QCOMPARE(QApplication::focusWidget(), input());
}

void CoupEntryTest::tabOrder() {
    QCOMPARE(QApplication::focusWidget(), input());
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        press(Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited,
             QStringList({"okButton", "vordergrundButton", "hintergrundButton", "resetButton",
                          "quintaroBox", "zwillingeBox", "zweiDrittelBox", "eingabefeld"}));
}

void CoupEntryTest::clickGivesInputFocus_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("focusesInput");

    const QPoint centre(-1, -1);
    QTest::newRow("window background") << "background" << QPoint(8, 300) << true;
    QTest::newRow("history column background") << "historyColumn" << QPoint(4, 200) << true;
    QTest::newRow("board background") << "board" << QPoint(20, 100) << true;
    QTest::newRow("hidden number on the board") << "board" << Board::numberRect(1).center() << true;
    QTest::newRow("logo panel background") << "logoPanel" << QPoint(3, 4) << true;
    QTest::newRow("visible number on the board") << "number8" << centre << false;
    QTest::newRow("history label") << "history1" << centre << false;
    QTest::newRow("books panel background") << "booksPanel" << QPoint(4, 75) << false;
    QTest::newRow("date label") << "dateLabel" << centre << false;
}

void CoupEntryTest::clickGivesInputFocus() {
    QFETCH(QString, target);
    QFETCH(QPoint, position);
    QFETCH(bool, focusesInput);
    playFiveDifferent();
    press(Qt::Key_Tab);  // the focus leaves the input box for OK
    auto* widget = m_ui->child<QWidget>(target);
    QVERIFY(widget->isVisible());

    click(widget, position == QPoint(-1, -1) ? widget->rect().center() : position);

    QCOMPARE(QApplication::focusWidget()->objectName(),
             focusesInput ? QStringLiteral("eingabefeld") : QStringLiteral("okButton"));
}

void CoupEntryTest::escapeDoesNotClose() {
    press(Qt::Key_Escape);
    QVERIFY(m_ui->window().isVisible());
    press(Qt::Key_Return);
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("1"));
}

// Reset clears the board at once and starts the main history again; the
// column shows the old numbers until the next coup, and that coup books no
// stake and no win, even on a number that stood on the board.
void CoupEntryTest::resetKeepsHistoryUntilNextCoup() {
    playFiveDifferent();
    const QStringList history = m_ui->historyTexts();
    QVERIFY(m_ui->visibleNumbers().contains(8));

    click(m_ui->child<QPushButton>(QStringLiteral("resetButton")), QPoint(5, 5));

    QCOMPARE(m_ui->visibleNumbers(), QList<int>());
    QCOMPARE(m_ui->historyTexts(), history);
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("5"));
    QCOMPARE(m_ui->text("anfangssaldoValue"), QStringLiteral("1000"));
    QCOMPARE(QApplication::focusWidget(), input());

    m_ui->play(QStringLiteral("8"));

    QStringList expected(12, QStringLiteral("--"));
    expected[0] = QStringLiteral("8");
    QCOMPARE(m_ui->historyTexts(), expected);
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("6"));
    QCOMPARE(m_ui->text("einsatzValue"), QStringLiteral("0"));
    QCOMPARE(m_ui->text("gewinnValue"), QStringLiteral("0"));
}

// The favourite game's example: after 4, 19, 0, 33, 8 it bets those five.
void CoupEntryTest::playFiveDifferent() {
    m_ui->typeOverInput(QStringLiteral("4"));
    press(Qt::Key_Return);
    for (const char* number : {"19", "0", "33", "8"}) {
        m_ui->play(QString::fromLatin1(number));
    }
    QCOMPARE(m_ui->visibleNumbers(), QList<int>({0, 4, 8, 19, 33}));
}

QTEST_MAIN(CoupEntryTest)
#include "coupentrytest.moc"
