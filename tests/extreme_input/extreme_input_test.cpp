// Extreme input in the window: a pasted megabyte, control characters and
// right-to-left text, in the number input box and in the initial-balance
// dialog. Whatever was pasted, the conversion message appears within a
// second, its box fits on the screen and closes with its OK button, and the
// window then plays on as before.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include "ui/tests/testwindow.h"

using quintaro::ui::test::answerNextModal;
using quintaro::ui::test::press;
using quintaro::ui::test::TestWindow;

namespace {

constexpr qsizetype kMegabyte = qsizetype{1} << 20;
constexpr qint64 kAnswerWithinMs = 1000;
const QString kMessageEnd = QStringLiteral("' ist kein gültiger Integerwert.");

QString megabyteOf(const QString& pattern) {
    return pattern.repeated(kMegabyte / pattern.size() + 1).left(kMegabyte);
}

// What the error box showed, how soon, and whether it fitted on the screen.
struct ErrorBoxSeen {
    bool shown = false;
    qint64 shownAfterMs = 0;
    QString text;
    bool plainText = false;
    bool fitsOnScreen = false;
    bool closedByOk = false;
};

// Answers the next modal window, which must be the error box, by clicking its
// OK button with the mouse; `clock` runs from the action that opened it.
std::unique_ptr<QObject> answerErrorBox(ErrorBoxSeen& seen, const QElapsedTimer& clock) {
    return answerNextModal([&seen, &clock](QWidget* modal) {
        seen.shownAfterMs = clock.elapsed();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            qFatal("the modal window is no message box");
        }
        seen.shown = true;
        seen.text = box->text();
        // Markup in the typed text must show as typed, not as formatting.
        seen.plainText = box->textFormat() == Qt::PlainText || !Qt::mightBeRichText(box->text());
        // Where the box stands is the window manager's business; its size is ours.
        const QSize screen = box->screen()->availableGeometry().size();
        const QSize frame = box->frameGeometry().size();
        seen.fitsOnScreen = frame.width() <= screen.width() && frame.height() <= screen.height();
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok != nullptr) {
            QTest::mouseClick(ok, Qt::LeftButton);
        }
        seen.closedByOk = !box->isVisible();
        if (!seen.closedByOk) {
            box->close();
        }
    });
}

void paste(QWidget* edit, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// The box shows the message's words around the text, which may be shortened:
// its start and its end must be those of the text.
void verifyMessage(const ErrorBoxSeen& seen, const QString& typed) {
    QVERIFY2(seen.shown, "no error box");
    qInfo("error box after %lld ms for %lld characters", seen.shownAfterMs,
          static_cast<long long>(typed.size()));
    QVERIFY2(seen.shownAfterMs < kAnswerWithinMs,
             qPrintable(QStringLiteral("the error box took %1 ms").arg(seen.shownAfterMs)));
    QVERIFY2(seen.fitsOnScreen, "the error box does not fit on the screen");
    QVERIFY2(seen.closedByOk, "OK did not close the error box");
    QVERIFY2(seen.plainText, "the error box shows the text as markup");
    QVERIFY(seen.text.startsWith(QLatin1Char('\'')));
    QVERIFY(seen.text.endsWith(kMessageEnd));
    const QString shown = seen.text.mid(1, seen.text.size() - 1 - kMessageEnd.size());
    const qsizetype common = std::min<qsizetype>(8, typed.size());
    QCOMPARE(shown.left(common), typed.left(common));
    QCOMPARE(shown.right(common), typed.right(common));
}

// After the error the window goes on as if nothing had happened: the next
// number typed is a complete coup.
void verifyWindowPlaysOn(const TestWindow& ui) {
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));
    auto* input = ui.child<QLineEdit>(QStringLiteral("eingabefeld"));
    QVERIFY(input->hasFocus());
    const QString coupsBefore = ui.text(QStringLiteral("coupValue"));
    ui.typeOverInput(QStringLiteral("5"));
    press(Qt::Key_Return);
    QCOMPARE(input->text(), QString());
    QCOMPARE(ui.historyTexts().first(), QStringLiteral("5"));
    QVERIFY(ui.text(QStringLiteral("coupValue")) != coupsBefore);
}

}  // namespace

class ExtremeInputTest final : public QObject {
    Q_OBJECT

private slots:
    static void pastedIntoInputBox_data();
    static void pastedIntoInputBox();
    static void pastedIntoBalanceDialog_data();
    static void pastedIntoBalanceDialog();
};

void ExtremeInputTest::pastedIntoInputBox_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("a megabyte of digits") << megabyteOf(QStringLiteral("7"));
    QTest::newRow("a megabyte of words") << megabyteOf(QStringLiteral("Quintaro "));
    QTest::newRow("a megabyte of one wide letter") << megabyteOf(QStringLiteral("W"));
    QTest::newRow("a megabyte of right-to-left text")
        << megabyteOf(QString::fromUtf16(u"\u05e9\u05dc\u05d5\u05dd \u0661\u0667 "));
    QTest::newRow("control characters")
        << QString::fromUtf16(u"1\u0001\u0002\u001b[2J\u0007\u007f\u0085\r\n\t5");
    QTest::newRow("right-to-left override") << QString::fromUtf16(u"\u202e71\u202c");
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf16(u"\u0661\u0667");
    QTest::newRow("markup") << QStringLiteral("<b>17</b>&lt;");
}

void ExtremeInputTest::pastedIntoInputBox() {
    QFETCH(QString, text);
    const TestWindow ui;
    auto* input = ui.child<QLineEdit>(QStringLiteral("eingabefeld"));
    paste(input, text);
    const QString typed = input->text();

    ErrorBoxSeen seen;
    QElapsedTimer clock;
    clock.start();
    const auto pending = answerErrorBox(seen, clock);
    QTest::keyClick(input, Qt::Key_Return);
    verifyMessage(seen, typed);
    if (QTest::currentTestFailed()) {
        return;
    }
    // The failed text stays in the input box; the coup was counted.
    QCOMPARE(input->text(), typed);
    QCOMPARE(ui.text(QStringLiteral("coupValue")), QStringLiteral("1"));
    verifyWindowPlaysOn(ui);
}

void ExtremeInputTest::pastedIntoBalanceDialog_data() {
    pastedIntoInputBox_data();
}

void ExtremeInputTest::pastedIntoBalanceDialog() {
    QFETCH(QString, text);
    const TestWindow ui;
    ErrorBoxSeen seen;
    QElapsedTimer clock;
    QString typed;
    const auto dialogPending = answerNextModal([&](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("anfangssaldoEdit"));
        paste(edit, text);
        typed = edit->text();
        clock.start();
        const auto boxPending = answerErrorBox(seen, clock);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("anfangssaldoOk")),
                          Qt::LeftButton);
        // The dialog stays open after the error; its close box changes nothing.
        dialog->close();
    });
    ui.chooseMenu(QStringLiteral("Datei"), QStringLiteral("1. Anfangssaldo eingeben"));
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));
    verifyMessage(seen, typed);
    if (QTest::currentTestFailed()) {
        return;
    }
    // The display shows the text as typed; the books keep the old balance.
    QCOMPARE(ui.text(QStringLiteral("anfangssaldoValue")), typed);
    QCOMPARE(ui.window().session().state().Anfangssaldo, 1000);
    verifyWindowPlaysOn(ui);
}

QTEST_MAIN(ExtremeInputTest)
#include "extreme_input_test.moc"
