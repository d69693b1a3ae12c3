// The main window as drawn: caption, frame, place and size of every element,
// the covered OK button and bet-slot panel, the sleeper column beyond the
// right edge, fonts, and the always-on-top buttons.

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>

#include "testwindow.h"

using quintaro::ui::test::answerNextModal;
using quintaro::ui::test::click;
using quintaro::ui::test::press;
using quintaro::ui::test::TestWindow;

class WindowLayoutTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { m_ui = std::make_unique<TestWindow>(); }
    void cleanup() { m_ui.reset(); }

    void captionAndFrame();
    void elementGeometry_data();
    void elementGeometry();
    void designTexts_data();
    void designTexts();
    void systemSwitchesAsDrawn();
    void fonts();
    void okButtonLiesUnderReset();
    void betSlotPanelLiesUnderBoard();
    void sleeperColumnComesIntoViewWhenDraggedWide();
    void menuInOrder();
    void sessionStartWritesDateAndBalance();
    void stayOnTop_data();
    void stayOnTop();
    void hintergrundSurvivesADialog();

private:
    std::unique_ptr<TestWindow> m_ui;
};

// The platform adds its frame; window plus frame are 209 x 661 at 187, 44.
void WindowLayoutTest::captionAndFrame() {
    const quintaro::ui::MainWindow& window = m_ui->window();
    QCOMPARE(window.windowTitle(), QStringLiteral("Quintaro Saphir Version"));
    QCOMPARE(window.frameGeometry(), QRect(187, 44, 209, 661));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.findChildren<QAbstractScrollArea*>().isEmpty());
}

void WindowLayoutTest::elementGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("input box") << "eingabefeld" << QRect(67, 8, 33, 21);
    QTest::newRow("OK") << "okButton" << QRect(120, 8, 57, 17);
    QTest::newRow("Reset") << "resetButton" << QRect(112, 6, 73, 25);
    QTest::newRow("Quintaro") << "quintaroBox" << QRect(16, 40, 97, 17);
    QTest::newRow("2/3 Gesetz") << "zweiDrittelBox" << QRect(16, 64, 81, 17);
    QTest::newRow("Zwillinge verfolgen") << "zwillingeBox" << QRect(16, 88, 113, 17);
    QTest::newRow("logo panel") << "logoPanel" << QRect(136, 40, 49, 65);
    QTest::newRow("history column") << "historyColumn" << QRect(16, 112, 49, 209);
    QTest::newRow("first history line") << "history1" << QRect(8, 8, 33, 13);
    QTest::newRow("last history line") << "history12" << QRect(8, 184, 33, 13);
    QTest::newRow("board") << "board" << QRect(80, 112, 105, 345);
    QTest::newRow("bet-slot panel") << "betSlotPanel" << QRect(80, 112, 105, 273);
    QTest::newRow("books panel") << "booksPanel" << QRect(16, 464, 169, 113);
    QTest::newRow("Anfangssaldo value") << "anfangssaldoValue" << QRect(75, 8, 46, 13);
    QTest::newRow("Einsatz Coup value") << "einsatzValue" << QRect(75, 24, 46, 13);
    QTest::newRow("Gewinn value") << "gewinnValue" << QRect(75, 40, 46, 13);
    QTest::newRow("Saldo Neu value") << "saldoValue" << QRect(88, 56, 33, 13);
    QTest::newRow("Vordergrund") << "vordergrundButton" << QRect(8, 80, 75, 25);
    QTest::newRow("Hintergrund") << "hintergrundButton" << QRect(88, 80, 75, 25);
    QTest::newRow("sleeper 0") << "sleeper0" << QRect(680, 24, 38, 13);
    QTest::newRow("sleeper 15") << "sleeper15" << QRect(680, 264, 38, 13);
    QTest::newRow("sleeper 16") << "sleeper16" << QRect(680, 280, 44, 13);
    QTest::newRow("sleeper 36") << "sleeper36" << QRect(680, 600, 44, 13);
}

void WindowLayoutTest::elementGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);

    QCOMPARE(m_ui->child<QWidget>(name)->geometry(), rect);
}

void WindowLayoutTest::designTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("coup") << "coupValue"
                          << "--";
    QTest::newRow("Einsatz Coup") << "einsatzValue"
                                  << "0";
    QTest::newRow("Gewinn") << "gewinnValue"
                            << "0";
    QTest::newRow("Saldo Neu") << "saldoValue"
                               << "0";
    QTest::newRow("history") << "history1"
                             << "--";
    QTest::newRow("sleeper 0") << "sleeper0"
                               << "Label79";
    QTest::newRow("sleeper 1") << "sleeper1"
                               << "Label83";
    QTest::newRow("sleeper 15") << "sleeper15"
                                << "Label97";
    QTest::newRow("sleeper 16") << "sleeper16"
                                << "Label100";
    QTest::newRow("sleeper 36") << "sleeper36"
                                << "Label120";
}

void WindowLayoutTest::designTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);

    QCOMPARE(m_ui->text(name), text);
}

void WindowLayoutTest::systemSwitchesAsDrawn() {
    QCOMPARE(m_ui->child<QLineEdit>(QStringLiteral("eingabefeld"))->text(), QStringLiteral("00"));
    QVERIFY(m_ui->child<QCheckBox>(QStringLiteral("quintaroBox"))->isChecked());
    QVERIFY(!m_ui->child<QCheckBox>(QStringLiteral("zweiDrittelBox"))->isChecked());
    QVERIFY(!m_ui->child<QCheckBox>(QStringLiteral("zwillingeBox"))->isChecked());
}

