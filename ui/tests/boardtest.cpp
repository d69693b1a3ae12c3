// The board: 37 numbers in their places, colours and font, of which only the
// numbers to bet on the next coup are visible.

#include <QColor>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <memory>

#include "testwindow.h"

using quintaro::ui::test::press;
using quintaro::ui::test::TestWindow;

namespace {

QStringList numbers(int first, int last) {
    QStringList list;
    for (int n = first; n <= last; ++n) {
        list.append(QString::number(n));
    }
    return list;
}

// `count` numbers cycling through first..last.
QStringList cycling(int first, int last, int count) {
    QStringList list;
    for (int i = 0; i < count; ++i) {
        list.append(QString::number(first + i % (last - first + 1)));
    }
    return list;
}

QList<int> range(int first, int last) {
    QList<int> list;
    for (int n = first; n <= last; ++n) {
        list.append(n);
    }
    return list;
}

}  // namespace

class BoardTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { m_ui = std::make_unique<TestWindow>(); }
    void cleanup() { m_ui.reset(); }

    void numberLabel_data();
    void numberLabel();
    void emptyAfterSessionStart();
    void visibleNumbers_data();
    void visibleNumbers();

private:
    std::unique_ptr<TestWindow> m_ui;
};

void BoardTest::numberLabel_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QColor>("colour");

    const QColor red(255, 0, 0);
    const QColor black(0, 0, 0);
    QTest::newRow("0 above the middle column") << 0 << QRect(32, 8, 41, 17) << QColor(0, 128, 0);
    QTest::newRow("1") << 1 << QRect(8, 32, 25, 17) << red;
    QTest::newRow("2") << 2 << QRect(40, 32, 25, 17) << black;
    QTest::newRow("3") << 3 << QRect(72, 32, 25, 17) << red;
    QTest::newRow("11") << 11 << QRect(40, 104, 25, 17) << black;
    QTest::newRow("19") << 19 << QRect(8, 176, 25, 17) << red;
    QTest::newRow("34") << 34 << QRect(8, 296, 25, 17) << red;
    QTest::newRow("35") << 35 << QRect(40, 296, 25, 17) << black;
    QTest::newRow("36") << 36 << QRect(72, 296, 25, 17) << red;
}

void BoardTest::numberLabel() {
    QFETCH(int, number);
    QFETCH(QRect, rect);
    QFETCH(QColor, colour);

    const auto* label = m_ui->child<QLabel>(QStringLiteral("number%1").arg(number));
    QCOMPARE(label->geometry(), rect);
    QCOMPARE(label->text(), QString::number(number));
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    const QFontInfo font(label->font());
    QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(font.pixelSize(), 16);
    QVERIFY(font.bold());
}

void BoardTest::emptyAfterSessionStart() {
    QCOMPARE(m_ui->visibleNumbers(), QList<int>());
    QCOMPARE(m_ui->text("coupValue"), QStringLiteral("--"));
    QCOMPARE(m_ui->child<QLabel>(QStringLiteral("coupValue"))->geometry(), QRect(48, 320, 25, 13));
}

void BoardTest::visibleNumbers_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QList<int>>("visible");

    const QString quintaro = QStringLiteral("tick quintaroBox");
    const QString twins = QStringLiteral("tick zwillingeBox");
    const QString third = QStringLiteral("tick zweiDrittelBox");

    QTest::newRow("favourite game: five different numbers")
        << QStringList({"4", "19", "0", "33", "8"}) << QList<int>({0, 4, 8, 19, 33});
    QTest::newRow("favourite game: a repeat ends the run")
        << QStringList({"4", "19", "0", "33", "19"}) << QList<int>();
    QTest::newRow("no system ticked")
        << QStringList({quintaro, "4", "19", "0", "33", "8"}) << QList<int>();
    QTest::newRow("twins: 34 numbers are too few")
        << (QStringList({quintaro, twins}) + numbers(1, 34)) << QList<int>();
    QTest::newRow("twins: the 35th number is bet")
        << (QStringList({quintaro, twins}) + numbers(1, 35)) << QList<int>({35});
    QTest::newRow("twins: a twin in the window bets nothing")
        << (QStringList({quintaro, twins}) + numbers(1, 34) + QStringList({"34"})) << QList<int>();
    QTest::newRow("twins' last number stays on the board with the favourite game")
        << (QStringList({quintaro, twins}) + numbers(1, 35) + QStringList({twins, quintaro, "20"}))
        << QList<int>({20, 30, 31, 32, 33, 34, 35});
    QTest::newRow("law of the third: nothing on coup 50")
        << (QStringList({quintaro, third}) + cycling(1, 10, 50)) << QList<int>();
    QTest::newRow("law of the third: the sleepers from coup 51")
        << (QStringList({quintaro, third}) + cycling(1, 10, 51))
        << (QList<int>({0}) + range(11, 36));
    QTest::newRow("law of the third: 27 different numbers are too many")
        << (QStringList({quintaro, third}) + cycling(0, 26, 51)) << QList<int>();
}

void BoardTest::visibleNumbers() {
    QFETCH(QStringList, actions);
    QFETCH(QList<int>, visible);

    for (const QString& action : actions) {
        if (action.startsWith(QStringLiteral("tick "))) {
            m_ui->toggle(action.mid(5));
        } else {
            m_ui->typeOverInput(action);
            press(Qt::Key_Return);
        }
    }

    QCOMPARE(m_ui->visibleNumbers(), visible);
}

QTEST_MAIN(BoardTest)
#include "boardtest.moc"
