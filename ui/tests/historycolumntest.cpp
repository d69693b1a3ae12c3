// The history column: the last twelve numbers, newest at the top, in their
// roulette colours.

#include <QColor>
#include <QLabel>
#include <QTest>
#include <memory>

#include "testwindow.h"

using quintaro::ui::test::click;
using quintaro::ui::test::press;
using quintaro::ui::test::TestWindow;

namespace {

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

}  // namespace

class HistoryColumnTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { m_ui = std::make_unique<TestWindow>(); }
    void cleanup() { m_ui.reset(); }

    void designTextsBeforeTheFirstCoup();
    void numberAndColour_data();
    void numberAndColour();
    void newestOnTopAndThirteenthDropsOut();
    void gapKeepsNeighbourColours();

private:
    [[nodiscard]] QLabel* line(int k) const {
        return m_ui->child<QLabel>(QStringLiteral("history%1").arg(k));
    }

    std::unique_ptr<TestWindow> m_ui;
};

void HistoryColumnTest::designTextsBeforeTheFirstCoup() {
    QCOMPARE(m_ui->historyTexts(), QStringList(12, QStringLiteral("--")));
    QVERIFY(line(1)->font().bold());
    QCOMPARE(line(1)->alignment(), Qt::AlignCenter);
}

void HistoryColumnTest::numberAndColour_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");

    const QColor red(255, 0, 0);
    const QColor black(0, 0, 0);
    QTest::newRow("red 5") << "5"
                           << "5" << red;
    QTest::newRow("red 36") << "36"
                            << "36" << red;
    QTest::newRow("black 17") << "17"
                              << "17" << black;
    QTest::newRow("black 2") << "2"
                             << "2" << black;
    QTest::newRow("zero bright green") << "0"
                                       << "0" << QColor(0, 255, 0);
    QTest::newRow("37 as no number") << "37"
                                     << "--" << black;
    QTest::newRow("99 as no number") << "99"
                                     << "--" << black;
    QTest::newRow("negative in black") << "-5"
                                       << "-5" << black;
}

// The first number of a session: its text and colour at the top, "--" in
// black below.
void HistoryColumnTest::numberAndColour() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);

    m_ui->typeOverInput(typed);
    press(Qt::Key_Return);

    QCOMPARE(line(1)->text(), shown);
    QCOMPARE(textColour(line(1)), colour);
    for (int k = 2; k <= 12; ++k) {
        QCOMPARE(line(k)->text(), QStringLiteral("--"));
        QCOMPARE(textColour(line(k)), QColor(0, 0, 0));
    }
}

// Without the favourite game no run break erases a number from the history.
void HistoryColumnTest::newestOnTopAndThirteenthDropsOut() {
    click(m_ui->child<QWidget>(QStringLiteral("quintaroBox")), QPoint(7, 8));
    const QStringList numbers = {"1", "2",  "3",  "4",  "5",  "6", "7",
                                 "8", "10", "11", "12", "13", "14"};
    m_ui->typeOverInput(numbers.first());
    press(Qt::Key_Return);
    for (qsizetype i = 1; i < numbers.size(); ++i) {
        m_ui->play(numbers[i]);
    }

    QStringList newestFirst;
    for (qsizetype i = numbers.size() - 1; i >= 1; --i) {
        newestFirst.append(numbers[i]);
    }
    QCOMPARE(m_ui->historyTexts(), newestFirst);
    QCOMPARE(textColour(line(1)), QColor(255, 0, 0));  // 14
    QCOMPARE(textColour(line(2)), QColor(0, 0, 0));    // 13
}

// Seven numbers on the board mean a stake of seven on the next coup, after
// which the favourite game erases the number entered five coups back: the
// gap shows "--" in black in the sixth line while the numbers around it keep
// their colours.
void HistoryColumnTest::gapKeepsNeighbourColours() {
    m_ui->typeOverInput(QStringLiteral("1"));
    press(Qt::Key_Return);
    for (const char* number : {"3", "5", "7", "9", "12", "14", "16"}) {
        m_ui->play(QString::fromLatin1(number));
    }

    QCOMPARE(m_ui->historyTexts(),
             QStringList({"16", "14", "12", "9", "7", "--", "3", "1", "--", "--", "--", "--"}));
    QCOMPARE(textColour(line(5)), QColor(255, 0, 0));
    QCOMPARE(textColour(line(6)), QColor(0, 0, 0));
    QCOMPARE(textColour(line(7)), QColor(255, 0, 0));
}

QTEST_MAIN(HistoryColumnTest)
#include "historycolumntest.moc"
