#include "ui/anfangssaldodialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/session.h"
#include "ui/designgeometry.h"
#include "ui/fonts.h"
#include "ui/placedlabel.h"

namespace quintaro::ui {

AnfangssaldoDialog::AnfangssaldoDialog(QWidget* parent)
    : QDialog(parent),
      m_edit(new QLineEdit(QString::fromUtf8(kDesignAnfangssaldo.data(),
                                             static_cast<qsizetype>(kDesignAnfangssaldo.size())),
                           this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("Anfangssaldo"));
    setFont(defaultFont());
    new DesignGeometry(this, QRect(679, 141, 233, 128));

    placeLabel(this, QRect(8, 8, 213, 13),
               QStringLiteral("Bitte geben Sie hier Ihren Anfangssaldo ein:"), defaultFont());
    m_edit->setObjectName(QStringLiteral("anfangssaldoEdit"));
    m_edit->setGeometry(8, 28, 121, 21);
    m_ok->setObjectName(QStringLiteral("anfangssaldoOk"));
    m_ok->setGeometry(8, 60, 75, 25);
    // Not a default button: Enter in the edit box does not press it.
    m_ok->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, [this] { emit okPressed(m_edit->text()); });
}

QString AnfangssaldoDialog::text() const {
    return m_edit->text();
}

void AnfangssaldoDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_edit->setFocus();
}

void AnfangssaldoDialog::keyPressEvent(QKeyEvent* event) {
    // Like every push button, a focused OK takes Enter.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_ok->hasFocus()) {
        m_ok->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quintaro::ui