void WindowLayoutTest::fonts() {
    const QFontInfo font(m_ui->window().font());
    QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(font.pixelSize(), 11);
    QVERIFY(!font.bold());
    QVERIFY(!m_ui->child<QLabel>(QStringLiteral("saldoValue"))->font().bold());
    QVERIFY(m_ui->child<QLabel>(QStringLiteral("coupValue"))->font().bold());
    QCOMPARE(m_ui->child<QLabel>(QStringLiteral("saldoValue"))->alignment(),
             Qt::AlignRight | Qt::AlignVCenter);
}

// A click where OK lies presses Reset: the board empties, no coup runs.
void WindowLayoutTest::okButtonLiesUnderReset() {
    auto* ok = m_ui->child<QPushButton>(QStringLiteral("okButton"));
    auto* reset = m_ui->child<QPushButton>(QStringLiteral("resetButton"));
    QVERIFY(reset->geometry().contains(ok->geometry()));
    QWidget* background = ok->parentWidget();
    QCOMPARE(background->childAt(ok->geometry().center()), reset);

    m_ui->typeOverInput(QStringLiteral("4"));
    press(Qt::Key_Return);
    for (const char* number : {"19", "0", "33", "8"}) {
        m_ui->play(QString::fromLatin1(number));
    }
    QVERIFY(!m_ui->visibleNumbers().isEmpty());
    click(background, ok->geometry().center());

    QCOMPARE(m_ui->visibleNumbers(), QList<int>());
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("5"));
}

void WindowLayoutTest::betSlotPanelLiesUnderBoard() {
    auto* betSlots = m_ui->child<QWidget>(QStringLiteral("betSlotPanel"));
    auto* board = m_ui->child<QWidget>(QStringLiteral("board"));
    QVERIFY(board->geometry().contains(betSlots->geometry()));
    QWidget* atCorner = betSlots->parentWidget()->childAt(betSlots->geometry().bottomRight());
    QVERIFY(atCorner == board || board->isAncestorOf(atCorner));
}

void WindowLayoutTest::sleeperColumnComesIntoViewWhenDraggedWide() {
    auto* sleeper = m_ui->child<QLabel>(QStringLiteral("sleeper36"));
    QVERIFY(sleeper->visibleRegion().isEmpty());

    m_ui->window().resize(730, m_ui->window().height());

    QCOMPARE(sleeper->visibleRegion().boundingRect(), sleeper->rect());
    QVERIFY(m_ui->window().findChildren<QAbstractScrollArea*>().isEmpty());
}

void WindowLayoutTest::menuInOrder() {
    QStringList captions;
    for (const QAction* action : m_ui->window().menuBar()->actions()) {
        captions.append(action->text());
    }
    QCOMPARE(captions, QStringList({"Datei", " ", "Info"}));
    QStringList items;
    for (const QAction* action : m_ui->window().menuBar()->actions().first()->menu()->actions()) {
        items.append(action->text());
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(items, QStringList({"1. Anfangssaldo eingeben", "Beenden"}));
}

void WindowLayoutTest::sessionStartWritesDateAndBalance() {
    QCOMPARE(m_ui->text("dateLabel"),
             QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QCOMPARE(m_ui->child<QLabel>(QStringLiteral("dateLabel"))->pos(), QPoint(80, 584));
    QCOMPARE(m_ui->text("anfangssaldoValue"), QStringLiteral("1000"));
    QVERIFY(m_ui->window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(m_ui->window().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("eingabefeld"));
}

void WindowLayoutTest::stayOnTop_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("onTop");

    QTest::newRow("Hintergrund") << "hintergrundButton" << false;
    QTest::newRow("Vordergrund after Hintergrund") << "vordergrundButton" << true;
}

// The stacking changes; the window keeps its native window, place and size,
// and does not take the activation from another window.
void WindowLayoutTest::stayOnTop() {
    QFETCH(QString, button);
    QFETCH(bool, onTop);
    quintaro::ui::MainWindow& window = m_ui->window();
    if (onTop) {
        click(m_ui->child<QWidget>(QStringLiteral("hintergrundButton")), QPoint(5, 5));
    }
    QWidget other;
    other.setGeometry(500, 300, 100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    const QRect frame = window.frameGeometry();
    const WId native = window.winId();

    click(m_ui->child<QWidget>(button), QPoint(5, 5));
    QTest::qWait(20);

    QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    QCOMPARE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    QCOMPARE(window.frameGeometry(), frame);
    QCOMPARE(window.winId(), native);
    QVERIFY(window.isVisible());
    QCOMPARE(QApplication::activeWindow(), &other);
}

void WindowLayoutTest::hintergrundSurvivesADialog() {
    click(m_ui->child<QWidget>(QStringLiteral("hintergrundButton")), QPoint(5, 5));
    const auto pending = answerNextModal([](QWidget* about) {
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("schliessenButton")),
                          Qt::LeftButton);
    });
    m_ui->chooseMenu(QStringLiteral("Info"));

    QVERIFY(!m_ui->window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

QTEST_MAIN(WindowLayoutTest)
#include "windowlayouttest.moc"
