#include "ui/tests/windowdisplay.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "engine/display_texts.h"
#include "ui/historycolumn.h"

namespace quintaro::checks {
namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString colourName(HistoryColour colour) {
    switch (colour) {
        case HistoryColour::Red:
            return QStringLiteral("red");
        case HistoryColour::BrightGreen:
            return QStringLiteral("green");
        case HistoryColour::Black:
            break;
    }
    return QStringLiteral("black");
}

// The history colour a label is drawn in; black unless it is one of the others.
HistoryColour historyColour(const QLabel& label) {
    const QColor colour = label.palette().color(QPalette::WindowText);
    for (const HistoryColour candidate : {HistoryColour::Red, HistoryColour::BrightGreen}) {
        if (colour == ui::HistoryColumn::colourOf(candidate)) {
            return candidate;
        }
    }
    return HistoryColour::Black;
}

}  // namespace

replay::DisplaySnapshot windowDisplay(const ui::test::TestWindow& window) {
    replay::DisplaySnapshot display;
    const auto text = [&window](const QString& name) { return window.text(name).toStdString(); };
    display.eingabefeld =
        window.child<QLineEdit>(QStringLiteral("eingabefeld"))->text().toStdString();
    display.coup = text(QStringLiteral("coupValue"));
    display.anfangssaldo = text(QStringLiteral("anfangssaldoValue"));
    display.einsatzCoup = text(QStringLiteral("einsatzValue"));
    display.gewinn = text(QStringLiteral("gewinnValue"));
    display.saldoNeu = text(QStringLiteral("saldoValue"));
    for (std::size_t k = 0; k < display.permanenzspalte.size(); ++k) {
        const auto* label = window.child<QLabel>(QStringLiteral("history%1").arg(k + 1));
        display.permanenzspalte[k] = {label->text().toStdString(), historyColour(*label)};
    }
    const QList<int> visible = window.visibleNumbers();
    for (std::size_t n = 0; n < display.restantenspalte.size(); ++n) {
        display.restantenspalte[n] = text(QStringLiteral("sleeper%1").arg(n));
        display.boardVisible[n] = visible.contains(static_cast<int>(n));
    }
    return display;
}

QStringList describe(const replay::DisplaySnapshot& display) {
    QStringList lines = {"Eingabefeld " + fromStd(display.eingabefeld),
                         "Coup " + fromStd(display.coup),
                         "Anfangssaldo " + fromStd(display.anfangssaldo),
                         "Einsatz Coup " + fromStd(display.einsatzCoup),
                         "Gewinn " + fromStd(display.gewinn),
                         "Saldo Neu " + fromStd(display.saldoNeu)};
    for (std::size_t k = 0; k < display.permanenzspalte.size(); ++k) {
        const HistoryLabel& label = display.permanenzspalte[k];
        lines.append(QStringLiteral("history %1: %2 %3")
                         .arg(k + 1)
                         .arg(fromStd(label.text), colourName(label.colour)));
    }
    QStringList board;
    for (std::size_t n = 0; n < display.boardVisible.size(); ++n) {
        if (display.boardVisible[n]) {
            board.append(QString::number(n));
        }
        lines.append(
            QStringLiteral("sleeper %1: %2").arg(n).arg(fromStd(display.restantenspalte[n])));
    }
    lines.append("board " + board.join(QLatin1Char(' ')));
    return lines;
}

}  // namespace quintaro::checks
