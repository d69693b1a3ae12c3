#include "ui/bookspanel.h"

#include <QLabel>
#include <QPushButton>

#include "ui/fonts.h"
#include "ui/placedlabel.h"

namespace quintaro::ui {

// Every value ends at x = 121; "Saldo Neu:" has a narrower field.
BooksPanel::BooksPanel(QWidget* parent)
    : QFrame(parent),
      m_anfangssaldo(addLine(8, QStringLiteral("Anfangssaldo:"), QRect(75, 8, 46, 13), 128,
                             QStringLiteral("anfangssaldoValue"))),
      m_einsatz(addLine(24, QStringLiteral("Einsatz Coup:"), QRect(75, 24, 46, 13), 127,
                        QStringLiteral("einsatzValue"))),
      m_gewinn(addLine(40, QStringLiteral("Gewinn:"), QRect(75, 40, 46, 13), 127,
                       QStringLiteral("gewinnValue"))),
      m_saldo(addLine(56, QStringLiteral("Saldo Neu:"), QRect(88, 56, 33, 13), 127,
                      QStringLiteral("saldoValue"))),
      m_vordergrund(addButton(QRect(8, 80, 75, 25), QStringLiteral("Vordergrund"),
                              QStringLiteral("vordergrundButton"))),
      m_hintergrund(addButton(QRect(88, 80, 75, 25), QStringLiteral("Hintergrund"),
                              QStringLiteral("hintergrundButton"))) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    // An empty bold label that sits on the "Saldo Neu:" caption; nothing writes it.
    placeLabel(this, QRect(48, 56, 5, 13), QString(), boldFont());
}

void BooksPanel::showAnfangssaldo(const QString& text) {
    m_anfangssaldo->setText(text);
}

void BooksPanel::showEinsatz(const QString& text) {
    m_einsatz->setText(text);
}

void BooksPanel::showGewinn(const QString& text) {
    m_gewinn->setText(text);
}

void BooksPanel::showSaldo(const QString& text) {
    m_saldo->setText(text);
}

QLabel* BooksPanel::addLine(int top, const QString& caption, const QRect& valueRect, int unitLeft,
                            const QString& objectName) {
    // The caption is as wide as its text; the value field lies on top of it.
    QLabel* captionLabel = placeLabel(this, QRect(8, top, 0, 13), caption, defaultFont());
    captionLabel->resize(captionLabel->sizeHint().width(), 13);
    QLabel* value = placeLabel(this, valueRect, QStringLiteral("0"), defaultFont(),
                               Qt::AlignRight | Qt::AlignVCenter);
    value->setObjectName(objectName);
    placeLabel(this, QRect(unitLeft, top, 38, 13), QStringLiteral("Stücke"), defaultFont());
    return value;
}

QPushButton* BooksPanel::addButton(const QRect& rect, const QString& caption,
                                   const QString& objectName) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setGeometry(rect);
    button->setFont(defaultFont());
    // A focused button takes Enter for itself instead of confirming a number.
    button->setAutoDefault(true);
    return button;
}

}  // namespace quintaro::ui
